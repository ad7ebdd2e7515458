// The waits on a bus socket, the same on both builds.
#include "platform/klx_cansocket.h"

#include <cerrno>
#include <poll.h>

namespace KLX_Platform {

namespace {
bool WaitFor(int fd, short events, int timeoutMs) {
  if (fd < 0) return false;
  pollfd p{fd, events, 0};
  for (;;) {
    const int rc = ::poll(&p, 1, timeoutMs);
    if (rc < 0 && errno == EINTR) continue;
    // An error or a hang-up counts as ready: the next call reports it.
    return rc > 0;
  }
}
}  // namespace

bool CanWaitReadable(int fd, int timeoutMs) { return WaitFor(fd, POLLIN, timeoutMs); }
bool CanWaitWritable(int fd, int timeoutMs) { return WaitFor(fd, POLLOUT, timeoutMs); }

}  // namespace KLX_Platform
