// The keyboard commands: the layouts' remapping as one table, the typed keys
// through a log of the calls they make (the panel's press and the menu
// command), the ATC list, levers, radios, pause and release, the function
// keys' engine levers split and combined, the arrow keys, a national key
// from the host to its command, and the key list the data generator writes.
#include <gtest/gtest.h>

#include "Do_atc.h"
#include "HL_MNW.h"
#include "Windows.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> calls;
int modes_at_press[ap_modes];

void record_das(float x, float y)
{
    char s[64];
    snprintf(s, sizeof s, "das %g %g", x, y);
    calls.push_back(s);
    for (int m = 0; m < ap_modes; m++) modes_at_press[m] = ott_mode(ott, m);
}

// The menu command switches the view, as the menu handler does.
void record_menu(int item)
{
    calls.push_back("menu " + std::to_string(item));
    if (item >= item_view_first && item <= item_view_last) set.view_id = item;
}

std::string last_call(void) { return calls.empty() ? "" : calls.back(); }

class KeyCommands : public ::testing::Test {
protected:
    shell_calls real;

    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        calls.clear();
        real = shell;
        shell.manage_das = record_das;
        shell.APPLICATION_handlemenu = record_menu;
        msc.kbd_layout = layout_american;
        set.view_id = view_forwards;
    }
    void TearDown() override
    {
        shell = real;
        dispose_sound();
        buffers_filled = 0;
    }

    static void type(char key) { APPLICATION_handlekey(key, 0); }

    // Sound into the silent sink with the given slots loaded and playable.
    static void start_sound(std::initializer_list<int> slots)
    {
        host_test_audio_no_device(1);
        ASSERT_EQ(init_sound(), 1);
        std::vector<short> pcm(2205);
        host_wave_format f = {1, 1, 22050, 2, 16};
        for (int s : slots) ASSERT_EQ(host_voice_load(s, &f, pcm.data(), (unsigned)(pcm.size() * sizeof(short))), 1);
        buffers_filled = 1;
        msc.snd_ok = msc.sound_on = 1;
    }
};

// ---- layouts -------------------------------------------------------------------

TEST_F(KeyCommands, EachLayoutRemapsATypedKeyOnceByItsFirstRow)
{
    struct Case {
        int layout;
        unsigned char typed, want;
    };
    const Case cases[] = {
        {layout_american, 'z', 'z'}, {layout_american, 'q', 'q'}, {layout_american, 0xE9, 0xE9},
        {layout_german, 'z', 'y'},   {layout_german, 'Z', 'Y'},   {layout_german, 'y', 'z'},
        {layout_german, 'Y', 'Z'},   {layout_german, 0xD6, ':'},  {layout_german, 0xF6, ':'},
        {layout_german, ':', '?'},   {layout_german, ';', '>'},   {layout_german, ',', '.'},
        {layout_german, 0xFC, '['},  {layout_german, '+', ']'},   {layout_german, 'q', 'q'},
        {layout_german, 0xE9, 0xE9}, {layout_german, '.', '.'},
        {layout_french, 'q', 'a'},   {layout_french, 'Q', 'A'},   {layout_french, 'a', 'q'},
        {layout_french, 'A', 'Q'},   {layout_french, 'z', 'w'},   {layout_french, 'Z', 'W'},
        {layout_french, 'w', 'z'},   {layout_french, 'W', 'Z'},   {layout_french, '?', 'M'},
        {layout_french, 'M', ':'},   {layout_french, ',', '.'},   {layout_french, '.', '>'},
        {layout_french, '/', '?'},   {layout_french, 'y', 'y'},   {layout_french, 0xD6, 0xD6},
        // A key is looked up once: '1' becomes '!', which is not taken on to '8'.
        {layout_french, '1', '!'},   {layout_french, '4', '$'},   {layout_french, '5', '%'},
        {layout_french, '6', '^'},   {layout_french, '7', '&'},   {layout_french, '8', '*'},
        {layout_french, '&', '1'},   {layout_french, 0xE9, '2'},  {layout_french, '"', '3'},
        {layout_french, '\'', '4'},  {layout_french, '(', '5'},   {layout_french, 0xA7, '6'},
        {layout_french, 0xE8, '7'},  {layout_french, '!', '8'},   {layout_french, 0xE7, '9'},
        {layout_french, 0xE0, '0'},  {layout_french, '^', '['},   {layout_french, '$', ']'},
        {0, 'q', 'q'},               {4, 'q', 'q'},
    };
    for (const Case& c : cases) {
        msc.kbd_layout = c.layout;
        type((char)c.typed);
        EXPECT_EQ((unsigned char)msc.last_key, c.want) << "layout " << c.layout << " typed 0x" << std::hex << (int)c.typed;
    }
}

