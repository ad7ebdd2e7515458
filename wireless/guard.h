#pragma once
// Supervision of one headset PCM: underrun and overrun reports are counted,
// decaying by one every 4 s; when they pile up the headset is disconnected
// at once and, once bluealsa has dropped the PCM, connected again a limited
// number of times.
#include <QObject>
#include <QString>
#include <QTimer>

class Guard : public QObject {
  Q_OBJECT
 public:
  enum Status { Normal = 0, Emergency = 1, Recovery = 2 };

  // decayMs and recoveryMs are the product's 4000 and 5000 ms; a test
  // passes shorter periods through the manager.
  Guard(const QString& pcmPath, QObject* parent = nullptr, int decayMs = 4000, int recoveryMs = 5000);
  ~Guard() override;

  void updateUnderrun();
  void updateOverrun();
  int getStatus() const { return m_Status; }
  void startRecovery();
  QString getMacAddr() const;
  void set_default_values();
  int underruns() const { return m_under; }
  int overruns() const { return m_over; }

 public slots:
  void onDowncounterTimerTimeout();
  void recoveryAction();
  void onReconnectDeviceReply(bool res);

 signals:
  void emergencyDisconnect(QString macAddr);
  void reconnectDeviceRequest(QString macAddr);
  void destroyGuard(QString obj_path);

 private:
  // One report counted in normal status; at the threshold the guard asks
  // for the disconnection (an empty address: of every guarded headset).
  void Count(int* count, int threshold, const QString& disconnect);

  QString m_PcmPath;
  int m_Status = Normal;
  int m_Attempts = 0;
  int m_under = 0;
  int m_over = 0;
  QTimer m_Decay;
  int m_RecoveryDelay;
  const int m_MaxAttempts = 2;
  const int m_UnderrunThreshold = 10;
  const int m_OverrunThreshold = 4;
};
