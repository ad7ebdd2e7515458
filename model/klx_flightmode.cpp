#include "model/klx_flightmode.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "model/engine/kl_engine.h"

namespace {
// Error codes of module 0x0B that have no field row.
constexpr unsigned kErrDelete = 0x20B01;
constexpr unsigned kErrName = 0x50B03;
constexpr unsigned kErrDefaults = 0x50B08;
constexpr unsigned kErrImageIndex = 0x50B0A;
constexpr unsigned kErrImageBuffer = 0x10B0B;
}  // namespace

const KLX_Field KLX_Flightmode::kFields[KLX_FlightmodeRow::Count] = {KLX_FLIGHTMODE_FIELDS(KLX_FIELD_DESC)};

#define KLX_FLIGHTMODE_STORE_DEF(S, F, SS, ...) KLX_STORE_DEF_##SS(KLX_Flightmode, KLX_FlightmodeRow, S)
KLX_FLIGHTMODE_FIELDS(KLX_FLIGHTMODE_STORE_DEF)
#undef KLX_FLIGHTMODE_STORE_DEF

KLX_Flightmode::KLX_Flightmode(QObject* parent)
    : QObject(parent),
      KLX_RecordArray(EngineCfgFlightModes, 67, kl_engine_init_flightmode, "flightmode") {
  SetBounds(kFields, KLX_FlightmodeRow::Count, {KL_MAX_FLIGHTMODES, KL_MAX_FUNCTIONS, 0, 0, 0});
  KLX_FlightmodeClearAll();
}

QString KLX_Flightmode::KLX_FlightmodeGetSet_Name(int index, QString name, int get, bool) {
  return NameAccess(index, name, get != 0, kErrName);
}

int KLX_Flightmode::KLX_FlightmodeSetFunctionNum(int n) {
  // Every function of the board may be in use, so the count reaches the
  // board's function count itself.
  if (n < 0 || n > KLX_BoardCount(EngineCfgFunctions)) return KLX_Ok;
  int result = KLX_Ok;
  for (int i = 0; i < BoardCount(); ++i)
    if (IsUsed(i)) result = KLX_FlightmodeGetSet_FunctionNum(i, n, 0, true);
  return result;
}

void KLX_Flightmode::KLX_FlightmodeSetToDefaultValues(T_FlightMode* record) {
  if (!record) {
    KLXErrorHandler.RegisterError(kErrDefaults, QString());
    return;
  }
  Defaults(record, kl_engine_init_flightmode);
}

int KLX_Flightmode::KLX_FlightmodeDelete(int index) { return DeleteUnit(index, kErrDelete); }

void KLX_Flightmode::KLX_FlightmodeClearAll() {
  for (int i = 0; i < KL_MAX_FLIGHTMODES; ++i) KLX_FlightmodeDelete(i);
}

int KLX_Flightmode::KLX_FlightmodeCopyUnit(int index, unsigned char* buffer) const {
  return CopyUnitImage(index, buffer, kErrImageBuffer, kErrImageIndex);
}
