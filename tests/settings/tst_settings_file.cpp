// "System.xml" and "Timezones.xml" through the XML file handler: the exact
// text written from defaults, reading with bad values, unknown elements and
// wrong roots, and a save that never leaves half a file.
#include "frame/klx_xmlsafefile.h"
#include "settings_fixture.h"

namespace {
const QByteArray kDefaultSystemXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<systemfile version=\"1.0\">\n"
    "    <!-- DO NOT MODIFY THIS FILE OUTSIDE THE VORN REMOTE SYSTEM -->\n"
    "    <SYSTEM>\n"
    "        <Locktimeout>5</Locktimeout>\n"
    "        <Idletimeout>0</Idletimeout>\n"
    "        <Dimbrightness>10</Dimbrightness>\n"
    "        <Brightness>70</Brightness>\n"
    "        <Brightnessdimtime>10</Brightnessdimtime>\n"
    "        <Displaycontrast>1</Displaycontrast>\n"
    "        <Displaycolour>4294704123</Displaycolour>\n"
    "        <Bordercolour>4294704123</Bordercolour>\n"
    "        <MeasureSystem>0</MeasureSystem>\n"
    "        <TeleLoggingEnabled>1</TeleLoggingEnabled>\n"
    "        <FastStartEnabled>0</FastStartEnabled>\n"
    "        <UserName>OstrelVorn</UserName>\n"
    "        <PortalLogin></PortalLogin>\n"
    "        <UserPassw></UserPassw>\n"
    "        <AutomaticDateTime>1</AutomaticDateTime>\n"
    "        <Display24h>0</Display24h>\n"
    "        <DayLightSaving>0</DayLightSaving>\n"
    "        <CountryCode>0</CountryCode>\n"
    "        <TimezoneLocation></TimezoneLocation>\n"
    "        <TimeOffset>0</TimeOffset>\n"
    "        <Language>en</Language>\n"
    "        <LastUsedBLE></LastUsedBLE>\n"
    "        <VolumeKey>100</VolumeKey>\n"
    "        <VolumeKeyControl>0</VolumeKeyControl>\n"
    "        <VolumeAlarm>100</VolumeAlarm>\n"
    "        <VolumeAlarmControl>0</VolumeAlarmControl>\n"
    "        <VolumeTimer>100</VolumeTimer>\n"
    "        <VolumeTimerControl>0</VolumeTimerControl>\n"
    "        <VolumeBT>100</VolumeBT>\n"
    "        <VolumeBTControl>0</VolumeBTControl>\n"
    "        <BTPowerStatus>0</BTPowerStatus>\n"
    "        <VolumeTemeletry>100</VolumeTemeletry>\n"
    "        <VolumeTemeletryControl>0</VolumeTemeletryControl>\n"
    "        <VolumeMaster>100</VolumeMaster>\n"
    "        <isMasterVolumeControlled>0</isMasterVolumeControlled>\n"
    "        <MasterVolumeControl>0</MasterVolumeControl>\n"
    "        <IntroVideo>1</IntroVideo>\n";

QByteArray UserMenus() {
  QByteArray out;
  for (int i = 0; i < 10; ++i)
    out += "        <USERMENU>\n            <Index>" + QByteArray::number(i) +
           "</Index>\n            <Data>0</Data>\n            <Type></Type>\n        </USERMENU>\n";
  return out;
}

const QByteArray kTimezones =
    "<CommonTimeZones><TotalCountries>3</TotalCountries>"
    "<COUNTRY><Name>bolivia</Name><Abbr>BO</Abbr><CountryCodeQt>26</CountryCodeQt><Zones>1</Zones>"
    "<TimeZone><Continent>America</Continent><City>La Paz</City><DayLightSaving>0</DayLightSaving>"
    "<OffsetWinter>x</OffsetWinter><OffsetSummer>-240</OffsetSummer></TimeZone></COUNTRY>"
    "<COUNTRY><Name>Austria</Name><Abbr>AT</Abbr><CountryCodeQt>14</CountryCodeQt><Zones>1</Zones><Flag/>"
    "<TimeZone><Continent>Europe</Continent><City>Vienna</City><OffsetWinter>60</OffsetWinter>"
    "<OffsetSummer>120</OffsetSummer><Odd/></TimeZone></COUNTRY>"
    "<COUNTRY><Name>Chile</Name><Abbr>CL</Abbr><CountryCodeQt>abc</CountryCodeQt></COUNTRY>"
    "<Extra/></CommonTimeZones>";
}  // namespace

