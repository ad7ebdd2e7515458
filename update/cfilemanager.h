#pragma once
// The file manager offered to QML (registered as "FileManagerBackend" 1.0 "FileManager").
#include <QObject>

class CFileManager : public QObject {
  Q_OBJECT
 public:
  explicit CFileManager(QObject* parent = nullptr) : QObject(parent) {}
};
