// The sky box, fog and sun on the virtual display. Through the frame's
// projection above the panel at noon under a clear sky: the horizon and
// everything below it in the fog's colour, the rows above shading toward
// the horizon band, and looking up from it toward the zenith's; drawn over
// whatever depth was there. GL's fog and the sun as the frame leaves them.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "sky_weather.h"
#include "test_support.h"

#include <GL/gl.h>
#include <cmath>
#include <string>
#include <vector>

namespace {

const float nm = 1852.0f;
const float deg = 0.017453293f;

class SkyGl : public ::testing::Test {
protected:
    int w = 0, h = 0;
    float bottom = 0, top = 0;
    const float near_z = 1;

    void SetUp() override
    {
        reset_suite_state();
        // a window wider than the reference units, so the viewport scales
        write_file(std::string(test_scratch_folder()) + "config/XRes 5.prf", "I\n2 version\n1024\n768\n24\n");
        MACIBM_init();
        ASSERT_FLOAT_EQ(mnw.YRAT, 1.28f);
        set_sky_test_weather();
        msc.time_of_day = 12 * 3600;
        con.VIEW_xyz[1] = 2;   // the eye 2 m over the ground
        set_sky_light_fog();
    }

    // The frame's projection at zoom 1 for the 3D viewport over the panel
    // (800 x 560, the optical centre at 400, 443), the view pitched up by
    // pitch degrees and not yet turned to its heading.
    void look(float pitch)
    {
        w = (int)(800 * mnw.XRAT);
        h = (int)(560 * mnw.YRAT);
        glViewport(0, 0, w, h);
        float right = near_z * 0.75f;
        bottom = -right * 443 / 400;
        top = right * (560 - 443) / 400;
        float s = atm.vis_eff + 3000;
        float far_z = fmaxf(1.01f * sqrtf(s * s + 0.16f * s * s), 10 * nm);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(-right, right, bottom, top, near_z, far_z);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(pitch, -1, 0, 0);
        glClearColor(0, 0, 0, 0);
        glClearDepth(0);   // nearer than anything: the sky draws over it all the same
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glClearDepth(1);
    }

    // The elevation (radians) the view axis' column sees at row r.
    float elevation(int r, float pitch) const
    {
        return pitch * deg + atanf((bottom + (r + 0.5f) / h * (top - bottom)) / near_z);
    }

    // What the box shows straight ahead at elevation e: the fog at and under
    // the horizon; up its front wall (height 0.4 of its half-size) toward
    // the horizon band; up the slope to the roof toward the zenith's.
    void expected(float e, float rgb[3]) const
    {
        for (int k = 0; k < 3; k++) {
            float fog = sky.fog_rgb[k] * sky.k0, hz = sky.sky_rgb[k] * sky.kh, zen = sky.sky_rgb[k] * sky.kz;
            if (e <= 0) {
                rgb[k] = fog;
            } else if (tanf(e) <= 0.4f) {
                rgb[k] = fog + tanf(e) / 0.4f * (hz - fog);
            } else {
                float t = 1.4f / (sinf(e) + cosf(e));   // the ray meets the slope (0.4, -1)-(1, -0.4)
                float u = (t * sinf(e) - 0.4f) / 0.6f;
                rgb[k] = hz + u * (zen - hz);
            }
        }
    }

    // Every row of the view axis' column against expected(); the rows
    // checked and the colours seen at the lowest and highest of them.
    int check_column(float pitch, float from_deg, float to_deg)
    {
        std::vector<unsigned char> px((size_t)h * 3);
        glFinish();
        host_test_read_pixels(w / 2, 0, 1, h, px.data());
        int rows = 0;
        for (int r = 0; r < h; r++) {
            float e = elevation(r, pitch);
            if (e < from_deg * deg || e > to_deg * deg) continue;
            float want[3];
            expected(e, want);
            for (int k = 0; k < 3; k++)
                EXPECT_NEAR(px[r * 3 + k], want[k] * 255, 2.5f) << "row " << r << " at " << e / deg << " deg, channel " << k;
            rows++;
        }
        return rows;
    }
};

}  // namespace

