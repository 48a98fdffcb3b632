// The main view's static picture: the cockpit panel background composed into
// rgb_array for the shipped Cessna and for layouts built from it (a twin with
// the second radio stack, a helicopter, the glass panel), and the aircraft's
// own panel picture.
#include <gtest/gtest.h>

#include "test_support.h"
#include "volanto_support.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initpln.h"
#include "P_init.h"
#include "Windows.h"
#include "records.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct picture {
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;   // rows from the bottom, r g b
};

// A shipped 24-bit picture, read here without the library's reader.
picture read_picture(const std::string& path)
{
    picture p;
    std::string d = read_file(path);
    if (d.size() < 54) return p;
    auto u32 = [&](int at) {
        return (unsigned)(unsigned char)d[at] | (unsigned)(unsigned char)d[at + 1] << 8 |
               (unsigned)(unsigned char)d[at + 2] << 16 | (unsigned)(unsigned char)d[at + 3] << 24;
    };
    p.w = (int)u32(18);
    p.h = (int)u32(22);
    unsigned offset = u32(10);
    int row = (p.w * 3 + 3) & ~3;
    if (d.size() < offset + (size_t)row * p.h) return picture();
    p.rgb.resize((size_t)p.w * p.h * 3);
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++)
            for (int c = 0; c < 3; c++)
                p.rgb[((size_t)y * p.w + x) * 3 + c] = (unsigned char)d[offset + (size_t)y * row + x * 3 + 2 - c];
    return p;
}

picture shipped(const char* name)
{
    return read_picture(std::string(PROGRAM_DIR) + "bitmaps/VolSim/" + name + ".BMP");
}

const unsigned char* composed(int x, int y) { return rgb_array + (y * 800 + x) * 3; }

// A block of the picture about its point (cx, cy) where it was pasted with
// its lower-left corner at (x, y); by default its middle, clear of what is
// drawn over a face's edges.
testing::AssertionResult pasted_at(const char* name, float x, float y, int block = 16, int cx = -1, int cy = -1)
{
    picture p = shipped(name);
    if (p.w == 0) return testing::AssertionFailure() << name << " is not shipped";
    if (cx < 0) cx = p.w / 2, cy = p.h / 2;
    for (int dy = -block / 2; dy < block / 2; dy++)
        for (int dx = -block / 2; dx < block / 2; dx++) {
            int px = cx + dx, py = cy + dy;
            int ax = (int)x + px, ay = (int)y + py;
            if (px < 0 || px >= p.w || py < 0 || py >= p.h) continue;
            if (ax < 0 || ax >= 800 || ay < 0 || ay >= 600) continue;
            if (memcmp(composed(ax, ay), &p.rgb[((size_t)py * p.w + px) * 3], 3) != 0)
                return testing::AssertionFailure() << name << " differs at (" << ax << ", " << ay << ")";
        }
    return testing::AssertionSuccess();
}

bool is_colour(const unsigned char* c, int colour)
{
    for (int k = 0; k < 3; k++)
        if (c[k] != (unsigned char)intround(col_rgb[colour][k] * 255)) return false;
    return true;
}

// A point of the panel body that no face, field or lamp covers in any layout.
const int panel_clear_x = 415, panel_clear_y = 330;

bool is_magenta(const unsigned char* c) { return c[0] == 255 && c[1] == 0 && c[2] == 255; }

class Cockpit : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(stand_cessna_at_ksbd()); }
    static void compose(void)
    {
        set_panel_layout();
        MACIBM_startwind(win_main);
    }
};

}  // namespace

