#include "telemetry/klx_gpshandler.h"
#include "frame/klx_debuglog.h"

#include <QtGlobal>

#include <cstring>
#include <ctime>

#include "frame/klx_clock.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr unsigned kErrInitialize = 0x11801;
constexpr unsigned kErrNotRunning = 0x11802;
constexpr unsigned kErrNotInitialized = 0x11803;
constexpr unsigned kErrStopNotRunning = 0x51802;
constexpr unsigned kErrShortWrite = 0x51805;
constexpr unsigned kErrUnexpectedMessage = 0x51806;
constexpr unsigned kErrConfigRestart = 0x51807;
constexpr unsigned kErrChecksum = 0x51808;
constexpr unsigned kErrFraming = 0x51809;
constexpr unsigned kErrOverrun = 0x5180A;
constexpr unsigned kErrZeroPointer = 0x5180B;

constexpr unsigned char kSync1 = 0xB5;
constexpr unsigned char kSync2 = 0x62;
constexpr unsigned char kClassNav = 0x01, kIdPvt = 0x07;
constexpr unsigned char kClassAck = 0x05, kIdAck = 0x01, kIdNak = 0x00;
// Header (sync, class, id, length) and checksum around the payload.
constexpr int kFrameOverhead = 8;
constexpr int kMaxPayload = KLX_GPSHandler::kMessageBytes - kFrameOverhead;
// The fields this program takes end with the heading at bytes 64-67; the
// oldest receivers send 84 bytes, newer ones 92.
constexpr int kPvtMinimumPayload = 84;
constexpr int kStatusBadChecksum = 10;
// A read that failed (not one that timed out) waits as long as a timed-out one.
constexpr unsigned long kReadTimeMs = 300;

quint16 U16(const unsigned char* p) { return quint16(p[0] | (p[1] << 8)); }
quint32 U32(const unsigned char* p) { return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24; }
qint32 I32(const unsigned char* p) { return qint32(U32(p)); }
}  // namespace

KLX_GPSHandler::KLX_GPSHandler(QObject* parent)
    : CNoDebugBase<QThread>(parent), KLX_BaseClassThread("GPS_Handler", true) {
  setObjectName(QStringLiteral("GPS_Handler"));
}

KLX_GPSHandler::~KLX_GPSHandler() {
  // The thread must never outlive the object it runs in.
  if (isRunning()) KLX_GPSHandlerStop();
  wait();
}

KLX_Clock& KLX_GPSHandler::Clock() const { return m_Clock ? *m_Clock : KLX_Clock::KLX_ClockSystem(); }

int KLX_GPSHandler::KLX_GPSHandlerInitialize(KLX_DataBaseManager* db) {
  if (!db) {
    KLXErrorHandler.RegisterError(kErrInitialize, QStringLiteral("KLX_GPSHandlerInitialize() went wrong"));
    return KLX_Error;
  }
  m_Db = db;
  const int opened =
      m_Serial.KLX_SerialComOpen(KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QStringLiteral("/dev/ttymxc2")), B9600, 3);
  if (opened != 1) return opened;
  m_Initialized = true;
  if (KLX_ThreadControl::Start(this, &m_Running)) {
    m_State = StateSendConfig;
    return 1;
  }
  KLXErrorHandler.RegisterError(kErrNotRunning, QStringLiteral("GPS thread not running"));
  m_State = StateStopped;
  return KLX_Error;
}

int KLX_GPSHandler::KLX_GPSHandlerStop() {
  if (!isRunning()) {
    KLXErrorHandler.RegisterError(kErrStopNotRunning, QStringLiteral("Thread stop: GPS thread not running"));
    m_Initialized = false;
    return 1;
  }
  KLX_ThreadControl::Stop(this, Clock(), &m_Mutex, &m_Wake, &m_Running);
  m_Initialized = false;
  m_State = StateStopped;
  m_ReceiveState = ReceiveIdle;
  return 1;
}

int KLX_GPSHandler::KLX_GPSHandlerClose() { return m_Serial.KLX_SerialComClose(); }

