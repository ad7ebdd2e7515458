// The whole transmitter as a pilot meets it on the desktop: the program
// `vorn` and the simulator's console `vorn-sim`, started as ./run.sh starts
// them, on a card prepared with the Demo plane. The test works the
// transmitter only from outside: keys into the simulator's console (sticks,
// switches, the power button), touches on the program's window, and what
// the program leaves behind (its output, the sound captures with the text
// given to the speech engine, the card's files).
#include <QtTest>

#include "sim/csimupdateserver.h"
#include "vorn_childprocess.h"
#include "vorn_display.h"
#include "vorn_filetree.h"
#include "vorn_testroot.h"

#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr int kStartMs = 60000;
constexpr int kEventMs = kVornHangMs;
constexpr int kSwitchOffMs = 60000;
// A flight mode's name asked for out of range.
constexpr unsigned kFlightModeName = 0x50B03;

QString g_Display;

using ChildProcess = VornChildProcess;

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QString ReadText(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Waits until `done` holds, letting the processes' output in meanwhile.
template <typename Done>
bool Until(Done done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return done();
    QTest::qWait(20);
  }
  return true;
}

// One power-on of the transmitter: the program and the console beside it.
struct Session {
  ChildProcess program;
  ChildProcess console;
  QString output;   // the program's
  QString printed;  // the console's
  int answerFrom = 0;

  Session() {
    QObject::connect(&program, &QProcess::readyRead,
                     [this] { output += QString::fromLocal8Bit(program.readAll()); });
    QObject::connect(&console, &QProcess::readyRead,
                     [this] { printed += QString::fromLocal8Bit(console.readAll()); });
  }
  ~Session() {
    // Kept for a look after a failure.
    const QString kept = qEnvironmentVariable("VORN_TEST_TMP", QDir::tempPath());
    QDir().mkpath(kept);
    for (const auto& [name, text] : {std::pair{"whole-program.txt", &output}, std::pair{"whole-console.txt", &printed}}) {
      QFile f(kept + "/" + name);
      if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(text->toUtf8());
    }
    for (QProcess* p : {&program, &console})
      if (p->state() != QProcess::NotRunning) {
        p->kill();
        p->waitForFinished(3000);
      }
  }
  // How the run ended, for a failure's message: the ends of what both printed.
  QString Ending() const {
    return QString("program: %1, exit code %2\n").arg(program.exitStatus() == QProcess::NormalExit ? "exited" : "crashed")
               .arg(program.exitCode()) +
           output.right(3000) + "\nconsole:\n" + printed.right(1500);
  }
  bool Says(const QString& text, int ms = kEventMs) {
    return Until([&] { return output.contains(text); }, ms);
  }
  // What the console printed since the last keys.
  bool ConsoleSays(const QString& text, int ms = kEventMs) {
    return Until([&] { return printed.indexOf(text, answerFrom) >= 0; }, ms);
  }
  // Keys typed into the console, each acting at once.
  void Keys(const QByteArray& keys) {
    answerFrom = printed.size();
    console.write(keys);
    console.waitForBytesWritten(kVornHangMs);
  }
};

struct Transmitter {
  QTemporaryDir dir{QDir::tempPath() + "/vorn-whole-XXXXXX"};
  QString bin = dir.path() + "/bin";
  QString root = dir.path() + "/root";
  QString card = root + "/Vorn";

  // The programs beside the folder of their root, as build/bin beside
  // build/root.
  bool Install(bool updateServer = false) {
    QDir().mkpath(bin);
    for (const auto& [from, name] : {std::pair{VORN_PROGRAM, "vorn"}, std::pair{VORN_SIM, "vorn-sim"}}) {
      const QString to = bin + "/" + name;
      if (!QFile::copy(from, to)) return false;
      QFile(to).setPermissions(QFileDevice::ExeOwner | QFileDevice::ReadOwner);
    }
    if (!Prepare("--model-demo")) return false;
    // The package the update server serves, which key `u` puts on a stick.
    return !updateServer || Prepare("--update-server");
  }
  // The simulator's preparation of the board with one option.
  bool Prepare(const QString& option) const {
    QProcess prepare;
    prepare.start(bin + "/vorn-sim", {"prepare", "--board", "vorn", option});
    return prepare.waitForFinished(kVornHangMs) && prepare.exitCode() == 0;
  }

