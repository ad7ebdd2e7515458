#include "vorn_testroot.h"

#include "frame/klx_errorhandler.h"
#include "platform/klx_platform.h"

#include <QDir>
#include <QLoggingCategory>
#include <QStringList>
#include <QtTest>

namespace {
QString TempBase() {
  const QByteArray base = qgetenv("VORN_TEST_TMP");
  const QString dir = base.isEmpty() ? QDir::tempPath() : QString::fromLocal8Bit(base);
  QDir().mkpath(dir);
  return dir + "/root-XXXXXX";
}

// Fails the running test function; outside one (or after it already failed)
// there is nothing to add.
void FailCurrentTest(const QString& text) {
  if (text.isEmpty() || !QTest::currentTestFunction() || QTest::currentTestFailed()) return;
  QTest::qFail(qPrintable(text), __FILE__, __LINE__);
}

constexpr unsigned kClassFatal = 1;
constexpr unsigned kClassWarning = 3;
}  // namespace

VornTestRoot::VornTestRoot() : m_Dir(TempBase()), m_PreviousRoot(KLX_Platform::Root()) {
  KLX_Platform::SetRoot(m_Dir.path());
}

VornTestRoot::~VornTestRoot() { KLX_Platform::SetRoot(m_PreviousRoot); }

// The watches alive, oldest first; the error handler's one observer hands
// each report to the one whose turn it is.
struct VornErrorWatches {
  static QMutex& Mutex() {
    static QMutex mutex;
    return mutex;
  }
  static QList<VornErrorWatch*>& Alive() {
    static QList<VornErrorWatch*> alive;
    return alive;
  }
  static void Report(unsigned code, const QString& text) {
    QMutexLocker lock(&Mutex());
    // The newest watch of the case, else the newest of a fixture.
    VornErrorWatch* to = Alive().isEmpty() ? nullptr : Alive().last();
    for (VornErrorWatch* w : Alive())
      if (w->m_Scope == VornErrorWatch::Scope::Case) to = w;
    if (to) to->Add(code, text);
  }
  static void Enter(VornErrorWatch* watch) {
    // Installed once for the process: with no watch alive it drops the report.
    static const bool installed = [] {
      KLXErrorHandler.KLX_ErrorHandlerSetObserver(&VornErrorWatches::Report);
      return true;
    }();
    Q_UNUSED(installed);
    QMutexLocker lock(&Mutex());
    Alive().append(watch);
  }
  static void Leave(VornErrorWatch* watch) {
    QMutexLocker lock(&Mutex());
    Alive().removeOne(watch);
  }
};

VornErrorWatch::VornErrorWatch(Scope scope) : m_Scope(scope) { VornErrorWatches::Enter(this); }

VornErrorWatch::~VornErrorWatch() {
  VornErrorWatches::Leave(this);
  FailCurrentTest(UnexpectedText());
}

void VornErrorWatch::Add(unsigned code, const QString& text) {
  QMutexLocker lock(&m_Mutex);
  m_Reports.append(qMakePair(code, text));
}

VornErrorWatch& VornErrorWatch::Expect(unsigned code) {
  QMutexLocker lock(&m_Mutex);
  m_Expected.append(code);
  return *this;
}

VornErrorWatch& VornErrorWatch::Expect(std::initializer_list<unsigned> codes) {
  for (unsigned code : codes) Expect(code);
  return *this;
}

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

QList<QPair<unsigned, QString>> VornErrorWatch::TakeReports() {
  QMutexLocker lock(&m_Mutex);
  QList<QPair<unsigned, QString>> taken;
  taken.swap(m_Reports);
  return taken;
}

QList<unsigned> VornErrorWatch::TakeCodes() {
  QList<unsigned> codes;
  for (const auto& r : TakeReports()) codes.append(r.first);
  return codes;
}

bool VornErrorWatch::IsFailure(unsigned code) {
  const unsigned cls = (code >> 16) & 0xFF;
  return cls >= kClassFatal && cls <= kClassWarning;
}

