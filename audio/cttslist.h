#pragma once
// The announcement list of the model (published as "TTSList"), least form:
// the model reset clears it; its items come with the audio subsystem.
#include <QObject>
#include <QString>

class CTTSList : public QObject {
  Q_OBJECT
 public:
  explicit CTTSList(QObject* parent = nullptr) : QObject(parent) {}
  void ClearAll() { ++m_Clears; }
  int Clears() const { return m_Clears; }
 signals:
  // An item to speak: its text, language and voice.
  void ttslindexChanged(QString text, QString lang, QString voice);

 private:
  int m_Clears = 0;
};
