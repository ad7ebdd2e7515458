#pragma once
// The catalogue of receiver types (process-wide, made on first use).
#include <QList>
#include <QString>

class CReceivers {
 public:
  static CReceivers& Instance();
  // Builds the catalogue at start-up.
  void CreateList();
  bool IsCreated() const { return m_Created; }
 private:
  CReceivers() = default;
  bool m_Created = false;
};
