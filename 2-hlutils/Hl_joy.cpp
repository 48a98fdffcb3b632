// The simulator's joystick over the host's sticks: JOY_init picks the stick,
// JOY_get reads it once a frame, shapes its axes for flying and turns its hat
// and buttons into the actions the user assigned (set.joy_button_map).
// The other programs link Hl_joy_null.cpp in its place.
//
// Sections: state, start-up, the curve, inputs, helicopter chords, button
// actions, one read.
#include "Hl_joy.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"
#include "host.h"

#include <cmath>
#include <cstring>

// ---- state ---------------------------------------------------------------

int n_button_pressed[joy_inputs];
int o_button_pressed[joy_inputs];

// Besides the inputs, a read keeps the raw buttons for the next one: the
// helicopter chords act on new presses of buttons that are no input then.
// It also keeps the lever's last reading, which a stick that stops reading
// holds: the engines must not go to idle because a cable came loose.
struct joy_run_state {
    unsigned last_buttons = 0;
    float last_throttle = 0;
};
static joy_run_state joy_run;

void clear_joy_run_state(void)
{
    memset(n_button_pressed, 0, sizeof n_button_pressed);
    memset(o_button_pressed, 0, sizeof o_button_pressed);
    joy_run = joy_run_state();
}

// A zone read back from a settings window closed just as the stick moved can
// come near 1 and would leave the stick dead; no more than this is used.
static const float joy_zone_max = 0.25f;

static_assert(sizeof set.joy_button_map / sizeof set.joy_button_map[0] == joy_inputs,
              "one assignment per input");

// Buttons by bit (button n is bit n - 1).
static const unsigned joy_button_2 = 1u << 1;
static const unsigned joy_button_3 = 1u << 2;
static const unsigned joy_button_4 = 1u << 3;

// ---- start-up ------------------------------------------------------------

void JOY_init(void)
{
    set.joy_device = joy_none;
    int devices = host_joy_count();
    host_joy_state s;
    if (host_joy_read(0, &s)) set.joy_device = joy_first;
    else if (host_joy_read(1, &s)) set.joy_device = joy_second;
    if (set.joy_device != joy_none) return;

    const char* flying = "Flight control will therefore be with the mouse.";
    const char* toggle = "Click the mouse in the center of the windshield to toggle between flight-control and regular mouse mode.";
    if (devices == 0)
        MACIBM_alert("My system-checking indicates that Windows is NOT set up to handle any joysticks!",
                     "The problem is in the Windows CONTROL PANEL folder, JOYSTICK control panel.", flying, toggle,
                     alert_notice);
    else
        MACIBM_alert("My system-checking indicates that there are no joysticks on this computer",
                     "See 'My Computer:Control Panel:Game Devices' if you have a joystick plugged in.", flying, toggle,
                     alert_notice);
}

// ---- the curve -----------------------------------------------------------

float JOY_curve(float* value, float null_zone)
{
    float v = *value;
    v = v > 0 ? fltmax2(v - null_zone, 0) : fltmin2(v + null_zone, 0);
    *value = v;
    float a = fabsf(v);
    return v < 0 ? -a * sqrtf(a) : a * sqrtf(a);
}

// ---- inputs --------------------------------------------------------------

// The hat's four directions, then buttons 1 to 4 each only while it is the
// one of them down, then buttons 5 to 16. Inputs 20 and 21 stay up.
static void decode_inputs(const host_joy_state& s, int chords)
{
    memset(n_button_pressed, 0, sizeof n_button_pressed);
    n_button_pressed[0] = s.pov == 0;
    n_button_pressed[1] = s.pov == 18000;
    n_button_pressed[2] = s.pov == 27000;
    n_button_pressed[3] = s.pov == 9000;
    unsigned first_four = s.buttons & 15u;
    for (int k = 0; k < 4; k++) n_button_pressed[4 + k] = first_four == 1u << k;
    // Buttons 2 to 4 belong to the chords then.
    if (chords) n_button_pressed[5] = n_button_pressed[6] = n_button_pressed[7] = 0;
    for (int k = 4; k < 16; k++) n_button_pressed[4 + k] = (int)((s.buttons >> k) & 1u);
}

// ---- helicopter chords ---------------------------------------------------

static int chords_on(void) { return pln[0].is_heli && set.collective_stick; }

// A piston helicopter's throttle steps with buttons 3 and 4 and jumps to idle
// or full with 2 + 3 and 2 + 4; a turbine's switch goes off and on with them.
static void helicopter_chords(unsigned now)
{
    unsigned before = joy_run.last_buttons;
    int low = (now & joy_button_2) && (now & joy_button_3);
    int high = (now & joy_button_2) && (now & joy_button_4);
    int entype = pln[0].entype;
    if (entype == 1 || entype == 2) {
        int down = (now & joy_button_3) && !(before & joy_button_3);
        int up = (now & joy_button_4) && !(before & joy_button_4);
        if (!(down || up || low || high)) return;
        float t = flt.throttle_req[0];
        if (down) t -= 0.1f;
        if (up) t += 0.1f;
        if (low) t = 0;
        if (high) t = 1;
        t = fltlim(t, 0, 1);
        flt.throttle_req[0] = t;
        flt.throttle_req[1] = t;
    } else if (entype == 3) {
        if (low) set.gov_on = 0;
        if (high) set.gov_on = 1;
    }
}

