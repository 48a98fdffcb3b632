// The flight model in the running program: after the factory start in a
// real window, under the virtual clock, every frame runs one flight step and
// the Cessna stands still on KSBD's runway 06.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initnav.h"
#include "Startscn.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>

static void start_without_stick(void)
{
    host_test_push_key(VK_RETURN, 0);   // the joystick notice
    start_simulator();
}

TEST(FlightGl, EveryFrameFliesAndTheCessnaStandsStillAtKsbd)
{
    // The clock is virtual from the start: the shell takes its first frame's
    // time during the start-up, and a clock that then went back would leave
    // the time step to how long the start-up took.
    host_test_clock(0, 10);
    start_without_stick();
    ASSERT_EQ(gdone, 0);
    host_test_push_event({HE_PAINT, 0, 0, 0, 0});

    // The aircraft starts at its rest height for its maximum weight and,
    // lighter than that, rocks gently onto its own gear for about a second
    // before it stands, its nose dipping as the propeller, started faster
    // than idle, pushes against the brakes. How long that takes in frames
    // depends on the frame times the window's events bring, so stillness is
    // judged after it. It starts at the airport's height and stays on the
    // runway's deck there, which every frame finds under it before the
    // flight step, not on the ground 0.2 m below; while settling only its
    // sliding is bounded, and then where it came to stand.
    const int settle = 100, frames = 300;
    double x = flt.pos_x[0], y = flt.pos_y[0], z = flt.pos_z[0];
    float theta = flt.theta[0], psi = flt.psi[0], phi = flt.phi[0];
    double moved = 0, slid = 0, flown = 0;
    float turned = 0;
    for (int f = 0; f < frames; f++) {
        int before = msc.frame_count;
        MACIBM_event_proc();
        ASSERT_EQ(msc.frame_count, before + 1) << "frame " << f;
        flown += msc.dt;
        ASSERT_TRUE(std::isfinite(flt.pos_y[0]) && std::isfinite(flt.vel_y) && std::isfinite(flt.theta[0]) &&
                    std::isfinite(flt.a_y))
            << "frame " << f;
        moved = fmax(moved, sqrt(pow(flt.pos_x[0] - x, 2) + pow(flt.pos_y[0] - y, 2) + pow(flt.pos_z[0] - z, 2)));
        slid = fmax(slid, sqrt(pow(flt.pos_x[0] - x, 2) + pow(flt.pos_z[0] - z, 2)));
        turned = fmaxf(turned, fmaxf(fabsf(flt.theta[0] - theta), fmaxf(fabsf(flt.psi[0] - psi), fabsf(flt.phi[0] - phi))));
        if (f == settle) {
            EXPECT_LE(slid, 0.1) << "metres slid while settling";
            EXPECT_EQ(env.on_platform, 1);
            EXPECT_EQ(env.deck_h, chosen_airport_h());
            EXPECT_NEAR(flt.pos_y[0], chosen_airport_h() + pln[0].h_eqlbm, 0.1) << "settled on the deck";
            EXPECT_LE(turned, 2.0f) << "degrees while settling";
            x = flt.pos_x[0], y = flt.pos_y[0], z = flt.pos_z[0];
            theta = flt.theta[0], psi = flt.psi[0], phi = flt.phi[0];
            moved = 0;
            turned = 0;
        }
    }
    // The step adapts to how long the frames take, which a loaded machine
    // changes; every frame's step must have been flown.
    EXPECT_NEAR(msc.sim_time, flown, 0.01);
    EXPECT_GE(msc.sim_time, frames * 0.001f * 0.999f);   // the step never goes below 1 ms
    // The program sets gravity for the height itself: a little under the sea-level value.
    EXPECT_NEAR(atm.g_accel, con.g, 0.01f);
    EXPECT_LT(atm.g_accel, con.g);
    EXPECT_LE(moved, 0.1) << "metres";
    EXPECT_LE(turned, 0.5f) << "degrees";
    EXPECT_EQ(flt.on_ground, 1);
    EXPECT_EQ(env.surface_type, surf_concrete) << "on KSBD's concrete";
    EXPECT_EQ(env.surface_type, geo_type[rwy_geo_ind[msc.near_rwy]]);
    EXPECT_EQ(env.on_platform, 1);
    EXPECT_EQ(env.deck_h, chosen_airport_h());
    EXPECT_NEAR(flt.pos_y[0], chosen_airport_h() + pln[0].h_eqlbm, 0.1) << "on the deck";
    EXPECT_EQ(msc.crash_count, 0);
    EXPECT_EQ(mnw.topwin, win_main) << "no notice came up";
    MACIBM_finishup();
}

// At the factory start the aircraft stands on KSBD's concrete at the
// airport's height in every view, whether or not the camera sees the
// runway: from the cockpit, the tower, behind it, at the spot, and with the
// camera above an overcast whose tops lie under the airport.
TEST(FlightGl, AtTheStartTheCessnaStandsOnKsbdsConcreteInEveryView)
{
    host_test_clock(0, 10);
    start_without_stick();
    ASSERT_EQ(gdone, 0);
    host_test_push_event({HE_PAINT, 0, 0, 0, 0});
    const struct {
        const char* what;
        int view, overcast;
    } cases[] = {
        {"ahead", view_forwards, 0}, {"tower", view_tower, 0}, {"chase", view_chase, 0},
        {"spot", view_spot, 0},      {"ahead, above an overcast", view_forwards, 1},
        {"spot, above an overcast", view_spot, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        set.view_id = c.view;
        for (int f = 0; f < 20; f++) {
            if (c.overcast) {   // held against the weather's own changes
                atm.cloud_type = 4;
                atm.cloud_base = chosen_airport_h() - 300;
                atm.cloud_tops = chosen_airport_h() - 100;
            }
            MACIBM_event_proc();
        }
        if (c.overcast) {
            EXPECT_EQ(scn.above_clouds, 1);
        }
        EXPECT_EQ(env.surface_type, surf_concrete);
        EXPECT_EQ(env.on_platform, 1);
        EXPECT_EQ(env.deck_h, chosen_airport_h());
        EXPECT_NEAR(flt.pos_y[0], chosen_airport_h() + pln[0].h_eqlbm, 0.1);
    }
    EXPECT_EQ(msc.crash_count, 0);
    MACIBM_finishup();
}
