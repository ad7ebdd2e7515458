#include "telemetry/klx_telemetriehandler.h"

#include <QDateTime>

#include <cstring>

#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "model/klx_databasemanager.h"
#include "telemetry/klx_telecontrol.h"
#include "telemetry/klx_telemetrie.h"
#include "update/klx_filefunctions.h"

namespace {
constexpr unsigned kInitFailed = 0x52201;
constexpr unsigned kWriterCannotStart = 0x1220A;
constexpr unsigned kCapturedWritten = 0x42202;
constexpr unsigned kEndOfLog = 0x42203;
constexpr unsigned kDumpFlagSet = 0x2220B;

// Where the own sensor's values sit.
enum OwnValue : int {
  kBattery1 = 0,
  kBattery2 = 1,
  kCurrent = 2,
  kCpuTemperature = 3,
  kLqi1 = 4,
  kLqi2 = 5,
  kRssi1 = 6,
  kRssi2 = 7,
  kSticks = 8,
  kOwnPlainValues = 12,
  kOwnLongitude = 12,
  kOwnLatitude = 14,
};
constexpr int kStickIds[4] = {CONTROLID_Stick_STA_GUI, CONTROLID_Stick_STB_GUI, CONTROLID_Stick_STC_GUI,
                               CONTROLID_Stick_STD_GUI};

// Mark texts by code; codes 3, 4 and 14 close the file.
const char* const kMarkTexts[15] = {
    "",
    "\r\n#Pause\r\n",
    "\r\n#DateChange\r\n",
    "\r\n#ModelChange\r\n",
    "\r\n#ModelNew\r\n",
    "\r\n#ModelFileRenamed\r\n",
    "\r\n#ModelFolderRenamed\r\n",
    "\r\n#ModelRescan\r\n",
    "\r\n#SavingXMLFiles\r\n",
    "\r\n#UpdateSystem\r\n",
    "\r\n#UpdateReceiver\r\n",
    "\r\n#SensorsAutoRescan\r\n",
    "\r\n#LoggingEnabled\r\n",
    "\r\n#LoggingDisabled\r\n",
    "\r\n#End\r\n",
};
constexpr int kMarkLoggingEnabled = 12;
constexpr int kMarkLoggingDisabled = 13;
constexpr int kMarkEnd = 14;
constexpr int kStateLoggingEnabledPending = 44;  // header pending with mark 12
constexpr int kStateHeaderWriteFailed = 0x6F;    // write failed, header pending, paused

bool ClosingMark(int code) { return code == 3 || code == 4 || code == kMarkEnd; }

// Record lines are built on the receiver thread: plain characters into a
// buffer on the stack, no allocation.
class Line {
 public:
  void Text(const char* s) {
    while (*s && m_Length < kSize) m_Buffer[m_Length++] = *s++;
  }
  void Text(const char* s, int n) {
    for (int i = 0; i < n && s[i] && m_Length < kSize; ++i) m_Buffer[m_Length++] = s[i];
  }
  void Char(char c) {
    if (m_Length < kSize) m_Buffer[m_Length++] = c;
  }
  void Hex(uint32_t v, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    if (m_Length + digits > kSize) return;
    for (int i = digits - 1; i >= 0; --i, v >>= 4) m_Buffer[m_Length + i] = kDigits[v & 15];
    m_Length += digits;
  }
  void Decimal(int v, int digits) {
    if (m_Length + digits > kSize || v < 0) return;
    for (int i = digits - 1; i >= 0; --i, v /= 10) m_Buffer[m_Length + i] = char('0' + v % 10);
    m_Length += digits;
  }
  void TimeLine(qint64 now, bool endLine) {
    Text("\r\n#Time=0x");
    Hex(static_cast<uint32_t>(now), 8);
    if (endLine) Text("\r\n");
  }
  const char* Data() const { return m_Buffer; }
  int Length() const { return m_Length; }

 private:
  static constexpr int kSize = 192;
  char m_Buffer[kSize];
  int m_Length = 0;
};

QByteArray Latin1(const QString& text) { return text.toLatin1(); }

QByteArray Hex8(qint64 v) { return QByteArray::number(static_cast<uint32_t>(v), 16).toUpper().rightJustified(8, '0'); }
}  // namespace

