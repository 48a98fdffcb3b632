// The region loader. A full load: edges and chart scale from the region's
// corner, the squares laid where their vertices belong, nothing of the last
// region's objects, ships or fire left, the local lists marked and capped,
// every local runway given its geometry slot (whole airports, 250 slots at
// most), and the menu bar with the local airports' runway ends. The scrolls:
// edges, anchors, grid data, weather and clouds moved, only the new squares
// read and cloud sectors refilled, objects outside freed. Vertex normals.
// Fires and ships from seeded draws. Also the lookup of an airport or navaid
// by its ID.
#include <gtest/gtest.h>

#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "HL_GRAPH.h"
#include "Initnav.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

static const double nm = 1852.0;
static const double deg = acos(-1.0) / 180;

static void load_shipped_world(void)
{
    reset_suite_state();
    snprintf(app_path, path_max, "%s", PROGRAM_DIR);
    MACIBM_set_constants();
    initing = 0;
    ogl_ready = 0;
    load_world_databases();
}

static int shipped_airport(const char* id)
{
    for (int a = 0; a <= apt_wrl_max; a++)
        if (strncmp(apt_id[a], id, 4) == 0) return a;
    return -1;
}

static int shipped_navaid(const char* id, int type)
{
    for (int n = 0; n <= nav_wrl_max; n++)
        if (nav_type[n] == type && strncmp(nav_id[n], id, 4) == 0) return n;
    return -1;
}

class ShippedRegion : public ::testing::Test {
protected:
    int sbd = -1;
    void SetUp() override
    {
        load_shipped_world();
        sbd = shipped_airport("KSBD");
        ASSERT_GE(sbd, 0);
        // What the start airport's caller does: the runway in the middle of the region.
        msc.apt_sel = sbd;
        env.reg_lat = intround(rwy_lat[apt_lo_ind[sbd]] - 1.0f);
        env.reg_lon = intround(rwy_lon[apt_lo_ind[sbd]] - 1.5f);
    }
};

TEST_F(ShippedRegion, EdgesAnchorsAndChartScaleFollowTheCorner)
{
    ASSERT_EQ(env.reg_lat, 33);
    ASSERT_EQ(env.reg_lon, -119);
    // A previous region scrolled away from the frame's origin.
    env.reg_west_x = 5000;
    env.reg_south_z = -7000;
    load_region(1);

    const double lon_deg = cos(33 * deg) * 60 * nm;
    EXPECT_FLOAT_EQ(env.reg_west_x, 0);
    EXPECT_FLOAT_EQ(env.reg_south_z, 0);
    EXPECT_NEAR(env.reg_east_x, 3 * lon_deg, 1.0);
    EXPECT_NEAR(env.reg_north_z, -120 * nm, 1.0);
    EXPECT_NEAR(env.reg_width, 3 * lon_deg, 1.0);
    EXPECT_NEAR(env.reg_depth, 120 * nm, 1.0);
    EXPECT_NEAR(con.mtrtonrt, 494 / (120 * nm), 1e-9);
    EXPECT_NEAR(con.nrttomtr, 120 * nm / 494, 0.01);

    // Each square's south-west vertex, both rows on the scale of the south edge.
    for (int c = 0; c < 3; c++)
        for (int r = 0; r < 2; r++) {
            SCOPED_TRACE(testing::Message() << "square " << c << ", " << r);
            EXPECT_NEAR(planexyz[59 * c][79 * r][0], c * lon_deg, 1.0);
            EXPECT_NEAR(planexyz[59 * c][79 * r][2], -60 * r * nm, 1.0);
        }
    // The far corner: the eastern square's own anchor and the scale of 35 N.
    EXPECT_NEAR(planexyz[177][158][0], 2 * lon_deg + cos(35 * deg) * 60 * nm, 2.0);
    EXPECT_NEAR(planexyz[177][158][2], -120 * nm, 1.0);
}

TEST_F(ShippedRegion, KsbdStandsInItsOwnCellAtItsHeight)
{
    load_region(1);
    float lat = rwy_lat[apt_lo_ind[sbd]], lon = rwy_lon[apt_lo_ind[sbd]];
    float x = X_with_latlon(lat, lon), z = Z_with_lat(lat);
    int want_i = (int)floor((lon - env.reg_lon) * 59), want_j = (int)floor((lat - env.reg_lat) * 79);
    ASSERT_EQ(want_i, 104);
    ASSERT_EQ(want_j, 86);
    EXPECT_TRUE(x > planexyz[want_i][want_j][0] && x < planexyz[want_i + 1][want_j][0]) << x;
    EXPECT_TRUE(z < planexyz[want_i][want_j][2] && z > planexyz[want_i][want_j + 1][2]) << z;

    float vx = 1, vy = 1, vz = 1;
    int i = 89, j = 79;
    // The ground under a runway is laid flat just below its deck, which stands at the airport's height.
    float h = find_local_h(x, z, &vx, &vy, &vz, &i, &j, 0);
    EXPECT_NEAR(h, apt_h[sbd] - 0.2f, 0.01f);
    EXPECT_GT(h, 300.0f);
    EXPECT_EQ(i, want_i);
    EXPECT_EQ(j, want_j);
    EXPECT_NEAR(planenrml[want_i][want_j][1], 1, 1e-4);

    // Around it real land and sea: the mountains well above the field, the sea at 0 (and the desert
    // valleys below it), every vertex within the region's bounds.
    EXPECT_LE(env.elev_min, 0.0f);
    EXPECT_GT(env.elev_max, 3000.0f);
    int sea = 0, high = 0;
    for (int gi = 0; gi < region_grid_x; gi++)
        for (int gj = 0; gj < region_grid_z; gj++) {
            float y = planexyz[gi][gj][1];
            if (y < env.elev_min || y > env.elev_max) ADD_FAILURE() << gi << ", " << gj << ": " << y;
            sea += is_water[gi][gj] != 0;
            high += y > 2000;
        }
    EXPECT_GT(sea, 0);
    EXPECT_GT(high, 0);
}

