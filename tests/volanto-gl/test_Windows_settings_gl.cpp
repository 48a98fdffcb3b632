// The joystick and flight-mode, weights, reliability, sound and warning
// windows on the screen over the shipped data, opened from the Settings
// menu and driven by scripted clicks and drags: each control's field after
// it is worked, the stick's reach and the input being assigned with a
// virtual stick, the failure rows a slider redraws, the loading and its
// colours, and the speech line.
#include <gtest/gtest.h>

#include "Fltutil.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Hl_joy.h"
#include "Initgen.h"
#include "Windows.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// The Settings menu's items of these windows.
const int item_flight_mode = 311;
const int item_weights = 312;
const int item_reliability = 314;
const int item_instrument_reliability = 315;
const int item_equipment_reliability = 316;
const int item_sound = 318;
const int item_warnings = 319;

// Starts with no stick attached; Enter answers the joystick notice.
void start_on_shipped_data(void)
{
    host_test_push_key(VK_RETURN, 0);
    start_simulator();
    clear_settings_windows_state();
    MACIBM_event_proc();
}

void open_from_menu(int item, int id)
{
    APPLICATION_handlemenu(item);
    ASSERT_EQ(mnw.topwin, id);
    MACIBM_event_proc();
}

// The screen is 800 x 600 pixels, the window's units.
int px(float x) { return (int)(mnw.x + x); }
int py(float y) { return (int)(600 - (mnw.y + y)); }

void click_in_window(float x, float y)
{
    host_test_push_click(px(x), py(y));
    MACIBM_event_proc();
}

// A press held over one frame at (x, y), then let go: what a slider follows.
void drag_in_window(float x, float y)
{
    host_test_push_event({HE_MOUSEMOVE, 0, px(x), py(y), 0});
    host_test_push_event({HE_BUTTONDOWN, 0, px(x), py(y), 0});
    MACIBM_event_proc();
    host_test_push_event({HE_BUTTONUP, 0, px(x), py(y), 0});
    MACIBM_event_proc();
}

// The mouse off every control, so that no tool tip covers what is read.
void rest_mouse(void)
{
    host_test_push_event({HE_MOUSEMOVE, 0, px(mnw.dx - 3), py(3), 0});
    MACIBM_event_proc();
}

// The shown window's pixels of (x, y) to (x + w, y + h), window units.
std::vector<unsigned char> shown(float x, float y, int w, int h)
{
    std::vector<unsigned char> rgb((size_t)w * h * 3);
    host_test_read_front((int)(mnw.x + x), (int)(mnw.y + y), w, h, rgb.data());
    return rgb;
}

// How many pixels of rgb show colour k of the table.
int pixels_of(const std::vector<unsigned char>& rgb, int k)
{
    int n = 0;
    for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
        int same = 1;
        for (int c = 0; c < 3; c++)
            if (std::abs((int)rgb[i + c] - (int)lroundf(col_rgb[k][c] * 255)) > 2) same = 0;
        n += same;
    }
    return n;
}

// A control worked at (x, y) and what its field holds then.
template <typename T>
struct worked {
    const char* control;
    float x, y;
    T* field;
    T value;
};

// A check box's middle, a selector's arrows and a digit wheel's places.
float box_middle(float at) { return at + 4; }
float arrow_x(float x, float arrows) { return x + arrows + 7; }

}  // namespace

// ---- joystick and flight mode -------------------------------------------------------

