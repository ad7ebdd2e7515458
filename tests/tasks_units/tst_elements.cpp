// Elements added and deleted from the screens against the simulated
// transceiver controller: the exact loader messages of each kind, what both
// sides hold afterwards (the same records, the same checksum), the index
// the screen reads, and every way the controller or the store can say no.
#include "tasks/klx_unitkinds.h"
#include "tasks_units/tasks_units_fixture.h"

Q_DECLARE_METATYPE(CSimAnswerKnobs)

namespace {
using namespace units;
constexpr unsigned kRetries = 0x22302;
constexpr unsigned kStartRefused = 0x22304;
constexpr unsigned kHeaderRefused = 0x22306;
constexpr unsigned kDeleteRefused = 0x22405;
constexpr unsigned kFunctionsFull = 0x20C02;

// The unit messages as words: "A" units start, "Hk:c" header (kind, count),
// "Uk.i" a unit, "E" end, "X" stop, "Dk.i" a delete.
QString UnitTrace(const QList<CSimMessage>& messages) {
  QStringList words;
  for (const CSimMessage& m : messages) {
    const auto b = [&m](int i) { return i < m.data.size() ? int(quint8(m.data[i])) : -1; };
    const int kind = m.isLong ? CSimModel::KindOfUnitMessage(m.id) : -1;
    if (kind >= 0) words << QStringLiteral("U%1.%2").arg(kind).arg(b(0));
    if (m.id != SimLoader) continue;
    switch (b(1)) {
      case SimLoaderUnitStart: words << "A"; break;
      case SimLoaderEnd: words << "E"; break;
      case SimLoaderStop: words << "X"; break;
      case SimLoaderHeader: words << QStringLiteral("H%1:%2").arg(b(2)).arg(b(4)); break;
      case SimLoaderUnitDelete: words << QStringLiteral("D%1.%2").arg(b(2)).arg(b(3)); break;
      default: words << QStringLiteral("?%1").arg(b(1)); break;
    }
  }
  return words.join(' ');
}

struct Session {
  UnitRig r;
  VornErrorWatch errors;
  bool Up() {
    errors.Expect({kRuntimeStarted, kRuntimeStopped});
    if (!r.Up() || !r.Loaded()) return false;
    errors.Clear();
    r.Mark();
    return true;
  }
  QString Trace() {
    if (!r.Flushed()) return QStringLiteral("(not flushed)");
    const QString t = UnitTrace(r.sim.ReceivedMessages().mid(r.mark));
    r.Mark();
    return t;
  }
  // Both sides hold the same model.
  bool Alike() {
    return r.Flushed() &&
           r.sim.TransceiverController().HeldChecksum() == r.Db().KLX_DataBaseManagerCalculateModelCRC(false);
  }
};
}  // namespace

class ElementsTest : public QObject {
  Q_OBJECT

