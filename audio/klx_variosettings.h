#pragma once
// The model's vario set-up: the stored record with its rules (tone,
// threshold and gain limits, flight-mode blocks, activation control, sensor
// address, units), the working parameters of the flight mode in use, and the
// beep calculation that turns each sensor value into the tone's frequency
// and its on and off times: rising beeps while climbing, a continuous low
// tone while sinking, silence in the dead band between.
//
// The engine thread calculates; the GUI thread changes settings. The mutex
// guards record, mask and working parameters; the activation check and the
// test tone run outside it.
#include <QMutex>
#include <QQueue>

#include <atomic>
#include <cstdint>

class KLX_DataBaseManager;
class KLX_Switch;

struct TVarioFlightMode {
  int32_t StartTone;
  int32_t ThldPos;
  int32_t ThldNeg;
  int32_t KPos;
  int32_t KNeg;
};

struct TVarioSettings {
  TVarioFlightMode Fm[27];
  uint8_t DecPosition;
  uint8_t UnitsImperial;
  uint16_t ActivationCtrl;
  uint8_t Address;
  uint8_t SlaveAddress;
  uint32_t FmMask;
};

class KLX_VarioSettings {
 public:
  static constexpr int kFlightModes = 27;
  static constexpr float kFootInMetres = 0.3048f;

  KLX_VarioSettings();

  int KLX_VarioInitialize(KLX_DataBaseManager* db, KLX_Switch* switches);
  void KLX_VarioSettingsSetDefaultParams();
  static void KLX_VarioClearSettings(TVarioSettings& settings);
  static void KLX_VarioSettingsSetDefaultCoefficients(TVarioSettings& settings);
  void KLX_VarioInitComplete();
  void KLX_VarioUpdate(unsigned char fm);

  int KLX_VarioSetZeroTone(int hz, unsigned char fm);
  int KLX_VarioSetPositiveThreshold(int value, unsigned char fm);
  int KLX_VarioSetNegativeThreshold(int magnitude, unsigned char fm);
  int KLX_VarioSetPosCoeff(int gain, unsigned char fm);
  int KLX_VarioSetNegCoeff(int gain, unsigned char fm);
  void KLX_VarioSetDecPosition(int position);
  int KLX_VarioSetAddress(short address, unsigned char index, int decPos, bool reset);
  int KLX_VarioSetSingleFMMask(unsigned int mask);
  int KLX_Vario_SetFlightModeDependent(int fm, int on);
  int KLX_Vario_IsFlightModeDependent(int fm) const;
  int KLX_VarioSetActivationCtrlId(int id);
  int KLX_VarioSetUnitsSystem(bool imperial) { return KLX_VarioChangeUnitsSystemCalculate(imperial); }
  int KLX_VarioChangeUnitsSystemCalculate(bool imperial);
  // The tone in Hz for a sensor value (0: silence) with its beep on and off
  // times in ms (0 and 0: a continuous tone). `special` is the value's
  // decimal-point byte: 255 gives silence, 254 the test tone.
  int KLX_VarioCalculateBeepParams(short value, unsigned char special, unsigned short* onMs, unsigned short* offMs,
                                   unsigned char fm);
  // The physical inputs of the activating switch's chain (critical controls
  // of the teacher/pupil check); true when something was added.
  bool KLX_Vario_GetAllUsedPhyControls(QQueue<int>* controls) const;

  // What the facade reads. A flight mode above 26 reads as a zero record.
  TVarioFlightMode Record(int fm) const;
  unsigned int FmMask() const;
  int ActivationControl() const;
  int Address() const;
  int SlaveAddress() const;
  int DecPosition() const;
  bool UnitsImperial() const;
  float Coefficient() const { return m_Factor; }
  int CurrentTone() const;
  float InputValue() const;
  float PositiveThreshold() const;
  float NegativeThreshold() const;
  float MaxClimbSpeed() const;
  float MaxDescendSpeed() const;

 private:
  template <typename Op>
  int SetParameter(unsigned char fm, Op op);
  int ServingRecord(int fm) const;
  void Recalculate(int fm);
  int ThresholdRule(int value) const;
  int GainRule(int gain) const;
  bool ActivationOn() const;

  const float m_Factor = kFootInMetres;
  TVarioSettings m_Settings;
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_Switch* m_Switch = nullptr;
  // Written by the engine thread, read by the screens.
  std::atomic<int> m_CurrentTone{0};
  std::atomic<float> m_InputValue{0.0f};
  mutable QMutex m_Mutex;
  std::atomic<bool> m_InitComplete{false};
  std::atomic<bool> m_Active{false};
  uint8_t m_RequestedFm = 0;
  uint8_t m_ActiveFm = 0;
  int m_StartTone = 0;
  float m_InvNegGain = 0.0f;
  float m_InvPosGain = 0.0f;
  float m_NegGain = 0.0f;
  float m_PosGain = 0.0f;
  float m_NegThreshold = 0.0f;
  float m_PosThreshold = 0.0f;
  float m_RateAt50 = 0.0f;
  float m_RateAt1000 = 0.0f;
  int m_Divider = 1;
  // The test tone alternates 896 and 1000 Hz, from 896 after a normal value.
  bool m_TestToneHigh = false;
};
