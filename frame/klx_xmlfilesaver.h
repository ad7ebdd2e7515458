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
  // The mark a pass gives the telemetry log as it begins.
  static constexpr int kPauseReasonSaving = 8;

  explicit KLX_XMLFileSaver(QObject* parent = nullptr);
  ~KLX_XMLFileSaver() override;

  int KLX_XMLFileSaverInitialize(KLX_DataBaseManager* database, KLX_XMLFileHandler* files);
  int KLX_XMLFileSaverStart();
  void KLX_XMLFileSaverStartProcessing() { KLX_BaseClassThreadStartProcessing(); }
  // Asks for a pass now; with last set, processing ends after it.
  void KLX_XMLFileSaverSavingFiles(bool last, bool dumpTimers);
  void KLX_XMLFileSaverForceModelFileSave(bool dumpTimers);
  int KLX_XMLFileSaverStop();
  // A dump of the timers' values asked for and not yet made: a pass that
  // ends now may have run its model step before the request.
  Q_INVOKABLE bool KLX_XMLFileSaverDumpPending() const { return m_DumpTimers; }

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
  // The same for what the program keeps of the model by itself (its run
  // time, the timers' kept values), besides the pilot's edits when both
  // were lost: said once while the failure stays, not again at the final
  // save.
  void modelValuesSaveFailed(int reason);
  // The same for the settings: the settings file or the state file (which
  // model is current) could not be saved.
  void settingsSaveFailed(int reason);

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
  // The settings' outcome of a pass: whether the settings or state file was
  // to be written, and why the first that failed did (E_ModelSaveFailure).
  struct SettingsOutcome {
    bool tried = false;
    int failure = 0;
  };
  void NoteSettings(SettingsOutcome* outcome, int result);

  // What the pilot was last told of one kind of file: a failure is told once
  // while it stays the same, and again at the final save, after which his
  // changes are lost for good. Used by the thread only.
  class Told {
   public:
    // Whether the outcome of a save (ModelSaveFailure_None when it
    // succeeded) is to be told now; `last` for the final save.
    bool Tell(int failure, bool last);

   private:
    int m_Failure = 0;
    bool m_Final = false;
  };

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
  Told m_ModelTold;
  Told m_OwnTold;
  Told m_SettingsTold;
  SettingsOutcome m_Settings;
  std::function<void()> m_PassEndHook;
  std::atomic<int> m_ForcedPasses{0};
  std::atomic<int> m_Passes{0};
};
