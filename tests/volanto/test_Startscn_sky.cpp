// The frame's day-light without a window: brightness, light, sky and fog
// colours through the day; the brightness and light floors; the panel light
// at night; the visibility and sky through an overcast's bands, with a
// sharp and a soft base; the visibility over the deck; the dimming in
// cloud; the lightning flash.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"
#include "sky_weather.h"
#include "test_support.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const float nm = 1852.0f;

// The sky tests' weather, the aircraft and the eye on the ground at sea
// level, no storm, no dimming starting (dt 0), the electrics working.
class Sky : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        set_sky_test_weather();
        rel.system_ok[sys_electrical] = 1;
    }
    // The eye at height y, the cloud flags as the frame sets them.
    void eye_at(float y)
    {
        con.VIEW_xyz[1] = y;
        int clouds = atm.cloud_type != 1;
        scn.above_clouds = clouds && atm.cloud_tops <= y;
        scn.below_clouds = clouds && y <= atm.cloud_base;
    }
    void frame_at(float hours)
    {
        msc.time_of_day = hours * 3600;
        set_sky_light_fog();
    }
};

void expect_rgb(const float* got, const float* want, float tol, const char* what, float at)
{
    for (int k = 0; k < 3; k++) EXPECT_NEAR(got[k], want[k], tol) << what << " channel " << k << " at " << at;
}

}  // namespace

// Through the day under a clear sky: the sun's height gives the ground's
// brightness and the light, dawn and dusk tint both (once, also at the
// hour the two tints meet), and the fog is the sky's colour at sunrise and
// sunset and halfway to its grey by day.
TEST_F(Sky, DayLightThroughTheDay)
{
    struct Case {
        float h;
        float bright;
        float light[3], sky[3];
        float kh, kz;
        float fog[3];
    } cases[] = {
        {0, 0.01f, {0.09f, 0.09f, 0.12f}, {0.0036f, 0.0054f, 0.012f}, 0.6f, 0.4f, {0.0053f, 0.0062f, 0.0095f}},
        {5.75f, 0.33689f, {0.530637f, 0.397977f, 0.397977f}, {0.229085f, 0.161707f, 0.218978f}, 0.45f, 0.3f,
         {0.222628f, 0.172095f, 0.215048f}},
        {6, 0.382683f, {0.681174f, 0.389242f, 0.389242f}, {0.367376f, 0.137766f, 0.114805f}, 0.3f, 0.2f,
         {0.367376f, 0.137766f, 0.114805f}},
        {12, 1, {1, 1, 1}, {0.4f, 0.6f, 1}, 0.6f, 0.4f, {0.533333f, 0.633333f, 0.833333f}},
        {16, 0.707107f, {0.771105f, 0.771105f, 0.771105f}, {0.282843f, 0.424264f, 0.707107f}, 0.6f, 0.4f,
         {0.377124f, 0.447834f, 0.589256f}},
        {18, 0.382683f, {0.681174f, 0.389242f, 0.389242f}, {0.367376f, 0.137766f, 0.114805f}, 0.3f, 0.2f,
         {0.367376f, 0.137766f, 0.114805f}},
        {21, 0.01f, {0.109091f, 0.095455f, 0.109091f}, {0.004364f, 0.005727f, 0.010909f}, 0.6f, 0.4f,
         {0.005682f, 0.006364f, 0.008955f}},
    };
    for (const Case& c : cases) {
        eye_at(0);
        frame_at(c.h);
        EXPECT_NEAR(ogl_brat_ter, c.bright, 1e-5) << "at " << c.h;
        float light[3] = {lite_r, lite_g, lite_b};
        expect_rgb(light, c.light, 1e-5f, "light", c.h);
        expect_rgb(sky.sky_rgb, c.sky, 1e-5f, "sky", c.h);
        expect_rgb(sky.fog_rgb, c.fog, 1e-5f, "fog", c.h);
        EXPECT_EQ(sky.fog_rgb[3], 1.0f);
        EXPECT_NEAR(sky.kh, c.kh, 1e-6) << "at " << c.h;
        EXPECT_NEAR(sky.kz, c.kz, 1e-6) << "at " << c.h;
        EXPECT_EQ(sky.k0, 1.0f);
        EXPECT_NEAR(atm.vis_eff, 10 * nm, 0.01f) << "clear: the reported visibility";
    }
}