TEST_F(KeyCommands, AFrenchAIsTheLeftTurnAndAStickButtonIsNeverRemapped)
{
    msc.kbd_layout = layout_french;
    type('a');
    EXPECT_EQ(last_call(), "menu 504");
    type('q');
    EXPECT_EQ(last_call(), "menu 516");
    APPLICATION_handlekey('a', 1);
    EXPECT_EQ(msc.last_key, 'a');
    EXPECT_EQ(last_call(), "menu 516");
    msc.kbd_layout = layout_german;
    APPLICATION_handlekey('z', 1);
    EXPECT_EQ(last_call(), "menu 511");
}

// ---- views ---------------------------------------------------------------------

TEST_F(KeyCommands, ViewAndChartKeysPassTheirMenuItem)
{
    const struct {
        char key;
        int item;
    } cases[] = {
        {'w', 500}, {'s', 501}, {'x', 502}, {'z', 511}, {'t', 513}, {'#', 514}, {'a', 516}, {'|', 517},
        {'\\', 518}, {'@', 519}, {'_', 521}, {'+', 522}, {'=', 524}, {'-', 525}, {'/', 600}, {'d', 401},
    };
    for (const auto& c : cases) {
        calls.clear();
        type(c.key);
        EXPECT_EQ(calls, std::vector<std::string>{"menu " + std::to_string(c.item)}) << c.key;
    }
}

TEST_F(KeyCommands, QAndETurnTheViewRoundTheRing)
{
    auto turns = [](char key, int times) {
        calls.clear();
        for (int k = 0; k < times; k++) type(key);
        return calls;
    };
    using v = std::vector<std::string>;
    EXPECT_EQ(turns('q', 8), (v{"menu 504", "menu 506", "menu 508", "menu 511", "menu 509", "menu 507",
                                "menu 505", "menu 500"}));
    EXPECT_EQ(turns('e', 8), (v{"menu 505", "menu 507", "menu 509", "menu 511", "menu 508", "menu 506",
                                "menu 504", "menu 500"}));
    // A view off the ring turns as from forwards.
    set.view_id = view_chase;
    EXPECT_EQ(turns('q', 1), v{"menu 504"});
    set.view_id = view_spot;
    EXPECT_EQ(turns('e', 1), v{"menu 505"});
}

// ---- panel keys ----------------------------------------------------------------

TEST_F(KeyCommands, PanelKeysPressTheirFixedPointsTheHsiKeys30LowerOnTheGlassPanel)
{
    for (int k = 1; k < ins_kinds; k++) {
        ins.ins_x[k] = 100.0f * (float)k;
        ins.ins_y[k] = 10.0f * (float)k;
    }
    ins.radio_dx = 7;
    ins.radio_dy = 3;
    const struct {
        char key;
        float x, y;     // on the dial panel
        int hsi;
    } cases[] = {
        {'n', 550, 10, 1},  {'m', 575, 10, 1},  {'y', 635, 10, 1},  {'u', 660, 10, 1},  {'i', 1000, 90, 0},
        {'o', 1000, 110, 0}, {'h', 362, 0, 0},  {'j', 382, 0, 0},   {'k', 360, 5, 0},   {'l', 360, -5, 0},
        {'c', 760, 30, 0},  {'v', 770, 30, 0},  {'b', 527, 10, 0},  {'g', 632, 30, 0},  {'!', 501, 90, 0},
        {'$', 523, 90, 0},  {'%', 543, 90, 0},  {'^', 563, 90, 0},  {'&', 586, 90, 0},  {'*', 626, 90, 0},
        {'7', 587, 40, 0},  {'8', 597, 40, 0},  {'9', 587, 20, 0},  {'0', 597, 20, 0},  {'[', 790, 122, 0},
        {']', 790, 81, 0},
    };
    for (int panel : {1, 2}) {
        pln[0].paneltype = panel;
        for (const auto& c : cases) {
            calls.clear();
            type(c.key);
            char want[64];
            snprintf(want, sizeof want, "das %g %g", c.x, c.y - (panel == 2 && c.hsi ? 30.0f : 0.0f));
            EXPECT_EQ(calls, std::vector<std::string>{want}) << c.key << " panel " << panel;
        }
    }
    calls.clear();
    type('f');
    type('r');
    EXPECT_TRUE(calls.empty());
}

