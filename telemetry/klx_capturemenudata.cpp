#include "telemetry/klx_capturemenudata.h"

#include <cstring>

#include "model/klx_databasemanager.h"
#include "telemetry/klx_telemetrie.h"

namespace {
constexpr unsigned kErrInit = 0x24101;
constexpr unsigned kErrState = 0x24102;
constexpr unsigned kErrSensor = 0x24103;
constexpr unsigned kErrTimeout = 0x24104;
constexpr int kMenus = KLX_Telemetrie::kMenus;
constexpr int kHalf = 50;
}  // namespace

KLX_CaptureMenuData::KLX_CaptureMenuData() { KLX_VornBaseCleanUp(); }

KLX_CaptureMenuData::~KLX_CaptureMenuData() { KLX_VornBaseCleanUp(); }

int KLX_CaptureMenuData::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                          KLX_RuntimeDatabaseManager* runtime) {
  return TakeLinks(db, protocol, handler, runtime, kErrInit, "Initializing of KLX_CaptureMenuData went wrong")
             ? int(KLX_Ok)
             : int(KLX_Error);
}

int KLX_CaptureMenuData::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_State = KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MAIN_MENUDATA;
  return KLX_CaptureMenuDataHandleProgress();
}

int KLX_CaptureMenuData::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  return KLX_CaptureMenuDataHandleProgress();
}

int KLX_CaptureMenuData::KLX_VornBaseCleanUp() {
  m_State = KLX_CaptureMenu_KLX_CAPTURE_MENU_IDLE;
  ForgetLinks();
  m_Task.task = KLX_VornTask::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_VornBaseResetErrorCount();
  m_Menu = m_Item = m_Total = m_Answers = 0;
  m_Progress = 0.0f;
  return KLX_Ok;
}

int KLX_CaptureMenuData::KLX_VornBaseTimeout() {
  KLX_VornBaseIncErrorCount();
  if (KLX_VornBaseCheckForMaxError()) {
    KLXErrorHandler.RegisterError(kErrSensor, QStringLiteral("CaptureMenuData went wrong after retries"));
    return KLX_Error;
  }
  switch (m_State) {
    case KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MAIN_MENUDATA_RESP:
    case KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_NAME_RESP:
    case KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_DATA_RESP:
      // Over again; a structure read completely goes straight to the values.
      m_State = KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MAIN_MENUDATA;
      return RequestStructure();
    default:
      KLXErrorHandler.RegisterError(kErrTimeout, QStringLiteral("timeout in task CaptureMenuData"));
      return KLX_Error;
  }
}

void KLX_CaptureMenuData::KLX_VornBaseCalculatePercent() {
  if (m_Total > 0) m_Progress += (100.0f / float(m_Total)) * 0.5f;
  KLX_VornBaseSetPercent(int(m_Progress), int(m_Progress), 0);
}

int KLX_CaptureMenuData::KLX_CaptureMenuDataHandleProgress() {
  switch (m_State) {
    case KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MAIN_MENUDATA: return RequestStructure();
    case KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MAIN_MENUDATA_RESP: return StructureAnswer();
    case KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_NAME: return RequestEntry(false);
    case KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_NAME_RESP: return EntryAnswer(false);
    case KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_DATA: return RequestEntry(true);
    case KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_DATA_RESP: return EntryAnswer(true);
    default:
      KLXErrorHandler.RegisterError(kErrState, QString());
      return KLX_Error;
  }
}

// ---- the steps -----------------------------------------------------------------------------------

int KLX_CaptureMenuData::Done() {
  m_Links.db->KLX_DataBaseManagerTelemetrieGetSet_AutoRescanAllowed(false, AtomicDirSet);
  return KLX_Done;
}

int KLX_CaptureMenuData::WrongSensor() {
  KLXErrorHandler.RegisterError(kErrSensor, QStringLiteral("answer of sensor %1 to a request to sensor %2")
                                                .arg(m_Update.data[0])
                                                .arg(Address()));
  return KLX_Error;
}

int KLX_CaptureMenuData::RequestStructure() {
  bool read = false;
  int total = 0;
  {
    LockedTable t(m_Links.db);
    if (t) {
      read = t->KLX_TelemetrieGetSet_Menue_IsRead(Address(), 0, AtomicDirGet) == 1;
      for (int m = 0; read && m < kMenus; ++m)
        if (t->KLX_TelemetrieGetSet_Menue_IsUsed(Address(), m, 0, AtomicDirGet) == 1)
          total += t->KLX_TelemetrieGetSet_Menue_NumberOfMenus(Address(), m, 0, AtomicDirGet);
    }
  }
  m_Menu = m_Item = m_Answers = 0;
  if (read) {
    // The labels are known: only the values are read again.
    m_Progress = kHalf;
    KLX_VornBaseSetPercent(kHalf, kHalf, 0);
    m_Total = total;
    m_State = KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_DATA;
    PostSelf();
    return KLX_Ok;
  }
  m_Progress = 0.0f;
  KLX_VornBaseSetPercent(0, 0, 0);
  m_Total = 0;
  const int length = KLX_Z2Bus::KLX_Z2BusGetCommandSensorMenuStruct(m_Buffer, static_cast<unsigned char>(Address()),
                                                                     Language(), Measure());
  m_State = KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MAIN_MENUDATA_RESP;
  return SendCommand(length);
}

