// The facade's control ids, control values and names, its layer over the
// live control store, and the model checksum.
#include <QCoreApplication>

#include "frame/klx_databasevalues.h"
#include "link/klx_messageids.h"
#include "link/klx_protdata.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"

namespace {
constexpr int kMaxValue = 2047;
// Message 32 to the stick controller locks (1) or releases (0) the trim levers.

// The named controls: id, display name, channel of the stick controller.
struct PhysicalControl {
  int id;
  const char* name;
  int stickIndex;
};
const PhysicalControl kControls[] = {
#define KLX_CONTROL_ROW(name, id, display, channel) {id, display, channel},
    KLX_NAMED_CONTROL_IDS(KLX_CONTROL_ROW)
#undef KLX_CONTROL_ROW
};

const PhysicalControl* FindControl(int id) {
  for (const PhysicalControl& c : kControls)
    if (c.id == id) return &c;
  return nullptr;
}

// The stores' own words a screen shows: the names a new element gets and
// the caption of no voice, as the stores and the model file keep them.
const char* const kStoreWords[] = {
    QT_TRANSLATE_NOOP("KLX_DataBaseManager", "mixer"),
    QT_TRANSLATE_NOOP("KLX_DataBaseManager", "sequencer"),
    QT_TRANSLATE_NOOP("KLX_DataBaseManager", "servo"),
    QT_TRANSLATE_NOOP("KLX_DataBaseManager", "telecontrol"),
    QT_TRANSLATE_NOOP("KLX_DataBaseManager", "None"),
};

int ToPercent(int value) { return KLX_UnitCRC::KL_engine_pseudo_round(value * 100.0 / kMaxValue); }
}  // namespace

