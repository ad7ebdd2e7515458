#include "timers/klx_runtimecalcalarm.h"

#include <QCoreApplication>
#include <QMutexLocker>

#include "frame/klx_board.h"
#include "model/engine/kl_engine.h"
#include "model/klx_databasemanager.h"
#include "model/klx_functionalcalculation.h"
#include "timers/klx_voicealarm.h"

namespace {
using DV = KLX_DatabaseValues;
constexpr unsigned kErrNoFacade = 0x23302;
constexpr int R = AtomicDirGet;
constexpr int W = AtomicDirSet;
constexpr int kOwnSensor = 4;
constexpr int kOn = 2047;
constexpr int kNoValue = -32768;
constexpr int kSlotEnd = KLX_Error;
// Telemetry pauses while a rescan looks for a sensor that went missing.
constexpr int kPauseRescan = 11;
constexpr int kRescansMax = 3;
constexpr uint32_t kOwnSensorRefreshMs = 1000;
// The sensor store's automatic-rescan flags.
constexpr int kFlagRecording = 0;
constexpr int kFlagRescansUsed = 1;
// Alarm beeps: tone (group in bits 12-15) and length.
constexpr int kTimerTone = 1000, kTimerBeepMs = 1000;
constexpr int kRedTone = 25126, kYellowTone = 20880, kTeleBeepMs = 80;
constexpr int kCountdownTone = 1000, kCountdownMs = 195;
constexpr int kCountdownSeconds = 9;
// Priorities of the recent-signal list.
constexpr int kPrioRedAbove = 4, kPrioRedBelow = 3, kPrioYellowAbove = 2, kPrioYellowBelow = 1, kPrioStatus = 7;
// Speech alarm indices of the telemetry alarms.
constexpr int kSpeechStatus = -1, kSpeechRed = -2, kSpeechYellow = -3, kSpeechNone = -100;
constexpr int kBlinkYellow = 1, kBlinkRed = 2;
constexpr int kSimpleTimers = 8;
constexpr int kVirtualSwitchFirst = 0x500, kVirtualSwitchLast = 0x57F;

// A limit type as a mask: without the voice bit, 0 when it reads as an error.
int TypeMask(int type) { return type <= KLX_Error ? 0 : type & ~DV::KLX_WIDGET_ALARM_TYP_VOICE; }
bool Failed(int v) { return v <= KLX_Error || v == -70010; }
}  // namespace

KLX_RuntimeCalcAlarm::KLX_RuntimeCalcAlarm(QObject* parent) : QObject(parent) {}

int KLX_RuntimeCalcAlarm::KLX_RuntimeCalcAlarmInitialize(KLX_DataBaseManager* db) {
  m_Db = nullptr;
  m_CurrentTime = 0;
  if (!db) {
    KLXErrorHandler.RegisterError(kErrNoFacade, QString());
    return KLX_Error;
  }
  m_Db = db;
  return KLX_Ok;
}

int KLX_RuntimeCalcAlarm::SwitchOutput(int vs) const {
  if (!m_Engine) return kl_engine_get_virtual_switch_outputbySwitchID(vs);
  const KLX_FunctionalCalculation::StateReader lock(*m_Engine);
  return kl_engine_get_virtual_switch_outputbySwitchID(vs);
}

void KLX_RuntimeCalcAlarm::KLX_RuntimeCalcAlarmClearAll() {
  memset(m_Current, 0, sizeof m_Current);
  memset(m_Previous, 0, sizeof m_Previous);
  memset(m_StatusMemory, 0, sizeof m_StatusMemory);
  memset(m_LastCountdown, 0, sizeof m_LastCountdown);
  m_TimerRedMask = 0;
  m_TimerYellowMask = 0;
  m_SlotValue = m_StopValue = 0;
  m_YellowAbove = m_YellowBelow = m_RedAbove = m_RedBelow = 0;
  m_Address = m_ValueIndex = 0;
  m_Divider = 1;
  {
    QMutexLocker lock(&m_RecentMutex);
    m_Recent.clear();
  }
  m_CurrentTime = m_OwnSensorTime = m_RescanTime = 0;
  m_RescanCount = 0;
  ++m_Clears;
}

void KLX_RuntimeCalcAlarm::KLX_RuntimeCalcAlarmUpdatePreviousValues() {
  memcpy(m_Previous, m_Current, sizeof m_Current);
}