  // As ./run.sh: the program waits for the GPS receiver's link that the
  // console lays down, the console gets the program's pid.
  bool PowerOn(Session* s) {
    const QString gps = root + "/dev/ttymxc2";
    QFile::remove(gps);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", g_Display);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("VORN_SOUND_CAPTURE", "1");
    s->program.setProcessEnvironment(env);
    s->program.setProcessChannelMode(QProcess::MergedChannels);
    s->program.start("/bin/sh", {"-c", "while [ ! -e \"$1\" ]; do sleep 0.05; done; exec \"$2\"", "sh", gps,
                                 bin + "/vorn"});
    if (!s->program.waitForStarted(kVornHangMs)) return false;
    env.insert("QT_QPA_PLATFORM", "offscreen");
    s->console.setProcessEnvironment(env);
    s->console.setProcessChannelMode(QProcess::MergedChannels);
    s->console.start(bin + "/vorn-sim", {"console", "--board", "vorn", "--no-window", "--pid",
                                         QString::number(s->program.processId())});
    return s->console.waitForStarted(kVornHangMs);
  }

  // `q` in the console: the transmitter switches off in order, the console
  // ends after it.
  bool SwitchOff(Session* s) {
    s->Keys("q");
    return Until([&] { return s->program.state() == QProcess::NotRunning; }, kSwitchOffMs) &&
           s->console.Ended(kSwitchOffMs) &&
           s->program.exitCode() == 0 &&
           s->ConsoleSays("the program has switched off");
  }

