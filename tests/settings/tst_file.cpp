// "System.xml" and "Timezones.xml" through the XML file handler: the exact
// text written from defaults, reading with bad values, unknown elements and
// wrong roots, and a save that never leaves half a file.
#include "frame/klx_xmlsafefile.h"
#include "settings/settings_fixture.h"
#include "sim/csimcontrols.h"
#include "tasks/klx_vorntask.h"

namespace {
// The files the writer produced before its rows came from the settings
// table: a store at its defaults and one with every setting changed.
QByteArray Golden(const char* name) {
  QFile f(QFINDTESTDATA(QString("golden/") + name));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Scrambled credentials differ from save to save: they are checked by
// reading back, and masked here.
QByteArray MaskScrambled(QByteArray text) {
  for (const char* element : {"PortalLogin", "UserPassw"}) {
    const QByteArray open = QByteArray("<") + element + ">";
    const int from = text.indexOf(open) + open.size();
    const int to = text.indexOf(QByteArray("</") + element + ">", from);
    if (to > from) text.replace(from, to - from, "*");
  }
  return text;
}

// Every setting away from its default, a control-table entry at both ends,
// two user-menu entries and two teacher/pupil items.
void ChangeEverySetting(KLX_DataBaseManager& db) {
  db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(7, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemProperties_IdleTimeout(33, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemProperties_TimeoutBrigntness(55, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(44, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemProperties_Fallbacktime(3, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemProperties_DisplayContrast(0, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemProperties_DisplayColour(0xFF102030u, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemProperties_DisplayBorderColour(0xFF405060u, AtomicDirSet);
  db.KLX_DataBaseManagerGetSet_SystemPropertiesMeasureSystem(1, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled(0, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled(1, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName("Pilot <&> \u00C4", AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLogin("login", AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserPassw("secret", AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime(0, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(1, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DayLightSaving(1, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_CountryCode(81, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeZoneLocation("Berlin", AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(-90, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language("de", AtomicDirSet);
  db.SetAndSearchLastUsedBLEDevice("AA:BB:CC:DD:EE:FF", false);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlKeyTrims(11, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlKeyTrims(0, AtomicDirSet, true, 257);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTelemetry(12, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTelemetry(0, AtomicDirSet, true, 258);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTimer(13, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTimer(0, AtomicDirSet, true, 259);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT(14, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT(0, AtomicDirSet, true, 260);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_BTPowerStatus(1, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlVario(15, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlVario(0, AtomicDirSet, true, 261);
  db.SystemPropertiesGetSet_VolumeMaster(16, AtomicDirSet);
  db.KLX_DatabaseManagerGetSetSystemProperties_MainMastVolmIsControlled(1, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_MasterVolumeCtl(262, AtomicDirSet);
  db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_IntroVideo(0, AtomicDirSet);
  db.KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlTypByIndex(0, 1000, 2);
  db.KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlTypByIndex(175, 1265, 7);
  db.KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(0, 3, "Servo", AtomicDirSet);
  db.KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(9, 255, "Timer", AtomicDirSet);
  for (int slot : {0, 7}) {
    db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(slot, true, AtomicDirSet);
    db.KLX_DataBaseManagerTutorPupilGetSetVornControl(slot, 257 + slot, AtomicDirSet);
    db.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(slot, 3 + slot, AtomicDirSet);
  }
  db.KLX_DatabaseManagerGetSetFrontPlugModeInSystemProp(2, 2);
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
  void theFileTextStaysAsItWas_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QByteArray>("golden");
    QTest::newRow("defaults") << false << Golden("System-defaults.xml");
    QTest::newRow("every setting changed") << true << Golden("System-changed.xml");
  }
  void theFileTextStaysAsItWas() {
    QFETCH(bool, changed);
    QFETCH(QByteArray, golden);
    QVERIFY(!golden.isEmpty());
    SettingsFixture fx;
    if (changed) ChangeEverySetting(fx.db);
    KLX_XMLFileHandler* files = fx.db.KLX_DataBaseManagerXMLFileHandlerPtr();
    QCOMPARE(files->KLX_XMLFileHandlerWriteSystemFile(), int(KLX_Ok));
    const QByteArray text = SettingsFixture::Read(SettingsFixture::SystemFile());
    QCOMPARE(QString::fromUtf8(MaskScrambled(text)), QString::fromUtf8(golden));
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
    QCOMPARE(files->KLX_XMLFileHandlerWriteSystemFile(), int(KLX_Ok));
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
    QSignalSpy searched(db.KLX_DatabaseManagerBTConnPointer(), &KLX_Bluetooth::searchForKnownDevice_sig);
    QCOMPARE(files->KLX_XMLFileHandlerReadSystemFile(), int(KLX_Ok));
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
    // The glasses used last are looked for again.
    QCOMPARE(searched.size(), 1);
    QCOMPARE(searched.at(0).at(0).toString(), QString("AA:BB:CC:DD:EE:FF"));
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(3, false, AtomicDirGet), 1);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(3, 0, AtomicDirGet), 11);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGlobalEnable(false, AtomicDirGet), 1);
    // The time-zone list: unknown elements logged only, no count mismatch.
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x52886, 0x52886, 0x52886}));
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
    QCOMPARE(db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerReadSystemFile(), int(KLX_Ok));
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{
                                  {0x3288B, "default value for System: Brightness"},
                                  {0x328AB, "default value for System: MeasureSystem"},
                                  {0x328F9, "default value for System: TeleLoggingEnabled"},
                                  {0x3288E, "default value for System: Displaycolour"},
                                  {0x52886, "skip unknown element in System.xml"},
                                  {0x32893, "default value for System: VolumeKey"},
                                  {0x328CD, "default value for System: time zone offset"},
                                  {0x52886, "index menu entry error"},
                                  {0x228BD, "bad value of Tutor-Pupil item index"},
                                  {0x228CA, "bad value of Tutor-Pupil item contol"},
                                  {0x228CB, "bad value of Tutor-Pupil external channel"},
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
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{{0x22888, "skip unknown element in System.xml"}}));
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(0, AtomicDirGet), 70);
    // The settings lock was released.
    QCOMPARE(fx.db.KLX_DataBaseManager_SystemPropertiesLock(), int(KLX_Ok));
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
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x22899});
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(0, AtomicDirGet), 20);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(0, AtomicDirGet), 5);
    QCOMPARE(fx.db.KLX_DataBaseManager_SystemPropertiesLock(), int(KLX_Ok));
    fx.db.KLX_DataBaseManager_SystemPropertiesUnlock();
  }

  // The simulated card leaves the factory with the control types of a
  // calibrated transmitter, which the calibration screen shows at once.
  void factoryControlTypesOfTheSimulatedCard_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("type");
    QTest::newRow("stick A") << int(KLX_VornTask::CONTROLID_Stick_STA_GUI) << int(KLX_VornTask::KLX_TASK_PARA_CONT_LINEAR);
    QTest::newRow("stick D") << int(KLX_VornTask::CONTROLID_Stick_STD_GUI) << int(KLX_VornTask::KLX_TASK_PARA_CONT_LINEAR);
    QTest::newRow("rotary B") << int(KLX_VornTask::CONTROLID_Poti_ROB_GUI) << int(KLX_VornTask::KLX_TASK_PARA_CONT_LINEAR);
    QTest::newRow("switch A") << int(KLX_VornTask::CONTROLID_SW_A_GUI) << int(KLX_VornTask::KLX_TASK_PARA_CONT_3POL_SWITCH);
    QTest::newRow("switch H") << int(KLX_VornTask::CONTROLID_SW_H_GUI) << int(KLX_VornTask::KLX_TASK_PARA_CONT_2POL_SWITCH);
    QTest::newRow("trim A") << int(KLX_VornTask::CONTROLID_RE_TRA_GUI) << int(Unknown_Control);
  }
  void factoryControlTypesOfTheSimulatedCard() {
    QFETCH(int, control);
    QFETCH(int, type);
    SettingsFixture fx;
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFolder() + "Timezones.xml", "<CommonTimeZones/>"));
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFile(), SystemXml(CSimControls::FactoryControlTypes())));
    QCOMPARE(fx.db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerReadSystemFile(), int(KLX_Ok));
    QCOMPARE(fx.db.KLX_DataBaseManagerSystemPropertiesGet_ControlTypByControl(control), type);
  }

  void smallerBoardForcesFastStartAndAutomaticTimeOff() {
    SettingsFixture fx(CSimBoard::Fenk);
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFolder() + "Timezones.xml", "<CommonTimeZones/>"));
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFile(),
                                   SystemXml("<FastStartEnabled>1</FastStartEnabled><AutomaticDateTime>1</AutomaticDateTime>")));
    QCOMPARE(fx.db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerReadSystemFile(), int(KLX_Ok));
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled(0, AtomicDirGet), 0);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime(0, AtomicDirGet), 0);
  }

  // Without "Timezones.xml" the settings are still read: a changed setting
  // must not be lost at the next save. A missing "System.xml" is made empty
  // and reads as the defaults.
  void handlerReadsTheSettingsWithOrWithoutTheTimeZoneList() {
    SettingsFixture fx;
    KLX_XMLFileHandler* files = fx.db.KLX_DataBaseManagerXMLFileHandlerPtr();
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFile(), SystemXml("<Brightness>30</Brightness>")));
    VornErrorWatch watch;
    QCOMPARE(files->KLX_XMLFileHandlerReadSystemFile(), int(KLX_Ok));
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{{0x22814, "Timezones file doesn't exist"}}));
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(0, AtomicDirGet), 30);
    QCOMPARE(fx.db.KLX_SystemPropertiesGetSystemProperties_GetCountryCountInTZoneFile(), int(KLX_Error));

