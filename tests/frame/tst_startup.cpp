// Start-up in the program's own process: the nine bring-up steps, the QML
// context objects, the synchronisation request and message 246; and the
// switch-off that meets an application install under way.
#include <QtTest>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QtQml>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_filecalls.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmlfilesaver.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_languagehandler.h"
#include "frame/klx_system.h"
#include "frame/qguitouchhandlerapplication.h"
#include "link/klx_messageids.h"
#include "sim/csimbluez.h"
#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"
#include "sim/csimupdateserver.h"
#include "tasks/klx_vorntask.h"
#include "update/cupdatemanager.h"
#include "vorn_fixture.h"
#include "vorn_testroot.h"

#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>

#include <thread>

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
constexpr unsigned kInstallStarted = 0x33620;
constexpr unsigned kStickInstallStarted = 0x33621;
constexpr unsigned kPartsInUse = 0x21609;
constexpr unsigned kStepNotEnded = 0x21907;
// Every stop's wait for a thread.
constexpr qint64 kStopWaitMs = 3000;
// Longer than any real wait of a case: only a hang takes it.
constexpr int kHangMs = 60000;
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
        !QTest::qWaitFor([&] { return controllers->Received(KLX_MSG_RADIO_TEST_BANDWIDTH) > before; }, kVornHangMs))
      return {};
    QList<CSimMessage> sent;
    for (const CSimMessage& m : controllers->ReceivedMessages())
      if (m.id != KLX_MSG_RADIO_TEST_BANDWIDTH) sent << m;
    return sent;
  }
};
// Begins the application install from USB stick 1 on `road`: the update
// manager's ("manager"), the pilot's yes given, or the package update
// task's in the task engine ("task").
bool BeginInstall(Started& s, const QString& road, const CSimAppPackage& package) {
  const QString stick = s.root.Path() + "/media/usb0";
  if (!s.board.SetUsbStickInserted(0, true)) return false;
  if (road == "manager") {
    CUpdateManager& manager = s.system.UpdateManager();
    QSignalSpy decisions(&manager, &CUpdateManager::sigUserDecisionRequired);
    if (!CSimUpdateServer::WriteFiles(stick, package.ServerFiles()) || !manager.beginAppUpdate(CUpdateManager::Src_USB) ||
        !QTest::qWaitFor([&] { return !decisions.isEmpty(); }, kHangMs) ||
        decisions.first().at(0).toInt() != CUpdateManager::UD_ReadyToInstall)
      return false;
    manager.resume(CUpdateManager::UD_ReadyToInstall);
    return true;
  }
  KLX_DataBaseManager& db = s.system.Database();
  db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Percent(80, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemProperties_Akku2Percent(80, AtomicDirSet);
  Task_Data_T t;
  t.task = KLX_VornTask::KLX_TASK_UPDATE_CHECK_FIRMWARE;
  t.paraint1 = KLX_VornTask::KLX_TASK_PARA_UPDATE_USB;
  t.paraint2 = KLX_VornTask::KLX_UPDATE_SELF;
  t.paraint3 = 0;
  t.paraint4 = 0;
  t.timeout = 900000;
  return CSimUpdateServer::WriteFiles(stick, package.Files()) &&
         s.system.VornHandler().KLX_VornHandlerQueueProcessTask(t) == KLX_Ok;
}

// Holds the install's copy of the program at its first piece until let go:
// a switch-off comes while the copy is under way. Made before the system,
// so that it outlives the install's thread.
class CopyHeld : public KLX_FileCalls {
 public:
  ~CopyHeld() override {
    LetGo();
    KLX_FileCalls::Set(nullptr);
  }
  void Hold(const QString& app) {
    m_Staged = app + ".KLX32LinuxApp.new";
    KLX_FileCalls::Set(this);
  }
  bool Write(int fd, const char* data, qint64 size) override {
    const QString path = QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd));
    if (path.startsWith(m_Staged) && !m_Seen.exchange(true)) {
      m_Held.release();
      m_Go.tryAcquire(1, kHangMs);
    }
    return KLX_FileCalls::Write(fd, data, size);
  }
  bool Held() { return m_Held.tryAcquire(1, kHangMs); }
  void LetGo() { m_Go.release(); }

 private:
  QString m_Staged;
  std::atomic<bool> m_Seen{false};
  QSemaphore m_Held;
  QSemaphore m_Go;
};

// The switch-off as the button thread makes it once the power button was
// held: processing stopped, the parts brought down, the GUI told.
class SwitchOff {
 public:
  explicit SwitchOff(KLX_System& system)
      : m_Thread([this, &system] {
          system.KLX_SystemStopProcessing();
          system.KLX_SystemDown();
          m_Done = true;
        }) {}
  ~SwitchOff() { m_Thread.join(); }
  bool Done() const { return m_Done; }

