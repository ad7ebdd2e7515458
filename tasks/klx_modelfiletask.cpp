#include "tasks/klx_modelfiletask.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "frame/klx_errorhandler.h"
#include "frame/klx_filecalls.h"
#include "model/klx_databasemanager.h"

KLX_ModelFileTask::KLX_ModelFileTask(const Codes& codes) : m_Codes(codes) { Clean(); }

KLX_ModelFileTask::~KLX_ModelFileTask() { Clean(); }

int KLX_ModelFileTask::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                        KLX_RuntimeDatabaseManager* runtime) {
  if (!db || !protocol || !handler || !runtime) {
    KLXErrorHandler.RegisterError(m_Codes.init, QString::fromLatin1(m_Codes.initText));
    return KLX_Error;
  }
  m_Db = db;
  m_Protocol = protocol;
  m_Handler = handler;
  m_Runtime = runtime;
  return KLX_Ok;
}

int KLX_ModelFileTask::KLX_VornBaseCleanUp() {
  Clean();
  return KLX_Ok;
}

void KLX_ModelFileTask::Clean() {
  m_Db = nullptr;
  m_Protocol = nullptr;
  m_Handler = nullptr;
  m_Task.task = KLX_VornTask::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_VornBaseResetErrorCount();
}

void KLX_ModelFileTask::TakeRequest(const Task_Data_T& task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
}

bool KLX_ModelFileTask::TestAndTakePermission() {
  // In one step: the saver takes it the same way.
  if (m_Db->KLX_DataBaseManagerTakeVornPropertiesSaveModelData()) return true;
  KLXErrorHandler.RegisterError(m_Codes.unsave, QString::fromLatin1(m_Codes.unsaveText));
  return false;
}

void KLX_ModelFileTask::TakePermission() { m_Db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirSet); }

void KLX_ModelFileTask::GivePermissionBack() {
  m_Db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(true, AtomicDirSet);
}

QString KLX_ModelFileTask::PicturesOf(const QString& folder) const {
  return QDir::cleanPath(folder + m_Names.KLX_FileNameHandlerGetPicFolder()) + QLatin1Char('/');
}

bool KLX_ModelFileTask::RemoveFile(const QString& path) { return !QFileInfo::exists(path) || KLX_FileCallsRemove(path); }
