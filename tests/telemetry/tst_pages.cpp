// The telemetry display pages through the facade's doors, as QML, the alarm
// evaluation and the capture use them: widgets of every kind, the limits of
// every field, full pages, names and aliases a value takes from the sensor
// table, and the model-modified flag on every change the model file keeps.
#include <functional>

#include "vorn_fixture.h"

namespace {
constexpr int kSet = AtomicDirSet, kGet = AtomicDirGet;
constexpr unsigned kErrPage = 0x51C01, kErrElement = 0x51C02, kErrSensor = 0x51C03, kErrSlave = 0x51C04,
                   kErrFull = 0x51C05, kErrElementUnused = 0x51C06, kErrSensorUnused = 0x51C07, kErrSize = 0x51C08,
                   kErrAlert = 0x51C18;
using Call = std::function<int(KLX_DataBaseManager&)>;

// The sensor table's sensor at `address` as a capture leaves it.
void Sensor(KLX_DataBaseManager& db, int address, const char* name, int value, const char* label) {
  KLX_Telemetrie* t = db.KLX_DataBaseManagerGetTelemetrieObject();
  t->KLX_TelemetrieLock();
  t->KLX_TelemetrieGetSet_SensorIsUsed(address, 1, kSet);
  t->KLX_TelemetrieGetSet_SensorName(address, name, kSet);
  t->KLX_TelemetrieGetSet_Slave_IsUsed(address, value, 1, kSet);
  t->KLX_TelemetrieGetSet_Slave_SlaveLabel(address, value, label, kSet);
  t->KLX_TelemetrieUnlock();
}
}  // namespace

Q_DECLARE_METATYPE(Call)

