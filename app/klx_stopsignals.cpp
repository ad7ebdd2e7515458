#include "app/klx_stopsignals.h"

#include "frame/klx_system.h"

#include <QDebug>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int g_Pipe[2] = {-1, -1};
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

void NoteSignal(int signal) {
  const int saved = errno;
  const char note = static_cast<char>(signal);
  // A full pipe already holds a note: this one may be dropped.
  [[maybe_unused]] const ssize_t written = ::write(g_Pipe[1], &note, 1);
  errno = saved;
}
}  // namespace

bool KLX_StopSignals::Install() {
  if (g_Pipe[0] < 0 && ::pipe2(g_Pipe, O_NONBLOCK | O_CLOEXEC) != 0) return false;
  struct sigaction action = {};
  action.sa_handler = NoteSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  bool ok = true;
  for (int signal : kStopSignals) ok &= ::sigaction(signal, &action, nullptr) == 0;
  return ok;
}

KLX_StopSignalWatch::KLX_StopSignalWatch(KLX_System* system, QObject* parent) : QObject(parent), m_System(system) {
  if (g_Pipe[0] < 0) return;
  m_Notifier = new QSocketNotifier(g_Pipe[0], QSocketNotifier::Read, this);
  connect(m_Notifier, &QSocketNotifier::activated, this, &KLX_StopSignalWatch::Read);
}

void KLX_StopSignalWatch::Read() {
  char notes[16];
  bool any = false;
  while (::read(g_Pipe[0], notes, sizeof(notes)) > 0) any = true;
  if (!any) return;
  qInfo("  ->   stop signal received: switching off");
  m_System->KLX_SystemRequestSwitchOff();
}
