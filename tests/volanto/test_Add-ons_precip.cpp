// How much falls on the windshield, without a window: the layer's share by
// the eye's height, a layer with no depth between base and tops, the
// intensity from the weather, and the number of drops it keeps.
#include <gtest/gtest.h>

#include "Add-ons.h"
#include "Fltutil.h"
#include "records.h"
#include "test_support.h"

#include <cmath>

// Full below the base, fading to none at the tops; a layer whose tops lie at
// its base rains fully below it and not at all from there up, never NaN.
TEST(PrecipLayer, FullBelowTheBaseNoneAtTheTops)
{
    struct cell {
        float h, base, tops, factor;
    };
    const cell cells[] = {
        {0, 1000, 3000, 1},    {1000, 1000, 3000, 1}, {2000, 1000, 3000, 0.5f}, {3000, 1000, 3000, 0},
        {3500, 1000, 3000, 0}, {999, 1000, 1000, 1},  {1000, 1000, 1000, 0},    {1200, 1000, 1000, 0},
    };
    for (const cell& c : cells) {
        float f = layer_fade(c.h, c.base, c.tops);   // the windshield's share
        EXPECT_FALSE(std::isnan(f)) << c.h << " in " << c.base << ".." << c.tops;
        EXPECT_FLOAT_EQ(f, c.factor) << c.h << " in " << c.base << ".." << c.tops;
    }
}

// The storm and the precipitation setting each give half; the worst weather
// below the base keeps 400 drops (the last index 399, not 400), the lowest
// none; the eye at the tops none whatever the weather.
TEST(PrecipLayer, WeatherGivesTheIntensityAndTheDrops)
{
    reset_suite_state();
    atm.cloud_base = 1000, atm.cloud_tops = 3000;
    struct cell {
        float storm, precip, h, intensity;
        int last;
    };
    const cell cells[] = {
        {4, 5, 500, 1, 399},      {0, 5, 500, 0.5f, 200},  {4, 1, 500, 0.5f, 200},
        {0, 1, 500, 0, 0},        {4, 5, 3000, 0, 0},      {2, 3, 2000, 0.25f, 100},
        {0, 1.004f, 500, 0.0005f, 0},
    };
    for (const cell& c : cells) {
        atm.storm = c.storm, atm.precip_level = c.precip;
        float i = precip_intensity_at(c.h);
        EXPECT_NEAR(i, c.intensity, 1e-6f) << c.storm << ", " << c.precip << " at " << c.h;
        EXPECT_EQ(precip_last_drop(i), c.last) << c.storm << ", " << c.precip << " at " << c.h;
    }
    EXPECT_EQ(precip_last_drop(1.3f), 399) << "a storm above 4";
}
