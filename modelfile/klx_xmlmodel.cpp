#include "modelfile/klx_xmlmodel.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "frame/klx_databasevalues.h"
#include "frame/klx_debuglog.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_utf8.h"
#include "frame/klx_xmlsafefile.h"
#include "frame/simplecrypt.h"
#include "model/klx_databasemanager.h"
#include "model/klx_recordstore.h"
#include "modelfile/klx_xmlsectionio.h"
#include "modelfile/klx_xmlsections.h"
#include "frame/klx_xmltextwriter.h"
#include "update/klx_filefunctions.h"

namespace {
constexpr unsigned kErrInitialize = 0x11510;
constexpr unsigned kErrNoName = 0x2150D;
constexpr unsigned kErrOpenWrite = 0x2150D;
constexpr unsigned kErrShortWrite = 0x2150E;
constexpr unsigned kErrWriteOutside = 0x215F1;
constexpr unsigned kErrReadOutside = 0x215F2;
constexpr unsigned kErrFlush = 0x21506;
constexpr unsigned kErrOpenRead = 0x2150A;
constexpr unsigned kErrDamaged = 0x2150B;
constexpr unsigned kErrNoRoot = 0x2150C;
constexpr unsigned kErrRoot = 0x21505;
constexpr unsigned kErrModelName = 0x21504;
constexpr unsigned kLoading = 0x41500;
constexpr unsigned kSkipped = 0x51511;
constexpr unsigned kReplaced = 0x51507;
constexpr unsigned kSavedBytes = 0x515CC;
constexpr unsigned kErrFunctionOrder = 0x21536;
constexpr unsigned kFunctionSkip = 0x51525;
constexpr unsigned kErrTooLarge = 0x215F3;
constexpr unsigned kErrEncoding = 0x215F4;
constexpr unsigned kSkippedMore = 0x515F5;
// Unknown elements are reported one by one up to this many per read; the
// rest are counted in one report.
constexpr int kSkipReports = 100;

constexpr quint64 kCheckKey = 0x3e81c04a7d2b96f5ULL;
// A name is kept as at most so many bytes of UTF-8.
constexpr int kNameBytes = 46;
// The virtual switches that the post-load step looks at (servo cut-offs, timers).
constexpr int kCutOffSwitchA = 31;
constexpr int kCutOffSwitchB = 32;
constexpr int kNoCutOffSwitch = 255;

const QLatin1String kIndex("Index");
const QLatin1String kName("Name");
const char kSkipText[] = "skip unknown element in model file";

using KLX_XMLIO::Report;
using KLX_XMLIO::Skip;
using KLX_XMLIO::Text;
using KLX_XMLIO::ReadField;

void ReportDamaged(QXmlStreamReader* r) {
  Report(kErrDamaged, QStringLiteral("model file damaged at line %1: %2").arg(r->lineNumber()).arg(r->errorString()));
}

bool ToNumber(const QString& text, bool isUnsigned, int* value) {
  // Almost every value is a plain decimal of at most nine digits (signed:
  // with an optional minus), converted here as QString would; any other
  // form goes to QString, which decides on it.
  const ushort* units = text.utf16();
  const int n = text.size();
  const int first = !isUnsigned && n > 0 && units[0] == '-' ? 1 : 0;
  if (n > first && n - first <= 9) {
    int v = 0;
    int i = first;
    for (; i < n && units[i] >= '0' && units[i] <= '9'; ++i) v = v * 10 + (units[i] - '0');
    if (i == n) {
      *value = first ? -v : v;
      return true;
    }
  }
  bool ok = false;
  *value = isUnsigned ? static_cast<int>(text.toUInt(&ok)) : text.toInt(&ok);
  return ok;
}

// Appends the text of the element the reader stands on, as
// readElementText(SkipChildElements) gives it, without its copy of each
// piece.
void AppendText(QXmlStreamReader* r, QString* text) {
  if (!r->isStartElement()) return;
  for (;;) {
    switch (r->readNext()) {
      case QXmlStreamReader::Characters:
      case QXmlStreamReader::EntityReference:
        text->append(r->text());
        break;
      case QXmlStreamReader::EndElement:
        return;
      case QXmlStreamReader::ProcessingInstruction:
      case QXmlStreamReader::Comment:
        break;
      case QXmlStreamReader::StartElement:
        r->skipCurrentElement();
        break;
      default:
        if (r->hasError()) return;
    }
  }
}

// The element's text in a string of this thread whose room is kept from
// one number to the next: a model file has tens of thousands of them.
const QString& NumberText(QXmlStreamReader* r) {
  thread_local QString text;
  text.resize(0);
  AppendText(r, &text);
  return text;
}

// "Index" of a record or of a part: converted, bounded, else reported.
bool ReadIndex(QXmlStreamReader* r, const KLX_XMLGroup& g, int* index) {
  const QString& text = NumberText(r);
  if (r->hasError()) return false;
  int v = 0;
  bool ok = ToNumber(text, !g.indexSigned, &v);
  ok = ok && (g.indexSigned ? v <= g.indexMax : static_cast<unsigned>(v) <= static_cast<unsigned>(g.indexMax));
  if (!ok) {
    Report(g.indexCode, g.indexText);
    return false;
  }
  *index = v;
  return true;
}

// The field of that name. The search starts after the field found last
// (`next`), where a file in the writer's order has the one that follows;
// the names of a group differ.
int FindField(const KLX_XMLGroup& g, const QStringRef& name, int* next) {
  for (int k = 0, i = *next; k < g.fieldCount; ++k, ++i) {
    if (i >= g.fieldCount) i = 0;
    if (name == g.fields[i].name) {
      *next = i + 1;
      return i;
    }
  }
  return -1;
}

// What `more` answers for an element it does not know (besides KLX_Ok for
// one it read and KLX_Error for one it refused).
constexpr int kNotTaken = KLX_False;

// The children of one element up to its end tag: "Index", the fields, what
// `more` takes; anything else is reported and skipped. `accepted` counts
// the values taken. KLX_Ok, or KLX_Error on a refused value or a damaged
// file.
template <typename More>
int ReadChildren(QXmlStreamReader* r, const KLX_XMLGroup& g, int* index, int* values, unsigned* given,
                 int* accepted, More more) {
  int next = 0;
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    if (g.indexMax >= 0 && name == kIndex) {
      if (!ReadIndex(r, g, index)) return KLX_Error;
      continue;
    }
    const int f = FindField(g, name, &next);
    if (f >= 0) {
      if (!ReadField(r, g.fields[f], &values[f])) return KLX_Error;
      if (g.valuesNeedIndex && static_cast<unsigned>(*index) > static_cast<unsigned>(g.indexMax)) {
        Report(g.endCode, g.endText);
        return KLX_Error;
      }
      *given |= 1u << f;
      ++*accepted;
      continue;
    }
    const int taken = more(name);
    if (taken == KLX_Error) return KLX_Error;
    if (taken == kNotTaken) Skip(r, g.skipCode, g.skipText);
  }
  return r->hasError() ? KLX_Error : KLX_Ok;
}

int ReadPart(QXmlStreamReader* r, const KLX_XMLGroup& part, QVector<KLX_XMLStaged::Part>* cells, int* accepted) {
  int values[KLX_XMLStaged::kMaxFields];
  std::memcpy(values, part.start, sizeof(int) * part.fieldCount);
  unsigned given = 0;
  int index = -1;
  int taken = 0;
  if (ReadChildren(r, part, &index, values, &given, &taken, [](const QStringRef&) { return kNotTaken; }) != KLX_Ok)
    return KLX_Error;
  if (static_cast<unsigned>(index) > static_cast<unsigned>(part.indexMax)) {
    // A part whose values need their "Index" first has none to keep.
    if (part.valuesNeedIndex) return KLX_Ok;
    Report(part.endCode, part.endText);
    return KLX_Error;
  }
  if (part.complete) part.complete(values, given);
  KLX_XMLStaged::Part& slot = (*cells)[index];
  std::memcpy(slot.values, values, sizeof(int) * part.fieldCount);
  slot.given = given;
  slot.present = true;
  *accepted += taken;
  return KLX_Ok;
}

