#pragma once
// The model loader: loads the current model into the transceiver controller
// (task KLX_TASK_MOD_LOAD). Its steps come with their own issue; until then it
// ends at once, so that the start-up chain goes on to the binding
// configuration.
#include "tasks/klx_vornbase.h"

class KLX_ModelLoader : public KLX_VornBaseEndsAtOnce {};
