// The simple timers ("TIMER", started, stopped and reset by virtual switch
// numbers) and the complex timers ("COMPLEXTIMER", by control ids, with up
// to seven "TIMERALARM"s). Timers beyond the running board's count are read
// and dropped; the speech of an alarm finds its voice in the installed
// voices when it is read.
#include <QXmlStreamReader>

#include "audio/klx_tts.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_utf8.h"
#include "frame/klx_xmltextwriter.h"
#include "model/klx_databasemanager.h"
#include "timers/klx_complextimer.h"
#include "modelfile/klx_xmlmodel.h"
#include "modelfile/klx_xmlsectionio.h"
#include "modelfile/klx_xmlsections.h"

namespace {
using KLX_XMLIO::Field;
using KLX_XMLIO::ReadField;
using KLX_XMLIO::Skip;
using C = KLX_XMLCheck;

constexpr int kNameBytes = 46;
constexpr int kMessageChars = 127;
constexpr int kNone = 65535;
constexpr int kNoVoice = 255;
// Mode of the stored-value accessor that first takes the running value.
constexpr int kStoredTakeCurrent = 3;


// ---- Simple timers ----
const KLX_XMLField kTimerIndex = Field("Index", C::UpToMax, true, 0x515D4, "timer Index error", 7);
const KLX_XMLField kTimerUsed = Field("IsUsed", C::Boolean, false, 0x515D5, "timer IsUsed error");
const KLX_XMLField kTimerSwitches[3] = {Field("StartVSId", C::Uint16, true, 0x515F3, "timer StartVSId error"),
                                        Field("StopVSId", C::Uint16, true, 0x515F4, "timer StopVSId error"),
                                        Field("ResetVSId", C::Uint16, true, 0x515F5, "timer ResetVSId error")};
const KLX_XMLField kTimerTimes[6] = {Field("StartHour", C::Sint16, false, 0x515E0, "timer StartHour error"),
                                     Field("StartMinute", C::Sint16, false, 0x515E1, "timer StartMinute error"),
                                     Field("StartSecond", C::Sint16, false, 0x515E2, "timer StartSecond error"),
                                     Field("StopHour", C::Sint16, false, 0x515E3, "timer StopHour error"),
                                     Field("StopMinute", C::Sint16, false, 0x515E4, "timer StopMinute error"),
                                     Field("StopSecond", C::Sint16, false, 0x515E5, "timer StopSecond error")};
const KLX_XMLField kTimerKeep = Field("KeepLastValue", C::Boolean, false, 0x515F8, "timer KeepLastValue error");
const KLX_XMLField kTimerStored = Field("StoredValue", C::Any, false, 0x515F6, "timer StoredValue error");

using TimerSwitch = int (KLX_DataBaseManager::*)(int, int, int, bool);
const TimerSwitch kSwitchDoors[3] = {&KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw,
                                     &KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw,
                                     &KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_SwitchResetVirtSw};
const TimerSwitch kTimeDoors[6] = {&KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_StartTimeHour,
                                   &KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_StartTimeMinute,
                                   &KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_StartTimeSecond,
                                   &KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_StopTimeHour,
                                   &KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_StopTimeMinute,
                                   &KLX_DataBaseManager::KLX_DataBaseManagerTimerGetSet_StopTimeSecond};

// ---- Complex timers ----
const KLX_XMLField kCmplxIndex = Field("Index", C::UpToMax, true, 0x515D4, "complex timer Index error", 7);
const KLX_XMLField kCmplxUsed = Field("IsUsed", C::Boolean, false, 0x515D5, "complex timer IsUsed error");
const KLX_XMLField kCmplxControls[3] = {
    Field("StartCtl", C::UpToMax, true, 0x515F3, "complex timer start control error", 65535),
    Field("StopCtl", C::UpToMax, true, 0x515F4, "complex timer stop control error", 65535),
    Field("ResetCtl", C::UpToMax, true, 0x515F5, "complex timer reset control error", 65535)};
const KLX_XMLField kCmplxStart[3] = {
    Field("TmrStartHour", C::UpToMax, true, 0x515E0, "complex timer StartHour error", 32767),
    Field("TmrStartMin", C::UpToMax, true, 0x515E1, "complex timer StartMinute error", 255),
    Field("TmrStartSec", C::UpToMax, true, 0x515E2, "complex timer StartSecond error", 255)};
const KLX_XMLField kCmplxEnd[3] = {
    Field("TmrEndHour", C::UpToMax, true, 0x515E3, "complex timer EndHour error", 32767),
    Field("TmrEndMin", C::UpToMax, true, 0x515E4, "complex timer EndMinute error", 255),
    Field("TmrEndSec", C::UpToMax, true, 0x515E5, "complex timer EndSecond error", 255)};
const KLX_XMLField kCmplxKeep = Field("KeepLastValue", C::Boolean, false, 0x515F8, "complex timer KeepLastValue error");
const KLX_XMLField kCmplxStored = Field("StoredValue", C::Any, false, 0x515F6, "complex timer StoredValue error");

constexpr unsigned kAlarmCode = 0x215F7;
const KLX_XMLField kAlarmIndex = Field("Index", C::UpToMax, true, kAlarmCode, "complex timer alarm Index error", 6);
const KLX_XMLField kAlarmStart[3] = {
    Field("AlmStartHour", C::UpToMax, true, kAlarmCode, "complex timer alarm start hour error", 255),
    Field("AlmStartMin", C::UpToMax, true, kAlarmCode, "complex timer alarm start minute error", 255),
    Field("AlmStartSec", C::UpToMax, true, kAlarmCode, "complex timer alarm start second error", 255)};
const KLX_XMLField kAlarmEnd[3] = {
    Field("AlmEndHour", C::UpToMax, true, kAlarmCode, "complex timer alarm end hour error", 255),
    Field("AlmEndMin", C::UpToMax, true, kAlarmCode, "complex timer alarm end minute error", 255),
    Field("AlmEndSec", C::UpToMax, true, kAlarmCode, "complex timer alarm end second error", 255)};
const KLX_XMLField kAlarmControl =
    Field("AlarmControl", C::UpToMax, true, kAlarmCode, "complex timer alarm control error", 65535);
const KLX_XMLField kAlarmInterval =
    Field("RepeatIntrvl", C::UpToMax, true, kAlarmCode, "complex timer alarm interval error", 65535);
const KLX_XMLField kAlarmTone = Field("BeepTone", C::UpToMax, true, kAlarmCode, "complex timer alarm beep tone error", 65535);
const KLX_XMLField kAlarmType = Field("AlrmType", C::UpToMax, true, kAlarmCode, "complex timer alarm type error", 255);
const QLatin1String kAlarmTexts[4] = {QLatin1String("ValueLang"), QLatin1String("ValueVoice"),
                                      QLatin1String("TextLang"), QLatin1String("TextVoice")};
using AlarmText = QString (KLX_DataBaseManager::*)(int, int, QString, int, bool);
const AlarmText kAlarmTextDoors[4] = {&KLX_DataBaseManager::CmplxTimerGetSet_TimerAlarm_ValueLanguage,
                                      &KLX_DataBaseManager::CmplxTimerGetSet_TimerAlarm_ValueVoice,
                                      &KLX_DataBaseManager::CmplxTimerGetSet_TimerAlarm_TextLanguage,
                                      &KLX_DataBaseManager::CmplxTimerGetSet_TimerAlarm_TextVoice};
using AlarmNumber = int (KLX_DataBaseManager::*)(int, int, int, int, bool);
const AlarmNumber kAlarmStartDoors[3] = {&KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_AlarmStart_Hour,
                                         &KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_AlarmStart_Min,
                                         &KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_AlarmStart_Sec};
const AlarmNumber kAlarmEndDoors[3] = {&KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_AlarmStop_Hour,
                                       &KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_AlarmStop_Min,
                                       &KLX_DataBaseManager::KLX_DataBaseManagerCmplxTimerGetSet_AlarmStop_Sec};

// Reads the element's text as a field from a list; false on a refused value.
// `found` tells whether the name was one of them.
template <int N>
bool ReadOneOf(QXmlStreamReader* r, const KLX_XMLField (&fields)[N], int (&values)[N], bool* found) {
  for (int i = 0; i < N; ++i)
    if (r->name() == fields[i].name) {
      *found = true;
      return ReadField(r, fields[i], &values[i]);
    }
  *found = false;
  return true;
}

QString ReadTimerName(QXmlStreamReader* r) { return QString::fromUtf8(KLX_Utf8Cut(KLX_XMLIO::Text(r), kNameBytes)); }

HMStime_struct Time(const int (&t)[3]) {
  HMStime_struct time;
  time.hours = t[0];
  time.minutes = static_cast<int8_t>(t[1]);
  time.seconds = static_cast<int8_t>(t[2]);
  return time;
}
}  // namespace

