#pragma once
// The voice alarms of the model: the table of records with their defaults,
// and the decision, per alarm and tick, whether and what to speak. A voice
// alarm speaks a telemetry value, a timer, the flight mode or a fixed text,
// always or while a control stands beyond a hysteresis window, repeated after
// a value step or a time step.
#include <QMutex>
#include <QString>

#include <cstdint>

#include "frame/klx_databasevalues.h"

class KLX_DataBaseManager;
class KLX_ComplexTimer;

struct T_VoiceAlarm {
  uint8_t typeMode = 192;  // bits 0-5 the type, bits 6-7 the mode; 192: free
  QString voiceParams;     // language, a tab, voice name
  uint16_t activator = 0;
  int16_t hystAbove = 20;
  int16_t hystBelow = -20;
  int16_t lastValue = -32768;
  int16_t valueStep = 0;
  uint16_t timeStep = 0;
  uint32_t lastTime = 0;
  uint16_t teleMain = 4;
  uint16_t teleSlave = 0;
  uint8_t valueStepDecPoint = 0;
  uint8_t lastDecPoint = 0;
  uint8_t timerId = 255;
  uint8_t individualBits = 0;
};

class KLX_VoiceAlarm {
 public:
  static constexpr int kAlarms = 64;
  static constexpr int kMessageSize = 512;
  static constexpr int kStatusSize = 16;
  // Decimal points of values that are no number: a status text, no sensor.
  static constexpr int kDecPointStatus = 253;
  static constexpr int kDecPointOffline = 254;
  // The decision: bits 0-3 the timer, bits 4-7 the type, and beside them
  // whether to speak and whether a controlled alarm just switched off (kept
  // apart from the type: an individual alarm's type 8 fills bit 7).
  static constexpr int kDecisionSpeaks = 0x200;
  static constexpr int kDecisionSwitchedOff = 0x100;
  static int DecisionType(int decision) { return (decision >> 4) & 0x0F; }
  static int DecisionTimer(int decision) { return decision & 0x0F; }

  KLX_VoiceAlarm();
  ~KLX_VoiceAlarm();

  int KLX_VoiceAlarmInitialize(KLX_DataBaseManager* db, KLX_ComplexTimer* timers);
  // Record 0 the flight-mode alarm, the others empty, texts and states gone.
  void KLX_VoiceAlarmClearAll();
  int Clears() const { return m_Clears; }
  int KLX_VoiceAlarmClear(int index);

  // A copy of a record; the empty alarm (and a report) for a bad index.
  T_VoiceAlarm KLX_VoiceAlarm_GetVAlarmParams(int index) const;
  // Stores a whole record and re-arms it: its index, or -70010 (and a
  // report) for a bad index or record.
  int KLX_VoiceAlarm_SetVAlarmParams(int index, const T_VoiceAlarm& record, bool mark);
  int KLX_VoiceAlarm_SetToDefaultValues(T_VoiceAlarm* record);
  int KLX_VoiceAlarm_SetEmptyAlarm(T_VoiceAlarm* record) { return KLX_VoiceAlarm_SetToDefaultValues(record); }
  int KLX_VoiceAlarm_GetNextFree() const;

  int KLX_VoiceAlarm_SetStaticMessageByAlrmIdx(int index, const QByteArray& text, bool mark);
  // The stored text; empty for a bad index (reported).
  QByteArray KLX_VoiceAlarm_GetStaticMessageByAlrmIdx(int index) const;
  void KLX_VoiceAlarmStoreStatusValue(int index, const QByteArray& text);
  char KLX_VoiceAlarmSetDecimalSeparator(char separator);
  int KLX_VoiceAlarmReplace_ActivatorAll(int oldId, int newId);
  void AlarmSwitchOff(int index);
  void KLX_VoiceAlarmAlarmForceSwitchOff(int index) { AlarmSwitchOff(index); }
  int getVAmode(int index) const;
  QByteArray KLX_VoiceAlarm_GetOutputMessage() const;

  // Whether alarm `index` speaks now: 0 silent, else a decision as above.
  int KLX_VoiceAlarm_isAlarmOn(int index, int control, int value, int decPoint, uint32_t tick,
                               const QByteArray& status);
  // Sign or blank, the digits with the separator before the last decPoint
  // of them; empty for a decimal point of 5 or more.
  QByteArray integer2string(int value, int decPoint) const;

  static T_VoiceAlarm EmptyAlarm() { return T_VoiceAlarm(); }
  static T_VoiceAlarm FMAlarm();
  static int GetDecimalDevider(int decPoint);
  // The types that speak a telemetry value as a number.
  static bool IsNumberType(int type);

 private:
  bool IndexOk(int index) const;
  void Reset();
  void Rearm(int index);
  bool Speaks(int index, const T_VoiceAlarm& a, int value, int decPoint, uint32_t tick, const QByteArray& status,
              bool switchedOn);

  KLX_DataBaseManager* m_Db = nullptr;
  KLX_ComplexTimer* m_Timers = nullptr;
  // The evaluation (timers-and-alarms thread) and the accessors (GUI, model
  // file) share the records.
  mutable QMutex m_Mutex;
  T_VoiceAlarm m_Alarms[kAlarms];
  QByteArray m_StaticMessage[kAlarms];
  QByteArray m_Status[kAlarms];
  float m_ValueStepFloat[kAlarms] = {};
  float m_LastFloat[kAlarms] = {};
  // Re-armed since the last announcement: the next decision speaks.
  bool m_Armed[kAlarms] = {};
  // Controlled alarms that are on, bit n alarm n (all 64 of the table).
  uint64_t m_OnMask = 0;
  QByteArray m_Output;
  char m_Separator = '.';
  int m_Clears = 0;
};
