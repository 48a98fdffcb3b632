// The totals of a force build-up: each group of sums turned into the earth
// frame, mass and ice, the moments of inertia on their own axes, the aerotow
// rope (slack, taut, released, wobbling) and the closing lines of the report.
#include <gtest/gtest.h>

#include "Fltcalc.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

static const float deg = 3.14159265f / 180;

// 100 kg, level, heading north along a level path, in 9.8 m/s2 gravity.
class Totals : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_set_constants();
        reset_suite_state();
        flt.mass_now = 100;
        atm.g_accel = 9.8f;
        msc.dt = 0.05f;
        attitude(0, 0, 0);
        path(0, 0, 0);
    }
    void TearDown() override
    {
        if (trk.is_open()) trk.close();
    }
    static void attitude(float phi, float theta, float psi)
    {
        flt.sin_phi = sinf(phi * deg);
        flt.cos_phi = cosf(phi * deg);
        flt.sin_theta = sinf(theta * deg);
        flt.cos_theta = cosf(theta * deg);
        flt.sin_psi = sinf(psi * deg);
        flt.cos_psi = cosf(psi * deg);
    }
    static void path(float roll, float climb, float heading)
    {
        flt.sin_path_roll = sinf(roll * deg);
        flt.cos_path_roll = cosf(roll * deg);
        flt.sin_path_theta = sinf(climb * deg);
        flt.cos_path_theta = cosf(climb * deg);
        flt.sin_path_psi = sinf(heading * deg);
        flt.cos_path_psi = cosf(heading * deg);
    }
};

TEST_F(Totals, WithNoForcesOnlyGravityActs)
{
    pln[0].Jxx_unitmass = pln[0].Jyy_unitmass = pln[0].Jzz_unitmass = 1;
    attitude(20, 10, 135);
    set_a2();
    EXPECT_FLOAT_EQ(flt.a_y, -9.8f);
    EXPECT_EQ(flt.a_x, 0);
    EXPECT_EQ(flt.a_z, 0);
    EXPECT_EQ(flt.Pdot, 0);
    EXPECT_EQ(flt.Qdot, 0);
    EXPECT_EQ(flt.Rdot, 0);
}

// 500 N in one sum at a time; the acceleration (m/s2, x east, y up less
// gravity, z south) shows where each frame points it.
TEST_F(Totals, EachGroupOfSumsTurnsThroughItsOwnAngles)
{
    const struct {
        const char* what;
        float* sum;
        float phi, theta, psi;      // attitude
        float roll, climb, heading; // flight path
        float ax, ay, az;
    } cases[] = {
        {"thrust heading north", &flt.F_prop_axial, 0, 0, 0, 0, 0, 0, 0, 0, -5},
        {"thrust heading east", &flt.F_prop_axial, 0, 0, 90, 0, 0, 0, 5, 0, 0},
        {"thrust pointing up", &flt.F_prop_axial, 0, 90, 0, 0, 0, 0, 0, 5, 0},
        {"engine normal force banked right", &flt.F_prop_normal, 90, 0, 0, 0, 0, 0, 5, 0, 0},
        {"engine side force heading east", &flt.F_prop_side, 0, 0, 90, 0, 0, 0, 0, 0, 5},
        {"drag on a westward path", &flt.F_aero_axial, 0, 0, 0, 0, 0, 270, -5, 0, 0},
        {"lift on a path banked left", &flt.F_aero_normal, 0, 0, 0, -90, 0, 0, -5, 0, 0},
        {"lift on a level path", &flt.F_aero_normal, 0, 0, 0, 0, 0, 0, 0, 5, 0},
        {"aerodynamic side force climbing", &flt.F_aero_side, 0, 0, 0, 0, 45, 0, 5, 0, 0},
        {"gear along a southern heading", &flt.F_gear_axial, 0, 0, 180, 0, 0, 0, 0, 0, 5},
        {"gear to the right heading north, whatever the path", &flt.F_gear_side, 0, 0, 0, 0, 0, 90, 5, 0, 0},
        {"gear vertical, banked and pitched", &flt.F_gear_vertical, 30, 20, 0, 0, 0, 0, 0, 5, 0},
    };
    for (auto& c : cases) {
        flt.F_prop_axial = flt.F_prop_side = flt.F_prop_normal = 0;
        flt.F_aero_axial = flt.F_aero_side = flt.F_aero_normal = 0;
        flt.F_gear_axial = flt.F_gear_side = flt.F_gear_vertical = 0;
        *c.sum = 500;
        attitude(c.phi, c.theta, c.psi);
        path(c.roll, c.climb, c.heading);
        set_a2();
        EXPECT_NEAR(flt.a_x, c.ax, 1e-4) << c.what;
        EXPECT_NEAR(flt.a_y + 9.8f, c.ay, 1e-4) << c.what;
        EXPECT_NEAR(flt.a_z, c.az, 1e-4) << c.what;
    }
}

