// The sequencers: per sequencer in use its name, mode, control and
// thresholds, and per track with a servo the waypoints' times and
// positions on the forward and the backward run. Nested three levels deep,
// with storing rules of their own, so written out rather than walked from
// a table; the value checks are field descriptions all the same.
//
// A value is kept only once the sequencer's "Index", the track
// ("SEQChannel"), its servo ("Index") and the waypoint ("Index") are known;
// a value before them is checked and dropped. Within a waypoint's run the
// first time and the first position count: a time after a position of
// -2048 (no position) is not kept, and a repeated value is reported as
// skipped.
#include <QXmlStreamReader>

#include "frame/klx_databasevalues.h"
#include "frame/klx_utf8.h"
#include "model/klx_databasemanager.h"
#include "model/klx_sequencer.h"
#include "modelfile/klx_xmlmodel.h"
#include "modelfile/klx_xmlsectionio.h"
#include "modelfile/klx_xmlsections.h"
#include "frame/klx_xmltextwriter.h"

namespace {
using KLX_XMLIO::ReadField;
using KLX_XMLIO::Report;
using KLX_XMLIO::Skip;
using C = KLX_XMLCheck;
using Sequencer = KLX_XMLSequencer;

constexpr int kNoServo = 26;
constexpr int kNoPosition = -2048;
constexpr int kRuns = 2;
constexpr int kNameBytes = 46;
constexpr int kThreshold = 25;
constexpr int kPositionLimit = 200;
constexpr unsigned kSkipCode = 0x51572;

KLX_XMLField Check(const char* name, C check, bool isUnsigned, int min, int max, unsigned code, const char* text) {
  return {QLatin1String(name), check, isUnsigned, max, code, text, nullptr, min};
}
const KLX_XMLField kIndex = Check("Index", C::UpToMax, true, 0, 1, 0x5159A, "sequncer Index error");
const KLX_XMLField kIsUsed = Check("IsUsed", C::UpToMax, false, 0, 255, 0x51574, "sequencer IsUsed error");
const KLX_XMLField kControl = Check("ControlID", C::TControl, true, 0, 0, 0x5159D, "sequencer ControlID error");
const KLX_XMLField kBelow = Check("ThldBelow", C::Range, false, -2047, 2047, 0x51544, "sequencer Below thres. error");
const KLX_XMLField kAbove = Check("ThldAbove", C::Range, false, -2047, 2047, 0x51544, "sequencer Above thres. error");
const KLX_XMLField kServo = Check("Index", C::UpToMax, true, 0, 25, 0x2159E, "sequencer servo Index error");
const KLX_XMLField kChannel =
    Check("SEQChannel", C::UpToMax, false, 0, 5, 0x2159F, "sequencer output channel Index error");
const KLX_XMLField kPoint = Check("Index", C::UpToMax, true, 0, 6, 0x21569, "sequencer point Index error");
const KLX_XMLField kTime = Check("TimeValue", C::UpToMax, true, 0, 6000, 0x2156F, "sequencer timepoint value error");
const KLX_XMLField kPosition =
    Check("Position", C::Range, false, -2048, 2047, 0x21559, "sequencer servo position value error");

// The sequencer's own fields and where they are staged.
struct TopField {
  const KLX_XMLField* field;
  int KLX_XMLSequencer::*staged;
};
const TopField kTopFields[] = {{&kIsUsed, &KLX_XMLSequencer::isUsed},
                               {&kControl, &KLX_XMLSequencer::control},
                               {&kBelow, &KLX_XMLSequencer::below},
                               {&kAbove, &KLX_XMLSequencer::above}};

const QLatin1String kRunNames[kRuns] = {QLatin1String("FORWARD"), QLatin1String("BACKWARD")};
const char* const kRunSkips[kRuns] = {"sequencer skip error in FORWARD section",
                                      "sequencer skip error in BACKWARD section"};

void Clear(Sequencer* s) {
  s->name = QStringLiteral("sequencer");
  s->isUsed = 0;
  s->control = 0;
  s->below = -kThreshold;
  s->above = kThreshold;
  for (Sequencer::Track& t : s->tracks) {
    t.servo = kNoServo;
    for (int run = 0; run < kRuns; ++run)
      for (int w = 0; w < Sequencer::kWaypoints; ++w) {
        t.time[run][w] = 0;
        t.position[run][w] = kNoPosition;
      }
  }
}

// What one "SERVO" has kept so far in each waypoint's run.
struct Kept {
  bool time = false;
  bool position = false;
  int lastPosition = kNoPosition;
};

// Reads one "SEQUENCER" into the staged sequencer of its "Index".
class Reader {
 public:
  Reader(QXmlStreamReader* r, KLX_XML_ModelData* data) : m_R(r), m_Data(data) {}