int KLX_RuntimeCalcAlarm::TeleStoreFlag(int flag, int value, int dir) {
  KLX_Telemetrie* t = m_Db->KLX_DataBaseManagerGetTelemetrieObject();
  if (!t) return 0;
  t->KLX_TelemetrieLock();
  const int result = t->KLX_TelemetrieGetSet_AutoRescanFlag(flag, value, dir);
  t->KLX_TelemetrieUnlock();
  return result;
}

QString KLX_RuntimeCalcAlarm::KLX_RuntimeCalcAlarm_GetSensorSlaveString() {
  return QLatin1Char(' ') + m_Db->KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(m_Address) + QLatin1Char(' ') +
         m_Db->KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(m_Address, m_ValueIndex) + QLatin1Char(' ');
}

QString KLX_RuntimeCalcAlarm::KLX_RuntimeCalcAlarm_GetFullOfAbbreviation(const QString& unit) {
  struct Word {
    const char* unit;
    const char* words;
  };
  static const Word kWords[] = {{"V", QT_TRANSLATE_NOOP("KLX_RuntimeCalcAlarm", "volts")},
                                {"mV", QT_TRANSLATE_NOOP("KLX_RuntimeCalcAlarm", "millivolts")},
                                {"A", QT_TRANSLATE_NOOP("KLX_RuntimeCalcAlarm", "amps")},
                                {"mA", QT_TRANSLATE_NOOP("KLX_RuntimeCalcAlarm", "milliamps")},
                                {"mAh", QT_TRANSLATE_NOOP("KLX_RuntimeCalcAlarm", "milliampere-hours")},
                                {"ft/s", QT_TRANSLATE_NOOP("KLX_RuntimeCalcAlarm", "feet per second")},
                                {"fps", QT_TRANSLATE_NOOP("KLX_RuntimeCalcAlarm", "feet per second")},
                                {"m/s", QT_TRANSLATE_NOOP("KLX_RuntimeCalcAlarm", "meters per second")},
                                {"\u00B0C", QT_TRANSLATE_NOOP("KLX_RuntimeCalcAlarm", "degree Celsius")},
                                {"\u00B0F", QT_TRANSLATE_NOOP("KLX_RuntimeCalcAlarm", "degree Fahrenheit")}};
  for (const Word& w : kWords)
    if (unit == QString::fromUtf8(w.unit)) return QCoreApplication::translate("KLX_RuntimeCalcAlarm", w.words);
  return unit;
}

// ---- The pass over the display pages ------------------------------------------------------

int KLX_RuntimeCalcAlarm::KLX_RuntimeCalcTelemetryAlarmsCalculate() {
  ++m_TelemetryPasses;
  if (!m_Db) return 1;
  bool allCaptured = true;
  // The same for every slot of a pass: read once.
  m_PassCaptured = m_Db->KLX_DataBaseManagerTelemetrieGetIsCaptured() == 1;
  m_PassRescanAllowed = m_Db->KLX_DataBaseManagerTelemetrieGetSet_AutoRescanAllowed(0, R) == 1;
  {
    // Entries 5 s old or more leave the recent-signal list.
    QMutexLocker lock(&m_RecentMutex);
    int old = 0;
    while (old < m_Recent.size() && m_CurrentTime - m_Recent.at(old).time >= kRecentMs) ++old;
    m_Recent.erase(m_Recent.begin(), m_Recent.begin() + old);
  }
  for (int p = 0; p < kPages; ++p) {
    if (m_Db->KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(p, 0, R) != 1) continue;
    for (int e = 0; e < kElements; ++e) {
      if (m_Db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_IsUsed(p, e, 0, R) != 1) continue;
      const int type = m_Db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_Typ(p, e, 0, R);
      for (int d = 0; d < kWidgetData; ++d) {
        if (m_Db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(p, e, d, 0, R) != 1) continue;
        const int sensor = m_Db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(p, e, d, 0, R);
        for (int v = 0; v < kValues; ++v) {
          if (m_Db->KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(p, e, d, v, 0, R) != 1) continue;
          if (KLX_RuntimeCalcAlarmCalculateAlarms(Slot{p, e, d, v, type, sensor}, &allCaptured) == kSlotEnd) break;
        }
      }
    }
  }
  // The telemetry log starts once every shown sensor is known, or once the
  // rescans for the missing ones are used up.
  if (!TeleStoreFlag(kFlagRecording, 0, R) && (allCaptured || TeleStoreFlag(kFlagRescansUsed, 0, R)) &&
      m_Db->KLX_DataBaseManagerTelemetrieGetIsCaptured() == 1 && m_Db->KLX_DataBaseManagerStartTelemetry() == 1) {
    m_Db->KLX_DataBaseManagerResumeTelemetrie();
    TeleStoreFlag(kFlagRecording, 1, W);
  }
  KLX_RuntimeCalcAlarmUpdatePreviousValues();
  return 1;
}

