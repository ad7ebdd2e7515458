#pragma once
// The live control store: the latest value of every physical control as the
// controllers report it, the reference values of a control search and one
// pending trim-click direction per trim. Callers bracket every access with
// KLX_StickdataLock / KLX_StickdataUnlock.
#include <QRecursiveMutex>
#include <QObject>

#include <atomic>
#include <cstdint>

#include "frame/klx_basedatabase.h"

class KLX_Stickdata : public QObject, public KLX_DataBaseTransmitter, public KLX_BaseClassDatabase {
  Q_OBJECT

 public:
  static constexpr int kSlots = 40;
  static constexpr int kPhysicalSlots = 32;
  static constexpr int kTrims = 6;

  struct T_Stick {
    int16_t values[kSlots];
    int8_t trimDirection[kTrims];  // 0 none, 1, -1
    uint16_t threshold;            // sticks, rotaries, sliders, switches
    uint16_t trimThreshold;
    uint8_t movementFlag;
    uint8_t spare;
  };

  explicit KLX_Stickdata(QObject* parent = nullptr);

  void KLX_StickdataClearAll();
  int KLX_StickdataInitialize(KLX_Protocol* protocol);

  int KLX_StickdataGetSetControl(unsigned short id, int value, int get);
  int KLX_StickdataGetPhyControlValues(short* values, unsigned short* ids) const;
  int KLX_StickdataIsStickMoved();
  int KLX_StickdataSetTrimDirectionClicked(int trim, int direction);
  int KLX_StickdataGetAndClearTrimDirection(int trim, bool clear);
  int KLX_StickdataSetSearchControlClass(bool trims);
  int KLX_StickdataGetSetMovementFlag(int value, int get);
  int KLX_StickdataFreezeMovement();
  int KLX_StickdataCheckMovement(unsigned short* id);
  void KLX_StickdataStartDetection();
  void KLX_StickdataStopDetection();
  int KLX_StickdataGetSet_LastControl(int id, int get);
  int KLX_StickdataLock();
  int KLX_StickdataUnlock();

  // The slot of a control id, or -1.
  static int SlotOfControl(unsigned short id);
  static const unsigned short m_PhyCtlID[kPhysicalSlots];

 private:
  BorderData_T m_Border;
  uint8_t m_SearchClass = 0;
  uint16_t m_LastControl = 0;
  T_Stick m_Current;
  T_Stick m_Reference;
  T_Stick m_SavedTrims;
  // Recursive: a door that locks for itself (the screens' reads) is also
  // called by the receiver thread inside its own bracket.
  QRecursiveMutex m_Mutex;
  // Set on the receiver thread, read and cleared on the main thread.
  std::atomic<uint8_t> m_StickMoved{0};
};
