#include "modelfile/klx_xmlmodel.h"

#include "frame/klx_errorhandler.h"

#include <QDebug>

int KLX_XMLModel::KLX_XMLModelInitialize(KLX_DataBaseManager* db) {
  if (!db) {
    KLXErrorHandler.RegisterError(70928, "KLX_XMLModelInitialize() went wrong");
    return -70000;
  }
  m_Db = db;
  return 1;
}

void KLX_XMLModel::PrintModelReport() const { qDebug("  ->   model report: no model loaded"); }

int KLX_XMLModel::KLX_XMLModelReadModelFile(const QString&, const QString&) {
  ++m_Reads;
  return 1;
}

int KLX_XMLModel::KLX_XMLModelWriteModelFile(const QString&, const QString&) {
  ++m_Writes;
  return 1;
}
