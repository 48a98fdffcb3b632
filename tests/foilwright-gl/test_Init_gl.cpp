// Foilwright started as its entry starts it, on the virtual display: the
// default airfoil's three curves and the readout on the screen, a field
// edited by a click, the part saved through the menu and the save dialog,
// then edited again and quit through the save question.
#include <gtest/gtest.h>

#include "Function.h"
#include "HL_FILE.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Init.h"
#include "editor_gl.h"
#include "host_test.h"
#include "test_support.h"

#include <cstring>
#include <filesystem>
#include <string>

// The curves' colours of the start-up table: 1 lift, 2 drag, 3 moment, 6 readout.
static const int lift_rgb[3] = {51, 255, 51}, drag_rgb[3] = {255, 51, 51}, moment_rgb[3] = {255, 255, 51},
                 grey_rgb[3] = {204, 204, 204};

static bool curve_at(int column, float value, const int rgb[3])
{
    return shows(plot_x + column, plot_y_zero + (int)(value * 200), rgb[0], rgb[1], rgb[2]);
}

TEST(FoilwrightProgram, EditsAFieldSavesThroughTheDialogAndQuitsThroughTheQuestion)
{
    // The part goes to a folder of the test's own; the pictures stay the program's.
    const std::string root = test_scratch_folder();
    std::filesystem::create_directory_symlink(std::string(PROGRAM_DIR) + "bitmaps", root + "bitmaps");
    MACIBM_init();
    for (int k = 0; k < 121; k++) MACIBM_showinit(1);
    reset_to_default(part_airfoil);
    snprintf(app_path, path_max, "%s", root.c_str());
    snprintf(afl_path, path_max, "%sairfoils/", root.c_str());
    std::filesystem::create_directories(afl_path);
    frames(3);

    // Each curve where the tables put it, away from the cursor at column 250.
    for (int column : {60, 150, 330}) {
        int k = plot_index(column);
        EXPECT_TRUE(curve_at(column, cls * cl[k], lift_rgb)) << column;
        EXPECT_TRUE(curve_at(column, cds * cd[k], drag_rgb)) << column;
        EXPECT_TRUE(curve_at(column, cms * cm[k], moment_rgb)) << column;
    }
    // The readout of 5 degrees: its number, and the cursor line through the plot.
    EXPECT_GT(count_shown(27, 545, 60, 7, grey_rgb[0], grey_rgb[1], grey_rgb[2]), 20);
    EXPECT_GT(count_shown(27, 530, 60, 7, lift_rgb[0], lift_rgb[1], lift_rgb[2]), 20);
    EXPECT_TRUE(shows(plot_x + 250, 200, 255, 255, 255));
    // The picture's captions and frame under it.
    EXPECT_GT(count_shown(9, 476, 50, 7, 153, 153, 153), 20);

    // The maximum lift's second place, upper half: 1.6 becomes 1.7.
    host_test_push_frame_break();
    click(192 + 15, 454 + 10);
    frames(4);
    EXPECT_NEAR(afl[0].Lstall, 1.7f, 1e-6);
    EXPECT_EQ(msc.part_dirty, 1);
    EXPECT_TRUE(curve_at(149, cls * cl[plot_index(149)], lift_rgb));

    // File > Save on the untitled part: the dialog, its name replaced, Enter.
    choose(1, item_save);
    host_test_push_frame_break();
    for (size_t k = 0; k < strlen("Untitled.afl"); k++) host_test_push_key(VK_BACK, 0);
    for (const char* c = "STUDY"; *c; c++) host_test_push_key(*c, 1);
    host_test_push_frame_break();
    host_test_push_key(VK_RETURN, 0);
    frames(8);
    EXPECT_EQ(mnw.topwin, win_main);
    EXPECT_EQ(std::string(msc.part_path), root + "airfoils/STUDY.afl");
    EXPECT_EQ(msc.part_named, 1);
    EXPECT_EQ(msc.part_dirty, 0);
    const std::string saved = read_file(root + "airfoils/STUDY.afl");
    EXPECT_NE(saved.find(" 1.700000 "), std::string::npos);

    // Again, then File > Quit: the save question's Save writes it and ends the loop.
    click(192 + 15, 454 + 10);
    frames(3);
    ASSERT_EQ(msc.part_dirty, 1);
    choose(1, item_quit);
    host_test_push_frame_break();
    click(250 + 70, 250 + 52);              // Save, in the question at (250, 250)
    frames(8);
    EXPECT_EQ(gdone, 1);
    EXPECT_EQ(msc.part_dirty, 0);
    EXPECT_NE(read_file(root + "airfoils/STUDY.afl").find(" 1.800000 "), std::string::npos);
    EXPECT_EQ(error_out(), "");
}