KLX_TelemetrieHandler::KLX_TelemetrieHandler() = default;

KLX_TelemetrieHandler::~KLX_TelemetrieHandler() { m_Writer.KLX_FileWriterStop(); }

qint64 KLX_TelemetrieHandler::Now() const { return m_Clock ? m_Clock() : QDateTime::currentSecsSinceEpoch(); }

void KLX_TelemetrieHandler::KLX_TelemetrieHandlerSetClock(UnixClock clock) {
  m_Clock = clock;
  if (clock)
    m_Writer.KLX_FileWriterSetClock([clock] { return QDateTime::fromSecsSinceEpoch(clock()); });
  else
    m_Writer.KLX_FileWriterSetClock(nullptr);
}

void KLX_TelemetrieHandler::SetState(int state) {
  m_Status.store((m_Status.load() & kRecordingBit) | (state & 0xFF));
}

void KLX_TelemetrieHandler::SetRecording(bool on) {
  const int state = m_Status.load() & 0xFF;
  m_Status.store(state | (on ? kRecordingBit : 0));
}

// ---- The live path ---------------------------------------------------------------------

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerHandleSensorData(const unsigned char* frame,
                                                                 KLX_DataBaseManager* db) {
  if (!frame || !db) return KLX_Error;
  // A frame that is a status text and a position at once is refused whole.
  if (!m_Z2Bus.KLX_Z2BusSetSensorSlaveData(frame)) return KLX_Error;
  const KLX_Z2Bus::LiveData& d = m_Z2Bus.LiveRecord();
  const int address = d.address;
  const int first = d.firstIndex;
  if (d.isGps) db->KLX_DataBaseManagerOnGpsDataReceived(d.address, d.firstIndex, d.longitude, d.latitude);
  if (KLX_Telemetrie* store = db->KLX_DataBaseManagerGetTelemetrieObject()) {
    // Readers take the store's lock: the values go in under it, and nothing
    // else happens while it is held.
    store->KLX_TelemetrieLock();
    if (d.isStatus) {
      char text[sizeof(d.status) + 1];
      std::memcpy(text, d.status, sizeof(d.status));
      text[sizeof(d.status)] = 0;
      store->KLX_TelemetrieGetSet_Slave_SlaveStatus(address, first, text, AtomicDirSet);
    } else {
      const int count = d.isGps ? 4 : 8;
      for (int i = 0; i < count; ++i)
        store->KLX_TelemetrieGetSet_Slave_SlaveValue(address, first + i, d.values[i], AtomicDirSet);
    }
    store->KLX_TelemetrieGetSet_Slave_Alarm(address, first, d.alarm, AtomicDirSet);
    store->KLX_TelemetrieUnlock();
  }
  if (!d.isStatus && !d.isGps) {
    if (KLX_TeleControl* controls = db->KLX_DataBaseManagerGetTeleControlObject())
      for (int i = 0; i < 8; ++i) controls->KLX_TeleControlSetReceivedRawValue(address, first + i, d.values[i]);
  }
  KLX_TelemetrieHandlerHandleVornData(db);
  LogStep(db, address, first, LogFrame);
  // Telemetry arriving keeps the model's run-time counter going.
  db->ModelRuntimeTimerEnable();
  return address;
}

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerNoRespFromSensor(unsigned char address, KLX_DataBaseManager* db) {
  if (!db) return KLX_Error;
  KLX_TelemetrieHandlerHandleVornData(db);
  LogStep(db, address, 0, LogNoResponse);
  KLX_Telemetrie* store = db->KLX_DataBaseManagerGetTelemetrieObject();
  if (!store) return KLX_Error;
  // R-Ediv receivers report a silent sensor less often: 10 reports suffice.
  const bool fast = db->KLX_DataBaseManagerIsReceiverModeREdiv();
  store->KLX_TelemetrieLock();
  const int result = store->KLX_TelemetrieHandleNoResponseFromSensor(address, fast);
  store->KLX_TelemetrieUnlock();
  return result;
}

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerHandleVornSlavesData(KLX_DataBaseManager* db,
                                                                     unsigned char firstIndex) {
  if (!db) return KLX_Error;
  // The figures just reported reach the own sensor before its record line.
  RefreshOwnSensor(db, firstIndex, firstIndex + 7);
  LogStep(db, kOwnSensor, firstIndex, LogOwnGroup);
  return KLX_Ok;
}

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerHandleVornData(KLX_DataBaseManager* db) {
  return RefreshOwnSensor(db, 0, kOwnLatitude);
}

