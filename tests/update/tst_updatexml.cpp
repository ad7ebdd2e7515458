// "Update.xml" read into the update bookkeeping on either board: what each
// file answers, what it leaves in the bookkeeping, what it reports.
#include "../model/model_fixture.h"
#include "update/klx_xmlupdate.h"
#include "vorn_testroot.h"

namespace {
using Reports = QList<QPair<unsigned, QString>>;

QString Package(const QString& update, const QString& tail = QString(), const QString& version = "1.0") {
  return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<vornupdate version=\"%1\">\n"
                        "<UPDATE>%2</UPDATE>%3\n</vornupdate>\n")
      .arg(version, update, tail);
}
QString Device(const QString& name, int major, int minor, const QString& file, int typ) {
  return QStringLiteral("<DEVICE><Name>%1</Name><Major>%2</Major><Minor>%3</Minor><Filename>%4</Filename>"
                        "<Typ>%5</Typ></DEVICE>")
      .arg(name)
      .arg(major)
      .arg(minor)
      .arg(file)
      .arg(typ);
}

// The bookkeeping as one line: offered version, force flag, the devices.
QString Bookkeeping(KLX_DataBaseManager& db) {
  QStringList parts{QStringLiteral("v%1.%2 force %3")
                        .arg(db.KLX_DataBaseManagerUpdate_SetGetVersion_Major_Updated(0, AtomicDirGet))
                        .arg(db.KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Updated(0, AtomicDirGet))
                        .arg(db.KLX_DataBaseManagerUpdateSetGetForce(0, AtomicDirGet))};
  for (int i = 0; i < 20; ++i) {
    const QString name = db.KLX_DataBaseManagerUpdate_Get_DeviceNameAtIndex(i);
    if (name.isEmpty()) continue;
    parts << QStringLiteral("%1 %2.%3 %4 %5")
                 .arg(name)
                 .arg(db.KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Major(0, name, AtomicDirGet))
                 .arg(db.KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Minor(0, name, AtomicDirGet))
                 .arg(db.KLX_DataBaseManagerUpdateSetGetDeviceFilename(QString(), name, AtomicDirGet))
                 .arg(db.KLX_DataBaseManagerUpdateSetGetDeviceTyp(0, name, AtomicDirGet));
  }
  return parts.join(QStringLiteral(" | "));
}

const QString kNothing = QStringLiteral("v0.0 force 0");
const QString kSkip = QStringLiteral("skip unknown element in Update.xml");
}  // namespace

class UpdateXmlTest : public QObject {
  Q_OBJECT

 private slots:
  void readIntoTheBookkeeping_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<QString>("text");  // "-" for no file
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<Reports>("reports");
    const int vorn = KL_BOARD_VORN, fenk = KL_BOARD_FENK;
    const QString target = "<Target>Vorn</Target>";
    const QString devices = Device("TC", 2, 0, "TC_2_0.bin", 17) + Device("SC", 1, 5, "SC_1_5.bin", 16);
    const QString full = target + "<VersionMajor>3</VersionMajor><VersionMinor>91</VersionMinor>"
                                  "<ForceUpdate>1</ForceUpdate>" + devices;
    const QString fullKept = "v3.91 force 1 | TC 2.0 TC_2_0.bin 17 | SC 1.5 SC_1_5.bin 16";
    const Reports none;
    auto logged = [](const char* text) { return Reports{{0x52883, QString::fromLatin1(text)}}; };
    const Reports unreadable{{0x2280A, "Update.xml file could not be read"}};

