#pragma once
// The head-up row collector (published as "Headup").
#include <QObject>

class KLX_Headup : public QObject {
  Q_OBJECT
 public:
  explicit KLX_Headup(QObject* parent = nullptr) : QObject(parent) {}
};