// The children of "DATA" in the file's order: how each is written, and for
// those that are read, the reader, the transfer and the report of a transfer
// that fails (which ends the load). Sections that come with later work are
// written empty and read as unknown elements until then.
using M = KLX_XMLModel;
using SectionWrite = void (M::*)(KLX_XMLTextWriter*);
using SectionRead = int (M::*)(QXmlStreamReader*);
using SectionTransfer = int (M::*)();
using SectionInPlace = void (M::*)(QXmlStreamReader*);
// How a section's results steer the load.
enum class Flow {
  Plain,      // a refused value or a failed transfer ends the load; the transfer's result is kept
  NoCheck,    // the transfer's result is not looked at; the reader's is kept
  Aliases,    // no transfer: the reader applies what it reads
  Voice,      // a failed transfer is reported and the load goes on; 1 is kept
  Vario,      // the reader's own failure code ends the load; a failed transfer is reported
  InPlace,    // one value read in place; never ends the load
};
struct Section {
  QLatin1String element;
  SectionWrite write;
  SectionRead read = nullptr;
  SectionTransfer transfer = nullptr;
  unsigned failCode = 0;
  const char* failText = nullptr;
  Flow flow = Flow::Plain;
  SectionInPlace inPlace = nullptr;
  int voiceSlot = 0;
};
const Section kSections[] = {
    {QLatin1String("RUNTIME"), &M::KLX_XMLModelWriteModelRuntime, &M::KLX_XMLModelReadModelRuntimeData,
     &M::KLX_XMLModelTransferModelRuntimeDataToDB, 0x51539, "runtime index error, could not write to DB"},
    {QLatin1String("SILENT_MODE"), &M::KLX_XMLModelWriteModelSilentMode, &M::KLX_XMLModelReadModelSilentMode,
     &M::KLX_XMLModelTransferModelSilentModeToDB, 0x51539, "could not write to DB SilentMode value"},
    {QLatin1String("FUNCTION"), &M::KLX_XMLModelWriteModelFunction, &M::KLX_XMLModelReadModelFuncData,
     &M::KLX_XMLModelTransferFunctionDataToDB, 0x51536, "function index error, could not write to DB"},
    {QLatin1String("FUNCTIONORDER"), &M::KLX_XMLModelWriteModelFuncOrder, &M::KLX_XMLModelReadModelFuncOrder,
     &M::KLX_XMLModelTransferFunctionOrderToDB, 0x51536, "function index error, could not write to DB"},
    {QLatin1String("SERVOCONFIG"), &M::KLX_XMLModelWriteModelServoConfig, &M::KLX_XMLModelReadModelServoConfigData,
     &M::KLX_XMLModelTransferServoConfigDataToDB, 0x51577, "servoconfig index error, could not write to DB"},
    {QLatin1String("MIXER"), &M::KLX_XMLModelWriteModelMixer, &M::KLX_XMLModelReadModelMixerData,
     &M::KLX_XMLModelTransferMixerDataToDB, 0x51560, "mixer index error, could not write to DB"},
    {QLatin1String("LIMITER"), &M::KLX_XMLModelWriteModelLimiter, &M::KLX_XMLModelReadModelLimiterData,
     &M::KLX_XMLModelTransferLimiterDataToDB, 0x51550, "limiter index error, could not write to DB"},
    {QLatin1String("FLIGHTMODE"), &M::KLX_XMLModelWriteModelFlightMode, &M::KLX_XMLModelReadModelFlightModeData,
     &M::KLX_XMLModelTransferFlightModeDataToDB, 0x51520, "flightmode index error, could not write to DB"},
    {QLatin1String("FLIGHTMODEASSIGN"), &M::KLX_XMLModelWriteModelFlightModeAssign,
     &M::KLX_XMLModelReadFlightModeAssign, &M::KLX_XMLModelTransferFlightModeAssignToDB, 0x515C6, "flightmode index error, could not write to DB"},
    {QLatin1String("CURVE"), &M::KLX_XMLModelWriteModelCurve, &M::KLX_XMLModelReadModelCurveData,
     &M::KLX_XMLModelTransferCurveDataToDB, 0x51516, "curve index error, could not write to DB"},
    {QLatin1String("SEQUENCER"), &M::KLX_XMLModelWriteModelSequencer, &M::KLX_XMLModelReadModelSequencerData,
     &M::KLX_XMLModelTransferSequencerDataToDB, 0x51573, "sequencer index error, could not write to DB"},
    {QLatin1String("VIRTSWITCH"), &M::KLX_XMLModelWriteModelSwitches, &M::KLX_XMLModelReadModelSwitchesData,
     &M::KLX_XMLModelTransferSwitchesDataToDB, 0x515BE, "switch index error, could not write to DB"},
    {QLatin1String("TTSLHandling"), &M::KLX_XMLModelWriteModelTTSL, &M::KLX_XMLModelReadModelTTSLData,
     &M::KLX_XMLModelTransferTTSLDataToDB, 0, nullptr, Flow::NoCheck},
    {QLatin1String("Headup"), &M::KLX_XMLModelWriteModelHeadup, &M::KLX_XMLModelReadModelHeadupData,
     &M::KLX_XMLModelTransferHeadupDataToDB, 0x515CA, "headup error, could not write to DB"},
    {QLatin1String("TIMER"), &M::KLX_XMLModelWriteModelTimer, &M::KLX_XMLModelReadModelTimerData,
     &M::KLX_XMLModelTransferTimerDataToDB, 0x515D4, "timer index error, could not write to DB"},
    {QLatin1String("COMPLEXTIMER"), &M::KLX_XMLModelWriteModelComplexTimer, &M::KLX_XMLModelReadModelComplexTimerData,
     &M::KLX_XMLModelTransferComplexTimerDataToDB, 0x515D4, "complex timer index error, could not write to DB"},
    {QLatin1String("TRIM"), &M::KLX_XMLModelWriteModelTrim, &M::KLX_XMLModelReadModelTrimData,
     &M::KLX_XMLModelTransferTrimDataToDB, 0x51501, "trim index error, could not write to DB"},
    {QLatin1String("TELEMETRIEPAGE"), &M::KLX_XMLModelWriteModelTelemetrie, &M::KLX_XMLModelReadModelTelemetrieData,
     &M::KLX_XMLModelTransferTelemetrieDataToDB, 0x51516, "telemetrie page index error, could not write to DB"},
    {QLatin1String("TELEMETRYALIASES"), &M::KLX_XMLModelWriteModelTelemetrieAlias,
     &M::KLX_XMLModelReadModelTelemetrieAliasData, nullptr, 0x51516, "Telemetry aliases error, could not write to DB",
     Flow::Aliases},
    {QLatin1String("SWITCHCONFIGURATION"), &M::KLX_XMLModelWriteModelSpecialSwitch,
     &M::KLX_XMLModelReadModelSpecialSwitch, &M::KLX_XMLModelTransferSpecialSwitchDataToDB, 0x515F3, "special switch index error, could not write to DB"},
    {QLatin1String("TELEMETRYCONTROL"), &M::KLX_XMLModelWriteModelTelemetryControl,
     &M::KLX_XMLModelReadModelTeleControlData, &M::KLX_XMLModelTransferTeleControlDataToDB, 0x5158C,
     "telemetry control index error, could not write to DB"},
    {QLatin1String("PREFLIGHT"), &M::KLX_XMLModelWriteModelPreflightSettings,
     &M::KLX_XMLModelReadModelPreflightSettings, &M::KLX_XMLModelTransferPreflightSettingsToDB, 0x515B7,
     "preflight error, could not write to DB"},
    {QLatin1String("RECEIVERMAIN"), &M::KLX_XMLModelWriteReceiverMain, &M::KLX_XMLModelReadModelReceiverMainData,
     &M::KLX_XMLModelTransferReceiverMainDataToDB, 0x5156D, "reciver error, could not write to DB"},
    {QLatin1String("RECEIVER"), &M::KLX_XMLModelWriteReceiverMode, &M::KLX_XMLModelReadModelReceiverData,
     &M::KLX_XMLModelTransferReceiverDataToDB, 0x51516, "receiver index error, could not write to DB"},
    {QLatin1String("VOICEALARM"), &M::KLX_XMLModelWriteVoiceAlarmMode, &M::KLX_XMLModelReadModelVoiceAlarm,
     &M::KLX_XMLModelTransferVoiceAlarmDataToDB, 0, nullptr, Flow::NoCheck},
    // One writer writes the three voices.
    {QLatin1String("TELESTATUSALARMVOICE"), &M::KLX_XMLModelWriteTeleAlarmVoices, &M::KLX_XMLModelReadTeleAlarmVoices,
     nullptr, 0x515F3, "telemetry status alarm voice transfer error, could not write to DB", Flow::Voice, nullptr, -1},
    {QLatin1String("TELEALARMVOICE"), nullptr, &M::KLX_XMLModelReadTeleAlarmVoices, nullptr, 0x515F3,
     "telemetry alarm voice transfer error, could not write to DB", Flow::Voice, nullptr, -2},
    {QLatin1String("TELEWARNINGVOICE"), nullptr, &M::KLX_XMLModelReadTeleAlarmVoices, nullptr, 0x515F3,
     "telemetry warning voice transfer error, could not write to DB", Flow::Voice, nullptr, -3},
    {QLatin1String("Vario"), &M::KLX_XMLModelWriteVarioConfig, &M::KLX_XMLModelReadVarioConfig,
     &M::KLX_XMLModelTransferVarioDataToDB, 0x515F3, "vario transfer error, could not write to DB", Flow::Vario},
    {QLatin1String("SERVOPPMMODE"), &M::KLX_XMLModelWriteServoPPMMode, nullptr, nullptr, 0, nullptr, Flow::InPlace,
     &M::KLX_XMLModelReadServoPPMMode},
    {QLatin1String("TEACHERPUPILSWITCHCONTROL"), &M::KLX_XMLModelWriteTeacherPupilSwControl, nullptr, nullptr, 0,
     nullptr, Flow::InPlace, &M::KLX_XMLModelReadTeacherPupilSwControl},
};
}  // namespace

