// What a load makes of a file: refused files (wrong root, version, damaged,
// cut short, a value too wide for its field, an index out of range) leave
// an empty model and their report; accepted ones are loaded with the name
// checked, unknown elements reported and skipped, values out of the store's
// range replaced and reported, and the post-load step's adjustments saved.
#include <functional>

#include "link/klx_messageids.h"
#include "modelfile/modelfile_fixture.h"

using Probe = std::function<int(KLX_DataBaseManager&)>;
Q_DECLARE_METATYPE(Probe)

namespace {
const int G = AtomicDirGet;
int FunctionUsed(KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 0, G); }
int Runtime(KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerRuntimeGetSet_Runtime(0, G); }
int ServoUsed(int servo, KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(servo, 0, G); }

const QByteArray kFunction0 = "<FUNCTION><Index>0</Index><IsUsed>1</IsUsed><TrimMode>9</TrimMode></FUNCTION>";
const QByteArray kSwitch3 = "<VIRTSWITCH><Index>3</Index><IsUsed>1</IsUsed></VIRTSWITCH>";

// Sequencer 0 in use, its track 0 on servo 3 with the given waypoint(s).
QByteArray Sequencer(const QByteArray& waypoints, const QByteArray& servo = "<SEQChannel>0</SEQChannel><Index>3</Index>",
                     const QByteArray& index = "0") {
  return "<SEQUENCER><Index>" + index + "</Index><IsUsed>1</IsUsed><SERVO>" + servo + waypoints +
         "</SERVO></SEQUENCER>";
}
QByteArray Forward(int point, const QByteArray& values) {
  return "<WAYPOINT><Index>" + QByteArray::number(point) + "</Index><FORWARD>" + values + "</FORWARD></WAYPOINT>";
}
int SeqTime(KLX_DataBaseManager& db, int point) {
  return db.KLX_DataBaseManagerSequencerGetSet_TimePoint(0, 0, 0, point, 0, G);
}
int SeqPosition(KLX_DataBaseManager& db, int point) {
  return db.KLX_DataBaseManagerSequencerGetSet_SrvPosition(0, 0, 0, point, 0, G);
}
int SeqUsed(KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 0, G); }
int TrackServo(KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerSequencerGetSet_Servo(0, 0, 0, G); }

QByteArray Receiver(const QByteArray& children) { return "<RECEIVER>" + children + "</RECEIVER>"; }
int ReceiversUsed(KLX_DataBaseManager& db) {
  int n = 0;
  for (int i = 0; i < KLX_Receiver::kSlots; ++i) n += db.KLX_DataBaseManagerIsReceiverUsed(i) ? 1 : 0;
  return n;
}

QByteArray Controls(int count, const QByteArray& extra = QByteArray()) {
  QByteArray out;
  for (int i = 0; i < count; ++i)
    out += "<CONTROLS><Index>" + QByteArray::number(i) + "</Index><Control>" + QByteArray::number(1280 + i) +
           "</Control>" + (i == 0 ? extra : QByteArray()) + "</CONTROLS>";
  return out;
}
int TableEntry(KLX_DataBaseManager& db, int entry) {
  return db.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(entry, 0, G);
}
}  // namespace

class TestRead : public QObject {
  Q_OBJECT

 private slots:
  void aFileIsRefusedOrLoaded_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("result");
    QTest::addColumn<QList<unsigned>>("codes");  // after 0x41500, the start of the load
    QTest::addColumn<Probe>("probe");
    QTest::addColumn<int>("probed");
    const int V = KL_BOARD_VORN;
    const int E = KLX_Error;
    const int O = KLX_Ok;

