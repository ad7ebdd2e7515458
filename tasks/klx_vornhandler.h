#pragma once
// The task handler: the start-up chain and the queue of long operations
// (published as "VornTasks").
#include <QMutex>
#include <QObject>
#include <QQueue>

#include "frame/klx_basethread.h"
#include "frame/klx_databasevalues.h"
#include "tasks/klx_taskrecords.h"

class KLX_DataBaseManager;
class KLX_Protocol;
class KLX_GuiCommandHandler;
class KLX_RuntimeDatabaseManager;

class KLX_VornHandler : public QObject {
  Q_OBJECT
 public:
  explicit KLX_VornHandler(QObject* parent = nullptr) : QObject(parent) {}
  int KLX_VornHandlerInitialize(KLX_DataBaseManager* db, KLX_Protocol* protocol,
                                KLX_GuiCommandHandler* gui, KLX_RuntimeDatabaseManager* runtime);
  void KLX_VornHandlerStartProcessing() { m_Processing = true; }
  void KLX_VornHandlerStopProcessing() { m_Processing = false; }
  bool KLX_VornHandlerIsProcessing() const { return m_Processing; }
  int KLX_VornHandlerStop() { return KLX_Ok; }
  // Queues the synchronisation with the controllers once, at start.
  int KLX_VornHandlerStartVorn();
  int KLX_VornHandlerQueueProcessTask(const Task_Data_T& task);
  bool KLX_VornHandlerTakeTask(Task_Data_T* task);
  // A sensor-menu or firmware task is waiting or at work: a telemetry
  // rescan waits for it.
  bool KLX_VornHandlerCheckMenuDataActiveWork() {
    QMutexLocker lock(&m_QueueMutex);
    for (const Task_Data_T& task : m_Queue) {
      switch (task.task) {
        case KLX_TASK_CAPTURE_MENU_INFO:
        case KLX_TASK_SET_MENU_DATA:
        case KLX_TASK_SET_MENU_ADR:
        case KLX_TASK_GET_MENU_DATA_CONT:
        case KLX_TASK_UPDATE_FIRMWARE:
          return true;
        default:
          break;
      }
    }
    return false;
  }

  // Controller answers for the running task, handed over on the CAN
  // receiver thread; the task engine takes them from its queues.
  int KLX_VornHandlerUpdateProcessTask(const TaskUpdate_Data_T& update);
  int KLX_VornHandlerResponseProcessTask(const TaskUpdate_Data_T& update);
  // The message layer prepared the last frame of a long message.
  void KLX_ProtocolBaseCallback();
  // What the engine would take next from the update, response and protocol
  // queues (false when empty).
  bool KLX_VornHandlerTakeUpdate(TaskUpdate_Data_T* update);
  bool KLX_VornHandlerTakeResponse(TaskUpdate_Data_T* update);
  bool KLX_VornHandlerTakeProtocolUpdate(TaskUpdate_Data_T* update);
 signals:
  void taskStatusSent(bool taskrunning);
 private:
  KLX_DataBaseManager* m_Db = nullptr;
  bool m_Initialized = false;
  std::atomic<bool> m_Processing{false};
  QMutex m_QueueMutex;
  QQueue<Task_Data_T> m_Queue;
  QMutex m_UpdateMutex;
  QQueue<TaskUpdate_Data_T> m_Updates;
  QMutex m_ResponseMutex;
  QQueue<TaskUpdate_Data_T> m_Responses;
  QMutex m_ProtocolMutex;
  QQueue<TaskUpdate_Data_T> m_ProtocolUpdates;
};
