#pragma once
// What the benchmarks that run the program's message layer against the
// simulated controllers share: the program's layers on a fresh board of the
// larger kind, joined to the desktop CAN stand-in and in normal operation, as
// after a start without a model.
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "frame/klx_board.h"
#include "frame/klx_languagehandler.h"
#include "link/klx_messageids.h"
#include "link/klx_protocol.h"
#include "model/engine/kl_engine.h"
#include "model/klx_databasemanager.h"
#include "platform/klx_platform.h"
#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"
#include "tasks/klx_guicommandhandler.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"

struct BenchTransmitter {
  QTemporaryDir root;
  KLX_RuntimeDatabaseManager runtime;
  KLX_DataBaseManager db;
  KLX_GuiCommandHandler gui;
  KLX_VornHandler vorn;
  KLX_Protocol protocol;
  CSimControllers* sim = nullptr;
  bool prepared = false;

  // The board with its SD card under a temporary root named after the benchmark.
  explicit BenchTransmitter(const QString& name) : root(QDir::currentPath() + "/" + name + "-XXXXXX") {
    // The progress lines would time the terminal, not the work measured.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type != QtDebugMsg && type != QtInfoMsg) fprintf(stderr, "%s\n", qPrintable(text));
    });
    KLX_Platform::SetRoot(root.path());
    kl_engine_init_parameters(KL_BOARD_VORN);
    Board::Init(E_BoardVorn);
    prepared = CSimBoard(root.path(), CSimBoard::Vorn).Prepare();
  }
  ~BenchTransmitter() {
    vorn.KLX_VornHandlerStop();
    protocol.KLX_ProtocolClose();
    delete sim;
    Board::Free();
  }

  // The simulated controllers (set up by `setUp` before they serve) and the
  // program joined to them; false when any of it did not come up.
  bool Start(const std::function<void(CSimControllers&)>& setUp = {}) {
    if (!prepared) return false;
    sim = new CSimControllers(root.path());
    sim->SetStreaming(false);
    if (setUp) setUp(*sim);
    if (!sim->Serve(root.path() + "/run/can0")) return false;
    if (db.KLX_DataBaseManagerInitialize(&protocol, &vorn, &KLXlanguageHandler, &runtime) != KLX_Ok) return false;
    if (vorn.KLX_VornHandlerInitialize(&db, &protocol, &gui, &runtime) != KLX_Ok) return false;
    if (protocol.KLX_ProtocolInitialize(&db, &vorn) != KLX_Ok) return false;
    protocol.KLX_ProtocolStartProcessing();
    // The stand-in joins the server within its retry period.
    for (int i = 0; i < 300 && sim->Received(KLX_MSG_DIRECTIONS_REQUEST) == 0; ++i) {
      protocol.KLX_ProtocolSendMessage(0, nullptr, KLX_MSG_DIRECTIONS_REQUEST, KLX_NODE_APPLICATION);
      QThread::msleep(10);
    }
    if (sim->Received(KLX_MSG_DIRECTIONS_REQUEST) == 0) return false;
    // Normal operation, as after a start without a model.
    vorn.KLX_VornHandlerStartProcessing();
    vorn.KLX_VornHandlerRequestTask(KLX_VornTask::KLX_TASK_MOD_LOAD);
    vorn.KLX_VornHandlerSetResultTask(KLX_Error, KLX_VornTask::KLX_TASK_MOD_LOAD, KLX_VornTask::KLX_TASK_SOURCE_VORN);
    return true;
  }

  // The engine has finished what was queued.
  void WaitIdle() {
    int quiet = 0;
    while (quiet < 20) {
      const bool idle = vorn.KLX_VornHandlerEngine().KLX_ProcessVornCurrentTask() == 0 &&
                        vorn.KLX_VornHandlerGetState() == KLX_VornStateMachine::KLX_VORN_STATE_IDLE;
      quiet = idle ? quiet + 1 : 0;
      QThread::msleep(5);
    }
  }
};
