// The state integration, one half-step at a time: a free fall against the
// Euler sums and the closed form, the rates' damping, the pitch through the
// vertical, the air data and paths (wind carrying the aircraft, standing in
// calm air), the special holds (catapult, drop, deck), the magnetic
// variation, the indicated altitude, latitude and longitude back from the
// local frame, and the restart on the runway when the state is lost.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Integ.h"
#include "host_test.h"
#include "plane_files.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <string>

static const float rad = (float)(acos(-1.0) / 180);

// Sets an angle and the cached sines and cosines the step reads with it.
static void attitude(float theta, float psi, float phi)
{
    flt.theta[0] = theta;
    flt.psi[0] = psi;
    flt.phi[0] = phi;
    flt.sin_theta = sinf(theta * rad);
    flt.cos_theta = cosf(theta * rad);
    flt.sin_psi = sinf(psi * rad);
    flt.cos_psi = cosf(psi * rad);
    flt.sin_phi = sinf(phi * rad);
    flt.cos_phi = cosf(phi * rad);
}

// Level, at rest, in sea-level air, over flat ground of a region at 33 N 119 W.
class Integration : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_set_constants();
        reset_suite_state();
        env.reg_lat = 33;
        env.reg_lon = -119;
        load_region(1);
        attitude(0, 0, 0);
        flt.cos_alpha = 1;
        flt.cos_beta = 1;
        atm.rho = con.rhoSL;
        atm.sigma = 1;
        atm.a_sound = 340;
        atm.baro_sl = 29.92f;
        ins.altim_set = 29.92f;
        pln[0].asi_units = 2;
        msc.dt = 0.05f;
    }
    static int all_finite(void)
    {
        const float derived[] = {flt.V_true, flt.ias_kts, flt.mach, flt.q_dyn, flt.vne_frac_sq, flt.alpha,
                                 flt.beta, flt.vel_fwd, flt.v_air, flt.w_air, flt.track, flt.hpath, flt.vpath,
                                 flt.gamma_gnd, flt.lat, flt.lon, flt.alt_now, flt.hdg_mag, flt.sin_alpha,
                                 flt.cos_alpha, flt.sin_path_psi, flt.cos_path_theta, flt.sin_trk, flt.cos_gam};
        for (float v : derived)
            if (!std::isfinite(v)) return 0;
        return 1;
    }
};

// ---- integration ----------------------------------------------------------------

// The velocity moves first and the position with the new velocity, so after
// n half-steps y = y0 + n v0 h + a h^2 n (n + 1) / 2, which differs from the
// closed form y0 + v0 t + a t^2 / 2 by a h t / 2. Binary fractions keep
// every sum exact.
TEST_F(Integration, FreeFallFollowsTheEulerSumsAndStaysNearTheClosedForm)
{
    struct { float h; int n; float vy0; } rows[] = {
        {0.0625f, 1, 0},
        {0.0625f, 16, 0},
        {0.03125f, 100, -4.0f},
    };
    const float a = -9.75f;
    for (const auto& c : rows) {
        SetUp();
        msc.dt = c.h;
        flt.pos_x[0] = 5000;
        flt.pos_y[0] = 3000;
        flt.pos_z[0] = -5000;
        flt.vel_x = 12.5;
        flt.vel_y = c.vy0;
        for (int k = 0; k < c.n; k++) {
            flt.a_y = a;
            integ_vx();
        }
        double n = c.n, h = c.h, t = n * h;
        double euler = 3000 + n * c.vy0 * h + a * h * h * n * (n + 1) / 2;
        EXPECT_EQ(flt.pos_y[0], euler) << c.n;
        EXPECT_EQ(flt.vel_y, c.vy0 + n * a * h) << c.n;
        EXPECT_EQ(flt.pos_x[0], 5000 + 12.5 * t) << c.n;
        EXPECT_EQ(flt.pos_z[0], -5000) << c.n;
        double closed = 3000 + c.vy0 * t + a * t * t / 2;
        EXPECT_NEAR(flt.pos_y[0], closed, 9.75 * h * t / 2 + 1e-9) << c.n;
        EXPECT_LT(flt.pos_y[0], closed) << "the Euler steps fall ahead of the closed form";
        // The odometer takes the whole speed, sideways and down.
        double flown = 0;
        for (int k = 1; k <= c.n; k++) flown += sqrt(12.5 * 12.5 + pow(c.vy0 + k * a * h, 2)) * h;
        EXPECT_NEAR(flt.dist_flown, flown, 1e-3 * flown) << c.n;
        EXPECT_FLOAT_EQ(flt.gnd_speed[0], (float)sqrt(12.5 * 12.5 + flt.vel_y * flt.vel_y)) << c.n;
    }
}

