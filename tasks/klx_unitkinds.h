#pragma once
// What the unit loader and the unit deleter do with one element of a kind
// (a value of E_VornTaskParameter): find a free index, clear a record, put it
// in use, copy it whole for the transceiver controller, and delete it. The
// telemetry controls' store has no facade accessors yet, so their records
// are reached through the store itself; a write to them marks the model as
// modified as the facade's writes do.

class KLX_DataBaseManager;
class KLX_Protocol;
struct TaskUpdate_Data_T;

namespace KLX_UnitKinds {
// The board's count of the kind (0 for a kind without units).
int BoardCount(KLX_DataBaseManager* db, int kind);
// The first unused index, or the store's code for a full store (KLX_Error
// for a kind without such a store).
int NextFreeIndex(KLX_DataBaseManager* db, int kind);
// The record back to its defaults, marked for the engine.
int Clear(KLX_DataBaseManager* db, int kind, int index);
// Reads the used flag (get) or puts the record in use, sent to the
// transceiver controller as one field.
int IsUsed(KLX_DataBaseManager* db, int kind, int index);
int SetUsed(KLX_DataBaseManager* db, int kind, int index);
// The unit as the transceiver controller takes it: its length, or 0 or
// less when it cannot be copied.
int CopyUnit(KLX_DataBaseManager* db, int kind, int index, unsigned char* buffer);
// The message that carries one unit of the kind, 0 for none.
unsigned char UnitMessage(int kind);
// The telemetry control back to the defaults of an unused one.
int DeleteTeleControl(KLX_DataBaseManager* db, int index);

// Sub-commands of the loader control message. The controller's answer
// repeats the sub-command, except that a start (of units or of a model) is
// answered under kUnitStart; its next byte is the status.
enum Command : unsigned char {
  kUnitStart = 1,
  kEnd = 2,
  kStop = 3,
  kHeader = 4,
  kUnitDelete = 5,
  kModelStart = 8,
};
enum Status : unsigned char { kStatusOk = 0, kStatusRefused = 3 };

// The loader control message to the transceiver controller: 8 bytes, 1,
// the sub-command and up to three more bytes; the send result.
int SendControl(KLX_Protocol* protocol, unsigned char sub, unsigned char b2 = 0, unsigned char b3 = 0,
                unsigned char b4 = 0);
// The transceiver controller's answer to the loader control message whose
// first byte after the leading 1 is `what`.
bool IsControlAnswer(const TaskUpdate_Data_T& update, unsigned char what);
}  // namespace KLX_UnitKinds
