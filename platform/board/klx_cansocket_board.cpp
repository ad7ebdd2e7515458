// Board build: SocketCAN raw socket on "can0".
#include "platform/klx_cansocket.h"

#include <cerrno>
#include <cstring>
#include <linux/can.h>
#include <linux/can/raw.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

static_assert(sizeof(can_frame) == sizeof(KLX_CanFrame), "frame layout differs from the kernel's");
static_assert(CAN_EFF_FLAG == KLX_CAN_EFF_FLAG && CAN_RTR_FLAG == KLX_CAN_RTR_FLAG &&
                  CAN_ERR_FLAG == KLX_CAN_ERR_FLAG,
              "flag bits differ from the kernel's");

namespace KLX_Platform {

int CanOpen(const QString&, CanOpenStep* failed) {
  CanOpenStep dummy;
  if (!failed) failed = &dummy;
  *failed = CanOpenStep::Done;
  const int fd = ::socket(PF_CAN, SOCK_RAW, CAN_RAW);
  if (fd < 0) {
    *failed = CanOpenStep::Socket;
    return -1;
  }
  auto fail = [&](CanOpenStep step) {
    const int saved = errno;
    ::close(fd);
    errno = saved;
    *failed = step;
    return -1;
  };
  // A large receive buffer holds bursts of stick and telemetry frames while
  // the handlers run; the smallest send buffer keeps the transmit queue short.
  int size = 0xC85000;
  if (::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof(size)) != 0)
    return fail(CanOpenStep::ReceiveBuffer);
  size = 0;
  if (::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &size, sizeof(size)) != 0)
    return fail(CanOpenStep::SendBuffer);
  ifreq ifr;
  std::memset(&ifr, 0, sizeof(ifr));
  std::strncpy(ifr.ifr_name, "can0", IFNAMSIZ - 1);
  if (::ioctl(fd, SIOCGIFINDEX, &ifr) != 0) return fail(CanOpenStep::Interface);
  sockaddr_can addr;
  std::memset(&addr, 0, sizeof(addr));
  addr.can_family = AF_CAN;
  addr.can_ifindex = ifr.ifr_ifindex;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0)
    return fail(CanOpenStep::Bind);
  return fd;
}

void CanClose(int fd) {
  if (fd >= 0) ::close(fd);
}

ssize_t CanRead(int fd, KLX_CanFrame* frame) {
  const ssize_t n = ::read(fd, frame, sizeof(*frame));
  if (n == KLX_CAN_FRAME_SIZE && frame->can_dlc > KLX_CAN_MAX_DLC) {
    errno = EBADMSG;
    return -1;
  }
  return n;
}

ssize_t CanWrite(int fd, const KLX_CanFrame& frame) {
  if (frame.can_dlc > KLX_CAN_MAX_DLC) {
    errno = EINVAL;
    return -1;
  }
  return ::write(fd, &frame, sizeof(frame));
}

}  // namespace KLX_Platform
