#pragma once
// Base of the XML readers and writers: range checks of a number already
// converted from an element's text, before it is stored into a field of a
// given width. The checks report nothing; each reader decides what a failed
// check means.
#include <QObject>

class KLX_XMLModelBase : public QObject {
  Q_OBJECT

 public:
  KLX_XMLModelBase() : QObject(nullptr) {}

  static bool KLX_XMLModelBaseCheckUint8(int value) { return unsigned(value) <= 0xFFu; }
  static bool KLX_XMLModelBaseCheckSint8(int value) { return unsigned(value) + 128u <= 0xFFu; }
  static bool KLX_XMLModelBaseCheckUint16(int value) { return unsigned(value) <= 0xFFFFu; }
  static bool KLX_XMLModelBaseCheckSint16(int value) { return unsigned(value) + 32768u <= 0xFFFFu; }
  static bool KLX_XMLModelBaseCheckBoolean(int value) { return unsigned(value) <= 1u; }
  static bool KLX_XMLModelBaseCheckTControl(int value) { return KLX_XMLModelBaseCheckUint16(value); }
  static bool KLX_XMLModelBaseCheckTIndex(int value) { return KLX_XMLModelBaseCheckUint16(value); }
  static bool KLX_XMLModelBaseCheckUint32(unsigned int) { return true; }
  static bool KLX_XMLModelBaseCheckSint32(int) { return true; }
};
