#pragma once
// The audio thread and its playback pipes (published as "AudioHandler").
#include <QObject>

class KLX_DataBaseManager;

class KLX_AudioHandler : public QObject {
  Q_OBJECT
 public:
  explicit KLX_AudioHandler(QObject* parent = nullptr) : QObject(parent) {}
  int KLX_AudioHandlerInitialize(KLX_DataBaseManager* db) { m_Db = db; return db ? 1 : -70000; }
  int KLX_AudioHandlerStop() { return 1; }
  void KLX_AudioHandlerStopProcessing() {}
 public slots:
  void onTtslindexChanged() {}
 signals:
  void speakerVolumeChanged(int volume);
 private:
  KLX_DataBaseManager* m_Db = nullptr;
};
