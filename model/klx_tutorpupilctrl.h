#pragma once
// Teacher/pupil control (published as "TeacherPupil"): up to eight physical
// controls handed to the external channels of a second transmitter,
// switched by an activator virtual switch, and the channel map told to the
// transceiver controller (messages 144, 145 and 147). The items are written
// from the GUI thread and, for the channel the pupil side reports, from the
// CAN receiver thread: every access takes the store's lock.
#include <QMutex>
#include <QObject>

#include <cstdint>

#include "frame/klx_basedatabase.h"

#pragma pack(push, 1)
struct TutorPupilCtrl_struct {
  uint8_t Flags;        // bit 7 used, bit 6 enabled
  uint8_t Reserved1;
  uint16_t ControlId;
  uint8_t IntIndex;     // stick-controller index, 24 or more: none
  uint8_t ExtIndex;     // external channel, 0xFF: none
  uint8_t ExtAwaited;   // channel reported from the pupil side
  uint8_t Reserved2;
  int16_t Value;
  int8_t Percent;
  uint8_t Reserved3;
};
#pragma pack(pop)
static_assert(sizeof(TutorPupilCtrl_struct) == 12, "teacher/pupil item layout");

class KLX_TutorPupilCtrl : public QObject, public KLX_DataBaseTransmitter, public KLX_BaseClassDatabase {
  Q_OBJECT
 public:
  static constexpr int kItems = 8;
  static constexpr int kChannels = 18;
  static constexpr int kControlIndices = 24;
  static constexpr int kNone = 0xFF;
  static constexpr int kAwaitChannel = 254;

  explicit KLX_TutorPupilCtrl(QObject* parent = nullptr);

  int KLX_TutorPupilCtrl_Initialize(KLX_Protocol* protocol);
  void KLX_TutorPupilCtrl_ClearAll();
  void KLX_TutorPupilCtrl_ClearActivator();
  // Items, activator and permission back to their defaults, nothing sent.
  void KLX_TutorPupilCtrl_Default();
  int KLX_TutorPupilCtrl_ClearAt(int item);
  int KLX_TutorPupilCtrl_Get_NextFreeIndex() const;
  int KLX_TutorPupilCtrl_Get_IntControlIndex(int item) const;
  void KLX_TutorPupilCtrl_SetToDefaultValues(TutorPupilCtrl_struct* item) const;
  int KLX_TutorPupilCtrl_GetSet_IsUsed(int item, int value, int dir);
  int KLX_TutorPupilCtrl_GetSet_IsEnabled(int item, int value, int dir);
  int KLX_TutorPupilCtrl_GetSet_CurrentControlValue(int item, int value, int dir);
  int KLX_TutorPupilCtrl_Get_CurrentValuePercentage(int item);
  int KLX_TutorPupilCtrl_GetSetItem_AwaitingForExtChIndex(int channel, int dir);
  int KLX_TutorPupilCtrl_GetSet_ExternalChIndex(int item, int value, int dir);
  int KLX_TutorPupil_GetSet_AllowProperty(bool allow, int dir);
  int KLX_TutorPupilCtrl_SendExternalControlsConfig(bool allow, bool withoutActivator);
  int KLX_TutorPupilCtrl_GetSet_Activator(int control, int dir);
  static int KLX_TutorPupilCtrl_ConvertCtrlIDToControlIndex(int control);
  int KLX_TutorPupilCtrl_CheckAsInput(int control, int item) const;
  int KLX_TutorPupilCtrl_GetSetControlID(int item, int control, int dir);
  // The item as it stands (tests and the settings file).
  TutorPupilCtrl_struct KLX_TutorPupilCtrl_Item(int item) const;

 signals:
  void tutorPupilInformer(int channel);

 private:
  // The callers hold the lock.
  bool BadItem(int item, unsigned code) const;
  int SendChannel(int internal, int external);
  int SendConfig(bool withoutActivator);
  bool IsVirtualSwitch(int control) const;
  int Busy(int control, int item) const;

  mutable QMutex m_Mutex;
  uint8_t m_Allow = 0;
  uint16_t m_Activator = 0xFFFF;
  uint8_t m_Awaiting = kNone;
  BorderData_T m_Border = {};
  TutorPupilCtrl_struct m_Items[kItems];
};
