#include "frame/klx_filewriter.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "update/klx_filefunctions.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

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
    wait(3000);
  }
}

void KLX_FileWriter::KLX_FileWriterSetClock(Clock clock) {
  QMutexLocker lock(&m_Mutex);
  m_Clock = std::move(clock);
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
  if (QFileInfo(path).isDir() || QDir().mkdir(path)) {
    stored = path;
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
  m_Wait.wakeOne();
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
    if (!m_WakeRequested) m_Wait.wait(&m_Mutex);
    m_WakeRequested = false;
    Log("resume");
    if (m_Running && KLX_BaseClassThreadIsProcessing()) {
      Log("run...");
      Reports reports;
      KLX_FileWriterAppendData(reports, lock);
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

bool KLX_FileWriter::AppendToFile(QByteArray& buffer, qint64* fileSize, QMutexLocker& lock) {
  // Callers go on collecting while the text is written: the text leaves the
  // buffer, and the mutex is released for the file.
  QByteArray text;
  text.swap(buffer);
  buffer.reserve(m_BufferSize);
  const QString name = m_CompleteName;
  m_Writing = true;
  lock.unlock();
  qint64 start = 0;
  qint64 written = -1;
  bool flushed = false;
  QFile file(name);
  if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
    start = file.size();
    written = file.write(text);
    flushed = file.flush();
    file.close();
  }
  lock.relock();
  m_Writing = false;
  m_WriteDone.wakeAll();
  if (written > 0) *fileSize = start + written;
  if (written == text.size() && flushed) return true;
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
