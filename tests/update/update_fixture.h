#pragma once
// The firmware update task in the test's process, run by the task engine
// against the simulated boot loaders and modem on the test clock. Firmware files come from the simulator's
// generator; the messages the devices received read as words.
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <limits>
#include <memory>

#include "../tasks/tasks_fixture.h"
#include "frame/klx_board.h"
#include "frame/klx_clock.h"
#include "frame/klx_filecalls.h"
#include "frame/klx_filenamehandler.h"
#include "platform/klx_storage.h"
#include "sim/csimfirmware.h"
#include "sim/csimupdateserver.h"
#include "update/klx_firmwareupdate.h"
#include "update/update_server_rig.h"

// The task as the engine runs it, with its final results and progress noted.
class RecordingFirmwareUpdate : public KLX_FirmwareUpdate {
 public:
  std::atomic<int> ends{0};
  std::atomic<int> last{1};

  int KLX_VornBaseStartTask(Task_Data_T t) override { return Note(KLX_FirmwareUpdate::KLX_VornBaseStartTask(t)); }
  int KLX_VornBaseUpdateRunningTask(TaskUpdate_Data_T u, int* e) override {
    return Note(KLX_FirmwareUpdate::KLX_VornBaseUpdateRunningTask(u, e));
  }
  int KLX_VornBaseTimeout() override { return Note(KLX_FirmwareUpdate::KLX_VornBaseTimeout()); }
  // Each change of (overall, detail) progress.
  QList<QPair<int, int>> Progress() const {
    QMutexLocker lock(&m_Mutex);
    return m_Progress;
  }

 private:
  int Note(int result) {
    int overall = 0, detail = 0;
    KLX_VornBaseGetPercent(&overall, &detail);
    {
      QMutexLocker lock(&m_Mutex);
      if (m_Progress.isEmpty() || m_Progress.last() != qMakePair(overall, detail))
        m_Progress << qMakePair(overall, detail);
    }
    if (KLX_TaskResultIsFinal(result)) {
      last = result;
      ++ends;
    }
    return result;
  }
  mutable QMutex m_Mutex;
  QList<QPair<int, int>> m_Progress;
};

// The card under the download of one file, named `name` (in whatever
// folder): that file's writes take `room` bytes in all; the write going
// beyond puts what fits and fails, and the card then has no free space left
// when it `fills`, else stays as it was (a card that fails to write).
// Writes to other files go on as ever. Made before the rig whose downloads
// it serves, so that it outlives their threads; in use from Fill on.
class FillingCard : public KLX_FileCalls {
 public:
  ~FillingCard() override { KLX_FileCalls::Set(nullptr); }
  void Fill(const QString& root, const QString& name, qint64 room, bool fills) {
    m_Root = root;
    m_Name = name;
    m_Room = room;
    m_Fills = fills;
    KLX_FileCalls::Set(this);
  }
  // The bytes the file took.
  qint64 Written() const { return m_Written; }

  bool Write(int fd, const char* data, qint64 size) override {
    const QString path = QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd));
    if (QFileInfo(path).fileName() != m_Name) return KLX_FileCalls::Write(fd, data, size);
    const qint64 fits = qBound<qint64>(0, m_Room - m_Written, size);
    const bool written = KLX_FileCalls::Write(fd, data, fits);
    m_Written += fits;
    if (written && fits == size) return true;
    // A card of a byte, less than what lies on it: no room left (a size of
    // nothing is no size, the host's).
    if (m_Fills) WriteFile(m_Root + "/run/sdcard-size", "1");
    return false;
  }

 private:
  QString m_Root;
  QString m_Name;
  qint64 m_Room = 0;
  bool m_Fills = false;
  std::atomic<qint64> m_Written{0};
};

// The clock of a transfer watch, counting its looks. The watch looks once
// a check and once a piece received, one look after the other in its own
// thread, and no more once it gives the transfer up: two further looks
// after the one that saw a new time show that it went on then.
class LookedAtClock : public KLX_ManualClock {
 public:
  qint64 KLX_ClockNowMs() const override {
    // Counted first: a look counted after a step reads the stepped time.
    ++m_Looks;
    return KLX_ManualClock::KLX_ClockNowMs();
  }
  // Steps the clock; true once the watch has looked at the new time and
  // gone on looking, false when it stopped (it gave the transfer up).
  // The watch of a transfer the server has seen asked for looks at the
  // clock: it begins just after the request is handed on, and a busy
  // machine may run the server first.
  bool Watching(int realMs = kOnlyAHangMs) { return AdvanceAndGoOn(0, realMs); }
  bool AdvanceAndGoOn(qint64 ms, int realMs = kOnlyAHangMs) {
    KLX_ManualClockAdvance(ms);
    const int from = m_Looks;
    return QTest::qWaitFor([&] { return m_Looks >= from + 3; }, realMs);
  }

