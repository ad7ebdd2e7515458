// The repeat filter: a code is logged again only from the second whole
// second on, 30 codes are remembered, and a full table is marked once.
#include <QtTest>

#include "frame/klx_errorhandler.h"
#include "frame_services/frame_services_fixture.h"
#include "support/vorn_testroot.h"

class ErrorRepeatTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseLargerBoard(); }

  void init() {
    m_Root.reset(new VornTestRoot);
    QVERIFY(MakeCard(m_Root->Path()));
    m_Clock = FakeClock();
    m_Clock.Set(QDate(2024, 3, 5), QTime(9, 7, 2, 100));
    KLXErrorHandler.KLX_ErrorHandlerSetClock(m_Clock.Fn());
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Initialize(), 1);
    m_LogName = "/Vorn/Error/2024_03_05/09_07_02_00_Err.log";
  }

  void cleanup() {
    KLXErrorHandler.KLX_ErrorHandler_Stop(true);
    KLXErrorHandler.KLX_ErrorHandlerSetClock(nullptr);
    m_Root.reset();
  }

  void aRepeatWithinTheSameSecondIsLoggedOnceButStillShown() {
    QSignalSpy spy(&KLXErrorHandler, &KLX_ErrorHandler::klxError);
    KLXErrorHandler.RegisterError(0x00024004, "first");
    m_Clock.AddMsecs(800);
    KLXErrorHandler.RegisterError(0x00024004, "second");
    QCOMPARE(spy.count(), 2);
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetErrorText(),
             QString::fromUtf8("Target file already exists \u2013 cannot copy!"));
    QCOMPARE(LoggedTexts(), QStringList({"Vorn Start-up", "first", "Vorn goes down!"}));
  }

  void aRepeatIsLoggedFromTheSecondWholeSecondOn() {
    // Stored at 09:07:02 (.100): 09:07:03.999 is still a repeat, 09:07:04.000 is not.
    KLXErrorHandler.RegisterError(0x00024005, "a");
    m_Clock.Set(QDate(2024, 3, 5), QTime(9, 7, 3, 999));
    KLXErrorHandler.RegisterError(0x00024005, "b");
    m_Clock.Set(QDate(2024, 3, 5), QTime(9, 7, 4, 0));
    KLXErrorHandler.RegisterError(0x00024005, "c");
    m_Clock.Set(QDate(2024, 3, 5), QTime(9, 7, 5, 500));
    KLXErrorHandler.RegisterError(0x00024005, "d");
    m_Clock.Set(QDate(2024, 3, 5), QTime(9, 7, 6, 0));
    KLXErrorHandler.RegisterError(0x00024005, "e");
    QCOMPARE(LoggedTexts(), QStringList({"Vorn Start-up", "a", "c", "e", "Vorn goes down!"}));
  }

  void the31stCodeIsLoggedAsOverflowAndThe32ndIsDropped() {
    // Code 1 of the start-up holds the first entry.
    for (unsigned n = 1; n <= 31; ++n) KLXErrorHandler.RegisterError(0x00044500 + n, QString::number(n));
    QList<unsigned> codes = LoggedCodes(false, 31);
    QCOMPARE(codes.size(), 31);
    for (unsigned n = 1; n <= 29; ++n) QCOMPARE(codes.at(int(n)), 0x00044500 + n);
    QCOMPARE(codes.at(30), 3u);
    QCOMPARE(LoggedTexts(false, 31).at(30), QStringLiteral("30"));

    // Entries are cleared from the fourth whole second on, after the
    // decision on the registration that finds them old; the overflow mark is
    // then given again for the next overflow.
    m_Clock.Set(QDate(2024, 3, 5), QTime(9, 7, 5, 999));
    KLXErrorHandler.RegisterError(0x00044600, "still full");
    m_Clock.Set(QDate(2024, 3, 5), QTime(9, 7, 6, 0));
    KLXErrorHandler.RegisterError(0x00044601, "clears the table");
    for (unsigned n = 2; n <= 32; ++n) KLXErrorHandler.RegisterError(0x00044600 + n, QString::number(n));
    codes = LoggedCodes(true);
    // The stop's own code meets a full table too.
    QCOMPARE(codes.size(), 31 + 30 + 1);
    QCOMPARE(codes.at(31), 0x00044602u);
    QCOMPARE(codes.at(60), 0x00044600u + 31);
    QCOMPARE(codes.at(61), 3u);
    const QStringList texts = LoggedTexts(true);
    QVERIFY(!texts.contains("still full"));
    QVERIFY(!texts.contains("clears the table"));
  }

  void anEntryFromBeforeMidnightIsOlderThanAnyTimeOfTheNextDay() {
    m_Clock.Set(QDate(2024, 3, 5), QTime(23, 59, 59, 900));
    KLXErrorHandler.RegisterError(0x00044801, "before");
    m_Clock.Set(QDate(2024, 3, 6), QTime(0, 0, 0, 100));
    KLXErrorHandler.RegisterError(0x00044801, "after");
    QCOMPARE(LoggedTexts(), QStringList({"Vorn Start-up", "before", "after", "Vorn goes down!"}));
  }

  void justAfterMidnightARepeatIsStillARepeat() {
    // "Now" minus a second lies before midnight; it must not wrap round to
    // 23:59:59 of the same day and so let every repeat through.
    m_Clock.Set(QDate(2024, 3, 6), QTime(0, 0, 0, 0));
    KLXErrorHandler.RegisterError(0x00044802, "first");
    m_Clock.Set(QDate(2024, 3, 6), QTime(0, 0, 0, 500));
    KLXErrorHandler.RegisterError(0x00044802, "repeat");
    m_Clock.Set(QDate(2024, 3, 6), QTime(0, 0, 1, 500));
    KLXErrorHandler.RegisterError(0x00044802, "repeat too");
    QCOMPARE(LoggedTexts(), QStringList({"Vorn Start-up", "first", "Vorn goes down!"}));
  }

 private:
  // The stopped log, or the running one once its writer thread has written
  // `atLeast` whole lines (fewer when they do not come).
  QList<QByteArray> Lines(bool stop, int atLeast) {
    if (stop) KLXErrorHandler.KLX_ErrorHandler_Stop(true);
    const QString path = m_Root->Path() + (stop ? m_LogName : "/tmp/2024_03_05/09_07_02_00_Err.log");
    QByteArray text;
    (void)QTest::qWaitFor([&] {
      text = ReadFile(path);
      return text.count('\n') >= atLeast && (atLeast == 0 || text.endsWith('\n'));
    }, kVornHangMs);
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
  }

  QList<unsigned> LoggedCodes(bool stop = true, int atLeast = 0) {
    QList<unsigned> codes;
    for (const QByteArray& line : Lines(stop, atLeast)) codes.append(line.split('\t').first().toUInt());
    return codes;
  }

  QStringList LoggedTexts(bool stop = true, int atLeast = 0) {
    QStringList texts;
    for (QByteArray line : Lines(stop, atLeast)) {
      if (!line.endsWith('\r')) texts.append("<no CR>");
      line.chop(1);
      const QList<QByteArray> fields = line.split('\t');
      texts.append(fields.size() > 6 ? QString::fromUtf8(fields.at(6)) : QString());
    }
    return texts;
  }

  std::unique_ptr<VornTestRoot> m_Root;
  FakeClock m_Clock;
  QString m_LogName;
};

QTEST_GUILESS_MAIN(ErrorRepeatTest)
#include "tst_error_repeat.moc"
