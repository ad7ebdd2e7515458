#pragma once
// The single place where the program's fixed folders and file names are
// spelled, and where they are placed under the desktop build's root.
#include <QString>

class KLX_FileNameHandler {
 public:
  // A fixed absolute path of the board ("/Vorn", "/sys/class/gpio", ...) as
  // this build reaches it.
  static QString KLX_FileNameHandlerMapPath(const QString& fixedPath);

  QString KLX_FileNameHandlerGetVornPath() const;
  QString KLX_FileNameHandlerGetAppPath() const;
  QString KLX_FileNameHandlerGetUSBStickMountPoint(int stick) const;
  QString KLX_FileNameHandlerGetBoardNameFile() const;
  QString KLX_FileNameHandlerGetGPIOPath() const;
};
