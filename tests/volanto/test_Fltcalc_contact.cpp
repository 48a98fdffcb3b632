// Ground and water contact of the user's aircraft: a gear point's spring,
// damper and force cap; rolling, braking, differential braking and side
// friction, over land and on a moving deck; the yaw rate a steered nose wheel
// or a skid sets; a float point dry, just wet and deep, its facet against its
// neighbours, planing and the water rudder; and the report's contact lines.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "Fltcalc.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <iomanip>
#include <string>

// Flat ground at height 0 under a level aircraft heading north, 1 m above it
// at (5000, -5000); a main-wheel point 1 m below the centre of gravity then
// just touches.
class Contact : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_set_constants();
        reset_suite_state();
        lay_flat_ground();
        flt.pos_y[0] = 1;
        flt.cos_theta = flt.cos_phi = flt.cos_psi = 1;
        pln[0].m_max = 1000;
        set.ctl_scale_c = 1;
    }
    void TearDown() override
    {
        if (trk.is_open()) trk.close();
    }
    static void clear_sums(void)
    {
        flt.F_gear_axial = flt.F_gear_side = flt.F_gear_vertical = 0;
        flt.M_pitch = flt.M_yaw = flt.M_roll = 0;
    }
    // Moving over the ground at (east, south) m/s.
    static void moving(double east, double south)
    {
        flt.vel_x = east;
        flt.vel_z = south;
    }
};

static const float mu_roll = 0.04f, mu_side = 0.8f;

// ---- normal force ----------------------------------------------------------

TEST_F(Contact, SpringAndDamperPushOnlyWhileTheyPushAndNeverBeyondFiveMaximumWeights)
{
    const float cap = 5 * 1000 * con.g;
    const struct {
        const char* what;
        double height, vel_y;
        float spring, damper;
        int touches;
        float condef, normal;
    } cases[] = {
        {"just touching, at rest", 1.0, 0, 10000, 500, 1, 0, 0},
        {"compressed 0.1 m", 0.9, 0, 10000, 500, 1, 0.1f, 1000},
        {"compressed and sinking 1 m/s", 0.9, -1, 10000, 500, 1, 0.1f, 1500},
        {"damper outweighs the spring", 0.9, 3, 10000, 500, 0, 0.1f, 0},
        {"capped", 0.9, 0, 1e8f, 0, 1, 0.1f, cap},
        {"clear of the ground", 1.2, 0, 10000, 500, 0, 0, 0},
    };
    for (auto& c : cases) {
        clear_sums();
        flt.on_ground = 0;
        pln[0].condef[1] = 99;
        flt.pos_y[0] = c.height;
        flt.vel_y = c.vel_y;
        int r = handle_contact_point(1, 0, -1, 0, c.spring, c.damper, mu_roll, mu_side);
        EXPECT_EQ(r, c.touches) << c.what;
        EXPECT_NEAR(pln[0].condef[1], c.condef, 1e-5) << c.what;
        EXPECT_NEAR(flt.F_gear_vertical, c.normal, c.normal * 1e-5 + 1e-3) << c.what;
        EXPECT_EQ(flt.on_ground, c.touches) << c.what;
    }
}

TEST_F(Contact, ThePushActsAtThePointsArmsAndTheAttitudeMovesThePoint)
{
    // Nose 5.7 degrees up: a point 2 m right and 3 m aft sits 0.3 m lower.
    flt.sin_theta = 0.1f;
    flt.cos_theta = sqrtf(1 - 0.01f);
    flt.pos_y[0] = flt.cos_theta;
    ASSERT_EQ(handle_contact_point(2, 2, -1, 3, 10000, 0, mu_roll, mu_side), 1);
    EXPECT_NEAR(pln[0].condef[2], 0.3f, 1e-5);
    EXPECT_NEAR(flt.F_gear_vertical, 3000, 0.1);
    EXPECT_NEAR(flt.M_roll, -2 * 3000, 0.5);
    EXPECT_NEAR(flt.M_pitch, -3 * 3000, 0.5);
}

// ---- friction --------------------------------------------------------------

