// The night sky's values without a window: the stars' level through the
// day, the meteors' rate by the shower setting over seeded frames, none in
// a frame of no time, and the moon's place through the day and the year's
// latitudes.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Point.h"
#include "records.h"
#include "test_support.h"

#include <cmath>

namespace {

class NightSky : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
    }
};

}  // namespace

// The sky's brightness counts twice as much after noon, so the stars come
// out at dusk under a sky that at dawn would still hide them.
TEST_F(NightSky, StarLevelCountsTheSkyDoubleAfterNoon)
{
    struct {
        float rgb[3], hours, level;
    } cases[] = {
        {{0.1f, 0.1f, 0.1f}, 6, 0.76f},
        {{0.1f, 0.1f, 0.1f}, 12, 0.76f},        // noon itself is still the morning's
        {{0.1f, 0.1f, 0.1f}, 12.01f, 0.52f},
        {{0.1f, 0.1f, 0.1f}, 22, 0.52f},
        {{0.0f, 0.0f, 0.0f}, 22, 1.0f},
        {{0.4f, 0.5f, 0.6f}, 16, -1.4f},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(star_level(c.rgb[0], c.rgb[1], c.rgb[2], c.hours * 3600), c.level, 1e-5) << "at " << c.hours;
}

// Over many periods of each setting, about one meteor a period: the
// settings 1 to 4 and an unknown one (300 s), at two frames a second.
TEST_F(NightSky, AboutOneMeteorPerPeriodOverSeededFrames)
{
    struct {
        int setting;
        float period;
    } cases[] = {{1, 600}, {2, 300}, {3, 150}, {4, 30}, {0, 300}, {5, 300}};
    const float dt = 0.5f;
    const int periods = 400;
    for (const auto& c : cases) {
        rnd15_seed(1234);
        int frames = (int)(periods * c.period / dt), started = 0;
        for (int f = 0; f < frames; f++) started += meteor_starts(meteor_period(c.setting), dt);
        // A Poisson count of 400 is within 3 sigma of it at 340..460.
        EXPECT_GT(started, 340) << "setting " << c.setting;
        EXPECT_LT(started, 460) << "setting " << c.setting;
    }
}

// A frame of no time would divide by zero: no meteor, and the generator
// keeps its place for whatever draws next.
TEST_F(NightSky, NoMeteorInAFrameOfNoTime)
{
    rnd15_seed(77);
    int next = rnd15();
    for (float dt : {0.0f, -0.01f}) {
        rnd15_seed(77);
        EXPECT_EQ(meteor_starts(30, dt), 0) << dt;
        EXPECT_EQ(rnd15(), next) << dt;
    }
}

// The moon turns once a day in a plane tilted by the latitude: with a phase
// of 0 it rises due east at midnight, stands highest (to the south, at the
// latitude's tilt) at 06:00, sets due west at 12:00 and is down until
// midnight. A quarter turn of phase brings it overhead at midnight.
TEST_F(NightSky, MoonRisesAtMidnightStandsHighAtSixAndSetsAtNoonWithNoPhase)
{
    const float pi = 3.14159265f;
    struct {
        float hours, phase, lat;
        int up;
        float xyz[3];
    } cases[] = {
        {0, 0, 34, 1, {10000, 0, 0}},
        {6, 0, 34, 1, {0, 10000 * cosf(34 * pi / 180), 10000 * sinf(34 * pi / 180)}},
        {6, 0, 0, 1, {0, 10000, 0}},
        {12, 0, 34, 1, {-10000, 0, 0}},
        {12.02f, 0, 34, 0, {}},
        {18, 0, 34, 0, {}},
        {23.98f, 0, 34, 0, {}},
        {0, pi / 2, 0, 1, {0, 10000, 0}},
        {18, pi / 2, 0, 0, {}},
        {20, pi, 0, 1, {-5000, 8660.25f, 0}},   // 08:00 of no phase, the moon half a day on
    };
    for (const auto& c : cases) {
        float xyz[3] = {-1, -1, -1};
        int up = moon_position(c.hours * 3600, c.phase, c.lat, xyz);
        EXPECT_EQ(up, c.up) << "at " << c.hours << " phase " << c.phase;
        if (!up || !c.up) continue;
        for (int k = 0; k < 3; k++)
            EXPECT_NEAR(xyz[k], c.xyz[k], 2.0f) << "at " << c.hours << " phase " << c.phase << " axis " << k;
    }
}
