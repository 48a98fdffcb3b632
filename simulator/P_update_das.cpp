// A press on the cockpit panel: every area that holds the point works its
// switch, knob, radio or lever, in the order below, so a point on a shared
// border works both and later areas see what earlier ones changed. A held
// press (mnw.delay_dragging) repeats once a frame, and several knobs then
// take bigger steps. The panel keys (Event_keys.cpp) press at fixed points.
//   screen areas, switches and autopilot targets
//   instrument knobs and display buttons
//   the radio column and the GPS entry
//   autopilot buttons, ident, brakes, trims, gear
//   the lever quadrant
#include "P_update.h"
#include "Do_atc.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_sound.h"
#include "Initpln.h"
#include "Windows.h"
#include "records.h"

#include <cmath>

static void toggle(int& v) { v = v == 0 ? 1 : 0; }

// A float wrapped into 0..360, whatever the distance: a course from a damaged
// file comes back in one press.
static float wrap_course(float v) { return std::isfinite(v) ? panel_wrap360(v) : 0; }

// A knob split at one line: +1 on the far side, -1 on the near side, 0 on
// the line itself.
static int side(float v, float line) { return v > line ? 1 : v < line ? -1 : 0; }

// ---- screen areas, switches and autopilot targets -----------------------------------

static const float replay_button[7][2] = {{326, 346}, {349, 369}, {367, 387}, {390, 410},
                                          {413, 433}, {431, 451}, {454, 474}};

static void screen_areas(float x, float y)
{
    const planestruct& a = pln[0];
    if (fltbox(x, y, 300, 347, 500, 547) && set.joy_device == -1 && !atc.menu_on) toggle(msc.mouse_yoke_on);
    // The ATC list's region reaches its last row (y 347 to 357).
    if (fltbox(x, y, 0, 347, 800, 550) && atc.menu_on) plot_atc_options(1);
    if (set.replay_speed != 0)
        for (int k = 0; k < 7; k++)
            if (fltbox(x, y, replay_button[k][0], 540, replay_button[k][1], 560)) set.replay_speed = k + 1;

    if (fltbox(x, y, 26, 314, 66, 330)) toggle(ins.ldg_lights);
    if (fltbox(x, y, 72, 314, 112, 330) && a.HUDtype != 1) toggle(ins.hud_on);
    if (fltbox(x, y, 118, 314, 133, 330) && a.HUDtype != 1) toggle(ins.hud_colour);
    if (fltbox(x, y, 544, 314, 584, 330) && a.arrestingEQ) toggle(ins.hook_down);
    if (fltbox(x, y, 498, 314, 538, 330) && a.chuteEQ) toggle(ins.chute_out);
    if (fltbox(x, y, 590, 314, 630, 330) && a.antiiceEQ) toggle(ins.anti_ice);
    if (fltbox(x, y, 682, 314, 722, 330) && a.jatoEQ && flt.jato_left > 0.01f) ins.jato_burning = 1;
    if (fltbox(x, y, osh + 636, 314, osh + 676, 330) && a.jettisonEQ) {
        flt.jettison = 0;
        for (int i = 0; i < fire_slots; i++) {
            float d = pythag3((float)flt.pos_x[0] - scn.fire_xyz[i][0], (float)flt.pos_y[0] - scn.fire_xyz[i][1],
                              (float)flt.pos_z[0] - scn.fire_xyz[i][2]);
            if (d < 100) scn.fire_on[i] = 0;
        }
    }

    // The autopilot's targets: whole hundreds of feet and feet a minute,
    // knots in fives; the line itself steps down.
    if (fltbox(x, y, 305, 305, 325, 325)) {
        float ft = ott.alt_target * con.mtrstoft + (y > 315 ? 100.0f : -100.0f);
        ott.alt_target = fltlim(fltnear(ft, 100), 0, 90000) * con.fttomtrs;
    }
    if (fltbox(x, y, 390, 305, 410, 325)) {
        float fpm = ott.vvi_target * con.msctofpm + (y > 315 ? 100.0f : -100.0f);
        ott.vvi_target = fltlim(fltnear(fpm, 100), -9000, 9000) * con.fpmtomsc;
    }
    if (fltbox(x, y, 475, 305, 495, 325))
        ott.speed_target = fltlim(fltnear(ott.speed_target + (y > 315 ? 5.0f : -5.0f), 5), 0, 900);
}

// ---- instrument knobs and display buttons ----------------------------------------------

