// The head-up displays' geometry without a window: the flight-path marker
// seen from the view's depressed line of sight, turned with the roll and held
// inside the box, and the goal posts stepping out along the approach.
#include <gtest/gtest.h>

#include "Add-ons.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"

#include <cmath>

namespace {

const float k = hud_units_per_deg;

class HudMarker : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        con.HUD_lft = 100, con.HUD_rgt = 700, con.HUD_bot = 41, con.HUD_top = 560;
        con.cntrx = 400, con.cntry = 300.5f;
        flt.cos_phi = 1;
    }
};

}  // namespace

// The marker sits where the aircraft goes: below the boresight by the nose's
// height over the path and beside it by the crab. In Down 8 Deg the
// boresight stands 75.3 units higher and the marker with it, its pitch
// measured from the depressed line; far off it is held 2 units inside the box.
TEST_F(HudMarker, FollowsThePathFromTheDepressedLineAndStaysInTheBox)
{
    struct cell {
        const char* what;
        int view;
        float theta, gamma, psi, track, roll;
        float x, y;
    };
    const float cx = 400, cy = 300.5f;
    const cell cells[] = {
        {"level", view_forwards, 0, 0, 90, 90, 0, cx, cy},
        {"level, Down 8 Deg", view_down_8, 0, 0, 90, 90, 0, cx, cy + 8 * k},
        {"level, Down 4 Deg", view_down_4, 0, 0, 90, 90, 0, cx, cy + 4 * k},
        {"nose 5 up", view_forwards, 5, 0, 90, 90, 0, cx, cy - 5 * k},
        {"nose 5 up, Down 8 Deg", view_down_8, 5, 0, 90, 90, 0, cx, cy + 3 * k},
        {"crabbed 10 right of the track", view_forwards, 0, 0, 100, 90, 0, cx - 10 * k, cy},
        {"track across north", view_forwards, 0, 0, 359, 1, 0, cx + 2 * k, cy},
        {"banked 90 right, nose 5 up", view_forwards, 5, 0, 90, 90, 90, cx + 5 * k, cy},
        {"sliding far left", view_forwards, 0, 0, 180, 90, 0, 102, cy},
        {"sliding far right", view_forwards, 0, 0, 0, 90, 0, 698, cy},
        {"diving far under the nose", view_forwards, 0, -60, 90, 90, 0, cx, 43},
        {"climbing far over the nose", view_forwards, 0, 60, 90, 90, 0, cx, 558},
    };
    for (const cell& c : cells) {
        flt.theta[0] = c.theta;
        flt.gamma_gnd = c.gamma;
        flt.psi[0] = c.psi;
        flt.track = c.track;
        flt.sin_phi = sinf(c.roll * con.pi / 180);
        flt.cos_phi = c.roll == 90 ? 0 : cosf(c.roll * con.pi / 180);
        float x, y;
        hud_marker(hud_depression(c.view), &x, &y);
        EXPECT_NEAR(x, c.x, 0.01f) << c.what;
        EXPECT_NEAR(y, c.y, 0.01f) << c.what;
    }
    EXPECT_EQ(hud_depression(view_full_hud), 0);
}

// Eight frames out to 6 km behind the approach end, each 2 % of its distance
// in half-size and 5 % of it above the end; a runway heading east is
// approached from the west, one heading north from the south (+z).
TEST(GoalPosts, StepOutAlongTheApproachRisingFivePercent)
{
    reset_suite_state();
    MACIBM_set_constants();
    const float d[8] = {628.5f, 1154.7f, 1777.8f, 2484.5f, 3266.0f, 4115.6f, 5028.3f, 6000};
    const float end[3] = {1000, 50, 2000};
    for (int f = 0; f < 8; f++) {
        float c[3], half;
        goal_post_frame(end, 90, f, c, &half);
        EXPECT_NEAR(c[0], 1000 - d[f], 0.2f) << "frame " << f;
        EXPECT_NEAR(c[1], 50 + 0.05f * d[f], 0.02f) << "frame " << f;
        EXPECT_NEAR(c[2], 2000, 0.01f) << "frame " << f;
        EXPECT_NEAR(half, 0.02f * d[f], 0.01f) << "frame " << f;
        goal_post_frame(end, 0, f, c, &half);
        EXPECT_NEAR(c[0], 1000, 0.01f) << "frame " << f;
        EXPECT_NEAR(c[2], 2000 + d[f], 0.2f) << "frame " << f;
    }
}