int KLX_RuntimeCalcAlarm::KLX_RuntimeCalcAlarmCalculateAlarms(const Slot& s, bool* allCaptured) {
  KLX_DataBaseManager& db = *m_Db;
  m_YellowAbove = m_YellowBelow = m_RedAbove = m_RedBelow = 0;
  m_Address = 0;
  m_Sentence.clear();
  const int type = s.type;
  const int yellowBelow = db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelow(s.page, s.element, s.data, s.value, 0, R);
  const int redBelow = db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelow(s.page, s.element, s.data, s.value, 0, R);

  if (type == DV::KLX_WIDGET_TYPE_TIMER) {
    const int timer = db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_TimerID(s.page, s.element, 0, R);
    if (timer < 0 || timer >= kValues) return 1;
    m_ValueIndex = db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(s.page, s.element, 0, timer, 0, R);
    if (!Board::IsInitialized()) Board::Init();
    if (m_ValueIndex < 0 || m_ValueIndex >= Board::m_Instance->TimerCountMax() || m_ValueIndex != timer) return 1;
    m_SlotValue = db.KLX_DataBaseManagerTimerGetSet_ValueCurrent(timer, 0, R);
    m_StopValue = db.KLX_DataBaseManagerTimerGetSet_ValueStop(timer, 0, R);
    // The red limit of a timer widget is where its timer stops, kept in
    // step here on every pass without marking the model.
    const int redAbove =
        db.KLX_DataBaseManagerGUITelemetrieKeep_TimerRedLimit(s.page, s.element, s.data, s.value, m_StopValue / 1000);
    if (redAbove == KLX_Error) return kSlotEnd;
    const int yellowAbove = db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAbove(s.page, s.element, s.data, s.value, 0, R);
    KLX_RuntimeCalcAlarmCalculateAlarmTimer(s, timer, yellowAbove, redAbove);
    return kSlotEnd;
  }
  if (type != DV::KLX_WIDGET_TYPE_VALUE) {
    m_SlotValue = 0;
    return kSlotEnd;
  }

  const int yellowAbove = db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAbove(s.page, s.element, s.data, s.value, 0, R);
  const int redAbove = db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(s.page, s.element, s.data, s.value, 0, R);
  m_Address = s.sensor;
  const bool captured = m_PassCaptured;
  const bool rescanAllowed = m_PassRescanAllowed;
  if (!captured) *allCaptured = false;
  if (m_Address == kOwnSensor) {
    if (m_CurrentTime - m_OwnSensorTime > kOwnSensorRefreshMs) {
      if (!captured) db.KLX_DataBaseManagerHandleTelemetrieVornData();
      m_OwnSensorTime = m_CurrentTime;
    }
  } else if (db.KLX_DataBaseManagerTelemetrieGetSensorIsUsed(m_Address) == 0) {
    *allCaptured = false;
    AutoRescan(m_Address, captured, rescanAllowed);
  }
  m_ValueIndex = db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(s.page, s.element, s.data, s.value, 0, R);
  if (m_Address < 0 || m_Address >= kSensors || m_ValueIndex < 0 || m_ValueIndex >= kValues) return kSlotEnd;
  if (db.KLX_DataBaseManagerTelemetrieGetSensorIsOffline(m_Address)) return kSlotEnd;
  m_SlotValue = db.KLX_DataBaseManagerTelemetrieGetSlaveValue(m_Address, m_ValueIndex);
  m_Divider = static_cast<uint16_t>(KLX_VoiceAlarm::GetDecimalDevider(db.KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(m_Address, m_ValueIndex)));
  m_Current[m_Address][m_ValueIndex] = float(m_SlotValue) / float(m_Divider);
  if (!captured && m_Address != kOwnSensor) return kSlotEnd;
  KLX_RuntimeCalcAlarmCalculateAlarmValue(s, yellowAbove, yellowBelow, redAbove, redBelow);
  return 1;
}

