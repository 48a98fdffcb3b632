// The aircraft drawn from a mesh laid by hand (a fuselage, a wing pair of
// two elements with ailerons outboard and flaps inboard, a fin, a
// propeller, wheels), read in GL's feedback mode through an orthographic
// view that maps the aircraft's axes straight onto the window, so every
// vertex is read back in metres: far, only the navigation lights in their
// colours, the strobe and the beacon; close, the triangles of each part,
// the control surfaces turned about their hinges, whole parts moved by the
// user's state, the propeller's blades and disc turning, the nose-fairing
// and skid rules, the outside of both wings kept by culling, wire-frame;
// and the GL state left for the frame. A small design whose mesh the mesh
// code builds shows that culling keeps only outsides on every part and that
// each face carries its own paint.
#include <gtest/gtest.h>

#include "Drplane.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "gl_feedback.h"
#include "gl_view.h"
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
    geo_sections[s][part] = wing_els + 1;
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
    geo_sections[s][part] = 2;
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
    geo_sections[s][0] = 2 * (int)blades;    // the whole blades
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
    geo_sections[s][part] = sections;
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

// The view looking forward from behind the aircraft (x right, y up), the
// lights' fog far away.
void set_view(void)
{
    msc.dt = 0.05f;
    msc.tenth_count = 3;
    msc.sim_time = 0.3f;
    glViewport(0, 0, view_px, view_px);
    ortho_camera(-half, half, -half, half, half, false);
    glFogf(GL_FOG_START, 1000);
    glFogf(GL_FOG_END, 2000);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// A window with the aircraft laid by hand in both slots.
void start(void)
{
    reset_suite_state();
    MACIBM_init();
    memset(geo_xyz, 0, sizeof geo_xyz);
    memset(geo_nrm, 0, sizeof geo_nrm);
    memset(geo_st, 0, sizeof geo_st);
    memset(geo_sections, 0, sizeof geo_sections);
    for (int s = 0; s < 2; s++) lay_aircraft(s);
    set_view();
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
            // A tenth of a metre beyond the tip's leading edge, along the span.
            const int part = c.want[k].part;
            const float* tip = geo_xyz[c.slot][part][pln[c.slot].els[part]][0];
            const float* span = geo_hinge_dir[c.slot][part];
            const float at[3] = {tip[0] + 0.1f * span[0], tip[1] + 0.1f * span[1], tip[2] + 0.1f * span[2]};
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

namespace {

// The fuselage out of the view: feedback reports only what is inside it.
void hide_fuselage(int s)
{
    for (int i = 0; i < 11; i++)
        for (int j = 0; j < 16; j++) geo_xyz[s][part_fuselage][i][j][0] += 100;
}

// The transform of a part about a point: there and back round the calls.
template <typename F>
void about(const float o[3], F calls)
{
    glTranslatef(o[0], o[1], o[2]);
    calls();
    glTranslatef(-o[0], -o[1], -o[2]);
}

}  // namespace

// The user's state turns whole parts: each vertex drawn moved lies where
// the part's turn, written out here with its sign, takes the vertex drawn
// still. Aircraft 1 keeps them all still.
TEST(DrplaneClose, MovingPartsTurnWithTheUsersState)
{
    struct moving_case {
        const char* name;
        void (*lay)(int s);      // the part(s), at rest
        void (*move)(int s);     // the state that moves them
        // The turn, in the aircraft's axes, of the part a triangle belongs
        // to: left (x < 0) or right.
        void (*turn)(int right);
    } cases[] = {
        {"stabilator follows its side's elevator", [](int s) { lay_wing(s, 10), lay_wing(s, 11); },
         [](int s) {
             pln[s].hstabtype = 1;
             flt.elev_def_L = 10, flt.elev_def_R = -6;
         },
         [](int right) {
             float o[3] = {right ? wing_root_x : -wing_root_x, 0, 0};
             about(o, [&] { glRotatef(right ? -6 : 10, -1, 0, 0); });
         }},
        {"trim turns a tail behind the centre of gravity",
         [](int s) {
             lay_wing(s, 10), lay_wing(s, 11);
             pln[s].hstbtrimmax = 4, pln[s].Zarm[10] = pln[s].Zarm[11] = 0.5f;
         },
         [](int) { flt.pitch_trim = 0.5f; },
         [](int right) {
             float o[3] = {right ? wing_root_x : -wing_root_x, 0, 0.5f};
             about(o, [] { glRotatef(2, -1, 0, 0); });
         }},
        {"and a canard the other way",
         [](int s) {
             lay_wing(s, 10), lay_wing(s, 11);
             pln[s].hstbtrimmax = 4, pln[s].Zarm[10] = pln[s].Zarm[11] = -0.5f;
         },
         [](int) { flt.pitch_trim = 0.5f; },
         [](int right) {
             float o[3] = {right ? wing_root_x : -wing_root_x, 0, -0.5f};
             about(o, [] { glRotatef(-2, -1, 0, 0); });
         }},
        {"variable sweep, each side aft",
         [](int s) {
             lay_wing(s, 4), lay_wing(s, 5);
             pln[s].varsweepEQ[4] = pln[s].varsweepEQ[5] = 1;
             pln[s].sweep1[4] = pln[s].sweep1[5] = pln[s].sweepnow[4] = pln[s].sweepnow[5] = 10;
         },
         [](int s) { pln[s].sweepnow[4] = pln[s].sweepnow[5] = 30; },
         [](int right) {
             float o[3] = {right ? wing_root_x : -wing_root_x, 0, 0};
             about(o, [&] { glRotatef(right ? -20 : 20, 0, 1, 0); });
         }},
        {"nacelle cants up and aside",
         [](int s) {
             pln[s].entype = engine_low_bypass, pln[s].numen = 1, pln[s].nace_eq = 1;
             pln[s].Xarm[0] = 2, pln[s].Zarm[0] = -1;
             lay_ring(s, part_nacelle_first, 7, 16, 0.3f, -1, 2);
         },
         [](int s) { pln[s].vertcant[0] = 8, pln[s].sidecant[0] = -5; },
         [](int) {
             float o[3] = {2, 0, -1};
             about(o, [] { glRotatef(-8, -1, 0, 0), glRotatef(5, 0, 1, 0); });
         }},
        {"propeller tilts, turns aside and moves by the vectoring arm", [](int s) { lay_prop(s, 2); },
         [](int s) {
             pln[s].vectarm = 0.4f;
             flt.vert_cant[0] = 30, flt.side_cant[0] = 10;
         },
         [](int) {
             float o[3] = {0, 0, prop_z};
             about(o, [] { glRotatef(-30, -1, 0, 0), glRotatef(-10, 0, 1, 0), glTranslatef(0, 0, -0.4f); });
         }},
    };
    for (const moving_case& c : cases) {
        for (int slot = 0; slot < 2; slot++) {
            SCOPED_TRACE(testing::Message() << c.name << ", slot " << slot);
            start();
            msc.dt = 0;    // a propeller keeps its angle, blades or disc
            drop_wings(slot), drop_fin(slot), drop_prop(slot), drop_gear(slot);
            hide_fuselage(slot);
            c.lay(slot);
            sent still = draw(slot, 1);
            c.move(slot);
            sent got = draw(slot, 1);
            ASSERT_FALSE(still.tris.empty());
            ASSERT_EQ(still.tris.size(), got.tris.size());
            for (size_t t = 0; t < still.tris.size(); t++)
                for (int k = 0; k < 3; k++) {
                    float want[3];
                    const float* p = still.tris[t][k].p;
                    if (slot == 0) through_gl([&] { c.turn(centroid(still.tris[t], 0) > 0); }, p, want);
                    else memcpy(want, p, sizeof want);
                    ASSERT_LT(dist(got.tris[t][k].p, want), 2e-3f) << "triangle " << t << " corner " << k;
                }
        }
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

namespace {

// A small design whose mesh load_plane_geo builds: both wings, both
// stabiliser halves, twin fins, pylons left, on the centre line and right
// (a four-engine jet missing its fourth), the fuselage and a tricycle gear
// with fairings; the control surfaces deflected.
void design_aircraft(void)
{
    reset_suite_state();
    MACIBM_init();
    planestruct& a = pln[0];
    a.entype = engine_low_bypass;
    a.numen = 4;
    struct lifting {
        int part;
        float x, y, z, semilen, croot, ctip, dihed;
    } parts[] = {
        {4, -0.5f, 0, 0, 4, 1.2f, 0.8f, 5},       {5, 0.5f, 0, 0, 4, 1.2f, 0.8f, 5},
        {10, -0.3f, 0.2f, 4, 1.5f, 0.8f, 0.6f, 0}, {11, 0.3f, 0.2f, 4, 1.5f, 0.8f, 0.6f, 0},
        {12, -0.8f, 0.3f, 4, 1.2f, 0.9f, 0.6f, 90}, {13, 0.8f, 0.3f, 4, 1.2f, 0.9f, 0.6f, 90},
        {14, -1, -0.7f, 0, 0.5f, 1, 1, -90},       {15, 0, -0.7f, 0, 0.5f, 1, 1, -90},
        {16, 1, -0.7f, 0, 0.5f, 1, 1, -90},
    };
    for (const lifting& l : parts) {
        a.Xarm[l.part] = l.x, a.Yarm[l.part] = l.y, a.Zarm[l.part] = l.z;
        a.semilen[l.part] = l.semilen;
        a.Croot[l.part] = l.croot, a.Ctip[l.part] = l.ctip;
        a.dihed[l.part] = l.dihed;
        a.els[l.part] = is_wing(l.part) ? 2 : 1;
        afl[0].trat[l.part][0] = afl[0].trat[l.part][1] = 0.12f;
    }
    a.ailn_crat = 0.25f, a.elev_crat = 0.3f, a.rudd_crat = 0.3f;
    a.ailn[4][1] = a.ailn[5][1] = a.flap[4][0] = a.flap[5][0] = 1;
    a.elev[10][0] = a.elev[11][0] = a.rudd[12][0] = a.rudd[13][0] = 1;
    flt.ailn_def_L = 12, flt.ailn_def_R = -12, flt.flap_ratio = 0.5f;
    flt.elev_def_L = flt.elev_def_R = -8, flt.rudd_def_now = 15;

    // Round bodies: point 0 on top, then round the right side.
    auto body = [&](int part, int sections, int points, float z0, float len, float r_mid, float r_end) {
        for (int i = 0; i < sections; i++) {
            float f = (float)i / (sections - 1), r = r_end + (r_mid - r_end) * sinf((float)M_PI * f);
            for (int j = 0; j < points; j++) {
                float th = 2 * (float)M_PI * j / points;
                a.body_X[part][i][j] = r * sinf(th);
                a.body_Y[part][i][j] = r * cosf(th);
                a.body_Z[part][i][j] = z0 + len * f;
            }
        }
    };
    body(part_fuselage, 11, 16, -4, 9, 0.6f, 0.2f);
    a.gear_type = 3;
    a.gear_stat[0] = a.gear_stat[1] = a.gear_stat[2] = 1;
    a.fair_eq = 1;
    a.wheelrad = 0.25f;
    a.ngearY = -1.2f, a.ngearZ = -2.5f, a.ngearY_att = -0.5f, a.ngearZ_att = -2.5f;
    a.mgearX = 1.2f, a.mgearY = -1.2f, a.mgearZ = 0.5f;
    a.mgearX_att = 0.6f, a.mgearY_att = -0.4f, a.mgearZ_att = 0.5f;
    for (int part = part_fairing_first; part <= part_fairing_last; part++) body(part, 7, 8, -0.5f, 1, 0.3f, 0.1f);
    load_plane_geo(0, 0, 0, 0);
}

// Lit by two lights along the line of sight, red from the eye's side and
// green from behind, on a white material with no ambient light: each
// vertex's red less its green is its normal's component toward the eye.
void light_toward_eye(void)
{
    const GLfloat none[4] = {0, 0, 0, 1}, white[4] = {1, 1, 1, 1}, red[4] = {1, 0, 0, 1}, green[4] = {0, 1, 0, 1};
    const GLfloat front[4] = {0, 0, 1, 0}, back[4] = {0, 0, -1, 0};
    glLoadIdentity();
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    for (GLenum l : {GL_LIGHT0, GL_LIGHT1}) {
        glLightfv(l, GL_AMBIENT, none);
        glLightfv(l, GL_SPECULAR, none);
    }
    glLightfv(GL_LIGHT0, GL_DIFFUSE, red);
    glLightfv(GL_LIGHT0, GL_POSITION, front);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, green);
    glLightfv(GL_LIGHT1, GL_POSITION, back);
    glEnable(GL_LIGHT1);
    glDisable(GL_COLOR_MATERIAL);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
    for (GLenum m : {GL_AMBIENT, GL_SPECULAR, GL_EMISSION}) glMaterialfv(GL_FRONT_AND_BACK, m, none);
}

}  // namespace

// Close and culled as the frame draws it, from above, below, each side and
// four corners, every triangle GL keeps that squarely faces the eye was
// sent with normals toward the eye: no part shows its inside, a pylon on
// the centre line (built mirrored) included. Smooth normals lean from a
// face's own by up to a strip's angle (the leading edge's most, about 100
// degrees across), so a face turned well toward the eye may lean a little
// away on average; an inside shown leans away by 0.6 and more. Caps take
// their section's normals and are left out.
TEST(DrplaneClose, CullingKeepsOnlyFacesTowardTheEye)
{
    design_aircraft();
    set_view();
    light_toward_eye();
    ASSERT_TRUE(have_this_part(15, 0));
    ASSERT_FALSE(have_this_part(17, 0));
    const struct {
        float pitch, yaw;    // turned about x, then y
    } views[] = {{35, 40}, {35, -130}, {-35, 140}, {-35, -50}, {0, 90}, {0, -90}, {90, 0}, {-90, 0}};
    for (const auto& v : views) {
        SCOPED_TRACE(testing::Message() << "pitch " << v.pitch << " yaw " << v.yaw);
        glLoadIdentity();
        glRotatef(v.pitch, 1, 0, 0);
        glRotatef(v.yaw, 0, 1, 0);
        sent got = draw(0, 1, true);
        EXPECT_GT(got.tris.size(), 200u);
        int away = 0;
        for (const std::vector<vert>& t : got.tris) {
            float toward = 0;
            int at_mid = 0;
            for (const vert& c : t) {
                toward += (c.rgba[0] - c.rgba[1]) / 3;
                at_mid += c.st[0] == 0.5f && c.st[1] == 0.5f;
            }
            if (at_mid == 3) continue;
            // How squarely the face itself is turned to the eye.
            float e1[3], e2[3];
            for (int k = 0; k < 3; k++) e1[k] = t[1].p[k] - t[0].p[k], e2[k] = t[2].p[k] - t[0].p[k];
            float n[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2], e1[0] * e2[1] - e1[1] * e2[0]};
            float len = sqrtf(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
            if (len < 1e-6f || fabsf(n[2]) < 0.5f * len) continue;
            if (toward < -0.35f && away++ < 5) {
                float c[3] = {centroid(t, 0), centroid(t, 1), centroid(t, 2)}, w[3];
                through_gl([&] { glRotatef(-v.yaw, 0, 1, 0), glRotatef(-v.pitch, 1, 0, 0); }, c, w);
                ADD_FAILURE() << "normals turned away (" << toward << ") at " << w[0] << " " << w[1] << " " << w[2];
            }
        }
        EXPECT_EQ(away, 0);
    }
}

namespace {

// Paint code c of slot 0 as one colour of its own.
uint32_t code_colour(int c) { return (uint32_t)((20 + 14 * c) << 16 | (240 - 14 * c) << 8 | (60 + 9 * c)); }

void paint_each_code(void)
{
    for (int c = 0; c < paint_codes; c++) {
        unsigned char px[4 * 4 * 3];
        for (int k = 0; k < 16; k++)
            for (int ch = 0; ch < 3; ch++) px[3 * k + ch] = (unsigned char)(code_colour(c) >> (16 - 8 * ch));
        OGL_bindtex(paint_tex(0, c));
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 4, 4, 0, GL_RGB, GL_UNSIGNED_BYTE, px);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    }
    // Unlit: white whatever the light, so each pixel is its paint.
    const GLfloat white[4] = {1, 1, 1, 1};
    glDisable(GL_COLOR_MATERIAL);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, white);
}

uint32_t pixel_at(float x, float y)
{
    unsigned char rgb[3];
    int px = (int)((x / half + 1) / 2 * view_px), py = (int)((y / half + 1) / 2 * view_px);
    host_test_read_pixels(px, py, 1, 1, rgb);
    return (uint32_t)(rgb[0] << 16 | rgb[1] << 8 | rgb[2]);
}

}  // namespace

// Each face shows its own paint: the fins' left faces their left paint and
// their right faces the right paint, the fuselage's right side its right
// paint and the left side the left, a left wing and stabiliser half their
// right partner's paint. The designed aircraft, fin 2 moved forward of fin 1.
TEST(DrplaneClose, EachFaceShowsItsPaint)
{
    design_aircraft();
    pln[0].Zarm[13] = 2.5f;
    load_plane_geo(0, 0, 0, 0);
    set_view();
    paint_each_code();
    // Sample points in the aircraft's axes: the fuselage's side at (z -2,
    // y 0.3), fin 1 at (z 4.2, y 1), fin 2 at (z 2.7, y 1); from above, the
    // left wing at (x -3, z 0.2) and stabiliser at (x -1, z 4.2).
    struct sample {
        float u, v;    // on the screen
        int code;
    };
    const struct {
        const char* name;
        float pitch, yaw;
        std::vector<sample> samples;
    } views[] = {
        {"from the left", 0, 90, {{-2, 0.3f, paint_fuse}, {4.2f, 1, paint_vst1}, {2.7f, 1, paint_vst2}}},
        {"from the right", 0, -90, {{2, 0.3f, paint_fuseR}, {-4.2f, 1, paint_vst1R}, {-2.7f, 1, paint_vst2R}}},
        {"from above", 90, 0, {{-3, -0.2f, paint_wng1}, {-1, -4.2f, paint_hstb}}},
    };
    for (const auto& v : views) {
        SCOPED_TRACE(v.name);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        glRotatef(v.pitch, 1, 0, 0);
        glRotatef(v.yaw, 0, 1, 0);
        glEnable(GL_CULL_FACE);
        plot_plane(0, 1);
        glFinish();
        for (const sample& s : v.samples) EXPECT_EQ(pixel_at(s.u, s.v), code_colour(s.code)) << paint_suffix[s.code];
    }
}

// A record the loader has not checked (the aircraft editor's, mid-edit) may
// give a wing no elements or more than a part holds: the drawing follows
// the mesh built from it, one element or eight, never sections it lacks.
TEST(DrplaneClose, ElementCountOutOfRangeDrawsTheMeshAsBuilt)
{
    for (int els : {0, 20}) {
        SCOPED_TRACE(els);
        std::vector<sent> drawn;
        for (int as_built : {els == 0 ? 1 : 8, els}) {
            design_aircraft();
            pln[0].els[4] = pln[0].els[5] = as_built;
            load_plane_geo(0, 0, 0, 0);
            set_view();
            drawn.push_back(draw(0, 1));
        }
        const sent &want = drawn[0], &got = drawn[1];
        ASSERT_EQ(got.tris.size(), want.tris.size());
        for (size_t t = 0; t < want.tris.size(); t++)
            for (int k = 0; k < 3; k++) ASSERT_LT(dist(got.tris[t][k].p, want.tris[t][k].p), 1e-4f) << t;
    }
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
