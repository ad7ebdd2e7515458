// Downloading a full application update (an 8 MiB program, ten translations
// and twenty further files) from the update server's stand-in on the
// loopback through the update manager: the list, each file into the
// temporary folder with its MD5 digest checked, all moved into the update
// folder, until the manager asks to install. The floor, measured in the
// same run: plain QNetworkAccessManager downloads of the same files, one
// after another, into the same folder, nothing checked.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "frame/klx_board.h"
#include "frame/klx_filenamehandler.h"
#include "platform/klx_platform.h"
#include "sim/csimupdateserver.h"
#include "update/cupdatemanager.h"

namespace {
struct Loopback {
  QTemporaryDir root{QDir::currentPath() + "/update-download-bench-XXXXXX"};
  QProcess server;
  QStringList names;  // the list first, then the files in its order
  QString base;
  bool up = false;

  Loopback() {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(text));
    });
    KLX_Platform::SetRoot(root.path());
    CSimAppPackage package;
    for (int i = 0; i < 8 * 1024 * 1024; ++i) package.program.append(char((i * 13 + i / 4096) & 0xFF));
    for (int t = 0; t < 10; ++t) package.translations.append({QStringLiteral("KLX32_%1.qm").arg(t), QByteArray(200 * 1024, char('a' + t))});
    for (int e = 0; e < 20; ++e) package.extra.append({QStringLiteral("Docs/file%1.txt").arg(e), QByteArray(64 * 1024, char('A' + e))});
    const QString served = root.path() + "/updateserver";
    if (!CSimUpdateServer::WriteApplication(served, package)) return;
    names << "KLX32MD5fold.txt";
    for (const CSimFile& f : package.Files()) names << f.path;
    const QString portFile = root.path() + "/port";
    server.start("python3", {QStringLiteral(VORN_UPDATE_SERVER_SCRIPT), "--folder", served, "--port", "0", "--port-file",
                             portFile, "--parent", QString::number(QCoreApplication::applicationPid())});
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(portFile) && waited.elapsed() < 10000) QThread::msleep(20);
    QFile f(portFile);
    if (!f.open(QIODevice::ReadOnly)) return;
    Board::m_RemoteUpdatePath = QStringLiteral("http://127.0.0.1:%1/software").arg(f.readAll().trimmed().toInt());
    Board::Init(E_BoardVorn);
    base = Board::m_Instance->RemoteUpdatePathGet() + "/";
    up = true;
  }
  ~Loopback() {
    server.terminate();
    server.waitForFinished(3000);
  }
  QString Folder(const QString& board) const { return KLX_FileNameHandler::KLX_FileNameHandlerMapPath(board); }
  void Clear() {
    QDir(Folder("/Vorn/Update")).removeRecursively();
    QDir(Folder("/Vorn/tmp")).removeRecursively();
  }

  // Every file fetched plainly, one after another; seconds.
  double Floor(QNetworkAccessManager& nam) {
    Clear();
    const QString folder = Folder("/Vorn/Update/");
    QElapsedTimer t;
    t.start();
    for (const QString& name : names) {
      QDir().mkpath(QFileInfo(folder + name).absolutePath());
      QFile file(folder + name);
      if (!file.open(QIODevice::WriteOnly)) return -1;
      QNetworkReply* reply = nam.get(QNetworkRequest(QUrl(base + name)));
      QEventLoop loop;
      QObject::connect(reply, &QNetworkReply::readyRead, [&] { file.write(reply->readAll()); });
      QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
      loop.exec();
      file.write(reply->readAll());
      reply->deleteLater();
    }
    return t.nsecsElapsed() / 1e9;
  }

  // Through the manager until it asks to install; seconds.
  double Manager(CUpdateManager& manager) {
    Clear();
    QEventLoop loop;
    bool ready = false;
    auto asked = QObject::connect(&manager, &CUpdateManager::sigUserDecisionRequired, [&](int reason) {
      ready = reason == CUpdateManager::UD_ReadyToInstall;
      loop.quit();
    });
    auto ended = QObject::connect(&manager, &CUpdateManager::sigComplete, &loop, &QEventLoop::quit);
    QElapsedTimer t;
    t.start();
    if (!manager.beginAppUpdate()) return -1;
    loop.exec();
    const double seconds = t.nsecsElapsed() / 1e9;
    QObject::disconnect(asked);
    manager.abort();
    loop.exec();  // the abort's completion
    QObject::disconnect(ended);
    return ready ? seconds : -1;
  }
};

void BM_ApplicationUpdateDownload(benchmark::State& state) {
  Loopback loopback;
  if (!loopback.up) {
    state.SkipWithError("the update server's stand-in did not start");
    return;
  }
  QNetworkAccessManager nam;
  CUpdateManager manager;
  if (!manager.Init(nullptr)) {
    state.SkipWithError("the update manager did not start");
    return;
  }
  double floor = 0, through = 0;
  for (auto _ : state) {
    const double f = loopback.Floor(nam);
    const double m = loopback.Manager(manager);
    if (f < 0 || m < 0) {
      state.SkipWithError("a download failed");
      break;
    }
    floor += f;
    through += m;
    state.SetIterationTime(m);
  }
  manager.free(3000);
  const double n = double(state.iterations());
  state.counters["floor_ms"] = floor * 1000 / n;
  state.counters["manager_ms"] = through * 1000 / n;
  state.counters["ratio"] = floor > 0 ? through / floor : 0;
}
BENCHMARK(BM_ApplicationUpdateDownload)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
