// The carrier, the frigate, the offshore platforms and the oil rigs, drawn
// with their deck and obstruction lights. The models come from start-up
// (Initgen.h); a face joins two consecutive pairs, and every ring of pairs
// runs clockwise seen from above, so a side drawn from the later pair to the
// earlier one faces out.
//   ---- faces      sides, tops, boxes, columns, points
//   ---- carrier    hull, deck, island, masts, lights, the landing aid
//   ---- frigate
//   ---- offshore platform
//   ---- oil rig
#include "Add-ons.h"
#include "Do_atc.h"
#include "Funct.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Startscn.h"

#include <GL/gl.h>
#include <cmath>

// Colour-table entries of the carrier's lights.
static const int col_deck_light = 39;
static const int col_ball = 42;
static const int col_ball_low = 45;
static const int col_datum = 48;

// Helideck edge lights.
static const float helideck_rgb[3] = {1.0f, 1.0f, 0.8f};

// Lights standing on a deck are lifted clear of it, so the deck does not
// hide them in depth.
static const float light_lift = 0.2f;

typedef const float (*pair_list)[2][3];

// ---- faces -------------------------------------------------------------------

// The sides between pairs first..last, and from last back to first when the
// ring is closed; inside a GL_QUADS batch. t runs from t_top at the upper
// points to t_bottom at the lower ones.
static void side_faces(pair_list p, int first, int last, int closed, float t_top = 0, float t_bottom = 1)
{
    for (int a = first; a < last + closed; a++) {
        int b = a == last ? first : a + 1;
        OGL_3dquad_st(p[b][0], p[b][1], p[a][1], p[a][0], 1, t_bottom, 0, t_top);
    }
}

// The box of pairs first..first + 3: its sides, and its top and bottom as
// asked; inside a GL_QUADS batch.
static void box_faces(pair_list p, int first, int sides, int top, int bottom)
{
    if (sides) side_faces(p, first, first + 3, 1);
    if (top) OGL_3dquad(p[first][1], p[first + 1][1], p[first + 2][1], p[first + 3][1]);
    if (bottom) OGL_3dquad(p[first + 3][0], p[first + 2][0], p[first + 1][0], p[first][0]);
}

// What a flat face's texture spans: s over x0..x0 + dx, t over z0..z0 + dz.
struct tex_span {
    float x0, z0, dx, dz;
};

// A flat convex face of n corners, clockwise seen from the side it shows,
// as a fan of triangles inside a GL_TRIANGLES batch.
static void flat_face(const float* const* v, int n, float ny, const tex_span& s)
{
    glNormal3f(0, ny, 0);
    for (int k = 1; k + 1 < n; k++)
        for (const float* c : {v[0], v[k], v[k + 1]}) {
            glTexCoord2f((c[0] - s.x0) / s.dx, (c[2] - s.z0) / s.dz);
            glVertex3fv(c);
        }
}

// The top (upper points in ring order) or the bottom (lower points in
// reverse) of the ring pairs listed in idx.
static void ring_top(pair_list p, const int* idx, int n, const tex_span& s)
{
    const float* v[16];
    for (int k = 0; k < n; k++) v[k] = p[idx[k]][1];
    flat_face(v, n, 1, s);
}

static void ring_bottom(pair_list p, const int* idx, int n, const tex_span& s)
{
    const float* v[16];
    for (int k = 0; k < n; k++) v[k] = p[idx[n - 1 - k]][0];
    flat_face(v, n, -1, s);
}

// A round column of radius r about (x, z) from y0 to y1: a quad strip of
// twelve sides from the whole-degree tables, s one a side, t 0 at the top.
static void round_column(float x, float z, float r, float y0, float y1)
{
    glBegin(GL_QUAD_STRIP);
    for (int a = 0; a <= 360; a += 30) {
        float sn = lookup_sin[a], cs = lookup_cos[a];
        float s = (float)a / 30.0f;
        glNormal3f(sn, 0, -cs);
        glTexCoord2f(s, 0);
        glVertex3f(x + r * sn, y1, z - r * cs);
        glTexCoord2f(s, 1);
        glVertex3f(x + r * sn, y0, z - r * cs);
    }
    glEnd();
}

void light_circle(float x, float y, float z, float r, int first, int n)
{
    for (int k = 0; k < n; k++) {
        int a = (first + k * 360 / n) % 360;
        glVertex3f(x + r * lookup_sin[a], y, z - r * lookup_cos[a]);
    }
}