void KLX_GPSHandler::KLX_GPSHandlerCalculateCRC(const unsigned char* data, int length, unsigned char* ck_a,
                                                unsigned char* ck_b) {
  if (!data || !ck_a || !ck_b) {
    KLXErrorHandler.RegisterError(kErrZeroPointer, QStringLiteral("zero pointer"));
    return;
  }
  unsigned char a = 0, b = 0;
  for (int i = 0; i < length; ++i) {
    a = static_cast<unsigned char>(a + data[i]);
    b = static_cast<unsigned char>(b + a);
  }
  *ck_a = a;
  *ck_b = b;
}

bool KLX_GPSHandler::KLX_GPSHandlerCkeckCRC(const unsigned char* frame) {
  if (!frame) {
    KLXErrorHandler.RegisterError(kErrZeroPointer, QStringLiteral("zero pointer"));
    return false;
  }
  const int length = U16(frame + 4);
  if (length > kMaxPayload) return false;
  unsigned char a = 0, b = 0;
  KLX_GPSHandlerCalculateCRC(frame + 2, length + 4, &a, &b);
  return frame[6 + length] == a && frame[7 + length] == b;
}

void KLX_GPSHandler::KLX_GPSHandler_ResetReceiveData() {
  m_ReceiveState = ReceiveSync1;
  m_ExpectedCount = 1;
  m_FramePosition = 0;
  m_PayloadLength = 0;
}

int KLX_GPSHandler::KLX_GPSHandler_ReceiveHandler(int count) {
  if (count < 1) return 1;
  if (count > m_ExpectedCount || m_FramePosition + count > kMessageBytes) {
    KLXErrorHandler.RegisterError(kErrFraming, QString());
    KLX_GPSHandler_ResetReceiveData();
    return 1;
  }
  switch (m_ReceiveState) {
    case ReceiveSync1:
      // Anything before the first sync byte is dropped quietly.
      if (m_ReadBuffer[0] == kSync1) {
        m_Message[0] = kSync1;
        m_FramePosition = 1;
        m_ReceiveState = ReceiveSync2;
      }
      return 1;
    case ReceiveSync2:
      if (m_ReadBuffer[0] != kSync2) {
        KLXErrorHandler.RegisterError(kErrFraming, QString());
        KLX_GPSHandler_ResetReceiveData();
        return 1;
      }
      m_Message[1] = kSync2;
      m_FramePosition = 2;
      m_ReceiveState = ReceiveHeader;
      m_ExpectedCount = 4;
      m_PayloadLength = 0;
      return 1;
    case ReceiveHeader:
    case ReceivePayload:
      // A read returns what has arrived: the pieces of the header or of the
      // payload are gathered until the count is whole.
      std::memcpy(m_Message + m_FramePosition, m_ReadBuffer, size_t(count));
      m_FramePosition += count;
      m_ExpectedCount -= count;
      if (m_ExpectedCount > 0) return 1;
      if (m_ReceiveState == ReceiveHeader) {
        m_PayloadLength = U16(m_Message + 4);
        if (m_PayloadLength > kMaxPayload) {
          KLXErrorHandler.RegisterError(kErrOverrun, QStringLiteral("buffer overrun protection"));
          KLX_GPSHandler_ResetReceiveData();
          return 1;
        }
        m_ExpectedCount = m_PayloadLength + 2;
        m_ReceiveState = ReceivePayload;
        return 1;
      }
      {
        const bool whole = m_FramePosition == m_PayloadLength + kFrameOverhead;
        // The message buffer keeps the frame; the next one starts afresh.
        const quint16 length = m_PayloadLength;
        KLX_GPSHandler_ResetReceiveData();
        m_PayloadLength = length;
        return whole ? 0 : 1;
      }
    default:
      KLX_GPSHandler_ResetReceiveData();
      return 1;
  }
}

