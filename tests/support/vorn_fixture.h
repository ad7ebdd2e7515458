#pragma once
// What a test of the program's parts stands on, fresh for each case:
//  - a root of its own, laid down as a board of either kind (with an SD card
//    unless the case asks for none), the running board and the engine's state
//    set to match;
//  - an error watch that fails the case on any report it did not expect
//    (`errors`; a case's own VornErrorWatch takes the reports while it lives);
//  - a manual clock for the threads a case steps (`clock`);
//  - the facade: the database manager with its message layer, task handler,
//    GUI command handler and run-time store, brought up without a bus (Up) or
//    with the message layer's threads on one end of a socketpair (UpOnBus);
//  - the simulated controllers, on the other end of that socketpair.
//
//   VornFixture fx;                          // larger board with a card
//   QCOMPARE(fx.Up(), int(KLX_Ok));          // the facade, without a bus
//   fx.db.KLX_DataBaseManager...(...);
//   QCOMPARE(fx.Sent().size(), 1);           // what it queued for the controllers
//
//   VornFixture fx;
//   fx.taskClock = &fx.clock;                // the task engine waits on fx.clock
//   QVERIFY(fx.UpOnBus(VornFixture::WithControllers));
//   fx.Controllers().SetSticks(...);
//   QVERIFY(fx.clock.KLX_ManualClockRun(500, 2));
#include <QByteArray>
#include <QList>
#include <QString>

#include <initializer_list>
#include <memory>

#include "frame/klx_board.h"
#include "frame/klx_clock.h"
#include "frame/klx_languagehandler.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"
#include "tasks/klx_guicommandhandler.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"
#include "vorn_testroot.h"

class VornFixture {
 public:
  static constexpr qint64 kCardBytes = 8LL * 1024 * 1024 * 1024;
  // Who holds the other end of the socketpair: the test (`peer`, raw
  // 16-byte frames) or the simulated controllers.
  enum Peer { RawPeer, WithControllers };

  // cardBytes 0: the board has no SD card.
  explicit VornFixture(CSimBoard::Variant variant = CSimBoard::Vorn, qint64 cardBytes = kCardBytes);
  // The facade's sound devices and speech engine as given (recording fakes
  // that outlive the fixture).
  VornFixture(CSimBoard::Variant variant, const KLX_AudioDevices& audio);
  virtual ~VornFixture();
  VornFixture(const VornFixture&) = delete;
  VornFixture& operator=(const VornFixture&) = delete;

  // Declared first: outlive every thread that waits on them. `clock` is the
  // one a case steps: the controllers' streams and answers, and what the
  // flags below put on it. The message layer's threads wait on `linkClock`
  // otherwise, which nobody steps (the sender waits for work, the receiver
  // pauses only after a failed read).
  KLX_ManualClock clock;
  KLX_ManualClock linkClock;
  VornTestRoot root;
  CSimBoard board;
  VornErrorWatch errors{VornErrorWatch::Scope::Fixture};
  KLX_RuntimeDatabaseManager runtime;
  KLX_DataBaseManager db;
  KLX_GuiCommandHandler gui;
  KLX_VornHandler vorn;
  KLX_Protocol protocol;
  // The test's end of the socketpair (RawPeer), -1 otherwise.
  int peer = -1;

  // Set before UpOnBus: the clock the task engine and the GUI command thread
  // wait on (the system's when none; usually &clock); whether the message
  // layer's threads wait on `clock`; whether the GUI command thread runs.
  KLX_Clock* taskClock = nullptr;
  bool linkOnClock = false;
  bool guiUp = false;

  // The facade without a bus: what it sends stays queued for Sent().
  int Up();
  // The facade, the task engine (its processing off: the controllers'
  // answers wait in its queues) and the message layer on a socketpair.
  bool UpOnBus(Peer other = RawPeer);

  // Made when first asked for, on `clock`.
  CSimControllers& Controllers();

  // What the facade queued without a bus, taken.
  QList<KLX_Message> Sent();
  void Drop() { Sent(); }

 private:
  void SetUp(CSimBoard::Variant variant, qint64 cardBytes);
  std::unique_ptr<CSimControllers> m_Controllers;
  bool m_OnBus = false;
};

// Files of a test: read whole (empty when missing), written whole with the
// folders they need.
QByteArray ReadFile(const QString& path);
bool WriteFile(const QString& path, const QByteArray& data);
// The desktop card under `root` sized to have `bytes` free beside what lies
// on it.
bool SetCardFree(const QString& root, qint64 bytes);

// Little-endian 16-bit values, as the controllers' messages carry them.
QByteArray Le16s(std::initializer_list<int> values);

// An element's record as the program holds it, without the kind byte in
// front and the check bytes behind: what the simulated transceiver keeps
// for the same element (`kind` as CSimModel numbers the kinds).
QByteArray ProgramRecord(KLX_DataBaseManager& db, int kind, int index);
