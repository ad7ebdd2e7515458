#include "update/klx_firmwareupdate.h"

#include <QDateTime>
#include <QFileInfo>

#include <cstring>

#include "frame/klx_board.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_version.h"
#include "link/klx_messageids.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"
#include "update/klx_filefunctions.h"

namespace {
constexpr unsigned kErrInit = 0x23601;
constexpr unsigned kErrReadFile = 0x23602;
constexpr unsigned kErrNoInfo = 0x23603;
constexpr unsigned kErrSetInfo = 0x23604;
constexpr unsigned kErrSend = 0x23606;
constexpr unsigned kErrTarget = 0x23607;
constexpr unsigned kErrAnswer = 0x23608;
constexpr unsigned kErrRetries = 0x2360E;
constexpr unsigned kErrUpdateFile = 0x23610;
constexpr unsigned kErrRows = 0x23611;
constexpr unsigned kUnexpected = 0x53608;

// The record a task posts to itself.
constexpr int kSelfRecord = 5;

// Boot-loader commands of the direct transfer.
enum Command : unsigned char {
  CmdEnd = 1,
  CmdState = 2,
  CmdMode = 3,
  CmdRow = 5,
  CmdPart = 6,
  CmdWrite = 8,
  CmdErase = 9,
};
// Modes of the mode switch.
enum Mode : unsigned char { ModeApplication = 1, ModeBootLoader = 2, ModeUpdate = 3 };
// Device states.
constexpr int kApplicationRuns = 1;
constexpr int kUpdateMode = 3;
// Answers of the direct transfer.
constexpr int kStateAnswer = 130;
constexpr int kStateAnswerShort = 19;
constexpr int kWriteAnswer = 132;
// The kinds of modem answer (byte 1), and the receiver's end answer.
constexpr int kModemInfo = 1;
constexpr int kModemAck = 2;
constexpr int kReceiverAnswer = 128;
constexpr int kReceiverEnd = 129;
constexpr int kSelfAllDone = 0xFE;
// Modem-mode message: on, off, information.
constexpr unsigned char kModemOff = 0;
constexpr unsigned char kModemOn = 1;
constexpr unsigned char kModemInformation = 2;
// The answer flag that is no error: the receiver's application is not whole.
constexpr int kAppCorrupted = 0x08;
constexpr int kEndFlag = 0x80;
constexpr int kMaxRows = 65535;

const QString kTooManyRows = QStringLiteral("Too many rows in the update file! Update won't start!");

QString Stamp() { return QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss,zzz")); }
void Mark(const char* what) {
  qInfo("----------------------------------------> %s %s", what, qPrintable(Stamp()));
}
QString StickName() { return Board::IsInitialized() ? Board::m_Instance->SCName() : QString(); }
QByteArray Le16(int value) {
  QByteArray b;
  b.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
  return b;
}
}  // namespace

KLX_FirmwareUpdate::KLX_FirmwareUpdate(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("KLX_FirmwareUpdate"));
  KLX_VornBaseCleanUp();
}

KLX_FirmwareUpdate::~KLX_FirmwareUpdate() = default;

int KLX_FirmwareUpdate::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                         KLX_RuntimeDatabaseManager* runtime) {
  KLX_VornBase::KLX_VornBaseInit(db, protocol, handler, runtime);
  if (!m_Links.Take(db, protocol, handler, runtime, kErrInit, "Initializing of KLX_FirmwareUpdate went wrong"))
    return KLX_Error;
  KLX_DataBaseTransmitterInitialize(protocol);
  m_State = KLX_FW_IDLE;
  if (m_Device.KLX_DevInterfaceCAN_Initialize(protocol) != KLX_Ok) {
    KLXErrorHandler.RegisterError(kErrInit, QStringLiteral("Initializing of KLX_FirmwareUpdate went wrong"));
    return KLX_Error;
  }
  return m_Xml.KLX_XMLFileHandlerInitialize(db);
}

int KLX_FirmwareUpdate::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  KLX_DataBaseManager* db = m_Links.db;
  db->KLX_DataBaseManagerSetModelModifyFlag(false);
  db->KLX_DataBaseManagerSetSystemModifyFlag(false);
  db->KLX_DataBaseManagerSetVornModifyFlag(false);
  StopReadouts(true);
  m_IdleTimeouts = 0;
  m_State = KLX_FW_IDLE;
  m_Result = KLX_Ok;
  m_DevicesSelected = m_DevicesFinished = 0;
  m_LastOverall = -1;
  m_FileRepeats = 0;
  m_ModemMode = false;
  m_AllDone = false;
  m_Timer.start();
  return KLX_FirmwareUpdateHandleProgress();
}

int KLX_FirmwareUpdate::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  return KLX_FirmwareUpdateHandleProgress();
}

int KLX_FirmwareUpdate::KLX_VornBaseCleanUp() {
  KLX_VornBase::KLX_VornBaseCleanUp();
  m_Task.task = KLX_VornTask::KLX_TASK_NONE;
  m_Update.para = 0;
  m_Devices.clear();
  m_Files.clear();
  m_TargetPath = 0;
  m_DeviceState = 1;
  m_State = KLX_FW_IDLE;
  m_RowsCount = 0;
  m_DevicesSelected = m_DevicesFinished = 0;
  m_Row = nullptr;
  m_Entry = nullptr;
  m_Firmware.KLX_Firmware_Free();
  return KLX_Ok;
}

// ---- steps and their end --------------------------------------------------------------------

int KLX_FirmwareUpdate::KLX_FirmwareUpdateHandleProgress() { return Ended(Dispatch()); }

