#pragma once
// Task ids and the other numbers that QML and the task pipeline share
// (registered for QML as "GuiData" 1.0 "GuiCmdData"; QML reads only the
// enumerations, as GuiCmdData.KLX_TASK_CALIBRATION).
#include <QObject>

#include "frame/klx_controlids.h"

class KLX_VornTask : public QObject {
  Q_OBJECT
 public:
  explicit KLX_VornTask(QObject* parent = nullptr) : QObject(parent) {}

  enum E_VornTask {
    KLX_TASK_NONE = 0,
    KLX_TASK_SYNC = 1,
    KLX_TASK_MOD_LOAD = 2,
    KLX_TASK_LOAD_UNIT = 3,
    KLX_TASK_DELETE_UNIT = 4,
    KLX_TASK_BIND_CONFIG = 5,
    KLX_TASK_BINDING = 6,
    KLX_TASK_CALIBRATION = 7,
    KLX_TASK_MOD_NEW = 8,
    KLX_TASK_MOD_DELETE = 9,
    KLX_TASK_MOD_SYNC = 10,
    KLX_TASK_MOD_RENAME = 11,
    KLX_TASK_UPDATE_FIRMWARE = 12,
    KLX_TASK_UPDATE_CHECK_FIRMWARE = 13,
    KLX_TASK_MOD_COPY = 15,
    KLX_TASK_CAPTURE_MENU_INFO = 16,
    KLX_TASK_SET_MENU_DATA = 17,
    KLX_TASK_SET_MENU_ADR = 18,
    KLX_TASK_COPY_MOD_EXTERNAL = 19,
    KLX_TASK_GET_MENU_DATA_CONT = 20,
    KLX_TASK_UPDATE_FW_ONBOARD = 21,
    KLX_TASK_CAPTURE_TELEINFO = 24,
    KLX_TASK_COUNT = 25,
  };
  Q_ENUM(E_VornTask)

  // Integer parameters of a request; as element kinds 0 to 11 name the
  // twelve kinds of model element.
  enum E_VornTaskParameter {
    KLX_TASK_PARA_MODEL_Function = 0,
    KLX_TASK_PARA_MODEL_Flightmode = 1,
    KLX_TASK_PARA_MODEL_Limiter = 2,
    KLX_TASK_PARA_MODEL_Mixer = 3,
    KLX_TASK_PARA_MODEL_Sequencer = 4,
    KLX_TASK_PARA_MODEL_ServoConfig = 5,
    KLX_TASK_PARA_MODEL_Curve = 6,
    KLX_TASK_PARA_MODEL_VirtSwitch = 7,
    KLX_TASK_PARA_MODEL_FmAssign = 8,
    KLX_TASK_PARA_MODEL_FastStart = 9,
    KLX_TASK_PARA_MODEL_2 = 10,
    KLX_TASK_PARA_MODEL_TeleControl = 11,
    KLX_TASK_PARA_MODEL_3 = 12,
    KLX_TASK_PARA_MODEL_4 = 13,
    KLX_TASK_PARA_MODEL_5 = 14,
    KLX_TASK_PARA_MODEL_6 = 15,
    KLX_TASK_PARA_MODEL_Count = 16,
    KLX_TASK_PARA_NONE = 17,
    KLX_TASK_PARA_FORCE = 18,
    KLX_TASK_PARA_NEW = 19,
    KLX_TASK_PARA_DELETE = 20,
    KLX_TASK_PARA_CONT_2POL_SWITCH = 21,
    KLX_TASK_PARA_CONT_3POL_SWITCH = 22,
    KLX_TASK_PARA_CONT_LINEAR = 23,
    KLX_TASK_PARA_UPDATE_USB = 24,
    KLX_TASK_PARA_UPDATE_WLAN = 25,
    KLX_TASK_PARA_MENU_DATA_TOGGLE = 26,
    KLX_TASK_PARA_MENU_DATA_VAL = 27,
    KLX_TASK_PARA_MENU_SENSOR_ADR = 28,
    KLX_TASK_PARA_COPY_MOD_TO_USB = 29,
    KLX_TASK_PARA_COPY_ALL = 30,
    KLX_TASK_PARA_COPYDEL_SINGLE = 31,
    KLX_TASK_PARA_RESET_KL2_ADRESS = 32,
    KLX_TASK_PARA_NEW_FOLDER = 33,
    KLX_TASK_PARA_COPY_SYS_DATA_USB = 34,
    KLX_TASK_PARA_TRIM_MODIFY = 35,
    KLX_TASK_PARA_COUNT = 36,
  };
  Q_ENUM(E_VornTaskParameter)

