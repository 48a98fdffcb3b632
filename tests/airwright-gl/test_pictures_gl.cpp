// The shipped picture under the Viewpoint screen, shown in the screen's
// frame on the virtual display: its captions dark on the body's grey, and
// the places where the screen draws its values left clear of them.
#include <gtest/gtest.h>

#include "HL_MNW.h"
#include "Init.h"
#include "editor_gl.h"
#include "host_test.h"
#include "test_support.h"

TEST(AirwrightPictures, ViewpointCaptionsAreDarkAndTheFieldsPlacesPlain)
{
    host_test_clock(0, 50);
    airwright_startup();
    frames(2);
    MACIBM_startwind(win_viewpoint);
    frames(3);
    ASSERT_EQ(mnw.topwin, win_viewpoint);
    int x = (int)mnw.x, y = (int)mnw.y;
    // "Vso (flaps-down stall)" above the field, "Tail number" left of the code.
    EXPECT_GT(count_shown(x + 48, y + 280, 130, 8, 0, 0, 0), 40) << "the Vso caption";
    EXPECT_GT(count_shown(x + 24, y + 384, 65, 8, 0, 0, 0), 20) << "the tail number's caption";
    // The Vso digits' place holds no caption ink, only the value's digits.
    EXPECT_EQ(count_shown(x + 48, y + 262, 33, 13, 0, 0, 0), 0);
    EXPECT_LT(count_shown(x + 48, y + 262, 33, 13, 153, 153, 153), 33 * 13);
}

// The Fuselage's picture under its screen: a section grid's frame over each
// of the eleven stations, 66 units apart from x 10, its top 60 above the
// base line at 138, where the screen scales each section's points.
TEST(AirwrightPictures, TheFuselagesGridsStandWhereTheScreenDrawsItsSections)
{
    host_test_clock(0, 50);
    airwright_startup();
    frames(2);
    MACIBM_startwind(win_fuselage);
    frames(3);
    ASSERT_EQ(mnw.topwin, win_fuselage);
    int x = (int)mnw.x, y = (int)mnw.y;
    const int dark = 51, y0 = 138;
    for (int i = 0; i < 11; i++) {
        int left = 66 * i + 10;
        EXPECT_GE(count_shown(x + left + 10, y + y0 + 59, 40, 3, dark, dark, dark), 35) << "station " << i;
        // Between two grids the body's grey.
        if (i > 0) {
            EXPECT_EQ(count_shown(x + left - 2, y + y0 - 40, 1, 80, dark, dark, dark), 0) << "station " << i;
        }
    }
}