int KLX_FirmwareUpdate::Dispatch() {
  if (m_State == KLX_FW_IDLE) return Selection();
  if (m_Result != KLX_Ok) return KLX_Error;
  switch (m_State) {
    case KLX_FW_WORKER: return Worker();
    case KLX_FW_STATE_ANSWER: return StateAnswer();
    case KLX_FW_BOOT_MODE_ANSWER: return BootModeAnswer();
    case KLX_FW_UPDATE_MODE_ANSWER: return UpdateModeAnswer();
    case KLX_FW_ROW_SETUP: return RowSetup();
    case KLX_FW_FINAL_STATE_ANSWER: return FinalStateAnswer();
    case KLX_FW_MODEM_ON_ANSWER: return ModemOnAnswer();
    case KLX_FW_MODEM_INFO_ANSWER: return ModemInfoAnswer();
    case KLX_FW_REMOTE_INFO_ANSWER: return RemoteInfoAnswer();
    case KLX_FW_MODEM_NEXT: return ModemNext();
    case KLX_FW_REMOTE_STATE_ANSWER: return RemoteStateAnswer();
    case KLX_FW_MODEM_PARTS: return ModemParts();
    case KLX_FW_MODEM_MASK_CHECK:
    case KLX_FW_MODEM_WRITE_CHECK: return ModemMaskCheck();
    case KLX_FW_NEXT_ROW: return NextRow();
    case KLX_FW_WRITE_ROW_ANSWER: return WriteRowAnswer();
    case KLX_FW_MODEM_END_ANSWER: return ModemEndAnswer();
    case KLX_FW_MODEM_APP_START_ANSWER: return ModemAppStartAnswer();
    default:
      KLXErrorHandler.RegisterError(kErrRows, QString());
      return KLX_Error;
  }
}

int KLX_FirmwareUpdate::Ended(int result) {
  if (result <= KLX_Error)
    result = Fail();
  else if (result == KLX_Done)
    Finish(KLX_Done);
  if (result <= KLX_Error || result == KLX_Done || result == KLX_Timeout) StopReadouts(false);
  return result;
}

int KLX_FirmwareUpdate::Fail() {
  qInfo("Request attempts = %d", KLX_VornBaseGetErrorCount());
  qInfo("Error exit, state = %d", m_State);
  m_Firmware.KLX_Firmware_Free();
  m_Row = nullptr;
  m_Entry = nullptr;
  m_Result = KLX_Error;
  // Only a receiver is reached through the modem: switching it off for a
  // controller was refused and only added a report of its own.
  SwitchModemOff();
  m_Links.db->KLX_DataBaseManagerEmitUpdateStatus(KLX_VornTask::KLX_UPDATE_STATUS_ERROR);
  return KLX_Error;
}

void KLX_FirmwareUpdate::Finish(int result) {
  m_Firmware.KLX_Firmware_Free();
  m_Row = nullptr;
  m_Entry = nullptr;
  m_Result = result;
  if (m_ModemMode) SwitchModemOff();
  m_Links.db->KLX_DataBaseManagerTelemetrieGetSet_AutoRescanAllowed(false, AtomicDirSet);
}

void KLX_FirmwareUpdate::StopReadouts(bool stop) {
  if (!m_Links.runtime) return;
  if (stop)
    m_Links.runtime->KLX_RuntimeDatabaseManagerStopProcessing();
  else
    m_Links.runtime->KLX_RuntimeDatabaseManagerStartProcessing(false);
}

int KLX_FirmwareUpdate::KLX_VornBaseTimeout() {
  KLX_VornBaseIncErrorCount();
  if (KLX_VornBaseCheckForMaxError()) {
    KLXErrorHandler.RegisterError(kErrRetries, QStringLiteral("to many retries in task firmwareupdate"));
    qInfo("Timeout exit, request attempts = %d", KLX_VornBaseGetErrorCount());
    qInfo("Max error level exeeded, state = %d", m_State);
    const bool allDone = m_AllDone;
    m_Firmware.KLX_Firmware_Free();
    m_Row = nullptr;
    m_Entry = nullptr;
    m_Result = KLX_Timeout;
    SwitchModemOff();
    // The screens hear how it ended: an update that had written every
    // device asks for the restart, any other ends as an error.
    m_Links.db->KLX_DataBaseManagerEmitUpdateStatus(allDone ? KLX_VornTask::KLX_UPDATE_STATUS_SWITCH_OFF
                                                            : KLX_VornTask::KLX_UPDATE_STATUS_ERROR);
    return Ended(KLX_Timeout);
  }
  int result = KLX_Ok;
  switch (m_State) {
    case KLX_FW_IDLE:
      if (m_IdleTimeouts == 0 || m_IdleTimeouts >= kIdleTimeouts) {
        m_Links.db->KLX_DataBaseManagerEmitUpdateStatus(KLX_VornTask::KLX_UPDATE_STATUS_SWITCH_OFF);
        result = KLX_Done;
      } else {
        ++m_IdleTimeouts;
      }
      break;
    case KLX_FW_WORKER:
      m_State = KLX_FW_IDLE;
      ++m_IdleTimeouts;
      break;
    case KLX_FW_STATE_ANSWER: result = SendPacket(CmdState); break;
    case KLX_FW_BOOT_MODE_ANSWER: result = SendModeSwitch(ModeBootLoader); break;
    case KLX_FW_UPDATE_MODE_ANSWER: result = SendModeSwitch(ModeUpdate); break;
    case KLX_FW_ROW_SETUP: result = SendPacket(CmdErase); break;
    case KLX_FW_FINAL_STATE_ANSWER:
      m_Firmware.KLX_Firmware_Free();
      m_Row = nullptr;
      m_Entry = nullptr;
      result = SendPacket(CmdState);
      break;
    case KLX_FW_MODEM_INFO_ANSWER: result = KLX_Error; break;
    case KLX_FW_REMOTE_INFO_ANSWER: result = SendRemote(CmdErase); break;
    case KLX_FW_REMOTE_STATE_ANSWER: result = SendRemote(CmdState); break;
    case KLX_FW_MODEM_PARTS:
      // Nothing of the row went yet: announce it again; else ask which
      // parts the receiver holds.
      result = m_SentMask == 0 ? AnnounceModemRow() : WriteRemoteRow();
      if (m_SentMask != 0 && result == KLX_Ok) m_State = KLX_FW_MODEM_MASK_CHECK;
      break;
    case KLX_FW_MODEM_MASK_CHECK:
    case KLX_FW_MODEM_WRITE_CHECK: result = WriteRemoteRow(); break;
    case KLX_FW_MODEM_END_ANSWER: result = SendRemote(CmdEnd); break;
    case KLX_FW_MODEM_APP_START_ANSWER:
      result = SendRemote(CmdMode, QByteArray("\x01\x00", 2) + Le16(EntryField(2)) + Le16(EntryField(3)));
      if (KLX_VornBaseGetErrorCount() >= KLX_VornBaseGetMaxErrorCount() - 1) m_State = KLX_FW_MODEM_NEXT;
      break;
    default:
      qInfo("Timeout exit in unknown state, request attempts = %d", KLX_VornBaseGetErrorCount());
      qInfo("Unknown state, state = %d", m_State);
      result = KLX_Error;
      break;
  }
  return Ended(result);
}

