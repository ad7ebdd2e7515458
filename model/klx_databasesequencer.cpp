// The facade's sequencer operations, the sequencer data lock the engine
// brackets its sequencer step with, and the sequencer state requests.
#include "frame/klx_databasevalues.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"

QMutex KLX_DataBaseManager::m_sequencermutex;

namespace {
constexpr unsigned kErrSequencerName = 0x51003;
constexpr int kStateRequest = 244;
}  // namespace

int KLX_DataBaseManager::SequencerMarked(int index, int result) {
  if (result > KLX_Error) MarkUnit(KLX_UnitKind::Sequencer, index, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerGetSet_IsUsed(int index, int isused, int dir, bool update) {
  if (!m_Sequencer) return KLX_Error;
  if (dir) return m_Sequencer->KLX_SequencerGetSet_IsUsedMode(index, isused, 1, false);
  int result;
  {
    // The engine changes the mode byte under the same lock.
    QMutexLocker lock(&m_sequencermutex);
    result = m_Sequencer->KLX_SequencerGetSet_IsUsedMode(index, isused, 0, update);
  }
  return SequencerMarked(index, result);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerGetSet_Control(int index, int control, int dir, bool update) {
  if (!m_Sequencer) return KLX_Error;
  const int result = m_Sequencer->KLX_SequencerGetSet_Control(index, control, dir, update);
  return dir ? result : SequencerMarked(index, result);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerGetSet_Threshold(int index, bool above, int thresValue, int dir,
                                                                     bool update) {
  if (!m_Sequencer) return KLX_Error;
  const int result = m_Sequencer->KLX_SequencerGetSet_Threshold(index, above, thresValue, dir, update);
  // A threshold is model data like every other field: the engine copies it
  // and the model file keeps it.
  return dir ? result : SequencerMarked(index, result);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerGetSet_Servo(int index, int output_idx, int servo, int dir,
                                                                 bool update) {
  if (!m_Sequencer) return KLX_Error;
  const int result = m_Sequencer->KLX_SequencerGetSet_Servo(index, output_idx, servo, dir, update);
  return dir ? result : SequencerMarked(index, result);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerGetSet_TimePoint(int index, int output_idx, int direction_idx,
                                                                     int point_idx, int time, int dir, bool update) {
  if (!m_Sequencer) return KLX_Error;
  const int result =
      m_Sequencer->KLX_SequencerGetSet_TimePoint(index, output_idx, direction_idx, point_idx, time, dir, update);
  return dir ? result : SequencerMarked(index, result);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerGetSet_SrvPosition(int index, int output_idx, int direction_idx,
                                                                       int point_idx, int position, int dir,
                                                                       bool update) {
  if (!m_Sequencer) return KLX_Error;
  const int result = m_Sequencer->KLX_SequencerGetSet_ServoWaypoint(index, output_idx, direction_idx, point_idx,
                                                                    position, dir, update);
  return dir ? result : SequencerMarked(index, result);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerClear_Servo(int index, int output_idx, bool update) {
  if (!m_Sequencer) return KLX_Error;
  return SequencerMarked(index, m_Sequencer->KLX_SequencerClear_Servo(index, output_idx, update));
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerSet_ServoStartEndRange(int index, int output_idx) {
  if (!m_Sequencer) return KLX_Error;
  return SequencerMarked(index, m_Sequencer->KLX_SequencerSet_ServoStartEndRange(index, output_idx));
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerToggleLoopMode(int index) {
  if (!m_Sequencer) return KLX_Error;
  int result;
  {
    QMutexLocker lock(&m_sequencermutex);
    result = m_Sequencer->KLX_SequencerToggle_LoopModeFlag(index);
  }
  return SequencerMarked(index, result);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerGetLoopModeFlag(int index) {
  return m_Sequencer ? m_Sequencer->KLX_SequencerGet_LoopModeFlag(index) : KLX_Error;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerSequencerGet_ServoList(int index, bool pureIdx) {
  return m_Sequencer ? m_Sequencer->KLX_SequencerGet_ServoList(index, pureIdx) : QString();
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerGetFirstFreeChnl(int index) {
  if (!m_Sequencer || index < 0 || index > 255) return KLX_Error;
  return m_Sequencer->KLX_SequencerGetFirstFreeServoChannel(static_cast<unsigned char>(index));
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerGetNumber() {
  return m_Sequencer ? m_Sequencer->KLX_SequencerGetNumber() : KLX_Error;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerSequencerGetSet_Name(int index, QString setname, int dir, bool) {
  return ModelName(KLX_UnitKind::Sequencer, m_Sequencer, kErrSequencerName, index, setname, dir);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerRequestCurrentInfo(int index) {
  if (!m_Sequencer || !m_Protocol || m_Sequencer->KLX_SequencerGetSet_IsUsedMode(index, 0, 1, false) <= 0)
    return KLX_Error;
  const char data = static_cast<char>(index);
  const int sent = m_Protocol->KLX_ProtocolSendMessage(1, &data, kStateRequest, 3);
  return sent == KLX_Ok ? index : sent;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerSet_UsedMode(int index, int mode) {
  if (!m_Sequencer) return KLX_Error;
  return SequencerMarked(index, m_Sequencer->KLX_SequencerGetSet_IsUsedMode(index, mode, 0, false));
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerSynchronize(unsigned char index) {
  return m_Sequencer ? m_Sequencer->KLX_SequencerSynronize(index) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerClear(int index) {
  if (m_Sequencer) m_Sequencer->KLX_SequencerDelete(index);
  MarkUnit(KLX_UnitKind::Sequencer, index, true);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerClear(T_Sequencer* records) {
  if (!m_Sequencer) return KLX_Error;
  for (unsigned char n = 0; n < KL_MAX_SEQUENCERS; ++n) m_Sequencer->KLX_SequencerSetToDefaultValues(n, records);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerClearAll() {
  if (m_Sequencer) m_Sequencer->KLX_SequencerClearAll();
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerGetNextFreeIndex() {
  return m_Sequencer ? m_Sequencer->KLX_SequencerGetNextFreeIndex() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerSet_SequencerUnit(int index, T_Sequencer* records) {
  if (!m_Sequencer) return KLX_Error;
  const int result = m_Sequencer->KLX_SequencerSet_SequencerUnit(index, records);
  return result == KLX_Ok ? SequencerMarked(index, result) : result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSequencerCopySingleUnit(int index, T_Sequencer* records) {
  return m_Sequencer ? m_Sequencer->KLX_SequencerCopySingleUnit(index, records) : KLX_Error;
}

// ---- The sequencer data lock ----------------------------------------------------------

void KLX_DataBaseManager::KLX_DataBaseManagerSequencerDataLock() { m_sequencermutex.lock(); }

void KLX_DataBaseManager::KLX_DataBaseManagerSequencerDataUnLock() { m_sequencermutex.unlock(); }

void KLX_DataBaseManager::KLX_DataBaseManagerSequencerDataSyncronize(const T_SetupData* setup) {
  KLX_DataBaseManager* db = m_MySelf;
  if (!db || !setup) return;
  for (int q = 0; q < kl_engine_cfg_count(EngineCfgSequencers); ++q)
    db->KLX_DataBaseManagerSequencerSet_UsedMode(q, setup->Sequencer[q].IsUsed);
}
