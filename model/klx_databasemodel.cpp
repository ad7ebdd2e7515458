// The facade's central model part: the stores' lifecycle, the generated
// field accessors, marks and modify flags, the update bracket, the model
// reset and the whole-unit doors for the engine thread and the tasks.
#include <QDebug>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_debuglog.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_xmlfilehandler.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"

std::atomic<bool> KLX_DataBaseManager::m_modeldatamodified{false};
std::atomic<int> KLX_DataBaseManager::m_modelchangekinds{0};
std::atomic<bool> KLX_DataBaseManager::m_systemdatamodified{false};
std::atomic<bool> KLX_DataBaseManager::m_vorndatamodified{false};

namespace {
// The start-up phase while the model in the transceiver controller is replaced.
constexpr int kPhaseModelUpdate = 7;
constexpr int kNoLinkQuality = 0;
constexpr int kNoSignal = -129;

bool IsUnsignedRow(const KLX_Field& row) {
  return row.conv == KLX_Conv::Mask || row.conv == KLX_Conv::Unsigned32;
}

template <typename T>
void DeleteStore(T*& store, const char* name) {
  if (!store) return;
  delete store;
  store = nullptr;
  qCDebug(lcVornDebug, "  ->   Del %s database class", name);
}
}  // namespace

// ---- Owned objects -----------------------------------------------------------

void KLX_DataBaseManager::CreateObjects() {
  if (!m_Function) m_Function = new KLX_Function;
  if (!m_Mixer) m_Mixer = new KLX_Mixer;
  if (!m_Limiter) m_Limiter = new KLX_Limiter;
  if (!m_Flightmode) m_Flightmode = new KLX_Flightmode;
  if (!m_Curve) m_Curve = new KLX_Curve;
  if (!m_Sequencer) m_Sequencer = new KLX_Sequencer;
  if (!m_GPS) m_GPS = new KLX_GPS;
  if (!m_Stickdata) m_Stickdata = new KLX_Stickdata;
  if (!m_ServoConfig) m_ServoConfig = new KLX_ServoConfig;
  if (!m_SystemProperties) m_SystemProperties = new KLX_SystemProperties;
  if (!m_Telemetrie) m_Telemetrie = new KLX_Telemetrie;
  m_Telemetrie->KLX_TelemetrieSetLiveValues(&m_LiveValues);
  if (!m_Receiver) m_Receiver = new KLX_Receiver;
  if (!m_Version) m_Version = new KLX_Version;
  if (!m_VornProperties) m_VornProperties = new KLX_VornProperties;
  if (!m_XMLFileHandler) m_XMLFileHandler = new KLX_XMLFileHandler(QStringLiteral("KLX_DataBaseManager"));
  if (!m_GUITelemetrie) m_GUITelemetrie = new KLX_GUITelemetrie;
  m_GUITelemetrie->KLX_GUITelemetrieSetLiveValues(&m_LiveValues);
  if (!m_Switch) m_Switch = new KLX_Switch;
  if (!m_FlightmodeAssign) m_FlightmodeAssign = new KLX_FlightmodeAssign;
  if (!m_ComplexTimer) m_ComplexTimer = new KLX_ComplexTimer;
  if (!m_Preflight) m_Preflight = new KLX_PreflightSettings;
  if (!m_VoiceAlarm) m_VoiceAlarm = new KLX_VoiceAlarm;
  if (!m_VoiceTelemetry) m_VoiceTelemetry = new KLX_VoiceTelemetry;
  if (!m_Vario) m_Vario = new KLX_VarioSettings;
  if (!m_Trim) m_Trim = new KLX_Trim;
  if (!m_ModelRuntime) m_ModelRuntime = new KLX_ModelRuntime(*this);
  if (!m_SpecialSwitch) m_SpecialSwitch = new KLX_SpecialSwitch;
  if (!m_Modelmetadata) m_Modelmetadata = new KLX_Modelmetadata;
  if (!m_TutorPupil) m_TutorPupil = new KLX_TutorPupilCtrl;
  if (!m_TeleControl) m_TeleControl = new KLX_TeleControl;
  if (!m_Headup) m_Headup = new KLX_Headup;
  if (!m_HeadupWindow) m_HeadupWindow = new KLX_HeadupWindow(m_Headup, this);
}

