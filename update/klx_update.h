#pragma once
// The package update (task KLX_TASK_UPDATE_CHECK_FIRMWARE): installs what a
// USB stick or the update server offers, after the battery check and each
// package checked against its checksum list first:
//   - the application and its translations, with the package's scripts
//     before and after (from a stick, or downloaded into the update folder
//     and installed after the user's yes);
//   - voice packs for the speech engine (installed from a stick, and one
//     voice uninstalled);
//   - the check of a receiver firmware file, and of a controller's firmware
//     file before its recovery.
// It reports its course as update status values through the facade and its
// result through the task result. Every step is one call from the task
// engine, in the engine's thread.
#include <QString>

#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmlfilehandler.h"
#include "tasks/klx_tasklinks.h"
#include "tasks/klx_vornbase.h"
#include "update/klx_appinstall.h"
#include "update/klx_filefunctions.h"
#include "update/klx_md5.h"
#include "update/klx_savehold.h"

class KLX_Update_HttpReq;

class KLX_Update : public KLX_VornBase {
 public:
  enum State {
    KLX_UPDATE_STATE_IDLE = 1,
    KLX_UPDATE_STATE_CHOOSE_STICK = 4,
    KLX_UPDATE_STATE_DOWNLOADING = 8,
    KLX_UPDATE_STATE_INSTALL_ANSWER = 9,
  };
  // Kinds of package script.
  enum Script { KLX_UPDATE_SCRIPT_PROLOG = 2, KLX_UPDATE_SCRIPT_EPILOG = 3 };
  static constexpr unsigned char kNoStick = 0x80;
  // Both batteries must hold at least this much for an update.
  static constexpr int kMinBatteryPercent = 15;
  // Third integer parameter of a recovery.
  static constexpr int kRecoverTransceiver = KLX_VornTask::KLX_UPDATE_RECOVER_TRANSCEIVER;
  static constexpr int kRecoverStick = KLX_VornTask::KLX_UPDATE_RECOVER_STICK;

  KLX_Update();
  ~KLX_Update() override;

  int KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                       KLX_RuntimeDatabaseManager* runtime) override;
  int KLX_VornBaseStartTask(Task_Data_T task) override;
  int KLX_VornBaseTimeout() override;
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int* elapsed) override;
  int KLX_VornBaseCleanUp() override;
  // The HTTP getter; a null pointer keeps the one held.
  void KLX_VornBaseSetObjectPointer(void* object) override;

  int KLX_UpdateGetState() const { return m_State; }

  int KLX_Update_CheckBatteries();
  // False when the offered sticks are one stick, which is then chosen.
  bool KLX_Update_isStickSelectable();
  void KLX_Update_SetAllModifyPermissions(bool allow, bool restart);
  int KLX_UpdateRunShellScript(int kind, const KLX_FileNameHandler& names, bool network);
  int KLX_UpdateOpenCloseLinuxSystem(bool open);
  // The package's checksum check (the default list of the update folder
  // when no list is named).
  bool KLX_UpdateCheckMD5Sum(bool fromStick, const QString& folder, const QString& listName,
                             const QString& onlyFile);
  bool KLX_UpdateCheckMD5Sum() { return KLX_UpdateCheckMD5Sum(false, QString(), QString(), QString()); }
  int KLX_UpdateHandleProgress();
  // The switch-off's: any thread. An application install under way takes
  // no further step and its script is ended; none begins after it.
  void KLX_UpdateStopInstall() { m_Stop.Request(); }

 private:
  int Dispatch();
  int IdleStep();
  int FromStick();
  int FromNetwork();
  int ApplicationFromStick();
  int VoicePacks();
  // Unpacks, checks and installs the pack copied at `index` unless it is
  // refused already (the screen told of the unpacking once); empty when it
  // is installed, else why it was left out.
  QString InstallPack(int index, bool* unzipping);
  int UninstallVoice();
  // The files that the checksum list read last names, and the list itself.
  QStringList ListedFiles() const;
  int ReceiverFileCheck();
  int Recovery();
  int ContinueDownload();
  int InstallAnswer();
  int StickAnswer();
  int Install(const QString& source);
  // The package in `folder` before anything of it runs; what it names is
  // kept as the package's files.
  bool CheckPackage(const QString& folder);

  // Registers the error, emits the status (none for a negative one) and fails.
  int Fail(unsigned code, const QString& text, int status);
  // The switch-off stopped the application install: the old program stays.
  int Stopped();
  void Status(int status);
  void SavePhase();
  void RestorePhase();
  int PostSelf();
  // A card smaller than the program needs: told (status and error log),
  // and nothing of the application update begins.
  bool RefuseSmallCard();
  int Target() const { return m_Task.paraint2; }
  QString StickFolder() const;
  // A stick for the application package or the voice packs: the chosen
  // one, else those of `mask`; 1 chosen, 4 waiting for the choice, 0 none.
  int ChooseStick(int mask);
  bool UserRecord(unsigned char kind) const;

  Task_Data_T m_Task;
  TaskUpdate_Data_T m_Update;
  int m_State = KLX_UPDATE_STATE_IDLE;
  unsigned char m_ChosenStick = kNoStick;
  unsigned char m_OfferedSticks = 0;
  unsigned char m_SavedPhase = 0;
  // A successful application install keeps the update phase until the restart.
  bool m_KeepPhase = false;

  // The saves held back from the task's start on.
  KLX_SaveHold m_Hold;
  KLX_MD5 m_MD5;
  // The application package as its list names it, once checked.
  KLX_UpdatePackage m_Package;
  KLX_FileNameHandler m_Names;
  KLX_FileFunctions m_Files;
  KLX_XMLFileHandler m_Xml{QStringLiteral("KLX_Update")};
  KLX_TaskLinks m_Links;
  KLX_Update_HttpReq* m_HttpReq = nullptr;
  KLX_InstallStop m_Stop;
};