TEST_F(KeyCommands, AutopilotOffLeavesHeadingHoldAloneOnForThePressAndCallsItOut)
{
    for (int betty : {0, 1})
        for (int warnings : {0, 1}) {
            start_sound({snd_caution});
            pln[0].bitchinbettyEQ = betty;
            set.snd_warnings = warnings;
            ott.ap_alt = ott.ap_gs = ott.ap_speed = 1;
            type('!');
            for (int m = 0; m < ap_modes; m++) EXPECT_EQ(modes_at_press[m], m == 0 ? 1 : 0) << "mode " << m;
            EXPECT_EQ(host_test_voice_state(snd_caution).playing, betty && warnings)
                << "voice warnings " << betty << ", sound warnings " << warnings;
            dispose_sound();
        }
}

// ---- the other typed keys ------------------------------------------------------

// Enter raises the list at its calls and does nothing else; with the list
// up it makes the call under the cursor: "Get ATIS..." opens the airports,
// and a cell of that list without an airport only hides it.
TEST_F(KeyCommands, EnterRaisesTheAtcListAtItsCallsThenMakesTheCallUnderTheCursor)
{
    atc.menu_level = atc_level_vectors;
    atc.menu_row = 2;
    type('\r');
    EXPECT_EQ(atc.menu_on, 1);
    EXPECT_EQ(atc.menu_level, atc_level_options);
    EXPECT_EQ(atc.menu_row, 2);
    type('\r');
    EXPECT_EQ(atc.menu_on, 1);
    EXPECT_EQ(atc.menu_level, atc_level_atis);
    type('\r');
    EXPECT_EQ(atc.menu_on, 0);
    EXPECT_EQ(atc.menu_level, atc_level_atis);
    EXPECT_TRUE(calls.empty());
}

TEST_F(KeyCommands, FlapsCarbHeatAndSpeedBrakesStayInTheirRange)
{
    auto after = [](const char* keys, float* v) {
        std::vector<float> got;
        for (const char* k = keys; *k; k++) {
            type(*k);
            got.push_back(*v);
        }
        return got;
    };
    using f = std::vector<float>;
    EXPECT_EQ(after("1222221", &flt.flap_request), (f{0, 0.25f, 0.5f, 0.75f, 1, 1, 0.75f}));
    EXPECT_EQ(after("4343", &flt.carb_heat), (f{1, 0, 1, 0}));

    auto brakes = [](const char* keys) {
        std::vector<int> got;
        for (const char* k = keys; *k; k++) {
            type(*k);
            got.push_back(flt.sbrk_handle);
        }
        return got;
    };
    using i = std::vector<int>;
    flt.sbrk_handle = 1;
    EXPECT_EQ(brakes("55666"), (i{0, 0, 1, 2, 2}));
    pln[0].autosbrkEQ = 1;
    EXPECT_EQ(brakes("555556"), (i{1, 0, -1, -1, -1, 0}));
}

