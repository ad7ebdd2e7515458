#pragma once
// Tells the screens that a value they show has changed (a servo output, a
// control, a trim, a sensor value, a timer, an alarm mark), so that they read
// it then instead of asking every few milliseconds. Any thread may report a
// change; the screens hear of it on the GUI thread, at most once per 40 ms
// however often it changes, and not at all while nothing changes.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <atomic>

class KLX_LiveValues : public QObject {
  Q_OBJECT

 public:
  // The shortest time between two notices: servo bars still move smoothly.
  static constexpr int kSpacingMs = 40;

  explicit KLX_LiveValues(QObject* parent = nullptr);

  // Any thread. Costs one atomic exchange while a notice is on its way.
  void KLX_LiveValuesChanged();

 signals:
  // On the GUI thread.
  void changed();

 private:
  void Deliver();
  void Tell();

  std::atomic<bool> m_Pending{false};
  QElapsedTimer m_SinceTold;
  QTimer m_Hold;
};
