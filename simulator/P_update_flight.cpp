// The flight instruments' moving parts. Sections: readings, airspeed, altimeter, vertical speed, attitude, turn.
#include "P_update.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "P_init.h"
#include "records.h"

#include <GL/gl.h>
#include <cmath>

// ---- readings ------------------------------------------------------------------

// A flight value the instrument can read: one that is not a number, or lies
// beyond anything the dial could turn into a whole count, fails the
// instrument for the frame and it keeps its last reading.
static int readable(float v, float limit) { return std::isfinite(v) && fabsf(v) <= limit; }

// A lagged reading moves toward its target by t of the way; a step that is
// not a number leaves it where it was.
static void lag_toward(float* shown, float target, float t)
{
    float v = closer_assymp(*shown, target, t);
    if (std::isfinite(v)) *shown = v;
}

// ---- airspeed ------------------------------------------------------------------

static float dial_angle_of_knots(float knots) { return asi_dial_angle(asi_dial_units(knots)); }

// The design's speeds are in the dial's units; the glass bugs work in knots.
static void glass_airspeed(float x, float y)
{
    const planestruct& a = pln[0];
    float s = fmaxf(pnl.asi_kts, 0);   // rolling back shows 0
    plot_tape_bug(39, x + 20, y, 51, (asi_dial_knots(a.Vso) - s) * 2.0f);
    plot_tape_bug(48, x + 20, y, 51, (asi_dial_knots(a.Vs) - s) * 2.0f);
    plot_tape_bug(42, x + 20, y, 51, (asi_dial_knots(a.Vno) - s) * 2.0f);
    plot_tape_bug(45, x + 19, y, 51, (asi_dial_knots(a.Vne) - s) * 2.0f);
    plot_glass_tape(39, x, x + 20, y, 51, 5.0f, s, 5.0f, 10, 2.0f, tape_vertical);
    OGL_number(48, x, y - 3, fltlim(s, 0, 999), 3, 0, 6, 0);
    OGL_number(44, x + 9, y - 61, pnl.mach, 4, 3, 6, 0);
}

void update_airspeed(void)
{
    const planestruct& a = pln[0];
    float x = asi_x(), y = asi_y();
    int speed_read = readable(flt.ias_kts, 1e5f);
    if (speed_read) pnl.asi_kts = flt.ias_kts;
    if (readable(flt.mach, 1e3f)) pnl.mach = flt.mach;
    if (a.paneltype != 1) {
        glass_airspeed(x, y);
        return;
    }

    if (panel_system_ok(sys_airspeed) && speed_read) {
        float angle = dial_angle_of_knots(flt.ias_kts);
        if (std::isfinite(angle)) pnl.asi_angle = fltlim(angle, 0, 330);
    }
    // The drum's strip has no place below 0: rolling back shows 0, as the needle does.
    if (a.AStype == 3) plot_tape(1, x, y - 28, (float)(intround(fmaxf(pnl.asi_kts, 0)) % 100));
    plot_needle(x, y, pnl.asi_angle, -5, 45, 3, 6);

    // The maximum operating Mach number as an indicated speed, never past
    // Vne; it moves with the indicator failed too.
    if (a.entype >= 4 && a.entype <= 6) {
        float vmax = fltlim(a.Mmo * atm.a_sound * sqrtf(atm.sigma) * con.msctokts, 0, asi_dial_knots(a.Vne));
        float angle = fltlim(fltwrap(dial_angle_of_knots(vmax), 0, 360), 0, 350);
        if (std::isfinite(vmax) && std::isfinite(angle)) pnl.mmo_angle = angle;
        plot_needle(x, y, pnl.mmo_angle, 20, 45, 2, 8);
    }
}

// ---- altimeter ------------------------------------------------------------------

static void glass_altitude(float x, float y)
{
    float a = pnl.alt_ft;
    float r = fltnear(a, 10);
    // Ground plus the decision height, 0.1 units a foot from the tape's centre.
    float above_ground_ft = ((float)flt.pos_y[0] - env.ground_h) * con.mtrstoft;
    plot_tape_bug(45, x - 8, y, 51, -(above_ground_ft - ins.dh_ft) * 0.1f);
    plot_glass_tape(39, x, x - 8, y, 51, 999.0f, a * 0.1f, 10.0f, 1, 1.0f, tape_vertical);
    OGL_number(39, x, y + 42, truncf(r + 500), 5, 0, 6, 0);
    OGL_number(48, x, y - 3, r, 5, 0, 6, 0);
    OGL_number(39, x, y - 48, fmaxf(truncf(r - 500), 0), 5, 0, 6, 0);
    if (pln[0].us_alt) OGL_number(44, x + 4, y - 61, ins.altim_set, 4, 2, 6, 0);
    else OGL_number(44, x + 4, y - 61, ins.altim_set * 1013.0f * 0.03342245989304812f, 4, 0, 6, 0);
}

