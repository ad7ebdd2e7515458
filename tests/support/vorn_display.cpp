#include "vorn_display.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

// A connection to the socket file of display `number`, or -1.
int ConnectDisplay(const std::string& number) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  snprintf(address.sun_path, sizeof address.sun_path, "/tmp/.X11-unix/X%s", number.c_str());
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
  close(fd);
  return -1;
}

// Whether an X server listens on display `number`.
bool DisplayAnswers(const std::string& number) {
  const int fd = ConnectDisplay(number);
  if (fd >= 0) close(fd);
  return fd >= 0;
}

// Whether the server on display `number` takes a client: it accepts the X
// setup of a client without authorisation. A server that only listens may
// still turn its first client away while it starts (about 1 start in 300
// beside others), so the test's own client is made only after this.
bool DisplayTakesClients(const std::string& number) {
  const int fd = ConnectDisplay(number);
  if (fd < 0) return false;
  // Little-endian byte order, protocol 11.0, no authorisation.
  const unsigned char setup[12] = {'l', 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  unsigned char reply[8] = {};
  bool taken = false;
  if (send(fd, setup, sizeof setup, MSG_NOSIGNAL) == static_cast<ssize_t>(sizeof setup)) {
    pollfd readable{fd, POLLIN, 0};
    // 1 is Success; a server too busy to answer in a second is asked again.
    taken = poll(&readable, 1, 1000) == 1 && recv(fd, reply, sizeof reply, 0) > 0 && reply[0] == 1;
  }
  close(fd);
  return taken;
}

}  // namespace

pid_t VornStartXvfb(const std::string& number) {
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid == 0) {
    // A test program that aborts runs no clean-up of its own.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(127);
    const int quiet = open("/dev/null", O_WRONLY);
    if (quiet >= 0) dup2(quiet, STDERR_FILENO);
    // -noreset: the setup check below is a client, whose end would otherwise
    // reset the server just as the test's own client comes.
    execlp("Xvfb", "Xvfb", (":" + number).c_str(), "-screen", "0", "640x400x24", "-nolisten", "tcp", "-noreset",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  if (pid < 0) return 0;
  // A server that comes up answers within a second on a quiet machine; a
  // busy one may keep it from running for many. A minute is a hang.
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const time_t deadline = now.tv_sec + 60;
  do {
    if (DisplayTakesClients(number)) return pid;
    if (waitpid(pid, nullptr, WNOHANG) == pid) return 0;
    usleep(50 * 1000);
    clock_gettime(CLOCK_MONOTONIC, &now);
  } while (now.tv_sec < deadline);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return 0;
}

// An X server looking for a free display number takes over the socket of a
// server already on it, so the number is chosen here, away from xvfb-run's,
// while the test programs take turns (a lock file).
std::string VornStartFreeXvfb(pid_t* server) {
  *server = 0;
  const int lock = open("/tmp/.vorn-test-xvfb.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (lock >= 0) flock(lock, LOCK_EX);
  std::string number;
  for (int n = 300; n < 400 && *server == 0; ++n) {
    number = std::to_string(n);
    if (access(("/tmp/.X" + number + "-lock").c_str(), F_OK) == 0 || DisplayAnswers(number)) continue;
    *server = VornStartXvfb(number);
  }
  if (lock >= 0) close(lock);
  return *server != 0 ? number : std::string();
}

void VornOwnDisplay() {
  static pid_t server = 0;
  if (server != 0) return;
  const std::string number = VornStartFreeXvfb(&server);
  if (number.empty()) {
    const char* given = getenv("DISPLAY");
    if (given && *given) return;
    fprintf(stderr, "SKIP: no X display: Xvfb could not be started and DISPLAY is not set\n");
    exit(kVornSkipCode);
  }
  setenv("DISPLAY", (":" + number).c_str(), 1);
  std::atexit([] {
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
  });
}
