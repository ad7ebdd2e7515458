#pragma once
// The on-screen keyboard's key events (published as "VornKeyboard").
#include <QObject>

class KLX_KeyboardHandler : public QObject {
  Q_OBJECT
 public:
  explicit KLX_KeyboardHandler(QObject* parent = nullptr) : QObject(parent) {}
  // Sends a press and a release of the key to the focused item, as a real
  // keyboard would; nothing without a focused item.
  Q_INVOKABLE void KLX_KeyboardHandlerEmitKey(Qt::Key key, bool capslock);
};
