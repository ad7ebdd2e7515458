// Start-up in the program's own process: the nine bring-up steps, the QML
// context objects, the synchronisation request and message 246.
#include <QtTest>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QtQml>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_xmlfilesaver.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_languagehandler.h"
#include "frame/klx_system.h"
#include "frame/qguitouchhandlerapplication.h"
#include "link/klx_messageids.h"
#include "sim/csimbluez.h"
#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"
#include "tasks/klx_vorntask.h"
#include "vorn_fixture.h"
#include "vorn_testroot.h"

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
constexpr unsigned kStartupFailed = 0x11601;
constexpr unsigned kStartingVersion = 0x41606;
constexpr unsigned kNoCard = 0x31603;
constexpr unsigned kCardTooSmall = 0x31608;
constexpr unsigned kGpioCannotOpen = 0x11901;
constexpr unsigned kPowerPinLow = 0x11909;
constexpr unsigned kNoTimezones = 0x22814;
constexpr unsigned kStateFileSkipped = 0x228A5;
// A fresh card has no current model: the start-up load finds no file to read.

struct Started {
  VornTestRoot root;
  CSimBoard board;
  std::unique_ptr<CSimControllers> controllers;
  VornErrorWatch errors;
  QQmlApplicationEngine engine;
  int result = 0;

  // The button thread waits on it: no sample is taken unless a case steps it.
  KLX_ManualClock clock;
  // The battery thread's, never stepped: it sends no brightness here.
  KLX_ManualClock batteryClock;
  KLX_System system;

  Started(CSimBoard::Variant variant, qint64 cardBytes = 8LL << 30, bool gpio = true) : board(root.Path(), variant) {
    Board::Free();
    board.Prepare(cardBytes);
    if (!gpio) QDir(root.Path() + "/sys/class/gpio").removeRecursively();
    system.OnOffHandler().KLX_OnOffHandlerSetClock(&clock);
    system.BatteryHandler().KLX_BatteryHandlerSetClock(&batteryClock);
    // This board has no time-zone list, so the settings files of a fresh card
    // are not read; the program's own runs check a quiet first start.
    errors.Expect({kNoTimezones, kStateFileSkipped});
    // The controllers listen before the program opens its bus.
    controllers.reset(new CSimControllers(root.Path()));
    controllers->SetStreaming(false);
    controllers->Serve(root.Path() + "/run/can0");
  }
  int Start() { return result = system.KLX_SystemStart(&engine, g_app); }
  ~Started() {
    system.KLX_SystemBringDownOnOffHandler();
    system.KLX_SystemStop(1);
    system.KLX_SystemFree();
  }
  // What reached the controllers before a marker sent now, which no
  // controller answers (an empty radio-test bandwidth): the sender keeps the
  // order, so all sent before it has arrived with it. None when it did not
  // come.
  QList<CSimMessage> Sent() {
    const int before = controllers->Received(KLX_MSG_RADIO_TEST_BANDWIDTH);
    if (system.Protocol().KLX_ProtocolSendMessage(0, nullptr, KLX_MSG_RADIO_TEST_BANDWIDTH, KLX_NODE_APPLICATION) !=
            KLX_Ok ||
        !QTest::qWaitFor([&] { return controllers->Received(KLX_MSG_RADIO_TEST_BANDWIDTH) > before; }, 10000))
      return {};
    QList<CSimMessage> sent;
    for (const CSimMessage& m : controllers->ReceivedMessages())
      if (m.id != KLX_MSG_RADIO_TEST_BANDWIDTH) sent << m;
    return sent;
  }
};
}  // namespace

class TestStartup : public QObject {
  Q_OBJECT

