#pragma once
// The controller's answers a task still waits for. A request asked again
// after a time-out (or after a bad answer) leaves the answer to the first
// one on its way: a controller busy with its card answers it late, after
// the task has gone on. Taken for an answer to the step the task is at, it
// would cost a retry or end the task; the task passes it over instead.
//
// The answers carry no sequence number. What tells them apart is what each
// answer repeats: the first byte after the leading 1 (the sub-command
// answered, or the kind of a unit) and, where the answer repeats them, a
// unit's index, a deleted unit's kind and index, a checksum's part, and
// the two bytes after these in a loader answer: a control answer (start,
// header, end) leaves them 0, a unit's acknowledgement never does (it names
// the units of its kind the controller holds, or an error). An accepted
// start and the first flight mode's acknowledgement begin alike (1, 0) and
// differ only there. The controller answers in the order it was asked, so
// answers alike may stand in for each other. An answer that the request
// awaited now could have given is always taken as that answer; only one
// that fits none but another request still unanswered is passed over, and
// it answers that request.
#include "tasks/klx_taskrecords.h"

struct KLX_AnswerKey {
  static constexpr int kAny = -1;
  // What the two bytes after the repeated ones hold (a loader answer's
  // count and error flag).
  enum Form { kAnyForm, kControlForm, kUnitForm };
  int code = kAny;  // kAny: no answer awaited
  int first = kAny;  // the bytes repeated after the code; kAny where not
  int second = kAny;
  Form form = kAnyForm;

  // The answer to a loader control message: the sub-command answered.
  static KLX_AnswerKey Control(int sub) { return {sub, kAny, kAny, kControlForm}; }
  // A unit's acknowledgement: its kind and index.
  static KLX_AnswerKey Unit(int kind, int index) { return {kind, index, kAny, kUnitForm}; }

  bool IsNone() const { return code == kAny; }
  bool operator==(const KLX_AnswerKey& o) const {
    return code == o.code && first == o.first && second == o.second && form == o.form;
  }
  // The update is a controller's answer (transceiver, `para` 1) that fits.
  bool Fits(const TaskUpdate_Data_T& update) const;
};

class KLX_PendingAnswers {
 public:
  // Requests whose answers are still waited for; the oldest goes first
  // when more are asked (a controller that never answers leaves them).
  static constexpr int kKept = 8;

  // A run of the task begins. The answers of the run before may still come
  // (a task asked again at once), those of older runs are not waited for.
  void NewRun();
  void Asked(const KLX_AnswerKey& key);
  // The request of `key` timed out: the task asks again, and the first
  // answer may still come, late.
  void Late(const KLX_AnswerKey& key);
  // An answer to a request of this run came late, or not yet, and is still
  // on its way.
  bool LateOwed() const;
  // True when the update is to be passed over: it fits no answer to
  // `awaited` but the answer to another request still waited for, which it
  // answers. An update that fits `awaited` answers one request of that key,
  // the last asked: a late answer of that key is still on its way.
  bool PassOver(const TaskUpdate_Data_T& update, const KLX_AnswerKey& awaited);

 private:
  void Remove(int at);

  struct Entry {
    KLX_AnswerKey key;
    unsigned run = 0;
    bool late = false;
  };
  Entry m_Entries[kKept];
  int m_Count = 0;  // the oldest first
  unsigned m_Run = 0;
};
