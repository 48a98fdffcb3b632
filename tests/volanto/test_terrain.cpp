// Terrain and light codes, scenery square names, and the region grid's
// terrain classes and local height: codes unpacked from both forms, names
// in every quadrant of the globe, water, shore and mountain cells with their
// transitions on a small grid, and the ground's height and surface velocity
// at and between grid points, from any start cell.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>

// ---- codes and names --------------------------------------------------------

TEST(TerrainCodes, BothFormsUnpackWaterTextureAndOrientation)
{
    const float untouched = 7.0f;
    const struct {
        int code;
        int water;
        unsigned texture;
        float s00, s01, s11, s10, t00, t01, t11, t10;   // 7: left as they were
    } cases[] = {
        {-100000, 1, 0, 7, 7, 7, 7, 7, 7, 7, 7},
        {-140005, 1, 5, 0, 0, 1, 1, 0, 1, 1, 0},
        {-30012, 0, 12, 1, 0, 0, 1, 0, 0, 1, 1},
        {-20000, 0, 0, 1, 1, 0, 0, 1, 0, 0, 1},
        {-10003, 0, 3, 0, 1, 1, 0, 1, 1, 0, 0},
        {-70000, 0, 0, 1, 0, 0, 1, 0, 0, 1, 1},    // 40000 then 30000: the last one wins
        {-54, 0, 54, 7, 7, 7, 7, 7, 7, 7, 7},
        {2048, 0, 2002, 7, 7, 7, 7, 7, 7, 7, 7},   // bit 11
        {512 + 4096, 0, 2000, 7, 7, 7, 7, 7, 7, 7, 7},   // the lowest texture bit decides
        {6, 1, 0, 7, 7, 7, 7, 7, 7, 7, 7},
        {2, 1, 0, 7, 7, 7, 7, 7, 7, 7, 7},
        {1 + 8 + 16, 0, 0, 7, 7, 7, 7, 7, 7, 7, 7},
        {32, 0, 0, 0, 0, 1, 1, 0, 1, 1, 0},
        {256 + 64, 0, 0, 1, 0, 0, 1, 0, 0, 1, 1},  // bits 8 and 6: the lower decides
        {1 << 28, 0, 2019, 7, 7, 7, 7, 7, 7, 7, 7},
    };
    for (const auto& c : cases) {
        int water = -1;
        unsigned texture = 99;
        float st[2][2][2];
        for (float* p = &st[0][0][0]; p < &st[0][0][0] + 8; p++) *p = untouched;
        code_to_state(&water, st, &texture, c.code);
        EXPECT_EQ(water, c.water) << c.code;
        EXPECT_EQ(texture, c.texture) << c.code;
        const float want[2][2][2] = {{{c.s00, c.t00}, {c.s01, c.t01}}, {{c.s10, c.t10}, {c.s11, c.t11}}};
        for (int di = 0; di < 2; di++)
            for (int dj = 0; dj < 2; dj++)
                for (int k = 0; k < 2; k++) EXPECT_EQ(st[di][dj][k], want[di][dj][k]) << c.code << " corner " << di << dj;
    }
}

TEST(TerrainCodes, RunwayCodesGiveTheSurfaceAndEachEndsLightDigits)
{
    const struct {
        int code;
        int kind, a0, a1, b0, b1, c0, c1;
    } cases[] = {
        {2123356, 63, 1, 3, 2, 5, 3, 6},
        {1111111, 62, 1, 1, 1, 1, 1, 1},
        {0, 62, 1, 1, 1, 1, 1, 1},                 // every digit 0 reads as 1
        {456456, 62, 1, 1, 5, 5, 6, 6},            // 300 then 100 are taken from a 4
        {5335321, 66, 3, 3, 3, 2, 5, 1},
        {3000000, 64, 1, 1, 1, 1, 1, 1},
        {6123123, 62, 1, 1, 2, 2, 3, 3},           // no such surface
        {-5, 62, 1, 1, 1, 1, 1, 1},
    };
    for (const auto& c : cases) {
        int kind = 0, a[2] = {}, b[2] = {}, cc[2] = {};
        code_to_lgts(&kind, a, b, cc, c.code);
        EXPECT_EQ(kind, c.kind) << c.code;
        EXPECT_EQ(a[0], c.a0) << c.code;
        EXPECT_EQ(a[1], c.a1) << c.code;
        EXPECT_EQ(b[0], c.b0) << c.code;
        EXPECT_EQ(b[1], c.b1) << c.code;
        EXPECT_EQ(cc[0], c.c0) << c.code;
        EXPECT_EQ(cc[1], c.c1) << c.code;
    }
}

