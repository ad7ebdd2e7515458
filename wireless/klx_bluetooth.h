#pragma once
// The Bluetooth manager (published as "BTConnection"): switches the adapter,
// runs discovery, lists, recognises, connects and removes headsets and
// head-up glasses through BlueZ on the system bus, follows the headset that
// carries audio, keeps the glasses object while BlueZ holds the glasses, and
// supervises Bluetooth audio (one guard per headset PCM).
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include "wireless/klx_bluezhelpers.h"
#include "wireless/klx_headupdata.h"
#include "wireless/unixsocketserver.h"

class ActiveLookGlasses;
class Guard;
class KLX_DataBaseManager;

class KLX_Bluetooth : public QObject {
  Q_OBJECT
 public:
  // Bus names shared by every Bluetooth part.
  static const QString org_bluez;
  static const QString org_bluealsa;
  static const QString root_node;
  static const QString path_bluealsa;
  static const QString hci0_path;
  static const QString devPattern;
  static const QString ObjManager;
  static const QString iface_Properties;
  static const QString iface_Introspect;
  static const QString iface_Adapter1;
  static const QString iface_Device1;
  static const QString iface_GattService1;
  static const QString iface_GattChar1;
  static const QString iface_MediaTransport1;
  static const QString iface_MediaControl1;
  static const QString iface_BLUEALSA_PCM1;

  // The fixed path of the audio-loop process's report socket.
  static const QString kReportSocket;

  explicit KLX_Bluetooth(QObject* parent = nullptr);
  ~KLX_Bluetooth() override;

  void initDBM(KLX_DataBaseManager* db) { m_Db = db; }
  Q_INVOKABLE bool powerStatus();
  Q_INVOKABLE bool powerON();
  Q_INVOKABLE bool powerOFF();
  Q_INVOKABLE void scanStart();
  Q_INVOKABLE void scanStop();
  Q_INVOKABLE QStringList getDevicesList();
  Q_INVOKABLE bool removeDev(QString mac);
  Q_INVOKABLE void connectDev(QString mac);
  Q_INVOKABLE QString getActiveALSADeviceMac() const { return m_ActiveAudioDevice; }
  Q_INVOKABLE bool isConnectAllowed() const { return m_DevCount < m_MaxDevices; }
  void initSearchLoop(QString mac) { emit searchForKnownDevice_sig(mac); }

  int devCount() const { return m_DevCount; }
  void setDevCount(int n);
  void incDevCount();
  void decDevCount();
  ActiveLookGlasses* glasses() const { return m_Glasses; }
  const QMap<QString, Guard*>& guards() const { return m_Guards; }
  bool reportSocketListening() const { return m_Gather.isListening(); }
  void doBtDeviceDisconnect(QString devicePath);

  // Periods of the guards (decay, recovery) and of the known-device search,
  // shortened by tests; the product keeps 4000, 5000 and 5000 ms.
  void SetPeriods(int decayMs, int recoveryMs, int searchMs);

  bool isDeviceBTHeadset(const InterfaceList& interfaces) const;
  bool isDeviceBTGlasses(const QString& path, const InterfaceList& interfaces) const;

 public slots:
  void interfaceRemoved(QDBusObjectPath path, QStringList iList);
  void interfaceAdded(QDBusObjectPath path, InterfaceList iList);
  void onHeadupFreshData(HeadupWindowData list);
  void onGlassesOuputReady();
  void btSafeBLEDevice(QString macAddr);
  void handleReply(QDBusPendingCallWatcher* watcher);
  void searchForKnownDevice_slot(QString macAddr);

  void ifaceBlueAlsaRemoved(QDBusObjectPath path, QStringList iList);
  void ifaceBlueAlsaAdded(QDBusObjectPath path, InterfaceList iList);
  void bluealsaUnderrun(QString macAddr);
  void bluealsaOverrun();
  void onEmergencyDisconnect(QString macAddr);
  void onReconnectDeviceRequest(QString mac);
  void onDestroyGuard(QString obj_path);

 signals:
  void btNewDevice(QString nameDev, QString macAddr);
  void btDelDevice(QString macAddr);
  void sendResult(int result);
  void btA2DP_DeviceON(QString macAddr);
  void btA2DP_DeviceOFF(QString macAddr);
  void searchForKnownDevice_sig(QString macAddr);
  void reconnectDeviceReply(bool res);

 private:
  using RemovalHandler = void (KLX_Bluetooth::*)(const QString&);
  enum State { Off, On };

  void btDeviceAdd(const InterfaceList& interfaces);
  void activeAudioDeviceMacHandler(const QString& mac, State state);
  void createActiveLookGlasses(const QString& path);
  void deleteActiveLookGlasses();
  void onRemoved_Device1(const QString& mac);
  void onRemoved_MediaTransport1(const QString& mac);
  void onRemoved_MediaControl1(const QString& mac);
  void Discovery(const QString& what, int failure);

  AlsaLoopGather m_Gather;
  QDBusInterface* m_Adapter = nullptr;
  ActiveLookGlasses* m_Glasses = nullptr;
  QString m_ActiveAudioDevice;
  int m_DevCount = 0;
  QMap<QString, Guard*> m_Guards;
  KLX_DataBaseManager* m_Db = nullptr;
  int m_MaxDevices = 10;
  QString m_AudioSinkUuid;
  QStringList m_TransportList;
  QStringList m_ControlList;
  QStringList m_DeviceList;
  QMap<QStringList, RemovalHandler> m_Removal;
  // Addresses whose connect a guard asked for: their replies go back to the
  // guards as reconnectDeviceReply.
  QStringList m_GuardReconnects;
  int m_DecayMs = 4000;
  int m_RecoveryMs = 5000;
  int m_SearchMs = 5000;
};