TEST_F(KeyCommands, ReversersFlipOnEachEngineAtIdleOnlyWhenFitted)
{
    pln[0].numen = 2;
    for (float& t : flt.throttle_req) t = 0.7f;
    flt.reverser[1] = 1;
    set.joy_throttle_on = 1;
    type('.');
    EXPECT_EQ(flt.throttle_req[0], 0.7f);
    EXPECT_EQ(flt.reverser[0], 0);
    EXPECT_EQ(set.joy_throttle_on, 1);

    pln[0].revthrustEQ = 1;
    type('.');
    const float throttles[4] = {0.01f, 0.01f, 0.7f, 0.7f};
    const int reversers[4] = {1, 0, 0, 0};
    for (int e = 0; e < 4; e++) {
        EXPECT_EQ(flt.throttle_req[e], throttles[e]) << e;
        EXPECT_EQ(flt.reverser[e], reversers[e]) << e;
    }
    EXPECT_EQ(set.joy_throttle_on, 0);
}

TEST_F(KeyCommands, RadioKeysStepTheirRadioTheFirstOnesOnlyWithANav1Receiver)
{
    struct Case {
        char key;
        int* setting;
        void (*stepper)(int*, int);
        int step;
        int nav1_only;
    };
    const Case cases[] = {
        {'Q', &nav.com1, COMinc, -10, 1}, {'W', &nav.com1, COMinc, 10, 1}, {'E', &nav.com1, COMinc, -5, 1},
        {'R', &nav.com1, COMinc, 5, 1},   {'T', &nav.nav1, NAVinc, -10, 1}, {'Y', &nav.nav1, NAVinc, 10, 1},
        {'U', &nav.nav1, NAVinc, -5, 1},  {'I', &nav.nav1, NAVinc, 5, 1},   {'A', &nav.com2, COMinc, -10, 0},
        {'S', &nav.com2, COMinc, 10, 0},  {'D', &nav.com2, COMinc, -5, 0},  {'F', &nav.com2, COMinc, 5, 0},
        {'G', &nav.nav2, NAVinc, -10, 0}, {'H', &nav.nav2, NAVinc, 10, 0},  {'J', &nav.nav2, NAVinc, -5, 0},
        {'K', &nav.nav2, NAVinc, 5, 0},   {'O', &nav.adf, ADFinc, -100, 0}, {'P', &nav.adf, ADFinc, 100, 0},
        {'L', &nav.adf, ADFinc, -10, 0},  {':', &nav.adf, ADFinc, 10, 0},   {'>', &nav.adf, ADFinc, -1, 0},
        {'?', &nav.adf, ADFinc, 1, 0},    {'Z', &nav.xpdr[0], XPNinc, -1, 0}, {'X', &nav.xpdr[0], XPNinc, 1, 0},
        {'C', &nav.xpdr[1], XPNinc, -1, 0}, {'V', &nav.xpdr[1], XPNinc, 1, 0}, {'B', &nav.xpdr[2], XPNinc, -1, 0},
        {'N', &nav.xpdr[2], XPNinc, 1, 0}, {'M', &nav.xpdr[3], XPNinc, -1, 0}, {'<', &nav.xpdr[3], XPNinc, 1, 0},
    };
    int* radios[] = {&nav.com1, &nav.com2, &nav.nav1, &nav.nav2, &nav.adf,
                     &nav.xpdr[0], &nav.xpdr[1], &nav.xpdr[2], &nav.xpdr[3]};
    const int start[] = {12150, 12400, 11000, 11300, 350, 1, 2, 3, 4};
    for (int supp : {0, 1, 7})
        for (const Case& c : cases) {
            pln[0].supptype = supp;
            for (int r = 0; r < 9; r++) *radios[r] = start[r];
            int stepped = *c.setting;
            c.stepper(&stepped, c.step);
            ASSERT_NE(stepped, *c.setting) << c.key;
            int acts = !c.nav1_only || supp != 0;
            type(c.key);
            for (int r = 0; r < 9; r++) {
                int want = radios[r] == c.setting && acts ? stepped : start[r];
                EXPECT_EQ(*radios[r], want) << c.key << " supptype " << supp << " radio " << r;
            }
        }
}

TEST_F(KeyCommands, PauseStopsTheEngineAndWindLoopsAndResumingStartsThem)
{
    start_sound({snd_engine, snd_wind});
    pln[0].numen = 1;
    play_engine_and_windrain();
    type('p');
    EXPECT_EQ(msc.paused, 1);
    EXPECT_FALSE(host_test_voice_state(snd_engine).playing);
    EXPECT_FALSE(host_test_voice_state(snd_wind).playing);
    type('p');
    EXPECT_EQ(msc.paused, 0);
    EXPECT_TRUE(host_test_voice_state(snd_engine).playing);
    EXPECT_TRUE(host_test_voice_state(snd_wind).playing);
}

