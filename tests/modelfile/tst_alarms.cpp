// The voice alarms and the preflight list in the model file: a model's
// alarms and list come back whole on either board and across the boards,
// their text exactly, each bad value refused or passed over with its report,
// and the timer references the post-load step clears.
#include "frame/klx_controlids.h"
#include "modelfile/modelfile_fixture.h"

using Probe = SectionProbe;

namespace {
const int G = AtomicDirGet;
const int S = AtomicDirSet;
const int V = KL_BOARD_VORN;
const int F = KL_BOARD_FENK;
const int E = KLX_Error;
const int O = KLX_Ok;
const int kSwA = CONTROLID_SW_A_GUI;
const int kSwB = CONTROLID_SW_B_GUI;

// Every voice alarm record (all 64, whatever the board) and the preflight
// list, value by value as the facade's accessors give them.
QStringList AlarmValues(KLX_DataBaseManager& db) {
  QStringList out;
  for (int a = 0; a < KLX_VoiceAlarm::kAlarms; ++a) {
    const QList<int> numbers{db.KLX_DataBaseManagerVAlarmGetSetType(a, 0, G),
                             db.KLX_DataBaseManagerVAlarmGetSetActivator(a, 0, G),
                             db.KLX_DataBaseManagerVAlarmGetSetActivatorHystAbove(a, 0, G),
                             db.KLX_DataBaseManagerVAlarmGetSetActivatorHystBelow(a, 0, G),
                             db.KLX_DataBaseManagerVAlarmGetSetValueStep(a, 0, 0, G),
                             db.KLX_DataBaseManagerVAlarmGetValueStepDecPoint(a),
                             db.KLX_DataBaseManagerVAlarmGetSetTimeStep(a, 0, G),
                             db.KLX_DataBaseManagerVAlarmGetSetTeleSourceMain(a, 0, G),
                             db.KLX_DataBaseManagerVAlarmGetSetTeleSourceSlave(a, 0, G),
                             db.KLX_DataBaseManagerVAlarmGetSetTimer(a, 0, G),
                             db.KLX_DataBaseManagerVAlarmGetSetIndividualBit(a, 0, G)};
    QString line = QString::number(a) + QLatin1Char(':');
    for (int n : numbers) line += QLatin1Char(' ') + QString::number(n);
    out << line + QStringLiteral(" [%1] [%2]").arg(db.KLX_DataBaseManagerVAlarmGetVoiceTextParams(a),
                                                   db.KLX_DataBaseManagerVAlarmGetSetStaticMsgByAlrmIdx(a, QString(), G));
  }
  QString list = QStringLiteral("preflight %1 %2 %3:").arg(db.KLX_DataBaseManagerPreflightGetSet_IsUsed(false, G))
                     .arg(db.KLX_DataBaseManagerPreflightGetSet_Accuracy(0, G))
                     .arg(db.KLX_DataBaseManagerPreflightGetUsedControls());
  for (int slot = 0; slot < 32; ++slot) {
    const int id = db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(slot, false, G);
    list += QStringLiteral(" %1=%2").arg(id).arg(id > 0 ? db.KLX_DataBaseManagerPreflightGetSet_ControlPosition(id, 0, G) : 0);
  }
  return out << list;
}

// The "VOICEALARM" elements of a text below that index, without layout.
QByteArray VoiceAlarmsBelow(const QByteArray& text, int count) {
  const QByteArray all = Elements(text, "VOICEALARM");
  const int cut = all.indexOf("<VOICEALARM><Index>" + QByteArray::number(count) + "</Index>");
  return cut < 0 ? all : all.left(cut);
}

QByteArray Alarm(const QByteArray& children, const QByteArray& index = "<Index>1</Index>") {
  return "<VOICEALARM>" + index + "<Type>66</Type>" + children + "</VOICEALARM>";
}
QByteArray Preflight(const QByteArray& children) { return "<PREFLIGHT>" + children + "</PREFLIGHT>"; }
QByteArray Control(int id, int position) {
  return "<CONTROL><CtrlID>" + QByteArray::number(id) + "</CtrlID><StartPosition>" + QByteArray::number(position) +
         "</StartPosition></CONTROL>";
}
const QByteArray kRuntime9 = "<RUNTIME><Runtime>9</Runtime></RUNTIME>";

Probe P(std::function<QVariant(KLX_DataBaseManager&)> f) { return Probe(std::move(f)); }
Probe AlarmField(int index, int field) {
  return P([index, field](KLX_DataBaseManager& db) { return AlarmValues(db).at(index).split(' ').at(field + 1); });
}
const Probe kRuntime = P([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerRuntimeGetSet_Runtime(0, G); });
// In use, accuracy, controls listed, and the first three slots.
const Probe kList = P([](KLX_DataBaseManager& db) { return AlarmValues(db).last().section(' ', 0, 6); });
}  // namespace

