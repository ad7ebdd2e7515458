// The sections of timers, telemetry, the vario, the announcement list and
// the single values at the end of "DATA": what a load makes of their values
// (kept, cut, dropped, refused with their report), aliases restored with and
// without a page that shows them, the front-plug mode sent to the
// transceiver, and files of the other board.
#include "link/klx_messageids.h"
#include "link/klx_protocol.h"
#include "modelfile/modelfile_fixture.h"
#include "timers/klx_complextimer.h"

using Probe = SectionProbe;

namespace {
const int G = AtomicDirGet;
const int V = KL_BOARD_VORN;
const int F = KL_BOARD_FENK;
const int E = KLX_Error;
const int O = KLX_Ok;

QByteArray Timer(const QByteArray& children, const QByteArray& index = "0") {
  return "<TIMER><Index>" + index + "</Index><IsUsed>1</IsUsed>" + children + "</TIMER>";
}
QByteArray Cmplx(const QByteArray& children, const QByteArray& index = "0") {
  return "<COMPLEXTIMER><Index>" + index + "</Index><IsUsed>1</IsUsed>" + children + "</COMPLEXTIMER>";
}
// Page 0 with element 0 of the given type, its sensor 0 at the address and one value.
QByteArray Page(const QByteArray& type, const QByteArray& address, const QByteArray& value,
                const QByteArray& slave = "<Index>0</Index>") {
  return "<TELEMETRIEPAGE><Index>0</Index><IsUsed>1</IsUsed><ELEMENT><Index>0</Index><IsUsed>1</IsUsed><Type>" + type +
         "</Type><SENSOR><Index>0</Index><IsUsed>1</IsUsed><SensorMainAdress>" + address +
         "</SensorMainAdress><Name>Vario</Name><SLAVE>" + slave + "<IsUsed>1</IsUsed><SensorSlaveAdress>" + value +
         "</SensorSlaveAdress><Name>Climb</Name></SLAVE></SENSOR></ELEMENT></TELEMETRIEPAGE>";
}
QByteArray Aliases(const QByteArray& sensors) { return "<TELEMETRYALIASES>" + sensors + "</TELEMETRYALIASES>"; }
QByteArray Vario(const QByteArray& setup, const QByteArray& fms = QByteArray()) {
  return "<Vario><SETUP>" + setup + "</SETUP>" + fms + "</Vario>";
}
QByteArray Fm(int tone) { return "<SETUP_FM><VarioStartTone>" + QByteArray::number(tone) + "</VarioStartTone></SETUP_FM>"; }
const QByteArray kRuntime9 = "<RUNTIME><Runtime>9</Runtime></RUNTIME>";
int Runtime(KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerRuntimeGetSet_Runtime(0, G); }

Probe P(std::function<QVariant(KLX_DataBaseManager&)> f) { return Probe(std::move(f)); }
}  // namespace

class TestSections : public QObject {
  Q_OBJECT

 private slots:
  void aSectionsValues_data() {
    AddSectionLoadColumns();

    const auto startHour = P([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerTimerGetSet_StartTimeHour(0, 0, G); });
    const auto startMinute =
        P([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerTimerGetSet_StartTimeMinute(0, 0, G); });
    QTest::newRow("timer minute 257 kept in 8 bits") << V << Timer("<StartMinute>257</StartMinute>") << O
                                                     << QList<unsigned>{} << startMinute << QVariant(1);
    QTest::newRow("timer minute -255 kept in 8 bits") << V << Timer("<StartMinute>-255</StartMinute>") << O
                                                      << QList<unsigned>{} << startMinute << QVariant(1);
    QTest::newRow("timer hour beyond 16 bits") << V << Timer("<StartHour>32768</StartHour>") << E
                                               << QList<unsigned>{0x515E0} << startHour << QVariant(0);
    QTest::newRow("stored value without keep")
        << V << Timer("<KeepLastValue>0</KeepLastValue><StoredValue>5000</StoredValue>") << O << QList<unsigned>{}
        << P([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerTimerGetSet_ValueStored(0, 0, G); })
        << QVariant(0);
    QTest::newRow("timer switch none passed on")
        << V << Timer("<StartVSId>65535</StartVSId>") << O << QList<unsigned>{}
        << P([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(0, 0, G); })
        << QVariant(65535);
    QTest::newRow("timer 8 refused") << V << Timer("", "8") + kRuntime9 << E << QList<unsigned>{0x515D4}
                                     << P(Runtime) << QVariant(0);
    QTest::newRow("timer 7 of the larger board dropped on the smaller")
        << F << Timer("<Name>Seven</Name>", "7") + kRuntime9 << O << QList<unsigned>{} << P(Runtime) << QVariant(9);
    QTest::newRow("timer unknown child skipped") << V << Timer("<Foo>1</Foo>") << O << QList<unsigned>{0x515D3}
                                                 << P([](KLX_DataBaseManager& db) {
                                                      return db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 0, G);
                                                    })
                                                 << QVariant(1);

