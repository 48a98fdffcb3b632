// The head-up displays of the forward views: the flight-data display (tapes,
// readouts, boresight, flight-path marker, pitch ladder, ILS bars) over the
// 3D viewport in its reference units, and the synthetic-vision display (the
// terrain around the camera, the local runways and goal posts down their
// approaches) drawn into the world.
//
// Sections: colours and the box, the flight-data display, the
// synthetic-vision display.
#include "Add-ons.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Initnav.h"
#include "P_update.h"
#include "Startscn.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdlib>

// ---- colours and the box --------------------------------------------------------

// Colour-table entries: the greens from dark to pale.
static const int col_green_dark = 51;
static const int col_green_mid = 50;
static const int col_green = 49;
static const int col_green_pale = 47;

// What each display draws in, by the HUD colour switch.
struct hud_colours {
    int data;     // the flight-data display
    int outer;    // the wireframe's outermost ring and the goal posts
    int inner;    // the wireframe's other cells
    int runway;   // the runway outlines
};
static const hud_colours hud_colour_sets[2] = {
    {col_green_dark, col_green_dark, col_green_mid, col_green},
    {col_green_mid, col_green_mid, col_green, col_green_pale},
};

static const hud_colours& hud_colours_now(void) { return hud_colour_sets[ins.hud_colour != 0]; }

// Everything but the tapes and readouts stays inside the box; its top row
// and right column are the frame's.
static void scissor_to_box(void)
{
    float L = con.HUD_lft, B = con.HUD_bot;
    glScissor(intround(L * mnw.XRAT), intround(B * mnw.YRAT), intround((con.HUD_rgt - L - 1) * mnw.XRAT),
              intround((con.HUD_top - B - 1) * mnw.YRAT));
    glEnable(GL_SCISSOR_TEST);
}

// ---- the flight-data display ------------------------------------------------------

float hud_depression(int view)
{
    if (view == view_down_4) return -4;
    if (view == view_down_8) return -8;
    return 0;
}

// Where the aircraft goes over the ground, seen from the depressed line of
// sight and turned with the roll.
void hud_marker(float o, float* x, float* y)
{
    const float k = hud_units_per_deg;
    float dp = fltwrap(flt.theta[0] - flt.gamma_gnd + o, -180, 180);
    float dh = fltwrap(flt.psi[0] - flt.track, -180, 180);
    float s = flt.sin_phi, c = flt.cos_phi;
    *x = fltlim((-dh * c + dp * s) * k + con.cntrx, con.HUD_lft + 2, con.HUD_rgt - 2);
    *y = fltlim((-dp * c - dh * s) * k + con.cntry, con.HUD_bot + 2, con.HUD_top - 2);
}

// Speed, altitude and heading: the tapes, their readouts and the carets
// pointing at them.
static void draw_tapes(int col)
{
    float L = con.HUD_lft, T = con.HUD_top, R = con.HUD_rgt, B = con.HUD_bot, cx = con.cntrx, cy = con.cntry;
    float side_half = (float)intround((T - B) * 0.5f - 1);
    float top_half = (float)intround((R - L) * 0.5f - 30);
    float alt_hundreds = flt.alt_now * con.mtrstoft * 0.01f;
    plot_glass_tape(col, L + 3, L + 24, cy, side_half, -999.0f, flt.ias_kts, 5.0f, 10, 2.0f, tape_vertical);
    plot_glass_tape(col, R - 20, R - 27, cy, side_half, -999.0f, alt_hundreds, 1.0f, 5, 10.0f, tape_vertical);
    plot_glass_tape(col, T - 9, T - 16, cx, top_half, -999.0f, flt.hdg_mag, 5.0f, 10, 5.0f, tape_horizontal);

    OGL_number(col, L + 35, cy - 3, flt.ias_kts, 3, 0, 6, 0);
    OGL_number(col, R - 57, cy - 3, alt_hundreds, 4, 0, 6, 0);
    OGL_number(col, cx - 8, T - 32, flt.hdg_mag, 3, 0, 6, 0);

    OGL_line(col, L + 33, cy - 5, L + 28, cy);
    OGL_line(col, L + 28, cy, L + 33, cy + 5);
    OGL_line(col, R - 29, cy - 5, R - 34, cy);
    OGL_line(col, R - 34, cy, R - 29, cy + 5);
    OGL_line(col, cx - 5, T - 23, cx, T - 18);
    OGL_line(col, cx, T - 18, cx + 5, T - 23);
}

// Every 5 degrees to 60 up and down, about the centre and turned with the
// view: the horizon solid and wide, climbs solid, dives dashed.
static void draw_ladder(int col, float o)
{
    const float k = hud_units_per_deg;
    static const float dash_centres[6] = {-25, -15, -5, 5, 15, 25};
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslatef(con.cntrx, con.cntry, 0);
    glRotatef(scn.view_roll, 0, 0, 1);
    for (int p = -60; p <= 60; p += 5) {
        float y = (p - flt.theta[0] - o) * k;
        if (p < 0)
            for (float xc : dash_centres) OGL_line(col, xc - 3, y, xc + 3, y);
        else if (p == 0)
            OGL_line(col, -100, y, 100, y);
        else
            OGL_line(col, -25, y, 25, y);
        if (p == 0) continue;
        OGL_number(col, -40, y - 2, (float)abs(p), 2, 0, 6, 0);
        OGL_number(col, 28, y - 2, (float)abs(p), 2, 0, 6, 0);
    }
    glPopMatrix();
}

