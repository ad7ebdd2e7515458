#pragma once
// The background saver of the model, settings and state files (published as
// "XMLFileSaver"). Edits only set modify flags in the facade; every 30 s, or
// at once when asked, a pass writes what is marked modified.
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

#include "frame/klx_basethread.h"

class KLX_DataBaseManager;
class KLX_XMLFileHandler;

class KLX_XMLFileSaver : public CNoDebugBase<QThread>, public KLX_BaseClassThread {
  Q_OBJECT
 public:
  static constexpr unsigned long kPeriodMs = 30000;
  static constexpr unsigned long kStopLockMs = 6000;
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
  // Tests run the periodic pass with a short period; the product keeps 30 s.
  // The thread starts its next wait at once, with the new period.
  void KLX_XMLFileSaverSetPeriodForTest(unsigned long ms);

 signals:
  void xmlSaveIsDone();

 protected:
  void run() override;

 private:
  void Wake(const char* text);
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
  std::atomic<unsigned long> m_PeriodMs{kPeriodMs};
  std::atomic<int> m_ForcedPasses{0};
  std::atomic<int> m_Passes{0};
};
