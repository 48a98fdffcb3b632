// The instrument panel's frame and its drawing primitives.
//   run state and held readings
//   drawing primitives: needles, lamps, cards, attitude spans, tapes, handles
//   the frame: gyros, compass, status line, lamps, readouts, instruments,
//     engine gauges, position marks, handles
#include "P_update.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "P_init.h"
#include "records.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>

// ---- run state and held readings ---------------------------------------------

panelrunstruct pnl;
panelhandlelist panel_handles;

static_assert(held_count == panel_held_readings, "each held reading has its place in the run state");

float panel_hold(int id, float v)
{
    if (std::isfinite(v)) pnl.held[id] = v;
    return pnl.held[id];
}

static float hold(int id, float v) { return panel_hold(id, v); }

void clear_panel_run_state(void)
{
    pnl = panelrunstruct();
    panel_handles.count = 0;
}

float panel_wrap360(float v)
{
    v = fmodf(v, 360.0f);
    return v < 0 ? v + 360.0f : v;
}

int panel_whole_deg(float v)
{
    if (!std::isfinite(v)) return 0;
    return degwrap((int)truncf(fmodf(v, 360.0f)));
}

// A lever's place between two stops; when both ends of its travel are the
// same setting it stands at its low end.
static float lever_y(float v1, float y1, float v2, float y2, float v)
{
    if (v1 == v2) return y1;
    return interp(v1, y1, v2, y2, v);
}

// ---- drawing primitives ---------------------------------------------------------

void plot_needle(float x, float y, float angle, float r_tail, float r_tip, float half_width, int colour)
{
    float s = sinf(angle * con.degtorad), c = cosf(angle * con.degtorad), w = half_width;
    OGL_setcolor(colour);
    OGL_setstate(0, 1, 0, 0);
    glEnable(GL_BLEND);
    OGL_bindtex(tex_needle);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(x + r_tail * s - w * c, y + r_tail * c + w * s);
    glTexCoord2f(0, 1); glVertex2f(x + r_tip * s - w * c, y + r_tip * c + w * s);
    glTexCoord2f(1, 1); glVertex2f(x + r_tip * s + w * c, y + r_tip * c - w * s);
    glTexCoord2f(1, 0); glVertex2f(x + r_tail * s + w * c, y + r_tail * c - w * s);
    glEnd();
    glDisable(GL_BLEND);
    OGL_setstate(0, 0, 0, 0);
}

void plot_pointer(float x, float y, int colour)
{
    OGL_line(colour, x, y, x + 2, y - 5);
    OGL_line(colour, x + 2, y - 5, x - 2, y - 5);
    OGL_line(colour, x - 2, y - 5, x, y);
}

void plot_gs(float x, float y)
{
    const planestruct& a = pln[0];
    static const int colour[3] = {3, 9, 15};
    for (int k = 0; k < 3; k++) {
        float row = y + 1 - k;
        if (row == (float)a.gsy1 || row == (float)a.gsy2) continue;   // the scale's end rows
        OGL_line(a.paneltype == 2 ? 42 : colour[k], x, row, x + a.gsw, row);
    }
}

void plot_efis_light(float x, float y, int lit)
{
    OGL_fillrect(lit ? 50 : 52, x, y, 4, 3);
    OGL_line(lit ? 47 : 51, x + 1, y + 1, x + 2, y + 1);
    OGL_line(lit ? 51 : 53, x, y + 3, x + 4, y + 3);
    OGL_line(lit ? 51 : 53, x + 4, y, x + 4, y + 3);
}

void plot_argus_button(float x, float y, int kind)
{
    static const char* const label[3] = {"DP", "EN", "AR"};
    int pair = (kind - argus_dp_on) / 2;
    if (pair < 0 || pair > 2) return;
    int selected = (kind - argus_dp_on) % 2 == 0;
    OGL_fillrect(selected ? 50 : 29, x + 1, y + 1, 13, 12);
    OGL_string(selected ? 47 : 50, x + 3, y + 3, label[pair], 99, 6);
}

void plot_marker(float x, float y, int kind)
{
    // fill, top-and-left edge, bottom-and-right edge
    static const int colours[6][3] = {
        {16, 10, 29}, {67, 64, 70}, {15, 9, 29}, {66, 63, 69}, {18, 12, 22}, {65, 62, 68},
    };
    static const char* const letters[3] = {"OM", "MM", "IM"};
    int k = kind - marker_outer_dark;
    if (k < 0 || k > 5) return;
    const int* c = colours[k];
    OGL_fillrect(c[0], x + 1, y + 1, 13, 9);
    OGL_line(c[1], x, y + 10, x + 14, y + 10);
    OGL_line(c[1], x, y, x, y + 10);
    OGL_line(c[2], x, y, x + 14, y);
    OGL_line(c[2], x + 14, y, x + 14, y + 10);
    if (k % 2 == 0) OGL_string(c[2], x + 2, y + 2, letters[k / 2], 99, 6);
}

