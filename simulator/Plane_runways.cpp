#include "Plane.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Initnav.h"
#include "records.h"

#include <GL/gl.h>
#include <cmath>

// ---- what the aircraft stands on ------------------------------------------------

// The caller has checked the slot and the quad.
static int stand_on(int geo, int quad, float height)
{
    // Inside all four edges P1-P2, P2-P3, P3-P4, P4-P1 of the quad.
    if (!inside_cw_poly(geo_markxyz[geo][quad], 4, (float)flt.pos_x[0], (float)flt.pos_z[0], 0)) return 0;
    env.on_platform = 1;
    env.surface_type = geo_type[geo];
    env.deck_h = height;
    return 1;
}

int pavement_contact(int geo, int quad)
{
    if (geo < 0 || geo >= geo_slots || quad < 0 || quad >= geo_quads) return 0;
    return stand_on(geo, quad, geo_markxyz[geo][quad][0][1]);
}

int runway_contact(int apt, int geo)
{
    if (apt < 0 || apt >= world_apt_max || geo < 0 || geo >= geo_slots) return 0;
    return stand_on(geo, 0, apt_h[apt]);
}

// ---- drawing -------------------------------------------------------------------------

// A runway or a pavement run longer than this many pieces is cut into this many.
const int max_pieces = 1000;
// Blowing snow repeats every 50 m.
const float snow_scale = 0.02f;

typedef float vec3[3];

static void lerp3(const float* p, const float* q, float f, float* out)
{
    for (int c = 0; c < 3; c++) out[c] = p[c] + f * (q[c] - p[c]);
}

static float span(const float* p, const float* q)
{
    return pythag3(q[0] - p[0], q[1] - p[1], q[2] - p[2]);
}

static int blowing_snow(void)
{
    return atm.sl_temp <= 32.0f && atm.precip_level > 1.0f;
}

// One snow corner: the texture turned with the wind and carried with the drift origin.
static void snow_vertex(const float* p, float ox, float oz, float ws, float wc)
{
    float u = (p[0] - ox) * snow_scale, w = (p[2] - oz) * snow_scale;
    glTexCoord2f(u * wc + w * ws, u * ws - w * wc);
    glVertex3fv(p);
}

static void snow_quad(const float* p1, const float* p2, const float* p3, const float* p4, float ox, float oz,
                      float ws, float wc)
{
    for (const float* p : {p1, p2, p3, p4}) snow_vertex(p, ox, oz, ws, wc);
}

// Pieces of a surface count long, none for a count that is not a positive
// number, and at least one for any other: a small pad is drawn where it is stood on.
static int piece_count(float count)
{
    if (!(count > 0)) return 0;
    return count >= (float)max_pieces ? max_pieces : intlim(intround(count), 1, max_pieces);
}

void plot_pavement(int lit, int geo, int quad, float count, int tex, float ox, float oz, float ws, float wc)
{
    if (geo < 0 || geo >= geo_slots || quad < 0 || quad >= geo_quads) return;
    const float(*P)[3] = geo_markxyz[geo][quad];
    // A piece of no length or no width (a runway of no width in a user's file).
    if (!(span(P[3], P[0]) > 0) || !(span(P[0], P[1]) > 0)) return;
    int n = piece_count(count);
    float y = P[0][1];
    glColor3f(1, 1, 1);
    OGL_bindtex(tex);
    for (int k = 0; k < n; k++) {
        float a = (float)k / (float)n, b = (float)(k + 1) / (float)n;
        vec3 q1, q2, q3, q4;
        lerp3(P[3], P[0], a, q1);
        lerp3(P[3], P[0], b, q2);
        lerp3(P[2], P[1], b, q3);
        lerp3(P[2], P[1], a, q4);
        tess_quad(lit, 0, 0, 1, 1, q1[0], y, q1[2], q2[0], y, q2[2], q3[0], y, q3[2], q4[0], y, q4[2]);
    }
    if (!blowing_snow()) return;
    OGL_bindtex(tex_bsnow);
    glEnable(GL_BLEND);
    glBegin(GL_QUADS);
    snow_quad(P[0], P[1], P[2], P[3], ox, oz, ws, wc);
    glEnd();
    glDisable(GL_BLEND);
}

// ---- runway markings ----

// What a marking slot shows: a picture of the runway set, or these two.
const int mark_number = -1;
const int mark_letter = -2;

// A marking slot counted from its end's threshold section (0); the other end
// holds the same slot mirrored, at section N - 1 - at.
struct marking {
    int at;
    int tex;
};

