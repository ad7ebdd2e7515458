#pragma once
// Bluetooth device management (published as "BTConnection").
#include <QObject>

class KLX_DataBaseManager;

class KLX_Bluetooth : public QObject {
  Q_OBJECT
 public:
  explicit KLX_Bluetooth(QObject* parent = nullptr) : QObject(parent) {}
  void initDBM(KLX_DataBaseManager* db) { m_Db = db; }
  bool isPoweredOn() const { return m_On; }
  void turnOn() { m_On = true; }
 private:
  KLX_DataBaseManager* m_Db = nullptr;
  bool m_On = false;
};