void update_alt(void)
{
    float x = alt_x(), y = alt_y();
    float ft = flt.alt_now * con.mtrstoft;
    if (pln[0].paneltype != 1) {
        if (readable(ft, 1e7f)) pnl.alt_ft = ft;
        glass_altitude(x, y);
        return;
    }
    // 360 counts a thousand feet; below sea level the count wraps once.
    if (panel_system_ok(sys_altimeter) && readable(ft, 999999))
        pnl.alt_count = (int)truncf(fltwrap(ft, 0, 999999) * 0.36f);
    int count = pnl.alt_count;
    if (pln[0].us_alt) plot_vtape(x + 9, y, ins.altim_set * 100.0f);
    else plot_vtape(x + 9, y, ins.altim_set * 33.85695187165775f);   // hectopascals
    plot_vtape(x - 17, y - 16, (float)count / 36.0f);                   // hundreds of feet
    plot_needle(x, y, (float)((count / 10) % 360), -5, 30, 4, 12);
    plot_needle(x, y, (float)(count % 360), -10, 44, 3, 6);
}

// ---- vertical speed -----------------------------------------------------------------

void update_vvi(void)
{
    int dials = pln[0].paneltype == 1;
    float target = ins.vvi_scale * (float)flt.vel_y;
    if (panel_system_ok(sys_vsi) && std::isfinite(target)) lag_toward(&pnl.vvi_shown, target, msc.dt);
    float angle = vvi_dial_angle(pnl.vvi_shown, dials ? 160.0f : 90.0f);
    if (dials) plot_needle(vvi_x(), vvi_y(), angle, -10, 40, 4, 6);
    else plot_needle(vvi_x(), vvi_y(), angle, 0, 23, 1, 39);
}

// ---- attitude -------------------------------------------------------------------------

// Both sides of the horizon through (hx, hy) over the inner window (inner
// set) or the bank ring, in one line batch.
static void horizon_fill(float hx, float hy, int f, float slope, int inner, int sky, int ground)
{
    glBegin(GL_LINES);
    OGL_setcolor(sky);
    plot_ahregion(hx, hy, f, !f, slope, inner);
    OGL_setcolor(ground);
    plot_ahregion(hx, hy, !f, f, slope, inner);
    glEnd();
}

static void glass_bank_strip(float x, float y, int bank, float slip)
{
    static const int ticks[9] = {-45, -30, -20, -10, 0, 10, 20, 30, 45};
    float half = pln[0].ah_semidim_flt;
    float u = x - fltwrap((float)bank, -180, 180);
    for (int k : ticks) {
        float tx = u + (float)k;
        float foot = (k % 30 == 0 || k == 45 || k == -45) ? 45.0f : 47.0f;
        if (fltrange(tx, x - half, x + half)) OGL_line(39, tx, y + foot, tx, y + 50);
    }
    float sx = x + slip;
    OGL_line(39, sx - 2, y + 46, sx + 2, y + 46);
    OGL_line(39, sx - 2, y + 45, sx + 2, y + 45);
}

static void aircraft_symbol(float x0, float y0, int dials)
{
    if (dials) {
        glLineWidth(3.0f);
        OGL_line(6, x0 - 5, y0 + 43, x0, y0 + 48);
        OGL_line(6, x0, y0 + 48, x0 + 5, y0 + 43);
        OGL_line(6, x0 - 25, y0, x0 - 5, y0);
        OGL_line(6, x0 - 5, y0, x0, y0 - 5);
        OGL_line(6, x0, y0 - 5, x0 + 5, y0);
        OGL_line(6, x0 + 5, y0, x0 + 25, y0);
        glLineWidth(1.0f);
        return;
    }
    OGL_line(39, x0 - 7, y0 + 37, x0, y0 + 44);
    OGL_line(39, x0, y0 + 44, x0 + 7, y0 + 37);
    OGL_fillrect(42, x0 - 25, y0 - 1, 18, 3);
    OGL_fillrect(42, x0 + 8, y0 - 1, 18, 3);
    OGL_fillrect(42, x0 - 10, y0 - 5, 3, 4);
    OGL_fillrect(42, x0 + 8, y0 - 5, 3, 4);
    OGL_fillrect(42, x0 - 2, y0 - 2, 5, 5);
    OGL_fillrect(29, x0 - 1, y0 - 1, 3, 3);
    OGL_line(29, x0 - 24, y0, x0 - 9, y0);
    OGL_line(29, x0 - 9, y0, x0 - 9, y0 - 4);
    OGL_line(29, x0 + 9, y0 - 4, x0 + 9, y0);
    OGL_line(29, x0 + 9, y0, x0 + 24, y0);
}

