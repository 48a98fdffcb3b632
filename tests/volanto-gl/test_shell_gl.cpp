// The shell with a real window on the virtual display: start-up, drawing
// read back from the screen, alerts in the window, and shutdown.
#include <gtest/gtest.h>

#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <GL/gl.h>
#include <string>

// Runs frames until the first paint has come and one frame was shown.
static void settle(void)
{
    for (int k = 0; k < 3; k++) MACIBM_event_proc();
}

static void front_pixel(int x, int y, unsigned char rgb[3]) { host_test_read_front(x, y, 1, 1, rgb); }

// The shell alone: no aircraft is placed, so the simulator's frame hook,
// which flies one, stays out of these frames.
// By day: the night's panel light dims the colours read back.
struct ShellGl : ::testing::Test {
    void SetUp() override
    {
        shell.APPLICATION_update = [] {};
        msc.time_of_day = 12 * 3600;
    }
    void TearDown() override { shell.APPLICATION_update = APPLICATION_update; }
};
using ShellGlDeathTest = ShellGl;

TEST_F(ShellGl, StartsAt800By600WithoutAResolutionFile)
{
    MACIBM_init();
    EXPECT_EQ(ogl_ready, 1);
    EXPECT_EQ(gdone, 0);
    EXPECT_EQ(mnw.XRES, 800);
    EXPECT_EQ(mnw.YRES, 600);
    EXPECT_FLOAT_EQ(mnw.XRAT, 1.0f);
    EXPECT_FLOAT_EQ(mnw.YRAT, 1.0f);
    EXPECT_FLOAT_EQ(con.g, 9.798279f);
    EXPECT_EQ(error_out(), "");
}

TEST_F(ShellGl, OpensDrawsAndSwapsTheMainViewPicture)
{
    MACIBM_init();
    settle();
    MACIBM_startwind(0);          // out of the start-up screen: the menu bar and the panel
    // The view, drawn first, shows through the panel's windshield.
    shell.update_scene_3d = [] {
        glClearColor(0, 1, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    };
    MACIBM_event_proc();
    shell.update_scene_3d = update_scene_3d;
    unsigned char bar[3], windshield[3], panel[3], top[3];
    front_pixel(400, 590, bar);
    front_pixel(400, 450, windshield);
    front_pixel(400, 200, panel);
    front_pixel(400, 599, top);
    EXPECT_NEAR(bar[0], 102, 3);  // colour 18, grey 0.4
    EXPECT_NEAR(bar[2], 102, 3);
    EXPECT_EQ(windshield[0] + windshield[2], 0);
    EXPECT_EQ(windshield[1], 255);
    EXPECT_FALSE(panel[0] == 0 && panel[1] == 255 && panel[2] == 0);   // the panel covers the view
    EXPECT_NEAR(top[1], 204, 3);  // colour 6 on the bar's top edge
}

TEST_F(ShellGl, ClicksMapFromPixelsAt1024By768)
{
    write_file(std::string(test_scratch_folder()) + "config/XRes 5.prf", "I\n2 version\n1024\n768\n24\n");
    MACIBM_init();
    EXPECT_EQ(mnw.XRES, 1024);
    EXPECT_FLOAT_EQ(mnw.XRAT, 1.28f);
    EXPECT_FLOAT_EQ(mnw.YRAT, 1.28f);
    settle();
    host_test_push_click(512, 384);
    MACIBM_event_proc();
    EXPECT_NEAR(mnw.mx, 400.0f, 1e-3f);
    EXPECT_NEAR(mnw.my, 300.0f, 1e-3f);
}

TEST_F(ShellGl, AMesaRendererDrawsItsOwnCursor)
{
    host_test_renderer("Mesa DRI Intel(R) HD Graphics");
    MACIBM_init();
    EXPECT_EQ(is_3dfx, 1);
}

TEST_F(ShellGl, ASoftwareRendererNamedGenericGetsOneNotice)
{
    host_test_renderer("GENERIC");
    host_test_push_key(VK_RETURN, 0);
    MACIBM_init();
    EXPECT_EQ(is_3dfx, 0);
    std::string log = error_out();
    EXPECT_EQ(log.find("I can not find a 3-D accelerator card"), 0u);
    EXPECT_EQ(mnw.topwin, 0);
}

TEST_F(ShellGl, EnterClosesANoticeAsOkDoes)
{
    MACIBM_init();
    settle();
    host_test_push_key(VK_RETURN, 0);
    MACIBM_alert("Your total weight is above the maximum allowable weight for the airplane!", "", "", "", alert_notice);
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(error_out(), "Your total weight is above the maximum allowable weight for the airplane!\n\n\n\n");
}

TEST_F(ShellGl, AClickOnOkClosesANotice)
{
    MACIBM_init();
    settle();
    // The alert window is 400 x 195, centred: its OK button spans 20..380 x 15..30.
    host_test_push_click(400, 600 - (203 + 22));
    MACIBM_alert("one", "two", "three", "four", alert_notice);
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(error_out(), "one\ntwo\nthree\nfour\n");
}

TEST_F(ShellGl, AClickBesideOkLeavesTheAlertUp)
{
    MACIBM_init();
    settle();
    host_test_push_click(400, 600 - (203 + 60));      // in the text, not the button
    host_test_push_key(VK_RETURN, 0);
    MACIBM_alert("one", "", "", "", alert_notice);
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(host_test_pending_events(), 0);
}

// The button is drawn at 20, 15 - 380, 29 in the alert's units (a second
// bevel a unit outside); a click takes it on that face, edges included.
TEST_F(ShellGl, OkTakesAClickOnItsFaceUpToItsEdges)
{
    struct {
        float x, y;
        bool closes;
    } clicks[] = {
        {20, 22, true}, {380, 22, true}, {200, 15, true}, {200, 29, true},
        {19, 22, false}, {381, 22, false}, {200, 14, false}, {200, 30, false},
    };
    MACIBM_init();
    settle();
    for (const auto& c : clicks) {
        // The alert at (200, 203); a frame after the click, Enter closes it
        // if the click did not, and is left waiting if the click did.
        host_test_push_click(200 + (int)c.x, 600 - (203 + (int)c.y));
        host_test_push_frame_break();
        host_test_push_key(VK_RETURN, 0);
        MACIBM_alert("one", "", "", "", alert_notice);
        EXPECT_EQ(mnw.topwin, 0);
        EXPECT_EQ(host_test_pending_events() > 0, c.closes) << c.x << ", " << c.y;
        while (host_test_pending_events() > 0) MACIBM_event_proc();
    }
}

TEST_F(ShellGlDeathTest, AFatalAlertInTheWindowEndsTheProgramAfterOk)
{
    EXPECT_EXIT(
        {
            MACIBM_init();
            settle();
            host_test_push_key(VK_RETURN, 0);
            MACIBM_alert("File-scanning error!", "", "file:", "res prefs", alert_fatal);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(error_out(), "File-scanning error!\n\nfile:\nres prefs\nend simulation\n");
}

TEST_F(ShellGl, ACloseRequestEndsTheLoopAndTheLogSaysSo)
{
    MACIBM_init();
    settle();
    host_test_push_event(host_event{HE_CLOSE, 0, 0, 0, 0});
    int frames = 0;
    while (!gdone && frames < 100) {
        MACIBM_event_proc();
        frames++;
    }
    EXPECT_EQ(gdone, 1);
    MACIBM_finishup();
    EXPECT_EQ(error_out(), "end simulation\n");
}
