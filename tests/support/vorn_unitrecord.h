#pragma once
// An element's record as the program holds it, without the kind byte in
// front and the check bytes behind: what the simulated transceiver keeps
// for the same element.
#include <QByteArray>

#include "model/klx_databasemanager.h"
#include "tasks/klx_unitkinds.h"

inline QByteArray ProgramRecord(KLX_DataBaseManager& db, int kind, int index) {
  unsigned char image[1000];
  const int n = KLX_UnitKinds::CopyUnit(&db, kind, index, image);
  return n > 3 ? QByteArray(reinterpret_cast<const char*>(image) + 1, n - 3) : QByteArray();
}
