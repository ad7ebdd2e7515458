#pragma once
// One device-interface entry of a firmware file: a 2-byte interface id and
// its data, read with a cursor. The firmware file reader fills it; the
// device interfaces read it.
#include <cstring>
#include <vector>

class CDevInterfaceInfo {
 public:
  virtual ~CDevInterfaceInfo() = default;

  // Allocates size bytes; below 2 it succeeds only if bytes are held already.
  bool CDevInterfaceInfo_Create(unsigned size) {
    if (size < 2) return !m_Bytes.empty();
    m_Bytes.assign(size, 0);
    m_Cursor = 2;
    return true;
  }
  virtual unsigned char* CDevInterfaceInfo_GetWrPtr() { return m_Bytes.empty() ? nullptr : m_Bytes.data(); }
  virtual unsigned CDevInterfaceInfo_GetID() const {
    return m_Bytes.size() < 2 ? 0 : unsigned(m_Bytes[0]) | (unsigned(m_Bytes[1]) << 8);
  }
  void CDevInterfaceInfo_ReadBegin() { m_Cursor = 2; }
  // Copies n bytes at the cursor; false (nothing copied) past the end.
  bool CDevInterfaceInfo_Read(void* destination, unsigned n) {
    if (!destination || m_Cursor + n > m_Bytes.size()) return false;
    std::memcpy(destination, m_Bytes.data() + m_Cursor, n);
    m_Cursor += n;
    return true;
  }
  void CDevInterfaceInfo_Free() {
    m_Bytes.clear();
    m_Cursor = 2;
  }

 private:
  std::vector<unsigned char> m_Bytes;
  size_t m_Cursor = 2;
};
