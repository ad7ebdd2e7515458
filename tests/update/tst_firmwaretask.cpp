// The firmware update task through the task engine against the simulated
// boot loaders: the messages each device receives, resends, attempt limits
// and time-outs, what the task leaves behind and the update status it sends.
#include "update_fixture.h"

namespace {
using VT = KLX_VornTask;
using Reports = QList<QPair<unsigned, QString>>;

// A stick controller file of three rows: 256, 256 and 200 bytes.
CSimFirmwareSpec SmallStick(int major, int minor) {
  CSimFirmwareSpec s = CSimFirmwareSpec::ForStick(major, minor);
  s.imageBytes = 712;
  return s;
}
CSimFirmwareSpec SmallTransceiver(int major, int minor, int rows) {
  CSimFirmwareSpec s = CSimFirmwareSpec::ForTransceiver(major, minor);
  s.imageBytes = 256 * rows;
  return s;
}

const QString kStickRows =
    "R0 P0@0+128 P1@128+128 W0:3 R1 P0@0+128 P1@128+128 W1:3 R2 P0@0+128 P1@128+72 W2:3";
const QString kBootStart = "S M2 M3 E ";

// A receiver file of rows of the given sizes (the first at least 16 bytes).
QByteArray ReceiverFile(const QList<int>& sizes, int major = 2, int minor = 4) {
  CSimFirmwareSpec spec = CSimFirmwareSpec::ForReceiver(major, minor);
  QList<QByteArray> rows;
  for (int i = 0; i < sizes.size(); ++i) {
    spec.rowBytes = sizes[i];
    spec.imageBytes = sizes[i] * sizes.size();
    rows << CSimFirmware::Rows(spec).at(i);
  }
  return CSimFirmware::File(spec, rows);
}
// Two receiver rows of 100 bytes: parts of 48, 48 and 4 with the modem's 53.
const QString kReceiverRow0 = "R0 p0@0+48 p1@48+48 p2*@96+4";
const QString kReceiverRow1 = "R1 p0@0+48 p1@48+48 p2*@96+4";
const QString kModemStart = "on info r2 r9 ";
const QString kModemEnd = " r1 r3 off";
}  // namespace

class FirmwareTaskTest : public QObject {
  Q_OBJECT

