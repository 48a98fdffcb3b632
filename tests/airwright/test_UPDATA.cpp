// Airwright's frame step with a design screen open, so that nothing is
// drawn: the press that marks the design changed, the propellers and twins
// kept equal, the pylons placed on their engines, the gear sized and the
// skid built, the helicopter's fixed fields, the mesh rebuilt, the preview's
// clock and moving controls; and the aircraft's extent that sizes the preview.
#include <gtest/gtest.h>

#include "../../simulator/Drplane.h"
#include "Drplane_records.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Init.h"
#include "UPDATA.h"
#include "test_support.h"

#include <cmath>
#include <cstring>

namespace {

const char* const cessna = PROGRAM_DIR "planes/General Aviation/Cessna 172 Skyhawk/Cessna 172 Skyhawk.acf";

class AirwrightFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        msc = miscstruct{};
        mnw.topwin = win_engines;
    }
};

}  // namespace

TEST_F(AirwrightFrame, APressInAScreenMarksTheDesignChanged)
{
    APPLICATION_update();
    EXPECT_EQ(0, msc.dirty);
    mnw.mouse_clicked = 1;
    APPLICATION_update();
    EXPECT_EQ(1, msc.dirty);
    // Any screen of either set, the helicopter's own too.
    pln[0].is_heli = 1;
    mnw.topwin = hwin_tail_rotor;
    msc.dirty = 0;
    APPLICATION_update();
    EXPECT_EQ(1, msc.dirty);
}

TEST_F(AirwrightFrame, AnAirplanesPropellersAreCopiesOfTheFirst)
{
    planestruct& a = pln[0];
    a.numblades[0] = 3, a.des_adv[0] = 70, a.des_rpm[0] = 2500, a.des_vel[0] = 120;
    a.minpitch[0] = 10, a.maxpitch[0] = 35, a.els[0] = 5, a.semilen[0] = 3.5f, a.Croot[0] = 0.6f, a.Ctip[0] = 0.3f;
    for (int e = 0; e < plane_elements; e++) a.anginc[0][e] = 30.0f - e;
    snprintf(a.Rafl0[0], 400, "prop root.afl");
    snprintf(a.Tafl1[0], 400, "prop tip.afl");
    a.Xarm[3] = 9;                       // positions are each engine's own
    APPLICATION_update();
    for (int p = 1; p < plane_engines; p++) {
        EXPECT_EQ(3.0f, a.numblades[p]);
        EXPECT_EQ(70.0f, a.des_adv[p]);
        EXPECT_EQ(2500.0f, a.des_rpm[p]);
        EXPECT_EQ(120.0f, a.des_vel[p]);
        EXPECT_EQ(10.0f, a.minpitch[p]);
        EXPECT_EQ(35.0f, a.maxpitch[p]);
        EXPECT_EQ(5, a.els[p]);
        EXPECT_EQ(3.5f, a.semilen[p]);
        EXPECT_EQ(0.6f, a.Croot[p]);
        EXPECT_EQ(0.3f, a.Ctip[p]);
        EXPECT_EQ(0, memcmp(a.anginc[0], a.anginc[p], sizeof a.anginc[p])) << p;
        EXPECT_STREQ("prop root.afl", a.Rafl0[p]);
        EXPECT_STREQ("prop tip.afl", a.Tafl1[p]);
    }
    EXPECT_EQ(9.0f, a.Xarm[3]);

    // A helicopter's tail rotor is a rotor of its own.
    a.is_heli = 1;
    a.semilen[1] = 1.2f;
    APPLICATION_update();
    EXPECT_EQ(1.2f, a.semilen[1]);
}

