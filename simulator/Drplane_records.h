// What the aircraft drawing reads of the program it is built into: the
// user's flight state (flt: surface deflections, flap_ratio, pitch_trim,
// engine_speed, vert_cant, side_cant), the frame (msc.dt, msc.tenth_count)
// and the blinking-light phase (pulse). Airwright's folder holds its own
// header of this name; Drplane includes it with <> so each program's folder,
// first on its include path, gives its own.
#pragma once
#include "Fltutil.h"
#include "Funct.h"
#include "Initgen.h"