// Unit-mass inertias 1, 2 and 4 about x, y and z; 10 kg. Each axis gets a
// moment that gives 1 rad/s2 only when divided by its own inertia.
TEST_F(Totals, MomentsTurnAboutTheirOwnAxesAndIceAddsMassAndInertia)
{
    flt.mass_now = 10;
    pln[0].Jxx_unitmass = 1;
    pln[0].Jyy_unitmass = 2;
    pln[0].Jzz_unitmass = 4;
    flt.M_roll = 40;    // about the longitudinal z axis
    flt.M_pitch = 10;   // about the lateral x axis
    flt.M_yaw = 20;     // about the vertical y axis
    flt.F_gear_vertical = 300;
    atm.g_accel = 0;
    set_a2();
    const float rad = 180 / 3.14159265f;
    EXPECT_NEAR(flt.Pdot, rad, 1e-3);
    EXPECT_NEAR(flt.Qdot, rad, 1e-3);
    EXPECT_NEAR(flt.Rdot, rad, 1e-3);
    EXPECT_NEAR(flt.a_y, 30, 1e-4);

    flt.ice_amount = 0.5f;
    set_a2();
    EXPECT_NEAR(flt.Pdot, rad / 2.25f, 1e-3);
    EXPECT_NEAR(flt.Qdot, rad / 2.25f, 1e-3);
    EXPECT_NEAR(flt.Rdot, rad / 2.25f, 1e-3);
    EXPECT_NEAR(flt.a_y, 20, 1e-4);
}

TEST_F(Totals, NoInertiaOrNoMassGivesNoAccelerationRatherThanInfinity)
{
    pln[0].Jyy_unitmass = 2;
    flt.M_roll = flt.M_pitch = flt.M_yaw = 50;
    flt.F_prop_axial = 100;
    set_a2();
    EXPECT_EQ(flt.Pdot, 0);
    EXPECT_EQ(flt.Qdot, 0);
    EXPECT_NEAR(flt.Rdot, 50 / 200.0f * 180 / 3.14159265f, 1e-3);

    flt.mass_now = 0;
    set_a2();
    EXPECT_EQ(flt.a_z, 0);
    EXPECT_FLOAT_EQ(flt.a_y, -9.8f);
    EXPECT_EQ(flt.Rdot, 0);
}

// ---- aerotow -------------------------------------------------------------------

// The glider (100 kg) at the origin heading north, its hook on the nose 5 m
// ahead; the tow plane north of the hook at the given rope length.
class Tow : public Totals {
protected:
    void SetUp() override
    {
        Totals::SetUp();
        pln[0].body_Z[18][0][0] = -5;
        set.tow_on = 1;
        set.tow_hold = 1;
        flt.on_ground = 1;
        rnd15_seed(7);
    }
    static void tow_plane(double east, double up, double north, float faster)
    {
        flt.pos_x[1] = east;
        flt.pos_y[1] = up;
        flt.pos_z[1] = -5 - north;
        flt.gnd_speed[0] = 30;
        flt.gnd_speed[1] = 30 + faster;
    }
};

