#include "model/klx_limiter.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"

namespace {
constexpr unsigned kErrName = 0x50D04;
constexpr unsigned kErrDefaults = 0x50D10;
constexpr unsigned kErrImageIndex = 0x50D13;
constexpr unsigned kErrImageBuffer = 0x10D12;
constexpr unsigned kErrDelete = 0x20D01;
}  // namespace

const KLX_Field KLX_Limiter::kFields[KLX_LimiterRow::Count] = {KLX_LIMITER_FIELDS(KLX_FIELD_DESC)};

#define KLX_LIMITER_STORE_DEF(S, F, SS, ...) KLX_STORE_DEF_##SS(KLX_Limiter, KLX_LimiterRow, S)
KLX_LIMITER_FIELDS(KLX_LIMITER_STORE_DEF)
#undef KLX_LIMITER_STORE_DEF

KLX_Limiter::KLX_Limiter(QObject* parent)
    : QObject(parent), KLX_RecordArray(EngineCfgLimiters, 66, kl_engine_init_limiter, "limiter") {
  SetBounds(kFields, KLX_LimiterRow::Count, {KL_MAX_LIMITERS, KL_MAX_FLIGHTMODES, 0, 0, 0});
  KLX_LimiterClearAll();
}

QString KLX_Limiter::KLX_LimiterGetSet_Name(int idx, QString name, int get, bool) {
  return NameAccess(idx, name, get != 0, kErrName);
}

void KLX_Limiter::KLX_LimiterSetToDefaultValues(T_Limiter* record) {
  if (!record) {
    KLXErrorHandler.RegisterError(kErrDefaults, QString());
    return;
  }
  Defaults(record, kl_engine_init_limiter);
}

int KLX_Limiter::KLX_LimiterDelete(int idx) { return DeleteUnit(idx, kErrDelete); }

int KLX_Limiter::KLX_LimiterCopyUnit(int idx, unsigned char* buffer) const {
  return CopyUnitImage(idx, buffer, kErrImageBuffer, kErrImageIndex);
}
