// Desktop build: a simulated WLAN interface answers the network tools and
// the address look-up (see klx_network.h for the files under the root). The
// simulation is stricter than a lenient reading of the tools: a network file
// that the real `wpa_supplicant` refuses is refused here too, and a second
// supplicant on the interface fails as on the board.
#include "platform/klx_network.h"
#include "platform/klx_platform.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>

#include <atomic>
#include <cctype>

namespace KLX_Platform {

namespace {

// Exit codes of the real tools where they fail.
constexpr int kSupplicantFailed = 255;  // configuration refused, interface in use
constexpr int kNoProcessKilled = 1;     // killall found nothing
constexpr int kNetworkDown = 156;       // iw: -ENETDOWN
constexpr int kUsage = 1;
// A change the simulated interface could not keep fails the tool that made it.
constexpr int kStateNotKept = 1;

std::atomic<WholeFileWriter> g_Writer{nullptr};

QMutex g_Mutex;  // the state file is read, changed and written under it

struct Network {
  QString ssid;
  int signal = -60;
  QString passphrase;
  QString address;
};

struct Scenario {
  QList<Network> networks;
  QJsonObject exits;
  QJsonObject outputs;
};

struct State {
  bool up = false;
  bool supplicant = false;
  QList<QPair<QString, QString>> configured;  // name and passphrase, in the file's order
  bool dhcp = false;
  QString staticAddress;
};

QString Folder() { return Root() + QStringLiteral("/run/wlan"); }

QJsonObject ReadObject(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return QJsonObject();
  return QJsonDocument::fromJson(f.readAll()).object();
}

Scenario ReadScenario() {
  const QJsonObject o = ReadObject(Folder() + QStringLiteral("/scenario.json"));
  Scenario s;
  for (const QJsonValue& v : o.value(QStringLiteral("networks")).toArray()) {
    const QJsonObject n = v.toObject();
    if (!n.value(QStringLiteral("inRange")).toBool(true)) continue;
    s.networks.append({n.value(QStringLiteral("ssid")).toString(), n.value(QStringLiteral("signal")).toInt(-60),
                       n.value(QStringLiteral("passphrase")).toString(), n.value(QStringLiteral("address")).toString()});
  }
  s.exits = o.value(QStringLiteral("exit")).toObject();
  s.outputs = o.value(QStringLiteral("output")).toObject();
  return s;
}

State ReadState() {
  const QJsonObject o = ReadObject(Folder() + QStringLiteral("/state.json"));
  State s;
  s.up = o.value(QStringLiteral("up")).toBool();
  s.supplicant = o.value(QStringLiteral("supplicant")).toBool();
  for (const QJsonValue& v : o.value(QStringLiteral("networks")).toArray()) {
    const QJsonObject n = v.toObject();
    s.configured.append({n.value(QStringLiteral("ssid")).toString(), n.value(QStringLiteral("passphrase")).toString()});
  }
  s.dhcp = o.value(QStringLiteral("dhcp")).toBool();
  s.staticAddress = o.value(QStringLiteral("staticAddress")).toString();
  return s;
}

QJsonObject StateObject(const State& s) {
  QJsonArray networks;
  for (const auto& n : s.configured)
    networks.append(QJsonObject{{QStringLiteral("ssid"), n.first}, {QStringLiteral("passphrase"), n.second}});
  return QJsonObject{{QStringLiteral("up"), s.up},
                     {QStringLiteral("supplicant"), s.supplicant},
                     {QStringLiteral("networks"), networks},
                     {QStringLiteral("dhcp"), s.dhcp},
                     {QStringLiteral("staticAddress"), s.staticAddress}};
}

bool WriteState(const State& s) {
  const WholeFileWriter write = g_Writer.load();
  const QString path = Folder() + QStringLiteral("/state.json");
  if (QDir().mkpath(Folder()) && write && write(path, QJsonDocument(StateObject(s)).toJson())) return true;
  qWarning("the simulated network's state could not be written to %s", qUtf8Printable(path));
  return false;
}

// The network the supplicant has joined: the first of its file that is in
// range and takes the passphrase given.
const Network* Joined(const Scenario& scenario, const State& state) {
  if (!state.up || !state.supplicant) return nullptr;
  for (const auto& wanted : state.configured)
    for (const Network& n : scenario.networks)
      if (n.ssid == wanted.first && n.passphrase == wanted.second) return &n;
  return nullptr;
}

QString Address(const Scenario& scenario, const State& state) {
  if (!state.up) return QString();
  const Network* joined = Joined(scenario, state);
  if (joined && state.dhcp && !joined->address.isEmpty()) return joined->address;
  return state.staticAddress;
}

QString Bssid(int index) { return QStringLiteral("02:00:5e:10:00:%1").arg(index + 1, 2, 16, QLatin1Char('0')); }
int Frequency(int index) { return 2412 + 5 * ((index * 5) % 13); }

QByteArray IfconfigListing(const Scenario& scenario, const State& state) {
  QByteArray text =
      "lo        Link encap:Local Loopback  \n"
      "          inet addr:127.0.0.1  Mask:255.0.0.0\n"
      "          UP LOOPBACK RUNNING  MTU:65536  Metric:1\n\n";
  if (!state.up) return text;
  text += kWlanInterface.toUtf8() + "     Link encap:Ethernet  HWaddr 02:00:5e:00:01:00  \n";
  const QString address = Address(scenario, state);
  if (!address.isEmpty()) text += "          inet addr:" + address.toUtf8() + "  Mask:255.255.255.0\n";
  text += "          UP BROADCAST RUNNING MULTICAST  MTU:1500  Metric:1\n\n";
  return text;
}

QByteArray ScanListing(const Scenario& scenario) {
  QByteArray text;
  for (int i = 0; i < scenario.networks.size(); ++i) {
    const Network& n = scenario.networks.at(i);
    text += "BSS " + Bssid(i).toUtf8() + "(on " + kWlanInterface.toUtf8() + ")\n";
    text += "\tfreq: " + QByteArray::number(Frequency(i)) + "\n";
    text += "\tsignal: " + QByteArray::number(n.signal) + ".00 dBm\n";
    text += "\tSSID: " + n.ssid.toUtf8() + "\n";
    text += "\tRSN:\t * Version: 1\n";
  }
  return text;
}

QByteArray LinkText(const Scenario& scenario, const State& state) {
  const Network* joined = Joined(scenario, state);
  if (!joined) return "Not connected.\n";
  int index = 0;
  while (&scenario.networks.at(index) != joined) ++index;
  return "Connected to " + Bssid(index).toUtf8() + " (on " + kWlanInterface.toUtf8() + ")\n" +
         "\tSSID: " + joined->ssid.toUtf8() + "\n" + "\tfreq: " + QByteArray::number(Frequency(index)) + "\n" +
         "\tRX: 48213 bytes (391 packets)\n\tTX: 6120 bytes (52 packets)\n" +
         "\tsignal: " + QByteArray::number(joined->signal) + " dBm\n" + "\ttx bitrate: 65.0 MBit/s\n";
}

// A quoted value of a network file as the supplicant reads it: up to the
// line's last quote.
bool Quoted(const QByteArray& value, QByteArray* text) {
  const int last = value.lastIndexOf('"');
  if (!value.startsWith('"') || last <= 0) return false;
  *text = value.mid(1, last - 1);
  return true;
}

// A line without its comment, as the supplicant cuts it: a '#' starts one
// unless a pair of quotes stands around it.
QByteArray WithoutComment(const QByteArray& line) {
  bool quoted = false;
  for (int i = 0; i < line.size(); ++i) {
    if (line.at(i) == '"') quoted = !quoted;
    if (line.at(i) == '#' && (!quoted || line.indexOf('"', i) < 0)) return line.left(i).trimmed();
  }
  return line;
}

// A name the supplicant reads: quoted, or in hex.
bool Name(const QByteArray& value, QByteArray* text) {
  if (Quoted(value, text)) return true;
  if (value.isEmpty() || value.size() % 2 != 0) return false;
  for (const char c : value)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  *text = QByteArray::fromHex(value);
  return true;
}

bool HasControl(const QByteArray& text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return true;
  return false;
}

// The networks of a network file, or false where the supplicant refuses it.
bool ReadNetworkFile(const QString& fixedPath, QList<QPair<QString, QString>>* networks) {
  QFile f(Root() + fixedPath);
  if (!f.open(QIODevice::ReadOnly)) return false;
  bool inBlock = false;
  QByteArray ssid, psk;
  while (!f.atEnd()) {
    const QByteArray raw = f.readLine();
    if (raw.size() > 255) return false;
    const QByteArray line = WithoutComment(raw.trimmed());
    if (line.isEmpty()) continue;
    if (!inBlock) {
      if (line != "network={") return false;
      inBlock = true;
      ssid.clear();
      psk.clear();
      continue;
    }
    if (line == "}") {
      if (ssid.isEmpty()) return false;
      networks->append({QString::fromUtf8(ssid), QString::fromUtf8(psk)});
      inBlock = false;
      continue;
    }
    const int eq = line.indexOf('=');
    if (eq <= 0) return false;
    const QByteArray key = line.left(eq);
    QByteArray value;
    if (!(key == "ssid" ? Name(line.mid(eq + 1), &value) : Quoted(line.mid(eq + 1), &value))) return false;
    if (key == "ssid") {
      if (value.isEmpty() || value.size() > 32) return false;
      ssid = value;
    } else if (key == "psk") {
      if (value.size() < 8 || value.size() > 63 || HasControl(value)) return false;
      psk = value;
    }
  }
  return !inBlock;
}

// The simulated tool: its exit code, its standard output, the state after it.
int Simulate(const QString& program, const QStringList& args, const Scenario& scenario, State* state,
             QByteArray* out) {
  const bool onWlan = !args.isEmpty() && args.first() == kWlanInterface;
  if (program == QLatin1String("ifconfig")) {
    if (args.isEmpty()) {
      *out = IfconfigListing(scenario, *state);
      return 0;
    }
    if (!onWlan) return 0;  // other interfaces (eth0) are of no concern here
    if (args.size() == 2 && args.at(1) == QLatin1String("up")) {
      state->up = true;
    } else if (args.size() == 2 && args.at(1) == QLatin1String("down")) {
      state->up = false;
    } else if (args.size() == 2 && QHostAddress(args.at(1)).protocol() == QAbstractSocket::IPv4Protocol) {
      state->up = true;
      state->staticAddress = args.at(1);
    } else {
      return kUsage;
    }
    return 0;
  }
  if (program == QLatin1String("wpa_supplicant")) {
    QString interface, file;
    for (int i = 0; i < args.size(); ++i) {
      if (args.at(i).startsWith(QLatin1String("-i"))) interface = args.at(i).mid(2);
      if (args.at(i) == QLatin1String("-c") && i + 1 < args.size()) file = args.at(i + 1);
    }
    if (interface != kWlanInterface || file.isEmpty() || state->supplicant) return kSupplicantFailed;
    QList<QPair<QString, QString>> networks;
    if (!ReadNetworkFile(file, &networks)) return kSupplicantFailed;
    state->supplicant = true;
    state->configured = networks;
    return 0;
  }
  if (program == QLatin1String("udhcpc")) {
    if (args != QStringList{QStringLiteral("-i"), kWlanInterface}) return kUsage;
    state->dhcp = true;
    return 0;
  }
  if (program == QLatin1String("killall")) {
    bool* running = args == QStringList{QStringLiteral("wpa_supplicant")} ? &state->supplicant
                    : args == QStringList{QStringLiteral("udhcpc")}        ? &state->dhcp
                                                                           : nullptr;
    if (!running || !*running) return kNoProcessKilled;
    *running = false;
    if (running == &state->supplicant) state->configured.clear();
    return 0;
  }
  if (program == QLatin1String("iw")) {
    if (args.size() != 3 || args.at(0) != QLatin1String("dev") || args.at(1) != kWlanInterface) return kUsage;
    if (args.at(2) == QLatin1String("link")) {
      *out = LinkText(scenario, *state);
      return 0;
    }
    if (args.at(2) == QLatin1String("scan")) {
      if (!state->up) return kNetworkDown;
      *out = ScanListing(scenario);
      return 0;
    }
    return kUsage;
  }
  return 0;  // route and the rest: done
}

}  // namespace

void SetWholeFileWriter(WholeFileWriter writer) { g_Writer.store(writer); }

QStringList InterfaceIPv4Addresses(const QString& interface) {
  QMutexLocker lock(&g_Mutex);
  if (interface == QLatin1String("lo")) return {QStringLiteral("127.0.0.1")};
  if (interface != kWlanInterface) return {};
  const QString address = Address(ReadScenario(), ReadState());
  return address.isEmpty() ? QStringList() : QStringList{address};
}

int RecordedCommandAnswer(const QString& program, const QStringList& args, QByteArray* standardOutput) {
  QMutexLocker lock(&g_Mutex);
  const Scenario scenario = ReadScenario();
  State state = ReadState();
  const QJsonObject before = StateObject(state);
  QByteArray out;
  const QString name = program.section('/', -1);
  int code = Simulate(name, args, scenario, &state, &out);
  const QString line = (QStringList{name} + args).join(' ');
  for (const QString& key : {line, name}) {
    if (scenario.outputs.contains(key)) {
      out = scenario.outputs.value(key).toString().toUtf8();
      break;
    }
  }
  for (const QString& key : {line, name}) {
    if (scenario.exits.contains(key)) {
      code = scenario.exits.value(key).toInt();
      break;
    }
  }
  // A tool the scenario lets fail has changed nothing; one outside the
  // network tools (the clock's, the mounts') changes nothing here either.
  if (code == 0 && StateObject(state) != before && !WriteState(state)) code = kStateNotKept;
  if (standardOutput) *standardOutput = out;
  return code;
}

}  // namespace KLX_Platform
