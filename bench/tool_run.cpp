// A tool run through the command runner, beside its floors in the same
// run: a plain fork, exec and wait of the same tool, and the same with the
// session of its own that the runner gives every tool (setsid between fork
// and exec: a new session costs the kernel a scheduling group, some ms on a
// busy machine, paid by the runner before and after its waiting changed).
// Output is read from a pipe to its end where the runner reads it too.
// Tools of 20, 40 and 100 ms, without output (`sleep`) and with it (a shell
// that sleeps and prints); the three take turns, one run each per
// iteration. The runner's time limit is one it never reaches.
//
// Counters: the mean and the 90th percentile of each, in ms (`plain`
// without the session, `floor` with it), and `bound_ms`, 1.05 x the floor's
// mean + 2 ms, which the runner's mean should stay within.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

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

double Percentile90(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, size_t(double(v.size()) * 0.9))];
}

void BM_ToolRun(benchmark::State& state) {
  const Tool tool = MakeTool(int(state.range(0)), state.range(1) != 0);
  std::vector<double> plain, floor, runner;
  for (auto _ : state) {
    QByteArray a, b, c;
    QElapsedTimer t;
    t.start();
    const int p = Floor(tool, false, &a);
    const double pt = double(t.nsecsElapsed()) / 1e6;
    t.restart();
    const int f = Floor(tool, true, &b);
    const double ft = double(t.nsecsElapsed()) / 1e6;
    t.restart();
    const int r = Runner(tool, &c);
    const double rt = double(t.nsecsElapsed()) / 1e6;
    if (p != 0 || f != 0 || r != 0 || a != c || b != c || (tool.output && c != "done\n")) {
      state.SkipWithError("the tool did not run alike all ways");
      return;
    }
    plain.push_back(pt);
    floor.push_back(ft);
    runner.push_back(rt);
    state.SetIterationTime(rt / 1000);
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
}  // namespace

BENCHMARK_MAIN();
