#pragma once
// The on-screen keyboard's state (published as "VornKeyboard").
#include <QObject>

class KLX_KeyboardHandler : public QObject {
  Q_OBJECT
 public:
  explicit KLX_KeyboardHandler(QObject* parent = nullptr) : QObject(parent) {}
};
