// The scenery square reader: where a square's file is looked for and when it
// is sea; one square read into quadrant 4 (33 N 119 W region, the square at
// 34 N 118 W) with its vertices, cells, custom textures, objects, flattened
// runway ground, airport buildings, navaid huts, city and tree points and
// platforms; a missing square over what a scroll left; texture bases unique
// in any region; damaged files. Every fixture is written here from a table.
#include <gtest/gtest.h>

#include "Funct.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initnav.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

std::string le4(uint32_t v)
{
    std::string s(4, 0);
    for (int k = 0; k < 4; k++) s[k] = (char)(v >> (8 * k));
    return s;
}
std::string i4(int v) { return le4((uint32_t)v); }
std::string f4(float f)
{
    uint32_t v;
    memcpy(&v, &f, 4);
    return le4(v);
}
std::string name40(const std::string& n)
{
    std::string s = n.substr(0, 40);
    s.resize(40, '\0');
    return s;
}

const int land_code = -40054;     // flat land, plain mapping
const int water_code = -140050;
int custom_code(int k) { return -(42000 + k); }

// One object record of types 1 to 6.
std::string object(int type, float lat, float lon, float height_ft)
{
    return i4(type) + f4(lat) + f4(lon) + f4(height_ft) + i4(0) + i4(0);
}
std::string custom_object(float lat, float lon, float heading, const std::string& name)
{
    return i4(8) + f4(lat) + f4(lon) + f4(heading) + name40(name);
}

// A square file from a table: each vertex's elevation and code, the object
// records (the end record is added), the texture names.
struct square {
    int lat = 34, lon = -118;
    char mark = 'i';
    int version = 4;
    std::function<float(int r, int c)> elevation = [](int, int) { return 300.0f; };
    std::function<int(int r, int c)> code = [](int, int) { return land_code; };
    std::string objects;
    std::vector<std::string> names = std::vector<std::string>(100, "Untitled");

    std::string bytes(void) const
    {
        std::string b(1, mark);
        b += i4(version);
        for (int r = 0; r < 80; r++)
            for (int c = 0; c < 60; c++)
                b += f4(lat + r / 79.0f) + f4(lon + c / 59.0f) + f4(elevation(r, c)) + i4(code(r, c));
        b += objects + i4(99);
        for (const std::string& n : names) b += name40(n);
        return b;
    }
};

const int q4_i0 = 59, q4_j0 = 79;   // quadrant 4's south-west vertex

// The region at 33 N 119 W laid out as a full load leaves it before the
// squares are read; the tables empty.
class SquareReader : public ::testing::Test {
protected:
    std::string root;
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        ogl_ready = 0;
        initing = 0;
        root = test_scratch_folder();
        std::filesystem::remove_all(root + "additional nav data");
        std::filesystem::remove_all(root + "DATA");
        std::filesystem::create_directories(root + "custom objects");
        snprintf(app_path, path_max, "%s", root.c_str());
        snprintf(cd_path, path_max, "%s", root.c_str());
        snprintf(obj_path, path_max, "%scustom objects/", root.c_str());
        snprintf(cus_path, path_max, "%scustom terrain textures/", root.c_str());
        env.reg_lat = 33;
        env.reg_lon = -119;
        env.reg_west_x = 0;
        env.reg_south_z = 0;
        float step = cosf(33 * con.degtorad) * 60 * con.nmtomtrs;
        env.reg_east_x = 3 * step;
        env.reg_north_z = -120 * con.nmtomtrs;
        for (int c = 0; c < 3; c++)
            for (int r = 0; r < 2; r++) planexyz[59 * c][79 * r][0] = c * step;
        apt_wrl_max = -1;
        rwy_wrl_max = -1;
        nav_wrl_max = 3;
        apt_lcl_max = -1;
        rnd15_seed(26);
    }
    void TearDown() override
    {
        apt_wrl_max = -1;
        rwy_wrl_max = -1;
        nav_wrl_max = 3;
        memset(nav_inreg, 0, sizeof nav_inreg);
    }

    std::string place(const char* folder, const square& s)
    {
        char name[32];
        return_latlon_str_ENV(s.lat, s.lon, name);
        std::string path = root + folder + "/" + name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        write_file(path, s.bytes());
        return path;
    }
    std::string place(const square& s) { return place("additional nav data", s); }
    void read4(void) { read_quadrant(34, -118, 4); }

    // An airport at (lat, lon) of one runway, heading 90 by default, listed in the
    // region with its runway in geometry slot 0 as the loader leaves it.
    int add_airport(float lat, float lon, float h, int bld, int twr, float hdng = 90, float len = 3000, float width = 45)
    {
        int a = ++apt_wrl_max;
        apt_h[a] = h;
        apt_bld[a] = bld;
        apt_twr[a] = twr;
        apt_lo_ind[a] = rwy_wrl_max + 1;
        apt_inreg[a] = 1;
        apt_to_index[++apt_lcl_max] = a;
        add_runway(a, lat, lon, hdng, len, width);
        return a;
    }
    // The airport's next runway, centred at (lat, lon), with the next geometry slot.
    int add_runway(int a, float lat, float lon, float hdng, float len, float width)
    {
        int r = apt_hi_ind[a] = ++rwy_wrl_max;
        rwy_num[r] = intround(hdng / 10);
        rwy_lcr[r] = 'x';
        rwy_lat[r] = lat;
        rwy_lon[r] = lon;
        rwy_hdng[r] = hdng;
        rwy_len[r] = len;
        rwy_width[r] = width;
        rwy_code[r] = 1235316;
        int slot = rwy_geo_ind[r] = ++rwy_geo;
        code_to_lgts(&geo_type[slot], geo_litgls[slot], geo_litrwy[slot], geo_litapp[slot], rwy_code[r]);
        geo_tway[slot] = 0;
        setuprunway(a, r, slot);
        return r;
    }
    int add_navaid(int n, int type, float lat, float lon)
    {
        nav_wrl_max = std::max(nav_wrl_max, n);
        nav_type[n] = type;
        nav_lat[n] = lat;
        nav_lon[n] = lon;
        nav_hdng[n] = 123;
        nav_inreg[n] = 1;
        return n;
    }
};

