#include "tasks/klx_vornstatemachine.h"

#include <QtGlobal>

#include "frame/klx_databasevalues.h"
#include "tasks/klx_vornbase.h"
#include "tasks/klx_vorntask.h"

namespace {
// The busy state of each task started in normal operation.
struct Admission {
  int task;
  int state;
};
constexpr Admission kNormal[] = {
    {KLX_VornTask::KLX_TASK_SYNC, KLX_VornStateMachine::KLX_VORN_STATE_SYNC},
    {KLX_VornTask::KLX_TASK_MOD_LOAD, KLX_VornStateMachine::KLX_VORN_STATE_MODEL_LOAD},
    {KLX_VornTask::KLX_TASK_BIND_CONFIG, KLX_VornStateMachine::KLX_VORN_STATE_BIND_CONFIG},
    {KLX_VornTask::KLX_TASK_BINDING, KLX_VornStateMachine::KLX_VORN_STATE_BINDING},
    {KLX_VornTask::KLX_TASK_CALIBRATION, KLX_VornStateMachine::KLX_VORN_STATE_CALIBRATION},
    {KLX_VornTask::KLX_TASK_MOD_NEW, KLX_VornStateMachine::KLX_VORN_STATE_MOD_NEW},
    {KLX_VornTask::KLX_TASK_MOD_DELETE, KLX_VornStateMachine::KLX_VORN_STATE_MOD_DELETE},
    {KLX_VornTask::KLX_TASK_DELETE_UNIT, KLX_VornStateMachine::KLX_VORN_STATE_DELETE_UNIT},
    {KLX_VornTask::KLX_TASK_LOAD_UNIT, KLX_VornStateMachine::KLX_VORN_STATE_LOAD_UNIT},
    {KLX_VornTask::KLX_TASK_MOD_SYNC, KLX_VornStateMachine::KLX_VORN_STATE_MOD_SYNC},
    {KLX_VornTask::KLX_TASK_MOD_RENAME, KLX_VornStateMachine::KLX_VORN_STATE_MOD_RENAME},
    {KLX_VornTask::KLX_TASK_UPDATE_FIRMWARE, KLX_VornStateMachine::KLX_VORN_STATE_UPDATE_FIRMWARE},
    {KLX_VornTask::KLX_TASK_UPDATE_CHECK_FIRMWARE, KLX_VornStateMachine::KLX_VORN_STATE_UPDATE_CHECK_FIRMWARE},
    {KLX_VornTask::KLX_TASK_CAPTURE_TELEINFO, KLX_VornStateMachine::KLX_VORN_STATE_CAPTURE_TELEINFO},
    {KLX_VornTask::KLX_TASK_MOD_COPY, KLX_VornStateMachine::KLX_VORN_STATE_MOD_COPY},
    {KLX_VornTask::KLX_TASK_CAPTURE_MENU_INFO, KLX_VornStateMachine::KLX_VORN_STATE_CAPTURE_MENU_INFO},
    {KLX_VornTask::KLX_TASK_SET_MENU_DATA, KLX_VornStateMachine::KLX_VORN_STATE_SET_MENU_DATA},
    {KLX_VornTask::KLX_TASK_SET_MENU_ADR, KLX_VornStateMachine::KLX_VORN_STATE_SET_MENU_ADR},
    {KLX_VornTask::KLX_TASK_COPY_MOD_EXTERNAL, KLX_VornStateMachine::KLX_VORN_STATE_COPY_MOD_EXTERNAL},
    {KLX_VornTask::KLX_TASK_GET_MENU_DATA_CONT, KLX_VornStateMachine::KLX_VORN_STATE_GET_MENU_DATA_CONT},
    {KLX_VornTask::KLX_TASK_UPDATE_FW_ONBOARD, KLX_VornStateMachine::KLX_VORN_STATE_UPDATE_FW_ONBOARD},
};
}  // namespace

void KLX_VornStateMachine::KLX_VornStateMachineInitialize() {
  m_State = KLX_VORN_STATE_IDLE;
  m_Mode = KLX_VORN_MODE_STARTUP;
}

int KLX_VornStateMachine::KLX_VornStateMachineTaskOfState(int state) {
  if (state == KLX_VORN_STATE_STARTUP_MODEL_LOAD) return KLX_VornTask::KLX_TASK_MOD_LOAD;
  for (const Admission& a : kNormal)
    if (a.state == state) return a.task;
  return KLX_VornTask::KLX_TASK_NONE;
}

int KLX_VornStateMachine::KLX_VornStateMachineRequestTask(int task) {
  const int state = m_State;
  if (m_Mode == KLX_VORN_MODE_STARTUP) {
    // Start-up: synchronisation, the start-up model load and the firmware
    // update while idle; while a failed synchronisation holds its state,
    // only the firmware check and the copy to an outside medium, which
    // switch to normal operation.
    int next = 0;
    if (state == KLX_VORN_STATE_IDLE) {
      if (task == KLX_VornTask::KLX_TASK_MOD_LOAD) next = KLX_VORN_STATE_STARTUP_MODEL_LOAD;
      if (task == KLX_VornTask::KLX_TASK_UPDATE_FIRMWARE) next = KLX_VORN_STATE_UPDATE_FIRMWARE;
      if (task == KLX_VornTask::KLX_TASK_SYNC) next = KLX_VORN_STATE_SYNC;
    } else if (state == KLX_VORN_STATE_SYNC) {
      if (task == KLX_VornTask::KLX_TASK_UPDATE_CHECK_FIRMWARE) next = KLX_VORN_STATE_UPDATE_CHECK_FIRMWARE;
      if (task == KLX_VornTask::KLX_TASK_COPY_MOD_EXTERNAL) next = KLX_VORN_STATE_COPY_MOD_EXTERNAL;
      if (next) m_Mode = KLX_VORN_MODE_NORMAL;
    }
    if (!next) return KLX_Error;
    m_State = next;
    return KLX_Ok;
  }
  if (m_Mode == KLX_VORN_MODE_NORMAL && state == KLX_VORN_STATE_IDLE) {
    for (const Admission& a : kNormal) {
      if (a.task != task) continue;
      if (task == KLX_VornTask::KLX_TASK_SYNC) m_Mode = KLX_VORN_MODE_STARTUP;
      m_State = a.state;
      return KLX_Ok;
    }
  }
  return KLX_Error;
}

void KLX_VornStateMachine::KLX_VornStateMachineSetResultAndGetState(int result, int task) {
  const int state = m_State;
  if (state == KLX_VORN_STATE_IDLE || task != KLX_VornStateMachineTaskOfState(state)) return;
  if (!KLX_TaskResultIsFinal(result)) return;
  if (m_Mode == KLX_VORN_MODE_STARTUP) {
    // The deliberate hold: a synchronisation that did not end with 0.
    if (state == KLX_VORN_STATE_SYNC && result != KLX_Done) return;
    if (state == KLX_VORN_STATE_STARTUP_MODEL_LOAD) m_Mode = KLX_VORN_MODE_NORMAL;
    m_State = KLX_VORN_STATE_IDLE;
    return;
  }
  if (state == KLX_VORN_STATE_BINDING && result < KLX_Error) qDebug("\n--- !!! KLX_VORN_STATE_BINDING ERROR !!!\n");
  m_State = KLX_VORN_STATE_IDLE;
}
