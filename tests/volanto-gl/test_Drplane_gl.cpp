// The aircraft drawn from a mesh laid by hand (a fuselage, a wing pair of
// two elements with ailerons outboard and flaps inboard, a fin, a
// propeller, wheels), read in GL's feedback mode through an orthographic
// view that maps the aircraft's axes straight onto the window, so every
// vertex is read back in metres: far, only the navigation lights in their
// colours, the strobe and the beacon; close, the triangles of each part,
// the control surfaces turned about their hinges, the propeller's blades
// and disc turning, the nose-fairing and skid rules, the outside of both
// wings kept by culling, wire-frame; and the GL state left for the frame.
#include <gtest/gtest.h>

#include "Drplane.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "gl_feedback.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const int view_px = 600;     // square viewport
const float half = 8;        // metres from the centre to each side of the view

// ---- the aircraft ------------------------------------------------------------

const int wing_els = 2;
const float wing_span = 5, wing_root_x = 0.5f, hinge_g = 0.5f, thick = 0.12f;
const float fin_span = 1.5f, fin_y = 0.6f, fin_z = 2;
const float prop_z = -3.2f, prop_r = 1;
const float fuse_r = 0.6f;

// The lifting profile: thickness and chord factors of the 12 points; the
// hinge points (5, 7) at half chord behind the quarter chord.
const float hinge_f = 0.5f * (0.75f - hinge_g) / (0.75f - 0.11f);
const float prof_f[12] = {0, 0.24f, 0.38f, 0.46f, 0.5f, hinge_f, 0, -hinge_f, -0.5f, -0.46f, -0.38f, -0.24f};
const float prof_g[12] = {-0.25f, -0.21f, -0.13f, 0, 0.11f, hinge_g, 0.75f, hinge_g, 0.11f, 0, -0.13f, -0.21f};

void set3(float* v, float x, float y, float z)
{
    v[0] = x;
    v[1] = y;
    v[2] = z;
}

void lay_wing(int s, int part)
{
    planestruct& a = pln[s];
    float side = part % 2 ? 1.0f : -1.0f;
    a.semilen[part] = wing_span;
    a.els[part] = wing_els;
    a.Xarm[part] = side * wing_root_x;
    a.Croot[part] = a.Ctip[part] = 1;
    a.ailn[part][1] = 1;
    a.flap[part][0] = 1;
    for (int i = 0; i <= wing_els; i++)
        for (int j = 0; j < 12; j++) {
            set3(geo_xyz[s][part][i][j], side * (wing_root_x + wing_span * i / wing_els), prof_f[j] * thick, prof_g[j]);
            set3(geo_nrm[s][part][i][j], 0, prof_f[j] >= 0 ? 1.0f : -1.0f, 0);
            geo_st[s][part][i][j][0] = prof_g[j] + 0.25f;
            geo_st[s][part][i][j][1] = (float)i / wing_els;
        }
    set3(geo_hinge_root[s][part], side * wing_root_x, 0, hinge_g);
    set3(geo_hinge_dir[s][part], side, 0, 0);
}

void lay_fin(int s)
{
    planestruct& a = pln[s];
    int part = part_vstab_1;
    a.semilen[part] = fin_span;
    a.els[part] = 1;
    a.Yarm[part] = fin_y;
    a.Zarm[part] = fin_z;
    for (int i = 0; i <= 1; i++)
        for (int j = 0; j < 12; j++) {
            set3(geo_xyz[s][part][i][j], -prof_f[j] * thick, fin_y + fin_span * i, fin_z + prof_g[j]);
            set3(geo_nrm[s][part][i][j], prof_f[j] >= 0 ? -1.0f : 1.0f, 0, 0);
            geo_st[s][part][i][j][0] = prof_g[j] + 0.25f;
            geo_st[s][part][i][j][1] = (float)i;
        }
    set3(geo_hinge_root[s][part], 0, fin_y, fin_z + hinge_g);
    set3(geo_hinge_dir[s][part], 0, 1, 0);
}

