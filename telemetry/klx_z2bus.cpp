#include "telemetry/klx_z2bus.h"

#include <cstring>

namespace {
// Byte 2 of a live frame.
constexpr unsigned char kFirstIndexMask = 0x1F;
constexpr unsigned char kStatusFrame = 0x20;
constexpr unsigned char kGpsFrame = 0x40;
constexpr unsigned char kAlarmBit = 0x80;
// The status description of a sensor has this value index.
constexpr int kStatusDescriptionIndex = 24;
constexpr unsigned char kResetAddress = 0x80;
// Receiver masks under which the transceiver announces how many sensors it found.
constexpr int kCountedMaskA = 64;
constexpr int kCountedMaskB = 128;

int16_t BigEndian16(const unsigned char* p) { return static_cast<int16_t>((p[0] << 8) | p[1]); }

int32_t LittleEndian32(const unsigned char* p) {
  return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

unsigned char StepSize(int code) {
  static const unsigned char kSteps[4] = {1, 10, 100, 0};
  return kSteps[code & 3];
}
}  // namespace

int KLX_Z2Bus::KLX_Z2BusSetSensorMainInfo(const unsigned char* frame) {
  if (!frame) return 0;
  MainInfo info;
  info.address = frame[0];
  info.numberOfValues = frame[1] & 0x1F;
  info.hasGps = (frame[1] >> 5) & 1;
  info.hasStatus = (frame[1] >> 6) & 1;
  info.hasMenu = (frame[1] >> 7) & 1;
  std::memcpy(info.name, frame + 2, sizeof(info.name));
  m_MainInfo = info;
  if (info.address < kSensors) {
    Collected& entry = m_Collected[info.address];
    entry.mainInfo = 1;
    entry.hasStatus = info.hasStatus;
    entry.hasGps = info.hasGps;
    entry.hasMenu = info.hasMenu;
    entry.numberOfValues = info.numberOfValues;
    entry.valuesReceived = 0;
    entry.statusReceived = 0;
  }
  return 1;
}

int KLX_Z2Bus::KLX_Z2BusSetSensorValueInfo(const unsigned char* frame) {
  if (!frame) return 0;
  ValueInfo info;
  info.address = frame[0];
  info.index = frame[1] & 0x1F;
  info.decimals = frame[2] & 0x03;
  info.isStatus = (frame[2] >> 2) & 1;
  info.isGps = (frame[2] >> 3) & 1;
  info.priority = (frame[2] >> 6) & 3;
  std::memcpy(info.label, frame + 3, sizeof(info.label));
  std::memcpy(info.unit, frame + 13, sizeof(info.unit));
  m_ValueInfo = info;
  if (info.address >= kSensors) return 0;
  Collected& entry = m_Collected[info.address];
  if (!entry.mainInfo) return 0;
  if (info.index < entry.numberOfValues) {
    ++entry.valuesReceived;
    m_ValueInfo.isGps = 0;
    return 1;
  }
  // A description beyond the announced values: the status text or a GPS coordinate.
  if (entry.hasStatus && info.index == kStatusDescriptionIndex) entry.statusReceived = 1;
  if (info.isGps && entry.hasGps) return (frame[1] & 5) == 4 ? 1 : 0;
  return entry.hasStatus && info.isStatus && info.index % 8 == 0 ? 1 : 0;
}

int KLX_Z2Bus::KLX_Z2BusSetSensorSlaveData(const unsigned char* frame) {
  if (!frame) return 0;
  const unsigned char kind = frame[2];
  // A frame cannot be a status text and a position at once.
  if ((kind & kStatusFrame) && (kind & kGpsFrame)) return 0;
  LiveData& d = m_LiveData;
  d.address = frame[0];
  d.firstIndex = kind & kFirstIndexMask;
  d.isStatus = (kind & kStatusFrame) ? 1 : 0;
  d.isGps = (kind & kGpsFrame) ? 1 : 0;
  d.alarm = (kind & kAlarmBit) ? 1 : 0;
  const unsigned char* payload = frame + 3;
  if (d.isStatus) {
    std::memcpy(d.status, payload, sizeof(d.status));
  } else if (d.isGps) {
    for (int i = 0; i < 4; ++i) d.values[i] = BigEndian16(payload + 2 * i);
    d.longitude = LittleEndian32(payload + 8);
    d.latitude = LittleEndian32(payload + 12);
  } else {
    for (int i = 0; i < 8; ++i) d.values[i] = BigEndian16(payload + 2 * i);
  }
  return 1;
}

int KLX_Z2Bus::KLX_Z2BusSetSensorMenuStructure(const unsigned char* frame) {
  if (!frame) return 0;
  m_MenuStructure.address = frame[0];
  for (int m = 0; m < 8; ++m) {
    const unsigned char byte = frame[3 + m / 2];
    m_MenuStructure.items[m] = (m % 2) ? (byte >> 4) : (byte & 0x0F);
  }
  return 1;
}

int KLX_Z2Bus::KLX_Z2BusSetSensorMenuData(const unsigned char* frame) {
  if (!frame) return 0;
  MenuName& n = m_MenuName;
  n.address = frame[0];
  n.menuAddress = frame[2] & 0x7F;
  n.menu = n.menuAddress / 16;
  n.item = n.menuAddress % 16;
  n.stepSize = StepSize(frame[3]);
  n.toggle = (frame[3] >> 2) & 1;
  n.display = (frame[3] >> 3) & 1;
  n.continuous = (frame[3] >> 7) & 1;
  std::memcpy(n.label, frame + 4, sizeof(n.label));
  return 1;
}

int KLX_Z2Bus::KLX_Z2BusSetSensorMenuDataData(const unsigned char* frame) {
  if (!frame) return 0;
  MenuValue& v = m_MenuValue;
  v.address = frame[0];
  v.menuAddress = frame[2] & 0x7F;
  v.menu = v.menuAddress / 16;
  v.item = v.menuAddress % 16;
  std::memcpy(v.value, frame + 4, sizeof(v.value));
  return 1;
}

int KLX_Z2Bus::KLX_Z2BusSetSensorMenuAdrChng(const unsigned char* frame) {
  if (!frame) return 0;
  m_AddressChange.oldAddress = frame[0];
  m_AddressChange.newAddress = frame[2];
  return 1;
}

void KLX_Z2Bus::KLX_Z2BusStartCollectingTeleinfo() {
  for (Collected& entry : m_Collected) entry = Collected{};
  m_AnnouncedSensors = 0;
  m_CompleteSensors = 0;
}

int KLX_Z2Bus::KLX_Z2BusAllDataCollected(int receiverMask) {
  m_CompleteSensors = 0;
  bool allComplete = true;
  bool any = false;
  for (const Collected& entry : m_Collected) {
    if (!entry.mainInfo) continue;
    any = true;
    const bool complete =
        entry.valuesReceived == entry.numberOfValues && (!entry.hasStatus || entry.statusReceived);
    if (!complete) {
      allComplete = false;
      break;
    }
    ++m_CompleteSensors;
  }
  if (receiverMask != kCountedMaskA && receiverMask != kCountedMaskB) return allComplete && any ? 1 : 0;
  return allComplete && m_AnnouncedSensors != 0 && m_CompleteSensors >= m_AnnouncedSensors ? 1 : 0;
}

void KLX_Z2Bus::KLX_Z2BusSetCommandBase(unsigned char* buffer, int command, unsigned char address,
                                        unsigned char menuAddress, int language, int measure, int lowBit) {
  buffer[0] = static_cast<unsigned char>((command << 4) | 1);
  buffer[1] = address;
  buffer[2] = menuAddress;
  buffer[3] = static_cast<unsigned char>(0xE0 | ((language & 7) << 2) | ((measure & 1) << 1) | (lowBit & 1));
  buffer[4] = 0;
  buffer[5] = 0;
}

int KLX_Z2Bus::KLX_Z2BusGetCommandSensorMenuStruct(unsigned char* buffer, unsigned char address, int language,
                                                   int measure) {
  if (!buffer) return 0;
  KLX_Z2BusSetCommandBase(buffer, CmdMenuStructure, address, 0, language, measure, 0);
  return 5;
}

int KLX_Z2Bus::KLX_Z2BusGetCommandSensorMenuName(unsigned char* buffer, unsigned char address, int menu, int item,
                                                 int language, int measure) {
  if (!buffer) return 0;
  KLX_Z2BusSetCommandBase(buffer, CmdMenuName, address, KLX_Z2BusGetAdressByMenuIndex(menu, item), language,
                          measure, 0);
  return 5;
}

int KLX_Z2Bus::KLX_Z2BusGetCommandSensorMenuData(unsigned char* buffer, unsigned char address, int menu, int item,
                                                 int language, int measure) {
  if (!buffer) return 0;
  KLX_Z2BusSetCommandBase(buffer, CmdMenuValue, address, KLX_Z2BusGetAdressByMenuIndex(menu, item), language,
                          measure, 0);
  return 5;
}

int KLX_Z2Bus::KLX_Z2BusSetCommandSensorMenuDataToggle(unsigned char* buffer, unsigned char address, int menu,
                                                       int item, int language, int measure, int value,
                                                       int direction) {
  if (!buffer) return 0;
  KLX_Z2BusSetCommandBase(buffer, CmdMenuValue, address, KLX_Z2BusGetAdressByMenuIndex(menu, item), language,
                          measure, direction);
  buffer[4] = static_cast<unsigned char>(value);
  return 5;
}

int KLX_Z2Bus::KLX_Z2BusSetCommandSensorMenuDataVal(unsigned char* buffer, unsigned char address, int menu,
                                                    int item, int language, int measure, int value,
                                                    int direction) {
  return KLX_Z2BusSetCommandSensorMenuDataToggle(buffer, address, menu, item, language, measure, value, direction);
}

int KLX_Z2Bus::KLX_Z2BusGetCommandSensorNewAdress(unsigned char* buffer, unsigned char address, int language,
                                                  int measure, unsigned char newAddress) {
  if (!buffer) return 0;
  KLX_Z2BusSetCommandBase(buffer, CmdAddress, address, 0, language, measure, 0);
  buffer[4] = newAddress;
  return 5;
}

int KLX_Z2Bus::KLX_Z2BusGetCommandSensorResetAdress(unsigned char* buffer, unsigned char address, int language,
                                                    int measure) {
  if (!buffer) return 0;
  KLX_Z2BusSetCommandBase(buffer, CmdAddress, address, kResetAddress, language, measure, 0);
  return 5;
}

int KLX_Z2Bus::KLX_Z2BusGetCommandSensorUpdate(unsigned char* buffer, unsigned char address) {
  if (!buffer) return 0;
  buffer[0] = 0x71;  // "q"
  buffer[1] = address;
  return 2;
}

int KLX_Z2Bus::KLX_Z2BusGetLanguageByString(const QString& code) {
  static const char* const kCodes[] = {"de", "en", "es", "fr", "it", "no", "fi", "cn"};
  for (int i = 0; i < 8; ++i)
    if (code == QLatin1String(kCodes[i])) return i;
  return 0;
}
