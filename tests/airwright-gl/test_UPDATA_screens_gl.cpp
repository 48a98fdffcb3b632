// Airwright's Control Geometry screen on the virtual display: the flap file
// picked through the real open dialog is taken only from the flaps folder
// itself; one in a folder inside it gives a notice and the name stays.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_MNW.h"
#include "Init.h"
#include "UPDATA.h"
#include "editor_gl.h"
#include "host_test.h"
#include "test_support.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

// The open dialog (320 x 488) sits at 240, 56; its rows run 10 units down from 437.
void click_dialog_row(int row) { click(240 + 100, 56 + 432 - 10.0f * (float)row); }

class AirwrightFlapFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        host_test_clock(1000, 10);
        MACIBM_init();
        // flaps/ holds "a inner/" then "b.flp" (the dialog sorts by the first character).
        const std::string root = std::string(test_scratch_folder()) + "prog/";
        std::filesystem::create_directories(root + "flaps/a inner");
        write_file(root + "flaps/b.flp", "i");
        write_file(root + "flaps/a inner/c.flp", "i");
        snprintf(app_path, path_max, "%s", root.c_str());
        snprintf(flp_path, path_max, "%sflaps/", root.c_str());
        pln[0].is_heli = 0;
        snprintf(pln[0].flap_str, sizeof pln[0].flap_str, "old.flp");
        MACIBM_startwind(win_control);
        frames(2);
        ASSERT_EQ(win_control, mnw.topwin);
    }
    // A press on the field's box, then the dialog's rows in turn.
    void pick(std::initializer_list<int> rows)
    {
        click(397 - 10 + mnw.x, 283 + 3 + mnw.y);
        for (int row : rows) click_dialog_row(row);
    }
};

}  // namespace

TEST_F(AirwrightFlapFile, AFileInAFolderInsideTheFlapsFolderIsRefused)
{
    pick({0, 0});                                 // into "a inner", then "c.flp"
    host_test_push_key(VK_RETURN, 0);             // the notice's OK
    host_test_push_frame_break();
    frames(8);
    EXPECT_STREQ("old.flp", pln[0].flap_str);
    EXPECT_NE(std::string::npos, error_out().find("The flap file must lie in the folder itself, not in a folder inside it."))
        << error_out();
    EXPECT_NE(std::string::npos, error_out().find("The name was not changed.")) << error_out();
    EXPECT_EQ(win_main, mnw.topwin) << "a notice closes to the main view";
}

TEST_F(AirwrightFlapFile, AFileInTheFlapsFolderItselfIsTaken)
{
    pick({1});                                    // "b.flp"
    frames(6);
    EXPECT_STREQ("b.flp", pln[0].flap_str);
    EXPECT_EQ("", error_out());
    EXPECT_EQ(win_control, mnw.topwin);
}
