#include "model/klx_mixer.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"

const KLX_Field KLX_Mixer::kFields[KLX_MixerRow::Count] = {KLX_MIXER_FIELDS(KLX_FIELD_DESC)};

#define KLX_MIXER_STORE_DEF(S, F, SS, ...) KLX_STORE_DEF_##SS(KLX_Mixer, KLX_MixerRow, S)
KLX_MIXER_FIELDS(KLX_MIXER_STORE_DEF)
#undef KLX_MIXER_STORE_DEF

KLX_Mixer::KLX_Mixer(QObject* parent)
    : QObject(parent), KLX_RecordArray(EngineCfgMixers, 65, kl_engine_init_mixer, "mixer") {
  SetBounds(kFields, KLX_MixerRow::Count, {KL_MAX_MIXERS, KL_MAX_FLIGHTMODES, 0, 0, 0});
  ResetAll();
}

int KLX_Mixer::KLX_MixerDelete(int index) { return DeleteUnit(index, 134657); }

int KLX_Mixer::KLX_MixerCopyUnit(int index, unsigned char* buffer) const {
  return CopyUnitImage(index, buffer, 69142, 331287);
}