TEST(TerrainCodes, CharacterCodesRoundTripAndOthersFallToZero)
{
    const char* alphabet = " 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int code = 0; code <= 36; code++) {
        EXPECT_EQ(code_to_char(code), alphabet[code]);
        EXPECT_EQ(char_to_code(alphabet[code]), code);
    }
    for (int code : {-1, 37, 1000}) EXPECT_EQ(code_to_char(code), '0') << code;
    for (char c : {'a', 'z', '-', '\0', '/'}) EXPECT_EQ(char_to_code(c), 1) << (int)c;
}

TEST(SceneryNames, EverySquareOfTheGlobeHasItsBandFolderAndName)
{
    const struct {
        int lat, lon;
        const char* name;
    } cases[] = {
        {33, -119, "+030-120/+033-119.env"},
        {47, -123, "+040-130/+047-123.env"},
        {-34, 151, "-040+150/-034+151.env"},
        {-1, -1, "-010-010/-001-001.env"},
        {0, 0, "+000+000/+000+000.env"},
        {0, -180, "+000-180/+000-180.env"},
        {0, 179, "+000+170/+000+179.env"},
        {-1, 179, "-010+170/-001+179.env"},
        {9, -180, "+000-180/+009-180.env"},
        {-65, 10, "-060+010/-065+010.env"},   // the band truncates toward zero
        {-90, -180, "-090-180/-090-180.env"},
        {89, 179, "+080+170/+089+179.env"},
    };
    for (const auto& c : cases) {
        char out[32];
        memset(out, 0x5a, sizeof out);
        return_latlon_str_ENV(c.lat, c.lon, out);
        EXPECT_STREQ(out, c.name);
        EXPECT_EQ(out[22], 0x5a) << "nothing past the name";
    }
}

// ---- grid helpers -----------------------------------------------------------

const float cell = 100.0f;   // m between grid points

// The whole region grid: x = 100 i east, z = -100 j (north), height h(i, j);
// no water, textures cleared.
static void make_grid(float (*h)(int i, int j))
{
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++) {
            planexyz[i][j][0] = cell * (float)i;
            planexyz[i][j][1] = h(i, j);
            planexyz[i][j][2] = -cell * (float)j;
            planetex[i][j] = 0;
            is_water[i][j] = 0;
            city_on_poly[i][j] = 0;
        }
}

static float flat(int, int) { return 0; }

// ---- terrain classes ----------------------------------------------------------

static float slope_01(int, int j) { return 10.0f * (float)j; }     // 10 m in 100: steep
static float slope_0099(int, int j) { return 9.9f * (float)j; }   // flat

