#include "model/klx_functionalcalculation.h"

#include <QDebug>

#include <optional>

#include <pthread.h>
#include <sched.h>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"

namespace {
constexpr unsigned kErrNotInitialized = 0x13401;
constexpr unsigned kErrNotRunning = 0x13402;
// How long the start waits for the thread to enter its loop.
constexpr unsigned long kStartWaitMs = 200;
constexpr int kPhaseCalculation = 1;
constexpr int kPhaseData = 2;
// The engine clock advances by the product's period, whatever period a test runs.
constexpr uint32_t kEngineStepMs = KLX_FunctionalCalculation::kPeriodMs;

// The switches of the data refresh, in the order they are read.
constexpr unsigned short kSwitchIds[] = {
    CONTROLID_SW_A_GUI,   CONTROLID_SW_B_GUI,   CONTROLID_SW_C_GUI,   CONTROLID_SW_D_GUI,   CONTROLID_SW_E_GUI,
    CONTROLID_SW_F_GUI,   CONTROLID_SW_G_GUI,   CONTROLID_SW_H_GUI,   CONTROLID_SW_I_GUI,   CONTROLID_SW_J_GUI,
    CONTROLID_SW_K_GUI,   CONTROLID_SW_L_GUI,   CONTROLID_SW_M_GUI,   CONTROLID_SW_N_GUI,   CONTROLID_SW_CTO_GUI,
    CONTROLID_SW_GTO_GUI, CONTROLID_SW_LTO_GUI, CONTROLID_SW_HTO_GUI};
// The trim levers' control ids, lever 0..5.
constexpr int kTrimLevers[KL_TRIM_CONTROLS] = {CONTROLID_RE_TRA_GUI, CONTROLID_RE_TRB_GUI, CONTROLID_RE_TRC_GUI,
                                               CONTROLID_RE_TRD_GUI, CONTROLID_RE_TRE_GUI, CONTROLID_RE_TRF_GUI};
// Differential control positions that select the lower, middle or upper point.
constexpr int kDiffLowBelow = -19;
constexpr int kDiffHighFrom = 20;

// Asks the scheduler for the highest real-time priority of this thread.
bool RequestTimeCritical() {
  sched_param param{};
  param.sched_priority = sched_get_priority_max(SCHED_FIFO);
  return pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;
}

int BoardType() {
  if (!Board::IsInitialized()) Board::Init();
  return static_cast<int>(Board::m_Board);
}

int TrimLeverOf(int control) {
  for (int lever = 0; lever < KL_TRIM_CONTROLS; ++lever)
    if (kTrimLevers[lever] == control) return lever;
  return -1;
}
}  // namespace

KLX_FunctionalCalculation::KLX_FunctionalCalculation(QObject* parent)
    : CNoDebugBase<QThread>(parent),
      KLX_BaseClassThread("FunctionalCalc", false),
      m_PriorityRequest(RequestTimeCritical),
      m_WaitClock(&KLX_Clock::KLX_ClockSystem()) {}

KLX_FunctionalCalculation::~KLX_FunctionalCalculation() {
  // The thread never outlives the block it works on.
  if (isRunning()) KLX_ThreadControl::Stop(this, *m_WaitClock.load(), &m_Mutex, &m_Wait, &m_Running);
  wait();
}

int KLX_FunctionalCalculation::KLX_FunctionalCalculationInitialize(KLX_DataBaseManager* database,
                                                                  KLX_RuntimeDatabaseManager* runtime) {
  if (!database || !runtime) return KLX_Ok;
  m_Db = database;
  m_Runtime = runtime;
  m_Clock = 0;
  m_SequencerRequestClock = 0;
  KLX_BaseClassThreadStopProcessing();
  kl_engine_init_params_init_runtimedata(&m_Output, BoardType());
  check_fm();
  kl_engine_setup_controls_vorn();
  m_Initialized = true;
  return KLX_Ok;
}

int KLX_FunctionalCalculation::KLX_FunctionalCalculationStart() {
  // Set before the thread runs, so an early stop is never overwritten.
  m_Running = true;
  {
    QMutexLocker lock(&m_Mutex);
    m_Entered = false;
    start(QThread::TimeCriticalPriority);
    // Until the thread has entered its loop, at most the start time; a
    // thread that ends at once never enters it and is seen ended by then.
    if (!m_Entered) m_WaitClock.load()->KLX_ClockWait(m_Started, m_Mutex, kStartWaitMs);
  }
  if (isRunning()) return KLX_Ok;
  m_Running = false;
  KLXErrorHandler.RegisterError(kErrNotRunning, QStringLiteral("FunctionalCalculation thread not running"));
  return KLX_Error;
}