TEST(FlightModeWindowGl, EachControlSetsItsField)
{
    start_on_shipped_data();
    open_from_menu(item_flight_mode, win_flight_mode);
    set.rudder_pedals = set.avionics_stack = set.throttle_quadrant = set.collective_stick = 0;
    msc.kbd_layout = 1;
    set.joy_button_map[0] = 0;

    const float hx = box_middle(flt_hardware_x);
    const worked<int> clicks[] = {
        {"rudder pedals", hx, box_middle(flt_hardware_y[0]), &set.rudder_pedals, 1},
        {"avionics stack", hx, box_middle(flt_hardware_y[1]), &set.avionics_stack, 1},
        {"throttle quadrant", hx, box_middle(flt_hardware_y[2]), &set.throttle_quadrant, 1},
        {"collective stick", hx, box_middle(flt_hardware_y[3]), &set.collective_stick, 1},
        {"rudder pedals again", hx, box_middle(flt_hardware_y[0]), &set.rudder_pedals, 0},
        {"layout on", arrow_x(flt_layout_at.x, flt_layout_arrows), flt_layout_at.y + 13, &msc.kbd_layout, 2},
        {"layout on", arrow_x(flt_layout_at.x, flt_layout_arrows), flt_layout_at.y + 13, &msc.kbd_layout, 3},
        {"layout on wraps", arrow_x(flt_layout_at.x, flt_layout_arrows), flt_layout_at.y + 13, &msc.kbd_layout, 1},
        {"layout back wraps", arrow_x(flt_layout_at.x, flt_layout_arrows), flt_layout_at.y - 7, &msc.kbd_layout,
         3},
        // Nothing pressed on the stick: the hat's forward is the input assigned.
        {"function 19", flt_function_at.x + 5, flt_function_at.y - 19 * flt_function_step + 5,
         &set.joy_button_map[0], 19},
        {"function 30", flt_function_at.x + 5, flt_function_at.y - 30 * flt_function_step + 5,
         &set.joy_button_map[0], 30},
    };
    for (const auto& c : clicks) {
        click_in_window(c.x, c.y);
        EXPECT_EQ(*c.field, c.value) << c.control;
    }

    const float top = flt_slider_height;
    const worked<float> drags[] = {
        {"pitch to the top", flt_sensitivity_at[0].x + 10, flt_sensitivity_at[0].y + top, &set.ctl_scale_b, 1},
        {"roll to the bottom", flt_sensitivity_at[1].x + 10, flt_sensitivity_at[1].y, &set.ctl_scale_d, 0.5f},
        {"yaw halfway", flt_sensitivity_at[2].x + 10, flt_sensitivity_at[2].y + top / 2, &set.ctl_scale_c, 0.75f},
        {"yaw past the bottom", flt_sensitivity_at[2].x + 10, flt_sensitivity_at[2].y - 8, &set.ctl_scale_c, 0.5f},
        {"flight mode to the top", flt_augment_at.x + 10, flt_augment_at.y + top, &set.ctl_scale_a, 0},
        {"flight mode to the bottom", flt_augment_at.x + 10, flt_augment_at.y, &set.ctl_scale_a, 1},
    };
    for (const auto& d : drags) {
        drag_in_window(d.x, d.y);
        EXPECT_NEAR(*d.field, d.value, 1e-4f) << d.control;
    }
    MACIBM_finishup();
}