// ---- Simple timers --------------------------------------------------------------------------

void KLX_XMLModel::KLX_XMLModelWriteModelTimer(KLX_XMLTextWriter* w) {
  KLX_DataBaseManager* db = m_Db;
  const int G = AtomicDirGet;
  const int switches = db->KLX_DataBaseManagerGetMaxVirualSwitches();
  for (int i = 0; i < db->KLX_DataBaseManagerGetMaxTimer(false); ++i) {
    if (db->KLX_DataBaseManagerTimerGetSet_IsUsed(i, 0, G, false) != 1) continue;
    w->StartElement(QLatin1String("TIMER"));
    w->TextElement(kTimerIndex.name, i);
    w->TextElement(QLatin1String("Name"), db->KLX_DataBaseManagerTimerGetSet_Name(i, QString(), G, false));
    w->TextElement(kTimerUsed.name, 1);
    for (int k = 0; k < 3; ++k) {
      const int sw = (db->*kSwitchDoors[k])(i, 0, G, false);
      // A switch this board lacks, and none, are both written as none.
      w->TextElement(kTimerSwitches[k].name, sw >= 0 && sw < switches ? sw : kNone);
    }
    for (int k = 0; k < 6; ++k) w->TextElement(kTimerTimes[k].name, (db->*kTimeDoors[k])(i, 0, G, false));
    const int keep = db->KLX_DataBaseManagerTimerGetSet_LastValueKeep(i, 0, G, false);
    w->TextElement(kTimerKeep.name, keep);
    w->TextElement(kTimerStored.name,
                   keep == 1 ? db->KLX_DataBaseManagerTimerGetSet_ValueStored(i, 0, kStoredTakeCurrent, false) : 0);
    w->EndElement();
  }
}

