#pragma once
// The codes the model copy (module 0x40) and the copies to and from a stick
// (module 0x46) report; the error text table gives each that reaches the
// screen its own text, so the tasks and the table name them alike.
namespace KLX_CopyError {
// The model copy on the card.
constexpr unsigned kModelInit = 0x24001;
constexpr unsigned kModelTargetExists = 0x24004;
constexpr unsigned kModelNoSource = 0x24005;
constexpr unsigned kModelNoSdCard = 0x24006;
constexpr unsigned kModelCopyFailed = 0x24007;
constexpr unsigned kModelUnsave = 0x24008;
constexpr unsigned kModelPath = 0x24009;
constexpr unsigned kModelNoRoom = 0x2400A;

// The copies and deletes between the card and a stick.
constexpr unsigned kDataInit = 0x24601;
constexpr unsigned kDataState = 0x24602;
constexpr unsigned kDataRetries = 0x24603;
constexpr unsigned kDataTimeout = 0x24604;
constexpr unsigned kDataNoStick = 0x24605;
constexpr unsigned kDataNoDestination = 0x24606;
constexpr unsigned kDataNoSource = 0x24607;
// A copy that failed reading or writing, neither for room nor for size.
constexpr unsigned kDataCopyFailed = 0x24608;
constexpr unsigned kDataDelete = 0x24609;
// The model file's backup copy (the XML file handler's).
constexpr unsigned kBackupCopy = 0x2460A;
constexpr unsigned kDataKept = 0x2460B;
constexpr unsigned kDataHintMissing = 0x4460C;
constexpr unsigned kDataNoRoom = 0x2460E;
// A path outside the data partition and the sticks; its own code, not the
// backup's, so that the screen does not tell a refused path as a backup.
constexpr unsigned kDataPath = 0x2460F;
constexpr unsigned kDataTooLarge = 0x24610;
constexpr unsigned kDataNewFolder = 0x24611;
// A request of a kind the task does not do (operation, list or action).
constexpr unsigned kDataRequest = 0x24612;
}  // namespace KLX_CopyError