static void instrument_knobs(float x, float y)
{
    const planestruct& a = pln[0];
    float o = a.paneltype == 2 ? -30.0f : 0.0f, p = a.paneltype == 1 ? -3.0f : 0.0f;
    float s = mnw.delay_dragging ? 3.0f : 1.0f;
    float ax = ah_x(), ay = ah_y(), sx = supp_x(), sy = supp_y(), hx = hsi_x(), hy = hsi_y();
    float fx = adf_x(), fy = adf_y(), bx = baro_x(), by = baro_y(), ex = efis_x(), ey = efis_y();
    float e = eng_x();

    if (fltbox(x, y, ax + 40, ay - 70, ax + 70, ay - 40) && a.paneltype == 1)
        set.ah_adjust = fltlim(set.ah_adjust + (float)side(y, ay - 55), -10, 10);
    if (fltbox(x, y, sx - 48, sy - 50, sx - 8, sy - 30) && a.supptype == 1)
        nav.nav_crs1 = wrap_course(nav.nav_crs1 - s * (float)side(x, sx - 28));
    if (fltbox(x, y, hx - 55, hy - 60 + o, hx - 20, hy - 40 + o))
        nav.nav_crs2 = wrap_course(nav.nav_crs2 + s * (float)side(x, hx - 37));
    if (fltbox(x, y, fx - 55, fy - 60, fx - 15, fy - 40) && show_ins(ins_adf))
        ins.adf_card = degwrap(degwrap(ins.adf_card) - (int)s * side(x, fx - 35));
    if (fltbox(x, y, hx + 30, hy - 60 + o, hx + 65, hy - 40 + o))
        nav.hdg_bug = degwrap(degwrap(nav.hdg_bug) + (int)s * side(x, hx + 47));
    // The altimeter setting creeps: no bigger step while held.
    if (fltbox(x, y, bx - 15, by - 15 + p, bx + 15, by + 15 + p)) {
        float d = a.paneltype == 1 ? 0.003f : 0.01f;
        ins.altim_set = fltlim(ins.altim_set + d * (float)side(y, by + p), 25, 35);
    }

    if (fltbox(x, y, ex + 200, ey + 20, ex + 380, ey + 50) && a.paneltype == 2) {
        float u = x - ex;
        if (fltrange(u, 200, 230)) efis_range() = fltlim(efis_range() * 2, 4, 32);
        if (fltrange(u, 230, 260)) efis_range() = fltlim(efis_range() * 0.5f, 4, 32);
        if (fltrange(u, 260, 290)) efis_mode() = 1;
        if (fltrange(u, 290, 320)) efis_mode() = 2;
        if (fltrange(u, 320, 350)) toggle(efis_wx());
        if (fltrange(u, 350, 380)) toggle(efis_tfc());
    }
    if (fltbox(x, y, e + 644, 140, e + 800, 160) && a.ecam) {
        float u = x - e;
        for (int k = 0; k < 5; k++)
            if (fltrange(u, 645 + 30 * (float)k, 675 + 30 * (float)k)) ins.ecam_page = ecam_engines + k;
    }
    if (fltbox(x, y, sx - 55, sy - 50, sx - 25, sy - 30) && a.supptype == 4) {
        float step = ins.dh_ft < 600 ? 10.0f : 100.0f;
        ins.dh_ft = fltlim(ins.dh_ft - step * (float)side(y, sy - 40), 0, 2500);
    }
    if (fltbox(x, y, sx + 30, sy - 40, sx + 45, sy + 37) && a.supptype == 3) {
        if (y > sy + 22) map_mode() = 0;
        else if (y > sy + 7) map_mode() = 1;
        else if (y > sy - 8) map_mode() = 2;
        else if (y > sy - 26) map_range() = fltlim(map_range() * 0.5f, 7.5f, 30);
        else map_range() = fltlim(map_range() * 2, 7.5f, 30);
    }
    if (fltbox(x, y, sx - 47, sy - 50, sx + 14, sy - 30) && a.supptype == 6)
        map2_range() = fltlim(map2_range() * (x < sx - 2 ? 2.0f : 0.5f), 7.5f, 30);
    // The stopwatch answers whatever the slot holds.
    if (fltbox(x, y, sx - 40, sy - 78, sx - 15, sy - 58)) toggle(msc.timer_on);
    if (fltbox(x, y, sx - 15, sy - 78, sx + 10, sy - 58)) msc.timer = 0;
}

// ---- the radio column and the GPS entry ---------------------------------------------------

// A radio knob: down at or below its line.
static int radio_step(float y, float line, int size) { return y <= line ? -size : size; }