int KLX_XMLModel::KLX_XMLModelReadModelTimerData(QXmlStreamReader* r) {
  KLX_XMLTimer& t = m_Data->timer;
  t = KLX_XMLTimer();
  t.name = QStringLiteral("timer");
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    bool found = false;
    bool ok = true;
    if (name == kTimerIndex.name) {
      ok = ReadField(r, kTimerIndex, &t.index);
      found = true;
    } else if (name == QLatin1String("Name")) {
      t.name = ReadTimerName(r);
      found = true;
    } else if (name == kTimerUsed.name) {
      ok = ReadField(r, kTimerUsed, &t.used);
      found = true;
    } else if (name == kTimerKeep.name) {
      ok = ReadField(r, kTimerKeep, &t.keep);
      found = true;
    } else if (name == kTimerStored.name) {
      ok = ReadField(r, kTimerStored, &t.stored);
      found = true;
    } else {
      ok = ReadOneOf(r, kTimerSwitches, t.switches, &found);
      if (!found) {
        ok = ReadOneOf(r, kTimerTimes, t.times, &found);
        // The store keeps a time in 8 bits.
        for (int& time : t.times) time &= 0xFF;
      }
    }
    if (!ok || r->hasError()) return KLX_Error;
    if (!found) Skip(r, 0x515D3, "timer skip error");
  }
  return r->hasError() ? KLX_Error : KLX_Ok;
}