 private:
  mutable std::atomic<int> m_Looks{0};
};

// The cases of a card that cannot take the served package's 300 KiB program
// ("KLX32LinuxApp", listed as "SZ:307200B;"), shared by the tests of the
// download paths. Their first columns: the program's size line in the list
// (empty: none), the card's free bytes (0: as it is), what the program's
// file takes before a write fails, whether the card is full then, the
// requests the server saw and the bytes the program's file took.
namespace CardCase {
constexpr qint64 kAny = std::numeric_limits<qint64>::max();
inline const QByteArray kListed = "SZ:307200B;\n";
// The requests of a download that ends at the list, or at the program.
inline const QStringList kToList{"KLX32MD5fold.txt 200"};
inline const QStringList kToProgram{"KLX32MD5fold.txt 200", "Update.xml 200", "KLX32LinuxApp 200"};
inline void Columns() {
  QTest::addColumn<QByteArray>("sizeLine");
  QTest::addColumn<qint64>("card");
  QTest::addColumn<qint64>("room");
  QTest::addColumn<bool>("fills");
  QTest::addColumn<QStringList>("asked");
  QTest::addColumn<qint64>("written");
}
// The row's card on `root`, its list served at `servedList`, and the
// program's writes through `filling`.
inline bool Prepare(FillingCard& filling, const QString& root, const QString& servedList) {
  QFETCH(QByteArray, sizeLine);
  QFETCH(qint64, card);
  QFETCH(qint64, room);
  QFETCH(bool, fills);
  if (card > 0 && !SetRoomOnCard(root, card)) return false;
  QByteArray text = ReadFile(servedList);
  if (text.count(kListed) != 1 || !WriteFile(servedList, text.replace(kListed, sizeLine))) return false;
  filling.Fill(root, "KLX32LinuxApp", room, fills);
  return true;
}
}  // namespace CardCase

// The card filling up at one step of an install: at the first call that
// `Fill` names (a removal, a new file or a rename, by the name of the file
// it touches, with its folder's when given; a name ending in "*" by its
// beginning) made in the install's
// thread, the card takes the size that the file FullSize gives it, no room
// left; from then on a write to a file on the card fails when the card
// has no room for it, as on the board. A script fills the card the same
// way. Made before the rig, so that it outlives the install's thread.
class CardFillsAt : public KLX_FileCalls {
 public:
  ~CardFillsAt() override { KLX_FileCalls::Set(nullptr); }
  void Fill(const QString& root, const QString& call, const QString& name, const QThread* thread) {
    m_Root = root;
    m_Call = call;
    m_Name = name;
    m_Thread = thread;
    KLX_FileCalls::Set(this);
  }
  static QString FullSize(const QString& root) { return root + "/run/full-size"; }
  // A script's line that fills the card.
  static QByteArray Script(const QString& root) {
    return QStringLiteral("#!/bin/sh\ncat '%1' > '%2/run/sdcard-size'\n").arg(FullSize(root), root).toUtf8();
  }

  bool Remove(const QString& path) override { return Note("remove", path) && KLX_FileCalls::Remove(path); }
  int Create(const QString& path) override { return Note("create", path) ? KLX_FileCalls::Create(path) : -1; }
  bool Rename(const QString& from, const QString& to) override {
    return Note("rename", to) && KLX_FileCalls::Rename(from, to);
  }
  bool Write(int fd, const char* data, qint64 size) override {
    const QString path = QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd));
    if (path.startsWith(m_Root + "/Vorn/") && KLX_Platform::Volume(m_Root + "/Vorn").bytesAvailable < size)
      return false;
    return KLX_FileCalls::Write(fd, data, size);
  }

 private:
  // Always true: the call goes on, on a card that may be full now.
  bool Note(const char* call, const QString& path) {
    const QString name = m_Name.contains('/') ? path.section('/', -2) : QFileInfo(path).fileName();
    const bool named = name == m_Name || (m_Name.endsWith('*') && name.startsWith(m_Name.chopped(1)));
    if (!m_Filled && named && m_Call == QLatin1String(call) && QThread::currentThread() == m_Thread) {
      m_Filled = true;
      WriteFile(m_Root + "/run/sdcard-size", ReadFile(FullSize(m_Root)));
    }
    return true;
  }

  QString m_Root;
  QString m_Call;
  QString m_Name;
  const QThread* m_Thread = nullptr;
  std::atomic<bool> m_Filled{false};
};

