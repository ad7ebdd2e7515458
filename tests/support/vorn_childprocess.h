#pragma once
// A process a test starts that ends with the test program, even one that
// aborts and runs no clean-up.
#include <QProcess>

#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>

class VornChildProcess : public QProcess {
 public:
  // Ended within `ms`: also one that ended already, for which
  // waitForFinished() answers false.
  bool Ended(int ms) { return state() == QProcess::NotRunning || waitForFinished(ms); }

 protected:
  void setupChildProcess() override {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != m_Parent) _exit(127);
  }

 private:
  const pid_t m_Parent = getpid();
};
