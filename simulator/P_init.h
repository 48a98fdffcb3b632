// The panel's static faces: the scales of the airspeed and vertical-speed
// dials and the engine gauges, their pictures, and the lever slots and
// handle pictures, drawn once into the panel background while the window
// start-up composes it (to_array set). Owns nothing.
#pragma once

void init_asi(void);
void init_vvi(void);
// Engine gauge faces with their centre (dial) or foot (tape) at (x, y).
void init_egt(float x, float y);
void init_tac(float x, float y);
void init_mpr(float x, float y);
void init_trq(float x, float y);
void init_n1_(float x, float y);
void init_ff_(float x, float y);
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
