#include "modelfile/klx_xmlsections.h"

#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"

namespace {
using DB = KLX_DataBaseManager;
using C = KLX_XMLCheck;

// A record's name through its facade accessor; a write never goes to the controller.
#define KLX_XML_NAME(A) \
  [](DB* d, int u, const QString& n, int dir) { return d->KLX_DataBaseManager##A(u, n, dir, false); }

// ---- The field rows' accessors ------------------------------------------------------
// Each field row of klx_fields.h gets its facade accessor in the common form,
// Access_<kind>_<row>, and its largest value, Hi_<kind>_<row>; a write never
// goes to the controller. Rows whose facade accessor is written by hand (FH),
// and values kept outside the element stores, get theirs by hand below,
// named the same way.
#define KLX_XML_ACCESS_F1(K, S, F)                                          \
  [[maybe_unused]] int Access_##K##_##S(DB* d, int u, int, int v, int dir) { \
    return d->KLX_DataBaseManager##K##GetSet_##F(u, v, dir, false);         \
  }
#define KLX_XML_ACCESS_F2(K, S, F)                                            \
  [[maybe_unused]] int Access_##K##_##S(DB* d, int u, int s, int v, int dir) { \
    return d->KLX_DataBaseManager##K##GetSet_##F(u, s, v, dir, false);        \
  }
#define KLX_XML_ACCESS_FU(K, S, F)                                                         \
  [[maybe_unused]] int Access_##K##_##S(DB* d, int u, int, int v, int dir) {                \
    return d->KLX_DataBaseManager##K##GetSet_##F(u, static_cast<unsigned>(v), dir, false); \
  }
#define KLX_XML_ACCESS_FUI(K, S, F) KLX_XML_ACCESS_FU(K, S, F)
#define KLX_XML_ACCESS_FH(K, S, F)
#define KLX_XML_HI(K, S, hi) [[maybe_unused]] constexpr long long Hi_##K##_##S = hi;
#define KLX_XML_ROW(K, S, F, FS, hi) KLX_XML_ACCESS_##FS(K, S, F) KLX_XML_HI(K, S, hi)

#define KLX_XML_FUNCTION_ROW(S, F, SS, FS, sub, sub2, cid, mid, LOC, conv, lo, hi, err) \
  KLX_XML_ROW(Function, S, F, FS, hi)
#define KLX_XML_FLIGHTMODE_ROW(S, F, SS, FS, sub, sub2, cid, mid, LOC, conv, lo, hi, err) \
  KLX_XML_ROW(Flightmode, S, F, FS, hi)
#define KLX_XML_SERVOCONFIG_ROW(S, F, SS, FS, sub, sub2, cid, mid, LOC, conv, lo, hi, err) \
  KLX_XML_ROW(ServoConfig, S, F, FS, hi)
#define KLX_XML_SERVOPOINT_ROW(W, H, FW, FH, shape, ...) \
  KLX_XML_ACCESS_F##shape(ServoConfig, W, FW) KLX_XML_ACCESS_F##shape(ServoConfig, H, FH)
#define KLX_XML_CURVE_ROW(S, F, SS, FS, sub, sub2, cid, mid, LOC, conv, lo, hi, err) KLX_XML_ROW(Curve, S, F, FS, hi)
#define KLX_XML_MIXER_ROW(S, F, SS, FS, sub, sub2, cid, mid, LOC, conv, lo, hi, err) KLX_XML_ROW(Mixer, S, F, FS, hi)
#define KLX_XML_LIMITER_ROW(S, F, SS, FS, sub, sub2, cid, mid, LOC, conv, lo, hi, err) \
  KLX_XML_ROW(Limiter, S, F, FS, hi)
#define KLX_XML_SWITCH_ROW(S, F, SS, FS, sub, sub2, cid, mid, LOC, conv, lo, hi, err) \
  KLX_XML_ROW(Switch, S, F, FS, hi)
KLX_FUNCTION_FIELDS(KLX_XML_FUNCTION_ROW)
KLX_FLIGHTMODE_FIELDS(KLX_XML_FLIGHTMODE_ROW)
KLX_SERVOCONFIG_FIELDS(KLX_XML_SERVOCONFIG_ROW)
KLX_SERVOCONFIG_POINTS(KLX_XML_SERVOPOINT_ROW)
KLX_CURVE_FIELDS(KLX_XML_CURVE_ROW)
KLX_MIXER_FIELDS(KLX_XML_MIXER_ROW)
KLX_LIMITER_FIELDS(KLX_XML_LIMITER_ROW)
KLX_SWITCH_FIELDS(KLX_XML_SWITCH_ROW)