int KLX_TelemetrieHandler::RefreshOwnSensor(KLX_DataBaseManager* db, int first, int last) {
  KLX_Telemetrie* store = db ? db->KLX_DataBaseManagerGetTelemetrieObject() : nullptr;
  if (!db) return KLX_Error;
  if (!store) return KLX_Error;
  auto wanted = [first, last](int index) { return index >= first && index <= last; };
  int values[kOwnPlainValues] = {};
  if (wanted(kBattery1)) values[kBattery1] = db->KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(0, AtomicDirGet);
  if (wanted(kBattery2)) values[kBattery2] = db->KLX_DataBaseManagerGetSetSystemProperties_Akku2Voltage(0, AtomicDirGet);
  if (wanted(kCurrent)) values[kCurrent] = db->KLX_DataBaseManagerGetSetSystemProperties_Current(0, AtomicDirGet);
  // The temperature is read anew with the first record of a second only.
  if (wanted(kCpuTemperature))
    values[kCpuTemperature] = db->KLX_DataBaseManagerGetCPUTemp(m_RecordCounter.load() & 0xFF);
  values[kLqi1] = db->KLX_DataBaseManagerGetTransLQI1();
  values[kLqi2] = db->KLX_DataBaseManagerGetTransLQI2();
  values[kRssi1] = db->KLX_DataBaseManagerGetTransRSSI1();
  values[kRssi2] = db->KLX_DataBaseManagerGetTransRSSI2();
  // Read without the live store's lock: the stick handler calls in here holding it.
  for (int k = 0; k < 4; ++k)
    if (wanted(kSticks + k))
      values[kSticks + k] = db->KLX_DataBaseManagerGetSet_ControlValueByControl(kStickIds[k], 0, AtomicDirGet);
  const int longitude = db->KLX_DataBaseManagerGPSGetSet_Longitude(0, AtomicDirGet);
  const int latitude = db->KLX_DataBaseManagerGPSGetSet_Latitude(0, AtomicDirGet);
  store->KLX_TelemetrieLock();
  for (int i = 0; i < kOwnPlainValues; ++i)
    if (wanted(i)) store->KLX_TelemetrieGetSet_Slave_SlaveValue(kOwnSensor, i, values[i], AtomicDirSet);
  if (wanted(kOwnLongitude))
    store->KLX_TelemetrieGetSet_Slave_Longtitude(kOwnSensor, kOwnLongitude, longitude, AtomicDirSet);
  if (wanted(kOwnLatitude))
    store->KLX_TelemetrieGetSet_Slave_Latitude(kOwnSensor, kOwnLatitude, latitude, AtomicDirSet);
  store->KLX_TelemetrieUnlock();
  return KLX_Ok;
}

void KLX_TelemetrieHandler::LogStep(KLX_DataBaseManager* db, int address, int firstIndex, LogSource source) {
  // The state is read without the lock: the receiver never waits here.
  const int status = m_Status.load();
  const int state = status & 0xFF;
  const bool recording = (status & kRecordingBit) != 0;
  if (state == kClosed) return;
  // Only a sensor frame brings a renamed model's header.
  if (source == LogFrame && (state & kHeaderPending)) {
    KLX_TelemetrieHandlerStreamHeader(db, false, false);
    return;
  }
  if (!recording) return;
  if (state == 0)
    KLX_TelemetrieHandlerStreamData(db, address, firstIndex, source == LogNoResponse);
  else
    KLX_TelemetrieHandler_WritePauseTag(state, false);
}

