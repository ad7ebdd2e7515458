// The country and time-zone selector, opened from the system screen's
// location button: the built-in country list and the offset editor when the
// card carries no "Timezones.xml", a country's zones with their description
// when it does, and what "OK" stores before it goes back.
#include "qml_frame/qml_frame_fixture.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kSystem = QStringLiteral("qrc:/Frontend/QML/14_Settings_System.qml");
const QString kSelector = QStringLiteral("qrc:/Frontend/QML/CountrySelector.qml");
constexpr unsigned kClockChanged = 0x21604;
constexpr int kGermany = 82;  // in Qt's numbering of countries
}  // namespace

class TestCountrySelector : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

  // The selector as the user reaches it: system screen, location button.
  static bool OpenSelector(QmlFrame& f) {
    f.Errors().Expect(kClockChanged);
    f.Call("", "openScreen", {kSystem, QVariant()});
    if (!f.WaitShown(kSystem) || !f.Tap("location")) return false;
    return f.WaitShown(kSelector);
  }
  static QVariantList Rows(QmlFrame& f, const char* list) { return f.Property("countrySelector", list).toList(); }
  // A row of a list brought into view and touched.
  static bool TouchRow(QmlFrame& f, const QString& list, int index, const QString& row) {
    QMetaObject::invokeMethod(f.Named(list), "positionViewAtIndex", Q_ARG(int, index), Q_ARG(int, 1));  // Center
    QCoreApplication::processEvents();
    return f.Tap(row);
  }
  static int Offset(QmlFrame& f) {
    return f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(0, AtomicDirGet);
  }

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  // Without a time-zone file: 258 countries from "Not specified"; for it the
  // offset editor writes each step at once, and OK stores the country only.
  void withoutTimezoneFile() {
    QmlFrame f(g_app);
    QVERIFY(QFile::remove(f.Board().Root() + "/Vorn/System/Timezones.xml"));
    QVERIFY(f.StartAtHome());
    QVERIFY(OpenSelector(f));
    const QVariantList countries = Rows(f, "countries");
    QCOMPARE(countries.size(), 258);
    QCOMPARE(countries.first().toMap().value("name").toString(), QString("Not specified"));
    QCOMPARE(f.Property("zoneList", "visible").toBool(), false);
    QCOMPARE(f.Property("manualOffset", "visible").toBool(), true);
    QCOMPARE(f.Property("countryOk", "visible").toBool(), true);

    QVERIFY(f.Tap("offsetHours"));
    QCOMPARE(Offset(f), 60);
    QCOMPARE(f.Board().RecordedCommands().filter(QRegularExpression("^date \\d")).size(), 1);
    QVERIFY(f.Tap("offsetMinutes"));
    QCOMPARE(Offset(f), 90);
    QVERIFY(f.Tap("offsetSign"));
    QCOMPARE(Offset(f), -90);
    for (int hour = 2; hour <= 14; ++hour) QVERIFY(f.Tap("offsetHours"));
    QCOMPARE(Offset(f), -840);  // 14 hours: the minutes go to 0
    QVERIFY(f.Tap("offsetMinutes"));
    QCOMPARE(Offset(f), -840);
    QCOMPARE(f.Property("offsetMinutes", "gp_text").toString(), QString("00"));
    QVERIFY(f.Tap("offsetHours"));
    QCOMPARE(Offset(f), 0);
    QCOMPARE(f.Property("offsetSign", "gp_text").toString(), QString("-"));
    QVERIFY(f.Tap("offsetMinutes"));
    QCOMPARE(Offset(f), -30);
    f.Grab("country-selector-no-timezone-file.png");

    QVERIFY(f.Tap("countryOk"));
    QTRY_COMPARE(f.Shown(), kSystem);
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_CountryCode(0, AtomicDirGet), 0);
    QCOMPARE(Offset(f), -30);
    QCOMPARE(f.Property("locationText", "text").toString(), QString("UTC-00:30"));
  }

  // With the file: a country's zones, the chosen zone's description, and OK
  // storing country, offset and zone before going back.
  void zonesOfTheFile() {
    QmlFrame f(g_app);
    QVERIFY(f.StartAtHome());
    f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DayLightSaving(0, AtomicDirSet);
    QVERIFY(OpenSelector(f));
    const QVariantList countries = Rows(f, "countries");
    QCOMPARE(countries.size(), f.Db().KLX_SystemPropertiesGetSystemProperties_GetCountryCountInTZoneFile());
    int germany = -1;
    for (int i = 0; i < countries.size(); ++i)
      if (countries[i].toMap().value("code").toInt() == kGermany) germany = i;
    QVERIFY(germany > 0);
    QVERIFY(TouchRow(f, "countryList", germany, "country_" + QString::number(kGermany)));
    QCOMPARE(f.Property("countryOk", "visible").toBool(), false);
    int berlin = -1;
    const QVariantList zones = Rows(f, "zones");
    for (int i = 0; i < zones.size(); ++i)
      if (zones[i].toMap().value("name").toString() == "Berlin") berlin = i;
    QVERIFY(berlin >= 0);
    QCOMPARE(zones[berlin].toMap().value("offset").toInt(), 60);
    QVERIFY(TouchRow(f, "zoneList", berlin, "zone_" + QString::number(berlin)));
    QCOMPARE(f.Property("zoneDescription", "text").toString(), QString("DE, Europe, UTC+01:00"));
    f.Grab("country-selector-zones.png");

    QVERIFY(f.Tap("countryOk"));
    QTRY_COMPARE(f.Shown(), kSystem);
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_CountryCode(0, AtomicDirGet), kGermany);
    QCOMPARE(Offset(f), 60);
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeZoneLocation("", AtomicDirGet), QString("Berlin"));
    QCOMPARE(f.Property("locationText", "text").toString(), QString("Germany"));
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestCountrySelector test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_country.moc"