// By hand: the rows with hand-written facade accessors, and the values kept
// outside the element stores.
int Access_Curve_IsUsed(DB* d, int u, int, int v, int dir) {
  return d->KLX_DataBaseManagerCurveGetSet_IsUsed(u, v, dir, false);
}
int Access_Curve_IsSmoothed(DB* d, int u, int, int v, int dir) {
  return d->KLX_DataBaseManagerCurveGetSet_IsSmoothed(u, v, dir, false);
}
int Access_Trim_Trim_StepsPerDelta(DB* d, int t, int, int v, int dir) {
  return d->KLX_DataBaseManagerTrimGetSetTrimStepsPerDelta(t, v, dir, false);
}
int Access_Trim_Trim_RotaryFlags(DB* d, int t, int, int v, int dir) {
  return d->KLX_DataBaseManagerTrimGetSetTrimRotaryFlags(t, v, dir, false);
}
int Access_Trim_Trim_SingleMask(DB* d, int t, int, int v, int dir) {
  return d->KLX_DataBaseManagerTrimGetSet_SingleMask(t, static_cast<unsigned>(v), dir);
}
int Access_Trim_Trim_RotaryValue(DB* d, int t, int fm, int v, int dir) {
  return d->KLX_DataBaseManagerTrimGetSetTrimValue(t, fm, v, dir, false);
}
int Access_FmAssign_Control(DB* d, int, int slot, int v, int dir) {
  return d->KLX_DataBaseManagerFlightmodeAssignGetSet_Control(slot, v, dir, false);
}
int Access_FmAssign_FlightModeLUT(DB* d, int, int entry, int v, int dir) {
  return d->KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(entry, v, dir, false);
}
int Access_Model_Runtime(DB* d, int, int, int v, int dir) {
  return d->KLX_DataBaseManagerRuntimeGetSet_Runtime(v, dir, false);
}
int Access_Model_SilentMode(DB* d, int, int, int v, int dir) {
  return d->KLX_DataBaseManagerGetSetModelSilentMode(v, dir);
}
int Access_SpecialSwitch_Value(DB* d, int, int s, int v, int dir) {
  return d->KLX_DataBaseManagerSpecialSwitchGetSet_Value(s, v, dir, false);
}

