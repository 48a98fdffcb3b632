// Propulsion stands in with no force until the engine models come: no
// thrust, no slipstream (wash_speed stays 0), and the thrust directions keep
// what the controls set.
#include "Propel.h"

void props(void) {}
void jets(void) {}
void clear_propel_flight_state(void) {}
