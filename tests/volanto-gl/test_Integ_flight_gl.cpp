// The flight model in the running program: after the factory start in a
// real window, under the virtual clock, every frame runs one flight step and
// the Cessna stands still on KSBD's runway 06.
#include <gtest/gtest.h>

#include "HL_MNW.h"
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
    start_without_stick();
    ASSERT_EQ(gdone, 0);
    host_test_clock(0, 10);
    host_test_push_event({HE_PAINT, 0, 0, 0, 0});
    // The once-a-second systems, which set gravity for the height, stand in.
    atm.g_accel = con.g;

    const double x = flt.pos_x[0], y = flt.pos_y[0], z = flt.pos_z[0];
    const float theta = flt.theta[0], psi = flt.psi[0], phi = flt.phi[0];
    double moved = 0;
    float turned = 0;
    for (int f = 0; f < 300; f++) {
        int before = msc.frame_count;
        MACIBM_event_proc();
        ASSERT_EQ(msc.frame_count, before + 1) << "frame " << f;
        ASSERT_TRUE(std::isfinite(flt.pos_y[0]) && std::isfinite(flt.vel_y) && std::isfinite(flt.theta[0]) &&
                    std::isfinite(flt.a_y))
            << "frame " << f;
        moved = fmax(moved, sqrt(pow(flt.pos_x[0] - x, 2) + pow(flt.pos_y[0] - y, 2) + pow(flt.pos_z[0] - z, 2)));
        turned = fmaxf(turned, fmaxf(fabsf(flt.theta[0] - theta), fmaxf(fabsf(flt.psi[0] - psi), fabsf(flt.phi[0] - phi))));
    }
    EXPECT_GT(msc.sim_time, 3.0f);
    EXPECT_LE(moved, 0.1) << "metres";
    EXPECT_LE(turned, 0.5f) << "degrees";
    EXPECT_EQ(flt.on_ground, 1);
    EXPECT_EQ(msc.crash_count, 0);
    EXPECT_EQ(mnw.topwin, win_main) << "no notice came up";
    MACIBM_finishup();
}
