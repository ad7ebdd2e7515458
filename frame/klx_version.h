#pragma once
// Versions of the program's parts and the bookkeeping of the system update:
// the announced package, the devices it contains, what was installed when.
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>

#include "frame/klx_basedatabase.h"

class KLX_Protocol;

class KLX_Version : public QObject, public KLX_DataBaseTransmitter, public KLX_BaseClassDatabase {
  Q_OBJECT
 public:
  static constexpr int kEntries = 3;
  static constexpr int kDevices = 20;
  static constexpr int kAppMajor = 3;
  static constexpr int kAppMinor = 90;

  KLX_Version();
  ~KLX_Version() override;

  int KLX_VersionInitialize(KLX_Protocol* protocol);
  void KLX_VersionSetToDefaultValues();

  // entry 0 this application, 1 the transceiver controller, 2 the stick controller.
  bool KLX_VersionGetVersionRaw(unsigned char* major, unsigned char* minor, int entry) const;
  bool KLX_VersionSetVersionRaw(unsigned char major, unsigned char minor, int entry);
  QString KLX_VersionGetVersionString(int entry) const;
  bool KLX_VersionVornLinuxAppGetVersion(unsigned char* major, unsigned char* minor) const {
    return KLX_VersionGetVersionRaw(major, minor, 0);
  }
  QString KLX_VersionVornLinuxAppGetVersion() const { return KLX_VersionGetVersionString(0); }
  bool KLX_VersionVornTransAppGetVersion(unsigned char* major, unsigned char* minor) const {
    return KLX_VersionGetVersionRaw(major, minor, 1);
  }
  QString KLX_VersionVornTransAppGetVersion() const { return KLX_VersionGetVersionString(1); }
  bool KLX_VersionVornTransAppSetVersion(unsigned char major, unsigned char minor) {
    return KLX_VersionSetVersionRaw(major, minor, 1);
  }
  bool KLX_VersionVornStickAppGetVersion(unsigned char* major, unsigned char* minor) const {
    return KLX_VersionGetVersionRaw(major, minor, 2);
  }
  QString KLX_VersionVornStickAppGetVersion() const { return KLX_VersionGetVersionString(2); }
  bool KLX_VersionVornStickAppSetVersion(unsigned char major, unsigned char minor) {
    return KLX_VersionSetVersionRaw(major, minor, 2);
  }
  int KLX_VersionSerialStickSet(unsigned int serial);
  QString KLX_VersionSerialStickGet() const { return QString::number(m_SerialStick.load()); }

  int KLX_UpdateSetGetVersion_Major_Updated(int value, int get);
  int KLX_UpdateSetGetVersion_Minor_Updated(int value, int get);
  int KLX_UpdateSetGetVersion_Major_Installed(int value, int get);
  int KLX_UpdateSetGetVersion_Minor_Installed(int value, int get);
  int KLX_UpdateSetGetVersion_UpdateFlag(int value, int get);
  int KLX_UpdateSetGetForceUpdate(int value, int get);
  QString KLX_InstalledSetGetUpdateDate(QString date, int get);
  // The application version ("major.minor") the pending update is for;
  // empty when the mark names none.
  QString KLX_UpdateSetGetPendingFor(QString version, int get);

  int KLX_UpdateSetGetDeviceVersion_Major(int value, QString name, int get);
  int KLX_UpdateSetGetDeviceVersion_Minor(int value, QString name, int get);
  int KLX_UpdateSetGetDeviceTyp(int value, QString name, int get);
  QString KLX_UpdateSetGetDeviceFilename(QString file, QString name, int get);
  QString KLX_InstalledSetGetDeviceFilename(QString file, QString name, int get);
  int KLX_UpdateSetGetDeviceFWRewrittenFlag(QString name, int get);
  QString KLX_UpdateSet_DeviceName(QString name);
  QString KLX_UpdateGet_DeviceNameAtIndex(int index) const;

 private:
  struct VersionEntry {
    uint8_t major = 0;
    uint8_t minor = 0;
    char suffix[11] = {};
  };
  struct DeviceEntry {
    QString name;
    QString updateFile;
    uint8_t major = 0;
    uint8_t minor = 0;
    int type = 0;
    QString installedFile;
    uint8_t rewritten = 0;
  };
  struct UpdateData {
    uint8_t updateFlag = 0;
    uint8_t forceUpdate = 0;
    uint8_t updatedMajor = 0;
    uint8_t updatedMinor = 0;
    uint8_t installedMajor = 0;
    uint8_t installedMinor = 0;
    DeviceEntry devices[kDevices];
    QString installedDate;
    QString pendingFor;
  };

  bool ValidEntry(int entry) const;
  DeviceEntry* Device(const QString& name);
  static int SetGetByte(uint8_t* field, int value, int get);

  // The controllers' versions and serial number are written by the task
  // engine at synchronisation and read by QML.
  mutable QMutex m_VersionMutex;
  VersionEntry m_Versions[kEntries];
  std::atomic<uint32_t> m_SerialStick{0};
  BorderData_T m_Border;
  UpdateData m_Update;
};

// The process-wide version facts read once: the operating-system image
// version and this application's version.
class Info {
 public:
  static Info& Instance();
  void Init();
  bool LinuxVersionValid() const { return m_LinuxValid; }
  int LinuxMajor() const { return m_LinuxMajor; }
  int LinuxMinor() const { return m_LinuxMinor; }
  // "%1.%2" of the operating-system version, "--.--" when unknown.
  QString LinuxVersionText() const;
  int AppMajor() const { return m_AppMajor; }
  int AppMinor() const { return m_AppMinor; }
  QString AppVersionText() const { return m_AppText; }

 private:
  Info() = default;
  uint8_t m_LinuxMajor = 0;
  uint8_t m_LinuxMinor = 0;
  bool m_LinuxValid = false;
  uint8_t m_AppMajor = 0;
  uint8_t m_AppMinor = 0;
  QString m_AppText;
};
