#pragma once
// The preflight check of control positions: the controls a model lists with
// their start positions, and the check the engine thread runs after a model
// load until every listed control stands within the tolerance (or the user
// skips it, or the board made a fast start). Then the binding goes out.
#include <QMutex>
#include <QObject>

#include <cstdint>

#include "frame/klx_basedatabase.h"
#include "frame/klx_databasevalues.h"

// The model file reader's buffer: in-use flag, accuracy in percent, and the
// list's controls in file order with their start positions (id 0: an empty
// entry).
struct PreflSettings_struct {
  static constexpr int kEntries = 32;
  uint8_t isUsed = 0;
  uint8_t accuracy = 5;
  uint16_t controlId[kEntries] = {};
  int16_t startPosition[kEntries] = {};
};

class KLX_PreflightSettings : public QObject, public KLX_BaseClassDatabase {
  Q_OBJECT
 public:
  static constexpr int kEntries = 32;
  static constexpr int kDefaultAccuracy = 5;
  static constexpr int kMinAccuracy = 1;
  static constexpr int kMaxAccuracy = 25;
  // Where no entry holds an id.
  static constexpr int kNone = kEntries;

  explicit KLX_PreflightSettings(QObject* parent = nullptr);

  int KLX_PreflightSettingsInitialize();
  // Passed, accuracy 5, not in use, every entry empty.
  void KLX_PreflightSettingsClearAll();
  static void KLX_PreflightSettingsClear(PreflSettings_struct* buffer);
  int Clears() const { return m_Clears; }

  bool KLX_isPreflightListChecked();
  void KLX_PreflightSetIgnore(bool flag);
  int KLX_PreflightGetControlStatus(int entry) const;
  // A set with re-arm sets passed to the opposite of the value.
  bool KLX_PreflightSettingsGetSet_IsUsed(bool value, int get, bool rearm = false);
  int KLX_PreflightSettingsGetSet_Accuracy(int value, int get);
  // get: the id of entry n (-70000 beyond 31). Set: add or remove the id;
  // -70000 for an id no check takes or a full table.
  int KLX_PreflightSettingsGetSet_PhyControlID(int id, bool add, int get);
  int KLX_PreflightSettingsGetSet_ControlPosition(int id, int value, int get);
  int KLX_PreflightSettingsFind_ControlIndex(int id, int from) const;
  int KLX_PreflightSettingsFind_FirstEmptyControlIndex() const;
  int KLX_PreflightSettingsCalcUsedControlsNumber();
  int KLX_PreflightSettingsGetUsedControls() const { return m_Used; }

  // Whether the id may take part in the check.
  static bool KLX_CheckControlInFixedList(int id);
  bool isControlInRange(int entry, int value) const;
  // Checks the listed controls against the values (by their ids): passed.
  bool KLX_PreflightSettingsCheckControls(const short* values, const unsigned short* ids, int count, int bootStatus);

 private:
  void Reset();
  struct Entry {
    uint16_t id = 0;
    int16_t position = 0;
    uint8_t status = 0;
  };
  // The in-use and passed flags and the check are guarded; the entries are
  // written from the GUI and the model file, read by the check, and their
  // status written by the check, read by the screens.
  mutable QMutex m_Mutex;
  uint16_t m_Used = 0;
  uint16_t m_Accuracy = kDefaultAccuracy;
  bool m_IsUsed = false;
  bool m_Passed = true;
  Entry m_Entries[kEntries];
  int m_Clears = 0;
};
