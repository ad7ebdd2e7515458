// The software information screen and the receiver-firmware selector as a
// user drives them, against the real update manager: the application
// update from a USB stick asked, installed and told; no stick and no WLAN
// network; a controller's firmware recovered from the update folder; the
// selector's list and its download without WLAN; a file of the selector
// written into a bound receiver; each screen on both boards
// (screenshots kept for a look).
#include <optional>

#include "qml_frame/qml_frame_fixture.h"
#include "sim/csimupdateserver.h"
#include "update/update_server_rig.h"
#include "vorn_fixture.h"
#include "vorn_fullmedium.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kSoftware = QStringLiteral("qrc:/Frontend/QML/SoftwareInfo.qml");
const QString kSelector = QStringLiteral("qrc:/Frontend/QML/FileSelector.qml");
const QString kBinding = QStringLiteral("qrc:/Frontend/QML/9_BindingMenu.qml");
constexpr unsigned kRuntimeStarted = 0x33901;
constexpr unsigned kRuntimeStopped = 0x33902;

bool WaitPopup(QmlFrame& f, const QString& text) {
  return QTest::qWaitFor([&] { return f.Popup() && f.PopupText() == text; }, kVornHangMs);
}
bool Locked(QmlFrame& f) { return f.Root()->property("smartKeyLock").toBool(); }
// The update manager's own log lines of a run, none else.
bool OnlyManagerLines(const QStringList& warnings) {
  for (const QString& w : warnings)
    if (!w.contains("begin update: ") && !w.contains("the file not found!") && !w.contains("Update not started!") &&
        !w.contains(" not begun: "))
      return false;
  return true;
}
}  // namespace

