#include "update/cupdatedownloaderbase.h"

#include "frame/klx_debuglog.h"

CUpdateDownloaderBase::CUpdateDownloaderBase(QObject* parent) : CDownloaderTsk(parent) {
  connect(this, &CUpdateDownloaderBase::sigAbort, this, &CDownloaderTsk::onAbortRequested);
  connect(this, &CDownloaderTsk::sigAborted, this, &CUpdateDownloaderBase::onAborted);
}

bool CUpdateDownloaderBase::selectForDownload(permissions_t permissions) {
  qCDebug(lcVornDebug, "selectForDownload()");
  return selectForDownload(source(), permissions);
}

bool CUpdateDownloaderBase::selectForDownload(const QString& source, permissions_t permissions) {
  qCDebug(lcVornDebug, "selectForDownload()...");
  if (m_Selected) return false;
  m_Permissions = permissions;
  {
    QMutexLocker lock(&m_SourceMutex);
    m_Source = source;
  }
  m_Selected = true;
  return true;
}

QString CUpdateDownloaderBase::source() const {
  QMutexLocker lock(&m_SourceMutex);
  return m_Source;
}

void CUpdateDownloaderBase::Abort() {
  int running = st_Running;
  int waiting = 3;
  if (m_State.compare_exchange_strong(running, st_Aborting) || m_State.compare_exchange_strong(waiting, st_Aborting))
    emit sigAbort();
}

bool CUpdateDownloaderBase::downloadUpdate(QNetworkAccessManager* nam) {
  const int before = m_State;
  qCDebug(lcVornDebug, "CUpdateDownloaderBase::downloadUpdate(): m_State == %d", before);
  if (before != st_Ready && before != st_Completed) return false;
  qCDebug(lcVornDebug, "CUpdateDownloaderBase::_downloadUpdate()...");
  m_State = st_Running;
  if (!_downloadUpdate(nam)) {
    qCDebug(lcVornDebug, "CUpdateDownloaderBase::downloadUpdate(): _downloadUpdate == false");
    m_State = before;
    return false;
  }
  m_Selected = false;
  return true;
}

void CUpdateDownloaderBase::onAborted(bool aborted) {
  if (aborted && m_State != st_Constructed) m_State = st_Ready;
}

void CUpdateDownloaderBase::taskComplete(QString vname, error_t error, bool present) {
  m_State = st_Completed;
  emit Complete(vname, error, present);
}