void KLX_RuntimeCalcAlarm::AutoRescan(int, bool captured, bool rescanAllowed) {
  if (m_Db->KLX_DataBaseManagerIsReceiverModeREdiv() || !captured || !rescanAllowed || m_RescanCount > kRescansMax)
    return;
  if (m_RescanCount == 0) {
    m_RescanTime = m_CurrentTime;
    m_RescanCount = 1;
    return;
  }
  const uint32_t seconds = (m_CurrentTime - m_RescanTime) / 1000;
  if (seconds < 16) return;
  if (seconds > 45) {
    m_RescanCount = kRescansMax;
    return;
  }
  m_Db->KLX_DataBaseManagerPauseTelemetrie(kPauseRescan);
  if (m_Db->KLX_DataBaseManagerRescanTelemetry() != 1) return;
  m_Db->KLX_DataBaseManagerEmitAutoTeleRescanStart(m_RescanCount);
  m_RescanTime = m_CurrentTime;
  if (++m_RescanCount > kRescansMax) TeleStoreFlag(kFlagRescansUsed, 1, W);
}

// ---- Limits of a value ---------------------------------------------------------------------

void KLX_RuntimeCalcAlarm::KLX_RuntimeCalcAlarmCalculateAlarmValue(const Slot& s, int yellowAbove, int yellowBelow,
                                                                   int redAbove, int redBelow) {
  const float cur = m_Current[m_Address][m_ValueIndex];
  const float prev = m_Previous[m_Address][m_ValueIndex];
  const float d = float(m_Divider);
  const float ra = redAbove / d, rb = redBelow / d;
  bool yellow = true;
  if (redAbove != redBelow) {
    if (ra > rb) {
      // Only a crossing raises a flag: a value that stays beyond raises none.
      if (cur < rb) {
        if (!(prev < rb)) m_RedBelow = 1;
        yellow = false;
      } else if (cur > ra) {
        if (!(prev > ra)) m_RedAbove = 1;
        yellow = false;
      }
    } else if (cur >= ra && cur <= rb) {
      // The alarm band lies between the two limits.
      if (!(prev >= ra && prev <= rb)) {
        if (prev >= ra)
          m_RedBelow = 1;
        else
          m_RedAbove = 1;
      }
      yellow = false;
    }
  }
  if (yellow) KLX_RuntimeCalcAlarmCalculateYelAlarmsValue(cur, prev, yellowAbove / d, yellowBelow / d);
  KLX_RuntimeCalcAlarmCalculateSignaling(s, 0, -1);
}

void KLX_RuntimeCalcAlarm::KLX_RuntimeCalcAlarmCalculateYelAlarmsValue(float cur, float prev, float yellowAbove,
                                                                      float yellowBelow) {
  if (yellowBelow == yellowAbove) return;
  if (yellowAbove > yellowBelow) {
    if (cur >= yellowBelow) {
      if (prev <= yellowAbove && yellowAbove < cur) m_YellowAbove = 1;
    } else if (prev >= yellowBelow) {
      m_YellowBelow = 1;
    }
  } else if (cur >= yellowAbove && cur <= yellowBelow) {
    if (prev < yellowAbove)
      m_YellowAbove = 1;
    else if (prev > yellowBelow)
      m_YellowBelow = 1;
  }
}

// ---- Limits of a timer ---------------------------------------------------------------------

