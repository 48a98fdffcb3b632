// The frame step: an open window runs alone and freezes the flight; the time
// step's first adjustment, its rhythm and its bounds; a window or dialog
// that does not count as slow frames; panel presses; the replay of the
// flown path (speeds, its ends, the ring's wrap, angles the short way round,
// gear and equal sample times).
#include <gtest/gtest.h>

#include "HL_MNW.h"
#include "Windows.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstring>
#include <vector>

struct press {
    float x, y;
};
static std::vector<press> presses;

static void record_manage_das(float x, float y) { presses.push_back({x, y}); }

// The main view, no menu open, a 0.05 s step. Paused unless a test says
// otherwise: the time step and the replay do not depend on the flight.
class FrameStep : public ::testing::Test {
protected:
    shell_calls real;
    float now = 0;

    void SetUp() override
    {
        MACIBM_set_constants();
        reset_suite_state();
        set_loader_paths();     // the main view composes the shipped panel
        real = shell;
        shell.manage_das = record_manage_das;
        presses.clear();
        mnw.topwin = win_main;
        mnw.menu_up = -1;
        msc.dt = 0.05f;
        msc.paused = 1;
    }
    void TearDown() override { shell = real; }

    // One frame that took `seconds` of real time since the last one.
    void frame_after(float seconds)
    {
        now += seconds;
        mnw.time_elapsed = now;
        APPLICATION_update();
    }
    // n frames, each as long as the step: the ratio a measurement sees is 1.
    void steady_frames(int n)
    {
        for (int k = 0; k < n; k++) frame_after(msc.dt);
    }
};

// ---- time step -----------------------------------------------------------------

TEST_F(FrameStep, FirstAdjustmentOnTheEleventhCallThenEveryTenth)
{
    // Frames of 0.05 s real time; the step after each call that changes it.
    const struct {
        int call;
        float dt, ratio;
    } adjustments[] = {
        {11, 0.0334370f, 0.2f},     // nothing measured yet: the lower bound, x 0.669
        {21, 0.0369754f, 1.4953488f},
        {31, 0.0398729f, 1.3522496f},
        {41, 0.0421940f, 1.2539859f},
    };
    int call = 0;
    for (const auto& a : adjustments) {
        float before = msc.dt;
        while (call < a.call - 1) {
            frame_after(0.05f);
            call++;
            ASSERT_EQ(msc.dt, before) << "call " << call;
        }
        frame_after(0.05f);
        call++;
        EXPECT_NEAR(msc.dt, a.dt, 1e-6f) << "call " << call;
        EXPECT_NEAR(msc.time_ratio, a.ratio, 1e-4f) << "call " << call;
    }
}

TEST_F(FrameStep, AdjustmentFollowsTheFourthRootWithinItsBounds)
{
    const struct {
        const char* what;
        float dt, elapsed;          // the step before; real time of the ten frames
        float dt_after, ratio;
    } cases[] = {
        {"real time as simulated", 0.05f, 0.5f, 0.05f, 1.0f},
        {"twice as slow", 0.05f, 1.0f, 0.0594604f, 2.0f},
        {"far too slow: x 1.495 at most", 0.05f, 10.0f, 0.0747674f, 5.0f},
        {"never above 0.11 s", 0.1f, 10.0f, 0.11f, 5.0f},
        {"a very fast machine: never below 0.001 s", 0.0012f, 0.0f, 0.001f, 0.2f},
    };
    for (const auto& c : cases) {
        clear_frame_run_state();
        now = 0;
        for (int k = 0; k < 11; k++) frame_after(0);     // past the first adjustment
        msc.dt = c.dt;
        for (int k = 0; k < 9; k++) frame_after(0);
        frame_after(c.elapsed);
        EXPECT_NEAR(msc.dt, c.dt_after, 1e-6f) << c.what;
        EXPECT_NEAR(msc.time_ratio, c.ratio, 1e-5f) << c.what;
    }
}

