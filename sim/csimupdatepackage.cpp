#include "sim/csimupdatepackage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"
#include "sim/csimfirmware.h"

namespace {
// The application version the package belongs to: the program's own, so
// that a recovery of the controllers takes it as well.
constexpr int kPackageMajor = 3;
constexpr int kPackageMinor = 90;

bool Write(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

// The pending-update flag of the process state, the rest of the file kept.
bool MarkPending(const QString& stateFile) {
  QByteArray text;
  QFile f(stateFile);
  if (f.open(QIODevice::ReadOnly)) text = f.readAll();
  f.close();
  QString xml = QString::fromUtf8(text);
  if (!xml.contains(QLatin1String("<VORNSTATE>"))) {
    xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<vornstate version=\"1.0\">\n"
                         "    <VORNSTATE>\n    </VORNSTATE>\n</vornstate>\n");
  }
  const QRegularExpression flag(QStringLiteral("<UpdateFlag>[^<]*</UpdateFlag>"));
  if (xml.contains(flag))
    xml.replace(flag, QStringLiteral("<UpdateFlag>1</UpdateFlag>"));
  else
    xml.replace(QLatin1String("</VORNSTATE>"), QLatin1String("    <UpdateFlag>1</UpdateFlag>\n    </VORNSTATE>"));
  return Write(stateFile, xml.toUtf8());
}
}  // namespace

bool CSimUpdatePackage::Prepare(const QString& root, const QString& board) {
  const CSimControllers::Persistent now = CSimControllers(root).State();
  const QString stickName = board == QLatin1String("Fenk") ? QStringLiteral("SC-FK") : QStringLiteral("SC");
  const CSimFirmwareSpec stick = CSimFirmwareSpec::ForStick(now.stickMajor, now.stickMinor + 1);
  const CSimFirmwareSpec transceiver = CSimFirmwareSpec::ForTransceiver(now.transceiverMajor, now.transceiverMinor + 1);
  const QString stickFile = QStringLiteral("SC_%1_%2.bin").arg(stick.major).arg(stick.minor);
  const QString transceiverFile = QStringLiteral("TC_%1_%2.bin").arg(transceiver.major).arg(transceiver.minor);
  auto device = [](const QString& name, const CSimFirmwareSpec& spec, const QString& file) {
    return QStringLiteral("        <DEVICE>\n            <Name>%1</Name>\n            <Major>%2</Major>\n"
                          "            <Minor>%3</Minor>\n            <Filename>%4</Filename>\n"
                          "            <Typ>%5</Typ>\n        </DEVICE>\n")
        .arg(name)
        .arg(spec.major)
        .arg(spec.minor)
        .arg(file)
        .arg(spec.hwType);
  };
  const QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<vornupdate version=\"1.0\">\n"
                                     "    <UPDATE>\n        <Target>%1</Target>\n"
                                     "        <VersionMajor>%2</VersionMajor>\n        <VersionMinor>%3</VersionMinor>\n"
                                     "        <ForceUpdate>0</ForceUpdate>\n")
                          .arg(board)
                          .arg(kPackageMajor)
                          .arg(kPackageMinor) +
                      device(stickName, stick, stickFile) + device("TC", transceiver, transceiverFile) +
                      QStringLiteral("    </UPDATE>\n</vornupdate>\n");
  const QList<QPair<QString, QByteArray>> files{{QStringLiteral("Update.xml"), xml.toUtf8()},
                                                 {stickFile, CSimFirmware::File(stick)},
                                                 {transceiverFile, CSimFirmware::File(transceiver)}};
  // The package's checksum list: digest, a blank, "./" and the name.
  QByteArray list;
  for (const auto& file : files)
    list += QCryptographicHash::hash(file.second, QCryptographicHash::Md5).toHex() + " ./" + file.first.toUtf8() + '\n';
  const QString stickFolder = root + QStringLiteral("/media/usb0/");
  const QString updateFolder = root + QStringLiteral("/Vorn/Update/");
  // The stick carries this package now: the list of an application package
  // an earlier plug (key u) left there would name an "Update.xml" and a
  // "KLX32MD5.txt" this one replaces, and the stick's application update
  // would fail its check; without the list the next plug lays that package
  // down again, whole.
  const QString applicationList = stickFolder + QStringLiteral("KLX32MD5fold.txt");
  if (QFileInfo::exists(applicationList) && !QFile::remove(applicationList)) return false;
  for (const QString& folder : {stickFolder, updateFolder}) {
    for (const auto& file : files)
      if (!Write(folder + file.first, file.second)) return false;
    if (!Write(folder + QStringLiteral("KLX32MD5.txt"), list)) return false;
  }
  return CSimBoard(root, board == QLatin1String("Fenk") ? CSimBoard::Fenk : CSimBoard::Vorn)
             .SetUsbStickInserted(0, true) &&
         MarkPending(root + QStringLiteral("/Vorn/Vornstate/Vornstate.xml"));
}

QString CSimUpdatePackage::PrepareReceiver(const QString& root) {
  const CSimControllers::Persistent now = CSimControllers(root).State();
  const CSimFirmwareSpec spec = CSimFirmwareSpec::ForReceiver(now.receiverMajor, now.receiverMinor + 1);
  const QString name = QStringLiteral("RX_%1_%2.bin").arg(spec.major).arg(spec.minor);
  return CSimFirmware::Write(root + QStringLiteral("/Vorn/Update/Receiver/") + name, spec) ? name : QString();
}