TEST_F(AirwrightFrame, LeftTwinsAndRepeatedBodiesFollowTheirFirsts)
{
    planestruct& a = pln[0];
    for (int part : {5, 7, 9, part_hstab_right}) {
        a.Xarm[part] = 1.0f + part;
        a.semilen[part] = 2.0f + part;
    }
    a.body_X[part_nacelle_first][6][15] = 1.5f;
    a.body_Y[part_misc_first][3][2] = -2;
    a.body_Z[part_fairing_first][6][7] = 4;
    a.body_X[part_fairing_first + 2][0][0] = 8;
    APPLICATION_update();
    for (int part : {5, 7, 9, part_hstab_right}) {
        EXPECT_EQ(-1.0f - part, a.Xarm[part - 1]) << part;
        EXPECT_EQ(2.0f + part, a.semilen[part - 1]) << part;
    }
    for (int part = part_nacelle_first + 1; part <= part_nacelle_last; part++)
        EXPECT_EQ(1.5f, a.body_X[part][6][15]) << part;
    EXPECT_EQ(-2.0f, a.body_Y[part_misc_last][3][2]);
    EXPECT_EQ(4.0f, a.body_Z[part_fairing_first + 1][6][7]);
    EXPECT_EQ(4.0f, a.body_Z[part_fairing_first + 2][6][7]);
    EXPECT_EQ(0.0f, a.body_X[part_fairing_first + 2][0][0]);
}

// Pylon 1 of 30 deg dihedral and sweep, 2 ft long, on a left engine at
// (-10, -1, 2), the engine 1 ft out along the dihedral and 0.5 ft behind:
//   X = -10 + cos 30 + cos 30 x 2 x cos 30 = -7.634, Y = -1 - 0.5 - 0.866 = -2.366,
//   Z = 2 + 0.5 - sin 30 x 2 = 1.5;
// pylon 2, a copy of it, on the right engine at (10, 0, 0) mirrors X.
TEST_F(AirwrightFrame, PylonsMeetTheirEngines)
{
    planestruct& a = pln[0];
    a.Xarm[0] = -10, a.Yarm[0] = -1, a.Zarm[0] = 2;
    a.Xarm[1] = 10;
    a.dihed[part_pylon_first] = 30, a.sweep1[part_pylon_first] = 30, a.semilen[part_pylon_first] = 2;
    a.pylondx = 1, a.pylondz = 0.5f;
    APPLICATION_update();
    EXPECT_NEAR(-7.63397f, a.Xarm[14], 1e-4);
    EXPECT_NEAR(-2.36603f, a.Yarm[14], 1e-4);
    EXPECT_NEAR(1.5f, a.Zarm[14], 1e-4);
    EXPECT_NEAR(7.63397f, a.Xarm[15], 1e-4);
    EXPECT_NEAR(-1.36603f, a.Yarm[15], 1e-4);
    EXPECT_NEAR(-0.5f, a.Zarm[15], 1e-4);
}

// Skids 10 ft long: wheelrad 0.2 ft; the tube's stations along the skid
// from its curled-up front to its closed end, in wheel fairing 1 and its copies.
TEST_F(AirwrightFrame, SkidsAreBuiltIntoTheFirstFairing)
{
    planestruct& a = pln[0];
    a.gear_type = gear_skids;
    a.skidl = 10;
    APPLICATION_update();
    EXPECT_NEAR(0.2f, a.wheelrad, 1e-6);
    struct Case {
        int station, point;
        float x, y, z;
    } cases[] = {
        {0, 0, 0, 0.48f, 0},      {0, 3, 0, 0.48f, 0},          {1, 0, 0, 0.5f, 0.2f},
        {1, 2, 0.2f, 0.3f, 0.2f}, {2, 4, 0, 0.13f - 0.2f, 0.5f}, {4, 6, -0.2f, 0, 1.2f},
        {5, 0, 0, 0.2f, 9.8f},    {6, 5, 0, 0, 10},
    };
    for (int part = part_fairing_first; part <= part_fairing_last; part++)
        for (const Case& c : cases) {
            EXPECT_NEAR(c.x, a.body_X[part][c.station][c.point], 1e-5) << part << " " << c.station << " " << c.point;
            EXPECT_NEAR(c.y, a.body_Y[part][c.station][c.point], 1e-5) << part << " " << c.station << " " << c.point;
            EXPECT_NEAR(c.z, a.body_Z[part][c.station][c.point], 1e-5) << part << " " << c.station << " " << c.point;
        }
}

TEST_F(AirwrightFrame, WheelsAreSizedByTheWeight)
{
    planestruct& a = pln[0];
    a.gear_type = 3;
    a.m_max = 2560;
    a.body_Y[part_fairing_first][1][0] = 0.7f;
    APPLICATION_update();
    EXPECT_NEAR(0.065f * powf(2560, 0.25f), a.wheelrad, 1e-5);     // 0.4624 ft
    EXPECT_EQ(0.7f, a.body_Y[part_fairing_first][1][0]);            // the fairing is the user's
    a.m_max = -5;
    APPLICATION_update();
    EXPECT_EQ(0.0f, a.wheelrad);
}

