// Every field of the element stores through the facade, as QML calls it.
// The walk takes every row of every field table (model/klx_fields.h) and
// writes below its minimum, above its maximum and at an index that names no
// element: the value is clamped and converted, exactly one 8-byte update
// reaches the message layer, the unit is marked for the engine and the model
// counts as modified; a bad index is reported with the row's code and sends
// nothing. The hand table beside it pins the conversions between the ends.
// One facade per board serves every row: each case clears what it watches.
#include <memory>

#include "model/model_fixture.h"

Q_DECLARE_METATYPE(KLX_UnitKind)

namespace {
using K = KLX_UnitKind;
constexpr int W = AtomicDirSet;
constexpr int R = AtomicDirGet;

// How a row's facade accessor is reached.
enum class Door : int {
  Published1,   // (index, value, dir[, update])
  Published2,   // (index, sub, value, dir[, update])
  PublishedU,   // (index, unsigned value, dir[, update])
  Unpublished,  // (index, unsigned value, dir, update), not for QML
  ByHand,       // its own signature: trims and sequencers
  Hundredths,   // the hundredths of a servo point
};

struct Row {
  const char* store;
  const char* field;
  Door door;
  int subPos;
  int sub2;
  int elem;
  int width;
  KLX_Conv conv;
  qint64 lo;
  qint64 hi;
  unsigned err;
};

constexpr Row MakeRow(const char* store, const char* field, Door door, int subPos, int sub2, int elem,
                      std::size_t /*offset*/, std::size_t width, bool /*isSigned*/, std::size_t /*stride*/,
                      KLX_Conv conv, qint64 lo, qint64 hi, unsigned err) {
  return Row{store, field, door, subPos, sub2, elem, int(width), conv, lo, hi, err};
}

#define WALK_DOOR_F1 Door::Published1
#define WALK_DOOR_F2 Door::Published2
#define WALK_DOOR_FUI Door::PublishedU
#define WALK_DOOR_FU Door::Unpublished
#define WALK_DOOR_FH Door::ByHand
// The location has expanded into its four parts by the time a row gets here.
#define WALK_ROW(Store, S, F, SS, FS, sub, sub2, cid, mid, off, width, sgn, stride, conv, lo, hi, err) \
  MakeRow(Store, #F, WALK_DOOR_##FS, sub, sub2, mid, off, width, sgn, stride, KLX_Conv::conv, lo, hi, err),
#define WALK_FUNCTION(...) WALK_ROW("Function", __VA_ARGS__)
#define WALK_FLIGHTMODE(...) WALK_ROW("Flightmode", __VA_ARGS__)
#define WALK_SERVOCONFIG(...) WALK_ROW("ServoConfig", __VA_ARGS__)
#define WALK_CURVE(...) WALK_ROW("Curve", __VA_ARGS__)
#define WALK_TRIM(...) WALK_ROW("Trim", __VA_ARGS__)
#define WALK_FMASSIGN(...) WALK_ROW("FlightmodeAssign", __VA_ARGS__)
#define WALK_MIXER(...) WALK_ROW("Mixer", __VA_ARGS__)
#define WALK_LIMITER(...) WALK_ROW("Limiter", __VA_ARGS__)
#define WALK_SWITCH(...) WALK_ROW("Switch", __VA_ARGS__)
#define WALK_SEQUENCER(...) WALK_ROW("Sequencer", __VA_ARGS__)
// A servo point gives two rows: whole percent (-200..200 on the servo scale)
// and its hundredths (-100..100).
#define WALK_POINT_ROWS(W_, H_, FW, FH, shape, elem, off, width, sgn, stride, slotW, slotH, err)          \
  Row{"ServoConfig", #FW, shape == 1 ? Door::Published1 : Door::Published2, shape == 1 ? 0 : 1, 0, elem, \
      int(width), KLX_Conv::ServoPercent, -200, 200, err},                                              \
      Row{"ServoConfig", #FH, Door::Hundredths, shape == 1 ? 0 : 1, 0, elem, int(width), KLX_Conv::Plain, \
          -100, 100, err},
#define WALK_POINT(...) WALK_POINT_ROWS(__VA_ARGS__)

const Row kRows[] = {
    KLX_FUNCTION_FIELDS(WALK_FUNCTION) KLX_FLIGHTMODE_FIELDS(WALK_FLIGHTMODE)
    KLX_SERVOCONFIG_FIELDS(WALK_SERVOCONFIG) KLX_SERVOCONFIG_POINTS(WALK_POINT) KLX_CURVE_FIELDS(WALK_CURVE)
    KLX_TRIM_FIELDS(WALK_TRIM) KLX_FMASSIGN_FIELDS(WALK_FMASSIGN) KLX_MIXER_FIELDS(WALK_MIXER)
    KLX_LIMITER_FIELDS(WALK_LIMITER) KLX_SWITCH_FIELDS(WALK_SWITCH) KLX_SEQUENCER_FIELDS(WALK_SEQUENCER)};

// What the walk knows of each store: the update's message id, the kind the
// engine is told, how many units the index check accepts and the bound of
// each further index (the flight modes, servo slots, points, ...).
struct Store {
  const char* name;
  int msgId;
  K kind;
  int units;
  int subBound[3];
};
const Store kStores[] = {
    {"Function", 64, K::Function, 48, {0, 27, 10}},  {"Flightmode", 67, K::Flightmode, 27, {0, 48, 0}},
    {"ServoConfig", 70, K::ServoConfig, 26, {0, 8, 0}}, {"Curve", 68, K::Curve, 255, {0, 33, 0}},
    {"Trim", 74, K::Trim, 6, {0, 27, 0}},             {"FlightmodeAssign", 73, K::FlightmodeAss, 0, {8, 27, 0}},
    {"Mixer", 65, K::Mixer, 48, {0, 27, 0}},          {"Limiter", 66, K::Limiter, 48, {0, 27, 0}},
    {"Switch", 72, K::Switch, 128, {0, 2, 0}},        {"Sequencer", 69, K::Sequencer, 2, {0, 6, 0}},
};
const Store& StoreOf(const Row& r) {
  for (const Store& st : kStores)
    if (qstrcmp(st.name, r.store) == 0) return st;
  return kStores[0];
}
bool SingleRecord(const Row& r) { return StoreOf(r).kind == K::FlightmodeAss; }

// Half away from zero, as the stores convert.
qint64 HalfAway(double x) { return x < 0 ? -qint64(-x + 0.5) : qint64(x + 0.5); }

// The interface value a write of v leaves, and the bytes it stores.
qint64 Kept(const Row& r, qint64 v) {
  if (r.conv == KLX_Conv::Flag) return v != 0 ? 1 : 0;
  return qBound(r.lo, v, r.hi);
}
qint64 Raw(const Row& r, qint64 kept) {
  switch (r.conv) {
    case KLX_Conv::Percent:
    case KLX_Conv::AbsPercent: return HalfAway(kept * 2047.0 / 100);
    case KLX_Conv::ServoPercent: return HalfAway(kept * 2047.0 / 200);
    case KLX_Conv::TrimSteps: return kept == 0 ? 10 : HalfAway(kept * 2047.0 / 100);
    default: return kept;
  }
}

// Calls an invokable by name through the meta-object, as QML does: every
// argument converted to the parameter's type (int, uint or bool).
int Invoke(QObject* o, const QByteArray& name, const QList<qint64>& args, bool* found) {
  const QMetaObject* mo = o->metaObject();
  *found = false;
  for (int m = 0; m < mo->methodCount(); ++m) {
    const QMetaMethod method = mo->method(m);
    if (method.name() != name || method.parameterCount() != args.size()) continue;
    int ints[10] = {};
    uint uints[10] = {};
    bool bools[10] = {};
    QGenericArgument a[10];
    for (int i = 0; i < args.size() && i < 10; ++i) {
      switch (method.parameterType(i)) {
        case QMetaType::UInt:
          uints[i] = static_cast<uint>(args[i]);
          a[i] = QGenericArgument("uint", &uints[i]);
          break;
        case QMetaType::Bool:
          bools[i] = args[i] != 0;
          a[i] = QGenericArgument("bool", &bools[i]);
          break;
        default:
          ints[i] = static_cast<int>(args[i]);
          a[i] = QGenericArgument("int", &ints[i]);
          break;
      }
    }
    int result = 0;
    *found = method.invoke(o, Qt::DirectConnection, Q_RETURN_ARG(int, result), a[0], a[1], a[2], a[3], a[4], a[5],
                           a[6], a[7], a[8], a[9]);
    return result;
  }
  return 0;
}

// The facade accessors QML does not reach, called by their names.
int CallUnpublished(KLX_DataBaseManager& db, const Row& r, int unit, int sub, qint64 value, int dir) {
  const QByteArray field(r.field);
  const bool transmit = true;
  if (qstrcmp(r.store, "Trim") == 0) {
    if (field == "TrimStepsPerDelta") return db.KLX_DataBaseManagerTrimGetSetTrimStepsPerDelta(unit, int(value), dir, transmit);
    if (field == "TrimRotaryFlags") return db.KLX_DataBaseManagerTrimGetSetTrimRotaryFlags(unit, int(value), dir, transmit);
    if (field == "TrimValue") return db.KLX_DataBaseManagerTrimGetSetTrimValue(unit, sub, int(value), dir, transmit);
    return db.KLX_DataBaseManagerTrimGetSet_SingleMask(unit, uint(value), dir);
  }
  if (field == "FunctionSingleMask")
    return db.KLX_DataBaseManagerFunctionGetSet_FunctionSingleMask(unit, uint(value), dir, transmit);
  if (field == "FunctionDiffSingleMask")
    return db.KLX_DataBaseManagerFunctionGetSet_FunctionDiffSingleMask(unit, uint(value), dir, transmit);
  return db.KLX_DataBaseManagerMixerGetSet_SingleMask(unit, uint(value), dir, transmit);
}

// The walk's cases of one row.
enum Case : int { Below, Above, BadIndex, BadSub };

// Where a case writes: the unit (or single record's entry) and sub-indices.
struct Place {
  int unit;
  int sub;
  int slot;       // sequencer servo slot
  int direction;  // sequencer direction
  int point;      // sequencer waypoint
};
}  // namespace

Q_DECLARE_METATYPE(Case)

class TestFields : public QObject {
  Q_OBJECT

