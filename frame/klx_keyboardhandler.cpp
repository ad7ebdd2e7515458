#include "frame/klx_keyboardhandler.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QQuickItem>

void KLX_KeyboardHandler::KLX_KeyboardHandlerEmitKey(Qt::Key key, bool capslock) {
  QQuickItem* target = qobject_cast<QQuickItem*>(QGuiApplication::focusObject());
  if (!target) return;
  QString text = QKeySequence(key).toString(QKeySequence::NativeText);
  text = capslock ? text.toUpper() : text.toLower();
  if (key == Qt::Key_Space) text = QStringLiteral(" ");
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, false, 1);
  QCoreApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text, false, 1);
  QCoreApplication::sendEvent(target, &release);
}