int KLX_FunctionalCalculation::KLX_FunctionalCalculationStop() {
  qDebug() << "  ->   FunctionalCalculation stop...";
  KLX_BaseClassThreadStopProcessing();
  KLX_ThreadControl::Stop(this, *m_WaitClock.load(), &m_Mutex, &m_Wait, &m_Running);
  if (m_Db) m_Db->KLX_DataBaseManagerVarioStopBeep();
  qDebug() << "  ->   FunctionalCalculation stopped";
  return 0;
}

void KLX_FunctionalCalculation::KLX_FunctionalCalculationStartProcessing() {
  m_VarioTimer.start();
  m_VarioInterval.start();
  m_Clock = 0;
  KLX_BaseClassThreadStartProcessing();
}

void KLX_FunctionalCalculation::KLX_FunctionalCalculationStopProcessing() {
  if (m_Db) m_Db->KLX_DataBaseManagerVarioStopBeep();
  KLX_BaseClassThreadStopProcessing();
}

// ---- Marks -----------------------------------------------------------------------

int KLX_FunctionalCalculation::Mark(KLX_UnitKind kind, int n) {
  if (n >= 0 && n < KLX_UnitKindCount(kind) && n < kMaxUnits)
    m_Marks[static_cast<int>(kind)][n].store(1, std::memory_order_release);
  return KLX_Ok;
}

bool KLX_FunctionalCalculation::IsMarked(KLX_UnitKind kind, int n) const {
  if (n < 0 || n >= kMaxUnits) return false;
  return m_Marks[static_cast<int>(kind)][n].load(std::memory_order_acquire) != 0;
}

bool KLX_FunctionalCalculation::TakeMark(KLX_UnitKind kind, int n) {
  if (n < 0 || n >= kMaxUnits) return false;
  return m_Marks[static_cast<int>(kind)][n].exchange(0, std::memory_order_acq_rel) != 0;
}

// ---- Resets and read-outs ---------------------------------------------------------

void KLX_FunctionalCalculation::KLX_FunctionalCalculationResetFunctionData() {
  QMutexLocker lock(&m_Mutex);
  kl_engine_init_setupdata(KlSetupWrite(m_Setup).get());
  m_ControlIdsStale = true;
  // The block is back to defaults: every unit is copied in again from the
  // database, also after an update, which changes no unit and so marks none.
  for (int kind = 0; kind < static_cast<int>(KLX_UnitKind::Count); ++kind)
    for (int n = 0; n < KLX_UnitKindCount(static_cast<KLX_UnitKind>(kind)); ++n) Mark(static_cast<KLX_UnitKind>(kind), n);
}

void KLX_FunctionalCalculation::KLX_FunctionalCalculationResetRuntimeData() {
  QMutexLocker lock(&m_Mutex);
  m_Clock = 0;
  m_SequencerRequestClock = 0;
  m_NextSequencer = 0;
  kl_engine_init_params_init_runtimedata(&m_Output, BoardType());
  check_fm();
}

int KLX_FunctionalCalculation::KLX_FunctionalCalculationGetServoOutput(int n) const {
  // Outside the servo count there is no output: 0, not a neighbour's bytes.
  if (n < 0 || n >= kl_engine_cfg_count(EngineCfgServos) || n >= KL_MAX_SERVOS) return 0;
  return m_PublishedOutput[n].load(std::memory_order_relaxed);
}

int KLX_FunctionalCalculation::KLX_FunctionalCalculationResetServoOutput(int n) {
  if (n >= 0 && n < kl_engine_cfg_count(EngineCfgServos) && n < KL_MAX_SERVOS) m_PublishedOutput[n] = 0;
  return KLX_Ok;
}

void KLX_FunctionalCalculation::KLX_FunctionalCalculationSetServoOutput(int n, int value) {
  if (n >= 0 && n < KL_MAX_SERVOS) m_PublishedOutput[n] = static_cast<int16_t>(value);
}

int KLX_FunctionalCalculation::KLX_FunctionalCalcGetSequencerTotalRuntime(int q) {
  if (q < 0 || q >= kl_engine_cfg_count(EngineCfgSequencers)) return KLX_Error;
  QMutexLocker lock(&m_Mutex);
  const int32_t total = kl_engine_get_sequencer_total_runtime(&m_Setup.Read(), q);
  return (total < -60000 || total > 60000) ? KLX_Error : total;
}

