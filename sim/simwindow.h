#pragma once
// The simulator's control window: the stick controller's controls in a small
// QML window of their own, beside the program's 480 x 272 window.
#include <QString>

#include <memory>

class CSimPanel;
class QQuickView;

namespace SimWindow {
// Shows the window; null when its QML does not load (the reason is printed).
std::unique_ptr<QQuickView> Open(CSimPanel* panel);
// Saves a picture of the window once it has been drawn.
void GrabWhenShown(QQuickView* view, const QString& file);
}  // namespace SimWindow
