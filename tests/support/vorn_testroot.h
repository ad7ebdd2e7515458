#pragma once
// A fresh desktop root per test, and a watch on the error handler that fails
// the test on any report it did not expect.
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>
#include <QTemporaryDir>

#include <initializer_list>

#include "frame/klx_clock.h"

// What a test waits for in real time comes on a quiet machine within
// milliseconds; a busy one, or a sanitizer's build beside it, may hold a
// thread for seconds. Every such wait ends as soon as its condition holds
// and fails only after a minute, which a hang alone reaches: the bound the
// manual clock gives the threads a test steps.
constexpr int kVornHangMs = KLX_ManualClock::kHangMs;

// Qt's QTRY_ waits take a minute (kVornHangMs) instead of five seconds, and
// say a failure when it is out: Qt's own would wait twice as long again to
// say how long the wait would have needed. Every test includes this after
// the test framework (its precompiled header).
#undef QTRY_VERIFY
#undef QTRY_VERIFY2
#undef QTRY_COMPARE
#define VORN_TRY_WAIT(expr)                                                              \
  {                                                                                      \
    const bool vorn_came = QTest::qWaitFor([&]() { return bool(expr); }, kVornHangMs);   \
    (void)vorn_came;                                                                     \
  }
#define QTRY_VERIFY(expr) \
  do {                    \
    VORN_TRY_WAIT(expr);  \
    QVERIFY(expr);        \
  } while (false)
#define QTRY_VERIFY2(expr, message) \
  do {                              \
    VORN_TRY_WAIT(expr);            \
    QVERIFY2(expr, message);        \
  } while (false)
#define QTRY_COMPARE(expr, expected)          \
  do {                                        \
    VORN_TRY_WAIT((expr) == (expected));      \
    QCOMPARE(expr, expected);                 \
  } while (false)

class VornTestRoot {
 public:
  VornTestRoot();
  ~VornTestRoot();
  QString Path() const { return m_Dir.path(); }
  bool IsValid() const { return m_Dir.isValid(); }

 private:
  QTemporaryDir m_Dir;
  QString m_PreviousRoot;
};

// Collects every registration while it lives. When it goes (at the end of
// the test function that made it), the test fails on each fatal, error or
// warning report whose code the test did not name with Expect(); hints and
// logged-only codes are information and never fail.
//
//   VornErrorWatch errors;
//   errors.Expect(0x31603);            // "no SD card inserted" is part of the case
//   ... run the case ...
//   QVERIFY(errors.Has(0x31603));      // and, where it matters, that it came
//
// Watches nest: a report goes to the newest watch a case made itself, and
// only while there is none to the newest watch of a fixture (Scope::Fixture),
// which so covers set-up, the case and tear-down.
class VornErrorWatch {
 public:
  enum class Scope { Case, Fixture };
  explicit VornErrorWatch(Scope scope = Scope::Case);
  ~VornErrorWatch();
  VornErrorWatch(const VornErrorWatch&) = delete;
  VornErrorWatch& operator=(const VornErrorWatch&) = delete;

  // The test expects these codes: any number of reports of them, or none.
  VornErrorWatch& Expect(unsigned code);
  VornErrorWatch& Expect(std::initializer_list<unsigned> codes);

  QList<QPair<unsigned, QString>> Reports() const;
  QList<unsigned> Codes() const;
  bool Has(unsigned code) const;
  // Forgets the reports so far: the test has looked at them.
  void Clear();
  // The reports (codes) so far, forgotten as Clear() does: for a test that
  // compares the exact list.
  QList<QPair<unsigned, QString>> TakeReports();
  QList<unsigned> TakeCodes();

  // The fatal, error and warning reports whose codes were not expected.
  QList<QPair<unsigned, QString>> Unexpected() const;
  // One line per unexpected report ("unexpected error report 0x22814: text"),
  // empty when there is none.
  QString UnexpectedText() const;
  // Whether a code fails a test unless expected (classes 1 to 3).
  static bool IsFailure(unsigned code);

 private:
  friend struct VornErrorWatches;
  void Add(unsigned code, const QString& text);

  const Scope m_Scope;
  mutable QMutex m_Mutex;
  QList<QPair<unsigned, QString>> m_Reports;
  QList<unsigned> m_Expected;
};

// Screen tests treat every warning as a failure. The test framework installs
// its own message handler when it starts, so the check is installed from
// initTestCase() (after that) and passes every message on to the framework:
//
//   VornQmlWarnings m_Warnings;                 // a member of the test object
//   void initTestCase() { m_Warnings.Install(); }
//   void cleanup() { m_Warnings.Verify(); }     // fails the case on a warning
class VornQmlWarnings {
 public:
  VornQmlWarnings() = default;
  ~VornQmlWarnings();
  VornQmlWarnings(const VornQmlWarnings&) = delete;
  VornQmlWarnings& operator=(const VornQmlWarnings&) = delete;

  void Install();
  // The warnings, critical and fatal messages since the last Take(), cleared.
  QStringList Take();
  // Fails the running test on the messages Take() would give.
  void Verify();
};

// The lines the code under test writes to the terminal as the program
// would, and apart from them those of the developers' category
// "vorn.developer", which is switched on while the object lives: a line
// moved there is seen where it went. Every message goes on to the handler
// installed before. One at a time; made and gone in the test's thread.
class VornTerminalLines {
 public:
  VornTerminalLines();
  ~VornTerminalLines();
  VornTerminalLines(const VornTerminalLines&) = delete;
  VornTerminalLines& operator=(const VornTerminalLines&) = delete;

  QStringList Terminal() const;
  QStringList Developer() const;
  // The terminal's lines that contain any of `texts`.
  QStringList TerminalWithAny(const QStringList& texts) const;
};

// Where a screen test leaves a picture for a look: build/tests/screenshots
// under CTest.
QString VornScreenshotPath(const QString& name);