// ---- The log ------------------------------------------------------------------------------

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerIntialize() {
  m_RecordCounter = 0;
  const KLX_FileNameHandler names;
  const QString folder = names.KLX_FileNameHandlerGetTelemetrieLogFilePath();
  const QString file = names.KLX_FileNameHandlerGetTelemetrieLogFileName();
  {
    QMutexLocker lock(&m_Mutex);
    m_LogFolder = folder.endsWith('/') ? folder.left(folder.size() - 1) : folder;
    m_LogFileName = file;
    if (m_Prepared) return KLX_Ok;
  }
  const KLX_FileFunctions files;
  auto fail = [](const char* text) {
    KLXErrorHandler.RegisterError(kInitFailed, QString::fromLatin1(text));
    return int(KLX_Error);
  };
  if (!files.KLX_FileFunctionsCheckForSDCard(false)) return fail("no SD card inserted");
  m_Elapsed.start();
  if (!files.KLX_FileFileFunctionsCheckFolder(folder, true)) return fail("folder could not be generated");
  if (!files.KLX_FileFunctionsGetAvailSpaceOnFolder(folder, kMinFreeKiB))
    return fail("not enough space on SD card for telemetrie data");
  if (m_Writer.KLX_FileWriterInitialize(kBufferSize, file, folder, kPartSize, "Telemetry log", false) != KLX_Ok)
    return fail("Telemetry file-writer thread has not been started!");
  QMutexLocker lock(&m_Mutex);
  m_Prepared = true;
  return KLX_Ok;
}

KLX_TelemetrieHandler::Handed KLX_TelemetrieHandler::Write(const QByteArray& text, bool close) {
  if (!m_Prepared) return Handed::Failed;
  const int result = m_Writer.KLX_FileWriterWritetoFile(text.constData(), text.size(), close);
  if (result == KLX_Ok) return Handed::Taken;
  if (result == KLX_Done) return Handed::Waiting;
  // A writer that goes on but had no room for the text marks the loss in the
  // file ("!!"): the text is not in the log, and the log goes on.
  return m_Writer.KLX_BaseClassThreadIsProcessing() ? Handed::Refused : Handed::Failed;
}

int KLX_TelemetrieHandler::Code(Handed handed) {
  switch (handed) {
    case Handed::Taken: return KLX_Ok;
    case Handed::Failed: return KLX_Error;
    default: return KLX_Done;
  }
}

void KLX_TelemetrieHandler::FinishLocked() {
  SetRecording(false);
  SetState(kClosed);
  m_FileOpen = false;
  // What the writer holds still belongs to this file; then it is closed.
  if (m_Prepared) m_Writer.KLX_FileWriterStopProcessing();
}

void KLX_TelemetrieHandler::FinishWritingTelemetrie() {
  QMutexLocker lock(&m_Mutex);
  FinishLocked();
}

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerStop() {
  {
    QMutexLocker lock(&m_Mutex);
    SetRecording(false);
    SetState(kClosed);
    m_FileOpen = false;
    m_Prepared = false;
  }
  return m_Writer.KLX_FileWriterStop();
}

QString KLX_TelemetrieHandler::KLX_TelemetrieHandlerGetTeleLogFolder() const {
  const QString dated = const_cast<KLX_FileWriter&>(m_Writer).KLX_FileWriterGetFolder();
  if (!dated.isEmpty()) return dated;
  QMutexLocker lock(&m_Mutex);
  return m_LogFolder;
}

QString KLX_TelemetrieHandler::KLX_TelemetrieHandlerGetTeleLogFileName() const {
  const QString current = const_cast<KLX_FileWriter&>(m_Writer).KLX_FileWriterGetFileName();
  if (!current.isEmpty()) return current;
  QMutexLocker lock(&m_Mutex);
  return m_LogFileName;
}

QByteArray KLX_TelemetrieHandler::SensorsTable(KLX_Telemetrie* store) const {
  QByteArray table;
  if (!store) return table;
  store->KLX_TelemetrieLock();
  for (int s = 0; s < KLX_Telemetrie::kSensors; ++s) {
    const KLX_Telemetrie::Sensor* sensor = store->KLX_TelemetrieSensorRecord(s);
    if (!sensor->isUsed) continue;
    const char* sensorName = sensor->alias[0] ? sensor->alias : sensor->name;
    for (int v = 0; v < KLX_Telemetrie::kValues; ++v) {
      const KLX_Telemetrie::Value& value = sensor->values[v];
      if (!value.isUsed) continue;
      Line line;
      line.Decimal(s, 3);
      line.Char(';');
      line.Decimal(v, 2);
      line.Char(';');
      line.Text(sensorName, 16);
      line.Char(';');
      line.Text(value.alias[0] ? value.alias : value.label, 10);
      line.Char(';');
      if (!value.hasGps) line.Text(value.unit, 6);
      line.Char(';');
      table.append(line.Data(), line.Length());
      table.append(QByteArray::number(value.decPoint));
      table.append(";\r\n");
    }
  }
  store->KLX_TelemetrieUnlock();
  return table;
}

