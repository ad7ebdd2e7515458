#pragma once
// The message layer between the program and the two controllers on the CAN
// bus: it queues outgoing messages for the sender thread and cuts them into
// frames, and reassembles received frames into messages for the handlers.
#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QWaitCondition>

#include <atomic>

#include "frame/klx_clock.h"
#include "link/cthreadsafequeue.h"
#include "link/klx_backbonereceiver.h"
#include "link/klx_backbonesender.h"
#include "link/klx_protdata.h"
#include "link/klx_stickmessagehandler.h"
#include "link/klx_transceivermessagehandler.h"
#include "platform/klx_cansocket.h"

class KLX_DataBaseManager;
class KLX_VornHandler;

// A queued message as an in-process test sees it before the sender runs.
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

  // Opens the CAN socket, starts the receiver and the sender thread.
  int KLX_ProtocolInitialize(KLX_DataBaseManager* database, KLX_VornHandler* handler);
  // The same on a descriptor the caller made (a test's end of a socketpair);
  // the layer takes it over and closes it.
  int KLX_ProtocolInitializeOnSocket(KLX_DataBaseManager* database, KLX_VornHandler* handler,
                                     int socket);
  // Accepts messages into the queues with no threads and no bus; a test takes
  // them with KLX_ProtocolTakeMessage.
  int KLX_ProtocolInitializeWithoutBus();

  // The clock the sender and receiver threads wait on; set before the
  // threads start (the system's clock unless a test hands in its own).
  void KLX_ProtocolSetClock(KLX_Clock& clock);

  void KLX_ProtocolStartProcessing();
  void KLX_ProtocolStopProcessing();
  bool KLX_ProtocolIsProcessing() const;
  int KLX_ProtocolClose();

  // Queues one message of 0 to 999 bytes and wakes the sender. Any thread.
  int KLX_ProtocolSendMessage(unsigned length, const char* data, KLX_16BituByteValue_t id,
                              unsigned char node);

  // Boot-loader answer ids during a firmware update (65535: the default 153).
  void KLX_ProtocolSet_Update_CANID_Stickcontroller(unsigned short id);
  void KLX_ProtocolSet_Update_CANID_Transceiverontroller(unsigned short id);
  int KLX_ProtocolIsClearBootUpdateFlag();
  int KLX_ProtocolIsBootUpdateFlag() const;

  // Sender thread side.
  bool KLX_ProtocolCheckForFurtherMessageToSend();
  bool KLX_ProtocolHandleShortMessageAvail();
  bool KLX_ProtocolHandleLongMessageAvail();
  int KLX_ProtocolHandleSendingShortMessage(KLX_CanFrame* frame);
  int KLX_ProtocolHandleSendingLongMessage(KLX_CanFrame* frame);
  // The frame just handed out by KLX_ProtocolHandleSendingLongMessage is the
  // first of its message.
  bool KLX_ProtocolLongMessageStarting() const { return m_SendingLong && m_SendSequence == 1; }
  // Sleeps until a message waits or running is cleared. The queues are looked
  // at under the wake mutex, which the senders take to wake, so a message
  // queued just before the wait is never left for a later wake.
  void KLX_ProtocolWaitForMessages(const std::atomic<bool>& running);
  void KLX_ProtocolWakeAll();

  // Receiver thread side.
  int KLX_ProtocolHandleShortMessage(const KLX_CanFrame* frame);
  int KLX_ProtocolHandleLongMessage(const KLX_CanFrame* frame);
  int KLX_ProtocolRcvMessage(const KLX_ProtLongData_t* message);

  // Tests: the oldest queued message (short queue first) and the count.
  bool KLX_ProtocolTakeMessage(KLX_Message* message);
  int KLX_ProtocolQueuedCount() const;
  // Whole frames the receiver has read, handled or dropped.
  quint64 KLX_ProtocolFramesRead() const { return m_Receiver.KLX_BackboneReceiverFramesRead(); }

 private:
  int InitializeThreads(KLX_DataBaseManager* database, KLX_VornHandler* handler, int socket);
  void KLX_ProtocolResetRcvLongData();
  void KLX_ProtocolSetupSndLongData(bool start);
  static uint32_t MakeLongId(unsigned char node, unsigned char id, uint16_t sequence);

  QWaitCondition m_Wake;
  QMutex m_WakeMutex;
  std::atomic<KLX_Clock*> m_Clock{&KLX_Clock::KLX_ClockSystem()};

  std::atomic<unsigned char> m_BootUpdateFlag{0};
  unsigned char m_SendingLong = 0;
  std::atomic<unsigned char> m_Initialized{0};

  KLX_BackboneSender m_Sender;
  KLX_BackboneReceiver m_Receiver;

  // Long reception, receiver thread only.
  unsigned char m_Receiving = 0;
  unsigned char m_IdMismatch = 0;
  uint16_t m_ExpectedSequence = 0;
  // Long send, sender thread only.
  uint16_t m_SendSequence = 0;
  uint32_t m_Framed = 0;
  uint32_t m_Received = 0;

  KLX_TransceiverMessageHandler m_Transceiver;
  KLX_StickMessageHandler m_Stick;

  KLX_ProtLongData_t m_ShortRcv;
  KLX_ProtLongData_t m_LongRcv;
  KLX_RawProtShortData_t m_ShortSnd;
  KLX_RawProtLongData_t m_LongSnd;

  CThreadSafeQueue<KLX_RawProtLongData_t> m_LongQueue;
  mutable QMutex m_ShortMutex;  // mutex A
  QList<KLX_RawProtShortData_t> m_ShortQueue;

  KLX_VornHandler* m_Vorn = nullptr;
};
