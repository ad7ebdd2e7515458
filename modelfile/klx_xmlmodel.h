#pragma once
// The model file reader and writer. Least form: reads and writes are
// counted and remembered; the model file itself comes with its own issue.
#include <QString>

#include <atomic>

class KLX_DataBaseManager;

class KLX_XMLModel {
 public:
  int KLX_XMLModelInitialize(KLX_DataBaseManager* db);
  void PrintModelReport() const;
  // 1 read, 0 read with corrections (to be written back), -70000 failed.
  int KLX_XMLModelReadModelFile(const QString& path, const QString& model);
  int KLX_XMLModelWriteModelFile(const QString& path, const QString& model);
  int KLX_XMLModelWrites() const { return m_Writes; }
  int KLX_XMLModelReads() const { return m_Reads; }

 private:
  KLX_DataBaseManager* m_Db = nullptr;
  std::atomic<int> m_Writes{0};
  std::atomic<int> m_Reads{0};
};