// Each half-step scales roll and pitch by 1 - 6 k and yaw by 1 - 3 k, with
// k = stab_aug h, after adding the accelerations.
TEST_F(Integration, StabilityAugmentationDampsTheRatesEachHalfStep)
{
    struct { const char* what; float aug, h, Pdot, Qdot, Rdot, P, Q, R; } rows[] = {
        {"off: undamped", 0, 0.05f, 0, 0, 0, 10, 20, 30},
        {"full at 0.05 s", 1, 0.05f, 0, 0, 0, 7, 14, 25.5f},
        {"half at 0.02 s, accelerating", 0.5f, 0.02f, 100, -50, 200, 12 * 0.94f, 19 * 0.94f, 34 * 0.97f},
    };
    for (const auto& c : rows) {
        SetUp();
        set.ctl_scale_a = c.aug;
        msc.dt = c.h;
        flt.roll_rate = 10;
        flt.pitch_rate = 20;
        flt.yaw_rate = 30;
        flt.Pdot = c.Pdot;
        flt.Qdot = c.Qdot;
        flt.Rdot = c.Rdot;
        integ_vx();
        EXPECT_NEAR(flt.roll_rate, c.P, 1e-4f) << c.what;
        EXPECT_NEAR(flt.pitch_rate, c.Q, 1e-4f) << c.what;
        EXPECT_NEAR(flt.yaw_rate, c.R, 1e-4f) << c.what;
        EXPECT_NEAR(flt.Prad, c.P * rad, 1e-5f) << c.what;
        EXPECT_NEAR(flt.Qrad, c.Q * rad, 1e-5f) << c.what;
        EXPECT_NEAR(flt.Rrad, c.R * rad, 1e-5f) << c.what;
    }
}

// A pull through the vertical comes out upright on the other heading; short
// of 90 nothing turns. At 89.9 and beyond the pitch rate still carries it.
TEST_F(Integration, PitchThroughTheVerticalTurnsHeadingAndRollHalfRound)
{
    struct { const char* what; float theta, Q, psi, theta_after, psi_after, phi_after; } rows[] = {
        {"89.5 to 91 becomes 89", 89.5f, 30, 40, 89, 220, 180},
        {"wraps the heading", 89.5f, 30, 300, 89, 120, 180},
        {"nose down through -90", -89.5f, -30, 40, -89, 220, 180},
        {"near-vertical branch", 89.95f, 30, 10, 88.55f, 190, 180},
        {"short of the vertical", 88, 30, 40, 89.5f, 40, 0},
    };
    for (const auto& c : rows) {
        SetUp();
        attitude(c.theta, c.psi, 0);
        flt.pitch_rate = c.Q;
        integ_vx();
        EXPECT_NEAR(flt.theta[0], c.theta_after, 1e-3f) << c.what;
        EXPECT_NEAR(flt.psi[0], c.psi_after, 1e-3f) << c.what;
        EXPECT_NEAR(flt.phi[0], c.phi_after, 1e-3f) << c.what;
        EXPECT_NEAR(flt.sin_theta, sinf(c.theta_after * rad), 1e-4f) << c.what;
        EXPECT_NEAR(flt.cos_psi, cosf(c.psi_after * rad), 1e-4f) << c.what;
    }
}

// ---- air data and paths ---------------------------------------------------------