class PagesTest : public QObject {
  Q_OBJECT
 private slots:
  void widgetsOfEveryKind_data() {
    QTest::addColumn<Call>("create");
    QTest::addColumn<QList<int>>("fields");  // kind, size, x, y, timer, servo, presentation
    QTest::addColumn<QStringList>("texts");  // entry, icon
    auto row = [](const char* name, Call create, QList<int> fields, QStringList texts = {"", ""}) {
      QTest::newRow(name) << create << fields << texts;
    };
    row("timer", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(3, 12, 20, 2, 5); },
        {1, 2, 12, 20, 5, 26, 1});
    row("servo, no servo yet", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieCreateNewServoWidgetOnPage(3, 600, 300, 1, -1); },
        {2, 1, 600, 300, 0, 65535, 1});
    row("quick link", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieCreateNewLinkWidgetOnPage(3, 0, 0, 4, "Servos", "servo.png"); },
        {3, 4, 0, 0, 0, 26, 1}, {"Servos", "servo.png"});
    row("value", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(3, 105, 65, 3); },
        {4, 3, 105, 65, 0, 26, 1});
    row("model info", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieCreateNewMInfoWidgetOnPage(3, 5, 5, 2, "notes.txt"); },
        {5, 2, 5, 5, 0, 26, 1});
    row("model image: always huge", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieCreateNewModelImageOnPage(3, 30, 40); },
        {6, 4, 30, 40, 0, 26, 1});
  }
  void widgetsOfEveryKind() {
    QFETCH(Call, create);
    QFETCH(QList<int>, fields);
    QFETCH(QStringList, texts);
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    auto& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetNumberPagesInUse(), 0);
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    QCOMPARE(create(db), 0);
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(3, 0, kGet), 1);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetNumberTelemetieElementsInUse(3), 1);
    QCOMPARE((QList<int>{db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Typ(3, 0, 0, kGet),
                         db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Size(3, 0, 0, kGet),
                         db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_XPos(3, 0, 0, kGet),
                         db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_YPos(3, 0, 0, kGet),
                         db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_TimerID(3, 0, 0, kGet),
                         db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_ServoID(3, 0, 0, kGet),
                         db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Presentation(3, 0, 0, kGet)}),
             fields);
    QCOMPARE((QStringList{db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_QuickLinkWidgetEntry(3, 0, "", kGet),
                          db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_QuickLinkWidgetIcon(3, 0, "", kGet)}),
             texts);
    // The next one takes the next element.
    QCOMPARE(create(db), 1);
  }

  void aSizeOutsideOneToFourMakesNothing_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("0") << 0;
    QTest::newRow("5") << 5;
    QTest::newRow("-1") << -1;
  }
  void aSizeOutsideOneToFourMakesNothing() {
    QFETCH(int, size);
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    auto& db = fx.db;
    VornErrorWatch errors;
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(1, 0, 0, size, 0), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewServoWidgetOnPage(1, 0, 0, size, 0), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewLinkWidgetOnPage(1, 0, 0, size, "a", "b"), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(1, 0, 0, size), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewMInfoWidgetOnPage(1, 0, 0, size, "f"), int(KLX_Error));
    QCOMPARE(errors.TakeCodes(), (QList<unsigned>{kErrSize, kErrSize, kErrSize, kErrSize, kErrSize}));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetNumberPagesInUse(), 0);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_IsUsed(1, 0, 0, kGet), 0);
  }

  void everyFieldIsKeptInItsLimits() {
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    auto& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(0, 600, 300, 1), 0);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(0, 0, 300), 0);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(0, 0, 0, 7, 3), 0);
    // A fresh value: no limit reached either way.
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelow(0, 0, 0, 0, 0, kGet), -32768);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAbove(0, 0, 0, 0, 0, kGet), 32767);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(0, 0, 0, 0, kGet), 300);
    struct Row {
      const char* field;
      std::function<int(int)> write;
      int value, stored;
    };
    const QList<Row> rows = {
        {"XPos", [&](int v) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_XPos(0, 0, v, kSet); }, 600, 470},
        {"YPos", [&](int v) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_YPos(0, 0, v, kSet); }, -5, 0},
        {"Size", [&](int v) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Size(0, 0, v, kSet); }, 9, 4},
        {"TimerID", [&](int v) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_TimerID(0, 0, v, kSet); }, 20, 15},
        {"ServoID", [&](int v) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_ServoID(0, 0, v, kSet); }, -1, 0},
        {"Typ", [&](int v) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Typ(0, 0, v, kSet); }, 7, 6},
        {"SensorMainAdress", [&](int v) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(0, 0, 0, v, kSet); }, 300, 254},
        {"SensorSlaveAdress", [&](int v) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(0, 0, 0, 0, v, kSet); }, 40, 31},
        {"SensorData", [&](int v) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorData(0, 0, 0, 0, v, kSet); }, 123456, 123456},
        {"RedAlertAbove", [&](int v) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(0, 0, 0, 0, v, kSet); }, 40000, 32767},
        {"YellowAlertBelow", [&](int v) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelow(0, 0, 0, 0, v, kSet); }, -40000, -32768},
        {"RedAlertBelowType", [&](int v) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertBelowType(0, 0, 0, 0, v, kSet); }, 99, 15},
        {"YellowAlertAboveState", [&](int v) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertAboveState(0, 0, 0, 0, v, kSet); }, 3, 1},
        {"AlertSignalType", [&](int v) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertSignalType(0, 0, 0, 0, v, kSet); }, 5, 2},
    };
    for (const Row& r : rows) QVERIFY2(r.write(r.value) == r.stored, r.field);
  }

  void fullPagesAndUnusedSlots() {
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    auto& db = fx.db;
    VornErrorWatch errors;
    for (int i = 0; i < 20; ++i) QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(9, 0, 0, 1), i);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(9, 0, 0, 1), int(Max_Gui_Elements_Reached));
    for (int i = 0; i < 32; ++i) QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(9, 4, i), i);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(9, 4, 40), int(Max_Gui_Sensors_Reached));
    for (int i = 0; i < 32; ++i) QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(9, 4, 31, 31, i), i);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(9, 4, 31, 31, 0), int(Max_Gui_Sensors_Reached));
    QCOMPARE(errors.TakeCodes(), (QList<unsigned>{kErrFull, kErrFull, kErrFull}));
    // A deleted widget frees its element and keeps the page.
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieDeleteElement(9, 4), int(KLX_Ok));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGet_SensorNameOrAlias(9, 4, 0), QString());
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(9, 4, 1), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(9, 0, 0, 1), 4);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(9, 4, 0, 1, 0), int(KLX_Error));
    QCOMPARE(errors.TakeCodes(), (QList<unsigned>{kErrElementUnused, kErrSensorUnused}));
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(9, 4, 0, 0, kGet), 0);
  }

  void presentationAndBlinkFlag() {
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    auto& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(0, 0, 0, 2), 0);
    const auto presentation = [&] { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Presentation(0, 0, 0, kGet); };
    db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(0, 0, 16);
    QCOMPARE(presentation(), int(TELEGUISIZE_Single));
    db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(0, 0, 17);
    QCOMPARE(presentation(), int(TELEGUISIZE_Multiple));
    db.KLX_DataBaseManagerGUITelemetrieDeleteSensor(0, 0, 1);
    QCOMPARE(presentation(), int(TELEGUISIZE_Single));
    const auto blink = [&](int value, int dir) {
      return db.KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(0, 0, 0, 5, value, dir);
    };
    QCOMPARE((QList<int>{blink(1, kSet), blink(2, kSet), blink(-1, kSet), blink(0, kGet), blink(0, kSet)}),
             (QList<int>{1, 3, 3, 3, 0}));
  }

  void aPlacedValueTakesItsNamesAndAliases() {
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    auto& db = fx.db;
    Sensor(db, 12, "Alti", 3, "Height");
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(2, 0, 0, 1), 0);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(2, 0, 12), 0);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(2, 0, 0, 12, 3), 0);
    const auto names = [&] {
      return QStringList{db.KLX_DataBaseManagerGUITelemetrieGetSet_SensorName(2, 0, 0, "", kGet),
                         db.KLX_DataBaseManagerGUITelemetrieGet_SensorNameOrAlias(2, 0, 0),
                         db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_SlaveName(2, 0, 0, 0, "", kGet),
                         db.KLX_DataBaseManagerGUITelemetrieGet_SlaveNameOrAlias(2, 0, 0, 0),
                         db.KLX_DataBaseManagerTelemetrieGetSetSensorAlias(12, "", kGet),
                         db.KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(12, 3, "", kGet)};
    };
    QCOMPARE(names(), (QStringList{"Alti", "Alti", "Height", "Height", "Alti", "Height"}));

    // The user's own aliases are what a later value gets.
    db.KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(12, 3, "Alt", kSet);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(2, 0, 0, 12, 3), 1);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieGet_SlaveNameOrAlias(2, 0, 0, 1), QString("Alt"));

    // Another sensor answers at 12 now: a refresh of the aliases alone keeps
    // the old names, a full one takes the new names and drops the old aliases.
    Sensor(db, 12, "Baro", 3, "Press");
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetryUpdateWidgetList(true), int(KLX_Ok));
    QCOMPARE(names(), (QStringList{"Alti", "Alti", "Height", "Alt", "Alti", "Alt"}));
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetryUpdateWidgetList(), int(KLX_Ok));
    QCOMPARE(names(), (QStringList{"Baro", "Baro", "Press", "Press", "Baro", "Press"}));
    // Nothing differs any more: the model is not marked again.
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetryUpdateWidgetList(), int(KLX_Ok));
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  void theModelIsMarkedForWhatItsFileKeeps_data() {
    QTest::addColumn<Call>("call");
    QTest::addColumn<bool>("marked");
    auto row = [](const char* name, Call call, bool marked) { QTest::newRow(name) << call << marked; };
    row("page in use", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(0, 1, kSet); }, true);
    row("x position", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_XPos(0, 0, 9, kSet); }, true);
    row("x position read", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_XPos(0, 0, 9, kGet); }, false);
    row("label", [](auto& db) { return int(db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_LabelText(0, 0, "L", kSet).size()); }, true);
    row("sensor address", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(0, 0, 0, 5, kSet); }, true);
    row("sensor name", [](auto& db) { return int(db.KLX_DataBaseManagerGUITelemetrieGetSet_SensorName(0, 0, 0, "N", kSet).size()); }, true);
    row("sensor alias", [](auto& db) { return int(db.KLX_DataBaseManagerGUITelemetrieGetSet_SensorAlias(0, 0, 0, "A", kSet).size()); }, false);
    row("red limit", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(0, 0, 0, 0, 50, kSet); }, true);
    row("red limit read", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(0, 0, 0, 0, 50, kGet); }, false);
    // The alarm pass sets a timer widget's red limit every tick: unchanged, the file is not written again.
    row("red limit as it is", [](auto& db) {
      return db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(
          0, 0, 0, 0, db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(0, 0, 0, 0, 0, kGet), kSet);
    }, false);
    // Where the alarm pass keeps a timer widget's red limit: no change of the pilot's.
    row("timer's red limit kept at its stop", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieKeep_TimerRedLimit(0, 0, 0, 0, 600); }, false);
    row("red state", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveState(0, 0, 0, 0, 1, kSet); }, false);
    row("alert kind", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertType(0, 0, 0, 0, 1, kSet); }, true);
    row("yellow sound", [](auto& db) { return int(db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_YellowAlertBelowSound(0, 0, 0, 0, "s", kSet).size()); }, true);
    row("value name", [](auto& db) { return int(db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_SlaveName(0, 0, 0, 0, "v", kSet).size()); }, true);
    row("value alias", [](auto& db) { return int(db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_SlaveAlias(0, 0, 0, 0, "v", kSet).size()); }, false);
    row("blink flag", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(0, 0, 0, 0, 1, kSet); }, false);
    row("value deleted", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieDeleteSlave(0, 0, 0, 0); }, true);
    row("refused creation", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(0, 7, 0, 1, 1); }, true);
    row("page count", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetNumberPagesInUse(); }, false);
    row("sensor moved", [](auto& db) { return db.KLX_DataBaseManagerTelemetrieMoveSensor(7, 9); }, true);
  }
  void theModelIsMarkedForWhatItsFileKeeps() {
    QFETCH(Call, call);
    QFETCH(bool, marked);
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    auto& db = fx.db;
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(0, 0, 0, 1), 0);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(0, 0, 7), 0);
    QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(0, 0, 0, 7, 0), 0);
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    VornErrorWatch errors;
    call(db);
    QCOMPARE(db.KLX_DataBaseManagerGetModelModifyFlag(), marked);
  }

  void aMovedSensorTakesItsWidgetsAlong() {
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    auto& db = fx.db;
    // Page 0: two widgets showing 7 and one showing 8; page 1 is not in use
    // but holds a sensor slot on 7; element 5 of page 0 is not in use either.
    for (int address : {7, 8, 7}) {
      const int element = db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(0, 0, 0, 1);
      db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(0, element, address);
    }
    db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(0, 2, 7);
    for (int page : {0, 1}) {
      db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(page, 5, 0, 1, kSet);
      db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(page, 5, 0, 7, kSet);
    }
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieMoveSensor(7, 9), int(KLX_Ok));
    const auto address = [&](int page, int element, int sensor) {
      return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(page, element, sensor, 0, kGet);
    };
    QCOMPARE((QList<int>{address(0, 0, 0), address(0, 1, 0), address(0, 2, 0), address(0, 2, 1), address(0, 5, 0),
                         address(1, 5, 0)}),
             (QList<int>{9, 8, 9, 9, 7, 7}));
  }

  void badIndices_data() {
    QTest::addColumn<Call>("call");
    QTest::addColumn<unsigned>("code");
    QTest::addColumn<int>("result");
    auto row = [](const char* name, Call call, unsigned code, int result) { QTest::newRow(name) << call << code << result; };
    row("page 10", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(10, 1, kSet); }, kErrPage, Indexes_Out_Of_Range);
    row("element count of page -1", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetNumberTelemetieElementsInUse(-1); }, kErrPage, KLX_Error);
    row("element 20", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_XPos(0, 20, 1, kGet); }, kErrElement, Indexes_Out_Of_Range);
    row("widget on page 10", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(10, 0, 0, 1); }, kErrElement, Indexes_Out_Of_Range);
    row("sensor 32", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(0, 0, 32, 1, kSet); }, kErrSensor, Indexes_Out_Of_Range);
    row("limit of value 32", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(0, 0, 0, 32, 1, kSet); }, kErrSensor, Indexes_Out_Of_Range);
    row("value index of value -1", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(0, 0, 0, -1, 1, kSet); }, kErrSlave, Indexes_Out_Of_Range);
    row("alert kind of value 32", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertType(0, 0, 0, 32, 1, kSet); }, kErrAlert, Indexes_Out_Of_Range);
    row("blink flag of page 11", [](auto& db) { return db.KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(11, 0, 0, 0, 1, kSet); }, kErrElement, 0);
    row("text of sensor 40", [](auto& db) { return int(db.KLX_DataBaseManagerGUITelemetrieGetSet_SensorName(0, 0, 40, "x", kSet).size()); }, kErrSensor, 0);
  }
  void badIndices() {
    QFETCH(Call, call);
    QFETCH(unsigned, code);
    QFETCH(int, result);
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    VornErrorWatch errors;
    QCOMPARE(call(fx.db), result);
    QCOMPARE(errors.TakeCodes(), QList<unsigned>{code});
    QCOMPARE(fx.db.KLX_DataBaseManagerGUITelemetrieGetNumberPagesInUse(), 0);
  }
};

QTEST_GUILESS_MAIN(PagesTest)
#include "tst_pages.moc"
