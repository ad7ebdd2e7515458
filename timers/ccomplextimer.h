#pragma once
// One complex timer with its seven alarms. It counts from a start time
// towards an end time (down when the start is later), is started, stopped
// and reset by virtual switches, and on each tick while it runs its alarms
// ask for beeps, vibration and spoken texts, collected in the owner's
// outputs of the tick. KLX_ComplexTimer owns eight and is their only door.
#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <cstdint>

#include "model/klx_ccontrol.h"

// A time split in parts; every part carries the sign of a negative time.
struct HMStime_struct {
  int32_t hours = 0;
  int8_t minutes = 0;
  int8_t seconds = 0;
  bool operator==(const HMStime_struct& o) const {
    return hours == o.hours && minutes == o.minutes && seconds == o.seconds;
  }
  bool operator!=(const HMStime_struct& o) const { return !(*this == o); }
  // (hours x 3600 + minutes x 60 + seconds) x 1000
  int32_t Milliseconds() const { return (hours * 3600 + minutes * 60 + seconds) * 1000; }
};

// A text to speak, with the voice it asks for.
struct VoiceMsg_struct {
  QString text;
  uint8_t voiceIndex = 255;
  QString language;
  QString voice;
};

struct CmplxAlarm_struct {
  static constexpr int kMessageBytes = 512;
  // Bits 0-2: alarm number + 1 while in use; bit 3 beep; bit 4 vibration;
  // bits 5-6 the time spoken (32 short, 64 long, 96 long after the timer's
  // name); bit 7 the message spoken.
  uint8_t type = 0;
  HMStime_struct start;
  HMStime_struct end;
  // Bits 0-12 the beep tone (bits 0-9 reach the beeper), bit 12 the long beep.
  uint16_t tone = 1000;
  int32_t interval = 10;  // s
  QByteArray message;     // UTF-8, below kMessageBytes
  uint16_t control = 65535;
  uint8_t valueVoiceIndex = 255;
  uint8_t textVoiceIndex = 255;
  int32_t lastSecond = 0;
  QString valueLanguage = QStringLiteral("None");
  QString valueVoice = QStringLiteral("None");
  QString textLanguage = QStringLiteral("None");
  QString textVoice = QStringLiteral("None");
  int32_t startValue = 0;  // ms
  int32_t endValue = 0;

  void Clear() { *this = CmplxAlarm_struct(); }
  bool IsUsed() const { return (type & 7) != 0; }
};

class CComplexTimer : public QObject {
  Q_OBJECT
 public:
  enum E_State { Running = 1, Stopped = 2, Reset = 3 };
  static constexpr int kAlarms = 7;
  static constexpr uint8_t kRestartAlarms = 0x80;
  static constexpr int kNameBytes = 46;

  explicit CComplexTimer(QObject* parent = nullptr);

  // The owner's lock of the shown time.
  void SetDisplayLock(QMutex* lock) { m_DisplayLock = lock; }

  // Controls disconnected and every field at its default.
  void Clear();
  // Disconnect the role's old control, keep the id and the new control,
  // and take its value at once.
  void StartControlSet(uint16_t id, CControl* control);
  void StopControlSet(uint16_t id, CControl* control);
  void ResetControlSet(uint16_t id, CControl* control);

  // The tick: a running timer's alarms on the value before the step, then
  // the step; a stopped one only refreshes its time. Takes the mutex.
  void UpdateTime(int dt, uint8_t* alarmSignals, QList<VoiceMsg_struct>* messages, uint16_t* tone);
  // The current value split; copied to the shown time under the display lock.
  void UpdateActualTime();
  void ActualTimeLocked();  // m_Mutex held
  // The alarms of one tick (mutex held).
  void AlarmsCalculate(uint8_t* alarmSignals, QList<VoiceMsg_struct>* messages, uint16_t* tone);
  // What an alarm speaks of the actual time.
  QString AlarmSpokenTime(const CmplxAlarm_struct& alarm) const;

  // ---- The fields; the owner reads and writes them under m_Mutex ----
  mutable QMutex m_Mutex;
  uint8_t m_IsUsed = 0;
  uint8_t m_State = Stopped;
  uint16_t m_ControlId[3] = {65535, 65535, 65535};
  HMStime_struct m_Start;
  HMStime_struct m_End;
  HMStime_struct m_Actual;
  HMStime_struct m_Shown;  // under the display lock
  int32_t m_Stored = 0;
  int32_t m_Current = 0;
  int32_t m_WholeSeconds = 0;
  uint8_t m_LastValueKeep = 0;
  CmplxAlarm_struct m_Alarm[kAlarms];
  uint8_t m_AlarmFlags = kRestartAlarms;
  QByteArray m_Name = QByteArrayLiteral("timer");
  int32_t m_StartValue = 0;
  int32_t m_EndValue = 0;

 public slots:
  void OnStartControlChanged(CControlVal value);
  void OnStopControlChanged(CControlVal value);
  void OnResetControlChanged(CControlVal value);

 private:
  enum Role { RoleStart, RoleStop, RoleReset, RoleCount };
  static void (CComplexTimer::*const kSlots[RoleCount])(CControlVal);
  void ControlSet(Role role, uint16_t id, CControl* control);
  void UpdateState();

  QMutex* m_DisplayLock = nullptr;
  // Guarded: a control that goes away leaves no dangling pointer behind.
  QPointer<CControl> m_Control[RoleCount];
  std::atomic<int16_t> m_Last[RoleCount];
};
