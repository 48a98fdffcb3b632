// Menus, tool tips and the file dialog in a real window, read back from the
// screen: when a tool tip shows, where it goes, the menu's marks, and the
// dialog taking clicks.
#include <gtest/gtest.h>

#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <cstring>
#include <string>
#include <sys/stat.h>

static void front(int x, int y, unsigned char rgb[3]) { host_test_read_front(x, y, 1, 1, rgb); }
static void back(int x, int y, unsigned char rgb[3]) { host_test_read_pixels(x, y, 1, 1, rgb); }
static bool is_grey(const unsigned char* c, int v) { return abs(c[0] - v) <= 3 && abs(c[1] - v) <= 3 && abs(c[2] - v) <= 3; }

static unsigned now_ms = 1000;

// One frame at the next 50 ms tick, with the mouse at pixel (px, py) when given.
static void frame(int px = -1, int py = -1)
{
    if (px >= 0) host_test_push_event({HE_MOUSEMOVE, 0, px, py, 0});
    now_ms += 50;
    host_test_set_time(now_ms);
    MACIBM_event_proc();
}

// No aircraft is placed here: the simulator's frame hook, which flies one,
// stays out of these frames.
struct MenusGl : ::testing::Test {
    void SetUp() override
    {
        shell.APPLICATION_update = [] {};
        msc.time_of_day = 12 * 3600;    // by day: the night's panel light dims the menu colours
        host_test_clock(now_ms, 0);
        MACIBM_init();
        for (int k = 0; k < 3; k++) frame();
        MACIBM_create_menu(0, -1, "About");
        MACIBM_create_menu(5, -1, "View");
        MACIBM_append_menu(5, 500, "Forward", "");
        MACIBM_append_menu(5, 501, "Forward with panel", "");
        MACIBM_create_menu(9, -1, "Test");
        MACIBM_append_menu(9, 900, "Open Aircraft", "Opens an aircraft file.");
        MACIBM_append_menu(9, 901, "-", "");
        MACIBM_append_menu(9, 902, "Quit", "Ends the program.");
        MACIBM_startwind(0);
        shell.update_panel = [] {};     // the frame shows the main view's picture alone
        frame();
    }
    void TearDown() override
    {
        shell.APPLICATION_update = APPLICATION_update;
        shell.update_panel = update_panel;
    }
    // Titles: About 10..40, View 50..74, Test 84..108. Item 900 lies at
    // x 84..187, y 571..583; its tip's frame band spans x 79..489 and
    // y 546..571, far right of the drop-down.
    static bool tip_shown(void)
    {
        unsigned char c[3];
        front(487, 569, c);
        return is_grey(c, 102);
    }
    static void open_test_menu(void)
    {
        frame();
        host_test_push_click(95, 600 - 590);
        frame();
    }
};

static const int item_x = 95, item_py = 600 - 577;     // on item 900

TEST_F(MenusGl, AMouseMovingTwoUnitsAFrameNeverGetsATip)
{
    open_test_menu();
    ASSERT_EQ(mnw.menu_up, 9);
    for (int k = 0; k < 30; k++) {
        frame(item_x + 2 * k, item_py);
        ASSERT_FALSE(tip_shown()) << k;
    }
    EXPECT_STREQ(mnw.help_message, "Opens an aircraft file.");
}

TEST_F(MenusGl, AMouseCreepingOneUnitAFrameGetsItAfterASecondAndAClickRestartsTheWait)
{
    open_test_menu();
    frame(item_x, item_py);             // onto the item: the wait starts
    for (int k = 1; k <= 19; k++) {
        frame(item_x + k, item_py);
        ASSERT_FALSE(tip_shown()) << k;
    }
    frame(item_x + 20, item_py);
    frame(item_x + 21, item_py);
    EXPECT_TRUE(tip_shown());

    // A click where the mouse rests, with the menu shut for that frame so
    // that the click is not taken by the item; with the menu up again the
    // wait starts from the click.
    mnw.menu_up = -1;
    host_test_push_event({HE_BUTTONDOWN, 0, item_x + 21, item_py, 0});
    host_test_push_event({HE_BUTTONUP, 0, item_x + 21, item_py, 0});
    frame();
    mnw.menu_up = 9;
    for (int k = 0; k < 19; k++) {
        frame();
        ASSERT_FALSE(tip_shown()) << k;
    }
    frame();
    frame();
    EXPECT_TRUE(tip_shown());
}

