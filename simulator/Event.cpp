// The simulator's per-frame step. The keyboard commands are in
// Event_keys.cpp, the controls in Event_controls.cpp.
//
// Sections (grep "---- name"):
//   time step    the flight's step follows the real frame rate
//   replay       the flown path played back
//   frame step   APPLICATION_update
#include "Event.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Integ.h"
#include "Windows.h"
#include "records.h"

#include <cmath>

// ---- time step -----------------------------------------------------------------

// What the time step keeps for the whole run. Counting stops while a window
// or dialog is up; the first counted frame after one starts the measurement
// afresh, so the next adjustment sees ten frames of flight and not the time
// the window stood open.
struct frame_run_state {
    int count = 0;              // counted frames; the one that reads 10 adjusts
    int timed = 0;              // the first adjustment has taken its start time
    float last_time = 0;        // mnw.time_elapsed the measurement runs from
    int suspended = 0;          // a window or dialog came up since the last counted frame
};
static frame_run_state frame_run;

void clear_frame_run_state(void) { frame_run = frame_run_state(); }

void suspend_frame_timing(void) { frame_run.suspended = 1; }

static const int frames_per_adjustment = 10;
static const float time_ratio_min = 0.2f;
static const float time_ratio_max = 5.0f;
static const float dt_min = 0.001f;
static const float dt_max = 0.11f;

// Every tenth counted frame the step moves toward the real time those frames
// took, by the fourth root of the ratio so that a few slow frames do not
// throw it about. The first adjustment has nothing to measure from and so
// always shrinks the step by the ratio's lower bound.
static void adapt_time_step(void)
{
    float now = mnw.time_elapsed;
    if (frame_run.suspended) {
        frame_run.suspended = 0;
        if (frame_run.timed) {
            frame_run.count = 0;
            frame_run.last_time = now;
        }
    }
    if (frame_run.count++ < frames_per_adjustment) return;
    frame_run.count = 1;
    if (!frame_run.timed) {
        frame_run.timed = 1;
        frame_run.last_time = now;
    }
    float elapsed = now - frame_run.last_time;
    frame_run.last_time = now;
    msc.time_ratio = fltlim(elapsed / (msc.dt * frames_per_adjustment), time_ratio_min, time_ratio_max);
    msc.dt = fltlim((float)(msc.dt * pow((double)msc.time_ratio, 0.25)), dt_min, dt_max);
}

// ---- replay --------------------------------------------------------------------

// Seconds of the path played per second of step, by set.replay_speed 1..7.
static const float replay_rates[8] = {0, -5, -1, -0.2f, 0, 0.2f, 1, 5};
static const float path_empty = 0.01f;   // a slot whose time is not above this holds nothing

static float replay_rate(int speed) { return speed >= 1 && speed <= 7 ? replay_rates[speed] : 0; }

static float between(float a, float b, float f) { return a + (b - a) * f; }

// From a toward b the short way round, so a heading from 350 to 10 passes
// through north; wrapped into lo..hi.
static float angle_between(float a, float b, float f, float lo, float hi)
{
    return fltwrap(a + fltwrap(b - a, -180, 180) * f, lo, hi);
}

static void ship_between(int ship, const float* a, const float* b, float f)
{
    env.ship_x[ship] = between(a[0], b[0], f);
    env.ship_y[ship] = between(a[1], b[1], f);
    env.ship_z[ship] = between(a[2], b[2], f);
    env.ship_pitch[ship] = angle_between(a[3], b[3], f, -180, 180);
    env.ship_hdg[ship] = angle_between(a[4], b[4], f, 0, 360);
    env.ship_roll[ship] = angle_between(a[5], b[5], f, -180, 180);
}

// The recorded state at fraction f from sample a to sample b.
static void replay_between(int a, int b, float f)
{
    const float* pa = pat.path_plane[a];
    const float* pb = pat.path_plane[b];
    flt.pos_x[0] = pa[0] + ((double)pb[0] - pa[0]) * f;
    flt.pos_y[0] = pa[1] + ((double)pb[1] - pa[1]) * f;
    flt.pos_z[0] = pa[2] + ((double)pb[2] - pa[2]) * f;
    flt.theta[0] = angle_between(pa[3], pb[3], f, -180, 180);
    flt.psi[0] = angle_between(pa[4], pb[4], f, 0, 360);
    flt.phi[0] = angle_between(pa[5], pb[5], f, -180, 180);
    ship_between(0, pat.path_carrier[a], pat.path_carrier[b], f);
    ship_between(1, pat.path_frigate[a], pat.path_frigate[b], f);

    // A leg is up, moving or down: there is nothing between two states.
    for (int g = 0; g < 3; g++) pln[0].gear_stat[g] = (int)pat.path_gear[a][g];
    for (int k = 0; k < 7; k++) pln[0].condef[k] = between(pat.path_condef[a][k], pat.path_condef[b][k], f);

    const float* ca = pat.path_controls[a];
    const float* cb = pat.path_controls[b];
    set.ctl_pitch = between(ca[0], cb[0], f);
    set.ctl_roll = between(ca[1], cb[1], f);
    set.ctl_yaw = between(ca[2], cb[2], f);
    flt.flap_ratio = between(ca[3], cb[3], f);
    flt.sweep_ratio = between(ca[4], cb[4], f);
    pln[0].vertcant[0] = between(ca[5], cb[5], f);
    update_controls();
}

// Moves the replay clock by the step at the chosen speed and puts the user,
// the ships and the controls where the path has them then. Every pair of
// neighbouring samples (the last slot and the first are neighbours in the
// ring) that holds the new time is applied in index order, so the last one
// stands. Past either end of the path the replay stops where it is.
static void replay_step(void)
{
    float t = pat.replay_time + msc.dt * replay_rate(set.replay_speed);
    int found = 0;
    for (int b = 0; b < path_samples; b++) {
        int a = intwrap(b - 1, 0, path_samples - 1);
        float ta = pat.path_time[a], tb = pat.path_time[b];
        if (ta <= path_empty || tb <= path_empty || t < ta || t > tb) continue;
        // Two samples of the same time: sample a, not 0/0.
        float f = tb > ta ? (t - ta) / (tb - ta) : 0;
        replay_between(a, b, f);
        found = 1;
    }
    if (found) pat.replay_time = t;
    else set.replay_speed = replay_stopped_speed;
}

// ---- frame step ----------------------------------------------------------------

// Once a frame from the frame loop, after the frame is drawn: the open
// window's manager alone, or the time step, a press on the panel, and one
// frame of flight or of replay (never both).
void APPLICATION_update(void)
{
    if (mnw.topwin != win_main) {
        suspend_frame_timing();
        manage_open_window(mnw.topwin);
        return;
    }
    adapt_time_step();
    if (mnw.menu_up == -1 && (mnw.mouse_clicked || mnw.delay_dragging)) shell.manage_das(mnw.mx, mnw.my);
    if (set.replay_speed != 0) replay_step();
    else if (!msc.paused) update_flight();
}

// The simulator has no menu bar of its own to build: the world loader makes it.
void APPLICATION_setupmenus(void) {}
