#include "update/klx_savehold.h"

#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"

void KLX_SaveHold::TakeModel(KLX_DataBaseManager* db) {
  if (db->KLX_DataBaseManagerTakeModelModifyFlag()) m_Model = true;
}

void KLX_SaveHold::Hold(KLX_DataBaseManager* db) {
  db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirSet);
  TakeModel(db);
  if (db->KLX_DataBaseManagerTakeSystemModifyFlag()) m_System = true;
  if (db->KLX_DataBaseManagerTakeVornModifyFlag()) m_Vorn = true;
}

void KLX_SaveHold::Release(KLX_DataBaseManager* db) {
  db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(true, AtomicDirSet);
  if (m_Model) db->KLX_DataBaseManagerSetModelModifyFlag(true);
  if (m_System) db->KLX_DataBaseManagerSetSystemModifyFlag(true);
  if (m_Vorn) db->KLX_DataBaseManagerSetVornModifyFlag(true);
  *this = KLX_SaveHold();
}