int KLX_DataBaseManager::KLX_DataBaseManagerOwnedObjects() const {
  const void* objects[] = {m_Function,      m_Mixer,          m_Limiter,        m_Flightmode,    m_Curve,
                           m_Sequencer,     m_GPS,            m_Stickdata,      m_ServoConfig,   m_SystemProperties,
                           m_Telemetrie,    m_Receiver,       m_Version,        m_VornProperties, m_XMLFileHandler,
                           m_GUITelemetrie, m_Switch,         m_FlightmodeAssign, m_ComplexTimer, m_Preflight,
                           m_VoiceAlarm,    m_VoiceTelemetry, m_Vario,          m_Trim,          m_ModelRuntime,
                           m_SpecialSwitch, m_Modelmetadata,  m_TutorPupil,     m_TeleControl,   m_Headup,
                           m_HeadupWindow};
  int count = 0;
  for (const void* object : objects) count += object ? 1 : 0;
  return count;
}

int KLX_DataBaseManager::InitializeModelStores() {
  m_Trim->KLX_TrimInitialize(m_Protocol);
  m_Function->KLX_FunctionInitialize(m_Protocol, m_Trim);
  m_Mixer->KLX_MixerInitialize(m_Protocol, m_Switch);
  m_Limiter->KLX_LimiterInitialize(m_Protocol);
  m_Flightmode->KLX_FlightmodeInitialize(m_Protocol);
  m_Curve->KLX_CurveInitialize(m_Protocol);
  m_Sequencer->KLX_SequencerInitialize(m_Protocol, m_Switch);
  m_ServoConfig->KLX_ServoConfigInitialize(m_Protocol, m_Switch);
  m_GPS->KLX_GPSInitialize(m_Protocol);
  m_Stickdata->KLX_StickdataInitialize(m_Protocol);
  m_Telemetrie->KLX_TelemetrieInitialize(m_Protocol);
  m_GUITelemetrie->KLX_GUITelemetrieInitialize();
  m_Switch->KLX_SwitchInitialize(m_Protocol);
  m_FlightmodeAssign->KLX_FlightmodeAssignInitialize(m_Protocol, m_Switch);
  m_TeleControl->KLX_TeleControlInitialize(m_Protocol, m_Switch);
  for (KLX_Timer& timer : m_Timers) timer.Clear();
  m_ComplexTimer->KLX_ComplexTimerInitialize();
  m_Preflight->KLX_PreflightSettingsInitialize();
  m_VoiceAlarm->KLX_VoiceAlarmInitialize(this, m_ComplexTimer);
  m_VoiceTelemetry->KLX_VoiceTelemetryClear();
  m_Vario->KLX_VarioInitialize(this, m_Switch);
  m_TutorPupil->KLX_TutorPupilCtrl_Initialize(m_Protocol);
  m_SpecialSwitch->KLX_SpecialSwitchInitialize(m_Protocol);
  return m_Modelmetadata->KLX_ModelmetadataInitialize(m_Protocol);
}

