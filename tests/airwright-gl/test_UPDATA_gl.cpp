// Airwright's preview on the virtual display: the shipped Cessna drawn in
// the view area from the side, wire-frame and textured, larger after a
// zoom in, and the quick 3-D turn run to its end on the virtual clock; a
// press on the preview leaves the design clean; a menu opened over the
// preview is drawn where it belongs; the small aircraft built from New by
// presses on the design screens is drawn in the view's middle.
#include <gtest/gtest.h>

#include "../../simulator/Drplane.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Init.h"
#include "UPDATA.h"
#include "airwright_support.h"
#include "host_test.h"
#include "test_support.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const char* const cessna = PROGRAM_DIR "planes/General Aviation/Cessna 172 Skyhawk/Cessna 172 Skyhawk.acf";
const int view_w = 800, view_h = 583;     // the view area under the menu bar

class AirwrightPreview : public ::testing::Test {
protected:
    void SetUp() override
    {
        host_test_clock(1000, 10);
        MACIBM_init();
        MACIBM_startwind(win_main);
        ASSERT_EQ(1, read_plane_file(0, cessna, plane_read_damaged));
        snprintf(pln[0].C_path, sizeof pln[0].C_path, "%s", cessna);
        load_plane_geo(1, 0, 0, 0);
        msc = miscstruct{};
        msc.view_zoom = 1;
        msc.view_heading = 270;          // from the side
        mnw.draw_wire = 1;
    }
    void frames(int n)
    {
        for (int k = 0; k < n; k++) MACIBM_event_proc();
    }
    // The last shown picture's view area, one byte triple a pixel.
    std::vector<unsigned char> shown()
    {
        std::vector<unsigned char> px((size_t)view_w * view_h * 3);
        host_test_read_front(0, 0, view_w, view_h, px.data());
        return px;
    }
};

int lit(const std::vector<unsigned char>& px, int k) { return px[3 * k] + px[3 * k + 1] + px[3 * k + 2] > 30; }

// Columns from the first to the last that hold a drawn pixel.
int drawn_width(const std::vector<unsigned char>& px)
{
    int lo = view_w, hi = -1;
    for (int k = 0; k < view_w * view_h; k++)
        if (lit(px, k)) lo = std::min(lo, k % view_w), hi = std::max(hi, k % view_w);
    return hi - lo + 1;
}

int lit_in(const std::vector<unsigned char>& px, int x, int y, int w, int h)
{
    int n = 0;
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++) n += lit(px, j * view_w + i);
    return n;
}

}  // namespace

TEST_F(AirwrightPreview, TheCessnaIsDrawnInTheViewsMiddleWireFrameOrTextured)
{
    frames(3);
    std::vector<unsigned char> wire = shown();
    EXPECT_GT(lit_in(wire, 350, 250, 100, 80), 200);
    EXPECT_EQ(0, lit_in(wire, 0, 0, 40, 40)) << "the corners stay the view's black";
    mnw.draw_wire = 0;
    frames(2);
    std::vector<unsigned char> solid = shown();
    EXPECT_GT(lit_in(solid, 350, 250, 100, 80), lit_in(wire, 350, 250, 100, 80));
    int differ = 0;
    for (size_t k = 0; k < wire.size(); k++) differ += wire[k] != solid[k];
    EXPECT_GT(differ, 3000);
    // A press on the preview is no change to the design.
    mnw.mouse_clicked = 1;
    APPLICATION_update();
    EXPECT_EQ(0, msc.dirty);
}

// The aircraft's length across the view grows by the zoom's 1.05 a step.
TEST_F(AirwrightPreview, ZoomingInABitDrawsTheAircraftLarger)
{
    frames(3);
    int before = drawn_width(shown());
    EXPECT_GT(before, 300);
    msc.view_zoom /= 1.05f;
    frames(2);
    int after = drawn_width(shown());
    EXPECT_NEAR(1.05, (double)after / before, 0.015) << before << " " << after;
}

