// The desktop run's "Demo" plane is a model as the program itself makes
// one: functions and servos added through the screens' element tasks, named
// and given their sticks and trims, saved by the model-file writer. The
// file the simulator lays down on a fresh card is that file, and it loads
// into the transceiver with each servo under its function, the two aileron
// servos moving opposite ways over the whole travel.
#include <QFile>

#include "tasks_units/tasks_units_fixture.h"

using namespace units;

namespace {
struct Function {
  const char* name;
  int control;
  int trim;
  QList<int> servos;
};
// Stick mode 2: the right stick flies ailerons and elevator, the left one
// rudder and throttle; each trim sits beside its stick axis.
const QList<Function> kFunctions = {
    {"Aileron", VT::CONTROLID_Stick_STD_GUI, VT::CONTROLID_RE_TRD_GUI, {0, 1}},
    {"Elevator", VT::CONTROLID_Stick_STC_GUI, VT::CONTROLID_RE_TRC_GUI, {2}},
    {"Rudder", VT::CONTROLID_Stick_STB_GUI, VT::CONTROLID_RE_TRB_GUI, {3}},
    {"Throttle", VT::CONTROLID_Stick_STA_GUI, VT::CONTROLID_RE_TRA_GUI, {4}},
};
// Short enough for the servo monitor, which shows nine characters.
const char* const kServoNames[] = {"Aileron L", "Aileron R", "Elevator", "Rudder", "Throttle"};
using DV = KLX_DatabaseValues;
constexpr int W = AtomicDirSet;
constexpr int kVario = 17, kBattery = 16;

// The text of a model file up to the end of its data: the check value and
// the version after it change with every save.
QByteArray Data(const QByteArray& file) { return file.left(file.indexOf("</DATA>") + 7); }
}  // namespace

class DemoModelTest : public QObject {
  Q_OBJECT

