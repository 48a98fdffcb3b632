// The stick reader: start-up's choice of stick and its notices, the axes raw
// and shaped, the hat and buttons as inputs, the assigned actions held,
// pressed and released, and the helicopter chords. A virtual stick stands in
// for the user's; the shell's calls go to a recorder.
#include <gtest/gtest.h>

#include "HL_MNW.h"
#include "Hl_joy.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <string>

// ---- recorder and fixture ------------------------------------------------

static std::string calls;

static void note(const std::string& s) { calls += (calls.empty() ? "" : "|") + s; }
static void record_key(char k, int flag) { note("key " + std::to_string((int)k) + " " + std::to_string(flag)); }
static void record_menu(int item) { note("menu " + std::to_string(item)); }
static void record_yoke(int code) { note("yoke " + std::to_string(code)); }
static void record_views(int code) { note("views " + std::to_string(code)); }
static void record_das(float x, float y) { note("das " + std::to_string((int)x) + " " + std::to_string((int)y)); }

static std::string key(char k) { return "key " + std::to_string((int)k) + " 1"; }

struct Controls {
    float pitch, roll, yaw, throttle;
};

static Controls read_stick(int apply)
{
    Controls c;
    JOY_get(&c.pitch, &c.roll, &c.yaw, &c.throttle, apply);
    return c;
}

class Joy : public ::testing::Test {
protected:
    shell_calls real;
    int stick = -1;

    void SetUp() override
    {
        reset_suite_state();
        host_test_joy_no_system(0);
        host_test_joy_detach_all();
        host_joy_state s;
        if (host_joy_read(0, &s)) GTEST_SKIP() << "a real stick is plugged in";
        real = shell;
        shell.APPLICATION_handlekey = record_key;
        shell.APPLICATION_handlemenu = record_menu;
        shell.yoke_key = record_yoke;
        shell.freeviews_keys = record_views;
        shell.manage_das = record_das;
        calls.clear();
        ogl_ready = 0;
        err.close();
        err.open("Error.out", std::ios::out | std::ios::trunc);

        set.ctl_scale_b = set.ctl_scale_c = set.ctl_scale_d = 1;
        set.rudder_pedals = 1;
        msc.dt = 0.1f;
        stick = host_test_joy_attach();
        ASSERT_EQ(stick, 0);
        set.joy_device = joy_first;
    }
    void TearDown() override
    {
        shell = real;
        host_test_joy_no_system(0);
        host_test_joy_detach_all();
    }
    void centre_axes(void)
    {
        for (int a = 0; a < 4; a++) host_test_joy_axis(stick, a, 32767);
    }
    // Button n (1..16) held for `frames` reads, then let go for one.
    std::string press_hold_release(int button, int frames)
    {
        calls.clear();
        host_test_joy_buttons(stick, 1u << (button - 1));
        for (int f = 0; f < frames; f++) read_stick(1);
        host_test_joy_buttons(stick, 0);
        read_stick(1);
        return calls;
    }
};

// ---- the curve -----------------------------------------------------------

TEST(JoyCurve, MovesTowardZeroByTheZoneThenRaisesToOneAndAHalf)
{
    struct {
        float value, zone, moved, result;
    } cases[] = {
        {0.5f, 0.1f, 0.4f, 0.25298f},
        {-0.5f, 0.1f, -0.4f, -0.25298f},
        {0.05f, 0.1f, 0, 0},       // inside the zone: stops at 0, never crosses
        {-0.05f, 0.1f, 0, 0},
        {1.0f, 0, 1.0f, 1.0f},
        {0.25f, 0, 0.25f, 0.125f},
    };
    for (auto& c : cases) {
        float v = c.value;
        EXPECT_NEAR(JOY_curve(&v, c.zone), c.result, 1e-5f) << c.value << " " << c.zone;
        EXPECT_NEAR(v, c.moved, 1e-6f) << c.value << " " << c.zone;
    }
}

// ---- axes ----------------------------------------------------------------

