#pragma once
// The binding task (task KLX_TASK_BINDING): binds a receiver to the model
// through the transceiver controller (into one of the four receiver slots,
// or an R-Ediv pair), deletes a bound receiver, or has the controller make
// a new binding configuration. A model without a configuration, or one that
// changes between own receivers and an R-Ediv pair, gets a new one first.
// The edits made before the task, and the receivers and configuration it
// changes, stay marked for the next save at every end.
#include "tasks/klx_bindingconfiguration.h"
#include "tasks/klx_tasklinks.h"
#include "tasks/klx_vornbase.h"

class KLX_Binding : public KLX_VornBase {
 public:
  enum State {
    KLX_BINDING_IDLE = 1,
    KLX_BINDING_START = 2,
    KLX_BINDING_CONFIG_NEW_RESP = 3,
    KLX_BINDING_START_RESP = 4,
    KLX_BIND_CONFIG_SET_RESP = 5,
  };
  // paraint1 for an R-Ediv pair instead of a receiver slot.
  static constexpr int kREdivSlot = 255;
  static constexpr int kSlots = 4;

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseCleanUp() override;

  int KLX_BindingGetState() const { return m_State; }

 private:
  int Slot() const { return m_Task.paraint1; }
  bool IsREdiv() const { return m_Task.paraint1 == kREdivSlot; }
  bool IsOwnSlot() const { return m_Task.paraint1 >= 0 && m_Task.paraint1 < kSlots; }
  int Decide();
  int RequestNewConfiguration();
  int StartBinding();
  int SendConfiguration();
  int NewConfigurationAnswer();
  int BindingAnswer();
  int SetAnswer();
  int End(int result);

  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_State = KLX_BINDING_IDLE;
  KLX_BindingConfigCommon m_Common;
  // What was unsaved before the task (change kinds), given back at its end.
  int m_ModelHeld = 0;
  bool m_ModelChanged = false;
  KLX_TaskLinks m_Links;
};