 private slots:
  // The private bus first: Qt D-Bus keeps the system bus it finds first.
  void initTestCase() { QVERIFY(!CSimBluez::BusAddress().isEmpty()); }
  void startsOnEitherBoard_data() {
    QTest::addColumn<int>("variant");
    QTest::newRow("larger board") << int(CSimBoard::Vorn);
    QTest::newRow("smaller board") << int(CSimBoard::Fenk);
  }
  void startsOnEitherBoard() {
    QFETCH(int, variant);
    const bool vorn = variant == CSimBoard::Vorn;
    Started s(static_cast<CSimBoard::Variant>(variant));
    QCOMPARE(s.Start(), KLX_Ok);
    QCOMPARE(Board::m_Instance->IsVorn(), vorn);
    QCOMPARE(KLX_DataBaseManager::m_MySelf, &s.system.Database());

    // The context objects, each the object that owns it.
    QQmlContext* ctx = s.engine.rootContext();
    const QList<QPair<const char*, QObject*>> objects = {
        {"TouchHandler", g_app},
        {"Database", &s.system.Database()},
        {"RuntimeDatabase", &s.system.RuntimeDatabase()},
        {"Language", &KLXlanguageHandler},
        {"VornTasks", &s.system.VornHandler()},
        {"Command", &s.system.GuiCommandHandler()},
        {"ErrorHndlr", &KLXErrorHandler},
        {"Battery", &s.system.BatteryHandler()},
        {"TTSList", s.system.Database().KLX_TTSListPtr()},
        {"Headup", s.system.Database().KLX_HeadupPtr()},
        {"TimersAlarms", s.system.RuntimeDatabase().KLX_RuntimeDatabaseManagerGetRuntimeCalcPtr()},
        {"BTConnection", s.system.Database().KLX_DatabaseManagerBTConnPointer()},
        {"AudioHandler", s.system.Database().KLX_DatabaseManagerAudioHandlerPointer()},
        {"WlanConnection", s.system.Database().KLX_DatabaseManagerWlanConnPointer()},
        {"TeacherPupil", s.system.Database().KLX_DatabaseManagerTutorPupilPointer()},
        {"XMLFileSaver", s.system.Database().KLX_DatabaseManagerXMLFileSaverPtr()},
        {"System", &s.system},
    };
    for (const auto& o : objects) {
      QVERIFY2(o.second, o.first);
      QCOMPARE(ctx->contextProperty(o.first).value<QObject*>(), o.second);
    }
    QVERIFY(ctx->contextProperty("VornKeyboard").value<QObject*>());
    QVERIFY(ctx->contextProperty("UpdateManager").value<QObject*>());
    for (const char* flag : {"DEBUG_MODE_QML", "QML_LOGGING", "QML_TIME_ELAPSE", "QML_FASTSTART"}) {
      QVERIFY(ctx->contextProperty(flag).isValid());
      QCOMPARE(ctx->contextProperty(flag).toBool(), false);
    }
    QVERIFY(qmlTypeId("DBValues", 1, 0, "DatabaseValue") >= 0);
    QVERIFY(qmlTypeId("GuiData", 1, 0, "GuiCmdData") >= 0);
    QVERIFY(qmlTypeId("UpdateManager", 1, 0, "CUpdateManager") >= 0);
    QVERIFY(qmlTypeId("FileManagerBackend", 1, 0, "FileManager") >= 0);

    // The synchronisation with the controllers runs and the start-up chain
    // reaches its end; message 246 with one zero byte follows the start-up.
    QTRY_COMPARE_WITH_TIMEOUT(s.system.Database().KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet),
                              int(KLX_VornTask::KLX_PHASE_SYSTEM_UP), 5000);
    for (int request : {SimRequestTransceiverSync, SimRequestStickSync, SimRequestDirections})
      QCOMPARE(s.controllers->Received(request), 1);
    QList<CSimMessage> done;
    for (const CSimMessage& m : s.Sent())
      if (m.id == SimRadioTestGain) done << m;
    QCOMPARE(done.size(), 1);
    QCOMPARE(done[0].node, 3);
    QCOMPARE(done[0].data, QByteArray(1, '\0'));