// The object kinds in the ring, in the order built.
std::vector<int> ring(void)
{
    std::vector<int> kinds;
    for (int s = 0; s <= obr.cursor; s++) kinds.push_back(obj_type[s]);
    return kinds;
}

int count_kind(int kind)
{
    int n = 0;
    for (int s = 0; s <= obr.cursor; s++) n += obj_type[s] == kind;
    return n;
}

}  // namespace

// ---- finding the file ---------------------------------------------------------------

TEST_F(SquareReader, TheFileIsLookedForInNavDataThenInDataAsVersion3Or4AndIsSeaAboveAHundredThousandFeet)
{
    struct where {
        const char* what;
        int in_nav_data;     // version written there, 0 none
        int in_data;
        float altitude_ft;
        float height;        // -1: sea
    };
    // The elevation tells where it came from: 100 m nav data, 200 m DATA.
    const where cases[] = {
        {"only in DATA, version 4", 0, 4, 0, 200},
        {"only in DATA, version 3", 0, 3, 0, 200},
        {"in nav data as version 3", 3, 0, 0, 100},
        {"nav data first", 4, 4, 0, 100},
        {"a wrong version in nav data: DATA's", 5, 3, 0, 200},
        {"a wrong version only", 5, 0, 0, -1},
        {"nowhere", 0, 0, 0, -1},
        {"just below 100,000 ft", 4, 0, 99990, 100},
        {"at 100,000 ft", 4, 0, 100000, -1},
    };
    for (const where& w : cases) {
        SCOPED_TRACE(w.what);
        std::filesystem::remove_all(root + "additional nav data");
        std::filesystem::remove_all(root + "DATA");
        square s;
        if (w.in_nav_data) {
            s.version = w.in_nav_data;
            s.elevation = [](int, int) { return 100.0f; };
            std::string path = place(s);
            EXPECT_NE(path.find("additional nav data/+030-120/+034-118.env"), std::string::npos);
        }
        if (w.in_data) {
            s.version = w.in_data;
            s.elevation = [](int, int) { return 200.0f; };
            place("DATA", s);
        }
        flt.pos_y[0] = w.altitude_ft * con.fttomtrs;
        read4();
        if (w.height < 0) {
            EXPECT_FLOAT_EQ(planexyz[q4_i0 + 10][q4_j0 + 10][1], 0);
            EXPECT_EQ(is_water[q4_i0 + 10][q4_j0 + 10], 1);
        } else {
            EXPECT_FLOAT_EQ(planexyz[q4_i0 + 10][q4_j0 + 10][1], w.height);
            EXPECT_EQ(is_water[q4_i0 + 10][q4_j0 + 10], 0);
        }
        EXPECT_FALSE(inf1.is_open());
    }
}

// ---- vertices and cells ---------------------------------------------------------------