// Main wheels compressed 0.1 m (1000 N); the along-track force enters the
// sums turned against the motion.
TEST_F(Contact, RollingBrakingAndDifferentialBrakingAlongTheTrack)
{
    flt.pos_y[0] = 0.9;
    const struct {
        const char* what;
        int n;
        double east, south;
        float brake, nwsteer, pedal;
        float axial;
    } cases[] = {
        {"rolling north", 1, 0, -10, 0, 30, 0, -40},
        {"full brakes", 1, 0, -10, 1, 30, 0, -800},
        {"half brakes", 2, 0, -10, 0.5f, 30, 0, -420},
        {"rolling backwards", 1, 0, 10, 0, 30, 0, 40},
        {"at 0.1 m/s half the friction", 1, 0, -0.1, 0, 30, 0, -20},
        {"standing still", 1, 0, 0, 1, 30, 0, 0},
        {"right pedal, left wheel free", 1, 0, -10, 0, 0, 1, -40},
        {"right pedal, right wheel braked", 2, 0, -10, 0, 0, 1, -420},
        {"a steered nose wheel leaves the brakes even", 2, 0, -10, 0, 30, 1, -40},
    };
    set.rudder_pedals = 1;
    for (auto& c : cases) {
        clear_sums();
        moving(c.east, c.south);
        flt.brake_ratio = c.brake;
        pln[0].nwsteer = c.nwsteer;
        set.stick_yaw = c.pedal;
        ASSERT_EQ(handle_contact_point(c.n, c.n == 1 ? -1.0f : 1.0f, -1, 0, 10000, 0, mu_roll, mu_side), 1)
            << c.what;
        EXPECT_NEAR(flt.F_gear_axial, c.axial, 0.01) << c.what;
    }
}

TEST_F(Contact, SideFrictionOpposesDriftAndYawAndWorksOverAMovingDeck)
{
    flt.pos_y[0] = 0.9;
    // A deck 21 m above the ship's reference point; the carrier steams east
    // at 15 m/s under a main wheel that heads north.
    env.ship_y[0] = -21;
    env.ship_x[0] = 5000;
    env.ship_z[0] = -5000;
    env.ship_hdg[0] = 90;
    const struct {
        const char* what;
        int deck;
        double east, south;
        float yaw_rad, z;
        float side;
    } cases[] = {
        {"drifting right 0.5 m/s", 0, 0.5, -10, 0, 0, -400},
        {"sliding sideways fast: full side friction", 0, 15, 0, 0, 0, -800},
        {"at rest, yawing right, point aft", 0, 0, 0, 0.5f, 1, 400},
        {"carried along by the deck", 1, 15, 0, 0, 0, 0},
        {"drifting right over the deck", 1, 15.5, -10, 0, 0, -400},
    };
    for (auto& c : cases) {
        clear_sums();
        env.on_carrier = c.deck;
        moving(c.east, c.south);
        flt.yaw_rate = c.yaw_rad * con.radtodeg;
        flt.Rrad = c.yaw_rad;
        ASSERT_EQ(handle_contact_point(1, 0, -1, c.z, 10000, 0, mu_roll, mu_side), 1) << c.what;
        EXPECT_NEAR(flt.F_gear_side, c.side, 0.05) << c.what;
    }
}

// ---- yaw rate ----------------------------------------------------------------