// Blade k along angle 360 k / n from the hub, as two sections of two points;
// the sections past the last whole blade hold a stale blade.
void lay_prop(int s, float blades)
{
    planestruct& a = pln[s];
    a.entype = 1;
    a.numen = 1;
    a.numblades[0] = blades;
    a.semilen[0] = prop_r;
    a.Croot[0] = 0.2f;
    a.Ctip[0] = 0.1f;
    a.Zarm[0] = prop_z;
    a.propdir[0] = 1;
    float hr = 0.1f, ht = 0.05f;
    for (int k = 1; k <= 4; k++) {
        double ang = 2 * M_PI / (k <= blades ? blades : 7) * k;
        float sn = (float)sin(ang), c = (float)cos(ang);
        int i = 2 * (k - 1);
        set3(geo_xyz[s][0][i][0], -hr * c, hr * sn, 0);
        set3(geo_xyz[s][0][i][1], prop_r * sn - ht * c, prop_r * c + ht * sn, 0);
        set3(geo_xyz[s][0][i + 1][0], hr * c, -hr * sn, 0);
        set3(geo_xyz[s][0][i + 1][1], prop_r * sn + ht * c, prop_r * c - ht * sn, 0);
        for (int q = 0; q < 2; q++)
            for (int j = 0; j < 2; j++) {
                set3(geo_nrm[s][0][i + q][j], 0, 0, -1);
                geo_st[s][0][i + q][j][0] = (float)q;
                geo_st[s][0][i + q][j][1] = (float)j;
            }
    }
}

// A ring body of `sections` sections of `points` points, along z.
void lay_ring(int s, int part, int sections, int points, float r, float z0, float len)
{
    for (int i = 0; i < sections; i++)
        for (int j = 0; j < points; j++) {
            double ang = 2 * M_PI * j / points;
            float sn = (float)sin(ang), c = (float)cos(ang);
            set3(geo_xyz[s][part][i][j], r * sn, r * c, z0 + len * i / (sections - 1));
            set3(geo_nrm[s][part][i][j], sn, c, 0);
            geo_st[s][part][i][j][0] = (float)i / (sections - 1);
            geo_st[s][part][i][j][1] = (float)j / points;
        }
}

// Wheels on a tricycle gear, all legs down; their fairings laid but not fitted.
void lay_gear(int s)
{
    planestruct& a = pln[s];
    a.gear_type = 3;
    a.gear_stat[0] = a.gear_stat[1] = a.gear_stat[2] = 1;
    a.wheelrad = 0.3f;
    a.ngearY = -1.5f, a.ngearZ = -2;
    a.mgearX = 1.5f, a.mgearY = -1.5f, a.mgearZ = 0.5f;
    a.ngearY_att = -0.5f, a.ngearZ_att = -2;
    a.mgearX_att = 1, a.mgearY_att = -0.4f, a.mgearZ_att = 0.5f;
    for (int part = part_fairing_first; part <= part_fairing_last; part++) lay_ring(s, part, 7, 8, 0.35f, -0.5f, 1);
}

// The whole small aircraft in slot s.
void lay_aircraft(int s)
{
    lay_ring(s, part_fuselage, 11, 16, fuse_r, -3, 6);
    lay_wing(s, 4);
    lay_wing(s, 5);
    lay_fin(s);
    lay_prop(s, 2);
    lay_gear(s);
}

void drop_wings(int s) { pln[s].semilen[4] = pln[s].semilen[5] = 0; }
void drop_fin(int s) { pln[s].semilen[part_vstab_1] = 0; }
void drop_prop(int s) { pln[s].entype = 0; }
void drop_gear(int s) { pln[s].gear_type = 0; }

// A window, the view looking forward from behind the aircraft (x right,
// y up), the aircraft in both slots, the lights' fog far away.
void start(void)
{
    reset_suite_state();
    MACIBM_init();
    memset(geo_xyz, 0, sizeof geo_xyz);
    memset(geo_nrm, 0, sizeof geo_nrm);
    memset(geo_st, 0, sizeof geo_st);
    for (int s = 0; s < 2; s++) lay_aircraft(s);
    msc.dt = 0.05f;
    msc.tenth_count = 3;
    msc.sim_time = 0.3f;
    glViewport(0, 0, view_px, view_px);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-half, half, -half, half, -half, half);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glFogf(GL_FOG_START, 1000);
    glFogf(GL_FOG_END, 2000);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// ---- what GL was sent ------------------------------------------------------------

struct vert {
    float p[3];      // metres, the aircraft's axes
    float rgba[4];
    float st[2];
};

