// The editors' build of the library shell (here Foilwright's), observed from
// outside: the frame loop, key routing and close requests with the shell's
// calls recorded; the save question and the editor widgets driven by scripted
// input; window pictures, text lines and missing pictures as they come out.
#include <gtest/gtest.h>

#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

static std::vector<std::string> calls;

static void note(const std::string& s) { calls.push_back(s); }

static void record_handlekey(char c, int flag) { note("handlekey " + std::to_string((int)c) + " " + std::to_string(flag)); }
static void record_handlemenu(int item) { note("handlemenu " + std::to_string(item)); }
static void record_update(void) { note("update"); }
static void record_background(void) { note("background"); }
static void record_menu(void) { note("menu"); }
static void record_tooltip(void) { note("tooltip"); }
static void record_swap(void) { note("swap"); }
static void record_startwind(int id)
{
    note("startwind " + std::to_string(id));
    mnw.topwin = id;
}

static shell_calls real;
class Recorders : public ::testing::Environment {
    void SetUp() override
    {
        real = shell;
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

// A shell as MACIBM_init leaves it, at 800 x 600 and window units equal to
// pixels, without a window; the first paint has come.
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
    gdone = 0;
    up_handled = 1;
    host_test_clock(0, 10);
    calls.clear();
}

static void pump(void)
{
    host_event e;
    while (host_next_event(&e)) IBM_handlewin(e);
}

// A click at (x, y) of the open window, whose origin the recorder leaves at 0, 0.
static void click_at(float x, float y) { host_test_push_click((int)x, (int)(600 - y)); }

// ---- frame loop ----------------------------------------------------------

TEST(EditorFrameLoop, EveryWindowDrawsItsBackgroundFirstAndTheLibraryWindowsHoldTheProgram)
{
    struct Case {
        int win;
        std::vector<std::string> want;
    };
    const Case cases[] = {
        {win_main, {"background", "update", "swap"}},
        {200, {"background", "update", "swap"}},
        {win_alert, {"background", "swap"}},
        {win_question, {"background", "swap"}},
    };
    for (const Case& c : cases) {
        fresh_shell();
        mnw.topwin = c.win;
        MACIBM_event_proc();
        EXPECT_EQ(calls, c.want) << c.win;
    }
}

TEST(EditorFrameLoop, TheHighlightPulsesBetweenNineTenthsAndFull)
{
    fresh_shell();
    float lo = 1, hi = 0;
    for (int k = 0; k < 200; k++) {
        MACIBM_event_proc();
        lo = fminf(lo, col_rgb[57][1]);
        hi = fmaxf(hi, col_rgb[57][1]);
        EXPECT_FLOAT_EQ(col_rgb[57][0], 0.2f * col_rgb[57][1]);
    }
    EXPECT_NEAR(lo, 0.8f, 0.01f);
    EXPECT_NEAR(hi, 1.0f, 0.01f);
}

// ---- keys ----------------------------------------------------------------

TEST(EditorKeys, TheMainViewGetsEveryKeyAsItsCharacter)
{
    struct Case {
        int vk, shift;
        int character;
    };
    // Backspace, the arrows and the function keys too: the editors have no
    // view, function or yoke keys.
    const Case cases[] = {{VK_BACK, 0, 8}, {'A', 0, 'a'}, {'A', 1, 'A'}, {'1', 1, '!'},
                          {VK_RETURN, 0, VK_RETURN}, {VK_UP, 0, VK_UP}, {VK_F1, 0, VK_F1}};
    for (const Case& c : cases) {
        fresh_shell();
        host_test_push_key(c.vk, c.shift);
        pump();
        ASSERT_EQ(calls.size(), 1u) << c.vk;
        EXPECT_EQ(calls[0], "handlekey " + std::to_string(c.character) + " 0") << c.vk;
    }
}

TEST(EditorKeys, AKeyClosesAProgramWindowButNotTheQuestionOrTheOpenDialog)
{
    struct Case {
        int win;
        std::vector<std::string> want;
    };
    const Case cases[] = {
        {200, {"swap", "startwind 0"}},      // the close box pressed, then the main view
        {win_question, {}},
        {win_open, {}},
    };
    for (const Case& c : cases) {
        fresh_shell();
        mnw.topwin = c.win;
        mnw.dx = 300;
        mnw.dy = 200;
        host_test_push_key('Q', 0);
        pump();
        EXPECT_EQ(calls, c.want) << c.win;
        EXPECT_EQ(mnw.topwin, c.want.empty() ? c.win : win_main);
    }
}

TEST(EditorKeys, TextEntryKeepsThirtyOneCharacters)
{
    fresh_shell();
    mnw.topwin = win_save;
    for (int k = 0; k < 31; k++) host_test_push_key('A' + k % 26, 1);
    pump();
    EXPECT_EQ(strlen(g_cs0), 31u);
    host_test_push_key('Z', 1);
    pump();
    EXPECT_EQ(strlen(g_cs0), 31u);
    EXPECT_EQ(g_cs0[30], 'Z');
}

// ---- close requests ------------------------------------------------------

static const host_event close_request = {HE_CLOSE, 0, 0, 0, 0};

TEST(EditorClose, InTheMainViewOrAProgramWindowItQuits)
{
    for (int win : {win_main, 200}) {
        fresh_shell();
        mnw.topwin = win;
        host_test_push_event(close_request);
        pump();
        EXPECT_EQ(calls, std::vector<std::string>{"handlemenu 105"}) << win;
    }
}

TEST(EditorClose, AnAlertQuestionOrDialogIsClosedFirstAndTheQuitFollowsInTheNextFrame)
{
    for (int win : {win_alert, win_question, win_open, win_save}) {
        fresh_shell();
        mnw.topwin = win;
        host_test_push_event(close_request);
        MACIBM_event_proc();
        EXPECT_EQ(mnw.topwin, win_main) << win;
        EXPECT_EQ(calls.front(), "startwind 0") << win;
        calls.clear();
        MACIBM_event_proc();
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.front(), "handlemenu 105") << win;
        calls.clear();
        MACIBM_event_proc();
        for (const std::string& c : calls) EXPECT_NE(c, "handlemenu 105");
    }
}

