#include "model/klx_ccontrol.h"

CControl::CControl(QObject* parent) : QObject(parent) {
  // Once per process, before the first queued connection needs the type.
  static const int registered = qRegisterMetaType<CControlVal>("CControlVal");
  Q_UNUSED(registered);
}

void CControl::SetID(unsigned short id) {
  if (!IsRealId(id)) {
    m_Active = false;
    return;
  }
  if (id != m_Id) {
    if (IsRealId(m_Id)) disconnect(this, nullptr, nullptr, nullptr);
    m_Id = id;
    m_Value = kNoValue;
  }
  m_Active = true;
}

void CControl::SetValue(short value) {
  if (!m_Active || value == m_Value) return;
  const bool wasEnabled = m_Value == kEnabled;
  m_Value = value;
  emit OnValueChanged(value);
  const bool isEnabled = value == kEnabled;
  if (wasEnabled == isEnabled) return;
  if (isEnabled)
    emit OnEnabled();
  else
    emit OnDisabled();
}
