#include "sim/csimupdatepeers.h"

#include "sim/csimcontrollers.h"

QString CSimUpdatePeers::Summary() const {
  const CSimControllers::Persistent p = m_Bus.State();
  auto controller = [](const char* name, int major, int minor, const CSimBootLoader& boot) {
    const CSimBootLoader::Counters seen = boot.Seen();
    const char* state = boot.State() == CSimBootLoader::Application ? "application runs"
                        : boot.State() == CSimBootLoader::UpdateMode ? "boot loader, update mode"
                                                                     : "boot loader waits";
    return QStringLiteral("%1 %2.%3 (%4; rows written %5, refused %6, restarts %7)")
        .arg(QLatin1String(name))
        .arg(major)
        .arg(minor)
        .arg(QLatin1String(state))
        .arg(seen.rowsWritten)
        .arg(seen.writesRefused)
        .arg(seen.restarts);
  };
  const CSimModem::Counters modem = m_Modem.Seen();
  return QStringLiteral("firmware: %1; %2; modem %3, receiver %4.%5 (rows written %6, restarts %7)")
      .arg(controller("stick controller", p.stickMajor, p.stickMinor, m_Stick),
           controller("transceiver controller", p.transceiverMajor, p.transceiverMinor, m_Transceiver),
           m_Modem.ModemOn() ? QStringLiteral("on") : QStringLiteral("off"))
      .arg(m_Modem.ReceiverVersion() / 256)
      .arg(m_Modem.ReceiverVersion() % 256)
      .arg(modem.rowsWritten)
      .arg(modem.restarts);
}