    QTest::newRow("root other than modelfile") << V << ModelXml(kFunction0, "Glider", "modelfil") << E
                                               << QList<unsigned>{0x21505} << Probe(FunctionUsed) << 0;
    QTest::newRow("version other than 1.0") << V << ModelXml(kFunction0, "Glider", "modelfile", "1.1") << E
                                            << QList<unsigned>{0x21505} << Probe(FunctionUsed) << 0;
    QTest::newRow("model name differs") << V << ModelXml(kFunction0, "glider") << O << QList<unsigned>{0x21504}
                                        << Probe(FunctionUsed) << 1;
    QTest::newRow("empty file") << V << QByteArray() << E << QList<unsigned>{0x2150C} << Probe(FunctionUsed) << 0;
    QTest::newRow("cut inside a section") << V << ModelXml(kSwitch3 + kFunction0).left(260) << E
                                          << QList<unsigned>{0x2150B}
                                          << Probe([](KLX_DataBaseManager& db) {
                                               return db.KLX_DataBaseManagerSwitchGetSet_IsUsed(3, 0, G);
                                             })
                                          << 0;
    QTest::newRow("cut after the sections") << V << ModelXml(kFunction0).left(ModelXml(kFunction0).indexOf("</DATA>"))
                                            << E << QList<unsigned>{0x2150B} << Probe(FunctionUsed) << 0;
    // A file no bigger than a model of ours gets beyond 8 MiB, whatever it holds.
    QTest::newRow("beyond 8 MiB") << V << ModelXml(kFunction0 + QByteArray(8 * 1024 * 1024, ' ')) << E
                                  << QList<unsigned>{0x215F3} << Probe(FunctionUsed) << 0;
    QTest::newRow("a name that is not UTF-8") << V << ModelXml(kFunction0, "Gl\xe4ser") << E
                                              << QList<unsigned>{0x215F4} << Probe(FunctionUsed) << 0;
    QTest::newRow("an overlong form is not UTF-8") << V << ModelXml(kFunction0, "Glider\xc0\xaf") << E
                                                   << QList<unsigned>{0x215F4} << Probe(FunctionUsed) << 0;
    QTest::newRow("unknown elements beyond the first hundred counted")
        << V << ModelXml(QByteArray("<UNKNOWN/>").repeated(150) + kFunction0) << O
        << QVector<unsigned>(100, 0x51511).toList() + QList<unsigned>{0x515F5} << Probe(FunctionUsed) << 1;
    QTest::newRow("section named in other case") << V << ModelXml("<runtime><Runtime>5</Runtime></runtime>") << 1
                                                 << QList<unsigned>{0x51511} << Probe(Runtime) << 0;
    QTest::newRow("children of a section skipped whole, one named like a section")
        << V << ModelXml("<PREFLIGHT><Index>0</Index><RUNTIME/></PREFLIGHT><RUNTIME><Runtime>9</Runtime></RUNTIME>") << 1
        << QList<unsigned>{0x515BA, 0x515BA} << Probe(Runtime) << 9;
    QTest::newRow("value too wide for its field")
        << V << ModelXml("<SERVOCONFIG><Index>0</Index><IsUsed>1</IsUsed><CutOffVirtSwitchId>256</CutOffVirtSwitchId>"
                         "</SERVOCONFIG>")
        << E << QList<unsigned>{0x21588} << Probe([](KLX_DataBaseManager& db) { return ServoUsed(0, db); }) << 0;
    QTest::newRow("value beyond the store's range replaced")
        << V << ModelXml("<SERVOCONFIG><Index>0</Index><IsUsed>1</IsUsed><FrameRate>50</FrameRate></SERVOCONFIG>")
        << O << QList<unsigned>{0x51507}
        << Probe([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerServoConfigGetSet_FrameRate(0, 0, G); })
        << 9;
    QTest::newRow("text that is no number") << V << ModelXml("<SILENT_MODE><SilentMode>1.5</SilentMode></SILENT_MODE>")
                                            << E << QList<unsigned>{0x515EE} << Probe(Runtime) << 0;
    QTest::newRow("function index 48") << V << ModelXml("<FUNCTION><Index>48</Index></FUNCTION>") << E
                                       << QList<unsigned>{0x21536} << Probe(FunctionUsed) << 0;
    QTest::newRow("setup without index")
        << V << ModelXml("<FUNCTION><Index>0</Index><SETUP><CurveIdx>3</CurveIdx></SETUP></FUNCTION>") << E
        << QList<unsigned>{0x51526} << Probe(FunctionUsed) << 0;
    QTest::newRow("curve point 33") << V << ModelXml("<CURVE><Index>1</Index><POINT><Index>33</Index></POINT></CURVE>")
                                    << E << QList<unsigned>{0x21514} << Probe(FunctionUsed) << 0;
    QTest::newRow("switch input without index")
        << V << ModelXml("<VIRTSWITCH><Index>0</Index><SWITCHDATA><Control>5</Control></SWITCHDATA></VIRTSWITCH>") << E
        << QList<unsigned>{0x515BE} << Probe(FunctionUsed) << 0;
    QTest::newRow("special switch below -32768")
        << V << ModelXml("<SWITCHCONFIGURATION><CONTROLS><Index>0</Index><Value>-32769</Value></CONTROLS>"
                         "</SWITCHCONFIGURATION>")
        << E << QList<unsigned>{0x215F0} << Probe(FunctionUsed) << 0;
    QTest::newRow("unknown child skipped")
        << V << ModelXml("<FUNCTION><Index>0</Index><Comment><TrimMode>3</TrimMode></Comment><TrimMode>9</TrimMode>"
                         "</FUNCTION>")
        << O << QList<unsigned>{0x51525}
        << Probe([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerFunctionGetSet_Trim_Mode(0, 0, G); })
        << 9;
    QTest::newRow("unknown child of the function order skipped, later sections read")
        << V << ModelXml("<FUNCTIONORDER><NextFuncIndex>3</NextFuncIndex><Foo><NextFuncIndex>9</NextFuncIndex></Foo>"
                         "<NextFuncIndex>1</NextFuncIndex></FUNCTIONORDER><RUNTIME><Runtime>7</Runtime></RUNTIME>")
        << O << QList<unsigned>{0x51525}
        << Probe([](KLX_DataBaseManager& db) {
             return db.KLX_DataBaseManagerFunctionGetDisplayedOrder() == QList<int>{3, 1} ? Runtime(db) : -1;
           })
        << 7;
    QTest::newRow("negative expo taken from the positive")
        << V << ModelXml("<FUNCTION><Index>0</Index><SETUP><Index>2</Index><CurveIdx>4</CurveIdx>"
                         "<FlexExpoHi>30</FlexExpoHi></SETUP></FUNCTION>")
        << O << QList<unsigned>{}
        << Probe([](KLX_DataBaseManager& db) {
             return db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoNegHi(0, 2, 0, G);
           })
        << 30;
    QTest::newRow("masks a file leaves out follow the flags")
        << V << ModelXml("<FUNCTION><Index>0</Index><FunctionFlags>8</FunctionFlags></FUNCTION>"
                         "<MIXER><Index>1</Index><MixerFlags>0</MixerFlags></MIXER>")
        << O << QList<unsigned>{}
        << Probe([](KLX_DataBaseManager& db) {
             const bool masks = db.KLX_DataBaseManagerFunctionGetSet_FunctionSingleMask(0, 0u, G) == 0x1FFE &&
                                db.KLX_DataBaseManagerFunctionGetSet_FunctionDiffSingleMask(0, 0u, G) == 0x1FFE;
             return masks ? db.KLX_DataBaseManagerMixerGetSet_SingleMask(1, 0u, G) : -1;
           })
        << 0x1FFE;
    QTest::newRow("a curve not in use frees only the slots that name it")
        << V
        << ModelXml("<SERVOCONFIG><Index>0</Index><IsUsed>1</IsUsed>"
                    "<SERVOMIXER><Index>0</Index><SourceType>4</SourceType><ServoCurveIndex>5</ServoCurveIndex>"
                    "<FuncTravelFuncIndex>1</FuncTravelFuncIndex></SERVOMIXER>"
                    "<SERVOMIXER><Index>1</Index><SourceType>3</SourceType><ServoCurveIndex>6</ServoCurveIndex>"
                    "<FuncTravelFuncIndex>2</FuncTravelFuncIndex></SERVOMIXER></SERVOCONFIG>"
                    "<CURVE><Index>5</Index><IsUsed>0</IsUsed></CURVE>")
        << O << QList<unsigned>{}
        << Probe([](KLX_DataBaseManager& db) {
             return 10 * db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_SourceType(0, 0, 0, G) +
                    db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_SourceType(0, 1, 0, G);
           })
        << 23;
    QTest::newRow("servo beyond the smaller board dropped")
        << int(KL_BOARD_FENK) << ModelXml("<SERVOCONFIG><Index>25</Index><IsUsed>1</IsUsed></SERVOCONFIG>") << 1
        << QList<unsigned>{} << Probe([](KLX_DataBaseManager& db) { return ServoUsed(25, db); }) << 0;

