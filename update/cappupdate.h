#pragma once
// The application update of the update manager: the file-list download of
// "KLX32MD5fold.txt" into "/Vorn/Update", then, on the user's yes, the
// installation of the program and its translations in the application
// folder (KLX_AppInstall), with the package's scripts before and after. The
// new program runs from the next start.
#include "update/cfilelistdownloader.h"
#include "update/klx_appinstall.h"
#include "update/klx_md5.h"
#include "update/klx_savehold.h"

class KLX_DataBaseManager;
class KLX_FileNameHandler;
class KLX_XMLFileHandler;

class CAppUpdate : public CFileListDownloader {
  Q_OBJECT
 public:
  CAppUpdate(const QString& listName, const QString& remotePath, const QString& finalFolder,
             const QString& tmpFolder, QNetworkAccessManager* nam, KLX_DataBaseManager* db,
             QObject* parent = nullptr);

  void Abort() override;
  void Resume(reason_t reason) override;
  // The switch-off's: any thread. An installation under way takes no
  // further step and its script is ended; none begins after it.
  void StopInstall() { m_Stop.Request(); }

  // The installation, one synchronous step: 0, or -3 a card without room
  // for the mark, -5 a package that does not match its list, -6 equal
  // version, -7 copying, -8 installing, -9 unsuitable, -10 a card smaller
  // than the program needs, -11 an application folder without room.
  int KLX_Update_KLX_WAIT_FOR_USER_YESNO_NETWORK_INSTALL(bool ignore_equal_version);
  // false: model data saving off and the marks of what waits to be saved
  // held; true: both given back as they were.
  void KLX_Update_SetAllModifyPermissions(bool allow);
  // "sh <script>" when the script exists and the package's list names it:
  // its exit code; 0 for none.
  int KLX_UpdateRunShellScript(bool prolog, const KLX_FileNameHandler& names);
  void KLX_UpdateOpenCloseLinuxSystem(const KLX_FileNameHandler& names, bool open);
  // True when the program ran and ended with 0; false for an empty program,
  // one that could not start, was killed or failed (its result in `status`).
  bool runSystemCmd(const QString& program, const QStringList& args, int* status,
                    const QString& workingDirectory = QString());

 signals:
  void sigDoUpdate(bool ignore_equal_version);

 public slots:
  virtual void doUpdate(bool ignore_equal_version);

 protected:
  bool beginUpdate() override;

 private:
  // Before the installation, 0 to go on or its result: the card takes
  // the program, the package matches its list, suits this board and is not
  // installed already (unless that is to be ignored).
  int CheckPackage(KLX_XMLFileHandler& xml, const KLX_FileNameHandler& names, bool ignore_equal_version);

  KLX_DataBaseManager* m_Db;
  // The package in the update folder as its list names it, once checked.
  KLX_UpdatePackage m_Package;
  // The marks held from the saver while files are replaced.
  KLX_SaveHold m_Hold;
  KLX_InstallStop m_Stop;
};
