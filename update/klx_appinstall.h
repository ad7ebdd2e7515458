#pragma once
// The installation of an application package, one for every road that
// brings one: the update manager's download from a stick or the update
// server, and the package update task's stick and server. The program and
// its translations are first staged whole beside the installed ones in the
// application folder; then the state file marking the update pending for
// the next start (which writes the controllers' firmware) is put on the
// card, naming the application version it is for; only then do the staged
// files take the old ones' places. A card that fills leaves the old program
// with nothing pending. The program and the mark lie on two file systems,
// so a power cut between the mark and the program leaves the old program
// with a mark for another version, which its start drops: after a cut
// anywhere the next start runs the old program with nothing pending or the
// new one with its update.
#include <QMutex>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

#include "update/klx_md5.h"

class KLX_DataBaseManager;
class KLX_XMLFileHandler;
class KLX_XMLSafeFile;
namespace KLX_Platform {
class KLX_StoppableRun;
}

// The switch-off's word to an install under way, on each road that runs
// one: the install takes no further step (a copy stops at its next piece)
// and the script it runs is ended. The install's own order then leaves the
// old program with nothing pending, or the new one with its mark. A
// request holds for good: after it nothing of an install begins.
class KLX_InstallStop {
 public:
  // Any thread.
  void Request();
  bool Requested() const { return m_Requested.load(); }
  // A package's script or the remount script, run as KLX_Platform::Run runs
  // it (given kInstallScriptMs, in `workingDirectory`) and ended by a
  // request: its exit code, -1 when it was ended or the request came before
  // it. One at a time.
  int RunScript(const QString& program, const QStringList& args, const QString& workingDirectory);

 private:
  std::atomic<bool> m_Requested{false};
  QMutex m_Mutex;
  // The script running now, none between scripts.
  KLX_Platform::KLX_StoppableRun* m_Run = nullptr;
};

// Every update's card check: a card smaller than the program needs counts
// as none, and nothing of `what` begins on it, which the terminal and the
// error log are told. True for such a card.
bool KLX_UpdateCardTooSmall(const QString& what);

class KLX_AppInstall {
 public:
  enum Result {
    // The new program in place, its mark on the card.
    Installed,
    // The mark found no room on the card: the old program, nothing pending.
    NoRoomOnCard,
    // Nothing was done.
    CardTooSmall,
    // The application folder has no room for the program or a translation:
    // nothing installed was touched.
    NoRoomForProgram,
    // A translation could not be staged: nothing installed was touched.
    NotCopied,
    // The program could not be staged: nothing installed was touched.
    ProgramNotCopied,
    // A translation could not take the old one's place, or an old one could
    // not go: the old program, nothing pending.
    NotReplaced,
    // The mark could not be written or put in place, or the program could
    // not take the old one's place (or its folder not be synced after).
    Failed,
    // The switch-off came before the mark: the old program, nothing
    // pending.
    Stopped,
  };

  // Without a facade the update is installed without its mark; without a
  // stop it runs to its end.
  KLX_AppInstall(KLX_DataBaseManager* db, KLX_XMLFileHandler& xml, const KLX_InstallStop* stop = nullptr)
      : m_Db(db), m_Xml(xml), m_Stop(stop) {}

  // Installs the program and the translations that `package` names, from
  // the folder `source`; each failure is registered with the error handler.
  Result Install(const KLX_UpdatePackage& package, const QString& source);

  // Removes from the application folder what an install cut short left
  // there (staged files, whole or not), and nothing else: at the start and
  // before each install. Returns how many.
  static int RemoveStaged();

 private:
  // The translations and the program written whole into the application
  // folder beside the installed ones, under names of their own.
  Result Stage(const KLX_UpdatePackage& package, const QString& source);
  // The mark, then the staged files in place, under the card's lock.
  Result Replace();
  // The state file with the update pending written beside its place (its
  // room taken) and put in place.
  Result PlaceMark();
  // The facade's pending update as it was before PlaceMark.
  void Unmark();
  // The mark taken back from the card, for an install that stopped before
  // its program replaced the old one.
  void TakeMarkBack();
  // The staged translations, then the program, renamed over the installed
  // ones.
  Result RenameStaged();
  // Removes what is still staged.
  void DropStaged();
  bool StopRequested() const { return m_Stop && m_Stop->Requested(); }

  KLX_DataBaseManager* m_Db;
  KLX_XMLFileHandler& m_Xml;
  const KLX_InstallStop* m_Stop;
  // The files staged in the application folder, by their installed names.
  QStringList m_Staged;
  bool m_ProgramReplaced = false;
  // The facade's pending update before the mark.
  int m_FlagBefore = 0;
  QString m_DateBefore;
  QString m_ForBefore;
};