// ---- the save question ---------------------------------------------------

TEST(SaveQuestion, EachButtonAnswersAfterItsPressIsShown)
{
    struct Case {
        float x, y;
        int answer;
    };
    const Case cases[] = {{21, 46, nuke_save}, {119, 29, nuke_discard}, {280, 15, nuke_cancel}};
    for (const Case& c : cases) {
        fresh_shell();
        host_test_push_click(400, 300);           // beside the buttons: nothing
        host_test_push_frame_break();
        click_at(c.x, c.y);
        EXPECT_EQ(MACIBM_nuke_alert("wing.afl"), c.answer) << c.x;
        EXPECT_STREQ(g_cs1, "Save changes to wing.afl first?");
        EXPECT_EQ(mnw.topwin, win_main);
        // The question came up, and went only after the pressed button was shown.
        ASSERT_GE(calls.size(), 3u);
        EXPECT_EQ(calls.front(), "startwind 997");
        EXPECT_EQ(calls[calls.size() - 2], "swap");
        EXPECT_EQ(calls.back(), "startwind 0");
        for (const std::string& s : calls) EXPECT_NE(s, "update");
    }
}

TEST(SaveQuestion, ClosedAnotherWayItCancels)
{
    fresh_shell();
    host_test_push_event(close_request);
    EXPECT_EQ(MACIBM_nuke_alert(""), nuke_cancel);
    EXPECT_STREQ(g_cs1, "Save changes to  first?");
    EXPECT_EQ(mnw.topwin, win_main);
}

TEST(SaveQuestion, ALongNameIsCutSoTheQuestionStillEnds)
{
    fresh_shell();
    std::string name(400, 'n');
    click_at(200, 20);
    EXPECT_EQ(MACIBM_nuke_alert(name.c_str()), nuke_cancel);
    std::string line = g_cs1;
    EXPECT_EQ(line.size(), (size_t)line_max - 1);
    EXPECT_EQ(line.substr(0, 16), "Save changes to ");
    EXPECT_EQ(line.substr(line.size() - 7), " first?");
}

