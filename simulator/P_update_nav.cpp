// The panel's heading and radio-navigation instruments: the HSI (also the
// heading gyro), the VOR and glide-slope indicator and the RMI of the
// supplementary slot, the ADF, the moving map's symbols, and the DME and
// GPS readouts of the radio column.
//   heading and course
//   the radio column's readouts
#include "P_update.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>

panel_draw_calls panel_draw = {plot_dg, plot_needle, plot_tape, plot_gs};

// Aircraft 0's position on the flat local frame.
static float ac_x(void) { return (float)flt.pos_x[0]; }
static float ac_y(void) { return (float)flt.pos_y[0]; }
static float ac_z(void) { return (float)flt.pos_z[0]; }

// Metres from aircraft 0 to the glide-slope antenna of receiver r, or to its
// VOR or localiser when it has none (-99.9) or is a VOR (99.9).
static float distance_to_station(int r)
{
    int gs = nav.gs_angle[r] >= -99.0f && nav.gs_angle[r] <= 99.0f;
    float sx = gs ? nav.gs_x[r] : nav.stn_x[r];
    float sh = gs ? nav.gs_h[r] : nav.stn_h[r];
    float sz = gs ? nav.gs_z[r] : nav.stn_z[r];
    return pythag3(ac_x() - sx, ac_y() - sh, ac_z() - sz);
}

// ---- heading and course -----------------------------------------------------------

void update_HSI(int hdev, int vdev)
{
    const planestruct& a = pln[0];
    int K = a.paneltype == 1 ? 9 : 42;
    float x = hsi_x(), y = hsi_y();
    float dg = ins.dg_hdg;

    panel_draw.plot_gs((float)a.gsx1, (float)(vdev + a.gsyc));
    panel_draw.plot_gs((float)a.gsx2, (float)(vdev + a.gsyc));

    if (panel_system_ok(sys_heading)) pnl.hsi_card = panel_whole_deg(dg);
    panel_draw.plot_dg(x, y, pnl.hsi_card, 52);

    // The heading bug: a chevron on the card's edge.
    int b = degwrap(panel_whole_deg(dg - env.mag_var) - degwrap(nav.hdg_bug));
    float px = x - lookup_sin[b] * 50, py = y + lookup_cos[b] * 50;
    panel_draw.plot_needle(px, py, (float)(210 - b), 0, 10, 1, 32);
    panel_draw.plot_needle(px, py, (float)(150 - b), 0, 10, 1, 32);

    // The course arrow: its head at radius 40, its tail opposite.
    int c = panel_whole_deg(dg + 360 - nav.nav_crs2);
    int cl = degwrap(c - 8), cr = degwrap(c + 8);
    float tip_x = x - lookup_sin[c] * 40, tip_y = y + lookup_cos[c] * 40;
    OGL_line(K, x - lookup_sin[cl] * 32, y + lookup_cos[cl] * 32, tip_x, tip_y);
    OGL_line(K, tip_x, tip_y, x - lookup_sin[cr] * 32, y + lookup_cos[cr] * 32);
    OGL_line(K, x + lookup_sin[c] * 40, y - lookup_cos[c] * 40, x + lookup_sin[c] * 32, y - lookup_cos[c] * 32);

    if (a.paneltype == 2) {
        for (int h = 52; h <= 54; h++) OGL_line(44, x - 3, y + (float)h, x + 4, y + (float)h);
        OGL_line(39, x, y + 55, x, y + 52);
        OGL_number(39, x - 32, y + 54, (float)pnl.hsi_card, 3, 0, 6, 0);
        OGL_number(42, x + 17, y + 54, nav.nav_crs2, 3, 0, 6, 0);
        OGL_string(47, x - 82, y - 50, "DME", 999, 6);
        float d = distance_to_station(recv_nav2) * con.mtrstonm;
        if (!(d <= 99) || !nav.receiving[recv_nav2]) OGL_string(47, x - 60, y - 50, "---", 999, 6);
        else OGL_number(47, x - 60, y - 50, d, 3, 1, 6, 0);
    } else {
        for (float lx : {x - 1, x, x + 1}) OGL_line(K, lx, y + 43, lx, y + 51);
    }

    // The deviation dots across the course, 5 units apart, and the bar. Each
    // angle wrapped first: many turns out, the sine's argument loses the
    // degree's fraction and the bar would stand off the arrow.
    float theta = fmodf(dg, 360.0f) + 360 - fmodf(nav.nav_crs2, 360.0f);
    if (!std::isfinite(theta)) theta = 0;
    float s = sinf(theta * con.degtorad), co = cosf(theta * con.degtorad);
    OGL_framerect(K, x - 3, y - 3, 6, 6);
    for (int i = 1; i <= 4; i++)
        for (int side : {1, -1}) {
            float d = (float)(5 * i * side);
            OGL_framerect(K, x + co * d - 1, y + s * d - 1, 2, 2);
        }
    float h = (float)hdev;
    OGL_line(K, x + s * 30 + h * co, y - co * 30 + h * s, x - s * 30 + h * co, y + co * 30 + h * s);

    float t = nav.tofrom[recv_nav2] == 1 ? 1.0f : nav.tofrom[recv_nav2] == 2 ? -1.0f : 0.0f;
    OGL_line(K, x + co * 10 - s * 3 * t, y + s * 10 + co * 3 * t, x + co * 15 - t * s * 10, y + s * 15 + t * co * 10);
    OGL_line(K, x + co * 15 - t * s * 10, y + s * 15 + t * co * 10, x + co * 20 - s * 3 * t, y + s * 20 + co * 3 * t);
}