// Each category's slots, nearest the threshold first: where slots of the two
// ends meet on a short runway, the number, the arrows, the bars and the
// letter win, then the slot nearer its threshold.
static const marking marks_short[] = {
    {0, mark_number}, {1, rway_lins}, {2, rway_lins}, {3, rway_lins}, {4, rway_lint},
};
static const marking marks_medium[] = {
    {0, rway_thld}, {1, mark_number}, {2, rway_lins}, {3, rway_fdmk}, {4, rway_lins}, {5, rway_lint},
};
static const marking marks_long[] = {
    {-2, rway_disp}, {-1, rway_disp}, {0, rway_thld},  {1, mark_number}, {2, rway_tdz3},  {3, rway_lins},
    {4, rway_fdmk},  {5, rway_lins},  {6, rway_tdz2},  {7, rway_lins},   {8, rway_tdz2},  {9, rway_lins},
    {10, rway_tdz1}, {11, rway_lins}, {12, rway_tdz1}, {13, rway_lint},
};

struct mark_table {
    const marking* marks;
    int n;
};

static const mark_table mark_tables[4] = {
    {nullptr, 0},
    {marks_short, (int)(sizeof marks_short / sizeof marks_short[0])},
    {marks_medium, (int)(sizeof marks_medium / sizeof marks_medium[0])},
    {marks_long, (int)(sizeof marks_long / sizeof marks_long[0])},
};

// Lower wins: the number, the arrows, the bars, the letter, then by slot.
static int mark_rank(const marking& m)
{
    switch (m.tex) {
    case mark_number: return -4;
    case rway_disp: return -3;
    case rway_thld: return -2;
    case mark_letter: return -1;
    default: return m.at;
    }
}

// The arrows and the bars keep their place when a letter comes in.
static int stays_put(int tex)
{
    return tex == rway_disp || tex == rway_thld;
}

struct section_mark {
    int tex;   // a marking, or -3 for the plain section
    int end;   // 0 end 1's, 1 end 2's
};

const int mark_plain = -3;

static section_mark mark_of_section(int category, int n, int k, int lettered)
{
    section_mark best = {mark_plain, 0};
    int best_rank = 1 << 30;
    const mark_table& t = mark_tables[category];
    for (int m = 0; m <= t.n; m++) {
        marking mk;
        if (m == t.n) {
            // The letter takes the number's own slot.
            if (!lettered) break;
            mk = {0, mark_letter};
            for (int i = 0; i < t.n; i++)
                if (t.marks[i].tex == mark_number) mk.at = t.marks[i].at;
        } else {
            mk = t.marks[m];
            if (lettered && !stays_put(mk.tex)) mk.at++;
        }
        int rank = mark_rank(mk);
        for (int end = 0; end < 2; end++) {
            int at = end == 0 ? mk.at : n - 1 - mk.at;
            if (at != k || rank >= best_rank) continue;
            best = {mk.tex, end};
            best_rank = rank;
        }
    }
    return best;
}

static int surface_tex(int type)
{
    switch (type) {
    case surf_grass: return tex_grass;
    case surf_dirt: return tex_dirt;
    case surf_gravel: return tex_gravel;
    default: return -1;
    }
}

// The letter each end reads: end 2 sees the runway's left as its right.
static int letter_tex(char lcr, int end)
{
    if (lcr == 'C') return rway_letter_C;
    if ((lcr == 'L') == (end == 0)) return rway_letter_L;
    return rway_letter_R;
}

// The number painted at an end: end 2's is the reciprocal.
static int end_number(int rwy, int end)
{
    int num = intlim(rwy_num[rwy], 1, 36);
    return end == 0 ? num : intwrap(num + 18, 1, 36);
}

static void section_quad(int lit, float c0, float c1, const float* a, const float* b, const float* d, const float* c)
{
    tess_quad(lit, c0, c0, c1, c1, a[0], a[1], a[2], b[0], b[1], b[2], d[0], d[1], d[2], c[0], c[1], c[2]);
}

// The number section cut lengthwise: the tens on the side to the landing
// pilot's left, the units on the right, seen from the end it belongs to.
static void number_section(int lit, int set, int number, int end, float c0, float c1, const float* a,
                           const float* b, const float* d, const float* c)
{
    int tens = set + rway_tens_first + intlim(number / 10, 0, 3);
    int units = set + rway_units_first + number % 10;
    vec3 ac, bd;
    lerp3(a, c, 0.5f, ac);
    lerp3(b, d, 0.5f, bd);
    OGL_bindtex(end == 0 ? tens : units);
    section_quad(lit, c0, c1, a, b, bd, ac);
    OGL_bindtex(end == 0 ? units : tens);
    section_quad(lit, c0, c1, ac, bd, d, c);
}

// Section k's corners at the airport's elevation: A, B along the P4-P1 edge, C, D along P3-P2.
static void section_corners(const float (*P)[3], int k, int n, float y, vec3 a, vec3 b, vec3 c, vec3 d)
{
    float fa = (float)k / (float)n, fb = (float)(k + 1) / (float)n;
    lerp3(P[3], P[0], fa, a);
    lerp3(P[3], P[0], fb, b);
    lerp3(P[2], P[1], fa, c);
    lerp3(P[2], P[1], fb, d);
    a[1] = b[1] = c[1] = d[1] = y;
}

