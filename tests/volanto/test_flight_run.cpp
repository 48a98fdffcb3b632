// Whole flights of the factory Cessna through the headless harness, at 20
// frames a second with fixed controls, judged as a pilot would: a take-off
// from KSBD, a glide with the engine starved, a stall at idle and level
// cruise trimmed. Qualitative: no published figure is asserted.
//
// The propeller's torque reaction and the rigging against it balance only
// near cruise power and speed: climbing at full power the aircraft rolls
// left, windmilling in a glide it rolls right, as a real one does. In the
// take-off, the glide and the cruise the harness holds the wings level with
// the ailerons as a pilot would; the yoke's pitch stays fixed or is the
// harness's elevator loop where the test says so.
#include <gtest/gtest.h>

#include "flight_run.h"
#include "volanto_support.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>

class HeadlessFlight : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        ASSERT_EQ(start_headless(PROGRAM_DIR), 1);
    }
    void TearDown() override
    {
        close_loader_surroundings();
        err.close();
    }
};

static float seconds_flown(void) { return (float)frun.frames * run_dt; }

// Where the aircraft is on the chosen runway: metres along it from its
// middle (positive toward the far end) and to the right of its centre line.
struct runway_spot {
    float along, across;
};

static runway_spot on_runway(void)
{
    int rw = msc.rwy_sel;
    float h = rwy_hdng[rw] * con.degtorad;
    float dx = (float)flt.pos_x[0] - X_with_latlon(rwy_lat[rw], rwy_lon[rw]);
    float dz = (float)flt.pos_z[0] - Z_with_lat(rwy_lat[rw]);
    return {dx * sinf(h) - dz * cosf(h), dx * cosf(h) + dz * sinf(h)};
}

TEST_F(HeadlessFlight, TakesOffFromTheRunwayAndClimbs500FeetAtFullThrottle)
{
    ASSERT_STREQ(apt_id[msc.apt_sel], "KSBD");
    const int rw = msc.rwy_sel;
    const float half_len = 0.5f * rwy_len[rw], half_width = 0.5f * rwy_width[rw];
    const float field = chosen_airport_h();
    ASSERT_LT(on_runway().along, -0.4f * rwy_len[rw]) << "the start is at the near end";

    frun.ctl.throttle = 1;
    frun.ctl.pitch = 0.2f;   // the yoke held a little back from the start
    frun.wings_level = 1;
    float left_ground_at = 0, left_along = 0, climbed_at = -1, highest = 0, fastest = 0;
    while (seconds_flown() < 120 && climbed_at < 0) {
        fly_frame();
        ASSERT_EQ(msc.crash_count, 0) << "at " << seconds_flown() << " s";
        fastest = fmaxf(fastest, flt.engine_speed[0]);
        float height = ((float)flt.pos_y[0] - field) * con.mtrstoft;
        if (flt.on_ground) {
            // The last touch of the ground is the lift-off, bounces and all.
            ASSERT_LT(highest, 50.0f) << "back on the ground at " << seconds_flown() << " s, having climbed "
                                      << highest << " ft";
            runway_spot s = on_runway();
            left_ground_at = seconds_flown();
            left_along = s.along;
            ASSERT_LT(fabsf(s.across), half_width) << "off the side at " << seconds_flown() << " s";
            ASSERT_LT(s.along, half_len) << "past the end on the ground";
        }
        highest = fmaxf(highest, height);
        if (height >= 500) climbed_at = seconds_flown();
    }
    EXPECT_GT(left_ground_at, 0.0f);
    EXPECT_LE(left_ground_at, 60.0f) << "seconds to lift-off";
    EXPECT_LT(left_along, half_len) << "lifted off " << left_along - half_len << " m past the end";
    EXPECT_GT(climbed_at, 0.0f) << "not 500 ft up after two minutes";
    EXPECT_LT(fastest, pln[0].omegamax) << "the propeller passed its redline, " << redline_rpm() << " rpm";
}

TEST_F(HeadlessFlight, WithTheMixtureCutAt5000FeetItGlidesDownSteadily)
{
    place_in_air(5000, 70, rwy_hdng[msc.rwy_sel]);
    frun.wings_level = 1;
    frun.ctl.throttle = 0;
    frun.ctl.mixture = 0;
    hold_airspeed(70);   // the harness's elevator, as a pilot holds the glide speed
    ASSERT_EQ(fly_seconds(20, nullptr), 1) << "settling into the glide";
    EXPECT_EQ(flt.engine_running[0], 0) << "a starved engine stops";
    float least = 1e9f, most = -1e9f, slowest = 1e9f, fastest = 0;
    for (int s = 0; s < 100; s++) {
        ASSERT_EQ(fly_seconds(1, nullptr), 1);
        run_line l = run_now();
        least = fminf(least, -l.vs_fpm);
        most = fmaxf(most, -l.vs_fpm);
        slowest = fminf(slowest, ias_asi());
        fastest = fmaxf(fastest, ias_asi());
    }
    EXPECT_GE(least, 300.0f) << "ft/min down, at the least";
    EXPECT_LE(most, 1500.0f) << "ft/min down, at the most";
    EXPECT_GT(slowest, pln[0].Vs) << "the stall speed";
    EXPECT_LT(fastest, pln[0].Vne);
}

TEST_F(HeadlessFlight, AtIdleWithTheYokeHeldBackItStallsAndTheHornComesFirst)
{
    // From level cruise, trimmed: the power off and the yoke held back.
    place_in_air(5000, 100, rwy_hdng[msc.rwy_sel]);
    ASSERT_GE(trim_for_level(0.75f), -1.0f);
    frun.ctl.throttle = 0;
    frun.ctl.pitch = 0.4f;
    stop_buffer(snd_stall);
    float horn_at = -1, stalled_at = -1;
    while (seconds_flown() < 60 && stalled_at < 0) {
        fly_frame();
        ASSERT_EQ(msc.crash_count, 0);
        if (horn_at < 0 && host_test_voice_state(snd_stall).playing) horn_at = seconds_flown();
        for (int part = part_wing_first; part <= part_wing_last; part++)
            if (stalled_at < 0 && flt.part_stalled[part]) stalled_at = seconds_flown();
    }
    ASSERT_GT(stalled_at, 0.0f) << "no wing stalled in a minute";
    ASSERT_GT(horn_at, 0.0f) << "no horn before the stall at " << stalled_at << " s";
    EXPECT_LT(horn_at, stalled_at);
}

TEST_F(HeadlessFlight, TrimmedAtCruisePowerAt3000FeetItHoldsAltitudeAndHeading)
{
    place_in_air(3000, 100, rwy_hdng[msc.rwy_sel]);
    frun.wings_level = 1;
    const float cruise = 0.75f;
    float trim = trim_for_level(cruise);
    ASSERT_GE(trim, -1.0f) << "no level trim at throttle " << cruise;
    ASSERT_EQ(frun.hold, hold_none);
    const float y0 = (float)flt.pos_y[0], psi0 = flt.psi[0];
    float worst_alt = 0, worst_hdg = 0;
    while (seconds_flown() < 120) {
        fly_frame();
        ASSERT_EQ(msc.crash_count, 0);
        worst_alt = fmaxf(worst_alt, fabsf((float)flt.pos_y[0] - y0) * con.mtrstoft);
        worst_hdg = fmaxf(worst_hdg, fabsf(fltwrap(flt.psi[0] - psi0, -180, 180)));
    }
    EXPECT_LE(worst_alt, 150.0f) << "ft from the trimmed altitude";
    EXPECT_LE(worst_hdg, 10.0f) << "degrees from the trimmed heading";
}