TEST_F(SquareReader, VerticesLandWhereTheirLatLonSayButAnchorsAndTheNeighboursCellsAreLeftAlone)
{
    square s;
    // The last row and column describe no cell of this square: water there would show.
    s.code = [](int r, int c) {
        if (r == 79 || c == 59) return water_code;
        if (r == 5 && c == 5) return custom_code(3);
        if (r == 5 && c == 6) return custom_code(150);
        return land_code;
    };
    s.elevation = [](int r, int c) { return 300.0f + r + 0.5f * c; };
    place(s);
    // Quadrant 5's anchor is quadrant 4's south-east vertex.
    planexyz[118][79][0] = -888;
    planexyz[59][79][0] = -777;
    for (int j = 79; j < region_grid_z; j++) {
        is_water[118][j] = 7;
        planetex[118][j] = 777;
        tree_on_poly[118][j] = 7;
    }
    for (int i = 59; i < region_grid_x; i++) is_water[i][158] = 7;
    read4();

    EXPECT_FLOAT_EQ(planexyz[118][79][0], -888);
    EXPECT_FLOAT_EQ(planexyz[59][79][0], -777);
    // Other vertices from their own latitude and longitude.
    float lat = 34 + 20 / 79.0f, lon = -118 + 30 / 59.0f;
    EXPECT_FLOAT_EQ(planexyz[59 + 30][79 + 20][0], X_with_latlon(lat, lon));
    EXPECT_FLOAT_EQ(planexyz[59 + 30][79 + 20][1], 300 + 20 + 15);
    EXPECT_FLOAT_EQ(planexyz[59 + 30][79 + 20][2], Z_with_lat(lat));
    EXPECT_FLOAT_EQ(planexyz[118][158][1], 300 + 79 + 29.5f);
    for (int j = 79; j < region_grid_z; j++) {
        EXPECT_EQ(is_water[118][j], 7) << j;
        EXPECT_EQ(planetex[118][j], 777u) << j;
        EXPECT_EQ(tree_on_poly[118][j], 7) << j;
    }
    for (int i = 59; i < region_grid_x; i++) EXPECT_EQ(is_water[i][158], 7) << i;
    EXPECT_EQ(is_water[117][157], 0);

    // Slot 3 of the square at 34 N 118 W: base 40,000 x (34 mod 2) + 10,000 x (-118 floor-mod 3).
    EXPECT_EQ(planetex[59 + 5][79 + 5], 2000u + 20000u + 3u);
    EXPECT_EQ(planetex[59 + 6][79 + 5], 0u) << "a slot past the square's 100 is plain terrain";
    EXPECT_EQ(quad_tex[4].base, 20000);
    EXPECT_EQ(quad_tex[4].lat, 34);
    EXPECT_EQ(quad_tex[4].lon, -118);

    // Trees in bands three cells wide every nine, crossing; only on land.
    for (int c : {0, 2, 3, 8, 9, 11, 12})
        for (int r : {3, 5, 9})
            EXPECT_EQ(tree_on_poly[59 + c][79 + r], (c / 3) % 3 == 0 || (r / 3) % 3 == 0) << c << ", " << r;
}

TEST_F(SquareReader, TextureNamesKeepOnlyUsedSlots)
{
    square s;
    s.names[0] = "";
    s.names[1] = "Unt";
    s.names[2] = "Untitled";
    s.names[3] = "a/b";
    s.names[4] = "Untitledx";
    s.names[5] = std::string(40, 'n');   // a field with no terminator
    s.names[6] = "U";
    s.names[7] = "dry_lake";
    place(s);
    quad_tex[4].name[0][0] = 'x';
    // Headless the texture calls do nothing; the names are what the reload reads.
    read4();
    const char* want[8] = {"", "", "", "", "Untitledx", nullptr, "", "dry_lake"};
    for (int k = 0; k < 8; k++) {
        if (want[k]) {
            EXPECT_STREQ(quad_tex[4].name[k], want[k]) << k;
        }
    }
    EXPECT_EQ(std::string(quad_tex[4].name[5]), std::string(40, 'n'));
    for (int k = 8; k < 100; k++) EXPECT_STREQ(quad_tex[4].name[k], "") << k;
}

TEST_F(SquareReader, TextureBasesDifferInEveryRegionAcrossTheZeroLines)
{
    for (int reg_lat : {-1, 0, 33})
        for (int reg_lon : {-2, -1, 0, 1, -119}) {
            env.reg_lat = reg_lat;
            env.reg_lon = reg_lon;
            for (int q = 0; q < 6; q++) read_quadrant(reg_lat + q / 3, reg_lon + q % 3, q);
            for (int a = 0; a < 6; a++)
                for (int b = a + 1; b < 6; b++)
                    EXPECT_NE(quad_tex[a].base, quad_tex[b].base) << reg_lat << ", " << reg_lon << ": " << a << ", " << b;
        }
}

