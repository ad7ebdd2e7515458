#pragma once
// A firmware file of one device on the bus, read whole into memory: a
// little-endian information block (hardware, versions, how the device is
// reached, a description), length-prefixed rows that the device writes one
// at a time, and a CRC-16/CCITT trailer over everything before it. The
// loader reports nothing itself; every check answers false and the caller
// reports.
#include <QFile>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

#include "link/cdevinterfaceinfo.h"

// CRC-16/CCITT as the trailer uses it: polynomial 0x1021, start 0xFFFF, most
// significant bit first, no reflection, no final complement.
inline void klx_crc16_ccitt_reset(uint16_t* crc) { *crc = 0xFFFF; }
inline uint16_t klx_crc16_ccitt_calc(uint16_t crc, uint8_t byte) {
  crc = static_cast<uint16_t>(crc ^ (uint16_t(byte) << 8));
  for (int i = 0; i < 8; ++i) crc = static_cast<uint16_t>(crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1);
  return crc;
}

class KLX_Info {
 public:
  virtual ~KLX_Info() = default;
  virtual int KLX_Info_GetSize() const { return 0; }
  virtual int KLX_Info_GetInfoVersion() const { return 0; }
};

// The information block of version 1.
class KLX_Info_CInfo_v01 : public KLX_Info {
 public:
  static constexpr unsigned kFixedBytes = 12;

  ~KLX_Info_CInfo_v01() override { KLX_Info_Free(); }
  int KLX_Info_GetInfoVersion() const override { return 1; }

  // Reads the block of `length` bytes from the file's position on.
  bool KLX_Info_LoadFrom(QFile& file, unsigned length);
  uint16_t KLX_Info_GetHwType() const { return m_HwType; }
  uint16_t KLX_Info_GetHwVersion() const { return m_HwVersion; }
  uint16_t KLX_Info_GetBlLowerVersion() const { return m_BlLowerVersion; }
  uint16_t KLX_Info_GetFwVersion() const { return m_FwVersion; }
  uint16_t KLX_Info_GetRowType() const { return m_RowType; }
  uint16_t KLX_Info_GetInterfacesCount() const { return m_InterfacesCount; }
  QString KLX_Info_GetDescription() const { return m_Description; }
  CDevInterfaceInfo* KLX_Info_GetFirstDiInfo();
  CDevInterfaceInfo* KLX_Info_GetNextDiInfo();
  void KLX_Info_Free();

 private:
  uint16_t m_HwType = 0;
  uint16_t m_HwVersion = 0;
  uint16_t m_BlLowerVersion = 0;
  uint16_t m_FwVersion = 0;
  uint16_t m_RowType = 0;
  uint16_t m_InterfacesCount = 0;
  std::vector<std::unique_ptr<CDevInterfaceInfo>> m_Entries;
  size_t m_Cursor = 0;
  QString m_Description;
};

// One row: the bytes the device writes as one unit, handed out in parts.
class KLX_FwRow {
 public:
  bool KLX_FwRow_LoadFrom(QFile& file, uint32_t size);
  uint32_t KLX_FwRow_GetSize() const { return m_Size; }
  const unsigned char* KLX_FwRow_GetData() const { return m_Bytes.data(); }
  // The start of the first part / of the part after the last one handed
  // out, or null once the cursor passed the row's end. A row whose size is
  // a multiple of the part size yields one more start exactly at its end.
  const unsigned char* KLX_FwRow_GetFirstPart(uint32_t partSize);
  const unsigned char* KLX_FwRow_GetNextPart(uint32_t partSize);
  void KLX_FwRow_Free();

 private:
  const unsigned char* Advance(uint32_t partSize);

  uint32_t m_Size = 0;
  std::vector<unsigned char> m_Bytes;
  long m_Part = -1;  // offset of the next part, -1 when cleared
};

class KLX_Firmware {
 public:
  static constexpr int kMaxRows = 4000;

  KLX_Firmware() = default;
  ~KLX_Firmware();
  KLX_Firmware(const KLX_Firmware&) = delete;
  KLX_Firmware& operator=(const KLX_Firmware&) = delete;

  // CRC, header and rows in this order; the file stays open until Free.
  bool KLX_Firmware_Load(const QString& fileName);
  // Leaves the file at offset 0.
  static bool KLX_Firmware_CheckFileCRC(QFile& file);
  bool KLX_Firmware_LoadHeader(QFile& file);
  bool KLX_Firmware_LoadRows(QFile& file, int rowType);

  CDevInterfaceInfo* KLX_Firmware_FindDiInfo(unsigned id);
  QString KLX_Firmware_GetVerStr() const { return m_Version; }
  QString KLX_Firmware_GetDescription() const { return m_Description; }
  uint16_t KLX_Firmware_GetHwType() const { return m_HwType; }
  int KLX_Firmware_GetRowsCount() const { return int(m_Rows.size()); }
  KLX_FwRow* KLX_Firmware_GetFirstRow();
  KLX_FwRow* KLX_Firmware_GetNextRow();
  KLX_FwRow* KLX_Firmware_GetRow(int index);
  bool KLX_Firmware_IsLoaded() const { return m_Loaded; }
  QString KLX_Firmware_GetFileName() const { return m_FileName; }
  const KLX_Info_CInfo_v01* KLX_Firmware_GetInfo() const { return m_Info.get(); }
  void KLX_Firmware_Free();

 private:
  bool m_Loaded = false;
  QString m_Description;
  uint16_t m_HwType = 0;
  QString m_Version;
  QString m_FileName;
  std::vector<std::unique_ptr<KLX_FwRow>> m_Rows;
  size_t m_RowCursor = 0;
  std::unique_ptr<KLX_Info_CInfo_v01> m_Info;
  QFile m_File;
};