// Wind equal to the ground velocity leaves no air over the wings: every
// air value 0 (atan2 of two zeros, whatever their signs), none of them NaN.
TEST_F(Integration, NoAirOverTheWingsGivesZeroAirDataAndNoNaN)
{
    struct { const char* what; double vx, vy, vz; float track, gamma; } rows[] = {
        {"standing in calm air", 0, 0, 0, 0, 0},
        {"carried by the wind", 10, -2, -30, atan2f(10, 30) / rad, atan2f(-2, sqrtf(1000)) / rad},
    };
    for (const auto& c : rows) {
        SetUp();
        attitude(5, 30, -10);
        flt.vel_x = c.vx;
        flt.vel_y = c.vy;
        flt.vel_z = c.vz;
        atm.wind_x = (float)c.vx;
        atm.wind_y = (float)c.vy;
        atm.wind_z = (float)c.vz;
        integ_vx();
        EXPECT_EQ(flt.V_true, 0) << c.what;
        EXPECT_EQ(flt.ias_kts, 0) << c.what;
        EXPECT_EQ(flt.mach, 0) << c.what;
        EXPECT_EQ(flt.q_dyn, 0) << c.what;
        EXPECT_EQ(flt.alpha, 0) << c.what;
        EXPECT_EQ(flt.beta, 0) << c.what;
        EXPECT_EQ(flt.hpath, 0) << c.what;
        EXPECT_EQ(flt.vpath, 0) << c.what;
        EXPECT_NEAR(flt.track, c.track, 1e-3f) << c.what;
        EXPECT_NEAR(flt.gamma_gnd, c.gamma, 1e-3f) << c.what;
        EXPECT_TRUE(all_finite()) << c.what;
        EXPECT_EQ(host_test_message_box_count(), 0) << c.what;
    }
}

// The air-relative velocity in body axes gives the angle of attack (nose
// above the path positive), the sideslip (a path right of the nose reads
// negative) and the path angles, through the wind.
TEST_F(Integration, AirDataFollowsTheAirRelativeVelocity)
{
    struct { const char* what; float theta, psi; double vx, vy, vz; float wind_x, alpha, beta, hpath, vpath, track; } rows[] = {
        {"north, sinking level", 0, 0, 0, -5, -50, 0, 5.7106f, 0, 0, -5.7106f, 0},
        {"east, nose 10 up, level path", 10, 90, 60, 0, 0, 0, 10, 0, 90, 0, 90},
        {"east into a 20 m/s headwind", 0, 90, 40, 0, 0, -20, 0, 0, 90, 0, 90},
        {"south-west over the ground, drifting right", 0, 225, -30, 0, 30, 10, 0, -8.1301f, 233.1301f, 0, 225},
    };
    for (const auto& c : rows) {
        SetUp();
        attitude(c.theta, c.psi, 0);
        flt.vel_x = c.vx;
        flt.vel_y = c.vy;
        flt.vel_z = c.vz;
        atm.wind_x = c.wind_x;
        integ_vx();
        double air = sqrt(pow(c.vx - c.wind_x, 2) + c.vy * c.vy + c.vz * c.vz);
        EXPECT_NEAR(flt.V_true, air, 1e-3) << c.what;
        EXPECT_NEAR(flt.mach, air / 340, 1e-5) << c.what;
        EXPECT_NEAR(flt.q_dyn, 0.5 * 1.225 * air * air, 0.01) << c.what;
        EXPECT_NEAR(flt.ias_kts, air * con.msctokts, 1e-3) << c.what << ": sea level, last alpha 0";
        EXPECT_NEAR(flt.alpha, c.alpha, 1e-3f) << c.what;
        EXPECT_NEAR(flt.beta, c.beta, 1e-3f) << c.what;
        EXPECT_NEAR(flt.hpath, c.hpath, 1e-3f) << c.what;
        EXPECT_NEAR(flt.vpath, c.vpath, 1e-3f) << c.what;
        EXPECT_NEAR(flt.track, c.track, 1e-3f) << c.what;
        EXPECT_NEAR(flt.vel_fwd, air * cos(c.alpha * rad) * cos(c.beta * rad), 1e-3) << c.what;
        EXPECT_NEAR(flt.sin_alpha, sinf(c.alpha * rad), 1e-5f) << c.what;
        EXPECT_NEAR(flt.cos_path_psi, cosf(c.hpath * rad), 1e-4f) << c.what;
        EXPECT_NEAR(flt.sin_trk, sinf(c.track * rad), 1e-5f) << c.what;
    }
}

