// The world map and the region view without a window: where a click on
// the map asks the flight to start and what it starts, the flown path and
// the aircraft drawn into the software picture at their places on the
// map, and the region view's scale and centring.
#include <gtest/gtest.h>

#include "test_support.h"
#include "volanto_support.h"
#include "Do_graph.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Windows.h"
#include "records.h"

#include <cmath>
#include <cstring>

namespace {

// The map's plate carree as its picture is drawn, worked out here: 788
// units for 360 degrees of longitude from -180, 393 for 140 of latitude
// from -60 at y 50.
float map_x(float lon) { return (lon + 180) * 788 / 360; }
float map_y(float lat) { return 50 + (lat + 60) * 393 / 140; }

int airport(const char* id)
{
    int a = -1;
    get_index_from_id(id, 1, &a);
    return a;
}

class WorldMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(stand_cessna_at_ksbd());
        clear_map_run_state();
    }
    // The open window's drawing into the software picture at the picture's
    // origin, every colour its own red (colour k paints red k + 1).
    static void draw_into_picture(void)
    {
        for (int k = 0; k < 80; k++) OGL_assigncolor(k, (float)(k + 1) / 255.0f, 0, 0);
        memset(rgb_array, 0, sizeof rgb_array);
        mnw.x = mnw.y = 0;
        mnw.mouse_clicked = 0;
        to_array = 1;
        manage_wrl();
        to_array = 0;
    }
    // A path sample at a latitude and longitude.
    static void sample(int k, float time, float lat, float lon)
    {
        pat.path_time[k] = time;
        pat.path_plane[k][0] = X_with_latlon(lat, lon);
        pat.path_plane[k][1] = 1000;
        pat.path_plane[k][2] = Z_with_lat(lat);
    }
    // The colour lit within a unit of (x, y), -1 for none.
    static int colour_near(float x, float y)
    {
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++) {
                int c = rgb_colour(intround(x) + dx, intround(y) + dy);
                if (c >= 0) return c;
            }
        return -1;
    }
    // The path's colour at the map's point.
    static bool path_at(float lat, float lon) { return colour_near(map_x(lon), map_y(lat)) == 29; }
};

}  // namespace

// A click asks for the corner a degree south and a degree and a half west
// of the point under it, so that the start's request, the corner plus that,
// is the point clicked; at the map's top edge that is latitude 79.
TEST_F(WorldMap, AClickAsksForTheCornerUnderIt)
{
    const struct {
        float mx, my;
        int lat, lon;
    } cases[] = {
        {map_x(-116.5f), 443, 79, -118},   // the top edge
        {map_x(-116.5f), 50, -61, -118},   // the bottom edge
        {0, map_y(34), 33, -182},          // the left edge: -181.5 rounds away from zero
        {788, map_y(-20), -21, 179},
        {map_x(20.5f), map_y(10), 9, 19},
    };
    for (const auto& c : cases) {
        int lat = 0, lon = 0;
        world_map_corner(c.mx, c.my, &lat, &lon);
        EXPECT_EQ(lat, c.lat) << c.mx << ", " << c.my;
        EXPECT_EQ(lon, c.lon) << c.mx << ", " << c.my;
    }
}

// The click starts the flight on the final of the airport nearest the point
// asked for and closes the map; a click on the strip under the map, or
// beside the window, starts nothing.
TEST_F(WorldMap, AClickOnTheMapStartsAtTheNearestAirport)
{
    const struct {
        float mx, my;
        const char* starts;   // null: the map stays open
    } cases[] = {
        {map_x(-116.5f), map_y(33.9f), "KPSP"},   // asks for 34 N 116.5 W, beside Palm Springs
        {map_x(-116.5f), 443, "KEDW"},            // asks for 80 N: the northernmost of them
        {map_x(-116.5f), 30, nullptr},
        {map_x(-116.5f), 460, nullptr},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(stand_cessna_at_ksbd());
        int start_airport = msc.apt_sel;
        MACIBM_startwind(win_world);
        mnw.mx = c.mx;
        mnw.my = c.my;
        mnw.mouse_clicked = 1;
        manage_wrl();
        if (!c.starts) {
            EXPECT_EQ(mnw.topwin, win_world) << c.my;
            EXPECT_EQ(msc.apt_sel, start_airport) << c.my;
            continue;
        }
        EXPECT_EQ(mnw.topwin, win_main) << c.starts;
        int a = airport(c.starts);
        ASSERT_GE(a, 0) << c.starts;
        EXPECT_EQ(msc.apt_sel, a) << c.starts;
        // On the long final, nine miles out and in the air.
        int r = apt_lo_ind[a];
        float x = (float)flt.pos_x[0], z = (float)flt.pos_z[0];
        float nm = pythag(x - X_with_latlon(rwy_lat[r], rwy_lon[r]), z - Z_with_lat(rwy_lat[r])) * con.mtrstonm;
        EXPECT_TRUE(nm > 8 && nm < 11) << c.starts << " " << nm << " nm out";
        float vx, vy, vz;
        int i = 0, j = 0;
        EXPECT_GT(flt.pos_y[0], find_local_h(x, z, &vx, &vy, &vz, &i, &j, 0) + 50) << c.starts;
    }
}