    // Sequencer waypoints: times up to 60 s, positions from -2048 (none) up.
    QTest::newRow("sequencer time 6000")
        << V << ModelXml(Sequencer(Forward(6, "<TimeValue>6000</TimeValue><Position>20</Position>"))) << O
        << QList<unsigned>{} << Probe([](KLX_DataBaseManager& db) { return SeqTime(db, 6); }) << 6000;
    QTest::newRow("sequencer time 6001")
        << V << ModelXml(Sequencer(Forward(6, "<TimeValue>6001</TimeValue>"))) << E << QList<unsigned>{0x2156F}
        << Probe(SeqUsed) << 0;
    QTest::newRow("sequencer position -2048 is none and takes no time")
        << V << ModelXml(Sequencer(Forward(1, "<Position>-2048</Position><TimeValue>300</TimeValue>"))) << O
        << QList<unsigned>{}
        << Probe([](KLX_DataBaseManager& db) { return SeqPosition(db, 1) == -2048 ? SeqTime(db, 1) : -1; }) << 0;
    QTest::newRow("sequencer position 2047 kept at 200 %")
        << V << ModelXml(Sequencer(Forward(1, "<Position>2047</Position>"))) << O << QList<unsigned>{0x51507}
        << Probe([](KLX_DataBaseManager& db) { return SeqPosition(db, 1); }) << 200;
    QTest::newRow("sequencer position 2048")
        << V << ModelXml(Sequencer(Forward(1, "<Position>2048</Position>"))) << E << QList<unsigned>{0x21559}
        << Probe(SeqUsed) << 0;
    QTest::newRow("sequencer repeated time not kept")
        << V << ModelXml(Sequencer(Forward(2, "<TimeValue>40</TimeValue><TimeValue>90</TimeValue>"))) << O
        << QList<unsigned>{0x51572} << Probe([](KLX_DataBaseManager& db) { return SeqTime(db, 2); }) << 40;
    QTest::newRow("sequencer index 2") << V << ModelXml(Sequencer(QByteArray(), QByteArray(), "2")) << E
                                       << QList<unsigned>{0x5159A} << Probe(SeqUsed) << 0;
    QTest::newRow("sequencer servo 26")
        << V << ModelXml(Sequencer(QByteArray(), "<Index>26</Index>")) << E << QList<unsigned>{0x2159E}
        << Probe(SeqUsed) << 0;
    QTest::newRow("sequencer channel 6")
        << V << ModelXml(Sequencer(QByteArray(), "<SEQChannel>6</SEQChannel>")) << E << QList<unsigned>{0x2159F}
        << Probe(SeqUsed) << 0;
    QTest::newRow("sequencer waypoint 7") << V << ModelXml(Sequencer(Forward(7, QByteArray()))) << E
                                          << QList<unsigned>{0x21569} << Probe(SeqUsed) << 0;
    QTest::newRow("sequencer waypoint before the track's servo keeps nothing")
        << V
        << ModelXml(Sequencer("<SEQChannel>0</SEQChannel>" + Forward(1, "<TimeValue>50</TimeValue>") +
                              "<Index>3</Index>", QByteArray()))
        << O << QList<unsigned>{} << Probe([](KLX_DataBaseManager& db) { return TrackServo(db) * 10000 + SeqTime(db, 1); })
        << 260000;
    QTest::newRow("sequencer without name and thresholds")
        << V << ModelXml("<SEQUENCER><Index>0</Index><IsUsed>1</IsUsed></SEQUENCER>") << O << QList<unsigned>{}
        << Probe([](KLX_DataBaseManager& db) {
             const bool named = db.KLX_DataBaseManagerSequencerGetSet_Name(0, QString(), G) == "sequencer";
             return named ? db.KLX_DataBaseManagerSequencerGetSet_Threshold(0, true, 0, G) * 100 +
                                db.KLX_DataBaseManagerSequencerGetSet_Threshold(0, false, 0, G)
                          : -1;
           })
        << 2475;
    QTest::newRow("sequencer name cut to 46 bytes")
        << V << ModelXml("<SEQUENCER><Index>0</Index><Name>" + QByteArray(60, 'n') + "</Name><IsUsed>1</IsUsed></SEQUENCER>")
        << O << QList<unsigned>{}
        << Probe([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerSequencerGetSet_Name(0, QString(), G).size(); })
        << 46;
    QTest::newRow("sequencer 1 dropped on the smaller board")
        << int(KL_BOARD_FENK) << ModelXml(Sequencer(QByteArray(), QByteArray(), "1")) << O << QList<unsigned>{}
        << Probe([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerSequencerGetSet_IsUsed(1, 0, G); }) << 0;
    QTest::newRow("sequencer track on servo 20 dropped on the smaller board")
        << int(KL_BOARD_FENK)
        << ModelXml(Sequencer(Forward(0, "<TimeValue>10</TimeValue>"), "<SEQChannel>0</SEQChannel><Index>20</Index>"))
        << O << QList<unsigned>{} << Probe([](KLX_DataBaseManager& db) { return SeqUsed(db) * 100 + TrackServo(db); })
        << 126;