// The model file on the card as a save finds it, read as the save's text
// goes by: whether the save would write what the card holds already. Read
// on the writing thread, never under the model's lock, so that a card that
// hangs holds up no edit.
class KLX_XMLOnCard {
 public:
  explicit KLX_XMLOnCard(const QString& path) : m_File(path) {
    m_Same = m_File.size() <= KLX_XMLModel::kMaxFileBytes && m_File.open(QIODevice::ReadOnly);
  }
  // Whether the file's next bytes are `chunk`; after one that differs, none is.
  bool Same(const QByteArray& chunk) {
    if (m_Same) m_Same = m_File.read(chunk.size()) == chunk;
    return m_Same;
  }
  // Whether the rest of the file is `tail`, the end of the save after the
  // text already found the same: but for the texts of "CRC_MD5", scrambled
  // with a random byte at every save, whose digest must be the save's all
  // the same, and of "APPVERSION", which is no part of the model.
  bool SameTail(const QByteArray& tail, const QByteArray& digest) {
    if (!m_Same) return false;
    const QByteArray rest = m_File.read(tail.size() + kTailSlack);
    if (!m_File.atEnd()) return false;
    QByteArray check, mine, version;
    if (Without(Without(rest, "CRC_MD5", &check), "APPVERSION", &version) !=
        Without(Without(tail, "CRC_MD5", &mine), "APPVERSION", &version))
      return false;
    SimpleCrypt crypt(kCheckKey);
    const QByteArray held = crypt.decryptToByteArray(QString::fromLatin1(check));
    return crypt.lastError() == SimpleCrypt::ErrorNoError && held == digest;
  }

 private:
  // Room for an "APPVERSION" text longer than this program's.
  static constexpr int kTailSlack = 256;
  // The text with the content of its first element `name` taken out (left
  // whole without one), and that content.
  static QByteArray Without(const QByteArray& text, const char* name, QByteArray* content) {
    const QByteArray open = QByteArray("<") + name + '>';
    const QByteArray close = QByteArray("</") + name + '>';
    const int from = text.indexOf(open);
    const int to = from < 0 ? -1 : text.indexOf(close, from);
    if (to < 0) return text;
    *content = text.mid(from + open.size(), to - from - open.size());
    return text.left(from + open.size()) + text.mid(to);
  }

  QFile m_File;
  bool m_Same = false;
};

// The body of a save on its way while it is built: the text is handed over
// in chunks, one thread adds them to the check value (the MD5 digest of the
// text up to the end tag of "DATA") and another compares them with the file
// on the card and, from the first that differs, writes them to the
// temporary file and has the card take them. The digest and the file are
// then done soon after the text; only the tail, the sync and the rename are
// left. A text the card holds already makes no file at all. The chunks are
// read where the writer built them: its text stays in place until it is
// taken, even when the writer grows.
class KLX_XMLBodyPipe {
 public:
  enum class Outcome { OnCard, Written, Refused, Failed };
  // `open` makes the temporary file (false: it cannot be written, told by
  // `open` itself); called on the writing thread.
  KLX_XMLBodyPipe(KLX_XMLSafeFile* file, const KLX_XMLTextWriter* text, KLX_XMLOnCard* card,
                  std::function<bool()> open)
      : m_File(file), m_Text(text), m_Card(card), m_Open(std::move(open)) {
    m_Hasher = std::thread([this] {
      Consume(&m_HashNext, [this](const QByteArray& chunk) { m_Md5.addData(chunk); });
    });
    m_Writer = std::thread([this] { Write(); });
  }
  ~KLX_XMLBodyPipe() {
    QByteArray unused;
    Finish(&unused);
  }

  // Hands over the text built since the last chunk: always with `all`,
  // else once it is large enough to be worth a chunk of its own.
  void Offer(bool all) {
    const int size = m_Text->Size();
    if (size == m_Handed || (!all && size - m_Handed < kChunkBytes)) return;
    {
      std::lock_guard<std::mutex> lock(m_Mutex);
      m_Chunks.append(QByteArray::fromRawData(m_Text->Data() + m_Handed, size - m_Handed));
    }
    m_Handed = size;
    m_Changed.notify_all();
  }
  bool Builds(const KLX_XMLTextWriter* text) const { return text == m_Text; }
  // Hands over the rest and waits for both threads: where the text went,
  // and the digest in hexadecimal.
  Outcome Finish(QByteArray* digest) {
    if (!m_Hasher.joinable()) return Outcome::Failed;
    Offer(true);
    {
      std::lock_guard<std::mutex> lock(m_Mutex);
      m_Closed = true;
      m_Changed.notify_all();
    }
    m_Hasher.join();
    m_Writer.join();
    *digest = m_Md5.result().toHex();
    if (!m_Writing) return Outcome::OnCard;
    if (m_Refused) return Outcome::Refused;
    return m_Failed ? Outcome::Failed : Outcome::Written;
  }

 private:
  static constexpr int kChunkBytes = 64 * 1024;
  static constexpr qint64 kWritebackBytes = 1024 * 1024;

  template <typename Use>
  void Consume(int* next, Use use) {
    for (;;) {
      QByteArray chunk;
      {
        std::unique_lock<std::mutex> lock(m_Mutex);
        m_Changed.wait(lock, [&] { return *next < m_Chunks.size() || m_Closed; });
        if (*next >= m_Chunks.size()) return;
        chunk = m_Chunks.at((*next)++);
      }
      use(chunk);
    }
  }

