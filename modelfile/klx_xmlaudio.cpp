// What a model says and sounds: the announcement list binding
// ("TTSLHandling"), the voices of the telemetry announcements, the vario
// ("Vario", flight mode 0 and each flight mode with settings of its own),
// and two single values read in place: the front-plug mode
// ("SERVOPPMMODE") and the teacher/pupil switch
// ("TEACHERPUPILSWITCHCONTROL").
#include <QXmlStreamReader>

#include "frame/klx_databasevalues.h"
#include "frame/klx_debuglog.h"
#include "frame/klx_xmltextwriter.h"
#include "model/klx_databasemanager.h"
#include "modelfile/klx_xmlmodel.h"
#include "modelfile/klx_xmlsectionio.h"
#include "modelfile/klx_xmlsections.h"

namespace {
using KLX_XMLIO::Report;
using KLX_XMLIO::Skip;
using D = KLX_DataBaseManager;

const QLatin1String kTTSLControls[3] = {QLatin1String("ForwardSwId"), QLatin1String("BackwardSwId"),
                                        QLatin1String("RestartSwId")};
const unsigned kTTSLCodes[3] = {0x215FD, 0x215FE, 0x215FF};
const char* const kTTSLTexts[3] = {"Error while reading/converting ForwardId",
                                   "Error while reading/converting BackwardId",
                                   "Error while reading/converting RestartId"};

const QLatin1String kVoiceElements[3] = {QLatin1String("TELESTATUSALARMVOICE"), QLatin1String("TELEALARMVOICE"),
                                         QLatin1String("TELEWARNINGVOICE")};
constexpr int kNoActivator = 0xFFFF;

// A vario value of a flight mode: its element, accessor, the sign between
// the file and the setter, and its report.
struct VarioField {
  QLatin1String name;
  int (D::*intDoor)(int, int, int, bool);
  int (D::*boolDoor)(int, int, bool, bool);
  int sign;
  bool isUnsigned;
  unsigned code;
  const char* text;
};
const VarioField kVarioFields[5] = {
    {QLatin1String("VarioStartTone"), &D::KLX_DataBaseManagerVarioGetSetStartToneHz, nullptr, 1, true, 0x328AD,
     "Bad Vario start tone Value"},
    {QLatin1String("VarioKPos"), &D::KLX_DataBaseManagerVarioGetSetClimbingGain, nullptr, 1, false, 0x328AE,
     "Bad Vario Climb Gain"},
    {QLatin1String("VarioKNeg"), &D::KLX_DataBaseManagerVarioGetSetDescendGain, nullptr, 1, false, 0x328AF,
     "Bad Vario Descend Gain"},
    {QLatin1String("VarioThldPos"), nullptr, &D::KLX_DataBaseManagerVarioGetSetPositiveSpeedThreshold, 1, false,
     0x328B0, "Bad Vario Climb Speed offset"},
    // Its accessor speaks the descend threshold's magnitude, as the file holds it.
    {QLatin1String("VarioThldNeg"), nullptr, &D::KLX_DataBaseManagerVarioGetSetNegativeSpeedThreshold, 1, false,
     0x328B1, "Bad Vario Descend Speed offset"}};

int VarioGet(D* db, const VarioField& f, int fm) {
  return f.intDoor ? (db->*f.intDoor)(0, fm, 1, false) : (db->*f.boolDoor)(0, fm, true, false);
}
void VarioSet(D* db, const VarioField& f, int fm, int value) {
  const int v = f.sign * value;
  if (f.intDoor)
    (db->*f.intDoor)(v, fm, 0, false);
  else
    (db->*f.boolDoor)(v, fm, false, false);
}

bool Convert(const QString& text, bool isUnsigned, int* value) {
  bool ok = false;
  *value = isUnsigned ? static_cast<int>(text.toUInt(&ok)) : text.toInt(&ok);
  return ok;
}

void ClearVario(KLX_XMLVario* v) {
  for (auto& fm : v->fm) {
    fm[0] = 270;
    fm[1] = 150;
    fm[2] = 30;
    fm[3] = 1;
    fm[4] = 2;
  }
  v->decimal = 1;
  v->imperial = 0;
  v->control = 0;
  v->address = 61;
  v->slave = 0;
  v->mask = 0;
}

// One value of a flight mode: KLX_Ok also for an element it does not know,
// KLX_Error for a value that is no number.
int ReadVarioFm(QXmlStreamReader* r, KLX_XMLVario* v, int fm) {
  for (const VarioField& f : kVarioFields) {
    if (r->name() != f.name) continue;
    const QString text = KLX_XMLIO::Text(r);
    int value = 0;
    if (!Convert(text, f.isUnsigned, &value)) {
      Report(f.code, f.text);
      return KLX_Error;
    }
    if (fm < KLX_XMLVario::kFlightModes) v->fm[fm][&f - kVarioFields] = value;
    return KLX_Ok;
  }
  r->skipCurrentElement();
  return KLX_Ok;
}
}  // namespace

