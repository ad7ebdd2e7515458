// The error log: its lines byte for byte, its date folder and parts, the
// GUI state of a registration, and the copy to the card at stop.
#include <QtTest>

#include "frame/klx_errorhandler.h"
#include "frame_services/frame_services_fixture.h"
#include "support/vorn_testroot.h"

namespace {
const QString kDate = "2024_03_05";
QByteArray Line(unsigned code, const QString& date, const QString& time, const QString& text = QString()) {
  QByteArray line = QByteArray::number(code) + "\t\t" + date.toUtf8() + "\t\t" + time.toUtf8();
  if (!text.isEmpty()) line += "\t\t" + text.toUtf8();
  return line + "\r\n";
}
}  // namespace

class ErrorLogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseLargerBoard(); }

  void init() {
    m_Root.reset(new VornTestRoot);
    QVERIFY(MakeCard(m_Root->Path()));
    m_Clock = FakeClock();
    KLXErrorHandler.KLX_ErrorHandlerSetClock(m_Clock.Fn());
  }

  void cleanup() {
    KLXErrorHandler.KLX_ErrorHandler_Stop(true);
    KLXErrorHandler.KLX_ErrorHandlerSetClock(nullptr);
    m_Root.reset();
  }

  void linesAreWrittenExactlyAndCopiedToTheCardAtStop() {
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Initialize(), 1);
    QVERIFY(KLXErrorHandler.KLX_ErrorHandlerIsStarted());
    m_Clock.AddMsecs(1000);
    KLXErrorHandler.RegisterError(0x00042209, QString());
    m_Clock.Set(QDate(2024, 3, 5), QTime(10, 0, 9));
    KLXErrorHandler.RegisterError(0x00014902, QString::fromUtf8("gr\u00fc\u00dfe"));
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Stop(true), 1);
    QVERIFY(!KLXErrorHandler.KLX_ErrorHandlerIsStarted());

    const QByteArray expected = Line(1, "05.03.2024", "09:07:02", "Vorn Start-up") +
                                Line(0x42209, "05.03.2024", "09:07:03") +
                                Line(0x00014902, "05.03.2024", "10:00:09", QString::fromUtf8("gr\u00fc\u00dfe")) +
                                Line(2, "05.03.2024", "10:00:09", "Vorn goes down!");
    const QString name = "/" + kDate + "/09_07_02_00_Err.log";
    QCOMPARE(ReadFile(m_Root->Path() + "/tmp" + name), expected);
    QCOMPARE(ReadFile(m_Root->Path() + "/Vorn/Error" + name), expected);
  }

  void singleDigitFieldsAreZeroPadded() {
    m_Clock.Set(QDate(987, 1, 2), QTime(3, 4, 5));
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Initialize(), 1);
    KLXErrorHandler.KLX_ErrorHandler_Stop(true);
    const QByteArray log = ReadFile(m_Root->Path() + "/Vorn/Error/987_01_02/03_04_05_00_Err.log");
    QVERIFY(log.startsWith(Line(1, "02.01.987", "03:04:05", "Vorn Start-up")));
  }

  void aPartIsClosedOnceItReaches8000Bytes() {
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Initialize(), 1);
    const QString cache = m_Root->Path() + "/tmp/" + kDate + "/09_07_02_%1_Err.log";
    QByteArray all = Line(1, "05.03.2024", "09:07:02", "Vorn Start-up");
    QVERIFY(WaitForSize(cache.arg("00"), all.size()));
    const QString text(100, QLatin1Char('x'));
    QByteArray part0 = all;
    QByteArray part1;
    for (int i = 0; i < 70; ++i) {
      // Two seconds apart: the same code passes the repeat filter every time.
      m_Clock.AddMsecs(2000);
      KLXErrorHandler.RegisterError(0x00042201, text);
      const QByteArray line = Line(0x00042201, m_Clock.now->toString("dd.MM.yyyy"),
                                   m_Clock.now->toString("hh:mm:ss"), text);
      QByteArray& part = part0.size() < 8000 ? part0 : part1;
      part += line;
      QVERIFY(WaitForSize(cache.arg(&part == &part0 ? "00" : "01"), part.size()));
    }
    QVERIFY(part0.size() >= 8000);
    QVERIFY(!part1.isEmpty());
    KLXErrorHandler.KLX_ErrorHandler_Stop(true);
    part1 += Line(2, m_Clock.now->toString("dd.MM.yyyy"), m_Clock.now->toString("hh:mm:ss"), "Vorn goes down!");
    const QString target = m_Root->Path() + "/Vorn/Error/" + kDate + "/09_07_02_%1_Err.log";
    QCOMPARE(ReadFile(target.arg("00")), part0);
    QCOMPARE(ReadFile(target.arg("01")), part1);
    QVERIFY(!QFileInfo::exists(target.arg("02")));
  }

  void guiStateFollowsValidRegistrationsOfClassesBelowFive() {
    QSignalSpy spy(&KLXErrorHandler, &KLX_ErrorHandler::klxError);
    KLXErrorHandler.RegisterError(0x00014902, "ignored by the GUI");
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetErrorText(),
             QStringLiteral("Bad servoindex or mixerindex in servo configuration!"));
    QCOMPARE(KLXErrorHandler.KLX_ErrorClassAsString(), QStringLiteral("Fatal"));
    QCOMPARE(KLXErrorHandler.KLX_ErrorClassAsUI(), 0x10000u);
    // The class byte takes no part in the text look-up.
    KLXErrorHandler.RegisterError(0x00024902, QString());
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetErrorText(),
             QStringLiteral("Bad servoindex or mixerindex in servo configuration!"));
    QCOMPARE(KLXErrorHandler.KLX_ErrorClassAsString(), QStringLiteral("Error"));
    KLXErrorHandler.RegisterError(0x00034004, QString());
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetErrorText(),
             QString::fromUtf8("Target file already exists \u2013 cannot copy!"));
    QCOMPARE(KLXErrorHandler.KLX_ErrorClassAsUI(), 0x30000u);
    KLXErrorHandler.RegisterError(0x00002705, QString());
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetErrorText(), QStringLiteral("No receiver found!"));
    QCOMPARE(KLXErrorHandler.KLX_ErrorClassAsString(), QStringLiteral("---"));
    QCOMPARE(KLXErrorHandler.KLX_ErrorClassAsUI(), 0u);
    // Table 1 holds the controllers' codes, which have no texts.
    KLXErrorHandler.RegisterError(0x01044902, QString());
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetErrorText(), QString());
    QCOMPARE(KLXErrorHandler.KLX_ErrorClassAsString(), QStringLiteral("Hint"));
    QCOMPARE(spy.count(), 5);

    // Class 5 is logged only.
    KLXErrorHandler.RegisterError(0x00054902, "logged only");
    QCOMPARE(KLXErrorHandler.KLX_ErrorClassAsString(), QStringLiteral("Hint"));
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetError(), 0x00054902u);
    QCOMPARE(spy.count(), 5);
  }

  void invalidCodesChangeOnlyTheLastCode_data() {
    QTest::addColumn<unsigned>("code");
    QTest::newRow("table 3") << 0x03014902u;
    QTest::newRow("module 255") << 0x0001FF02u;
    QTest::newRow("number 255") << 0x000149FFu;
  }

  void invalidCodesChangeOnlyTheLastCode() {
    QFETCH(unsigned, code);
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Initialize(), 1);
    KLXErrorHandler.RegisterError(0x00014903, QString());
    QSignalSpy spy(&KLXErrorHandler, &KLX_ErrorHandler::klxError);
    KLXErrorHandler.RegisterError(code, "dropped");
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetError(), code);
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetErrorText(), QStringLiteral("Servo configuration not used!"));
    QCOMPARE(KLXErrorHandler.KLX_ErrorClassAsString(), QStringLiteral("Fatal"));
    QCOMPARE(spy.count(), 0);
    KLXErrorHandler.KLX_ErrorHandler_Stop(true);
    const QByteArray log = ReadFile(m_Root->Path() + "/Vorn/Error/" + kDate + "/09_07_02_00_Err.log");
    QVERIFY(!log.contains("dropped"));
    QVERIFY(log.contains("\t\tVorn goes down!\r\n"));
  }

  void aSlotConnectedDirectlyMayUseTheHandler() {
    // The signal comes after the lock is released: a receiver that reads the
    // text or registers in turn must not dead-lock.
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Initialize(), 1);
    QString seen;
    auto connection = connect(
        &KLXErrorHandler, &KLX_ErrorHandler::klxError, this,
        [&seen] {
          seen = KLXErrorHandler.KLX_ErrorHandlerGetErrorText();
          if (KLXErrorHandler.KLX_ErrorHandlerGetError() == 0x00014904)
            KLXErrorHandler.RegisterError(0x00054906, "from the slot");
        },
        Qt::DirectConnection);
    KLXErrorHandler.RegisterError(0x00014904, QString());
    disconnect(connection);
    QCOMPARE(seen, QStringLiteral("Bad function index in servomixer!"));
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetError(), 0x00054906u);
  }

  void withoutAnSdCardNothingIsLogged() {
    QVERIFY(QFile::remove(m_Root->Path() + "/dev/mmcblk1p1"));
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Initialize(), int(KLX_Error));
    QVERIFY(!KLXErrorHandler.KLX_ErrorHandlerIsStarted());
    QSignalSpy spy(&KLXErrorHandler, &KLX_ErrorHandler::klxError);
    KLXErrorHandler.RegisterError(0x00014905, "debug output only");
    QCOMPARE(spy.count(), 1);
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetErrorText(), QStringLiteral("Wrong function count in flightmode!"));
    QVERIFY(!QFileInfo::exists(m_Root->Path() + "/tmp/" + kDate));
    QVERIFY(!QFileInfo::exists(m_Root->Path() + "/Vorn/Error"));
  }

  void lessThan100KiBFreeRefusesToStart() {
    QVERIFY(WriteFile(m_Root->Path() + "/run/sdcard-size", QByteArray::number(100 * 1024 - 1)));
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Initialize(), int(KLX_Error));
    QVERIFY(!KLXErrorHandler.KLX_ErrorHandlerIsStarted());
    QVERIFY(QFileInfo(m_Root->Path() + "/Vorn/Error").isDir());
  }

  void aForcedStopKeepsTheFlagButWritesNoMore() {
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Initialize(), 1);
    m_Clock.AddMsecs(5000);
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Stop(false), 1);
    QVERIFY(KLXErrorHandler.KLX_ErrorHandlerIsStarted());
    KLXErrorHandler.RegisterError(0x00044907, "after the stop");
    const QByteArray expected = Line(1, "05.03.2024", "09:07:02", "Vorn Start-up") +
                                Line(2, "05.03.2024", "09:07:07", "Error logging stopped forcibly!");
    QCOMPARE(ReadFile(m_Root->Path() + "/Vorn/Error/" + kDate + "/09_07_02_00_Err.log"), expected);
    // A new start after a forced stop opens a new log.
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Initialize(), 1);
    KLXErrorHandler.KLX_ErrorHandler_Stop(true);
    QVERIFY(ReadFile(m_Root->Path() + "/Vorn/Error/" + kDate + "/09_07_07_00_Err.log")
                .startsWith(Line(1, "05.03.2024", "09:07:07", "Vorn Start-up")));
  }

 private:
  std::unique_ptr<VornTestRoot> m_Root;
  FakeClock m_Clock;
};

QTEST_GUILESS_MAIN(ErrorLogTest)
#include "tst_error_log.moc"
