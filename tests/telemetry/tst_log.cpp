// "Tele.log" as the sensors' frames write it, byte for byte, on a Unix time
// the test sets: the header with the sensor table, time lines, every kind of
// record line, marks, pause and resume, a renamed model's header, a mark
// refused while a write failed, a line refused for want of room, the split
// into parts, what a power cut leaves of a running, paused or closed log,
// and a log that cannot start on a full card, told once.
#include "telemetry_fixture.h"
#include "vorn_powercut.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSemaphore>

#include <thread>

#include "frame/klx_basethread.h"

namespace {
constexpr qint64 kT0 = 0x65A1B2C0;
// The writer's reports of opening and closing a log.
constexpr unsigned kWriterProcessing = 0x32204;
constexpr unsigned kWriterStopped = 0x32205;
// The log prepared without room on the card, and its start refused.
constexpr unsigned kLogNotPrepared = 0x52201;
constexpr unsigned kWriterCannotStart = 0x1220A;

// Another thread holds the card (the XML saver does while it saves).
class CardHolder {
 public:
  CardHolder() : m_Thread([this] {
    MtxSDShareWrite.KLX_Critical_Enter();
    m_Held.release();
    m_Release.acquire();
    MtxSDShareWrite.KLX_Critical_Leave();
  }) {
    m_Held.acquire();
  }
  ~CardHolder() { Release(); }
  void Release() {
    if (!m_Thread.joinable()) return;
    m_Release.release();
    m_Thread.join();
  }

 private:
  QSemaphore m_Held, m_Release;
  std::thread m_Thread;
};

QByteArray Time(qint64 t) { return "\r\n#Time=0x" + QByteArray::number(t, 16).toUpper().rightJustified(8, '0'); }

QStringList Logs(const QString& root) {
  QStringList logs;
  QDirIterator it(root + "/Vorn/Log", {"*.log"}, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) logs << it.next();
  logs.sort();
  return logs;
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The sensors of the model: a vario with an alias, a GPS sensor, a status sensor.
void SetUpModel(TelemetryFixture& r) {
  r.db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet, false);
  r.db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(1, AtomicDirSet, false);
  r.db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName("Ann", AtomicDirSet, false);
  r.Describe(12, "Sensor", {});
  r.DescribeValue(12, 0, "Speed", "km/h", 0);
  r.DescribeValue(12, 3, "Climb", "m/s", 1);
  r.db.KLX_DataBaseManagerTelemetrieGetSetSensorAlias(12, "Vario", AtomicDirSet, false);
  r.Describe(13, "GPS", {});
  r.DescribeValue(13, 0, "Pos", "deg", 0);
  r.Describe(14, "Status", {});
  r.DescribeValue(14, 24, "State", "", 0);
  KLX_Telemetrie* t = r.Store();
  t->KLX_TelemetrieLock();
  t->KLX_TelemetrieGetSet_Slave_HasGPS(13, 0, 1, AtomicDirSet);
  t->KLX_TelemetrieGetSet_Slave_HasStatus(14, 24, 1, AtomicDirSet);
  t->KLX_TelemetrieUnlock();
  // The transmitter's own figures.
  r.db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(812, AtomicDirSet);
  r.db.KLX_DataBaseManagerGetSetSystemProperties_Akku2Voltage(795, AtomicDirSet);
  r.db.KLX_DataBaseManagerGetSetSystemProperties_Current(35, AtomicDirSet);
}

// The log started at kT0 and resumed: records stream.
bool Streaming(TelemetryFixture& r) {
  SetUpModel(r);
  r.unixTime = kT0;
  if (r.db.KLX_DataBaseManagerStartTelemetry() != 1) return false;
  r.db.KLX_DataBaseManagerResumeTelemetrie();
  return r.Handler()->KLX_TelemetrieHandlerGetState() == 0;
}

QByteArray Header(TelemetryFixture& r, bool newFile, qint64 t) {
  QByteArray h;
  if (newFile)
    h += "\r\n#AppVer=" + r.db.KLX_DataBaseManagerVornLinuxAppGetVersion().toLatin1() +
         "\r\n#TCfwVer=" + r.db.KLX_DataBaseManagerVornTransAppGetVersion().toLatin1() +
         "\r\n#SCfwVer=" + r.db.KLX_DataBaseManagerVornStickAppGetVersion().toLatin1();
  h += "\r\n#PilotName=Ann\r\n#Model=Glider@0x" + QByteArray::number(t, 16).toUpper() + "\r\n#ModelType=\x01" +
       "\r\n#SensorsTable\r\n"
       "012;00;Vario;Speed;km/h;0;\r\n"
       "012;03;Vario;Climb;m/s;1;\r\n"
       "013;00;GPS;Pos;;0;\r\n"
       "014;24;Status;State;;0;\r\n";
  return h;
}
}  // namespace

