// Force accumulators and flight utilities that the force build-up and many
// other modules share: the accumulators add one force and its moments into
// the running sums of flt (aircraft 0); the rest are the lights' blink, the
// drift of the wind layers of atm, the gauge full scales and the airspeed in
// the indicator's unit, the local metres of a latitude and longitude and back
// (over env and the region grid) and fuel flow.
// None keeps state of its own.
#pragma once

// Propulsive forces in body axes (forward, right, up); arms x right, y up,
// z rearward, metres from the centre of gravity.
void  addFaprop(float F, float x, float y);
void  addFsprop(float F, float y, float z);
void  addFnprop(float F, float x, float z);
// Contact forces in heading and vertical axes, with the point's body arms.
void  addFagear(float F, float x, float y);
void  addFsgear(float F, float y, float z);
void  addFngear(float F, float x, float z);
// Aerodynamic force in flight-path axes (a forward along the relative wind,
// s right, n lift); the moments are turned into body axes by beta and alpha.
void  addFaero(float a, float s, float n, float x, float y, float z);

float pulse(float phase);              // 0..1, blinking lights: period pi seconds
void  assign_wind_tbl(float rate);     // rate 0..1 of the way to new random winds; 1 jumps

int   gage_me(float v);                // full scale 1, 2 or 5 x 10^n above v; 0 for no number
float tac_max(void);                   // rpm
float n1__max(void);                   // percent
float mpr_max(void);                   // as the aircraft stores it
float trq_max(void);                   // percent
float ff__max(void);                   // pounds per hour; 0 without an engine

float Z_with_lat(float lat);               // m, south positive
float X_with_latlon(float lat, float lon); // m, east positive
// The way back from local metres, over the same squares and anchors.
float Lat_with_z(float z);                 // degrees
float Lon_with_xlat(float x, float lat);   // degrees; the cosine of lat goes no nearer a pole than 89.9
// The indicated airspeed in the unit of the aircraft's airspeed indicator,
// the unit its Vne and Vfe are stored in: knots, or mph.
float ias_asi(void);
float burnin_fuel(float p);            // kg/s of one engine at power (W) or thrust (N) p