// Nose wheel 1.5 m ahead, main wheels 0.5 m aft: a 2 m wheelbase; steering
// authority 10. At 5 m/s the speed factor is 3; full input gives 5, half 1.
TEST_F(Contact, ASteeredNoseWheelSetsTheYawRate)
{
    flt.pos_y[0] = 0.9;
    pln[0].ngearZ = -1.5f;
    pln[0].mgearZ = 0.5f;
    const struct {
        const char* what;
        float nwsteer, input, scale, ngearZ;
        int pedals, frigate, carrier;
        double south;
        float yaw;
    } cases[] = {
        {"full right input", 10, 1, 1, -1.5f, 1, 0, 0, -5, 375},
        {"half input", 10, 0.5f, 1, -1.5f, 1, 0, 0, -5, 37.5f},
        {"half input rolling backwards", 10, 0.5f, 1, -1.5f, 1, 0, 0, 5, -37.5f},
        {"without pedals the roll input steers", 10, 0.5f, 1, -1.5f, 0, 0, 0, -5, 37.5f},
        {"a scale of 0 counts as the lowest setting", 10, 0.5f, 0, -1.5f, 1, 0, 0, -5, 375},
        {"centred on the carrier turns with it", 10, 0, 1, -1.5f, 1, 0, 1, -15, 3},
        {"on the frigate its turn, not the carrier's", 10, 0, 1, -1.5f, 1, 1, 1, -10, -2},
        {"a castering nose wheel leaves it", 0, 1, 1, -1.5f, 1, 0, 0, -5, 7},
        {"gears at one station leave it", 10, 1, 1, 0.5f, 1, 0, 0, -5, 7},
    };
    env.ship_turn[0] = 3;
    env.ship_turn[1] = -2;
    env.ship_y[0] = -21;   // both decks level with the ground
    env.ship_y[1] = -7;
    for (auto& c : cases) {
        pln[0].nwsteer = c.nwsteer;
        pln[0].ngearZ = c.ngearZ;
        set.rudder_pedals = c.pedals;
        set.stick_yaw = c.pedals ? c.input : 0;
        set.stick_roll = c.pedals ? 0 : c.input;
        set.ctl_scale_c = c.scale;
        env.on_frigate = c.frigate;
        env.on_carrier = c.carrier;
        // A ship's reference point under the wheel: its deck runs north at
        // its own speed and the wheel rolls with it.
        env.ship_x[0] = env.ship_x[1] = 5000;
        env.ship_z[0] = env.ship_z[1] = -5000;
        flt.vel_x = 0;
        flt.vel_z = c.south;
        flt.yaw_rate = 7;
        ASSERT_EQ(handle_contact_point(0, 0, -1, 0, 10000, 0, mu_roll, mu_side), 1) << c.what;
        EXPECT_NEAR(flt.yaw_rate, c.yaw, 1e-3) << c.what;
        EXPECT_FLOAT_EQ(flt.Rrad, flt.yaw_rate * con.degtorad) << c.what;
    }
}

TEST_F(Contact, ACasteringNoseWheelHasNoSideForceAndASkidCancelsTheYawAcceleration)
{
    flt.pos_y[0] = 0.9;
    moving(3, -10);
    ASSERT_EQ(handle_contact_point(0, 0, -1, -2, 10000, 0, mu_roll, mu_side), 1);
    EXPECT_EQ(flt.F_gear_side, 0);

    flt.Rdot = 20;
    msc.dt = 0.05f;
    ASSERT_EQ(handle_contact_point(4, -1, -1, 1, 10000, 0, 0.4f, 0.4f), 1);
    EXPECT_FLOAT_EQ(flt.yaw_rate, -1);
    EXPECT_FLOAT_EQ(flt.Rrad, -con.degtorad);
}

// ---- water -------------------------------------------------------------------

// A float (part 23: 7 stations, 16 points around): stations 1 m apart from
// 3 m ahead of the centre of gravity, a flat bottom 1 m below it, points
// 0.5 m apart across; the keel point is 8, its facet 1 m x 0.5 m = 0.5 m2.
class Water : public Contact {
protected:
    void SetUp() override
    {
        Contact::SetUp();
        flt.pos_y[0] = 0;
        for (int s = 0; s < 7; s++)
            for (int k = 0; k < 16; k++) {
                pln[0].body_X[23][s][k] = 0.5f * (float)(8 - k);
                pln[0].body_Y[23][s][k] = -1;
                pln[0].body_Z[23][s][k] = (float)(s - 3);
            }
    }
    static float wet(int s, int k, float water_h)
    {
        clear_sums();
        flt.on_ground = 0;
        const planestruct& a = pln[0];
        return (float)handle_float_point(23, s, k, a.body_X[23][s][k], a.body_Y[23][s][k], a.body_Z[23][s][k],
                                         water_h);
    }
};