// ---- editor widgets --------------------------------------------------------

static void one_frame_click(float x, float y)
{
    mnw.mx = x;
    mnw.my = y;
    mnw.mouse_clicked = 1;
}

TEST(EditorWidgets, SixWayChoiceWrapsOnceThenHoldsInsideTheSix)
{
    struct Case {
        int start;
        float click_y;                            // 0: no click; below y + 3 back, above on
        int want;
        int changed;
    };
    const Case cases[] = {
        {0, 0, 6, 0}, {7, 0, 1, 0}, {50, 0, 6, 0}, {-50, 0, 1, 0},
        {6, 110, 1, 1}, {1, 90, 6, 1}, {3, 110, 4, 1}, {3, 90, 2, 1},
    };
    for (const Case& c : cases) {
        fresh_shell();
        int choice = c.start;
        if (c.click_y) one_frame_click(210, c.click_y);
        int changed = in6textbtn(100, 100, "a", "b", "c", "d", "e", "f", 100, &choice);
        EXPECT_EQ(choice, c.want) << c.start << " " << c.click_y;
        EXPECT_EQ(changed, c.changed) << c.start << " " << c.click_y;
    }
}

TEST(EditorWidgets, SixCharacterCodeStepsAndHolds)
{
    struct Case {
        const char* start;
        int column;
        float click_y;                            // below y + 3 on, at or above it back
        const char* want;
    };
    const Case cases[] = {
        {"      ", 0, 95, "0     "},               // a blank steps up to "0"
        {"Z     ", 0, 95, "Z     "},               // "Z" is the end
        {"      ", 5, 103, "      "},              // a blank is the start
        {"N123ab", 3, 95, "N12400"},               // lower case reads as "0"
        {"AB", 1, 103, "AA0000"},                  // the end and what follows read as "0"
    };
    for (const Case& c : cases) {
        fresh_shell();
        char code[8] = {0};
        memcpy(code, c.start, strlen(c.start));
        one_frame_click(100 + 10 * c.column + 5, c.click_y);
        EXPECT_EQ(in6charbtn(48, 100, 100, code), 1) << c.start;
        EXPECT_STREQ(code, c.want) << c.start;
    }
}

TEST(EditorWidgets, OnOffBoxTurnsAnyOtherValueOff)
{
    struct Case {
        int start, want;
    };
    for (const Case& c : {Case{0, 1}, Case{1, 0}, Case{2, 0}, Case{-1, 0}}) {
        fresh_shell();
        int flag = c.start;
        one_frame_click(50, 50);
        inintbtn(48, 48, &flag, "help");
        EXPECT_EQ(flag, c.want) << c.start;
        EXPECT_STREQ(mnw.help_message, "help");
    }
}

TEST(EditorWidgets, AFileFieldCountsAsTouchedEvenWhenTheDialogIsCancelled)
{
    fresh_shell();
    std::string folder = std::string(test_scratch_folder()) + "prog/";
    std::filesystem::create_directories(folder + "airfoils");
    snprintf(app_path, path_max, "%s", folder.c_str());
    snprintf(afl_path, path_max, "%sairfoils/", folder.c_str());
    char name[path_max] = "old.afl", path[path_max] = "/old/old.afl";
    // The dialog is centred: its Cancel bar at (100, 475) of it lies at (340, 531) on the screen.
    host_test_push_click(340, 600 - 531);
    one_frame_click(90, 100);
    EXPECT_EQ(instringbtn(100, 100, name, path, kind_airfoil, "pick"), 1);
    EXPECT_STREQ(name, "old.afl");
    EXPECT_STREQ(path, "/old/old.afl");
    EXPECT_EQ(mnw.topwin, win_main);
    EXPECT_EQ(host_test_pending_events(), 0);

    // Beside the field nothing happens, though the help line shows over the field.
    fresh_shell();
    one_frame_click(101, 100);
    EXPECT_EQ(instringbtn(100, 100, name, path, kind_airfoil, "pick"), 0);
    EXPECT_TRUE(calls.empty());
}