int KLX_XMLModel::KLX_XMLModelTransferTimerDataToDB() {
  KLX_DataBaseManager* db = m_Db;
  KLX_XMLTimer& t = m_Data->timer;
  // A timer this board does not have is dropped.
  if (t.index < 0 || t.index >= db->KLX_DataBaseManagerGetMaxTimer(false)) return KLX_Ok;
  const int S = AtomicDirSet;
  const int i = t.index;
  db->KLX_DataBaseManagerTimerGetSet_Name(i, t.name, S, false);
  db->KLX_DataBaseManagerTimerGetSet_IsUsed(i, t.used, S, false);
  for (int k = 0; k < 3; ++k) (db->*kSwitchDoors[k])(i, t.switches[k], S, false);
  for (int k = 0; k < 6; ++k) (db->*kTimeDoors[k])(i, t.times[k], S, false);
  db->KLX_DataBaseManagerTimerGetSet_LastValueKeep(i, t.keep, S, false);
  if (!t.keep) t.stored = 0;
  db->KLX_DataBaseManagerTimerGetSet_ValueStored(i, t.stored, S, false);
  return KLX_Ok;
}

// ---- Complex timers -------------------------------------------------------------------------

void KLX_XMLModel::KLX_XMLModelWriteModelComplexTimer(KLX_XMLTextWriter* w) {
  KLX_DataBaseManager* db = m_Db;
  const int G = AtomicDirGet;
  using D = KLX_DataBaseManager;
  using Number = int (D::*)(int, int, int, bool);
  const Number controls[3] = {&D::KLX_DataBaseManagerCmplxTimerGetSet_ControlStart,
                              &D::KLX_DataBaseManagerCmplxTimerGetSet_ControlStop,
                              &D::KLX_DataBaseManagerCmplxTimerGetSet_ControlReset};
  const Number start[3] = {&D::KLX_DataBaseManagerCmplxTimerGetSet_StartHour,
                           &D::KLX_DataBaseManagerCmplxTimerGetSet_StartMinute,
                           &D::KLX_DataBaseManagerCmplxTimerGetSet_StartSecond};
  const Number end[3] = {&D::KLX_DataBaseManagerCmplxTimerGetSet_StopHour,
                         &D::KLX_DataBaseManagerCmplxTimerGetSet_StopMinute,
                         &D::KLX_DataBaseManagerCmplxTimerGetSet_StopSecond};
  for (int i = 0; i < db->KLX_DataBaseManagerGetMaxTimer(false); ++i) {
    if (db->KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(i, 0, G, false) != 1) continue;
    w->StartElement(QLatin1String("COMPLEXTIMER"));
    w->TextElement(kCmplxIndex.name, i);
    w->TextElement(QLatin1String("Name"), db->KLX_DataBaseManagerCmplxTimerGetSet_Name(i, QString(), G, false));
    w->TextElement(kCmplxUsed.name, 1);
    for (int k = 0; k < 3; ++k) w->TextElement(kCmplxControls[k].name, (db->*controls[k])(i, 0, G, false));
    for (int k = 0; k < 3; ++k) w->TextElement(kCmplxStart[k].name, (db->*start[k])(i, 0, G, false));
    for (int k = 0; k < 3; ++k) w->TextElement(kCmplxEnd[k].name, (db->*end[k])(i, 0, G, false));
    const int keep = db->KLX_DataBaseManagerCmplxTimerGetSet_LastValueKeep(i, 0, G, false);
    w->TextElement(kCmplxKeep.name, keep);
    w->TextElement(kCmplxStored.name,
                   keep == 1 ? db->KLX_DataBaseManagerCmplxTimerGetSet_ValueStored(i, 0, kStoredTakeCurrent, false)
                             : 0);
    for (int s = 0; s < KLX_ComplexTimer::kAlarms; ++s) {
      const int type = db->KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(i, s, 0, G, false);
      if (type <= 0 || (type & 7) == 0) continue;
      // The slot's type names the alarm it stands for.
      const int a = (type & 7) - 1;
      w->StartElement(QLatin1String("TIMERALARM"));
      w->TextElement(kAlarmIndex.name, a);
      for (int k = 0; k < 3; ++k) w->TextElement(kAlarmStart[k].name, (db->*kAlarmStartDoors[k])(i, a, 0, G, false));
      for (int k = 0; k < 3; ++k) w->TextElement(kAlarmEnd[k].name, (db->*kAlarmEndDoors[k])(i, a, 0, G, false));
      w->TextElement(kAlarmControl.name, db->KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Control(i, a, 0, G, false));
      w->TextElement(kAlarmInterval.name, db->KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(i, a, 0, G, false));
      w->TextElement(kAlarmTone.name, db->KLX_DataBaseManagerCmplxTimerGetSet_Alarm_BeepTone(i, a, 0, G, false));
      w->TextElement(kAlarmType.name, db->KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(i, a, 0, G, false));
      w->TextElement(QLatin1String("TextMessg"),
                     db->KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(i, a, QString(), G, false));
      for (int k = 0; k < 4; ++k) w->TextElement(kAlarmTexts[k], (db->*kAlarmTextDoors[k])(i, a, QString(), G, false));
      w->EndElement();
    }
    w->EndElement();
  }
}