TEST_F(MenusGl, ATipIsKeptOnTheScreen)
{
    std::string text(130, 'h');        // two whole lines of 60
    snprintf(mnw.help_message, sizeof mnw.help_message, "%s", text.c_str());
    mnw.help_x1 = 700;
    mnw.help_y2 = 30;
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    MACIBM_draw_tooltip();
    // Moved left by 310 and up by 15: the inner box spans 390..790 x 10..45.
    unsigned char c[3];
    back(793, 48, c);
    EXPECT_TRUE(is_grey(c, 102));
    back(387, 7, c);
    EXPECT_TRUE(is_grey(c, 102));
    back(600, 30, c);
    EXPECT_TRUE(is_grey(c, 0));
    back(380, 30, c);
    EXPECT_TRUE(is_grey(c, 255));
    back(799, 30, c);
    EXPECT_TRUE(is_grey(c, 255));
}

TEST_F(MenusGl, TheCurrentViewCarriesAMark)
{
    set.view_id = 501;
    frame();
    host_test_push_click(55, 600 - 590);
    frame();
    ASSERT_EQ(mnw.menu_up, 5);
    int x = (int)mnw.itemx1[500], y500 = (int)mnw.itemy1[500], y501 = (int)mnw.itemy1[501];
    unsigned char marked[3], plain[3];
    front(x + 6, y501 + 6, marked);
    front(x + 6, y500 + 6, plain);
    EXPECT_TRUE(is_grey(marked, 204));
    EXPECT_TRUE(is_grey(plain, 102));
}

TEST_F(MenusGl, TheOpenDialogEntersAFolderAndReturnsTheFullPathOfTheNameClicked)
{
    std::string root = std::string(test_scratch_folder()) + "prog/";
    mkdir(root.c_str(), 0755);
    mkdir((root + "planes").c_str(), 0755);
    write_file(root + "planes/b.acf", "i");
    write_file(root + "planes/Cessna 172.acf", "i");
    snprintf(app_path, path_max, "%s", root.c_str());
    give_plane_own_panel();   // the main view the dialog returns to
    snprintf(wrk_path, path_max, "%s", root.c_str());

    // The dialog (320 x 488) sits at 240, 56: rows of 10 units from y 437 down.
    host_test_push_click(340, 600 - (56 + 432));     // "planes/"
    host_test_push_frame_break();
    host_test_push_click(340, 600 - (56 + 421));     // row 1: "b.acf" after "Cessna 172.acf"
    char name[path_max] = "", path[path_max] = "";
    ASSERT_EQ(MACIBM_opensave(win_open, 202, name, path), 1);
    EXPECT_STREQ(name, "b.acf");
    EXPECT_EQ(std::string(path), root + "planes/b.acf");
    EXPECT_EQ(mnw.topwin, 0);
    // The last frame showed the list: the scroll knob at the top of its bar.
    unsigned char knob[3];
    front(240 + 303, 56 + 433, knob);
    EXPECT_LT(knob[0], 10);
    EXPECT_GT(knob[1], 245);
}

