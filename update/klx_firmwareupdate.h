#pragma once
// The firmware update of the controllers, queued at start when an update is
// pending (tasks KLX_TASK_UPDATE_FIRMWARE and KLX_TASK_UPDATE_FW_ONBOARD, one
// object). Its steps come with their own issue; until then it ends at once.
#include "tasks/klx_vornbase.h"

class KLX_FirmwareUpdate : public KLX_VornBaseEndsAtOnce {};
