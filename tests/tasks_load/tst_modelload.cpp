// The model loader against the simulated transceiver controller: the exact
// messages of a load, the checksums both sides log, a second start that
// finds the model still in the controller, every way a controller can
// answer a load badly, and the copy of trims between flight modes.
#include <atomic>
#include <QTextCodec>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "frame/klx_board.h"
#include "model/engine/kl_engine.h"
#include "tasks_load/tasks_load_fixture.h"

Q_DECLARE_METATYPE(CSimAnswerKnobs)
using Edit = std::function<void(KLX_DataBaseManager&)>;
Q_DECLARE_METATYPE(Edit)

namespace {
// The real-time bound of a wait for a condition: only a hang reaches it.
constexpr int kHangMs = LoadRig::kHangMs;
using VT = KLX_VornTask;
constexpr unsigned kRetries = 0x22002;
constexpr unsigned kStartRefused = 0x22004;
constexpr unsigned kHeaderRefused = 0x22006;
constexpr unsigned kCrc = 0x42603;
constexpr unsigned kCrcTc = 0x42604;
constexpr unsigned kLoaded = 0x4200A;
constexpr unsigned kFastStarted = 0x4200B;
constexpr unsigned kRuntimeStarted = 0x33901;
constexpr unsigned kRuntimeStopped = 0x33902;
constexpr unsigned kNoUnlock = 0x2200E;

const QString kSmallModel =
    "S H0:1:48 U0.0 H5:1:26 U5.0 H8:1:1 U8.0 H9:6:6 U9.0 U9.1 U9.2 U9.3 U9.4 U9.5 H10:1:1 U10.0 E";

QString Hex8(unsigned v) { return QStringLiteral("%1").arg(v, 8, 16, QChar('0')).toUpper(); }

// The fatal, error and warning codes reported, in order, without the
// runtime processing's stop and start around every load.
QList<unsigned> Failures(VornErrorWatch& errors) {
  QList<unsigned> out;
  for (unsigned code : errors.TakeCodes())
    if (VornErrorWatch::IsFailure(code) && code != kRuntimeStarted && code != kRuntimeStopped) out << code;
  return out;
}

// No reading thread of any loader is left: a read held by a case has ended.
bool NoReaderLeft() {
  return QTest::qWaitFor([] { return KLX_ModelLoader::KLX_ModelLoaderReadersAlive() == 0; }, kHangMs);
}

// A model file on a card that hangs: a pipe in the file's place, which the
// read opens and then waits on for bytes that never come, until the pipe's
// other end is closed.
class HangingFile {
 public:
  explicit HangingFile(const QString& path) : m_Path(path) {
    QFile::remove(path);
    m_Made = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
  }
  ~HangingFile() { Release(Take()); }
  HangingFile(const HangingFile&) = delete;
  HangingFile& operator=(const HangingFile&) = delete;
  // A read has opened the file and waits for its bytes.
  bool Held() {
    return m_Made && QTest::qWaitFor([this] {
             m_Fd = ::open(QFile::encodeName(m_Path).constData(), O_WRONLY | O_NONBLOCK);
             return m_Fd >= 0;
           }, kHangMs);
  }
  int Take() {
    const int fd = m_Fd;
    m_Fd = -1;
    return fd;
  }
  // The read held by `fd` goes on: the file has ended.
  static void Release(int fd) {
    if (fd >= 0) ::close(fd);
  }

 private:
  QString m_Path;
  bool m_Made = false;
  int m_Fd = -1;
};

CSimMessage Find(const QList<CSimMessage>& all, int id) {
  for (const CSimMessage& m : all)
    if (m.id == id) return m;
  return {};
}
}  // namespace

class ModelLoadTest : public QObject {
  Q_OBJECT

