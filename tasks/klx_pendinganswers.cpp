#include "tasks/klx_pendinganswers.h"

bool KLX_AnswerKey::Fits(const TaskUpdate_Data_T& update) const {
  if (IsNone() || update.updateKind != KLX_UPDATE_KIND_TRANSCEIVER || update.para != 1) return false;
  const bool counted = update.data[2] != 0 || update.data[3] != 0;
  if ((form == kControlForm && counted) || (form == kUnitForm && !counted)) return false;
  return update.data[0] == code && (first == kAny || update.data[1] == first) &&
         (second == kAny || update.data[2] == second);
}

void KLX_PendingAnswers::NewRun() {
  ++m_Run;
  for (int i = 0; i < m_Count;)
    if (m_Run - m_Entries[i].run > 1)
      Remove(i);
    else
      ++i;
}

void KLX_PendingAnswers::Asked(const KLX_AnswerKey& key) {
  if (m_Count == kKept) Remove(0);
  m_Entries[m_Count++] = {key, m_Run, false};
}

void KLX_PendingAnswers::Late(const KLX_AnswerKey& key) {
  for (int i = 0; i < m_Count; ++i)
    if (m_Entries[i].run == m_Run && m_Entries[i].key == key) m_Entries[i].late = true;
}

bool KLX_PendingAnswers::LateOwed() const {
  for (int i = 0; i < m_Count; ++i)
    if (m_Entries[i].run == m_Run && m_Entries[i].late) return true;
  return false;
}

bool KLX_PendingAnswers::PassOver(const TaskUpdate_Data_T& update, const KLX_AnswerKey& awaited) {
  if (awaited.Fits(update)) {
    for (int i = m_Count - 1; i >= 0; --i)
      if (m_Entries[i].key == awaited) {
        Remove(i);
        break;
      }
    return false;
  }
  for (int i = 0; i < m_Count; ++i)
    if (m_Entries[i].key.Fits(update)) {
      Remove(i);
      return true;
    }
  return false;
}

void KLX_PendingAnswers::Remove(int at) {
  for (int i = at; i + 1 < m_Count; ++i) m_Entries[i] = m_Entries[i + 1];
  --m_Count;
}
