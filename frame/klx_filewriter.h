#pragma once
// A worker thread that appends text to a log file so that its callers never
// wait for the storage. The log lives in a date folder, in parts of a fixed
// size; a cached writer keeps its parts in "/tmp" and copies them to the
// real folder when it stops.
#include "frame/klx_basethread.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>
#include <QWaitCondition>

#include <atomic>
#include <functional>

class KLX_FileWriter : public CNoDebugBase<QThread>, public KLX_BaseClassThread {
 public:
  using Clock = std::function<QDateTime()>;

  KLX_FileWriter();
  ~KLX_FileWriter() override;

  // Returns 1, or -70000 for bad parameters, a thread that does not start or
  // a date folder that cannot be made.
  int KLX_FileWriterInitialize(int bufferSize, QString fileName, QString folder, int partSize,
                               const char* label, bool cached);
  // Opens a new log named by the current time; returns 1 or -70000.
  int KLX_FileWriterStart(QString prefix);
  // Hands text over: 1 accepted, 0 accepted but the SD card was busy so the
  // writer could not be woken yet, -70000 refused or (part of it) lost.
  // A null text of length 0 asks for the collected text to be written.
  int KLX_FileWriterWritetoFile(const char* data, int length, bool final);
  // Whether a part was completed since the last call (and clears that).
  bool KLX_FileWriter_isNewFilePart();
  void KLX_FileWriterStartProcessing();
  // Writes what was collected, then closes the log.
  void KLX_FileWriterStopProcessing();
  // Ends the thread, writes what is left and copies a cached log; returns 1.
  int KLX_FileWriterStop();

  // Tests fix the date and time that name folders and files.
  void KLX_FileWriterSetClock(Clock clock);
  // The date folder the log belongs in (a cached log is copied there when
  // it stops); empty before the start.
  QString KLX_FileWriterGetFolder();
  // The name of the part written now (without its folder); empty while no log is open.
  QString KLX_FileWriterGetFileName();

  static const char* const kTooLongMarker;

 protected:
  void run() override;

 private:
  using Reports = QList<QPair<unsigned, QString>>;

  int KLX_FileWriterGeneratePath();
  int KLX_FileWriterGeneratePathWithParam(bool cache);
  QString KLX_FileWriterGenerateFileName();
  void KLX_FileWriterGenerateCompleteFileName();
  // A write pass; the file is written with the mutex released, so that
  // callers go on handing text over meanwhile.
  void KLX_FileWriterAppendData(Reports& reports, QMutexLocker& lock);
  // Names the part the next write goes to; false (processing off for lack of
  // space, or no name) when there is none.
  bool OpenPart(Reports& reports);
  void KLX_FileWriterCopyFromCache();
  bool move_str_buf_2_file_buf();
  bool add_new_data_2_str_buf(const char* data, int length);

  QString CompleteNameOf(int part) const;
  QDateTime Now() const;
  int Notify();
  void Wake();
  void MarkLoss();
  bool AppendToFile(QByteArray& buffer, qint64* fileSize, QMutexLocker& lock);
  // Under the mutex: until no pass writes the file.
  void WaitForWrite();
  void NewPart();
  void StopProcessingLocked(Reports& reports);
  static void Register(const Reports& reports);

  char m_Label[16] = "FileWriter";
  std::atomic<bool> m_Running{false};
  bool m_NewPart = false;
  bool m_Final = false;
  bool m_Full = false;
  bool m_Pending = false;
  bool m_WakeRequested = false;
  int m_BufferSize = 0;
  int m_PartSize = 0;
  int m_PartNumber = 0;
  QByteArray m_HandOver;
  QByteArray m_Collect;
  QString m_Prefix;
  QString m_FileName;
  QString m_Folder;
  QString m_NameBase;
  QString m_TimeName;
  QString m_TargetDatePath;
  QString m_DateFolderName;
  QMutex m_Mutex;
  QWaitCondition m_Wait;
  // A pass is writing the file with the mutex released.
  bool m_Writing = false;
  QWaitCondition m_WriteDone;
  QString m_CompleteName;
  QString m_CacheDatePath;
  bool m_Cached = false;
  Clock m_Clock;
};