class LogTest : public QObject {
  Q_OBJECT

 private slots:
  void aLogByteForByte() {
    TelemetryFixture r;
    QVERIFY(r.Start());
    VornErrorWatch watch;
    watch.Expect({kWriterProcessing, kWriterStopped});
    SetUpModel(r);
    r.unixTime = kT0;
    QCOMPARE(r.db.KLX_DataBaseManagerStartTelemetry(), 1);
    QVERIFY(watch.Has(0x42202u));  // "Telemetry captured, #SensorsTable is written!"
    const QString file = r.db.KLX_DataBaseManagerGetTeleLogAbsFilePath();
    QCOMPARE(file, r.Handler()->KLX_TelemetrieHandlerWriter().KLX_FileWriterGetFolder() + "/Glider_" +
                       QDateTime::fromSecsSinceEpoch(kT0).toString("hh_mm_ss") + "_00_Tele.log");
    // Paused after the header: a frame writes nothing.
    r.Values(12, 0, {9});
    QVERIFY(r.Settled());
    r.db.KLX_DataBaseManagerResumeTelemetrie();

    r.unixTime = kT0 + 1;
    r.Values(12, 0, {1, -1, 0x7FFF, -32768});
    r.Values(12, 8, {2});
    // Link quality: the own sensor's group 0, written while the counter is even.
    r.Send(SimTransceiverLinkQuality, QByteArray::fromHex("6455d8c4"));
    r.Frame(CSimSensors::StatusFrame(14, 24, "Ready"));
    r.Send(SimTransceiverLinkQuality, QByteArray::fromHex("6455d8c4"));  // counter 3: not written
    QVERIFY(r.Settled());
    r.unixTime = kT0 + 2;
    const int gps[4] = {1, 2, 3, 4};
    r.Frame(CSimSensors::GpsFrame(13, 0, gps, 0x0A0B0C0D, 0x01020304));
    r.Silent(15);
    QVERIFY(r.Settled());
    r.unixTime = kT0 + 3;
    r.db.KLX_DataBaseManagerPauseTelemetrie(KLX_DatabaseValues::TELELOG_PauseTag);
    r.Values(12, 0, {5});  // paused: not written
    QVERIFY(r.Settled());
    r.unixTime = kT0 + 4;
    r.db.KLX_DataBaseManagerResumeTelemetrie();
    r.Values(12, 0, {6});
    QVERIFY(r.Settled());
    r.unixTime = kT0 + 5;
    r.db.KLX_DataBaseManagerPauseTelemetrie(KLX_DatabaseValues::TELELOG_EndTag);
    QVERIFY(watch.Has(0x42203u));  // "#End of telemetry log file!"
    // The writer closes the log once its final text is on the card.
    QTRY_VERIFY(watch.Has(kWriterStopped));
    QCOMPARE(r.Handler()->KLX_TelemetrieHandlerGetState(), 14);
    QVERIFY(!r.Handler()->KLX_TelemetrieHandlerIsRecording());

    const QByteArray own = "0x032C;0x031B;0x0023;0x0136;0x0064;0x0055;0xFFD8;0xFFC4;";
    const QByteArray expected =
        Header(r, true, kT0) +
        Time(kT0 + 1) + "\r\n"
        ":00;012;00;0;0x0001;0xFFFF;0x7FFF;0x8000;0x0000;0x0000;0x0000;0x0000;\r\n"
        ":01;012;08;0;0x0002;0x0000;0x0000;0x0000;0x0000;0x0000;0x0000;0x0000;\r\n"
        ":02;004;00;0;" + own + "\r\n"
        ":02;014;24;1;;Ready;;\r\n" +
        Time(kT0 + 2) + "\r\n"
        ":00;013;00;2;0x0001;0x0002;0x0003;0x0004;;0x01020304;0x0A0B0C0D;\r\n"
        ":01;015;99;9;;;;\r\n" +
        Time(kT0 + 3) + "\r\n#Pause\r\n" +
        Time(kT0 + 4) + "\r\n"
        ":00;012;00;0;0x0006;0x0000;0x0000;0x0000;0x0000;0x0000;0x0000;0x0000;\r\n" +
        Time(kT0 + 5) + "\r\n#End\r\n";
    QCOMPARE(Logs(r.link.root.Path()), QStringList{file});
    QCOMPARE(ReadAll(file), expected);

    // The next start opens a new file.
    r.unixTime = kT0 + 60;
    QCOMPARE(r.db.KLX_DataBaseManagerStartTelemetry(), 1);
    r.Handler()->FinishWritingTelemetrie();
    QCOMPARE(Logs(r.link.root.Path()).size(), 2);
  }