 private:
  // One facade per board for the two tables; cases clear what they watch.
  std::unique_ptr<ModelFixture> m_Fx;
  int m_Board = -1;
  ModelFixture& Fx(int board) {
    if (!m_Fx || m_Board != board) {
      m_Fx.reset();
      m_Fx.reset(new ModelFixture(board));
      m_Board = board;
    }
    m_Fx->Drop();
    m_Fx->ClearMarks();
    m_Fx->db.KLX_DataBaseManagerSetModelModifyFlag(false);
    return *m_Fx;
  }

  struct HandRow {
    QByteArray tag;
    QByteArray accessor;
    QList<int> args;
    int expected;
    int msgId;
    QByteArray bytes;
    K kind;
    unsigned error;
  };
  QList<HandRow> m_Hand;
  void addRow(const char* tag, const char* accessor, QList<int> args, int expected, int msgId, QByteArray bytes,
              K kind, unsigned error = 0) {
    m_Hand.append({tag, accessor, args, expected, msgId, bytes, kind, error});
  }

 private slots:
  void init() {
    // The other cases build their own facade; the engine and the board are
    // process-wide, so the shared one goes first.
    const QByteArray function = QTest::currentTestFunction();
    if (function != "walkEveryFieldRow" && function != "writeThroughTheFacade") {
      m_Fx.reset();
      m_Board = -1;
    }
  }
  void cleanupTestCase() { m_Fx.reset(); }

