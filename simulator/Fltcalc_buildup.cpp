// The force build-up of the user's aircraft, once per half-step.
#include "Fltcalc.h"

// Stands in until the build-up comes: only the totals and accelerations.
void set_a(void) { set_a2(); }
