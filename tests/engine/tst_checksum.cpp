// The model checksum: CRC-32C chained over the used records in the order the
// transceiver controller uses, so both sides agree on the same model.
#include <QtTest>

#include <vector>

#include "engine_fixture.h"

using namespace enginetest;

namespace {

uint32_t Crc(const std::vector<unsigned char>& bytes) {
  return crc32_calc_buf(bytes.data(), unsigned(bytes.size()));
}

// The expected byte stream, taken straight from the block at the record
// offsets: servo configurations, functions, mixers, sequencers (from byte 2),
// limiters, flight modes, curves, all six trims, virtual switches, the special
// switch, the flight-mode assignment, telemetry controls.
std::vector<unsigned char> ChecksumStream(Engine& e, const int* counts) {
  std::vector<unsigned char> out;
  auto add = [&](int off, int len) { out.insert(out.end(), e.raw() + off, e.raw() + off + len); };
  auto used = [&](int base, int size, int count, int from = 0) {
    for (int i = 0; i < count; ++i)
      if (e.Get8(base + i * size)) add(base + i * size + from, size - from);
  };
  used(kServo, kServoSize, counts[0]);
  used(kFunction, kFunctionSize, counts[1]);
  used(kMixer, kMixerSize, counts[2]);
  used(kSequencer, kSequencerSize, counts[7], 2);
  used(kLimiter, kLimiterSize, counts[3]);
  used(kFlightMode, kFlightModeSize, counts[4]);
  used(kCurve, kCurveSize, counts[8]);
  add(kTrim, 6 * kTrimSize);
  used(kVSwitch, kVSwitchSize, counts[6]);
  add(kSpecial, 8);
  add(kFmAssign, 44);
  used(kTele, kTeleSize, counts[9]);
  return out;
}

void UseOneOfEach(Engine& e, int index) {
  e.Put8(Servo(index % 26), 1);
  e.Put8(Function(index % 48), 1);
  e.Put8(Mixer(index % 48), 1);
  e.Put8(Sequencer(index % 2), 2);
  e.Put8(Limiter(index % 48), 1);
  e.Put8(FlightMode(index % 27), 1);
  e.Put8(Curve(index % 255), 1);
  e.Put8(VSwitch(index % 128), 1);
  e.Put8(Tele(index % 16), 1);
}

}  // namespace

class EngineChecksum : public QObject {
  Q_OBJECT

 private slots:
  void crc32c();
  void emptyModelStillHasAChecksum();
  void freshModelCoversTrimsSpecialSwitchAndAssignment();
  void usedRecordsInUnitOrder_data();
  void usedRecordsInUnitOrder();
  void whichBytesCount_data();
  void whichBytesCount();
};

void EngineChecksum::crc32c() {
  QCOMPARE(crc32_calc_buf(reinterpret_cast<const unsigned char*>("abc"), 3), 0x364B3FB7u);
  QCOMPARE(crc32_calc_buf(reinterpret_cast<const unsigned char*>("123456789"), 9), 0xE3069283u);
  QCOMPARE(crc32_calc_buf(reinterpret_cast<const unsigned char*>("abc"), 0), 0u);
  // A chained running value equals one pass over the joined bytes.
  uint32_t running = crc32_update_buf(0xFFFFFFFFu, reinterpret_cast<const unsigned char*>("1234"), 4);
  running = crc32_update_buf(running, reinterpret_cast<const unsigned char*>("56789"), 5);
  QCOMPARE(~running, 0xE3069283u);
  QCOMPARE(kl_engine_calc_model_crc32(nullptr), 0u);
}

void EngineChecksum::emptyModelStillHasAChecksum() {
  Engine e;
  std::memset(e.write().get(), 0, sizeof(T_SetupData));
  const std::vector<unsigned char> zeros(6 * 64 + 8 + 44, 0);
  QCOMPARE(kl_engine_calc_model_crc32(e.read()), Crc(zeros));
}

void EngineChecksum::freshModelCoversTrimsSpecialSwitchAndAssignment() {
  Engine e;
  std::vector<unsigned char> bytes;
  for (int t = 0; t < 6; ++t) {
    bytes.push_back(41);  // TrimSteps
    bytes.insert(bytes.end(), 63, 0);
  }
  for (int v = 0; v < 4; ++v) {
    bytes.push_back(0xFF);  // 2047
    bytes.push_back(0x07);
  }
  bytes.insert(bytes.end(), 16, 0xFF);  // eight slots without control
  bytes.insert(bytes.end(), 28, 0);
  QCOMPARE(int(bytes.size()), 436);
  QCOMPARE(kl_engine_calc_model_crc32(e.read()), Crc(bytes));
}

void EngineChecksum::usedRecordsInUnitOrder_data() {
  QTest::addColumn<int>("board");
  QTest::newRow("larger board") << int(KL_BOARD_VORN);
  QTest::newRow("smaller board") << int(KL_BOARD_FENK);
}

void EngineChecksum::usedRecordsInUnitOrder() {
  QFETCH(int, board);
  Engine e(board);
  // Low indices count on both boards; the high ones only on the larger.
  for (int index : {0, 1, 17, 25, 31, 47, 79, 127, 254}) UseOneOfEach(e, index);
  e.Put8(Sequencer(1) + 1, 0x33);  // a pad byte before the counted range
  e.Put16(Function(1) + 2, 0x1234);
  const int* counts = board == KL_BOARD_FENK ? kl_engine_cfg_Fenk : kl_engine_cfg_Vorn;
  QCOMPARE(kl_engine_calc_model_crc32(e.read()), Crc(ChecksumStream(e, counts)));
  // The other board's counts give another value.
  const int* other = board == KL_BOARD_FENK ? kl_engine_cfg_Vorn : kl_engine_cfg_Fenk;
  QVERIFY(kl_engine_calc_model_crc32(e.read()) != Crc(ChecksumStream(e, other)));
}

void EngineChecksum::whichBytesCount_data() {
  QTest::addColumn<int>("offset");
  QTest::addColumn<bool>("changes");
  QTest::newRow("used sequencer byte 0") << Sequencer(0) << false;
  QTest::newRow("used sequencer byte 1") << Sequencer(0) + 1 << false;
  QTest::newRow("used sequencer byte 2") << Sequencer(0) + 2 << true;
  QTest::newRow("unused function") << Function(5) + 100 << false;
  QTest::newRow("used function last byte") << Function(4) + 887 << true;
  QTest::newRow("unused trim") << Trim(3) + 30 << true;
  QTest::newRow("unused virtual switch") << VSwitch(9) + 5 << false;
  QTest::newRow("special switch") << kSpecial + 7 << true;
  QTest::newRow("assignment pad") << kFmAssign + 43 << true;
  QTest::newRow("pad before curves") << 81426 << false;
  QTest::newRow("servo beyond count") << Servo(20) + 4 << false;  // smaller board
}

void EngineChecksum::whichBytesCount() {
  QFETCH(int, offset);
  QFETCH(bool, changes);
  Engine e(KL_BOARD_FENK);
  e.Put8(Sequencer(0), 1);
  e.Put8(Function(4), 1);
  e.Put8(Servo(20), 1);
  const uint32_t before = kl_engine_calc_model_crc32(e.read());
  e.Put8(offset, e.Get8(offset) ^ 0x5A);
  QCOMPARE(kl_engine_calc_model_crc32(e.read()) != before, changes);
}

QTEST_APPLESS_MAIN(EngineChecksum)
#include "tst_checksum.moc"