// ---- selection and worker -------------------------------------------------------------------

void KLX_FirmwareUpdate::SelectDevice(const QString& name) {
  m_Devices << name;
  ++m_DevicesSelected;
  m_Files << KLX_FileNameHandler().KLX_FileNameHandlerGetUpdateFilePath() +
                 m_Links.db->KLX_DataBaseManagerUpdateSetGetDeviceFilename(QString(), name, AtomicDirGet);
}

int KLX_FirmwareUpdate::Selection() {
  KLX_VornBaseSetPercent(0, 0, 0);
  m_Devices.clear();
  m_Files.clear();
  KLX_DataBaseManager* db = m_Links.db;
  switch (m_Task.paraint2) {
    case KLX_FW_MODE_UPDATE_XML: {
      if (m_Xml.KLX_XMLFileHandlerReadUpdatelFile(KLX_FileNameHandler().KLX_FileNameHandlerGetUpdateFileName()) != KLX_Ok) {
        KLXErrorHandler.RegisterError(kErrUpdateFile, QStringLiteral("could not read firmware update file"));
        return KLX_Error;
      }
      const QString stick = StickName();
      for (int i = 0; i < KLX_Version::kDevices; ++i) {
        const QString name = db->KLX_DataBaseManagerUpdate_Get_DeviceNameAtIndex(i);
        if (name.isEmpty()) continue;
        // A controller is entered by the process state as well: one that the
        // package brings no file for has nothing to be written.
        if (db->KLX_DataBaseManagerUpdateSetGetDeviceFilename(QString(), name, AtomicDirGet).isEmpty()) continue;
        if ((name == QLatin1String("TC") || name == stick) && db->KLX_DataBaseManagerIsDeviceUpdateDifferent(name, 0))
          SelectDevice(name);
      }
      if (m_Devices.isEmpty()) {
        // Nothing to write: the package counts as installed at once, and
        // the start goes straight on to the model.
        AllDevicesDone();
        db->KLX_DataBaseManagerEmitUpdateStatus(KLX_VornTask::KLX_UPDATE_STATUS_SWITCH_OFF);
        return KLX_Done;
      }
      // The start shows the firmware screen only for a write.
      db->KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_UPDATE, AtomicDirSet);
      m_State = KLX_FW_WORKER;
      Mark("FIRMWARE_EXIT_IDLE_1");
      return PostSelf();
    }
    case KLX_FW_MODE_RECEIVER_FILE: {
      // The folder comes in the board's form; the file is read where the
      // path scheme puts it.
      const QString path = KLX_FileNameHandler::KLX_FileNameHandlerMapPath(KLX_FileFunctions::KLX_FileFunctionsBoardPath(
          KLX_TaskText(m_Task.parastr2) + KLX_TaskText(m_Task.parastr1)));
      if (!QFileInfo::exists(path)) {
        KLXErrorHandler.RegisterError(kErrUpdateFile, QStringLiteral("could not read firmware update file"));
        return KLX_Error;
      }
      m_Devices << QString::fromLatin1(KLX_DevInterfaceCAN::kReceiver);
      m_DevicesSelected = 1;
      m_Files << path;
      m_State = KLX_FW_WORKER;
      Mark("FIRMWARE_EXIT_IDLE_2");
      return PostSelf();
    }
    case KLX_FW_MODE_CONTROLLERS:
      m_DevicesSelected = 0;
      if (m_Task.paraint3 & kSelectStick) SelectDevice(StickName());
      if (m_Task.paraint3 & kSelectTransceiver) SelectDevice(QStringLiteral("TC"));
      if (m_Files.isEmpty()) return KLX_Done;
      m_State = KLX_FW_WORKER;
      Mark("FIRMWARE_EXIT_IDLE_3");
      return PostSelf();
    default: return KLX_Error;
  }
}