  // A renamed model writes its header again with the next sensor frame; the
  // logging marks keep their bit.
  void marksAndARenamedModel() {
    TelemetryFixture r;
    QVERIFY(r.Start());
    VornErrorWatch watch;
    watch.Expect({kWriterProcessing, kWriterStopped});
    QVERIFY(Streaming(r));
    r.unixTime = kT0 + 1;
    r.db.KLX_DataBaseManagerPauseTelemetrie(KLX_DatabaseValues::TELELOG_TeleLogDisableTag);
    QCOMPARE(r.Handler()->KLX_TelemetrieHandlerGetState(), 0x1F);
    // Paused after a mark: the next request writes its own mark at once.
    r.db.KLX_DataBaseManagerPauseTelemetrie(KLX_DatabaseValues::TELELOG_ModelFileRenamedTag);
    QCOMPARE(r.Handler()->KLX_TelemetrieHandlerGetState(), 0x3F);
    r.unixTime = kT0 + 2;
    r.Values(12, 0, {7});
    QVERIFY(r.Settled());
    QCOMPARE(r.Handler()->KLX_TelemetrieHandlerGetState(), 0x1F);
    r.db.KLX_DataBaseManagerPauseTelemetrie(KLX_DatabaseValues::TELELOG_TeleLogEnableTag);
    QCOMPARE(r.Handler()->KLX_TelemetrieHandlerGetState(), 0x0F);
    r.db.KLX_DataBaseManagerResumeTelemetrie();
    r.Values(12, 0, {8});
    QVERIFY(r.Settled());
    const QString file = r.db.KLX_DataBaseManagerGetTeleLogAbsFilePath();
    r.Handler()->FinishWritingTelemetrie();
    QCOMPARE(r.Handler()->KLX_TelemetrieHandlerGetState(), 255);
    const QByteArray expected = Header(r, true, kT0) + Time(kT0 + 1) + "\r\n#LoggingDisabled\r\n" + Time(kT0 + 1) +
                                "\r\n#ModelFileRenamed\r\n" + Header(r, false, kT0 + 2) + Time(kT0 + 2) +
                                "\r\n#LoggingEnabled\r\n" + Time(kT0 + 2) +
                                "\r\n:00;012;00;0;0x0008;0x0000;0x0000;0x0000;0x0000;0x0000;0x0000;0x0000;\r\n";
    QCOMPARE(ReadAll(file), expected);
  }

