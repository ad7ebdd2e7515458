#include "sim/csimconsole.h"

#include "frame/klx_clock.h"
#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"
#include "sim/csimcontrols.h"
#include "sim/csimtransceiver.h"
#include "sim/csimupdateserver.h"
#include "sim/csimwlan.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QVector>

#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace {
constexpr int kWatchMs = 200;
// Codes the stand-in error reports carry: class 2 "Error", a module of each
// controller, number 1.
constexpr quint32 kTransceiverReport = 0x02050101u;
constexpr quint32 kStickReport = 0x02060101u;

// The controls `[` and `]` walk through: all but the sticks (their own keys)
// and the toggles (they follow their switches).
const QVector<const CSimControl*>& Selectable() {
  static const QVector<const CSimControl*> list = [] {
    QVector<const CSimControl*> l;
    for (const CSimControl& c : CSimControls::All())
      if (c.kind != CSimControlKind::StickAxis && c.kind != CSimControlKind::Toggle) l.append(&c);
    return l;
  }();
  return list;
}

int Percent(int value) {
  const int scaled = value * 100;
  return (scaled + (scaled >= 0 ? CSimControls::kMax / 2 : -CSimControls::kMax / 2)) / CSimControls::kMax;
}
}  // namespace

CSimConsole::CSimConsole(CSimControllers& controllers, CSimBoard& board, qint64 programPid, Print print,
                         QObject* parent)
    : QObject(parent), m_Controllers(controllers), m_Board(board), m_Pid(programPid), m_Print(std::move(print)) {
  m_Watch.setInterval(kWatchMs);
  connect(&m_Watch, &QTimer::timeout, this, &CSimConsole::Watch);
  if (m_Pid > 0) m_Watch.start();
}

KLX_Clock& CSimConsole::Clock() const { return m_Clock ? *m_Clock : KLX_Clock::KLX_ClockSystem(); }

QString CSimConsole::Help() {
  return QStringLiteral(
      "Keys (a key acts at once, no Enter needed):\n"
      "  Power button     p press   r release   h hold 6 s (the transmitter switches off)\n"
      "  WLAN             W the network Airfield out of range / back (the link is lost / comes back)\n"
      "  Left stick       w / s up / down (ST-A)     a / d left / right (ST-B)\n"
      "  Right stick      i / k up / down (ST-C)     j / l left / right (ST-D)\n"
      "                   each press moves 10 %; space puts both sticks in the centre\n"
      "  Other controls   ] / [ choose the next / previous one (TR-A is chosen at first):\n"
      "                   trims TR-A..TR-F, sliders and rotaries SL-A RO-A SL-B RO-B,\n"
      "                   switches SW-A..SW-N\n"
      "                   + / - move it: a trim clicks one step, a switch goes one\n"
      "                   position up / down, a slider or rotary moves 10 %\n"
      "                   v shows where every control stands\n"
      "  Faults           e / E error report from the transceiver / stick controller\n"
      "                   S silence (on/off)   L messages one byte short (on/off)\n"
      "                   X frames marked remote (on/off)   G long messages with a gap (on/off)\n"
      "                   O a header announcing 1001 bytes   B bus paced at 1 Mbit/s (on/off)\n"
      "  Sensors          battery (address 16) sinks, vario (17) follows the right stick up/down,\n"
      "                   status (18) says Ready; each has a menu the transmitter reads and sets\n"
      "                   n the vario stops answering (on/off)\n"
      "                   N the transceiver's sensor scan stays not done (on/off): a scan\n"
      "                   (Model menu, Load) asks again every 5 s, the sensor list says so\n"
      "                   g a GPS sensor (address 20) is plugged in / pulled out; the transmitter\n"
      "                   finds it at its next sensor scan (Model menu, Load)\n"
      "  Receiver         a bound receiver and the transmitter's own sensor have a menu each\n"
      "                   (Receivers, \"Menu\" and \"Transmitter sensor\"); \"Receiver firmware\"\n"
      "                   there writes a firmware file into a bound receiver, which keeps its\n"
      "                   version (c shows it; vorn-sim prepare --receiver-firmware lays one down)\n"
      "  USB stick        u USB stick 1 (port usb0) with the application update and two voice\n"
      "                   packs (one of them damaged) plugged in / pulled out\n"
      "                   (Settings > System > Software \"Check\" offers the update; without the\n"
      "                   stick the update server on the loopback offers the same over WLAN;\n"
      "                   Voice Settings > \"Voices\" installs the voice packs and deletes voices)\n"
      "  Recovery         Settings > System > Software \"Check\" > \"Recovery\" writes the firmware of\n"
      "                   the package in the card's update folder into a controller again (after\n"
      "                   `vorn-sim prepare --firmware-update`: the program's own version)\n"
      "  Other            c counters (with the controllers' firmware versions)   ? this help\n"
      "                   q (or Ctrl-C) switch the transmitter off and quit");
}

