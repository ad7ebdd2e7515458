#pragma once
// The raw CAN socket to the controllers. Every read and write moves one whole
// 16-byte frame. The board opens SocketCAN on "can0"; the desktop build opens
// the stand-in bus at "<root>/run/can0" that the simulated controllers serve.
#include <QString>

#include <cstdint>
#include <sys/types.h>

// One classic CAN frame, laid out as the kernel's: identifier word with the
// flags below, data length code, three pad bytes, eight data bytes.
struct KLX_CanFrame {
  uint32_t can_id = 0;
  uint8_t can_dlc = 0;
  uint8_t pad = 0;
  uint8_t res0 = 0;
  uint8_t res1 = 0;
  uint8_t data[8] = {};
};
static_assert(sizeof(KLX_CanFrame) == 16, "a CAN frame is 16 bytes on the wire");

constexpr uint32_t KLX_CAN_EFF_FLAG = 0x80000000u;  // extended 29-bit identifier
constexpr uint32_t KLX_CAN_RTR_FLAG = 0x40000000u;  // remote request
constexpr uint32_t KLX_CAN_ERR_FLAG = 0x20000000u;  // error frame
constexpr uint32_t KLX_CAN_SFF_MASK = 0x000007FFu;
constexpr uint32_t KLX_CAN_EFF_MASK = 0x1FFFFFFFu;
constexpr uint8_t KLX_CAN_MAX_DLC = 8;
constexpr int KLX_CAN_FRAME_SIZE = 16;

namespace KLX_Platform {

// The set-up step at which opening the bus socket failed.
enum class CanOpenStep { Done, Socket, ReceiveBuffer, SendBuffer, Interface, Bind };

// Opens the bus socket (receive buffer 0xC85000 bytes, send buffer the
// minimum). The board opens "can0" and ignores standInPath; the desktop joins
// the stand-in bus served at standInPath (the mapped "/run/can0"), and keeps
// joining it while the simulator comes and goes, as a board's socket stays
// open while a controller restarts. Returns the descriptor, or -1 with
// *failed naming the step.
int CanOpen(const QString& standInPath, CanOpenStep* failed);

// Closes a descriptor of CanOpen, or one that a test handed to the threads.
void CanClose(int fd);

// One frame each. Returns 16, or -1 with errno set (a frame longer or
// shorter than 16 bytes, or with more than 8 data bytes, is EBADMSG / EINVAL).
ssize_t CanRead(int fd, KLX_CanFrame* frame);
ssize_t CanWrite(int fd, const KLX_CanFrame& frame);

// Waits up to timeoutMs for something to read (a frame, or a hang-up that
// the next read reports). False on time-out.
bool CanWaitReadable(int fd, int timeoutMs);

// Waits up to timeoutMs until a write can be taken again.
bool CanWaitWritable(int fd, int timeoutMs);

}  // namespace KLX_Platform
