// "Vornstate.xml": the current model and the update state across a power
// cycle, on both boards.
#include "settings/settings_fixture.h"

namespace {
QByteArray StateXml(const QByteArray& children, const QByteArray& root = "vornstate", const QByteArray& version = "1.0") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + root + " version=\"" + version + "\">\n<VORNSTATE>\n" +
         children + "\n</VORNSTATE>\n</" + root + ">\n";
}
}  // namespace

class TestStateFile : public QObject {
  Q_OBJECT

 private slots:
  void writtenInOrderAndReadBack() {
    SettingsFixture fx;
    auto& db = fx.db;
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Gl\xC3\xBC" "der", AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(2, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(true, AtomicDirSet);
    db.KLX_DataBaseManagerUpdate_SetGetVersion_Major_Installed(4, AtomicDirSet);
    db.KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(2, AtomicDirSet);
    db.KLX_DataBaseManagerUpdate_Set_Device_Name("TC");
    db.KLX_DataBaseManagerUpdate_InstalledSetGetDeviceFilename("tc_1_2.bin", "TC", AtomicDirSet);
    db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
    QVERIFY(db.KLX_DataBaseManagerGetVornModifyFlag());
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerWriteSysProcessStateFile(), int(KLX_Ok));
    const auto reports = watch.TakeReports();
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports[0].first, 0x42602u);
    QVERIFY(reports[0].second.startsWith("Model CRC in Runtime DB after last saving: 0x"));
    QCOMPARE(reports[0].second.size(), 53);
    const QString text = QString::fromUtf8(SettingsFixture::Read(SettingsFixture::StateFile()));
    const QString head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<vornstate version=\"1.0\">\n"
        "    <!-- DO NOT MODIFY THIS FILE OUTSIDE THE VORN REMOTE SYSTEM -->\n    <VORNSTATE>\n"
        "        <Modelname>Gl\u00FCder</Modelname>\n        <ModelTyp>2</ModelTyp>\n"
        "        <ModelStoredInTC>1</ModelStoredInTC>\n        <VersionMajor>4</VersionMajor>\n"
        "        <VersionMinor>2</VersionMinor>\n        <UpdateFlag>0</UpdateFlag>\n"
        "        <StickFwApp></StickFwApp>\n        <TCFwApp>tc_1_2.bin</TCFwApp>\n        <CurrentDate>";
    QVERIFY2(text.startsWith(head), qPrintable(text));
    QVERIFY(text.endsWith("</CurrentDate>\n    </VORNSTATE>\n</vornstate>\n"));

    db.KLX_DataBaseManagerVornPropertiesClearAll();
    QCOMPARE(db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerReadSysProcessStateFile(), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManagerVornPropertiesGetModelName(), QString("Gl\u00FCder"));
    QCOMPARE(db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet), 2);
    QVERIFY(db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirGet));
    QCOMPARE(db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet), QString());
    QCOMPARE(db.KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(0, AtomicDirGet), 2);
    QCOMPARE(db.KLX_DataBaseManagerUpdate_InstalledSetGetDeviceFilename(QString(), "TC", AtomicDirGet), QString("tc_1_2.bin"));
  }

  // The error log names the checksum of the model the file belongs to once
  // that model is loaded. While a load runs it has cleared the stores and
  // fills them unit by unit (without a model they stay cleared): no model's
  // checksum to name, and none is logged.
  void theModelChecksumIsLoggedOnceTheModelIsLoaded_data() {
    QTest::addColumn<int>("loadState");
    QTest::addColumn<bool>("logged");
    QTest::newRow("a model loading, or none") << int(KLX_VornTask::KLX_MODELLLOAD_STATUS_NOTVALID) << false;
    QTest::newRow("the model loaded") << int(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY) << true;
  }
  void theModelChecksumIsLoggedOnceTheModelIsLoaded() {
    QFETCH(int, loadState);
    QFETCH(bool, logged);
    SettingsFixture fx;
    fx.db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet);
    fx.db.KLX_DataBaseManagerGetSetModelLoadState(loadState, AtomicDirSet);
    VornErrorWatch watch;
    QCOMPARE(fx.db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerWriteSysProcessStateFile(), int(KLX_Ok));
    const QString crc =
        QStringLiteral("%1").arg(fx.db.KLX_DataBaseManagerCalculateModelCRC(true), 8, 16, QChar('0')).toUpper();
    QList<QPair<unsigned, QString>> expected;
    if (logged) expected << qMakePair(0x42602u, "Model CRC in Runtime DB after last saving: 0x" + crc);
    QCOMPARE(watch.TakeReports(), expected);
    QVERIFY(SettingsFixture::Read(SettingsFixture::StateFile()).contains("<Modelname>Glider</Modelname>"));
  }

  void badElementsAreReportedAndSkipped_data() {
    QTest::addColumn<int>("variant");
    QTest::newRow("larger board") << int(CSimBoard::Vorn);
    QTest::newRow("smaller board") << int(CSimBoard::Fenk);
  }
  void badElementsAreReportedAndSkipped() {
    QFETCH(int, variant);
    SettingsFixture fx(static_cast<CSimBoard::Variant>(variant));
    auto& db = fx.db;
    const QByteArray name46(46, 'n');
    QVERIFY(SettingsFixture::Write(
        SettingsFixture::StateFile(),
        StateXml("<Modelname>" + name46 + "</Modelname><ModelTyp>300</ModelTyp><ModelStoredInTC>1</ModelStoredInTC>"
                 "<VersionMajor>x</VersionMajor><UpdateFlag>256</UpdateFlag><CurrentDate>now</CurrentDate>"
                 "<ModelFolder>/Vorn/Model/Plane</ModelFolder><Mystery>1</Mystery>")));
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(5, AtomicDirSet);
    db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(9, AtomicDirSet);
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerReadSysProcessStateFile(), int(KLX_Ok));
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{{0x228A7, "Model name error"},
                                                               {0x528A8, "modeltyp error"},
                                                               {0x52881, "update version major error"},
                                                               {0x52880, "update flag error"},
                                                               {0x528A3, "skip unknown element in Vornstate.xml"}}));
    QCOMPARE(db.KLX_DataBaseManagerVornPropertiesGetModelName(), QString());
    QCOMPARE(db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirGet),
             variant == CSimBoard::Vorn);
    QCOMPARE(db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet),
             QString("/Vorn/Model/Plane"));

    // 45 bytes is a good name.
    QVERIFY(SettingsFixture::Write(SettingsFixture::StateFile(), StateXml("<Modelname>" + name46.left(45) + "</Modelname>")));
    QCOMPARE(db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerReadSysProcessStateFile(), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManagerVornPropertiesGetModelName(), QString(name46.left(45)));
  }

  // Without a model the state holds an empty name: the first start finds no
  // file, the switch-off saves that state, and the second start reads it;
  // none of them is an error.
  void startsWithoutAModelAreQuiet() {
    SettingsFixture fx;
    KLX_XMLFileHandler* files = fx.db.KLX_DataBaseManagerXMLFileHandlerPtr();
    VornErrorWatch watch;
    QCOMPARE(files->KLX_XMLFileHandlerReadSysProcessStateFile(), int(KLX_Ok));
    QCOMPARE(QFileInfo(SettingsFixture::StateFile()).size(), 0);
    QCOMPARE(watch.TakeCodes(), QList<unsigned>());

    fx.db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirSet);
    QCOMPARE(files->KLX_XMLFileHandlerWriteSysProcessStateFile(), int(KLX_Ok));
    QVERIFY(SettingsFixture::Read(SettingsFixture::StateFile()).contains("<Modelname></Modelname>"));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>());

    watch.Clear();
    QCOMPARE(files->KLX_XMLFileHandlerReadSysProcessStateFile(), int(KLX_Ok));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>());
    QCOMPARE(fx.db.KLX_DataBaseManagerVornPropertiesGetModelName(), QString());
  }

  void theModelNameAndTypeKeepTheirSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("storedType");
    QTest::newRow("60 characters") << QString(60, 'n') << QString(47, 'n') << 300 << 255;
    QTest::newRow("a character across the cut") << QString(46, 'n') + QChar(0x00E4) << QString(46, 'n') << -1 << 0;
    QTest::newRow("two-byte characters that fit") << QString(23, QChar(0x00E4)) << QString(23, QChar(0x00E4)) << 6 << 6;
  }
  void theModelNameAndTypeKeepTheirSize() {
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(int, type);
    QFETCH(int, storedType);
    SettingsFixture fx;
    QCOMPARE(fx.db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName(name, AtomicDirSet), stored);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(type, AtomicDirSet), storedType);
  }

  void wrongRootOrVersionFailsAfterClearing_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("other root") << StateXml("<ModelTyp>3</ModelTyp>", "state");
    QTest::newRow("other version") << StateXml("<ModelTyp>3</ModelTyp>", "vornstate", "2.0");
    QTest::newRow("no root") << QByteArray("<?xml version=\"1.0\"?>\n");
  }
  void wrongRootOrVersionFailsAfterClearing() {
    QFETCH(QByteArray, file);
    SettingsFixture fx;
    QVERIFY(SettingsFixture::Write(SettingsFixture::StateFile(), file));
    fx.db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(5, AtomicDirSet);
    VornErrorWatch watch;
    QCOMPARE(fx.db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerReadSysProcessStateFile(), int(KLX_Error));
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{{0x228A5, "skip unknown element in Vornstate.xml"}}));
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet), 0);
  }
};

QTEST_GUILESS_MAIN(TestStateFile)
#include "tst_state_file.moc"