  // The card stays busy while the buffer overflows: the writer keeps the
  // text but cannot write it, and no mark is taken until it could.
  void aMarkIsRefusedWhileAWriteFailed() {
    TelemetryFixture r;
    QVERIFY(r.Start());
    VornErrorWatch watch;
    watch.Expect({kWriterProcessing, kWriterStopped, 0x2220Bu});
    QVERIFY(Streaming(r));
    const QString file = r.db.KLX_DataBaseManagerGetTeleLogAbsFilePath();
    watch.Clear();
    CardHolder card;
    // 71 bytes a record: the 32 KiB buffer overflows within 470 frames.
    r.unixTime = kT0 + 1;
    int sent = 0;
    while (!(r.Handler()->KLX_TelemetrieHandlerGetState() & KLX_TelemetrieHandler::kWriteFailed) && sent < 600) {
      r.Values(12, 0, {sent});
      ++sent;
      QVERIFY(r.Settled());
    }
    QVERIFY2(sent > 400 && sent < 600, qPrintable(QString::number(sent)));
    r.db.KLX_DataBaseManagerPauseTelemetrie(KLX_DatabaseValues::TELELOG_PauseTag);
    QCOMPARE(watch.TakeReports(),
             (QList<QPair<unsigned, QString>>{{0x2220Bu, "Dump flag is set! Cannot process next pause command 1"}}));
    QCOMPARE(r.Handler()->KLX_TelemetrieHandlerGetState(), KLX_TelemetrieHandler::kWriteFailed);
    card.Release();
    // The next frame brings the flush instead of its record; then records
    // and marks are taken again.
    r.Values(12, 0, {sent});
    QVERIFY(r.Settled());
    QCOMPARE(r.Handler()->KLX_TelemetrieHandlerGetState(), 0);
    r.Values(12, 0, {sent + 1});
    QVERIFY(r.Settled());
    r.unixTime = kT0 + 2;
    r.db.KLX_DataBaseManagerPauseTelemetrie(KLX_DatabaseValues::TELELOG_PauseTag);
    r.Handler()->FinishWritingTelemetrie();
    QVERIFY(!watch.TakeCodes().contains(0x2220Bu));
    // Every record taken, in order, the counter standing at 99.
    QList<QByteArray> records;
    for (const QByteArray& line : ReadAll(file).split('\n'))
      if (line.startsWith(':')) records << line;
    QList<int> expected;
    for (int i = 0; i < sent; ++i) expected << i;
    expected << sent + 1;
    QCOMPARE(records.size(), expected.size());
    for (int i = 0; i < records.size(); ++i) {
      const QByteArray head = QByteArray(":") + QByteArray::number(qMin(i, 99)).rightJustified(2, '0') + ";012;00;0;0x" +
                              QByteArray::number(expected[i], 16).toUpper().rightJustified(4, '0') + ";";
      QVERIFY2(records[i].startsWith(head), records[i].constData());
    }
    QVERIFY(ReadAll(file).endsWith(Time(kT0 + 2) + "\r\n#Pause\r\n"));
  }

