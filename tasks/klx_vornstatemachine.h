#pragma once
// Admits at most one task at a time and knows whether the system is still
// starting up (mode 1) or in normal operation (mode 2). Idle is state 3;
// states 4 to 25 are busy with one task each.
#include <atomic>

class KLX_VornStateMachine {
 public:
  enum E_VornState {
    KLX_VORN_STATE_CONSTRUCTED = 1,
    KLX_VORN_STATE_IDLE = 3,
    KLX_VORN_STATE_SYNC = 4,
    KLX_VORN_STATE_STARTUP_MODEL_LOAD = 5,
    KLX_VORN_STATE_BIND_CONFIG = 6,
    KLX_VORN_STATE_BINDING = 7,
    KLX_VORN_STATE_CALIBRATION = 8,
    KLX_VORN_STATE_MOD_NEW = 9,
    KLX_VORN_STATE_MOD_DELETE = 10,
    KLX_VORN_STATE_MODEL_LOAD = 11,
    KLX_VORN_STATE_DELETE_UNIT = 12,
    KLX_VORN_STATE_LOAD_UNIT = 13,
    KLX_VORN_STATE_MOD_SYNC = 14,
    KLX_VORN_STATE_MOD_RENAME = 15,
    KLX_VORN_STATE_UPDATE_FIRMWARE = 16,
    KLX_VORN_STATE_UPDATE_CHECK_FIRMWARE = 17,
    KLX_VORN_STATE_CAPTURE_TELEINFO = 18,
    KLX_VORN_STATE_MOD_COPY = 19,
    KLX_VORN_STATE_CAPTURE_MENU_INFO = 20,
    KLX_VORN_STATE_SET_MENU_DATA = 21,
    KLX_VORN_STATE_SET_MENU_ADR = 22,
    KLX_VORN_STATE_COPY_MOD_EXTERNAL = 23,
    KLX_VORN_STATE_GET_MENU_DATA_CONT = 24,
    KLX_VORN_STATE_UPDATE_FW_ONBOARD = 25,
  };
  enum E_VornMode { KLX_VORN_MODE_NONE = 0, KLX_VORN_MODE_STARTUP = 1, KLX_VORN_MODE_NORMAL = 2 };

  void KLX_VornStateMachineInitialize();
  // 1 when the task may start (the machine is then busy with it), KLX_Error
  // when it is refused and nothing changes.
  int KLX_VornStateMachineRequestTask(int task);
  // Takes a step result of the task the machine is busy with; every final
  // result ends the busy state, except a failed synchronisation, which holds
  // the machine in its state until a firmware check or a copy of the model
  // to an outside medium comes.
  void KLX_VornStateMachineSetResultAndGetState(int result, int task);
  // Start-up ended without a model load (there was no model to load): the
  // machine takes requests as after a start-up load.
  void KLX_VornStateMachineStartupEnded() { m_Mode = KLX_VORN_MODE_NORMAL; }
  int KLX_VornStateMachineGetState() const { return m_State; }
  int KLX_VornStateMachineGetMode() const { return m_Mode; }
  // The task a busy state stands for (0 for idle and unknown states).
  static int KLX_VornStateMachineTaskOfState(int state);

 private:
  // The engine thread changes them; tests and the GUI read them.
  std::atomic<int> m_State{KLX_VORN_STATE_CONSTRUCTED};
  std::atomic<int> m_Mode{KLX_VORN_MODE_NONE};
};
