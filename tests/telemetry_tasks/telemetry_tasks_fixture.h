#pragma once
// The sensor tasks as the start-up chain and the screens run them: the task
// engine, the GUI command thread and the simulated transceiver with the
// sensors behind it, all on the test clock, in normal operation. What the
// screens hear comes through guiInformer, teleRescanDone and taskSetDataDone.
#include <QStringList>

#include <functional>

#include "tasks_units/tasks_units_fixture.h"
#include "telemetry/klx_telemetrie.h"

struct SensorRig : UnitRig {
  QObject relay;
  // teleRescanDone's sensor counts and taskSetDataDone's menus, as the test
  // thread hears them.
  QList<int> rescans;
  QList<int> setDone;

  SensorRig() {
    QObject::connect(&link.db, &KLX_DataBaseManager::teleRescanDone, &relay,
                     [this](int sensors, bool) { rescans << sensors; }, Qt::QueuedConnection);
    QObject::connect(&link.db, &KLX_DataBaseManager::taskSetDataDone, &relay, [this](int menu) { setDone << menu; },
                     Qt::QueuedConnection);
  }
  CSimSensors& Sensors() { return sim.Sensors(); }
  KLX_Telemetrie& Table() { return *link.db.KLX_DataBaseManagerGetTelemetrieObject(); }
  // The user's language and measure system.
  void Units(const char* language, int measure) {
    link.db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language(QLatin1String(language), AtomicDirSet, false);
    link.db.KLX_DataBaseManagerGetSet_SystemPropertiesMeasureSystem(measure, AtomicDirSet, false);
  }
  // QML's request with all six parameters; the GUI command thread takes it.
  bool Request(int task, std::initializer_list<int> para) {
    log->states.clear();
    int p[6] = {17, 17, 17, 17, 17, 17};
    int i = 0;
    for (int v : para) p[i++] = v;
    return link.gui.KLX_GuiCommandHandlerDoTask(task, p[0], p[1], p[2], p[3], p[4], p[5], QString(), QString(),
                                                QString()) == KLX_Ok &&
           Flushed() && Run(kFirstLook);
  }
  // Passes of the task engine until `done` holds, at most `passes`.
  bool Until(const std::function<bool()>& done, int passes = 400) {
    for (int pass = 0; pass < passes; ++pass) {
      QCoreApplication::processEvents();
      if (done()) return true;
      if (!Flushed() || !Run(kPass)) return false;
    }
    QCoreApplication::processEvents();
    return done();
  }
  // `n` passes of the task engine.
  bool Passes(int n) {
    int left = n;
    return Until([&] { return left-- <= 0; }, n + 1);
  }
  bool Idle() {
    return Until([&] { return Vorn().KLX_VornHandlerEngine().KLX_ProcessVornCurrentTask() == 0; });
  }
  // The messages of an id the controllers received since Mark(), in hexadecimal.
  QStringList Received(int id) {
    QStringList out;
    if (!Flushed()) return {QStringLiteral("(not flushed)")};
    for (const CSimMessage& m : sim.ReceivedMessages().mid(mark))
      if (m.id == id) out << QString::fromLatin1(m.data.toHex(' '));
    return out;
  }
};