    const auto cmplxHour = P([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerCmplxTimerGetSet_StartHour(0, 0, G); });
    QTest::newRow("complex hour -1 refused") << V << Cmplx("<TmrStartHour>-1</TmrStartHour>") << E
                                             << QList<unsigned>{0x515E0} << cmplxHour << QVariant(0);
    QTest::newRow("complex hour 32768 refused") << V << Cmplx("<TmrStartHour>32768</TmrStartHour>") << E
                                                << QList<unsigned>{0x515E0} << cmplxHour << QVariant(0);
    QTest::newRow("complex hour 32767 held to the screens' 499")
        << V << Cmplx("<TmrStartHour>32767</TmrStartHour>") << O << QList<unsigned>{} << cmplxHour << QVariant(499);
    // The time shown after the load, then after one second of running (the
    // time shown is the one before each tick's step).
    const auto cmplxRun = P([](KLX_DataBaseManager& db) {
      KLX_ComplexTimer& store = *db.KLX_DataBaseManagerComplexTimerStore();
      const QString loaded = db.KLX_DataBaseManagerCmplxTimerGetActualTime_String(0, true);
      CControl start;
      start.SetID(1280);
      start.SetValue(2047);
      store.KLX_ComplexTimerGetSet_Control(0, TimerStatusStart, 1280, &start, AtomicDirSet);
      store.KLX_ComplexTimerCalculate(0, 1000);
      store.KLX_ComplexTimerCalculate(0, 0);
      return loaded + " then " + db.KLX_DataBaseManagerCmplxTimerGetActualTime_String(0, true);
    });
    const QVariant from499 = QString("499:00:00 then 498:59:59");
    for (const char* hours : {"597", "1000", "32767"})
      QTest::newRow(qPrintable(QStringLiteral("complex %1 h runs down from 499 h").arg(hours)))
          << V << Cmplx(QByteArray("<TmrStartHour>") + hours + "</TmrStartHour>") << O << QList<unsigned>{} << cmplxRun
          << from499;
    const QByteArray longText(200, 'x');
    QTest::newRow("alarm message cut to 127 characters")
        << V << Cmplx("<TIMERALARM><Index>2</Index><AlrmType>3</AlrmType><TextMessg>" + longText + "</TextMessg></TIMERALARM>")
        << O << QList<unsigned>{}
        << P([](KLX_DataBaseManager& db) {
             return db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(0, 2, QString(), G).size();
           })
        << QVariant(127);
    QTest::newRow("alarm 7 refused") << V << Cmplx("<TIMERALARM><Index>7</Index></TIMERALARM>") << E
                                     << QList<unsigned>{0x215F7} << cmplxHour << QVariant(0);
    QTest::newRow("alarm type of a multiple of 8 not loaded")
        << V << Cmplx("<TIMERALARM><Index>1</Index><AlrmType>16</AlrmType><RepeatIntrvl>33</RepeatIntrvl></TIMERALARM>")
        << O << QList<unsigned>{}
        << P([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(0, 1, 0, G); })
        << QVariant(10);

    const auto mainAddress = P([](KLX_DataBaseManager& db) {
      return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(0, 0, 0, 0, G);
    });
    const auto valueUsed = P([](KLX_DataBaseManager& db) {
      return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(0, 0, 0, 0, 0, G);
    });
    QTest::newRow("timer widget shows no sensor") << V << Page("1", "17", "3") << O << QList<unsigned>{} << mainAddress
                                                  << QVariant(0);
    QTest::newRow("value widget keeps its sensor") << V << Page("4", "17", "3") << O << QList<unsigned>{} << mainAddress
                                                   << QVariant(17);
    QTest::newRow("own sensor value 12 on the smaller board") << F << Page("4", "4", "12") << O << QList<unsigned>{}
                                                              << valueUsed << QVariant(0);
    QTest::newRow("own sensor value 12 on the larger board") << V << Page("4", "4", "12") << O << QList<unsigned>{}
                                                             << valueUsed << QVariant(1);
    QTest::newRow("value without index") << V << Page("4", "17", "3", "") << E << QList<unsigned>{0x515B0} << valueUsed
                                         << QVariant(0);
    QTest::newRow("value 32") << V << Page("4", "17", "3", "<Index>32</Index>") << E << QList<unsigned>{0x21599}
                              << valueUsed << QVariant(0);
    QTest::newRow("page without index") << V << "<TELEMETRIEPAGE><IsUsed>1</IsUsed></TELEMETRIEPAGE>" + kRuntime9 << E
                                        << QList<unsigned>{0x51516} << P(Runtime) << QVariant(0);
    QTest::newRow("threshold beyond 16 bits")
        << V << Page("4", "17", "3", "<Index>0</Index><RedAlertBelow>-32769</RedAlertBelow>") << E
        << QList<unsigned>{0x215A9} << valueUsed << QVariant(0);

