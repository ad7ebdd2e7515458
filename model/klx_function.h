#pragma once
// The function store: the function records of the current model in the
// transceiver controller's layout, their names and the order in which the
// screens list them. Single-field updates go out as message 64.
#include <QList>
#include <QObject>
#include <QString>

#include "model/engine/kl_engine_types.h"
#include "model/klx_fields.h"
#include "model/klx_recordstore.h"

class KLX_Protocol;
class KLX_Trim;

class KLX_Function : public QObject, public KLX_RecordArray<T_Function, KL_MAX_FUNCTIONS> {
  Q_OBJECT
 public:
  static const KLX_Field kFields[KLX_FunctionRow::Count];
  static constexpr int kMaxServoPerFunction = KL_SERVOS_PER_FUNCTION;

  explicit KLX_Function(QObject* parent = nullptr);

  int KLX_FunctionInitialize(KLX_Protocol* protocol, KLX_Trim* trim);

#define KLX_FUNCTION_STORE_DECL(S, F, SS, ...) KLX_STORE_DECL_##SS(KLX_Function, S)
  KLX_FUNCTION_FIELDS(KLX_FUNCTION_STORE_DECL)
#undef KLX_FUNCTION_STORE_DECL
  // The expo points of both sides: negative selects the negative side.
  int KLX_FunctionGetSet_Setup_FlexExpoHi(int index, int fm, bool negative, int value, int get, bool transmit);
  int KLX_FunctionGetSet_Setup_FlexExpoCenter(int index, int fm, bool negative, int value, int get,
                                              bool transmit);
  int KLX_FunctionGetSet_Setup_FlexExpoLo(int index, int fm, bool negative, int value, int get, bool transmit);
  QString KLX_FunctionGetSet_Name(int index, QString name, int get, bool transmit);

  // Bit fm of the set-up mask or the differential mask; Indexes_Out_Of_Range for a bad index.
  int KLX_Function_IsFlightModeDependent(int index, int fm);
  int KLX_Function_IsFlightModeDependent(int index);
  int KLX_Function_IsDiffFlightModeDependent(int index, int fm);
  int KLX_Function_IsDiffFlightModeDependent(int index);
  // Sets (value 1) or clears bit fm; flight mode 0 is the global set-up.
  int KLX_Function_SetFlightModeDependent(int index, int fm, int value, bool transmit);
  int KLX_Function_SetFlightModeDependent(int index, int value, bool transmit);
  int KLX_Function_SetDiffFlightModeDependent(int index, int fm, int value, bool transmit);
  int KLX_Function_SetDiffFlightModeDependent(int index, int value, bool transmit);

  int KLX_FunctionGetNextFreeIndex();
  int KLX_FunctionGetNumber() const { return UsedCount(); }
  int KLX_FunctionGetMaxServoPerFunction() const { return kMaxServoPerFunction; }
  int KLX_FunctionGetServoNumberForFunction(int index);
  T_Function* KLX_FunctionGetPtrByIndex(int index);
  int KLX_FunctionCheckForSameName(QString name) const { return CheckForSameName(name); }
  int KLX_FunctionReplace_ControlAll(int oldControl, int newControl);

  void KLX_FunctionSetToDefaultValues(T_Function* record);
  int KLX_FunctionDelete(int index);
  void KLX_FunctionClearAll();
  int KLX_FunctionDeleteSetup(int index, int fm);
  int KLX_FunctionCopySingleSetupUnit(int index, int fromFm, int toFm);

  int KLX_FunctionCopySingleUnit(int index, T_Function* out) const { return CopyRecordOut(index, out); }
  int KLX_FunctionSet_FunctionUnit(int index, const T_Function* record);
  int KLX_FunctionCopyUnit(int index, unsigned char* buffer) const;
  unsigned int KLX_FunctionCalcCRC(unsigned int crc) const { return CalcCRC(crc); }

  // A differential point moved by delta percent; the control value held
  // before the step, or KLX_Error.
  int KLX_FunctionIncDec_Setup_FlexDiffLo(unsigned char index, unsigned char fm, signed char delta);
  int KLX_FunctionIncDec_Setup_FlexDiffHi(unsigned char index, unsigned char fm, signed char delta);
  int KLX_FunctionIncDec_Setup_FlexDiffCenter(unsigned char index, unsigned char fm, signed char delta);
  int KLX_FunctionIncDec_InPercentage(int raw, signed char delta, unsigned char elementId);

  QList<int> KLX_FunctionGet_DisplayedOrder() const { return m_DisplayedOrder; }
  void KLX_FunctionSet_DisplayedOrder(QList<int>& order) { m_DisplayedOrder = order; }
  void KLX_FunctionDisplayedOrderClearAll() { m_DisplayedOrder.clear(); }

 protected:
  void AfterWrite(const KLX_Field& f, int unit, int sub, bool transmit) override;

 private:
  int SetMaskBit(int row, int index, int fm, int value, bool transmit, const char* refusal);
  int MaskBit(int row, int index, int fm);
  int IncDec(int row, int index, int fm, signed char delta);

  KLX_Trim* m_Trim = nullptr;
  QList<int> m_DisplayedOrder;
};
