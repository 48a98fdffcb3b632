// Propulsion of the user's aircraft: propellers and rotors blade element by
// blade element at four positions around the disc, jets spooling toward the
// throttle. The force build-up calls props or jets once per half-step; they
// add thrust and moments through the accumulators and leave the engines'
// torque, power, speeds, pitches, spool and slipstream in flt. Owns the
// rotors' smoothed accelerations, which live for one flight.
#pragma once

// Engine kinds 1, 2 and 3: the engines' torque, every propeller or rotor,
// then the speeds, pitches and governors and the torque reaction.
void props(void);
// One propeller or rotor i with its hub at body arms (x, y, z), m: its blade
// forces, torque, thrust and slipstream, and its gyroscopic moments.
void aprop(int i, float x, float y, float z);
void jets(void);    // engine kinds 4 and 5; rockets are the build-up's own
// The slipstream increment (m/s) after this half-step for a disc or ring of
// area (m2) pushing thrust (N), the air coming into it at v (m/s); a lag
// from dv_old toward what the momentum of the air allows.
float dv_total(float dv_old, float thrust, float area, float v);
// clear_flight_state calls it: no propeller starts with the last flight's acceleration.
void clear_propel_flight_state(void);
