#include "frame/klx_errorhandler.h"

#include "frame/klx_databasevalues.h"

#include <QDebug>
#include <QDir>
#include <QTextStream>

KLX_ErrorHandler KLXErrorHandler;

namespace {
constexpr unsigned kStartUp = 0x00000001;
constexpr unsigned kGoingDown = 0x00000002;
constexpr unsigned kRepeatOverflow = 0x00000003;
constexpr unsigned kErrorFoldersRemoved = 0x00042209;
constexpr unsigned kTeleFoldersRemoved = 0x00042207;
constexpr unsigned kRunappFilesRemoved = 0x0004220D;
constexpr int kTeleLogDays = 30;
constexpr int kErrorLogDays = 60;
constexpr long kMinFreeKiB = 100;
constexpr int kBufferSize = 8192;
constexpr int kPartSize = 8000;
constexpr unsigned kFirstLoggedOnlyClass = 5;

QString TwoDigits(int value) { return QString::number(value).rightJustified(2, QLatin1Char('0')); }
}  // namespace

KLX_ErrorHandler::KLX_ErrorHandler(QObject* parent) : QObject(parent) { ClearRepeatTable(); }

KLX_ErrorHandler::~KLX_ErrorHandler() = default;

bool KLX_ErrorHandler::IsValidCode(unsigned code) {
  const unsigned table = code >> 24;
  const unsigned module = (code >> 8) & 0xFF;
  const unsigned number = code & 0xFF;
  return table <= 2 && module != 255 && number != 255;
}

QDateTime KLX_ErrorHandler::Now() const {
  return m_Clock ? m_Clock() : QDateTime::currentDateTime();
}

void KLX_ErrorHandler::ClearRepeatTable() {
  for (RepeatEntry& entry : m_Repeat) entry = RepeatEntry();
}

void KLX_ErrorHandler::RegisterError(unsigned code, QString text) {
  bool signal = false;
  {
    QMutexLocker lock(&m_Mutex);
    m_Line.clear();
    m_LastCode = code;
    if (IsValidCode(code)) {
      const unsigned cls = (code >> 16) & 0xFF;
      if (cls < kFirstLoggedOnlyClass) {
        static const char* const words[] = {"---", "Fatal", "Error", "Warning", "Hint"};
        m_ErrorText = m_ErrorData.KLX_ErrorDataGetTextOfCode(code);
        m_ClassWord = QString::fromLatin1(words[cls]);
        m_ClassValue = code & 0x00FF0000u;
        signal = true;
      }
      m_Now = Now();
      m_Date = m_Now.date();
      m_Time = m_Now.time();
      if (!m_Started) {
        qDebug("Error handler stopped or not started!");
        qDebug("\tErr: 0x%x - %s", code, text.toLatin1().constData());
      } else {
        m_Writer.KLX_FileWriter_isNewFilePart();
        unsigned logged = code;
        if (KLX_ErrorHandler_HandleError(&logged)) {
          QTextStream line(&m_Line, QIODevice::WriteOnly);
          line.setCodec("UTF-8");
          line << logged << "\t\t" << TwoDigits(m_Date.day()) << "." << TwoDigits(m_Date.month()) << "."
               << m_Date.year() << "\t\t" << TwoDigits(m_Time.hour()) << ":" << TwoDigits(m_Time.minute())
               << ":" << TwoDigits(m_Time.second());
          if (!text.isEmpty()) line << "\t\t" << text;
          line << "\r\n";
          line.flush();
          m_Writer.KLX_FileWriterWritetoFile(m_Line.constData(), m_Line.size(), false);
          if (!text.isEmpty()) qDebug().noquote() << "ERR_INFO: " + text;
        }
      }
    }
  }
  {
    // Its own lock: once the observer is replaced, no call to the old one is
    // still running in another thread.
    QMutexLocker lock(&m_ObserverMutex);
    if (m_Observer) m_Observer(code, text);
  }
  // Outside the lock: a directly connected receiver may register in turn.
  if (signal) emit klxError();
}

bool KLX_ErrorHandler::KLX_ErrorHandler_ErrorEntryOlder(int entry, int seconds) const {
  const RepeatEntry& e = m_Repeat[entry];
  const QDate date(e.year, e.month, e.day);
  if (!date.isValid() || date < m_Date) return true;
  // Within one day; "now" shifted back before midnight is earlier than any
  // time of this day, not later (no wrap).
  const int shifted = m_Time.msecsSinceStartOfDay() + seconds * 1000;
  const int stored = QTime(e.hour, e.minute, e.second, 999).msecsSinceStartOfDay();
  return shifted > stored;
}

