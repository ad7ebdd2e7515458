// The flight-mode assignment and the trims of a file written on the other
// board.
//
// The larger board has 8 switch slots and a table of 27 entries naming 27
// flight modes; the smaller one 7 slots and 9 entries naming 9. The smaller
// board's entries 0 to 8 are the larger board's entries 0, 2, 4, 6, 8, 9,
// 10, 11 and 12: a file of the larger board read on the smaller one keeps
// those (entries 9 to 12 become 0), a file of the smaller board read on the
// larger one spreads them back (entries 1, 3, 5 and 7 become 0). The number
// of "Control" elements in the file tells which board wrote it.
//
// On the smaller board a kept entry that names a flight mode from 9 to 26
// gets the smallest number from 0 to 8 that no kept entry names, the same
// old number always the same new one. The flight mode moves there with its
// name, and so do the settings of that flight mode in the used functions
// and mixers (whose sections come before this one in the file) and their
// bits in the functions' and mixers' flight-mode masks, without which the
// moved settings would never be used; the old flight mode's settings are
// reset and flight modes 9 to 26 cleared. The moves are kept for the trim
// section, which comes after this one and moves each trim's values and
// mask bit the same way. Each move is kept once, however many entries named
// the flight mode: applied twice, the second would take the already emptied
// old value and overwrite the moved one with 0.
//
// An entry of 27 or more names no flight mode (the engine takes flight mode
// 0 for it) and is left as it is.
#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"
#include "modelfile/klx_xmlmodel.h"
#include "modelfile/klx_xmlsectionio.h"
#include "modelfile/klx_xmlsections.h"

namespace {
using DB = KLX_DataBaseManager;

constexpr int kLargerSlots = 8;
constexpr int kSmallerSlots = 7;
constexpr int kSmallerModes = 9;
constexpr int kEntries = KL_FM_LUT_ENTRIES;
// The larger board's entries behind the smaller board's entries 0 to 8.
constexpr int kKept[kSmallerModes] = {0, 2, 4, 6, 8, 9, 10, 11, 12};
constexpr int kControlsPart = 0;
constexpr int kTablePart = 1;
constexpr int kNoControl = CONTROLID_Invalid_GUI;

bool RunsOn(bool smaller) {
  if (!Board::IsInitialized()) return false;
  return smaller ? Board::m_Instance->IsFenk() : Board::m_Instance->IsVorn();
}

// The larger board's table as the smaller board keeps it; the flight modes
// renumbered on the way.
QVector<KLX_XMLFlightModeMove> ToSmaller(int (&table)[kEntries]) {
  int kept[kSmallerModes];
  for (int k = 0; k < kSmallerModes; ++k) kept[k] = table[kKept[k]];
  for (int k = 0; k < kSmallerModes; ++k) table[k] = kept[k];
  for (int k = kSmallerModes; k <= kKept[kSmallerModes - 1]; ++k) table[k] = 0;

  QVector<KLX_XMLFlightModeMove> moves;
  const auto held = [&](int n) {
    for (int k = 0; k < kSmallerModes; ++k)
      if (table[k] == n) return true;
    return false;
  };
  for (int p = 0; p < kSmallerModes; ++p) {
    const int old = table[p];
    if (old < kSmallerModes || old >= KL_MAX_FLIGHTMODES) continue;
    // Nine entries, this one naming a flight mode above 8: a number is free.
    int n = 0;
    while (held(n)) ++n;
    for (int q = p; q < kSmallerModes; ++q)
      if (table[q] == old) table[q] = n;
    moves.append({old, n});
  }
  return moves;
}

// The smaller board's table as the larger board reads it.
void ToLarger(int (&table)[kEntries]) {
  int former[kSmallerModes];
  for (int k = 0; k < kSmallerModes; ++k) former[k] = table[k];
  for (int k = 0; k < kSmallerModes; ++k) table[kKept[k]] = former[k];
  for (int k : {1, 3, 5, 7}) table[k] = 0;
}

// A flight-mode mask with each moved flight mode's bit at its new place.
unsigned MoveBits(unsigned mask, const QVector<KLX_XMLFlightModeMove>& moves) {
  for (const KLX_XMLFlightModeMove& m : moves) {
    const unsigned bit = (mask >> m.from) & 1u;
    mask = (mask & ~(1u << m.from) & ~(1u << m.to)) | (bit << m.to);
  }
  return mask;
}

// Moves flight modes, their settings and mask bits; only the board's
// functions and mixers are looked at.
void MoveFlightModes(DB* db, const QVector<KLX_XMLFlightModeMove>& moves) {
  const int G = AtomicDirGet;
  const int S = AtomicDirSet;
  const int functions = db->KLX_DataBaseManagerGetMaxFunctions();
  const int mixers = db->KLX_DataBaseManagerGetMaxMixer();
  for (int f = 0; f < functions; ++f) {
    if (db->KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, G) != 1) continue;
    const unsigned mask = db->KLX_DataBaseManagerFunctionGetSet_FunctionSingleMask(f, 0u, G, false);
    db->KLX_DataBaseManagerFunctionGetSet_FunctionSingleMask(f, MoveBits(mask, moves), S, false);
    const unsigned diff = db->KLX_DataBaseManagerFunctionGetSet_FunctionDiffSingleMask(f, 0u, G, false);
    db->KLX_DataBaseManagerFunctionGetSet_FunctionDiffSingleMask(f, MoveBits(diff, moves), S, false);
  }
  for (int x = 0; x < mixers; ++x) {
    if (db->KLX_DataBaseManagerMixerGetSet_IsUsed(x, 0, G) != 1) continue;
    const unsigned mask = db->KLX_DataBaseManagerMixerGetSet_SingleMask(x, 0u, G, false);
    db->KLX_DataBaseManagerMixerGetSet_SingleMask(x, MoveBits(mask, moves), S, false);
  }
  for (const KLX_XMLFlightModeMove& m : moves) {
    db->KLX_DataBaseManagerFlightmodeCopySingleUnitFromTo(m.from, m.to);
    for (int f = 0; f < functions; ++f)
      if (db->KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, AtomicDirGet) == 1)
        db->KLX_DataBaseManagerFunctionCopyFlightmode_Setup_FromTo(f, m.from, m.to);
    for (int x = 0; x < mixers; ++x)
      if (db->KLX_DataBaseManagerMixerGetSet_IsUsed(x, 0, AtomicDirGet) == 1)
        db->KLX_DataBaseManagerMixerCopyFlightmode_Setup_FromTo(x, m.from, m.to);
  }
  for (const KLX_XMLFlightModeMove& m : moves) {
    for (int f = 0; f < functions; ++f) db->KLX_DataBaseManagerFunctionClearFlightmode_Setup(f, m.from);
    for (int x = 0; x < mixers; ++x) db->KLX_DataBaseManagerMixerClearFlightmode_Setup(x, m.from);
  }
  for (int fm = kSmallerModes; fm < KL_MAX_FLIGHTMODES; ++fm) db->KLX_DataBaseManagerFlightmodeClear(fm);
}
}  // namespace

