// The voice alarms ("VOICEALARM", one element per alarm in use) and the
// preflight check ("PREFLIGHT", written only when a control is listed).
// Alarms beyond the running board's count are read and dropped; every
// alarm element stands on its own, so one without "Index" or without a
// voice takes nothing from the element before it.
#include <QXmlStreamReader>

#include "frame/klx_databasevalues.h"
#include "frame/klx_utf8.h"
#include "frame/klx_xmltextwriter.h"
#include "model/klx_databasemanager.h"
#include "modelfile/klx_xmlmodel.h"
#include "modelfile/klx_xmlsectionio.h"
#include "modelfile/klx_xmlsections.h"

namespace {
using D = KLX_DataBaseManager;
using KLX_XMLIO::Field;
using KLX_XMLIO::ReadField;
using KLX_XMLIO::Report;
using KLX_XMLIO::Skip;
using C = KLX_XMLCheck;

// ---- Voice alarms ----
constexpr int kEmptyType = 0xC0;  // both mode bits: a free record
constexpr int kNoTimer = 255;
constexpr int kTimerBits = 0x1F;
constexpr int kSpeakingShift = 6;
constexpr int kMessageChars = 128;
// Control ids of virtual switches 0 to 127: such an activator keeps the
// default hysteresis.
constexpr int kVirtualSwitchFirst = 1280;
constexpr int kVirtualSwitchLast = 1407;
const QLatin1String kVoiceAlarm("VOICEALARM");
const QLatin1String kLanguage("VLanguage");
const QLatin1String kVoice("VoiceName");
const QLatin1String kMessage("StaticMessage");

constexpr unsigned kVACode = 0x515F3;
const KLX_XMLField kVAIndex = Field("Index", C::Any, true, 0x5156D, "voicealarm Index error");
enum VAField { Type, Activator, HystAbove, HystBelow, ValueStep, DecPoint, TimeStep, TeleMain, TeleSlave, TimerId,
               Speaking, Bits, VAFieldCount };
// In the order they are written.
const KLX_XMLField kVAFields[VAFieldCount] = {
    Field("Type", C::Uint8, true, kVACode, "voicealarm Type error"),
    Field("Activator", C::Uint16, true, kVACode, "voicealarm Activator error"),
    Field("HystAbove", C::Sint16, false, kVACode, "voicealarm HystAbove error"),
    Field("HystBelow", C::Sint16, false, kVACode, "voicealarm HystBelow error"),
    Field("ValueStep", C::Sint16, false, kVACode, "voicealarm ValueStep error"),
    Field("DecPoint", C::Uint8, true, kVACode, "voicealarm DecPoint error"),
    Field("TimeStep", C::Sint16, false, kVACode, "voicealarm TimeStep error"),
    Field("TeleMain", C::Uint8, true, kVACode, "voicealarm MainAddr error"),
    Field("TeleSlave", C::Uint8, true, kVACode, "voicealarm DecPoint error"),
    Field("VTimerId", C::Uint8, true, kVACode, "voicealarm DecPoint error"),
    Field("VSpeakingAlarms", C::Uint8, true, kVACode, "voicealarm DecPoint error"),
    Field("IndividualBitField", C::Uint8, true, kVACode, "ERROR while converting VA_IndividualBitField"),
};

// A record's values as the file carries them (the time step signed, the
// timer field split in two).
void VAValues(const T_VoiceAlarm& a, int (&v)[VAFieldCount]) {
  v[Type] = a.typeMode;
  v[Activator] = a.activator;
  v[HystAbove] = a.hystAbove;
  v[HystBelow] = a.hystBelow;
  v[ValueStep] = a.valueStep;
  v[DecPoint] = a.valueStepDecPoint;
  v[TimeStep] = static_cast<int16_t>(a.timeStep);
  v[TeleMain] = a.teleMain;
  v[TeleSlave] = a.teleSlave;
  v[TimerId] = a.timerId == kNoTimer ? kNoTimer : a.timerId & kTimerBits;
  v[Speaking] = a.timerId == kNoTimer ? 0 : a.timerId >> kSpeakingShift;
  v[Bits] = a.individualBits;
}

bool ActivatedByVirtualSwitch(const T_VoiceAlarm& a) {
  return a.activator >= kVirtualSwitchFirst && a.activator <= kVirtualSwitchLast;
}

void StageVAValue(T_VoiceAlarm* a, int field, int v) {
  switch (field) {
    case Type: a->typeMode = static_cast<uint8_t>(v); break;
    case Activator: a->activator = static_cast<uint16_t>(v); break;
    case HystAbove:
      if (!ActivatedByVirtualSwitch(*a)) a->hystAbove = static_cast<int16_t>(v);
      break;
    case HystBelow:
      if (!ActivatedByVirtualSwitch(*a)) a->hystBelow = static_cast<int16_t>(v);
      break;
    case ValueStep: a->valueStep = static_cast<int16_t>(v); break;
    case DecPoint: a->valueStepDecPoint = static_cast<uint8_t>(v); break;
    case TimeStep: a->timeStep = static_cast<uint16_t>(static_cast<int16_t>(v)); break;
    case TeleMain: a->teleMain = static_cast<uint16_t>(v); break;
    case TeleSlave: a->teleSlave = static_cast<uint16_t>(v); break;
    // The two halves give back the timer field (its bit 5 is not carried).
    case TimerId: a->timerId = static_cast<uint8_t>(a->timerId == kNoTimer ? v : a->timerId | v); break;
    case Speaking: a->timerId = static_cast<uint8_t>(a->timerId | (v << kSpeakingShift)); break;
    case Bits: a->individualBits = static_cast<uint8_t>(v); break;
    default: break;
  }
}

// ---- Preflight ----
const KLX_XMLField kPreflightUsed = Field("IsUsed", C::Any, true, 0x515DE, "preflight isUsed error");
const KLX_XMLField kPreflightAccuracy = [] {
  KLX_XMLField f = Field("Accuracy", C::Range, true, 0x515B8, "preflight accuracy error", 25);
  f.min = 1;
  return f;
}();
const KLX_XMLField kPreflightControl = Field("CtrlID", C::Uint16, true, 0x515BB, "preflight control ID error");
const KLX_XMLField kPreflightPosition = [] {
  KLX_XMLField f = Field("StartPosition", C::Range, false, 0x515B9, "preflight start position error", 2047);
  f.min = -2047;
  return f;
}();
const QLatin1String kPreflight("PREFLIGHT");
const QLatin1String kPreflightEntry("CONTROL");
constexpr unsigned kPreflightSkip = 0x515BA;
}  // namespace