int KLX_FirmwareUpdate::Worker() {
  Mark("FIRMWARE_ENTER_WORKER");
  if (m_Devices.isEmpty()) return AllDevicesDone();
  const QString name = m_Devices.takeFirst();
  const QString file = m_Files.takeFirst();
  if (!m_Firmware.KLX_Firmware_Load(file)) {
    KLXErrorHandler.RegisterError(kErrReadFile, QStringLiteral("Reading update file error"));
    return KLX_Error;
  }
  KLX_VornBaseSetDetailName(name == StickName() && Board::IsInitialized() ? Board::m_Instance->SCDisplayName() : name);
  const bool receiver = name == QLatin1String(KLX_DevInterfaceCAN::kReceiver);
  const int receiverIndex = m_Task.paraint3 & kReceiverIndexMask;
  unsigned char version[2] = {0, 0};
  if (receiver) {
    const CVersion stored = m_Links.db->KLX_DataBaseManagerGetReceiverVersion(receiverIndex);
    version[0] = stored.Major();
    version[1] = stored.Minor();
  }
  m_Entry = m_Firmware.KLX_Firmware_FindDiInfo(receiver ? 2 : 1);
  if (!m_Entry) {
    KLXErrorHandler.RegisterError(kErrNoInfo, QStringLiteral("No device infomation found, or error reading"));
    return KLX_Error;
  }
  m_HwType = static_cast<unsigned char>(m_Firmware.KLX_Firmware_GetHwType() & 0xFF);
  m_ReceiverVersion[0] = version[0];
  m_ReceiverVersion[1] = version[1];
  // The receiver's 2-byte fields 2 to 5, behind the id and the 4-byte field 1.
  m_EntryFields.fill(0);
  m_HaveEntryFields = false;
  if (receiver) {
    unsigned char b[12];
    m_Entry->CDevInterfaceInfo_ReadBegin();
    if (m_Entry->CDevInterfaceInfo_Read(b, sizeof(b))) {
      for (int i = 0; i < 4; ++i) m_EntryFields[size_t(i)] = uint16_t(b[4 + 2 * i] | (b[5 + 2 * i] << 8));
      m_HaveEntryFields = true;
    }
  }
  m_Device.KLX_DevInterfaceCAN_SetDevice(name, static_cast<unsigned char>(receiverIndex), m_HwType, version[0],
                                         version[1]);
  if (!m_Device.KLX_DevInterfaceCAN_SetInfo(m_Entry)) {
    KLXErrorHandler.RegisterError(kErrSetInfo, QStringLiteral("No device infomation found, or error reading"));
    return KLX_Error;
  }
  const unsigned short target = static_cast<unsigned short>(m_Device.KLX_DevInterfaceCAN_GetHTargetID());
  if (receiver) {
    m_TargetPath = KLX_UPDATE_KIND_TRANSCEIVER;
    m_Protocol->KLX_ProtocolSet_Update_CANID_Transceiverontroller(target);
  } else {
    switch (m_Device.KLX_DevInterfaceCAN_GetHostID() & 0xFF) {
      case 0:
        m_TargetPath = KLX_UPDATE_KIND_STICK;
        m_Protocol->KLX_ProtocolSet_Update_CANID_Stickcontroller(target);
        break;
      case 1:
        m_TargetPath = KLX_UPDATE_KIND_TRANSCEIVER;
        m_Protocol->KLX_ProtocolSet_Update_CANID_Transceiverontroller(target);
        break;
      default:
        KLXErrorHandler.RegisterError(kErrTarget, QStringLiteral("unknown target"));
        return KLX_Error;
    }
    m_Links.db->KLX_DataBaseManagerUpdateGetSetDeviceFilenameFlag(name, 0);
  }
  m_RowIndex = 0;
  m_RowsCount = m_Firmware.KLX_Firmware_GetRowsCount();
  m_SentMask = m_ResendMask = 0;
  m_WriteAttempts = 0;
  qInfo("\n\n  ->   updatefile is: %s", qPrintable(file));
  CalculateProgress();
  if (receiver && (m_Task.paraint3 & kViaModem)) {
    m_State = KLX_FW_MODEM_NEXT;
    return PostSelf();
  }
  if (SendPacket(CmdState) != KLX_Ok) return KLX_Error;
  m_State = KLX_FW_STATE_ANSWER;
  return KLX_Ok;
}

int KLX_FirmwareUpdate::AllDevicesDone() {
  KLX_DataBaseManager* db = m_Links.db;
  m_AllDone = true;
  KLX_VornBaseSetPercent(100, 100, m_Timer.elapsed());
  qInfo("update progress: %d", 100);
  unsigned char major = 0;
  unsigned char minor = 0;
  db->KLX_DataBaseManagerVornLinuxAppGetVersion(&major, &minor);
  db->KLX_DataBaseManagerUpdate_SetGetVersion_Major_Installed(major, AtomicDirSet);
  db->KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(minor, AtomicDirSet);
  db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirSet);
  db->KLX_DataBaseManagerUpdate_SetGetPendingFor(QString(), AtomicDirSet);
  db->KLX_DataBaseManagerSetVornModifyFlag(true);
  db->KLX_DataBaseManagerSetModelModifyFlag(false);
  db->KLX_DataBaseManagerSetSystemModifyFlag(false);
  db->KLX_DataBaseManagerForceSavingXMLFiles(false);
  return KLX_Ok;
}

int KLX_FirmwareUpdate::DeviceDone() {
  ++m_DevicesFinished;
  m_State = KLX_FW_WORKER;
  return PostSelf();
}

void KLX_FirmwareUpdate::CalculateProgress() {
  const int detail = m_RowsCount == 0 ? 0 : int(qint64(m_RowIndex) * 100 / m_RowsCount);
  const int n = m_DevicesSelected;
  const int overall = n == 0 ? 0 : m_DevicesFinished * 100 / n + detail / n;
  KLX_VornBaseSetPercent(overall, detail, m_Timer.elapsed());
  if (overall != m_LastOverall) {
    qInfo("update progress: %d", overall);
    m_LastOverall = overall;
  }
}

int KLX_FirmwareUpdate::PostSelf(unsigned char byte1) {
  TaskUpdate_Data_T self;
  self.updateKind = kSelfRecord;
  self.para = 0;
  self.data[0] = byte1;
  return m_Links.handler->KLX_VornHandlerUpdateSelfProcessTask(self) == KLX_Ok ? int(KLX_Ok) : int(KLX_Error);
}

