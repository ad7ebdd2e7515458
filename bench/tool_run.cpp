// A tool run through the command runner, beside its floors in the same
// run: a plain fork, exec and wait of the same tool, and the same with the
// session of its own that the runner gives every tool (setsid between fork
// and exec: a new session costs the kernel a scheduling group, some ms on a
// busy machine, paid by the runner before and after its waiting changed).
// Output is read from a pipe to its end where the runner reads it too.
// Tools of 20, 40 and 100 ms, without output (`sleep`) and with it (a shell
// that sleeps and prints); the three ways take turns, one run each per
// iteration, in an order that turns with each iteration. The runner's time
// limit is one it never reaches.
//
// Counters: the mean and the 90th percentile of each, in ms (`plain`
// without the session, `floor` with it), and `bound_ms`, 1.05 x the floor's
// mean + 2 ms, which the runner's mean should stay within.
//
// A detached start of `true` (BM_DetachedStart) beside its floor, the C
// library's spawn of the same tool and a wait for its end, and the same
// spawn with the session, input and signals the detached start gives
// (`session`). Every way runs under the same conditions: the three take
// turns in an order that turns with each iteration, and each tool has ended
// before the next start (the spawned ones are waited for, the detached one,
// which is not the program's to wait for, is seen gone when the pipe that
// is its output ends), so that no start is timed beside the end of the one
// before. The program holds `resident_mib` of memory it has written, as
// the board's program holds the engine's pages: a start that copied the
// program's page tables would take longer the more it holds. Counters: the
// means, medians and 90th percentiles in ms, `ratio` (the detached start's
// mean over the floor's), `session_ratio` (over the spawn with a session),
// the same of the medians (`median_ratio`, steadier on a busy machine),
// and the program's minor faults while it rewrites 64 MiB after each way:
// `faults` after the detached start, `floor_faults` after the spawn (a
// page a fault, 16384, after a copy).
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

extern char** environ;

#include "platform/klx_commandrunner.h"