int KLX_GPSHandler::KLX_GPSHandler_STATE_SEND_CONFIG() {
  const unsigned char* entry = m_Config.KLX_GPSDataMessage(m_ConfigIndex);
  if (!entry) return KLX_Error;
  const int length = U16(entry + 2);
  m_SendBuffer[0] = kSync1;
  m_SendBuffer[1] = kSync2;
  std::memcpy(m_SendBuffer + 2, entry, size_t(length + 4));
  KLX_GPSHandlerCalculateCRC(m_SendBuffer + 2, length + 4, &m_SendBuffer[6 + length], &m_SendBuffer[7 + length]);
  const int total = length + kFrameOverhead;
  if (m_Serial.KLX_SerialComWrite(m_SendBuffer, total) != total) {
    // The next pass sends it again.
    KLXErrorHandler.RegisterError(kErrShortWrite, QString());
    return KLX_Error;
  }
  m_Serial.KLX_SerialComFlush();
  m_State = StateWaitConfigAck;
  KLX_GPSHandler_ResetReceiveData();
  m_ErrorCounter = 0;
  return 1;
}

void KLX_GPSHandler::EmptyRead() {
  KLX_GPSHandler_ResetReceiveData();
  if (m_ErrorCounter < kEmptyReadsToRestart) {
    ++m_ErrorCounter;
    return;
  }
  // The receiver is silent: it may have been reset, so it is configured anew.
  m_State = StateSendConfig;
  m_ConfigIndex = 0;
  m_ErrorCounter = 0;
  KLXErrorHandler.RegisterError(kErrConfigRestart, QString());
}

int KLX_GPSHandler::KLX_GPSHandler_STATE_WAIT_CONFIG_ACK(int count) {
  if (count < 1) {
    EmptyRead();
    return 1;
  }
  if (KLX_GPSHandler_ReceiveHandler(count) != 0) return 1;
  if (!KLX_GPSHandlerCkeckCRC(m_Message)) {
    KLXErrorHandler.RegisterError(kErrChecksum, QString());
    ++m_ErrorCounter;
    return 1;
  }
  if (m_Message[2] == kClassAck && m_Message[3] == kIdAck) {
    if (++m_ConfigIndex < KLX_GPSData::kMessages) {
      m_State = StateSendConfig;
    } else {
      m_ErrorCounter = 0;
      m_ConfigIndex = 0;
      m_State = StateWaitData;
    }
  } else if (!(m_Message[2] == kClassAck && m_Message[3] == kIdNak)) {
    // A refusal is waited out: the silence that follows sends the configuration again.
    KLXErrorHandler.RegisterError(kErrUnexpectedMessage, QString());
    ++m_ErrorCounter;
  }
  return 1;
}

int KLX_GPSHandler::KLX_GPSHandler_STATE_WAIT_DATA(int count) {
  if (count < 1) {
    EmptyRead();
    return 1;
  }
  if (KLX_GPSHandler_ReceiveHandler(count) != 0) return 1;
  m_ErrorCounter = 0;
  if (!KLX_GPSHandlerCkeckCRC(m_Message)) {
    qInfo("---   GPS: checksum == false");
    KLXErrorHandler.RegisterError(kErrChecksum, QString());
    if (m_Db) m_Db->KLX_DataBaseManagerGPSGetSet_Status(kStatusBadChecksum, AtomicDirSet);
    return 1;
  }
  if (m_Message[2] != kClassNav || m_Message[3] != kIdPvt || m_PayloadLength < kPvtMinimumPayload) {
    KLXErrorHandler.RegisterError(kErrUnexpectedMessage, QString());
    return 1;
  }
  if (!m_Db) {
    KLXErrorHandler.RegisterError(kErrNotInitialized, QStringLiteral("KLX_GPSHandlerInitialize() not called"));
    return 1;
  }
  TakeNavigationSolution(m_Message + 6);
  return 1;
}

