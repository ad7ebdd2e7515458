#pragma once
// The curve store: the model's curves that functions, mixers and servo
// mixers name by index, and beside them whether each is drawn smoothed (a
// display property, never sent). Curve 0 is permanent. Single-field updates
// go out as message 68.
#include <QObject>

#include "frame/klx_databasevalues.h"
#include "model/engine/kl_engine.h"
#include "model/klx_fields.h"
#include "model/klx_recordstore.h"

class KLX_Protocol;

class KLX_Curve : public QObject, public KLX_RecordArray<T_Curve, KL_MAX_CURVES> {
  Q_OBJECT
 public:
  static const KLX_Field kFields[KLX_CurveRow::Count];

  explicit KLX_Curve(QObject* parent = nullptr);

  int KLX_CurveInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }

#define KLX_CURVE_STORE_DECL(S, F, SS, ...) KLX_STORE_DECL_##SS(KLX_Curve, S)
  KLX_CURVE_FIELDS(KLX_CURVE_STORE_DECL)
#undef KLX_CURVE_STORE_DECL
  // Freeing curve 0 is refused: it answers curve 0's flag.
  int KLX_CurveGetSet_IsUsed(int c, int value, int get, bool transmit);
  int KLX_CurveGetSet_IsSmoothed(int c, int value, int get);

  int KLX_CurveGetNextFreeIndex() const;
  int KLX_CurveGetNumber() const { return UsedCount(); }
  T_Curve* KLX_CurveGetCurvePointer(int c) { return reinterpret_cast<T_Curve*>(RecordBytes(c)); }
  int KLX_CurveSet_CurveUnit(int c, const T_Curve* record) { return CopyRecordIn(c, record); }
  int KLX_CurveCopySingleUnit(int c, T_Curve* out) const { return CopyRecordOut(c, out); }
  int KLX_CurveCopyUnit(int c, unsigned char* buffer) const;
  void KLX_CurveSetToDefaultValues(T_Curve* record);
  int KLX_CurveDelete(int c);
  int KLX_CurveSetCurve_ToDefault(int c, bool transmit);
  // A straight line through the centre with the given gain in percent.
  int KLX_CurveSet_ValuesWithGain(int c, int percent);
  void KLX_CurveClearAll() { ResetAll(); }
  unsigned int KLX_CurveCalcCRC(unsigned int crc) const { return CalcCRC(crc); }
  const int16_t* KLX_CurveGet_FadingCurvePtr(int f) { return kl_engine_get_fadeincurve_pointer(f); }
  int KLX_CurveGet_FadingCurveValue(int j, int point, int16_t* out) {
    return kl_engine_get_fadeincurve_value(j, point, out);
  }

 private:
  uint8_t m_Smoothed[KL_MAX_CURVES] = {};
};