// The list walk of the value knob: airports one by one, navaids to the next
// of the chosen kind. The index always lands inside its table; a walk that
// finds no navaid of the kind in a whole cycle leaves it where it was.
static void gps_walk(int step)
{
    int kind = gps_kind(), last = gps_table_last(kind);
    if (last < 0) return;
    int i = intlim(nav.gps_index, 0, last);
    if (kind == 1) {
        nav.gps_index = intwrap_all(i + step, 0, last);
        return;
    }
    for (int n = 0; n <= last; n++) {
        i = intwrap_all(i + step, 0, last);
        if (nav_type[i] == kind) {
            nav.gps_index = i;
            return;
        }
    }
}

static void gps_entry(float x, float y, float r)
{
    if (fltrange(x, r + 621, r + 641)) {
        if (fltrange(y, 260, 280)) nav.gps_mode = 1, nav.gps_index = nav.panel_preset[0];
        if (fltrange(y, 240, 260)) nav.gps_mode = navaid_vor, nav.gps_index = nav.panel_preset[1];
        if (fltrange(y, 220, 240)) nav.gps_mode = navaid_ndb, nav.gps_index = nav.panel_preset[2];
    }
    int kind = gps_kind(), last = gps_table_last(kind);
    // A remembered index from the preferences can lie beyond the tables shipped.
    if (last >= 0) nav.gps_index = intlim(nav.gps_index, 0, last);

    if (fltbox(x, y, r + 536, 210, r + 556, 230)) {
        int count = mnw.delay_dragging ? intlim((int)truncf(fltlim(msc.dt, 0, 1) * 100), 1, 100) : 1;
        int step = count * (y < 220 ? 1 : -1);
        int k = nav.gps_cursor;
        if (k == 0) gps_walk(step);
        else if (k >= 1 && k <= 4) nav.gps_id_char[k - 1] = intwrap_all(nav.gps_id_char[k - 1] + step, 0, 36);
    }
    if (fltbox(x, y, r + 593, 210, r + 613, 230))
        nav.gps_cursor = intwrap_all(nav.gps_cursor + (y <= 220 ? 1 : -1), 0, 4);

    // The letters follow the chosen entry, or the entry follows the letters.
    if (nav.gps_cursor == 0) {
        if (last >= 0) {
            const char* id = kind == 1 ? apt_id[nav.gps_index] : nav_id[nav.gps_index];
            for (int j = 0; j < 4; j++) nav.gps_id_char[j] = char_to_code(id[j]);
        }
    } else {
        char id[5];
        for (int j = 0; j < 4; j++) id[j] = code_to_char(nav.gps_id_char[j]);
        id[4] = 0;
        get_index_from_id(id, kind, &nav.gps_index);
    }
    if (kind == 1) nav.panel_preset[0] = nav.gps_index;
    else if (kind == navaid_vor) nav.panel_preset[1] = nav.gps_index;
    else nav.panel_preset[2] = nav.gps_index;
}

static void radio_column(float x, float y)
{
    float r = radio_x(), fx = adf_x(), fy = adf_y();
    int nav1 = has_nav1_receiver();
    if (fltbox(x, y, r + 540, 285, r + 640, 300)) {
        if (x < r + 560) nav.audio_sel = 4;
        else if (x < r + 580) nav.audio_sel = 0;
        else if (x < r + 600) nav.audio_sel = 1;
        else if (x < r + 620) nav.audio_sel = 2;
        else nav.audio_sel = 3;
    }
    if (fltbox(x, y, r + 600, 260, r + 640, 280) && nav1) nav.dme_sel = x < r + 620 ? 0 : 1;

    if (fltbox(x, y, r + 590, 208, r + 614, 232) && nav1) NAVinc(&nav.nav1, radio_step(y, 220, 10));
    if (fltbox(x, y, r + 614, 208, r + 638, 232) && nav1) NAVinc(&nav.nav1, radio_step(y, 220, 5));
    if (fltbox(x, y, r + 590, 159, r + 614, 183)) NAVinc(&nav.nav2, radio_step(y, 171, 10));
    if (fltbox(x, y, r + 614, 159, r + 638, 183)) NAVinc(&nav.nav2, radio_step(y, 171, 5));
    if (fltbox(x, y, r + 522, 208, r + 546, 232) && nav1) COMinc(&nav.com1, radio_step(y, 220, 10));
    if (fltbox(x, y, r + 546, 208, r + 570, 232) && nav1) COMinc(&nav.com1, radio_step(y, 220, 5));
    if (fltbox(x, y, r + 522, 159, r + 546, 183)) COMinc(&nav.com2, radio_step(y, 171, 10));
    if (fltbox(x, y, r + 546, 159, r + 570, 183)) COMinc(&nav.com2, radio_step(y, 171, 5));

    if (show_ins(ins_adf)) {
        static const int digit[3] = {100, 10, 1};
        for (int k = 0; k < 3; k++) {
            float x0 = fx - 25 + 20 * (float)k;
            if (fltbox(x, y, x0, fy - 95, x0 + 20, fy - 71)) ADFinc(&nav.adf, radio_step(y, fy - 83, digit[k]));
        }
    }
    for (int k = 0; k < 4; k++) {
        float x0 = r + 561 + 20 * (float)k;
        if (fltbox(x, y, x0, 120, x0 + 20, 140)) XPNinc(&nav.xpdr[k], radio_step(y, 130, 1));
    }
    if (fltbox(x, y, r + 500, 210, r + 641, 280) && !nav1) gps_entry(x, y, r);
}

