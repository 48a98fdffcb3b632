#include "Point.h"
#include "Drplane.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Initnav.h"
#include "Startscn.h"
#include "records.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdlib>

// ---- runway and approach lights -------------------------------------------------

// Light kinds per end, as the loader decodes them.
static const int lit_helipad = 6;          // runway lights: a pad's edge ring
static const int app_flasher_only = 6;     // approach lights: the sequenced flasher alone
static const int gsi_two_bar = 2;
static const int gsi_four_light = 3;


// A threshold bar: 13 points, 3 at each end beyond and at the edges, 7 between.
static const int bar_end_points = 3;
static const int bar_points = 13;

// Colours.
static const float col_white[3] = {0.6f, 0.6f, 0.3f};     // centre line, touchdown zone, approach
static const float col_edge[3] = {0.6f, 0.6f, 0.4f};
static const float col_amber[3] = {0.6f, 0.4f, 0.0f};
static const float col_red[3] = {0.8f, 0.0f, 0.0f};
static const float col_green[3] = {0.2f, 0.6f, 0.2f};
static const float col_blue[3] = {0.2f, 0.2f, 0.6f};      // taxiway and helipad
static const float col_gsi_white[3] = {1.0f, 1.0f, 1.0f};
static const float col_gsi_red[3] = {1.0f, 0.2f, 0.2f};

// Inside a glBegin(GL_POINTS): points from..to of the slot that are there.
static void light_run(int g, int from, int to, const float* rgb)
{
    from = intmax2(from, 0);
    to = intmin2(to, geo_lights - 1);
    glColor3fv(rgb);
    for (int i = from; i <= to; i++) {
        const float* p = geo_litexyz[g][i];
        if (p[1] > geo_gone_below) glVertex3fv(p);
    }
}

static void light_one(int g, int i, const float* rgb) { light_run(g, i, i, rgb); }

// The end the camera looks along: 1 when it faces more than 89 degrees away
// from the runway's own heading.
static int lights_end_faced(float view_heading, float rwy_heading)
{
    int d = intwrap(intround(view_heading - rwy_heading), -179, 180);
    return abs(d) > 89 ? 1 : 0;
}

// How many edge lights from the far end are amber: the last 2,000 ft (20 ft
// under 500 ft) at one light per 200 ft (10 ft).
static int edge_caution_count(float len_ft)
{
    int spacing = 200, limit = 2000;
    if (len_ft < 500) spacing = 10, limit = 20;
    return intround((float)intmin2(intround(len_ft / 2), limit) / spacing);
}

// The glide-slope indicator seen from the eye; its angle is from the
// airport's elevation to the eye over the horizontal distance to the first
// point, straight above it 90 degrees.
static void draw_gsi(int g, int e, float elev)
{
    int kind = geo_litgls[g][e];
    if (kind != gsi_two_bar && kind != gsi_four_light) return;
    int first = geo_gsi + geo_end_offset * e;
    const float* p = geo_litexyz[g][first];
    float dist = pythag(con.VIEW_xyz[0] - p[0], con.VIEW_xyz[2] - p[2]);
    float angle = atan2f(con.VIEW_xyz[1] - elev, dist) * con.radtodeg;

    glPointSize(2);
    glBegin(GL_POINTS);
    if (kind == gsi_two_bar) {
        const float* far_bar = angle < 3.5f ? col_gsi_red : col_gsi_white;
        const float* near_bar = angle < 2.5f ? col_gsi_red : col_gsi_white;
        light_run(g, first, first + 1, far_bar);
        light_run(g, first + 2, first + 3, near_bar);
    } else {
        static const float below[4] = {2.6f, 2.9f, 3.1f, 3.4f};
        for (int k = 0; k < 4; k++) light_one(g, first + k, angle < below[k] ? col_gsi_red : col_gsi_white);
    }
    glEnd();
    glPointSize(1);
}

// The pad's edge ring, only with the helipad kind.
static void draw_helipad(int g, int e)
{
    if (!scn.rway_lights || geo_litrwy[g][e] != lit_helipad) return;
    glBegin(GL_POINTS);
    light_run(g, geo_left_row, geo_rmax1[g], col_blue);
    light_run(g, geo_right_row, geo_rmax2[g], col_blue);
    glEnd();
}

// Edge lights: amber over the caution zone at the far end, seen from end e.
static void edge_lights(int g, int e, float len_ft)
{
    int c = edge_caution_count(len_ft);
    int n1 = geo_rmax1[g], n2 = geo_rmax2[g];
    if (e == 1) {
        light_run(g, geo_left_row, geo_left_row + c, col_amber);
        light_run(g, geo_right_row, geo_right_row + c, col_amber);
        light_run(g, geo_left_row + c + 1, n1, col_edge);
        light_run(g, geo_right_row + c + 1, n2, col_edge);
    } else {
        light_run(g, geo_left_row, n1 - c, col_edge);
        light_run(g, geo_right_row, n2 - c, col_edge);
        light_run(g, n1 - c + 1, n1, col_amber);
        light_run(g, n2 - c + 1, n2, col_amber);
    }
}