    // Receivers: the mode in the mask's top bits picks the binding id.
    QTest::newRow("receiver mask 256")
        << V << ModelXml("<RECEIVERMAIN><ReceiverMask>256</ReceiverMask></RECEIVERMAIN>") << E
        << QList<unsigned>{0x51570} << Probe(ReceiversUsed) << 0;
    QTest::newRow("receiver mask without mode bits takes the ordinary id")
        << V
        << ModelXml("<RECEIVERMAIN><BindConfig>77</BindConfig><BindConfigREdiv>88</BindConfigREdiv>"
                    "<ReceiverMask>5</ReceiverMask></RECEIVERMAIN>")
        << O << QList<unsigned>{}
        << Probe([](KLX_DataBaseManager& db) {
             return db.KLX_DataBaseManagerGetReceiverMode() * 1000 +
                    int(db.KLX_DataBaseManagerReceiverGetSetBindConfig(0, G)) + 100 * ReceiversUsed(db);
           })
        << 77;
    QTest::newRow("receiver R-Ediv 14 mask before its ids")
        << V
        << ModelXml("<RECEIVERMAIN><ReceiverMask>65</ReceiverMask><BindConfig>77</BindConfig>"
                    "<BindConfigREdiv>88</BindConfigREdiv></RECEIVERMAIN>")
        << O << QList<unsigned>{}
        << Probe([](KLX_DataBaseManager& db) {
             return db.KLX_DataBaseManagerGetReceiverMode() * 1000 + int(db.KLX_DataBaseManagerReceiverGetSetBindConfig(0, G));
           })
        << 64088;
    QTest::newRow("receiver index 4") << V << ModelXml(Receiver("<Index>4</Index>")) << E
                                      << QList<unsigned>{0x5156D} << Probe(ReceiversUsed) << 0;
    QTest::newRow("receiver without index") << V << ModelXml(Receiver("<IsUsed>1</IsUsed>")) << E
                                            << QList<unsigned>{0x51534} << Probe(ReceiversUsed) << 0;
    QTest::newRow("receiver marked unused is used")
        << V << ModelXml(Receiver("<Index>3</Index><IsUsed>0</IsUsed>")) << O << QList<unsigned>{}
        << Probe([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerGetReceiverMask(); }) << 8;
    QTest::newRow("four receivers on the smaller board keep the first two")
        << int(KL_BOARD_FENK)
        << ModelXml(Receiver("<Index>1</Index><SerialNumber>11</SerialNumber>") +
                    Receiver("<Index>3</Index><SerialNumber>33</SerialNumber>") +
                    Receiver("<Index>0</Index><SerialNumber>0</SerialNumber>") +
                    Receiver("<Index>2</Index><SerialNumber>22</SerialNumber>"))
        << O << QList<unsigned>{}
        << Probe([](KLX_DataBaseManager& db) {
             return ReceiversUsed(db) * 100 + int(db.KLX_DataBaseManagerGetReceiverSerialNumber(1));
           })
        << 211;

