#pragma once
// The catalogue of receiver types (process-wide, made on first use), least
// form: the entries and the look-ups the facade asks for. Reading
// "list.txt" comes with the receiver download.
#include <QByteArray>
#include <QMutex>
#include <QVector>

class CExtDeviceBase {
 public:
  virtual ~CExtDeviceBase() = default;
  QByteArray name;
  QByteArray text;
};

class CReceiverInfo : public CExtDeviceBase {
 public:
  ~CReceiverInfo() override = default;
  int id = 0;
  QByteArray image;
};

class CReceivers {
 public:
  virtual ~CReceivers() = default;
  static CReceivers& Instance();
  // Builds the catalogue at start-up.
  void CreateList();
  bool IsCreated() const { return m_Created; }

  // The first entry of that type id; an empty entry (id 0) when none.
  CReceiverInfo GetInfo(int id) const;
  int Count() const;
  // Entry i in catalogue order; an empty entry outside.
  CReceiverInfo At(int i) const;
  void Append(const CReceiverInfo& info);
  void Clear();

 private:
  CReceivers() = default;
  mutable QMutex m_Mutex;
  QVector<CReceiverInfo> m_Entries;
  bool m_Created = false;
};
