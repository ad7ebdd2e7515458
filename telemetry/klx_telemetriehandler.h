#pragma once
// The telemetry handler, owned by the database facade. Its live path takes
// every live sensor frame, no-response report and link-quality report of the
// transceiver controller into the sensor store, the telemetry controls and
// the telemetry log, and keeps the transmitter's own sensor (address 4) up
// to date. Its log part records "Tele.log" on the SD card through a log file
// writer thread: a header with the sensor table, time lines once a second,
// one record line per frame and event marks, driven by a small state machine.
// The writer keeps what it is handed on the card within its sync interval;
// a mark (the log paused) and the close of the log make it last at once.
//
// The live path runs on the CAN receiver thread and never waits on the log:
// it reads the recording state without the handler's lock, a record line
// only tries the lock and is dropped when it is busy, and the writer takes
// text into memory. It writes the sensor store under the store's lock,
// briefly, never around the log.
#include <QByteArray>
#include <QElapsedTimer>
#include <QMutex>
#include <QString>

#include <atomic>
#include <functional>

#include "frame/klx_databasevalues.h"
#include "frame/klx_filewriter.h"
#include "telemetry/klx_z2bus.h"

class KLX_DataBaseManager;
class KLX_Telemetrie;

class KLX_TelemetrieHandler {
 public:
  // The Unix time in seconds (tests give their own).
  using UnixClock = std::function<qint64()>;

  static constexpr int kFrameSize = KLX_Z2Bus::kLiveFrameSize;
  static constexpr int kOwnSensor = 4;
  // The state byte: bits 0-3 the mark code (0 streaming, 1..14 a mark
  // waiting, 15 paused after a mark), bit 4 logging disabled, bit 5 header
  // pending, bit 6 a write failed; 255 no log open.
  static constexpr int kCodeMask = 0x0F;
  static constexpr int kPaused = 15;
  static constexpr int kDisabledBit = 0x10;
  static constexpr int kHeaderPending = 0x20;
  static constexpr int kWriteFailed = 0x40;
  static constexpr int kClosed = 255;
  // Writer set-up of the telemetry log.
  static constexpr int kBufferSize = 32768;
  static constexpr int kPartSize = 0x300000;
  static constexpr long kMinFreeKiB = 5120;

  KLX_TelemetrieHandler();
  ~KLX_TelemetrieHandler();

  // ---- Live path (CAN receiver thread) ----
  // A live frame (message 51, command 0): the frame's sensor address, or KLX_Error.
  int KLX_TelemetrieHandlerHandleSensorData(const unsigned char* frame, KLX_DataBaseManager* db);
  int KLX_TelemetrieHandlerNoRespFromSensor(unsigned char address, KLX_DataBaseManager* db);
  // A group of eight own-sensor values (0 or 8) was reported: the own sensor
  // takes the figures and the group's record line is written.
  int KLX_TelemetrieHandlerHandleVornSlavesData(KLX_DataBaseManager* db, unsigned char firstIndex);
  // Refreshes the own sensor from the transmitter's figures (also the
  // timers-and-alarms thread). KLX_Ok, or KLX_Error without a facade.
  int KLX_TelemetrieHandlerHandleVornData(KLX_DataBaseManager* db);

  // ---- The log ----
  int KLX_TelemetrieHandlerIntialize();
  int KLX_TelemetrieHandlerStreamHeader(KLX_DataBaseManager* db, bool captured, bool lockHeld);
  int KLX_TelemetrieHandlerStreamData(KLX_DataBaseManager* db, int address, int firstIndex, bool noResponse);
  int KLX_TelemetrieHandler_WritePauseTag(int state, bool lockHeld);
  // A mark (codes 1..15) asked for by another part of the system.
  void KLX_TelemetrieHandler_HandlePauseAsyncRequest(int code);
  void KLX_TelemetrieHandler_ResumeRecording();
  void FinishWritingTelemetrie();
  int KLX_TelemetrieHandlerStop();
  // The date folder the log is written into now (the log folder before the
  // writer is set up), and that folder with the current part's name.
  QString KLX_TelemetrieHandlerGetTeleLogFolder() const;
  QString KLX_TelemetrieHandlerGetTeleLogFileName() const;

  // ---- Read-outs and test doors ----
  int KLX_TelemetrieHandlerGetState() const { return m_Status.load() & 0xFF; }
  bool KLX_TelemetrieHandlerIsRecording() const { return (m_Status.load() & kRecordingBit) != 0; }
  int KLX_TelemetrieHandlerGetRecordCounter() const { return m_RecordCounter.load(); }
  // The mark code asked for last, -1 after a resume.
  int PauseReason() const { return m_LastRequest.load(); }
  // The time source of time lines, records and the log's file names.
  void KLX_TelemetrieHandlerSetClock(UnixClock clock);
  KLX_FileWriter& KLX_TelemetrieHandlerWriter() { return m_Writer; }

 private:
  static constexpr int kRecordingBit = 0x100;
  static constexpr int kMaxCounter = 99;

  qint64 Now() const;
  // The own sensor's values first..last from the transmitter's figures.
  int RefreshOwnSensor(KLX_DataBaseManager* db, int first, int last);
  // Under m_Mutex: the state and recording flag, mirrored for lock-free readers.
  void SetState(int state);
  void SetRecording(bool on);
  int State() const { return m_Status.load() & 0xFF; }
  bool Recording() const { return (m_Status.load() & kRecordingBit) != 0; }
  // Under m_Mutex: recording off, state 255, the writer stops the current file.
  void FinishLocked();
  // What became of a text handed to the writer: in its buffer, in its
  // buffer while the card is busy (it writes once woken), refused for want
  // of room (the loss marked "!!", the log goes on), or the log has ended.
  enum class Handed { Taken, Waiting, Refused, Failed };
  Handed Write(const QByteArray& text, bool close);
  // The writer's answer for it: KLX_Ok, KLX_Done (not written yet) or KLX_Error.
  static int Code(Handed handed);
  // The log step of the live path after the store was written.
  enum LogSource { LogFrame, LogNoResponse, LogOwnGroup };
  void LogStep(KLX_DataBaseManager* db, int address, int firstIndex, LogSource source);
  QByteArray HeaderText(KLX_DataBaseManager* db, bool newFile, qint64 now) const;
  QByteArray SensorsTable(KLX_Telemetrie* store) const;
  QByteArray RecordText(KLX_Telemetrie* store, int address, int firstIndex, bool noResponse, int counter) const;
  int WriteHeaderLocked(KLX_DataBaseManager* db, bool captured);

  KLX_Z2Bus m_Z2Bus;  // the receiver thread's own parser
  KLX_FileWriter m_Writer;
  mutable QMutex m_Mutex;  // recording, state, last second, the open file
  // (state | recording bit), written under m_Mutex, read by the live path without it.
  std::atomic<int> m_Status{kClosed};
  std::atomic<int> m_RecordCounter{0};
  std::atomic<int> m_LastRequest{-1};
  qint64 m_LastRecordSecond = 0;
  bool m_FileOpen = false;
  bool m_Prepared = false;
  // The error log has the writer's failure to start since the last start.
  bool m_StartFailureTold = false;
  QElapsedTimer m_Elapsed;
  QString m_LogFolder;
  QString m_LogFileName;
  UnixClock m_Clock;
};