 private slots:
  // One element of each kind added to the loaded model and deleted again:
  // the controller takes the unit whole and the fields that put it in use,
  // and deletes it; after each step both sides hold the same model. A
  // servo is added to function 0 and taken from it.
  void addAndDelete_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("p2");  // the servo for a servo, else ignored
    QTest::addColumn<int>("p3");  // the function for a servo, else new
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("added");
    QTest::newRow("function") << 0 << 0 << kNew << 1 << "A H0:48 U0.1 E";
    QTest::newRow("flight mode") << 1 << 0 << kNew << 0 << "A H1:27 U1.0 E";
    QTest::newRow("limiter") << 2 << 0 << kNew << 0 << "A H2:48 U2.0 E";
    QTest::newRow("mixer") << 3 << 0 << kNew << 0 << "A H3:48 U3.0 E";
    QTest::newRow("sequencer") << 4 << 0 << kNew << 0 << "A H4:2 U4.0 E";
    QTest::newRow("servo 3 to function 0") << 5 << 3 << 0 << 3 << "A H5:26 U5.3 E";
    QTest::newRow("curve") << 6 << 0 << kNew << 1 << "A H6:255 U6.1 E";
    QTest::newRow("virtual switch") << 7 << 0 << kNew << 0 << "A H7:128 U7.0 E";
    QTest::newRow("telemetry control") << 11 << 0 << kNew << 0 << "A H11:16 U11.0 E";
  }
  void addAndDelete() {
    QFETCH(int, kind);
    QFETCH(int, p2);
    QFETCH(int, p3);
    QFETCH(int, index);
    QFETCH(QString, added);
    Session s;
    QVERIFY(s.Up());
    KLX_DataBaseManager& db = s.r.Db();
    db.KLX_DataBaseManagerSetModelModifyFlag(false);

    QVERIFY(s.r.Do(VT::KLX_TASK_LOAD_UNIT, kind, p2, p3));
    QCOMPARE(s.r.End(), kDone);
    QCOMPARE(s.Trace(), added);
    QCOMPARE(s.r.link.runtime.KLX_RuntimeDatabaseGetUnitNewIndex(kind), index);
    QCOMPARE(s.r.link.runtime.KLX_RuntimeDatabaseGetUnitNewIndex(kind == 0 ? 1 : 0), int(KLX_Error));
    QCOMPARE(KLX_UnitKinds::IsUsed(&db, kind, index), 1);
    QVERIFY(s.Alike());
    QCOMPARE(s.r.sim.TransceiverController().HeldModel().Record(kind, index), ProgramRecord(db, kind, index));
    QCOMPARE(s.r.sim.TransceiverController().Seen().unitLoadsEnded, 1);
    if (kind == 5) QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(index, 0, AtomicDirGet, false), 1);

    QVERIFY(s.r.Do(VT::KLX_TASK_DELETE_UNIT, kind, index, kind == 5 ? p3 : kDelete));
    QCOMPARE(s.r.End(), kDone);
    QCOMPARE(s.Trace(), QStringLiteral("D%1.%2").arg(kind).arg(index));
    QCOMPARE(KLX_UnitKinds::IsUsed(&db, kind, index), 0);
    QVERIFY(s.Alike());
    // The change is the model's, to be saved.
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(s.errors.UnexpectedText(), QString());
  }

  // Servo 0 already has its configuration (the loaded model uses it):
  // added to function 0 and to a second function it sends no unit, only
  // start and end and the fields; taken from the second function again it
  // stays with function 0 and the controller hears no delete.
  void aServoSharedByTwoFunctions() {
    Session s;
    QVERIFY(s.Up());
    KLX_DataBaseManager& db = s.r.Db();
    QVERIFY(s.r.Do(VT::KLX_TASK_LOAD_UNIT, 0, 0, kNew));
    QCOMPARE(s.r.End(), kDone);
    QVERIFY(s.r.Do(VT::KLX_TASK_LOAD_UNIT, 5, 0, 0));
    QCOMPARE(s.r.End(), kDone);
    QVERIFY(s.r.Do(VT::KLX_TASK_LOAD_UNIT, 5, 0, 1));
    QCOMPARE(s.r.End(), kDone);
    QCOMPARE(s.Trace(), QString("A H0:48 U0.1 E A E A E"));
    QVERIFY(s.Alike());
    KLX_SerFuncMatrix matrix;
    QCOMPARE(matrix.KLX_SerFuncMatrixServoAlreadyInFunction(1, 0, &db), 1);
    QCOMPARE(matrix.KLX_SerFuncMatrixOtherFunctionsUseThisServo(1, 0, &db), 1);

    db.KLX_DataBaseManagerSetModelModifyFlag(true);
    QVERIFY(s.r.Do(VT::KLX_TASK_DELETE_UNIT, 5, 0, 1));
    QCOMPARE(s.r.End(), kDone);
    QCOMPARE(s.Trace(), QString());
    QCOMPARE(matrix.KLX_SerFuncMatrixServoAlreadyInFunction(1, 0, &db), 0);
    QCOMPARE(db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(0, 0, AtomicDirGet, false), 1);
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    QVERIFY(s.Alike());
  }

  // A mixer that held a curve of its own gives it back when it goes, on
  // both sides, so that deleted mixers do not use up the curves.
  void aDeletedMixerGivesItsCurveBack() {
    Session s;
    QVERIFY(s.Up());
    KLX_DataBaseManager& db = s.r.Db();
    QVERIFY(s.r.Do(VT::KLX_TASK_LOAD_UNIT, 3, 0, kNew));
    QCOMPARE(s.r.End(), kDone);
    QVERIFY(s.r.Do(VT::KLX_TASK_LOAD_UNIT, 6, 0, kNew));
    QCOMPARE(s.r.End(), kDone);
    QCOMPARE(s.r.link.runtime.KLX_RuntimeDatabaseGetUnitNewIndex(6), 1);
    db.KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(0, 0, 1, AtomicDirSet, true);
    QVERIFY(s.r.Do(VT::KLX_TASK_DELETE_UNIT, 3, 0, kDelete));
    QCOMPARE(s.r.End(), kDone);
    QCOMPARE(s.Trace(), QString("A H3:48 U3.0 E A H6:255 U6.1 E D3.0"));
    QCOMPARE(db.KLX_DataBaseManagerCurveGetSet_IsUsed(1, 0, AtomicDirGet, false), 0);
    QCOMPARE(db.KLX_DataBaseManagerCurveGetNextFreeIndex(), 1);
    QVERIFY(s.Alike());
  }

  // The controller or the store says no: what the screen hears, what went
  // over the bus, the reports, that both sides still hold the same model,
  // and that an edit made before stays marked for saving. Adds are of a
  // function, deletes of function 0.
  void refusals_data() {
    QTest::addColumn<bool>("add");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("key");  // the answer knob that refuses, 0 none
    QTest::addColumn<int>("fault");  // a unit or delete answer naming another index (once)
    QTest::addColumn<bool>("fill");  // every element of the kind in use
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<QList<unsigned>>("codes");
    const int none = CSimTransceiver::NoFault, wrong = CSimTransceiver::WrongIndex;
    QTest::newRow("start refused") << true << 0 << int(CSimTransceiver::KeyUnitStart) << none << false << kError
                                   << "A X" << QList<unsigned>{kStartRefused};
    QTest::newRow("header refused") << true << 0 << int(CSimTransceiver::KeyUnitHeader) << none << false << kError
                                    << "A H0:48 X" << QList<unsigned>{kHeaderRefused};
    QTest::newRow("unit answered for another index: sent again") << true << 0 << 0 << wrong << false << kDone
                                                                 << "A H0:48 U0.1 U0.1 E" << QList<unsigned>{};
    QTest::newRow("functions full: its code, nothing sent")
        << true << 0 << 0 << none << true << int(Max_Function_Number_Reached) << "" << QList<unsigned>{kFunctionsFull};
    QTest::newRow("limiters full: an error, nothing sent")
        << true << 2 << 0 << none << true << kError << "" << QList<unsigned>{};
    QTest::newRow("a flight-mode assignment is no unit to add") << true << 8 << 0 << none << false << kError << ""
                                                                 << QList<unsigned>{};
    QTest::newRow("delete refused: the element stays") << false << 0 << int(CSimTransceiver::KeyUnitDelete) << none
                                                       << false << kError << "D0.0" << QList<unsigned>{kDeleteRefused};
    QTest::newRow("delete answered for another index: asked again") << false << 0 << 0 << wrong << false << kDone
                                                                    << "D0.0 D0.0" << QList<unsigned>{};
    QTest::newRow("delete of an index beyond the store: nothing sent")
        << false << 0 << 0 << none << false << int(Indexes_Out_Of_Range) << "" << QList<unsigned>{};
  }
  void refusals() {
    QFETCH(bool, add);
    QFETCH(int, kind);
    QFETCH(int, key);
    QFETCH(int, fault);
    QFETCH(bool, fill);
    QFETCH(int, end);
    QFETCH(QString, trace);
    QFETCH(QList<unsigned>, codes);
    Session s;
    s.errors.Expect({kStartRefused, kHeaderRefused, kDeleteRefused, kFunctionsFull});
    QVERIFY(s.Up());
    KLX_DataBaseManager& db = s.r.Db();
    CSimTransceiver& tc = s.r.sim.TransceiverController();
    if (key) tc.Answers().Set(key, {0, false, true, 1});
    if (fault && add) tc.SetUnitFault(0, CSimTransceiver::UnitFault(fault));
    if (fault && !add) tc.SetDeleteFault(CSimTransceiver::UnitFault(fault));
    if (fill)
      for (int i = 0; i < KLX_UnitKinds::BoardCount(&db, kind); ++i)
        db.KLX_DataBaseManagerFunctionGetSet_IsUsed(i, 1, AtomicDirSet, false),
            db.KLX_DataBaseManagerLimiterGetSet_IsUsed(i, 1, AtomicDirSet, false);
    // An edit not yet saved.
    db.KLX_DataBaseManagerSetModelModifyFlag(true);
    const unsigned before = db.KLX_DataBaseManagerCalculateModelCRC(false);
    const int index = end == int(Indexes_Out_Of_Range) ? 48 : 0;
    QVERIFY(s.r.Do(add ? VT::KLX_TASK_LOAD_UNIT : VT::KLX_TASK_DELETE_UNIT, kind, index, kNew));
    QCOMPARE(s.r.End(), end);
    QCOMPARE(s.Trace(), trace);
    QCOMPARE(s.errors.TakeCodes(), codes);
    if (!fill) QVERIFY(s.Alike());
    if (end != kDone) QCOMPARE(db.KLX_DataBaseManagerCalculateModelCRC(false), before);
    if (!add) QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 0, AtomicDirGet, false), end == kDone ? 0 : 1);
    // The edit is still to be saved, whatever became of the task.
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  // A controller that never answers the start: each time-out stops the
  // load and starts it again, three times, and the fourth ends the task;
  // the screen hears the time-out, and the index of the function added
  // before is no longer offered.
  void aSilentControllerTimesOut() {
    Session s;
    s.errors.Expect(kRetries);
    QVERIFY(s.Up());
    QVERIFY(s.r.Do(VT::KLX_TASK_LOAD_UNIT, 0, 0, kNew));
    QCOMPARE(s.r.End(), kDone);
    QCOMPARE(s.r.link.runtime.KLX_RuntimeDatabaseGetUnitNewIndex(0), 1);
    s.Trace();
    s.r.sim.TransceiverController().Answers().Set(CSimTransceiver::KeyUnitStart, {0, true, false, 1});
    QVERIFY(s.r.Do(VT::KLX_TASK_LOAD_UNIT, 0, 0, kNew));
    QVERIFY(s.r.Steps({5000, 5000, 5000, 4999}));
    QCOMPARE(s.errors.TakeCodes(), QList<unsigned>{});
    QVERIFY(s.r.Steps({1}));
    QTRY_VERIFY_WITH_TIMEOUT(s.errors.Has(kRetries), UnitRig::kHangMs);
    QVERIFY(s.errors.Reports().contains({kRetries, "Unitloading went wrong after retries"}));
    QCOMPARE(s.errors.TakeCodes(), QList<unsigned>{kRetries});
    QCOMPARE(s.r.End(), kTimeout);
    QCOMPARE(s.Trace(), QString("A X A X A X A X"));
    QCOMPARE(s.r.link.runtime.KLX_RuntimeDatabaseGetUnitNewIndex(0), int(KLX_Error));
    QCOMPARE(s.r.Db().KLX_DataBaseManagerFunctionGetSet_IsUsed(2, 0, AtomicDirGet, false), 0);
    QVERIFY(s.Alike());
  }
  // An answer that comes only after the time-out has restarted the load (a
  // controller busy with its card, say) is late, not wrong: the restarted
  // load passes over it and ends done with the answers to its own requests,
  // where it went round in circles (stop, start, a header, stop ...) until
  // the screen gave up. Starts and headers take 1.5 s, so that the late
  // answer, 6 s after its request, comes before the restart's own.
  void aLateAnswerIsPassedOver_data() {
    QTest::addColumn<int>("key");  // the answer that comes late, once
    QTest::addColumn<int>("request");
    QTest::addColumn<QString>("trace");
    QTest::newRow("start") << int(CSimTransceiver::KeyUnitStart) << int(SimLoaderUnitStart) << "A X A H0:48 U0.1 E";
    QTest::newRow("header") << int(CSimTransceiver::KeyUnitHeader) << int(SimLoaderHeader)
                            << "A H0:48 X A H0:48 U0.1 E";
    QTest::newRow("end") << int(CSimTransceiver::KeyLoadEnd) << int(SimLoaderEnd)
                         << "A H0:48 U0.1 E X A H0:48 U0.1 E";
  }
  void aLateAnswerIsPassedOver() {
    QFETCH(int, key);
    QFETCH(int, request);
    QFETCH(QString, trace);
    Session s;
    QVERIFY(s.Up());
    CSimAnswerBook& answers = s.r.sim.TransceiverController().Answers();
    const CSimAnswerKnobs slow{1500, false, false, 1};
    answers.Set(CSimTransceiver::KeyUnitStart, slow);
    answers.Set(CSimTransceiver::KeyUnitHeader, slow);
    const CSimAnswerKnobs usual = answers.Get(key);
    answers.Set(key, {6000, false, false, 1});
    QVERIFY(s.r.Do(VT::KLX_TASK_LOAD_UNIT, 0, 0, kNew));
    const auto asked = [&] {
      for (const CSimMessage& m : s.r.sim.ReceivedMessages().mid(s.r.mark))
        if (m.id == SimLoader && m.data.size() > 1 && quint8(m.data[1]) == request) return true;
      return false;
    };
    // Looked at once the controller has taken what came (its answer planned).
    QVERIFY(s.r.Settled());
    for (int ms = 0; !asked(); ms += 50) {
      QVERIFY2(ms < 5000, "the request did not come");
      QVERIFY(s.r.Run(50) && s.r.Settled());
    }
    answers.Set(key, usual);
    QCOMPARE(s.r.End(400), kDone);
    QCOMPARE(s.Trace(), trace);
    QCOMPARE(s.errors.UnexpectedText(), QString());
    QCOMPARE(s.r.link.runtime.KLX_RuntimeDatabaseGetUnitNewIndex(0), 1);
    QCOMPARE(s.r.Db().KLX_DataBaseManagerFunctionGetSet_IsUsed(1, 0, AtomicDirGet, false), 1);
    QVERIFY(s.Alike());
  }
  // The same in every state, the unit's own answer included: one answer
  // held back once, before the time-out (5 s) or after it, landing in each
  // state of the load started again. Starts, headers and the end take 1 s,
  // the unit 2 s (a start late by 7.5 s comes while the unit is awaited).
  // A flight mode's, a sequencer's or a limiter's unit 0 is acknowledged
  // with the first bytes of a start's, a header's or an end's answer (its
  // kind, index 0): such a late answer that lands while that unit's
  // acknowledgement is awaited is passed over all the same.
  void aLateAnswerInEveryStateIsPassedOver_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("lateMs");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");  // of the element added
    QTest::addColumn<QString>("trace");
    using T = CSimTransceiver;
    const QString once = "A H0:48 U0.1 E";
    const struct {
      const char* name;
      int key;
      QString again;  // the trace once the time-out started the load again
      QList<int> lateMs;
    } answers[] = {
        {"start", T::KeyUnitStart, "A X " + once, {4000, 5100, 6500, 7500, 8500, 9500}},
        {"header", T::KeyUnitHeader, "A H0:48 X " + once, {4000, 5100, 6500, 7500, 9500}},
        {"unit", T::KeyUnit, "A H0:48 U0.1 X " + once, {4000, 5500, 7500}},
        {"end", T::KeyLoadEnd, once + " X " + once, {4000, 5500}},
    };
    for (const auto& a : answers)
      for (int ms : a.lateMs)
        QTest::addRow("%s, %d ms", a.name, ms) << a.key << ms << 0 << 1 << (ms < 5000 ? once : a.again);
    QTest::newRow("start, 7500 ms, flight mode 0") << int(T::KeyUnitStart) << 7500 << 1 << 0 << "A X A H1:27 U1.0 E";
    QTest::newRow("header, 7500 ms, sequencer 0")
        << int(T::KeyUnitHeader) << 7500 << 4 << 0 << "A H4:2 X A H4:2 U4.0 E";
    QTest::newRow("end, 8000 ms, limiter 0")
        << int(T::KeyLoadEnd) << 8000 << 2 << 0 << "A H2:48 U2.0 E X A H2:48 U2.0 E";
  }
  void aLateAnswerInEveryStateIsPassedOver() {
    QFETCH(int, key);
    QFETCH(int, lateMs);
    QFETCH(int, kind);
    QFETCH(int, index);
    QFETCH(QString, trace);
    Session s;
    QVERIFY(s.Up());
    CSimAnswerBook& answers = s.r.sim.TransceiverController().Answers();
    using T = CSimTransceiver;
    for (int k : {T::KeyUnitStart, T::KeyUnitHeader, T::KeyLoadEnd}) answers.Set(k, {1000, false, false, 1});
    answers.Set(T::KeyUnit, {2000, false, false, 1});
    CSimAnswerKnobs held = answers.Get(key);
    held.heldTry = 1;
    held.heldMs = lateMs;
    answers.Set(key, held);
    QVERIFY(s.r.Do(VT::KLX_TASK_LOAD_UNIT, kind, 0, kNew));
    // Past the late answer and the load's end, each step once all is at rest.
    for (int ms = 0; ms < 16000; ms += 100) QVERIFY(s.r.Settled() && s.r.Run(100));
    QCOMPARE(s.r.End(), kDone);
    QCOMPARE(s.Trace(), trace);
    QCOMPARE(s.errors.UnexpectedText(), QString());
    QCOMPARE(s.r.link.runtime.KLX_RuntimeDatabaseGetUnitNewIndex(kind), index);
    QCOMPARE(KLX_UnitKinds::IsUsed(&s.r.Db(), kind, index), 1);
    QVERIFY(s.Alike());
  }

  // Two mixers deleted one after the other; the answer to the first delete
  // comes late, once. Past the time-out (2 s) the first delete is asked
  // again, takes the first of the two answers and ends; the other one comes
  // while the second delete waits for its own (1 s) and is passed over:
  // no request is repeated, both end done, both sides alike.
  void aLateDeleteAnswerIsPassedOver_data() {
    QTest::addColumn<int>("lateMs");
    QTest::addColumn<QString>("trace");
    QTest::newRow("1500 ms: in time") << 1500 << "D3.0 D3.1";
    QTest::newRow("2100 ms: the late one taken, the second answer passed over") << 2100 << "D3.0 D3.0 D3.1";
    QTest::newRow("2600 ms: the second answer taken, the late one passed over") << 2600 << "D3.0 D3.0 D3.1";
    QTest::newRow("3500 ms") << 3500 << "D3.0 D3.0 D3.1";
  }
  void aLateDeleteAnswerIsPassedOver() {
    QFETCH(int, lateMs);
    QFETCH(QString, trace);
    Session s;
    QVERIFY(s.Up());
    for (int i = 0; i < 2; ++i) {
      QVERIFY(s.r.Do(VT::KLX_TASK_LOAD_UNIT, VT::KLX_TASK_PARA_MODEL_Mixer, 0, kNew));
      QCOMPARE(s.r.End(), kDone);
    }
    s.Trace();
    s.r.sim.TransceiverController().Answers().Set(CSimTransceiver::KeyUnitDelete, {1000, false, false, 1, 1, lateMs});
    for (int mixer = 0; mixer < 2; ++mixer) {
      QVERIFY(s.r.Do(VT::KLX_TASK_DELETE_UNIT, VT::KLX_TASK_PARA_MODEL_Mixer, mixer, kDelete));
      QCOMPARE(s.r.End(), kDone);
    }
    // Past the late answer.
    for (int ms = 0; ms < 4000; ms += 100) QVERIFY(s.r.Settled() && s.r.Run(100));
    QCOMPARE(s.Trace(), trace);
    QCOMPARE(s.errors.UnexpectedText(), QString());
    QCOMPARE(s.r.Db().KLX_DataBaseManagerMixerGetSet_IsUsed(0, 0, AtomicDirGet, false), 0);
    QCOMPARE(s.r.Db().KLX_DataBaseManagerMixerGetSet_IsUsed(1, 0, AtomicDirGet, false), 0);
    QVERIFY(s.Alike());
  }
};

QTEST_GUILESS_MAIN(ElementsTest)
#include "tst_elements.moc"
