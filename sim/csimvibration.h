#pragma once
// The transceiver controller's vibration motor: it keeps every vibration
// message the program sent (id 160: three 16-bit values, low byte first),
// decoded, for tests and the console.
#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>

class CSimVibration {
 public:
  struct Pattern {
    int value1 = 0;
    int value2 = 0;
    int value3 = 0;
    bool operator==(const Pattern& o) const { return value1 == o.value1 && value2 == o.value2 && value3 == o.value3; }
  };

  // A message's data; a length other than 6 is counted as wrong and not kept.
  void Take(const QByteArray& data);
  QList<Pattern> Seen() const;
  int WrongLength() const;
  void Clear();
  // "none", or the count and the last pattern.
  QString Describe() const;

 private:
  mutable QMutex m_Mutex;
  QList<Pattern> m_Seen;
  int m_WrongLength = 0;
};
