#include "frame/klx_xmlsafefile.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_xmltextwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cstdio>
#include <unistd.h>

namespace {
constexpr int kSuffixLength = 6;
constexpr int kOpenAttempts = 16;
const char kSuffixCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

QString TemporaryName(const QString& path) {
  QString suffix;
  for (int i = 0; i < kSuffixLength; ++i)
    suffix += QLatin1Char(kSuffixCharacters[QRandomGenerator::global()->bounded(int(sizeof(kSuffixCharacters) - 1))]);
  return path + QLatin1Char('.') + suffix;
}
}  // namespace

KLX_XMLSafeFile::~KLX_XMLSafeFile() {
  // A save that was not committed leaves nothing, unless it stands for a cut.
  if (m_File.isOpen()) m_File.close();
  if (!m_Cut && !m_File.fileName().isEmpty()) QFile::remove(m_File.fileName());
}

bool KLX_XMLSafeFile::Open() {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    m_File.setFileName(TemporaryName(m_Path));
    if (m_File.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::NewOnly)) return true;
  }
  m_File.setFileName(QString());
  return false;
}

bool KLX_XMLSafeFile::Commit() {
  if (!m_File.isOpen()) return false;
  if (s_BeforeRename && !s_BeforeRename(m_Path)) {
    m_File.close();
    m_Cut = true;
    return false;
  }
  const bool written = m_File.flush() && ::fsync(m_File.handle()) == 0;
  m_File.close();
  if (!written || m_File.error() != QFileDevice::NoError) return false;
  // rename() replaces the old file in one step; the temporary name is gone
  // with it.
  if (std::rename(QFile::encodeName(m_File.fileName()).constData(), QFile::encodeName(m_Path).constData()) != 0)
    return false;
  m_File.setFileName(QString());
  return true;
}

int KLX_XMLSafeFile::RemoveLeftovers(const QString& path) {
  const QFileInfo target(path);
  const QRegularExpression own(QStringLiteral("^%1\\.[A-Za-z0-9]{%2}$")
                                   .arg(QRegularExpression::escape(target.fileName()))
                                   .arg(kSuffixLength));
  int removed = 0;
  const QDir folder = target.absoluteDir();
  for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
    if (own.match(name).hasMatch() && QFile::remove(folder.filePath(name))) ++removed;
  return removed;
}

int KLX_XMLSaveDeviceFile(const QString& path, bool ready, const KLX_XMLSaveReports& reports,
                          const std::function<void(KLX_XMLTextWriter*)>& build) {
  const QString name = QString::fromLatin1(reports.fileName);
  KLX_XMLSafeFile file(path);
  if (!ready || !file.Open()) {
    KLXErrorHandler.RegisterError(reports.openCode, name + QStringLiteral(" file could not be open for writing"));
    return KLX_Error;
  }
  KLX_XMLTextWriter writer;
  build(&writer);
  writer.EndDocument();
  if (!file.Write(writer.Data(), writer.Size())) {
    KLXErrorHandler.RegisterError(reports.writeCode, QStringLiteral("vorn writer has an error"));
    return KLX_Error;
  }
  if (!file.Commit()) {
    // The old file stays; the save counts as failed.
    KLXErrorHandler.RegisterError(reports.flushCode,
                                  name + QStringLiteral(" file buffer could not be flushed and isn't closed"));
    return KLX_Error;
  }
  return KLX_Ok;
}