  int Read() {
    while (m_R->readNextStartElement()) {
      const QStringRef name = m_R->name();
      const TopField* top = nullptr;
      for (const TopField& t : kTopFields)
        if (name == t.field->name) top = &t;
      int v = 0;
      if (name == kIndex.name) {
        if (!ReadField(m_R, kIndex, &v)) return KLX_Error;
        m_Data->sequencerIndex = v;
      } else if (name == QLatin1String("Name")) {
        const QString text = KLX_XMLIO::Text(m_R);
        if (m_R->hasError()) return KLX_Error;
        if (Staged()) Staged()->name = QString::fromUtf8(KLX_Utf8Cut(text, kNameBytes));
      } else if (top) {
        if (!ReadField(m_R, *top->field, &v)) return KLX_Error;
        if (Staged()) Staged()->*top->staged = v;
      } else if (name == QLatin1String("SERVO")) {
        if (Servo() != KLX_Ok) return KLX_Error;
      } else {
        Skip(m_R, kSkipCode, "sequencer skip error in SEQUENCER section");
      }
    }
    return m_R->hasError() ? KLX_Error : KLX_Ok;
  }

 private:
  KLX_XMLSequencer* Staged() {
    const int n = m_Data->sequencerIndex;
    return n >= 0 && n < 2 ? &m_Data->sequencers[n] : nullptr;
  }

  int Servo() {
    m_Track = -1;
    m_Servo = -1;
    while (m_R->readNextStartElement()) {
      const QStringRef name = m_R->name();
      if (name == kServo.name) {
        if (!ReadField(m_R, kServo, &m_Servo)) return KLX_Error;
      } else if (name == kChannel.name) {
        if (!ReadField(m_R, kChannel, &m_Track)) return KLX_Error;
      } else if (name == QLatin1String("WAYPOINT")) {
        if (Waypoint() != KLX_Ok) return KLX_Error;
      } else {
        Skip(m_R, kSkipCode, "sequencer skip error in SERVO section");
      }
    }
    return m_R->hasError() ? KLX_Error : KLX_Ok;
  }

  int Waypoint() {
    m_Point = -1;
    while (m_R->readNextStartElement()) {
      const QStringRef name = m_R->name();
      if (name == kPoint.name) {
        if (!ReadField(m_R, kPoint, &m_Point)) return KLX_Error;
        // Both runs of this waypoint take their values afresh.
        m_Kept[m_Point][0] = Kept();
        m_Kept[m_Point][1] = Kept();
      } else if (name == kRunNames[0] || name == kRunNames[1]) {
        if (Run(name == kRunNames[0] ? 0 : 1) != KLX_Ok) return KLX_Error;
      } else {
        Skip(m_R, kSkipCode, "sequencer skip error in WAYPOINT section");
      }
    }
    return m_R->hasError() ? KLX_Error : KLX_Ok;
  }