// ---- Control ids --------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerGetControlForConstValuePercent(int percent) {
  const int clamped = qBound(-100, percent, 100);
  return KLX_CONTROL_KIND_Const | (KLX_DatabaseBaseCalcRealByPercent(clamped) & KLX_CONTROL_CONST_VALUE);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetControlForVirtualSwitch(int n) {
  return (n < 0 || n > 127) ? Indexes_Out_Of_Range : (KLX_CONTROL_KIND_VS | n);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetControlForVirtualSwitchInv(int n) {
  return (n < 0 || n > 127) ? Indexes_Out_Of_Range : (KLX_CONTROL_KIND_VSInv | n);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetControlForFlightmode(int n) {
  return (n < 0 || n >= KLX_DataBaseManagerGetMaxFlightmodes()) ? Indexes_Out_Of_Range : (KLX_CONTROL_KIND_FM | n);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetControlForFlightmodeInv(int n) {
  return (n < 0 || n >= KLX_DataBaseManagerGetMaxFlightmodes()) ? Indexes_Out_Of_Range : (KLX_CONTROL_KIND_FMInv | n);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetControlForTelemetryControl(int n) {
  return (n < 0 || n >= KLX_DataBaseManagerGetMaxTeleControls()) ? Indexes_Out_Of_Range
                                                                  : (KLX_CONTROL_KIND_TeleControl | n);
}

int KLX_DataBaseManager::KLX_DatabaseBaseCalcRealByPercent(int percent) {
  return KL_engine_pseudo_round(percent * static_cast<double>(kMaxValue) / 100.0);
}

// ---- Control values ---------------------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerGetValueOfControl(int id) {
  if (KLX_ControlIsConstant(id)) {
    const int v = id & KLX_CONTROL_CONST_VALUE;
    return v & 0x800 ? v - 0x1000 : v;
  }
  if (id == CONTROLID_FIXSWITCH_ON_GUI) return kMaxValue;
  if (id == CONTROLID_FIXSWITCH_OFF_GUI) return -kMaxValue;
  const int kind = KLX_ControlKind(id);
  if (id == CONTROLID_None_GUI || id == KLX_CONTROL_FIXED_ZERO || id == CONTROLID_Invalid_GUI ||
      kind == KLX_CONTROL_KIND_FuncOut || kind == KLX_CONTROL_KIND_FM || kind == KLX_CONTROL_KIND_FMInv)
    return 0;
  const bool inverted = kind == KLX_CONTROL_KIND_VSInv;
  if (inverted) id -= KLX_CONTROL_KIND_VSInv - KLX_CONTROL_KIND_VS;
  int value = 0;
  if (id < KLX_CONTROL_KIND_VS) {
    if (!m_Stickdata) return 0;
    m_Stickdata->KLX_StickdataLock();
    value = m_Stickdata->KLX_StickdataGetSetControl(static_cast<unsigned short>(id), 0, AtomicDirGet);
    m_Stickdata->KLX_StickdataUnlock();
    return value;
  }
  const int vs = KLX_DataBaseManagerSwitchGet_SwitchIdByContorlID(id);
  const int tele = id - KLX_CONTROL_KIND_TeleControl;
  if (vs >= 0) {
    value = m_Runtime ? m_Runtime->KLX_RuntimeDatabaseManagerGetVSOutputByVSId(vs) : 0;
  } else if (tele >= 0 && tele < KLX_DataBaseManagerGetMaxTeleControls()) {
    value = m_Runtime ? m_Runtime->KLX_RuntimeDatabaseManagerGetTelemetryControlOutput(tele, false) : 0;
  } else {
    return inverted ? -kMaxValue : 0;
  }
  if (!inverted) return value;
  return value < 0 ? kMaxValue : -kMaxValue;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetValueOfControlPercent(int id) {
  return ToPercent(KLX_DataBaseManagerGetValueOfControl(id));
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetNameOfControlByID(int id) {
  // The control table names the fixed-value controls in English.
  if (KLX_ControlIsConstant(id)) return QCoreApplication::translate("KLX_DataBaseManager", "Constant");
  if (KLX_ControlKind(id) == KLX_CONTROL_KIND_TeleControl)
    return KLX_DataBaseManagerShownText(
        KLX_DataBaseManagerTeleControlGetSet_Name(id - KLX_CONTROL_KIND_TeleControl, QString(), 1));
  if (id == CONTROLID_FIXSWITCH_ON_GUI) return QCoreApplication::translate("KLX_DataBaseManager", "On");
  if (id == CONTROLID_FIXSWITCH_OFF_GUI) return QCoreApplication::translate("KLX_DataBaseManager", "Off");
  const PhysicalControl* c = FindControl(id);
  return c ? QString::fromLatin1(c->name) : QString();
}

QString KLX_DataBaseManager::KLX_DataBaseManagerShownText(const QString& text) const {
  for (const char* word : kStoreWords)
    if (text == QLatin1String(word)) return QCoreApplication::translate("KLX_DataBaseManager", word);
  return text;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetAllPhyControlValues(short* values, unsigned short* ids) {
  if (!m_Stickdata) return KLX_Error;
  m_Stickdata->KLX_StickdataLock();
  const int result = m_Stickdata->KLX_StickdataGetPhyControlValues(values, ids);
  m_Stickdata->KLX_StickdataUnlock();
  return result;
}

int KLX_StickControlIndex(int id) {
  const PhysicalControl* c = FindControl(id);
  return c ? c->stickIndex : int(KLX_CONTROL_NO_CHANNEL);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetStickControlIDbyControl(unsigned short id) {
  return KLX_StickControlIndex(id);
}

CControl* KLX_DataBaseManager::KLX_DataBaseManagerGetControl(unsigned char slot) {
  return m_Runtime ? m_Runtime->KLX_RuntimeDatabaseManagerGetControl(slot) : nullptr;
}

CControl* KLX_DataBaseManager::KLX_DataBaseManagerGetControlByID(unsigned short id) {
  return m_Runtime ? m_Runtime->KLX_RuntimeDatabaseManagerGetControlByID(id) : nullptr;
}

// ---- Live control values ------------------------------------------------------------

void KLX_DataBaseManager::KLX_DataBaseManager_StickDataClearAll() {
  if (m_Stickdata) m_Stickdata->KLX_StickdataClearAll();
}

#define KLX_NAMED_CONTROL_DEF(name, id)                                              \
  int KLX_DataBaseManager::KLX_DataBaseManagerGetSet_##name(int value, int dir) {    \
    return KLX_DataBaseManagerGetSet_ControlValueByControl(id, value, dir);          \
  }
KLX_NAMED_CONTROLS(KLX_NAMED_CONTROL_DEF)
#undef KLX_NAMED_CONTROL_DEF

int KLX_DataBaseManager::KLX_DataBaseManagerGetSet_Switch(int value, unsigned short control, int dir) {
  return KLX_DataBaseManagerGetSet_ControlValueByControl(control, value, dir);
}

int KLX_DataBaseManager::SendStickMessage(unsigned char lock) {
  if (!m_Protocol) return KLX_Error;
  const char data = static_cast<char>(lock);
  return m_Protocol->KLX_ProtocolSendMessage(1, &data, KLX_MSG_LOCK_TRIMS, KLX_NODE_APPLICATION);
}

int KLX_DataBaseManager::KLX_DataBaseManager_LockTrimControls() { return SendStickMessage(1); }

// The screens' doors to the search: under the store's lock, as the receiver
// thread writes the live values and searches under it.
void KLX_DataBaseManager::KLX_DataBaseManager_StickdataStartWatchingMovement(bool searchClass) {
  SendStickMessage(1);
  if (!m_Stickdata) return;
  m_Stickdata->KLX_StickdataLock();
  m_Stickdata->KLX_StickdataSetSearchControlClass(searchClass);
  m_Stickdata->KLX_StickdataGetSet_LastControl(0, AtomicDirSet);
  m_Stickdata->KLX_StickdataStartDetection();
  m_Stickdata->KLX_StickdataFreezeMovement();
  m_Stickdata->KLX_StickdataUnlock();
}

void KLX_DataBaseManager::KLX_DataBaseManager_StickdataStopWatchingMovement() {
  if (m_Stickdata) {
    m_Stickdata->KLX_StickdataLock();
    m_Stickdata->KLX_StickdataStopDetection();
    m_Stickdata->KLX_StickdataSetSearchControlClass(false);
    m_Stickdata->KLX_StickdataUnlock();
  }
  SendStickMessage(0);
  if (m_Stickdata) {
    m_Stickdata->KLX_StickdataLock();
    m_Stickdata->KLX_StickdataGetSetMovementFlag(0, AtomicDirSet);
    m_Stickdata->KLX_StickdataUnlock();
  }
}

void KLX_DataBaseManager::KLX_DataBaseManager_StickdataReset_Control() {
  if (!m_Stickdata) return;
  m_Stickdata->KLX_StickdataLock();
  m_Stickdata->KLX_StickdataGetSet_LastControl(0, AtomicDirSet);
  m_Stickdata->KLX_StickdataUnlock();
}

// ---- Model checksum -------------------------------------------------------------------

unsigned int KLX_DataBaseManager::KLX_DataBaseManagerCalculateModelCRC(bool fromEngine) {
  if (fromEngine) {
    if (!m_Runtime) return 0;
    m_OwnCRC = m_Runtime->KLX_RuntimeDatabaseManagerEngine()->KLX_FunctionalCalculationModelCRC();
    return m_OwnCRC;
  }
  if (!m_ServoConfig || !m_Function || !m_Mixer || !m_Sequencer || !m_Limiter || !m_Flightmode || !m_Curve ||
      !m_Trim || !m_Switch || !m_SpecialSwitch || !m_FlightmodeAssign || !m_TeleControl)
    return 0;
  // Each store continues the running value, in the order both sides agree on.
  unsigned int crc = 0xFFFFFFFFu;
  crc = m_ServoConfig->KLX_ServoConfigCalcCRC(crc);
  crc = m_Function->KLX_FunctionCalcCRC(crc);
  crc = m_Mixer->KLX_MixerCalcCRC(crc);
  crc = m_Sequencer->KLX_SequencerCalcCRC(crc);
  crc = m_Limiter->KLX_LimiterCalcCRC(crc);
  crc = m_Flightmode->KLX_FlightmodeCalcCRC(crc);
  crc = m_Curve->KLX_CurveCalcCRC(crc);
  crc = m_Trim->KLX_TrimCalcCRC(crc);
  crc = m_Switch->KLX_SwitchCalcCRC(crc);
  crc = m_SpecialSwitch->KLX_SpecialSwitchCalcCRC(crc);
  crc = m_FlightmodeAssign->KLX_FlightmodeAssignCalcCRC(crc);
  crc = m_TeleControl->KLX_TeleControlCalcCRC(crc);
  return ~crc;
}

unsigned int KLX_DataBaseManager::KLX_DataBaseManagerGetSetCRCpart(bool part, unsigned int crc, int dir) {
  const int i = part ? 1 : 0;
  if (dir) return m_CRCPart[i];
  m_CRCPart[i] = crc;
  m_CRCPartValid[i] = true;
  return crc;
}

bool KLX_DataBaseManager::KLX_DataBaseManagerModelCRCGetSet_AlarmBadModelDataFlag(bool flag, int dir) {
  if (!dir) m_AlarmBadModelData = flag;
  return m_AlarmBadModelData;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSet_ControlsLocked(bool flag, int dir) {
  if (!dir) m_ControlsLocked = flag;
  return m_ControlsLocked ? 1 : 0;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetModelLoadState(int state, int dir) {
  if (!dir) m_ModelLoadState = state & 0xFF;
  return m_ModelLoadState;
}
