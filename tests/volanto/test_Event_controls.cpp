// The controls once a frame: the yoke keys, the mouse yoke, the stick's
// slew and the throttle lever's takeover; the gain of the automatic inputs
// and the hover yaw damping; the heading, navigation, vertical and speed
// holds; the stability augmentation, failures and trims; the surface
// deflections, thrust-line cants and sweep, alone in replay; and the
// touchdown's automatic actions.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "host_test.h"
#include "plane_files.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <string>
#include <vector>

static std::vector<std::string> calls;

static void record_handlekey(char key, int flag)
{
    calls.push_back(std::string("key ") + key + " " + std::to_string(flag));
}

// No stick, every system working, a 0.05 s step, and a stall speed of 30 m/s.
class Controls : public ::testing::Test {
protected:
    shell_calls real;

    void SetUp() override
    {
        MACIBM_set_constants();
        reset_suite_state();
        restore_systems();
        calls.clear();
        real = shell;
        shell.APPLICATION_handlekey = record_handlekey;
        set.joy_device = joy_none;
        set.ctl_scale_b = set.ctl_scale_c = set.ctl_scale_d = 1;
        msc.dt = 0.05f;
        msc.vstall = 30;
    }
    void TearDown() override { shell = real; }
    static void ias_ms(float v) { flt.ias_kts = v * con.msctokts; }
};

static float wrap360(float a) { return fmodf(fmodf(a, 360.0f) + 360.0f, 360.0f); }

// ---- yokes -----------------------------------------------------------------

TEST_F(Controls, YokeKeysStepAndCentreWithinTheirRange)
{
    const struct {
        int code;
        float pitch, roll, yaw;     // from 0.5, -0.5, 0.3
    } cases[] = {
        {0, 0.5f, 0, 0},      {1, 0.55f, -0.5f, 0.3f}, {2, 0.45f, -0.5f, 0.3f}, {3, 0.5f, -0.6f, 0.3f},
        {4, 0.5f, -0.4f, 0.3f}, {5, 0.5f, -0.5f, 0.2f}, {6, 0.5f, -0.5f, 0.4f},  {7, 0.5f, -0.5f, 0.3f},
    };
    for (auto& c : cases) {
        set.pitch_key = 0.5f;
        set.roll_key = -0.5f;
        set.yaw_key = 0.3f;
        yoke_key(c.code);
        EXPECT_NEAR(set.pitch_key, c.pitch, 1e-6f) << "code " << c.code;
        EXPECT_NEAR(set.roll_key, c.roll, 1e-6f) << "code " << c.code;
        EXPECT_NEAR(set.yaw_key, c.yaw, 1e-6f) << "code " << c.code;
    }

    // At the stops a key holds there; values left outside come back in.
    set.pitch_key = 1;
    set.roll_key = -1;
    set.yaw_key = 1;
    yoke_key(1);
    yoke_key(3);
    yoke_key(6);
    EXPECT_EQ(set.pitch_key, 1.0f);
    EXPECT_EQ(set.roll_key, -1.0f);
    EXPECT_EQ(set.yaw_key, 1.0f);
    set.pitch_key = -3;
    set.roll_key = 2;
    set.yaw_key = -2;
    yoke_key(7);
    EXPECT_EQ(set.pitch_key, -1.0f);
    EXPECT_EQ(set.roll_key, 1.0f);
    EXPECT_EQ(set.yaw_key, -1.0f);
}

// The mouse flies from the windshield's centre (400, 447) only without a stick.
TEST_F(Controls, MouseYokeOnlyWithoutAStick)
{
    msc.mouse_yoke_on = 1;
    mnw.mx = 450;
    mnw.my = 427;
    update_controls();
    EXPECT_NEAR(set.pitch_key, 0.2f, 1e-5f);
    EXPECT_NEAR(set.roll_key, 0.5f, 1e-5f);

    set.pitch_key = set.roll_key = 0;
    msc.mouse_yoke_on = 0;
    update_controls();
    EXPECT_EQ(set.pitch_key, 0.0f);
    msc.mouse_yoke_on = 1;
    set.joy_device = joy_first;
    update_controls();
    EXPECT_EQ(set.pitch_key, 0.0f);
    EXPECT_EQ(set.roll_key, 0.0f);
}

// ---- the stick -------------------------------------------------------------

// A virtual stick as the first system stick, its axes unshaped: no null
// zones, full response, pedals on; every axis at its low end.
class StickControls : public Controls {
protected:
    void SetUp() override
    {
        Controls::SetUp();
        ASSERT_EQ(host_test_joy_attach(), 0);
        set.joy_device = joy_first;
        set.rudder_pedals = 1;
        for (int axis = 0; axis < 4; axis++) host_test_joy_axis(0, axis, 0);
    }
    void TearDown() override
    {
        host_test_joy_detach_all();
        Controls::TearDown();
    }
};

const int axis_x = 0, axis_y = 1, axis_z = 2, axis_r = 3;

// What the throttle lever at z reads.
static float lever(int z) { return 1.1f - (float)z * 1.2f / 65537.0f; }

struct das_call {
    float x, y;
    int dragging;
};
static std::vector<das_call> das_calls;
static void record_das(float x, float y) { das_calls.push_back({x, y, (int)mnw.now_dragging}); }

// A full jump of the stick is spread over half a second at 0.05 s a frame.
TEST_F(StickControls, StickMovesAtMostFourPerSecond)
{
    for (int i = 0; i < 5; i++) update_controls();
    EXPECT_NEAR(set.stick_pitch, -1, 1e-5f);
    EXPECT_NEAR(set.stick_roll, -1, 1e-5f);
    EXPECT_NEAR(set.stick_yaw, -1, 1e-5f);

    host_test_joy_axis(0, axis_x, 65535);
    host_test_joy_axis(0, axis_y, 65535);
    host_test_joy_axis(0, axis_r, 65535);
    float last = set.stick_pitch;
    for (int frame = 1; frame <= 10; frame++) {
        update_controls();
        EXPECT_LE(set.stick_pitch - last, 0.2f + 1e-5f) << "frame " << frame;
        EXPECT_NEAR(set.stick_roll, set.stick_pitch, 1e-6f) << "frame " << frame;
        EXPECT_NEAR(set.stick_yaw, set.stick_pitch, 1e-6f) << "frame " << frame;
        if (frame == 9) {
            EXPECT_LT(set.stick_pitch, 0.9f);
        }
        last = set.stick_pitch;
    }
    EXPECT_NEAR(set.stick_pitch, 1, 1e-5f);
    EXPECT_NEAR(set.ctl_pitch, 1, 1e-5f);
}

