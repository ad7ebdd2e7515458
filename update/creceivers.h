#pragma once
// The catalogue of receiver types: the name shown to the user, the server
// folder of the type's firmware, the picture and the type id that receivers
// report, read from "list.txt" in the card's receivers folder. Its first
// line is the catalogue's version stamp: a file whose first line equals the
// loaded one is not read again.
//
//   <header line>
//   <name>:<firmware folder>:<picture file>:<type id>
#include <QByteArray>
#include <QMutex>
#include <QString>
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
  QByteArray image;  // a "file://" URL, empty without a picture
};

class CReceiversList {
 public:
  virtual ~CReceiversList() = default;
  // Reads the file unless its first line equals `header` (then false, and
  // the list keeps what it holds); otherwise the list is replaced by the
  // file's valid lines. True when the list then holds an entry.
  bool LoadFrom(const QString& path, const QByteArray& header);
  // The first entry of that id; an empty entry (id 0) when none.
  CReceiverInfo GetInfo(int id) const;
  const QVector<CReceiverInfo>& Entries() const { return m_Entries; }
  QByteArray Header() const { return m_Header; }
  void Append(const CReceiverInfo& info) { m_Entries.append(info); }
  void Clear();

 private:
  QVector<CReceiverInfo> m_Entries;
  QByteArray m_Header;
};

// The process-wide catalogue, made on first use. Start-up fills it; the
// receiver download empties it and fills it again from a newer file.
class CReceivers {
 public:
  virtual ~CReceivers() = default;
  static CReceivers& Instance();
  // Loads "/Vorn/web/receivers/list.txt" unless its header is the one
  // already loaded.
  void CreateList();

  CReceiverInfo GetInfo(int id) const;
  int Count() const;
  // Entry i in catalogue order; an empty entry outside.
  CReceiverInfo At(int i) const;
  void Append(const CReceiverInfo& info);
  // Empties the catalogue, header included: the next CreateList reads the file.
  void Clear();
  // Empties the catalogue and reads the file again in one step, so that a
  // reader in another thread never sees it half replaced.
  void Reload();
  // The first line of the loaded file, line end included.
  QByteArray Header() const;

 private:
  CReceivers() = default;
  mutable QMutex m_Mutex;
  CReceiversList m_List;
};
