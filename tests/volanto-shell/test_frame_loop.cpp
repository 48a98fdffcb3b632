// The frame loop and the key handler, with every call they make into the
// program and the drawing recorded instead of run (the shell's call record
// points at the recorders). Times come from the host's virtual clock; input
// from scripted events.
#include <gtest/gtest.h>

#include "HL_BTN.h"
#include "HL_MNW.h"
#include "HL_GRAPH.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

static std::vector<std::string> calls;

static void note(const std::string& s) { calls.push_back(s); }

static void record_function_key(int k) { note("function_key " + std::to_string(k)); }
static void record_freeviews_keys(int k) { note("freeviews_keys " + std::to_string(k)); }
static void record_yoke_key(int k) { note("yoke_key " + std::to_string(k)); }
static void record_handlekey(char c, int flag) { note(std::string("handlekey ") + c + " " + std::to_string(flag)); }
static void record_handlemenu(int item) { note("handlemenu " + std::to_string(item)); }
static void record_update(void)
{
    note("update");
    // A widget under the mouse sets the help line during the program's step.
    snprintf(mnw.help_message, sizeof mnw.help_message, "a tip");
}
static void record_scene_3d(void) { note("scene_3d"); }
static void record_scene_2d(void) { note("scene_2d"); }
static void record_panel(void) { note("panel"); }
static void record_background(void) { note("background"); }
static void record_menu(void) { note("menu"); }
static void record_tooltip(void) { note("tooltip"); }
static void record_swap(void) { note("swap"); }
static void record_startwind(int id)
{
    note("startwind " + std::to_string(id));
    mnw.topwin = id;
}

// The shell's calls go to the recorders for the whole run, and back after it.
static shell_calls real;
class Recorders : public ::testing::Environment {
    void SetUp() override
    {
        real = shell;
        shell.update_scene_3d = record_scene_3d;
        shell.update_panel = record_panel;
        shell.update_scene_2d = record_scene_2d;
        shell.freeviews_keys = record_freeviews_keys;
        shell.function_key = record_function_key;
        shell.yoke_key = record_yoke_key;
        shell.OGL_plot_background = record_background;
        shell.APPLICATION_update = record_update;
        shell.APPLICATION_handlekey = record_handlekey;
        shell.APPLICATION_handlemenu = record_handlemenu;
        shell.MACIBM_startwind = record_startwind;
        shell.MACIBM_draw_menu = record_menu;
        shell.MACIBM_draw_tooltip = record_tooltip;
        shell.OGL_sbuf = record_swap;
    }
    void TearDown() override { shell = real; }
};
static ::testing::Environment* const recorders = ::testing::AddGlobalTestEnvironment(new Recorders);

// A shell as MACIBM_init leaves it, at 800 x 600, without a window.
static void fresh_shell(void)
{
    reset_suite_state();
    mnw.menu_up = -1;
    for (int m = 0; m < menus_max; m++) mnw.menu_prnt[m] = -1;
    mnw.XRES = 800;
    mnw.YRES = 600;
    mnw.XRAT = 1;
    mnw.YRAT = 1;
    g_cs0[0] = 0;
    calls.clear();
}

static int count(const std::string& what)
{
    int n = 0;
    for (const auto& c : calls) n += c == what;
    return n;
}

// The record is filled by position: a slip would swap two steps of one type.
TEST(ShellCalls, EachStartsAsTheFunctionOfItsName)
{
    EXPECT_EQ(real.update_scene_3d, &update_scene_3d);
    EXPECT_EQ(real.update_panel, &update_panel);
    EXPECT_EQ(real.update_scene_2d, &update_scene_2d);
    EXPECT_EQ(real.freeviews_keys, &freeviews_keys);
    EXPECT_EQ(real.function_key, &function_key);
    EXPECT_EQ(real.yoke_key, &yoke_key);
    EXPECT_EQ(real.OGL_plot_background, &OGL_plot_background);
    EXPECT_EQ(real.APPLICATION_update, &APPLICATION_update);
    EXPECT_EQ(real.APPLICATION_handlekey, &APPLICATION_handlekey);
    EXPECT_EQ(real.APPLICATION_handlemenu, &APPLICATION_handlemenu);
    EXPECT_EQ(real.MACIBM_startwind, &MACIBM_startwind);
    EXPECT_EQ(real.MACIBM_draw_menu, &MACIBM_draw_menu);
    EXPECT_EQ(real.MACIBM_draw_tooltip, &MACIBM_draw_tooltip);
    EXPECT_EQ(real.OGL_sbuf, &OGL_sbuf);
}

