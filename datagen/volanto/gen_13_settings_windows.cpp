// Writes into the program folder given as the one argument (ending in '/')
// the labelled background pictures of the settings windows for the
// joystick and flight mode ("set_flt"), weights and fuel ("set_wgt"), the
// three reliability windows ("set_rel", "set_ins", "set_eqp"), sound
// ("set_snd") and warnings ("set_wrn") in "bitmaps/VolSim/", over the plain
// grey ones gen_12_windows wrote. Drawn with the library's own drawing into
// rgb_array at the places the windows' managers draw their live parts
// (Windows.h).
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Hl_joy.h"
#include "Initgen.h"
#include "Windows.h"
#include "window_labels.h"

#include <cstdio>
#include <cstring>
#include <string>

// ---- drawing helpers -------------------------------------------------------------

// A text choice's well under its texts (chars characters from x), and its
// arrows at x + arrows: above the middle steps on, below it back.
static void choice_field(float x, float y, int chars, float arrows)
{
    well(x - 2, y - 4, x + 6.0f * (float)chars + 1, y + 11);
    arrow(x + arrows + 7, y + 19, 1);
    arrow(x + arrows + 7, y - 11, 0);
}

// A check box's sunken place, its label to the right.
static void check_box(win_point at, const char* text)
{
    MACIBM_button(at.x - 2, at.y - 2, at.x + 9, at.y + 9, 0);
    label(at.x + 15, at.y + 1, text);
}

// A vertical slider's well, its ends' words beside it on the right.
static void vertical_slider(win_point at, const char* top, const char* bottom)
{
    well(at.x, at.y, at.x + 20, at.y + flt_slider_height);
    if (top) label(at.x + 26, at.y + flt_slider_height - 7, top);
    if (bottom) label(at.x + 26, at.y, bottom);
}

// A number's well for places of 10 units from x + 3.
static void number_well(float x, float y, int places)
{
    well(x, y - 3, x + 10.0f * (float)places + 4, y + 10);
}

// ---- joystick and flight mode -------------------------------------------------------

// The joystick's inputs as the joystick handler numbers them.
static const char* const input_names[joy_inputs] = {
    "hat fwd",   "hat back",  "hat left",  "hat right", "button 1",  "button 2",  "button 3",  "button 4",
    "button 5",  "button 6",  "button 7",  "button 8",  "button 9",  "button 10", "button 11", "button 12",
    "button 13", "button 14", "button 15", "button 16", "spare 1",   "spare 2",
};

// What each function does, in the joystick handler's order of its actions.
static const char* const function_names[flt_functions] = {
    "nothing",
    "pitch trim up",
    "pitch trim down",
    "rudder trim down",
    "rudder trim up",
    "aileron trim down",
    "aileron trim up",
    "yaw left",
    "yaw right",
    "view forwards",
    "view down",
    "look left while held",
    "look right while held",
    "turn the view 45 deg left",
    "turn the view 45 deg right",
    "flaps up one notch",
    "flaps down one notch",
    "vector and sweep back",
    "vector and sweep forward",
    "gear up or down",
    "brakes while held",
    "speed brakes in or out",
    "autopilot off",
    "thrust reversers in or out",
    "jettison",
    "turn the head left",
    "turn the head right",
    "turn the head up",
    "turn the head down",
    "ATC list, or make the call",
    "release, or fail on command",
};

