#pragma once
// The element, binding, calibration and new-model tasks as QML starts them:
// through "Command", with the GUI command thread, the task engine and the
// simulated controllers on the test clock, in normal operation. What the
// screen hears comes through guiInformer.
#include "tasks_load/tasks_load_fixture.h"

namespace units {
using VT = KLX_VornTask;
constexpr int kDone = VT::GUI_TASK_RESULT_Done;
constexpr int kError = VT::GUI_TASK_RESULT_Error;
constexpr int kTimeout = VT::GUI_TASK_RESULT_Timeout;
constexpr int kNew = VT::KLX_TASK_PARA_NEW;
constexpr int kDelete = VT::KLX_TASK_PARA_DELETE;
// Reported around every model load.
constexpr unsigned kRuntimeStarted = 0x33901;
constexpr unsigned kRuntimeStopped = 0x33902;
}  // namespace units

struct UnitRig : LoadRig {
  static constexpr qint64 kFirstLook = KLX_GUICommander::kIdleWaitMs;
  static constexpr qint64 kPass = KLX_GUICommander::kBusyWaitMs;
  InformerLog* log = nullptr;

  UnitRig() {
    link.guiUp = true;
    waiters = 3;
  }
  ~UnitRig() { delete log; }
  bool Up() {
    if (!LoadRig::Up()) return false;
    log = new InformerLog(&link.gui);
    return true;
  }
  // QML's request; the GUI command thread takes it on its first look.
  bool Do(int task, int p1, int p2, int p3, const QString& s1 = QString(), const QString& s3 = QString()) {
    log->states.clear();
    return link.gui.KLX_GuiCommandHandlerDoTask(task, p1, p2, p3, s1, QString(), s3) == KLX_Ok && Flushed() &&
           Run(kFirstLook);
  }
  // The user's answer to the question on the screen.
  bool Answer(int input) { return link.gui.KLX_GuiCommandHandlerUserDialogInput(input) == KLX_Ok && Run(kPass); }
  // The GUI command thread passes until the screen hears an end (done,
  // error, time-out or a failure code) or `passes` have gone by; the end.
  int End(int passes = 200) {
    for (int pass = 0; pass < passes; ++pass) {
      QCoreApplication::processEvents();
      for (int s : log->states)
        if (s == KLX_VornTask::GUI_TASK_RESULT_Done || s == KLX_VornTask::GUI_TASK_RESULT_Error ||
            s == KLX_VornTask::GUI_TASK_RESULT_Timeout || s < KLX_Error + 1)
          return s;
      if (!Flushed() || !Run(kPass)) return KLX_VornTask::GUI_TASK_RESULT_None;
    }
    return KLX_VornTask::GUI_TASK_RESULT_None;
  }
  // Passes until the screen hears `state` (a question), at most `passes`.
  bool Hears(int state, int passes = 60) {
    for (int pass = 0; pass < passes; ++pass) {
      QCoreApplication::processEvents();
      if (log->states.contains(state)) return true;
      if (!Flushed() || !Run(kPass)) return false;
    }
    return false;
  }
  QList<int> Heard() { return log->Changes(); }
};