bool KLX_ErrorHandler::KLX_ErrorHandler_HandleError(unsigned* code) {
  int hit = -1;
  int free = -1;
  for (int i = 0; i < kRepeatEntries; ++i) {
    if (m_Repeat[i].code == 0) {
      if (free < 0) free = i;
    } else if (hit < 0 && unsigned(m_Repeat[i].code) == *code) {
      hit = i;
    }
  }

  auto store = [this](int i, unsigned value) {
    m_Repeat[i] = {int(value),           m_Time.hour(),  m_Time.minute(), m_Time.second(),
                   m_Date.year(),        m_Date.month(), m_Date.day()};
  };

  bool accept = false;
  if (*code == 0) {
    // Code 0 is the table's free mark and cannot be remembered.
    accept = true;
  } else if (hit >= 0) {
    if (KLX_ErrorHandler_ErrorEntryOlder(hit, -1)) {
      store(hit, *code);
      accept = true;
    }
  } else if (free >= 0) {
    store(free, *code);
    m_RepeatOverflow = false;
    accept = true;
  } else if (!m_RepeatOverflow) {
    *code = kRepeatOverflow;
    m_RepeatOverflow = true;
    accept = true;
  }

  for (int i = 0; i < kRepeatEntries; ++i) {
    if (m_Repeat[i].code != 0 && KLX_ErrorHandler_ErrorEntryOlder(i, -3)) m_Repeat[i] = RepeatEntry();
  }
  return accept;
}

QString KLX_ErrorHandler::KLX_ErrorHandlerGetErrorText() const {
  QMutexLocker lock(&m_Mutex);
  return m_ErrorText;
}

QString KLX_ErrorHandler::KLX_ErrorClassAsString() const {
  QMutexLocker lock(&m_Mutex);
  return m_ClassWord;
}

unsigned KLX_ErrorHandler::KLX_ErrorClassAsUI() const {
  QMutexLocker lock(&m_Mutex);
  return m_ClassValue;
}

unsigned KLX_ErrorHandler::KLX_ErrorHandlerGetError() const {
  QMutexLocker lock(&m_Mutex);
  return m_LastCode;
}

int KLX_ErrorHandler::KLX_ErrorHandler_Initialize() {
  {
    QMutexLocker lock(&m_Mutex);
    if (m_Started && m_Writer.isRunning()) return int(KLX_Ok);
    m_Started = false;
    ClearRepeatTable();
    m_RepeatOverflow = false;
    m_TeleFoldersRemoved = 0;
    m_ErrorFoldersRemoved = 0;
    m_RunappFilesRemoved = 0;
  }
  if (!m_Files.KLX_FileFunctionsCheckForSDCard(false)) return int(KLX_Error);

  KLX_ErrorHandlerCleanOldLogs(false, kTeleLogDays);
  KLX_ErrorHandlerCleanOldLogs(true, kErrorLogDays);

  const QString folder = m_Names.KLX_FileNameHandlerGetErrorLogFilePath();
  if (!m_Files.KLX_FileFileFunctionsCheckFolder(folder, true)) return int(KLX_Error);
  if (!m_Files.KLX_FileFunctionsGetAvailSpaceOnFolder(folder, kMinFreeKiB)) return int(KLX_Error);
  if (m_Writer.KLX_FileWriterInitialize(kBufferSize, m_Names.KLX_FileNameHandlerGetErrorLogFileName(),
                                        folder, kPartSize, "Errors log", true) != int(KLX_Ok))
    return int(KLX_Error);
  if (m_Writer.KLX_FileWriterStart(QString()) != int(KLX_Ok)) {
    m_Writer.KLX_FileWriterStop();
    return int(KLX_Error);
  }

  quint16 errorFolders, teleFolders, runappFiles;
  {
    QMutexLocker lock(&m_Mutex);
    m_Started = true;
    errorFolders = m_ErrorFoldersRemoved;
    teleFolders = m_TeleFoldersRemoved;
    runappFiles = m_RunappFilesRemoved;
  }
  RegisterError(kStartUp, "Vorn Start-up");
  if (errorFolders)
    RegisterError(kErrorFoldersRemoved, "Error log FOLDERS removed: " + QString::number(errorFolders));
  if (teleFolders)
    RegisterError(kTeleFoldersRemoved, "Tele log FOLDERS removed: " + QString::number(teleFolders));
  if (runappFiles)
    RegisterError(kRunappFilesRemoved, "Runapp log files removed: " + QString::number(runappFiles));
  return int(KLX_Ok);
}