// The ASI unit: Vne is stored in it, mph (1.15 a knot) or knots; a design
// without a Vne has no ratio.
TEST_F(Integration, VneRatioIsTakenInTheIndicatorsUnit)
{
    struct { const char* what; int units; float vne, ratio_sq; } rows[] = {
        {"knots", 2, 200, 0.25f},
        {"mph", 1, 230, 0.25f},
        {"no Vne", 2, 0, 0},
    };
    for (const auto& c : rows) {
        SetUp();
        pln[0].asi_units = c.units;
        pln[0].Vne = c.vne;
        flt.vel_z = -100 * con.ktstomsc;
        integ_vx();
        EXPECT_NEAR(flt.ias_kts, 100, 1e-3f) << c.what;
        EXPECT_NEAR(flt.vne_frac_sq, c.ratio_sq, 1e-5f) << c.what;
    }
}

// ---- holds ----------------------------------------------------------------------

TEST_F(Integration, CatapultPushesAlongTheLaunchLine)
{
    msc.vstall = 40;
    env.ship_hdg[0] = 88;
    set.catapult_run = 1;
    integ_vx();
    // 0.005 x 40^2 = 8 m/s2 due east, 90 degrees.
    EXPECT_NEAR(flt.vel_x, 8 * 0.05, 1e-5);
    EXPECT_NEAR(flt.vel_z, 0, 1e-5);
}

TEST_F(Integration, DropStartHangsUnderTheCarrierAircraft)
{
    pln[0].body_Y[part_fuselage][9][0] = 1.5f;
    pln[0].body_Z[part_fuselage][9][0] = -2.0f;
    flt.pos_x[1] = 1000;
    flt.pos_y[1] = 13716;
    flt.pos_z[1] = -2000;
    flt.gnd_speed[1] = 257;
    attitude(10, 40, 20);
    flt.roll_rate = flt.Pdot = 5;
    flt.a_x = flt.a_y = flt.a_z = 3;
    set.drop_on = 1;
    integ_vx();
    EXPECT_EQ(flt.pos_x[0], 1005.5);
    EXPECT_EQ(flt.pos_y[0], 13714.5);
    EXPECT_EQ(flt.pos_z[0], -1994.0);
    EXPECT_EQ(flt.vel_x, 0);
    EXPECT_EQ(flt.vel_y, 0);
    EXPECT_EQ(flt.vel_z, -257);
    EXPECT_EQ(flt.roll_rate, 0);
    EXPECT_EQ(flt.theta[0], 0);
    EXPECT_EQ(flt.psi[0], 0);
    EXPECT_EQ(flt.phi[0], 0);
    EXPECT_EQ(flt.track, 0) << "carried due north";
}

// The deck hold takes the surface's velocity: none over land, the deck's
// on a carrier steaming east at 15 m/s.
TEST_F(Integration, DeckHoldMovesWithTheSurfaceUnderIt)
{
    struct { const char* what; int on_carrier; double vx; } rows[] = {
        {"over land", 0, 0},
        {"on the carrier's deck", 1, 15},
    };
    for (const auto& c : rows) {
        SetUp();
        lay_flat_ground();
        env.ship_x[0] = 5000;
        env.ship_z[0] = -5000;
        env.ship_hdg[0] = 90;
        env.on_carrier = c.on_carrier;
        flt.vel_x = 7;
        flt.vel_z = -3;
        set.on_catapult = 1;
        integ_vx();
        EXPECT_NEAR(flt.vel_x, c.vx, 1e-4) << c.what;
        EXPECT_NEAR(flt.vel_z, 0, 1e-4) << c.what;
        EXPECT_NEAR(flt.psi[0], 92, 1e-4f) << c.what;
    }
}