TEST_F(Water, BuoyancyFromTheDisplacedVolumeOfTheFacetAndItsNeighbours)
{
    const float rg = 1000 * con.g;
    const struct {
        const char* what;
        int s, k;
        float water_h;
        double vel_y;
        int touches;
        float up;
    } cases[] = {
        {"dry", 3, 8, -1.1f, -1, 0, 0},
        {"just wet: damping only", 3, 8, -1, -1, 1, 500},
        {"1 m deep", 3, 8, 0, 0, 1, 0.5f * rg},
        {"first station: half the length", 0, 8, 0, 0, 1, 0.25f * rg},
        {"last station", 6, 8, 0, 0, 1, 0.25f * rg},
        {"first point: half the width", 3, 0, 0, 0, 1, 0.25f * rg},
        {"rising 2 m/s: damped", 3, 8, 0, 2, 1, 0.5f * rg - 2000},
    };
    for (auto& c : cases) {
        flt.vel_y = c.vel_y;
        EXPECT_EQ(wet(c.s, c.k, c.water_h), c.touches) << c.what;
        EXPECT_NEAR(flt.F_gear_vertical, c.up, 0.5) << c.what;
        EXPECT_EQ(flt.on_ground, c.touches) << c.what;
    }
}

// The bottom at station 3 sloped by making stations 2 and 4 differ in
// height: r = dY/dZ over the facet. Running forward at 10 m/s, 1 m deep.
TEST_F(Water, PlaningOnASlopedFacetAndFrictionOpposeTheMotion)
{
    const float rho = 1000;
    const struct {
        const char* what;
        float y2, y4, z4;
        float fwd;
        float planing, drag;
    } cases[] = {
        // cap area 0.5 x 0.5; slope force 100 x 0.5 x 0.25 x 1000 up, pressure drag 5% of it back
        {"bow rising forward, r = -0.5", -0.5f, -1.5f, 1, 10, 12500, -625},
        {"running backwards", -0.5f, -1.5f, 1, -10, -12500, 625},
        {"steeper than 1: no planing", -3, 1, 1, 10, 0, 0},
        // cap area 0.5 x 1: a 45-degree bow still planes in full
        {"bow at 45 degrees, r = -1", 0, -2, 1, 10, 50000, -2500},
        {"bow steeper than 45 degrees, r = -3: no planing", 2, -4, 1, 10, 0, 0},
        {"near-vertical bow, r = -6000: no planing", 2, -4, -0.999f, 10, 0, 0},
        {"a facet with no length", -0.5f, -1.5f, -1, 10, 0, 0},
    };
    for (auto& c : cases) {
        for (int k = 0; k < 16; k++) {
            pln[0].body_Y[23][2][k] = c.y2;
            pln[0].body_Y[23][4][k] = c.y4;
            pln[0].body_Z[23][4][k] = c.z4;
        }
        flt.vel_fwd = c.fwd;
        ASSERT_EQ(wet(3, 8, 1), 1) << c.what;
        float dZf = 0.5f * (c.z4 - -1);
        float Aw = std::fabs(dZf * 0.5f);
        float buoyancy = (1 + 1) * Aw * rho * con.g;
        float friction = -0.00165f * c.fwd * std::fabs(c.fwd) * rho * Aw;
        EXPECT_NEAR(flt.F_gear_vertical - buoyancy, c.planing, 1) << c.what;
        EXPECT_NEAR(flt.F_gear_axial, c.drag + friction, 0.1) << c.what;
        EXPECT_TRUE(std::isfinite(flt.M_pitch)) << c.what;
    }
}