void KLX_DataBaseManager::FreeObjects() {
  DeleteStore(m_Headup, "headup");
  DeleteStore(m_HeadupWindow, "headupwindow");
  DeleteStore(m_Function, "function");
  DeleteStore(m_Mixer, "mixer");
  DeleteStore(m_Limiter, "limiter");
  DeleteStore(m_Flightmode, "flightmode");
  DeleteStore(m_Curve, "curve");
  DeleteStore(m_Sequencer, "sequencer");
  DeleteStore(m_GPS, "GPS");
  DeleteStore(m_Stickdata, "Stickhandler");
  DeleteStore(m_ServoConfig, "Servo Config");
  DeleteStore(m_Telemetrie, "Telemetrie");
  DeleteStore(m_Receiver, "Receiver");
  DeleteStore(m_Version, "Version");
  DeleteStore(m_VornProperties, "vornproperties");
  DeleteStore(m_GUITelemetrie, "GUI Telemetrie");
  DeleteStore(m_Switch, "Switch");
  DeleteStore(m_FlightmodeAssign, "Flightmode Assigenmnet");
  DeleteStore(m_TeleControl, "TelemetryControl");
  DeleteStore(m_VoiceAlarm, "Voice Alarms");
  DeleteStore(m_VoiceTelemetry, "Voice Telemetry");
  DeleteStore(m_ComplexTimer, "ComplexTimer");
  DeleteStore(m_Trim, "Trim");
  DeleteStore(m_ModelRuntime, "Model Runtime");
  DeleteStore(m_SpecialSwitch, "Special Switch");
  DeleteStore(m_Modelmetadata, "Modelmetadata");
  DeleteStore(m_TutorPupil, "Trainer cord");
  DeleteStore(m_Vario, "Vario");
  DeleteStore(m_SystemProperties, "System Property");
  // These two have no line of their own.
  delete m_XMLFileHandler;
  m_XMLFileHandler = nullptr;
  delete m_Preflight;
  m_Preflight = nullptr;
}

// ---- The generated field accessors -----------------------------------------------

int KLX_DataBaseManager::ModelField(KLX_UnitKind kind, KLX_RecordStore* store, const KLX_Field& row, int index1,
                                    int index2, int value, int dir, bool update) {
  if (!store) return KLX_Error;
  const bool get = dir != 0;
  const int result = store->FieldAccess(row, index1, index2, value, get, update);
  if (get) return result;
  // A 32-bit field may read back below the failure codes; the store never
  // keeps a pattern equal to the two it answers.
  const bool failed =
      IsUnsignedRow(row) ? (result == KLX_Error || result == Indexes_Out_Of_Range) : result <= KLX_Error;
  if (!failed) MarkUnit(kind, index1, true);
  return result;
}

#define KLX_FACADE_DEF_F1(K, F, store, row)                                                            \
  int KLX_DataBaseManager::KLX_DataBaseManager##K##GetSet_##F(int index1, int value, int dir, bool update) { \
    return ModelField(KLX_UnitKind::K, store, row, index1, 0, value, dir, update);                     \
  }
#define KLX_FACADE_DEF_F2(K, F, store, row)                                                                \
  int KLX_DataBaseManager::KLX_DataBaseManager##K##GetSet_##F(int index1, int index2, int value, int dir, \
                                                              bool update) {                               \
    return ModelField(KLX_UnitKind::K, store, row, index1, index2, value, dir, update);                   \
  }
#define KLX_FACADE_DEF_FU(K, F, store, row)                                                             \
  int KLX_DataBaseManager::KLX_DataBaseManager##K##GetSet_##F(int index1, unsigned int value, int dir, \
                                                              bool update) {                            \
    return ModelField(KLX_UnitKind::K, store, row, index1, 0, static_cast<int>(value), dir, update);  \
  }
#define KLX_FACADE_DEF_FUI(K, F, store, row) KLX_FACADE_DEF_FU(K, F, store, row)
#define KLX_FACADE_DEF_FH(K, F, store, row)

#define KLX_FUNCTION_FACADE_DEF(S, F, SS, FS, ...) \
  KLX_FACADE_DEF_##FS(Function, F, m_Function, KLX_Function::kFields[KLX_FunctionRow::S])
#define KLX_FLIGHTMODE_FACADE_DEF(S, F, SS, FS, ...) \
  KLX_FACADE_DEF_##FS(Flightmode, F, m_Flightmode, KLX_Flightmode::kFields[KLX_FlightmodeRow::S])
#define KLX_SERVOCONFIG_FACADE_DEF(S, F, SS, FS, ...) \
  KLX_FACADE_DEF_##FS(ServoConfig, F, m_ServoConfig, KLX_ServoConfig::kFields[KLX_ServoConfigRow::S])
