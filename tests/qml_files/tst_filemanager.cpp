// The file manager screen as a user drives it, against the real file
// manager: the card's folders on one side and a USB stick on the other, a
// copy, its questions answered with each button, a delete, the copies the
// manager refuses with their messages, and the screen on both boards
// (screenshots kept for a look).
#include "qml_frame/qml_frame_fixture.h"
#include "vorn_fixture.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kService = QStringLiteral("qrc:/Frontend/QML/12.qml");
const QString kFileManager = QStringLiteral("qrc:/Frontend/QML/FileManager.qml");

bool Tap(QmlFrame& f, const QString& name) {
  f.Settle();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return f.Tap(name);
}
// A row of one side ("source" or "destination") brought into view and
// touched, or its tick box.
bool Touch(QmlFrame& f, const QString& side, const QString& label, bool tick = false) {
  const QVariantList entries = f.Property("fileManager", side == "source" ? "srcEntries" : "dstEntries").toList();
  int row = -1;
  for (int i = 0; i < entries.size(); ++i)
    if (entries[i].toMap().value("label").toString() == label) row = i;
  if (row < 0) return false;
  constexpr int kContain = 4;  // ListView.Contain
  QMetaObject::invokeMethod(f.Named(side + "List"), "positionViewAtIndex", Q_ARG(int, row), Q_ARG(int, kContain));
  return Tap(f, (tick ? "tick_" : side + "_") + label);
}
bool Tick(QmlFrame& f, const QString& label) { return Touch(f, "source", label, true); }
QByteArray Le32(quint32 v) {
  QByteArray b(4, 0);
  for (int i = 0; i < 4; ++i) b[i] = char((v >> (8 * i)) & 0xFF);
  return b;
}
bool Walk(QmlFrame& f, const QString& side, const QStringList& labels) {
  for (const QString& label : labels)
    if (!Touch(f, side, label)) return false;
  return true;
}
// The message of the box that ends a run, closed with its button.
QString Outcome(QmlFrame& f) {
  if (!QTest::qWaitFor([&] { return f.Popup() && f.Property("fileManager", "running").toString().isEmpty(); }, kVornHangMs))
    return QString();
  const QString text = f.PopupText();
  f.TapInPopup("popupButton_0");
  return text;
}
bool Question(QmlFrame& f, const QString& text) {
  return QTest::qWaitFor([&] { return f.Popup() && f.PopupText() == text; }, kVornHangMs);
}
// The ticked file copied again, its question answered with a button
// (0 Overwrite, 1 Skip, 2 Abort); the run's message.
QString CopyAnswering(QmlFrame& f, const QString& file, int button) {
  if (!Touch(f, "source", file) || !Tap(f, "fileCopy") ||
      !Question(f, "\"" + file + "\" exists already in the destination folder.") ||
      !f.Item("progressBox")->isVisible() || !f.TapInPopup(QStringLiteral("popupButton_%1").arg(button)))
    return QString();
  return Outcome(f);
}
}  // namespace

class TestFileManagerScreen : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  void copyQuestionsAndDelete() {
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    const QString card = f.Board().Root() + "/Vorn";
    const QString stick = f.Board().Root() + "/media/usb1";
    QVERIFY(WriteFile(card + "/Model/Plane/Glider.xml", "glider"));
    QVERIFY(WriteFile(card + "/Model/Plane/Pictures/Glider.png", "picture"));
    QVERIFY(f.Board().SetUsbStickInserted(1, true));
    // As a user gets there: the service screen's file manager entry.
    f.Call("", "openScreen", {kService, QVariant()});
    QVERIFY(f.WaitShown(kService));
    QVERIFY(Tap(f, "function_9"));
    QVERIFY(f.WaitShown(kFileManager));