// Centre line colour code toward the far end: alternating red and white over
// the last 3,000 ft, red over the last 1,000.
static void centre_lights(int g, int e, float len_ft)
{
    int h = intmin2(intround(len_ft / 2), 3000) / 200;
    int q = intmin2(intround(len_ft / 4), 1500) / 200;
    int last = intmin2(geo_RCLS[g], geo_lights - 1);
    for (int i = geo_centre_row; i <= last; i++) {
        const float* alternate = i % 2 == 0 ? col_red : col_white;
        const float* rgb;
        if (e == 1) rgb = i < geo_centre_row + q ? col_red : i < geo_centre_row + h ? alternate : col_white;
        else rgb = i < last - h ? col_white : i < last - q ? alternate : col_red;
        light_one(g, i, rgb);
    }
}

// The threshold bar across the end at base: its outer points, or its middle.
static void bar_ends(int g, int base, const float* rgb)
{
    light_run(g, base, base + bar_end_points - 1, rgb);
    light_run(g, base + bar_points - bar_end_points, base + bar_points - 1, rgb);
}

static void bar_middle(int g, int base, const float* rgb)
{
    light_run(g, base + bar_end_points, base + bar_points - bar_end_points - 1, rgb);
}

// Everything lit only while the runway lights are on, for the faced end e.
static void runway_lights(int g, int e, float len_ft)
{
    int rwy = geo_litrwy[g][e], app = geo_litapp[g][e], b = geo_end_offset * e;
    int lit_rwy = intrange(rwy, 2, 5), lit_app = intrange(app, 2, 5);
    // Green at the end faced, red across the far one.
    const float* near0 = e == 0 ? col_green : col_red;
    const float* near1 = e == 0 ? col_red : col_green;

    glBegin(GL_POINTS);
    if (geo_tway[g] && lit_rwy) {
        light_run(g, geo_taxi_inner_row, geo_tmax1[g], col_blue);
        light_run(g, geo_taxi_outer_row, geo_tmax2[g], col_blue);
        light_run(g, geo_connector_lights, geo_taxi_lights_last, col_blue);
    }
    if (lit_rwy) edge_lights(g, e, len_ft);
    if (intrange(rwy, 3, 5) || lit_app) {
        bar_ends(g, geo_threshold_bar0, near0);
        bar_ends(g, geo_threshold_bar1, near1);
    }
    if (lit_app) {
        bar_middle(g, geo_threshold_bar0, near0);
        bar_middle(g, geo_threshold_bar1, near1);
    }
    if (intrange(rwy, 4, 5)) centre_lights(g, e, len_ft);
    if (rwy == 5) light_run(g, geo_touchdown + b, geo_outer_approach - 1 + b, col_white);
    if (lit_app) light_run(g, geo_approach_left + b, geo_gsi - 1 + b, col_white);
    if (intrange(app, 4, 5)) light_run(g, geo_outer_approach + b, geo_threshold_bar0 - 1 + b, col_white);
    if (app == 5) light_run(g, geo_approach_side + b, geo_touchdown - 1 + b, col_red);
    glEnd();

    if (intrange(app, 3, app_flasher_only)) {
        const float* p = geo_litexyz[g][geo_rabbit + b];
        if (p[1] > geo_gone_below) heavy_light(p[0], p[1], p[2], 1, 1, 1, 2);
    }
}

// White and green in turn, each airport at its own phase.
static void draw_beacon(int k, int g)
{
    const float* p = geo_litexyz[g][geo_beacon];
    if (p[1] <= geo_gone_below) return;
    float s = signsqr(sinf((float)k + msc.sim_time));
    float m = fabsf(s);
    if (s >= 0) heavy_light(p[0], p[1], p[2], m, m, m, 3 * m);
    else heavy_light(p[0], p[1], p[2], 0, m, 0, 3 * m);
}

void plot_rway_lights(void)
{
    // Lifted toward the eye, more the higher it is, so the points stay above
    // the pavement in the depth test.
    glPushMatrix();
    glTranslatef(0, (con.VIEW_xyz[1] - env.camera_ground_h) * 0.02f + 1.0f, 0);

    for (int k = 0; k <= apt_lcl_max && k < local_list_max; k++) {
        if (!apt_inrange[k]) continue;
        int apt = apt_to_index[k];
        if (!apt_has_runway(apt)) continue;
        int first = runway_slot(apt_lo_ind[apt]);
        if (first >= 0) draw_beacon(k, first);

        for (int r = apt_lo_ind[apt]; r <= apt_hi_ind[apt]; r++) {
            int g = runway_slot(r);
            if (g < 0) continue;
            int e = lights_end_faced(scn.view_heading, rwy_hdng[r]);
            if (rwy_num[r] == rwy_pad) {
                draw_helipad(g, e);
                continue;
            }
            draw_gsi(g, e, apt_h[apt]);
            if (scn.rway_lights) runway_lights(g, e, rwy_len[r] * con.mtrstoft);
        }
    }
    glPopMatrix();
}

// The night sky comes with its own drawing; until then the frame calls this
// and nothing shows.
void plot_stars(float, float, float, float, float, float, float) {}
