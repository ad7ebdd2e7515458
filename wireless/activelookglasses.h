#pragma once
// The head-up glasses: once BlueZ has resolved their services the command
// service proxy is made and output is announced; the screen set-up frames
// are written on request, and each batch of head-up rows is written by a
// writer in a thread of its own.
#include "wireless/klx_headupdata.h"
#include "wireless/qbledevice.h"

class ActiveLookGlasses : public QBLEDevice {
  Q_OBJECT
 public:
  static const QString Commands_Server;
  static const QString RX_Service;
  static const QString FWU_Service;

  ActiveLookGlasses(const QString& path, QObject* parent = nullptr);

  // Once per connection: both the connect's answer and the services'
  // resolution ask for it, in either order.
  void prepareHeadupScreen();
  void showHeadupWindow(const HeadupWindowData& rows);

 public slots:
  void OnServicesResolved(QVariantMap map) override;

 private:
  bool m_Prepared = false;
};
