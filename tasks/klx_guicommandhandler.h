#pragma once
// The GUI command layer through which QML starts tasks (published as "Command").
#include <QObject>
#include <QString>

#include <atomic>

#include "frame/klx_databasevalues.h"

class KLX_DataBaseManager;
class KLX_VornHandler;

class KLX_GuiCommandHandler : public QObject {
  Q_OBJECT
 public:
  explicit KLX_GuiCommandHandler(QObject* parent = nullptr) : QObject(parent) {}
  int KLX_GuiCommandHandlerInitialize(KLX_DataBaseManager* db, KLX_VornHandler* vorn) {
    m_Db = db;
    m_Vorn = vorn;
    return (db && vorn) ? KLX_Ok : KLX_Error;
  }
  void KLX_GuiCommandHandlerStartProcessing() { m_Processing = true; }
  void KLX_GuiCommandHandlerStopProcessing() { m_Processing = false; }
  bool KLX_GuiCommandHandlerIsProcessing() const { return m_Processing; }
  int KLX_GuiCommandHandlerStop() { return KLX_Ok; }
 signals:
  void guiInformer(int state);
 private:
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_VornHandler* m_Vorn = nullptr;
  std::atomic<bool> m_Processing{false};
};
