// The keyboard commands: the French and German layouts' remapping, the letter
// and symbol keys (views and charts, the panel's fixed points, radios,
// levers, the ATC list, pause, release), the function keys' engine levers,
// the keypad yoke and the arrow keys. Each command is a row of a table that
// Event.h exports; the handlers below act by the rows.
//
// Sections (grep "---- name"):
//   layouts        the remap rows
//   typed keys     views, panel, radios, levers, the rest; APPLICATION_handlekey
//   function keys  the engine levers
//   keypad         the keyboard yoke
//   arrow keys     head turn, spot camera, ATC list cursor
#include "Event.h"
#include "Do_atc.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Windows.h"
#include "records.h"

#include <cmath>

// ---- layouts -------------------------------------------------------------------

// Each layout's keys that sit where the American keyboard has another
// character; the French digit row and the German umlauts included.
const key_remap key_remaps[] = {
    {layout_german, 'z', 'y'}, {layout_german, 'Z', 'Y'}, {layout_german, 'y', 'z'}, {layout_german, 'Y', 'Z'},
    {layout_french, 'q', 'a'}, {layout_french, 'Q', 'A'}, {layout_french, 'a', 'q'}, {layout_french, 'A', 'Q'},
    {layout_french, 'z', 'w'}, {layout_french, 'Z', 'W'}, {layout_french, 'w', 'z'}, {layout_french, 'W', 'Z'},
    {layout_french, '?', 'M'},
    {layout_french, 'M', ':'},
    // O umlaut, and o umlaut as the host hands the key (its unshifted character).
    {layout_german, 0xD6, ':'}, {layout_german, 0xF6, ':'},
    {layout_french, ',', '.'}, {layout_german, ',', '.'},
    {layout_french, '1', '!'}, {layout_french, '4', '$'}, {layout_french, '5', '%'},
    {layout_french, '6', '^'}, {layout_french, '7', '&'}, {layout_french, '8', '*'},
    {layout_french, '.', '>'},
    {layout_german, ';', '>'},
    {layout_french, '/', '?'},
    {layout_german, ':', '?'},
    // The French digit row, unshifted: & e-acute " ' ( section e-grave ! c-cedilla a-grave.
    {layout_french, '&', '1'}, {layout_french, 0xE9, '2'}, {layout_french, '"', '3'}, {layout_french, '\'', '4'},
    {layout_french, '(', '5'}, {layout_french, 0xA7, '6'}, {layout_french, 0xE8, '7'}, {layout_french, '!', '8'},
    {layout_french, 0xE7, '9'}, {layout_french, 0xE0, '0'},
    {layout_french, '^', '['},
    {layout_german, 0xFC, '['},
    {layout_french, '$', ']'},
    {layout_german, '+', ']'},
};
const int key_remap_count = (int)(sizeof key_remaps / sizeof key_remaps[0]);

unsigned char layout_key(int layout, unsigned char typed)
{
    for (const key_remap& r : key_remaps)
        if (r.layout == layout && r.typed == typed) return r.becomes;
    return typed;
}

// ---- typed keys ----------------------------------------------------------------

const view_key view_keys[] = {
    {'w', view_forwards, "View forwards"},
    {'s', view_down_4, "View forwards, 4 degrees down"},
    {'x', view_down_8, "View forwards, 8 degrees down"},
    {'z', view_backwards, "View backwards"},
    {'t', view_tower, "View from the airport's beacon tower"},
    {'#', view_runway, "View from beside the runway"},
    {'a', view_chase, "Chase view"},
    {'|', view_follow, "Follow view"},
    {'\\', view_follow_2, "Second follow view"},
    {'@', view_spot, "Spot view (the arrow keys move the camera)"},
    {'_', view_full_hud, "Full screen, with the head-up display"},
    {'+', view_full_no_hud, "Full screen, without the head-up display"},
    {'=', item_zoom_in, "Zoom in"},
    {'-', item_zoom_out, "Zoom out"},
    {'/', item_force_report, "Write one flight-model cycle's working to Volanto.out"},
    {'d', item_chart_first, "Low enroute chart"},
};
const int view_key_count = (int)(sizeof view_keys / sizeof view_keys[0]);

const turn_key turn_keys[] = {
    {'q', 1, "Turn the view 45 degrees left"},
    {'e', -1, "Turn the view 45 degrees right"},
};
const int turn_key_count = (int)(sizeof turn_keys / sizeof turn_keys[0]);