TEST_F(Joy, RawAxesAreOnlyScaledAndClampedWhateverTheShaping)
{
    set.joy_extra_a = set.joy_extra_b = set.joy_extra_c = 0.2f;
    set.ctl_scale_b = set.ctl_scale_c = set.ctl_scale_d = 0.5f;
    set.pitch_key = 0.3f;
    struct {
        int x, y, z, r;
        Controls want;
    } cases[] = {
        {32767, 32767, 32767, 32767, {-1.0f / 65535, -1.0f / 65535, -1.0f / 65535, 1.1f - 32767 * 1.2f / 65537}},
        {0, 65535, 0, 65535, {1, -1, 1, 1}},           // the lever fully forward gives 1.1, held to 1
        {65535, 0, 65535, 0, {-1, 1, -1, 1.1f - 65535 * 1.2f / 65537}},  // fully back: about -0.1
    };
    for (auto& c : cases) {
        host_test_joy_axis(stick, 0, c.x);
        host_test_joy_axis(stick, 1, c.y);
        host_test_joy_axis(stick, 2, c.z);
        host_test_joy_axis(stick, 3, c.r);
        Controls got = read_stick(0);
        EXPECT_NEAR(got.pitch, c.want.pitch, 1e-6f) << c.y;
        EXPECT_NEAR(got.roll, c.want.roll, 1e-6f) << c.x;
        EXPECT_NEAR(got.yaw, c.want.yaw, 1e-6f) << c.r;
        EXPECT_NEAR(got.throttle, c.want.throttle, 1e-5f) << c.z;
    }
    EXPECT_EQ(calls, "");
}

TEST_F(Joy, EachAxisTakesItsOwnZoneAndFactorAndTheRudderNeedsPedals)
{
    host_test_joy_axis(stick, 0, 65535);
    host_test_joy_axis(stick, 1, 65535);
    host_test_joy_axis(stick, 3, 0);
    set.joy_extra_a = 0.1f;    // pitch
    set.joy_extra_c = 0.15f;   // roll
    set.joy_extra_b = 0.2f;    // yaw
    set.ctl_scale_b = 0.5f;    // pitch
    set.ctl_scale_d = 0.7f;    // roll
    set.ctl_scale_c = 0.6f;    // yaw
    Controls got = read_stick(1);
    EXPECT_NEAR(got.pitch, std::pow(0.9f, 1.5f) * 0.5f, 1e-5f);
    EXPECT_NEAR(got.roll, std::pow(0.85f, 1.5f) * 0.7f, 1e-5f);
    EXPECT_NEAR(got.yaw, -std::pow(0.8f, 1.5f) * 0.6f, 1e-5f);

    set.rudder_pedals = 0;
    EXPECT_EQ(read_stick(1).yaw, 0);
    EXPECT_EQ(read_stick(0).yaw, 0);
}

TEST_F(Joy, AtRestTheZoneSwallowsTheHalfStepAndTheKeyboardYokeStillCounts)
{
    centre_axes();
    set.joy_extra_a = 0.05f;
    set.ctl_scale_b = 0.8f;
    EXPECT_NEAR(read_stick(0).pitch, -0.0000153f, 1e-7f);
    EXPECT_EQ(read_stick(1).pitch, 0);

    set.pitch_key = 0.3f;
    EXPECT_NEAR(read_stick(1).pitch, std::pow(0.3f - 1.0f / 65535 - 0.05f, 1.5f) * 0.8f, 1e-5f);
}

// A zone saved near 1 from the settings window would leave the stick dead.
TEST_F(Joy, NullZonesCountAtMostAQuarterOfTheTravel)
{
    host_test_joy_axis(stick, 0, 65535);
    set.joy_extra_c = 0.9f;
    EXPECT_NEAR(read_stick(1).roll, std::pow(0.75f, 1.5f), 1e-5f);
    EXPECT_EQ(set.joy_extra_c, 0.9f);
    set.joy_extra_c = -0.5f;   // nor does a negative zone push the stick out
    EXPECT_NEAR(read_stick(1).roll, 1.0f, 1e-5f);
}