int KLX_FunctionalCalculation::KLX_FunctionalCalcGetSequencerActualDirection(int q) {
  if (q < 0 || q >= kl_engine_cfg_count(EngineCfgSequencers)) return KLX_Error;
  QMutexLocker lock(&m_Mutex);
  return m_Setup->Sequencer[q].IsUsed;
}

int KLX_FunctionalCalculation::KLX_FunctionalCalcGetTeleControlInputRawValue(int t) {
  if (t < 0 || t >= kl_engine_cfg_count(EngineCfgTelemetryControls)) return KLX_Error;
  QMutexLocker lock(&m_Mutex);
  float scaled = 0.0f;
  m_TeleLimited = kl_engine_telecontrol_get_calculated_value(t, &scaled);
  m_TeleCalcOut = scaled;
  return kl_engine_telecontrol_get_input_rawval(&m_Setup.Read(), t);
}

unsigned int KLX_FunctionalCalculation::KLX_FunctionalCalculationModelCRC() const {
  // Never while a data pass writes the block: a checksum read half way
  // through a copy would match neither model.
  QMutexLocker lock(&m_Mutex);
  return kl_engine_calc_model_crc32(&m_Setup.Read());
}

void KLX_FunctionalCalculation::KLX_FunctionalCalculationCopySetup(T_SetupData* out) const {
  if (!out) return;
  QMutexLocker lock(&m_Mutex);
  *out = m_Setup.Read();
}

int KLX_FunctionalCalculation::KLX_FunctionalCalcGetTeleControlActualDecPosResp(int t) {
  if (t < 0 || t >= kl_engine_cfg_count(EngineCfgTelemetryControls)) return KLX_Error;
  const StateReader lock(*this);
  return kl_engine_telecontrol_get_actualdec_pos_resp(t);
}

int KLX_FunctionalCalculation::KLX_FunctionalCalcGetTeleControlOutValue(int t, bool inPercent) {
  if (t < 0 || t >= kl_engine_cfg_count(EngineCfgTelemetryControls)) return KLX_Error;
  // The pass itself asks too (a control's value in a differential).
  const StateReader lock(*this);
  const int value = kl_engine_telecontrol_get_output_value(t);
  return inPercent ? kl_engine_calc_in100percentRange(value, true) : value;
}

CControl* KLX_FunctionalCalculation::GetControlByID(unsigned short id) {
  constexpr int kVirtualSwitchSlot = 32;
  constexpr int kLastVirtualSwitch = 143;
  if (KLX_ControlKind(id) == KLX_CONTROL_KIND_VS) {
    const int n = id - KLX_CONTROL_KIND_VS;
    return n <= kLastVirtualSwitch ? &m_Controls[kVirtualSwitchSlot + n] : nullptr;
  }
  for (CControl& c : m_Controls)
    if (c.ID() == id) return &c;
  return nullptr;
}

void KLX_FunctionalCalculation::check_fm() {
  const int fm = kl_engine_get_flightmode();
  const int last = m_LastFlightMode.exchange(fm);
  if (fm != last && m_Db) m_Db->KLX_DataBaseManagerEmitFlightModeChanged(last, fm);
}

// ---- The loop ----------------------------------------------------------------------

void KLX_FunctionalCalculation::run() {
  qDebug() << "  ->   starting FunctionalCalculation thread";
  if (!m_Initialized) {
    KLXErrorHandler.RegisterError(kErrNotInitialized, QStringLiteral("did not call KLX_FunctionalCalculationStart()"));
    return;
  }
  // Where the system refuses real-time scheduling the thread runs on at the
  // priority it inherited; the passes only come later than due.
  m_TimeCritical = m_PriorityRequest && m_PriorityRequest();
  if (!m_TimeCritical) qDebug() << "  ->   FunctionalCalculation runs without time-critical priority";
  {
    QMutexLocker lock(&m_Mutex);
    m_Entered = true;
    m_WaitClock.load()->KLX_ClockWake(m_Started);
  }
  while (m_Running) {
    QMutexLocker lock(&m_Mutex);
    Log("pause");
    if (m_Running) m_WaitClock.load()->KLX_ClockWait(m_Wait, m_Mutex, kPeriodMs);
    Log("resume");
    if (!m_Running || !KLX_BaseClassThreadIsProcessing()) continue;
    lock.unlock();
    KLX_FunctionalCalculationPass();
  }
  Log("exit");
  qDebug() << "  ->   exit FunctionalCalculation thread";
}