// The steps of an application install at which the card fills, each
// road's rows: what CardFillsAt::Fill takes ("script": the package's script
// of that name fills the card), and whether the new program is installed
// with its mark (else the old one stays with nothing pending, and the card
// without room is told).
namespace FillCase {
// With `roads`, a column "road" before them and the steps of each road.
inline void Rows(const QStringList& roads = {QString()}) {
  if (!roads.first().isEmpty()) QTest::addColumn<QString>("road");
  QTest::addColumn<QString>("call");
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("installed");
  const struct {
    const char* step;
    const char* call;
    const char* name;
    bool installed;
  } steps[] = {{"in the prolog", "script", "vornupdateprolog.sh", false},
               {"as a translation is staged", "create", ".KLX32_de.qm.new*", false},
               {"as the program is staged", "create", ".KLX32LinuxApp.new*", false},
               {"as the mark is written", "create", "Vornstate.xml.*", false},
               {"as the mark is put in place", "rename", "Vornstate.xml", true},
               {"as the program is replaced", "rename", "app/KLX32LinuxApp", true},
               {"in the epilog", "script", "vornupdateepilog.sh", true}};
  for (const QString& road : roads)
    for (const auto& s : steps) {
      QTestData& row = road.isEmpty() ? QTest::newRow(s.step) : QTest::addRow("%s, %s", qPrintable(road), s.step);
      if (!road.isEmpty()) row << road;
      row << QString(s.call) << QString(s.name) << s.installed;
    }
}
// The row's script that fills the card, in `package`.
inline void Script(CSimAppPackage& package, const QString& root) {
  QFETCH(QString, name);
  if (name == "vornupdateprolog.sh") package.prolog = CardFillsAt::Script(root);
  if (name == "vornupdateepilog.sh") package.epilog = CardFillsAt::Script(root);
}
// The card with 64 MiB free until the row's step, in `thread`, fills it.
inline bool Arm(CardFillsAt& card, const QString& root, const QThread* thread) {
  QFETCH(QString, call);
  QFETCH(QString, name);
  if (!SetRoomOnCard(root, 0) || !WriteFile(CardFillsAt::FullSize(root), ReadFile(root + "/run/sdcard-size")) ||
      !SetCardFree(root, 64LL << 20))
    return false;
  if (call != "script") card.Fill(root, call, name, thread);
  return true;
}
}  // namespace FillCase

// The update status values as the test's thread receives them.
struct StatusLog : QObject {
  QList<int> states;
  explicit StatusLog(KLX_DataBaseManager* db) {
    connect(db, &KLX_DataBaseManager::updateStatus, this, [this](int s) { states << s; }, Qt::QueuedConnection);
  }
  QList<int> Take() {
    QCoreApplication::processEvents();
    const QList<int> out = states;
    states.clear();
    return out;
  }
};

