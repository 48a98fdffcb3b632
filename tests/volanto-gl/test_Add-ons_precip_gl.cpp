// Rain and snow on the windshield on the virtual display, read back in GL's
// feedback: nothing at or above the tops, nor at a layer with no depth; 400
// drops at most, kept while a frame draws none; parked, rain only falls and
// new snow comes in only at the top; in flight the streaks spread from the
// centre; at 32 F it snows; in the tower view the drops creep up 0.1 a
// frame. Rain streaks in a whole frame under an overcast, as pixels.
#include <gtest/gtest.h>

#include "Add-ons.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "gl_feedback.h"
#include "gl_view.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const float top = 560;   // the view with the panel shown, in reference units

struct drawn {
    std::vector<std::vector<float>> lines;   // x1, y1, x2, y2
    std::vector<std::vector<float>> points;  // x, y
};

// Below an overcast from 1000 to 2000 m in the worst weather: 400 drops.
class PrecipGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_init();
        rnd15_seed(7);
        glViewport(0, 0, 800, (int)top);
        ortho_camera(0, 800, 0, top, 1, false);
        OGL_setstate(0, 0, 0, 0);
        con.cntrx = 400, con.cntry = 443;
        con.VIEW_xyz[1] = 500;
        atm.cloud_type = 4, atm.cloud_base = 1000, atm.cloud_tops = 2000;
        atm.storm = 4, atm.precip_level = 5, atm.sl_temp = 50;
        ogl_brat_ter = 1;
        msc.dt = 0.05f;
        set.view_id = view_forwards;
        flt.cos_alpha = flt.cos_beta = 1;
    }

    static drawn window_precip(void)
    {
        drawn d;
        for (const fb_prim& p : feedback(GL_3D_COLOR, [] { do_window_precip(0, 0, 800, top); })) {
            if (p.token == GL_POINT_TOKEN) d.points.push_back({p.v[0][0], p.v[0][1]});
            else d.lines.push_back({p.v[0][0], p.v[0][1], p.v[1][0], p.v[1][1]});
        }
        return d;
    }
};

}  // namespace

// At the tops or above, or at a layer whose tops lie at its base, nothing
// falls and the intensity is 0, never NaN; just under such a layer it rains.
TEST_F(PrecipGl, NothingAtOrAboveTheTops)
{
    struct cell {
        float base, tops, eye;
        int rains;
    };
    for (const cell& c : {cell{1000, 2000, 2000, 0}, cell{1000, 2000, 2500, 0}, cell{1000, 1000, 1000, 0},
                          cell{1000, 1000, 999, 1}}) {
        atm.cloud_base = c.base, atm.cloud_tops = c.tops, con.VIEW_xyz[1] = c.eye;
        window_precip();
        drawn d = window_precip();
        EXPECT_EQ(d.lines.empty(), !c.rains) << c.eye << " in " << c.base << ".." << c.tops;
        EXPECT_FALSE(std::isnan(atm.precip_intensity));
        if (!c.rains) {
            EXPECT_EQ(atm.precip_intensity, 0) << c.eye << " in " << c.base << ".." << c.tops;
        }
    }
}

// In the tower view the drops hang and creep up 0.1 a frame (the running
// drop 8 times as far): the first frame places all 400, the next draws all
// 400, and after a frame with none drawn they go on from where they were.
TEST_F(PrecipGl, FourHundredDropsAtMostAndTowerDropsCreepUp)
{
    set.view_id = view_tower;
    EXPECT_TRUE(window_precip().lines.empty()) << "every drop starts outside and is placed afresh";
    drawn d = window_precip();
    ASSERT_EQ(d.lines.size(), 400u);
    int creeping = 0;
    for (const std::vector<float>& l : d.lines) {
        EXPECT_FLOAT_EQ(l[2], l[0]);
        float dy = l[3] - l[1];
        EXPECT_TRUE(fabsf(dy - 0.1f) < 1e-3f || fabsf(dy - 0.8f) < 1e-3f) << dy;
        creeping += fabsf(dy - 0.1f) < 1e-3f;
    }
    EXPECT_GE(creeping, 399);

    con.VIEW_xyz[1] = 2000;
    EXPECT_TRUE(window_precip().lines.empty());
    con.VIEW_xyz[1] = 500;
    atm.storm = 6;   // past the scale: still 400
    EXPECT_EQ(window_precip().lines.size(), 400u);
}