int KLX_RuntimeCalcAlarm::KLX_RuntimeCalcAlarmCalculateAlarmTimer(const Slot& s, int timer, int yellowAbove,
                                                                  int redAbove) {
  KLX_DataBaseManager& db = *m_Db;
  const int reset = db.KLX_DataBaseManagerTimerGetSet_SwitchResetVirtSw(timer, 0, R);
  if (Failed(reset) || reset >= db.KLX_DataBaseManagerGetMaxVirualSwitches()) return 0;
  const int start = db.KLX_DataBaseManagerTimerGetSet_ValueStart(timer, 0, R);
  const int stop = m_StopValue;
  const int t = m_SlotValue;
  if (SwitchOutput(reset) == kOn && start != stop) {
    // A reset arms the limits anew.
    const bool down = start > stop;
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveState(s.page, s.element, s.data, s.value, 0, W);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelowState(s.page, s.element, s.data, s.value, 0, W);
    if (down ? yellowAbove < start / 1000 : yellowAbove > start / 1000)
      db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAboveState(s.page, s.element, s.data, s.value, 0, W);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelowState(s.page, s.element, s.data, s.value, 0, W);
  }
  if (start == stop) return 1;
  const bool down = start > stop;
  auto reached = [&](int limit) { return down ? t < (limit + 1) * 1000 : t >= limit * 1000; };
  if (redAbove != kNoTimerLimit && reached(redAbove))
    m_RedAbove = 1;
  else if (yellowAbove != kNoTimerLimit && reached(yellowAbove))
    m_YellowAbove = 1;
  m_RedBelow = m_YellowBelow = 0;
  KLX_RuntimeCalcAlarmCalculateSignaling(s, down ? 2 : 1, timer);
  return 1;
}

// ---- Signalling ----------------------------------------------------------------------------

void KLX_RuntimeCalcAlarm::KLX_RuntimeCalcAlarmCalculateSignaling(const Slot& s, int timerKind, int timer) {
  KLX_DataBaseManager& db = *m_Db;
  const int alertType = db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertType(s.page, s.element, s.data, s.value, 0, R);
  const bool status = alertType != 0 && alertType > KLX_Error;
  if (!status && timerKind == 0 && !(m_RedAbove | m_RedBelow | m_YellowAbove | m_YellowBelow)) {
    // No crossing on a value slot: the states fall back to 0 and nothing
    // is signalled; the rest of the slot need not be read.
    ClearStates(s);
    return;
  }
  m_Blink = db.KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(s.page, s.element, s.data, s.value, -1, R);
  m_SignalType = db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertSignalType(s.page, s.element, s.data, s.value, 0, R);
  auto voiceAllowed = [&](int type, int blinkBit) {
    if (type <= KLX_Error || !(type & DV::KLX_WIDGET_ALARM_TYP_VOICE)) return false;
    return (m_SignalType == DV::KLX_WIDGET_ALARM_SIGNAL_TYP_ONESHOT && !(m_Blink & blinkBit)) ||
           m_SignalType == DV::KLX_WIDGET_ALARM_SIGNAL_TYP_PERMANENT;
  };
  int priority = 0;
  int speechIndex = kSpeechNone;
  int redMask = 0;
  int yellowMask = 0;
  if (status) {
    // A status alarm: the sensor itself says that something is wrong.
    redMask = TypeMask(alertType) << 4;
    const int alarm = db.KLX_DataBaseManagerTelemetrieGet_Slave_Alarm(m_Address, m_ValueIndex, 3);
    const int word = (m_Address / 64) * 4 + m_ValueIndex / 8;
    const uint64_t bit = uint64_t(1) << (m_Address % 64);
    if (alarm <= KLX_Error || !(alarm & 0x80)) {
      m_StatusMemory[word] &= ~bit;
      m_RedAbove = 0;
      return;
    }
    if (m_StatusMemory[word] & bit) return;
    m_StatusMemory[word] |= bit;
    m_RedAbove = 1;
    priority = (alarm & 1) ? kPrioStatus : 0;
    if (voiceAllowed(alertType, kBlinkRed)) {
      m_Sentence = KLX_RuntimeCalcAlarm_GetSensorSlaveString() +
                   db.KLX_DataBaseManagerTelemetrieGetSlaveStatus(m_Address, m_ValueIndex);
      speechIndex = kSpeechStatus;
    }
  } else {
    const int redAboveType = db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveType(s.page, s.element, s.data, s.value, 0, R);
    const int redBelowType = db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelowType(s.page, s.element, s.data, s.value, 0, R);
    const int yellowAboveType = db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAboveType(s.page, s.element, s.data, s.value, 0, R);
    const int yellowBelowType = db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelowType(s.page, s.element, s.data, s.value, 0, R);
    redMask = TypeMask(redAboveType) * 16 + TypeMask(redBelowType);
    yellowMask = TypeMask(yellowAboveType) * 16 + TypeMask(yellowBelowType);
    struct Limit {
      int flag;
      int type;
      bool red;
      int priority;
      int (KLX_DataBaseManager::*state)(int, int, int, int, int, int);
      QString (KLX_DataBaseManager::*text)(int, int, int, int, QString, int);
    };
    const Limit limits[] = {
        {m_RedAbove, redAboveType, true, kPrioRedAbove, &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveState,
         &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveText},
        {m_RedBelow, redBelowType, true, kPrioRedBelow, &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelowState,
         &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelowText},
        {m_YellowAbove, yellowAboveType, false, kPrioYellowAbove, &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAboveState,
         &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAboveText},
        {m_YellowBelow, yellowBelowType, false, kPrioYellowBelow, &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelowState,
         &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelowText},
    };
    for (const Limit& l : limits) {
      const int state = (db.*l.state)(s.page, s.element, s.data, s.value, 0, R);
      // The first (most urgent) new crossing names the signal.
      if (state == 0 && l.flag == 1 && priority == 0) {
        priority = l.priority;
        if (timerKind == 0 && voiceAllowed(l.type, l.red ? kBlinkRed : kBlinkYellow)) {
          const QString text = (db.*l.text)(s.page, s.element, s.data, s.value, QString(), R);
          m_Sentence = !text.isEmpty() ? text
                                       : (l.red ? tr("Alarm") : tr("Warning")) + KLX_RuntimeCalcAlarm_GetSensorSlaveString();
          speechIndex = l.red ? kSpeechRed : kSpeechYellow;
        }
      }
      if (state != l.flag) (db.*l.state)(s.page, s.element, s.data, s.value, l.flag, W);
    }
  }

  if (m_SignalType == DV::KLX_WIDGET_ALARM_SIGNAL_TYP_NONE || m_SignalType <= KLX_Error) {
    if (!priority) CountdownStep(timer, timerKind, redMask);
    return;
  }
  if (!m_Sentence.isEmpty() && speechIndex != kSpeechNone) db.VoiceAlarm_SayText(m_Sentence, speechIndex);
  if (!priority) {
    CountdownStep(timer, timerKind, redMask);
    return;
  }
  if (m_SignalType == DV::KLX_WIDGET_ALARM_SIGNAL_TYP_PERMANENT) {
    const int address = timerKind ? 0 : m_Address;
    const int index = timerKind ? timer : m_ValueIndex;
    if (RecentSignal(static_cast<uint16_t>((address & 0xFF) | ((index & 0x1F) << 8) | ((priority & 7) << 13)))) return;
  }
  KLX_RuntimeCalcAlarmWidgetBeepTelemetryTimer(redMask, yellowMask, timerKind != 0, s, timer);
}

