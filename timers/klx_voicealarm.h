#pragma once
// The voice alarms of the model, least form: the table of records with their
// defaults, read and written whole by index; the speech accessors keep a
// record's voice, timer and individual bits in it. Their evaluation comes
// with the alarms.
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

  KLX_VoiceAlarm() { Reset(); }

  int KLX_VoiceAlarmInitialize(const KLX_DataBaseManager* db, const KLX_ComplexTimer* timers) {
    return db && timers ? KLX_Ok : KLX_Error;
  }
  // Record 0 the flight-mode alarm, the others empty.
  void KLX_VoiceAlarmClearAll();
  int Clears() const { return m_Clears; }

  // A copy of a record; the empty alarm (and a report) for a bad index.
  T_VoiceAlarm KLX_VoiceAlarm_GetVAlarmParams(int index) const;
  // Stores a whole record: its index, or -70010 (and a report) for a bad
  // index or record.
  int KLX_VoiceAlarm_SetVAlarmParams(int index, const T_VoiceAlarm& record, bool mark);

  static T_VoiceAlarm EmptyAlarm() { return T_VoiceAlarm(); }
  static T_VoiceAlarm FMAlarm();

 private:
  void Reset();
  mutable QMutex m_Mutex;
  T_VoiceAlarm m_Alarms[kAlarms];
  int m_Clears = 0;
};