// Straight ahead: fog at and under the horizon; above it the colour rises
// toward the sky's horizon band; the depth test passes everywhere and is
// less-than again afterwards.
TEST_F(SkyGl, HorizonInFogAndRowsAboveTowardTheHorizonBand)
{
    look(0);
    draw_sky_box();
    EXPECT_GT(check_column(0, -90, 90), h - 2);

    std::vector<unsigned char> px(3);
    int horizon = (int)(443 * mnw.YRAT);
    host_test_read_pixels(w / 2, horizon, 1, 1, px.data());
    for (int k = 0; k < 3; k++) EXPECT_NEAR(px[k], sky.fog_rgb[k] * 255, 1.5f) << "the horizon, channel " << k;
    host_test_read_pixels(w / 2, h - 1, 1, 1, px.data());
    EXPECT_LT(px[2], sky.fog_rgb[2] * 255 - 20) << "the top row is bluer and darker than the fog";

    GLint func = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &func);
    EXPECT_EQ(func, GL_LESS);
}

// Looking 45 degrees up, the rows past the front wall shade from the sky's
// horizon band to its zenith.
TEST_F(SkyGl, RowsLookingUpShadeFromHorizonToZenith)
{
    look(45);
    draw_sky_box();
    EXPECT_GT(check_column(45, 22, 90), 200);
    EXPECT_GT(check_column(45, 0, 22), 100);
}

// GL's fog is the sky's fog colour from a fifth of the visibility to all of
// it; inside an overcast, where nothing is seen, it still ends a metre past
// its start. Linear, as the start-up set it: the frame does not set it again.
TEST_F(SkyGl, FogRangeEvenWithNothingSeen)
{
    struct Case {
        int cloud_type;
        float eye_y;
        float start, end;
    } cases[] = {{1, 2, 0.2f * 10 * nm, 10 * nm}, {4, 1500, 0, 1}};
    for (const Case& c : cases) {
        atm.cloud_type = c.cloud_type;
        con.VIEW_xyz[1] = c.eye_y;
        set_sky_light_fog();
        float start = 0, end = 0, colour[4] = {0, 0, 0, 0};
        glGetFloatv(GL_FOG_START, &start);
        glGetFloatv(GL_FOG_END, &end);
        glGetFloatv(GL_FOG_COLOR, colour);
        EXPECT_NEAR(start, c.start, 0.01f) << "cloud " << c.cloud_type;
        EXPECT_NEAR(end, c.end, 0.01f) << "cloud " << c.cloud_type;
        for (int k = 0; k < 4; k++) EXPECT_NEAR(colour[k], sky.fog_rgb[k], 1e-6) << "cloud " << c.cloud_type;
        int mode = 0;
        glGetIntegerv(GL_FOG_MODE, &mode);
        EXPECT_EQ(mode, GL_LINEAR);
    }
}

// The sun shines in the light's colour from the east in the morning and the
// west in the afternoon, never higher than 60 degrees from the horizon
// plane's normal, tilted south by the latitude; at night its hour angle
// folds back (9 p.m. as 3 p.m.).
TEST_F(SkyGl, SunDirectionByHourAndLatitude)
{
    struct Case {
        float h;
        float dir[3];
    } cases[] = {
        {9, {0.631153f, 0.631153f, 0.450878f}},
        {15, {-0.631153f, 0.773002f, 0.450878f}},
        {21, {-0.631153f, 0.773002f, 0.450878f}},
        {12, {0, 0.773002f, 0.450878f}},
    };
    flt.lat = 33.5f;
    for (const Case& c : cases) {
        msc.time_of_day = c.h * 3600;
        set_sky_light_fog();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        set_sun_light();
        float pos[4], amb[4], dif[4];
        glGetLightfv(GL_LIGHT0, GL_POSITION, pos);
        glGetLightfv(GL_LIGHT0, GL_AMBIENT, amb);
        glGetLightfv(GL_LIGHT0, GL_DIFFUSE, dif);
        for (int k = 0; k < 3; k++) EXPECT_NEAR(pos[k], c.dir[k], 1e-5) << "at " << c.h << " axis " << k;
        EXPECT_EQ(pos[3], 0.0f) << "a direction";
        float light[4] = {lite_r, lite_g, lite_b, 1};
        for (int k = 0; k < 4; k++) {
            EXPECT_EQ(amb[k], light[k]);
            EXPECT_EQ(dif[k], light[k]);
        }
    }
}