void update_arthoriz(void)
{
    const planestruct& a = pln[0];
    int dials = a.paneltype == 1;
    int line = dials ? 6 : 39;
    float x = ah_x(), y = ah_y();

    // A failed gyro (or one whose reading is not a number) shows level flight.
    float p = 0;
    int b = 0;
    if (panel_system_ok(sys_attitude) && readable(ins.ah_pitch, 1e6f) && readable(ins.ah_roll, 1e6f)) {
        p = ins.ah_pitch * 1.5f;
        b = degwrap((int)truncf(fltwrap(ins.ah_roll, 0, 360)));   // truncated, not rounded
    }
    float slip = 0;
    if (!dials && flt.gnd_speed[0] >= 1.0f && std::isfinite(flt.beta)) slip = fltlim(-flt.beta * 5.0f, -40, 40);

    float c = lookup_cos[b], s = lookup_sin[b];
    // Level at 0 and 180, where the sine vanishes: both lie in the side
    // selector's first group, whose spans want the steep positive slope.
    float slope = b % 180 == 0 ? 999.0f : fltlim(c / s, -999, 999);
    float hx = x + p * s, hy = y - p * c;
    int f = intrange(b, 90, 179) || intrange(b, 270, 359);
    int inverted = intrange(b, 90, 269);

    int sky = dials ? 35 : 54, ground = dials ? 37 : 55;
    if (inverted) bol_switch(&sky, &ground);
    horizon_fill(hx, hy, f, slope, 1, sky, ground);

    // A ladder line with either end near the window's edge is left out whole.
    float e = a.ah_semidim_flt - 12;
    for (int q = -30; q <= 30; q += 5) {
        if (q == 0) continue;
        float d = (float)q * 1.5f + p;
        float cx = x + d * s, cy = y - d * c;
        float h = q % 10 == 0 ? 14.0f : 7.0f;
        float x1 = cx - c * h, y1 = cy - s * h, x2 = cx + c * h, y2 = cy + s * h;
        if (fltbox(x1, y1, x - e, y - e, x + e, y + e) && fltbox(x2, y2, x - e, y - e, x + e, y + e))
            OGL_line(line, x1, y1, x2, y2);
    }

    if (dials) {
        // The ring outside the window banks with the horizon but does not pitch.
        int ring_sky = 34, ring_ground = 36;
        if (inverted) bol_switch(&ring_sky, &ring_ground);
        horizon_fill(x, y, f, slope, 0, ring_sky, ring_ground);
        for (int k = -60; k <= 60; k += 10) {
            int at = intwrap(k + b, 0, 359);
            float r = k % 30 == 0 ? 56.0f : 52.0f;
            float sx = -lookup_sin[at], cy = lookup_cos[at];
            OGL_line(6, x + sx * 49, y + cy * 49, x + sx * r, y + cy * r);
        }
    } else {
        glass_bank_strip(x, y, b, slip);
    }

    float x0 = x, y0 = y + set.ah_adjust;
    aircraft_symbol(x0, y0, dials);
    if (!dials && atm.wind_shear && set.snd_warnings && a.bitchinbettyEQ)
        OGL_string(42, x0 - 32, y0 + 20, "WIND SHEAR!", 999, 6);
}

// ---- turn -----------------------------------------------------------------------------------

void update_turnslip(void)
{
    float x = ts_x(), y = ts_y();
    // A standard-rate turn of 3 degrees a second stands the needle at 30.
    if (panel_system_ok(sys_turn) && std::isfinite(flt.yaw_rate))
        lag_toward(&pnl.turn_angle, fltlim(flt.yaw_rate * 10.0f, -55, 55), msc.dt);
    float angle = pnl.turn_angle;
    if (pln[0].TStype == 1) {
        plot_needle(x, y + 1, angle + 270, 0, 31, 2, 6);
        plot_needle(x, y - 1, angle, 0, 15, 2, 6);
        plot_needle(x, y, angle + 90, 0, 31, 2, 6);
    } else {
        plot_needle(x, y - 1, angle, 0, 40, 4, 6);
    }

    // The ball rides on the forces, failed needle or not; the normal force
    // is kept a tenth of a newton from zero.
    float side = flt.F_prop_side + flt.F_aero_side + flt.F_gear_side;
    float normal = flt.F_prop_normal + flt.F_aero_normal + flt.F_gear_vertical;
    if (std::isfinite(side) && std::isfinite(normal)) {
        float ratio = side / fallout(normal, -0.1f, 0.1f);
        lag_toward(&pnl.ball_offset, fltlim(atanf(ratio) * con.radtodeg * 4.0f, -15, 15), msc.dt * 0.5f);
    }
    OGL_fillrect(0, x - pnl.ball_offset - 1, y - 46, 3, 6);   // a side force pushes it left
}
