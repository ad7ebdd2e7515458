// Paths from files and callers stay inside the desktop root: a crafted
// "Vornstate.xml" and model names and folders given by a task create
// nothing outside the model area, and the facade's text-file invokables
// place the board's paths under the root and refuse the ones that leave it.
#include "settings/settings_fixture.h"

namespace {
QByteArray StateXml(const QByteArray& name, const QByteArray& type, const QByteArray& folder) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<vornstate version=\"1.0\">\n<VORNSTATE>\n<Modelname>" + name +
         "</Modelname><ModelTyp>" + type + "</ModelTyp><ModelFolder>" + folder +
         "</ModelFolder>\n</VORNSTATE>\n</vornstate>\n";
}

// Everything below `top`, except what lies in `inside`.
QStringList TreeOutside(const QString& top, const QString& inside) {
  QStringList entries;
  QDirIterator it(top, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    if (path != inside && !path.startsWith(inside + '/')) entries << path.mid(top.size());
  }
  entries.sort();
  return entries;
}

// A root of its own inside a folder that the test watches as a whole; the
// working directory lies three levels below that folder, so that "../../.."
// would land in it.
struct Outer {
  QTemporaryDir dir{QDir::tempPath() + "/vorn-paths-XXXXXX"};
  QString previousDir = QDir::currentPath();
  QByteArray previousTmp = qgetenv("VORN_TEST_TMP");
  Outer() {
    QDir().mkpath(dir.path() + "/a/b/c");
    QDir::setCurrent(dir.path() + "/a/b/c");
    qputenv("VORN_TEST_TMP", dir.path().toLocal8Bit());
  }
  ~Outer() {
    QDir::setCurrent(previousDir);
    qputenv("VORN_TEST_TMP", previousTmp);
  }
};

// Counts the saver's passes in the test's thread.
struct Passes : QObject {
  int count = 0;
  explicit Passes(KLX_XMLFileSaver* saver) {
    connect(saver, &KLX_XMLFileSaver::xmlSaveIsDone, this, [this] { ++count; }, Qt::QueuedConnection);
  }
};
}  // namespace

class TestPaths : public QObject {
  Q_OBJECT

