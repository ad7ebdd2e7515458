#pragma once
// The rows the head-up glasses show: at most three pairs of item type and
// row text, top row first.
#include <QList>
#include <QMetaType>
#include <QPair>
#include <QString>

#include "frame/klx_databasevalues.h"

using HeadupWindowData = QList<QPair<E_HeadupType, QString>>;
Q_DECLARE_METATYPE(HeadupWindowData)