namespace {
int ReadAlarm(QXmlStreamReader* r, KLX_XMLComplexTimer* timer) {
  int number = 0;
  KLX_XMLTimerAlarm alarm;
  // The value side starts empty, and so does the message side: a file of
  // ours always gives both.
  for (QString& text : alarm.texts) text.clear();
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    bool found = true;
    bool ok = true;
    if (name == kAlarmIndex.name) {
      ok = ReadField(r, kAlarmIndex, &number);
    } else if (name == kAlarmControl.name) {
      ok = ReadField(r, kAlarmControl, &alarm.control);
    } else if (name == kAlarmInterval.name) {
      ok = ReadField(r, kAlarmInterval, &alarm.interval);
    } else if (name == kAlarmTone.name) {
      ok = ReadField(r, kAlarmTone, &alarm.tone);
    } else if (name == kAlarmType.name) {
      ok = ReadField(r, kAlarmType, &alarm.type);
    } else if (name == QLatin1String("TextMessg")) {
      alarm.message = KLX_XMLIO::Text(r).left(kMessageChars).toUtf8();
    } else {
      found = false;
      for (int k = 0; k < 4 && !found; ++k)
        if (name == kAlarmTexts[k]) {
          alarm.texts[k] = KLX_XMLIO::Text(r);
          found = true;
        }
      if (!found) ok = ReadOneOf(r, kAlarmStart, alarm.start, &found);
      if (!found) ok = ReadOneOf(r, kAlarmEnd, alarm.end, &found);
    }
    if (!ok || r->hasError()) return KLX_Error;
    if (!found) Skip(r, 0x515D3, "complex timer alarm skip error");
  }
  if (r->hasError()) return KLX_Error;
  alarm.valueVoice = KLX_TTS::GetVoiceIndex(alarm.texts[0], alarm.texts[1]) & 0xFF;
  alarm.textVoice = KLX_TTS::GetVoiceIndex(alarm.texts[2], alarm.texts[3]) & 0xFF;
  timer->alarms[number] = alarm;
  return KLX_Ok;
}
}  // namespace