TEST(TerrainClasses, WaterFlatAndSteepCellsAndCustomTexturesStay)
{
    const struct {
        float (*h)(int, int);
        unsigned land;
    } slopes[] = {{slope_01, 58}, {slope_0099, 54}};
    for (const auto& s : slopes) {
        make_grid(s.h);
        for (int i = 0; i < 10; i++)
            for (int j = 0; j < 10; j++) city_on_poly[i][j] = 1;
        is_water[7][0] = 1;   // on the grid's edge row, where no transition is laid
        planetex[3][3] = 2005;
        is_water[3][3] = 1;
        assign_terrain_texes(10, 10);
        EXPECT_EQ(planetex[5][5], s.land);
        EXPECT_EQ(city_on_poly[5][5], s.land == 58 ? 0 : 1) << "no city lights on steep land";
        EXPECT_EQ(planetex[7][0], 50u);
        EXPECT_EQ(planetex[3][3], 2005u);
        // The plain mapping of the cell: corner (1, 1) at (1, 1), (0, 1) at (0, 1), (1, 0) at (1, 0).
        EXPECT_EQ(planest[5][5][1][1][0], 1.0f);
        EXPECT_EQ(planest[5][5][1][1][1], 1.0f);
        EXPECT_EQ(planest[5][5][0][1][0], 0.0f);
        EXPECT_EQ(planest[5][5][0][1][1], 1.0f);
        EXPECT_EQ(planest[5][5][1][0][0], 1.0f);
        EXPECT_EQ(planest[5][5][1][0][1], 0.0f);
    }
    // Two points at one position (a damaged square) give no slope between them.
    make_grid(flat);
    planexyz[3][8][0] = planexyz[2][8][0];
    planexyz[3][8][1] = 50;
    assign_terrain_texes(4, 12);
    EXPECT_EQ(planetex[2][8], 54u);
}

TEST(TerrainClasses, ASteepCellSpreadsSouthWestAndTheHillGetsFourCorners)
{
    // Vertex (5, 5) lowered 6 m makes cell (5, 5) alone steep (slope 0.12);
    // it spreads to (4, 4), (4, 5) and (5, 4), and each of the four then
    // meets flat land on two sides: outer corners, each turned its own way.
    make_grid(flat);
    planexyz[5][5][1] = -6;
    for (int i = 0; i < 10; i++)
        for (int j = 0; j < 10; j++) city_on_poly[i][j] = 1;
    assign_terrain_texes(10, 10);
    EXPECT_EQ(city_on_poly[5][5], 0);
    EXPECT_EQ(city_on_poly[4][4], 1) << "only the cell found steep loses its lights";
    const struct {
        int i, j;
        float s00, s01, s11, s10, t00, t01, t11, t10;
    } corners[] = {
        {4, 4, 0, 0, 1, 1, 1, 0, 0, 1},
        {4, 5, 0, 0, 1, 1, 0, 1, 1, 0},
        {5, 4, 0, 1, 1, 0, 0, 0, 1, 1},
        {5, 5, 1, 1, 0, 0, 0, 1, 1, 0},
    };
    for (const auto& c : corners) {
        EXPECT_EQ(planetex[c.i][c.j], 56u) << c.i << ", " << c.j;
        const float(*st)[2][2] = planest[c.i][c.j];
        EXPECT_EQ(st[0][0][0], c.s00);
        EXPECT_EQ(st[0][1][0], c.s01);
        EXPECT_EQ(st[1][1][0], c.s11);
        EXPECT_EQ(st[1][0][0], c.s10);
        EXPECT_EQ(st[0][0][1], c.t00);
        EXPECT_EQ(st[0][1][1], c.t01);
        EXPECT_EQ(st[1][1][1], c.t11);
        EXPECT_EQ(st[1][0][1], c.t10);
    }
    for (int i = 2; i <= 7; i++)
        for (int j = 2; j <= 7; j++) {
            if (i >= 4 && i <= 5 && j >= 4 && j <= 5) continue;
            EXPECT_EQ(planetex[i][j], 54u) << i << ", " << j;
        }
}

// A sea in the west (cells i < 4) against land that is flat in the south and
// steep from row 7 north (spread to row 6).
static float shore_hills(int, int j) { return j >= 7 ? 50.0f * (float)(j - 7) : 0.0f; }

