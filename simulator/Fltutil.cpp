// Flight utilities and the flight state.
#include "Fltutil.h"
#include "Fltcalc.h"
#include "Hl_sound.h"
#include "Event.h"
#include "Integ.h"

#include <cmath>

flightstruct flt;
ottostruct ott;
pathstruct pat;

// One call per module that keeps state for a flight; flt itself is the
// flight reset's to zero.
void clear_flight_state(void)
{
    clear_fltcalc_flight_state();
    clear_sound_flight_state();
    clear_controls_flight_state();
    clear_flight_step_flight_state();
    clear_events_flight_state();
    clear_periodic_flight_state();
}

void attitude_sines(void)
{
    float r = con.degtorad;
    flt.sin_theta = sinf(flt.theta[0] * r);
    flt.cos_theta = cosf(flt.theta[0] * r);
    flt.sin_psi = sinf(flt.psi[0] * r);
    flt.cos_psi = cosf(flt.psi[0] * r);
    flt.sin_phi = sinf(flt.phi[0] * r);
    flt.cos_phi = cosf(flt.phi[0] * r);
}

// Stands in until the ten-per-second events come.
void mod_evt(void) {}
void clear_events_flight_state(void) {}
void clear_events_run_state(void) {}