    QTest::newRow("a whole package") << vorn << Package(full) << 1 << fullKept << none;
    QTest::newRow("every number at its limit")
        << vorn
        << Package(target + "<VersionMajor>0</VersionMajor><VersionMinor>65535</VersionMinor>"
                            "<ForceUpdate>255</ForceUpdate>" + Device("TC", 65535, 0, "a.bin", 65535))
        << 1 << "v0.255 force 255 | TC 255.0 a.bin 65535" << none;
    QTest::newRow("VersionMajor 65536: reading stops")
        << vorn << Package(target + "<VersionMinor>7</VersionMinor><VersionMajor>65536</VersionMajor>" + devices)
        << int(KLX_Error) << "v0.7 force 0" << logged("update version major error");
    QTest::newRow("VersionMajor x") << vorn << Package(target + "<VersionMajor>x</VersionMajor>") << int(KLX_Error)
                                    << kNothing << logged("update version major error");
    QTest::newRow("VersionMinor -1") << vorn << Package(target + "<VersionMinor>-1</VersionMinor>") << int(KLX_Error)
                                     << kNothing << logged("update version minor error");
    QTest::newRow("ForceUpdate 256") << vorn << Package(target + "<ForceUpdate>256</ForceUpdate>") << int(KLX_Error)
                                     << kNothing << logged("ForceUpdate error");
    QTest::newRow("a device's Typ 65536, its name already entered")
        << vorn << Package(target + "<DEVICE><Name>TC</Name><Major>2</Major><Typ>65536</Typ></DEVICE>")
        << int(KLX_Error) << "v0.0 force 0 | TC 2.0  0" << logged("typ error");
    QTest::newRow("a device's Minor 70000")
        << vorn << Package(target + "<DEVICE><Name>TC</Name><Minor>70000</Minor></DEVICE>") << int(KLX_Error)
        << "v0.0 force 0 | TC 0.0  0" << logged("update version minor error");
    // A controller's file is read from the update folder and nowhere else.
    QTest::newRow("a Filename reaching out of the update folder")
        << vorn << Package(target + Device("TC", 2, 0, "../Model/Plane/Demo.xml", 17)) << int(KLX_Error)
        << "v0.0 force 0 | TC 2.0  0" << logged("Filename error");
    QTest::newRow("a Filename with a folder") << vorn << Package(target + Device("SC", 1, 5, "/Vorn/SC.bin", 16))
                                              << int(KLX_Error) << "v0.0 force 0 | SC 1.5  0"
                                              << logged("Filename error");
    QTest::newRow("the other board's package: nothing taken, not even what came first")
        << vorn << Package("<VersionMajor>3</VersionMajor><Target>Fenk</Target>" + devices) << int(KLX_Unsuitable)
        << kNothing << none;
    QTest::newRow("the larger board's package on the smaller board")
        << fenk << Package(full) << int(KLX_Unsuitable) << kNothing << none;
    QTest::newRow("the smaller board's package on the smaller board")
        << fenk << Package("<Target>Fenk</Target>" + Device("SC-FK", 1, 2, "fk.bin", 16)) << 1
        << "v0.0 force 0 | SC-FK 1.2 fk.bin 16" << none;
    QTest::newRow("unknown element after the package: kept, -70000")
        << vorn << Package(full, "<EXTRA><X>1</X></EXTRA>") << int(KLX_Error) << fullKept
        << Reports{{0x22883, kSkip}};
    QTest::newRow("unknown children are skipped and logged")
        << vorn
        << Package(target + "<Comment><Deep>1</Deep></Comment><VersionMajor>3</VersionMajor>"
                            "<DEVICE><Name>TC</Name><Checksum>ab</Checksum><Major>2</Major></DEVICE>")
        << 1 << "v3.0 force 0 | TC 2.0  0" << Reports{{0x52883, kSkip}, {0x52883, kSkip}};
    QTest::newRow("no target, larger board: taken, as older packages expect")
        << vorn << Package("<VersionMajor>3</VersionMajor>" + devices) << 1
        << "v3.0 force 0 | TC 2.0 TC_2_0.bin 17 | SC 1.5 SC_1_5.bin 16" << none;
    QTest::newRow("no target, smaller board") << fenk << Package("<VersionMajor>3</VersionMajor>") << int(KLX_Unsuitable)
                                              << kNothing << none;
    QTest::newRow("root version 1.1, larger board") << vorn << Package(full, QString(), "1.1") << int(KLX_Error)
                                                    << kNothing << none;
    QTest::newRow("root version 1.1, smaller board") << fenk << Package(full, QString(), "1.1")
                                                     << int(KLX_Unsuitable) << kNothing << none;
    QTest::newRow("another root") << vorn << QString("<vornstate version=\"1.0\"><UPDATE/></vornstate>")
                                  << int(KLX_Error) << kNothing << none;
    QTest::newRow("no file, larger board") << vorn << QString("-") << int(KLX_Error) << kNothing << unreadable;
    QTest::newRow("no file, smaller board") << fenk << QString("-") << int(KLX_Unsuitable) << kNothing << unreadable;
    QTest::newRow("a file broken off: nothing taken")
        << vorn << Package(full).left(Package(full).indexOf("<DEVICE>") + 20) << int(KLX_Error) << kNothing
        << unreadable;
  }
  void readIntoTheBookkeeping() {
    QFETCH(int, board);
    QFETCH(QString, text);
    QFETCH(int, result);
    QFETCH(QString, kept);
    QFETCH(Reports, reports);
    ModelFixture f(board);
    QCOMPARE(f.initialized, 1);
    VornErrorWatch errors;
    errors.Expect({0x2280A, 0x22883});
    const QString path = f.root.Path() + "/Update.xml";
    if (text != "-") {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(text.toUtf8());
    }
    KLX_XMLUpdate reader;
    QCOMPARE(reader.KLX_XMLUpdateInitialize(&f.db), 1);
    QCOMPARE(reader.KLX_XMLUpdateReadUpdateFile(path), result);
    QCOMPARE(Bookkeeping(f.db), kept);
    QCOMPARE(errors.TakeReports(), reports);
  }

  void initialisationWithoutFacade() {
    VornErrorWatch errors;
    errors.Expect(0x12884);
    KLX_XMLUpdate reader;
    QCOMPARE(reader.KLX_XMLUpdateInitialize(nullptr), int(KLX_Error));
    QCOMPARE(errors.TakeReports(), (Reports{{0x12884, "KLX_XMLUpdateInitialize() went wrong"}}));
  }
};

QTEST_GUILESS_MAIN(UpdateXmlTest)
#include "tst_updatexml.moc"