static void draw_flight_mode(float, float)
{
    // The sensitivities.
    label(12, 488, "Control response");
    static const char* const axis[3] = {"pitch", "roll", "yaw"};
    for (int k = 0; k < 3; k++) {
        win_point at = flt_sensitivity_at[k];
        well(at.x, at.y, at.x + 20, at.y + flt_slider_height);
        label_centred(at.x + 10, at.y - 13, axis[k]);
    }
    label(119, 451, "100%");
    label(119, 404, "50%");

    // The stick's reach and the rudder's, the green is where they went lately.
    float cx = flt_stick_at.x, cy = flt_stick_at.y, r = flt_reach;
    label(cx - r, cy + r + 6, "Stick");
    well(cx - r - 1, cy - r - 1, cx + r + 2, cy + r + 2);
    label(cx - r, flt_yaw_y - 13, "Rudder");
    well(cx - r - 1, flt_yaw_y - 1, cx + r + 2, flt_yaw_y + flt_yaw_height + 1);
    paragraph(12, 212, 172,
              "With a joystick attached, the green shows how far the stick and the rudder have moved lately. "
              "What is left of it when you close this window becomes each axis's dead zone, at most a quarter "
              "of its travel.\n\n"
              "To give a joystick input a function, press it (it is framed), then check the function.");

    // The inputs and their functions.
    label(flt_input_at.x, flt_function_at.y + 17, "Input");
    for (int i = 0; i < joy_inputs; i++) {
        float y = flt_input_at.y - flt_input_step * (float)i;
        OGL_framerect(col_dark, flt_input_at.x, y, flt_input_width, flt_input_height);
        label(flt_input_at.x + 5, y + 4, input_names[i]);
    }
    label(flt_function_at.x, flt_function_at.y + 17, "Function");
    for (int k = 0; k < flt_functions; k++) {
        float y = flt_function_at.y - flt_function_step * (float)k;
        MACIBM_button(flt_function_at.x - 1, y - 1, flt_function_at.x + 10, y + 10, 0);
        label(flt_function_at.x + 15, y + 1, function_names[k]);
    }

    // The flight mode.
    vertical_slider(flt_augment_at, "realistic", "very easy");
    label(flt_augment_at.x, flt_augment_at.y + flt_slider_height + 10, "Flight mode");

    // The hardware.
    label(flt_hardware_x, 404, "Attached hardware");
    static const char* const hardware[4] = {"Rudder pedals", "Avionics stack", "Throttle quadrant",
                                            "Collective stick"};
    for (int k = 0; k < 4; k++) check_box({flt_hardware_x, flt_hardware_y[k]}, hardware[k]);
    paragraph(flt_hardware_x, 200, 290,
              "Without rudder pedals the stick's twist does not steer; the keys and the mouse still do.");

    // The keyboard.
    choice_field(flt_layout_at.x, flt_layout_at.y, 8, flt_layout_arrows);
    label(flt_hardware_x, flt_layout_at.y, "Keyboard layout");
}

// ---- weights and fuel -----------------------------------------------------------------

static void draw_weights(float dx, float dy)
{
    paragraph(10, dy - 18, dx - 20, "Drag a bar to load the aircraft. Weights in pounds.");
    const float x = wgt_readout_x, L = wgt_slider_length;
    number_well(x, wgt_empty_y, 7);
    label(10, wgt_empty_y, "Empty");
    label(x + 78, wgt_empty_y, "lb");
    static const char* const loads[3] = {"Payload", "Fuel", "Jettison load"};
    const float ys[3] = {wgt_payload_y, wgt_fuel_y, wgt_jettison_y};
    for (int k = 0; k < 3; k++) {
        well(wgt_slider_x, ys[k], wgt_slider_x + L, ys[k] + 11);
        label(10, ys[k] + 2, loads[k]);
        label(wgt_slider_x + L + 8, ys[k] + 2, "lb");
    }
    number_well(x, wgt_total_y, 7);
    label(10, wgt_total_y, "Total");
    label(x + 78, wgt_total_y, "lb");

    number_well(wgt_max_at.x, wgt_max_at.y, 7);
    label(wgt_max_at.x - 6 - text_width("Max."), wgt_max_at.y, "Max.");
    label(wgt_max_at.x + 78, wgt_max_at.y, "lb");
    number_well(wgt_endurance_at.x, wgt_endurance_at.y, 4);
    label(wgt_endurance_at.x, wgt_endurance_at.y + 16, "Endurance");
    label(wgt_endurance_at.x + 48, wgt_endurance_at.y, "hours");
    paragraph(wgt_endurance_at.x, wgt_endurance_at.y - 16, dx - wgt_endurance_at.x - 6, "at full power");
}

// ---- reliability ------------------------------------------------------------------------

// The equipment of the failure slots, as the failures name them.
static const char* const slot_names[fail_slots] = {
    "vacuum",          "airspeed",        "attitude",         "altimeter",      "turn indicator",
    "heading",         "vertical speed",  "standby instr.",   "flight display", "radios",
    "engine",          "ailerons",        "elevator",         "rudder",         "flaps",
    "slats",           "throttle",        "nose gear",        "left gear",      "right gear",
    "electrical",      "hydraulics",      "governor",         "stability aug.", "flap symmetry",
    "pitch trim",      "thrust reverser", "anti-ice",         "engine power",   "autopilot",
    "autopilot 2", "tail rotor",
};

