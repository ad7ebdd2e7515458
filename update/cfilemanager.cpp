#include "update/cfilemanager.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>

#include <new>

#include "frame/klx_debuglog.h"
#include "frame/klx_filecalls.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmlsafefile.h"
#include "update/cdir.h"
#include "update/cfile.h"
#include "update/klx_filefunctions.h"

namespace {
const QLatin1Char kSeparator('/');
// The counter characters of a new name, tried in this order.
const char kCounters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

QString WithSeparator(const QString& folder) { return folder.endsWith(kSeparator) ? folder : folder + kSeparator; }
QString Normal(const QString& folder) { return WithSeparator(QDir::cleanPath(folder)); }
bool IsStandingRule(CFileManagerBase::Behavior b) {
  return b == CFileManagerBase::Behavior_SkipAll || b == CFileManagerBase::Behavior_RenameAll ||
         b == CFileManagerBase::Behavior_OverwriteAll || b == CFileManagerBase::Behavior_Abort;
}
}  // namespace

CFileManagerBase::CFileManagerBase(QThread::Priority priority) {
  m_Thread = std::make_unique<QThread>();
  moveToThread(m_Thread.get());
  connect(m_Thread.get(), &QThread::finished, this, &CFileManagerBase::slotTreadComplete, Qt::DirectConnection);
  connect(this, &CFileManagerBase::sigCopy, this, &CFileManagerBase::slotCopy);
  connect(this, &CFileManagerBase::sigDelete, this, &CFileManagerBase::slotDelete);
  m_Thread->start(priority);
}

CFileManagerBase::~CFileManagerBase() { StopWorker(); }

void CFileManagerBase::StopWorker() {
  if (!m_Thread) return;
  abort();
  ThreadStop();
  // A worker deep in a slow write ends at its next block; a thread object
  // destroyed while it runs would end the program.
  m_Thread->wait();
  m_Thread.reset();
}

bool CFileManagerBase::TryTakeBusy() {
  bool idle = false;
  return m_Busy.compare_exchange_strong(idle, true);
}

bool CFileManagerBase::setSourceFolder(const QString& folder) {
  if (IsAbortRequested() || !TryTakeBusy()) return false;
  {
    QMutexLocker lock(&m_SelectionMutex);
    m_Selection.clear();
  }
  m_SourceFolder = folder.isEmpty() ? QString() : WithSeparator(folder);
  GiveBackBusy();
  return !folder.isEmpty();
}

bool CFileManagerBase::selectSource(const QString& name) {
  if (!KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(name)) return false;
  if (IsAbortRequested() || !TryTakeBusy()) return false;
  {
    QMutexLocker lock(&m_SelectionMutex);
    // Selected twice, an entry would be copied onto itself.
    if (!m_Selection.contains(name)) m_Selection.append(name);
  }
  GiveBackBusy();
  return true;
}

bool CFileManagerBase::deselectSource(const QString& name) {
  if (IsAbortRequested() || !TryTakeBusy()) return false;
  {
    QMutexLocker lock(&m_SelectionMutex);
    m_Selection.removeAll(name);
  }
  GiveBackBusy();
  return true;
}

bool CFileManagerBase::beginCopy(const QString& destination, Behavior behavior) {
  if (IsAbortRequested() || behavior == Behavior_Abort || destination.isEmpty() || m_SourceFolder.isEmpty() ||
      Selection().isEmpty())
    return false;
  if (!TryTakeBusy()) return false;
  m_Buffer.reset(new (std::nothrow) char[kBufferSize]);
  if (!m_Buffer) {
    {
      QMutexLocker lock(&m_SelectionMutex);
      m_Selection.clear();
    }
    GiveBackBusy();
    emit sigComplete(Result_NotEnoughMemory);
    return false;
  }
  m_Behavior = behavior;
  emit sigCopy(WithSeparator(destination), behavior);
  return true;
}

bool CFileManagerBase::beginDelete() {
  if (IsAbortRequested() || m_SourceFolder.isEmpty() || Selection().isEmpty() || !TryTakeBusy()) return false;
  emit sigDelete();
  return true;
}

bool CFileManagerBase::beginDelete(const QString& folder, const QString& item) {
  if (!KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(item)) return false;
  if (IsAbortRequested() || folder.isEmpty() || !TryTakeBusy()) return false;
  m_SourceFolder = WithSeparator(folder);
  {
    QMutexLocker lock(&m_SelectionMutex);
    m_Selection = QStringList{item};
  }
  emit sigDelete();
  return true;
}