  // Parts of 3 MiB: a part ends with the write that reaches the size, the
  // next text goes on in the next part.
  void theLogIsSplitIntoParts() {
    TelemetryFixture r;
    QVERIFY(r.Start());
    VornErrorWatch watch;
    watch.Expect({kWriterProcessing, kWriterStopped});
    QVERIFY(Streaming(r));
    const QString first = r.db.KLX_DataBaseManagerGetTeleLogAbsFilePath();
    const int frames = KLX_TelemetrieHandler::kPartSize / 71 + 2000;
    auto written = [&] {
      qint64 bytes = 0;
      for (const QString& log : Logs(r.link.root.Path())) bytes += QFileInfo(log).size();
      return bytes;
    };
    for (int i = 0; i < frames; ++i) {
      // A second every 50 records.
      r.unixTime = kT0 + 1 + i / 50;
      r.Values(12, 0, {i & 0x7FFF});
      // At the pace of the card: all but the collecting buffer is on it
      // (71 bytes a record) before more comes.
      if (i % 250 == 249) {
        QVERIFY(r.Settled());
        QVERIFY(QTest::qWaitFor([&] { return written() >= 71LL * (i + 1) - KLX_TelemetrieHandler::kBufferSize; }, kVornHangMs));
      }
    }
    QVERIFY(r.Settled());
    r.Handler()->FinishWritingTelemetrie();
    const QStringList logs = Logs(r.link.root.Path());
    QCOMPARE(logs.size(), 2);
    QCOMPARE(logs[0], first);
    QVERIFY(logs[1].endsWith("_01_Tele.log"));
    const QByteArray part0 = ReadAll(logs[0]);
    const QByteArray part1 = ReadAll(logs[1]);
    QVERIFY(part0.size() >= KLX_TelemetrieHandler::kPartSize);
    QVERIFY(part0.size() < KLX_TelemetrieHandler::kPartSize + KLX_TelemetrieHandler::kBufferSize);
    // Whole lines in each part.
    QVERIFY(part0.endsWith("\r\n"));
    QVERIFY(part1.startsWith(":") || part1.startsWith("\r\n#Time=0x"));
    // Together the parts hold every record once, in order.
    int records = 0;
    for (const QByteArray& line : (part0 + part1).split('\n'))
      if (line.startsWith(':')) {
        QVERIFY(line.contains(";0x" + QByteArray::number(records & 0x7FFF, 16).toUpper().rightJustified(4, '0') + ";"));
        ++records;
      }
    QCOMPARE(records, frames);
    // The part began mid-second: the next record carries a time line.
    QVERIFY(part1.contains("\r\n#Time=0x"));
  }

  // The writer cannot write (its file is blocked by a folder of that name)
  // until both buffers are full: the line it refuses is not in the log, and
  // its second's time line comes with the next line of that second.
  void aRefusedLineLeavesItsTimeLineToTheNext() {
    TelemetryFixture r;
    QVERIFY(r.Start());
    VornErrorWatch watch;
    watch.Expect({kWriterProcessing, kWriterStopped});
    QVERIFY(Streaming(r));
    const QString file = r.db.KLX_DataBaseManagerGetTeleLogAbsFilePath();
    QVERIFY(QDir().mkpath(file));
    // A second for every line: each one carries its time line.
    qint64 refused = kT0;
    for (int i = 0; i < 1000 && !(r.Handler()->KLX_TelemetrieHandlerGetState() & KLX_TelemetrieHandler::kWriteFailed);
         ++i) {
      refused = kT0 + 1 + i;
      r.unixTime = refused;
      r.Values(12, 0, {i});
      QVERIFY(r.Settled());
    }
    QVERIFY(refused > kT0 + 500);
    QVERIFY(QDir().rmdir(file));
    // The next frame brings the flush; the writer writes what it holds.
    r.Values(12, 0, {0x3E8});
    QVERIFY(r.Settled());
    QTRY_VERIFY(ReadAll(file).endsWith("!!"));
    r.Values(12, 0, {0x3E9});
    QVERIFY(r.Settled());
    r.Handler()->FinishWritingTelemetrie();
    const QByteArray log = ReadAll(file);
    QCOMPARE(log.count(Time(refused)), 1);
    QVERIFY2(log.endsWith(Time(refused - 1) + "\r\n:00;012;00;0;0x" +
                          QByteArray::number(refused - 2 - kT0, 16).toUpper().rightJustified(4, '0') +
                          ";0x0000;0x0000;0x0000;0x0000;0x0000;0x0000;0x0000;\r\n!!" + Time(refused) +
                          "\r\n:00;012;00;0;0x03E9;0x0000;0x0000;0x0000;0x0000;0x0000;0x0000;0x0000;\r\n"),
             log.right(300).constData());
  }