TEST_F(SquareReader, AMissingSquareLeavesNothingOfWhatAScrollMovedThere)
{
    for (int i = q4_i0; i < q4_i0 + 59; i++)
        for (int j = q4_j0; j < q4_j0 + 79; j++) {
            planexyz[i][j][1] = 500;
            planetex[i][j] = 22003;
            is_water[i][j] = 0;
            tree_on_poly[i][j] = 1;
            city_on_poly[i][j] = 1;
            offp_on_poly[i][j] = 1;
            for (int k = 0; k < 8; k++) (&planest[i][j][0][0][0])[k] = 0.25f;
        }
    snprintf(quad_tex[4].name[7], 41, "dry_lake");
    read4();
    for (int i = q4_i0; i < q4_i0 + 59; i++)
        for (int j = q4_j0; j < q4_j0 + 79; j++) {
            ASSERT_FLOAT_EQ(planexyz[i][j][1], 0);
            ASSERT_EQ(is_water[i][j], 1);
            ASSERT_EQ(planetex[i][j], 0u);
            ASSERT_EQ(tree_on_poly[i][j] + city_on_poly[i][j] + offp_on_poly[i][j], 0);
            const float plain[2][2][2] = {{{0, 0}, {0, 1}}, {{1, 0}, {1, 1}}};
            ASSERT_EQ(memcmp(planest[i][j], plain, sizeof plain), 0);
        }
    EXPECT_FLOAT_EQ(planexyz[59 + 30][79 + 40][2], Z_with_lat(34 + 40 / 79.0f));
    EXPECT_STREQ(quad_tex[4].name[7], "");
    EXPECT_EQ(obr.cursor, -1);
}

// ---- objects ---------------------------------------------------------------------------

TEST_F(SquareReader, ObjectRecordsBuildTheirKindsAndMarkCityAroundLandCells)
{
    write_file(root + "custom objects/post.OBJ", "I\n2 1 2 3\n0 0 0\n0 5 0\n99\n");
    square s;
    // Land in the west half, water in the east.
    s.code = [](int, int c) { return c < 30 ? land_code : water_code; };
    auto at = [](int r, int c, float lat_off = 0.5f) { return std::pair<float, float>(34 + (r + lat_off) / 79.0f, -118 + (c + 0.5f) / 59.0f); };
    auto rec = [&](int type, int r, int c, float ft) { return object(type, at(r, c).first, at(r, c).second, ft); };
    square plain = s;
    s.objects = rec(1, 10, 10, 50) + rec(2, 20, 10, 357.6f) + rec(2, 30, 10, 360.9f) + rec(3, 40, 10, 100) +
                rec(4, 50, 10, 100) + i4(7) + rec(5, 60, 10, 100) + rec(6, 10, 20, 100) +
                custom_object(at(20, 20).first, at(20, 20).second, 45, "post") +
                custom_object(at(30, 20).first, at(30, 20).second, 45, "none") +
                rec(3, 40, 45, 100) +                      // on water
                rec(3, 0, 0, 100) + object(3, 35.5f, -117.5f, 100) +   // the corner cell; off the square
                rec(3, 78, 29, 100);                       // the top row
    // The city cells the vertex codes draw, then those the objects add.
    place(plain);
    read4();
    static int drawn[region_grid_x][region_grid_z];
    memcpy(drawn, city_on_poly, sizeof drawn);
    memset(city_on_poly, 0, sizeof city_on_poly);
    memset(obj_type, 0, sizeof obj_type);
    obr.cursor = -1;
    place(s);
    rnd15_seed(26);
    read4();

    std::vector<int> kinds = ring();
    ASSERT_EQ(kinds.size(), 12u);
    EXPECT_EQ(kinds[0], obj_building) << "108.99 m";
    EXPECT_GE(kinds[1], obj_tall_first) << "110.00 m";
    EXPECT_LE(kinds[1], obj_tall_last);
    EXPECT_EQ((std::vector<int>(kinds.begin() + 2, kinds.end())),
              (std::vector<int>{obj_mast, obj_pylon, obj_headed_tower, obj_chimney, obj_list_base + 1, 0, obj_mast,
                                obj_mast, obj_mast, obj_mast}));
    EXPECT_NEAR(obj_xyz[3][0][0][0], X_with_latlon(at(50, 10).first, at(50, 10).second), 30.0f);

    // 3 x 3 about each land record's cell (type 1 and the empty custom slot
    // included), cut to the quadrant's own cells: the neighbours' cells get no
    // city points from this read. Nothing for water or off the square.
    std::vector<std::pair<int, int>> centres = {{10, 10}, {20, 10}, {30, 10}, {40, 10}, {50, 10}, {60, 10},
                                                {10, 20}, {20, 20}, {30, 20}, {0, 0},   {78, 29}};
    for (int i = q4_i0 - 1; i <= q4_i0 + 59; i++)
        for (int j = q4_j0 - 1; j <= q4_j0 + 79; j++) {
            int want = drawn[i][j];
            int ours = i >= q4_i0 && i < q4_i0 + 59 && j >= q4_j0 && j < q4_j0 + 79;
            for (auto& cr : centres)
                if (ours && abs(i - (q4_i0 + cr.second)) <= 1 && abs(j - (q4_j0 + cr.first)) <= 1) want = 1;
            ASSERT_EQ(city_on_poly[i][j], want) << i << ", " << j;
        }
}