void CFileManagerBase::resume(Behavior behavior) {
  QMutexLocker lock(&m_DecisionMutex);
  m_Answer = behavior;
  m_DecisionPending = false;
  if (behavior == Behavior_Abort) m_Abort = true;
  m_Decision.wakeAll();
}

void CFileManagerBase::abort() {
  m_Abort = true;
  resume(Behavior_Abort);
}

bool CFileManagerBase::IsAbortRequested() const {
  return !m_Thread || m_Thread->isInterruptionRequested() || m_Abort.load();
}

QStringList CFileManagerBase::Selection() const {
  QMutexLocker lock(&m_SelectionMutex);
  return m_Selection;
}

QString CFileManagerBase::SourceFolder() const { return m_SourceFolder; }

void CFileManagerBase::ThreadStop() {
  if (!m_Thread) return;
  m_Thread->requestInterruption();
  {
    // A worker waiting for an answer sees the request.
    QMutexLocker lock(&m_DecisionMutex);
    m_Decision.wakeAll();
  }
  m_Thread->quit();
  m_Thread->wait(kStopWaitMs);
}

QString CFileManagerBase::TakeFirst() {
  QMutexLocker lock(&m_SelectionMutex);
  return m_Selection.isEmpty() ? QString() : m_Selection.takeFirst();
}

void CFileManagerBase::slotCopy(QString to, int behavior) {
  m_StartCount = Selection().size();
  m_Behavior = Behavior(behavior);
  int result = Result_CopyComplete;
  if (Normal(to) == Normal(m_SourceFolder)) {
    result = Result_SameFolder;
  } else {
    int index = 0;
    for (;;) {
      if (IsAbortRequested() || m_Behavior == Behavior_Abort) {
        result = Result_CanceledByUser;
        break;
      }
      const QString name = TakeFirst();
      if (name.isEmpty()) break;
      result = Copy(m_SourceFolder, to, name, ++index, m_Behavior, true);
      if (result != Result_CopyComplete && result != Result_CanceledByUser && result != Result_Skipped) break;
    }
  }
  Finish(result);
}

void CFileManagerBase::slotDelete() {
  m_StartCount = Selection().size();
  int result = Result_DelComplete;
  int index = 0;
  for (;;) {
    if (IsAbortRequested()) {
      result = Result_CanceledByUser;
      break;
    }
    const QString name = TakeFirst();
    if (name.isEmpty()) break;
    result = Delete(m_SourceFolder, name, ++index);
    if (result != Result_DelComplete) break;
  }
  Finish(result);
}

void CFileManagerBase::Finish(int result) {
  {
    QMutexLocker lock(&m_SelectionMutex);
    m_Selection.clear();
  }
  m_Buffer.reset();
  GiveBackBusy();
  emit sigComplete(result);
}

void CFileManagerBase::slotTreadComplete() { qCDebug(lcVornDebug, "File Manager thread complete"); }

CFileManagerBase::Behavior CFileManagerBase::getUserDecision(const QString& name, Conflict conflict) {
  QMutexLocker lock(&m_DecisionMutex);
  if (IsAbortRequested()) return Behavior_Abort;
  m_DecisionPending = true;
  emit sigUserDecisionRequired(name, conflict);
  while (m_DecisionPending && !IsAbortRequested()) m_Decision.wait(&m_DecisionMutex);
  const Behavior answer = m_DecisionPending ? Behavior_Abort : m_Answer;
  m_DecisionPending = false;
  return answer;
}

CFileManager::~CFileManager() {
  // The worker calls this class's operations: it ends before they go.
  StopWorker();
}

CFileManagerBase::Result CFileManager::Copy(const QString& source, const QString& destination, const QString& name,
                                            int index, Behavior& behavior, bool recursive) {
  // An abort between two files is no complete copy.
  if (IsAbortRequested() || behavior == Behavior_Abort) return Result_CanceledByUser;
  const QString path = source + name;
  const QFileInfo info(path);
  if (info.isDir()) {
    if (CDir::isContains(path, destination)) return Result_SubfolderError;
    return CopyDir(source, destination, name, index, behavior, recursive);
  }
  if (info.exists()) return CopyFile(source, destination, name, index, behavior);
  return Result_SourceNotFound;
}

