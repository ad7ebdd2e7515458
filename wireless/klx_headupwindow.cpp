#include "wireless/klx_headupwindow.h"

#include <QDebug>
#include <QMetaMethod>

#include <cmath>

#include "frame/klx_board.h"
#include "frame/klx_debuglog.h"
#include "model/klx_databasemanager.h"

namespace {
const int kRegistered = [] {
  qRegisterMetaType<HeadupWindowData>("HeadupWindowData");
  return 0;
}();
}  // namespace

KLX_HeadupWindow::KLX_HeadupWindow(KLX_Headup* container, KLX_DataBaseManager* db, QObject* parent)
    : QObject(parent), m_Container(container), m_Db(db), m_Timer(new QTimer) {
  m_Requests.insert(HeadupType_Telemetry, &KLX_HeadupWindow::TelemetryRequest);
  m_Requests.insert(HeadupType_Timer, &KLX_HeadupWindow::TimeRequest);
  m_Requests.insert(HeadupType_Servo, &KLX_HeadupWindow::ServoRequest);
  if (m_Container) {
    connect(m_Container, &KLX_Headup::headupSizeChanged, this, &KLX_HeadupWindow::OnHeadupSizeChanged);
    m_Count = unsigned(m_Container->CountItems());
  }
  m_Timer->setInterval(m_PeriodMs);
  connect(m_Timer, &QTimer::timeout, this, &KLX_HeadupWindow::Transfer);
}

void KLX_HeadupWindow::connectNotify(const QMetaMethod& signal) {
  // Called where the connection is made: the timer is handled on its own thread.
  if (signal == QMetaMethod::fromSignal(&KLX_HeadupWindow::freshHeadupData))
    QMetaObject::invokeMethod(this, &KLX_HeadupWindow::FollowReceivers, Qt::QueuedConnection);
}

void KLX_HeadupWindow::disconnectNotify(const QMetaMethod& signal) {
  if (signal == QMetaMethod::fromSignal(&KLX_HeadupWindow::freshHeadupData))
    QMetaObject::invokeMethod(this, &KLX_HeadupWindow::FollowReceivers, Qt::QueuedConnection);
}

void KLX_HeadupWindow::FollowReceivers() {
  if (!isSignalConnected(QMetaMethod::fromSignal(&KLX_HeadupWindow::freshHeadupData)))
    m_Timer->stop();
  else if (!m_Timer->isActive())
    m_Timer->start();
}

KLX_HeadupWindow::~KLX_HeadupWindow() { delete m_Timer; }

void KLX_HeadupWindow::SetHeadupContainer(KLX_Headup* container) {
  if (m_Container) disconnect(m_Container, nullptr, this, nullptr);
  m_Container = container;
  if (m_Container) connect(m_Container, &KLX_Headup::headupSizeChanged, this, &KLX_HeadupWindow::OnHeadupSizeChanged);
}

void KLX_HeadupWindow::SetTimerInterval(int ms) {
  m_PeriodMs = ms;
  m_Timer->setInterval(ms);
}

// ---- index ------------------------------------------------------------------------------------

void KLX_HeadupWindow::SetIndex(unsigned int index) {
  {
    QMutexLocker lock(&m_Mutex);
    m_Index = index;
  }
  emit indexChanged(int(index));
}

unsigned int KLX_HeadupWindow::IncrementIndex() {
  unsigned int index;
  {
    QMutexLocker lock(&m_Mutex);
    const unsigned int count = m_Count;
    index = count == 0 ? 0 : (m_Index + 1) % count;
    m_Index = index;
  }
  emit indexChanged(int(index));
  return index;
}

unsigned int KLX_HeadupWindow::DecrementIndex() {
  unsigned int index;
  {
    QMutexLocker lock(&m_Mutex);
    index = m_Index;
    if (index > 0)
      --index;
    else if (m_Count > 0)
      index = m_Count - 1;
    m_Index = index;
  }
  emit indexChanged(int(index));
  return index;
}

void KLX_HeadupWindow::OnHeadupSizeChanged(int size) {
  QMutexLocker lock(&m_Mutex);
  m_Count = unsigned(qMax(size, 0));
  if (m_Count == 0) m_Index = 0;
}

// ---- page switches ----------------------------------------------------------------------------

void KLX_HeadupWindow::Step(bool forward) {
  if (forward)
    IncrementIndex();
  else
    DecrementIndex();
  emit freshHeadupData(GetValue());
}

void KLX_HeadupWindow::OnForwardControlValueChanged(CControlVal value) {
  if (value == CControl::kEnabled) Step(true);
}

void KLX_HeadupWindow::OnBackwardControlValueChanged(CControlVal value) {
  if (value == CControl::kEnabled) Step(false);
}

void KLX_HeadupWindow::Release(Binding& b, void (KLX_HeadupWindow::*slot)(CControlVal)) {
  QMutexLocker lock(&m_Mutex);
  b.id = kNoControl;
  if (b.control) disconnect(b.control, &CControl::OnValueChanged, this, slot);
  b.control = nullptr;
}

