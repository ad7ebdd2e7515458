// Head-up glasses over the private bus: recognised, their command service
// resolved, the set-up frames and the row frames at the characteristic in
// order; and the guard of a headset PCM that underruns or overruns.
#include <algorithm>

#include "bluetooth_fixture.h"
#include "wireless/algoutput.h"

using namespace wireless;

namespace {
// The real-time bound of a wait for a condition: only a hang reaches it.
constexpr int kHangMs = 60000;

const QByteArray kSetup[] = {QByteArray::fromHex("FF010005AA"), QByteArray::fromHex("FF09000900000000AA"),
                             QByteArray::fromHex("FF20000601AA"), QByteArray::fromHex("FF1000060FAA")};
// A blank text frame: header with anchor and font, the spaces, 00 AA.
QByteArray Blank(int x, int y, int font, int spaces) {
  QByteArray f = QByteArray::fromHex("FF3700");
  f += char(13 + spaces);
  f += char(x >> 8), f += char(x & 0xFF), f += char(y >> 8), f += char(y & 0xFF);
  f += char(4), f += char(font), f += char(0x0F);
  return f + QByteArray(spaces, ' ') + QByteArray::fromHex("00AA");
}

// How many whole batches `frames` are when each writes `batch` in its order
// and batches may interleave frame by frame; -1 when they are no such
// batches (a frame of none, one before the frame it follows, or a batch
// not yet whole).
int WholeBatches(const QList<QByteArray>& frames, const QList<QByteArray>& batch) {
  QVector<int> seen(batch.size(), 0);
  for (const QByteArray& frame : frames) {
    const int i = batch.indexOf(frame);
    if (i < 0 || (i > 0 && seen[i] == seen[i - 1])) return -1;
    ++seen[i];
  }
  return std::all_of(seen.begin(), seen.end(), [&](int n) { return n == seen[0]; }) ? seen[0] : -1;
}

QStringList Hex(const QList<QByteArray>& frames) {
  QStringList out;
  for (const QByteArray& frame : frames) out << frame.toHex();
  return out;
}
}  // namespace

class TestBtGlasses : public QObject {
  Q_OBJECT
 private slots:
  void setUpFramesAfterConnect() {
    BtFixture fx({CSimBluez::kGlassesMac + "=" + CSimBluez::Glasses()});
    QVERIFY(fx.UpAndOn());
    QCOMPARE(fx.db.getDevicesList(), QStringList{"ActiveLook," + CSimBluez::kGlassesMac});
    // No rows yet: nothing but the set-up reaches the glasses.
    fx.db.KLX_DataBaseManagerHeadupSetTimerInterval(3600000);
    QVERIFY(fx.Connect(CSimBluez::kGlassesMac));
    QVERIFY(fx.bt.glasses());
    // When the services resolve (the connect's reply comes before them and
    // finds no command service yet).
    QVERIFY(QTest::qWaitFor([&] { return fx.bluez.FrameCount() >= 4; }, kHangMs));
    // The other of the two askers comes last on a busy machine: the glasses
    // are set up once all the same.
    emit fx.bt.glasses()->glassesOutputReady();
    QCOMPARE(fx.db.KLX_DataBaseManagerGetLastUsedBLEDevice(), CSimBluez::kGlassesMac);

    // Every refresh of the window writes a batch: an empty list blanks all
    // three rows, the name and the value of each in turn. A refresh starts
    // its writer whether the last one has ended or not, so on a busy
    // machine two batches interleave frame by frame; each is whole and in
    // its order. The first batch comes after whatever the last asker
    // wrote, so it follows the set-up directly when nothing was set up twice.
    const QList<QByteArray> blanks{Blank(184, 234, 1, 24), Blank(143, 208, 2, 16), Blank(184, 154, 1, 24),
                                   Blank(143, 128, 2, 16), Blank(184, 74, 1, 24),  Blank(143, 48, 2, 16)};
    fx.db.KLX_DataBaseManagerHeadupSetTimerInterval(100);
    QVERIFY(QTest::qWaitFor([&] { return fx.bluez.FrameCount() >= 4 + 6; }, kHangMs));
    fx.db.KLX_DataBaseManagerHeadupSetTimerInterval(3600000);
    QList<QByteArray> frames;
    // Every batch begun has ended.
    const bool whole = QTest::qWaitFor([&] {
      frames = fx.bluez.Frames();
      return WholeBatches(frames.mid(4), blanks) >= 1;
    }, kHangMs);
    QVERIFY2(whole, qPrintable(Hex(frames).join(' ')));
    QCOMPARE(Hex(frames.mid(0, 5)), Hex(QList<QByteArray>(std::begin(kSetup), std::end(kSetup)) << blanks.first()));

    // BlueZ drops the glasses: the object goes with them.
    QVERIFY(fx.bluez.RemoveDevice(CSimBluez::kGlassesMac));
    QVERIFY(fx.heard.WaitFor("del " + CSimBluez::kGlassesMac));
    QVERIFY(!fx.bt.glasses());
  }