// At midnight the sun gives nothing; the floors keep the ground and the
// light from black: 0.01 under a clear sky, 0.05 above the clouds; the
// light 0.05 under or in an overcast, else 0.1 (night's tint on top).
TEST_F(Sky, NightFloorsByCloudAndEye)
{
    struct Case {
        int cloud_type;
        float eye_y;
        float bright, light;
    } cases[] = {
        {1, 0, 0.01f, 0.1f},      {2, 0, 0, 0.1f},          {2, 2500, 0.05f, 0.1f},
        {4, 0, 0, 0.05f},         {4, 1500, 0, 0.05f},      {4, 2000, 0.05f, 0.05f},   // at the tops: not above them
        {4, 2001, 0.05f, 0.1f},
    };
    for (const Case& c : cases) {
        atm.cloud_type = c.cloud_type;
        eye_at(c.eye_y);
        frame_at(0);
        EXPECT_NEAR(ogl_brat_ter, c.bright, 1e-6) << "cloud " << c.cloud_type << " eye " << c.eye_y;
        EXPECT_NEAR(lite_r, c.light * 0.9f, 1e-6) << "cloud " << c.cloud_type << " eye " << c.eye_y;
        EXPECT_NEAR(lite_b, c.light * 1.2f, 1e-6) << "cloud " << c.cloud_type << " eye " << c.eye_y;
    }
}

// The panel follows the daylight; at night its own lamps light it red
// while the electrics work, dimmer on the first layout than on the second.
TEST_F(Sky, PanelLightAtNight)
{
    struct Case {
        float h;
        int panel, electrics;
        float rgb[3];
    } cases[] = {
        {0, 1, 1, {0.6f, 0.2f, 0.2f}},   {0, 2, 1, {0.7f, 0.35f, 0.35f}}, {0, 1, 0, {0.01f, 0.01f, 0.01f}},
        {0, 0, 1, {0.01f, 0.01f, 0.01f}}, {12, 1, 1, {1, 1, 1}},           {12, 2, 1, {1, 1, 1}},
    };
    for (const Case& c : cases) {
        pln[0].paneltype = c.panel;
        rel.system_ok[sys_electrical] = c.electrics;
        eye_at(0);
        frame_at(c.h);
        expect_rgb(ins.lite_rgb, c.rgb, 1e-6f, "panel", (float)c.panel);
    }
}

