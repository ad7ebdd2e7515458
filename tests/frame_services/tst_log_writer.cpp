// The log-file writer: cached and uncached hand-over, flush and final text,
// the SD-card section, loss marks that keep accepted text, parts and their
// names, and the copy from the cache.
#include <QtTest>

#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"
#include "frame/klx_filewriter.h"
#include "frame_services/frame_services_fixture.h"
#include "support/vorn_testroot.h"

class LogWriterTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseLargerBoard(); }

  void init() {
    m_Root.reset(new VornTestRoot);
    QVERIFY(MakeCard(m_Root->Path()));
    m_Folder = m_Root->Path() + "/Vorn/Log/";
    QVERIFY(QDir().mkpath(m_Folder));
    m_Clock = FakeClock();
    m_Writer.reset(new KLX_FileWriter);
    m_Writer->KLX_FileWriterSetClock(m_Clock.Fn());
  }

  void cleanup() {
    m_Writer->KLX_FileWriterStop();
    m_Writer.reset();
    m_Root.reset();
  }

  void badParametersAreRefused_data() {
    QTest::addColumn<int>("buffer");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("part");
    QTest::newRow("no buffer") << 0 << "a.log" << "f/" << 100;
    QTest::newRow("no name") << 64 << "" << "f/" << 100;
    QTest::newRow("no folder") << 64 << "a.log" << "" << 100;
    QTest::newRow("no part size") << 64 << "a.log" << "f/" << 0;
  }

  void badParametersAreRefused() {
    QFETCH(int, buffer);
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QFETCH(int, part);
    QCOMPARE(m_Writer->KLX_FileWriterInitialize(buffer, name, folder, part, "Test log", false), int(KLX_Error));
    QVERIFY(!m_Writer->isRunning());
  }

  void aCachedWriterWritesEveryTextAtOnceIntoTmp() {
    QCOMPARE(m_Writer->KLX_FileWriterInitialize(256, "c.log", m_Folder, 1000, "Cached log", true), int(KLX_Ok));
    QVERIFY(QFileInfo(m_Folder + "2024_03_05").isDir());
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("early", 5, false), int(KLX_Error));
    QCOMPARE(m_Writer->KLX_FileWriterStart(QString()), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("one\r\n", 5, false), int(KLX_Ok));
    const QString cached = m_Root->Path() + "/tmp/2024_03_05/09_07_02_00_c.log";
    QVERIFY(WaitForSize(cached, 5));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("two\r\n", 5, false), int(KLX_Ok));
    QVERIFY(WaitForSize(cached, 10));
    QCOMPARE(ReadFile(cached), QByteArray("one\r\ntwo\r\n"));
    QVERIFY(!QFileInfo::exists(m_Folder + "2024_03_05/09_07_02_00_c.log"));
    QCOMPARE(m_Writer->KLX_FileWriterStop(), int(KLX_Ok));
    QCOMPARE(ReadFile(m_Folder + "2024_03_05/09_07_02_00_c.log"), QByteArray("one\r\ntwo\r\n"));
  }

  void anUncachedWriterWaitsForAFullBufferAFlushOrTheFinalText() {
    VornErrorWatch watch;
    watch.Expect({0x32204, 0x32205});
    m_Writer->KLX_FileWriterSetWaitClock(&m_WaitClock);
    QCOMPARE(m_Writer->KLX_FileWriterInitialize(64, "u.log", m_Folder, 1000, "Plain log", false), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterStart("run"), int(KLX_Ok));
    QVERIFY(watch.Reports().contains(qMakePair(0x00032204u, QStringLiteral("Plain log file writer is processing..."))));
    const QString file = m_Folder + "2024_03_05/run_09_07_02_00_u.log";
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("aaaa", 4, false), int(KLX_Ok));
    QVERIFY(WriterWaits());
    QVERIFY(!QFileInfo::exists(file));

    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(nullptr, 0, false), int(KLX_Ok));
    QVERIFY(WaitForSize(file, 4));

    // 62 bytes do not fit beside 2: the collected text goes first.
    const QByteArray sixty(62, 'b');
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("cc", 2, false), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(sixty.constData(), 62, false), int(KLX_Ok));
    QVERIFY(WaitForSize(file, 6));
    QVERIFY(WriterWaits());
    QCOMPARE(ReadFile(file), QByteArray("aaaacc"));

    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("end", 3, true), int(KLX_Ok));
    QVERIFY(WaitForSize(file, 71));
    QCOMPARE(ReadFile(file), "aaaacc" + sixty + "end");
    QTRY_VERIFY(watch.Has(0x00032205));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("late", 4, false), int(KLX_Error));

    // A new start opens a new log in the same date folder.
    m_Clock.AddMsecs(60000);
    QCOMPARE(m_Writer->KLX_FileWriterStart("run"), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("new", 3, false), int(KLX_Ok));
    m_Writer->KLX_FileWriterStop();
    QCOMPARE(ReadFile(m_Folder + "2024_03_05/run_09_08_02_00_u.log"), QByteArray("new"));
  }

  void aBusyCardDefersTheWakeButKeepsTheText() {
    m_Writer->KLX_FileWriterSetWaitClock(&m_WaitClock);
    QCOMPARE(m_Writer->KLX_FileWriterInitialize(64, "u.log", m_Folder, 1000, "Plain log", false), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterStart(QString()), int(KLX_Ok));
    const QString file = m_Folder + "2024_03_05/09_07_02_00_u.log";
    QCOMPARE(MtxSDShareWrite.KLX_Critical_Enter(), 0);
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("a", 1, false), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(nullptr, 0, false), 0);
    QVERIFY(WriterWaits());
    QVERIFY(!QFileInfo::exists(file));
    MtxSDShareWrite.KLX_Critical_Leave();
    // The next hand-over makes up for the missed wake.
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("b", 1, false), int(KLX_Ok));
    QVERIFY(WaitForSize(file, 2));
    QCOMPARE(ReadFile(file), QByteArray("ab"));
  }

  void noAcceptedTextIsLostWhenTheBufferOverflows() {
    QCOMPARE(m_Writer->KLX_FileWriterInitialize(64, "u.log", m_Folder, 1000, "Plain log", false), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterStart(QString()), int(KLX_Ok));
    const QString file = m_Folder + "2024_03_05/09_07_02_00_u.log";
    const QByteArray a(40, 'a'), b(40, 'b'), c(40, 'c'), d(10, 'd');
    // While the card is busy the writer cannot be woken, so its hand-over
    // buffer still holds text when the collect buffer fills again.
    QCOMPARE(MtxSDShareWrite.KLX_Critical_Enter(), 0);
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(a.constData(), 40, false), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(b.constData(), 40, false), 0);
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(c.constData(), 40, false), int(KLX_Error));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(d.constData(), 10, false), 0);
    MtxSDShareWrite.KLX_Critical_Leave();
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(nullptr, 0, false), int(KLX_Ok));
    const QByteArray expected = a + b + "!!" + d;
    QVERIFY(WaitForSize(file, expected.size()));
    QCOMPARE(ReadFile(file), expected);
  }

  void anOverlongTextIsMarkedWithoutWipingTheCollectedText() {
    QCOMPARE(m_Writer->KLX_FileWriterInitialize(64, "u.log", m_Folder, 1000, "Plain log", false), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterStart(QString()), int(KLX_Ok));
    const QString file = m_Folder + "2024_03_05/09_07_02_00_u.log";
    const QByteArray longText(65, 'x');
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("kept", 4, false), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(longText.constData(), 65, false), int(KLX_Error));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(nullptr, 0, false), int(KLX_Ok));
    const QByteArray expected = QByteArray("kept") + KLX_FileWriter::kTooLongMarker;
    QVERIFY(WaitForSize(file, expected.size()));
    QCOMPARE(ReadFile(file), expected);
    // Exactly the buffer size is no over-long text, but it never fits either.
    const QByteArray full(64, 'y');
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(full.constData(), 64, false), int(KLX_Error));
  }

  void aPartEndsWithTheWriteThatReachesThePartSize() {
    QCOMPARE(m_Writer->KLX_FileWriterInitialize(256, "p.log", m_Folder, 100, "Parts log", true), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterStart(QString()), int(KLX_Ok));
    const QString part = m_Root->Path() + "/tmp/2024_03_05/09_07_02_%1_p.log";
    const QByteArray sixty(60, 'z');
    QVERIFY(!m_Writer->KLX_FileWriter_isNewFilePart());
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(sixty.constData(), 60, false), int(KLX_Ok));
    QVERIFY(WaitForSize(part.arg("00"), 60));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(sixty.constData(), 60, false), int(KLX_Ok));
    QVERIFY(WaitForSize(part.arg("00"), 120));
    // The flag is set just after the write; reading it clears it.
    bool newPart = false;
    for (QDeadlineTimer set(kVornHangMs); !newPart && !set.hasExpired(); QThread::msleep(10))
      newPart = m_Writer->KLX_FileWriter_isNewFilePart();
    QVERIFY(newPart);
    QVERIFY(!m_Writer->KLX_FileWriter_isNewFilePart());
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("next", 4, false), int(KLX_Ok));
    QVERIFY(WaitForSize(part.arg("01"), 4));
    QCOMPARE(QFileInfo(part.arg("00")).size(), 120);
  }

  // A writer behind (here: held off by a busy card) finds more text waiting
  // after the write that fills a part: that text starts the next part.
  void textWaitingBehindAFullPartGoesToTheNextPart() {
    QCOMPARE(m_Writer->KLX_FileWriterInitialize(64, "w.log", m_Folder, 30, "Plain log", false), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterStart(QString()), int(KLX_Ok));
    const QString part = m_Folder + "2024_03_05/09_07_02_%1_w.log";
    const QByteArray a(40, 'a'), b(40, 'b');
    QCOMPARE(MtxSDShareWrite.KLX_Critical_Enter(), 0);
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(a.constData(), 40, false), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(b.constData(), 40, false), 0);
    MtxSDShareWrite.KLX_Critical_Leave();
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile(nullptr, 0, false), int(KLX_Ok));
    QVERIFY(WaitForSize(part.arg("01"), 40));
    QCOMPARE(ReadFile(part.arg("00")), a);
    QCOMPARE(ReadFile(part.arg("01")), b);
  }

  void partNumbersAbove99GetMoreDigits() {
    QCOMPARE(m_Writer->KLX_FileWriterInitialize(16, "n.log", m_Folder, 1, "Parts log", true), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterStart(QString()), int(KLX_Ok));
    const QString part = m_Root->Path() + "/tmp/2024_03_05/09_07_02_%1_n.log";
    for (int n = 0; n <= 100; ++n) {
      QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("x", 1, false), int(KLX_Ok));
      QVERIFY(WaitForSize(part.arg(n, 2, 10, QLatin1Char('0')), 1));
    }
    QVERIFY(QFileInfo::exists(part.arg("09")));
    QVERIFY(QFileInfo::exists(part.arg("99")));
    QVERIFY(QFileInfo::exists(part.arg("100")));
    QCOMPARE(m_Writer->KLX_FileWriterStop(), int(KLX_Ok));
    QCOMPARE(QDir(m_Folder + "2024_03_05").entryList(QDir::Files).size(), 101);
  }

  void stopCopiesCachedLogsButKeepsFilesAlreadyThere() {
    QCOMPARE(m_Writer->KLX_FileWriterInitialize(64, "c.log", m_Folder, 1000, "Cached log", true), int(KLX_Ok));
    QVERIFY(WriteFile(m_Root->Path() + "/tmp/2024_03_05/other.log", "other"));
    QVERIFY(WriteFile(m_Root->Path() + "/tmp/2024_03_05/notes.txt", "notes"));
    QVERIFY(WriteFile(m_Root->Path() + "/tmp/2024_03_05/kept.log", "new"));
    QVERIFY(WriteFile(m_Folder + "2024_03_05/kept.log", "old"));
    QCOMPARE(m_Writer->KLX_FileWriterStart(QString()), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("last words", 10, false), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterStop(), int(KLX_Ok));
    const QString target = m_Folder + "2024_03_05/";
    QCOMPARE(ReadFile(target + "09_07_02_00_c.log"), QByteArray("last words"));
    QCOMPARE(ReadFile(target + "other.log"), QByteArray("other"));
    QCOMPARE(ReadFile(target + "kept.log"), QByteArray("old"));
    QVERIFY(!QFileInfo::exists(target + "notes.txt"));
  }

  void aStartReplacesALogOfTheSameSecond() {
    QVERIFY(WriteFile(m_Folder + "2024_03_05/09_07_02_00_u.log", "stale"));
    QCOMPARE(m_Writer->KLX_FileWriterInitialize(64, "u.log", m_Folder, 1000, "Plain log", false), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterStart(QString()), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("fresh", 5, true), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterStop(), int(KLX_Ok));
    QCOMPARE(ReadFile(m_Folder + "2024_03_05/09_07_02_00_u.log"), QByteArray("fresh"));
  }

  void stoppingProcessingWritesWhatWasCollected() {
    QCOMPARE(m_Writer->KLX_FileWriterInitialize(64, "u.log", m_Folder, 1000, "Plain log", false), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterStart(QString()), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("pending", 7, false), int(KLX_Ok));
    m_Writer->KLX_FileWriterStopProcessing();
    QCOMPARE(ReadFile(m_Folder + "2024_03_05/09_07_02_00_u.log"), QByteArray("pending"));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("refused", 7, false), int(KLX_Error));
  }

  void aTelemetryPartNeedsRoomOnTheCard() {
    VornErrorWatch watch;
    watch.Expect({0x32204, 0x32205, 0x3220C});
    QVERIFY(WriteFile(m_Root->Path() + "/run/sdcard-size", QByteArray::number(1000LL * 1024)));
    QCOMPARE(m_Writer->KLX_FileWriterInitialize(64, "Tele.log", m_Folder, 0x300000, "Telemetry log", false), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterStart(QString()), int(KLX_Ok));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("values", 6, true), int(KLX_Ok));
    QTRY_VERIFY(watch.Has(0x0003220C));
    const QString file = m_Folder + "2024_03_05/09_07_02_00_Tele.log";
    QVERIFY(watch.Reports().contains(
        qMakePair(0x0003220Cu, QStringLiteral("Not enough space for telemetry log file part ") + file)));
    QVERIFY(!QFileInfo::exists(file));
    QCOMPARE(m_Writer->KLX_FileWriterWritetoFile("more", 4, false), int(KLX_Error));
  }

 private:
  // The writer's thread waits on the test's clock again: what the last
  // texts woke it for is written, and nothing else is under way.
  bool WriterWaits() { return m_WaitClock.KLX_ManualClockAwaitWaiters(1); }

  std::unique_ptr<VornTestRoot> m_Root;
  // Before the writer: its thread leaves the clock before the clock goes.
  KLX_ManualClock m_WaitClock;
  std::unique_ptr<KLX_FileWriter> m_Writer;
  QString m_Folder;
  FakeClock m_Clock;
};

QTEST_GUILESS_MAIN(LogWriterTest)
#include "tst_log_writer.moc"