// The path joins its samples where the map has them; a sample off the map
// is left out and the line starts again after it, and an empty sample ends
// it. The aircraft blinks at its own latitude and longitude.
TEST_F(WorldMap, ThePathAndTheAircraftLieWhereTheMapHasThem)
{
    for (int k = 0; k < path_samples; k++) pat.path_time[k] = 0;
    sample(0, 1, 34, -117);
    sample(1, 2, 46, -90);
    sample(2, 3, 85, -75);     // above the map's top
    sample(3, 4, 46, -60);
    sample(4, 5, 30, -30);
    sample(6, 7, 0, 0);        // after the empty sample 5
    flt.lat = 10;
    flt.lon = 20;
    flt.psi[0] = 0;
    draw_into_picture();

    EXPECT_TRUE(path_at(34, -117));
    EXPECT_TRUE(path_at(40, -103.5f)) << "half way from the first sample to the second";
    EXPECT_TRUE(path_at(38, -45)) << "half way from the fourth to the fifth";
    EXPECT_FALSE(path_at(46, -75)) << "no bridge over the sample off the map";
    EXPECT_FALSE(path_at(15, -15)) << "nothing across the empty sample";
    int lit_above_map = 0;
    for (int y = 444; y < 600; y++)
        for (int x = 0; x < 800; x++) lit_above_map += rgb_colour(x, y) >= 0;
    EXPECT_EQ(lit_above_map, 0);

    // The fuselage stands on the aircraft's point, nose up at heading 0; it
    // is red and yellow by turns.
    float x = map_x(20), y = map_y(10);
    int first = colour_near(x, y + 4);
    EXPECT_TRUE(first == 8 || first == 9) << first;
    EXPECT_EQ(colour_near(x - 8, y), first) << "a wing";
    EXPECT_EQ(colour_near(x, y + 9), -1) << "nothing beyond the nose";
    draw_into_picture();
    EXPECT_EQ(colour_near(x, y + 4), first == 8 ? 9 : 8);
}

// The region view's scale is the largest at which the region's ground fits
// the window, wide regions by their width and deep ones by their depth, and
// the ground is centred.
TEST(RegionView, TheRegionFitsTheWindowCentred)
{
    const struct {
        float width, depth;
        int by_width;
    } cases[] = {
        {277000, 222000, 1},    // three squares by two at 34 N
        {60000, 400000, 0},
    };
    const float dx = 760, dy = 540;
    for (const auto& c : cases) {
        env.reg_west_x = 1000;
        env.reg_east_x = 1000 + c.width;
        env.reg_south_z = 500;
        env.reg_north_z = 500 - c.depth;
        env.reg_width = c.width;
        env.reg_depth = c.depth;
        float s = iso_scale(dx, dy);
        ASSERT_GT(s, 0);
        float lo_x = 1e9f, hi_x = -1e9f, lo_y = 1e9f, hi_y = -1e9f;
        for (float x : {env.reg_west_x, env.reg_east_x})
            for (float z : {env.reg_south_z, env.reg_north_z}) {
                const float p[3] = {x, 0, z};
                float sx, sy;
                iso_point(p, s, dx, dy, &sx, &sy);
                lo_x = fminf(lo_x, sx), hi_x = fmaxf(hi_x, sx);
                lo_y = fminf(lo_y, sy), hi_y = fmaxf(hi_y, sy);
            }
        EXPECT_NEAR(lo_x, dx - hi_x, 0.01f) << c.width;
        EXPECT_NEAR(lo_y, dy - hi_y, 0.01f) << c.width;
        EXPECT_GE(lo_x, -0.01f) << c.width;
        EXPECT_GE(lo_y, -0.01f) << c.width;
        EXPECT_NEAR(c.by_width ? lo_x : lo_y, 0, 0.01f) << "filled edge to edge";
        // North leans up and to the right.
        const float sw[3] = {env.reg_west_x, 0, env.reg_south_z}, nw[3] = {env.reg_west_x, 0, env.reg_north_z};
        float x0, y0, x1, y1;
        iso_point(sw, s, dx, dy, &x0, &y0);
        iso_point(nw, s, dx, dy, &x1, &y1);
        EXPECT_GT(x1, x0);
        EXPECT_GT(y1, y0);
    }
    env.reg_width = env.reg_depth = 0;
    EXPECT_EQ(iso_scale(dx, dy), 0) << "no region laid out, nothing to draw";
}