TEST_F(ShippedRegion, LocalListsHoldTheRegionsAirportsAndNavaids)
{
    load_region(1);
    const struct {
        const char* id;
        int type;       // 1 an airport
        int in_region;
    } cases[] = {
        {"KSBD", 1, 1}, {"KLAX", 1, 1}, {"KPSP", 1, 1}, {"KSAN", 1, 0},   // San Diego lies south of 33 N
        {"POM ", 3, 1},  {"OKB ", 2, 1},  {"ISBD", 4, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        if (c.type == 1) {
            int a = shipped_airport(c.id);
            ASSERT_GE(a, 0);
            EXPECT_EQ(apt_inreg[a], c.in_region);
            int listed = 0;
            for (int k = 0; k <= apt_lcl_max; k++) listed += apt_to_index[k] == a;
            EXPECT_EQ(listed, c.in_region);
        } else {
            int n = shipped_navaid(c.id, c.type);
            ASSERT_GE(n, 0);
            EXPECT_EQ(nav_inreg[n], c.in_region);
        }
    }
    // Every marked airport is listed once, in database order.
    int marked = 0;
    for (int a = 0; a <= apt_wrl_max; a++) marked += apt_inreg[a];
    ASSERT_GT(marked, 1);
    ASSERT_LE(marked, 92);
    EXPECT_EQ(apt_lcl_max, marked - 1);
    for (int k = 1; k <= apt_lcl_max; k++) EXPECT_LT(apt_to_index[k - 1], apt_to_index[k]);
    EXPECT_EQ(vor_to_index[0], shipped_navaid("PDZ ", 3));   // the file's first VOR
    EXPECT_EQ(ndb_to_index[0], shipped_navaid("EMT ", 2));
}

// A world made in place: airports whose first runways lie on and around the
// region's edges, and more of them than the local list holds.
class MadeRegion : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        env.reg_lat = 10;
        env.reg_lon = 20;
        apt_wrl_max = -1;
        rwy_wrl_max = -1;
        nav_wrl_max = world_nav_first - 1;
    }
    // An airport of one runway at (lat, lon); the runway's index.
    int add_airport(float lat, float lon)
    {
        int a = ++apt_wrl_max, r = ++rwy_wrl_max;
        apt_h[a] = 100;
        apt_lo_ind[a] = r;
        apt_hi_ind[a] = r;
        rwy_lat[r] = lat;
        rwy_lon[r] = lon;
        return r;
    }
    // Another runway of the last airport, centred where its first one is.
    int add_runway(void)
    {
        int a = apt_wrl_max, r = ++rwy_wrl_max;
        apt_hi_ind[a] = r;
        rwy_lat[r] = rwy_lat[apt_lo_ind[a]];
        rwy_lon[r] = rwy_lon[apt_lo_ind[a]];
        return r;
    }
    void shape_runway(int r, int number, float hdng, float len_ft, float width_ft, int code)
    {
        rwy_num[r] = number;
        rwy_lcr[r] = 'x';
        rwy_hdng[r] = hdng;
        rwy_len[r] = len_ft * con.fttomtrs;
        rwy_width[r] = width_ft * con.fttomtrs;
        rwy_code[r] = code;
    }
    void TearDown() override
    {
        apt_wrl_max = -1;
        rwy_wrl_max = -1;
    }
};

TEST_F(MadeRegion, EdgesAreInsideAndTheListStopsAt92)
{
    const struct {
        float lat, lon;
        int in_region;
    } edges[] = {
        {10, 20, 1},           {12, 23, 1},       {9.999f, 21, 0},   {12.001f, 21, 0},
        {11, 19.999f, 0},      {11, 23.001f, 0},  {11, 21.5f, 1},
    };
    for (const auto& e : edges) add_airport(e.lat, e.lon);
    apt_to_index[0] = 77;
    // An airport with no runway lines reads as its neighbour's first runway: it is in no region.
    int bare = ++apt_wrl_max;
    apt_lo_ind[bare] = rwy_wrl_max + 1;
    apt_hi_ind[bare] = 0;
    add_airport(11, 21);
    ASSERT_EQ(apt_lo_ind[bare], apt_lo_ind[bare + 1]);
    load_region(1);
    for (int k = 0; k < (int)(sizeof edges / sizeof edges[0]); k++)
        EXPECT_EQ(apt_inreg[k], edges[k].in_region) << edges[k].lat << ", " << edges[k].lon;
    EXPECT_EQ(apt_inreg[bare], 0);
    EXPECT_EQ(apt_inreg[bare + 1], 1);

    // More than the list holds: the first 92 in database order, every one marked.
    while (apt_wrl_max < 120) add_airport(10.5f, 20.5f);
    load_region(1);
    EXPECT_EQ(apt_lcl_max, 91);
    EXPECT_EQ(apt_to_index[0], 0);
    EXPECT_EQ(apt_to_index[91], 96);   // past the four outside and the bare one
    EXPECT_EQ(apt_inreg[120], 1);
}

TEST_F(MadeRegion, ARegionWithoutAirportsListsNone)
{
    int r = add_airport(10.5f, 20.5f);
    shape_runway(r, 9, 90, 5000, 100, 1111111);
    snprintf(apt_name[0], 40, "Gone Field");
    load_region(1);
    ASSERT_EQ(apt_lcl_max, 0);
    ASSERT_EQ(rwy_geo_ind[r], 0);

    // The next region holds none: no entry is local, nothing keeps a slot or a menu item.
    env.reg_lat = 40;
    load_region(1);
    EXPECT_EQ(apt_inreg[0], 0);
    EXPECT_EQ(apt_lcl_max, -1);
    EXPECT_EQ(rwy_geo, -1);
    EXPECT_EQ(rwy_geo_ind[r], -1);
    for (int item : {700, 800, 900, 408, 2000, 2001}) EXPECT_STREQ(mnw.item_name[item], "") << item;
    EXPECT_STREQ(mnw.item_name[200], "Takeoff");
}

TEST_F(MadeRegion, AFullLoadFreesEveryObjectAndPutsTheShipsAndTheFireAway)
{
    for (int s = 0; s < obj_slots; s++) obj_type[s] = 97;
    obj_xyz[3999][50][3][2] = 12;
    obj_nrml[5][7][1] = 1;
    for (int s = 0; s < 2; s++) {
        env.ship_x[s] = 1000.0f * (s + 1);
        env.ship_z[s] = -1000.0f * (s + 1);
        env.ship_hdg[s] = 45;
    }
    // A fire of the last region, whose point lies inside the new one.
    scn.fires_on = 1;
    for (int k = 0; k < fire_slots; k++) {
        scn.fire_on[k] = 1;
        scn.fire_xyz[k][0] = 100000;
        scn.fire_xyz[k][2] = -100000;
    }
    load_region(1);

    int objects = 0;
    for (int s = 0; s < obj_slots; s++) objects += obj_type[s] != 0;
    EXPECT_EQ(objects, 0);
    EXPECT_FLOAT_EQ(obj_xyz[3999][50][3][2], 0);
    EXPECT_FLOAT_EQ(obj_nrml[5][7][1], 0);
    // Level land offers no place off a shore: the ships wait far outside.
    for (int s = 0; s < 2; s++) {
        EXPECT_FLOAT_EQ(env.ship_x[s], -9.9e9f) << s;
        EXPECT_FLOAT_EQ(env.ship_z[s], -9.9e9f) << s;
        EXPECT_FLOAT_EQ(env.ship_hdg[s], 0) << s;
        EXPECT_FALSE(ship_in_region(s)) << s;
    }
    EXPECT_EQ(scn.fires_on, 0);
    for (int k = 0; k < fire_slots; k++) EXPECT_EQ(scn.fire_on[k], 0) << k;
}

