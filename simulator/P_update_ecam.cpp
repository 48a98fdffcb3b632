// The ECAM's system pages: fuel, flight controls, hydraulics and failures.
#include "P_update.h"

// Draws nothing until the pages are built.
void update_ecam(void) {}
