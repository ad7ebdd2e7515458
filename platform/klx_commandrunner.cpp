#include "platform/klx_commandrunner.h"
#include "platform/klx_network.h"
#include "platform/klx_platform.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QSet>
#include <QStandardPaths>

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <vector>

extern char** environ;

#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
#define KLX_SPAWN_CLOSEFROM 1
#endif
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 29))
#define KLX_SPAWN_CHDIR 1
#endif
// The kernel's call for a process descriptor (Linux 5.3), numbered alike on
// every architecture; glibc names it only from 2.36 on.
#ifndef SYS_pidfd_open
#define SYS_pidfd_open 434
#endif
#ifndef POSIX_SPAWN_SETSID
#error "a started program needs a session of its own: posix_spawn without POSIX_SPAWN_SETSID"
#endif

namespace KLX_Platform {

namespace {
QMutex g_logMutex;
// Off once the kernel has shown it has no process descriptors.
std::atomic<bool> g_EndByDescriptor{true};
// Every start by the program's own child, not only those that need it.
std::atomic<bool> g_StartByOwnChild{false};

// The program's environment with `additions` ("NAME=value") put in, as
// posix_spawn takes it.
class SpawnEnvironment {
 public:
  explicit SpawnEnvironment(const QStringList& additions) {
    for (char** e = environ; *e; ++e) m_Entries.emplace_back(*e);
    for (const QString& add : additions) {
      const QByteArray entry = add.toLocal8Bit();
      const QByteArray name = entry.left(entry.indexOf('=') + 1);
      m_Entries.erase(std::remove_if(m_Entries.begin(), m_Entries.end(),
                                     [&](const QByteArray& e) { return e.startsWith(name); }),
                      m_Entries.end());
      m_Entries.push_back(entry);
    }
    for (QByteArray& e : m_Entries) m_Pointers.push_back(e.data());
    m_Pointers.push_back(nullptr);
  }
  char** Pointers() { return m_Pointers.data(); }

