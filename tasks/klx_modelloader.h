#pragma once
// The model loader (task KLX_TASK_MOD_LOAD): makes the transceiver
// controller hold the current model. It reads the model file into the
// stores and sends every used element, kind by kind, each kind announced by
// a unit header and each element acknowledged. Two further modes share its
// states and time-outs: the fast start, where the controller still holds
// the model and only the checksums are compared, and the copy of trim
// values between flight modes while the controls are frozen.
#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QVector>

#include <atomic>
#include <memory>
#include <thread>

#include "frame/klx_clock.h"
#include "frame/klx_xmlfilehandler.h"
#include "model/klx_modelchecker.h"
#include "tasks/klx_pendinganswers.h"
#include "tasks/klx_tasklinks.h"
#include "tasks/klx_vornbase.h"

// One kind of element with used units: what its unit header announces.
struct KLX_Modelloader_JobList {
  int kind = 0;
  int used = 0;
  int count = 0;
};

class KLX_ModelLoader : public QObject, public KLX_VornBase {
  Q_OBJECT
 public:
  enum State {
    KLX_MODELLOADER_IDLE = 1,
    KLX_MODELLOADER_START = 2,
    KLX_MODELLOADER_START_RESP = 3,
    KLX_MODELLOADER_END = 4,
    KLX_MODELLOADER_END_RESP = 5,
    KLX_MODELLOADER_TRANSFER_UNIT_HEADER = 6,
    KLX_MODELLOADER_TRANSFER_UNIT_HEADER_RESP = 7,
    KLX_MODELLOADER_TRANSFER_UNIT = 8,
    KLX_MODELLOADER_TRANSFER_UNIT_RESP = 9,
    KLX_MODELLOADER_TRANSFER_UNIT_DATA_SEND_RESP = 10,
    KLX_MODELLOADER_FASTSTART_CRC_RESP = 11,
    KLX_MODELLOADER_FASTSTART_UNLOCKCTRL_RESP = 12,
    KLX_TRIM_MODIFY_FREEZE_CONTROLS = 13,
    KLX_TRIM_MODIFY_FREEZE_CONTROLS_RESP_NEWTRIMS = 14,
    KLX_TRIM_MODIFY_UNFREEZE_CONTROLS_RESP_DONE = 15,
    // Waiting for the model file, which is read beside the load (no message awaited).
    KLX_MODELLOADER_READING = 16,
    // Ended, the end held back: an answer to a request asked again after a
    // time-out is still on its way (waited for at most one time-out), or
    // the file's read has not ended yet (waited for up to the deadline).
    KLX_MODELLOADER_ENDING = 17,
  };
  static constexpr int kJobs = 12;
  // The engine thread's pause while the copied trims settle (262143 us).
  static constexpr unsigned long kTrimSettleMs = 262;

  explicit KLX_ModelLoader(QObject* parent = nullptr);
  ~KLX_ModelLoader() override;

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseCleanUp() override;

  // The clock of the engine thread the loader runs on (for the trim pause).
  void KLX_ModelLoaderSetClock(KLX_Clock* clock) { m_Clock = clock ? clock : &KLX_Clock::KLX_ClockSystem(); }
  int KLX_ModelLoaderGetState() const { return m_State; }
  // Tests: called on the reading thread after each section of the file is
  // in the stores (a test may hold the read there).
  void KLX_ModelLoaderSetReadHook(KLX_XMLModel::SectionHook hook) { m_ReadHook = std::move(hook); }
  // Tests: the reads of the file begun so far, counted on the engine thread
  // before the reading thread starts, and those ended, counted on the
  // reading thread once its last notice is with the engine (after the
  // backup copy the read makes), or on the engine thread when the load
  // lets a read go unfinished: equal, no read is under way.
  int KLX_ModelLoaderReadsBegun() const { return m_ReadGeneration; }
  int KLX_ModelLoaderReadsEnded() const { return m_ReadsEnded; }
  // Tests: reading threads of every loader that have not ended yet, those
  // a load let go included.
  static int KLX_ModelLoaderReadersAlive();

 private:
  void KLX_ModelLoaderInitialize();
  int KLX_ModelLoaderHandleProgress();

  // Normal load.
  int KLX_MODELLOADER_START_Step();
  int KLX_MODELLOADER_START_RESP_Step();
  int KLX_MODELLOADER_TRANSFER_UNIT_HEADER_Step();
  int KLX_MODELLOADER_TRANSFER_UNIT_HEADER_RESP_Step();
  int KLX_MODELLOADER_TRANSFER_UNIT_Step();
  int KLX_MODELLOADER_TRANSFER_UNIT_DATA_SEND_RESP_Step();
  int KLX_MODELLOADER_TRANSFER_UNIT_RESP_Step();
  int KLX_MODELLOADER_TRANSFER_UNIT_AGAIN();
  int KLX_MODELLOADER_END_Step();
  int KLX_MODELLOADER_END_RESP_Step();
  int KLX_ModelLoader_CheckForCorrectUnitTransmission();
  // The next used unit of the current job from the current unit index on,
  // sent when found; false when the job has none left.
  bool transfer_unit(int* result);
  // The next used unit of the current job from `from` on: its index and its
  // image (empty when it has none); false when the job has none left.
  bool FindUnit(int from, int* index, QByteArray* image);
  // The unit after the one just sent, built while the sent one crosses the
  // bus, so that its acknowledgement finds it ready.
  void PrepareUnit(int from);
  void move2next_unit();
  int try2reload_all_model();
  // Counts an error: 1 to repeat, or KLX_Error after reporting `text` at the maximum.
  int next_try_on_error(const QString& text);
  void KLX_ModelLoader_GenerateJobList();
  void KLX_ModelLoader_Calculate_Percent();
  void KLX_ModelLoader_SetDataAfterLoad();
  void KLX_ModelLoader_Load_Final_Data(bool fast);