// ---- runway slots -------------------------------------------------------------

// Runway codes: the surface digit (1: 62, 2: 63, 3: 64), then per end the
// glide-slope indicator, runway-light and approach-light digits.
static const int hard_62 = 1111111, soft_64 = 3111111;

TEST_F(MadeRegion, SlotsGoToEveryLocalRunwayInOrderAndBigHardOnesGetTaxiways)
{
    const struct {
        bool new_airport;
        int number;
        float len_ft, width_ft;
        int code, tway;
        const char* what;
    } rows[] = {
        {true, 9, 5000, 100, 1213132, 1, "a hard runway over 250,000 sq ft"},
        {false, 18, 4000, 75, 2235316, 1, "another of surface 63, its own light kinds"},
        {true, 9, 5000, 100, hard_62, 0, "an airport that also has a runway numbered 99"},
        {false, 99, 5000, 100, hard_62, 0, "the runway numbered 99 itself"},
        {true, 9, 2500, 100, hard_62, 0, "exactly 250,000 sq ft"},
        {true, 9, 2499, 100, hard_62, 0, "just below"},
        {true, 9, 2501, 100, hard_62, 1, "just above"},
        {true, 9, 5000, 100, soft_64, 0, "surface 64"},
    };
    // One outside the region first: its runway gets no slot.
    int outside = add_airport(40, 40);
    shape_runway(outside, 9, 90, 5000, 100, hard_62);
    std::vector<int> runway;
    for (const auto& row : rows) {
        int r = row.new_airport ? add_airport(10.5f, 20.5f) : add_runway();
        shape_runway(r, row.number, row.new_airport ? 90 : 0, row.len_ft, row.width_ft, row.code);
        runway.push_back(r);
    }
    rwy_geo_ind[outside] = 7;   // what an earlier region left
    load_region(1);

    EXPECT_EQ(rwy_geo_ind[outside], -1);
    EXPECT_EQ(rwy_geo, (int)runway.size() - 1);
    for (size_t k = 0; k < runway.size(); k++) {
        EXPECT_EQ(rwy_geo_ind[runway[k]], (int)k) << rows[k].what;
        EXPECT_EQ(geo_tway[k], rows[k].tway) << rows[k].what;
    }
    // The light kinds from each runway's own code: end 0, then end 1.
    const struct {
        int slot, surface, gls[2], rwy[2], app[2];
    } kinds[] = {{0, 62, {2, 1}, {1, 3}, {3, 2}}, {1, 63, {2, 3}, {3, 1}, {5, 6}}};
    for (const auto& k : kinds) {
        SCOPED_TRACE(rows[k.slot].what);
        EXPECT_EQ(geo_type[k.slot], k.surface);
        for (int e = 0; e < 2; e++) {
            EXPECT_EQ(geo_litgls[k.slot][e], k.gls[e]) << "end " << e;
            EXPECT_EQ(geo_litrwy[k.slot][e], k.rwy[e]) << "end " << e;
            EXPECT_EQ(geo_litapp[k.slot][e], k.app[e]) << "end " << e;
        }
    }
}

TEST_F(MadeRegion, AnAirportWhoseRunwaysDoNotAllFitIsLeftOutWithEveryLaterOne)
{
    // 62 airports of four runways fill slots 0 to 247; the next airport's
    // two runways fill the last two, three do not fit.
    const struct {
        int runways;
        bool fits;
    } cases[] = {{2, true}, {3, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.runways);
        SetUp();
        ogl_ready = 0;
        err.open("Error.out", std::ios::out | std::ios::trunc);
        for (int a = 0; a < 62; a++) {
            int r = add_airport(10.5f, 20.5f);
            shape_runway(r, 9, 90, 3000, 150, hard_62);
            for (int k = 1; k < 4; k++) shape_runway(add_runway(), 9 + 9 * k, 90 + 45 * k, 3000, 150, hard_62);
        }
        std::vector<int> edge, later;
        edge.push_back(add_airport(11, 21));
        for (int k = 1; k < c.runways; k++) edge.push_back(add_runway());
        for (int r : edge) shape_runway(r, 9, 90, 3000, 150, hard_62);
        // Later airports of one runway each, which alone would fit.
        for (int a = 0; a < 2; a++) {
            later.push_back(add_airport(11.5f, 21.5f));
            shape_runway(later.back(), 9, 90, 3000, 150, hard_62);
        }
        for (int a = 62; a <= apt_wrl_max; a++) snprintf(apt_name[a], 40, "Field %d", a);
        rwy_geo_ind[later.back()] = 3;   // what an earlier region left
        planenrml[0][0][1] = 0;
        load_region(1);
        err.close();

        EXPECT_EQ(apt_lcl_max, c.fits ? 62 : 61);
        EXPECT_EQ(rwy_geo, c.fits ? geo_slots - 1 : 247);
        for (size_t k = 0; k < edge.size(); k++)
            EXPECT_EQ(rwy_geo_ind[edge[k]], c.fits ? 248 + (int)k : -1) << "runway " << k;
        for (int r : later) EXPECT_EQ(rwy_geo_ind[r], -1) << r;
        // Still marked in the region, but not listed and not in the menus.
        EXPECT_EQ(apt_inreg[apt_wrl_max], 1);
        EXPECT_STREQ(mnw.item_name[700 + 62], c.fits ? "Field 62" : "");
        EXPECT_STREQ(mnw.item_name[700 + 63], "");
        EXPECT_STREQ(mnw.item_name[408 + 63], "");
        // Told once (at the first airport that does not fit), as a notice:
        // the rest of the load, the ground laid after the slots, goes on.
        EXPECT_EQ(error_out(), "Too many runways in the region!\n\n\n\n");
        EXPECT_FLOAT_EQ(planenrml[0][0][1], 1);
    }
}

// ---- scrolls -------------------------------------------------------------------

// One degree of longitude at latitude lat, in metres.
static float lon_deg_at(int lat) { return (float)(cos(lat * deg) * 60 * nm); }

// The corner as each scroll's caller moves it, from (10, 20).
struct scrollcase {
    int mode, lat, lon;
    int di, dj;    // the grid's move in vertices
};
static const scrollcase scroll_cases[] = {
    {2, 10, 19, 59, 0},    // west
    {3, 10, 21, -59, 0},   // east
    {4, 11, 20, 0, -79},   // north
    {5, 9, 20, 0, 79},     // south
};

