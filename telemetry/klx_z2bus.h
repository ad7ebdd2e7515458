#pragma once
// The sensor-bus frames that the transceiver controller relays. Least form:
// the command byte of a received frame and the sensor update command; the
// parsers and the other command builders come with the telemetry.
#include <cstdint>

class KLX_Z2Bus {
 public:
  // The command byte (offset 1) of a frame of `length` bytes; 255 (no
  // command) when the frame is too short to carry one.
  static unsigned char KLX_Z2BusGetZ2BusCommand(const unsigned char* frame, unsigned length = 2) {
    return frame && length >= 2 ? frame[1] : 255;
  }

  // "q" and the sensor address, put in front of an update packet for a
  // device on the bus. Returns the length, 0 for a null buffer.
  static int KLX_Z2BusGetCommandSensorUpdate(unsigned char* buffer, unsigned char address) {
    if (!buffer) return 0;
    buffer[0] = 0x71;
    buffer[1] = address;
    return 2;
  }
};
