// The main view's static picture: the cockpit panel background composed into
// rgb_array for the shipped Cessna and for layouts built from it (a twin with
// the second radio stack, a helicopter, the glass panel), and the aircraft's
// own panel picture.
#include <gtest/gtest.h>

#include "host_test.h"
#include "test_support.h"
#include "volanto_support.h"
#include "Do_atc.h"
#include "Funct.h"
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

// ---- window start-up ------------------------------------------------------------

// Without a window: the library draws into rgb_array as it composes, and a
// window's background comes from a scratch program folder.
struct WindowStart : ::testing::Test {
    void SetUp() override
    {
        reset_suite_state();
        set_loader_paths();
        ogl_ready = 0;
        initing = 0;
        give_plane_own_panel();
        err.open("Error.out", std::ios::out | std::ios::trunc);
        // Each colour paints its own red, so a pixel tells which colour lit it.
        for (int k = 0; k < 80; k++) OGL_assigncolor(k, (float)(k + 1) / 255, 0, 0);
    }
    static uint32_t colour(int k) { return (uint32_t)(k + 1) << 16; }
    // A background picture of one colour in the scratch program folder.
    static void ship_background(const char* name, int w, int h, uint32_t rgb)
    {
        std::string root = std::string(test_scratch_folder()) + "prog/";
        write_test_bmp(root + "bitmaps/VolSim/" + name + ".BMP", w, h, [rgb](int, int) { return rgb; });
        snprintf(app_path, path_max, "%s", root.c_str());
    }
    // The colour at (x, y) of the open window, in its own units.
    static uint32_t window_pixel(float x, float y)
    {
        const unsigned char* p = rgb_array + ((int)(mnw.y + y) * 800 + (int)(mnw.x + x)) * 3;
        return (uint32_t)p[0] << 16 | (uint32_t)p[1] << 8 | p[2];
    }
};

// The settings windows open centred at their own sizes; the enroute chart
// takes the region at the chart's scale, the diagram its name from C_s.
TEST_F(WindowStart, EachWindowOpensCentredAtItsSize)
{
    env.reg_width = 280000;
    env.reg_depth = 222000;
    con.mtrtonrt = 494.0f / 222000;
    const struct {
        int id;
        float dx, dy;
    } cases[] = {
        {win_airport_id, 176, 440}, {win_chart, 694, 494},      {win_world, 788, 443},
        {win_sound, 293, 251},      {win_diagram, 432, 494},    {win_credits, 589, 415},
        {win_main, 800, 600},       {win_weather_space, 197, 84},
    };
    for (const auto& c : cases) {
        MACIBM_startwind(c.id);
        EXPECT_EQ(mnw.topwin, c.id);
        EXPECT_EQ(mnw.dx, c.dx) << c.id;
        EXPECT_EQ(mnw.dy, c.dy) << c.id;
        EXPECT_EQ(mnw.x, (float)intround((800 - c.dx) / 2)) << c.id;
        EXPECT_EQ(mnw.y, (float)intround((600 - c.dy) / 2)) << c.id;
    }
    // A region wider than the screen's chart keeps within it.
    env.reg_width = 1e7f;
    MACIBM_startwind(win_chart);
    EXPECT_EQ(mnw.dx, 790);
}

// The chart's picture is its control strip at the right edge; any other
// window's lies at its origin; the credits are filled with their colour.
TEST_F(WindowStart, BackgroundsLieWhereTheirControlsAre)
{
    env.reg_width = 280000;
    env.reg_depth = 222000;
    con.mtrtonrt = 494.0f / 222000;
    ship_background("loc_nrt", 71, 494, 0xff0000);
    ship_background("set_snd", 293, 251, 0x0000ff);
    MACIBM_startwind(win_chart);
    EXPECT_EQ(window_pixel(694 - 71, 10), 0xff0000u);
    EXPECT_EQ(window_pixel(693, 493), 0xff0000u);
    EXPECT_NE(window_pixel(694 - 72, 10), 0xff0000u);
    MACIBM_startwind(win_sound);
    EXPECT_EQ(window_pixel(0, 0), 0x0000ffu);
    EXPECT_EQ(window_pixel(292, 250), 0x0000ffu);
    MACIBM_startwind(win_credits);
    EXPECT_EQ(window_pixel(300, 200), colour(26));
}

// What a window applies happens as it is left for another, not when an
// alert opens over it or it is only drawn again.
TEST_F(WindowStart, LeavingAWindowAppliesItAndARepaintDoesNot)
{
    MACIBM_startwind(win_instrument_reliability);
    rel.system_ok[sys_airspeed] = 0;
    rel.system_ok[sys_engine] = 0;
    MACIBM_startwind(win_instrument_reliability);         // a repaint
    MACIBM_startwind(win_alert);
    mnw.topwin = win_instrument_reliability;                // the alert answered
    EXPECT_EQ(rel.system_ok[sys_airspeed], 0);
    MACIBM_startwind(win_equipment_reliability);
    EXPECT_EQ(rel.system_ok[sys_airspeed], 1);
    EXPECT_EQ(rel.system_ok[sys_engine], 0) << "an instrument window mends instruments only";
    set.alarm_stamp[1] = 40;
    MACIBM_startwind(win_main);
    EXPECT_EQ(rel.system_ok[sys_engine], 1);
    EXPECT_EQ(set.alarm_stamp[1], 0);

    // Thermals are drawn anew over the region's grid by their coverage.
    for (float coverage : {1.0f, 0.0f}) {
        atm.thermal_coverage = coverage;
        MACIBM_startwind(win_weather_atmosphere);
        MACIBM_startwind(win_main);
        EXPECT_EQ(atm.thermal_cell[0][0], (int)coverage);
        EXPECT_EQ(atm.thermal_cell[region_grid_x - 1][region_grid_z - 1], (int)coverage);
    }
}