  void Write() {
    qint64 unsynced = 0;
    const auto put = [&](const QByteArray& chunk) {
      if (m_Failed) return;
      if (!m_File->Write(chunk.constData(), chunk.size())) m_Failed = true;
      unsynced += chunk.size();
      if (unsynced >= kWritebackBytes) {
        m_File->StartWriteback();
        unsynced = 0;
      }
    };
    Consume(&m_WriteNext, [&](const QByteArray& chunk) {
      if (!m_Writing) {
        if (m_Card->Same(chunk)) return;
        // The first text the card does not hold: the file is made and
        // written from its start.
        m_Writing = true;
        m_Refused = m_Failed = !m_Open();
        QVector<QByteArray> before;
        {
          std::lock_guard<std::mutex> lock(m_Mutex);
          before = m_Chunks.mid(0, m_WriteNext - 1);
        }
        for (const QByteArray& earlier : before) put(earlier);
      }
      put(chunk);
    });
    // The body on the card while the digest is finished: the sync after
    // the tail has little data left.
    if (m_Writing) m_File->FinishWriteback();
  }

  KLX_XMLSafeFile* m_File;
  const KLX_XMLTextWriter* m_Text;
  KLX_XMLOnCard* m_Card;
  std::function<bool()> m_Open;
  int m_Handed = 0;
  std::mutex m_Mutex;
  std::condition_variable m_Changed;
  QVector<QByteArray> m_Chunks;
  bool m_Closed = false;
  int m_HashNext = 0;
  int m_WriteNext = 0;
  QCryptographicHash m_Md5{QCryptographicHash::Md5};
  // Set on the writing thread, read after it ended.
  bool m_Writing = false;
  bool m_Refused = false;
  bool m_Failed = false;
  std::thread m_Hasher;
  std::thread m_Writer;
};

// ---- What every section shares ----------------------------------------------------------

namespace KLX_XMLIO {
void Report(unsigned code, const QString& text) { KLXErrorHandler.RegisterError(code, text); }
void Report(unsigned code, const char* text) { KLXErrorHandler.RegisterError(code, QString::fromLatin1(text)); }

namespace {
thread_local int t_Skips = 0;
}

void Skip(QXmlStreamReader* r, unsigned code, const char* text) {
  if (t_Skips++ < kSkipReports) Report(code, text);
  r->skipCurrentElement();
}

int StartSkipCount() { return t_Skips = 0; }
int SkipCount() { return t_Skips; }

QString Text(QXmlStreamReader* r) {
  QString text;
  AppendText(r, &text);
  return text;
}

namespace {
bool Passes(const KLX_XMLField& f, int v) {
  switch (f.check) {
    case KLX_XMLCheck::Uint8: return KLX_XMLModelBase::KLX_XMLModelBaseCheckUint8(v);
    case KLX_XMLCheck::Sint8: return KLX_XMLModelBase::KLX_XMLModelBaseCheckSint8(v);
    case KLX_XMLCheck::Uint16: return KLX_XMLModelBase::KLX_XMLModelBaseCheckUint16(v);
    case KLX_XMLCheck::Sint16: return KLX_XMLModelBase::KLX_XMLModelBaseCheckSint16(v);
    case KLX_XMLCheck::Boolean: return KLX_XMLModelBase::KLX_XMLModelBaseCheckBoolean(v);
    case KLX_XMLCheck::TControl: return KLX_XMLModelBase::KLX_XMLModelBaseCheckTControl(v);
    case KLX_XMLCheck::TIndex: return KLX_XMLModelBase::KLX_XMLModelBaseCheckTIndex(v);
    case KLX_XMLCheck::Any: return true;
    case KLX_XMLCheck::UpToMax: return static_cast<unsigned>(v) <= static_cast<unsigned>(f.max);
    case KLX_XMLCheck::Range: return v >= f.min && v <= f.max;
  }
  return false;
}
}  // namespace

bool ReadField(QXmlStreamReader* r, const KLX_XMLField& f, int* value) {
  const QString& text = NumberText(r);
  if (r->hasError()) return false;
  int v = 0;
  if (!ToNumber(text, f.isUnsigned, &v) || !Passes(f, v)) {
    Report(f.code, f.text);
    return false;
  }
  *value = v;
  return true;
}

QString Number(const KLX_XMLField& f, int v) {
  return f.isUnsigned ? QString::number(static_cast<unsigned>(v)) : QString::number(v);
}

void ReportReplaced(QLatin1String prefix, int unit, int sub, const QString& field, const QString& value,
                    const QString& stored) {
  QString where = QString::number(unit);
  if (sub >= 0) where += QLatin1Char('/') + QString::number(sub);
  Report(kReplaced, QStringLiteral("%1 %2 %3 %4 replaced by %5").arg(prefix, where, field, value, stored));
}

void Copy(KLX_DataBaseManager* db, QLatin1String prefix, const KLX_XMLField& f, int unit, int sub, int value) {
  const int stored = f.access(db, unit, sub < 0 ? 0 : sub, value, AtomicDirSet);
  if (stored != value) ReportReplaced(prefix, unit, sub, f.name, Number(f, value), Number(f, stored));
}

void WriteVoice(KLX_XMLTextWriter* w, KLX_DataBaseManager* db, int slot, const QString& params) {
  const QStringList parts = params.split(QLatin1Char('\t'));
  QString language = parts.value(0);
  QString voice = parts.value(1);
  if (language.isEmpty() || voice.isEmpty()) {
    // The store then holds what the file holds, without marking the model
    // (a save that marked it would leave it to be saved again).
    language = voice = QStringLiteral("None");
    db->KLX_DataBaseManagerVAlarmSetVoiceTextParams(slot, language, voice, false);
  }
  w->TextElement(QLatin1String("VLanguage"), language);
  w->TextElement(QLatin1String("VoiceName"), voice);
}
}  // namespace KLX_XMLIO

KLX_XMLModel::KLX_XMLModel() = default;
KLX_XMLModel::~KLX_XMLModel() = default;

int KLX_XMLModel::KLX_XMLModelInitialize(KLX_DataBaseManager* db) {
  if (!db) {
    Report(kErrInitialize, "KLX_XMLModelInitialize() went wrong");
    return KLX_Error;
  }
  m_Db = db;
  m_Data.reset();
  return KLX_Ok;
}

// ---- Writing -------------------------------------------------------------------------

QString KLX_XMLModel::KLX_XMLModelCheckedFolder(Access access, int type, const QString& folder, const QString& file) {
  const QString checked = KLX_FileNameHandler().KLX_FileNameHandlerCheckModelPath(type, folder, file);
  if (checked.isEmpty()) {
    if (access == Access::Write)
      Report(kErrWriteOutside, "model path outside the model folders refused");
    else
      Report(kErrReadOutside, "model path outside the model folders refused");
  }
  return checked;
}

QString KLX_XMLModel::CheckedPath(Access access, const QString& path) {
  const QFileInfo file(path);
  const QString folder = KLX_XMLModelCheckedFolder(access, 0, file.path(), file.fileName());
  return folder.isEmpty() ? QString() : folder + file.fileName();
}

bool KLX_XMLModel::WriteNamed(const QString& path, const QString& modelName) const {
  if (m_Db && !path.isEmpty() && !modelName.isEmpty()) return true;
  Report(kErrNoName, "xml model file name not given");
  return false;
}

int KLX_XMLModel::KLX_XMLModelWriteModelFile(const QString& path, const QString& modelName) {
  if (!WriteNamed(path, modelName)) return KLX_Error;
  const QString checked = CheckedPath(Access::Write, path);
  return checked.isEmpty() ? int(KLX_Error) : WriteCheckedFile(checked, modelName);
}

