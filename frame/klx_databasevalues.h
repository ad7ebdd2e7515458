#pragma once
// Named values that QML and the program share. QML reaches them as
// DatabaseValue.<name>; stored data and QML files compare against the numbers,
// so every value is fixed.
#include <QObject>

#include "frame/klx_controlids.h"

class KLX_DatabaseValues : public QObject {
  Q_OBJECT

public:
  explicit KLX_DatabaseValues(QObject* parent = nullptr) : QObject(parent) {}
  ~KLX_DatabaseValues() override = default;

  enum E_ModelType {
    MODEL_TYP_None = 0,
    MODEL_TYP_Plane = 1,
    MODEL_TYP_Helicopter = 2,
    MODEL_TYP_Multicopter = 3,
    MODEL_TYP_Boat = 4,
    MODEL_TYP_Car = 5,
    MODEL_TYP_Other = 6,
  };
  Q_ENUM(E_ModelType)

  enum E_TeleGuiSize {
    TELEGUISIZE_NotSet = 0,
    TELEGUISIZE_Small = 1,
    TELEGUISIZE_Medium = 2,
    TELEGUISIZE_Large = 3,
    TELEGUISIZE_Huge = 4,
  };
  Q_ENUM(E_TeleGuiSize)

  enum E_TeleGuiPresentation {
    TELEGUISIZE_Single = 1,
    TELEGUISIZE_Multiple = 0,
  };
  Q_ENUM(E_TeleGuiPresentation)

  enum E_ReturnCode {
    KLX_Done = 0,
    KLX_Ok = 1,
    KLX_True = 1,
    KLX_False = 0,
    KLX_Timeout = 2,
    KLX_RestartTimer = 3,
    KLX_Trigger = 4,
    KLX_ReTrigger = 5,
    KLX_Reminder = 6,
    KLX_Stay = 7,
    KLX_DoneHalf = 8,
    KLX_ChangedFlag = 128,
    KLX_Error = -70000,
    KLX_Unsuitable = -70001,
    Servo_Already_In_Use = -70003,
    Servo_Not_In_Use = -70004,
    Servo_Not_Assigned = -70005,
    Function_Not_Existing = -70006,
    Max_Servos_PerFunc_Reached = -70007,
    More_Than_One_Control_Moved = -70008,
    No_Movement_Detect = -70009,
    Indexes_Out_Of_Range = -70010,
    Max_Cure_Number_Reached = -70011,
    Max_Flightmode_Number_Reached = -70012,
    Unknown_Control = -70013,
    Max_Function_Number_Reached = -70014,
    Max_Limiter_Number_Reached = -70015,
    Max_Mixer_Number_Reached = -70016,
    Max_Sequencer_Number_Reached = -70017,
    Max_ServoConfig_Number_Reached = -70018,
    Sensor_Not_In_Use = -70019,
    Container_Not_In_Use = -70020,
    Max_Gui_Elements_Reached = -70021,
    Max_Gui_Sensors_Reached = -70022,
    Max_Switch_Number_Reached = -70023,
    Max_Flightmode_Ass_Number_Reached = -70024,
    Max_Flightmode_Cont_Number_Reached = -70025,
    Max_ServoMixer_Servoconfig_Reached = -70026,
    Max_Timer_Reached = -70027,
    Max_SpecialSwitch_Reached = -70028,
    Max_Trim_Number_Reached = -70029,
    Max_TutorPupil_Number_Reached = -70030,
    Max_TutorPupil_NumberUsed_Wrong = -70031,
    TutorPupilControlIsBusy = -70032,
    TutorPupilControlIsActivator = -70033,
    TutorPupilControlInChainIsBusy = -70034,
    ActiveModelCannotBeModified = -70035,
    CannotDeleteNonEmptyFolder = -70036,
    Max_TeleControl_Number_Reached = -70037,
    Vario_Is_Off = -70038,
    Cancelled_By_User = -70039,
    Max_HeadupItems_Reached = -70040,
    KLX_MustPollAgain = -70050,
    BT_ScanStartFailed = -70051,
    BT_ScanStopFailed = -70052,
    BT_RemoveDeviceFailed = -70053,
    BT_ConnectDeviceFailed = -70054,
    BT_MaxCountDevicesReached = -70055,
  };
  Q_ENUM(E_ReturnCode)

  enum E_Index {
    INDEX_Invalid = 65535,
  };
  Q_ENUM(E_Index)

  enum E_Sint16Value {
    SINT16_Invalid = 32767,
  };
  Q_ENUM(E_Sint16Value)

  enum E_TELE_VOICE_ALARMS_IDX {
    VOICE_STATUSALARM = -1,
    VOICE_ALARM = -2,
    VOICE_WARNING = -3,
  };
  Q_ENUM(E_TELE_VOICE_ALARMS_IDX)

  enum E_ATOMICDir {
    AtomicDirSet = 0,
    AtomicDirGet = 1,
    AtomicDirGotten = 2,
    AtomicDirGetForcibly = 3,
  };
  Q_ENUM(E_ATOMICDir)

  enum E_SMARTEvent {
    EventUnknown = 10,
    EventTimeout = 20,
    EventTouched = 30,
    EventLock = 50,
    EventSettings = 100,
    EventServo = 150,
    EventLeft = 200,
    EventHome = 250,
    EventRight = 300,
  };
  Q_ENUM(E_SMARTEvent)

  enum E_WidgetTyp {
    KLX_WIDGET_TYPE_NONE = 0,
    KLX_WIDGET_TYPE_TIMER = 1,
    KLX_WIDGET_TYPE_SERVO = 2,
    KLX_WIDGET_TYPE_QUICK = 3,
    KLX_WIDGET_TYPE_VALUE = 4,
    KLX_WIDGET_TYPE_MINFO = 5,
    KLX_WIDGET_TYPE_MIMG = 6,
  };
  Q_ENUM(E_WidgetTyp)

  enum E_WidgetServoId {
    KLX_WIDGET_SERVO_NONE = 26,
  };
  Q_ENUM(E_WidgetServoId)

  enum E_TelemetrieAlarmTyp {
    KLX_WIDGET_ALARM_TYP_NONE = 0,
    KLX_WIDGET_ALARM_TYP_SOUND = 1,
    KLX_WIDGET_ALARM_TYP_VIB = 2,
    KLX_WIDGET_ALARM_TYP_TEXT = 4,
    KLX_WIDGET_ALARM_TYP_VOICE = 8,
  };
  Q_ENUM(E_TelemetrieAlarmTyp)

  enum E_TelemetrieAlarmSignalTyp {
    KLX_WIDGET_ALARM_SIGNAL_TYP_NONE = 0,
    KLX_WIDGET_ALARM_SIGNAL_TYP_ONESHOT = 1,
    KLX_WIDGET_ALARM_SIGNAL_TYP_PERMANENT = 2,
  };
  Q_ENUM(E_TelemetrieAlarmSignalTyp)

  enum E_RangeTestParameter {
    KLX_RANGTEST_OFF = 0,
    KLX_RANGTEST_ON = 1,
  };
  Q_ENUM(E_RangeTestParameter)