// Forwards, then round to the left; any view off the ring turns as from forwards.
static const int view_ring[] = {view_forwards, view_left_45, view_left_90, view_left_135, view_backwards,
                                view_right_135, view_right_90, view_right_45};

int turned_view(int view, int step)
{
    int n = (int)(sizeof view_ring / sizeof view_ring[0]), at = 0;
    for (int k = 0; k < n; k++)
        if (view_ring[k] == view) at = k;
    return view_ring[intwrap(at + step, 0, n - 1)];
}

const panel_key_command panel_keys[] = {
    {'n', ins_hsi, -50, -50, "HSI course down"},
    {'m', ins_hsi, -25, -50, "HSI course up"},
    {'y', ins_hsi, 35, -50, "Heading bug left"},
    {'u', ins_hsi, 60, -50, "Heading bug right"},
    {'i', ins_baro, 0, -10, "Altimeter setting down"},
    {'o', ins_baro, 0, 10, "Altimeter setting up"},
    {'h', ins_supp, -38, -40, "VOR indicator: course up; radar: range out"},
    {'j', ins_supp, -18, -40, "VOR indicator: course down; radar: range out"},
    {'k', ins_supp, -40, -35, "Radio altimeter: decision height down; VOR indicator: course up"},
    {'l', ins_supp, -40, -45, "Radio altimeter: decision height up; VOR indicator: course up"},
    {'c', ins_adf, -40, -50, "ADF card up"},
    {'v', ins_adf, -30, -50, "ADF card down"},
    {'b', key_at_radio, 520, 10, "Brakes on or off"},
    {'g', key_at_radio, 625, 30, "Gear up or down"},
    {'!', key_at_radio, 494, 90, "Autopilot off"},
    {'$', key_at_radio, 516, 90, "Autopilot heading hold"},
    {'%', key_at_radio, 536, 90, "Autopilot NAV 1 hold"},
    {'^', key_at_radio, 556, 90, "Autopilot NAV 2 hold"},
    {'&', key_at_radio, 579, 90, "Autopilot altitude hold"},
    {'*', key_at_radio, 619, 90, "Autopilot glide-slope hold"},
    {'7', key_at_radio, 580, 40, "Aileron trim down"},
    {'8', key_at_radio, 590, 40, "Aileron trim up"},
    {'9', key_at_radio, 580, 20, "Rudder trim down"},
    {'0', key_at_radio, 590, 20, "Rudder trim up"},
    {'[', key_at_levers, 787, 122, "Pitch trim down"},
    {']', key_at_levers, 787, 81, "Pitch trim up"},
};
const int panel_key_count = (int)(sizeof panel_keys / sizeof panel_keys[0]);

static const panel_key_command* find_panel_key(char key)
{
    for (const panel_key_command& k : panel_keys)
        if (k.key == key) return &k;
    return nullptr;
}

int panel_key_point(char key, float* x, float* y)
{
    const panel_key_command* k = find_panel_key(key);
    if (!k) return 0;
    float ox = 0, oy = 0;
    if (k->origin == key_at_radio) ox = ins.radio_dx;
    else if (k->origin == key_at_levers) ox = ins.radio_dy;
    else {
        ox = ins.ins_x[k->origin];
        oy = ins.ins_y[k->origin];
        if (k->origin == ins_hsi && pln[0].paneltype == 2) oy -= 30;
    }
    *x = ox + k->dx;
    *y = oy + k->dy;
    return 1;
}

// The autopilot-off key leaves heading hold alone on, then presses its
// button, which turns it off too; the voice warning system calls it out.
static const char autopilot_off_key = '!';

static void press_panel_key(const panel_key_command& k)
{
    if (k.key == autopilot_off_key)
        for (int m = 0; m < ap_modes; m++) ott_mode(ott, m) = m == 0;
    float x, y;
    panel_key_point(k.key, &x, &y);
    shell.manage_das(x, y);
    if (k.key == autopilot_off_key && pln[0].bitchinbettyEQ && set.snd_warnings) play_buffer(snd_caution, 0);
}