  // A power cut at any moment after the writer's interval has passed, after
  // a mark paused the log, or after the log was closed leaves the log as
  // it stood then, with its file and date folder.
  void aLogLastsAPowerCut_data() {
    QTest::addColumn<QString>("moment");
    QTest::newRow("running") << "running";
    QTest::newRow("paused") << "paused";
    QTest::newRow("closed") << "closed";
  }
  void aLogLastsAPowerCut() {
    QFETCH(QString, moment);
    KLX_ManualClock cardClock;
    TelemetryFixture r;
    QVERIFY(r.Start());
    VornErrorWatch watch;
    watch.Expect({kWriterProcessing, kWriterStopped});
    r.Handler()->KLX_TelemetrieHandlerWriter().KLX_FileWriterSetWaitClock(&cardClock);
    QVERIFY(cardClock.KLX_ManualClockAwaitWaiters(1));
    VornPowerCut cut;
    QVERIFY(Streaming(r));
    const QString file = QDir::cleanPath(r.db.KLX_DataBaseManagerGetTeleLogAbsFilePath());
    r.unixTime = kT0 + 1;
    r.Values(12, 0, {1});
    r.Values(12, 0, {2});
    QVERIFY(r.Settled());
    // Not a moment earlier than the interval: the card is not written for each line.
    QVERIFY(cardClock.KLX_ManualClockRun(KLX_FileWriter::kSyncIntervalMs - 1));
    QCOMPARE(cut.Calls(), 0);
    if (moment == "running") {
      QVERIFY(cardClock.KLX_ManualClockRun(1));
    } else if (moment == "paused") {
      r.db.KLX_DataBaseManagerPauseTelemetrie(KLX_DatabaseValues::TELELOG_PauseTag);
      QVERIFY(cardClock.KLX_ManualClockAwaitWaiters(1));
    } else {
      r.Handler()->FinishWritingTelemetrie();
    }
    const QByteArray logged = ReadAll(file);
    QVERIFY(logged.contains(":01;012;00;0;0x0002;"));
    QCOMPARE(logged.endsWith("\r\n#Pause\r\n"), moment == "paused");
    const QList<VornPowerCut::Card> cards = cut.StatesAfter(cut.Calls());
    QVERIFY(!cards.isEmpty());
    for (const VornPowerCut::Card& card : cards) {
      QVERIFY2(card.contains(file), qPrintable(cut.Log().join('\n')));
      QCOMPARE(card.value(file), logged);
    }
    r.Handler()->FinishWritingTelemetrie();
  }

  // A card of the size the program needs, full but for less than the log
  // asks for: the alarm thread tries the start at every pass, and the error
  // log has the failure once, not once a pass.
  void aLogThatCannotStartIsToldOnce() {
    TelemetryFixture r;
    const QString root = r.link.root.Path();
    QFile filler(root + "/Vorn/filler.bin");
    QVERIFY(filler.open(QIODevice::WriteOnly) && filler.resize(300LL * 1024 * 1024));
    filler.close();
    QVERIFY(SetCardFree(root, (KLX_TelemetrieHandler::kMinFreeKiB - 1024) * 1024));
    VornErrorWatch watch;
    watch.Expect({kLogNotPrepared, kWriterCannotStart});
    QVERIFY(r.Start());
    SetUpModel(r);
    for (int pass = 0; pass < 5; ++pass) QCOMPARE(r.db.KLX_DataBaseManagerStartTelemetry(), int(KLX_Error));
    const QList<unsigned> codes = watch.Codes();
    QCOMPARE(codes.count(kLogNotPrepared), 1);
    QCOMPARE(codes.count(kWriterCannotStart), 1);
    QCOMPARE(r.Handler()->KLX_TelemetrieHandlerGetState(), 255);
    QVERIFY(Logs(root).isEmpty());
  }

  void noLogWhileLoggingIsSwitchedOff() {
    TelemetryFixture r;
    QVERIFY(r.Start());
    SetUpModel(r);
    r.db.KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled(0, AtomicDirSet, false);
    QCOMPARE(r.db.KLX_DataBaseManagerStartTelemetry(), 0);
    r.db.KLX_DataBaseManagerResumeTelemetrie();
    r.Values(12, 0, {1});
    QVERIFY(r.Settled());
    QCOMPARE(r.Handler()->KLX_TelemetrieHandlerGetState(), 255);
    QVERIFY(Logs(r.link.root.Path()).isEmpty());
  }
};

QTEST_GUILESS_MAIN(LogTest)
#include "tst_log.moc"
