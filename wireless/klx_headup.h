#pragma once
// The head-up row collector (published as "Headup") and the window that
// feeds the glasses, least form: created, cleared and freed by the database
// facade; rows and the glasses come with the wireless devices.
#include <QObject>

class KLX_DataBaseManager;

class KLX_Headup : public QObject {
  Q_OBJECT
 public:
  explicit KLX_Headup(QObject* parent = nullptr) : QObject(parent) {}
  void KLX_HeadupClearAll() { ++m_Clears; }
  int Clears() const { return m_Clears; }

 private:
  int m_Clears = 0;
};

class KLX_HeadupWindow {
 public:
  KLX_HeadupWindow(KLX_Headup* headup, KLX_DataBaseManager* db) : m_Headup(headup), m_Db(db) {}

 private:
  KLX_Headup* m_Headup;
  KLX_DataBaseManager* m_Db;
};