const radio_key radio_keys[] = {
    {'Q', &nav.com1, COMinc, -10, 1, "COM 1 down 1 MHz"},
    {'W', &nav.com1, COMinc, 10, 1, "COM 1 up 1 MHz"},
    {'E', &nav.com1, COMinc, -5, 1, "COM 1 down 0.05 MHz"},
    {'R', &nav.com1, COMinc, 5, 1, "COM 1 up 0.05 MHz"},
    {'T', &nav.nav1, NAVinc, -10, 1, "NAV 1 down 1 MHz"},
    {'Y', &nav.nav1, NAVinc, 10, 1, "NAV 1 up 1 MHz"},
    {'U', &nav.nav1, NAVinc, -5, 1, "NAV 1 down 0.05 MHz"},
    {'I', &nav.nav1, NAVinc, 5, 1, "NAV 1 up 0.05 MHz"},
    {'A', &nav.com2, COMinc, -10, 0, "COM 2 down 1 MHz"},
    {'S', &nav.com2, COMinc, 10, 0, "COM 2 up 1 MHz"},
    {'D', &nav.com2, COMinc, -5, 0, "COM 2 down 0.05 MHz"},
    {'F', &nav.com2, COMinc, 5, 0, "COM 2 up 0.05 MHz"},
    {'G', &nav.nav2, NAVinc, -10, 0, "NAV 2 down 1 MHz"},
    {'H', &nav.nav2, NAVinc, 10, 0, "NAV 2 up 1 MHz"},
    {'J', &nav.nav2, NAVinc, -5, 0, "NAV 2 down 0.05 MHz"},
    {'K', &nav.nav2, NAVinc, 5, 0, "NAV 2 up 0.05 MHz"},
    {'O', &nav.adf, ADFinc, -100, 0, "ADF down 100 kHz"},
    {'P', &nav.adf, ADFinc, 100, 0, "ADF up 100 kHz"},
    {'L', &nav.adf, ADFinc, -10, 0, "ADF down 10 kHz"},
    {':', &nav.adf, ADFinc, 10, 0, "ADF up 10 kHz"},
    {'>', &nav.adf, ADFinc, -1, 0, "ADF down 1 kHz"},
    {'?', &nav.adf, ADFinc, 1, 0, "ADF up 1 kHz"},
    {'Z', &nav.xpdr[0], XPNinc, -1, 0, "Transponder, first digit down"},
    {'X', &nav.xpdr[0], XPNinc, 1, 0, "Transponder, first digit up"},
    {'C', &nav.xpdr[1], XPNinc, -1, 0, "Transponder, second digit down"},
    {'V', &nav.xpdr[1], XPNinc, 1, 0, "Transponder, second digit up"},
    {'B', &nav.xpdr[2], XPNinc, -1, 0, "Transponder, third digit down"},
    {'N', &nav.xpdr[2], XPNinc, 1, 0, "Transponder, third digit up"},
    {'M', &nav.xpdr[3], XPNinc, -1, 0, "Transponder, fourth digit down"},
    {'<', &nav.xpdr[3], XPNinc, 1, 0, "Transponder, fourth digit up"},
};
const int radio_key_count = (int)(sizeof radio_keys / sizeof radio_keys[0]);

static void flaps_up(void) { flt.flap_request = fltlim(flt.flap_request - 0.25f, 0, 1); }
static void flaps_down(void) { flt.flap_request = fltlim(flt.flap_request + 0.25f, 0, 1); }
static void carb_heat_off(void) { flt.carb_heat = 0; }
static void carb_heat_on(void) { flt.carb_heat = 1; }

// Below "in" lies "armed" (-1), for the automatic speed brakes only.
static void speed_brakes_by(int step)
{
    flt.sbrk_handle = intlim(flt.sbrk_handle + step, pln[0].autosbrkEQ ? -1 : 0, 2);
}
static void speed_brakes_in(void) { speed_brakes_by(-1); }
static void speed_brakes_out(void) { speed_brakes_by(1); }

// Each reverser flips over at idle; the throttle stops being the stick's.
static void thrust_reversers(void)
{
    if (!pln[0].revthrustEQ) return;
    for (int e = 0; e < intlim(pln[0].numen, 0, plane_engines); e++) {
        flt.throttle_req[e] = 0.01f;
        set.joy_throttle_on = 0;
        flt.reverser[e] = !flt.reverser[e];
    }
}

