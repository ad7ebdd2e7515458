#include "frame/klx_xmlfilehandler.h"

#include "frame/klx_databasevalues.h"

KLX_XMLFileHandler::KLX_XMLFileHandler(const QString& owner, QObject* parent)
    : QObject(parent), m_Owner(owner) {}

int KLX_XMLFileHandler::KLX_XMLFileHandlerInitialize(KLX_DataBaseManager* db) {
  const int rc = m_Model.KLX_XMLModelInitialize(db);
  if (rc != 1) return rc;
  m_Db = db;
  return 1;
}

// The settings and state file readers come with the settings files; until
// then nothing is read and the defaults stay.
int KLX_XMLFileHandler::KLX_XMLFileHandlerReadSystemFile() { return -70000; }
int KLX_XMLFileHandler::KLX_XMLFileHandlerReadSysProcessStateFile() { return -70000; }

void KLX_XMLFileHandler::iconEvent(int icon, int) {
  if (icon == EventLock) m_Model.PrintModelReport();
}