// The dialog's rows and scroll track take clicks where they are drawn, edges
// included: rows of 10 from y 437 down to 37 in x 10 to 293, the track at
// 296, 34 - 310, 440 with the thumb's centre running from 433 (first entry)
// down to 41 (last).
TEST_F(MenusGl, TheOpenDialogsRowsAndScrollTrackTakeClicksUpToTheirEdges)
{
    std::string root = std::string(test_scratch_folder()) + "prog/";
    mkdir(root.c_str(), 0755);
    // 62 entries, each first character its own, so the order is fixed:
    // "0.acf" to "9.acf", "A.acf" to "Z.acf", "a.acf" to "z.acf".
    for (const char* c = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"; *c; c++)
        write_file(root + *c + ".acf", "i");
    snprintf(app_path, path_max, "%s", root.c_str());
    give_plane_own_panel();   // the main view the dialog returns to

    struct {
        const char* what;
        float x, y;
        const char* picks;     // the entry opened, or none
        int top;               // without one, the first entry shown after the click
        bool from_bottom;      // scrolled to the last entry first
    } cases[] = {
        {"top of the first row", 100, 437, "0.acf", 0, false},
        {"above the first row", 100, 438, nullptr, 0, false},
        {"bottom of the first row", 100, 428, "0.acf", 0, false},
        {"top of the second row", 100, 427, "1.acf", 0, false},
        {"the last row shown", 100, 38, "d.acf", 0, false},
        {"below the last row", 100, 37, nullptr, 0, false},
        {"left edge of the rows", 10, 300, "D.acf", 0, false},
        {"left of the rows", 9, 300, nullptr, 0, false},
        {"right edge of the rows", 293, 300, "D.acf", 0, false},
        {"between the rows and the track", 294, 300, nullptr, 0, false},
        {"bottom of the track", 300, 34, nullptr, 61, false},
        {"below the track", 300, 33, nullptr, 0, false},
        {"left edge of the track", 296, 34, nullptr, 61, false},
        {"left of the track", 295, 34, nullptr, 0, false},
        {"right edge of the track", 310, 34, nullptr, 61, false},
        {"right of the track", 311, 34, nullptr, 0, false},
        {"a quarter down the thumb's run", 300, 335, nullptr, 15, false},
        {"top of the track", 300, 440, nullptr, 0, true},
        {"above the track", 300, 441, nullptr, 61, true},
    };
    // The dialog (320 x 488) sits at 240, 56.
    auto click = [](float x, float y) { host_test_push_click(240 + (int)x, 600 - (56 + (int)y)); };
    for (const auto& c : cases) {
        snprintf(wrk_path, path_max, "%s", root.c_str());
        if (c.from_bottom) {
            click(300, 34);
            host_test_push_frame_break();
        }
        click(c.x, c.y);
        host_test_push_frame_break();
        click(160, 475);                          // Cancel, unless the click opened an entry
        char name[path_max] = "", path[path_max] = "";
        int opened = MACIBM_opensave(win_open, 202, name, path);
        if (c.picks) {
            EXPECT_EQ(opened, 1) << c.what;
            EXPECT_STREQ(name, c.picks) << c.what;
        } else {
            EXPECT_EQ(opened, 0) << c.what;
            EXPECT_EQ(g_item_top, c.top) << c.what;
        }
        while (host_test_pending_events() > 0) frame();
    }

    // The last entry shown puts the thumb against the track's bottom: its
    // dark lower edge on the track's edge at 34, its light top at 48.
    click(300, 34);
    host_test_push_frame_break();
    click(160, 475);
    char name[path_max] = "", path[path_max] = "";
    ASSERT_EQ(MACIBM_opensave(win_open, 202, name, path), 0);
    unsigned char bottom[3], top[3], inside[3];
    front(240 + 303, 56 + 34, bottom);
    front(240 + 303, 56 + 48, top);
    front(240 + 303, 56 + 41, inside);
    EXPECT_TRUE(bottom[0] < 10 && abs(bottom[1] - 102) <= 3) << (int)bottom[0] << "," << (int)bottom[1];
    EXPECT_TRUE(abs(top[0] - 153) <= 3 && top[1] > 245) << (int)top[0] << "," << (int)top[1];
    EXPECT_TRUE(inside[0] < 10 && inside[1] > 245);
}