void KLX_FunctionalCalculation::KLX_FunctionalCalculationPass() {
  QMutexLocker lock(&m_Mutex);
  if (!m_Db) return;
  m_PassThread = QThread::currentThreadId();
  struct PassEnd {
    std::atomic<Qt::HANDLE>& thread;
    ~PassEnd() { thread = nullptr; }
  } end{m_PassThread};
  if (m_Phase != kPhaseCalculation)
    CalculationPass();
  else
    DataPass();
  m_Clock += kEngineStepMs;
  if (m_Clock - m_SequencerRequestClock >= kSequencerInfoMs) {
    m_Db->KLX_DataBaseManagerSequencerRequestCurrentInfo(m_NextSequencer);
    m_SequencerRequestClock = m_Clock;
  }
  ++m_Passes;
}

void KLX_FunctionalCalculation::CalculationPass() {
  kl_engine_set_tick_count(m_Clock);
  if (!m_Db->KLX_DataBaseManagerPreflightIsChecked()) {
    const int count = m_Db->KLX_DataBaseManagerGetAllPhyControlValues(m_PhyValues, m_PhyIds);
    const int boot = m_Db->KLX_DataBaseManagerGetSetBootStatus(0, AtomicDirGet);
    if (count > 0 && m_Db->KLX_DatabaseManagerPreflightSettingsCheck(m_PhyValues, m_PhyIds, count, boot))
      m_Db->KLX_DataBaseManagerBindingInfoSend();
  }
  kl_engine_calculate(m_Setup, &m_Output);
  // The screens hear of outputs and controls that moved, and of nothing else.
  bool moved = false;
  for (int s = 0; s < KL_MAX_SERVOS; ++s)
    moved |= m_PublishedOutput[s].exchange(m_Output.value[s], std::memory_order_relaxed) != m_Output.value[s];
  TrimDifferentialAdjustment();
  PublishTriValues();
  check_fm();
  if (m_ControlIdsStale) {
    for (int i = 0; i < kControlSlots; ++i) m_Controls[i].SetID(kl_engine_get_control_ID(i));
    m_ControlIdsStale = false;
  }
  for (int i = 0; i < kControlSlots; ++i) {
    const short value = static_cast<short>(kl_engine_get_control_value(i));
    moved |= m_Controls[i].Value() != value;
    m_Controls[i].SetValue(value);
  }
  if (moved) m_Db->KLX_DataBaseManagerLiveValuesChanged(KLX_DatabaseValues::LIVE_Servos);
  m_Phase = kPhaseCalculation;
}

void KLX_FunctionalCalculation::DataPass() {
  const int q = m_NextSequencer;
  const int state = m_Db->KLX_DataBaseManagerSequencerSynchronize(static_cast<unsigned char>(q));
  // Only a direction state (0..255) belongs into the mode byte; the failure
  // results of the usual "no new report" case are not states. A report sent
  // before the waypoint editor's code reached the controller does not
  // replace that code: the editor would lose its waypoint.
  if (state >= 0 && state <= 255 && m_Setup->Sequencer[q].IsUsed < KL_SEQ_MODE_FIRST_PREVIEW) {
    KlSetupWrite(m_Setup)->Sequencer[q].IsUsed = static_cast<uint8_t>(state);
    KLX_DataBaseManager::KLX_DataBaseManagerSequencerDataLock();
    KLX_DataBaseManager::KLX_DataBaseManagerSequencerDataSyncronize(&m_Setup.Read());
    KLX_DataBaseManager::KLX_DataBaseManagerSequencerDataUnLock();
  }
  const int sequencers = kl_engine_cfg_count(EngineCfgSequencers);
  m_NextSequencer = sequencers > 0 ? (q + 1) % sequencers : 0;
  if (DataRefresh()) m_ControlIdsStale = true;
  m_Phase = kPhaseData;
  VarioTone();
}

