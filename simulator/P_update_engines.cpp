// The engine gauges' moving parts over their faces: the needles (with the ECAM's numbers) or bars, and the EGT mark.
#include "P_update.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "P_init.h"
#include "records.h"

#include <cmath>

static int is_engine(int e) { return e >= 0 && e < plane_engines; }

// What gauge g of engine e reads this frame: v, unless v or the flight's
// value on the gauge's scale (scaled) is not a finite number. Then the gauge
// has failed for the frame and keeps its last reading.
static float engine_reading(int g, int e, float v, float scaled)
{
    float& held = pnl.engine_held[g][e];
    if (std::isfinite(v) && std::isfinite(scaled)) held = v;
    return held;
}

// Where a dial's ECAM number stands from the centre, and how it reads.
struct ecam_number {
    float dx;
    int digits, decimals, sign;
};
static const ecam_number no_number = {0, 0, 0, 0};

// A bar taller than the panel shows nothing more; bounded, its rows stay countable.
static const float bar_most = 600;

// v in the gauge's units on scale k, at the centre (dial) or foot (bar) (x, y).
static void draw_engine_gauge(float x, float y, float v, float k, float half_width, float number, ecam_number n)
{
    const planestruct& a = pln[0];
    if (a.tape) {
        OGL_fillrect(48, x - 2, y, 5, fltlim(v * k, -bar_most, bar_most));
        return;
    }
    if (a.ecam && n.digits > 0) OGL_number(48, x + n.dx, y - 9, number, n.digits, n.decimals, 6, n.sign);
    plot_needle(x, y, engine_dial_angle(v, k), -5, 22, half_width, a.paneltype == 1 ? 6 : 39);
}

// The mark's fraction far beyond the gauge is off the panel either way.
static const float egt_mark_most = 100;

void update_egt(int e, float x, float y)
{
    // The ECAM shows the exhaust temperature itself: the lag waits meanwhile.
    if (!is_engine(e) || pln[0].ecam) return;
    float target = engine_reading(gauge_egt, e, flt.egt_frac[e], flt.egt_frac[e]);
    float lagged = flt.egt_disp[e] + (target - flt.egt_disp[e]) * msc.dt;
    if (std::isfinite(lagged)) flt.egt_disp[e] = lagged;
    float mark = interp(0, x - 8, 1, x + 22, fltlim(flt.egt_disp[e], -egt_mark_most, egt_mark_most));
    OGL_line(3, mark, y + 8, mark, y + 12);
}

// The needle reads engine rpm: the flight's speed is the propeller's, and
// the scale's full value is engine rpm too. The ECAM prints the speed
// without the gear ratio.
void update_tac(int e, float x, float y)
{
    if (!is_engine(e)) return;
    float gear = pln[0].gearrat, k = ins.tac_scale;
    float rpm = flt.engine_speed[e] * con.rsctorpm;
    rpm = engine_reading(gauge_tac, e, rpm, rpm * gear * k);
    draw_engine_gauge(x, y, rpm * gear, k, 2, rpm, {-7, 4, 0, 0});
}

void update_n1_(int e, float x, float y)
{
    if (!is_engine(e)) return;
    float k = ins.n1_scale;
    float v = engine_reading(gauge_n1, e, flt.jet_n1[e], flt.jet_n1[e] * k);
    draw_engine_gauge(x, y, v, k, 2, v, {-7, 3, 0, 0});
}

void update_mpr(int e, float x, float y)
{
    if (!is_engine(e)) return;
    float k = ins.mpr_scale;
    float v = engine_reading(gauge_mpr, e, flt.manifold_p[e], flt.manifold_p[e] * k);
    draw_engine_gauge(x, y, v, k, 2, v, {-7, 4, 1, 1});
}

// Percent of the torque at full power and full speed; an aircraft without
// either has no such torque, and its gauge shows 0.
void update_trq(int e, float x, float y)
{
    if (!is_engine(e)) return;
    const planestruct& a = pln[0];
    float k = ins.trq_scale, pct = 0;
    if (a.pmax != 0 && a.omegamax != 0) pct = flt.eng_torque[e] / (a.pmax / a.omegamax) * 100;
    pct = engine_reading(gauge_trq, e, pct, pct * k);
    draw_engine_gauge(x, y, pct, k, 2, pct, {-10, 5, 0, 1});
}

// Pounds an hour, from zero (no flow back into the tanks) to full scale.
void update_ff_(int e, float x, float y)
{
    if (!is_engine(e)) return;
    float k = ins.ff_scale;
    float flow = flt.fuel_flow[e] * con.kgstolbs * 3600;
    float v = engine_reading(gauge_ff, e, fltlim(flow, 0, ff__max()), flow * k);
    draw_engine_gauge(x, y, v, k, 1, v, no_number);
}