TEST_F(MadeRegion, EachScrollMovesTheEdgesOneDegreeAndAnchorsOnlyItsNewSquares)
{
    const float c10 = lon_deg_at(10), lat_deg = (float)(60 * nm);
    const struct {
        float west, south, east;
        float anchors[2][3];   // x of [0|59|118][0], then [0|59|118][79]
    } want[] = {
        {-c10, 0, 2 * c10, {{-c10, 0, c10}, {-c10, 0, c10}}},
        {c10, 0, 4 * c10, {{c10, 2 * c10, 3 * c10}, {c10, 2 * c10, 3 * c10}}},
        // North: the old north row moves south; the new one on the scale of 12 N.
        {0, -lat_deg, 3 * lon_deg_at(11), {{0, c10, 2 * c10}, {0, lon_deg_at(12), 2 * lon_deg_at(12)}}},
        {0, lat_deg, 3 * lon_deg_at(9), {{0, lon_deg_at(9), 2 * lon_deg_at(9)}, {0, c10, 2 * c10}}},
    };
    for (int k = 0; k < 4; k++) {
        const scrollcase& c = scroll_cases[k];
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        SetUp();
        load_region(1);
        env.cam_cell_i = env.plane_cell_i = 90;
        env.cam_cell_j = env.plane_cell_j = 80;
        env.reg_lat = c.lat;
        env.reg_lon = c.lon;
        load_region(c.mode);

        EXPECT_NEAR(env.reg_west_x, want[k].west, 0.05);
        EXPECT_NEAR(env.reg_south_z, want[k].south, 0.05);
        EXPECT_NEAR(env.reg_east_x, want[k].east, 0.05);
        EXPECT_NEAR(env.reg_north_z, want[k].south - 2 * lat_deg, 0.05);
        EXPECT_NEAR(env.reg_width, env.reg_east_x - env.reg_west_x, 0.05);
        EXPECT_NEAR(env.reg_depth, 2 * lat_deg, 0.05);
        EXPECT_NEAR(con.mtrtonrt, 494 / env.reg_depth, 1e-9);
        for (int r = 0; r < 2; r++)
            for (int q = 0; q < 3; q++)
                EXPECT_NEAR(planexyz[59 * q][79 * r][0], want[k].anchors[r][q], 0.05) << "anchor " << q << ", " << r;
        // The grid's corners lie on the region's edges.
        EXPECT_NEAR(planexyz[0][0][0], env.reg_west_x, 0.05);
        EXPECT_NEAR(planexyz[0][0][2], env.reg_south_z, 0.05);
        EXPECT_NEAR(planexyz[0][158][2], env.reg_north_z, 0.05);
        EXPECT_EQ(env.cam_cell_i, 90 + c.di);
        EXPECT_EQ(env.plane_cell_i, 90 + c.di);
        EXPECT_EQ(env.cam_cell_j, 80 + c.dj);
        EXPECT_EQ(env.plane_cell_j, 80 + c.dj);
    }
}

TEST_F(MadeRegion, AScrollCarriesAVertexWithAllItsValues)
{
    for (const scrollcase& c : scroll_cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        SetUp();
        load_region(1);
        // A vertex in a square that moves, wherever it goes.
        const int i = c.di < 0 ? 100 : 30, j = c.dj < 0 ? 100 : 40;
        const float p[3] = {1234.5f, 321.25f, -4321.5f};
        memcpy(planexyz[i][j], p, sizeof p);
        // A custom texture: the classifier keeps the cell's texture and corners.
        planetex[i][j] = 2042;
        for (int n = 0; n < 8; n++) (&planest[i][j][0][0][0])[n] = 0.1f * n;
        is_water[i][j] = 1;
        city_on_poly[i][j] = 2;
        tree_on_poly[i][j] = 3;
        offp_on_poly[i][j] = 4;
        oilr_on_poly[i][j] = 5;
        for (int n = 0; n < 42; n++) (&city_xyz[i][j][0][0][0])[n] = 10.0f + n;
        for (int n = 0; n < 24; n++) (&tree_xyz[i][j][0][0][0])[n] = -10.0f - n;
        float city[2][7][3], tree[2][4][3], st[2][2][2];
        memcpy(city, city_xyz[i][j], sizeof city);
        memcpy(tree, tree_xyz[i][j], sizeof tree);
        memcpy(st, planest[i][j], sizeof st);

        env.reg_lat = c.lat;
        env.reg_lon = c.lon;
        load_region(c.mode);
        const int ti = i + c.di, tj = j + c.dj;
        for (int n = 0; n < 3; n++) EXPECT_FLOAT_EQ(planexyz[ti][tj][n], p[n]) << n;
        EXPECT_EQ(planetex[ti][tj], 2042u);
        EXPECT_EQ(memcmp(planest[ti][tj], st, sizeof st), 0);
        EXPECT_EQ(is_water[ti][tj], 1);
        EXPECT_EQ(city_on_poly[ti][tj], 2);
        EXPECT_EQ(tree_on_poly[ti][tj], 3);
        EXPECT_EQ(offp_on_poly[ti][tj], 4);
        EXPECT_EQ(oilr_on_poly[ti][tj], 5);
        EXPECT_EQ(memcmp(city_xyz[ti][tj], city, sizeof city), 0);
        EXPECT_EQ(memcmp(tree_xyz[ti][tj], tree, sizeof tree), 0);
    }
}

TEST_F(MadeRegion, AScrollMovesTheWeatherAndCloudsAndRefillsOnlyItsNewCloudSectors)
{
    // Per mode a point of each field that survives the scroll, and its move:
    // the weather field's rows run north to south, the cloud grid's south to north.
    const struct {
        int wx_i, wx_j, wx_di, wx_dj;
        int cl_i, cl_j, cl_di, cl_dj;
        int new_si, new_sj;   // the refilled sector column or row; -1 any
    } cases[] = {
        {100, 300, 210, 0, 30, 20, 16, 0, 0, -1},     // 2 west
        {400, 100, -210, 0, 50, 40, -16, 0, 4, -1},   // 3 east
        {300, 100, 0, 210, 40, 40, 0, -16, -1, 3},    // 4 north
        {300, 300, 0, -210, 40, 20, 0, 16, -1, 0},    // 5 south
    };
    const float background = 1e6f, cloud_mark = 2e6f, wx_mark = 7;
    for (int k = 0; k < 4; k++) {
        const scrollcase& s = scroll_cases[k];
        const auto& c = cases[k];
        SCOPED_TRACE(testing::Message() << "mode " << s.mode);
        SetUp();
        load_region(1);
        atm.wx_grid[c.wx_i][c.wx_j] = wx_mark;
        for (int i = 0; i < cloud_cols; i++)
            for (int j = 0; j < cloud_rows; j++) cloudxyz[i][j][1] = background;
        cloudxyz[c.cl_i][c.cl_j][1] = cloud_mark;
        for (int n = 0; n < 3; n++) cloudrgb[c.cl_i][c.cl_j][n] = 5;
        env.reg_lat = s.lat;
        env.reg_lon = s.lon;
        load_region(s.mode);

        EXPECT_FLOAT_EQ(atm.wx_grid[c.wx_i + c.wx_di][c.wx_j + c.wx_dj], wx_mark);
        const int ti = c.cl_i + c.cl_di, tj = c.cl_j + c.cl_dj;
        EXPECT_FLOAT_EQ(cloudxyz[ti][tj][1], cloud_mark);
        for (int n = 0; n < 3; n++) EXPECT_FLOAT_EQ(cloudrgb[ti][tj][n], 5) << n;
        // A refilled sector holds no moved value at all; any other keeps its
        // inside (its edge lines may be a refilled neighbour's).
        for (int si = 0; si < 5; si++)
            for (int sj = 0; sj < 4; sj++) {
                const bool refilled = si == c.new_si || sj == c.new_sj;
                int moved = 0, inside = 0;
                for (int i = 16 * si; i <= 16 * si + 16; i++)
                    for (int j = 16 * sj; j <= 16 * sj + 16; j++) {
                        const bool held = cloudxyz[i][j][1] >= background;
                        moved += held;
                        inside += held && i > 16 * si && i < 16 * si + 16 && j > 16 * sj && j < 16 * sj + 16;
                    }
                if (refilled) EXPECT_EQ(moved, 0) << "sector " << si << ", " << sj;
                else EXPECT_EQ(inside, 15 * 15) << "sector " << si << ", " << sj;
            }
    }
}