int KLX_FirmwareUpdate::Byte(int k) const {
  if (k == 0) return m_Update.para;
  return k >= 1 && k <= int(sizeof(m_Update.data)) ? m_Update.data[k - 1] : 0;
}

uint16_t KLX_FirmwareUpdate::EntryField(int n) const {
  return n >= 2 && n <= 5 ? m_EntryFields[size_t(n - 2)] : 0;
}

int KLX_FirmwareUpdate::RowSizeError(const QString& text) {
  KLXErrorHandler.RegisterError(kErrRows, text);
  return KLX_Error;
}

int KLX_FirmwareUpdate::TooManyAttempts() {
  KLXErrorHandler.RegisterError(
      kErrSend, QStringLiteral("Row %1 cannot be written after %2 attempts!").arg(m_RowIndex).arg(kWriteAttempts));
  return KLX_Error;
}

int KLX_FirmwareUpdate::Unexpected() {
  KLXErrorHandler.RegisterError(kUnexpected, QStringLiteral("unexpected answer"));
  return KLX_Ok;
}

// ---- the direct transfer --------------------------------------------------------------------

int KLX_FirmwareUpdate::SendPacket(unsigned char command, unsigned length, const unsigned char* data) {
  if (m_Device.KLX_DevInterfaceCAN_PacketSend(command, length, data)) return KLX_Ok;
  KLXErrorHandler.RegisterError(kErrSend, QStringLiteral("sending package error"));
  return KLX_Error;
}

int KLX_FirmwareUpdate::SendModeSwitch(unsigned char mode) {
  const unsigned char payload[6] = {mode, 0, 0, 0, 0, 0};
  return SendPacket(CmdMode, sizeof(payload), payload);
}

int KLX_FirmwareUpdate::StateAnswer() {
  if (Byte(0) == 0)
    return m_Update.updateKind == KLX_UPDATE_KIND_TRANSCEIVER || IsNotice() ? int(KLX_Ok) : int(KLX_Error);
  if (FromTarget() && Byte(0) == kStateAnswer) {
    m_DeviceState = static_cast<unsigned char>(Byte(1));
  } else if (FromTarget() && Byte(0) == kStateAnswerShort) {
    m_DeviceState = static_cast<unsigned char>(Byte(5));
    if (m_DeviceState > kApplicationRuns) return KLX_Error;
  } else {
    return Unexpected();
  }
  if (m_DeviceState == kUpdateMode) return Erase();
  if (SendModeSwitch(ModeBootLoader) != KLX_Ok) return KLX_Error;
  // The device leaves its application for the boot loader.
  m_Clock->KLX_ClockSleep(kBootModeWaitMs);
  m_State = m_Device.KLX_DevInterfaceCAN_IsReceiver() ? KLX_FW_MODEM_NEXT : KLX_FW_BOOT_MODE_ANSWER;
  return KLX_Ok;
}

int KLX_FirmwareUpdate::BootModeAnswer() {
  if (FromTarget() && Byte(0) == kStateAnswer) {
    m_DeviceState = static_cast<unsigned char>(Byte(1));
    if (m_DeviceState == kUpdateMode) return Erase();
    if (SendModeSwitch(ModeUpdate) != KLX_Ok) return KLX_Error;
    m_State = KLX_FW_UPDATE_MODE_ANSWER;
    return KLX_Ok;
  }
  return IsNotice() ? int(KLX_Ok) : Unexpected();
}

int KLX_FirmwareUpdate::UpdateModeAnswer() {
  if (FromTarget() && Byte(0) == kStateAnswer) {
    m_DeviceState = static_cast<unsigned char>(Byte(1));
    return Erase();
  }
  return IsNotice() ? int(KLX_Ok) : Unexpected();
}

int KLX_FirmwareUpdate::Erase() {
  if (SendPacket(CmdErase) != KLX_Ok) return KLX_Error;
  m_State = KLX_FW_ROW_SETUP;
  return KLX_Ok;
}

int KLX_FirmwareUpdate::RowSetup() {
  if (m_RowsCount >= kMaxRows) return RowSizeError(kTooManyRows);
  KLX_FwRow* first = m_Firmware.KLX_Firmware_GetFirstRow();
  if (!first) return KLX_Error;
  const uint32_t size = first->KLX_FwRow_GetSize();
  m_PartCount = static_cast<uint8_t>(size <= 256 ? 2 : size <= 1024 ? 4 : size <= 2048 ? 8 : kPartCount);
  m_PartSize = (size + m_PartCount - 1) / m_PartCount;
  m_RowIndex = 0;
  m_SentMask = m_ResendMask = 0;
  m_WriteAttempts = 0;
  m_State = KLX_FW_NEXT_ROW;
  return NextRow();
}