TEST(TerrainClasses, ShoresGetEdgesCornersAndTheWaterSetsCountAsOne)
{
    const int rows = 14, cols = 14;
    make_grid(shore_hills);
    for (int i = 0; i < 4; i++)
        for (int j = 0; j < cols; j++) is_water[i][j] = 1;
    assign_terrain_texes(rows, cols);
    for (int j = 2; j <= 10; j++) EXPECT_EQ(planetex[2][j], 50u) << j;
    EXPECT_EQ(planetex[3][3], 51u) << "sea beside flat land";
    EXPECT_EQ(planest[3][3][0][0][0], 1.0f);   // turned to face east
    EXPECT_EQ(planest[3][3][1][0][0], 0.0f);
    EXPECT_EQ(planest[3][3][0][0][1], 1.0f);
    EXPECT_EQ(planetex[3][8], 59u) << "sea beside steep land";
    // Its southern neighbour is a flat-land shore tile, which counts as sea
    // for the steep-land pass: without that it would stay open water.
    EXPECT_EQ(planetex[3][6], 59u);
    EXPECT_EQ(planetex[4][3], 54u);
    EXPECT_EQ(planetex[4][6], 58u) << "steep with water west: no flat-land edge";
    EXPECT_EQ(planetex[5][6], 55u) << "steep with flat land south";
    EXPECT_EQ(planetex[5][7], 58u);

    // A land cell in the sea's edge column: corners round it.
    make_grid(flat);
    for (int i = 0; i < 4; i++)
        for (int j = 0; j < cols; j++) is_water[i][j] = 1;
    is_water[3][6] = 0;
    assign_terrain_texes(rows, cols);
    EXPECT_EQ(planetex[3][6], 54u);
    EXPECT_EQ(planetex[3][5], 52u) << "land east and north: outer corner";
    EXPECT_EQ(planetex[3][7], 52u) << "land east and south: outer corner";
    EXPECT_EQ(planetex[2][5], 53u) << "land only across the corner: inner corner";
    EXPECT_EQ(planetex[2][7], 53u);
    EXPECT_EQ(planetex[2][6], 51u) << "land east between shore tiles: edge";
}

// ---- local height and normals ---------------------------------------------------

static float plane(int i, int j) { return 5.0f + 0.1f * cell * (float)i - 0.2f * cell * (float)j; }

TEST(LocalHeight, OnATiltedPlaneEveryPointHasThePlanesHeight)
{
    // y = 5 + 0.1 x + 0.2 z with x = 100 i and z = -100 j.
    make_grid(plane);
    reset_suite_state();
    const struct {
        float x, z;
        int start_i, start_j, cell_i, cell_j;
    } points[] = {
        {300, -400, 3, 4, 3, 4},            // a grid point
        {350, -420, 3, 4, 3, 4},            // inside the start cell
        {1234.5f, -5678.9f, 0, 0, 12, 56},  // far from the start cell
        {17650, -15750, 88, 79, 176, 157},  // the far corner cell, from the middle
        {50, -50, 88, 79, 0, 0},            // the near corner cell, from the middle
        {17650, -50, 200, -5, 176, 0},      // a start cell off the grid is limited first
    };
    for (const auto& p : points) {
        int i = p.start_i, j = p.start_j;
        float vx = 9, vy = 9, vz = 9;
        float h = find_local_h(p.x, p.z, &vx, &vy, &vz, &i, &j, 0);
        EXPECT_NEAR(h, 5 + 0.1f * p.x + 0.2f * p.z, 0.01f) << p.x << ", " << p.z;
        EXPECT_EQ(i, p.cell_i) << p.x << ", " << p.z;
        EXPECT_EQ(j, p.cell_j) << p.x << ", " << p.z;
        EXPECT_EQ(vx, 0.0f);
        EXPECT_EQ(vz, 0.0f);
        EXPECT_EQ(vy, 9.0f) << "the vertical speed is the caller's on land";
    }
}

