#include "app/klx_unmount.h"

#include "platform/klx_commandrunner.h"
#include "platform/klx_platform.h"

#include <QByteArray>
#include <QDebug>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace {
constexpr unsigned long kSettleMicroseconds = 262143;

void UnmountPartition(const char* mountPoint) {
  const QString command = QStringLiteral("umount -r ") + QLatin1String(mountPoint);
  if (KLX_Platform::System(command, KLX_Platform::kQuickToolMs) == 0)
    qInfo("umount -r of %s ok\n", mountPoint);
  else
    qInfo("umount -r error: %s\n", std::strerror(errno));
  QThread::usleep(kSettleMicroseconds);
}
}  // namespace

void KLX_UnmountAll() {
  QThread::sleep(4);
  for (int n = 0; n <= 7; ++n) {
    const QByteArray point = QByteArray("/media/usb") + QByteArray::number(n);
    if (KLX_Platform::Umount2(QString::fromLatin1(point), MNT_FORCE) == 0) {
      qInfo("umount2 %s ok", point.constData());
      QThread::usleep(kSettleMicroseconds);
    } else {
      qInfo("umount2 %s error!", point.constData());
    }
  }
  UnmountPartition("/Vorn");
  UnmountPartition("/app");
}