QByteArray KLX_TelemetrieHandler::HeaderText(KLX_DataBaseManager* db, bool newFile, qint64 now) const {
  QByteArray text;
  if (newFile) {
    text += "\r\n#AppVer=" + Latin1(db->KLX_DataBaseManagerVornLinuxAppGetVersion());
    text += "\r\n#TCfwVer=" + Latin1(db->KLX_DataBaseManagerVornTransAppGetVersion());
    text += "\r\n#SCfwVer=" + Latin1(db->KLX_DataBaseManagerVornStickAppGetVersion());
  }
  text += "\r\n#PilotName=" +
          Latin1(db->KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName(QString(), AtomicDirGet, false));
  text += "\r\n#Model=" + Latin1(db->KLX_DataBaseManagerVornPropertiesGetModelName()) + "@0x" + Hex8(now);
  const QString folder = db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet, false);
  if (!folder.isEmpty()) {
    text += "\r\n#ModelFolder=" + Latin1(folder);
  } else {
    text += "\r\n#ModelType=";
    text += char(db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet, false));
  }
  text += "\r\n#SensorsTable\r\n";
  text += SensorsTable(db->KLX_DataBaseManagerGetTelemetrieObject());
  return text;
}

int KLX_TelemetrieHandler::WriteHeaderLocked(KLX_DataBaseManager* db, bool captured) {
  m_LastRecordSecond = 0;
  // While the model data may not be saved (a file task holds them) there is
  // no model to name: nothing is written.
  if (!db->KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet)) return KLX_Done;
  const bool newFile = !m_FileOpen;
  if (newFile) {
    const QString model = db->KLX_DataBaseManagerVornPropertiesGetModelName();
    if (!m_Prepared || m_Writer.KLX_FileWriterStart(model) != KLX_Ok) {
      SetState(kClosed);
      // The start is tried again at every pass of the alarm thread: while it
      // fails (a full card) the error log has it once, not every pass.
      if (!m_StartFailureTold)
        KLXErrorHandler.RegisterError(kWriterCannotStart, QStringLiteral("Telemetry log file writer cannot start!"));
      m_StartFailureTold = true;
      return KLX_Error;
    }
    m_StartFailureTold = false;
    m_FileOpen = true;
    if (captured)
      KLXErrorHandler.RegisterError(kCapturedWritten, QStringLiteral("Telemetry captured, #SensorsTable is written!"));
  }
  const int written = Code(Write(HeaderText(db, newFile, Now()), false));
  if (written == KLX_Error) {
    FinishLocked();
    return KLX_Error;
  }
  SetRecording(true);
  const int state = State();
  if (state == kClosed)
    SetState(written == KLX_Ok ? kPaused : kStateHeaderWriteFailed);
  else
    SetState(written == KLX_Ok ? state & ~(kHeaderPending | kWriteFailed) : state | kWriteFailed);
  return KLX_Ok;
}

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerStreamHeader(KLX_DataBaseManager* db, bool captured,
                                                             bool lockHeld) {
  if (!db) return KLX_Error;
  const bool enabled =
      db->KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled(0, AtomicDirGet, false) != 0;
  if (!lockHeld) m_Mutex.lock();
  int result = KLX_Done;
  bool write = false;
  if (Recording()) {
    const int state = State();
    if (state == kClosed) {
      write = true;
    } else {
      if (captured) SetState(state | kHeaderPending);
      write = (State() & kHeaderPending) != 0;
      if (write && (State() & kWriteFailed)) {
        // What the writer holds goes out before the new header.
        const int flushed = m_Writer.KLX_FileWriterWritetoFile(nullptr, 0, false);
        if (flushed == KLX_Error) {
          FinishLocked();
          write = false;
          result = KLX_Error;
        } else if (flushed == KLX_Ok) {
          SetState(State() & ~kWriteFailed);
        }
      }
    }
  } else if (enabled) {
    write = true;
  } else {
    FinishLocked();
  }
  if (write) result = WriteHeaderLocked(db, captured);
  if (!lockHeld) m_Mutex.unlock();
  return result;
}

