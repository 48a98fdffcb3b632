// The simulator's menu commands: Quit saves the preferences only once a
// region with airports is loaded, and always ends the frame loop.
#include <gtest/gtest.h>

#include "HL_MNW.h"
#include "program.h"
#include "records.h"
#include "test_support.h"

#include <cstdio>
#include <string>

TEST(MenuCommands, QuitSavesThePreferencesOnlyWithALocalAirportList)
{
    for (int lcl_max : {-1, 0}) {
        reset_suite_state();
        MACIBM_set_constants();
        ogl_ready = 0;
        std::string path = std::string(test_scratch_folder()) + "config/" + prefs_file_name;
        remove(path.c_str());
        snprintf(prf_path, path_max, "%s", path.c_str());
        apt_lcl_max = lcl_max;
        gdone = 0;
        APPLICATION_handlemenu(item_quit);
        EXPECT_EQ(gdone, 1) << lcl_max;
        EXPECT_EQ(read_file(path).rfind("I\n511 version\n", 0) == 0, lcl_max == 0) << lcl_max;
    }
}