// ---- Voice alarms ---------------------------------------------------------------------------

void KLX_XMLModel::KLX_XMLModelWriteVoiceAlarmMode(KLX_XMLTextWriter* w) {
  D* db = m_Db;
  const int count = db->KLX_DataBaseManagerVAlarmGetCount();
  for (int i = 0; i < count; ++i) {
    const T_VoiceAlarm a = db->KLX_DataBaseManagerVAlarmGetVAlarmParams(i);
    if ((a.typeMode & kEmptyType) == kEmptyType) continue;
    int v[VAFieldCount];
    VAValues(a, v);
    w->StartElement(kVoiceAlarm);
    w->TextElement(kVAIndex.name, i);
    w->TextElement(kVAFields[Type].name, v[Type]);
    w->TextElement(QLatin1String("VoiceIdx"), 0);
    KLX_XMLIO::WriteVoice(w, db, i, a.voiceParams);
    for (int f = Activator; f <= TeleSlave; ++f) w->TextElement(kVAFields[f].name, v[f]);
    w->TextElement(kMessage, db->KLX_DataBaseManagerVAlarmGetSetStaticMsgByAlrmIdx(i, QString(), AtomicDirGet, false));
    for (int f = TimerId; f < VAFieldCount; ++f) w->TextElement(kVAFields[f].name, v[f]);
    w->EndElement();
  }
}

void KLX_XMLModel::KLX_XMLModelInitializeVoiceAlarmData() {
  m_Db->KLX_DataBaseManagerVAlarmGetDefault(&m_Data->voiceAlarm);
}

