#pragma once
// The head-up window (published as "Headup"): which three items of the
// head-up list the glasses show, each turned into one line of text, handed
// on every 200 ms and at once after every page step. Two virtual switches of
// the model step it forward and backward one item at a time.
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "model/klx_ccontrol.h"
#include "wireless/klx_headup.h"
#include "wireless/klx_headupdata.h"

#include <atomic>

class KLX_DataBaseManager;

class KLX_HeadupWindow : public QObject {
  Q_OBJECT
 public:
  static constexpr unsigned short kNoControl = 65535;

  KLX_HeadupWindow(KLX_Headup* container, KLX_DataBaseManager* db, QObject* parent = nullptr);
  ~KLX_HeadupWindow() override;

  void SetForwardControl(unsigned short id, const CControl* control);
  void SetBackwardControl(unsigned short id, const CControl* control);
  void ForwardControlDisconnect();
  void BackwardControlDisconnect();
  unsigned short GetForwardControl() const { return m_Forward.id.load(); }
  unsigned short GetBackwardControl() const { return m_Backward.id.load(); }
  void SetIndex(unsigned int index);
  Q_INVOKABLE int GetIndex() const { return int(m_Index.load()); }
  unsigned int IncrementIndex();
  unsigned int DecrementIndex();
  unsigned int GetContainerSize() const { return m_Count.load(); }
  void SetHeadupContainer(KLX_Headup* container);
  void SetTimerInterval(int ms);
  int GetTimerInterval() const { return m_PeriodMs; }
  HeadupWindowData GetValue();
  void Transfer() { emit freshHeadupData(GetValue()); }
  void PrintInfos();

  QString TelemetryRequest(const CHeadupItem& item);
  QString TimeRequest(const CHeadupItem& item);
  QString ServoRequest(const CHeadupItem& item);

 public slots:
  void OnHeadupSizeChanged(int size);
  void OnForwardControlValueChanged(CControlVal value);
  void OnBackwardControlValueChanged(CControlVal value);

 signals:
  void freshHeadupData(HeadupWindowData param);
  void indexChanged(int index);

 protected:
  // The rows go out every period only while something takes them (the
  // glasses): without it the GUI thread is not woken for them.
  void connectNotify(const QMetaMethod& signal) override;
  void disconnectNotify(const QMetaMethod& signal) override;

 private:
  void FollowReceivers();
  using RowRequest = QString (KLX_HeadupWindow::*)(const CHeadupItem&);
  // A page switch: its control id (65535 when none) and its published control.
  struct Binding {
    std::atomic<unsigned short> id{kNoControl};
    QPointer<const CControl> control;  // under m_Mutex
  };
  void Step(bool forward);
  void Release(Binding& b, void (KLX_HeadupWindow::*slot)(CControlVal));
  void Bind(Binding& b, void (KLX_HeadupWindow::*slot)(CControlVal), unsigned short id, const CControl* control);

  unsigned int m_RowsPerPage = 3;
  // The index, the count and the page switches are set by the screens, by a
  // model's load on the task thread and by the switches' controls: each step
  // under this lock, read as one value each.
  QMutex m_Mutex;
  std::atomic<unsigned int> m_Count{0};
  std::atomic<unsigned int> m_Index{0};
  Binding m_Forward;
  Binding m_Backward;
  KLX_Headup* m_Container;
  KLX_DataBaseManager* m_Db;
  QTimer* m_Timer;
  int m_PeriodMs = 200;
  QMap<int, RowRequest> m_Requests;
};