  void rowFrames_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("frames");
    QTest::newRow("telemetry") << int(HeadupType_Telemetry) << "Altitude:123;m"
                               << QStringList{"ff37001a00b800ea04010f416c746974756465202020202000aa",
                                              "ff370015008f00d004020f313233206d20202000aa"};
    QTest::newRow("timer") << int(HeadupType_Timer) << "Flight;3:7"
                           << QStringList{"ff37001d00b800ea04010f466c696768742020202020202020202000aa",
                                          "ff370019008f00d004020f333a3720202020202020202000aa",
                                          "ff37000d000000d004020f00aa"};
    QTest::newRow("servo") << int(HeadupType_Servo) << "Aileron: -200"
                           << QStringList{"ff37001b00b800ea04010f41696c65726f6e2020202020202000aa",
                                          "ff370018008f00d004020f202d32303020202020202000aa",
                                          "ff37000d000000d004020f00aa"};
    QTest::newRow("degrees and umlaut") << int(HeadupType_Telemetry) << QString::fromUtf8("T\xc3\xbcr:21.5\xc2\xb0" "C;")
                                        << QStringList{"ff37002400b800ea04010f54c3bc722020202020202020202020202020202020202000aa",
                                                       "ff370016008f00d004020f32312e35432020202000aa"};
  }
  // One row written through the glasses' command service, each frame as
  // the characteristic received it; rows 1 and 2 are blanked.
  void rowFrames() {
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QStringList, frames);
    BtFixture fx({CSimBluez::kGlassesMac + "=" + CSimBluez::Glasses()});
    QVERIFY(fx.UpAndOn());
    fx.db.KLX_DataBaseManagerHeadupSetTimerInterval(3600000);
    QVERIFY(fx.Connect(CSimBluez::kGlassesMac));
    QVERIFY(QTest::qWaitFor([&] { return fx.bluez.FrameCount() >= 4; }, kHangMs));
    QVERIFY(fx.bt.glasses()->service(ActiveLookGlasses::Commands_Server));
    fx.bluez.Clear();
    fx.bt.onHeadupFreshData({{E_HeadupType(type), text}});
    QVERIFY(QTest::qWaitFor([&] { return fx.bluez.FrameCount() >= frames.size() + 4; }, kHangMs));
    QStringList got;
    for (const QByteArray& f : fx.bluez.Frames().mid(0, frames.size())) got << f.toHex();
    for (QString& f : frames) f.remove(' ');
    QCOMPARE(got, frames);
  }

  void writerWithoutServiceStillFinishes() {
    ALGOutput writer(nullptr, {{HeadupType_Telemetry, QStringLiteral("A:1;V")}});
    QSignalSpy finished(&writer, &ALGOutput::finished);
    QSignalSpy written(&writer, &ALGOutput::frameWritten);
    writer.show();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(written.size(), 0);
  }

  // Ten quick underruns disconnect the headset; once bluealsa drops the PCM
  // the guard connects it again and supervision starts afresh.
  void underrunsDisconnectAndRecover() {
    BtFixture fx({CSimBluez::kHeadsetMac + "=" + CSimBluez::Headset()});
    fx.bt.SetPeriods(4000, 50, 50);
    QVERIFY(fx.UpAndOn());
    QVERIFY(fx.bt.reportSocketListening());
    QVERIFY(fx.Connect(CSimBluez::kHeadsetMac));
    QVERIFY(QTest::qWaitFor([&] { return fx.GuardOf(CSimBluez::kHeadsetMac) != nullptr; }, kHangMs));
    // Lower case as the audio-loop writes it; one read is one report.
    for (int i = 0; i < 9; ++i) QVERIFY(fx.Report("UNDERRUN 00:1a:7d:da:71:13\n"));
    QVERIFY(QTest::qWaitFor([&] { return fx.GuardOf(CSimBluez::kHeadsetMac)->underruns() == 9; }, kHangMs));
    QVERIFY(fx.Report("UNDERRUN 00:1a:7d:da:71:13\nOVERRUN \n"));
    QVERIFY(QTest::qWaitFor([&] { return fx.bluez.Calls().filter("Disconnect").size() == 1; }, kHangMs));
    QVERIFY(fx.heard.WaitFor("off " + CSimBluez::kHeadsetMac));
    // Reconnected after the recovery delay: the guard is back in normal state.
    QVERIFY(QTest::qWaitFor([&] { return fx.bluez.Calls().filter("Connect ").size() == 2; }, kHangMs));
    QVERIFY(QTest::qWaitFor([&] {
      Guard* g = fx.GuardOf(CSimBluez::kHeadsetMac);
      return g && g->getStatus() == Guard::Normal && g->underruns() == 0;
    }, kHangMs));
    QCOMPARE(fx.db.getActiveALSADeviceMac(), CSimBluez::kHeadsetMac);
  }

  // Four quick overruns disconnect every guarded headset; two failed
  // reconnects give the guards up.
  void overrunsAndFailedReconnects() {
    const QString second = QStringLiteral("00:1A:7D:DA:71:99");
    BtFixture fx({CSimBluez::kHeadsetMac + "=" + CSimBluez::Headset(), second + "=" + CSimBluez::Headset("B")});
    fx.bt.SetPeriods(4000, 50, 50);
    QVERIFY(fx.UpAndOn());
    QVERIFY(fx.Connect(CSimBluez::kHeadsetMac));
    fx.db.connectDev(second);
    QVERIFY(QTest::qWaitFor([&] { return fx.bt.guards().size() == 2; }, kHangMs));
    QVERIFY(fx.bluez.SetError(QStringLiteral("Connect"), QStringLiteral("org.freedesktop.DBus.Error.NoReply")));
    for (int i = 0; i < 4; ++i) QVERIFY(fx.Report("OVERRUN \n"));
    QVERIFY(QTest::qWaitFor([&] { return fx.bt.guards().isEmpty(); }, kHangMs));
    // Each guard asks for the disconnection of both headsets. Every failed
    // reconnect reaches both guards, so two failures in all may end them.
    QCOMPARE(fx.bluez.Calls().filter("Disconnect").size(), 4);
    QVERIFY(fx.bluez.Calls().filter("Connect ").size() >= 2 + 2);
  }
};

QTEST_GUILESS_MAIN(TestBtGlasses)
#include "tst_bt_glasses.moc"