// ---- where the aircraft is ------------------------------------------------------

// Variation is west positive, the declination turned round; the table's
// cell is bilinear and its lines go on past 60 degrees.
TEST_F(Integration, MagneticVariationComesFromTheDeclinationTable)
{
    struct { const char* what; float lat, lon, mag_var; } rows[] = {
        {"KSBD", 34.10f, -117.24f, -14.16f},
        {"a table point, 30 N 0 E", 30, 0, 2.08f},
        {"the first table point, 60 S 180 W", -60, -180, -44.72f},
        {"bilinear in 30..60 N, 0..10 E", 45, 5, 2.03f},
        {"extrapolated north of 60", 75, 5, 4.09f},
        {"the date line's last cell", 45, 175, -4.335f},
    };
    for (const auto& c : rows) {
        SetUp();
        attitude(0, 10, 0);
        flt.lat = c.lat;
        flt.lon = c.lon;
        integ_vx();
        EXPECT_NEAR(env.mag_var, c.mag_var, 0.01f) << c.what;
        float magnetic = 10 + c.mag_var;
        if (magnetic < 0) magnetic += 360;
        EXPECT_NEAR(flt.hdg_mag, magnetic, 0.01f) << c.what;
    }
}

// 1000 ft per inch of mercury the altimeter is set above the sea-level pressure.
TEST_F(Integration, IndicatedAltitudeFollowsTheAltimeterSetting)
{
    struct { float setting, baro, above; } rows[] = {
        {29.92f, 29.92f, 0},
        {30.50f, 30.50f, 0},
        {30.92f, 29.92f, 304.8f},
        {29.42f, 29.92f, -152.4f},
    };
    for (const auto& c : rows) {
        SetUp();
        flt.pos_y[0] = 1234.5;
        ins.altim_set = c.setting;
        atm.baro_sl = c.baro;
        integ_vx();
        EXPECT_NEAR(flt.alt_now, 1234.5f + c.above, 0.01f) << c.setting << " " << c.baro;
    }
}

// Back from local metres over the region's own squares: a point laid down
// with X_with_latlon and Z_with_lat reads as the same latitude and longitude
// in every square, also where the squares' anchors use the region's south
// edge for their spacing.
TEST_F(Integration, LatitudeAndLongitudeRoundTripThroughTheLocalFrame)
{
    struct { const char* what; float lat, lon; } rows[] = {
        {"the south-west corner", 33, -119},
        {"first square", 33.5f, -118.5f},
        {"KSBD, second square", 34.10f, -117.24f},
        {"third square, north row", 34.9f, -116.2f},
        {"east of the region", 34.5f, -115.8f},
    };
    for (const auto& c : rows) {
        SetUp();
        flt.pos_x[0] = X_with_latlon(c.lat, c.lon);
        flt.pos_z[0] = Z_with_lat(c.lat);
        integ_vx();
        EXPECT_NEAR(flt.lat, c.lat, 1e-4f) << c.what;
        EXPECT_NEAR(flt.lon, c.lon, 1e-4f) << c.what;
    }
}

// The longitude divides by cos(lat): held off at 89.9 degrees, so a point a
// kilometre east at the pole is some degrees east, not a number out of range.
TEST_F(Integration, LongitudeStaysBoundedAtThePole)
{
    for (float lat : {90.0f, -90.0f}) {
        SetUp();
        flt.pos_z[0] = Z_with_lat(lat);
        flt.pos_x[0] = env.reg_west_x + 1000;
        integ_vx();
        EXPECT_NEAR(flt.lat, lat, 1e-3f);
        EXPECT_NEAR(flt.lon, -119 + 1000 / (60 * con.nmtomtrs * cosf(89.9f * rad)), 0.01f) << lat;
    }
}

// ---- a lost state ---------------------------------------------------------------