TEST(EditorHelpers, LargestOfThreeAndSwap)
{
    EXPECT_EQ(fltmax3(1, 3, 2), 3);
    EXPECT_EQ(fltmax3(-1, -3, -2), -1);
    EXPECT_EQ(fltmax3(0, 0, 5), 5);
    float a = 1, b = 2;
    flt_switch(&a, &b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
}

// ---- pictures and files ----------------------------------------------------

static const unsigned char* pixel(int x, int y) { return rgb_array + ((size_t)y * 800 + x) * 3; }

// The title's grooves need 14 units beside it and 15 before the window's end.
TEST(EditorWindowFrame, GroovesShowOnlyWhereTheyFit)
{
    struct Case {
        float dx;
        bool grooves;
    };
    // "ALERT" is 30 units wide: the left run starts at dx / 2 - 20, which must pass 14.
    for (const Case& c : {Case{68, false}, Case{70, true}, Case{400, true}}) {
        fresh_shell();
        mnw.dx = c.dx;
        mnw.dy = 100;
        mnw.x = 100;
        mnw.y = 100;
        memset(rgb_array, 0, sizeof rgb_array);
        OGL_assigncolor(12, 0.6f, 0.6f, 0.6f);
        OGL_assigncolor(18, 0.4f, 0.4f, 0.4f);
        OGL_assigncolor(22, 0.2f, 0.2f, 0.2f);
        to_array = 1;
        MACIBM_window_frame("ALERT", 0);
        to_array = 0;
        // The first groove's dark line, two units over dy + 3, at x 14 of the window.
        EXPECT_EQ(pixel(100 + 14, 100 + 100 + 5)[0] == 51, c.grooves) << c.dx;
    }
}

TEST(EditorPictures, AMissingWindowPictureLeavesTheFrameWithoutAnAlert)
{
    fresh_shell();
    std::string folder = std::string(test_scratch_folder()) + "nopics/";
    std::filesystem::create_directories(folder);
    snprintf(app_path, path_max, "%s", folder.c_str());
    memset(rgb_array, 7, sizeof rgb_array);
    int w = 0, h = 0;
    EXPECT_EQ(OGL_texbmp(bmp_window, 0, 0, "AFL", &w, &h), 0);
    EXPECT_EQ(error_out(), "");
    EXPECT_EQ(rgb_array[1000], 7);
}

TEST(EditorFiles, TextLinesKeepOneCharacterLessThanTheirBuffer)
{
    fresh_shell();
    std::string path = std::string(test_scratch_folder()) + "line.txt";
    write_file(path, "I\n363 version\n  abcdefghij\nnext\n");
    ASSERT_EQ(inf_open(path.c_str(), kind_airfoil, 363, 0), 1);
    char got[8];
    strscan(got, "line", 8);
    EXPECT_STREQ(got, "abcdefg");
    strscan(got, "line", 8);
    EXPECT_STREQ(got, "next");
    inf1.close();
}

// An open menu ticks the items the program marks, and only those.
TEST(EditorMenus, AMarkedItemGetsATickAtItsLeftEnd)
{
    fresh_shell();
    APPLICATION_setupmenus();
    OGL_assigncolor(6, 0.8f, 0.8f, 0.8f);
    msc.part_type = part_flap;
    mnw.menu_up = 2;
    memset(rgb_array, 0, sizeof rgb_array);
    to_array = 1;
    real.MACIBM_draw_menu();
    to_array = 0;
    auto tick_dots = [](int item) {
        int dots = 0;
        int x1 = (int)mnw.itemx1[item] + 6, y1 = (int)mnw.itemy1[item] + 3;
        for (int y = y1; y < y1 + 7; y++)
            for (int x = x1; x < x1 + 6; x++) dots += pixel(x, y)[0] == 204;
        return dots;
    };
    EXPECT_EQ(tick_dots(item_airfoil), 0);
    EXPECT_GE(tick_dots(item_flap), 8);
}
