// The update manager end to end against the update server's stand-in and a
// stick folder: the requests in the server's log, what ends in the final
// folders and when, the user's decisions, the results QML sees, and the
// receivers' firmware, catalogue and pictures.
#include <QSignalSpy>

#include <optional>

#include <sys/resource.h>

#include "held_download.h"
#include "update_fixture.h"
#include "vorn_fullmedium.h"
#include "platform/klx_storage.h"
#include "frame/klx_clock.h"
#include "frame/klx_version.h"
#include "update/cappupdate.h"
#include "update/creceivers.h"
#include "update/creceiversupdatedownloader.h"
#include "update/cupdatemanager.h"
#include "update/klx_filefunctions.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#include <atomic>
#include <cstddef>
#define VORN_SANITIZED 1
// The sanitizers' common interface, which GCC's headers leave out: hooks the
// allocator calls at each block it gives and takes back.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*allocated)(const volatile void*, size_t),
                                                         void (*freed)(const volatile void*));
#endif

namespace {
#ifdef VORN_SANITIZED
// The largest block the program asks the sanitizer's allocator for while a
// case watches.
std::atomic<bool> g_Watching{false};
std::atomic<size_t> g_Largest{0};
void Allocated(const volatile void*, size_t size) {
  if (!g_Watching.load(std::memory_order_relaxed)) return;
  size_t largest = g_Largest.load(std::memory_order_relaxed);
  while (size > largest && !g_Largest.compare_exchange_weak(largest, size)) {
  }
}
void Freed(const volatile void*) {}
#endif

CSimAppPackage Package() {
  CSimAppPackage p;
  for (int i = 0; i < 300 * 1024; ++i) p.program.append(char((i * 7 + i / 1024) & 0xFF));
  p.translations = {{"KLX32_de.qm", "de catalogue"}, {"KLX32_en.qm", "en catalogue"}};
  p.prolog = "#!/bin/sh\nexit 0\n";
  p.extra = {{"Docs/ReleaseNotes.txt", "notes\n"}};
  return p;
}

// The application's files in the server list's order, as requested.
QStringList AppRequests(const CSimAppPackage& p, const QStringList& skip = {}) {
  QStringList out{"KLX32MD5fold.txt 200"};
  for (const CSimFile& f : p.Files())
    if (!skip.contains(f.path)) out << f.path + " 200";
  return out;
}

// The threads the signals it watches are emitted in, in order: "manager"
// (the update manager's), "GUI" (the test's, as the screens') or "other".
// Made with the rig, before the manager's thread starts: the thread checker
// sees it set up before that thread notes anything in it.
class ThreadLog : public QObject {
 public:
  explicit ThreadLog(const CUpdateManager* manager) : m_Manager(manager) {}
  template <typename Sender, typename Signal>
  void Watch(Sender* sender, Signal signal) {
    connect(sender, signal, this, &ThreadLog::Note, Qt::DirectConnection);
  }
  QStringList Threads() const {
    QMutexLocker lock(&m_Mutex);
    return m_Threads;
  }

 private:
  void Note() {
    const QThread* in = QThread::currentThread();
    QMutexLocker lock(&m_Mutex);
    m_Threads << (in == m_Manager->workerThread() ? "manager" : in == qApp->thread() ? "GUI" : "other");
  }

  const CUpdateManager* m_Manager;
  mutable QMutex m_Mutex;
  QStringList m_Threads;
};

// A card whose first write of a file named `name` holds the writing thread
// until the update manager's end waits on `endClock` for that thread.
class BusyAtTheEnd : public KLX_FileCalls {
 public:
  BusyAtTheEnd(const QString& name, KLX_ManualClock& endClock) : m_Name(name), m_EndClock(endClock) {
    KLX_FileCalls::Set(this);
  }
  ~BusyAtTheEnd() override { KLX_FileCalls::Set(nullptr); }
  bool Writing() const { return m_Writing; }

  bool Write(int fd, const char* data, qint64 size) override {
    const QString path = QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd));
    if (QFileInfo(path).fileName() == m_Name && !m_Writing.exchange(true))
      (void)m_EndClock.KLX_ManualClockAwaitWaiters(1, kOnlyAHangMs);
    return KLX_FileCalls::Write(fd, data, size);
  }

 private:
  const QString m_Name;
  KLX_ManualClock& m_EndClock;
  std::atomic<bool> m_Writing{false};
};

struct ManagerRig {
  VornFixture fx;
  UpdateServerRig server{fx.root.Path()};
  CSimAppPackage package = Package();
  CUpdateManager manager;
  ThreadLog threads{&manager};
  QSignalSpy complete{&manager, &CUpdateManager::sigComplete};
  QSignalSpy decisions{&manager, &CUpdateManager::sigUserDecisionRequired};
  QSignalSpy progress{&manager, &CUpdateManager::sigProgress};

  ManagerRig() {
    fx.errors.Expect({0x33620, 0x53617, 0x2361C, 0x2361E, 0x33901, 0x33902});
  }
  ~ManagerRig() { manager.free(kOnlyAHangMs); }
  bool Start() {
    return fx.Up() == KLX_Ok && server.Start() && server.Put(package) && manager.Init(&fx.db);
  }
  QString Path(const QString& board) const { return KLX_FileNameHandler::KLX_FileNameHandlerMapPath(board); }
  // The next completion as (error, source); (1, -1) when none came.
  QPair<int, int> Completion(int ms = kOnlyAHangMs) {
    if (complete.isEmpty() && !complete.wait(ms)) return {1, -1};
    const QList<QVariant> c = complete.takeFirst();
    return {c.at(1).toInt(), c.at(2).toInt()};
  }
  int Decision(int ms = kOnlyAHangMs) {
    if (decisions.isEmpty() && !decisions.wait(ms)) return -1;
    return decisions.takeFirst().at(0).toInt();
  }
  // Nothing further was reported: a call sent through the manager's thread
  // now comes back after every report its tasks made before it (their
  // reports come the same way), and none came.
  bool NothingMore() {
    const auto back = std::make_shared<std::atomic<bool>>(false);
    QObject* here = &manager;
    QMetaObject::invokeMethod(manager.task(CUpdateManager::Slot_Receivers), [back, here] {
      QMetaObject::invokeMethod(here, [back] { *back = true; }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
    return QTest::qWaitFor([&] { return back->load(); }, kOnlyAHangMs) && complete.isEmpty() && decisions.isEmpty();
  }
};
}  // namespace

class UpdateManagerTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qRegisterMetaType<CUpdateManager::UpdateSource>(); }

