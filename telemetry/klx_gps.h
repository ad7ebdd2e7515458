#pragma once
// The last navigation solution of the transmitter's own GPS receiver: the GPS
// thread writes it, the screens, the own sensor and the clock setting read
// it. Every field is one word or smaller and read whole without the mutex;
// a reader that needs one consistent solution takes the mutex, which the GPS
// thread holds while it writes the fields of one frame.
#include <QMutex>
#include <QObject>

#include <atomic>

#include "frame/klx_basedatabase.h"

class KLX_GPS : public QObject, public KLX_DataBaseTransmitter {
  Q_OBJECT
 public:
  explicit KLX_GPS(QObject* parent = nullptr);

  int KLX_GPSInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }
  int KLX_GPSLock();
  int KLX_GPSUnlock();
  // Position, motion, fix and status go back to 0; date, time and the
  // validity flags stay.
  void KLX_GPSSetToDefaultValues() { KLX_GPSClearAll(); }
  void KLX_GPSClearAll();

  // dir 0 stores the value (8-bit fields its low byte, the year its low 16
  // bits), any other reads; both return the field. No range check, no lock.
  int KLX_GPSGetSet_Latitude(int value, int dir) { return Field(m_Latitude, value, dir); }
  int KLX_GPSGetSet_Longitude(int value, int dir) { return Field(m_Longitude, value, dir); }
  int KLX_GPSGetSet_RawHight(int value, int dir) { return Field(m_RawHeight, value, dir); }
  int KLX_GPSGetSet_RawHeading(int value, int dir) { return Field(m_RawHeading, value, dir); }
  unsigned KLX_GPSGetSet_RawSpeed(unsigned value, int dir) { return Field(m_RawSpeed, value, dir); }
  int KLX_GPSGetSet_GpsFix(int value, int dir) { return Field(m_Fix, value, dir); }
  int KLX_GPSGetSet_CountSatelite(int value, int dir) { return Field(m_Satellites, value, dir); }
  int KLX_GPSGetSet_Year(int value, int dir) { return Field(m_Year, value, dir); }
  int KLX_GPSGetSet_Month(int value, int dir) { return Field(m_Month, value, dir); }
  int KLX_GPSGetSet_Day(int value, int dir) { return Field(m_Day, value, dir); }
  int KLX_GPSGetSet_Hour(int value, int dir) { return Field(m_Hour, value, dir); }
  int KLX_GPSGetSet_Minute(int value, int dir) { return Field(m_Minute, value, dir); }
  int KLX_GPSGetSet_Second(int value, int dir) { return Field(m_Second, value, dir); }
  int KLX_GPSGetSet_ValidityFlags(int value, int dir) { return Field(m_ValidityFlags, value, dir); }
  int KLX_GPSGetSet_Status(int value, int dir) { return Field(m_Status, value, dir); }

 private:
  template <typename T, typename V>
  static V Field(std::atomic<T>& field, V value, int dir) {
    if (dir == 0) field = T(value);
    return V(field.load());
  }

  std::atomic<quint16> m_Year{0};
  std::atomic<quint8> m_Month{0}, m_Day{0}, m_Hour{0}, m_Minute{0}, m_Second{0};
  std::atomic<quint8> m_ValidityFlags{0};
  std::atomic<qint32> m_Latitude{0};
  std::atomic<qint32> m_Longitude{0};
  std::atomic<qint32> m_RawHeight{0};
  std::atomic<quint32> m_RawSpeed{0};
  std::atomic<qint32> m_RawHeading{0};
  std::atomic<quint8> m_Status{0};
  std::atomic<quint8> m_Fix{0};
  std::atomic<quint8> m_Satellites{0};
  QMutex m_Mutex;
};
