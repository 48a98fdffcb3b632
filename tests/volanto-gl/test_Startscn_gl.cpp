// The 3D frame in a real window at 1024 x 768: the view's axis lands on the
// head-up display's centre whatever the view's roll, pitch and heading;
// nothing of the 3D view reaches the panel's rows, and nothing of the last
// frame stays in the view; the near and far planes; the lines of the world
// and of the overlays; the landing lights' beams; the whole screen is the
// 2D overlays' again afterwards, and the panel's strip starts right above
// the view. A test drawer stands in for the terrain.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "P_update.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

const float deg = (float)M_PI / 180;

// A square across the view's axis, `ahead` metres out from the eye, in a
// colour of its own: drawn from the world's coordinates, so that it shows
// where the frame's camera puts the axis.
float square_ahead = 50, square_half = 0.3f;
float square_rgb[3] = {1, 0, 0};

void square_on_axis(void)
{
    float p = scn.view_pitch * deg, h = scn.view_heading * deg;
    float d[3] = {sinf(h) * cosf(p), sinf(p), -cosf(h) * cosf(p)};   // heading 0 is north, -z
    float u[3] = {cosf(h), 0, sinf(h)};                             // level, across the axis
    float v[3] = {d[1] * u[2] - d[2] * u[1], d[2] * u[0] - d[0] * u[2], d[0] * u[1] - d[1] * u[0]};
    float c[3];
    for (int k = 0; k < 3; k++) c[k] = con.VIEW_xyz[k] + square_ahead * d[k];
    OGL_setstate(0, 0, 0, 0);
    glDisable(GL_CULL_FACE);
    glColor3f(square_rgb[0], square_rgb[1], square_rgb[2]);
    glBegin(GL_QUADS);
    const float corner[4][2] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}};
    for (const auto& q : corner)
        glVertex3f(c[0] + square_half * (q[0] * u[0] + q[1] * v[0]), c[1] + square_half * (q[0] * u[1] + q[1] * v[1]),
                   c[2] + square_half * (q[0] * u[2] + q[1] * v[2]));
    glEnd();
    glEnable(GL_CULL_FACE);
}

class SceneFrameGl : public ::testing::Test {
protected:
    scene_calls saved;
    std::vector<unsigned char> px;
    void SetUp() override
    {
        start_frame_over_flat_ground();
        saved = scene;
        scene.plot_terrain = square_on_axis;
    }
    void TearDown() override { scene = saved; }

    void attitude(float theta, float psi, float phi)
    {
        flt.theta[0] = theta;
        flt.psi[0] = psi;
        flt.phi[0] = phi;
        attitude_sines();
    }
    // One frame on a black screen, read back.
    void draw_frame(void)
    {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        update_scene_3d();
        read_screen();
    }
    void read_screen(void)
    {
        px.assign(1024 * 768 * 3, 0);
        host_test_read_pixels(0, 0, 1024, 768, px.data());
    }
    const unsigned char* pixel(int x, int y) const { return &px[((size_t)y * 1024 + (size_t)x) * 3]; }
    int is_rgb(int x, int y, int r, int g, int b) const
    {
        const unsigned char* p = pixel(x, y);
        return p[0] == r && p[1] == g && p[2] == b;
    }
    // The pixels of one colour in columns x0..x1 and rows y0..y1, and their span.
    struct found {
        int n, x0, x1, y0, y1;
    };
    found find_rgb(int r, int g, int b, int x0 = 0, int x1 = 1023, int y0 = 0, int y1 = 767) const
    {
        found f = {0, 9999, -1, 9999, -1};
        for (int y = y0; y <= y1; y++)
            for (int x = x0; x <= x1; x++)
                if (is_rgb(x, y, r, g, b)) {
                    f.n++;
                    f.x0 = std::min(f.x0, x), f.x1 = std::max(f.x1, x);
                    f.y0 = std::min(f.y0, y), f.y1 = std::max(f.y1, y);
                }
        return f;
    }
};

void no_terrain(void) {}

float projection[16];   // as the frame left it for the terrain
void read_projection(void) { glGetFloatv(GL_PROJECTION_MATRIX, projection); }

// Where a point dx, dy, dz metres from the eye lands on the screen, in
// pixels, the eye looking north and level with the panel shown: the axis at
// (400, 443) reference units, 400 units for 0.75 of the distance ahead.
void screen_of(float dx, float dy, float dz, float* x, float* y)
{
    float k = 400 / 0.75f / -dz;
    *x = (400 + k * dx) * 1.28f;
    *y = (443 + k * dy) * 1.28f;
}

}  // namespace

