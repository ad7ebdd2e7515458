#include "sim/csimwlan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringList>

namespace {
QJsonObject Read(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return QJsonObject();
  return QJsonDocument::fromJson(f.readAll()).object();
}

bool Write(const QString& path, const QJsonObject& o) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile f(path);
  const QByteArray text = QJsonDocument(o).toJson();
  return f.open(QIODevice::WriteOnly) && f.write(text) == text.size() && f.commit();
}
}  // namespace

const CSimWlan::Network& CSimWlan::Joinable() {
  static const Network airfield{QStringLiteral("Airfield"), -52, QStringLiteral("thermal-lift-7"),
                                QStringLiteral("192.168.4.23"), true};
  return airfield;
}

QList<CSimWlan::Network> CSimWlan::DefaultNetworks() {
  return {Joinable(),
          {QStringLiteral("Clubhouse"), -67, QStringLiteral("members-only-4711"), QStringLiteral("10.0.0.57"), true},
          {QStringLiteral("Hangar 2"), -84, QStringLiteral("hangar-door-open"), QStringLiteral("192.168.7.12"), true}};
}

bool CSimWlan::Prepare() const {
  QFile::remove(StateFile());
  return QFileInfo::exists(ScenarioFile()) || SetNetworks(DefaultNetworks());
}

bool CSimWlan::SetNetworks(const QList<Network>& networks) const {
  QJsonArray list;
  for (const Network& n : networks)
    list.append(QJsonObject{{QStringLiteral("ssid"), n.ssid},
                            {QStringLiteral("signal"), n.signal},
                            {QStringLiteral("passphrase"), n.passphrase},
                            {QStringLiteral("address"), n.address},
                            {QStringLiteral("inRange"), n.inRange}});
  QJsonObject o = Read(ScenarioFile());
  o.insert(QStringLiteral("networks"), list);
  return Write(ScenarioFile(), o);
}

QList<CSimWlan::Network> CSimWlan::Networks() const {
  QList<Network> networks;
  for (const QJsonValue& v : Read(ScenarioFile()).value(QStringLiteral("networks")).toArray()) {
    const QJsonObject n = v.toObject();
    networks.append({n.value(QStringLiteral("ssid")).toString(), n.value(QStringLiteral("signal")).toInt(-60),
                     n.value(QStringLiteral("passphrase")).toString(), n.value(QStringLiteral("address")).toString(),
                     n.value(QStringLiteral("inRange")).toBool(true)});
  }
  return networks;
}

bool CSimWlan::SetInRange(const QString& ssid, bool inRange) const {
  QList<Network> networks = Networks();
  bool found = false;
  for (Network& n : networks) {
    if (n.ssid != ssid) continue;
    n.inRange = inRange;
    found = true;
  }
  return found && SetNetworks(networks);
}

bool CSimWlan::Change(const char* section, const QString& key, const QJsonValue& value) const {
  QJsonObject o = Read(ScenarioFile());
  QJsonObject part = o.value(QLatin1String(section)).toObject();
  if (value.isNull())
    part.remove(key);
  else
    part.insert(key, value);
  o.insert(QLatin1String(section), part);
  return Write(ScenarioFile(), o);
}

bool CSimWlan::SetExit(const QString& command, int code) const { return Change("exit", command, code); }

bool CSimWlan::SetOutput(const QString& command, const QString& text) const {
  return Change("output", command, text.isNull() ? QJsonValue() : QJsonValue(text));
}

QString CSimWlan::Summary() const {
  QStringList inRange, away;
  QString joinable;
  for (const Network& n : Networks()) {
    (n.inRange ? inRange : away) << QStringLiteral("%1 (%2 dBm)").arg(n.ssid).arg(n.signal);
    if (n.ssid == Joinable().ssid) joinable = n.passphrase;
  }
  QString text = QStringLiteral("WLAN networks in range: %1").arg(inRange.isEmpty() ? QStringLiteral("none") : inRange.join(", "));
  if (!away.isEmpty()) text += QStringLiteral("; out of range: ") + away.join(", ");
  if (!joinable.isEmpty())
    text += QStringLiteral("\n  %1 joins with the passphrase \"%2\" (main menu, Settings, WiFi)").arg(Joinable().ssid, joinable);
  return text;
}

QString CSimWlan::StateSummary() const {
  const QJsonObject s = Read(StateFile());
  QStringList parts;
  parts << (s.value(QStringLiteral("up")).toBool() ? QStringLiteral("interface up") : QStringLiteral("interface down"));
  if (s.value(QStringLiteral("supplicant")).toBool()) {
    QStringList names;
    for (const QJsonValue& v : s.value(QStringLiteral("networks")).toArray())
      names << v.toObject().value(QStringLiteral("ssid")).toString();
    parts << QStringLiteral("supplicant running with %1").arg(names.isEmpty() ? QStringLiteral("no network") : names.join(", "));
  }
  if (s.value(QStringLiteral("dhcp")).toBool()) parts << QStringLiteral("DHCP client running");
  return QStringLiteral("WLAN: ") + parts.join(", ");
}