    QTest::newRow("sensor address 255 refused") << V << Aliases("<Sensor><MainAddr>255</MainAddr></Sensor>") << E
                                                << QList<unsigned>{0x21597, 0x51516} << P(Runtime) << QVariant(0);
    QTest::newRow("value address 32 refused")
        << V << Aliases("<Sensor><MainAddr>5</MainAddr><Slave><SlaveAddr>32</SlaveAddr></Slave></Sensor>") << E
        << QList<unsigned>{0x215A7, 0x51516} << P(Runtime) << QVariant(0);
    QTest::newRow("value alias before its address dropped")
        << V
        << Aliases("<Sensor><MainAddr>5</MainAddr><Slave><SlaveAlias>Lost</SlaveAlias><SlaveAddr>3</SlaveAddr></Slave>"
                   "</Sensor>")
        << O << QList<unsigned>{}
        << P([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(5, 3, QString(), G); })
        << QVariant(QString());

    const auto teleName = P([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerTeleControlGetSet_Name(2, QString(), G); });
    QTest::newRow("telemetry control 16 refused") << V << QByteArray("<TELEMETRYCONTROL><Index>16</Index></TELEMETRYCONTROL>") << E
                                                  << QList<unsigned>{0x5158E} << teleName << QVariant(QString());
    QTest::newRow("telemetry control without name")
        << V << QByteArray("<TELEMETRYCONTROL><Index>2</Index><IsUsed>1</IsUsed><LimitHigh>900</LimitHigh></TELEMETRYCONTROL>") << O
        << QList<unsigned>{} << teleName << QVariant(QString("telecontrol"));
    QTest::newRow("telemetry control upper limit")
        << V << QByteArray("<TELEMETRYCONTROL><Index>2</Index><IsUsed>1</IsUsed><LimitHigh>900</LimitHigh></TELEMETRYCONTROL>") << O
        << QList<unsigned>{}
        << P([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerTeleControlGetSet_Limit(2, true, 0, G); })
        << QVariant(900);
    QTest::newRow("telemetry control 5 dropped on the smaller board")
        << F << "<TELEMETRYCONTROL><Index>5</Index><IsUsed>1</IsUsed></TELEMETRYCONTROL>" + kRuntime9 << O
        << QList<unsigned>{} << P(Runtime) << QVariant(9);

    const auto tone = [](int fm) {
      return P([fm](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerVarioGetSetStartToneHz(0, fm, 1); });
    };
    QTest::newRow("vario flight modes of the mask")
        << V << Vario("<Vario_FM_Mask>10</Vario_FM_Mask>", Fm(400) + Fm(450)) << O << QList<unsigned>{} << tone(3)
        << QVariant(450);
    QTest::newRow("vario flight mode outside the mask keeps its default")
        << V << Vario("<Vario_FM_Mask>10</Vario_FM_Mask>", Fm(400) + Fm(450)) << O << QList<unsigned>{} << tone(2)
        << QVariant(270);
    // Flight mode 12 is beyond the smaller board's nine: the rest of the
    // section is passed over and the sections after it are still read.
    QTest::newRow("vario flight mode beyond the board, later sections read")
        << F << Vario("<Vario_FM_Mask>4098</Vario_FM_Mask>", Fm(400) + Fm(500)) + kRuntime9 << O << QList<unsigned>{}
        << P(Runtime) << QVariant(9);
    QTest::newRow("vario units 2 reported, load goes on")
        << V << Vario("<VarioUnitsImperial>2</VarioUnitsImperial><Vario_FM_Mask>0</Vario_FM_Mask>") << O
        << QList<unsigned>{0x328B3}
        << P([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerVarioGetUnitsSystem(); }) << QVariant(0);
    QTest::newRow("vario control no number") << V << Vario("<VARIOCTL>x</VARIOCTL>") + kRuntime9 << E
                                             << QList<unsigned>{0x515B4} << P(Runtime) << QVariant(0);
    QTest::newRow("vario flight mode value no number ends the load")
        << V << Vario("<Vario_FM_Mask>2</Vario_FM_Mask>", "<SETUP_FM><VarioKPos>y</VarioKPos></SETUP_FM>") + kRuntime9
        << E << QList<unsigned>{0x328AE} << P(Runtime) << QVariant(0);

