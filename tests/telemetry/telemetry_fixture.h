#pragma once
// The program's message layer and the simulated controllers with their
// sensors on one socketpair. Streaming is off unless a test asks: the test
// sends each sensor frame itself and waits until the receiver has handled
// it, or lets the controllers poll their sensors on a clock it steps. The
// telemetry log runs on a Unix time the test sets.
#include <QtTest>

#include <atomic>

#include "sim/csimmessageids.h"
#include "sim/csimsensors.h"
#include "telemetry/klx_telemetriehandler.h"
#include "vorn_fixture.h"

struct TelemetryFixture : VornFixture {
  VornFixture& link{*this};
  CSimControllers& sim{Controllers()};
  // The log's clock: Unix seconds.
  std::atomic<qint64> unixTime{0x65A1B2C0};
  quint64 framesSent = 0;

  explicit TelemetryFixture(bool streaming = false) { sim.SetStreaming(streaming); }
  ~TelemetryFixture() override {
    sim.Detach();
    Handler()->KLX_TelemetrieHandlerSetClock(nullptr);
  }
  bool Start() {
    if (!UpOnBus(WithControllers)) return false;
    Handler()->KLX_TelemetrieHandlerSetClock([this] { return unixTime.load(); });
    return true;
  }
  KLX_TelemetrieHandler* Handler() { return db.KLX_DataBaseManagerGetTelemetrieHandler(); }
  KLX_Telemetrie* Store() { return db.KLX_DataBaseManagerGetTelemetrieObject(); }

  // CAN frames of a message: one short frame, or a header and 8-byte data frames.
  static quint64 FramesOf(int length) { return length <= 8 ? 1 : 1 + quint64(length + 7) / 8; }
  void Send(int id, const QByteArray& data) {
    sim.Send(CSimControllers::Transceiver, id, data);
    framesSent += FramesOf(data.size());
  }
  void Frame(const QByteArray& frame) { Send(SimTransceiverSensorFrame, frame); }
  void Values(int address, int first, std::initializer_list<int> values, bool alarm = false) {
    int v[8] = {};
    int i = 0;
    for (int x : values) v[i++] = x;
    Frame(CSimSensors::ValueFrame(address, first, v, alarm));
  }
  void Silent(int address) { Send(SimTransceiverSensorSilent, QByteArray(1, char(address))); }
  // Every frame sent so far has passed the program's handlers (streaming off;
  // while streaming, Marked waits for a marker behind them instead).
  bool Marked(int marker) {
    sim.Send(CSimControllers::Stick, SimStickSystemData, Le16s({marker, 0, 0, 0}));
    return QTest::qWaitFor(
        [&] { return db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(0, AtomicDirGet) == marker; }, kVornHangMs);
  }
  bool Settled() {
    return QTest::qWaitFor([&] { return link.protocol.KLX_ProtocolFramesRead() >= framesSent; }, kVornHangMs);
  }
  // Streaming: lets `ms` pass for the controllers and waits for what they sent.
  bool Step(int ms, int marker) { return clock.KLX_ManualClockRun(ms) && Marked(marker); }

  // The sensor table as the capture leaves it: a used sensor and its values.
  void Describe(int address, const char* name, std::initializer_list<int> values) {
    KLX_Telemetrie* t = Store();
    t->KLX_TelemetrieLock();
    t->KLX_TelemetrieGetSet_SensorIsUsed(address, 1, AtomicDirSet);
    t->KLX_TelemetrieGetSet_SensorMainAdress(address, address, AtomicDirSet);
    t->KLX_TelemetrieGetSet_SensorName(address, name, AtomicDirSet);
    t->KLX_TelemetrieGetSet_NumberOfSensorValues(address, int(values.size()), AtomicDirSet);
    for (int v : values) t->KLX_TelemetrieGetSet_Slave_IsUsed(address, v, 1, AtomicDirSet);
    t->KLX_TelemetrieUnlock();
  }
  void DescribeValue(int address, int value, const char* label, const char* unit, int decimals) {
    KLX_Telemetrie* t = Store();
    t->KLX_TelemetrieLock();
    t->KLX_TelemetrieGetSet_Slave_IsUsed(address, value, 1, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_SlaveLabel(address, value, label, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_SlaveUnit(address, value, unit, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_DecPoint(address, value, decimals, AtomicDirSet);
    t->KLX_TelemetrieUnlock();
  }
};