TEST_F(SquareReader, ABuildingOfExactly110MetresGetsAHighRiseShapeAndOneJustBelowDoesNot)
{
    const float at_110 = 360.892395f, below = nextafterf(at_110, 0);
    ASSERT_EQ(con.fttomtrs, 0.3048f);
    ASSERT_EQ(at_110 * con.fttomtrs, 110.0f);
    ASSERT_LT(below * con.fttomtrs, 110.0f);
    square s;
    s.objects = object(2, 34.5f, -117.5f, below) + object(2, 34.6f, -117.5f, at_110);
    place(s);
    read4();
    std::vector<int> kinds = ring();
    ASSERT_EQ(kinds.size(), 2u);
    EXPECT_EQ(kinds[0], obj_building);
    EXPECT_GE(kinds[1], obj_tall_first);
    EXPECT_LE(kinds[1], obj_tall_last);
}

// ---- ground under runways, buildings, huts -------------------------------------------------

TEST_F(SquareReader, GroundUnderARunwayIsLaidJustBelowTheAirportAndLosesItsTrees)
{
    square s;
    s.elevation = [](int r, int c) { return 300.0f + r + c; };
    place(s);
    // Runway centre in cell (c 10, r 23): a tree band column (10 / 3 = 3).
    float lat = 34 + 23.5f / 79, lon = -118 + 10.5f / 59;
    int a = add_airport(lat, lon, 350, 0, 0);
    // Another airport's runway without a slot flattens nothing.
    int b = add_airport(34 + 60.5f / 79, -118 + 40.5f / 59, 999, 0, 0);
    rwy_geo_ind[apt_lo_ind[b]] = -1;
    read4();

    int ci = q4_i0 + 10, cj = q4_j0 + 23;
    for (int di = 0; di <= 1; di++)
        for (int dj = 0; dj <= 1; dj++) EXPECT_FLOAT_EQ(planexyz[ci + di][cj + dj][1], apt_h[a] - 0.2f);
    EXPECT_EQ(tree_on_poly[ci][cj], 0);
    // The runway, 45 m wide, lies in one row of cells: the rows beside it keep their ground and trees.
    EXPECT_FLOAT_EQ(planexyz[ci][cj + 2][1], 300 + 25 + 10);
    EXPECT_EQ(tree_on_poly[ci][cj + 2], 1);
    EXPECT_FLOAT_EQ(planexyz[q4_i0 + 40][q4_j0 + 60][1], 300 + 100);
    // Every vertex is either the fixture's or the airport's.
    for (int i = q4_i0; i <= q4_i0 + 59; i++)
        for (int j = q4_j0; j <= q4_j0 + 79; j++) {
            float y = planexyz[i][j][1];
            ASSERT_TRUE(y == 349.8f || y == 300.0f + (j - q4_j0) + (i - q4_i0)) << i << ", " << j << ": " << y;
        }
}

TEST_F(SquareReader, RunwaysWithinATenthOfADegreeFlattenTheQuadrantAndTheRingAroundItButBuildOnlyInTheirSquare)
{
    const float mid = 34 + 40.5f / 79;
    // The seam at 118 W without a step along the runways' row: the ring cell west
    // of it is as wide as the others.
    planexyz[q4_i0][q4_j0][0] = X_with_latlon(mid, -118.0f);
    // The neighbours west and south as a missing square leaves them: sea at 0 m.
    read_quadrant(34, -119, 3);
    read_quadrant(33, -118, 1);
    place(square());
    struct where {
        const char* what;
        float lat, lon, hdng, len;
        std::vector<std::pair<int, int>> flat, kept;   // vertices (i, j) from quadrant 4's south-west vertex
        int hangars;
    };
    const where cases[] = {
        {"at the west edge", mid, -118 + 0.5f / 59, 90, 3000, {{-1, 40}, {0, 40}, {1, 40}}, {{-2, 40}, {3, 40}}, 4},
        {"at the south edge", 34 + 0.5f / 79, -118 + 20.5f / 59, 360, 3000, {{20, -1}, {20, 0}, {21, 1}}, {{20, 3}}, 4},
        {"in the square west, reaching this one", mid, -118.01f, 90, 3000, {{-1, 40}, {0, 40}, {1, 40}}, {{2, 40}}, 0},
        {"a long one 0.09 degrees west", mid, -118.09f, 90, 25000, {{0, 40}, {1, 40}}, {{0, 42}}, 0},
        {"the same 0.11 degrees west", mid, -118.11f, 90, 25000, {}, {{-1, 40}, {0, 40}, {1, 40}}, 0},
    };
    for (const where& w : cases) {
        SCOPED_TRACE(w.what);
        memset(obj_type, 0, sizeof obj_type);
        obr.cursor = -1;
        apt_wrl_max = rwy_wrl_max = apt_lcl_max = rwy_geo = -1;
        for (int j = q4_j0 - 1; j <= q4_j0 + 79; j++) planexyz[q4_i0 - 1][j][1] = 0;
        for (int i = q4_i0 - 1; i <= q4_i0 + 59; i++) planexyz[i][q4_j0 - 1][1] = 0;
        add_airport(w.lat, w.lon, 350, 1, 1, w.hdng, w.len);
        read4();
        for (auto& v : w.flat) EXPECT_FLOAT_EQ(planexyz[q4_i0 + v.first][q4_j0 + v.second][1], 349.8f) << v.first << ", " << v.second;
        for (auto& v : w.kept) EXPECT_NE(planexyz[q4_i0 + v.first][q4_j0 + v.second][1], 349.8f) << v.first << ", " << v.second;
        if (w.flat.empty()) {
            for (int i = q4_i0 - 1; i <= q4_i0 + 59; i++)
                for (int j = q4_j0 - 1; j <= q4_j0 + 79; j++) ASSERT_NE(planexyz[i][j][1], 349.8f) << i << ", " << j;
        }
        EXPECT_EQ(count_kind(obj_hangar), w.hangars);
        EXPECT_EQ(count_kind(obj_tower), w.hangars ? 1 : 0);
    }
}