  int Run(int run) {
    KLX_XMLSequencer* s = Staged();
    const bool known = s && m_Track >= 0 && m_Servo >= 0 && m_Point >= 0;
    while (m_R->readNextStartElement()) {
      const QStringRef name = m_R->name();
      const bool isTime = name == kTime.name;
      if (!isTime && name != kPosition.name) {
        Skip(m_R, kSkipCode, kRunSkips[run]);
        continue;
      }
      int v = 0;
      if (!ReadField(m_R, isTime ? kTime : kPosition, &v)) return KLX_Error;
      if (!known) continue;
      Kept& kept = m_Kept[m_Point][run];
      if ((isTime && kept.time) || (!isTime && kept.position)) {
        Report(kSkipCode, kRunSkips[run]);
        continue;
      }
      // No time for a waypoint without position.
      if (isTime && kept.position && kept.lastPosition == kNoPosition) continue;
      Sequencer::Track& track = s->tracks[m_Track];
      if (!kept.time && !kept.position) track.servo = m_Servo;
      if (isTime) {
        track.time[run][m_Point] = v;
        kept.time = true;
      } else {
        track.position[run][m_Point] = v;
        kept.position = true;
        kept.lastPosition = v;
      }
    }
    return m_R->hasError() ? KLX_Error : KLX_Ok;
  }

  QXmlStreamReader* m_R;
  KLX_XML_ModelData* m_Data;
  int m_Track = -1;
  int m_Servo = -1;
  int m_Point = -1;
  Kept m_Kept[Sequencer::kWaypoints][kRuns];
};

// A value the facade keeps otherwise is reported.
void Keep(int sequencer, int track, const QString& field, int value, int stored) {
  if (stored != value)
    KLX_XMLIO::ReportReplaced(QLatin1String("sequencer"), sequencer, track, field, QString::number(value),
                              QString::number(stored));
}

bool HasPosition(int position) { return position >= -kPositionLimit && position <= kPositionLimit; }

// The mode a file keeps. A waypoint the editor holds (88 and up, 88..171 in
// a loop) or a reset request lives only while the program runs: a file saved
// meanwhile keeps the run mode, single or loop, from its first direction, so
// that the next load does not start with a servo held at a waypoint.
int StoredMode(int mode) {
  if (mode < KL_SEQ_MODE_FIRST_CODE) return mode;
  return KLX_Sequencer::KLX_SequencerLoopFlagOfMode(mode) ? 1 | KL_SEQ_MODE_LOOP_FLAG : 1;
}
}  // namespace

void KLX_XMLModel::KLX_XMLModelWriteModelSequencer(KLX_XMLTextWriter* w) {
  KLX_DataBaseManager* db = m_Db;
  const int G = AtomicDirGet;
  const int servos = db->KLX_DataBaseManagerGetMaxServos();
  for (int n = 0; n < db->KLX_DataBaseManagerGetMaxSequncer(); ++n) {
    const int mode = db->KLX_DataBaseManagerSequencerGetSet_IsUsed(n, 0, G, false);
    if (mode < 1) continue;
    w->StartElement(QLatin1String("SEQUENCER"));
    w->TextElement(kIndex.name, n);
    w->TextElement(QLatin1String("Name"), db->KLX_DataBaseManagerSequencerGetSet_Name(n, QString(), G, false));
    w->TextElement(kIsUsed.name, StoredMode(mode));
    w->TextElement(kControl.name, db->KLX_DataBaseManagerSequencerGetSet_Control(n, 0, G, false));
    w->TextElement(kBelow.name, db->KLX_DataBaseManagerSequencerGetSet_Threshold(n, false, 0, G, false));
    w->TextElement(kAbove.name, db->KLX_DataBaseManagerSequencerGetSet_Threshold(n, true, 0, G, false));
    for (int t = 0; t < Sequencer::kTracks; ++t) {
      const int servo = db->KLX_DataBaseManagerSequencerGetSet_Servo(n, t, 0, G, false);
      if (servo < 0 || servo >= servos) continue;
      w->StartElement(QLatin1String("SERVO"));
      w->TextElement(kChannel.name, t);
      w->TextElement(kServo.name, servo);
      for (int p = 0; p < Sequencer::kWaypoints; ++p) {
        int position[kRuns];
        for (int run = 0; run < kRuns; ++run)
          position[run] = db->KLX_DataBaseManagerSequencerGetSet_SrvPosition(n, t, run, p, 0, G, false);
        // The end points always; a point between them only with a position.
        const bool end = p == 0 || p == Sequencer::kWaypoints - 1;
        if (!end && !HasPosition(position[0]) && !HasPosition(position[1])) continue;
        w->StartElement(QLatin1String("WAYPOINT"));
        w->TextElement(kPoint.name, p);
        for (int run = 0; run < kRuns; ++run) {
          w->StartElement(kRunNames[run]);
          w->TextElement(kTime.name, db->KLX_DataBaseManagerSequencerGetSet_TimePoint(n, t, run, p, 0, G, false));
          w->TextElement(kPosition.name, position[run]);
          w->EndElement();
        }
        w->EndElement();
      }
      w->EndElement();
    }
    w->EndElement();
  }
}