// ---- frame order ---------------------------------------------------------

TEST(FrameLoop, DrawsNothingBeforeTheFirstPaintButTimeAdvances)
{
    fresh_shell();
    host_test_clock(1000, 100);
    MACIBM_event_proc();
    MACIBM_event_proc();
    MACIBM_event_proc();
    EXPECT_TRUE(calls.empty());
    EXPECT_GT(mnw.time_elapsed, 0.0f);
}

TEST(FrameLoop, MainViewOrderIsScenePanelPictureInstrumentsOverlaysUpdateSwap)
{
    fresh_shell();
    host_test_clock(0, 10);
    host_test_push_event(host_event{HE_PAINT, 0, 0, 0, 0});
    MACIBM_event_proc();
    std::vector<std::string> want = {"startwind 0", "scene_3d", "background", "panel", "scene_2d", "update", "swap"};
    EXPECT_EQ(calls, want);
}

// The panel's picture would cover the full-screen scene.
TEST(FrameLoop, HiddenPanelDrawsNeitherThePictureNorTheInstruments)
{
    fresh_shell();
    set.panel_hidden = 1;
    host_test_clock(0, 10);
    host_test_push_event(host_event{HE_PAINT, 0, 0, 0, 0});
    MACIBM_event_proc();
    std::vector<std::string> want = {"startwind 0", "scene_3d", "scene_2d", "update", "swap"};
    EXPECT_EQ(calls, want);
}

TEST(FrameLoop, AnOpenWindowDrawsItsBackgroundAndRunsTheProgramStep)
{
    fresh_shell();
    host_test_clock(0, 10);
    mnw.topwin = 7;
    host_test_push_event(host_event{HE_PAINT, 0, 0, 0, 0});
    MACIBM_event_proc();
    std::vector<std::string> want = {"startwind 7", "background", "update", "swap"};
    EXPECT_EQ(calls, want);
}

TEST(FrameLoop, LibraryDialogsHoldTheProgramStep)
{
    for (int win : {win_alert, win_question}) {
        fresh_shell();
        host_test_clock(0, 10);
        mnw.topwin = win;
        host_test_push_event(host_event{HE_PAINT, 0, 0, 0, 0});
        MACIBM_event_proc();
        EXPECT_EQ(count("update"), 0) << win;
        EXPECT_EQ(count("swap"), 1) << win;
    }
}

TEST(FrameLoop, AnOpenMenuIsDrawnAfterTheProgramStep)
{
    fresh_shell();
    host_test_clock(0, 10);
    host_test_push_event(host_event{HE_PAINT, 0, 0, 0, 0});
    MACIBM_event_proc();
    calls.clear();
    mnw.menu_up = 1;
    MACIBM_event_proc();
    std::vector<std::string> want = {"scene_3d", "background", "panel", "scene_2d", "update", "menu", "swap"};
    EXPECT_EQ(calls, want);
}

TEST(FrameLoop, PulsingGreensChangeEveryFrame)
{
    fresh_shell();
    host_test_clock(0, 37);
    MACIBM_event_proc();
    float g57 = col_rgb[57][1], g58 = col_rgb[58][1];
    MACIBM_event_proc();
    EXPECT_NE(col_rgb[57][1], g57);
    EXPECT_NE(col_rgb[58][1], g58);
    EXPECT_FLOAT_EQ(col_rgb[57][0], 0.2f * col_rgb[57][1]);
}

// ---- mouse timers --------------------------------------------------------

static host_event mouse(int type, int x, int y) { return host_event{type, 0, x, y, 0}; }

