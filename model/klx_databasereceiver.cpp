// The facade's doors for the model's receivers, its run-time counter and
// silent mode, and its information text.
#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "update/creceivers.h"

namespace {
constexpr unsigned int kAllReceivers = 255;
constexpr uint8_t kREdivModes = 0xC0;
}  // namespace

// ---- Receivers ----------------------------------------------------------------------

void KLX_DataBaseManager::KLX_DataBaseManagerSetReceiver(const CReceiver& receiver) {
  if (!m_Receiver) return;
  m_Receiver->SetReceiver(receiver);
  KLX_DataBaseManagerSetModelModifyFlag(true);
}

int KLX_DataBaseManager::KLX_DataBaseManagerDeleteReceiver(unsigned int index) {
  if (!m_Receiver) return KLX_Error;
  if (index == kAllReceivers) {
    m_Receiver->KLX_ReceiverClearAll();
    return KLX_Error;
  }
  const int result = m_Receiver->Delete(index);
  if (result > KLX_Error) KLX_DataBaseManagerSetModelModifyFlag(true);
  return result;
}

int KLX_DataBaseManager::KLX_DataBaseManagerClearReceivers() {
  if (m_Receiver) m_Receiver->KLX_ReceiverClearAll();
  return KLX_Ok;
}

void KLX_DataBaseManager::KLX_DataBaseManagerCutReceivers() {
  if (m_Receiver) m_Receiver->Cut();
}

bool KLX_DataBaseManager::KLX_DataBaseManagerIsReceiverUsed(int index) {
  return m_Receiver && m_Receiver->IsUsed(unsigned(index)) > 0;
}

bool KLX_DataBaseManager::KLX_DataBaseManagerIsAnyReceiverUsed() { return KLX_DataBaseManagerGetReceiverMask() != 0; }

int KLX_DataBaseManager::KLX_DataBaseManagerGetReceiverMask() { return m_Receiver ? m_Receiver->GetMask() : 0; }

int KLX_DataBaseManager::KLX_DataBaseManagerGetReceiverSlot(int index) {
  return m_Receiver ? m_Receiver->GetSlot(unsigned(index)) : -1;
}

qint64 KLX_DataBaseManager::KLX_DataBaseManagerGetReceiverSerialNumber(int index) {
  return m_Receiver ? m_Receiver->GetSerialNumber(unsigned(index)) : qint64(KLX_Error);
}

qint64 KLX_DataBaseManager::KLX_DataBaseManagerGetMyReceiverType(int index) {
  return m_Receiver ? m_Receiver->GetType(unsigned(index)) : qint64(KLX_Error);
}

