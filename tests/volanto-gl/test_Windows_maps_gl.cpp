// The world map and the region view on the screen, over the shipped data:
// the map's picture with land and sea where they are and the aircraft
// blinking at its point; the region's terrain in its textures, the ground
// beside it left as the window's body, and the flown path at its height
// over its shadow.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Windows.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct pixel {
    int r, g, b;
};

// The shown pixel at (x, y) of the open window, in its units.
pixel shown_at(float x, float y)
{
    unsigned char c[3];
    host_test_read_front(intround(mnw.x + x), intround(mnw.y + y), 1, 1, c);
    return {c[0], c[1], c[2]};
}

std::string text(pixel p)
{
    char s[40];
    snprintf(s, sizeof s, "(%d, %d, %d)", p.r, p.g, p.b);
    return s;
}

bool is_sea(pixel p) { return p.b > p.r + 60 && p.b > p.g; }
bool is_land(pixel p) { return p.g > p.b && p.g > p.r; }
bool is_red(pixel p) { return p.r > 200 && p.g < 60 && p.b < 60; }
bool is_yellow(pixel p) { return p.r > 200 && p.g > 200 && p.b < 60; }
bool is_black(pixel p) { return p.r < 30 && p.g < 30 && p.b < 30; }

// Whether any shown pixel within d units of (x, y) is as asked.
template <typename F>
bool shown_near(float x, float y, int d, F is)
{
    for (int dy = -d; dy <= d; dy++)
        for (int dx = -d; dx <= d; dx++)
            if (is(shown_at(x + dx, y + dy))) return true;
    return false;
}

class MapsGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        gdone = 0;
        // No stick attached: Enter answers the joystick notice.
        host_test_push_key(VK_RETURN, 0);
        start_simulator();
        MACIBM_event_proc();
        ASSERT_EQ(gdone, 0);
    }
    void TearDown() override { MACIBM_finishup(); }
};

}  // namespace

TEST_F(MapsGl, TheWorldMapShowsLandSeaAndTheBlinkingAircraft)
{
    MACIBM_startwind(win_world);
    flt.lat = 10;
    flt.lon = 20;
    flt.psi[0] = 0;
    MACIBM_event_proc();
    ASSERT_EQ(mnw.topwin, win_world);

    struct place {
        const char* name;
        float lat, lon;
    };
    auto at = [](const place& p) {
        float x, y;
        world_map_point(p.lat, p.lon, &x, &y);
        return shown_at(x, y);
    };
    for (const place& p : {place{"the Sahel", 14, 10}, {"Amazonia", -5, -60}, {"Siberia", 60, 100},
                           {"central Australia", -25, 133}, {"the Great Plains", 40, -100}}) {
        pixel c = at(p);
        EXPECT_TRUE(is_land(c)) << p.name << " " << text(c);
    }
    for (const place& p : {place{"the mid-Pacific", 5, -145}, {"the South Atlantic", -30, -15},
                           {"the Indian Ocean", -20, 80}, {"the North Atlantic", 40, -40},
                           {"the Tasman Sea", -38, 160}}) {
        pixel c = at(p);
        EXPECT_TRUE(is_sea(c)) << p.name << " " << text(c);
    }

    // The fuselage stands on the aircraft's point, nose up, red and yellow by turns.
    float x, y;
    world_map_point(10, 20, &x, &y);
    bool red = shown_near(x, y + 4, 1, is_red), yellow = shown_near(x, y + 4, 1, is_yellow);
    EXPECT_NE(red, yellow) << "one colour a frame";
    EXPECT_TRUE(shown_near(x - 8, y, 1, red ? is_red : is_yellow)) << "a wing";
    MACIBM_event_proc();
    EXPECT_EQ(shown_near(x, y + 4, 1, is_red), !red) << "the next frame the other colour";
}