const action_key lever_keys[] = {
    {'1', flaps_up, "Flaps up one notch"},
    {'2', flaps_down, "Flaps down one notch"},
    {'3', carb_heat_off, "Carburettor heat off"},
    {'4', carb_heat_on, "Carburettor heat on"},
    {'5', speed_brakes_in, "Speed brakes in one step (below in: armed, for automatic speed brakes)"},
    {'6', speed_brakes_out, "Speed brakes out one step"},
    {'.', thrust_reversers, "Thrust reversers in or out (the throttles go to idle)"},
};
const int lever_key_count = (int)(sizeof lever_keys / sizeof lever_keys[0]);

static void atc_list(void)
{
    if (!atc.menu_on) {
        atc.menu_on = 1;
        atc.menu_level = 0;
    } else {
        plot_atc_options(1);
    }
}

static void pause(void)
{
    msc.paused = !msc.paused;
    if (msc.paused) stop_engine_and_windrain();
    else play_engine_and_windrain();
}

static void release(void)
{
    if (set.drop_on) set.drop_on = 0;
    else if (set.tow_on) set.tow_on = 0;
    else rel.fail_now = 1;
}

const action_key other_keys[] = {
    {'\r', atc_list, "ATC: show the list of calls; with the list up, make the call selected"},
    {'p', pause, "Pause, and go on again"},
    {' ', release, "Release from the drop aircraft or the tow rope; otherwise trigger the failure set to fail on SPACE or JOY"},
};
const int other_key_count = (int)(sizeof other_keys / sizeof other_keys[0]);

static int act_by(const action_key* keys, int n, unsigned char key)
{
    for (int k = 0; k < n; k++)
        if ((unsigned char)keys[k].key == key) {
            keys[k].act();
            return 1;
        }
    return 0;
}

// Every typed key's table holds keys of its own, so a key acts once.
void APPLICATION_handlekey(char key, int from_joystick)
{
    unsigned char k = (unsigned char)key;
    if (!from_joystick) k = layout_key(msc.kbd_layout, k);
    msc.last_key = (char)k;

    for (const view_key& v : view_keys)
        if ((unsigned char)v.key == k) {
            shell.APPLICATION_handlemenu(v.item);
            return;
        }
    for (const turn_key& t : turn_keys)
        if ((unsigned char)t.key == k) {
            shell.APPLICATION_handlemenu(turned_view(set.view_id, t.step));
            return;
        }
    for (const panel_key_command& p : panel_keys)
        if ((unsigned char)p.key == k) {
            press_panel_key(p);
            return;
        }
    for (const radio_key& r : radio_keys)
        if ((unsigned char)r.key == k) {
            if (!r.needs_nav1 || has_nav1_receiver()) r.stepper(r.setting, r.step);
            return;
        }
    if (act_by(lever_keys, lever_key_count, k)) return;
    act_by(other_keys, other_key_count, k);
}

// ---- function keys -------------------------------------------------------------

const function_key_command function_keys[] = {
    {28, "F1", function_lever_throttle, 0},    {29, "F2", function_lever_throttle, 1},
    {30, "F3", function_lever_throttle, 2},    {31, "F4", function_lever_throttle, 3},
    {32, "F5", function_lever_governor, 0},    {33, "F6", function_lever_governor, 1},
    {34, "F7", function_lever_governor, 2},    {35, "F8", function_lever_governor, 3},
    {36, "F9", function_lever_mixture, 0},     {37, "Backspace", function_lever_mixture, 1},
    {38, "F11", function_lever_mixture, 2},    {39, "F12", function_lever_mixture, 3},
};
const int function_key_count = (int)(sizeof function_keys / sizeof function_keys[0]);
const char* const function_lever_names[function_levers] = {"throttle", "propeller governor", "mixture"};

static float* lever_settings(int lever)
{
    if (lever == function_lever_throttle) return flt.throttle_req;
    if (lever == function_lever_governor) return flt.prop_req;
    return flt.mixture;
}

// The governor moves a twentieth of its green range a press.
static float lever_step(int lever)
{
    if (lever == function_lever_governor) return 0.05f * (pln[0].omegamax - pln[0].omegamingreen);
    return 0.05f;
}

// Combined levers: all engines set from engine 1's, a helicopter's throttle
// keys pitching every rotor's blades instead, each within its own range.
static void move_all_engines(int lever, int sign)
{
    if (lever == function_lever_throttle && pln[0].is_heli) {
        float pitch = flt.blade_pitch[0] + (float)sign;
        for (int e = 0; e < plane_engines; e++)
            flt.blade_pitch[e] = fltlim(pitch, pln[0].minpitch[e], pln[0].maxpitch[e]);
        return;
    }
    float* v = lever_settings(lever);
    float to = v[0] + (float)sign * lever_step(lever);
    for (int e = 0; e < plane_engines; e++) v[e] = to;
}

