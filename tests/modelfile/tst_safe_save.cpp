// A model file is replaced whole or not at all: a power cut at any moment
// leaves the old file or the new one, and after a save that reported
// success the card holds the new file; a save that cannot open, write or
// sync its file says so and leaves the old file as it was, and nothing
// outside the model area is written or read, whoever asks.
#include <csignal>
#include <sys/resource.h>

#include "frame/klx_xmlsafefile.h"
#include "modelfile/modelfile_fixture.h"
#include "vorn_powercut.h"

class TestSafeSave : public QObject {
  Q_OBJECT

 private slots:
  // Every state a power cut may leave after each file call of a save: the
  // file is the old one or the new one, whole, and once the save reported
  // success the new one. A save that forgot a sync is caught.
  void aSaveLastsAPowerCutAtAnyMoment_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("forgotten");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("lasts");
    // Writes one after the other count as one: a model file goes to the
    // card in chunks while its text is built.
    const QStringList calls{"create", "write", "sync", "rename", "syncfolder"};
    QTest::newRow("model file") << "model" << "" << calls << true;
    QTest::newRow("System.xml") << "system" << "" << calls << true;
    QTest::newRow("Vornstate.xml") << "state" << "" << calls << true;
    QTest::newRow("without the folder's sync") << "model" << "folder" << QStringList(calls.mid(0, 4)) << false;
    QTest::newRow("without the data's sync") << "model" << "data" << QStringList(calls.mid(0, 2) + calls.mid(3)) << false;
  }
  void aSaveLastsAPowerCutAtAnyMoment() {
    QFETCH(QString, file);
    QFETCH(QString, forgotten);
    QFETCH(QStringList, calls);
    QFETCH(bool, lasts);
    ModelFileFixture fx;
    KLX_XMLFileHandler* files = fx.db.KLX_DataBaseManagerXMLFileHandlerPtr();
    const QString path = file == "model" ? ModelFileFixture::Path()
                         : file == "system" ? SettingsFixture::SystemFile() : SettingsFixture::StateFile();
    const auto save = [&] {
      if (file == "model") return fx.Save();
      return file == "system" ? files->KLX_XMLFileHandlerWriteSystemFile() : files->KLX_XMLFileHandlerWriteSysProcessStateFile();
    };
    VornErrorWatch watch;
    QCOMPARE(save(), int(KLX_Ok));
    const QByteArray old = SettingsFixture::Read(path);
    KLX_TestBuildFullModel(&fx.db, 2);
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(9, AtomicDirSet);
    fx.db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Cut", AtomicDirSet);

    VornPowerCut cut;
    cut.SkipFolderSyncs(forgotten == "folder");
    cut.SkipDataSyncs(forgotten == "data");
    QCOMPARE(save(), int(KLX_Ok));
    const QByteArray saved = SettingsFixture::Read(path);
    QVERIFY(saved != old);
    QStringList kinds;
    for (const QString& line : cut.Log())
      if (kinds.isEmpty() || kinds.last() != "write" || line.section(' ', 0, 0) != "write") kinds << line.section(' ', 0, 0);
    QCOMPARE(kinds, calls);
    // Within a run of writes to the temporary file the states the card may
    // hold of the file itself stay the same: the run's last write stands
    // for all of it (a full model goes in dozens of chunks).
    const QStringList log = cut.Log();
    const auto written = [&log](int call) { return call >= 1 && call <= log.size() && log.at(call - 1).startsWith("write "); };
    int broken = 0;
    for (int n = 0; n <= cut.Calls(); ++n) {
      if (written(n) && written(n + 1)) continue;
      for (const VornPowerCut::Card& card : cut.StatesAfter(n)) {
        const QByteArray held = card.value(QDir::cleanPath(path));
        const bool whole = card.contains(QDir::cleanPath(path)) && (held == saved || (held == old && n < cut.Calls()));
        broken += !whole;
      }
    }
    QCOMPARE(broken == 0, lasts);
    watch.Clear();
  }

  void aFailedSaveKeepsTheOldFile_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<unsigned>("code");
    QTest::addColumn<int>("leftovers");  // a cut save leaves its temporary file
    QTest::newRow("folder missing") << "folder" << 0x2150Du << 0;
    QTest::newRow("short write") << "size" << 0x2150Eu << 0;
    QTest::newRow("cut before the rename") << "rename" << 0x21506u << 1;
  }
  void aFailedSaveKeepsTheOldFile() {
    QFETCH(QString, way);
    QFETCH(unsigned, code);
    QFETCH(int, leftovers);
    ModelFileFixture fx;
    QCOMPARE(fx.Save(), int(KLX_Ok));
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
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{code});
    QCOMPARE(SettingsFixture::Read(ModelFileFixture::Path()), old);
    int left = 0;
    QCOMPARE(Strangers(&left), QStringList());
    QCOMPARE(left, leftovers);
    // The next save replaces the file and removes what the cut one left.
    QCOMPARE(fx.Save(), int(KLX_Ok));
    QVERIFY(SettingsFixture::Read(ModelFileFixture::Path()) != old);
    // Only a save that reached the file counts its bytes.
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x515CC});
    QCOMPARE(QDir(ModelFileFixture::Folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Glider.xml"});
  }

  // A save of the model its file holds already makes no file call, so a
  // full card refuses nothing: the file stays byte for byte, whichever
  // version wrote it. A changed model, or a file whose check value is not
  // its text's, is written (and refused where the card is full).
  void aSaveOfTheModelTheFileHoldsWritesNothing_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("full");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("calls");
    const QStringList none;
    const QStringList save{"create", "write", "sync", "rename", "syncfolder"};
    QTest::newRow("nothing changed, the card full") << "" << true << int(KLX_Ok) << none;
    QTest::newRow("written by another version") << "version" << false << int(KLX_Ok) << none;
    QTest::newRow("a trim changed, the card full") << "trim" << true << int(KLX_Error) << none;
    QTest::newRow("a check value not its text's") << "check" << false << int(KLX_Ok) << save;
  }
  void aSaveOfTheModelTheFileHoldsWritesNothing() {
    QFETCH(QString, change);
    QFETCH(bool, full);
    QFETCH(int, result);
    QFETCH(QStringList, calls);
    ModelFileFixture fx;
    KLX_TestBuildFullModel(&fx.db, 1);
    KLX_XMLFileHandler* files = fx.db.KLX_DataBaseManagerXMLFileHandlerPtr();
    const auto save = [&] { return files->KLX_XMLFileHandlerWriteModelFile("Glider.xml", "Glider", 1, QString()); };
    QCOMPARE(save(), int(KLX_Ok));
    QByteArray text = SettingsFixture::Read(ModelFileFixture::Path());
    if (change == "version") {
      const int from = text.indexOf("<APPVERSION>") + 12;
      text.replace(from, text.indexOf("</APPVERSION>") - from, "0.9");
    }
    if (change == "check") {
      const int from = text.indexOf("<CRC_MD5>") + 9;
      const QByteArray other = QCryptographicHash::hash("other", QCryptographicHash::Md5).toHex();
      const QByteArray scrambled = SimpleCrypt(0x3e81c04a7d2b96f5ULL).encryptToByteArray(other).toBase64();
      text.replace(from, text.indexOf("</CRC_MD5>") - from, scrambled);
    }
    QVERIFY(SettingsFixture::Write(ModelFileFixture::Path(), text));
    if (change == "trim") QCOMPARE(fx.db.KLX_DataBaseManagerTrimGetSetTrimValue(0, 0, 7, AtomicDirSet, false), 7);
    // A card of a size the program takes, full: a file that holds no block
    // of the host's disk fills it.
    QFile filler(fx.root.Path() + "/Vorn/Filler.bin");
    if (full)
      QVERIFY(filler.open(QIODevice::WriteOnly) && filler.resize(300 << 20) && SetCardFree(fx.root.Path(), 100 * 1024));
    VornErrorWatch watch;
    VornPowerCut cut;
    QCOMPARE(save(), result);
    QStringList kinds;
    for (const QString& line : cut.Log())
      if (kinds.isEmpty() || kinds.last() != "write" || !line.startsWith("write ")) kinds << line.section(' ', 0, 0);
    QCOMPARE(kinds, calls);
    QCOMPARE(SettingsFixture::Read(ModelFileFixture::Path()) == text, calls.isEmpty());
    QCOMPARE(watch.TakeCodes(), result == KLX_Error ? QList<unsigned>{0x21503} : QList<unsigned>{});
    QCOMPARE(fx.Model().KLX_XMLModelWrites(), calls.isEmpty() ? 1 : 2);
  }

  // The writer and the reader check the path themselves: a board path is
  // placed under the root; one that leaves the model area is refused before
  // anything is touched, the file it points at neither replaced nor loaded.
  void onlyTheModelAreaIsWrittenOrRead_data() {
    QTest::addColumn<QString>("path");    // "~" stands for the root
    QTest::addColumn<QString>("target");  // the file the path reaches
    QTest::addColumn<bool>("accepted");
    const QString system = "~/Vorn/System/Glider.xml";
    QTest::newRow("board path") << "/Vorn/Model/Plane/Glider.xml" << "~/Vorn/Model/Plane/Glider.xml" << true;
    QTest::newRow("folder up") << "~/Vorn/Model/Plane/../../System/Glider.xml" << system << false;
    QTest::newRow("link out of the area") << "~/Vorn/Model/Out/Glider.xml" << system << false;
    QTest::newRow("other folder of the card") << system << system << false;
    QTest::newRow("model area itself") << "~/Vorn/Model/Glider.xml" << "~/Vorn/Model/Glider.xml" << false;
    QTest::newRow("relative") << "Glider.xml" << QString() << false;
  }
  void onlyTheModelAreaIsWrittenOrRead() {
    QFETCH(QString, path);
    QFETCH(QString, target);
    QFETCH(bool, accepted);
    ModelFileFixture fx;
    const QString root = fx.root.Path();
    path.replace("~", root);
    target.replace("~", root);
    QVERIFY(QDir().mkpath(root + "/Vorn/System"));
    QVERIFY(QFile::link(root + "/Vorn/System", root + "/Vorn/Model/Out"));
    const QByteArray planted = ModelXml("<RUNTIME><Runtime>9</Runtime></RUNTIME>");
    if (!accepted && !target.isEmpty()) QVERIFY(SettingsFixture::Write(target, planted));
    fx.db.KLX_DataBaseManagerRuntimeGetSet_Runtime(5, AtomicDirSet);
    VornErrorWatch watch;

    QCOMPARE(fx.Model().KLX_XMLModelWriteModelFile(path, "Glider"), int(accepted ? KLX_Ok : KLX_Error));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{accepted ? 0x515CCu : 0x215F1u});
    if (!target.isEmpty())
      QCOMPARE(SettingsFixture::Read(target).contains("<Runtime>5</Runtime>"), accepted);
    if (!accepted && !target.isEmpty()) QCOMPARE(SettingsFixture::Read(target), planted);

    fx.db.KLX_DataBaseManagerRuntimeGetSet_Runtime(0, AtomicDirSet);
    const QList<unsigned> read = accepted ? QList<unsigned>{0x41500u} : QList<unsigned>{0x215F2u};
    QCOMPARE(fx.Model().KLX_XMLModelReadModelFile(path, "Glider"), int(accepted ? KLX_Ok : KLX_Error));
    QCOMPARE(watch.TakeCodes(), read);
    QCOMPARE(fx.db.KLX_DataBaseManagerRuntimeGetSet_Runtime(0, AtomicDirGet), accepted ? 5 : 0);
    QCOMPARE(fx.Model().KLX_XMLModelReads(), accepted ? 1 : 0);
    // The parser's own door checks the same way.
    QCOMPARE(fx.Model().KLX_XMLModelReadFile(path, "Glider"), int(accepted ? KLX_Ok : KLX_Error));
    QCOMPARE(watch.TakeCodes(), read);
  }
};

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safe_save.moc"