void KLX_RuntimeCalcAlarm::ClearStates(const Slot& s) {
  KLX_DataBaseManager& db = *m_Db;
  using State = int (KLX_DataBaseManager::*)(int, int, int, int, int, int);
  static const State kStates[] = {&KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveState,
                                  &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelowState,
                                  &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAboveState,
                                  &KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelowState};
  for (State state : kStates)
    if ((db.*state)(s.page, s.element, s.data, s.value, 0, R) != 0) (db.*state)(s.page, s.element, s.data, s.value, 0, W);
}

bool KLX_RuntimeCalcAlarm::RecentSignal(uint16_t key) {
  QMutexLocker lock(&m_RecentMutex);
  for (const SlaElem_struct& e : m_Recent)
    if (e.key == key) return true;
  if (m_Recent.size() >= kRecentMax) m_Recent.removeFirst();
  m_Recent.append(SlaElem_struct{key, m_CurrentTime});
  return false;
}

void KLX_RuntimeCalcAlarm::CountdownStep(int timer, int timerKind, int redMask) {
  if (timerKind == 0 || timer < 0 || timer >= kTimers || redMask == 0) return;
  const int s = m_SlotValue / 1000;
  const int e = m_StopValue / 1000;
  const bool inWindow = timerKind == 1 ? (e - kCountdownSeconds <= s && s < e) : (e < s && s <= e + kCountdownSeconds);
  if (inWindow && s != m_LastCountdown[timer]) m_Db->KLX_DataBaseManagerAlarmBeep(kCountdownTone, kCountdownMs, true, true);
  m_LastCountdown[timer] = s;
}

