#pragma once
// The update description file "Update.xml" (root "vornupdate", version
// "1.0") of an update package: the board it is for, the application version
// it brings, whether the update is forced, and the firmware files of the
// devices on the bus with their versions. Everything read goes into the
// update bookkeeping of the database facade, and only when the file is meant
// for this board.
#include <QMap>
#include <QString>

#include "frame/klx_xmlmodelbase.h"

class KLX_DataBaseManager;

// What a package's "Update.xml" says, without the update bookkeeping.
struct KLX_UpdateDescription {
  // The application version it brings; -1 when not given.
  int major = -1;
  int minor = -1;
  // Each device's firmware file, by the device's name.
  QMap<QString, QString> files;
};

class KLX_XMLUpdate : public KLX_XMLModelBase {
  Q_OBJECT
 public:
  int KLX_XMLUpdateInitialize(KLX_DataBaseManager* db);
  // 1 read (on the larger board also a readable file that names no target),
  // -70001 not meant for this board, -70000 a file that cannot be read, a
  // wrong root or version, a bad value or an unknown top-level element.
  int KLX_XMLUpdateReadUpdateFile(const QString& path);
  // The same reading into `description` alone: the bookkeeping stays as it
  // is. The result as above. Without `report` nothing reaches the error
  // log: a question whose asking changes nothing.
  static int KLX_XMLUpdateDescribe(const QString& path, KLX_UpdateDescription* description, bool report = true);

 private:
  static int Read(const QString& path, KLX_DataBaseManager* db, KLX_UpdateDescription* description, bool report);

  KLX_DataBaseManager* m_Db = nullptr;
};
