#include "model/klx_curve.h"

#include <QtGlobal>

#include <cmath>

#include "frame/klx_errorhandler.h"

namespace {
constexpr unsigned kErrSmoothed = 0x50A03;
constexpr unsigned kErrDefaults = 0x50A06;
constexpr unsigned kErrImageIndex = 0x50A0B;
constexpr unsigned kErrImageBuffer = 0x10A0A;
constexpr unsigned kErrDelete = 0x20A01;
constexpr unsigned kErrGain = 0x20A0C;
constexpr int kSmoothedElement = 4;
}  // namespace

const KLX_Field KLX_Curve::kFields[KLX_CurveRow::Count] = {KLX_CURVE_FIELDS(KLX_FIELD_DESC)};

#define KLX_CURVE_STORE_DEF(S, F, SS, ...) KLX_STORE_DEF_##SS(KLX_Curve, KLX_CurveRow, S)
KLX_CURVE_FIELDS(KLX_CURVE_STORE_DEF)
#undef KLX_CURVE_STORE_DEF

KLX_Curve::KLX_Curve(QObject* parent)
    : QObject(parent), KLX_RecordArray(EngineCfgCurves, 68, kl_engine_init_curve, nullptr) {
  SetBounds(kFields, KLX_CurveRow::Count, {KL_MAX_CURVES, KL_CURVE_POINTS, 0, 0, 0});
  BorderData_T* border = const_cast<BorderData_T*>(Border());
  border->Max[kSmoothedElement] = 1;
  border->Min[kSmoothedElement] = 0;
  ResetAll();
}

int KLX_Curve::KLX_CurveGetSet_IsUsed(int c, int value, int get, bool transmit) {
  const KLX_ModelLock lock;
  if (!get && c == 0 && value == 0) {
    qDebug("KLX_Curve: can not delete the curve %d", c);
    return m_Records[0].IsUsed;
  }
  return FieldAccess(kFields[KLX_CurveRow::IsUsed], c, 0, value, get != 0, transmit);
}

int KLX_Curve::KLX_CurveGetSet_IsSmoothed(int c, int value, int get) {
  if (c < 0 || c >= KL_MAX_CURVES) {
    KLXErrorHandler.RegisterError(kErrSmoothed, QString());
    return Indexes_Out_Of_Range;
  }
  if (!get) {
    value = value ? 1 : 0;
    KLX_BaseClassDatabaseCheckBorderAtomicElement(kSmoothedElement, &value, Border());
    m_Smoothed[c] = static_cast<uint8_t>(value);
  }
  return m_Smoothed[c];
}

int KLX_Curve::KLX_CurveGetNextFreeIndex() const {
  // Curve 0 is the store's own; the search starts behind it.
  if (BoardCount() < 2) return Max_Cure_Number_Reached;
  return NextFreeIndex(1, Max_Cure_Number_Reached);
}

int KLX_Curve::KLX_CurveCopyUnit(int c, unsigned char* buffer) const {
  return CopyUnitImage(c, buffer, kErrImageBuffer, kErrImageIndex);
}

void KLX_Curve::KLX_CurveSetToDefaultValues(T_Curve* record) {
  if (!record) {
    KLXErrorHandler.RegisterError(kErrDefaults, QString());
    return;
  }
  Defaults(record, kl_engine_init_curve);
}

int KLX_Curve::KLX_CurveDelete(int c) { return DeleteUnit(c, kErrDelete); }

int KLX_Curve::KLX_CurveSetCurve_ToDefault(int c, bool transmit) {
  T_Curve line;
  Defaults(&line, kl_engine_init_curve);
  int result = KLX_CurveGetSet_IsUsed(c, 1, 0, transmit);
  if (result > KLX_Error) result = KLX_CurveGetSet_RealPoints(c, static_cast<int>(line.RealPoints), 0, transmit);
  if (result > KLX_Error) result = KLX_CurveGetSet_IsSmoothed(c, 0, 0);
  for (int p = 0; p < KL_CURVE_POINTS && result > KLX_Error; ++p)
    result = KLX_CurveGetSet_CurveValue(c, p, line.Point[p], 0, transmit);
  return result;
}

int KLX_Curve::KLX_CurveSet_ValuesWithGain(int c, int percent) {
  const KLX_ModelLock lock;
  if (c < 0 || c >= KL_MAX_CURVES) {
    KLXErrorHandler.RegisterError(kErrGain, QString());
    return KLX_Error;
  }
  // The curve stays in use: only its shape is rebuilt.
  const uint8_t used = m_Records[c].IsUsed;
  Defaults(&m_Records[c], kl_engine_init_curve);
  m_Records[c].IsUsed = used;
  for (int16_t& point : m_Records[c].Point)
    point = static_cast<int16_t>(std::lround(static_cast<float>(point) * static_cast<float>(percent) / 100.0f));
  return KLX_Ok;
}