    QVERIFY(Walk(f, "source", {"SD card", "Model", "Plane"}));
    QVERIFY(Touch(f, "source", "Glider.xml"));
    QVERIFY(Tick(f, "Pictures"));
    QCOMPARE(f.Property("fileManager", "tickedCount").toInt(), 2);
    QVERIFY(Walk(f, "destination", {"USB stick 2"}));
    QCOMPARE(f.Property("destinationPlace", "text").toString(), QString("To: USB stick 2"));
    QCOMPARE(f.Property("sourcePlace", "text").toString(), QString("From: SD card/Model/Plane"));
    QVERIFY(Tap(f, "fileCopy"));
    QCOMPARE(Outcome(f), QString("Copying complete"));
    QCOMPARE(ReadFile(stick + "/Glider.xml"), QByteArray("glider"));
    QCOMPARE(ReadFile(stick + "/Pictures/Glider.png"), QByteArray("picture"));
    QCOMPARE(f.Property("fileManager", "tickedCount").toInt(), 0);

    // The same again: asked for each file; Skip, then Overwrite.
    QVERIFY(WriteFile(card + "/Model/Plane/Glider.xml", "glider 2"));
    QCOMPARE(CopyAnswering(f, "Glider.xml", 1), QString("Copying complete. Files that existed already were skipped"));
    QCOMPARE(ReadFile(stick + "/Glider.xml"), QByteArray("glider"));
    QCOMPARE(CopyAnswering(f, "Glider.xml", 0), QString("Copying complete"));
    QCOMPARE(ReadFile(stick + "/Glider.xml"), QByteArray("glider 2"));

    // Abort at the question: nothing copied, and the screen goes on with a
    // fresh manager.
    QVERIFY(WriteFile(card + "/Model/Plane/Glider.xml", "glider 3"));
    QCOMPARE(CopyAnswering(f, "Glider.xml", 2), QString("Canceled by the user"));
    QCOMPARE(ReadFile(stick + "/Glider.xml"), QByteArray("glider 2"));

    // A folder into itself, and into the folder it comes from.
    QVERIFY(Walk(f, "source", {".."}));
    QVERIFY(Tick(f, "Plane"));
    QVERIFY(Walk(f, "destination", {"..", "SD card", "Model", "Plane"}));
    QVERIFY(Tap(f, "fileCopy"));

    QCOMPARE(Outcome(f), QString("The destination folder is a subfolder of the source folder"));
    QVERIFY(Tick(f, "Plane"));
    QVERIFY(Walk(f, "destination", {".."}));
    QVERIFY(Tap(f, "fileCopy"));
    QCOMPARE(Outcome(f), QString("The source folder is the same as the destination folder"));
    // The card's top folder is no place to copy into.
    QVERIFY(Tick(f, "Plane"));
    QVERIFY(Walk(f, "destination", {".."}));
    QCOMPARE(f.Property("fileCopy", "state").toString(), QString("disabled"));