class TestAlarms : public QObject {
  Q_OBJECT

 private slots:
  // Save, reset, load, every value read back, saved again to the same text.
  void alarmsAndListComeBackWhole_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<int>("seed");
    QTest::newRow("larger, check on") << V << 2;
    QTest::newRow("smaller, check off") << F << 1;
  }
  void alarmsAndListComeBackWhole() {
    QFETCH(int, board);
    QFETCH(int, seed);
    ModelFileFixture fx(board);
    KLX_DataBaseManager& db = fx.db;
    KLX_TestBuildFullModel(&db, seed);
    QCOMPARE(fx.Save(), O);
    const QByteArray first = SettingsFixture::Read(ModelFileFixture::Path());
    const QStringList before = AlarmValues(db);
    // Saved without a voice, an alarm holds none from then on.
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetVoiceTextParams(2), QString("None\tNone"));
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetVoiceTextParams(3), QString("de\tVoice%1").arg(seed));
    QCOMPARE(first.count("<VOICEALARM>"), db.KLX_DataBaseManagerVAlarmGetCount());
    QCOMPARE(first.count("<CONTROL>"), 26);

    db.KLX_DataBaseManagerResetAllModelData();
    const QStringList reset = AlarmValues(db);
    for (int a = 1; a < db.KLX_DataBaseManagerVAlarmGetCount(); ++a) QVERIFY(reset.at(a) != before.at(a));
    QVERIFY(reset.last() != before.last());
    VornErrorWatch watch;
    QCOMPARE(fx.Load(), O);
    QCOMPARE(AlarmValues(db), before);
    QVERIFY(!watch.Has(0x51507));
    QCOMPARE(fx.Save(), O);
    QCOMPARE(WithoutCheckValue(SettingsFixture::Read(ModelFileFixture::Path())), WithoutCheckValue(first));
  }

  // The smaller board keeps alarms 0 to 31 of a larger board's file and
  // drops the rest without a report; the larger keeps all of the smaller's.
  void alarmsAcrossTheBoards_data() {
    QTest::addColumn<int>("writer");
    QTest::addColumn<int>("reader");
    QTest::newRow("larger to smaller") << V << F;
    QTest::newRow("smaller to larger") << F << V;
  }
  void alarmsAcrossTheBoards() {
    QFETCH(int, writer);
    QFETCH(int, reader);
    ModelFileFixture fx(writer);
    KLX_DataBaseManager& db = fx.db;
    KLX_TestBuildFullModel(&db, 2);
    QCOMPARE(fx.Save(), O);
    const QByteArray first = SettingsFixture::Read(ModelFileFixture::Path());
    const QStringList before = AlarmValues(db);
    db.KLX_DataBaseManagerResetAllModelData();
    const QStringList empty = AlarmValues(db);

    ModelFileFixture::SwitchBoard(reader);
    VornErrorWatch watch;
    QCOMPARE(fx.Load(), O);
    QVERIFY(!watch.Has(0x5156D) && !watch.Has(0x51507));
    const QStringList after = AlarmValues(db);
    for (int a = 0; a < KLX_VoiceAlarm::kAlarms; ++a) QCOMPARE(after.at(a), (a < 32 ? before : empty).at(a));
    QCOMPARE(after.last(), before.last());
    // Sections after the alarms are still read.
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetStartToneHz(0, 3, 1), 332);

    QCOMPARE(fx.Save(), O);
    const QByteArray second = SettingsFixture::Read(ModelFileFixture::Path());
    QCOMPARE(second.count("<VOICEALARM>"), 32);
    QCOMPARE(Elements(second, "VOICEALARM"), VoiceAlarmsBelow(first, 32));
    QCOMPARE(Elements(second, "PREFLIGHT"), Elements(first, "PREFLIGHT"));
    ModelFileFixture::SwitchBoard(writer);
  }

  // The text of both sections exactly; none of the list while it is empty.
  void theSectionsText() {
    ModelFileFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerVAlarmGetSetType(2, KLX_DatabaseValues::VALARM_ModeControlled | 1, S, false);
    db.KLX_DataBaseManagerVAlarmGetSetActivator(2, 1285, S, false);
    db.KLX_DataBaseManagerVAlarmGetSetValueStep(2, -250, 2, S, false);
    db.KLX_DataBaseManagerVAlarmGetSetTimeStep(2, -5, S, false);
    db.KLX_DataBaseManagerVAlarmGetSetTeleSourceMain(2, 17, S, false);
    db.KLX_DataBaseManagerVAlarmGetSetTeleSourceSlave(2, 3, S, false);
    db.KLX_DataBaseManagerVAlarmGetSetStaticMsgByAlrmIdx(2, "Climb <fast>", S, false);
    db.KLX_DataBaseManagerVAlarmGetSetTimer(2, 0x83, S, false);
    db.KLX_DataBaseManagerVAlarmGetSetIndividualBit(2, 5, S, false);
    db.KLX_DataBaseManagerVAlarmSetVoiceTextParams(2, "de", "Anna", false);
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    QCOMPARE(fx.Save(), O);
    QByteArray text = SettingsFixture::Read(ModelFileFixture::Path());
    QVERIFY(!text.contains("PREFLIGHT"));
    // The flight-mode alarm of record 0 has no voice: it is given none, and
    // the saved model stays unchanged.
    QCOMPARE(Elements(text, "VOICEALARM"),
             QByteArray("<VOICEALARM><Index>0</Index><Type>4</Type><VoiceIdx>0</VoiceIdx><VLanguage>None</VLanguage>"
                        "<VoiceName>None</VoiceName><Activator>0</Activator><HystAbove>20</HystAbove><HystBelow>-20"
                        "</HystBelow><ValueStep>1</ValueStep><DecPoint>0</DecPoint><TimeStep>0</TimeStep><TeleMain>4"
                        "</TeleMain><TeleSlave>0</TeleSlave><StaticMessage></StaticMessage><VTimerId>255</VTimerId>"
                        "<VSpeakingAlarms>0</VSpeakingAlarms><IndividualBitField>0</IndividualBitField></VOICEALARM>"
                        "<VOICEALARM><Index>2</Index><Type>129</Type><VoiceIdx>0</VoiceIdx><VLanguage>de</VLanguage>"
                        "<VoiceName>Anna</VoiceName><Activator>1285</Activator><HystAbove>20</HystAbove><HystBelow>-20"
                        "</HystBelow><ValueStep>-250</ValueStep><DecPoint>2</DecPoint><TimeStep>-5</TimeStep><TeleMain>"
                        "17</TeleMain><TeleSlave>3</TeleSlave><StaticMessage>Climb &lt;fast&gt;</StaticMessage><VTimerId>"
                        "3</VTimerId><VSpeakingAlarms>2</VSpeakingAlarms><IndividualBitField>5</IndividualBitField>"
                        "</VOICEALARM>"));
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetVoiceTextParams(0), QString("None\tNone"));
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());

    // Listed B then A: written in list order, positions by control.
    db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(kSwB, true, S);
    db.KLX_DataBaseManagerPreflightGetSet_PhyControlID(kSwA, true, S);
    db.KLX_DataBaseManagerPreflightGetSet_ControlPosition(kSwA, -2047, S);
    db.KLX_DataBaseManagerPreflightGetSet_ControlPosition(kSwB, 1000, S);
    db.KLX_DataBaseManagerPreflightGetSet_Accuracy(25, S);
    QCOMPARE(fx.Save(), O);
    text = SettingsFixture::Read(ModelFileFixture::Path());
    QCOMPARE(Elements(text, "PREFLIGHT"),
             "<PREFLIGHT><IsUsed>0</IsUsed><Accuracy>25</Accuracy>" + Control(kSwB, 1000) + Control(kSwA, -2047) +
                 "</PREFLIGHT>");
    // Between the telemetry controls and the receivers; the alarms after the receivers.
    QVERIFY(text.indexOf("<PREFLIGHT>") > text.lastIndexOf("</TELEMETRYCONTROL>"));
    QVERIFY(text.indexOf("<PREFLIGHT>") < text.indexOf("<RECEIVERMAIN>"));
    QVERIFY(text.indexOf("<VOICEALARM>") > text.lastIndexOf("</RECEIVER>"));
    QVERIFY(text.lastIndexOf("</VOICEALARM>") < text.indexOf("<TELESTATUSALARMVOICE>"));
  }

  void aSectionsValues_data() {
    AddSectionLoadColumns();
    // Fields of AlarmValues: 0 type, 1 activator, 2 and 3 hysteresis, 6 time step, 8 slave, 9 timer, 11 voice, 12 text.
    QTest::newRow("Type 256") << V << Alarm("<Type>256</Type>") + kRuntime9 << E << QList<unsigned>{0x515F3} << kRuntime
                              << QVariant();
    QTest::newRow("TeleSlave 300") << V << Alarm("<TeleSlave>300</TeleSlave>") << E << QList<unsigned>{0x515F3}
                                   << kRuntime << QVariant();
    QTest::newRow("HystAbove -32769") << V << Alarm("<HystAbove>-32769</HystAbove>") << E << QList<unsigned>{0x515F3}
                                      << kRuntime << QVariant();
    QTest::newRow("IndividualBitField 256") << V << Alarm("<IndividualBitField>256</IndividualBitField>") << E
                                            << QList<unsigned>{0x515F3} << kRuntime << QVariant();
    QTest::newRow("Index not a number") << V << Alarm("", "<Index>one</Index>") << E << QList<unsigned>{0x5156D}
                                        << kRuntime << QVariant();
    QTest::newRow("no Index: dropped, not under the one before")
        << V << Alarm("<Activator>300</Activator>") + Alarm("<Activator>400</Activator>", "") + kRuntime9 << O
        << QList<unsigned>{0x5156D} << AlarmField(1, 1) << QVariant("300");
    QTest::newRow("no voice: none, not the one before")
        << V << Alarm("<VLanguage>de</VLanguage><VoiceName>Anna</VoiceName>") + Alarm("", "<Index>2</Index>") << O
        << QList<unsigned>{} << AlarmField(2, 11) << QVariant("[]");
    QTest::newRow("alarm 40 on the smaller board dropped")
        << F << Alarm("<Activator>300</Activator>", "<Index>40</Index>") + kRuntime9 << O << QList<unsigned>{}
        << AlarmField(40, 0) << QVariant("192");
    QTest::newRow("alarm 40 on the larger board") << V << Alarm("<Activator>300</Activator>", "<Index>40</Index>") << O
                                                  << QList<unsigned>{} << AlarmField(40, 1) << QVariant("300");
    QTest::newRow("virtual switch keeps the default hysteresis")
        << V << Alarm("<Activator>1285</Activator><HystAbove>500</HystAbove><HystBelow>-500</HystBelow>") << O
        << QList<unsigned>{} << P([](KLX_DataBaseManager& db) { return AlarmValues(db).at(1).section(' ', 2, 4); })
        << QVariant("1285 20 -20");
    QTest::newRow("hysteresis the table refuses")
        << V << Alarm("<Activator>300</Activator><HystAbove>1945</HystAbove>") << O << QList<unsigned>{0x54C02, 0x51507}
        << AlarmField(1, 2) << QVariant("20");
    QTest::newRow("free type drops the alarm") << V << Alarm("<Type>200</Type><Activator>300</Activator>") << O
                                               << QList<unsigned>{0x54C02, 0x51507} << AlarmField(1, 0) << QVariant("192");
    QTest::newRow("message of 200 cut to 128")
        << V << Alarm("<StaticMessage>" + QByteArray(200, 'x') + "</StaticMessage>") << O << QList<unsigned>{}
        << AlarmField(1, 12) << QVariant("[" + QString(128, 'x') + "]");
    QTest::newRow("timer 255") << V << Alarm("<VTimerId>255</VTimerId><VSpeakingAlarms>0</VSpeakingAlarms>") << O
                               << QList<unsigned>{} << AlarmField(1, 9) << QVariant("255");
    QTest::newRow("timer 3 speaking 2") << V << Alarm("<VTimerId>3</VTimerId><VSpeakingAlarms>2</VSpeakingAlarms>") << O
                                        << QList<unsigned>{} << AlarmField(1, 9) << QVariant("131");
    QTest::newRow("negative time step") << V << Alarm("<TimeStep>-5</TimeStep>") << O << QList<unsigned>{}
                                        << AlarmField(1, 6) << QVariant("65531");
    QTest::newRow("alarm child unknown") << V << Alarm("<Voice>x</Voice><Activator>300</Activator>") << O
                                         << QList<unsigned>{0x515EB} << AlarmField(1, 1) << QVariant("300");

    QTest::newRow("IsUsed 2 is on") << V << Preflight("<IsUsed>2</IsUsed>" + Control(kSwA, 5)) << O << QList<unsigned>{}
                                    << kList << QVariant("preflight 1 5 1: 768=5 0=0 0=0");
    QTest::newRow("IsUsed -1") << V << Preflight("<IsUsed>-1</IsUsed>") << E << QList<unsigned>{0x515DE} << kRuntime
                               << QVariant();
    QTest::newRow("Accuracy 0") << V << Preflight("<Accuracy>0</Accuracy>") << E << QList<unsigned>{0x515B8} << kRuntime
                                << QVariant();
    QTest::newRow("Accuracy 26") << V << Preflight("<Accuracy>26</Accuracy>") << E << QList<unsigned>{0x515B8}
                                 << kRuntime << QVariant();
    QTest::newRow("Accuracy 1") << V << Preflight("<Accuracy>1</Accuracy>" + Control(kSwA, 5)) << O
                                << QList<unsigned>{} << kList << QVariant("preflight 0 1 1: 768=5 0=0 0=0");
    QTest::newRow("Accuracy 25") << F << Preflight("<Accuracy>25</Accuracy>" + Control(kSwA, 5)) << O
                                 << QList<unsigned>{} << kList
                                 << QVariant("preflight 0 25 1: 768=5 0=0 0=0");
    QTest::newRow("control no check takes") << V << Preflight(Control(1285, 0)) << E << QList<unsigned>{0x515BB}
                                            << kRuntime << QVariant();
    QTest::newRow("start position -2048") << V << Preflight(Control(kSwA, -2048)) << E << QList<unsigned>{0x515B9}
                                          << kRuntime << QVariant();
    QTest::newRow("entry without control keeps the order")
        << V << Preflight(Control(kSwB, 7) + "<CONTROL><StartPosition>3</StartPosition><Foo/></CONTROL>" + Control(kSwA, -7))
        << O << QList<unsigned>{0x515BA} << kList << QVariant("preflight 0 5 2: 769=7 768=-7 0=0");
    QTest::newRow("preflight child unknown") << V << Preflight("<Foo>1</Foo>" + Control(kSwA, 5)) << O
                                             << QList<unsigned>{0x515BA} << kList
                                             << QVariant("preflight 0 5 1: 768=5 0=0 0=0");
  }
  void aSectionsValues() { CheckSectionLoad(); }

  // A 33rd "CONTROL" has no room in the list: it is reported and skipped,
  // and the 32 before it are taken.
  void aControlBeyondTheListIsSkipped() {
    ModelFileFixture fx;
    QList<int> ids;
    for (int id = 0; id < 4096; ++id)
      if (fx.db.KLX_DataBaseManagerPreflightCheckControl(id)) ids << id;
    QCOMPARE(ids.size(), 26);
    // SW-I (the last) only as the 33rd; 32 entries of the other 25, some twice.
    QByteArray controls;
    for (int n = 0; n < 32; ++n) controls += Control(ids.at(n % 25), n);
    controls += Control(ids.last(), 33);
    QVERIFY(SettingsFixture::Write(ModelFileFixture::Path(), ModelXml(Preflight(controls) + kRuntime9)));
    VornErrorWatch watch;
    QCOMPARE(fx.Load(), O);
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x41500, 0x515BA}));
    QCOMPARE(fx.db.KLX_DataBaseManagerRuntimeGetSet_Runtime(0, G), 9);
    QCOMPARE(fx.db.KLX_DataBaseManagerPreflightGetUsedControls(), 25);
    QCOMPARE(fx.db.KLX_DataBaseManagerPreflightGetSet_ControlPosition(ids.last(), 0, G), int(KLX_Error));
    // A control given twice has the later position.
    QCOMPARE(fx.db.KLX_DataBaseManagerPreflightGetSet_ControlPosition(ids.first(), 0, G), 25);
    QCOMPARE(fx.db.KLX_DataBaseManagerPreflightGetSet_ControlPosition(ids.at(7), 0, G), 7);
  }

  // A timer started, stopped or reset by virtual switch 31 or 32 while that
  // switch is not in use gets none, and the read answers KLX_Done; other
  // switches, and switches in use, stay.
  void timerSwitchesThePostLoadStepClears_data() {
    QTest::addColumn<QByteArray>("switches");
    QTest::addColumn<bool>("switch32Used");
    QTest::addColumn<int>("result");
    QTest::addColumn<QList<int>>("after");
    QTest::newRow("reset by 32, not in use") << QByteArray("<StartVSId>30</StartVSId><ResetVSId>32</ResetVSId>") << false
                                             << int(KLX_Done) << QList<int>{30, 65535, 65535};
    QTest::newRow("start and stop by 31 and 32") << QByteArray("<StartVSId>31</StartVSId><StopVSId>32</StopVSId>")
                                                 << false << int(KLX_Done) << QList<int>{65535, 65535, 65535};
    QTest::newRow("reset by 32, in use") << QByteArray("<ResetVSId>32</ResetVSId>") << true << O
                                         << QList<int>{65535, 65535, 32};
    QTest::newRow("start by 30") << QByteArray("<StartVSId>30</StartVSId>") << false << O
                                 << QList<int>{30, 65535, 65535};
  }
  void timerSwitchesThePostLoadStepClears() {
    QFETCH(QByteArray, switches);
    QFETCH(bool, switch32Used);
    QFETCH(int, result);
    QFETCH(QList<int>, after);
    ModelFileFixture fx;
    const QByteArray used = switch32Used ? "<VIRTSWITCH><Index>32</Index><IsUsed>1</IsUsed></VIRTSWITCH>" : "";
    const QByteArray none = "<StartVSId>65535</StartVSId><StopVSId>65535</StopVSId><ResetVSId>65535</ResetVSId>";
    QVERIFY(SettingsFixture::Write(ModelFileFixture::Path(),
                                   ModelXml(used + "<TIMER><Index>3</Index><IsUsed>1</IsUsed>" + none + switches + "</TIMER>")));
    QCOMPARE(fx.Load(), result);
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE((QList<int>{db.KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(3, 0, G),
                         db.KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw(3, 0, G),
                         db.KLX_DataBaseManagerTimerGetSet_SwitchResetVirtSw(3, 0, G)}),
             after);
  }
};

QTEST_GUILESS_MAIN(TestAlarms)
#include "tst_alarms.moc"