CFileManagerBase::Result CFileManager::CopyDir(const QString& source, const QString& destination,
                                               const QString& name, int index, Behavior& behavior, bool recursive) {
  const QString from = source + name + kSeparator;
  if (!QFileInfo(from).isDir()) return Result_SourceNotFound;
  const QString to = destination + name + kSeparator;
  if (!CDir::mkpath(to)) return Result_CanNotCreate;
  // An entry whose name is no UTF-8 cannot be named to be copied: the
  // listing passes over it, the log says so.
  bool skipped = KLX_FileFunctions::KLX_FileFunctionsTellUnnamed(from) > 0;
  CDir folder(from);
  for (QString entry = folder.getFirst(QDir::NoDotAndDotDot | QDir::Hidden | QDir::System); !entry.isEmpty();
       entry = folder.getNext()) {
    const QFileInfo info(from + entry);
    // A link is not followed: one to a folder may lead back up the tree,
    // any may lead off the stick or the card.
    if (info.isSymLink() || (info.isDir() && !recursive)) {
      skipped = true;
      continue;
    }
    const Result result = Copy(from, to, entry, index, behavior, recursive);
    if (result == Result_Skipped) skipped = true;
    else if (result != Result_CopyComplete) return result;
  }
  return skipped ? Result_Skipped : Result_CopyComplete;
}

QString CFileManager::FreeName(const QString& folder, const QString& name) {
  // The extension is the file name's own, never a dot of a folder above.
  const int dot = name.lastIndexOf(QLatin1Char('.'));
  const QString stem = dot > 0 ? name.left(dot) : name;
  const QString extension = dot > 0 ? name.mid(dot) : QString();
  for (const char* c = kCounters; *c; ++c) {
    const QString candidate = folder + stem + QStringLiteral(" (") + QLatin1Char(*c) + QLatin1Char(')') + extension;
    if (!CFile::exists(candidate)) return candidate;
  }
  return QString();
}

CFileManagerBase::Result CFileManager::CopyFile(const QString& source, const QString& destination,
                                                const QString& name, int index, Behavior& behavior) {
  QString target = destination + name;
  bool replacing = false;
  if (CFile::exists(target)) {
    Behavior decision = behavior;
    if (decision == Behavior_AskTheUser) {
      decision = getUserDecision(name, Conflict_FileExists);
      if (IsStandingRule(decision)) behavior = decision;
    }
    switch (decision) {
      case Behavior_Rename:
      case Behavior_RenameAll:
        target = FreeName(destination, name);
        if (target.isEmpty()) return Result_NewFileNameNotFound;
        break;
      case Behavior_Overwrite:
      case Behavior_OverwriteAll:
        // A folder of that name is not replaced by a file.
        if (QFileInfo(target).isDir()) return Result_CanNotDelete;
        replacing = true;
        break;
      case Behavior_Abort:
        return Result_CanceledByUser;
      default:
        return Result_Skipped;
    }
  }
  if (!QFileInfo(destination).isDir()) return Result_DestinationNotAvailable;
  if (!KLX_FileCallsIsPlainFile(source + name)) return Result_SourceNotAvailable;
  CFile in(source + name);
  if (!in.open(CFile::ModeRead)) return Result_SourceNotAvailable;
  // The copy appears under its name only when it is whole, every byte of it
  // on the medium; a file it replaces (or a link in its place) stays until
  // then. A medium without room for it is told as such.
  KLX_XMLSafeFile out(target);
  const auto failed = [&out](Result otherwise) { return out.NoRoom() ? Result_NotEnoughMemory : otherwise; };
  if (!out.Open()) return failed(Result_CanNotCreate);

  const quint64 size = quint64(QFileInfo(source + name).size());
  char* buffer = Buffer();
  emit sigProgress(name, StartCount(), index, 0);
  quint64 copied = 0;
  int shown = 0;
  while (copied < size) {
    if (IsAbortRequested()) return Result_CanceledByUser;
    const size_t want = size_t(qMin<quint64>(kBufferSize, size - copied));
    const size_t got = in.read(buffer, want);
    if (got != want) return Result_ReadError;
    if (!out.Write(buffer, qint64(got))) return failed(Result_WriteError);
    copied += got;
    const int percent = size < 100 ? 100 : int(copied * 100 / size);
    if (percent != shown) {
      shown = percent;
      emit sigProgress(name, StartCount(), index, percent);
    }
  }
  if (size == 0) emit sigProgress(name, StartCount(), index, 100);
  if (!out.Prepare()) return failed(Result_WriteError);
  // The old file could not be replaced.
  if (!out.Place()) return replacing ? Result_CanNotDelete : Result_WriteError;
  return Result_CopyComplete;
}

CFileManagerBase::Result CFileManager::Delete(const QString& source, const QString& name, int index) {
  const QString path = source + name;
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return Result_SourceNotFound;
  // A link is removed, never what it points to.
  const bool removed = info.isDir() && !info.isSymLink() ? CDir::remove(path) : QFile::remove(path);
  emit sigProgress(name, StartCount(), index, 0);
  return removed ? Result_DelComplete : Result_CanNotDelete;
}
