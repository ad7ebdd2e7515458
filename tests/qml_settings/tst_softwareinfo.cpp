// The software information screen and the receiver-firmware selector as a
// user drives them, against the real update manager: the application
// update from a USB stick asked, installed and told; no stick and no WLAN
// network; the selector's list and its download without WLAN; each screen
// on both boards (screenshots kept for a look).
#include "qml_frame/qml_frame_fixture.h"
#include "sim/csimupdateserver.h"
#include "vorn_fixture.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kSoftware = QStringLiteral("qrc:/Frontend/QML/SoftwareInfo.qml");
const QString kSelector = QStringLiteral("qrc:/Frontend/QML/FileSelector.qml");

bool WaitPopup(QmlFrame& f, const QString& text) {
  return QTest::qWaitFor([&] { return f.Popup() && f.PopupText() == text; }, 15000);
}
bool Locked(QmlFrame& f) { return f.Root()->property("smartKeyLock").toBool(); }
// The update manager's own log lines of a run, none else.
bool OnlyManagerLines(const QStringList& warnings) {
  for (const QString& w : warnings)
    if (!w.contains("begin update: ") && !w.contains("the file not found!") && !w.contains("Update not started!"))
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
    CSimAppPackage package;
    package.board = variant == CSimBoard::Vorn ? "Vorn" : "Fenk";
    package.program = "the new program";
    QVERIFY(f.Board().SetUsbStickInserted(0, true));
    QVERIFY(CSimUpdateServer::WriteFiles(f.Board().Root() + "/media/usb0", package.ServerFiles()));
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
    // The progress of a download from the server, held for a look.
    QObject* screen = f.Named("softwareInfo");
    screen->setProperty("kind", "app");
    screen->setProperty("progressText", "Downloading ...");
    screen->setProperty("progressPercent", 42);
    f.Settle();
    f.Grab("software-info-" + tag + "-progress.png");
    screen->setProperty("kind", "");
    QVERIFY(OnlyManagerLines(m_Warnings.Take()));
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
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestSoftwareInfoScreen test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_softwareinfo.moc"
