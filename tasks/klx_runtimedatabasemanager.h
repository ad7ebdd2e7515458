#pragma once
// The runtime read-outs the screens poll (published as "RuntimeDatabase").
#include <QObject>

#include <atomic>
#include <cstdint>

#include "model/klx_ccontrol.h"
#include "model/klx_unitkind.h"
#include "timers/klx_runtimecalcalarm.h"

class KLX_DataBaseManager;
class KLX_Protocol;
class KLX_System;

class KLX_RuntimeDatabaseManager : public QObject {
  Q_OBJECT
 public:
  explicit KLX_RuntimeDatabaseManager(QObject* parent = nullptr) : QObject(parent) {}
  int KLX_RuntimeDatabaseManagerInitialize(KLX_DataBaseManager* db, KLX_Protocol* protocol,
                                           KLX_System* system) {
    m_Db = db;
    m_Protocol = protocol;
    m_System = system;
    return (db && protocol && system) ? 1 : -70000;
  }
  void KLX_RuntimeDatabaseManagerStartProcessing(bool reset);
  void KLX_RuntimeDatabaseManagerStopProcessing();
  bool KLX_RuntimeDatabaseManagerIsProcessing() const { return m_Processing; }
  int KLX_RuntimeDatabaseManagerStop() { m_Processing = false; return 1; }
  // The level of the power-button line seen at start (set when non-zero dir).
  int KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(int value, bool set) {
    if (set) m_PwrPinAtStart = value;
    return m_PwrPinAtStart;
  }
  KLX_RuntimeCalcAlarm* KLX_RuntimeDatabaseManagerGetRuntimeCalcPtr() { return &m_Calc; }

  // Marks: a marked unit is copied into the engine's set-up block on the
  // engine's next data pass, which clears the mark. An index outside the
  // kind's count is ignored. Until the engine thread comes the marks are
  // only recorded.
  int KLX_RuntimeDatabaseManagerMarkUnit(KLX_UnitKind kind, int index);
#define KLX_RUNTIME_MARK_DECL(name, entry, fixed) \
  int KLX_RuntimeDatabaseManagerMark##name(int index) { return KLX_RuntimeDatabaseManagerMarkUnit(KLX_UnitKind::name, index); }
  KLX_UNIT_KINDS(KLX_RUNTIME_MARK_DECL)
#undef KLX_RUNTIME_MARK_DECL
  int KLX_RuntimeDatabaseManagerMarkFlightmodeAss() { return KLX_RuntimeDatabaseManagerMarkFlightmodeAss(0); }
  int KLX_RuntimeDatabaseManagerMarkSpecialSwitch() { return KLX_RuntimeDatabaseManagerMarkSpecialSwitch(0); }
  bool KLX_RuntimeDatabaseManagerIsMarked(KLX_UnitKind kind, int index) const;
  // What the data pass does: reads and clears one mark.
  bool KLX_RuntimeDatabaseManagerTakeMark(KLX_UnitKind kind, int index);

  // The engine's read-outs the stores use (servo outputs, virtual-switch and
  // telemetry-control outputs) and its published controls.
  int KLX_RuntimeDatabaseManagerGetServoData(int servo) const;
  void KLX_RuntimeDatabaseManagerSetServoData(int servo, int value);
  int KLX_RuntimeDatabaseManagerGetVSOutputByVSId(int n) const;
  int KLX_RuntimeDatabaseManagerGetTelemetryControlOutput(int index, bool) const;
  // Restarts the system's inactivity timer when the system object is known.
  void KLX_RuntimeDatabaseManager_ResetInactivityTimer();
  static constexpr int kControlSlots = 176;
  CControl* KLX_RuntimeDatabaseManagerGetControl(int slot);
  CControl* KLX_RuntimeDatabaseManagerGetControlByID(unsigned short id);

 private:
  static constexpr int kMaxUnits = 255;
  std::atomic<uint8_t> m_Marks[static_cast<int>(KLX_UnitKind::Count)][kMaxUnits] = {};
  std::atomic<int> m_ServoData[26] = {};
  CControl m_Controls[kControlSlots];
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_Protocol* m_Protocol = nullptr;
  KLX_System* m_System = nullptr;
  std::atomic<int> m_PwrPinAtStart{0};
  std::atomic<bool> m_Processing{false};
  KLX_RuntimeCalcAlarm m_Calc;
};
