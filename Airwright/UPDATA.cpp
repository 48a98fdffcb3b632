// Airwright's frame step and 3-D preview.
#include "UPDATA.h"
#include "Drplane_records.h"
#include "HL_MNW.h"

flightstruct flt;
preview_clock_state preview_clock;

void clear_update_run_state(void) { preview_clock = preview_clock_state{}; }

float pulse(float) { return 1.0f; }

void APPLICATION_update(void) {}
