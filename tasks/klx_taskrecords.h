#pragma once
// The two records that carry work through the task pipeline, copied whole at
// every hand-over: the request for a task and the update for the running one.
#include <QByteArray>
#include <QString>

#include <cstring>

#include "frame/klx_utf8.h"
#include "tasks/klx_vorntask.h"

// Room of a request's text field, its closing zero byte included.
constexpr int KLX_TASK_TEXT_BYTES = 40;

struct Task_Data_T {
  int task = KLX_VornTask::KLX_TASK_NONE;
  int paraint1 = KLX_VornTask::KLX_TASK_PARA_NONE;
  int paraint2 = KLX_VornTask::KLX_TASK_PARA_NONE;
  int paraint3 = KLX_VornTask::KLX_TASK_PARA_NONE;
  int paraint4 = KLX_VornTask::KLX_TASK_PARA_NONE;
  int paraint5 = KLX_VornTask::KLX_TASK_PARA_NONE;
  int paraint6 = KLX_VornTask::KLX_TASK_PARA_NONE;
  // UTF-8, ended by a zero byte.
  char parastr1[KLX_TASK_TEXT_BYTES] = {};
  char parastr2[KLX_TASK_TEXT_BYTES] = {};
  char parastr3[KLX_TASK_TEXT_BYTES] = {};
  int timeout = 0;
  // The task's maximum error count (a negative one counts as 0).
  int repeat = 0;
  // Idle time in ms after which a task that asked to run again is queued
  // again; the GUI table gives it for the telemetry capture.
  int requeueDelay = 0;
  int source = KLX_VornTask::KLX_TASK_SOURCE_GUI;

  // Integer parameter n (1 to 6); anything else reads as "none".
  int ParaInt(int n) const {
    const int* p[] = {&paraint1, &paraint2, &paraint3, &paraint4, &paraint5, &paraint6};
    return n >= 1 && n <= 6 ? *p[n - 1] : int(KLX_VornTask::KLX_TASK_PARA_NONE);
  }
  void SetParaInt(int n, int value) {
    int* p[] = {&paraint1, &paraint2, &paraint3, &paraint4, &paraint5, &paraint6};
    if (n >= 1 && n <= 6) *p[n - 1] = value;
  }
};

// Stores a text into a request's field: at most 39 bytes of UTF-8, cut on a
// whole character, and the closing zero byte.
inline void KLX_TaskSetText(char (&field)[KLX_TASK_TEXT_BYTES], const QString& text) {
  const QByteArray utf8 = KLX_Utf8Cut(text, KLX_TASK_TEXT_BYTES - 1);
  std::memset(field, 0, sizeof(field));
  std::memcpy(field, utf8.constData(), size_t(utf8.size()));
}

// The text of a request's field, read up to its zero byte (or the field's end).
inline QString KLX_TaskText(const char (&field)[KLX_TASK_TEXT_BYTES]) {
  return QString::fromUtf8(field, int(strnlen(field, sizeof(field))));
}

// Kinds of update record: who made it.
enum E_TaskUpdateKind {
  KLX_UPDATE_KIND_STICK = 1,        // a message from the stick controller
  KLX_UPDATE_KIND_TRANSCEIVER = 2,  // a message from the transceiver controller
  KLX_UPDATE_KIND_LONG_SENT = 3,    // the last frame of a long message is on its way
  KLX_UPDATE_KIND_USER = 4,         // a user's answer from the GUI
  KLX_UPDATE_KIND_RESULT = 5,       // a task result for the GUI command layer
};

struct TaskUpdate_Data_T {
  int para = 0;
  unsigned char data[1000] = {};
  int updateKind = 0;
};
