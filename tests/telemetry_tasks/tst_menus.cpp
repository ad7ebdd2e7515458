// A sensor's own menus and its address as the screens change them, against
// the simulated sensors behind the transceiver: the exact sensor-bus
// commands (with the user's language and measure system), what the sensor
// table keeps, what the screen hears, and a sensor moved to a new address
// with every widget that shows it.
#include "telemetry_tasks/telemetry_tasks_fixture.h"

namespace {
using namespace units;
constexpr int kBattery = 16, kVario = 17, kMoved = 201;
constexpr int kToggle = VT::KLX_TASK_PARA_MENU_DATA_TOGGLE, kValue = VT::KLX_TASK_PARA_MENU_DATA_VAL;
constexpr int kReset = VT::KLX_TASK_PARA_RESET_KL2_ADRESS;
constexpr int kGet = AtomicDirGet;
constexpr unsigned kNotToggle = 0x24203, kIsToggle = 0x24204, kBadKind = 0x24206, kOtherSensor = 0x24207;
constexpr unsigned kNoAddress = 0x24303;

// The default sensors of the desktop run, captured; the user's units.
bool Captured(SensorRig& r, const char* language, int measure) {
  if (!r.Up()) return false;
  r.Sensors().AddDefaultSet();
  r.Units(language, measure);
  return r.Db().KLX_DataBaseManagerRescanTelemetry() == KLX_Ok && r.Until([&] { return !r.rescans.isEmpty(); }) &&
         r.Idle();
}

// The vario's menus read the way the menu screen reads them.
bool MenusRead(SensorRig& r) { return r.Request(VT::KLX_TASK_CAPTURE_MENU_INFO, {kVario, 0, 0, 0, 0, 0}) && r.End() == kDone; }

QStringList Entries(SensorRig& r, int sensor, int menu, int count, bool values) {
  QStringList out;
  for (int item = 0; item < count; ++item)
    out << (values ? r.Db().KLX_DataBaseManagerTelemetrieGuiGetMenueValue(sensor, menu, item)
                   : r.Db().KLX_DataBaseManagerTelemetrieGuiGetMenueLabel(sensor, menu, item));
  return out;
}

// The commands of one read of the vario's 7 entries (two menus of 3 and 2 items).
QStringList Read(int command, int flags) {
  QStringList out;
  for (int address : {0x00, 0x01, 0x02, 0x03, 0x10, 0x11, 0x12})
    out << QStringLiteral("%1 11 %2 %3 00").arg(command, 2, 16).arg(address, 2, 16, QChar('0')).arg(flags, 2, 16);
  return out;
}
}  // namespace

