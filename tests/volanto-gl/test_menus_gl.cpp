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

struct MenusGl : ::testing::Test {
    void SetUp() override
    {
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
        set.panel_hidden = 1;           // the frame shows the main view's picture
        frame();
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
    snprintf(wrk_path, path_max, "%s", root.c_str());

    // The dialog (320 x 488) sits at 240, 56: rows of 10 units from y 437 down.
    host_test_push_click(340, 600 - (56 + 432));     // "planes/"
    host_test_push_frame_break();
    host_test_push_click(340, 600 - (56 + 421));     // row 1: "b.acf" after "Cessna 172.acf"
    char name[path_max] = "", path[path_max] = "";
    ASSERT_EQ(MACIBM_opensave(998, 202, name, path), 1);
    EXPECT_STREQ(name, "b.acf");
    EXPECT_EQ(std::string(path), root + "planes/b.acf");
    EXPECT_EQ(mnw.topwin, 0);
    // The last frame showed the list: the scroll knob at the top of its bar.
    unsigned char knob[3];
    front(240 + 303, 56 + 433, knob);
    EXPECT_LT(knob[0], 10);
    EXPECT_GT(knob[1], 245);
}
