// Binding, calibration and the new model as the screens run them against
// the simulated controllers: the exact messages, what the screen hears at
// each step of the user's confirmations, and what the model and the
// controllers keep; and the picture a model screen assigns.
#include <QFile>

#include "model/klx_ccontrol.h"
#include "sim/csimcontrols.h"
#include "tasks_units/tasks_units_fixture.h"

Q_DECLARE_METATYPE(CSimAnswerKnobs)

namespace {
using namespace units;
constexpr int kWorking = VT::GUI_TASK_RESULT_Working;
constexpr int kTrigger = VT::GUI_TASK_RESULT_Trigger;
constexpr int kReTrigger = VT::GUI_TASK_RESULT_ReTrigger;
constexpr int kREdiv = 255;
constexpr unsigned kBindFailed = 0x22703;
constexpr unsigned kCalFailed = 0x23203;
constexpr unsigned kCalControl = 0x23206;
constexpr unsigned kNewFailed = 0x22F02;
constexpr unsigned kNewExists = 0x22F04;
constexpr unsigned kNewUnsave = 0x22F09;
constexpr unsigned kNoBindConfig = 0x42D05;
// The stick controller's calibration messages.
constexpr int kCalStart = 10, kCalCentre = 11, kCalCancel = 12, kCalEnd = 13;

// The messages of the given ids as words: the id, and the data in
// hexadecimal after a colon when there is any.
QString Words(const QList<CSimMessage>& messages, const QList<int>& ids) {
  QStringList words;
  for (const CSimMessage& m : messages)
    if (ids.contains(m.id) && m.id != SimLoader)
      words << QString::number(m.id) + (m.data.isEmpty() ? QString() : ":" + m.data.toHex());
    else if (ids.contains(m.id))
      words << "L" + m.data.mid(1, 1).toHex();
  return words.join(' ');
}

struct Screen {
  UnitRig r;
  VornErrorWatch errors;
  bool Up() {
    errors.Expect({kRuntimeStarted, kRuntimeStopped, kNoBindConfig});
    if (!r.Up() || !r.Loaded()) return false;
    errors.Clear();
    r.Mark();
    return true;
  }
  QString Sent(const QList<int>& ids) {
    if (!r.Flushed()) return QStringLiteral("(not flushed)");
    const QString words = Words(r.sim.ReceivedMessages().mid(r.mark), ids);
    r.Mark();
    return words;
  }
  // The failure codes reported, the runtime's own set aside.
  QList<unsigned> Failures() {
    QList<unsigned> out;
    for (unsigned code : errors.TakeCodes())
      if (VornErrorWatch::IsFailure(code) && code != kRuntimeStarted && code != kRuntimeStopped) out << code;
    return out;
  }
};

const QList<int> kBindIds{SimBindNewRequest, SimBindConfig, SimBindStart};
}  // namespace

class BindCalNewTest : public QObject {
  Q_OBJECT

