#pragma once
// The shared bases of the element and settings stores: index and value
// limits, single-field update messages and the unit check bytes.
#include <cstdint>

class KLX_Protocol;

// The bounds table of one store: per atomic element id a maximum and a
// minimum, and per index position the number of valid values.
struct BorderData_T {
  int64_t Max[41];
  int64_t Min[41];
  uint16_t IndexMax[5];
};

class KLX_BaseClassDatabase {
 public:
  virtual ~KLX_BaseClassDatabase();

  // True when every given index lies in 0..IndexMax[k]-1. Inline: every
  // field a screen or a save reads passes here.
  bool KLX_BaseClassDatabaseCheckBorderIndex(const BorderData_T* border, const int* i1,
                                             const int* i2 = nullptr, const int* i3 = nullptr,
                                             const int* i4 = nullptr, const int* i5 = nullptr) const {
    if (!border) return ReportMissingBorder();
    const auto within = [border](int k, const int* i) { return !i || (*i >= 0 && *i < border->IndexMax[k]); };
    return within(0, i1) && within(1, i2) && within(2, i3) && within(3, i4) && within(4, i5);
  }
  // Clamp into the element's bounds (signed / unsigned comparison).
  void KLX_BaseClassDatabaseCheckBorderAtomicElement(unsigned char id, int* value,
                                                     const BorderData_T* border) const;
  void KLX_BaseClassDatabaseCheckBorderAtomicElement(unsigned char id, unsigned int* value,
                                                     const BorderData_T* border) const;

 private:
  // Reports the missing table; true, as the index check always answered.
  static bool ReportMissingBorder();
};

class KLX_UnitCRC {
 public:
  virtual ~KLX_UnitCRC();

  // Two running sums over the bytes of a unit image.
  static void KLX_UnitCRCCalculateCRC(unsigned char* sum1, unsigned char* sum2,
                                      const unsigned char* data, unsigned int length);

  static int Calc_in100percentRange(int value, bool toPercent);
  static int CalcServoIn_200percentRange(int value, bool toPercent);
  static int CalcServoIn_200percentRangeFractional(double value, bool toPercent);
  static int KL_engine_pseudo_round(double value);
};

class KLX_DataBaseTransmitter : public KLX_UnitCRC {
 public:
  KLX_DataBaseTransmitter();
  ~KLX_DataBaseTransmitter() override;

  int KLX_DataBaseTransmitterInitialize(KLX_Protocol* protocol);
  // Sends one field of one unit to the transceiver controller as an 8-byte
  // message: element id, three indices, up to four value bytes.
  int KLX_DataBaseTransmitterUpdateAtomicElement(unsigned char index1, unsigned char index2,
                                                 unsigned char index3, unsigned char elementId,
                                                 const char* data, unsigned char length,
                                                 unsigned short messageId);
  static void KLX_DataBaseTransmitterCalculateCRC(unsigned char* sum1, unsigned char* sum2,
                                                  const unsigned char* data, unsigned int length);

 protected:
  KLX_Protocol* m_Protocol = nullptr;
  char m_MessageBuffer[1000];
};
