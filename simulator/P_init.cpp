// The panel's static faces. Until the faces are built, the routines draw
// nothing: the window start-up already calls each where and when its face
// belongs.
#include "P_init.h"
#include "HL_FUNCT.h"
#include "records.h"

#include <cmath>

float asi_dial_units(float knots)
{
    return pln[0].asi_units == 2 ? knots : knots * con.nm_to_sm;
}

float asi_dial_angle(float units)
{
    const planestruct& a = pln[0];
    if (!(units > 0)) units = 0;   // a negative speed has no power of 0.3
    return (powf(units, a.ASpwr) - powf(a.Vmin, a.ASpwr)) * ins.asi_scale;
}

float vvi_dial_angle(float offset, float limit) { return fltlim(offset - 90, -limit - 90, limit - 90); }

float engine_dial_angle(float v, float k) { return v * k + 180; }

void init_asi(void) {}
void init_vvi(void) {}
void init_egt(float, float) {}
void init_tac(float, float) {}
void init_mpr(float, float) {}
void init_trq(float, float) {}
void init_n1_(float, float) {}
void init_ff_(float, float) {}
void init_handle(int) {}