// With a window open nothing of the frame runs: not the step, not a press,
// not the flight, not the replay. The calls made then do not count toward
// the next adjustment.
TEST_F(FrameStep, OpenWindowFreezesTheStepTheFlightAndTheCount)
{
    for (int replay : {0, 6}) {
        SCOPED_TRACE(replay ? "replay" : "live flight");
        clear_frame_run_state();
        now = 0;
        msc.dt = 0.05f;
        msc.time_ratio = 1;
        for (int k = 0; k < 5; k++) frame_after(0.05f);
        pat.replay_time = 10.5f;
        pat.path_time[1] = 10;
        pat.path_time[2] = 11;
        pat.path_plane[2][0] = 500;
        set.replay_speed = replay;
        msc.paused = 0;
        flt.pos_x[0] = 123;
        static flightstruct flt_before;
        static miscstruct msc_before;
        memcpy(&flt_before, &flt, sizeof flt);
        memcpy(&msc_before, &msc, sizeof msc);

        mnw.topwin = win_weights;
        mnw.mouse_clicked = 1;
        for (int k = 0; k < 25; k++) frame_after(1.0f);
        EXPECT_EQ(memcmp(&flt, &flt_before, sizeof flt), 0);
        EXPECT_EQ(memcmp(&msc, &msc_before, sizeof msc), 0);
        EXPECT_EQ(pat.replay_time, 10.5f);
        EXPECT_EQ(set.replay_speed, replay);
        EXPECT_TRUE(presses.empty());

        // Five calls counted before the window: the first adjustment is the sixth after it.
        mnw.topwin = win_main;
        mnw.mouse_clicked = 0;
        msc.paused = 1;
        set.replay_speed = 0;
        for (int k = 0; k < 5; k++) frame_after(0.05f);
        EXPECT_EQ(msc.dt, 0.05f);
        frame_after(0.05f);
        EXPECT_NEAR(msc.dt, 0.0334370f, 1e-6f);
    }
}

// A window or a dialog that stood open for half a minute is no slow frame:
// the adjustment after it measures ten frames of flight, wherever in the
// count it came. A dialog holds the frames in its own loop, so the frame
// step never sees it open; the window start-up tells it.
TEST_F(FrameStep, PauseForAWindowOrDialogIsNotMeasured)
{
    const struct {
        const char* what;
        int dialog;                 // 0 a settings window, 1 the open dialog
        int counted_before;         // calls counted since the last adjustment
    } cases[] = {
        {"settings window just after an adjustment", 0, 1},
        {"settings window in mid-count", 0, 6},
        {"dialog in mid-count", 1, 6},
        {"dialog just before an adjustment", 1, 10},
    };
    for (const auto& c : cases) {
        clear_frame_run_state();
        now = 0;
        msc.dt = 0.05f;
        steady_frames(11);
        float dt = msc.dt;
        steady_frames(c.counted_before - 1);
        ASSERT_EQ(msc.dt, dt) << c.what;

        if (c.dialog) {
            // As the dialog's loop does at its ends; frames pass in between
            // without the frame step.
            MACIBM_startwind(win_open);
            now += 30;
            MACIBM_startwind(win_main);
        } else {
            mnw.topwin = win_sound;
            for (int k = 0; k < 30; k++) frame_after(1.0f);
            mnw.topwin = win_main;
        }
        steady_frames(30);
        EXPECT_NEAR(msc.time_ratio, 1.0f, 1e-3f) << c.what;
        EXPECT_NEAR(msc.dt, dt, 1e-5f) << c.what;
    }
}

// ---- panel presses -------------------------------------------------------------

TEST_F(FrameStep, PressOrHeldButtonWorksThePanelUnlessAMenuIsOpen)
{
    const struct {
        int menu_up, clicked, held;
        int worked;
    } cases[] = {
        {-1, 1, 0, 1},
        {-1, 0, 1, 1},              // held past the drag delay
        {-1, 0, 0, 0},
        {2, 1, 0, 0},
        {0, 0, 1, 0},               // menu 0 is a menu
    };
    mnw.mx = 640;
    mnw.my = 33;
    for (const auto& c : cases) {
        presses.clear();
        mnw.menu_up = c.menu_up;
        mnw.mouse_clicked = c.clicked;
        mnw.delay_dragging = c.held;
        frame_after(0.05f);
        ASSERT_EQ((int)presses.size(), c.worked) << "menu " << c.menu_up << " click " << c.clicked;
        if (c.worked) {
            EXPECT_EQ(presses[0].x, 640.0f);
            EXPECT_EQ(presses[0].y, 33.0f);
        }
    }
}

// ---- replay --------------------------------------------------------------------

