#include "sim/csimboard.h"

#include "sim/csimtimezones.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace {
constexpr int kUsbPorts = 8;
// A compiled translation catalogue that holds no translation: the program
// finds and installs it, and its texts stay in their source language.
const QByteArray kEmptyCatalogue = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");
}  // namespace

CSimBoard::CSimBoard(const QString& root, Variant variant) : m_Root(root), m_Variant(variant) {}

QStringList CSimBoard::LanguageCodes() { return {"de", "en", "fr", "es", "it", "no", "cn", "fi"}; }

CSimBoard::Variant CSimBoard::VariantFromName(const QString& name, bool* ok) {
  *ok = true;
  if (name.compare("vorn", Qt::CaseInsensitive) == 0) return Vorn;
  if (name.compare("fenk", Qt::CaseInsensitive) == 0) return Fenk;
  if (name.compare("none", Qt::CaseInsensitive) == 0) return Unknown;
  *ok = false;
  return Vorn;
}

int CSimBoard::InputGpio() const { return m_Variant == Fenk ? 22 : 48; }
int CSimBoard::OutputGpio() const { return m_Variant == Fenk ? 23 : 43; }

QString CSimBoard::GpioValuePath(int gpio) const {
  return m_Root + QStringLiteral("/sys/class/gpio/gpio%1/value").arg(gpio);
}

bool CSimBoard::WriteFile(const QString& path, const QByteArray& content) const {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return f.write(content) == content.size();
}

bool CSimBoard::WriteIfMissing(const QString& path, const QByteArray& content) {
  if (QFileInfo::exists(path)) return true;
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(content) == content.size() && f.commit();
}

bool CSimBoard::Prepare(qint64 sdCardBytes) {
  bool ok = QDir().mkpath(m_Root);
  // The larger board reports "efusa9x", the smaller the same with a trailing blank.
  const QString boardName = m_Root + "/sys/bdinfo/board_name";
  if (m_Variant == Vorn)
    ok &= WriteFile(boardName, "efusa9x\n");
  else if (m_Variant == Fenk)
    ok &= WriteFile(boardName, "efusa9x \n");
  else
    QFile::remove(boardName);

  ok &= WriteFile(m_Root + "/sys/class/gpio/export", QByteArray());
  for (int gpio : {InputGpio(), OutputGpio()}) {
    const QString dir = m_Root + QStringLiteral("/sys/class/gpio/gpio%1").arg(gpio);
    ok &= QDir().mkpath(dir);
    ok &= WriteFile(dir + "/direction", gpio == InputGpio() ? "in" : "out");
  }
  ok &= WriteFile(GpioValuePath(InputGpio()), "1\n");
  // The board temperature in millidegrees.
  ok &= WriteFile(m_Root + "/sys/class/thermal/thermal_zone0/temp", "41000\n");
  ok &= WriteFile(GpioValuePath(OutputGpio()), "0");

  // The SD card: its device node and the mounted data partition.
  const QString device = m_Variant == Fenk ? "/dev/mmcblk0p1" : "/dev/mmcblk1p1";
  if (sdCardBytes > 0 && m_Variant != Unknown) {
    ok &= WriteFile(m_Root + device, QByteArray());
    ok &= WriteFile(m_Root + "/run/sdcard-size", QByteArray::number(sdCardBytes));
    ok &= QDir().mkpath(m_Root + "/Vorn");
    // The model area with the folders of the six model types.
    for (const char* type : {"Plane", "Helicopter", "Multicopter", "Boat", "Car", "Other"})
      ok &= QDir().mkpath(m_Root + "/Vorn/Model/" + type);
    const QString zones = m_Root + "/Vorn/System/Timezones.xml";
    if (!QFileInfo::exists(zones)) ok &= CSimTimezones::Write(zones, QDate::currentDate().year());
  } else {
    QFile::remove(m_Root + device);
  }
  ok &= QDir().mkpath(m_Root + "/app");
  for (const QString& code : LanguageCodes()) {
    const QString catalogue = m_Root + "/app/KLX32_" + code + ".qm";
    if (!QFileInfo::exists(catalogue)) ok &= WriteFile(catalogue, kEmptyCatalogue);
  }
  for (int port = 0; port < kUsbPorts; ++port) ok &= QDir().mkpath(m_Root + QStringLiteral("/media/usb%1").arg(port));
  ok &= QDir().mkpath(m_Root + "/tmp");
  ok &= QDir().mkpath(m_Root + "/run");
  return ok;
}

QStringList CSimBoard::Mounts() const {
  QFile f(m_Root + "/run/mounts");
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

bool CSimBoard::UsbStickInserted(int port) const {
  return Mounts().contains(QStringLiteral("/media/usb%1").arg(port));
}

bool CSimBoard::SetUsbStickInserted(int port, bool inserted) {
  if (port < 0 || port >= kUsbPorts) return false;
  const QString point = QStringLiteral("/media/usb%1").arg(port);
  if (!QDir().mkpath(m_Root + point)) return false;
  const QString table = m_Root + "/run/mounts";
  QStringList mounts = Mounts();
  mounts.removeAll(point);
  if (inserted) mounts.append(point);
  QDir().mkpath(m_Root + "/run");
  QSaveFile out(table);
  if (!out.open(QIODevice::WriteOnly)) return false;
  const QByteArray text = mounts.isEmpty() ? QByteArray() : (mounts.join('\n') + '\n').toUtf8();
  if (out.write(text) != text.size()) {
    out.cancelWriting();
    return false;
  }
  return out.commit();
}

bool CSimBoard::SetPowerButtonPressed(bool pressed) {
  // Rewritten in place: the program keeps the value file open and re-reads it.
  QFile f(GpioValuePath(InputGpio()));
  if (!f.open(QIODevice::ReadWrite)) return false;
  f.resize(0);
  return f.write(pressed ? "0\n" : "1\n") == 2;
}

QString CSimBoard::PowerHoldValue() const {
  QFile f(GpioValuePath(OutputGpio()));
  if (!f.open(QIODevice::ReadOnly)) return QString();
  return QString::fromLatin1(f.readAll()).trimmed();
}

QStringList CSimBoard::RecordedCommands() const {
  QFile f(m_Root + "/run/commands.log");
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  QStringList commands;
  // Each line is "<time>\t<command>".
  for (const QString& line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts))
    commands << line.section('\t', 1);
  return commands;
}
