#pragma once
// The WLAN around the simulated board: the networks in range and how the
// board's network tools answer, written as the scenario that the desktop
// platform's simulated interface reads ("<root>/run/wlan/scenario.json").
// A desktop run finds a few networks, one of which joins with a passphrase
// the console names; a test sets its own networks, exit codes and tool
// output.
#include <QList>
#include <QString>

class CSimWlan {
 public:
  struct Network {
    QString ssid;
    int signal = -60;    // dBm, as `iw` reports it
    QString passphrase;  // the one it takes
    QString address;     // the address its DHCP server gives; none when empty
    bool inRange = true;
  };

  // The network of a desktop run that joins with a passphrase the console names.
  static const Network& Joinable();
  static QList<Network> DefaultNetworks();

  explicit CSimWlan(const QString& root) : m_Root(root) {}

  // At power-on: the default networks where no scenario was written yet (a
  // scenario once written is kept), and the interface as after a reboot:
  // down, no supplicant, no DHCP client.
  bool Prepare() const;

  bool SetNetworks(const QList<Network>& networks) const;
  QList<Network> Networks() const;
  // A network out of range (its link is lost) or back.
  bool SetInRange(const QString& ssid, bool inRange) const;
  // The exit code or standard output of a command, by its whole command line
  // ("iw dev wlan0 link") or its program's name ("wpa_supplicant"), in
  // place of the simulated one; SetOutput with a null text removes it.
  bool SetExit(const QString& command, int code) const;
  bool SetOutput(const QString& command, const QString& text) const;

  // For the console: what is in range, and what the interface does.
  QString Summary() const;
  QString StateSummary() const;

  QString ScenarioFile() const { return m_Root + QStringLiteral("/run/wlan/scenario.json"); }
  QString StateFile() const { return m_Root + QStringLiteral("/run/wlan/state.json"); }

 private:
  bool Change(const char* section, const QString& key, const class QJsonValue& value) const;

  QString m_Root;
};