void plot_nrml_hud(void)
{
    const int col = hud_colours_now().data;
    const float k = hud_units_per_deg;
    float cx = con.cntrx, cy = con.cntry;
    draw_tapes(col);

    scissor_to_box();
    float o = hud_depression(set.view_id);
    float bore_y = cy - k * o;
    OGL_line(col, cx - 10, bore_y, cx + 10, bore_y);
    OGL_line(col, cx, bore_y - 10, cx, bore_y + 10);

    float mx, my;
    hud_marker(o, &mx, &my);
    OGL_framerect(col, mx - 2, my - 2, 4, 4);

    draw_ladder(col, o);

    // The synthetic-vision display shows the runway itself instead.
    if (glide_slope_received(1) && pln[0].HUDtype != 3) {
        float lx = cx + 10 * nav.cdi[1], gy = cy - 10 * nav.gsi[1];
        OGL_line(col, lx, cy - 50, lx, cy + 50);
        OGL_line(col, cx - 50, gy, cx + 50, gy);
    }
    glDisable(GL_SCISSOR_TEST);
}

// ---- the synthetic-vision display --------------------------------------------------

static const int wire_reach = 10;               // cells either side of the camera's
static const float goal_post_reach_nm = 15;     // runway end to the eye, horizontally
static const int goal_posts = 8;
static const float goal_post_far = 6000;        // m, the last frame out
static const float goal_post_climb = 0.05f;     // rise per metre back along the approach
static const float goal_post_size = 0.02f;      // half-size per metre out

void goal_post_frame(const float end[3], float hdg, int k, float centre[3], float* half)
{
    float d = goal_post_far * powf((k + 2) / 9.0f, 1.5f);
    float h = hdg * con.degtorad;
    centre[0] = end[0] - d * sinf(h);
    centre[1] = end[1] + goal_post_climb * d;
    centre[2] = end[2] + d * cosf(h);
    *half = goal_post_size * d;
}

// Two lines a cell, to its north and east neighbours; the grid's edge cuts
// the square short.
static void draw_terrain_wire(const hud_colours& c)
{
    int ci = env.cam_cell_i, cj = env.cam_cell_j;
    int i0 = intlim(ci - wire_reach, 0, region_grid_x - 2), i1 = intlim(ci + wire_reach, 0, region_grid_x - 2);
    int j0 = intlim(cj - wire_reach, 0, region_grid_z - 2), j1 = intlim(cj + wire_reach, 0, region_grid_z - 2);
    glBegin(GL_LINES);
    for (int i = i0; i <= i1; i++)
        for (int j = j0; j <= j1; j++) {
            OGL_setcolor(abs(i - ci) < wire_reach && abs(j - cj) < wire_reach ? c.inner : c.outer);
            const float *p = planexyz[i][j], *n = planexyz[i][j + 1], *e = planexyz[i + 1][j];
            OGL_3dline(p[0], p[1], p[2], n[0], n[1], n[2]);
            OGL_3dline(p[0], p[1], p[2], e[0], e[1], e[2]);
        }
    glEnd();
}

// The outline, then within reach the goal posts from its approach end:
// the posts and the bar at their feet, no top bar.
static void draw_runway_frames(const hud_colours& c, int r, int g)
{
    glBegin(GL_LINES);
    OGL_setcolor(c.runway);
    for (int k = 0; k < 4; k++) {
        const float *a = runway_corner(g, k), *b = runway_corner(g, (k + 1) % 4);
        OGL_3dline(a[0], a[1], a[2], b[0], b[1], b[2]);
    }
    float end[3];
    for (int a = 0; a < 3; a++) end[a] = 0.5f * (runway_corner(g, 2)[a] + runway_corner(g, 3)[a]);
    if (pythag(end[0] - con.VIEW_xyz[0], end[2] - con.VIEW_xyz[2]) <= goal_post_reach_nm * con.nmtomtrs) {
        OGL_setcolor(c.outer);
        float h = rwy_hdng[r] * con.degtorad, ch = cosf(h), sh = sinf(h);
        for (int k = 0; k < goal_posts; k++) {
            float m[3], s;
            goal_post_frame(end, rwy_hdng[r], k, m, &s);
            float lx = m[0] - s * ch, lz = m[2] - s * sh, rx = m[0] + s * ch, rz = m[2] + s * sh;
            OGL_3dline(lx, m[1] + s, lz, lx, m[1] - s, lz);
            OGL_3dline(rx, m[1] + s, rz, rx, m[1] - s, rz);
            OGL_3dline(lx, m[1] - s, lz, rx, m[1] - s, rz);
        }
    }
    glEnd();
}

void plot_cool_hud(void)
{
    const hud_colours& c = hud_colours_now();
    scissor_to_box();
    draw_terrain_wire(c);
    for (int l = 0; l <= apt_lcl_max && l < local_list_max; l++) {
        int a = apt_to_index[l];
        if (a < 0 || a >= world_apt_max) continue;
        for (int r = apt_lo_ind[a]; r <= apt_hi_ind[a]; r++) {
            int g = runway_slot(r);
            if (g >= 0 && rwy_num[r] != rwy_pad) draw_runway_frames(c, r, g);
        }
    }
    glDisable(GL_SCISSOR_TEST);
}