vert to_vert(const std::vector<float>& f)
{
    vert v;
    v.p[0] = (f[0] / view_px * 2 - 1) * half;
    v.p[1] = (f[1] / view_px * 2 - 1) * half;
    v.p[2] = -(2 * f[2] - 1) * half;
    for (int k = 0; k < 4; k++) v.rgba[k] = f[3 + k];
    v.st[0] = f[7];
    v.st[1] = f[8];
    return v;
}

struct sent {
    std::vector<std::vector<vert>> tris, points;
    int lines = 0;
};

// What plot_plane sends, every face kept unless cull is set.
sent draw(int is_second, int close, bool cull = false)
{
    cull ? glEnable(GL_CULL_FACE) : glDisable(GL_CULL_FACE);
    sent out;
    for (const fb_prim& p : feedback(GL_3D_COLOR_TEXTURE, [&] { plot_plane(is_second, close); })) {
        std::vector<vert> vs;
        for (const std::vector<float>& f : p.v) vs.push_back(to_vert(f));
        if (p.token == GL_POLYGON_TOKEN) {
            EXPECT_EQ(vs.size(), 3u);
            out.tris.push_back(vs);
        } else if (p.token == GL_POINT_TOKEN) {
            out.points.push_back(vs);
        } else {
            out.lines++;
        }
    }
    return out;
}

float dist(const float* a, const float* b)
{
    return sqrtf((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}

float centroid(const std::vector<vert>& t, int axis) { return (t[0].p[axis] + t[1].p[axis] + t[2].p[axis]) / 3; }

// The modelview GL builds from a few calls, applied to p.
template <typename F>
void through_gl(F calls, const float* p, float* out)
{
    float m[16];
    glPushMatrix();
    glLoadIdentity();
    calls();
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    glPopMatrix();
    for (int r = 0; r < 3; r++) out[r] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r];
}

}  // namespace

// ---- far: the navigation lights ---------------------------------------------------

