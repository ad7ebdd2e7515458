#pragma once
// The model's eight complex timers and their alarms: every field's door with
// its index check and clamp, the texts the screens and the speech read, the
// tick, and the alarm outputs of one tick for the facade to hand out.
//
// Locks, in the order they are taken: the data lock (set-to-default, alarm
// deletion, stored value, keep-last-value flag, recalculation) or the
// outputs lock (the tick), then a timer's own mutex, then the display lock
// (the shown time the texts read).
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <cstdint>

#include "frame/klx_basedatabase.h"
#include "timers/ccomplextimer.h"

// The roles of a timer's controls.
enum E_TimerStatuses { TimerStatusStart = 1, TimerStatusStop = 2, TimerStatusReset = 3 };

class KLX_ComplexTimer : public QObject, public KLX_BaseClassDatabase {
  Q_OBJECT
 public:
  static constexpr int kTimers = 8;
  static constexpr int kAlarms = CComplexTimer::kAlarms;
  // Spoken per tick at most; the newest are kept.
  static constexpr int kMessagesPerTick = 32;

  explicit KLX_ComplexTimer(QObject* parent = nullptr);
  ~KLX_ComplexTimer() override;

  int KLX_ComplexTimerInitialize();
  void KLX_ComplexTimerClearAll();

  // Setters (get 0) clamp and answer the value now held; a failed index
  // check is reported (0x53D00 + the operation's number) and answered with
  // -70010 (a text with the empty text).
  int KLX_ComplexTimerGetSet_IsUsed(int timer, int value, int get);
  QString KLX_ComplexTimerGetSet_Name(int timer, const QString& name, int get);
  int KLX_ComplexTimerGetSet_Hour(int timer, bool start, int value, int get);
  int KLX_ComplexTimerGetSet_Min_Sec(int timer, bool start, bool seconds, int value, int get);
  // role: E_TimerStatuses; the control may be null (nothing connected).
  int KLX_ComplexTimerGetSet_Control(int timer, int role, int id, CControl* control, int get);
  int KLX_ComplexTimerGetSet_StoredValue(int timer, int value, int mode);
  int KLX_ComplexTimerGetSet_LastValueKeep(int timer, int value, int get);
  int KLX_ComplexTimerGet_State(int timer);
  int KLX_ComplexTimerGet_CountDownFlag(int timer);
  int KLX_ComplexTimerGetActualTimeSecond(int timer);
  QString KLX_ComplexTimerGet_ActualTimeString(int timer, bool hours);
  int KLX_ComplexTimerGet_ActualTimeChars(int timer, char* buffer, int size);
  // The whole seconds shown, without the sign.
  int KLX_ComplexTimerGetActualWholeSeconds(int timer);

  int KLX_ComplexTimerGetSet_AlarmType(int timer, int alarm, int value, int get);
  int KLX_ComplexTimerGetSet_MessageFlag(int timer, int alarm, int flag, int get);
  int KLX_ComplexTimerGetSet_AlarmControl(int timer, int alarm, int id, int get);
  int KLX_ComplexTimerGetSet_BeepTone(int timer, int alarm, int value, int get);
  int KLX_ComplexTimerGetSet_Interval(int timer, int alarm, int value, int get);
  int KLX_ComplexTimerGetSet_Alarm_Hour(int timer, int alarm, bool start, int value, int get);
  int KLX_ComplexTimerGetSet_Alarm_Min_Sec(int timer, int alarm, bool start, bool seconds, int value, int get);
  int KLX_ComplexTimerGet_AlarmStartStopEqual(int timer, int alarm, int get);
  QString KLX_ComplexTimerGetSet_AlarmMessage(int timer, int alarm, const QString& text, int get);
  int KLX_ComplexTimerGetSet_AlarmVoice(int timer, int alarm, bool text, int voice, int get);
  // The four speech texts; a bad index changes nothing and answers the empty text.
  QString KLX_ComplexTimerGetSet_Alarm_ValueVoice(int timer, int alarm, const QString& text, int get);
  QString KLX_ComplexTimerGetSet_Alarm_ValueLang(int timer, int alarm, const QString& text, int get);
  QString KLX_ComplexTimerGetSet_Alarm_TextVoice(int timer, int alarm, const QString& text, int get);
  QString KLX_ComplexTimerGetSet_Alarm_TextLang(int timer, int alarm, const QString& text, int get);
  // A copy of an alarm (the default one for a bad index).
  CmplxAlarm_struct KLX_ComplexTimerGetAlarm(int timer, int alarm) const;
  int KLX_ComplexTimer_AlarmDelete(int timer, int alarm);
  QString KLX_ComplexTimerGet_AlarmTimeRange(int timer, int alarm);
  int KLX_ComplexTimerGetNextAlarmFreeIndex(int timer);
  int KLX_ComplexTimerLoadTime(int timer, bool end, const HMStime_struct& time);
  int KLX_ComplexTimerLoadAlarmTime(int timer, int alarm, bool end, const HMStime_struct& time);
  int KLX_ComplexTimerGetNumber();
  int KLX_ComplexTimerGetNextFreeIndex();
  int KLX_ComplexTimerNeedAnyTimerLastValueDump();
  int KLX_ComplexTimerDelete(int timer);
  int KLX_ComplexTimerSetToDefaultValues(CComplexTimer* timer);

  // The tick of one timer, and the tick's outputs handed out.
  void KLX_ComplexTimerCalculate(int timer, int dt);
  void KLX_ComplexTimerGetAllAlarmSignals(uint8_t* alarmSignals, uint16_t* tone);
  QList<VoiceMsg_struct> KLX_ComplexTimerTakeAlarmMessages();

 private:
  bool Check(int n, const int* timer, const int* alarm = nullptr, const int* voice = nullptr);
  bool Valid(int timer, int alarm = 0) const;
  void Recalc(int timer, int which);
  // A loaded time held to the parts the screens can set (hours 0-499,
  // minutes and seconds 0-59): a file's hours reach 32767, whose
  // milliseconds would not fit the timer's 32 bits.
  HMStime_struct ScreenTime(HMStime_struct time) const;
  int TimerCount() const;
  QString TimeText(const HMStime_struct& t, bool hours) const;
  template <typename F>
  QString SpeechText(int timer, int alarm, const QString& text, int get, F field);

  BorderData_T m_Border;
  CComplexTimer m_Timer[kTimers];
  QMutex m_DataLock;
  QMutex m_DisplayLock;
  QMutex m_OutputLock;
  uint8_t m_Signals = 0;
  uint16_t m_Tone = 0;
  QList<VoiceMsg_struct> m_Messages;
};