namespace {
constexpr int kLimitMs = 60000;

struct Tool {
  QStringList words;  // the program and its arguments
  bool output = false;
};

Tool MakeTool(int ms, bool output) {
  const QString seconds = QString::number(ms / 1000.0, 'f', 3);
  if (!output) return {{QStringLiteral("sleep"), seconds}, false};
  return {{QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("sleep %1; echo done").arg(seconds)}, true};
}

// fork, exec and wait (with `session`: setsid in the child first): its
// output read to the end of the pipe first, or sent to /dev/null. The exit
// code, -1 when it did not run.
int Floor(const Tool& tool, bool session, QByteArray* read) {
  std::vector<QByteArray> bytes;
  for (const QString& w : tool.words) bytes.push_back(w.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& b : bytes) argv.push_back(b.data());
  argv.push_back(nullptr);
  int ends[2] = {-1, -1};
  if (tool.output && ::pipe2(ends, O_CLOEXEC) != 0) return -1;
  const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (session) ::setsid();
    ::dup2(null, STDIN_FILENO);
    ::dup2(tool.output ? ends[1] : null, STDOUT_FILENO);
    ::dup2(tool.output ? ends[1] : null, STDERR_FILENO);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(null);
  if (tool.output) {
    ::close(ends[1]);
    char chunk[4096];
    ssize_t n;
    while ((n = ::read(ends[0], chunk, sizeof chunk)) != 0) {
      if (n > 0) read->append(chunk, int(n));
      else if (errno != EINTR) break;
    }
    ::close(ends[0]);
  }
  if (pid < 0) return -1;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int Runner(const Tool& tool, QByteArray* read) {
  return KLX_Platform::Run(tool.words.first(), tool.words.mid(1), kLimitMs, tool.output ? read : nullptr);
}

double Mean(const std::vector<double>& v) {
  double sum = 0;
  for (double x : v) sum += x;
  return v.empty() ? 0 : sum / double(v.size());
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double Percentile90(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, size_t(double(v.size()) * 0.9))];
}

void BM_ToolRun(benchmark::State& state) {
  const Tool tool = MakeTool(int(state.range(0)), state.range(1) != 0);
  std::vector<double> plain, floor, runner;
  int turn = 0;
  for (auto _ : state) {
    QByteArray read[3];
    int code[3];
    double ms[3];
    for (int i = 0; i < 3; ++i) {
      const int way = (turn + i) % 3;
      QElapsedTimer t;
      t.start();
      code[way] = way == 2 ? Runner(tool, &read[way]) : Floor(tool, way == 1, &read[way]);
      ms[way] = double(t.nsecsElapsed()) / 1e6;
    }
    ++turn;
    if (code[0] != 0 || code[1] != 0 || code[2] != 0 || read[0] != read[2] || read[1] != read[2] ||
        (tool.output && read[2] != "done\n")) {
      state.SkipWithError("the tool did not run alike all ways");
      return;
    }
    plain.push_back(ms[0]);
    floor.push_back(ms[1]);
    runner.push_back(ms[2]);
    state.SetIterationTime(ms[2] / 1000);
  }
  state.counters["plain_ms"] = Mean(plain);
  state.counters["floor_ms"] = Mean(floor);
  state.counters["runner_ms"] = Mean(runner);
  state.counters["plain_p90_ms"] = Percentile90(plain);
  state.counters["floor_p90_ms"] = Percentile90(floor);
  state.counters["runner_p90_ms"] = Percentile90(runner);
  state.counters["bound_ms"] = 1.05 * Mean(floor) + 2;
}
BENCHMARK(BM_ToolRun)
    ->ArgNames({"ms", "output"})
    ->ArgsProduct({{20, 40, 100}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

// Memory the program has written, given back at the end.
class Written {
 public:
  explicit Written(size_t bytes) : m_Bytes(bytes) {
    if (bytes == 0) return;
    void* const at = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (at == MAP_FAILED) return;
    m_At = static_cast<char*>(at);
    // A page a fault, in the count a copy would make.
    ::madvise(m_At, bytes, MADV_NOHUGEPAGE);
    Write();
  }
  ~Written() {
    if (m_At) ::munmap(m_At, m_Bytes);
  }
  Written(const Written&) = delete;
  Written& operator=(const Written&) = delete;
  bool Held() const { return m_Bytes == 0 || m_At; }
  // Writes it all again: the calling thread's minor faults meanwhile.
  long Write() {
    rusage before{}, after{};
    ::getrusage(RUSAGE_THREAD, &before);
    for (size_t i = 0; i < m_Bytes; i += 4096) m_At[i] = char(m_At[i] + 1);
    ::getrusage(RUSAGE_THREAD, &after);
    return after.ru_minflt - before.ru_minflt;
  }

 private:
  size_t m_Bytes;
  char* m_At = nullptr;
};

// `true` started by the C library's spawn and waited for: the floor of a
// detached start; with `session` in a session of its own, input from
// /dev/null, every signal at its default and none blocked, as the detached
// start gives it. Its exit code, -1 when it did not run.
int SpawnTrue(bool session) {
  char name[] = "true";
  char* argv[] = {name, nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  if (session) {
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
  }
  pid_t pid = -1;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, &attributes, argv, environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The program's standard output made a pipe of its own while it lives, so
// that every tool started meanwhile holds it: once they have all ended (a
// detached one too, which is not the program's to wait for) the pipe ends.
class OutputWatch {
 public:
  OutputWatch() {
    m_Saved = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
    if (m_Saved < 0 || ::pipe2(m_Ends, O_CLOEXEC) != 0) return;
    m_Held = ::dup2(m_Ends[1], STDOUT_FILENO) == STDOUT_FILENO;
    ::close(m_Ends[1]);
  }
  ~OutputWatch() {
    Restore();
    if (m_Ends[0] >= 0) ::close(m_Ends[0]);
  }
  OutputWatch(const OutputWatch&) = delete;
  OutputWatch& operator=(const OutputWatch&) = delete;
  bool Held() const { return m_Held; }
  // The program's own output back; then true once every tool that holds the
  // pipe has ended.
  bool AllEnded() {
    Restore();
    char chunk[64];
    ssize_t n;
    while ((n = ::read(m_Ends[0], chunk, sizeof chunk)) != 0)
      if (n < 0 && errno != EINTR) return false;
    return true;
  }

 private:
  void Restore() {
    if (m_Saved < 0) return;
    ::dup2(m_Saved, STDOUT_FILENO);
    ::close(m_Saved);
    m_Saved = -1;
  }
  int m_Saved = -1;
  int m_Ends[2] = {-1, -1};
  bool m_Held = false;
};

enum DetachedWay { kSpawn, kSessionSpawn, kDetached, kDetachedWays };

void BM_DetachedStart(benchmark::State& state) {
  const Written resident(size_t(state.range(0)) << 20);
  Written probe(size_t(64) << 20);
  if (!resident.Held() || !probe.Held()) {
    state.SkipWithError("no memory to hold");
    return;
  }
  std::vector<double> ms[kDetachedWays];
  double faults[kDetachedWays] = {};
  int turn = 0;
  for (auto _ : state) {
    for (int i = 0; i < kDetachedWays; ++i) {
      const int way = (turn + i) % kDetachedWays;
      OutputWatch output;
      QElapsedTimer t;
      t.start();
      const bool ran = way == kDetached ? KLX_Platform::StartDetached(QStringLiteral("true"), {})
                                        : SpawnTrue(way == kSessionSpawn) == 0;
      const double elapsed = double(t.nsecsElapsed()) / 1e6;
      if (!output.Held() || !output.AllEnded() || !ran) {
        state.SkipWithError("true did not run");
        return;
      }
      faults[way] += double(probe.Write());
      ms[way].push_back(elapsed);
    }
    ++turn;
    state.SetIterationTime(ms[kDetached].back() / 1000);
  }
  const double n = double(state.iterations());
  state.counters["floor_ms"] = Mean(ms[kSpawn]);
  state.counters["session_ms"] = Mean(ms[kSessionSpawn]);
  state.counters["detached_ms"] = Mean(ms[kDetached]);
  state.counters["floor_p90_ms"] = Percentile90(ms[kSpawn]);
  state.counters["detached_p90_ms"] = Percentile90(ms[kDetached]);
  state.counters["ratio"] = Mean(ms[kDetached]) / Mean(ms[kSpawn]);
  state.counters["session_ratio"] = Mean(ms[kDetached]) / Mean(ms[kSessionSpawn]);
  state.counters["floor_median_ms"] = Median(ms[kSpawn]);
  state.counters["detached_median_ms"] = Median(ms[kDetached]);
  state.counters["median_ratio"] = Median(ms[kDetached]) / Median(ms[kSpawn]);
  state.counters["faults"] = faults[kDetached] / n;
  state.counters["floor_faults"] = faults[kSpawn] / n;
}
BENCHMARK(BM_DetachedStart)
    ->ArgNames({"resident_mib"})
    ->Arg(0)
    ->Arg(256)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);
}  // namespace

BENCHMARK_MAIN();
