#pragma once
// The unit loader (task KLX_TASK_LOAD_UNIT): creates one new model element
// in the database and loads it into the transceiver controller, so that
// both sides hold it: a start, the unit header, the unit, the end, each
// answered by the controller; then the element is put in use field by field
// and its index is left for QML in the runtime read-outs. A servo added to
// a function whose servo already has a configuration sends no unit at all.
#include "model/klx_serfuncmatrix.h"
#include "tasks/klx_pendinganswers.h"
#include "tasks/klx_tasklinks.h"
#include "tasks/klx_vornbase.h"

class KLX_UnitLoader : public KLX_VornBase {
 public:
  enum State {
    KLX_UNITLOADER_IDLE = 1,
    KLX_UNITLOADER_START = 2,
    KLX_UNITLOADER_START_RESP = 3,
    KLX_UNITLOADER_END = 4,
    KLX_UNITLOADER_END_RESP = 5,
    KLX_UNITLOADER_END_END_RESP = 6,
    KLX_UNITLOADER_TRANSFER_UNIT_HEADER = 7,
    KLX_UNITLOADER_TRANSFER_UNIT_HEADER_RESP = 8,
    KLX_UNITLOADER_TRANSFER_UNIT_RESP = 10,
    KLX_UNITLOADER_TRANSFER_UNIT_DATA_SEND_RESP = 11,
  };
  static constexpr int kJobs = 12;

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseCleanUp() override;

  int KLX_UnitLoaderGetState() const { return m_State; }

 private:
  int Kind() const { return m_Task.paraint1; }
  int Index() const { return m_Task.paraint2; }
  bool IsNew() const;

  int StartStep();
  int StartAnswer();
  int HeaderAnswer();
  int SendUnit();
  int SentNotice();
  int UnitAnswer();
  int EndAnswer();
  int EndAnswerWithoutTransfer();
  // Finds (and clears) the record of the new unit: KLX_Ok, or why not.
  int PrepareUnit();
  // A preparation that failed after the start: stop, report, KLX_Error.
  int PrepareFailed(int result);
  int SetupUnit();
  int SendHeader();
  int SendEnd();
  void SendStop();
  // A bad answer: counts an error and sends stop; at the limit the task
  // fails, below it starts again.
  int StartAgain();
  // The end again below the limit; at the limit the task fails.
  int EndAgain(bool forgetNew);
  // The answer the state waits for (none while the unit crosses the bus:
  // its sent notice comes before its answer can).
  KLX_AnswerKey Awaited() const;
  // The loader control message; the answer it asks for is waited for.
  void SendAsked(unsigned char sub, unsigned char b2 = 0, unsigned char b3 = 0, unsigned char b4 = 0);
  void ForgetNewUnit();

  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_State = KLX_UNITLOADER_IDLE;
  int m_Jobs[kJobs] = {};
  unsigned char m_Buffer[1000] = {};
  KLX_SerFuncMatrix m_Matrix;
  KLX_TaskLinks m_Links;
  KLX_PendingAnswers m_Pending;
};