// ---- The file rows -------------------------------------------------------------------
// A section's values from its file rows: the field (element name, check,
// conversion, report, accessor of its row) and the value each starts with.
#define KLX_XML_UNSIGNED_Signed false
#define KLX_XML_UNSIGNED_Unsigned true
#define KLX_XML_MAX_UpToMax(K, row) static_cast<int>(Hi_##K##_##row)
#define KLX_XML_MAX_Uint8(K, row) 0
#define KLX_XML_MAX_Sint8(K, row) 0
#define KLX_XML_MAX_Uint16(K, row) 0
#define KLX_XML_MAX_Sint16(K, row) 0
#define KLX_XML_MAX_Boolean(K, row) 0
#define KLX_XML_MAX_TControl(K, row) 0
#define KLX_XML_MAX_TIndex(K, row) 0
#define KLX_XML_MAX_Any(K, row) 0
#define KLX_XML_FIELD(K, element, row, conv, check, start, code, text)                                    \
  {QLatin1String(element), C::check, KLX_XML_UNSIGNED_##conv, KLX_XML_MAX_##check(K, row), code, text, \
   Access_##K##_##row},
#define KLX_XML_FIELD_Function(...) KLX_XML_FIELD(Function, __VA_ARGS__)
#define KLX_XML_FIELD_Flightmode(...) KLX_XML_FIELD(Flightmode, __VA_ARGS__)
#define KLX_XML_FIELD_ServoConfig(...) KLX_XML_FIELD(ServoConfig, __VA_ARGS__)
#define KLX_XML_FIELD_Curve(...) KLX_XML_FIELD(Curve, __VA_ARGS__)
#define KLX_XML_FIELD_Trim(...) KLX_XML_FIELD(Trim, __VA_ARGS__)
#define KLX_XML_FIELD_FmAssign(...) KLX_XML_FIELD(FmAssign, __VA_ARGS__)
#define KLX_XML_FIELD_Mixer(...) KLX_XML_FIELD(Mixer, __VA_ARGS__)
#define KLX_XML_FIELD_Limiter(...) KLX_XML_FIELD(Limiter, __VA_ARGS__)
#define KLX_XML_FIELD_Switch(...) KLX_XML_FIELD(Switch, __VA_ARGS__)
#define KLX_XML_FIELD_Model(...) KLX_XML_FIELD(Model, __VA_ARGS__)
#define KLX_XML_FIELD_SpecialSwitch(...) KLX_XML_FIELD(SpecialSwitch, __VA_ARGS__)
// The receiver section stores its values itself.
#define KLX_XML_FIELD_Receiver(element, row, conv, check, start, code, text) \
  {QLatin1String(element), C::check, KLX_XML_UNSIGNED_##conv, 0, code, text, nullptr},
#define KLX_XML_START(element, row, conv, check, start, code, text) start,

// Either every value of a section starts as given or none does.
template <int N>
constexpr bool AllOrNoneGiven(const int (&start)[N]) {
  for (int i = 1; i < N; ++i)
    if ((start[i] == KLX_FILE_GIVEN) != (start[0] == KLX_FILE_GIVEN)) return false;
  return true;
}
#define KLX_XML_ROWS(name, K, LIST)                             \
  const KLX_XMLField name##Fields[] = {LIST(KLX_XML_FIELD_##K)}; \
  constexpr int name##Start[] = {LIST(KLX_XML_START)};          \
  static_assert(AllOrNoneGiven(name##Start), "a section's values all start given or none does");

// A group's values: their fields, and the values they start with (none
// when they keep what the model reset left unless the file gives one).
template <int N>
void SetFields(KLX_XMLGroup* g, const KLX_XMLField (&fields)[N], const int (&start)[N]) {
  g->fields = fields;
  g->fieldCount = N;
  g->start = start[0] == KLX_FILE_GIVEN ? nullptr : start;
}

KLX_XMLGroup Group(const char* element, const char* prefix, unsigned skipCode, const char* skipText) {
  KLX_XMLGroup g{};
  g.element = QLatin1String(element);
  g.prefix = QLatin1String(prefix);
  g.indexMax = -1;
  g.skipCode = skipCode;
  g.skipText = skipText;
  g.usedField = -1;
  return g;
}

void SetIndex(KLX_XMLGroup* g, bool isSigned, int max, unsigned code, const char* text) {
  g->indexSigned = isSigned;
  g->indexMax = max;
  g->indexCode = code;
  g->indexText = text;
}

// A part of a record: "Index" converted signed or unsigned up to max, and
// the report at its end tag when that index is missing or negative.
KLX_XMLGroup Part(const char* element, const char* prefix, bool isSigned, int max, unsigned code,
                  const char* text, unsigned endCode, const char* endText, unsigned skipCode,
                  const char* skipText) {
  KLX_XMLGroup g = Group(element, prefix, skipCode, skipText);
  SetIndex(&g, isSigned, max, code, text);
  g.endCode = endCode;
  g.endText = endText;
  return g;
}

bool Always(DB*, int, int) { return true; }
bool CopyAlways(DB*, int, const int*) { return true; }

// ---- Run time and silent mode ----------------------------------------------------

KLX_XML_ROWS(kRuntime, Model, KLX_RUNTIME_FILE)
KLX_XML_ROWS(kSilentMode, Model, KLX_SILENTMODE_FILE)

// ---- Functions ---------------------------------------------------------------------

KLX_XML_ROWS(kFunction, Function, KLX_FUNCTION_FILE)
KLX_XML_ROWS(kFunctionSetup, Function, KLX_FUNCTION_SETUP_FILE)
KLX_XML_ROWS(kServoAssignment, Function, KLX_FUNCTION_SERVO_FILE)

bool IsCurve(DB* d, int curve) { return curve >= 0 && curve < d->KLX_DataBaseManagerGetMaxCurves(); }
bool IsServo(DB* d, int servo) { return servo >= 0 && servo < d->KLX_DataBaseManagerGetMaxServos(); }
bool IsFunction(DB* d, int function) { return function >= 0 && function < d->KLX_DataBaseManagerGetMaxFunctions(); }
bool IsFlightMode(DB* d, int fm) { return fm >= 0 && fm < d->KLX_DataBaseManagerGetMaxFlightmodes(); }

const KLX_XMLGroup kFunctionSetup = [] {
  KLX_XMLGroup g = Part("SETUP", "function SETUP", true, 26, 0x21526, "function SETUP Index error", 0x51526,
                        "function setupindex error", 0x51525, "function setup skip error");
  SetFields(&g, kFunctionSetupFields, kFunctionSetupStart);
  g.writeIf = [](DB* d, int f, int fm) {
    return IsFlightMode(d, fm) && IsCurve(d, Access_Function_Setup_CurveIdx(d, f, fm, 0, AtomicDirGet));
  };
  g.copyIf = [](DB* d, int, const int* v) { return IsCurve(d, v[KLX_FunctionSetupFile::Setup_CurveIdx]); };
  // Without negative expo values a setting takes the positive ones.
  g.complete = [](int* v, unsigned given) {
    constexpr int kHi = KLX_FunctionSetupFile::Setup_FlexExpoHi;
    constexpr int kNegHi = KLX_FunctionSetupFile::Setup_FlexExpoNegHi;
    for (int k = 0; k < 3; ++k)
      if (!(given & (1u << (kNegHi + k)))) v[kNegHi + k] = v[kHi + k];
  };
  return g;
}();

const KLX_XMLGroup kServoAssignment = [] {
  KLX_XMLGroup g = Part("SERVOASSIGENMENT", "function SERVOASSIGENMENT", false, 9, 0x21534,
                        "function SERVOASSIGENMENT Index error", 0x51534, "function servoassigenment index error",
                        0x51525, "function skip error");
  SetFields(&g, kServoAssignmentFields, kServoAssignmentStart);
  g.writeIf = [](DB* d, int f, int slot) {
    return IsServo(d, Access_Function_ServoAssignment_ServoIdx(d, f, slot, 0, AtomicDirGet));
  };
  g.copyIf = [](DB* d, int, const int* v) { return IsServo(d, v[0]); };
  return g;
}();

const KLX_XMLGroup* const kFunctionParts[] = {&kFunctionSetup, &kServoAssignment, nullptr};

// ---- Servo configurations ------------------------------------------------------------

KLX_XML_ROWS(kServo, ServoConfig, KLX_SERVOCONFIG_FILE)
KLX_XML_ROWS(kServoMixer, ServoConfig, KLX_SERVOCONFIG_MIXER_FILE)

const KLX_XMLGroup kServoMixer = [] {
  KLX_XMLGroup g = Part("SERVOMIXER", "servoconfig SERVOMIXER", true, 7, 0x21583,
                        "servoconfig SERVOMIXER Index error", 0x51583, "servoconfig mixerindex error", 0x51576,
                        "servoconfig skip error");
  SetFields(&g, kServoMixerFields, kServoMixerStart);
  g.writeIf = [](DB* d, int s, int slot) {
    return IsFunction(d, Access_ServoConfig_ServoMixer_FuncTravelFunctionIndex(d, s, slot, 0, AtomicDirGet));
  };
  g.copyIf = [](DB* d, int, const int* v) {
    return IsFunction(d, v[KLX_ServoMixerFile::ServoMixer_FuncTravelFunctionIndex]);
  };
  return g;
}();

const KLX_XMLGroup* const kServoParts[] = {&kServoMixer, nullptr};

// ---- Mixers ------------------------------------------------------------------------------

KLX_XML_ROWS(kMixer, Mixer, KLX_MIXER_FILE)
KLX_XML_ROWS(kMixerSetup, Mixer, KLX_MIXER_SETUP_FILE)

const KLX_XMLGroup kMixerSetup = [] {
  KLX_XMLGroup g = Part("SETUP", "mixer SETUP", false, 26, 0x51558, "mixer SETUP Index error", 0x51558,
                        "mixer mixersetupindex error", 0x51557, "mixer skip error");
  SetFields(&g, kMixerSetupFields, kMixerSetupStart);
  g.writeIf = [](DB* d, int m, int fm) {
    return IsFlightMode(d, fm) && IsCurve(d, Access_Mixer_Setup_CurveIdx(d, m, fm, 0, AtomicDirGet));
  };
  g.copyIf = [](DB* d, int, const int* v) { return IsCurve(d, v[KLX_MixerSetupFile::Setup_CurveIdx]); };
  return g;
}();

const KLX_XMLGroup* const kMixerParts[] = {&kMixerSetup, nullptr};

// ---- Limiters ----------------------------------------------------------------------------

KLX_XML_ROWS(kLimiter, Limiter, KLX_LIMITER_FILE)
KLX_XML_ROWS(kAboveBelow, Limiter, KLX_LIMITER_POINTS_FILE)

const KLX_XMLGroup kAboveBelow = [] {
  KLX_XMLGroup g = Part("ABOVEBELOW", "limiter ABOVEBELOW", false, 26, 0x5154A, "limiter ABOVEBELOW Index error",
                        0x5154A, "limiter abovebelowindex error", 0x51549, "limiter skip error");
  SetFields(&g, kAboveBelowFields, kAboveBelowStart);
  g.writeIf = [](DB* d, int, int fm) { return IsFlightMode(d, fm); };
  g.copyIf = [](DB* d, int fm, const int*) { return IsFlightMode(d, fm); };
  return g;
}();

const KLX_XMLGroup* const kLimiterParts[] = {&kAboveBelow, nullptr};

// ---- Flight modes ------------------------------------------------------------------------

KLX_XML_ROWS(kFlightMode, Flightmode, KLX_FLIGHTMODE_FILE)
KLX_XML_ROWS(kNoFadeIn, Flightmode, KLX_FLIGHTMODE_NOFADE_FILE)

const KLX_XMLGroup kNoFadeIn = [] {
  KLX_XMLGroup g = Part("NOFADEINFUNCTIONS", "flightmode NOFADEINFUNCTIONS", false, 47, 0x5151E,
                        "flightmode NOFADEINFUNCTIONS Index error", 0x5151E, "flightmode nofasefunctions error",
                        0x5151C, "flightmode skip error");
  SetFields(&g, kNoFadeInFields, kNoFadeInStart);
  g.writeIf = [](DB* d, int fm, int slot) {
    return IsFunction(d, slot) && IsFunction(d, Access_Flightmode_NoFadeInFuncIdxs(d, fm, slot, 0, AtomicDirGet));
  };
  // The entry is kept in 16 bits: -1 stands for 65535, no function.
  g.copyIf = [](DB* d, int slot, const int* v) { return IsFunction(d, slot) && IsFunction(d, v[0] & 0xFFFF); };
  return g;
}();

const KLX_XMLGroup* const kFlightModeParts[] = {&kNoFadeIn, nullptr};

// ---- Curves ------------------------------------------------------------------------------

KLX_XML_ROWS(kCurve, Curve, KLX_CURVE_FILE)
KLX_XML_ROWS(kPoint, Curve, KLX_CURVE_POINT_FILE)

const KLX_XMLGroup kPoint = [] {
  KLX_XMLGroup g = Part("POINT", "curve POINT", false, 32, 0x21514, "curve POINT Index error", 0x51514,
                        "curve curveindex error", 0x5151A, "curve skip error");
  SetFields(&g, kPointFields, kPointStart);
  g.writeIf = Always;
  g.copyIf = CopyAlways;
  return g;
}();

const KLX_XMLGroup* const kCurveParts[] = {&kPoint, nullptr};

// ---- Virtual switches ----------------------------------------------------------------------

KLX_XML_ROWS(kSwitch, Switch, KLX_SWITCH_FILE)
KLX_XML_ROWS(kSwitchData, Switch, KLX_SWITCH_INPUT_FILE)

const KLX_XMLGroup kSwitchData = [] {
  KLX_XMLGroup g = Part("SWITCHDATA", "virtualswitch SWITCHDATA", false, 1, 0x515BE,
                        "virtualswitch SWITCHDATA Index error", 0x515BE, "switch switch index error", 0x515C1,
                        "virtualswitch SWITCHDATA skip error");
  SetFields(&g, kSwitchDataFields, kSwitchDataStart);
  g.writeIf = Always;
  g.copyIf = CopyAlways;
  return g;
}();

const KLX_XMLGroup* const kSwitchParts[] = {&kSwitchData, nullptr};

// ---- Special switches ----------------------------------------------------------------------

KLX_XML_ROWS(kControls, SpecialSwitch, KLX_SPECIALSWITCH_FILE)

const KLX_XMLGroup kControls = [] {
  KLX_XMLGroup g = Part("CONTROLS", "special switch CONTROLS", false, 3, 0x215F3, "special switch Index error",
                        0x515F3, "switch controlindex error", 0x515F5, "special switch skip error");
  SetFields(&g, kControlsFields, kControlsStart);
  g.writeIf = [](DB*, int, int s) { return s < KLX_SpecialSwitch::kCount; };
  g.copyIf = CopyAlways;
  return g;
}();

const KLX_XMLGroup* const kSpecialSwitchParts[] = {&kControls, nullptr};

// ---- Flight-mode assignment ----------------------------------------------------------------

KLX_XML_ROWS(kAssignControl, FmAssign, KLX_FMASSIGN_CONTROL_FILE)
KLX_XML_ROWS(kAssignTable, FmAssign, KLX_FMASSIGN_TABLE_FILE)

const KLX_XMLGroup kAssignControls = [] {
  KLX_XMLGroup g = Part("CONTROLS", "flightmode assign CONTROLS", false, 7, 0x515C6,
                        "flightmode assign CONTROLS Index error", 0x515C6, "switch controlindex error", 0x515C9,
                        "flightmode assign skip error");
  SetFields(&g, kAssignControlFields, kAssignControlStart);
  g.writeIf = [](DB* d, int, int slot) { return slot < d->KLX_DataBaseManagerGetMaxFMControls(); };
  g.copyIf = CopyAlways;
  return g;
}();

const KLX_XMLGroup kAssignTable = [] {
  KLX_XMLGroup g = Part("FLIGHTMODES", "flightmode assign FLIGHTMODES", false, 26, 0x515C6,
                        "flightmode assign FLIGHTMODES Index error", 0x515C6, "switch FMModeLUT index error", 0x515C9,
                        "flightmode assign skip error");
  SetFields(&g, kAssignTableFields, kAssignTableStart);
  g.writeIf = [](DB* d, int, int entry) { return IsFlightMode(d, entry); };
  g.copyIf = CopyAlways;
  return g;
}();

const KLX_XMLGroup* const kFlightModeAssignParts[] = {&kAssignControls, &kAssignTable, nullptr};

// ---- Trims ---------------------------------------------------------------------------------

KLX_XML_ROWS(kTrim, Trim, KLX_TRIM_FILE)
KLX_XML_ROWS(kTrimValue, Trim, KLX_TRIM_VALUE_FILE)

const KLX_XMLGroup kTrimValue = [] {
  KLX_XMLGroup g = Part("TRIMVALUE", "trim TRIMVALUE", true, 26, 0x215EA, "trim TRIMVALUE Index error", 0x515E6,
                        "trim index error", 0x515EB, "trim skip error");
  SetFields(&g, kTrimValueFields, kTrimValueStart);
  // The value goes to the flight mode named before it.
  g.valuesNeedIndex = true;
  g.writeIf = [](DB* d, int, int fm) { return IsFlightMode(d, fm); };
  // The trim store keeps every flight mode's value on either board.
  g.copyIf = CopyAlways;
  return g;
}();

const KLX_XMLGroup* const kTrimParts[] = {&kTrimValue, nullptr};

// ---- Receivers -----------------------------------------------------------------------------

KLX_XML_ROWS(kReceiver, Receiver, KLX_RECEIVER_FILE)

// A field of a staged record: as the file gives it, else as the store holds it.
unsigned StagedOrStored(DB* d, const KLX_XMLStaged& st, const KLX_XMLField* fields, int field) {
  if (st.given & (1u << field)) return static_cast<unsigned>(st.values[field]);
  return static_cast<unsigned>(fields[field].access(d, st.index, 0, 0, AtomicDirGet));
}

// A flight-mode mask the file leaves out becomes flight modes 1 to 12 where
// `applies`.
void DefaultMask(DB* d, const KLX_XMLStaged& st, const KLX_XMLField* fields, int field, bool applies) {
  constexpr int kModes1To12 = 0x1FFE;
  if (!(st.given & (1u << field)) && applies) fields[field].access(d, st.index, 0, kModes1To12, AtomicDirSet);
}

// A record's "Index", "Name" and in-use field (the first of its fields).
KLX_XMLGroup Record(const char* element, const char* prefix, int indexMax, unsigned indexCode,
                    const char* indexText, unsigned skipCode, const char* skipText, int (*count)(DB*)) {
  KLX_XMLGroup g = Group(element, prefix, skipCode, skipText);
  SetIndex(&g, false, indexMax, indexCode, indexText);
  g.count = count;
  g.usedField = 0;
  return g;
}
}  // namespace

namespace KLX_XMLSections {

const KLX_XMLGroup kRuntime = [] {
  KLX_XMLGroup g = Group("RUNTIME", "runtime", 0x515EF, "runtime skip error");
  SetFields(&g, kRuntimeFields, kRuntimeStart);
  return g;
}();

const KLX_XMLGroup kSilentMode = [] {
  KLX_XMLGroup g = Group("SILENT_MODE", "SilentMode", 0x515EF, "SilentMode skip error");
  SetFields(&g, kSilentModeFields, kSilentModeStart);
  return g;
}();

const KLX_XMLGroup kFunction = [] {
  KLX_XMLGroup g = Record("FUNCTION", "function", 47, 0x21536, "function Index error", 0x51525, "function skip error",
                          [](DB* d) { return d->KLX_DataBaseManagerGetMaxFunctions(); });
  SetFields(&g, kFunctionFields, kFunctionStart);
  g.name = KLX_XML_NAME(FunctionGetSet_Name);
  g.parts = kFunctionParts;
  // Masks the file does not give follow the flag word: a function that is
  // not global gets flight modes 1 to 12, and so does the differential mask
  // of one with its own differential per flight mode.
  g.afterCopy = [](DB* d, const KLX_XMLStaged& st) {
    const unsigned flags = StagedOrStored(d, st, kFunctionFields, KLX_FunctionFile::FunctionFlags);
    DefaultMask(d, st, kFunctionFields, KLX_FunctionFile::FunctionSingleMask, !(flags & 1u));
    DefaultMask(d, st, kFunctionFields, KLX_FunctionFile::FunctionDiffSingleMask, (flags & 8u) != 0);
  };
  return g;
}();

const KLX_XMLGroup kServoConfig = [] {
  KLX_XMLGroup g = Record("SERVOCONFIG", "servoconfig", 25, 0x51577, "servoconfig Index error", 0x51576,
                          "servoconfig skip error", [](DB* d) { return d->KLX_DataBaseManagerGetMaxServos(); });
  SetFields(&g, kServoFields, kServoStart);
  g.name = KLX_XML_NAME(ServoConfigGetSet_Name);
  g.parts = kServoParts;
  return g;
}();

const KLX_XMLGroup kMixer = [] {
  KLX_XMLGroup g = Record("MIXER", "mixer", 47, 0x51560, "mixer Index error", 0x51557, "mixer skip error",
                          [](DB* d) { return d->KLX_DataBaseManagerGetMaxMixer(); });
  SetFields(&g, kMixerFields, kMixerStart);
  g.name = KLX_XML_NAME(MixerGetSet_Name);
  g.parts = kMixerParts;
  // A mixer that is not global and whose file gives no mask acts in flight
  // modes 1 to 12.
  g.afterCopy = [](DB* d, const KLX_XMLStaged& st) {
    const unsigned flags = StagedOrStored(d, st, kMixerFields, KLX_MixerFile::MixerFlags);
    DefaultMask(d, st, kMixerFields, KLX_MixerFile::MixerSingleMask, !(flags & 1u));
  };
  return g;
}();

const KLX_XMLGroup kLimiter = [] {
  KLX_XMLGroup g = Record("LIMITER", "limiter", 47, 0x51550, "limiter Index error", 0x51549, "limiter skip error",
                          [](DB* d) { return d->KLX_DataBaseManagerGetMaxLimiter(); });
  SetFields(&g, kLimiterFields, kLimiterStart);
  g.name = KLX_XML_NAME(LimiterGetSet_Name);
  g.parts = kLimiterParts;
  return g;
}();

const KLX_XMLGroup kFlightMode = [] {
  KLX_XMLGroup g = Record("FLIGHTMODE", "flightmode", 26, 0x51520, "flightmode Index error", 0x5151C,
                          "flightmode skip error", [](DB* d) { return d->KLX_DataBaseManagerGetMaxFlightmodes(); });
  SetFields(&g, kFlightModeFields, kFlightModeStart);
  g.name = KLX_XML_NAME(FlightmodeGetSet_Name);
  g.parts = kFlightModeParts;
  // The flight-mode store holds all of them on either board, and so many are copied.
  g.copyCount = [](DB*) { return int(KL_MAX_FLIGHTMODES); };
  return g;
}();

const KLX_XMLGroup kCurve = [] {
  KLX_XMLGroup g = Record("CURVE", "curve", 254, 0x21516, "curve Index error", 0x5151A, "curve skip error",
                          [](DB* d) { return d->KLX_DataBaseManagerGetMaxCurves(); });
  SetFields(&g, kCurveFields, kCurveStart);
  g.parts = kCurveParts;
  // A curve not in use can drive no servo: the servo-mixer slots that name
  // it fall back to their plain source.
  g.afterCopy = [](DB* d, const KLX_XMLStaged& st) {
    if (st.values[KLX_CurveFile::IsUsed] != 0) return;
    constexpr int kPlainSource = 2;
    for (int s = 0; s < d->KLX_DataBaseManagerGetMaxServos(); ++s)
      for (int k = 0; k < d->KLX_DataBaseManagerGetMaxServoConfigServoMixer(); ++k)
        if (Access_ServoConfig_ServoMixer_ServoCurveIndex(d, s, k, 0, AtomicDirGet) == st.index)
          Access_ServoConfig_ServoMixer_SourceType(d, s, k, kPlainSource, AtomicDirSet);
  };
  return g;
}();

const KLX_XMLGroup kSwitch = [] {
  KLX_XMLGroup g = Record("VIRTSWITCH", "switch", 127, 0x215C4, "switch Index error", 0x515C1, "switch skip error",
                          [](DB* d) { return d->KLX_DataBaseManagerGetMaxVirualSwitches(); });
  SetFields(&g, kSwitchFields, kSwitchStart);
  g.name = KLX_XML_NAME(SwitchGetSet_Name);
  g.parts = kSwitchParts;
  return g;
}();

const KLX_XMLGroup kSpecialSwitch = [] {
  KLX_XMLGroup g = Group("SWITCHCONFIGURATION", "special switch", 0x515F5, "special switch skip error");
  g.parts = kSpecialSwitchParts;
  return g;
}();

// Read and written by the table; copied by a transfer of its own, which
// first converts a file of the other board.
const KLX_XMLGroup kFlightModeAssign = [] {
  KLX_XMLGroup g = Group("FLIGHTMODEASSIGN", "flightmode assign", 0x515C9, "flightmode assign skip error");
  g.parts = kFlightModeAssignParts;
  return g;
}();

const KLX_XMLGroup kTrim = [] {
  KLX_XMLGroup g = Record("TRIM", "trim", 5, 0x215E6, "trim Index error", 0x515EB, "trim skip error",
                          [](DB* d) { return d->KLX_DataBaseManagerGetMaxTrim(); });
  SetFields(&g, kTrimFields, kTrimStart);
  g.parts = kTrimParts;
  // All six are written, used by a function or not.
  g.usedField = -1;
  // A trim with flight modes of its own (flag bit 0) whose file gives no
  // mask has its own value in the flight modes 1 to 12 in use.
  g.afterCopy = [](DB* d, const KLX_XMLStaged& st) {
    if ((st.given & (1u << KLX_TrimFile::Trim_SingleMask)) || !(st.values[KLX_TrimFile::Trim_RotaryFlags] & 1)) return;
    unsigned mask = 0;
    for (int fm = 1; fm <= 12; ++fm)
      if (Access_Flightmode_IsUsed(d, fm, 0, 0, AtomicDirGet) > 0) mask |= 1u << fm;
    Access_Trim_Trim_SingleMask(d, st.index, 0, static_cast<int>(mask), AtomicDirSet);
  };
  return g;
}();

const KLX_XMLGroup kReceiver = [] {
  // Read by the table; written and copied by the receiver sections themselves.
  KLX_XMLGroup g = Record("RECEIVER", "receiver", 3, 0x5156D, "receiver Index error", 0x5156C, "receiver skip error",
                          nullptr);
  SetFields(&g, kReceiverFields, kReceiverStart);
  return g;
}();

}  // namespace KLX_XMLSections