    QVERIFY(s.system.Protocol().KLX_ProtocolIsProcessing());
    QVERIFY(s.system.VornHandler().KLX_VornHandlerIsProcessing());
    QVERIFY(s.system.GuiCommandHandler().KLX_GuiCommandHandlerIsProcessing());
    QVERIFY(s.system.BatteryHandler().KLX_BaseClassThreadIsProcessing());
    QVERIFY(g_app->QGuiTouchHandlerApplicationTimersStarted());
    // The GPS receiver is on the larger board only.
    QCOMPARE(s.system.GPSHandler().KLX_GPSHandlerIsInitialized(), vorn);
    QVERIFY(s.errors.Reports().contains(qMakePair(kStartingVersion, QString("starting version 3.90"))));
    QVERIFY(!s.errors.Has(kNoCard));
  }

  void bluetoothOnlyOnTheLargerBoard() {
    for (auto variant : {CSimBoard::Vorn, CSimBoard::Fenk}) {
      // The scripted BlueZ on the process's private bus (started before any
      // facade of this program looked for its system bus).
      CSimBluez bluez;
      QVERIFY(bluez.Ok());
      Started s(variant);
      // Bluetooth was on at the last switch-off; the card's settings say so.
      QFile settings(s.root.Path() + "/Vorn/System/System.xml");
      QVERIFY(settings.open(QIODevice::WriteOnly));
      settings.write("<systemfile version=\"1.0\"><SYSTEM><BTPowerStatus>1</BTPowerStatus></SYSTEM></systemfile>");
      settings.close();
      QCOMPARE(s.Start(), KLX_Ok);
      QCOMPARE(bluez.Powered(), variant == CSimBoard::Vorn);
    }
  }

  void powerLowAtStartStartsNothing() {
    Started s(CSimBoard::Vorn);
    s.errors.Expect(kPowerPinLow);
    s.board.SetPowerButtonPressed(true);
    QCOMPARE(s.Start(), KLX_Error);
    QVERIFY(s.errors.Reports().contains(qMakePair(kPowerPinLow, QString("Power pin is LOW!"))));
    // Everything is initialised and the timers run, but nothing is started.
    QVERIFY(s.system.Database().KLX_DataBaseManagerIsInitialized());
    QVERIFY(g_app->QGuiTouchHandlerApplicationTimersStarted());
    QVERIFY(!s.system.Protocol().KLX_ProtocolIsProcessing());
    QVERIFY(!s.system.VornHandler().KLX_VornHandlerIsProcessing());
    Task_Data_T task;
    QVERIFY(!s.system.VornHandler().KLX_VornHandlerTakeTask(&task));
    QCOMPARE(s.system.Database().KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet), 0);
    // Message 246 follows the start-up either way.
    const QList<CSimMessage> sent = s.Sent();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.last().id, 246);
    QVERIFY(!s.errors.Has(kNoCard));
  }

  void failedBringUpStopsTheChain() {
    // Without the GPIO lines the power-button step fails: the database step
    // after it is never run and message 246 is not sent.
    Started s(CSimBoard::Vorn, 8LL << 30, false);
    s.errors.Expect({kStartupFailed, kGpioCannotOpen});
    QCOMPARE(s.Start(), KLX_Error);
    QVERIFY(s.errors.Reports().contains(qMakePair(kStartupFailed, QString("startup gone wrong"))));
    QVERIFY(!s.system.Database().KLX_DataBaseManagerIsInitialized());
    QVERIFY(!s.system.GPSHandler().KLX_GPSHandlerIsInitialized());
    // The message layer never came up: nothing reached the controllers and
    // nothing is on its way (no waiting for what cannot come).
    QVERIFY(!s.system.Protocol().KLX_ProtocolIsProcessing());
    QVERIFY(!s.system.Protocol().KLX_ProtocolCheckForFurtherMessageToSend());
    QVERIFY(s.controllers->ReceivedMessages().isEmpty());
    QVERIFY(!s.errors.Has(kStartingVersion));
  }

  void missingCardIsAWarningAndSignalled() {
    Started s(CSimBoard::Vorn, 0);
    s.errors.Expect(kNoCard);
    // Emitted by the button thread, counted in this one.
    int noCard = 0;
    QObject counter;
    connect(&s.system, &KLX_System::noSDcardDetected, &counter, [&noCard] { ++noCard; }, Qt::QueuedConnection);
    QCOMPARE(s.Start(), KLX_Ok);
    QVERIFY(s.errors.Reports().contains(qMakePair(kNoCard, QString("no SD card inserted"))));
    QVERIFY(!s.system.KLX_SystemSDCardTooSmall());
    // Each round of the button thread: the first after 3002 ms, then every 1002 ms.
    QVERIFY(s.clock.KLX_ManualClockRun(KLX_OnOffHandler::kFirstSampleMs + 2 * KLX_OnOffHandler::kIdleSampleMs));
    QCoreApplication::processEvents();
    QCOMPARE(noCard, 3);
  }

  // A card under 256 MiB counts as none (one sold as "256 MB" holds
  // 256,000,000 bytes), but is reported as there and too small.
  void smallOrForeignCardCountsAsMissing_data() {
    QTest::addColumn<qint64>("cardBytes");
    QTest::newRow("100 MiB") << qint64(100LL * 1024 * 1024);
    QTest::newRow("sold as 256 MB") << qint64(256000000);
  }
  void smallOrForeignCardCountsAsMissing() {
    QFETCH(qint64, cardBytes);
    Started s(CSimBoard::Vorn, cardBytes);
    s.errors.Expect(kCardTooSmall);
    int noCard = 0;
    QObject counter;
    connect(&s.system, &KLX_System::noSDcardDetected, &counter, [&noCard] { ++noCard; }, Qt::QueuedConnection);
    QCOMPARE(s.Start(), KLX_Ok);
    QVERIFY(s.errors.Reports().contains(qMakePair(kCardTooSmall, QString("SD card smaller than 256 MiB"))));
    QVERIFY(!s.errors.Has(kNoCard));
    QVERIFY(s.system.KLX_SystemSDCardTooSmall());
    QVERIFY(s.clock.KLX_ManualClockRun(KLX_OnOffHandler::kFirstSampleMs));
    QCoreApplication::processEvents();
    QCOMPARE(noCard, 1);
  }

  // The card named too small at the start is not named again for the
  // program's own state, which it writes after every start: the pilot is
  // told only of a change he made that the card could not take, a setting
  // or the model he chose. The same on a card that is full.
  void onlyThePilotsChangesAreTold_data() {
    QTest::addColumn<qint64>("cardBytes");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QList<int>>("told");
    const qint64 small = 256000000;
    const int tooSmall = KLX_DatabaseValues::ModelSaveFailure_CardTooSmall;
    const int full = KLX_DatabaseValues::ModelSaveFailure_CardFull;
    QTest::newRow("too small, nothing changed") << small << QString() << QList<int>();
    QTest::newRow("too small, a setting changed") << small << "setting" << QList<int>{tooSmall};
    QTest::newRow("too small, another model") << small << "model" << QList<int>{tooSmall};
    QTest::newRow("full, nothing changed") << qint64(0) << QString() << QList<int>();
    QTest::newRow("full, another model") << qint64(0) << "model" << QList<int>{full};
  }
  void onlyThePilotsChangesAreTold() {
    QFETCH(qint64, cardBytes);
    QFETCH(QString, change);
    QFETCH(QList<int>, told);
    Started s(CSimBoard::Vorn, cardBytes > 0 ? cardBytes : 8LL << 30);
    s.errors.Expect({kCardTooSmall, 0x22819, 0x22806, 0x22809, 0x31308, 0x31309});
    KLX_DataBaseManager& db = s.system.Database();
    KLX_XMLFileSaver* saver = db.KLX_DatabaseManagerXMLFileSaverPtr();
    QList<int> reasons;
    QObject receiver;
    connect(saver, &KLX_XMLFileSaver::settingsSaveFailed, &receiver, [&](int reason) { reasons << reason; },
            Qt::QueuedConnection);
    QCOMPARE(s.Start(), KLX_Ok);
    QTRY_COMPARE_WITH_TIMEOUT(db.KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet),
                              int(KLX_VornTask::KLX_PHASE_SYSTEM_UP), 60000);
    if (cardBytes == 0) {
      // A card of 8 GiB that holds nearly all of it.
      const QString filler = s.root.Path() + "/Vorn/filler.bin";
      QVERIFY(WriteFile(filler, QByteArray()) && QFile::resize(filler, 300LL << 20));
      QVERIFY(SetCardFree(s.root.Path(), 0));
    }
    // What the start leaves for the saver: the program's own state.
    QVERIFY(db.KLX_DataBaseManagerGetVornModifyFlag());
    if (change == "setting") db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_IntroVideo(1, AtomicDirSet, true);
    if (change == "model") db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet, true);
    const int passes = saver->KLX_XMLFileSaverPasses();
    saver->KLX_XMLFileSaverSavingFiles(false, false);
    QVERIFY(QTest::qWaitFor([&] { return saver->KLX_XMLFileSaverPasses() > passes; }, 60000));
    QVERIFY(db.KLX_DataBaseManagerGetVornModifyFlag());
    QTRY_COMPARE(reasons, told);
    QCoreApplication::processEvents();
    QCOMPARE(reasons, told);
  }

  // What writes cut short left staged beside their files goes at the start:
  // in the application folder (as this version stages an install's files
  // and as earlier ones did), and in the card's folders the program writes
  // whole files into. A file of the pilot's stays, whatever its name.
  void theStartRemovesWhatCutWritesLeft() {
    Started s(CSimBoard::Vorn);
    const QString app = s.root.Path() + "/app/";
    const QString card = s.root.Path() + "/Vorn/";
    const QStringList staged{app + ".KLX32LinuxApp.new.~vnOHPslW",
                             app + ".KLX32LinuxApp.new.OHPslW",
                             app + ".KLX32_de.qm.new",
                             card + "Model/Plane/Glider.xml.~vnAbCdEf",
                             card + "Model/Plane/Backup/Glider_101010_010221.xml.~vnAbCdEf",
                             card + "Model/My Folder/Backup/Glider_101010_010221.xml.~vnAbCdEf",
                             card + "Update/Pkgs/anna.zip.~vnAbCdEf",
                             card + "Update/KLX32LinuxApp.~vnAbCdEf",
                             card + "Vornstate/Vornstate.xml.~vnAbCdEf"};
    const QStringList pilots{card + "Model/Plane/x", card + "Model/Plane/x.AbCdEf", card + "Model/Plane/x.~vn",
                             card + "Update/Pkgs/anna.zip.AbCdEf"};
    for (const QString& file : staged + pilots) QVERIFY(WriteFile(file, "left"));
    QCOMPARE(s.Start(), KLX_Ok);
    for (const QString& file : staged) QVERIFY2(!QFileInfo::exists(file), qPrintable(file));
    for (const QString& file : pilots) QVERIFY2(QFileInfo::exists(file), qPrintable(file));
  }

  void stopFromQmlKeepsTheDatabase() {
    Started s(CSimBoard::Fenk);
    QCOMPARE(s.Start(), KLX_Ok);
    QVERIFY(QMetaObject::invokeMethod(&s.system, "KLX_SystemStop"));
    QVERIFY(s.system.Database().KLX_DatabaseManagerTutorPupilPointer());
    s.system.KLX_SystemStop(1);
    QVERIFY(!s.system.Database().KLX_DatabaseManagerTutorPupilPointer());
  }

  void cleanup() { Board::Free(); }
};

int main(int argc, char* argv[]) {
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestStartup test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"