    // The flight-mode assignment: slots up to 7, entries up to 26; the
    // count of "Control" elements tells the writing board.
    QTest::newRow("assignment slot 8")
        << V << ModelXml("<FLIGHTMODEASSIGN><CONTROLS><Index>8</Index></CONTROLS></FLIGHTMODEASSIGN>") << E
        << QList<unsigned>{0x515C6} << Probe([](KLX_DataBaseManager& db) { return TableEntry(db, 0); }) << 0;
    QTest::newRow("assignment slot without index")
        << V << ModelXml("<FLIGHTMODEASSIGN><CONTROLS><Control>1280</Control></CONTROLS></FLIGHTMODEASSIGN>") << E
        << QList<unsigned>{0x515C6} << Probe([](KLX_DataBaseManager& db) { return TableEntry(db, 0); }) << 0;
    QTest::newRow("assignment flight mode 256")
        << V
        << ModelXml("<FLIGHTMODEASSIGN><FLIGHTMODES><Index>26</Index><Flightmode>256</Flightmode></FLIGHTMODES>"
                    "</FLIGHTMODEASSIGN>")
        << E << QList<unsigned>{0x515D0} << Probe([](KLX_DataBaseManager& db) { return TableEntry(db, 26); }) << 0;
    QTest::newRow("assignment with six controls not converted")
        << int(KL_BOARD_FENK)
        << ModelXml("<FLIGHTMODEASSIGN>" + Controls(6) +
                    "<FLIGHTMODES><Index>2</Index><Flightmode>5</Flightmode></FLIGHTMODES></FLIGHTMODEASSIGN>")
        << O << QList<unsigned>{} << Probe([](KLX_DataBaseManager& db) { return TableEntry(db, 2); }) << 5;
    QTest::newRow("assignment control given twice counts twice")
        << int(KL_BOARD_FENK)
        << ModelXml("<FLIGHTMODEASSIGN>" + Controls(7, "<Control>1299</Control>") +
                    "<FLIGHTMODES><Index>2</Index><Flightmode>5</Flightmode></FLIGHTMODES></FLIGHTMODEASSIGN>")
        << O << QList<unsigned>{}
        << Probe([](KLX_DataBaseManager& db) {
             return TableEntry(db, 1) * 10000 + db.KLX_DataBaseManagerFlightmodeAssignGetSet_Control(0, 0, G);
           })
        << 51299;

