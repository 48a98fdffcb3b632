// The 3D frame in a real window at 1024 x 768: the view's axis lands on the
// head-up display's centre whatever the view's roll, pitch and heading;
// nothing of the 3D view reaches the panel's rows; the whole screen is the
// 2D overlays' again afterwards. A test drawer stands in for the terrain.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
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
        reset_suite_state();
        write_file(std::string(test_scratch_folder()) + "config/XRes 5.prf", "I\n2 version\n1024\n768\n24\n");
        MACIBM_init();
        saved = scene;
        scene.plot_terrain = square_on_axis;
        to_array = 0;
        mnw.x = mnw.y = 0;

        // Flat ground, the aircraft 100 m up in the middle of the region, clear noon.
        lay_flat_ground();
        region_loads = 1;
        env.reg_lat = 33;
        env.reg_lon = -119;
        flt.lat = 34;
        flt.lon = -117.5f;
        flt.pos_x[0] = 5050;
        flt.pos_y[0] = 100;
        flt.pos_z[0] = -5050;
        env.ground_h = 100;
        scn.zoom = 1;
        scn.plane_size = 10;
        msc.dt = 0.05f;
        msc.time_of_day = 12 * 3600;
        atm.cloud_type = 1;
        atm.wx_factor = 1;
        atm.visibility = atm.vis_eff = 5000;
        set.view_id = view_forwards;
        pln[0].HUDtype = 1;   // no head-up display frame over the view
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
};

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