void update_VORandGS(int hdev, int vdev)
{
    float x = supp_x(), y = supp_y();
    static const char* const flag[3] = {"NAV", "TO ", "FRM"};
    int f = nav.tofrom[recv_nav1];
    OGL_string(8, x + 27, y - 3, flag[(f == 1 || f == 2) ? f : 0], 999, 6);
    panel_draw.plot_needle(x + (float)hdev, y + 23, 180, 0, 46, 1, 6);
    panel_draw.plot_needle(x - 23, y + (float)vdev, 90, 0, 46, 1, 6);

    // The course on the upper scale, its reciprocal on the lower.
    float o = nav.nav_crs1;
    if (!std::isfinite(o)) o = 0;
    if (o < 0 || o > 360) o = (float)panel_whole_deg(o);
    if (o > 180) panel_draw.plot_tape(3, x, y + 28, o - 180);
    else panel_draw.plot_tape(2, x, y + 28, o);
    float r = fltwrap(180 - o, 0, 360);
    if (r > 180) panel_draw.plot_tape(5, x, y - 42, r - 180);
    else panel_draw.plot_tape(4, x, y - 42, r);
}

void update_RMI(void)
{
    float x = supp_x(), y = supp_y();
    if (panel_system_ok(sys_heading) && std::isfinite(ins.dg_hdg)) pnl.rmi_card = ins.dg_hdg;
    float h = pnl.rmi_card;
    float b = fltwrap(bearing_to(nav.stn_x[recv_nav1], nav.stn_z[recv_nav1]) + env.mag_var, 0, 360);
    panel_draw.plot_dg(x, y, panel_whole_deg(h), 45);
    panel_draw.plot_needle(x, y, b - h, -5, 35, 2, 9);
}

void update_ADF(void)
{
    float x = adf_x(), y = adf_y();
    float r = bearing_to(nav.ndb_x, nav.ndb_z) - flt.psi[0];
    if (r < 0) r += 360;
    // The needle swings toward the station at 90 degrees a second at most.
    if (panel_system_ok(sys_radios)) {
        float n = pnl.adf_needle;
        float step = fltlim(fltwrap(r - n, -180, 180), -90 * msc.dt, 90 * msc.dt);
        if (std::isfinite(step)) pnl.adf_needle = fltwrap(n + step, 0, 360);
    }
    float n = pnl.adf_needle;
    if (pln[0].ADFtype == 2) ins.adf_card = panel_whole_deg(ins.dg_hdg);
    panel_draw.plot_dg(x, y, degwrap(ins.adf_card), 45);
    panel_draw.plot_needle(x, y, n, -25, 32, 1, 9);
    float tx = x + sinf(n * con.degtorad) * 32, ty = y + cosf(n * con.degtorad) * 32;
    panel_draw.plot_needle(tx, ty, n + 150, 0, 7, 1, 9);
    panel_draw.plot_needle(tx, ty, n + 210, 0, 7, 1, 9);

    int f = abs(nav.adf);
    OGL_number(48, x - 13, y - 67, (float)((f / 100) % 10), 1, 0, 6, 0);
    OGL_number(48, x - 3, y - 67, (float)((f / 10) % 10), 1, 0, 6, 0);
    OGL_number(48, x + 7, y - 67, (float)(f % 10), 1, 0, 6, 0);
}

