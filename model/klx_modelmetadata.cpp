#include "model/klx_modelmetadata.h"

#include <cstring>

#include "frame/klx_utf8.h"

KLX_Modelmetadata::KLX_Modelmetadata(QObject* parent) : QObject(parent) {
  m_Border.Max[0] = kInfoBytes;
  m_Border.Min[0] = 0;
}

QString KLX_Modelmetadata::KLX_ModelmetadataGetSet_Modelinfo(QString info, int dir, bool) {
  QMutexLocker lock(&m_Mutex);
  if (dir == 0) {
    QByteArray utf8 = info.toUtf8();
    int length = utf8.size();
    KLX_BaseClassDatabaseCheckBorderAtomicElement(0, &length, &m_Border);
    // The terminating zero needs the last byte of the field: at most 127
    // bytes of text, ending on a whole character.
    utf8 = KLX_Utf8Cut(utf8.left(length), kInfoBytes - 1);
    std::memset(m_Info, 0, sizeof m_Info);
    std::memcpy(m_Info, utf8.constData(), size_t(utf8.size()));
  }
  return QString::fromUtf8(m_Info, int(qstrnlen(m_Info, kInfoBytes)));
}

void KLX_Modelmetadata::KLX_ModelmetadataClearAll() {
  QMutexLocker lock(&m_Mutex);
  std::memset(m_Info, 0, sizeof m_Info);
}
