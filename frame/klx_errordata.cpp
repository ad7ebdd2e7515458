#include "frame/klx_errordata.h"

#include "frame/klx_copyerrors.h"

KLX_ErrorData::KLX_ErrorData(QObject* parent)
    : QObject(parent), m_Texts(kTables * kModules * kNumbers, nullptr) {
  Set(0x30, 7, QT_TR_NOOP("Model currently active \u2013 cannot erase!"));
  Set(0x36, 29, QT_TR_NOOP("Battery is weak - please charge before update!"));
  Set(0x40, 4, QT_TR_NOOP("Target file already exists \u2013 cannot copy!"));
  Set(0x40, 5, QT_TR_NOOP("No source file selected \u2013 cannot copy!"));
  Set(0x46, 5, QT_TR_NOOP("No USB stick plugged \u2013 cannot copy!"));
  Set(0x49, 2, QT_TR_NOOP("Bad servoindex or mixerindex in servo configuration!"));
  Set(0x49, 3, QT_TR_NOOP("Servo configuration not used!"));
  Set(0x49, 4, QT_TR_NOOP("Bad function index in servomixer!"));
  Set(0x49, 5, QT_TR_NOOP("Wrong function count in flightmode!"));
  Set(0x49, 6, QT_TR_NOOP("Wrong setup count in functions!"));
  Set(0x49, 7, QT_TR_NOOP("Wrong setup count in mixers!"));
  Set(0x27, 4, QT_TR_NOOP("No receiver found!"));
  Set(0x27, 3, QT_TR_NOOP("No receiver found!"));
  Set(0x27, 5, QT_TR_NOOP("No receiver found!"));
  Set(0x23, 10, QT_TR_NOOP("This unit cannot be loaded!"));
  Set(0x46, 9, QT_TR_NOOP("Cannot delete file or folder!"));
  Set(0x46, 6, QT_TR_NOOP("No destination folder!"));
  Set(0x46, 7, QT_TR_NOOP("No source folder!"));
  // A copy refused for want of room: the model copy's target is the card,
  // the copy task's the stick or a folder it was given.
  Set(0x40, 10, QT_TR_NOOP("Not enough memory on the SD card \u2013 cannot copy!"));
  Set(0x46, 14, QT_TR_NOOP("Not enough memory on the target \u2013 cannot copy!"));
  // Every other end of these copies says what failed: no box without a text.
  using namespace KLX_CopyError;
  SetCode(kModelNoSdCard, QT_TR_NOOP("No usable SD card \u2013 cannot copy!"));
  SetCode(kModelCopyFailed, QT_TR_NOOP("The model file could not be copied into the target folder!"));
  SetCode(kModelUnsave, QT_TR_NOOP("The model is being saved \u2013 please try again!"));
  SetCode(kModelPath, QT_TR_NOOP("Model path outside the model folders \u2013 cannot copy!"));
  SetCode(kModelInit, QT_TR_NOOP("The copy could not be set up!"));
  SetCode(kDataInit, QT_TR_NOOP("The copy could not be set up!"));
  SetCode(kDataState, QT_TR_NOOP("The copy was in no known step and was stopped!"));
  SetCode(kDataRetries, QT_TR_NOOP("The copy took too long and was stopped!"));
  SetCode(kDataTimeout, QT_TR_NOOP("The copy took too long and was stopped!"));
  SetCode(kDataCopyFailed, QT_TR_NOOP("Reading or writing failed \u2013 cannot copy!"));
  SetCode(kBackupCopy, QT_TR_NOOP("No backup of the model file could be made!"));
  SetCode(kDataKept, QT_TR_NOOP("The loaded model and the settings files cannot be deleted!"));
  SetCode(kDataPath, QT_TR_NOOP("Path outside the allowed folders!"));
  SetCode(kDataTooLarge, QT_TR_NOOP("More than 5 GB \u2013 cannot copy!"));
  SetCode(kDataNewFolder, QT_TR_NOOP("The new folder could not be created!"));
  SetCode(kDataRequest, QT_TR_NOOP("Unknown copy or delete request \u2013 nothing was done!"));
}

void KLX_ErrorData::SetCode(unsigned code, const char* source) { Set((code >> 8) & 0xFF, code & 0xFF, source); }

void KLX_ErrorData::Set(unsigned module, unsigned number, const char* source) {
  // Every text the program itself registers lives in table 0.
  m_Texts[module * kNumbers + number] = source;
}

QString KLX_ErrorData::KLX_ErrorDataGetText(unsigned table, unsigned module, unsigned number) const {
  if (table >= kTables || module >= kModules || number >= kNumbers) return QString();
  const char* source = m_Texts[(table * kModules + module) * kNumbers + number];
  return source ? tr(source) : QString();
}

QString KLX_ErrorData::KLX_ErrorDataGetTextOfCode(unsigned code) const {
  return KLX_ErrorDataGetText(code >> 24, (code >> 8) & 0xFF, code & 0xFF);
}
