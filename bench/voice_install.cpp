// Installing a voice pack of 50 files and of 100 (the most a voice's
// checksum list names), 32 KiB each, made by `zip`, through the file
// functions: the pack's directory read and the room checked, `unzip` into
// the unpack folder under its watch, what it made checked against the
// listed files (the pack holds just those, so its folder becomes the new
// voice folder as it stands), the card's file system flushed, the folder
// put in place and the voices folder synced, the unpack folder dropped.
// The floor, measured in the same run on the same pack and card: `unzip`
// of the pack into a folder of the card and one `sync`, each started and
// waited for plainly. The copy of the pack from the stick, and the removal
// of the floor's folder and of the installed voice, lie outside both
// clocks. The card has a size of its own, as the program's desktop card,
// and is empty or holds a full card's files beside the voices
// (`card_files`): the room asked for at each step must not cost more on a
// full card.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "bench_card.h"
#include "platform/klx_platform.h"
#include "update/klx_filefunctions.h"

extern char** environ;

namespace {
constexpr int kFileBytes = 32 * 1024;

// A program started and waited for, its output to /dev/null: the exit code,
// -1 when it could not start or a signal ended it.
int Plainly(const QList<QByteArray>& words) {
  std::vector<QByteArray> bytes(words.begin(), words.end());
  std::vector<char*> argv;
  for (QByteArray& b : bytes) argv.push_back(b.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  pid_t pid = -1;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Card {
  QTemporaryDir root{QDir::currentPath() + "/voice-install-bench-XXXXXX"};
  QString stick, packs, voices, floor;
  QStringList files;  // the pack's files, as its list names them
  bool up = false;

  Card(int count, int cardFiles) {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type != QtDebugMsg && type != QtInfoMsg) fprintf(stderr, "%s\n", qPrintable(text));
    });
    KLX_Platform::SetRoot(root.path());
    stick = root.path() + "/media/usb0/Voices/";
    packs = root.path() + "/Vorn/Update/Pkgs/";
    voices = root.path() + "/Vorn/Sound/Voices/";
    floor = root.path() + "/Vorn/floor";
    const QString voice = root.path() + "/work/de_Bench/";
    if (!QDir().mkpath(stick) || !QDir().mkpath(packs) || !QDir().mkpath(voices) || !QDir().mkpath(voice + "data") ||
        !BenchMakeCard(root.path()) || !BenchFillCard(root.path() + "/Vorn", cardFiles))
      return;
    // Speech-like samples: a tone with a little noise, as a WAVE file's
    // data compresses.
    quint32 noise = 12345;
    for (int n = 0; n < count; ++n) {
      QByteArray data(kFileBytes, '\0');
      for (int i = 0; i + 1 < kFileBytes; i += 2) {
        noise = noise * 1103515245u + 12345u;
        const int sample = int(8000 * ((i / 2 + n * 7) % 64 < 32 ? 1 : -1)) + int((noise >> 16) & 0x3FF) - 512;
        data[i] = char(sample & 0xFF);
        data[i + 1] = char((sample >> 8) & 0xFF);
      }
      const QString name = (n % 2 ? QStringLiteral("data/") : QString()) + QStringLiteral("phrase%1.wav").arg(n);
      QFile file(voice + name);
      if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) return;
      files << name;
    }
    up = Plainly({"sh", "-c", "cd \"$1\" && zip -qr \"$2\" de_Bench", "sh", QFile::encodeName(root.path() + "/work"),
                  QFile::encodeName(stick + "de_Bench.zip")}) == 0;
  }

  // unzip and one sync, plainly; seconds.
  double Floor() {
    QElapsedTimer t;
    t.start();
    const bool ran = Plainly({"unzip", "-o", QFile::encodeName(stick + "de_Bench.zip"), "-d", QFile::encodeName(floor)}) == 0 &&
                     Plainly({"sync"}) == 0;
    const double seconds = t.nsecsElapsed() / 1e9;
    QDir(floor).removeRecursively();
    return ran ? seconds : -1;
  }

  // The install through the file functions; seconds.
  double Install() {
    KLX_FileFunctions functions;
    functions.KLX_FileFunctionsBeginPacks(voices);
    const bool copied = functions.KLX_FileFunctionsCopyPack(stick, "de_Bench.zip", packs) == 0 &&
                        functions.KLX_FileFunctionGetUnzipRefusal(0) == KLX_FileFunctions::UnzipUnpacked;
    QElapsedTimer t;
    t.start();
    functions.KLX_FileFunctionsUnzipPack(0);
    const bool installed = copied && functions.KLX_FileFunctionGetUnzipRefusal(0) == KLX_FileFunctions::UnzipUnpacked &&
                           functions.KLX_FileFunctionsInstallUnzipped(0, files);
    functions.KLX_FileFunctionsDropUnzipped();
    const double seconds = t.nsecsElapsed() / 1e9;
    const bool whole = QFileInfo(voices + "de_Bench/" + files.last()).size() == kFileBytes;
    QDir(voices + "de_Bench").removeRecursively();
    return installed && whole ? seconds : -1;
  }
};

void BM_VoiceInstall(benchmark::State& state) {
  Card card(int(state.range(0)), int(state.range(1)));
  if (!card.up) {
    state.SkipWithError("the card could not be filled or the pack made (zip)");
    return;
  }
  std::vector<double> floors, installs;
  for (auto _ : state) {
    const double f = card.Floor();
    const double i = card.Install();
    if (f < 0 || i < 0) {
      state.SkipWithError("an unpack or the install failed");
      break;
    }
    floors.push_back(f);
    installs.push_back(i);
    state.SetIterationTime(i);
  }
  if (floors.empty()) return;
  // Means, and medians: a flush of a disk that others write to now and
  // then takes many times its usual time.
  const auto mean = [](const std::vector<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0) / double(v.size()); };
  const auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  state.counters["floor_ms"] = mean(floors) * 1000;
  state.counters["install_ms"] = mean(installs) * 1000;
  state.counters["ratio"] = mean(installs) / mean(floors);
  state.counters["floor_median_ms"] = median(floors) * 1000;
  state.counters["install_median_ms"] = median(installs) * 1000;
  state.counters["median_ratio"] = median(installs) / median(floors);
}
BENCHMARK(BM_VoiceInstall)
    ->ArgNames({"files", "card_files"})
    ->ArgsProduct({{50, 100}, {0, kFullCardFiles}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