QList<QPair<unsigned, QString>> VornErrorWatch::Unexpected() const {
  QMutexLocker lock(&m_Mutex);
  QList<QPair<unsigned, QString>> unexpected;
  for (const auto& r : m_Reports)
    if (IsFailure(r.first) && !m_Expected.contains(r.first)) unexpected.append(r);
  return unexpected;
}

QString VornErrorWatch::UnexpectedText() const {
  QStringList lines;
  for (const auto& r : Unexpected())
    lines << QStringLiteral("unexpected error report 0x%1: %2").arg(r.first, 0, 16).arg(r.second);
  return lines.join('\n');
}

namespace {
QMutex g_WarningsMutex;
QStringList g_Warnings;
QtMessageHandler g_Previous = nullptr;
bool g_Installed = false;

void CollectWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
    QMutexLocker lock(&g_WarningsMutex);
    g_Warnings << message;
  }
  if (g_Previous) g_Previous(type, context, message);
}
}  // namespace

void VornQmlWarnings::Install() {
  QMutexLocker lock(&g_WarningsMutex);
  if (g_Installed) return;
  g_Warnings.clear();
  g_Previous = qInstallMessageHandler(CollectWarning);
  g_Installed = true;
}

VornQmlWarnings::~VornQmlWarnings() {
  QMutexLocker lock(&g_WarningsMutex);
  if (!g_Installed) return;
  qInstallMessageHandler(g_Previous);
  g_Installed = false;
}

QStringList VornQmlWarnings::Take() {
  QMutexLocker lock(&g_WarningsMutex);
  QStringList taken;
  taken.swap(g_Warnings);
  return taken;
}

void VornQmlWarnings::Verify() {
  const QStringList warnings = Take();
  if (!warnings.isEmpty()) FailCurrentTest(QStringLiteral("warnings:\n") + warnings.join('\n'));
}

namespace {
QMutex g_LinesMutex;
QStringList g_Terminal;
QStringList g_Developer;
QtMessageHandler g_LinesPrevious = nullptr;
const char kDeveloperCategory[] = "vorn.developer";

void CollectLine(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  {
    QMutexLocker lock(&g_LinesMutex);
    if (context.category && qstrcmp(context.category, kDeveloperCategory) == 0)
      g_Developer << message;
    else
      g_Terminal << message;
  }
  if (g_LinesPrevious) g_LinesPrevious(type, context, message);
}
}  // namespace

VornTerminalLines::VornTerminalLines() {
  QMutexLocker lock(&g_LinesMutex);
  g_Terminal.clear();
  g_Developer.clear();
  QLoggingCategory::setFilterRules(QStringLiteral("vorn.developer=true"));
  g_LinesPrevious = qInstallMessageHandler(CollectLine);
}

VornTerminalLines::~VornTerminalLines() {
  qInstallMessageHandler(g_LinesPrevious);
  QLoggingCategory::setFilterRules(QString());
  QMutexLocker lock(&g_LinesMutex);
  g_LinesPrevious = nullptr;
}

QStringList VornTerminalLines::Terminal() const {
  QMutexLocker lock(&g_LinesMutex);
  return g_Terminal;
}

QStringList VornTerminalLines::Developer() const {
  QMutexLocker lock(&g_LinesMutex);
  return g_Developer;
}

QStringList VornTerminalLines::TerminalWithAny(const QStringList& texts) const {
  QStringList found;
  for (const QString& line : Terminal())
    for (const QString& text : texts)
      if (line.contains(text)) {
        found << line;
        break;
      }
  return found;
}

QString VornScreenshotPath(const QString& name) {
  const QByteArray base = qgetenv("VORN_TEST_TMP");
  const QString dir = (base.isEmpty() ? QDir::tempPath() : QString::fromLocal8Bit(base)) + "/../screenshots";
  QDir().mkpath(dir);
  return QDir(dir).absoluteFilePath(name);
}