QByteArray KLX_TelemetrieHandler::RecordText(KLX_Telemetrie* store, int address, int firstIndex, bool noResponse,
                                             int counter) const {
  Line line;
  line.Char(':');
  line.Decimal(counter, 2);
  line.Char(';');
  line.Decimal(address, 3);
  line.Char(';');
  if (noResponse) {
    line.Text("99;9;;;;\r\n");
    return QByteArray(line.Data(), line.Length());
  }
  // Values beyond the sensor's 32 (a frame whose group runs past them) read 0.
  auto valueAt = [](const KLX_Telemetrie::Sensor* s, int index) -> const KLX_Telemetrie::Value* {
    return s && index >= 0 && index < KLX_Telemetrie::kValues ? &s->values[index] : nullptr;
  };
  store->KLX_TelemetrieLock();
  const KLX_Telemetrie::Sensor* sensor = store->KLX_TelemetrieSensorRecord(address);
  const KLX_Telemetrie::Value* first = valueAt(sensor, firstIndex);
  const bool status = first && first->hasStatus;
  const bool gps = first && first->hasGps;
  line.Decimal(firstIndex, 2);
  line.Char(';');
  if (gps) {
    line.Char(status ? '3' : '2');
    line.Char(';');
    for (int i = 0; i < 4; ++i) {
      const KLX_Telemetrie::Value* v = valueAt(sensor, firstIndex + i);
      line.Text("0x");
      line.Hex(static_cast<uint16_t>(v ? v->value : 0), 4);
      line.Char(';');
    }
    const KLX_Telemetrie::Value* lat = valueAt(sensor, firstIndex + 6);
    const KLX_Telemetrie::Value* lon = valueAt(sensor, firstIndex + 4);
    line.Text(";0x");
    line.Hex(static_cast<uint32_t>(lat ? lat->latitude : 0), 8);
    line.Text(";0x");
    line.Hex(static_cast<uint32_t>(lon ? lon->longitude : 0), 8);
    line.Char(';');
  } else if (status) {
    line.Text("1;;");
    line.Text(first->status, 16);
    line.Text(";;");
  } else {
    line.Text("0;");
    for (int i = 0; i < 8; ++i) {
      const KLX_Telemetrie::Value* v = valueAt(sensor, firstIndex + i);
      line.Text("0x");
      line.Hex(static_cast<uint16_t>(v ? v->value : 0), 4);
      line.Char(';');
    }
  }
  store->KLX_TelemetrieUnlock();
  line.Text("\r\n");
  return QByteArray(line.Data(), line.Length());
}

int KLX_TelemetrieHandler::KLX_TelemetrieHandlerStreamData(KLX_DataBaseManager* db, int address, int firstIndex,
                                                           bool noResponse) {
  KLX_Telemetrie* store = db ? db->KLX_DataBaseManagerGetTelemetrieObject() : nullptr;
  if (!store) return KLX_Error;
  const qint64 now = Now();
  // The receiver thread never waits for the lock: a busy lock drops the line.
  if (!m_Mutex.tryLock()) return KLX_Done;
  if (!Recording()) {
    m_Mutex.unlock();
    return KLX_Done;
  }
  const bool newSecond = now != m_LastRecordSecond;
  int counter = newSecond ? 0 : m_RecordCounter.load();
  if (!newSecond && address == kOwnSensor && (counter & 1)) {
    m_Mutex.unlock();
    return KLX_Done;
  }
  const bool newPart = m_Writer.KLX_FileWriter_isNewFilePart();
  QByteArray text;
  if (newSecond || newPart) {
    Line time;
    time.TimeLine(now, true);
    text.append(time.Data(), time.Length());
  }
  text += RecordText(store, address, firstIndex, noResponse, counter);
  const Handed handed = Write(text, false);
  const int result = Code(handed);
  if (handed == Handed::Failed) {
    FinishLocked();
  } else {
    // The second and the counter move on only with a line the writer took:
    // a refused line's time line is not in the log, the next line brings it.
    if (handed != Handed::Refused) {
      m_LastRecordSecond = now;
      if (address != kOwnSensor && counter < kMaxCounter) ++counter;
      m_RecordCounter = counter;
    }
    SetState(handed == Handed::Taken ? State() & ~kWriteFailed : State() | kWriteFailed);
  }
  m_Mutex.unlock();
  return result;
}