int KLX_XMLModel::KLX_XMLModelReadModelVoiceAlarm(QXmlStreamReader* r) {
  KLX_XML_ModelData& d = *m_Data;
  KLX_XMLModelInitializeVoiceAlarmData();
  d.voiceAlarmIndexGiven = false;
  d.voiceAlarmIndex = 0;
  d.voiceLanguage.clear();
  d.voiceName.clear();
  d.voiceAlarmMessage.clear();
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    if (name == kVAIndex.name) {
      int index = 0;
      if (!ReadField(r, kVAIndex, &index)) return KLX_Error;
      d.voiceAlarmIndex = static_cast<unsigned>(index);
      d.voiceAlarmIndexGiven = true;
    } else if (name == QLatin1String("VoiceIdx")) {
      r->skipCurrentElement();
    } else if (name == kLanguage) {
      d.voiceLanguage = KLX_XMLIO::Text(r);
    } else if (name == kVoice) {
      d.voiceName = KLX_XMLIO::Text(r);
    } else if (name == kMessage) {
      d.voiceAlarmMessage = KLX_Utf16Cut(KLX_XMLIO::Text(r), kMessageChars);
    } else {
      int f = 0;
      while (f < VAFieldCount && name != kVAFields[f].name) ++f;
      if (f == VAFieldCount) {
        Skip(r, 0x515EB, "voicealarm skip error");
        continue;
      }
      int v = 0;
      if (!ReadField(r, kVAFields[f], &v)) return KLX_Error;
      StageVAValue(&d.voiceAlarm, f, v);
    }
  }
  return r->hasError() ? KLX_Error : KLX_Ok;
}

int KLX_XMLModel::KLX_XMLModelTransferVoiceAlarmDataToDB() {
  D* db = m_Db;
  const KLX_XML_ModelData& d = *m_Data;
  if (!d.voiceAlarmIndexGiven) {
    Report(0x5156D, "voicealarm without Index dropped");
    return KLX_Error;
  }
  // An alarm the running board does not have (a file of the larger one).
  if (d.voiceAlarmIndex >= static_cast<unsigned>(db->KLX_DataBaseManagerVAlarmGetCount())) return KLX_Error;
  const int i = static_cast<int>(d.voiceAlarmIndex);
  const int S = AtomicDirSet;
  const T_VoiceAlarm& a = d.voiceAlarm;
  const QLatin1String prefix("voicealarm");
  const int type = db->KLX_DataBaseManagerVAlarmGetSetType(i, a.typeMode, S, false);
  if (type != a.typeMode) {
    // A type the table does not take (a free record) leaves no alarm to fill in.
    KLX_XMLIO::ReportReplaced(prefix, i, -1, kVAFields[Type].name, QString::number(a.typeMode), QString::number(type));
    return KLX_Error;
  }
  db->KLX_DataBaseManagerVAlarmSetVoiceTextParams(i, d.voiceLanguage, d.voiceName, false);
  db->KLX_DataBaseManagerVAlarmGetSetActivator(i, a.activator, S, false);
  db->KLX_DataBaseManagerVAlarmGetSetActivatorHystAbove(i, a.hystAbove, S, false);
  db->KLX_DataBaseManagerVAlarmGetSetActivatorHystBelow(i, a.hystBelow, S, false);
  db->KLX_DataBaseManagerVAlarmGetSetValueStep(i, a.valueStep, a.valueStepDecPoint, S, false);
  db->KLX_DataBaseManagerVAlarmGetSetTimeStep(i, a.timeStep, S, false);
  db->KLX_DataBaseManagerVAlarmGetSetTeleSourceMain(i, a.teleMain, S, false);
  db->KLX_DataBaseManagerVAlarmGetSetTeleSourceSlave(i, a.teleSlave, S, false);
  db->KLX_DataBaseManagerVAlarmGetSetStaticMsgByAlrmIdx(i, d.voiceAlarmMessage, S, false);
  db->KLX_DataBaseManagerVAlarmGetSetTimer(i, a.timerId, S, false);
  // The bits accessor adds bits: those of an alarm read before under the
  // same number go first.
  db->KLX_DataBaseManagerVAlarmGetUnsetIndividualBit(i, 0xFF, S, false);
  db->KLX_DataBaseManagerVAlarmGetSetIndividualBit(i, a.individualBits, S, false);

  // What the table refused (a hysteresis beyond its limits) is reported
  // with what it holds instead.
  int given[VAFieldCount];
  int stored[VAFieldCount];
  VAValues(a, given);
  VAValues(db->KLX_DataBaseManagerVAlarmGetVAlarmParams(i), stored);
  for (int f = 0; f < VAFieldCount; ++f)
    if (given[f] != stored[f])
      KLX_XMLIO::ReportReplaced(prefix, i, -1, kVAFields[f].name, QString::number(given[f]),
                                QString::number(stored[f]));
  const QString message = db->KLX_DataBaseManagerVAlarmGetSetStaticMsgByAlrmIdx(i, QString(), AtomicDirGet, false);
  if (message != d.voiceAlarmMessage) KLX_XMLIO::ReportReplaced(prefix, i, -1, kMessage, d.voiceAlarmMessage, message);
  return KLX_Ok;
}

