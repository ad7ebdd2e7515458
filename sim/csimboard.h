#pragma once
// The simulated transmitter board under a desktop root: the board-name file,
// the GPIO lines of the power button and power hold, the SD card with the
// time-zone list it leaves the factory with, the application folder with its
// translation catalogues, and the USB mount points with the table of the
// sticks mounted on them.
#include <QString>
#include <QStringList>

class CSimBoard {
 public:
  enum Variant { Vorn, Fenk, Unknown };

  CSimBoard(const QString& root, Variant variant);

  // Writes the board's files under the root. The SD card is reported with
  // the given size (bytes); 0 leaves the card out. Files a board carries
  // from the factory are written when missing and kept otherwise.
  bool Prepare(qint64 sdCardBytes = 8LL * 1024 * 1024 * 1024);

  // A stick in USB port 0..7: listed in "<root>/run/mounts" as mounted on
  // "/media/usbN"; taken out, the folder is a bare mount point again.
  bool SetUsbStickInserted(int port, bool inserted);
  // Whether the mount table lists the stick of that port (it outlives a run).
  bool UsbStickInserted(int port) const;

  // The power button's input line: 0 while pressed, 1 released.
  bool SetPowerButtonPressed(bool pressed);
  // What the program drives on the power-hold output ("" when never written).
  QString PowerHoldValue() const;
  // The commands of "<root>/run/commands.log", without their times.
  QStringList RecordedCommands() const;

  int InputGpio() const;
  int OutputGpio() const;
  QString GpioValuePath(int gpio) const;
  QString Root() const { return m_Root; }
  Variant BoardVariant() const { return m_Variant; }

  static Variant VariantFromName(const QString& name, bool* ok);
  // The language codes of the translation catalogues in the application folder.
  static QStringList LanguageCodes();
  // A file of the card written only where there is none yet: what a pilot
  // set up is kept. False when it could not be written.
  static bool WriteIfMissing(const QString& path, const QByteArray& content);

 private:
  bool WriteFile(const QString& path, const QByteArray& content) const;
  // The lines of "<root>/run/mounts", none when it cannot be read.
  QStringList Mounts() const;

  QString m_Root;
  Variant m_Variant;
};