static void draw_reliability(float dx, float)
{
    wheel_field(rel_rate_at.x, rel_rate_at.y, 1, 0);
    label(rel_rate_at.x - 10 - text_width("Failure likelihood"), rel_rate_at.y, "Failure likelihood");
    label(rel_rate_at.x + 18, rel_rate_at.y, "0 to 9");
    paragraph(20, 310, dx - 40,
              "Real aircraft equipment rarely fails. Set how likely it is here: 0 and nothing fails by chance, "
              "9 and something will go before long.");
    paragraph(20, 200, dx - 40,
              "The likelihood is for the equipment set to 'always working' in the instrument and equipment "
              "reliability windows; set a mean or an exact time to fail there for anything you want to "
              "fail on a schedule.");
}

// One group's rate slider and the rows of its slots at (x, y), with their heads.
static void failure_rows(win_point slider, win_point rows, int first, int last, const char* heading)
{
    vertical_slider(slider, "reliable", "fails often");
    label(slider.x + 26, slider.y + 24, heading);
    float x = rows.x, head_y = rows.y + 30;
    label(x + 5, head_y, "Equipment");
    label(x + fail_mode_dx, head_y, "Failure mode");
    label(x + fail_time_dx, head_y, "Hours");
    for (int slot = first; slot <= last; slot++) {
        float y = rows.y - fail_row_step * (float)(slot - first);
        label(x + 5, y, slot_names[slot]);
        choice_field(x + fail_mode_dx, y, 20, fail_mode_arrows);
        wheel_field(x + fail_time_dx, y, 4, 0);
    }
}

static void draw_instrument_reliability(float, float)
{
    failure_rows(ins_slider_at, ins_rows_at, ins_first_slot, ins_last_slot, "Instruments");
    paragraph(150, ins_slider_at.y + 40, 190, "Moving the bar gives every row new times.");
}

static void draw_equipment_reliability(float, float)
{
    static const char* const heading[2] = {"Engine, controls, gear", "Systems"};
    for (int g = 0; g < 2; g++)
        failure_rows(eqp_slider_at[g], eqp_rows_at[g], eqp_first_slot[g], eqp_last_slot[g], heading[g]);
    paragraph(192, eqp_slider_at[0].y + 40, 150, "Moving a bar gives every row under it new times.");
}

// ---- sound and warnings ---------------------------------------------------------------------

static void draw_sound(float dx, float)
{
    static const char* const boxes[5] = {"All sounds", "Headset", "Aural warnings", "Spoken ATC", "ATC as text"};
    for (int k = 0; k < 5; k++) check_box(snd_box_at[k], boxes[k]);
    float bottom = snd_speech_at.y - 10.0f * (float)(snd_speech_rows - 1);
    well(snd_speech_at.x - 4, bottom - 4, snd_speech_at.x + snd_speech_width + 4, snd_speech_at.y + 11);
    paragraph(snd_voice_at.x, snd_voice_at.y, dx - 2 * snd_voice_at.x,
              "The controllers' voice is the espeak-ng speech synthesizer: install this system's espeak-ng "
              "packages to hear it.");
}

static void draw_warnings(float dx, float)
{
    static const char* const boxes[3] = {"Frame-rate warning", "Shed surfaces on overspeed",
                                         "Flap overspeed warning"};
    static const char* const notes[3] = {
        "Warns you when the frame rate gets too low to fly well.",
        "Flying past the aircraft's never-exceed speed tears surfaces off.",
        "Warns you when the flaps are out above their maximum extension speed.",
    };
    for (int k = 0; k < 3; k++) {
        check_box(wrn_box_at[k], boxes[k]);
        paragraph(wrn_box_at[k].x + 15, wrn_box_at[k].y - 14, dx - wrn_box_at[k].x - 30, notes[k]);
    }
}

int main(int argc, char** argv)
{
    static const window_picture pictures[] = {
        {win_flight_mode, draw_flight_mode},
        {win_weights, draw_weights},
        {win_reliability, draw_reliability},
        {win_instrument_reliability, draw_instrument_reliability},
        {win_equipment_reliability, draw_equipment_reliability},
        {win_sound, draw_sound},
        {win_warnings, draw_warnings},
    };
    return write_window_pictures(argc, argv, "gen_13_settings_windows", pictures,
                                 (int)(sizeof pictures / sizeof pictures[0]));
}