  // The file is read on a thread of its own while the load goes on: the
  // functions go out as soon as their section is in, the other kinds once
  // the whole file is (a fast start waits for all of it). A notice of the
  // reader's progress reaches the task as its own update record.
  int StartReading(bool fast);
  // The read ends here: its thread is joined once its end is told, else it
  // is called off, writes nothing more into the stores and ends on what it
  // owns whenever the card lets it.
  void StopReading();
  // `result`, once the reader has ended where it ends the task; a load
  // that ended well first waits out its own late answers. A read still
  // under way at the load's deadline is called off and the stores cleared.
  int EndAfterRead(int result);
  // Whether the late answers have come, or the wait has lasted a time-out,
  // and the read has ended or the load's time is up.
  int EndingStep();
  // The section hook of a read: the functions' images once their section is in.
  void TakeFunctions(const QString& element, bool* functionsSeen, int generation);
  // The fast start once its read has ended.
  int FastStartRead(int read);
  int TimeoutStep();
  void PostReadNotice(int stage, int generation);
  bool IsReadNotice() const;
  int ReadNotice();
  // The function job that started early has ended: on with the rest once
  // the file is read, the functions again if the finished read changed them.
  int AfterEarlyFunctions();
  // The load's retries and its time counted from the task's start: beyond
  // them the load ends with its time-out result, the model as it was read.
  bool RetryFromStart();
  bool PastDeadline() const;
  bool TimeIsUp() const;
  int GiveUp();
  // Fast start and trim copy.
  int KLX_ModelLoader_GET_CRC_BY_FASTSTART();
  // Asks for the checksum part requested now.
  int KLX_ModelLoader_GET_CRC_BY_FASTSTART_Again();
  int KLX_MODELLOADER_FASTSTART_CRC_RESP_Step();
  int KLX_ModelLoader_SendLinuxReadyNotification();
  int KLX_MODELLOADER_FASTSTART_UNLOCKCTRL_RESP_Step();
  int KLX_TRIM_MODIFY_FREEZE_CONTROLS_Step(bool freeze);
  int KLX_TRIM_MODIFY_FREEZE_CONTROLS_RESP_NEWTRIMS_Step();
  int KLX_TRIM_MODIFY_UNFREEZE_CONTROLS_RESP_DONE_Step();

  // Message 96: byte 0 = 1, the sub-command, up to three bytes.
  int SendControl(unsigned char sub, unsigned char b2 = 0, unsigned char b3 = 0, unsigned char b4 = 0);
  int SendStop();
  bool IsLoaderAnswer() const;
  bool IsControlsAnswer() const;
  // The answer the state waits for (none while a unit crosses the bus: its
  // sent notice comes before its answer can).
  KLX_AnswerKey Awaited() const;
  QString ModelFileText() const;

  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_UnitIndex = 0;
  int m_Acknowledged = 0;
  int m_JobIndex = 0;
  int m_State = KLX_MODELLOADER_IDLE;
  bool m_JobListEmpty = true;
  int m_TotalUnits = 0;
  int m_ProgressUnits = 0;
  unsigned char m_SendBuffer[1000] = {};
  KLX_Modelloader_JobList m_Jobs[kJobs];
  int m_CrcPartRequested = 0;
  bool m_ControlsLocked = false;
  KLX_TaskLinks m_Links;
  KLX_ModelChecker m_Checker;
  QString m_ModelName;
  QString m_ModelFolder;
  int m_ModelType = 0;
  int m_JobCount = 0;
  KLX_Clock* m_Clock = &KLX_Clock::KLX_ClockSystem();

  // The unit built ahead: for the job and search start it was built for.
  struct PreparedUnit {
    int job = -1;
    int from = -1;
    bool found = false;
    int index = -1;
    QByteArray image;
  };
  PreparedUnit m_Prepared;
  // The file read beside the load. What the reading thread works with (its
  // file handler, the gate it holds on the stores) it owns with the loader,
  // so that a read called off finds it however late it goes on; whatever
  // of the loader's it touches, it touches holding the gate.
  struct ReadJob;
  enum ReadStage { ReadIdle, ReadRunning, ReadDone };
  std::shared_ptr<ReadJob> m_Read;
  std::thread m_Reader;
  KLX_XMLModel::SectionHook m_ReadHook;
  int m_ReadStage = ReadIdle;
  bool m_ReadFast = false;
  std::atomic<int> m_ReadGeneration{0};
  std::atomic<int> m_ReadsEnded{0};
  QMutex m_ReadMutex;  // the reader's results below, until its notice is taken
  int m_ReadResult = KLX_Error;
  qint64 m_ReadBytes = 0;
  bool m_ReadPosted = false;  // its end is told: the thread ends at once
  QVector<QPair<int, QByteArray>> m_FunctionSnapshot;  // index and image of each used function
  bool m_SnapshotTaken = false;
  // The function job runs from the snapshot, started before the read ended.
  bool m_EarlyFunctions = false;
  KLX_Modelloader_JobList m_FinalJobs[kJobs];
  int m_FinalJobCount = 0;
  KLX_PendingAnswers m_Pending;
  // Counted from the task's start.
  int m_Retries = 0;
  qint64 m_StartMs = 0;
  // The end held while a late answer is on its way, and since when.
  int m_EndResult = KLX_Done;
  qint64 m_EndingSinceMs = 0;
};
