// What the engine thread asks of the facade beyond the stores: the sequencer
// hooks and the vario tone.
#include "frame/klx_databasevalues.h"
#include "frame/klx_languagehandler.h"
#include "model/klx_databasemanager.h"

void KLX_DataBaseManager::SetSequencerHooks() {
  kl_engine_set_sequencer_hooks(KLX_DataBaseManagerSequencerDataLock, KLX_DataBaseManagerSequencerDataUnLock,
                                KLX_DataBaseManagerSequencerDataSyncronize);
}

// ---- The vario tone -------------------------------------------------------------------

void KLX_DataBaseManager::KLX_DataBaseManagerVarioBeep(int tone, uint16_t onMs, uint16_t offMs) {
  m_AudioHandler.KLX_AudioHandlerVarioBeep(unsigned(qMax(tone, 0)), onMs, offMs);
}

void KLX_DataBaseManager::KLX_DataBaseManagerVarioStopBeep() { m_AudioHandler.KLX_AudioHandlerBuzzer()->Enable(false); }

