#pragma once
// What the tasks that talk to the sensors on the sensor bus share: the
// program's parts they use, the start and update records, a send buffer and
// a sensor-bus parser of their own, and the commands they send through the
// transceiver controller, each carrying the language and the measure system
// the user has chosen (read anew for every command).
#include "tasks/klx_tasklinks.h"
#include "tasks/klx_vornbase.h"
#include "telemetry/klx_z2bus.h"

class KLX_Telemetrie;

class KLX_SensorBusTask : public KLX_VornBase {
 protected:
  // The update parameters under which the transceiver's message handler
  // hands the sensor-bus answers to the running task.
  enum Answer {
    AnswerMainInfo = 11,
    AnswerValueInfo = 12,
    AnswerStatus = 14,
    AnswerMenuStructure = 15,
    AnswerMenuName = 16,
    AnswerMenuValue = 17,
    AnswerAddress = 18,
  };

  // Keeps the four parts when none is null; else reports `code` with `text`.
  bool TakeLinks(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                 KLX_RuntimeDatabaseManager* runtime, unsigned code, const char* text);
  void ForgetLinks();
  // The sensor-bus code of the system language and the measure system.
  int Language() const;
  int Measure() const;
  // Sends `length` bytes of the buffer as message `id` to the transceiver;
  // the result of queueing it.
  int Send(int length, unsigned short id);
  int SendCommand(int length);
  // Queues an update record of the task to itself.
  void PostSelf();
  // An answer of the transceiver controller under `para`.
  static bool IsAnswer(const TaskUpdate_Data_T& update, int para) {
    return update.para == para && update.updateKind == KLX_UPDATE_KIND_TRANSCEIVER;
  }
  // A record the task posted to itself.
  static bool IsSelf(const TaskUpdate_Data_T& update) {
    return update.para == 0 && update.updateKind == KLX_UPDATE_KIND_RESULT;
  }

  // The sensor table under its lock for as long as it lives (null without one).
  class LockedTable {
   public:
    explicit LockedTable(KLX_DataBaseManager* db);
    ~LockedTable();
    LockedTable(const LockedTable&) = delete;
    LockedTable& operator=(const LockedTable&) = delete;
    KLX_Telemetrie* operator->() const { return m_Table; }
    explicit operator bool() const { return m_Table != nullptr; }

   private:
    KLX_Telemetrie* m_Table;
  };

  KLX_TaskLinks m_Links;
  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_State = 1;
  unsigned char m_Buffer[8] = {};
  KLX_Z2Bus m_Z2Bus;
};