 private slots:
  void demoIsAModelTheProgramBuilds() {
    UnitRig r;
    QVERIFY(r.Up());
    VornErrorWatch errors;
    errors.Expect({kRuntimeStarted, kRuntimeStopped});
    KLX_DataBaseManager& db = r.Db();
    // A new plane, as the model management makes one: both sides start
    // empty (the saver may write, as after any start).
    db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(true, AtomicDirSet);
    QVERIFY(r.Do(VT::KLX_TASK_MOD_NEW, KLX_DatabaseValues::MODEL_TYP_Plane, VT::KLX_TASK_PARA_NONE,
                 VT::KLX_TASK_PARA_NONE, "Demo", ""));
    QCOMPARE(r.End(), kDone);
    for (const Function& f : kFunctions) {
      QVERIFY(r.Do(VT::KLX_TASK_LOAD_UNIT, VT::KLX_TASK_PARA_MODEL_Function, 0, kNew));
      QCOMPARE(r.End(), kDone);
      const int index = r.link.runtime.KLX_RuntimeDatabaseGetUnitNewIndex(VT::KLX_TASK_PARA_MODEL_Function);
      QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Name(index, f.name, AtomicDirSet), QString(f.name));
      QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Control(index, f.control, AtomicDirSet, true), f.control);
      QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_Trim_Control(index, f.trim, AtomicDirSet, true), f.trim);
      for (int servo : f.servos) {
        QVERIFY(r.Do(VT::KLX_TASK_LOAD_UNIT, VT::KLX_TASK_PARA_MODEL_ServoConfig, servo, index));
        QCOMPARE(r.End(), kDone);
        db.KLX_DataBaseManagerServoConfigGetSet_Name(servo, kServoNames[servo], AtomicDirSet);
        // A first flight's travel: full stick moves the servo its whole way.
        QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMin(servo, 0, -100, W, true), -100);
        QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMax(servo, 0, 100, W, true), 100);
      }
    }
    // The right aileron's servo sits mirrored in the wing: the two move
    // opposite ways.
    QCOMPARE(db.KLX_DataBaseManagerServoMixerReverse(1, 0), int(KLX_Ok));
    // Switch A up runs the flight timer, down stops it: two virtual
    // switches on it, the second inverted.
    int switches[2];
    const char* const kSwitchNames[] = {"Timer run", "Timer stop"};
    for (int k = 0; k < 2; ++k) {
      QVERIFY(r.Do(VT::KLX_TASK_LOAD_UNIT, VT::KLX_TASK_PARA_MODEL_VirtSwitch, 0, kNew));
      QCOMPARE(r.End(), kDone);
      const int vs = switches[k] = r.link.runtime.KLX_RuntimeDatabaseGetUnitNewIndex(VT::KLX_TASK_PARA_MODEL_VirtSwitch);
      db.KLX_DataBaseManagerSwitchGetSet_Name(vs, kSwitchNames[k], W);
      QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(vs, 0, VT::CONTROLID_SW_A_GUI, W, true),
               int(VT::CONTROLID_SW_A_GUI));
      db.KLX_DataBaseManagerSwitchGetSet_SwitchIsInverted(vs, 0, k, W, true);
    }
    // A flight timer counting up to ten minutes, kept across switch-offs.
    db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, W);
    db.KLX_DataBaseManagerTimerGetSet_Name(0, "Flight", W);
    db.KLX_DataBaseManagerTimerGetSet_StopTimeMinute(0, 10, W);
    db.KLX_DataBaseManagerTimerGetSet_LastValueKeep(0, 1, W);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw(0, switches[0], W), switches[0]);
    QCOMPARE(db.KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw(0, switches[1], W), switches[1]);
    // The first telemetry page: the vario's climb (speaking and beeping
    // above 5.0 m/s), the battery's voltage and the flight timer.
    // A value widget at a drop cell (x, y) of the given size showing a
    // sensor's first value; nothing stands under the trim bars.
    const auto valueWidget = [&](int x, int y, int size, int address, const char* sensor, const char* value) {
      const int widget = db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(0, x, y, size);
      if (widget < 0 || db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(0, widget, address) != 0 ||
          db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(0, widget, 0, address, 0) != 0)
        return -1;
      db.KLX_DataBaseManagerGUITelemetrieGetSet_SensorName(0, widget, 0, sensor, W);
      db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_SlaveName(0, widget, 0, 0, value, W);
      return widget;
    };
    const int climb = valueWidget(5, 20, 2, kVario, "Vario", "Climb");
    QCOMPARE(climb, 0);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAbove(0, climb, 0, 0, 50, W);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveType(
        0, climb, 0, 0, DV::KLX_WIDGET_ALARM_TYP_SOUND | DV::KLX_WIDGET_ALARM_TYP_VOICE, W);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_RedAlertAboveText(0, climb, 0, 0, "Climbing too fast", W);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Slave_AlertSignalType(0, climb, 0, 0,
                                                                   DV::KLX_WIDGET_ALARM_SIGNAL_TYP_PERMANENT, W);
    QCOMPARE(valueWidget(265, 20, 1, kBattery, "Battery", "Voltage"), 1);
    const int timer = db.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(0, 265, 85, 1, 0);
    QCOMPARE(timer, 2);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(0, timer, 0, 1, W);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(0, timer, 0, 0, 1, W);
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(0, timer, 0, 0, 0, W);
    // Telemetry alarms, warnings and status alarms speak with the card's
    // first English voice (a new model speaks none).
    for (int kind : {-1, -2, -3})
      QVERIFY(db.KLX_DataBaseManagerVAlarmSetVoiceTextParams(kind, "British English", "Emma") > KLX_Error);
    db.KLX_DataBaseManagerModelmetadataGetSet_Modelinfo(QStringLiteral("A plane to try the transmitter with"),
                                                        AtomicDirSet);
    QVERIFY(r.Flushed());
    QCOMPARE(r.sim.TransceiverController().HeldChecksum(), db.KLX_DataBaseManagerCalculateModelCRC(false));
    QCOMPARE(r.files.KLX_XMLFileHandlerWriteModelFile("Demo.xml", "Demo", KLX_DatabaseValues::MODEL_TYP_Plane,
                                                      QString()),
             int(KLX_Ok));

    QFile built(KLX_FileNameHandler().KLX_FileNameHandlerGetModelFilePath(KLX_DatabaseValues::MODEL_TYP_Plane,
                                                                         QString(), false) +
                "Demo.xml");
    QVERIFY(built.open(QIODevice::ReadOnly));
    const QByteArray text = built.readAll();
    QFile demo(QStringLiteral(":/factory/Demo.xml"));
    QVERIFY(demo.open(QIODevice::ReadOnly));
    if (Data(demo.readAll()) != Data(text)) {
      // The file to take as the simulator's demo model.
      const QString kept = QDir(qEnvironmentVariable("VORN_TEST_TMP", QDir::tempPath())).filePath("Demo.xml");
      QDir().mkpath(QFileInfo(kept).absolutePath());
      QFile out(kept);
      QVERIFY(out.open(QIODevice::WriteOnly) && out.write(text) == text.size());
      QFAIL(qPrintable("sim/factory/Demo.xml is not the model the program builds; the program's file is " + kept));
    }

    // Loaded as the desktop's first start loads it (after the new model's own
    // start and end at the controller).
    db.KLX_DataBaseManagerResetAllModelData();
    r.Mark();
    r.QueueLoad("Demo");
    QTRY_VERIFY_WITH_TIMEOUT(r.sim.TransceiverController().Seen().loadsEnded == 2, TaskRig::kHangMs);
    QVERIFY(r.Idle());
    QCOMPARE(r.sim.TransceiverController().HeldChecksum(), db.KLX_DataBaseManagerCalculateModelCRC(false));
    KLX_SerFuncMatrix matrix;
    for (int servo = 0; servo < 5; ++servo) {
      const int function = servo < 2 ? 0 : servo - 1;
      QCOMPARE(matrix.KLX_SerFuncMatrixServoAlreadyInFunction(function, servo, &db), 1);
      QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_Name(servo, QString(), AtomicDirGet), QString(kServoNames[servo]));
      const int way = servo == 1 ? -100 : 100;
      QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMin(servo, 0, 0, AtomicDirGet, false), -way);
      QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelMax(servo, 0, 0, AtomicDirGet, false), way);
    }
  }
};

QTEST_GUILESS_MAIN(DemoModelTest)
#include "tst_demomodel.moc"