void plot_dg(float x, float y, int heading, float half_size)
{
    float R = pythag(half_size, half_size);
    int h = degwrap(heading);
    static const float st[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    if (pln[0].paneltype == 1) glColor3f(ins.lite_rgb[0], ins.lite_rgb[1], ins.lite_rgb[2]);
    else glColor3f(1, 1, 1);
    OGL_setstate(0, 1, 0, 0);
    glEnable(GL_BLEND);
    OGL_bindtex(tex_dg);
    glBegin(GL_QUADS);
    for (int k = 0; k < 4; k++) {
        int a = intwrap(225 + 90 * k - h, 0, 359);
        glTexCoord2f(st[k][0], st[k][1]);
        glVertex2f(x + R * lookup_sin[a], y + R * lookup_cos[a]);
    }
    glEnd();
    glDisable(GL_BLEND);
    OGL_setstate(0, 0, 0, 0);
}

void plot_hline(int row, float hx, float hy, float* x_left, float* x_right, float slope, int clip_left,
                int clip_right)
{
    float ry = ins.ins_y[ins_ah] - pln[0].ah_semidim_int + row;
    float xh = (ry - hy) * slope + hx;
    if (!((clip_left && xh < x_right[row]) || (clip_right && x_left[row] < xh))) return;
    float left = x_left[row], right = x_right[row];
    if (clip_left && xh > left) left = xh;
    if (clip_right && xh < right) right = xh;
    glVertex2f(mnw.x + left + 0.5f, mnw.y + ry + 0.5f);
    glVertex2f(mnw.x + right + 1.5f, mnw.y + ry + 0.5f);
}

// The face's row tables hold 118 rows.
static const int ah_rows = 118;

static void ah_rows_between(int from, int to, float hx, float hy, float* x_left, float* x_right, float slope,
                            int clip_left, int clip_right)
{
    for (int row = intlim(from, 0, ah_rows); row <= to && row < ah_rows; row++)
        plot_hline(row, hx, hy, x_left, x_right, slope, clip_left, clip_right);
}

void plot_ahregion(float hx, float hy, int clip_left, int clip_right, float slope, int inner)
{
    planestruct& a = pln[0];
    if (inner) {
        ah_rows_between(a.ah_bot_prim, a.ah_top_prim, hx, hy, a.ahx1_prim, a.ahx2_prim, slope, clip_left, clip_right);
        return;
    }
    ah_rows_between(a.ah_bot_roll, a.ah_bot_prim - 1, hx, hy, a.ahx1_roll, a.ahx2_roll, slope, clip_left, clip_right);
    ah_rows_between(a.ah_bot_prim, a.ah_top_prim, hx, hy, a.ahx1_roll, a.ahx1_prim, slope, clip_left, clip_right);
    ah_rows_between(a.ah_bot_prim, a.ah_top_prim, hx, hy, a.ahx2_prim, a.ahx2_roll, slope, clip_left, clip_right);
    ah_rows_between(a.ah_top_prim + 1, a.ah_top_roll, hx, hy, a.ahx1_roll, a.ahx2_roll, slope, clip_left, clip_right);
}

void plot_tape_bug(int colour, float x, float y, float half_height, float offset)
{
    if (!std::isfinite(offset) || fabsf(offset) > 1e6f) return;
    float o = truncf(offset);
    if (o < truncf(2 - half_height) || o > truncf(half_height - 2)) return;
    glLineWidth(5);
    OGL_line(colour, x, y + offset, x + 3, y + offset);
    glLineWidth(1);
}

// More ticks than this cannot be told apart on any tape.
static const int glass_tape_ticks_max = 2000;

void plot_glass_tape(int colour, float label_pos, float edge, float centre, float half_length, float box_half,
                     float value, float step, int label_every, float scale, int orient)
{
    if (!std::isfinite(value) || fabsf(value) > 1e7f || !(step > 0) || !(scale > 0) || !std::isfinite(scale)) return;
    float f = (half_length + 15) / scale;
    float lo = fltnear(value - f, step), hi = fltnear(value + f, step);
    if (orient == tape_vertical && lo < 0) lo = 0;
    // Counted in whole steps: at a large value a float step would vanish.
    int ticks = (int)fminf(floorf((hi - lo) / step + 0.5f), (float)glass_tape_ticks_max);
    int box_lo = (int)truncf(centre - box_half - 3), box_hi = (int)truncf(centre + box_half + 3);

    glEnable(GL_SCISSOR_TEST);
    if (orient == tape_vertical)
        glScissor((int)((edge - 25) * mnw.XRAT), (int)((centre - half_length) * mnw.YRAT), (int)(50 * mnw.XRAT),
                  (int)(2 * half_length * mnw.YRAT));
    else
        glScissor((int)((centre - half_length) * mnw.XRAT), (int)((edge - 25) * mnw.YRAT),
                  (int)(2 * half_length * mnw.XRAT), (int)(50 * mnw.YRAT));
    for (int k = 0; k <= ticks; k++) {
        float v = lo + step * (float)k;
        float p = (v - value) * scale + centre;
        if (orient == tape_vertical) OGL_line(colour, edge, p, edge + 3, p);
        else OGL_line(colour, p, edge, p, edge + 3);
        int ip = (int)truncf(p);
        if (label_every <= 0 || intround(fabsf(v)) % label_every != 0) continue;
        if (ip >= box_lo && ip <= box_hi) continue;   // the current-value box
        if (orient == tape_vertical) OGL_number(colour, label_pos, p - 3, v, 3, 0, 6, 0);
        else OGL_number(colour, p - 8, label_pos, panel_wrap360(v), 3, 0, 6, 0);   // north is 0, never 360
    }
    glDisable(GL_SCISSOR_TEST);
}

void plot_handle(float x, float y, float width, float height, int kind)
{
    float s0 = 0.25f * (float)(kind % 4), t0 = 0.25f * (float)(kind / 4);
    float s1 = s0 + width / 128.0f, t1 = t0 + height / 128.0f;
    glTexCoord2f(s0, t0); glVertex2f(x, y);
    glTexCoord2f(s0, t1); glVertex2f(x, y + height);
    glTexCoord2f(s1, t1); glVertex2f(x + width, y + height);
    glTexCoord2f(s1, t0); glVertex2f(x + width, y);
}

void plot_tape(int kind, float x, float y, float value)
{
    // quad left and right of x, height; s centre per value and its reach
    // either side; t range, all in 256ths of the texture
    struct tape_window {
        float left, right, height, s_per_value, s_offset, t_lo, t_hi;
    };
    static const tape_window window[6] = {
        {-4, 5, 5, 9, 4, 232, 252},    {-15, 15, 12, 2, 20, 180, 228}, {-17, 18, 12, 1, 30, 144, 192},
        {-17, 18, 12, 1, 30, 96, 144}, {-17, 18, 12, 1, 30, 48, 96},   {-17, 18, 12, 1, 30, 0, 48},
    };
    if (kind < 0 || kind > 5 || !std::isfinite(value)) return;
    const tape_window& w = window[kind];
    float s = w.s_per_value * value + w.s_offset;
    float s_lo = (s + w.left) / 256.0f, s_hi = (s + w.right) / 256.0f;
    float t_lo = w.t_lo / 256.0f, t_hi = w.t_hi / 256.0f;
    OGL_setcolor(0);
    OGL_setstate(0, 1, 0, 0);
    OGL_bindtex(tex_tapes);
    glBegin(GL_QUADS);
    glTexCoord2f(s_lo, t_lo); glVertex2f(x + w.left, y);
    glTexCoord2f(s_lo, t_hi); glVertex2f(x + w.left, y + w.height);
    glTexCoord2f(s_hi, t_hi); glVertex2f(x + w.right, y + w.height);
    glTexCoord2f(s_hi, t_lo); glVertex2f(x + w.right, y);
    glEnd();
    OGL_setstate(0, 0, 0, 0);
}

void vtape_digits(float value, float d[4])
{
    int n = (int)truncf(value);
    int d0 = n / 1000, d1 = (n - 1000 * d0) / 100, d2 = (n - 1000 * d0 - 100 * d1) / 10;
    d[0] = (float)d0;
    d[1] = (float)d1;
    d[2] = (float)d2;
    d[3] = value - 1000.0f * d0 - 100.0f * d1 - 10.0f * d2;
    if (d[3] > 9) d[2] += d[3] - 9;
    if (d[2] > 9) d[1] += d[2] - 9;
    if (d[1] > 9) d[0] += d[1] - 9;
}

void plot_vtape(float x, float y, float value)
{
    // Past four digits the drum cannot show it; a value that is not a number fails it.
    if (!std::isfinite(value) || fabsf(value) > 1e6f) return;
    float d[4];
    vtape_digits(value, d);
    glPushMatrix();
    glTranslatef(x, y, 0);
    glRotatef(-90, 0, 0, 1);
    for (int k = 0; k < 4; k++) plot_tape(0, 0, 6.0f * (float)k, d[k]);
    glPopMatrix();
}

// ---- the frame -------------------------------------------------------------------

int panel_system_ok(int flag) { return rel.system_ok[flag] != 0; }

// 1. The attitude and heading gyros: the spin-up wobble, the readings while
// the vacuum works, and the drift to a stop after it fails.
static void update_gyros(void)
{
    const float t = msc.sim_time;
    if (!pnl.drift_drawn) {
        pnl.gyro_drift_pitch = fallout(fltrand(-40, 40), -10, 10);
        pnl.gyro_drift_roll = fallout(fltrand(-20, 20), -10, 10);
        pnl.drift_drawn = 1;
    }
    // A reset starts the clock again: a failure time from the old flight
    // would swing the gyros wildly, so the drift restarts now.
    if (t < pnl.gyro_fail_time) pnl.gyro_fail_time = t;
    float pitch = hold(held_pitch, flt.theta[0]), roll = hold(held_roll, flt.phi[0]);
    float heading = hold(held_heading, flt.hdg_mag);

    int piston = pln[0].entype == 1 || pln[0].entype == 2;
    if (flt.on_ground && piston && t < 4) {
        float a = (1 - t / 4) * 10;
        ins.ah_pitch = pitch + a * sinf(10 * t);
        ins.ah_roll = roll + a * sinf(20 * t);
    } else if (panel_system_ok(sys_vacuum)) {
        if (panel_system_ok(sys_attitude)) {
            ins.ah_pitch = pitch;
            ins.ah_roll = roll;
        }
        if (panel_system_ok(sys_heading)) ins.dg_hdg = heading;
        pnl.gyro_fail_time = t;
    } else {
        float f = (t - pnl.gyro_fail_time) / 180;
        if (f > 1) return;   // run down: frozen
        float k = sqr(1 - f);
        ins.ah_pitch += k * fltwrap(pnl.gyro_drift_pitch * f + pitch - ins.ah_pitch, -180, 180);
        ins.ah_pitch = fltwrap(ins.ah_pitch, -180, 180);
        ins.ah_roll += k * fltwrap(pnl.gyro_drift_roll * f + roll - ins.ah_roll, -180, 180);
        ins.ah_roll = fltwrap(ins.ah_roll, -180, 180);
        ins.dg_hdg += k * fltwrap(heading - ins.dg_hdg, -180, 180);
        ins.dg_hdg = fltwrap(ins.dg_hdg, 0, 360);
    }
}

// 2. The magnetic compass at the top centre: a card that lags its target by a
// second and swings with east-west acceleration. (The latitude's turning
// term has no factors in the flight model and vanishes.)
static const float compass_lubber_x = 373;

static void update_compass(void)
{
    float psi = hold(held_true_heading, flt.psi[0]);
    float acc = hold(held_acc_x, flt.a_x);
    float heading = hold(held_heading, flt.hdg_mag);
    float d = (psi >= 180) ? fabsf(psi - 270) : fabsf(psi - 90);
    float target = panel_wrap360(-acc * (90 - d) * 0.2f + heading);
    float step = fltwrap(target - pnl.compass_hdg, -180, 180) * msc.dt;
    if (std::isfinite(step)) pnl.compass_hdg = panel_wrap360(pnl.compass_hdg + step);

    float c = pnl.compass_hdg;
    glEnable(GL_SCISSOR_TEST);
    glScissor((int)(mnw.XRAT * 343), (int)(mnw.YRAT * 565), (int)(mnw.XRAT * 60), (int)(mnw.YRAT * 16));
    for (int i = (int)truncf(c * 0.1f - 6); (float)i <= c * 0.1f + 6; i++) {
        float x = compass_lubber_x + 0.5f * c - 5.0f * (float)i;
        int n = intwrap(i, 1, 36);
        if (n % 3 == 0) {
            if (n < 10) OGL_number(6, x - 2, 572, (float)n, 1, 0, 6, 0);
            else OGL_number(6, x - 5, 572, (float)n, 2, 0, 6, 0);
        }
        OGL_line(6, x, 565, x, n % 3 == 0 ? 570.0f : 568.0f);
    }
    glDisable(GL_SCISSOR_TEST);
}

// 3. The status line along the top.
static const float status_y = 568;

static void update_status_line(void)
{
    float sens = (set.ctl_scale_b + set.ctl_scale_c + set.ctl_scale_d) / 3;
    const char* controls = "controls:  50%";
    if (sens > 0.95f) controls = "controls: 100%";
    else if (sens > 0.85f) controls = "controls:  90%";
    else if (sens > 0.75f) controls = "controls:  80%";
    else if (sens > 0.65f) controls = "controls:  70%";
    else if (sens > 0.55f) controls = "controls:  60%";
    OGL_string(48, 10, status_y, controls, 999, 6);

    static const char* const ease_text[5] = {"mode: realistic    ", "mode: slightly easy", "mode: somewhat easy",
                                             "mode: quite easy   ", "mode: very easy    "};
    float ease = set.ctl_scale_a * 4;
    int e = std::isfinite(ease) ? intround(fltlim(ease, -1, 5)) : 4;
    OGL_string(48, 130, status_y, ease_text[(e >= 0 && e <= 3) ? e : 4], 999, 6);

    // A notice a phase of 1/0.3 s each, or the aircraft's name.
    int phase = (int)fmodf(floorf(fmaxf(msc.sim_time, 0) * 0.3f), 6.0f);
    int carb_ice = 0, oil_gone = 0;
    for (int e4 = 0; e4 < 4; e4++) {
        if (flt.ice_carb[e4] > 0.01f) carb_ice = 1;
        if (!panel_system_ok(sys_engine_power + e4)) oil_gone = 1;
    }
    const char* notice = nullptr;
    int colour = 48;
    if (phase == 0 && set.out_graph_any) notice = "graphics data saving      ";
    else if (phase == 1 && set.out_file_any) notice = "disk outfile saving       ";
    else if (phase == 2 && flt.ice_amount > 0.01f) notice = "airframe ice visible!     ", colour = 42;
    else if (phase == 3 && carb_ice) notice = "carb ice suspected!       ", colour = 42;
    else if (phase == 4 && oil_gone) notice = "oil pressure gone!        ", colour = 42;
    else if (phase == 5 && set.serial_mode != 0) notice = "outputting to serial port!", colour = 42;
    if (notice) {
        OGL_string(colour, 430, status_y, notice, 999, 6);
        return;
    }
    // The name as stored may fill its field: only what lies inside it is shown.
    char name[sizeof pln[0].C_name];
    snprintf(name, sizeof name, "%.*s", (int)sizeof pln[0].C_name - 1, pln[0].C_name);
    OGL_string(48, 430, status_y, name, 999, 6);
}

// 4. The outside-air thermometer, top right.
static void update_thermometer(void)
{
    int fahrenheit = pln[0].us_alt != 0;
    OGL_string(6, 713, 566, fahrenheit ? "F" : "C", 999, 6);
    float k = hold(held_temp, atm.temp_k);
    float T = fahrenheit ? k * con.dgktodgr - 459.67f : k - 273.15f;
    float x = 748 + 0.5f * fltlim(T, -50, 90);
    OGL_line(9, x, 565, x, 568);
    OGL_line(9, x + 1, 565, x + 1, 568);
}

// 5.-6. The stall lamp and the autopilot's targets.
static void update_stall_and_autopilot(void)
{
    if (panel_system_ok(sys_electrical) && flt.stall_warn) OGL_fillrect(2, 7, 314, 10, 10);
    OGL_number(48, 270, 319, hold(held_ap_alt, ott.alt_target) * con.mtrstoft, 5, 0, 6, 0);
    OGL_number(48, 360, 319, hold(held_ap_vvi, ott.vvi_target) * con.msctofpm, 4, 0, 6, 1);
    OGL_number(48, 444, 319, hold(held_ap_speed, ott.speed_target), 4, 0, 6, 0);
}

// 7. The marker lamps flash in their codes by the tenth-second phase.
static void update_markers(void)
{
    int t = msc.tenth_count;
    float r = radio_x();
    if (nav.mkr_outer && t >= 0 && t <= 4) plot_marker(r + 494, 292, marker_outer_lit);
    if (nav.mkr_middle && (intrange(t, 0, 1) || intrange(t, 4, 8))) plot_marker(r + 510, 292, marker_middle_lit);
    if (nav.mkr_inner && (intrange(t, 0, 1) || intrange(t, 3, 4) || intrange(t, 6, 7)))
        plot_marker(r + 526, 292, marker_inner_lit);
}

// 8.-9. The stopwatch and the fuel gauge.
static void update_timer_and_fuel(void)
{
    if (show_ins(ins_supp)) {
        int s = (int)fltlim(truncf(std::isfinite(msc.timer) ? msc.timer : 0), 0, 3600);
        OGL_number(48, supp_x() + 8, supp_y() - 70, (float)(s / 60), 2, 0, 6, 0);
        OGL_number(48, supp_x() + 22, supp_y() - 70, (float)(s % 60), 2, 0, 6, 0);
    }
    float x0 = truncf(radio_x() + 514);
    float fuel = hold(held_fuel, flt.fuel);
    float x = pln[0].m_fuel <= 0.01f ? x0 : x0 + 31 * fltlim(fuel / pln[0].m_fuel, -1, 2);
    for (int dx = -1; dx <= 1; dx++) {
        // The column drawn, not the needle's place, is what covers a tick.
        float lx = truncf(x + (float)dx);
        if (lx == x0 || lx == x0 + 15 || lx == x0 + 30) continue;   // the scale's tick columns
        OGL_line(9, lx, 42, lx, 46);
    }
}

// 10.-11. The brakes annunciator and the gear lamps.
static void update_brakes_and_gear_lamps(void)
{
    const planestruct& a = pln[0];
    float r = radio_x();
    if (a.gear_type > 2 && flt.brake_ratio > 0.01f) {
        OGL_fillrect(9, r + 496, 6, 66, 13);
        OGL_string(20, r + 512, 9, "brakes", 999, 6);
    }
    if (!a.gear_retract) return;
    static const float lamp[3][2] = {{622, 18}, {616, 8}, {628, 8}};
    for (int i = 0; i < 3; i++) {
        int outer = 29, inner = 22;
        if (panel_system_ok(sys_electrical)) {
            if (set.gear_down && a.gear_stat[i]) outer = 50, inner = 47;
            else if ((set.gear_down != 0) != (a.gear_stat[i] != 0)) outer = 45, inner = 46;
        }
        OGL_fillrect(outer, r + lamp[i][0], lamp[i][1], 4, 4);
        OGL_fillrect(inner, r + lamp[i][0] + 1, lamp[i][1] + 1, 2, 2);
    }
}

// 12.-14. The ECAM page lamps, the transponder code and its reply lamp.
static void update_ecam_lamps_and_transponder(void)
{
    if (pln[0].ecam)
        for (int k = 0; k < 5; k++) plot_efis_light(eng_x() + 660 + 30 * k, 144, ins.ecam_page == ecam_engines + k);
    float r = radio_x();
    for (int k = 0; k < 4; k++) OGL_number(48, r + 565 + 20 * k, 145, (float)nav.xpdr[k], 1, 0, 6, 0);

    float t = msc.sim_time;
    // A reply window from before a reset would light the lamp for minutes.
    if (t < ins.reply_on) ins.reply_on = ins.reply_off = 0;
    if (!(t < ins.reply_off)) return;
    float near = fminf(fabsf(t - ins.reply_on), fabsf(t - ins.reply_off));
    int colour = near <= 0.08f ? 15 : (near <= 0.16f ? 9 : 3);
    OGL_fillrect(colour, r + 499, 147, 3, 3);
}

// 15. The radio frequencies, in hundredths of a megahertz.
static void draw_frequency(float x, float y, int f)
{
    OGL_number(48, x, y, (float)(f / 100), 3, 0, 6, 0);
    OGL_string(48, x + 18, y, ".", 999, 6);
    OGL_number(48, x + 23, y, (float)(f % 100), 2, 0, 6, 0);
}

static void update_frequencies(void)
{
    float r = radio_x();
    int first_row = has_nav1_receiver();
    if (first_row) draw_frequency(r + 591, 240, nav.nav1);
    draw_frequency(r + 591, 191, nav.nav2);
    if (first_row) draw_frequency(r + 523, 240, nav.com1);
    draw_frequency(r + 523, 191, nav.com2);
}

// 16. The flight instruments the panel selectors choose. The receivers leave
// their deviations unbounded behind a station: the needles stop at 5 dots.
int needle_deviation(float v, float units_per_dot)
{
    if (!std::isfinite(v)) v = 0;
    return (int)truncf(fltlim(v, -5, 5) * units_per_dot);
}

static int deviation(int id, float v, float units_per_dot) { return needle_deviation(hold(id, v), units_per_dot); }

static void update_instruments(void)
{
    const planestruct& a = pln[0];
    int dials = a.paneltype == 1;
    int standby = dials || panel_system_ok(sys_standby);
    if (show_ins(ins_asi) && standby) update_airspeed();
    if (show_ins(ins_ah) && standby) update_arthoriz();
    if (show_ins(ins_alt) && standby) update_alt();
    if (show_ins(ins_ts) && dials) update_turnslip();
    if (show_ins(ins_hsi) && standby)
        update_HSI(deviation(held_cdi1, nav.cdi[1], 5), deviation(held_gsi1, -nav.gsi[1], 5));
    if (show_ins(ins_vvi) && standby) update_vvi();
    if (show_ins(ins_adf)) update_ADF();
    if (show_ins(ins_supp)) {
        switch (a.supptype) {
        case 1: update_VORandGS(deviation(held_cdi0, nav.cdi[0], 4), deviation(held_gsi0, -nav.gsi[0], 5)); break;
        case 2: if (panel_system_ok(sys_electrical)) update_stormscope(); break;
        case 3: if (panel_system_ok(sys_radios)) update_glass(glass_map); break;
        case 4: update_radalt(); break;
        case 5: update_vari(); break;
        case 6: if (panel_system_ok(sys_electrical)) update_glass(glass_radar); break;
        case 7: update_RMI(); break;
        default: break;
        }
    }
    if (panel_system_ok(sys_radios)) {
        if (has_nav1_receiver()) update_DME();
        else update_GPS();
    }
    if (a.paneltype == 2 && panel_system_ok(sys_efis)) update_glass(glass_main);
}

// 17. The engine gauges, or the ECAM's page.
static float gauge_x(int row, int e) { return eng_x() + en_x[row][e]; }

static void update_engine_gauges(void)
{
    const planestruct& a = pln[0];
    if (a.ecam && ins.ecam_page != ecam_engines) {
        update_ecam();
        return;
    }
    int engines = intlim(a.numen, 0, plane_engines);
    if (a.is_heli) {
        update_tac(0, gauge_x(1, 0), en_y[1]);
        for (int e = 0; e < engines; e++) {
            if (a.entype == 1 || a.entype == 2) {
                if (has_gauge_row0()) update_egt(e, gauge_x(0, 0), en_y[0]);
                update_mpr(e, gauge_x(2, 0), en_y[2]);
            } else if (a.entype == 3) {
                update_trq(e, gauge_x(2, 0), en_y[2]);
            }
        }
        return;
    }
    for (int e = 0; e < engines; e++) {
        switch (a.entype) {
        case 1:
        case 2:
            if (has_gauge_row0()) update_egt(e, gauge_x(0, e), en_y[0]);
            update_tac(e, gauge_x(1, e), en_y[1]);
            if (a.varpitchEQ) update_mpr(e, gauge_x(2, e), en_y[2]);
            break;
        case 3:
            update_tac(e, gauge_x(1, e), en_y[1]);
            update_trq(e, gauge_x(2, e), en_y[2]);
            break;
        case 4:
        case 5:
            update_n1_(e, gauge_x(1, e), en_y[1]);
            update_ff_(e, gauge_x(2, e), en_y[2]);
            if (flt.burner_on[e]) {
                if (a.numen < 3) OGL_string(42, gauge_x(0, e) - 11, en_y[0] + 4, "BURN", 999, 6);
                else OGL_string(42, eng_x() + 651 + 40 * e, 283, "BURN", 999, 6);
            }
            break;
        case 6:
            update_ff_(e, gauge_x(1, e), en_y[1]);
            break;
        default:
            break;
        }
    }
}

// 18. Where the sweep, the thrust vector, the flaps and the two trims stand.
static void trim_mark(float v, float y1, float y2)
{
    float x = radio_x() + 586 + 14 * fltlim(v, -2, 2);
    OGL_line(9, x - 1, y1, x - 1, y2);
    OGL_line(9, x, y1, x, y2);
    OGL_line(15, x + 1, y1, x + 1, y2);
}

static void update_positions(void)
{
    const planestruct& a = pln[0];
    float e = eng_x();
    if (has_variable_sweep(a)) {
        float y = interp(0, 112, 1, 73, fltlim(hold(held_sweep, flt.sweep_ratio), -1, 2));
        for (float x : {e + 736, e + 764}) OGL_line(9, x, y + 1, x, y + 7);
    }
    if (a.vectEQ) {
        float y = interp(0, 126, 120, 73, fltlim(hold(held_vector, a.vertcant[0]), -360, 360));
        for (float x : {e + 744, e + 773}) OGL_line(9, x, y + 1, x, y + 7);
    }
    if (a.flapEQ) {
        float y = interp(0, 127, 1, 73, fltlim(hold(held_flap, flt.flap_ratio), -1, 2));
        OGL_line(0, e + 649, y + 1, e + 649, y + 6);
    }
    trim_mark(hold(held_ail_trim, flt.roll_trim), 52, 54);
    trim_mark(hold(held_rud_trim, flt.yaw_trim), 23, 25);
}

// 19. Levers, switches and buttons: collected, then drawn in one batch.
static void add_handle(float x, float y, float w, float h, int kind)
{
    if (panel_handles.count >= panel_handles_max) return;
    // Far-off values would only put a lever off the panel.
    y = fltlim(y, -600, 1200);
    panel_handles.item[panel_handles.count++] = {truncf(x), truncf(y), w, h, kind};
}

static void add_switch(float x, float y, int on) { add_handle(x, y, 18, 10, on ? handle_switch_on : handle_switch_off); }

static void collect_switches(void)
{
    const planestruct& a = pln[0];
    float r = radio_x(), e = eng_x();
    add_switch(38, 314, ins.ldg_lights);
    if (a.HUDtype != 1) {
        add_switch(84, 314, ins.hud_on);
        add_handle(123, 314, 10, 9, ins.hud_colour ? handle_button_on : handle_button_off);
    }
    if (a.arrestingEQ) add_switch(556, 314, ins.hook_down);
    if (a.chuteEQ) add_switch(510, 314, ins.chute_out);
    if (a.antiiceEQ) add_switch(602, 314, ins.anti_ice);
    if (a.jatoEQ) add_switch(694, 314, !(fabsf(flt.jato_left - a.jatodur) <= 0.01f));
    if (a.jettisonEQ) add_switch(osh + 648, 314, flt.jettison <= 1);

    static const int audio_of_button[5] = {4, 0, 1, 2, 3};
    for (int k = 0; k < 5; k++)
        add_handle(r + 545 + 20 * k, 290, 10, 9, nav.audio_sel == audio_of_button[k] ? handle_button_on : handle_button_off);
    if (has_nav1_receiver()) {
        add_switch(r + 602, 270, nav.dme_sel == 0);
        add_switch(r + 620, 270, nav.dme_sel == 1);
    } else {
        add_switch(r + 621, 270, nav.gps_mode == 1);
        add_switch(r + 621, 248, nav.gps_mode == 3);
        add_switch(r + 621, 226, nav.gps_mode == 2);
    }
    static const float ap_x[ap_modes] = {497, 517, 537, 560, 580, 600, 620};
    for (int k = 0; k < ap_modes; k++)
        add_handle(r + ap_x[k], 87, 20, 13, ott_mode(ott, k) ? handle_ap_on : handle_ap_off);
    if (a.gear_retract) add_handle(r + 616, 30, 16, 24, set.gear_down ? handle_gear_down : handle_gear_up);

    if (has_variable_sweep(a))
        add_handle(e + 737, interp(0, 112, 1, 73, hold(held_sweep_req, flt.sweep_req)), 27, 9, handle_sweep);
    if (a.vectEQ) add_handle(e + 745, interp(0, 126, 120, 73, hold(held_vector_req, flt.vector_angle)), 27, 9, handle_sweep);
    if (a.flapEQ || a.slatEQ)
        add_handle(e + 650, interp(0, 127, 1, 73, hold(held_flap_req, flt.flap_request)), 30, 8, handle_flap);
    if (a.sbrkEQ || a.fbrkEQ) add_handle(e + 698, interp(-1, 123, 2, 93, (float)flt.sbrk_handle), 20, 5, handle_speedbrake);
    if (a.entype == 1) add_handle(e + 786, interp(0, 52, 1, 4, hold(held_carb_heat, flt.carb_heat)), 12, 13, handle_carb_heat);
}

static void collect_levers(void)
{
    const planestruct& a = pln[0];
    float e = eng_x();
    int engines = intlim(a.numen, 0, plane_engines);
    if (a.entype != 0) {
        if (!a.collectEQ) {
            for (int i = 0; i < engines; i++) {
                float y0 = a.revthrustEQ ? 16.0f : 4.0f, y1 = 52;
                if (flt.reverser[i]) y0 = 16, y1 = 4;
                add_handle(e + thro_x[i], interp(0, y0, 1, y1, hold(held_throttle0 + i, flt.throttle_req[i])), 13, 14,
                           handle_throttle);
            }
            if (a.entype >= 1 && a.entype <= 3 && a.varpitchEQ)
                for (int i = 0; i < engines; i++)
                    add_handle(e + prop_x[i],
                               lever_y(a.omegamingreen, 4, a.omegamax, 39, hold(held_prop0 + i, flt.prop_req[i])), 9, 27,
                               handle_prop);
        } else {
            float pitch = hold(held_collective, flt.blade_pitch[0]), y;
            if (a.is_heli) y = lever_y(a.minpitch[0], 52, a.maxpitch[0], 4, pitch);
            else if (a.vertcant[0] <= 60) y = interp(1, 52, 0, 4, hold(held_throttle0, flt.throttle_req[0]));
            else y = lever_y(a.maxpitch[0], 52, a.minpitch[0], 4, pitch);
            add_handle(e + thro_x[0], y, 13, 14, handle_throttle);
        }
        for (int i = 0; i < engines; i++)
            add_handle(e + mixt_x[i], interp(0, 4, 1, 39, hold(held_mixture0 + i, flt.mixture[i])), 9, 27, handle_mixture);
    }
    add_handle(e + 787, interp(1, 81, -1, 122, hold(held_elev_trim, flt.pitch_trim)), 6, 4, handle_trim);
}

static void draw_handles(void)
{
    panel_handles.count = 0;
    collect_switches();
    collect_levers();
    glColor3f(ins.lite_rgb[0], ins.lite_rgb[1], ins.lite_rgb[2]);
    OGL_setstate(0, 1, 0, 0);
    OGL_bindtex(tex_hand);
    glEnable(GL_ALPHA_TEST);
    glBegin(GL_QUADS);
    for (int k = 0; k < panel_handles.count; k++) {
        const panelhandle& h = panel_handles.item[k];
        plot_handle(h.x, h.y, h.w, h.h, h.kind);
    }
    glEnd();
    glDisable(GL_ALPHA_TEST);
    OGL_setstate(0, 0, 0, 0);
}

void update_panel(void)
{
    update_gyros();
    update_compass();
    update_status_line();
    update_thermometer();
    update_stall_and_autopilot();
    update_markers();
    update_timer_and_fuel();
    update_brakes_and_gear_lamps();
    update_ecam_lamps_and_transponder();
    update_frequencies();
    update_instruments();
    update_engine_gauges();
    update_positions();
    draw_handles();
}
