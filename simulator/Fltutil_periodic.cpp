// The once-a-second systems.
#include "Fltutil.h"
#include "Initgen.h"
#include "records.h"

// Stands in until the once-a-second systems come; of them only gravity for
// the height, which the flight needs.
void mod_sec(void)
{
    float r = con.rearth + (float)flt.pos_y[0];
    atm.g_accel = con.muearth / (r * r);
}

void clear_periodic_flight_state(void) {}
void clear_periodic_run_state(void) {}