  // The list first, then each file into the temporary folder; the files
  // reach "/Vorn/Update" only once all are checked, and the user is asked.
  // On yes the program and its translations replace the installed ones,
  // an old translation the package lacks goes. A second run asks for the
  // list alone.
  void applicationFromServerInstalledOnYes() {
    ManagerRig rig;
    QVERIFY(rig.Start());
    VornTerminalLines lines;
    const QString app = rig.Path("/app/");
    QVERIFY(WriteFile(app + "KLX32LinuxApp", "the old program"));
    QVERIFY(WriteFile(app + "KLX32_fi.qm", "an old catalogue"));
    rig.server.SetFaults({"slow /software/KL_Vorn/KLX32LinuxApp 5"});

    QVERIFY(rig.manager.beginAppUpdate());
    QCOMPARE(rig.manager.lastError(), 0);
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo(rig.Path("/Vorn/tmp/upd_app/KLX32LinuxApp")).size() > 0; },
                            kOnlyAHangMs));
    QVERIFY(!QFileInfo::exists(rig.Path("/Vorn/Update/Update.xml")));
    QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
    rig.server.SetFaults({});
    QStringList asked = AppRequests(rig.package);
    asked[2] += " slow";
    QCOMPARE(rig.server.Asked(), asked);
    for (const CSimFile& f : rig.package.Files()) QCOMPARE(ReadFile(rig.Path("/Vorn/Update/") + f.path), f.bytes);
    QVERIFY(!QFileInfo::exists(rig.Path("/Vorn/tmp/upd_app")));
    // Progress counts the bytes of the whole update, as the list's sizes give.
    QVERIFY(!rig.progress.isEmpty());
    const QList<QVariant> last = rig.progress.last();
    QCOMPARE(last.at(0).toString(), QString());
    QVERIFY(last.at(1).toLongLong() <= last.at(2).toLongLong());
    QVERIFY(last.at(2).toLongLong() > 300 * 1024);
    QCOMPARE(ReadFile(app + "KLX32LinuxApp"), QByteArray("the old program"));

    // The answer comes from the GUI's thread; the task takes it in the
    // manager's, where its downloads live.
    rig.threads.Watch(qobject_cast<CAppUpdate*>(rig.manager.task(CUpdateManager::Slot_Application)),
                      &CAppUpdate::sigDoUpdate);
    rig.manager.resume(CUpdateManager::UD_ReadyToInstall);
    QCOMPARE(rig.Completion(), qMakePair(0, int(CUpdateManager::Src_KlServer)));
    QCOMPARE(rig.threads.Threads(), QStringList{"manager"});
    QCOMPARE(ReadFile(app + "KLX32LinuxApp"), rig.package.program);
    QCOMPARE(ReadFile(app + "KLX32_de.qm"), QByteArray("de catalogue"));
    QVERIFY(!QFileInfo::exists(app + "KLX32_fi.qm"));
    QVERIFY(QFileInfo(app + "KLX32LinuxApp").isExecutable());
    QCOMPARE(QDir(app).entryList(QDir::Hidden | QDir::Files).filter(".new"), QStringList());
    QCOMPARE(rig.fx.db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet), 1);
    QVERIFY(ReadFile(rig.Path("/Vorn/Vornstate/Vornstate.xml")).contains("<UpdateFlag>1</UpdateFlag>"));

    QVERIFY(rig.manager.beginAppUpdate());
    QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
    QCOMPARE(rig.server.Asked(), QStringList{"KLX32MD5fold.txt 200"});
    rig.manager.abort();
    QCOMPARE(rig.Completion(), qMakePair(int(CUpdateManager::Err_Aborted), int(CUpdateManager::Src_KlServer)));
    QVERIFY(rig.NothingMore());
    // The pilot's answer is no failed download.
    QCOMPARE(lines.TerminalWithAny({"abort", "completed with an error"}),
             QStringList({"update KLX32MD5fold.txt: the pilot aborted it at the question before its install"}));
    // The developers' lines of the runs and the install are theirs, not the
    // terminal's, which says in words what begins.
    const QStringList developers{"selectForDownload()...", "CUpdateDownloaderBase::_downloadUpdate()...",
                                 "CUpdateDownloaderBase::downloadUpdate(): m_State == 5",
                                 "file not found: " + rig.Path("/Vorn/Update/linuxopen.sh"),
                                 "run system cmd: <sh " + rig.Path("/Vorn/Update/vornupdateprolog.sh") + ">",
                                 "    return code: 0", "Please, switch of the VORN system!"};
    QCOMPARE(lines.TerminalWithAny(developers), QStringList());
    for (const QString& line : developers)
      QVERIFY2(!lines.Developer().filter(line).isEmpty(), qPrintable(line + "\n" + lines.Developer().join('\n')));
    const QString begun = "begin update: application from the update server";
    QCOMPARE(lines.Terminal().filter("begin update"), QStringList({begun, begun}));
    QCOMPARE(lines.Developer().filter(QRegularExpression("^begin update: \\d+, \\d+$")).size(), 2);
  }

  // An equal version asks again; yes installs anyway, no aborts.
  void equalVersionAsksAgain_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("installed anyway") << true;
    QTest::newRow("declined") << false;
  }
  void equalVersionAsksAgain() {
    QFETCH(bool, yes);
    ManagerRig rig;
    QVERIFY(rig.Start());
    rig.fx.db.KLX_DataBaseManagerUpdate_SetGetVersion_Major_Installed(rig.package.major, AtomicDirSet);
    rig.fx.db.KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(rig.package.minor, AtomicDirSet);
    QVERIFY(rig.manager.beginAppUpdate());
    QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
    rig.manager.resume(CUpdateManager::UD_ReadyToInstall);
    QCOMPARE(rig.Decision(), int(CUpdateManager::UD_AlreadyInstalled));
    QVERIFY(rig.complete.isEmpty());
    if (yes) {
      rig.manager.resume(CUpdateManager::UD_AlreadyInstalled);
      QCOMPARE(rig.Completion().first, 0);
      QCOMPARE(ReadFile(rig.Path("/app/KLX32LinuxApp")), rig.package.program);
    } else {
      rig.manager.abort();
      QCOMPARE(rig.Completion().first, int(CUpdateManager::Err_Aborted));
      QVERIFY(!QFileInfo::exists(rig.Path("/app/KLX32LinuxApp")));
    }
  }

  // Each failure ends the run with its result and leaves the final folder
  // without the update; the next run asks only for what is still missing.
  void failuresAndResume_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<int>("error");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QStringList>("kept");
    const CSimAppPackage p = Package();
    QTest::newRow("the list is missing") << QStringList{"404 /software/KL_Vorn/KLX32MD5fold.txt"} << QByteArray()
                                         << -2 << QStringList{"KLX32MD5fold.txt 404"} << QStringList();
    QTest::newRow("a list without a file line") << QStringList() << QByteArray("AV:3.91;\nSZ:12B;\n")
                                                << -2 << QStringList{"KLX32MD5fold.txt 200"} << QStringList();
    QTest::newRow("a name leaving the folder")
        << QStringList() << QByteArray("d41d8cd98f00b204e9800998ecf8427e  ./Update.xml\n"
                                       "d41d8cd98f00b204e9800998ecf8427e  ./../../victim.txt\n")
        << -2 << QStringList{"KLX32MD5fold.txt 200"} << QStringList();
    QTest::newRow("a listed file is not on the server")
        << QStringList{"404 /software/KL_Vorn/KLX32_de.qm"} << QByteArray() << -1
        << QStringList{"KLX32MD5fold.txt 200", "Update.xml 200", "KLX32LinuxApp 200", "KLX32_de.qm 404"}
        << QStringList{"KLX32LinuxApp", "Update.xml"};
    QTest::newRow("the transfer is cut")
        << QStringList{"cut /software/KL_Vorn/KLX32LinuxApp"} << QByteArray() << -1
        << QStringList{"KLX32MD5fold.txt 200", "Update.xml 200", "KLX32LinuxApp 200 cut"} << QStringList{"Update.xml"};
    QTest::newRow("the server answers 302")
        << QStringList{"302 /software/KL_Vorn/KLX32LinuxApp"} << QByteArray() << -1
        << QStringList{"KLX32MD5fold.txt 200", "Update.xml 200", "KLX32LinuxApp 302"} << QStringList{"Update.xml"};
    QTest::newRow("a body beyond the listed size")
        << QStringList{"endless /software/KL_Vorn/KLX32LinuxApp"} << QByteArray() << -1
        << QStringList{"KLX32MD5fold.txt 200", "Update.xml 200", "KLX32LinuxApp 200 endless"}
        << QStringList{"Update.xml"};
  }
  void failuresAndResume() {
    QFETCH(QStringList, faults);
    QFETCH(QByteArray, list);
    QFETCH(int, error);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, kept);
    ManagerRig rig;
    QVERIFY(rig.Start());
    const QString victim = rig.fx.root.Path() + "/Vorn/victim.txt";
    QVERIFY(WriteFile(victim, "not the update's"));
    const QString served = rig.server.AppFile("KLX32MD5fold.txt");
    const QByteArray good = ReadFile(served);
    if (!list.isEmpty()) QVERIFY(WriteFile(served, list));
    rig.server.SetFaults(faults);

    QVERIFY(rig.manager.beginAppUpdate());
    QCOMPARE(rig.Completion(), qMakePair(error, int(CUpdateManager::Src_KlServer)));
    QCOMPARE(rig.server.Asked(), asked);
    QCOMPARE(ReadFile(victim), QByteArray("not the update's"));
    QCOMPARE(QDir(rig.Path("/Vorn/Update")).entryList(QDir::Files), QStringList());
    QStringList inTmp = QDir(rig.Path("/Vorn/tmp/upd_app")).entryList(QDir::Files, QDir::Name);
    inTmp.removeAll("KLX32MD5fold.txt");
    QCOMPARE(inTmp, kept);

    rig.server.SetFaults({});
    QVERIFY(WriteFile(served, good));
    QVERIFY(rig.manager.beginAppUpdate());
    QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
    // The cut run's request may reach the server again after that run has
    // ended (Qt's HTTP client sends it once more on a fresh connection): the
    // resumed run is what comes from its list on.
    QStringList resumed = rig.server.Asked();
    resumed = resumed.mid(resumed.indexOf("KLX32MD5fold.txt 200"));
    QCOMPARE(resumed, AppRequests(rig.package, kept));
  }

  // The card's free space against the bytes the list announces for the
  // files still missing (those in place count nothing): too few, and the
  // download is refused (-3) once the list is read, before any file is
  // asked for.
  void roomOnTheCard_data() {
    QTest::addColumn<bool>("programInPlace");
    QTest::addColumn<bool>("fits");
    QTest::newRow("the program does not fit") << false << false;
    QTest::newRow("the rest fits") << true << true;
  }
  void roomOnTheCard() {
    QFETCH(bool, programInPlace);
    QFETCH(bool, fits);
    ManagerRig rig;
    QVERIFY(rig.Start());
    if (programInPlace) QVERIFY(WriteFile(rig.Path("/Vorn/Update/KLX32LinuxApp"), rig.package.program));
    QVERIFY(SetRoomOnCard(rig.fx.root.Path(), 100 * 1024));
    QVERIFY(rig.manager.beginAppUpdate());
    if (fits) {
      QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
      QCOMPARE(rig.server.Asked(), AppRequests(rig.package, {"KLX32LinuxApp"}));
      return;
    }
    QCOMPARE(rig.Completion(), qMakePair(int(CUpdateManager::Err_NotEnoughMemory), int(CUpdateManager::Src_KlServer)));
    QCOMPARE(rig.server.Asked(), QStringList{"KLX32MD5fold.txt 200"});
    QCOMPARE(QDir(rig.Path("/Vorn/tmp/upd_app")).entryList(QDir::Files), QStringList{"KLX32MD5fold.txt"});
  }

  // A card that cannot take the program, whether the list or only the
  // server tells its size, or that fills on the way: -3, and not a byte of
  // it written when its size was known; a write failing on a card with room
  // is no good file either (-1). No part stays. A size that is no number
  // breaks the list (-2).
  void cardThatCannotTakeTheUpdate_data() {
    using namespace CardCase;
    Columns();
    QTest::addColumn<int>("error");
    QTest::newRow("no size line, the server's length beyond the free space")
        << QByteArray() << qint64(100 * 1024) << kAny << false << kToProgram << qint64(0) << -3;
    QTest::newRow("a size line of 4 GiB")
        << QByteArray("SZ:4294967296B;\n") << (qint64(1) << 30) << kAny << false << kToList << qint64(0) << -3;
    QTest::newRow("a size line that is no number")
        << QByteArray("SZ:12xB;\n") << qint64(0) << kAny << false << kToList << qint64(0) << -2;
    QTest::newRow("the card fills in the middle of the program")
        << kListed << qint64(0) << qint64(100000) << true << kToProgram << qint64(100000) << -3;
    QTest::newRow("a write fails on a card with room")
        << kListed << qint64(0) << qint64(100000) << false << kToProgram << qint64(100000) << -1;
  }
  void cardThatCannotTakeTheUpdate() {
    QFETCH(QStringList, asked);
    QFETCH(qint64, written);
    QFETCH(int, error);
    FillingCard filling;
    ManagerRig rig;
    QVERIFY(rig.Start());
    QVERIFY(CardCase::Prepare(filling, rig.fx.root.Path(), rig.server.AppFile("KLX32MD5fold.txt")));

    QVERIFY(rig.manager.beginAppUpdate());
    QCOMPARE(rig.Completion(), qMakePair(error, int(CUpdateManager::Src_KlServer)));
    QCOMPARE(rig.server.Asked(), asked);
    QCOMPARE(filling.Written(), written);
    QVERIFY(!QFileInfo::exists(rig.Path("/Vorn/tmp/upd_app/KLX32LinuxApp")));
    QCOMPARE(QDir(rig.Path("/Vorn/Update")).entryList(QDir::Files), QStringList());
  }

  // A file the list gives no size for may be as large as any file of the
  // update (200 MB): each piece that comes is read as it came, never into a
  // buffer of all the file may still be. With 128 MiB left to the process
  // the download goes through; before, each piece took a buffer of 200 MB
  // (which, freed under AddressSanitizer, held the thread for seconds).
  // Under a sanitizer no block of 128 MiB is asked for: there the process's
  // address space is the checker's too (ThreadSanitizer maps its shadow
  // beside each mapping), and a block beyond a limit ends the program in the
  // checker's allocator instead of failing the read.
  void aFileWithoutItsSizeIsReadPieceByPiece() {
    ManagerRig rig;
    QVERIFY(rig.Start());
    const QString served = rig.server.AppFile("KLX32MD5fold.txt");
    QByteArray list = ReadFile(served);
    QCOMPARE(list.count(CardCase::kListed), 1);
    QVERIFY(WriteFile(served, list.replace(CardCase::kListed, "")));
#ifdef VORN_SANITIZED
    static const bool watched = __sanitizer_install_malloc_and_free_hooks(Allocated, Freed) != 0;
    QVERIFY(watched);
    g_Largest = 0;
    g_Watching = true;
    QVERIFY(rig.manager.beginAppUpdate());
    const int decision = rig.Decision();
    g_Watching = false;
    QVERIFY2(g_Largest.load() < (size_t(128) << 20), qPrintable(QString("a block of %1 bytes").arg(g_Largest.load())));
#else
    rlimit before{};
    QCOMPARE(getrlimit(RLIMIT_AS, &before), 0);
    QFile status("/proc/self/status");
    QVERIFY(status.open(QIODevice::ReadOnly));
    const QRegularExpressionMatch vm = QRegularExpression("VmSize:\\s*(\\d+) kB").match(QString::fromLatin1(status.readAll()));
    QVERIFY(vm.hasMatch());
    // The address space the process has now and 128 MiB more.
    const rlim_t used = rlim_t(vm.captured(1).toLongLong()) * 1024;
    rlimit limit = before;
    limit.rlim_cur = used + (rlim_t(128) << 20);
    QCOMPARE(setrlimit(RLIMIT_AS, &limit), 0);
    QVERIFY(rig.manager.beginAppUpdate());
    const int decision = rig.Decision();
    QCOMPARE(setrlimit(RLIMIT_AS, &before), 0);
#endif
    QCOMPARE(decision, int(CUpdateManager::UD_ReadyToInstall));
    QCOMPARE(ReadFile(rig.Path("/Vorn/Update/KLX32LinuxApp")), rig.package.program);
  }

  // A sender far faster than the card, with a length or without: of the
  // 32 MiB program the process holds a few MB at most, however long the
  // card takes, and the rest waits at the sender; the program comes whole.
  // Before, all that came ahead of the card was held, up to the whole
  // program.
  void aFastSenderWaitsForTheCard_data() {
    QTest::addColumn<QStringList>("faults");
    // Qt reads the body in passes of all that the connection has queued.
    QTest::addColumn<bool>("passes");
    QTest::newRow("with a length") << QStringList() << false;
    QTest::newRow("without a length") << QStringList{"nolength /software/KL_Vorn/KLX32LinuxApp"} << true;
  }
  void aFastSenderWaitsForTheCard() {
    QFETCH(QStringList, faults);
    QFETCH(bool, passes);
    const QByteArray program = LargeProgram();
    HeldDownload card("KLX32LinuxApp", program.size());
    ManagerRig rig;
    rig.package.program = program;
    QVERIFY(rig.Start());
    card.Watch(QUrl(rig.server.Base()).port());
    rig.server.SetFaults(faults);
    QVERIFY(rig.manager.beginAppUpdate());
    QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
    QCOMPARE(card.Written(), qint64(program.size()));
    QVERIFY(ReadFile(rig.Path("/Vorn/Update/KLX32LinuxApp")) == program);
    const QString held = card.HeldTooMuch(passes);
    QVERIFY2(held.isEmpty(), qPrintable(held));
  }

  // A body the server gives no length for goes to the card only while the
  // card keeps the room a model save asks for: with room for the program
  // but not for that room as well the download is refused as for a full
  // card (-3), the part removed, the card never taken below that room on
  // the way. Before, it was written whole, to the card's last bytes.
  void aBodyWithoutALengthKeepsTheCardsReserve_data() {
    QTest::addColumn<qint64>("beyond");
    QTest::addColumn<bool>("taken");
    // Beyond the program and that room, for the list, the description and
    // their folders.
    QTest::newRow("room for the program and the reserve") << qint64(200 * 1024) << true;
    QTest::newRow("room for the program alone") << qint64(-200 * 1024) << false;
  }
  void aBodyWithoutALengthKeepsTheCardsReserve() {
    QFETCH(qint64, beyond);
    QFETCH(bool, taken);
    constexpr qint64 reserve = KLX_FileFunctions::kModelSaveKiB * 1024;
    FillingCard filling;
    ManagerRig rig;
    QVERIFY(rig.Start());
    const qint64 room = rig.package.program.size() + reserve + beyond;
    QVERIFY(SetRoomOnCard(rig.fx.root.Path(), room));
    filling.Fill(rig.fx.root.Path(), "KLX32LinuxApp", CardCase::kAny, false);
    rig.server.SetFaults({"nolength /software/KL_Vorn/KLX32LinuxApp"});
    QVERIFY(rig.manager.beginAppUpdate());
    if (taken) {
      QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
      QCOMPARE(ReadFile(rig.Path("/Vorn/Update/KLX32LinuxApp")), rig.package.program);
      return;
    }
    QCOMPARE(rig.Completion(), qMakePair(int(CUpdateManager::Err_NotEnoughMemory), int(CUpdateManager::Src_KlServer)));
    QVERIFY2(filling.Written() <= room - reserve, qPrintable(QString::number(filling.Written())));
    QVERIFY(!QFileInfo::exists(rig.Path("/Vorn/tmp/upd_app/KLX32LinuxApp")));
    QCOMPARE(QDir(rig.Path("/Vorn/Update")).entryList(QDir::Files), QStringList());
  }

  // On a card sold as "256 MB" (under the 256 MiB the program needs) an
  // update is refused at once (-10), whether a stick carries it or not: no
  // stick is looked at (without one the screen would ask about the
  // server), nothing is fetched or copied onto the card and nothing asked.
  // The refusal is the touch's, on every road: no task of the manager
  // begins, so the log names the update the pilot asked for, not a list.
  void aCardTooSmallRefusesAtOnce_data() {
    QTest::addColumn<bool>("system");
    QTest::addColumn<int>("source");
    QTest::addColumn<bool>("stick");
    QTest::newRow("application from the stick") << false << int(CUpdateManager::Src_USB) << true;
    QTest::newRow("system from the stick") << true << int(CUpdateManager::Src_USB) << true;
    QTest::newRow("application, no stick") << false << int(CUpdateManager::Src_USB) << false;
    QTest::newRow("system, no stick") << true << int(CUpdateManager::Src_USB) << false;
    QTest::newRow("application from the server") << false << int(CUpdateManager::Src_KlServer) << false;
    QTest::newRow("system from the server") << true << int(CUpdateManager::Src_KlServer) << false;
  }
  void aCardTooSmallRefusesAtOnce() {
    QFETCH(bool, system);
    QFETCH(int, source);
    QFETCH(bool, stick);
    const auto src = CUpdateManager::UpdateSource(source);
    ManagerRig rig;
    rig.fx.errors.Expect(0x23624);
    QVERIFY(rig.Start());
    QVERIFY(CSimUpdateServer::WriteSystem(rig.server.served, "Vorn", 9, 9, 9, 9, {{"rootfs.ubifs", "image"}}));
    if (stick) {
      QVERIFY(CSimUpdateServer::WriteFiles(rig.Path("/media/usb0"), rig.package.ServerFiles()));
      const QList<CSimFile> image{{"rootfs.ubifs", "image"}};
      QVERIFY(CSimUpdateServer::WriteFiles(rig.Path("/media/usb0/KL_Vorn_System"), image));
      QVERIFY(WriteFile(rig.Path("/media/usb0/KL_Vorn_System/vornsys"),
                        CSimUpdateServer::ChecksumList(image, true, "AV:9.9;LV:9.9;")));
    }
    QVERIFY(WriteFile(rig.Path("/run/mounts"), stick ? "/media/usb0\n" : ""));
    QVERIFY(WriteFile(rig.fx.root.Path() + "/run/sdcard-size", "256000000"));
    VornTerminalLines lines;
    QVERIFY(system ? rig.manager.downloadSystemUpdate(src) : rig.manager.beginAppUpdate(src));
    QCOMPARE(rig.Completion(), qMakePair(int(CUpdateManager::Err_CardTooSmall), source));
    QVERIFY(rig.NothingMore());
    QCOMPARE(lines.TerminalWithAny({"not begun: ", "begin update: "}),
             QStringList(QString(system ? "system" : "application") + " update not begun: SD card smaller than 256 MiB"));
    QCOMPARE(rig.server.Asked("/software/"), QStringList());
    QCOMPARE(QDir(rig.Path("/Vorn/tmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(QDir(rig.Path("/Vorn/Update")).entryList(QDir::Files), QStringList());
    QVERIFY(!QFileInfo::exists(rig.Path("/Vorn/rootfs.ubifs")));
  }

  // Listed sizes are the server's word: files already in place with sizes
  // of 2^62 bytes each count no further than the largest size there is, and
  // the progress never runs backwards or beyond the whole.
  void progressOfHugeListedSizes() {
    ManagerRig rig;
    QVERIFY(rig.Start());
    QByteArray list = ReadFile(rig.server.AppFile("KLX32MD5fold.txt"));
    const QByteArray huge = "SZ:4611686018427387904B;\n";
    for (const CSimFile& f : rig.package.translations) {
      QVERIFY(WriteFile(rig.Path("/Vorn/Update/") + f.path, f.bytes));
      const QByteArray line = "./" + f.path.toUtf8() + "\nSZ:" + QByteArray::number(f.bytes.size()) + "B;\n";
      QCOMPARE(list.count(line), 1);
      list.replace(line, "./" + f.path.toUtf8() + "\n" + huge);
    }
    QVERIFY(WriteFile(rig.server.AppFile("KLX32MD5fold.txt"), list));
    QVERIFY(rig.manager.beginAppUpdate());
    QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
    qlonglong before = 0;
    for (const QList<QVariant>& p : qAsConst(rig.progress)) {
      // While the list itself comes, the whole is not known yet.
      if (p.at(2).toLongLong() == 0) continue;
      const qlonglong done = p.at(1).toLongLong();
      QCOMPARE(p.at(2).toLongLong(), std::numeric_limits<qlonglong>::max());
      QVERIFY2(done >= before, qPrintable(QString::number(done)));
      before = done;
    }
    QCOMPARE(before, std::numeric_limits<qlonglong>::max());
  }

  // A receiver's file beyond the card's free space ends the run with -3
  // before a byte of it is written, not as done without it.
  void receiversOnAFullCard() {
    FillingCard filling;
    ManagerRig rig;
    QVERIFY(rig.Start());
    filling.Fill(rig.fx.root.Path(), "rx8_v3.bin", CardCase::kAny, false);
    const CSimReceiverType rx8{"RX 8", "Receivers/RX8", "", 8, {{"rx8_v3.bin", QByteArray(8192, 'f')}}};
    QVERIFY(CSimUpdateServer::WriteReceivers(rig.server.served, "Vorn receivers 2", {rx8}));
    // Room for the folders, the list and the listing the run lays down, a
    // block of the card each, and a block more: not for the receiver's 8 KiB.
    const qint64 block = KLX_Platform::Volume(rig.fx.root.Path() + "/Vorn").blockSize;
    QVERIFY(block > 0 && block <= 8192);
    QVERIFY(SetCardFree(rig.fx.root.Path(), 10 * block));
    QVERIFY(rig.manager.downloadReceiversUpdate());
    QCOMPARE(rig.Completion().first, int(CUpdateManager::Err_NotEnoughMemory));
    QCOMPARE(rig.server.Asked("/software/"),
             QStringList({"Receivers/list.txt 200", "Receivers/RX8/ 200", "Receivers/RX8/rx8_v3.bin 200"}));
    QCOMPARE(filling.Written(), qint64(0));
    QVERIFY(!QFileInfo::exists(rig.Path("/Vorn/Update/Receiver/rx8_v3.bin")));
    QVERIFY(!QFileInfo::exists(rig.Path("/Vorn/tmp/receivers")));
  }

  // A digest that does not match: the file is refused (-5) and not kept.
  void wrongDigest() {
    ManagerRig rig;
    QVERIFY(rig.Start());
    // Changed after the list was made, its size kept.
    QVERIFY(WriteFile(rig.server.AppFile("KLX32_en.qm"), "EN CATALOGUE"));
    QVERIFY(rig.manager.beginAppUpdate());
    QCOMPARE(rig.Completion().first, int(CUpdateManager::Err_TransferError));
    QVERIFY(!QFileInfo::exists(rig.Path("/Vorn/tmp/upd_app/KLX32_en.qm")));
    QVERIFY(QFileInfo::exists(rig.Path("/Vorn/tmp/upd_app/KLX32_de.qm")));
    QVERIFY(!QFileInfo::exists(rig.Path("/Vorn/Update/KLX32_de.qm")));
  }

  // A transfer that brings nothing more is given up once 30 s passed on the
  // task's clock without a byte, not a moment before: -1, which the screen
  // shows as a failed connection; the part goes. The terminal names the
  // file that stalled, and calls it a stall.
  void stalledTransferGivesUp_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("the update's description") << "Update.xml";
    QTest::newRow("the program") << "KLX32LinuxApp";
  }
  void stalledTransferGivesUp() {
    QFETCH(QString, file);
    LookedAtClock clock;
    ManagerRig rig;
    QVERIFY(rig.Start());
    VornTerminalLines lines;
    rig.manager.task(CUpdateManager::Slot_Application)->setTransferClock(&clock, 5);
    rig.server.SetFaults({"stall /software/KL_Vorn/" + file + " 0"});
    QVERIFY(rig.manager.beginAppUpdate());
    QStringList asked;
    QVERIFY(QTest::qWaitFor([&] { return (asked += rig.server.Asked()).contains(file + " 200 stall"); }, kOnlyAHangMs));
    QVERIFY(clock.Watching());
    QVERIFY(clock.AdvanceAndGoOn(CTransferWatch::kStallMs - 1));
    QVERIFY(rig.NothingMore());
    clock.KLX_ManualClockAdvance(1);
    QCOMPARE(rig.Completion().first, int(CUpdateManager::Err_Unknown));
    QVERIFY(!QFileInfo::exists(rig.Path("/Vorn/tmp/upd_app/" + file)));
    QCOMPARE(lines.TerminalWithAny({"given up", "completed with an error"}),
             QStringList({"transfer of " + rig.server.Base() + "/KL_Vorn/" + file + " stalled: given up",
                          "download " + rig.Path("/Vorn/tmp/upd_app/" + file) + " completed with an error: -1"}));
  }

  // A server that keeps a transfer alive with a byte now and then, one in
  // every 20 s of the task's clock: silence alone never ends it, but its
  // first 30 s brought less than 1 KiB a second, so it is given up then
  // as a failed connection (-1); the part goes.
  void tricklingTransferGivesUp() {
    LookedAtClock clock;
    ManagerRig rig;
    QVERIFY(rig.Start());
    VornTerminalLines lines;
    rig.manager.task(CUpdateManager::Slot_Application)->setTransferClock(&clock, 5);
    rig.server.SetFaults({"trickle /software/KL_Vorn/KLX32LinuxApp 20"});
    QVERIFY(rig.manager.beginAppUpdate());
    const auto received = [&] {
      qlonglong most = 0;
      for (const QList<QVariant>& p : rig.progress) most = qMax(most, p.at(1).toLongLong());
      return most;
    };
    const auto oneMoreByte = [&] {
      const qlonglong before = received();
      return QTest::qWaitFor([&] { return received() > before; }, kOnlyAHangMs);
    };
    // 20 s after a byte the watch goes on; 20 s after the next it gives up.
    QVERIFY(oneMoreByte());
    QVERIFY(clock.AdvanceAndGoOn(20000));
    QVERIFY(rig.NothingMore());
    QVERIFY(oneMoreByte());
    clock.KLX_ManualClockAdvance(20000);
    QCOMPARE(rig.Completion().first, int(CUpdateManager::Err_Unknown));
    QVERIFY(!QFileInfo::exists(rig.Path("/Vorn/tmp/upd_app/KLX32LinuxApp")));
    QCOMPARE(lines.TerminalWithAny({"given up"}),
             QStringList({"transfer of " + rig.server.Base() + "/KL_Vorn/KLX32LinuxApp too slow: given up"}));
  }

  // An abort in the middle of a file: -4, the part removed. An abort while
  // nothing runs does not mark the next run.
  void abortInTheMiddle() {
    ManagerRig rig;
    QVERIFY(rig.Start());
    rig.manager.abort();
    rig.server.SetFaults({"slow /software/KL_Vorn/KLX32LinuxApp 20"});
    QVERIFY(rig.manager.beginAppUpdate());
    const QString part = rig.Path("/Vorn/tmp/upd_app/KLX32LinuxApp");
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo(part).size() > 0; }, kOnlyAHangMs));
    rig.manager.abort();
    QCOMPARE(rig.Completion().first, int(CUpdateManager::Err_Aborted));
    QVERIFY(!QFileInfo::exists(part));
    QVERIFY(rig.NothingMore());

    rig.server.SetFaults({});
    QVERIFY(rig.manager.beginAppUpdate());
    QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
    rig.manager.resume(CUpdateManager::UD_ReadyToInstall);
    QCOMPARE(rig.Completion().first, 0);
  }

  // A second selection while the task runs: it runs once more and only the
  // second completion is reported. A system update selected while the
  // receivers run follows them, with one report.
  void selectionsChain() {
    ManagerRig rig;
    QVERIFY(rig.Start());
    QVERIFY(CSimUpdateServer::WriteSystem(rig.server.served, "Vorn", 9, 9, 9, 9, {{"rootfs.ubifs", "image"}}));
    QVERIFY(CSimUpdateServer::WriteReceivers(rig.server.served, "rx 1", {}));
    rig.package.prolog = "#!/bin/sh\nexit 1\n";
    QVERIFY(rig.server.Put(rig.package));
    // The receivers' run cannot end before the main thread looks again.
    QVERIFY(rig.manager.downloadReceiversUpdate());
    QVERIFY(rig.manager.downloadSystemUpdate());
    QCOMPARE(rig.Completion(), qMakePair(0, int(CUpdateManager::Src_KlServer)));
    QCOMPARE(rig.server.Asked("/software/"),
             QStringList({"Receivers/list.txt 200", "KL_Vorn_System/vornsys 200", "KL_Vorn_System/rootfs.ubifs 200"}));
    QCOMPARE(ReadFile(rig.Path("/Vorn/rootfs.ubifs")), QByteArray("image"));
    QVERIFY(rig.NothingMore());

    QVERIFY(rig.manager.beginAppUpdate());
    QVERIFY(rig.manager.beginAppUpdate());
    QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
    rig.manager.resume(CUpdateManager::UD_ReadyToInstall);
    // The prolog refuses: the first run's -8 is not reported; the second
    // asks again.
    QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
    QVERIFY(rig.complete.isEmpty());
    rig.manager.resume(CUpdateManager::UD_ReadyToInstall);
    QCOMPARE(rig.Completion().first, int(CUpdateManager::Err_Installing));
    QCOMPARE(rig.manager.downloadVoices(), false);
    QCOMPARE(rig.manager.lastError(), -1);
  }

  // The installation's results by the package's description, prolog and
  // list: a list without the program refuses the package (-5); what an
  // earlier package left in the update folder and this one's list does not
  // name (a translation, an epilog) is neither installed nor run; a card
  // under 256 MiB is named as such (-10). However it ends, model saving is
  // on afterwards (the old program runs until the restart), and what waited
  // to be saved before waits again, nothing more.
  void installationResults_data() {
    QTest::addColumn<QString>("board");
    QTest::addColumn<QByteArray>("prolog");
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("error");
    QTest::newRow("for the other board") << "Fenk" << QByteArray() << "" << -9;
    QTest::newRow("prolog says unsuitable") << "Vorn" << QByteArray("#!/bin/sh\nexit 100\n") << "" << -9;
    QTest::newRow("prolog fails") << "Vorn" << QByteArray("#!/bin/sh\nexit 3\n") << "" << -8;
    QTest::newRow("no prolog") << "Vorn" << QByteArray() << "" << 0;
    QTest::newRow("a list without the program") << "Vorn" << QByteArray() << "unlisted program" << -5;
    QTest::newRow("files the list does not name") << "Vorn" << QByteArray() << "left over" << 0;
    QTest::newRow("a card sold as 256 MB") << "Vorn" << QByteArray() << "small card" << -10;
    QTest::newRow("an application folder full at a translation") << "Vorn" << QByteArray() << "folder full"
                                                                   << int(CUpdateManager::Err_NoRoomForProgram);
    QTest::newRow("an application folder full at the program") << "Vorn" << QByteArray() << "folder full at the program"
                                                                << int(CUpdateManager::Err_NoRoomForProgram);
    QTest::newRow("no room for the program's name") << "Vorn" << QByteArray() << "no name record"
                                                    << int(CUpdateManager::Err_NoRoomForProgram);
  }
  void installationResults() {
    QFETCH(QString, board);
    QFETCH(QByteArray, prolog);
    QFETCH(QString, change);
    QFETCH(int, error);
    // The translation's or the program's copy into the application folder
    // finds it full.
    std::optional<VornFullMedium> folder;
    if (change == "folder full") folder.emplace(0, ENOSPC, ".KLX32_de.qm.new");
    if (change == "folder full at the program") folder.emplace(0, ENOSPC, ".KLX32LinuxApp.new");
    std::optional<VornFullFolder> records;
    if (change == "no name record") records.emplace(false, ".KLX32LinuxApp.new");
    ManagerRig rig;
    rig.fx.errors.Expect(0x23616);
    rig.package.prolog = prolog;
    QVERIFY(rig.Start());
    if (board != "Vorn") {
      CSimAppPackage other = rig.package;
      other.board = board;
      QVERIFY(CSimUpdateServer::WriteFiles(rig.server.served + "/software/KL_Vorn", other.ServerFiles()));
    }
    if (change == "unlisted program") {
      QList<CSimFile> files = Unlisted(rig.package, {"KLX32LinuxApp"});
      files.append({KLX_FileNameHandler::UPDATE_MD5FileNameWithFolders, CSimUpdateServer::ChecksumList(files, true)});
      QVERIFY(CSimUpdateServer::WriteFiles(rig.server.served + "/software/KL_Vorn", files));
    }
    const QString ran = rig.fx.root.Path() + "/epilog-ran";
    if (change == "left over") {
      QVERIFY(WriteFile(rig.Path("/Vorn/Update/KLX32_xx.qm"), "xx"));
      QVERIFY(WriteFile(rig.Path("/Vorn/Update/vornupdateepilog.sh"),
                        QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(ran).toUtf8()));
    }
    QVERIFY(WriteFile(rig.Path("/app/KLX32LinuxApp"), "the old program"));
    QVERIFY(rig.manager.beginAppUpdate());
    QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
    if (change == "small card") {
      rig.fx.errors.Expect(0x23624);
      QVERIFY(WriteFile(rig.fx.root.Path() + "/run/sdcard-size", "256000000"));
    }
    // A change the card has not taken yet, and settings saved.
    KLX_DataBaseManager& db = rig.fx.db;
    db.KLX_DataBaseManagerSetModelModifyFlag(true);
    db.KLX_DataBaseManagerSetSystemModifyFlag(false);
    rig.manager.resume(CUpdateManager::UD_ReadyToInstall);
    QCOMPARE(rig.Completion().first, error);
    QCOMPARE(ReadFile(rig.Path("/app/KLX32LinuxApp")), error == 0 ? rig.package.program : QByteArray("the old program"));
    QVERIFY(db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet));
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());
    QVERIFY(!db.KLX_DataBaseManagerGetSystemModifyFlag());
    QVERIFY(!QFileInfo::exists(rig.Path("/app/KLX32_xx.qm")));
    QVERIFY(!QFileInfo::exists(ran));
  }

  // A card that fills at any step of the install: before anything
  // installed is replaced the state file marking the update pending takes
  // its room, so the card leaves either the old program with nothing
  // pending (-3, which the pilot is told as a card without room) or the new
  // program with its mark for the next start. Nothing staged is left behind
  // either way.
  void aCardThatFillsDuringTheInstall_data() { FillCase::Rows(); }
  void aCardThatFillsDuringTheInstall() {
    QFETCH(bool, installed);
    CardFillsAt card;
    ManagerRig rig;
    const QString root = rig.fx.root.Path();
    FillCase::Script(rig.package, root);
    rig.fx.errors.Expect({0x23622, 0x22809, 0x228A4, 0x22813, 0x42602});
    QVERIFY(rig.Start());
    KLX_DataBaseManager& db = rig.fx.db;
    const QString state = rig.Path("/Vorn/Vornstate/Vornstate.xml");
    QCOMPARE(db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerSaveSysProcessStateFileNow(), int(KLX_Ok));
    QVERIFY(WriteFile(rig.Path("/app/KLX32LinuxApp"), "the old program"));
    QVERIFY(rig.manager.beginAppUpdate());
    QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
    QVERIFY(FillCase::Arm(card, root, rig.manager.workerThread()));

    rig.manager.resume(CUpdateManager::UD_ReadyToInstall);
    QCOMPARE(rig.Completion().first, installed ? 0 : int(CUpdateManager::Err_NotEnoughMemory));
    QCOMPARE(KLX_Platform::Volume(root + "/Vorn").bytesAvailable, qint64(0));
    QCOMPARE(ReadFile(rig.Path("/app/KLX32LinuxApp")), installed ? rig.package.program : QByteArray("the old program"));
    // What the next start reads, and what a later save writes.
    QVERIFY(ReadFile(state).contains(installed ? "<UpdateFlag>1</UpdateFlag>" : "<UpdateFlag>0</UpdateFlag>"));
    QCOMPARE(db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet), installed ? 1 : 0);
    QCOMPARE(QDir(rig.Path("/app")).entryList(QDir::Hidden | QDir::Files).filter(".new"), QStringList());
    QCOMPARE(QDir(rig.Path("/Vorn/Vornstate")).entryList(QDir::Hidden | QDir::Files), QStringList{"Vornstate.xml"});
  }

  // A remount script and an epilog that fail cannot undo the install: it
  // stands, and the terminal says what they answered.
  void failingScriptsAreLogged() {
    ManagerRig rig;
    rig.package.epilog = "#!/bin/sh\nexit 4\n";
    rig.package.extra = {{"linuxopen.sh", "#!/bin/sh\nexit 5\n"}};
    QVERIFY(rig.Start());
    VornTerminalLines lines;
    QVERIFY(rig.manager.beginAppUpdate());
    QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
    rig.manager.resume(CUpdateManager::UD_ReadyToInstall);
    QCOMPARE(rig.Completion().first, 0);
    QCOMPARE(ReadFile(rig.Path("/app/KLX32LinuxApp")), rig.package.program);
    QCOMPARE(lines.TerminalWithAny({"answered"}), QStringList({"the remount script ./Vorn/Update/linuxopen.sh answered 5",
                                                               "the update's epilog script answered 4"}));
  }

  // From a stick: none, an empty one or a pulled one refuses (QML then
  // offers the server); the application from the stick's root, the system update from
  // its own folder, through "file://" addresses.
  void fromStick() {
    ManagerRig rig;
    QVERIFY(rig.Start());
    QVERIFY(!rig.manager.beginAppUpdate(CUpdateManager::Src_USB));
    QCOMPARE(rig.manager.lastError(), -1);
    QVERIFY(QDir().mkpath(rig.Path("/media/usb0")));
    QVERIFY(WriteFile(rig.Path("/run/mounts"), "/media/usb0\n"));
    QVERIFY(!rig.manager.beginAppUpdate(CUpdateManager::Src_USB));
    QVERIFY(CSimUpdateServer::WriteFiles(rig.Path("/media/usb0"), rig.package.ServerFiles()));
    // Pulled out, its files left in the mount point: no stick.
    QVERIFY(WriteFile(rig.Path("/run/mounts"), ""));
    QVERIFY(!rig.manager.beginAppUpdate(CUpdateManager::Src_USB));
    QVERIFY(WriteFile(rig.Path("/run/mounts"), "/media/usb0\n"));
    QVERIFY(!rig.manager.downloadSystemUpdate(CUpdateManager::Src_USB));
    const QList<CSimFile> system{{"rootfs.ubifs", "img"}};
    QVERIFY(CSimUpdateServer::WriteFiles(rig.Path("/media/usb0/KL_Vorn_System"), system));
    QVERIFY(WriteFile(rig.Path("/media/usb0/KL_Vorn_System/vornsys"),
                      CSimUpdateServer::ChecksumList(system, true, "AV:9.9;LV:9.9;")));

    QVERIFY(rig.manager.beginAppUpdate(CUpdateManager::Src_USB));
    QCOMPARE(rig.Decision(), int(CUpdateManager::UD_ReadyToInstall));
    rig.manager.resume(CUpdateManager::UD_ReadyToInstall);
    QCOMPARE(rig.Completion(), qMakePair(0, int(CUpdateManager::Src_USB)));
    QCOMPARE(ReadFile(rig.Path("/app/KLX32LinuxApp")), rig.package.program);
    QVERIFY(rig.manager.downloadSystemUpdate(CUpdateManager::Src_USB));
    QCOMPARE(rig.Completion(), qMakePair(0, int(CUpdateManager::Src_USB)));
    QCOMPARE(ReadFile(rig.Path("/Vorn/rootfs.ubifs")), QByteArray("img"));
    QCOMPARE(rig.server.Asked("/software/"), QStringList());
  }

  // System versions equal to the installed ones ask first; a different
  // application version alone downloads at once.
  void systemVersionsAsk_data() {
    QTest::addColumn<int>("appMinor");
    QTest::addColumn<bool>("asks");
    QTest::newRow("both equal") << int(KLX_Version::kAppMinor) << true;
    QTest::newRow("application differs") << int(KLX_Version::kAppMinor) + 1 << false;
  }
  void systemVersionsAsk() {
    QFETCH(int, appMinor);
    QFETCH(bool, asks);
    ManagerRig rig;
    QVERIFY(rig.Start());
    QVERIFY(WriteFile(rig.Path("/etc/version"), "1.8\n"));
    Info::Instance().Init();
    QVERIFY(CSimUpdateServer::WriteSystem(rig.server.served, "Vorn", KLX_Version::kAppMajor, appMinor, 1, 8,
                                          {{"rootfs.ubifs", "image"}}));
    QVERIFY(rig.manager.downloadSystemUpdate());
    // The files the answer fetches are asked for in the manager's thread.
    rig.threads.Watch(rig.manager.task(CUpdateManager::Slot_System), &CDownloaderTsk::sigDownload);
    if (asks) {
      QCOMPARE(rig.Decision(), int(CUpdateManager::UD_AlreadyInstalled));
      QCOMPARE(rig.server.Asked("/software/"), QStringList{"KL_Vorn_System/vornsys 200"});
      rig.manager.resume(CUpdateManager::UD_AlreadyInstalled);
    }
    QCOMPARE(rig.Completion().first, 0);
    QCOMPARE(rig.threads.Threads(), QStringList{"manager"});
    QCOMPARE(ReadFile(rig.Path("/Vorn/rootfs.ubifs")), QByteArray("image"));
    QVERIFY(rig.decisions.isEmpty());
  }

  // The receivers: the catalogue, each type's folder listing, the files not
  // there yet (one present stays as it is), a folder naming a way out
  // refused; the new catalogue's pictures, then the catalogue itself. A
  // second run with the same catalogue fetches listings only.
  void receivers() {
    ManagerRig rig;
    QVERIFY(rig.Start());
    CSimReceiverType rx8{"RX 8", "Receivers/RX8", "rx8.png", 8, {{"rx8_v2.bin", "v2"}, {"rx8_v3.bin", "v3"}}};
    CSimReceiverType rx4{"RX 4", "", "rx4.png", 4, {}};
    CSimReceiverType evil{"Evil", "../../etc", "", 9, {}};
    QVERIFY(CSimUpdateServer::WriteReceivers(rig.server.served, "Vorn receivers 2", {rx8, rx4, evil}));
    const QString update = rig.Path("/Vorn/Update/Receiver/");
    QVERIFY(WriteFile(update + "rx8_v2.bin", "the card's own"));
    QVERIFY(WriteFile(rig.Path("/Vorn/web/receivers/list.txt"), "Vorn receivers 1\nRX 8:Receivers/RX8:rx8.png:8\n"));
    CReceivers::Instance().Reload();

    QVERIFY(rig.manager.downloadReceiversUpdate());
    QCOMPARE(rig.Completion().first, 0);
    QCOMPARE(rig.server.Asked("/software/"),
             QStringList({"Receivers/list.txt 200", "Receivers/RX8/ 200", "Receivers/RX8/rx8_v3.bin 200",
                          "Receivers/rx8.png 200", "Receivers/rx4.png 200"}));
    QCOMPARE(ReadFile(update + "rx8_v2.bin"), QByteArray("the card's own"));
    QCOMPARE(ReadFile(update + "rx8_v3.bin"), QByteArray("v3"));
    QCOMPARE(ReadFile(rig.Path("/Vorn/web/receivers/rx4.png")),
             ReadFile(rig.server.served + "/software/Receivers/rx4.png"));
    QCOMPARE(CReceivers::Instance().Header(), QByteArray("Vorn receivers 2\n"));
    QCOMPARE(CReceivers::Instance().GetInfo(4).name, QByteArray("RX 4"));
    QVERIFY(!QFileInfo::exists(rig.Path("/Vorn/tmp/receivers")));
    QVERIFY(!QFileInfo::exists(rig.Path("/etc/list.txt")));

    QVERIFY(rig.manager.downloadReceiversUpdate());
    QCOMPARE(rig.Completion().first, 0);
    QCOMPARE(rig.server.Asked("/software/"), QStringList({"Receivers/list.txt 200", "Receivers/RX8/ 200"}));

    // A listing beyond its size (an endless one) names nothing to fetch.
    rig.server.SetFaults({"endless /software/Receivers/RX8/"});
    QVERIFY(rig.manager.downloadReceiversUpdate());
    QCOMPARE(rig.Completion().first, 0);
    QCOMPARE(rig.server.Asked("/software/"), QStringList({"Receivers/list.txt 200", "Receivers/RX8/ 200 endless"}));

    rig.server.SetFaults({"404 /software/Receivers/list.txt"});
    QVERIFY(rig.manager.downloadReceiversUpdate());
    QCOMPARE(rig.Completion().first, -2);
  }

  // The end whatever the manager's thread does: one that does not come back
  // to its loop within free's time keeps its tasks (false, and the terminal
  // says so); one that does not within the end's wait, hung, is left running
  // with them, never destroyed under them (which would end the program),
  // and they go once it ends.
  void theEndIsSafeWhateverTheThreadDoes() {
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    auto manager = std::make_unique<CUpdateManager>();
    QVERIFY(manager->Init(&fx.db));
    QPointer<CUpdateDownloaderBase> task = manager->task(CUpdateManager::Slot_Application);
    QSemaphore busy, released;
    QMetaObject::invokeMethod(task, [&] {
      busy.release();
      released.acquire();
    }, Qt::QueuedConnection);
    QVERIFY(busy.tryAcquire(1, kOnlyAHangMs));
    const char* notStopped = "  ->   exit CUpdateManager error: thread NOT stoped";
    QTest::ignoreMessage(QtWarningMsg, notStopped);
    QVERIFY(!manager->free(1));
    QCOMPARE(manager->task(CUpdateManager::Slot_Application), task.data());
    const QPointer<QThread> thread = manager->workerThread();
    manager->setEndWait(1);
    QTest::ignoreMessage(QtWarningMsg, notStopped);
    QTest::ignoreMessage(QtCriticalMsg, "the update manager's thread did not end: it is left running with its tasks");
    manager.reset();
    QVERIFY(thread && thread->isRunning());
    QVERIFY(task);
    released.release();
    QVERIFY(QTest::qWaitFor([&] { return thread.isNull(); }, kOnlyAHangMs));
    QVERIFY(task.isNull());
  }

  // The manager ended in the middle of a download, its thread busy with it
  // (the abort then comes too late for the thread), ends the transfer in
  // that thread: no timer of it is left for another thread to stop. Before,
  // Qt said "Timers cannot be stopped from another thread" at such an end.
  void theEndInTheMiddleOfADownloadIsClean() {
    KLX_ManualClock endClock;
    BusyAtTheEnd card("KLX32LinuxApp", endClock);
    ManagerRig rig;
    rig.manager.setClock(&endClock);
    QVERIFY(rig.Start());
    QVERIFY(rig.manager.beginAppUpdate());
    QVERIFY(QTest::qWaitFor([&] { return card.Writing(); }, kOnlyAHangMs));
    VornTerminalLines lines;
    QVERIFY(rig.manager.free(kOnlyAHangMs));
    QCOMPARE(lines.TerminalWithAny({"Timers cannot be stopped"}), QStringList());
  }

  // The server's stand-in starts however slowly the machine lets it: found
  // first on PATH may be a wrapper that takes many seconds to start the
  // interpreter, and a busy machine takes its time as well.
  void serverStartsBehindASlowInterpreter() {
    const QString machine = "/usr/bin/python3";
    if (!QFileInfo(machine).isExecutable()) QSKIP("needs the machine's own python3");
    VornTestRoot root;
    const QString wrapper = root.Path() + "/slow/python3";
    QVERIFY(WriteFile(wrapper, QStringLiteral("#!/bin/sh\nsleep 30\nexec %1 \"$@\"\n").arg(machine).toUtf8()));
    QVERIFY(QFile::setPermissions(wrapper, QFile::permissions(wrapper) | QFileDevice::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFileInfo(wrapper).absolutePath().toUtf8() + ":" + path);
    UpdateServerRig server(root.Path());
    const bool started = server.Start();
    qputenv("PATH", path);
    QVERIFY(started);
  }

  // Listing cells count only when link target and text are one name.
  void listingParser_data() {
    QTest::addColumn<QList<QByteArray>>("blocks");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("one cell") << QList<QByteArray>{"<tr><td><a href=\"a.bin\">a.bin</a></td><td>3</td></tr>"}
                              << QStringList{"a.bin"};
    QTest::newRow("split across blocks")
        << QList<QByteArray>{"<td><a hr", "ef=\"b.bin\">b.b", "in</a></td><td><a href=\"c\">c</a></td>"}
        << QStringList{"b.bin", "c"};
    QTest::newRow("target and text differ") << QList<QByteArray>{"<td><a href=\"../\">Parent Directory</a></td>"}
                                            << QStringList();
    QTest::newRow("upper-case tags") << QList<QByteArray>{"<TD><A HREF=\"d.bin\">d.bin</A></TD>"} << QStringList();
  }
  void listingParser() {
    QFETCH(QList<QByteArray>, blocks);
    QFETCH(QStringList, names);
    CHTTPParser parser;
    QStringList found;
    for (const QByteArray& block : blocks)
      for (char c : block) {
        parser.AppendChar(c);
        if (parser.IsComplete()) {
          found << QString::fromUtf8(parser.Name());
          parser.Reset();
        }
      }
    QCOMPARE(found, names);
  }
};

QTEST_GUILESS_MAIN(UpdateManagerTest)
#include "tst_updatemanager.moc"
