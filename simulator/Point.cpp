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

// ---- the night sky -------------------------------------------------------------

// The five brightness groups of the star field (entry 0 is not drawn).
const int star_groups = 5;
static const int group_first[star_groups] = {1, 201, 401, 801, 1401};
static const int group_last[star_groups] = {200, 400, 800, 1400, star_count - 1};
static const float group_factor[star_groups] = {1.0f, 0.8f, 0.6f, 0.4f, 0.2f};

const float meteor_life = 2.0f;   // s of frame time
const float moon_distance = 10000;   // m from the eye
const float moon_half = moon_distance * 0.025f;

// The sky over the whole run: the meteor in flight and the moon's place in
// its cycle, drawn on the first frame so that every run has its own.
struct night_sky_run_state {
    int meteor_x = 0, meteor_y = 0;     // reference units, the eye-centred x and y
    int meteor_dx = 0, meteor_dy = 0;   // a frame's step
    float meteor_age = 0;               // s
    int phase_drawn = 0;
    float moon_phase = 0;               // radians
};
static night_sky_run_state night_run;

void clear_night_sky_run_state(void) { night_run = night_sky_run_state(); }

float star_level(float r, float g, float b, float time_of_day)
{
    float k = time_of_day > 12 * 3600.0f ? 1.6f : 0.8f;
    return 1.0f - k * (r + g + b);
}

float meteor_period(int setting)
{
    switch (setting) {
    case 1: return 600;
    case 2: return 300;
    case 3: return 150;
    case 4: return 30;
    }
    return 300;
}

// A frame of no time has no chance of a meteor, and draws nothing for it.
int meteor_starts(float period, float dt)
{
    if (!(dt > 0)) return 0;
    return fltrand(0, period / dt) < 1.0f;
}

int moon_position(float time_of_day, float phase, float lat, float xyz[3])
{
    float a = fltwrap(time_of_day / 3600 / 24 * con.pim2 + phase, 0, con.pim2);
    if (!fltrange(a, 0, con.pi)) return 0;
    float la = lat * con.degtorad;
    xyz[0] = moon_distance * cosf(a);
    xyz[1] = moon_distance * sinf(a) * cosf(la);
    xyz[2] = moon_distance * sinf(a) * sinf(la);
    return 1;
}

void plotgroup(int first, int last, float r, float g, float b, float level)
{
    glColor3f(fmaxf(level, r), fmaxf(level, g), fmaxf(level, b));
    for (int i = first; i <= last; i++) glVertex3fv(star_xyz[i]);
}

// A new meteor when one is due, then the one in flight one step on, fading
// in and out over its life. A frame of no time holds it, as it would
// otherwise streak on without ageing.
static void draw_meteor(float left, float bottom, float right, float top)
{
    night_sky_run_state& n = night_run;
    float dt = msc.dt;
    if (!(dt > 0)) return;
    if (meteor_starts(meteor_period(atm.meteor_level), dt)) {
        n.meteor_x = intrand(intround(left), intround(right));
        n.meteor_dx = intrand(-16, 16);
        n.meteor_y = intrand(intround(bottom), intround(top));
        n.meteor_dy = intrand(-16, -4);
        n.meteor_age = 0;
    }
    if (n.meteor_age >= meteor_life) return;
    n.meteor_x += n.meteor_dx;
    n.meteor_y += n.meteor_dy;
    n.meteor_age += dt;
    float grey = fabsf(n.meteor_age - 1);
    glColor3f(grey, grey, grey);
    glBegin(GL_LINES);
    glVertex3f((float)n.meteor_x, (float)n.meteor_y, 0);
    glVertex3f((float)(n.meteor_x + n.meteor_dx), (float)(n.meteor_y + n.meteor_dy), 0);
    glEnd();
}

// The moon's quad faces the eye: its corners turned by the view's heading
// and pitch, as the camera turns the world the other way.
static void draw_moon(const float at[3], float sky_sum)
{
    billboard_axes v = view_axes(1);
    // (s, t) of each corner, and its side along across and up.
    static const float corner[4][2] = {{1, 1}, {1, 0}, {0, 0}, {0, 1}};

    OGL_setstate(0, 1, 0, 0);
    glEnable(GL_BLEND);
    glColor4f(1, 1, 1, 1 - fltlim(0.4f * sky_sum, 0, 1));
    OGL_bindtex(tex_moon);
    glBegin(GL_QUADS);
    for (const float* c : corner)
        billboard_vertex(v, at, moon_half * (2 * c[0] - 1), moon_half * (2 * c[1] - 1), c[0], c[1]);
    glEnd();
    glDisable(GL_BLEND);
}

void plot_stars(float r, float g, float b, float left, float bottom, float right, float top)
{
    night_sky_run_state& n = night_run;
    if (!n.phase_drawn) {
        n.moon_phase = fltrand(0, con.pim2);
        n.phase_drawn = 1;
    }
    float s = r + g + b;
    float level = star_level(r, g, b, msc.time_of_day);
    const float* v = con.VIEW_xyz;
    // A bright sky hides the meteors too, and holds the one in flight.
    if (r < level || g < level || b < level) {
        glPushMatrix();
        glTranslatef(v[0], v[1], v[2]);
        glBegin(GL_POINTS);
        for (int k = 0; k < star_groups; k++)
            plotgroup(group_first[k], group_last[k], r, g, b, level * group_factor[k]);
        glEnd();
        draw_meteor(left, bottom, right, top);
        glPopMatrix();
    }

    float at[3];
    if (!moon_position(msc.time_of_day, n.moon_phase, flt.lat, at)) return;
    for (int k = 0; k < 3; k++) at[k] += v[k];
    draw_moon(at, s);
}
