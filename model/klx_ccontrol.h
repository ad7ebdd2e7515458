#pragma once
// A published control: the engine thread writes the value of one control id
// every cycle, and subscribers in other threads (timers, announcement lists,
// the head-up window) learn of changes through queued signals.
#include <QMetaType>
#include <QObject>

#include <atomic>
#include <cstdint>

#include "frame/klx_controlids.h"

// The control value as it crosses threads in queued connections (registered
// under its own name as an alias of the 16-bit integer).
typedef int16_t CControlVal;

// The stick controller's channel of a physical control id (0..21), 255 for
// any other id (trims, tip switches, non-physical ids).
int KLX_StickControlIndex(int id);

class CControl : public QObject {
  Q_OBJECT
 public:
  static constexpr int16_t kNoValue = -2048;
  static constexpr int16_t kEnabled = 2047;

  explicit CControl(QObject* parent = nullptr);

  // No control and the unassigned id only silence the control; a new real id drops every
  // subscriber (they connect again for the new id) and restarts from no value.
  void SetID(unsigned short id);
  void SetValue(short value);

  unsigned short ID() const { return m_Id; }
  short Value() const { return m_Value; }
  bool IsActive() const { return m_Active; }

 signals:
  void OnValueChanged(CControlVal value);
  void OnEnabled();
  void OnDisabled();

 private:
  static bool IsRealId(unsigned short id) { return id != CONTROLID_None_GUI && id != CONTROLID_Invalid_GUI; }

  // Written by the engine thread only; read by subscribers on any thread (a
  // new subscriber takes the current value at once).
  std::atomic<unsigned short> m_Id{CONTROLID_Invalid_GUI};
  std::atomic<int16_t> m_Value{kNoValue};
  std::atomic<bool> m_Active{false};
};