// A path of samples one second apart in slots 1 to 3 (times 10, 11, 12) whose
// x is 100 m for each second past 10. Paused: the replay runs regardless.
class Replay : public FrameStep {
protected:
    void SetUp() override
    {
        FrameStep::SetUp();
        msc.dt = 0.1f;
        for (int s = 1; s <= 3; s++) {
            pat.path_time[s] = 9.0f + (float)s;
            pat.path_plane[s][0] = 100.0f * (float)(s - 1);
        }
    }
};

TEST_F(Replay, SpeedMovesTheClockAndStopsPastEitherEnd)
{
    const struct {
        int speed;
        float from;
        float time, x;              // replay_time and x after the frame
        int speed_after;
    } cases[] = {
        {1, 11.0f, 10.5f, 50, 1},    // -5
        {2, 11.0f, 10.9f, 90, 2},    // -1
        {3, 11.0f, 10.98f, 98, 3},   // -0.2
        {4, 11.0f, 11.0f, 100, 4},   // stopped
        {5, 11.0f, 11.02f, 102, 5},  // 0.2
        {6, 11.0f, 11.1f, 110, 6},   // 1
        {7, 11.0f, 11.5f, 150, 7},   // 5
        {9, 11.0f, 11.0f, 100, 9},   // no such speed: stands still
        {7, 11.95f, 11.95f, -1, 4},  // past the newest sample
        {1, 10.2f, 10.2f, -1, 4},    // before the oldest
    };
    for (const auto& c : cases) {
        clear_frame_run_state();    // no adjustment: the step stays 0.1 s
        set.replay_speed = c.speed;
        pat.replay_time = c.from;
        flt.pos_x[0] = -1;
        frame_after(0.05f);
        EXPECT_NEAR(pat.replay_time, c.time, 1e-5f) << "speed " << c.speed << " from " << c.from;
        EXPECT_NEAR(flt.pos_x[0], c.x, 1e-3) << "speed " << c.speed << " from " << c.from;
        EXPECT_EQ(set.replay_speed, c.speed_after) << "speed " << c.speed << " from " << c.from;
    }
}

TEST_F(Replay, EmptyPathStopsAtOnce)
{
    memset(&pat, 0, sizeof pat);
    pat.replay_time = 42;
    set.replay_speed = 6;
    flt.pos_x[0] = 7;
    frame_after(0.05f);
    EXPECT_EQ(set.replay_speed, 4);
    EXPECT_EQ(pat.replay_time, 42.0f);
    EXPECT_EQ(flt.pos_x[0], 7.0);
}