// The default aircraft standing at KSBD; a state that is no number gives
// the notice and the same new flight on the runway as a crash.
class LostState : public ::testing::Test {
public:
    void SetUp() override
    {
        reset_suite_state();
        ASSERT_EQ(open_loader_surroundings(), 1);
        initing = 0;
        load_world_databases();
        ASSERT_EQ(load_named(0), 1);
        int sbd = -1;
        for (int a = 0; a <= apt_wrl_max && sbd < 0; a++)
            if (strncmp(apt_id[a], "KSBD", 4) == 0) sbd = a;
        ASSERT_GE(sbd, 0);
        msc.apt_sel = sbd;
        msc.rwy_sel = apt_lo_ind[sbd];
        flt.lat = rwy_lat[msc.rwy_sel];
        flt.lon = rwy_lon[msc.rwy_sel];
        env.reg_lat = intround(flt.lat - 1);
        env.reg_lon = intround(flt.lon - 1.5f);
        load_region(1);
        atm.rho = con.rhoSL;
        atm.sigma = 1;
        atm.a_sound = 340;
        msc.dt = 0.025f;
    }
    void TearDown() override { close_loader_surroundings(); }
};

TEST_F(LostState, NoNumberInTheStateRestartsTheFlightOnTheRunway)
{
    struct { const char* what; double* d; float* f; float value; } rows[] = {
        {"nothing lost", nullptr, nullptr, 0},
        {"position", &flt.pos_x[0], nullptr, NAN},
        {"velocity", &flt.vel_y, nullptr, NAN},
        {"velocity beyond any number", &flt.vel_z, nullptr, INFINITY},
        {"pitch", nullptr, &flt.theta[0], NAN},
        {"heading", nullptr, &flt.psi[0], NAN},
        {"yaw rate", nullptr, &flt.yaw_rate, NAN},
        {"an acceleration the build-up lost", nullptr, &flt.a_x, NAN},
        {"an angular acceleration", nullptr, &flt.Qdot, NAN},
    };
    for (const auto& c : rows) {
        set_fltvars(place_runway, place_on_runway);
        const double x = flt.pos_x[0], y = flt.pos_y[0], z = flt.pos_z[0];
        const float theta = flt.theta[0], psi = flt.psi[0];
        ASSERT_TRUE(std::isfinite(x) && std::isfinite(psi)) << c.what;
        flt.vel_x = 3;
        flt.pos_x[0] += 0.15;   // one half-step on
        if (c.d) *c.d = c.value;
        if (c.f) *c.f = c.value;
        int boxes = host_test_message_box_count();
        integ_vx();
        if (!c.d && !c.f) {
            EXPECT_EQ(host_test_message_box_count(), boxes) << c.what;
            EXPECT_NEAR(flt.pos_x[0], x + 0.15 + 3 * 0.025, 1e-6) << c.what;
            continue;
        }
        ASSERT_EQ(host_test_message_box_count(), boxes + 1) << c.what;
        std::string box = host_test_last_message_box();
        EXPECT_EQ(box.substr(0, box.find('\n')), "The flight model lost its numbers.") << c.what;
        EXPECT_EQ(flt.pos_x[0], x) << c.what;
        EXPECT_EQ(flt.pos_y[0], y) << c.what;
        EXPECT_EQ(flt.pos_z[0], z) << c.what;
        EXPECT_EQ(flt.psi[0], psi) << c.what;
        EXPECT_EQ(flt.vel_x, 0) << c.what;
        EXPECT_EQ(flt.vel_y, 0) << c.what;
        EXPECT_EQ(flt.vel_z, 0) << c.what;
        EXPECT_EQ(flt.theta[0], theta) << c.what;
        EXPECT_EQ(flt.yaw_rate, 0) << c.what;
        EXPECT_EQ(flt.a_x, 0) << c.what;
        EXPECT_EQ(flt.Qdot, 0) << c.what;
        // The next half-step flies on from there.
        integ_vx();
        EXPECT_EQ(host_test_message_box_count(), boxes + 1) << c.what;
        EXPECT_TRUE(std::isfinite(flt.pos_x[0]) && std::isfinite(flt.lat) && std::isfinite(flt.alpha)) << c.what;
    }
}
