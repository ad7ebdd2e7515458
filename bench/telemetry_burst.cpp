// A dense sensor load through the desktop CAN stand-in: 20,000 live frames of
// 32 sensors (4 CAN frames each) into the sensor store, 16 telemetry
// controls and "Tele.log". Reported per CAN frame, as CPU time of the
// program's receiver thread:
//   recv_ns      the whole live path (reassembly, store, controls, own
//                sensor, record lines handed to the log writer);
//   floor_ns     the same frames reassembled alone (sent from a node the
//                program drops) plus the same log text appended with a log
//                file writer alone;
//   ratio        recv_ns / floor_ns (aim: 1.5 at most).
// The writer's own thread writes the file, with its lock released: the
// receiver never waits for it. wall_ns and floor_wall_ns: the burst's wall
// time per frame, with the live path and with the frames dropped.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <ctime>

#include "frame/klx_filewriter.h"
#include "frame/klx_languagehandler.h"
#include "link/klx_messageids.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "platform/klx_platform.h"
#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"
#include "sim/csimsensors.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"

namespace {
constexpr int kSensors = 32;
constexpr int kMessages = 20000;
constexpr int kFramesPerMessage = 4;  // a header and three data frames for 19 bytes
// A node the program drops after reassembly.
constexpr int kDroppedNode = 5;

qint64 ThreadCpuNs() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

qint64 WallNs() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// The CPU time of the program's receiver thread, from its schedule statistics.
QString ReceiverStat() {
  QDirIterator it("/proc/self/task", QDir::Dirs | QDir::NoDotAndDotDot);
  while (it.hasNext()) {
    const QString task = it.next();
    QFile comm(task + "/comm");
    if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "BackBoneReceive") return task + "/schedstat";
  }
  return QString();
}

qint64 CpuNsOf(const QString& stat) {
  QFile f(stat);
  if (!f.open(QIODevice::ReadOnly)) return 0;
  return f.readAll().split(' ').value(0).toLongLong();
}

struct Bus {
  QTemporaryDir root;
  KLX_RuntimeDatabaseManager runtime;
  KLX_DataBaseManager db;
  KLX_VornHandler vorn;
  KLX_Protocol protocol;
  CSimControllers* sim = nullptr;
  QString receiver;
  QList<QByteArray> frames;
  bool up = false;

  Bus() {
    KLX_Platform::SetRoot(root.path());
    if (!CSimBoard(root.path(), CSimBoard::Vorn).Prepare()) return;
    sim = new CSimControllers(root.path());
    sim->SetStreaming(false);
    if (!sim->Serve(root.path() + "/run/can0")) return;
    if (db.KLX_DataBaseManagerInitialize(&protocol, &vorn, &KLXlanguageHandler, &runtime) != KLX_Ok) return;
    if (protocol.KLX_ProtocolInitialize(&db, &vorn) != KLX_Ok) return;
    protocol.KLX_ProtocolStartProcessing();
    for (int i = 0; i < 300 && sim->Received(KLX_MSG_DIRECTIONS_REQUEST) == 0; ++i) {
      protocol.KLX_ProtocolSendMessage(0, nullptr, KLX_MSG_DIRECTIONS_REQUEST, KLX_NODE_APPLICATION);
      QThread::msleep(10);
    }
    receiver = ReceiverStat();
    up = sim->Received(KLX_MSG_DIRECTIONS_REQUEST) > 0 && !receiver.isEmpty();
    // 32 sensors of 32 values, described as the capture leaves them.
    KLX_Telemetrie* store = db.KLX_DataBaseManagerGetTelemetrieObject();
    store->KLX_TelemetrieLock();
    for (int s = 0; s < kSensors; ++s) {
      const int address = 10 + s;
      store->KLX_TelemetrieGetSet_SensorIsUsed(address, 1, AtomicDirSet);
      store->KLX_TelemetrieGetSet_SensorName(address, "Sensor", AtomicDirSet);
      for (int v = 0; v < 32; ++v) {
        store->KLX_TelemetrieGetSet_Slave_IsUsed(address, v, 1, AtomicDirSet);
        store->KLX_TelemetrieGetSet_Slave_SlaveLabel(address, v, "Value", AtomicDirSet);
        store->KLX_TelemetrieGetSet_Slave_DecPoint(address, v, 1, AtomicDirSet);
      }
    }
    store->KLX_TelemetrieUnlock();
    for (int t = 0; t < 16; ++t) {
      db.KLX_DataBaseManagerTeleControlGetSet_IsUsed(t, 1, AtomicDirSet, false);
      db.KLX_DataBaseManagerTeleControlGetSet_FullAddr(t, (t % 32) * 256 + 10 + t, AtomicDirSet, false);
    }
    for (int m = 0; m < kMessages; ++m) {
      int values[8];
      for (int i = 0; i < 8; ++i) values[i] = (m * 7 + i * 13) % 4000 - 2000;
      frames << CSimSensors::ValueFrame(10 + m % kSensors, 8 * ((m / kSensors) % 4), values);
    }
  }
  ~Bus() {
    protocol.KLX_ProtocolClose();
    delete sim;
  }
  bool WaitFrames(quint64 target) {
    for (int i = 0; i < 600000 && protocol.KLX_ProtocolFramesRead() < target; ++i) QThread::usleep(50);
    return protocol.KLX_ProtocolFramesRead() >= target;
  }
  // Sends the burst from `node`; the receiver's CPU and wall nanoseconds.
  bool Burst(int node, qint64* cpu, qint64* wall) {
    const quint64 target = protocol.KLX_ProtocolFramesRead() + quint64(frames.size()) * kFramesPerMessage;
    const qint64 cpu0 = CpuNsOf(receiver);
    const qint64 wall0 = WallNs();
    for (const QByteArray& f : frames) sim->Send(CSimControllers::Node(node), SimTransceiverSensorFrame, f);
    if (!WaitFrames(target)) return false;
    *wall = WallNs() - wall0;
    *cpu = CpuNsOf(receiver) - cpu0;
    return true;
  }
  QByteArray LogText() {
    QByteArray text;
    QDirIterator it(root.path() + "/Vorn/Log", {"*.log"}, QDir::Files, QDirIterator::Subdirectories);
    QStringList logs;
    while (it.hasNext()) logs << it.next();
    logs.sort();
    for (const QString& log : logs) {
      QFile f(log);
      if (f.open(QIODevice::ReadOnly)) text += f.readAll();
      QFile::remove(log);
    }
    return text;
  }
};

