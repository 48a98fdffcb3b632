// The charts on the virtual display over the shipped region about KSBD: the
// terrain's colours read back from known land and water cells of each chart,
// the weather radar's storm levels, the KSBD diagram's runway on its map and
// fitted beside the profile, and a click on the chart that starts the
// flight in the air at that point.
#include <gtest/gtest.h>

#include "Do_graph.h"
#include "Funct.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"
#include "Windows.h"

#include <cmath>
#include <cstring>
#include <functional>

namespace {

struct rgb {
    int r, g, b;
};

// The shown pixel under the window point (x, y).
rgb shown_at(float x, float y)
{
    unsigned char c[3];
    host_test_read_front((int)floorf(mnw.x + x), (int)floorf(mnw.y + y), 1, 1, c);
    return {c[0], c[1], c[2]};
}

// A colour index as a window shows it: the first colours take the panel
// light, half of it while a window is open.
rgb palette(int colour)
{
    rgb c;
    int* out[3] = {&c.r, &c.g, &c.b};
    for (int k = 0; k < 3; k++) {
        float tint = colour < 39 ? 0.5f * ins.lite_rgb[k] + 0.5f : 1.0f;
        *out[k] = intround(col_rgb[colour][k] * tint * 255);
    }
    return c;
}

rgb grey(float g) { return {intround(g * 255), intround(g * 255), intround(g * 255)}; }

testing::AssertionResult near(rgb got, rgb want)
{
    if (abs(got.r - want.r) <= 2 && abs(got.g - want.g) <= 2 && abs(got.b - want.b) <= 2)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "(" << got.r << ", " << got.g << ", " << got.b << ") for (" << want.r
                                       << ", " << want.g << ", " << want.b << ")";
}

// The middle of terrain cell (i, j) as the last chart frame projected it.
float cell_x(int i, int j) { return 0.25f * (plotx[i][j] + plotx[i + 1][j] + plotx[i][j + 1] + plotx[i + 1][j + 1]); }
float cell_y(int i, int j) { return 0.25f * (ploty[i][j] + ploty[i + 1][j] + ploty[i][j + 1] + ploty[i + 1][j + 1]); }

// A cell away from the grid's border whose eight neighbours pass the test too.
int find_cell(const std::function<bool(int, int)>& test, int* ci, int* cj)
{
    for (int i = 3; i < region_grid_x - 4; i++)
        for (int j = 3; j < region_grid_z - 4; j++) {
            int all = 1;
            for (int di = -1; di <= 1 && all; di++)
                for (int dj = -1; dj <= 1 && all; dj++) all = test(i + di, j + dj);
            if (!all) continue;
            *ci = i, *cj = j;
            return 1;
        }
    return 0;
}

float mean_height(int i, int j)
{
    return 0.25f * (planexyz[i][j][1] + planexyz[i + 1][j][1] + planexyz[i][j + 1][1] + planexyz[i + 1][j + 1][1]);
}

void frame(void) { MACIBM_event_proc(); }

// A click at the window point (x, y), taken in one frame.
void click(float x, float y)
{
    host_test_push_click((int)(mnw.x + x), (int)(600 - (mnw.y + y)));
    frame();
}

void click_box(int which)
{
    win_box b = chart_button(which, mnw.dx);
    click(0.5f * (b.x1 + b.x2), 0.5f * (b.y1 + b.y2));
}

}  // namespace

class ChartGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start_shipped_on_display(10)) << error_out();
    }
    void TearDown() override { MACIBM_finishup(); }

    // The chart of the menu item, its terrain alone: no airport, navaid,
    // icon, path or aircraft over the cells read.
    static void open_bare(int kind)
    {
        memset(apt_inreg, 0, sizeof apt_inreg);
        memset(nav_inreg, 0, sizeof nav_inreg);
        memset(offp_on_poly, 0, sizeof offp_on_poly);
        memset(oilr_on_poly, 0, sizeof oilr_on_poly);
        memset(obj_type, 0, sizeof obj_type);
        memset(&pat, 0, sizeof pat);
        scn.fires_on = 0;
        for (int s = 0; s < 2; s++) env.ship_x[s] = env.ship_z[s] = ship_unplaced;
        APPLICATION_handlemenu(kind);
        ASSERT_EQ(mnw.topwin, win_chart);
        flt.pos_x[0] = -1e7;   // the symbol off the chart
        frame();
    }
};

