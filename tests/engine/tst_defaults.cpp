// Rounding, percent conversion, the board size tables and the bytes of every
// fresh record, read back at the controllers' offsets.
#include <QtTest>

#include "engine_fixture.h"

using namespace enginetest;

class EngineDefaults : public QObject {
  Q_OBJECT

 private slots:
  void pseudoRound_data();
  void pseudoRound();
  void percentConversion_data();
  void percentConversion();
  void sizeTableBeforeAndAfterBoardSetUp();
  void recordDefaults_data();
  void recordDefaults();
  void defaultCurveIsStraightLine();
  void smallerBoardLeavesUpperFlightModeBlocksZero();
  void nullRecordsAreIgnored();
};

void EngineDefaults::pseudoRound_data() {
  QTest::addColumn<double>("x");
  QTest::addColumn<int>("expected");
  QTest::newRow("half up") << 0.5 << 1;
  QTest::newRow("half down") << -0.5 << -1;
  QTest::newRow("below half") << 2.4999 << 2;
  QTest::newRow("1023.5") << 1023.5 << 1024;
  QTest::newRow("-1023.5") << -1023.5 << -1024;
  QTest::newRow("zero") << 0.0 << 0;
  QTest::newRow("just below saturation") << 32766.0 << 32766;
  QTest::newRow("saturates high") << 32766.5 << 32767;
  QTest::newRow("saturates low") << -32767.5 << -32768;
  QTest::newRow("far low") << -1e9 << -32768;
}

void EngineDefaults::pseudoRound() {
  QFETCH(double, x);
  QFETCH(int, expected);
  QCOMPARE(int(kl_engine_pseudo_round(x)), expected);
}

void EngineDefaults::percentConversion_data() {
  QTest::addColumn<bool>("servo");
  QTest::addColumn<int>("value");
  QTest::addColumn<bool>("toPercent");
  QTest::addColumn<int>("expected");
  QTest::newRow("50 %") << false << 50 << false << 1024;
  QTest::newRow("-50 %") << false << -50 << false << -1024;
  QTest::newRow("100 %") << false << 100 << false << 2047;
  QTest::newRow("2047 is 100 %") << false << 2047 << true << 100;
  QTest::newRow("1 is 0 %") << false << 1 << true << 0;
  QTest::newRow("1024 is 50 %") << false << 1024 << true << 50;
  QTest::newRow("2048 has no value") << false << 2048 << true << -2048;
  QTest::newRow("3000 % refused") << false << 3000 << false << -2048;
  QTest::newRow("150 % saturates") << false << 150 << false << 2047;
  QTest::newRow("servo 125 %") << true << 125 << false << 1279;
  QTest::newRow("servo -100 %") << true << -100 << false << -1024;
  QTest::newRow("servo 2047 is 200 %") << true << 2047 << true << 200;
  QTest::newRow("servo 1279 is 125 %") << true << 1279 << true << 125;
  QTest::newRow("servo -2048 has no value") << true << -2048 << false << -2048;
}

void EngineDefaults::percentConversion() {
  QFETCH(bool, servo);
  QFETCH(int, value);
  QFETCH(bool, toPercent);
  QFETCH(int, expected);
  const int r = servo ? kl_engine_calc_servo_in200percentRange(value, toPercent)
                      : kl_engine_calc_in100percentRange(value, toPercent);
  QCOMPARE(r, expected);
}

void EngineDefaults::sizeTableBeforeAndAfterBoardSetUp() {
  // Before anything sets the board the larger board's table is in force, so
  // every count fits the set-up block.
  kl_engine_reset_state();
  const int vorn[] = {26, 48, 48, 48, 27, 8, 128, 2, 255, 16, 12};
  const int fenk[] = {18, 32, 32, 32, 9, 7, 80, 1, 255, 4, 8};
  QVERIFY(kl_engine_get_cfg() != nullptr);
  for (int i = 0; i < EngineCfgEntries; ++i) QCOMPARE(kl_engine_get_cfg()[i], vorn[i]);
  kl_engine_init_parameters(KL_BOARD_FENK);
  for (int i = 0; i < EngineCfgEntries; ++i)
    QCOMPARE(kl_engine_cfg_count(E_EngineCfg(i)), fenk[i]);
  kl_engine_init_parameters(KL_BOARD_UNDEFINED);
  QCOMPARE(kl_engine_cfg_count(EngineCfgServos), 26);
  kl_engine_init_parameters(KL_BOARD_FENK);
  kl_engine_init_parameters(KL_BOARD_VORN);
  QCOMPARE(kl_engine_cfg_count(EngineCfgFunctions), 48);
  QCOMPARE(kl_engine_cfg_count(E_EngineCfg(11)), 0);
  QCOMPARE(int(sizeof(T_SetupData)), kBlockSize);
}