TEST(LocalHeight, EachTriangleOfACellIsItsOwnPlane)
{
    // The north-west corner of cell (10, 20) raised 10 m: triangle 1 (south-
    // west, north-west, north-east) tilts, triangle 2 stays level.
    make_grid(flat);
    planexyz[10][21][1] = 10;
    const float x0 = 1000, z0 = -2000;
    const struct {
        float dx, dz, h;
        int i, j;
    } points[] = {
        {20, -80, 6.0f, 10, 20},     // in triangle 1
        {80, -20, 0.0f, 10, 20},     // in triangle 2
        {50, -50, 0.0f, 10, 20},     // on the diagonal: triangle 1, whose plane is 0 there
        {20, -50, 3.0f, 10, 20},
        {-0.5f, -80, 8.05f, 10, 20}, // half a metre west of the cell: still found in it
        {-20, -80, 8.0f, 9, 20},     // on the western neighbour's diagonal
    };
    for (const auto& p : points) {
        int i = 10, j = 20;
        float vx, vy = 0, vz;
        float h = find_local_h(x0 + p.dx, z0 + p.dz, &vx, &vy, &vz, &i, &j, 0);
        EXPECT_NEAR(h, p.h, 0.001f) << p.dx << ", " << p.dz;
        EXPECT_EQ(i, p.i) << p.dx << ", " << p.dz;
        EXPECT_EQ(j, p.j) << p.dx << ", " << p.dz;
    }
    // Outside the whole grid: the start cell's first plane, extended.
    int i = 10, j = 20;
    float vx, vy = 0, vz;
    float h = find_local_h(-5000, -2080, &vx, &vy, &vz, &i, &j, 0);
    EXPECT_NEAR(h, 608.0f, 0.01f);   // y = -0.1 (x - 1000) - 0.1 (z + 2000)
    EXPECT_EQ(i, 10);
    EXPECT_EQ(j, 20);
}

