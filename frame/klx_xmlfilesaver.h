#pragma once
// The background saver of the model, settings and state files (published as
// "XMLFileSaver").
#include <QObject>

class KLX_XMLFileSaver : public QObject {
  Q_OBJECT
 public:
  explicit KLX_XMLFileSaver(QObject* parent = nullptr) : QObject(parent) {}
  int KLX_XMLFileSaverStop() { return 1; }
  // A final pass that also dumps the timers; counted so that start-up and
  // switch-off can be checked.
  void KLX_XMLFileSaverForceSaving(bool dumpTimers) { ++m_ForcedPasses; m_DumpTimers = dumpTimers; }
  int KLX_XMLFileSaverForcedPasses() const { return m_ForcedPasses; }
 private:
  int m_ForcedPasses = 0;
  bool m_DumpTimers = false;
};