 private slots:
  // A receiver bound into slot 2 of a model without a configuration, after
  // the screen's confirmations: a new configuration first, then the binding
  // start with the slot's mask bit and the 12 s window; the receiver
  // answers 3 s later. Then, per row, the screen's next request on the
  // model that now has it. An edit made before stays marked for saving.
  void binding_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("p2");
    QTest::addColumn<int>("p3");
    QTest::addColumn<CSimAnswerKnobs>("receiver");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<int>("mask");  // the model's receivers afterwards
    QTest::addColumn<QList<unsigned>>("codes");
    const CSimAnswerKnobs later{3000, false, false, 1};
    QTest::newRow("re-bind slot 2: no new configuration")
        << 2 << kNew << 0 << later << kDone << "179:ffffffff04e02e" << 4 << QList<unsigned>{};
    QTest::newRow("slot 0 beside it") << 0 << kNew << 0 << later << kDone << "179:ffffffff01e02e" << 5
                                      << QList<unsigned>{};
    QTest::newRow("the receiver never answers: time-out after 12 s")
        << 0 << kNew << 0 << CSimAnswerKnobs{0, true, false, 1} << kTimeout << "179:ffffffff01e02e" << 4
        << QList<unsigned>{kBindFailed};
    QTest::newRow("the controller reports a binding error")
        << 0 << kNew << 0 << CSimAnswerKnobs{0, false, true, 1} << kError << "179:ffffffff01e02e" << 4
        << QList<unsigned>{kBindFailed};
    QTest::newRow("delete the last receiver: the configuration goes")
        << 2 << kDelete << 0 << later << kDone << "177:CONFIG00" << 0 << QList<unsigned>{};
    QTest::newRow("delete with the R-Ediv slot: every receiver goes, an error")
        << kREdiv << kDelete << 0 << later << kError << "" << 0 << QList<unsigned>{};
    QTest::newRow("an R-Ediv 14 pair: its own new configuration")
        << kREdiv << kNew << 3 << later << kDone << "176:02 179:ffffffff00e02e" << 0 << QList<unsigned>{};
  }
  void binding() {
    QFETCH(int, slot);
    QFETCH(int, p2);
    QFETCH(int, p3);
    QFETCH(CSimAnswerKnobs, receiver);
    QFETCH(int, end);
    QFETCH(QString, sent);
    QFETCH(int, mask);
    QFETCH(QList<unsigned>, codes);
    Screen s;
    s.errors.Expect(kBindFailed);
    QVERIFY(s.Up());
    KLX_DataBaseManager& db = s.r.Db();
    CSimTransceiver& tc = s.r.sim.TransceiverController();
    QCOMPARE(db.KLX_DataBaseManagerReceiverGetSetBindConfig(0, AtomicDirGet), quint64(0));
    tc.Answers().Set(CSimTransceiver::KeyBindStart, {3000, false, false, 1});
    QVERIFY(s.r.Do(VT::KLX_TASK_BINDING, 2, kNew, 0));
    // The window is open; the receiver has not answered yet.
    QVERIFY(s.r.Run(2900));
    QCOMPARE(s.r.Heard(), QList<int>{kWorking});
    QCOMPARE(s.r.End(), kDone);
    QCOMPARE(s.Sent(kBindIds), QString("176 179:ffffffff04e02e"));
    const quint64 config = s.r.sim.State().bindConfig;
    QVERIFY(config != 0);
    QCOMPARE(db.KLX_DataBaseManagerReceiverGetSetBindConfig(0, AtomicDirGet), config);
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverMask(), 4);
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverSerialNumber(2), qint64(0x5A000004));
    QCOMPARE(db.KLX_DataBaseManagerGetMyReceiverType(2), qint64(0x0203));
    QCOMPARE(s.r.sim.State().receiverMask, 4);
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());

    db.KLX_DataBaseManagerSetModelModifyFlag(true);
    tc.Answers().Set(CSimTransceiver::KeyBindStart, receiver);
    QVERIFY(s.r.Do(VT::KLX_TASK_BINDING, slot, p2, p3));
    QCOMPARE(s.r.End(500), end);
    QString expected = sent;
    QByteArray le;
    for (int i = 0; i < 8; ++i) le.append(char((config >> (8 * i)) & 0xFF));
    expected.replace("CONFIG", QString(le.toHex()));
    QCOMPARE(s.Sent(kBindIds), expected);
    const QList<QPair<unsigned, QString>> reports = s.errors.Reports();
    QCOMPARE(s.Failures(), codes);
    if (end == kTimeout) QVERIFY(reports.contains({kBindFailed, "binding went wrong after retries"}));
    QCOMPARE(db.KLX_DataBaseManagerGetReceiverMask(), mask);
    if (p2 == kDelete && end == kDone) QCOMPARE(db.KLX_DataBaseManagerReceiverGetSetBindConfig(0, AtomicDirGet), 0ULL);
    if (slot == kREdiv && end == kDone)
      QCOMPARE(db.KLX_DataBaseManagerGetReceiverMode(), int(KLX_Receiver::RX_MODE_REDIV_14));
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  // One calibration with the stick controller as the user goes through it:
  // the screen asks (trigger) once the controller has started, asks again
  // (re-trigger) while the control has not reached both ends, and asks once
  // more when it has; the user confirms each step. A two-position switch
  // has no centre step. A report of the ends that the controller sent while
  // the user confirmed them, arriving after the program asked for the
  // centre, is stale and ends nothing.
  void calibration_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("lateEnds");
    QTest::addColumn<QString>("sent");
    QTest::newRow("stick A") << CSimControls::kStickA << int(VT::KLX_TASK_PARA_CONT_LINEAR) << false
                             << "10:00 11:00 13";
    QTest::newRow("switch C, two positions") << 770 << int(VT::KLX_TASK_PARA_CONT_2POL_SWITCH) << false << "10:0a 13";
    QTest::newRow("stick A, ends reported after Proceed")
        << CSimControls::kStickA << int(VT::KLX_TASK_PARA_CONT_LINEAR) << true << "10:00 11:00 13";
  }
  void calibration() {
    QFETCH(int, control);
    QFETCH(int, type);
    QFETCH(bool, lateEnds);
    QFETCH(QString, sent);
    Screen s;
    QVERIFY(s.Up());
    CSimControllers& sim = s.r.sim;
    const QList<int> ids{kCalStart, kCalCentre, kCalCancel, kCalEnd};
    QVERIFY(s.r.Do(VT::KLX_TASK_CALIBRATION, control, type, 0));
    QVERIFY(s.r.Hears(kTrigger));
    QCOMPARE(sim.StickController().Calibrating(), KLX_StickControlIndex(control));
    // To one end, then to the other.
    sim.SetControl(control, -2047);
    QVERIFY(s.r.Hears(kReTrigger));
    s.r.log->states.clear();
    sim.SetControl(control, 2047);
    QVERIFY(s.r.Hears(kTrigger));
    constexpr int kCentreAnswerMs = 100;
    if (lateEnds) sim.StickController().Answers().Set(kCalCentre, {kCentreAnswerMs});
    QVERIFY(s.r.Answer(VT::GUI_USER_Yes));
    if (type != VT::KLX_TASK_PARA_CONT_2POL_SWITCH) {
      QVERIFY(s.r.Flushed() && s.r.Run(UnitRig::kPass));
      if (lateEnds) {
        // The program waits for the centre answer when the ends report comes.
        QVERIFY(s.r.Flushed());
        QCOMPARE(sim.Received(kCalCentre), 1);
        constexpr int kEndsSeen = 5;
        sim.Send(CSimControllers::Stick, SimStickCalibrationStep,
                 QByteArray(1, char(KLX_StickControlIndex(control))).append(char(kEndsSeen)));
        QVERIFY(s.r.Flushed() && s.r.Run(UnitRig::kPass) && s.r.Steps({kCentreAnswerMs}));
      }
      s.r.log->states.clear();
      sim.SetControl(control, 600);
      QVERIFY(s.r.Hears(kReTrigger));
      s.r.log->states.clear();
      sim.SetControl(control, 0);
      QVERIFY(s.r.Hears(kTrigger));
      QVERIFY(s.r.Answer(VT::GUI_USER_Yes));
    }
    QCOMPARE(s.r.End(), kDone);
    QCOMPARE(s.Sent(ids), sent);
    QCOMPARE(sim.StickController().Seen().calibrationsEnded, 1);
    QCOMPARE(sim.StickController().Calibrating(), -1);
    QCOMPARE(s.Failures(), QList<unsigned>{});
  }

  // The ways a calibration ends early: the user cancels, the controller
  // refuses, the control is none of the stick controller's, or nobody
  // answers for 60 s, after which the controller hears the cancel before
  // the task ends, so that it does not stay calibrating.
  void calibrationEndsEarly_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<bool>("refuse");
    QTest::addColumn<int>("answer");  // the user's, 0 none
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QList<unsigned>>("codes");
    QTest::newRow("the user cancels") << CSimControls::kStickA << false << int(VT::GUI_USER_Cancel) << kDone
                                      << "10:00 12" << QList<unsigned>{};
    QTest::newRow("the controller refuses the start") << CSimControls::kStickA << true << 0 << kError << "10:00"
                                                      << QList<unsigned>{kCalFailed};
    QTest::newRow("a trim is not calibrated") << 512 << false << 0 << kError << "" << QList<unsigned>{kCalControl};
    QTest::newRow("no answer for 60 s: the cancel first")
        << CSimControls::kStickA << false << 0 << kTimeout << "10:00 12" << QList<unsigned>{kCalFailed};
  }
  void calibrationEndsEarly() {
    QFETCH(int, control);
    QFETCH(bool, refuse);
    QFETCH(int, answer);
    QFETCH(int, end);
    QFETCH(QString, sent);
    QFETCH(QList<unsigned>, codes);
    Screen s;
    s.errors.Expect({kCalFailed, kCalControl});
    QVERIFY(s.Up());
    CSimControllers& sim = s.r.sim;
    if (refuse) sim.StickController().Answers().Set(kCalStart, {0, false, true, 1});
    QVERIFY(s.r.Do(VT::KLX_TASK_CALIBRATION, control, VT::KLX_TASK_PARA_CONT_LINEAR, 0));
    if (end == kDone || end == kTimeout) QVERIFY(s.r.Hears(kTrigger));
    if (answer) QVERIFY(s.r.Answer(answer));
    if (end == kTimeout) {
      QVERIFY(s.r.Steps({59000}));
      QCOMPARE(sim.StickController().Calibrating(), 0);
      QVERIFY(s.r.Steps({1000}));
    }
    QCOMPARE(s.r.End(), end);
    QCOMPARE(s.Sent({kCalStart, kCalCentre, kCalCancel, kCalEnd}), sent);
    const QList<QPair<unsigned, QString>> reports = s.errors.Reports();
    QCOMPARE(s.Failures(), codes);
    QCOMPARE(sim.StickController().Calibrating(), -1);
    if (end == kTimeout) QVERIFY(reports.contains({kCalFailed, "calibration went wrong after retries"}));
  }

  // A new model from the screen: the controller hears the model start and
  // end, the database becomes the new model (one flight mode, curve 0) in
  // the folder of its type, with that type, held as a loaded one is, and the
  // saver writes its file;
  // both sides then hold the same model. A folder given with its closing
  // "/" is the same folder.
  void newModel_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("placed");
    QTest::addColumn<int>("typeAfter");
    QTest::newRow("plane") << 1 << "" << "/Vorn/Model/Plane" << 1;
    QTest::newRow("helicopter") << 2 << "" << "/Vorn/Model/Helicopter" << 2;
    QTest::newRow("the boat folder given with its slash") << 0 << "/Vorn/Model/Boat/" << "/Vorn/Model/Boat" << 4;
    QTest::newRow("a folder of the user's") << 0 << "/Vorn/Model/Plane/Jets" << "/Vorn/Model/Plane/Jets" << 0;
  }
  void newModel() {
    QFETCH(int, type);
    QFETCH(QString, folder);
    QFETCH(QString, placed);
    QFETCH(int, typeAfter);
    Screen s;
    QVERIFY(s.Up());
    KLX_DataBaseManager& db = s.r.Db();
    QVERIFY(QDir().mkpath(s.r.link.root.Path() + placed));
    KLX_ManualClock saverClock;
    struct SaverOnClock {
      KLX_XMLFileSaver* saver;
      ~SaverOnClock() { saver->KLX_XMLFileSaverSetClock(nullptr); }
    } saver{db.KLX_DatabaseManagerXMLFileSaverPtr()};
    saver.saver->KLX_XMLFileSaverSetClock(&saverClock);
    saver.saver->KLX_XMLFileSaverStartProcessing();

    QVERIFY(s.r.Do(VT::KLX_TASK_MOD_NEW, type, 17, 17, QString::fromUtf8("Möwe"), folder));
    QCOMPARE(s.r.End(), kDone);
    QCOMPARE(s.Sent({SimLoader}), QString("L08 L02"));
    QCOMPARE(db.KLX_DataBaseManagerVornPropertiesGetModelName(), QString::fromUtf8("Möwe"));
    QCOMPARE(db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet, false), typeAfter);
    QCOMPARE(db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet), placed);
    QCOMPARE(db.KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet), int(VT::KLX_MODELLLOAD_STATUS_READY));
    QCOMPARE(db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(0, 0, AtomicDirGet, false), 1);
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 0, AtomicDirGet, false), 0);
    QVERIFY(s.r.link.runtime.KLX_RuntimeDatabaseManagerIsProcessing());
    QVERIFY(!db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirGet));
    QVERIFY(s.r.sim.TransceiverController().HoldsModel());
    QCOMPARE(s.r.sim.TransceiverController().HeldChecksum(), db.KLX_DataBaseManagerCalculateModelCRC(false));

    const int writes = db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model().KLX_XMLModelWrites();
    saver.saver->KLX_XMLFileSaverForceModelFileSave(false);
    QTRY_VERIFY_WITH_TIMEOUT(db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model().KLX_XMLModelWrites() > writes, TaskRig::kHangMs);
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
    QVERIFY(QFile::exists(s.r.link.root.Path() + placed + QString::fromUtf8("/Möwe.xml")));
    QCOMPARE(s.Failures(), QList<unsigned>{});
  }

  // A new model that cannot be made keeps the old one, savable and running:
  // a name taken in the folder is found before the controller hears of a
  // new model; a controller that refuses the start twice or never answers
  // the end ends the task. The saver's permission is given back as it was:
  // withheld when no model was held (a failed load), so the saver does not
  // write the emptied database over that model's file; while a held model
  // is being saved (permission withheld) nothing starts.
  void newModelFails_data() {
    QTest::addColumn<bool>("taken");
    QTest::addColumn<int>("key");  // the loader answer that refuses, or is silent
    QTest::addColumn<CSimAnswerKnobs>("knobs");
    QTest::addColumn<bool>("held");        // a model is held (loaded)
    QTest::addColumn<bool>("permission");  // the saver's permission at the start
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QList<unsigned>>("codes");
    QTest::newRow("the name is taken") << true << 0 << CSimAnswerKnobs{} << true << true << kError << ""
                                       << QList<unsigned>{kNewExists};
    QTest::newRow("the start refused twice") << false << int(CSimTransceiver::KeyLoadStart)
                                             << CSimAnswerKnobs{0, false, true, 1} << true << true << kError
                                             << "L08 L08" << QList<unsigned>{kNewFailed};
    QTest::newRow("the end never answered") << false << int(CSimTransceiver::KeyLoadEnd)
                                            << CSimAnswerKnobs{0, true, false, 1} << true << true << kTimeout
                                            << "L08 L02" << QList<unsigned>{kNewFailed};
    QTest::newRow("no model held, the end never answered")
        << false << int(CSimTransceiver::KeyLoadEnd) << CSimAnswerKnobs{0, true, false, 1} << false << false
        << kTimeout << "L08 L02" << QList<unsigned>{kNewFailed};
    QTest::newRow("the held model being saved") << false << 0 << CSimAnswerKnobs{} << true << false << kError << ""
                                                << QList<unsigned>{kNewUnsave};
  }
  void newModelFails() {
    QFETCH(bool, taken);
    QFETCH(int, key);
    QFETCH(CSimAnswerKnobs, knobs);
    QFETCH(bool, held);
    QFETCH(bool, permission);
    QFETCH(int, end);
    QFETCH(QString, sent);
    QFETCH(QList<unsigned>, codes);
    Screen s;
    s.errors.Expect({kNewFailed, kNewExists, kNewUnsave});
    QVERIFY(s.Up());
    KLX_DataBaseManager& db = s.r.Db();
    if (key) s.r.sim.TransceiverController().Answers().Set(key, knobs);
    const QString existing = s.r.link.root.Path() + "/Vorn/Model/Plane/Racer.xml";
    if (taken) {
      QFile f(existing);
      QVERIFY(f.open(QIODevice::WriteOnly) && f.write("kept") == 4);
    }
    if (!held) db.KLX_DataBaseManagerGetSetModelLoadState(VT::KLX_MODELLLOAD_STATUS_NOTVALID, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(permission, AtomicDirSet);
    const unsigned before = db.KLX_DataBaseManagerCalculateModelCRC(false);
    QVERIFY(s.r.Do(VT::KLX_TASK_MOD_NEW, 1, 17, 17, "Racer", ""));
    if (end == kTimeout) QVERIFY(s.r.Steps({5000}));
    QCOMPARE(s.r.End(), end);
    QCOMPARE(s.Sent({SimLoader}), sent);
    QCOMPARE(s.Failures(), codes);
    QCOMPARE(db.KLX_DataBaseManagerVornPropertiesGetModelName(), QString("Glider"));
    QCOMPARE(db.KLX_DataBaseManagerCalculateModelCRC(false), before);
    QCOMPARE(db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet), permission);
    QVERIFY(s.r.link.runtime.KLX_RuntimeDatabaseManagerIsProcessing());
    if (taken) {
      QFile f(existing);
      QVERIFY(f.open(QIODevice::ReadOnly));
      QCOMPARE(f.readAll(), QByteArray("kept"));
      QCOMPARE(s.r.sim.TransceiverController().Seen().loadsStarted, 1);
    }
  }

  // The model start or end answered late, once (answers take 1 s, the task
  // 5 s and no retry). Before the time-out the new model is made; after it
  // the task ends with its time-out and the pilot asks again: the late
  // answer comes while the second run waits, and that run passes it over
  // (or takes it where it is the very answer awaited, then passes over its
  // own). The second run makes the new model on both sides.
  void aLateAnswerToANewModelIsPassedOver_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("lateMs");
    QTest::addColumn<QString>("sent");
    const int start = CSimTransceiver::KeyLoadStart, end = CSimTransceiver::KeyLoadEnd;
    QTest::newRow("start, 4000 ms: in time") << start << 4000 << "L08 L02";
    QTest::newRow("start, 5500 ms: taken by the second start") << start << 5500 << "L08 L08 L02";
    QTest::newRow("start, 6500 ms: while the second end waits") << start << 6500 << "L08 L08 L02";
    QTest::newRow("end, 3000 ms: in time") << end << 3000 << "L08 L02";
    QTest::newRow("end, 5500 ms: while the second start waits") << end << 5500 << "L08 L02 L08 L02";
    QTest::newRow("end, 6500 ms: taken by the second end") << end << 6500 << "L08 L02 L08 L02";
  }
  void aLateAnswerToANewModelIsPassedOver() {
    QFETCH(int, key);
    QFETCH(int, lateMs);
    QFETCH(QString, sent);
    Screen s;
    s.errors.Expect(kNewFailed);
    QVERIFY(s.Up());
    CSimAnswerBook& answers = s.r.sim.TransceiverController().Answers();
    answers.Set(CSimTransceiver::KeyLoadStart, {1000, false, false, 1});
    answers.Set(CSimTransceiver::KeyLoadEnd, {1000, false, false, 1});
    answers.Set(key, {1000, false, false, 1, 1, lateMs});
    QVERIFY(s.r.Do(VT::KLX_TASK_MOD_NEW, 1, 17, 17, "Racer", ""));
    const int first = s.r.End();
    const bool again = lateMs > 5000;
    QCOMPARE(first, again ? kTimeout : kDone);
    if (again) {
      QVERIFY(s.errors.Reports().contains({kNewFailed, "Modell new went wrong after retries"}));
      s.errors.Clear();
      QVERIFY(s.r.Do(VT::KLX_TASK_MOD_NEW, 1, 17, 17, "Racer", ""));
      QCOMPARE(s.r.End(), kDone);
    }
    // Past the late answer and the answers to what was asked again.
    for (int ms = 0; ms < 3000; ms += 100) QVERIFY(s.r.Settled() && s.r.Run(100));
    QCOMPARE(s.Sent({SimLoader}), sent);
    QCOMPARE(s.Failures(), QList<unsigned>{});
    KLX_DataBaseManager& db = s.r.Db();
    QCOMPARE(db.KLX_DataBaseManagerVornPropertiesGetModelName(), QString("Racer"));
    QCOMPARE(db.KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet), int(VT::KLX_MODELLLOAD_STATUS_READY));
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 0, AtomicDirGet, false), 0);
    QCOMPARE(s.r.sim.TransceiverController().HeldChecksum(), db.KLX_DataBaseManagerCalculateModelCRC(false));
  }

  // The model screen's list of a type's models, or of a folder below the
  // model root: the model files only, by name without regard to case.
  void modelList_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("planes") << 1 << "" << QStringList{"a2.xml", "B1.xml"};
    QTest::newRow("a folder by its name") << 0 << "Jets" << QStringList{"F16.xml"};
    QTest::newRow("a folder outside the models") << 0 << "/Vorn/System" << QStringList{};
  }
  void modelList() {
    QFETCH(int, type);
    QFETCH(QString, folder);
    QFETCH(QStringList, entries);
    VornTestRoot root;
    KLX_RuntimeDatabaseManager runtime;
    for (const char* path : {"/Vorn/Model/Plane/B1.xml", "/Vorn/Model/Plane/a2.xml", "/Vorn/Model/Plane/notes.txt",
                            "/Vorn/Model/Jets/F16.xml", "/Vorn/System/System.xml"}) {
      QVERIFY(QDir().mkpath(QFileInfo(root.Path() + path).path()));
      QFile f(root.Path() + path);
      QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir().mkpath(root.Path() + "/Vorn/Model/Plane/Sub.xml"));
    QCOMPARE(runtime.KLX_RuntimeDatabaseCreateModelList(type, folder), 1);
    QCOMPARE(runtime.KLX_FolderHandlerGetEntryCount(), entries.size());
    QStringList read;
    for (int i = 0; i < runtime.KLX_FolderHandlerGetEntryCount(); ++i)
      read << runtime.KLX_FolderHandlerGetEntrybyIndex(i);
    QCOMPARE(read, entries);
  }

  // The picture a model screen assigns to the model Racer: copied into the
  // model folder's "Pictures" under the model's name with its own
  // extension, the older picture of another format removed; the model's own
  // picture chosen again stays as it is.
  void picture_data() {
    QTest::addColumn<QString>("from");  // below the root
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("another picture") << "/Vorn/Screenshots" << "plane.JPG" << QStringList{"Racer.JPG"}
                                     << QByteArray("new");
    QTest::newRow("its own picture again") << "/Vorn/Model/Plane/Pictures" << "Racer.png" << QStringList{"Racer.png"}
                                           << QByteArray("old");
  }
  void picture() {
    QFETCH(QString, from);
    QFETCH(QString, file);
    QFETCH(QStringList, after);
    QFETCH(QByteArray, content);
    VornTestRoot root;
    KLX_RuntimeDatabaseManager runtime;
    const QString pictures = root.Path() + "/Vorn/Model/Plane/Pictures";
    QVERIFY(QDir().mkpath(pictures) && QDir().mkpath(root.Path() + "/Vorn/Screenshots"));
    const auto write = [](const QString& path, const QByteArray& bytes) {
      QFile f(path);
      return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    QVERIFY(write(pictures + "/Racer.png", "old"));
    QVERIFY(write(root.Path() + "/Vorn/Screenshots/plane.JPG", "new"));
    QCOMPARE(runtime.KLX_RuntimeDatabaseManagerAssignNewPictureToModel(from, file, "/Vorn/Model/Plane", "Racer"),
             int(KLX_Ok));
    QCOMPARE(QDir(pictures).entryList(QDir::Files), after);
    QFile f(pictures + "/" + after.first());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), content);
  }
};

QTEST_GUILESS_MAIN(BindCalNewTest)
#include "tst_bindcalnew.moc"
