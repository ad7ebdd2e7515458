// The head-up menu touched as a user touches it: items added with "+",
// their kind and value chosen, the rows shown on the glasses highlighted and
// following the window's index, an item deleted from a held row, the limit
// of 24 items, and the list kept over a save and a load.
#include "modelfile/klx_xmlmodel.h"
#include "qml_frame/qml_frame_fixture.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kMenu = QStringLiteral("qrc:/Frontend/QML/HeadupMenu.qml");
}  // namespace

class TestHeadupMenu : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

  static QStringList Values(QmlFrame& f) {
    QStringList values;
    for (int i = 0; f.Item("headupValue_" + QString::number(i)); ++i)
      values << f.Property("headupType_" + QString::number(i), "gp_text").toString() + " " +
                    f.Property("headupValue_" + QString::number(i), "gp_text").toString();
    return values;
  }
  static QList<bool> Shown(QmlFrame& f, int n) {
    QList<bool> shown;
    for (int i = 0; i < n; ++i) shown << f.Property("headupShown_" + QString::number(i), "visible").toBool();
    return shown;
  }
  // One entry of the open chooser touched (and "OK" when it asks for one).
  static bool Choose(QmlFrame& f, int value, bool ok) {
    if (!QTest::qWaitFor([&] { return f.Property("headupChooser", "visible").toBool(); }, kVornHangMs)) return false;
    // The entries of an earlier choice go first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    f.Settle();
    if (!f.Tap("choose_0_" + QString::number(value))) return false;
    if (ok && !f.Tap("chooserOk")) return false;
    return QTest::qWaitFor([&] { return !f.Property("headupChooser", "visible").toBool(); }, kVornHangMs);
  }

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  void editAndKeep_data() { BoardRows(); }
  void editAndKeep() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(1, 1, AtomicDirSet, false);
    db.KLX_DataBaseManagerServoConfigGetSet_Name(1, QStringLiteral("Elevator"), AtomicDirSet, false);
    db.KLX_DataBaseManagerRescanTelemetry();
    QTRY_COMPARE(db.KLX_DataBaseManagerTelemetrieGetSensorIsUsed(KLX_Telemetrie::kOwnSensor), 1);
    f.Call("", "openScreen", {kMenu, QVariant()});
    QVERIFY(f.WaitShown(kMenu));
    QCOMPARE(f.Property("headupHint", "visible").toBool(), true);
    QCOMPARE(f.Property("headupNext", "gp_text").toString(), QString("---"));

    for (int i = 0; i < 4; ++i) QVERIFY(f.Tap("headupAdd"));
    QTRY_COMPARE(Values(f), (QStringList{"Telemetry No data", "Telemetry No data", "Telemetry No data",
                                         "Telemetry No data"}));
    QCOMPARE(Shown(f, 4), (QList<bool>{true, true, true, false}));

    // The telemetry values offered are the ones the sensors use, each by
    // name: not the unused second halves of the transmitter's positions.
    QVERIFY(f.Tap("headupValue_0"));
    QTRY_VERIFY(f.Property("headupChooser", "visible").toBool());
    QStringList labels;
    for (const QVariant& e : f.Property("headupChooser", "lists").toList().value(0).toMap().value("entries").toList())
      labels << e.toMap().value("label").toString();
    const QString own = db.KLX_DataBaseManagerTelemetrieGetSensorNameOrAlias(KLX_Telemetrie::kOwnSensor);
    QCOMPARE(labels.filter(QRegularExpression("^" + own + " : (Longitude|Latitude)$")).size(),
             variant == CSimBoard::Vorn ? 2 : 0);
    QCOMPARE(labels.filter(QRegularExpression(" : $")), QStringList());
    f.Settle();
    f.Grab("headup-values-" + tag + ".png");
    QVERIFY(f.Tap("chooserCancel"));

    // Row 2 becomes a servo item showing servo 1.
    QVERIFY(f.Tap("headupType_1"));
    QVERIFY(Choose(f, HeadupType_Servo, true));
    QTRY_COMPARE(f.Property("headupValue_1", "gp_text").toString(), QString("No data"));
    QVERIFY(f.Tap("headupValue_1"));
    QVERIFY(Choose(f, 1, false));
    QTRY_COMPARE(f.Property("headupValue_1", "gp_text").toString(), QString("Elevator"));
    QCOMPARE(db.KLX_DatabaseMangerHeadupGetServoIndex(1), 1);
    // Row 3 a placeholder.
    QVERIFY(f.Tap("headupType_2"));
    QVERIFY(Choose(f, HeadupType_Placeholder, true));
    QTRY_COMPARE(Values(f), (QStringList{"Telemetry No data", "Servo Elevator", "Placeholder -", "Telemetry No data"}));

    // Touching row 3 makes it the first shown (with the two after it,
    // round the end); the highlight follows the window.
    QCOMPARE(db.KLX_GetHeadupIndex(), 2);
    QTRY_COMPARE(Shown(f, 4), (QList<bool>{true, false, true, true}));
    db.KLX_HeadupPtr()->IncrementIndex();
    QTRY_COMPARE(Shown(f, 4), (QList<bool>{true, true, false, true}));
    f.Settle();
    f.Grab("headup-menu-" + tag + ".png");

    // A held row offers its deletion.
    f.Hold(f.Centre(f.Item("headupValue_3")), 1000);
    QTRY_VERIFY(f.Property("headupOptions", "visible").toBool());
    QVERIFY(f.Tap("option_delete"));
    QTRY_COMPARE(Values(f), (QStringList{"Telemetry No data", "Servo Elevator", "Placeholder -"}));

    // Kept over a save and a load.
    KLX_XMLModel& model = db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model();
    const QString folder = KLX_FileNameHandler().KLX_FileNameHandlerGetModelFilePath(1, QString(), false);
    QDir().mkpath(folder);
    QCOMPARE(model.KLX_XMLModelWriteModelFile(folder + "Hud.xml", "Hud"), int(KLX_Ok));
    db.KLX_DataBaseManagerHeadupClearAll();
    QCOMPARE(model.KLX_XMLModelReadModelFile(folder + "Hud.xml", "Hud"), int(KLX_Ok));
    f.Call("", "openScreen", {kMenu, QVariant()});
    QVERIFY(f.WaitShown(kMenu));
    QTRY_COMPARE(Values(f), (QStringList{"Telemetry No data", "Servo Elevator", "Placeholder -"}));

    // The 25th item is refused with the message.
    while (db.KLX_DatabaseMangerHeadupGetItemCount() < 24) db.CreateHeadupItem(HeadupType_Placeholder);
    QVERIFY(f.Tap("headupAdd"));
    QTRY_COMPARE(f.PopupText(), QString("The maximum number of headup items has been reached."));
    f.Call("", "popupClose");
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestHeadupMenu test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_headup.moc"
