#pragma once
// The servo configuration store: one record per output channel, its name,
// and beside it the user's centre, limits and servo-mixer travels with a
// resolution of 1/100 % (whole percent plus hundredths 0..99); the record
// holds the combined servo value. Single-field updates go out as message 70.
#include <QObject>
#include <QQueue>
#include <QString>

#include "frame/klx_databasevalues.h"
#include "model/engine/kl_engine_types.h"
#include "model/klx_fields.h"
#include "model/klx_recordstore.h"

class KLX_Protocol;
class KLX_Switch;

// Whole percent and hundredths of centre, minimum, maximum and the eight
// servo mixers' travels, in that order (see KLX_SERVOCONFIG_POINTS).
struct T_PercentPureAdds {
  int16_t Value[38];
};

// One point with 1/100 % resolution.
struct KLX_ServoPoint {
  KLX_Field field;
  int wholeSlot;
  int hundredthsSlot;
};

class KLX_ServoConfig : public QObject, public KLX_RecordArray<T_ServoConfig, KL_MAX_SERVOS> {
  Q_OBJECT
 public:
  static const KLX_Field kFields[KLX_ServoConfigRow::Count];
#define KLX_SERVO_POINT_ENUM(W, ...) P_##W,
  enum Point : int { KLX_SERVOCONFIG_POINTS(KLX_SERVO_POINT_ENUM) PointCount };
#undef KLX_SERVO_POINT_ENUM
  static const KLX_ServoPoint kPoints[PointCount];

  explicit KLX_ServoConfig(QObject* parent = nullptr);

  int KLX_ServoConfigInitialize(KLX_Protocol* protocol, KLX_Switch* switches);

#define KLX_SERVOCONFIG_STORE_DECL(S, F, SS, ...) KLX_STORE_DECL_##SS(KLX_ServoConfig, S)
  KLX_SERVOCONFIG_FIELDS(KLX_SERVOCONFIG_STORE_DECL)
#undef KLX_SERVOCONFIG_STORE_DECL
#define KLX_SERVOCONFIG_POINT_DECL(W, H, FW, FH, shape, ...)                                       \
  int KLX_ServoConfigGetSet_##W(int index, int value, int get, bool transmit);                     \
  int KLX_ServoConfigGetSet_##W(int index, int sub, int value, int get, bool transmit);            \
  int KLX_ServoConfigGetSet_##H(int index, int value, int get, bool transmit);                     \
  int KLX_ServoConfigGetSet_##H(int index, int sub, int value, int get, bool transmit);
  KLX_SERVOCONFIG_POINTS(KLX_SERVOCONFIG_POINT_DECL)
#undef KLX_SERVOCONFIG_POINT_DECL

  // The whole-percent and hundredths paths of one point (sub: the servo mixer).
  int PointWhole(Point p, int index, int sub, int value, bool get, bool transmit);
  int PointHundredths(Point p, int index, int sub, int value, bool get, bool transmit);

  int KLX_ServoConfigGet_CentreAbs(int index);
  int KLX_ServoConfigReset_Centre(int index);
  int KLX_ServoConfigReset_MinValue(int index);
  int KLX_ServoConfigReset_MaxValue(int index);
  int KLX_ServoConfigReset_ServoMixer_FuncTravelMin(int index, int mixer);
  int KLX_ServoConfigReset_ServoMixer_FuncTravelMax(int index, int mixer);
  int KLX_ServoConfigResetCenterLimitAmplitude(int index);
  int KLX_ServoConfigGetSet_ServoMixer_ServoCurveMarkAsUnused(int index, int mixer, bool transmit);
  // Negates both travel end points of a servo mixer.
  int KLX_ServoMixerReverse(int index, int mixer);
  int KLX_ServoConfig_GetAllUsedPhyCutoffControls(QQueue<int>* controls);

  QString KLX_ServoConfigGetSet_Name(int index, QString name, int get, bool transmit);
  int KLX_ServoConfigCheckForSameName(QString name) const { return CheckForSameName(name); }
  int KLX_ServoConfigGetNextFreeIndex() const { return NextFreeIndex(0, Max_ServoConfig_Number_Reached); }
  int KLX_ServoConfigGetNumber() const { return UsedCount(); }

  void KLX_ServoConfigSetToDefaultValues(T_ServoConfig* record, T_PercentPureAdds* percent);
  int KLX_ServoConfigDelete(int index);
  void KLX_ServoConfigClearAll();
  int KLX_ServoConfigClearPuresAndAdditives(int index);

  int KLX_ServoConfigCopySingleUnit(int index, T_ServoConfig* out) const { return CopyRecordOut(index, out); }
  int KLX_ServoConfigSet_ServoConfigUnit(int index, const T_ServoConfig* record) {
    return CopyRecordIn(index, record);
  }
  int KLX_ServoConfigCopyUnit(int index, unsigned char* buffer) const;
  unsigned int KLX_ServoConfigCalcCRC(unsigned int crc) const { return CalcCRC(crc); }

 private:
  int16_t& Whole(Point p, int index, int sub);
  int16_t& Hundredths(Point p, int index, int sub);
  void StoreServoValue(Point p, int index, int sub, double percent, bool transmit);
  bool PointIndexOk(Point p, int index, int sub) const;

  T_PercentPureAdds m_Percent[KL_MAX_SERVOS];
  KLX_Switch* m_Switch = nullptr;
};
