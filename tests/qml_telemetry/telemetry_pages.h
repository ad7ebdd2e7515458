#pragma once
// The home screen with telemetry widgets placed: the simulated sensors
// captured and streaming, the widgets written to the page store as the
// set-up screens would, a ready model with its timers and alarms running,
// then the home screen with every frame of the shown page made.
#include <functional>

#include "qml_frame/qml_frame_fixture.h"
#include "sim/csimsensors.h"

namespace qmlframe {

constexpr unsigned kProcessingStarted = 0x33901;
constexpr unsigned kProcessingStopped = 0x33902;

// A value widget showing one value of one sensor: its element.
inline int AddValueWidget(KLX_DataBaseManager& db, int page, int x, int y, int size, int address, int index) {
  const int element = db.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(page, x, y, size);
  const int sensor = db.KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(page, element, address);
  db.KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(page, element, sensor, address, index);
  return element;
}

// `sensors` fills the bus before the start; `place` the pages after the capture.
inline bool StartWithWidgets(QmlFrame& f, const std::function<void(CSimSensors&)>& sensors,
                             const std::function<void(KLX_DataBaseManager&)>& place, int page = 0) {
  sensors(f.Controllers().Sensors());
  if (!f.Start()) return false;
  KLX_DataBaseManager& db = f.Db();
  // Without a model the start-up chain captured nothing: a rescan, as the
  // sensor menu offers it.
  if (db.KLX_DataBaseManagerRescanTelemetry() != 1) return false;
  if (!QTest::qWaitFor([&] { return db.KLX_DataBaseManagerTelemetrieGetIsCaptured() == KLX_True; }, kHangMs))
    return false;
  f.Controllers().SetStreaming(true);
  place(db);
  // As a model load ends: the timers and alarms run.
  f.Errors().Expect({kProcessingStarted, kProcessingStopped});
  f.System().RuntimeDatabase().KLX_RuntimeDatabaseManagerStartProcessing(false);
  const int frames = db.KLX_DataBaseManagerGUITelemetrieGetNumberTelemetieElementsInUse(page);
  db.KLX_DataBaseManagerGetSetModelLoadState(KLX_VornTask::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
  f.Root()->setProperty("lastTelePage", page);
  db.KLX_DataBaseManagerGetSetBootStatus(KLX_VornTask::KLX_BOOT_STATUS_NORMAL, AtomicDirSet);
  if (!f.WaitShown(kHome)) return false;
  return QTest::qWaitFor([&] { return f.Property("home", "widgets").toList().size() == frames; }, kHangMs);
}

}  // namespace qmlframe