class TestSoftwareInfoScreen : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  void applicationFromStick_data() {
    QTest::addColumn<int>("variant");
    QTest::newRow("larger board") << int(CSimBoard::Vorn);
    QTest::newRow("smaller board") << int(CSimBoard::Fenk);
  }
  void applicationFromStick() {
    QFETCH(int, variant);
    const QString tag = variant == CSimBoard::Vorn ? "vorn" : "fenk";
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    f.Errors().Expect({0x33620, 0x33901, 0x33902});
    QVERIFY(f.StartAtHome());
    QVERIFY(PutAppUpdateOnStick(f, variant == CSimBoard::Vorn ? "Vorn" : "Fenk"));
    f.Call("", "openScreen", {kSoftware, QVariant()});
    QVERIFY(f.WaitShown(kSoftware));
    f.Settle();
    f.Grab("software-info-" + tag + ".png");

    QVERIFY(f.Tap("updateButton"));
    QVERIFY(WaitPopup(f, "The update is ready. Install it now?"));
    QVERIFY(Locked(f));
    f.Settle();
    f.Grab("software-info-" + tag + "-question.png");
    QVERIFY(f.TapInPopup("popupButton_0"));
    QVERIFY(WaitPopup(f, "The update is installed. Please switch the model off and restart the transmitter."));
    QCOMPARE(ReadFile(f.Board().Root() + "/app/KLX32LinuxApp"), QByteArray("the new program"));
    // The new program waits for the restart: the keys stay locked.
    QVERIFY(Locked(f));
    f.Settle();
    f.Grab("software-info-" + tag + "-installed.png");
    QVERIFY(f.TapInPopup("popupButton_0"));
    // The box answered, the screen still says why no key answers and what
    // to do.
    QTRY_VERIFY(f.Item("updateInstalledNote") && f.Item("updateInstalledNote")->isVisible());
    QCOMPARE(f.Property("updateInstalledText", "text").toString(),
             QString("The update is installed. Switch the transmitter off to finish it: until then the keys and the "
                     "status strip stay locked."));
    f.Key(KLX_DatabaseValues::EventHome);
    QCOMPARE(f.Shown(), kSoftware);
    QVERIFY(Locked(f));
    f.Settle();
    f.Grab("software-info-" + tag + "-locked.png");
    // The progress of a download from the server, held for a look.
    QObject* screen = f.Named("softwareInfo");
    screen->setProperty("installed", false);
    screen->setProperty("kind", "app");
    screen->setProperty("progressText", "Downloading ...");
    screen->setProperty("progressPercent", 42);
    f.Settle();
    f.Grab("software-info-" + tag + "-progress.png");
    screen->setProperty("kind", "");
    QVERIFY(OnlyManagerLines(m_Warnings.Take()));
  }

  // A model save the card cannot take while "Install it now?" waits for the
  // pilot: the question stays, its answer reaches the update, and the
  // failed save's message shows after it. The end of an aborted update does
  // not take that message away; the installed update's message waits for it.
  void aFailedSaveWaitsForTheInstallQuestion_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("installs");
    QTest::newRow("Ok") << "popupButton_0" << true;
    QTest::newRow("Abort") << "popupButton_1" << false;
  }
  void aFailedSaveWaitsForTheInstallQuestion() {
    QFETCH(QString, button);
    QFETCH(bool, installs);
    const QString question = "The update is ready. Install it now?";
    const QString notSaved =
        "Your changes to the model were not saved: the SD card is smaller than the 256 MiB the transmitter needs.";
    QmlFrame f(g_app);
    f.Errors().Expect({0x33620, kRuntimeStarted, kRuntimeStopped, 0x21519, 0x21503, 0x31307, 0x22819, 0x22806,
                       0x22809, 0x31308, 0x31309});
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(KLX_DatabaseValues::MODEL_TYP_Plane, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(true, AtomicDirSet);
    QVERIFY(PutAppUpdateOnStick(f));
    const QByteArray before = ReadFile(f.Board().Root() + "/app/KLX32LinuxApp");
    f.Call("", "openScreen", {kSoftware, QVariant()});
    QVERIFY(f.WaitShown(kSoftware));
    QVERIFY(f.Tap("updateButton"));
    QVERIFY(WaitPopup(f, question));

    // The saver keeps saving while the pilot reads the question.
    KLX_XMLFileSaver* saver = db.KLX_DatabaseManagerXMLFileSaverPtr();
    QObject receiver;
    bool failed = false;
    QObject::connect(saver, &KLX_XMLFileSaver::modelSaveFailed, &receiver, [&] { failed = true; },
                     Qt::QueuedConnection);
    QVERIFY(WriteFile(f.Board().Root() + "/run/sdcard-size", QByteArray::number(128 * 1024 * 1024)));
    db.KLX_DatabaseManagerGetSetFrontPlugMode(1, AtomicDirSet);
    saver->KLX_XMLFileSaverForceModelFileSave(false);
    QTRY_VERIFY(failed);
    QCOMPARE(f.PopupText(), question);
    if (installs) {
      f.Settle();
      f.Grab("software-info-question-before-a-failed-save.png");
    }
    QVERIFY(WriteFile(f.Board().Root() + "/run/sdcard-size", QByteArray::number(256 * 1024 * 1024)));
    QVERIFY(f.TapInPopup(button));
    QTRY_COMPARE(f.PopupText(), notSaved);
    if (installs) {
      f.Settle();
      f.Grab("software-info-failed-save-after-the-question.png");
    }
    QObject* screen = f.Named("softwareInfo");
    QTRY_COMPARE(screen->property("kind").toString(), QString());
    QCOMPARE(screen->property("installed").toBool(), installs);
    QCOMPARE(ReadFile(f.Board().Root() + "/app/KLX32LinuxApp"), installs ? QByteArray("the new program") : before);
    QCoreApplication::processEvents();
    QCOMPARE(f.PopupText(), notSaved);
    QCOMPARE(Locked(f), installs);
    QVERIFY(f.TapInPopup("popupButton_0"));
    if (installs)
      QTRY_COMPARE(f.PopupText(),
                   QString("The update is installed. Please switch the model off and restart the transmitter."));
    else
      QTRY_VERIFY(!f.Popup());
    m_Warnings.Take();
  }

  // A file on the stick that is longer than its list says: the message
  // names the stick (no server was asked), nothing is installed, the keys
  // are free.
  void stickFileNotAsListed() {
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    QVERIFY(PutAppUpdateOnStick(f));
    const QString stick = f.Board().Root() + "/media/usb0";
    QVERIFY(WriteFile(stick + "/KLX32LinuxApp", "the new program, and more"));
    const QByteArray installed = ReadFile(f.Board().Root() + "/app/KLX32LinuxApp");
    f.Call("", "openScreen", {kSoftware, QVariant()});
    QVERIFY(f.WaitShown(kSoftware));
    QVERIFY(f.Tap("updateButton"));
    QVERIFY(WaitPopup(f, "Update from the USB stick:\nA file of the update is missing or does not match its list. "
                         "Please copy the update to the USB stick again."));
    QVERIFY(!Locked(f));
    QCOMPARE(ReadFile(f.Board().Root() + "/app/KLX32LinuxApp"), installed);
    f.Settle();
    f.Grab("software-info-stick-file-not-as-listed.png");
    QVERIFY(f.TapInPopup("popupButton_0"));
    QVERIFY(!m_Warnings.Take().filter("KLX32LinuxApp is longer than expected").isEmpty());
  }

  // A card that cannot take the update is named as the pilot knows it,
  // never as an error inside; nothing is installed, nothing waits for the
  // next start and the keys are free. One sold as "256 MB" (256,000,000
  // bytes, under the 256 MiB the program needs) is refused at the touch,
  // for the application (touch) and the system update (long touch), with or
  // without a stick: no question is asked (without a stick, whether to ask
  // the server) and nothing is copied onto it. One that is full when the
  // pilot answers "Install it now?" is told so, under the stick, and so is
  // an application folder without room for the program.
  void aCardThatCannotTakeTheUpdateIsNamed_data() {
    QTest::addColumn<QString>("card");
    QTest::addColumn<bool>("stick");
    QTest::addColumn<bool>("system");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("shot");
    const QString small = "The SD card is smaller than the 256 MiB the transmitter needs.";
    QTest::newRow("too small, the application on a stick") << "too small" << true << false << small
                                                           << "software-info-card-too-small.png";
    QTest::newRow("too small, the application, no stick") << "too small" << false << false << small << "";
    QTest::newRow("too small, the system update, no stick") << "too small" << false << true << small << "";
    QTest::newRow("full at the install") << "full" << true << false
                                         << "Update from the USB stick:\nThere is not enough memory on the SD card."
                                         << "software-info-card-full.png";
    QTest::newRow("the application folder full at the install")
        << "folder full" << true << false
        << "Update from the USB stick:\nThere is not enough room for the program in the transmitter's memory."
        << "software-info-folder-full.png";
  }
  void aCardThatCannotTakeTheUpdateIsNamed() {
    QFETCH(QString, card);
    const bool tooSmall = card == "too small";
    QFETCH(bool, stick);
    QFETCH(bool, system);
    QFETCH(QString, told);
    QFETCH(QString, shot);
    // The program's copy into the application folder finds it full.
    std::optional<VornFullMedium> folder;
    if (card == "folder full") folder.emplace(0, ENOSPC, ".KLX32LinuxApp.new");
    QmlFrame f(g_app);
    // The screen saves what waits before it looks for the update: on a card
    // too small the program's own state file cannot be written, which is
    // not the pilot's to be told.
    f.Errors().Expect({0x23624, 0x33620, 0x33901, 0x33902, 0x22819, 0x31309, 0x23622, 0x22809, 0x42602, 0x23616});
    QVERIFY(f.StartAtHome());
    if (stick) QVERIFY(PutAppUpdateOnStick(f));
    const QByteArray installed = ReadFile(f.Board().Root() + "/app/KLX32LinuxApp");
    f.Call("", "openScreen", {kSoftware, QVariant()});
    QVERIFY(f.WaitShown(kSoftware));
    if (tooSmall) QVERIFY(WriteFile(f.Board().Root() + "/run/sdcard-size", "256000000"));
    if (system)
      QVERIFY(f.HoldUntil(f.Centre(f.Item("updateButton")), [&] { return f.Popup() != nullptr; }));
    else
      QVERIFY(f.Tap("updateButton"));
    if (!tooSmall) {
      QVERIFY(WaitPopup(f, "The update is ready. Install it now?"));
      if (card == "full") QVERIFY(SetRoomOnCard(f.Board().Root(), 0));
      QVERIFY(f.TapInPopup("popupButton_0"));
    }
    // The first box there is: a question would stay until it is answered.
    QVERIFY(WaitPopup(f, told));
    QVERIFY(!Locked(f));
    if (tooSmall) {
      QVERIFY(!QFileInfo::exists(f.Board().Root() + "/Vorn/tmp/upd_app"));
      QCOMPARE(QDir(f.Board().Root() + "/Vorn/Update").entryList(QDir::Files), QStringList());
    }
    QCOMPARE(ReadFile(f.Board().Root() + "/app/KLX32LinuxApp"), installed);
    QCOMPARE(f.Db().KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet), 0);
    f.Settle();
    if (!shot.isEmpty()) f.Grab(shot);
    QVERIFY(f.TapInPopup("popupButton_0"));
    QVERIFY(OnlyManagerLines(m_Warnings.Take()));
  }

  // A download from the update server that stalls after its first file
  // (the list): its progress and "Abort" stay on the screen all the while,
  // and the Abort ends it.
  void serverStallsAfterTheFirstFile() {
    QmlFrame f(g_app);
    UpdateServerRig server(f.Board().Root());
    QVERIFY(server.Start());
    // The system finds its board anew, with the server's address.
    Board::Free();
    QVERIFY(f.StartAtHome());
    CSimAppPackage package;
    package.program = QByteArray(64 * 1024, 'p');
    package.translations = {{"KLX32_de.qm", "de catalogue"}};
    QVERIFY(server.Put(package));
    const QString first = package.Files().at(0).path;
    server.SetFaults({"stall /software/KL_Vorn/" + first + " 0"});
    f.Call("", "openScreen", {kSoftware, QVariant()});
    QVERIFY(f.WaitShown(kSoftware));
    // The WLAN is up: the screen's next step is the download.
    QObject* screen = f.Named("softwareInfo");
    screen->setProperty("kind", "app");
    screen->setProperty("source", int(CUpdateManager::Src_KlServer));
    f.Call("softwareInfo", "serverDownload");
    QStringList asked;
    QVERIFY(QTest::qWaitFor([&] { return (asked += server.Asked()).contains(first + " 200 stall"); }, kVornHangMs));
    f.Settle();
    QVERIFY(f.Item("updateProgress")->isVisible());
    QVERIFY(f.Item("updateAbort")->isVisible());
    QCOMPARE(f.Property("updateProgressText", "text").toString(), QString("Downloading ... 0 %"));
    f.Grab("software-info-server-stalled.png");
    QVERIFY(f.Tap("updateAbort"));
    QTRY_VERIFY(!f.Item("updateProgress")->isVisible());
    QVERIFY(!Locked(f));
    // The manager's lines, and the aborted file's.
    m_Warnings.Take();
  }

  // Without a stick the server is offered; without a stored WLAN network it
  // cannot be reached, and the keys are free again. A stick pulled out
  // leaves its mount point's files behind: still no stick.
  void noStickNoWlan_data() {
    QTest::addColumn<QString>("leftBehind");
    QTest::newRow("empty mount point") << QString();
    QTest::newRow("a pulled stick's picture") << QString("plane.png");
  }
  void noStickNoWlan() {
    QFETCH(QString, leftBehind);
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    if (!leftBehind.isEmpty()) {
      QVERIFY(f.Board().SetUsbStickInserted(0, true));
      QVERIFY(WriteFile(f.Board().Root() + "/media/usb0/" + leftBehind, "png"));
      QVERIFY(f.Board().SetUsbStickInserted(0, false));
    }
    f.Call("", "openScreen", {kSoftware, QVariant()});
    QVERIFY(f.WaitShown(kSoftware));
    QVERIFY(f.Tap("updateButton"));
    QVERIFY(WaitPopup(f, "No application update was found on a USB stick. Download it from the update server?"));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QVERIFY(WaitPopup(f, "No WLAN network is set up. Please set one up in the WLAN settings first."));
    QVERIFY(!Locked(f));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QVERIFY(OnlyManagerLines(m_Warnings.Take()));
  }

  // "Recovery": the controller's file of the package in the update folder,
  // checked against the package's list, written by the firmware update
  // screen after the user's yes; a package of another version or without
  // the controller's firmware, a file that does not match, or no package at
  // all is told on the software screen at the touch, before any question,
  // and nothing starts; a write the controller refuses is told on the
  // firmware update screen, whose "Ok" leads back with the keys free.
  void controllerRecovery_data() {
    QTest::addColumn<int>("device");
    QTest::addColumn<bool>("package");
    QTest::addColumn<int>("minorOffset");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("named");  // "Update.xml" names the stick controller's file
    QTest::addColumn<QString>("told");
    const int tc = KLX_VornTask::KLX_UPDATE_RECOVER_TRANSCEIVER, sc = KLX_VornTask::KLX_UPDATE_RECOVER_STICK;
    QTest::newRow("transceiver") << tc << true << 0 << false << false << true << QString();
    QTest::newRow("stick controller") << sc << true << 0 << false << false << true << QString();
    QTest::newRow("Update.xml of another version")
        << tc << true << 1 << false << false << true
        << "The firmware recovery requires the same version of Update.xml as this application.";
    QTest::newRow("file not as listed") << sc << true << 0 << true << false << true
                                        << "The firmware file does not match its checksum.";
    QTest::newRow("a row refused") << tc << true << 0 << false << true << true << "The firmware recovery failed.";
    QTest::newRow("no file named for the controller")
        << sc << true << 0 << false << false << false
        << "The package in the update folder holds no firmware for the stick controller.";
    QTest::newRow("no package")
        << tc << false << 0 << false << false << true
        << "The update folder holds no package to write again: its Update.xml could not be read.";
  }
  void controllerRecovery() {
    QFETCH(int, device);
    QFETCH(bool, package);
    QFETCH(int, minorOffset);
    QFETCH(bool, damaged);
    QFETCH(bool, refused);
    QFETCH(bool, named);
    QFETCH(QString, told);
    QmlFrame f(g_app);
    // The read-outs stopped and started, the row given up.
    f.Errors().Expect({0x33901, 0x33902, 0x23606});
    if (refused) f.Controllers().UpdatePeers().Transceiver().RefuseRow(1, 6);
    QVERIFY(f.StartAtHome());
    unsigned char major = 0, minor = 0;
    f.Db().KLX_DataBaseManagerVornLinuxAppGetVersion(&major, &minor);
    if (package)
      QVERIFY(CSimUpdateServer::WriteFiles(
          f.Board().Root() + "/Vorn/Update",
          RecoveryPackage(major, minor + minorOffset, Board::m_Instance->SCName(), named, damaged)));

    f.Call("", "openScreen", {kSoftware, QVariant()});
    QVERIFY(f.WaitShown(kSoftware));
    const bool transceiver = device == KLX_VornTask::KLX_UPDATE_RECOVER_TRANSCEIVER;
    QVERIFY(f.Tap(transceiver ? "recoverTransceiver" : "recoverStick"));
    if (!told.isEmpty() && !refused) {
      QVERIFY(WaitPopup(f, told));
      QCOMPARE(f.Shown(), kSoftware);
      QVERIFY(!Locked(f));
      QCOMPARE(f.Controllers().State().transceiverMinor, 0);
      QCOMPARE(f.Controllers().State().stickMinor, 0);
      return;
    }
    QVERIFY(WaitPopup(f, QStringLiteral("The firmware of this software is written into the %1 again. Go on?")
                             .arg(transceiver ? "transceiver" : "stick controller")));
    QVERIFY(f.TapInPopup("popupButton_0"));
    if (refused) {
      QVERIFY(f.WaitShown(kUpdate));
      QTRY_COMPARE_WITH_TIMEOUT(f.Property("updateHeading", "text").toString(), told, 60000);
      f.Settle();
      f.Grab("recovery-failed.png");
      QVERIFY(f.Tap("updateTakenNote"));
      QVERIFY(f.WaitShown(kSoftware));
      QTRY_VERIFY(!Locked(f));
      QVERIFY(f.Property("upperFrame", "visible").toBool());
      return;
    }
    QVERIFY(f.WaitShown(kUpdate));
    QTRY_COMPARE_WITH_TIMEOUT(f.Property("firmwareUpdate", "phase").toString(), QString("done"), 60000);
    QCOMPARE(transceiver ? f.Controllers().State().transceiverMinor : f.Controllers().State().stickMinor,
             transceiver ? 7 : 9);
    QCOMPARE(transceiver ? f.Controllers().State().stickMinor : f.Controllers().State().transceiverMinor, 0);
    QCOMPARE(f.Property("updateHeading", "text").toString(), QString("The firmware recovery is finished."));
    QVERIFY(Locked(f));
    f.Settle();
    f.Grab(QStringLiteral("recovery-%1.png").arg(transceiver ? "transceiver" : "stick"));
  }

  void receiverSelector_data() { applicationFromStick_data(); }
  void receiverSelector() {
    QFETCH(int, variant);
    const QString tag = variant == CSimBoard::Vorn ? "vorn" : "fenk";
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    QVERIFY(f.StartAtHome());
    const QString folder = f.Board().Root() + "/Vorn/Update/Receiver/";
    QVERIFY(WriteFile(folder + "RX8_v2.bin", "v2"));
    QVERIFY(WriteFile(folder + "RX4_v1.bin", "v1"));
    f.Call("", "openScreen", {kSelector, QVariant()});
    QVERIFY(f.WaitShown(kSelector));
    QCOMPARE(f.Property("fileSelector", "files").toStringList(), QStringList({"RX4_v1.bin", "RX8_v2.bin"}));
    QVERIFY(f.Tap("firmware_RX8_v2.bin"));
    QCOMPARE(f.Property("fileSelector", "selectedFile").toString(), QString("RX8_v2.bin"));
    f.Settle();
    f.Grab("file-selector-" + tag + ".png");
    QVERIFY(f.Tap("receiversDownload"));
    QVERIFY(WaitPopup(f, "No WLAN network is set up. Please set one up in the WLAN settings first."));
    QVERIFY(f.TapInPopup("popupButton_0"));
    QObject* screen = f.Named("fileSelector");
    screen->setProperty("progressText", "RX8_v3.bin");
    screen->setProperty("progressPercent", 64);
    screen->setProperty("downloading", true);
    f.Settle();
    f.Grab("file-selector-" + tag + "-progress.png");
    screen->setProperty("downloading", false);
  }

  // Receiver 1 bound in the binding menu runs 2.4; its "Receiver firmware"
  // writes the chosen file (2.5) into it through the transceiver: the file
  // is checked, then written with its progress; the simulated receiver
  // runs 2.5 and the selector, the model and the binding menu say so.
  void receiverFirmwareWritten() {
    QmlFrame f(g_app);
    // The write stops the runtime read-outs and starts them again.
    f.Errors().Expect({kRuntimeStarted, kRuntimeStopped});
    QVERIFY(f.StartAtHome());
    QVERIFY(CSimFirmware::Write(f.Board().Root() + "/Vorn/Update/Receiver/RX8_2_5.bin",
                                CSimFirmwareSpec::ForReceiver(2, 5)));
    f.Call("", "openScreen", {kBinding, QVariant()});
    QVERIFY(f.WaitShown(kBinding));
    QVERIFY(f.Tap("receiverBind_0"));
    QTRY_VERIFY(f.Item("receiverDelete_0"));
    QVERIFY(f.Tap("receiverFirmware"));
    QVERIFY(f.WaitShown(kSelector));
    QCOMPARE(f.Property("updateReceiver_0", "gp_text").toString(), QString("Receiver 1  2.4"));
    QCOMPARE(f.Property("updateReceiver_1", "visible").toBool(), false);
    QVERIFY(f.Tap("firmware_RX8_2_5.bin"));
    QCOMPARE(f.Property("receiverUpdate", "state").toString(), QString("disabled"));
    QVERIFY(f.Tap("updateReceiver_0"));
    f.Settle();
    f.Grab("file-selector-receiver.png");
    QVERIFY(f.Tap("receiverUpdate"));
    QVERIFY(WaitPopup(f, "Write RX8_2_5.bin into receiver 1?"));
    // The write's course as it is recorded, not as a look may catch it (it
    // may be over before one comes): the progress box shown with the keys
    // locked, and gone again; the receiver's rows written and its restart.
    QQuickItem* box = f.Item("receiverUpdateProgress");
    QVERIFY(box && !box->isVisible());
    int shown = 0;
    int shownLocked = 0;
    QObject watch;
    QObject::connect(box, &QQuickItem::visibleChanged, &watch, [&] {
      if (!box->isVisible()) return;
      ++shown;
      shownLocked += Locked(f) ? 1 : 0;
      // A picture of it, if it is still there when the events come round.
      QMetaObject::invokeMethod(&watch, [&] { if (box->isVisible()) f.Grab("file-selector-receiver-update.png"); },
                                Qt::QueuedConnection);
    });
    QVERIFY(f.TapInPopup("popupButton_0"));
    QVERIFY(WaitPopup(f, "Receiver 1 runs firmware 2.5."));
    QVERIFY(!box->isVisible());
    QVERIFY(shown >= 1);
    QCOMPARE(shownLocked, shown);
    const CSimModem::Counters written = f.Controllers().UpdatePeers().Modem().Seen();
    QCOMPARE(written.rowsWritten, 32);
    QCOMPARE(written.restarts, 1);
    QCOMPARE(f.Controllers().UpdatePeers().Modem().ReceiverVersion(), 2 * 256 + 5);
    QCOMPARE(f.Db().KLX_DataBaseManagerGetReceiverVersion(0).toString(), QString("2.5"));
    QCOMPARE(f.Property("updateReceiver_0", "gp_text").toString(), QString("Receiver 1  2.5"));
    QVERIFY(!Locked(f));
    QVERIFY(f.TapInPopup("popupButton_0"));
    f.Key(KLX_DatabaseValues::EventLeft);
    QVERIFY(f.WaitShown(kBinding));
    QVERIFY(f.Property("receiverText_0", "text").toString().endsWith("  2.5"));
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestSoftwareInfoScreen test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_softwareinfo.moc"
