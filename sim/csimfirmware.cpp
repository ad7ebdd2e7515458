#include "sim/csimfirmware.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {
void Put16(QByteArray* out, int value) {
  out->append(char(value & 0xFF));
  out->append(char((value >> 8) & 0xFF));
}
void Put32(QByteArray* out, quint32 value) {
  for (int i = 0; i < 4; ++i) out->append(char((value >> (8 * i)) & 0xFF));
}
int Get16(const QByteArray& b, int at) { return quint8(b[at]) | (quint8(b[at + 1]) << 8); }
}  // namespace

namespace {
CSimFirmwareSpec Spec(CSimFirmwareSpec::Device device, int hwType, int major, int minor, int imageBytes, int rowBytes,
                      const char* description) {
  CSimFirmwareSpec s;
  s.device = device;
  s.hwType = hwType;
  s.major = major;
  s.minor = minor;
  s.imageBytes = imageBytes;
  s.rowBytes = rowBytes;
  s.description = QString::fromLatin1(description);
  return s;
}
}  // namespace

CSimFirmwareSpec CSimFirmwareSpec::ForStick(int major, int minor) {
  return Spec(Stick, 16, major, minor, 96 * 1024, 256, "Stick controller application");
}
CSimFirmwareSpec CSimFirmwareSpec::ForTransceiver(int major, int minor) {
  return Spec(Transceiver, 17, major, minor, 128 * 1024, 256, "Transceiver controller application");
}
CSimFirmwareSpec CSimFirmwareSpec::ForReceiver(int major, int minor) {
  return Spec(Receiver, 28, major, minor, 16 * 1024, 512, "Receiver application");
}

quint16 CSimFirmware::Crc16(const QByteArray& bytes) {
  quint16 crc = 0xFFFF;
  for (char c : bytes) {
    crc ^= quint16(quint8(c)) << 8;
    for (int i = 0; i < 8; ++i) crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
  }
  return crc;
}

QList<QByteArray> CSimFirmware::Rows(const CSimFirmwareSpec& spec) {
  // Each row: its index (2 bytes), its bytes, its CRC (2 bytes); row 0's
  // bytes begin with the image header. The last row takes what is left.
  const int rowBytes = qMax(2 + kImageHeaderBytes + 2, spec.rowBytes);
  const int rows = qMax(1, (spec.imageBytes + rowBytes - 1) / rowBytes);
  QList<QByteArray> out;
  quint32 seed = quint32(spec.hwType * 7919 + spec.major * 131 + spec.minor);
  for (int r = 0; r < rows; ++r) {
    const int size = qMax(r == 0 ? 2 + kImageHeaderBytes + 2 : 5,
                          r < rows - 1 ? rowBytes : spec.imageBytes - (rows - 1) * rowBytes);
    QByteArray row;
    Put16(&row, r);
    if (r == 0) {
      row.append("VFW1", 4);
      Put16(&row, spec.hwType);
      row.append(char(spec.major)).append(char(spec.minor));
      Put16(&row, rows);
    }
    while (row.size() < size - 2) {
      seed = seed * 1103515245u + 12345u;
      row.append(char((seed >> 16) & 0xFF));
    }
    Put16(&row, Crc16(row));
    out.append(row);
  }
  return out;
}

QByteArray CSimFirmware::Entry(const CSimFirmwareSpec& spec) {
  QByteArray e;
  if (spec.device == CSimFirmwareSpec::Receiver) {
    Put16(&e, 2);
    Put32(&e, spec.receiverField1);
    for (int f : spec.receiverFields) Put16(&e, f);
    return e;
  }
  const int packetId = spec.packetId >= 0 ? spec.packetId
                       : spec.device == CSimFirmwareSpec::Stick ? kStickPacketId
                                                                : kTransceiverPacketId;
  Put16(&e, 1);
  Put32(&e, 0);                                         // not used
  Put32(&e, quint32(packetId | (kPacketNode << 8)));    // host: packet id, node
  Put32(&e, kAnswerId);                                 // target: the answers' id
  Put32(&e, 0);                                         // not used
  Put32(&e, 0);                                         // stored
  Put32(&e, 0);                                         // stored
  return e;
}

QByteArray CSimFirmware::Information(const CSimFirmwareSpec& spec) {
  const QByteArray entry = Entry(spec);
  const QByteArray text = spec.description.toUtf8();
  QByteArray block;
  Put16(&block, spec.hwType);
  Put16(&block, spec.hwVersion);
  Put16(&block, spec.bootLoaderLower);
  Put16(&block, (spec.major << 8) | spec.minor);
  Put16(&block, 1);  // row type
  Put16(&block, 1);  // one interface entry
  Put16(&block, entry.size());
  block += entry;
  Put16(&block, text.size());
  block += text;
  QByteArray out;
  Put16(&out, block.size());
  Put16(&out, 1);  // information version
  return out + block;
}

QByteArray CSimFirmware::File(const CSimFirmwareSpec& spec, const QList<QByteArray>& rows) {
  QByteArray out = Information(spec);
  for (const QByteArray& row : rows) {
    Put16(&out, row.size());
    out += row;
  }
  Put16(&out, Crc16(out));
  return out;
}

bool CSimFirmware::Write(const QString& path, const CSimFirmwareSpec& spec) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile f(path);
  const QByteArray bytes = File(spec);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

bool CSimFirmware::RowValid(const QByteArray& row, int index) {
  if (row.size() < 4 || Get16(row, 0) != index) return false;
  return Crc16(row.left(row.size() - 2)) == Get16(row, row.size() - 2);
}

bool CSimFirmware::ReadHeader(const QByteArray& row0, CSimImageHeader* header) {
  if (row0.size() < 2 + kImageHeaderBytes || row0.mid(2, 4) != "VFW1") return false;
  header->hwType = Get16(row0, 6);
  header->major = quint8(row0[8]);
  header->minor = quint8(row0[9]);
  header->rows = Get16(row0, 10);
  return header->rows > 0;
}