TEST_F(SquareReader, HangarsStandEvery45MetresBesideTheFirstRunwayAndStepPastACrossingStrip)
{
    place(square());
    struct row {
        const char* what;
        float width, len;
        int crossing;        // the first of two steps a north-south runway's strip covers; 0 none
        int hangar[4], tower;   // steps of 45 m from the start point
    };
    const row rows[] = {
        {"side offset 4.2 x width", 45, 3000, 0, {1, 2, 3, 4}, 6},
        {"side offset at least 80 m", 15, 2000, 0, {1, 2, 3, 4}, 6},
        {"a crossing strip over the second and third", 45, 3000, 2, {1, 4, 5, 6}, 8},
        {"a crossing strip where the tower would be", 45, 3000, 6, {1, 2, 3, 4}, 8},
    };
    const float lat = 34.3f, lon = -117.8f;
    for (const row& w : rows) {
        SCOPED_TRACE(w.what);
        memset(obj_type, 0, sizeof obj_type);
        obr.cursor = -1;
        apt_wrl_max = rwy_wrl_max = apt_lcl_max = rwy_geo = -1;
        int a = add_airport(lat, lon, 300, 1, 1, 90, w.len, w.width);
        // Heading 90: along the heading is east (+x), the side is south (+z); the
        // start lies f back toward the runway's own end.
        float d = std::max(4.2f * w.width, 80.0f), f = 0.35f * w.len;
        float x0 = X_with_latlon(lat, lon) - f, z0 = Z_with_lat(lat) + d;
        auto at = [&](int step) { return x0 + 45.0f * step; };
        if (w.crossing) {
            // Its strip runs from half a width west of its centre line to 2.5 widths
            // east, 15 m of margin beyond: 5 m east of the step covers it and the next.
            int r = add_runway(a, lat, Lon_with_xlat(at(w.crossing) + 5, lat), 360, 1000, 20);
            int slot = rwy_geo_ind[r];
            for (int n = 0; n <= 9; n++)
                ASSERT_EQ(in_runway(a, slot, at(n), z0), (int)(n == w.crossing || n == w.crossing + 1)) << "fixture, step " << n;
        }
        read4();
        ASSERT_EQ(obr.cursor, 4);
        static float got[5][obj_elements][4][3];
        memcpy(got, obj_xyz, sizeof got);
        std::vector<int> kinds = ring();
        EXPECT_EQ(kinds, (std::vector<int>{obj_hangar, obj_hangar, obj_hangar, obj_hangar, obj_tower}));
        // Each as build_obs makes it at its step.
        obr.cursor = -1;
        for (int k = 0; k < 5; k++) {
            build_obs(at(k < 4 ? w.hangar[k] : w.tower), z0, 0, "", kinds[k]);
            for (int e = 0; e < obj_elements; e++)
                for (int p = 0; p < 4; p++) {
                    ASSERT_NEAR(got[k][e][p][0], obj_xyz[k][e][p][0], 0.05f) << k;
                    ASSERT_NEAR(got[k][e][p][2], obj_xyz[k][e][p][2], 0.05f) << k;
                }
        }
    }
}

