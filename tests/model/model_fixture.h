#pragma once
// A facade brought up on a message layer without bus, for either board, and
// the doors a test watches: the queued controller messages, the marks for the
// engine, the modify flag and the error reports.
#include <QDir>
#include <QFile>
#include <QtTest>

#include "frame/klx_board.h"
#include "frame/klx_languagehandler.h"
#include "link/klx_protocol.h"
#include "model/engine/kl_engine.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"
#include "vorn_testroot.h"

// What the simulated board lays down and the settings read at start: the
// board's temperature file (its absence is reported).
inline void LayDownBoardFiles(const QString& root) {
  const QString thermal = root + "/sys/class/thermal/thermal_zone0";
  QDir().mkpath(thermal);
  QFile temp(thermal + "/temp");
  if (temp.open(QIODevice::WriteOnly)) temp.write("41000\n");
}

struct ModelFixture {
  VornTestRoot root;
  KLX_Protocol protocol;
  KLX_VornHandler vorn;
  KLX_RuntimeDatabaseManager runtime;
  KLX_DataBaseManager db;
  int initialized = 0;

  explicit ModelFixture(int board = KL_BOARD_VORN) {
    LayDownBoardFiles(root.Path());
    kl_engine_reset_state();
    kl_engine_init_parameters(board);
    Board::Free();
    Board::Init(board == KL_BOARD_FENK ? E_BoardFenk : E_BoardVorn);
    protocol.KLX_ProtocolInitializeWithoutBus();
    initialized = db.KLX_DataBaseManagerInitialize(&protocol, &vorn, &KLXlanguageHandler, &runtime);
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
  }
  ~ModelFixture() {
    db.KLX_DataBaseManagerStop();
    db.KLX_DataBaseManagerFree();
    Board::Free();
    kl_engine_reset_state();
  }

  QList<KLX_Message> Sent() {
    QList<KLX_Message> out;
    KLX_Message m;
    while (protocol.KLX_ProtocolTakeMessage(&m)) out.append(m);
    return out;
  }
  void Drop() { Sent(); }
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
