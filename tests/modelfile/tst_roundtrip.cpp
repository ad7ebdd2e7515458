// A saved model comes back whole: every record byte for byte, the text of a
// second save equal to the first but for the check value, the check value
// the scrambled MD5 of the text up to "</DATA>", the text itself as the
// stream writer lays it out, and files of the other board loaded within the
// running board's counts.
#include "modelfile/modelfile_fixture.h"

class TestRoundTrip : public QObject {
  Q_OBJECT

 private slots:
  void aSavedModelComesBackWhole_data() {
    QTest::addColumn<int>("board");
    // The digest of the text up to "</DATA>": a save writes this file to the byte.
    QTest::addColumn<QByteArray>("digest");
    QTest::newRow("larger") << int(KL_BOARD_VORN) << QByteArray("ab5193e1d36c2565a3001cc8f2bc5859");
    QTest::newRow("smaller") << int(KL_BOARD_FENK) << QByteArray("6cc7f800067f89b41c74518e6f17a852");
  }
  void aSavedModelComesBackWhole() {
    QFETCH(int, board);
    QFETCH(QByteArray, digest);
    ModelFileFixture fx(board);
    KLX_TestBuildFullModel(&fx.db, 3);
    const QByteArray records = fx.Records();
    const QList<int> order = fx.db.KLX_DataBaseManagerFunctionGetDisplayedOrder();
    VornErrorWatch watch;
    QCOMPARE(fx.Save(), int(KLX_Ok));
    const QByteArray first = SettingsFixture::Read(ModelFileFixture::Path());
    QVERIFY(CheckValueMatches(first));
    QCOMPARE(QCryptographicHash::hash(first.left(first.indexOf("</DATA>") + 7), QCryptographicHash::Md5).toHex(),
             digest);

    // Values of the sections outside the element stores, before the reset
    // and after the load.
    KLX_DataBaseManager& db = fx.db;
    const auto others = [&db] {
      return QVariantList{db.KLX_DataBaseManagerTimerGetSet_Name(1, QString(), AtomicDirGet),
                          db.KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw(1, 0, AtomicDirGet),
                          db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(3, 5, QString(), AtomicDirGet),
                          db.KLX_DataBaseManagerCmplxTimerGetSet_AlarmStart_Sec(3, 5, 0, AtomicDirGet),
                          db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_LabelText(7, 4, QString(), AtomicDirGet),
                          db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelow(7, 4, 1, 2, 0, AtomicDirGet),
                          db.KLX_DataBaseManagerTelemetrieGetSetSensorAlias(200, QString(), AtomicDirGet),
                          db.KLX_DataBaseManagerTeleControlGetSet_Limit(3, false, 0, AtomicDirGet),
                          db.KLX_DataBaseManagerVarioGetSetStartToneHz(0, 3, 1),
                          db.KLX_GetTTSLForwardControl()};
    };
    const QVariantList before = others();
    QCOMPARE(before.at(6), QVariant(QString("Alias200-3")));
    fx.db.KLX_DataBaseManagerResetAllModelData();
    QVERIFY(fx.Records() != records);
    for (int i : {0, 2, 4, 6, 9}) QVERIFY2(others().at(i) != before.at(i), qPrintable(QString::number(i)));
    QCOMPARE(fx.Load(), int(KLX_Ok));
    QCOMPARE(fx.Records(), records);
    QCOMPARE(others(), before);
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetDisplayedOrder(), order);
    QCOMPARE(fx.db.KLX_DataBaseManagerRuntimeGetSet_Runtime(0, AtomicDirGet), 123459);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetModelSilentMode(0, AtomicDirGet), 2);
    QCOMPARE(fx.db.KLX_DataBaseManagerModelmetadataGetSet_Modelinfo(QString(), AtomicDirGet),
             QString("Glider <3> & \"info\""));
    // The servo points' hundredths live beside the records.
    QCOMPARE(fx.db.KLX_DataBaseManagerServoConfigGetSet_BsPtsMaxValueAdd(2, 0, AtomicDirGet), KLX_TestSpread(2 * 11 + 3 + 9, 1, 99));
    QCOMPARE(fx.db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_BsPtsFuncTravelMinAdd(1, 7, 0, AtomicDirGet),
             KLX_TestSpread(11 + 3 + 35, 1, 99));
    // A load reports its start; the first save of the run its size.
    const QList<unsigned> expected{0x515CC, 0x41500};
    QCOMPARE(watch.Codes(), expected);

    QCOMPARE(fx.Save(), int(KLX_Ok));
    const QByteArray second = SettingsFixture::Read(ModelFileFixture::Path());
    // Its check value is made anew, with a random byte of its own: alike
    // to the first's once in 256 saves.
    QVERIFY(CheckValueMatches(second));
    QCOMPARE(WithoutCheckValue(second), WithoutCheckValue(first));
  }

  // The text is what QXmlStreamWriter with auto-formatting writes for the
  // same elements: read back and written again by it, nothing changes.
  void theTextIsTheStreamWritersLayout() {
    ModelFileFixture fx;
    KLX_TestBuildFullModel(&fx.db, 1);
    fx.db.KLX_DataBaseManagerFunctionGetSet_Name(4, QString::fromUtf8("a<b>&\"c'\t\x01\xc3\xa4"), AtomicDirSet, false);
    // The same without a character beyond ASCII.
    fx.db.KLX_DataBaseManagerFunctionGetSet_Name(5, QString::fromUtf8("a<b>&\"c'\t\x01\x7f"), AtomicDirSet, false);
    QCOMPARE(fx.Save(), int(KLX_Ok));
    const QByteArray text = SettingsFixture::Read(ModelFileFixture::Path());

    QByteArray again;
    QXmlStreamReader r(text);
    QXmlStreamWriter w(&again);
    w.setAutoFormatting(true);
    // An element without text is written with its end tag, as an empty text element.
    bool opened = false;
    while (!r.atEnd()) {
      const QXmlStreamReader::TokenType token = r.readNext();
      if (token == QXmlStreamReader::EndElement && opened) w.writeCharacters(QString());
      if (token != QXmlStreamReader::Characters || !r.isWhitespace()) opened = token == QXmlStreamReader::StartElement;
      switch (token) {
        case QXmlStreamReader::StartDocument: w.writeStartDocument(); break;
        case QXmlStreamReader::StartElement:
          w.writeStartElement(r.name().toString());
          w.writeAttributes(r.attributes());
          break;
        case QXmlStreamReader::Characters:
          if (!r.isWhitespace()) w.writeCharacters(r.text().toString());
          break;
        case QXmlStreamReader::Comment: w.writeComment(r.text().toString()); break;
        case QXmlStreamReader::EndElement: w.writeEndElement(); break;
        case QXmlStreamReader::EndDocument: w.writeEndDocument(); break;
        default: break;
      }
    }
    QVERIFY(!r.hasError());
    QCOMPARE(again, text);
    // The control character XML cannot carry is left out, the rest escaped.
    QVERIFY(text.contains("<Name>a&lt;b&gt;&amp;&quot;c'\t\xc3\xa4</Name>"));
    QVERIFY(text.contains("<Name>a&lt;b&gt;&amp;&quot;c'\t\x7f</Name>"));
  }

  // The whole file of a model with one element of each kind, exactly (but
  // for the sections every file holds whole).
  void aSmallModelsText() {
    ModelFileFixture fx;
    KLX_DataBaseManager& db = fx.db;
    const int S = AtomicDirSet;
    db.KLX_DataBaseManagerRuntimeGetSet_Runtime(-5, S, false);
    db.KLX_DataBaseManagerFunctionGetSet_Name(2, "Aileron", S, false);
    db.KLX_DataBaseManagerFunctionGetSet_IsUsed(2, 1, S, false);
    db.KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(2, 1, 7, S, false);
    db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoNegLo(2, 1, -20, S, false);
    db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(2, 3, 25, S, false);
    db.KLX_DataBaseManagerFunctionGetSet_FunctionFlags(2, 4294967295u, S, false);
    db.KLX_DataBaseManagerFunctionSetDisplayedOrder({2});
    db.KLX_DataBaseManagerSwitchGetSet_IsUsed(127, 1, S, false);
    db.KLX_DataBaseManagerSwitchGetSet_SwitchTrigger(127, 1, -45, S, false);
    db.KLX_DataBaseManagerSpecialSwitchGetSet_Value(3, -2047, S, false);
    // A track with its end points and one point between them that has a
    // position on the backward run only.
    db.KLX_DataBaseManagerSequencerGetSet_Name(1, "Gear", S, false);
    db.KLX_DataBaseManagerSequencerGetSet_IsUsed(1, 1, S, false);
    db.KLX_DataBaseManagerSequencerGetSet_Control(1, 300, S, false);
    db.KLX_DataBaseManagerSequencerGetSet_Servo(1, 2, 7, S, false);
    db.KLX_DataBaseManagerSequencerGetSet_SrvPosition(1, 2, 0, 0, -100, S, false);
    db.KLX_DataBaseManagerSequencerGetSet_SrvPosition(1, 2, 1, 0, 100, S, false);
    db.KLX_DataBaseManagerSequencerGetSet_TimePoint(1, 2, 1, 3, 120, S, false);
    db.KLX_DataBaseManagerSequencerGetSet_SrvPosition(1, 2, 1, 3, 0, S, false);
    db.KLX_DataBaseManagerSequencerGetSet_TimePoint(1, 2, 0, 6, 250, S, false);
    db.KLX_DataBaseManagerSequencerGetSet_SrvPosition(1, 2, 0, 6, 100, S, false);
    db.KLX_DataBaseManagerSequencerGetSet_TimePoint(1, 2, 1, 6, 6000, S, false);
    db.KLX_DataBaseManagerSequencerGetSet_SrvPosition(1, 2, 1, 6, -100, S, false);
    // R-Ediv 21 with receivers in slots 0 and 2.
    db.KLX_DataBaseManagerReceiverModeSet(KLX_Receiver::RX_MODE_REDIV_21);
    db.KLX_DataBaseManagerReceiverGetSetBindConfig(12345678901234567890ULL, S);
    for (int slot : {0, 2}) {
      CReceiver receiver;
      receiver.mask = static_cast<uint8_t>(1u << slot);
      receiver.used = 1;
      receiver.serialNumber = 4000000000u + unsigned(slot);
      receiver.type = 17;
      receiver.features = 3;
      receiver.version.Set(2, 14);
      db.KLX_DataBaseManagerSetReceiver(receiver);
    }
    QCOMPARE(fx.Save(), int(KLX_Ok));
    const QByteArray expected = QByteArrayLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<modelfile version="1.0">
    <!-- DO NOT MODIFY THIS FILE OUTSIDE THE VORN REMOTE SYSTEM -->
    <NAME>
        <Modelname>Glider</Modelname>
        <Modelinfo></Modelinfo>
    </NAME>
    <DATA>
        <RUNTIME>
            <Runtime>-5</Runtime>
        </RUNTIME>
        <SILENT_MODE>
            <SilentMode>0</SilentMode>
        </SILENT_MODE>
        <FUNCTION>
            <Index>2</Index>
            <Name>Aileron</Name>
            <IsUsed>1</IsUsed>
            <Control>0</Control>
            <ControlRate>2</ControlRate>
            <ControlExpo>2</ControlExpo>
            <ControlDifferential>0</ControlDifferential>
            <TrimDifferential>0</TrimDifferential>
            <TrimControl>0</TrimControl>
            <TrimRange>50</TrimRange>
            <TrimIsReverse>0</TrimIsReverse>
            <TrimMode>4</TrimMode>
            <FailSafePosMode>1</FailSafePosMode>
            <FailSafePosValue>0</FailSafePosValue>
            <GlobalCurveIdx>0</GlobalCurveIdx>
            <FunctionFlags>4294967295</FunctionFlags>
            <Function_FM_Mask>0</Function_FM_Mask>
            <Function_FM_DiffMask>0</Function_FM_DiffMask>
            <SETUP>
                <Index>1</Index>
                <CurveIdx>7</CurveIdx>
                <FlexRateHi>100</FlexRateHi>
                <FlexRateCenter>100</FlexRateCenter>
                <FlexRateLo>100</FlexRateLo>
                <FlexExpoHi>0</FlexExpoHi>
                <FlexExpoCenter>0</FlexExpoCenter>
                <FlexExpoLo>0</FlexExpoLo>
                <FlexExpoNegHi>0</FlexExpoNegHi>
                <FlexExpoNegCenter>0</FlexExpoNegCenter>
                <FlexExpoNegLo>-20</FlexExpoNegLo>
                <FlexDifferentialHi>0</FlexDifferentialHi>
                <FlexDifferentialCenter>0</FlexDifferentialCenter>
                <FlexDifferentialLo>0</FlexDifferentialLo>
                <DurationFromLeft>0</DurationFromLeft>
                <DurationFromRight>0</DurationFromRight>
            </SETUP>
            <SERVOASSIGENMENT>
                <Index>3</Index>
                <Value>25</Value>
                <ServoMixerIdx>0</ServoMixerIdx>
            </SERVOASSIGENMENT>
        </FUNCTION>
        <FUNCTIONORDER>
            <NextFuncIndex>2</NextFuncIndex>
        </FUNCTIONORDER>
        <SEQUENCER>
            <Index>1</Index>
            <Name>Gear</Name>
            <IsUsed>1</IsUsed>
            <ControlID>300</ControlID>
            <ThldBelow>-25</ThldBelow>
            <ThldAbove>25</ThldAbove>
            <SERVO>
                <SEQChannel>2</SEQChannel>
                <Index>7</Index>
                <WAYPOINT>
                    <Index>0</Index>
                    <FORWARD>
                        <TimeValue>0</TimeValue>
                        <Position>-100</Position>
                    </FORWARD>
                    <BACKWARD>
                        <TimeValue>0</TimeValue>
                        <Position>100</Position>
                    </BACKWARD>
                </WAYPOINT>
                <WAYPOINT>
                    <Index>3</Index>
                    <FORWARD>
                        <TimeValue>0</TimeValue>
                        <Position>-2048</Position>
                    </FORWARD>
                    <BACKWARD>
                        <TimeValue>120</TimeValue>
                        <Position>0</Position>
                    </BACKWARD>
                </WAYPOINT>
                <WAYPOINT>
                    <Index>6</Index>
                    <FORWARD>
                        <TimeValue>250</TimeValue>
                        <Position>100</Position>
                    </FORWARD>
                    <BACKWARD>
                        <TimeValue>6000</TimeValue>
                        <Position>-100</Position>
                    </BACKWARD>
                </WAYPOINT>
            </SERVO>
        </SEQUENCER>
        <VIRTSWITCH>
            <Index>127</Index>
            <Name>switch</Name>
            <IsUsed>1</IsUsed>
            <IsVisible>1</IsVisible>
            <LogicalOperator>1</LogicalOperator>
            <SWITCHDATA>
                <Index>0</Index>
                <Control>0</Control>
                <Trigger>0</Trigger>
                <IsInverted>0</IsInverted>
                <AboveHys>30</AboveHys>
                <BelowHys>-30</BelowHys>
            </SWITCHDATA>
            <SWITCHDATA>
                <Index>1</Index>
                <Control>0</Control>
                <Trigger>-45</Trigger>
                <IsInverted>0</IsInverted>
                <AboveHys>30</AboveHys>
                <BelowHys>-30</BelowHys>
            </SWITCHDATA>
        </VIRTSWITCH>
        <TTSLHandling>
            <ForwardSwId>65535</ForwardSwId>
            <BackwardSwId>65535</BackwardSwId>
            <RestartSwId>65535</RestartSwId>
            <TTSLFile></TTSLFile>
        </TTSLHandling>
        <Headup>
            <ForwardCtrl>65535</ForwardCtrl>
            <BackwardCtrl>65535</BackwardCtrl>
        </Headup>
        <TELEMETRYALIASES/>
        <SWITCHCONFIGURATION>
            <CONTROLS>
                <Index>0</Index>
                <Value>2047</Value>
            </CONTROLS>
            <CONTROLS>
                <Index>1</Index>
                <Value>2047</Value>
            </CONTROLS>
            <CONTROLS>
                <Index>2</Index>
                <Value>2047</Value>
            </CONTROLS>
            <CONTROLS>
                <Index>3</Index>
                <Value>-2047</Value>
            </CONTROLS>
        </SWITCHCONFIGURATION>
        <RECEIVERMAIN>
            <BindConfig>0</BindConfig>
            <BindConfigREdiv>12345678901234567890</BindConfigREdiv>
            <ReceiverMask>133</ReceiverMask>
        </RECEIVERMAIN>
        <RECEIVER>
            <Index>0</Index>
            <IsUsed>1</IsUsed>
            <SerialNumber>4000000000</SerialNumber>
            <Typ>17</Typ>
            <Features>3</Features>
            <SwVerMajor>2</SwVerMajor>
            <SwVerMinor>14</SwVerMinor>
        </RECEIVER>
        <RECEIVER>
            <Index>2</Index>
            <IsUsed>1</IsUsed>
            <SerialNumber>4000000002</SerialNumber>
            <Typ>17</Typ>
            <Features>3</Features>
            <SwVerMajor>2</SwVerMajor>
            <SwVerMinor>14</SwVerMinor>
        </RECEIVER>
        <VOICEALARM>
            <Index>0</Index>
            <Type>4</Type>
            <VoiceIdx>0</VoiceIdx>
            <VLanguage>None</VLanguage>
            <VoiceName>None</VoiceName>
            <Activator>0</Activator>
            <HystAbove>20</HystAbove>
            <HystBelow>-20</HystBelow>
            <ValueStep>1</ValueStep>
            <DecPoint>0</DecPoint>
            <TimeStep>0</TimeStep>
            <TeleMain>4</TeleMain>
            <TeleSlave>0</TeleSlave>
            <StaticMessage></StaticMessage>
            <VTimerId>255</VTimerId>
            <VSpeakingAlarms>0</VSpeakingAlarms>
            <IndividualBitField>0</IndividualBitField>
        </VOICEALARM>
        <TELESTATUSALARMVOICE>
            <VLanguage>None</VLanguage>
            <VoiceName>None</VoiceName>
        </TELESTATUSALARMVOICE>
        <TELEALARMVOICE>
            <VLanguage>None</VLanguage>
            <VoiceName>None</VoiceName>
        </TELEALARMVOICE>
        <TELEWARNINGVOICE>
            <VLanguage>None</VLanguage>
            <VoiceName>None</VoiceName>
        </TELEWARNINGVOICE>
        <Vario>
            <SETUP>
                <VARIOCTL>0</VARIOCTL>
                <VARIOADDRESS>61</VARIOADDRESS>
                <VARIOSLAVEADDRESS>0</VARIOSLAVEADDRESS>
                <VarioStartTone>270</VarioStartTone>
                <VarioKPos>150</VarioKPos>
                <VarioKNeg>30</VarioKNeg>
                <VarioThldPos>1</VarioThldPos>
                <VarioThldNeg>2</VarioThldNeg>
                <VarioDecPosition>1</VarioDecPosition>
                <VarioUnitsImperial>0</VarioUnitsImperial>
                <Vario_FM_Mask>0</Vario_FM_Mask>
            </SETUP>
        </Vario>
        <SERVOPPMMODE>0</SERVOPPMMODE>
        <TEACHERPUPILSWITCHCONTROL>65535</TEACHERPUPILSWITCHCONTROL>
    </DATA>
    <SECUREDATA>
        <CRC_MD5></CRC_MD5>
        <APPVERSION>)") + fx.db.KLX_DataBaseManagerVornLinuxAppGetVersion().toUtf8() +
                                    "</APPVERSION>\n    </SECUREDATA>\n</modelfile>\n";
    // The assignment and the trims, written whole on every save, are
    // compared in the tests of files of the other board.
    const QByteArray text = SettingsFixture::Read(ModelFileFixture::Path());
    QCOMPARE(WithoutElements(WithoutCheckValue(text), {"FLIGHTMODEASSIGN", "TRIM"}), expected);
  }

  // The binding id under the element of the mode, the mode in the mask's
  // top bits, one "RECEIVER" per receiver; loaded back as saved.
  void receiversInEachBindingMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("bound");
    QTest::addColumn<QByteArray>("main");
    QTest::newRow("ordinary") << 0 << QList<int>{1, 3}
                              << QByteArray("<RECEIVERMAIN><BindConfig>9876543210</BindConfig>"
                                            "<BindConfigREdiv>0</BindConfigREdiv><ReceiverMask>10</ReceiverMask>"
                                            "</RECEIVERMAIN>");
    QTest::newRow("R-Ediv 14") << 64 << QList<int>{0}
                               << QByteArray("<RECEIVERMAIN><BindConfig>0</BindConfig>"
                                             "<BindConfigREdiv>9876543210</BindConfigREdiv>"
                                             "<ReceiverMask>65</ReceiverMask></RECEIVERMAIN>");
    QTest::newRow("R-Ediv 21") << 128 << QList<int>{0, 1, 2, 3}
                               << QByteArray("<RECEIVERMAIN><BindConfig>0</BindConfig>"
                                             "<BindConfigREdiv>9876543210</BindConfigREdiv>"
                                             "<ReceiverMask>143</ReceiverMask></RECEIVERMAIN>");
    QTest::newRow("none bound") << 0 << QList<int>{}
                                << QByteArray("<RECEIVERMAIN><BindConfig>9876543210</BindConfig>"
                                              "<BindConfigREdiv>0</BindConfigREdiv><ReceiverMask>0</ReceiverMask>"
                                              "</RECEIVERMAIN>");
  }
  void receiversInEachBindingMode() {
    QFETCH(int, mode);
    QFETCH(QList<int>, bound);
    QFETCH(QByteArray, main);
    ModelFileFixture fx;
    KLX_DataBaseManager& db = fx.db;
    db.KLX_DataBaseManagerReceiverModeSet(static_cast<KLX_Receiver::rx_mode_t>(mode));
    db.KLX_DataBaseManagerReceiverGetSetBindConfig(9876543210ULL, AtomicDirSet);
    QByteArray receivers;
    for (int slot : bound) {
      CReceiver receiver;
      receiver.mask = static_cast<uint8_t>(1u << slot);
      receiver.used = 1;
      receiver.serialNumber = 100u + unsigned(slot);
      receiver.type = 7;
      receiver.features = 65535;
      receiver.version.Set(3, static_cast<unsigned char>(slot));
      db.KLX_DataBaseManagerSetReceiver(receiver);
      receivers += "<RECEIVER><Index>" + QByteArray::number(slot) + "</Index><IsUsed>1</IsUsed><SerialNumber>" +
                   QByteArray::number(100 + slot) + "</SerialNumber><Typ>7</Typ><Features>65535</Features>"
                   "<SwVerMajor>3</SwVerMajor><SwVerMinor>" + QByteArray::number(slot) + "</SwVerMinor></RECEIVER>";
    }
    QCOMPARE(fx.Save(), int(KLX_Ok));
    const QByteArray text = SettingsFixture::Read(ModelFileFixture::Path());
    QCOMPARE(Elements(text, "RECEIVERMAIN"), main);
    QCOMPARE(Elements(text, "RECEIVER"), receivers);

    const QByteArray before = fx.Receivers();
    db.KLX_DataBaseManagerResetAllModelData();
    // The mode the file gives, not one left from before.
    db.KLX_DataBaseManagerReceiverModeSet(mode ? KLX_Receiver::RX_MODE_NONE : KLX_Receiver::RX_MODE_REDIV_14);
    QCOMPARE(fx.Load(), int(KLX_Ok));
    QCOMPARE(fx.Receivers(), before);
  }

  // A file holds what the writing board has; the reading board keeps what
  // fits its counts.
  // A model saved while the waypoint editor holds a waypoint loads with the
  // sequencer's run mode, single or loop, not with the servo held.
  void aHeldWaypointIsNotSaved_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("loaded");
    QTest::newRow("single, backward run") << 2 << 2;
    QTest::newRow("loop, forward run") << 5 << 5;
    QTest::newRow("held, single forward") << 255 << 1;
    QTest::newRow("held, single backward") << 172 << 1;
    QTest::newRow("held, loop forward") << 171 << 5;
    QTest::newRow("held, loop backward") << 88 << 5;
  }
  void aHeldWaypointIsNotSaved() {
    QFETCH(int, mode);
    QFETCH(int, loaded);
    ModelFileFixture fx;
    QCOMPARE(fx.db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, mode, AtomicDirSet, false), mode);
    QCOMPARE(fx.Save(), int(KLX_Ok));
    fx.db.KLX_DataBaseManagerSequencerClear(0);
    QCOMPARE(fx.Load(), int(KLX_Ok));
    QCOMPARE(fx.db.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 0, AtomicDirGet), loaded);
  }

  void filesOfTheOtherBoard_data() {
    QTest::addColumn<int>("writer");
    QTest::addColumn<int>("reader");
    QTest::addColumn<QList<int>>("used");  // functions, servos, mixers, limiters, flight modes, switches
    QTest::newRow("larger to smaller") << int(KL_BOARD_VORN) << int(KL_BOARD_FENK)
                                       << QList<int>{32, 18, 32, 32, 9, 80};
    QTest::newRow("smaller to larger") << int(KL_BOARD_FENK) << int(KL_BOARD_VORN)
                                       << QList<int>{32, 18, 32, 32, 9, 80};
  }
  void filesOfTheOtherBoard() {
    QFETCH(int, writer);
    QFETCH(int, reader);
    QFETCH(QList<int>, used);
    ModelFileFixture fx(writer);
    KLX_TestBuildFullModel(&fx.db, 0);
    QCOMPARE(fx.Save(), int(KLX_Ok));
    const QString fn31 = fx.db.KLX_DataBaseManagerFunctionGetSet_Name(31, QString(), AtomicDirGet);
    const int travel = fx.db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMax(17, 7, 0, AtomicDirGet);

    ModelFileFixture::SwitchBoard(reader);
    QCOMPARE(fx.Load(), int(KLX_Ok));
    const auto count = [&](auto isUsed, int capacity) {
      int n = 0;
      for (int i = 0; i < capacity; ++i) n += isUsed(i) == 1;
      return n;
    };
    KLX_DataBaseManager& db = fx.db;
    const QList<int> counted{
        count([&](int i) { return db.KLX_DataBaseManagerFunctionGetSet_IsUsed(i, 0, AtomicDirGet); }, 48),
        count([&](int i) { return db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(i, 0, AtomicDirGet); }, 26),
        count([&](int i) { return db.KLX_DataBaseManagerMixerGetSet_IsUsed(i, 0, AtomicDirGet); }, 48),
        count([&](int i) { return db.KLX_DataBaseManagerLimiterGetSet_IsUsed(i, 0, AtomicDirGet); }, 48),
        count([&](int i) { return db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(i, 0, AtomicDirGet); }, 27),
        count([&](int i) { return db.KLX_DataBaseManagerSwitchGetSet_IsUsed(i, 0, AtomicDirGet); }, 128)};
    QCOMPARE(counted, used);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Name(31, QString(), AtomicDirGet), fn31);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMax(17, 7, 0, AtomicDirGet), travel);
  }
};

QTEST_GUILESS_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
