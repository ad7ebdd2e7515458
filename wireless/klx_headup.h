#pragma once
// The model's head-up item list: 24 slots, filled from slot 0 without gaps,
// each naming one value the glasses show (a telemetry value, a timer, a
// servo output or a placeholder row). QML and the head-up window read it on
// the main thread while a model load rebuilds it in the task engine thread:
// every operation holds the list's lock, and readers take copies.
#include <QMutex>
#include <QObject>

#include <cstdint>
#include <functional>

#include "frame/klx_databasevalues.h"

class CHeadupItem {
 public:
  static constexpr uint16_t kNone16 = 65535;
  static constexpr uint8_t kNoTimer = 17;

  void SetType(uint8_t type) {
    if (type == m_Type) return;
    ResetValues();
    m_Type = type;
  }
  void ResetValues() {
    m_Type = HeadupType_Empty;
    TeleMainAddr = TeleSlaveAddr = TeleServoIndex = kNone16;
    TimerIndexFlags = kNoTimer;
  }
  void SetTeleMainAddr(uint16_t v) { TeleMainAddr = v; }
  void SetTeleSlaveAddr(uint16_t v) { TeleSlaveAddr = v; }
  void SetTeleServoIndex(uint16_t v) { TeleServoIndex = v; }
  void SetDecPointStepValue(uint8_t v) { DecPointStepValue = v; }
  void SetTimerIndexFlags(uint8_t v) { TimerIndexFlags = v; }
  void SetIindividualFlags(uint8_t v) { IndividualFlags = v; }
  uint8_t Type() const { return m_Type; }

  uint16_t TeleMainAddr = kNone16;
  uint16_t TeleSlaveAddr = kNone16;
  uint16_t TeleServoIndex = kNone16;
  uint8_t DecPointStepValue = 0;
  uint8_t TimerIndexFlags = kNoTimer;
  uint8_t IndividualFlags = 0;

 private:
  uint8_t m_Type = HeadupType_Empty;
};

class KLX_Headup : public QObject {
  Q_OBJECT
 public:
  static constexpr int kSlots = 24;

  explicit KLX_Headup(QObject* parent = nullptr) : QObject(parent) {}
  ~KLX_Headup() override;

  bool CreateItem(E_HeadupType type);
  bool InsertItemAt(CHeadupItem* item, int slot);
  void DeleteItemAt(int slot);
  void DeleteItem(CHeadupItem* item);
  int CountItems() const;
  // The slot's item itself: only for a reader that no rebuild can overlap
  // (the model file writer); others take CopyItemAt.
  CHeadupItem* GetItemAt(int slot) const;
  // A copy of the slot's item; false for an empty slot or a bad index.
  bool CopyItemAt(int slot, CHeadupItem* out) const;
  // Runs change on the slot's item under the lock; false when there is none.
  bool ChangeItemAt(int slot, const std::function<void(CHeadupItem&)>& change);
  void ClearContainer();
  void InsertItem(CHeadupItem*) {}
  void SwapItems(int, int) {}

 signals:
  void headupSizeChanged(int size);

 private:
  int CountLocked() const;

  mutable QMutex m_Lock;
  CHeadupItem* m_Items[kSlots] = {};
};
