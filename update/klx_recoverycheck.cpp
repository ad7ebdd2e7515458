#include "update/klx_recoverycheck.h"

#include <QFileInfo>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_version.h"
#include "tasks/klx_vorntask.h"
#include "update/klx_md5.h"
#include "update/klx_xmlupdate.h"

namespace {
using VT = KLX_VornTask;

constexpr unsigned kErrNoUpdateXml = 0x23618;
constexpr unsigned kErrChecksum = 0x2361E;
constexpr unsigned kErrNoFirmware = 0x23623;
constexpr unsigned kLogRecoveryVersion = 0x5361F;

KLX_RecoveryCheck Refused(KLX_RecoveryCheck check, int status, unsigned code, const QString& text) {
  check.status = status;
  check.code = code;
  check.text = text;
  return check;
}
}  // namespace

KLX_RecoveryCheck KLX_RecoveryCheckPackage(int controller, bool report) {
  KLX_RecoveryCheck check;
  const KLX_FileNameHandler names;
  const QString xml = names.KLX_FileNameHandlerGetUpdateFilePath() + names.KLX_FileNameHandlerGetUpdateFileName();
  KLX_UpdateDescription package;
  // No package at all is no broken file: nothing is read, nothing reported.
  if (!QFileInfo(xml).isFile() || KLX_XMLUpdate::KLX_XMLUpdateDescribe(xml, &package, report) != KLX_Ok)
    return Refused(check, VT::KLX_UPDATE_STATUS_NO_UPDATE_XML, kErrNoUpdateXml,
                   QStringLiteral("xml updatefile could not be read"));
  const Info& info = Info::Instance();
  if (package.major != info.AppMajor() || package.minor != info.AppMinor())
    return Refused(check, VT::KLX_UPDATE_STATUS_UPD_MUST_MATCH, kLogRecoveryVersion,
                   QStringLiteral("TC/SC firmware recovery requires the same version of Update.xml as this application"));
  if (!Board::IsInitialized()) Board::Init();
  if (controller & VT::KLX_UPDATE_RECOVER_TRANSCEIVER) check.device = QStringLiteral("TC");
  if (controller & VT::KLX_UPDATE_RECOVER_STICK) check.device = Board::m_Instance->SCName();
  check.file = check.device.isEmpty() ? QString() : package.files.value(check.device);
  // Without a file of its own the list check would pass on the whole list,
  // and the write would fail only once the firmware screen is open.
  if (check.file.isEmpty())
    return Refused(check, VT::KLX_UPDATE_NOTHING_TO_INSTALL, kErrNoFirmware,
                   QStringLiteral("Update.xml names no firmware file for ") + check.device);
  KLX_MD5 list;
  if (!KLX_UpdateCheckMD5Sum(list, false, 0, QString(), QString(), check.file))
    return Refused(check, VT::KLX_UPDATE_STATUS_MD5_ERROR, kErrChecksum, QStringLiteral("md5 sum does not match"));
  return check;
}