int KLX_FirmwareUpdate::NextRow() {
  auto burst = [this](unsigned char command, unsigned length, const unsigned char* data) {
    // The row's answer tells whether it must go again.
    if (!m_Device.KLX_DevInterfaceCAN_PacketSend(command, length, data))
      KLXErrorHandler.RegisterError(kErrSend, QStringLiteral("sending CAN package error"));
  };
  auto writeRow = [&]() {
    const unsigned char write[8] = {static_cast<unsigned char>(m_RowIndex & 0xFF),
                                    static_cast<unsigned char>(m_RowIndex >> 8),
                                    static_cast<unsigned char>(m_SentMask & 0xFF),
                                    static_cast<unsigned char>(m_SentMask >> 8),
                                    0, 0, 0, 0};
    burst(CmdWrite, sizeof(write), write);
    m_State = KLX_FW_WRITE_ROW_ANSWER;
    return int(KLX_Ok);
  };
  // The row came back with an error bit: only the write goes again.
  if (m_ResendMask != 0 && m_SentMask != 0) return writeRow();
  m_Row = m_Firmware.KLX_Firmware_GetRow(m_RowIndex);
  if (!m_Row) return KLX_Error;
  m_RowSize = m_Row->KLX_FwRow_GetSize();
  // Every row goes in the first row's parts: one that does not fit them,
  // or parts beyond a length byte, would reach the device cut or wrapped.
  if (m_PartSize > uint32_t(kMaxPartBytes))
    return RowSizeError(QStringLiteral("Row is too long to be transmitted in %1 parts of at most %2 bytes! "
                                       "Terminated on row# %3")
                            .arg(m_PartCount)
                            .arg(kMaxPartBytes)
                            .arg(m_RowIndex));
  if (m_RowSize > uint32_t(m_PartCount) * m_PartSize)
    return RowSizeError(QStringLiteral("Row is too long for %1 parts of %2 bytes! Terminated on row# %3")
                            .arg(m_PartCount)
                            .arg(m_PartSize)
                            .arg(m_RowIndex));
  m_ResendMask = 0;
  m_SentMask = 0;
  m_PartOffset = 0;
  const unsigned char announce[2] = {static_cast<unsigned char>(m_RowIndex & 0xFF),
                                     static_cast<unsigned char>(m_RowIndex >> 8)};
  burst(CmdRow, sizeof(announce), announce);
  const unsigned char* bytes = m_Row->KLX_FwRow_GetData();
  for (int i = 0; i < m_PartCount; ++i) {
    const uint32_t length = m_PartOffset < m_RowSize ? qMin(m_PartSize, m_RowSize - m_PartOffset) : 0;
    m_Tx[0] = static_cast<unsigned char>(i & 0x0F);
    m_Tx[1] = static_cast<unsigned char>(m_PartOffset & 0xFF);
    m_Tx[2] = static_cast<unsigned char>(m_PartOffset >> 8);
    m_Tx[3] = static_cast<unsigned char>(length);
    if (length > 0) std::memcpy(m_Tx + kPartHeaderLength, bytes + m_PartOffset, length);
    burst(CmdPart, kPartHeaderLength + length, m_Tx);
    m_PartOffset = static_cast<uint16_t>(m_PartOffset + length);
    m_SentMask = static_cast<uint16_t>(m_SentMask | (1u << i));
  }
  return writeRow();
}

int KLX_FirmwareUpdate::WriteRowAnswer() {
  if (IsNotice()) return KLX_Ok;
  if (Byte(0) == 0) return KLX_Error;
  if (!FromTarget()) return Unexpected();
  if (Byte(0) != kWriteAnswer) return KLX_Error;
  m_DeviceState = static_cast<unsigned char>(Byte(1));
  if (Byte(1) != kUpdateMode)
    KLXErrorHandler.RegisterError(kErrAnswer, QStringLiteral("unexpected answer to write row"));
  m_AnswerFlags = static_cast<unsigned char>(Byte(2));
  if (Word(3) == m_RowIndex && Word(5) == m_SentMask) {
    if (!ErrorBit(m_AnswerFlags)) {
      ++m_RowIndex;
      m_SentMask = m_ResendMask = 0;
      m_WriteAttempts = 0;
      CalculateProgress();
      if (m_RowIndex >= m_RowsCount) return AfterLastRow();
      return NextRow();
    }
    m_ResendMask = 0xFFFF;
  } else {
    m_SentMask = 0;
    m_ResendMask = 0xFFFF;
  }
  // A device that never takes the row ends the update instead of keeping
  // it going for ever.
  if (++m_WriteAttempts > kWriteAttempts) return TooManyAttempts();
  CalculateProgress();
  return NextRow();
}

int KLX_FirmwareUpdate::AfterLastRow() {
  m_Firmware.KLX_Firmware_Free();
  m_Row = nullptr;
  m_Entry = nullptr;
  if (SendPacket(CmdState) != KLX_Ok) return KLX_Error;
  m_State = KLX_FW_FINAL_STATE_ANSWER;
  return KLX_Ok;
}

int KLX_FirmwareUpdate::FinalStateAnswer() {
  if (IsNotice()) return KLX_Ok;
  if (!FromTarget() || Byte(0) != kStateAnswer) return Unexpected();
  m_DeviceState = static_cast<unsigned char>(Byte(1));
  if (m_DeviceState != kApplicationRuns && SendModeSwitch(ModeApplication) != KLX_Ok) return KLX_Error;
  qInfo("\n  ->   update of device done!");
  return DeviceDone();
}

// ---- the modem transfer ---------------------------------------------------------------------

int KLX_FirmwareUpdate::SendModem(unsigned char id, const QByteArray& data) {
  QByteArray message(1, char(id));
  message += data;
  if (m_Device.KLX_DevInterfaceCAN_SendViaModem(unsigned(message.size()),
                                                reinterpret_cast<const unsigned char*>(message.constData())))
    return KLX_Ok;
  KLXErrorHandler.RegisterError(kErrSend, QStringLiteral("sending package error"));
  return KLX_Error;
}

int KLX_FirmwareUpdate::SendRemote(unsigned char command, const QByteArray& payload) {
  return SendModem(KLX_MSG_MODEM_DATA, QByteArray(1, char(command)) + payload);
}

