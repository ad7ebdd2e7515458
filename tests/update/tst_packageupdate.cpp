// The package update task as the screens start it and see it: installs
// from a stick folder and from the update server's stand-in on a temporary
// root, the update status values in the order the screens get them, the
// errors registered, the files left in the application folder, the scripts
// run and the remounts asked for.
#include "update_fixture.h"
#include "frame/klx_version.h"
#include "frame/klx_xmlprocessstate.h"
#include "platform/klx_commandrunner.h"
#include "platform/klx_storage.h"
#include "update/klx_appinstall.h"
#include "update/klx_update.h"
#include "update/klx_update_httpreq.h"
#include "vorn_filetree.h"
#include "vorn_powercut.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtEndian>

#include <cstdio>

namespace {
using VT = KLX_VornTask;

constexpr int kInstalledMinor = 90;

// A package one version above the installed one; its scripts note in
// `log` what the application folder held when they ran.
CSimAppPackage Package(const QString& log, const QString& app) {
  CSimAppPackage p;
  p.program = "#!/bin/sh\necho new program 3.91\n";
  p.translations = {{"KLX32_de.qm", "de 3.91"}, {"KLX32_en.qm", "en 3.91"}};
  p.prolog = QStringLiteral("#!/bin/sh\necho \"prolog $(tail -n1 '%1KLX32LinuxApp')\" >> '%2'\n").arg(app, log).toUtf8();
  p.epilog = QStringLiteral("#!/bin/sh\necho \"epilog $(tail -n1 '%1KLX32LinuxApp')\" >> '%2'\n").arg(app, log).toUtf8();
  return p;
}

// The saver waits on a clock nobody steps: it passes only when asked to.
// Made after the facade's fixture, so that it is back on the system's
// clock before the facade stops it.
struct SaverOnRequest {
  KLX_ManualClock clock;
  KLX_DataBaseManager& db;
  KLX_XMLFileSaver* saver = db.KLX_DatabaseManagerXMLFileSaverPtr();
  explicit SaverOnRequest(KLX_DataBaseManager& facade) : db(facade) { saver->KLX_XMLFileSaverSetClock(&clock); }
  ~SaverOnRequest() { saver->KLX_XMLFileSaverSetClock(nullptr); }
  // One pass asked for, and ended.
  bool Pass() {
    const int passes = saver->KLX_XMLFileSaverPasses();
    db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    return QTest::qWaitFor([&] { return saver->KLX_XMLFileSaverPasses() > passes; }, kOnlyAHangMs);
  }
};

struct PackageRig {
  VornFixture fx;
  KLX_Update task;
  KLX_Update_HttpReq getter;
  std::unique_ptr<StatusLog> status;
  KLX_FileNameHandler names;
  QString app = names.KLX_FileNameHandlerGetLinuxAppPath();
  QString log = fx.root.Path() + "/scripts.log";
  CSimAppPackage package = Package(log, app);

  PackageRig() {
    // Every update stops and starts the runtime read-outs; the task's own
    // reports are compared case by case.
    fx.errors.Expect({0x33901, 0x33902, 0x2361D, 0x2361E, 0x2361C, 0x23614, 0x23616, 0x23619, 0x33620, 0x33621});
  }
  // The task engine is up, its processing off: the task's follow-up
  // records wait in its queue and the test hands them back.
  bool Up() {
    fx.taskClock = &fx.clock;
    if (!fx.UpOnBus(VornFixture::WithControllers)) return false;
    status = std::make_unique<StatusLog>(&fx.db);
    // Updates start from a system that is up.
    fx.db.KLX_DataBaseManagerGetSetStartupPhases(VT::KLX_PHASE_SYSTEM_UP, AtomicDirSet);
    fx.db.KLX_DataBaseManagerUpdate_SetGetVersion_Major_Installed(3, AtomicDirSet);
    fx.db.KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(kInstalledMinor, AtomicDirSet);
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Percent(80, AtomicDirSet);
    fx.db.KLX_DataBaseManagerGetSetSystemProperties_Akku2Percent(80, AtomicDirSet);
    // The installed program and its translations, one of them a language
    // the new package no longer brings.
    return WriteFile(app + "KLX32LinuxApp", "#!/bin/sh\necho old program 3.90\n") &&
           WriteFile(app + "KLX32_de.qm", "de 3.90") && WriteFile(app + "KLX32_fr.qm", "fr 3.90") &&
           QFile::setPermissions(app + "KLX32LinuxApp", QFile::permissions(app + "KLX32LinuxApp") | QFile::ExeOwner);
  }
  ~PackageRig() { task.KLX_VornBaseCleanUp(); }

  QString Stick(int n) const { return fx.root.Path() + QStringLiteral("/media/usb%1/").arg(n); }
  bool PutOnStick(int n, const QList<CSimFile>& files) {
    return fx.board.SetUsbStickInserted(n, true) && CSimUpdateServer::WriteFiles(Stick(n), files);
  }
  int Start(int source, int target, int para3 = 0, int para4 = 0, const QString& text = QString()) {
    Task_Data_T t;
    t.task = VT::KLX_TASK_UPDATE_CHECK_FIRMWARE;
    t.paraint1 = source;
    t.paraint2 = target;
    t.paraint3 = para3;
    t.paraint4 = para4;
    KLX_TaskSetText(t.parastr1, text);
    t.timeout = 900000;
    task.KLX_VornBaseSetObjectPointer(&getter);
    if (task.KLX_VornBaseInit(&fx.db, &fx.protocol, &fx.vorn, &fx.runtime) != KLX_Ok) return KLX_Error;
    return task.KLX_VornBaseStartTask(t);
  }
  int Step(const TaskUpdate_Data_T& update) {
    int elapsed = 0;
    return task.KLX_VornBaseUpdateRunningTask(update, &elapsed);
  }
  // The task's own follow-up record, as the engine hands it back.
  int Poll() {
    TaskUpdate_Data_T self;
    self.updateKind = 5;
    return Step(self);
  }
  // A user's input: a dialog answer (kind 2) or a text (kind 1).
  int Answer(unsigned char kind, int answer, const QByteArray& text = QByteArray()) {
    TaskUpdate_Data_T user;
    user.updateKind = KLX_UPDATE_KIND_USER;
    user.data[0] = kind;
    user.data[1] = static_cast<unsigned char>(answer);
    if (!text.isEmpty()) memcpy(user.data + 1, text.constData(), size_t(text.size()) + 1);
    return Step(user);
  }
  QStringList Installed() const { return QDir(app).entryList(QDir::Files, QDir::Name); }
  QStringList ScriptLog() const { return QString::fromUtf8(ReadFile(log)).split('\n', Qt::SkipEmptyParts); }
  QList<QPair<unsigned, QString>> Reports() { return TaskReports(fx.errors); }
};
// The board's application partition: what the application folder holds
// may not grow beyond `room` bytes; the write going beyond fails with
// ENOSPC. In use while it lives.
struct AppPartition : KLX_FileCalls {
  QString folder;
  qint64 room;
  AppPartition(const QString& app, qint64 bytes) : folder(QFileInfo(app).canonicalFilePath()), room(bytes) {
    KLX_FileCalls::Set(this);
  }
  ~AppPartition() override { KLX_FileCalls::Set(nullptr); }
  bool Write(int fd, const char* data, qint64 size) override {
    const QString path = QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd));
    qint64 held = 0;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) held += file.size();
    if (QFileInfo(path).absolutePath() != folder || held + size <= room) return KLX_FileCalls::Write(fd, data, size);
    errno = ENOSPC;
    return false;
  }
};

// The card's least free room, looked at before each file call.
struct ReserveWatch : KLX_FileCalls {
  QString card;
  qint64 least = std::numeric_limits<qint64>::max();
  explicit ReserveWatch(const QString& path) : card(path) { KLX_FileCalls::Set(this); }
  ~ReserveWatch() override { KLX_FileCalls::Set(nullptr); }
  void Look() { least = qMin(least, KLX_Platform::Volume(card).bytesAvailable); }
  int Create(const QString& path) override { return Look(), KLX_FileCalls::Create(path); }
  bool Rename(const QString& from, const QString& to) override { return Look(), KLX_FileCalls::Rename(from, to); }
  bool Remove(const QString& path) override { return Look(), KLX_FileCalls::Remove(path); }
  bool SyncFolder(const QString& folder) override { return Look(), KLX_FileCalls::SyncFolder(folder); }
  bool SyncFileSystem(const QString& path) override { return Look(), KLX_FileCalls::SyncFileSystem(path); }
};
constexpr qint64 kReserve = 500 * 1024;

// Names of empty files that, beside the entries `names` ("." and ".."
// among them), fill a FAT folder's records to the last one of a cluster of
// `block` bytes: 32 bytes for each entry and one more per 13 characters,
// every name taken as a long one.
QStringList FillerToCluster(const QStringList& names, qint64 block) {
  const auto records = [](const QString& name) { return 32 * (1 + (name.size() + 12) / 13); };
  qint64 held = 0;
  for (const QString& name : names) held += name == "." || name == ".." ? 32 : records(name);
  QStringList filler;
  for (qint64 gap = (block - held % block) % block; gap != 0; gap = (block - held % block) % block) {
    // 13 characters take 64 bytes, 26 take 96 (and leave a gap of 32 for
    // the next cluster's end).
    const int length = gap == 96 || gap == 32 ? 26 : 13;
    const QString name = QStringLiteral("f%1").arg(filler.size(), length - 1, 10, QLatin1Char('0'));
    filler << name;
    held += records(name);
  }
  return filler;
}

// A voice pack "<voice>.zip": its files in its folder and its checksum list
// naming the first `named` of them (all when negative).
QByteArray PackOf(const QString& voice, const QList<CSimFile>& files, int named = -1) {
  const QByteArray list = CSimUpdateServer::ChecksumList(named < 0 ? files : files.mid(0, named), false);
  QList<CSimFile> packed{{voice + "/VOICEDATAMD5.txt", list}};
  for (const CSimFile& file : files) packed.append({voice + "/" + file.path, file.bytes});
  return CSimUpdateServer::Zip(packed);
}
}  // namespace