    watch.Clear();
    QFile::remove(SettingsFixture::SystemFile());
    QVERIFY(SettingsFixture::Write(SettingsFixture::SystemFolder() + "Timezones.xml",
                                   "<CommonTimeZones><TotalCountries>2</TotalCountries>"
                                   "<COUNTRY><Name>Austria</Name></COUNTRY></CommonTimeZones>"));
    QCOMPARE(files->KLX_XMLFileHandlerReadSystemFile(), int(KLX_Ok));
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{{0x22815, "Country count of timezones mismatch"}}));
    QCOMPARE(QFileInfo(SettingsFixture::SystemFile()).size(), 0);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(0, AtomicDirGet), 70);
    QCOMPARE(fx.db.KLX_SystemPropertiesGetSystemProperties_GetCountryCountInTZoneFile(), 2);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSystemPropertiesGet_CountryNameInList(0), QString("Not specified"));
  }

  void timeZoneListIsSortedWithAnAddedFirstEntry() {
    SettingsFixture fx;
    KLX_XMLFileHandler files("test");
    QCOMPARE(files.KLX_XMLFileHandlerInitialize(&fx.db), int(KLX_Ok));
    const QString path = SettingsFixture::SystemFolder() + "Timezones.xml";
    QVERIFY(SettingsFixture::Write(path, kTimezones));
    VornErrorWatch watch;
    files.System().KLX_XMLSystemReadTzFile(path);
    // Unknown elements are logged only.
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{
                                  {0x52886, "skip unknown element in Timezones.xml:COUNTRY"},
                                  {0x52886, "skip unknown element in Timezones.xml:COUNTRY:TimeZone"},
                                  {0x52886, "skip unknown element in Timezones.xml"}}));
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

  // A cut just before the rename keeps the old file and leaves the
  // temporary one; the next use of the folder, a read at start or the next
  // save, removes that and only that.
  void aSaveCutBeforeTheRenameLeavesNothingForLong_data() {
    QTest::addColumn<bool>("state");
    QTest::addColumn<bool>("readNext");
    QTest::newRow("System.xml, read next") << false << true;
    QTest::newRow("System.xml, saved next") << false << false;
    QTest::newRow("Vornstate.xml, read next") << true << true;
    QTest::newRow("Vornstate.xml, saved next") << true << false;
  }
  void aSaveCutBeforeTheRenameLeavesNothingForLong() {
    QFETCH(bool, state);
    QFETCH(bool, readNext);
    SettingsFixture fx;
    KLX_XMLFileHandler* files = fx.db.KLX_DataBaseManagerXMLFileHandlerPtr();
    const QString folder = state ? SettingsFixture::StateFolder() : SettingsFixture::SystemFolder();
    const QString name = state ? "Vornstate.xml" : "System.xml";
    auto save = [&] {
      return state ? files->KLX_XMLFileHandlerWriteSysProcessStateFile() : files->KLX_XMLFileHandlerWriteSystemFile();
    };
    QVERIFY(SettingsFixture::Write(folder + "Timezones.xml", "<CommonTimeZones/>"));
    VornErrorWatch watch;
    QCOMPARE(save(), int(KLX_Ok));
    const QByteArray old = SettingsFixture::Read(folder + name);
    const QStringList others{name + ".bak", name + ".abcdefg", name + "1abcde", "Other.xml.abcdef", "Timezones.xml"};
    for (const QString& other : others) QVERIFY(SettingsFixture::Write(folder + other, "keep"));
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(9, AtomicDirSet);
    fx.db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Cut", AtomicDirSet);
    KLX_XMLSafeFile::SetBeforeRenameHook([](const QString&) { return false; });
    QCOMPARE(save(), int(KLX_Error));
    const QStringList first = QDir(folder).entryList({name + ".~vn??????"}, QDir::Files);
    QCOMPARE(first.size(), 1);
    // Cut again: the older one is gone, they do not pile up.
    QCOMPARE(save(), int(KLX_Error));
    const QStringList second = QDir(folder).entryList({name + ".~vn??????"}, QDir::Files);
    QCOMPARE(second.size(), 1);
    QVERIFY(second != first);
    KLX_XMLSafeFile::SetBeforeRenameHook(nullptr);
    QCOMPARE(SettingsFixture::Read(folder + name), old);

    if (readNext) {
      QCOMPARE(state ? files->KLX_XMLFileHandlerReadSysProcessStateFile() : files->KLX_XMLFileHandlerReadSystemFile(), int(KLX_Ok));
    } else {
      QCOMPARE(save(), int(KLX_Ok));
      QVERIFY(SettingsFixture::Read(folder + name) != old);
    }
    QStringList expected = others + QStringList{name};
    expected.sort();
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), expected);
    // No model is loaded: no save names a model's checksum.
    const unsigned flushed = 0x22813;
    QCOMPARE(watch.TakeCodes(), QList<unsigned>({flushed, flushed}));
  }

  // What cut copies left in the backup folder is no backup: newer than any,
  // none of it counts among the 30 kept, and none of it stays.
  void backupsKeptCountNoStagedFile() {
    SettingsFixture fx;
    KLX_XMLFileHandler* files = fx.db.KLX_DataBaseManagerXMLFileHandlerPtr();
    const QString folder = KLX_FileNameHandler().KLX_FileNameHandlerGetModelFilePath(1, QString(), false);
    QVERIFY(SettingsFixture::Write(folder + "Glider.xml", "<modelfile version=\"1.0\"/>"));
    const QString backup = folder + "Backup/";
    QDir().mkpath(backup);
    // As this version stages a copy, and as earlier ones did.
    const QStringList staged{"Glider_101010_010221.xml.~vnAbCdEf", "Glider_101010_010221.xml.~vnXyZ012",
                             "Glider_101010_010221.xml.Qw3rTy"};
    QStringList kept;
    for (int i = 0; i < 35 + staged.size(); ++i) {
      const QString name = i < 35 ? QString("old%1.xml").arg(i) : staged.at(i - 35);
      QVERIFY(SettingsFixture::Write(backup + name, "x"));
      QFile f(backup + name);
      QVERIFY(f.open(QIODevice::ReadWrite));
      QVERIFY(f.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0)).addDays(i), QFileDevice::FileModificationTime));
      if (i >= 5 && i < 35) kept << name;
    }
    QString name = "Glider.xml";
    QCOMPARE(files->KLX_XMLFileHandlerWorkWithBackupFolder(folder, &name), 6);
    QStringList left = QDir(backup).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left.filter(QRegularExpression("^Glider_\\d{6}_\\d{6}\\.xml$")).size(), 1);
    left.removeAll(left.filter(QRegularExpression("^Glider_\\d{6}_\\d{6}\\.xml$")).value(0));
    kept.sort();
    QCOMPARE(left, kept);
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
    // A read of the same text adds none: the newest backup holds it.
    QCOMPARE(files->KLX_XMLFileHandlerReadModelFile("Glider.xml", "Glider", 1, QString()), int(KLX_Ok));
    QCOMPARE(QDir(backup).entryList({"Glider_*.xml"}).size(), 1);
    // Another text gets its own, numbered within the same second.
    QVERIFY(SettingsFixture::Write(folder + "Glider.xml", "<modelfile version=\"1.0\"><NAME/></modelfile>"));
    QCOMPARE(files->KLX_XMLFileHandlerReadModelFile("Glider.xml", "Glider", 1, QString()), int(KLX_Ok));
    QVERIFY(!QDir(backup).entryList({"Glider_*_(0).xml"}).isEmpty() ||
            QDir(backup).entryList({"Glider_*.xml"}).size() == 2);
    QCOMPARE(files->Model().KLX_XMLModelReads(), 2);
  }

  // A file that cannot be read is no backup: it is set aside once, under a
  // name that says so, and the good backups stay however often it fails.
  void anUnreadableModelFileIsSetAsideOnce() {
    SettingsFixture fx;
    KLX_XMLFileHandler* files = fx.db.KLX_DataBaseManagerXMLFileHandlerPtr();
    const QString folder = KLX_FileNameHandler().KLX_FileNameHandlerGetModelFilePath(1, QString(), false);
    const QString backup = folder + "Backup/";
    QDir().mkpath(backup);
    QStringList good;
    for (int i = 0; i < 30; ++i) {
      good << QString("Glider_1200%1_010124.xml").arg(i, 2, 10, QLatin1Char('0'));
      QVERIFY(SettingsFixture::Write(backup + good.last(), "good"));
    }
    QVERIFY(SettingsFixture::Write(folder + "Glider.xml", "<modelfile version=\"1.0\"><DATA>"));
    VornErrorWatch watch;
    watch.Expect({0x2150B, 0x3460D});
    for (int round = 0; round < 3; ++round)
      QCOMPARE(files->KLX_XMLFileHandlerReadModelFile("Glider.xml", "Glider", 1, QString()), int(KLX_Error));
    const QStringList aside = QDir(backup).entryList({"Glider_*_unreadable.xml"});
    QCOMPARE(aside.size(), 1);
    QCOMPARE(SettingsFixture::Read(backup + aside.first()), QByteArray("<modelfile version=\"1.0\"><DATA>"));
    for (const QString& name : good) QVERIFY(QFileInfo::exists(backup + name));
    QCOMPARE(QDir(backup).entryList(QDir::Files).size(), 31);
    QCOMPARE(watch.Codes().count(0x3460D), 1);
  }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_file.moc"
