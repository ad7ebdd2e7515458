#pragma once
// Firmware files for the simulated devices, written the way the program
// reads them (little-endian information block with the device's interface
// entry, length-prefixed rows, CRC-16/CCITT trailer), with the simulator's
// own code. The image inside is the simulator's own: each row carries its
// index in front and a CRC-16 of itself at its end, and row 0 starts with a
// header (hardware type, firmware version, row count), so that a boot
// loader can check every row it is given and knows its new version once
// the image is whole.
#include <QByteArray>
#include <QList>
#include <QString>

#include "sim/csimmessageids.h"

struct CSimFirmwareSpec {
  enum Device { Stick, Transceiver, Receiver };
  Device device = Stick;
  int hwType = 16;
  int hwVersion = 1;
  int bootLoaderLower = 1;
  int major = 1;
  int minor = 1;
  int imageBytes = 96 * 1024;  // the rows' bytes together
  int rowBytes = 256;          // every row but perhaps the last
  QString description;
  // A controller's entry: the packets' message id (-1: the device's own),
  // which also names the controller that answers.
  int packetId = -1;
  // A receiver's entry: the 4-byte field and the 2-byte fields 2 to 5.
  quint32 receiverField1 = 0;
  int receiverFields[4] = {1, 2, 1, 0};

  // The simulated devices' usual files.
  static CSimFirmwareSpec ForStick(int major, int minor);
  static CSimFirmwareSpec ForTransceiver(int major, int minor);
  static CSimFirmwareSpec ForReceiver(int major, int minor);
};

// What a row 0 tells of the image.
struct CSimImageHeader {
  int hwType = 0;
  int major = 0;
  int minor = 0;
  int rows = 0;
};

class CSimFirmware {
 public:
  // How the boot loaders are reached: packets under the message id of the
  // interface entry's host field (0 the stick controller, 1 the
  // transceiver controller) from the program's node, answers under 153.
  static constexpr int kStickPacketId = SimStickBootPacket;
  static constexpr int kTransceiverPacketId = SimTransceiverBootPacket;
  static constexpr int kPacketNode = SimNodeApplication;
  static constexpr int kAnswerId = SimBootLoaderAnswer;
  static constexpr int kImageHeaderBytes = 10;

  static QList<QByteArray> Rows(const CSimFirmwareSpec& spec);
  // The whole file, rows as given (a test may hand in rows of its own).
  static QByteArray File(const CSimFirmwareSpec& spec, const QList<QByteArray>& rows);
  static QByteArray File(const CSimFirmwareSpec& spec) { return File(spec, Rows(spec)); }
  static bool Write(const QString& path, const CSimFirmwareSpec& spec);
  // The device-interface entry the file carries for the device.
  static QByteArray Entry(const CSimFirmwareSpec& spec);
  // The information block with its two header fields in front.
  static QByteArray Information(const CSimFirmwareSpec& spec);

  static quint16 Crc16(const QByteArray& bytes);
  // A row as the boot loaders accept it: its index, its bytes, its CRC.
  static bool RowValid(const QByteArray& row, int index);
  static bool ReadHeader(const QByteArray& row0, CSimImageHeader* header);
};