TEST_F(Tow, TheRopePullsOnlyBeyondItsLengthAndLetsGoWhenItPullsFromBehind)
{
    const float behind = sqrtf(60 * 60 + 5 * 5);
    const struct {
        const char* what;
        double east, up, north;
        float faster;
        float pull_north;   // rope tension, N
        int released;
    } cases[] = {
        {"slack", 0, 0, 30, 0, 0, 0},
        {"slack but the tow plane pulls away", 0, 0, 30, 15, 500, 0},
        {"taut straight ahead", 0, 0, 60, 0, 2000, 0},
        {"behind, slack", 0, 0, -30, 0, 0, 0},
        {"behind, taut", 0, 0, -60, 0, -2000, 1},
        {"abeam and a little behind, taut", 60, 0, -5, 0, -5 * 100 * (behind - 40) / behind, 1},
        {"abeam and a little ahead, taut", 60, 0, 5, 0, 5 * 100 * (behind - 40) / behind, 0},
        {"at the hook, pulling away", 0, 0, 0, 50, 0, 0},
    };
    for (auto& c : cases) {
        set.tow_on = set.tow_hold = 1;
        flt.M_pitch = flt.M_yaw = 0;
        tow_plane(c.east, c.up, c.north, c.faster);
        set_a2();
        EXPECT_TRUE(std::isfinite(flt.a_x) && std::isfinite(flt.a_z) && std::isfinite(flt.M_yaw)) << c.what;
        EXPECT_NEAR(-flt.a_z * 100, c.pull_north, 0.1) << c.what;
        EXPECT_EQ(set.tow_on, !c.released) << c.what;
        EXPECT_EQ(set.tow_hold, !c.released) << c.what;
    }
}

TEST_F(Tow, ARopeAboveAndToTheRightPitchesTheNoseUpAndYawsItRight)
{
    tow_plane(0, 10, 60, 0);
    set_a2();
    EXPECT_GT(flt.M_pitch, 0);
    EXPECT_NEAR(flt.M_yaw, 0, 1e-3);
    EXPECT_GT(flt.a_y + 9.8f, 0);

    flt.M_pitch = 0;
    tow_plane(10, 0, 60, 0);
    set_a2();
    EXPECT_GT(flt.M_yaw, 0);
    EXPECT_NEAR(flt.M_pitch, 0, 1e-3);
    EXPECT_GT(flt.a_x, 0);
}

TEST_F(Tow, TheGliderWobblesInTheWakeOnlyInTheAir)
{
    tow_plane(0, 0, 60, 0);
    flt.theta[0] = flt.theta[1] = 2;
    flt.psi[0] = flt.psi[1] = 10;
    set_a2();
    EXPECT_EQ(flt.theta[0], 2) << "on the runway";
    EXPECT_EQ(flt.psi[0], 10);

    flt.on_ground = 0;
    float moved = 0;
    for (int i = 0; i < 20; i++) {
        float t = flt.theta[0], p = flt.psi[0], r = flt.phi[0];
        set_a2();
        EXPECT_LE(std::fabs(flt.theta[0] - t), 0.3f);
        EXPECT_LE(std::fabs(flt.psi[0] - p), 0.3f);
        EXPECT_LE(std::fabs(flt.phi[0] - r), 0.3f);
        moved += std::fabs(flt.theta[0] - t) + std::fabs(flt.psi[0] - p) + std::fabs(flt.phi[0] - r);
    }
    EXPECT_GT(moved, 0);

    // Out of line with the tow plane: no wobble.
    flt.psi[1] = flt.psi[0] + 20;
    float p = flt.psi[0];
    set_a2();
    EXPECT_EQ(flt.psi[0], p);
}