// With a stick: its reach decays by half in about 138 centred frames and
// jumps to a full deflection; of two buttons pressed together the higher
// input is framed and takes the function checked.
TEST(FlightModeWindowGl, StickReachDecaysAndTheHigherOfTwoButtonsIsAssigned)
{
    ASSERT_TRUE(start_shipped_on_display(2));
    ASSERT_EQ(set.joy_device, joy_first);
    clear_settings_windows_state();
    open_from_menu(item_flight_mode, win_flight_mode);
    set.rudder_pedals = 1;
    set.joy_extra_a = set.joy_extra_b = set.joy_extra_c = 0.8f;
    for (int f = 0; f < 138; f++) MACIBM_event_proc();
    EXPECT_NEAR(set.joy_extra_a, 0.4f, 0.005f);
    EXPECT_NEAR(set.joy_extra_b, 0.4f, 0.005f);
    EXPECT_NEAR(set.joy_extra_c, 0.4f, 0.005f);

    host_test_joy_axis(0, 1, 65535);    // pitch full
    host_test_joy_axis(0, 0, 0);        // roll full the other way
    MACIBM_event_proc();
    EXPECT_NEAR(set.joy_extra_a, 1, 1e-4f);
    EXPECT_NEAR(set.joy_extra_c, 1, 1e-4f);
    EXPECT_NEAR(set.joy_extra_b, 0.4f * 0.995f, 0.005f) << "the rudder was left alone";

    // Buttons 5 and 9 are inputs 8 and 12.
    set.joy_button_map[8] = set.joy_button_map[12] = 0;
    host_test_joy_buttons(0, (1u << 4) | (1u << 8));
    MACIBM_event_proc();
    host_test_joy_buttons(0, 0);
    MACIBM_event_proc();
    rest_mouse();
    // The frame's olive (the view's light may dim it) on the rows' dark frames.
    auto row = [](int input) {
        std::vector<unsigned char> rgb =
            shown(flt_input_at.x - 1, flt_input_at.y - flt_input_step * (float)input, 3, (int)flt_input_height);
        int n = 0;
        for (size_t i = 0; i + 2 < rgb.size(); i += 3) n += rgb[i] > 100 && rgb[i + 1] == rgb[i] && rgb[i + 2] < 20;
        return n;
    };
    EXPECT_GT(row(12), 5) << "input 12 framed";
    EXPECT_EQ(row(8), 0);
    EXPECT_EQ(row(0), 0);
    click_in_window(flt_function_at.x + 5, flt_function_at.y - 7 * flt_function_step + 5);
    EXPECT_EQ(set.joy_button_map[12], 7);
    EXPECT_EQ(set.joy_button_map[8], 0);
    MACIBM_finishup();
}

// ---- weights and fuel -----------------------------------------------------------------

TEST(WeightsWindowGl, SlidersLoadTheAircraftAndTheTotalTurnsRedAboveTheMaximum)
{
    start_on_shipped_data();
    planestruct& a = pln[0];
    flt.payload = flt.fuel = flt.jettison = 0;
    open_from_menu(item_weights, win_weights);
    const float L = wgt_slider_length, x0 = wgt_slider_x;
    const worked<float> drags[] = {
        {"payload full", x0 + L, wgt_payload_y + 5, &flt.payload, a.m_max - a.m_empty},
        {"payload empty", x0 - 5, wgt_payload_y + 5, &flt.payload, 0},
        {"fuel half", x0 + L / 2, wgt_fuel_y + 5, &flt.fuel, a.m_fuel / 2},
        {"fuel full", x0 + L, wgt_fuel_y - 10, &flt.fuel, a.m_fuel},
    };
    for (const auto& d : drags) {
        drag_in_window(d.x, d.y);
        EXPECT_NEAR(*d.field, d.value, 0.01f * d.value + 1e-3f) << d.control;
        EXPECT_FLOAT_EQ(flt.mass_now, loaded_mass()) << d.control;
    }

    auto total = [] {
        rest_mouse();
        return shown(wgt_readout_x, wgt_total_y - 1, 75, 10);
    };
    ASSERT_LE(flt.mass_now, a.m_max);
    EXPECT_GT(pixels_of(total(), 48), 10);
    EXPECT_EQ(pixels_of(total(), 46), 0);
    drag_in_window(x0 + L, wgt_payload_y + 5);
    ASSERT_GT(flt.mass_now, a.m_max);
    EXPECT_GT(pixels_of(total(), 46), 10);
    EXPECT_EQ(pixels_of(total(), 48), 0);
    MACIBM_finishup();
}