 private slots:
  // File names beyond ASCII, as on the board, whatever the test's locale.
  void initTestCase() { QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8")); }

  // The whole exchange of a load, byte by byte where it is fixed, and what
  // both sides hold afterwards. Name and folder are UTF-8 beyond ASCII.
  void normalLoad() {
    LoadRig r;
    QVERIFY(r.Up());
    VornErrorWatch errors;
    errors.Expect({kRuntimeStarted, kRuntimeStopped});
    const QString name = QString::fromUtf8("Möwe");
    // The board's own path: requests carry at most 39 bytes.
    const QString folder = QString::fromUtf8("/Vorn/Model/Plane/Küste");
    QVERIFY(r.SaveModel(name, folder));
    const qint64 bytes = QFileInfo(r.link.root.Path() + folder + "/" + name + ".xml").size();
    errors.Clear();
    // What the saving sent has reached the controller: the load's messages come first.
    QVERIFY(r.Settled());
    r.Mark();
    r.QueueLoad(name, false, folder);
    QTRY_COMPARE_WITH_TIMEOUT(r.Trace(), kSmallModel, kHangMs);
    QVERIFY(r.Idle());

    const QList<CSimMessage> sent = r.sim.ReceivedMessages().mid(r.mark);
    QCOMPARE(sent.first().data, QByteArray::fromHex("0108000000000000"));
    QCOMPARE(Find(sent, SimUnitFirst + 11).data, QByteArray::fromHex("00640038ff2c0170fe36fc"));
    for (const CSimMessage& m : sent)
      if (m.id == SimLoader && quint8(m.data[1]) == SimLoaderHeader) {
        QCOMPARE(m.data.mid(5), QByteArray(3, '\0'));
        break;
      }
    CSimMessage end;
    for (const CSimMessage& m : sent)
      if (m.id == SimLoader) end = m;
    QCOMPARE(end.data, QByteArray::fromHex("0102000000000000"));

    // Both sides hold the same model: the controller took every unit whole.
    const unsigned crc = r.Db().KLX_DataBaseManagerCalculateModelCRC(false);
    QVERIFY(r.sim.TransceiverController().HoldsModel());
    QCOMPARE(r.sim.TransceiverController().HeldChecksum(), crc);
    QCOMPARE(r.sim.TransceiverController().Seen().loadsEnded, 1);
    const QList<QPair<unsigned, QString>> reports = errors.TakeReports();
    QVERIFY(reports.contains({kCrc, "Model CRC on NORMAL start-up, linux side: 0x" + Hex8(crc)}));
    QVERIFY(reports.contains(
        {kLoaded, folder + "/" + name + ".xml (" + QString::number(bytes) + " bytes) is loaded successfully!"}));
    QCOMPARE(r.Db().KLX_DataBaseManagerVornPropertiesGetModelName(), name);
    QCOMPARE(r.Db().KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet), folder);
    QCOMPARE(r.Db().KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet), int(VT::KLX_MODELLLOAD_STATUS_READY));
    QVERIFY(r.Db().KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet));
    QVERIFY(!r.Db().KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirGet));
    QVERIFY(!r.Db().KLX_DataBaseManagerGetModelModifyFlag());
  }
  // A model file that cannot be read at start-up: the model stays the
  // current one and its file is named as not loaded; the file stays as it
  // was, an edit is not saved over it and "Vornstate.xml" still names the
  // model, so that the start after a repair loads it.
  void aFailedStartupLoadKeepsTheModel() {
    LoadRig r;
    QVERIFY(r.Start());
    QCOMPARE(r.files.KLX_XMLFileHandlerInitialize(&r.Db()), int(KLX_Ok));
    KLX_DataBaseManager& db = r.Db();
    VornErrorWatch errors;
    errors.Expect({kRuntimeStarted, kRuntimeStopped, 0x2150B, 0x22008, 0x3460D});
    QVERIFY(r.SaveModel("Glider"));
    const QString file = r.link.root.Path() + "/Vorn/Model/Plane/Glider.xml";
    const QByteArray whole = ReadFile(file);
    const QByteArray damaged = whole.left(whole.size() / 2);
    QVERIFY(WriteFile(file, damaged));
    // As read from "Vornstate.xml" at the start.
    db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet, false);
    db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(1, AtomicDirSet, false);
    db.KLX_DataBaseManagerSetVornModifyFlag(false);
    r.link.runtime.KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(1, true);
    r.StartProcessing();
    QCOMPARE(r.Vorn().KLX_VornHandlerStartVorn(), int(KLX_Ok));
    QTRY_COMPARE_WITH_TIMEOUT(r.Phase(), int(VT::KLX_PHASE_SYSTEM_UP), kHangMs);
    QVERIFY(r.Idle());
    QCOMPARE(db.KLX_DataBaseManagerVornPropertiesGetModelName(), QString("Glider"));
    QCOMPARE(db.KLX_DataBaseManagerVornPropertiesGetFailedFile(), QString("/Vorn/Model/Plane/Glider.xml"));
    // Set aside once under a name that says so, not made a backup.
    const QString backup = r.link.root.Path() + "/Vorn/Model/Plane/Backup/";
    QCOMPARE(QDir(backup).entryList({"Glider_*_unreadable.xml"}).size(), 1);

    // An edit and a save: the file is not written, the state file keeps the name.
    KLX_XMLFileSaver* saver = db.KLX_DatabaseManagerXMLFileSaverPtr();
    saver->KLX_XMLFileSaverStartProcessing();
    const int passes = saver->KLX_XMLFileSaverPasses();
    db.KLX_DataBaseManagerFunctionGetSet_IsUsed(3, 1, AtomicDirSet, false);
    db.KLX_DataBaseManagerSetVornModifyFlag(true);
    db.KLX_DataBaseManagerForceSavingXMLFiles(false);
    QTRY_VERIFY_WITH_TIMEOUT(saver->KLX_XMLFileSaverPasses() > passes, kHangMs);
    QCOMPARE(ReadFile(file), damaged);
    QVERIFY(ReadFile(r.link.root.Path() + "/Vorn/Vornstate/Vornstate.xml")
                .contains("<Modelname>Glider</Modelname>"));

    // Repaired, the model loads and is saved again.
    QVERIFY(WriteFile(file, whole));
    r.QueueLoad("Glider");
    QTRY_VERIFY_WITH_TIMEOUT(db.KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet) ==
                                 int(VT::KLX_MODELLLOAD_STATUS_READY), kHangMs);
    QCOMPARE(db.KLX_DataBaseManagerVornPropertiesGetFailedFile(), QString());
    QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 0, AtomicDirGet, false), 1);
    QVERIFY(r.Idle());
    QVERIFY(r.Flushed());
  }

  // A second start: the controller still holds the model, so only the
  // checksums are compared and nothing of the model is sent; a controller
  // whose model differs raises the alarm but the start completes; one that
  // holds no model gets the normal load in the same run; one that never
  // releases the controls ends the start after the last time-out.
  void secondStartFastStarts_data() {
    QTest::addColumn<bool>("loadFirst");
    QTest::addColumn<bool>("differs");
    QTest::addColumn<bool>("readySilent");
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<QList<unsigned>>("codes");
    QTest::newRow("model held: checksums only") << true << false << false << QList<int>{} << "P0 P1 R"
                                                << QList<unsigned>{};
    QTest::newRow("held model differs: alarm, start completes")
        << true << true << false << QList<int>{} << "P0 P1 R" << QList<unsigned>{};
    QTest::newRow("no model held: the normal load follows")
        << false << false << false << QList<int>{} << "P0 P1 " + kSmallModel << QList<unsigned>{};
    QTest::newRow("controls never released: ready three times more, then done")
        << true << false << true << QList<int>{15000, 15000, 15000, 15000} << "P0 P1 R R R R"
        << QList<unsigned>{kNoUnlock, kNoUnlock, kNoUnlock};
  }
  void secondStartFastStarts() {
    QFETCH(bool, loadFirst);
    QFETCH(bool, differs);
    QFETCH(bool, readySilent);
    QFETCH(QList<int>, steps);
    QFETCH(QString, trace);
    QFETCH(QList<unsigned>, codes);
    LoadRig r;
    QVERIFY(r.Up());
    VornErrorWatch errors;
    errors.Expect({kRuntimeStarted, kRuntimeStopped, kNoUnlock});
    QVERIFY(loadFirst ? r.Loaded() : r.SaveModel("Glider"));
    if (loadFirst) r.Db().KLX_DataBaseManagerResetAllModelData();
    const unsigned held = r.sim.TransceiverController().HeldChecksum();
    if (differs) r.sim.TransceiverController().SetChecksumOverride(true, 0x12345678);
    if (readySilent) r.sim.TransceiverController().Answers().Set(CSimTransceiver::KeyAppReady, {0, true, false, 1});
    r.Db().KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(true, AtomicDirSet);
    errors.Clear();
    r.Mark();
    r.QueueLoad("Glider", true);
    if (!steps.isEmpty()) QTRY_COMPARE_WITH_TIMEOUT(r.Trace(), QString("P0 P1 R"), kHangMs);
    QVERIFY(r.Steps(steps));
    QTRY_COMPARE_WITH_TIMEOUT(r.Trace(), trace, kHangMs);
    QVERIFY(r.Idle());

    const unsigned crc = r.Db().KLX_DataBaseManagerCalculateModelCRC(false);
    const QList<QPair<unsigned, QString>> reports = errors.Reports();
    QCOMPARE(Failures(errors), codes);
    QCOMPARE(r.sim.TransceiverController().HeldChecksum(), crc);
    if (loadFirst) {
      QCOMPARE(crc, held);
      QVERIFY(reports.contains({kCrc, "Model CRC on FAST start-up, linux side: 0x" + Hex8(crc)}));
      QCOMPARE(reports.contains({kCrcTc, "Model CRC on start-up, TC side: 0x12345678"}), differs);
      QCOMPARE(r.Db().KLX_DataBaseManagerModelCRCGetSet_AlarmBadModelDataFlag(false, AtomicDirGet), differs);
      int fastReports = 0;
      for (const auto& report : reports) fastReports += report.first == kFastStarted ? 1 : 0;
      QCOMPARE(fastReports, readySilent ? 2 : 1);
      // The controls count as locked until the controller says they are free.
      QCOMPARE(r.Db().KLX_DataBaseManagerGetSet_ControlsLocked(false, AtomicDirGet), readySilent ? 1 : 0);
      QCOMPARE(r.sim.TransceiverController().Seen().loadsStarted, 1);
    } else {
      QVERIFY(!r.Db().KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirGet));
      QCOMPARE(r.Db().KLX_DataBaseManagerGetSetBootStatus(0, AtomicDirGet), int(VT::KLX_BOOT_STATUS_NORMAL));
    }
    QCOMPARE(r.Db().KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet), int(VT::KLX_MODELLLOAD_STATUS_READY));
    // The model the controller keeps survives its power cycle.
    CSimControllers again(r.link.root.Path());
    QCOMPARE(again.TransceiverController().HeldChecksum(), crc);
  }

  // An edit made after the load goes to the controller as one field; the
  // controller puts it where the program has it, so both records and both
  // checksums stay alike. One field of each kind, inside the blocks of
  // flight modes, servo slots, conditions and waypoints.
  void anEditKeepsBothSidesAlike_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    const int S = AtomicDirSet;
    QTest::newRow("function, flight mode 3") << Edit([S](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateLo(0, 3, -40, S, true);
    }) << int(CSimModel::Function) << 0;
    QTest::newRow("function, negative expo") << Edit([S](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManagerFunctionGetSet_Setup_FlexExpoNegCenter(0, 2, 30, S, true);
    }) << int(CSimModel::Function) << 0;
    QTest::newRow("function, servo slot 4") << Edit([S](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(0, 4, 7, S, true);
    }) << int(CSimModel::Function) << 0;
    QTest::newRow("flight mode, no-fade entry 3") << Edit([S](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManagerFlightmodeGetSet_NoFadeInFuncIdxs(2, 3, 5, S, true);
    }) << int(CSimModel::Flightmode) << 2;
    QTest::newRow("limiter, lower limit of flight mode 1") << Edit([S](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManagerLimiterGetSet_Below_Hi(0, 1, 60, S, true);
    }) << int(CSimModel::Limiter) << 0;
    QTest::newRow("mixer, flight mode 2") << Edit([S](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManagerMixerGetSet_Setup_GainLo(1, 2, -30, S, true);
    }) << int(CSimModel::Mixer) << 1;
    QTest::newRow("sequencer, backward waypoint 3 of servo 2") << Edit([S](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManagerSequencerGetSet_SrvPosition(0, 2, 1, 3, 50, S, true);
    }) << int(CSimModel::Sequencer) << 0;
    QTest::newRow("servo, mixer 2's curve") << Edit([S](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_ServoCurveIndex(0, 2, 5, S, true);
    }) << int(CSimModel::ServoConfig) << 0;
    QTest::newRow("curve, point 7") << Edit([S](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManagerCurveGetSet_CurveValue(4, 7, 50, S, true);
    }) << int(CSimModel::Curve) << 4;
    QTest::newRow("virtual switch, second condition") << Edit([S](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(3, 1, 40, S, true);
    }) << int(CSimModel::VSwitch) << 3;
    QTest::newRow("flight-mode assignment, entry 5") << Edit([S](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(5, 2, S, true);
    }) << int(CSimModel::FmAssign) << 0;
    QTest::newRow("trim, flight mode 0's value copied to 2") << Edit([](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManager_TrimFlightModeCopyTo(1, 0, 2, true);
    }) << int(CSimModel::Trim) << 1;
  }
  void anEditKeepsBothSidesAlike() {
    QFETCH(Edit, edit);
    QFETCH(int, kind);
    QFETCH(int, index);
    LoadRig r;
    QVERIFY(r.Up());
    VornErrorWatch errors;
    // The elements stand alone: the checker finds their set-ups incomplete.
    errors.Expect({kRuntimeStarted, kRuntimeStopped, 0x14905, 0x14906, 0x14907});
    const int S = AtomicDirSet;
    QVERIFY(r.SaveModel("Glider", QString(), [S](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(2, 1, S, false);
      d.KLX_DataBaseManagerLimiterGetSet_IsUsed(0, 1, S, false);
      d.KLX_DataBaseManagerMixerGetSet_IsUsed(1, 1, S, false);
      d.KLX_DataBaseManagerSequencerGetSet_IsUsed(0, 1, S, false);
      d.KLX_DataBaseManagerCurveGetSet_IsUsed(4, 1, S, false);
      d.KLX_DataBaseManagerSwitchGetSet_IsUsed(3, 1, S, false);
      d.KLX_DataBaseManagerTrimGetSetTrimValue(1, 0, 100, S, false);
    }));
    r.QueueLoad("Glider");
    QTRY_VERIFY_WITH_TIMEOUT(r.sim.TransceiverController().Seen().loadsEnded == 1, kHangMs);
    QVERIFY(r.Idle());
    QCOMPARE(r.sim.TransceiverController().HeldModel().Record(kind, index), ProgramRecord(r.Db(), kind, index));
    const QByteArray before = ProgramRecord(r.Db(), kind, index);
    edit(r.Db());
    QVERIFY(ProgramRecord(r.Db(), kind, index) != before);
    QVERIFY(r.Flushed());
    QCOMPARE(r.sim.TransceiverController().Seen().fieldsUnknown, 0);
    QCOMPARE(r.sim.TransceiverController().HeldModel().Record(kind, index), ProgramRecord(r.Db(), kind, index));
    QCOMPARE(r.sim.TransceiverController().HeldChecksum(), r.Db().KLX_DataBaseManagerCalculateModelCRC(false));
  }

  // The functions go out while the rest of the file is still read. A file of
  // the larger board read on the smaller one renumbers its flight modes at
  // the end of the file, which moves the functions' settings: the functions
  // that went out first go again as the file left them, and both sides end
  // alike.
  void functionsChangedLaterInTheFileGoAgain() {
    LoadRig r;
    QVERIFY(r.Up());
    VornErrorWatch errors;
    // The flight mode stands alone: the checker finds its set-up incomplete.
    errors.Expect({kRuntimeStarted, kRuntimeStopped, 0x14905});
    const int S = AtomicDirSet;
    QVERIFY(r.SaveModel("Glider", QString(), [S](KLX_DataBaseManager& d) {
      d.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(20, 1, S, false);
      d.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(2, 20, S, false);
      d.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 1, S, false);
      d.KLX_DataBaseManagerFunctionSetSetup(0);
      d.KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateLo(0, 20, -40, S, false);
    }));
    // The same card in the smaller transmitter.
    QVERIFY(CSimBoard(r.link.root.Path(), CSimBoard::Fenk).Prepare());
    struct Smaller {
      Smaller() { Switch(KL_BOARD_FENK, E_BoardFenk); }
      ~Smaller() { Switch(KL_BOARD_VORN, E_BoardVorn); }
      static void Switch(int variant, E_BoardType type) {
        kl_engine_init_parameters(variant);
        Board::Free();
        Board::Init(type);
      }
    } smaller;
    errors.Clear();
    r.Mark();
    r.QueueLoad("Glider");
    QTRY_VERIFY_WITH_TIMEOUT(r.sim.TransceiverController().Seen().loadsEnded == 1, kHangMs);
    QVERIFY(r.Idle());
    QCOMPARE(r.Trace(), QString("S H0:1:32 U0.0 H0:1:32 U0.0 H1:1:9 U1.1 H5:1:18 U5.0 H8:1:1 U8.0 H9:6:6 U9.0 U9.1 U9.2 "
                                "U9.3 U9.4 U9.5 H10:1:1 U10.0 E"));
    // Flight mode 20 is flight mode 1 now, with the function's setting.
    QCOMPARE(r.Db().KLX_DataBaseManagerFunctionGetSet_Setup_FlexRateLo(0, 1, 0, AtomicDirGet, false), -40);
    QCOMPARE(r.sim.TransceiverController().HeldChecksum(), r.Db().KLX_DataBaseManagerCalculateModelCRC(false));
    QCOMPARE(r.sim.TransceiverController().HeldModel().Record(CSimModel::Function, 0),
             ProgramRecord(r.Db(), CSimModel::Function, 0));
  }

  // Every way a controller can answer a load badly, and where the load ends.
  void recoveryPaths_data() {
    QTest::addColumn<int>("key");       // the answer the knob is on (0: a unit fault)
    QTest::addColumn<CSimAnswerKnobs>("knobs");
    QTest::addColumn<int>("faultUnit");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("before");  // the messages before the clock is stepped
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<QList<unsigned>>("codes");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<bool>("kept");  // the program still holds the model it read
    QTest::addColumn<bool>("timedOut");  // ended with its time-out result
    using T = CSimTransceiver;
    const CSimAnswerKnobs refuse{0, false, true, 1};
    const CSimAnswerKnobs silent{0, true, false, 1};
    const QString rest = "H5:1:26 U5.0 H8:1:1 U8.0 H9:6:6 U9.0 U9.1 U9.2 U9.3 U9.4 U9.5 H10:1:1 U10.0 E";
    QTest::newRow("start refused: stop, no load") << int(T::KeyLoadStart) << refuse << -1 << 0 << QString() << QList<int>{}
                                                  << "S X" << QList<unsigned>{kStartRefused} << false << false << false;
    QTest::newRow("unit header refused: stop, no load")
        << int(T::KeyUnitHeader) << refuse << -1 << 0 << QString() << QList<int>{} << "S H0:1:48 X"
        << QList<unsigned>{kHeaderRefused} << false << true << false;
    QTest::newRow("unit damaged: the unit again") << 0 << CSimAnswerKnobs{} << 1 << int(T::Damaged) << QString() << QList<int>{}
                                                  << "S H0:1:48 U0.0 H5:1:26 U5.0 U5.0 H8:1:1 U8.0 H9:6:6 U9.0 "
                                                     "U9.1 U9.2 U9.3 U9.4 U9.5 H10:1:1 U10.0 E"
                                                  << QList<unsigned>{} << true << true << false;
    QTest::newRow("answer for another kind: the unit again")
        << 0 << CSimAnswerKnobs{} << 0 << int(T::WrongKind) << QString() << QList<int>{} << "S H0:1:48 U0.0 U0.0 " + rest
        << QList<unsigned>{} << true << true << false;
    QTest::newRow("answer for another index: the whole kind again")
        << 0 << CSimAnswerKnobs{} << 0 << int(T::WrongIndex) << QString() << QList<int>{} << "S H0:1:48 U0.0 H0:1:48 U0.0 " + rest
        << QList<unsigned>{} << true << true << false;
    QTest::newRow("count of all units before the last: the kind from its first unit")
        << 0 << CSimAnswerKnobs{} << 3 << int(T::WrongCount) << QString() << QList<int>{}
        << "S H0:1:48 U0.0 H5:1:26 U5.0 H8:1:1 U8.0 H9:6:6 U9.0 H9:6:6 U9.0 U9.1 U9.2 U9.3 U9.4 U9.5 H10:1:1 U10.0 E"
        << QList<unsigned>{} << true << true << false;
    QTest::newRow("end refused: stop and end again, four times, then no load")
        << int(T::KeyLoadEnd) << refuse << -1 << 0 << QString() << QList<int>{}
        << "S H0:1:48 U0.0 " + rest + " X E X E X E X" << QList<unsigned>{kRetries} << false << true << false;
    // The first end's answer may still come: the load waits for it one more time-out before it ends.
    QTest::newRow("end answered on the second try: one time-out, and one for the first answer")
        << int(T::KeyLoadEnd) << CSimAnswerKnobs{0, false, false, 2} << -1 << 0 << "S H0:1:48 U0.0 " + rest
        << QList<int>{15000, 15000}
        << "S H0:1:48 U0.0 " + rest + " E" << QList<unsigned>{} << true << true << false;
    QTest::newRow("start never answered: three more starts, then the model is cleared")
        << int(T::KeyLoadStart) << silent << -1 << 0 << "S" << QList<int>{15000, 15000, 15000, 15000} << "S S S S X"
        << QList<unsigned>{kRetries} << false << false << true;
      // A controller that keeps answering badly after each accepted start or
    // header: the restarts count from the task's start, and the load ends
    // with its time-out result, the model left as it was read.
    QTest::newRow("every unit answered with no loader answer: four starts, then the time-out")
        << 0 << CSimAnswerKnobs{} << -2 << int(T::NotAnAnswer) << QString() << QList<int>{}
        << "S H0:1:48 U0.0 X S H0:1:48 U0.0 X S H0:1:48 U0.0 X S H0:1:48 U0.0 X" << QList<unsigned>{kRetries} << false
        << true << true;
    QTest::newRow("every unit answered for the next index: the kind four times, then the time-out")
        << 0 << CSimAnswerKnobs{} << -2 << int(T::WrongIndex) << QString() << QList<int>{}
        << "S H0:1:48 U0.0 H0:1:48 U0.0 H0:1:48 U0.0 H0:1:48 U0.0 X" << QList<unsigned>{kRetries} << false << true
        << true;
    // Each unit answered just within its time-out: the load ends once its
    // four tries' time (60 s) has passed since it started.
    QTest::newRow("units answered 14 s late: ended after 60 s")
        << int(T::KeyUnit) << CSimAnswerKnobs{14000, false, false, 1} << -1 << 0 << "S H0:1:48 U0.0"
        << QList<int>{14000, 14000, 14000, 14000, 14000}
        << "S H0:1:48 U0.0 H5:1:26 U5.0 H8:1:1 U8.0 H9:6:6 U9.0 U9.1 X" << QList<unsigned>{kRetries} << false << true
        << true;
  }

