#include "update/cupdatemanager.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QThread>
#include <QUrl>

#include <memory>
#include <new>
#include <utility>

#include "frame/klx_board.h"
#include "frame/klx_debuglog.h"
#include "frame/klx_filenamehandler.h"
#include "update/cappupdate.h"
#include "update/cfilelistdownloader.h"
#include "update/klx_appinstall.h"
#include "update/creceiversupdatedownloader.h"

namespace {
const QString kReceiversList = QStringLiteral("Receivers/list.txt");
const QString kReceiversTmp = QStringLiteral("/Vorn/tmp/receivers/");
const QString kSystemFinal = QStringLiteral("/Vorn");
const QString kSystemTmp = QStringLiteral("/Vorn/tmp/upd_sys");
const QString kAppFinal = QStringLiteral("/Vorn/Update");
const QString kAppTmp = QStringLiteral("/Vorn/tmp/upd_app");
}  // namespace

CUpdateManager::CUpdateManager(QObject* parent) : QObject(parent) {}

CUpdateManager::~CUpdateManager() {
  if (free(m_EndWaitMs)) return;
  // Hung: its tasks and their network access are in use in it, and deleted
  // under it they would crash the switch-off. They go in the thread once it
  // ends, if it ever does, and the thread after them.
  qCritical("the update manager's thread did not end: it is left running with its tasks");
  QList<QObject*> inThread{m_Nam};
  for (CUpdateDownloaderBase*& task : m_Tasks) {
    if (task) disconnect(task, nullptr, this, nullptr);
    inThread << task;
    task = nullptr;
  }
  m_Nam = nullptr;
  QThread* thread = std::exchange(m_Thread, nullptr);
  // A test's clock may go with this manager.
  setClock(nullptr);
  // Whoever comes first deletes them: the thread's end, or this end when
  // the thread finished just now (its end then came before the connection).
  const auto claimed = std::make_shared<std::atomic<bool>>(false);
  connect(thread, &QThread::finished, thread, [inThread, claimed, thread] {
    if (claimed->exchange(true)) return;
    qDeleteAll(inThread);
    thread->deleteLater();
  }, Qt::DirectConnection);
  if (thread->isFinished() && !claimed->exchange(true)) {
    qDeleteAll(inThread);
    delete thread;
  }
}

void CUpdateManager::appendTask(CTaskBase& task) {
  task.moveToThread(m_Thread);
  task.initConnections();
}

bool CUpdateManager::Init(KLX_DataBaseManager* db) {
  if (!m_Thread) {
    m_Thread = new (std::nothrow) QThread;
    // In the thread as it finishes: a stop waiting on its clock sees it.
    if (m_Thread)
      connect(m_Thread, &QThread::finished, m_Thread, [end = m_End] {
        QMutexLocker lock(&end->mutex);
        end->clock.load()->KLX_ClockWake(end->ended);
      }, Qt::DirectConnection);
  }
  m_Nam = new (std::nothrow) QNetworkAccessManager;
  bool ok = m_Thread && m_Nam;
  if (ok) m_Nam->moveToThread(m_Thread);
  const Board* board = Board::m_Instance;
  if (ok && board) {
    m_Tasks[Slot_Receivers] =
        new (std::nothrow) CReceiversUpdateDownloader(Board::m_RemoteUpdatePath + "/", kReceiversList, kReceiversTmp, m_Nam);
    m_Tasks[Slot_System] = new (std::nothrow) CSystemUpdateDownloader(
        board->SysUpdateListNameGet(), board->RemoteSysUpdatePathGet(), kSystemFinal, kSystemTmp, m_Nam);
    m_Tasks[Slot_Application] = new (std::nothrow)
        CAppUpdate(board->AppUpdateListNameGet(), board->RemoteUpdatePathGet(), kAppFinal, kAppTmp, m_Nam, db);
  }
  for (CUpdateDownloaderBase* task : m_Tasks) {
    if (task)
      appendTask(*task);
    else
      ok = false;
  }
  if (!ok) {
    deleteTasks();
    return false;
  }
  m_Thread->setObjectName(QStringLiteral("update manager"));
  m_Thread->start(QThread::LowPriority);
  m_Next = 0;
  m_Running = kNone;
  startNextTask();
  return true;
}

void CUpdateManager::deleteTasks() {
  for (CUpdateDownloaderBase*& task : m_Tasks) {
    delete task;
    task = nullptr;
  }
  delete m_Nam;
  m_Nam = nullptr;
}

bool CUpdateManager::waitForEnd(unsigned long ms) {
  KLX_Clock* clock = m_End->clock;
  QMutexLocker lock(&m_End->mutex);
  const qint64 end = clock->KLX_ClockNowMs() + qint64(ms);
  for (qint64 left = qint64(ms); m_Thread->isRunning() && left > 0; left = end - clock->KLX_ClockNowMs())
    clock->KLX_ClockWait(m_End->ended, m_End->mutex, static_cast<unsigned long>(left));
  if (m_Thread->isRunning()) return false;
  lock.unlock();
  // Finishing: it leaves in a moment.
  m_Thread->wait();
  return true;
}

bool CUpdateManager::free(unsigned long ms) {
  abort();
  // An installation takes no further step and its script is ended: the
  // thread comes back to its loop within the wait, but for a hang.
  if (auto* app = qobject_cast<CAppUpdate*>(m_Tasks[Slot_Application])) app->StopInstall();
  if (m_Thread) {
    m_Thread->quit();
    if (!waitForEnd(ms)) {
      qWarning("  ->   exit CUpdateManager error: thread NOT stoped");
      return false;
    }
  }
  deleteTasks();
  delete m_Thread;
  m_Thread = nullptr;
  return true;
}

