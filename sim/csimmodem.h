#pragma once
// The simulated transceiver controller's modem mode and the receiver behind
// it, as a receiver's firmware update meets them.
//
// Modem mode (message 208: 1 on, 0 off, 2 information): on and off are
// acknowledged [0, 2, modem flag]; the information is [0, 1, modem flag,
// the largest data length the modem forwards]. While it is on, each message
// 209 for the receiver is acknowledged [0, 2, 1] and handed on; the
// receiver's answers come back as [0, 128, ...]:
//   2  its state: [0, 128, state]
//   9  its update information; it gets ready for an update:
//      [0, 128, 0, 3 (update mode), flags with bit 3]
//   5  announces a row; 6 brings a part (index, bit 7 on the last part,
//      offset, length, bytes); after the last part it answers with the mask
//      of the parts it holds: [0, 128, 0, state, flags, row (2), mask (2)]
//   8  writes the row when row and mask are its own, the row is whole and
//      passes its check; same answer, error bit 0 when it did not write
//   1  end: [0, 128, 129, ... , version major (byte 13), minor (byte 14)]
//   3  starts the new application: [0, 128, 1]
// All of it under message id 0 of the transceiver controller. Outside modem
// mode the receiver is reached by sensor-bus update commands (message 194,
// "q" and its address): 2 asks its state (answer [130, state]), 3 switches
// its mode without an answer.
#include <QByteArray>
#include <QMap>
#include <QMutex>
#include <QVector>

#include "sim/csimcodec.h"
#include "sim/csimmessageids.h"

class CSimControllers;

class CSimModem {
 public:
  enum ReceiverState { Application = 1, BootLoader = 2, UpdateMode = 3 };
  static constexpr int kAnswerId = SimTransceiverModemAnswer;
  static constexpr int kDefaultMaxLength = 53;

  explicit CSimModem(CSimControllers& bus) : m_Bus(bus) {}

  bool Handle(const CSimMessage& message);

  // ---- knobs ----
  void SetMaxLength(int bytes);
  // The modem answers nothing / the receiver answers nothing (the modem
  // still acknowledges).
  void SetSilent(bool silent);
  void SetReceiverSilent(bool silent);
  // These parts of the row are lost on the radio the first time.
  void LoseParts(int row, quint16 mask);
  // The next `times` writes of the row are refused.
  void RefuseRow(int row, int times);
  // The answer to the last row's write carries bit 3 (the application is
  // not whole: the file must go again), the next `times` times.
  void SetAppNotWholeAfterLastRow(int times);
  // The version the receiver reports once its image is whole (-1: the image's).
  void SetVersionAfterRestart(int major, int minor);

  struct Counters {
    int modemOn = 0;
    int modemOff = 0;
    int informationRequests = 0;
    int forwarded = 0;   // messages 209 acknowledged
    int parts = 0;
    int partsLost = 0;
    int rowsWritten = 0;
    int writesRefused = 0;
    int restarts = 0;
    int stateRequests = 0;  // over the sensor bus
  };
  Counters Seen() const;
  bool ModemOn() const;
  int ReceiverState() const;
  // The receiver's running firmware version (major x 256 + minor), kept in
  // the controllers' state file.
  int ReceiverVersion() const;
  QVector<QByteArray> Rows() const;

 private:
  void Send(const QByteArray& data);
  // Under m_Mutex; sets `restarted` to the version a restart brings up.
  QByteArray Receiver(const QByteArray& message, int* restarted);
  QByteArray MaskAnswer(int flags) const;          // under m_Mutex
  bool ImageWhole(int* major, int* minor) const;   // under m_Mutex

  CSimControllers& m_Bus;
  mutable QMutex m_Mutex;
  bool m_On = false;
  int m_MaxLength = kDefaultMaxLength;
  bool m_Silent = false;
  bool m_ReceiverSilent = false;
  int m_State = Application;
  QVector<QByteArray> m_Rows;
  int m_Row = -1;
  int m_Received = 0;
  int m_EndPart = -1;
  QByteArray m_RowBuffer;
  QMap<int, int> m_Lose;
  QMap<int, int> m_Refuse;
  int m_NotWholeTimes = 0;
  int m_RestartMajor = -1;
  int m_RestartMinor = -1;
  Counters m_Counters;
};