TEST_F(SceneFrameGl, TheViewsAxisLandsOnTheHeadUpDisplaysCentre)
{
    const struct {
        int hidden;
        float theta, psi, phi;
    } cases[] = {
        {0, 10, 30, 20},
        {0, -15, 250, -35},
        {1, 10, 30, 20},
        {1, -15, 250, -35},
    };
    ASSERT_FLOAT_EQ(mnw.XRAT, 1.28f);
    for (const auto& c : cases) {
        set.panel_hidden = c.hidden;
        attitude(c.theta, c.psi, c.phi);
        draw_frame();
        double sx = 0, sy = 0;
        int n = 0;
        for (int y = 0; y < 768; y++)
            for (int x = 0; x < 1024; x++) {
                const unsigned char* p = pixel(x, y);
                if (p[0] > 200 && p[1] < 60 && p[2] < 60) sx += x + 0.5, sy += y + 0.5, n++;
            }
        ASSERT_GT(n, 4) << c.hidden << " " << c.psi;
        EXPECT_NEAR(sx / n, con.cntrx * mnw.XRAT, 1.0) << c.hidden << " " << c.psi;
        EXPECT_NEAR(sy / n, con.cntry * mnw.YRAT, 1.0) << c.hidden << " " << c.psi;
    }
}

// A square that fills the whole view: with the panel shown the rows above
// 560 reference units stay as they were; hidden, the view fills the screen.
// Afterwards 2D drawing reaches the whole screen in reference units.
TEST_F(SceneFrameGl, TheViewStaysBelowThePanelsTopAndHandsTheScreenBack)
{
    square_ahead = 20;
    square_half = 1000;
    square_rgb[0] = 0, square_rgb[1] = 1, square_rgb[2] = 0;
    for (int hidden = 0; hidden < 2; hidden++) {
        set.panel_hidden = hidden;
        attitude(5, 80, -10);
        draw_frame();
        int top = hidden ? 768 : (int)(560 * mnw.YRAT);   // 716 rows
        int wrong = 0;
        for (int y = 0; y < 768; y++)
            for (int x = 0; x < 1024; x += 7) {
                const unsigned char* p = pixel(x, y);
                int green = p[0] < 30 && p[1] > 220 && p[2] < 30, black = p[0] + p[1] + p[2] == 0;
                wrong += y < top ? !green : !black;
            }
        EXPECT_EQ(wrong, 0) << hidden;

        OGL_assigncolor(79, 1, 1, 0);
        OGL_fillrect(79, 700, 590, 10, 5);
        read_screen();
        const unsigned char* p = pixel((int)(705 * mnw.XRAT), (int)(592.5f * mnw.YRAT));
        EXPECT_EQ(p[0], 255) << hidden;
        EXPECT_EQ(p[1], 255) << hidden;
        EXPECT_EQ(p[2], 0) << hidden;
    }
}

