// The shipped Cessna saved as a copy with other panel options and loaded
// back as the user's aircraft on KSBD's runway: the radar altimeter reads 0
// ft with its decision height set to 200 ft by clicks on its knob; the
// moving map lays out in the slot; the glass panel's ECAM shows the fuel
// page chosen by a click, the total half the Cessna's capacity in pounds.
#include <gtest/gtest.h>

#include "test_support.h"
#include "volanto_support.h"
#include "HL_FILE.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initpln.h"
#include "records.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<float> needle_angles;

void log_needle(float, float, float angle, float, float, float, int) { needle_angles.push_back(angle); }

// The shipped Cessna read as its file holds it, given other panel options,
// saved under another name and loaded into the user's slot.
int load_cessna_copy(int supptype, int paneltype)
{
    if (!stand_cessna_at_ksbd()) return 0;
    std::string shipped = std::string(PROGRAM_DIR) + default_plane_folder + default_plane_file;
    if (read_plane_file(1, shipped.c_str(), 0) != 1) return 0;
    pln[1].supptype = supptype;
    pln[1].paneltype = paneltype;
    std::string copy = std::string(test_scratch_folder()) + "Cessna panel copy.acf";
    if (!write_plane_file(1, copy.c_str())) return 0;
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "%s", copy.c_str());
    snprintf(pln[0].C_file, sizeof pln[0].C_file, "%s", "Cessna panel copy.acf");
    if (!load_plane(0)) return 0;
    set_fltvars(place_runway, place_on_runway);
    // Drawn into the software picture, colour k painting red k + 1.
    for (int k = 0; k < 80; k++) OGL_assigncolor(k, (float)(k + 1) / 255.0f, 0, 0);
    to_array = 1;
    return 1;
}

// Every pixel that draw_want lights, draw lights in the same colour: what
// else is drawn round it does not matter.
template <typename F, typename G>
::testing::AssertionResult draws_over(F draw, G draw_want)
{
    memset(rgb_array, 0, sizeof rgb_array);
    draw();
    std::string got((const char*)rgb_array, sizeof rgb_array);
    memset(rgb_array, 0, sizeof rgb_array);
    draw_want();
    int lit = 0;
    for (size_t i = 0; i < got.size(); i += 3) {
        if (!rgb_array[i]) continue;
        lit++;
        if ((unsigned char)got[i] != rgb_array[i])
            return ::testing::AssertionFailure() << "differs at (" << (i / 3) % 800 << ", " << (i / 3) / 800 << ")";
    }
    if (!lit) return ::testing::AssertionFailure() << "nothing to look for";
    return ::testing::AssertionSuccess();
}

class ShippedCessnaPanels : public ::testing::Test {
protected:
    void TearDown() override
    {
        panel_draw.plot_needle = plot_needle;
        to_array = 0;
        close_loader_surroundings();
    }
};

}  // namespace

TEST_F(ShippedCessnaPanels, RadarAltimeterReadsTheGroundWithItsDecisionHeightSetByClicks)
{
    ASSERT_EQ(load_cessna_copy(4, 1), 1);
    EXPECT_EQ(pln[0].supptype, 4);
    ASSERT_TRUE(show_ins(ins_supp));
    ins.dh_ft = 0;
    // The knob's lower half, twenty presses of 10 ft.
    for (int k = 0; k < 20; k++) manage_das(supp_x() - 40, supp_y() - 45);
    EXPECT_FLOAT_EQ(ins.dh_ft, 200);

    panel_draw.plot_needle = log_needle;
    needle_angles.clear();
    update_radalt();
    ASSERT_EQ(needle_angles.size(), 2u);
    EXPECT_NEAR(needle_angles[0], 72, 1e-3f);   // the bug at 200 ft
    EXPECT_NEAR(needle_angles[1], 0, 0.5f);     // the gear on the runway, within a foot or two
}

TEST_F(ShippedCessnaPanels, MovingMapTakesTheSlot)
{
    ASSERT_EQ(load_cessna_copy(3, 1), 1);
    EXPECT_EQ(pln[0].supptype, 3);
    EXPECT_TRUE(show_ins(ins_supp));
    EXPECT_FLOAT_EQ(map_range(), 30);
    // The region lists hold KSBD, so the map has its airport to show.
    int found = 0;
    for (int l = 0; l <= apt_lcl_max; l++) found |= strcmp(apt_id[apt_to_index[l]], "KSBD") == 0;
    EXPECT_TRUE(found);
    // The range label, "30 nm", in the map's light green.
    glasswindow g = glass_window(glass_map);
    float bx0 = (float)g.x0 + 11, y = (float)g.y1 - 6 - 9;
    EXPECT_TRUE(draws_over([] { update_glass(glass_map); },
                           [&] {
                               OGL_number(48, bx0 + 2, y, 30, 2, 0, 6, 0);
                               OGL_string(48, bx0 + 17, y, "nm", 999, 6);
                           }));
}

TEST_F(ShippedCessnaPanels, GlassPanelEcamShowsTheFuelPageChosenByAClick)
{
    ASSERT_EQ(load_cessna_copy(1, 2), 1);
    EXPECT_EQ(pln[0].paneltype, 2);
    ASSERT_TRUE(pln[0].ecam);
    manage_das(eng_x() + 690, 150);
    EXPECT_EQ(ins.ecam_page, 4);
    float half_lb = pln[0].m_fuel * 0.5f * con.kgstolbs;
    EXPECT_NEAR(flt.fuel * con.kgstolbs, half_lb, 1.0f);

    float e = eng_x();
    EXPECT_TRUE(draws_over(update_ecam, [&] {
        OGL_string(43, e + 660, 258, "FUEL TOT:       LB", 999, 6);
        OGL_number(43, e + 718, 258, half_lb, 6, 0, 6, 0);
    }));
}