// Lines of lighting off, texturing off, in grey of the day's brightness.
static void grey_lines(float intensity)
{
    OGL_setstate(1, 0, 0, 1);
    float g = intensity * ogl_brat_ter;
    glColor3f(g, g, g);
}

// A pair as one line, inside a GL_LINES batch.
static void line_of(const float l[2][3])
{
    glVertex3fv(l[0]);
    glVertex3fv(l[1]);
}

// A point's colour blinking red.
static void blink_red(float phase) { glColor3f(pulse(phase), 0, 0); }

// What the terrain drawer had on for the ground when it called us.
static void ground_state(void) { OGL_setstate(1, 1, 1, 1); }

// ---- carrier -----------------------------------------------------------------

// The carrier's pair ranges.
static const int carr_hull_first = 0;
static const int carr_flare_first = 7;
static const int carr_deck_first = 14;
static const int carr_island_first = 26;   // four levels, then the mast base
static const int carr_mast_base = 42;
static const int carr_masts_first = 46;

// Around the deck outline: the main deck and the two sponsons, ring order.
static const int carr_main_deck[6] = {0, 4, 5, 6, 7, 11};
static const int carr_port_sponson[4] = {1, 2, 3, 4};
static const int carr_stbd_sponson[4] = {7, 8, 9, 10};
static const int carr_lower_hull[7] = {0, 1, 2, 3, 4, 5, 6};

// The flight deck's picture over the whole deck: port to starboard across,
// the stern (z 160) at its foot and the bow at its head.
static const tex_span carr_deck_span = {-35, 160, 71, -314};
static const tex_span dirty_span = {0, 0, 20, 20};

// Stays and shrouds of the island's masts, beside the model's mast lines.
static const float carr_rigging[5][2][3] = {
    {{30, 66, 36}, {30, 45, 41}}, {{30, 66, 36}, {30, 45, 31}}, {{26, 60, 36}, {27, 45, 36}},
    {{34, 60, 36}, {33, 45, 36}}, {{30, 54, 44}, {30, 60, 36}},
};

// A model point of ship s in the local frame, turned as the terrain drawer
// turns the modelview: roll, then pitch, then heading.
static void ship_point(int s, const float p[3], float out[3])
{
    float r = env.ship_roll[s] * con.degtorad, q = env.ship_pitch[s] * con.degtorad;
    float h = env.ship_hdg[s] * con.degtorad;
    float sr = sinf(r), cr = cosf(r), sq = sinf(q), cq = cosf(q), sh = sinf(h), ch = cosf(h);
    float x = p[0] * cr + p[1] * sr, y = -p[0] * sr + p[1] * cr, z = p[2];
    float y2 = y * cq - z * sq, z2 = y * sq + z * cq;
    out[0] = env.ship_x[s] + x * ch - z2 * sh;
    out[1] = env.ship_y[s] + y2;
    out[2] = env.ship_z[s] + x * sh + z2 * ch;
}

void carrier_reference_point(float xyz[3]) { ship_point(0, carr_lxyz[carr_light_reference], xyz); }

static void draw_carr_hull(void)
{
    pair_list p = carr_pxyz;
    OGL_bindtex(tex_hull);
    glBegin(GL_QUADS);
    side_faces(p, carr_hull_first, carr_flare_first - 1, 1);
    glEnd();

    OGL_bindtex(tex_metal);
    glBegin(GL_QUADS);
    side_faces(p, carr_flare_first, carr_deck_first - 1, 1);
    side_faces(p, carr_deck_first, carr_island_first - 1, 1);
    box_faces(p, carr_mast_base, 1, 1, 0);
    glEnd();

    // The lower hull's top, the slab's underside over the sponsons, the island's ledges.
    pair_list deck = p + carr_deck_first;
    OGL_bindtex(tex_dirty);
    glBegin(GL_TRIANGLES);
    ring_top(p, carr_lower_hull, 7, dirty_span);
    ring_bottom(deck, carr_main_deck, 6, dirty_span);
    ring_bottom(deck, carr_port_sponson, 4, dirty_span);
    ring_bottom(deck, carr_stbd_sponson, 4, dirty_span);
    for (int level = 0; level < 4; level++) {
        int f = carr_island_first + 4 * level;
        const int corners[4] = {f, f + 1, f + 2, f + 3};
        ring_top(p, corners, 4, dirty_span);
    }
    glEnd();

    OGL_bindtex(tex_deck);
    glBegin(GL_TRIANGLES);
    ring_top(deck, carr_main_deck, 6, carr_deck_span);
    ring_top(deck, carr_port_sponson, 4, carr_deck_span);
    ring_top(deck, carr_stbd_sponson, 4, carr_deck_span);
    glEnd();

    OGL_bindtex(tex_tower);
    glBegin(GL_QUADS);
    for (int level = 0; level < 4; level++) {
        int f = carr_island_first + 4 * level;
        side_faces(p, f, f + 3, 1, island_band[level + 1], island_band[level]);
    }
    glEnd();

    grey_lines(0.3f);
    glBegin(GL_LINES);
    for (int k = carr_masts_first; k < carr_pairs; k++) line_of(p[k]);
    for (const auto& l : carr_rigging) line_of(l);
    glEnd();
}