class MenusTest : public QObject {
  Q_OBJECT
 private slots:
  void aSensorsMenusAreReadInTheUsersUnits() {
    SensorRig r;
    QVERIFY(Captured(r, "de", 1));
    r.Mark();
    QVERIFY(MenusRead(r));
    QCOMPARE(r.Received(SimSensorBusCommand), QStringList{"31 11 00 e2 00"} + Read(0x41, 0xE2) + Read(0x51, 0xE2));
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetMenueDepth(kVario, 0), 4);
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetMenueDepth(kVario, 1), 3);
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetMenueIsUsed(kVario, 2), 0);
    QCOMPARE(Entries(r, kVario, 0, 4, false),
             (QStringList{"Vario", "Empfindlichkeit", QString::fromLatin1("H\xF6henlimit"), "Ton"}));
    QCOMPARE(Entries(r, kVario, 0, 4, true), (QStringList{"", "5", "394 ft", "Ein"}));
    QCOMPARE(Entries(r, kVario, 1, 3, false),
             (QStringList{"Steigen", "Steigen", QString::fromLatin1("H\xF6he nullen")}));
    QCOMPARE(Entries(r, kVario, 1, 3, true), (QStringList{"", "0.0 ft/s", ""}));
    // Step, toggle, display, continuous of each item.
    const auto flags = [&](int menu, int item) {
      return QList<int>{r.Db().KLX_DataBaseManagerTelemetrieGetMenueMaxSteps(kVario, menu, item),
                        r.Db().KLX_DataBaseManagerTelemetrieGetMenueToggle(kVario, menu, item),
                        r.Db().KLX_DataBaseManagerTelemetrieGetMenueDisplay(kVario, menu, item),
                        r.Db().KLX_DataBaseManagerTelemetrieGetMenueContinuous(kVario, menu, item)};
    };
    QCOMPARE(flags(0, 1), (QList<int>{1, 0, 0, 0}));
    QCOMPARE(flags(0, 2), (QList<int>{100, 0, 0, 0}));
    QCOMPARE(flags(0, 3), (QList<int>{1, 1, 0, 0}));
    QCOMPARE(flags(1, 1), (QList<int>{1, 0, 1, 1}));
    // A menu read ends the automatic rescans, which would clear it.
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetSet_AutoRescanAllowed(0, kGet), 0);

    // Read again: only the values.
    r.Mark();
    QVERIFY(MenusRead(r));
    QCOMPARE(r.Received(SimSensorBusCommand), Read(0x51, 0xE2));
  }

  void anItemIsSteppedOrToggled_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("measure");
    QTest::addColumn<QList<int>>("request");  // item, step, direction, kind
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("held");
    QTest::newRow("up by 100, German, imperial") << "de" << 1 << QList<int>{2, 100, 1, kValue} << "51 11 02 e3 64"
                                                 << "722 ft" << 220;
    QTest::newRow("down by 10, English, metric") << "en" << 0 << QList<int>{2, 10, 0, kValue} << "51 11 02 e4 0a"
                                                 << "110 m" << 110;
    QTest::newRow("below its least value") << "en" << 0 << QList<int>{1, 10, 0, kValue} << "51 11 01 e4 0a" << "1" << 1;
    QTest::newRow("toggled off") << "en" << 0 << QList<int>{3, 1, 1, kToggle} << "51 11 03 e5 01" << "" << 0;
  }
  void anItemIsSteppedOrToggled() {
    QFETCH(QString, language);
    QFETCH(int, measure);
    QFETCH(QList<int>, request);
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(int, held);
    SensorRig r;
    QVERIFY(Captured(r, qPrintable(language), measure));
    QVERIFY(MenusRead(r));
    r.Mark();
    const int item = request[0];
    QVERIFY(r.Request(VT::KLX_TASK_SET_MENU_DATA, {kVario, 0, item, request[1], request[2], request[3]}));
    QCOMPARE(r.End(), kDone);
    QCOMPARE(r.Received(SimSensorBusCommand), QStringList{command});
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGuiGetMenueValue(kVario, 0, item), text);
    QCOMPARE(r.Sensors().MenuValue(kVario, 0, item), held);
    QCOMPARE(r.setDone, QList<int>{0});
  }

  void changesThatAreNotMade_data() {
    QTest::addColumn<bool>("read");
    QTest::addColumn<QList<int>>("request");  // item, kind
    QTest::addColumn<int>("heard");
    QTest::addColumn<QList<unsigned>>("codes");
    QTest::newRow("menus not read yet") << false << QList<int>{2, kValue} << kDone << QList<unsigned>{};
    QTest::newRow("a menu's head entry") << true << QList<int>{0, kValue} << kDone << QList<unsigned>{};
    QTest::newRow("toggling a value") << true << QList<int>{2, kToggle} << kError << QList<unsigned>{kNotToggle};
    QTest::newRow("stepping a toggle") << true << QList<int>{3, kValue} << kError << QList<unsigned>{kIsToggle};
    QTest::newRow("neither") << true << QList<int>{2, 99} << kError << QList<unsigned>{kBadKind};
  }
  void changesThatAreNotMade() {
    QFETCH(bool, read);
    QFETCH(QList<int>, request);
    QFETCH(int, heard);
    QFETCH(QList<unsigned>, codes);
    SensorRig r;
    QVERIFY(Captured(r, "en", 0));
    if (read) QVERIFY(MenusRead(r));
    VornErrorWatch errors;
    errors.Expect({kNotToggle, kIsToggle, kBadKind});
    r.Mark();
    QVERIFY(r.Request(VT::KLX_TASK_SET_MENU_DATA, {kVario, 0, request[0], 1, 1, request[1]}));
    QCOMPARE(r.End(), heard);
    QCOMPARE(r.Received(SimSensorBusCommand), QStringList());
    QCOMPARE(errors.TakeCodes(), codes);
    QCOMPARE(r.setDone, QList<int>());
  }

  void aChangeTheSensorDoesNotConfirm_data() {
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("ownAnswerLater");
    QTest::addColumn<int>("heard");
    QTest::addColumn<QString>("text");
    QTest::newRow("no answer: time-out") << true << false << kTimeout << "120 m";
    QTest::newRow("another sensor answers: time-out") << false << false << kTimeout << "120 m";
    QTest::newRow("another sensor, then its own") << false << true << kDone << "125 m";
  }
  void aChangeTheSensorDoesNotConfirm() {
    QFETCH(bool, silent);
    QFETCH(bool, ownAnswerLater);
    QFETCH(int, heard);
    QFETCH(QString, text);
    SensorRig r;
    QVERIFY(Captured(r, "en", 0));
    QVERIFY(MenusRead(r));
    VornErrorWatch errors;
    errors.Expect(kOtherSensor);
    if (silent)
      r.sim.TransceiverController().Answers().Set(CSimTransceiver::KeySensorCommand, {0, true, false, 1});
    else
      r.Sensors().SetAnswerAddress(kVario, kBattery);
    QVERIFY(r.Request(VT::KLX_TASK_SET_MENU_DATA, {kVario, 0, 2, 1, 1, kValue}));
    QVERIFY(r.Passes(20));
    QCOMPARE(errors.TakeCodes(), silent ? QList<unsigned>() : QList<unsigned>{kOtherSensor});
    if (ownAnswerLater) {
      QByteArray own = QByteArray::fromHex("11050200");
      own.append(QByteArray("125 m").leftJustified(16, '\0'));
      r.sim.Send(CSimControllers::Transceiver, SimTransceiverSensorFrame, own);
    }
    QCOMPARE(r.End(), heard);
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGuiGetMenueValue(kVario, 0, 2), text);
    QCOMPARE(r.setDone, ownAnswerLater ? QList<int>{0} : QList<int>());
  }

  void continuousItemsArePolledWhileTheMenuIsOpen() {
    SensorRig r;
    QVERIFY(Captured(r, "en", 0));
    QVERIFY(r.Request(VT::KLX_TASK_CAPTURE_MENU_INFO, {kBattery, 0, 0, 0, 0, 0}) && r.End() == kDone);
    r.Mark();
    r.runtime.KLX_RuntimeDatabaseManagerGetSetMenuSensor(kBattery, AtomicDirSet);
    r.runtime.KLX_RuntimeDatabaseManagerGetSetMenuIndex(0, AtomicDirSet);
    // What entering the menu does.
    r.runtime.KLX_RuntimeDatabaseManagerGetSetLeaveMenu(0, AtomicDirSet);
    QCOMPARE(r.Db().KLX_DataBaseManagerCaptureMenuContinious(), int(KLX_Ok));
    // Item 4, the voltage, is the menu's only continuous item: asked once a second.
    QVERIFY(r.Until([&] { return r.Received(SimSensorBusCommand).size() == 3; }, 400));
    QCOMPARE(r.Received(SimSensorBusCommand), (QStringList{"51 10 04 e4 00", "51 10 04 e4 00", "51 10 04 e4 00"}));
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGuiGetMenueValue(kBattery, 0, 4), QString("12.60 V"));
    r.runtime.KLX_RuntimeDatabaseManagerGetSetLeaveMenu(1, AtomicDirSet);
    QVERIFY(r.Idle());
    QVERIFY(r.Passes(300));
    QVERIFY(r.Received(SimSensorBusCommand).size() <= 4);
    QCOMPARE(r.Vorn().KLX_VornHandlerEngine().KLX_ProcessVornCurrentTask(), 0);
  }

  void aSensorMovesWithEveryWidgetThatShowsIt() {
    SensorRig r;
    QVERIFY(r.Up());
    r.Sensors().AddDefaultSet();
    r.Sensors().Add(200, "Other");
    r.Units("en", 0);
    QVERIFY(r.Db().KLX_DataBaseManagerRescanTelemetry() == KLX_Ok && r.Until([&] { return !r.rescans.isEmpty(); }));
    QVERIFY(r.Idle());
    KLX_DataBaseManager& db = r.Db();
    // Pages 0 and 3 show the battery, page 1 the vario.
    for (int page : {0, 3, 1}) {
      const int element = db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(page, 10, 10, 1);
      const int address = page == 1 ? kVario : kBattery;
      const int sensor = db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(page, element, address);
      QCOMPARE(db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(page, element, sensor, address, 0), 0);
    }
    const auto shown = [&] {
      return QList<int>{db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(0, 0, 0, 0, kGet),
                        db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(3, 0, 0, 0, kGet),
                        db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(1, 0, 0, 0, kGet)};
    };
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    r.Mark();

    // 200 is taken: the battery goes to 201.
    QVERIFY(r.Request(VT::KLX_TASK_SET_MENU_ADR, {kBattery, 17, 17, 17, 17, 17}));
    QCOMPARE(r.End(), kDone);
    QCOMPARE(r.Received(SimSensorBusCommand), QStringList{"61 10 00 e4 c9"});
    QCOMPARE(r.Sensors().Addresses(), (QList<int>{kVario, 18, 200, kMoved}));
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetSensorName(kMoved), QString("Battery"));
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetSlaveLabel(kMoved, 0), QString("Voltage"));
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetSensorIsUsed(kBattery), 0);
    QCOMPARE(shown(), (QList<int>{kMoved, kMoved, kVario}));
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());

    // Back to the factory address.
    r.Mark();
    QVERIFY(r.Request(VT::KLX_TASK_SET_MENU_ADR, {kMoved, kReset, 17, 17, 17, 17}));
    QCOMPARE(r.End(), kDone);
    QCOMPARE(r.Received(SimSensorBusCommand), QStringList{"61 c9 80 e4 00"});
    QCOMPARE(db.KLX_DataBaseManagerTelemetrieGetSensorName(kBattery), QString("Battery"));
    QCOMPARE(shown(), (QList<int>{kBattery, kBattery, kVario}));
  }

  void anAddressThatCannotBeGiven_data() {
    QTest::addColumn<bool>("allTaken");
    QTest::addColumn<int>("heard");
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("200 to 254 in use: nothing is sent") << true << kError << QStringList();
    QTest::newRow("the sensor keeps its address") << false << kDone << QStringList{"61 10 00 e4 c8"};
  }
  void anAddressThatCannotBeGiven() {
    QFETCH(bool, allTaken);
    QFETCH(int, heard);
    QFETCH(QStringList, commands);
    SensorRig r;
    QVERIFY(Captured(r, "en", 0));
    // A sensor the table does not know holds 200 on the bus.
    r.Sensors().Add(200, "Hidden");
    KLX_Telemetrie& t = r.Table();
    t.KLX_TelemetrieLock();
    for (int address = 200; allTaken && address <= 254; ++address)
      t.KLX_TelemetrieGetSet_SensorIsUsed(address, 1, AtomicDirSet);
    t.KLX_TelemetrieUnlock();
    r.Db().KLX_DataBaseManagerSetModelModifyFlag(false);
    VornErrorWatch errors;
    errors.Expect(kNoAddress);
    r.Mark();
    QVERIFY(r.Request(VT::KLX_TASK_SET_MENU_ADR, {kBattery, 17, 17, 17, 17, 17}));
    QCOMPARE(r.End(), heard);
    QCOMPARE(r.Received(SimSensorBusCommand), commands);
    QCOMPARE(errors.TakeCodes(), allTaken ? QList<unsigned>{kNoAddress} : QList<unsigned>());
    QCOMPARE(r.Db().KLX_DataBaseManagerTelemetrieGetSensorName(kBattery), QString("Battery"));
    QVERIFY(!r.Db().KLX_DataBaseManagerGetModelModifyFlag());
  }
};

QTEST_GUILESS_MAIN(MenusTest)
#include "tst_menus.moc"