TEST(DrplaneFar, DrawsOnlyTheLightsInTheirColours)
{
    const float beacon0 = 0.5f + 0.5f * sinf(2 * 0.3f);          // pulse at the start's sim_time
    const float beacon1 = 0.5f + 0.5f * sinf(2 * (0.3f + 1.5f));  // slot 1's phase
    struct light {
        int part;
        float rgb[3];
    };
    struct {
        const char* name;
        int slot, tenth, wing2, fin;
        std::vector<light> want;    // in drawing order, parts from the last down
    } cases[] = {
        {"side lights and beacon", 0, 3, 0, 1, {{12, {beacon0, 0, 0}}, {5, {0, 1, 0}}, {4, {1, 0, 0}}}},
        {"strobe on tenth 0", 0, 0, 0, 1, {{12, {beacon0, 0, 0}}, {5, {1, 1, 1}}, {4, {1, 1, 1}}}},
        {"slot 1 strobes on tenth 9", 1, 9, 0, 1, {{12, {beacon1, 0, 0}}, {5, {1, 1, 1}}, {4, {1, 1, 1}}}},
        {"no fin, no beacon", 0, 3, 0, 0, {{5, {0, 1, 0}}, {4, {1, 0, 0}}}},
        {"outer wing carries them", 0, 3, 1, 1, {{12, {beacon0, 0, 0}}, {7, {0, 1, 0}}, {6, {1, 0, 0}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start();
        msc.tenth_count = c.tenth;
        if (!c.fin) drop_fin(c.slot);
        if (c.wing2) {
            // Wing 2 outboard of wing 1: its tip leads the light.
            lay_wing(c.slot, 6);
            lay_wing(c.slot, 7);
            for (int part = 6; part <= 7; part++)
                for (int j = 0; j < 12; j++) geo_xyz[c.slot][part][wing_els][j][0] *= 1.3f;
        }
        sent got = draw(c.slot, 0);
        EXPECT_TRUE(got.tris.empty());
        EXPECT_EQ(got.lines, 0);
        ASSERT_EQ(got.points.size(), c.want.size());
        for (size_t k = 0; k < c.want.size(); k++) {
            const vert& v = got.points[k][0];
            const float* at = geo_xyz[c.slot][c.want[k].part][pln[c.slot].els[c.want[k].part]][0];
            EXPECT_LT(dist(v.p, at), 0.02f) << "light " << k;
            for (int ch = 0; ch < 3; ch++) EXPECT_NEAR(v.rgba[ch], c.want[k].rgb[ch], 0.01f) << "light " << k;
        }
    }
}

// The lights on the screen: the strobe and beacon two pixels square, the
// side lights one, each in its colour through the frame's fog settings.
TEST(DrplaneFar, LightPixelsShowTheirColourAndSize)
{
    struct {
        int tenth;
        int red, green, white, beacon;    // pixels of each
    } cases[] = {{3, 1, 1, 0, 4}, {0, 0, 0, 8, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tenth);
        start();
        msc.tenth_count = c.tenth;
        plot_plane(0, 0);
        glFinish();
        std::vector<unsigned char> rgb((size_t)view_px * view_px * 3);
        host_test_read_pixels(0, 0, view_px, view_px, rgb.data());
        int beacon_r = (int)lroundf(255 * pulse(0));
        int red = 0, green = 0, white = 0, beacon = 0, other = 0;
        for (size_t k = 0; k < rgb.size(); k += 3) {
            int r = rgb[k], g = rgb[k + 1], b = rgb[k + 2];
            if (r == 0 && g == 0 && b == 0) continue;
            if (r == 255 && g == 0 && b == 0) red++;
            else if (r == 0 && g == 255 && b == 0) green++;
            else if (r == 255 && g == 255 && b == 255) white++;
            else if (abs(r - beacon_r) <= 2 && g == 0 && b == 0) beacon++;
            else other++;
        }
        EXPECT_EQ(red, c.red);
        EXPECT_EQ(green, c.green);
        EXPECT_EQ(white, c.white);
        EXPECT_EQ(beacon, c.beacon);
        EXPECT_EQ(other, 0);
        GLfloat size = 0;
        glGetFloatv(GL_POINT_SIZE, &size);
        EXPECT_EQ(size, 1.0f);
    }
}

// ---- close: the parts --------------------------------------------------------------

// Triangles a part sends: a wing of two elements 10 fixed quads root to tip,
// two control strips of one quad per element, the trailing-edge wedge at
// the tip and two caps of nine; a wheel 12 segments of eight; a strut eight
// quads; the fuselage 10 bands of 16 quads.
TEST(DrplaneClose, SendsEachPartsTriangles)
{
    const int fuselage = 320, wing = 20 + 8 + 1 + 18, fin = 20 + 4 + 1 + 18, blades2 = 8;
    const int wheel = 96, strut = 16;
    struct {
        const char* name;
        void (*setup)(void);
        int tris;
    } cases[] = {
        {"fuselage alone", [] { drop_wings(0), drop_fin(0), drop_prop(0), drop_gear(0); }, fuselage},
        {"a single jet closes its fuselage",
         [] {
             drop_wings(0), drop_fin(0), drop_gear(0);
             pln[0].entype = 4;
         },
         fuselage + 16 * 2},
        {"wing pair", [] { drop_fin(0), drop_prop(0), drop_gear(0); }, fuselage + 2 * wing},
        {"fin", [] { drop_wings(0), drop_prop(0), drop_gear(0); }, fuselage + fin},
        {"two blades", [] { drop_wings(0), drop_fin(0), drop_gear(0); }, fuselage + blades2},
        {"one wheel a leg", [] { drop_wings(0), drop_fin(0), drop_prop(0); }, fuselage + 3 * (wheel + strut)},
        {"four wheels a main leg, two at the nose",
         [] {
             drop_wings(0), drop_fin(0), drop_prop(0);
             pln[0].gear_type = 6;
         },
         fuselage + (2 * wheel + strut) + 2 * (4 * wheel + strut)},
        {"a leg that is up", [] { drop_wings(0), drop_fin(0), drop_prop(0), pln[0].gear_stat[1] = 0; },
         fuselage + 2 * (wheel + strut)},
        {"the whole aircraft", [] {}, fuselage + 2 * wing + fin + blades2 + 3 * (wheel + strut)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start();
        c.setup();
        EXPECT_EQ((int)draw(0, 1).tris.size(), c.tris);
    }
}

// Every aileron and flap element turns about its own hinge line by its
// deflection, as a rotation about the line would turn it, and nothing else
// moves; aircraft 1 never moves its surfaces.
TEST(DrplaneClose, ControlSurfacesTurnAboutTheirHinge)
{
    for (int slot = 0; slot < 2; slot++) {
        SCOPED_TRACE(slot);
        start();
        drop_fin(slot), drop_prop(slot), drop_gear(slot);
        sent still = draw(slot, 1);
        flt.ailn_def_L = 15;
        flt.ailn_def_R = -10;
        flt.flap_ratio = 0.5f;
        sent moved = draw(slot, 1);
        // Left inboard flap, left outboard aileron, then the right side.
        const float turn[2][2] = {{-20, 15}, {20, 10}};
        ASSERT_EQ(still.tris.size(), moved.tris.size());
        int turned = 0;
        for (size_t t = 0; t < still.tris.size(); t++) {
            const std::vector<vert>& a = still.tris[t];
            bool aft = a[0].p[2] > hinge_g - 0.01f && a[1].p[2] > hinge_g - 0.01f && a[2].p[2] > hinge_g - 0.01f;
            float cx = centroid(a, 0);
            bool surface = aft && fabsf(cx) > 0.7f;
            int right = cx > 0, e = fabsf(cx) > wing_root_x + wing_span / wing_els;
            int part = right ? 5 : 4;
            float deg = surface && slot == 0 ? turn[right][e] : 0;
            turned += deg != 0;
            for (int k = 0; k < 3; k++) {
                float want[3];
                const float* o = geo_hinge_root[slot][part];
                const float* d = geo_hinge_dir[slot][part];
                through_gl(
                    [&] {
                        glTranslatef(o[0], o[1], o[2]);
                        glRotatef(deg, d[0], d[1], d[2]);
                        glTranslatef(-o[0], -o[1], -o[2]);
                    },
                    a[k].p, want);
                EXPECT_LT(dist(moved.tris[t][k].p, want), 2e-3f) << "triangle " << t << " corner " << k;
            }
        }
        // Per wing: two elements of two quads each, and the tip's wedge.
        EXPECT_EQ(turned, slot == 0 ? 2 * (2 * 2 * 2 + 1) : 0);
    }
}

// Seen from above with the frame's culling, both wings show their upper
// faces and hide their lower ones, though the right wing is built mirrored.
TEST(DrplaneClose, CullingKeepsTheOutsideOfBothWings)
{
    start();
    drop_fin(0), drop_prop(0), drop_gear(0);
    glRotatef(90, 1, 0, 0);     // +y toward the eye
    sent got = draw(0, 1, true);
    int upper[2] = {0, 0}, lower[2] = {0, 0};
    for (const std::vector<vert>& t : got.tris) {
        // The view turned +y toward the eye: the depth read back is y.
        float y[3];
        for (int k = 0; k < 3; k++) y[k] = t[k].p[2];
        float cx = centroid(t, 0);
        if (fabsf(cx) < 0.7f) continue;
        int right = cx > 0;
        if (y[0] > 0.001f && y[1] > 0.001f && y[2] > 0.001f) upper[right]++;
        if (y[0] < -0.001f && y[1] < -0.001f && y[2] < -0.001f) lower[right]++;
    }
    for (int side = 0; side < 2; side++) {
        EXPECT_GT(upper[side], 0) << side;
        EXPECT_EQ(lower[side], 0) << side;
    }
    GLint face = 0;
    glGetIntegerv(GL_FRONT_FACE, &face);
    EXPECT_EQ(face, GL_CW);
}

// ---- close: propellers --------------------------------------------------------------

namespace {

// The turn of the propeller, degrees, from where its blade or its disc's
// texture top pointed up the y axis; nan when nothing of it was sent.
float prop_turn(const sent& got, bool* as_disc)
{
    float x = 0, y = 0;
    int n = 0;
    *as_disc = false;
    for (const std::vector<vert>& t : got.tris)
        for (const vert& v : t) {
            if (fabsf(v.p[2] - prop_z) > 0.01f) continue;
            bool disc_top = fabsf(v.st[0] - 0.5f) < 1e-4f && fabsf(v.st[1] - 1) < 1e-4f;
            bool blade_tip = fabsf(v.st[1] - 1) < 1e-4f;
            if (disc_top) *as_disc = true;
            if (disc_top || blade_tip) x += v.p[0], y += v.p[1], n++;
        }
    if (!n) return NAN;
    return atan2f(-x / n, y / n) * 180 / (float)M_PI;
}

float wrap180(float d) { return fmodf(fmodf(d, 360) + 540, 360) - 180; }

}  // namespace

// Above 15 rad/s (or always on aircraft 1) a disc whose picture turns 180
// degrees a second against the propeller's direction; below it the blades
// turn at the propeller's own speed.
TEST(DrplaneClose, PropellerTurnsAsBladesOrDisc)
{
    const float dt = 0.05f, radtodeg = 180 / (float)M_PI;
    struct {
        const char* name;
        int slot;
        float omega;
        int dir;
        bool disc;
        float step;     // degrees a drawing
    } cases[] = {
        {"slow blades", 0, 10, 1, false, -10 * radtodeg * dt},
        {"slow blades turning the other way", 0, 10, -1, false, 10 * radtodeg * dt},
        {"fast: disc", 0, 20, 1, true, -180 * dt},
        {"fast the other way", 0, 20, -1, true, 180 * dt},
        {"aircraft 1 always a disc", 1, 0, 1, true, -180 * dt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start();
        drop_wings(c.slot), drop_fin(c.slot), drop_gear(c.slot);
        lay_prop(c.slot, 1);    // one blade, pointing up
        pln[c.slot].propdir[0] = c.dir;
        flt.engine_speed[0] = c.omega;
        for (int k = 1; k <= 3; k++) {
            sent got = draw(c.slot, 1);
            bool as_disc = false;
            float turn = prop_turn(got, &as_disc);
            EXPECT_EQ(as_disc, c.disc);
            EXPECT_NEAR(wrap180(turn - k * c.step), 0, 0.2f) << "drawing " << k;
            GLint tex = 0;
            glGetIntegerv(GL_TEXTURE_BINDING_2D, &tex);
            EXPECT_EQ(tex, c.disc ? tex_pdisc : paint_tex(c.slot, paint_prop));
        }
    }
}

// 2.5 blades draw the two whole blades, each one quad front and back
// between its own two sections, never the stale sections past them.
TEST(DrplaneClose, HalfBladeIsNotDrawn)
{
    start();
    drop_wings(0), drop_fin(0), drop_gear(0), drop_prop(0);
    sent none = draw(0, 1);
    lay_prop(0, 2.5f);
    sent got = draw(0, 1);
    ASSERT_EQ(got.tris.size() - none.tris.size(), 8u);
    for (const std::vector<vert>& t : got.tris) {
        if (fabsf(t[0].p[2] - prop_z) > 0.01f) continue;
        // The blade whose sections hold every corner.
        int blade = -1;
        for (int b = 0; b < 2 && blade < 0; b++) {
            bool all = true;
            for (const vert& v : t) {
                bool found = false;
                for (int i = 2 * b; i <= 2 * b + 1; i++)
                    for (int j = 0; j < 2; j++) {
                        float at[3] = {geo_xyz[0][0][i][j][0], geo_xyz[0][0][i][j][1], prop_z};
                        found = found || dist(v.p, at) < 2e-3f;
                    }
                all = all && found;
            }
            if (all) blade = b;
        }
        EXPECT_GE(blade, 0);
    }
}

// ---- close: gear fairings and skids ----------------------------------------------------

// With fairings fitted, a tail-wheel design (its "nose" gear behind the main
// gear) draws no fairing over that wheel.
TEST(DrplaneClose, NoFairingOverATailWheel)
{
    const int fairing = 6 * 8 * 2;
    for (float nose_z : {-2.0f, 2.0f}) {
        SCOPED_TRACE(nose_z);
        start();
        drop_wings(0), drop_fin(0), drop_prop(0);
        pln[0].ngearZ = nose_z;
        int without = (int)draw(0, 1).tris.size();
        pln[0].fair_eq = 1;
        int with = (int)draw(0, 1).tris.size();
        EXPECT_EQ(with - without, nose_z < pln[0].mgearZ ? 3 * fairing : 2 * fairing);
    }
}

// A skid tilts by its compression over its length; a design of no skid
// length keeps it level rather than dividing by zero.
TEST(DrplaneClose, SkidTiltsByItsCompression)
{
    for (float skidl : {0.0f, 2.0f}) {
        SCOPED_TRACE(skidl);
        start();
        drop_wings(0), drop_fin(0), drop_prop(0);
        planestruct& a = pln[0];
        a.gear_type = 2;
        a.skidX = 2, a.skidY = -1.5f, a.skidl = skidl;
        a.condef[3] = 0.1f, a.condef[4] = 0.3f;
        float o[3] = {0, 0, 0};
        get_body_os(part_fairing_first, &o[0], &o[1], &o[2], 0);
        float deg = skidl > 0 ? atanf(0.2f / skidl) * 180 / (float)M_PI : 0;
        float want[7][8][3];
        for (int i = 0; i < 7; i++)
            for (int j = 0; j < 8; j++)
                through_gl(
                    [&] {
                        glTranslatef(o[0], o[1], o[2]);
                        glRotatef(deg, -1, 0, 0);
                    },
                    geo_xyz[0][part_fairing_first][i][j], want[i][j]);
        // Every corner of the left skid is a mesh point so placed, and
        // every mesh point is drawn.
        bool drawn[7][8] = {};
        int corners = 0;
        for (const std::vector<vert>& t : draw(0, 1).tris) {
            if (centroid(t, 0) > -1) continue;
            for (const vert& v : t) {
                corners++;
                bool found = false;
                for (int i = 0; i < 7; i++)
                    for (int j = 0; j < 8; j++)
                        if (dist(v.p, want[i][j]) < 2e-3f) found = drawn[i][j] = true;
                EXPECT_TRUE(found) << v.p[0] << " " << v.p[1] << " " << v.p[2];
            }
        }
        EXPECT_EQ(corners, 6 * 8 * 2 * 3);
        for (int i = 0; i < 7; i++)
            for (int j = 0; j < 8; j++) EXPECT_TRUE(drawn[i][j]) << i << " " << j;
    }
}

// ---- drawing modes and the state left behind ----------------------------------------------

// Wire-frame draws every face as green lines with texturing and lighting
// off; either way the frame gets back filled polygons, clockwise front
// faces, culling on, blending off and all four states on.
TEST(DrplaneModes, WireFrameAndTheStateLeftBehind)
{
    for (int wire = 0; wire < 2; wire++) {
        for (float omega : {10.0f, 20.0f}) {
            SCOPED_TRACE(wire);
            SCOPED_TRACE(omega);
            start();
            mnw.draw_wire = wire;
            flt.engine_speed[0] = omega;
            sent got = draw(0, 1, true);
            if (wire) {
                EXPECT_TRUE(got.tris.empty());
                EXPECT_GT(got.lines, 0);
            } else {
                EXPECT_FALSE(got.tris.empty());
                EXPECT_EQ(got.lines, 0);
            }
            GLint mode[2] = {0, 0}, face = 0;
            glGetIntegerv(GL_POLYGON_MODE, mode);
            glGetIntegerv(GL_FRONT_FACE, &face);
            EXPECT_EQ(mode[0], GL_FILL);
            EXPECT_EQ(mode[1], GL_FILL);
            EXPECT_EQ(face, GL_CW);
            EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
            EXPECT_FALSE(glIsEnabled(GL_BLEND));
            EXPECT_EQ((bool)glIsEnabled(GL_TEXTURE_2D), !wire);
            EXPECT_EQ((bool)glIsEnabled(GL_LIGHTING), !wire);
            EXPECT_EQ((bool)glIsEnabled(GL_FOG), !wire);
            EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        }
    }
}

// The wire-frame lines in their colour: the feedback's lines, unlit.
TEST(DrplaneModes, WireFrameLinesAreGreen)
{
    start();
    mnw.draw_wire = 1;
    glDisable(GL_CULL_FACE);
    int lines = 0, green = 0;
    for (const fb_prim& p : feedback(GL_3D_COLOR, [] { plot_plane(0, 1); })) {
        if (p.token != GL_LINE_TOKEN && p.token != GL_LINE_RESET_TOKEN) continue;
        lines++;
        const std::vector<float>& v = p.v[0];
        green += fabsf(v[3] - 0.5f) < 0.01f && fabsf(v[4] - 1) < 0.01f && fabsf(v[5] - 0.5f) < 0.01f;
    }
    EXPECT_GT(lines, 0);
    EXPECT_EQ(green, lines);
}