QString CSimConsole::Selected() const { return QString::fromLatin1(Selectable().at(m_Selected)->name); }

QString CSimConsole::Position(int id) const {
  const CSimControl* c = CSimControls::ById(id);
  const int v = m_Controllers.Control(id);
  return QStringLiteral("%1 %2%3 %").arg(QLatin1String(c->name)).arg(v > 0 ? "+" : "").arg(Percent(v));
}

void CSimConsole::Key(char key) {
  if (m_Quitting) return;
  if (FaultKey(key) || SensorKey(key)) return;
  switch (key) {
    case 'p': m_Board.SetPowerButtonPressed(true); m_Print("power button pressed"); break;
    case 'r': m_Board.SetPowerButtonPressed(false); m_Print("power button released"); break;
    case 'h':
      m_Board.SetPowerButtonPressed(true);
      m_Print("holding the power button for 6 s: the transmitter switches off after 4 s");
      QTimer::singleShot(kHoldMs, this, [this] {
        m_Board.SetPowerButtonPressed(false);
        m_Print("power button released");
      });
      break;
    case 'W': ToggleJoinableInRange(); break;
    case 'w': MoveStick(CSimControls::kStickA, 1); break;
    case 's': MoveStick(CSimControls::kStickA, -1); break;
    case 'd': MoveStick(CSimControls::kStickB, 1); break;
    case 'a': MoveStick(CSimControls::kStickB, -1); break;
    case 'i': MoveStick(CSimControls::kStickC, 1); break;
    case 'k': MoveStick(CSimControls::kStickC, -1); break;
    case 'l': MoveStick(CSimControls::kStickD, 1); break;
    case 'j': MoveStick(CSimControls::kStickD, -1); break;
    case ' ':
      for (int id : {CSimControls::kStickA, CSimControls::kStickB, CSimControls::kStickC, CSimControls::kStickD})
        m_Controllers.SetControl(id, 0);
      m_Print("sticks centred");
      break;
    case ']': Select(1); break;
    case '[': Select(-1); break;
    case '+': case '=': MoveSelected(1); break;
    case '-': case '_': MoveSelected(-1); break;
    case 'v': ShowAll(); break;
    case 'u': PlugUpdateStick(); break;
    case 'c': ShowCounters(); break;
    case '?': m_Print(Help()); break;
    case 'q': Quit(); break;
    default: break;
  }
}

void CSimConsole::ToggleJoinableInRange() {
  const CSimWlan wlan(m_Board.Root());
  bool inRange = true;
  for (const CSimWlan::Network& n : wlan.Networks())
    if (n.ssid == CSimWlan::Joinable().ssid) inRange = n.inRange;
  if (!wlan.SetInRange(CSimWlan::Joinable().ssid, !inRange)) {
    m_Print(QStringLiteral("WLAN: there is no network %1 here").arg(CSimWlan::Joinable().ssid));
    return;
  }
  m_Print(wlan.Summary() + QStringLiteral("\n") + wlan.StateSummary());
}