// The optical landing aid: the meatball rides up and down with the eye's
// angle above the landing reference point (4 degrees centred, 2 m a
// degree), red when more than 2 m low, between its green datum lights.
static void draw_landing_aid(void)
{
    const float* d = atc.deck_rel;
    float a = atan2f(d[1], pythag(d[0], d[2])) * con.radtodeg;
    float off = fltlim((a - 4.0f) * 2.0f, -4.0f, 4.0f);
    const float* m = carr_lxyz[carr_light_meatball];

    glPointSize(3);
    OGL_setcolor(off < -2.0f ? col_ball_low : col_ball);
    glBegin(GL_POINTS);
    glVertex3f(m[0], m[1] + off, m[2]);
    glEnd();
    glPointSize(1);

    OGL_setcolor(col_datum);
    glBegin(GL_POINTS);
    for (int i = carr_light_meatball - 3; i <= carr_light_meatball + 3; i++)
        if (i != carr_light_meatball) glVertex3fv(carr_lxyz[i]);
    glEnd();
}

void draw_a_carr(float, float, float)
{
    ground_state();
    draw_carr_hull();

    // The eye from the landing reference point, for the landing aid.
    float ref[3];
    carrier_reference_point(ref);
    for (int k = 0; k < 3; k++) atc.deck_rel[k] = con.VIEW_xyz[k] - ref[k];

    OGL_setstate(1, 0, 0, 1);
    if (scn.rway_lights) {
        OGL_setcolor(col_deck_light);
        glBegin(GL_POINTS);
        for (int i = 0; i < 63; i++) {
            const float* l = carr_lxyz[i];
            glVertex3f(l[0], l[1] + light_lift, l[2]);
        }
        glEnd();
    }
    draw_landing_aid();
    ground_state();
}

// ---- frigate -----------------------------------------------------------------

static const int frig_hull_last = 12;
static const int frig_boxes_first = 13;
static const int frig_boxes = 7;
static const int frig_dirty_boxes = 2;   // the last two: gun mount and mast base

// The decks over the hull ring's upper points, ring order.
static const int frig_fore_deck[7] = {3, 4, 5, 6, 7, 8, 9};
static const int frig_step[4] = {2, 3, 9, 10};          // main deck down to the flight deck
static const int frig_quarterdeck[4] = {0, 1, 11, 12};
static const int frig_flight_deck[4] = {1, 2, 10, 11};
static const tex_span frig_pad_span = {-15, 40, 30, 30};

// Mast, yards, stays and shrouds, staffs.
static const float frig_rigging[10][2][3] = {
    {{0, 28, -4}, {0, 50, -4}},   {{-6, 44, -4}, {6, 44, -4}},    {{-4, 48, -4}, {4, 48, -4}},
    {{0, 50, -4}, {0, 10, -100}}, {{0, 50, -4}, {0, 16, 20}},     {{-6, 44, -4}, {-9, 18, -4}},
    {{6, 44, -4}, {9, 18, -4}},   {{0, 10, -100}, {0, 14, -100}}, {{0, 6, 84}, {0, 10, 84}},
    {{0, 16, 27}, {0, 22, 27}},
};

