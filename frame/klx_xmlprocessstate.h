#pragma once
// The process-state file "Vornstate.xml": which model was current, whether
// the transceiver controller keeps it, the installed versions and the
// pending update, kept across a power cycle.
#include <QHash>
#include <QString>

#include "frame/klx_basethread.h"
#include "frame/klx_xmlmodelbase.h"

class KLX_DataBaseManager;
class KLX_XMLSafeFile;
class KLX_XMLTextWriter;

class KLX_XMLProcessState : public CNoDebugBase<KLX_XMLModelBase> {
 public:
  KLX_XMLProcessState() = default;
  int KLX_XMLProcessStateInitialize(KLX_DataBaseManager* db);
  int KLX_XMLProcessStateWriteProcessFile(const QString& path);
  int KLX_XMLProcessStateReadProcessFile(const QString& path);
  // The write in two steps: the state prepared whole beside its place in
  // `file`, then put in its place.
  int KLX_XMLProcessStatePrepareProcessFile(KLX_XMLSafeFile& file);
  int KLX_XMLProcessStatePlaceProcessFile(KLX_XMLSafeFile& file);
  // The pilot's part of the file is the current model: whether the facade's
  // is not the one the file at `path` names, as this program last read or
  // wrote it (none before either). The rest is the program's own state.
  bool KLX_XMLProcessStateModelChanged(const QString& path) const;
  // At the start, after the file is read: a pending update whose mark names
  // another application version than this program's (`ownMajor`.`ownMinor`)
  // is dropped and logged, and the state marked to be saved; true then. An
  // install cut after its mark and before its program leaves that.
  static bool KLX_XMLProcessStateDropForeignMark(KLX_DataBaseManager* db, int ownMajor, int ownMinor);
  // "major.minor" of two numbers of 0..255 as the file writes it; empty for
  // any other text.
  static QString KLX_XMLProcessStateVersionText(const QString& text);

 private:
  // The current model as the file names it.
  struct CurrentModel {
    QString name;
    int type = 0;
    QString folder;
    bool SameAs(const CurrentModel& other) const;
  };
  CurrentModel FacadeModel() const;
  // What the file at `path` now names (read, or written whole). What each
  // state file names, as this program last read or wrote it: one file on
  // the card, whichever handler reads or writes it.
  static void NoteOnCard(const QString& path, const CurrentModel& model);
  static QHash<QString, CurrentModel>& OnCard();
  void WriteState(KLX_XMLTextWriter& writer);
  // The stores hold a whole model, read from its file.
  bool ModelLoaded() const;

  KLX_DataBaseManager* m_Db = nullptr;
  // The model the last prepared file names, noted once it is in place.
  CurrentModel m_Prepared;
};