TEST_F(Cockpit, TheCessnaShowsItsPanelRadiosFacesAndLamps)
{
    compose();
    const planestruct& a = pln[0];
    EXPECT_EQ(a.cp, 0);
    EXPECT_EQ(to_array, 0);
    // The windshield stays see-through, the panel under it does not.
    for (int y : {340, 450, 559}) EXPECT_TRUE(is_magenta(composed(400, y))) << y;
    EXPECT_FALSE(is_magenta(composed(400, 200)));
    EXPECT_FALSE(is_magenta(composed(400, 565)));
    EXPECT_TRUE(pasted_at("PANL_P", 0, 0, 8, panel_clear_x, panel_clear_y));
    EXPECT_TRUE(pasted_at("pict_rdo", 489, 0));
    struct face { const char* name; int kind; };
    for (face f : {face{"pict_asi", ins_asi}, {"pict_ahz", ins_ah}, {"pict_alt", ins_alt}, {"pict_hsi", ins_hsi},
                   {"pict_vvi", ins_vvi}}) {
        ASSERT_TRUE(show_ins(f.kind)) << f.name;
        EXPECT_TRUE(pasted_at(f.name, ins.ins_x[f.kind] - 64, ins.ins_y[f.kind] - 64)) << f.name;
    }
    EXPECT_TRUE(pasted_at(a.TStype == 2 ? "pict_ned" : "pict_trn", ts_x() - 64, ts_y() - 64));
    // Its VOR receiver takes the NAV 1 row: no GPS head.
    ASSERT_EQ(a.supptype, 1);
    EXPECT_TRUE(pasted_at("pict_rdo", 489, 0, 150));
    // The dark marker lamps, outer, middle and inner.
    EXPECT_TRUE(is_colour(composed(494 + 5, 297), 16));
    EXPECT_TRUE(is_colour(composed(510 + 5, 297), 15));
    EXPECT_TRUE(is_colour(composed(526 + 5, 297), 18));
    // A fixed gear: the radio stack's own corner, no gear panel.
    ASSERT_EQ(a.gear_retract, 0);
    EXPECT_TRUE(pasted_at("pict_rdo", 489, 0, 280));   // all but the lamp row
}

// The faces that share the supplementary slot's corner: the clock stays on top.
TEST_F(Cockpit, TheClockSitsUnderTheSupplementaryFace)
{
    compose();
    ASSERT_TRUE(show_ins(ins_supp));
    picture tim = shipped("pict_tim");
    ASSERT_EQ(tim.w, 100);
    int x0 = (int)(supp_x() - 50), y0 = (int)(supp_y() - 82);
    int differ = 0;
    for (int y = 0; y < tim.h; y++)
        for (int x = 0; x < tim.w; x++)
            differ += memcmp(composed(x0 + x, y0 + y), &tim.rgb[((size_t)y * tim.w + x) * 3], 3) != 0;
    // Only the ":" between the minutes and the seconds is drawn over it.
    EXPECT_LT(differ, 12);
}

TEST_F(Cockpit, LayoutsPlaceTheirPictures)
{
    struct layout {
        const char* what;
        int radiotype, is_heli, paneltype, supptype, gear_retract;
        const char* panel;
    };
    const layout cases[] = {
        {"twin, second radio stack, GPS", 2, 0, 1, 3, 1, "PANL_P"},
        {"helicopter", 1, 1, 1, 3, 0, "PANL_H"},
        {"glass panel", 1, 0, 2, 1, 1, "PANL_P"},
    };
    for (const layout& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(stand_cessna_at_ksbd());
        planestruct& a = pln[0];
        a.radiotype = c.radiotype;
        a.is_heli = c.is_heli;
        a.paneltype = c.paneltype;
        a.supptype = c.supptype;
        a.gear_retract = c.gear_retract;
        a.ecam = c.paneltype == 2;
        a.jettisonEQ = c.is_heli;
        compose();
        float r = radio_x();
        EXPECT_TRUE(pasted_at(c.panel, 0, 0, 8, panel_clear_x, panel_clear_y));
        EXPECT_TRUE(pasted_at("pict_rdo", r + 489, 0));
        if (c.supptype != 1 && c.supptype != 7) {
            EXPECT_TRUE(pasted_at("pict_gps", r + 489, 209));
        }
        if (c.gear_retract) {
            EXPECT_TRUE(pasted_at("b_gear", r + 608, 4));
        }
        if (c.paneltype == 2) {
            EXPECT_TRUE(pasted_at("pict_efi", efis_x(), efis_y()));
            EXPECT_TRUE(pasted_at("pict_eca", eng_x() + 645, 140));
        } else {
            EXPECT_TRUE(pasted_at("pict_asi", asi_x() - 64, asi_y() - 64));
        }
        EXPECT_TRUE(is_colour(composed((int)(r + 494 + 5), 297), 16));
        // The helicopter's jettison switch moves with the panel.
        if (c.is_heli) {
            EXPECT_TRUE(is_colour(composed((int)(osh + 648 + 9), 319), 22));
        }
    }
}