TEST_F(Joy, WithoutAStickOnlyTheKeyboardYokeMoves)
{
    set.joy_device = joy_none;
    host_test_joy_axis(stick, 0, 65535);
    host_test_joy_buttons(stick, 0xffff);
    set.joy_button_map[8] = 13;
    set.roll_key = -0.5f;
    Controls got = read_stick(0);
    EXPECT_EQ(got.pitch, 0);
    EXPECT_EQ(got.roll, 0);
    EXPECT_EQ(got.throttle, 0);
    got = read_stick(1);
    EXPECT_NEAR(got.roll, -std::pow(0.5f, 1.5f), 1e-6f);
    EXPECT_EQ(got.throttle, 0);
    EXPECT_EQ(calls, "");
    for (int i = 0; i < joy_inputs; i++) EXPECT_EQ(n_button_pressed[i], 0) << i;
}

// ---- inputs --------------------------------------------------------------

TEST_F(Joy, TheHatAndButtonsBecomeTheTwentyTwoInputs)
{
    struct {
        int pov;
        unsigned buttons;
        int input;   // the one input down, or -1 for none
    } cases[] = {
        {0, 0, 0},
        {18000, 0, 1},
        {27000, 0, 2},
        {9000, 0, 3},
        {4500, 0, -1},      // diagonals match none
        {65535, 0, -1},
        {65535, 1u << 0, 4},
        {65535, 1u << 3, 7},
        {65535, (1u << 0) | (1u << 1), -1},   // buttons 1 and 2 together: neither
        {65535, (1u << 2) | (1u << 3), -1},
        {65535, 1u << 4, 8},
        {65535, 1u << 15, 19},
    };
    for (auto& c : cases) {
        host_test_joy_hat(stick, c.pov);
        host_test_joy_buttons(stick, c.buttons);
        read_stick(0);
        for (int i = 0; i < joy_inputs; i++)
            EXPECT_EQ(n_button_pressed[i], i == c.input) << "pov " << c.pov << " buttons " << c.buttons << " input " << i;
    }
    // Button 1 alongside 5: button 1 still counts, its rule is among 1 to 4.
    host_test_joy_hat(stick, 65535);
    host_test_joy_buttons(stick, (1u << 0) | (1u << 4));
    read_stick(0);
    EXPECT_EQ(n_button_pressed[4], 1);
    EXPECT_EQ(n_button_pressed[8], 1);
}

// Each code on button 5 (input 8), held two reads and let go.
TEST_F(Joy, EachCodeActsWhileHeldOnPressOrOnRelease)
{
    osh = -100;
    struct {
        int code;
        std::string want;
    } cases[] = {
        {1, key(']') + "|" + key(']')},
        {2, key('[') + "|" + key('[')},
        {3, key('9') + "|" + key('9')},
        {4, key('0') + "|" + key('0')},
        {5, key('7') + "|" + key('7')},
        {6, key('8') + "|" + key('8')},
        {7, "yoke 5"},
        {8, "yoke 6"},
        {9, "menu 500"},
        {10, "menu 502|menu 500"},
        {11, "menu 506|menu 500"},
        {12, "menu 507|menu 500"},
        {13, key('q')},
        {14, key('e')},
        {15, key('1')},
        {16, key('2')},
        {19, key('g')},
        {22, key('!')},
        {23, key('.')},
        {24, "das 536 314"},
        {25, "views 25|views 25"},
        {28, "views 28|views 28"},
        {29, key(13)},
        {30, key(' ')},
        {0, ""},
        {31, ""},
        {-1, ""},
        {100000, ""},
    };
    for (auto& c : cases) {
        set.joy_button_map[8] = c.code;
        EXPECT_EQ(press_hold_release(5, 2), c.want) << "code " << c.code;
    }
}

TEST_F(Joy, WheelBrakesFollowTheButtonAndTheSpeedBrakeToggles)
{
    set.joy_button_map[9] = 20;
    set.joy_button_map[10] = 21;
    host_test_joy_buttons(stick, 1u << 5);
    read_stick(1);
    EXPECT_EQ(flt.brake_ratio, 1.0f);
    host_test_joy_buttons(stick, 0);
    read_stick(1);
    EXPECT_EQ(flt.brake_ratio, 0.0f);

    struct {
        int before, after;
    } toggles[] = {{-1, 2}, {0, 2}, {1, 0}, {2, 0}};
    for (auto& t : toggles) {
        flt.sbrk_handle = t.before;
        press_hold_release(7, 3);
        EXPECT_EQ(flt.sbrk_handle, t.after) << t.before;
    }
}

