#pragma once
// The receivers bound to the current model, each known by its mask bit, and
// the model's receiver mode. Binding tasks write them on the task engine's
// thread while the screens read them, so every access takes the store's lock.
#include <QMutex>
#include <QObject>
#include <QString>

#include <cstdint>

#include "frame/klx_basedatabase.h"
#include "model/klx_cversion.h"

class CReceiver {
 public:
  virtual ~CReceiver() = default;
  void Clear() { *this = CReceiver(); }

  // Catalogue cache: the type it was filled for, name, text and picture.
  int cacheType = -1;
  QString cacheName;
  QString cacheText;
  QString cacheImage;
  uint8_t mask = 0;
  uint8_t used = 0;
  uint8_t status = 0;
  uint32_t serialNumber = 0;
  uint32_t type = 0;
  uint32_t features = 0;
  CVersion version;
};

// The store's field getters by logical index: X(getter, member, code of a bad index).
#define KLX_RECEIVER_FIELDS(X)            \
  X(IsUsed, used, 0x50F02)                \
  X(GetSerialNumber, serialNumber, 0x50F08) \
  X(GetType, type, 0x50F0A)               \
  X(GetFeatures, features, 0x50F0B)

class KLX_Receiver : public QObject, public KLX_BaseClassDatabase {
  Q_OBJECT
 public:
  static constexpr int kSlots = 4;
  enum rx_mode_t : uint8_t { RX_MODE_NONE = 0, RX_MODE_REDIV_14 = 64, RX_MODE_REDIV_21 = 128 };

  explicit KLX_Receiver(QObject* parent = nullptr);

  // The slot whose mask equals mask, or null (a pointer into the store).
  CReceiver* GetByMask(unsigned char mask);
  static int GetMaskIndex(unsigned char mask);
  void SetReceiver(const CReceiver& receiver);
  int Delete(unsigned int index);
  void KLX_ReceiverClearAll();

#define KLX_RECEIVER_GETTER_DECL(name, member, code) qint64 name(unsigned int index) const;
  KLX_RECEIVER_FIELDS(KLX_RECEIVER_GETTER_DECL)
#undef KLX_RECEIVER_GETTER_DECL
  CVersion GetVersion(unsigned int index) const;
  void SetVersion(unsigned int index, const CVersion& version);
  void ClearVersion(unsigned int index);
  unsigned char GetMask() const;
  // The slot behind a logical index (the identity until the list is cut), or -1.
  int GetSlot(unsigned int index) const;
  void ResetIndexMap();
  // False when the mode stayed as it was.
  bool SetMode(rx_mode_t mode);
  rx_mode_t GetMode() const;
  void Cut();
  // The picture of the receiver's type from the receiver catalogue, cached
  // until the type changes; empty for an index of 4 or more.
  QString GetImage(unsigned int index);

  quint64 GetBindConfig() const;
  void SetBindConfig(quint64 config);

 private:
  // The slot behind a logical index, or -1.
  int Slot(unsigned int index) const;

  mutable QMutex m_Mutex;
  CReceiver m_Receivers[kSlots];
  int m_IndexMap[kSlots];
  rx_mode_t m_Mode = RX_MODE_NONE;
  quint64 m_BindConfig = 0;
};