bool KLX_FunctionalCalculation::DataRefresh() {
  // (1) Live values of the physical controls; the trims stay 0.
  m_Db->KLX_DataBaseManager_StickdataLock();
#define KLX_ENGINE_NAMED_CONTROL(name, id) \
  kl_engine_setup_control_values(m_Db->KLX_DataBaseManagerGetSet_##name(0, AtomicDirGet), id);
  KLX_NAMED_CONTROLS(KLX_ENGINE_NAMED_CONTROL)
#undef KLX_ENGINE_NAMED_CONTROL
  for (unsigned short id : kSwitchIds)
    kl_engine_setup_control_values(m_Db->KLX_DataBaseManagerGetSet_Switch(0, id, AtomicDirGet), id);
  m_Db->KLX_DataBaseManager_StickdataUnlock();

  // (2) Telemetry controls whose sensor answers.
  for (int t = 0; t < kl_engine_cfg_count(EngineCfgTelemetryControls); ++t) {
    const T_TelemetryControl& tc = m_Setup->TelemetryControl[t];
    if (tc.MainAddress >= 255 || m_Db->KLX_DataBaseManagerTelemetrieGetSensorIsOffline(tc.MainAddress)) continue;
    const int raw = m_Db->KLX_DataBaseManagerGetTeleControlRawValue(t);
    const int dec = m_Db->KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(tc.MainAddress, tc.SlaveAddress);
    kl_engine_telecontrol_set_resp_value_decpos(t, true, static_cast<int16_t>(raw), static_cast<uint8_t>(dec));
  }

  // (3) Marked elements. What they change reaches the engine's index through
  // the block's write door: the next pass rebuilds it.
  const bool idsChanged = [this] {
    bool changed = false;
    for (int n = 0; n < kl_engine_cfg_count(EngineCfgVirtualSwitches); ++n)
      changed |= IsMarked(KLX_UnitKind::Switch, n);
    for (int n = 0; n < kl_engine_cfg_count(EngineCfgTelemetryControls); ++n)
      changed |= IsMarked(KLX_UnitKind::TeleControl, n);
    return changed;
  }();
  CopyMarked();
  return idsChanged;
}

void KLX_FunctionalCalculation::CopyMarked() {
  KLX_DataBaseManager& db = *m_Db;
  // The block opens for writing at the first mark taken, so that a pass with
  // nothing to copy keeps the engine's index.
  std::optional<KlSetupWrite> door;
  auto block = [&]() -> T_SetupData& {
    if (!door) door.emplace(m_Setup);
    return **door;
  };
  int functions = 0;
  for (int n = 0; n < kl_engine_cfg_count(EngineCfgFunctions); ++n)
    if (TakeMark(KLX_UnitKind::Function, n)) {
      db.KLX_DataBaseManagerFunctionCopySingleUnit(n, &block().Function[n]);
      ++functions;
    }
  if (functions) kl_engine_setup_function_values(functions);
  for (int n = 0; n < kl_engine_cfg_count(EngineCfgFlightModes); ++n)
    if (TakeMark(KLX_UnitKind::Flightmode, n)) db.KLX_DataBaseManagerFlightmodeCopySingleUnit(n, &block().FlightMode[n]);
  for (int n = 0; n < kl_engine_cfg_count(EngineCfgLimiters); ++n)
    if (TakeMark(KLX_UnitKind::Limiter, n)) db.KLX_DataBaseManagerLimiterCopySingleUnit(n, &block().Limiter[n]);
  for (int n = 0; n < kl_engine_cfg_count(EngineCfgMixers); ++n)
    if (TakeMark(KLX_UnitKind::Mixer, n)) db.KLX_DataBaseManagerMixerCopySingleUnit(n, &block().Mixer[n]);
  for (int n = 0; n < KL_MAX_SEQUENCERS; ++n)
    if (TakeMark(KLX_UnitKind::Sequencer, n)) db.KLX_DataBaseManagerSequencerCopySingleUnit(n, block().Sequencer);
  for (int n = 0; n < kl_engine_cfg_count(EngineCfgCurves); ++n)
    if (TakeMark(KLX_UnitKind::Curve, n)) db.KLX_DataBaseManagerCurveCopySingleUnit(n, &block().Curve[n]);
  for (int n = 0; n < KL_TRIM_CONTROLS; ++n)
    if (TakeMark(KLX_UnitKind::Trim, n)) db.KLX_DataBaseManagerTrimCopySingleUnit(n, &block().TrimControl[n]);
  for (int n = 0; n < kl_engine_cfg_count(EngineCfgVirtualSwitches); ++n)
    if (TakeMark(KLX_UnitKind::Switch, n)) db.KLX_DataBaseManagerSwitchCopySingleUnit(n, &block().VSwitch[n]);
  for (int n = 0; n < kl_engine_cfg_count(EngineCfgTelemetryControls); ++n)
    if (TakeMark(KLX_UnitKind::TeleControl, n))
      db.KLX_DataBaseManagerTeleControlCopySingleUnit(n, &block().TelemetryControl[n]);
  if (TakeMark(KLX_UnitKind::FlightmodeAss, 0))
    db.KLX_DataBaseManagerFlightmodeAssignCopySingleUnit(&block().FlightModeAssignment);
  if (TakeMark(KLX_UnitKind::SpecialSwitch, 0)) db.KLX_DataBaseManagerSpecialSwitchCopySingleUnit(block().SpecialSwitch);
  for (int n = 0; n < kl_engine_cfg_count(EngineCfgServos); ++n)
    if (TakeMark(KLX_UnitKind::ServoConfig, n))
      db.KLX_DataBaseManagerServoConfigCopySingleUnit(n, &block().ServoConfig[n]);
}

void KLX_FunctionalCalculation::TrimDifferentialAdjustment() {
  m_Db->KLX_DataBaseManager_StickdataLock();
  const bool searching = m_Db->KLX_DataBaseManagerGetSet_StickMovement(0, AtomicDirGet) == 1;
  m_Db->KLX_DataBaseManager_StickdataUnlock();
  if (searching) return;
  int steps[KL_TRIM_CONTROLS];
  bool any = false;
  for (int lever = 0; lever < KL_TRIM_CONTROLS; ++lever) {
    steps[lever] = m_Db->KLX_DataBaseManagerGetAndClear_StickTrimDirection(lever, true);
    if (steps[lever] <= KLX_Error) steps[lever] = 0;
    any |= steps[lever] != 0;
  }
  if (!any) return;
  const int fm = kl_engine_get_flightmode();
  for (int f = 0; f < kl_engine_cfg_count(EngineCfgFunctions); ++f) {
    const T_Function& function = m_Setup->Function[f];
    const int lever = TrimLeverOf(function.TrimDifferential);
    if (!function.IsUsed || lever < 0 || steps[lever] == 0) continue;
    const int position = m_Db->KLX_DataBaseManagerGetValueOfControlPercent(function.ControlDifferential);
    const int block = m_Db->KLX_DataBaseManager_IsFunctionFlightModeDependent(f, fm) == 1 ? fm : 0;
    if (position < kDiffLowBelow)
      m_Db->KLX_DataBaseManagerFunctionIncDec_Setup_FlexDiffLo(f, block, steps[lever]);
    else if (position < kDiffHighFrom)
      m_Db->KLX_DataBaseManagerFunctionIncDec_Setup_FlexDiffCenter(f, block, steps[lever]);
    else
      m_Db->KLX_DataBaseManagerFunctionIncDec_Setup_FlexDiffHi(f, block, steps[lever]);
  }
}

void KLX_FunctionalCalculation::PublishTriValues() {
  if (!m_Runtime) return;
  for (int f = 0; f < kl_engine_cfg_count(EngineCfgFunctions); ++f) {
    m_Runtime->KLX_TriValRateValue(0, kl_engine_get_trival_rate(f), f);
    m_Runtime->KLX_TriValDifferentialValue(0, kl_engine_get_trival_differential(f), f);
    m_Runtime->KLX_TriValExpoValue(0, kl_engine_get_trival_expo(f, 0), f, 0);
    m_Runtime->KLX_TriValExpoValue(0, kl_engine_get_trival_expo(f, 1), f, 1);
    m_Runtime->KLX_TriValLimiterValueMax(0, kl_engine_get_trival_limitermax(f), f);
    m_Runtime->KLX_TriValLimiterValueMin(0, kl_engine_get_trival_limitermin(f), f);
  }
}

void KLX_FunctionalCalculation::VarioTone() {
  m_VarioInterval.restart();
  const int address = m_Db->KLX_DataBaseManagerGetVarioAddress();
  const int slave = m_Db->KLX_DataBaseManagerGetVarioSlaveAddress();
  if (m_Db->KLX_DataBaseManagerTelemetrieGetSensorIsOffline(address)) {
    m_Db->KLX_DataBaseManagerVarioStopBeep();
    return;
  }
  const int value = m_Db->KLX_DataBaseManagerTelemetrieGetSlaveValue(address, slave);
  const int dec = m_Db->KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(address, slave);
  if (dec < 0) return;
  m_VarioTone = m_Db->KLX_DatabaseManagerGetVarioBeepParams(value, dec, &m_VarioState1, &m_VarioState2,
                                                            m_LastFlightMode);
  m_Db->KLX_DataBaseManagerVarioBeep(m_VarioTone, m_VarioState1, m_VarioState2);
}
