#include "frame/klx_errordata.h"

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
}

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