#define KLX_CURVE_FACADE_DEF(S, F, SS, FS, ...) \
  KLX_FACADE_DEF_##FS(Curve, F, m_Curve, KLX_Curve::kFields[KLX_CurveRow::S])
#define KLX_MIXER_FACADE_DEF(S, F, SS, FS, ...) \
  KLX_FACADE_DEF_##FS(Mixer, F, m_Mixer, KLX_Mixer::kFields[KLX_MixerRow::S])
#define KLX_SWITCH_FACADE_DEF(S, F, SS, FS, ...) \
  KLX_FACADE_DEF_##FS(Switch, F, m_Switch, KLX_Switch::kFields[KLX_SwitchRow::S])
#define KLX_LIMITER_FACADE_DEF(S, F, SS, FS, ...) \
  KLX_FACADE_DEF_##FS(Limiter, F, m_Limiter, KLX_Limiter::kFields[KLX_LimiterRow::S])

KLX_FUNCTION_FIELDS(KLX_FUNCTION_FACADE_DEF)
KLX_FLIGHTMODE_FIELDS(KLX_FLIGHTMODE_FACADE_DEF)
KLX_SERVOCONFIG_FIELDS(KLX_SERVOCONFIG_FACADE_DEF)
KLX_CURVE_FIELDS(KLX_CURVE_FACADE_DEF)
KLX_MIXER_FIELDS(KLX_MIXER_FACADE_DEF)
KLX_SWITCH_FIELDS(KLX_SWITCH_FACADE_DEF)
KLX_LIMITER_FIELDS(KLX_LIMITER_FACADE_DEF)

QString KLX_DataBaseManager::ModelName(KLX_UnitKind kind, KLX_RecordStore* store, unsigned errCode, int index1,
                                       const QString& name, int dir) {
  if (!store) return QString();
  if (!store->RecordBytes(index1)) return store->NameAccess(index1, QString(), true, errCode);
  const QString current = store->NameAccess(index1, QString(), true, errCode);
  if (dir) return current;
  if (current == name) return current;
  // The check includes the element itself, so a change of letter case alone is refused.
  if (store->CheckForSameName(name)) return QString();
  MarkUnit(kind, index1, true);
  return store->NameAccess(index1, name, false, errCode);
}

// ---- Marks and modify flags --------------------------------------------------------

void KLX_DataBaseManager::MarkUnit(KLX_UnitKind kind, int index, bool modified) {
  if (m_Runtime) m_Runtime->KLX_RuntimeDatabaseManagerMarkUnit(kind, index);
  // The home screen shows the trims (the engine's copy on every pass marks
  // them unmodified: nothing new to show).
  if (kind == KLX_UnitKind::Trim && modified) KLX_DataBaseManagerLiveValuesChanged(KLX_DatabaseValues::LIVE_Trims);
  if (modified) KLX_DataBaseManagerSetModelModifyFlag(true);
}

#define KLX_FACADE_MARK_DEF(name, kind)                                        \
  void KLX_DataBaseManager::KLX_DataBaseManager##name(int index, bool modified) { \
    MarkUnit(KLX_UnitKind::kind, index, modified);                             \
  }
KLX_FACADE_MARKS(KLX_FACADE_MARK_DEF)
#undef KLX_FACADE_MARK_DEF

void KLX_DataBaseManager::KLX_DataBaseManagerFunctionMarkFlightmodeAssign(bool modified) {
  MarkUnit(KLX_UnitKind::FlightmodeAss, 0, modified);
}

void KLX_DataBaseManager::KLX_DataBaseManagerFunctionMarkSpecialSwitch(bool modified) {
  MarkUnit(KLX_UnitKind::SpecialSwitch, 0, modified);
}

void KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieMarkTelemetry(bool modified) {
  if (modified) KLX_DataBaseManagerSetModelModifyFlag(true);
}

