// A file of one board read on the other and saved again: the flight-mode
// table converted to the reading board's layout, the flight modes the
// smaller board lacks renumbered with their names, settings, mask bits and
// trim values, and the sections compared with hand-worked expected text.
#include "modelfile/modelfile_fixture.h"

namespace {
QByteArray Controls(const QList<int>& controls) {
  QByteArray out;
  for (int i = 0; i < controls.size(); ++i)
    out += "<CONTROLS><Index>" + QByteArray::number(i) + "</Index><Control>" + QByteArray::number(controls[i]) +
           "</Control></CONTROLS>";
  return out;
}

QByteArray Table(const QList<int>& entries) {
  QByteArray out;
  for (int i = 0; i < entries.size(); ++i)
    out += "<FLIGHTMODES><Index>" + QByteArray::number(i) + "</Index><Flightmode>" + QByteArray::number(entries[i]) +
           "</Flightmode></FLIGHTMODES>";
  return out;
}

QByteArray Assignment(const QList<int>& controls, const QList<int>& entries) {
  return "<FLIGHTMODEASSIGN>" + Controls(controls) + Table(entries) + "</FLIGHTMODEASSIGN>";
}

// A "TRIM" with the values of flight modes 0, 1, ... as listed.
QByteArray Trim(int index, int steps, int flags, qint64 mask, const QList<int>& values) {
  QByteArray out = "<TRIM><Index>" + QByteArray::number(index) + "</Index><TrimSteps>" + QByteArray::number(steps) +
                   "</TrimSteps><TrimFlags>" + QByteArray::number(flags) + "</TrimFlags><Trim_FM_Mask>" +
                   QByteArray::number(mask) + "</Trim_FM_Mask>";
  for (int fm = 0; fm < values.size(); ++fm)
    out += "<TRIMVALUE><Index>" + QByteArray::number(fm) + "</Index><TrimValue>" + QByteArray::number(values[fm]) +
           "</TrimValue></TRIMVALUE>";
  return out + "</TRIM>";
}

QList<int> Zeros(int n) { return QVector<int>(n, 0).toList(); }

// The file loaded on the fixture's board and saved again: the saved text.
QByteArray LoadedAndSaved(ModelFileFixture& fx, const QByteArray& file) {
  if (!SettingsFixture::Write(ModelFileFixture::Path(), file)) return QByteArray();
  if (fx.Load() != KLX_Ok || fx.Save() != KLX_Ok) return QByteArray();
  return SettingsFixture::Read(ModelFileFixture::Path());
}
}  // namespace

class TestBoards : public QObject {
  Q_OBJECT