// ---- signs and windsocks ----

const float ft_1000 = 304.8f;   // m between distance-remaining signs

// One glyph of the markers atlas on the sign's face (z = 0.1), x0..x1 by 0..h.
static void glyph_face(int glyph, float x0, float x1, float h)
{
    float s = (float)(glyph % 4) * 0.25f, t = (float)(glyph / 4) * 0.25f;
    const float p1[3] = {x0, 0, 0.1f}, p2[3] = {x0, h, 0.1f}, p3[3] = {x1, h, 0.1f}, p4[3] = {x1, 0, 0.1f};
    OGL_3dquad_st(p1, p2, p3, p4, s, t, s + 0.25f, t + 0.25f);
}

// The metal of a sign 2 hw wide, h tall and 0.2 m deep: its ends, back and top, lit.
static void sign_box(float hw, float h)
{
    const float d = 0.1f;
    const float sides[4][4][3] = {
        {{-hw, 0, -d}, {-hw, h, -d}, {-hw, h, d}, {-hw, 0, d}},   // left end
        {{hw, 0, -d}, {hw, h, -d}, {-hw, h, -d}, {-hw, 0, -d}},   // back
        {{hw, 0, d}, {hw, h, d}, {hw, h, -d}, {hw, 0, -d}},       // right end
        {{-hw, h, d}, {-hw, h, -d}, {hw, h, -d}, {hw, h, d}},     // top
    };
    OGL_setstate(1, 1, 1, 1);
    OGL_bindtex(tex_metal);
    glBegin(GL_QUADS);
    for (const auto& q : sides) OGL_3dquad(q[0], q[1], q[2], q[3]);
    glEnd();
}

// The runway-end sign: the number of the end it faces and its letter.
static void end_sign(int number, int letter)
{
    OGL_setstate(1, 1, 0, 1);
    OGL_bindtex(tex_markers);
    glBegin(GL_QUADS);
    glyph_face(number / 10, -1.5f, -0.5f, 1.0f);
    glyph_face(number % 10, -0.5f, 0.5f, 1.0f);
    glyph_face(letter, 0.5f, 1.5f, 1.0f);
    glEnd();
    sign_box(1.5f, 1.0f);
}

// The distance-remaining sign for thousands of feet 1..3.
static void distance_sign(int thousands)
{
    OGL_setstate(1, 1, 0, 1);
    OGL_bindtex(tex_markers);
    glBegin(GL_QUADS);
    glyph_face(marker_distance_first + thousands - 1, -0.7f, 0.7f, 1.4f);
    glEnd();
    sign_box(0.7f, 1.4f);
}

// The letter on the end sign facing direction d: 0 along end 1's heading, 1 back.
static int sign_letter(char lcr, int d)
{
    if (lcr != 'L' && lcr != 'R') return marker_blank;
    return (lcr == 'L') == (d == 0) ? marker_R : marker_L;
}

// P: the runway rectangle widened 3 m on each long side.
static void draw_signs(int rwy, int category, const float (*P)[3], float y, float len, float hdg)
{
    int last = category == 1 ? 0 : 3;
    for (int j = 0; j <= last; j++) {
        float f = 1.0f - (float)j * ft_1000 / len;
        vec3 S[4];
        lerp3(P[3], P[0], f, S[0]);
        lerp3(P[2], P[1], f, S[1]);
        lerp3(P[0], P[3], f, S[2]);
        lerp3(P[1], P[2], f, S[3]);
        for (int d = 0; d < 2; d++)
            for (int e = 0; e < 2; e++) {
                const float* s = S[2 * d + e];
                glPushMatrix();
                glTranslatef(s[0], y, s[2]);
                if (j == 0) {
                    glRotatef(180.0f * (float)e - hdg - 90.0f, 0, 1, 0);
                    end_sign(end_number(rwy, d == 0 ? 1 : 0), sign_letter(rwy_lcr[rwy], d));
                } else {
                    glRotatef(180.0f * (float)d - hdg, 0, 1, 0);
                    distance_sign(j);
                }
                glPopMatrix();
            }
    }
}