// A recorded flight flies as recorded, whatever the stick does.
TEST_F(StickControls, ReplayIgnoresTheStick)
{
    set.replay_speed = 5;
    set.ctl_pitch = 0.25f;
    host_test_joy_axis(0, axis_y, 65535);
    for (int i = 0; i < 3; i++) update_controls();
    EXPECT_EQ(set.stick_pitch, 0.0f);
    EXPECT_EQ(set.ctl_pitch, 0.25f);
}

// The lever takes over only once it moves more than 0.03 from where it was
// first read; from then on it works the panel's throttle handle every frame,
// at the handle's height for its value, as an undragged press.
TEST_F(StickControls, ThrottleLeverTakesOverOnceMoved)
{
    das_calls.clear();
    shell.manage_das = record_das;
    ins.radio_dy = 10;
    mnw.now_dragging = 1;
    const int z0 = 32768;                       // 0.5
    const int z_small = z0 - 1000;              // 0.018 up, then 0.018 down
    host_test_joy_axis(0, axis_z, z0);
    update_controls();
    host_test_joy_axis(0, axis_z, z_small);
    update_controls();
    host_test_joy_axis(0, axis_z, z0 + 1000);
    update_controls();
    EXPECT_EQ(set.joy_throttle_on, 0);
    EXPECT_TRUE(das_calls.empty());

    const int z_far = z0 - 1700;                // 0.031 more
    host_test_joy_axis(0, axis_z, z_far);
    update_controls();
    EXPECT_EQ(set.joy_throttle_on, 1);
    ASSERT_EQ(das_calls.size(), 1u);
    EXPECT_NEAR(das_calls[0].x, 685, 1e-4f);
    EXPECT_NEAR(das_calls[0].y, 11 + 48 * lever(z_far), 1e-3f);
    EXPECT_EQ(das_calls[0].dragging, 0);
    EXPECT_EQ(mnw.now_dragging, 1);

    // Held where it is, it keeps the handle there.
    update_controls();
    EXPECT_EQ(das_calls.size(), 2u);

    // The panel's own handle then sets every throttle to the lever.
    shell.manage_das = manage_das;
    pln[0].entype = 3, pln[0].numen = 4;
    host_test_joy_axis(0, axis_z, 20000);
    update_controls();
    for (int e = 0; e < plane_engines; e++) EXPECT_NEAR(flt.throttle_req[e], lever(20000), 1e-3f) << e;

    // Handed back to the mouse, the lever must move again to take over.
    shell.manage_das = record_das;
    das_calls.clear();
    set.joy_throttle_on = 0;
    host_test_joy_axis(0, axis_z, 20500);
    update_controls();
    EXPECT_TRUE(das_calls.empty());
    host_test_joy_axis(0, axis_z, 22000);
    update_controls();
    EXPECT_EQ(das_calls.size(), 1u);
}

// ---- gain and hover yaw damping --------------------------------------------

// The heading hold with no error and the attitude indicator 10 degrees left
// asks for 0.1 g of right stick.
TEST_F(Controls, AutomaticInputsFallWithTheSquareOfSpeedAboveTheStallSpeed)
{
    const struct {
        const char* what;
        int heli;
        float speed_ratio;   // IAS / vstall
        float g;
    } cases[] = {
        {"at rest", 0, 0, 1},
        {"half the stall speed", 0, 0.5f, 1},
        {"at the stall speed", 0, 1, 1},
        {"twice", 0, 2, 0.25f},
        {"three times", 0, 3, 1.0f / 9},
        {"fifty times: the floor", 0, 50, 0.001f},
        {"a helicopter at twice", 1, 2, 1},
    };
    ott.ap_hdg = 1;
    ins.ah_roll = -10;
    for (auto& c : cases) {
        pln[0].is_heli = c.heli;
        ias_ms(c.speed_ratio * msc.vstall);
        update_controls();
        EXPECT_NEAR(set.stick_roll, 0.1f * c.g, 1e-5f) << c.what;
    }
}

TEST_F(Controls, HoverYawDampingHoldsSlipAtSpeedAndYawRateInTheHover)
{
    const struct {
        const char* what;
        int heli;
        float vertcant0;
        int pedals, on_ground;
        float speed_ratio;
        float stick_yaw;     // R = 10 deg/s, beta = 4 deg
    } cases[] = {
        {"helicopter in the hover", 1, 0, 0, 0, 0, -1.0f},
        {"helicopter at half the stall speed", 1, 0, 0, 0, 0.5f, -(0.5f * 4 * 0.05f + 0.5f * 10 * 0.1f)},
        {"helicopter above the stall speed", 1, 0, 0, 0, 1.5f, -0.2f},
        {"upright thrust line in the hover", 0, 61, 0, 0, 0, -1.0f},
        {"upright thrust line, fast: weaker by g", 0, 61, 0, 0, 2, -0.2f * 0.25f},
        {"thrust line at 60 degrees", 0, 60, 0, 0, 0, 0},
        {"helicopter with pedals", 1, 0, 1, 0, 0, 0},
        {"helicopter on the ground", 1, 0, 0, 1, 0, 0},
    };
    for (auto& c : cases) {
        pln[0].is_heli = c.heli;
        pln[0].vertcant[0] = c.vertcant0;
        set.rudder_pedals = c.pedals;
        flt.on_ground = c.on_ground;
        ias_ms(c.speed_ratio * msc.vstall);
        flt.yaw_rate = 10;
        flt.beta = 4;
        set.stick_yaw = 0;
        update_controls();
        EXPECT_NEAR(set.stick_yaw, c.stick_yaw, 1e-5f) << c.what;
    }
}

