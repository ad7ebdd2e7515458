#pragma once
// The update description file "Update.xml" (root "vornupdate"). Least form:
// it remembers what it was asked to read; the reader comes with the updates.
#include <QString>

class KLX_DataBaseManager;

class KLX_XMLUpdate {
 public:
  int KLX_XMLUpdateInitialize(KLX_DataBaseManager* db) {
    m_Db = db;
    return db ? 1 : -70000;
  }
  int KLX_XMLUpdateReadUpdateFile(const QString& path) {
    m_LastPath = path;
    return 1;
  }
  QString KLX_XMLUpdateLastPath() const { return m_LastPath; }

 private:
  KLX_DataBaseManager* m_Db = nullptr;
  QString m_LastPath;
};
