#pragma once
// A facade brought up on a message layer without bus, on a simulated board
// with an SD card, and the doors the settings tests watch: the files under
// the card, the queued controller messages, the modify flags and "Err.log"
// codes through the error watch.
#include <QtTest>

#include "frame/klx_board.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_languagehandler.h"
#include "frame/klx_xmlfilehandler.h"
#include "link/klx_protocol.h"
#include "model/klx_databasemanager.h"
#include "sim/csimboard.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"
#include "vorn_testroot.h"

struct SettingsFixture {
  VornTestRoot root;
  CSimBoard board;
  KLX_Protocol protocol;
  KLX_VornHandler vorn;
  KLX_RuntimeDatabaseManager runtime;
  KLX_DataBaseManager db;
  int initialized = 0;

  explicit SettingsFixture(CSimBoard::Variant variant = CSimBoard::Vorn) : board(root.Path(), variant) {
    board.Prepare();
    // Each test writes the time-zone list it needs.
    QFile::remove(SystemFolder() + "Timezones.xml");
    Board::Free();
    Board::Init(variant == CSimBoard::Fenk ? E_BoardFenk : E_BoardVorn);
    protocol.KLX_ProtocolInitializeWithoutBus();
    initialized = db.KLX_DataBaseManagerInitialize(&protocol, &vorn, &KLXlanguageHandler, &runtime);
    Drop();
  }
  ~SettingsFixture() {
    db.KLX_DataBaseManagerStop();
    db.KLX_DataBaseManagerFree();
    Board::Free();
  }

  QList<KLX_Message> Sent() {
    QList<KLX_Message> out;
    KLX_Message m;
    while (protocol.KLX_ProtocolTakeMessage(&m)) out.append(m);
    return out;
  }
  void Drop() { Sent(); }

  static QString SystemFolder() { return KLX_FileNameHandler().KLX_FileNameHandlerGetSysPropertiesFilePath(); }
  static QString StateFolder() { return KLX_FileNameHandler().KLX_FileNameHandlerGetSysProcStateFilePath(); }
  static QString SystemFile() { return SystemFolder() + "System.xml"; }
  static QString StateFile() { return StateFolder() + "Vornstate.xml"; }

  static bool Write(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
  }
  static QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

// A "System.xml" whose SYSTEM element holds the given children.
inline QByteArray SystemXml(const QByteArray& children, const QByteArray& root = "systemfile",
                            const QByteArray& version = "1.0") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + root + " version=\"" + version + "\">\n<SYSTEM>\n" +
         children + "\n</SYSTEM>\n</" + root + ">\n";
}