void draw_a_frig(float, float, float)
{
    pair_list p = frig_pxyz;
    ground_state();
    OGL_bindtex(tex_hull);
    glBegin(GL_QUADS);
    side_faces(p, 0, frig_hull_last, 1);
    glEnd();

    OGL_bindtex(tex_metal);
    glBegin(GL_TRIANGLES);
    ring_top(p, frig_fore_deck, 7, dirty_span);
    ring_top(p, frig_step, 4, dirty_span);
    ring_top(p, frig_quarterdeck, 4, dirty_span);
    glEnd();
    glBegin(GL_QUADS);
    for (int b = 0; b < frig_boxes - frig_dirty_boxes; b++) box_faces(p, frig_boxes_first + 4 * b, 1, 1, 0);
    glEnd();

    OGL_bindtex(tex_dirty);
    glBegin(GL_QUADS);
    for (int b = frig_boxes - frig_dirty_boxes; b < frig_boxes; b++) box_faces(p, frig_boxes_first + 4 * b, 1, 1, 0);
    glEnd();

    OGL_bindtex(tex_pad);
    glBegin(GL_TRIANGLES);
    ring_top(p, frig_flight_deck, 4, frig_pad_span);
    glEnd();

    grey_lines(0.3f);
    glBegin(GL_LINES);
    for (const auto& l : frig_rigging) line_of(l);
    glEnd();

    if (scn.rway_lights) {
        glColor3fv(helideck_rgb);
        glBegin(GL_POINTS);
        light_circle(0, 7 + light_lift, 55, 13, 0, 36);
        glEnd();
        glPointSize(2);
        blink_red(0);
        glBegin(GL_POINTS);
        light_circle(0, 7 + light_lift, 55, 17, 45, 4);
        glEnd();
        glPointSize(1);
    }
    ground_state();
}

// ---- offshore platform -------------------------------------------------------

static const int offp_helideck = 0;
static const int offp_block = 4;
static const int offp_module = 8;
static const int offp_flare = 12;

// The lattice towers that carry the obstruction lights: each a triangle of
// legs with the lights' offsets (circumradius 5 r) rising 105 m, braced by
// one line strip winding up round its faces.
struct lattice_tower {
    float x, y, z, r;
    int red;   // blinking red lights at the top, else steady white
};
static const lattice_tower offp_towers[4] = {
    {0, 0, 40, 1, 0},
    {-28, 0, -33, 1, 0},
    {28, 0, -33, 1, 0},
    {0, 61, 0, 0.5f, 1},   // round the flare tower
};
static const float tower_height = 105;
static const int tower_braces = 30;

// A tower's corner c (0..2) at height y.
static void tower_corner(const lattice_tower& t, int c, float y, float v[3])
{
    static const float cx[3] = {0, -4.33f, 4.33f}, cz[3] = {5, -2.5f, -2.5f};
    v[0] = t.x + cx[c] * t.r;
    v[1] = y;
    v[2] = t.z + cz[c] * t.r;
}

static void draw_towers(void)
{
    float v[3];
    glBegin(GL_LINES);
    for (const lattice_tower& t : offp_towers)
        for (int c = 0; c < 3; c++) {
            tower_corner(t, c, t.y, v);
            glVertex3fv(v);
            tower_corner(t, c, t.y + tower_height, v);
            glVertex3fv(v);
        }
    glEnd();
    for (const lattice_tower& t : offp_towers) {
        glBegin(GL_LINE_STRIP);
        for (int n = 0; n <= tower_braces; n++) {
            tower_corner(t, n % 3, t.y + tower_height * (float)n / (float)tower_braces, v);
            glVertex3fv(v);
        }
        glEnd();
    }
}

static void draw_offp_lights(void)
{
    glColor3fv(helideck_rgb);
    glBegin(GL_POINTS);
    light_circle(0, 56 + light_lift, 65, 11, 0, 36);
    glEnd();

    float v[3];
    glPointSize(2);
    blink_red(0);
    glBegin(GL_POINTS);
    light_circle(0, 56 + light_lift, 65, 13, 45, 4);
    glEnd();
    for (int red = 0; red < 2; red++) {
        if (red) blink_red(1);
        else glColor3f(1, 1, 1);
        glBegin(GL_POINTS);
        for (const lattice_tower& t : offp_towers) {
            if (t.red != red) continue;
            for (int c = 0; c < 3; c++) {
                tower_corner(t, c, t.y + tower_height, v);
                glVertex3fv(v);
            }
        }
        glEnd();
    }
    glPointSize(1);
}