// The last slot and the first are neighbours: between them positions and
// controls go straight, angles the short way round within their ranges, the
// gear stays as sample a had it, and the controls reach the surfaces.
TEST_F(Replay, AcrossTheRingsWrapAnglesTakeTheShortWay)
{
    memset(&pat, 0, sizeof pat);
    const int a = path_samples - 1, b = 0;
    pat.path_time[a] = 20;
    pat.path_time[b] = 21;
    const float plane_a[6] = {0, 100, -50, 80, 350, 170}, plane_b[6] = {40, 300, -10, 100, 10, -170};
    const float ship_a[6] = {1000, 0, 2000, -175, 355, 0}, ship_b[6] = {1200, 0, 2400, 175, 5, 20};
    memcpy(pat.path_plane[a], plane_a, sizeof plane_a);
    memcpy(pat.path_plane[b], plane_b, sizeof plane_b);
    memcpy(pat.path_carrier[a], ship_a, sizeof ship_a);
    memcpy(pat.path_carrier[b], ship_b, sizeof ship_b);
    memcpy(pat.path_frigate[b], ship_a, sizeof ship_a);    // the frigate the other way
    memcpy(pat.path_frigate[a], ship_b, sizeof ship_b);
    const float gear_a[3] = {1, 0, 2}, gear_b[3] = {3, 3, 3};
    memcpy(pat.path_gear[a], gear_a, sizeof gear_a);
    memcpy(pat.path_gear[b], gear_b, sizeof gear_b);
    for (int k = 0; k < 7; k++) pat.path_condef[b][k] = 0.1f * (float)(k + 1);
    const float ctl_a[6] = {-1, 0, 1, 0, 0, 0}, ctl_b[6] = {1, 0.5f, -1, 1, 0.5f, 20};
    memcpy(pat.path_controls[a], ctl_a, sizeof ctl_a);
    memcpy(pat.path_controls[b], ctl_b, sizeof ctl_b);

    const struct {
        float f;
        float x, theta, psi, phi;
        float ship_pitch, ship_hdg, frigate_pitch, frigate_hdg;
    } cases[] = {
        {0.25f, 10, 85, 355, 175, -177.5f, 357.5f, 177.5f, 2.5f},
        {0.5f, 20, 90, 0, 180, 180, 0, 180, 0},
        {0.75f, 30, 95, 5, -175, 177.5f, 2.5f, -177.5f, 357.5f},
    };
    // 180 and -180, 0 and 360 are the same angle.
    auto same_angle = [](float got, float want) {
        return fabsf(remainderf(got - want, 360.0f)) < 1e-3f;
    };
    set.replay_speed = 4;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.f);
        pat.replay_time = 20.0f + c.f;
        frame_after(0.05f);
        EXPECT_EQ(set.replay_speed, 4);
        EXPECT_NEAR(flt.pos_x[0], c.x, 1e-3);
        EXPECT_NEAR(flt.pos_y[0], 100 + 200 * c.f, 1e-3);
        EXPECT_NEAR(flt.pos_z[0], -50 + 40 * c.f, 1e-3);
        EXPECT_NEAR(flt.theta[0], c.theta, 1e-3f);
        EXPECT_TRUE(same_angle(flt.psi[0], c.psi)) << flt.psi[0];
        EXPECT_TRUE(flt.psi[0] >= 0 && flt.psi[0] <= 360) << flt.psi[0];
        EXPECT_TRUE(same_angle(flt.phi[0], c.phi)) << flt.phi[0];
        EXPECT_TRUE(flt.phi[0] >= -180 && flt.phi[0] <= 180) << flt.phi[0];
        EXPECT_NEAR(env.ship_x[0], 1000 + 200 * c.f, 1e-2f);
        EXPECT_NEAR(env.ship_z[0], 2000 + 400 * c.f, 1e-2f);
        EXPECT_TRUE(same_angle(env.ship_pitch[0], c.ship_pitch)) << env.ship_pitch[0];
        EXPECT_TRUE(same_angle(env.ship_hdg[0], c.ship_hdg)) << env.ship_hdg[0];
        EXPECT_NEAR(env.ship_roll[0], 20 * c.f, 1e-3f);
        EXPECT_TRUE(same_angle(env.ship_pitch[1], c.frigate_pitch)) << env.ship_pitch[1];
        EXPECT_TRUE(same_angle(env.ship_hdg[1], c.frigate_hdg)) << env.ship_hdg[1];
        EXPECT_EQ(pln[0].gear_stat[0], 1);
        EXPECT_EQ(pln[0].gear_stat[1], 0);
        EXPECT_EQ(pln[0].gear_stat[2], 2);
        EXPECT_NEAR(pln[0].condef[6], 0.7f * c.f, 1e-6f);
        EXPECT_NEAR(set.ctl_pitch, -1 + 2 * c.f, 1e-6f);
        EXPECT_NEAR(set.ctl_yaw, 1 - 2 * c.f, 1e-6f);
        EXPECT_NEAR(flt.flap_ratio, c.f, 1e-6f);
        EXPECT_NEAR(flt.sweep_ratio, 0.5f * c.f, 1e-6f);
        EXPECT_NEAR(pln[0].vertcant[0], 20 * c.f, 1e-5f);
        EXPECT_NEAR(flt.vert_cant[0], 20 * c.f, 1e-5f);      // the surfaces follow the replay
    }
}

// Two samples of one time that the replay clock stands on: sample a's values,
// no 0/0 (a NaN here would stay in the state for good).
TEST_F(Replay, EqualSampleTimesTakeSampleA)
{
    memset(&pat, 0, sizeof pat);
    for (int s : {1, 2}) {
        pat.path_time[s] = 15;
        pat.path_plane[s][0] = (float)s;
        pat.path_plane[s][4] = 90.0f * (float)s;
        pat.path_gear[s][0] = (float)s;
        pat.path_controls[s][0] = 0.25f * (float)s;
    }
    pat.replay_time = 15;
    set.replay_speed = 4;
    frame_after(0.05f);
    EXPECT_EQ(flt.pos_x[0], 1.0);
    EXPECT_EQ(flt.psi[0], 90.0f);
    EXPECT_EQ(pln[0].gear_stat[0], 1);
    EXPECT_EQ(set.ctl_pitch, 0.25f);
    EXPECT_EQ(pat.replay_time, 15.0f);
    EXPECT_EQ(set.replay_speed, 4);
}