    // Deleted on the stick after a question.
    QVERIFY(Walk(f, "source", {"..", "..", "USB stick 2"}));
    QVERIFY(Touch(f, "source", "Glider.xml"));
    QVERIFY(Tick(f, "Pictures"));
    QVERIFY(Tap(f, "fileDelete"));
    QVERIFY(Question(f, "Delete the 2 selected files and folders?"));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QCOMPARE(Outcome(f), QString("Deleting complete"));
    QVERIFY(!QFileInfo::exists(stick + "/Glider.xml"));
    QVERIFY(!QFileInfo::exists(stick + "/Pictures"));
    QCOMPARE(f.Property("fileManager", "srcEntries").toList().size(), 1);  // ".." alone
    QCOMPARE(ReadFile(card + "/Model/Plane/Glider.xml"), QByteArray("glider 3"));
  }

  // A sound file ticked alone is played where it lies, on a stick too: the
  // player gets its samples whole, a long one only its first 30 s; with a
  // second file ticked there is nothing to play; a ".wav" that is no sound,
  // or in a format the player does not play, is refused with a message, and
  // a player that fails says so.
  void playsASoundFile_data() {
    QTest::addColumn<int>("seconds");  // of the sound; 0: a text file
    QTest::addColumn<int>("played");   // seconds the player got
    QTest::addColumn<QString>("how");  // of the file or the player
    QTest::addColumn<QString>("message");
    const QString notWave = "\"Gear down.WAV\" is no WAVE sound file and cannot be played.";
    QTest::newRow("a short sound") << 1 << 1 << "" << "";
    QTest::newRow("a long sound") << 45 << 30 << "" << "";
    QTest::newRow("no sound") << 0 << 0 << "" << notWave;
    QTest::newRow("a mu-law sound") << 1 << 0 << "mu-law" << notWave;
    QTest::newRow("a player that fails") << 1 << 0 << "player fails" << "\"Gear down.WAV\" could not be played.";
  }
  void playsASoundFile() {
    QFETCH(int, seconds);
    QFETCH(int, played);
    QFETCH(QString, how);
    QFETCH(QString, message);
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    QByteArray samples;
    for (int i = 0; i < seconds * 22050; ++i) samples.append("\x10\x00", 2);  // 16-bit mono at 22050 Hz
    // PCM, or mu-law with its extra size of 0.
    const QByteArray format = how == "mu-law" ? QByteArray("\x07\x00\x01\x00", 4) + Le32(22050) + Le32(22050) +
                                                    QByteArray("\x01\x00\x08\x00\x00\x00", 6)
                                              : QByteArray("\x01\x00\x01\x00", 4) + Le32(22050) + Le32(2 * 22050) +
                                                    QByteArray("\x02\x00\x10\x00", 4);
    QByteArray wav = "RIFF" + Le32(20 + format.size() + samples.size()) + "WAVEfmt " + Le32(format.size()) + format +
                     "data" + Le32(samples.size()) + samples;
    if (seconds == 0) wav = "not a sound";
    // A player of this name first on the path, failing.
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    if (how == "player fails") {
      QVERIFY(WriteFile(bin.path() + "/aplay", "#!/bin/sh\nexit 1\n"));
      QVERIFY(QFile::setPermissions(bin.path() + "/aplay", QFile::ReadOwner | QFile::ExeOwner));
      qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
    }
    const auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });
    const QString stick = f.Board().Root() + "/media/usb0";
    QVERIFY(f.Board().SetUsbStickInserted(0, true));
    QVERIFY(WriteFile(stick + "/Sounds/Gear down.WAV", wav));
    QVERIFY(WriteFile(stick + "/Sounds/notes.txt", "not a sound"));
    f.Call("", "openScreen", {kFileManager, QVariant()});
    QVERIFY(f.WaitShown(kFileManager));
    QVERIFY(Walk(f, "source", {"USB stick 1", "Sounds"}));
    QVERIFY(Tick(f, "notes.txt"));
    QVERIFY(!f.Property("filePlay", "visible").toBool());
    QVERIFY(Tick(f, "Gear down.WAV"));
    QVERIFY(!f.Property("filePlay", "visible").toBool());
    QVERIFY(Tick(f, "notes.txt"));
    QCOMPARE(f.Property("filePlay", "gp_text").toString(), QString("\u25B6"));
    QVERIFY(Tap(f, "filePlay"));
    const QString captures = f.Board().Root() + "/run/sound";
    auto captured = [&] {
      QByteArray bytes;
      for (const QFileInfo& i : QDir(captures).entryInfoList({"vorn_default.raw*"}, QDir::Files))
        bytes += ReadFile(i.filePath());
      return bytes;
    };
    if (!message.isEmpty()) {
      QVERIFY(QTest::qWaitFor([&] { return f.Popup(); }, kVornHangMs));
      QCOMPARE(f.PopupText(), message);
      f.Settle();
      if (seconds == 0) f.Grab("file-manager-no-sound.png");
      QVERIFY(f.TapInPopup("popupButton_0"));
      QTRY_VERIFY(!f.Db().KLX_DatabaseManagerAudioHandlerPointer()->KLX_AudioHandlerSoundFilePlaying());
      QCOMPARE(captured(), QByteArray());
      return;
    }
    // The player pads its last period with silence.
    const QByteArray heard = samples.left(played * 22050 * 2);
    QTRY_VERIFY(captured().startsWith(heard));
    QTRY_VERIFY(!f.Db().KLX_DatabaseManagerAudioHandlerPointer()->KLX_AudioHandlerSoundFilePlaying());
    QCOMPARE(captured().mid(heard.size()), QByteArray(captured().size() - heard.size(), '\0'));
  }

  // Sticks plugged in and pulled out while the screen is open: its next
  // look (once a second) lists the storages anew, and the side on the
  // pulled stick goes back to them.
  void sticksFollowedWhileOpen() {
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    f.Call("", "openScreen", {kFileManager, QVariant()});
    QVERIFY(f.WaitShown(kFileManager));
    const auto labels = [&](const char* side) {
      QStringList list;
      for (const QVariant& entry : f.Property("fileManager", side).toList()) list << entry.toMap().value("label").toString();
      return list;
    };
    const auto look = [&] { return QMetaObject::invokeMethod(f.Named("stickWatch"), "triggered"); };
    QCOMPARE(labels("srcEntries"), QStringList{"SD card"});
    QVERIFY(f.Board().SetUsbStickInserted(2, true));
    QVERIFY(look());
    QCOMPARE(labels("srcEntries"), (QStringList{"SD card", "USB stick 3"}));
    f.Settle();
    f.Grab("file-manager-stick-plugged-while-open.png");
    QVERIFY(Walk(f, "destination", {"USB stick 3"}));
    QVERIFY(WriteFile(f.Board().Root() + "/media/usb2/Glider.xml", "glider"));
    QVERIFY(f.Board().SetUsbStickInserted(2, false));
    QVERIFY(look());
    QCOMPARE(labels("dstEntries"), QStringList{"SD card"});
    QCOMPARE(f.Property("destinationPlace", "text").toString(), QString("To: Choose a storage"));
  }

  void bothBoards_data() { BoardRows(); }
  void bothBoards() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    QVERIFY(f.StartAtHome());
    const QString card = f.Board().Root() + "/Vorn";
    for (const char* name : {"Glider.xml", "Motor glider with a long name.xml", "Trainer.xml"})
      QVERIFY(WriteFile(card + "/Model/Plane/" + name, "model"));
    QVERIFY(f.Board().SetUsbStickInserted(0, true));
    QVERIFY(WriteFile(f.Board().Root() + "/media/usb0/Trainer.xml", "older"));
    QVERIFY(QDir().mkpath(f.Board().Root() + "/media/usb0/Backup"));
    f.Call("", "openScreen", {kFileManager, QVariant()});
    QVERIFY(f.WaitShown(kFileManager));
    f.Settle();
    f.Grab("file-manager-" + tag + "-storages.png");
    QVERIFY(Walk(f, "source", {"SD card", "Model", "Plane"}));
    QVERIFY(Touch(f, "source", "Glider.xml"));
    QVERIFY(Touch(f, "source", "Trainer.xml"));
    QVERIFY(Walk(f, "destination", {"USB stick 1"}));
    f.Settle();
    f.Grab("file-manager-" + tag + ".png");
    QVERIFY(Tap(f, "fileCopy"));
    QVERIFY(Question(f, "\"Trainer.xml\" exists already in the destination folder."));
    f.Settle();
    f.Grab("file-manager-" + tag + "-question.png");
    QVERIFY(f.TapInPopup("popupButton_1"));
    QVERIFY(QTest::qWaitFor(
        [&] { return f.Popup() && f.Property("fileManager", "running").toString().isEmpty(); }, kVornHangMs));
    f.Settle();
    f.Grab("file-manager-" + tag + "-result.png");
    QVERIFY(f.TapInPopup("popupButton_0"));
    QCOMPARE(ReadFile(f.Board().Root() + "/media/usb0/Trainer.xml"), QByteArray("older"));
    // The progress of a run as the manager reports it, held for a look.
    QObject* screen = f.Named("fileManager");
    screen->setProperty("progressName", "Motor glider with a long name.xml");
    screen->setProperty("progressIndex", 2);
    screen->setProperty("progressCount", 3);
    screen->setProperty("progressPercent", 40);
    screen->setProperty("running", "copy");
    f.Settle();
    f.Grab("file-manager-" + tag + "-progress.png");
    screen->setProperty("running", "");
    QCOMPARE(ReadFile(f.Board().Root() + "/media/usb0/Glider.xml"), QByteArray("model"));
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestFileManagerScreen test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_filemanager.moc"