bool CSimConsole::FaultKey(char key) {
  switch (key) {
    case 'e':
      m_Controllers.SendErrorReport(CSimControllers::Transceiver, kTransceiverReport, SimErrorReport);
      m_Print("error report 0x02050101 sent by the transceiver controller");
      return true;
    case 'E':
      m_Controllers.SendErrorReport(CSimControllers::Stick, kStickReport, SimErrorReportOther);
      m_Print("error report 0x02060101 sent by the stick controller");
      return true;
    case 'S':
      m_Silent = !m_Silent;
      m_Controllers.SetSilent(CSimControllers::Transceiver, m_Silent);
      m_Controllers.SetSilent(CSimControllers::Stick, m_Silent);
      m_Print(QStringLiteral("silence %1").arg(m_Silent ? "on" : "off"));
      return true;
    case 'L': Toggle(&m_WrongLengths, "messages one byte short", &CSimControllers::SetWrongLengths); return true;
    case 'X': Toggle(&m_Remote, "frames marked remote", &CSimControllers::SetRemoteFrames); return true;
    case 'G': Toggle(&m_Gaps, "long messages with a gap", &CSimControllers::SetSequenceGap); return true;
    case 'B':
      m_Paced = !m_Paced;
      m_Controllers.SetBusPacing(m_Paced ? kBusBitsPerSecond : 0);
      m_Print(QStringLiteral("bus paced at 1 Mbit/s %1").arg(m_Paced ? "on" : "off"));
      return true;
    case 'O':
      m_Controllers.SendOversizeHeader(CSimControllers::Transceiver, SimTransceiverTaskData);
      m_Print("a header announcing 1001 bytes sent");
      return true;
    default: return false;
  }
}

bool CSimConsole::SensorKey(char key) {
  CSimSensors& sensors = m_Controllers.Sensors();
  switch (key) {
    case 'n': {
      const bool silent = !sensors.Silent(CSimSensors::kVarioAddress);
      sensors.SetSilent(CSimSensors::kVarioAddress, silent);
      m_Print(QStringLiteral("vario sensor (address %1) %2")
                  .arg(CSimSensors::kVarioAddress)
                  .arg(silent ? "silent: reported as not answering" : "answers again"));
      return true;
    }
    case 'N': {
      CSimAnswerBook& answers = m_Controllers.TransceiverController().Answers();
      CSimAnswerKnobs knobs;
      knobs.refuse = !answers.Get(CSimTransceiver::KeyTelemetryStatus).refuse;
      answers.Set(CSimTransceiver::KeyTelemetryStatus, knobs);
      m_Print(knobs.refuse ? QStringLiteral("sensor scan of the transceiver: not done (on every request)")
                           : QStringLiteral("sensor scan of the transceiver: done"));
      return true;
    }
    case 'g': {
      const bool in = !sensors.Addresses().contains(kGpsAddress);
      if (in) {
        sensors.AddGps(kGpsAddress);
        sensors.FollowTrack(kGpsAddress, true);
      } else {
        sensors.Remove(kGpsAddress);
      }
      m_Print(QStringLiteral("GPS sensor (address %1) %2").arg(kGpsAddress).arg(in ? "plugged in" : "pulled out"));
      return true;
    }
    default: return false;
  }
}

void CSimConsole::Toggle(bool* flag, const char* what, void (CSimControllers::*set)(bool)) {
  *flag = !*flag;
  (m_Controllers.*set)(*flag);
  m_Print(QStringLiteral("%1 %2").arg(QLatin1String(what), *flag ? "on" : "off"));
}

void CSimConsole::MoveStick(int id, int steps) {
  m_Controllers.SetControl(id, m_Controllers.Control(id) + steps * CSimControls::kStep);
  const bool left = id == CSimControls::kStickA || id == CSimControls::kStickB;
  m_Print(QStringLiteral("%1 stick: %2, %3")
              .arg(left ? "left" : "right", Position(left ? CSimControls::kStickA : CSimControls::kStickC),
                   Position(left ? CSimControls::kStickB : CSimControls::kStickD)));
}