qint64 KLX_DataBaseManager::KLX_DataBaseManagerGetReceiverFeatures(unsigned int index) {
  return m_Receiver ? m_Receiver->GetFeatures(index) : qint64(KLX_Error);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetReceiverMode() {
  return m_Receiver ? int(m_Receiver->GetMode()) : int(KLX_Receiver::RX_MODE_NONE);
}

bool KLX_DataBaseManager::KLX_DataBaseManagerIsReceiverModeREdiv() {
  return (KLX_DataBaseManagerGetReceiverMode() & kREdivModes) != 0;
}

bool KLX_DataBaseManager::KLX_DataBaseManagerIsReceiverModeREdiv_14() {
  return KLX_DataBaseManagerGetReceiverMode() == KLX_Receiver::RX_MODE_REDIV_14;
}

bool KLX_DataBaseManager::KLX_DataBaseManagerIsReceiverModeREdiv_21() {
  return KLX_DataBaseManagerGetReceiverMode() == KLX_Receiver::RX_MODE_REDIV_21;
}

void KLX_DataBaseManager::KLX_DataBaseManagerReceiverModeSet(KLX_Receiver::rx_mode_t mode) {
  if (!m_Receiver || !m_Receiver->SetMode(mode)) return;
  if (m_ModelRuntime) m_ModelRuntime->OnReceiverModeChanged();
  KLX_DataBaseManagerSetModelModifyFlag(true);
}

CVersion KLX_DataBaseManager::KLX_DataBaseManagerGetReceiverVersion(int index) {
  return m_Receiver ? m_Receiver->GetVersion(unsigned(index)) : CVersion();
}

void KLX_DataBaseManager::KLX_DataBaseManagerSetReceiverVersion(unsigned int index, const CVersion& version) {
  if (!m_Receiver) return;
  m_Receiver->SetVersion(index, version);
  KLX_DataBaseManagerSetModelModifyFlag(true);
}

void KLX_DataBaseManager::KLX_DataBaseManagerClearReceiverVersion(unsigned int index) {
  if (!m_Receiver) return;
  m_Receiver->ClearVersion(index);
  KLX_DataBaseManagerSetModelModifyFlag(true);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerVersionReceiverGetVersion(int index) {
  return KLX_DataBaseManagerGetReceiverVersion(index).toString();
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetReceiverImage(int index) {
  return m_Receiver ? m_Receiver->GetImage(unsigned(index)) : QString();
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetReceiverTypesCount() { return CReceivers::Instance().Count(); }

int KLX_DataBaseManager::KLX_DataBaseManagerGetReceiverType(int entry) {
  if (entry < 0 || entry >= CReceivers::Instance().Count()) return -1;
  return CReceivers::Instance().At(entry).id;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetReceiverTypeName(int type) {
  return QString::fromUtf8(CReceivers::Instance().GetInfo(type).name);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetReceiverTypeImage(int type) {
  return QString::fromUtf8(CReceivers::Instance().GetInfo(type).image);
}

int KLX_DataBaseManager::KLX_DatabaseManagerReceiverGetREdivAntennaState() {
  return static_cast<int>((m_TCDeviceState.load() >> 10) & 3u);
}

quint64 KLX_DataBaseManager::KLX_DataBaseManagerReceiverGetSetBindConfig(quint64 config, int dir) {
  if (!m_Receiver) return 0;
  if (dir == AtomicDirSet || dir == AtomicDirGotten) m_Receiver->SetBindConfig(config);
  return m_Receiver->GetBindConfig();
}

// ---- Run-time counter ----------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerRuntimeGetSet_Runtime(int value, int dir, bool update) {
  if (!m_ModelRuntime) return KLX_Error;
  if (dir == 0) KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_ModelRuntime->KLX_ModelRuntimeGetSet_Runtime(value, dir, update);
}

void KLX_DataBaseManager::ModelRuntimeRun() {
  if (m_ModelRuntime) m_ModelRuntime->Run();
}

void KLX_DataBaseManager::ModelRuntimeTimerEnable() {
  if (m_ModelRuntime) m_ModelRuntime->Enable();
}

int KLX_DataBaseManager::KLX_DataBaseManagerRuntimeClearAll() {
  if (m_ModelRuntime) m_ModelRuntime->KLX_ModelRuntimeSetToDefaultValue();
  m_ModelSilentMode = 0;
  return KLX_Ok;
}

void KLX_DataBaseManager::OnModelTimeChanged(int minutes) {
  emit modelTimeChanged(minutes);
  // Counted by the program, not changed by the pilot (a pilot's reset of
  // the run time marks an edit where it is made).
  KLX_DataBaseManagerMarkModelOwnChange();
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetModelSilentMode(int value, int dir) {
  if (dir != 0) return m_ModelSilentMode;
  KLX_DataBaseManagerSetModelModifyFlag(true);
  m_ModelSilentMode = value;
  return value;
}

QString KLX_DataBaseManager::KLX_DatabaseManagerGetSetDialogText(QString text, int dir) {
  return m_Runtime ? m_Runtime->KLX_RuntimeDatabaseManagerGetSetDialogText(text, dir) : QString();
}

// ---- Model metadata -------------------------------------------------------------------

QString KLX_DataBaseManager::KLX_DataBaseManagerModelmetadataGetSet_Modelinfo(QString info, int dir, bool update) {
  return m_Modelmetadata ? m_Modelmetadata->KLX_ModelmetadataGetSet_Modelinfo(info, dir, update) : QString();
}

void KLX_DataBaseManager::KLX_DataBaseManagerModelmetadataClearAll() {
  if (m_Modelmetadata) m_Modelmetadata->KLX_ModelmetadataClearAll();
}
