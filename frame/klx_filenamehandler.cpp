#include "frame/klx_filenamehandler.h"

#include "platform/klx_platform.h"

QString KLX_FileNameHandler::KLX_FileNameHandlerMapPath(const QString& fixedPath) {
  if (!fixedPath.startsWith('/')) return fixedPath;
  return KLX_Platform::Root() + fixedPath;
}

QString KLX_FileNameHandler::KLX_FileNameHandlerGetVornPath() const {
  return KLX_FileNameHandlerMapPath("/Vorn");
}

QString KLX_FileNameHandler::KLX_FileNameHandlerGetAppPath() const {
  return KLX_FileNameHandlerMapPath("/app");
}

QString KLX_FileNameHandler::KLX_FileNameHandlerGetUSBStickMountPoint(int stick) const {
  return KLX_FileNameHandlerMapPath(QStringLiteral("/media/usb%1").arg(stick));
}

QString KLX_FileNameHandler::KLX_FileNameHandlerGetBoardNameFile() const {
  return KLX_FileNameHandlerMapPath("/sys/bdinfo/board_name");
}

QString KLX_FileNameHandler::KLX_FileNameHandlerGetGPIOPath() const {
  return KLX_FileNameHandlerMapPath("/sys/class/gpio");
}