  QString ModelFile() const { return card + "/Model/Plane/Demo.xml"; }
  // A model file's data without the check value and version behind it,
  // which change with every save.
  QString ModelData() const {
    const QString text = ReadText(ModelFile());
    return text.left(text.indexOf("</DATA>"));
  }
  QString Settings() const { return ReadText(card + "/System/System.xml"); }
  QString State() const { return ReadText(card + "/Vornstate/Vornstate.xml"); }
  // The sound captured for `device`: the bytes of all its files.
  qint64 Captured(const QString& device) const {
    qint64 bytes = 0;
    for (const QFileInfo& f : QDir(root + "/run/sound").entryInfoList({device + ".raw*"}, QDir::Files))
      bytes += f.size();
    return bytes;
  }
  QString Spoken() const { return ReadText(root + "/run/sound/speech.txt"); }
  // The entries of `code` in the error logs the switch-off kept on the card.
  QStringList Logged(unsigned code) const {
    QStringList lines;
    QDirIterator it(card + "/Error", {"*_Err.log"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
      for (const QString& line : ReadText(it.next()).split("\r\n", Qt::SkipEmptyParts))
        if (line.section('\t', 0, 0).toUInt() == code) lines << line;
    return lines;
  }
  // The timer's kept value in the model file, -1 when it has none.
  int TimerKept() const {
    const QRegularExpression kept("<StoredValue>(-?\\d+)</StoredValue>");
    const QRegularExpressionMatch m = kept.match(ReadText(ModelFile()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
  }
  // The records of the telemetry log of this run, by sensor address.
  QStringList LoggedRecords(int address) const {
    QStringList lines;
    QDirIterator it(card + "/Log", {"Demo_*_Tele.log"}, QDir::Files, QDirIterator::Subdirectories);
    const QString key = QStringLiteral(";%1;").arg(address, 3, 10, QLatin1Char('0'));
    while (it.hasNext())
      for (const QString& line : ReadText(it.next()).split("\r\n"))
        if (line.startsWith(':') && line.mid(3, 5) == key) lines << line;
    return lines;
  }
  // A finger on the program's window (its top left corner is the screen's:
  // there is no window manager), as xdotool's commands: "F5" a key,
  // "tap x y", "drag x y x y", "wheel x y n" n turns down; each step given
  // time to be drawn.
  bool Fingers(const QStringList& steps) const {
    QStringList args;
    for (const QString& step : steps) {
      const QStringList w = step.split(' ');
      if (w[0] == "tap")
        args << "mousemove" << w[1] << w[2] << "click" << "1";
      else if (w[0] == "drag") {
        args << "mousemove" << w[1] << w[2] << "mousedown" << "1";
        for (int i = 1; i <= 8; ++i)
          args << "sleep" << "0.03" << "mousemove" << w[3]
               << QString::number(w[2].toInt() + (w[4].toInt() - w[2].toInt()) * i / 8);
        args << "mouseup" << "1";
      } else if (w[0] == "wheel")
        args << "mousemove" << w[1] << w[2] << "click" << "--repeat" << w[3] << "--delay" << "30" << "5";
      else
        args << "key" << w[0];
      args << "sleep" << "0.5";
    }
    QProcess fingers;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", g_Display);
    fingers.setProcessEnvironment(env);
    fingers.start("xdotool", args);
    return fingers.waitForFinished(kVornHangMs) && fingers.exitCode() == 0;
  }
  // The way through the screens taken again until `done` holds: the intro
  // of the larger board may still play at first.
  template <typename Done>
  bool TakeTheWayUntil(const QStringList& steps, Done done) const {
    for (int attempt = 0; attempt < 8; ++attempt)
      if (Fingers(steps) && done()) return true;
    return false;
  }
  // Started to its end, key `u`'s stick then plugged in; what the program
  // and the console printed when either did not come.
  QString UpWithTheStick(Session* s) {
    if (!PowerOn(s) || !s->Says("start-up phase: system up", kStartMs)) return s->output.right(3000);
    s->Keys("u");
    return s->ConsoleSays("USB stick 1 plugged in") ? QString() : s->printed.right(1500);
  }
  QString Screenshot(const QString& name) const {
    QProcess shot;
    shot.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", g_Display);
    env.insert("QT_QPA_PLATFORM", "xcb");
    shot.setProcessEnvironment(env);
    shot.start(VORN_SCREENSHOT, {VornScreenshotPath(name)});
    // Empty when taken, else what went wrong.
    if (shot.waitForFinished(kVornHangMs) && shot.exitCode() == 0) return QString();
    return QString::fromLocal8Bit(shot.readAll()) + " " + shot.errorString();
  }
};

}  // namespace

class WholeTransmitter : public QObject {
  Q_OBJECT

 private slots:
  void aFlightFromPowerOnToPowerOnAgain() {
    Transmitter tx;
    QVERIFY(tx.Install());
    QVERIFY(tx.Prepare("--receiver-firmware"));
    {
      Session s;
      QVERIFY(tx.PowerOn(&s));
      // Start-up: synchronised with both controllers, the Demo loaded into
      // the transceiver, its sensors described.
      QVERIFY2(s.Says("start-up phase: system up", kStartMs), qPrintable(s.output.right(3000)));
      for (const char* line : {"Transceiver Version is", "Stickcontroller Serial is", "Demo.xml (",
                               "is loaded successfully!"})
        QVERIFY2(s.output.contains(line), line);
      QVERIFY2(s.Says("Telemetry captured, #SensorsTable is written!"), qPrintable(s.output.right(3000)));

      // Switch A up: the flight timer runs.
      s.Keys(QByteArray(10, ']'));
      QVERIFY2(s.ConsoleSays("chosen: SW-A"), qPrintable(s.printed.right(1500)));
      // A three-position switch: up from down is two positions.
      s.Keys("++");
      QVERIFY2(s.ConsoleSays("SW-A +100 %"), qPrintable(s.printed.right(1500)));
      QElapsedTimer flying;
      flying.start();

      // The right stick pulled up 80 %: the vario reports +8.0 m/s, beyond
      // the climb limit of the Demo's first telemetry page (red above
      // 5.0 m/s, sound and voice): its sound plays and its text is spoken.
      s.Keys("iiiiiiii");
      QVERIFY2(s.ConsoleSays("right stick: ST-C +80 %"), qPrintable(s.printed.right(1500)));
      QVERIFY2(Until([&] { return tx.Spoken().contains("Climbing too fast"); }, kEventMs),
               qPrintable(tx.Spoken() + "\n" + s.output));
      QVERIFY2(Until([&] { return tx.Captured("vorn_default") > 0; }, kEventMs), "no alarm sound captured");
      QVERIFY2(Until([&] { return tx.Captured("ch1") > 0; }, kEventMs), "no speech captured");

      // The model changed on a screen: home (F5), the status strip pulled
      // down, "Main menu", "Receivers", "Bind" for the first receiver. The
      // intro of the larger board may still play at first, so the way is
      // taken again until the binding has started.
      bool binding = false;
      for (int attempt = 0; attempt < 8 && !binding; ++attempt) {
        QVERIFY(tx.Fingers({"F5", "drag 240 3 240 190", "tap 83 27", "tap 331 186", "tap 417 75"}));
        binding = s.Says("gui: task started: 6", 3000);
      }
      QVERIFY2(binding, qPrintable(s.output.right(3000)));
      QVERIFY2(s.Says("gui: task 6 ended"), qPrintable(s.output.right(3000)));
      const QString bound = tx.Screenshot("whole-receivers.png");
      QVERIFY2(bound.isEmpty(), qPrintable(bound));
      // Its firmware from the card: "Receiver firmware", the file, receiver
      // 1, "Update", "Ok"; the file is checked and written into the receiver.
      QVERIFY(tx.Fingers({"tap 372 243", "tap 160 74", "tap 398 111", "tap 398 247", "tap 180 198"}));
      QVERIFY2(s.Says("gui: task 13 ended", 60000), qPrintable(s.output.right(3000)));
      QVERIFY(tx.Fingers({"tap 240 198"}));
      s.Keys("c");
      QVERIFY2(s.ConsoleSays("receiver 2.5 (rows written 32, restarts 1)"), qPrintable(s.printed.right(1500)));

      // Switch A down again: the timer stops with what it counted.
      s.Keys("--");
      QVERIFY2(s.ConsoleSays("SW-A -100 %"), qPrintable(s.printed.right(1500)));
      const qint64 flown = flying.elapsed();
      s.Keys(" ");

      QVERIFY2(tx.SwitchOff(&s), qPrintable(s.Ending()));
      for (const char* line : {"Power-off command has been sent to TC...", "Good bye!"})
        QVERIFY2(s.output.contains(line), qPrintable(s.output.right(3000)));
      // The timer's time is kept in the model file: it ran while the switch
      // was up (the program sees the switch a little after the console
      // moved it, later on a loaded machine), and not before it.
      const int kept = tx.TimerKept();
      QVERIFY2(kept > 0 && kept <= flown + 5000, qPrintable(QString("%1 of %2 ms").arg(kept).arg(flown)));
      // The values as they came: the vario's climb up to +8.0 m/s, the
      // battery's voltage sinking from 12.60 V.
      const QStringList climbs = tx.LoggedRecords(17);
      QVERIFY2(!climbs.isEmpty(), "no vario records in the telemetry log");
      QVERIFY2(std::any_of(climbs.begin(), climbs.end(), [](const QString& l) { return l.contains(";0x0050;"); }),
               qPrintable(climbs.join('\n')));
      QVERIFY(!tx.LoggedRecords(16).isEmpty());
      // The receiver bound on the screen is in the model file, with its new firmware.
      for (const char* line : {"<ReceiverMask>1</ReceiverMask>", "<SwVerMinor>5</SwVerMinor>"})
        QVERIFY2(tx.ModelData().contains(line), qPrintable(tx.ModelData().right(3000)));
    }

    // What the switch-off left, found again by the next start, a fast one.
    const QString model = tx.ModelData(), settings = tx.Settings();
    const int kept = tx.TimerKept();
    {
      Session s;
      QVERIFY(tx.PowerOn(&s));
      QVERIFY2(s.Says("start-up phase: system up", kStartMs), qPrintable(s.output.right(3000)));
      QVERIFY2(s.output.contains("is started from TC memory - FAST START!"), qPrintable(s.output.right(3000)));
      QVERIFY2(!s.output.contains("is loaded successfully!"), qPrintable(s.output.right(3000)));
      QCOMPARE(tx.ModelData(), model);
      QCOMPARE(tx.Settings(), settings);
      // The receiver still runs what was written into it.
      s.Keys("c");
      QVERIFY2(s.ConsoleSays("receiver 2.5 (rows written 0, restarts 0)"), qPrintable(s.printed.right(1500)));
      QVERIFY(tx.SwitchOff(&s));
    }
    QCOMPARE(tx.ModelData(), model);
    QCOMPARE(tx.TimerKept(), kept);
    // The process state still names the Demo as the current model.
    for (const char* line : {"<Modelname>Demo</Modelname>", "<ModelTyp>1</ModelTyp>"})
      QVERIFY2(tx.State().contains(line), qPrintable(tx.State()));
  }

  // The application update from a stick, as a new user tries it, after a
  // stick pulled out led to the server's offer: its package brings no
  // controller firmware. The next start is the installed version's (the
  // desktop stands in for it), passes the firmware update by and loads the
  // model, whose file is as the switch-off left it.
  void anApplicationUpdateFromAStickKeepsTheModel() {
    Transmitter tx;
    QVERIFY(tx.Install(true));
    {
      Session s;
      const QString up = tx.UpWithTheStick(&s);
      QVERIFY2(up.isEmpty(), qPrintable(up));
      // Home, the strip, "Main menu", down to "Settings", "System", the
      // software's "Check", "Update", until the program says `line`; again
      // while the intro may still play.
      const auto update = [&](const char* line) {
        for (int attempt = 0; attempt < 8; ++attempt)
          if (!tx.Fingers({"F5", "drag 240 3 240 190", "tap 83 27", "wheel 240 150 30", "tap 55 200", "tap 55 72",
                           "tap 219 254", "tap 397 75"}) ||
              s.Says(line, 3000))
            break;
        return s.output.contains(line);
      };
      // The stick pulled out again: its files stay in the
      // folder, but there is no stick, and the update server is offered.
      s.Keys("u");
      QVERIFY2(s.ConsoleSays("USB stick 1 pulled out"), qPrintable(s.printed.right(1500)));
      QVERIFY2(update("Update not started!") && !s.output.contains("begin update"), qPrintable(s.output.right(3000)));
      const QString offer = tx.Screenshot("whole-pulled-stick-offer.png");
      QVERIFY2(offer.isEmpty(), qPrintable(offer));
      QVERIFY(tx.Fingers({"tap 300 198"}));  // "Abort"

      s.Keys("u");
      QVERIFY2(s.ConsoleSays("USB stick 1 plugged in"), qPrintable(s.printed.right(1500)));
      QVERIFY2(update("begin update"), qPrintable(s.output.right(3000)));
      // "The update is ready. Install it now?" Ok; then "installed" Ok.
      QVERIFY(Until([&] { return tx.Fingers({"tap 180 198"}) && s.Says("installation is complete", 1000); }, kEventMs));
      QVERIFY2(s.output.contains("application installation is complete (err = 0)"), qPrintable(s.output.right(3000)));
      QVERIFY(tx.Fingers({"tap 240 198"}));
      QVERIFY2(tx.State().contains("<UpdateFlag>1</UpdateFlag>"), qPrintable(tx.State()));
      QVERIFY2(tx.SwitchOff(&s), qPrintable(s.Ending()));
    }
    const QByteArray model = ReadText(tx.ModelFile()).toUtf8();
    const QString data = tx.ModelData();
    QVERIFY(data.contains("<FUNCTION"));
    {
      Session s;
      QVERIFY(tx.PowerOn(&s));
      QVERIFY2(s.Says("start-up phase: system up", kStartMs), qPrintable(s.output.right(3000)));
      const int update = s.output.indexOf("start-up phase: firmware update");
      QVERIFY2(update >= 0 && s.output.indexOf("Demo.xml (", update) > update, qPrintable(s.output.right(3000)));
      QVERIFY2(s.output.contains("runs as that version"), qPrintable(s.output.right(3000)));
      QVERIFY2(!s.output.contains("Reading update file error"), qPrintable(s.output.right(3000)));
      const QString shot = tx.Screenshot("whole-after-update.png");
      QVERIFY2(shot.isEmpty(), qPrintable(shot));
      QVERIFY2(tx.State().contains("<UpdateFlag>0</UpdateFlag>"), qPrintable(tx.State()));
      QCOMPARE(ReadText(tx.ModelFile()).toUtf8(), model);
      QVERIFY(tx.SwitchOff(&s));
    }
    // Saved again at the switch-off with the timer's value: the same data,
    // under a check value scrambled anew.
    QCOMPARE(tx.ModelData(), data);
  }

  // Voice packs from the stick that key `u` plugs in, as a pilot installs
  // them: Voice Settings, "Voices", "Install"; the sound pack is on the
  // card, the damaged one is not, nor two packs made to reach beyond their
  // own folders (a link to the models named like its folder, a marker for
  // the sound voice naming the model), nor one behind a password (made by
  // zip -e) nor 300 KB of archive holding 300 MB of zeros on a card that
  // has filled to 256 MiB free since the start: both refused before
  // anything is unpacked, with the real unzip. Five packs are left out,
  // one for want of room, and nothing of them stays on the card. Deleting
  // the new voice again leaves every model file and every other voice as
  // they were.
  void aVoicePackFromAStick() {
    Transmitter tx;
    QVERIFY(tx.Install(true));
    const QString voices = tx.card + "/Sound/Voices";
    {
      Session s;
      const QString up = tx.UpWithTheStick(&s);
      QVERIFY2(up.isEmpty(), qPrintable(up));
      const QStringList models = VornFileTree(tx.card + "/Model");
      const QStringList others = VornFileTree(voices);
      const QString stick = tx.root + "/media/usb0/Voices/";
      QVERIFY(WriteBytes(stick + "link.zip", CSimUpdateServer::Zip({{"link", (tx.card + "/Model").toUtf8(), true}})));
      QVERIFY(WriteBytes(stick + "plant.zip",
                         CSimUpdateServer::Zip({{"de_greta/installsrczip.txt", "/Vorn/Model/Plane/Demo.xml"}})));
      QVERIFY(QDir().mkpath(stick + "fr_secret"));
      QVERIFY(WriteBytes(stick + "fr_secret/voice.conf", "espeak=fr\nlanguage=French\nname=Secret\n"));
      QProcess zip;
      zip.setWorkingDirectory(stick);
      zip.start("sh", {"-c", "zip -qr -e -P secret fr_secret.zip fr_secret && rm -r fr_secret && "
                             "head -c 314572800 /dev/zero | zip -q fr_big.zip -"});
      QVERIFY(zip.waitForFinished(60000) && zip.exitCode() == 0);
      QVERIFY(WriteBytes(tx.root + "/run/sdcard-size", QByteArray::number(256LL * 1024 * 1024)));
      // Home, the strip, "Main menu", "Voice Settings", "Voices", "Install".
      QVERIFY2(tx.TakeTheWayUntil(
                   {"F5", "drag 240 3 240 190", "tap 83 27", "tap 424 186", "tap 378 41", "tap 422 251"},
                   [&] { return Until([&] { return QFileInfo::exists(voices + "/de_greta/voice.conf"); }, 5000); }),
               qPrintable(s.output.right(3000)));
      QVERIFY2(s.Says("fr_lea.zip does not match its checksum list: refused"), qPrintable(s.output.right(3000)));
      QVERIFY2(s.Says("link.zip holds a link: refused"), qPrintable(s.output.right(3000)));
      QVERIFY2(s.Says("fr_secret.zip is encrypted: refused"), qPrintable(s.output.right(3000)));
      QVERIFY2(s.Says("fr_big.zip does not fit on the card"), qPrintable(s.output.right(3000)));
      QVERIFY2(s.Says("voice packs: 1 installed, 5 left out, 1 of them for want of room on the card"),
               qPrintable(s.output.right(3000)));
      QVERIFY(!QFileInfo::exists(tx.card + "/Sound/.unpacking"));
      // Of the packs left out not even the archive stays on the card.
      QCOMPARE(QDir(tx.card + "/Update/Pkgs").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
               QStringList({"de_greta.zip"}));
      const QString shot = tx.Screenshot("whole-voice-installed.png");
      QVERIFY2(shot.isEmpty(), qPrintable(shot));
      // "1 voice installed." (and the packs left out, each named: the box
      // scrolls) Ok; "Greta(German)", "Delete", Ok.
      QVERIFY(tx.Fingers({"tap 240 233", "tap 234 170", "tap 313 251", "tap 180 198"}));
      QVERIFY2(Until([&] { return !QFileInfo::exists(voices + "/de_greta"); }, kEventMs), qPrintable(s.output.right(3000)));
      QVERIFY2(s.Says("Deleted voice file " + tx.card + "/Update/Pkgs/de_greta.zip"), qPrintable(s.output.right(3000)));
      QCOMPARE(VornFileTree(tx.card + "/Model"), models);
      QCOMPARE(VornFileTree(voices), others);
      QVERIFY(tx.Screenshot("whole-voice-deleted.png").isEmpty());
      QVERIFY2(tx.SwitchOff(&s), qPrintable(s.Ending()));
    }
    // The install resets the engine's data, which leaves it without a
    // flight mode until its next pass: nothing asks for that one's name.
    QCOMPARE(tx.Logged(kFlightModeName), QStringList());
  }

  // The transceiver's firmware recovered from the package in the card's
  // update folder (of the program's own version, staged without the
  // pending update, so the start leaves the controllers as they are):
  // Settings, System, Software "Check", Recovery "Transceiver", Ok; the
  // transceiver runs the package's version afterwards, the stick
  // controller its own.
  void aControllerRecoveryWritesThePackagesFirmware() {
    Transmitter tx;
    QVERIFY(tx.Install());
    QProcess prepare;
    prepare.start(tx.bin + "/vorn-sim", {"prepare", "--board", "vorn", "--firmware-update"});
    QVERIFY(prepare.waitForFinished(kVornHangMs) && prepare.exitCode() == 0);
    const QString stateFile = tx.card + "/Vornstate/Vornstate.xml";
    QString state = ReadText(stateFile);
    QVERIFY(state.contains("<UpdateFlag>1</UpdateFlag>"));
    QFile out(stateFile);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(state.replace("<UpdateFlag>1</UpdateFlag>", "<UpdateFlag>0</UpdateFlag>").toUtf8());
    out.close();
    Session s;
    QVERIFY(tx.PowerOn(&s));
    QVERIFY2(s.Says("start-up phase: system up", kStartMs), qPrintable(s.output.right(3000)));
    QVERIFY2(tx.TakeTheWayUntil({"F5", "drag 240 3 240 190", "tap 83 27", "wheel 240 150 30", "tap 55 200",
                                 "tap 55 72", "tap 219 254", "tap 215 176", "tap 180 198"},
                                [&] { return s.Says("update progress", 5000); }),
             qPrintable(s.output.right(3000)));
    QVERIFY2(s.Says("update of device done!", kEventMs), qPrintable(s.output.right(3000)));
    // The program is done once it has sent the switch to the application;
    // the transceiver takes it a moment later: its counters are asked again
    // until they show it.
    QVERIFY2(Until(
                 [&] {
                   s.Keys("c");
                   return s.ConsoleSays("transceiver controller 1.1 (application runs", 2000);
                 },
                 kEventMs),
             qPrintable(s.printed.right(1500)));
    QVERIFY2(s.printed.indexOf("stick controller 1.0 (application runs", s.answerFrom) >= 0, qPrintable(s.printed.right(1500)));
    const QString shot = tx.Screenshot("whole-recovery.png");
    QVERIFY2(shot.isEmpty(), qPrintable(shot));
    QVERIFY2(tx.SwitchOff(&s), qPrintable(s.Ending()));
  }

  // Without the simulator (no GPS receiver, no controllers) the start
  // fails; the program still goes down in order, and its status says that
  // the start failed, where a switch-off ends with 0.
  void aStartThatFailsEndsWithAFailure() {
    Transmitter tx;
    QVERIFY(tx.Install());
    Session s;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", g_Display);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("VORN_SOUND_CAPTURE", "1");
    s.program.setProcessEnvironment(env);
    s.program.setProcessChannelMode(QProcess::MergedChannels);
    s.program.start(tx.bin + "/vorn", QStringList());
    QVERIFY(s.program.waitForStarted(kVornHangMs));
    QVERIFY2(Until([&] { return s.program.state() == QProcess::NotRunning; }, kStartMs + kSwitchOffMs),
             qPrintable(s.Ending()));
    QVERIFY2(s.output.contains("ERR_INFO: startup gone wrong"), qPrintable(s.Ending()));
    QCOMPARE(s.program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(s.program.exitCode(), 1);
    // The status is the failed start's, told once the program went down, and
    // no sanitizer's halt, which ends with 1 as well.
    const int down = s.output.indexOf("umount -r of /app ok");
    QVERIFY2(down >= 0 && s.output.indexOf("The start failed: the program ends with exit status 1.") > down,
             qPrintable(s.Ending()));
    for (const char* halt : {"Sanitizer", "runtime error:"}) QVERIFY2(!s.output.contains(halt), qPrintable(s.Ending()));
  }
};

int main(int argc, char* argv[]) {
  pid_t server = 0;
  const std::string number = VornStartFreeXvfb(&server);
  if (number.empty()) {
    std::fprintf(stderr, "whole_transmitter: no Xvfb to show the program on\n");
    return kVornSkipCode;
  }
  g_Display = QString::fromStdString(":" + number);
  int result;
  {
    QCoreApplication app(argc, argv);
    WholeTransmitter test;
    QTEST_SET_MAIN_SOURCE_PATH
    result = QTest::qExec(&test, argc, argv);
  }
  kill(server, SIGTERM);
  waitpid(server, nullptr, 0);
  return result;
}
#include "tst_transmitter.moc"