// Parked with no wind every streak falls straight down by gravity alone;
// flying, the streaks run out from the screen's centre line and downwards.
TEST_F(PrecipGl, ParkedRainOnlyFallsFlyingItSpreads)
{
    // A drop inside the view draws its streak, clipped where it leaves.
    auto clipped = [](const std::vector<float>& l) { return l[2] <= 0 || l[2] >= 800 || l[3] <= 0 || l[3] >= top; };
    window_precip();
    drawn d = window_precip();
    ASSERT_GT(d.lines.size(), 390u);
    for (const std::vector<float>& l : d.lines) {
        if (clipped(l)) continue;
        EXPECT_FLOAT_EQ(l[2], l[0]);
        float dy = l[3] - l[1];
        EXPECT_TRUE(fabsf(dy + 0.75f) < 1e-3f || fabsf(dy + 6.0f) < 1e-3f) << dy;
    }

    flt.ias_kts = 101;   // s = 10 x 5 x 0.05 = 2.5
    d = window_precip();
    int checked = 0;
    for (const std::vector<float>& l : d.lines) {
        float dx = l[2] - l[0], dy = l[3] - l[1];
        if (clipped(l)) {
            checked++;   // its length is the view's, not the drop's
            continue;
        }
        float want_dx = (l[0] - 400) * 0.01f * 2.5f, want_dy = (l[1] * 0.005f - 1) * 2.5f - 0.75f;
        if (fabsf(dx - want_dx) < 1e-3f && fabsf(dy - want_dy) < 1e-3f) {
            checked++;
            continue;
        }
        EXPECT_TRUE(fabsf(dx - 5 * want_dx) < 1e-3f && fabsf(dy - 8 * want_dy) < 1e-3f) << "the running drop";
    }
    EXPECT_GE(checked, (int)d.lines.size() - 1);
}

// Rain only above 32 F: at 32 exactly the drops are snowflakes, points.
TEST_F(PrecipGl, SnowAtThirtyTwoDegrees)
{
    struct cell {
        float temp;
        int snow;
    };
    for (const cell& c : {cell{32, 1}, cell{32.5f, 0}, cell{10, 1}}) {
        clear_precip_run_state();
        atm.sl_temp = c.temp;
        window_precip();
        drawn d = window_precip();
        EXPECT_EQ(d.points.size() > 300, c.snow == 1) << c.temp;
        EXPECT_EQ(d.lines.size() > 300, c.snow == 0) << c.temp;
    }
}

// Parked, new flakes come in only along the top edge and barely fall in a
// millisecond; at 30 m/s they come in anywhere in the view.
TEST_F(PrecipGl, ParkedSnowComesInOnlyAtTheTop)
{
    atm.sl_temp = 20;
    msc.dt = 0.001f;
    struct cell {
        float v;
        float lowest_at_most, lowest_at_least;
    };
    for (const cell& c : {cell{0, top, top - 1.5f}, cell{30, 100, 0}}) {
        clear_precip_run_state();
        flt.V_true = c.v;
        window_precip();
        drawn d = window_precip();
        ASSERT_GT(d.points.size(), 390u) << c.v;
        float lowest = top;
        for (const std::vector<float>& p : d.points) lowest = std::min(lowest, p[1]);
        EXPECT_LE(lowest, c.lowest_at_most) << c.v;
        EXPECT_GE(lowest, c.lowest_at_least) << c.v;
    }
}

// A whole frame at noon under an overcast, flying at 120 knots: the worst
// precipitation draws grey streaks over the view that none leaves.
TEST(PrecipFrameGl, RainStreaksUnderAnOvercast)
{
    start_frame_over_flat_ground();
    rnd15_seed(3);
    scene_calls saved = scene;
    scene.plot_terrain = [] {};
    atm.cloud_type = 4, atm.cloud_base = 1000, atm.cloud_tops = 2000;
    atm.sl_temp = 59, atm.precip_level = 1;
    flt.psi[0] = flt.track = 90;
    flt.ias_kts = 120;
    attitude_sines();
    auto frame = [](std::vector<unsigned char>& px) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        update_scene_3d();
        px.assign(1024 * 768 * 3, 0);
        host_test_read_pixels(0, 0, 1024, 768, px.data());
    };
    std::vector<unsigned char> dry, wet;
    frame(dry);
    EXPECT_EQ(atm.precip_intensity, 0);
    atm.precip_level = 5;
    frame(wet);   // the drops are placed
    frame(wet);
    scene = saved;
    EXPECT_FLOAT_EQ(atm.precip_intensity, 0.5f);
    int grey = intround(0.9f * ogl_brat_ter * 255), changed = 0, not_rain = 0;
    for (size_t p = 0; p < dry.size(); p += 3) {
        if (std::equal(&dry[p], &dry[p] + 3, &wet[p])) continue;
        changed++;
        not_rain += !(abs(wet[p] - grey) <= 1 && wet[p] == wet[p + 1] && wet[p] == wet[p + 2]);
    }
    EXPECT_GT(changed, 1000) << "about 200 streaks of several pixels";
    EXPECT_EQ(not_rain, 0) << "grey at " << grey;
}
