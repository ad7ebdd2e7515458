#pragma once
// A touch event as the panel reports it, handed to the application's filter:
// one point per position in panel coordinates (below 272 the keys), pressed
// on a begin, released on an end, moved otherwise; `released` marks a point
// lifted in an update.
#include <QCoreApplication>
#include <QTouchEvent>

inline bool SendPanelTouch(QObject* to, QEvent::Type type, const QList<QPointF>& positions, int released = -1,
                           QTouchDevice* device = nullptr) {
  QList<QTouchEvent::TouchPoint> points;
  Qt::TouchPointStates states;
  for (int i = 0; i < positions.size(); ++i) {
    const Qt::TouchPointState state = type == QEvent::TouchBegin                    ? Qt::TouchPointPressed
                                      : (type == QEvent::TouchEnd || i == released) ? Qt::TouchPointReleased
                                                                                      : Qt::TouchPointMoved;
    QTouchEvent::TouchPoint point(i);
    point.setScreenPos(positions.at(i));
    point.setPos(positions.at(i));
    point.setState(state);
    points.append(point);
    states |= state;
  }
  QTouchEvent event(type, device, Qt::NoModifier, states, points);
  return QCoreApplication::instance()->notify(to, &event);
}
