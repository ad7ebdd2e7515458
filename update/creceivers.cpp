#include "update/creceivers.h"

#include <QFile>
#include <QList>

#include "frame/klx_board.h"
#include "frame/klx_filenamehandler.h"

namespace {
constexpr int kFields = 4;

// The receivers folder as this build reaches it.
QByteArray ReceiversFolder() {
  const QByteArray folder = Board::m_Instance ? Board::m_Instance->ReceiversFolderGet() : Board().ReceiversFolderGet();
  return KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QString::fromUtf8(folder)).toUtf8();
}

QByteArray ListName() {
  return Board::m_Instance ? Board::m_Instance->ReceiversListGet() : Board().ReceiversListGet();
}
}  // namespace

bool CReceiversList::LoadFrom(const QString& path, const QByteArray& header) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  const QByteArray first = file.readLine();
  if (!header.isEmpty() && first == header) return false;
  m_Entries.clear();
  m_Header = first;
  const QByteArray folder = ReceiversFolder();
  while (!file.atEnd()) {
    const QByteArray line = file.readLine();
    if (line.isEmpty()) break;
    const QList<QByteArray> fields = line.split(':');
    if (fields.size() < kFields) continue;
    bool ok = false;
    const int id = fields[3].trimmed().toInt(&ok);
    if (!ok) continue;
    CReceiverInfo info;
    info.name = fields[0];
    info.text = fields[1];
    info.id = id;
    if (!fields[2].isEmpty()) info.image = "file://" + folder + '/' + fields[2];
    m_Entries.append(info);
  }
  return !m_Entries.isEmpty();
}

CReceiverInfo CReceiversList::GetInfo(int id) const {
  for (const CReceiverInfo& info : m_Entries)
    if (info.id == id) return info;
  return CReceiverInfo();
}

void CReceiversList::Clear() {
  m_Entries.clear();
  m_Header.clear();
}

CReceivers& CReceivers::Instance() {
  static CReceivers instance;
  return instance;
}

void CReceivers::CreateList() {
  const QString path = QString::fromUtf8(ReceiversFolder() + '/' + ListName());
  QMutexLocker lock(&m_Mutex);
  m_List.LoadFrom(path, m_List.Header());
}

CReceiverInfo CReceivers::GetInfo(int id) const {
  QMutexLocker lock(&m_Mutex);
  return m_List.GetInfo(id);
}

int CReceivers::Count() const {
  QMutexLocker lock(&m_Mutex);
  return m_List.Entries().size();
}

CReceiverInfo CReceivers::At(int i) const {
  QMutexLocker lock(&m_Mutex);
  return (i >= 0 && i < m_List.Entries().size()) ? m_List.Entries().at(i) : CReceiverInfo();
}

void CReceivers::Append(const CReceiverInfo& info) {
  QMutexLocker lock(&m_Mutex);
  m_List.Append(info);
}

void CReceivers::Clear() {
  QMutexLocker lock(&m_Mutex);
  m_List.Clear();
}

void CReceivers::Reload() {
  const QString path = QString::fromUtf8(ReceiversFolder() + '/' + ListName());
  CReceiversList fresh;
  fresh.LoadFrom(path, QByteArray());
  QMutexLocker lock(&m_Mutex);
  m_List = fresh;
}

QByteArray CReceivers::Header() const {
  QMutexLocker lock(&m_Mutex);
  return m_List.Header();
}