TEST_F(MapsGl, TheRegionViewShowsTheTerrainAndThePathOverItsShadow)
{
    MACIBM_startwind(win_isometric);
    // A level line west to east across the middle of the region, 3000 m up.
    for (int k = 0; k < path_samples; k++) pat.path_time[k] = 0;
    const int samples = 100;
    float z = env.reg_south_z - 0.5f * env.reg_depth;
    for (int k = 0; k < samples; k++) {
        pat.path_time[k] = 1.0f + k;
        pat.path_plane[k][0] = env.reg_west_x + env.reg_width * (0.3f + 0.4f * k / samples);
        pat.path_plane[k][1] = 3000;
        pat.path_plane[k][2] = z;
    }
    MACIBM_event_proc();
    ASSERT_EQ(mnw.topwin, win_isometric);
    float s = iso_scale(mnw.dx, mnw.dy);
    ASSERT_GT(s, 0);

    // A cell of open water and a cell of land away from towns, each at its middle.
    auto cell_middle = [&](int i, int j, float* x, float* y) {
        float p[3];
        for (int c = 0; c < 3; c++)
            p[c] = 0.25f * (planexyz[i][j][c] + planexyz[i + 1][j][c] + planexyz[i][j + 1][c] +
                            planexyz[i + 1][j + 1][c]);
        iso_point(p, s, mnw.dx, mnw.dy, x, y);
    };
    auto all_around = [](int i, int j, auto is) {
        for (int di = -1; di <= 1; di++)
            for (int dj = -1; dj <= 1; dj++)
                if (!is(i + di, j + dj)) return false;
        return true;
    };
    int water_i = -1, water_j = -1, land_i = -1, land_j = -1;
    for (int i = 2; i < region_grid_x - 3; i++)
        for (int j = 2; j < region_grid_z - 3; j++) {
            if (water_i < 0 && all_around(i, j, [](int a, int b) { return is_water[a][b] != 0; }))
                water_i = i, water_j = j;
            if (land_i < 0 && all_around(i, j, [](int a, int b) {
                    return !is_water[a][b] && !city_on_poly[a][b] && planetex[a][b] == (unsigned)tex_flat;
                }))
                land_i = i, land_j = j;
        }
    ASSERT_GE(water_i, 0) << "the shipped region has open sea";
    ASSERT_GE(land_i, 0) << "and open flat land";
    float x, y;
    cell_middle(water_i, water_j, &x, &y);
    EXPECT_TRUE(shown_near(x, y, 0, [](pixel p) { return p.b > p.r + 30; })) << "water " << text(shown_at(x, y));
    cell_middle(land_i, land_j, &x, &y);
    EXPECT_TRUE(shown_near(x, y, 0, [](pixel p) { return p.r > p.b + 30; })) << "land " << text(shown_at(x, y));
    // The region's ground is centred: the window's corner beside it is its body.
    pixel body = shown_at(3, 3);
    EXPECT_TRUE(body.r == body.g && body.g == body.b && body.r > 100) << text(body);

    // Half way along, the path blinks at its height over its black shadow on the ground.
    const float* p = pat.path_plane[samples / 2];
    float vx, vy, vz;
    int ci = 0, cj = 0;
    float ground[3] = {p[0], find_local_h(p[0], p[2], &vx, &vy, &vz, &ci, &cj, 0), p[2]};
    float sx, sy, fx, fy;
    iso_point(ground, s, mnw.dx, mnw.dy, &sx, &sy);
    iso_point(p, s, mnw.dx, mnw.dy, &fx, &fy);
    ASSERT_GT(fy - sy, 4) << "the flown height stands clear of the shadow";
    EXPECT_TRUE(shown_near(sx, sy, 1, is_black)) << "the shadow";
    EXPECT_FALSE(shown_near(sx, sy, 1, is_red)) << "the flown path is not on the ground";
    EXPECT_TRUE(shown_near(fx, fy, 2, is_red)) << "the flown path";
    EXPECT_FALSE(shown_near(fx, fy, 1, is_black)) << "no shadow at the flown height";
}
