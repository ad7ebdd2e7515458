#pragma once
// The sections of the model file as tables: for each element kind its
// element and the rules of its index, and its values from the file rows of
// klx_fields.h (element names, conversion, check, start value, report, and
// the field row whose facade accessor reads it for a save and takes it back
// on a load). One reader, writer and transfer walk every table, so every
// section keeps the same rules: children by exact name in any order,
// unknown children reported and skipped, each reader ending on its own end
// tag.
#include <QByteArray>
#include <QLatin1String>
#include <QMap>
#include <QString>
#include <QVector>

#include "model/klx_fields.h"
#include "timers/klx_preflightsettings.h"
#include "timers/klx_voicealarm.h"
#include "wireless/klx_headup.h"

class KLX_DataBaseManager;
struct KLX_XMLStaged;

// A facade accessor in its common form: reads (dir non-zero) or writes
// (dir 0, never sent) field `sub` of element `unit`; the stored value.
using KLX_XMLAccess = int (*)(KLX_DataBaseManager* db, int unit, int sub, int value, int dir);
using KLX_XMLNameAccess = QString (*)(KLX_DataBaseManager* db, int unit, const QString& name, int dir);

// What a converted value must satisfy before it is staged.
enum class KLX_XMLCheck : unsigned char {
  Uint8,
  Sint8,
  Uint16,
  Sint16,
  Boolean,
  TControl,
  TIndex,
  Any,      // the 32-bit conversion alone
  UpToMax,  // 0..max, compared unsigned
  Range,    // min..max
};

struct KLX_XMLField {
  QLatin1String name;
  KLX_XMLCheck check;
  bool isUnsigned;  // converted (and written) as an unsigned 32-bit number
  int max;          // for UpToMax
  unsigned code;    // report of a text that fails conversion or check
  const char* text;
  KLX_XMLAccess access;
  int min = 0;  // for Range
};

// The place of each value in a section's staged record, by its field row.
#define KLX_XML_FILE_POSITION(element, row, ...) row,
struct KLX_FunctionFile { enum : int { KLX_FUNCTION_FILE(KLX_XML_FILE_POSITION) Count }; };
struct KLX_FunctionSetupFile { enum : int { KLX_FUNCTION_SETUP_FILE(KLX_XML_FILE_POSITION) Count }; };
struct KLX_ServoMixerFile { enum : int { KLX_SERVOCONFIG_MIXER_FILE(KLX_XML_FILE_POSITION) Count }; };
struct KLX_MixerFile { enum : int { KLX_MIXER_FILE(KLX_XML_FILE_POSITION) Count }; };
struct KLX_MixerSetupFile { enum : int { KLX_MIXER_SETUP_FILE(KLX_XML_FILE_POSITION) Count }; };
struct KLX_CurveFile { enum : int { KLX_CURVE_FILE(KLX_XML_FILE_POSITION) Count }; };
struct KLX_TrimFile { enum : int { KLX_TRIM_FILE(KLX_XML_FILE_POSITION) Count }; };
struct KLX_ReceiverFile { enum : int { KLX_RECEIVER_FILE(KLX_XML_FILE_POSITION) Count }; };

// One element with numbered children ("FUNCTION" and its "SETUP"s, ...).
struct KLX_XMLGroup {
  QLatin1String element;
  QLatin1String prefix;  // how reports name the element kind

  // "Index": its conversion, largest value and report. A group without
  // "Index" has indexMax -1.
  bool indexSigned;
  int indexMax;
  unsigned indexCode;
  const char* indexText;
  // Parts of a record only: reported at their end tag when "Index" was
  // missing or negative, or, with valuesNeedIndex, at a value that comes
  // before a valid "Index" (a part without values then holds nothing).
  unsigned endCode;
  const char* endText;
  bool valuesNeedIndex;

  const KLX_XMLField* fields;
  int fieldCount;
  // Values a part starts with before its children are read; a record group
  // with start values copies every field, one without copies only those the
  // file gives (the rest keep what the model reset left).
  const int* start;
  unsigned skipCode;
  const char* skipText;

  KLX_XMLNameAccess name;           // records with a name
  const KLX_XMLGroup* const* parts;  // their numbered parts, null-terminated
  // Records: how many the board has (written, and copied unless copyCount
  // says otherwise); the in-use field (-1: the group is written once); what
  // a copy does beyond the fields.
  int (*count)(KLX_DataBaseManager* db);
  int (*copyCount)(KLX_DataBaseManager* db);
  int usedField;
  void (*afterCopy)(KLX_DataBaseManager* db, const KLX_XMLStaged& staged);
  // Parts: whether part `sub` of `unit` is written; whether a staged part is
  // copied; a last touch when a part has been read.
  bool (*writeIf)(KLX_DataBaseManager* db, int unit, int sub);
  bool (*copyIf)(KLX_DataBaseManager* db, int sub, const int* values);
  void (*complete)(int* values, unsigned given);
};

// The staged content of one record element while it is read.
struct KLX_XMLStaged {
  static constexpr int kMaxFields = 24;
  static constexpr int kMaxParts = 2;
  static constexpr int kMaxSlots = 48;
  struct Part {
    int values[kMaxFields];
    unsigned given;
    bool present;
  };
  int index = -1;
  bool nameGiven = false;
  QString name;
  int values[kMaxFields] = {};
  unsigned given = 0;
  QVector<Part> parts[kMaxParts];
  // Values accepted in the parts of each kind, repeats included.
  int accepted[kMaxParts] = {};
};

