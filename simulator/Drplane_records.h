// What the aircraft drawing reads of the program it is built into: the
// user's control deflections (flt: ailn_def_L/R, elev_def_L/R, rudd_def_now,
// flap_ratio, pitch_trim), the propellers' cant and speed, the frame's time
// step and tenth-second count, and the blinking-light phase (pulse).
// Airwright's folder holds its own header of this name; Drplane includes it
// with <> so each program's folder, first on its include path, gives its own.
#pragma once
#include "Fltutil.h"
#include "Funct.h"
#include "Initgen.h"

inline float drawn_vert_cant(int prop) { return flt.vert_cant[prop]; }
inline float drawn_side_cant(int prop) { return flt.side_cant[prop]; }
inline float drawn_engine_speed(int prop) { return flt.engine_speed[prop]; }   // rad/s
inline float drawn_frame_dt(void) { return msc.dt; }
inline int   drawn_tenth_count(void) { return msc.tenth_count; }