TEST_F(MadeRegion, VertexNormalsWeighTheRiseTenTimesAndClampAtTheGridsEdges)
{
    // A level grid of 100 m cells laid before the scroll where the moved squares
    // come from; a few vertices raised around the one whose normal is checked.
    // A rise of 20 m over the 200 m between two neighbours tilts it 45 degrees.
    const float h = sqrtf(0.5f), t = 1 / sqrtf(3);
    const struct {
        int scroll;   // index into scroll_cases
        int i, j;
        struct { int i, j; float dy; } raised[2];
        float n[3];
        const char* what;
    } cases[] = {
        {1, 5, 5, {{6, 5, 20}, {6, 5, 0}}, {-h, h, 0}, "a slope in i"},
        {1, 5, 5, {{5, 6, 20}, {5, 6, 0}}, {0, h, h}, "a slope in j"},
        {1, 0, 0, {{1, 0, 10}, {0, 1, 10}}, {-t, t, t}, "the south-west corner"},
        {0, 177, 158, {{176, 158, 10}, {177, 157, 10}}, {t, t, -t}, "the north-east corner"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const scrollcase& s = scroll_cases[c.scroll];
        SetUp();
        load_region(1);
        for (int i = 0; i < region_grid_x; i++)
            for (int j = 0; j < region_grid_z; j++) {
                planexyz[i][j][0] = 100.0f * i;
                planexyz[i][j][1] = 0;
                planexyz[i][j][2] = -100.0f * j;
            }
        for (const auto& r : c.raised) planexyz[r.i - s.di][r.j - s.dj][1] += r.dy;
        env.reg_lat = s.lat;
        env.reg_lon = s.lon;
        load_region(s.mode);
        for (int n = 0; n < 3; n++) EXPECT_NEAR(planenrml[c.i][c.j][n], c.n[n], 1e-5) << n;
    }
}

TEST_F(MadeRegion, AScrollReadsOnlyItsNewSquaresAndMovesTheOthersTextureNames)
{
    // The square each quadrant holds after the scroll, by its mark before; -1 new.
    const int from[4][6] = {
        {-1, 0, 1, -1, 3, 4},
        {1, 2, -1, 4, 5, -1},
        {3, 4, 5, -1, -1, -1},
        {-1, -1, -1, 0, 1, 2},
    };
    const float mark = 5000;
    for (int k = 0; k < 4; k++) {
        const scrollcase& c = scroll_cases[k];
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        SetUp();
        load_region(1);
        // A mark on a middle vertex of each square that no read would write.
        for (int q = 0; q < 6; q++) {
            planexyz[59 * (q % 3) + 30][79 * (q / 3) + 40][1] = mark + q;
            quad_tex[q].lat = 100 + q;
            snprintf(quad_tex[q].name[0], 41, "tex of %d", q);
        }
        env.reg_lat = c.lat;
        env.reg_lon = c.lon;
        load_region(c.mode);
        for (int q = 0; q < 6; q++) {
            const float h = planexyz[59 * (q % 3) + 30][79 * (q / 3) + 40][1];
            if (from[k][q] < 0) {
                EXPECT_TRUE(h < mark || h > mark + 5) << "quadrant " << q << " was not read: " << h;
                EXPECT_NE(quad_tex[q].lat / 100, 1) << "quadrant " << q;
            } else {
                EXPECT_FLOAT_EQ(h, mark + from[k][q]) << "quadrant " << q;
                EXPECT_EQ(quad_tex[q].lat, 100 + from[k][q]) << "quadrant " << q;
                EXPECT_STREQ(quad_tex[q].name[0], ("tex of " + std::to_string(from[k][q])).c_str());
            }
        }
    }
}

TEST_F(MadeRegion, AScrollFreesExactlyTheObjectsLeftOutsideTheRegion)
{
    load_region(1);
    const float c10 = lon_deg_at(10), north = env.reg_north_z;
    // After the scroll west the region spans x -c10 .. 2 c10.
    const struct {
        float x, z;
        int kept;
    } objs[] = {
        {3 * c10 - 10, -50000, 0},   // 10 m inside the old east edge
        {2 * c10 + 1, -50000, 0},
        {2 * c10 - 1, -50000, 1},
        {10, -50000, 1},
        {1, north + 1, 1},           // by the north-west corner
        {1, north - 1, 0},           // beyond the north edge
        {c10, 1, 0},                 // beyond the south edge
    };
    const int first = 17;
    for (int k = 0; k < (int)(sizeof objs / sizeof objs[0]); k++) {
        int s = first + 2 * k;
        obj_type[s] = obj_building;
        obj_xyz[s][0][0][0] = objs[k].x;
        obj_xyz[s][0][0][2] = objs[k].z;
        obj_xyz[s][1][2][1] = 33;
    }
    env.reg_lon = 19;
    load_region(2);
    for (int k = 0; k < (int)(sizeof objs / sizeof objs[0]); k++) {
        int s = first + 2 * k;
        SCOPED_TRACE(testing::Message() << "object at " << objs[k].x << ", " << objs[k].z);
        EXPECT_EQ(obj_type[s], objs[k].kept ? obj_building : 0);
        // Kept or freed, its points stay as they were: the frame does not move.
        EXPECT_FLOAT_EQ(obj_xyz[s][0][0][0], objs[k].x);
        EXPECT_FLOAT_EQ(obj_xyz[s][1][2][1], 33);
    }
}

TEST_F(MadeRegion, AScrollKeepsObjectsExactlyOnTheNewEdges)
{
    // The edges the scroll west makes, learnt from the same scroll once before.
    load_region(1);
    env.reg_lon = 19;
    load_region(2);
    const float west = env.reg_west_x, east = env.reg_east_x, north = env.reg_north_z, south = env.reg_south_z;
    const float mid_x = 0.5f * (west + east), mid_z = 0.5f * (north + south);
    const float inf = INFINITY;
    const struct {
        float x, z;
        int kept;
    } objs[] = {
        {east, mid_z, 1},
        {mid_x, north, 1},
        {east, north, 1},
        {west, south, 1},
        {nextafterf(east, inf), mid_z, 0},
        {mid_x, nextafterf(north, -inf), 0},
        {nextafterf(west, -inf), mid_z, 0},
        {mid_x, nextafterf(south, inf), 0},
    };
    SetUp();
    load_region(1);
    for (int k = 0; k < (int)(sizeof objs / sizeof objs[0]); k++) {
        obj_type[k] = obj_building;
        obj_xyz[k][0][0][0] = objs[k].x;
        obj_xyz[k][0][0][2] = objs[k].z;
    }
    env.reg_lon = 19;
    load_region(2);
    ASSERT_EQ(env.reg_east_x, east);
    ASSERT_EQ(env.reg_north_z, north);
    for (int k = 0; k < (int)(sizeof objs / sizeof objs[0]); k++)
        EXPECT_EQ(obj_type[k], objs[k].kept ? obj_building : 0) << "object at " << objs[k].x << ", " << objs[k].z;
}

TEST_F(MadeRegion, WestThenEastRestoresTheRegion)
{
    load_region(1);
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++) planexyz[i][j][1] = (float)(i * 1000 + j);
    env.cam_cell_i = 100;
    static float before[region_grid_x][region_grid_z][3];
    memcpy(before, planexyz, sizeof before);
    const environmentstruct was = env;
    env.reg_lon = 19;
    load_region(2);
    env.reg_lon = 20;
    load_region(3);

    EXPECT_EQ(env.reg_west_x, was.reg_west_x);
    EXPECT_NEAR(env.reg_east_x, was.reg_east_x, 0.01);
    EXPECT_EQ(env.reg_south_z, was.reg_south_z);
    EXPECT_EQ(env.cam_cell_i, 100);
    // The two western squares' columns come back whole, but for the west
    // edge, which the square read west of it wrote; the eastern square, with
    // the edge it shares, is read again but keeps its anchors.
    int differ = 0;
    for (int i = 1; i < 118; i++)
        for (int j = 0; j < region_grid_z; j++)
            for (int c = 0; c < 3; c++) differ += planexyz[i][j][c] != before[i][j][c];
    EXPECT_EQ(differ, 0);
    for (int j : {0, 79}) EXPECT_EQ(planexyz[118][j][0], before[118][j][0]) << j;
}