int KLX_XMLModel::WriteCheckedFile(const QString& path, const QString& modelName, const std::function<bool()>& room) {
  if (!WriteNamed(path, modelName)) return KLX_Error;
  // A read writing back the model it corrected: not once it is called off,
  // when the facade no longer holds what it read.
  if (!EnterGate()) return KLX_Error;
  LeaveGate();
  // What saves cut short left beside the file goes before the next one.
  KLX_XMLSafeFile::RemoveLeftovers(path);
  KLX_XMLSafeFile file(path);
  // Made only for a text the card does not hold already: a save of the
  // model as its file holds it writes nothing, and so needs no room.
  const auto open = [&] {
    if (room && !room()) return false;
    if (file.Open()) return true;
    Report(kErrOpenWrite, "xml model file could not be open for writing");
    return false;
  };
  KLX_XMLOnCard card(path);
  // Whatever fails from here on leaves the old file as it was.
  KLX_XMLTextWriter w(m_SavedBytes > 0 ? static_cast<int>(m_SavedBytes) + 4096 : 0);
  QByteArray digest;
  KLX_XMLBodyPipe::Outcome body = KLX_XMLBodyPipe::Outcome::Failed;
  {
    KLX_XMLBodyPipe pipe(&file, &w, &card, open);
    m_Pipe = &pipe;
    if (EnterGate()) {
      // The text is the model as of one moment: no edit of the screens, a
      // task or a controller's report lands half way through it. The gate
      // is held until the model is: what a give-up clears waits for it.
      const KLX_ModelLock lock;
      LeaveGate();
      WriteBody(&w, modelName);
    }
    m_Pipe = nullptr;
    body = pipe.Finish(&digest);
  }
  if (m_CalledOff || body == KLX_XMLBodyPipe::Outcome::Refused) return KLX_Error;
  int from = w.Size();
  WriteTail(&w, digest);
  if (body == KLX_XMLBodyPipe::Outcome::OnCard) {
    if (card.SameTail(QByteArray::fromRawData(w.Data() + from, w.Size() - from), digest)) {
      qDebug("   ...model file unchanged, not written");
      return KLX_Ok;
    }
    // Only the end differs: the whole text goes now.
    if (!open()) return KLX_Error;
    from = 0;
    body = KLX_XMLBodyPipe::Outcome::Written;
  }
  if (body != KLX_XMLBodyPipe::Outcome::Written || !file.Write(w.Data() + from, w.Size() - from)) {
    Report(kErrShortWrite, "model file could not be written completely");
    return KLX_Error;
  }
  if (!file.Commit()) {
    Report(kErrFlush, "Model file buffer could not be flushed and isn't closed");
    return KLX_Error;
  }
  if (w.Size() != m_SavedBytes) {
    Report(kSavedBytes, QStringLiteral("written %1 bytes of modelfile %2").arg(w.Size()).arg(path));
    m_SavedBytes = w.Size();
  }
  ++m_Writes;
  qDebug("   ...model file saved!");
  return KLX_Ok;
}

void KLX_XMLModel::HandOver(const KLX_XMLTextWriter* w) {
  if (m_Pipe && m_Pipe->Builds(w)) m_Pipe->Offer(false);
}

void KLX_XMLModel::WriteBody(KLX_XMLTextWriter* w, const QString& modelName) {
  QElapsedTimer clock;
  clock.start();
  // Each section's time, only for a listener (the benchmark).
  const auto lap = [&](QLatin1String element) {
    if (!m_WriteHook) return;
    m_WriteHook(element, clock.nsecsElapsed());
    clock.start();
  };
  w->StartDeviceFile(QLatin1String("modelfile"));
  w->StartElement(QLatin1String("NAME"));
  w->TextElement(QLatin1String("Modelname"), modelName);
  w->TextElement(QLatin1String("Modelinfo"),
                 m_Db->KLX_DataBaseManagerModelmetadataGetSet_Modelinfo(QString(), AtomicDirGet, false));
  w->EndElement();
  lap(QLatin1String("NAME"));
  w->StartElement(QLatin1String("DATA"));
  for (const Section& section : kSections) {
    if (!section.write) continue;
    (this->*section.write)(w);
    HandOver(w);
    lap(section.element);
  }
  w->EndElement();
}

void KLX_XMLModel::WriteTail(KLX_XMLTextWriter* w, const QByteArray& digest) {
  SimpleCrypt crypt(kCheckKey);
  w->StartElement(QLatin1String("SECUREDATA"));
  w->TextElement(QLatin1String("CRC_MD5"), crypt.encryptToString(digest));
  w->TextElement(QLatin1String("APPVERSION"), m_Db->KLX_DataBaseManagerVornLinuxAppGetVersion());
  w->EndElement();
  w->EndDocument();
}

void KLX_XMLModel::WriteGroup(KLX_XMLTextWriter* w, const KLX_XMLGroup& g) {
  const auto fields = [&](const KLX_XMLGroup& group, int unit, int sub) {
    for (int i = 0; i < group.fieldCount; ++i) {
      const KLX_XMLField& f = group.fields[i];
      const int v = f.access(m_Db, unit, sub, 0, AtomicDirGet);
      w->TextElement(f.name, f.isUnsigned ? static_cast<qint64>(static_cast<unsigned>(v)) : v);
    }
  };
  const int units = g.count ? g.count(m_Db) : 1;
  for (int unit = 0; unit < units; ++unit) {
    if (g.usedField >= 0 && g.fields[g.usedField].access(m_Db, unit, 0, 0, AtomicDirGet) != 1) continue;
    w->StartElement(g.element);
    if (g.indexMax >= 0) w->TextElement(kIndex, unit);
    if (g.name) w->TextElement(kName, g.name(m_Db, unit, QString(), AtomicDirGet));
    fields(g, unit, 0);
    for (int p = 0; g.parts && g.parts[p]; ++p) {
      const KLX_XMLGroup& part = *g.parts[p];
      for (int sub = 0; sub <= part.indexMax; ++sub) {
        if (!part.writeIf(m_Db, unit, sub)) continue;
        w->StartElement(part.element);
        w->TextElement(kIndex, sub);
        fields(part, unit, sub);
        w->EndElement();
      }
    }
    w->EndElement();
    HandOver(w);
  }
}

// ---- Reading -------------------------------------------------------------------------

int KLX_XMLModel::KLX_XMLModelReadModelFile(const QString& path, const QString& modelName) {
  if (!m_Db || path.isEmpty() || modelName.isEmpty()) return KLX_Error;
  const QString checked = CheckedPath(Access::Read, path);
  return checked.isEmpty() ? int(KLX_Error) : ReadCheckedFile(checked, modelName);
}

int KLX_XMLModel::ReadCheckedFile(const QString& path, const QString& modelName) {
  if (!m_Db || path.isEmpty() || modelName.isEmpty()) return KLX_Error;
  ++m_Reads;
  // The card is waited for before the gate is taken: a read called off
  // while the card hangs leaves the facade as it is.
  QByteArray bytes;
  const bool readable = ReadBytes(path, &bytes);
  if (!EnterGate()) return KLX_Timeout;
  m_Data.reset(new KLX_XML_ModelData);
  // The folder of the file: what the screens show as the model's path.
  const int slash = path.lastIndexOf(QLatin1Char('/'));
  if (slash >= 0) m_Db->KLX_SetModelPath(KLX_FileFunctions::KLX_FileFunctionsBoardPath(path.left(slash)));
  int result = readable ? Parse(bytes, modelName) : int(KLX_Error);
  if (m_CalledOff) {
    m_Data.reset();
    return KLX_Timeout;
  }
  if (result == KLX_Error) {
    // A refused file leaves nothing of itself behind: no partial model is
    // shown, sent to the transceiver or saved over the file. The current
    // model keeps its name and folder (so the next start tries the file
    // again) and is marked as not loaded, which keeps the saver from
    // writing what is in memory over the file.
    m_Db->KLX_DataBaseManagerVornPropertiesSetFailedFile(KLX_FileFunctions::KLX_FileFunctionsBoardPath(path));
    m_Db->KLX_DataBaseManagerResetAllModelData();
  } else {
    m_Db->KLX_DataBaseManagerVornPropertiesSetFailedFile(QString());
    KLX_XMLModelVornFenk_CutReceivers();
    result = KLX_XMLModelHarmonizeRanges();
  }
  LeaveGate();
  m_Data.reset();
  return result;
}