void draw_a_offp(float, float, float)
{
    pair_list p = offp_pxyz;
    ground_state();
    OGL_bindtex(tex_metal);
    glBegin(GL_QUADS);
    box_faces(p, offp_helideck, 1, 0, 0);
    box_faces(p, offp_module, 0, 1, 0);
    box_faces(p, offp_flare, 1, 1, 0);
    glEnd();

    OGL_bindtex(tex_dirty);
    glBegin(GL_QUADS);
    box_faces(p, offp_helideck, 0, 0, 1);
    box_faces(p, offp_block, 1, 1, 1);
    glEnd();

    OGL_bindtex(tex_bld_block);
    glBegin(GL_QUADS);
    box_faces(p, offp_module, 1, 0, 0);
    glEnd();

    OGL_bindtex(tex_pad);
    glBegin(GL_QUADS);
    box_faces(p, offp_helideck, 0, 1, 0);
    glEnd();

    grey_lines(0.4f);
    draw_towers();
    if (scn.rway_lights) draw_offp_lights();
    ground_state();
}

// ---- oil rig -----------------------------------------------------------------

static const int oilr_boxes = oilr_pairs / 4;

// Each box's side texture and top-and-bottom texture (0: none).
static const int oilr_tex[oilr_boxes][2] = {
    {tex_bld_block, tex_metal}, {tex_metal, tex_dirty},     {tex_metal, tex_dirty},     {tex_metal, tex_dirty},
    {tex_metal, tex_dirty},     {tex_pylon, tex_pad},       {tex_hull, tex_dirty},      {tex_hull, tex_dirty},
    {tex_bld_block, tex_dirty}, {tex_bld_block, tex_dirty}, {tex_bld_block, tex_dirty}, {tex_bld_block, tex_dirty},
    {tex_hull, tex_dirty},      {tex_hull, tex_dirty},      {tex_dirty, tex_dirty},     {tex_dirty, tex_dirty},
    {tex_hull, tex_dirty},      {tex_dirty, tex_dirty},     {tex_dirty, tex_dirty},     {tex_dirty, tex_dirty},
    {tex_hull, tex_dirty},      {tex_hull, tex_dirty},      {tex_hull, tex_dirty},      {tex_bld_block, 0},
    {tex_bld_block, 0},
};

// Every texture the boxes use, each bound once.
static const int oilr_box_textures[6] = {tex_bld_block, tex_metal, tex_dirty, tex_pylon, tex_pad, tex_hull};

struct rig_column {
    float x, z, r, y0, y1;
};
static const rig_column oilr_columns[12] = {
    {-40, -40, 13, 0, 55}, {-40, 40, 13, 0, 55}, {40, -40, 13, 0, 55}, {40, 40, 13, 0, 55},
    {-35, 40, 5, 21, 56},  {35, 40, 5, 21, 56},  {40, 35, 5, 21, 56},  {40, -35, 5, 21, 56},
    {35, -40, 5, 21, 56},  {-35, -40, 5, 21, 56}, {-40, -35, 5, 21, 56}, {-40, 35, 5, 21, 56},
};

// The truss round the 140 x 140 deck between y 65 and 85: a vertical every
// 14 m and a diagonal up to it from the last one's foot, from the corner
// (-70, 70) north, east, south and west back to the corner.
static void draw_truss(void)
{
    static const float dx[4] = {0, 14, 0, -14}, dz[4] = {-14, 0, 14, 0};
    float x = -70, z = 70;
    glBegin(GL_LINE_STRIP);
    glVertex3f(x, 65, z);
    glVertex3f(x, 85, z);
    for (int side = 0; side < 4; side++)
        for (int step = 0; step < 10; step++) {
            x += dx[side];
            z += dz[side];
            glVertex3f(x, 65, z);
            glVertex3f(x, 85, z);
        }
    glEnd();
}

void draw_a_oilr(float, float, float)
{
    pair_list p = oilr_pxyz;
    ground_state();
    for (int tex : oilr_box_textures) {
        OGL_bindtex(tex);
        glBegin(GL_QUADS);
        for (int b = 0; b < oilr_boxes; b++) {
            int cap = oilr_tex[b][1] == tex;
            box_faces(p, 4 * b, oilr_tex[b][0] == tex, cap, cap);
        }
        glEnd();
    }
    OGL_bindtex(tex_pylon);
    for (const rig_column& c : oilr_columns) round_column(c.x, c.z, c.r, c.y0, c.y1);

    grey_lines(0.4f);
    draw_truss();
    ground_state();
}