TEST_F(WindowStart, AnOverweightAircraftIsToldOfOnLeavingTheWeights)
{
    pln[0].m_empty = 700;
    pln[0].m_max = 1100;
    flt.fuel = 150;
    flt.payload = 250;
    for (float jettison : {0.0f, 0.5f}) {
        flt.jettison = jettison;
        int boxes = host_test_message_box_count();
        MACIBM_startwind(win_weights);
        MACIBM_startwind(win_main);
        EXPECT_EQ(host_test_message_box_count(), boxes + (jettison > 0)) << jettison;
    }
    EXPECT_EQ(std::string(host_test_last_message_box()).rfind("Your total weight is above", 0), 0u);
    EXPECT_EQ(flt.fuel, 150) << "the weights stay as set";
}

TEST_F(WindowStart, FilingAPlanFindsItsDestination)
{
    apt_wrl_max = 1;
    snprintf(apt_id[1], sizeof apt_id[1], "KONT");
    atc.plan_state = 3;
    const struct {
        const char* destination;
        int active;
        int filed, dest;
    } cases[] = {{"KXXX", 0, 0, -1}, {"KONT", 1, 0, 1}, {"KONT", 0, 1, 1}};
    for (const auto& c : cases) {
        fpl = flightplanstruct();
        fpl.active = c.active;
        atc.dest_apt = -1;
        snprintf(fpl.destination, sizeof fpl.destination, "%s", c.destination);
        MACIBM_startwind(win_flight_plan);
        MACIBM_startwind(win_main);
        EXPECT_EQ(fpl.filed, c.filed) << c.destination << c.active;
        EXPECT_EQ(fpl.active, c.active) << c.destination << c.active;
        EXPECT_EQ(atc.dest_apt, c.dest) << c.destination;
    }
    EXPECT_EQ(atc.plan_state, 0);
}

TEST_F(WindowStart, AnAirportIdWithoutARunwayIsNotFound)
{
    apt_wrl_max = 1;
    snprintf(apt_id[1], sizeof apt_id[1], "KNOR");
    apt_lo_ind[1] = 5;
    apt_hi_ind[1] = 4;
    snprintf(msc.typed_apt_id, sizeof msc.typed_apt_id, "KNOR");
    msc.apt_sel = 0;
    MACIBM_startwind(win_airport_id);
    MACIBM_startwind(win_main);
    EXPECT_EQ(msc.apt_sel, 0);
    EXPECT_EQ(std::string(host_test_last_message_box()),
              "I could not find an airport with this ID anywhere in the country!\n\n"
              "Small airports (with a NUMBER for the first digit) are not simulated.\n\n"
              "There are still over 6,100 airports simulated by Volanto.\n\n");
}

// The charts open on the whole region; a diagram on its airport.
TEST_F(WindowStart, EveryWindowResetsTheChartView)
{
    env.reg_west_x = -150000;
    env.reg_south_z = 110000;
    env.map_zoom = 4;
    env.profile_shift = 2;
    MACIBM_startwind(win_chart);
    EXPECT_EQ(env.map_zoom, 1);
    EXPECT_EQ(env.map_x, -150000);
    EXPECT_EQ(env.map_z, 110000);
    EXPECT_EQ(env.profile_shift, 0);
    apt_wrl_max = 1;
    rwy_wrl_max = 2;
    apt_lo_ind[1] = 1;
    apt_hi_ind[1] = 2;
    rwy_lat[1] = env.reg_lat + 1;
    rwy_lon[1] = env.reg_lon + 1.5f;
    msc.diagram_apt = 1;
    msc.chart_kind = chart_diagram;
    MACIBM_startwind(win_diagram);
    EXPECT_NEAR(env.map_x, X_with_latlon(rwy_lat[1], rwy_lon[1]) - 25950, 1);
    EXPECT_NEAR(env.map_z, Z_with_lat(rwy_lat[1]) + 25950, 1);
}

// While the program starts, the main view shows the start-up picture with
// a tip of each list in its box; id -1 keeps the start-up going.
TEST_F(WindowStart, TheStartUpScreenShowsTwoTipsUntilTheFirstWindowChange)
{
    initing = 1;
    MACIBM_startwind(win_startup);
    EXPECT_EQ(initing, 1);
    EXPECT_EQ(mnw.topwin, win_main);
    EXPECT_EQ(window_pixel(150, 100), colour(29));       // inside the box
    EXPECT_EQ(window_pixel(10, 100), colour(22));        // its left edge
    EXPECT_EQ(window_pixel(310, 100), colour(18));       // its right edge
    int tip_a = 0, tip_b = 0;
    for (int x = 15; x < 295; x++)
        for (int y = 175; y < 192; y++) tip_a += window_pixel((float)x, (float)y) == colour(6);
    for (int x = 15; x < 295; x++)
        for (int y = 105; y < 122; y++) tip_b += window_pixel((float)x, (float)y) == colour(3);
    EXPECT_GT(tip_a, 50);
    EXPECT_GT(tip_b, 50);
    MACIBM_startwind(win_main);
    EXPECT_EQ(initing, 0);
}