int KLX_XMLModel::KLX_XMLModelReadFile(const QString& path, const QString& modelName) {
  if (!m_Db || path.isEmpty()) return KLX_Error;
  const QString checked = CheckedPath(Access::Read, path);
  if (checked.isEmpty()) return KLX_Error;
  QByteArray bytes;
  const bool readable = ReadBytes(checked, &bytes);
  if (!EnterGate()) return KLX_Timeout;
  if (!m_Data) m_Data.reset(new KLX_XML_ModelData);
  int result = KLX_Error;
  if (readable) {
    result = Parse(bytes, modelName);
  } else {
    // A file that cannot be read leaves the facade as empty as one that
    // is refused.
    m_Db->KLX_DataBaseManagerResetAllModelData();
  }
  if (m_CalledOff) return KLX_Timeout;
  LeaveGate();
  return result;
}

bool KLX_XMLModel::ReadBytes(const QString& path, QByteArray* bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    Report(kErrOpenRead, "xml file could not be open for reading");
    return false;
  }
  Report(kLoading, QStringLiteral("Model file %1 is loading...").arg(path));
  constexpr qint64 kMaxFileBytes = KLX_XMLModel::kMaxFileBytes;
  if (file.size() > kMaxFileBytes) {
    Report(kErrTooLarge, QStringLiteral("model file of %1 bytes refused, at most %2 are read").arg(file.size()).arg(kMaxFileBytes));
    return false;
  }
  *bytes = file.read(kMaxFileBytes + 1);
  file.close();
  if (bytes->size() > kMaxFileBytes) {
    Report(kErrTooLarge, QStringLiteral("model file refused, more than %1 bytes").arg(kMaxFileBytes));
    return false;
  }
  // The file is UTF-8 text, as every file the program writes; bytes that
  // are not would stop the reader before its root element.
  const int invalid = KLX_Utf8FirstInvalid(*bytes);
  if (invalid >= 0) {
    Report(kErrEncoding, QStringLiteral("model file is not UTF-8 text: byte 0x%1 at line %2")
                             .arg(static_cast<unsigned char>(bytes->at(invalid)), 2, 16, QLatin1Char('0'))
                             .arg(bytes->left(invalid).count('\n') + 1));
    return false;
  }
  return true;
}

int KLX_XMLModel::Parse(const QByteArray& bytes, const QString& modelName) {
  m_Db->KLX_DataBaseManagerResetAllModelData();
  QXmlStreamReader reader(bytes);
  bool aborted = false;
  KLX_XMLIO::StartSkipCount();
  const int result = ReadRoot(&reader, modelName, &aborted);
  if (KLX_XMLIO::SkipCount() > kSkipReports)
    Report(kSkippedMore, QStringLiteral("%1 unknown elements skipped in model file").arg(KLX_XMLIO::SkipCount()));
  if (aborted) return KLX_Error;
  m_Db->KLX_DataBaseManagerVarioInitComplete();
  return result;
}

void KLX_XMLReadGate::Stop() {
  QMutexLocker lock(&m_Mutex);
  m_Stopped = true;
}

bool KLX_XMLReadGate::Enter() {
  m_Mutex.lock();
  if (!m_Stopped) return true;
  m_Mutex.unlock();
  return false;
}

bool KLX_XMLModel::EnterGate() {
  m_CalledOff = m_Gate && !m_Gate->Enter();
  return !m_CalledOff;
}

void KLX_XMLModel::LeaveGate() {
  if (m_Gate) m_Gate->Leave();
}

bool KLX_XMLModel::SectionDone(const QString& element) {
  if (!m_SectionHook) return true;
  LeaveGate();
  m_SectionHook(element);
  return EnterGate();
}

int KLX_XMLModel::ReadRoot(QXmlStreamReader* r, const QString& modelName, bool* aborted) {
  if (!r->readNextStartElement()) {
    Report(kErrNoRoot, QStringLiteral("model file has no root element: %1").arg(r->errorString()));
    return KLX_Error;
  }
  if (r->name() != QLatin1String("modelfile") || r->attributes().value(QLatin1String("version")) != QLatin1String("1.0")) {
    Report(kErrRoot, kSkipText);
    return KLX_Error;
  }
  int result = KLX_Ok;
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    if (name == QLatin1String("NAME")) {
      ReadName(r, modelName);
    } else if (name == QLatin1String("DATA")) {
      result = ReadData(r, aborted);
      if (*aborted) return KLX_Error;
    } else if (name == QLatin1String("SECUREDATA")) {
      ReadSecureData(r);
    } else {
      Skip(r, kSkipped, kSkipText);
    }
  }
  if (r->hasError()) {
    // A file cut short or broken is refused whole, never loaded in part.
    ReportDamaged(r);
    return KLX_Error;
  }
  return result;
}

int KLX_XMLModel::ReadData(QXmlStreamReader* r, bool* aborted) {
  int result = KLX_Ok;
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    const Section* section = nullptr;
    for (const Section& s : kSections)
      if ((s.read || s.inPlace) && name == s.element) section = &s;
    if (!section) {
      Skip(r, kSkipped, kSkipText);
      continue;
    }
    if (section->flow == Flow::InPlace) {
      (this->*section->inPlace)(r);
      if (r->hasError()) break;
      result = KLX_Ok;
      if (!SectionDone(section->element)) {
        *aborted = true;
        return KLX_Error;
      }
      continue;
    }
    const int read = (this->*section->read)(r);
    if (read == KLX_Error || (section->flow == Flow::Vario && read < KLX_Error)) {
      if (r->hasError()) ReportDamaged(r);
      if (section->flow == Flow::Aliases) Report(section->failCode, section->failText);
      *aborted = true;
      return KLX_Error;
    }
    switch (section->flow) {
      case Flow::Aliases:
        m_Data->aliasesRead = true;
        result = read;
        break;
      case Flow::NoCheck:
        (this->*section->transfer)();
        result = read;
        break;
      case Flow::Voice:
        if (KLX_XMLModelTransferTeleVoiceAlarmDataToDB(section->voiceSlot) <= KLX_Error)
          Report(section->failCode, section->failText);
        result = KLX_Ok;
        break;
      case Flow::Vario: {
        const int transferred = (this->*section->transfer)();
        if (transferred <= KLX_Error) Report(section->failCode, section->failText);
        result = transferred;
        break;
      }
      default: {
        const int transferred = (this->*section->transfer)();
        if (transferred == KLX_Error) {
          Report(section->failCode, section->failText);
          *aborted = true;
          return KLX_Error;
        }
        result = transferred;
      }
    }
    if (!SectionDone(section->element)) {
      *aborted = true;
      return KLX_Error;
    }
  }
  return result;
}

void KLX_XMLModel::ReadName(QXmlStreamReader* r, const QString& modelName) {
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    if (name == QLatin1String("Modelname")) {
      const QString text = Text(r);
      if (!r->hasError() && text != modelName) Report(kErrModelName, "modelname not equal to file modelname");
    } else if (name == QLatin1String("Modelinfo")) {
      const QString text = Text(r);
      if (!r->hasError()) m_Db->KLX_DataBaseManagerModelmetadataGetSet_Modelinfo(text, AtomicDirSet, false);
    } else {
      Skip(r, kSkipped, kSkipText);
    }
  }
}

void KLX_XMLModel::ReadSecureData(QXmlStreamReader* r) {
  // Kept with the read, never checked: the check value is for other readers.
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    if (name == QLatin1String("CRC_MD5"))
      m_Data->crcMd5 = Text(r);
    else if (name == QLatin1String("APPVERSION"))
      m_Data->appVersion = Text(r);
    else
      Skip(r, kSkipped, kSkipText);
  }
}