 private slots:
  void aCraftedStateFileWritesNothingOutside_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("folder");  // "@" stands for the watched folder
    QTest::addColumn<QList<unsigned>>("codes");
    QTest::addColumn<QString>("created");  // the model folder made under the root
    // A refused name leaves no model to save; a refused folder leaves the
    // model in its type's folder, where its first save logs its size.
    const QList<unsigned> badName{0x228A7, 0x42602};
    const QList<unsigned> badFolder{0x228A9, 0x515CC, 0x42602};
    QTest::newRow("absolute folder elsewhere") << QByteArray("Glider") << QByteArray("@/outside") << badFolder
                                               << "/Vorn/Model/Plane";
    QTest::newRow("relative folder up") << QByteArray("Glider") << QByteArray("../../..") << badFolder
                                        << "/Vorn/Model/Plane";
    QTest::newRow("model folder up") << QByteArray("Glider") << QByteArray("/Vorn/Model/../../../..") << badFolder
                                     << "/Vorn/Model/Plane";
    QTest::newRow("name up") << QByteArray("../../../x") << QByteArray("/Vorn/Model/Mine") << badName << QString();
    QTest::newRow("name with a folder") << QByteArray("a/b") << QByteArray() << badName << QString();
    QTest::newRow("own folder") << QByteArray("Glider") << QByteArray("/Vorn/Model/Mine")
                                << QList<unsigned>{0x515CC, 0x42602} << "/Vorn/Model/Mine";
  }
  void aCraftedStateFileWritesNothingOutside() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, folder);
    QFETCH(QList<unsigned>, codes);
    QFETCH(QString, created);
    Outer outer;
    SettingsFixture fx;
    const QString root = fx.root.Path();
    const QStringList before = TreeOutside(outer.dir.path(), root);
    folder.replace("@", outer.dir.path().toUtf8());
    QVERIFY(SettingsFixture::Write(SettingsFixture::StateFile(), StateXml(name, "1", folder)));
    VornErrorWatch watch;
    QCOMPARE(fx.db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerReadSysProcessStateFile(), int(KLX_Ok));
    fx.db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);

    // The saver writes the model and the state where they were read from.
    Passes passes(fx.db.KLX_DatabaseManagerXMLFileSaverPtr());
    fx.db.KLX_DataBaseManagerSetModelModifyFlag(true);
    fx.db.KLX_DataBaseManagerSetVornModifyFlag(true);
    fx.db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    QTRY_COMPARE(passes.count, 1);
    QCOMPARE(watch.TakeCodes(), codes);
    QCOMPARE(TreeOutside(outer.dir.path(), root), before);
    if (!created.isEmpty()) QVERIFY(QFileInfo(root + created + "/Glider.xml").isFile());
    QCOMPARE(fx.db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model().KLX_XMLModelWrites(), created.isEmpty() ? 0 : 1);
  }

  // A task or the GUI may set the current model's name and folder directly:
  // the file handler still refuses to leave the model area.
  void aModelOutsideTheModelAreaIsNotWrittenOrRead_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("folder");
    QTest::newRow("folder up") << "Glider" << 1 << "../../..";
    QTest::newRow("absolute folder") << "Glider" << 1 << "@/outside";
    QTest::newRow("name up") << "../x" << 1 << QString();
    QTest::newRow("no folder for the type") << "Glider" << 0 << QString();
  }
  void aModelOutsideTheModelAreaIsNotWrittenOrRead() {
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(QString, folder);
    Outer outer;
    SettingsFixture fx;
    const QString root = fx.root.Path();
    folder.replace("@", outer.dir.path());
    QVERIFY(SettingsFixture::Write(outer.dir.path() + "/outside/Glider.xml", "<modelfile/>"));
    const QStringList before = TreeOutside(outer.dir.path(), root);
    auto& db = fx.db;
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName(name, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(type, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(folder, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
    VornErrorWatch watch;
    Passes passes(db.KLX_DatabaseManagerXMLFileSaverPtr());
    db.KLX_DataBaseManagerSetModelModifyFlag(true);
    db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    QTRY_COMPARE(passes.count, 1);
    KLX_XMLFileHandler* files = db.KLX_DataBaseManagerXMLFileHandlerPtr();
    QCOMPARE(files->KLX_XMLFileHandlerReadModelFile(name + ".xml", name, type, folder), int(KLX_Error));
    QString file = name + ".xml";
    QCOMPARE(files->KLX_XMLFileHandlerWorkWithBackupFolder(folder.isEmpty() ? "/Vorn/Model/.." : folder, &file),
             int(KLX_Error));
    // Refused writing (with the saver's own report, then the state saved as
    // it is), reading and backing up.
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x215F1, 0x31307, 0x42602, 0x215F2, 0x246F1}));
    QCOMPARE(TreeOutside(outer.dir.path(), root), before);
    QCOMPARE(files->Model().KLX_XMLModelWrites(), 0);
    QCOMPARE(files->Model().KLX_XMLModelReads(), 0);
  }

  void textFilesStayUnderTheRoot() {
    Outer outer;
    SettingsFixture fx;
    auto& db = fx.db;
    const QString root = fx.root.Path();
    const QStringList before = TreeOutside(outer.dir.path(), root);
    VornErrorWatch watch;
    // The board's paths, placed under the root.
    QVERIFY(db.KLX_DataBaseManagerCreateTextFile("/Vorn/Notes", "a.txt", "alpha"));
    QCOMPARE(SettingsFixture::Read(root + "/Vorn/Notes/a.txt"), QByteArray("alpha"));
    QVERIFY(db.KLX_DataBaseManagerFileWrite("/Vorn/Notes/b.txt", "beta"));
    QCOMPARE(db.KLX_DataBaseManagerReadTextFile("/Vorn/Notes/b.txt"), QString("beta"));
    QCOMPARE(db.KLX_DataBaseManagerReadTextFile("/Vorn/Notes", "a.txt"), QString("alpha"));
    QVERIFY(SettingsFixture::Write(root + "/Vorn/Notes/pic.png", "x"));
    QCOMPARE(db.KLX_DataBaseManagerGetImageExt("/Vorn/Notes/pic"), QString(".png"));
    QVERIFY(db.KLX_DataBaseManagerDeleteTextFile("/Vorn/Notes", "a.txt"));
    QVERIFY(!QFileInfo::exists(root + "/Vorn/Notes/a.txt"));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>());

    // Paths that leave the root are refused, each with a report.
    const QString outside = outer.dir.path() + "/victim.txt";
    QVERIFY(SettingsFixture::Write(outside, "keep"));
    const QStringList withVictim = TreeOutside(outer.dir.path(), root);
    QVERIFY(!db.KLX_DataBaseManagerFileWrite("../../../victim.txt", "x"));
    QVERIFY(!db.KLX_DataBaseManagerFileWrite("/Vorn/../../../victim.txt", "x"));
    QVERIFY(!db.KLX_DataBaseManagerCreateTextFile("/Vorn/Notes", "../../../../victim.txt", "x"));
    QVERIFY(!db.KLX_DataBaseManagerCreateTextFile("/Vorn/../../x", "new.txt", "x"));
    QVERIFY(!db.KLX_DataBaseManagerDeleteTextFile("/Vorn/..", "../victim.txt"));
    QCOMPARE(db.KLX_DataBaseManagerReadTextFile("/Vorn/../../victim.txt"), QString("Error while opening file"));
    QCOMPARE(db.KLX_DataBaseManagerReadTextFile("/Vorn", "../../victim.txt"), QString("Error while opening file"));
    // The system's other folders are no text files' business, on the board
    // least of all; the sticks are.
    QVERIFY(!db.KLX_DataBaseManagerFileWrite("/app/start.sh", "x"));
    QVERIFY(!db.KLX_DataBaseManagerCreateTextFile("/etc", "passwd", "x"));
    QVERIFY(!db.KLX_DataBaseManagerDeleteTextFile("/sys/bdinfo", "board_name"));
    QCOMPARE(db.KLX_DataBaseManagerReadTextFile("/tmp/x.txt"), QString("Error while opening file"));
    QVERIFY(!QFileInfo::exists(root + "/app/start.sh"));
    QVERIFY(db.KLX_DataBaseManagerCreateTextFile("/media/usb0", "notes.txt", "stick"));
    QCOMPARE(db.KLX_DataBaseManagerReadTextFile("/media/usb0/notes.txt"), QString("stick"));
    QCOMPARE(watch.TakeCodes(), QVector<unsigned>(11, 0x203F4).toList());
    QCOMPARE(SettingsFixture::Read(outside), QByteArray("keep"));
    QCOMPARE(TreeOutside(outer.dir.path(), root), withVictim);
    QCOMPARE(withVictim, before + QStringList{"/victim.txt"});
  }
};

QTEST_GUILESS_MAIN(TestPaths)
#include "tst_paths.moc"
