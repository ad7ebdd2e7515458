#pragma once
// The sensor-bus frames that the transceiver controller relays: parsers for
// every frame kind it hands the program (each fills a parsed record that the
// caller reads), the collection table the sensor capture keeps while the
// descriptions arrive, and the builders of the command frames sent back.
// No input/output and no lock: each user owns its own instance.
//
// 16-bit values on the bus are big-endian, the two GPS coordinates
// little-endian; texts are fixed-length fields that a zero byte may end.
#include <cstdint>

#include <QString>

class KLX_Z2Bus {
 public:
  static constexpr int kSensors = 255;
  static constexpr int kLiveFrameSize = 19;

  // Command codes of the frames (offset 1 of a received one).
  enum Command : unsigned char {
    CmdLiveData = 0,
    CmdMenuStructure = 3,
    CmdMenuName = 4,
    CmdMenuValue = 5,
    CmdAddress = 6,
  };

  struct MainInfo {
    unsigned char address = 0;
    unsigned char numberOfValues = 0;
    unsigned char hasStatus = 0;
    unsigned char hasGps = 0;
    unsigned char hasMenu = 0;
    char name[16] = {};
  };
  struct ValueInfo {
    unsigned char address = 0;
    unsigned char index = 0;
    unsigned char decimals = 0;
    unsigned char isStatus = 0;
    unsigned char isGps = 0;
    unsigned char priority = 0;
    char label[10] = {};
    char unit[6] = {};
  };
  struct LiveData {
    unsigned char address = 0;
    unsigned char firstIndex = 0;
    unsigned char alarm = 0;
    unsigned char isStatus = 0;
    unsigned char isGps = 0;
    int16_t values[8] = {};
    char status[16] = {};
    int32_t longitude = 0;
    int32_t latitude = 0;
  };
  struct MenuStructure {
    unsigned char address = 0;
    unsigned char items[8] = {};
  };
  struct MenuName {
    unsigned char address = 0;
    unsigned char menuAddress = 0;
    unsigned char menu = 0;
    unsigned char item = 0;
    unsigned char stepSize = 0;
    unsigned char toggle = 0;
    unsigned char display = 0;
    unsigned char continuous = 0;
    char label[16] = {};
  };
  struct MenuValue {
    unsigned char address = 0;
    unsigned char menuAddress = 0;
    unsigned char menu = 0;
    unsigned char item = 0;
    char value[16] = {};
  };
  struct AddressChange {
    unsigned char oldAddress = 0;
    unsigned char newAddress = 0;
  };
  // One entry of the collection table, per sensor address.
  struct Collected {
    unsigned char mainInfo = 0;
    unsigned char hasStatus = 0;
    unsigned char hasGps = 0;
    unsigned char hasMenu = 0;
    unsigned char numberOfValues = 0;
    unsigned char valuesReceived = 0;
    unsigned char statusReceived = 0;
  };

  KLX_Z2Bus() { KLX_Z2BusStartCollectingTeleinfo(); }

  // ---- Parsers: 1, or 0 for a null frame (a rejected live frame too) ----
  int KLX_Z2BusSetSensorMainInfo(const unsigned char* frame);
  // Whether the description is one to store (see the collection rules).
  int KLX_Z2BusSetSensorValueInfo(const unsigned char* frame);
  int KLX_Z2BusSetSensorSlaveData(const unsigned char* frame);
  int KLX_Z2BusSetSensorMenuStructure(const unsigned char* frame);
  int KLX_Z2BusSetSensorMenuData(const unsigned char* frame);
  int KLX_Z2BusSetSensorMenuDataData(const unsigned char* frame);
  int KLX_Z2BusSetSensorMenuAdrChng(const unsigned char* frame);

  // The parsed records; each getter returns its record's sensor address.
  int KLX_Z2BusGetSensorMainInfo(MainInfo* out) const { return Copy(m_MainInfo, out, m_MainInfo.address); }
  int KLX_Z2BusGetSensorValueInfo(ValueInfo* out) const { return Copy(m_ValueInfo, out, m_ValueInfo.address); }
  int KLX_Z2BusGetSensorSlaveData(LiveData* out) const { return Copy(m_LiveData, out, m_LiveData.address); }
  int KLX_Z2BusGetSensorMenuStruct(MenuStructure* out) const { return Copy(m_MenuStructure, out, m_MenuStructure.address); }
  int KLX_Z2BusGetSensorMenuData(MenuName* out) const { return Copy(m_MenuName, out, m_MenuName.address); }
  int KLX_Z2BusGetSensorMenuDataData(MenuValue* out) const { return Copy(m_MenuValue, out, m_MenuValue.address); }
  int KLX_Z2BusGetSensorMenuAdrChng(AddressChange* out) const {
    return Copy(m_AddressChange, out, m_AddressChange.oldAddress);
  }
  // The parsed live record without a copy (the live path reads it in place).
  const LiveData& LiveRecord() const { return m_LiveData; }

