// Airwright's frame step: the open design screen's widgets, the geometry
// every frame derives from the design, and the 3-D preview of the main view.
#pragma once
#include "Hl_types.h"

// The tests' reset of the frame step's run state.
void clear_update_run_state(void);