// Stick 0 carries the application package that the update server's
// stand-in serves (laid down by `prepare --update-server`), in its top
// folder as a stick carries it, and two voice packs in "Voices", the
// second one damaged.
void CSimConsole::PlugUpdateStick() {
  // The mount table says whether the stick is in: a run before this one
  // may have left it plugged.
  const bool in = !m_Board.UsbStickInserted(0);
  const QString stick = m_Board.Root() + QStringLiteral("/media/usb0");
  if (in && !QFileInfo::exists(stick + "/KLX32MD5fold.txt")) {
    const QString board = m_Board.BoardVariant() == CSimBoard::Fenk ? QStringLiteral("Fenk") : QStringLiteral("Vorn");
    const QString package = m_Board.Root() + "/updateserver/" + CSimUpdateServer::ApplicationFolder(board);
    QDirIterator it(package, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString from = it.next();
      const QString to = stick + from.mid(package.size());
      QDir().mkpath(QFileInfo(to).absolutePath());
      QFile::remove(to);
      QFile::copy(from, to);
    }
  }
  if (in) {
    QDir().mkpath(stick + "/Voices");
    CSimUpdateServer::WriteFiles(
        stick + "/Voices",
        {{QStringLiteral("de_greta.zip"), CSimUpdateServer::VoicePack("de_greta", "German", "Greta", "de+f4")},
         {QStringLiteral("fr_lea.zip"), CSimUpdateServer::VoicePack("fr_lea", "French", "Lea", "fr+f2", true)}});
  }
  m_Board.SetUsbStickInserted(0, in);
  m_Print(in ? QStringLiteral("USB stick 1 plugged in (%1, with the application update and voice packs)").arg(stick)
             : QStringLiteral("USB stick 1 pulled out (its files stay in the folder)"));
}

void CSimConsole::Select(int step) {
  const int n = Selectable().size();
  m_Selected = ((m_Selected + step) % n + n) % n;
  m_Print(QStringLiteral("chosen: %1").arg(Position(Selectable().at(m_Selected)->id)));
}

void CSimConsole::MoveSelected(int direction) {
  const CSimControl& c = *Selectable().at(m_Selected);
  const int v = m_Controllers.Control(c.id);
  switch (c.kind) {
    case CSimControlKind::Trim: m_Controllers.ClickTrim(c.slot, direction); break;
    case CSimControlKind::Linear: m_Controllers.SetControl(c.id, v + direction * CSimControls::kStep); break;
    case CSimControlKind::Switch2: m_Controllers.SetControl(c.id, direction * CSimControls::kMax); break;
    default: m_Controllers.SetControl(c.id, v + direction * CSimControls::kMax); break;  // one position
  }
  QString line = Position(c.id);
  for (const CSimControl& t : CSimControls::All())
    if (t.toggleOf == c.id) line += QStringLiteral(" (toggle %1)").arg(Position(t.id));
  m_Print(line);
}

void CSimConsole::ShowAll() {
  QStringList left, right;
  for (const CSimControl& c : CSimControls::All()) (c.rightSide ? right : left) << Position(c.id);
  m_Print(QStringLiteral("left:  ") + left.join(", ") + QStringLiteral("\nright: ") + right.join(", "));
}

