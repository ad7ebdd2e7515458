#pragma once
// The facade on a board without an SD card, up without a bus, for either
// board, and the doors a test watches: the queued controller messages, the
// marks for the engine, the modify flag and the error reports.
#include <QtTest>

#include "model/engine/kl_engine.h"
#include "vorn_fixture.h"

struct ModelFixture : VornFixture {
  int initialized = 0;

  explicit ModelFixture(int board = KL_BOARD_VORN)
      : VornFixture(board == KL_BOARD_FENK ? CSimBoard::Fenk : CSimBoard::Vorn, 0) {
    initialized = Up();
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
  }

  bool Marked(KLX_UnitKind kind, int index) { return runtime.KLX_RuntimeDatabaseManagerIsMarked(kind, index); }
  void ClearMarks() {
    for (int k = 0; k < static_cast<int>(KLX_UnitKind::Count); ++k)
      for (int i = 0; i < 255; ++i) runtime.KLX_RuntimeDatabaseManagerTakeMark(static_cast<KLX_UnitKind>(k), i);
  }
};

// The facade with its engine thread brought up but left idle (processing
// off): the test steps the thread's passes itself.
struct EngineFixture : ModelFixture {
  KLX_FunctionalCalculation& engine;
  explicit EngineFixture(int board = KL_BOARD_VORN)
      : ModelFixture(board), engine(*runtime.KLX_RuntimeDatabaseManagerEngine()) {
    KLX_DataBaseManager::m_MySelf = &db;
    runtime.KLX_RuntimeDatabaseManagerInitialize(&db, &protocol, nullptr);
  }
  ~EngineFixture() {
    runtime.KLX_RuntimeDatabaseManagerStop();
    KLX_DataBaseManager::m_MySelf = nullptr;
  }
  // Passes until a data pass has copied what is marked.
  void DataPass() {
    engine.KLX_FunctionalCalculationPass();
    if (engine.KLX_FunctionalCalculationPhase() != 2) engine.KLX_FunctionalCalculationPass();
  }
};

// An 8-byte single-field update: element id, three indices, the value's bytes.
// Data rows "larger" and "smaller" of a column "board", for cases that hold
// on both transmitters.
inline void AddBoardRows() {
  QTest::addColumn<int>("board");
  QTest::newRow("larger") << int(KL_BOARD_VORN);
  QTest::newRow("smaller") << int(KL_BOARD_FENK);
}

inline QByteArray Update(int element, int i1, int i2, int i3, qint64 value, int width) {
  QByteArray b(8, '\0');
  b[0] = static_cast<char>(element);
  b[1] = static_cast<char>(i1);
  b[2] = static_cast<char>(i2);
  b[3] = static_cast<char>(i3);
  for (int k = 0; k < width; ++k) b[4 + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
  return b;
}

// A sequencer's update: element, sequencer, servo slot, direction, waypoint
// in front of the value.
inline QByteArray SeqUpdate(int element, int seq, int slot, int direction, int point, qint64 value, int width) {
  QByteArray b(8, '\0');
  b[0] = static_cast<char>(element);
  b[1] = static_cast<char>(seq);
  b[2] = static_cast<char>(slot);
  b[3] = static_cast<char>(direction);
  b[4] = static_cast<char>(point);
  for (int k = 0; k < width; ++k) b[5 + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
  return b;
}

// Calls an invokable of the facade by name, as QML does: up to five int
// arguments and an optional trailing bool.
inline int InvokeInt(QObject* o, const char* name, const QList<int>& a, int flag = -1) {
  int r = -1;
  bool ok = false;
  int v[5] = {};
  for (int i = 0; i < a.size() && i < 5; ++i) v[i] = a[i];
  const auto B = [&](int i) { return Q_ARG(int, v[i]); };
  if (flag < 0) {
    switch (a.size()) {
      case 0: ok = QMetaObject::invokeMethod(o, name, Q_RETURN_ARG(int, r)); break;
      case 1: ok = QMetaObject::invokeMethod(o, name, Q_RETURN_ARG(int, r), B(0)); break;
      case 2: ok = QMetaObject::invokeMethod(o, name, Q_RETURN_ARG(int, r), B(0), B(1)); break;
      case 3: ok = QMetaObject::invokeMethod(o, name, Q_RETURN_ARG(int, r), B(0), B(1), B(2)); break;
      case 4: ok = QMetaObject::invokeMethod(o, name, Q_RETURN_ARG(int, r), B(0), B(1), B(2), B(3)); break;
      default: break;
    }
  } else {
    const bool f = flag != 0;
    switch (a.size()) {
      case 3: ok = QMetaObject::invokeMethod(o, name, Q_RETURN_ARG(int, r), B(0), B(1), B(2), Q_ARG(bool, f)); break;
      case 4:
        ok = QMetaObject::invokeMethod(o, name, Q_RETURN_ARG(int, r), B(0), B(1), B(2), B(3), Q_ARG(bool, f));
        break;
      default: break;
    }
  }
  if (!ok) qWarning("no invokable %s with %d arguments", name, int(a.size()));
  return ok ? r : -99999;
}