// The phases run on across tows within a flight; a new flight starts them
// from 0 again, so its first frames in the wake move as the first flight's did.
TEST_F(Tow, ANewFlightStartsTheWobbleFromItsFirstPhases)
{
    auto in_line = [] {
        flt.theta[0] = flt.theta[1] = 2;
        flt.psi[0] = flt.psi[1] = 10;
        flt.phi[0] = 0;
    };
    auto first_frames = [&] {
        rnd15_seed(7);
        in_line();
        std::vector<float> attitudes;
        for (int i = 0; i < 3; i++) {
            set_a2();
            attitudes.insert(attitudes.end(), {flt.theta[0], flt.psi[0], flt.phi[0]});
        }
        return attitudes;
    };
    tow_plane(0, 0, 60, 0);
    flt.on_ground = 0;
    std::vector<float> first = first_frames();
    for (int i = 0; i < 50; i++) {
        in_line();
        set_a2();
    }
    EXPECT_NE(first_frames(), first) << "the same flight carries its phases on";
    clear_flight_state();
    EXPECT_EQ(first_frames(), first);
}

// ---- report --------------------------------------------------------------------

TEST_F(Totals, TheClosingReportGivesEverySumInHeadingsOfAHundredColumns)
{
    pln[0].Jxx_unitmass = pln[0].Jyy_unitmass = pln[0].Jzz_unitmass = 1;
    flt.F_prop_axial = 1234;
    flt.M_pitch = 50;
    trk.open("Volanto.out", std::ios::out | std::ios::trunc);
    set_a2();   // report off: nothing
    float a_z = flt.a_z, qdot = flt.Qdot;
    set.force_report = 1;
    set_a2();
    trk.close();
    EXPECT_EQ(flt.a_z, a_z);
    EXPECT_EQ(flt.Qdot, qdot);

    std::string text = read_file("Volanto.out");
    const std::string b3(3, (char)0xA5);
    const char* heads[] = {
        "GRAND TOTALS AT END OF FORCE AND MOMENT BUILD-UP",
        "FINAL PROPULSIVE (ENGINE) FORCES, ALONG AIRCRAFT AXIS (pos forward/right/up)",
        "FINAL AERODYNAMIC FORCES, ALONG FLIGHT PATH AXIS (pos forward/right/up)",
        "FINAL GEAR FORCES, ALONG HEADING/VERTICAL AXIS (pos forward/right/up)",
        "FINAL TOTAL FORCES, ALONG SURFACE AXIS",
        "FINAL TOTAL TOTAL MOMENTS, ABOUT AIRCRAFT AXIS (pos right/up/right)",
        "MASSES TO GET FROM FORCES TO ACCELERATIONS",
        "FINAL TOTAL LINEAR ACCELS, ALONG GLOBAL AXIS (pos north/east/up)",
        "FINAL TOTAL ANGULAR ACCELS, ABOUT AIRCRAFT AXIS (pos right/up/right)",
    };
    size_t at = 0;
    for (const char* h : heads) {
        std::string line = b3 + h;
        line += std::string(100 - line.size(), (char)0xA5) + "\n";
        size_t found = text.find(line, at);
        ASSERT_NE(found, std::string::npos) << h;
        at = found;
    }
    EXPECT_NE(text.find("f_axial =     1234 N.\n"), std::string::npos);
    EXPECT_NE(text.find("f_north=     1234 N.\n"), std::string::npos);
    EXPECT_NE(text.find("M (pitch)=       50 N-m.\n"), std::string::npos);
    EXPECT_NE(text.find("mass    =    100.0 kg\n"), std::string::npos);
    EXPECT_NE(text.find("pitch MI=    100.0 kg-m-m... M/mi=accel in RADIANS per sec.\n"), std::string::npos);
    EXPECT_NE(text.find("a_y=  -9.8000 m/ss.\n"), std::string::npos);
    EXPECT_NE(text.find("a_z= -12.3400 m/ss.\n"), std::string::npos);
    EXPECT_NE(text.find("Qdot (pitch)=  28.6479 deg/ss.\n"), std::string::npos);
}