int KLX_XMLModel::ReadGroup(QXmlStreamReader* r, const KLX_XMLGroup& g) {
  KLX_XMLStaged& st = m_Data->record;
  st.index = -1;
  st.nameGiven = false;
  st.name.clear();
  st.given = 0;
  for (int i = 0; i < g.fieldCount; ++i) st.values[i] = g.start ? g.start[i] : 0;
  for (int p = 0; g.parts && g.parts[p]; ++p) {
    st.accepted[p] = 0;
    QVector<KLX_XMLStaged::Part>& cells = st.parts[p];
    cells.resize(g.parts[p]->indexMax + 1);
    for (KLX_XMLStaged::Part& slot : cells) slot.present = false;
  }
  int fields = 0;
  return ReadChildren(r, g, &st.index, st.values, &st.given, &fields, [&](const QStringRef& name) {
    if (g.name && name == kName) {
      const QString text = Text(r);
      if (r->hasError()) return int(KLX_Error);
      st.name = QString::fromUtf8(KLX_Utf8Cut(text, kNameBytes));
      st.nameGiven = true;
      return int(KLX_Ok);
    }
    for (int p = 0; g.parts && g.parts[p]; ++p)
      if (name == g.parts[p]->element) return ReadPart(r, *g.parts[p], &st.parts[p], &st.accepted[p]);
    return kNotTaken;
  });
}

int KLX_XMLModel::TransferGroup(const KLX_XMLGroup& g) {
  const KLX_XMLStaged& st = m_Data->record;
  int unit = 0;
  if (g.indexMax >= 0) {
    // Records beyond what this board has (a file of the other board) are dropped.
    const int count = (g.copyCount ? g.copyCount : g.count)(m_Db);
    if (st.index < 0 || st.index >= count) return KLX_Ok;
    unit = st.index;
  }
  if (g.name && st.nameGiven) {
    const QString stored = g.name(m_Db, unit, st.name, AtomicDirSet);
    if (stored != st.name) KLX_XMLIO::ReportReplaced(g.prefix, unit, -1, kName, st.name, stored);
  }
  for (int i = 0; i < g.fieldCount; ++i)
    if (g.start || (st.given & (1u << i))) KLX_XMLIO::Copy(m_Db, g.prefix, g.fields[i], unit, -1, st.values[i]);
  if (g.afterCopy) g.afterCopy(m_Db, st);
  for (int p = 0; g.parts && g.parts[p]; ++p) {
    const KLX_XMLGroup& part = *g.parts[p];
    for (int sub = 0; sub < st.parts[p].size(); ++sub) {
      const KLX_XMLStaged::Part& slot = st.parts[p].at(sub);
      if (!slot.present || !part.copyIf(m_Db, sub, slot.values)) continue;
      for (int i = 0; i < part.fieldCount; ++i) KLX_XMLIO::Copy(m_Db, part.prefix, part.fields[i], unit, sub, slot.values[i]);
    }
  }
  return KLX_Ok;
}

// ---- The sections ------------------------------------------------------------------------

#define KLX_XML_SECTION(Write, Read, Transfer, group)                                                  \
  void KLX_XMLModel::Write(KLX_XMLTextWriter* w) { WriteGroup(w, KLX_XMLSections::group); }             \
  int KLX_XMLModel::Read(QXmlStreamReader* r) { return ReadGroup(r, KLX_XMLSections::group); }            \
  int KLX_XMLModel::Transfer() { return TransferGroup(KLX_XMLSections::group); }

KLX_XML_SECTION(KLX_XMLModelWriteModelRuntime, KLX_XMLModelReadModelRuntimeData,
                KLX_XMLModelTransferModelRuntimeDataToDB, kRuntime)
KLX_XML_SECTION(KLX_XMLModelWriteModelSilentMode, KLX_XMLModelReadModelSilentMode,
                KLX_XMLModelTransferModelSilentModeToDB, kSilentMode)
KLX_XML_SECTION(KLX_XMLModelWriteModelFunction, KLX_XMLModelReadModelFuncData, KLX_XMLModelTransferFunctionDataToDB,
                kFunction)
KLX_XML_SECTION(KLX_XMLModelWriteModelServoConfig, KLX_XMLModelReadModelServoConfigData,
                KLX_XMLModelTransferServoConfigDataToDB, kServoConfig)
KLX_XML_SECTION(KLX_XMLModelWriteModelMixer, KLX_XMLModelReadModelMixerData, KLX_XMLModelTransferMixerDataToDB,
                kMixer)
KLX_XML_SECTION(KLX_XMLModelWriteModelLimiter, KLX_XMLModelReadModelLimiterData,
                KLX_XMLModelTransferLimiterDataToDB, kLimiter)
KLX_XML_SECTION(KLX_XMLModelWriteModelFlightMode, KLX_XMLModelReadModelFlightModeData,
                KLX_XMLModelTransferFlightModeDataToDB, kFlightMode)
KLX_XML_SECTION(KLX_XMLModelWriteModelCurve, KLX_XMLModelReadModelCurveData, KLX_XMLModelTransferCurveDataToDB,
                kCurve)
KLX_XML_SECTION(KLX_XMLModelWriteModelSwitches, KLX_XMLModelReadModelSwitchesData,
                KLX_XMLModelTransferSwitchesDataToDB, kSwitch)
KLX_XML_SECTION(KLX_XMLModelWriteModelSpecialSwitch, KLX_XMLModelReadModelSpecialSwitch,
                KLX_XMLModelTransferSpecialSwitchDataToDB, kSpecialSwitch)
#undef KLX_XML_SECTION

// Sections whose table gives the text, with a transfer of their own.
void KLX_XMLModel::KLX_XMLModelWriteModelFlightModeAssign(KLX_XMLTextWriter* w) {
  WriteGroup(w, KLX_XMLSections::kFlightModeAssign);
}
int KLX_XMLModel::KLX_XMLModelReadFlightModeAssign(QXmlStreamReader* r) {
  return ReadGroup(r, KLX_XMLSections::kFlightModeAssign);
}
void KLX_XMLModel::KLX_XMLModelWriteModelTrim(KLX_XMLTextWriter* w) { WriteGroup(w, KLX_XMLSections::kTrim); }
int KLX_XMLModel::KLX_XMLModelReadModelTrimData(QXmlStreamReader* r) { return ReadGroup(r, KLX_XMLSections::kTrim); }

void KLX_XMLModel::KLX_XMLModelWriteModelFuncOrder(KLX_XMLTextWriter* w) {
  const QList<int> order = m_Db->KLX_DataBaseManagerFunctionGetDisplayedOrder();
  if (order.isEmpty()) return;
  w->StartElement(QLatin1String("FUNCTIONORDER"));
  for (int function : order) w->TextElement(QLatin1String("NextFuncIndex"), static_cast<unsigned>(function));
  w->EndElement();
}

int KLX_XMLModel::KLX_XMLModelReadModelFuncOrder(QXmlStreamReader* r) {
  m_Data->functionOrder.clear();
  while (r->readNextStartElement()) {
    if (r->name() != QLatin1String("NextFuncIndex")) {
      // Skipped whole, so that the sections after it are still read.
      Skip(r, kFunctionSkip, "function skip error");
      continue;
    }
    const QString text = Text(r);
    if (r->hasError()) return KLX_Error;
    bool ok = false;
    const unsigned function = text.toUInt(&ok);
    if (!ok) {
      Report(kErrFunctionOrder, "function order error");
      return KLX_Error;
    }
    m_Data->functionOrder.append(static_cast<int>(function));
  }
  return r->hasError() ? KLX_Error : KLX_Ok;
}