  enum E_VibrationScheme {
    KLX_VIB_NONE = 0,
    KLX_VIB_MODELLOADER_END = 1,
    KLX_VIB_TIMER_END = 2,
    KLX_VIB_TRIMMER_ZERO = 3,
    KLX_VIB_TELE_YELLOW_ALERT = 4,
    KLX_VIB_TELE_RED_ALERT = 5,
    KLX_VIB_INACTIVE_TIME = 6,
  };
  Q_ENUM(E_VibrationScheme)

  enum E_AlarmTypesMaskGui {
    ALARM_None_Gui = 0,
    ALARM_Beep_Gui = 1,
    ALARM_Vibration_Gui = 2,
    ALARM_Voice_Gui = 4,
    ALARM_Text_Gui = 8,
    TmrALARM_IndexMask = 7,
    TmrALARM_BeepMask = 8,
    TmrALARM_VibrMask = 16,
    TmrALARM_VoiceFullValueMask = 96,
    TmrALARM_VoiceShortValueMask = 32,
    TmrALARM_VoiceNormValueMask = 64,
    TmrALARM_VoiceTxtMsgMask = 128,
    TmrALARM_AllFlagsMask = 248,
    TmrALARM_LongBeep = 4096,
  };
  Q_ENUM(E_AlarmTypesMaskGui)

  // What a notice of changed live values says changed, one bit each: the
  // screens read again only what shows it.
  enum E_LiveValue {
    LIVE_Servos = 1,        // servo outputs and the controls the engine reads
    LIVE_Trims = 2,         // trim values, or the flight mode whose trims show
    LIVE_Timers = 4,        // a timer's shown time
    LIVE_Sensors = 8,       // values of the sensors the notice lists
    LIVE_SensorTable = 16,  // the sensor table as a whole (any sensor)
    LIVE_Marks = 32,        // telemetry widgets' marks and alert states
  };
  Q_ENUM(E_LiveValue)

  enum E_FunctionFlags {
    FUNC_globalFlag = 1,
    FUNC_createdAuto = 2,
    FUNC_servoNotEditable = 4,
    FUNC_diffFMdependent = 8,
  };
  Q_ENUM(E_FunctionFlags)

  enum E_MixerFlags {
    MIXER_globalFlag = 1,
    MIXER_createdAuto = 2,
  };
  Q_ENUM(E_MixerFlags)

  enum E_MeasureSystem {
    MEASURE_SYSTEM_METRIC = 0,
    MEASURE_SYSTEM_IMPERIAL = 1,
  };
  Q_ENUM(E_MeasureSystem)

  enum E_VirtualSubSwitchID {
    VIRTUAL_SWITCH_ID_A = 0,
    VIRTUAL_SWITCH_ID_B = 1,
  };
  Q_ENUM(E_VirtualSubSwitchID)

  enum E_AudioVibrationHandlerCmd {
    AUDIOVIBR_CMD_None = 0,
    AUDIOVIBR_CMD_SetVolume = 1,
    AUDIOVIBR_CMD_Play = 2,
  };
  Q_ENUM(E_AudioVibrationHandlerCmd)

  enum E_VoiceAlarmType {
    VALARM_PlainText = 0,
    VALARM_TelemetryValueShort = 1,
    VALARM_TelemetryValueFull = 2,
    VALARM_Timer = 3,
    VALARM_Flightmode = 4,
    VALARM_TimerShort = 5,
    VALARM_TeleShortNoUnits = 6,
    VALARM_DoNothingOrInvalid = 7,
    VALARM_Individual = 8,
    VALARM_ModeSettings = 192,
    VALARM_ModeControlled = 128,
    VALARM_ModeAlwaysOn = 64,
    DefaultVoice_Invalid = 255,
  };
  Q_ENUM(E_VoiceAlarmType)

  enum E_VoiceAlarmIndivdualBits {
    VALARM_IndividualMainBit = 1,
    VALARM_IndividualSlaveBit = 2,
    VALARM_IndividualValueBit = 4,
    VALARM_IndividualUnitBit = 8,
  };
  Q_ENUM(E_VoiceAlarmIndivdualBits)

  enum E_REdivState {
    REDIV_AntennasSearching = 0,
    REDIV_AntennaDetected = 1,
    REDIV_AntennaNotDetected = 2,
  };
  Q_ENUM(E_REdivState)

  enum E_REdivMask {
    REDIV_Mask14ms = 64,
    REDIV_Mask21ms = 128,
  };
  Q_ENUM(E_REdivMask)

  enum E_LogicControlValues {
    CTRL_VALUE_Low = -2047,
    CTRL_VALUE_High = 2047,
    CTRL_VALUE_Invalid = -2048,
  };
  Q_ENUM(E_LogicControlValues)

  enum E_SrvMixrType {
    SRVMIXTYPE_UnUsed = 0,
    SRVMIXTYPE_Slave = 1,
    SRVMIXTYPE_FunctionTravel = 2,
    SRVMIXTYPE_FunctionCurve = 3,
    SRVMOXTYPE_Func2PointTravel = 4,
    SRVMIXTYPE_Telemetry = 5,
  };
  Q_ENUM(E_SrvMixrType)

  enum E_TutoPupilChValues {
    TUTORPUPIL_EmptyChannel = 255,
    TUTORPUPIL_ChResponseAwaiting = 254,
  };
  Q_ENUM(E_TutoPupilChValues)

  enum E_TeleLogControlValues {
    TELELOG_Run = 0,
    TELELOG_PauseTag = 1,
    TELELOG_DateChangeTag = 2,
    TELELOG_ModelChangeTag = 3,
    TELELOG_ModelNewTag = 4,
    TELELOG_ModelFileRenamedTag = 5,
    TELELOG_ModelFolderRenamedTag = 6,
    TELELOG_TeleManualRescanTag = 7,
    TELELOG_SavingXmlTag = 8,
    TELELOG_UpdateSystemTag = 9,
    TELELOG_UpdateReceiverTag = 10,
    TELELOG_TeleAutoRescanTag = 11,
    TELELOG_TeleLogEnableTag = 12,
    TELELOG_TeleLogDisableTag = 13,
    TELELOG_EndTag = 14,
    TELELOG_KeepingPause = 15,
    TELELOG_KeepDisabled = 16,
    TELELOG_TeleCapturedButNotSaved = 32,
    TELELOG_NeedToDump = 64,
    TELELOG_AllFlags = 112,
    TELELOG_NotInit = 255,
  };
  Q_ENUM(E_TeleLogControlValues)

  enum E_DecimalSeparatorPositions {
    DECIMSEPAR_Invalid = -1,
    DECIMSEPAR_null = 0,
    DECIMALSEPARATOR_silent = 254,
    DECIMALSEPARATOR_fullsilence = 255,
    DECIMSEPAR_max = 4,
  };
  Q_ENUM(E_DecimalSeparatorPositions)

  enum E_FuncServoType {
    FuncServoType_Normal = 0,
    FuncServoType_Left = 1,
    FuncServoType_Right = 2,
    FuncServoType_ActiveLeft = 3,
    FuncServoType_ActiveRight = 4,
  };
  Q_ENUM(E_FuncServoType)

  enum E_SensorsParamValues {
    Z2B_Sensor_VORN = 4,
    Z2B_VornValues_Num = 16,
  };
  Q_ENUM(E_SensorsParamValues)