TEST_F(Cockpit, TheAircraftsOwnPanelReplacesTheShippedOne)
{
    std::string folder = std::string(test_scratch_folder()) + "own/";
    std::string base = folder + "Own Plane";
    write_test_bmp(base + " panl.BMP", 800, 582, [](int x, int y) { return y >= 340 && y < 560 ? 0xFF00FF : (x < 400 ? 0x204060 : 0x406020); });
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "%s.acf", base.c_str());
    compose();
    EXPECT_EQ(pln[0].cp, 1);
    const unsigned char* left = composed(100, 100);
    EXPECT_EQ(left[0], 0x20);
    EXPECT_EQ(left[1], 0x40);
    EXPECT_EQ(left[2], 0x60);
    EXPECT_TRUE(is_magenta(composed(400, 450)));
    // No shipped faces over it; the marker lamps still come.
    EXPECT_EQ(composed((int)asi_x(), (int)asi_y())[0], 0x20);
    EXPECT_TRUE(is_colour(composed(494 + 5, 297), 16));

    // A path with no extension keeps its whole name; one that cannot take the
    // suffix means no custom panel, and the path is left as it was.
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "%s", base.c_str());
    compose();
    EXPECT_EQ(pln[0].cp, 1);
    memset(pln[0].C_path, 'a', sizeof pln[0].C_path);
    pln[0].C_path[0] = '/';
    char before[sizeof pln[0].C_path];
    memcpy(before, pln[0].C_path, sizeof before);
    compose();
    EXPECT_EQ(pln[0].cp, 0);
    EXPECT_EQ(memcmp(before, pln[0].C_path, sizeof before), 0);
    EXPECT_TRUE(pasted_at("PANL_P", 0, 0, 8, panel_clear_x, panel_clear_y));
}

// The settings windows open centred at their own sizes; the enroute chart
// takes the region at the chart's scale, the diagram its name from C_s.
TEST(WindowStart, EachWindowOpensCentredAtItsSize)
{
    reset_suite_state();
    MACIBM_set_constants();
    ogl_ready = 0;
    env.reg_width = 280000;
    env.reg_depth = 222000;
    con.mtrtonrt = 494.0f / 222000;
    snprintf(C_s, sizeof C_s, "Test Field (KTST)");
    const struct {
        int id;
        float dx, dy;
    } cases[] = {
        {win_airport_id, 176, 440}, {win_chart, 694, 494},      {win_world, 788, 443},
        {win_sound, 293, 251},      {win_diagram, 432, 494},    {win_credits, 589, 415},
    };
    for (const auto& c : cases) {
        MACIBM_startwind(c.id);
        EXPECT_EQ(mnw.topwin, c.id);
        EXPECT_EQ(mnw.dx, c.dx) << c.id;
        EXPECT_EQ(mnw.dy, c.dy) << c.id;
        EXPECT_EQ(mnw.x, (float)intround((800 - c.dx) / 2)) << c.id;
    }
    // A region wider than the screen's chart keeps within it.
    env.reg_width = 1e7f;
    MACIBM_startwind(win_chart);
    EXPECT_EQ(mnw.dx, 790);
}