// ---- Announcement list -----------------------------------------------------------------------

void KLX_XMLModel::KLX_XMLModelWriteModelTTSL(KLX_XMLTextWriter* w) {
  w->StartElement(QLatin1String("TTSLHandling"));
  w->TextElement(kTTSLControls[0], m_Db->KLX_GetTTSLForwardControl());
  w->TextElement(kTTSLControls[1], m_Db->KLX_GetTTSLBackwardControl());
  w->TextElement(kTTSLControls[2], m_Db->KLX_GetTTSLRestartControl());
  w->TextElement(QLatin1String("TTSLFile"), m_Db->KLX_DataBaseManagerGetLastUsedTTSList());
  w->EndElement();
}

int KLX_XMLModel::KLX_XMLModelReadModelTTSLData(QXmlStreamReader* r) {
  qCDebug(lcVornDebug, "TTSLHandling found.");
  KLX_XMLAnnouncements& a = m_Data->announcements;
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    int k = 0;
    while (k < 3 && name != kTTSLControls[k]) ++k;
    if (k < 3) {
      if (!Convert(KLX_XMLIO::Text(r), false, &a.controls[k])) {
        Report(kTTSLCodes[k], kTTSLTexts[k]);
        a.controls[k] = -1;
      }
    } else if (name == QLatin1String("TTSLFile")) {
      a.file = KLX_XMLIO::Text(r);
    } else {
      r->skipCurrentElement();
    }
  }
  return r->hasError() ? KLX_Error : KLX_Ok;
}

int KLX_XMLModel::KLX_XMLModelTransferTTSLDataToDB() {
  const KLX_XMLAnnouncements& a = m_Data->announcements;
  // Only virtual switches are taken; anything else leaves the binding as it is.
  m_Db->KLX_SubscribeTTSLForwardControl(a.controls[0]);
  m_Db->KLX_SubscribeTTSLBackwardControl(a.controls[1]);
  m_Db->KLX_SubscribeTTSLRestartControl(a.controls[2]);
  m_Db->KLX_DataBaseManagerSetLastUsedTTSList(a.file, false);
  m_Db->KLX_TTSListBuild();
  return KLX_Ok;
}

// ---- Telemetry announcement voices -------------------------------------------------------------

void KLX_XMLModel::KLX_XMLModelWriteTeleAlarmVoices(KLX_XMLTextWriter* w) {
  for (int k = 0; k < 3; ++k) {
    const int slot = -1 - k;
    w->StartElement(kVoiceElements[k]);
    KLX_XMLIO::WriteVoice(w, m_Db, slot, m_Db->KLX_DataBaseManagerGetAlarmVoiceTextParams(slot));
    w->EndElement();
  }
}

int KLX_XMLModel::KLX_XMLModelReadTeleAlarmVoices(QXmlStreamReader* r) {
  m_Data->voiceLanguage = m_Data->voiceName = m_Db->KLX_DataBaseManagerGetEmptyTelemetryVoice();
  while (r->readNextStartElement()) {
    if (r->name() == QLatin1String("VLanguage"))
      m_Data->voiceLanguage = KLX_XMLIO::Text(r);
    else if (r->name() == QLatin1String("VoiceName"))
      m_Data->voiceName = KLX_XMLIO::Text(r);
    else
      Skip(r, 0x515EB, "telemetry voice skip error");
  }
  return r->hasError() ? KLX_Error : KLX_Ok;
}

