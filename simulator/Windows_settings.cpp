// The joystick and flight-mode, weights, reliability, sound and warning
// windows. Each draws only its live parts over its background picture, which
// carries the labels (gen_13_settings_windows), and writes straight into
// set, msc, rel and the flight's loading.
//   joystick and flight mode
//   weights and fuel
//   reliability
//   sound
//   warnings
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Hl_joy.h"
#include "Funct.h"
#include "Fltutil.h"
#include "Initgen.h"
#include "records.h"
#include "Windows.h"

#include <cmath>

// The colours the windows draw their live parts in.
const int col_marks = 6;          // the stick's centre marks
const int col_selected = 15;      // the frame of the input being assigned
const int col_live = 48;          // read-outs, the stick's reach
const int col_position = 50;      // where the stick stands now
const int col_over = 46;          // a total above the maximum
const int col_loading = 39;       // payload, fuel and jettison read-outs
const int col_maximum = 42;

// What the windows keep between frames: the joystick input whose function
// the boxes set.
struct settings_windows_state {
    int input = 0;
};
static settings_windows_state settings_run;

void clear_settings_windows_state(void) { settings_run = settings_windows_state(); }

// ---- joystick and flight mode -------------------------------------------------------

// A maximum left alone halves in about 138 frames.
static const float reach_decay = 0.995f;

static void raise_to(float* reach, float axis)
{
    if (fabsf(axis) > *reach) *reach = fabsf(axis);
}

static void show_stick(void)
{
    set.joy_extra_a *= reach_decay;
    set.joy_extra_b *= reach_decay;
    set.joy_extra_c *= reach_decay;
    float pitch, roll, yaw, throttle;
    JOY_get(&pitch, &roll, &yaw, &throttle, 0);
    raise_to(&set.joy_extra_a, pitch);
    raise_to(&set.joy_extra_c, roll);
    raise_to(&set.joy_extra_b, yaw);

    float cx = flt_stick_at.x, cy = flt_stick_at.y, r = flt_reach;
    float wide = 2 * r * set.joy_extra_c, high = 2 * r * set.joy_extra_a;
    OGL_fillrect(col_live, cx - wide / 2, cy - high / 2, wide, high);
    float yaw_wide = 2 * r * set.joy_extra_b;
    OGL_fillrect(col_live, cx - yaw_wide / 2, flt_yaw_y, yaw_wide, flt_yaw_height);
    OGL_line(col_marks, cx - 5, cy, cx + 5, cy);
    OGL_line(col_marks, cx, cy - 5, cx, cy + 5);
    OGL_line(col_marks, cx, flt_yaw_y, cx, flt_yaw_y + 13);
    OGL_framerect(col_position, cx - 1 + r * roll, cy - 1 - r * pitch, 3, 3);
    float yx = cx - r * yaw;
    OGL_line(col_position, yx, flt_yaw_y, yx, flt_yaw_y + 13);
}

void manage_flt(void)
{
    // Pitch, roll and yaw as the joystick handler reads them.
    float* const sensitivity[3] = {&set.ctl_scale_b, &set.ctl_scale_d, &set.ctl_scale_c};
    for (int k = 0; k < 3; k++)
        util_scale(flt_sensitivity_at[k].x, flt_sensitivity_at[k].y, 0, 0.5f, 1.0f, sensitivity[k]);
    util_scale(flt_augment_at.x, flt_augment_at.y, 0, 1.0f, 0.0f, &set.ctl_scale_a);

    int* const hardware[4] = {&set.rudder_pedals, &set.avionics_stack, &set.throttle_quadrant,
                              &set.collective_stick};
    static const char* const help[4] = {
        "Do you have rudder pedals calibrated and plugged in? Say so here.",
        "Do you have an avionics stack attached to this computer? Say so here: its radios then take over "
        "from the panel's.",
        "Do you have a throttle quadrant attached to this computer? Say so here.",
        "Do you have a helicopter collective stick attached to this computer? Say so here: its buttons then "
        "work the helicopter's throttle and engine switch.",
    };
    for (int k = 0; k < 4; k++) inboolbtn(flt_hardware_x, flt_hardware_y[k], hardware[k], help[k]);
    in3textbtn(flt_layout_at.x, flt_layout_at.y, "AMERICAN", " FRENCH ", " GERMAN ", flt_layout_arrows,
               &msc.kbd_layout);

    if (set.joy_device != joy_none) show_stick();

    // The last input pressed is the one being assigned: of two pressed
    // together, the higher.
    int& input = settings_run.input;
    for (int i = 0; i < joy_inputs; i++)
        if (n_button_pressed[i]) input = i;
    input = intlim(input, 0, joy_inputs - 1);
    OGL_framerect(col_selected, flt_input_at.x, flt_input_at.y - flt_input_step * (float)input, flt_input_width,
                  flt_input_height);
    for (int k = 0; k < flt_functions; k++)
        inonebool(flt_function_at.x, flt_function_at.y - flt_function_step * (float)k, &set.joy_button_map[input], k);
}

// ---- weights and fuel -----------------------------------------------------------------

// The burn of one engine at full power is asked of the fuel model with these
// shares of its rating: of the power for pistons and turboprops, of the
// thrust for jets; a rocket at its full thrust.
const float full_power_share = 0.55275f;
const float full_thrust_share = 0.27975f;