int KLX_XMLModel::KLX_XMLModelTransferFlightModeAssignToDB() {
  const KLX_XMLStaged& st = m_Data->record;
  const KLX_XMLGroup& controlsPart = *KLX_XMLSections::kFlightModeAssign.parts[kControlsPart];
  const KLX_XMLGroup& tablePart = *KLX_XMLSections::kFlightModeAssign.parts[kTablePart];
  int controls[kLargerSlots];
  int table[kEntries];
  for (int slot = 0; slot < kLargerSlots; ++slot) {
    const KLX_XMLStaged::Part& cell = st.parts[kControlsPart].at(slot);
    controls[slot] = cell.present ? cell.values[0] : kNoControl;
  }
  for (int entry = 0; entry < kEntries; ++entry) {
    const KLX_XMLStaged::Part& cell = st.parts[kTablePart].at(entry);
    table[entry] = cell.present ? cell.values[0] : 0;
  }

  const int given = st.accepted[kControlsPart];
  if (given == kLargerSlots && RunsOn(true)) {
    m_Data->flightModeMoves = ToSmaller(table);
    MoveFlightModes(m_Db, m_Data->flightModeMoves);
  } else if (given == kSmallerSlots && RunsOn(false)) {
    ToLarger(table);
  }

  for (int slot = 0; slot < m_Db->KLX_DataBaseManagerGetMaxFMControls(); ++slot)
    KLX_XMLIO::Copy(m_Db, controlsPart.prefix, controlsPart.fields[0], 0, slot, controls[slot]);
  for (int entry = 0; entry < m_Db->KLX_DataBaseManagerGetMaxFlightmodes(); ++entry)
    KLX_XMLIO::Copy(m_Db, tablePart.prefix, tablePart.fields[0], 0, entry, table[entry]);
  return KLX_Ok;
}

int KLX_XMLModel::KLX_XMLModelTransferTrimDataToDB() {
  TransferGroup(KLX_XMLSections::kTrim);
  const int trim = m_Data->record.index;
  if (trim < 0 || trim >= m_Db->KLX_DataBaseManagerGetMaxTrim()) return KLX_Ok;
  const QVector<KLX_XMLFlightModeMove>& moves = m_Data->flightModeMoves;
  if (moves.isEmpty()) return KLX_Ok;
  for (const KLX_XMLFlightModeMove& m : moves) {
    const int value = m_Db->KLX_DataBaseManagerTrimGetSetTrimValue(trim, m.from, 0, AtomicDirGet);
    m_Db->KLX_DataBaseManagerTrimGetSetTrimValue(trim, m.to, value, AtomicDirSet);
    m_Db->KLX_DataBaseManagerTrimGetSetTrimValue(trim, m.from, 0, AtomicDirSet);
  }
  // A mask the file gave names the old numbers; one built from the flight
  // modes in use already names the new ones.
  if (m_Data->record.given & (1u << KLX_TrimFile::Trim_SingleMask)) {
    const unsigned mask = m_Db->KLX_DataBaseManagerTrimGetSet_SingleMask(trim, 0u, AtomicDirGet);
    m_Db->KLX_DataBaseManagerTrimGetSet_SingleMask(trim, MoveBits(mask, moves), AtomicDirSet);
  }
  return KLX_Ok;
}