// Each windsock on its 5 m pole, blown downwind: hanging in calm air, level from 10 m/s.
static void draw_windsocks(int geo)
{
    glDisable(GL_CULL_FACE);
    OGL_bindtex(tex_windsock);
    float v = pythag3(atm.wind_x, atm.wind_y, atm.wind_z);
    float flutter = v * 0.5f * sinf(2.0f * msc.sim_time);
    for (int k = 0; k < 2; k++) {
        const float* h = geo_sockxyz[geo][k];
        if (!(h[1] > geo_gone_below)) continue;
        glPushMatrix();
        glTranslatef(h[0], h[1], h[2]);
        glColor3f(0.3f, 0.3f, 0.3f);
        OGL_setstate(1, 0, 1, 1);
        glBegin(GL_LINES);
        OGL_3dline(0, -5, 0, 0, 0, 0);
        glEnd();
        OGL_setstate(1, 1, 1, 1);
        glRotatef(atan2f(atm.wind_x, atm.wind_z) * con.radtodeg + flutter, 0, 1, 0);
        glRotatef(fltlim(-90.0f + 9.0f * v, -90.0f, 0.0f) + flutter, -1, 0, 0);
        glRotatef(5.0f * flutter, 0, 0, 1);
        glColor3f(1, 1, 1);
        glBegin(GL_QUAD_STRIP);
        for (int a = 0; a <= 360; a += 45) {
            float sn = lookup_sin[a], cs = lookup_cos[a];
            glNormal3f(sn, cs, 0);
            glTexCoord2f((float)a / 45.0f, 0);
            glVertex3f(0.6f * sn, 0.6f * cs, 0.5f);
            glTexCoord2f((float)a / 45.0f, 1);
            glVertex3f(0.2f * sn, 0.2f * cs, 2.5f);
        }
        glEnd();
        glPopMatrix();
    }
    glNormal3f(0, 1, 0);
    glEnable(GL_CULL_FACE);
}

// ---- the runway ----

void plot_runway(int lit, int apt, int rwy, int geo, float ox, float oz, float ws, float wc)
{
    if (apt < 0 || apt >= world_apt_max || rwy < 0 || rwy >= world_rwy_max) return;
    if (geo < 0 || geo >= geo_slots) return;
    float len = rwy_len[rwy], width = rwy_width[rwy];
    if (!(len > 0) || !(width > 0)) return;
    int n = intlim(intround(fminf(len / width, (float)max_pieces)), 1, max_pieces);
    int half = n / 2;
    int type = geo_type[geo];
    int ground = surface_tex(type);
    int category = ground >= 0 ? 0 : len > 2500.0f ? 3 : len > 1500.0f ? 2 : 1;
    int set = type == surf_concrete ? tex_concrete_first : tex_asphalt_first;
    int lettered = category > 0 && rwy_lcr[rwy] != 'x';
    int first = category == 3 ? -2 : 0, last = category == 3 ? n + 1 : n - 1;
    const float(*P)[3] = geo_markxyz[geo][0];
    float y = apt_h[apt];

    if (ground >= 0) glEnable(GL_ALPHA_TEST);
    glColor3f(1, 1, 1);
    for (int k = first; k <= last; k++) {
        vec3 a, b, c, d;
        section_corners(P, k, n, y, a, b, c, d);
        float c0 = k < half ? 0.0f : 1.0f, c1 = 1.0f - c0;
        section_mark m = mark_of_section(category, n, k, lettered);
        if (m.tex == mark_number) {
            number_section(lit, set, end_number(rwy, m.end), m.end, c0, c1, a, b, d, c);
            continue;
        }
        int tex = m.tex == mark_plain ? (ground >= 0 ? ground : set + rway_linc)
                  : m.tex == mark_letter ? set + letter_tex(rwy_lcr[rwy], m.end)
                                         : set + m.tex;
        OGL_bindtex(tex);
        section_quad(lit, c0, c1, a, b, d, c);
    }
    if (ground >= 0) glDisable(GL_ALPHA_TEST);

    if (blowing_snow()) {
        OGL_bindtex(tex_bsnow);
        glEnable(GL_BLEND);
        glBegin(GL_QUADS);
        for (int k = first; k <= last; k++) {
            vec3 a, b, c, d;
            section_corners(P, k, n, y, a, b, c, d);
            snow_quad(a, b, d, c, ox, oz, ws, wc);
        }
        glEnd();
        glDisable(GL_BLEND);
    }

    if (apt != msc.near_apt) return;
    float h = rwy_hdng[rwy] * con.degtorad;
    float wx = cosf(h) * 3.0f, wz = sinf(h) * 3.0f;
    float W[4][3];
    for (int q = 0; q < 4; q++) {
        float sign = q == 0 || q == 3 ? -1.0f : 1.0f;
        W[q][0] = P[q][0] + sign * wx;
        W[q][1] = P[q][1];
        W[q][2] = P[q][2] + sign * wz;
    }
    OGL_setstate(1, 1, 1, 1);
    if (category > 0) draw_signs(rwy, category, W, y, len, rwy_hdng[rwy]);
    draw_windsocks(geo);
    glColor3f(1, 1, 1);
    OGL_setstate(1, 1, 1, 0);
}