// 135 degrees at 60 a second: 2.25 s on the clock inside one frame, the
// heading and roll each turned down from 0 and 90 to 225 and 315.
TEST_F(AirwrightPreview, TheQuickTurnEndsOnTheVirtualClock)
{
    frames(2);
    msc.spin_mode = item_spin_quick;
    unsigned start = host_ticks_ms();
    frames(1);
    unsigned took = host_ticks_ms() - start;
    EXPECT_EQ(0, msc.spin_mode);
    EXPECT_NEAR(2250, (double)took, 40);
    EXPECT_EQ(0.0f, msc.view_pitch);
    EXPECT_NEAR(225, msc.view_heading, 0.7);
    EXPECT_NEAR(315, msc.view_roll, 0.7);
    frames(1);
    EXPECT_NEAR(225, msc.view_heading, 0.7) << "the view stays where the turn left it";
    EXPECT_GT(lit_in(shown(), 300, 200, 200, 180), 200);
}

// The frame loop draws the open menu after the preview, in the screen's
// units: the preview has to hand the 2-D view back, or the drop-down falls
// outside the perspective view and is never seen.
TEST_F(AirwrightPreview, AMenuOpenedOverThePreviewIsDrawnInPlace)
{
    MACIBM_create_menu(0, -1, "About");
    MACIBM_create_menu(1, -1, "File");
    MACIBM_append_menu(1, 1 * items_per_menu + 0, "Open Aircraft", "");
    MACIBM_append_menu(1, 1 * items_per_menu + 1, "Save Aircraft", "");
    frames(3);
    host_test_push_click((int)(mnw.menux1[1] + mnw.menux2[1]) / 2, 600 - (int)(mnw.menuy1[1] + mnw.menuy2[1]) / 2);
    frames(1);
    ASSERT_EQ(1, mnw.menu_up);
    std::vector<unsigned char> px = shown();
    EXPECT_GT(lit_in(px, 350, 250, 100, 80), 200) << "the preview was drawn in the same frame";
    // The drop-down's body right of the names, in its grey (colour 18).
    int x2 = (int)mnw.itemx2[1 * items_per_menu], y1 = (int)mnw.itemy1[1 * items_per_menu + 1];
    int y2 = (int)mnw.itemy2[1 * items_per_menu], grey = 0, spots = 0;
    for (int y = y1 + 2; y < y2 - 2; y++)
        for (int x = x2 - 8; x < x2 - 2; x++, spots++) {
            const unsigned char* c = &px[3 * (y * view_w + x)];
            grey += abs(c[0] - 102) <= 3 && abs(c[1] - 102) <= 3 && abs(c[2] - 102) <= 3;
        }
    EXPECT_EQ(spots, grey);
    EXPECT_GT(spots, 50);
}

// From above, as the View menu's "Top" gives it: the wing reaches out across
// the view where New had only its fuselage.
TEST_F(AirwrightPreview, TheAircraftBuiltFromNewIsDrawnInTheViewsMiddle)
{
    snprintf(afl_path, path_max, "%sairfoils/", PROGRAM_DIR);
    pln[0].is_heli = 0;
    setup_baseplane(untitled_plane, untitled_plane);
    APPLICATION_handlemenu(item_view_top);
    frames(3);
    std::vector<unsigned char> bare = shown();

    build_small_aircraft();
    ASSERT_EQ(mnw.topwin, win_main);
    frames(3);
    std::vector<unsigned char> built = shown();
    EXPECT_GT(lit_in(built, 350, 250, 100, 80), 200);
    EXPECT_EQ(0, lit_in(built, 0, 0, 40, 40)) << "the corners stay the view's black";
    int differ = 0;
    for (size_t k = 0; k < built.size(); k++) differ += built[k] != bare[k];
    EXPECT_GT(differ, 3000);
    EXPECT_GT(drawn_width(built), drawn_width(bare)) << "the span is wider than New's fuselage is long";
}