// ---- the menu bar ----------------------------------------------------------------

TEST_F(MadeRegion, TheMenuBarIsBuiltWholeOnEveryLoad)
{
    snprintf(mnw.item_name[3150], 40, "stale");
    snprintf(mnw.item_help[1405], 400, "stale help");
    load_region(1);
    EXPECT_STREQ(mnw.item_name[3150], "");
    EXPECT_FLOAT_EQ(mnw.itemx1[3150], -9999);
    EXPECT_STREQ(mnw.item_help[1405], "");

    // The bar's titles left to right.
    const char* titles[] = {"About", "File", "Location", "Settings", "Output", "View", "Special"};
    for (int m = 0; m < 7; m++) {
        EXPECT_STREQ(mnw.menu_name[m], titles[m]);
        EXPECT_EQ(mnw.menu_prnt[m], -1);
        if (m > 0) {
            EXPECT_GT(mnw.menux1[m], mnw.menux2[m - 1]) << titles[m];
        }
    }
    // Location's submenus hang beside their items.
    const int parents[][2] = {{7, 200}, {8, 202}, {9, 203}, {10, 205}, {11, 206},
                              {12, 208}, {13, 209}, {14, 211}, {15, 212}, {16, 213}};
    for (const auto& p : parents) {
        SCOPED_TRACE(p[0]);
        EXPECT_EQ(mnw.menu_prnt[p[0]], 2);
        EXPECT_FLOAT_EQ(mnw.menuy1[p[0]], mnw.itemy1[p[1]]);
        EXPECT_FLOAT_EQ(mnw.menux2[p[0]], mnw.itemx2[p[1]]);
    }
    // Every View label runs to 29 characters, the keys' brackets ending it.
    for (int it = 500; it <= 532; it++) {
        if (strcmp(mnw.item_name[it], "-") == 0) continue;
        EXPECT_EQ(strlen(mnw.item_name[it]), 29u) << it << " '" << mnw.item_name[it] << "'";
        if (it <= 525) {
            EXPECT_EQ(mnw.item_name[it][28], ']') << it;
        }
    }
    EXPECT_STREQ(mnw.item_name[518], "Follow: Arrow Keys Rotate [\\]");
    EXPECT_STREQ(mnw.item_name[item_quit], "Quit");
    EXPECT_STREQ(mnw.item_name[1605], "Forest Fire Approach");
    // Help texts as written, the blank at the end of one included.
    EXPECT_STREQ(mnw.item_help[304],
                 "This sets graphical levels. You can use it to tune performance to your machine. ");
    EXPECT_STREQ(mnw.item_help[211], mnw.item_help[213]);
    EXPECT_STREQ(mnw.item_help[1401] + 40, mnw.item_help[1400] + 41);   // "dirt" for "grass"
    EXPECT_STREQ(mnw.item_help[105], "");
}