void recoveryPaths() {
    QFETCH(int, key);
    QFETCH(CSimAnswerKnobs, knobs);
    QFETCH(int, faultUnit);
    QFETCH(int, fault);
    QFETCH(QString, before);
    QFETCH(QList<int>, steps);
    QFETCH(QString, trace);
    QFETCH(QList<unsigned>, codes);
    QFETCH(bool, loaded);
    QFETCH(bool, kept);
    QFETCH(bool, timedOut);
    KLX_ModelLoader loader;
    LoadRig r;
    QVERIFY(r.Up());
    r.UseLoader(&loader);
    VornErrorWatch errors;
    errors.Expect({kRuntimeStarted, kRuntimeStopped, kStartRefused, kHeaderRefused, kRetries});
    QVERIFY(r.SaveModel("Glider"));
    if (key) r.sim.TransceiverController().Answers().Set(key, knobs);
    // -2: every unit from the first on.
    if (faultUnit != -1)
      r.sim.TransceiverController().SetUnitFault(qMax(faultUnit, 0), CSimTransceiver::UnitFault(fault), faultUnit == -2);
    errors.Clear();
    r.Mark();
    r.QueueLoad("Glider");
    if (!before.isEmpty()) QTRY_COMPARE_WITH_TIMEOUT(r.Trace(), before, kHangMs);
    QVERIFY(r.Steps(steps));
    QTRY_COMPARE_WITH_TIMEOUT(r.Trace(), trace, kHangMs);
    QVERIFY(r.Idle());
    QVERIFY(r.Flushed());
    QCOMPARE(r.Trace(), trace);
    // Only the end by time-out names the retries in its report.
    QCOMPARE(errors.Reports().contains({kRetries, "Modelloading went wrong after retries"}), timedOut);
    QCOMPARE(Failures(errors), codes);
    QCOMPARE(r.sim.TransceiverController().HoldsModel(), loaded);
    QCOMPARE(r.Db().KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet),
             int(loaded ? VT::KLX_MODELLLOAD_STATUS_READY : VT::KLX_MODELLLOAD_STATUS_NOTVALID));
    QCOMPARE(r.Db().KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 0, AtomicDirGet, false), kept ? 1 : 0);
    if (loaded) QCOMPARE(r.sim.TransceiverController().HeldChecksum(), r.Db().KLX_DataBaseManagerCalculateModelCRC(false));
  }

  // One answer comes late, once, as from a controller busy with its card:
  // before the load's time-out (15 s), about at it, or after it, when the
  // load has asked again and gone on. Every other answer takes 200 ms, so
  // that the late one lands in each step that follows, beside the answer
  // to the request asked again or just after it. 40 loads, each ending
  // with the model in the controller: the late answer is passed over.
  void aLateAnswerIsPassedOver_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("heldTry");
    QTest::addColumn<int>("lateMs");
    QTest::addColumn<bool>("fast");
    QTest::addColumn<QString>("trace");
    using T = CSimTransceiver;
    const QString head = "S H0:1:48 U0.0 H5:1:26 ";
    const QString units = "U9.1 U9.2 U9.3 U9.4 U9.5 H10:1:1 U10.0 E";
    const struct {
      const char* name;
      int key;
      int heldTry;
      bool fast;
      QString inTime;  // the trace when the answer comes before the time-out
      QString again;   // when the request was asked again
      QList<int> lateMs;
    } answers[] = {
        {"load start", T::KeyLoadStart, 1, false, kSmallModel, "S " + kSmallModel,
         {10000, 14900, 15100, 15200, 15300, 15500, 15700, 16000, 16500, 17100, 18000, 18400}},
        {"second header", T::KeyUnitHeader, 2, false, kSmallModel,
         head + "H5:1:26 U5.0 H8:1:1 U8.0 H9:6:6 U9.0 " + units,
         {14900, 15100, 15200, 15300, 15500, 16000, 16900, 17500}},
        {"fourth unit", T::KeyUnit, 4, false, kSmallModel, head + "U5.0 H8:1:1 U8.0 H9:6:6 U9.0 U9.0 " + units,
         {14900, 15100, 15200, 15300, 15500, 15900, 16300, 16700}},
        {"end", T::KeyLoadEnd, 1, false, kSmallModel, kSmallModel + " E", {14900, 15100, 15200, 15300}},
        {"checksum part 0 of a fast start", T::KeyChecksumPart, 1, true, "P0 P1 R", "P0 P0 P1 R",
         {14900, 15100, 15200, 15300, 15400, 15500, 15600, 16000}},
    };
    for (const auto& a : answers)
      for (int ms : a.lateMs)
        QTest::addRow("%s, %d ms", a.name, ms)
            << a.key << a.heldTry << ms << a.fast << (ms < 15000 ? a.inTime : a.again);
  }
  void aLateAnswerIsPassedOver() {
    QFETCH(int, key);
    QFETCH(int, heldTry);
    QFETCH(int, lateMs);
    QFETCH(bool, fast);
    QFETCH(QString, trace);
    KLX_ModelLoader loader;
    LoadRig r;
    QVERIFY(r.Up());
    VornErrorWatch errors;
    errors.Expect({kRuntimeStarted, kRuntimeStopped});
    r.UseLoader(&loader);
    QVERIFY(r.SaveModel("Glider"));
    if (fast) {
      QVERIFY(r.Loaded());
      r.Db().KLX_DataBaseManagerResetAllModelData();
      r.Db().KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(true, AtomicDirSet);
    }
    CSimAnswerBook& book = r.sim.TransceiverController().Answers();
    using T = CSimTransceiver;
    for (int k : {T::KeyLoadStart, T::KeyUnitHeader, T::KeyUnit, T::KeyLoadEnd, T::KeyChecksumPart, T::KeyAppReady})
      book.Set(k, {200, false, false, 1});
    book.Set(key, {200, false, false, 1, heldTry, lateMs});
    errors.Clear();
    QVERIFY(r.Settled());
    r.Mark();
    r.QueueLoad("Glider", fast);
    // Past the late answer and the load's end (by 19 s at the latest), each
    // step once all is at rest.
    for (int ms = 0; ms < 21000; ms += 100) QVERIFY(r.Steps({100}));
    QVERIFY(r.Idle());
    QVERIFY(r.Flushed());
    QCOMPARE(r.Trace(), trace);
    QCOMPARE(Failures(errors), QList<unsigned>{});
    QVERIFY(r.sim.TransceiverController().HoldsModel());
    QCOMPARE(r.sim.TransceiverController().HeldChecksum(), r.Db().KLX_DataBaseManagerCalculateModelCRC(false));
    QCOMPARE(r.Db().KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet), int(VT::KLX_MODELLLOAD_STATUS_READY));
  }

  // The start answer late (past the time-out, so the start was asked
  // again), landing at every step of the load that follows: a model with
  // flight mode 0 in use, whose answer repeats the late start's first bytes
  // (1, 0) and differs in its count. Each answer takes 20 to 50 ms and the
  // late one lands 10 ms further each load, 282 loads on the manual clock
  // (the product's 15 s time-out shortened to 1 s); each sends every kind
  // once and ends with the model in the controller, the late answer passed
  // over wherever it lands, after the end's answer too.
  void aLateStartAnswerLandingAnywhereIsPassedOver() {
    KLX_ModelLoader loader;
    // What follows a load in the chain ends at once: one load after the other.
    ScriptedTask bindConfig, capture;
    bindConfig.startResults = capture.startResults = {KLX_Done};
    LoadRig r;
    QVERIFY(r.Up());
    VornErrorWatch errors;
    errors.Expect({kRuntimeStarted, kRuntimeStopped});
    r.UseLoader(&loader);
    r.Vorn().KLX_VornHandlerEngine().KLX_ProcessVornSetTaskObject(VT::KLX_TASK_BIND_CONFIG, &bindConfig);
    r.Vorn().KLX_VornHandlerEngine().KLX_ProcessVornSetTaskObject(VT::KLX_TASK_CAPTURE_TELEINFO, &capture);
    QVERIFY(r.SaveModel("Glider", QString(), [](KLX_DataBaseManager& db) {
      db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 1, AtomicDirSet, false);
      db.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(0, 1, AtomicDirSet, false);
      db.KLX_DataBaseManagerFlightmodeSetFunctionNum(1);
      db.KLX_DataBaseManagerFunctionSetSetupAll(0, true);
    }));
    const QString trace = "S S H0:1:48 U0.0 H1:1:27 U1.0 H5:1:26 U5.0 H8:1:1 U8.0 H9:6:6 U9.0 U9.1 U9.2 U9.3 U9.4 "
                          "U9.5 H10:1:1 U10.0 E";
    CSimAnswerBook& book = r.sim.TransceiverController().Answers();
    using T = CSimTransceiver;
    constexpr int kTimeout = 1000;
    int loads = 0;
    for (const int answerMs : {20, 30, 40, 50}) {
      // From just past the time-out to 50 ms past the end's answer, the 19th after the start's.
      const int span = 19 * answerMs + 50;
      for (int lateMs = kTimeout + 10; lateMs < kTimeout + span; lateMs += 10, ++loads) {
        for (int k : {T::KeyUnitHeader, T::KeyUnit, T::KeyLoadEnd}) book.Set(k, {answerMs, false, false, 1});
        book.Set(T::KeyLoadStart, {answerMs, false, false, 1, 1, lateMs});
        r.Db().KLX_DataBaseManagerResetAllModelData();
        errors.Clear();
        QVERIFY(r.AtRest());
        // The simulator keeps its first 4096 messages.
        r.sim.ClearCounters();
        r.Mark();
        const qint64 start = r.clock.KLX_ClockNowMs();
        r.QueueLoad("Glider", false, QString(), kTimeout);
        QVERIFY(r.Steps({kTimeout - 10}));
        // Each step once all is at rest, until the load has ended past the late answer.
        const auto done = [&] {
          return r.clock.KLX_ClockNowMs() > start + lateMs && capture.Starts() == loads + 1 &&
                 r.Vorn().KLX_VornHandlerEngine().KLX_ProcessVornCurrentTask() == 0;
        };
        for (int ms = 0; !done(); ms += 10) {
          QVERIFY2(ms < 2 * span + 1000, qPrintable(QString("late by %1 ms: %2").arg(lateMs).arg(r.Trace())));
          QVERIFY(r.Steps({10}));
        }
        QVERIFY(r.AtRest());
        QVERIFY2(r.Trace() == trace, qPrintable(QString("late by %1 ms: %2").arg(lateMs).arg(r.Trace())));
        QCOMPARE(Failures(errors), QList<unsigned>{});
        QCOMPARE(r.sim.TransceiverController().HeldChecksum(), r.Db().KLX_DataBaseManagerCalculateModelCRC(false));
      }
    }
    QCOMPARE(loads, 282);
  }

  // A load that gives up while the file is still read (the reader held
  // after the trims, before the special switches) waits for the read: when
  // its end is told, and after it, the stores hold the model whole as read,
  // or nothing where the give-up clears it, never part of it.
  void aLoadGivingUpWhileReadingLeavesNoHalfModel_data() {
    QTest::addColumn<CSimAnswerKnobs>("header");
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<unsigned>("code");
    QTest::addColumn<bool>("kept");
    QTest::newRow("header refused: kept as read")
        << CSimAnswerKnobs{0, false, true, 1} << QList<int>{} << "S H0:1:48 X" << kHeaderRefused << true;
    QTest::newRow("header never answered: cleared after the last time-out")
        << CSimAnswerKnobs{0, true, false, 1} << QList<int>{15000, 15000, 15000, 15000}
        << "S H0:1:48 H0:1:48 H0:1:48 H0:1:48 X" << kRetries << false;
  }
  void aLoadGivingUpWhileReadingLeavesNoHalfModel() {
    QFETCH(CSimAnswerKnobs, header);
    QFETCH(QList<int>, steps);
    QFETCH(QString, trace);
    QFETCH(unsigned, code);
    QFETCH(bool, kept);
    KLX_ModelLoader loader;
    LoadRig r;
    QVERIFY(r.Up());
    VornErrorWatch errors;
    errors.Expect({kRuntimeStarted, kRuntimeStopped, kHeaderRefused, kRetries});
    QVERIFY(r.SaveModel("Glider"));
    const int cleared = r.Db().KLX_DataBaseManagerSpecialSwitchGetSet_Value(0, 0, AtomicDirGet, false);
    QVERIFY(cleared != 100);
    r.sim.TransceiverController().Answers().Set(CSimTransceiver::KeyUnitHeader, header);
    loader.KLX_ModelLoaderSetClock(&r.clock);
    // Held (looking every millisecond) until the controller is told that the load stops.
    loader.KLX_ModelLoaderSetReadHook([&r](const QString& element) {
      if (element != QLatin1String("TRIM")) return;
      QDeadlineTimer deadline(kHangMs);
      while (!r.Trace().endsWith('X') && !deadline.hasExpired()) QThread::msleep(1);
    });
    r.Vorn().KLX_VornHandlerEngine().KLX_ProcessVornSetTaskObject(VT::KLX_TASK_MOD_LOAD, &loader);
    // The stores as the task's end is told, on the engine's thread.
    QList<int> atEnd;
    const auto model = [&r] {
      return QList<int>{r.Db().KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 0, AtomicDirGet, false),
                        r.Db().KLX_DataBaseManagerSpecialSwitchGetSet_Value(0, 0, AtomicDirGet, false)};
    };
    QObject::connect(&r.Vorn(), &KLX_VornHandler::taskStatusSent, &r.Vorn(), [&](bool running) {
      if (!running && atEnd.isEmpty()) atEnd = model();
    }, Qt::DirectConnection);
    errors.Clear();
    r.Mark();
    r.QueueLoad("Glider");
    QTRY_VERIFY_WITH_TIMEOUT(r.Trace().startsWith("S H0:1:48"), kHangMs);
    QVERIFY(r.Steps(steps));
    QVERIFY(r.Idle());
    const QList<int> whole = kept ? QList<int>{1, 100} : QList<int>{0, cleared};
    QCOMPARE(atEnd, whole);
    QVERIFY(r.Flushed());
    QCOMPARE(r.Trace(), trace);
    QCOMPARE(model(), whole);
    QCOMPARE(Failures(errors), QList<unsigned>{code});
    // The read called off at the last time-out has left the hook.
    QVERIFY(NoReaderLeft());
  }

  // The engine stopped (the switch-off) while the file is read: once the
  // stop returns the reader writes nothing more into the stores, which are
  // freed next, however long the card keeps it.
  void theEngineStopLeavesTheStoresToItself() {
    LoadRig r;
    // Gone before the rig: a reader left running still finds the engine.
    KLX_ModelLoader loader;
    QVERIFY(r.Up());
    VornErrorWatch errors;
    errors.Expect({kRuntimeStarted, kRuntimeStopped});
    QVERIFY(r.SaveModel("Glider"));
    const int cleared = r.Db().KLX_DataBaseManagerSpecialSwitchGetSet_Value(0, 0, AtomicDirGet, false);
    loader.KLX_ModelLoaderSetClock(&r.clock);
    std::atomic<bool> held{false}, stopped{false};
    loader.KLX_ModelLoaderSetReadHook([&](const QString& element) {
      if (element != QLatin1String("TRIM")) return;
      held = true;
      QDeadlineTimer deadline(kHangMs);
      while (!stopped && !deadline.hasExpired()) QThread::msleep(1);
    });
    r.Vorn().KLX_VornHandlerEngine().KLX_ProcessVornSetTaskObject(VT::KLX_TASK_MOD_LOAD, &loader);
    r.QueueLoad("Glider");
    QTRY_VERIFY_WITH_TIMEOUT(held, kHangMs);
    r.Vorn().KLX_VornHandlerEngine().KLX_ProcessVornStop();
    stopped = true;
    QVERIFY(NoReaderLeft());
    // The special switches come after the trims: never read in.
    QCOMPARE(r.Db().KLX_DataBaseManagerSpecialSwitchGetSet_Value(0, 0, AtomicDirGet, false), cleared);
  }

  // A card that hangs while the model file is read (at a start-up, with
  // the transceiver's sensor notices coming every 10 s, so that no time-out
  // of the load comes; or at a fast start, its time-outs coming): the load
  // ends at its deadline, all its tries' time from its start (60 s and 4 s),
  // the controller is told to stop, nothing of the model stays, the start
  // goes on and names the model as not loaded, and the engine takes the
  // next task. The read, let go once the loader is gone, ends on what it
  // owns.
  void aReadThatNeverEndsEndsTheLoadAtItsDeadline_data() {
    QTest::addColumn<bool>("fast");
    QTest::addColumn<QString>("trace");
    QTest::newRow("start-up load, sensor notices") << false << "S X";
    QTest::newRow("fast start, time-outs") << true << "P0 P1 X";
  }
  void aReadThatNeverEndsEndsTheLoadAtItsDeadline() {
    QFETCH(bool, fast);
    QFETCH(QString, trace);
    int late = -1;
    QString root;
    {
      LoadRig r;
      root = r.link.root.Path();
      VornErrorWatch errors;
      errors.Expect({kRuntimeStarted, kRuntimeStopped, kRetries});
      KLX_DataBaseManager& db = r.Db();
      if (fast) {
        QVERIFY(r.Up());
        QVERIFY(r.Loaded());
        db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(true, AtomicDirSet);
      } else {
        QVERIFY(r.Start());
        QCOMPARE(r.files.KLX_XMLFileHandlerInitialize(&db), int(KLX_Ok));
        QVERIFY(r.SaveModel("Glider"));
      }
      QVERIFY(r.SaveModel("Other", QString(), [](KLX_DataBaseManager& d) {
        d.KLX_DataBaseManagerFunctionGetSet_IsUsed(1, 1, AtomicDirSet, false);
      }));
      // Declared after the rig: a case that fails lets the read go before the rig goes.
      HangingFile file(root + "/Vorn/Model/Plane/Glider.xml");
      errors.Clear();
      r.Mark();
      if (fast) {
        // A time-out of 1 s: the load's time is up after 4 s.
        r.QueueLoad("Glider", true, QString(), 1000);
      } else {
        // As read from "Vornstate.xml" at the start.
        db.KLX_DataBaseManagerVornPropertiesGetSet_ModelName("Glider", AtomicDirSet, false);
        db.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(1, AtomicDirSet, false);
        r.link.runtime.KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(1, true);
        r.StartProcessing();
        QCOMPARE(r.Vorn().KLX_VornHandlerStartVorn(), int(KLX_Ok));
      }
      QVERIFY(file.Held());
      QCOMPARE(r.Trace(), trace.chopped(2));
      const QByteArray notice(2, '\0');
      for (int step = 0; step < (fast ? 4 : 6); ++step) {
        if (!fast) r.sim.Send(CSimControllers::Transceiver, SimTransceiverTelemetryStatus, notice);
        QVERIFY(r.Settled());
        QVERIFY(r.Run(fast ? 1000 : 10000));
      }
      if (!fast) r.sim.Send(CSimControllers::Transceiver, SimTransceiverTelemetryStatus, notice);
      QTRY_COMPARE_WITH_TIMEOUT(r.Trace(), trace, kHangMs);
      QVERIFY(r.Idle());
      QCOMPARE(Failures(errors), QList<unsigned>{kRetries});
      QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 0, AtomicDirGet, false), 0);
      if (!fast) {
        // The engine is idle a moment before the start-up's end sets the phase.
        QTRY_COMPARE_WITH_TIMEOUT(r.Phase(), int(VT::KLX_PHASE_SYSTEM_UP), kHangMs);
        QCOMPARE(db.KLX_DataBaseManagerVornPropertiesGetFailedFile(), QString("/Vorn/Model/Plane/Glider.xml"));
        QCOMPARE(db.KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet), int(VT::KLX_MODELLLOAD_STATUS_NOTVALID));
      }
      // The next task: another model loads while the read still hangs.
      const int loads = r.sim.TransceiverController().Seen().loadsEnded;
      r.QueueLoad("Other");
      QTRY_COMPARE_WITH_TIMEOUT(r.sim.TransceiverController().Seen().loadsEnded, loads + 1, kHangMs);
      QVERIFY(r.Idle());
      QCOMPARE(db.KLX_DataBaseManagerVornPropertiesGetModelName(), QString("Other"));
      QCOMPARE(db.KLX_DataBaseManagerFunctionGetSet_IsUsed(1, 0, AtomicDirGet, false), 1);
      QCOMPARE(r.sim.TransceiverController().HeldChecksum(), db.KLX_DataBaseManagerCalculateModelCRC(false));
      QVERIFY(r.Flushed());
      late = file.Take();
    }
    QVERIFY(late >= 0);
    HangingFile::Release(late);
    QVERIFY(NoReaderLeft());
    // Nothing was written where the card was.
    QVERIFY(!QFileInfo::exists(root));
  }

  // The trims are copied with the controls frozen: freeze, the pause, release.
  // A controller that never answers the release gets it again; at the last
  // time-out the controls are released and the model is left as it is, so
  // the next edit still saves the whole model.
  void trimCopy_data() {
    QTest::addColumn<bool>("releaseSilent");
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<QList<unsigned>>("codes");
    QTest::newRow("both answered") << false << QList<int>{500} << "F1 F0" << QList<unsigned>{};
    QTest::newRow("release never answered: released four more times, model kept")
        << true << QList<int>{500, 15000, 15000, 15000, 15000} << "F1 F0 F0 F0 F0 F0" << QList<unsigned>{kRetries};
  }
  void trimCopy() {
    QFETCH(bool, releaseSilent);
    QFETCH(QList<int>, steps);
    QFETCH(QString, trace);
    QFETCH(QList<unsigned>, codes);
    LoadRig r;
    QVERIFY(r.Up());
    VornErrorWatch errors;
    errors.Expect({kRuntimeStarted, kRuntimeStopped, kRetries});
    QVERIFY(r.Loaded());
    // The controller answers the freeze; the release only when asked to.
    if (releaseSilent)
      r.sim.TransceiverController().Answers().Set(CSimTransceiver::KeyControls, {0, false, false, 1});
    errors.Clear();
    r.Mark();
    Task_Data_T t;
    t.task = VT::KLX_TASK_MOD_LOAD;
    t.paraint1 = 1;
    t.paraint2 = 0;
    t.paraint3 = VT::KLX_TASK_PARA_TRIM_MODIFY;
    t.timeout = 15000;
    t.repeat = 3;
    t.source = VT::KLX_TASK_SOURCE_VORN;
    r.Vorn().KLX_VornHandlerQueueProcessTask(t);
    QTRY_COMPARE_WITH_TIMEOUT(r.Trace(), QString("F1"), kHangMs);
    if (releaseSilent)
      r.sim.TransceiverController().Answers().Set(CSimTransceiver::KeyControls, {0, true, false, 1});
    QVERIFY(r.Steps(steps));
    QTRY_COMPARE_WITH_TIMEOUT(r.Trace(), trace, kHangMs);
    QVERIFY(r.Idle());
    QCOMPARE(Failures(errors), codes);
    QCOMPARE(r.Db().KLX_DataBaseManagerFunctionGetSet_IsUsed(0, 0, AtomicDirGet, false), 1);
    QVERIFY(r.Db().KLX_DataBaseManagerGetSetVornPropertiesSaveModelData(false, AtomicDirGet));
    QCOMPARE(r.sim.TransceiverController().HeldChecksum(), r.Db().KLX_DataBaseManagerCalculateModelCRC(false));
  }
};

QTEST_GUILESS_MAIN(ModelLoadTest)
#include "tst_modelload.moc"
