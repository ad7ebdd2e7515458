#pragma once
// Task ids and results for QML (registered as "GuiData" 1.0 "GuiCmdData").
#include <QObject>

class KLX_VornTask : public QObject {
  Q_OBJECT
 public:
  explicit KLX_VornTask(QObject* parent = nullptr) : QObject(parent) {}
  enum E_SignalData {
    GUI_TASK_RESULT_None = 0,
    GUI_TASK_RESULT_Done = 1,
    GUI_TASK_RESULT_Error = 2,
    GUI_TASK_RESULT_Timeout = 3,
    GUI_TASK_RESULT_Working = 4,
    GUI_TASK_RESULT_Trigger = 5,
    GUI_TASK_RESULT_ReTrigger = 6,
  };
  Q_ENUM(E_SignalData)
};
