// Runway geometry slots.
#include "Initnav.h"

// Stands in until the runway slots are built: there are no approach lights
// to run along.
void step_rabbits(int) {}
