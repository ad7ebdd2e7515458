#pragma once
// A worker thread that appends text to a log file so that its callers never
// wait for the storage. The log lives in a date folder, in parts of a fixed
// size; a cached writer keeps its parts in "/tmp" and copies them to the
// real folder when it stops.
//
// A writer on the card makes its log last a power cut: what it was handed is
// written and synced (data, and the folder entries of a new part and a new
// date folder) at most kSyncIntervalMs after it was handed over, when a part
// is complete, when the log is closed or paused, and when the writer stops.
#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QWaitCondition>

#include <atomic>
#include <functional>

class KLX_FileWriter : public CNoDebugBase<QThread>, public KLX_BaseClassThread {
 public:
  using Clock = std::function<QDateTime()>;

  // A power cut loses at most this much of a running log.
  static constexpr qint64 kSyncIntervalMs = 5000;
  // A sync that found the card busy (or failed) is tried again after this.
  static constexpr qint64 kSyncRetryMs = 200;

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
  // The log is paused: the thread writes and syncs what it holds now, or as
  // soon as the card is free (a writer on the card only).
  void KLX_FileWriterRequestSync();

  // Tests fix the date and time that name folders and files.
  void KLX_FileWriterSetClock(Clock clock);
  // The clock the thread waits on for its syncs (the system's by default).
  void KLX_FileWriterSetWaitClock(KLX_Clock* clock);
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
  // Under the mutex: a sync is due from now on the wait clock (a writer on
  // the card only), unless one is due earlier.
  void ArmSync(qint64 inMs);
  // Under the mutex: the sync is due and the card is free.
  bool SyncDue();
  // A pass of the thread; with sync everything collected is written and made to last.
  void Pass(Reports& reports, QMutexLocker& lock, bool sync);
  // Under the mutex: syncs every part written since its last sync but
  // `keep`, once no other pass writes; the mutex is released meanwhile. A
  // failure arms a retry.
  void SyncLocked(QMutexLocker& lock, const QString& keep = QString());
  // Without the mutex: the part's data, and with `entry` its folder entry
  // (and the date folder's, when `dateFolder` names its parent).
  static bool SyncFile(const QString& name, bool entry, const QString& dateFolder);
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
  std::atomic<KLX_Clock*> m_WaitClock{&KLX_Clock::KLX_ClockSystem()};
  // When what was handed over must be on the card (wait clock), -1 none.
  qint64 m_SyncDue = -1;
  // The parts written to since their last sync.
  QStringList m_Unsynced;
  // The part whose folder entry was synced last.
  QString m_EntrySynced;
  // This writer made the target date folder; its entry is not synced yet.
  bool m_DateFolderMade = false;
};
