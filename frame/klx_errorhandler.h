#pragma once
// The process-wide error handler: every failure and noteworthy event of the
// program is registered here with its 32-bit code.
#include "frame/klx_errordata.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_filewriter.h"
#include "update/klx_filefunctions.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTime>

#include <functional>

class KLX_ErrorHandler : public QObject {
  Q_OBJECT

 public:
  static constexpr int kRepeatEntries = 30;

  explicit KLX_ErrorHandler(QObject* parent = nullptr);
  ~KLX_ErrorHandler() override;

  // Callable from any thread; the text may be empty.
  void RegisterError(unsigned code, QString text);

  Q_INVOKABLE QString KLX_ErrorHandlerGetErrorText() const;
  QString KLX_ErrorClassAsString() const;
  unsigned KLX_ErrorClassAsUI() const;
  unsigned KLX_ErrorHandlerGetError() const;

  int KLX_ErrorHandler_Initialize();
  int KLX_ErrorHandler_Stop(bool normal);
  bool KLX_ErrorHandlerIsStarted() const;
  // The folder of the error log now (its date folder); files there are not
  // to be deleted while the log is written.
  QString KLX_ErrorHandlerGetLogFolder() { return m_Writer.KLX_FileWriterGetFolder(); }

  // Removes telemetry log folders (errorLogs clear) or error log folders and
  // run-app logs (errorLogs set) dated more than `days` days ago.
  void KLX_ErrorHandlerCleanOldLogs(bool errorLogs, int days);

  // Tests watch every registration (valid or not) through this hook.
  using Observer = std::function<void(unsigned code, const QString& text)>;
  void KLX_ErrorHandlerSetObserver(Observer observer);

  // Tests fix "now" for the repeat filter, the log names and the cleaning.
  using Clock = std::function<QDateTime()>;
  void KLX_ErrorHandlerSetClock(Clock clock);

  static bool IsValidCode(unsigned code);

 signals:
  void klxError();

 private:
  struct RepeatEntry {
    int code = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int year = 0;
    int month = 0;
    int day = 0;
  };

  bool KLX_ErrorHandler_HandleError(unsigned* code);
  bool KLX_ErrorHandler_ErrorEntryOlder(int entry, int seconds) const;
  QDateTime Now() const;
  void ClearRepeatTable();

  // Guards everything below it: any thread may register.
  mutable QMutex m_Mutex;
  bool m_Started = false;
  bool m_RepeatOverflow = false;
  KLX_ErrorData m_ErrorData;
  QString m_ClassWord;
  unsigned m_ClassValue = 0;
  unsigned m_LastCode = 0;
  QString m_ErrorText;
  QDateTime m_Now;
  QDate m_Date;
  QTime m_Time;
  KLX_FileWriter m_Writer;
  KLX_FileNameHandler m_Names;
  KLX_FileFunctions m_Files;
  QByteArray m_Line;
  RepeatEntry m_Repeat[kRepeatEntries];
  quint16 m_TeleFoldersRemoved = 0;
  quint16 m_ErrorFoldersRemoved = 0;
  quint16 m_RunappFilesRemoved = 0;
  QMutex m_ObserverMutex;
  Observer m_Observer;
  Clock m_Clock;
};

// The date at the start of a log folder or file name ("2024_01_31...",
// "2024-01-31..."); 1 January 1970 when the name carries none.
QDate GetFileDateFromFilenameTemplate(const QString& name, char separator);
// The names among `entries` dated more than `days` days before `today`.
QStringList getItemsToDeleteList(const QList<QFileInfo>& entries, const QDate& today, int days,
                                 char separator);

extern KLX_ErrorHandler KLXErrorHandler;
