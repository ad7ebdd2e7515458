// The settings store behind the facade: clamps, the two controller
// messages, volumes handed on, the modify flag, language and clock.
#include "settings/settings_fixture.h"

#include <QJsonDocument>
#include <QJsonObject>

class TestSettingsStore : public QObject {
  Q_OBJECT

 private slots:
  void brightnessIsClampedAndSentAsMessage241() {
    SettingsFixture fx;
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemProperties_Brightness_Out(150, AtomicDirSet), 100);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent[0].id, 241);
    QCOMPARE(sent[0].node, 3);
    QCOMPARE(sent[0].data, QByteArray(1, char(100)));
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(0, AtomicDirSet), 1);
    // The time-out brightness keeps its default below its write range.
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemProperties_TimeoutBrigntness(0, AtomicDirGet), 10);
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemProperties_TimeoutBrigntness(10, AtomicDirSet), 40);
  }

  void frontSocketAsksTheControllerUntilItAnswers() {
    SettingsFixture fx;
    QCOMPARE(fx.db.KLX_DatabaseManagerGetSetFrontPlugMode(0, AtomicDirGet), int(KLX_MustPollAgain));
    QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent[0].id, 229);
    QCOMPARE(sent[0].data, QByteArray(2, '\0'));
    // A set asks for the clamped mode and leaves the store to the answer.
    QCOMPARE(fx.db.KLX_DatabaseManagerGetSetFrontPlugMode(7, AtomicDirSet), int(KLX_MustPollAgain));
    sent = fx.Sent();
    QCOMPARE(sent.value(0).data, QByteArray("\x01\x01", 2));
    fx.db.KLX_DatabaseManagerGetSetFrontPlugModeInSystemProp(1, 2);
    QCOMPARE(fx.db.KLX_DatabaseManagerGetSetFrontPlugMode(0, AtomicDirGet), 1);
    QVERIFY(fx.Sent().isEmpty());
    QCOMPARE(fx.db.KLX_DatabaseManagerGetSetFrontPlugMode(0, 2), int(KLX_Error));
  }

  void volumesKeepTheirControlAndReachTheAudioHandler() {
    SettingsFixture fx;
    KLX_AudioHandler* audio = fx.db.KLX_DatabaseManagerAudioHandlerPointer();
    auto& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTimer(55, AtomicDirSet), 55);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTimer(0, AtomicDirSet, true, 12), 55 + 12 * 256);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTimer(130, AtomicDirSet), 100 + 12 * 256);
    QCOMPARE(audio->KLX_AudioHandlerGetVolume(Volume_TimerBeeps), 100);
    QVERIFY(db.KLX_DataBaseManagerGetSystemModifyFlag());
    db.KLX_DataBaseManagerSetSystemModifyFlag(false);
    // A read tells the audio handler nothing and marks nothing.
    audio->KLX_AudioHandlerKeepTrimClickVolume(30);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlKeyTrims(0, AtomicDirGet), 100);
    QCOMPARE(audio->KLX_AudioHandlerGetVolume(Volume_TrimClicks), 30);
    QVERIFY(!db.KLX_DataBaseManagerGetSystemModifyFlag());
    QCOMPARE(db.get_Timer_Control_ID(), 12);
    QCOMPARE(db.SystemPropertiesGetSet_VolumeMaster(40, AtomicDirSet, false), 40);
    QCOMPARE(audio->KLX_AudioHandlerGetVolume(Volume_Master), 40);
    QVERIFY(!db.KLX_DataBaseManagerGetSystemModifyFlag());
    QSignalSpy masterControl(&db, SIGNAL(masterVolumeControlChanged(int)));
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_MasterVolumeCtl(70000, AtomicDirSet), 65535);
    QCOMPARE(masterControl.value(0).value(0).toInt(), 70000);
  }

  void writesMarkTheFileOnlyWithModify() {
    SettingsFixture fx;
    auto& db = fx.db;
    db.KLX_DataBaseManagerGetSetSystemProperties_Fallbacktime(3, AtomicDirSet, false);
    QVERIFY(!db.KLX_DataBaseManagerGetSystemModifyFlag());
    // Through QML, without the modify argument.
    QVERIFY(QMetaObject::invokeMethod(&db, "KLX_DataBaseManagerGetSetSystemProperties_Fallbacktime",
                                      Q_ARG(int, 4), Q_ARG(int, 0)));
    QVERIFY(db.KLX_DataBaseManagerGetSystemModifyFlag());
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemProperties_Fallbacktime(0, AtomicDirGet), 4);
    // Every real colour has its top bit set; it must still reach the file.
    db.KLX_DataBaseManagerSetSystemModifyFlag(false);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemProperties_DisplayColour(0xFF102030u, AtomicDirSet), 0xFF102030u);
    QVERIFY(db.KLX_DataBaseManagerGetSystemModifyFlag());
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemProperties_DisplayBorderColour(0xFFFFFFFFu, AtomicDirSet, false),
             0xFFFBFBFBu);
  }

  void simpleRulesOfTheStore() {
    SettingsFixture fx;
    auto& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled(5, AtomicDirSet), 0);
    QCOMPARE(db.KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled(5, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled(1, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_CountryCode(81, AtomicDirSet), 81);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_CountryCode(258, AtomicDirSet), 81);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_KeySound(0, AtomicDirGet), 100);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_KeySound(100, AtomicDirSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language("de-DE", AtomicDirSet), QString("de"));
    // A time offset no zone has is refused with the check on.
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(60, AtomicDirSet), 60);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(7, AtomicDirSet, false, true), 60);
  }

  void textsAreCutOnAWholeCharacter() {
    SettingsFixture fx;
    auto& db = fx.db;
    const QString ascii(60, QChar('a'));
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName(ascii, AtomicDirSet), QString(46, QChar('a')));
    // 45 ASCII bytes and a two-byte character: the character does not fit.
    const QString split = QString(45, QChar('a')) + QChar(0x00E4) + "b";
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName(split, AtomicDirSet), QString(45, QChar('a')));
    const QString fits = QString(44, QChar('a')) + QChar(0x00E4);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeZoneLocation(fits, AtomicDirSet), fits);
    // A scrambled login comes back scrambled anew and deciphers to the plain text.
    const QString first = db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLoginEncrptd(QString(), AtomicDirGet);
    QVERIFY(first.isEmpty());
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLogin("pilot", AtomicDirSet);
    // One random byte per scrambling: two may agree by chance, eight hardly.
    const QString a = db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLoginEncrptd(QString(), AtomicDirGet);
    QSet<QString> seen{a};
    for (int i = 0; i < 7; ++i)
      seen << db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLoginEncrptd(QString(), AtomicDirGet);
    QVERIFY(seen.size() > 1 && !a.isEmpty());
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLogin("", AtomicDirSet);
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLoginEncrptd(a, AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_PortalLogin(QString(), AtomicDirGet), QString("pilot"));
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserPassw(QString(), AtomicDirGet), QString());
  }

  void controlTableAndUserMenu() {
    SettingsFixture fx;
    auto& db = fx.db;
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerSystemPropertiesGet_ControlTypByControl(300), int(Unknown_Control));
    for (int i = 0; i < 176; ++i) QCOMPARE(db.KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlType(1000 + i, 2), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlType(5, 1), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlType(1003, 7), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManagerSystemPropertiesGet_ControlTypByControl(1003), 7);
    QCOMPARE(db.KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlTypByIndex(176, 1, 1), int(KLX_Error));
    QCOMPARE(watch.Codes(), QList<unsigned>{0x21303});

    QVERIFY(!db.ISUserMenuFull());
    for (int i = 0; i < 10; ++i) QVERIFY(db.SetUserMenuEntry(i + 1, QString("menu%1").arg(i)));
    QVERIFY(!db.SetUserMenuEntry(20, "late"));
    QVERIFY(db.ISUserMenuFull());
    QCOMPARE(db.GetUserMenuEntryType(9), QString("menu9"));
    QCOMPARE(db.GetUserMenuEntryType(10), QString());
    QCOMPARE(db.KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry(10, 0, QString(), AtomicDirGet), int(KLX_Error));
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x21303, 0x21305}));
  }

  void languageChange() {
    SettingsFixture fx;
    auto& db = fx.db;
    QSignalSpy changed(&KLXlanguageHandler, SIGNAL(KLX_LanguageHandlerLanguageChanged()));
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesChange_Language("en", true), 0);
    QCOMPARE(changed.count(), 0);
    QVERIFY(!db.KLX_DataBaseManagerGetSystemModifyFlag());
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesChange_Language("en", false), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesChange_Language("de", true), 1);
    QCOMPARE(KLXlanguageHandler.KLX_LanguageHandlerSelectedLanguage(), QString("de"));
    QCOMPARE(db.KLX_DataBaseManagerVoiceAlarmDecimalSeparator(), QChar(','));
    QVERIFY(db.KLX_DataBaseManagerGetSystemModifyFlag());
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesChange_Language("cn", false), 1);
    QCOMPARE(db.KLX_DataBaseManagerVoiceAlarmDecimalSeparator(), QChar('.'));
  }

  void clockGoesThroughTheCommandRunner() {
    SettingsFixture fx;
    auto& db = fx.db;
    QSignalSpy timeChanged(&db, SIGNAL(timeChanged()));
    VornErrorWatch watch;
    QDateTime dt(QDate(2024, 5, 7), QTime(9, 5, 3));
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DateTime(dt, AtomicDirSet, true), 0);
    QCOMPARE(timeChanged.count(), 1);
    QCOMPARE(fx.board.RecordedCommands(), (QStringList{"date 2024-5-7 9:5", "date +%r", "hwclock -w"}));
    QDateTime same(QDate(2024, 5, 7), QTime(9, 5, 3));
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DateTime(same, AtomicDirSet), 1);
    QCOMPARE(timeChanged.count(), 1);
    QDateTime bad;
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DateTime(bad, AtomicDirSet), int(KLX_Error));
    QCOMPARE(bad, QDateTime(QDate(2024, 5, 7), QTime(9, 5, 3)));

    // The GPS time plus the offset, with seconds; automatic date and time
    // clears the synchronised flag again.
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(120, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(1, AtomicDirSet);
    const int gps[6] = {2025, 12, 31, 23, 30, 15};
    db.KLX_DataBaseManagerGPSGetSet_Year(gps[0], 0);
    db.KLX_DataBaseManagerGPSGetSet_Month(gps[1], 0);
    db.KLX_DataBaseManagerGPSGetSet_Day(gps[2], 0);
    db.KLX_DataBaseManagerGPSGetSet_Hour(gps[3], 0);
    db.KLX_DataBaseManagerGPSGetSet_Minute(gps[4], 0);
    db.KLX_DataBaseManagerGPSGetSet_Second(gps[5], 0);
    db.KLX_DataBaseManagerSystemProperties_SynchronizeDateTime();
    QVERIFY(db.KLX_DataBaseManagerSystemProperties_IsDateTimeSync());
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGet_DateTime(), QDateTime(QDate(2026, 1, 1), QTime(1, 30, 15)));
    QCOMPARE(fx.board.RecordedCommands().mid(3), (QStringList{"date 2026-1-1 1:30:15", "date +%R", "hwclock -w"}));
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime(1, AtomicDirSet);
    QVERIFY(!db.KLX_DataBaseManagerSystemProperties_IsDateTimeSync());
    // Each setting of the clock is logged before and after.
    QCOMPARE(watch.TakeCodes(), QVector<unsigned>(4, 0x21604).toList());
  }

  // What the clock's tools answer is read: each failure is logged, and the
  // error log's last line says what became of the clock, never "changed"
  // after a failure to set it.
  void aClockThatIsNotSetIsLoggedSo_data() {
    QTest::addColumn<QString>("failing");  // the command the board answers with 1; empty: none
    QTest::addColumn<QString>("last");
    QTest::addColumn<QStringList>("warnings");
    QTest::newRow("all three done") << "" << "System time/date is changed!" << QStringList();
    QTest::newRow("the clock refused") << "date 2024-5-7 9:5"
                                       << "System time/date is not changed: date 2024-5-7 9:5 answered 1"
                                       << QStringList{"date 2024-5-7 9:5 answered 1"};
    QTest::newRow("the time not printed") << "date +%r" << "System time/date is changed!"
                                          << QStringList{"date +%r answered 1"};
    QTest::newRow("the hardware clock refused")
        << "hwclock" << "System time/date is changed, the hardware clock is not: hwclock -w answered 1"
        << QStringList{"hwclock -w answered 1"};
  }
  void aClockThatIsNotSetIsLoggedSo() {
    QFETCH(QString, failing);
    QFETCH(QString, last);
    QFETCH(QStringList, warnings);
    SettingsFixture fx;
    if (!failing.isEmpty())
      QVERIFY(fx.Write(fx.root.Path() + "/run/wlan/scenario.json",
                       QJsonDocument(QJsonObject{{"exit", QJsonObject{{failing, 1}}}}).toJson()));
    VornErrorWatch watch;
    VornTerminalLines lines;
    QDateTime dt(QDate(2024, 5, 7), QTime(9, 5, 3));
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DateTime(dt, AtomicDirSet, true), 0);
    QCOMPARE(fx.board.RecordedCommands(), (QStringList{"date 2024-5-7 9:5", "date +%r", "hwclock -w"}));
    QCOMPARE(watch.TakeReports(), (QList<QPair<unsigned, QString>>{{0x21604, "System time/date is changed!"}, {0x21604, last}}));
    QCOMPARE(lines.Terminal().filter(QRegularExpression("^(date|hwclock) .* answered ")), warnings);
  }

  void timeZoneTexts() {
    SettingsFixture fx;
    QList<CountryTZ_struct> list{CountryTZ_struct(), CountryTZ_struct()};
    list[0].Name = "Not specified";
    list[1].Name = "Canada";
    list[1].Abbr = "CA";
    list[1].CountryCodeQt = 38;
    Timezone_struct nf{"America", "St Johns", -210, -150};
    Timezone_struct paris{"Europe", "Paris", 60, 120};
    list[1].TimeZones = {nf, paris};
    auto& db = fx.db;
    db.KLX_DataBaseManagerSetCountryListPtr(&list);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGet_FullDescrInXMLList(1, 0), QString("CA, America, UTC-03:30"));
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGet_FullDescrInXMLList(1, 1), QString("CA, Europe, UTC+01:00"));
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DayLightSaving(1, AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGet_FullDescrInXMLList(1, 1), QString("CA, Europe, UTC+02:00 (DST)"));
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGet_FullDescrInXMLList(2, 0), QString());
    QCOMPARE(db.KLX_DataBaseManagerGetSystemPropertiesGet_ListIndexByCode(38), 1);
    QCOMPARE(db.KLX_DataBaseManagerGetSystemPropertiesGet_ListIndexByCode(258), int(KLX_Error));
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_CountryCode(38, AtomicDirSet);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGet_TimeZonesList(), QString("St Johns;-150\nParis;120\n"));
    // Summer time with the zone list applies the zone's offset and sets the clock.
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeZoneLocation("Paris", AtomicDirSet);
    VornErrorWatch watch;
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DayLightSaving(0, AtomicDirSet, true);
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(0, AtomicDirGet), 60);
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x21604, 0x21604}));
    db.KLX_DataBaseManagerSetCountryListPtr(nullptr);
  }

  void aCallAfterFreeFailsWithoutMakingAStore() {
    SettingsFixture fx;
    auto& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerStop(), int(KLX_Ok));
    db.KLX_DataBaseManagerFree();
    QCOMPARE(db.KLX_DataBaseManagerOwnedObjects(), 0);
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(3, AtomicDirSet), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerVornPropertiesGetModelName(), QString());
    QCOMPARE(db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(1, AtomicDirSet), int(KLX_Error));
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x203F1, 0x203F3, 0x203F2}));
    QCOMPARE(db.KLX_DataBaseManagerOwnedObjects(), 0);
    QVERIFY(!db.KLX_DataBaseManagerGetVornModifyFlag());
  }

  void versionsAndUpdateBookkeeping() {
    SettingsFixture fx;
    auto& db = fx.db;
    unsigned char major = 0, minor = 0;
    QVERIFY(db.KLX_DataBaseManagerVornLinuxAppGetVersion(&major, &minor));
    QCOMPARE(int(major) * 100 + minor, 390);
    QVERIFY(db.KLX_DataBaseManagerVornTransAppSetVersion(2, 7));
    QCOMPARE(db.KLX_DataBaseManagerVornTransAppGetVersion(), QString("2.7"));
    KLX_Version version;
    QVERIFY(!version.KLX_VersionSetVersionRaw(1, 1, 3));
    QCOMPARE(version.KLX_VersionGetVersionString(3), QString());
    for (int i = 0; i < 20; ++i)
      QCOMPARE(db.KLX_DataBaseManagerUpdate_Set_Device_Name(QString("D%1").arg(i)), QString("D%1").arg(i));
    QCOMPARE(db.KLX_DataBaseManagerUpdate_Set_Device_Name("D21"), QString());
    QCOMPARE(db.KLX_DataBaseManagerUpdate_Set_Device_Name("D3"), QString());
    QCOMPARE(db.KLX_DataBaseManagerUpdateGetSetDeviceFilenameFlag("D3", 0), 1);
    QCOMPARE(db.KLX_DataBaseManagerLinuxGetVersion(), QString("--.--"));
    QVERIFY(SettingsFixture::Write(KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/etc/version"), "4.12\nx\n"));
    Info::Instance().Init();
    QCOMPARE(db.KLX_DataBaseManagerLinuxGetVersion(), QString("4.12"));
  }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_store.moc"