// Climbing through an overcast (base 1000 m, tops 2000 m) at noon: grey
// and the storm's dark factors below; a soft base of th fading the
// visibility and raising the factors; inside the layer nothing seen and the
// grey brightening toward the deck's white; over the tops the 90 nm view
// fading in and the deck giving way to the clear sky over 600 m. A sharp
// base (th 0) steps straight into the layer without dividing by zero.
// Under the layer a storm darkens the ground, the light and the sky's
// factors and shortens the view; at sunrise there the grey takes the
// overcast's paler tint, not the clear sky's red.
TEST_F(Sky, OvercastBandsByEyeHeight)
{
    struct Case {
        float th, y;
        float vis;
        float sky[3];
        float kh, kz;
        float h = 12, storm = 0;
        float bright = 1;
        float light[3] = {1, 1, 1};
    } cases[] = {
        {100, 500, 10 * nm, {0.5f, 0.5f, 0.5f}, 0.6f, 0.6f},
        {100, 900, 10 * nm, {0.5f, 0.5f, 0.5f}, 0.6f, 0.6f},
        {100, 1000, 2.5f * nm, {0.5f, 0.5f, 0.5f}, 0.8f, 0.8f},
        {100, 1100, 0, {0.5f, 0.5f, 0.5f}, 1, 1},
        {100, 1550, 0, {0.65f, 0.65f, 0.65f}, 1, 1},
        {100, 2000, 0, {0.8f, 0.8f, 0.8f}, 1, 1},
        {100, 2300, 22.5f * nm, {0.588559f, 0.682839f, 0.871398f}, 0.7f, 0.65f},
        {100, 2600, 90 * nm, {0.374184f, 0.561276f, 0.93546f}, 0.4f, 0.3f},
        {100, 5000, 90 * nm, {0.351118f, 0.526677f, 0.877795f}, 0.4f, 0.3f},
        {0, 999, 10 * nm, {0.5f, 0.5f, 0.5f}, 0.6f, 0.6f},
        {0, 1000, 0, {0.5f, 0.5f, 0.5f}, 1, 1},
        {0, 1500, 0, {0.65f, 0.65f, 0.65f}, 1, 1},
        {300, 1000, 2.5f * nm, {0.5f, 0.5f, 0.5f}, 0.8f, 0.8f},
        // storm 2: the sun's 1 by 0.75; grey 0.5 of that; 0.6 to 0.3 by 4
        {100, 500, 10 * nm / 3, {0.375f, 0.375f, 0.375f}, 0.45f, 0.45f, 12, 2, 0.75f, {0.75f, 0.75f, 0.75f}},
        // 6:00, the sun at 22.5 degrees: 0.382683, the light 0.382683^0.75
        {100, 500, 10 * nm, {0.267878f, 0.153073f, 0.153073f}, 0.6f, 0.6f, 6, 0, 0.382683f,
         {0.681174f, 0.389242f, 0.389242f}},
    };
    atm.cloud_type = 4;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "th " << c.th << " y " << c.y << " at " << c.h << " storm " << c.storm);
        atm.cloud_thick = c.th;
        atm.storm = c.storm;
        eye_at(c.y);
        frame_at(c.h);
        EXPECT_NEAR(atm.vis_eff, c.vis, 0.05f);
        expect_rgb(sky.sky_rgb, c.sky, 1e-5f, "sky", c.y);
        EXPECT_NEAR(sky.kh, c.kh, 1e-5);
        EXPECT_NEAR(sky.kz, c.kz, 1e-5);
        EXPECT_NEAR(ogl_brat_ter, c.bright, 1e-5);
        float light[3] = {lite_r, lite_g, lite_b};
        expect_rgb(light, c.light, 1e-5f, "light", c.y);
        EXPECT_TRUE(std::isfinite(sky.fog_rgb[0]) && std::isfinite(atm.vis_eff));
    }
}

// Over an overcast the visibility is 10 to 90 nm by height and the
// governor whatever was reported under it; a storm divides it. Under a
// clear sky the reported visibility holds, up to 20 nm.
TEST_F(Sky, VisibilityOverTheDeckIgnoresTheReport)
{
    struct Case {
        int cloud_type;
        float reported, agl, factor, storm;
        float vis;
    } cases[] = {
        {4, 0.5f * nm, 0, 1, 0, 90 * nm},    {4, 40 * nm, 0, 0.1f, 0, 10 * nm}, {4, 0.1f * nm, 5000, 0.5f, 0, 67.5f * nm},
        {4, 5 * nm, 0, 1, 1, 45 * nm},       {1, 40 * nm, 0, 1, 0, 20 * nm},    {1, 0.01f * nm, 0, 1, 0, 0.1f * nm},
        {1, 5 * nm, 10000, 1, 0, 10 * nm},
    };
    for (const Case& c : cases) {
        atm.cloud_type = c.cloud_type;
        atm.visibility = c.reported;
        atm.wx_factor = c.factor;
        atm.storm = c.storm;
        flt.pos_y[0] = 3000 + c.agl;
        env.ground_h = 3000;
        eye_at(5000);
        frame_at(12);
        EXPECT_NEAR(atm.vis_eff, c.vis, 0.05f) << "cloud " << c.cloud_type << " reported " << c.reported;
    }
}

