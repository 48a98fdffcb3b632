// The flight model's frame and the state integration.
//
// Sections (grep "---- name"):
//   flight step        update_flight
//   state integration  integ_vx
#include "Integ.h"

// ---- flight step ---------------------------------------------------------------

// Stands in until the flight step comes: a frame moves nothing.
void update_flight(void) {}



// ---- state integration ---------------------------------------------------------

// Stands in until the integrator comes.
void integ_vx(void) {}