TEST_F(Joy, VectorAndSweepButtonsMoveWhileHeldWithinTheirRange)
{
    set.joy_button_map[8] = 17;
    set.joy_button_map[9] = 18;
    pln[0].vectEQ = 1;
    pln[0].varsweepEQ[6] = 1;
    flt.vector_angle = 10;
    flt.sweep_req = 0.5f;
    press_hold_release(6, 2);   // code 18, 2 x 0.1 s
    EXPECT_NEAR(flt.vector_angle, 16, 1e-4f);
    EXPECT_NEAR(flt.sweep_req, 0.6f, 1e-5f);
    EXPECT_EQ(flt.sweep_ratio, 0);   // the sweep follows its command in the flight model
    press_hold_release(5, 10);   // code 17, 1 s: the sweep to 0.1, the vector to 0, not below
    EXPECT_EQ(flt.vector_angle, 0);
    EXPECT_NEAR(flt.sweep_req, 0.1f, 1e-5f);
    flt.vector_angle = 119;
    press_hold_release(6, 5);
    EXPECT_EQ(flt.vector_angle, 120);

    pln[0].vectEQ = 0;
    pln[0].varsweepEQ[6] = 0;
    pln[0].varsweepEQ[5] = 1;      // only the wing parts 4, 6, 8 and 10 sweep
    press_hold_release(5, 5);
    EXPECT_EQ(flt.vector_angle, 120);
    EXPECT_NEAR(flt.sweep_req, 0.35f, 1e-5f);
}

TEST_F(Joy, SettingsReadsLeaveTheButtonsIdle)
{
    set.joy_button_map[8] = 1;
    set.joy_button_map[9] = 13;
    host_test_joy_buttons(stick, (1u << 4) | (1u << 5));
    read_stick(0);
    read_stick(0);
    EXPECT_EQ(calls, "");
    EXPECT_EQ(n_button_pressed[8], 1);
    // Back in flight the held button acts, the one pressed before does not again.
    read_stick(1);
    EXPECT_EQ(calls, key(']'));
}

// ---- helicopter chords ---------------------------------------------------

TEST_F(Joy, APistonHelicopterStepsItsThrottleWithButtonsThreeAndFour)
{
    pln[0].is_heli = 1;
    pln[0].entype = 1;
    set.collective_stick = 1;
    for (int i = 5; i <= 7; i++) set.joy_button_map[i] = 13;   // never single inputs here
    flt.throttle_req[0] = 0.5f;
    struct {
        unsigned buttons;
        float want;
    } steps[] = {
        {1u << 2, 0.4f},                  // button 3 pressed
        {1u << 2, 0.4f},                  // and held: once
        {0, 0.4f},
        {1u << 3, 0.5f},                  // button 4
        {0, 0.5f},
        {(1u << 1) | (1u << 2), 0.0f},    // 2 and 3: idle
        {0, 0.0f},
        {1u << 2, 0.0f},                  // no lower than idle
        {0, 0.0f},
        {(1u << 1) | (1u << 3), 1.0f},    // 2 and 4: full
        {0, 1.0f},
        {1u << 3, 1.0f},
    };
    for (auto& s : steps) {
        host_test_joy_buttons(stick, s.buttons);
        read_stick(1);
        EXPECT_NEAR(flt.throttle_req[0], s.want, 1e-6f) << s.buttons;
        EXPECT_EQ(flt.throttle_req[1], flt.throttle_req[0]) << s.buttons;
    }
    EXPECT_EQ(calls, "");
    EXPECT_EQ(set.gov_on, 0);

    // The settings window's reads change nothing.
    host_test_joy_buttons(stick, (1u << 1) | (1u << 2));
    read_stick(0);
    EXPECT_EQ(flt.throttle_req[0], 1.0f);
    host_test_joy_buttons(stick, 0);
    read_stick(0);

    // Without the collective stick they are plain buttons.
    set.collective_stick = 0;
    press_hold_release(3, 1);
    EXPECT_EQ(calls, key('q'));
    EXPECT_EQ(flt.throttle_req[0], 1.0f);
}