TEST_F(AirwrightFrame, AHelicoptersFixedFields)
{
    // A screen with none of these fields: the Engines screen copies the cant.
    mnw.topwin = win_force;
    for (int heli : {0, 1}) {
        planestruct& a = pln[0];
        a.is_heli = heli;
        a.ins_of_loc[4] = 3, a.ins_of_loc[8] = 5, a.ins_of_loc[2] = 6;
        a.radiotype = 2;
        a.vertcant[1] = 10;
        APPLICATION_update();
        EXPECT_EQ(heli ? 0 : 3, a.ins_of_loc[4]);
        EXPECT_EQ(heli ? 0 : 5, a.ins_of_loc[8]);
        EXPECT_EQ(6, a.ins_of_loc[2]);
        EXPECT_EQ(heli ? 1 : 2, a.radiotype);
        EXPECT_EQ(heli ? 90.0f : 10.0f, a.vertcant[1]);
    }
}

TEST_F(AirwrightFrame, TheMeshAndSweepFollowTheDesignWithAScreenOpen)
{
    planestruct& a = pln[0];
    a.semilen[5] = 12, a.Croot[5] = 5, a.Ctip[5] = 4, a.els[5] = 4;
    a.sweep1[5] = 20, a.sweepnow[5] = 45;
    APPLICATION_update();
    EXPECT_EQ(11, geo_sections[0][part_fuselage]);
    EXPECT_EQ(5, geo_sections[0][5]);
    EXPECT_EQ(5, geo_sections[0][4]);                // its mirrored twin
    EXPECT_EQ(20.0f, a.sweepnow[5]);
    a.els[5] = 2;
    APPLICATION_update();
    EXPECT_EQ(3, geo_sections[0][5]);
}

// The propellers' and lights' clock, and the controls swept through the
// design's own limits while moving controls are shown.
TEST_F(AirwrightFrame, ThePreviewsClockHoldsItsStepToASaneRange)
{
    struct Case {
        float t, dt;
        int tenth;
    } cases[] = {{1.0f, 0, 0}, {1.05f, 0.05f, 0}, {1.37f, 0.32f - 0.07f, 3}, {11.9f, 0.25f, 9}, {2.0f, 0, 0}};
    for (const Case& c : cases) {
        mnw.time_elapsed = c.t;
        APPLICATION_update();
        EXPECT_NEAR(c.dt, preview_clock.dt, 1e-5) << c.t;
        EXPECT_EQ(c.tenth, preview_clock.tenth_count) << c.t;
    }
}

TEST_F(AirwrightFrame, MovingControlsStayWithinTheDesignsLimits)
{
    planestruct& a = pln[0];
    a.ailn_up = 20, a.ailn_dn = 15, a.elev_up = 28, a.elev_dn = 23, a.rudd_def = 17;
    float hi[7] = {}, lo[7] = {};
    msc.move_controls = 1;
    for (float t = 0; t < 60; t += 0.05f) {
        mnw.time_elapsed = t;
        APPLICATION_update();
        float v[7] = {flt.ailn_def_L, flt.ailn_def_R, flt.elev_def_L, flt.elev_def_R, flt.rudd_def_now,
                      flt.flap_ratio, flt.pitch_trim};
        for (int k = 0; k < 7; k++) hi[k] = fmaxf(hi[k], v[k]), lo[k] = fminf(lo[k], v[k]);
        EXPECT_EQ(flt.elev_def_L, flt.elev_def_R);
        // One aileron goes up as the other goes down.
        EXPECT_LE(flt.ailn_def_L * flt.ailn_def_R, 0.0f);
    }
    // Each reaches its limits within a minute, and goes no further.
    const float want_hi[7] = {20, 20, 28, 28, 17, 1, 1}, want_lo[7] = {-15, -15, -23, -23, -17, 0, -1};
    for (int k = 0; k < 7; k++) {
        EXPECT_LE(hi[k], want_hi[k] + 1e-4f) << k;
        EXPECT_GT(hi[k], want_hi[k] * 0.99f) << k;
        EXPECT_GE(lo[k], want_lo[k] - 1e-4f) << k;
        EXPECT_LT(lo[k], want_lo[k] * 0.99f + 1e-6f) << k;
    }
    msc.move_controls = 0;
    APPLICATION_update();
    flightstruct still = {};
    EXPECT_EQ(0, memcmp(&still, &flt, sizeof flt));
}

