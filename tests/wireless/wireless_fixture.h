#pragma once
// The WLAN connection as the facade holds it, its thread on the case's
// manual clock, beside the simulated WLAN around the board: the case chooses
// the networks in range and the tools' answers (CSimWlan), steps the loop's
// passes and reads the commands the board was given and the signals QML got.
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include "sim/csimwlan.h"
#include "vorn_fixture.h"
#include "wireless/klx_wlanconnect.h"

namespace wireless {

inline const QString kStoredFile = QStringLiteral("/app/wpa.conf");
inline const QString kOneOffFile = QStringLiteral("/tmp/wpaconn.conf");

// The WLAN signals as QML gets them (in the GUI thread, in order), one line
// each: "state 2", "address 192.168.4.23", "ssid Field", "signal 87",
// "found A", "scan finished", "connect timed out".
class WlanSignals : public QObject {
 public:
  explicit WlanSignals(KLX_WlanConnect* wlan) {
    connect(wlan, &KLX_WlanConnect::stateChanged, this, [this](int s) { m_Lines << QStringLiteral("state %1").arg(s); });
    connect(wlan, &KLX_WlanConnect::ipV4AddressChanged, this, [this](const QString& a) { m_Lines << "address " + a; });
    connect(wlan, &KLX_WlanConnect::ssidChanged, this, [this](const QString& s) { m_Lines << "ssid " + s; });
    connect(wlan, &KLX_WlanConnect::signalStrengthChanged, this,
            [this](int p) { m_Lines << QStringLiteral("signal %1").arg(p); });
    connect(wlan, &KLX_WlanConnect::ssidFound, this, [this](const QString& s) { m_Lines << "found " + s; });
    connect(wlan, &KLX_WlanConnect::scanFinished, this, [this] { m_Lines << QStringLiteral("scan finished"); });
    connect(wlan, &KLX_WlanConnect::connectTimedOut, this, [this] { m_Lines << QStringLiteral("connect timed out"); });
  }
  bool Has(const QString& line) const { return m_Lines.contains(line); }
  // The lines so far, forgotten.
  QStringList Take() {
    QCoreApplication::processEvents();
    const QStringList lines = m_Lines;
    m_Lines.clear();
    return lines;
  }

 private:
  QStringList m_Lines;
};

// What the system's wpa_supplicant reads from a network file: each network's
// name and passphrase, byte for byte, in the file's order. Started on an
// interface that does not exist, it reads the file and stops there.
struct SupplicantReading {
  bool present = false;   // the program is installed
  bool accepted = false;  // it read the whole file
  QList<QPair<QByteArray, QByteArray>> networks;
  QString output;
};
inline SupplicantReading SupplicantRead(const QString& path) {
  SupplicantReading r;
  QString program = QStandardPaths::findExecutable(QStringLiteral("wpa_supplicant"));
  if (program.isEmpty())
    program = QStandardPaths::findExecutable(QStringLiteral("wpa_supplicant"), {"/usr/sbin", "/sbin"});
  if (program.isEmpty()) return r;
  r.present = true;
  QProcess tool;
  // -dd: each value read, -K: the passphrases too.
  tool.start(program, {"-ddK", "-Dwext", "-ivorntest0", "-c", path});
  if (!tool.waitForFinished(kVornHangMs)) tool.kill();
  tool.waitForFinished(1000);
  r.output = QString::fromUtf8(tool.readAllStandardOutput());
  const QStringList lines = r.output.split('\n');
  // "<title> - hexdump_ascii(len=N):", then 16 bytes a line in hex.
  const QRegularExpression dump(QStringLiteral("^(ssid|PSK \\(ASCII passphrase\\)) - hexdump_ascii\\(len=(\\d+)\\):$"));
  for (int i = 0; i < lines.size(); ++i) {
    if (lines.at(i).startsWith(QLatin1String("Line: ")) && lines.at(i).endsWith(QLatin1String("start of a new network block")))
      r.networks.append(QPair<QByteArray, QByteArray>());
    const QRegularExpressionMatch m = dump.match(lines.at(i));
    if (!m.hasMatch() || r.networks.isEmpty()) continue;
    const int length = m.captured(2).toInt();
    QByteArray bytes;
    for (int row = 0; row < (length + 15) / 16 && i + 1 < lines.size(); ++row)
      bytes += QByteArray::fromHex(lines.at(++i).mid(4, 48).toLatin1());
    (m.captured(1) == QLatin1String("ssid") ? r.networks.last().first : r.networks.last().second) = bytes;
  }
  r.accepted = r.output.contains(QLatin1String("Reading configuration file")) &&
               !r.output.contains(QLatin1String("Failed to read or parse configuration"));
  return r;
}

class WlanFixture : public VornFixture {
 public:
  WlanFixture() : wlan(*db.KLX_DatabaseManagerWlanConnPointer()), sim(root.Path()), heard(&wlan) {
    wlan.KLX_WlanConnectSetClock(&clock);
  }
  ~WlanFixture() override { wlan.KLX_WlanConnectStop(); }

  KLX_WlanConnect& wlan;
  CSimWlan sim;
  WlanSignals heard;

  // The facade up with its WLAN thread waiting on the case's clock.
  bool Up() { return VornFixture::Up() == KLX_Ok && clock.KLX_ManualClockAwaitWaiters(1); }
  // One pass of the loop (its 1000 ms wait ends), with the signals it sent
  // delivered.
  bool Pass() {
    const bool passed = clock.KLX_ManualClockRun(KLX_WlanConnect::kPollMs, 1);
    QCoreApplication::processEvents();
    return passed;
  }
  // A scan asked for: the loop, woken, scans at once (no time passes); true
  // once it has finished that pass and waits again.
  bool ScanPass() {
    db.KLX_DataBaseManagerWlanScanBegin();
    if (!QTest::qWaitFor([&] { return heard.Has(QStringLiteral("scan finished")); }, kVornHangMs)) return false;
    const bool back = clock.KLX_ManualClockAwaitWaiters(1);
    QCoreApplication::processEvents();
    return back;
  }
  // The commands the board was given since the last call.
  QStringList Commands() {
    const QStringList all = board.RecordedCommands();
    const QStringList fresh = all.mid(m_Seen);
    m_Seen = all.size();
    return fresh;
  }
  QString Mapped(const QString& fixedPath) const { return root.Path() + fixedPath; }

 private:
  int m_Seen = 0;
};

}  // namespace wireless