class PackageUpdateTest : public QObject {
  Q_OBJECT

 private slots:
  // The application package from a stick, with its scripts before and
  // after: the prolog sees the old program, the epilog the new one; the
  // application and system partitions are remounted writable first; a
  // translation the package does not bring is gone; the update phase holds
  // until the restart, while the old program goes on saving what the pilot
  // changes: a change the card had not taken yet still waits to be saved.
  // A link on the stick is not followed into the update folder.
  void installFromStick() {
    PackageRig rig;
    QVERIFY(rig.Up());
    QVERIFY(rig.PutOnStick(0, rig.package.Files()));
    rig.fx.db.KLX_DataBaseManagerSetModelModifyFlag(true);
    const QString secret = rig.fx.root.Path() + "/Vorn/System/secret.txt";
    QVERIFY(WriteFile(secret, "not the package's"));
    QVERIFY(QFile::link(secret, rig.Stick(0) + "notes.txt"));
    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_UPDATE_SELF), int(KLX_Done));
    QCOMPARE(rig.status->Take(), QList<int>({5, 6, 7, 2}));
    QCOMPARE(rig.Reports(), (QList<QPair<unsigned, QString>>{
                                {0x33621, "USB update install started: 3.90 -> 3.91"}}));
    QCOMPARE(rig.ScriptLog(), QStringList({"prolog echo old program 3.90", "epilog echo new program 3.91"}));
    QCOMPARE(rig.Installed(), QStringList({"KLX32LinuxApp", "KLX32_de.qm", "KLX32_en.qm"}));
    QCOMPARE(ReadFile(rig.app + "KLX32LinuxApp"), rig.package.program);
    QVERIFY(QFileInfo(rig.app + "KLX32LinuxApp").isExecutable());
    QCOMPARE(ReadFile(rig.app + "KLX32_de.qm"), QByteArray("de 3.91"));
    QStringList mounts;
    for (const QString& c : rig.fx.board.RecordedCommands())
      if (c.startsWith("mount")) mounts << c;
    QCOMPARE(mounts, QStringList({"mount ubi0:application /app ubifs 32", "mount ubi0:rootfs / ubifs 32"}));
    QCOMPARE(rig.fx.db.KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet), int(VT::KLX_PHASE_SYSTEM_UUPD));
    QVERIFY(rig.fx.db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet));
    QVERIFY(rig.fx.db.KLX_DataBaseManagerGetModelModifyFlag());
    // The update pending for the controllers is on the card already, not
    // left to the saver's next pass.
    QVERIFY(ReadFile(rig.fx.root.Path() + "/Vorn/Vornstate/Vornstate.xml").contains("<UpdateFlag>1</UpdateFlag>"));
    QVERIFY(!QFileInfo::exists(rig.names.KLX_FileNameHandlerGetUpdateFilePath() + "notes.txt"));
  }

  // An epilog that fails cannot undo the install: it stands, and the
  // terminal says what the script answered.
  void anEpilogThatFailsIsLogged() {
    PackageRig rig;
    QVERIFY(rig.Up());
    rig.package.epilog = "#!/bin/sh\nexit 4\n";
    QVERIFY(rig.PutOnStick(0, rig.package.Files()));
    VornTerminalLines lines;
    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_UPDATE_SELF), int(KLX_Done));
    QCOMPARE(rig.status->Take(), QList<int>({5, 6, 7, 2}));
    QCOMPARE(ReadFile(rig.app + "KLX32LinuxApp"), rig.package.program);
    QCOMPARE(lines.TerminalWithAny({"answered"}), QStringList({"the update's epilog script answered 4"}));
  }

  // A recovery the screen asks about before it asks the pilot: a broken
  // "Update.xml" refuses it, and the asking reports nothing; the task the
  // pilot starts all the same reports what it finds.
  void aRecoveryAskedAboutReportsNothing_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QList<unsigned>>("codes");  // of the task
    const QByteArray head = "<?xml version=\"1.0\"?><vornupdate version=\"1.0\"><UPDATE><Target>Vorn</Target>";
    QTest::newRow("a version that is no number")
        << QByteArray(head + "<VersionMajor>x</VersionMajor></UPDATE></vornupdate>") << QList<unsigned>{0x52883, 0x23618};
    QTest::newRow("an unknown element") << QByteArray(head + "</UPDATE><EXTRA/></vornupdate>")
                                        << QList<unsigned>{0x22883, 0x23618};
    QTest::newRow("broken off") << QByteArray(head + "<VersionMajor>3</Vers") << QList<unsigned>{0x2280A, 0x23618};
  }
  void aRecoveryAskedAboutReportsNothing() {
    QFETCH(QByteArray, xml);
    QFETCH(QList<unsigned>, codes);
    PackageRig rig;
    rig.fx.errors.Expect({0x2280A, 0x22883, 0x23618});
    QVERIFY(rig.Up());
    QVERIFY(WriteFile(rig.names.KLX_FileNameHandlerGetUpdateFilePath() + "Update.xml", xml));
    const int tc = VT::KLX_UPDATE_RECOVER_TRANSCEIVER;
    QCOMPARE(rig.fx.runtime.KLX_RuntimeDatabaseManagerRecoveryRefusal(tc), int(VT::KLX_UPDATE_STATUS_NO_UPDATE_XML));
    QVERIFY(rig.Reports().isEmpty());
    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_FWVORN_RECOVERY, tc), int(KLX_Error));
    QList<unsigned> seen;
    for (const auto& r : rig.Reports()) seen << r.first;
    QCOMPARE(seen, codes);
  }

  // Batteries at their limit install; whatever stops the install before
  // the program is replaced leaves the old program and its translations as
  // they were, the start-up phase returns, and the screens see the status
  // and the task's failure. Nothing of the stick runs before its package
  // matches its list, which must name the program; a script or translation
  // the list does not name is neither run nor installed.
  void stickInstallOutcomes_data() {
    QTest::addColumn<int>("battery1");
    QTest::addColumn<int>("battery2");
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("result");
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<QList<unsigned>>("codes");
    QTest::addColumn<QStringList>("scripts");
    // Translations the application folder has afterwards beside its own.
    QTest::addColumn<QStringList>("added");
    const QStringList nothing;
    const QStringList prolog{"prolog echo old program 3.90"};
    QTest::newRow("both batteries at 15 %") << 15 << 15 << "" << int(KLX_Done) << QList<int>{5, 6, 7, 2}
                                            << QList<unsigned>{0x33621} << QStringList{"prolog echo old program 3.90", "epilog echo new program 3.91"}
                                            << QStringList{"KLX32_en.qm"};
    QTest::newRow("battery 1 at 14 %") << 14 << 15 << "" << int(KLX_Error) << QList<int>{4}
                                       << QList<unsigned>{0x2361D} << QStringList() << nothing;
    QTest::newRow("battery 2 at 14 %") << 15 << 14 << "" << int(KLX_Error) << QList<int>{4}
                                       << QList<unsigned>{0x2361D} << QStringList() << nothing;
    QTest::newRow("a digest that is wrong") << 80 << 80 << "digest" << int(KLX_Error) << QList<int>{5, 8}
                                            << QList<unsigned>{0x2361E} << QStringList() << nothing;
    QTest::newRow("the version installed already") << 80 << 80 << "same version" << int(KLX_Error) << QList<int>{5, 3}
                                                   << QList<unsigned>{0x53617} << prolog << nothing;
    QTest::newRow("the prolog fails") << 80 << 80 << "prolog fails" << int(KLX_Error) << QList<int>{5, 4}
                                      << QList<unsigned>{0x2361C} << QStringList() << nothing;
    QTest::newRow("a list that is missing") << 80 << 80 << "no list" << int(KLX_Error) << QList<int>{5, 8}
                                            << QList<unsigned>{0x2361E} << QStringList() << nothing;
    QTest::newRow("a list without the program") << 80 << 80 << "unlisted program" << int(KLX_Error)
                                                << QList<int>{5, 8} << QList<unsigned>{0x2361E} << QStringList()
                                                << nothing;
    QTest::newRow("scripts and a translation the list does not name")
        << 80 << 80 << "unlisted scripts" << int(KLX_Done) << QList<int>{5, 6, 7, 2} << QList<unsigned>{0x33621}
        << QStringList() << QStringList{"KLX32_en.qm"};
  }
  void stickInstallOutcomes() {
    QFETCH(int, battery1);
    QFETCH(int, battery2);
    QFETCH(QString, change);
    QFETCH(int, result);
    QFETCH(QList<int>, states);
    QFETCH(QList<unsigned>, codes);
    QFETCH(QStringList, scripts);
    QFETCH(QStringList, added);
    PackageRig rig;
    QVERIFY(rig.Up());
    rig.fx.db.KLX_DataBaseManagerGetSetSystemProperties_Akku1Percent(battery1, AtomicDirSet);
    rig.fx.db.KLX_DataBaseManagerGetSetSystemProperties_Akku2Percent(battery2, AtomicDirSet);
    if (change == "prolog fails") rig.package.prolog = "#!/bin/sh\nexit 3\n";
    if (change == "same version")
      rig.fx.db.KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(rig.package.minor, AtomicDirSet);
    QList<CSimFile> files = rig.package.Files();
    if (change == "no list") files.removeLast();
    if (change == "unlisted program") files = Unlisted(rig.package, {"KLX32LinuxApp"});
    if (change == "unlisted scripts") {
      files = Unlisted(rig.package, {"vornupdateprolog.sh", "vornupdateepilog.sh", "KLX32_xx.qm"});
      files.append(CSimFile{"KLX32_xx.qm", "xx 3.91"});
    }
    QVERIFY(rig.PutOnStick(0, files));
    if (change == "digest") QVERIFY(WriteFile(rig.Stick(0) + "KLX32_en.qm", "en damaged"));
    const QStringList before = rig.Installed();

    // Every stick is offered: a stick without the program is one too.
    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_UPDATE_SELF, 0, 1), result);
    QCOMPARE(rig.status->Take(), states);
    QList<unsigned> seen;
    for (const auto& r : rig.Reports()) seen << r.first;
    QCOMPARE(seen, codes);
    QCOMPARE(rig.ScriptLog(), scripts);
    QStringList installed = before;
    for (const QString& name : added)
      if (!installed.contains(name)) installed << name;
    installed.sort();
    if (result == KLX_Done) installed = QStringList{"KLX32LinuxApp", "KLX32_de.qm", "KLX32_en.qm"};
    QCOMPARE(rig.Installed(), installed);
    if (result == KLX_Error) {
      // The old program is whole and still runs.
      QCOMPARE(ReadFile(rig.app + "KLX32LinuxApp"), QByteArray("#!/bin/sh\necho old program 3.90\n"));
      QByteArray out;
      QCOMPARE(KLX_Platform::Run(rig.app + "KLX32LinuxApp", {}, &out), 0);
      QCOMPARE(out, QByteArray("old program 3.90\n"));
      QCOMPARE(rig.fx.db.KLX_DataBaseManagerGetSetStartupPhases(0, AtomicDirGet), int(VT::KLX_PHASE_SYSTEM_UP));
    }
  }

  // Installing or deleting a voice, or a recovery refused, changes nothing
  // of the model, the settings or the process state: afterwards no more
  // waits to be saved than before. An application update installed but not
  // yet started keeps its controllers' write pending, in memory and on the
  // card; a model marked before is saved as ever, by the next pass.
  void updatesLeaveOnlyRealChangesToBeSaved_data() {
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("para3");
    QTest::addColumn<int>("minorOffset");  // the recovery package's version above the application's; -1: none
    QTest::addColumn<bool>("stickNamed");
    QTest::addColumn<bool>("modelMarked");
    QTest::addColumn<int>("result");
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<QList<unsigned>>("codes");
    const int tc = VT::KLX_UPDATE_RECOVER_TRANSCEIVER, sc = VT::KLX_UPDATE_RECOVER_STICK;
    const int install = VT::KLX_LOAD_VOICEPACKS, remove = VT::KLX_UNINSTALL_VOICEPACKS;
    const int recover = VT::KLX_FWVORN_RECOVERY;
    const QList<int> installed{16, 11, 12, 13 + 1 * 256};
    for (bool marked : {false, true}) {
      const char* before = marked ? ", the model marked before" : "";
      QTest::addRow("a voice installed%s", before)
          << install << 0 << -1 << false << marked << int(KLX_Done) << installed << QList<unsigned>();
      QTest::addRow("a voice deleted%s", before)
          << remove << -2 << -1 << false << marked << int(KLX_Done) << QList<int>{16} << QList<unsigned>();
      QTest::addRow("a recovery from the next version's package%s", before)
          << recover << tc << 1 << true << marked << int(KLX_Error) << QList<int>{26} << QList<unsigned>{0x5361F};
    }
    QTest::newRow("a recovery without a package")
        << recover << tc << -1 << true << false << int(KLX_Error) << QList<int>{10} << QList<unsigned>{0x23618};
    QTest::newRow("a recovery without the controller's file")
        << recover << sc << 0 << false << false << int(KLX_Error) << QList<int>{14} << QList<unsigned>{0x23623};
  }
  void updatesLeaveOnlyRealChangesToBeSaved() {
    QFETCH(int, target);
    QFETCH(int, para3);
    QFETCH(int, minorOffset);
    QFETCH(bool, stickNamed);
    QFETCH(bool, modelMarked);
    QFETCH(int, result);
    QFETCH(QList<int>, states);
    QFETCH(QList<unsigned>, codes);
    PackageRig rig;
    rig.fx.errors.Expect({0x23618, 0x23623});
    QVERIFY(rig.Up());
    KLX_DataBaseManager& db = rig.fx.db;
    SaverOnRequest saver(db);
    // The current model, loaded; an application update installed, its
    // controllers' write pending until the next start.
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(2, AtomicDirSet);
    db.KLX_DataBaseManagerGetSetModelLoadState(VT::KLX_MODELLLOAD_STATUS_READY, AtomicDirSet);
    db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(1, AtomicDirSet, true);
    QCOMPARE(db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerSaveSysProcessStateFileNow(), int(KLX_Ok));
    const QString state = KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/Vorn/Vornstate/Vornstate.xml");
    QVERIFY(ReadFile(state).contains("<UpdateFlag>1</UpdateFlag>"));
    if (target == VT::KLX_LOAD_VOICEPACKS)
      QVERIFY(rig.PutOnStick(2, {{"Voices/anna.zip", CSimUpdateServer::VoicePack("anna", "de", "Anna", "de")}}));
    if (target == VT::KLX_UNINSTALL_VOICEPACKS)
      QVERIFY(WriteFile(rig.names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath() + "anna/data/anna.inf", "anna"));
    if (minorOffset >= 0)
      QVERIFY(CSimUpdateServer::WriteFiles(
          rig.names.KLX_FileNameHandlerGetUpdateFilePath(),
          RecoveryPackage(Info::Instance().AppMajor(), Info::Instance().AppMinor() + minorOffset,
                          Board::m_Instance->SCName(), stickNamed, false)));
    db.KLX_DataBaseManagerSetModelModifyFlag(modelMarked);
    db.KLX_DataBaseManagerSetSystemModifyFlag(false);
    db.KLX_DataBaseManagerSetVornModifyFlag(false);

    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, target, para3, 0, "anna"), result);
    QCOMPARE(rig.status->Take(), states);
    QList<unsigned> seen;
    for (const auto& r : rig.Reports()) seen << r.first;
    QCOMPARE(seen, codes);
    QCOMPARE(db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet), 1);
    QCOMPARE(db.KLX_DataBaseManagerGetModelModifyFlag(), modelMarked);
    QVERIFY(!db.KLX_DataBaseManagerGetSystemModifyFlag());
    QVERIFY(!db.KLX_DataBaseManagerGetVornModifyFlag());
    QVERIFY(db.KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet));
    // The saver's next pass: the model is written only when it was marked.
    const int writes = db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model().KLX_XMLModelWrites();
    QVERIFY(saver.Pass());
    QCOMPARE(db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model().KLX_XMLModelWrites() - writes, modelMarked ? 1 : 0);
    QVERIFY(ReadFile(state).contains("<UpdateFlag>1</UpdateFlag>"));
  }

  // A card that fills at any step of the application's install, on both
  // roads of the task: the old program stays with nothing pending and the
  // card without room is told (21), or the new program is in place with its
  // mark for the next start. Nothing staged is left behind.
  void aCardThatFillsDuringTheInstall_data() { FillCase::Rows({"stick", "server"}); }
  void aCardThatFillsDuringTheInstall() {
    QFETCH(QString, road);
    QFETCH(bool, installed);
    CardFillsAt card;
    PackageRig rig;
    const QString root = rig.fx.root.Path();
    rig.fx.errors.Expect({0x23622, 0x22809, 0x228A4, 0x22813, 0x42602});
    QVERIFY(rig.Up());
    FillCase::Script(rig.package, root);
    QCOMPARE(rig.fx.db.KLX_DataBaseManagerXMLFileHandlerPtr()->KLX_XMLFileHandlerSaveSysProcessStateFileNow(), int(KLX_Ok));
    UpdateServerRig server(root);
    QVERIFY(road == "stick" ? rig.PutOnStick(0, rig.package.Files()) : server.Start() && server.Put(rig.package));
    QVERIFY(FillCase::Arm(card, root, QThread::currentThread()));

    int result = KLX_Ok;
    if (road == "stick") {
      result = rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_UPDATE_SELF);
    } else {
      QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_WLAN, VT::KLX_LOAD_HTTPUPDPACKAGE), int(KLX_Ok));
      QVERIFY(QTest::qWaitFor([&] { return (result = rig.Poll()) != KLX_Ok; }, kOnlyAHangMs));
      QCOMPARE(result, int(KLX_Trigger));
      result = rig.Answer(2, VT::GUI_USER_Yes);
    }
    QCOMPARE(result, installed ? int(KLX_Done) : int(KLX_Error));
    QCOMPARE(rig.status->Take().last(),
             installed ? int(VT::KLX_UPDATE_STATUS_SWITCH_OFF) : int(VT::KLX_UPDATE_STATUS_NO_FREE_SPACE));
    QCOMPARE(ReadFile(rig.app + "KLX32LinuxApp"),
             installed ? rig.package.program : QByteArray("#!/bin/sh\necho old program 3.90\n"));
    const QByteArray state = ReadFile(root + "/Vorn/Vornstate/Vornstate.xml");
    QVERIFY2(state.contains(installed ? "<UpdateFlag>1</UpdateFlag>" : "<UpdateFlag>0</UpdateFlag>"), state.constData());
    QCOMPARE(rig.fx.db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet), installed ? 1 : 0);
    QCOMPARE(QDir(rig.app).entryList(QDir::Hidden | QDir::Files).filter(".new"), QStringList());
  }

  // A power cut at any file call of the install, whatever the card then
  // holds of it: the next start runs the old program with nothing pending,
  // or the new one with its update pending, which that start finishes by
  // writing the controllers' firmware. The program and the mark lie on two
  // file systems: the mark names the version it is for and is on the card
  // before the program, and the old program's start drops it.
  void aPowerCutAnywhereInTheInstall() {
    PackageRig rig;
    rig.fx.errors.Expect(0x52882);
    QVERIFY(rig.Up());
    KLX_DataBaseManager& db = rig.fx.db;
    SaverOnRequest saver(db);
    KLX_XMLFileHandler& xml = *db.KLX_DataBaseManagerXMLFileHandlerPtr();
    QCOMPARE(xml.KLX_XMLFileHandlerSaveSysProcessStateFileNow(), int(KLX_Ok));
    const QString folder = rig.names.KLX_FileNameHandlerGetUpdateFilePath();
    QVERIFY(CSimUpdateServer::WriteFiles(folder, rig.package.Files()));
    KLX_MD5 list;
    KLX_UpdatePackage package;
    QVERIFY(KLX_UpdateCheckPackage(list, folder, &package));
    QCOMPARE(xml.KLX_XMLFileHandlerReadUpdatelFile("Update.xml", folder), int(KLX_Ok));
    const QString program = QDir::cleanPath(rig.app + "KLX32LinuxApp");
    const QString state = QDir::cleanPath(rig.fx.root.Path() + "/Vorn/Vornstate/Vornstate.xml");
    const QByteArray old = ReadFile(program);

    QList<QList<VornPowerCut::Card>> after;
    {
      VornPowerCut cut;
      QCOMPARE(KLX_AppInstall(&db, xml).Install(package, folder), KLX_AppInstall::Installed);
      for (int n = 0; n <= cut.Calls(); ++n) after << cut.StatesAfter(n);
    }
    int newStarts = 0;
    for (int n = 0; n < after.size(); ++n)
      for (const VornPowerCut::Card& card : qAsConst(after[n])) {
        const bool isNew = card.value(program) == rig.package.program;
        QVERIFY2(isNew || card.value(program) == old, qPrintable(QString::number(n)));
        // The next start: this program reads the state file the card holds.
        QVERIFY(card.contains(state) && WriteFile(state, card.value(state)));
        QCOMPARE(xml.KLX_XMLFileHandlerReadSysProcessStateFile(), int(KLX_Ok));
        KLX_XMLProcessState::KLX_XMLProcessStateDropForeignMark(&db, 3, isNew ? rig.package.minor : kInstalledMinor);
        QVERIFY2(db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet) == (isNew ? 1 : 0),
                 qPrintable(QStringLiteral("cut after call %1, %2 program").arg(n).arg(isNew ? "new" : "old")));
        newStarts += isNew;
      }
    QVERIFY(newStarts > 0);
  }

  // A power cut before any rename of an install leaves the writer's staged
  // files, or files of the package staged whole, in the application folder,
  // and the mark's staged file on the card. The next start removes them,
  // and with them the room they took: a second install fits a folder with
  // the room a clean one needs and 80 KiB to spare, and leaves nothing but
  // the installed files.
  void anInstallCutShortLeavesNothingBehind() {
    PackageRig rig;
    rig.fx.errors.Expect({0x23622, 0x22813, 0x23615, 0x2280D});
    QVERIFY(rig.Up());
    KLX_DataBaseManager& db = rig.fx.db;
    SaverOnRequest saver(db);
    KLX_XMLFileHandler& xml = *db.KLX_DataBaseManagerXMLFileHandlerPtr();
    QCOMPARE(xml.KLX_XMLFileHandlerSaveSysProcessStateFileNow(), int(KLX_Ok));
    // Programs of a MiB: a part of one left over takes more than the room
    // to spare.
    rig.package.program = "#!/bin/sh\n" + QByteArray(1 << 20, '#');
    const QList<CSimFile> old{{"KLX32LinuxApp", "#!/bin/sh\n" + QByteArray(1 << 20, '%')},
                              {"KLX32_de.qm", "de 3.90"},
                              {"KLX32_fr.qm", "fr 3.90"}};
    const QString folder = rig.names.KLX_FileNameHandlerGetUpdateFilePath();
    QVERIFY(CSimUpdateServer::WriteFiles(folder, rig.package.Files()));
    KLX_MD5 list;
    KLX_UpdatePackage package;
    QVERIFY(KLX_UpdateCheckPackage(list, folder, &package));
    QCOMPARE(xml.KLX_XMLFileHandlerReadUpdatelFile("Update.xml", folder), int(KLX_Ok));
    qint64 needed = rig.package.program.size() + 80 * 1024;
    for (const CSimFile& file : rig.package.translations + old) needed += file.bytes.size();
    const QStringList installed{"KLX32LinuxApp: " + QString::fromUtf8(rig.package.program), "KLX32_de.qm: de 3.91",
                                "KLX32_en.qm: en 3.91"};
    const QString state = rig.fx.root.Path() + "/Vorn/Vornstate";

    int cuts = 0;
    for (bool cut = true; cut; ++cuts) {
      QVERIFY(QDir(rig.app).removeRecursively() && CSimUpdateServer::WriteFiles(rig.app, old));
      {
        VornPowerCut power;
        power.CutAt("rename ", cuts + 1);
        cut = KLX_AppInstall(&db, xml).Install(package, folder) != KLX_AppInstall::Installed;
      }
      if (!cut) break;
      const QString at = QStringLiteral("cut at rename %1").arg(cuts + 1);
      // The next start.
      KLX_AppInstall::RemoveStaged();
      xml.KLX_XMLFileHandlerRemoveStagedFiles();
      QVERIFY2(QDir(state).entryList(QDir::Files | QDir::Hidden) == QStringList{"Vornstate.xml"}, qPrintable(at));
      AppPartition partition(rig.app, needed);
      QVERIFY2(KLX_AppInstall(&db, xml).Install(package, folder) == KLX_AppInstall::Installed, qPrintable(at));
      QVERIFY2(VornFileTree(rig.app) == installed, qPrintable(at + ": " + VornFileTree(rig.app).join(", ").left(300)));
    }
    // Each file staged, the mark, each file in place.
    QCOMPARE(cuts, 7);
  }

  // On a card under the 256 MiB the program needs the application update
  // is refused at once on either road: no script runs, nothing is copied
  // onto the card or asked of the server, nothing changes for the next start.
  void aCardTooSmallRefusesTheApplicationAtOnce_data() {
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("target");
    QTest::newRow("from a stick") << int(VT::KLX_TASK_PARA_UPDATE_USB) << int(VT::KLX_UPDATE_SELF);
    QTest::newRow("from the server") << int(VT::KLX_TASK_PARA_UPDATE_WLAN) << int(VT::KLX_LOAD_HTTPUPDPACKAGE);
  }
  void aCardTooSmallRefusesTheApplicationAtOnce() {
    QFETCH(int, source);
    QFETCH(int, target);
    PackageRig rig;
    rig.fx.errors.Expect(0x23624);
    QVERIFY(rig.Up());
    const QString root = rig.fx.root.Path();
    UpdateServerRig server(root);
    QVERIFY(server.Start() && server.Put(rig.package) && rig.PutOnStick(0, rig.package.Files()));
    rig.fx.db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(1, AtomicDirSet, false);
    QVERIFY(WriteFile(root + "/run/sdcard-size", "256000000"));

    QCOMPARE(rig.Start(source, target), int(KLX_Error));
    QCOMPARE(rig.status->Take(), QList<int>{VT::KLX_UPDATE_STATUS_ERROR});
    QCOMPARE(rig.Reports(), (QList<QPair<unsigned, QString>>{{0x23624, "SD card smaller than 256 MiB"}}));
    QCOMPARE(rig.ScriptLog(), QStringList());
    QCOMPARE(server.Asked(), QStringList());
    QCOMPARE(QDir(rig.names.KLX_FileNameHandlerGetUpdateFilePath()).entryList(QDir::Files), QStringList());
    QCOMPARE(rig.fx.db.KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet), 1);
  }

  // Two sticks carry a package: the task waits for the user's choice; the
  // answer's last character names the stick.
  void stickChoice_data() {
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("result");
    QTest::addColumn<QList<int>>("states");
    QTest::newRow("ends in 1") << QByteArray("USB 1") << int(KLX_Done) << QList<int>{5, 6, 7, 2};
    QTest::newRow("ends in a letter") << QByteArray("USB x") << int(KLX_Error) << QList<int>();
    QTest::newRow("empty") << QByteArray("\0", 1) << int(KLX_Error) << QList<int>();
  }
  void stickChoice() {
    QFETCH(QByteArray, answer);
    QFETCH(int, result);
    QFETCH(QList<int>, states);
    PackageRig rig;
    QVERIFY(rig.Up());
    CSimAppPackage older = rig.package;
    older.minor = 90;
    QVERIFY(rig.PutOnStick(0, older.Files()));
    QVERIFY(rig.PutOnStick(1, rig.package.Files()));
    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_UPDATE_SELF), int(KLX_Trigger));
    QCOMPARE(rig.task.KLX_UpdateGetState(), int(KLX_Update::KLX_UPDATE_STATE_CHOOSE_STICK));
    const int chosen = rig.Answer(1, 0, answer);
    if (chosen == KLX_Ok) {
      QCOMPARE(rig.task.KLX_UpdateGetState(), int(KLX_Update::KLX_UPDATE_STATE_IDLE));
      QCOMPARE(rig.Poll(), result);
    } else {
      QCOMPARE(chosen, result);
    }
    QCOMPARE(rig.status->Take(), states);
  }

  // Three voice packs of which one fails its own checksum list: that one is
  // removed, the two others are installed; the status counts both (installed
  // in the low byte, refused above it).
  void voicePacks() {
    PackageRig rig;
    QVERIFY(rig.Up());
    QVERIFY(rig.PutOnStick(2, {{"Voices/anna.zip", CSimUpdateServer::VoicePack("anna", "de", "Anna", "de")},
                               {"Voices/bert.zip", CSimUpdateServer::VoicePack("bert", "en", "Bert", "en", true)},
                               {"Voices/cleo.zip", CSimUpdateServer::VoicePack("cleo", "fr", "Cleo", "fr")}}));
    const QString voices = rig.names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath();
    const QStringList before = QDir(voices).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);

    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_LOAD_VOICEPACKS), int(KLX_Done));
    QCOMPARE(rig.status->Take(), QList<int>({16, 11, 12, 13 + (2 | 1 << 8) * 256}));
    const QStringList after = QDir(voices).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY(after.contains("anna") && after.contains("cleo"));
    QVERIFY(!after.contains("bert"));
    QCOMPARE(after.size(), before.size() + 2);
    QVERIFY(rig.Reports().isEmpty());

    // A new version of an installed voice replaces it, though the card
    // keeps the old one's pack.
    QVERIFY(rig.PutOnStick(2, {{"Voices/anna.zip", CSimUpdateServer::VoicePack("anna", "de", "Anna 2", "de")}}));
    QVERIFY(QFile::remove(rig.Stick(2) + "Voices/bert.zip") && QFile::remove(rig.Stick(2) + "Voices/cleo.zip"));
    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_LOAD_VOICEPACKS), int(KLX_Done));
    QCOMPARE(rig.status->Take(), QList<int>({16, 11, 12, 13 + 1 * 256}));
    QVERIFY2(ReadFile(voices + "anna/voice.conf").contains("name=Anna 2"), ReadFile(voices + "anna/voice.conf").constData());
  }

  // A pack of 1.5 MB among three small ones, on a card of 1 MiB:
  // it is left out for room, and the three that fit are installed; the
  // status counts it among the refused, as one the card had no room for.
  void aPackWithoutRoomLeavesTheOthersInstalled() {
    PackageRig rig;
    QVERIFY(rig.Up());
    QVERIFY(WriteFile(rig.fx.root.Path() + "/run/sdcard-size", QByteArray::number(1024 * 1024)));
    const QByteArray large = CSimUpdateServer::Zip({{"large/voice.conf", "large"}, {"large/large.wav", QByteArray(1500000, 'w')}});
    QVERIFY(rig.PutOnStick(2, {{"Voices/large.zip", large},
                               {"Voices/anna.zip", CSimUpdateServer::VoicePack("anna", "de", "Anna", "de")},
                               {"Voices/bert.zip", CSimUpdateServer::VoicePack("bert", "en", "Bert", "en")},
                               {"Voices/cleo.zip", CSimUpdateServer::VoicePack("cleo", "fr", "Cleo", "fr")}}));
    const QString voices = rig.names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath();
    QStringList expected = QDir(voices).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name) << "anna" << "bert" << "cleo";
    expected.sort();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^voice pack " + QRegularExpression::escape(rig.Stick(2)) +
                                                          "Voices/large\\.zip does not fit on the card \\(it needs "
                                                          "\\d+ KiB, \\d+ KiB are free\\): refused$"));

    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_LOAD_VOICEPACKS), int(KLX_Done));
    QCOMPARE(rig.status->Take(), QList<int>({16, 11, 12, 13 + (3 | 1 << 8 | 1 << 16) * 256}));
    QCOMPARE(QDir(voices).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name), expected);
    QCOMPARE(QDir(rig.names.KLX_FileNameHandlerGetVoicePackagesFilePath()).entryList(QDir::Files, QDir::Name),
             QStringList({"anna.zip", "bert.zip", "cleo.zip"}));
    QVERIFY(rig.Reports().isEmpty());
  }

  // Two packs on a card that takes one of them, in either order: a pack is
  // judged whole before it is copied (its archive, what it unpacks to and
  // the 500 KiB a model save asks for), so that the one that fits alone is
  // installed whatever stands before it, and the card's free room never
  // falls below that reserve, at any file call of the install either.
  // Sizes in KiB of each pack's sound file (0: a voice of a few hundred
  // bytes); `freeKiB` what the card has free.
  void packsThatFitAloneAreInstalledInAnyOrder_data() {
    QTest::addColumn<QStringList>("packs");
    QTest::addColumn<QList<int>>("kib");
    QTest::addColumn<int>("freeKiB");
    QTest::addColumn<QString>("installed");
    QTest::newRow("a pack too large before one that fits") << QStringList{"a_big", "b_fits"} << QList<int>{4096, 2560}
                                                          << 6144 << "b_fits";
    QTest::newRow("one that fits before a pack too large") << QStringList{"a_fits", "b_big"} << QList<int>{2560, 4096}
                                                          << 6144 << "a_fits";
    QTest::newRow("an archive that leaves 64 KiB, then a small pack") << QStringList{"a_huge", "b_tiny"}
                                                                      << QList<int>{6040, 0} << 6120 << "b_tiny";
    QTest::newRow("a small pack before one that fits only as an archive")
        << QStringList{"a_small", "b_large"} << QList<int>{0, 4096} << 4096 + 400 << "a_small";
  }
  void packsThatFitAloneAreInstalledInAnyOrder() {
    QFETCH(QStringList, packs);
    QFETCH(QList<int>, kib);
    QFETCH(int, freeKiB);
    QFETCH(QString, installed);
    PackageRig rig;
    QVERIFY(rig.Up());
    QList<CSimFile> stick;
    for (int i = 0; i < packs.size(); ++i) {
      const QList<CSimFile> inside{{"voice.conf", "espeak=de\nlanguage=German\nname=" + packs[i].toUtf8() + "\n"},
                                   {"data/" + packs[i] + ".wav", QByteArray(kib[i] * 1024, 'w')}};
      QList<CSimFile> packed{{packs[i] + "/VOICEDATAMD5.txt", CSimUpdateServer::ChecksumList(inside, false)}};
      for (const CSimFile& file : inside) packed.append({packs[i] + "/" + file.path, file.bytes});
      stick.append({"Voices/" + packs[i] + ".zip", CSimUpdateServer::Zip(packed)});
    }
    QVERIFY(rig.PutOnStick(2, stick));
    const QString card = rig.fx.root.Path() + "/Vorn";
    QVERIFY(WriteFile(rig.fx.root.Path() + "/run/sdcard-size", QByteArray::number(256 << 20)));
    const KLX_Platform::VolumeInfo before = KLX_Platform::Volume(card);
    QVERIFY(before.valid && before.bytesAvailable < before.bytesTotal);
    QVERIFY(WriteFile(rig.fx.root.Path() + "/run/sdcard-size",
                      QByteArray::number(before.bytesTotal - before.bytesAvailable + freeKiB * 1024)));
    QCOMPARE(KLX_Platform::Volume(card).bytesAvailable, qint64(freeKiB) * 1024);
    const QString voices = rig.names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath();
    QStringList expected = QDir(voices).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name) << installed;
    expected.sort();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^voice pack .* does not fit on the card .*: refused$"));

    ReserveWatch watch(card);
    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_LOAD_VOICEPACKS), int(KLX_Done));
    QCOMPARE(rig.status->Take(), QList<int>({16, 11, 12, 13 + (1 | 1 << 8 | 1 << 16) * 256}));
    QCOMPARE(QDir(voices).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name), expected);
    QCOMPARE(QDir(rig.names.KLX_FileNameHandlerGetVoicePackagesFilePath()).entryList(QDir::Files, QDir::Name),
             QStringList{installed + ".zip"});
    QVERIFY2(watch.least >= 500 * 1024, qPrintable(QString::number(watch.least) + " bytes free"));
    QVERIFY(rig.Reports().isEmpty());
  }

  // Packs that reach beyond their own folder: a link named like its folder
  // that leads to the models, files for an installed voice and a folder
  // beside its own, a name climbing out with "../". Only the files that a
  // pack's list names are installed, in its own folder; the installed voice
  // and the models stay as they were.
  void voicePacksInstallOnlyWhatTheirListsName() {
    PackageRig rig;
    QVERIFY(rig.Up());
    const QString card = rig.fx.root.Path() + "/Vorn";
    const QString plane = card + "/Model/Plane";
    QVERIFY(WriteFile(plane + "/Victim.xml", "<model/>"));
    QVERIFY(WriteFile(rig.names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath() + "anna/voice.conf", "anna"));
    const QList<CSimFile> own{{"voice.conf", "evil"}};
    const QByteArray list = CSimUpdateServer::ChecksumList(own, false);
    const QList<CSimFile> evil{{"evil/voice.conf", "evil"},
                               {"evil/VOICEDATAMD5.txt", list},
                               {"evil/notes.txt", "not listed"},
                               {"anna/installsrczip.txt", "/Vorn/Model/Plane/Victim.xml"},
                               {"other/x.wav", "x"}};
    const QList<CSimFile> dots{{"dots/voice.conf", "evil"}, {"dots/VOICEDATAMD5.txt", list}, {"../anna/voice.conf", "dots"}};
    QVERIFY(rig.PutOnStick(2, {{"Voices/evil.zip", CSimUpdateServer::Zip(evil)},
                               {"Voices/link.zip", CSimUpdateServer::Zip({{"link", plane.toUtf8(), true}})},
                               {"Voices/dots.zip", CSimUpdateServer::Zip(dots)}}));
    const QStringList models = VornFileTree(card + "/Model");
    QStringList sound = VornFileTree(card + "/Sound");

    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_LOAD_VOICEPACKS), int(KLX_Done));
    QCOMPARE(rig.status->Take(), QList<int>({16, 11, 12, 13 + (1 | 2 << 8) * 256}));
    QCOMPARE(VornFileTree(card + "/Model"), models);
    sound << "Voices/evil/" << "Voices/evil/voice.conf: evil" << "Voices/evil/VOICEDATAMD5.txt: " + QString::fromUtf8(list)
          << "Voices/evil/installsrczip.txt: " + rig.names.KLX_FileNameHandlerGetVoicePackagesFilePath() + "evil.zip";
    sound.sort();
    QCOMPARE(VornFileTree(card + "/Sound"), sound);
    QVERIFY(rig.Reports().isEmpty());
  }

  // Deleting a voice takes its folder (a link as a link) and its own package
  // file, whatever the marker file in the folder names.
  void deletingAVoiceTakesOnlyItsFolderAndItsPackage_data() {
    QTest::addColumn<QString>("marker");
    QTest::addColumn<bool>("linked");
    QTest::newRow("the marker names a model") << "/Vorn/Model/Plane/Victim.xml" << false;
    QTest::newRow("the marker names another voice's package") << "/Vorn/Update/Pkgs/bert.zip" << false;
    QTest::newRow("the voice's folder is a link to the models") << QString() << true;
  }
  void deletingAVoiceTakesOnlyItsFolderAndItsPackage() {
    QFETCH(QString, marker);
    QFETCH(bool, linked);
    PackageRig rig;
    QVERIFY(rig.Up());
    const QString card = rig.fx.root.Path() + "/Vorn";
    const QString voices = rig.names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath();
    const QString packs = rig.names.KLX_FileNameHandlerGetVoicePackagesFilePath();
    QVERIFY(WriteFile(card + "/Model/Plane/Victim.xml", "<model/>"));
    QVERIFY(WriteFile(packs + "anna.zip", "anna's") && WriteFile(packs + "bert.zip", "bert's"));
    QVERIFY(WriteFile(voices + "bert/data/bert.inf", "bert"));
    const QStringList others = VornFileTree(voices);
    const QString anna = linked ? card + "/Model/Plane" : voices + "anna";
    QVERIFY(WriteFile(anna + "/data/anna.inf", "anna"));
    if (linked) QVERIFY(QFile::link(anna, voices + "anna"));
    if (!marker.isEmpty()) QVERIFY(WriteFile(voices + "anna/installsrczip.txt", marker.toUtf8()));
    const QStringList models = VornFileTree(card + "/Model");

    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_UNINSTALL_VOICEPACKS, 0, 0, "anna"), int(KLX_Done));
    QCOMPARE(VornFileTree(card + "/Model"), models);
    QCOMPARE(VornFileTree(voices), others);
    QCOMPARE(VornFileTree(packs), QStringList({"bert.zip: bert's"}));
    QVERIFY(rig.Reports().isEmpty());
  }

  // The package from the update server: downloaded file by file, the user
  // asked, then installed with its scripts; the screens see each step, and
  // a card without room for the package as such.
  void installFromServer_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<qint64>("card");  // the card's free bytes; 0: as it is
    QTest::addColumn<QString>("abort");  // when the screen's abort is pressed; empty: never
    QTest::addColumn<int>("yes");
    QTest::addColumn<int>("result");
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<QList<unsigned>>("codes");
    QTest::newRow("installed on yes") << QStringList() << qint64(0) << "" << int(VT::GUI_USER_Yes)
                                      << int(KLX_Done) << QList<int>{23, 27, 5, 6, 7, 2} << QList<unsigned>{0x33620};
    QTest::newRow("the user says no") << QStringList() << qint64(0) << "" << 0 << int(KLX_Error)
                                      << QList<int>{23, 27} << QList<unsigned>();
    QTest::newRow("the list is missing") << QStringList{"404 /software/KL_Vorn/KLX32MD5fold.txt"} << qint64(0)
                                         << "" << 0 << int(KLX_Error) << QList<int>{23, 24} << QList<unsigned>();
    QTest::newRow("a transfer is cut") << QStringList{"cut /software/KL_Vorn/KLX32LinuxApp"} << qint64(0) << ""
                                       << 0 << int(KLX_Error) << QList<int>{23, 24} << QList<unsigned>();
    QTest::newRow("a card without room for the package")
        << QStringList() << qint64(100) << "" << 0 << int(KLX_Error) << QList<int>{23, 21} << QList<unsigned>();
    QTest::newRow("the user aborts") << QStringList{"slow /software/KL_Vorn/KLX32LinuxApp 20"} << qint64(0) << "on the way"
                                     << 0 << int(KLX_Error) << QList<int>{23, 24} << QList<unsigned>();
    // Pressed as soon as the screen shows the download, before its first
    // request: this download's, not forgotten as one for an earlier one.
    QTest::newRow("the user aborts as the download begins") << QStringList() << qint64(0) << "as it begins" << 0
                                                            << int(KLX_Error) << QList<int>{23, 24} << QList<unsigned>();
  }
  void installFromServer() {
    QFETCH(QStringList, faults);
    QFETCH(qint64, card);
    QFETCH(QString, abort);
    QFETCH(int, yes);
    QFETCH(int, result);
    QFETCH(QList<int>, states);
    QFETCH(QList<unsigned>, codes);
    PackageRig rig;
    QVERIFY(rig.Up());
    UpdateServerRig server(rig.fx.root.Path());
    QVERIFY(server.Start() && server.Put(rig.package));
    server.SetFaults(faults);
    if (card > 0) QVERIFY(SetRoomOnCard(rig.fx.root.Path(), card));

    // An abort pressed for an earlier download is not this one's.
    rig.fx.db.KLX_DataBaseManagerAbortDownload();
    if (abort == "as it begins")
      QObject::connect(&rig.fx.db, &KLX_DataBaseManager::updateStatus, &rig.fx.db, [&](int state) {
        if (state == VT::KLX_UPDATE_STATUS_HTTP_DWNLOADING) rig.fx.db.KLX_DataBaseManagerAbortDownload();
      }, Qt::DirectConnection);
    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_WLAN, VT::KLX_LOAD_HTTPUPDPACKAGE), int(KLX_Ok));
    QCOMPARE(rig.task.KLX_UpdateGetState(), int(KLX_Update::KLX_UPDATE_STATE_DOWNLOADING));
    int polled = KLX_Ok;
    QSet<QString> shown;
    QVERIFY(QTest::qWaitFor(
        [&] {
          polled = rig.Poll();
          shown << rig.fx.db.KLX_DatabaseManagerGetSetDialogText(QString(), AtomicDirGet);
          // The screen's abort, once, while the program is on its way (one
          // more would wait for the next download).
          if (abort == "on the way" && shown.contains("KLX32LinuxApp")) {
            abort.clear();
            rig.fx.db.KLX_DataBaseManagerAbortDownload();
          }
          return polled != KLX_Ok;
        },
        20000));
    if (faults.isEmpty() && card == 0 && abort.isEmpty()) {
      QCOMPARE(polled, int(KLX_Trigger));
      QVERIFY2(shown.contains("KLX32LinuxApp"), qPrintable(QStringList(shown.values()).join(',')));
      QCOMPARE(rig.Answer(2, yes), result);
      QCOMPARE(server.Asked().size(), rig.package.ServerFiles().size());
    } else {
      QCOMPARE(polled, result);
      QCOMPARE(rig.task.KLX_UpdateGetState(), int(KLX_Update::KLX_UPDATE_STATE_IDLE));
    }
    QCOMPARE(rig.status->Take(), states);
    QList<unsigned> seen;
    for (const auto& r : rig.Reports()) seen << r.first;
    QCOMPARE(seen, codes);
    if (result == KLX_Done) {
      QCOMPARE(ReadFile(rig.app + "KLX32LinuxApp"), rig.package.program);
      QCOMPARE(rig.ScriptLog().size(), 2);
    } else {
      QCOMPARE(ReadFile(rig.app + "KLX32LinuxApp"), QByteArray("#!/bin/sh\necho old program 3.90\n"));
      QVERIFY(rig.ScriptLog().isEmpty());
    }
  }
  // A pack on a card with exactly the room its judgement asks for (the log
  // gives it in KiB, of which every block and the reserve are whole ones):
  // it is installed, only the files its list names and their folders, and
  // the card's free room is never below the 500 KiB a model save asks for
  // at any file call; a byte less, and it is refused before anything is
  // written. What the install makes of an ordinary pack is counted to the
  // block (`untaken`: at its fullest the card has the reserve left and the
  // clusters counted for the four folders it adds entries to that do not
  // grow here: the packs', the voices', the unpack folder's parent and the
  // voice's own for its marker; -1: not counted to the block); the unpack
  // folder too, and no folder is made beyond what the pack holds. With
  // those folders full to the last record of their clusters, each grows by
  // one, which the judgement counted. An archive larger than what it
  // unpacks to (many empty files) counts with its copy.
  void packsAreJudgedToTheBlock_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("untaken");
    QTest::addColumn<int>("cluster");  // 0: the host's block
    QTest::newRow("an ordinary pack") << "ordinary" << 4 << 0;
    QTest::newRow("an ordinary pack, 32 KiB clusters") << "ordinary" << 4 << (32 << 10);
    QTest::newRow("folders full to their last record, 2 KiB clusters") << "full folders" << 0 << (2 << 10);
    QTest::newRow("empty folders, 32 KiB clusters") << "empty folders" << -1 << (32 << 10);
    QTest::newRow("a file its list does not name, 32 KiB clusters") << "unnamed file" << -1 << (32 << 10);
    QTest::newRow("100 empty files") << "empty files" << -1 << 0;
  }
  void packsAreJudgedToTheBlock() {
    QFETCH(QString, kind);
    QFETCH(int, untaken);
    QFETCH(int, cluster);
    PackageRig rig;
    QVERIFY(rig.Up());
    const QString root = rig.fx.root.Path();
    const QString card = root + "/Vorn";
    if (cluster) QVERIFY(WriteFile(root + "/run/sdcard-block", QByteArray::number(cluster)));
    const qint64 block = KLX_Platform::Volume(card).blockSize;
    if (cluster) QCOMPARE(block, qint64(cluster));
    QVERIFY2(block > 0 && block % 1024 == 0, qPrintable(QString::number(block)));
    QList<CSimFile> files{{"voice.conf", "espeak=de\nlanguage=German\nname=Vera\n"},
                          {"data/vera.wav", QByteArray(int(2 * block + 1), 'w')}};
    if (kind == "empty files")
      for (int i = 0; i < 98; ++i) files.append({QStringLiteral("e%1.txt").arg(i, 9, 10, QLatin1Char('0')), QByteArray()});
    if (kind == "full folders") {
      // The voice's folder: "." and "..", its list, voice.conf and data/.
      QStringList inVoice{".", "..", "VOICEDATAMD5.txt", "voice.conf", "data"};
      for (const QString& name : FillerToCluster(inVoice, block)) files.append({name, QByteArray()});
    }
    const int named = files.size();
    if (kind == "empty folders") files << CSimFile{"empty/", ""} << CSimFile{"data/more/", ""};
    if (kind == "unnamed file") files << CSimFile{"notes.txt", "not named"};
    QVERIFY(rig.PutOnStick(2, {{"Voices/vera.zip", PackOf("vera", files, named)}}));
    const QString voices = rig.names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath();
    const QString packs = rig.names.KLX_FileNameHandlerGetVoicePackagesFilePath();
    if (kind == "full folders")
      for (const QString& folder : {packs, voices, card + "/Sound/"}) {
        QVERIFY(QDir().mkpath(folder));
        const QStringList there = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
        for (const QString& name : FillerToCluster(there, block)) QVERIFY(WriteFile(folder + name, QByteArray()));
      }
    const auto held = [&] { return VornFileTree(card + "/Sound") + VornFileTree(card + "/Update/Pkgs"); };

    // What the judgement asks for, told on a card with the reserve alone.
    QVERIFY(SetCardFree(root, kReserve));
    qint64 needed = 0;
    {
      VornTerminalLines lines;
      QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_LOAD_VOICEPACKS), int(KLX_Error));
      const QStringList told = lines.TerminalWithAny({"does not fit on the card"});
      QCOMPARE(told.size(), 1);
      needed = QRegularExpression("it needs (\\d+) KiB").match(told[0]).captured(1).toLongLong() * 1024;
    }
    QVERIFY(needed > kReserve);
    QCOMPARE(rig.status->Take(), QList<int>({16, 11, 12, 21}));
    const QStringList before = held();
    QVERIFY(SetCardFree(root, needed - 1));
    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_LOAD_VOICEPACKS), int(KLX_Error));
    QCOMPARE(rig.status->Take(), QList<int>({16, 11, 12, 21}));
    QCOMPARE(held(), before);

    QVERIFY(SetCardFree(root, needed));
    ReserveWatch watch(card);
    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_LOAD_VOICEPACKS), int(KLX_Done));
    QCOMPARE(rig.status->Take(), QList<int>({16, 11, 12, 13 + 1 * 256}));
    QStringList installed{"VOICEDATAMD5.txt", "data/", "installsrczip.txt"};
    for (const CSimFile& file : files.mid(0, named)) installed << file.path;
    QStringList tree = VornFileTree(voices + "vera");
    for (QString& entry : tree) entry = entry.section(": ", 0, 0);
    tree.sort();
    installed.sort();
    QCOMPARE(tree, installed);
    if (untaken >= 0)
      QCOMPARE(watch.least, kReserve + untaken * block);
    else
      QVERIFY2(watch.least >= kReserve, qPrintable(QString::number(watch.least) + " bytes free"));
    QVERIFY(rig.Reports().isEmpty());
  }

  // Packs named with brackets, beside packs of the names unzip would make
  // of them as patterns: each is read by its own name, for its list as for
  // its unpacking, and installed; the other stays as it was. A pack whose
  // name begins with "-d" is read by its name too, never as unzip's option
  // (which would read every file of it as its list).
  void bracketedPacksAreReadByTheirOwnNames_data() {
    QTest::addColumn<QString>("beside");  // "card": the other's archive kept there, "stick": the other on the stick,
                                          // "lines": a file of 60 checksum lines in the pack
    QTest::addColumn<QString>("voice");
    QTest::addColumn<int>("files");  // in the bracketed pack, of which its list names 50
    QTest::addColumn<int>("installed");
    QTest::newRow("x[1].zip, x1.zip's archive on the card") << "card" << "x[1]" << 2 << 1;
    QTest::newRow("v[2].zip of 150 files, v2.zip on the stick") << "stick" << "v[2]" << 150 << 2;
    QTest::newRow("-dw.zip of 114 files, 60 checksum lines beside its list") << "lines" << "-dw" << 114 << 1;
  }
  void bracketedPacksAreReadByTheirOwnNames() {
    QFETCH(QString, beside);
    QFETCH(QString, voice);
    QFETCH(int, files);
    QFETCH(int, installed);
    if (QStandardPaths::findExecutable("unzip").isEmpty()) QSKIP("needs unzip");
    PackageRig rig;
    QVERIFY(rig.Up());
    QList<CSimFile> inside{{"voice.conf", "espeak=de\nlanguage=German\nname=" + voice.toUtf8() + "\n"}};
    for (int i = 1; i < files; ++i) inside.append({QStringLiteral("data/%1.inf").arg(i), QByteArray::number(i)});
    if (beside == "lines") inside.last() = {"data/sums.txt", CSimUpdateServer::ChecksumList(inside.mid(1, 60), false)};
    const QString other = QString(voice).remove('[').remove(']');
    const QString packs = rig.names.KLX_FileNameHandlerGetVoicePackagesFilePath();
    const QByteArray otherPack = CSimUpdateServer::VoicePack(other, "de", "Other", "de");
    QList<CSimFile> stick{{"Voices/" + voice + ".zip", PackOf(voice, inside, qMin(files, 50))}};
    if (beside == "stick") stick.append({"Voices/" + other + ".zip", otherPack});
    if (beside == "card") QVERIFY(WriteFile(packs + other + ".zip", otherPack));
    QVERIFY(rig.PutOnStick(2, stick));

    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_LOAD_VOICEPACKS), int(KLX_Done));
    QCOMPARE(rig.status->Take(), QList<int>({16, 11, 12, 13 + installed * 256}));
    const QString voices = rig.names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath();
    QCOMPARE(ReadFile(voices + voice + "/voice.conf"), inside.first().bytes);
    QCOMPARE(QDir(voices + voice + "/data").entryList(QDir::Files).size(), qMin(files, 50) - 1);
    if (beside == "card" || beside == "stick") QCOMPARE(ReadFile(packs + other + ".zip"), otherPack);
    QVERIFY(rig.Reports().isEmpty());
  }

  // A voice that an install cut short left aside, and in its place a folder
  // made since that holds no whole voice (a copy cut short, the install's
  // marker in it or not, a listed file short of its sum): the voice is put
  // back and the folder removed, as the log says. Where its new version
  // stands whole (the marker the install writes last, and every file its
  // checksum list names, each of its sum), the old one goes.
  void aVoiceAsideIsNotLostToAStrayFolder_data() {
    QTest::addColumn<QStringList>("inPlace");  // what the folder in its place holds
    QTest::addColumn<QByteArray>("conf");      // its voice.conf, listed as "new"
    QTest::addColumn<bool>("putBack");
    QTest::addColumn<QStringList>("told");
    const QString putBack = "voice anna put back: the install of its new version was cut short";
    const QString removed = "voice anna: the folder that stood in its place held no whole voice (%1 entries) and is removed";
    QTest::newRow("an empty folder") << QStringList() << QByteArray("new") << true
                                     << QStringList{putBack, removed.arg(0)};
    QTest::newRow("a folder with voice.conf alone") << QStringList{"voice.conf"} << QByteArray("new") << true
                                                    << QStringList{putBack, removed.arg(1)};
    QTest::newRow("the marker alone") << QStringList{"installsrczip.txt"} << QByteArray("new") << true
                                      << QStringList{putBack, removed.arg(1)};
    QTest::newRow("voice.conf and the marker") << QStringList{"voice.conf", "installsrczip.txt"} << QByteArray("new")
                                               << true << QStringList{putBack, removed.arg(2)};
    // A hand copy cut off: all there, but a listed file short of its sum.
    QTest::newRow("its new version, voice.conf cut short")
        << QStringList{"voice.conf", "VOICEDATAMD5.txt", "installsrczip.txt"} << QByteArray("ne") << true
        << QStringList{putBack, removed.arg(3)};
    QTest::newRow("its new version") << QStringList{"voice.conf", "VOICEDATAMD5.txt", "installsrczip.txt"}
                                     << QByteArray("new") << false << QStringList();
  }
  void aVoiceAsideIsNotLostToAStrayFolder() {
    QFETCH(QStringList, inPlace);
    QFETCH(QByteArray, conf);
    QFETCH(bool, putBack);
    QFETCH(QStringList, told);
    PackageRig rig;
    QVERIFY(rig.Up());
    const QString voices = rig.names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath();
    const QString unpacking = rig.fx.root.Path() + "/Vorn/Sound/.unpacking";
    QVERIFY(WriteFile(unpacking + "/anna.aside/voice.conf", "old") &&
            WriteFile(unpacking + "/anna.aside/data/anna.inf", "old inf") &&
            WriteFile(unpacking + "/anna.aside/installsrczip.txt", "/Vorn/Update/Pkgs/anna.zip"));
    const QStringList old = VornFileTree(unpacking + "/anna.aside");
    QVERIFY(QDir().mkpath(voices + "anna"));
    // Its list names voice.conf.
    for (const QString& file : inPlace)
      QVERIFY(WriteFile(voices + "anna/" + file,
                        file == "VOICEDATAMD5.txt" ? CSimUpdateServer::ChecksumList({{"voice.conf", "new"}}, false)
                        : file == "voice.conf"     ? conf
                                                   : QByteArray("new")));
    const QStringList placed = VornFileTree(voices + "anna");
    QVERIFY(rig.PutOnStick(2, {{"Voices/bert.zip", CSimUpdateServer::VoicePack("bert", "en", "Bert", "en")}}));

    VornTerminalLines lines;
    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_LOAD_VOICEPACKS), int(KLX_Done));
    QCOMPARE(rig.status->Take(), QList<int>({16, 11, 12, 13 + 1 * 256}));
    QCOMPARE(VornFileTree(voices + "anna"), putBack ? old : placed);
    QCOMPARE(lines.TerminalWithAny({"voice anna"}), told);
    QVERIFY(!QFileInfo::exists(unpacking));
  }

  // A pack holding a file whose name unzip writes in bytes that are no
  // UTF-8 (made by Info-ZIP on a Latin-1 system; or made on FAT with a code
  // page's umlaut, which Debian's unzip writes as Latin-1), its list naming
  // that file or not: what it unpacked goes whole, by the bytes of its
  // names, and an ordinary pack in a second install is installed. Nothing
  // is left in the unpack folder after either.
  void aNameThatIsNoUtf8LocksNoLaterInstall_data() {
    QTest::addColumn<QByteArray>("written");  // the name's bytes in the archive
    QTest::addColumn<bool>("fat");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QList<int>>("states");
    QTest::newRow("Info-ZIP on Latin-1, not in its list") << QByteArray("L\xE9" "ame") << false << false
                                                          << QList<int>{16, 11, 12, 13 + 1 * 256};
    QTest::newRow("FAT, a code page's umlaut, in its list") << QByteArray("M\x81ller") << true << true
                                                            << QList<int>{16, 11, 12, 15};
  }
  void aNameThatIsNoUtf8LocksNoLaterInstall() {
    QFETCH(QByteArray, written);
    QFETCH(bool, fat);
    QFETCH(bool, listed);
    QFETCH(QList<int>, states);
    if (QStandardPaths::findExecutable("unzip").isEmpty()) QSKIP("needs unzip");
    PackageRig rig;
    QVERIFY(rig.Up());
    // Made with a placeholder of as many bytes in the name's place.
    const QByteArray placeholder = QByteArray("Q").repeated(written.size());
    const QByteArray conf = "espeak=de\nlanguage=German\nname=Odd\n";
    QByteArray list = CSimUpdateServer::ChecksumList({{"voice.conf", conf}}, false);
    if (listed) list += QCryptographicHash::hash("odd", QCryptographicHash::Md5).toHex() + "  ./data/" + written + ".txt\n";
    QByteArray pack = CSimUpdateServer::Zip({{"odd/VOICEDATAMD5.txt", list},
                                             {"odd/voice.conf", conf},
                                             {"odd/data/" + QString::fromLatin1(placeholder) + ".txt", "odd"}});
    QCOMPARE(pack.count(placeholder), 2);
    pack.replace(placeholder, written);
    // The file's entry in the directory made on FAT (host 0).
    for (int at = pack.indexOf("PK\x01\x02"); fat && at >= 0; at = pack.indexOf("PK\x01\x02", at + 4))
      if (pack.mid(at + 46, qFromLittleEndian<quint16>(pack.constData() + at + 28)).contains(written)) pack[at + 5] = 0;
    const QString unpacking = rig.fx.root.Path() + "/Vorn/Sound/.unpacking";
    const QString voices = rig.names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath();

    QVERIFY(rig.PutOnStick(2, {{"Voices/odd.zip", pack}}));
    // A pack on the stick named so itself is left out with a word.
    FILE* named = std::fopen(QFile::encodeName(rig.Stick(2)) + "Voices/" + written + ".zip", "w");
    QVERIFY(named && std::fclose(named) == 0);
    QString shown;
    for (const char c : written) shown += uchar(c) < 0x80 ? QString(QChar(c)) : QString::asprintf("\\x%02x", uchar(c));
    QTest::ignoreMessage(QtWarningMsg, qPrintable(rig.Stick(2) + "Voices/ holds an entry whose name is no UTF-8 text (" +
                                                  shown + ".zip): left out"));
    if (listed)
      QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^voice pack .*odd\\.zip does not match its checksum list: refused$"));
    rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_LOAD_VOICEPACKS);
    QCOMPARE(rig.status->Take(), states);
    QVERIFY(!QFileInfo::exists(unpacking));
    QCOMPARE(QDir(voices + "odd/data").exists(), false);
    QCOMPARE(QFileInfo::exists(voices + "odd/voice.conf"), !listed);

    QVERIFY(QFile::remove(rig.Stick(2) + "Voices/odd.zip") &&
            std::remove(QFile::encodeName(rig.Stick(2)) + "Voices/" + written + ".zip") == 0);
    QVERIFY(rig.PutOnStick(2, {{"Voices/bert.zip", CSimUpdateServer::VoicePack("bert", "en", "Bert", "en")}}));
    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_LOAD_VOICEPACKS), int(KLX_Done));
    QCOMPARE(rig.status->Take(), QList<int>({16, 11, 12, 13 + 1 * 256}));
    QVERIFY(QFileInfo::exists(voices + "bert/voice.conf"));
    QVERIFY(!QFileInfo::exists(unpacking));
  }

  // What an earlier unpack left that cannot be removed stops the install
  // before any pack is copied: the log names what stays, the screen the
  // folder, and nothing is unpacked beside it.
  void anUnpackFolderThatCannotBeClearedStopsTheInstall() {
    PackageRig rig;
    QVERIFY(rig.Up());
    const QString unpacking = rig.fx.root.Path() + "/Vorn/Sound/.unpacking";
    QVERIFY(WriteFile(unpacking + "/0/left/x.wav", "what an unpack left"));
    QVERIFY(rig.PutOnStick(2, {{"Voices/bert.zip", CSimUpdateServer::VoicePack("bert", "en", "Bert", "en")}}));
    struct Stuck : KLX_FileCalls {
      Stuck() { KLX_FileCalls::Set(this); }
      ~Stuck() override { KLX_FileCalls::Set(nullptr); }
      bool Remove(const QString& path) override { return !path.endsWith("/x.wav") && KLX_FileCalls::Remove(path); }
    } stuck;
    QTest::ignoreMessage(QtWarningMsg, qPrintable("the unpack folder " + unpacking + " cannot be cleared: " + unpacking +
                                                  "/0/left/x.wav stays"));

    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_LOAD_VOICEPACKS), int(KLX_Error));
    QCOMPARE(rig.status->Take(), QList<int>({16, 11, 12, int(VT::KLX_UPDATE_STATUS_ERROR)}));
    QCOMPARE(rig.fx.runtime.KLX_RuntimeDatabaseManagerGetSetDialogParameter(QString(), AtomicDirGet),
             QString("clear\t/Vorn/Sound/.unpacking"));
    QCOMPARE(VornFileTree(unpacking), QStringList({"0/", "0/left/", "0/left/x.wav: what an unpack left"}));
    QVERIFY(!QFileInfo::exists(rig.names.KLX_FileNameHandlerGetVoicePackagesFilePath() + "bert.zip"));
    QVERIFY(!QFileInfo::exists(rig.names.KLX_FileNameHandlerGetVornSoundVoiceFolderPath() + "bert"));
    QCOMPARE(rig.Reports(), (QList<QPair<unsigned, QString>>{{0x2361C, "voice unpack folder cannot be cleared"}}));
  }

  // Each pack left out is listed for the screen with why: the card's room,
  // its check, encrypted, packed in a way unzip cannot read (LZMA), an
  // archive of another kind named ".zip" (7z, a plain tar), no zip archive,
  // more files than its list may name
  // (its list read by its name when the pack's name begins with "-d", not
  // by unzip as its option, which would read every file of the pack: the
  // list, beyond the first MiB, would be cut from what is kept).
  void eachPackLeftOutIsListedWithItsReason() {
    if (QStandardPaths::findExecutable("zip").isEmpty() || QStandardPaths::findExecutable("bsdtar").isEmpty())
      QSKIP("needs zip and bsdtar");
    PackageRig rig;
    QVERIFY(rig.Up());
    QList<CSimFile> many{{"voice.conf", "many"}};
    for (int i = 1; i <= 1000; ++i) many.append({QStringLiteral("%1.wav").arg(i), QByteArray::number(i)});
    QList<CSimFile> dashed{{"-dy/data/big.bin", QByteArray(1200 << 10, 'b')},
                           {"-dy/VOICEDATAMD5.txt", CSimUpdateServer::ChecksumList(many.mid(0, 101), false)},
                           {"-dy/data/tail.bin", QByteArray(100 << 10, 't')}};
    for (int i = 0; i < 111; ++i) dashed.append({"-dy/" + many[i].path, many[i].bytes});
    QVERIFY(rig.PutOnStick(2, {{"Voices/-dy.zip", CSimUpdateServer::Zip(dashed)},
                               {"Voices/a_fits.zip", CSimUpdateServer::VoicePack("a_fits", "de", "Fits", "de")},
                               {"Voices/b_big.zip", PackOf("b_big", {{"big.wav", QByteArray(3000000, 'w')}})},
                               {"Voices/c_damaged.zip", CSimUpdateServer::VoicePack("c_damaged", "de", "D", "de", true)},
                               {"Voices/f_broken.zip", "no archive"},
                               {"Voices/g_many.zip", PackOf("g_many", many)}}));
    const QString stick = rig.Stick(2) + "Voices";
    QCOMPARE(KLX_Platform::Run("sh", {"-c",
                                      "cd \"$1\" && for p in d_secret e_7z e_lzma e_tar; do mkdir $p && echo x > $p/voice.conf; done"
                                      " && zip -qr -e -P secret d_secret.zip d_secret && bsdtar --format 7zip -cf e_7z.zip e_7z"
                                      " && python3 -c \"import zipfile; zipfile.ZipFile('e_lzma.zip', 'w', zipfile.ZIP_LZMA)"
                                      ".write('e_lzma/voice.conf')\""
                                      " && bsdtar --format ustar -cf e_tar.zip e_tar && rm -r d_secret e_7z e_lzma e_tar",
                                      "sh", stick}),
             0);
    QVERIFY(SetCardFree(rig.fx.root.Path(), 2 << 20));

    QCOMPARE(rig.Start(VT::KLX_TASK_PARA_UPDATE_USB, VT::KLX_LOAD_VOICEPACKS), int(KLX_Done));
    QCOMPARE(rig.status->Take(), QList<int>({16, 11, 12, 13 + (1 | 9 << 8 | 1 << 16) * 256}));
    QCOMPARE(rig.fx.runtime.KLX_RuntimeDatabaseManagerGetSetDialogParameter(QString(), AtomicDirGet),
             QString("files\t-dy.zip\nroom\tb_big.zip\ncheck\tc_damaged.zip\nencrypted\td_secret.zip\narchive\te_7z.zip\n"
                     "compression\te_lzma.zip\narchive\te_tar.zip\nunreadable\tf_broken.zip\nfiles\tg_many.zip"));
    QVERIFY(rig.Reports().isEmpty());
  }
};

QTEST_GUILESS_MAIN(PackageUpdateTest)
#include "tst_packageupdate.moc"
