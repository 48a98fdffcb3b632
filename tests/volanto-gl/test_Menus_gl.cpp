// The simulator's menu bar in a real window on the shipped data: a view
// chosen by clicks, and a close request that quits through the logbook.
#include <gtest/gtest.h>

#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cstdio>
#include <string>

// Starts with no stick attached; Enter answers the joystick notice.
static void start_on_shipped_data(void)
{
    host_test_push_key(VK_RETURN, 0);
    start_simulator();
    MACIBM_event_proc();
}

// A click at a point in reference units: the window is 800 x 600 pixels.
static void click_at(float x, float y)
{
    host_test_push_click((int)x, (int)(600 - y));
    MACIBM_event_proc();
}

TEST(MenuBarGl, ChaseChosenFromTheViewMenuBecomesTheView)
{
    start_on_shipped_data();
    ASSERT_EQ(set.view_id, view_forwards);
    const int view_menu = view_chase / 100;
    click_at(mnw.menux1[view_menu] + 5, mnw.menuy1[view_menu] + 5);
    ASSERT_EQ(mnw.menu_up, view_menu);
    click_at(mnw.itemx1[view_chase] + 20, mnw.itemy1[view_chase] + 5);
    EXPECT_EQ(set.view_id, view_chase);
    EXPECT_EQ(set.side_view, 1);
    EXPECT_EQ(mnw.menu_up, -1);
    MACIBM_finishup();
}

// The notice is answered by its O.K. or by a second close request, which
// does not run Quit again.
TEST(MenuBarGl, ACloseRequestTellsTheLoggedTimeAndWritesTheLog)
{
    const host_event answers[] = {{HE_KEYDOWN, VK_RETURN, 0, 0, 0}, {HE_CLOSE, 0, 0, 0, 0}};
    for (const host_event& answer : answers) {
        reset_suite_state();
        gdone = 0;
        remove(logbook_file_name);
        start_on_shipped_data();
        msc.logbook_on = 1;
        for (int k = 0; k < 20; k++) MACIBM_event_proc();    // some flight to log
        int boxes = host_test_message_box_count();
        host_test_push_event({HE_CLOSE, 0, 0, 0, 0});
        host_test_push_frame_break();
        host_test_push_event(answer);
        MACIBM_event_proc();
        EXPECT_EQ(gdone, 1) << answer.type;
        EXPECT_EQ(host_test_pending_events(), 0) << "the notice took the answer";
        EXPECT_EQ(host_test_message_box_count(), boxes) << "no notice but the logbook's, in the window";
        std::string log = read_file(logbook_file_name);
        EXPECT_EQ(log.rfind("I\n1 version\ncallsign=                  ", 0), 0u) << log;
        EXPECT_NE(log.find("\ncrashes_happened(#)=       0\n"), std::string::npos) << log;
        EXPECT_GT(msc.logged_time, 0);
        MACIBM_finishup();
    }
}

// Every window of the menus, on the black screen: its frame and title bar
// drawn, the screen beside it black; closed by the left close box, the
// right one or a key, in turn.
TEST(MenuBarGl, EveryWindowOpensFromItsItemAndClosesByEitherBoxOrAKey)
{
    start_on_shipped_data();
    set.out_graph[0] = 1;   // something to graph, as the data-output window keeps it
    set_dataoutput_params();
    snprintf(msc.typed_apt_id, sizeof msc.typed_apt_id, "KSBD");   // the ID window finds its airport
    const int items[] = {1,   215, 300, 301, 303, 304, 306, 307, 308, 309, 311, 312, 314, 315,
                         316, 318, 319, 400, 401, 405, 406, 408, 1200, 1201, 1300, 1302, 1303};
    int way = 0;
    for (int item : items) {
        APPLICATION_handlemenu(item);
        int id = mnw.topwin;
        ASSERT_NE(id, win_main) << item;
        MACIBM_event_proc();
        float x = mnw.x, y = mnw.y, dx = mnw.dx, dy = mnw.dy;
        // Pixels read from the bottom, as the window's units run.
        unsigned char c[3];
        // The title bar left of the grooves: the frame's grey.
        host_test_read_front((int)(x + 10), (int)(y + dy + 6), 1, 1, c);
        EXPECT_GT(c[0], 40) << item;
        // The body.
        host_test_read_front((int)(x + dx / 2), (int)(y + dy / 2), 1, 1, c);
        EXPECT_GT(c[0] + c[1] + c[2], 0) << item;
        // Beside the window the screen is black.
        if (x > 20) {
            host_test_read_front((int)(x - 15), (int)(y + dy / 2), 1, 1, c);
            EXPECT_EQ(c[0] + c[1] + c[2], 0) << item;
        }
        if (way == 0) click_at(x + 4, y + dy + 7);
        else if (way == 1) click_at(x + dx - 5, y + dy + 7);
        else {
            host_test_push_key('K', 0);
            MACIBM_event_proc();
        }
        EXPECT_EQ(mnw.topwin, win_main) << item << " closed by way " << way;
        way = (way + 1) % 3;
    }
    MACIBM_finishup();
}