  enum E_TaskSource {
    KLX_TASK_SOURCE_GUI = 0,
    KLX_TASK_SOURCE_VORN = 1,
    KLX_TASK_SOURCE_COUNT = 25,
  };
  Q_ENUM(E_TaskSource)

  enum E_UserInput {
    GUI_USER_None = 0,
    GUI_USER_Yes = 1,
    GUI_USER_No = 2,
    GUI_USER_Cancel = 3,
    GUI_USER_NUM0_INPUT = 128,
    GUI_USER_NUM1_INPUT = 129,
    GUI_USER_NUM2_INPUT = 130,
    GUI_USER_NUM3_INPUT = 131,
    GUI_USER_NUM4_INPUT = 132,
    GUI_USER_NUM5_INPUT = 133,
    GUI_USER_NUM6_INPUT = 134,
    GUI_USER_NUM7_INPUT = 135,
  };
  Q_ENUM(E_UserInput)

  // The states guiInformer reports.
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

  enum E_UpdateTarget {
    KLX_UPDATE_SELF = 0,
    KLX_UPDATE_ONBOARD = 1,
    KLX_LOAD_VOICEPACKS = 2,
    KLX_LOAD_HTTPUPDPACKAGE = 3,
    KLX_FWVORN_RECOVERY = 4,
    KLX_UNINSTALL_VOICEPACKS = 5,
  };
  Q_ENUM(E_UpdateTarget)

  // The controller whose firmware a recovery writes again (third integer
  // parameter of the package update's recovery).
  enum E_RecoveryDevice {
    KLX_UPDATE_RECOVER_TRANSCEIVER = 0x04,
    KLX_UPDATE_RECOVER_STICK = 0x08,
  };
  Q_ENUM(E_RecoveryDevice)

  enum E_TrimModeGui {
    TRIMMODE_Center_Gui = 1,
    TRIMMODE_Left_Gui = 2,
    TRIMMODE_Right_Gui = 3,
    TRIMMODE_Offset_Gui = 4,
    TRIMMODE_Inactive_Gui = 5,
    TRIMMODE_Invalid_Gui = 255,
  };
  Q_ENUM(E_TrimModeGui)

  enum E_ROTARYFlagsGui {
    ROTARYFLAG_IsFlightModeDependentGui = 1,
    ROTARYFLAG_BeepGui = 2,
    ROTARYFLAG_VibrationGui = 4,
  };
  Q_ENUM(E_ROTARYFlagsGui)

  enum E_FAILSAFEModeGui {
    FAILSAFEMODE_Off_Gui = 0,
    FAILSAFEMODE_Hold_Gui = 1,
    FAILSAFEMODE_Value_Gui = 2,
  };
  Q_ENUM(E_FAILSAFEModeGui)

