#pragma once
// Displays for the screen tests. Each test program draws on an X server of
// its own: programs that run side by side on one display cover each other's
// windows and take each other's focus. The servers (and programs a test
// starts on them) end with the test program, however it ends.
#include <sys/types.h>

#include <string>

// The exit code of a test program that cannot run here (CTest shows it as
// skipped).
constexpr int kVornSkipCode = 77;

// An Xvfb on display `number`, waited for until it answers; 0 when it did
// not come up. It is stopped by the kernel when the calling thread ends.
pid_t VornStartXvfb(const std::string& number);

// Starts an Xvfb on a free display number and points DISPLAY at it, before
// the application is made; without Xvfb the display given stays. With no
// display at all the program ends here, saying why, with kVornSkipCode.
void VornOwnDisplay();

// A free display number with an Xvfb on it (its pid in *server); empty when
// Xvfb could not be started.
std::string VornStartFreeXvfb(pid_t* server);
