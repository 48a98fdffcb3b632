// Airwright started as its entry starts it, on the virtual display: the main
// view under the menu bar, the check marks of the Special menu, a design
// screen opened from the Standard menu and closed by a key, the sky
// background, and Quit with changes through the save question.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Init.h"
#include "editor_gl.h"
#include "host_test.h"
#include "test_support.h"

#include <filesystem>
#include <string>

// The mark's strokes (colour 6) at the item's left end.
static int mark_pixels(int item)
{
    return count_shown((int)mnw.itemx1[item] + 5, (int)mnw.itemy1[item] + 2, 5, 9, 204, 204, 204);
}

TEST(AirwrightProgram, StartsOnANewDesignWithItsMenusMarksAndScreens)
{
    host_test_clock(0, 50);
    airwright_startup();
    frames(3);
    EXPECT_EQ(mnw.topwin, win_main);
    EXPECT_EQ(initing, 0);
    EXPECT_STREQ(pln[0].C_file, "Untitled.acf");
    EXPECT_EQ(mnw.draw_wire, 1);
    EXPECT_EQ(msc.view_heading, 250.0f);
    // The bar (colour 18) over a black view area.
    EXPECT_TRUE(shows(700, 590, 102, 102, 102));
    EXPECT_TRUE(shows(400, 300, 0, 0, 0));
    EXPECT_GT(count_shown((int)mnw.menux1[5], 588, 40, 8, 204, 204, 204), 10) << "the Special title";

    // One mark for each option pair, on the option in force.
    open_menu(5);
    frames(3);
    ASSERT_EQ(mnw.menu_up, 5);
    for (int item : {item_airplane_mode, item_wireframe, item_still_controls, item_black_background})
        EXPECT_GT(mark_pixels(item), 5) << item;
    for (int item : {item_helicopter_mode, item_textures, item_moving_controls, item_sky_background,
                     item_ellipse_fuselage})
        EXPECT_EQ(mark_pixels(item), 0) << item;
    click(600, 300);                              // away from the menu: it closes
    frames(2);

    // Standard > Engines: the screen's frame, centred; any key closes it.
    choose(2, win_engines);
    frames(3);
    ASSERT_EQ(mnw.topwin, win_engines);
    EXPECT_EQ(mnw.dx, 780.0f);
    EXPECT_EQ(mnw.dy, 461.0f);
    EXPECT_EQ(mnw.x, 10.0f);
    EXPECT_EQ(mnw.y, 70.0f);
    EXPECT_TRUE(shows(400, 300, 153, 153, 153)) << "the body in colour 12";
    EXPECT_GE(count_shown(100, 70 + 461 + 1, 1, 14, 102, 102, 102), 3) << "the title bar in colour 18";
    host_test_push_key('A', 0);
    host_test_push_frame_break();
    frames(3);
    EXPECT_EQ(mnw.topwin, win_main);
    EXPECT_EQ(msc.view_heading, 250.0f) << "the key closed the screen and did nothing else";

    // The sky behind the preview.
    choose(5, item_sky_background);
    frames(3);
    EXPECT_EQ(msc.sky_on, 1);
    EXPECT_TRUE(shows(400, 300, 28, 56, 140));

    // A change, then Quit: the question; Cancel keeps the program and writes nothing.
    host_test_push_key('F', 1);
    host_test_push_frame_break();
    frames(2);
    ASSERT_EQ(msc.dirty, 1);
    choose(1, item_quit);
    host_test_push_frame_break();
    click(250 + 230, 250 + 22);                  // Cancel, in the question at (250, 250)
    frames(6);
    EXPECT_EQ(gdone, 0);
    EXPECT_EQ(mnw.topwin, win_main);
    EXPECT_FALSE(std::filesystem::exists(prf_path));
    // Quit again, Don't Save: the loop ends and the preferences are written.
    choose(1, item_quit);
    host_test_push_frame_break();
    click(250 + 70, 250 + 22);                   // Don't Save
    frames(6);
    EXPECT_EQ(gdone, 1);
    const std::string prefs = read_file(prf_path);
    EXPECT_NE(prefs.find("\n250.000000\n-30.000000\n1\n1\nUntitled.acf\nUntitled.acf\n"), std::string::npos)
        << prefs;
    EXPECT_EQ(error_out(), "");
}

TEST(AirwrightProgram, HelicopterModeOffersTheTailRotorScreen)
{
    host_test_clock(0, 50);
    airwright_startup();
    frames(2);
    choose(5, item_helicopter_mode);
    frames(2);
    ASSERT_EQ(pln[0].is_heli, 1);
    choose(2, hwin_tail_rotor);
    frames(2);
    EXPECT_EQ(mnw.topwin, hwin_tail_rotor);
    EXPECT_EQ(mnw.dx, 500.0f);
    EXPECT_EQ(mnw.dy, 528.0f);
    EXPECT_EQ(error_out(), "");
}