void CSimConsole::ShowCounters() {
  m_Print(QStringLiteral("frames received %1, bad frames %2; requests: synchronisation %3 (transceiver) %4 (stick), "
                         "directions %5, direction words %6")
              .arg(m_Controllers.FramesReceived())
              .arg(m_Controllers.BadFrames())
              .arg(m_Controllers.Received(SimRequestTransceiverSync))
              .arg(m_Controllers.Received(SimRequestStickSync))
              .arg(m_Controllers.Received(SimRequestDirections))
              .arg(m_Controllers.Received(SimSetDirections)));
  const CSimTransceiver& tc = m_Controllers.TransceiverController();
  const CSimTransceiver::Counters seen = tc.Seen();
  const CSimControllers::Persistent p = m_Controllers.State();
  m_Print(QStringLiteral("transceiver: model loads %1 (%2 taken, %3 stopped, %4 units), field updates %5, "
                         "fast-start checksum parts asked %6, ready messages %7, switch-off checksums asked %8, "
                         "power-off commands %9")
              .arg(seen.loadsStarted)
              .arg(seen.loadsEnded)
              .arg(seen.loadsStopped)
              .arg(seen.units)
              .arg(seen.fieldUpdates)
              .arg(seen.checksumPartRequests)
              .arg(seen.readyMessages)
              .arg(seen.checksumRequests)
              .arg(seen.powerOffs));
  const auto hex = [](quint64 v, int digits) { return "0x" + QString::number(v, 16).rightJustified(digits, '0').toUpper(); };
  m_Print(QStringLiteral("transceiver: %1; binding configuration %2; vibrations %3")
              .arg(tc.HoldsModel() ? "holds a model, CRC-32C " + hex(tc.HeldChecksum(), 8) : QStringLiteral("holds no model"))
              .arg(p.bindConfig ? hex(p.bindConfig, 16) : QStringLiteral("none"))
              .arg(tc.Vibration().Describe()));
  const CSimSensors::Counters sensors = m_Controllers.Sensors().Seen();
  m_Print(QStringLiteral("sensors: scans %1, description requests %2 (%3 descriptions), menu structures %4, "
                         "labels %5, values %6, changes %7, address changes %8; present now: %9")
              .arg(seen.telemetryStarts)
              .arg(sensors.descriptionRequests)
              .arg(sensors.descriptionsSent)
              .arg(sensors.structureRequests)
              .arg(sensors.nameRequests)
              .arg(sensors.valueRequests)
              .arg(sensors.changes)
              .arg(sensors.addressChanges)
              .arg(SensorList()));
  m_Print(m_Controllers.UpdatePeers().Summary());
}

QString CSimConsole::SensorList() const {
  QStringList list;
  for (int address : m_Controllers.Sensors().Addresses()) list << QString::number(address);
  return list.join(' ');
}

void CSimConsole::Quit() {
  if (m_Done) return;
  if (m_Quitting) {
    // Asked twice: leave at once, the program keeps what it was doing.
    m_Print(QStringLiteral("leaving without waiting; the program (pid %1) may still run").arg(m_Pid));
    m_Done = true;
    emit Finished(1);
    return;
  }
  if (m_Pid <= 0 || !Alive(m_Pid)) {
    m_Print(m_Pid > 0 ? QStringLiteral("the program has already ended") : QStringLiteral("the console ends"));
    m_Done = true;
    emit Finished(0);
    return;
  }
  m_Quitting = true;
  if (::kill(static_cast<pid_t>(m_Pid), SIGTERM) != 0) {
    m_Print(QStringLiteral("cannot ask the program (pid %1) to switch off: %2").arg(m_Pid).arg(qt_error_string(errno)));
    m_Done = true;
    emit Finished(1);
    return;
  }
  m_Deadline = Clock().KLX_ClockNowMs() + kProgramEndMs;
  m_Print(QStringLiteral("switching the transmitter off: the program (pid %1) saves and ends; waiting up to %2 s")
              .arg(m_Pid)
              .arg(kProgramEndMs / 1000));
}

void CSimConsole::Watch() {
  if (m_Done) return;
  if (!Alive(m_Pid)) {
    m_Print(m_Quitting ? QStringLiteral("the program has switched off") : QStringLiteral("the program has ended"));
    m_Done = true;
    m_Watch.stop();
    emit Finished(0);
    return;
  }
  if (m_Quitting && Clock().KLX_ClockNowMs() >= m_Deadline) {
    m_Print(QStringLiteral("the program (pid %1) has not ended after %2 s and is left running")
                .arg(m_Pid)
                .arg(kProgramEndMs / 1000));
    m_Done = true;
    m_Watch.stop();
    emit Finished(1);
  }
}

bool CSimConsole::Alive(qint64 pid) {
  if (pid <= 0 || ::kill(static_cast<pid_t>(pid), 0) != 0) return false;
  // State "Z": ended, waiting for its parent to collect it.
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return true;
  const QByteArray text = stat.readAll();
  const int close = text.lastIndexOf(')');
  return close < 0 || close + 2 >= text.size() || text.at(close + 2) != 'Z';
}