// ---- the aircraft's extent ----------------------------------------------------------------

// One part or field each, worked by hand (Z aft, the centre of gravity at 0
// unless moved).
TEST_F(AirwrightFrame, TheExtentWorkedByHandPartByPart)
{
    struct Case {
        const char* what;
        void (*lay)(planestruct&);
        float extent;
    } cases[] = {
        {"an empty design", [](planestruct&) {}, 1},
        // Tip 10 sin 30 = 5 aft: its trailing edge 5 + 0.75 x 8 = 11 lies past
        // the root's 1.5 and the tip's 10 cos 30 = 8.66 out.
        {"a swept wing's tip trailing edge",
         [](planestruct& a) { a.semilen[5] = 10, a.sweep1[5] = 30, a.Croot[5] = 2, a.Ctip[5] = 8; }, 11},
        // Root and tip leading edges -10 - 0.25 x 4 = -11, 13 ahead of the
        // centre of gravity at 2; the trailing edges -7 are not.
        {"a stabiliser's leading edge",
         [](planestruct& a) { a.Zarm[11] = -10, a.semilen[11] = 1, a.Croot[11] = 4, a.Ctip[11] = 4, a.cgZ = 2; }, 13},
        {"a propeller past the engine count", [](planestruct& a) { a.Zarm[0] = -6; }, 1},
        {"a propeller of the engine count", [](planestruct& a) { a.Zarm[0] = -6, a.numen = 1; }, 6},
        // A count from a file is held to the four propellers there are: the
        // fourth counts, a wing without span never does.
        {"the fourth propeller of 1000 engines",
         [](planestruct& a) { a.numen = 1000, a.Zarm[3] = -6, a.Zarm[4] = -20; }, 6},
        {"no propeller of -1 engines", [](planestruct& a) { a.numen = -1, a.Zarm[0] = -6; }, 1},
        {"the nose gear", [](planestruct& a) { a.ngearZ = -4; }, 4},
        {"the main gear behind", [](planestruct& a) { a.mgearZ = 5; }, 5},
        {"the main gear's track", [](planestruct& a) { a.mgearX = -7; }, 7},
        {"the fuselage's radius", [](planestruct& a) { a.body_r[part_fuselage] = 3; }, 3},
        {"a station's first point, not its second",
         [](planestruct& a) { a.body_Z[part_fuselage][10][0] = 9, a.body_Z[part_fuselage][10][1] = 30; }, 9},
        {"a fin of 0.1 ft", [](planestruct& a) { a.Zarm[12] = -5, a.semilen[12] = 0.1f, a.Croot[12] = 2; }, 1},
        // Its leading edge -5 - 0.25 x 2.
        {"a fin of 0.11 ft", [](planestruct& a) { a.Zarm[12] = -5, a.semilen[12] = 0.11f, a.Croot[12] = 2; }, 5.5f},
    };
    for (const Case& c : cases) {
        memset(&pln[0], 0, sizeof pln[0]);
        c.lay(pln[0]);
        EXPECT_NEAR(c.extent, find_dis_to_plane(), 1e-4) << c.what;
    }
}

// The shipped Cessna: its fuselage's tail station at Z 26.2 ft lies 18.78 ft
// behind the centre of gravity at 7.42, beyond the outer wing's tip at
// 7.796 + 10.24 cos 1.73 = 18.03 ft out; with the centre of gravity moved
// to 13 ft the tail is 13.2 ft away and the wing tip gives the extent.
TEST_F(AirwrightFrame, TheShippedCessnasExtentWorkedByHand)
{
    ASSERT_EQ(1, read_plane_file(0, cessna, plane_read_damaged));
    EXPECT_NEAR(18.78f, find_dis_to_plane(), 1e-3);
    pln[0].cgZ = 13;
    EXPECT_NEAR(7.79644f + 10.24f * cosf(1.73f * con.degtorad), find_dis_to_plane(), 1e-3);
}
