#pragma once
// The mixer store: the mixers of the current model in the transceiver
// controller's layout, their names, and the answers other parts need about
// them. Single-field updates go out as message 65.
#include <QObject>
#include <QQueue>
#include <QString>

#include "model/engine/kl_engine.h"
#include "model/klx_fields.h"
#include "model/klx_recordstore.h"

class KLX_Protocol;
class KLX_Switch;

class KLX_Mixer : public QObject, public KLX_RecordArray<T_Mixer, KL_MAX_MIXERS> {
  Q_OBJECT
 public:
  static const KLX_Field kFields[KLX_MixerRow::Count];
  explicit KLX_Mixer(QObject* parent = nullptr);

  int KLX_MixerInitialize(KLX_Protocol* protocol, KLX_Switch* switches);
#define KLX_MIXER_STORE_DECL(S, F, SS, ...) KLX_STORE_DECL_##SS(KLX_Mixer, S)
  KLX_MIXER_FIELDS(KLX_MIXER_STORE_DECL)
#undef KLX_MIXER_STORE_DECL
  QString KLX_MixerGetSet_Name(int idx, QString name, int get, bool transmit);
  int KLX_MixerCheckForSameName(QString name) const { return CheckForSameName(name); }

  // Bit fm of the flight-mode mask; 0 for fm 32 and above, Indexes_Out_Of_Range for a bad index.
  int KLX_Mixer_IsFlightModeDependent(int idx, int fm);
  // Sets (value 1) or clears bit fm; flight mode 0 is the global set-up.
  int KLX_Mixer_SetFlightModeDependent(int idx, int fm, int value, bool transmit);

  int KLX_MixerGetNumber() const { return UsedCount(); }
  int KLX_MixerGetNextFreeIndex();
  T_Mixer* KLX_MixerGetPtrByIndex(int idx);
  int KLX_MixerDeleteSetup(int idx, int fm);
  int KLX_MixerCopySingleSetupUnit(int idx, int fromFm, int toFm);
  int KLX_MixerReplace_ControlAll(int oldControl, int newControl);
  // Appends the physical controls the used mixers take, directly or through
  // a virtual-switch chain; 1 when any was appended.
  int KLX_Mixer_GetAllUsedPhyMixerControls(QQueue<int>* list);

  void KLX_MixerSetToDefaultValues(T_Mixer* record);
  int KLX_MixerDelete(int idx);
  void KLX_MixerClearAll() { ResetAll(); }
  int KLX_MixerSet_MixerUnit(int idx, const T_Mixer* record) { return CopyRecordIn(idx, record); }
  int KLX_MixerCopySingleUnit(int idx, T_Mixer* out) const { return CopyRecordOut(idx, out); }
  int KLX_MixerCopyUnit(int idx, unsigned char* buffer) const;
  unsigned int KLX_MixerCalcCRC(unsigned int crc) const { return CalcCRC(crc); }

 private:
  KLX_Switch* m_Switch = nullptr;
};
