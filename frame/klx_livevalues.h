#pragma once
// Tells the screens that a value they show has changed (a servo output, a
// control, a trim, a sensor value, a timer, an alarm mark), and which kind
// of value it was, so that only the views showing it read again instead of
// asking every few milliseconds. Any thread may report a change; the screens
// hear of it on the GUI thread, at most once per 40 ms however often it
// changes, and not at all while nothing changes. A notice gathers all that
// changed since the last one.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QVariantList>

#include <atomic>

#include "frame/klx_databasevalues.h"

// Sensor addresses that any thread may add to; one bit per address, and a
// mark for the whole table.
class KLX_SensorChanges {
 public:
  static constexpr int kAddresses = 256;

  // An address outside the table stands for the whole table.
  void Add(int address) {
    if (address < 0 || address >= kAddresses)
      m_All = true;
    else
      m_Words[address >> 6].fetch_or(quint64(1) << (address & 63));
  }
  void AddAll() { m_All = true; }
  void Clear() {
    for (auto& word : m_Words) word = 0;
    m_All = false;
  }
  void Remove(int address) {
    if (address >= 0 && address < kAddresses) m_Words[address >> 6].fetch_and(~(quint64(1) << (address & 63)));
  }
  // Moves what this set holds into `to`, of the addresses only those that
  // `only` holds; true when it moved anything.
  bool MoveTo(KLX_SensorChanges* to, const KLX_SensorChanges& only);
  // Empties the set: the addresses in ascending order, and whether the
  // whole table changed.
  QVariantList Take(bool* all);

 private:
  static constexpr int kWords = kAddresses / 64;
  std::atomic<quint64> m_Words[kWords] = {};
  std::atomic<bool> m_All{false};
};

class KLX_LiveValues : public QObject {
  Q_OBJECT

 public:
  // The shortest time between two notices: servo bars still move smoothly.
  static constexpr int kSpacingMs = 40;

  explicit KLX_LiveValues(QObject* parent = nullptr);

  // Any thread. `kinds`: KLX_DatabaseValues::E_LiveValue bits. Costs an
  // atomic or two while a notice is on its way.
  void KLX_LiveValuesChanged(unsigned kinds);
  // Any thread: values of these sensors changed; `changes` is emptied.
  // Sensors that no view shows raise no notice.
  void KLX_LiveValuesSensorsChanged(KLX_SensorChanges* changes);
  // GUI thread: a view begins (true) or ends (false) showing the sensor at
  // `address`; each begin is ended once.
  void KLX_LiveValuesShowSensor(int address, bool shown);

 signals:
  // On the GUI thread: the E_LiveValue bits, and with LIVE_Sensors the
  // addresses of the sensors whose values changed.
  void changed(int kinds, const QVariantList& sensors);

 private:
  // Queued by name: the hand-over is Qt's own event, with nothing of ours
  // crossing the threads but the atomics.
  Q_INVOKABLE void Deliver();
  void Tell();

  std::atomic<unsigned> m_Kinds{0};
  KLX_SensorChanges m_Sensors;
  // The sensors shown, and by how many views (GUI thread).
  KLX_SensorChanges m_Shown;
  int m_Views[KLX_SensorChanges::kAddresses] = {};
  QElapsedTimer m_SinceTold;
  QTimer m_Hold;
};