TEST_F(MadeRegion, RunwayEndLabelsFollowEachRunwaysNumberLetterAndLength)
{
    const struct {
        int number;
        char letter;
        float len_ft;
        const char* own;
        const char* opposite;   // nullptr: no items
    } rows[] = {
        {6, 'x', 3000, "Rwy 06", "Rwy 24"},
        {36, 'L', 3000, "Rwy 36L", "Rwy 18R"},
        {18, 'R', 3000, "Rwy 18R", "Rwy 36L"},
        {99, 'x', 3000, nullptr, nullptr},   // a pad keeps its k with no items
        {9, 'C', 499, "Pad 09C", "Pad 27C"},
        {27, 'x', 501, "Rwy 27", "Rwy 09"},
        {1, 'x', 3000, "Rwy 01", "Rwy 19"},
    };
    int first = -1;
    for (const auto& row : rows) {
        int r = first < 0 ? add_airport(10.5f, 20.5f) : add_runway();
        if (first < 0) first = r;
        shape_runway(r, row.number, 90, row.len_ft, 100, 1111111);
        rwy_lcr[r] = row.letter;
    }
    snprintf(apt_name[0], 40, "San Bernardino International Airport");
    load_region(1);

    // The name cut to 25 characters wherever the airport is listed.
    for (int item : {700, 800, 900, 408}) EXPECT_STREQ(mnw.item_name[item], "San Bernardino Internatio") << item;
    for (int sub : {20, 120, 220}) {
        SCOPED_TRACE(sub);
        for (int k = 0; k < (int)(sizeof rows / sizeof rows[0]); k++) {
            const char* own = rows[k].own ? rows[k].own : "";
            const char* opposite = rows[k].opposite ? rows[k].opposite : "";
            EXPECT_STREQ(mnw.item_name[sub * 100 + 2 * k], own) << "runway " << k;
            EXPECT_STREQ(mnw.item_name[sub * 100 + 2 * k + 1], opposite) << "runway " << k;
        }
        // Past the pad's empty items the next end follows right under the last one.
        EXPECT_FLOAT_EQ(mnw.itemy2[sub * 100 + 8], mnw.itemy1[sub * 100 + 5]);
        EXPECT_GT(mnw.itemy1[sub * 100 + 8], 40);
    }
}

TEST_F(MadeRegion, RunwayEndSubmenusSpanTheirListEntrysFinalWidth)
{
    // A short name listed first, a long one after: the lists widen after the
    // first entry is made, and its submenu must widen with it.
    const char* names[] = {"Rialto", "San Bernardino International Airport"};
    for (int a = 0; a < 2; a++) {
        int r = add_airport(10.5f + 0.5f * a, 20.5f);
        shape_runway(r, 9, 90, 5000, 100, hard_62);
        snprintf(apt_name[a], 40, "%s", names[a]);
    }
    load_region(1);
    for (int list = 0; list < 3; list++)
        for (int l = 0; l < 2; l++) {
            const int item = (7 + list) * 100 + l, sub = 20 + 100 * list + l;
            SCOPED_TRACE(testing::Message() << "submenu " << sub);
            ASSERT_FLOAT_EQ(mnw.itemx2[item] - mnw.itemx1[item], 6 * 25 + 25);
            EXPECT_FLOAT_EQ(mnw.menux1[sub], mnw.itemx1[item]);
            EXPECT_FLOAT_EQ(mnw.menux2[sub], mnw.itemx2[item]);
            EXPECT_FLOAT_EQ(mnw.menuy1[sub], mnw.itemy1[item]);
            EXPECT_FLOAT_EQ(mnw.menuy2[sub], mnw.itemy2[item]);
        }
    // A click at the far end of the first entry, with its list open, opens its runway ends.
    ASSERT_FLOAT_EQ(mnw.menux2[20], mnw.itemx2[700]);
    mnw.topwin = 0;
    mnw.menu_up = 7;
    mnw.mx = mnw.itemx2[700] - 1;
    mnw.my = 0.5f * (mnw.itemy1[700] + mnw.itemy2[700]);
    MACIBM_handleclick();
    EXPECT_EQ(mnw.menu_up, 20);
}

TEST_F(MadeRegion, AnAirportsRunwaysPastTheFiftiethGetNoItems)
{
    add_airport(10.5f, 20.5f);
    for (int k = 0; k < 52; k++) {
        int r = k == 0 ? apt_lo_ind[0] : add_runway();
        shape_runway(r, k < 50 ? 1 + k % 36 : 35, 90, 3000, 100, 1111111);
    }
    int next = add_airport(11, 21);
    shape_runway(next, 4, 40, 3000, 100, 1111111);
    load_region(1);
    EXPECT_EQ(rwy_geo_ind[apt_hi_ind[0]], 51);   // every runway still has its slot
    EXPECT_STREQ(mnw.item_name[20 * 100 + 98], "Rwy 14");
    EXPECT_STREQ(mnw.item_name[20 * 100 + 99], "Rwy 32");
    // The next airport's submenu holds its own runway, not the 51st's ends.
    EXPECT_STREQ(mnw.item_name[21 * 100 + 0], "Rwy 04");
    EXPECT_STREQ(mnw.item_name[21 * 100 + 1], "Rwy 22");
    EXPECT_STREQ(mnw.item_name[21 * 100 + 2], "");
}

TEST_F(MadeRegion, LocalVorsAndNdbsAreListedInTheirMenus)
{
    const struct {
        int type;
        float lat, lon;
        const char* name;
    } navs[] = {
        {navaid_vor, 11, 21, "Pomona"},     {navaid_ndb, 11, 22, "El Monte"},
        {navaid_vor, 13, 21, "Far Away"},   {navaid_ils, 11, 21, "Localizer"},
        {navaid_vor, 12, 23, "Corner"},
    };
    for (const auto& n : navs) {
        int k = ++nav_wrl_max;
        nav_type[k] = n.type;
        nav_lat[k] = n.lat;
        nav_lon[k] = n.lon;
        snprintf(nav_name[k], 40, "%s", n.name);
    }
    load_region(1);
    EXPECT_EQ(vor_to_index[0], 4);
    EXPECT_EQ(vor_to_index[1], 8);
    EXPECT_EQ(ndb_to_index[0], 5);
    EXPECT_STREQ(mnw.item_name[1000], "Pomona");
    EXPECT_STREQ(mnw.item_name[1001], "Corner");
    EXPECT_STREQ(mnw.item_name[1002], "");
    EXPECT_STREQ(mnw.item_name[1100], "El Monte");
    EXPECT_STREQ(mnw.item_name[1101], "");
    EXPECT_EQ(nav_inreg[7], 1);
    EXPECT_EQ(nav_inreg[6], 0);
}

// ---- fires and ships -------------------------------------------------------------

// Heights and sea laid over the whole loaded grid by hand, then the scroll
// east, which reads the eastern squares anew, from the seeded draws.
static void scroll_east_over(float (*height)(int, int), int water_west_of, unsigned seed)
{
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++) {
            planexyz[i][j][1] = height(i, j);
            is_water[i][j] = i < water_west_of;
        }
    env.reg_lon += 1;
    rnd15_seed(seed);
    load_region(3);
}

static float ridges(int i, int j) { return (float)((i + j) % 2) * 1000; }
static float level(int, int) { return 0; }

