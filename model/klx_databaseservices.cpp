// The facade's service invokables: link-quality read-outs, direct commands
// to the transceiver controller, telemetry tasks and recording, the model
// file's dates, plain text files, update comparisons, and the neighbours'
// clear-all doors.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "frame/klx_board.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filecalls.h"
#include "frame/klx_filenamehandler.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_taskrecords.h"
#include "tasks/klx_vornhandler.h"
#include "update/klx_filefunctions.h"
#include "update/klx_update_httpreq.h"

namespace {
constexpr unsigned kErrTextFilePath = 0x203F4;
constexpr int kTaskBindConfig = 5;
constexpr int kTaskSetMenuData = 17;
constexpr int kTaskGetMenuDataCont = 20;
constexpr int kTaskCaptureTeleInfo = 24;
constexpr int kParaNone = 17;
constexpr int kParaRescan = 18;
constexpr int kReceivers = 4;
constexpr int kSticks = 8;

const QList<int> kNoParameters = {kParaNone, kParaNone, kParaNone, kParaNone, kParaNone, kParaNone};
}  // namespace

// ---- Link quality -------------------------------------------------------------------------

QString KLX_DataBaseManager::LinkValue(std::atomic<int>* values, int value, int dir, int rcvindex) {
  if (rcvindex < 0 || rcvindex >= kReceivers) return QString();
  if (dir == 0) values[rcvindex] = static_cast<int16_t>(value);
  return QString::number(values[rcvindex].load());
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetLQI1(int value, int dir, int rcvindex) {
  return LinkValue(m_RcvLQI1, value, dir, rcvindex);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetLQI2(int value, int dir, int rcvindex) {
  return LinkValue(m_RcvLQI2, value, dir, rcvindex);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetRSSI1(int value, int dir, int rcvindex) {
  return LinkValue(m_RcvRSSI1, value, dir, rcvindex);
}
QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetRSSI2(int value, int dir, int rcvindex) {
  return LinkValue(m_RcvRSSI2, value, dir, rcvindex);
}

void KLX_DataBaseManager::ClearLinkQuality() {
  for (int i = 0; i < kReceivers; ++i) m_RcvLQI1[i] = m_RcvLQI2[i] = m_RcvRSSI1[i] = m_RcvRSSI2[i] = 0;
  m_LQI1 = m_LQI2 = m_RSSI1 = m_RSSI2 = 0;
}

// ---- Commands to the transceiver controller ------------------------------------------------

int KLX_DataBaseManager::SendToTransceiver(unsigned short id, const QByteArray& data) {
  if (!m_Protocol) return KLX_Ok;
  m_Protocol->KLX_ProtocolSendMessage(unsigned(data.size()), data.constData(), id, KLX_NODE_APPLICATION);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerSetGainValueFCC(int value) {
  // 1 raises, 2 lowers the radio-test gain; 0 leaves it as it is.
  const char gain = value >= 1 ? 1 : (value < 0 ? 2 : 0);
  return SendToTransceiver(KLX_MSG_RADIO_TEST_GAIN, QByteArray(1, gain));
}

int KLX_DataBaseManager::KLX_DataBaseManagerSetSilentModeViaCAN(int value) {
  return SendToTransceiver(KLX_MSG_SILENT_MODE, QByteArray(1, static_cast<char>(value & 0xFF)));
}

int KLX_DataBaseManager::KLX_DataBaseManagerVornStart() { return m_Vorn ? m_Vorn->KLX_VornHandlerStartVorn() : KLX_Error; }

// ---- Telemetry tasks and recording ---------------------------------------------------------------

int KLX_DataBaseManager::QueueTask(int task, const QList<int>& para, int timeout, int retries, int extra,
                                   int source) {
  if (!m_Vorn) return KLX_Error;
  Task_Data_T request;
  request.task = task;
  for (int i = 0; i < 6; ++i) request.SetParaInt(i + 1, para.value(i, kParaNone));
  request.timeout = timeout;
  request.repeat = retries;
  request.requeueDelay = extra;
  request.source = source;
  return m_Vorn->KLX_VornHandlerQueueProcessTask(request);
}

int KLX_DataBaseManager::KLX_DataBaseManagerBindingInfoSend() {
  return QueueTask(kTaskBindConfig, kNoParameters, 2000, 3, 0, 0);
}

int KLX_DataBaseManager::KLX_DataBaseManagerMenuDataSet(int saddr, int menu, int item, int step, int dir,
                                                       int datatype) {
  return QueueTask(kTaskSetMenuData, {saddr, menu, item, step, dir, datatype}, 1000, 0, 0, 0);
}

int KLX_DataBaseManager::KLX_DataBaseManagerCaptureMenuContinious() {
  return QueueTask(kTaskGetMenuDataCont, kNoParameters, 2000, 0, 1000, 1);
}

int KLX_DataBaseManager::KLX_DataBaseManagerRescanTelemetry() {
  if (!m_Protocol || !m_Vorn || m_Vorn->KLX_VornHandlerCheckMenuDataActiveWork()) return KLX_Error;
  KLX_DataBaseManagerTelemetrieClearAllData(true);
  SendToTransceiver(KLX_MSG_TELEMETRY_RESCAN, QByteArray());
  return QueueTask(kTaskCaptureTeleInfo, {kParaNone, kParaNone, kParaNone, kParaNone, kParaNone, kParaRescan}, 3000,
                   1, 5000, 0);
}

void KLX_DataBaseManager::KLX_DataBaseManagerPauseTelemetrie(int pauseReason) {
  m_TelemetrieHandler.KLX_TelemetrieHandler_HandlePauseAsyncRequest(pauseReason);
}

void KLX_DataBaseManager::KLX_DataBaseManagerResumeTelemetrie() { m_TelemetrieHandler.KLX_TelemetrieHandler_ResumeRecording(); }

QString KLX_DataBaseManager::KLX_DataBaseManagerGetTeleLogFolder() {
  return m_TelemetrieHandler.KLX_TelemetrieHandlerGetTeleLogFolder();
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetTeleLogAbsFilePath() {
  return m_TelemetrieHandler.KLX_TelemetrieHandlerGetTeleLogFolder() + QLatin1Char('/') +
         m_TelemetrieHandler.KLX_TelemetrieHandlerGetTeleLogFileName();
}

int KLX_DataBaseManager::KLX_DataBaseManagerStartTelemetry() {
  return m_TelemetrieHandler.KLX_TelemetrieHandlerStreamHeader(this, true, false);
}

// ---- The model file's dates -------------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerUpdateModelMetaData() {
  const QString name = KLX_DataBaseManagerVornPropertiesGetModelName();
  const int type = KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet, false);
  if (!KLX_FileFunctions().KLX_FileFunctionsCheckForSDCard(true)) return KLX_Ok;
  const QString folder = KLX_FileNameHandler().KLX_FileNameHandlerGetModelFilePath(type, QString(), false);
  const QFileInfo file(folder + name + QStringLiteral(".xml"));
  if (name.isEmpty() || folder.isEmpty() || !QFileInfo(folder).isDir() || !file.isFile()) return KLX_Ok;
  const QDate date = file.lastModified().date();
  QMutexLocker lock(&m_MetaMutex);
  m_MetaLastModified = date.toString(QStringLiteral("dd/MM/yyyy"));
  return KLX_Ok;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetModelMetaLastModi() {
  QMutexLocker lock(&m_MetaMutex);
  return m_MetaLastModified;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetModelMetaCreate() {
  QMutexLocker lock(&m_MetaMutex);
  return m_MetaCreated;
}

void KLX_DataBaseManager::KLX_DataBaseManagerSetModelMetaCreate(const QString& date) {
  QMutexLocker lock(&m_MetaMutex);
  m_MetaCreated = date;
}

// ---- Plain text files ------------------------------------------------------------------------------

// The paths QML gives are the board's: they are placed under this build's
// root and kept to the data partition and the USB sticks (on the board the
// root is the system's own); a path that leaves them (a relative one, one
// with "..", another folder of the system) is refused with a report.
QString KLX_DataBaseManager::TextFilePath(const QString& path, const QString& name) {
  QString checked;
  if (name.isNull() || KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(name)) {
    const QString whole = name.isNull() ? path : path + QLatin1Char('/') + name;
    checked = KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(whole, QStringLiteral("/Vorn"));
    if (checked.isEmpty()) checked = KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(whole, QStringLiteral("/media"));
  }
  if (checked.isEmpty())
    KLXErrorHandler.RegisterError(kErrTextFilePath, QStringLiteral("file path refused: ") + path + QLatin1Char(' ') + name);
  return checked;
}

bool KLX_DataBaseManager::KLX_DataBaseManagerFileWrite(QString fullPathName, QString input) {
  m_TextFileFailure = KLX_DatabaseValues::ModelSaveFailure_NotWritten;
  const QString path = TextFilePath(fullPathName);
  return !path.isEmpty() && WriteText(path, input);
}

// The file is replaced whole, every byte of it on the medium, or not at all.
bool KLX_DataBaseManager::WriteText(const QString& path, const QString& input) {
  bool noRoom = false;
  if (KLX_FileCallsWriteWhole(path, input.toUtf8(), &noRoom)) {
    m_TextFileFailure = KLX_DatabaseValues::ModelSaveFailure_None;
    return true;
  }
  m_TextFileFailure =
      noRoom ? KLX_DatabaseValues::ModelSaveFailure_CardFull : KLX_DatabaseValues::ModelSaveFailure_NotWritten;
  qDebug("Could not write file%s.", noRoom ? ": no room left on the medium" : "");
  return false;
}

bool KLX_DataBaseManager::KLX_DataBaseManagerCreateTextFile(QString pathName, QString fileName, QString input) {
  m_TextFileFailure = KLX_DatabaseValues::ModelSaveFailure_NotWritten;
  const QString folder = TextFilePath(pathName);
  const QString path = folder.isEmpty() ? QString() : TextFilePath(pathName, fileName);
  if (path.isEmpty()) return false;
  if (!QDir().mkpath(folder)) {
    qDebug("Directory could not be created.");
    return false;
  }
  return WriteText(path, input);
}

bool KLX_DataBaseManager::KLX_DataBaseManagerExportTextFile(QString fileName, QString input) {
  m_TextFileFailure = KLX_DatabaseValues::ModelSaveFailure_NotWritten;
  // A name, not a path: the text stays on the stick.
  if (!KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(fileName)) return false;
  KLX_FileNameHandler names;
  const int mask = names.KLX_FileNameHandlerGetUSBAllSticksMask();
  for (int stick = 0; stick < kSticks; ++stick) {
    if (!(mask & (1 << stick))) continue;
    const QString root = names.KLX_FileNameHandlerGetUSBStickPath(static_cast<unsigned char>(stick));
    if (!root.isEmpty()) return WriteText(QDir(root).filePath(fileName), input);
  }
  return false;
}

bool KLX_DataBaseManager::KLX_DataBaseManagerDeleteTextFile(QString pathName, QString fileName) {
  const QString path = TextFilePath(pathName, fileName);
  if (path.isEmpty()) return false;
  if (!QFileInfo(path).isFile()) {
    qDebug("Can't delete not existing file!");
    return false;
  }
  return QFile::remove(path);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerReadTextFile(QString fullPathName) {
  const QString path = TextFilePath(fullPathName);
  if (path.isEmpty()) return QStringLiteral("Error while opening file");
  QFile file(path);
  if (!file.exists()) return QStringLiteral("Error. File not found");
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return QStringLiteral("Error while opening file");
  return QString::fromUtf8(file.readAll());
}

QString KLX_DataBaseManager::KLX_DataBaseManagerReadTextFile(QString pathName, QString fileName) {
  const QString path = TextFilePath(pathName, fileName);
  return path.isEmpty() ? QStringLiteral("Error while opening file") : KLX_DataBaseManagerReadTextFile(path);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetImageExt(QString filename) {
  static const char* const kExtensions[] = {".jpg", ".jpeg", ".bmp", ".png", ".gif"};
  const QString path = TextFilePath(filename);
  if (path.isEmpty()) return QString();
  for (const char* ext : kExtensions)
    if (QFileInfo::exists(path + QLatin1String(ext))) return QLatin1String(ext);
  return QString();
}

// ---- Update comparisons ---------------------------------------------------------------------------

void KLX_DataBaseManager::KLX_DataBaseManagerAbortDownload() { KLX_Update_HttpReq::m_userAbortRequest = true; }

int KLX_DataBaseManager::KLX_DataBaseManagerIsPacketUpdateDifferent(bool running) {
  unsigned char major = 0;
  unsigned char minor = 0;
  if (running) {
    major = static_cast<unsigned char>(Info::Instance().AppMajor());
    minor = static_cast<unsigned char>(Info::Instance().AppMinor());
  } else {
    major = static_cast<unsigned char>(KLX_DataBaseManagerUpdate_SetGetVersion_Major_Installed(0, AtomicDirGet));
    minor = static_cast<unsigned char>(KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(0, AtomicDirGet));
  }
  return (major != KLX_DataBaseManagerUpdate_SetGetVersion_Major_Updated(0, AtomicDirGet) ||
          minor != KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Updated(0, AtomicDirGet))
             ? 1
             : 0;
}

int KLX_DataBaseManager::KLX_DataBaseManagerIsDeviceUpdateDifferent(QString device, unsigned char index) {
  CVersion installed;
  unsigned char major = 0;
  unsigned char minor = 0;
  const QString stick = Board::IsInitialized() ? Board::m_Instance->SCName() : QString();
  if (!stick.isEmpty() && device == stick) {
    if (VersionStore()->KLX_VersionVornStickAppGetVersion(&major, &minor)) installed.Set(major, minor);
  } else if (device == QLatin1String("TC")) {
    if (VersionStore()->KLX_VersionVornTransAppGetVersion(&major, &minor)) installed.Set(major, minor);
  } else if (device == QLatin1String("LI")) {
    installed.Set(static_cast<unsigned char>(Info::Instance().AppMajor()),
                  static_cast<unsigned char>(Info::Instance().AppMinor()));
  } else if (device == QLatin1String("RCV")) {
    installed = KLX_DataBaseManagerGetReceiverVersion(index);
  } else {
    return 0;
  }
  CVersion offered;
  offered.Set(static_cast<unsigned char>(KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Major(0, device, AtomicDirGet)),
              static_cast<unsigned char>(KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Minor(0, device, AtomicDirGet)));
  if (installed != offered) return 1;
  // The same version under another file name is a rebuilt firmware.
  const QString offeredFile = KLX_DataBaseManagerUpdateSetGetDeviceFilename(QString(), device, AtomicDirGet);
  const QString installedFile =
      KLX_DataBaseManagerUpdate_InstalledSetGetDeviceFilename(QString(), device, AtomicDirGet);
  return (!offeredFile.isEmpty() && !installedFile.isEmpty() && offeredFile != installedFile) ? 1 : 0;
}

// ---- The neighbours' clear-all doors ---------------------------------------------------------------

void KLX_DataBaseManager::KLX_DataBaseManagerHeadupClearAll() {
  if (m_HeadupWindow) {
    m_HeadupWindow->ForwardControlDisconnect();
    m_HeadupWindow->BackwardControlDisconnect();
    m_HeadupWindow->SetIndex(0);
  }
  if (m_Headup) m_Headup->ClearContainer();
}

void KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieClearAllData(bool keepAliases) {
  if (!m_Telemetrie) return;
  m_Telemetrie->KLX_TelemetrieLock();
  m_Telemetrie->KLX_TelemetrieClearAllData(keepAliases);
  m_Telemetrie->KLX_TelemetrieUnlock();
}

void KLX_DataBaseManager::KLX_DataBaseManagerTimerClearAll() {
  for (KLX_Timer& timer : m_Timers) timer.Clear();
}

void KLX_DataBaseManager::KLX_DataBaseManagerTeleControlClearAll() {
  if (m_TeleControl) m_TeleControl->KLX_TeleControlClearAll();
}
