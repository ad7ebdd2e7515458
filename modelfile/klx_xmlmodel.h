#pragma once
// The model file: one XML document per model, written from the database
// facade section by section and read back into it with every value checked.
// A save replaces the file whole (temporary file, sync, rename); a read that
// meets a damaged file, a wrong root or a refused value leaves no partial
// model behind.
#include <QByteArray>
#include <QMutex>
#include <QScopedPointer>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "frame/klx_xmlmodelbase.h"

class KLX_DataBaseManager;
class KLX_XMLFileHandler;
class KLX_XMLBodyPipe;
class KLX_XMLTextWriter;
class QXmlStreamReader;
struct KLX_XMLGroup;
struct KLX_XML_ModelData;

// The hold of a read on the facade, which another thread may call off (a
// load that gave up waiting for a card that hangs). The read holds it while
// it writes into the facade, or reads it to write a corrected model back,
// and never while it waits for the card; each time it takes it, it looks
// whether the read was called off. Once Stop() has returned, the read
// touches the facade no more and ends with KLX_Timeout.
class KLX_XMLReadGate {
 public:
  // Waits for a step of the read under way.
  void Stop();
  // True: held (Leave() gives it back); false once stopped (not held).
  bool Enter();
  void Leave() { m_Mutex.unlock(); }

 private:
  QMutex m_Mutex;
  bool m_Stopped = false;
};

class KLX_XMLModel : public KLX_XMLModelBase {
  Q_OBJECT
 public:
  // A full model of the larger board is about 3.6 MB; a file beyond this is
  // no model file of ours, and reading it would take seconds and much memory.
  static constexpr qint64 kMaxFileBytes = 8 * 1024 * 1024;
  KLX_XMLModel();
  ~KLX_XMLModel() override;

  int KLX_XMLModelInitialize(KLX_DataBaseManager* db);
  // KLX_Ok saved (or the file held this model already and was left as it
  // is), KLX_Error not saved (the old file stays as it was). The path must
  // lie in a folder below the model area.
  int KLX_XMLModelWriteModelFile(const QString& path, const QString& modelName);
  // KLX_Ok read, KLX_Done read and adjusted by the post-load step (to be
  // written back and read again), KLX_Error refused (a file that was opened
  // leaves an empty model; a refused path touches nothing), KLX_Timeout
  // called off through the gate. The path must lie in a folder below the
  // model area.
  int KLX_XMLModelReadModelFile(const QString& path, const QString& modelName);
  // The parser and dispatcher of a read, on a path checked the same way.
  int KLX_XMLModelReadFile(const QString& path, const QString& modelName);

  enum class Access { Write, Read };
  // The folder of a model file, ending in "/": `folder`, or the folder of
  // the model type when it is empty, checked with the file name by the path
  // scheme, so that nothing outside the model area is read, written or
  // created. Empty when either would leave it, reported once: 0x215F1 for
  // a write, 0x215F2 for a read.
  static QString KLX_XMLModelCheckedFolder(Access access, int type, const QString& folder, const QString& file);

  // Post-load steps.
  void KLX_XMLModelVornFenk_CutReceivers();
  int KLX_XMLModelHarmonizeRanges();

