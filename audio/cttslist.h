#pragma once
// The announcement list of the model (published as "TTSList").
#include <QObject>

class CTTSList : public QObject {
  Q_OBJECT
 public:
  explicit CTTSList(QObject* parent = nullptr) : QObject(parent) {}
 signals:
  void ttslindexChanged();
};
