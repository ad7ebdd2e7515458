#pragma once
// The update downloads the screens start (published as "UpdateManager"):
// the receivers' firmware, the system update and the application update
// (which it also installs on the user's word), from a USB stick or the
// update server. The manager owns a thread with its own event loop in which
// its three tasks and their network access manager live; it runs one task
// at a time, the selected ones one after another.
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <memory>

#include "frame/klx_clock.h"

class KLX_DataBaseManager;
class QNetworkAccessManager;
class CTaskBase;
class CUpdateDownloaderBase;

class CUpdateManager : public QObject {
  Q_OBJECT
 public:
  enum Error_t {
    Err_NoErrors = 0,
    Err_Unknown = -1,
    Err_SourceNotFound = -2,
    Err_UpdateNotFound = -2,
    Err_NotEnoughMemory = -3,
    Err_Aborted = -4,
    Err_TransferError = -5,
    Err_AlreadyInstalled = -6,
    Err_CopyingFiles = -7,
    Err_Installing = -8,
    Err_Unsuitable = -9,
    Err_CardTooSmall = -10,
    // The application folder has no room for the new program.
    Err_NoRoomForProgram = -11,
  };
  Q_ENUM(Error_t)
  enum UpdateSource { Src_USB = 0, Src_KlServer = 1 };
  Q_ENUM(UpdateSource)
  enum Reason { UD_AlreadyInstalled = 0, UD_AlreadyDownloaded = 1, UD_ReadyToInstall = 2 };
  Q_ENUM(Reason)

  static constexpr quint8 kSlots = 3;
  static constexpr quint8 kNone = 3;
  enum Slot : quint8 { Slot_Receivers = 0, Slot_System = 1, Slot_Application = 2 };

  // What the switch-off and the end wait at most for the thread, as for
  // every thread's stop: an install under way is asked to stop at its next
  // step (its script ended), and only a hang takes longer.
  static constexpr unsigned long kStopWaitMs = 3000;

  explicit CUpdateManager(QObject* parent = nullptr);
  // Stops the thread and frees the tasks. A thread that does not stop
  // within the end's wait is left running with its tasks, never destroyed
  // under them.
  ~CUpdateManager() override;

  // Builds the network access manager and the three tasks and starts the
  // thread; false (nothing kept) when any of it fails.
  bool Init(KLX_DataBaseManager* db);
  // Aborts, asks an installation under way to stop, stops the thread
  // within `ms` (on the clock) and frees the tasks; false (the tasks kept)
  // when the thread did not stop.
  bool free(unsigned long ms);
  // The thread the tasks run in (none before Init).
  QThread* workerThread() const { return m_Thread; }
  // A thread that free left running (or one never stopped): its tasks, and
  // what they read, are still in use.
  bool isRunning() const { return m_Thread && m_Thread->isRunning(); }
  // Tests: the end's wait, and the clock free waits on (null: the system's).
  void setEndWait(unsigned long ms) { m_EndWaitMs = ms; }
  void setClock(KLX_Clock* clock) { m_End->clock = clock ? clock : &KLX_Clock::KLX_ClockSystem(); }
  // Moves a task into the manager's thread and lets it connect itself.
  virtual void appendTask(CTaskBase& task);

  Q_INVOKABLE bool downloadReceiversUpdate();
  Q_INVOKABLE bool beginAppUpdate(UpdateSource src = Src_KlServer);
  Q_INVOKABLE bool downloadSystemUpdate(UpdateSource src = Src_KlServer);
  Q_INVOKABLE bool downloadVoices();
  Q_INVOKABLE void abort();
  Q_INVOKABLE void resume(Reason reason);

  int lastError() const { return m_LastError; }
  UpdateSource lastSource() const { return m_LastSource; }
  quint8 runningSlot() const { return m_Running; }
  CUpdateDownloaderBase* task(int slot) const { return slot >= 0 && slot < kSlots ? m_Tasks[slot] : nullptr; }

 signals:
  void sigComplete(QString vname, int error, CUpdateManager::UpdateSource src);
  void sigProgress(QString fname, qlonglong bytesReceived, qlonglong bytesTotal);
  void sigUserDecisionRequired(int userDecision);

 public slots:
  void onTaskComplete(QString vname, int error);

 private:
  bool updateBegin(int slot, const QString& folder, UpdateSource src);
  bool startNextTask();
  bool applyStart();
  void deleteTasks();
  // Waits up to `ms` on the clock for the thread to finish; true when it did.
  bool waitForEnd(unsigned long ms);

  QThread* m_Thread = nullptr;
  unsigned long m_EndWaitMs = kStopWaitMs;
  // The thread's end, woken through the clock as it finishes; shared with
  // the thread, which a hang may leave running beyond this manager.
  struct EndWatch {
    QMutex mutex;
    QWaitCondition ended;
    std::atomic<KLX_Clock*> clock{&KLX_Clock::KLX_ClockSystem()};
  };
  std::shared_ptr<EndWatch> m_End = std::make_shared<EndWatch>();
  QNetworkAccessManager* m_Nam = nullptr;
  quint8 m_Next = 0;
  quint8 m_Running = kNone;
  CUpdateDownloaderBase* m_Tasks[kSlots] = {nullptr, nullptr, nullptr};
  bool m_Aborted = false;
  int m_LastError = Err_NoErrors;
  UpdateSource m_LastSource = Src_KlServer;
};
