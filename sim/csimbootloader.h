#pragma once
// The boot loader of a simulated controller (the stick or the transceiver
// controller), reached by the packets of the firmware update under its own
// message id from the program's node; it answers under 153.
//
// Packets: 2 asks the state (answer 130: state), 3 switches the mode (1 the
// application: the controller restarts into a whole, checked image and
// reports its version from then on; 2 the boot loader; 3 update mode;
// answered with 130 except the restart), 9 erases the application (update
// mode only; answer 130), 5 announces a row, 6 brings one part of it, 8
// writes it (answer 132: state, flags, row index, mask of the parts held).
// A row is written only when its index and mask are the controller's own
// and it passes its check (its index and CRC); the flags then carry no
// error bit. Bit 3 says the application is not whole (no error).
//
// States: 1 the application runs, 2 the boot loader waits, 3 update mode.
// An erased application stays erased across power cycles: the controller
// then comes up in its boot loader (its synchronisation answer says 2).
// The written image and the new version are kept in the simulator's state.
#include <QByteArray>
#include <QMap>
#include <QMutex>
#include <QVector>

#include "sim/csimanswers.h"
#include "sim/csimcodec.h"

class CSimControllers;

class CSimBootLoader {
 public:
  enum Device { Stick, Transceiver };
  enum DeviceState { Application = 1, BootLoader = 2, UpdateMode = 3 };
  enum Flags { FlagRefused = 0x01, FlagRowBad = 0x02, FlagAppNotWhole = 0x08 };

  CSimBootLoader(CSimControllers& bus, Device device) : m_Bus(bus), m_Device(device) {}

  // True when the packet was this boot loader's.
  bool Handle(const CSimMessage& packet);
  // At power-up: into the boot loader when the application was erased.
  void PowerUp();

  // ---- knobs ----
  // Answers per command (2, 3, 9, 8): delay, silence, from the n-th try.
  CSimAnswerBook& Answers() { return m_Answers; }
  // These parts of the row are lost the first time they come.
  void LoseParts(int row, quint16 mask);
  // The next `times` writes of the row are refused (error bit 0).
  void RefuseRow(int row, int times);
  // Every write answer carries bit 3 (the application is not whole yet).
  void SetAppNotWholeBit(bool on);
  // After the restart the controller reports this version instead of the
  // image's (-1: the image's).
  void SetVersionAfterRestart(int major, int minor);

  struct Counters {
    int packets = 0;
    int stateRequests = 0;
    int modeSwitches = 0;
    int erases = 0;
    int rowsWritten = 0;   // writes that took a row
    int writesRefused = 0; // write answers with an error bit or another mask
    int partsLost = 0;
    int restarts = 0;      // restarts into a whole image
  };
  Counters Seen() const;
  int State() const;
  // The rows written since the last erase, in order (empty ones missing).
  QVector<QByteArray> Rows() const;
  QString ImageFile() const;

 private:
  void Answer(int command, const QByteArray& data);
  QByteArray StateAnswer() const;  // under m_Mutex
  void SetState(int state);        // under m_Mutex
  bool Restart();                  // under m_Mutex; true when the image is whole
  QByteArray WriteRow(int row, int mask);  // under m_Mutex

  CSimControllers& m_Bus;
  const Device m_Device;
  CSimAnswerBook m_Answers;

  mutable QMutex m_Mutex;
  int m_State = Application;
  QVector<QByteArray> m_Rows;
  int m_Row = -1;
  int m_Received = 0;
  QByteArray m_RowBuffer;
  QMap<int, int> m_Lose;     // row -> parts still to lose
  QMap<int, int> m_Refuse;   // row -> refusals left
  bool m_NotWholeBit = false;
  int m_RestartMajor = -1;
  int m_RestartMinor = -1;
  Counters m_Counters;
};
