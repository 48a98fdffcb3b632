// The panel's static faces: drawn once into the panel background while the
// window start-up composes it, in the 800 x 600 panel units.
//   the dials' laws
//   pieces: ticks, bands, engine scales
//   the airspeed and vertical-speed faces
//   engine faces
//   lever slots and handle pictures
#include "P_init.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Initpln.h"
#include "P_update.h"
#include "records.h"

#include <cmath>
#include <cstdlib>

// ---- the dials' laws ----------------------------------------------------------

float asi_dial_units(float knots)
{
    return pln[0].asi_units == 2 ? knots : knots * con.nm_to_sm;
}

float asi_dial_knots(float units)
{
    return pln[0].asi_units == 2 ? units : units / con.nm_to_sm;
}

float asi_dial_angle(float units)
{
    const planestruct& a = pln[0];
    if (!(units > 0)) units = 0;   // a negative speed has no power of 0.3
    return (powf(units, a.ASpwr) - powf(a.Vmin, a.ASpwr)) * ins.asi_scale;
}

float vvi_dial_angle(float offset, float limit) { return fltlim(offset - 90, -limit - 90, limit - 90); }

float engine_dial_angle(float v, float k) { return v * k + 180; }

// ---- pieces ---------------------------------------------------------------------

void paste_picture(const char* name, float x, float y)
{
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    int w, h;
    OGL_texbmp(bmp_window, (int)truncf(x), (int)truncf(y), name, &w, &h);
}

void init_tickmark(float x, float y, float r1, float r2, float a, int colour)
{
    float s = sinf(a * con.degtorad), c = cosf(a * con.degtorad);
    OGL_line(colour, x + r1 * s, y + r1 * c, x + r2 * s, y + r2 * c);
}

// A band between two dial angles. The arc walks a degree at a time, so a
// band from a far-off design value is held to a turn either side: an angle
// past 2^24 would never be walked past.
static void dial_band(int colour, float x, float y, float r1, float r2, float from, float to)
{
    if (!std::isfinite(from) || !std::isfinite(to)) return;
    OGL_arc(colour, x, y, r1, r2, fltlim(from, -360, 720), fltlim(to, -360, 720));
}

// A tape's marks a unit apart; off the tape's own 100 units by far, nothing
// shows, so the walk stops there.
static const float tape_mark_reach = 1000;

void tape_arc_mark(int colour, float x, float y, float r1, float r2, float from, float to, float offset)
{
    if (!pln[0].tape) {
        dial_band(colour, x, y, r1, r2, from + offset, to + offset);
        return;
    }
    if (!std::isfinite(from) || !std::isfinite(to)) return;
    float hi = fminf(to, tape_mark_reach);
    for (float v = fmaxf(from, -tape_mark_reach); v <= hi; v += 1) OGL_line(colour, x - 8, y + v, x - 5, y + v);
}

// The engine scales' steps by full scale: the last row whose threshold the
// full scale exceeds.
struct engine_steps {
    float above;
    int divisor, tick, number;
};
static const engine_steps engine_step_rows[] = {
    {-1, 1, 2, 10},                  {100, 1, 5, 20},         {250, 10, 10, 50},
    {500, 10, 20, 100},              {1000, 100, 50, 200},    {2500, 100, 100, 500},
    {5000, 100, 200, 1000},          {10000, 100, 500, 2000}, {25000, 1000, 1000, 5000},
    {50000, 1000, 2000, 10000},      {100000, 1000, 5000, 20000}, {250000, 1000, 10000, 50000},
    {500000, 1000, 20000, 100000},
};

// The full scales come as whole numbers below 2e9 (gage_me); a scale past
// that is not counted, nor more ticks than any scale of the table has.
static const float engine_scale_reach = 2.0e9f;
static const int engine_ticks_max = 200000;

