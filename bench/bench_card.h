#pragma once
// The desktop card as the benchmarks that write to it use it: a size of its
// own (so that the card's free room is counted as on the program's desktop
// card), and empty or holding the files of a full card.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// The files of a full card: voices, models and logs of a card in long use.
constexpr int kFullCardFiles = 4500;
// The card's size: room for every benchmark's work beside a full card.
constexpr qint64 kBenchCardBytes = qint64(4) << 30;

// The card under `root` as the larger board sees it: its device and its
// size; false when they cannot be written.
inline bool BenchMakeCard(const QString& root, qint64 bytes = kBenchCardBytes) {
  QFile device(root + "/dev/mmcblk1p1");
  QFile size(root + "/run/sdcard-size");
  const QByteArray text = QByteArray::number(bytes);
  return QDir().mkpath(root + "/dev") && QDir().mkpath(root + "/run") && QDir().mkpath(root + "/Vorn") &&
         device.open(QIODevice::WriteOnly) && size.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         size.write(text) == text.size() && size.flush();
}

// Puts `files` files of 8 to 64 KiB in folders of 100 beside what the card
// holds ("<card>/Filler"), or takes them away (0). Their bytes are holes:
// they cost the disk nothing, and the card counts them by their size.
inline bool BenchFillCard(const QString& card, int files) {
  const QString filler = card + "/Filler";
  if (!QDir(filler).removeRecursively()) return false;
  for (int n = 0; n < files; ++n) {
    const QString folder = filler + QStringLiteral("/f%1").arg(n / 100, 2, 10, QLatin1Char('0'));
    if (n % 100 == 0 && !QDir().mkpath(folder)) return false;
    QFile file(folder + QStringLiteral("/phrase%1.wav").arg(n % 100));
    if (!file.open(QIODevice::WriteOnly) || !file.resize(8192 + (n % 8) * 8192)) return false;
  }
  return true;
}
