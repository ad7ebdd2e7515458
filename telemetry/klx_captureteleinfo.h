#pragma once
// The capture of the sensors' descriptions, the last link of the start-up
// chain (task KLX_TASK_CAPTURE_TELEINFO). Its steps come with their own issue;
// until then it ends at once.
#include "tasks/klx_vornbase.h"

class KLX_CaptureTeleInfo : public KLX_VornBaseEndsAtOnce {};
