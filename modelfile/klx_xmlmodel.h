#pragma once
// The model file reader and writer.
#include <QString>

class KLX_DataBaseManager;

class KLX_XMLModel {
 public:
  int KLX_XMLModelInitialize(KLX_DataBaseManager* db);
  void PrintModelReport() const;
 private:
  KLX_DataBaseManager* m_Db = nullptr;
};