 private slots:
  // Start-up after a package update: the stick controller's newer file
  // goes in, the transceiver controller keeps its own (same version).
  void stickControllerFromUpdateXml() {
    FirmwareRig rig;
    QVERIFY(rig.Up());
    VornErrorWatch errors;
    errors.Expect({0x12902, 0x33901, 0x33902});
    rig.sim.SetTransceiverVersion(2, 0);
    QVERIFY(rig.PutPackage(SmallStick(1, 7), SmallTransceiver(2, 0, 2)));
    QVERIFY(rig.Flushed());
    // What the synchronisation found.
    rig.Db().KLX_DataBaseManagerVornStickAppSetVersion(1, 0);
    rig.Db().KLX_DataBaseManagerVornTransAppSetVersion(2, 0);
    rig.Db().KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(1, AtomicDirSet, false);
    rig.Queue(VT::KLX_TASK_UPDATE_FIRMWARE, 0, VT::KLX_TASK_PARA_NONE);
    QVERIFY(rig.RunToEnd());
    QCOMPARE(rig.task.last.load(), 0);
    QCOMPARE(rig.Trace(), "S M2 M3 E " + kStickRows + " S M1");
    QCOMPARE(rig.status->Take(), QList<int>{VT::KLX_UPDATE_STATUS_SWITCH_OFF});
    QCOMPARE(rig.task.Progress().last(), qMakePair(100, 100));

    // The controller runs the new image and says so after a power cycle.
    const CSimBootLoader::Counters seen = rig.sim.UpdatePeers().Stick().Seen();
    QCOMPARE(seen.rowsWritten, 3);
    QCOMPARE(seen.restarts, 1);
    QCOMPARE(rig.sim.UpdatePeers().Stick().Rows().toList(), CSimFirmware::Rows(SmallStick(1, 7)));
    CSimControllers again(rig.root.Path());
    QCOMPARE(again.State().stickMajor, 1);
    QCOMPARE(again.State().stickMinor, 7);
    QVERIFY(again.State().stickApplication);

    // The bookkeeping: nothing pending, the package installed, its file taken.
    KLX_DataBaseManager& db = rig.Db();
    QCOMPARE(db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerUpdate_SetGetVersion_Major_Installed(0, AtomicDirGet), 3);
    QCOMPARE(db.KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(0, AtomicDirGet), 90);
    QCOMPARE(db.KLX_DataBaseManagerUpdateGetSetDeviceFilenameFlag("SC", AtomicDirGet), 1);
    QCOMPARE(db.KLX_DataBaseManagerUpdateGetSetDeviceFilenameFlag("TC", AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetSet_AutoRescanAllowed(0, AtomicDirGet), 0);
    QCOMPARE(TaskReports(errors), Reports{});
  }

  // Both controllers (the recovery's selection): the overall progress goes
  // by device, the second device half-way is 75 %.
  void twoControllersInTurn() {
    FirmwareRig rig;
    QVERIFY(rig.Up());
    QVERIFY(rig.PutPackage(SmallStick(1, 1), SmallTransceiver(2, 1, 4)));
    rig.Db().KLX_DataBaseManagerUpdate_Set_Device_Name("SC");
    rig.Db().KLX_DataBaseManagerUpdateSetGetDeviceFilename("SC.bin", "SC", AtomicDirSet);
    rig.Db().KLX_DataBaseManagerUpdate_Set_Device_Name("TC");
    rig.Db().KLX_DataBaseManagerUpdateSetGetDeviceFilename("TC.bin", "TC", AtomicDirSet);
    rig.Queue(VT::KLX_TASK_UPDATE_FIRMWARE, 4, KLX_FirmwareUpdate::kSelectStick | KLX_FirmwareUpdate::kSelectTransceiver);
    QVERIFY(rig.RunToEnd());
    QCOMPARE(rig.task.last.load(), 0);
    const QList<QPair<int, int>> progress{{0, 0},   {16, 33}, {33, 66}, {50, 100}, {50, 0},
                                          {62, 25}, {75, 50}, {87, 75}, {100, 100}};
    QCOMPARE(rig.task.Progress(), progress);
    QCOMPARE(rig.sim.State().stickMinor, 1);
    QCOMPARE(rig.sim.State().transceiverMajor, 2);
    QCOMPARE(rig.sim.State().transceiverMinor, 1);
  }

  // Lost parts, refusals and the bit that is no error, in the direct
  // transfer: any mismatch sends the whole row again, an error bit only the
  // write, and a row that is never taken ends the update.
  void directTransferRecovers_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("result");
    QTest::addColumn<Reports>("reports");
    const QString row0 = "R0 P0@0+128 P1@128+128 W0:3 ";
    const QString row1 = "R1 P0@0+128 P1@128+128 W1:3 ";
    const QString row2 = "R2 P0@0+128 P1@128+72 W2:3";
    QTest::newRow("part 1 of row 1 lost: the whole row again")
        << 1 << row0 + row1 + row1 + row2 + " S M1" << 0 << Reports{};
    QTest::newRow("row 0 refused once: only the write again")
        << 2 << row0 + "W0:3 " + row1 + row2 + " S M1" << 0 << Reports{};
    QTest::newRow("row 2 refused six times: given up after five more attempts")
        << 3 << row0 + row1 + row2 + " W2:3 W2:3 W2:3 W2:3 W2:3" << int(KLX_Error)
        << Reports{{0x23606, "Row 2 cannot be written after 5 attempts!"}};
    QTest::newRow("the application-not-whole bit on every answer is no error")
        << 4 << row0 + row1 + row2 + " S M1" << 0 << Reports{};
  }
  void directTransferRecovers() {
    QFETCH(int, fault);
    QFETCH(QString, rows);
    QFETCH(int, result);
    QFETCH(Reports, reports);
    FirmwareRig rig;
    QVERIFY(rig.Up());
    VornErrorWatch errors;
    errors.Expect({0x12902, 0x33901, 0x33902, 0x23606});
    CSimBootLoader& boot = rig.sim.UpdatePeers().Stick();
    if (fault == 1) boot.LoseParts(1, 0x2);
    if (fault == 2) boot.RefuseRow(0, 1);
    if (fault == 3) boot.RefuseRow(2, 6);
    if (fault == 4) boot.SetAppNotWholeBit(true);
    QVERIFY(rig.PutStickFile(CSimFirmware::File(SmallStick(1, 3))));
    rig.QueueStick();
    QVERIFY(rig.RunToEnd());
    QCOMPARE(rig.task.last.load(), result);
    QCOMPARE(rig.Trace(), kBootStart + rows);
    QCOMPARE(TaskReports(errors), reports);
    QCOMPARE(rig.status->Take(), QList<int>{result == 0 ? VT::KLX_UPDATE_STATUS_SWITCH_OFF : VT::KLX_UPDATE_STATUS_ERROR});
    // Only a whole image is started.
    QCOMPARE(rig.sim.State().stickMinor, result == 0 ? 3 : 0);
    QCOMPARE(rig.sim.State().stickApplication, result == 0);
  }

