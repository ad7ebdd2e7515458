#include "telemetry/klx_captmencont.h"

#include <cstring>

#include "model/klx_databasemanager.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "telemetry/klx_telemetrie.h"

namespace {
constexpr unsigned kErrInit = 0x24801;
constexpr unsigned kErrState = 0x24802;
constexpr int kFirstItem = 1;
}  // namespace

KLX_CaptMenCont::KLX_CaptMenCont() { KLX_VornBaseCleanUp(); }

KLX_CaptMenCont::~KLX_CaptMenCont() { KLX_VornBaseCleanUp(); }

int KLX_CaptMenCont::KLX_VornBaseInit(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_VornHandler* handler,
                                      KLX_RuntimeDatabaseManager* runtime) {
  return TakeLinks(db, protocol, handler, runtime, kErrInit, "Initializing of KLX_CaptMenCont went wrong")
             ? int(KLX_Ok)
             : int(KLX_Error);
}

int KLX_CaptMenCont::KLX_VornBaseStartTask(Task_Data_T task) {
  m_Task = task;
  KLX_VornBaseSetErrorMaxCount(task.repeat);
  KLX_VornBaseResetErrorCount();
  m_State = KLX_CaptMenCont_KLX_CAPT_MENCONTERROR_START;
  return KLX_CaptMenContHandleProgress();
}

int KLX_CaptMenCont::KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T update, int*) {
  m_Update = update;
  return KLX_CaptMenContHandleProgress();
}

int KLX_CaptMenCont::KLX_VornBaseCleanUp() {
  m_State = KLX_CaptMenCont_KLX_CAPT_MENCONTERROR_IDLE;
  ForgetLinks();
  m_Task.task = KLX_VornTask::KLX_TASK_NONE;
  m_Update.para = 0;
  KLX_VornBaseResetErrorCount();
  m_Sensor = kNoSensor;
  m_Menu = kNoMenu;
  m_Language = m_Measure = m_Position = 0;
  for (int& item : m_Items) item = kNoItem;
  return KLX_Ok;
}

int KLX_CaptMenCont::KLX_VornBaseTimeout() {
  if (m_State != KLX_CaptMenCont_KLX_CAPT_MENCONTERROR_RESP) return KLX_Ok;
  // A sensor that stopped answering must not hold the task engine once the
  // menu is closed: every other task waits behind this one.
  if (MenuClosed()) return KLX_Done;
  return Request();
}

int KLX_CaptMenCont::KLX_CaptMenContHandleProgress() {
  switch (m_State) {
    case KLX_CaptMenCont_KLX_CAPT_MENCONTERROR_START: return Start();
    case KLX_CaptMenCont_KLX_CAPT_MENCONTERROR_REQ: return KLX_Ok;
    case KLX_CaptMenCont_KLX_CAPT_MENCONTERROR_RESP: return Answer();
    default:
      KLXErrorHandler.RegisterError(kErrState, QString());
      return KLX_Error;
  }
}

bool KLX_CaptMenCont::MenuClosed() const {
  KLX_RuntimeDatabaseManager* runtime = m_Links.runtime;
  return runtime->KLX_RuntimeDatabaseManagerGetSetLeaveMenu(0, AtomicDirGet) == 1 ||
         runtime->KLX_RuntimeDatabaseManagerGetSetMenuIndex(0, AtomicDirGet) == kNoMenu;
}

int KLX_CaptMenCont::Start() {
  KLX_RuntimeDatabaseManager* runtime = m_Links.runtime;
  if (runtime->KLX_RuntimeDatabaseManagerGetSetLeaveMenu(0, AtomicDirGet) == 1) return KLX_Done;
  m_Language = Language();
  m_Measure = Measure();
  m_Menu = runtime->KLX_RuntimeDatabaseManagerGetSetMenuIndex(0, AtomicDirGet);
  m_Sensor = runtime->KLX_RuntimeDatabaseManagerGetSetMenuSensor(0, AtomicDirGet);
  if (m_Menu < 0 || m_Menu >= kNoMenu || m_Sensor < 0 || m_Sensor >= kNoSensor) return KLX_Done;
  {
    LockedTable t(m_Links.db);
    if (!t || t->KLX_TelemetrieGetSet_SensorIsUsed(m_Sensor, 0, AtomicDirGet) != 1) return KLX_Done;
    int n = 0;
    for (int& item : m_Items) item = kNoItem;
    for (int item = kFirstItem; item < KLX_Telemetrie::kMenuItems; ++item)
      if (t->KLX_TelemetrieGetSet_Menue_Continious(m_Sensor, m_Menu, item, 0, AtomicDirGet) == 1) m_Items[n++] = item;
  }
  m_Position = 0;
  m_State = KLX_CaptMenCont_KLX_CAPT_MENCONTERROR_REQ;
  return Request();
}

int KLX_CaptMenCont::Request() {
  // The end of the list: the next pass starts over while the menu is open.
  if (m_Position >= kNoItem || m_Items[m_Position] == kNoItem) return KLX_Reminder;
  const int length = KLX_Z2Bus::KLX_Z2BusGetCommandSensorMenuData(m_Buffer, static_cast<unsigned char>(m_Sensor),
                                                                   m_Menu, m_Items[m_Position], m_Language, m_Measure);
  m_State = KLX_CaptMenCont_KLX_CAPT_MENCONTERROR_RESP;
  SendCommand(length);
  return KLX_Ok;
}

int KLX_CaptMenCont::Answer() {
  if (!IsAnswer(m_Update, AnswerMenuValue)) return KLX_Ok;
  m_Z2Bus.KLX_Z2BusSetSensorMenuDataData(m_Update.data);
  KLX_Z2Bus::MenuValue v;
  const int sensor = m_Z2Bus.KLX_Z2BusGetSensorMenuDataData(&v);
  char text[sizeof(v.value) + 1] = {};
  std::memcpy(text, v.value, sizeof(v.value));
  {
    LockedTable t(m_Links.db);
    if (t) t->KLX_TelemetrieGetSet_Menue_Value(sensor, v.menu, v.item, text, AtomicDirSet);
  }
  ++m_Position;
  return Request();
}