  // ---- Collection of the sensor descriptions ----
  void KLX_Z2BusStartCollectingTeleinfo();
  void KLX_Z2BusSetSesnorCount(unsigned char count) { m_AnnouncedSensors = count; }
  int KLX_Z2BusGetSensorCount() const { return m_AnnouncedSensors; }
  // 1 when every announced sensor has delivered its descriptions.
  int KLX_Z2BusAllDataCollected(int receiverMask);
  int KLX_Z2BusGetCompleteSensorCount() const { return m_CompleteSensors; }
  const Collected& KLX_Z2BusGetCollected(unsigned char address) const { return m_Collected[address % kSensors]; }

  // ---- Command frames: the length (5, or 2), 0 for a null buffer ----
  static int KLX_Z2BusGetCommandSensorMenuStruct(unsigned char* buffer, unsigned char address, int language,
                                                 int measure);
  static int KLX_Z2BusGetCommandSensorMenuName(unsigned char* buffer, unsigned char address, int menu, int item,
                                               int language, int measure);
  static int KLX_Z2BusGetCommandSensorMenuData(unsigned char* buffer, unsigned char address, int menu, int item,
                                               int language, int measure);
  static int KLX_Z2BusSetCommandSensorMenuDataToggle(unsigned char* buffer, unsigned char address, int menu,
                                                     int item, int language, int measure, int value,
                                                     int direction);
  static int KLX_Z2BusSetCommandSensorMenuDataVal(unsigned char* buffer, unsigned char address, int menu, int item,
                                                  int language, int measure, int value, int direction);
  static int KLX_Z2BusGetCommandSensorNewAdress(unsigned char* buffer, unsigned char address, int language,
                                                int measure, unsigned char newAddress);
  static int KLX_Z2BusGetCommandSensorResetAdress(unsigned char* buffer, unsigned char address, int language,
                                                  int measure);
  // "q" and the sensor address, put in front of an update packet for a
  // device on the bus.
  static int KLX_Z2BusGetCommandSensorUpdate(unsigned char* buffer, unsigned char address);
  // Offsets 0 to 3 of every command frame; offset 4 and the unsent offset 5 cleared.
  static void KLX_Z2BusSetCommandBase(unsigned char* buffer, int command, unsigned char address,
                                      unsigned char menuAddress, int language, int measure, int lowBit);

  // ---- Helpers ----
  // The command byte (offset 1) of a frame of `length` bytes; 255 (no
  // command) when the frame is too short to carry one.
  static unsigned char KLX_Z2BusGetZ2BusCommand(const unsigned char* frame, unsigned length = 2) {
    return frame && length >= 2 ? frame[1] : 255;
  }
  static unsigned char KLX_Z2BusGetAdressByMenuIndex(int menu, int item) {
    return static_cast<unsigned char>((menu * 16 + item) % 256);
  }
  static void KLX_Z2BusGetMenuIndexByAdress(int* menu, int* item, unsigned char address) {
    if (menu) *menu = address / 16;
    if (item) *item = address % 16;
  }
  static uint16_t KLX_Z2BusSwapValue(uint16_t v) { return static_cast<uint16_t>((v >> 8) | (v << 8)); }
  static bool KLX_Z2BusIsValueLabelEmpty(const char* text) { return AllZero(text, 10); }
  static bool KLX_Z2BusIsValueUnitEmpty(const char* text) { return AllZero(text, 6); }
  // "de" 0, "en" 1, "es" 2, "fr" 3, "it" 4, "no" 5, "fi" 6, "cn" 7, else 0.
  static int KLX_Z2BusGetLanguageByString(const QString& code);

 private:
  template <typename T>
  static int Copy(const T& record, T* out, unsigned char address) {
    if (out) *out = record;
    return address;
  }
  static bool AllZero(const char* text, int n) {
    if (!text) return true;
    for (int i = 0; i < n; ++i)
      if (text[i]) return false;
    return true;
  }

  MainInfo m_MainInfo;
  ValueInfo m_ValueInfo;
  LiveData m_LiveData;
  MenuStructure m_MenuStructure;
  MenuName m_MenuName;
  MenuValue m_MenuValue;
  AddressChange m_AddressChange;
  Collected m_Collected[kSensors];
  unsigned char m_AnnouncedSensors = 0;
  unsigned char m_CompleteSensors = 0;
};