// Runs frames 0.03 s apart from t = 0 and returns the times at which the
// frame saw a click, with the button pressed before the first frame and
// released before the frame at release_s.
static std::vector<float> clicks_while_held(float release_s, float until_s)
{
    fresh_shell();
    host_test_set_time(0);
    host_test_clock(0, 0);
    host_test_push_event(mouse(HE_MOUSEMOVE, 100, 100));
    host_test_push_event(mouse(HE_BUTTONDOWN, 100, 100));
    std::vector<float> at;
    for (int k = 0; k * 0.03f <= until_s + 1e-4f; k++) {
        host_test_set_time((unsigned)(k * 30));
        if (fabsf(k * 0.03f - release_s) < 1e-4f) host_test_push_event(mouse(HE_BUTTONUP, 100, 100));
        MACIBM_event_proc();
        if (mnw.mouse_clicked) at.push_back(mnw.time_elapsed);
    }
    return at;
}

TEST(FrameLoop, AHeldButtonRepeatsAfterHalfASecondThenEveryFifth)
{
    std::vector<float> at = clicks_while_held(1.2f, 2.0f);
    std::vector<float> want = {0.0f, 0.51f, 0.72f, 0.93f, 1.14f};
    ASSERT_EQ(at.size(), want.size());
    for (size_t k = 0; k < at.size(); k++) EXPECT_NEAR(at[k], want[k], 1e-3f);
}

TEST(FrameLoop, AQuickClickDoesNotRepeat)
{
    std::vector<float> at = clicks_while_held(0.3f, 2.0f);
    ASSERT_EQ(at.size(), 1u);
}

// Frames 0.1 s apart with the mouse moved by step units each frame; returns
// whether the tool tip was drawn in the last frame.
static bool tip_after(float step, float seconds)
{
    fresh_shell();
    host_test_clock(0, 0);
    host_test_push_event(host_event{HE_PAINT, 0, 0, 0, 0});
    float x = 100;
    int frames = (int)(seconds * 10 + 0.5f);
    for (int k = 0; k <= frames; k++) {
        host_test_set_time((unsigned)(k * 100));
        x += step;
        host_test_push_event(mouse(HE_MOUSEMOVE, (int)x, 300));
        calls.clear();
        MACIBM_event_proc();
    }
    return count("tooltip") == 1;
}

TEST(FrameLoop, ToolTipWaitsForTheMouseToRest)
{
    EXPECT_FALSE(tip_after(2, 3.0f));      // moving 2 units a frame: never
    EXPECT_TRUE(tip_after(1, 1.5f));       // creeping by 1 unit: after 1 s
    EXPECT_TRUE(tip_after(0, 1.2f));
    EXPECT_FALSE(tip_after(0, 0.9f));
}

TEST(FrameLoop, AClickRestartsTheToolTipWait)
{
    tip_after(0, 1.5f);
    host_test_set_time(1600);
    host_test_push_event(mouse(HE_BUTTONDOWN, 100, 300));
    host_test_push_event(mouse(HE_BUTTONUP, 100, 300));
    calls.clear();
    MACIBM_event_proc();
    EXPECT_EQ(count("tooltip"), 0);
    host_test_set_time(2700);
    calls.clear();
    MACIBM_event_proc();
    EXPECT_EQ(count("tooltip"), 1);
}

// ---- mouse mapping -------------------------------------------------------

TEST(WindowProcedure, MousePixelsBecomeReferenceUnitsFromTheBottomLeft)
{
    fresh_shell();
    mnw.XRES = 1024;
    mnw.YRES = 768;
    mnw.XRAT = 1024 * 0.00125f;
    mnw.YRAT = 768 * 0.0016666667f;
    IBM_handlewin(mouse(HE_BUTTONDOWN, 512, 384));
    EXPECT_NEAR(mnw.mx, 400.0f, 1e-3f);
    EXPECT_NEAR(mnw.my, 300.0f, 1e-3f);
    EXPECT_EQ(mnw.mouse_clicked, 1);
    EXPECT_EQ(mnw.now_dragging, 1);
    mnw.x = 200;
    mnw.y = 100;
    IBM_handlewin(mouse(HE_MOUSEMOVE, 512, 384));
    EXPECT_NEAR(mnw.mx, 200.0f, 1e-3f);     // relative to the open window
    EXPECT_NEAR(mnw.my, 200.0f, 1e-3f);
    IBM_handlewin(mouse(HE_BUTTONUP, 512, 384));
    EXPECT_EQ(mnw.now_dragging, 0);
    EXPECT_EQ(mnw.mouse_lifted, 1);
}