  void walkEveryFieldRow_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<int>("row");
    QTest::addColumn<Case>("which");
    const char* names[] = {"below the minimum", "above the maximum", "bad index", "bad sub-index"};
    for (int board : {KL_BOARD_VORN, KL_BOARD_FENK}) {
      for (int i = 0; i < int(sizeof(kRows) / sizeof(kRows[0])); ++i) {
        const Row& r = kRows[i];
        const bool fullRange = r.conv == KLX_Conv::Mask || r.conv == KLX_Conv::Unsigned32;
        for (Case c : {Below, Above, BadIndex, BadSub}) {
          if ((c == Below || c == Above) && fullRange) continue;
          if (c == BadSub && (r.subPos == 0 || SingleRecord(r))) continue;
          QTest::newRow(qPrintable(QString("%1/%2.%3 %4")
                                       .arg(board == KL_BOARD_VORN ? "larger" : "smaller", r.store, r.field,
                                            names[c])))
              << board << i << c;
        }
      }
    }
  }

  void walkEveryFieldRow() {
    QFETCH(int, board);
    QFETCH(int, row);
    QFETCH(Case, which);
    const Row& r = kRows[row];
    const Store& st = StoreOf(r);
    ModelFixture& fx = Fx(board);
    KLX_DataBaseManager& db = fx.db;
    const QByteArray field(r.field);
    const bool sequencer = st.kind == K::Sequencer;
    const bool trim = st.kind == K::Trim;

    // Where the case writes: unit 1 (entry 3 of the single record), second
    // index 1; a bad case puts the index at its bound.
    Place at{SingleRecord(r) ? 3 : sequencer ? 0 : 1, r.subPos ? 1 : 0, 0, 1, 6};
    if (which == BadIndex) at.unit = SingleRecord(r) ? st.subBound[r.subPos] : st.units;
    if (which == BadSub) at.sub = st.subBound[r.subPos];
    if (sequencer) at.slot = r.subPos ? at.sub : 4;

    // The hundredths move the whole percent by one from a known 0.
    if (r.door == Door::Hundredths) {
      QList<qint64> whole{1, 0, W};
      if (r.subPos) whole.insert(1, 1);
      bool found = false;
      const QByteArray name = "KLX_DataBaseManagerServoConfigGetSet_" +
                              QByteArray(field).replace("BsPts", "").replace("Add", "");
      Invoke(&db, name, whole + QList<qint64>{0}, &found);
      QVERIFY2(found, name.constData());
      fx.Drop();
      fx.ClearMarks();
      db.KLX_DataBaseManagerSetModelModifyFlag(false);
    }

    const qint64 value = which == Below ? r.lo - 1 : which == Above ? r.hi + 1 : r.lo;
    auto call = [&](qint64 v, int dir) {
      if (r.door == Door::Unpublished || trim) return CallUnpublished(db, r, at.unit, at.sub, v, dir);
      QList<qint64> args;
      QByteArray name = QByteArray("KLX_DataBaseManager") + r.store + "GetSet_" + field;
      if (sequencer) {
        if (field == "TimePoint" || field == "SrvPosition")
          args = {at.unit, at.slot, at.direction, at.point, v, dir};
        else if (field == "Servo")
          args = {at.unit, at.slot, v, dir};
        else if (field == "Threshold")
          args = {at.unit, 1, v, dir};
        else
          args = {at.unit, v, dir};
      } else {
        args = {at.unit};
        if (r.subPos && !SingleRecord(r)) args.append(at.sub);
        args << v << dir;
      }
      bool found = false;
      const int result = Invoke(&db, name, args, &found);
      if (!found) qWarning("no invokable %s", name.constData());
      return found ? result : -99999;
    };

    VornErrorWatch watch;
    const int result = call(value, W);
    const QList<KLX_Message> sent = fx.Sent();
    if (which == BadIndex || which == BadSub) {
      QCOMPARE(result, int(Indexes_Out_Of_Range));
      // A row without a code (the sequencer's threshold) refuses silently.
      QCOMPARE(watch.TakeCodes(), r.err ? QList<unsigned>{r.err} : QList<unsigned>());
      QVERIFY(sent.isEmpty());
      QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
      return;
    }
    QCOMPARE(watch.TakeCodes(), QList<unsigned>());
    const qint64 kept = r.door == Door::Hundredths ? (which == Below ? -1 : 1) : Kept(r, value);
    const qint64 raw = field == "TimePoint" ? kept * 10 : r.door == Door::Hundredths ? HalfAway(kept * 2047.0 / 200)
                                                                                     : Raw(r, kept);
    QCOMPARE(result, r.door == Door::Hundredths ? 0 : int(kept));

    // The update, with the indices the store puts in front of the value.
    QByteArray expected;
    if (sequencer) {
      const bool track = field == "TimePoint" || field == "SrvPosition";
      const int first = track || field == "Servo" ? at.slot : field == "Threshold" ? 1 : 0;
      expected = SeqUpdate(r.elem, at.unit, first, track ? at.direction : 0, track ? at.point : 0, raw, r.width);
    } else if (SingleRecord(r)) {
      expected = Update(r.elem, at.unit, 0, 0, raw, r.width);
    } else {
      expected = Update(r.elem, at.unit, at.sub, r.sub2, raw, r.width);
    }
    // A servo assignment sends the function's servo use mask after it.
    const int followUps = field == "ServoAssignment_ServoIdx" ? 1 : 0;
    QCOMPARE(sent.size(), 1 + followUps);
    QCOMPARE(int(sent[0].id), st.msgId);
    QCOMPARE(int(sent[0].node), 3);
    QCOMPARE(sent[0].data.toHex(' '), expected.toHex(' '));
    QVERIFY(fx.Marked(st.kind, SingleRecord(r) ? 0 : at.unit));
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());