TEST_F(KeyCommands, SpaceReleasesTheDropThenTheTowRopeThenTriggersTheFailure)
{
    set.drop_on = set.tow_on = 1;
    type(' ');
    EXPECT_EQ(set.drop_on, 0);
    EXPECT_EQ(set.tow_on, 1);
    EXPECT_EQ(rel.fail_now, 0);
    type(' ');
    EXPECT_EQ(set.tow_on, 0);
    EXPECT_EQ(rel.fail_now, 0);
    type(' ');
    EXPECT_EQ(rel.fail_now, 1);
}

// ---- function keys -------------------------------------------------------------

class FunctionKeys : public KeyCommands {
protected:
    void SetUp() override
    {
        KeyCommands::SetUp();
        pln[0].omegamingreen = 150;
        pln[0].omegamax = 250;          // a governor step of 5
        mid_levers();
    }
    static void mid_levers(void)
    {
        for (int e = 0; e < 4; e++) {
            flt.throttle_req[e] = 0.5f;
            flt.prop_req[e] = 200;
            flt.mixture[e] = 0.5f;
        }
    }
    static std::vector<float> levers(void)
    {
        std::vector<float> v;
        for (const float* a : {flt.throttle_req, flt.prop_req, flt.mixture}) v.insert(v.end(), a, a + 4);
        return v;
    }
};

TEST_F(FunctionKeys, WithAThrottleQuadrantEachKeyMovesOneEnginesLever)
{
    set.throttle_quadrant = 1;
    const std::vector<float> start = levers();
    const float steps[3] = {0.05f, 5, 0.05f};
    for (int code = 28; code <= 51; code++) {
        int row = (code - 28) % 12, lever = row / 4, engine = row % 4;
        float sign = code >= 40 ? 1.0f : -1.0f;
        mid_levers();
        set.joy_throttle_on = 1;
        function_key(code);
        std::vector<float> want = start;
        want[lever * 4 + engine] += sign * steps[lever];
        std::vector<float> got = levers();
        for (size_t k = 0; k < want.size(); k++) EXPECT_NEAR(got[k], want[k], 1e-5f) << "code " << code << " lever " << k;
        EXPECT_EQ(set.joy_throttle_on, lever == 0 ? 0 : 1) << "code " << code;
    }

    // At the stops a key holds there.
    flt.throttle_req[3] = 1;
    flt.prop_req[0] = 250;
    flt.mixture[1] = 0;
    function_key(43);
    function_key(44);
    function_key(37);
    EXPECT_EQ(flt.throttle_req[3], 1.0f);
    EXPECT_EQ(flt.prop_req[0], 250.0f);
    EXPECT_EQ(flt.mixture[1], 0.0f);
}

TEST_F(FunctionKeys, CombinedTheFirstTwoKeysOfALeverMoveAllEnginesFromEngineOnes)
{
    const float other[4] = {0.2f, 0.6f, 0.7f, 0.9f};
    const struct {
        int code;
        int lever;
        float to;       // every engine's, from engine 1's 0.2, 160 or 0.2
    } cases[] = {
        {28, 0, 0.15f}, {29, 0, 0.25f}, {32, 1, 155}, {33, 1, 165}, {36, 2, 0.15f}, {37, 2, 0.25f},
    };
    for (const auto& c : cases) {
        for (int e = 0; e < 4; e++) {
            flt.throttle_req[e] = flt.mixture[e] = other[e];
            flt.prop_req[e] = 160 + 10.0f * (float)e;
        }
        function_key(c.code);
        const float* v = c.lever == 0 ? flt.throttle_req : c.lever == 1 ? flt.prop_req : flt.mixture;
        for (int e = 0; e < 4; e++) EXPECT_NEAR(v[e], c.to, 1e-5f) << "code " << c.code << " engine " << e;
    }
    // The other keys, and every key with Shift, move nothing; F4 still takes the throttle from the stick.
    for (int code : {30, 31, 34, 35, 38, 39, 40, 41, 43, 45, 49, 51}) {
        mid_levers();
        set.joy_throttle_on = 1;
        std::vector<float> start = levers();
        function_key(code);
        EXPECT_EQ(levers(), start) << "code " << code;
        EXPECT_EQ(set.joy_throttle_on, code == 30 || code == 31 || code == 40 || code == 41 || code == 43 ? 0 : 1)
            << "code " << code;
    }
}

