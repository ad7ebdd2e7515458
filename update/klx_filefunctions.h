#pragma once
// File and folder checks used across the program.
#include <QString>

class KLX_FileFunctions {
 public:
  // True when the board's SD-card device exists; with full set the medium
  // at "/Vorn" must also hold at least 256 MiB and be formatted vfat.
  bool KLX_FileFunctionsCheckForSDCard(bool full) const;
  bool KLX_FileFileFunctionsCheckFolder(QString folder, bool create) const;
  bool KLX_FileFunctionsGetAvailSpaceOnFolder(QString path, long minimumKiB) const;
};