// The devices' messages as words: to a controller's boot loader "S" state,
// "M<mode>", "E" erase, "R<row>", "P<part>@<offset>+<length>", "W<row>:<mask>";
// to the modem "on", "off", "info"; to the receiver "r<command>" (2 state,
// 9 information, 1 end, 3 start), "R<row>", "p<part>[*]@<offset>+<length>"
// (* ends the row), "w<row>:<mask>"; over the sensor bus "q<type>".
inline QString FirmwareTrace(const QList<CSimMessage>& messages) {
  QStringList words;
  for (const CSimMessage& m : messages) {
    const auto b = [&m](int i) { return i < m.data.size() ? int(quint8(m.data[i])) : -1; };
    const auto w = [&](int i) { return b(i) | (b(i + 1) << 8); };
    if (m.node != SimNodeApplication) continue;
    if (m.id == CSimFirmware::kStickPacketId || m.id == CSimFirmware::kTransceiverPacketId) {
      switch (b(0)) {
        case 2: words << "S"; break;
        case 3: words << QStringLiteral("M%1").arg(b(1)); break;
        case 9: words << "E"; break;
        case 5: words << QStringLiteral("R%1").arg(w(1)); break;
        case 6: words << QStringLiteral("P%1@%2+%3").arg(b(1)).arg(w(2)).arg(b(4)); break;
        case 8: words << QStringLiteral("W%1:%2").arg(w(1)).arg(w(3)); break;
        default: words << QStringLiteral("?%1").arg(b(0)); break;
      }
    } else if (m.id == SimModemMode) {
      words << (b(0) == 1 ? "on" : b(0) == 0 ? "off" : "info");
    } else if (m.id == SimModemData) {
      switch (b(0)) {
        case 5: words << QStringLiteral("R%1").arg(w(1)); break;
        case 6:
          words << QStringLiteral("p%1%2@%3+%4").arg(b(1) & 0x0F).arg(b(1) & 0x80 ? "*" : "").arg(w(2)).arg(b(4));
          break;
        case 8: words << QStringLiteral("w%1:%2").arg(w(1)).arg(w(3)); break;
        default: words << QStringLiteral("r%1").arg(b(0)); break;
      }
    } else if (m.id == SimSensorBusCommand && b(0) == 0x71) {
      words << QStringLiteral("q%1").arg(b(3));
    }
  }
  return words.join(' ');
}

// The reports of the firmware update and of the XML files a case made;
// what the other parts report on the way (the runtime read-outs started and
// stopped, the saver, the missing GUI command layer) is left out.
inline QList<QPair<unsigned, QString>> TaskReports(VornErrorWatch& errors) {
  QList<QPair<unsigned, QString>> out;
  for (const auto& r : errors.TakeReports())
    if ((r.first & 0xFF00) == 0x3600 || (r.first & 0xFF00) == 0x2800) out << r;
  return out;
}


struct FirmwareRig : TaskRig {
  RecordingFirmwareUpdate task;
  std::unique_ptr<StatusLog> status;
  int mark = 0;
  // The task's ends counted when the last request was queued.
  int endsBefore = 0;

  // Every update stops and starts the runtime read-outs; the task engine
  // tells a GUI command layer that this rig does not bring up.
  FirmwareRig() { errors.Expect({0x33901, 0x33902, 0x12902}); }

  bool Up() {
    if (!Start()) return false;
    task.KLX_FirmwareUpdateSetClock(&clock);
    KLX_ProcessVorn& engine = Vorn().KLX_VornHandlerEngine();
    engine.KLX_ProcessVornSetTaskObject(KLX_VornTask::KLX_TASK_UPDATE_FIRMWARE, &task);
    engine.KLX_ProcessVornSetTaskObject(KLX_VornTask::KLX_TASK_UPDATE_FW_ONBOARD, &task);
    status = std::make_unique<StatusLog>(&Db());
    StartProcessing();
    ToNormalMode();
    return true;
  }
  ~FirmwareRig() {
    // The engine lets go of the task before it goes.
    Vorn().KLX_VornHandlerStop();
  }