TEST_F(FunctionKeys, CombinedAHelicoptersThrottleKeysPitchEveryRotorWithinItsOwnRange)
{
    pln[0].is_heli = 1;
    const float min[4] = {0, 0, -10, 0}, max[4] = {10, 5.5f, 20, 10};
    for (int e = 0; e < 4; e++) {
        pln[0].minpitch[e] = min[e];
        pln[0].maxpitch[e] = max[e];
        flt.blade_pitch[e] = 2.0f * (float)e + 5;
    }
    function_key(29);
    const float want[4] = {6, 5.5f, 6, 6};
    for (int e = 0; e < 4; e++) EXPECT_EQ(flt.blade_pitch[e], want[e]) << e;
    EXPECT_EQ(flt.throttle_req[0], 0.5f);
    for (int k = 0; k < 8; k++) function_key(28);
    // Each press starts from engine 1's pitch, held at its own stop.
    EXPECT_EQ(flt.blade_pitch[0], 0.0f);
    EXPECT_EQ(flt.blade_pitch[2], -1.0f);
}

// ---- arrow keys ----------------------------------------------------------------

TEST_F(KeyCommands, ArrowsTurnTheHeadWithinItsRangeAndMoveTheSpotCamera)
{
    msc.dt = 0.1f;
    msc.view_hdg = 0.05f;
    freeviews_keys(26);
    EXPECT_NEAR(msc.view_hdg, 2 * con.pi - 0.05f, 1e-5f);
    freeviews_keys(25);
    EXPECT_NEAR(msc.view_hdg, 0.05f, 1e-5f);
    msc.view_pitch = con.pi / 2 - 0.05f;
    freeviews_keys(27);
    EXPECT_EQ(msc.view_pitch, con.pi / 2);
    msc.view_pitch = -con.pi / 2 + 0.05f;
    freeviews_keys(28);
    EXPECT_EQ(msc.view_pitch, -con.pi / 2);

    // Facing east, level: forward is +x, left is -z (north).
    scn.view_heading = 90;
    struct Case {
        int code;
        float x, y, z;
    };
    const Case level[] = {{27, 100, 0, 0}, {28, -100, 0, 0}, {25, 0, 0, -100}, {26, 0, 0, 100}};
    for (const Case& c : level) {
        msc.spot_x = msc.spot_y = msc.spot_z = 0;
        freeviews_keys(c.code);
        EXPECT_NEAR(msc.spot_x, c.x, 1e-3f) << c.code;
        EXPECT_NEAR(msc.spot_y, c.y, 1e-3f) << c.code;
        EXPECT_NEAR(msc.spot_z, c.z, 1e-3f) << c.code;
    }
    // Facing north, 30 degrees up: forward climbs 50 m and goes 86.6 m north.
    scn.view_heading = 0;
    scn.view_pitch = 30;
    msc.spot_x = msc.spot_y = msc.spot_z = 0;
    freeviews_keys(27);
    EXPECT_NEAR(msc.spot_y, 50, 1e-3f);
    EXPECT_NEAR(msc.spot_z, -86.6025f, 1e-3f);
    EXPECT_NEAR(msc.spot_x, 0, 1e-3f);
}