// Station 4 (1 m aft) with a 0.5 m step in height gives a side area of
// 1 x 0.5; at 20 m/s over the ground a full water rudder is a side speed of
// 20 sin 10 degrees.
TEST_F(Water, TheWaterRudderActsAtTheKeelBehindTheCentreOfGravity)
{
    for (int k = 0; k < 16; k++) pln[0].body_Y[23][5][k] = 0;
    flt.gnd_speed[0] = 20;
    float vs = 20 * sinf(10 * con.degtorad);
    float full = -1.2f * vs * vs * 1000 * 0.5f;
    const struct {
        const char* what;
        int s, k;
        float yaw;
        float side;
    } cases[] = {
        {"full right rudder at the keel", 4, 8, 1, full},
        {"centred", 4, 8, 0, 0},
        {"off the keel", 4, 9, 1, 0},
        {"ahead of the centre of gravity", 2, 8, 1, 0},
    };
    for (int k = 0; k < 16; k++) pln[0].body_Y[23][1][k] = 0;
    for (auto& c : cases) {
        set.ctl_yaw = c.yaw;
        ASSERT_EQ(wet(c.s, c.k, 1), 1) << c.what;
        EXPECT_NEAR(flt.F_gear_side, c.side, 0.5) << c.what;
        EXPECT_NEAR(flt.M_yaw, -c.side * pln[0].body_Z[23][c.s][c.k], 0.5) << c.what;
    }
}

// ---- report ------------------------------------------------------------------

TEST_F(Contact, TheReportNamesEachTouchingPointWithItsForcesInDecimalsOfTheirOwn)
{
    flt.pos_y[0] = 0.9;
    moving(0, -10);
    trk.open("Volanto.out", std::ios::out | std::ios::trunc);
    trk << std::fixed << std::setprecision(0);   // whatever an earlier line left
    handle_contact_point(1, 0, -1, 0, 10000, 0, mu_roll, mu_side);   // report off: nothing
    float off = flt.F_gear_axial;
    set.force_report = 1;
    handle_contact_point(1, 0, -1, 0, 10000, 0, mu_roll, mu_side);
    EXPECT_FLOAT_EQ(flt.F_gear_axial, 2 * off) << "the report changes no number";
    flt.pos_y[0] = 2;
    handle_contact_point(2, 0, -1, 0, 10000, 0, mu_roll, mu_side);   // clear of the ground: no lines
    trk.close();
    std::string bullets(3, (char)0xA5), rule(86, (char)0xA5);
    EXPECT_EQ(read_file("Volanto.out"), bullets + "CONTACT #1:" + rule + "\n" +
                                            "   deflection=0.1000 m.\n"
                                            "   axilforce =40.0 N.\n"
                                            "   sideforce =0.0 N.\n"
                                            "   nrmlforce =1000.0 N.\n"
                                            "\n");
}

// Station 4, 1 m aft, on a bottom rising forward (r = -0.5), 1 m deep,
// running at 2 m/s, sinking 1 m/s and yawing right at 0.2 rad/s.
TEST_F(Water, TheReportListsAWetPointsFacetFlowAndForces)
{
    for (int k = 0; k < 16; k++) {
        pln[0].body_Y[23][3][k] = -0.5f;
        pln[0].body_Y[23][5][k] = -1.5f;
    }
    trk.open("Volanto.out", std::ios::out | std::ios::trunc);
    set.force_report = 1;
    flt.vel_fwd = 2;
    flt.vel_y = -1;
    flt.Rrad = 0.2f;
    wet(4, 8, -2.5f);   // dry: no lines
    wet(4, 8, 0);
    trk.close();
    EXPECT_EQ(read_file("Volanto.out"), "\n[23][4][8],  z = 1.00  x = 0.00  y =-1.00.\n"
                                        "dZf=1.0000 dXf=0.5000 dYf=-0.5000.\n"
                                        "dZ =1.0000 dX =0.5000 dY =-0.5000.\n"
                                        "depth= 1.00, vert_vel=-1.00.\n"
                                        "axial_v= 2.00, wet_area=0.5000 cap_area=0.2500 sid_area=0.5000.\n"
                                        "displacement=  0.5, Q=4000.0.\n"
                                        "nrmlforce_B=4899.1.\n"
                                        "nrmlforce_D=500.0.\n"
                                        "nrmlforce_M=500.0.\n"
                                        "axilforce_P=-25.0.\n"
                                        "axilforce_F= -3.3.\n"
                                        "sideforce  = 24.0.\n");
}
