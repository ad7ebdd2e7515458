#pragma once
// The alarm calculator of the timers-and-alarms thread (published as
// "TimersAlarms"), least form: it keeps the facade and counts the passes the
// thread asks of it; the telemetry alarms and the voice alarms it evaluates
// come with their issue.
#include <QObject>

#include <atomic>
#include <cstdint>

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"

class KLX_DataBaseManager;

class KLX_RuntimeCalcAlarm : public QObject {
  Q_OBJECT
 public:
  explicit KLX_RuntimeCalcAlarm(QObject* parent = nullptr) : QObject(parent) {}

  // Keeps the facade: KLX_Ok, or KLX_Error (reported) without one.
  int KLX_RuntimeCalcAlarmInitialize(KLX_DataBaseManager* db) {
    m_Db = db;
    if (db) return KLX_Ok;
    KLXErrorHandler.RegisterError(0x23302, QString());
    return KLX_Error;
  }
  void KLX_RuntimeCalcAlarmClearAll() { ++m_Clears; }
  void KLX_RuntimeCalcTelemetryAlarmsCalculate() { ++m_TelemetryPasses; }
  void KLX_RuntimeCalcAlarmCalculateVoiceAlarms(uint32_t tick, int flightMode) {
    m_LastTick = tick;
    m_LastFlightMode = flightMode;
    ++m_VoicePasses;
  }

  // What the thread asked (tests, diagnostics).
  int Clears() const { return m_Clears; }
  int TelemetryPasses() const { return m_TelemetryPasses; }
  int VoicePasses() const { return m_VoicePasses; }
  uint32_t LastTick() const { return m_LastTick; }
  int LastFlightMode() const { return m_LastFlightMode; }

 signals:
  void alarmAlert(int pageNum, int widgNum, bool yelred);

 private:
  KLX_DataBaseManager* m_Db = nullptr;
  std::atomic<int> m_Clears{0};
  std::atomic<int> m_TelemetryPasses{0};
  std::atomic<int> m_VoicePasses{0};
  std::atomic<uint32_t> m_LastTick{0};
  std::atomic<int> m_LastFlightMode{0};
};
