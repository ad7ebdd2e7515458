#pragma once
// The WLAN connection (published as "WlanConnection"): joins networks on the
// interface "wlan0" through the system's network tools, keeps the networks
// the user set up with their passphrases in "/app/wpa.conf" (network blocks
// as `wpa_supplicant` reads them), and watches the link in a thread of its
// own, from which it tells QML the state, the network's name, the IPv4
// address and the signal strength.
//
// Threads: the loop runs in the WLAN thread under m_Mutex; the connect,
// disconnect, on/off and file operations run in the caller's thread (the GUI
// thread for QML). The state, the name and the address, written from both,
// are kept under m_DataMutex; signals are emitted outside it.
#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

#include "frame/klx_basethread.h"
#include "frame/klx_clock.h"
#include "frame/klx_databasevalues.h"

class KLX_WlanConnect : public CNoDebugBase<QThread>, public KLX_BaseClassThread {
  Q_OBJECT
 public:
  static constexpr unsigned kErrNotInitialized = 0x14B01;  // start before KLX_WlanConnectInitialize
  static constexpr unsigned kErrRunWithoutInit = 0x14B03;  // the thread ran without it
  static constexpr unsigned kErrNotRunning = 0x14B05;      // not running 200 ms after its start

  static constexpr int kPollMs = 1000;
  static constexpr int kScanWaitMs = 5000;
  static constexpr int kLinkWaitMs = 500;
  static constexpr int kListWaitMs = 100;
  static constexpr int kStopWaitMs = 3000;
  static constexpr int kWakeTryMs = 50;
  // A connection by name and passphrase that brings no address in this time failed.
  static constexpr int kConnectTimeoutMs = 40000;
  // What the network tool takes: a name of 1 to 32 bytes, a passphrase of
  // 8 to 63 bytes.
  static constexpr int kNameMaxBytes = 32;
  static constexpr int kPassphraseMinBytes = 8;
  static constexpr int kPassphraseMaxBytes = 63;

  explicit KLX_WlanConnect(QObject* parent = nullptr);
  ~KLX_WlanConnect() override;

  // ---- The thread ----
  // Processing off, then the thread started; always 1.
  int KLX_WlanConnectInitialize();
  // 1, or -70000 when the thread does not run 200 ms after its start.
  int KLX_WlanConnectStart();
  // Ends the loop after its current pass (waits up to 3000 ms); 0.
  int KLX_WlanConnectStop();
  bool KLX_WlanConnectIsRunning() const { return m_Running; }
  void KLX_WlanConnectStartProcessing();
  void KLX_WlanConnectStopProcessing();
  bool KLX_WlanConnectIsProcessing() const { return KLX_BaseClassThreadIsProcessing(); }
  // The clock the loop waits on (tests step a manual one); before the start.
  void KLX_WlanConnectSetClock(KLX_Clock* clock) { m_Clock = clock ? clock : &KLX_Clock::KLX_ClockSystem(); }

  // ---- Interface and connection (caller's thread) ----
  // The interface up (state 1) or down (state 0, name and address cleared).
  void KLX_WlanConnectSetOnOff(bool on);
  // A scan at the loop's next pass; brings the interface up when it is down.
  void ScanBegin();
  // Joins with the stored network file (stored) or the one-off file, then
  // asks for an address by DHCP or sets the static one (IPv4 texts).
  void KLX_WlanConnectWiFiConnect(bool dhcp, const QByteArray& address, const QByteArray& gateway, bool reconnect,
                                  bool stored);
  // Joins the one network given: 1, or 0 when the name or passphrase is
  // refused (as by KLX_WlanConnectAddSSID) or the one-off file cannot be
  // written. An attempt that brings no address within kConnectTimeoutMs on
  // the loop's clock ends with connectTimedOut().
  int KLX_WlanConnectWiFiConnectBySSIDPassw(const QString& name, const QString& passphrase);
  // keep: only the polling stops (0). Otherwise the interface goes down and
  // the supplicant and the DHCP client are ended: the status of that.
  int KLX_WlanConnectWiFiDisconnect(bool keep);
  // Whether the system lists the interface.
  bool IsWlanRunning();
  // The interface's IPv4 addresses stored and announced; false when none.
  bool GetIPAddress();

