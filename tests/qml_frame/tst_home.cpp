// The home screen: its pages turned by the keys and swipes, edit mode and
// its page buttons, the start-up overlays and the rescan messages.
#include "qml_frame/qml_frame_fixture.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;

// A ready model with the given telemetry pages in use, then the home screen.
bool StartWithPages(QmlFrame& f, int pages, int lastTelePage = 0) {
  if (!f.Start()) return false;
  for (int page = 0; page < pages; ++page)
    f.Db().KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(page, KLX_True, AtomicDirSet);
  f.Db().KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
  f.Root()->setProperty("lastTelePage", lastTelePage);
  f.Db().KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_NORMAL, AtomicDirSet);
  if (!f.WaitShown(kHome)) return false;
  return QTest::qWaitFor([&] { return f.Property("home", "swipeLock") == false; }, kVornHangMs);
}
QString PageText(QmlFrame& f) { return f.Property("pageLabel", "text").toString(); }
}  // namespace

class TestHome : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  // The forward key and a swipe to the left go on, from the last page to the
  // first; back and a swipe to the right go back, from the first to the last.
  // The history never moves on the home screen.
  void pagesTurnAround() {
    QmlFrame f(g_app);
    QVERIFY(StartWithPages(f, 3));
    QCOMPARE(PageText(f), QString("Page  1/3"));
    f.Key(KLX_DatabaseValues::EventRight);
    QCOMPARE(PageText(f), QString("Page  2/3"));
    f.Swipe(QPoint(300, 150), QPoint(200, 150));
    QCOMPARE(PageText(f), QString("Page  3/3"));
    f.Key(KLX_DatabaseValues::EventRight);
    QCOMPARE(PageText(f), QString("Page  1/3"));
    f.Key(KLX_DatabaseValues::EventLeft);
    QCOMPARE(PageText(f), QString("Page  3/3"));
    f.Swipe(QPoint(200, 150), QPoint(300, 150));
    QCOMPARE(PageText(f), QString("Page  2/3"));
    QCOMPARE(f.Property("rootwindow", "lastTelePage").toInt(), 1);
    QCOMPARE(f.History(), (QStringList{"", kHome}));
    // The screenshot combination turns the page as well.
    f.Key(KLX_DatabaseValues::EventRight, KLX_DatabaseValues::EventLock);
    QCOMPARE(PageText(f), QString("Page  3/3"));
  }

  void lastPageKeptAcrossVisits_data() {
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("lastTelePage");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one page, the key leaves it") << 1 << 0 << "Page  1/1";
    QTest::newRow("the second of three") << 3 << 1 << "Page  2/3";
    QTest::newRow("beyond the list after a deletion") << 2 << 5 << "Page  2/2";
  }
  void lastPageKeptAcrossVisits() {
    QFETCH(int, pages);
    QFETCH(int, lastTelePage);
    QFETCH(QString, shown);
    QmlFrame f(g_app);
    QVERIFY(StartWithPages(f, pages, lastTelePage));
    QCOMPARE(PageText(f), shown);
    if (pages == 1) {
      f.Key(KLX_DatabaseValues::EventRight);
      f.Key(KLX_DatabaseValues::EventLeft);
      QCOMPARE(PageText(f), shown);
    }
  }

  void editMode_data() {
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("lastTelePage");
    QTest::addColumn<bool>("add");
    QTest::addColumn<bool>("remove");
    QTest::newRow("single page") << 1 << 0 << true << false;
    QTest::newRow("last of three") << 3 << 2 << true << true;
    QTest::newRow("middle page") << 3 << 1 << false << false;
  }
  void editMode() {
    QFETCH(int, pages);
    QFETCH(int, lastTelePage);
    QFETCH(bool, add);
    QFETCH(bool, remove);
    QmlFrame f(g_app);
    QVERIFY(StartWithPages(f, pages, lastTelePage));
    QCOMPARE(f.Property("trimA", "visible").toBool(), true);
    f.Hold(QPoint(240, 140), 1000);
    QTRY_COMPARE(f.Property("home", "editMode").toBool(), true);
    QCOMPARE(f.Property("cell_0", "visible").toBool(), true);
    QCOMPARE(f.Property("trimA", "visible").toBool(), false);
    QCOMPARE(f.Property("addPage", "visible").toBool(), add);
    QCOMPARE(f.Property("deletePage", "visible").toBool(), remove);
    if (remove) f.Grab("home-edit-mode.png");
    // The home key ends edit mode and changes nothing else.
    f.Key(KLX_DatabaseValues::EventHome);
    QCOMPARE(f.Property("home", "editMode").toBool(), false);
    QCOMPARE(f.Property("cell_0", "visible").toBool(), false);
    QCOMPARE(f.History(), (QStringList{"", kHome}));
  }

  // Adding a page writes the page after the last one; deleting removes the
  // shown (last) one and shows the page before it.
  void pagesAddedAndDeleted() {
    QmlFrame f(g_app);
    QVERIFY(StartWithPages(f, 1));
    f.Db().KLX_DataBaseManagerSetModelModifyFlag(false);
    f.Hold(QPoint(240, 140), 1000);
    QTRY_COMPARE(f.Property("addPage", "visible").toBool(), true);
    QVERIFY(f.Tap("addPage"));
    QTRY_COMPARE(PageText(f), QString("Page  1/2"));
    QCOMPARE(f.Db().KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(1, 0, AtomicDirGet), int(KLX_True));
    QVERIFY(f.Db().KLX_DataBaseManagerGetModelModifyFlag());
    f.Key(KLX_DatabaseValues::EventLeft);
    QCOMPARE(PageText(f), QString("Page  2/2"));
    f.Hold(QPoint(240, 140), 1000);
    QTRY_COMPARE(f.Property("deletePage", "visible").toBool(), true);
    QVERIFY(f.Tap("deletePage"));
    QTRY_COMPARE(PageText(f), QString("Page  1/1"));
    QCOMPARE(f.Db().KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(1, 0, AtomicDirGet), int(KLX_False));
    QCOMPARE(f.History(), (QStringList{"", kHome}));
  }

  // The start-up phases: the loading box with the task's progress, the
  // preflight check with the strip hidden, and the system up.
  void startUpOverlays() {
    QmlFrame f(g_app);
    KLX_DataBaseManager& db = f.Db();
    QVERIFY(f.Start());
    db.KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_LOAD_MODEL, AtomicDirSet);
    f.System().RuntimeDatabase().KLX_RuntimeDatabaseManagerGetSetOverallPercent(40, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_NORMAL, AtomicDirSet);
    QVERIFY(f.WaitShown(kHome));
    // A full circle first, then the progress read a second later.
    QTRY_COMPARE(f.Property("loadingBox", "visible").toBool(), true);
    QCOMPARE(f.Property("loadingSpinner", "value").toInt(), -1);
    QTRY_COMPARE(f.Property("loadingSpinner", "value").toInt(), 40);
    f.Grab("home-model-loading.png");

    db.KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_MODEL_PREFL, AtomicDirSet);
    QTRY_COMPARE(f.Property("preflight", "visible").toBool(), true);
    QCOMPARE(f.Property("loadingBox", "visible").toBool(), false);
    QCOMPARE(f.Property("upperFrame", "visible").toBool(), false);
    QTRY_COMPARE(f.Property("preflightReport", "text").toString(), QString("Starting radio..."));
    f.Grab("home-preflight.png");

    db.KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_SYSTEM_UP, AtomicDirSet);
    QTRY_COMPARE(f.Property("preflight", "visible").toBool(), false);
    QCOMPARE(f.Property("upperFrame", "visible").toBool(), true);
    QCOMPARE(f.Property("modelLabel", "text").toString(), QString("Model:   - File not found or corrupted!"));
  }

  // The current model's file failed to load at start-up: the model keeps its
  // name, and the home screen names the file.
  void aFileThatFailedToLoadIsNamed_data() {
    QTest::addColumn<int>("variant");
    QTest::newRow("Vorn") << int(CSimBoard::Vorn);
    QTest::newRow("Fenk") << int(CSimBoard::Fenk);
  }
  void aFileThatFailedToLoadIsNamed() {
    QFETCH(int, variant);
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    KLX_DataBaseManager& db = f.Db();
    QVERIFY(f.Start());
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet, false);
    db.KLX_DataBaseManagerVornPropertiesSetFailedFile("/Vorn/Model/Plane/Glider.xml");
    db.KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_LOAD_MODEL, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_NORMAL, AtomicDirSet);
    QVERIFY(f.WaitShown(kHome));
    db.KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_SYSTEM_UP, AtomicDirSet);
    QTRY_COMPARE(f.Property("failedFile", "visible").toBool(), true);
    QCOMPARE(f.Property("failedFile", "text").toString(), QString("Not loaded:\n/Vorn/Model/Plane/Glider.xml"));
    QTRY_COMPARE(f.Property("modelLabel", "text").toString(), QString("Model:  Glider - File not found or corrupted!"));
    f.Settle();
    f.Grab(variant == CSimBoard::Vorn ? "home-model-not-loaded.png" : "home-model-not-loaded-fenk.png");
  }

  // Rescan messages share one box, each restarting its 3000 ms. Behind a
  // question they wait in that one box, and show once it is answered. The
  // box goes with the home screen.
  void rescanMessages_data() {
    QTest::addColumn<bool>("question");
    QTest::addColumn<bool>("leave");
    QTest::newRow("alone") << false << false;
    QTest::newRow("behind a question") << true << false;
    QTest::newRow("the home screen left") << false << true;
  }
  void rescanMessages() {
    QFETCH(bool, question);
    QFETCH(bool, leave);
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    const QString asked = "Do you really want to clear Max/Min values and all alerts for all widgets?";
    if (question) {
      QVERIFY(f.OpenStrip());
      QVERIFY(f.Tap("stripMinMaxReset"));
      QTRY_COMPARE(f.PopupText(), asked);
    }
    emit f.Db().autoRescanStarted(2);
    QCOMPARE(f.PopupText(), question ? asked : QString("Sensors auto rescan...\n Attempt #2"));
    QObject* box = f.Popup();
    emit f.Db().teleRescanDone(0, false);
    if (question) {
      QCOMPARE(f.PopupText(), asked);
      QVERIFY(f.TapInPopup("popupButton_1"));
    }
    QTRY_COMPARE(f.PopupText(), QString("0 sensors found.\n\nPlease perform new rescan manually!"));
    if (leave) {
      f.Call("", "openScreen", {kMainMenu, QVariant()});
      QVERIFY(!f.Popup());
      return;
    }
    if (!question) {
      QCOMPARE(f.Popup(), box);
      f.Grab("home-rescan.png");
    }
    QTRY_VERIFY(!f.Popup());
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestHome test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_home.moc"