  // Section writers, in the order of "DATA".
  void KLX_XMLModelWriteModelRuntime(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelSilentMode(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelFunction(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelFuncOrder(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelServoConfig(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelMixer(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelLimiter(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelFlightMode(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelFlightModeAssign(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelCurve(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelSequencer(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelSwitches(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelTrim(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelSpecialSwitch(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteReceiverMain(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteReceiverMode(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelTTSL(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelTimer(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelComplexTimer(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelTelemetrie(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelTelemetrieAlias(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelTelemetryControl(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelPreflightSettings(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteVoiceAlarmMode(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteTeleAlarmVoices(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteVarioConfig(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteServoPPMMode(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteTeacherPupilSwControl(KLX_XMLTextWriter* w);
  void KLX_XMLModelWriteModelHeadup(KLX_XMLTextWriter* w);

  // Section readers (KLX_Ok, or KLX_Error on a refused value) and transfers (KLX_Ok).
  int KLX_XMLModelReadModelRuntimeData(QXmlStreamReader* r);
  int KLX_XMLModelTransferModelRuntimeDataToDB();
  int KLX_XMLModelReadModelSilentMode(QXmlStreamReader* r);
  int KLX_XMLModelTransferModelSilentModeToDB();
  int KLX_XMLModelReadModelFuncData(QXmlStreamReader* r);
  int KLX_XMLModelTransferFunctionDataToDB();
  int KLX_XMLModelReadModelFuncOrder(QXmlStreamReader* r);
  int KLX_XMLModelTransferFunctionOrderToDB();
  int KLX_XMLModelReadModelServoConfigData(QXmlStreamReader* r);
  int KLX_XMLModelTransferServoConfigDataToDB();
  int KLX_XMLModelReadModelMixerData(QXmlStreamReader* r);
  int KLX_XMLModelTransferMixerDataToDB();
  int KLX_XMLModelReadModelLimiterData(QXmlStreamReader* r);
  int KLX_XMLModelTransferLimiterDataToDB();
  int KLX_XMLModelReadModelFlightModeData(QXmlStreamReader* r);
  int KLX_XMLModelTransferFlightModeDataToDB();
  int KLX_XMLModelReadModelCurveData(QXmlStreamReader* r);
  int KLX_XMLModelTransferCurveDataToDB();
  int KLX_XMLModelReadModelSwitchesData(QXmlStreamReader* r);
  int KLX_XMLModelTransferSwitchesDataToDB();
  int KLX_XMLModelReadModelSpecialSwitch(QXmlStreamReader* r);
  int KLX_XMLModelTransferSpecialSwitchDataToDB();
  // The assignment of a file of the other board is converted to this
  // board's layout; flight modes the smaller board lacks are renumbered and
  // the trims that follow move their values with them.
  int KLX_XMLModelReadFlightModeAssign(QXmlStreamReader* r);
  int KLX_XMLModelTransferFlightModeAssignToDB();
  int KLX_XMLModelReadModelTrimData(QXmlStreamReader* r);
  int KLX_XMLModelTransferTrimDataToDB();
  int KLX_XMLModelReadModelSequencerData(QXmlStreamReader* r);
  int KLX_XMLModelTransferSequencerDataToDB();
  int KLX_XMLModelReadModelReceiverMainData(QXmlStreamReader* r);
  int KLX_XMLModelTransferReceiverMainDataToDB();
  int KLX_XMLModelReadModelReceiverData(QXmlStreamReader* r);
  int KLX_XMLModelTransferReceiverDataToDB();
  int KLX_XMLModelReadModelTTSLData(QXmlStreamReader* r);
  int KLX_XMLModelTransferTTSLDataToDB();
  int KLX_XMLModelReadModelTimerData(QXmlStreamReader* r);
  int KLX_XMLModelTransferTimerDataToDB();
  int KLX_XMLModelReadModelComplexTimerData(QXmlStreamReader* r);
  int KLX_XMLModelTransferComplexTimerDataToDB();
  int KLX_XMLModelReadModelTelemetrieData(QXmlStreamReader* r);
  int KLX_XMLModelTransferTelemetrieDataToDB();
  // Applies each sensor's aliases as it is read; KLX_Ok or KLX_Error.
  int KLX_XMLModelReadModelTelemetrieAliasData(QXmlStreamReader* r);
  int KLX_XMLModelTransferTelemetryAliasDataToDB(int address, const QString& sensorAlias, const QString* valueAliases);
  int KLX_XMLModelReadModelTeleControlData(QXmlStreamReader* r);
  int KLX_XMLModelTransferTeleControlDataToDB();
  // One voice alarm; the transfer drops (KLX_Error) an alarm without
  // "Index" (reported) or beyond this board's count.
  void KLX_XMLModelInitializeVoiceAlarmData();
  int KLX_XMLModelReadModelVoiceAlarm(QXmlStreamReader* r);
  int KLX_XMLModelTransferVoiceAlarmDataToDB();
  // The preflight list; controls beyond the list's 32 are reported and skipped.
  int KLX_XMLModelReadModelPreflightSettings(QXmlStreamReader* r);
  int KLX_XMLModelTransferPreflightSettingsToDB();
  // One of the three telemetry announcement voices; the transfer takes the
  // voice slot -1, -2 or -3.
  int KLX_XMLModelReadTeleAlarmVoices(QXmlStreamReader* r);
  int KLX_XMLModelTransferTeleVoiceAlarmDataToDB(int slot);
  // KLX_Ok, KLX_Error, or a failure code below it for a refused value.
  int KLX_XMLModelReadVarioConfig(QXmlStreamReader* r);
  int KLX_XMLModelTransferVarioDataToDB();
  // Read in place; never end a load.
  void KLX_XMLModelReadServoPPMMode(QXmlStreamReader* r);
  void KLX_XMLModelReadTeacherPupilSwControl(QXmlStreamReader* r);
  int KLX_XMLModelReadModelHeadupData(QXmlStreamReader* r);
  int KLX_XMLModelTransferHeadupDataToDB();

  // Called on the reading thread after each section of "DATA" has gone into
  // the facade, with the section's element name, so that a reader of the
  // stores can start on what is in before the whole file is.
  using SectionHook = std::function<void(const QString& element)>;
  void KLX_XMLModelSetSectionHook(SectionHook hook) { m_SectionHook = std::move(hook); }
  // The gate the reads and writes of this reader hold on the facade (none:
  // never called off). The section hook is called with the gate open.
  void KLX_XMLModelSetReadGate(std::shared_ptr<KLX_XMLReadGate> gate) { m_Gate = std::move(gate); }

  // Called on the saving thread once for "NAME" and once for each section
  // writer of "DATA", with the element's name and the time its text took:
  // where the text of a save takes its time.
  using WriteHook = std::function<void(QLatin1String element, qint64 nanoseconds)>;
  void KLX_XMLModelSetWriteHook(WriteHook hook) { m_WriteHook = std::move(hook); }

  // Saves that reached the file (not those the file held already) and
  // reads that were started, for tests.
  int KLX_XMLModelWrites() const { return m_Writes; }
  int KLX_XMLModelReads() const { return m_Reads; }
  // Bytes of the last save of this run.
  qint64 KLX_XMLModelLastSavedBytes() const { return m_SavedBytes; }

 public slots:
  void PrintModelReport();
  void iconEvent(int icon, int icon1);

 private:
  // The file handler checks the folder itself before it creates it or
  // backs the file up, and then reads and writes through the unchecked
  // doors below, so that a path is checked once.
  friend class KLX_XMLFileHandler;
  // A save whose text the file on the card holds already (but for the
  // check value's scrambled text and the program's version) writes
  // nothing and succeeds. Otherwise `room`, where given, is asked first
  // whether the card takes the file (false: not saved, told by `room`).
  int WriteCheckedFile(const QString& path, const QString& modelName, const std::function<bool()>& room = nullptr);
  int ReadCheckedFile(const QString& path, const QString& modelName);
  // The file's bytes, checked for size and encoding (reported when not).
  bool ReadBytes(const QString& path, QByteArray* bytes);
  // The parser and dispatcher behind both reading doors: the facade
  // emptied, then filled from `bytes`.
  int Parse(const QByteArray& bytes, const QString& modelName);
  // The gate taken (always without one); false once the read is called off.
  bool EnterGate();
  void LeaveGate();
  // The section hook, with the gate open meanwhile; false when the read
  // was called off then.
  bool SectionDone(const QString& element);
  // The checked path of a file given whole; empty when it is refused.
  static QString CheckedPath(Access access, const QString& path);
  // A write needs the facade, a path and a model name; reports when not.
  bool WriteNamed(const QString& path, const QString& modelName) const;

  // The text up to the end tag of "DATA", and the rest after it.
  void WriteBody(KLX_XMLTextWriter* w, const QString& modelName);
  void WriteTail(KLX_XMLTextWriter* w, const QByteArray& digest);
  // Lets the save go on with the text built so far (a section or a record
  // written), when `w` is the save's writer.
  void HandOver(const KLX_XMLTextWriter* w);
  // The recorded result; `aborted` when a section ended the load.
  int ReadRoot(QXmlStreamReader* r, const QString& modelName, bool* aborted);
  int ReadData(QXmlStreamReader* r, bool* aborted);
  void ReadName(QXmlStreamReader* r, const QString& modelName);
  void ReadSecureData(QXmlStreamReader* r);
  int ReadGroup(QXmlStreamReader* r, const KLX_XMLGroup& group);
  int TransferGroup(const KLX_XMLGroup& group);
  void WriteGroup(KLX_XMLTextWriter* w, const KLX_XMLGroup& group);

  KLX_DataBaseManager* m_Db = nullptr;
  QScopedPointer<KLX_XML_ModelData> m_Data;
  qint64 m_SavedBytes = -1;
  std::atomic<int> m_Writes{0};
  std::atomic<int> m_Reads{0};
  SectionHook m_SectionHook;
  WriteHook m_WriteHook;
  std::shared_ptr<KLX_XMLReadGate> m_Gate;
  // The read under way was called off (its gate is no longer held).
  bool m_CalledOff = false;
  // The save under way, while its body is built.
  KLX_XMLBodyPipe* m_Pipe = nullptr;
};