 private slots:
  // The larger board's table uses flight modes 0, 1, 2, 20 (at two of the
  // entries the smaller board keeps) and 24, and 27 (no flight mode).
  // Entries 0, 2, 4, 6, 8, 9, 10, 11, 12 are kept: 0 1 20 2 20 24 0 27 0;
  // 20 becomes 3, the smallest number no kept entry names, at both entries,
  // then 24 becomes 4. Flight mode 20's name, fade-in, function and mixer
  // settings, mask bits and trim values move to 3, 24's to 4.
  void aLargerBoardsFileOnTheSmallerBoard() {
    ModelFileFixture fx(KL_BOARD_FENK);
    const QByteArray file = ModelXml(
        "<FUNCTION><Index>0</Index><Name>Aileron</Name><IsUsed>1</IsUsed><FunctionFlags>0</FunctionFlags>"
        "<Function_FM_Mask>17825796</Function_FM_Mask><Function_FM_DiffMask>1048576</Function_FM_DiffMask>"
        "<SETUP><Index>2</Index><CurveIdx>4</CurveIdx></SETUP>"
        "<SETUP><Index>20</Index><CurveIdx>5</CurveIdx><FlexRateHi>80</FlexRateHi></SETUP>"
        "<SETUP><Index>24</Index><CurveIdx>6</CurveIdx></SETUP></FUNCTION>"
        "<MIXER><Index>31</Index><Name>Butterfly</Name><IsUsed>1</IsUsed><MixerFlags>0</MixerFlags>"
        "<Mixer_FM_Mask>1048576</Mixer_FM_Mask>"
        "<SETUP><Index>20</Index><GainHi>30</GainHi><CurveIdx>7</CurveIdx></SETUP></MIXER>"
        "<FLIGHTMODE><Index>0</Index><Name>Normal</Name><IsUsed>1</IsUsed></FLIGHTMODE>"
        "<FLIGHTMODE><Index>1</Index><Name>Thermal</Name><IsUsed>1</IsUsed></FLIGHTMODE>"
        "<FLIGHTMODE><Index>2</Index><Name>Speed</Name><IsUsed>1</IsUsed></FLIGHTMODE>"
        "<FLIGHTMODE><Index>20</Index><Name>Landing</Name><IsUsed>1</IsUsed><FadeIn>25</FadeIn></FLIGHTMODE>"
        "<FLIGHTMODE><Index>24</Index><Name>Launch</Name><IsUsed>1</IsUsed></FLIGHTMODE>" +
        Assignment({1280, 1281, 1282, 1283, 1284, 1285, 1286, 1287},
                   {0, 5, 1, 0, 20, 0, 2, 0, 20, 24, 0, 27, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) +
        "<TRIM><Index>0</Index><TrimSteps>5</TrimSteps><TrimFlags>1</TrimFlags><Trim_FM_Mask>17825792</Trim_FM_Mask>"
        "<TRIMVALUE><Index>0</Index><TrimValue>100</TrimValue></TRIMVALUE>"
        "<TRIMVALUE><Index>20</Index><TrimValue>-300</TrimValue></TRIMVALUE>"
        "<TRIMVALUE><Index>24</Index><TrimValue>55</TrimValue></TRIMVALUE></TRIM>");
    VornErrorWatch watch;
    const QByteArray saved = LoadedAndSaved(fx, file);

    QCOMPARE(Elements(saved, "FLIGHTMODE"),
             QByteArray("<FLIGHTMODE><Index>0</Index><Name>Normal</Name><IsUsed>1</IsUsed><FadeIn>0</FadeIn>"
                        "<FunctionNum>0</FunctionNum></FLIGHTMODE>"
                        "<FLIGHTMODE><Index>1</Index><Name>Thermal</Name><IsUsed>1</IsUsed><FadeIn>0</FadeIn>"
                        "<FunctionNum>0</FunctionNum></FLIGHTMODE>"
                        "<FLIGHTMODE><Index>2</Index><Name>Speed</Name><IsUsed>1</IsUsed><FadeIn>0</FadeIn>"
                        "<FunctionNum>0</FunctionNum></FLIGHTMODE>"
                        "<FLIGHTMODE><Index>3</Index><Name>Landing</Name><IsUsed>1</IsUsed><FadeIn>25</FadeIn>"
                        "<FunctionNum>0</FunctionNum></FLIGHTMODE>"
                        "<FLIGHTMODE><Index>4</Index><Name>Launch</Name><IsUsed>1</IsUsed><FadeIn>0</FadeIn>"
                        "<FunctionNum>0</FunctionNum></FLIGHTMODE>"));
    QCOMPARE(Elements(saved, "FLIGHTMODEASSIGN"),
             Assignment({1280, 1281, 1282, 1283, 1284, 1285, 1286}, {0, 1, 3, 2, 3, 4, 0, 27, 0}));
    // Flight mode 20's value at 3 and its mask bit with it (bit 24 to 4:
    // 2^3 + 2^4 = 24), flight mode 24's value at 4.
    QCOMPARE(Elements(saved, "TRIM"),
             Trim(0, 5, 1, 24, {100, 0, 0, -300, 55, 0, 0, 0, 0}) + Trim(1, 2, 0, 0, Zeros(9)) +
                 Trim(2, 2, 0, 0, Zeros(9)) + Trim(3, 2, 0, 0, Zeros(9)) + Trim(4, 2, 0, 0, Zeros(9)) +
                 Trim(5, 2, 0, 0, Zeros(9)));

    KLX_DataBaseManager& db = fx.db;
    const int G = AtomicDirGet;
    // Settings of flight modes 20 and 24 at 3 and 4, with their mask bits
    // (2 stays, 20 and 24 move: 2^2 + 2^3 + 2^4 = 28; the difference mask
    // 2^20 to 2^3).
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(0, 3, 0, G), 5);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateHi(0, 3, 0, G), 80);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(0, 4, 0, G), 6);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(0, 2, 0, G), 4);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_FunctionSingleMask(0, 0u, G), 28);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_FunctionDiffSingleMask(0, 0u, G), 8);
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(31, 3, 0, G), 7);
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_Setup_GainHi(31, 3, 0, G), 30);
    QCOMPARE(db.KLX_DataBaseManagerMixerGetSet_SingleMask(31, 0u, G), 8);
    // Flight modes 9 to 26 are gone, and the old trim values with them.
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(20, 0, G), 0);
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(24, 0, G), 0);
    QCOMPARE(db.KLX_DataBaseManagerTrimGetSetTrimValue(0, 20, 0, G), 0);
    // The old numbers' settings hold what a new record holds there, although
    // they lie beyond the smaller board's nine flight modes.
    T_Function function, freshFunction;
    T_Mixer mixer, freshMixer;
    db.KLX_DataBaseManagerFunctionCopySingleUnit(0, &function);
    db.KLX_DataBaseManagerMixerCopySingleUnit(31, &mixer);
    std::memset(&freshFunction, 0, sizeof freshFunction);
    std::memset(&freshMixer, 0, sizeof freshMixer);
    kl_engine_init_function(&freshFunction);
    kl_engine_init_mixer(&freshMixer);
    for (int fm : {20, 24}) {
      QCOMPARE(QByteArray::fromRawData(reinterpret_cast<const char*>(&function.Setup[fm]), sizeof(T_FunctionSetup)),
               QByteArray::fromRawData(reinterpret_cast<const char*>(&freshFunction.Setup[fm]), sizeof(T_FunctionSetup)));
      QCOMPARE(QByteArray::fromRawData(reinterpret_cast<const char*>(&mixer.Setup[fm]), sizeof(T_MixerSetup)),
               QByteArray::fromRawData(reinterpret_cast<const char*>(&freshMixer.Setup[fm]), sizeof(T_MixerSetup)));
    }
  }

  // The smaller board's table spread: entries 0, 2, 4, 6, 8, 9, 10, 11, 12
  // take its entries 0 to 8, entries 1, 3, 5 and 7 become 0 and the rest
  // stay 0; the eighth slot has no control. No flight mode is renumbered.
  void aSmallerBoardsFileOnTheLargerBoard() {
    ModelFileFixture fx(KL_BOARD_VORN);
    const QByteArray file =
        ModelXml("<FLIGHTMODE><Index>8</Index><Name>Landing</Name><IsUsed>1</IsUsed></FLIGHTMODE>" +
                 Assignment({1280, 1281, 1282, 1283, 1284, 1285, 1286}, {1, 2, 3, 4, 5, 6, 7, 8, 0}) +
                 Trim(0, 5, 1, 256, {100, 0, 0, 0, 0, 0, 0, 0, -300}));
    VornErrorWatch watch;
    const QByteArray saved = LoadedAndSaved(fx, file);

    QCOMPARE(Elements(saved, "FLIGHTMODE"),
             QByteArray("<FLIGHTMODE><Index>8</Index><Name>Landing</Name><IsUsed>1</IsUsed><FadeIn>0</FadeIn>"
                        "<FunctionNum>0</FunctionNum></FLIGHTMODE>"));
    QCOMPARE(Elements(saved, "FLIGHTMODEASSIGN"),
             Assignment({1280, 1281, 1282, 1283, 1284, 1285, 1286, 65535},
                        {1, 0, 2, 0, 3, 0, 4, 0, 5, 6, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    QList<int> values = Zeros(27);
    values[0] = 100;
    values[8] = -300;
    QCOMPARE(Elements(saved, "TRIM").left(Trim(0, 5, 1, 256, values).size()), Trim(0, 5, 1, 256, values));
  }
};

QTEST_GUILESS_MAIN(TestBoards)
#include "tst_boards.moc"