void KLX_RuntimeCalcAlarm::KLX_RuntimeCalcAlarmWidgetBeepTelemetryTimer(int redMask, int yellowMask, bool isTimer,
                                                                       const Slot& s, int timer) {
  const bool red = m_SignalType != DV::KLX_WIDGET_ALARM_SIGNAL_TYP_ONESHOT || !(m_Blink & kBlinkRed);
  const bool yellow = m_SignalType != DV::KLX_WIDGET_ALARM_SIGNAL_TYP_ONESHOT || !(m_Blink & kBlinkYellow);
  const bool redBelow = red && m_RedBelow, redAbove = red && m_RedAbove;
  const bool yellowBelow = yellow && m_YellowBelow, yellowAbove = yellow && m_YellowAbove;
  const bool anyRed = redBelow || redAbove;
  const bool anyYellow = yellowBelow || yellowAbove;
  const bool sound = (redBelow && (redMask & 0x01)) || (redAbove && (redMask & 0x10)) ||
                     (yellowBelow && (yellowMask & 0x01)) || (yellowAbove && (yellowMask & 0x10));
  const bool vibrate = (redBelow && (redMask & 0x02)) || (redAbove && (redMask & 0x20)) ||
                       (yellowBelow && (yellowMask & 0x02)) || (yellowAbove && (yellowMask & 0x20));
  const int tone = isTimer ? kTimerTone : anyRed ? kRedTone : anyYellow ? kYellowTone : 0;
  const int length = isTimer ? kTimerBeepMs : (anyRed || anyYellow) ? kTeleBeepMs : 0;
  KLX_RuntimeCalcAlarmEmitBeepAndVibrate(tone, length, isTimer, sound, vibrate);
  // A timer widget blinks and is marked like a value slot: the home screen
  // finds it by its own element.
  if (anyRed) {
    m_Db->KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(s.page, s.element, s.data, s.value, kBlinkRed, W);
    emit alarmAlert(s.page, s.element, true);
    if (isTimer) m_TimerRedMask |= uint16_t(1u << timer);
  } else if (anyYellow) {
    m_Db->KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(s.page, s.element, s.data, s.value, kBlinkYellow, W);
    emit alarmAlert(s.page, s.element, false);
    if (isTimer) m_TimerYellowMask |= uint16_t(1u << timer);
  }
}

void KLX_RuntimeCalcAlarm::KLX_RuntimeCalcAlarmEmitBeepAndVibrate(int tone, int length, bool timer, bool sound,
                                                                  bool vibrate) {
  if (sound && tone) m_Db->KLX_DataBaseManagerAlarmBeep(tone, length, timer, timer);
  if (vibrate) m_Db->KLX_DataBaseManagerActivateVibrationScheme(DV::KLX_VIB_TIMER_END);
}

// ---- Voice alarms --------------------------------------------------------------------------

void KLX_RuntimeCalcAlarm::KLX_RuntimeCalcAlarmCalculateVoiceAlarms(uint32_t tick, int flightMode) {
  m_CurrentTime = tick;
  m_LastFlightMode = flightMode;
  ++m_VoicePasses;
  if (!m_Db || !m_Db->KLX_DataBaseManagerVoiceAlarmStore()) return;
  if (!Board::IsInitialized()) Board::Init();
  const int count = qMin(Board::m_Instance->VoiceAlarmsCountMax(), int(KLX_VoiceAlarm::kAlarms));
  for (int i = 0; i < count; ++i) VoiceAlarm(i, flightMode);
}

