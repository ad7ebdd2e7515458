#pragma once
// The firmware update of the devices on the bus (tasks
// KLX_TASK_UPDATE_FIRMWARE and KLX_TASK_UPDATE_FW_ONBOARD, one object): the
// transceiver controller ("TC"), the stick controller and a receiver in the
// model ("RCV"). It chooses the devices and their firmware files (from
// "Update.xml", one receiver file, or the controllers the caller names),
// loads each file, addresses the device through its interface entry and
// writes the rows through the device's boot loader:
//   - directly for the controllers: state, boot and update mode, erase, then
//     each row as one burst of packets answered by a write-row answer;
//   - through the transceiver controller's modem mode for a receiver: each
//     part of a row waits for the modem's acknowledgement, the receiver
//     answers with the mask of the parts it holds, missing parts go again.
// It runs one step per start, update record (answers, message-sent notices,
// records it posts to itself) and time-out in the task engine's thread.
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

#include <array>

#include "frame/klx_clock.h"
#include "frame/klx_xmlfilehandler.h"
#include "tasks/klx_tasklinks.h"
#include "tasks/klx_vornbase.h"
#include "update/klx_devinterfacecan.h"
#include "update/klx_firmware.h"

class KLX_FirmwareUpdate : public QObject, public KLX_VornBase {
  Q_OBJECT
 public:
  enum State {
    KLX_FW_IDLE = 1,
    KLX_FW_WORKER = 2,
    KLX_FW_STATE_ANSWER = 3,
    KLX_FW_BOOT_MODE_ANSWER = 4,
    KLX_FW_UPDATE_MODE_ANSWER = 5,
    KLX_FW_ROW_SETUP = 6,
    KLX_FW_FINAL_STATE_ANSWER = 17,
    KLX_FW_MODEM_ON_ANSWER = 19,
    KLX_FW_MODEM_INFO_ANSWER = 20,
    KLX_FW_REMOTE_INFO_ANSWER = 21,
    KLX_FW_MODEM_NEXT = 22,
    KLX_FW_REMOTE_STATE_ANSWER = 23,
    KLX_FW_MODEM_PARTS = 24,
    KLX_FW_MODEM_MASK_CHECK = 25,
    KLX_FW_MODEM_WRITE_CHECK = 26,
    KLX_FW_NEXT_ROW = 27,
    KLX_FW_WRITE_ROW_ANSWER = 28,
    KLX_FW_MODEM_END_ANSWER = 29,
    KLX_FW_MODEM_APP_START_ANSWER = 30,
  };
  // Selection modes (second integer parameter).
  enum Mode { KLX_FW_MODE_UPDATE_XML = 0, KLX_FW_MODE_RECEIVER_FILE = 1, KLX_FW_MODE_CONTROLLERS = 4 };
  // Third integer parameter.
  static constexpr int kReceiverIndexMask = 0x03;
  static constexpr int kSelectTransceiver = 0x04;
  static constexpr int kSelectStick = 0x08;
  static constexpr int kViaModem = 0x80;

  static constexpr int kPartHeaderLength = 4;
  static constexpr int kPartCount = 16;
  static constexpr int kWriteAttempts = 5;
  static constexpr int kIdleTimeouts = 2;
  static constexpr unsigned long kBootModeWaitMs = 15;
  static constexpr int kMaxPartBytes = 255;

  explicit KLX_FirmwareUpdate(QObject* parent = nullptr);
  ~KLX_FirmwareUpdate() override;

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseCleanUp() override;

  // The clock of the engine thread the task runs on (for the pause after
  // the switch into the boot loader).
  void KLX_FirmwareUpdateSetClock(KLX_Clock* clock) { m_Clock = clock ? clock : &KLX_Clock::KLX_ClockSystem(); }
  int KLX_FirmwareUpdateGetState() const { return m_State; }

 private:
  int KLX_FirmwareUpdateHandleProgress();
  int Dispatch();
  // What every final result does: the end of the task, the runtime
  // read-outs started again.
  int Ended(int result);
  int Fail();
  void Finish(int result);
  void StopReadouts(bool stop);