QByteArray KLX_FirmwareUpdate::ModemSetup(unsigned char mode) const {
  // Newer receivers take their radio set-up from their interface entry,
  // unless the transfer goes through the modem from the start.
  auto above = [this](int major, int minor) {
    return m_ReceiverVersion[0] > major || (m_ReceiverVersion[0] == major && m_ReceiverVersion[1] > minor);
  };
  const bool newer = ((m_HwType == 28 || m_HwType == 29 || m_HwType == 31) && above(2, 0)) ||
                     (m_HwType == 30 && above(1, 1));
  const bool fromEntry =
      m_HaveEntryFields && (mode == kModemInformation || (newer && !(m_Task.paraint3 & kViaModem)));
  QByteArray b(1, char(mode));
  for (int n = 2; n <= 4; ++n) b.append(char((fromEntry ? EntryField(n) : m_SetupDefaults[n - 2]) & 0xFF));
  b += Le16(m_LinkWord);
  b.append(char(fromEntry ? EntryField(5) & 0xFF : 0));
  return b;
}

void KLX_FirmwareUpdate::SwitchModemOff() {
  if (!m_Device.KLX_DevInterfaceCAN_IsReceiver()) return;
  if (SendModem(KLX_MSG_MODEM_MODE, ModemSetup(kModemOff)) == KLX_Ok) qInfo("Exited TC modem mode!");
  m_ModemMode = false;
}

int KLX_FirmwareUpdate::ModemNext() {
  if (m_RowIndex < m_RowsCount) {
    if (SendModem(KLX_MSG_MODEM_MODE, ModemSetup(kModemOn)) != KLX_Ok) return KLX_Error;
    qInfo("TC in modem mode now!");
    m_State = KLX_FW_MODEM_ON_ANSWER;
    return KLX_Ok;
  }
  if (Byte(1) == kSelfAllDone || Byte(1) == kModemAck) {
    m_Protocol->KLX_ProtocolIsClearBootUpdateFlag();
    return KLX_Done;
  }
  return KLX_Ok;
}

int KLX_FirmwareUpdate::ModemOnAnswer() {
  if (Byte(0) != 0 || Byte(2) != 1) {
    KLXErrorHandler.RegisterError(kErrAnswer, QStringLiteral("Unexpected state of TC (not in modem state)"));
    return KLX_Error;
  }
  m_ModemMode = true;
  if (SendModem(KLX_MSG_MODEM_MODE, ModemSetup(kModemInformation)) != KLX_Ok) return KLX_Error;
  m_State = KLX_FW_MODEM_INFO_ANSWER;
  return KLX_Ok;
}

int KLX_FirmwareUpdate::ModemInfoAnswer() {
  if (Byte(0) != 0 || Byte(1) != kModemInfo) return KLX_Error;
  m_ModemMaxLength = static_cast<unsigned char>(Byte(3));
  qDebug("modem forwards at most %d bytes", m_ModemMaxLength);
  if (SendRemote(CmdState) != KLX_Ok) return KLX_Error;
  m_State = KLX_FW_REMOTE_STATE_ANSWER;
  return KLX_Ok;
}

int KLX_FirmwareUpdate::RemoteStateAnswer() {
  if (Byte(1) == kReceiverAnswer) {
    m_DeviceState = static_cast<unsigned char>(Byte(2));
    if (SendRemote(CmdErase) != KLX_Ok) return KLX_Error;
    m_State = KLX_FW_REMOTE_INFO_ANSWER;
    return KLX_Ok;
  }
  if (Byte(1) == kModemAck) {
    m_ModemMode = Byte(2) != 0;
    return KLX_Ok;
  }
  return KLX_Error;
}

int KLX_FirmwareUpdate::RemoteInfoAnswer() {
  if (Byte(1) != kReceiverAnswer || Byte(3) != kUpdateMode || !(Byte(4) & kAppCorrupted)) return KLX_Ok;
  m_Links.db->KLX_DataBaseManagerClearReceiverVersion(unsigned(m_Task.paraint3 & kReceiverIndexMask));
  if (m_RowsCount >= kMaxRows) return RowSizeError(kTooManyRows);
  m_PartSize = uint32_t(qMax(0, int(m_ModemMaxLength) - kPartHeaderLength - 1));
  m_RowIndex = 0;
  m_SentMask = m_ResendMask = 0;
  m_WriteAttempts = 0;
  return AnnounceModemRow();
}

int KLX_FirmwareUpdate::AnnounceModemRow() {
  if (SendRemote(CmdRow, Le16(m_RowIndex)) != KLX_Ok) return KLX_Error;
  m_State = KLX_FW_MODEM_PARTS;
  return KLX_Ok;
}

int KLX_FirmwareUpdate::WriteRemoteRow() { return SendRemote(CmdWrite, Le16(m_RowIndex) + Le16(m_SentMask)); }

int KLX_FirmwareUpdate::ModemParts() {
  if (Byte(1) != kModemAck) return KLX_Ok;
  if (m_SentMask == 0) {
    // A row starts (again).
    m_Row = m_Firmware.KLX_Firmware_GetRow(m_RowIndex);
    if (!m_Row) return KLX_Error;
    m_RowSize = m_Row->KLX_FwRow_GetSize();
    const uint32_t cap = m_PartSize;
    const uint32_t length = qMin(cap, m_RowSize);
    if (length == 0 || m_RowSize == 0)
      return RowSizeError(
          QStringLiteral("Max. row part length or row size are given 0 bytes! Terminated on row# %1").arg(m_RowIndex));
    uint32_t parts = m_RowSize / length;
    const bool rest = m_RowSize % length != 0;
    if (parts > uint32_t(kPartCount))
      return RowSizeError(
          QStringLiteral("Row is too long to be transmitted over TC in 16 parts, max part size is %1 bytes").arg(length));
    if (parts == uint32_t(kPartCount) && rest)
      return RowSizeError(
          QStringLiteral("Row is too long to be transferred via TC in 16 parts! Terminated on row# %1").arg(m_RowIndex));
    if (rest) ++parts;
    m_PartCount = static_cast<uint8_t>(parts);
    m_PartsInRow = parts == 1 ? 2 : int(parts);
    m_ResendMask = 0;
    m_PartIndex = 0;
    m_PartOffset = 0;
    return SendModemPart(0, false);
  }
  if (m_ResendMask == 0) {
    ++m_PartIndex;
    return SendModemPart(m_PartIndex, m_PartIndex >= m_PartCount - 1);
  }
  int index = 0;
  while (!(m_ResendMask & (1u << index))) ++index;
  m_ResendMask = static_cast<uint16_t>(m_ResendMask & ~(1u << index));
  m_PartIndex = static_cast<uint8_t>(index);
  return SendModemPart(index, m_ResendMask == 0);
}

