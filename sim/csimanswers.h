#pragma once
// How a simulated controller answers one kind of request, so that a test can
// walk every recovery path the program has: an answer after a delay on the
// controllers' clock, no answer at all, a refusal, an answer only from the
// n-th request on (2: the first try goes unanswered, the second is answered),
// or one answer held back longer than the others (a controller busy once).
#include <QMap>
#include <QMutex>

struct CSimAnswerKnobs {
  int delayMs = 0;
  bool silent = false;
  // The answer says no: its first byte is 0 instead of 1. Only answers
  // that carry such a byte (the synchronisation answers) can refuse.
  bool refuse = false;
  int answerFromTry = 1;
  // The answer to the request of this try (1: the first since the knobs
  // were set; 0: none) comes `heldMs` after it instead of `delayMs`; the
  // answers to the requests after it do not wait for it.
  int heldTry = 0;
  int heldMs = 0;
};

// What becomes of one request.
struct CSimAnswerPlan {
  bool answer = false;
  bool refuse = false;
  int delayMs = 0;
};

// The knobs of one controller's requests, by request id, with the count of
// requests each has seen since its knobs were last set. Any thread.
class CSimAnswerBook {
 public:
  void Set(int request, const CSimAnswerKnobs& knobs) {
    QMutexLocker lock(&m_Mutex);
    m_Knobs[request] = knobs;
    m_Tries[request] = 0;
  }
  CSimAnswerKnobs Get(int request) const {
    QMutexLocker lock(&m_Mutex);
    return m_Knobs.value(request);
  }
  void Clear() {
    QMutexLocker lock(&m_Mutex);
    m_Knobs.clear();
    m_Tries.clear();
  }
  // Counts the request and says how it is answered.
  CSimAnswerPlan Next(int request) {
    QMutexLocker lock(&m_Mutex);
    const CSimAnswerKnobs k = m_Knobs.value(request);
    const int attempt = ++m_Tries[request];
    CSimAnswerPlan plan;
    plan.answer = !k.silent && attempt >= k.answerFromTry;
    plan.refuse = k.refuse;
    plan.delayMs = qMax(0, attempt == k.heldTry ? k.heldMs : k.delayMs);
    return plan;
  }

 private:
  mutable QMutex m_Mutex;
  QMap<int, CSimAnswerKnobs> m_Knobs;
  QMap<int, int> m_Tries;
};
