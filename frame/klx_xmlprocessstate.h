#pragma once
// The process-state file "Vornstate.xml": which model was current, whether
// the transceiver controller keeps it, the installed versions and the
// pending update, kept across a power cycle.
#include <QString>

#include "frame/klx_basethread.h"
#include "frame/klx_xmlmodelbase.h"

class KLX_DataBaseManager;
class KLX_XMLTextWriter;

class KLX_XMLProcessState : public CNoDebugBase<KLX_XMLModelBase> {
 public:
  KLX_XMLProcessState() = default;
  int KLX_XMLProcessStateInitialize(KLX_DataBaseManager* db);
  int KLX_XMLProcessStateWriteProcessFile(const QString& path);
  int KLX_XMLProcessStateReadProcessFile(const QString& path);

 private:
  void WriteState(KLX_XMLTextWriter& writer);
  // The stores hold a whole model, read from its file.
  bool ModelLoaded() const;

  KLX_DataBaseManager* m_Db = nullptr;
};