// A flight mode the smaller board lacks, moved to a number it has.
struct KLX_XMLFlightModeMove {
  int from;
  int to;
};

// One sequencer as its element gives it, in the facade's units.
struct KLX_XMLSequencer {
  static constexpr int kTracks = 6;
  static constexpr int kWaypoints = 7;
  struct Track {
    int servo;
    int time[2][kWaypoints];
    int position[2][kWaypoints];
  };
  QString name;
  int isUsed;
  int control;
  int below;
  int above;
  Track tracks[kTracks];
};

// One simple timer as its element gives it.
struct KLX_XMLTimer {
  int index = -1;
  QString name;
  int used = 0;
  int keep = 0;
  int switches[3] = {128, 128, 128};  // start, stop, reset
  int times[6] = {};                  // start h m s, stop h m s
  int stored = 0;
};

// One alarm of a complex timer as its element gives it.
struct KLX_XMLTimerAlarm {
  int type = 0;
  int start[3] = {};
  int end[3] = {};
  int control = 65535;
  int interval = 10;
  int tone = 1000;
  QByteArray message;
  QString texts[4];  // value language, value voice, message language, message voice
  int valueVoice = 255;
  int textVoice = 255;
};

// One complex timer as its element gives it.
struct KLX_XMLComplexTimer {
  int index = -1;
  QString name;
  int used = 0;
  int controls[3] = {};  // start, stop, reset
  int start[3] = {};
  int end[3] = {};
  int keep = 0;
  int stored = 0;
  KLX_XMLTimerAlarm alarms[7];
};

// One telemetry control as its element gives it.
struct KLX_XMLTeleControl {
  int index = -1;
  QByteArray name;
  int values[14] = {};
};

// The announcement list binding as "TTSLHandling" gives it.
struct KLX_XMLAnnouncements {
  int controls[3] = {-1, -1, -1};  // forward, backward, restart
  QString file;
};

// The vario settings as "Vario" gives them.
struct KLX_XMLVario {
  static constexpr int kFlightModes = 27;
  int fm[kFlightModes][5];  // start tone, climb gain, descend gain, climb and descend threshold
  int decimal;
  int imperial;
  int control;
  int address;
  int slave;
  unsigned mask;
};

// One display page as its element gives it; elements, sensors and values
// by their numbers, only those the file holds.
struct KLX_XMLTeleValue {
  int used = 0;
  int address = 0;
  QString name;
  int numbers[10] = {32767, -32768, 0, 0, 32767, -32768, 0, 0, 0, 0};
  QString texts[8];
};
struct KLX_XMLTeleSensor {
  int used = 0;
  int address = 0;
  QString name;
  QMap<int, KLX_XMLTeleValue> values;
};
struct KLX_XMLTeleElement {
  int numbers[8] = {0, 0, 0, 0, 1, 1, 0, 26};  // used, type, x, y, size, presentation, timer, servo
  QString texts[3];                            // quick-link entry, quick-link icon, label
  QMap<int, KLX_XMLTeleSensor> sensors;
};
struct KLX_XMLTelePage {
  int index = -1;
  int used = 0;
  QMap<int, KLX_XMLTeleElement> elements;
};

// The staging copy of a read: the record being read, the displayed order of
// the functions, the flight modes the assignment moved (for the trims after
// it), the sequencers, the receivers' binding, and the texts of "SECUREDATA".
struct KLX_XML_ModelData {
  KLX_XMLStaged record;
  QList<int> functionOrder;
  QVector<KLX_XMLFlightModeMove> flightModeMoves;
  int sequencerIndex = -1;
  KLX_XMLSequencer sequencers[2];
  quint64 bindConfig = 0;
  int receiverMode = 0;
  KLX_XMLTimer timer;
  KLX_XMLComplexTimer complexTimer;
  KLX_XMLTeleControl teleControl;
  KLX_XMLAnnouncements announcements;
  KLX_XMLVario vario;
  KLX_XMLTelePage telePage;
  // Set once "TELEMETRYALIASES" was read: pages after it keep their aliases.
  bool aliasesRead = false;
  QString voiceLanguage;
  QString voiceName;
  // The voice alarm being read: its number (when "Index" was given), the
  // record and its fixed message.
  bool voiceAlarmIndexGiven = false;
  unsigned voiceAlarmIndex = 0;
  T_VoiceAlarm voiceAlarm;
  QString voiceAlarmMessage;
  // The preflight check as "PREFLIGHT" gives it.
  PreflSettings_struct preflight;
  // The head-up section: the page switches and the 24 items (empty ones
  // have the type 255).
  int headupForward = -1;
  int headupBackward = -1;
  CHeadupItem headup[KLX_Headup::kSlots];
  QString crcMd5;
  QString appVersion;
};

namespace KLX_XMLSections {
extern const KLX_XMLGroup kRuntime;
extern const KLX_XMLGroup kSilentMode;
extern const KLX_XMLGroup kFunction;
extern const KLX_XMLGroup kServoConfig;
extern const KLX_XMLGroup kMixer;
extern const KLX_XMLGroup kLimiter;
extern const KLX_XMLGroup kFlightMode;
extern const KLX_XMLGroup kCurve;
extern const KLX_XMLGroup kSwitch;
extern const KLX_XMLGroup kSpecialSwitch;
extern const KLX_XMLGroup kFlightModeAssign;
extern const KLX_XMLGroup kTrim;
extern const KLX_XMLGroup kReceiver;
}  // namespace KLX_XMLSections
