#pragma once
// The start of a worker thread with its 200 ms wait on a given clock: a test
// steps that clock through the wait of a thread that never says it entered.
#include <QThread>

#include "frame/klx_clock.h"

namespace KLX_ThreadControl {
bool Start(QThread* thread, KLX_Clock& clock);
}  // namespace KLX_ThreadControl