bool CUpdateManager::startNextTask() {
  if (m_Running < kSlots && m_Tasks[m_Running]) disconnect(m_Tasks[m_Running], nullptr, this, nullptr);
  const quint8 first = m_Next % kSlots;
  bool refused = false;
  for (quint8 i = 0; i < kSlots; ++i) {
    const quint8 slot = (first + i) % kSlots;
    CUpdateDownloaderBase* task = m_Tasks[slot];
    m_Running = slot;
    m_Next = slot + 1;
    if (!task || !task->isSelectedForDownload()) continue;
    connect(task, &CUpdateDownloaderBase::Complete, this, &CUpdateManager::onTaskComplete);
    connect(task, &CUpdateDownloaderBase::sigProgress, this, &CUpdateManager::sigProgress);
    connect(task, &CUpdateDownloaderBase::sigUserDecisionRequired, this, &CUpdateManager::sigUserDecisionRequired);
    if (task->downloadUpdate(m_Nam)) return true;
    disconnect(task, nullptr, this, nullptr);
    refused = true;
  }
  // A selected task that could not start (still busy) leaves nothing
  // running, so the next selection starts at once.
  m_Running = kNone;
  if (refused) m_Next = 0;
  return false;
}

bool CUpdateManager::applyStart() {
  m_Next = 0;
  if (m_Running == kNone && !startNextTask()) {
    m_LastError = Err_Unknown;
    return false;
  }
  m_LastError = Err_NoErrors;
  return true;
}

bool CUpdateManager::updateBegin(int slot, const QString& folder, UpdateSource src) {
  m_LastSource = src;
  // A card too small counts as none, whatever the road: the pilot is told
  // at the touch, before a stick is looked at or a question asked, and the
  // end comes as every end does, after this call.
  if (KLX_UpdateCardTooSmall(slot == Slot_Application ? QStringLiteral("application update")
                                                     : QStringLiteral("system update"))) {
    m_LastError = Err_CardTooSmall;
    QMetaObject::invokeMethod(this, [this, src] { emit sigComplete(QString(), Err_CardTooSmall, src); },
                              Qt::QueuedConnection);
    return true;
  }
  CUpdateDownloaderBase* task = m_Tasks[slot];
  bool selected = false;
  if (task && src == Src_KlServer) {
    selected = task->selectForDownload(CUpdateDownloaderBase::perm_Download);
  } else if (task && src == Src_USB) {
    // The stick's root folder for the application, a named folder else;
    // only on a plugged stick (a bare mount point may still hold files).
    const QString stick = KLX_FileNameHandler().KLX_FileNameHandlerGetUpdateUSBStickPath(0);
    const QString path = stick.isEmpty() || folder.isEmpty() ? stick : stick + folder + QStringLiteral("/");
    if (!path.isEmpty() &&
        !QDir(path).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty())
      selected = task->selectForDownload(QUrl::fromLocalFile(path).toString(), CUpdateDownloaderBase::perm_Download);
  }
  if (!selected) {
    qWarning("Update not started!");
    m_LastError = Err_Unknown;
    return false;
  }
  qCDebug(lcVornDebug, "begin update: %d, %d", m_Next, m_Running);
  // The terminal says what begins, in words.
  qInfo("begin update: %s from %s", slot == Slot_Application ? "application" : "system",
        src == Src_USB ? "the USB stick" : "the update server");
  return applyStart();
}

bool CUpdateManager::downloadReceiversUpdate() {
  CUpdateDownloaderBase* task = m_Tasks[Slot_Receivers];
  if (!task || !task->selectForDownload(CUpdateDownloaderBase::perm_Download)) {
    m_LastError = Err_Unknown;
    return false;
  }
  return applyStart();
}

bool CUpdateManager::beginAppUpdate(UpdateSource src) { return updateBegin(Slot_Application, QString(), src); }

bool CUpdateManager::downloadSystemUpdate(UpdateSource src) {
  const QString folder = Board::m_Instance ? Board::m_Instance->SysUpdatePathGet() : QString();
  return updateBegin(Slot_System, folder, src);
}

bool CUpdateManager::downloadVoices() {
  m_LastError = Err_Unknown;
  return false;
}

void CUpdateManager::abort() {
  // Only a run can be aborted: a flag set while nothing runs would mark
  // the next update as aborted.
  if (m_Running != kNone) m_Aborted = true;
  for (CUpdateDownloaderBase* task : m_Tasks)
    if (task) task->Abort();
}

void CUpdateManager::resume(Reason reason) {
  // Queued by name: the task goes on in the manager's thread, and the call
  // event is Qt's own.
  for (CUpdateDownloaderBase* task : m_Tasks)
    if (task) QMetaObject::invokeMethod(task, "ResumeHere", Qt::QueuedConnection, Q_ARG(int, int(reason)));
}

void CUpdateManager::onTaskComplete(QString vname, int error) {
  if (m_Running == kNone) return;
  // A task that was aborted may report twice; only the running one counts.
  if (sender() && sender() != m_Tasks[m_Running]) return;
  if (startNextTask()) return;
  const int reported = m_Aborted ? int(Err_Aborted) : error;
  m_LastError = reported;
  emit sigComplete(vname, reported, m_LastSource);
  m_Aborted = false;
}
