#pragma once
// The background saver of the model, settings and state files (published as
// "XMLFileSaver"). Edits only set modify flags in the facade; every 30 s, or
// at once when asked, a pass writes what is marked modified.
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <functional>

#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"

class KLX_DataBaseManager;
class KLX_XMLFileHandler;

class KLX_XMLFileSaver : public CNoDebugBase<QThread>, public KLX_BaseClassThread {
  Q_OBJECT
 public:
  static constexpr unsigned long kPeriodMs = 30000;
  static constexpr unsigned long kStopLockMs = 6000;
  // A stop looks for the end of a running pass this often.
  static constexpr unsigned long kStopPollMs = 10;
  static constexpr unsigned long kStopWaitMs = 3000;

  explicit KLX_XMLFileSaver(QObject* parent = nullptr);
  ~KLX_XMLFileSaver() override;

  int KLX_XMLFileSaverInitialize(KLX_DataBaseManager* database, KLX_XMLFileHandler* files);
  int KLX_XMLFileSaverStart();
  void KLX_XMLFileSaverStartProcessing() { KLX_BaseClassThreadStartProcessing(); }
  // Asks for a pass now; with last set, processing ends after it.
  void KLX_XMLFileSaverSavingFiles(bool last, bool dumpTimers);
  void KLX_XMLFileSaverForceModelFileSave(bool dumpTimers);
  int KLX_XMLFileSaverStop();

  // How many final passes (last set) were asked for; start-up and
  // switch-off tests count them.
  int KLX_XMLFileSaverForcedPasses() const { return m_ForcedPasses; }
  // Passes that held the card and ran their steps.
  int KLX_XMLFileSaverPasses() const { return m_Passes; }
  // The clock the period and the stop's time-out run on (the system's by
  // default). The thread starts its next wait at once, on the new clock.
  void KLX_XMLFileSaverSetClock(KLX_Clock* clock);
  // For tests: called in the saver's thread each time a pass (or a wake-up
  // that made none) has let go of the saver's lock, before the thread looks
  // whether it goes on.
  void KLX_XMLFileSaverSetPassEndHook(std::function<void()> hook);

 signals:
  void xmlSaveIsDone();
  // The current model's changes could not be saved, for the reason given
  // (E_ModelSaveFailure of the database values). Said once while the same
  // failure repeats at the period, and again at the final save, after
  // which nothing is saved any more.
  void modelSaveFailed(int reason);

 protected:
  void run() override;

 private:
  void Wake(const char* text);
  // Until a request comes or the period has passed on the clock; whether a
  // request came.
  bool WaitForPass();
  // A final save was asked for and not yet made.
  bool FinalAsked();
  void Pass();
  int KLX_XMLFileSaverSaveModelFileToSD();
  int KLX_XMLFileSaverSaveSystemFileToSD();
  int KLX_XMLFileSaverSaveVornFileToSD();

  std::atomic<bool> m_Initialized{false};
  std::atomic<bool> m_Running{false};
  std::atomic<bool> m_LastPass{false};
  std::atomic<bool> m_DumpTimers{false};
  // Held by the thread for a whole pass; callers only try it.
  QMutex m_Mutex;
  // Guards the pending request and the wait, so no wake-up is lost.
  QMutex m_WakeMutex;
  QWaitCondition m_Wake;
  bool m_Pending = false;
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_XMLFileHandler* m_Files = nullptr;
  std::atomic<KLX_Clock*> m_Clock{&KLX_Clock::KLX_ClockSystem()};
  // The failure the pilot was last told of (none after a save that succeeded);
  // used by the thread only.
  int m_ToldFailure = 0;
  bool m_ToldFinal = false;
  std::function<void()> m_PassEndHook;
  std::atomic<int> m_ForcedPasses{0};
  std::atomic<int> m_Passes{0};
};
