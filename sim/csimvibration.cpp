#include "sim/csimvibration.h"

void CSimVibration::Take(const QByteArray& data) {
  QMutexLocker lock(&m_Mutex);
  if (data.size() != 6) {
    ++m_WrongLength;
    return;
  }
  auto le16 = [&data](int at) { return int(quint8(data[at])) | int(quint8(data[at + 1])) << 8; };
  m_Seen.append({le16(0), le16(2), le16(4)});
}

QList<CSimVibration::Pattern> CSimVibration::Seen() const {
  QMutexLocker lock(&m_Mutex);
  return m_Seen;
}

int CSimVibration::WrongLength() const {
  QMutexLocker lock(&m_Mutex);
  return m_WrongLength;
}

void CSimVibration::Clear() {
  QMutexLocker lock(&m_Mutex);
  m_Seen.clear();
  m_WrongLength = 0;
}

QString CSimVibration::Describe() const {
  QMutexLocker lock(&m_Mutex);
  if (m_Seen.isEmpty()) return QStringLiteral("none");
  const Pattern& p = m_Seen.last();
  return QStringLiteral("%1, the last %2 %3 %4").arg(m_Seen.size()).arg(p.value1).arg(p.value2).arg(p.value3);
}