TEST_F(SquareReader, HangarsAndTowerStandOffTheRunwayByTheAirportsFlagsForListedAirportsOnly)
{
    place(square());
    struct flags {
        int bld, twr, listed, hangars, towers;
    };
    const flags cases[] = {
        {0, 0, 1, 0, 0}, {0, 1, 1, 0, 0}, {1, 0, 1, 4, 0}, {1, 1, 1, 4, 1}, {1, 1, 0, 0, 0},
    };
    for (const flags& f : cases) {
        SCOPED_TRACE(testing::Message() << "bld " << f.bld << " twr " << f.twr << " listed " << f.listed);
        memset(obj_type, 0, sizeof obj_type);
        obr.cursor = -1;
        apt_wrl_max = rwy_wrl_max = apt_lcl_max = rwy_geo = -1;
        int a = add_airport(34.3f, -117.8f, 300, f.bld, f.twr);
        // Marked in the region but past the 92 listed: no slot either.
        if (!f.listed) {
            apt_lcl_max = -1;
            rwy_geo_ind[apt_lo_ind[a]] = -1;
        }
        read4();
        EXPECT_EQ(count_kind(obj_hangar), f.hangars);
        EXPECT_EQ(count_kind(obj_tower), f.towers);
        for (int k = 0; k <= obr.cursor; k++) {
            if (obj_type[k] != obj_hangar && obj_type[k] != obj_tower) continue;
            // Buildings stand on the runway's right at least 80 m out, off the strip.
            EXPECT_FALSE(in_runway(a, -1, obj_xyz[k][0][0][0], obj_xyz[k][0][0][2])) << k;
        }
    }
}

TEST_F(SquareReader, NavaidHutsByTypeExceptTheShipsNavaidsAndThoseOfOtherSquares)
{
    place(square());
    for (int n = 0; n < 4; n++) add_navaid(n, navaid_vor, 34.5f, -117.5f);
    const int types[] = {navaid_ndb, navaid_vor, navaid_ils, navaid_localizer, navaid_glide_slope,
                         navaid_outer_marker, navaid_middle_marker, navaid_inner_marker, 1};
    int n = 4;
    for (int t : types) {
        add_navaid(n, t, 34.2f + 0.05f * n, -117.6f);
        n++;
    }
    add_navaid(n++, navaid_vor, 33.5f, -117.5f);   // the square south
    add_navaid(n, navaid_vor, 34.5f, -117.5f);
    nav_inreg[n] = 0;                                // outside the region's marks
    read4();
    // Each hut as build_obs makes that kind at the navaid, the localizers facing their course.
    const int kinds[] = {obj_ndb_hut, obj_vor, obj_localizer, obj_localizer, obj_glide_slope,
                         obj_marker, obj_marker, obj_marker};
    ASSERT_EQ(obr.cursor, 7);
    static int poltyp[8][obj_elements], texrgb[8][obj_elements];
    static float xyz[8][obj_elements][4][3];
    memcpy(poltyp, obj_poltyp, sizeof poltyp);
    memcpy(texrgb, obj_texrgb, sizeof texrgb);
    memcpy(xyz, obj_xyz, sizeof xyz);
    std::vector<int> read_types = ring();
    obr.cursor = -1;
    for (int k = 0; k < 8; k++) {
        int nv = 4 + k;
        build_obs(X_with_latlon(nav_lat[nv], nav_lon[nv]), Z_with_lat(nav_lat[nv]),
                  kinds[k] == obj_localizer ? 123.0f : 0.0f, "", kinds[k]);
        EXPECT_EQ(read_types[k], obj_type[k]) << k;
        EXPECT_EQ(memcmp(poltyp[k], obj_poltyp[k], sizeof poltyp[k]), 0) << k;
        EXPECT_EQ(memcmp(texrgb[k], obj_texrgb[k], sizeof texrgb[k]), 0) << k;
        EXPECT_EQ(memcmp(xyz[k], obj_xyz[k], sizeof xyz[k]), 0) << k;
    }
}

// ---- points and platforms ---------------------------------------------------------------------

TEST_F(SquareReader, CityPointsFloat10To20MetresAboveTheirTriangleAndTreePointsStandOnIt)
{
    square s;
    s.elevation = [](int r, int c) { return 300.0f + 7 * r + 3 * (c % 5); };
    place(s);
    read4();
    int cities = 0, trees = 0;
    for (int i = q4_i0; i < q4_i0 + 59; i++)
        for (int j = q4_j0; j < q4_j0 + 79; j++)
            for (int t = 0; t < 2; t++) {
                const float* A = t == 0 ? planexyz[i][j + 1] : planexyz[i + 1][j];
                const float* B = t == 0 ? planexyz[i + 1][j + 1] : planexyz[i][j];
                const float* C = t == 0 ? planexyz[i][j] : planexyz[i + 1][j + 1];
                // The barycentric weights of (x, z) and the ground's height there.
                auto check = [&](const float* p, float lo, float hi) {
                    float d = (B[2] - C[2]) * (A[0] - C[0]) + (C[0] - B[0]) * (A[2] - C[2]);
                    float wa = ((B[2] - C[2]) * (p[0] - C[0]) + (C[0] - B[0]) * (p[2] - C[2])) / d;
                    float wb = ((C[2] - A[2]) * (p[0] - C[0]) + (A[0] - C[0]) * (p[2] - C[2])) / d;
                    float wc = 1 - wa - wb;
                    ASSERT_TRUE(wa > 0 && wb > 0 && wc > 0) << i << ", " << j << " t " << t;
                    float up = p[1] - (wa * A[1] + wb * B[1] + wc * C[1]);
                    ASSERT_TRUE(up >= lo - 1e-3f && up <= hi + 1e-3f) << up;
                };
                if (city_on_poly[i][j])
                    for (int p = 0; p < 7; p++, cities++) check(city_xyz[i][j][t][p], 10, 20);
                if (tree_on_poly[i][j])
                    for (int p = 0; p < 4; p++, trees++) check(tree_xyz[i][j][t][p], 0, 0);
            }
    EXPECT_GT(cities, 100);
    EXPECT_GT(trees, 1000);
}

