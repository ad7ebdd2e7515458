// The GPS finder on the larger board, driven through the frames: the
// transmitter's position from the simulated GPS receiver on its serial
// line, the model's from its GPS sensor's frames through the transceiver.
#include "qml_frame/qml_frame_fixture.h"
#include "sim/csimgps.h"
#include "sim/csimmessageids.h"
#include "sim/csimsensors.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kFinder = QStringLiteral("qrc:/Frontend/QML/GPSFinder.qml");
constexpr int kGpsSensor = 20;
// Metres north of the transmitter as 1e-7 degree of latitude, on the
// finder's earth of 6371 km.
qint32 North(double metres) { return qint32(std::lround(metres / (6371000.0 * M_PI / 180.0) * 1e7)); }

struct Finder {
  QmlFrame f{g_app};
  Finder() {
    CSimGps::Solution s;
    s.utc = QDateTime(QDate(2026, 12, 7), QTime(21, 5, 9), Qt::UTC);
    s.heading = 27012345;
    f.Controllers().Gps().SetSolution(s);
    f.Controllers().Gps().SetSilent(false);
  }
  // The model's GPS sensor reports a position.
  void Model(qint32 longitude, qint32 latitude) {
    const int values[4] = {0, 0, 9, 0};
    f.Controllers().Send(CSimControllers::Transceiver, SimTransceiverSensorFrame,
                         CSimSensors::GpsFrame(kGpsSensor, 0, values, longitude, latitude));
  }
  void North(double metres) { Model(CSimGps::kCentreLongitude, CSimGps::kCentreLatitude + ::North(metres)); }
  QString Text(const char* name) { return f.Property(QString::fromLatin1(name), "text").toString(); }
  QStringList Rings() {
    QStringList out;
    for (int k = 4; k >= 1; --k) out << Text(qPrintable(QStringLiteral("gpsRing_%1").arg(k)));
    return out;
  }
};
}  // namespace

class TestGpsFinder : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  // The scale follows the model: set up at 100 m, kept at 70 m, set up anew
  // when it leaves the map (130 m) and when it comes much closer (50 m),
  // never for a model within 30 m.
  void mapScale() {
    Finder g;
    g.f.Errors().Expect(0x21604);  // the receiver's valid time sets the clock
    QVERIFY(g.f.StartAtHome());
    g.North(100);
    g.f.Call("", "openScreen", {kFinder, QVariant()});
    QVERIFY(g.f.WaitShown(kFinder));
    QTRY_COMPARE(g.Rings(), QStringList({"120m", "90m", "60m", "30m"}));
    QTRY_COMPARE(g.Text("gpsDistance"), QString("100.0m"));
    QCOMPARE(g.Text("gpsHeading"), QString("270\u00B0"));
    QCOMPARE(g.Text("gpsSatellites"), QString("9"));
    QCOMPARE(g.Text("gpsLatitude"), QString("N 51\u00B032'34''"));
    QCOMPARE(g.Text("gpsLongitude"), QString("E 9\u00B056'4''"));
    QVERIFY(QRegularExpression("^\\d\\d-\\d\\d-\\d{4}$").match(g.Text("gpsDate")).hasMatch());
    QQuickItem* mark = g.f.Item("gpsModelMark");
    QVERIFY(mark->isVisible());
    // North up, 100 m at 109.5 px / 120 m from the centre of the 219 px map.
    QTRY_COMPARE(qRound(mark->y() + mark->height() / 2), qRound(109.5 - 100 * 109.5 / 120));
    QCOMPARE(qRound(mark->x() + mark->width() / 2), 110);
    g.f.Settle();
    g.f.Grab("gps-finder-vorn.png");

    g.North(70);
    QTRY_COMPARE(g.Text("gpsDistance"), QString("70.0m"));
    QCOMPARE(g.Rings(), QStringList({"120m", "90m", "60m", "30m"}));
    // Between set-ups the map turns with the transmitter's heading.
    QTRY_COMPARE(qRound(g.f.Property("gpsMapRose", "rotation").toReal()), 90);
    g.North(130);
    QTRY_COMPARE(g.Rings(), QStringList({"156m", "117m", "78m", "39m"}));
    g.North(50);
    QTRY_COMPARE(g.Rings(), QStringList({"60m", "45m", "30m", "15m"}));
    g.North(20);
    QTRY_COMPARE(g.Text("gpsDistance"), QString("20.0m"));
    QCOMPARE(g.Rings(), QStringList({"60m", "45m", "30m", "15m"}));
  }

  void sideBoard_data() {
    QTest::addColumn<qint32>("latitude");
    QTest::addColumn<qint32>("longitude");
    QTest::addColumn<QString>("latitudeText");
    QTest::addColumn<QString>("longitudeText");
    // 32'59.70'' rounds to 33'0''; 59'59.80'' to the next degree.
    QTest::newRow("seconds carry") << 515499167 << 99345000 << "N 51\u00B033'0''" << "E 9\u00B056'4''";
    QTest::newRow("minutes carry") << 519999444 << -1234567 << "N 52\u00B00'0''" << "W 0\u00B07'24''";
    QTest::newRow("south") << -335420000 << 1512345678 << "S 33\u00B032'31''" << "E 151\u00B014'4''";
    QTest::newRow("longitude invalid") << 515420000 << 0x7FFFFFFF << "N 51\u00B032'31''" << "-";
  }
  // The model's coordinates as letter, degrees, minutes (') and seconds ('').
  void sideBoard() {
    QFETCH(qint32, latitude);
    QFETCH(qint32, longitude);
    QFETCH(QString, latitudeText);
    QFETCH(QString, longitudeText);
    Finder g;
    g.f.Errors().Expect(0x21604);
    QVERIFY(g.f.StartAtHome());
    g.f.Call("", "openScreen", {kFinder, QVariant()});
    QVERIFY(g.f.WaitShown(kFinder));
    g.Model(longitude, latitude);
    QTRY_COMPARE(g.Text("gpsLatitude"), latitudeText);
    QCOMPARE(g.Text("gpsLongitude"), longitudeText);
  }

  // Without a fix the transmitter mark blinks and no model mark is placed;
  // the map sets itself up with the first state after a fix.
  void noFixThenFix() {
    Finder g;
    g.f.Errors().Expect(0x21604);
    g.f.Controllers().Gps().SetNoFix(true);
    QVERIFY(g.f.StartAtHome());
    g.North(100);
    g.f.Call("", "openScreen", {kFinder, QVariant()});
    QVERIFY(g.f.WaitShown(kFinder));
    QQuickItem* tx = g.f.Item("gpsTransmitterMark");
    QTRY_VERIFY(tx->opacity() < 0.5);
    QTRY_VERIFY(tx->opacity() == 1.0);
    QCOMPARE(g.f.Item("gpsModelMark")->isVisible(), false);
    g.f.Settle();
    g.f.Grab("gps-finder-nofix-vorn.png");
    g.f.Controllers().Gps().SetNoFix(false);
    QTRY_VERIFY(g.f.Item("gpsModelMark")->isVisible());
    QCOMPARE(g.Rings(), QStringList({"120m", "90m", "60m", "30m"}));
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestGpsFinder test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_gps_finder.moc"
