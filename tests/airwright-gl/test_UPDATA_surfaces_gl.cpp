// Airwright's expert airfoil screen with the real open dialog on the virtual
// display: an airfoil chosen for the first Reynolds number's root or tip
// re-reads that thickness, one for the second does not, and a file in a
// folder inside the airfoils folder is refused with a notice.
#include <gtest/gtest.h>

#include "../../simulator/Drplane.h"
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

namespace fs = std::filesystem;

namespace {

const char* const cessna = PROGRAM_DIR "planes/General Aviation/Cessna 172 Skyhawk/Cessna 172 Skyhawk.acf";
const int wing = 5;

class AirwrightAirfoils : public ::testing::Test {
protected:
    void SetUp() override
    {
        host_test_clock(1000, 10);
        MACIBM_init();
        // The dialog's folders: an airfoil at the top and one a folder down,
        // listed as "deep" then "root.afl".
        std::string app = test_scratch_folder();
        fs::create_directories(app + "airfoils/deep");
        fs::copy_file(PROGRAM_DIR "airfoils/NACA 2412 (popular).afl", app + "airfoils/root.afl");
        fs::copy_file(PROGRAM_DIR "airfoils/NACA 0009 (symmetrical).afl", app + "airfoils/deep/tip.afl");
        snprintf(app_path, path_max, "%s", app.c_str());
        snprintf(afl_path, path_max, "%sairfoils/", app.c_str());
        ASSERT_EQ(1, read_plane_file(0, cessna, plane_read_damaged));
        load_plane_geo(1, 0, 0, 0);
        MACIBM_startwind(win_x_wing_1);
        frames(2);
    }
    // A click at the screen's own point (x, y).
    void at(float x, float y) { click(mnw.x + x, mnw.y + y); }
};

// The open dialog (320 x 488, centred) lists its rows 10 high from 437 down.
void dialog_row(int k) { click(240 + 100, 56 + 437 - 10 * k - 5); }
// The notice's O.K. (400 x 195, centred).
void notice_ok(void) { click(200 + 200, 202 + 22); }

}  // namespace

TEST_F(AirwrightAirfoils, TheFirstReynoldsNumbersPairReReadsTheThicknessAndASubFolderIsRefused)
{
    float& root = afl[0].trat[wing][0];
    float& tip = afl[0].trat[wing][1];
    planestruct& a = pln[0];
    struct {
        const char* field;
        float x, y;
        char* name;
        float* thickness;             // the thickness it re-reads, or none
    } cases[] = {
        {"root", 68, 38, a.Rafl0[wing], &root},
        {"tip", 300, 38, a.Tafl0[wing], &tip},
        {"second root", 68, 19, a.Rafl1[wing], nullptr},
        {"second tip", 300, 19, a.Tafl1[wing], nullptr},
    };
    for (const auto& c : cases) {
        root = tip = 0.5f;
        std::string before = c.name;
        // Into the folder inside, then its file: refused.
        at(c.x - 10, c.y + 3);
        dialog_row(0);
        dialog_row(0);
        notice_ok();
        frames(2);
        // A notice hands back to the main view: open the screen again.
        ASSERT_EQ(win_main, mnw.topwin) << c.field;
        MACIBM_startwind(win_x_wing_1);
        frames(2);
        EXPECT_EQ(before, c.name) << c.field;
        EXPECT_EQ(0.5f, root) << c.field;
        EXPECT_EQ(0.5f, tip) << c.field;
        // The file in the folder itself is taken.
        at(c.x - 10, c.y + 3);
        dialog_row(1);
        frames(2);
        EXPECT_STREQ("root.afl", c.name) << c.field;
        for (float* t : {&root, &tip})
            EXPECT_NEAR(t == c.thickness ? 0.12f : 0.5f, *t, 0.005f) << c.field << (t == &root ? " root" : " tip");
    }
    EXPECT_NE(std::string::npos, error_out().find("The airfoil must lie in the folder itself, not in a folder inside it."));
}