TEST_F(SquareReader, PlatformsStandOffTheCoastAtLeast15CellsApart)
{
    square s;
    s.code = [](int r, int c) { return c < 30 || r > 70 ? land_code : water_code; };
    place(s);
    // What a neighbour square's read left must not count, nor survive.
    offp_on_poly[q4_i0 + 33][q4_j0 + 20] = 1;
    read4();
    std::vector<std::pair<int, int>> at;
    for (int c = 0; c <= 59; c++)
        for (int r = 0; r <= 79; r++) {
            int i = q4_i0 + c, j = q4_j0 + r;
            ASSERT_FALSE(offp_on_poly[i][j] && oilr_on_poly[i][j]);
            if (!offp_on_poly[i][j] && !oilr_on_poly[i][j]) continue;
            at.push_back({c, r});
            EXPECT_TRUE(c >= 15 && c <= 42 && r >= 15 && r <= 62) << c << ", " << r;
            EXPECT_EQ(is_water[i][j], 1);
        }
    // One land cell in the cross: the column 4 off the coast, from row 15 on, 16 rows apart.
    EXPECT_EQ(at, (std::vector<std::pair<int, int>>{{33, 15}, {33, 31}, {33, 47}}));
}

// ---- damaged files -------------------------------------------------------------------------------

TEST(SquareReaderDeathTest, ACutFileOrANumberThatIsNoneEndsInTheScanningAlertWithThePath)
{
    struct damage {
        const char* what;
        std::function<void(square&)> make;
        size_t keep;   // bytes kept, 0 all
    };
    const size_t vertices_end = 5 + 4800 * 16;
    const damage cases[] = {
        {"cut inside the vertices", [](square&) {}, 5 + 1000 * 16 + 6},
        {"cut inside an object", [](square& s) { s.objects = object(3, 34.5f, -117.5f, 100); }, vertices_end + 10},
        {"cut before the end record", [](square& s) { s.objects = object(3, 34.5f, -117.5f, 100); },
         vertices_end + 24},
        {"cut inside the names", [](square&) {}, vertices_end + 4 + 99 * 40},
        {"an elevation that is no number", [](square& s) { s.elevation = [](int r, int c) { return r == 40 && c == 7 ? NAN : 0.0f; }; }, 0},
        {"an infinite latitude of an object",
         [](square& s) { s.objects = object(2, INFINITY, -117.5f, 100); }, 0},
        {"an object height that is no number", [](square& s) { s.objects = object(4, 34.5f, -117.5f, NAN); }, 0},
        {"a custom object's longitude that is no number",
         [](square& s) { s.objects = custom_object(34.5f, NAN, 0, "post"); }, 0},
        // Off the globe: no local metres to turn them into.
        {"vertices past the pole", [](square& s) { s.lat = 91; }, 0},
        {"an object's longitude past 180", [](square& s) { s.objects = object(5, 34.5f, 180.5f, 100); }, 0},
        {"a custom object at a huge latitude", [](square& s) { s.objects = custom_object(1e30f, -117.5f, 0, "post"); }, 0},
    };
    std::string root = test_scratch_folder();
    std::string path = root + "additional nav data/+030-120/+034-118.env";
    for (const damage& d : cases) {
        SCOPED_TRACE(d.what);
        square s;
        d.make(s);
        std::string bytes = s.bytes();
        if (d.keep) bytes.resize(d.keep);
        std::filesystem::create_directories(root + "additional nav data/+030-120");
        write_file(path, bytes);
        EXPECT_EXIT(
            {
                reset_suite_state();
                MACIBM_set_constants();
                ogl_ready = 0;
                initing = 0;
                snprintf(app_path, path_max, "%s", root.c_str());
                env.reg_lat = 33;
                env.reg_lon = -119;
                err.open("Error.out", std::ios::out | std::ios::trunc);
                read_quadrant(34, -118, 4);
                exit(0);
            },
            ::testing::ExitedWithCode(1), "");
        EXPECT_EQ(error_out(), "File-scanning error!\n\nfile:\n" + path + "\nend simulation\n");
    }
}
