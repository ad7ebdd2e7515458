#pragma once
// Checks a model once it is loaded into the stores, before the engine works
// on it: servo assignments and servo mixers point at each other, and
// functions and mixers carry one set-up per used flight mode. It repairs
// nothing; the first finding is reported and ends the check.
#include <QObject>

class KLX_DataBaseManager;
class KLX_RuntimeDatabaseManager;

class KLX_ModelChecker : public QObject {
  Q_OBJECT
 public:
  static constexpr int kMaxUnits = 48;

  explicit KLX_ModelChecker(QObject* parent = nullptr) : QObject(parent) {}

  int KLX_ModelCheckerInitialize(KLX_DataBaseManager* db, KLX_RuntimeDatabaseManager* runtime);
  // 1, or KLX_Error after reporting the first finding.
  int KLX_ModelCheckerCheckLoadedModel();
  void KLX_ModelCheckerCheckGetAllCounts();
  int KLX_ModelCheckerCheckFunctionAndServoConfig();
  int KLX_ModelCheckerCheckFlightmode();

 private:
  int Finding(unsigned code, const char* text);
  int SetupsWithCurve(bool mixer, int index);

  KLX_DataBaseManager* m_Db = nullptr;
  KLX_RuntimeDatabaseManager* m_Runtime = nullptr;
  int m_UsedFunctions = 0;
  int m_UsedFlightmodes = 0;
  int m_FunctionSetups[kMaxUnits] = {};
  int m_MixerSetups[kMaxUnits] = {};
};