  QString UpdateFolder() const { return KLX_FileNameHandler().KLX_FileNameHandlerGetUpdateFilePath(); }
  static bool Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
  }
  // "Update.xml" offering the stick controller ("SC") and the transceiver
  // controller their files in the update folder.
  bool PutPackage(const CSimFirmwareSpec& stick, const CSimFirmwareSpec& transceiver) {
    const QString devices =
        QStringLiteral("<DEVICE><Name>SC</Name><Major>%1</Major><Minor>%2</Minor><Filename>SC.bin</Filename>"
                       "<Typ>16</Typ></DEVICE><DEVICE><Name>TC</Name><Major>%3</Major><Minor>%4</Minor>"
                       "<Filename>TC.bin</Filename><Typ>17</Typ></DEVICE>")
            .arg(stick.major)
            .arg(stick.minor)
            .arg(transceiver.major)
            .arg(transceiver.minor);
    const QString xml = "<?xml version=\"1.0\"?><vornupdate version=\"1.0\"><UPDATE><Target>Vorn</Target>"
                        "<VersionMajor>3</VersionMajor><VersionMinor>91</VersionMinor>" +
                        devices + "</UPDATE></vornupdate>";
    return Put(UpdateFolder() + "Update.xml", xml.toUtf8()) &&
           Put(UpdateFolder() + "SC.bin", CSimFirmware::File(stick)) &&
           Put(UpdateFolder() + "TC.bin", CSimFirmware::File(transceiver));
  }
  // The stick controller's file for a recovery (the bookkeeping names it).
  bool PutStickFile(const QByteArray& bytes) {
    Db().KLX_DataBaseManagerUpdate_Set_Device_Name("SC");
    Db().KLX_DataBaseManagerUpdateSetGetDeviceFilename("SC.bin", "SC", AtomicDirSet);
    return Put(UpdateFolder() + "SC.bin", bytes);
  }
  // A receiver file in the receiver folder, as the screens name it.
  bool PutReceiverFile(const QByteArray& bytes) {
    return Put(KLX_FileNameHandler().KLX_FileNameHandlerGetReceiverUpdateFilePath() + "RX.bin", bytes);
  }
  void QueueStick() {
    Queue(KLX_VornTask::KLX_TASK_UPDATE_FIRMWARE, KLX_FirmwareUpdate::KLX_FW_MODE_CONTROLLERS,
          KLX_FirmwareUpdate::kSelectStick);
  }
  void QueueReceiver(int para3) {
    Queue(KLX_VornTask::KLX_TASK_UPDATE_FW_ONBOARD, KLX_FirmwareUpdate::KLX_FW_MODE_RECEIVER_FILE, para3, "RX.bin",
          "/Vorn/Update/Receiver/");
  }
  void Queue(int taskId, int mode, int para3, const QString& text1 = QString(), const QString& text2 = QString()) {
    Task_Data_T t;
    t.task = taskId;
    t.paraint2 = mode;
    t.paraint3 = para3;
    KLX_TaskSetText(t.parastr1, text1);
    KLX_TaskSetText(t.parastr2, text2);
    t.timeout = 2000;
    t.repeat = 7;
    t.source = KLX_VornTask::KLX_TASK_SOURCE_VORN;
    endsBefore = task.ends;
    Vorn().KLX_VornHandlerQueueProcessTask(t);
  }
  // Nothing is on its way: the program's messages reached the controllers
  // and every frame they answered with was read by the program.
  bool Settled() {
    const int before = sim.Received(KLX_MSG_RADIO_TEST_BANDWIDTH);
    if (protocol.KLX_ProtocolSendMessage(0, nullptr, KLX_MSG_RADIO_TEST_BANDWIDTH, KLX_NODE_APPLICATION) != KLX_Ok)
      return false;
    // Round trips take microseconds: look often, without an event loop.
    QElapsedTimer waited;
    waited.start();
    while (sim.Received(KLX_MSG_RADIO_TEST_BANDWIDTH) <= before ||
           sim.FramesQueued() != protocol.KLX_ProtocolFramesRead()) {
      if (waited.elapsed() > kOnlyAHangMs) return false;
      QThread::usleep(20);
    }
    return true;
  }
  // Steps the clock 10 ms at a time, each step once nothing is on its way,
  // until the task queued last has ended and the engine let go of it; the
  // simulated time taken in *elapsed.
  bool RunToEnd(qint64* elapsed = nullptr, qint64 maxMs = 60000) {
    const qint64 start = clock.KLX_ClockNowMs();
    while (task.ends == endsBefore) {
      if (clock.KLX_ClockNowMs() - start > maxMs || !Settled() || !Run(10)) return false;
    }
    if (elapsed) *elapsed = clock.KLX_ClockNowMs() - start;
    return QTest::qWaitFor([&] { return Vorn().KLX_VornHandlerEngine().KLX_ProcessVornCurrentTask() == 0; },
                           kOnlyAHangMs) &&
           Settled();
  }
  QString Trace() { return FirmwareTrace(sim.ReceivedMessages().mid(mark)); }
  void Mark() { mark = sim.ReceivedMessages().size(); }
};

// A package's files as a stick carries them, with its default list made
// again without `unlisted`, which stay beside it.
inline QList<CSimFile> Unlisted(const CSimAppPackage& package, const QStringList& unlisted) {
  QList<CSimFile> files = package.Files();
  files.removeLast();
  QList<CSimFile> listed;
  for (const CSimFile& f : files)
    if (!unlisted.contains(f.path)) listed << f;
  files.append({KLX_FileNameHandler::UPDATE_MD5FileName, CSimUpdateServer::ChecksumList(listed, false)});
  return files;
}

// Files of a package as a list of names, in its order.
inline QStringList Names(const QList<CSimFile>& files) {
  QStringList names;
  for (const CSimFile& f : files) names << f.path;
  return names;
}
