#pragma once
// The current model's properties: its name, type and folder, whether the
// transceiver controller keeps it, and whether the saver may write it.
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>

#include "frame/klx_basedatabase.h"

class KLX_Protocol;

class KLX_VornProperties : public QObject, public KLX_DataBaseTransmitter {
  Q_OBJECT
 public:
  static constexpr int kModelNameBytes = 47;
  static constexpr int kModelTypeMax = 255;

  KLX_VornProperties() : QObject(nullptr) {}
  int KLX_VornPropertiesInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }
  int KLX_VornPropertiesClearAll();

  // dir non-zero reads. The name is kept as at most 47 bytes of UTF-8, the
  // type within 0..255.
  // Mode 0 and 2 write the name; 2 also marks it written. Others read.
  QString KLX_VornPropertiesGetSet_ModelName(QString name, int mode);
  bool KLX_VornPropertiesNameWritten() const { return m_NameWritten; }
  int KLX_VornPropertiesGetSet_ModelTyp(int type, int dir);
  QString KLX_VornPropertiesGetSet_ModelFolder(QString folder, int dir);
  bool KLX_VornPropertiesGetSet_ModelSavedinTC(bool stored, int dir);
  bool KLX_VornPropertiesSaveModelData(bool value, int get);
  // Takes the permission when it is granted, in one step; false when it
  // was withheld (and it stays so).
  bool KLX_VornPropertiesTakeSaveModelData();
  // The file of the current model that could not be loaded (board form),
  // empty while the model in memory is the current model's. While it is set
  // the model file is not written: the data in memory is not its model.
  void KLX_VornPropertiesSetFailedFile(const QString& path);
  QString KLX_VornPropertiesFailedFile() const;
  // The folder of the model file last read; set by every read that opens a
  // path with a folder.
  void KLX_VornPropertiesSetModelPath(const QString& path);
  QString KLX_VornPropertiesModelPath() const;

 private:
  // Names are written by the GUI and tasks and read by the saver thread.
  mutable QMutex m_Mutex;
  QString m_ModelName;
  QString m_ModelFolder;
  QString m_FailedFile;
  QString m_ModelPath;
  std::atomic<int> m_ModelTyp{0};
  std::atomic<bool> m_ModelSavedInTC{false};
  std::atomic<bool> m_NameWritten{false};
  // The saver's permission to write the model file; granted unless a task
  // withholds it.
  std::atomic<bool> m_SaveModelData{true};
};