int KLX_CaptureMenuData::StructureAnswer() {
  if (!IsAnswer(m_Update, AnswerMenuStructure)) return KLX_Ok;
  m_Z2Bus.KLX_Z2BusSetSensorMenuStructure(m_Update.data);
  KLX_Z2Bus::MenuStructure structure;
  if (m_Z2Bus.KLX_Z2BusGetSensorMenuStruct(&structure) != Address()) return WrongSensor();
  m_Total = 0;
  {
    LockedTable t(m_Links.db);
    if (!t) return KLX_Error;
    for (int m = 0; m < kMenus; ++m) {
      // A menu's entries are its head entry and its items.
      const int entries = structure.items[m] ? structure.items[m] + 1 : 0;
      t->KLX_TelemetrieGetSet_Menue_NumberOfMenus(Address(), m, entries, AtomicDirSet);
      t->KLX_TelemetrieGetSet_Menue_IsUsed(Address(), m, entries ? 1 : 0, AtomicDirSet);
      m_Total += entries;
    }
  }
  if (m_Total < 1) return Done();
  m_Menu = m_Item = m_Answers = 0;
  m_State = KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_NAME;
  KLX_VornBaseResetErrorCount();
  PostSelf();
  return KLX_Ok;
}

int KLX_CaptureMenuData::RequestEntry(bool value) {
  if (!IsSelf(m_Update)) return KLX_Ok;
  if (m_Menu >= kMenus) {
    // Every used menu was asked for and answers are still missing.
    KLXErrorHandler.RegisterError(kErrState, QString());
    return KLX_Error;
  }
  bool used;
  {
    LockedTable t(m_Links.db);
    used = t && t->KLX_TelemetrieGetSet_Menue_IsUsed(Address(), m_Menu, 0, AtomicDirGet) == 1;
  }
  if (!used) {
    ++m_Menu;
    PostSelf();
    return KLX_Ok;
  }
  const unsigned char address = static_cast<unsigned char>(Address());
  const int length =
      value ? KLX_Z2Bus::KLX_Z2BusGetCommandSensorMenuData(m_Buffer, address, m_Menu, m_Item, Language(), Measure())
            : KLX_Z2Bus::KLX_Z2BusGetCommandSensorMenuName(m_Buffer, address, m_Menu, m_Item, Language(), Measure());
  m_State = value ? KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_DATA_RESP : KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_NAME_RESP;
  SendCommand(length);
  return KLX_Ok;
}

int KLX_CaptureMenuData::EntryAnswer(bool value) {
  if (!IsAnswer(m_Update, value ? AnswerMenuValue : AnswerMenuName)) return KLX_Ok;
  ++m_Answers;
  {
    LockedTable t(m_Links.db);
    if (!t) return KLX_Error;
    if (value) {
      m_Z2Bus.KLX_Z2BusSetSensorMenuDataData(m_Update.data);
      KLX_Z2Bus::MenuValue v;
      if (m_Z2Bus.KLX_Z2BusGetSensorMenuDataData(&v) != Address()) return WrongSensor();
      KLX_VornBaseCalculatePercent();
      char text[sizeof(v.value) + 1] = {};
      std::memcpy(text, v.value, sizeof(v.value));
      t->KLX_TelemetrieGetSet_Menue_Value(Address(), v.menu, v.item, text, AtomicDirSet);
    } else {
      m_Z2Bus.KLX_Z2BusSetSensorMenuData(m_Update.data);
      KLX_Z2Bus::MenuName n;
      if (m_Z2Bus.KLX_Z2BusGetSensorMenuData(&n) != Address()) return WrongSensor();
      KLX_VornBaseCalculatePercent();
      char text[sizeof(n.label) + 1] = {};
      std::memcpy(text, n.label, sizeof(n.label));
      t->KLX_TelemetrieGetSet_Menue_MaxSteps(Address(), n.menu, n.item, n.stepSize, AtomicDirSet);
      t->KLX_TelemetrieGetSet_Menue_Toggle(Address(), n.menu, n.item, n.toggle, AtomicDirSet);
      t->KLX_TelemetrieGetSet_Menue_Display(Address(), n.menu, n.item, n.display, AtomicDirSet);
      t->KLX_TelemetrieGetSet_Menue_Continious(Address(), n.menu, n.item, n.continuous, AtomicDirSet);
      t->KLX_TelemetrieGetSet_Menue_Label(Address(), n.menu, n.item, text, AtomicDirSet);
    }
    if (m_Answers == m_Total) {
      if (value) {
        t->KLX_TelemetrieGetSet_Menue_IsRead(Address(), 1, AtomicDirSet);
      } else {
        m_Menu = m_Item = m_Answers = 0;
        m_State = KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_DATA;
      }
    } else {
      NextEntry(t.operator->());
      m_State = value ? KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_DATA : KLX_CaptureMenu_KLX_CAPTURE_MENU_REQ_MENU_NAME;
    }
  }
  if (value && m_Answers == m_Total) return Done();
  PostSelf();
  return KLX_Ok;
}

void KLX_CaptureMenuData::NextEntry(KLX_Telemetrie* table) {
  ++m_Item;
  if (m_Item >= table->KLX_TelemetrieGetSet_Menue_NumberOfMenus(Address(), m_Menu, 0, AtomicDirGet)) {
    m_Item = 0;
    ++m_Menu;
  }
}
