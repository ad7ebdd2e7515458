#pragma once
// The program's message layer and the simulated controllers on one
// socketpair, the controllers streaming on a clock the test steps.
#include "linkrig.h"

#include "frame/klx_clock.h"
#include "sim/csimcontrollers.h"
#include "sim/csimmessageids.h"

// Every message the simulator sent before has passed the program's handlers
// once a system data message carrying `marker` has.
inline bool Settled(CSimControllers& sim, LinkRig& rig, int marker) {
  sim.Send(CSimControllers::Stick, SimStickSystemData, Le16s({marker, 0, 0, 0}));
  return QTest::qWaitFor(
      [&] { return rig.db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Voltage(0, 1) == marker; }, 3000);
}

struct SimRig {
  LinkRig link;
  KLX_ManualClock clock;
  CSimControllers sim{link.root.Path()};

  SimRig() { sim.SetClock(&clock); }
  // The controllers start streaming at once, at the clock's present time.
  bool Start() { return link.Start() && sim.Attach(link.TakePeer()); }
  // Lets `ms` pass for the controllers and waits until the program has all they sent.
  bool Step(int ms, int marker) { return clock.KLX_ManualClockRun(ms) && Settled(sim, link, marker); }
};
