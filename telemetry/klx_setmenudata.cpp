#include "telemetry/klx_setmenudata.h"

#include <cstring>

#include "model/klx_databasemanager.h"
#include "telemetry/klx_telemetrie.h"

namespace {
constexpr unsigned kErrInit = 0x24201;
constexpr unsigned kErrState = 0x24202;
constexpr unsigned kErrNotToggle = 0x24203;
constexpr unsigned kErrToggle = 0x24204;
constexpr unsigned kErrKind = 0x24206;
constexpr unsigned kErrAnswer = 0x24207;
}  // namespace

KLX_SetMenuData::KLX_SetMenuData() { KLX_VornBaseCleanUp(); }

KLX_SetMenuData::~KLX_SetMenuData() { KLX_VornBaseCleanUp(); }

int KLX_SetMenuData::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                      KLX_RuntimeDatabaseManager* runtime) {
  return TakeLinks(db, protocol, handler, runtime, kErrInit, "Initializing of KLX_SetMenuData went wrong")
             ? int(KLX_Ok)
             : int(KLX_Error);
}

int KLX_SetMenuData::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_State = KLX_SetMenu_KLX_SET_MENU_DATA_SET;
  return KLX_SetMenuDataHandleProgress();
}

int KLX_SetMenuData::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  return KLX_SetMenuDataHandleProgress();
}

int KLX_SetMenuData::KLX_VornBaseCleanUp() {
  m_State = KLX_SetMenu_KLX_SET_MENU_IDLE;
  ForgetLinks();
  m_Task.task = KLX_VornTask::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_VornBaseResetErrorCount();
  return KLX_Ok;
}

// The sensor never answered: the item did not change, and the screen must
// not read the old value as if it had.
int KLX_SetMenuData::KLX_VornBaseTimeout() { return KLX_Timeout; }

int KLX_SetMenuData::KLX_SetMenuDataHandleProgress() {
  switch (m_State) {
    case KLX_SetMenu_KLX_SET_MENU_DATA_SET: return Set();
    case KLX_SetMenu_KLX_SET_MENU_DATA_SET_RESP: return SetAnswer();
    default:
      KLXErrorHandler.RegisterError(kErrState, QString());
      return KLX_Error;
  }
}

int KLX_SetMenuData::Set() {
  const int address = m_Task.paraint1;
  const int menu = m_Task.paraint2;
  const int item = m_Task.paraint3;
  int read;
  int toggle;
  {
    LockedTable t(m_Links.db);
    if (!t) return KLX_Error;
    read = t->KLX_TelemetrieGetSet_Menue_IsRead(address, 0, AtomicDirGet);
    toggle = read == 1 && item != 0 ? t->KLX_TelemetrieGetSet_Menue_Toggle(address, menu, item, 0, AtomicDirGet) : 0;
  }
  // Nothing to change before the menus are read, nor in a menu's head entry.
  if (read != 1 || item == 0) return KLX_Done;
  const int kind = m_Task.paraint6;
  if (kind == KLX_VornTask::KLX_TASK_PARA_MENU_DATA_TOGGLE) {
    if (toggle != 1) {
      KLXErrorHandler.RegisterError(kErrNotToggle, QString());
      return KLX_Error;
    }
  } else if (kind == KLX_VornTask::KLX_TASK_PARA_MENU_DATA_VAL) {
    if (toggle != 0) {
      KLXErrorHandler.RegisterError(kErrToggle, QString());
      return KLX_Error;
    }
  } else {
    KLXErrorHandler.RegisterError(kErrKind, QString());
    return KLX_Error;
  }
  const unsigned char sensor = static_cast<unsigned char>(address);
  const int step = m_Task.paraint4;
  const int direction = m_Task.paraint5 & 1;
  const int length = kind == KLX_VornTask::KLX_TASK_PARA_MENU_DATA_TOGGLE
                         ? KLX_Z2Bus::KLX_Z2BusSetCommandSensorMenuDataToggle(m_Buffer, sensor, menu, item, Language(),
                                                                             Measure(), step, direction)
                         : KLX_Z2Bus::KLX_Z2BusSetCommandSensorMenuDataVal(m_Buffer, sensor, menu, item, Language(),
                                                                          Measure(), step, direction);
  m_State = KLX_SetMenu_KLX_SET_MENU_DATA_SET_RESP;
  return SendCommand(length);
}

int KLX_SetMenuData::SetAnswer() {
  if (!IsAnswer(m_Update, AnswerMenuValue)) return KLX_Ok;
  m_Z2Bus.KLX_Z2BusSetSensorMenuDataData(m_Update.data);
  KLX_Z2Bus::MenuValue v;
  const int from = m_Z2Bus.KLX_Z2BusGetSensorMenuDataData(&v);
  if (from != m_Task.paraint1) {
    // Another sensor's answer changes nothing here: the task waits on for its own.
    KLXErrorHandler.RegisterError(kErrAnswer, QStringLiteral("answer of sensor %1 to a change of sensor %2")
                                                  .arg(from)
                                                  .arg(m_Task.paraint1));
    return KLX_Ok;
  }
  char text[sizeof(v.value) + 1] = {};
  std::memcpy(text, v.value, sizeof(v.value));
  {
    LockedTable t(m_Links.db);
    if (t) t->KLX_TelemetrieGetSet_Menue_Value(from, v.menu, v.item, text, AtomicDirSet);
  }
  m_Links.db->KLX_DataBaseManagerEmitTaskSetDataDone(v.menu);
  return KLX_Done;
}
