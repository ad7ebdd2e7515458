#include "frame/klx_version.h"

#include <QDebug>
#include <QFile>
#include <QTextStream>

#include <cstring>

#include "frame/klx_databasevalues.h"
#include "frame/klx_filenamehandler.h"

KLX_Version::KLX_Version() : QObject(nullptr) {
  std::memset(&m_Border, 0, sizeof(m_Border));
  m_Border.IndexMax[0] = 4;
  m_Border.IndexMax[1] = kEntries;
  m_Border.IndexMax[2] = kEntries;
  KLX_VersionSetToDefaultValues();
}

KLX_Version::~KLX_Version() = default;

int KLX_Version::KLX_VersionInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }

void KLX_Version::KLX_VersionSetToDefaultValues() {
  {
    QMutexLocker lock(&m_VersionMutex);
    for (auto& v : m_Versions) v = VersionEntry();
    m_Versions[0].major = kAppMajor;
    m_Versions[0].minor = kAppMinor;
  }
  m_SerialStick = 0;
  m_Update = UpdateData();
}

bool KLX_Version::ValidEntry(int entry) const {
  const int unused = 0;
  return KLX_BaseClassDatabaseCheckBorderIndex(&m_Border, &unused, &unused, &entry);
}

bool KLX_Version::KLX_VersionGetVersionRaw(unsigned char* major, unsigned char* minor, int entry) const {
  if (!ValidEntry(entry)) return false;
  QMutexLocker lock(&m_VersionMutex);
  if (major && minor) {
    *major = m_Versions[entry].major;
    *minor = m_Versions[entry].minor;
  }
  return true;
}

bool KLX_Version::KLX_VersionSetVersionRaw(unsigned char major, unsigned char minor, int entry) {
  if (!ValidEntry(entry)) return false;
  QMutexLocker lock(&m_VersionMutex);
  m_Versions[entry].major = major;
  m_Versions[entry].minor = minor;
  return true;
}

QString KLX_Version::KLX_VersionGetVersionString(int entry) const {
  if (!ValidEntry(entry)) return QString();
  QMutexLocker lock(&m_VersionMutex);
  const VersionEntry& v = m_Versions[entry];
  return QStringLiteral("%1.%2").arg(v.major).arg(v.minor) +
         QString::fromLatin1(v.suffix, static_cast<int>(strnlen(v.suffix, sizeof(v.suffix))));
}

int KLX_Version::KLX_VersionSerialStickSet(unsigned int serial) {
  m_SerialStick = serial;
  return KLX_Ok;
}

int KLX_Version::SetGetByte(uint8_t* field, int value, int get) {
  if (!get) *field = static_cast<uint8_t>(value);
  return *field;
}

int KLX_Version::KLX_UpdateSetGetVersion_Major_Updated(int value, int get) {
  return SetGetByte(&m_Update.updatedMajor, value, get);
}
int KLX_Version::KLX_UpdateSetGetVersion_Minor_Updated(int value, int get) {
  return SetGetByte(&m_Update.updatedMinor, value, get);
}
int KLX_Version::KLX_UpdateSetGetVersion_Major_Installed(int value, int get) {
  return SetGetByte(&m_Update.installedMajor, value, get);
}
int KLX_Version::KLX_UpdateSetGetVersion_Minor_Installed(int value, int get) {
  return SetGetByte(&m_Update.installedMinor, value, get);
}
int KLX_Version::KLX_UpdateSetGetVersion_UpdateFlag(int value, int get) {
  return SetGetByte(&m_Update.updateFlag, value, get);
}
int KLX_Version::KLX_UpdateSetGetForceUpdate(int value, int get) {
  return SetGetByte(&m_Update.forceUpdate, value, get);
}

QString KLX_Version::KLX_InstalledSetGetUpdateDate(QString date, int get) {
  if (!get) m_Update.installedDate = date;
  return m_Update.installedDate;
}

QString KLX_Version::KLX_UpdateSetGetPendingFor(QString version, int get) {
  if (!get) m_Update.pendingFor = version;
  return m_Update.pendingFor;
}

KLX_Version::DeviceEntry* KLX_Version::Device(const QString& name) {
  for (auto& d : m_Update.devices)
    if (!d.name.isEmpty() && d.name == name) return &d;
  return nullptr;
}

int KLX_Version::KLX_UpdateSetGetDeviceVersion_Major(int value, QString name, int get) {
  DeviceEntry* d = Device(name);
  return d ? SetGetByte(&d->major, value, get) : 0;
}
int KLX_Version::KLX_UpdateSetGetDeviceVersion_Minor(int value, QString name, int get) {
  DeviceEntry* d = Device(name);
  return d ? SetGetByte(&d->minor, value, get) : 0;
}
int KLX_Version::KLX_UpdateSetGetDeviceTyp(int value, QString name, int get) {
  DeviceEntry* d = Device(name);
  if (!d) return 0;
  if (!get) d->type = value;
  return d->type;
}
QString KLX_Version::KLX_UpdateSetGetDeviceFilename(QString file, QString name, int get) {
  DeviceEntry* d = Device(name);
  if (!d) return QString();
  if (!get) d->updateFile = file;
  return d->updateFile;
}
QString KLX_Version::KLX_InstalledSetGetDeviceFilename(QString file, QString name, int get) {
  DeviceEntry* d = Device(name);
  if (!d) return QString();
  if (!get) d->installedFile = file;
  return d->installedFile;
}
int KLX_Version::KLX_UpdateSetGetDeviceFWRewrittenFlag(QString name, int get) {
  DeviceEntry* d = Device(name);
  if (!d) return 0;
  if (!get) d->rewritten = 1;
  return d->rewritten;
}

QString KLX_Version::KLX_UpdateSet_DeviceName(QString name) {
  if (Device(name)) return QString();
  for (auto& d : m_Update.devices) {
    if (d.name.isEmpty()) {
      d.name = name;
      return name;
    }
  }
  return QString();
}

QString KLX_Version::KLX_UpdateGet_DeviceNameAtIndex(int index) const {
  return (index >= 0 && index < kDevices) ? m_Update.devices[index].name : QString();
}

Info& Info::Instance() {
  static Info info;
  return info;
}

void Info::Init() {
  m_AppMajor = KLX_Version::kAppMajor;
  m_AppMinor = KLX_Version::kAppMinor;
  m_AppText = QStringLiteral("%1.%2").arg(m_AppMajor).arg(m_AppMinor);
  m_LinuxValid = false;
  QFile f(KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QStringLiteral("/etc/version")));
  if (f.exists() && f.open(QIODevice::ReadOnly | QIODevice::Text)) {
    const QString line = QTextStream(&f).readLine();
    const int dot = line.indexOf('.');
    if (dot >= 0) {
      m_LinuxMajor = static_cast<uint8_t>(line.left(dot).trimmed().toInt());
      m_LinuxMinor = static_cast<uint8_t>(line.mid(dot + 1).trimmed().toInt());
      m_LinuxValid = true;
    }
  }
  qDebug().noquote() << QStringLiteral("  ->   Linux version:       %1").arg(LinuxVersionText());
}

QString Info::LinuxVersionText() const {
  return m_LinuxValid ? QStringLiteral("%1.%2").arg(m_LinuxMajor).arg(m_LinuxMinor) : QStringLiteral("--.--");
}
