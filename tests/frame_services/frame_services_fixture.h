#pragma once
// What the frame-service tests share: a clock the test moves by hand, a
// desktop root with an SD card, and file reading.
#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "vorn_fixture.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <functional>
#include <memory>

struct FakeClock {
  std::shared_ptr<QDateTime> now = std::make_shared<QDateTime>(QDate(2024, 3, 5), QTime(9, 7, 2));
  std::function<QDateTime()> Fn() const {
    auto shared = now;
    return [shared] { return *shared; };
  }
  void Set(const QDate& date, const QTime& time) { *now = QDateTime(date, time); }
  void AddMsecs(qint64 ms) { *now = now->addMSecs(ms); }
};

// The card as the desktop shows it: the board's device node, "/Vorn" and
// its size, "/tmp" for cached logs.
inline bool MakeCard(const QString& root, qint64 bytes = 1LL << 30) {
  bool ok = QDir().mkpath(root + "/dev") && QDir().mkpath(root + "/Vorn") && QDir().mkpath(root + "/tmp") &&
            QDir().mkpath(root + "/run");
  QFile device(root + "/dev/mmcblk1p1");
  ok &= device.open(QIODevice::WriteOnly);
  QFile size(root + "/run/sdcard-size");
  ok &= size.open(QIODevice::WriteOnly) && size.write(QByteArray::number(bytes)) > 0;
  return ok;
}

inline void UseLargerBoard() {
  Board::Free();
  Board::Init(E_BoardVorn);
}

// Waits until the file holds at least `bytes` bytes (the writer thread's
// passes are asynchronous).
inline bool WaitForSize(const QString& path, qint64 bytes, int timeoutMs = kVornHangMs) {
  QElapsedTimer timer;
  timer.start();
  while (QFileInfo(path).size() < bytes) {
    if (timer.elapsed() > timeoutMs) return false;
    QThread::usleep(200);
  }
  return true;
}