int KLX_XMLModel::KLX_XMLModelTransferTeleVoiceAlarmDataToDB(int slot) {
  return m_Db->KLX_DataBaseManagerVAlarmSetVoiceTextParams(slot, m_Data->voiceLanguage, m_Data->voiceName, false);
}

// ---- Vario --------------------------------------------------------------------------------------

void KLX_XMLModel::KLX_XMLModelWriteVarioConfig(KLX_XMLTextWriter* w) {
  D* db = m_Db;
  const unsigned mask = db->KLX_DataBaseManagerGetSetVarioSingleFmMask(0, AtomicDirGet, false);
  w->StartElement(QLatin1String("Vario"));
  w->StartElement(QLatin1String("SETUP"));
  w->TextElement(QLatin1String("VARIOCTL"), db->KLX_DataBaseManagerGetSetVarioActivationControlId(0, AtomicDirGet, false));
  w->TextElement(QLatin1String("VARIOADDRESS"), db->KLX_DataBaseManagerGetVarioAddress());
  w->TextElement(QLatin1String("VARIOSLAVEADDRESS"), db->KLX_DataBaseManagerGetVarioSlaveAddress());
  for (const VarioField& f : kVarioFields) w->TextElement(f.name, VarioGet(db, f, 0));
  w->TextElement(QLatin1String("VarioDecPosition"), db->KLX_DataBaseManagerVarioGetDecimalPosition());
  w->TextElement(QLatin1String("VarioUnitsImperial"), db->KLX_DataBaseManagerVarioGetUnitsSystem());
  w->TextElement(QLatin1String("Vario_FM_Mask"), static_cast<qint64>(mask));
  w->EndElement();
  const int fms = db->KLX_DataBaseManagerGetMaxFlightmodes();
  for (int fm = 1; fm < fms && fm < 32; ++fm) {
    if (!(mask & (1u << fm))) continue;
    w->StartElement(QLatin1String("SETUP_FM"));
    for (const VarioField& f : kVarioFields) w->TextElement(f.name, VarioGet(db, f, fm));
    w->EndElement();
  }
  w->EndElement();
}

int KLX_XMLModel::KLX_XMLModelReadVarioConfig(QXmlStreamReader* r) {
  if (r->name() != QLatin1String("Vario")) return KLX_False;
  KLX_XMLVario& v = m_Data->vario;
  ClearVario(&v);
  const int fms = m_Db->KLX_DataBaseManagerGetMaxFlightmodes();
  int cursor = 0;
  int result = KLX_False;
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    if (name == QLatin1String("SETUP")) {
      while (r->readNextStartElement()) {
        const QStringRef field = r->name();
        int value = 0;
        struct Head {
          const char* name;
          int* staged;
          bool fatal;
          unsigned code;
          const char* text;
        };
        int mask = 0;
        const Head heads[] = {
            {"VARIOCTL", &v.control, true, 0x515B4, "Bad value of Vario activation control"},
            {"VARIOADDRESS", &v.address, true, 0x515B4, "Bad value of Vario sensor main address"},
            {"VARIOSLAVEADDRESS", &v.slave, true, 0x515B4, "Bad value of Vario sensor slave address"},
            {"Vario_FM_Mask", &mask, true, 0x215B3, "vario FM Mask error"},
            {"VarioDecPosition", &v.decimal, false, 0x328B2, "Bad Vario Speed Decimal Point Position"},
            {"VarioUnitsImperial", &v.imperial, false, 0x328B3, "Bad units system is given"}};
        const Head* head = nullptr;
        for (const Head& h : heads)
          if (field == QLatin1String(h.name)) head = &h;
        if (!head) {
          result = ReadVarioFm(r, &v, 0);
          if (r->hasError()) return KLX_Error;
          continue;
        }
        const bool isUnits = head->staged == &v.imperial;
        const bool ok = Convert(KLX_XMLIO::Text(r), true, &value) && (!isUnits || value == 0 || value == 1);
        if (r->hasError()) return KLX_Error;
        if (!ok) {
          Report(head->code, head->text);
          if (head->fatal) return KLX_Error;
          continue;
        }
        if (head->staged == &mask)
          v.mask = static_cast<unsigned>(value);
        else if (head->staged == &v.control)
          v.control = value & 0xFFFF;
        else if (head->staged == &v.address || head->staged == &v.slave || head->staged == &v.decimal)
          *head->staged = value & 0xFF;
        else
          *head->staged = value;
        result = KLX_Ok;
      }
    } else if (name == QLatin1String("SETUP_FM")) {
      // The k-th "SETUP_FM" belongs to the k-th flight mode of the mask.
      ++cursor;
      while (cursor < fms && !(cursor < 32 && (v.mask & (1u << cursor)))) ++cursor;
      if (cursor >= fms) {
        // Settings of flight modes this board lacks: the rest of the
        // element is passed over, so the sections after it are still read.
        r->skipCurrentElement();
        while (r->readNextStartElement()) r->skipCurrentElement();
        return r->hasError() ? KLX_Error : result;
      }
      while (r->readNextStartElement()) {
        result = ReadVarioFm(r, &v, cursor);
        if (result != KLX_Ok) {
          // A refused value ends the load: the reader is left where it is.
          return KLX_Error;
        }
      }
    } else {
      r->skipCurrentElement();
    }
    if (r->hasError()) return KLX_Error;
  }
  return r->hasError() ? KLX_Error : result;
}

