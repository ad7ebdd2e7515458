#pragma once
// Whether a controller's firmware can be written again from the package in
// the update folder: its "Update.xml" brings the version of the running
// application and names a firmware file for the controller, and that file
// matches the package's checksum list. The software screen asks before it
// asks the pilot, the recovery task again before it changes anything; the
// asking itself changes nothing (no bookkeeping, no file, no pending update).
#include <QString>

struct KLX_RecoveryCheck {
  // The update status that tells the refusal (KLX_VornTask::E_UpdateStatus),
  // 0 when the recovery may go on.
  int status = 0;
  // The refusal's report for the error log.
  unsigned code = 0;
  QString text;
  // The controller's device name ("TC" or the stick controller's) and the
  // file the package names for it.
  QString device;
  QString file;
};

// `controller`: KLX_UPDATE_RECOVER_TRANSCEIVER or KLX_UPDATE_RECOVER_STICK
// (the stick controller when both are set). Without `report` a broken
// "Update.xml" reaches the error log in no way: the screen only asks; the
// recovery task's own check reports what it finds.
KLX_RecoveryCheck KLX_RecoveryCheckPackage(int controller, bool report = true);