    // Read back in the same units, sending nothing.
    QCOMPARE(call(0, R), r.door == Door::Hundredths ? 0 : int(kept));
    QVERIFY(fx.Sent().isEmpty());
  }

  void writeThroughTheFacade_data() {
    QTest::addColumn<int>("board");
    QTest::addColumn<QByteArray>("accessor");
    QTest::addColumn<QList<int>>("args");  // indices, then the value
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("msgId");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<KLX_UnitKind>("kind");
    QTest::addColumn<unsigned>("error");

    m_Hand.clear();
    // The conversions between the ends, the special values and the last
    // valid index of each kind; the ends and bad indices are the walk's.
    const char* f = "KLX_DataBaseManagerFunctionGetSet_";
    auto F = [&](const char* field) { return QByteArray(f) + field; };
    addRow("trim differential: clamp id 6, message id 28", F("TrimControlDifferential"), {2, 1010}, 514, 64,
           Update(28, 2, 0, 0, 514, 2), K::Function);
    addRow("trim control 773 stands for 754", F("Trim_Control"), {3, 773}, 754, 64, Update(6, 3, 0, 0, 754, 2),
           K::Function);
    addRow("trim control 512 stays", F("Trim_Control"), {3, 512}, 512, 64, Update(6, 3, 0, 0, 512, 2), K::Function);
    addRow("trim range 50 %", F("Trim_Range"), {4, 50}, 50, 64, Update(7, 4, 0, 0, 1024, 2), K::Function);
    addRow("set-up curve of flight mode 26", F("Setup_CurveIdx"), {9, 26, 256}, 255, 64, Update(13, 9, 26, 0, 255, 2),
           K::Function);
    addRow("rate -50 % stores -1024", F("Setup_FlexRateCenter"), {10, 3, -50}, -50, 64,
           Update(14, 10, 3, 0, -1024, 2), K::Function);
    addRow("rate low", F("Setup_FlexRateLo"), {10, 1, 33}, 33, 64, Update(16, 10, 1, 0, 676, 2), K::Function);
    addRow("negative expo centre", F("Setup_FlexExpoNegCenter"), {11, 2, 10}, 10, 64, Update(17, 11, 2, 1, 205, 2),
           K::Function);
    addRow("differential 1 %", F("Setup_FlexDiffCenter"), {12, 26, 1}, 1, 64, Update(20, 12, 26, 0, 20, 2),
           K::Function);
    addRow("servo slot 9", F("ServoAssignment_ServoMixId"), {13, 9, 9}, 7, 64, Update(29, 13, 9, 0, 7, 2),
           K::Function);

    const char* m = "KLX_DataBaseManagerFlightmodeGetSet_";
    auto M = [&](const char* field) { return QByteArray(m) + field; };
    addRow("no-fade-in entry 47", M("NoFadeInFuncIdxs"), {4, 47, 60}, 48, 67, Update(4, 4, 47, 0, 48, 2),
           K::Flightmode);

    const char* s = "KLX_DataBaseManagerServoConfigGetSet_";
    auto S = [&](const char* field) { return QByteArray(s) + field; };
    addRow("cut-off switch 255 kept", S("SwitchCutOffVirtSwitch"), {6, 255}, 255, 70, Update(17, 6, 0, 0, 255, 1),
           K::ServoConfig);
    addRow("servo mixer 7 source", S("ServoMixer_SourceType"), {8, 7, 9}, 5, 70, Update(11, 8, 7, 0, 5, 1),
           K::ServoConfig);
    addRow("minimum -125 %", S("MinValue"), {11, -125}, -125, 70, Update(5, 11, 0, 0, -1279, 2), K::ServoConfig);
    addRow("maximum", S("MaxValue"), {11, 100}, 100, 70, Update(6, 11, 0, 0, 1024, 2), K::ServoConfig);
    addRow("mixer travel at the minimum", S("ServoMixer_FuncTravelMin"), {12, 3, -50}, -50, 70,
           Update(12, 12, 3, 0, -512, 2), K::ServoConfig);
    addRow("mixer travel at the maximum", S("ServoMixer_FuncTravelMax"), {12, 3, 50}, 50, 70,
           Update(13, 12, 3, 0, 512, 2), K::ServoConfig);

    addRow("curve point 32", "KLX_DataBaseManagerCurveGetSet_CurveValue", {2, 32, 3000}, 2047, 68,
           Update(3, 2, 32, 0, 2047, 2), K::Curve);

    const char* a = "KLX_DataBaseManagerFlightmodeAssignGetSet_";
    auto A = [&](const char* field) { return QByteArray(a) + field; };
    addRow("switch slot 7", A("Control"), {7, 770}, 770, 73, Update(1, 7, 0, 0, 770, 2), K::FlightmodeAss);
    addRow("look-up entry 26 at most 27", A("FlightModeLUT"), {26, 40}, 27, 73, Update(2, 26, 0, 0, 27, 1),
           K::FlightmodeAss);

    // All rows of one board, then the other: one facade each.
    for (int board : {KL_BOARD_VORN, KL_BOARD_FENK})
      for (const HandRow& h : m_Hand)
        QTest::newRow(qPrintable(QString("%1/%2").arg(board == KL_BOARD_VORN ? "larger" : "smaller",
                                                       QString::fromUtf8(h.tag))))
            << board << h.accessor << h.args << h.expected << h.msgId << h.bytes << h.kind << h.error;
  }

  void writeThroughTheFacade() {
    QFETCH(int, board);
    QFETCH(QByteArray, accessor);
    QFETCH(QList<int>, args);
    QFETCH(int, expected);
    QFETCH(int, msgId);
    QFETCH(QByteArray, bytes);
    QFETCH(KLX_UnitKind, kind);
    QFETCH(unsigned, error);
    ModelFixture& fx = Fx(board);
    QCOMPARE(fx.initialized, 1);
    VornErrorWatch watch;

    // The QML overload without the update flag transmits.
    QCOMPARE(InvokeInt(&fx.db, accessor.constData(), args + QList<int>{AtomicDirSet}), expected);
    const QList<KLX_Message> sent = fx.Sent();
    const bool single = kind == K::FlightmodeAss;
    if (error) {
      QCOMPARE(watch.TakeCodes(), QList<unsigned>{error});
      QVERIFY(sent.isEmpty());
      QVERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
      return;
    }
    QVERIFY(watch.TakeCodes().isEmpty());
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(sent[0].id), msgId);
    QCOMPARE(int(sent[0].node), 3);
    QCOMPARE(sent[0].data.toHex(' '), bytes.toHex(' '));
    QVERIFY(fx.Marked(kind, single ? 0 : args[0]));
    QVERIFY(fx.db.KLX_DataBaseManagerGetModelModifyFlag());

    // Reading back gives the same value in the same units and sends nothing.
    QList<int> read = args;
    read.last() = 0;
    QCOMPARE(InvokeInt(&fx.db, accessor.constData(), read + QList<int>{AtomicDirGet}, 0), expected);
    QVERIFY(fx.Sent().isEmpty());
  }

  void writeWithoutUpdateSendsNothing() {
    ModelFixture fx;
    QCOMPARE(InvokeInt(&fx.db, "KLX_DataBaseManagerFunctionGetSet_Control", {0, 256, AtomicDirSet}, 0), 256);
    QVERIFY(fx.Sent().isEmpty());
    QVERIFY(fx.Marked(K::Function, 0));
  }

  void servoAssignmentSendsTheUseMaskAfterIt() {
    ModelFixture fx;
    fx.db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(4, 2, 3, AtomicDirSet, true);
    fx.db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(4, 0, 26, AtomicDirSet, true);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 4);
    QCOMPARE(sent[0].data, Update(26, 4, 2, 0, 3, 2));
    QCOMPARE(sent[1].data, Update(25, 4, 0, 0, 4, 2));
    QCOMPARE(sent[3].data, Update(25, 4, 0, 0, 4, 2));
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetServoNumberForFunction(4), 1);
  }

  void smallerBoardDoesNotCountServosAboveItsOwn() {
    ModelFixture fx(KL_BOARD_FENK);
    // Servo 20 exists on the larger board only: the slot holds it, the mask does not count it.
    fx.db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(0, 1, 20, AtomicDirSet, false);
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_ServoUseMask(0, 0, AtomicDirGet, false), 0);
  }

  void thirtyTwoBitFields() {
    ModelFixture fx;
    VornErrorWatch watch;
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_FunctionFlags(14, 0xFFFFFFFFu, AtomicDirSet, true), -1);
    QCOMPARE(fx.Sent().at(0).data, Update(27, 14, 0, 0, 0xFFFFFFFFLL, 4));
    // Bit 0 (flight mode 0) never enters a flight-mode mask.
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_FunctionSingleMask(15, 0xFFFFFFFFu, AtomicDirSet, true), -2);
    QCOMPARE(fx.Sent().at(0).data, Update(30, 15, 0, 0, 0xFFFFFFFELL, 4));
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_FunctionDiffSingleMask(15, 5u, AtomicDirSet, false), 4);
    // The failure code's bit pattern is refused like a bad index.
    fx.ClearMarks();
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_FunctionSingleMask(15, 4294897296u, AtomicDirSet, true),
             int(KLX_Error));
    // So is the bad index's answer: read back, it could not be told from one.
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_FunctionFlags(15, 4294897286u, AtomicDirSet, true),
             int(KLX_Error));
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x50C20, 0x50C20}));
    QVERIFY(fx.Sent().isEmpty());
    QVERIFY(!fx.Marked(K::Function, 15));
    QCOMPARE(fx.db.KLX_DataBaseManagerFunctionGetSet_FunctionSingleMask(15, 0, AtomicDirGet, false), -2);
  }

  void trimFields_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("stored");
    QTest::newRow("0 % keeps 10 units") << 0 << 0 << Update(1, 0, 0, 0, 10, 2) << 10;
    QTest::newRow("2 % stores 41") << 1 << 2 << Update(1, 1, 0, 0, 41, 2) << 41;
    QTest::newRow("flags at most 7") << 2 << 7 << Update(2, 2, 0, 0, 7, 1) << 7;
    QTest::newRow("value sent with its flight mode") << 3 << -2047 << Update(3, 4, 26, 0, -2047, 2) << -2047;
    QTest::newRow("facade's value with transmit") << 4 << 2047 << Update(3, 3, 2, 0, 2047, 2) << 2047;
  }

  void trimFields() {
    QFETCH(int, row);
    QFETCH(int, expected);
    QFETCH(QByteArray, bytes);
    QFETCH(int, stored);
    ModelFixture fx;
    KLX_Trim* trims = fx.db.KLX_DataBaseManagerTrimStore();
    T_TrimControlCfg r;
    int result = 0;
    switch (row) {
      case 0: result = fx.db.KLX_DataBaseManagerTrimGetSetTrimStepsPerDelta(0, 0, AtomicDirSet, true); break;
      case 1: result = fx.db.KLX_DataBaseManagerTrimGetSetTrimStepsPerDelta(1, 2, AtomicDirSet, true); break;
      case 2: result = fx.db.KLX_DataBaseManagerTrimGetSetTrimRotaryFlags(2, 9, AtomicDirSet, true); break;
      case 3: result = trims->KLX_TrimGetSet_Trim_RotaryValueSend(4, 26, -3000); break;
      default: result = fx.db.KLX_DataBaseManagerTrimGetSetTrimValue(3, 2, 5000, AtomicDirSet, true); break;
    }
    QCOMPARE(result, expected);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(sent[0].id), 74);
    QCOMPARE(sent[0].data.toHex(' '), bytes.toHex(' '));
    const int trim = bytes[1];
    trims->KLX_TrimCopySingleUnit(trim, &r);
    const int raw = row == 4 ? r.TrimValue[2] : row == 3 ? r.TrimValue[26] : row == 2 ? r.TrimFlags : r.TrimSteps;
    QCOMPARE(raw, stored);
  }

  void trimMaskAndUnsentValuesAreNotSent() {
    ModelFixture fx;
    QCOMPARE(fx.db.KLX_DataBaseManagerTrimGetSet_SingleMask(3, 0xFFFFFFFFu, AtomicDirSet), -2);
    QCOMPARE(fx.db.KLX_DataBaseManagerTrimGetSetTrimValue(3, 2, 5000, AtomicDirSet, false), 2047);
    QVERIFY(fx.Sent().isEmpty());
    QVERIFY(fx.Marked(K::Trim, 3));
  }

  void namesOfThePublishedAccessorsAreExact() {
    // A sample of the names QML and the model file call, with their overloads.
    ModelFixture fx;
    const QMetaObject* mo = fx.db.metaObject();
    const char* signatures[] = {
        "KLX_DataBaseManagerFunctionGetSet_IsUsed(int,int,int,bool)",
        "KLX_DataBaseManagerFunctionGetSet_IsUsed(int,int,int)",
        "KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoNegLo(int,int,int,int,bool)",
        "KLX_DataBaseManagerFunctionGetSet_FunctionFlags(int,uint,int,bool)",
        "KLX_DataBaseManagerFunctionGetSet_Name(int,QString,int)",
        "KLX_DataBaseManagerServoConfigGetSet_ServoMixer_BsPtsFuncTravelMinAdd(int,int,int,int)",
        "KLX_DataBaseManagerServoConfigGetSet_BsPtsCentreAdd(int,int,int,bool)",
        "KLX_DataBaseManagerFlightmodeGetSet_NoFadeInFuncIdxs(int,int,int,int)",
        "KLX_DataBaseManagerCurveGetSet_IsSmoothed(int,int,int)",
        "KLX_DataBaseManagerFlightmodeAssignDeleteControl(int)",
        "KLX_DataBaseManagerGetMaxVirualSwitches()",
        "KLX_DataBaseManagerGetMaxCurevPoints()",
        "KLX_DataBaseManagerGetSet_StickRightLeftRight(int,int)",
        "KLX_DataBaseManagerGetNameOfControlByID(int)",
        "KLX_DataBaseManagerFlightmodeClone(int,int)",
        "KLX_DataBaseManager_SetFunctionFlightModeDependent(int,int,int,bool)",
        "KLX_DataBaseManagerTrimGetValue(int)",
        "KLX_DataBaseManagerTest10()",
    };
    for (const char* sig : signatures) QVERIFY2(mo->indexOfMethod(sig) >= 0, sig);
    QVERIFY(mo->indexOfMethod("KLX_DataBaseManagerFunctionGetSet_FunctionSingleMask(int,uint,int,bool)") < 0);
  }
};

QTEST_GUILESS_MAIN(TestFields)
#include "tst_fields.moc"