// An aircraft whose maximum is its empty weight keeps a payload slider of
// 0 to 0.01 kg, the right way round; a glider's endurance shows 0.
TEST(WeightsWindowGl, NoPayloadRoomAndAGliderStayWorkable)
{
    start_on_shipped_data();
    planestruct& a = pln[0];
    a.m_max = a.m_empty;
    a.entype = engine_none;
    a.numen = 0;
    flt.payload = 0;
    flt.fuel = 50;
    open_from_menu(item_weights, win_weights);
    drag_in_window(wgt_slider_x + wgt_slider_length, wgt_payload_y + 5);
    EXPECT_NEAR(flt.payload, 0.01f, 1e-5f);
    drag_in_window(wgt_slider_x, wgt_payload_y + 5);
    EXPECT_EQ(flt.payload, 0);
    // Nor does a maximum below the empty weight make room for a payload below 0.
    a.m_max = a.m_empty - 100;
    drag_in_window(wgt_slider_x + wgt_slider_length, wgt_payload_y + 5);
    EXPECT_NEAR(flt.payload, 0.01f, 1e-5f);

    // The endurance's places show what 0.0 shows drawn alone over the picture.
    rest_mouse();
    const float x = wgt_endurance_at.x, y = wgt_endurance_at.y;
    std::vector<unsigned char> got = shown(x, y - 1, 44, 10);
    OGL_plot_background();
    OGL_number(48, x, y, 0, 3, 1, 10, 0);
    std::vector<unsigned char> want(got.size());
    host_test_read_pixels((int)(mnw.x + x), (int)(mnw.y + y - 1), 44, 10, want.data());
    EXPECT_EQ(got, want);
    EXPECT_GT(pixels_of(got, 48), 10);
    MACIBM_finishup();
}

// ---- reliability ------------------------------------------------------------------------

TEST(ReliabilityWindowsGl, TheLikelihoodStepsInItsOneDigit)
{
    start_on_shipped_data();
    rel.failure_rate = 1;
    open_from_menu(item_reliability, win_reliability);
    const float x = rel_rate_at.x + 5, up = rel_rate_at.y + 10, down = rel_rate_at.y - 5;
    struct {
        float y;
        float value;
    } clicks[] = {{up, 2}, {down, 1}, {down, 0}, {down, 0}};
    for (const auto& c : clicks) {
        click_in_window(x, c.y);
        EXPECT_EQ(rel.failure_rate, c.value);
    }
    rel.failure_rate = 9;
    click_in_window(x, up);
    EXPECT_EQ(rel.failure_rate, 9) << "one digit holds 9 at most";
    MACIBM_finishup();
}

// A slider moved to its top end makes every row of its group "always
// working" with new times; an untouched group keeps its hand-set rows.
TEST(ReliabilityWindowsGl, ASliderRedrawsItsOwnRowsOnly)
{
    start_on_shipped_data();
    for (int s = 0; s < fail_slots; s++) {
        rel.fail_mode[s] = fail_at_time;
        rel.fail_time[s] = 42;
    }
    open_from_menu(item_instrument_reliability, win_instrument_reliability);
    drag_in_window(ins_slider_at.x + 10, ins_slider_at.y + flt_slider_height);
    EXPECT_EQ(rel.instrument_rate, 0);
    for (int s = ins_first_slot; s <= ins_last_slot; s++) {
        EXPECT_EQ(rel.fail_mode[s], fail_random) << s;
        // 65 to 130 hours at a rate of 0, held to 99.
        EXPECT_TRUE(rel.fail_time[s] >= 65 && rel.fail_time[s] <= 99) << s << ": " << rel.fail_time[s];
    }
    for (int s = ins_last_slot + 1; s < fail_slots; s++) EXPECT_EQ(rel.fail_mode[s], fail_at_time) << s;

    // A row's own selector and time.
    float yr = ins_rows_at.y - fail_row_step * 3;
    click_in_window(arrow_x(fail_mode_dx, fail_mode_arrows), yr + 13);
    EXPECT_EQ(rel.fail_mode[3], fail_mtbf);
    float t = rel.fail_time[3];
    click_in_window(fail_time_dx + 15, yr - 5);
    EXPECT_NEAR(rel.fail_time[3], t - 1, 1e-3f);

    open_from_menu(item_equipment_reliability, win_equipment_reliability);
    drag_in_window(eqp_slider_at[1].x + 10, eqp_slider_at[1].y);
    EXPECT_EQ(rel.equipment_rate_b, 1);
    for (int s = eqp_first_slot[1]; s <= eqp_last_slot[1]; s++) {
        EXPECT_EQ(rel.fail_mode[s], fail_mtbf) << s;
        EXPECT_TRUE(rel.fail_time[s] >= 5 && rel.fail_time[s] <= 10) << s << ": " << rel.fail_time[s];
    }
    for (int s = eqp_first_slot[0]; s <= eqp_last_slot[0]; s++) {
        EXPECT_EQ(rel.fail_mode[s], fail_at_time) << s;
        EXPECT_EQ(rel.fail_time[s], 42) << s;
    }
    EXPECT_EQ(rel.fail_mode[3], fail_mtbf) << "the instruments kept";
    MACIBM_finishup();
}