  // A boot loader that stays silent: the state request goes 1 + 7 times, 2 s
  // apart; the write-row answer has no second chance.
  void silentBootLoader_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<int>("result");
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<Reports>("reports");
    QTest::newRow("no state answer") << 2 << "S S S S S S S S" << int(KLX_Timeout) << qint64(16000)
                                     << Reports{{0x2360E, "to many retries in task firmwareupdate"}};
    QTest::newRow("no write answer") << 8 << kBootStart + "R0 P0@0+128 P1@128+128 W0:3" << int(KLX_Error)
                                     << qint64(2000) << Reports{};
  }
  void silentBootLoader() {
    QFETCH(int, command);
    QFETCH(QString, trace);
    QFETCH(int, result);
    QFETCH(qint64, ms);
    QFETCH(Reports, reports);
    FirmwareRig rig;
    QVERIFY(rig.Up());
    VornErrorWatch errors;
    errors.Expect({0x12902, 0x33901, 0x33902, 0x2360E});
    CSimAnswerKnobs silent;
    silent.silent = true;
    rig.sim.UpdatePeers().Stick().Answers().Set(command, silent);
    QVERIFY(rig.PutStickFile(CSimFirmware::File(SmallStick(1, 3))));
    rig.QueueStick();
    qint64 elapsed = 0;
    QVERIFY(rig.RunToEnd(&elapsed));
    QCOMPARE(rig.task.last.load(), result);
    QCOMPARE(rig.Trace(), trace);
    // From the request on, the last step counted to the time-out.
    QVERIFY2(elapsed >= ms && elapsed <= ms + 100, qPrintable(QString::number(elapsed)));
    QCOMPARE(TaskReports(errors), reports);
    QCOMPARE(rig.status->Take(), QList<int>{VT::KLX_UPDATE_STATUS_ERROR});
  }

  // Every row must fit the first row's parts, and no part may pass the
  // length byte: such a row ends the update before it is sent.
  void rowsThatDoNotFitTheirParts_data() {
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<int>("result");
    QTest::addColumn<Reports>("reports");
    QTest::newRow("a later row longer than the first")
        << QList<int>{100, 300} << kBootStart + "R0 P0@0+50 P1@50+50 W0:3" << int(KLX_Error)
        << Reports{{0x23611, "Row is too long for 2 parts of 50 bytes! Terminated on row# 1"}};
    QTest::newRow("rows of 1024 bytes: parts of 256") << QList<int>{1024} << kBootStart.trimmed() << int(KLX_Error)
        << Reports{{0x23611, "Row is too long to be transmitted in 4 parts of at most 255 bytes! Terminated on row# 0"}};
    QTest::newRow("rows of 4080 bytes: 16 parts of 255")
        << QList<int>{4080} << kBootStart + "R0" << 0 << Reports{};
  }
  void rowsThatDoNotFitTheirParts() {
    QFETCH(QList<int>, sizes);
    QFETCH(QString, trace);
    QFETCH(int, result);
    QFETCH(Reports, reports);
    FirmwareRig rig;
    QVERIFY(rig.Up());
    VornErrorWatch errors;
    errors.Expect({0x12902, 0x33901, 0x33902, 0x23611});
    CSimFirmwareSpec spec = SmallStick(1, 4);
    QList<QByteArray> rows;
    for (int i = 0; i < sizes.size(); ++i) {
      spec.rowBytes = sizes[i];
      spec.imageBytes = sizes[i] * sizes.size();
      rows << CSimFirmware::Rows(spec).at(i);
    }
    QVERIFY(rig.PutStickFile(CSimFirmware::File(spec, rows)));
    rig.QueueStick();
    QVERIFY(rig.RunToEnd());
    QCOMPARE(rig.task.last.load(), result);
    QVERIFY2(rig.Trace().startsWith(trace), qPrintable(rig.Trace()));
    QCOMPARE(TaskReports(errors), reports);
    if (result == 0) QCOMPARE(rig.sim.UpdatePeers().Stick().Rows().toList(), rows);
  }

  // What the selection refuses, before a device hears anything.
  void selectionRefusals_data() {
    QTest::addColumn<int>("setup");
    QTest::addColumn<int>("result");
    QTest::addColumn<Reports>("reports");
    QTest::addColumn<QList<int>>("status");
    const QList<int> error{VT::KLX_UPDATE_STATUS_ERROR};
    QTest::newRow("a receiver file that is not there")
        << 1 << int(KLX_Error) << Reports{{0x23610, "could not read firmware update file"}} << error;
    QTest::newRow("neither controller chosen: done at once") << 2 << 0 << Reports{} << QList<int>{};
    QTest::newRow("an unknown selection mode") << 3 << int(KLX_Error) << Reports{} << error;
    QTest::newRow("no Update.xml")
        << 4 << int(KLX_Error)
        << Reports{{0x22807, "could not find update folder"}, {0x23610, "could not read firmware update file"}} << error;
    QTest::newRow("a file that does not load") << 5 << int(KLX_Error)
                                               << Reports{{0x23602, "Reading update file error"}} << error;
    QTest::newRow("no controller entry in the file")
        << 6 << int(KLX_Error) << Reports{{0x23603, "No device infomation found, or error reading"}} << error;
    // A controller's failure sends no modem switch-off and reports nothing more.
    QTest::newRow("a host field naming a third controller")
        << 7 << int(KLX_Error) << Reports{{0x23607, "unknown target"}} << error;
  }
  void selectionRefusals() {
    QFETCH(int, setup);
    QFETCH(int, result);
    QFETCH(Reports, reports);
    QFETCH(QList<int>, status);
    FirmwareRig rig;
    QVERIFY(rig.Up());
    VornErrorWatch errors;
    errors.Expect({0x12902, 0x33901, 0x33902, 0x23610, 0x22807, 0x23602, 0x23603, 0x23607});
    QByteArray damaged = CSimFirmware::File(SmallStick(1, 3));
    damaged[40] = char(damaged[40] ^ 1);
    CSimFirmwareSpec third = SmallStick(1, 3);
    third.packetId = 2;
    switch (setup) {
      case 1: rig.QueueReceiver(0x80); break;
      case 2: rig.Queue(VT::KLX_TASK_UPDATE_FIRMWARE, KLX_FirmwareUpdate::KLX_FW_MODE_CONTROLLERS, 0); break;
      case 3: rig.Queue(VT::KLX_TASK_UPDATE_FIRMWARE, 7, VT::KLX_TASK_PARA_NONE); break;
      case 4: rig.Queue(VT::KLX_TASK_UPDATE_FIRMWARE, KLX_FirmwareUpdate::KLX_FW_MODE_UPDATE_XML, 17); break;
      case 5: QVERIFY(rig.PutStickFile(damaged)); rig.QueueStick(); break;
      case 6: QVERIFY(rig.PutStickFile(ReceiverFile({100}))); rig.QueueStick(); break;
      case 7: QVERIFY(rig.PutStickFile(CSimFirmware::File(third))); rig.QueueStick(); break;
    }
    QVERIFY(rig.RunToEnd());
    QCOMPARE(rig.task.last.load(), result);
    QCOMPARE(rig.Trace(), QString());
    QCOMPARE(TaskReports(errors), reports);
    QCOMPARE(rig.status->Take(), status);
  }

  // "Update.xml" offers what the controllers run already: no device is
  // written, the package counts as installed, and the task ends at once
  // without showing the firmware screen (the boot status stays as it was).
  void nothingToUpdate() {
    FirmwareRig rig;
    QVERIFY(rig.Up());
    QVERIFY(rig.PutPackage(SmallStick(1, 0), SmallTransceiver(1, 0, 1)));
    rig.Db().KLX_DataBaseManagerVornStickAppSetVersion(1, 0);
    rig.Db().KLX_DataBaseManagerVornTransAppSetVersion(1, 0);
    rig.Db().KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(1, AtomicDirSet, false);
    const int boot = rig.Db().KLX_DataBaseManagerGetSetBootStatus(0, AtomicDirGet);
    rig.Queue(VT::KLX_TASK_UPDATE_FIRMWARE, KLX_FirmwareUpdate::KLX_FW_MODE_UPDATE_XML, 17);
    qint64 ms = 0;
    QVERIFY(rig.RunToEnd(&ms));
    QCOMPARE(rig.task.last.load(), 0);
    QCOMPARE(rig.Trace(), QString());
    // Nothing was waited for (a device's answer would take 2 s): the task
    // ended as the engine took it, before the first step or within it.
    QVERIFY2(ms <= 10, qPrintable(QString::number(ms)));
    QCOMPARE(rig.Db().KLX_DataBaseManagerGetSetBootStatus(0, AtomicDirGet), boot);
    QCOMPARE(rig.status->Take(), QList<int>{VT::KLX_UPDATE_STATUS_SWITCH_OFF});
    QCOMPARE(rig.Db().KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet), 0);
    QCOMPARE(rig.Db().KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(0, AtomicDirGet), 90);
  }

  // A receiver through the transceiver controller's modem: one part per
  // acknowledgement, the receiver's mask decides what goes again.
  void receiverThroughTheModem_data() {
    QTest::addColumn<int>("para3");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<int>("result");
    QTest::addColumn<Reports>("reports");
    QTest::addColumn<QString>("version");  // the receiver's version the model keeps afterwards
    const QList<int> two{100, 100};
    const QString rows = kReceiverRow0 + " w0:7 " + kReceiverRow1 + " w1:7";
    QTest::newRow("two rows") << 0x81 << two << 0 << kModemStart + rows + kModemEnd << 0 << Reports{} << "--.--";
    QTest::newRow("started with state request and mode switch: the version is kept")
        << 0x01 << two << 0 << "q2 q3 " + kModemStart + rows + kModemEnd << 0 << Reports{} << "2.4";
    QTest::newRow("a lost part goes again alone")
        << 0x81 << two << 1
        << kModemStart + kReceiverRow0 + " p1*@48+48 w0:7 " + kReceiverRow1 + " w1:7" + kModemEnd << 0 << Reports{}
        << "--.--";
    QTest::newRow("the last part lost: the write asks, the mask tells")
        << 0x81 << two << 2
        << kModemStart + kReceiverRow0 + " w0:7 " + kReceiverRow1 + " w1:7 p2*@96+4 w1:7" + kModemEnd << 0
        << Reports{} << "--.--";
    QTest::newRow("not whole after the last row: the file again from row 0")
        << 0x81 << two << 3 << kModemStart + rows + " " + rows + kModemEnd << 0 << Reports{} << "--.--";
    QTest::newRow("row 1 refused six times")
        << 0x81 << two << 4
        << kModemStart + kReceiverRow0 + " w0:7 " + (kReceiverRow1 + " w1:7 ").repeated(6).trimmed() + " off"
        << int(KLX_Error) << Reports{{0x23606, "Row 1 cannot be written after 5 attempts!"}} << "--.--";
    QStringList sixteen{"R0"};
    for (int i = 0; i < 16; ++i) sixteen << QStringLiteral("p%1%2@%3+48").arg(i).arg(i == 15 ? "*" : "").arg(48 * i);
    QTest::newRow("a row of 768 bytes goes in 16 parts")
        << 0x81 << QList<int>{768} << 0 << kModemStart + sixteen.join(' ') + " w0:65535" + kModemEnd << 0 << Reports{}
        << "--.--";
    QTest::newRow("a row of 769 bytes does not")
        << 0x81 << QList<int>{769} << 0 << kModemStart + "R0 off" << int(KLX_Error)
        << Reports{{0x23611, "Row is too long to be transferred via TC in 16 parts! Terminated on row# 0"}}
        << "--.--";
    QTest::newRow("a row of 800 bytes with a modem of 40")
        << 0x81 << QList<int>{800} << 5 << kModemStart + "R0 off" << int(KLX_Error)
        << Reports{{0x23611, "Row is too long to be transmitted over TC in 16 parts, max part size is 35 bytes"}}
        << "--.--";
    QTest::newRow("another version after the restart: the model keeps what the receiver says")
        << 0x01 << two << 7 << "q2 q3 " + kModemStart + rows + kModemEnd << 0 << Reports{} << "2.3";
    QTest::newRow("a silent modem") << 0x81 << two << 6 << "on off" << int(KLX_Error) << Reports{} << "1.0";
  }
  void receiverThroughTheModem() {
    QFETCH(int, para3);
    QFETCH(QList<int>, sizes);
    QFETCH(int, fault);
    QFETCH(QString, trace);
    QFETCH(int, result);
    QFETCH(Reports, reports);
    QFETCH(QString, version);
    FirmwareRig rig;
    QVERIFY(rig.Up());
    VornErrorWatch errors;
    errors.Expect({0x12902, 0x33901, 0x33902, 0x23606, 0x23611});
    CSimModem& modem = rig.sim.UpdatePeers().Modem();
    if (fault == 1) modem.LoseParts(0, 0x2);
    if (fault == 2) modem.LoseParts(1, 0x4);
    if (fault == 3) modem.SetAppNotWholeAfterLastRow(1);
    if (fault == 4) modem.RefuseRow(1, 6);
    if (fault == 5) modem.SetMaxLength(40);
    if (fault == 6) modem.SetSilent(true);
    if (fault == 7) modem.SetVersionAfterRestart(2, 3);
    // The model's receiver 1 runs 1.0.
    CVersion old;
    old.Set(1, 0);
    rig.Db().KLX_DataBaseManagerSetReceiverVersion(1, old);
    QVERIFY(rig.PutReceiverFile(ReceiverFile(sizes)));
    rig.QueueReceiver(para3);
    QVERIFY(rig.RunToEnd());
    QCOMPARE(rig.task.last.load(), result);
    QCOMPARE(rig.Trace(), trace);
    QCOMPARE(TaskReports(errors), reports);
    QCOMPARE(rig.status->Take(), result == 0 ? QList<int>{} : QList<int>{VT::KLX_UPDATE_STATUS_ERROR});
    QCOMPARE(modem.ModemOn(), false);
    QCOMPARE(rig.Db().KLX_DataBaseManagerGetReceiverVersion(1).toString(), version);
    if (result == 0) {
      QCOMPARE(modem.ReceiverVersion(), fault == 7 ? 2 * 256 + 3 : 2 * 256 + 4);
      QCOMPARE(modem.Rows().size(), sizes.size());
    }
  }

  // The first start after a package update: synchronisation, then this task
  // from "Update.xml". Controllers that were written ask for the restart,
  // and the model is not loaded; with nothing written (no controller file
  // in the package, or a failure, which keeps the update pending for the
  // next start) the start goes on to load the model. A model not loaded is
  // never saved over its file.
  void startUpAfterAPackageUpdate_data() {
    QTest::addColumn<int>("package");
    QTest::addColumn<int>("phase");
    QTest::addColumn<QList<int>>("status");
    QTest::addColumn<int>("pending");
    QTest::newRow("both controllers written") << 0 << int(VT::KLX_PHASE_UPDATE)
                                              << QList<int>{VT::KLX_UPDATE_STATUS_SWITCH_OFF} << 0;
    QTest::newRow("no controller firmware in the package")
        << 1 << int(VT::KLX_PHASE_SYSTEM_UP) << QList<int>{VT::KLX_UPDATE_STATUS_SWITCH_OFF} << 0;
    QTest::newRow("a controller file that does not load")
        << 2 << int(VT::KLX_PHASE_SYSTEM_UP) << QList<int>{VT::KLX_UPDATE_STATUS_ERROR} << 1;
  }
  void startUpAfterAPackageUpdate() {
    QFETCH(int, package);
    QFETCH(int, phase);
    QFETCH(QList<int>, status);
    QFETCH(int, pending);
    FirmwareRig rig;
    QVERIFY(rig.Start());
    VornErrorWatch errors;
    errors.Expect({0x12902, 0x33901, 0x33902, 0x23602});
    rig.task.KLX_FirmwareUpdateSetClock(&rig.clock);
    rig.Vorn().KLX_VornHandlerEngine().KLX_ProcessVornSetTaskObject(VT::KLX_TASK_UPDATE_FIRMWARE, &rig.task);
    rig.status = std::make_unique<StatusLog>(&rig.Db());
    KLX_DataBaseManager& db = rig.Db();
    // The current model on the card, as "Vornstate.xml" names it.
    KLX_XMLFileHandler files(QStringLiteral("FirmwareRig"));
    QCOMPARE(files.KLX_XMLFileHandlerInitialize(&db), int(KLX_Ok));
    db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 1, AtomicDirSet, false);
    QCOMPARE(files.KLX_XMLFileHandlerWriteModelFile("Glider.xml", "Glider", KLX_DatabaseValues::MODEL_TYP_Plane, ""),
             int(KLX_Ok));
    db.KLX_DataBaseManagerResetAllModelData();
    const QString model = rig.root.Path() + "/Vorn/Model/Plane/Glider.xml";
    const QByteArray saved = ReadFile(model);
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet, false);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(KLX_DatabaseValues::MODEL_TYP_Plane, AtomicDirSet, false);
    // The process state enters both controllers, without a file.
    db.KLX_DataBaseManagerUpdate_Set_Device_Name("SC");
    db.KLX_DataBaseManagerUpdate_Set_Device_Name("TC");
    if (package == 1)
      QVERIFY(rig.Put(rig.UpdateFolder() + "Update.xml",
                      "<?xml version=\"1.0\"?><vornupdate version=\"1.0\"><UPDATE><Target>Vorn</Target>"
                      "<VersionMajor>3</VersionMajor><VersionMinor>91</VersionMinor></UPDATE></vornupdate>"));
    else
      QVERIFY(rig.PutPackage(SmallStick(1, 2), SmallTransceiver(1, 3, 2)));
    if (package == 2) QVERIFY(rig.Put(rig.UpdateFolder() + "SC.bin", QByteArray("not a firmware file")));
    rig.runtime.KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(1, true);
    db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(1, AtomicDirSet, false);
    rig.StartProcessing();
    rig.endsBefore = rig.task.ends;
    QCOMPARE(rig.Vorn().KLX_VornHandlerStartVorn(), 1);
    QVERIFY(rig.RunToEnd());
    for (int ms = 0; rig.Phase() != phase && ms < 20000; ms += 10) QVERIFY(rig.Settled() && rig.Run(10));
    QCOMPARE(rig.Phase(), phase);
    QCOMPARE(rig.status->Take(), status);
    QCOMPARE(db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet), pending);
    const bool written = package == 0;
    QCOMPARE(rig.sim.State().stickMinor, written ? 2 : 0);
    QCOMPARE(rig.sim.State().transceiverMinor, written ? 3 : 0);
    QCOMPARE(db.KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet),
             int(written ? VT::KLX_MODELLLOAD_STATUS_NOTVALID : VT::KLX_MODELLLOAD_STATUS_READY));
    if (written) {
      QCOMPARE(db.KLX_DataBaseManagerGetSetBootStatus(0, AtomicDirGet), int(VT::KLX_BOOT_STATUS_UPDATE));
      // The update screen's read-outs name the task to the end.
      QCOMPARE(rig.runtime.KLX_RuntimeDatabaseManagerGetSetPercentName("", AtomicDirGet),
               QString("Onboard firmware update"));
      // A save while the start waits for the restart: the model in memory
      // is not the file's.
      KLX_XMLFileSaver* saver = db.KLX_DatabaseManagerXMLFileSaverPtr();
      saver->KLX_XMLFileSaverStartProcessing();
      const int passes = saver->KLX_XMLFileSaverPasses();
      db.KLX_DataBaseManagerSetModelModifyFlag(true);
      db.KLX_DataBaseManagerForceSavingXMLFiles(false);
      QTRY_VERIFY(saver->KLX_XMLFileSaverPasses() > passes);
    }
    QCOMPARE(ReadFile(model), saved);
  }
};

QTEST_GUILESS_MAIN(FirmwareTaskTest)
#include "tst_firmwaretask.moc"
