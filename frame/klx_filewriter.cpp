#include "frame/klx_filewriter.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filecalls.h"
#include "frame/klx_filenamehandler.h"
#include "update/klx_filefunctions.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <unistd.h>

namespace {
constexpr unsigned kProcessing = 0x32204;
constexpr unsigned kStopped = 0x32205;
constexpr unsigned kNoSpaceForPart = 0x3220C;
constexpr int kMaxPartDigits = 6;
// The complete name of a part must fit the board's 1024-byte name field.
constexpr int kMaxNameBytes = 1023;
constexpr char kLossMark[] = "!!";
}  // namespace

const char* const KLX_FileWriter::kTooLongMarker = "\r\n#TooLongBuffer[>32768 bytes]\r\n";

KLX_FileWriter::KLX_FileWriter() { KLX_BaseClassSetThreadLabel(m_Label); }

KLX_FileWriter::~KLX_FileWriter() {
  // A writer that was never stopped must not leave its thread behind.
  if (isRunning()) {
    {
      QMutexLocker lock(&m_Mutex);
      m_Running = false;
      Wake();
    }
  }
  // Also one stopped whose thread was run too late for the stop's wait:
  // destroying a running thread ends the process, so it is waited for.
  wait();
}

void KLX_FileWriter::KLX_FileWriterSetClock(Clock clock) {
  QMutexLocker lock(&m_Mutex);
  m_Clock = std::move(clock);
}

void KLX_FileWriter::KLX_FileWriterSetWaitClock(KLX_Clock* clock) {
  QMutexLocker lock(&m_Mutex);
  KLX_Clock* old = m_WaitClock.exchange(clock ? clock : &KLX_Clock::KLX_ClockSystem());
  // A sync due on the old clock is due a whole interval on the new one.
  if (m_SyncDue >= 0) m_SyncDue = m_WaitClock.load()->KLX_ClockNowMs() + kSyncIntervalMs;
  // A thread waiting now waits on the clock it had.
  old->KLX_ClockWake(m_Wait);
}

QDateTime KLX_FileWriter::Now() const {
  return m_Clock ? m_Clock() : QDateTime::currentDateTime();
}

QString KLX_FileWriter::KLX_FileWriterGetFolder() {
  QMutexLocker lock(&m_Mutex);
  return m_TargetDatePath;
}

QString KLX_FileWriter::KLX_FileWriterGetFileName() {
  QMutexLocker lock(&m_Mutex);
  return CompleteNameOf(m_PartNumber).section('/', -1);
}

void KLX_FileWriter::WaitForWrite() {
  while (m_Writing) m_WriteDone.wait(&m_Mutex);
}

void KLX_FileWriter::Register(const Reports& reports) {
  for (const auto& report : reports) KLXErrorHandler.RegisterError(report.first, report.second);
}

int KLX_FileWriter::KLX_FileWriterInitialize(int bufferSize, QString fileName, QString folder,
                                             int partSize, const char* label, bool cached) {
  if (bufferSize < 1 || fileName.isEmpty() || partSize == 0 || folder.isEmpty()) return int(KLX_Error);
  if (isRunning()) return int(KLX_Error);
  {
    QMutexLocker lock(&m_Mutex);
    m_BufferSize = bufferSize;
    m_PartSize = partSize;
    m_Cached = cached;
    m_FileName = fileName;
    m_Folder = folder;
    m_PartNumber = 0;
    m_NewPart = false;
    m_Final = false;
    m_Full = false;
    m_Pending = false;
    m_WakeRequested = false;
    std::memset(m_Label, 0, sizeof(m_Label));
    if (label) std::strncpy(m_Label, label, sizeof(m_Label) - 1);
    KLX_BaseClassSetThreadLabel(m_Label);
    m_Collect.clear();
    m_HandOver.clear();
    m_Collect.reserve(bufferSize + int(sizeof(kLossMark)));
    m_HandOver.reserve(bufferSize);
    // A writer set up again starts a new date folder.
    m_DateFolderName.clear();
    m_TargetDatePath.clear();
    m_CacheDatePath.clear();
    m_SyncDue = -1;
    m_Unsynced.clear();
    m_DateFolderMade = false;
    m_Running = true;
  }
  if (!KLX_ThreadControl::Start(this)) {
    m_Running = false;
    return int(KLX_Error);
  }
  QMutexLocker lock(&m_Mutex);
  return KLX_FileWriterGeneratePath();
}

