// The region as placement finds it after a full load: edges and chart scale
// from the region's corner, the grid's squares laid where their vertices
// belong so that an airport's local point lies in its own cell at the
// airport's height, no water, platforms, rigs, objects or ships left from a
// previous region, the local lists marked and capped, and every local runway
// given its geometry slot, 250 at most. Also the lookup of an airport or
// navaid by its ID.
#include <gtest/gtest.h>

#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initnav.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
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

    // The scrolls wait for the region loader: nothing moves.
    environmentstruct before = env;
    for (int mode = 2; mode <= 5; mode++) load_region(mode);
    EXPECT_EQ(memcmp(&before, &env, sizeof env), 0);
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
    float h = find_local_h(x, z, &vx, &vy, &vz, &i, &j, 0);
    EXPECT_NEAR(h, apt_h[sbd], 0.01f);
    EXPECT_GT(h, 300.0f);
    EXPECT_EQ(i, want_i);
    EXPECT_EQ(j, want_j);

    // The grid is level land everywhere: normals up, the heights bounded by 0 and the airport's.
    for (int gi = 0; gi < region_grid_x; gi += 11)
        for (int gj = 0; gj < region_grid_z; gj += 13) {
            EXPECT_FLOAT_EQ(planexyz[gi][gj][1], apt_h[sbd]);
            EXPECT_FLOAT_EQ(planenrml[gi][gj][1], 1);
        }
    EXPECT_FLOAT_EQ(env.elev_min, 0);
    EXPECT_FLOAT_EQ(env.elev_max, apt_h[sbd]);
}

TEST_F(ShippedRegion, NothingOfThePreviousRegionIsLeft)
{
    // What a previous region could have held.
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++) {
            is_water[i][j] = 1;
            offp_on_poly[i][j] = 1;
            oilr_on_poly[i][j] = 1;
            city_on_poly[i][j] = 1;
            tree_on_poly[i][j] = 1;
        }
    for (int s = 0; s < obj_slots; s++) obj_type[s] = 97;
    obj_xyz[3999][50][3][2] = 12;
    env.ship_x[0] = 1000;
    env.ship_z[0] = -1000;
    env.ship_hdg[0] = 45;
    env.ship_x[1] = 2000;
    env.ship_z[1] = -2000;
    env.ship_hdg[1] = 90;
    load_region(1);

    int marked = 0;
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++)
            marked += is_water[i][j] + offp_on_poly[i][j] + oilr_on_poly[i][j] + city_on_poly[i][j] + tree_on_poly[i][j];
    EXPECT_EQ(marked, 0);
    int objects = 0;
    for (int s = 0; s < obj_slots; s++) objects += obj_type[s] != 0;
    EXPECT_EQ(objects, 0);
    EXPECT_FLOAT_EQ(obj_xyz[3999][50][3][2], 0);
    for (int s = 0; s < 2; s++) {
        EXPECT_FLOAT_EQ(env.ship_x[s], -9.9e9f) << s;
        EXPECT_FLOAT_EQ(env.ship_z[s], -9.9e9f) << s;
        EXPECT_FLOAT_EQ(env.ship_hdg[s], 0) << s;
        EXPECT_FALSE(fltbox(env.ship_x[s], env.ship_z[s], env.reg_west_x, env.reg_north_z, env.reg_east_x,
                            env.reg_south_z))
            << s;
    }
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

TEST_F(MadeRegion, ARegionWithoutAirportsReportsEntryZeroAsItWas)
{
    add_airport(40, 40);
    apt_to_index[0] = 77;
    EXPECT_EQ(apt_lcl_max, -1);   // before the first load
    load_region(1);
    EXPECT_EQ(apt_inreg[0], 0);
    EXPECT_EQ(apt_lcl_max, 0);
    EXPECT_EQ(apt_to_index[0], 77);
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

TEST_F(MadeRegion, PastTheLastSlotRunwaysHaveNoneAndTheLoadGoesOn)
{
    ogl_ready = 0;
    err.open("Error.out", std::ios::out | std::ios::trunc);
    // 62 airports of four runways fill slots 0 to 247.
    for (int a = 0; a < 62; a++) {
        int r = add_airport(10.5f, 20.5f);
        shape_runway(r, 9, 90, 3000, 150, hard_62);
        for (int k = 1; k < 4; k++) shape_runway(add_runway(), 9 + 9 * k, 90 + 45 * k, 3000, 150, hard_62);
    }
    // The next one crosses 09 and 18 at their middles; only those two get a slot.
    int r09 = add_airport(11, 21), r18 = add_runway(), r27 = add_runway(), r36 = add_runway();
    shape_runway(r09, 9, 90, 3000, 150, hard_62);
    shape_runway(r18, 18, 180, 3000, 150, hard_62);
    shape_runway(r27, 27, 270, 3000, 150, hard_62);
    shape_runway(r36, 36, 360, 3000, 150, hard_62);
    int after = add_airport(11.5f, 21.5f);
    shape_runway(after, 9, 90, 3000, 150, hard_62);
    planenrml[0][0][1] = 0;
    load_region(1);
    err.close();

    EXPECT_EQ(rwy_geo, geo_slots - 1);
    EXPECT_EQ(rwy_geo_ind[r09], 248);
    EXPECT_EQ(rwy_geo_ind[r18], 249);
    for (int r : {r27, r36, after}) EXPECT_EQ(rwy_geo_ind[r], -1) << r;
    // Told once, as a notice: the rest of the load, the ground laid after the slots, goes on.
    EXPECT_EQ(error_out(), "Too many runways in the region!\n\n\n\n");
    EXPECT_FLOAT_EQ(planenrml[0][0][1], 1);

    // The crossing pass ran over the two that have slots: each one's middle
    // centreline light lies on the other's runway.
    const int middle = geo_centre_row + geo_rmax1[248] / 2;
    ASSERT_EQ(geo_rmax1[248], 20);
    for (int s : {248, 249}) {
        EXPECT_FLOAT_EQ(geo_litexyz[s][middle][1], geo_removed_y) << s;
        EXPECT_FLOAT_EQ(geo_litexyz[s][geo_left_row][1], apt_h[62] + 0.5f) << s;
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
