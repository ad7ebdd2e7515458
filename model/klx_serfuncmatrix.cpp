#include "model/klx_serfuncmatrix.h"

#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr int kFunctionTravel = 2;  // SRVMIXTYPE_FunctionTravel
constexpr int kResetMin = -50;
constexpr int kResetMax = 50;

int SlotServo(KLX_DataBaseManager* db, int function, int slot) {
  return db->KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(function, slot, 0, AtomicDirGet, false);
}

int MixerFunction(KLX_DataBaseManager* db, int servo, int mixer) {
  return db->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelFuncIndex(servo, mixer, 0, AtomicDirGet,
                                                                                 false);
}
}  // namespace

int KLX_SerFuncMatrix::KLX_SerFuncMatrixOtherFunctionsUseThisServo(int function, int servo,
                                                                   KLX_DataBaseManager* db) {
  for (int g = 0; g < db->KLX_DataBaseManagerGetMaxFunctions(); ++g) {
    if (g == function || db->KLX_DataBaseManagerFunctionGetSet_IsUsed(g, 0, AtomicDirGet, false) != 1) continue;
    if (KLX_SerFuncMatrixServoAlreadyInFunction(g, servo, db)) return 1;
  }
  return 0;
}

int KLX_SerFuncMatrix::KLX_SerFuncMatrixServoAlreadyInFunction(int function, int servo, KLX_DataBaseManager* db) {
  for (int k = 0; k < kSlots; ++k)
    if (SlotServo(db, function, k) == servo) return 1;
  return 0;
}

int KLX_SerFuncMatrix::KLX_SerFuncMatrixGetFreeServoInFunction(int function, KLX_DataBaseManager* db) {
  for (int k = 0; k < kSlots; ++k)
    if (SlotServo(db, function, k) == kNoServo) return k;
  return KLX_Error;
}

int KLX_SerFuncMatrix::KLX_SerFuncMatrixGetFreeServoMixerIndex(int servo, KLX_DataBaseManager* db) {
  if (db->KLX_DataBaseManagerServoConfigGetSet_IsUsed(servo, 0, AtomicDirGet, false) != 1) return 0;
  for (int m = 0; m < kServoMixers; ++m)
    if (MixerFunction(db, servo, m) == kNoFunction) return m;
  return KLX_Error;
}

int KLX_SerFuncMatrix::KLX_SerFuncMatrixSetIndexToFunction(int function, int servo, int servoMixer,
                                                           KLX_DataBaseManager* db) {
  const int slot = KLX_SerFuncMatrixGetFreeServoInFunction(function, db);
  if (slot < 0) return 0;
  db->KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(function, slot, servo, AtomicDirSet, true);
  db->KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoMixId(function, slot, servoMixer, AtomicDirSet, true);
  return KLX_Ok;
}

int KLX_SerFuncMatrix::KLX_SerFuncMatrixSetServoMixer(int sourceType, int min, int max, int function, int servo,
                                                      int servoMixer, KLX_DataBaseManager* db) {
  db->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_SourceType(servo, servoMixer, sourceType, AtomicDirSet, true);
  db->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMin(servo, servoMixer, min, AtomicDirSet, true);
  db->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMax(servo, servoMixer, max, AtomicDirSet, true);
  return db->KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelFuncIndex(servo, servoMixer, function,
                                                                                AtomicDirSet, true);
}

int KLX_SerFuncMatrix::KLX_SerFuncMatrixAddServoMixerToServoConfig(int servo, int function,
                                                                   KLX_DataBaseManager* db) {
  const int mixer = KLX_SerFuncMatrixGetFreeServoMixerIndex(servo, db);
  if (mixer == KLX_Error) return KLX_Error;
  KLX_SerFuncMatrixSetServoMixer(kFunctionTravel, kResetMin, kResetMax, function, servo, mixer, db);
  return mixer;
}

void KLX_SerFuncMatrix::ReleaseServoMixers(int servo, int function, KLX_DataBaseManager* db) {
  for (int m = 0; m < kServoMixers; ++m)
    if (MixerFunction(db, servo, m) == function)
      KLX_SerFuncMatrixSetServoMixer(kFunctionTravel, kResetMin, kResetMax, kNoFunction, servo, m, db);
}

int KLX_SerFuncMatrix::KLX_SerFuncMatrixDeleteServoConfiguration(int servo, int function, bool clear,
                                                                 KLX_DataBaseManager* db) {
  for (int k = 0; k < kSlots; ++k) {
    if (SlotServo(db, function, k) != servo) continue;
    db->KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(function, k, kNoServo, AtomicDirSet, true);
    db->KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoMixId(function, k, 0, AtomicDirSet, true);
  }
  ReleaseServoMixers(servo, function, db);
  return clear ? db->KLX_DataBaseManagerServoConfigClear(servo) : 1;
}

int KLX_SerFuncMatrix::KLX_SerFuncMatrixDeleteFunction(int function, QList<int>* servos, KLX_DataBaseManager* db) {
  const QList<int> list = servos ? *servos : QList<int>();
  for (int servo : list) ReleaseServoMixers(servo, function, db);
  // A servo that no function drives any more goes with the function.
  const int functions = db->KLX_DataBaseManagerGetMaxFunctions();
  for (int servo : list) {
    bool driven = false;
    for (int m = 0; m < kServoMixers && !driven; ++m) driven = MixerFunction(db, servo, m) < functions;
    if (driven) continue;
    db->KLX_DataBaseManagerServoConfigGetSet_IsUsed(servo, 0, AtomicDirSet, true);
    db->KLX_DataBaseManagerServoConfigClear(servo);
  }
  return db->KLX_DataBaseManagerFunctionClear(function);
}

int KLX_SerFuncMatrix::KLX_SerFuncMatrixGetAllServosFromFunction(int function, QList<int>* servos,
                                                                 KLX_DataBaseManager* db) {
  if (!servos) return KLX_Error;
  servos->clear();
  if (db->KLX_DataBaseManagerFunctionGetSet_IsUsed(function, 0, AtomicDirGet, false) != 1) return KLX_Ok;
  const int count = db->KLX_DataBaseManagerGetMaxServos();
  for (int k = 0; k < kSlots; ++k) {
    const int servo = SlotServo(db, function, k);
    if (servo >= 0 && servo < count) servos->append(servo);
  }
  return KLX_Ok;
}