class TestSettingsFile : public QObject {
  Q_OBJECT

 private slots:
  void defaultsAreWrittenExactly() {
    SettingsFixture fx;
    KLX_XMLFileHandler* files = fx.db.KLX_DataBaseManagerXMLFileHandlerPtr();
    QCOMPARE(files->KLX_XMLFileHandlerWriteSystemFile(), 1);
    QCOMPARE(QString::fromUtf8(SettingsFixture::Read(SettingsFixture::SystemFile())),
             QString::fromUtf8(kDefaultSystemXml + UserMenus() + "    </SYSTEM>\n</systemfile>\n"));
    // No temporary file stays behind in the settings folder.
    QCOMPARE(QDir(SettingsFixture::SystemFolder()).entryList(QDir::Files), QStringList{"System.xml"});
  }

  void writtenSettingsReadBack() {
    SettingsFixture fx;
    auto& db = fx.db;
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT(42, AtomicDirSet, true, 300);
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT(42, AtomicDirSet);
    db.KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlTypByIndex(5, 496, 3);
    db.KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(2, 9, "Servo", AtomicDirSet);
    db.KLX_DataBaseManagerGetSetSystemProperties_DisplayColour(0xFF123456u, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserPassw("secret", AtomicDirSet);
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(-210, AtomicDirSet);
    db.SetAndSearchLastUsedBLEDevice("AA:BB:CC:DD:EE:FF", false);
    db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(3, true, AtomicDirSet);
    db.KLX_DataBaseManagerTutorPupilGetSetVornControl(3, 257, AtomicDirSet);
    db.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(3, 11, AtomicDirSet);
    db.KLX_DatabaseManagerGetSetFrontPlugModeInSystemProp(2, 2);
    KLX_XMLFileHandler* files = db.KLX_DataBaseManagerXMLFileHandlerPtr();
    QCOMPARE(files->KLX_XMLFileHandlerWriteSystemFile(), 1);
    const QByteArray text = SettingsFixture::Read(SettingsFixture::SystemFile());
    QVERIFY(text.contains("<CONTROLS>\n            <Index>5</Index>\n            <Control>496</Control>\n"
                          "            <Typ>3</Typ>\n        </CONTROLS>\n        <USERMENU>"));
    // An item with a control that gets a channel is enabled by it.
    QVERIFY(text.contains("<TeacherPupilItem>\n                <Index>3</Index>\n                <InUse>1</InUse>\n"
                          "                <VornControlID>257</VornControlID>\n"
                          "                <ExtChannelIndex>11</ExtChannelIndex>\n            </TeacherPupilItem>\n"
                          "            <OnOffState>ON</OnOffState>\n        </TEACHERPUPILSETTINGS>\n    </SYSTEM>"));

    db.KLX_DataBaseManagerGetSetSystemProperties_ClearAll();
    db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(3, false, AtomicDirSet);
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFolder() + "Timezones.xml", kTimezones));
    db.KLX_DataBaseManagerSetSystemModifyFlag(false);
    VornErrorWatch watch;
    QCOMPARE(files->KLX_XMLFileHandlerReadSystemFile(), 1);
    QVERIFY(!db.KLX_DataBaseManagerGetSystemModifyFlag());
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT(0, AtomicDirGet), 42 + 300 * 256);
    int control = 0, type = 0;
    db.KLX_DataBaseManagerSystemPropertiesGet_ControlAndControlTypByIndex(5, &control, &type);
    QCOMPARE(control * 10 + type, 4963);
    QCOMPARE(db.GetUserMenuEntryType(2), QString("Servo"));
    QCOMPARE(db.GetUserMenuEntryType(3), QString("Main"));
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemProperties_DisplayColour(0, AtomicDirGet), 0xFF123456u);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserPassw(QString(), AtomicDirGet), QString("secret"));
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(0, AtomicDirGet), -210);
    QCOMPARE(db.KLX_DataBaseManagerGetLastUsedBLEDevice(), QString("AA:BB:CC:DD:EE:FF"));
    QCOMPARE(db.KLX_DatabaseManagerBTConnPointer()->searchedAddress(), QString("AA:BB:CC:DD:EE:FF"));
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(3, false, AtomicDirGet), 1);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(3, 0, AtomicDirGet), 11);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGlobalEnable(false, AtomicDirGet), 1);
    // The time-zone list: unknown elements logged only, no count mismatch.
    QCOMPARE(watch.Codes(), (QList<unsigned>{338054, 338054, 338054}));
  }

  void badValuesGetTheirDefaultsAndReports() {
    SettingsFixture fx;
    const QByteArray body =
        "<Brightness>abc</Brightness><Locktimeout>-5</Locktimeout><MeasureSystem>300</MeasureSystem>"
        "<TeleLoggingEnabled>x</TeleLoggingEnabled><Displaycolour>-1</Displaycolour><Mystery>1</Mystery>"
        "<UserName>" + QByteArray(60, 'u') + "</UserName><VolumeKey></VolumeKey>"
        "<VolumeAlarmControl>12</VolumeAlarmControl><TimeOffset>40000</TimeOffset>"
        "<USERMENU><Data>4</Data></USERMENU><LastUsedBLE>0123456789012345678</LastUsedBLE>"
        "<TEACHERPUPILSETTINGS><TeacherPupilItem><Index>8</Index><InUse>1</InUse></TeacherPupilItem>"
        "<TeacherPupilItem><Index>1</Index><VornControlID>9999</VornControlID>"
        "<ExtChannelIndex>18</ExtChannelIndex></TeacherPupilItem></TEACHERPUPILSETTINGS>";
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFolder() + "Timezones.xml", "<CommonTimeZones/>"));
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFile(), SystemXml(body)));
    auto& db = fx.db;
    db.KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled(0, AtomicDirSet);
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerReadSystemFile(), 1);
    QCOMPARE(watch.Reports(), (QList<QPair<unsigned, QString>>{
                                  {206987, "default value for System: Brightness"},
                                  {207019, "default value for System: MeasureSystem"},
                                  {207097, "default value for System: TeleLoggingEnabled"},
                                  {206990, "default value for System: Displaycolour"},
                                  {338054, "skip unknown element in System.xml"},
                                  {206995, "default value for System: VolumeKey"},
                                  {207053, "default value for System: time zone offset"},
                                  {338054, "index menu entry error"},
                                  {141501, "bad value of Tutor-Pupil item index"},
                                  {141514, "bad value of Tutor-Pupil item contol"},
                                  {141515, "bad value of Tutor-Pupil external channel"},
                              }));
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(0, AtomicDirGet), 70);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(0, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerGetSet_SystemPropertiesMeasureSystem(0, AtomicDirGet), 1);
    QCOMPARE(db.KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled(0, AtomicDirGet), 1);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemProperties_DisplayColour(0, AtomicDirGet), 0xFFFBFBFBu);
    // Cut to 47 bytes by the reader; the store's 46 hold.
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName(QString(), AtomicDirGet), QString(46, QChar('u')));
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTelemetry(0, AtomicDirGet), 100 + 12 * 256);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlKeyTrims(0, AtomicDirGet), 80);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(0, AtomicDirGet), 1);
    QCOMPARE(db.KLX_DataBaseManagerGetLastUsedBLEDevice(), QString());
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(1, false, AtomicDirGet), 1);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetVornControl(1, 0, AtomicDirGet), 65535);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(1, 0, AtomicDirGet), 255);
  }

  void wrongRootOrVersionKeepsTheDefaults_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("other root") << SystemXml("<Brightness>20</Brightness>", "settings");
    QTest::newRow("other version") << SystemXml("<Brightness>20</Brightness>", "systemfile", "1.1");
    QTest::newRow("no version")
        << QByteArray("<systemfile><SYSTEM><Brightness>20</Brightness></SYSTEM></systemfile>");
  }
  void wrongRootOrVersionKeepsTheDefaults() {
    QFETCH(QByteArray, file);
    SettingsFixture fx;
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFolder() + "Timezones.xml", "<CommonTimeZones/>"));
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFile(), file));
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(30, AtomicDirSet);
    VornErrorWatch watch;
    QCOMPARE(fx.db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerReadSystemFile(), int(KLX_Error));
    QCOMPARE(watch.Reports(), (QList<QPair<unsigned, QString>>{{141448, "skip unknown element in System.xml"}}));
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(0, AtomicDirGet), 70);
    // The settings lock was released.
    QCOMPARE(fx.db.KLX_DataBaseManager_SystemPropertiesLock(), 1);
    fx.db.KLX_DataBaseManager_SystemPropertiesUnlock();
  }

  void badControlIndexEndsTheReading() {
    SettingsFixture fx;
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFolder() + "Timezones.xml", "<CommonTimeZones/>"));
    QVERIFY(SettingsFixture::Write(
        SettingsFixture::SystemFile(),
        SystemXml("<Brightness>20</Brightness><CONTROLS><Index>176</Index><Control>5</Control></CONTROLS>"
                  "<Locktimeout>2</Locktimeout>")));
    VornErrorWatch watch;
    QCOMPARE(fx.db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerReadSystemFile(), int(KLX_Error));
    QCOMPARE(watch.Codes(), QList<unsigned>{141465});
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(0, AtomicDirGet), 20);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(0, AtomicDirGet), 5);
    QCOMPARE(fx.db.KLX_DataBaseManager_SystemPropertiesLock(), 1);
    fx.db.KLX_DataBaseManager_SystemPropertiesUnlock();
  }

  void smallerBoardForcesFastStartAndAutomaticTimeOff() {
    SettingsFixture fx(CSimBoard::Fenk);
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFolder() + "Timezones.xml", "<CommonTimeZones/>"));
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFile(),
                                   SystemXml("<FastStartEnabled>1</FastStartEnabled><AutomaticDateTime>1</AutomaticDateTime>")));
    QCOMPARE(fx.db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerReadSystemFile(), 1);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled(0, AtomicDirGet), 0);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime(0, AtomicDirGet), 0);
  }

  void handlerNeedsTheTimeZoneListAndMakesAnEmptySettingsFile() {
    SettingsFixture fx;
    KLX_XMLFileHandler* files = fx.db.KLX_DataBaseManagerXMLFileHandlerPtr();
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(30, AtomicDirSet);
    VornErrorWatch watch;
    QCOMPARE(files->KLX_XMLFileHandlerReadSystemFile(), int(KLX_Error));
    QCOMPARE(watch.Reports(), (QList<QPair<unsigned, QString>>{{141332, "Timezones file doesn't exist"}}));
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(0, AtomicDirGet), 30);
    QVERIFY(!QFileInfo::exists(SettingsFixture::SystemFile()));

    watch.Clear();
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFolder() + "Timezones.xml",
                                   "<CommonTimeZones><TotalCountries>2</TotalCountries>"
                                   "<COUNTRY><Name>Austria</Name></COUNTRY></CommonTimeZones>"));
    QCOMPARE(files->KLX_XMLFileHandlerReadSystemFile(), 1);
    QCOMPARE(watch.Reports(), (QList<QPair<unsigned, QString>>{{141333, "Country count of timezones mismatch"}}));
    QVERIFY(QFileInfo::exists(SettingsFixture::SystemFile()));
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(0, AtomicDirGet), 70);
    QCOMPARE(fx.db.KLX_SystemPropertiesGetSystemProperties_GetCountryCountInTZoneFile(), 2);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSystemPropertiesGet_CountryNameInList(0), QString("Not specified"));
  }

  void timeZoneListIsSortedWithAnAddedFirstEntry() {
    SettingsFixture fx;
    KLX_XMLFileHandler files("test");
    QVERIFY(files.KLX_XMLFileHandlerInitialize(&fx.db) == 1);
    const QString path = SettingsFixture::SystemFolder() + "Timezones.xml";
    QVERIFY(SettingsFixture::Write(path, kTimezones));
    files.System().KLX_XMLSystemReadTzFile(path);
    const QList<CountryTZ_struct>& list = files.System().KLX_XMLSystemCountries();
    QCOMPARE(list.size(), 4);
    QVERIFY(!files.System().KLX_XMLSystemIsCountryNumberMismatch());
    QStringList names;
    for (const auto& c : list) names << c.Name;
    QCOMPARE(names, (QStringList{"Not specified", "Austria", "bolivia", "Chile"}));
    QCOMPARE(list[0].Abbr, QString("Any"));
    QCOMPARE(list[2].TimeZones.value(0).OffsetWinter, qint16(0));
    QCOMPARE(list[2].TimeZones.value(0).OffsetSummer, qint16(-240));
    QCOMPARE(list[3].CountryCodeQt, quint16(65535));
    fx.db.KLX_DataBaseManagerSetCountryListPtr(nullptr);
  }

  void aSaveCutBeforeTheRenameKeepsTheOldFile() {
    SettingsFixture fx;
    KLX_XMLFileHandler* files = fx.db.KLX_DataBaseManagerXMLFileHandlerPtr();
    QCOMPARE(files->KLX_XMLFileHandlerWriteSystemFile(), 1);
    const QByteArray old = SettingsFixture::Read(SettingsFixture::SystemFile());
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(9, AtomicDirSet);
    KLX_XMLSafeFile::SetBeforeRenameHook([](const QString&) { return false; });
    VornErrorWatch watch;
    QCOMPARE(files->KLX_XMLFileHandlerWriteSystemFile(), int(KLX_Error));
    KLX_XMLSafeFile::SetBeforeRenameHook(nullptr);
    QCOMPARE(watch.Codes(), QList<unsigned>{141331});
    QCOMPARE(SettingsFixture::Read(SettingsFixture::SystemFile()), old);
    QCOMPARE(QDir(SettingsFixture::SystemFolder()).entryList(QDir::Files), QStringList{"System.xml"});
  }

  void modelReadKeepsDatedBackups() {
    SettingsFixture fx;
    KLX_XMLFileHandler* files = fx.db.KLX_DataBaseManagerXMLFileHandlerPtr();
    const QString folder = KLX_FileNameHandler().KLX_FileNameHandlerGetModelFilePath(1, QString(), false);
    QVERIFY(SettingsFixture::Write(folder + "Glider.xml", "<modelfile version=\"1.0\"/>"));
    const QString backup = folder + "Backup/";
    QDir().mkpath(backup);
    for (int i = 0; i < 35; ++i) {
      const QString old = backup + QString("old%1.xml").arg(i);
      QVERIFY(SettingsFixture::Write(old, "x"));
      QFile f(old);
      QVERIFY(f.open(QIODevice::ReadWrite));
      QVERIFY(f.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0)).addDays(i), QFileDevice::FileModificationTime));
    }
    QCOMPARE(files->KLX_XMLFileHandlerWorkWithBackupFolder(folder, nullptr), int(KLX_Error));
    QString name = "Glider.xml";
    QCOMPARE(files->KLX_XMLFileHandlerWorkWithBackupFolder(folder, &name), 6);
    QCOMPARE(QDir(backup).entryList(QDir::Files).size(), 31);
    QVERIFY(!QFileInfo::exists(backup + "old0.xml"));
    QVERIFY(QFileInfo::exists(backup + "old34.xml"));
    // A second backup within the same second gets a number.
    QCOMPARE(files->KLX_XMLFileHandlerReadModelFile("Glider.xml", "Glider", 1, QString()), 1);
    QVERIFY(!QDir(backup).entryList({"Glider_*_(0).xml"}).isEmpty() ||
            QDir(backup).entryList({"Glider_*.xml"}).size() == 2);
    QCOMPARE(files->Model().KLX_XMLModelReads(), 1);
  }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