  // The kinds of control ids (their high byte), from the table of control ids.
  enum E_ControlMasks {
#define KLX_DATABASEVALUES_CONTROL_KIND(name, first) ControlType_##name = first,
    KLX_CONTROL_KINDS(KLX_DATABASEVALUES_CONTROL_KIND)
#undef KLX_DATABASEVALUES_CONTROL_KIND
  };
  Q_ENUM(E_ControlMasks)

  // The kind of an id is id & ControlId_KindMask; a constant has
  // id & ControlId_ConstMask equal to ControlType_Const.
  enum E_ControlIdParts {
    ControlId_KindMask = KLX_CONTROL_KIND_MASK,
    ControlId_ConstMask = KLX_CONTROL_CONST_MASK,
  };
  Q_ENUM(E_ControlIdParts)

  // Why the current model's file, or the settings, could not be saved, as
  // the pilot is told.
  enum E_ModelSaveFailure {
    ModelSaveFailure_None = 0,
    ModelSaveFailure_CardFull = 1,
    ModelSaveFailure_CardTooSmall = 2,
    ModelSaveFailure_NotWritten = 3,
  };
  Q_ENUM(E_ModelSaveFailure)

  enum E_BoardsType {
    BOARD_Undefined = 0,
    BOARD_paramsVorn = 1,
    BOARD_paramsFenk = 2,
  };
  Q_ENUM(E_BoardsType)

  enum E_VoiceMesgLengths {
    STATUS_MSG_LENGTH = 16,
    MSG_LEN_BASE = 128,
    MSG_LENGTH_UTF = 512,
  };
  Q_ENUM(E_VoiceMesgLengths)

  enum E_VS_LogicalOperator {
    VS_LO_And = 0,
    VS_LO_Or = 1,
    VS_LO_Xor = 2,
    VS_LO_SR_Trg = 3,
    VS_LO_RS_Trg = 4,
    VS_LO_def = 1,
    VS_LO_min = 0,
    VS_LO_max = 4,
  };
  Q_ENUM(E_VS_LogicalOperator)

  enum E_SOURCE_OPTION_NUM {
    SOURCE_OPNUM_FORWARD = 17,
    SOURCE_OPNUM_BACKWARD = 18,
    SOURCE_OPNUM_RESTART = 19,
  };
  Q_ENUM(E_SOURCE_OPTION_NUM)

  enum E_TTSL_CTRLTRIGGERVALUES {
    CTRL_TRIGGERVALUE = 2047,
    CTRL_UNTRIGGERVALUE = -2047,
  };
  Q_ENUM(E_TTSL_CTRLTRIGGERVALUES)

  enum E_WlanState {
    Wlan_Disabled = 0,
    Wlan_Enabled = 1,
    Wlan_Connected = 2,
  };
  Q_ENUM(E_WlanState)

  enum E_HeadupType {
    HeadupType_Telemetry = 0,
    HeadupType_Timer = 1,
    HeadupType_Servo = 2,
    HeadupType_Placeholder = 3,
    HeadupType_Empty = 255,
  };
  Q_ENUM(E_HeadupType)

};

// The one process-wide object, made before main() runs.
extern KLX_DatabaseValues KLX_DBValuesObject;

// The program uses the same values without the class prefix.
using E_ModelType = KLX_DatabaseValues::E_ModelType;
using E_TeleGuiSize = KLX_DatabaseValues::E_TeleGuiSize;
using E_TeleGuiPresentation = KLX_DatabaseValues::E_TeleGuiPresentation;
using E_ReturnCode = KLX_DatabaseValues::E_ReturnCode;
using E_Index = KLX_DatabaseValues::E_Index;
using E_Sint16Value = KLX_DatabaseValues::E_Sint16Value;
using E_TELE_VOICE_ALARMS_IDX = KLX_DatabaseValues::E_TELE_VOICE_ALARMS_IDX;
using E_ATOMICDir = KLX_DatabaseValues::E_ATOMICDir;
using E_SMARTEvent = KLX_DatabaseValues::E_SMARTEvent;
using E_WidgetTyp = KLX_DatabaseValues::E_WidgetTyp;
using E_WidgetServoId = KLX_DatabaseValues::E_WidgetServoId;
using E_TelemetrieAlarmTyp = KLX_DatabaseValues::E_TelemetrieAlarmTyp;
using E_TelemetrieAlarmSignalTyp = KLX_DatabaseValues::E_TelemetrieAlarmSignalTyp;
using E_RangeTestParameter = KLX_DatabaseValues::E_RangeTestParameter;
using E_VibrationScheme = KLX_DatabaseValues::E_VibrationScheme;
using E_AlarmTypesMaskGui = KLX_DatabaseValues::E_AlarmTypesMaskGui;
using E_FunctionFlags = KLX_DatabaseValues::E_FunctionFlags;
using E_MixerFlags = KLX_DatabaseValues::E_MixerFlags;
using E_MeasureSystem = KLX_DatabaseValues::E_MeasureSystem;
using E_VirtualSubSwitchID = KLX_DatabaseValues::E_VirtualSubSwitchID;
using E_AudioVibrationHandlerCmd = KLX_DatabaseValues::E_AudioVibrationHandlerCmd;
using E_VoiceAlarmType = KLX_DatabaseValues::E_VoiceAlarmType;
using E_VoiceAlarmIndivdualBits = KLX_DatabaseValues::E_VoiceAlarmIndivdualBits;
using E_REdivState = KLX_DatabaseValues::E_REdivState;
using E_REdivMask = KLX_DatabaseValues::E_REdivMask;
using E_LogicControlValues = KLX_DatabaseValues::E_LogicControlValues;
using E_SrvMixrType = KLX_DatabaseValues::E_SrvMixrType;
using E_TutoPupilChValues = KLX_DatabaseValues::E_TutoPupilChValues;
using E_TeleLogControlValues = KLX_DatabaseValues::E_TeleLogControlValues;
using E_DecimalSeparatorPositions = KLX_DatabaseValues::E_DecimalSeparatorPositions;
using E_FuncServoType = KLX_DatabaseValues::E_FuncServoType;
using E_SensorsParamValues = KLX_DatabaseValues::E_SensorsParamValues;
using E_ControlMasks = KLX_DatabaseValues::E_ControlMasks;
using E_BoardsType = KLX_DatabaseValues::E_BoardsType;
using E_VoiceMesgLengths = KLX_DatabaseValues::E_VoiceMesgLengths;
using E_VS_LogicalOperator = KLX_DatabaseValues::E_VS_LogicalOperator;
using E_SOURCE_OPTION_NUM = KLX_DatabaseValues::E_SOURCE_OPTION_NUM;
using E_TTSL_CTRLTRIGGERVALUES = KLX_DatabaseValues::E_TTSL_CTRLTRIGGERVALUES;
using E_WlanState = KLX_DatabaseValues::E_WlanState;
using E_HeadupType = KLX_DatabaseValues::E_HeadupType;