// ---- sound and warnings ---------------------------------------------------------------------

TEST(SoundAndWarningWindowsGl, EachBoxTogglesItsSwitch)
{
    start_on_shipped_data();
    struct {
        int item, id;
        win_point at;
        int* field;
    } boxes[] = {
        {item_sound, win_sound, snd_box_at[0], &msc.sound_on},
        {item_sound, win_sound, snd_box_at[1], &set.snd_headset},
        {item_sound, win_sound, snd_box_at[2], &set.snd_warnings},
        {item_sound, win_sound, snd_box_at[3], &set.atc_speech},
        {item_sound, win_sound, snd_box_at[4], &set.atc_text},
        {item_warnings, win_warnings, wrn_box_at[0], &set.warn_framerate},
        {item_warnings, win_warnings, wrn_box_at[1], &set.shed_on_overspeed},
        {item_warnings, win_warnings, wrn_box_at[2], &set.warn_flap_overspeed},
    };
    for (const auto& b : boxes) {
        if (mnw.topwin != b.id) open_from_menu(b.item, b.id);
        int before = *b.field;
        click_in_window(box_middle(b.at.x), box_middle(b.at.y));
        EXPECT_EQ(*b.field, !before) << b.id << " at y " << b.at.y;
        click_in_window(box_middle(b.at.x), box_middle(b.at.y));
        EXPECT_EQ(*b.field, before) << b.id << " at y " << b.at.y;
    }
    MACIBM_finishup();
}

// The speech line as the engine started or not: the window shows exactly
// that text drawn alone over its picture, and not the other one.
TEST(SoundAndWarningWindowsGl, SpeechLineFollowsTheSpeechEngine)
{
    start_on_shipped_data();
    open_from_menu(item_sound, win_sound);
    const char* text[2] = {
        "Speech synthesis for air traffic control voice output is not installed on this machine.",
        "Speech synthesis for air traffic control voice output IS installed on this machine.",
    };
    const float x = snd_speech_at.x - 2, y = snd_speech_at.y - 10.0f * (snd_speech_rows - 1) - 3;
    const int w = (int)snd_speech_width + 4, h = 10 * snd_speech_rows + 3;
    auto alone = [&](const char* t) {
        OGL_plot_background();
        OGL_string(48, snd_speech_at.x, snd_speech_at.y, t, snd_speech_width, 6);
        std::vector<unsigned char> rgb((size_t)w * h * 3);
        host_test_read_pixels((int)(mnw.x + x), (int)(mnw.y + y), w, h, rgb.data());
        return rgb;
    };
    for (int ok = 0; ok < 2; ok++) {
        msc.speech_ok = ok;
        rest_mouse();
        std::vector<unsigned char> got = shown(x, y, w, h);
        EXPECT_EQ(got, alone(text[ok])) << "speech_ok " << ok;
        EXPECT_NE(got, alone(text[1 - ok])) << "speech_ok " << ok;
    }
    MACIBM_finishup();
}
