#pragma once
// Updates of the application, the system and the firmware (registered and
// published as "UpdateManager").
#include <QThread>

class KLX_DataBaseManager;

class CUpdateManager : public QThread {
  Q_OBJECT
 public:
  explicit CUpdateManager(QObject* parent = nullptr) : QThread(parent) {}
  bool Init(KLX_DataBaseManager* db) { m_Db = db; return db != nullptr; }
  // Stops the thread, waiting up to ms.
  void free(unsigned long ms) {
    if (isRunning()) {
      quit();
      wait(ms);
    }
  }
 private:
  KLX_DataBaseManager* m_Db = nullptr;
};