void KLX_GPSHandler::TakeNavigationSolution(const unsigned char* payload) {
  KLX_DataBaseManager* db = m_Db;
  const int fixType = payload[20];
  db->KLX_DataBaseManager_GPSLock();
  if (fixType == 2 || fixType == 3 || fixType == 5) {
    const int valid = payload[11];
    db->KLX_DataBaseManagerGPSGetSet_TimeValidFlags(valid, AtomicDirSet);
    // Bits 0 and 1: date and time are valid.
    if ((valid & 3) == 3) {
      db->KLX_DataBaseManagerGPSGetSet_Year(U16(payload + 4), AtomicDirSet);
      db->KLX_DataBaseManagerGPSGetSet_Month(payload[6], AtomicDirSet);
      db->KLX_DataBaseManagerGPSGetSet_Day(payload[7], AtomicDirSet);
      db->KLX_DataBaseManagerGPSGetSet_Hour(payload[8], AtomicDirSet);
      db->KLX_DataBaseManagerGPSGetSet_Minute(payload[9], AtomicDirSet);
      db->KLX_DataBaseManagerGPSGetSet_Second(payload[10], AtomicDirSet);
      if (db->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime(0, AtomicDirGet) == 1 &&
          !db->KLX_DataBaseManagerSystemProperties_IsDateTimeSync()) {
        std::tm utc{};
        utc.tm_year = U16(payload + 4) - 1900;
        utc.tm_mon = payload[6] - 1;
        utc.tm_mday = payload[7];
        utc.tm_hour = payload[8];
        utc.tm_min = payload[9];
        utc.tm_sec = payload[10];
        // Fills in the weekday, which the receiver does not send.
        timegm(&utc);
        char text[64] = {};
        if (!asctime_r(&utc, text)) text[0] = 0;
        qInfo("Set GPS UTC: %s", qPrintable(QString::fromLatin1(text).trimmed()));
        db->KLX_DataBaseManagerSystemProperties_SynchronizeDateTime();
      }
    }
    db->KLX_DataBaseManagerGPSGetSet_Longitude(I32(payload + 24), AtomicDirSet);
    db->KLX_DataBaseManagerGPSGetSet_Latitude(I32(payload + 28), AtomicDirSet);
    db->KLX_DataBaseManagerGPSGetSet_RawHight(I32(payload + 36), AtomicDirSet);
    // A good fix: 3D with the fix flag (bit 0) alone.
    db->KLX_DataBaseManagerGPSGetSet_GpsFix(fixType == 3 && payload[21] == 1 ? 3 : 0, AtomicDirSet);
    db->KLX_DataBaseManagerGPSGetSet_CountSatelite(payload[23], AtomicDirSet);
    db->KLX_DataBaseManagerGPSGetSet_RawSpeed(U32(payload + 60), AtomicDirSet);
    db->KLX_DataBaseManagerGPSGetSet_RawHeading(I32(payload + 64), AtomicDirSet);
  }
  db->KLX_DataBaseManager_GPSUnlock();
  db->KLX_DataBaseManagerGPSGetSet_Status(fixType, AtomicDirSet);
}

void KLX_GPSHandler::run() {
  // Set by the start before the thread ran: a stop asked meanwhile holds.
  if (!m_Running) return;
  if (!m_Initialized) {
    KLXErrorHandler.RegisterError(kErrNotInitialized, QStringLiteral("KLX_GPSHandlerInitialize() not called"));
    m_Running = false;
    return;
  }
  qInfo("  ->   starting KLX_GPSHandler thread");
  qCDebug(lcVornDebug, "GPS config messages count: %d", KLX_GPSData::kMessages);
  KLX_GPSHandler_ResetReceiveData();
  KLX_ThreadControl::Entered();
  while (m_Running) {
    m_ExpectedCount = qBound(1, m_ExpectedCount, kBufferBytes);
    int count = m_Serial.KLX_SerialComRead(m_ReadBuffer, m_ExpectedCount);
    if (count < 0) {
      // The line failed rather than timed out: wait as a timed-out read would.
      QMutexLocker lock(&m_Mutex);
      if (m_Running) Clock().KLX_ClockWait(m_Wake, m_Mutex, kReadTimeMs);
      count = 0;
    }
    if (!KLX_BaseClassThreadIsProcessing()) continue;
    switch (m_State) {
      case StateSendConfig: KLX_GPSHandler_STATE_SEND_CONFIG(); break;
      case StateWaitConfigAck: KLX_GPSHandler_STATE_WAIT_CONFIG_ACK(count); break;
      case StateWaitData: KLX_GPSHandler_STATE_WAIT_DATA(count); break;
      default: break;
    }
  }
  qInfo("  ->   exit KLX_GPSHandler thread");
}
