// Propulsion of the user's aircraft: propellers and rotors blade by blade,
// jets spooling toward the throttle. The force build-up calls them once per
// half-step; they add thrust and torque through the accumulators and leave
// the slipstream speeds and thrust directions in flt.
#pragma once

void props(void);   // engine kinds 1, 2 and 3: propellers and rotors
void jets(void);    // engine kinds 4 and 5; rockets are the build-up's own
// clear_flight_state calls it: no propeller starts with the last flight's acceleration.
void clear_propel_flight_state(void);