int KLX_FirmwareUpdate::SendModemPart(int index, bool end) {
  const uint32_t cap = m_PartSize;
  const uint32_t offset = uint32_t(index) * cap;
  const uint32_t length = offset < m_RowSize ? qMin(cap, m_RowSize - offset) : 0;
  QByteArray payload;
  payload.append(char(index | (end ? kEndFlag : 0)));
  payload += Le16(int(offset));
  payload.append(char(length));
  if (length > 0) payload.append(reinterpret_cast<const char*>(m_Row->KLX_FwRow_GetData()) + offset, int(length));
  if (SendRemote(CmdPart, payload) != KLX_Ok) return KLX_Error;
  m_PartOffset = static_cast<uint16_t>(offset + length);
  m_SentMask = static_cast<uint16_t>(m_SentMask | (1u << index));
  if (end) m_State = KLX_FW_MODEM_MASK_CHECK;
  return KLX_Ok;
}

int KLX_FirmwareUpdate::ModemMaskCheck() {
  if (Byte(1) != kReceiverAnswer) return KLX_Ok;
  if (Byte(0) != 0) return KLX_Error;
  KLX_VornBaseResetErrorCount();
  m_DeviceState = static_cast<unsigned char>(Byte(3));
  m_AnswerFlags = static_cast<unsigned char>(Byte(4));
  const int row = Word(5);
  const int mask = Word(7);
  if (row == m_RowIndex && mask == m_SentMask) {
    if (m_State == KLX_FW_MODEM_MASK_CHECK) {
      if (WriteRemoteRow() != KLX_Ok) return KLX_Error;
      m_State = KLX_FW_MODEM_WRITE_CHECK;
      return KLX_Ok;
    }
    qDebug("Mask MATCHES : %d, Row-id MATCHES : %d", mask, row);
    if (!ErrorBit(m_AnswerFlags)) {
      ++m_RowIndex;
      CalculateProgress();
      m_SentMask = m_ResendMask = 0;
      // The attempts count per row: a receiver that keeps losing parts of
      // one row is given up on, however many parts it acknowledged.
      m_WriteAttempts = 0;
    } else {
      m_SentMask = 0;
      m_ResendMask = 0xFFFF;
      ++m_WriteAttempts;
    }
    if (m_RowIndex < m_RowsCount) {
      if (m_WriteAttempts > kWriteAttempts) return TooManyAttempts();
      return AnnounceModemRow();
    }
    if (!(m_AnswerFlags & kAppCorrupted)) {
      if (SendRemote(CmdEnd) != KLX_Ok) return KLX_Error;
      m_State = KLX_FW_MODEM_END_ANSWER;
      return KLX_Ok;
    }
    qInfo("APP_CORRUPTED flag is received, restart firmware update");
    // A receiver that asks for the whole file again and again is given up on.
    if (++m_FileRepeats > kWriteAttempts) {
      KLXErrorHandler.RegisterError(
          kErrSend, QStringLiteral("Firmware cannot be written after %1 attempts!").arg(kWriteAttempts));
      return KLX_Error;
    }
    m_RowIndex = 0;
    return AnnounceModemRow();
  }
  ++m_WriteAttempts;
  qDebug("BAD: Mask received : %d, Mask sent : %d", mask, m_SentMask);
  qDebug("BAD: Row-id received : %d, Row-id sent : %d", row, m_RowIndex);
  if (m_WriteAttempts > kWriteAttempts) return TooManyAttempts();
  if (row == m_RowIndex) {
    // Only the parts of this row that the receiver lacks go again.
    const uint16_t resend = static_cast<uint16_t>((m_SentMask ^ mask) & ((1u << m_PartsInRow) - 1));
    if (resend != 0) {
      m_SentMask = static_cast<uint16_t>(mask);
      m_ResendMask = resend;
      m_State = KLX_FW_MODEM_PARTS;
      return PostSelf(kModemAck);
    }
  }
  m_SentMask = 0;
  m_ResendMask = 0xFFFF;
  return AnnounceModemRow();
}

int KLX_FirmwareUpdate::ModemEndAnswer() {
  if (Byte(1) != kReceiverAnswer) return KLX_Ok;
  if (Byte(0) != 0 || Byte(2) != kReceiverEnd) return KLX_Error;
  if (!(m_Task.paraint3 & kViaModem)) {
    CVersion version;
    version.Set(static_cast<unsigned char>(Byte(13)), static_cast<unsigned char>(Byte(14)));
    m_Links.db->KLX_DataBaseManagerSetReceiverVersion(unsigned(m_Task.paraint3 & kReceiverIndexMask), version);
  }
  if (SendRemote(CmdMode, QByteArray("\x01\x00", 2) + Le16(EntryField(2)) + Le16(EntryField(3))) != KLX_Ok)
    return KLX_Error;
  m_State = KLX_FW_MODEM_APP_START_ANSWER;
  return KLX_Ok;
}

int KLX_FirmwareUpdate::ModemAppStartAnswer() {
  if (Byte(1) != kReceiverAnswer) return KLX_Ok;
  m_State = KLX_FW_MODEM_NEXT;
  return PostSelf(kSelfAllDone);
}