// The sky box is open at its sides: banked 45 degrees, the view's lower
// corners look past it. Whatever the screen held before, none of it stays
// in the view; the panel's rows keep theirs.
TEST_F(SceneFrameGl, NothingOfTheLastFrameStaysInTheView)
{
    scene.plot_terrain = no_terrain;
    attitude(0, 30, 45);
    glClearColor(1, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    update_scene_3d();
    read_screen();
    const int top = (int)(560 * mnw.YRAT);
    EXPECT_EQ(find_rgb(255, 0, 0, 0, 1023, 0, top - 1).n, 0);
    EXPECT_EQ(find_rgb(255, 0, 0, 0, 1023, top, 767).n, 1024 * (768 - top));
}

// Near: half the eye's height above the ground, in front of every aircraft
// that may be drawn, within 0.1 to 5 m. Far: the sky box and 10 nm at
// least, widened by the eye's height above the ground, or above the tops
// of an overcast under it.
TEST_F(SceneFrameGl, TheNearAndFarPlanes)
{
    scene.plot_terrain = read_projection;
    const struct {
        const char* what;
        float y;       // the eye over flat ground at 0
        float ahead;   // another aircraft this far ahead, m
        float tops;    // an overcast's tops under the eye
        float near;
        int height_counts;
    } cases[] = {
        {"half the eye's height", 2, 0, 0, 1, 0},
        {"5 m at most", 100, 0, 0, 5, 0},
        {"in front of another aircraft", 100, 6, 0, 3, 0},
        {"0.1 m at least", 100, 2, 0, 0.1f, 0},
        {"high over the ground", 20000, 0, 0, 5, 1},
        {"high over an overcast", 12000, 0, 1000, 5, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        flt.pos_y[0] = c.y;
        env.ground_h = 0;
        scn.plane_size = 2;
        set.air_traffic_on = c.ahead > 0;
        flt.pos_x[1] = 5050, flt.pos_y[1] = c.y, flt.pos_z[1] = -5050 - c.ahead;
        atm.cloud_type = c.tops > 0 ? 4 : 1;
        atm.cloud_base = 500, atm.cloud_tops = c.tops;
        atm.wx_factor = c.tops > 0 ? 0.05f : 1;   // the least that is seen over the tops
        draw_frame();
        float m10 = projection[10], m14 = projection[14];
        EXPECT_NEAR(m14 / (m10 - 1), c.near, c.near * 1e-3f);
        float s = atm.vis_eff + 3000, t = c.y - c.tops;
        EXPECT_TRUE(!c.height_counts || t > 0.4f * s) << "a case where the height widens it";
        float far = fmaxf(1.01f * sqrtf(s * s + sqr(fmaxf(t, 0.4f * s))), 10 * con.nmtomtrs);
        // a near plane under a metre leaves too little of the far one in the matrix to read
        if (c.near >= 1) {
            EXPECT_NEAR(m14 / (m10 + 1), far, far * 5e-3f);
        }
    }
}

// The yaw string stands above the head-up display's centre for a glider
// that moves over the ground, never in the full screen without a head-up
// display, nor for a powered aircraft; the calibration box while the stick
// is calibrated.
TEST_F(SceneFrameGl, TheYawStringAndTheCalibrationBox)
{
    scene.plot_terrain = no_terrain;
    OGL_assigncolor(18, 1, 0, 1);   // the yaw string
    OGL_assigncolor(0, 0, 1, 1);    // the calibration box
    flt.sin_beta = 0, flt.cos_beta = 1;
    const struct {
        int view, engine;
        float speed;
        int calibrating;
        int string;
    } cases[] = {
        {view_forwards, engine_none, 2, 0, 1},
        {view_forwards, engine_none, 0.5f, 1, 0},
        {view_full_no_hud, engine_none, 2, 0, 0},
        {view_forwards, engine_none + 1, 2, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.view) + " " + std::to_string(c.engine) + " " + std::to_string(c.speed));
        set.view_id = c.view;
        pln[0].entype = c.engine;
        flt.gnd_speed[0] = c.speed;
        msc.joy_calibrating = c.calibrating;
        draw_frame();
        found yaw = find_rgb(255, 0, 255);
        if (c.string) {
            // from (400, 333) 50 units up, at the panel's scale
            EXPECT_GE(yaw.n, 60);
            EXPECT_LE(yaw.x1 - yaw.x0, 2);
            EXPECT_NEAR(yaw.x0, 512, 1);
            EXPECT_NEAR(yaw.y0, 333 * 1.28f, 1.5f);
            EXPECT_NEAR(yaw.y1, 383 * 1.28f, 1.5f);
        } else {
            EXPECT_EQ(yaw.n, 0);
        }
        found box = find_rgb(0, 255, 255);
        if (c.calibrating) {
            // a 200-unit square from (300, 347) and a cross at its centre
            EXPECT_GE(box.n, 4 * 250);
            EXPECT_NEAR(box.x0, 300 * 1.28f, 1.5f);
            EXPECT_NEAR(box.y1, 547 * 1.28f, 1.5f);
            EXPECT_TRUE(is_rgb(512, (int)(447 * 1.28f), 0, 255, 255)) << "the cross";
        } else {
            EXPECT_EQ(box.n, 0);
        }
    }
}

// The flown path: a line from each recorded sample to the next while both
// were recorded, every third one marked; the tow rope from the tow plane to
// the glider's nose. The eye looks north, level, 100 m up.
TEST_F(SceneFrameGl, TheFlownPathAndTheTowRope)
{
    scene.plot_terrain = no_terrain;
    OGL_assigncolor(20, 0, 1, 0);
    OGL_assigncolor(26, 0, 0, 1);
    OGL_assigncolor(29, 1, 1, 0);
    // Samples 10 m apart across the view, 50 m ahead at eye height: 0 to 1
    // and 3 to 4 marked, 1 to 3 not, 4 to 5 not drawn (5 is the slot after
    // the newest).
    for (int k = 0; k < 6; k++) {
        pat.path_time[k] = k < 5 ? 1.0f + (float)k : 0;
        float* p = pat.path_plane[k];
        p[0] = 5030 + 10.0f * (float)k, p[1] = 100, p[2] = -5100;
    }
    grf.graph_shown = 1;
    draw_frame();
    float x[6], yh;
    for (int k = 0; k < 6; k++) screen_of(10.0f * (float)k - 20, 0, -50, &x[k], &yh);
    const int row = (int)yh - 2, rows = 4;
    found marked = find_rgb(0, 0, 255, 0, 1023, row, row + rows), plain = find_rgb(0, 255, 0, 0, 1023, row, row + rows);
    EXPECT_EQ(marked.n + plain.n, find_rgb(0, 0, 255).n + find_rgb(0, 255, 0).n) << "only along the path";
    EXPECT_NEAR(marked.x0, x[0], 2);
    EXPECT_NEAR(marked.x1, x[4], 2);
    EXPECT_EQ(find_rgb(0, 0, 255, (int)x[1] + 2, (int)x[3] - 2, row, row + rows).n, 0);
    EXPECT_NEAR(plain.x0, x[1], 2);
    EXPECT_NEAR(plain.x1, x[3], 2);
    EXPECT_EQ(find_rgb(255, 255, 0).n, 0) << "no tow";
    grf.graph_shown = 0;

    // The tow plane 100 m ahead, 20 m right and 5 m down; the glider's nose
    // 3 m ahead of its centre, inside the near plane (5 m): the rope shows
    // from the near plane on.
    attitude(0, 0, 0);
    pln[0].body_Z[part_fuselage][0][0] = -3;
    flt.pos_x[1] = 5070, flt.pos_y[1] = 95, flt.pos_z[1] = -5150;
    for (int tow = 0; tow < 2; tow++) {
        set.tow_hold = tow == 0;
        set.tow_on = tow == 1;
        draw_frame();
        found rope = find_rgb(255, 255, 0);
        float xn, yn, xf, yf;
        float f = (5 - 3) / 97.0f;   // where the rope crosses the near plane
        screen_of(20 * f, -5 * f, -5, &xn, &yn);
        screen_of(20, -5, -100, &xf, &yf);
        EXPECT_NEAR(rope.x0, xn, 2) << tow;
        EXPECT_NEAR(rope.x1, xf, 2) << tow;
        EXPECT_NEAR(rope.y1, yn, 2) << tow;
        EXPECT_NEAR(rope.y0, yf, 2) << tow;
        EXPECT_EQ(find_rgb(0, 0, 255).n + find_rgb(0, 255, 0).n, 0) << "no path";
    }
}

// The landing lights' beams point down the nose, 10 degrees below it, from
// every view: read in the eye's frame (x right, y up, looking along -z).
TEST_F(SceneFrameGl, TheLandingLightsPointDownTheNose)
{
    scene.plot_terrain = no_terrain;
    ins.ldg_lights = 1;
    const float s10 = sinf(10 * deg), c10 = cosf(10 * deg);
    const struct {
        int view;
        float theta, psi, phi;
        float dir[3];
    } cases[] = {
        {view_forwards, 10, 30, 20, {0, -s10, -c10}},
        {view_backwards, 0, 30, 0, {0, -s10, c10}},
        {view_left_90, 0, 30, 0, {c10, -s10, 0}},
        {view_right_135, 0, 30, 0, {-c10 * sinf(45 * deg), -s10, c10 * cosf(45 * deg)}},
    };
    for (const auto& c : cases) {
        set.view_id = c.view;
        attitude(c.theta, c.psi, c.phi);
        draw_frame();
        for (GLenum light : {GL_LIGHT1, GL_LIGHT2}) {
            float d[4];
            glGetLightfv(light, GL_SPOT_DIRECTION, d);
            for (int k = 0; k < 3; k++) EXPECT_NEAR(d[k], c.dir[k], 1e-4f) << c.view << " " << k;
        }
    }
}

// The panel's strip stands right above the view, whose height in pixels is
// truncated: at 1024 x 768 the view's top row is its 716th, and at the
// reference 800 x 600 (the window's lower left drawn at that scale) its
// 560th.
TEST_F(SceneFrameGl, ThePanelsStripStartsRightAboveTheView)
{
    MACIBM_startwind(win_main);
    square_ahead = 20;
    square_half = 1000;
    square_rgb[0] = 0, square_rgb[1] = 1, square_rgb[2] = 0;
    set.panel_hidden = 0;
    for (float scale : {1.28f, 1.0f}) {
        mnw.XRAT = mnw.YRAT = scale;
        mnw.XRES = (int)(800 * scale), mnw.YRES = (int)(600 * scale);
        glViewport(0, 0, mnw.XRES, mnw.YRES);
        draw_frame();
        update_panel();
        read_screen();
        int top = (int)(560 * scale) - 1;
        for (int x = 0; x < mnw.XRES; x += 5) {
            ASSERT_EQ(pixel(x, top)[1], 255) << scale << " " << x;
            ASSERT_TRUE(is_rgb(x, top + 1, 0, 0, 0)) << scale << " " << x;
        }
    }
}