void KLX_HeadupWindow::Bind(Binding& b, void (KLX_HeadupWindow::*slot)(CControlVal), unsigned short id,
                            const CControl* control) {
  Release(b, slot);
  {
    QMutexLocker lock(&m_Mutex);
    b.id = id;
    b.control = control;
  }
  if (!control) return;
  // A switch that is already on steps the window once.
  (this->*slot)(control->Value());
  connect(control, &CControl::OnValueChanged, this, slot);
}

void KLX_HeadupWindow::ForwardControlDisconnect() { Release(m_Forward, &KLX_HeadupWindow::OnForwardControlValueChanged); }
void KLX_HeadupWindow::BackwardControlDisconnect() {
  Release(m_Backward, &KLX_HeadupWindow::OnBackwardControlValueChanged);
}
void KLX_HeadupWindow::SetForwardControl(unsigned short id, const CControl* control) {
  Bind(m_Forward, &KLX_HeadupWindow::OnForwardControlValueChanged, id, control);
}
void KLX_HeadupWindow::SetBackwardControl(unsigned short id, const CControl* control) {
  Bind(m_Backward, &KLX_HeadupWindow::OnBackwardControlValueChanged, id, control);
}

// ---- rows -------------------------------------------------------------------------------------

HeadupWindowData KLX_HeadupWindow::GetValue() {
  HeadupWindowData rows;
  unsigned count, index;
  {
    QMutexLocker lock(&m_Mutex);
    count = m_Count;
    index = m_Index;
  }
  if (!m_Container || count == 0) return rows;
  const unsigned n = qMin(m_RowsPerPage, count);
  for (unsigned k = 0; k < n; ++k) {
    CHeadupItem item;
    if (!m_Container->CopyItemAt(int((index + k) % count), &item)) continue;
    const RowRequest request = m_Requests.value(item.Type(), nullptr);
    if (!request) continue;
    const QString text = (this->*request)(item);
    if (text.isEmpty()) continue;
    rows.append({E_HeadupType(item.Type()), text});
  }
  return rows;
}

QString KLX_HeadupWindow::TelemetryRequest(const CHeadupItem& item) {
  if (item.TeleMainAddr == CHeadupItem::kNone16 || item.TeleSlaveAddr == CHeadupItem::kNone16 || !m_Db) return QString();
  const int sensor = item.TeleMainAddr, value = item.TeleSlaveAddr;
  const int reading = m_Db->KLX_DataBaseManagerTelemetrieGetSlaveValue(sensor, value);
  const int d = m_Db->KLX_DataBaseManagerTelemetrieGet_Slave_DecPoint(sensor, value);
  const float number = float(double(reading) / std::pow(10.0, d));
  return m_Db->KLX_DataBaseManagerTelemetrieGetSlaveLabelOrAlias(sensor, value) + ":" +
         QString::number(double(number), 'g', 6) + ";" + m_Db->KLX_DataBaseManagerTelemetrieGetSlaveUnit(sensor, value);
}

QString KLX_HeadupWindow::ServoRequest(const CHeadupItem& item) {
  if (item.TeleServoIndex == CHeadupItem::kNone16 || !m_Db) return QString();
  const int servo = item.TeleServoIndex;
  const int v = m_Db->KLX_DataBaseManagerHeadupGetServoValue(servo);
  return m_Db->KLX_DataBaseManagerServoConfigGetSet_Name(servo, QString(), AtomicDirGet) + ": " +
         QString::number(v * 200 / 2047);
}

QString KLX_HeadupWindow::TimeRequest(const CHeadupItem& item) {
  const int s = item.TimerIndexFlags;
  if (!m_Db || s > 16) return QString();
  // Below the board's simple-timer count a simple timer, above it a complex one.
  const int m = m_Db->KLX_DataBaseManagerGetMaxTimer(false);
  if (s < m)
    return m_Db->KLX_DataBaseManagerTimerGetSet_Name(s, QString(), AtomicDirGet) + ";" +
           QString::number(m_Db->KLX_DataBaseManagerTimerGet_ActualTimeMinute(s)) + ":" +
           QString::number(m_Db->KLX_DataBaseManagerTimerGet_ActualTimeSecond(s));
  return m_Db->KLX_DataBaseManagerCmplxTimerGetSet_Name(s - m, QString(), AtomicDirGet) + ";" +
         m_Db->KLX_DataBaseManagerCmplxTimerGetActualTime_String(s - m, false);
}

void KLX_HeadupWindow::PrintInfos() {
  qCDebug(lcVornDebug) << "===========";
  const unsigned count = m_Count, index = m_Index;
  if (m_Container && count > 0) {
    const unsigned n = qMin(m_RowsPerPage, count);
    for (unsigned k = 0; k < n; ++k) {
      const int slot = int((index + k) % count);
      CHeadupItem item;
      if (!m_Container->CopyItemAt(slot, &item)) continue;
      qCDebug(lcVornDebug, "i: %d", int(k));
      qCDebug(lcVornDebug, "%d", slot);
      qCDebug(lcVornDebug, "Type: %d", int(item.Type()));
    }
  }
  qCDebug(lcVornDebug) << "===========";
}