  enum E_UpdateStatus {
    KLX_UPDATE_STATUS_NO_USB = 1,
    KLX_UPDATE_STATUS_SWITCH_OFF = 2,
    KLX_UPDATE_STATUS_ALREADY_NEWEST = 3,
    KLX_UPDATE_STATUS_ERROR = 4,
    KLX_UPDATE_STATUS_PROLOG_EXEC = 5,
    KLX_UPDATE_STATUS_COPYING_FILES = 6,
    KLX_UPDATE_STATUS_EPILOG_EXEC = 7,
    KLX_UPDATE_STATUS_MD5_ERROR = 8,
    KLX_UPDATE_STATUS_GO_OR_CANCEL_SEL = 9,
    KLX_UPDATE_STATUS_NO_UPDATE_XML = 10,
    KLX_UPDATE_STATUS_COPY_ZIPS = 11,
    KLX_UPDATE_STATUS_UNZIPPING = 12,
    KLX_UPDATE_STATUS_VOICES_INSTALLED = 13,
    KLX_UPDATE_NOTHING_TO_INSTALL = 14,
    KLX_UPDATE_VOICEDATA_CORRUPTED = 15,
    KLX_UPDATE_VOICESERVER_STOPPING = 16,
    KLX_UPDATE_VOICESERVER_STARTING = 17,
    KLX_UPDATE_VOICESERVER_STOPPED = 18,
    KLX_UPDATE_VOICESERVER_STARTED = 19,
    KLX_UPDATE_VOICESERVER_CANNOT_RUN = 20,
    KLX_UPDATE_STATUS_NO_FREE_SPACE = 21,
    KLX_UPDATE_STATUS_HTTP_UPDATECHCK = 22,
    KLX_UPDATE_STATUS_HTTP_DWNLOADING = 23,
    KLX_UPDATE_STATUS_NETWORK_ERROR = 24,
    KLX_UPDATE_STATUS_RECOVER_SCTC = 25,
    KLX_UPDATE_STATUS_UPD_MUST_MATCH = 26,
    KLX_UPDATE_STATUS_NONE = 27,
    KLX_MODEL_CRC_TC_LINUX_MATCHED = 28,
    KLX_MODEL_CRC_TC_LINUX_NOTMATCHED = 29,
  };
  Q_ENUM(E_UpdateStatus)

  // How far start-up came and how the transmitter booted, kept by the facade.
  enum E_BootStatus {
    KLX_BOOT_STATUS_NOTVALID = 0,
    KLX_BOOT_STATUS_NORMAL = 1,
    KLX_BOOT_STATUS_UPDATE = 2,
    KLX_BOOT_STATUS_FASTSTART = 3,
    KLX_BOOT_STATUS_POWERDOWN = 4,
  };
  Q_ENUM(E_BootStatus)

  enum E_StartupPhases {
    KLX_PHASE_NOTVALID = 0,
    KLX_PHASE_ERROR = 1,
    KLX_PHASE_SYNC = 2,
    KLX_PHASE_LOAD_MODEL = 3,
    KLX_PHASE_UPDATE = 4,
    KLX_PHASE_BIND_CONFIG = 5,
    KLX_PHASE_SYSTEM_UP = 6,
    KLX_PHASE_SYSTEM_UUPD = 7,
    KLX_PHASE_MODEL_PREFL = 8,
  };
  Q_ENUM(E_StartupPhases)

  enum E_ModelllodStatus {
    KLX_MODELLLOAD_STATUS_NOTVALID = 0,
    KLX_MODELLLOAD_STATUS_READY = 1,
  };
  Q_ENUM(E_ModelllodStatus)

  // Control ids as QML names them, from the one table of control ids.
  enum E_ControlGui {
#define KLX_VORNTASK_NAMED_CONTROL(name, id, display, channel) CONTROLID_##name##_GUI = id,
#define KLX_VORNTASK_CONTROL_RANGE(name, id) CONTROLID_##name##_GUI = id,
    KLX_NAMED_CONTROL_IDS(KLX_VORNTASK_NAMED_CONTROL) KLX_CONTROL_ID_RANGES(KLX_VORNTASK_CONTROL_RANGE)
#undef KLX_VORNTASK_NAMED_CONTROL
#undef KLX_VORNTASK_CONTROL_RANGE
  };
  Q_ENUM(E_ControlGui)
};
