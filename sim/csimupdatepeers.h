#pragma once
// What a firmware update reaches on the simulated bus: the boot loaders of
// the stick and the transceiver controller, and the transceiver's modem mode
// with a receiver behind it, hooked into the bus as one.
#include <QString>

#include "sim/csimbootloader.h"
#include "sim/csimmodem.h"

class CSimUpdatePeers {
 public:
  explicit CSimUpdatePeers(CSimControllers& bus)
      : m_Bus(bus), m_Stick(bus, CSimBootLoader::Stick), m_Transceiver(bus, CSimBootLoader::Transceiver), m_Modem(bus) {}

  // True when one of them took the message.
  bool Handle(const CSimMessage& m) { return m_Stick.Handle(m) || m_Transceiver.Handle(m) || m_Modem.Handle(m); }
  void PowerUp() {
    m_Stick.PowerUp();
    m_Transceiver.PowerUp();
  }

  CSimBootLoader& Stick() { return m_Stick; }
  CSimBootLoader& Transceiver() { return m_Transceiver; }
  CSimModem& Modem() { return m_Modem; }
  // One line for the console: the versions and what the updates did.
  QString Summary() const;

 private:
  CSimControllers& m_Bus;
  CSimBootLoader m_Stick;
  CSimBootLoader m_Transceiver;
  CSimModem m_Modem;
};
