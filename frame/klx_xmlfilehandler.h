#pragma once
// Reads and writes the device's XML files.
#include <QObject>
#include <QString>

#include "modelfile/klx_xmlmodel.h"

class KLX_DataBaseManager;

class KLX_XMLFileHandler : public QObject {
  Q_OBJECT
 public:
  explicit KLX_XMLFileHandler(const QString& owner, QObject* parent = nullptr);
  int KLX_XMLFileHandlerInitialize(KLX_DataBaseManager* db);
  // 1 when the file was read.
  int KLX_XMLFileHandlerReadSystemFile();
  int KLX_XMLFileHandlerReadSysProcessStateFile();
 public slots:
  void iconEvent(int icon, int icon1);
 private:
  QString m_Owner;
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_XMLModel m_Model;
};
