#include "vorn_testroot.h"

#include "frame/klx_errorhandler.h"
#include "platform/klx_platform.h"

#include <QDir>

namespace {
QString TempBase() {
  const QByteArray base = qgetenv("VORN_TEST_TMP");
  const QString dir = base.isEmpty() ? QDir::tempPath() : QString::fromLocal8Bit(base);
  QDir().mkpath(dir);
  return dir + "/root-XXXXXX";
}
}  // namespace

VornTestRoot::VornTestRoot() : m_Dir(TempBase()), m_PreviousRoot(KLX_Platform::Root()) {
  KLX_Platform::SetRoot(m_Dir.path());
}

VornTestRoot::~VornTestRoot() { KLX_Platform::SetRoot(m_PreviousRoot); }

VornErrorWatch::VornErrorWatch() {
  KLXErrorHandler.KLX_ErrorHandlerSetObserver([this](unsigned code, const QString& text) {
    QMutexLocker lock(&m_Mutex);
    m_Reports.append(qMakePair(code, text));
  });
}

VornErrorWatch::~VornErrorWatch() { KLXErrorHandler.KLX_ErrorHandlerSetObserver(nullptr); }

QList<QPair<unsigned, QString>> VornErrorWatch::Reports() const {
  QMutexLocker lock(&m_Mutex);
  return m_Reports;
}

QList<unsigned> VornErrorWatch::Codes() const {
  QMutexLocker lock(&m_Mutex);
  QList<unsigned> codes;
  for (const auto& r : m_Reports) codes.append(r.first);
  return codes;
}

bool VornErrorWatch::Has(unsigned code) const { return Codes().contains(code); }

void VornErrorWatch::Clear() {
  QMutexLocker lock(&m_Mutex);
  m_Reports.clear();
}
