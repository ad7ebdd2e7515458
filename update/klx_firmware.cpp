#include "update/klx_firmware.h"

namespace {
bool ReadU16(QFile& file, uint16_t* value) {
  unsigned char b[2];
  if (file.read(reinterpret_cast<char*>(b), 2) != 2) return false;
  *value = static_cast<uint16_t>(b[0] | (b[1] << 8));
  return true;
}
}  // namespace

// ---- information block -------------------------------------------------------------------

bool KLX_Info_CInfo_v01::KLX_Info_LoadFrom(QFile& file, unsigned length) {
  KLX_Info_Free();
  m_Description.clear();
  if (length < kFixedBytes) return false;
  uint16_t* fields[] = {&m_HwType, &m_HwVersion, &m_BlLowerVersion, &m_FwVersion, &m_RowType, &m_InterfacesCount};
  for (uint16_t* field : fields)
    if (!ReadU16(file, field)) return false;
  long remaining = long(length) - long(kFixedBytes);
  if (m_InterfacesCount != 0) {
    if (remaining < 2) return false;
    for (unsigned n = 1;; ++n) {
      uint16_t size = 0;
      if (!ReadU16(file, &size) || long(size) > remaining - 2) return false;
      remaining -= 2;
      auto entry = std::make_unique<CDevInterfaceInfo>();
      if (size < 2 || !entry->CDevInterfaceInfo_Create(size)) return false;
      if (file.read(reinterpret_cast<char*>(entry->CDevInterfaceInfo_GetWrPtr()), size) != size) return false;
      m_Entries.push_back(std::move(entry));
      remaining -= size;
      if (n == m_InterfacesCount) break;
      if (remaining < 2) return false;
    }
  }
  uint16_t descriptionBytes = 0;
  if (remaining < 2 || !ReadU16(file, &descriptionBytes)) return false;
  if (descriptionBytes == 0) return remaining == 2;
  const QByteArray text = file.read(descriptionBytes);
  if (text.size() != descriptionBytes) return false;
  m_Description = QString::fromUtf8(text);
  return remaining - 2 - descriptionBytes == 0;
}

CDevInterfaceInfo* KLX_Info_CInfo_v01::KLX_Info_GetFirstDiInfo() {
  m_Cursor = 0;
  return m_Entries.empty() ? nullptr : m_Entries.front().get();
}

CDevInterfaceInfo* KLX_Info_CInfo_v01::KLX_Info_GetNextDiInfo() {
  if (m_Cursor + 1 >= m_Entries.size()) {
    m_Cursor = m_Entries.size();
    return nullptr;
  }
  return m_Entries[++m_Cursor].get();
}

void KLX_Info_CInfo_v01::KLX_Info_Free() {
  for (auto& entry : m_Entries) entry->CDevInterfaceInfo_Free();
  m_Entries.clear();
  m_Cursor = 0;
}

// ---- rows ---------------------------------------------------------------------------------

bool KLX_FwRow::KLX_FwRow_LoadFrom(QFile& file, uint32_t size) {
  KLX_FwRow_Free();
  m_Bytes.resize(size);
  if (size > 0 && file.read(reinterpret_cast<char*>(m_Bytes.data()), size) != qint64(size)) return false;
  m_Size = size;
  return true;
}

const unsigned char* KLX_FwRow::Advance(uint32_t partSize) {
  if (m_Part < 0) return nullptr;
  const unsigned char* part = m_Bytes.data() + m_Part;
  m_Part = long(m_Part) + long(partSize) > long(m_Size) ? -1 : m_Part + long(partSize);
  return part;
}

const unsigned char* KLX_FwRow::KLX_FwRow_GetFirstPart(uint32_t partSize) {
  m_Part = 0;
  return Advance(partSize);
}

const unsigned char* KLX_FwRow::KLX_FwRow_GetNextPart(uint32_t partSize) { return Advance(partSize); }

void KLX_FwRow::KLX_FwRow_Free() {
  m_Bytes.clear();
  m_Bytes.shrink_to_fit();
  m_Size = 0;
  m_Part = -1;
}

// ---- the file -----------------------------------------------------------------------------

KLX_Firmware::~KLX_Firmware() {
  m_Rows.clear();
  m_File.close();
}