// ---- lateral autopilot -----------------------------------------------------

// At KSBD (variation 14.2 east) a bug of 090 is a true heading of 104.2. At
// 50 m/s a standard-rate turn banks 15.1 degrees.
TEST_F(Controls, HeadingBugIsMagneticAndBanksTheShortWayUpToStandardRate)
{
    env.mag_var = -14.2f;
    nav.hdg_bug = 90;
    ott.ap_hdg = 1;
    const float limit = atanf(50 * con.pi / (con.g * 60)) * con.radtodeg;
    const struct {
        float psi, gnd_speed, stick_roll;
    } cases[] = {
        {104.2f, 50, 0},
        {90, 50, 0.142f},
        {110, 50, -0.058f},
        {150, 50, -0.01f * limit},
        {300, 50, 0.01f * limit},      // 195.8 left is 164.2 right
        {0, 500, 0.3f},                // 30 degrees at most
        {90, 0, 0},                    // standing still: wings level
    };
    for (auto& c : cases) {
        flt.psi[0] = c.psi;
        flt.gnd_speed[0] = c.gnd_speed;
        update_controls();
        EXPECT_NEAR(set.stick_roll, c.stick_roll, 1e-4f) << "true heading " << c.psi;
    }

    // Roll rate and roll acceleration are damped; the attitude indicator is
    // what it levels; an aeroplane's rudder is left centred.
    flt.psi[0] = 104.2f;
    flt.gnd_speed[0] = 50;
    flt.roll_rate = 20;
    flt.Pdot = 100;
    ins.ah_roll = 5;
    set.stick_yaw = 0.5f;
    update_controls();
    EXPECT_NEAR(set.stick_roll, -0.01f - 0.02f - 0.05f, 1e-4f);
    EXPECT_EQ(set.stick_yaw, 0.0f);

    rel.system_ok[sys_autopilot] = 0;
    set.stick_roll = 0;
    update_controls();
    EXPECT_EQ(set.stick_roll, 0.0f);
}

// Each navigation source, read through the stick: the aircraft heads 5
// degrees left of the expected magnetic target, which asks for 0.05 of stick.
TEST_F(Controls, NavigationHoldsFollowTheirCourseSource)
{
    msc.vstall = 100;
    env.mag_var = -14.2f;
    nav.hdg_bug = 300;
    nav.nav_crs1 = 40;
    nav.nav_crs2 = 200;
    nav.gps_crs = 130;
    // NAV1's station due east (true 090), NAV2's south-west (true 225).
    flt.pos_x[0] = 1000;
    flt.pos_z[0] = -2000;
    nav.stn_x[0] = 2000;
    nav.stn_z[0] = -2000;
    nav.stn_x[1] = 0;
    nav.stn_z[1] = -1000;
    flt.gnd_speed[0] = 50;

    const struct {
        const char* what;
        int hdg, nav1, nav2, supptype, gate, cdi;
        float ias_kts, course;
    } cases[] = {
        {"NAV1 with the VOR head", 0, 1, 0, 1, 0, 0, 80, 40},
        {"NAV1 with the RMI", 0, 1, 0, 7, 0, 0, 80, 40},
        {"NAV1 with a map: the GPS course, true", 0, 1, 0, 3, 0, 0, 80, 130 - 14.2f},
        {"NAV2 never the GPS", 0, 0, 1, 3, 0, 0, 80, 200},
        {"NAV1 flag at 99 keeps the course", 0, 1, 0, 1, 99, 0, 80, 40},
        {"NAV1 past the flag: the station's bearing", 0, 1, 0, 1, 100, 0, 80, 90 - 14.2f},
        {"NAV2 past the flag: the station's bearing", 0, 0, 1, 3, 100, 0, 80, 225 - 14.2f},
        {"one dot at 80 knots cuts 10 degrees", 0, 1, 0, 1, 0, 1, 80, 50},
        {"five dots cut at most 30", 0, 1, 0, 1, 0, -5, 80, 10},
        {"a dot at rest cuts 30, no division by 0", 0, 1, 0, 1, 0, 1, 0, 70},
        {"the heading bug wins", 1, 1, 0, 1, 0, 0, 80, 300},
    };
    for (auto& c : cases) {
        ott.ap_hdg = c.hdg;
        ott.ap_nav1 = c.nav1;
        ott.ap_nav2 = c.nav2;
        pln[0].supptype = c.supptype;
        nav.gate[0] = nav.gate[1] = c.gate;
        nav.cdi[0] = nav.cdi[1] = (float)c.cdi;
        flt.ias_kts = c.ias_kts;
        flt.psi[0] = wrap360(c.course + 14.2f - 5);
        update_controls();
        EXPECT_NEAR(set.stick_roll, 0.05f, 1e-4f) << c.what;
    }

    // A course and cut past north wrap into 0..360.
    ott.ap_hdg = 0;
    ott.ap_nav1 = 1;
    pln[0].supptype = 1;
    nav.gate[0] = 0;
    nav.nav_crs1 = 350;
    nav.cdi[0] = 2;
    flt.ias_kts = 80;
    flt.psi[0] = wrap360(10 + 14.2f - 5);
    update_controls();
    EXPECT_NEAR(set.stick_roll, 0.05f, 1e-4f);
}

// A helicopter's autopilot also holds its tail straight.
TEST_F(Controls, HelicopterHeadingHoldDampsSlipAndYawRate)
{
    pln[0].is_heli = 1;
    set.rudder_pedals = 1;
    ott.ap_hdg = 1;
    flt.beta = 2;
    flt.yaw_rate = 6;
    update_controls();
    EXPECT_NEAR(set.stick_yaw, -0.1f - 0.3f, 1e-5f);
}