void function_key(int code)
{
    int shifted = code >= function_keys[0].code + function_key_shift;
    int plain = shifted ? code - function_key_shift : code;
    for (const function_key_command& f : function_keys) {
        if (f.code != plain) continue;
        if (f.lever == function_lever_throttle) set.joy_throttle_on = 0;
        if (set.throttle_quadrant) lever_settings(f.lever)[f.engine] += (shifted ? 1.0f : -1.0f) * lever_step(f.lever);
        else if (!shifted && f.engine <= 1) move_all_engines(f.lever, f.engine == 0 ? -1 : 1);
    }
    for (int e = 0; e < plane_engines; e++) {
        flt.throttle_req[e] = fltlim(flt.throttle_req[e], 0, 1);
        flt.mixture[e] = fltlim(flt.mixture[e], 0, 1);
        flt.prop_req[e] = fltlim(flt.prop_req[e], pln[0].omegamingreen, pln[0].omegamax);
    }
}

// ---- keypad --------------------------------------------------------------------

const yoke_key_command yoke_keys[] = {
    {0, "Keypad 5", nullptr, 0, "Roll and yaw keys back to the centre"},
    {1, "Keypad 2", &set.pitch_key, 0.05f, "Nose up"},
    {2, "Keypad 8", &set.pitch_key, -0.05f, "Nose down"},
    {3, "Keypad 4", &set.roll_key, -0.1f, "Roll left"},
    {4, "Keypad 6", &set.roll_key, 0.1f, "Roll right"},
    {5, "Keypad 1", &set.yaw_key, -0.1f, "Yaw left"},
    {6, "Keypad 3", &set.yaw_key, 0.1f, "Yaw right"},
};
const int yoke_key_count = (int)(sizeof yoke_keys / sizeof yoke_keys[0]);

void yoke_key(int code)
{
    for (const yoke_key_command& y : yoke_keys) {
        if (y.code != code) continue;
        if (y.deflection) *y.deflection += y.step;
        else set.roll_key = set.yaw_key = 0;
    }
    set.pitch_key = fltlim(set.pitch_key, -1.0f, 1.0f);
    set.roll_key = fltlim(set.roll_key, -1.0f, 1.0f);
    set.yaw_key = fltlim(set.yaw_key, -1.0f, 1.0f);
}

// ---- arrow keys ----------------------------------------------------------------

const arrow_key_command arrow_keys[] = {
    {25, "Left arrow", -1, 0, "Look left; spot camera 100 m left; ATC list: column left"},
    {26, "Right arrow", 1, 0, "Look right; spot camera 100 m right; ATC list: column right"},
    {27, "Up arrow", 0, 1, "Look up; spot camera 100 m forward; ATC list: row up"},
    {28, "Down arrow", 0, -1, "Look down; spot camera 100 m back; ATC list: row down"},
};
const int arrow_key_count = (int)(sizeof arrow_keys / sizeof arrow_keys[0]);

static const float spot_step = 100;   // m

// The head turns by the time step's worth of radians a press.
void freeviews_keys(int code)
{
    for (const arrow_key_command& a : arrow_keys) {
        if (a.code != code) continue;
        float across = (float)a.across, along = (float)a.along;
        msc.view_hdg = fltwrap(msc.view_hdg - across * msc.dt, 0, 2 * con.pi);
        msc.view_pitch = fltlim(msc.view_pitch + along * msc.dt, -con.pi / 2, con.pi / 2);

        float h = scn.view_heading * con.degtorad, p = scn.view_pitch * con.degtorad;
        msc.spot_x += spot_step * (along * sinf(h) * cosf(p) + across * cosf(h));
        msc.spot_z += spot_step * (-along * cosf(h) * cosf(p) + across * sinf(h));
        msc.spot_y += spot_step * along * sinf(p);

        if (atc.menu_on) {
            atc.menu_row = intlim(atc.menu_row - a.along, 0, atc_menu_rows - 1);
            atc.menu_col = intlim(atc.menu_col + a.across, 0, atc_menu_cols - 1);
        }
    }
}