Bus& TheBus() {
  static Bus bus;
  return bus;
}

// The record texts as the handler hands them over: a line, with the time
// line in front of it when one precedes it.
QList<QByteArray> Writes(const QByteArray& log) {
  QList<QByteArray> writes;
  int start = log.indexOf("\r\n#SensorsTable\r\n");
  start = log.indexOf("\r\n#Time", start);
  while (start >= 0 && start < log.size()) {
    int end = log.indexOf("\r\n", log.at(start) == ':' ? start : log.indexOf(":", start));
    if (end < 0) break;
    end += 2;
    writes << log.mid(start, end - start);
    start = end;
  }
  return writes;
}

void BM_DenseSensorLoad(benchmark::State& state) {
  Bus& bus = TheBus();
  if (!bus.up) {
    state.SkipWithError("stand-in not up");
    return;
  }
  double recv = 0, floor = 0, reassembly = 0, writer = 0, wallNs = 0, floorWallNs = 0;
  for (auto _ : state) {
    KLX_DataBaseManager& db = bus.db;
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Bench", AtomicDirSet, false);
    if (db.KLX_DataBaseManagerStartTelemetry() != KLX_Ok) {
      state.SkipWithError("log not started");
      return;
    }
    db.KLX_DataBaseManagerResumeTelemetrie();
    qint64 cpu = 0, wall = 0, cpuFloor = 0, wallFloor = 0;
    if (!bus.Burst(SimNodeTransceiver, &cpu, &wall) || !bus.Burst(kDroppedNode, &cpuFloor, &wallFloor)) {
      state.SkipWithError("frames were lost");
      return;
    }
    db.KLX_DataBaseManagerGetTelemetrieHandler()->FinishWritingTelemetrie();
    const QList<QByteArray> writes = Writes(bus.LogText());
    // The same text through a log file writer alone, on this thread.
    KLX_FileWriter alone;
    const QString folder = bus.root.path() + "/Vorn/Log/";
    alone.KLX_FileWriterInitialize(32768, "Tele.log", folder, 0x300000, "Telemetry log", false);
    alone.KLX_FileWriterStart("Floor");
    const qint64 w0 = ThreadCpuNs();
    for (const QByteArray& w : writes) alone.KLX_FileWriterWritetoFile(w.constData(), w.size(), false);
    const qint64 writerNs = ThreadCpuNs() - w0;
    alone.KLX_FileWriterStop();
    bus.LogText();
    if (writes.size() < kMessages * 9 / 10) {
      state.SkipWithError(qPrintable(QString("only %1 record lines").arg(writes.size())));
      return;
    }
    const double frames = double(kMessages) * kFramesPerMessage;
    recv = cpu / frames;
    reassembly = cpuFloor / frames;
    writer = writerNs / frames;
    floor = reassembly + writer;
    wallNs = wall / frames;
    floorWallNs = wallFloor / frames;
    state.SetIterationTime(cpu / 1e9);
  }
  state.counters["recv_ns"] = recv;
  state.counters["reassembly_ns"] = reassembly;
  state.counters["writer_ns"] = writer;
  state.counters["floor_ns"] = floor;
  state.counters["ratio"] = recv / floor;
  state.counters["wall_ns"] = wallNs;
  state.counters["floor_wall_ns"] = floorWallNs;
  state.SetItemsProcessed(state.iterations() * kMessages * kFramesPerMessage);
}

BENCHMARK(BM_DenseSensorLoad)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