// ---- autopilot buttons, ident, brakes, trims, gear ---------------------------------------

// Each button's columns from its left edge (u = x - r), the modes it clears.
struct ap_button {
    float u0, u1;
    int clear_a, clear_b;
};
static const ap_button ap_buttons[ap_modes] = {
    {493, 517, 1, 2}, {517, 537, 0, 2}, {537, 557, 0, 1}, {557, 580, 4, 5},
    {580, 600, 3, 5}, {600, 620, 3, 4}, {620, 640, -1, -1},
};

static void autopilot_button(float u)
{
    for (int k = 0; k < ap_modes; k++) {
        const ap_button& b = ap_buttons[k];
        int last = k == ap_modes - 1;
        if (u < b.u0 || (last ? u > b.u1 : u >= b.u1)) continue;
        toggle(ott_mode(ott, k));
        if (b.clear_a >= 0) ott_mode(ott, b.clear_a) = 0, ott_mode(ott, b.clear_b) = 0;
        // Altitude hold climbs or descends at no less than 500 ft/min.
        if (k == 3 && fabsf(ott.vvi_target * con.msctofpm) < 500) ott.vvi_target = 500 * con.fpmtomsc;
        if (k == 4) ott.vvi_target = (float)flt.vel_y;
        return;
    }
}

static void cockpit_controls(float x, float y)
{
    float r = radio_x();
    if (fltbox(x, y, r + 493, 80, r + 640, 105)) autopilot_button(x - r);
    if (fltbox(x, y, r + 520, 125, r + 535, 140) || fltbox(x, y, r + 535, 140, r + 550, 155)) {
        ins.reply_on = msc.sim_time;
        ins.reply_off = msc.sim_time + 5;
    }
    if (fltbox(x, y, r + 494, 5, r + 564, 20)) {
        flt.brake_ratio = flt.brake_ratio < 0.1f ? 1.0f : 0.0f;
        // Letting the brakes go fires a waiting catapult or starts a waiting tow.
        if (set.on_catapult) set.on_catapult = 0, set.catapult_run = 1;
        if (set.tow_hold) set.tow_hold = 0, set.tow_on = 1;
    }
    float trim = 0.1f * msc.dt * (x < r + 586 ? -1.0f : 1.0f);
    if (fltbox(x, y, r + 566, 35, r + 606, 60)) flt.roll_trim = fltlim(flt.roll_trim + trim, -1, 1);
    if (fltbox(x, y, r + 566, 5, r + 606, 30)) flt.yaw_trim = fltlim(flt.yaw_trim + trim, -1, 1);
    if (fltbox(x, y, r + 610, 0, r + 640, 60) && pln[0].gear_retract) {
        toggle(set.gear_down);
        play_buffer(6, 0);
        // A failed leg never finishes moving.
        for (int i = 0; i < 3; i++) set.gear_time[i] = panel_system_ok(sys_gear + i) ? msc.sim_time + fltrand(3, 5) : 9.9e9f;
    }
}

// ---- the lever quadrant -------------------------------------------------------------------