 private:
  std::vector<QByteArray> m_Entries;
  std::vector<char*> m_Pointers;
};

QString FirstWord(const QString& line) {
  const QString t = line.trimmed();
  const int end = t.indexOf(QRegExp("[\\s&;|]"));
  return end < 0 ? t : t.left(end);
}
}  // namespace

bool SetEndByProcessDescriptor(bool on) { return g_EndByDescriptor.exchange(on); }

bool SetStartByOwnChild(bool on) { return g_StartByOwnChild.exchange(on); }

bool ChangesHost(const QString& program) {
  static const QSet<QString> hostChanging = {
      "sync", "poweroff", "reboot", "halt", "umount", "umount2", "mount", "date", "hwclock",
      "ifconfig", "wpa_supplicant", "udhcpc", "iw", "route", "killall", "ip", "rfkill"};
  const QString name = program.section('/', -1);
  return hostChanging.contains(name);
}

void RecordCommand(const QString& line) {
  QMutexLocker lock(&g_logMutex);
  const QString dir = Root() + "/run";
  QDir().mkpath(dir);
  QFile f(dir + "/commands.log");
  if (f.open(QIODevice::Append | QIODevice::Text)) {
    // The local time to the millisecond, a tab, the command: a reader who
    // wants the commands alone cuts at the first tab.
    f.write(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")).toUtf8());
    f.write("\t");
    f.write(line.toUtf8());
    f.write("\n");
  }
}

namespace {
// Where a started program's standard output and error go.
enum class Output {
  Discard,            // both to /dev/null
  Merged,             // both into the pipe
  StandardOnly,       // output into the pipe, error to /dev/null
  StandardKeepError,  // output into the pipe, error the program's own
  Inherited           // output and error the program's own
};

// The longest step between two looks at a running program whose end cannot
// be waited for through a process descriptor, and between two looks of a
// watch: short at first.
constexpr int kLongestStepMs = 50;
// A killed program that does not end within this (stuck in a driver) is
// left unreaped rather than waited for.
constexpr int kKillGraceMs = 2000;
// The stack of a detached tool for the few system calls before its program
// runs.
constexpr size_t kToolStackBytes = 16 << 10;

struct Started {
  pid_t pid = -1;
  int output = -1;  // the pipe's read end, -1 without one
};

int Reap(pid_t pid);

// posix_spawn sets no limits and cannot leave a tool to run on alone: such
// a start, and every start on a C library whose spawn cannot close the
// program's descriptors, is made by vfork, as the spawn does it (a fork
// would copy the whole program's page tables first), and the child does
// what the spawn would (only system calls, nothing that takes a lock or
// memory of the shared program), sets the limit (where one is given) and
// runs the tool. Everything the child needs is prepared here, before it.
struct ChildPlan {
  const char* path;  // the tool, resolved before
  char* const* argv;
  char* const* envp;
  Output output;
  int pipeWrite;        // the output pipe's write end, -1 without one
  const char* folder;   // null: the program's own
  qint64 fileSizeLimit; // -1: none
  long descriptors;     // the most the program may have open
  int told;             // where the child tells why the tool did not run
  bool detached;
  char* toolStack;      // the top of the detached tool's stack until it runs
};

// The child's word why the tool did not run (errno), and its end.
[[noreturn]] __attribute__((no_sanitize("address", "thread"))) void ChildFails(int told) {
  const int error = errno;
  if (::syscall(SYS_write, told, &error, sizeof error) < 0) ::_exit(126);
  ::_exit(127);
}

// Every signal the program handles or ignores goes back to its default, so
// that the tool starts as from a shell (an ignored SIGPIPE would turn a
// closed pipe into write errors in every pipeline of a script): the
// program's handlers go before a signal is let through. None is blocked.
bool ChildSignalsByDefault() {
  struct sigaction byDefault {};
  byDefault.sa_handler = SIG_DFL;
  for (int number = 1; number < NSIG; ++number) {
    struct sigaction current {};
    if (number != SIGKILL && number != SIGSTOP && ::sigaction(number, nullptr, &current) == 0 &&
        current.sa_handler != SIG_DFL && ::sigaction(number, &byDefault, nullptr) != 0)
      return false;
  }
  sigset_t none;
  sigemptyset(&none);
  return ::sigprocmask(SIG_SETMASK, &none, nullptr) == 0;
}

bool ChildNullOn(int fd, int flags) {
  const int opened = ::open("/dev/null", flags);
  if (opened < 0 || ::dup2(opened, fd) < 0) return false;
  if (opened != fd) ::close(opened);
  return true;
}

// Input from /dev/null, output and error as asked, no other descriptor of
// the program but the child's word.
bool ChildDescriptors(const ChildPlan& plan) {
  bool set = ChildNullOn(STDIN_FILENO, O_RDONLY);
  switch (plan.output) {
    case Output::Discard:
      set = set && ChildNullOn(STDOUT_FILENO, O_WRONLY) && ::dup2(STDOUT_FILENO, STDERR_FILENO) >= 0;
      break;
    case Output::Merged:
      set = set && ::dup2(plan.pipeWrite, STDOUT_FILENO) >= 0 && ::dup2(plan.pipeWrite, STDERR_FILENO) >= 0;
      break;
    case Output::StandardOnly:
      set = set && ::dup2(plan.pipeWrite, STDOUT_FILENO) >= 0 && ChildNullOn(STDERR_FILENO, O_WRONLY);
      break;
    case Output::StandardKeepError:
      set = set && ::dup2(plan.pipeWrite, STDOUT_FILENO) >= 0;
      break;
    case Output::Inherited:
      break;
  }
  if (!set) return false;
  const int word = plan.told;
#ifdef SYS_close_range
  if ((word > STDERR_FILENO + 1 && ::syscall(SYS_close_range, STDERR_FILENO + 1, word - 1, 0) != 0) ||
      ::syscall(SYS_close_range, word + 1, ~0U, 0) != 0)
#endif
    for (long fd = STDERR_FILENO + 1; fd < plan.descriptors; ++fd)
      if (fd != word) ::close(int(fd));
  return true;
}

// The detached tool: runs its program or tells why not. It shares the
// program's memory until then, as the child does, on a stack of its own
// that no checker of the program's memory or threads knows: only system
// calls, and nothing a checker would look into. Its errno is the calling
// thread's, which runs meanwhile: the number it tells may be that of an
// interrupted wait there, the outcome never.
__attribute__((no_sanitize("address", "thread"))) int ToolRuns(void* planned) {
  const ChildPlan& plan = *static_cast<const ChildPlan*>(planned);
  ::syscall(SYS_execve, plan.path, plan.argv, plan.envp);
  ChildFails(plan.told);
}

// The child: set up as the spawn would, then the tool runs in its place
// or, detached, in a process of its own that shares the memory as the
// child does (no copy of the program's page tables), while the child ends
// at once, so that the tool is left to init, which reaps it. The caller
// learns that the tool runs from the tool itself (see SpawnLimited), not
// through the child: the child's end and the tool's start overlap.
[[noreturn]] void ChildStartsTool(const ChildPlan& plan) {
  const rlim_t limit = rlim_t(plan.fileSizeLimit);
  const rlimit fileSize{limit, limit};
  if (!ChildSignalsByDefault() || ::setsid() < 0 || !ChildDescriptors(plan) ||
      (plan.folder && ::chdir(plan.folder) != 0) ||
      (plan.fileSizeLimit >= 0 && ::setrlimit(RLIMIT_FSIZE, &fileSize) != 0))
    ChildFails(plan.told);
  if (plan.detached) {
    // Under ThreadSanitizer the clone is the checker's, which hands the tool
    // its arguments from this child's stack: the child waits for the tool.
    const int waits = kThreadCheckerBuild ? CLONE_VFORK : 0;
    if (::clone(ToolRuns, plan.toolStack, CLONE_VM | waits | SIGCHLD, const_cast<ChildPlan*>(&plan)) < 0)
      ChildFails(plan.told);
    ::_exit(0);
  }
  ::syscall(SYS_execve, plan.path, plan.argv, plan.envp);
  ChildFails(plan.told);
}

// The tool started by the program's own child (see ChildPlan). The caller
// waits only until the tool runs (or has told why it could not); `pid` is
// then the tool's, or the ended parent of a detached tool. The result: 0 once
// the tool runs, or the error number that kept it from running (the child
// is reaped then).
int SpawnLimited(pid_t* pid, ChildPlan plan) {
  if (!plan.path || !*plan.path) return ENOENT;
  plan.descriptors = qMax(::sysconf(_SC_OPEN_MAX), 1024L);
  // The detached tool's stack, for the few calls before its program runs:
  // this frame is left only once the tool has left it.
  alignas(64) char toolStack[kToolStackBytes];
  plan.toolStack = toolStack + sizeof toolStack;
  // Its write end is closed at the child's end and at the tool's start (or
  // end), so the pipe ends once both are past the program's memory; until
  // then only a word why the tool did not run comes through. (A pipe, not
  // the shared memory: a checker may turn vfork into a fork.)
  int told[2];
  if (::pipe2(told, O_CLOEXEC) != 0) return errno;
  plan.told = told[1];
  // Until it runs the tool the child shares the program's memory: no
  // handler of the program may run in it, so every signal waits.
  sigset_t all, before;
  sigfillset(&all);
  ::pthread_sigmask(SIG_SETMASK, &all, &before);
  const pid_t child = ::vfork();
  if (child == 0) ChildStartsTool(plan);
  int error = child < 0 ? errno : 0;
  ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
  ::close(told[1]);
  ssize_t n = 0;
  while (child > 0 && (n = ::read(told[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  // A detached tool that told why it did not run is still ending on its
  // stack in this frame: gone once the pipe ends.
  char rest[sizeof error];
  ssize_t more;
  while (child > 0 && n != 0 && ((more = ::read(told[0], rest, sizeof rest)) > 0 || (more < 0 && errno == EINTR))) {
  }
  asm volatile("" : : "r"(toolStack) : "memory");  // kept to here
  ::close(told[0]);
  if (child < 0) return error;
  if (n != 0) {
    Reap(child);
    return n == sizeof error && error != 0 ? error : ECHILD;
  }
  *pid = child;
  return 0;
}

// The C library's spawn of argv[0] (searched on PATH) as the program's own
// child would start it (see ChildPlan): 0 or the error number.
int SpawnByLibrary(pid_t* pid, char* const argv[], char* const envp[], Output output, int pipeWrite,
                   const QByteArray& folder) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  switch (output) {
    case Output::Discard:
      posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
      posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
      break;
    case Output::Merged:
      posix_spawn_file_actions_adddup2(&actions, pipeWrite, STDOUT_FILENO);
      posix_spawn_file_actions_adddup2(&actions, pipeWrite, STDERR_FILENO);
      break;
    case Output::StandardOnly:
      posix_spawn_file_actions_adddup2(&actions, pipeWrite, STDOUT_FILENO);
      posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
      break;
    case Output::StandardKeepError:
      posix_spawn_file_actions_adddup2(&actions, pipeWrite, STDOUT_FILENO);
      break;
    case Output::Inherited:
      break;
  }
#ifdef KLX_SPAWN_CLOSEFROM
  // What it starts in the background may outlive the run: it keeps none of
  // the program's descriptors (another pipe's write end would keep that
  // pipe's reader from ever seeing its end).
  posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
#endif
#ifdef KLX_SPAWN_CHDIR
  if (!folder.isEmpty()) posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
#else
  Q_UNUSED(folder);
#endif
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none, all;
  sigemptyset(&none);
  // Ignored signals too (the program ignores SIGPIPE), and the two that
  // the C library keeps for itself, which sigfillset leaves out and its
  // spawn would otherwise leave ignored: every bit set.
  std::memset(&all, 0xFF, sizeof all);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &all);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
  const int spawned = posix_spawnp(pid, argv[0], &actions, &attributes, argv, envp);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return spawned;
}

// Starts `program` (searched on PATH) in a session of its own, so that it
// has no controlling terminal and its process group is its pid, with its
// input from /dev/null, every signal at its default and none blocked (the
// caller's thread may block SIGPIPE, the program ignores it) and none of
// the program's descriptors. `detached`: left to init (see ChildPlan); the
// pid is that of its parent, which has ended.
Started Start(const QString& program, const QStringList& args, const QStringList& environment, Output output,
              const QString& workingDirectory = QString(), const RunOptions& options = {}, bool detached = false) {
  QStringList words = QStringList{program} + args;
  const QByteArray folder = workingDirectory.isEmpty() ? QByteArray() : QFile::encodeName(Root() + workingDirectory);
#ifndef KLX_SPAWN_CHDIR
  // Without posix_spawn's own change of folder the shell makes it.
  if (!folder.isEmpty())
    words = QStringList{QStringLiteral("/bin/sh"), QStringLiteral("-c"), QStringLiteral("cd -- \"$0\" && exec \"$@\""),
                        QFile::decodeName(folder)} +
            words;
  const QByteArray childFolder;
#else
  const QByteArray childFolder = folder;
#endif
  std::vector<QByteArray> bytes;
  for (const QString& w : words) bytes.push_back(w.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& b : bytes) argv.push_back(b.data());
  argv.push_back(nullptr);
  SpawnEnvironment env(environment);

  const bool piped = output != Output::Discard && output != Output::Inherited;
  int pipeEnds[2] = {-1, -1};
  if (piped && ::pipe2(pipeEnds, O_CLOEXEC) != 0) return {};
  Started started;
  int spawned = 0;
#ifdef KLX_SPAWN_CLOSEFROM
  const bool byOwnChild = options.fileSizeLimit >= 0 || detached || g_StartByOwnChild.load(std::memory_order_relaxed);
#else
  // A spawn without closefrom would hand the tool every descriptor the
  // program opened without close-on-exec: the child closes them itself.
  const bool byOwnChild = true;
#endif
  if (byOwnChild) {
    const QByteArray path = QFile::encodeName(
        words.first().contains(QLatin1Char('/')) ? words.first() : QStandardPaths::findExecutable(words.first()));
    ChildPlan plan{};
    plan.path = path.constData();
    plan.argv = argv.data();
    plan.envp = env.Pointers();
    plan.output = output;
    plan.pipeWrite = pipeEnds[1];
    plan.folder = childFolder.isEmpty() ? nullptr : childFolder.constData();
    plan.fileSizeLimit = options.fileSizeLimit;
    plan.detached = detached;
    spawned = SpawnLimited(&started.pid, plan);
  } else {
    spawned = SpawnByLibrary(&started.pid, argv.data(), env.Pointers(), output, pipeEnds[1], childFolder);
  }
  if (pipeEnds[1] >= 0) ::close(pipeEnds[1]);
  if (spawned != 0) {
    if (pipeEnds[0] >= 0) ::close(pipeEnds[0]);
    return {};
  }
  started.output = pipeEnds[0];
  return started;
}

// True once `pid` has ended. It is not reaped: until Reap its pid and its
// process group cannot be another's.
bool Ended(pid_t pid) {
  siginfo_t info{};
  while (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) < 0) {
    // Nothing left to wait for counts as ended.
    if (errno != EINTR) return true;
  }
  return info.si_pid == pid;
}

// The exit code of an ended program, -1 when a signal ended it.
int Reap(pid_t pid) {
  int status = 0;
  pid_t reaped;
  while ((reaped = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
  }
  return reaped == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What a tool prints, kept in bounded memory however much it prints: its
// first kOutputHeadBytes and its last kOutputTailBytes.
class KeptOutput {
 public:
  void Append(const char* bytes, int count) {
    const int toHead = qMin(count, kOutputHeadBytes - m_Head.size());
    m_Head.append(bytes, toHead);
    if (toHead == count) return;
    m_Tail.append(bytes + toHead, count - toHead);
    // Cut in steps of a tail's length, so that each byte is moved once.
    if (m_Tail.size() >= 2 * kOutputTailBytes) {
      const int cut = m_Tail.size() - kOutputTailBytes;
      m_Dropped += cut;
      m_Tail.remove(0, cut);
    }
  }
  QByteArray Text() const {
    const int cut = qMax(0, m_Tail.size() - kOutputTailBytes);
    const qint64 dropped = m_Dropped + cut;
    if (dropped == 0) return m_Head + m_Tail;
    return m_Head + "\n[" + QByteArray::number(dropped) + " bytes left out]\n" + m_Tail.mid(cut);
  }

 private:
  QByteArray m_Head;
  QByteArray m_Tail;
  qint64 m_Dropped = 0;
};

// Moves what the pipe holds now into `collected`; false at its end.
bool ReadAvailable(int readEnd, KeptOutput* collected) {
  char chunk[4096];
  for (;;) {
    const ssize_t n = ::read(readEnd, chunk, sizeof chunk);
    if (n > 0) {
      if (collected) collected->Append(chunk, int(n));
      if (size_t(n) < sizeof chunk) return true;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    return n < 0 && errno == EAGAIN;
  }
}

void SleepMs(int ms) {
  timespec t{ms / 1000, long(ms % 1000) * 1000000L};
  while (::nanosleep(&t, &t) < 0 && errno == EINTR) {
  }
}

// A descriptor that becomes readable when a started program ends, so that
// its end is seen at once; -1 where there is none (a kernel before 5.3):
// the end is then looked for in steps. The program is not reaped before the
// descriptor is closed, so its pid cannot be another's meanwhile.
class EndWatch {
 public:
  explicit EndWatch(pid_t pid) {
    if (!g_EndByDescriptor.load(std::memory_order_relaxed)) return;
    // Opened with close-on-exec: no later program inherits it.
    m_Fd = int(::syscall(SYS_pidfd_open, pid, 0));
    if (m_Fd < 0 && errno == ENOSYS) g_EndByDescriptor = false;
  }
  ~EndWatch() {
    if (m_Fd >= 0) ::close(m_Fd);
  }
  EndWatch(const EndWatch&) = delete;
  EndWatch& operator=(const EndWatch&) = delete;
  int Fd() const { return m_Fd; }

 private:
  int m_Fd = -1;
};

// Waits until `pid` ends, at most `timeoutMs` (kNoTimeLimit: no limit),
// reading what it prints from `readEnd` (-1: nothing) into `collected`
// meanwhile, so that a full pipe never holds it up, and no longer than
// `keepGoing` (when given) answers true at each look, one every `lookMs`
// (0: in steps). True when it ended.
bool WaitForEnd(pid_t pid, int timeoutMs, int readEnd, KeptOutput* collected,
                const std::function<bool()>& keepGoing = {}, int lookMs = 0) {
  if (readEnd >= 0) ::fcntl(readEnd, F_SETFL, ::fcntl(readEnd, F_GETFL) | O_NONBLOCK);
  if (timeoutMs < 0 && readEnd < 0 && !keepGoing) {
    siginfo_t info{};
    while (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
    }
    return true;
  }
  const EndWatch end(pid);
  QElapsedTimer clock;
  clock.start();
  int step = 1;
  for (;;) {
    if (Ended(pid)) {
      // What it printed last; what it left running may hold the pipe open.
      if (readEnd >= 0) ReadAvailable(readEnd, collected);
      return true;
    }
    if (keepGoing && !keepGoing()) return false;
    // Its end wakes the wait; only a watch, or a kernel without process
    // descriptors, needs looks in steps.
    qint64 wait = -1;
    if (end.Fd() < 0 || keepGoing) {
      wait = step;
      step = qMin(step * 2, kLongestStepMs);
    }
    if (keepGoing && lookMs > 0) wait = end.Fd() < 0 ? qMin<qint64>(wait, lookMs) : lookMs;
    if (timeoutMs >= 0) {
      const qint64 left = timeoutMs - clock.elapsed();
      if (left <= 0) return false;
      wait = wait < 0 ? left : qMin(wait, left);
    }
    pollfd ready[2];
    nfds_t count = 0;
    if (end.Fd() >= 0) ready[count++] = {end.Fd(), POLLIN, 0};
    const nfds_t output = count;
    if (readEnd >= 0) ready[count++] = {readEnd, POLLIN, 0};
    if (count == 0) {
      SleepMs(int(wait));
      continue;
    }
    if (::poll(ready, count, int(wait)) > 0 && readEnd >= 0 && ready[output].revents != 0 &&
        !ReadAvailable(readEnd, collected)) {
      // The end of its output: its own end follows in a moment, so the
      // steps start short again.
      readEnd = -1;
      step = 1;
    }
  }
}

// Kills a program with all its process group and reaps it once it has ended.
void KillGroup(pid_t pid) {
  ::kill(-pid, SIGKILL);
  if (WaitForEnd(pid, kKillGraceMs, -1, nullptr)) Reap(pid);
}

// Kills a program that ran out of time, with all its process group (what a
// shell started dies with it), and reaps it once it has ended.
void KillGroup(const QString& program, pid_t pid, int timeoutMs) {
  qWarning("%s did not end within %d ms: killed", qUtf8Printable(program), timeoutMs);
  KillGroup(pid);
}

// The end of a started run: the exit code, -1 when it did not start, was
// killed or ran out of time. What it printed, as far as it came, in `output`.
int Finish(const QString& program, const Started& started, int timeoutMs, QByteArray* output) {
  if (started.pid <= 0) return -1;
  KeptOutput collected;
  const bool ended = WaitForEnd(started.pid, timeoutMs, started.output, &collected);
  if (started.output >= 0) ::close(started.output);
  if (output) *output = collected.Text();
  if (!ended) {
    KillGroup(program, started.pid, timeoutMs);
    return -1;
  }
  return Reap(started.pid);
}
}  // namespace

int System(const QString& commandLine, int timeoutMs) {
  if (!IsBoard() && ChangesHost(FirstWord(commandLine))) {
    RecordCommand(commandLine);
    return 0;
  }
  const QString shell = QStringLiteral("/bin/sh");
  return Finish(shell, Start(shell, {QStringLiteral("-c"), commandLine}, {}, Output::Discard), timeoutMs, nullptr);
}

QString ShellFirstLine(const QString& commandLine, const QStringList& environment, int timeoutMs) {
  if (!IsBoard() && ChangesHost(FirstWord(commandLine))) {
    RecordCommand(commandLine);
    return QString();
  }
  const QString shell = QStringLiteral("/bin/sh");
  const Started started = Start(shell, {QStringLiteral("-c"), commandLine}, environment, Output::StandardKeepError);
  if (started.pid <= 0) return QString();
  // One line: what the shell started in the background keeps the pipe
  // open, so reading on to the end would wait for it.
  QElapsedTimer clock;
  clock.start();
  QByteArray text;
  bool complete = false;
  while (!complete && text.size() < 127) {
    const qint64 left = timeoutMs - clock.elapsed();
    pollfd ready{started.output, POLLIN, 0};
    const int polled = left > 0 ? ::poll(&ready, 1, int(left)) : 0;
    if (polled < 0 && errno == EINTR) continue;
    if (polled <= 0) break;
    char c;
    const ssize_t n = ::read(started.output, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0 || c == '\n') complete = true;
    else text.append(c);
  }
  ::close(started.output);
  const qint64 left = qMax<qint64>(0, timeoutMs - clock.elapsed());
  if (!WaitForEnd(started.pid, int(left), -1, nullptr)) {
    KillGroup(shell, started.pid, timeoutMs);
    return QString();
  }
  Reap(started.pid);
  return QString::fromLocal8Bit(text);
}

int Run(const QString& program, const QStringList& args, int timeoutMs, QByteArray* output,
        const QStringList& environment, const QString& workingDirectory) {
  if (!IsBoard() && ChangesHost(program)) {
    RecordCommand((QStringList{program} + args).join(' '));
    return RecordedCommandAnswer(program, args, output);
  }
  const Started started =
      Start(program, args, environment, output ? Output::Merged : Output::Discard, workingDirectory);
  return Finish(program, started, timeoutMs, output);
}

int RunWatched(const QString& program, const QStringList& args, int timeoutMs,
               const std::function<bool()>& keepGoing, const RunOptions& options) {
  if (!IsBoard() && ChangesHost(program)) {
    RecordCommand((QStringList{program} + args).join(' '));
    return 0;
  }
  const Started started = Start(program, args, {}, Output::Discard, QString(), options);
  if (started.pid <= 0) return -1;
  bool halted = false;
  const auto watch = [&] {
    halted = !keepGoing();
    return !halted;
  };
  if (WaitForEnd(started.pid, timeoutMs, -1, nullptr, watch, options.lookMs)) return Reap(started.pid);
  if (!halted) {
    KillGroup(program, started.pid, timeoutMs);
  } else {
    qWarning("%s was ended by its watch", qUtf8Printable(program));
    KillGroup(started.pid);
  }
  return -1;
}

int Run(const QString& program, const QStringList& args, QByteArray* output) {
  return Run(program, args, kDefaultToolMs, output);
}

int RunFor(const QString& program, const QStringList& args, int timeoutMs, QByteArray* standardOutput) {
  if (!IsBoard() && ChangesHost(program)) {
    RecordCommand((QStringList{program} + args).join(' '));
    return RecordedCommandAnswer(program, args, standardOutput);
  }
  return Finish(program, Start(program, args, {}, Output::StandardOnly), timeoutMs, standardOutput);
}

bool StartDetached(const QString& program, const QStringList& args) {
  if (!IsBoard() && ChangesHost(program)) {
    RecordCommand((QStringList{program} + args).join(' ') + QStringLiteral(" &"));
    RecordedCommandAnswer(program, args, nullptr);
    return true;
  }
  // As every run: input from /dev/null, a session of its own and none of
  // the program's descriptors but its output and error, which it shares.
  // Not waited for: init reaps it, so it leaves no zombie behind and needs
  // nothing of this program (no thread, no descriptor) while it runs.
  const Started started = Start(program, args, {}, Output::Inherited, QString(), {}, true);
  if (started.pid <= 0) return false;
  // The tool's parent, which ended as soon as the tool ran.
  return Reap(started.pid) == 0;
}

// ---- A run another thread may end ----

int KLX_StoppableRun::Run(const QString& program, const QStringList& args, const QStringList& environment,
                          const std::function<bool()>& cancelled, int timeoutMs, const QString& workingDirectory) {
  pid_t pid = -1;
  {
    // The check and the start are one step for Stop: a stop is either seen
    // here or finds the process to end.
    QMutexLocker lock(&m_Mutex);
    if (cancelled && cancelled()) return -1;
    // What it prints goes nowhere, as with Run without an output.
    pid = Start(program, args, environment, Output::Discard, workingDirectory).pid;
    if (pid <= 0) return -1;
    m_Pid = pid;
  }
  // Waited for without reaping: until the pid is let go below, Stop can
  // only ever signal this process.
  const bool ended = WaitForEnd(pid, timeoutMs, -1, nullptr);
  bool stopped;
  {
    QMutexLocker lock(&m_Mutex);
    m_Pid = 0;
    stopped = m_Stopped;
    m_Stopped = false;
  }
  if (!ended) {
    KillGroup(program, pid, timeoutMs);
    return -1;
  }
  const int code = Reap(pid);
  return stopped ? -1 : code;
}

void KLX_StoppableRun::Stop() {
  QMutexLocker lock(&m_Mutex);
  if (m_Pid <= 0) return;
  m_Stopped = true;
  // The process group: what the program started ends with it.
  ::kill(-m_Pid, SIGTERM);
}

}  // namespace KLX_Platform