float endurance_hours(float fuel)
{
    const planestruct& a = pln[0];
    float full = 0;
    if (intrange(a.entype, 1, 3)) full = full_power_share * a.pmax;
    else if (is_jet(a)) full = full_thrust_share * a.tmax;
    else if (a.entype == engine_rocket) full = a.fmax;
    else return 0;
    float burn = burnin_fuel(full) * (float)a.numen * 3600;
    // A glider, or an engine that burns nothing, has no endurance to show.
    if (!(burn > 0)) return 0;
    return fuel / burn;
}

const float load_least = 0.01f;         // kg, the sliders' least range

void manage_wgt(void)
{
    const planestruct& a = pln[0];
    // No room for a load still leaves its slider the least range the right
    // way round, empty at the left: a load is never below 0.
    util_scale(wgt_slider_x, wgt_payload_y, 1, 0, fltmax2(a.m_max - a.m_empty, load_least), &flt.payload);
    util_scale(wgt_slider_x, wgt_fuel_y, 1, 0, fltmax2(a.m_fuel, load_least), &flt.fuel);
    util_scale(wgt_slider_x, wgt_jettison_y, 1, 0, fltmax2(a.m_jettison, load_least), &flt.jettison);
    flt.mass_now = loaded_mass();

    float lb = con.kgstolbs, x = wgt_readout_x;
    OGL_number(col_live, x, wgt_empty_y, a.m_empty * lb, 7, 0, 10, 0);
    OGL_number(col_loading, x, wgt_payload_y + 2, flt.payload * lb, 7, 0, 10, 0);
    OGL_number(col_loading, x, wgt_fuel_y + 2, flt.fuel * lb, 7, 0, 10, 0);
    OGL_number(col_loading, x, wgt_jettison_y + 2, flt.jettison * lb, 7, 0, 10, 0);
    OGL_number(flt.mass_now > a.m_max ? col_over : col_live, x, wgt_total_y, flt.mass_now * lb, 7, 0, 10, 0);
    OGL_number(col_maximum, wgt_max_at.x, wgt_max_at.y, a.m_max * lb, 7, 0, 10, 0);
    OGL_number(col_live, wgt_endurance_at.x, wgt_endurance_at.y, endurance_hours(flt.fuel), 3, 1, 10, 0);
}

// ---- reliability ------------------------------------------------------------------------

void manage_rel(void)
{
    instdbtn(col_live, rel_rate_at.x, rel_rate_at.y, &rel.failure_rate, 1, 0, 0,
             "This is an indication of how likely the equipment on the aircraft is to fail. We are not going to "
             "tell you exactly HOW likely...");
}

// The rows of one group under its slider: moving the slider draws new
// times and modes for all of them.
static void failure_group(win_point slider, win_point rows, int first, int last, float* rate)
{
    int moved = util_scale(slider.x, slider.y, 0, 1.0f, 0.0f, rate);
    for (int slot = first; slot <= last; slot++) util_setfailsit(slot, first, rows.x, rows.y, moved, *rate);
}

void manage_ins(void)
{
    failure_group(ins_slider_at, ins_rows_at, ins_first_slot, ins_last_slot, &rel.instrument_rate);
}

void manage_eqp(void)
{
    float* const rate[2] = {&rel.equipment_rate_a, &rel.equipment_rate_b};
    for (int g = 0; g < 2; g++)
        failure_group(eqp_slider_at[g], eqp_rows_at[g], eqp_first_slot[g], eqp_last_slot[g], rate[g]);
}

// ---- sound ---------------------------------------------------------------------------------

static const char* speech_status_text(int speech_ok)
{
    return speech_ok ? "Speech synthesis for air traffic control voice output IS installed on this machine."
                     : "Speech synthesis for air traffic control voice output is not installed on this machine.";
}

void manage_snd(void)
{
    int* const box[5] = {&msc.sound_on, &set.snd_headset, &set.snd_warnings, &set.atc_speech, &set.atc_text};
    static const char* const help[5] = {
        "This turns on Volanto engine, wind, rain, flap, gear, and other sounds.",
        "This turns down the Volanto engine sounds, as it would sound in you were wearing good headsets.",
        "This turns on the aural warning system sounds (Bitchin' Betty) on airplanes so equipped.",
        // The voice here is the system's speech synthesizer, not another platform's.
        "This allows verbal air traffic control. You have to have speech synthesis (the system's espeak-ng "
        "packages) installed on your machine for this to work.",
        "This allows air traffic control text output, which you might want turned off if you are using verbal "
        "air traffic control.",
    };
    for (int k = 0; k < 5; k++) inboolbtn(snd_box_at[k].x, snd_box_at[k].y, box[k], help[k]);
    OGL_string(col_live, snd_speech_at.x, snd_speech_at.y, speech_status_text(msc.speech_ok), snd_speech_width, 6);
}

// ---- warnings ------------------------------------------------------------------------------

void manage_wrn(void)
{
    int* const box[3] = {&set.warn_framerate, &set.shed_on_overspeed, &set.warn_flap_overspeed};
    static const char* const help[3] = {
        "If this is on, Volanto will warn you annoyingly if your frame rate gets too low.",
        "If this is on, Volanto will shed certain flying surfaces if you overspeed your plane. Do not overspeed "
        "your plane.",
        "If this is on, Volanto will warn you annoyingly if you lower the flaps above your maximum flap extension "
        "speed (Vfe, the high-end of the white arc if any on the airspeed indicator.",
    };
    for (int k = 0; k < 3; k++) inboolbtn(wrn_box_at[k].x, wrn_box_at[k].y, box[k], help[k]);
}
