// Registrations from several threads at once: every line whole and in the
// order the registrations were accepted, every signal emitted.
#include <QtTest>

#include "frame/klx_errorhandler.h"
#include "frame_services/frame_services_fixture.h"
#include "support/vorn_testroot.h"

#include <atomic>

class ErrorThreadsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseLargerBoard(); }

  void registrationsFromEightThreads() {
    VornTestRoot root;
    QVERIFY(MakeCard(root.Path()));
    // Every reading of the clock is two seconds on: no registration is a repeat,
    // and the time of each line tells the order in which they were accepted.
    auto now = std::make_shared<std::atomic<qint64>>(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 2)).toMSecsSinceEpoch());
    KLXErrorHandler.KLX_ErrorHandlerSetClock([now] { return QDateTime::fromMSecsSinceEpoch(now->fetch_add(2000)); });
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandler_Initialize(), 1);

    std::atomic<int> emitted{0};
    auto connection = connect(&KLXErrorHandler, &KLX_ErrorHandler::klxError, this, [&emitted] { ++emitted; },
                              Qt::DirectConnection);
    constexpr int kThreads = 8;
    constexpr int kEach = 150;
    QList<QThread*> threads;
    for (int t = 0; t < kThreads; ++t) {
      threads.append(QThread::create([t] {
        for (int i = 0; i < kEach; ++i) {
          KLXErrorHandler.RegisterError(0x00042210 + unsigned(t), QStringLiteral("thread %1 line %2").arg(t).arg(i));
          // Leaves the writer time for its passes, as real callers do.
          QThread::usleep(500);
        }
      }));
    }
    for (QThread* thread : threads) thread->start();
    for (QThread* thread : threads) QVERIFY(thread->wait(kVornHangMs));
    qDeleteAll(threads);
    disconnect(connection);
    KLXErrorHandler.KLX_ErrorHandler_Stop(true);
    KLXErrorHandler.KLX_ErrorHandlerSetClock(nullptr);
    QCOMPARE(emitted.load(), kThreads * kEach);

    QByteArray log;
    const QDir folder(root.Path() + "/Vorn/Error/2024_03_05");
    QStringList parts = folder.entryList({"*_Err.log"}, QDir::Files, QDir::Name);
    QVERIFY(parts.size() > 2);
    for (const QString& part : parts) log += ReadFile(folder.filePath(part));
    QVERIFY(!log.contains("!!"));

    QList<QByteArray> lines = log.split('\n');
    QCOMPARE(lines.takeLast(), QByteArray());
    QCOMPARE(lines.size(), kThreads * kEach + 2);
    QVERIFY(lines.first().endsWith("Vorn Start-up\r"));
    QVERIFY(lines.last().endsWith("Vorn goes down!\r"));
    QVector<int> next(kThreads, 0);
    QDateTime previous;
    for (const QByteArray& line : lines) {
      const QList<QByteArray> fields = line.split('\t');
      QCOMPARE(fields.size(), 7);
      QVERIFY(line.endsWith('\r'));
      const QDateTime when = QDateTime::fromString(QString::fromLatin1(fields.at(2) + " " + fields.at(4)),
                                                   "dd.MM.yyyy hh:mm:ss");
      QVERIFY(when.isValid());
      QVERIFY2(!previous.isValid() || when > previous, line.constData());
      previous = when;
      const unsigned code = fields.at(0).toUInt();
      if (code < 0x00042210) continue;
      const int t = int(code - 0x00042210);
      QCOMPARE(fields.at(6).trimmed(), QStringLiteral("thread %1 line %2").arg(t).arg(next[t]).toUtf8());
      ++next[t];
    }
    for (int t = 0; t < kThreads; ++t) QCOMPARE(next[t], kEach);
  }
};

QTEST_GUILESS_MAIN(ErrorThreadsTest)
#include "tst_error_threads.moc"