TEST(WindowProcedure, ACloseRequestQuitsAsTheQuitCommand)
{
    fresh_shell();
    IBM_handlewin(host_event{HE_CLOSE, 0, 0, 0, 0});
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], "handlemenu 105");
}

TEST(WindowProcedure, PaintRedrawsTheOpenWindow)
{
    fresh_shell();
    mnw.topwin = 12;
    IBM_handlewin(host_event{HE_PAINT, 0, 0, 0, 0});
    EXPECT_EQ(up_handled, 1);
    EXPECT_EQ(calls, std::vector<std::string>{"startwind 12"});
}

// ---- keys ----------------------------------------------------------------

static std::string key_in_main_view(int vk, int shift)
{
    fresh_shell();
    host_test_push_key(vk, shift);
    host_event e;
    while (host_next_event(&e)) IBM_handlewin(e);
    return calls.empty() ? "" : calls.back();
}

TEST(Keys, MainViewRoutesArrowsFunctionKeysAndKeypad)
{
    struct Case { int vk, shift; const char* call; };
    const Case cases[] = {
        {VK_UP, 0, "freeviews_keys 27"},    {VK_LEFT, 0, "freeviews_keys 25"},
        {VK_DOWN, 0, "freeviews_keys 28"},  {VK_RIGHT, 0, "freeviews_keys 26"},
        {VK_F1, 0, "function_key 28"},      {VK_F9, 0, "function_key 36"},
        {VK_F1, 1, "function_key 40"},      {VK_F9, 1, "function_key 48"},
        {VK_BACK, 0, "function_key 37"},    {VK_BACK, 1, "function_key 49"},
        {VK_F11, 0, "function_key 38"},     {VK_F12, 0, "function_key 39"},
        {VK_F11, 1, "function_key 50"},     {VK_F12, 1, "function_key 51"},
        {VK_NUMPAD5, 0, "yoke_key 0"},      {VK_NUMPAD2, 0, "yoke_key 1"},
        {VK_NUMPAD8, 0, "yoke_key 2"},      {VK_NUMPAD4, 0, "yoke_key 3"},
        {VK_NUMPAD6, 0, "yoke_key 4"},      {VK_NUMPAD1, 0, "yoke_key 5"},
        {VK_NUMPAD3, 0, "yoke_key 6"},
    };
    for (const Case& c : cases) EXPECT_EQ(key_in_main_view(c.vk, c.shift), c.call) << c.vk;
}

