#include "frame/klx_debuglog.h"

Q_LOGGING_CATEGORY(lcVornDebug, "vorn.developer", QtWarningMsg)
