// The force build-up of the user's aircraft: airfoil coefficients, element
// forces and control-surface increments; ground and water contact; the totals
// and accelerations; and the force report's lines while it is switched on.
// Reads the aircraft and airfoil records and flt; writes flt's sums and rates.
#pragma once
#include <iosfwd>

// ---- force build-up --------------------------------------------------------
//
// Once per half-step the flight step calls set_a: every force and moment on
// the user's aircraft (engines, rockets, JATO, puffers, each element of each
// wing-like part with its devices, propwash and downwash, the bodies, tyres,
// brakes and chute, ground and water contact, the wire, propeller torque)
// into flt's sums; it ends with set_a2.
void  set_a(void);
// Start of the run: the side an asymmetric flap failure keeps is drawn
// again on the next build-up.
void  clear_buildup_run_state(void);
// clear_fltcalc_flight_state calls it: no rates to predict from, no contacts.
void  clear_buildup_flight_state(void);

// ---- airfoil coefficients, element force, control surfaces ----------------
//
// One element of the user's aircraft at a time (pln[0], afl[0], flt): the
// force build-up and the propeller's blade elements call F_el_force, which
// picks the subsonic or supersonic coefficients. Angles in degrees, speeds
// in m/s, Reynolds numbers in millions.

// One lookup in the [part][tip][highre] airfoil of aircraft 0 at alpha, with
// the finite-wing and slat corrections; sets part_stalled[part] and may set
// stall_warn.
void  anyfoil(float alpha, float* cl, float* cd, float* cm, int part, int tip, int highre, int element);
// The element's coefficients below Mach 1: four lookups blended by Reynolds
// number and span, plus the control increments and the finite-wing, induced,
// ground-effect, compressibility, delta-wing and ice corrections.
void  Fco_subsonic(float dcl, float dcd, float dcm, float* cl, float* cd, float* cm, int part, int element);
// The same at Mach 1 and above: a double wedge of four flat panels.
void  Fco_supersonic(float dcl, float dcd, float dcm, float* cl, float* cd, float* cm, int part, int element);
// Adds one flat panel's share (weight) at alpha to *cl and *cd.
void  supersonic_flatplate(float alpha, float* cl, float* cd, float mach, float weight);
// Lift and drag (N, in flight-path axes) and moment (N m) of one element;
// returns its lift coefficient before the flow-direction turn.
float F_el_force(float dcl, float dcd, float dcm, float* lift, float* drag, float* moment, int part, int element);
// Coefficient increments of a control device of kind 5 (plain), 6 (spoiler),
// 7 (speedbrake) or 8 (drag rudder) at deflection def (deg) over the chord
// ratio crat; name labels the report only.
void  set_con_eff(int part, int kind, float crat, float def, float* dcl, float* dcd, float* dcm, const char* name);
// The angle of attack (deg) that a lift increment dcl on part amounts to; 0
// above Mach 1.
float induce_alpha(float dcl, int part);

// ---- ground and water contact, totals and accelerations -------------------
//
// Contact points and float points of aircraft 0 add their forces to the gear
// sums through the accumulators; set_a2 closes each half-step's build-up.
// Arms x right, y up, z aft, metres from the centre of gravity.

// One contact point n (0 nose wheel, 1 and 2 left and right main, 3..6 skid
// ends, 7 body points, 8 part tips) against the ground or a deck: spring and
// damper, rolling or braking and side friction, and the yaw rate of a steered
// nose wheel or a skid. Fills condef[n]; 1 when it touches and pushed.
int   handle_contact_point(int n, float x, float y, float z, float spring, float damper,
                           float mu_roll, float mu_side);
// One point of a float or hull (part, station, point around the section)
// against water whose surface is water_h (m): buoyancy, damping, planing,
// friction, side resistance and the water rudder. 1 when it is wet.
int   handle_float_point(int part, int station, int point, float x, float y, float z, float water_h);
// The last step of a build-up: the aerotow rope, the sums into the earth
// frame, and the accelerations a_x, a_y, a_z and Pdot, Qdot, Rdot of flt.
// With force_report on, each writes its own lines of the report.
void  set_a2(void);
// clear_flight_state calls it: the tow wobble's phases start again from 0,
// and the build-up forgets the last flight's rates and contacts.
void  clear_fltcalc_flight_state(void);

// ---- force report ------------------------------------------------------------
//
// While set.force_report is on, the build-up explains one cycle in trk. Its
// numbers are in fixed notation: a width and a number of decimals per value;
// the decimals stay set on the stream for the values written after. The
// loader's build-up report writes its numbers and rules through the same two.

// Writes v to trk, right-aligned in width, with the given decimals; returns
// trk for the text that follows.
std::ostream& report_value(float v, int width, int decimals);
// head, then v as report_value writes it, then tail: a labelled number.
void report_line(const char* head, float v, int width, int decimals, const char* tail);
// A heading line in bullets to the 100th column: three, the text, the rest.
// An empty text draws a plain rule.
void report_title_line(const char* text);
// The running aerodynamic and propulsive totals; they write whenever called,
// the caller tests force_report.
void aeroforcerep(void);
void propforcerep(void);
