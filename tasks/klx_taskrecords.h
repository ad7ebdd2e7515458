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
enum E_TaskIds { KLX_TASK_SYNCHRONISATION = 1, KLX_TASK_MODEL_RECEIVER = 10 };

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
