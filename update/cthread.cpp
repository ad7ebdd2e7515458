#include "update/cthread.h"

#include "frame/klx_debuglog.h"

CThread::CThread(const QString& name, QThread::Priority priority) : m_Name(name), m_Priority(priority) {
  qCDebug(lcVornDebug, "CThread created: 0x%08X", unsigned(quintptr(this)));
}

CThread::~CThread() {
  Free();
  qCDebug(lcVornDebug, "CThread destroyed: 0x%08X", unsigned(quintptr(this)));
}

bool CThread::Start() {
  if (m_Thread) return false;
  m_Thread = new QThread;
  m_Thread->setObjectName(m_Name);
  moveToThread(m_Thread);
  connect(m_Thread, &QThread::finished, m_Thread, &QObject::deleteLater);
  connect(m_Thread, &QThread::finished, this, [this] { m_Running = false; }, Qt::DirectConnection);
  connect(m_Thread, &QThread::started, this, &CThread::process);
  m_Thread->start(QThread::InheritPriority);
  m_Thread->setPriority(m_Priority);
  return true;
}

void CThread::process() {
  m_Running = true;
  qDebug("%s: started", qUtf8Printable(m_Name));
  Entry();
}

void CThread::Stop() {
  if (!m_Thread) return;
  m_Thread->requestInterruption();
  m_Thread->quit();
}

bool CThread::WaitForStop(unsigned long ms) { return !m_Thread || m_Thread->wait(ms); }

void CThread::Free() {
  if (!m_Thread) return;
  QThread* thread = m_Thread;
  Stop();
  thread->wait();
  m_Thread = nullptr;
}

bool CThread::TestDestroy() {
  if (!m_Thread || m_Thread->isInterruptionRequested()) {
    m_DestroyRequested = true;
    return true;
  }
  return false;
}