TEST_F(ChartGl, TheLowEnrouteChartShowsLandWaterAndOpenWater)
{
    open_bare(chart_low_enroute);
    int i, j;
    ASSERT_TRUE(find_cell([](int a, int b) { return !is_water[a][b]; }, &i, &j));
    EXPECT_TRUE(near(shown_at(cell_x(i, j), cell_y(i, j)), palette(6))) << "land " << i << ", " << j;
    // Open water: all four diagonal neighbours water.
    ASSERT_TRUE(find_cell([](int a, int b) { return is_water[a][b] != 0; }, &i, &j));
    EXPECT_TRUE(near(shown_at(cell_x(i, j), cell_y(i, j)), palette(7))) << "open water " << i << ", " << j;
    // Water by the shore: a diagonal neighbour is land.
    int found = 0;
    for (int a = 2; a < region_grid_x - 3 && !found; a++)
        for (int b = 2; b < region_grid_z - 3 && !found; b++) {
            if (!is_water[a][b] || !is_water[a - 1][b] || !is_water[a + 1][b] || !is_water[a][b - 1] ||
                !is_water[a][b + 1] || is_water[a + 1][b + 1])
                continue;
            EXPECT_TRUE(near(shown_at(cell_x(a, b), cell_y(a, b)), palette(19))) << "shore water " << a << ", " << b;
            found = 1;
        }
    EXPECT_TRUE(found) << "the region has a shore";
}

TEST_F(ChartGl, TheSectionalTintsTheLandByItsHeight)
{
    open_bare(chart_sectional);
    static const float band_top_ft[6] = {1000, 2000, 3000, 5000, 7000, 1e9f};
    static const int band_rgb[7][3] = {{212, 226, 175}, {188, 205, 154}, {239, 232, 174}, {241, 222, 136},
                                       {233, 198, 102}, {223, 175, 72},  {170, 205, 220}};
    auto band_of = [](int a, int b) {
        if (is_water[a][b]) return 6;
        float ft = mean_height(a, b) * con.mtrstoft;
        int k = 0;
        while (ft >= band_top_ft[k]) k++;
        return k;
    };
    int bands_seen = 0;
    for (int band = 0; band < 7; band++) {
        int i, j;
        if (!find_cell([&](int a, int b) { return band_of(a, b) == band; }, &i, &j)) continue;
        rgb want;
        int* out[3] = {&want.r, &want.g, &want.b};
        for (int k = 0; k < 3; k++) *out[k] = intround(powf(band_rgb[band][k] / 255.0f * 0.75f, 1.3f) * 255);
        EXPECT_TRUE(near(shown_at(cell_x(i, j), cell_y(i, j)), want)) << "band " << band;
        bands_seen++;
    }
    EXPECT_GE(bands_seen, 5) << "water, the lowlands and the mountains about KSBD";
}

TEST_F(ChartGl, TheWeatherRadarShowsTheGroundInGreyAndTheStormsByLevel)
{
    atm.precip_level = atm.storm_level = 1;   // no weather shows
    open_bare(chart_radar);
    int i, j;
    ASSERT_TRUE(find_cell([](int a, int b) { return !is_water[a][b]; }, &i, &j));
    float g = 0.1f + 0.4f * (mean_height(i, j) - env.elev_min) / (env.elev_max - env.elev_min);
    EXPECT_TRUE(near(shown_at(cell_x(i, j), cell_y(i, j)), grey(g))) << "land";
    ASSERT_TRUE(find_cell([](int a, int b) { return is_water[a][b] != 0; }, &i, &j));
    EXPECT_TRUE(near(shown_at(cell_x(i, j), cell_y(i, j)), grey(0))) << "water";

    // Severe weather: the level is 4 times the field's value, rounded. The
    // blocks lie over the land east of the coast, where the ground is grey.
    struct row {
        float value;
        int colour;   // -1: the ground shows
    };
    const row rows[] = {{0.1f, -1}, {0.125f, 72}, {0.5f, 73}, {0.75f, 74}, {1, 75}};
    float cw = env.reg_width / (float)(wx_grid_cols - 1), ch = env.reg_depth / (float)(wx_grid_rows - 1);
    float bx[5], by = pixelyfinder(env.reg_north_z + 210.5f * ch);
    rgb ground[5];
    for (int k = 0; k < 5; k++) {
        bx[k] = pixelxfinder(env.reg_west_x + (170.5f + 80 * (float)k) * cw);
        ground[k] = shown_at(bx[k], by);
        ASSERT_GT(ground[k].r, 20) << "land under block " << k;
    }
    atm.precip_level = atm.storm_level = 5;
    memset(atm.wx_grid, 0, sizeof atm.wx_grid);
    for (int k = 0; k < 5; k++)
        for (int a = 160 + 80 * k; a < 180 + 80 * k; a++)
            for (int b = 200; b < 220; b++) atm.wx_grid[a][b] = rows[k].value;
    frame();
    for (int k = 0; k < 5; k++) {
        rgb want = rows[k].colour >= 0 ? palette(rows[k].colour) : ground[k];
        EXPECT_TRUE(near(shown_at(bx[k], by), want)) << rows[k].value;
    }
}