int KLX_XMLModel::KLX_XMLModelReadModelSequencerData(QXmlStreamReader* r) {
  m_Data->sequencerIndex = -1;
  for (KLX_XMLSequencer& s : m_Data->sequencers) Clear(&s);
  return Reader(r, m_Data.data()).Read();
}

int KLX_XMLModel::KLX_XMLModelTransferSequencerDataToDB() {
  KLX_DataBaseManager* db = m_Db;
  const int S = AtomicDirSet;
  const int n = m_Data->sequencerIndex;
  // A sequencer this board does not have is dropped.
  if (n < 0 || n >= db->KLX_DataBaseManagerGetMaxSequncer()) return KLX_Ok;
  const KLX_XMLSequencer& s = m_Data->sequencers[n];
  const QString name = db->KLX_DataBaseManagerSequencerGetSet_Name(n, s.name, S, false);
  if (name != s.name) KLX_XMLIO::ReportReplaced(QLatin1String("sequencer"), n, -1, QStringLiteral("Name"), s.name, name);
  Keep(n, -1, kIsUsed.name, s.isUsed, db->KLX_DataBaseManagerSequencerGetSet_IsUsed(n, s.isUsed, S, false));
  Keep(n, -1, kControl.name, s.control, db->KLX_DataBaseManagerSequencerGetSet_Control(n, s.control, S, false));
  Keep(n, -1, kBelow.name, s.below, db->KLX_DataBaseManagerSequencerGetSet_Threshold(n, false, s.below, S, false));
  Keep(n, -1, kAbove.name, s.above, db->KLX_DataBaseManagerSequencerGetSet_Threshold(n, true, s.above, S, false));
  const int servos = db->KLX_DataBaseManagerGetMaxServos();
  for (int t = 0; t < Sequencer::kTracks; ++t) {
    const Sequencer::Track& track = s.tracks[t];
    // A track whose servo this board does not have is dropped whole.
    if (track.servo >= servos) continue;
    Keep(n, t, kServo.name, track.servo, db->KLX_DataBaseManagerSequencerGetSet_Servo(n, t, track.servo, S, false));
    for (int run = 0; run < kRuns; ++run)
      for (int p = 0; p < Sequencer::kWaypoints; ++p) {
        const QString where = QStringLiteral("%1 %2 ").arg(kRunNames[run]).arg(p);
        const int position = track.position[run][p];
        Keep(n, t, where + kPosition.name, position,
             db->KLX_DataBaseManagerSequencerGetSet_SrvPosition(n, t, run, p, position, S, false));
        const int time = track.time[run][p];
        Keep(n, t, where + kTime.name, time,
             db->KLX_DataBaseManagerSequencerGetSet_TimePoint(n, t, run, p, time, S, false));
      }
  }
  return KLX_Ok;
}