  // Selection and the worker.
  int Selection();
  void SelectDevice(const QString& name);
  int Worker();
  int AllDevicesDone();
  int DeviceDone();
  void CalculateProgress();

  // The direct transfer.
  int SendPacket(unsigned char command, unsigned length = 0, const unsigned char* data = nullptr);
  int SendModeSwitch(unsigned char mode);
  int StateAnswer();
  int BootModeAnswer();
  int UpdateModeAnswer();
  int Erase();
  int RowSetup();
  int NextRow();
  int WriteRowAnswer();
  int AfterLastRow();
  int FinalStateAnswer();
  bool FromTarget() const { return m_Update.updateKind == m_TargetPath; }
  bool IsNotice() const { return m_Update.updateKind == KLX_UPDATE_KIND_LONG_SENT; }
  int Unexpected();

  // The modem transfer.
  int SendModem(unsigned char id, const QByteArray& data);
  int SendRemote(unsigned char command, const QByteArray& payload = QByteArray());
  QByteArray ModemSetup(unsigned char mode) const;
  void SwitchModemOff();
  int ModemNext();
  int ModemOnAnswer();
  int ModemInfoAnswer();
  int RemoteStateAnswer();
  int RemoteInfoAnswer();
  int ModemParts();
  int SendModemPart(int index, bool end);
  int ModemMaskCheck();
  int AnnounceModemRow();
  int ModemEndAnswer();
  int ModemAppStartAnswer();
  int WriteRemoteRow();
  int PostSelf(unsigned char byte1 = 0);
  // Byte k of the answer message (byte 0 is the record's first word).
  int Byte(int k) const;
  int Word(int k) const { return Byte(k) | (Byte(k + 1) << 8); }
  // The receiver's interface entry: its 2-byte fields 2 to 5.
  uint16_t EntryField(int n) const;
  // Row checks shared by both transfers.
  int RowSizeError(const QString& text);
  bool ErrorBit(int flags) const { return (flags & ~0x08) != 0; }
  int TooManyAttempts();

  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_State = KLX_FW_IDLE;
  int m_Result = KLX_Ok;

  KLX_Firmware m_Firmware;
  KLX_DevInterfaceCAN m_Device;
  CDevInterfaceInfo* m_Entry = nullptr;
  // What the modem messages need of the device after its file is freed.
  unsigned char m_HwType = 0;
  unsigned char m_ReceiverVersion[2] = {0, 0};
  std::array<uint16_t, 4> m_EntryFields{};
  bool m_HaveEntryFields = false;
  QStringList m_Devices;
  QStringList m_Files;

  int m_TargetPath = 0;
  unsigned char m_DeviceState = 1;
  unsigned char m_AnswerFlags = 0;
  bool m_ModemMode = false;
  unsigned char m_ModemMaxLength = 0;
  unsigned char m_IdleTimeouts = 0;

  uint16_t m_RowIndex = 0;
  int m_RowsCount = 0;
  KLX_FwRow* m_Row = nullptr;
  uint32_t m_RowSize = 0;
  uint8_t m_PartCount = 0;
  uint32_t m_PartSize = 0;
  uint8_t m_PartIndex = 0;
  uint16_t m_PartOffset = 0;
  uint16_t m_SentMask = 0;
  uint16_t m_ResendMask = 0;
  uint8_t m_WriteAttempts = 0;
  // The parts of the row in the modem transfer (its end may be an empty one).
  int m_PartsInRow = 0;
  // Whole-file repeats asked for by a receiver after its last row.
  int m_FileRepeats = 0;
  unsigned char m_Tx[KLX_DevInterfaceCAN::kMaxData] = {};

  int m_DevicesSelected = 0;
  int m_DevicesFinished = 0;
  int m_LastOverall = -1;
  bool m_AllDone = false;

  // The modem set-up defaults: the link word and the entry's fields 2 to 4.
  uint16_t m_LinkWord = 0x1111;
  uint16_t m_SetupDefaults[3] = {1, 2, 1};

  KLX_XMLFileHandler m_Xml{QStringLiteral("KLX_FirmwareUpdate")};
  KLX_TaskLinks m_Links;
  KLX_Clock* m_Clock = &KLX_Clock::KLX_ClockSystem();
  QElapsedTimer m_Timer;
};
