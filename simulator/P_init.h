// The panel's static faces: the scales of the airspeed and vertical-speed
// dials and the engine gauges, their pictures, and the lever slots and
// handle pictures, drawn once into the panel background while the window
// start-up composes it (to_array set). Owns nothing.
#pragma once

// The dials' laws: each face marks its scale with the law its needle is
// drawn by, so a mark and the needle at its value cannot drift apart.
// Airspeed in the dial's units (mph unless asi_units is 2) from knots.
float asi_dial_units(float knots);
// Its inverse: a speed stored in the dial's units (the design's Vso ... Vne) in knots.
float asi_dial_knots(float units);
// The airspeed dial's angle of a speed in its units: Vmin straight up, Vmax
// 330 degrees on; a speed below 0 (rolling back) counts as 0.
float asi_dial_angle(float units);
// The vertical-speed needle's angle for its offset (degrees from level):
// level at 9 o'clock, a climb clockwise, limit degrees either way at most.
float vvi_dial_angle(float offset, float limit);
// An engine dial's angle of value v on scale k: zero straight down.
float engine_dial_angle(float v, float k);

// The faces' pieces, angles as the dials': degrees clockwise from straight up.
// One tick from radius r1 to r2 about (x, y).
void init_tickmark(float x, float y, float r1, float r2, float a, int colour);
// An engine gauge's scale from v_from to v_to on scale k, its numbers and
// label: a dial about (x, y), or a tape rising from its foot (x, y).
void tape_arc(const char* label, float x, float y, float v_from, float v_to, float k);
// A coloured range of an engine gauge from..to: on a dial a band of radii r1
// to r2 between the angles from + offset and to + offset, on a tape a row of
// marks at heights from..to above the foot.
void tape_arc_mark(int colour, float x, float y, float r1, float r2, float from, float to, float offset);

void init_asi(void);
void init_vvi(void);
// Engine gauge faces with their centre (dial) or foot (tape) at (x, y).
void init_egt(float x, float y);
void init_tac(float x, float y);
void init_mpr(float x, float y);
void init_trq(float x, float y);
void init_n1_(float x, float y);
void init_ff_(float x, float y);
// The bitmap name of the program's pictures with its lower-left corner at
// the whole unit below (x, y) of the panel picture.
void paste_picture(const char* name, float x, float y);
// One lever slot or handle picture by its id.
const int slot_flaps = 7;
const int slot_speedbrake = 8;
const int slot_trim = 9;
const int slot_sweep = 10;
const int slot_vector = 11;
const int slot_throttle_first = 12;   // 12..15 by engine
const int slot_prop_first = 16;       // 16..19
const int slot_mixture_first = 20;    // 20..23
const int slot_carb_heat = 24;
void init_handle(int id);
