// The facade's curve operations.
#include <QDebug>

#include "frame/klx_databasevalues.h"
#include "frame/klx_debuglog.h"
#include "model/klx_databasemanager.h"

int KLX_DataBaseManager::KLX_DataBaseManagerCurveGetSet_IsUsed(int index1, int isused, int dir, bool update) {
  if (!m_Curve) return KLX_Error;
  if (!dir) qCDebug(lcVornDebug, isused == 1 ? "   add curve %d" : "   free curve %d", index1);
  const int result = m_Curve->KLX_CurveGetSet_IsUsed(index1, isused, dir, update);
  if (!dir && result > KLX_Error) KLX_DataBaseManagerFunctionMarkCurve(index1, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerCurveGetSet_IsSmoothed(int index1, int isused, int dir, bool) {
  if (!m_Curve) return KLX_Error;
  const int result = m_Curve->KLX_CurveGetSet_IsSmoothed(index1, isused, dir);
  if (!dir && result > KLX_Error) KLX_DataBaseManagerFunctionMarkCurve(index1, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerCurveSetCurveToDefault(int index1, bool update) {
  if (!m_Curve) return KLX_Error;
  const int result = m_Curve->KLX_CurveSetCurve_ToDefault(index1, update);
  if (result > KLX_Error) KLX_DataBaseManagerFunctionMarkCurve(index1, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerCurveSetValuesWithGain(int index, int percent) {
  return m_Curve ? m_Curve->KLX_CurveSet_ValuesWithGain(index, percent) : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerCurveGetNextFreeIndex() {
  return m_Curve ? m_Curve->KLX_CurveGetNextFreeIndex() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerCurveGetNumber() {
  return m_Curve ? m_Curve->KLX_CurveGetNumber() : KLX_Error;
}

int KLX_DataBaseManager::KLX_DataBaseManagerCurveGetFadingValue(int index, int point) {
  const int16_t* curve = KLX_DataBaseManagerCurveGetFadingPtr(index);
  if (!curve || point < 0 || point >= KL_CURVE_POINTS) return KLX_Error;
  return curve[point];
}

int KLX_DataBaseManager::KLX_DataBaseManagerCurveClearAll() {
  if (m_Curve) m_Curve->KLX_CurveClearAll();
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerCurveClear(T_Curve* record) {
  if (m_Curve) m_Curve->KLX_CurveSetToDefaultValues(record);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerCurveClear(int index) {
  if (!m_Curve) return KLX_Error;
  const int result = m_Curve->KLX_CurveDelete(index);
  KLX_DataBaseManagerFunctionMarkCurve(index, true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerCurveCopySingleUnit(int index, T_Curve* record) {
  return m_Curve ? m_Curve->KLX_CurveCopySingleUnit(index, record) : KLX_Error;
}

T_Curve* KLX_DataBaseManager::KLX_DataBaseManagerCurveGetCurvePointer(int index) {
  return m_Curve ? m_Curve->KLX_CurveGetCurvePointer(index) : nullptr;
}

const int16_t* KLX_DataBaseManager::KLX_DataBaseManagerCurveGetFadingPtr(int index) {
  return m_Curve ? m_Curve->KLX_CurveGet_FadingCurvePtr(index) : nullptr;
}

int KLX_DataBaseManager::KLX_DataBaseManagerCurveSet_CurveUnit(int index, T_Curve* record) {
  if (!m_Curve) return KLX_Error;
  const int result = m_Curve->KLX_CurveSet_CurveUnit(index, record);
  if (result > KLX_Error) KLX_DataBaseManagerFunctionMarkCurve(index, false);
  return result;
}