void KLX_DataBaseManager::KLX_DataBaseManagerTutorPupilMarkTutorPupil(bool modified) {
  // Teacher/pupil settings live in the settings file, not in the model.
  if (modified) KLX_DataBaseManagerSetSystemModifyFlag(true);
}

// ---- Update bracket, forced saving, model reset -------------------------------------

void KLX_DataBaseManager::KLX_DataBaseManagerUpdateBegin() {
  m_SavedStartupPhase = m_StartupPhase.load();
  m_StartupPhase = kPhaseModelUpdate;
  if (KLX_DataBaseManagerTakeModelModifyFlag()) m_UpdateHeldModelMark = true;
  if (m_Runtime) m_Runtime->KLX_RuntimeDatabaseManagerStopProcessing();
}

void KLX_DataBaseManager::KLX_DataBaseManagerUpdateEnd() {
  const int saved = m_SavedStartupPhase.exchange(0);
  if (saved != 0) m_StartupPhase = saved;
  // Given back with the kinds of change it held, which stayed marked.
  if (m_UpdateHeldModelMark.exchange(false)) m_modeldatamodified = true;
  // The reset empties the engine's block; the pending marks refill it.
  if (m_Runtime) m_Runtime->KLX_RuntimeDatabaseManagerStartProcessing(true);
}

void KLX_DataBaseManager::KLX_DataBaseManagerForceSavingXMLFiles(bool stopForever) {
  if (stopForever) KLX_DataBaseManagerPauseTelemetrie(14);
  m_XMLFileSaver.KLX_XMLFileSaverSavingFiles(stopForever, false);
}

void KLX_DataBaseManager::KLX_DataBaseManagerForceModelFileSaveInDebug(bool dumpTimers) {
  m_XMLFileSaver.KLX_XMLFileSaverForceModelFileSave(dumpTimers);
}

void KLX_DataBaseManager::KLX_DataBaseManagerResetAllModelData() {
  KLX_DataBaseManagerFunctionClearAll();
  KLX_DataBaseManagerFunctionDisplayedOrderClearAll();
  KLX_DataBaseManagerServoConfigClearAll();
  KLX_DataBaseManagerMixerClearAll();
  KLX_DataBaseManagerLimiterClearAll();
  KLX_DataBaseManagerFlightmodeClearAll();
  KLX_DataBaseManagerSequencerClearAll();
  KLX_DataBaseManagerCurveClearAll();
  KLX_DataBaseManagerFlightmodeAssignClearAll();
  KLX_DataBaseManagerSwitchClearAll();
  KLX_DataBaseManagerTTSLClearAll();
  KLX_DataBaseManagerHeadupClearAll();
  KLX_DataBaseManagerClearReceivers();
  if (m_Receiver) {
    m_Receiver->SetMode(KLX_Receiver::RX_MODE_NONE);
    m_Receiver->SetBindConfig(0);
  }
  KLX_DataBaseManagerGUITelemetrieClearAll();
  KLX_DataBaseManagerTelemetrieClearAllData(false);
  KLX_DataBaseManagerTimerClearAll();
  if (m_ComplexTimer) m_ComplexTimer->KLX_ComplexTimerClearAll();
  if (m_Preflight) m_Preflight->KLX_PreflightSettingsClearAll();
  KLX_DataBaseManagerTrimClearAll();
  KLX_DataBaseManagerRuntimeClearAll();
  KLX_DataBaseManagerSpecialSwitchClearAll();
  KLX_DataBaseManagerModelmetadataClearAll();
  if (m_VoiceAlarm) m_VoiceAlarm->KLX_VoiceAlarmClearAll();
  if (m_VoiceTelemetry) m_VoiceTelemetry->KLX_VoiceTelemetryClear();
  KLX_DataBaseManagerVarioParamsClear();
  KLX_DataBaseManagerTutorPupilClearActivator();
  KLX_DataBaseManagerTeleControlClearAll();
  KLX_DataBaseManagerGetSetTransLQI1(kNoLinkQuality, AtomicDirSet);
  KLX_DataBaseManagerGetSetTransLQI2(kNoLinkQuality, AtomicDirSet);
  KLX_DataBaseManagerGetSetTransRSSI1(kNoSignal, AtomicDirSet);
  KLX_DataBaseManagerGetSetTransRSSI2(kNoSignal, AtomicDirSet);
  KLX_DataBaseManagerSetModelModifyFlag(false);
}