// ---- vertical autopilot ----------------------------------------------------

// One frame from engagement, level and steady at 200 m/s over the ground:
// the trim asks half the pitch that climbs at vs, plus the integrator's
// first step.
static float first_trim(float vs)
{
    return (asinf(vs / 200) * 57.29578f + vs * 0.1f * 0.05f) * 0.5f;
}

TEST_F(Controls, VerticalSpeedComesFromTheLastModeOfVsAltitudeAndGlideSlope)
{
    const float gs_nav2 = -200 * sinf(1.0f * 3.14159265f / 180);   // 1.5 - 2 x 0.25 degrees
    const float gs_nav1 = -200 * sinf(1.2f * 3.14159265f / 180);   // 1.0 + 2 x 0.1
    const struct {
        const char* what;
        int vvi, alt, gs, nav1, supptype;
        float vvi_target, alt_error;   // target - altitude, m
        float nav2_angle;
        float vs;
    } cases[] = {
        {"vertical speed", 1, 0, 0, 0, 1, 3, 0, 1.5f, 3},
        {"altitude 40 m below: 2 m/s", 0, 1, 0, 0, 1, 5, 40, 1.5f, 2},
        {"altitude far above: the limit", 0, 1, 0, 0, 1, 5, -400, 1.5f, -5},
        {"a negative limit counts by size", 0, 1, 0, 0, 1, -4, 400, 1.5f, 4},
        {"altitude wins over vertical speed", 1, 1, 0, 0, 1, 5, 40, 1.5f, 2},
        {"glide slope on NAV2", 0, 0, 1, 0, 1, 5, 0, 1.5f, gs_nav2},
        {"glide slope on NAV1", 0, 0, 1, 1, 1, 5, 0, 1.5f, gs_nav1},
        {"glide slope on NAV1 of an RMI", 0, 0, 1, 1, 7, 5, 0, 1.5f, gs_nav1},
        {"NAV1 flies the GPS: glide slope on NAV2", 0, 0, 1, 1, 3, 5, 0, 1.5f, gs_nav2},
        {"glide slope wins over altitude", 0, 1, 1, 0, 1, 5, 40, 1.5f, gs_nav2},
        {"no glide slope received: level", 0, 0, 1, 0, 1, 5, 40, -99.9f, 0},
        {"a VOR is no glide slope: altitude holds", 0, 1, 1, 0, 1, 5, 40, 99.9f, 2},
    };
    flt.gnd_speed[0] = 200;
    nav.gs_angle[0] = 1.0f;
    nav.gsi[0] = 0.1f;
    nav.gs_angle[1] = 1.5f;
    nav.gsi[1] = -0.25f;
    flt.alt_now = 1000;
    for (auto& c : cases) {
        clear_flight_state();
        flt.pitch_trim = 0;
        ott.ap_vvi = c.vvi;
        ott.ap_alt = c.alt;
        ott.ap_gs = c.gs;
        ott.ap_nav1 = c.nav1;
        pln[0].supptype = c.supptype;
        nav.gs_angle[1] = c.nav2_angle;
        ott.vvi_target = c.vvi_target;
        ott.alt_target = flt.alt_now + c.alt_error;
        update_controls();
        EXPECT_NEAR(flt.pitch_trim, first_trim(c.vs), 1e-4f) << c.what;
    }
}

// Engaging takes the trim as found and starts the integrator at 0; a
// sinking aircraft winds the integrator up until the hold is released.
TEST_F(Controls, EngagementKeepsTheTrimFoundAndTheIntegratorWindsUp)
{
    flt.gnd_speed[0] = 200;
    ott.ap_vvi = 1;
    flt.pitch_trim = 0.3f;
    update_controls();
    EXPECT_NEAR(flt.pitch_trim, 0.3f, 1e-6f);

    flt.vel_y = -2;    // 0.01 degree a frame
    for (int i = 0; i < 10; i++) update_controls();
    EXPECT_NEAR(flt.pitch_trim, 0.3f + 0.5f * 0.1f, 1e-4f);

    // Off, then on again: the trim now is the new base, the integrator empty.
    ott.ap_vvi = 0;
    update_controls();
    flt.vel_y = 0;
    ott.ap_vvi = 1;
    update_controls();
    EXPECT_NEAR(flt.pitch_trim, 0.35f, 1e-4f);

    // A failed pitch servo moves no trim.
    rel.system_ok[sys_trim] = 0;
    flt.vel_y = -20;
    for (int i = 0; i < 10; i++) update_controls();
    EXPECT_NEAR(flt.pitch_trim, 0.35f, 1e-6f);
}

// A large error saturates the trim at 1 and keeps it there.
TEST_F(Controls, PitchTrimStaysWithinItsRange)
{
    flt.gnd_speed[0] = 50;
    ott.ap_vvi = 1;
    ott.vvi_target = 40;
    for (int i = 0; i < 50; i++) {
        update_controls();
        ASSERT_LE(flt.pitch_trim, 1.0f);
    }
    EXPECT_EQ(flt.pitch_trim, 1.0f);
}

// A situation restored onto a runway with altitude hold on: no climb angle
// at rest, so no NaN reaches the trim.
TEST_F(Controls, AtRestThePitchTargetIsLevel)
{
    ott.ap_alt = 1;
    ott.vvi_target = 5;
    ott.alt_target = 40;
    flt.gnd_speed[0] = 0;
    update_controls();
    ASSERT_TRUE(std::isfinite(flt.pitch_trim));
    EXPECT_NEAR(flt.pitch_trim, 0.5f * 2 * 0.1f * 0.05f, 1e-6f);
    EXPECT_TRUE(std::isfinite(set.ctl_pitch));
}

// ---- autothrottle ----------------------------------------------------------

