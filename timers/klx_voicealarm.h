#pragma once
// The voice alarms of the model, least form: created, initialised and
// cleared by the database facade.
#include "frame/klx_databasevalues.h"

class KLX_DataBaseManager;
class KLX_ComplexTimer;

class KLX_VoiceAlarm {
 public:
  int KLX_VoiceAlarmInitialize(const KLX_DataBaseManager* db, const KLX_ComplexTimer* timers) {
    return db && timers ? KLX_Ok : KLX_Error;
  }
  void KLX_VoiceAlarmClearAll() { ++m_Clears; }
  int Clears() const { return m_Clears; }

 private:
  int m_Clears = 0;
};