int KLX_XMLModel::KLX_XMLModelTransferVarioDataToDB() {
  D* db = m_Db;
  const KLX_XMLVario& v = m_Data->vario;
  db->KLX_DataBaseManagerGetSetVarioActivationControlId(v.control, AtomicDirSet, false);
  db->KLX_DataBaseManagerSetVarioAddress(v.address, v.slave, false);
  // After the address, which takes the decimal point of the sensor value:
  // the file's own wins.
  db->KLX_DataBaseManagerVarioSetDecimalPosition(v.decimal, false);
  db->KLX_DataBaseManagerVarioSetUnitsSystem(v.imperial != 0, false);
  db->KLX_DataBaseManagerGetSetVarioSingleFmMask(v.mask, AtomicDirSet, false);
  const int fms = db->KLX_DataBaseManagerGetMaxFlightmodes();
  for (int fm = 0; fm < fms && fm < KLX_XMLVario::kFlightModes; ++fm) {
    if (fm != 0 && !(fm < 32 && (v.mask & (1u << fm)))) continue;
    for (int k = 0; k < 5; ++k) VarioSet(db, kVarioFields[k], fm, v.fm[fm][k]);
  }
  return KLX_Ok;
}

// ---- Front plug and teacher/pupil switch ------------------------------------------------------

void KLX_XMLModel::KLX_XMLModelWriteServoPPMMode(KLX_XMLTextWriter* w) {
  w->TextElement(QLatin1String("SERVOPPMMODE"), m_Db->KLX_DatabaseManagerGetFrontPlugModeForFile());
}

void KLX_XMLModel::KLX_XMLModelWriteTeacherPupilSwControl(KLX_XMLTextWriter* w) {
  w->TextElement(QLatin1String("TEACHERPUPILSWITCHCONTROL"), m_Db->KLX_DataBaseManagerTutorPupilGetSetActivator(0, 1, true));
}

void KLX_XMLModel::KLX_XMLModelReadServoPPMMode(QXmlStreamReader* r) {
  int mode = 0;
  if (!Convert(KLX_XMLIO::Text(r), true, &mode)) {
    Report(0x515B5, "Bad value of Servo/PPM mode");
    return;
  }
  // Sent to the transceiver, which reports the mode it took.
  m_Db->KLX_DatabaseManagerSetFrontPlugModeFromFile(mode);
}

void KLX_XMLModel::KLX_XMLModelReadTeacherPupilSwControl(QXmlStreamReader* r) {
  int control = 0;
  if (!Convert(KLX_XMLIO::Text(r), true, &control)) {
    Report(0x315BC, "bad value of Tutor-Pupil switch control-ID");
    return;
  }
  // No control (0, or the store's own none as it writes it): the switch is
  // cleared, since the activator takes virtual switches only.
  if (control == 0 || control == kNoActivator) {
    m_Db->KLX_DataBaseManagerTutorPupilClearActivator();
    return;
  }
  if (m_Db->KLX_DataBaseManagerTutorPupilGetSetActivator(control, 2, true) != control)
    Report(0x315BC, "value of Tutor-Pupil switch cannot be set");
}