 private:
  std::atomic<bool> m_Done{false};
  std::thread m_Thread;
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
    QTRY_COMPARE(s.system.Database().KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet),
                 int(KLX_VornTask::KLX_PHASE_SYSTEM_UP));
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

  // A switch-off while an application install copies its program or runs
  // its script, on both roads: the update manager's and the package update
  // task's in the task engine. The install is asked to stop at its next
  // step (a script is ended) and the switch-off waits for it no longer than
  // for any thread, 3000 ms on its clock. An install held beyond that keeps
  // the database it reads (the error log says so) while the switch-off goes
  // on; once let go it stops at its next step. Each way the old program
  // stays with nothing pending.
  void aSwitchOffDuringAnInstall_data() {
    QTest::addColumn<QString>("road");
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("held");
    for (const char* road : {"manager", "task"}) {
      QTest::addRow("%s: copy, stopped at its next piece", road) << road << "copy" << false;
      QTest::addRow("%s: copy, held beyond the wait", road) << road << "copy" << true;
      QTest::addRow("%s: script, ended", road) << road << "script" << false;
    }
  }
  void aSwitchOffDuringAnInstall() {
    QFETCH(QString, road);
    QFETCH(QString, step);
    QFETCH(bool, held);
    CopyHeld copy;
    // The stop's waits are on it; it outlives the system.
    KLX_ManualClock stopClock;
    Started s(CSimBoard::Vorn);
    // The install holds the runtime read-outs and gives them back as it ends.
    s.errors.Expect({kInstallStarted, kStickInstallStarted, kPartsInUse, kStepNotEnded, 0x33901, 0x33902});
    QCOMPARE(s.Start(), KLX_Ok);
    if (road == "manager") {
      s.system.UpdateManager().setClock(&stopClock);
    } else {
      QTRY_COMPARE_WITH_TIMEOUT(s.system.Database().KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet),
                                int(KLX_VornTask::KLX_PHASE_SYSTEM_UP), kHangMs);
      s.system.VornHandler().KLX_VornHandlerSetClock(&stopClock);
    }
    const QString app = KLX_FileNameHandler().KLX_FileNameHandlerGetLinuxAppPath();
    QVERIFY(WriteFile(app + "KLX32LinuxApp", "the old program"));
    CSimAppPackage package;
    package.program = "the new program";
    const QString began = s.root.Path() + "/run/prolog-began";
    const QByteArray fifo = QFile::encodeName(s.root.Path() + "/run/prolog-waits");
    if (step == "script") {
      QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
      package.prolog = QStringLiteral("#!/bin/sh\n: > '%1'\nread line < '%2'\n").arg(began, QFile::decodeName(fifo)).toUtf8();
    } else {
      copy.Hold(app);
    }
    QVERIFY(BeginInstall(s, road, package));
    if (step == "script")
      QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(began); }, kHangMs));
    else
      QVERIFY(copy.Held());

    bool ended = false;
    {
      SwitchOff off(s.system);
      // The switch-off waits for the install it asked to stop.
      if (step == "copy" && stopClock.KLX_ManualClockAwaitWaiters(1, kHangMs) && !held) copy.LetGo();
      // Held, each wait for it runs out; a switch-off that hangs is let go,
      // and the case fails.
      ended = QTest::qWaitFor([&] {
        if (held && stopClock.KLX_ManualClockWaiters() > 0) stopClock.KLX_ManualClockAdvance(kStopWaitMs);
        return off.Done();
      }, kHangMs);
      if (!ended) stopClock.KLX_ManualClockAdvance(kStopWaitMs);
    }
    QVERIFY(ended);
    s.system.KLX_SystemFree();
    const bool inUse = s.system.KLX_SystemPartsInUse();
    const bool kept = s.system.Database().KLX_DatabaseManagerTutorPupilPointer() != nullptr;
    const bool told = s.errors.Has(kPartsInUse);
    // A script still waiting is let go, and the held copy.
    const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) {
      const ssize_t written = ::write(writer, "go\n", 3);
      ::close(writer);
      QCOMPARE(written, ssize_t(3));
    }
    copy.LetGo();
    QVERIFY(QTest::qWaitFor([&] { return !s.system.KLX_SystemPartsInUse(); }, kHangMs));
    QCOMPARE(inUse, held);
    QCOMPARE(kept, held);
    QCOMPARE(told, held);
    QCOMPARE(ReadFile(app + "KLX32LinuxApp"), QByteArray("the old program"));
    QCOMPARE(QDir(app).entryList(QDir::Hidden | QDir::Files).filter(".new"), QStringList());
    QVERIFY(!ReadFile(s.root.Path() + "/Vorn/Vornstate/Vornstate.xml").contains("<UpdateFlag>1</UpdateFlag>"));
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