TEST_F(Controls, AutothrottleSlewsAtATenthASecondWithinZeroToOne)
{
    ott.ap_speed = 1;
    ott.speed_target = 100;
    flt.ias_kts = 60;
    float last = 0.5f;
    for (int i = 0; i < 120; i++) {
        update_controls();
        float t = flt.throttle_req[0];
        ASSERT_LE(fabsf(t - last), 0.1f * msc.dt + 1e-6f) << "frame " << i;
        ASSERT_GE(t, 0.0f);
        ASSERT_LE(t, 1.0f);
        for (int e = 1; e < plane_engines; e++) ASSERT_EQ(flt.throttle_req[e], t);
        last = t;
    }
    EXPECT_EQ(last, 1.0f);

    flt.ias_kts = 200;
    for (int i = 0; i < 250; i++) update_controls();
    EXPECT_EQ(flt.throttle_req[3], 0.0f);

    // Accelerating toward the target it eases off before it gets there.
    flt.ias_kts = 99;
    for (int i = 0; i < 200; i++) update_controls();
    float settled = flt.throttle_req[0];
    EXPECT_NEAR(settled, 0.55f, 1e-4f);
    flt.ias_kts = 99.05f;   // 1 knot a second
    update_controls();
    EXPECT_LT(flt.throttle_req[0], settled);

    // Without a working autopilot the throttles are the pilot's.
    rel.system_ok[sys_autopilot] = 0;
    for (int e = 0; e < plane_engines; e++) flt.throttle_req[e] = 0.3f;
    update_controls();
    EXPECT_EQ(flt.throttle_req[0], 0.3f);
}

// A new flight starts the autothrottle from half throttle again.
TEST_F(Controls, FlightResetRestartsTheAutothrottleFromHalf)
{
    ott.ap_speed = 1;
    ott.speed_target = 300;
    for (int i = 0; i < 40; i++) update_controls();
    EXPECT_NEAR(flt.throttle_req[0], 0.7f, 1e-4f);
    clear_flight_state();
    update_controls();
    EXPECT_NEAR(flt.throttle_req[0], 0.505f, 1e-5f);
}

// ---- augmentation, failures, trims -----------------------------------------

// Low speed damps the rates toward what stick and trim ask; high speed also
// holds angle of attack and slip; IAS between 60 and 100 knots blends them.
TEST_F(Controls, AugmentationBlendsLowAndHighSpeedLaws)
{
    planestruct& a = pln[0];
    a.ASloV = 60;
    a.AShiV = 100;
    a.ASmaxp1 = 20, a.ASp1 = 0.1f, a.ASmaxp2 = 10, a.ASp2 = 0.05f;
    a.ASmaxh1 = 20, a.ASh1 = 0.1f, a.ASmaxh2 = 10, a.ASh2 = 0.05f;
    a.ASmaxr1 = 50, a.ASr1 = 0.01f, a.ASmaxr2 = 50, a.ASr2 = 0.02f;
    msc.vstall = 200;   // full gain throughout
    flt.pitch_rate = 2, flt.alpha = 4;
    flt.yaw_rate = -2, flt.beta = -4;
    flt.roll_rate = 10;
    const struct {
        const char* what;
        float ias, pitch_trim;
        int on_ground, augmentation;
        float pitch, yaw, roll;
    } cases[] = {
        {"below the low speed", 40, 0, 0, 1, -0.2f, 0.2f, -0.1f},
        {"at the low speed", 60, 0, 0, 1, -0.2f, 0.2f, -0.1f},
        {"halfway", 80, 0, 0, 1, -0.3f, 0.3f, -0.15f},
        {"at the high speed", 100, 0, 0, 1, -0.4f, 0.4f, -0.2f},
        {"above it", 140, 0, 0, 1, -0.4f, 0.4f, -0.2f},
        // p = 0.2: (20 x 0.2 - 2) x 0.1 = 0.2, plus the trim's own 0.2
        {"trim asks a pitch rate", 40, 0.4f, 0, 1, 0.4f, 0.2f, -0.1f},
        {"on the ground: no yaw augmentation", 40, 0, 1, 1, -0.2f, 0, -0.1f},
        {"failed augmentation", 40, 0, 0, 0, 0, 0, 0},
    };
    for (auto& c : cases) {
        flt.ias_kts = c.ias;
        flt.pitch_trim = c.pitch_trim;
        flt.on_ground = c.on_ground;
        rel.system_ok[sys_stability] = c.augmentation;
        update_controls();
        EXPECT_NEAR(set.ctl_pitch, c.pitch, 1e-5f) << c.what;
        EXPECT_NEAR(set.ctl_yaw, c.yaw, 1e-5f) << c.what;
        EXPECT_NEAR(set.ctl_roll, c.roll, 1e-5f) << c.what;
    }
}

// The rate damping gives -0.2 pitch, 0.2 yaw and -0.1 roll; the trims add
// 0.1 each after the failures and the control power.
TEST_F(Controls, FailuresAndControlPowerScaleAllButTheTrims)
{
    planestruct& a = pln[0];
    a.ASloV = 60;
    a.AShiV = 100;
    a.ASp1 = a.ASh1 = 0.1f;
    a.ASr1 = 0.01f;
    msc.vstall = 200;
    flt.ias_kts = 40;
    flt.pitch_rate = 2, flt.yaw_rate = -2, flt.roll_rate = 10;
    flt.pitch_trim = 0.2f, flt.yaw_trim = 0.4f, flt.roll_trim = 1.0f;
    // The trims also ask rates through the augmentation: ASmax* stay 0 here.
    const struct {
        const char* what;
        int sys;
        float power;
        float pitch, yaw, roll;
    } cases[] = {
        {"all working", -1, 1, -0.1f, 0.3f, 0},
        {"elevator failed", sys_elevator, 1, 0.1f, 0.3f, 0},
        {"rudder failed", sys_rudder, 1, -0.1f, 0.1f, 0},
        {"aileron failed", sys_aileron, 1, -0.1f, 0.3f, 0.1f},
        {"half control power", -1, 0.5f, 0, 0.2f, 0.05f},
        {"no control power", -1, 0, 0.1f, 0.1f, 0.1f},
    };
    for (auto& c : cases) {
        restore_systems();
        if (c.sys >= 0) rel.system_ok[c.sys] = 0;
        rel.control_power = c.power;
        update_controls();
        EXPECT_NEAR(set.ctl_pitch, c.pitch, 1e-5f) << c.what;
        EXPECT_NEAR(set.ctl_yaw, c.yaw, 1e-5f) << c.what;
        EXPECT_NEAR(set.ctl_roll, c.roll, 1e-5f) << c.what;
    }

    // Full trim on top of a full command stays at the stop.
    restore_systems();
    flt.pitch_rate = -30;
    flt.pitch_trim = 1;
    update_controls();
    EXPECT_EQ(set.ctl_pitch, 1.0f);
}

