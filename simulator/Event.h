// The simulator's per-frame step, its keyboard commands and the controls.
// The key commands are the tables below: the handlers act by them, and the
// data generator writes them out as the user's list of keys, so the two
// cannot tell different stories.
#pragma once

// The frame step's time-step measuring lives for the run: its call counter
// and the time it last measured from. Tests start it afresh through this.
void clear_frame_run_state(void);
// A window or dialog opens: frames stop counting toward the time step, and
// the first frame of the main view after it starts a new measurement, so the
// time spent in the window is not taken for slow frames.
void suspend_frame_timing(void);

// ---- keyboard commands ----------------------------------------------------

// A key in the main view; from_joystick 1 for a stick button given a key,
// which is never remapped for the keyboard's layout.
void APPLICATION_handlekey(char key, int from_joystick);
void freeviews_keys(int code);  // arrow keys: 25 left, 26 right, 27 up, 28 down
void function_key(int code);    // F1 to F9, Backspace, F11, F12: 28..39, with Shift 40..51
void yoke_key(int code);        // keypad 5, 2, 8, 4, 6, 1, 3: codes 0..6

// Keyboard layouts, msc.kbd_layout.
const int layout_american = 1;
const int layout_french = 2;
const int layout_german = 3;

// The French and German layouts keep each command on the key where the
// American keyboard has it: a typed key becomes the American key's
// character. Bytes are Windows-1252 (0xE9 e acute, 0xF6 o umlaut).
struct key_remap {
    int layout;
    unsigned char typed, becomes;
};
extern const key_remap key_remaps[];
extern const int key_remap_count;
// The key a typed one stands for on a layout: the first row for that
// layout and key, else the key itself.
unsigned char layout_key(int layout, unsigned char typed);

// A view or chart: the item goes to APPLICATION_handlemenu.
struct view_key {
    char key;
    int item;
    const char* what;
};
extern const view_key view_keys[];
extern const int view_key_count;

// Turning the view 45 degrees at a time round the ring forwards, left 45,
// 90, 135, backwards, right 135, 90, 45: step +1 turns left, -1 right.
struct turn_key {
    char key;
    int step;
    const char* what;
};
extern const turn_key turn_keys[];
extern const int turn_key_count;
int turned_view(int view, int step);   // the View-menu item one step on from view

// A panel key presses the panel at a fixed point, so it does exactly what a
// click there does. The point is relative to an instrument slot (a kind of
// ins.ins_x/ins_y), to the radio column (x from ins.radio_dx, y absolute) or
// to the lever group (x from ins.radio_dy, y absolute).
const int key_at_radio = -1;
const int key_at_levers = -2;
struct panel_key_command {
    char key;
    int origin;                 // an instrument kind, key_at_radio or key_at_levers
    float dx, dy;
    const char* what;
};
extern const panel_key_command panel_keys[];
extern const int panel_key_count;
// The panel keys' points: 1 with (x, y) set for a panel key, else 0. The
// HSI's keys follow its knobs 30 lower on the glass panel (paneltype 2).
int panel_key_point(char key, float* x, float* y);

// A radio key steps one setting with its radio's stepper. The first COM and
// NAV radios answer only on a panel that has the first NAV receiver.
struct radio_key {
    char key;
    int* setting;
    void (*stepper)(int* setting, int step);
    int step;
    int needs_nav1;
    const char* what;
};
extern const radio_key radio_keys[];
extern const int radio_key_count;

// The levers (flaps, carburettor heat, speed brakes, thrust reversers) and
// the other keys (the ATC list, pause, release and failure): one action each.
struct action_key {
    char key;
    void (*act)(void);
    const char* what;
};
extern const action_key lever_keys[];
extern const int lever_key_count;
extern const action_key other_keys[];
extern const int other_key_count;

// The function keys move the engine levers. Without Shift a key gives its
// code, with Shift code + function_key_shift. With a throttle quadrant each
// key works one engine's lever, Shift raising it; otherwise the first two
// keys of each lever move all engines together, down and up, from engine
// 1's setting, and the other keys do nothing.
const int function_key_shift = 12;
const int function_lever_throttle = 0;
const int function_lever_governor = 1;
const int function_lever_mixture = 2;
const int function_levers = 3;
struct function_key_command {
    int code;                   // without Shift
    const char* name;           // as the keyboard labels it
    int lever;                  // function_lever_...
    int engine;                 // 0..3
};
extern const function_key_command function_keys[];
extern const int function_key_count;
extern const char* const function_lever_names[function_levers];

// The keypad moves the keyboard yoke: a step on one deflection, or, with no
// deflection named, centres the roll and yaw keys.
struct yoke_key_command {
    int code;
    const char* name;
    float* deflection;          // set.pitch_key, roll_key or yaw_key; nullptr centres
    float step;
    const char* what;
};
extern const yoke_key_command yoke_keys[];
extern const int yoke_key_count;

// An arrow key turns the head (the cockpit view), moves the spot camera
// 100 m and moves the ATC list's cursor, all three at once. across -1 left,
// +1 right; along +1 up or forward, -1 down or back.
struct arrow_key_command {
    int code;
    const char* name;
    int across, along;
    const char* what;
};
extern const arrow_key_command arrow_keys[];
extern const int arrow_key_count;

// ---- controls -------------------------------------------------------------

// Once a frame before the flight model, and after each replayed frame: the
// pilot's inputs and the autopilot into control ratios, then the ratios into
// surface deflections (in replay only the deflections, from the recorded ratios).
void update_controls(void);
// The flight reset calls it: the throttle axis's takeover, the vertical
// autopilot's engagement and integrator, the autothrottle's memory and the
// last ground contact back to their start.
void clear_controls_flight_state(void);