// ---- button actions ------------------------------------------------------

static void key(char k) { shell.APPLICATION_handlekey(k, 1); }

// Codes 17 and 18: the thrust vector and the commanded sweep run at these
// rates per second while the button is held.
static void trim_vector_and_sweep(float direction)
{
    float dt = msc.dt;
    if (pln[0].vectEQ) flt.vector_angle = fltlim(flt.vector_angle + direction * 30.0f * dt, 0, 120);
    const planestruct& a = pln[0];
    if (a.varsweepEQ[4] || a.varsweepEQ[6] || a.varsweepEQ[8] || a.varsweepEQ[10])
        flt.sweep_req = fltlim(flt.sweep_req + direction * 0.5f * dt, 0, 1);
}

static void while_held(int code)
{
    switch (code) {
    case 1: key(']'); break;
    case 2: key('['); break;
    case 3: key('9'); break;
    case 4: key('0'); break;
    case 5: key('7'); break;
    case 6: key('8'); break;
    case 17: trim_vector_and_sweep(-1); break;
    case 18: trim_vector_and_sweep(+1); break;
    case 25: case 26: case 27: case 28: shell.freeviews_keys(code); break;
    default: break;
    }
}

static void on_press(int code)
{
    switch (code) {
    case 7: shell.yoke_key(5); break;
    case 8: shell.yoke_key(6); break;
    case 9: shell.APPLICATION_handlemenu(view_forwards); break;
    case 10: shell.APPLICATION_handlemenu(view_down_8); break;
    case 11: shell.APPLICATION_handlemenu(view_left_90); break;
    case 12: shell.APPLICATION_handlemenu(view_right_90); break;
    case 13: key('q'); break;
    case 14: key('e'); break;
    case 15: key('1'); break;
    case 16: key('2'); break;
    case 19: key('g'); break;
    case 20: flt.brake_ratio = 1.0f; break;
    case 21: flt.sbrk_handle = flt.sbrk_handle < 1 ? 2 : 0; break;
    case 22: key('!'); break;
    case 23: key('.'); break;
    case 24: shell.manage_das(osh + 636, 314); break;   // the jettison switch
    case 29: key(13); break;
    case 30: key(' '); break;
    default: break;
    }
}

static void on_release(int code)
{
    switch (code) {
    case 10: case 11: case 12: shell.APPLICATION_handlemenu(view_forwards); break;
    case 20: flt.brake_ratio = 0.0f; break;
    default: break;
    }
}

static void act_on_inputs(void)
{
    for (int i = 0; i < joy_inputs; i++) {
        int code = set.joy_button_map[i];
        int now = n_button_pressed[i], before = o_button_pressed[i];
        if (now) while_held(code);
        if (now && !before) on_press(code);
        if (!now && before) on_release(code);
    }
}

// ---- one read ------------------------------------------------------------

// The axis after the keyboard yoke, the null zone and the curve, times the
// user's response factor.
static float shaped(float axis, float yoke, float zone, float factor)
{
    float v = axis + yoke;
    return JOY_curve(&v, fltlim(zone, 0, joy_zone_max)) * factor;
}

void JOY_get(float* pitch, float* roll, float* yaw, float* throttle, int apply)
{
    memcpy(o_button_pressed, n_button_pressed, sizeof o_button_pressed);
    float p = 0, r = 0, y = 0, t = 0;

    // A stick that is gone reads as no stick, centred with nothing pressed,
    // but for its throttle lever, left where it was.
    host_joy_state s = {};
    int read = 0;
    if (set.joy_device == joy_first) read = host_joy_read(0, &s);
    else if (set.joy_device == joy_second) read = host_joy_read(1, &s);
    if (read) {
        p = (float)s.y * 2.0f / 65535.0f - 1.0f;
        r = (float)s.x * 2.0f / 65535.0f - 1.0f;
        y = (float)s.r * 2.0f / 65535.0f - 1.0f;
        t = 1.1f - (float)s.z * 1.2f / 65537.0f;
        joy_run.last_throttle = t;
    } else {
        if (set.joy_device != joy_none) t = joy_run.last_throttle;
        s.pov = 65535;
        s.buttons = 0;
    }

    int chords = chords_on();
    decode_inputs(s, chords);
    if (apply && chords) helicopter_chords(s.buttons);
    joy_run.last_buttons = s.buttons;

    if (!set.rudder_pedals) y = 0;
    if (apply) {
        p = shaped(p, set.pitch_key, set.joy_extra_a, set.ctl_scale_b);
        r = shaped(r, set.roll_key, set.joy_extra_c, set.ctl_scale_d);
        y = shaped(y, set.yaw_key, set.joy_extra_b, set.ctl_scale_c);
    }
    *pitch = fltlim(p, -1, 1);
    *roll = fltlim(r, -1, 1);
    *yaw = fltlim(y, -1, 1);
    *throttle = fltlim(t, -1, 1);

    if (apply) act_on_inputs();
}

// The sticks read here have no force feedback; nothing is held open.
void JOY_force(int, float, float, float) {}
void JOY_close(void) {}