TEST_F(MadeRegion, ASteepCellMayStartAFireFromTheSeededDraws)
{
    for (unsigned seed : {7u, 1234u}) {
        SCOPED_TRACE(seed);
        SetUp();
        load_region(1);
        scroll_east_over(ridges, 0, seed);
        ASSERT_EQ(scn.fires_on, 1);
        // The draws again, one per steep cell in order: the last hit burns.
        rnd15_seed(seed);
        int hit_i = -1, hit_j = -1, steep = 0;
        for (int i = 20; i <= 157; i++)
            for (int j = 20; j <= 138; j++)
                if (planetex[i][j] == (unsigned)tex_steep) {
                    steep++;
                    if (fltrand(0, 1) < 0.001f) {
                        hit_i = i;
                        hit_j = j;
                    }
                }
        ASSERT_GT(steep, 5000);
        ASSERT_GE(hit_i, 0);
        for (int k = 0; k < fire_slots; k++) {
            EXPECT_EQ(scn.fire_on[k], 1) << k;
            EXPECT_FLOAT_EQ(scn.fire_xyz[k][0], planexyz[hit_i][hit_j][0]) << k;
            EXPECT_FLOAT_EQ(scn.fire_xyz[k][2], planexyz[hit_i][hit_j][2]) << k;
        }
    }
}

TEST_F(MadeRegion, ABurningFireStaysAndTheHighLatitudesStartNone)
{
    // A fire inside the inner box is kept as it is, whatever the draws.
    load_region(1);
    scn.fire_on[3] = 1;
    scn.fire_xyz[3][0] = planexyz[100][100][0];
    scn.fire_xyz[3][2] = planexyz[100][100][2];
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++) planexyz[i][j][1] = ridges(i, j);
    env.reg_lon = 21;
    load_region(3);
    EXPECT_EQ(scn.fires_on, 1);
    EXPECT_FLOAT_EQ(scn.fire_xyz[3][0], planexyz[41][100][0]);
    for (int k = 0; k < fire_slots; k++) EXPECT_EQ(scn.fire_on[k], k == 3) << k;

    // At 40 degrees and beyond no fire starts, however steep the land.
    for (int lat : {40, -41}) {
        SetUp();
        env.reg_lat = lat;
        load_region(1);
        scroll_east_over(ridges, 0, 7);
        EXPECT_EQ(scn.fires_on, 0) << lat;
        for (int k = 0; k < fire_slots; k++) EXPECT_EQ(scn.fire_on[k], 0) << lat;
    }
}

TEST_F(MadeRegion, ShipsTakeTheFirstPlacesFourCellsOffShoreTwoKilometresApart)
{
    // Sea west of column 100 before the scroll, of column 41 after it: the
    // first places lie in column 37, one cell south to north about 1.4 km.
    const struct {
        const char* what;
        int platform_j;   // a platform there; -1 none
        int frigate_j;    // the frigate already there; -1 outside
        int carrier_j, frigate_to_j;
    } cases[] = {
        {"both placed", -1, -1, 12, 14},
        {"a platform takes the first place", 12, -1, 13, 15},
        {"the frigate stays, the carrier keeps clear", -1, 12, 14, 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        load_region(1);
        for (int i = 0; i < region_grid_x; i++)
            for (int j = 0; j < region_grid_z; j++) is_water[i][j] = i < 100;
        // Marks and ships in the columns they take after the scroll.
        if (c.platform_j >= 0) offp_on_poly[37 + 59][c.platform_j] = 1;
        if (c.frigate_j >= 0) {
            env.ship_x[1] = 0.5f * (planexyz[96][c.frigate_j][0] + planexyz[97][c.frigate_j + 1][0]);
            env.ship_z[1] = 0.5f * (planexyz[96][c.frigate_j][2] + planexyz[97][c.frigate_j + 1][2]);
        }
        env.reg_lon = 21;
        load_region(3);
        ASSERT_EQ(is_water[40][20], 1);
        ASSERT_EQ(is_water[41][20], 0);

        const int want[2] = {c.carrier_j, c.frigate_to_j};
        for (int s = 0; s < 2; s++) {
            int j = want[s];
            EXPECT_NEAR(env.ship_x[s], 0.5f * (planexyz[37][j][0] + planexyz[38][j + 1][0]), 0.5) << "ship " << s;
            EXPECT_NEAR(env.ship_z[s], 0.5f * (planexyz[37][j][2] + planexyz[38][j + 1][2]), 0.5) << "ship " << s;
            EXPECT_EQ(is_water[37][j], 1);
            EXPECT_TRUE(ship_in_region(s));
        }
        EXPECT_GT(fabsf(env.ship_z[0] - env.ship_z[1]), 2000);
    }
}

TEST_F(MadeRegion, ShipsWithNoPlaceOffAShoreStayWhereTheyAre)
{
    load_region(1);
    for (int s = 0; s < 2; s++) env.ship_x[s] = env.ship_z[s] = -5e6f;
    scroll_east_over(level, region_grid_x, 7);   // all sea
    for (int s = 0; s < 2; s++) {
        EXPECT_FLOAT_EQ(env.ship_x[s], -5e6f) << s;
        EXPECT_FLOAT_EQ(env.ship_z[s], -5e6f) << s;
    }
}

// ---- lookup by ID ------------------------------------------------------------

TEST(IndexFromId, FindsByFourCharactersWithinTheTablesInUse)
{
    load_shipped_world();
    // IDs of fewer than four letters are stored with blanks to four.
    int sbd = shipped_airport("KSBD"), l26 = shipped_airport("L26 ");
    int pom = shipped_navaid("POM ", 3), emt = shipped_navaid("EMT ", 2);
    int loc = shipped_navaid("ISBD", 4), gs = shipped_navaid("ISBD", 6);
    ASSERT_TRUE(sbd >= 0 && l26 >= 0 && pom >= 0 && emt >= 0 && loc >= 0 && gs >= 0);
    ASSERT_NE(loc, gs);
    // Stale entries just past the tables' ends must never be found.
    ASSERT_LT(apt_wrl_max + 1, world_apt_max);
    ASSERT_LT(nav_wrl_max + 1, world_nav_max);
    snprintf(apt_id[apt_wrl_max + 1], 5, "ZZZZ");
    snprintf(nav_id[nav_wrl_max + 1], 5, "ZZZ ");
    nav_type[nav_wrl_max + 1] = 3;

    const int untouched = -5;
    const struct {
        const char* id;
        int kind;
        int found;   // untouched when not found
    } cases[] = {
        {"KSBD", 1, sbd},       {"KSBDX", 1, sbd},   // only four characters count
        {"L26 ", 1, l26},        {"KSB", 1, untouched},
        {"POM ", 1, untouched},  // a navaid is no airport
        {"POM ", 3, pom},        {"POM ", 2, untouched},   // a VOR is no NDB
        {"EMT ", 2, emt},        {"ISBD", 4, loc},      {"ISBD", 6, gs},
        {"ZZZZ", 1, untouched}, {"ZZZ ", 3, untouched},
    };
    for (const auto& c : cases) {
        int index = untouched;
        int result = get_index_from_id(c.id, c.kind, &index);
        EXPECT_EQ(result, c.found != untouched) << c.id << " kind " << c.kind;
        EXPECT_EQ(index, c.found) << c.id << " kind " << c.kind;
    }
}