TEST_F(Joy, ATurbineHelicopterSwitchesItsEngineControlWithTheChords)
{
    pln[0].is_heli = 1;
    pln[0].entype = 3;
    set.collective_stick = 1;
    flt.throttle_req[0] = 0.5f;
    set.gov_on = 1;
    host_test_joy_buttons(stick, (1u << 1) | (1u << 2));
    read_stick(1);
    EXPECT_EQ(set.gov_on, 0);
    host_test_joy_buttons(stick, (1u << 1) | (1u << 3));
    read_stick(1);
    EXPECT_EQ(set.gov_on, 1);
    host_test_joy_buttons(stick, 1u << 2);
    read_stick(1);
    EXPECT_EQ(flt.throttle_req[0], 0.5f);
    EXPECT_EQ(set.gov_on, 1);
}

// ---- start-up and a stick that goes ---------------------------------------

static const std::string mouse_lines =
    "Flight control will therefore be with the mouse.\n"
    "Click the mouse in the center of the windshield to toggle between flight-control and regular mouse mode.\n";

TEST_F(Joy, StartUpTakesTheFirstStickThatReads)
{
    set.joy_device = joy_none;
    int boxes = host_test_message_box_count();
    JOY_init();
    EXPECT_EQ(set.joy_device, joy_first);

    // The first stick unplugged, the second still in: it is the second.
    int second = host_test_joy_attach();
    ASSERT_EQ(second, 1);
    host_joy_state s;
    ASSERT_EQ(host_joy_read(1, &s), 1);
    host_test_joy_detach(stick);
    JOY_init();
    EXPECT_EQ(set.joy_device, joy_second);
    host_test_joy_axis(second, 0, 65535);
    EXPECT_NEAR(read_stick(0).roll, 1.0f, 1e-6f);
    EXPECT_EQ(host_test_message_box_count(), boxes);
    EXPECT_EQ(error_out(), "");
}

TEST_F(Joy, StartUpWithoutAStickTellsWhy)
{
    struct {
        int no_system;
        std::string want;
    } cases[] = {
        {1, "My system-checking indicates that Windows is NOT set up to handle any joysticks!\n"
            "The problem is in the Windows CONTROL PANEL folder, JOYSTICK control panel.\n" +
                mouse_lines},
        {0, "My system-checking indicates that there are no joysticks on this computer\n"
            "See 'My Computer:Control Panel:Game Devices' if you have a joystick plugged in.\n" +
                mouse_lines},
    };
    for (auto& c : cases) {
        host_test_joy_detach_all();
        host_test_joy_no_system(c.no_system);
        err.close();
        err.open("Error.out", std::ios::out | std::ios::trunc);
        int boxes = host_test_message_box_count();
        set.joy_device = joy_first;
        JOY_init();
        EXPECT_EQ(set.joy_device, joy_none) << c.no_system;
        EXPECT_EQ(host_test_message_box_count(), boxes + 1) << c.no_system;
        EXPECT_EQ(error_out(), c.want) << c.no_system;
        Controls got = read_stick(1);
        EXPECT_EQ(got.pitch, 0);
        EXPECT_EQ(got.throttle, 0);
    }
}

// Unplugged mid-flight: the controls centre, a held view button lets go, the
// zeros of the failed read are no hat pushed forward, and the throttle lever
// stays where it was last read.
TEST_F(Joy, AStickUnpluggedInFlightReadsAsNone)
{
    set.joy_button_map[0] = 13;
    set.joy_button_map[8] = 11;
    host_test_joy_axis(stick, 0, 0);
    host_test_joy_axis(stick, 2, 0);
    host_test_joy_buttons(stick, 1u << 4);
    read_stick(1);
    EXPECT_EQ(calls, "menu 506");
    host_test_joy_detach(stick);
    Controls got = read_stick(1);
    EXPECT_EQ(got.roll, 0);
    EXPECT_EQ(got.throttle, 1.0f);
    EXPECT_EQ(calls, "menu 506|menu 500");
    read_stick(1);
    EXPECT_EQ(calls, "menu 506|menu 500");
}