// Flying in and just over an overcast the view dims now and then: each
// dimming lies between its level and 1 and lasts 0.5 to 3 s at 90 knots, a
// tenth of that at 900; far over the tops nothing dims. Traced at a fine
// step, a dimming falls straight from 1 to its level over its first fifth,
// holds it, and climbs back over its last fifth.
TEST_F(Sky, CloudDimmingComesAndGoesByAirspeed)
{
    atm.cloud_type = 4;
    msc.dt = 0.02f;
    struct Case {
        float y, knots;
        float longest;   // s
    } cases[] = {{2600, 90, 3}, {2600, 900, 0.3f}, {3000, 90, 0}};
    for (const Case& c : cases) {
        clear_sky_run_state();
        rnd15_seed(11);
        flt.V_true = c.knots * con.ktstomsc;
        eye_at(c.y);
        int dims = 0, run = 0, longest = 0;
        for (int n = 0; n < 3000; n++) {
            frame_at(12);
            float f = atm.vis_eff / (90 * nm);
            ASSERT_GE(f, 0.0f);
            ASSERT_LE(f, 1.0f + 1e-6f);
            if (f < 1 - 1e-6f) {
                dims += run == 0;
                run++;
                longest = std::max(longest, run);
            } else {
                run = 0;
            }
        }
        if (c.longest == 0) {
            EXPECT_EQ(dims, 0) << "y " << c.y;
            continue;
        }
        EXPECT_GT(dims, 5) << "y " << c.y << " knots " << c.knots;
        EXPECT_LE(longest * msc.dt, c.longest + msc.dt) << "knots " << c.knots;
        EXPECT_GT(longest * msc.dt, c.longest * 0.25f) << "knots " << c.knots;
    }

    // The first dimming at 90 knots, a millisecond a frame.
    clear_sky_run_state();
    rnd15_seed(11);
    msc.dt = 0.001f;
    flt.V_true = 90 * con.ktstomsc;
    eye_at(2600);
    std::vector<float> f;   // f[k] at k + 1 ms into the dimming
    for (int n = 0; n < 1000000; n++) {
        frame_at(12);
        float v = atm.vis_eff / (90 * nm);
        if (v < 1 - 1e-6f) f.push_back(v);
        else if (!f.empty()) break;
    }
    ASSERT_GT(f.size(), 400u) << "a dimming of at least 0.5 s";
    const float length = (float)f.size() * msc.dt, level = *std::min_element(f.begin(), f.end());
    ASSERT_LT(level, 0.8f) << "a dimming deep enough to trace";
    const float half = (1 + level) / 2;
    struct Point {
        float share;   // of the length
        float f;
    } points[] = {{0, 1}, {0.1f, half}, {0.2f, level}, {0.5f, level}, {0.8f, level}, {0.9f, half}, {1, 1}};
    for (const Point& p : points) {
        size_t k = (size_t)std::lround(p.share * length / msc.dt);
        k = std::min(k > 0 ? k - 1 : 0, f.size() - 1);
        EXPECT_NEAR(f[k], p.f, 0.02f) << "at " << p.share << " of " << length << " s, level " << level;
    }
}

// A flash lights sky and light toward white by the strike's distance on
// every even tenth until its end, never above the clouds.
TEST_F(Sky, LightningFlashAlternatesWithTheTenths)
{
    struct Case {
        int tenth;
        float now, dist;
        int above;
        float mix;   // share of white
    } cases[] = {
        {0, 100, 15, 0, 0.5f}, {1, 100, 15, 0, 0},  {2, 100, 15, 0, 0.5f}, {3, 100, 15, 0, 0},
        {4, 100, 0, 0, 1},     {4, 100, 30, 0, 0},   {4, 101, 15, 0, 0},    {4, 100, 15, 1, 0},
    };
    atm.cloud_type = 2;
    atm.cloud_base = 2000;
    atm.cloud_tops = 3000;
    atm.flash_until = 101;
    for (const Case& c : cases) {
        msc.tenth_count = c.tenth;
        mnw.time_elapsed = c.now;
        atm.flash_dist = c.dist;
        eye_at(c.above ? 4000 : 0);
        frame_at(16);
        float b = 0.707107f;   // the ground's brightness at 16:00
        float q = c.above ? powf(1 - 4000 * con.mtrstoft / 260000, 2) : 1;
        float day[3] = {0.4f * b * q, 0.6f * b * q, b * q};
        float want[3];
        for (int k = 0; k < 3; k++) want[k] = day[k] + c.mix * (1 - day[k]);
        expect_rgb(sky.sky_rgb, want, 1e-5f, "sky", (float)c.tenth);
        float light = 0.771105f;
        EXPECT_NEAR(lite_g, light + c.mix * (1 - light), 1e-5) << "tenth " << c.tenth << " now " << c.now;
    }
}
