#include "frame/klx_languagehandler.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_debuglog.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filecalls.h"
#include "frame/klx_filenamehandler.h"
#include "update/klx_filefunctions.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QLocale>
#include <QQuickWindow>
#include <QTranslator>

KLX_LanguageHandler KLXlanguageHandler;

const QString KLX_LanguageHandler::m_scrnshotpath = QStringLiteral("/Vorn/Screenshots");

namespace {
constexpr unsigned kErrInitialize = 0x10601;
constexpr unsigned kErrNotLoaded = 0x30604;
constexpr unsigned kErrNotRemoved = 0x30605;
constexpr unsigned kErrNotInstalled = 0x30606;

const char* const kLanguageCodes[] = {"de", "en", "fr", "es", "it", "no", "cn", "fi"};
constexpr int kJpgQuality = 100;
}  // namespace

KLX_LanguageHandler::KLX_LanguageHandler(QObject* parent) : QObject(parent) { FillTable(); }

KLX_LanguageHandler::~KLX_LanguageHandler() = default;

void KLX_LanguageHandler::FillTable() {
  int i = 0;
  for (const char* code : kLanguageCodes) {
    m_Codes[i] = QString::fromLatin1(code);
    m_Names[i] = QStringLiteral("KLX32_") + m_Codes[i];
    ++i;
  }
}

void KLX_LanguageHandler::KLX_LanguageHandlerClearAll() {
  for (int i = 0; i < kEntries; ++i) {
    m_Codes[i].clear();
    m_Names[i].clear();
    m_Translators[i] = nullptr;
  }
  m_Installed = nullptr;
  m_Selected.clear();
}

int KLX_LanguageHandler::KLX_LanguageHandlerInitialize(QGuiTouchHandlerApplication* app) {
  if (!app) {
    KLXErrorHandler.RegisterError(kErrInitialize, QStringLiteral("KLX_LanguageHandlerInitialize gone wrong"));
    return KLX_Error;
  }
  m_App = app;
  // The table is constant: a stop cleared it, a new start fills it again.
  FillTable();
  for (int i = 0; i < kEntries; ++i)
    if (!m_Codes[i].isEmpty() && !m_Translators[i]) m_Translators[i] = new QTranslator(this);
  return KLX_Ok;
}

int KLX_LanguageHandler::KLX_LanguageHandlerStop() {
  if (m_Installed && !QCoreApplication::removeTranslator(m_Installed))
    KLXErrorHandler.RegisterError(kErrNotRemoved, QString());
  for (QTranslator*& translator : m_Translators) delete translator;
  KLX_LanguageHandlerClearAll();
  m_App = nullptr;
  return KLX_Ok;
}

int KLX_LanguageHandler::KLX_LanguageHandlerSelectLanguage(QString code) {
  const QString folder = KLX_FileNameHandler().KLX_FileNameHandlerGetLanguageFilePath();
  int entry = -1;
  for (int i = 0; i < kEntries && entry < 0; ++i)
    if (!m_Codes[i].isEmpty() && m_Codes[i] == code) entry = i;
  if (entry < 0) return KLX_Ok;

  if (m_Installed) {
    if (!QCoreApplication::removeTranslator(m_Installed)) {
      KLXErrorHandler.RegisterError(kErrNotRemoved, QStringLiteral("translator could not be removed"));
      return KLX_Error;
    }
    m_Installed = nullptr;
    m_Selected.clear();
  }
  // Without Initialize (a facade on its own) the translator is made here.
  if (!m_Translators[entry]) m_Translators[entry] = new QTranslator(this);
  QTranslator* translator = m_Translators[entry];
  if (!translator->load(m_Names[entry], folder)) {
    KLXErrorHandler.RegisterError(kErrNotLoaded, QStringLiteral("translator could not be loaded"));
    return KLX_Error;
  }
  // Qt answers false for a catalogue without a single translation, yet keeps
  // it installed: that is no failure, its texts stay in the source language.
  if (!QCoreApplication::installTranslator(translator) && !translator->isEmpty()) {
    KLXErrorHandler.RegisterError(kErrNotInstalled, QStringLiteral("translator could nor be installed"));
    return KLX_Error;
  }
  m_Installed = translator;
  m_Selected = code;
  qCInfo(lcVornDebug, "  ->   verwendete Sprache ist: %s", qPrintable(code));
  emit KLX_LanguageHandlerLanguageChanged();
  return KLX_Ok;
}

bool KLX_LanguageHandler::KLX_LanguageHandlerSetQuickWindow(QQuickWindow* window) {
  m_Window = window;
  return window != nullptr;
}

QQuickWindow* KLX_LanguageHandler::KLX_LanguageHandlerQuickWindow() const { return m_Window; }

bool KLX_LanguageHandler::KLX_LanguageHandlerGetScreenShot() {
  if (!m_Window) return false;
  m_LastScreenShot = m_Window->grabWindow();
  return true;
}

QString KLX_LanguageHandler::KLX_LanguageHandlerSaveScreenShot(QString path) const {
  return KLX_LanguageHandlerSaveScreenShotAt(path, QDateTime::currentDateTime());
}

QString KLX_LanguageHandler::KLX_LanguageHandlerSaveScreenShotAt(QString path, const QDateTime& now) const {
  if (path.isEmpty()) {
    path = m_scrnshotpath;
    const QString folder = KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(path);
    if (folder.isEmpty() || !KLX_FileFunctions().KLX_FileFileFunctionsCheckFolder(folder, true)) return QString();
  }
  if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
  // The date format of some locales holds "/": no part of the name may make
  // a folder of it.
  QString stamp = QLocale::system().toString(now, QLocale::ShortFormat);
  for (const QChar c : {QChar(' '), QChar(':'), QChar('/')}) stamp.replace(c, QLatin1Char('_'));
  const QString folder = KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(path);
  if (folder.isEmpty()) return QString();
  // A second shot within the same minute gets a number of its own instead of
  // replacing the first.
  QString name = stamp + QStringLiteral(".jpg");
  for (int n = 2; QFileInfo::exists(folder + QLatin1Char('/') + name); ++n)
    name = stamp + QStringLiteral("_%1.jpg").arg(n);

  // Made whole in memory first: the file is then written like every other,
  // every byte of it on the card before it bears its name.
  QByteArray jpg;
  QBuffer buffer(&jpg);
  if (m_LastScreenShot.isNull() || !buffer.open(QIODevice::WriteOnly) ||
      !m_LastScreenShot.save(&buffer, "JPG", kJpgQuality) ||
      !KLX_FileCallsWriteWhole(folder + QLatin1Char('/') + name, jpg))
    return QString();
  return path + name;
}
