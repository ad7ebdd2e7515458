#pragma once
// The model loader, the binding configuration and the switch-off check in
// the test's process, against the simulated transceiver controller on the
// test clock, in normal operation. A small model is saved to its file so
// that a load has something to read.
#include <QStringList>

#include <functional>

#include "tasks/tasks_fixture.h"
#include "frame/klx_xmlfilehandler.h"
#include "sim/csimmodel.h"

// The program's messages to the transceiver's model as words: "S" load
// start, "E" end, "X" stop, "Hk:u:c" unit header (kind, used, count),
// "Uk.i" a unit (kind, index), "C" the model checksum, "Pn" checksum part n,
// "R" ready, "F1"/"F0" controls frozen/released, "O" power off.
inline QString LoadTrace(const QList<CSimMessage>& messages) {
  QStringList words;
  for (const CSimMessage& m : messages) {
    const auto b = [&m](int i) { return i < m.data.size() ? int(quint8(m.data[i])) : -1; };
    const int kind = m.isLong ? CSimModel::KindOfUnitMessage(m.id) : -1;
    if (kind >= 0) {
      words << QStringLiteral("U%1.%2").arg(kind).arg(b(0));
    } else if (m.id == SimLoader) {
      switch (b(1)) {
        case SimLoaderStart: words << "S"; break;
        case SimLoaderEnd: words << "E"; break;
        case SimLoaderStop: words << "X"; break;
        case SimLoaderChecksum: words << "C"; break;
        case SimLoaderHeader: words << QStringLiteral("H%1:%2:%3").arg(b(2)).arg(b(3)).arg(b(4)); break;
        default: words << QStringLiteral("?%1").arg(b(1)); break;
      }
    } else if (m.id == SimChecksumPartRequest) {
      words << QStringLiteral("P%1").arg(b(0));
    } else if (m.id == SimAppReady) {
      words << "R";
    } else if (m.id == SimLockControls) {
      words << QStringLiteral("F%1").arg(b(0));
    } else if (m.id == SimPowerOff) {
      words << "O";
    }
  }
  return words.join(' ');
}

struct LoadRig : TaskRig {
  KLX_XMLFileHandler files{QStringLiteral("LoadRig")};
  KLX_ModelLoader* loader = nullptr;  // see UseLoader
  int mark = 0;

  // Up in normal operation, as after a start-up without a model.
  bool Up() {
    if (!Start() || files.KLX_XMLFileHandlerInitialize(&Db()) != KLX_Ok) return false;
    StartProcessing();
    ToNormalMode();
    return true;
  }
  // Function 0 and servo 0 in use, the special switch at 100, -200, 300,
  // -400, and what `more` sets; saved under `name` in `folder` (the plane
  // folder when empty).
  bool SaveModel(const QString& name, const QString& folder = QString(),
                 const std::function<void(KLX_DataBaseManager&)>& more = {}) {
    KLX_DataBaseManager& db = Db();
    if (more) more(db);
    db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 1, AtomicDirSet, false);
    db.KLX_DataBaseManagerServoConfigGetSet_IsUsed(0, 1, AtomicDirSet, false);
    const int special[4] = {100, -200, 300, -400};
    for (int i = 0; i < 4; ++i) db.KLX_DataBaseManagerSpecialSwitchGetSet_Value(i, special[i], AtomicDirSet, false);
    const bool saved =
        files.KLX_XMLFileHandlerWriteModelFile(name + ".xml", name, KLX_DatabaseValues::MODEL_TYP_Plane, folder) ==
        KLX_Ok;
    // The load reads the file: nothing of the model is left in the stores.
    db.KLX_DataBaseManagerResetAllModelData();
    return saved;
  }
  // A model load request of the pipeline; fast asks for the fast start.
  void QueueLoad(const QString& name, bool fast = false, const QString& folder = QString(), int timeoutMs = 15000) {
    Task_Data_T t;
    t.task = KLX_VornTask::KLX_TASK_MOD_LOAD;
    t.paraint1 = KLX_DatabaseValues::MODEL_TYP_Plane;
    t.paraint2 = fast ? int(KLX_VornTask::KLX_TASK_PARA_MODEL_FastStart) : int(KLX_VornTask::KLX_TASK_PARA_NONE);
    KLX_TaskSetText(t.parastr1, name);
    KLX_TaskSetText(t.parastr3, folder);
    t.timeout = timeoutMs;
    t.repeat = 3;
    t.source = KLX_VornTask::KLX_TASK_SOURCE_VORN;
    Vorn().KLX_VornHandlerQueueProcessTask(t);
  }
  // The loader's messages since the last Mark().
  QString Trace() { return LoadTrace(sim.ReceivedMessages().mid(mark)); }
  void Mark() { mark = sim.ReceivedMessages().size(); }
  // The small model saved as "Glider" and loaded: both sides hold it.
  bool Loaded() {
    if (!SaveModel("Glider")) return false;
    QueueLoad("Glider");
    if (!QTest::qWaitFor([&] { return sim.TransceiverController().Seen().loadsEnded > 0; }, kHangMs) || !Idle())
      return false;
    // The binding step after the load asks the controller's binding state
    // without waiting for the answer, which would reach the next task a case
    // starts: the step has asked (it may start only after the load looks
    // idle), the controller has answered every such request and one round
    // trip has passed before a case goes on.
    const auto answered = [&] {
      const int requests = sim.Received(SimBindStateRequest) + sim.Received(SimBindNewRequest);
      return requests > 0 && sim.Sent(CSimControllers::Transceiver, SimTransceiverBindConfig) >= requests;
    };
    return QTest::qWaitFor(answered, kHangMs) && Flushed();
  }
  // The clock moved by each step in turn, each once the exchange the last
  // one started has come to rest.
  bool Steps(const QList<int>& steps) {
    for (int ms : steps)
      if (!AtRest() || !Run(ms)) return false;
    return true;
  }
  // Loads served by a loader of the case's own (made before the rig): it
  // reads the file beside the load in real time, so a clock step waits for
  // a read under way, which would otherwise end only after the load's time
  // had run on without it.
  void UseLoader(KLX_ModelLoader* own) {
    loader = own;
    own->KLX_ModelLoaderSetClock(&clock);
    Vorn().KLX_VornHandlerEngine().KLX_ProcessVornSetTaskObject(KLX_VornTask::KLX_TASK_MOD_LOAD, own);
  }
  // Settled, with no read of the file begun or under way meanwhile.
  bool AtRest() {
    if (!loader) return Settled();
    QDeadlineTimer deadline(kHangMs);
    do {
      const int begun = loader->KLX_ModelLoaderReadsBegun();
      if (loader->KLX_ModelLoaderReadsEnded() == begun && Settled() && loader->KLX_ModelLoaderReadsBegun() == begun)
        return true;
      QThread::usleep(100);
    } while (!deadline.hasExpired());
    return false;
  }
  // The engine has nothing left to do.
  bool Idle() {
    return QTest::qWaitFor(
        [&] {
          return Vorn().KLX_VornHandlerEngine().KLX_ProcessVornCurrentTask() == 0 &&
                 Vorn().KLX_VornHandlerGetState() == KLX_VornStateMachine::KLX_VORN_STATE_IDLE;
        },
        kHangMs);
  }
};
