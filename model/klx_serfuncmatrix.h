#pragma once
// Keeps the two sides of the servo wiring consistent: a function's servo slot
// names a servo and one of its servo mixers, and that servo mixer names the
// function back. It holds no data; every read and write goes through the
// facade, and every write is sent (and so marked).
#include <QList>
#include <QObject>

class KLX_DataBaseManager;

class KLX_SerFuncMatrix : public QObject {
  Q_OBJECT
 public:
  static constexpr int kNoServo = 26;
  static constexpr int kNoFunction = 48;
  static constexpr int kSlots = 10;
  static constexpr int kServoMixers = 8;

  explicit KLX_SerFuncMatrix(QObject* parent = nullptr) : QObject(parent) {}

  int KLX_SerFuncMatrixOtherFunctionsUseThisServo(int function, int servo, KLX_DataBaseManager* db);
  int KLX_SerFuncMatrixServoAlreadyInFunction(int function, int servo, KLX_DataBaseManager* db);
  // The first empty slot of the function, or KLX_Error.
  int KLX_SerFuncMatrixGetFreeServoInFunction(int function, KLX_DataBaseManager* db);
  // 0 for a servo not in use, else its first unused servo mixer, or KLX_Error.
  int KLX_SerFuncMatrixGetFreeServoMixerIndex(int servo, KLX_DataBaseManager* db);
  // 1, or 0 when the function has no free slot.
  int KLX_SerFuncMatrixSetIndexToFunction(int function, int servo, int servoMixer, KLX_DataBaseManager* db);
  int KLX_SerFuncMatrixSetServoMixer(int sourceType, int min, int max, int function, int servo, int servoMixer,
                                     KLX_DataBaseManager* db);
  // The servo mixer now carrying the function, or KLX_Error.
  int KLX_SerFuncMatrixAddServoMixerToServoConfig(int servo, int function, KLX_DataBaseManager* db);
  int KLX_SerFuncMatrixDeleteServoConfiguration(int servo, int function, bool clear, KLX_DataBaseManager* db);
  int KLX_SerFuncMatrixDeleteFunction(int function, QList<int>* servos, KLX_DataBaseManager* db);
  int KLX_SerFuncMatrixGetAllServosFromFunction(int function, QList<int>* servos, KLX_DataBaseManager* db);

 private:
  // Resets every servo mixer of the servo that carries the function.
  void ReleaseServoMixers(int servo, int function, KLX_DataBaseManager* db);
};
