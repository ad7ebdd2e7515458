// Old logs are removed at start-up: telemetry log folders after 30 days,
// error log folders and run-app files after 60, and the removals are logged.
#include <QtTest>

#include "frame/klx_errorhandler.h"
#include "frame_services/frame_services_fixture.h"
#include "support/vorn_testroot.h"

class LogCleaningTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseLargerBoard(); }

  void dateOfAName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QDate>("date");
    QTest::newRow("folder") << "2024_01_31" << '_' << QDate(2024, 1, 31);
    QTest::newRow("run-app file") << "2023-12-01_run.txt" << '-' << QDate(2023, 12, 1);
    QTest::newRow("separator at 4 only") << "2024_01x31" << '_' << QDate(2024, 1, 31);
    QTest::newRow("separator at 7 only") << "2024x01_31" << '_' << QDate(2024, 1, 31);
    QTest::newRow("other separator") << "2024-01-31" << '_' << QDate(1970, 1, 1);
    QTest::newRow("not a number") << "2024_0a_31" << '_' << QDate(1970, 1, 1);
    QTest::newRow("no such day") << "2024_02_30" << '_' << QDate(1970, 1, 1);
    QTest::newRow("too short") << "2024_01_3" << '_' << QDate(1970, 1, 1);
  }

  void dateOfAName() {
    QFETCH(QString, name);
    QFETCH(char, separator);
    QFETCH(QDate, date);
    QCOMPARE(GetFileDateFromFilenameTemplate(name, separator), date);
  }

  void selectionKeepsTheLastDayAndUndatedNames() {
    const QDate today(2024, 3, 5);
    QList<QFileInfo> entries;
    for (const char* name : {"2024_02_04", "2024_02_03", "2024_03_05", "1970_01_01", "logs_2024", "2024_1_1",
                             "2020_0x_01"})
      entries.append(QFileInfo(QString("/nowhere/") + name));
    // 2024-02-04 is exactly 30 days ago and stays.
    QCOMPARE(getItemsToDeleteList(entries, today, 30, '_'), QStringList({"2024_02_03"}));
  }

  void oldLogsAreRemovedAtStartAndReported() {
    VornTestRoot root;
    QVERIFY(MakeCard(root.Path()));
    const QString vorn = root.Path() + "/Vorn";
    for (const char* folder : {"/Log/2024_02_04", "/Log/2024_02_03", "/Log/2023_11_30", "/Log/not_a_date",
                               "/Error/2024_01_05", "/Error/2024_01_04", "/Error/2023_01_01"})
      QVERIFY(WriteFile(vorn + folder + "/inner/file.log", "x"));
    for (const char* file : {"/Runapp/2024-01-05-run.txt", "/Runapp/2024-01-04-run.txt", "/Runapp/2023-01-04.log",
                             "/Runapp/2023-01-03-run.txt", "/Runapp/run.txt"})
      QVERIFY(WriteFile(vorn + file, "x"));

    FakeClock clock;
    KLXErrorHandler.KLX_ErrorHandlerSetClock(clock.Fn());
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Initialize(), 1);
    KLXErrorHandler.KLX_ErrorHandler_Stop(true);
    KLXErrorHandler.KLX_ErrorHandlerSetClock(nullptr);

    QCOMPARE(QDir(vorn + "/Log").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
             QStringList({"2024_02_04", "not_a_date"}));
    QCOMPARE(QDir(vorn + "/Error").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
             QStringList({"2024_01_05", "2024_03_05"}));
    QCOMPARE(QDir(vorn + "/Runapp").entryList(QDir::Files, QDir::Name),
             QStringList({"2023-01-04.log", "2024-01-05-run.txt", "run.txt"}));

    const QByteArray log = ReadFile(vorn + "/Error/2024_03_05/09_07_02_00_Err.log");
    QCOMPARE(log, QByteArray("1\t\t05.03.2024\t\t09:07:02\t\tVorn Start-up\r\n"
                             "270857\t\t05.03.2024\t\t09:07:02\t\tError log FOLDERS removed: 2\r\n"
                             "270855\t\t05.03.2024\t\t09:07:02\t\tTele log FOLDERS removed: 2\r\n"
                             "270861\t\t05.03.2024\t\t09:07:02\t\tRunapp log files removed: 2\r\n"
                             "2\t\t05.03.2024\t\t09:07:02\t\tVorn goes down!\r\n"));
  }

  void nothingOldMeansNothingReported() {
    VornTestRoot root;
    QVERIFY(MakeCard(root.Path()));
    QVERIFY(WriteFile(root.Path() + "/Vorn/Log/2024_03_01/a.log", "x"));
    FakeClock clock;
    KLXErrorHandler.KLX_ErrorHandlerSetClock(clock.Fn());
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Initialize(), 1);
    KLXErrorHandler.KLX_ErrorHandler_Stop(true);
    KLXErrorHandler.KLX_ErrorHandlerSetClock(nullptr);
    QVERIFY(QFileInfo::exists(root.Path() + "/Vorn/Log/2024_03_01/a.log"));
    const QByteArray log = ReadFile(root.Path() + "/Vorn/Error/2024_03_05/09_07_02_00_Err.log");
    QVERIFY(!log.contains("removed"));
  }
};

QTEST_GUILESS_MAIN(LogCleaningTest)
#include "tst_log_cleaning.moc"
