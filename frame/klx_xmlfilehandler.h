#pragma once
// The one entry point for the device's XML files on the SD card: it checks
// the card, folder and room, builds the path and calls the matching reader
// or writer. Reading a model file also keeps dated backups of it.
#include <QObject>
#include <QString>

#include <memory>

#include "frame/klx_basethread.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmlprocessstate.h"
#include "frame/klx_xmlsystem.h"
#include "modelfile/klx_xmlmodel.h"
#include "update/klx_filefunctions.h"
#include "update/klx_xmlupdate.h"

class KLX_DataBaseManager;
class KLX_XMLSafeFile;

class KLX_XMLFileHandler : public CNoDebugBase<QObject> {
  Q_OBJECT
 public:
  explicit KLX_XMLFileHandler(const QString& owner, QObject* parent = nullptr);

  int KLX_XMLFileHandlerInitialize(KLX_DataBaseManager* db);
  int KLX_XMLFileHandlerReadSystemFile();
  int KLX_XMLFileHandlerWriteSystemFile();
  int KLX_XMLFileHandlerReadSysProcessStateFile();
  int KLX_XMLFileHandlerWriteSysProcessStateFile();
  // The same at once, under the card's write lock that the saver holds for
  // its passes: for a state that must be on the card before the caller goes
  // on (the saver writes it up to a period later).
  int KLX_XMLFileHandlerSaveSysProcessStateFileNow();
  // The state file's write in two steps, for a state that must be on the
  // card together with a change elsewhere: prepared whole beside its place
  // (`file` made here; its room taken on the card), then put in place, a
  // rename that needs no further room. The caller holds the card's write
  // lock from the one to the other; a file not placed goes with `file`.
  // KLX_Ok or KLX_Error, with the reason in KLX_XMLFileHandlerWriteFailure.
  int KLX_XMLFileHandlerPrepareSysProcessStateFile(std::unique_ptr<KLX_XMLSafeFile>* file);
  int KLX_XMLFileHandlerPlaceSysProcessStateFile(KLX_XMLSafeFile& file);
  // The current model is not the one the state file on the card names: a
  // failed write of it loses the pilot's choice, not only the program's
  // own state.
  bool KLX_XMLFileHandlerStateModelChanged() const;
  // KLX_Ok also when the file holds this model already: then nothing is
  // written, whatever room the card has left.
  int KLX_XMLFileHandlerWriteModelFile(QString file, QString model, int type, QString folder);
  // Why the last write of a model, settings or state file failed
  // (E_ModelSaveFailure of the database values; ModelSaveFailure_None after
  // one that succeeded).
  int KLX_XMLFileHandlerWriteFailure() const { return m_WriteFailure; }
  int KLX_XMLFileHandlerReadModelFile(QString file, QString model, int type, QString folder);
  // The size in bytes of the model file the last successful read took (0 before one).
  qint64 KLX_XMLFileHandlerLastReadBytes() const { return m_LastReadBytes; }
  // 1 or more: a backup was made (minus 1, the old ones deleted); 0 or
  // less: none was made (the absolute value counts the deletions).
  int KLX_XMLFileHandlerWorkWithBackupFolder(QString folder, QString* file);
  int KLX_XMLFileHandlerReadUpdatelFile(QString file, QString folder);
  int KLX_XMLFileHandlerReadUpdatelFile(QString file) { return KLX_XMLFileHandlerReadUpdatelFile(file, QString()); }
  // At the start: removes the staged files that saves and copies cut short
  // left on the card, in the folders the program writes whole files into
  // (the settings, the update folders, the model area and each of its
  // folders with its backups), and nothing else; none of their subfolders
  // is walked. Returns how many.
  int KLX_XMLFileHandlerRemoveStagedFiles();

  // The readers and writers, for the program's wiring and for tests.
  KLX_XMLSystem& System() { return m_System; }
  KLX_XMLModel& Model() { return m_Model; }
  KLX_XMLUpdate& Update() { return m_Update; }

 public slots:
  void iconEvent(int icon, int icon1);

 private:
  bool CardPresent(unsigned code);
  bool Folder(const QString& folder, unsigned code, const QString& text);
  int WriteModelFile(const QString& file, const QString& model, int type, QString folder);
  int WriteSystemFile();
  int WriteSysProcessStateFile();
  // The state file's path once the card, its folder and room are checked
  // (each failure reported); empty when it cannot be written.
  QString WritableStateFile();
  // Notes why a write that needed `neededKiB` free failed, as the card shows
  // it now (nothing after one that succeeded); gives back its result.
  int NoteWrite(int result, long neededKiB);
  // The backup of a model file in a folder already checked; results as
  // KLX_XMLFileHandlerWorkWithBackupFolder. A file the same as the newest
  // backup of its model counts as backed up and is not copied again.
  int Backup(const QString& folder, const QString& file);
  // A model file that could not be read: copied once into the backup folder
  // under a name that says so (not again while it stays the same), without
  // taking the place of a backup.
  void SetAside(const QString& folder, const QString& file);
  // The newest backup of the model `stem` (or the newest set aside).
  static QString Newest(const QString& backup, const QString& stem, bool setAside);

  KLX_XMLModel m_Model;
  KLX_XMLSystem m_System;
  KLX_XMLProcessState m_ProcessState;
  KLX_XMLUpdate m_Update;
  KLX_FileFunctions m_Files;
  KLX_FileNameHandler m_Names;
  qint64 m_LastReadBytes = 0;
  int m_WriteFailure = 0;
};
