#pragma once
// The update description file "Update.xml" (root "vornupdate"). Least form:
// it remembers what it was asked to read; the reader comes with the updates.
#include <QString>

#include "frame/klx_databasevalues.h"

class KLX_DataBaseManager;

class KLX_XMLUpdate {
 public:
  int KLX_XMLUpdateInitialize(KLX_DataBaseManager* db) {
    m_Db = db;
    return db ? KLX_Ok : KLX_Error;
  }
  int KLX_XMLUpdateReadUpdateFile(const QString& path) {
    m_LastPath = path;
    return KLX_Ok;
  }
  QString KLX_XMLUpdateLastPath() const { return m_LastPath; }

 private:
  KLX_DataBaseManager* m_Db = nullptr;
  QString m_LastPath;
};