void EngineDefaults::recordDefaults_data() {
  QTest::addColumn<int>("offset");
  QTest::addColumn<int>("width");  // negative: signed
  QTest::addColumn<int>("expected");
  // Servo configuration 3 and its servo mixer 7.
  QTest::newRow("servo used") << Servo(3) << 1 << 0;
  QTest::newRow("servo group") << Servo(3) + 2 << 1 << 128;
  QTest::newRow("servo min") << Servo(3) + 6 << -2 << -1279;
  QTest::newRow("servo max") << Servo(3) + 8 << -2 << 1279;
  QTest::newRow("servo frame rate") << Servo(3) + 10 << 1 << 9;
  QTest::newRow("servo fail-safe mode") << Servo(3) + 12 << 1 << 1;
  QTest::newRow("servo cut-off switch") << Servo(3) + 16 << 1 << 255;
  QTest::newRow("servo mixer source") << Servo(3) + 90 << 1 << 2;
  QTest::newRow("servo mixer travel min") << Servo(3) + 92 << -2 << -1024;
  QTest::newRow("servo mixer travel max") << Servo(3) + 94 << -2 << 1024;
  QTest::newRow("servo mixer function") << Servo(3) + 96 << 2 << 48;
  QTest::newRow("servo mixer curve") << Servo(3) + 98 << 2 << 255;
  // Function 47, its flight-mode block 26 and servo slot 9.
  QTest::newRow("function control") << Function(47) + 2 << 2 << 0;
  QTest::newRow("function rate control") << Function(47) + 4 << 2 << 2;
  QTest::newRow("function expo control") << Function(47) + 6 << 2 << 2;
  QTest::newRow("function trim range") << Function(47) + 14 << -2 << 1024;
  QTest::newRow("function trim mode") << Function(47) + 17 << 1 << 4;
  QTest::newRow("function fail-safe mode") << Function(47) + 18 << 1 << 1;
  QTest::newRow("block curve") << FunctionSetup(47, 26) << 2 << 255;
  QTest::newRow("block rate hi") << FunctionSetup(47, 26) + 2 << -2 << 2047;
  QTest::newRow("block rate centre") << FunctionSetup(47, 26) + 4 << -2 << 2047;
  QTest::newRow("block rate lo") << FunctionSetup(47, 26) + 6 << -2 << 2047;
  QTest::newRow("block expo") << FunctionSetup(47, 26) + 8 << -2 << 0;
  QTest::newRow("servo slot index") << Function(47) + 836 + 36 << 2 << 26;
  QTest::newRow("servo slot mixer") << Function(47) + 838 + 36 << 2 << 0;
  QTest::newRow("function flags") << Function(47) + 876 << 4 << 0;
  // Mixer 47, block 26.
  QTest::newRow("mixer from") << Mixer(47) + 2 << 2 << 48;
  QTest::newRow("mixer to") << Mixer(47) + 4 << 2 << 48;
  QTest::newRow("mixer gain hi") << MixerSetup(47, 26) << -2 << 1024;
  QTest::newRow("mixer gain centre") << MixerSetup(47, 26) + 2 << -2 << 0;
  QTest::newRow("mixer gain lo") << MixerSetup(47, 26) + 4 << -2 << -1024;
  QTest::newRow("mixer curve") << MixerSetup(47, 26) + 6 << 2 << 255;
  QTest::newRow("mixer flags") << Mixer(47) + 340 << 4 << 1;
  QTest::newRow("mixer mask") << Mixer(47) + 344 << 4 << 0;
  // Sequencer 1, servo block 5.
  QTest::newRow("sequencer state") << Sequencer(1) << 1 << 0;
  QTest::newRow("sequencer above") << Sequencer(1) + 4 << -2 << 512;
  QTest::newRow("sequencer below") << Sequencer(1) + 6 << -2 << -512;
  QTest::newRow("sequencer channel") << SeqServo(1, 5) << 2 << 26;
  QTest::newRow("sequencer forward time") << SeqServo(1, 5) + 14 << 2 << 0;
  QTest::newRow("sequencer forward waypoint") << SeqServo(1, 5) + 28 << -2 << -2048;
  QTest::newRow("sequencer backward waypoint") << SeqServo(1, 5) + 56 << -2 << -2048;
  // Limiter 47, flight mode 26.
  QTest::newRow("limiter function") << Limiter(47) + 2 << 2 << 48;
  QTest::newRow("limiter above hi") << Limiter(47) + 10 + 156 << -2 << 2047;
  QTest::newRow("limiter above centre") << Limiter(47) + 10 + 158 << -2 << 0;
  QTest::newRow("limiter above lo") << Limiter(47) + 10 + 160 << -2 << -2047;
  QTest::newRow("limiter below hi") << Limiter(47) + 172 + 156 << -2 << 2047;
  QTest::newRow("limiter below lo") << Limiter(47) + 172 + 160 << -2 << -2047;
  // Flight mode 26, curve 254, trim 5, virtual switch 127, the single records.
  QTest::newRow("flight mode fade") << FlightMode(26) + 2 << -2 << 0;
  QTest::newRow("flight mode no-fade entry") << FlightMode(26) + 100 << 2 << 48;
  QTest::newRow("curve real points") << Curve(254) + 68 << 4 << 5;
  QTest::newRow("trim steps") << Trim(5) << 2 << 41;
  QTest::newRow("trim value") << Trim(5) + 56 << -2 << 0;
  QTest::newRow("trim mask") << Trim(5) + 60 << 4 << 0;
  QTest::newRow("switch used") << VSwitch(127) << 1 << 0;
  QTest::newRow("switch visible") << VSwitch(127) + 1 << 1 << 1;
  QTest::newRow("switch operator") << VSwitch(127) + 2 << 1 << 1;
  QTest::newRow("switch above") << VSwitch(127) + 14 + 4 << -2 << 614;
  QTest::newRow("switch below") << VSwitch(127) + 14 + 6 << -2 << -614;
  QTest::newRow("special value 3") << kSpecial + 6 << -2 << 2047;
  QTest::newRow("assignment slot 7") << kFmAssign + 14 << 2 << 65535;
  QTest::newRow("assignment entry 26") << kFmAssign + 42 << 1 << 0;
  QTest::newRow("telemetry main") << Tele(15) + 3 << 1 << 255;
  QTest::newRow("telemetry slave") << Tele(15) + 4 << 1 << 255;
  QTest::newRow("telemetry lower") << Tele(15) + 10 << -2 << -10;
  QTest::newRow("telemetry upper") << Tele(15) + 12 << -2 << 10;
  QTest::newRow("telemetry default out") << Tele(15) + 16 << -2 << 0;
  QTest::newRow("pad before curves") << 81426 << 2 << 0;
}

