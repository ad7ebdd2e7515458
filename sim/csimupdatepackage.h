#pragma once
// An update package with newer firmware for the simulated controllers, for
// a desktop run: on USB stick 1 (its folder under the root, listed as
// mounted) as a package on a stick carries it, and staged on the card the
// way installing the package leaves it (the package in the update folder,
// the update pending in the process state), so that the next start of the
// program writes the new firmware into the simulated controllers.
#include <QString>

class CSimUpdatePackage {
 public:
  // The package offers each controller's firmware one minor version above
  // what it runs now; `board` is "Vorn" or "Fenk". False when a file
  // cannot be written.
  static bool Prepare(const QString& root, const QString& board);
  // A receiver firmware file one minor version above what the simulated
  // receiver runs, where downloaded receiver firmware lies on the card
  // ("<root>/Vorn/Update/Receiver"). Its name, empty when it cannot be written.
  static QString PrepareReceiver(const QString& root);
};