// ---- surfaces --------------------------------------------------------------

// The shipped Cessna: ailerons 20 up and 15 down, elevator 28 up and 23
// down, rudder 17.7 each way; nothing mixes. Driven in replay, where the
// ratios are taken as recorded.
TEST_F(Controls, CessnaDeflectionsStayWithinItsLimits)
{
    ASSERT_EQ(open_loader_surroundings(), 1);
    ASSERT_EQ(load_named(0), 1);
    const planestruct& a = pln[0];
    ASSERT_EQ(a.ailn_up, 20.0f);
    ASSERT_EQ(a.ailn_dn, 15.0f);
    ASSERT_EQ(a.elev_up, 28.0f);
    ASSERT_EQ(a.elev_dn, 23.0f);
    ASSERT_NEAR(a.rudd_def, 17.7f, 1e-4f);
    set.replay_speed = 6;
    const struct {
        float p, r, y;
        float ail_L, ail_R, elev, rudd;
    } cases[] = {
        {0, 0, 0, 0, 0, 0, 0},
        {1, 0, 0, 0, 0, 28, 0},
        {-1, 0, 0, 0, 0, -23, 0},
        {0, -1, 0, 20, -15, 0, 0},
        {0, 1, 0, -15, 20, 0, 0},
        {0, 0, 1, 0, 0, 0, -17.7f},
        {0, 0, -1, 0, 0, 0, 17.7f},
        {0.5f, -0.5f, -0.5f, 10, -7.5f, 14, 8.85f},
        {-0.25f, 0.8f, 0.2f, -12, 16, -5.75f, -3.54f},
    };
    for (auto& c : cases) {
        set.ctl_pitch = c.p;
        set.ctl_roll = c.r;
        set.ctl_yaw = c.y;
        update_controls();
        std::string at = "p " + std::to_string(c.p) + " r " + std::to_string(c.r) + " y " + std::to_string(c.y);
        EXPECT_NEAR(flt.ailn_def_L, c.ail_L, 1e-4f) << at;
        EXPECT_NEAR(flt.ailn_def_R, c.ail_R, 1e-4f) << at;
        EXPECT_NEAR(flt.elev_def_L, c.elev, 1e-4f) << at;
        EXPECT_NEAR(flt.elev_def_R, c.elev, 1e-4f) << at;
        EXPECT_NEAR(flt.rudd_def_now, c.rudd, 1e-4f) << at;
        for (float d : {flt.ailn_def_L, flt.ailn_def_R}) {
            EXPECT_LE(d, a.ailn_up) << at;
            EXPECT_GE(d, -a.ailn_dn) << at;
        }
        EXPECT_LE(flt.elev_def_L, a.elev_up) << at;
        EXPECT_GE(flt.elev_def_L, -a.elev_dn) << at;
        EXPECT_LE(fabsf(flt.rudd_def_now), a.rudd_def) << at;
        EXPECT_EQ(flt.splr_def_L + flt.splr_def_R + flt.drud_def_L + flt.drud_def_R, 0.0f) << at;
    }
    close_loader_surroundings();
}

// Spoilers and drag rudders work one side at a time; ailerons droop with
// flaps and pitch; a tail mixes roll and yaw into its two halves.
TEST_F(Controls, MixedSurfaces)
{
    planestruct& a = pln[0];
    a.ailn_up = 20, a.ailn_dn = 10;
    a.ailpitch = 4, a.ailflaps = 10;
    a.splr_def = 60, a.drud_def = 40;
    a.elev_up = 20, a.elev_dn = 15;
    a.stabroll = 5, a.stabhdng = 8;
    flt.flap_ratio = 0.5f;
    set.replay_speed = 1;
    const struct {
        float p, r, y;
        float ail_L, ail_R, splr_L, splr_R, drud_L, drud_R, elev_L, elev_R;
    } cases[] = {
        {0, 0, 0, -5, -5, 0, 0, 0, 0, 0, 0},
        {0.5f, -0.5f, 0.25f, 10 + 2 - 5, -5 + 2 - 5, 30, 0, 0, 10, 10 + 2.5f + 2, 10 - 2.5f - 2},
        {-1, 1, -1, -10 - 4 - 5, 20 - 4 - 5, 0, 60, 40, 0, -15 - 5 - 8, -15 + 5 + 8},
    };
    for (auto& c : cases) {
        set.ctl_pitch = c.p;
        set.ctl_roll = c.r;
        set.ctl_yaw = c.y;
        update_controls();
        EXPECT_NEAR(flt.ailn_def_L, c.ail_L, 1e-4f) << c.p << " " << c.r << " " << c.y;
        EXPECT_NEAR(flt.ailn_def_R, c.ail_R, 1e-4f);
        EXPECT_NEAR(flt.splr_def_L, c.splr_L, 1e-4f);
        EXPECT_NEAR(flt.splr_def_R, c.splr_R, 1e-4f);
        EXPECT_NEAR(flt.drud_def_L, c.drud_L, 1e-4f);
        EXPECT_NEAR(flt.drud_def_R, c.drud_R, 1e-4f);
        EXPECT_NEAR(flt.elev_def_L, c.elev_L, 1e-4f);
        EXPECT_NEAR(flt.elev_def_R, c.elev_R, 1e-4f);
    }
}