int KLX_XMLModel::KLX_XMLModelTransferFunctionOrderToDB() {
  qCDebug(lcVornDebug, "Functionorder from xml to db");
  m_Db->KLX_DataBaseManagerFunctionSetDisplayedOrder(m_Data->functionOrder);
  return KLX_Ok;
}

// ---- After a read ------------------------------------------------------------------------

void KLX_XMLModel::KLX_XMLModelVornFenk_CutReceivers() { m_Db->KLX_DataBaseManagerCutReceivers(); }

int KLX_XMLModel::KLX_XMLModelHarmonizeRanges() {
  int result = KLX_Ok;
  // A servo cut off by virtual switch 31 or 32 to position 0 while that
  // switch is not in use would stay cut off: the reference is cleared.
  for (int s = 0; s < m_Db->KLX_DataBaseManagerGetMaxServos(); ++s) {
    if (!m_Db->KLX_DataBaseManagerServoConfigGetSet_IsUsed(s, 0, AtomicDirGet)) continue;
    const int sw = m_Db->KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffVirtSwitch(s, 0, AtomicDirGet);
    const int value = m_Db->KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffValue(s, 0, AtomicDirGet);
    if ((sw != kCutOffSwitchA && sw != kCutOffSwitchB) || value != 0) continue;
    if (m_Db->KLX_DataBaseManagerSwitchGetSet_IsUsed(sw, 0, AtomicDirGet) != 0) continue;
    m_Db->KLX_DataBaseManagerServoConfigGetSet_SwitchCutOffVirtSwitch(s, kNoCutOffSwitch, AtomicDirSet, true);
    result = KLX_Done;
  }
  // Likewise a timer started, stopped or reset by one of them: the reference
  // becomes none.
  using SwitchDoor = int (KLX_DataBaseManager::*)(int, int, int, bool);
  const SwitchDoor doors[] = {&KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw,
                              &KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw,
                              &KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_SwitchResetVirtSw};
  for (int t = 0; t < m_Db->KLX_DataBaseManagerGetMaxTimer(false); ++t) {
    if (!m_Db->KLX_DataBaseManagerTimerGetSet_IsUsed(t, 0, AtomicDirGet)) continue;
    for (const SwitchDoor door : doors) {
      const int sw = (m_Db->*door)(t, 0, AtomicDirGet, true);
      if (sw != kCutOffSwitchA && sw != kCutOffSwitchB) continue;
      if (m_Db->KLX_DataBaseManagerSwitchGetSet_IsUsed(sw, 0, AtomicDirGet) != 0) continue;
      (m_Db->*door)(t, KLX_Timer::kDisconnected, AtomicDirSet, true);
      result = KLX_Done;
    }
  }
  return result;
}

void KLX_XMLModel::iconEvent(int icon, int) {
  if (icon == EventLock) PrintModelReport();
}

void KLX_XMLModel::PrintModelReport() {
  if (!m_Db) return;
  KLX_DataBaseManager* db = m_Db;
  const int fms = db->KLX_DataBaseManagerGetMaxFlightmodes();
  const int curves = db->KLX_DataBaseManagerGetMaxCurves();
  unsigned errors = 0;
  QVector<int> references(256, 0);
  const auto curveText = [&](int curve) {
    if (curve >= 0 && curve < references.size()) ++references[curve];
    if (curve >= 0 && curve < curves) return QString::number(curve);
    ++errors;
    return QString::number(curve) + QStringLiteral("(wrong!)");
  };
  qDebug("------ model report begin ------");
  qDebug("Name: %s", qPrintable(db->KLX_DataBaseManagerVornPropertiesGetSet_ModelName(QString(), AtomicDirGet)));

  qDebug("--- flight modes");
  QStringList marked;
  for (int fm = 0; fm < KL_MAX_FLIGHTMODES; ++fm) {
    if (db->KLX_DataBaseManagerFlightmodeGetSet_IsUsed(fm, 0, AtomicDirGet) != 1) continue;
    marked << (fm < fms ? QString::number(fm) : QString::number(fm) + QStringLiteral("(wrong!)"));
    errors += fm < fms ? 0 : 1;
  }
  qDebug("in use: %s (%d)", qPrintable(marked.join(QLatin1Char(' '))), int(marked.size()));

  // Functions and mixers: global curve and the flight modes with a setting of their own.
  const auto elements = [&](const char* kind, int count, auto used, auto global, auto own, auto setupCurve) {
    int singles = 0;
    int listed = 0;
    for (int n = 0; n < KL_MAX_FUNCTIONS; ++n) {
      if (used(n) != 1) continue;
      ++listed;
      QString line = QStringLiteral("%1 %2%3: global curve %4").arg(QLatin1String(kind)).arg(n)
                         .arg(n < count ? QString() : QStringLiteral("(wrong!)")).arg(curveText(global(n)));
      errors += n < count ? 0 : 1;
      for (int fm = 1; fm < KL_MAX_FLIGHTMODES; ++fm) {
        if (own(n, fm) != 1) continue;
        ++singles;
        errors += fm < fms ? 0 : 1;
        line += QStringLiteral(", fm %1%2 curve %3").arg(fm).arg(fm < fms ? QString() : QStringLiteral("(wrong!)"))
                    .arg(curveText(setupCurve(n, fm)));
      }
      qDebug("%s", qPrintable(line));
    }
    qDebug("%s in use: %d, single flight modes: %d", kind, listed, singles);
  };
  qDebug("--- functions");
  elements(
      "function", db->KLX_DataBaseManagerGetMaxFunctions(),
      [&](int n) { return db->KLX_DataBaseManagerFunctionGetSet_IsUsed(n, 0, AtomicDirGet); },
      [&](int n) { return db->KLX_DataBaseManagerFunctionGetSet_GlobalCurveIdx(n, 0, AtomicDirGet); },
      [&](int n, int fm) { return db->KLX_DataBaseManager_IsFunctionFlightModeDependent(n, fm); },
      [&](int n, int fm) { return db->KLX_DataBaseManagerFunctionGetSet_Setup_CurveIdx(n, fm, 0, AtomicDirGet); });
  qDebug("--- mixers");
  elements(
      "mixer", db->KLX_DataBaseManagerGetMaxMixer(),
      [&](int n) { return db->KLX_DataBaseManagerMixerGetSet_IsUsed(n, 0, AtomicDirGet); },
      [&](int n) { return db->KLX_DataBaseManagerMixerGetSet_GlobalCurveIdx(n, 0, AtomicDirGet); },
      [&](int n, int fm) { return db->KLX_DataBaseManager_IsMixerFlightModeDependent(n, fm); },
      [&](int n, int fm) { return db->KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(n, fm, 0, AtomicDirGet); });

  qDebug("--- curves");
  int usedCurves = 0;
  for (int c = 0; c < KL_MAX_CURVES; ++c) {
    const bool flagged = db->KLX_DataBaseManagerCurveGetSet_IsUsed(c, 0, AtomicDirGet) == 1;
    if (references[c]) {
      ++usedCurves;
      qDebug("curve %d is used %d times", c, references[c]);
    }
    if (references[c] && !flagged) {
      ++errors;
      qDebug("used but not marked as in use: %d", c);
    } else if (!references[c] && flagged && c != 0) {
      ++errors;
      qDebug("incorrectly marked as in use: %d", c);
    }
  }
  for (int c = curves; c < references.size(); ++c)
    if (references[c]) qDebug("can not be used: %d", c);
  qDebug("curves referenced: %d", usedCurves);

  qDebug("--- trimmers");
  int singleTrims = 0;
  for (int t = 0; t < db->KLX_DataBaseManagerGetMaxTrim(); ++t) {
    const int single = db->KLX_DataBaseManager_IsTrimFlightModeDependent(t);
    singleTrims += single == 1 ? 1 : 0;
    qDebug("trimmer %d single FM: %d", t, single);
  }
  qDebug("trimmers with single flight modes: %d", singleTrims);
  qDebug("errors count: %u", errors);
  qDebug("------ model report end ------");
}
