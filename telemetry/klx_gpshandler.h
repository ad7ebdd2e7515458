#pragma once
// The transmitter's own GPS receiver (larger board only): a thread on the
// receiver's serial line that configures it with three UBX messages, each
// acknowledged, and then takes its navigation solutions (NAV-PVT) into the
// GPS store. Five empty reads in a row (the receiver fell silent) send the
// whole configuration again. The first valid time after automatic date and
// time was switched on sets the clock.
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

#include "frame/klx_basethread.h"
#include "telemetry/klx_gpsdata.h"
#include "telemetry/klx_serialcom.h"

class KLX_Clock;
class KLX_DataBaseManager;

class KLX_GPSHandler : public CNoDebugBase<QThread>, public KLX_BaseClassThread {
  Q_OBJECT
 public:
  enum State { StateStopped, StateSendConfig, StateWaitConfigAck, StateWaitData };
  enum ReceiveState { ReceiveIdle, ReceiveSync1, ReceiveSync2, ReceiveHeader, ReceivePayload };
  static constexpr int kMessageBytes = 150;
  static constexpr int kBufferBytes = 1024;
  static constexpr int kEmptyReadsToRestart = 5;

  explicit KLX_GPSHandler(QObject* parent = nullptr);
  ~KLX_GPSHandler() override;

  // Opens the receiver's line and starts the thread: 1, or KLX_Error.
  int KLX_GPSHandlerInitialize(KLX_DataBaseManager* db);
  bool KLX_GPSHandlerIsInitialized() const { return m_Initialized; }
  void KLX_GPSHandlerStartProcessing() { KLX_BaseClassThreadStartProcessing(); }
  void KLX_GPSHandlerStopProcessing() { KLX_BaseClassThreadStopProcessing(); }
  int KLX_GPSHandlerStop();
  int KLX_GPSHandlerClose();
  // The pause after a failed read (a line that went away) runs on this clock.
  void KLX_GPSHandlerSetClock(KLX_Clock* clock) { m_Clock = clock; }
  int KLX_GPSHandlerState() const { return m_State; }

  // The UBX checksum over class, id, length and payload.
  static void KLX_GPSHandlerCalculateCRC(const unsigned char* data, int length, unsigned char* ck_a,
                                         unsigned char* ck_b);
  // Whether a whole frame (from its first sync byte) carries a good checksum.
  static bool KLX_GPSHandlerCkeckCRC(const unsigned char* frame);

 protected:
  void run() override;

 private:
  // 0 when a whole frame is in the message buffer.
  int KLX_GPSHandler_ReceiveHandler(int count);
  void KLX_GPSHandler_ResetReceiveData();
  int KLX_GPSHandler_STATE_SEND_CONFIG();
  int KLX_GPSHandler_STATE_WAIT_CONFIG_ACK(int count);
  int KLX_GPSHandler_STATE_WAIT_DATA(int count);
  // An empty read in states 2 and 3; the fifth in a row starts the configuration over.
  void EmptyRead();
  void TakeNavigationSolution(const unsigned char* payload);
  KLX_Clock& Clock() const;

  std::atomic<int> m_ConfigIndex{0};
  int m_ErrorCounter = 0;
  int m_FramePosition = 0;
  std::atomic<int> m_State{StateStopped};
  int m_ReceiveState = ReceiveIdle;
  int m_ExpectedCount = 1;
  std::atomic<bool> m_Running{false};
  std::atomic<bool> m_Initialized{false};
  KLX_SerialCom m_Serial;
  KLX_GPSData m_Config;
  unsigned char m_Message[kMessageBytes] = {};
  quint16 m_PayloadLength = 0;
  KLX_DataBaseManager* m_Db = nullptr;
  unsigned char m_ReadBuffer[kBufferBytes] = {};
  unsigned char m_SendBuffer[kBufferBytes] = {};
  KLX_Clock* m_Clock = nullptr;
  QMutex m_Mutex;
  QWaitCondition m_Wake;
};