int KLX_FileWriter::KLX_FileWriterGeneratePath() {
  int result = KLX_FileWriterGeneratePathWithParam(false);
  if (m_Cached) result = KLX_FileWriterGeneratePathWithParam(true);
  return result;
}

int KLX_FileWriter::KLX_FileWriterGeneratePathWithParam(bool cache) {
  if (m_DateFolderName.isEmpty()) {
    const QDate date = Now().date();
    m_DateFolderName = QStringLiteral("%1_%2_%3")
                           .arg(date.year())
                           .arg(date.month(), 2, 10, QLatin1Char('0'))
                           .arg(date.day(), 2, 10, QLatin1Char('0'));
  }
  const QString path =
      (cache ? KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/tmp/") : m_Folder) + m_DateFolderName;
  QString& stored = cache ? m_CacheDatePath : m_TargetDatePath;
  // One level only: the parent is the log's own folder, made by the log's owner.
  if (QFileInfo(path).isDir()) {
    stored = path;
    return int(KLX_Ok);
  }
  if (QDir().mkdir(path)) {
    stored = path;
    if (!cache) m_DateFolderMade = true;
    return int(KLX_Ok);
  }
  stored.clear();
  return int(KLX_Error);
}

QString KLX_FileWriter::KLX_FileWriterGenerateFileName() {
  const QTime time = Now().time();
  QString name;
  if (!m_Prefix.isEmpty()) name = m_Prefix + "_";
  name += QStringLiteral("%1_%2_%3")
              .arg(time.hour(), 2, 10, QLatin1Char('0'))
              .arg(time.minute(), 2, 10, QLatin1Char('0'))
              .arg(time.second(), 2, 10, QLatin1Char('0'));
  m_TimeName = name;
  return name;
}

void KLX_FileWriter::KLX_FileWriterGenerateCompleteFileName() { m_CompleteName = CompleteNameOf(m_PartNumber); }

QString KLX_FileWriter::CompleteNameOf(int part) const {
  const QString& folder = m_Cached ? m_CacheDatePath : m_TargetDatePath;
  if (m_NameBase.isEmpty() || folder.isEmpty() || part < 0) return QString();
  const QString number = QString::number(part).rightJustified(2, QLatin1Char('0'));
  if (number.size() > kMaxPartDigits) return QString();
  const QString name = folder + "/" + m_NameBase + "_" + number + "_" + m_FileName;
  if (name.toUtf8().size() > kMaxNameBytes) return QString();
  return name;
}

int KLX_FileWriter::KLX_FileWriterStart(QString prefix) {
  QMutexLocker lock(&m_Mutex);
  WaitForWrite();
  m_PartNumber = 0;
  m_NewPart = false;
  m_Prefix = prefix;
  if (m_NameBase.isEmpty()) {
    if (KLX_FileWriterGeneratePath() != int(KLX_Ok)) return int(KLX_Error);
    m_NameBase = KLX_FileWriterGenerateFileName();
    m_Collect.clear();
    m_HandOver.clear();
    // A log begun in the same second as an earlier one replaces it.
    const QString first = CompleteNameOf(0).section('/', -1);
    const QStringList folders = m_Cached ? QStringList{m_TargetDatePath, m_CacheDatePath}
                                         : QStringList{m_TargetDatePath};
    for (const QString& folder : folders) {
      const QString stale = folder + "/" + first;
      if (QFileInfo::exists(stale) && !QFile::remove(stale)) return int(KLX_Error);
    }
  }
  lock.unlock();
  KLX_FileWriterStartProcessing();
  return int(KLX_Ok);
}

void KLX_FileWriter::KLX_FileWriterStartProcessing() {
  QMutexLocker lock(&m_Mutex);
  const bool was = KLX_BaseClassThreadIsProcessing();
  KLX_BaseClassThreadStartProcessing();
  const QString label = QString::fromLatin1(m_Label);
  lock.unlock();
  if (!was) KLXErrorHandler.RegisterError(kProcessing, label + " file writer is processing...");
}

void KLX_FileWriter::KLX_FileWriterStopProcessing() {
  Reports reports;
  {
    QMutexLocker lock(&m_Mutex);
    WaitForWrite();
    // Text already accepted belongs to this log: write it before closing
    // (also what arrives while it is written).
    for (int pass = 0; pass < 3 && KLX_BaseClassThreadIsProcessing() && (!m_Collect.isEmpty() || !m_HandOver.isEmpty());
         ++pass) {
      m_Full = true;
      KLX_FileWriterAppendData(reports, lock);
    }
    // A closed log lasts.
    SyncLocked(lock);
    StopProcessingLocked(reports);
  }
  Register(reports);
}

void KLX_FileWriter::StopProcessingLocked(Reports& reports) {
  const bool was = KLX_BaseClassThreadIsProcessing();
  KLX_BaseClassThreadStopProcessing();
  m_PartNumber = 0;
  m_NewPart = false;
  m_Final = false;
  m_Full = false;
  m_NameBase.clear();
  m_TimeName.clear();
  m_SyncDue = -1;
  if (was) reports.append({kStopped, QString::fromLatin1(m_Label) + " file writer is stopped!"});
}

bool KLX_FileWriter::KLX_FileWriter_isNewFilePart() {
  QMutexLocker lock(&m_Mutex);
  const bool was = m_NewPart;
  m_NewPart = false;
  if (was) qDebug("  ->   New part of log file has to be created: %s", m_Label);
  return was;
}

void KLX_FileWriter::Wake() {
  m_WakeRequested = true;
  m_WaitClock.load()->KLX_ClockWake(m_Wait);
}

void KLX_FileWriter::ArmSync(qint64 inMs) {
  // A cached writer's parts reach the card only as copies when it stops.
  if (m_Cached) return;
  KLX_Clock* clock = m_WaitClock;
  const qint64 due = clock->KLX_ClockNowMs() + inMs;
  if (m_SyncDue >= 0 && m_SyncDue <= due) return;
  m_SyncDue = due;
  // The thread waits for its next sync from now on: it looks again, without a pass.
  clock->KLX_ClockWake(m_Wait);
}

bool KLX_FileWriter::SyncDue() {
  if (m_SyncDue < 0 || !KLX_BaseClassThreadIsProcessing()) return false;
  const qint64 now = m_WaitClock.load()->KLX_ClockNowMs();
  if (now < m_SyncDue) return false;
  // Another thread holds the card (the XML saver for its save): shortly again.
  if (MtxSDShareWrite.KLX_Critical_TryLock() != 0) {
    m_SyncDue = now + kSyncRetryMs;
    return false;
  }
  MtxSDShareWrite.KLX_Critical_Leave();
  return true;
}

void KLX_FileWriter::KLX_FileWriterRequestSync() {
  QMutexLocker lock(&m_Mutex);
  if (!m_Running || !KLX_BaseClassThreadIsProcessing()) return;
  ArmSync(0);
}

int KLX_FileWriter::Notify() {
  if (m_Cached) {
    Wake();
    m_Pending = false;
    return int(KLX_Ok);
  }
  // An uncached writer writes to the SD card: it must not start while
  // another thread holds the card.
  if (MtxSDShareWrite.KLX_Critical_TryLock() == 0) {
    Wake();
    m_Pending = false;
    MtxSDShareWrite.KLX_Critical_Leave();
    return int(KLX_Ok);
  }
  m_Pending = true;
  return 0;
}

void KLX_FileWriter::MarkLoss() {
  // The mark follows the last text kept, so nothing accepted is overwritten.
  if (!m_Collect.endsWith(kLossMark)) m_Collect.append(kLossMark);
}

bool KLX_FileWriter::add_new_data_2_str_buf(const char* data, int length) {
  if (m_Collect.size() + length >= m_BufferSize) return false;
  if (length > 0) m_Collect.append(data, length);
  return true;
}

bool KLX_FileWriter::move_str_buf_2_file_buf() {
  // The hand-over buffer may still hold text the thread has not written:
  // join it, never replace it.
  if (m_HandOver.size() + m_Collect.size() > m_BufferSize) return false;
  m_HandOver.append(m_Collect);
  m_Collect.clear();
  return true;
}

int KLX_FileWriter::KLX_FileWriterWritetoFile(const char* data, int length, bool final) {
  QMutexLocker lock(&m_Mutex);
  if (!m_Running || !KLX_BaseClassThreadIsProcessing() || length < 0) return int(KLX_Error);
  // Whatever is handed over from now on is on the card within the interval.
  ArmSync(kSyncIntervalMs);

  if (length > m_BufferSize) {
    if (!add_new_data_2_str_buf(kTooLongMarker, int(std::strlen(kTooLongMarker)))) MarkLoss();
    Notify();
    return int(KLX_Error);
  }
  if (length == 0 && !data) {
    m_Full = true;
    return Notify();
  }
  if (m_Final) {
    // The log was closed by its final text.
    Notify();
    return int(KLX_Error);
  }
  if (add_new_data_2_str_buf(data, length)) {
    if (final) {
      m_Final = true;
      return Notify();
    }
    if (m_Pending) return Notify();
    if (m_Cached) {
      Wake();
      m_Pending = false;
    }
    return int(KLX_Ok);
  }
  if (final) m_Final = true;
  if (move_str_buf_2_file_buf() && add_new_data_2_str_buf(data, length)) return Notify();
  MarkLoss();
  m_Full = true;
  Notify();
  return int(KLX_Error);
}

void KLX_FileWriter::run() {
  qDebug("  ->   starting KLX_FileWriter thread: %s", m_Label);
  KLX_ThreadControl::Entered();
  QMutexLocker lock(&m_Mutex);
  while (m_Running) {
    Log("pause");
    if (!m_WakeRequested) {
      KLX_Clock* clock = m_WaitClock;
      const qint64 now = clock->KLX_ClockNowMs();
      if (m_SyncDue < 0 || !KLX_BaseClassThreadIsProcessing())
        clock->KLX_ClockWait(m_Wait, m_Mutex, KLX_Clock::kForever);
      else if (now < m_SyncDue)
        clock->KLX_ClockWait(m_Wait, m_Mutex, static_cast<unsigned long>(m_SyncDue - now));
    }
    const bool woken = m_WakeRequested;
    m_WakeRequested = false;
    Log("resume");
    if (m_Running && KLX_BaseClassThreadIsProcessing()) {
      const bool sync = SyncDue();
      // Woken only to wait for a new time: nothing to write yet.
      if (!woken && !sync) continue;
      Log("run...");
      Reports reports;
      Pass(reports, lock, sync);
      if (!reports.isEmpty()) {
        // Registering may reach this very writer: never while holding its lock.
        lock.unlock();
        Register(reports);
        lock.relock();
      }
    }
  }
  lock.unlock();
  Log("exit");
  qDebug("  ->   exit KLX_FileWriter thread: %s", m_Label);
}

bool KLX_FileWriter::SyncFile(const QString& name, bool entry, const QString& dateFolder) {
  // A part removed meanwhile (the file manager) is not made again to be synced.
  if (!QFileInfo::exists(name)) return true;
  KLX_FileCalls& calls = KLX_FileCalls::Instance();
  const int fd = calls.OpenAppend(name);
  if (fd < 0) return false;
  const bool synced = calls.SyncData(fd);
  calls.Close(fd);
  if (!synced || !entry) return synced;
  // The file's entry in its date folder, then the date folder's own entry.
  if (!calls.SyncFolder(KLX_FileCalls::FolderOf(name))) return false;
  return dateFolder.isEmpty() || calls.SyncFolder(dateFolder);
}

void KLX_FileWriter::SyncLocked(QMutexLocker& lock, const QString& keep) {
  WaitForWrite();
  QStringList parts = m_Unsynced;
  parts.removeAll(keep);
  if (parts.isEmpty()) return;
  const QString entrySynced = m_EntrySynced;
  const QString dateFolder = m_DateFolderMade ? m_Folder : QString();
  m_Writing = true;
  lock.unlock();
  QStringList synced;
  QString newEntry;
  bool dateSynced = false;
  for (const QString& name : parts) {
    const bool entry = name != entrySynced;
    const QString parent = entry && !dateSynced ? dateFolder : QString();
    if (!SyncFile(name, entry, parent)) break;
    synced << name;
    if (entry) newEntry = name;
    if (!parent.isEmpty()) dateSynced = true;
  }
  lock.relock();
  m_Writing = false;
  m_WriteDone.wakeAll();
  // No pass wrote meanwhile (m_Writing kept them out): the parts last as written.
  for (const QString& name : synced) m_Unsynced.removeAll(name);
  if (!newEntry.isEmpty()) m_EntrySynced = newEntry;
  if (dateSynced) m_DateFolderMade = false;
  if (synced.size() < parts.size() && KLX_BaseClassThreadIsProcessing()) ArmSync(kSyncRetryMs);
}

void KLX_FileWriter::Pass(Reports& reports, QMutexLocker& lock, bool sync) {
  if (sync) {
    // What was handed over until now goes to the card; what comes later
    // arms the next sync.
    m_SyncDue = -1;
    if (!m_Collect.isEmpty()) m_Full = true;
  }
  KLX_FileWriterAppendData(reports, lock);
  // A log that ended in this pass (its final text, or no space) lasts too.
  if (sync || !KLX_BaseClassThreadIsProcessing()) SyncLocked(lock);
  // Text the pass could not write waits for the next sync.
  if (KLX_BaseClassThreadIsProcessing() && (!m_Collect.isEmpty() || !m_HandOver.isEmpty()))
    ArmSync(kSyncIntervalMs);
}

bool KLX_FileWriter::AppendToFile(QByteArray& buffer, qint64* fileSize, QMutexLocker& lock) {
  const QString name = m_CompleteName;
  // A part left behind is complete: it lasts before the next one grows.
  SyncLocked(lock, name);
  // Callers go on collecting while the text is written: the text leaves the
  // buffer, and the mutex is released for the file.
  QByteArray text;
  text.swap(buffer);
  buffer.reserve(m_BufferSize);
  m_Writing = true;
  lock.unlock();
  KLX_FileCalls& calls = KLX_FileCalls::Instance();
  qint64 start = -1;
  qint64 end = -1;
  const int fd = calls.OpenAppend(name);
  if (fd >= 0) {
    start = ::lseek(fd, 0, SEEK_END);
    calls.Write(fd, text.constData(), text.size());
    end = ::lseek(fd, 0, SEEK_END);
    calls.Close(fd);
  }
  lock.relock();
  m_Writing = false;
  m_WriteDone.wakeAll();
  const qint64 written = start >= 0 && end >= start ? end - start : -1;
  if (written > 0) {
    *fileSize = end;
    // A cached writer's parts lie in "/tmp": only a copy reaches the card.
    if (!m_Cached && !m_Unsynced.contains(name)) m_Unsynced << name;
  }
  if (written == text.size()) return true;
  // What reached the file is not written twice; the rest waits, ahead of
  // what arrived meanwhile.
  if (written > 0) text.remove(0, int(written));
  buffer.prepend(text);
  return false;
}

void KLX_FileWriter::NewPart() {
  ++m_PartNumber;
  m_NewPart = true;
}

bool KLX_FileWriter::OpenPart(Reports& reports) {
  const QString previous = m_CompleteName;
  KLX_FileWriterGenerateCompleteFileName();
  if (m_CompleteName.isEmpty()) return false;

  if (m_CompleteName != previous && qstrcmp(m_Label, "Telemetry log") == 0) {
    const long needKiB = m_PartSize / 1024 + 1000;
    if (!KLX_FileFunctions().KLX_FileFunctionsGetAvailSpaceOnFolder(
            KLX_FileNameHandler().KLX_FileNameHandlerGetVornPath(), needKiB)) {
      const QString name = m_CompleteName;
      StopProcessingLocked(reports);
      reports.append({kNoSpaceForPart, "Not enough space for telemetry log file part " + name});
      return false;
    }
  }
  return true;
}

void KLX_FileWriter::KLX_FileWriterAppendData(Reports& reports, QMutexLocker& lock) {
  WaitForWrite();
  if (!OpenPart(reports)) return;

  qint64 fileSize = 0;
  // Text moved into the hand-over buffer while it was written is older than
  // the collected text: it goes first. A writer that has fallen behind finds
  // the buffer filled again after each write. The write that makes a part
  // reach its size completes it, and whatever follows goes to the next part:
  // a part never exceeds its size by more than one buffer.
  while (!m_HandOver.isEmpty()) {
    if (!AppendToFile(m_HandOver, &fileSize, lock)) return;
    if (fileSize >= m_PartSize && (!m_HandOver.isEmpty() || !m_Collect.isEmpty())) {
      NewPart();
      fileSize = 0;
      if (!OpenPart(reports)) return;
    }
  }

  if (!m_Final) {
    if (!m_Full && fileSize < m_PartSize && !m_Cached) return;
    if (m_Collect.isEmpty()) {
      m_Full = false;
      if (fileSize >= m_PartSize) NewPart();
      return;
    }
  } else if (m_Collect.isEmpty()) {
    m_Full = false;
    StopProcessingLocked(reports);
    return;
  }

  if (!AppendToFile(m_Collect, &fileSize, lock)) return;
  m_Full = false;
  if (m_Final)
    StopProcessingLocked(reports);
  else if (fileSize >= m_PartSize)
    NewPart();
}

int KLX_FileWriter::KLX_FileWriterStop() {
  Log("stop...");
  Reports reports;
  if (isRunning()) {
    {
      QMutexLocker lock(&m_Mutex);
      m_Running = false;
      Wake();
    }
    wait(3000);
    bool unwritten;
    {
      QMutexLocker lock(&m_Mutex);
      unwritten = !m_Collect.isEmpty() || !m_HandOver.isEmpty();
    }
    // The card is waited for only when there is text to write.
    if (unwritten) {
      MtxSDShareWrite.KLX_Critical_Enter();
      {
        QMutexLocker lock(&m_Mutex);
        // Everything accepted is written now, whatever the mode.
        if (!m_Collect.isEmpty()) m_Full = true;
        KLX_FileWriterAppendData(reports, lock);
        m_Pending = false;
      }
      MtxSDShareWrite.KLX_Critical_Leave();
    }
    // What was written lasts, also what the last passes left unsynced.
    QMutexLocker lock(&m_Mutex);
    SyncLocked(lock);
    m_SyncDue = -1;
  }
  {
    QMutexLocker lock(&m_Mutex);
    m_PartNumber = 0;
    m_NameBase.clear();
    KLX_FileWriterCopyFromCache();
    m_Collect.clear();
    m_Collect.squeeze();
    m_HandOver.clear();
    m_HandOver.squeeze();
  }
  Register(reports);
  Log("stoped");
  return int(KLX_Ok);
}

void KLX_FileWriter::KLX_FileWriterCopyFromCache() {
  if (m_TargetDatePath.isEmpty() || !m_Cached || m_CacheDatePath.isEmpty()) return;
  const QDir cache(m_CacheDatePath);
  const QStringList logs = cache.entryList({QStringLiteral("*.log")}, QDir::Files);
  for (const QString& name : logs) {
    const QString target = m_TargetDatePath + "/" + name;
    // QFile::copy goes through a temporary file in the target folder.
    if (!QFileInfo::exists(target)) QFile::copy(cache.filePath(name), target);
  }
}