  // ---- The stored networks ----
  void KLX_WlanConnectSetPassw(const QString& name, const QString& passphrase);
  // Updates the network's passphrase in its blocks or adds a block (UTF-8
  // texts). False when nothing changed or the name or passphrase is refused:
  // a name with "\x" (the scan's escaped form), CR, LF or NUL, or outside
  // 1..32 bytes; a passphrase outside 8..63 bytes, with a control character,
  // or with a '#' after a '"' (the tool would read the rest as a comment).
  // A name with such a '#' is written in hex.
  bool KLX_WlanConnectAddSSID(const QByteArray& name, const QByteArray& passphrase);
  // The passphrase has no '#' after a '"', so the tool reads it back exactly
  // from between quotes.
  static bool PassphraseQuotable(const QString& passphrase);
  // Removes the network's blocks whole; the other blocks are kept as they are.
  bool KLX_WlanConnectForgetSSID(const QString& name);
  // The stored passphrase of a network, empty when none.
  QString KLX_WlanFindSSIDGetPassw(const QString& name);
  // The stored file exists and is not empty (an empty one is deleted).
  bool KLX_WlanConnectIsWPAConfigExisting();
  // The rewrite file put in place of the stored file.
  bool KLX_WlanMoveWPAConfigFile();

  // ---- What QML and the facade read ----
  Q_INVOKABLE int getState() const;
  QString KLX_WlanConnectGetIPv4Address() const;
  QString KLX_WlanConnectGetSSID() const;

  // Text from a scan, for the loop (and tests): one ssidFound per name.
  Q_SLOT void procScanRead(QByteArray proc_stdout);

 signals:
  void stateChanged(int state);
  void signalStrengthChanged(int value_percent);
  void ipV4AddressChanged(QString address);
  void ssidChanged(QString ssid);
  void ssidFound(QString ssid);
  void scanFinished();
  // A connection by name and passphrase brought no address in time.
  void connectTimedOut();

 protected:
  void run() override;

 private:
  void Pass();
  // The link query of one pass; the name it found.
  QString LinkQuery();
  void SetState(int state);
  static int SignalPercent(int dBm);
  static bool Acceptable(const QByteArray& text, int minBytes, int maxBytes);
  // Whether the network file can carry the two texts so that the tool reads
  // back exactly them.
  static bool Writable(const QByteArray& name, const QByteArray& passphrase);
  // The name line of a network: quoted where that reads back exactly, else hex.
  static QByteArray NameLine(const QByteArray& name);
  static QByteArray Block(const QByteArray& name, const QByteArray& passphrase);
  bool WriteOneOffFile(const QByteArray& block);
  // The new text of the stored file through the rewrite file.
  bool Rewrite(const QByteArray& text);

  const QString m_StoredFile = QStringLiteral("/app/wpa.conf");
  const QString m_OneOffFile = QStringLiteral("/tmp/wpaconn.conf");
  const QString m_RewriteFile = QStringLiteral("/tmp/wpa.conf");
  std::atomic<bool> m_Running{false};
  std::atomic<bool> m_Initialized{false};
  QWaitCondition m_Wake;
  QMutex m_Mutex;
  const QString m_Interface;
  const int m_PollMs = kPollMs;
  std::atomic<bool> m_ScanRequest{false};
  // When the pending connection by name and passphrase began on m_Clock; -1: none.
  std::atomic<qint64> m_ConnectSince{-1};
  KLX_Clock* m_Clock = &KLX_Clock::KLX_ClockSystem();

  mutable QMutex m_DataMutex;
  int m_State = KLX_DatabaseValues::Wlan_Disabled;
  QString m_SSID;
  QString m_IPv4;

  // The file operations may come from the GUI and the task thread.
  QMutex m_FileMutex;
};