int KLX_TelemetrieHandler::KLX_TelemetrieHandler_WritePauseTag(int state, bool lockHeld) {
  if (state == kClosed) return KLX_Done;
  const int code = state & kCodeMask;
  const bool closing = ClosingMark(code);
  QByteArray text;
  // Without a mark (code 0) there is nothing to write: a bare time line
  // would break the record line that follows it.
  if (!(state & kHeaderPending) && code > 0 && code < kPaused) {
    Line time;
    time.TimeLine(Now(), false);
    text.append(time.Data(), time.Length());
    text += kMarkTexts[code];
  }
  if (!lockHeld) m_Mutex.lock();
  int written;
  if (text.isEmpty())
    written = (state & kWriteFailed) ? m_Writer.KLX_FileWriterWritetoFile(nullptr, 0, false) : int(KLX_Ok);
  else
    written = Code(Write(text, closing));
  if (written == KLX_Error) {
    FinishLocked();
  } else if (closing) {
    // The writer closes the file after the mark; it has done so when this returns.
    if (code == kMarkEnd)
      KLXErrorHandler.RegisterError(kEndOfLog, QStringLiteral("Telemetry handler stopped: #End of telemetry log file!"));
    if (m_Prepared) m_Writer.KLX_FileWriterStopProcessing();
    m_FileOpen = false;
    SetRecording(false);
    SetState(state == kMarkEnd ? kMarkEnd : kClosed);
  } else if (written == 0) {
    // Kept pending with the code: written again once the writer has flushed.
    if (State() == state) SetState(state | kWriteFailed);
  } else if (code == 0) {
    // Streaming with no mark: what the writer held went out, streaming goes on.
    if (State() == state) SetState(state & ~kWriteFailed);
  } else {
    const int kept = state & (kDisabledBit | kHeaderPending);
    int next = kPaused | kept;
    if (code == kMarkLoggingEnabled) next = kPaused | (state & kHeaderPending);
    if (code == kMarkLoggingDisabled) next = kPaused | kept | kDisabledBit;
    if (code == 5 || code == 6) next = kPaused | kept | kHeaderPending;
    if (State() == state) SetState(next);
    // A paused log lasts a power cut up to its mark.
    if (!text.isEmpty()) m_Writer.KLX_FileWriterRequestSync();
  }
  if (!lockHeld) m_Mutex.unlock();
  return written;
}

void KLX_TelemetrieHandler::KLX_TelemetrieHandler_HandlePauseAsyncRequest(int code) {
  if (code < 1 || code > kPaused) return;
  m_LastRequest = code;
  QMutexLocker lock(&m_Mutex);
  if (!Recording()) {
    if (code == kMarkLoggingEnabled) SetState(kStateLoggingEnabledPending);
    return;
  }
  const int state = State();
  if (state >= kWriteFailed) {
    KLXErrorHandler.RegisterError(kDumpFlagSet,
                                  QStringLiteral("Dump flag is set! Cannot process next pause command ") +
                                      QString::number(code));
  } else if ((state & kCodeMask) == 0 || (state & kCodeMask) == kPaused) {
    SetState((state & (kDisabledBit | kHeaderPending)) | code);
  }
  KLX_TelemetrieHandler_WritePauseTag(State(), true);
}

void KLX_TelemetrieHandler::KLX_TelemetrieHandler_ResumeRecording() {
  m_LastRequest = -1;
  QMutexLocker lock(&m_Mutex);
  if (Recording() && State() == kPaused) SetState(0);
}