void KLX_RuntimeCalcAlarm::VoiceAlarm(int index, int flightMode) {
  KLX_DataBaseManager& db = *m_Db;
  const T_VoiceAlarm a = db.KLX_DataBaseManagerVoiceAlarmStore()->KLX_VoiceAlarm_GetVAlarmParams(index);
  const int mode = a.typeMode & DV::VALARM_ModeSettings;
  if (mode == 0 || mode == DV::VALARM_ModeSettings) return;
  const int type = a.typeMode & 0x3F;
  QString sentence;
  QString unit;
  int control = 0;
  int value = 0;
  int decPoint = 0;
  const int address = a.teleMain;
  const int slave = a.teleSlave;
  if (type == DV::VALARM_Flightmode) {
    // Right after a reset of the engine's data it reports no flight mode
    // until its next pass: nothing to announce, no name to ask for.
    if (flightMode < 0 || flightMode >= db.KLX_DataBaseManagerGetMaxFlightmodes()) return;
    sentence = db.KLX_DataBaseManagerFlightmodeGetSet_Name(flightMode, QString(), R);
    value = flightMode;
  } else {
    if (a.activator >= kVirtualSwitchFirst && a.activator <= kVirtualSwitchLast)
      control = SwitchOutput(db.KLX_DataBaseManagerSwitchGet_SwitchIdByContorlID(a.activator));
    else
      control = db.KLX_DataBaseManagerGetValueOfControl(a.activator);
    const bool teleType = KLX_VoiceAlarm::IsNumberType(type);
    if (teleType && db.KLX_DataBaseManagerTelemetrieGetSensorIsOffline(address)) {
      decPoint = KLX_VoiceAlarm::kDecPointOffline;
    } else if (teleType) {
      const QString status = db.KLX_DataBaseManagerTelemetrieGetSlaveStatus(address, slave);
      const QString sensorName = db.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(address);
      const QString valueName = db.KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(address, slave);
      const bool words = type == DV::VALARM_TelemetryValueFull || type == DV::VALARM_TelemetryValueShort ||
                         (type == DV::VALARM_Individual && (a.individualBits & DV::VALARM_IndividualUnitBit));
      if (status.isEmpty()) {
        value = db.KLX_DataBaseManagerTelemetrieGetSlaveValue(address, slave);
        decPoint = db.KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(address, slave);
        if (words) unit = KLX_RuntimeCalcAlarm_GetFullOfAbbreviation(db.KLX_DataBaseManagerTelemetrieGetSlaveUnit(address, slave));
        if (type == DV::VALARM_TelemetryValueShort && decPoint > 3) value = kNoValue;
      } else {
        unit = status;
        decPoint = KLX_VoiceAlarm::kDecPointStatus;
      }
      if (type == DV::VALARM_TelemetryValueFull) {
        sentence = sensorName + QLatin1Char(' ') + valueName + QLatin1Char(':');
      } else if (type == DV::VALARM_TeleShortNoUnits || type == DV::VALARM_TelemetryValueShort) {
        if (!status.isEmpty())
          sentence = sensorName + QLatin1Char(':');
        else if (type == DV::VALARM_TeleShortNoUnits)
          sentence = valueName + QLatin1Char(':');
      } else {
        if (a.individualBits & DV::VALARM_IndividualMainBit) sentence += sensorName + QLatin1Char(' ');
        if (a.individualBits & DV::VALARM_IndividualSlaveBit) sentence += valueName + QLatin1Char(':');
      }
    } else if (type == DV::VALARM_Timer || type == DV::VALARM_TimerShort) {
      const int timer = a.timerId & 0x0F;
      value = db.KLX_DataBaseManagerTimerGet_ActualTimeWholeSeconds(timer);
      if (type == DV::VALARM_Timer)
        sentence = (timer < kSimpleTimers ? db.KLX_DataBaseManagerTimerGetSet_Name(timer, QString(), R, false)
                                          : db.KLX_DataBaseManagerCmplxTimerGetSet_Name(timer - kSimpleTimers, QString(), R, false)) +
                   QLatin1Char(' ');
      if (timer < kSimpleTimers) {
        // The timer widget's limits, announced once each.
        const uint16_t bit = uint16_t(1u << timer);
        QString word;
        if (m_TimerRedMask & bit) {
          m_TimerRedMask &= uint16_t(~bit);
          if (a.timerId & 0x80) word = tr("expired");
        } else if (m_TimerYellowMask & bit) {
          m_TimerYellowMask &= uint16_t(~bit);
          if (a.timerId & 0x40) word = tr("attention");
        }
        if (!word.isEmpty()) {
          db.VoiceAlarm_SayText(sentence + word, index);
          sentence.clear();
        }
      }
      decPoint = KLX_VoiceAlarm::kDecPointStatus;
    }
  }
  db.VoiceAlarmPlayMessage(index, control, value, decPoint, m_CurrentTime, sentence.toUtf8(), unit.toUtf8());
}
