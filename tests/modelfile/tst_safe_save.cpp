// A model file is replaced whole or not at all: a save killed at any moment
// leaves the old file or the new one, and a save that cannot open, write or
// sync its file says so and leaves the old file as it was.
#include <QProcess>

#include <csignal>
#include <sys/resource.h>

#include "frame/klx_xmlsafefile.h"
#include "modelfile_fixture.h"

class TestSafeSave : public QObject {
  Q_OBJECT

 private slots:
  void aKilledSaveLeavesTheOldOrTheNewFile() {
    ModelFileFixture fx;
    KLX_TestBuildFullModel(&fx.db, 1);
    QList<QByteArray> whole;
    for (int turn = 0; turn < 2; ++turn) {
      fx.db.KLX_DataBaseManagerModelmetadataGetSet_Modelinfo(KLX_TestInfo(turn), AtomicDirSet, false);
      QCOMPARE(fx.Save(), 1);
      whole.append(WithoutCheckValue(SettingsFixture::Read(ModelFileFixture::Path())));
    }
    QVERIFY(whole[0].size() != whole[1].size());

    const QString child = QCoreApplication::applicationDirPath() + "/modelfile_save_child";
    int killedWhileSaving = 0;
    for (int round = 0; round < 40; ++round) {
      QProcess saver;
      saver.start(child, {fx.root.Path(), "Glider"});
      QVERIFY(saver.waitForStarted());
      while (!saver.readAll().contains("saved")) QVERIFY(saver.waitForReadyRead(20000));
      // A different moment of the next saves each round.
      QThread::usleep(static_cast<unsigned long>((round * 2371) % 45000));
      ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
      QVERIFY(saver.waitForFinished(20000));
      const QList<QByteArray> lines = saver.readAll().split('\n');
      killedWhileSaving += lines.size() >= 2 && lines.at(lines.size() - 2) == "save";

      const QByteArray text = SettingsFixture::Read(ModelFileFixture::Path());
      QVERIFY2(whole.contains(WithoutCheckValue(text)), qPrintable(QString("round %1: %2 bytes").arg(round).arg(text.size())));
      QVERIFY(CheckValueMatches(text));
    }
    QVERIFY(killedWhileSaving > 0);
    QCOMPARE(QDir(ModelFileFixture::Folder()).entryList(QDir::Files), QStringList{"Glider.xml"});
  }

  void aFailedSaveKeepsTheOldFile_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<unsigned>("code");
    QTest::newRow("folder missing") << "folder" << 0x2150Du;
    QTest::newRow("short write") << "size" << 0x2150Eu;
    QTest::newRow("cut before the rename") << "rename" << 0x21506u;
  }
  void aFailedSaveKeepsTheOldFile() {
    QFETCH(QString, way);
    QFETCH(unsigned, code);
    ModelFileFixture fx;
    QCOMPARE(fx.Save(), 1);
    const QByteArray old = SettingsFixture::Read(ModelFileFixture::Path());
    KLX_TestBuildFullModel(&fx.db, 2);
    VornErrorWatch watch;
    int result = 0;
    if (way == "folder") {
      result = fx.Model().KLX_XMLModelWriteModelFile(ModelFileFixture::Folder() + "gone/Glider.xml", "Glider");
    } else if (way == "size") {
      // The file may grow no larger than the old one: the write comes up short.
      std::signal(SIGXFSZ, SIG_IGN);
      rlimit previous{};
      getrlimit(RLIMIT_FSIZE, &previous);
      rlimit limit = previous;
      limit.rlim_cur = static_cast<rlim_t>(old.size());
      setrlimit(RLIMIT_FSIZE, &limit);
      result = fx.Save();
      setrlimit(RLIMIT_FSIZE, &previous);
    } else {
      KLX_XMLSafeFile::SetBeforeRenameHook([](const QString&) { return false; });
      result = fx.Save();
      KLX_XMLSafeFile::SetBeforeRenameHook(nullptr);
    }
    QCOMPARE(result, int(KLX_Error));
    QCOMPARE(watch.Codes(), QList<unsigned>{code});
    QCOMPARE(SettingsFixture::Read(ModelFileFixture::Path()), old);
    QCOMPARE(QDir(ModelFileFixture::Folder()).entryList(QDir::Files), QStringList{"Glider.xml"});
  }
};

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safe_save.moc"
