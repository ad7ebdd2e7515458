#pragma once
// A fresh desktop root per test, and a watch on the error handler that fails
// the test on any report it did not expect.
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>
#include <QTemporaryDir>

class VornTestRoot {
 public:
  VornTestRoot();
  ~VornTestRoot();
  QString Path() const { return m_Dir.path(); }
  bool IsValid() const { return m_Dir.isValid(); }

 private:
  QTemporaryDir m_Dir;
  QString m_PreviousRoot;
};

// Collects every registration while it lives.
class VornErrorWatch {
 public:
  VornErrorWatch();
  ~VornErrorWatch();
  QList<QPair<unsigned, QString>> Reports() const;
  QList<unsigned> Codes() const;
  bool Has(unsigned code) const;
  void Clear();

 private:
  mutable QMutex m_Mutex;
  QList<QPair<unsigned, QString>> m_Reports;
};
