#pragma once
// A simple model timer: counts a millisecond value up or down from its start
// time towards (and past) its stop time while it runs. Three virtual
// switches (start, stop, reset), each a published control, drive its state;
// the timers-and-alarms thread advances it every tick. The facade holds
// eight; its accessors are the only road to them.
//
// Locks: the mutex guards the run state, the settings the tick reads and the
// name. The slots store the control's value (atomic) before they take it.
#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <cstdint>

#include "frame/klx_basedatabase.h"
#include "model/klx_ccontrol.h"

// The settings and run state of a simple timer.
struct T_Timer {
  uint8_t IsUsed;
  uint8_t AlarmFlag;
  uint8_t LastValueKeep;
  uint16_t StartSwitch;  // a virtual switch number; 128 none, 65535 disconnected
  uint16_t StopSwitch;
  uint16_t ResetSwitch;
  int16_t StartHour, StartMinute, StartSecond;
  int16_t StopHour, StopMinute, StopSecond;
  // The absolute current value split into hours, minutes and seconds.
  int16_t ActualHour, ActualMinute, ActualSecond;
  int32_t ValueStart;  // ms
  int32_t ValueStop;   // ms
  int32_t ValueCurrent;
  int32_t ValueStored;  // kept for the next model load
  int32_t State;        // 1 running, 2 stopped, 3 reset
};

class KLX_Timer : public QObject, public KLX_BaseClassDatabase {
  Q_OBJECT
 public:
  enum E_State { Running = 1, Stopped = 2, Reset = 3 };
  static constexpr int kNameBytes = 46;
  static constexpr uint16_t kNoSwitch = 128;
  static constexpr uint16_t kDisconnected = 65535;
  // 8:59:59, the farthest either way a timer counts.
  static constexpr int32_t kValueLimit = 32399000;
  static constexpr int32_t kStoredMax = 32400000;

  explicit KLX_Timer(QObject* parent = nullptr);
  ~KLX_Timer() override;

  // The name a timer keeps of a text: its well-formed UTF-8 cut on a whole
  // character to 46 bytes (the model file's reader stages names through it too).
  static QByteArray KLX_TimerNameBytes(const QString& text);

  // Every setter (get 0) answers the value now held; a get answers it.
  QString KLX_TimerGetSet_Name(const QString& name, int get);
  int KLX_TimerGetSet_IsUsed(int value, int get);
  int KLX_TimerGetSet_AlarmFlag(int value, int get);
  // Assigns the switch number and its control (null: none) to a role.
  int KLX_TimerGetSet_SwitchStartVirtSw(int number, CControl* control, int get);
  int KLX_TimerGetSet_SwitchStopVirtSw(int number, CControl* control, int get);
  int KLX_TimerGetSet_SwitchResetVirtSw(int number, CControl* control, int get);
  // Clamped, then the timer stands at its start time again (state kept).
  int KLX_TimerGetSet_StartTimeHour(int value, int get);
  int KLX_TimerGetSet_StartTimeMinute(int value, int get);
  int KLX_TimerGetSet_StartTimeSecond(int value, int get);
  int KLX_TimerGetSet_StopTimeHour(int value, int get);
  int KLX_TimerGetSet_StopTimeMinute(int value, int get);
  int KLX_TimerGetSet_StopTimeSecond(int value, int get);
  // The millisecond fields as they stand: no clamp, no recalculation.
  int KLX_TimerGetSet_ValueStart(int value, int get);
  int KLX_TimerGetSet_ValueStop(int value, int get);
  int KLX_TimerGetSet_ValueCurrent(int value, int get);
  // Mode 0 stores (clamped; a value not 0 also becomes the current value);
  // mode 3 first takes the running value when the timer keeps it.
  int KLX_TimerGetSet_StoredValue(int value, int mode);
  int KLX_TimerGetSet_LastValueKeep(int value, int get);
  int KLX_TimerNeedAnyTimerLastValueDump();

  // The record defaults (a null record is reported).
  static void KLX_TimerSetToDefaultValues(T_Timer* record);
  // Controls disconnected, name "timer", the record's defaults.
  void Clear();
  void SetCurrentTime(int32_t ms);
  void UpdateState();
  // One tick of dt milliseconds (a timer in use only).
  void KLX_TimerUpdate(int dt);
  int KLX_TimerCalculateRemainingTime(bool recalculate);
  bool KLX_TimerZeroDetection(int16_t h, int16_t m, int16_t s, int16_t ph, int16_t pm, int16_t ps);
  // A time as it is spoken (words of this class's translation context).
  static QString KLX_TimerHMStoString(int16_t h, int16_t m, int16_t s);
  // Appends the spoken current time to the zero-terminated text in the
  // buffer, cut (on a whole character) to fit with its zero in size bytes.
  void KLX_TimerGet_ActualTimeChars(char* buffer, int size);
  // The same append of any text.
  static void KLX_TimerAppendChars(char* buffer, int size, const QString& text);

  // Read-outs of the run state.
  int State() const;
  int ActualHour() const;
  int ActualMinute() const;
  int ActualSecond() const;
  // Hours, minutes and seconds shown, as seconds without the sign.
  int ActualWholeSeconds() const;
  bool IsNegative() const;
  T_Timer Record() const;

 public slots:
  void OnStartControlChanged(CControlVal value);
  void OnStopControlChanged(CControlVal value);
  void OnResetControlChanged(CControlVal value);

 private:
  enum Role { RoleStart, RoleStop, RoleReset, RoleCount };
  static void (KLX_Timer::*const kSlots[RoleCount])(CControlVal);
  int SwitchAssign(Role role, int number, CControl* control, int get);
  void Disconnect(Role role);
  int TimeField(int16_t T_Timer::*field, unsigned char element, int value, int get);
  void UpdateStateLocked();
  void RemainingTimeLocked(bool recalculate);
  void Reload();

  BorderData_T m_Border;
  T_Timer m_Data;
  bool m_Negative = false;
  bool m_FirstUpdate = true;
  QByteArray m_Name;
  mutable QMutex m_Mutex;
  // Guarded: a control that goes away leaves no dangling pointer behind.
  QPointer<CControl> m_Control[RoleCount];
  std::atomic<int16_t> m_Last[RoleCount];
};