TEST_F(ChartGl, TheLocalWorldShowsTheScenesOwnTextures)
{
    open_bare(chart_local_world);
    int i, j;
    ASSERT_TRUE(find_cell([](int a, int b) { return is_water[a][b] != 0; }, &i, &j));
    rgb water = shown_at(cell_x(i, j), cell_y(i, j));
    EXPECT_GT(water.b, water.r + 30) << "the water texture";
    EXPECT_FALSE(near(water, palette(7))) << "not a flat chart colour";
}

// The Done-when's click: the low enroute chart starts the flight in the air
// where it was clicked, and it flies on from there.
TEST_F(ChartGl, AClickOnTheLowEnrouteChartStartsTheFlightInTheAirThere)
{
    APPLICATION_handlemenu(chart_low_enroute);
    ASSERT_EQ(mnw.topwin, win_chart);
    frame();
    set.place_alt = 9000 * con.fttomtrs;
    set.place_hdg = 270;
    set.place_speed = 160 * con.ktstomsc;
    const float x = 150, y = 180;
    float scale = con.mtrtonrt * env.map_zoom;
    float want_x = env.map_x + x / scale, want_z = env.map_z - y / scale;
    click(x, y);
    EXPECT_EQ(mnw.topwin, win_main);
    EXPECT_NEAR((float)flt.pos_x[0], want_x, 1000);
    EXPECT_NEAR((float)flt.pos_z[0], want_z, 500);
    EXPECT_GE((float)flt.pos_y[0], set.place_alt - 1);
    EXPECT_NEAR(flt.psi[0], 270, 0.01);
    for (int f = 0; f < 40; f++) frame();
    EXPECT_EQ(flt.on_ground, 0) << "still flying";
    EXPECT_LT((float)flt.pos_x[0], want_x - 50) << "westwards";
}

TEST_F(ChartGl, TheKsbdDiagramShowsItsRunwayOnTheMapAndFittedBesideTheProfile)
{
    int a = -1, l = -1;
    ASSERT_TRUE(get_index_from_id("KSBD", 1, &a));
    for (int k = 0; k <= apt_lcl_max; k++)
        if (apt_to_index[k] == a) l = k;
    ASSERT_GE(l, 0) << "KSBD is an airport of the region";
    APPLICATION_handlemenu(item_diagram_first + l);
    ASSERT_EQ(mnw.topwin, win_diagram);
    EXPECT_STREQ(C_s, "San Bernardino International (KSBD)");
    frame();
    // Drawn whole: its runway through the box's middle, the box's corner clear.
    EXPECT_TRUE(near(shown_at(diagram_fit_x, diagram_fit_y), palette(29)));
    EXPECT_FALSE(near(shown_at(diagram_fit_x - 48, diagram_fit_y + 60), palette(29)));

    // Zoomed in on the aircraft at the runway's end.
    for (int k = 0; k < 5; k++) click_box(chart_zoom_in);
    EXPECT_NEAR(env.map_zoom, powf(1.5f, 5), 1e-3);
    click_box(chart_centre);
    int r = apt_lo_ind[a];
    float cx = pixelxfinder(X_with_latlon(rwy_lat[r], rwy_lon[r])), cy = pixelyfinder(Z_with_lat(rwy_lat[r]));
    ASSERT_TRUE(in_box(diagram_map_area, cx, cy));
    EXPECT_TRUE(near(shown_at(cx, cy), palette(29))) << "the runway";
    // Beside it, across its heading, the land.
    float h = rwy_hdng[r] * con.degtorad;
    EXPECT_TRUE(near(shown_at(cx - 15 * cosf(h), cy + 15 * sinf(h)), palette(6))) << "the land beside";
}
