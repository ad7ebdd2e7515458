#pragma once
// The keys of the simulator's console: the power button, the sticks, the
// trims, switches, sliders and rotaries, the fault knobs, and quitting. With
// the program's pid, quitting ends the whole desktop run in order: the
// program is asked to switch off (SIGTERM), the console waits a bounded time
// for it to end and says what happened, then ends itself. The console also
// ends when the program ends on its own (power button held).
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class CSimBoard;
class CSimControllers;
class KLX_Clock;

class CSimConsole : public QObject {
  Q_OBJECT
 public:
  using Print = std::function<void(const QString&)>;

  static constexpr int kProgramEndMs = 30000;  // the program's switch-off takes some 8 s
  static constexpr int kHoldMs = 6000;          // the program switches off after 4 s of holding
  static constexpr int kBusBitsPerSecond = 1000000;  // the board's bus
  static constexpr int kGpsAddress = 20;              // where the GPS sensor is plugged in

  // programPid 0: the console runs alone and `q` ends only the console.
  CSimConsole(CSimControllers& controllers, CSimBoard& board, qint64 programPid, Print print,
              QObject* parent = nullptr);

  // The bounded wait for the program takes its time from this clock.
  void SetClock(KLX_Clock* clock) { m_Clock = clock; }

  static QString Help();
  void Key(char key);
  // `q`, Ctrl-C or SIGTERM: switch the program off in order, then end.
  void Quit();
  QString Selected() const;

  // True while the process runs (a process that has ended but is not yet
  // reaped counts as ended).
  static bool Alive(qint64 pid);

 signals:
  void Finished(int code);

 private:
  void Watch();
  void MoveStick(int id, int steps);
  // The keys that set the controllers' faults and the sensors' state:
  // false for any other key.
  bool FaultKey(char key);
  bool SensorKey(char key);
  void ToggleJoinableInRange();
  void MoveSelected(int direction);
  void Select(int step);
  void PlugUpdateStick();
  void ShowAll();
  void ShowCounters();
  // The addresses of the sensors behind the receiver.
  QString SensorList() const;
  void Toggle(bool* flag, const char* what, void (CSimControllers::*set)(bool));
  QString Position(int id) const;
  KLX_Clock& Clock() const;

  CSimControllers& m_Controllers;
  CSimBoard& m_Board;
  const qint64 m_Pid;
  Print m_Print;
  KLX_Clock* m_Clock = nullptr;
  QTimer m_Watch;
  bool m_Quitting = false;
  bool m_Done = false;
  qint64 m_Deadline = 0;
  int m_Selected = 0;
  bool m_Silent = false, m_WrongLengths = false, m_Remote = false, m_Gaps = false, m_Paced = false;
};