TEST(LocalHeight, SurfacesPlatformsAndDecks)
{
    make_grid(flat);
    reset_suite_state();
    MACIBM_set_constants();
    int i = 5, j = 5;
    float vx, vy = 0, vz;
    const float x = 512.3f, z = -530.7f;
    const struct {
        int kind;
        float added;
    } kinds[] = {
        {64, 0.01f * (cosf(z) + sinf(x) + sinf(4 * x) + cosf(4 * z))},
        {65, 0.02f * (cosf(2 * z) + sinf(2 * x) + sinf(4 * x) + cosf(4 * z))},
        {66, 0.02f * (cosf(4 * z) + sinf(4 * x))},
        {67, 0.04f * (cosf(z) + sinf(x) + sinf(4 * x) + cosf(4 * z))},
        {62, 0},
        {63, 0},
        {0, 0},
    };
    for (const auto& k : kinds) {
        env.surface_type = k.kind;
        EXPECT_NEAR(find_local_h(x, z, &vx, &vy, &vz, &i, &j, 1), k.added, 1e-6f) << k.kind;
        EXPECT_EQ(find_local_h(x, z, &vx, &vy, &vz, &i, &j, 0), 0.0f) << "no surfaces asked for";
    }
    env.surface_type = 0;
    env.on_platform = 1;
    env.deck_h = 42;
    EXPECT_EQ(find_local_h(x, z, &vx, &vy, &vz, &i, &j, 1), 42.0f);
    env.on_platform = 0;

    // A level ship under way: the deck stands L above the ship's point and
    // moves at the ship's speed along its heading (x east, z south).
    const struct {
        int frigate;
        float hdg, h, vx, vz;
    } ships[] = {
        {0, 0, 21, 0, -15},   // the carrier, heading north
        {0, 90, 21, 15, 0},   // heading east
        {1, 180, 7, 0, 10},   // the frigate, heading south
    };
    for (const auto& s : ships) {
        memset(&env, 0, sizeof env);
        env.on_carrier = !s.frigate;
        env.on_frigate = s.frigate;
        env.ship_x[s.frigate] = 600;
        env.ship_z[s.frigate] = -600;
        env.ship_hdg[s.frigate] = s.hdg;
        env.ship_x[1 - s.frigate] = 9999;   // the other block must not be read
        env.ship_y[1 - s.frigate] = 9999;
        vy = 5;
        float h = find_local_h(610, -590, &vx, &vy, &vz, &i, &j, 1);
        EXPECT_NEAR(h, s.h, 1e-4f) << s.frigate << " " << s.hdg;
        EXPECT_NEAR(vx, s.vx, 1e-4f);
        EXPECT_NEAR(vz, s.vz, 1e-4f);
        EXPECT_NEAR(vy, 0, 1e-4f);
    }
    // A pitched or rolled carrier: the deck point tops a mast of 21 m leaning
    // with the ship; a point d ahead of it stands d tan(pitch) higher and
    // rises at d times the pitch rate, one d to its right stands d tan(roll)
    // lower and sinks at d times the roll rate.
    const float r = con.degtorad, d = 50;
    const struct {
        float hdg, pitch, roll, pitch_rate, roll_rate;   // degrees, deg/s
        float east, north;                               // m from the deck point
        float h, vx, vy, vz;
    } tilts[] = {
        {0, 5, 0, 2, 0, 0, d, 21 * cosf(5 * r) + d * tanf(5 * r), 0, d * 2 * r, -15 + 21 * 2 * r},
        {0, 0, 4, 0, 3, d, 0, 21 * cosf(4 * r) - d * tanf(4 * r), 21 * 3 * r, -d * 3 * r, -15},
        {90, 5, 0, 2, 0, d, 0, 21 * cosf(5 * r) + d * tanf(5 * r), 15 - 21 * 2 * r, d * 2 * r, 0},
    };
    for (const auto& t : tilts) {
        memset(&env, 0, sizeof env);
        env.on_carrier = 1;
        env.ship_x[0] = 600;
        env.ship_z[0] = -600;
        env.ship_hdg[0] = t.hdg;
        env.ship_pitch[0] = t.pitch;
        env.ship_roll[0] = t.roll;
        env.ship_pitch_rate[0] = t.pitch_rate;
        env.ship_roll_rate[0] = t.roll_rate;
        // The mast leans back with the pitch and to the right with the roll.
        float back = 21 * sinf(t.pitch * r), side = 21 * sinf(t.roll * r), a = t.hdg * r;
        float deck_x = 600 - back * sinf(a) + side * cosf(a), deck_z = -600 + back * cosf(a) + side * sinf(a);
        float h = find_local_h(deck_x + t.east, deck_z - t.north, &vx, &vy, &vz, &i, &j, 1);
        EXPECT_NEAR(h, t.h, 1e-3f) << t.hdg << " " << t.pitch << " " << t.roll;
        EXPECT_NEAR(vx, t.vx, 1e-3f) << t.hdg << " " << t.pitch << " " << t.roll;
        EXPECT_NEAR(vy, t.vy, 1e-3f) << t.hdg << " " << t.pitch << " " << t.roll;
        EXPECT_NEAR(vz, t.vz, 1e-3f) << t.hdg << " " << t.pitch << " " << t.roll;
    }

    // A turning ship moves a point off its centre sideways.
    memset(&env, 0, sizeof env);
    env.on_carrier = 1;
    env.ship_turn[0] = 10;   // deg/s
    find_local_h(0, -100, &vx, &vy, &vz, &i, &j, 1);   // 100 m north of the ship
    EXPECT_NEAR(vx, 100 * 10 * con.degtorad, 0.01f);
    EXPECT_NEAR(vz, -15, 0.01f);
}

TEST(Normals, CrossProductOfUnitLengthAndUpForNone)
{
    const struct {
        float a[3], b[3], n[3];
    } cases[] = {
        {{2, 0, 0}, {0, 0, -3}, {0, 1, 0}},      // east x north: up
        {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}},
        {{1, 1, 0}, {0, 0, -1}, {-0.70710678f, 0.70710678f, 0}},
        {{0, 0, 0}, {1, 2, 3}, {0, 1, 0}},
        {{1, 2, 3}, {2, 4, 6}, {0, 1, 0}},       // parallel
    };
    for (const auto& c : cases) {
        float n[3];
        find_normal_vects(c.a, c.b, n);
        for (int k = 0; k < 3; k++) EXPECT_NEAR(n[k], c.n[k], 1e-6f);
    }
}
