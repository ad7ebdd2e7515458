#pragma once
// The facade on a board with an SD card, up without a bus, and the doors the
// settings tests watch: the files under the card, the queued controller
// messages, the modify flags and "Err.log" codes through the error watch.
#include <QtTest>

#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmlfilehandler.h"
#include "vorn_fixture.h"

struct SettingsFixture : VornFixture {
  int initialized = 0;

  explicit SettingsFixture(CSimBoard::Variant variant = CSimBoard::Vorn) : VornFixture(variant) {
    // Each test writes the time-zone list it needs.
    QFile::remove(SystemFolder() + "Timezones.xml");
    initialized = Up();
    Drop();
  }

  static QString SystemFolder() { return KLX_FileNameHandler().KLX_FileNameHandlerGetSysPropertiesFilePath(); }
  static QString StateFolder() { return KLX_FileNameHandler().KLX_FileNameHandlerGetSysProcStateFilePath(); }
  static QString SystemFile() { return SystemFolder() + "System.xml"; }
  static QString StateFile() { return StateFolder() + "Vornstate.xml"; }

  static bool Write(const QString& path, const QByteArray& text) { return WriteFile(path, text); }
  static QByteArray Read(const QString& path) { return ReadFile(path); }
};

// A "System.xml" whose SYSTEM element holds the given children.
inline QByteArray SystemXml(const QByteArray& children, const QByteArray& root = "systemfile",
                            const QByteArray& version = "1.0") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + root + " version=\"" + version + "\">\n<SYSTEM>\n" +
         children + "\n</SYSTEM>\n</" + root + ">\n";
}