TEST(Keys, OtherKeysReachTheProgramAsCharacters)
{
    struct Case { int vk, shift; const char* call; };
    const Case cases[] = {
        {'A', 0, "handlekey a 0"},          {'A', 1, "handlekey A 0"},
        {'2', 0, "handlekey 2 0"},          {'2', 1, "handlekey @ 0"},
        {'0', 1, "handlekey ) 0"},          {'9', 1, "handlekey ( 0"},
        {VK_OEM_MINUS, 0, "handlekey - 0"}, {VK_OEM_MINUS, 1, "handlekey _ 0"},
        {VK_OEM_PLUS, 0, "handlekey = 0"},  {VK_OEM_PLUS, 1, "handlekey + 0"},
        {VK_OEM_4, 0, "handlekey [ 0"},     {VK_OEM_6, 1, "handlekey } 0"},
        {VK_OEM_1, 0, "handlekey ; 0"},     {VK_OEM_1, 1, "handlekey : 0"},
        {VK_OEM_COMMA, 1, "handlekey < 0"}, {VK_OEM_PERIOD, 0, "handlekey . 0"},
        {VK_OEM_2, 1, "handlekey ? 0"},     {VK_OEM_3, 0, "handlekey ` 0"},
        {VK_OEM_3, 1, "handlekey ~ 0"},     {VK_OEM_5, 1, "handlekey | 0"},
        {VK_SPACE, 0, "handlekey   0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(key_in_main_view(c.vk, c.shift), c.call) << c.vk << " shift " << c.shift;
}

// A key of a national layout that no US key gives, fed as the display
// reports it: its own byte, unshifted, wherever a character goes.
static void feed_national_key(int code_point, int mods)
{
    host_test_feed_key(code_point, 31, mods);
    host_event e;
    while (host_next_event(&e)) IBM_handlewin(e);
}

TEST(Keys, ANationalKeyReachesTheProgramAsItsOwnByteNeverAsAKeyCode)
{
    struct Case { int code_point, mods; const char* call; };
    const Case cases[] = {
        {0xE9, 0, "handlekey \xE9 0"},
        {0xE9, host_mod_lshift, "handlekey \xE9 0"},
        {'&', host_mod_lshift, "handlekey & 0"},     // as a key code, the up arrow's
        {0xF6, 0, "handlekey \xF6 0"},
        {'+', 0, "handlekey + 0"},
        {'(', 0, "handlekey ( 0"},                   // the down arrow's
        {'%', 0, "handlekey % 0"},                   // the left arrow's
    };
    for (const Case& c : cases) {
        fresh_shell();
        feed_national_key(c.code_point, c.mods);
        EXPECT_EQ(calls, std::vector<std::string>{c.call}) << std::hex << c.code_point;
    }

    fresh_shell();
    mnw.topwin = win_save;
    feed_national_key(0xE9, 0);
    feed_national_key('&', host_mod_lshift);
    feed_national_key(0xDF, 0);
    EXPECT_STREQ(g_cs0, "\xE9&\xDF");
    EXPECT_TRUE(calls.empty());
}

static void type_in_window(int win, int vk, int shift)
{
    mnw.topwin = win;
    host_test_push_key(vk, shift);
    host_event e;
    while (host_next_event(&e)) IBM_handlewin(e);
}

TEST(Keys, TextEntryKeepsThirtyTwoCharactersAndTheLastOneReplacesItself)
{
    fresh_shell();
    for (int k = 0; k < 32; k++) type_in_window(win_save, 'A' + k % 26, 1);
    EXPECT_EQ(strlen(g_cs0), 32u);
    type_in_window(win_save, 'Z', 1);
    EXPECT_EQ(strlen(g_cs0), 32u);
    EXPECT_EQ(g_cs0[31], 'Z');
    EXPECT_TRUE(calls.empty());
}

TEST(Keys, TextEntryEnterBackspaceAndShift)
{
    fresh_shell();
    type_in_window(win_save, 'K', 1);
    type_in_window(win_save, '2', 1);
    type_in_window(win_save, VK_SHIFT, 1);
    EXPECT_STREQ(g_cs0, "K@");
    type_in_window(win_save, VK_BACK, 0);
    EXPECT_STREQ(g_cs0, "K");
    type_in_window(win_save, VK_BACK, 0);
    type_in_window(win_save, VK_BACK, 0);      // nothing left: nothing happens
    EXPECT_STREQ(g_cs0, "");
    type_in_window(win_alert, VK_RETURN, 0);
    EXPECT_EQ(return_hit, 1);
}

TEST(Keys, AnyKeyClosesAProgramWindowButNotTheLibraryDialogs)
{
    fresh_shell();
    mnw.dx = 300;
    mnw.dy = 200;
    type_in_window(9, 'Q', 0);
    // The pressed close boxes are shown, then the main view comes back.
    EXPECT_EQ(calls, (std::vector<std::string>{"swap", "startwind 0"}));
    calls.clear();
    type_in_window(win_question, 'Q', 0);
    type_in_window(win_open, 'Q', 0);
    EXPECT_TRUE(calls.empty());
}