// ---- Emitters -----------------------------------------------------------------------

void KLX_DataBaseManager::KLX_DataBaseManagerEmitTeleRescanDone(unsigned char sensors) {
  if (m_Telemetrie) {
    m_Telemetrie->KLX_TelemetrieLock();
    m_Telemetrie->KLX_TelemetrieGetSet_IsCaptured(1, AtomicDirSet);
    m_Telemetrie->KLX_TelemetrieUnlock();
  }
  const bool wasFastStarted = KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirGet);
  KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirSet);
  emit teleRescanDone(sensors, wasFastStarted);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSetSystemProperties_LockTimeoutEvent(int value) {
  emit lockTimeout(value);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerOnGpsDataReceived(unsigned char sensor, unsigned char slave, int lon,
                                                              int lat) {
  if (m_Telemetrie) {
    m_Telemetrie->KLX_TelemetrieLock();
    m_Telemetrie->KLX_TelemetrieGetSet_Slave_Longtitude(sensor, slave + 4, lon, AtomicDirSet);
    m_Telemetrie->KLX_TelemetrieGetSet_Slave_Latitude(sensor, slave + 6, lat, AtomicDirSet);
    m_Telemetrie->KLX_TelemetrieGetSet_Slave_HasGPS(sensor, slave, 1, AtomicDirSet);
    m_Telemetrie->KLX_TelemetrieUnlock();
  }
  // The transmitter's own receiver (sensor 4) is shown by the status strip, not announced.
  if (sensor != KLX_Telemetrie::kOwnSensor) emit gpsDataReceived();
  return 0;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetMaxTimer(bool all) {
  if (all) return 8;
  return Board::IsInitialized() ? Board::m_Instance->TimerCountMax() : 0;
}

// ---- Whole units for the engine thread and the tasks -------------------------------

#define KLX_UNIT_IMAGE_DEF(K)                                                                 \
  int KLX_DataBaseManager::KLX_DataBaseManager##K##CopyUnit(int index, unsigned char* buffer) { \
    return m_##K ? m_##K->KLX_##K##CopyUnit(index, buffer) : KLX_Error;                       \
  }
KLX_UNIT_IMAGES(KLX_UNIT_IMAGE_DEF)
#undef KLX_UNIT_IMAGE_DEF

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeAssignCopyUnit(unsigned char* buffer) {
  return m_FlightmodeAssign ? m_FlightmodeAssign->KLX_FlightmodeAssignCopyUnit(buffer) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeAssignCopyUnit_A(int, unsigned char* buffer) {
  return KLX_DataBaseManagerFlightmodeAssignCopyUnit(buffer);
}

int KLX_DataBaseManager::KLX_DataBaseManagerCurveDelete(int index) {
  return m_Curve ? m_Curve->KLX_CurveDelete(index) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFlightmodeDelete(int index) {
  return m_Flightmode ? m_Flightmode->KLX_FlightmodeDelete(index) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerLimiterDelete(int index) {
  return m_Limiter ? m_Limiter->KLX_LimiterDelete(index) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerMixerDelete(int index) {
  return m_Mixer ? m_Mixer->KLX_MixerDelete(index) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerDelete(int index) {
  return m_Sequencer ? m_Sequencer->KLX_SequencerDelete(index) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerFunctionDelete(int index, QList<int>* servos) {
  return m_SerFuncMatrix.KLX_SerFuncMatrixDeleteFunction(index, servos, this);
}

// ---- Control ids of virtual switches --------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerSwitchGet_SwitchIdByContorlID(int index) {
  // A fixed range, not the board's count.
  return KLX_ControlIsVirtualSwitch(index) ? index - KLX_CONTROL_VS_FIRST : KLX_Error;
}

