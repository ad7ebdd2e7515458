#pragma once
// The update server's stand-in (sim/vorn_update_server.py) for a test: the
// target needs the compile definition VORN_UPDATE_SERVER_SCRIPT.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QtTest>

#include "frame/klx_board.h"
#include "sim/csimfirmware.h"
#include "sim/csimupdateserver.h"
#include "vorn_fixture.h"

// How long the update tests wait for what must come: only a hang takes
// this long, however busy the machine is.
inline constexpr int kOnlyAHangMs = 120000;

// The update server's stand-in (sim/vorn_update_server.py) serving the
// root's "updateserver" folder, which CSimUpdateServer fills, on a free
// loopback port; the program's update server address points at it while
// the rig lives. Requests are read back from its log, faults set in its
// faults file (read at every request).
struct UpdateServerRig {
  QString served;
  QString runFolder;
  QProcess process;
  QString savedBase;
  int taken = 0;

  explicit UpdateServerRig(const QString& root)
      : served(root + "/updateserver"), runFolder(root + "/run/updateserver") {}
  ~UpdateServerRig() {
    if (process.state() != QProcess::NotRunning) {
      process.terminate();
      if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
      }
    }
    if (!savedBase.isNull()) PointProgramAt(savedBase);
  }
  // The machine's own interpreter: one found first on PATH may be a wrapper
  // that takes seconds of its own to start it.
  static QString Python() {
    const QString machine = QStringLiteral("/usr/bin/python3");
    return QFileInfo(machine).isExecutable() ? machine : QStringLiteral("python3");
  }
  bool Start() {
    QDir().mkpath(served);
    QDir().mkpath(runFolder);
    const QString portFile = runFolder + "/port";
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(Python(),
                  {QStringLiteral(VORN_UPDATE_SERVER_SCRIPT), "--folder", served, "--port", "0", "--port-file", portFile,
                   "--log", runFolder + "/requests.log", "--faults", runFolder + "/faults", "--parent",
                   QString::number(QCoreApplication::applicationPid())});
    if (!process.waitForStarted(kOnlyAHangMs) ||
        !QTest::qWaitFor([&] { return QFileInfo::exists(portFile) || process.state() == QProcess::NotRunning; },
                         kOnlyAHangMs) ||
        process.state() == QProcess::NotRunning)
      return false;
    const int port = ReadFile(portFile).trimmed().toInt();
    savedBase = Board::m_RemoteUpdatePath;
    PointProgramAt(QStringLiteral("http://127.0.0.1:%1/software").arg(port));
    return port > 0;
  }
  static void PointProgramAt(const QString& base) {
    Board::m_RemoteUpdatePath = base;
    const E_BoardType type = Board::m_Board;
    Board::Free();
    Board::Init(type);
  }
  QString Base() const { return Board::m_RemoteUpdatePath; }
  bool Put(const CSimAppPackage& package) { return CSimUpdateServer::WriteApplication(served, package); }
  // A served file of the larger board's application package.
  QString AppFile(const QString& name) const { return served + "/software/KL_Vorn/" + name; }
  void SetFaults(const QStringList& lines) {
    WriteFile(runFolder + "/faults", lines.isEmpty() ? QByteArray() : (lines.join('\n') + '\n').toUtf8());
  }
  // The requests since the last look, each as "<path below `area`> <status>"
  // (and " cut" or " slow" for a fault).
  QStringList Asked(const QString& area = QStringLiteral("/software/KL_Vorn/")) {
    const QStringList lines = QString::fromUtf8(ReadFile(runFolder + "/requests.log")).split('\n', Qt::SkipEmptyParts);
    QStringList out;
    for (const QString& line : lines.mid(taken)) {
      QString request = line.section(' ', 1);
      if (request.startsWith(area)) request = request.mid(area.size());
      // Qt's HTTP client sends a request again, once, when the connection it
      // took closes under it; the server sees the same request twice in a row.
      if (out.isEmpty() || out.last() != request) out << request;
    }
    taken = lines.size();
    return out;
  }
};

// A card larger than the 256 MiB the program needs with `bytes` free: a
// file of 300 MiB on it that takes no room on the host holds the rest.
inline bool SetRoomOnCard(const QString& root, qint64 bytes) {
  const QString filler = root + "/Vorn/filler.bin";
  return WriteFile(filler, QByteArray()) && QFile::resize(filler, 300LL << 20) && SetCardFree(root, bytes);
}

// The files of a package in the update folder from which a controller's
// firmware is written again: "Update.xml" of version major.minor naming the
// transceiver's "TC.bin" (2.7) and, when `stickNamed`, the stick
// controller's "SC.bin" (1.9, device `stick`), both in "KLX32MD5.txt";
// `damaged` changes a byte of "SC.bin" after it was listed.
inline QList<CSimFile> RecoveryPackage(int major, int minor, const QString& stick, bool stickNamed, bool damaged) {
  CSimFirmwareSpec sc = CSimFirmwareSpec::ForStick(1, 9), tc = CSimFirmwareSpec::ForTransceiver(2, 7);
  sc.imageBytes = tc.imageBytes = 512;
  QList<CSimFile> files{{"SC.bin", CSimFirmware::File(sc)}, {"TC.bin", CSimFirmware::File(tc)}};
  const QByteArray list = CSimUpdateServer::ChecksumList(files, false);
  if (damaged) files[0].bytes[100] = char(files[0].bytes[100] ^ 1);
  const QString stickDevice =
      !stickNamed ? QString()
                  : QStringLiteral("<DEVICE><Name>%1</Name><Major>1</Major><Minor>9</Minor><Filename>SC.bin</Filename>"
                                   "<Typ>16</Typ></DEVICE>")
                        .arg(stick);
  const QString xml =
      QStringLiteral("<?xml version=\"1.0\"?><vornupdate version=\"1.0\"><UPDATE><Target>Vorn</Target>"
                     "<VersionMajor>%1</VersionMajor><VersionMinor>%2</VersionMinor>%3"
                     "<DEVICE><Name>TC</Name><Major>2</Major><Minor>7</Minor><Filename>TC.bin</Filename>"
                     "<Typ>17</Typ></DEVICE></UPDATE></vornupdate>")
          .arg(major)
          .arg(minor)
          .arg(stickDevice);
  return files << CSimFile{"Update.xml", xml.toUtf8()} << CSimFile{"KLX32MD5.txt", list};
}
