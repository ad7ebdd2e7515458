#pragma once
// The binding configuration: the 64-bit value under which the transceiver
// controller binds the model's receivers. KLX_BindingConfigCommon holds the
// three messages that exchange it (also used by the binding task);
// KLX_BindingConfiguration (task KLX_TASK_BIND_CONFIG) brings the
// controller in line with the model after a model load.
#include "tasks/klx_tasklinks.h"
#include "tasks/klx_vornbase.h"

class KLX_BindingConfigCommon {
 public:
  // Message 161: the controller reports its state.
  int KLX_BindingConfiguration_GetState_Request(KLX_Protocol* protocol);
  // A configuration: message 177 (with the receiver mask unless the model
  // binds an R-Ediv pair). None: message 176, with `byte` as its one data
  // byte when it is not 0.
  int KLX_BindingConfiguration_Request(KLX_Protocol* protocol, quint64 configuration, KLX_DataBaseManager* db,
                                       unsigned char byte);
  // A new configuration from the controller (message 16): the model's
  // receivers are cleared and the configuration kept; 1, or 7 for any other update.
  int KLX_BindingConfiguration_New_Response(const TaskUpdate_Data_T& update, KLX_DataBaseManager* db);
  // The answer to message 177 (message 18): 0 accepted, KLX_Error refused;
  // the long-message-sent notice 1; anything else 7.
  int KLX_BindingConfiguration_Set_Response(const TaskUpdate_Data_T& update);

 private:
  char m_Buffer[9] = {};
};

class KLX_BindingConfiguration : public KLX_VornBase {
 public:
  enum State {
    KLX_BINDING_CONFIGURATION_IDLE = 1,
    KLX_BINDING_CONFIGURATION_START = 2,
    KLX_BINDING_CONFIGURATION_NEW_RESP = 3,
    KLX_BINDING_CONFIGURATION_SET_RESP = 4,
    KLX_BINDING_CONFIGURATION_STATE_REQUEST = 5,
  };

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseCleanUp() override;

  int KLX_BindingConfigurationGetState() const { return m_State; }

 private:
  int Decide();
  // Every end: the edits made before the task started, and a configuration
  // the controller gave, are marked for the next save.
  int End(int result);
  // A bad answer: at the retry limit the task fails, below it decides again.
  int Retry();

  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_State = KLX_BINDING_CONFIGURATION_IDLE;
  KLX_BindingConfigCommon m_Common;
  // What was unsaved before the task (change kinds), given back at its end.
  int m_ModelHeld = 0;
  bool m_ModelChanged = false;
  KLX_TaskLinks m_Links;
};
