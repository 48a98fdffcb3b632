// The small aircraft the round trip builds from New, on the virtual display:
// once the presses on its screens are done, the main view's preview draws
// it in the middle of the view, and not as New's bare fuselage was drawn.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_MNW.h"
#include "Init.h"
#include "UPDATA.h"
#include "airwright_support.h"
#include "host_test.h"
#include "test_support.h"

#include <cstdio>
#include <vector>

namespace {

const int view_w = 800, view_h = 583;     // the view area under the menu bar

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

int lit_in(const std::vector<unsigned char>& px, int x, int y, int w, int h)
{
    int n = 0;
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++) {
            const unsigned char* c = &px[3 * (j * view_w + i)];
            n += c[0] + c[1] + c[2] > 30;
        }
    return n;
}

// The preview from above, wire-frame, as the View menu's "Top" gives it.
void look_from_above(void)
{
    msc.view_zoom = 1;
    APPLICATION_handlemenu(item_view_top);
    mnw.draw_wire = 1;
}

}  // namespace

TEST(AirwrightBuiltPreview, TheAircraftBuiltFromNewIsDrawnInTheViewsMiddle)
{
    host_test_clock(1000, 10);
    MACIBM_init();
    MACIBM_startwind(win_main);
    snprintf(afl_path, path_max, "%sairfoils/", PROGRAM_DIR);
    pln[0].is_heli = 0;
    setup_baseplane(untitled_plane, untitled_plane);
    msc = miscstruct{};
    look_from_above();
    frames(3);
    std::vector<unsigned char> bare = shown();

    build_small_aircraft();
    ASSERT_EQ(mnw.topwin, win_main);
    look_from_above();
    frames(3);
    std::vector<unsigned char> built = shown();
    EXPECT_GT(lit_in(built, 350, 250, 100, 80), 200);
    EXPECT_EQ(0, lit_in(built, 0, 0, 40, 40)) << "the corners stay the view's black";
    // The wing reaches out across the view where New had only its fuselage.
    int differ = 0;
    for (size_t k = 0; k < built.size(); k++) differ += built[k] != bare[k];
    EXPECT_GT(differ, 3000);
}