// The tail rotor's pitch spans min to max over the pedals, reversed for a
// rotor turning the other way; the cyclic tilts the main rotor only.
TEST_F(Controls, HelicopterTailRotorAndCyclic)
{
    planestruct& a = pln[0];
    a.is_heli = 1;
    a.minpitch[1] = -10, a.maxpitch[1] = 20;
    a.vertcant[0] = 90, a.vertcant[1] = 0;
    a.sidecant[0] = 0, a.sidecant[1] = -90;
    a.elevcyclic = 10, a.ailncyclic = 6;
    set.replay_speed = 1;
    const struct {
        int propdir;
        float y, blade;
    } cases[] = {{-1, -1, -10}, {-1, 1, 20}, {-1, 0, 5}, {1, -1, 20}, {1, 1, -10}};
    for (auto& c : cases) {
        a.propdir[1] = c.propdir;
        set.ctl_yaw = c.y;
        update_controls();
        EXPECT_NEAR(flt.blade_pitch[1], c.blade, 1e-4f) << c.propdir << " " << c.y;
    }
    EXPECT_EQ(flt.blade_pitch[0], 0.0f);

    set.ctl_pitch = -0.5f;
    set.ctl_roll = 0.5f;
    update_controls();
    EXPECT_NEAR(flt.vert_cant[0], 85, 1e-4f);
    EXPECT_NEAR(flt.side_cant[0], 3, 1e-4f);
    EXPECT_NEAR(flt.vert_cant[1], 0, 1e-6f);
    EXPECT_NEAR(flt.side_cant[1], -90, 1e-6f);
    EXPECT_NEAR(flt.thrust_dir_n[0], sinf(85 * con.degtorad), 1e-6f);
    EXPECT_NEAR(flt.thrust_dir_a[0], cosf(85 * con.degtorad), 1e-6f);
    EXPECT_NEAR(flt.sin_side_cant[1], -1, 1e-6f);
    EXPECT_NEAR(flt.cos_side_cant[0], cosf(3 * con.degtorad), 1e-6f);
    EXPECT_EQ(a.vertcant[2], 0.0f);
}

// Tilting propellers take the cyclic on both rotors; every vectored thrust
// line of an aeroplane turns with the first, a frame after the cants read it.
TEST_F(Controls, VectoredThrustCants)
{
    planestruct& a = pln[0];
    a.vectEQ = 1;
    a.elevcyclic = 10, a.ailncyclic = 6;
    set.replay_speed = 1;
    set.ctl_pitch = 0.5f;
    set.ctl_roll = -1;

    a.entype = 3;
    a.vertcant[0] = 60;
    a.vertcant[1] = 0;
    update_controls();
    EXPECT_NEAR(flt.vert_cant[0], 65, 1e-4f);
    EXPECT_NEAR(flt.vert_cant[1], 5, 1e-4f);
    EXPECT_NEAR(flt.side_cant[1], -6, 1e-4f);
    for (int f = 1; f < 4; f++) EXPECT_EQ(a.vertcant[f], 60.0f) << f;
    update_controls();
    EXPECT_NEAR(flt.vert_cant[1], 65, 1e-4f);
    EXPECT_NEAR(flt.vert_cant[2], 60, 1e-4f);

    // A jet's nozzles take no cyclic.
    a.entype = 4;
    a.vertcant[0] = 30;
    update_controls();
    update_controls();
    for (int f = 0; f < 4; f++) {
        EXPECT_NEAR(flt.vert_cant[f], 30, 1e-4f) << f;
        EXPECT_EQ(flt.side_cant[f], 0.0f) << f;
    }

    // A helicopter's rotors are not tied together.
    a.is_heli = 1;
    a.vertcant[0] = 90;
    a.vertcant[1] = 0;
    update_controls();
    EXPECT_EQ(a.vertcant[1], 0.0f);
}

// Wings and horizontal stabilisers sweep; the fin never does.
TEST_F(Controls, SweepMovesPartsFourToElevenOnly)
{
    planestruct& a = pln[0];
    for (int part = 4; part <= 12; part++) {
        a.sweep1[part] = 20;
        a.sweep2[part] = 60;
        a.varsweepEQ[part] = part != 7;
        a.sweepnow[part] = -1;
    }
    flt.sweep_ratio = 0.25f;
    update_controls();
    for (int part = 4; part <= 11; part++) EXPECT_NEAR(a.sweepnow[part], part == 7 ? 20 : 30, 1e-4f) << part;
    EXPECT_EQ(a.sweepnow[12], -1.0f);
    EXPECT_EQ(a.sweepnow[3], 0.0f);
}

// ---- replay ----------------------------------------------------------------

// Autopilot, trims and throttles stand still; the recorded ratios alone
// move the surfaces.
TEST_F(Controls, ReplayOnlyTurnsRecordedRatiosIntoDeflections)
{
    planestruct& a = pln[0];
    a.ailn_up = 10, a.ailn_dn = 8, a.elev_up = 20, a.rudd_def = 15;
    ott.ap_hdg = ott.ap_alt = ott.ap_speed = 1;
    nav.hdg_bug = 90;
    ott.alt_target = 1000;
    ott.vvi_target = 5;
    ott.speed_target = 200;
    flt.gnd_speed[0] = 50;
    flt.pitch_trim = 0.1f;
    set.stick_roll = 0.2f;
    set.stick_yaw = 0.3f;
    for (int e = 0; e < plane_engines; e++) flt.throttle_req[e] = 0.3f;
    set.replay_speed = 2;
    set.ctl_pitch = 0.5f;
    set.ctl_roll = -0.5f;
    set.ctl_yaw = 0.2f;
    update_controls();
    EXPECT_EQ(set.ctl_pitch, 0.5f);
    EXPECT_EQ(set.ctl_roll, -0.5f);
    EXPECT_EQ(set.ctl_yaw, 0.2f);
    EXPECT_EQ(set.stick_roll, 0.2f);
    EXPECT_EQ(set.stick_yaw, 0.3f);
    EXPECT_EQ(flt.pitch_trim, 0.1f);
    EXPECT_EQ(flt.throttle_req[0], 0.3f);
    EXPECT_NEAR(flt.elev_def_L, 10, 1e-5f);
    EXPECT_NEAR(flt.ailn_def_L, 5, 1e-5f);
    EXPECT_NEAR(flt.ailn_def_R, -4, 1e-5f);
    EXPECT_NEAR(flt.rudd_def_now, -3, 1e-5f);

    // Live again, the same aircraft flies its autopilot.
    set.replay_speed = 0;
    update_controls();
    EXPECT_NE(set.stick_roll, 0.2f);
    EXPECT_NE(flt.pitch_trim, 0.1f);
    EXPECT_NE(flt.throttle_req[0], 0.3f);
}

