#pragma once
// The GUI command layer (published as "Command"): QML starts long operations
// with KLX_GuiCommandHandlerDoTask, which returns at once (-70000 or below:
// not queued), answers a task's questions with the user-input operations,
// and learns running, trigger, done, error and time-out only through the
// signal guiInformer(state), emitted on the GUI command thread.
#include <QObject>
#include <QString>

#include <atomic>

#include "frame/klx_databasevalues.h"
#include "tasks/klx_guicommander.h"
#include "tasks/klx_taskrecords.h"

class KLX_DataBaseManager;
class KLX_VornHandler;

class KLX_GuiCommandHandler : public QObject {
  Q_OBJECT
 public:
  // Running-state reports forwarded while at most this many records wait.
  static constexpr int kRunningReportsQueued = 10;

  explicit KLX_GuiCommandHandler(QObject* parent = nullptr);
  ~KLX_GuiCommandHandler() override;

  int KLX_GuiCommandHandlerInitialize(KLX_DataBaseManager* db, KLX_VornHandler* vorn);
  void KLX_GuiCommandHandlerStartProcessing() { m_Commander.KLX_BaseClassThreadStartProcessing(); }
  void KLX_GuiCommandHandlerStopProcessing() { m_Commander.KLX_BaseClassThreadStopProcessing(); }
  bool KLX_GuiCommandHandlerIsProcessing() const { return m_Commander.KLX_BaseClassThreadIsProcessing(); }
  int KLX_GuiCommandHandlerStop();
  // The clock the GUI command thread waits on; before the initialisation.
  void KLX_GuiCommandHandlerSetClock(KLX_Clock* clock) { m_Commander.KLX_GUICommanderSetClock(clock); }
  KLX_GUICommander& KLX_GuiCommandHandlerCommander() { return m_Commander; }

  Q_INVOKABLE int KLX_GuiCommandHandlerDoTask(int task, int paraint1, int paraint2, int paraint3, int paraint4,
                                              int paraint5, int paraint6, QString parastr1, QString parastr2,
                                              QString parastr3);
  Q_INVOKABLE int KLX_GuiCommandHandlerDoTask(int task, int paraint1, int paraint2, int paraint3, QString parastr1,
                                              QString parastr2, QString parastr3);
  Q_INVOKABLE int KLX_GuiCommandHandlerUserDialogInput(int dialoginput);
  Q_INVOKABLE int KLX_GuiCommandHandlerUserDataInput(int intdata);
  Q_INVOKABLE int KLX_GuiCommandHandlerUserDataInput(QString parastr);
  // Stops the GUI command thread for the rest of the run.
  Q_INVOKABLE int KLX_GuiCommandHandlerForcedStop();

  // The task handler reports a task's step result (engine thread).
  int KLX_GuiCommandHandlerSetTaskUpdateFromVorn(int state, int result);
  // The GUI command thread's result of a request, as a guiInformer state.
  void KLX_GuiCommandHandlerSetTaskResult(int result);

 signals:
  void guiInformer(int state);

 private:
  int UserInput(unsigned char kind, const QByteArray& bytes);

  KLX_VornHandler* m_Vorn = nullptr;
  KLX_GUICommander m_Commander;
  std::atomic<bool> m_Initialized{false};
};