TEST_F(KeyCommands, ArrowsMoveTheAtcCursorOnlyWhileTheListIsUpAndKeepItOnTheList)
{
    freeviews_keys(28);
    freeviews_keys(26);
    EXPECT_EQ(atc.menu_row, 0);
    EXPECT_EQ(atc.menu_col, 0);
    atc.menu_on = 1;
    freeviews_keys(27);
    freeviews_keys(25);
    EXPECT_EQ(atc.menu_row, 0);
    EXPECT_EQ(atc.menu_col, 0);
    for (int k = 0; k < 25; k++) freeviews_keys(28);
    for (int k = 0; k < 9; k++) freeviews_keys(26);
    EXPECT_EQ(atc.menu_row, atc_menu_rows - 1);
    EXPECT_EQ(atc.menu_col, atc_menu_cols - 1);
    freeviews_keys(27);
    freeviews_keys(25);
    EXPECT_EQ(atc.menu_row, atc_menu_rows - 2);
    EXPECT_EQ(atc.menu_col, atc_menu_cols - 2);
}

// ---- from the host -------------------------------------------------------------

// A key as a national keyboard's layout reports it, through the window
// procedure in the main view.
void press(int code_point, int mods)
{
    host_test_feed_key(code_point, 31, mods);
    host_event e;
    while (host_next_event(&e)) IBM_handlewin(e);
}

TEST_F(KeyCommands, ANationalKeyFromTheHostDoesItsCommand)
{
    mnw.topwin = win_main;
    msc.kbd_layout = layout_french;
    press(0xE9, 0);                         // e acute: flaps down
    press(0xE9, host_mod_lshift);           // its own character whatever Shift says
    EXPECT_EQ(flt.flap_request, 0.5f);
    press('&', host_mod_lshift);            // flaps up
    EXPECT_EQ(flt.flap_request, 0.25f);
    press(0xA7, 0);                         // section sign: speed brakes out
    EXPECT_EQ(flt.sbrk_handle, 1);

    msc.kbd_layout = layout_german;
    nav.adf = 350;
    press(0xF6, 0);                         // o umlaut: the ADF's 10 kHz up
    int want = 350;
    ADFinc(&want, 10);
    EXPECT_EQ(nav.adf, want);
    press('+', 0);                          // pitch trim up
    EXPECT_EQ(last_call(), "das 787 81");
    press('#', 0);
    EXPECT_EQ(last_call(), "menu 514");
    nav.xpdr[3] = 4;
    press('<', 0);
    EXPECT_EQ(nav.xpdr[3], 5);
}

// ---- the key list --------------------------------------------------------------

TEST(KeyList, TheWrittenListHasEveryCommandAndEachLayoutsKey)
{
    std::string text = read_file(std::string(PROGRAM_DIR) + "Volanto Instructions.txt");
    ASSERT_FALSE(text.empty());
    std::vector<std::string> whats;
    for (int k = 0; k < view_key_count; k++) whats.push_back(view_keys[k].what);
    for (int k = 0; k < turn_key_count; k++) whats.push_back(turn_keys[k].what);
    for (int k = 0; k < panel_key_count; k++) whats.push_back(panel_keys[k].what);
    for (int k = 0; k < radio_key_count; k++) whats.push_back(radio_keys[k].what);
    for (int k = 0; k < lever_key_count; k++) whats.push_back(lever_keys[k].what);
    for (int k = 0; k < other_key_count; k++) whats.push_back(other_keys[k].what);
    for (int k = 0; k < yoke_key_count; k++) whats.push_back(yoke_keys[k].what);
    for (int k = 0; k < arrow_key_count; k++) whats.push_back(arrow_keys[k].what);
    for (const std::string& w : whats) EXPECT_NE(text.find(w), std::string::npos) << w;
    for (int k = 0; k < function_key_count; k++)
        EXPECT_NE(text.find(std::string(function_keys[k].name) + " / Shift+" + function_keys[k].name), std::string::npos)
            << function_keys[k].name;

    // American, French, German, then the command.
    const char* const lines[] = {
        R"(\n  a +q +a +Chase view\n)",
        R"(\n  z +w +y +View backwards\n)",
        R"(\n  2 +e acute or 2 +2 +Flaps down one notch\n)",
        R"(\n  : +M or : +O umlaut or o umlaut +ADF up 10 kHz\n)",
        R"(\n  Enter +Enter +Enter +ATC)",
    };
    for (const char* l : lines) EXPECT_TRUE(std::regex_search(text, std::regex(l))) << l;
}

}  // namespace