// ... and every enumerator as a plain constant.
constexpr KLX_DatabaseValues::E_ModelType MODEL_TYP_None = KLX_DatabaseValues::MODEL_TYP_None;
constexpr KLX_DatabaseValues::E_ModelType MODEL_TYP_Plane = KLX_DatabaseValues::MODEL_TYP_Plane;
constexpr KLX_DatabaseValues::E_ModelType MODEL_TYP_Helicopter = KLX_DatabaseValues::MODEL_TYP_Helicopter;
constexpr KLX_DatabaseValues::E_ModelType MODEL_TYP_Multicopter = KLX_DatabaseValues::MODEL_TYP_Multicopter;
constexpr KLX_DatabaseValues::E_ModelType MODEL_TYP_Boat = KLX_DatabaseValues::MODEL_TYP_Boat;
constexpr KLX_DatabaseValues::E_ModelType MODEL_TYP_Car = KLX_DatabaseValues::MODEL_TYP_Car;
constexpr KLX_DatabaseValues::E_ModelType MODEL_TYP_Other = KLX_DatabaseValues::MODEL_TYP_Other;
constexpr KLX_DatabaseValues::E_TeleGuiSize TELEGUISIZE_NotSet = KLX_DatabaseValues::TELEGUISIZE_NotSet;
constexpr KLX_DatabaseValues::E_TeleGuiSize TELEGUISIZE_Small = KLX_DatabaseValues::TELEGUISIZE_Small;
constexpr KLX_DatabaseValues::E_TeleGuiSize TELEGUISIZE_Medium = KLX_DatabaseValues::TELEGUISIZE_Medium;
constexpr KLX_DatabaseValues::E_TeleGuiSize TELEGUISIZE_Large = KLX_DatabaseValues::TELEGUISIZE_Large;
constexpr KLX_DatabaseValues::E_TeleGuiSize TELEGUISIZE_Huge = KLX_DatabaseValues::TELEGUISIZE_Huge;
constexpr KLX_DatabaseValues::E_TeleGuiPresentation TELEGUISIZE_Single = KLX_DatabaseValues::TELEGUISIZE_Single;
constexpr KLX_DatabaseValues::E_TeleGuiPresentation TELEGUISIZE_Multiple = KLX_DatabaseValues::TELEGUISIZE_Multiple;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_Done = KLX_DatabaseValues::KLX_Done;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_Ok = KLX_DatabaseValues::KLX_Ok;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_True = KLX_DatabaseValues::KLX_True;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_False = KLX_DatabaseValues::KLX_False;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_Timeout = KLX_DatabaseValues::KLX_Timeout;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_RestartTimer = KLX_DatabaseValues::KLX_RestartTimer;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_Trigger = KLX_DatabaseValues::KLX_Trigger;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_ReTrigger = KLX_DatabaseValues::KLX_ReTrigger;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_Reminder = KLX_DatabaseValues::KLX_Reminder;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_Stay = KLX_DatabaseValues::KLX_Stay;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_DoneHalf = KLX_DatabaseValues::KLX_DoneHalf;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_ChangedFlag = KLX_DatabaseValues::KLX_ChangedFlag;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_Error = KLX_DatabaseValues::KLX_Error;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_Unsuitable = KLX_DatabaseValues::KLX_Unsuitable;
constexpr KLX_DatabaseValues::E_ReturnCode Servo_Already_In_Use = KLX_DatabaseValues::Servo_Already_In_Use;
constexpr KLX_DatabaseValues::E_ReturnCode Servo_Not_In_Use = KLX_DatabaseValues::Servo_Not_In_Use;
constexpr KLX_DatabaseValues::E_ReturnCode Servo_Not_Assigned = KLX_DatabaseValues::Servo_Not_Assigned;
constexpr KLX_DatabaseValues::E_ReturnCode Function_Not_Existing = KLX_DatabaseValues::Function_Not_Existing;
constexpr KLX_DatabaseValues::E_ReturnCode Max_Servos_PerFunc_Reached = KLX_DatabaseValues::Max_Servos_PerFunc_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode More_Than_One_Control_Moved = KLX_DatabaseValues::More_Than_One_Control_Moved;
constexpr KLX_DatabaseValues::E_ReturnCode No_Movement_Detect = KLX_DatabaseValues::No_Movement_Detect;
constexpr KLX_DatabaseValues::E_ReturnCode Indexes_Out_Of_Range = KLX_DatabaseValues::Indexes_Out_Of_Range;
constexpr KLX_DatabaseValues::E_ReturnCode Max_Cure_Number_Reached = KLX_DatabaseValues::Max_Cure_Number_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_Flightmode_Number_Reached = KLX_DatabaseValues::Max_Flightmode_Number_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Unknown_Control = KLX_DatabaseValues::Unknown_Control;
constexpr KLX_DatabaseValues::E_ReturnCode Max_Function_Number_Reached = KLX_DatabaseValues::Max_Function_Number_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_Limiter_Number_Reached = KLX_DatabaseValues::Max_Limiter_Number_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_Mixer_Number_Reached = KLX_DatabaseValues::Max_Mixer_Number_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_Sequencer_Number_Reached = KLX_DatabaseValues::Max_Sequencer_Number_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_ServoConfig_Number_Reached = KLX_DatabaseValues::Max_ServoConfig_Number_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Sensor_Not_In_Use = KLX_DatabaseValues::Sensor_Not_In_Use;
constexpr KLX_DatabaseValues::E_ReturnCode Container_Not_In_Use = KLX_DatabaseValues::Container_Not_In_Use;
constexpr KLX_DatabaseValues::E_ReturnCode Max_Gui_Elements_Reached = KLX_DatabaseValues::Max_Gui_Elements_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_Gui_Sensors_Reached = KLX_DatabaseValues::Max_Gui_Sensors_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_Switch_Number_Reached = KLX_DatabaseValues::Max_Switch_Number_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_Flightmode_Ass_Number_Reached = KLX_DatabaseValues::Max_Flightmode_Ass_Number_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_Flightmode_Cont_Number_Reached = KLX_DatabaseValues::Max_Flightmode_Cont_Number_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_ServoMixer_Servoconfig_Reached = KLX_DatabaseValues::Max_ServoMixer_Servoconfig_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_Timer_Reached = KLX_DatabaseValues::Max_Timer_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_SpecialSwitch_Reached = KLX_DatabaseValues::Max_SpecialSwitch_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_Trim_Number_Reached = KLX_DatabaseValues::Max_Trim_Number_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_TutorPupil_Number_Reached = KLX_DatabaseValues::Max_TutorPupil_Number_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Max_TutorPupil_NumberUsed_Wrong = KLX_DatabaseValues::Max_TutorPupil_NumberUsed_Wrong;
constexpr KLX_DatabaseValues::E_ReturnCode TutorPupilControlIsBusy = KLX_DatabaseValues::TutorPupilControlIsBusy;
constexpr KLX_DatabaseValues::E_ReturnCode TutorPupilControlIsActivator = KLX_DatabaseValues::TutorPupilControlIsActivator;
constexpr KLX_DatabaseValues::E_ReturnCode TutorPupilControlInChainIsBusy = KLX_DatabaseValues::TutorPupilControlInChainIsBusy;
constexpr KLX_DatabaseValues::E_ReturnCode ActiveModelCannotBeModified = KLX_DatabaseValues::ActiveModelCannotBeModified;
constexpr KLX_DatabaseValues::E_ReturnCode CannotDeleteNonEmptyFolder = KLX_DatabaseValues::CannotDeleteNonEmptyFolder;
constexpr KLX_DatabaseValues::E_ReturnCode Max_TeleControl_Number_Reached = KLX_DatabaseValues::Max_TeleControl_Number_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode Vario_Is_Off = KLX_DatabaseValues::Vario_Is_Off;
constexpr KLX_DatabaseValues::E_ReturnCode Cancelled_By_User = KLX_DatabaseValues::Cancelled_By_User;
constexpr KLX_DatabaseValues::E_ReturnCode Max_HeadupItems_Reached = KLX_DatabaseValues::Max_HeadupItems_Reached;
constexpr KLX_DatabaseValues::E_ReturnCode KLX_MustPollAgain = KLX_DatabaseValues::KLX_MustPollAgain;
constexpr KLX_DatabaseValues::E_ReturnCode BT_ScanStartFailed = KLX_DatabaseValues::BT_ScanStartFailed;
constexpr KLX_DatabaseValues::E_ReturnCode BT_ScanStopFailed = KLX_DatabaseValues::BT_ScanStopFailed;
constexpr KLX_DatabaseValues::E_ReturnCode BT_RemoveDeviceFailed = KLX_DatabaseValues::BT_RemoveDeviceFailed;
constexpr KLX_DatabaseValues::E_ReturnCode BT_ConnectDeviceFailed = KLX_DatabaseValues::BT_ConnectDeviceFailed;
constexpr KLX_DatabaseValues::E_ReturnCode BT_MaxCountDevicesReached = KLX_DatabaseValues::BT_MaxCountDevicesReached;
constexpr KLX_DatabaseValues::E_Index INDEX_Invalid = KLX_DatabaseValues::INDEX_Invalid;
constexpr KLX_DatabaseValues::E_Sint16Value SINT16_Invalid = KLX_DatabaseValues::SINT16_Invalid;
constexpr KLX_DatabaseValues::E_TELE_VOICE_ALARMS_IDX VOICE_STATUSALARM = KLX_DatabaseValues::VOICE_STATUSALARM;
constexpr KLX_DatabaseValues::E_TELE_VOICE_ALARMS_IDX VOICE_ALARM = KLX_DatabaseValues::VOICE_ALARM;
constexpr KLX_DatabaseValues::E_TELE_VOICE_ALARMS_IDX VOICE_WARNING = KLX_DatabaseValues::VOICE_WARNING;
constexpr KLX_DatabaseValues::E_ATOMICDir AtomicDirSet = KLX_DatabaseValues::AtomicDirSet;
constexpr KLX_DatabaseValues::E_ATOMICDir AtomicDirGet = KLX_DatabaseValues::AtomicDirGet;
constexpr KLX_DatabaseValues::E_ATOMICDir AtomicDirGotten = KLX_DatabaseValues::AtomicDirGotten;
constexpr KLX_DatabaseValues::E_ATOMICDir AtomicDirGetForcibly = KLX_DatabaseValues::AtomicDirGetForcibly;
constexpr KLX_DatabaseValues::E_SMARTEvent EventUnknown = KLX_DatabaseValues::EventUnknown;
constexpr KLX_DatabaseValues::E_SMARTEvent EventTimeout = KLX_DatabaseValues::EventTimeout;
constexpr KLX_DatabaseValues::E_SMARTEvent EventTouched = KLX_DatabaseValues::EventTouched;
constexpr KLX_DatabaseValues::E_SMARTEvent EventLock = KLX_DatabaseValues::EventLock;
constexpr KLX_DatabaseValues::E_SMARTEvent EventSettings = KLX_DatabaseValues::EventSettings;
constexpr KLX_DatabaseValues::E_SMARTEvent EventServo = KLX_DatabaseValues::EventServo;
constexpr KLX_DatabaseValues::E_SMARTEvent EventLeft = KLX_DatabaseValues::EventLeft;
constexpr KLX_DatabaseValues::E_SMARTEvent EventHome = KLX_DatabaseValues::EventHome;
constexpr KLX_DatabaseValues::E_SMARTEvent EventRight = KLX_DatabaseValues::EventRight;
constexpr KLX_DatabaseValues::E_WidgetTyp KLX_WIDGET_TYPE_NONE = KLX_DatabaseValues::KLX_WIDGET_TYPE_NONE;
constexpr KLX_DatabaseValues::E_WidgetTyp KLX_WIDGET_TYPE_TIMER = KLX_DatabaseValues::KLX_WIDGET_TYPE_TIMER;
constexpr KLX_DatabaseValues::E_WidgetTyp KLX_WIDGET_TYPE_SERVO = KLX_DatabaseValues::KLX_WIDGET_TYPE_SERVO;
constexpr KLX_DatabaseValues::E_WidgetTyp KLX_WIDGET_TYPE_QUICK = KLX_DatabaseValues::KLX_WIDGET_TYPE_QUICK;
constexpr KLX_DatabaseValues::E_WidgetTyp KLX_WIDGET_TYPE_VALUE = KLX_DatabaseValues::KLX_WIDGET_TYPE_VALUE;
constexpr KLX_DatabaseValues::E_WidgetTyp KLX_WIDGET_TYPE_MINFO = KLX_DatabaseValues::KLX_WIDGET_TYPE_MINFO;
constexpr KLX_DatabaseValues::E_WidgetTyp KLX_WIDGET_TYPE_MIMG = KLX_DatabaseValues::KLX_WIDGET_TYPE_MIMG;
constexpr KLX_DatabaseValues::E_WidgetServoId KLX_WIDGET_SERVO_NONE = KLX_DatabaseValues::KLX_WIDGET_SERVO_NONE;
constexpr KLX_DatabaseValues::E_TelemetrieAlarmTyp KLX_WIDGET_ALARM_TYP_NONE = KLX_DatabaseValues::KLX_WIDGET_ALARM_TYP_NONE;
constexpr KLX_DatabaseValues::E_TelemetrieAlarmTyp KLX_WIDGET_ALARM_TYP_SOUND = KLX_DatabaseValues::KLX_WIDGET_ALARM_TYP_SOUND;
constexpr KLX_DatabaseValues::E_TelemetrieAlarmTyp KLX_WIDGET_ALARM_TYP_VIB = KLX_DatabaseValues::KLX_WIDGET_ALARM_TYP_VIB;
constexpr KLX_DatabaseValues::E_TelemetrieAlarmTyp KLX_WIDGET_ALARM_TYP_TEXT = KLX_DatabaseValues::KLX_WIDGET_ALARM_TYP_TEXT;
constexpr KLX_DatabaseValues::E_TelemetrieAlarmTyp KLX_WIDGET_ALARM_TYP_VOICE = KLX_DatabaseValues::KLX_WIDGET_ALARM_TYP_VOICE;
constexpr KLX_DatabaseValues::E_TelemetrieAlarmSignalTyp KLX_WIDGET_ALARM_SIGNAL_TYP_NONE = KLX_DatabaseValues::KLX_WIDGET_ALARM_SIGNAL_TYP_NONE;
constexpr KLX_DatabaseValues::E_TelemetrieAlarmSignalTyp KLX_WIDGET_ALARM_SIGNAL_TYP_ONESHOT = KLX_DatabaseValues::KLX_WIDGET_ALARM_SIGNAL_TYP_ONESHOT;
constexpr KLX_DatabaseValues::E_TelemetrieAlarmSignalTyp KLX_WIDGET_ALARM_SIGNAL_TYP_PERMANENT = KLX_DatabaseValues::KLX_WIDGET_ALARM_SIGNAL_TYP_PERMANENT;
constexpr KLX_DatabaseValues::E_RangeTestParameter KLX_RANGTEST_OFF = KLX_DatabaseValues::KLX_RANGTEST_OFF;
constexpr KLX_DatabaseValues::E_RangeTestParameter KLX_RANGTEST_ON = KLX_DatabaseValues::KLX_RANGTEST_ON;
constexpr KLX_DatabaseValues::E_VibrationScheme KLX_VIB_NONE = KLX_DatabaseValues::KLX_VIB_NONE;
constexpr KLX_DatabaseValues::E_VibrationScheme KLX_VIB_MODELLOADER_END = KLX_DatabaseValues::KLX_VIB_MODELLOADER_END;
constexpr KLX_DatabaseValues::E_VibrationScheme KLX_VIB_TIMER_END = KLX_DatabaseValues::KLX_VIB_TIMER_END;
constexpr KLX_DatabaseValues::E_VibrationScheme KLX_VIB_TRIMMER_ZERO = KLX_DatabaseValues::KLX_VIB_TRIMMER_ZERO;
constexpr KLX_DatabaseValues::E_VibrationScheme KLX_VIB_TELE_YELLOW_ALERT = KLX_DatabaseValues::KLX_VIB_TELE_YELLOW_ALERT;
constexpr KLX_DatabaseValues::E_VibrationScheme KLX_VIB_TELE_RED_ALERT = KLX_DatabaseValues::KLX_VIB_TELE_RED_ALERT;
constexpr KLX_DatabaseValues::E_VibrationScheme KLX_VIB_INACTIVE_TIME = KLX_DatabaseValues::KLX_VIB_INACTIVE_TIME;
constexpr KLX_DatabaseValues::E_AlarmTypesMaskGui ALARM_None_Gui = KLX_DatabaseValues::ALARM_None_Gui;
constexpr KLX_DatabaseValues::E_AlarmTypesMaskGui ALARM_Beep_Gui = KLX_DatabaseValues::ALARM_Beep_Gui;
constexpr KLX_DatabaseValues::E_AlarmTypesMaskGui ALARM_Vibration_Gui = KLX_DatabaseValues::ALARM_Vibration_Gui;
constexpr KLX_DatabaseValues::E_AlarmTypesMaskGui ALARM_Voice_Gui = KLX_DatabaseValues::ALARM_Voice_Gui;
constexpr KLX_DatabaseValues::E_AlarmTypesMaskGui ALARM_Text_Gui = KLX_DatabaseValues::ALARM_Text_Gui;
constexpr KLX_DatabaseValues::E_AlarmTypesMaskGui TmrALARM_IndexMask = KLX_DatabaseValues::TmrALARM_IndexMask;
constexpr KLX_DatabaseValues::E_AlarmTypesMaskGui TmrALARM_BeepMask = KLX_DatabaseValues::TmrALARM_BeepMask;
constexpr KLX_DatabaseValues::E_AlarmTypesMaskGui TmrALARM_VibrMask = KLX_DatabaseValues::TmrALARM_VibrMask;
constexpr KLX_DatabaseValues::E_AlarmTypesMaskGui TmrALARM_VoiceFullValueMask = KLX_DatabaseValues::TmrALARM_VoiceFullValueMask;
constexpr KLX_DatabaseValues::E_AlarmTypesMaskGui TmrALARM_VoiceShortValueMask = KLX_DatabaseValues::TmrALARM_VoiceShortValueMask;
constexpr KLX_DatabaseValues::E_AlarmTypesMaskGui TmrALARM_VoiceNormValueMask = KLX_DatabaseValues::TmrALARM_VoiceNormValueMask;
constexpr KLX_DatabaseValues::E_AlarmTypesMaskGui TmrALARM_VoiceTxtMsgMask = KLX_DatabaseValues::TmrALARM_VoiceTxtMsgMask;
constexpr KLX_DatabaseValues::E_AlarmTypesMaskGui TmrALARM_AllFlagsMask = KLX_DatabaseValues::TmrALARM_AllFlagsMask;
constexpr KLX_DatabaseValues::E_AlarmTypesMaskGui TmrALARM_LongBeep = KLX_DatabaseValues::TmrALARM_LongBeep;
constexpr KLX_DatabaseValues::E_FunctionFlags FUNC_globalFlag = KLX_DatabaseValues::FUNC_globalFlag;
constexpr KLX_DatabaseValues::E_FunctionFlags FUNC_createdAuto = KLX_DatabaseValues::FUNC_createdAuto;
constexpr KLX_DatabaseValues::E_FunctionFlags FUNC_servoNotEditable = KLX_DatabaseValues::FUNC_servoNotEditable;
constexpr KLX_DatabaseValues::E_FunctionFlags FUNC_diffFMdependent = KLX_DatabaseValues::FUNC_diffFMdependent;
constexpr KLX_DatabaseValues::E_MixerFlags MIXER_globalFlag = KLX_DatabaseValues::MIXER_globalFlag;
constexpr KLX_DatabaseValues::E_MixerFlags MIXER_createdAuto = KLX_DatabaseValues::MIXER_createdAuto;
constexpr KLX_DatabaseValues::E_MeasureSystem MEASURE_SYSTEM_METRIC = KLX_DatabaseValues::MEASURE_SYSTEM_METRIC;
constexpr KLX_DatabaseValues::E_MeasureSystem MEASURE_SYSTEM_IMPERIAL = KLX_DatabaseValues::MEASURE_SYSTEM_IMPERIAL;
constexpr KLX_DatabaseValues::E_VirtualSubSwitchID VIRTUAL_SWITCH_ID_A = KLX_DatabaseValues::VIRTUAL_SWITCH_ID_A;
constexpr KLX_DatabaseValues::E_VirtualSubSwitchID VIRTUAL_SWITCH_ID_B = KLX_DatabaseValues::VIRTUAL_SWITCH_ID_B;
constexpr KLX_DatabaseValues::E_AudioVibrationHandlerCmd AUDIOVIBR_CMD_None = KLX_DatabaseValues::AUDIOVIBR_CMD_None;
constexpr KLX_DatabaseValues::E_AudioVibrationHandlerCmd AUDIOVIBR_CMD_SetVolume = KLX_DatabaseValues::AUDIOVIBR_CMD_SetVolume;
constexpr KLX_DatabaseValues::E_AudioVibrationHandlerCmd AUDIOVIBR_CMD_Play = KLX_DatabaseValues::AUDIOVIBR_CMD_Play;
constexpr KLX_DatabaseValues::E_VoiceAlarmType VALARM_PlainText = KLX_DatabaseValues::VALARM_PlainText;
constexpr KLX_DatabaseValues::E_VoiceAlarmType VALARM_TelemetryValueShort = KLX_DatabaseValues::VALARM_TelemetryValueShort;
constexpr KLX_DatabaseValues::E_VoiceAlarmType VALARM_TelemetryValueFull = KLX_DatabaseValues::VALARM_TelemetryValueFull;
constexpr KLX_DatabaseValues::E_VoiceAlarmType VALARM_Timer = KLX_DatabaseValues::VALARM_Timer;
constexpr KLX_DatabaseValues::E_VoiceAlarmType VALARM_Flightmode = KLX_DatabaseValues::VALARM_Flightmode;
constexpr KLX_DatabaseValues::E_VoiceAlarmType VALARM_TimerShort = KLX_DatabaseValues::VALARM_TimerShort;
constexpr KLX_DatabaseValues::E_VoiceAlarmType VALARM_TeleShortNoUnits = KLX_DatabaseValues::VALARM_TeleShortNoUnits;
constexpr KLX_DatabaseValues::E_VoiceAlarmType VALARM_DoNothingOrInvalid = KLX_DatabaseValues::VALARM_DoNothingOrInvalid;
constexpr KLX_DatabaseValues::E_VoiceAlarmType VALARM_Individual = KLX_DatabaseValues::VALARM_Individual;
constexpr KLX_DatabaseValues::E_VoiceAlarmType VALARM_ModeSettings = KLX_DatabaseValues::VALARM_ModeSettings;
constexpr KLX_DatabaseValues::E_VoiceAlarmType VALARM_ModeControlled = KLX_DatabaseValues::VALARM_ModeControlled;
constexpr KLX_DatabaseValues::E_VoiceAlarmType VALARM_ModeAlwaysOn = KLX_DatabaseValues::VALARM_ModeAlwaysOn;
constexpr KLX_DatabaseValues::E_VoiceAlarmType DefaultVoice_Invalid = KLX_DatabaseValues::DefaultVoice_Invalid;
constexpr KLX_DatabaseValues::E_VoiceAlarmIndivdualBits VALARM_IndividualMainBit = KLX_DatabaseValues::VALARM_IndividualMainBit;
constexpr KLX_DatabaseValues::E_VoiceAlarmIndivdualBits VALARM_IndividualSlaveBit = KLX_DatabaseValues::VALARM_IndividualSlaveBit;
constexpr KLX_DatabaseValues::E_VoiceAlarmIndivdualBits VALARM_IndividualValueBit = KLX_DatabaseValues::VALARM_IndividualValueBit;
constexpr KLX_DatabaseValues::E_VoiceAlarmIndivdualBits VALARM_IndividualUnitBit = KLX_DatabaseValues::VALARM_IndividualUnitBit;
constexpr KLX_DatabaseValues::E_REdivState REDIV_AntennasSearching = KLX_DatabaseValues::REDIV_AntennasSearching;
constexpr KLX_DatabaseValues::E_REdivState REDIV_AntennaDetected = KLX_DatabaseValues::REDIV_AntennaDetected;
constexpr KLX_DatabaseValues::E_REdivState REDIV_AntennaNotDetected = KLX_DatabaseValues::REDIV_AntennaNotDetected;
constexpr KLX_DatabaseValues::E_REdivMask REDIV_Mask14ms = KLX_DatabaseValues::REDIV_Mask14ms;
constexpr KLX_DatabaseValues::E_REdivMask REDIV_Mask21ms = KLX_DatabaseValues::REDIV_Mask21ms;
constexpr KLX_DatabaseValues::E_LogicControlValues CTRL_VALUE_Low = KLX_DatabaseValues::CTRL_VALUE_Low;
constexpr KLX_DatabaseValues::E_LogicControlValues CTRL_VALUE_High = KLX_DatabaseValues::CTRL_VALUE_High;
constexpr KLX_DatabaseValues::E_LogicControlValues CTRL_VALUE_Invalid = KLX_DatabaseValues::CTRL_VALUE_Invalid;
constexpr KLX_DatabaseValues::E_SrvMixrType SRVMIXTYPE_UnUsed = KLX_DatabaseValues::SRVMIXTYPE_UnUsed;
constexpr KLX_DatabaseValues::E_SrvMixrType SRVMIXTYPE_Slave = KLX_DatabaseValues::SRVMIXTYPE_Slave;
constexpr KLX_DatabaseValues::E_SrvMixrType SRVMIXTYPE_FunctionTravel = KLX_DatabaseValues::SRVMIXTYPE_FunctionTravel;
constexpr KLX_DatabaseValues::E_SrvMixrType SRVMIXTYPE_FunctionCurve = KLX_DatabaseValues::SRVMIXTYPE_FunctionCurve;
constexpr KLX_DatabaseValues::E_SrvMixrType SRVMOXTYPE_Func2PointTravel = KLX_DatabaseValues::SRVMOXTYPE_Func2PointTravel;
constexpr KLX_DatabaseValues::E_SrvMixrType SRVMIXTYPE_Telemetry = KLX_DatabaseValues::SRVMIXTYPE_Telemetry;
constexpr KLX_DatabaseValues::E_TutoPupilChValues TUTORPUPIL_EmptyChannel = KLX_DatabaseValues::TUTORPUPIL_EmptyChannel;
constexpr KLX_DatabaseValues::E_TutoPupilChValues TUTORPUPIL_ChResponseAwaiting = KLX_DatabaseValues::TUTORPUPIL_ChResponseAwaiting;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_Run = KLX_DatabaseValues::TELELOG_Run;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_PauseTag = KLX_DatabaseValues::TELELOG_PauseTag;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_DateChangeTag = KLX_DatabaseValues::TELELOG_DateChangeTag;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_ModelChangeTag = KLX_DatabaseValues::TELELOG_ModelChangeTag;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_ModelNewTag = KLX_DatabaseValues::TELELOG_ModelNewTag;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_ModelFileRenamedTag = KLX_DatabaseValues::TELELOG_ModelFileRenamedTag;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_ModelFolderRenamedTag = KLX_DatabaseValues::TELELOG_ModelFolderRenamedTag;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_TeleManualRescanTag = KLX_DatabaseValues::TELELOG_TeleManualRescanTag;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_SavingXmlTag = KLX_DatabaseValues::TELELOG_SavingXmlTag;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_UpdateSystemTag = KLX_DatabaseValues::TELELOG_UpdateSystemTag;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_UpdateReceiverTag = KLX_DatabaseValues::TELELOG_UpdateReceiverTag;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_TeleAutoRescanTag = KLX_DatabaseValues::TELELOG_TeleAutoRescanTag;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_TeleLogEnableTag = KLX_DatabaseValues::TELELOG_TeleLogEnableTag;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_TeleLogDisableTag = KLX_DatabaseValues::TELELOG_TeleLogDisableTag;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_EndTag = KLX_DatabaseValues::TELELOG_EndTag;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_KeepingPause = KLX_DatabaseValues::TELELOG_KeepingPause;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_KeepDisabled = KLX_DatabaseValues::TELELOG_KeepDisabled;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_TeleCapturedButNotSaved = KLX_DatabaseValues::TELELOG_TeleCapturedButNotSaved;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_NeedToDump = KLX_DatabaseValues::TELELOG_NeedToDump;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_AllFlags = KLX_DatabaseValues::TELELOG_AllFlags;
constexpr KLX_DatabaseValues::E_TeleLogControlValues TELELOG_NotInit = KLX_DatabaseValues::TELELOG_NotInit;
constexpr KLX_DatabaseValues::E_DecimalSeparatorPositions DECIMSEPAR_Invalid = KLX_DatabaseValues::DECIMSEPAR_Invalid;
constexpr KLX_DatabaseValues::E_DecimalSeparatorPositions DECIMSEPAR_null = KLX_DatabaseValues::DECIMSEPAR_null;
constexpr KLX_DatabaseValues::E_DecimalSeparatorPositions DECIMALSEPARATOR_silent = KLX_DatabaseValues::DECIMALSEPARATOR_silent;
constexpr KLX_DatabaseValues::E_DecimalSeparatorPositions DECIMALSEPARATOR_fullsilence = KLX_DatabaseValues::DECIMALSEPARATOR_fullsilence;
constexpr KLX_DatabaseValues::E_DecimalSeparatorPositions DECIMSEPAR_max = KLX_DatabaseValues::DECIMSEPAR_max;
constexpr KLX_DatabaseValues::E_FuncServoType FuncServoType_Normal = KLX_DatabaseValues::FuncServoType_Normal;
constexpr KLX_DatabaseValues::E_FuncServoType FuncServoType_Left = KLX_DatabaseValues::FuncServoType_Left;
constexpr KLX_DatabaseValues::E_FuncServoType FuncServoType_Right = KLX_DatabaseValues::FuncServoType_Right;
constexpr KLX_DatabaseValues::E_FuncServoType FuncServoType_ActiveLeft = KLX_DatabaseValues::FuncServoType_ActiveLeft;
constexpr KLX_DatabaseValues::E_FuncServoType FuncServoType_ActiveRight = KLX_DatabaseValues::FuncServoType_ActiveRight;
constexpr KLX_DatabaseValues::E_SensorsParamValues Z2B_Sensor_VORN = KLX_DatabaseValues::Z2B_Sensor_VORN;
constexpr KLX_DatabaseValues::E_SensorsParamValues Z2B_VornValues_Num = KLX_DatabaseValues::Z2B_VornValues_Num;
constexpr KLX_DatabaseValues::E_ControlMasks ControlType_Stick = KLX_DatabaseValues::ControlType_Stick;
constexpr KLX_DatabaseValues::E_ControlMasks ControlType_RE = KLX_DatabaseValues::ControlType_RE;
constexpr KLX_DatabaseValues::E_ControlMasks ControlType_SW = KLX_DatabaseValues::ControlType_SW;
constexpr KLX_DatabaseValues::E_ControlMasks ControlType_Poti = KLX_DatabaseValues::ControlType_Poti;
constexpr KLX_DatabaseValues::E_ControlMasks ControlType_VS = KLX_DatabaseValues::ControlType_VS;
constexpr KLX_DatabaseValues::E_ControlMasks ControlType_TeleControl = KLX_DatabaseValues::ControlType_TeleControl;
constexpr KLX_DatabaseValues::E_ControlMasks ControlType_FuncOut = KLX_DatabaseValues::ControlType_FuncOut;
constexpr KLX_DatabaseValues::E_ControlMasks ControlType_VSInv = KLX_DatabaseValues::ControlType_VSInv;
constexpr KLX_DatabaseValues::E_ControlMasks ControlType_FM = KLX_DatabaseValues::ControlType_FM;
constexpr KLX_DatabaseValues::E_ControlMasks ControlType_FMInv = KLX_DatabaseValues::ControlType_FMInv;
constexpr KLX_DatabaseValues::E_ControlMasks ControlType_Const = KLX_DatabaseValues::ControlType_Const;
constexpr KLX_DatabaseValues::E_BoardsType BOARD_Undefined = KLX_DatabaseValues::BOARD_Undefined;
constexpr KLX_DatabaseValues::E_BoardsType BOARD_paramsVorn = KLX_DatabaseValues::BOARD_paramsVorn;
constexpr KLX_DatabaseValues::E_BoardsType BOARD_paramsFenk = KLX_DatabaseValues::BOARD_paramsFenk;
constexpr KLX_DatabaseValues::E_VoiceMesgLengths STATUS_MSG_LENGTH = KLX_DatabaseValues::STATUS_MSG_LENGTH;
constexpr KLX_DatabaseValues::E_VoiceMesgLengths MSG_LEN_BASE = KLX_DatabaseValues::MSG_LEN_BASE;
constexpr KLX_DatabaseValues::E_VoiceMesgLengths MSG_LENGTH_UTF = KLX_DatabaseValues::MSG_LENGTH_UTF;
constexpr KLX_DatabaseValues::E_VS_LogicalOperator VS_LO_And = KLX_DatabaseValues::VS_LO_And;
constexpr KLX_DatabaseValues::E_VS_LogicalOperator VS_LO_Or = KLX_DatabaseValues::VS_LO_Or;
constexpr KLX_DatabaseValues::E_VS_LogicalOperator VS_LO_Xor = KLX_DatabaseValues::VS_LO_Xor;
constexpr KLX_DatabaseValues::E_VS_LogicalOperator VS_LO_SR_Trg = KLX_DatabaseValues::VS_LO_SR_Trg;
constexpr KLX_DatabaseValues::E_VS_LogicalOperator VS_LO_RS_Trg = KLX_DatabaseValues::VS_LO_RS_Trg;
constexpr KLX_DatabaseValues::E_VS_LogicalOperator VS_LO_def = KLX_DatabaseValues::VS_LO_def;
constexpr KLX_DatabaseValues::E_VS_LogicalOperator VS_LO_min = KLX_DatabaseValues::VS_LO_min;
constexpr KLX_DatabaseValues::E_VS_LogicalOperator VS_LO_max = KLX_DatabaseValues::VS_LO_max;
constexpr KLX_DatabaseValues::E_SOURCE_OPTION_NUM SOURCE_OPNUM_FORWARD = KLX_DatabaseValues::SOURCE_OPNUM_FORWARD;
constexpr KLX_DatabaseValues::E_SOURCE_OPTION_NUM SOURCE_OPNUM_BACKWARD = KLX_DatabaseValues::SOURCE_OPNUM_BACKWARD;
constexpr KLX_DatabaseValues::E_SOURCE_OPTION_NUM SOURCE_OPNUM_RESTART = KLX_DatabaseValues::SOURCE_OPNUM_RESTART;
constexpr KLX_DatabaseValues::E_TTSL_CTRLTRIGGERVALUES CTRL_TRIGGERVALUE = KLX_DatabaseValues::CTRL_TRIGGERVALUE;
constexpr KLX_DatabaseValues::E_TTSL_CTRLTRIGGERVALUES CTRL_UNTRIGGERVALUE = KLX_DatabaseValues::CTRL_UNTRIGGERVALUE;
constexpr KLX_DatabaseValues::E_WlanState Wlan_Disabled = KLX_DatabaseValues::Wlan_Disabled;
constexpr KLX_DatabaseValues::E_WlanState Wlan_Enabled = KLX_DatabaseValues::Wlan_Enabled;
constexpr KLX_DatabaseValues::E_WlanState Wlan_Connected = KLX_DatabaseValues::Wlan_Connected;
constexpr KLX_DatabaseValues::E_HeadupType HeadupType_Telemetry = KLX_DatabaseValues::HeadupType_Telemetry;
constexpr KLX_DatabaseValues::E_HeadupType HeadupType_Timer = KLX_DatabaseValues::HeadupType_Timer;
constexpr KLX_DatabaseValues::E_HeadupType HeadupType_Servo = KLX_DatabaseValues::HeadupType_Servo;
constexpr KLX_DatabaseValues::E_HeadupType HeadupType_Placeholder = KLX_DatabaseValues::HeadupType_Placeholder;
constexpr KLX_DatabaseValues::E_HeadupType HeadupType_Empty = KLX_DatabaseValues::HeadupType_Empty;
