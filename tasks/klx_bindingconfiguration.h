#pragma once
// The binding configuration sent to the transceiver controller after a model
// load (task KLX_TASK_BIND_CONFIG). Its steps come with their own issue; until
// then it ends at once, so that the start-up chain goes on to the telemetry
// capture.
#include "tasks/klx_vornbase.h"

class KLX_BindingConfiguration : public KLX_VornBaseEndsAtOnce {};