void hs_plot_nav(int kind, int index, float x, float y)
{
    static const float column[4] = {0, 0.0f, 0.0859375f, 0.171875f};
    if (kind < 1 || kind > 3) return;
    float s0 = column[kind], s1 = s0 + 0.0859375f;
    glTexCoord2f(s0, 0.859375f); glVertex2f(x - 5, y - 5);
    glTexCoord2f(s0, 1.0f); glVertex2f(x - 5, y + 5);
    glTexCoord2f(s1, 1.0f); glVertex2f(x + 6, y + 5);
    glTexCoord2f(s1, 0.859375f); glVertex2f(x + 6, y - 5);
    if (kind != 1 || !airport_in_table(index)) return;
    for (int k = 0; k < 4 && apt_id[index][k]; k++) OGL_char(x - 12 + 6 * (float)k, y - 13, apt_id[index][k]);
}

// ---- the radio column's readouts ----------------------------------------------------

// A time to go, 0..999: no distance at no speed is no time.
static float time_to_go(float distance, float speed)
{
    float t = distance / speed;
    return std::isnan(t) ? 0 : fltlim(t, 0, 999);
}

void update_DME(void)
{
    float R = radio_x();
    int r = nav.dme_sel == 1 ? recv_nav2 : recv_nav1;
    float raw = distance_to_station(r) * con.mtrstonm;
    float d_prev = pnl.dme_nm;
    // A station position that is no number leaves the reading where it was.
    float d = std::isnan(raw) ? d_prev : fltlim(d_prev * 0.6f + raw * 0.4f, 0, 999);
    float speed = msc.dt > 0 ? fltlim(fabsf(d - d_prev) / msc.dt * 3600, 0, 999) : 0;
    pnl.dme_nm = d;

    if (!nav.receiving[r]) {
        for (float x : {R + 499, R + 532, R + 565}) OGL_string(48, x, 270, "---", 18, 6);
        return;
    }
    OGL_number(48, R + 499, 270, d, 3, 0, 6, 0);
    OGL_number(48, R + 532, 270, speed, 3, 0, 6, 0);
    OGL_number(48, R + 565, 270, time_to_go(d * 60, speed), 3, 0, 6, 0);
}

int gps_kind(void) { return (nav.gps_mode == 2 || nav.gps_mode == 3) ? nav.gps_mode : 1; }

int gps_table_last(int kind)
{
    if (kind == 1) return intmin2(apt_wrl_max, world_apt_max - 1);
    return intmin2(nav_wrl_max, world_nav_max - 1);
}

const char* gps_destination_name(void)
{
    int i = nav.gps_index, kind = gps_kind();
    if (i < 0 || i > gps_table_last(kind)) return nullptr;
    return kind == 1 ? apt_name[i] : nav_name[i];
}

void update_GPS(void)
{
    float R = radio_x();
    OGL_fillrect(48, R + 584 + fltlim(panel_hold(held_cdi0, nav.cdi[recv_nav1]) * 3, -25, 25), 253, 3, 7);
    OGL_number(48, R + 530, 253, fltwrap(nav.gps_brg + env.mag_var, 0, 360), 3, 0, 6, 0);
    float speed = flt.gnd_speed[0];
    OGL_number(48, R + 498, 238, fltlim(nav.gps_dist * con.mtrstonm, 0, 9999), 4, 0, 6, 0);
    OGL_number(48, R + 538, 238, fltlim(speed * con.msctokts, 0, 9999), 4, 0, 6, 0);
    OGL_number(48, R + 577, 238, time_to_go(nav.gps_dist, speed * 60), 3, 0, 6, 0);

    const char* name = gps_destination_name();
    if (name) {
        snprintf(C_s, sizeof C_s, "%.19s", name);
        OGL_string(48, R + 499, 268, C_s, 999, 6);
    }
    char id[5];
    for (int k = 0; k < 4; k++) id[k] = code_to_char(nav.gps_id_char[k]);
    id[4] = 0;
    OGL_string(48, R + 499, 253, id, 999, 6);

    OGL_line(nav.gps_cursor == 0 ? 48 : 50, R + 499, 266, R + 503, 266);
    for (int k = 1; k <= 4; k++) {
        float x = R + 499 + 6 * (float)(k - 1);
        OGL_line(nav.gps_cursor == k ? 48 : 50, x, 251, x + 4, 251);
    }
}