int KLX_XMLModel::KLX_XMLModelReadModelComplexTimerData(QXmlStreamReader* r) {
  KLX_XMLComplexTimer& t = m_Data->complexTimer;
  t = KLX_XMLComplexTimer();
  t.name = QStringLiteral("timer");
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    bool found = true;
    bool ok = true;
    if (name == kCmplxIndex.name) {
      ok = ReadField(r, kCmplxIndex, &t.index);
    } else if (name == QLatin1String("Name")) {
      t.name = ReadTimerName(r);
    } else if (name == kCmplxUsed.name) {
      ok = ReadField(r, kCmplxUsed, &t.used);
    } else if (name == kCmplxKeep.name) {
      ok = ReadField(r, kCmplxKeep, &t.keep);
    } else if (name == kCmplxStored.name) {
      ok = ReadField(r, kCmplxStored, &t.stored);
    } else if (name == QLatin1String("TIMERALARM")) {
      ok = ReadAlarm(r, &t) == KLX_Ok;
    } else {
      ok = ReadOneOf(r, kCmplxControls, t.controls, &found);
      if (!found) ok = ReadOneOf(r, kCmplxStart, t.start, &found);
      if (!found) ok = ReadOneOf(r, kCmplxEnd, t.end, &found);
    }
    if (!ok || r->hasError()) return KLX_Error;
    if (!found) Skip(r, 0x515D3, "complex timer skip error");
  }
  return r->hasError() ? KLX_Error : KLX_Ok;
}

int KLX_XMLModel::KLX_XMLModelTransferComplexTimerDataToDB() {
  KLX_DataBaseManager* db = m_Db;
  KLX_XMLComplexTimer& t = m_Data->complexTimer;
  if (t.index < 0 || t.index >= db->KLX_DataBaseManagerGetMaxTimer(false)) return KLX_Ok;
  const int S = AtomicDirSet;
  const int i = t.index;
  db->KLX_DataBaseManagerCmplxTimerGetSet_Name(i, t.name, S, false);
  db->KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(i, t.used, S, false);
  db->KLX_DataBaseManagerCmplxTimerLoad_Time(i, false, Time(t.start));
  db->KLX_DataBaseManagerCmplxTimerLoad_Time(i, true, Time(t.end));
  db->KLX_DataBaseManagerCmplxTimerGetSet_LastValueKeep(i, t.keep, S, false);
  if (!t.keep) t.stored = 0;
  db->KLX_DataBaseManagerCmplxTimerGetSet_ValueStored(i, t.stored, S, false);
  db->KLX_DataBaseManagerCmplxTimerGetSet_ControlStart(i, t.controls[0], S, false);
  db->KLX_DataBaseManagerCmplxTimerGetSet_ControlStop(i, t.controls[1], S, false);
  db->KLX_DataBaseManagerCmplxTimerGetSet_ControlReset(i, t.controls[2], S, false);
  for (int s = 0; s < KLX_ComplexTimer::kAlarms; ++s) {
    const int type = t.alarms[s].type;
    if (type == 0 || (type & 7) == 0) continue;
    const int a = (type & 7) - 1;
    const KLX_XMLTimerAlarm& alarm = t.alarms[a];
    // Switched off first, so that nothing of an earlier alarm stays; then
    // its type, since an alarm that comes into use takes its timer's times
    // and name, which the file's own then replace.
    db->KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(i, a, 0, S, false);
    db->KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(i, a, alarm.type, S, false);
    db->KLX_DataBaseManagerCmplxTimerLoad_AlarmTime(i, a, false, Time(alarm.start));
    db->KLX_DataBaseManagerCmplxTimerLoad_AlarmTime(i, a, true, Time(alarm.end));
    db->KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Control(i, a, alarm.control, S, false);
    db->KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Interval(i, a, alarm.interval, S, false);
    db->KLX_DataBaseManagerCmplxTimerGetSet_Alarm_BeepTone(i, a, alarm.tone, S, false);
    db->KLX_DataBaseManagerCmplxTimerGetSet_AlarmMessage(i, a, QString::fromUtf8(alarm.message), S, false);
    // No voice (255) is what the model reset left; the store takes voices only.
    if (alarm.valueVoice < kNoVoice) db->KLX_DataBaseManagerCmplxTimerGetSet_AlarmValueVoice(i, a, alarm.valueVoice, S, false);
    if (alarm.textVoice < kNoVoice) db->KLX_DataBaseManagerCmplxTimerGetSet_AlarmTextVoice(i, a, alarm.textVoice, S, false);
    for (int k = 0; k < 4; ++k) (db->*kAlarmTextDoors[k])(i, a, alarm.texts[k], S, false);
  }
  return KLX_Ok;
}
