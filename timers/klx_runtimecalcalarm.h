#pragma once
// The alarm calculator of the timers thread (published as "TimersAlarms").
#include <QObject>

class KLX_RuntimeCalcAlarm : public QObject {
  Q_OBJECT
 public:
  explicit KLX_RuntimeCalcAlarm(QObject* parent = nullptr) : QObject(parent) {}
 signals:
  void alarmAlert(int pageNum, int widgNum, bool yelred);
};