int KLX_ErrorHandler::KLX_ErrorHandler_Stop(bool normal) {
  if (normal) {
    RegisterError(kGoingDown, "Vorn goes down!");
    QMutexLocker lock(&m_Mutex);
    m_Started = false;
  } else {
    RegisterError(kGoingDown, "Error logging stopped forcibly!");
  }
  return m_Writer.KLX_FileWriterStop();
}

bool KLX_ErrorHandler::KLX_ErrorHandlerIsStarted() const {
  QMutexLocker lock(&m_Mutex);
  return m_Started;
}

void KLX_ErrorHandler::KLX_ErrorHandlerSetObserver(Observer observer) {
  QMutexLocker lock(&m_ObserverMutex);
  m_Observer = std::move(observer);
}

void KLX_ErrorHandler::KLX_ErrorHandlerSetClock(Clock clock) {
  QMutexLocker lock(&m_Mutex);
  m_Clock = clock;
  m_Writer.KLX_FileWriterSetClock(std::move(clock));
}

void KLX_ErrorHandler::KLX_ErrorHandlerCleanOldLogs(bool errorLogs, int days) {
  QDate today;
  {
    QMutexLocker lock(&m_Mutex);
    today = Now().date();
  }
  const QString folder = errorLogs ? m_Names.KLX_FileNameHandlerGetErrorLogFilePath()
                                   : m_Names.KLX_FileNameHandlerGetTelemetrieLogFilePath();
  if (QFileInfo(folder).isDir()) {
    const QList<QFileInfo> entries =
        QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    const QStringList selected = getItemsToDeleteList(entries, today, days, '_');
    quint16 removed = 0;
    for (const QString& name : selected) {
      if (m_Files.KLX_FileFunctionsDeleteFolder(folder + name, false)) ++removed;
    }
    if (!selected.isEmpty()) {
      if (errorLogs)
        qDebug("  ->   error Log folder cleaning (>%d days ago)...", days);
      else
        qDebug("  ->   telemetry Log folder cleaning (>%d days ago)...", days);
      QMutexLocker lock(&m_Mutex);
      (errorLogs ? m_ErrorFoldersRemoved : m_TeleFoldersRemoved) = removed;
    }
  }
  if (!errorLogs) return;

  const QString runapp = m_Names.KLX_FileNameHandlerGetRunappLogFilePath();
  if (!QFileInfo(runapp).isDir()) return;
  const QList<QFileInfo> files =
      QDir(runapp).entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Unsorted);
  const QStringList selected = getItemsToDeleteList(files, today, days, '-');
  if (selected.isEmpty()) return;
  quint16 removed = 0;
  for (const QString& name : selected) {
    if (QFile::remove(runapp + name)) ++removed;
  }
  qDebug("  ->   RunApp Log folder cleaning (>%d days ago)...", days);
  QMutexLocker lock(&m_Mutex);
  m_RunappFilesRemoved = removed;
}

QDate GetFileDateFromFilenameTemplate(const QString& name, char separator) {
  const QDate none(1970, 1, 1);
  if (name.size() < 10) return none;
  if (name.at(4) != QLatin1Char(separator) && name.at(7) != QLatin1Char(separator)) return none;
  bool okYear = false, okMonth = false, okDay = false;
  const int year = name.mid(0, 4).toInt(&okYear, 10);
  const int month = name.mid(5, 2).toInt(&okMonth, 10);
  const int day = name.mid(8, 2).toInt(&okDay, 10);
  const QDate date(year, month, day);
  if (!okYear || !okMonth || !okDay || !date.isValid()) return none;
  return date;
}

QStringList getItemsToDeleteList(const QList<QFileInfo>& entries, const QDate& today, int days,
                                 char separator) {
  const QDate none(1970, 1, 1);
  QStringList names;
  for (const QFileInfo& entry : entries) {
    const QString name = entry.fileName();
    if (name.size() <= 9) continue;
    const QDate date = GetFileDateFromFilenameTemplate(name, separator);
    if (date == none) continue;
    if (date.addDays(days) < today) names.append(name);
  }
  return names;
}