void tape_arc(const char* label, float x, float y, float v_from, float v_to, float k)
{
    const planestruct& a = pln[0];
    int K = a.paneltype == 1 ? 0 : 39;
    int rows = (int)(sizeof engine_step_rows / sizeof engine_step_rows[0]);
    const engine_steps* st = &engine_step_rows[0];
    for (int r = 1; r < rows; r++)
        if (v_to > engine_step_rows[r].above) st = &engine_step_rows[r];

    if (fabsf(v_from) <= engine_scale_reach && v_to <= engine_scale_reach) {
        long long v = (long long)truncf(v_from);
        for (int i = 0; i < engine_ticks_max && (float)v <= v_to; i++, v += st->tick) {
            long long n = v / st->divisor;
            int digits = n <= 9 ? 1 : (n <= 99 ? 2 : 3);
            int numbered = v % st->number == 0;
            if (!a.tape) {
                float angle = engine_dial_angle((float)v, k);
                init_tickmark(x, y, 22, 23, angle, K);
                // The number at radius 28 in the tick's direction.
                float shift = digits == 1 ? -2.0f : (digits == 2 ? -6.0f : -8.0f);
                float s = sinf(angle * con.degtorad), c = cosf(angle * con.degtorad);
                if (numbered) OGL_number(K, x + 28 * s + shift, y + 28 * c - 4, (float)n, digits, 0, 6, 0);
            } else {
                float t = y + (float)v * k;
                OGL_line(K, x - 7, t, x - 4, t);
                float shift = digits == 1 ? 0.0f : (digits == 2 ? -4.0f : -8.0f);
                if (numbered) OGL_number(K, x + shift - 16, t - 3, (float)n, digits, 0, 6, 0);
            }
        }
    }
    if (!a.tape) {
        OGL_string(K, x + 6, y - 26, label, 999, 6);
    } else {
        OGL_string(K, x - 35, y + 2, label, 999, 6);
        OGL_line(K, x - 4, y, x - 4, y + 100);
    }
}

// ---- the airspeed and vertical-speed faces -------------------------------------

// Tick and number spacing at speed v in dial units. A scale style without
// steps of its own takes the first style's, so no spacing is ever 0.
struct asi_steps {
    int tick, number;
};

static asi_steps asi_steps_at(int v)
{
    const planestruct& a = pln[0];
    if (a.AStype == 2) return v <= 200 ? asi_steps{5, 20} : asi_steps{10, 50};
    float span = a.Vmax - a.Vmin;
    if (span < 150) return {5, 10};
    if (span < 300) return {5, 20};
    if (span < 500) return {10, 40};
    if (span < 600) return {15, 60};
    return {25, 75};
}

// Speeds past this no dial shows: the scale's walk stops short of them.
static const float asi_reach = 100000;

void init_asi(void)
{
    const planestruct& a = pln[0];
    float X = asi_x(), Y = asi_y();
    if (a.entype >= 1 && a.entype <= 3) {
        if (!a.is_heli) {
            dial_band(0, X, Y, 36, 38, asi_dial_angle(a.Vso), asi_dial_angle(a.Vfe));
            dial_band(7, X, Y, 38, 40, asi_dial_angle(a.Vs), asi_dial_angle(a.Vno));
            dial_band(9, X, Y, 38, 40, asi_dial_angle(a.Vno), asi_dial_angle(a.Vne));
        }
        float vne = asi_dial_angle(a.Vne);
        dial_band(8, X, Y, 38, 44, vne - 3, vne + 3);
    }
    if (!(fabsf(a.Vmin) <= asi_reach) || !(fabsf(a.Vmax) <= asi_reach)) return;
    // Below 0 the needle stands where 0 does (its law counts a speed
    // rolling back as 0), so the scale starts there at the lowest.
    int v0 = (int)fmaxf(truncf(a.Vmin), 0), v1 = (int)truncf(a.Vmax);
    for (int v = v0; v <= v1; v++) {
        asi_steps st = asi_steps_at(v);
        float angle = asi_dial_angle((float)v);
        if (v % st.tick == 0) init_tickmark(X, Y, 38, 42, angle, 0);
        if (v % st.number != 0) continue;
        float s = sinf(angle * con.degtorad), c = cosf(angle * con.degtorad);
        int digits = v < 100 ? 2 : 3;
        float shift = v < 100 ? 3.0f : 0.0f;
        OGL_number(0, X + 50 * s - 9 + shift, Y + 50 * c - 3, (float)v, digits, 0, 6, 0);
    }
}

// The needle's stop either side of level on the dials.
static const float vvi_dial_limit = 160;

// Each mark stands where the needle does at that climb: v hundreds of feet a
// minute, through the needle's own scale. With the six-pack's scales (0.08
// degrees per ft/min for the full scale of 2,000 ft/min, 0.032 for 5,000)
// that is interp(-F, -160, F, 160, v) - 90: the full scale falls on the
// stop. A mark the needle cannot reach (a scale finer than the face) would
// pile up on the stop and is left off.
void init_vvi(void)
{
    const planestruct& a = pln[0];
    float X = vvi_x(), Y = vvi_y();
    int fine = a.VVItype == 1;
    int F = fine ? 20 : 50, small_every = fine ? 1 : 2, small_below = fine ? 10 : 50, large_every = fine ? 5 : 10;
    for (int v = -F; v <= F; v++) {
        float offset = ins.vvi_scale * (float)v * 100.0f * con.fpmtomsc;
        if (!(fabsf(offset) <= vvi_dial_limit + 0.5f)) continue;
        float angle = vvi_dial_angle(offset, vvi_dial_limit);
        if (v % small_every == 0 && abs(v) < small_below) init_tickmark(X, Y, 38, 40, angle, 0);
        if (v % large_every != 0) continue;
        init_tickmark(X, Y, 38, 43, angle, 0);
        float s = sinf(angle * con.degtorad), c = cosf(angle * con.degtorad);
        OGL_number(0, X + 50 * s - 4, Y + 50 * c - 3, (float)abs(v), abs(v) < 10 ? 1 : 2, 0, 6, 0);
    }
}

