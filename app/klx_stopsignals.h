#pragma once
// Ctrl-C, SIGTERM and SIGHUP switch the transmitter off in order, as holding
// the power button does: they never end the program in the middle of a save.
#include <QObject>

class QSocketNotifier;
class KLX_System;

namespace KLX_StopSignals {
// From now on the stop signals only leave a note in a pipe (all a signal
// handler may safely do); call it first thing, before anything is saved.
bool Install();
}  // namespace KLX_StopSignals

// Reads the notes in the GUI thread and asks the system for the switch-off.
// Notes left before it exists are read as soon as the event loop runs.
class KLX_StopSignalWatch : public QObject {
  Q_OBJECT
 public:
  explicit KLX_StopSignalWatch(KLX_System* system, QObject* parent = nullptr);

 private:
  void Read();

  KLX_System* m_System;
  QSocketNotifier* m_Notifier = nullptr;
};
