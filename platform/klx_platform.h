#pragma once
// What the program needs of the board it runs on. The board build talks to
// the real devices; the desktop build keeps all of it under one root folder.
#include <QString>

namespace KLX_Platform {

// The folder under which the fixed absolute paths live: empty on the board.
// Only the path scheme applies it to a path.
QString Root();

// Tests and the simulator choose their own root in-process.
void SetRoot(const QString& root);

// True on the board build.
bool IsBoard();

// The scene graph the program's windows draw with, empty for Qt's own
// choice (the board's). The desktop draws in software, without setting up
// OpenGL, as a board without a graphics processor does.
QString SceneGraphBackend();

// The application version a start of the transmitter runs, where it is
// not this program's own. The board starts the program installed as
// `installed`, which is this one: false. The desktop always starts the
// build's program; it stands in for the board's start with the version of
// the desktop run's package installed there, so that a start after an
// update is the updated program's, as on the board.
bool InstalledProgramVersion(const QString& installed, int* major, int* minor);

// umount2(2) of a fixed mount point ("/media/usb0"). Returns 0 or -1 with errno set.
int Umount2(const QString& target, int flags);

// mount(2) of a fixed mount point with a file-system type, flags and
// options ("ubi0:application" on "/app", "ubifs", MS_REMOUNT). Returns 0 or
// -1 with errno set.
int Mount(const QString& source, const QString& target, const QString& type, unsigned long flags,
          const QString& options);

}  // namespace KLX_Platform