static void upper_levers(float x, float y, float e)
{
    const planestruct& a = pln[0];
    if (fltrange(x, e + 650, e + 680) && (a.flapEQ || a.slatEQ))
        flt.flap_request = fltnear(1 - util_get_handle(lever_flaps, y - 4), 0.25f);
    if (fltrange(x, e + 698, e + 718) && (a.sbrkEQ || a.fbrkEQ)) {
        int v = (int)truncf(fltlim(interp(120, -1, 96, 2, y - 2.5f), -1e6f, 1e6f));
        flt.sbrk_handle = a.autosbrkEQ ? intlim(v, -1, 2) : intlim(v, 0, 2);
    }
    if (fltrange(x, e + 737, e + 764) && has_variable_sweep(a) && !a.autosweepEQ)
        flt.sweep_req = 1 - util_get_handle(lever_sweep, y - 4.5f);
    if (fltrange(x, e + 745, e + 772) && a.vectEQ) flt.vector_angle = (1 - util_get_handle(lever_vector, y - 4.5f)) * 120;
    if (fltrange(x, e + 781, e + 799) && panel_system_ok(sys_trim))
        flt.pitch_trim = fltlim(flt.pitch_trim + 0.1f * msc.dt * (y < 101.5f ? 1.0f : -1.0f), -1, 1);
}

// Engine i's lever under x: its own column from col[i], or the all-engines
// column all_lo..all_hi.
static int engine_picked(float x, float e, const float* col, float width, int i, float all_lo, float all_hi)
{
    return fltrange(x, e + col[i], e + col[i] + width) || fltrange(x, e + all_lo, e + all_hi);
}

static void lower_levers(float x, float y, float e)
{
    const planestruct& a = pln[0];
    int engines = intlim(a.numen, 0, plane_engines);
    float yl = y;
    if (a.collectEQ && fltrange(x, e + 662, e + 688)) {
        if (mnw.now_dragging) set.joy_throttle_on = 0;
        float h = util_get_handle(lever_throttle1, y - 7);
        if (a.is_heli) flt.blade_pitch[0] = interp(1, a.minpitch[0], 0, a.maxpitch[0], h);
        else if (a.vertcant[0] > 60)
            for (float& b : flt.blade_pitch) b = interp(1, a.maxpitch[0], 0, a.minpitch[0], h);
        else
            for (float& t : flt.throttle_req) t = h;
    }
    if (!a.collectEQ && a.entype != 0) {
        yl = y - 7;
        int picked[plane_engines] = {0}, any = 0;
        for (int i = 0; i < engines; i++)
            if (fltrange(x, e + thro_x[i], e + thro_x[i] + 13)) {
                picked[i] = any = 1;
                if (mnw.now_dragging) set.joy_throttle_on = 0;
            }
        if (fltrange(x, e + 670.5f, e + 679.5f))
            for (int& p : picked) p = any = 1;
        // A fresh press stops at idle: reverse needs the button held.
        if (any && a.revthrustEQ && yl < 16 && !mnw.delay_dragging) yl = 16;
        for (int i = 0; i < engines; i++) {
            if (!picked[i]) continue;
            float t = util_get_handle(lever_throttle1 + i, yl);
            if (!a.revthrustEQ) flt.throttle_req[i] = t;
            else if (t < 0.24f) {
                flt.throttle_req[i] = (0.24f - t) / 0.24f;
                if (mnw.now_dragging) flt.reverser[i] = 1;
            } else {
                flt.throttle_req[i] = (t - 0.24f) / 0.76f;
                if (mnw.now_dragging) flt.reverser[i] = 0;
            }
        }
        // A failed reverser stands deployed.
        for (int i = 0; i < engines; i++)
            if (!panel_system_ok(sys_reverser + i)) flt.reverser[i] = 1;
    }
    if (intrange(a.entype, 1, 3) && a.varpitchEQ && !a.collectEQ)
        for (int i = 0; i < engines; i++)
            if (engine_picked(x, e, prop_x, 9, i, 721.5f, 726.5f))
                flt.prop_req[i] = interp(0, a.omegamingreen, 1, a.omegamax, util_get_handle(lever_prop1 + i, yl - 6.5f));
    if (a.entype != 0)
        for (int i = 0; i < engines; i++)
            if (engine_picked(x, e, mixt_x, 9, i, 762.5f, 767.5f))
                flt.mixture[i] = util_get_handle(lever_mixture1 + i, yl - 6.5f);
    if (a.entype == 1 && fltrange(x, e + 786, e + 798)) flt.carb_heat = 1 - util_get_handle(lever_carb_heat, yl + 6.5f);
}

static void lever_quadrant(float x, float y)
{
    float e = eng_x();
    if (fltbox(x, y, e + 645, 70, e + 797, 138)) upper_levers(x, y, e);
    if (fltbox(x, y, e + 645, 1, e + 797, 69)) lower_levers(x, y, e);
}

void manage_das(float x, float y)
{
    screen_areas(x, y);
    instrument_knobs(x, y);
    radio_column(x, y);
    cockpit_controls(x, y);
    lever_quadrant(x, y);
}
