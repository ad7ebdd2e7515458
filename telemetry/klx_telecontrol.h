#pragma once
// The telemetry-control store, least form: the records, their used flag and
// names, as far as the model checksum, the control names and the engine's
// copies need them. The fields come with the telemetry controls.
#include <QObject>
#include <QString>

#include "model/engine/kl_engine.h"
#include "model/klx_recordstore.h"

class KLX_TeleControl : public QObject, public KLX_RecordArray<T_TelemetryControl, KL_MAX_TELECONTROLS> {
  Q_OBJECT
 public:
  explicit KLX_TeleControl(QObject* parent = nullptr)
      : QObject(parent),
        KLX_RecordArray(EngineCfgTelemetryControls, 76, kl_engine_init_telecontrol, "telemetry control") {
    ResetAll();
  }
  int KLX_TeleControlInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }
  QString KLX_TeleControlGetSet_Name(int index, QString name, int get) {
    return NameAccess(index, name, get != 0, 0);
  }
  void KLX_TeleControlClearAll() { ResetAll(); }
  int KLX_TeleControlCopySingleUnit(int index, T_TelemetryControl* out) const { return CopyRecordOut(index, out); }
  unsigned int KLX_TeleControlCalcCRC(unsigned int crc) const { return CalcCRC(crc); }
};
