#pragma once
// The GUI command layer through which QML starts tasks (published as "Command").
#include <QObject>
#include <QString>

#include <atomic>

#include "frame/klx_databasevalues.h"
#include "tasks/klx_vorntask.h"

class KLX_DataBaseManager;
class KLX_VornHandler;

class KLX_GuiCommandHandler : public QObject {
  Q_OBJECT
 public:
  explicit KLX_GuiCommandHandler(QObject* parent = nullptr) : QObject(parent) {}
  int KLX_GuiCommandHandlerInitialize(KLX_DataBaseManager* db, KLX_VornHandler* vorn) {
    m_Db = db;
    m_Vorn = vorn;
    return (db && vorn) ? KLX_Ok : KLX_Error;
  }
  void KLX_GuiCommandHandlerStartProcessing() { m_Processing = true; }
  void KLX_GuiCommandHandlerStopProcessing() { m_Processing = false; }
  bool KLX_GuiCommandHandlerIsProcessing() const { return m_Processing; }
  int KLX_GuiCommandHandlerStop() { return KLX_Ok; }
  // Queues a task request for the GUI command thread and returns at once;
  // KLX_Error and below: refused. Until the command thread comes every
  // request is refused.
  Q_INVOKABLE int KLX_GuiCommandHandlerDoTask(int task, int para1, int para2, int para3, QString str1, QString str2,
                                              QString str3) {
    return KLX_GuiCommandHandlerDoTask(task, para1, para2, para3, KLX_VornTask::KLX_TASK_PARA_NONE,
                                       KLX_VornTask::KLX_TASK_PARA_NONE, KLX_VornTask::KLX_TASK_PARA_NONE, str1, str2,
                                       str3);
  }
  Q_INVOKABLE int KLX_GuiCommandHandlerDoTask(int task, int para1, int para2, int para3, int para4, int para5,
                                              int para6, QString str1, QString str2, QString str3) {
    return KLX_Error;
  }
 signals:
  void guiInformer(int state);
 private:
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_VornHandler* m_Vorn = nullptr;
  std::atomic<bool> m_Processing{false};
};
