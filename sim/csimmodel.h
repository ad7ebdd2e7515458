#pragma once
// The model as the simulated transceiver controller holds it: one array of
// fixed-size records per kind of element, in the byte layout the controller
// uses, sized for the larger board (the smaller board's program never sends
// an index beyond its own counts, and unused records do not enter the
// checksum, so one size serves both). It applies single-field updates,
// computes the model checksum (CRC-32C over the used records in the agreed
// order) and is kept across power cycles in a file of its own.
#include <QByteArray>
#include <QString>

class CSimModel {
 public:
  // The element kinds as the loader numbers them.
  enum Kind {
    Function = 0,
    Flightmode = 1,
    Limiter = 2,
    Mixer = 3,
    Sequencer = 4,
    ServoConfig = 5,
    Curve = 6,
    VSwitch = 7,
    FmAssign = 8,
    Trim = 9,
    SpecialSwitch = 10,
    TeleControl = 11,
    KindCount = 12,
  };
  struct KindInfo {
    int unitMessage;   // the message that carries one whole record
    int fieldMessage;  // the message of a single-field update (0: none)
    int recordSize;
    int capacity;
  };
  static const KindInfo& Info(int kind);
  // The kind a unit message (80 to 92) or a field message (64 to 76) carries, -1 none.
  static int KindOfUnitMessage(int id);
  static int KindOfFieldMessage(int id);
  // CRC-32C of a buffer (start value all ones, final complement).
  static quint32 Crc32c(const QByteArray& data);

  CSimModel();
  // A copy that shares no bytes with this one, for another thread: the
  // records' shared buffers are counted inside Qt, out of a thread
  // checker's view, so a write here would seem to race the copy's end.
  CSimModel Unshared() const;

  // All records zero: the state before any model was loaded.
  void Clear();
  // A new model as the controller starts one: no element in use, the trims,
  // the flight-mode assignment, the toggle switches, the flight modes' fade
  // lists and the curves' points at their defaults.
  void ClearToNew();
  // An element deleted: its record no longer in use (zero). A flight mode
  // takes its set-ups in the functions and mixers in use and its trim
  // values with it. False for a kind or index the model does not have.
  bool DeleteUnit(int kind, int index);
  QByteArray Record(int kind, int index) const;
  bool SetRecord(int kind, int index, const QByteArray& record);
  // One changed field as the program sends it (message id and its 8 bytes);
  // false when the field is not known here or an index is out of range.
  bool ApplyField(int message, const QByteArray& data);
  quint32 Checksum() const;

  // Trim values and the four toggle values, as the controller moves them.
  int TrimValue(int trim, int flightMode) const;
  // The value slot the trim uses in this flight mode (its own, or flight mode 0's).
  int TrimSlot(int trim, int flightMode) const;
  void SetTrimValue(int trim, int flightMode, int value);
  int SpecialValue(int slot) const;
  void SetSpecialValue(int slot, int value);

  bool Save(const QString& path) const;
  bool Load(const QString& path);

 private:
  unsigned char* At(int kind, int index, int offset, int width);
  const unsigned char* At(int kind, int index, int offset, int width) const;

  QByteArray m_Records[KindCount];
};
