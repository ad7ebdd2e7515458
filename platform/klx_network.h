#pragma once
// The board's network interfaces as the program sees them beyond the network
// tools (`ifconfig`, `wpa_supplicant`, `udhcpc`, `iw`, `killall`, `route`,
// which go through the command runner): the IPv4 addresses an interface holds.
//
// The desktop build runs none of the network tools. It records them in
// "<root>/run/commands.log" and answers them, and the addresses, from a
// simulated WLAN interface under the root:
//   <root>/run/wlan/scenario.json  what is in range and how the tools answer
//                                  (written by the simulator or a test):
//     { "networks": [ { "ssid": "Airfield", "signal": -52,
//                       "passphrase": "thermal-lift-7", "address": "192.168.4.23",
//                       "inRange": true } ],
//       "exit":   { "wpa_supplicant": 255, "iw dev wlan0 scan": 1 },
//       "output": { "iw dev wlan0 link": "Not connected.\n" } }
//     A network joins when `wpa_supplicant` runs with a network file naming
//     it with its passphrase; DHCP then gives it its "address" (none when
//     empty). "exit" and "output" replace the simulated exit code and
//     standard output of a command, by its whole command line or by its
//     program's name; of any command recorded instead of run (the clock's
//     "date" and "hwclock" too).
//   <root>/run/wlan/state.json     what the tools have done (interface up,
//                                  supplicant and its networks, DHCP client,
//                                  static address); kept by the platform.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace KLX_Platform {

// The interface on which the transmitter joins networks.
inline const QString kWlanInterface = QStringLiteral("wlan0");

// The IPv4 addresses of a network interface as text, in the system's order;
// empty when it has none or does not exist.
QStringList InterfaceIPv4Addresses(const QString& interface);

// Desktop: the simulated answer to a network tool that was recorded instead
// of run: its exit code, and its standard output in `standardOutput`.
// Commands outside the network tools answer 0 with no output, unless the
// scenario's "exit" or "output" names them.
int RecordedCommandAnswer(const QString& program, const QStringList& args, QByteArray* standardOutput);

// Writes a file whole, every byte of it on the medium before it replaces the
// old one; false leaves the old one. The program's writer lies above this
// layer and hands itself in (frame/klx_filecalls.cpp).
using WholeFileWriter = bool (*)(const QString& path, const QByteArray& content);
// Desktop: the writer of the simulated interface's state; without one the
// state is not kept, and a tool that would change it fails. The board keeps
// no such state.
void SetWholeFileWriter(WholeFileWriter writer);

}  // namespace KLX_Platform
