#pragma once
// The model's free information text ("Modelinfo" of the model file), a store
// of one record with one field. Nothing of it goes to the controllers.
#include <QMutex>
#include <QObject>
#include <QString>

#include "frame/klx_basedatabase.h"

class KLX_Modelmetadata : public QObject, public KLX_DataBaseTransmitter, public KLX_BaseClassDatabase {
  Q_OBJECT
 public:
  static constexpr int kInfoBytes = 128;

  explicit KLX_Modelmetadata(QObject* parent = nullptr);
  int KLX_ModelmetadataInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }
  QString KLX_ModelmetadataGetSet_Modelinfo(QString info, int dir, bool update);
  void KLX_ModelmetadataClearAll();

 private:
  mutable QMutex m_Mutex;
  char m_Info[kInfoBytes] = {};
  BorderData_T m_Border = {};
};