    const auto forward = P([](KLX_DataBaseManager& db) { return db.KLX_GetTTSLForwardControl(); });
    QTest::newRow("list steps forward on virtual switch 5")
        << V << QByteArray("<TTSLHandling><ForwardSwId>1285</ForwardSwId></TTSLHandling>") << O << QList<unsigned>{} << forward
        << QVariant(1285);
    QTest::newRow("list ignores a physical control") << V << QByteArray("<TTSLHandling><ForwardSwId>256</ForwardSwId></TTSLHandling>")
                                                     << O << QList<unsigned>{} << forward << QVariant(65535);
    QTest::newRow("list switch 1360 beyond the smaller board")
        << F << QByteArray("<TTSLHandling><ForwardSwId>1360</ForwardSwId></TTSLHandling>") << O << QList<unsigned>{} << forward
        << QVariant(65535);
    QTest::newRow("list switch no number reported")
        << V << "<TTSLHandling><ForwardSwId>x</ForwardSwId></TTSLHandling>" + kRuntime9 << O
        << QList<unsigned>{0x215FD} << P(Runtime) << QVariant(9);

    const auto alarmVoice = P([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerGetAlarmVoiceTextParams(-2); });
    QTest::newRow("voice child of another name skipped")
        << V << QByteArray("<TELEALARMVOICE><Voice>x</Voice><VLanguage>de</VLanguage></TELEALARMVOICE>") << O
        << QList<unsigned>{0x515EB} << alarmVoice << QVariant(QString("de\tNone"));
    QTest::newRow("front plug mode no number") << V << "<SERVOPPMMODE>-70050</SERVOPPMMODE>" + kRuntime9 << O
                                               << QList<unsigned>{0x515B5} << P(Runtime) << QVariant(9);
    QTest::newRow("teacher switch negative") << V << QByteArray("<TEACHERPUPILSWITCHCONTROL>-5</TEACHERPUPILSWITCHCONTROL>") << O
                                             << QList<unsigned>{0x315BC} << P(Runtime) << QVariant(0);
  }
  void aSectionsValues() { CheckSectionLoad(); }

  // Every alias of the file reaches the telemetry store, shown on a page or
  // not, and every widget that shows its sensor.
  void aliasesWithAndWithoutAPage() {
    ModelFileFixture fx;
    const QByteArray aliases =
        Aliases("<Sensor><MainAddr>17</MainAddr><SensorAlias>Vario A</SensorAlias><Slave><SlaveAddr>3</SlaveAddr>"
                "<SlaveAlias>Up</SlaveAlias></Slave></Sensor><Sensor><MainAddr>40</MainAddr>"
                "<SensorAlias>Unseen</SensorAlias></Sensor>");
    QVERIFY(SettingsFixture::Write(ModelFileFixture::Path(), ModelXml(Page("4", "17", "3") + aliases)));
    QCOMPARE(fx.Load(), int(KLX_Ok));
    KLX_DataBaseManager& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetSetSensorAlias(17, QString(), G), QString("Vario A"));
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(17, 3, QString(), G), QString("Up"));
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetSetSensorAlias(40, QString(), G), QString("Unseen"));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_SensorAlias(0, 0, 0, QString(), G), QString("Vario A"));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_SlaveAlias(0, 0, 0, 0, QString(), G), QString("Up"));

    // Saved and loaded again, the unseen alias stays.
    QCOMPARE(fx.Save(), int(KLX_Ok));
    const QByteArray text = SettingsFixture::Read(ModelFileFixture::Path());
    QCOMPARE(Elements(text, "TELEMETRYALIASES"),
             QByteArray("<TELEMETRYALIASES><Sensor><MainAddr>17</MainAddr><SensorAlias>Vario A</SensorAlias><Slave>"
                        "<SlaveAddr>3</SlaveAddr><SlaveAlias>Up</SlaveAlias></Slave></Sensor><Sensor><MainAddr>40"
                        "</MainAddr><SensorAlias>Unseen</SensorAlias></Sensor></TELEMETRYALIASES>"));
    db.KLX_DataBaseManagerResetAllModelData();
    QCOMPARE(fx.Load(), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetSetSensorAlias(40, QString(), G), QString("Unseen"));

    // Aliases before the pages: the pages take them from the store.
    QVERIFY(SettingsFixture::Write(ModelFileFixture::Path(), ModelXml(aliases + Page("4", "17", "3"))));
    QCOMPARE(fx.Load(), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_SensorAlias(0, 0, 0, QString(), G), QString("Vario A"));
    // Without aliases the widget shows the names.
    QVERIFY(SettingsFixture::Write(ModelFileFixture::Path(), ModelXml(Page("4", "17", "3"))));
    QCOMPARE(fx.Load(), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_SensorAlias(0, 0, 0, QString(), G), QString("Vario"));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_SlaveAlias(0, 0, 0, 0, QString(), G), QString("Climb"));
  }

  // The mode goes to the transceiver, which answers with the mode it took.
  void theFrontPlugModeIsSentToTheTransceiver() {
    ModelFileFixture fx;
    QVERIFY(SettingsFixture::Write(ModelFileFixture::Path(), ModelXml("<SERVOPPMMODE>1</SERVOPPMMODE>")));
    fx.Drop();
    QCOMPARE(fx.Load(), int(KLX_Ok));
    QList<QByteArray> sent;
    for (const KLX_Message& m : fx.Sent())
      if (m.id == KLX_MSG_FRONT_PLUG_MODE) sent << m.data;
    QCOMPARE(sent, QList<QByteArray>{QByteArray("\x01\x01", 2)});
  }

  // A save keeps a mode, never the read's "ask again": the one asked of the
  // transceiver and not answered yet, else the one it reported, else servo.
  void theFrontPlugModeSaved_data() {
    QTest::addColumn<QStringList>("events");  // "reported n" by the transceiver, "asked n" of it
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("never reported") << QStringList{} << QByteArray("0");
    QTest::newRow("reported") << QStringList{"reported 0", "reported 1"} << QByteArray("1");
    QTest::newRow("asked, not answered") << QStringList{"asked 1"} << QByteArray("1");
    QTest::newRow("reported, then asked") << QStringList{"reported 0", "asked 1"} << QByteArray("1");
    QTest::newRow("asked, refused") << QStringList{"asked 1", "reported 0"} << QByteArray("0");
  }
  void theFrontPlugModeSaved() {
    QFETCH(QStringList, events);
    QFETCH(QByteArray, saved);
    ModelFileFixture fx;
    for (const QString& event : events) {
      const int mode = event.section(' ', 1).toInt();
      if (event.startsWith("reported"))
        fx.db.KLX_DatabaseManagerGetSetFrontPlugModeInSystemProp(mode, 2);
      else
        QCOMPARE(fx.db.KLX_DatabaseManagerGetSetFrontPlugMode(mode, AtomicDirSet), int(KLX_MustPollAgain));
    }
    QCOMPARE(fx.Save(), int(KLX_Ok));
    QCOMPARE(Elements(SettingsFixture::Read(ModelFileFixture::Path()), "SERVOPPMMODE"),
             "<SERVOPPMMODE>" + saved + "</SERVOPPMMODE>");
  }

  // The sections of a full model written on one board and read on the
  // other: what the running board lacks is dropped, the rest comes back.
  void filesOfTheOtherBoard_data() {
    QTest::addColumn<int>("writer");
    QTest::addColumn<int>("reader");
    QTest::newRow("larger to smaller") << V << F;
    QTest::newRow("smaller to larger") << F << V;
  }
  void filesOfTheOtherBoard() {
    QFETCH(int, writer);
    QFETCH(int, reader);
    ModelFileFixture fx(writer);
    KLX_TestBuildFullModel(&fx.db, 2);
    QCOMPARE(fx.Save(), int(KLX_Ok));
    ModelFileFixture::SwitchBoard(reader);
    fx.db.KLX_DataBaseManagerResetAllModelData();
    QCOMPARE(fx.Load(), int(KLX_Ok));
    KLX_DataBaseManager& db = fx.db;
    const int timers = db.KLX_DataBaseManagerGetMaxTimer(false);
    QCOMPARE(timers, reader == V ? 8 : 4);
    for (int t = 0; t < 8; ++t) {
      const int expected = t < timers && t < (writer == V ? 8 : 4) ? 1 : 0;
      QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_IsUsed(t, 0, G), expected);
      QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(t, 0, G), expected);
    }
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_Name(3, QString(), G), QString("Tm3-2"));
    QCOMPARE(db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(2, 6, QString(), G), QString::fromUtf8("Alarm 6 of 2 \xc3\xa9"));
    // Sections after the vario are read on either board.
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetStartToneHz(0, 3, 1), 332);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_LabelText(9, 5, QString(), G), QString("Label 9/2"));
    ModelFileFixture::SwitchBoard(writer);
  }
};

QTEST_GUILESS_MAIN(TestSections)
#include "tst_sections.moc"