    // Trims: a value goes to the flight mode named before it.
    QTest::newRow("trim value before its flight mode")
        << V << ModelXml("<TRIM><Index>0</Index><TRIMVALUE><TrimValue>5</TrimValue><Index>1</Index></TRIMVALUE></TRIM>")
        << E << QList<unsigned>{0x515E6}
        << Probe([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerTrimGetSetTrimValue(0, 1, 0, G); }) << 0;
    QTest::newRow("trim value of flight mode -3")
        << V << ModelXml("<TRIM><Index>0</Index><TRIMVALUE><Index>-3</Index><TrimValue>5</TrimValue></TRIMVALUE></TRIM>")
        << E << QList<unsigned>{0x515E6}
        << Probe([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerTrimGetSetTrimValue(0, 0, 0, G); }) << 0;
    QTest::newRow("trim mask left out follows the flight modes 1 to 12 in use")
        << V
        << ModelXml("<FLIGHTMODE><Index>1</Index><IsUsed>1</IsUsed></FLIGHTMODE>"
                    "<FLIGHTMODE><Index>5</Index><IsUsed>1</IsUsed></FLIGHTMODE>"
                    "<FLIGHTMODE><Index>13</Index><IsUsed>1</IsUsed></FLIGHTMODE>"
                    "<TRIM><Index>2</Index><TrimFlags>1</TrimFlags></TRIM>")
        << O << QList<unsigned>{}
        << Probe([](KLX_DataBaseManager& db) { return db.KLX_DataBaseManagerTrimGetSet_SingleMask(2, 0u, G); })
        << 34;
  }
  void aFileIsRefusedOrLoaded() {
    QFETCH(int, board);
    QFETCH(QByteArray, file);
    QFETCH(int, result);
    QFETCH(QList<unsigned>, codes);
    QFETCH(Probe, probe);
    QFETCH(int, probed);
    ModelFileFixture fx(board);
    QVERIFY(SettingsFixture::Write(ModelFileFixture::Path(), file));
    VornErrorWatch watch;
    QCOMPARE(fx.Load(), result);
    codes.prepend(0x41500);
    QCOMPARE(watch.TakeCodes(), codes);
    QCOMPARE(probe(fx.db), probed);
    // Nothing of a refused file is left to be saved over it.
    if (result == KLX_Error) QVERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  // A servo cut off by virtual switch 31 or 32 to 0 while the switch is not
  // in use is freed, the controller told, and the read answers KLX_Done;
  // the file handler then saves the adjusted model and reads it again.
  void theReadAdjustsCutOffSwitches_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("cutOff");
    QTest::addColumn<QList<QByteArray>>("sent");
    QTest::newRow("cut off to 0") << 0 << int(KLX_Done) << 255 << QList<QByteArray>{QByteArray("\x11\x00\x00\x00\xff\x00\x00\x00", 8)};
    QTest::newRow("cut off to 10 %") << 10 << int(KLX_Ok) << 31 << QList<QByteArray>{};
  }
  void theReadAdjustsCutOffSwitches() {
    QFETCH(int, value);
    QFETCH(int, result);
    QFETCH(int, cutOff);
    QFETCH(QList<QByteArray>, sent);
    ModelFileFixture fx;
    const QByteArray servo = "<SERVOCONFIG><Index>0</Index><IsUsed>1</IsUsed><CutOffVirtSwitchId>31</CutOffVirtSwitchId>"
                             "<CutOffValue>" + QByteArray::number(value) + "</CutOffValue></SERVOCONFIG>";
    QVERIFY(SettingsFixture::Write(ModelFileFixture::Path(), ModelXml(servo)));
    QCOMPARE(fx.Load(), result);
    QCOMPARE(fx.db.KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffVirtSwitch(0, 0, G), cutOff);
    QList<QByteArray> data;
    for (const KLX_Message& m : fx.Sent()) {
      QCOMPARE(int(m.id), int(KLX_MSG_ELEMENT_SERVOCONFIG));
      data.append(m.data);
    }
    QCOMPARE(data, sent);

    QVERIFY(SettingsFixture::Write(ModelFileFixture::Path(), ModelXml(servo)));
    KLX_XMLFileHandler* files = fx.db.KLX_DataBaseManagerXMLFileHandlerPtr();
    QCOMPARE(files->KLX_XMLFileHandlerReadModelFile("Glider.xml", "Glider", 1, QString()), int(KLX_Ok));
    QCOMPARE(fx.Model().KLX_XMLModelWrites(), result == KLX_Done ? 1 : 0);
    QCOMPARE(SettingsFixture::Read(ModelFileFixture::Path()).contains("<CutOffVirtSwitchId>255</CutOffVirtSwitchId>"),
             result == KLX_Done);
  }
};

QTEST_GUILESS_MAIN(TestRead)
#include "tst_read.moc"
