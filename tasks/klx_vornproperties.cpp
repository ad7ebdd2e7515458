#include "tasks/klx_vornproperties.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_utf8.h"

int KLX_VornProperties::KLX_VornPropertiesClearAll() {
  {
    QMutexLocker lock(&m_Mutex);
    m_ModelName.clear();
    m_ModelFolder.clear();
  }
  m_ModelTyp = 0;
  m_ModelSavedInTC = false;
  m_SaveModelData = true;
  return KLX_Ok;
}

QString KLX_VornProperties::KLX_VornPropertiesGetSet_ModelName(QString name, int dir) {
  QMutexLocker lock(&m_Mutex);
  // The controllers' records hold 47 bytes of it; a cut keeps whole characters.
  if (!dir) m_ModelName = QString::fromUtf8(KLX_Utf8Cut(name, kModelNameBytes));
  return m_ModelName;
}

int KLX_VornProperties::KLX_VornPropertiesGetSet_ModelTyp(int type, int dir) {
  if (!dir) m_ModelTyp = qBound(0, type, kModelTypeMax);
  return m_ModelTyp;
}

QString KLX_VornProperties::KLX_VornPropertiesGetSet_ModelFolder(QString folder, int dir) {
  QMutexLocker lock(&m_Mutex);
  if (!dir) m_ModelFolder = folder;
  return m_ModelFolder;
}

bool KLX_VornProperties::KLX_VornPropertiesGetSet_ModelSavedinTC(bool stored, int dir) {
  if (!dir) m_ModelSavedInTC = stored;
  return m_ModelSavedInTC;
}

bool KLX_VornProperties::KLX_VornPropertiesSaveModelData(bool value, int get) {
  if (!get) m_SaveModelData = value;
  return m_SaveModelData;
}
