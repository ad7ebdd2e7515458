// What the engine thread asks of the facade beyond the stores: the sequencer
// hooks, and the preflight and vario-tone answers in least form until their
// subsystems come.
#include "frame/klx_databasevalues.h"
#include "frame/klx_languagehandler.h"
#include "model/klx_databasemanager.h"

void KLX_DataBaseManager::SetSequencerHooks() {
  kl_engine_set_sequencer_hooks(KLX_DataBaseManagerSequencerDataLock, KLX_DataBaseManagerSequencerDataUnLock,
                                KLX_DataBaseManagerSequencerDataSyncronize);
}

// ---- Least forms of the neighbours ------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerPreflightIsChecked() {
  // No preflight list yet: there is nothing to check.
  return 1;
}

bool KLX_DataBaseManager::KLX_DataBaseManagerPreflightGetSet_IsUsed(bool value, int get, bool modify) {
  if (!m_Preflight) return false;
  const bool used = m_Preflight->KLX_PreflightSettingsGetSet_IsUsed(value, get);
  if (!get && modify) KLX_DataBaseManagerSetModelModifyFlag(true);
  return used;
}

int KLX_DataBaseManager::KLX_DatabaseManagerPreflightSettingsCheck(const short*, const unsigned short*, int, int) {
  return 1;
}

void KLX_DataBaseManager::KLX_DataBaseManagerVarioBeep(int tone, uint16_t onMs, uint16_t offMs) {
  m_AudioHandler.KLX_AudioHandlerVarioBeep(unsigned(qMax(tone, 0)), onMs, offMs);
}

void KLX_DataBaseManager::KLX_DataBaseManagerVarioStopBeep() { m_AudioHandler.KLX_AudioHandlerBuzzer()->Enable(false); }