// ---- Preflight check ------------------------------------------------------------------------

void KLX_XMLModel::KLX_XMLModelWriteModelPreflightSettings(KLX_XMLTextWriter* w) {
  D* db = m_Db;
  if (db->KLX_DataBaseManagerPreflightGetUsedControls() == 0) return;
  w->StartElement(kPreflight);
  w->TextElement(kPreflightUsed.name, db->KLX_DataBaseManagerPreflightGetSet_IsUsed(false, AtomicDirGet, false) ? 1 : 0);
  w->TextElement(kPreflightAccuracy.name, db->KLX_DataBaseManagerPreflightGetSet_Accuracy(0, AtomicDirGet, false));
  for (int slot = 0; slot < PreflSettings_struct::kEntries; ++slot) {
    const int id = db->KLX_DataBaseManagerPreflightGetSet_PhyControlID(slot, false, AtomicDirGet, false);
    if (id < 1) continue;
    w->StartElement(kPreflightEntry);
    w->TextElement(kPreflightControl.name, id);
    w->TextElement(kPreflightPosition.name,
                   db->KLX_DataBaseManagerPreflightGetSet_ControlPosition(id, 0, AtomicDirGet, false));
    w->EndElement();
  }
  w->EndElement();
}

namespace {
// One "CONTROL": its control id (one the check takes) and start position.
bool ReadPreflightEntry(QXmlStreamReader* r, D* db, PreflSettings_struct* p, int entry) {
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    int v = 0;
    if (name == kPreflightControl.name) {
      if (!ReadField(r, kPreflightControl, &v)) return false;
      if (!db->KLX_DataBaseManagerPreflightCheckControl(v)) {
        Report(kPreflightControl.code, kPreflightControl.text);
        return false;
      }
      p->controlId[entry] = static_cast<uint16_t>(v);
    } else if (name == kPreflightPosition.name) {
      if (!ReadField(r, kPreflightPosition, &v)) return false;
      p->startPosition[entry] = static_cast<int16_t>(v);
    } else {
      Skip(r, kPreflightSkip, "preflight control skip error");
    }
  }
  return !r->hasError();
}
}  // namespace

int KLX_XMLModel::KLX_XMLModelReadModelPreflightSettings(QXmlStreamReader* r) {
  PreflSettings_struct& p = m_Data->preflight;
  m_Db->KLX_DataBaseManagerPreflightSettingsClear(&p);
  int entry = 0;
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    int v = 0;
    if (name == kPreflightUsed.name) {
      if (!ReadField(r, kPreflightUsed, &v)) return KLX_Error;
      p.isUsed = v != 0 ? 1 : 0;
    } else if (name == kPreflightAccuracy.name) {
      if (!ReadField(r, kPreflightAccuracy, &v)) return KLX_Error;
      p.accuracy = static_cast<uint8_t>(v);
    } else if (name == kPreflightEntry && entry >= PreflSettings_struct::kEntries) {
      // The list has no room for it.
      Skip(r, kPreflightSkip, "preflight control beyond the 32 of the list skipped");
    } else if (name == kPreflightEntry) {
      // An entry without a control id stays empty and keeps its place.
      if (!ReadPreflightEntry(r, m_Db, &p, entry++)) return KLX_Error;
    } else {
      Skip(r, kPreflightSkip, "preflight skip error");
    }
  }
  return r->hasError() ? KLX_Error : KLX_Ok;
}

int KLX_XMLModel::KLX_XMLModelTransferPreflightSettingsToDB() {
  D* db = m_Db;
  const PreflSettings_struct& p = m_Data->preflight;
  const int S = AtomicDirSet;
  db->KLX_DataBaseManagerPreflightGetSet_IsUsed(p.isUsed != 0, S, false);
  db->KLX_DataBaseManagerPreflightGetSet_Accuracy(p.accuracy, S, false);
  for (int n = 0; n < PreflSettings_struct::kEntries; ++n) {
    if (p.controlId[n] == 0) continue;
    db->KLX_DataBaseManagerPreflightGetSet_PhyControlID(p.controlId[n], true, S, false);
    db->KLX_DataBaseManagerPreflightGetSet_ControlPosition(p.controlId[n], p.startPosition[n], S, false);
  }
  return KLX_Ok;
}
