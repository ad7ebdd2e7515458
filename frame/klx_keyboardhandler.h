#pragma once
// The on-screen keyboard's door (published as "VornKeyboard"): each key the
// GUI's keyboard sends becomes a real key press and release for the text
// field that has the focus, so ordinary QML text inputs work unchanged.
#include <QObject>

class KLX_KeyboardHandler : public QObject {
  Q_OBJECT
 public:
  explicit KLX_KeyboardHandler(QObject* parent = nullptr) : QObject(parent) {}
  Q_INVOKABLE void KLX_KeyboardHandlerEmitKey(Qt::Key key, bool capslock);
};
