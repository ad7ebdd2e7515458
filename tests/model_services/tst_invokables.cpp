// The facade's service invokables: direct messages to the transceiver
// controller, link-quality read-outs, the telemetry task requests, the model
// file's date, plain text files and the update comparisons.
#include <QDir>
#include <QFile>

#include "model/model_fixture.h"
#include "frame/klx_filenamehandler.h"
#include "sim/csimboard.h"
#include "tasks/klx_guicommandhandler.h"
#include "vorn_filetree.h"
#include "vorn_fullmedium.h"

namespace {
Task_Data_T Take(ModelFixture& fx) {
  Task_Data_T task;
  task.task = -1;
  fx.vorn.KLX_VornHandlerTakeTask(&task);
  return task;
}
QList<int> Words(const Task_Data_T& t) {
  QList<int> w = {t.task};
  for (int n = 1; n <= 6; ++n) w.append(t.ParaInt(n));
  w << t.timeout << t.repeat << t.requeueDelay << t.source;
  return w;
}
}  // namespace

class TestServices : public QObject {
  Q_OBJECT

 private slots:
  void radioTestGainAndSilentMode_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("byte");
    QTest::newRow("gain up") << "KLX_DataBaseManagerSetGainValueFCC" << 7 << 246 << 1;
    QTest::newRow("gain one") << "KLX_DataBaseManagerSetGainValueFCC" << 1 << 246 << 1;
    QTest::newRow("gain down") << "KLX_DataBaseManagerSetGainValueFCC" << -3 << 246 << 2;
    // Never an unset byte: 0 sends 0.
    QTest::newRow("gain zero") << "KLX_DataBaseManagerSetGainValueFCC" << 0 << 246 << 0;
    QTest::newRow("silent on") << "KLX_DataBaseManagerSetSilentModeViaCAN" << 1 << 181 << 1;
    QTest::newRow("silent value") << "KLX_DataBaseManagerSetSilentModeViaCAN" << 0x1F3 << 181 << 0xF3;
  }
  void radioTestGainAndSilentMode() {
    QFETCH(QString, call);
    QFETCH(int, value);
    QFETCH(int, id);
    QFETCH(int, byte);
    ModelFixture fx;
    fx.Drop();
    QCOMPARE(InvokeInt(&fx.db, call.toLatin1().constData(), {value}), 1);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(sent[0].id), id);
    QCOMPARE(int(sent[0].node), 3);
    QCOMPARE(sent[0].data, QByteArray(1, static_cast<char>(byte)));
  }

  void linkQualityPerReceiver() {
    ModelFixture fx;
    auto& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerGetSetLQI1(5, AtomicDirSet, 4), QString());
    QCOMPARE(db.KLX_DataBaseManagerGetSetRSSI1(-90, AtomicDirSet, 2), QString("-90"));
    QCOMPARE(db.KLX_DataBaseManagerGetSetRSSI1(0, AtomicDirGet, 2), QString("-90"));
    QCOMPARE(db.KLX_DataBaseManagerGetSetLQI2(70000, AtomicDirSet, 3), QString::number(int16_t(70000 & 0xFFFF)));
    QCOMPARE(db.KLX_DataBaseManagerGetSetLQI1(0, AtomicDirGet, -1), QString());
    db.KLX_DataBaseManagerGetSetTransRSSI1(-60, AtomicDirSet);
    db.KLX_DataBaseManagerResetAllModelData();
    QCOMPARE(db.KLX_DataBaseManagerGetSetTransRSSI1(0, AtomicDirGet), QString("-129"));
    QCOMPARE(db.KLX_DataBaseManagerGetSetTransLQI1(0, AtomicDirGet), QString("0"));
  }

  void telemetryTaskRequests() {
    ModelFixture fx;
    auto& db = fx.db;
    // The task engine takes requests once it is up; with its processing off
    // they wait in its queue. It ends before the facade it works on.
    struct EngineUp {
      explicit EngineUp(ModelFixture& f) : fx(f) {}
      ~EngineUp() { fx.vorn.KLX_VornHandlerStop(); }
      ModelFixture& fx;
      KLX_GuiCommandHandler gui;
    } engine(fx);
    QCOMPARE(fx.vorn.KLX_VornHandlerInitialize(&db, &fx.protocol, &engine.gui, &fx.runtime), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManagerBindingInfoSend(), 1);
    QCOMPARE(Words(Take(fx)), (QList<int>{5, 17, 17, 17, 17, 17, 17, 2000, 3, 0, 0}));
    QCOMPARE(db.KLX_DataBaseManagerMenuDataSet(40, 1, 2, 3, 4, 5), 1);
    QCOMPARE(Words(Take(fx)), (QList<int>{17, 40, 1, 2, 3, 4, 5, 1000, 0, 0, 0}));
    // While menu work waits, a rescan is refused and touches nothing.
    QCOMPARE(db.KLX_DataBaseManagerCaptureMenuContinious(), 1);
    KLX_Telemetrie* telemetry = db.KLX_DataBaseManagerGetTelemetrieObject();
    telemetry->KLX_TelemetrieGetSet_Slave_SlaveValue(12, 3, 77, AtomicDirSet);
    fx.Drop();
    QCOMPARE(db.KLX_DataBaseManagerRescanTelemetry(), int(KLX_Error));
    QVERIFY(fx.Sent().isEmpty());
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetSlaveValue(12, 3), 77);
    QCOMPARE(Words(Take(fx)), (QList<int>{20, 17, 17, 17, 17, 17, 17, 2000, 0, 1000, 1}));
    QCOMPARE(db.KLX_DataBaseManagerRescanTelemetry(), 1);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(sent[0].id), 193);
    QVERIFY(sent[0].data.isEmpty());
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetSlaveValue(12, 3), 0);
    QCOMPARE(Words(Take(fx)), (QList<int>{24, 17, 17, 17, 17, 17, 18, 3000, 1, 5000, 0}));
  }

  void ownSensorRefreshWritesTheTransmittersValues() {
    ModelFixture fx;
    auto& db = fx.db;
    const QString thermal = fx.root.Path() + "/sys/class/thermal/thermal_zone0";
    QVERIFY(QDir().mkpath(thermal));
    QFile temp(thermal + "/temp");
    QVERIFY(temp.open(QIODevice::WriteOnly));
    temp.write("45300\n");
    temp.close();
    db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(812, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetSystemProperties_Current(35, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetTransLQI1(87, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetTransLQI2(64, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetTransRSSI1(-71, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetTransRSSI2(-58, AtomicDirSet);
    db.KLX_DataBaseManagerGetSet_ControlValueByControl(256, 1000, AtomicDirSet);
    db.KLX_DataBaseManagerGetSet_ControlValueByControl(497, -2047, AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerHandleTelemetrieVornData(), int(KLX_Ok));
    QList<int> own;
    for (int i = 0; i < 12; ++i) own << db.KLX_DataBaseManagerTelemetrieGetSlaveValue(4, i);
    // Batteries, current, temperature (45.3 degrees read as 453 - 100), link
    // quality, signal strengths, then the four sticks (-2048: never moved).
    QCOMPARE(own, (QList<int>{812, 800, 35, 353, 87, 64, -71, -58, 1000, -2048, -2048, -2047}));
    // A sensor frame refreshes the own sensor too.
    db.KLX_DataBaseManagerGetSetTransLQI1(12, AtomicDirSet);
    const unsigned char frame[KLX_TelemetrieHandler::kFrameSize] = {10};
    QCOMPARE(db.KLX_DataBaseManagerHandleTelemetrieData(frame), 10);
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetSlaveValue(4, 4), 12);
  }

  void recordingPauseAndLogPath() {
    ModelFixture fx;
    auto& db = fx.db;
    db.KLX_DataBaseManagerPauseTelemetrie(9);
    QCOMPARE(db.KLX_DataBaseManagerTelemetryPauseReason(), 9);
    db.KLX_DataBaseManagerResumeTelemetrie();
    QCOMPARE(db.KLX_DataBaseManagerTelemetryPauseReason(), -1);
    QVERIFY(db.KLX_DataBaseManagerGetTeleLogFolder().endsWith("/Vorn/Log"));
    QVERIFY(db.KLX_DataBaseManagerGetTeleLogAbsFilePath().startsWith(db.KLX_DataBaseManagerGetTeleLogFolder() + "/"));
  }

  void lastModifiedDateOfTheModelFile() {
    ModelFixture fx;
    CSimBoard board(fx.root.Path(), CSimBoard::Vorn);
    QVERIFY(board.Prepare());
    auto& db = fx.db;
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(1, AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerUpdateModelMetaData(), 1);
    QCOMPARE(db.KLX_DataBaseManagerGetModelMetaLastModi(), QString());
    const QString folder = KLX_FileNameHandler().KLX_FileNameHandlerGetModelFilePath(1, QString(), false);
    QVERIFY(QDir().mkpath(folder));
    QFile file(folder + "Glider.xml");
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.setFileTime(QDateTime(QDate(2026, 3, 5), QTime(12, 0)), QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(db.KLX_DataBaseManagerUpdateModelMetaData(), 1);
    QCOMPARE(db.KLX_DataBaseManagerGetModelMetaLastModi(), QString("05/03/2026"));
    QCOMPARE(db.KLX_DataBaseManagerGetModelMetaCreate(), QString());
  }

  void plainTextFiles() {
    ModelFixture fx;
    auto& db = fx.db;
    const QString dir = fx.root.Path() + "/Vorn/texts";
    QCOMPARE(db.KLX_DataBaseManagerReadTextFile(dir + "/none.txt"), QString("Error. File not found"));
    QVERIFY(db.KLX_DataBaseManagerCreateTextFile(dir, "note.txt", QString::fromUtf8("Höhe 12 m")));
    QCOMPARE(db.KLX_DataBaseManagerReadTextFile(dir, "note.txt"), QString::fromUtf8("Höhe 12 m"));
    QVERIFY(db.KLX_DataBaseManagerFileWrite(dir + "/note.txt", "x"));
    QCOMPARE(db.KLX_DataBaseManagerReadTextFile(dir + "/note.txt"), QString("x"));
    QVERIFY(!db.KLX_DataBaseManagerFileWrite(dir + "/missing/folder/a.txt", "x"));
    QVERIFY(db.KLX_DataBaseManagerDeleteTextFile(dir, "note.txt"));
    QVERIFY(!db.KLX_DataBaseManagerDeleteTextFile(dir, "note.txt"));
    QFile image(dir + "/pic.png");
    QVERIFY(image.open(QIODevice::WriteOnly));
    image.close();
    QCOMPARE(db.KLX_DataBaseManagerGetImageExt(dir + "/pic"), QString(".png"));
    QCOMPARE(db.KLX_DataBaseManagerGetImageExt(dir + "/none"), QString());
  }

  // A card that refuses the last piece of a text (the whole of a short one,
  // the tail of a long one): the old file stays byte for byte with nothing
  // beside it, and the failure names a full card where the card was full.
  void aTextOntoAFullCardLeavesTheOldOne_data() {
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("failure");
    QTest::newRow("a text under 16 KiB") << 120 << 0 << ENOSPC << int(KLX_DatabaseValues::ModelSaveFailure_CardFull);
    QTest::newRow("the tail of a long text") << 40000 << 32768 << ENOSPC << int(KLX_DatabaseValues::ModelSaveFailure_CardFull);
    QTest::newRow("a failing card") << 120 << 0 << EIO << int(KLX_DatabaseValues::ModelSaveFailure_NotWritten);
  }
  void aTextOntoAFullCardLeavesTheOldOne() {
    QFETCH(int, bytes);
    QFETCH(int, room);
    QFETCH(int, error);
    QFETCH(int, failure);
    ModelFixture fx;
    const QString dir = fx.root.Path() + "/Vorn/texts";
    QVERIFY(fx.db.KLX_DataBaseManagerCreateTextFile(dir, "note.txt", "old note"));
    QCOMPARE(fx.db.KLX_DataBaseManagerTextFileFailure(), int(KLX_DatabaseValues::ModelSaveFailure_None));
    {
      VornFullMedium card(room, error);
      QVERIFY(!fx.db.KLX_DataBaseManagerFileWrite(dir + "/note.txt", QString(bytes, 'n')));
    }
    QCOMPARE(fx.db.KLX_DataBaseManagerTextFileFailure(), failure);
    QCOMPARE(VornFileTree(dir), QStringList{"note.txt: old note"});
  }

  void exportGoesToTheFirstStickOnly() {
    ModelFixture fx;
    const QString stick = KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/media/usb2");
    QVERIFY(QDir().mkpath(stick));
    KLX_FileNameHandler::KLX_FileNameHandlerSetVolumeSource(
        [stick] { return QList<KLX_FileNameHandler::MountedVolume>{{"/", "root", "/dev/root"}, {stick, "STICK", "/dev/sda1"}}; });
    QVERIFY(fx.db.KLX_DataBaseManagerExportTextFile("list.txt", "a;b"));
    QCOMPARE(fx.db.KLX_DataBaseManagerReadTextFile(stick + "/list.txt"), QString("a;b"));
    // A name, never a path out of the stick.
    QVERIFY(!fx.db.KLX_DataBaseManagerExportTextFile("../escape.txt", "x"));
    QVERIFY(!QFile::exists(stick + "/../escape.txt"));
    KLX_FileNameHandler::KLX_FileNameHandlerSetVolumeSource(
        [] { return QList<KLX_FileNameHandler::MountedVolume>{{"/", "root", "/dev/root"}}; });
    QVERIFY(!fx.db.KLX_DataBaseManagerExportTextFile("list.txt", "a;b"));
    KLX_FileNameHandler::KLX_FileNameHandlerSetVolumeSource(nullptr);
  }

  void updateComparisons() {
    ModelFixture fx;
    auto& db = fx.db;
    db.KLX_DataBaseManagerUpdate_SetGetVersion_Major_Installed(3, AtomicDirSet);
    db.KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(4, AtomicDirSet);
    db.KLX_DataBaseManagerUpdate_SetGetVersion_Major_Updated(3, AtomicDirSet);
    db.KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Updated(4, AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerIsPacketUpdateDifferent(false), 0);
    db.KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Updated(5, AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerIsPacketUpdateDifferent(false), 1);

    db.KLX_DataBaseManagerVornTransAppSetVersion(1, 2);
    db.KLX_DataBaseManagerUpdate_Set_Device_Name("TC");
    db.KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Major(1, "TC", AtomicDirSet);
    db.KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Minor(2, "TC", AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerIsDeviceUpdateDifferent("TC", 0), 0);
    db.KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Minor(3, "TC", AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerIsDeviceUpdateDifferent("TC", 0), 1);

    CVersion v;
    v.Set(2, 7);
    db.KLX_DataBaseManagerSetReceiverVersion(1, v);
    db.KLX_DataBaseManagerUpdate_Set_Device_Name("RCV");
    db.KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Major(2, "RCV", AtomicDirSet);
    db.KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Minor(7, "RCV", AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerIsDeviceUpdateDifferent("RCV", 1), 0);
    // A receiver that reports no version differs from any offer.
    QCOMPARE(db.KLX_DataBaseManagerIsDeviceUpdateDifferent("RCV", 0), 1);
    QCOMPARE(db.KLX_DataBaseManagerIsDeviceUpdateDifferent("XYZ", 0), 0);
  }
};

QTEST_GUILESS_MAIN(TestServices)
#include "tst_invokables.moc"
