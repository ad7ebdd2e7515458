#pragma once
// The message layer: every message to the controllers is queued here and
// handed to the bus sender.
#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QQueue>

#include <atomic>
#include <functional>

class KLX_DataBaseManager;
class KLX_VornHandler;

struct KLX_Message {
  unsigned short id = 0;
  unsigned char node = 0;
  QByteArray data;
};

class KLX_Protocol : public QObject {
  Q_OBJECT

 public:
  explicit KLX_Protocol(QObject* parent = nullptr);
  ~KLX_Protocol() override;

  int KLX_ProtocolInitialize(KLX_DataBaseManager* db, KLX_VornHandler* vorn);
  void KLX_ProtocolStartProcessing();
  void KLX_ProtocolStopProcessing();
  bool KLX_ProtocolIsProcessing() const { return m_Processing; }
  int KLX_ProtocolClose();

  // Queues one message (0 to 999 bytes) and wakes the sender.
  int KLX_ProtocolSendMessage(unsigned length, const char* data, unsigned short id,
                              unsigned char node);

  // The sender takes queued messages in order; false when none is waiting.
  bool KLX_ProtocolTakeMessage(KLX_Message* message);
  int KLX_ProtocolQueuedCount() const;

  // Called after each queued message so that the sender wakes.
  using Waker = std::function<void()>;
  void KLX_ProtocolSetSenderWaker(Waker waker);

 private:
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_VornHandler* m_Vorn = nullptr;
  bool m_Initialized = false;
  std::atomic<bool> m_Processing{false};
  mutable QMutex m_QueueMutex;
  QQueue<KLX_Message> m_Queue;
  Waker m_Waker;
};