void EngineDefaults::recordDefaults() {
  QFETCH(int, offset);
  QFETCH(int, width);
  QFETCH(int, expected);
  Engine e;
  std::memset(e.write().get(), 0xA5, sizeof(T_SetupData));  // every byte must be written
  kl_engine_init_setupdata(e.write().get());
  int actual = 0;
  switch (width) {
    case 1: actual = e.Get8(offset); break;
    case 2: actual = e.Get16u(offset); break;
    case -2: actual = e.Get16s(offset); break;
    case 4: actual = int(e.Get32(offset)); break;
  }
  QCOMPARE(actual, expected);
}

void EngineDefaults::defaultCurveIsStraightLine() {
  // -2047 + round(p x 127.9375), half away from zero.
  Engine e;
  const int points[] = {-2047, -1919, -1791, -1663, -1535, -1407, -1279, -1151, -1023, -896, -768,
                        -640,  -512,  -384,  -256,  -128,  0,     128,   256,   384,   512,  640,
                        768,   896,   1024,  1151,  1279,  1407,  1535,  1663,  1791,  1919, 2047};
  for (int p = 0; p < 33; ++p) QCOMPARE(e.Get16s(Curve(7) + 2 + 2 * p), points[p]);
  int endOut = 0, travelOut = 0;
  T_ServoConfig sc{};
  kl_engine_init_servoconfig(&sc, &endOut, &travelOut);
  QCOMPARE(endOut, 125);
  QCOMPARE(travelOut, 100);
}

void EngineDefaults::smallerBoardLeavesUpperFlightModeBlocksZero() {
  Engine e(KL_BOARD_FENK);
  QCOMPARE(e.Get16s(FunctionSetup(0, 8) + 2), 2047);
  QCOMPARE(e.Get16u(MixerSetup(0, 8) + 6), 255);
  for (int fm = 9; fm < 27; ++fm) {
    for (int b = 0; b < 30; ++b) QCOMPARE(e.Get8(FunctionSetup(31, fm) + b), 0);
    for (int b = 0; b < 12; ++b) QCOMPARE(e.Get8(MixerSetup(31, fm) + b), 0);
  }
  // Blocks beyond the board's flight modes are never reset.
  e.Put16(FunctionSetup(0, 20) + 2, 77);
  kl_engine_reset_functionsetup(e.write()->Function, 20);
  kl_engine_reset_mixersetup(e.write()->Mixer, 20);
  QCOMPARE(e.Get16s(FunctionSetup(0, 20) + 2), 77);
  // The block covers the full capacity whatever the board: function 47 too.
  QCOMPARE(e.Get16u(Function(47) + 4), 2);
}

void EngineDefaults::nullRecordsAreIgnored() {
  kl_engine_init_setupdata(nullptr);
  kl_engine_init_function(nullptr);
  kl_engine_init_servoconfig(nullptr, nullptr, nullptr);
  kl_engine_reset_functionsetup(nullptr, 0);
  T_ServoOutputs out{};
  QCOMPARE(kl_engine_calculate(nullptr, &out), 0);
  Engine e;
  QCOMPARE(kl_engine_calculate(e.setup(), nullptr), 0);
  QCOMPARE(kl_engine_calculate(e.setup(), &out), 1);
  std::unique_ptr<T_SetupData> bare(new T_SetupData);
  kl_engine_init_setupdata(bare.get());
  QCOMPARE(kl_engine_calculate(bare.get(), nullptr), 0);
  QCOMPARE(kl_engine_calculate(bare.get(), &out), 1);
}

QTEST_APPLESS_MAIN(EngineDefaults)
#include "tst_defaults.moc"