// ---- touchdown -------------------------------------------------------------

TEST_F(Controls, TouchdownBrakesDeploysArmedSpeedBrakesAndDisconnects)
{
    const struct {
        const char* what;
        int autofbrk, autosbrk, handle, ap_switch, replay;
        float brake;
        int handle_after, disconnects;
    } cases[] = {
        {"nothing automatic", 0, 0, -1, -1, 0, 0, -1, 0},
        {"automatic brakes", 1, 0, 0, -1, 0, 1, 0, 0},
        {"armed speed brakes", 0, 1, -1, -1, 0, 0, 2, 0},
        {"speed brakes not armed", 0, 1, 1, -1, 0, 0, 1, 0},
        {"heading hold", 0, 0, 0, 0, 0, 0, 0, 1},
        {"speed hold", 0, 0, 0, 6, 0, 0, 0, 1},
        {"everything, in replay", 1, 1, -1, 3, 2, 0, -1, 0},
    };
    for (auto& c : cases) {
        clear_flight_state();
        calls.clear();
        ott = ottostruct();
        int* sw[7] = {&ott.ap_hdg, &ott.ap_nav1, &ott.ap_nav2, &ott.ap_alt, &ott.ap_vvi, &ott.ap_gs, &ott.ap_speed};
        if (c.ap_switch >= 0) *sw[c.ap_switch] = 1;
        pln[0].autofbrkEQ = c.autofbrk;
        pln[0].autosbrkEQ = c.autosbrk;
        flt.sbrk_handle = c.handle;
        flt.brake_ratio = 0;
        set.replay_speed = c.replay;
        flt.on_ground = 0;
        update_controls();
        flt.on_ground = 1;
        update_controls();
        EXPECT_EQ(flt.brake_ratio, c.brake) << c.what;
        EXPECT_EQ(flt.sbrk_handle, c.handle_after) << c.what;
        EXPECT_EQ(calls, c.disconnects ? std::vector<std::string>{"key ! 1"} : std::vector<std::string>{}) << c.what;

        // Rolling on is no new touchdown, nor is leaving the replay on the ground.
        flt.brake_ratio = 0;
        set.replay_speed = 0;
        update_controls();
        EXPECT_EQ(flt.brake_ratio, 0.0f) << c.what;
        EXPECT_EQ(calls.size(), (size_t)c.disconnects) << c.what;
    }
}

// The shipped Cessna flown live, standing still: the stick held at each end
// brings its surfaces to their stops within half a second, and without a
// stick the keypad's yoke moves them through the curve.
TEST_F(StickControls, CessnaSurfacesFollowTheStickAndTheKeypad)
{
    ASSERT_EQ(open_loader_surroundings(), 1);
    ASSERT_EQ(load_named(0), 1);
    msc.dt = 0.05f;
    const struct {
        int x, y, r;                 // stick axes
        float ail_L, ail_R, elev, rudd;
    } cases[] = {
        {32768, 65535, 32768, 0, 0, 28, 0},
        {32768, 0, 32768, 0, 0, -23, 0},
        {0, 32768, 32768, 20, -15, 0, 0},
        {65535, 32768, 65535, -15, 20, 0, -17.7f},
        {65535, 0, 0, -15, 20, -23, 17.7f},
    };
    for (auto& c : cases) {
        host_test_joy_axis(0, axis_x, c.x);
        host_test_joy_axis(0, axis_y, c.y);
        host_test_joy_axis(0, axis_r, c.r);
        for (int frame = 0; frame < 12; frame++) update_controls();
        std::string at = std::to_string(c.x) + " " + std::to_string(c.y) + " " + std::to_string(c.r);
        EXPECT_NEAR(flt.ailn_def_L, c.ail_L, 0.01f) << at;
        EXPECT_NEAR(flt.ailn_def_R, c.ail_R, 0.01f) << at;
        EXPECT_NEAR(flt.elev_def_L, c.elev, 0.01f) << at;
        EXPECT_NEAR(flt.elev_def_R, c.elev, 0.01f) << at;
        EXPECT_NEAR(flt.rudd_def_now, c.rudd, 0.01f) << at;
    }

    // Unplugged and the keypad instead: four presses of pitch up and two of
    // right roll, through the curve with no null zone.
    set.joy_device = joy_none;
    for (int k = 0; k < 4; k++) yoke_key(1);
    for (int k = 0; k < 2; k++) yoke_key(4);
    for (int frame = 0; frame < 12; frame++) update_controls();
    const float pitch = powf(0.2f, 1.5f), roll = powf(0.2f, 1.5f);
    EXPECT_NEAR(flt.elev_def_L, pitch * 28 - roll * pln[0].stabroll, 0.01f);
    EXPECT_NEAR(flt.ailn_def_L, -roll * 15 + pln[0].ailpitch * pitch, 0.01f);
    EXPECT_NEAR(flt.ailn_def_R, roll * 20 + pln[0].ailpitch * pitch, 0.01f);
    close_loader_surroundings();
}
