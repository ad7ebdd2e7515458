#pragma once
// A request for the task engine: one long operation against the controllers.
#include <QString>

struct Task_Data_T {
  int task = 0;
  int para[6] = {17, 17, 17, 17, 17, 17};
  QString str[3];
  int timeout = 0;
  int retries = 0;
  int extra = 0;
  int source = 0;
};

enum E_TaskSource { KLX_TASK_SOURCE_GUI = 0, KLX_TASK_SOURCE_SYSTEM = 1 };
enum E_VornTask {
  KLX_TASK_NONE = 0,
  KLX_TASK_SYNC = 1,
  KLX_TASK_MOD_LOAD = 2,
  KLX_TASK_LOAD_UNIT = 3,
  KLX_TASK_DELETE_UNIT = 4,
  KLX_TASK_BIND_CONFIG = 5,
  KLX_TASK_BINDING = 6,
  KLX_TASK_CALIBRATION = 7,
  KLX_TASK_MOD_NEW = 8,
  KLX_TASK_MOD_DELETE = 9,
  KLX_TASK_MOD_SYNC = 10,
  KLX_TASK_MOD_RENAME = 11,
  KLX_TASK_UPDATE_FIRMWARE = 12,
  KLX_TASK_UPDATE_CHECK_FIRMWARE = 13,
  KLX_TASK_MOD_COPY = 15,
  KLX_TASK_CAPTURE_MENU_INFO = 16,
  KLX_TASK_SET_MENU_DATA = 17,
  KLX_TASK_SET_MENU_ADR = 18,
  KLX_TASK_COPY_MOD_EXTERNAL = 19,
  KLX_TASK_GET_MENU_DATA_CONT = 20,
  KLX_TASK_UPDATE_FW_ONBOARD = 21,
  KLX_TASK_CAPTURE_TELEINFO = 24,
  KLX_TASK_COUNT = 25,
  // The model checksum check before power-off, under the name the
  // shut-down code still uses.
  KLX_TASK_MODEL_RECEIVER = KLX_TASK_MOD_SYNC,
};

// An update for the running task: a controller's answer, the end of a long
// send, a user input or a task result.
struct TaskUpdate_Data_T {
  int para = 0;
  unsigned char data[1000] = {};
  int updateKind = 0;
};

enum E_TaskUpdateKind {
  KLX_UPDATE_KIND_STICK = 1,
  KLX_UPDATE_KIND_TRANSCEIVER = 2,
  KLX_UPDATE_KIND_LONG_SENT = 3,
  KLX_UPDATE_KIND_USER = 4,
  KLX_UPDATE_KIND_RESULT = 5,
};