bool KLX_Firmware::KLX_Firmware_Load(const QString& fileName) {
  m_File.close();
  m_File.setFileName(fileName);
  m_FileName = fileName;
  m_Description.clear();
  if (!m_File.open(QIODevice::ReadOnly)) return false;
  if (!KLX_Firmware_CheckFileCRC(m_File) || !KLX_Firmware_LoadHeader(m_File) ||
      !KLX_Firmware_LoadRows(m_File, m_Info->KLX_Info_GetRowType()))
    return false;
  m_Loaded = true;
  return true;
}

bool KLX_Firmware::KLX_Firmware_CheckFileCRC(QFile& file) {
  if (!file.isOpen() || !file.seek(0)) return false;
  const qint64 size = file.size();
  uint16_t crc;
  klx_crc16_ccitt_reset(&crc);
  // Read in blocks; the value is the same as byte by byte.
  char block[4096];
  while (file.pos() < size - 2) {
    const qint64 want = qMin<qint64>(sizeof(block), size - 2 - file.pos());
    const qint64 got = file.read(block, want);
    if (got <= 0) break;
    for (qint64 i = 0; i < got; ++i) crc = klx_crc16_ccitt_calc(crc, static_cast<uint8_t>(block[i]));
    if (got < want) break;
  }
  uint16_t trailer = 0;
  if (!ReadU16(file, &trailer) || !file.seek(0)) return false;
  return crc == trailer;
}

bool KLX_Firmware::KLX_Firmware_LoadHeader(QFile& file) {
  uint16_t length = 0;
  uint16_t version = 0;
  if (!ReadU16(file, &length) || !ReadU16(file, &version) || version != 1) return false;
  m_Info = std::make_unique<KLX_Info_CInfo_v01>();
  if (!m_Info->KLX_Info_LoadFrom(file, length)) return false;
  const uint16_t fw = m_Info->KLX_Info_GetFwVersion();
  m_Version = QStringLiteral("%1.%2").arg(fw >> 8).arg(fw & 0xFF);
  m_HwType = m_Info->KLX_Info_GetHwType();
  m_Description = m_Info->KLX_Info_GetDescription();
  return true;
}

bool KLX_Firmware::KLX_Firmware_LoadRows(QFile& file, int rowType) {
  const qint64 size = file.size();
  if (rowType != 1 || size < 3) return false;
  m_Rows.clear();
  m_RowCursor = 0;
  while (file.pos() < size - 2) {
    uint16_t length = 0;
    if (!ReadU16(file, &length)) return false;
    if (int(m_Rows.size()) >= kMaxRows) return false;
    // A row that runs into the trailer is cut short as well: the trailer
    // is no firmware.
    if (file.pos() + length > size - 2) return false;
    auto row = std::make_unique<KLX_FwRow>();
    if (!row->KLX_FwRow_LoadFrom(file, length)) return false;
    m_Rows.push_back(std::move(row));
  }
  return !m_Rows.empty();
}

CDevInterfaceInfo* KLX_Firmware::KLX_Firmware_FindDiInfo(unsigned id) {
  if (!m_Info) return nullptr;
  for (CDevInterfaceInfo* e = m_Info->KLX_Info_GetFirstDiInfo(); e; e = m_Info->KLX_Info_GetNextDiInfo())
    if (e->CDevInterfaceInfo_GetID() == id) return e;
  return nullptr;
}

KLX_FwRow* KLX_Firmware::KLX_Firmware_GetFirstRow() {
  m_RowCursor = 0;
  return m_Rows.empty() ? nullptr : m_Rows.front().get();
}

KLX_FwRow* KLX_Firmware::KLX_Firmware_GetNextRow() {
  if (m_RowCursor + 1 >= m_Rows.size()) {
    m_RowCursor = m_Rows.size();
    return nullptr;
  }
  return m_Rows[++m_RowCursor].get();
}

KLX_FwRow* KLX_Firmware::KLX_Firmware_GetRow(int index) {
  return index >= 0 && size_t(index) < m_Rows.size() ? m_Rows[size_t(index)].get() : nullptr;
}

void KLX_Firmware::KLX_Firmware_Free() {
  m_Version = QStringLiteral("...");
  m_Loaded = false;
  m_Info.reset();
  for (auto& row : m_Rows) row->KLX_FwRow_Free();
  m_Rows.clear();
  m_RowCursor = 0;
  m_Description.clear();
  m_File.close();
}