// ---- engine faces -----------------------------------------------------------------

// The gauge's plate under its scale; the ECAM and the aircraft's own panel
// picture bring their own.
static void engine_plate(const char* name, float x, float y)
{
    const planestruct& a = pln[0];
    if (!a.ecam && !a.cp) paste_picture(name, x, y);
}

// Bands are measured from the dial's zero, where the needles put it.
static float dial_zero(void) { return engine_dial_angle(0, 1); }

void init_egt(float x, float y) { engine_plate("pict_egt", x - 28, y); }

void init_tac(float x, float y)
{
    const planestruct& a = pln[0];
    engine_plate("pict_eng", x - 38, y - 38);
    float k = con.rsctorpm * a.gearrat * ins.tac_scale;   // scale position per rad/s
    float lo = a.omegamingreen * k, hi = a.omegamaxgreen * k, z = dial_zero();
    if (a.is_heli) {
        tape_arc_mark(8, x, y, 22, 25, lo - 4, lo + 4, z);
        tape_arc_mark(8, x, y, 22, 25, hi - 4, hi + 4, z);
    } else {
        float top = a.omegamax * k;
        tape_arc_mark(8, x, y, 22, 25, top - 4, top + 4, z);
    }
    tape_arc_mark(7, x, y, 22, 23, lo, hi, z);
    tape_arc("RPM", x, y, 0, tac_max(), ins.tac_scale);
}

void init_n1_(float x, float y)
{
    engine_plate("pict_eng", x - 38, y - 38);
    float full = 100 * ins.n1_scale;
    tape_arc_mark(8, x, y, 22, 25, full - 5, full + 5, dial_zero());
    tape_arc("N1", x, y, 0, n1__max(), ins.n1_scale);
}

void init_mpr(float x, float y)
{
    engine_plate("pict_eng", x - 38, y - 38);
    tape_arc("MP", x, y, 0, mpr_max(), ins.mpr_scale);
}

void init_trq(float x, float y)
{
    engine_plate("pict_eng", x - 38, y - 38);
    tape_arc("TRQ", x, y, 0, trq_max(), ins.trq_scale);
}

void init_ff_(float x, float y)
{
    engine_plate("pict_eng", x - 38, y - 38);
    tape_arc("FF", x, y, 0, ff__max(), ins.ff_scale);
}

// ---- lever slots and handle pictures ------------------------------------------------

// A groove 2 units wide, h tall: shadowed bottom and left, lit top and right.
static void lever_slot(float x, float y, float h)
{
    OGL_line(22, x, y, x + 2, y);
    OGL_line(18, x, y + h, x + 2, y + h);
    OGL_line(22, x, y, x, y + h);
    OGL_line(18, x + 2, y, x + 2, y + h);
}

void init_handle(int id)
{
    const planestruct& a = pln[0];
    float E = eng_x();
    if (id >= slot_throttle_first && id < slot_throttle_first + plane_engines) {
        lever_slot(thro_x[id - slot_throttle_first] + 5.5f + E, 3, 63);
    } else if (id >= slot_prop_first && id < slot_prop_first + plane_engines) {
        lever_slot(prop_x[id - slot_prop_first] + 3.5f + E, 3, 63);
    } else if (id >= slot_mixture_first && id < slot_mixture_first + plane_engines) {
        lever_slot(mixt_x[id - slot_mixture_first] + 3.5f + E, 3, 63);
    } else {
        switch (id) {
        case slot_flaps: lever_slot(E + 664, 72, 63); break;
        case slot_speedbrake: paste_picture(a.autosbrkEQ ? "b_sbrka" : "b_sbrkm", E + 692, 78); break;
        case slot_trim: paste_picture("b_trim", E + 782, 72); break;
        case slot_sweep: paste_picture("b_swee", E + 736, 72); break;
        case slot_vector: paste_picture("b_vect", E + 730, 72); break;
        case slot_carb_heat: lever_slot(E + 791, 3, 62); break;
        default: break;
        }
    }
}
