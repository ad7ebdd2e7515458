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
  // Whether the transceiver controller keeps the model, and whether the name
  // was written, outlast a clear: the next switch-off and start need them.
  m_SaveModelData = true;
  return KLX_Ok;
}

QString KLX_VornProperties::KLX_VornPropertiesGetSet_ModelName(QString name, int mode) {
  QMutexLocker lock(&m_Mutex);
  if (mode == 0 || mode == 2) {
    // The controllers' records hold 47 bytes of it; a cut keeps whole characters.
    m_ModelName = QString::fromUtf8(KLX_Utf8Cut(name, kModelNameBytes));
    if (mode == 2) m_NameWritten = true;
  }
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

bool KLX_VornProperties::KLX_VornPropertiesTakeSaveModelData() {
  bool granted = true;
  return m_SaveModelData.compare_exchange_strong(granted, false);
}

void KLX_VornProperties::KLX_VornPropertiesSetFailedFile(const QString& path) {
  QMutexLocker lock(&m_Mutex);
  m_FailedFile = path;
}

QString KLX_VornProperties::KLX_VornPropertiesFailedFile() const {
  QMutexLocker lock(&m_Mutex);
  return m_FailedFile;
}

void KLX_VornProperties::KLX_VornPropertiesSetModelPath(const QString& path) {
  QMutexLocker lock(&m_Mutex);
  m_ModelPath = path;
}

QString KLX_VornProperties::KLX_VornPropertiesModelPath() const {
  QMutexLocker lock(&m_Mutex);
  return m_ModelPath;
}
