#pragma once
// The alarm calculator of the timers-and-alarms thread (published as
// "TimersAlarms"). Every tick it walks the value slots of the telemetry
// display pages and the timer widgets on them against their yellow and red
// limits: a crossing beeps, vibrates, speaks and makes the slot blink, and
// `alarmAlert` tells the home screen which widget. It also starts the
// telemetry log once the sensor table is captured, rescans for sensors that
// went missing, and runs the voice alarms.
#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"

class KLX_DataBaseManager;
class KLX_FunctionalCalculation;

struct SlaElem_struct {
  uint16_t key;  // low byte the sensor address, high byte value index (bits 0-4) and priority (bits 5-7)
  uint32_t time;
};

class KLX_RuntimeCalcAlarm : public QObject {
  Q_OBJECT
 public:
  static constexpr int kPages = 10;
  static constexpr int kElements = 20;
  static constexpr int kWidgetData = 32;
  static constexpr int kValues = 32;
  static constexpr int kSensors = 255;
  static constexpr int kTimers = 8;
  static constexpr int kNoTimerLimit = 32767;
  // A permanent slot's signal is not repeated within this.
  static constexpr uint32_t kRecentMs = 5000;
  static constexpr int kRecentMax = 65;

  explicit KLX_RuntimeCalcAlarm(QObject* parent = nullptr);

  // Keeps the facade: KLX_Ok, or KLX_Error (reported) without one.
  int KLX_RuntimeCalcAlarmInitialize(KLX_DataBaseManager* db);
  // The engine whose pass runs beside this calculation: its switch outputs
  // are read under its lock. Without one they are read as they are.
  void KLX_RuntimeCalcAlarmSetEngine(const KLX_FunctionalCalculation* engine) { m_Engine = engine; }
  void KLX_RuntimeCalcAlarmClearAll();
  // One pass over the display pages: 1.
  int KLX_RuntimeCalcTelemetryAlarmsCalculate();
  void KLX_RuntimeCalcAlarmUpdatePreviousValues();
  // One pass over the voice alarms at the thread's tick counter.
  void KLX_RuntimeCalcAlarmCalculateVoiceAlarms(uint32_t tick, int flightMode);

  // The spoken words of a unit: its translation, or the unit unchanged.
  static QString KLX_RuntimeCalcAlarm_GetFullOfAbbreviation(const QString& unit);
  // " sensor value " of the slot being evaluated.
  QString KLX_RuntimeCalcAlarm_GetSensorSlaveString();

  // Timers whose red (yellow) limit was signalled, bit n timer n; the voice
  // alarms take the bits they announce.
  uint16_t RedTimerMask() const { return m_TimerRedMask; }
  uint16_t YellowTimerMask() const { return m_TimerYellowMask; }

  // What the thread asked (tests, diagnostics).
  int Clears() const { return m_Clears; }
  int TelemetryPasses() const { return m_TelemetryPasses; }
  int VoicePasses() const { return m_VoicePasses; }
  uint32_t LastTick() const { return m_CurrentTime; }
  int LastFlightMode() const { return m_LastFlightMode; }

 signals:
  // yelred: true red, false yellow.
  void alarmAlert(int pageNum, int widgNum, bool yelred);

 private:
  // The slot being evaluated, with its widget's type and its widget
  // data's sensor address (read once for all its values).
  struct Slot {
    int page, element, data, value;
    int type, sensor;
  };
  int KLX_RuntimeCalcAlarmCalculateAlarms(const Slot& s, bool* allCaptured);
  void KLX_RuntimeCalcAlarmCalculateAlarmValue(const Slot& s, int yellowAbove, int yellowBelow, int redAbove,
                                               int redBelow);
  void KLX_RuntimeCalcAlarmCalculateYelAlarmsValue(float cur, float prev, float yellowAbove, float yellowBelow);
  int KLX_RuntimeCalcAlarmCalculateAlarmTimer(const Slot& s, int timer, int yellowAbove, int redAbove);
  void KLX_RuntimeCalcAlarmCalculateSignaling(const Slot& s, int timerKind, int timer);
  void KLX_RuntimeCalcAlarmWidgetBeepTelemetryTimer(int redMask, int yellowMask, bool isTimer, const Slot& s,
                                                    int timer);
  void KLX_RuntimeCalcAlarmEmitBeepAndVibrate(int tone, int length, bool timer, bool sound, bool vibrate);
  // The last nine seconds before a timer with a red limit stops: a beep each.
  void CountdownStep(int timer, int timerKind, int redMask);
  void AutoRescan(int address, bool captured, bool rescanAllowed);
  bool RecentSignal(uint16_t key);
  void ClearStates(const Slot& s);
  void VoiceAlarm(int index, int flightMode);
  int TeleStoreFlag(int flag, int value, int dir);
  int SwitchOutput(int vs) const;

  KLX_DataBaseManager* m_Db = nullptr;
  const KLX_FunctionalCalculation* m_Engine = nullptr;
  uint32_t m_CurrentTime = 0;
  uint32_t m_OwnSensorTime = 0;
  uint32_t m_RescanTime = 0;
  uint8_t m_RescanCount = 0;
  QString m_Sentence;
  int m_Blink = 0;
  int m_SignalType = 0;
  int m_YellowAbove = 0, m_YellowBelow = 0, m_RedAbove = 0, m_RedBelow = 0;
  uint64_t m_StatusMemory[16] = {};
  QMutex m_RecentMutex;
  QList<SlaElem_struct> m_Recent;
  int m_SlotValue = 0;
  int m_StopValue = 0;
  int m_LastCountdown[kTimers] = {};
  std::atomic<uint16_t> m_TimerRedMask{0};
  std::atomic<uint16_t> m_TimerYellowMask{0};
  float m_Current[kSensors][kValues] = {};
  float m_Previous[kSensors][kValues] = {};
  int m_Address = 0;
  int m_ValueIndex = 0;
  uint16_t m_Divider = 1;
  bool m_PassCaptured = false;
  bool m_PassRescanAllowed = false;

  std::atomic<int> m_Clears{0};
  std::atomic<int> m_TelemetryPasses{0};
  std::atomic<int> m_VoicePasses{0};
  std::atomic<int> m_LastFlightMode{0};
};
