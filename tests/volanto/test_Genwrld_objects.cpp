// The object ring: the cursor wrapping over a slot that held another object,
// the level objects and navaid huts as built, custom object files read (their
// layouts, their alerts, a missing file), the scanners handed back to the
// scenery square, and every object stood on the terrain at its reference
// point. Custom object textures need a window: the files here use none
// (see volanto-gl/test_Genwrld_objects_gl.cpp).
#include <gtest/gtest.h>

#include "Genwrld.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Ground rising rise_east metres a metre eastward and rise_north a metre
// northward (z runs south), on the region grid's vertices 100 m apart.
float rise_east = 0, rise_north = 0;
float ground(float x, float z) { return rise_east * x - rise_north * z; }

void lay_ground(float east, float north)
{
    rise_east = east;
    rise_north = north;
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++) {
            float x = 100.0f * (float)i, z = -100.0f * (float)j;
            planexyz[i][j][0] = x;
            planexyz[i][j][1] = ground(x, z);
            planexyz[i][j][2] = z;
        }
    env.reg_west_x = 0;
    env.reg_east_x = 100.0f * (region_grid_x - 1);
    env.reg_south_z = 0;
    env.reg_north_z = -100.0f * (region_grid_z - 1);
}

class ObjectRing : public ::testing::Test {
protected:
    std::string folder;
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        ogl_ready = 0;
        lay_ground(0, 0);
        folder = std::string(test_scratch_folder()) + "custom objects/";
        std::filesystem::create_directories(folder);
        snprintf(obj_path, path_max, "%s", folder.c_str());
        snprintf(otx_path, path_max, "%scustom object textures/", test_scratch_folder());
    }
    void write_object(const std::string& name, const std::string& body) { write_file(folder + name + ".OBJ", body); }
    // The slot the object went to.
    int build(float x, float z, float value, const char* name, int type)
    {
        build_obs(x, z, value, name, type);
        return obr.cursor;
    }
};

void expect_point(const float* p, float x, float y, float z, const std::string& what)
{
    EXPECT_NEAR(p[0], x, 1e-3f) << what;
    EXPECT_NEAR(p[1], y, 1e-3f) << what;
    EXPECT_NEAR(p[2], z, 1e-3f) << what;
}

}  // namespace

// ---- the ring -------------------------------------------------------------------

TEST_F(ObjectRing, The4001stObjectOverwritesSlot0AndKeepsNothingOfItsOldObject)
{
    EXPECT_EQ(build(100, -100, 0, "", obj_vor), 0);   // 50 elements in slot 0
    for (int k = 1; k < obj_slots; k++) build(200, -200, 30, "", obj_mast);
    EXPECT_EQ(obr.cursor, obj_slots - 1);

    EXPECT_EQ(build(500, -700, 77, "", obj_mast), 0);
    EXPECT_EQ(obj_type[0], obj_mast);
    expect_point(obj_xyz[0][1][0], 500, 77, -700, "the new mast's top");
    for (int e = 2; e < obj_elements; e++) {
        EXPECT_EQ(obj_poltyp[0][e], 0) << e;
        EXPECT_EQ(obj_texrgb[0][e], 0) << e;
        EXPECT_EQ(obj_nrml[0][e][1], 0) << e;
        for (int p = 0; p < 4; p++) expect_point(obj_xyz[0][e][p], 500, 0, -700, "an unused point");
    }
    EXPECT_EQ(obj_type[1], obj_mast);
    expect_point(obj_xyz[1][1][0], 200, 30, -200, "slot 1 untouched");
}

// ---- level objects ----------------------------------------------------------------

namespace {

// The sizes a level object draws for itself, read back from its levels.
struct figures {
    float r, a, b, p, q;
};
struct levels {
    float v[4][3];   // hx, y, hz of levels 0..3
};

struct level_case {
    int type;
    float h;
    int stored;
    levels (*expect)(float h, const figures& f);
};

figures read_figures(int type, float h, const levels& l)
{
    figures f = {0, 0, 0, 0, 0};
    switch (type) {
    case obj_building: f.r = l.v[0][0] / h; break;
    case 90: f.a = l.v[0][0]; break;
    case 91: f.b = l.v[0][0], f.a = l.v[1][0]; break;
    case 92: f.b = l.v[0][0], f.a = l.v[2][0]; break;
    case 93: f.p = l.v[0][0], f.q = l.v[0][2]; break;
    }
    return f;
}

}  // namespace

TEST_F(ObjectRing, LevelObjectsByTypeAndValue)
{
    const level_case cases[] = {
        {obj_tower, 0, 1, [](float, const figures&) { return levels{{{3, 0, 3}, {3, 19, 3}, {5, 23, 5}, {3, 24, 3}}}; }},
        {obj_building, 40, 2,
         [](float h, const figures& f) { return levels{{{f.r * h, 0, f.r * h}, {f.r * h, h, f.r * h}}}; }},
        {obj_mast, 60, 3, [](float h, const figures&) { return levels{{{0, 0, 0}, {0, h, 0}}}; }},
        {obj_pylon, 35, 4, [](float h, const figures&) { return levels{{{0, 0, 0}, {0, h, 0}}}; }},
        {obj_headed_tower, 100, 5,
         [](float, const figures&) { return levels{{{35, 0, 35}, {25, 40, 25}, {20, 80, 20}, {25, 100, 25}}}; }},
        {obj_chimney, 200, 6, [](float, const figures&) { return levels{{{10, 0, 10}, {5, 200, 5}}}; }},
        {90, 250, 90,
         [](float h, const figures& f) {
             return levels{{{f.a, 0, f.a}, {f.a, 0.94f * h, f.a}, {0.9f * f.a, 0.97f * h, 0.9f * f.a},
                            {0.9f * f.a, h, 0.9f * f.a}}};
         }},
        {90, 251, 94,
         [](float h, const figures& f) {
             return levels{{{f.a, 0, f.a}, {f.a, 0.94f * h, f.a}, {0.9f * f.a, 0.97f * h, 0.9f * f.a},
                            {0.9f * f.a, h, 0.9f * f.a}}};
         }},
        {91, 120, 91,
         [](float h, const figures& f) {
             return levels{{{f.b, 0, f.b}, {f.a, 0.1f * h, f.a}, {f.a, 0.9f * h, f.a}, {f.b, h, f.b}}};
         }},
        {91, 300, 95,
         [](float h, const figures& f) {
             return levels{{{f.b, 0, f.b}, {f.a, 0.1f * h, f.a}, {f.a, 0.9f * h, f.a}, {f.b, h, f.b}}};
         }},
        {92, 260, 96,
         [](float h, const figures& f) {
             return levels{{{f.b, 0, f.b}, {f.b, 0.1f * h, f.b}, {f.a, 0.1f * h, f.a}, {f.a, h, f.a}}};
         }},
        {93, 400, 93,
         [](float h, const figures& f) {
             return levels{{{f.p, 0, f.q}, {f.p, 0.15f * h, 0.6f * f.q}, {f.p, 0.3f * h, 0.4f * f.q},
                            {f.p, h, 0.4f * f.q}}};
         }},
        {obj_hangar, 0, 97,
         [](float, const figures&) { return levels{{{10, 0, 20}, {10, 5, 20}, {11, 5.1f, 20}, {1, 6, 20}}}; }},
    };
    const float x = 1000, z = -2000;
    for (const level_case& c : cases)
        for (unsigned seed : {1u, 77u, 31000u}) {
            std::string what = std::to_string(c.type) + " at " + std::to_string(c.h) + " m, seed " + std::to_string(seed);
            rnd15_seed(seed);
            int s = build(x, z, c.h, "", c.type);
            EXPECT_EQ(obj_type[s], c.stored) << what;
            levels got;
            for (int l = 0; l < 4; l++) {
                const float(*p)[3] = obj_xyz[s][l];
                got.v[l][0] = p[2][0] - x;
                got.v[l][1] = p[0][1];
                got.v[l][2] = p[0][2] - z;
                float hx = got.v[l][0], y = got.v[l][1], hz = got.v[l][2];
                std::string at = what + ", level " + std::to_string(l);
                expect_point(p[0], x - hx, y, z + hz, at);
                expect_point(p[1], x - hx, y, z - hz, at);
                expect_point(p[2], x + hx, y, z - hz, at);
                expect_point(p[3], x + hx, y, z + hz, at);
            }
            figures f = read_figures(c.type, c.h, got);
            if (c.type == obj_building) {
                EXPECT_TRUE(f.r >= 0.2f && f.r <= 0.4f) << what << ": r " << f.r;
            }
            if (c.type >= 90 && c.type <= 92) {
                EXPECT_TRUE(f.a >= 30 && f.a <= 40) << what << ": A " << f.a;
            }
            if (c.type == 91 || c.type == 92) {
                EXPECT_TRUE(f.b >= 20 && f.b <= 30) << what << ": B " << f.b;
            }
            if (c.type == 93) {
                EXPECT_TRUE(f.p >= 40 && f.p <= 50) << what << ": P " << f.p;
                EXPECT_TRUE(f.q >= 30 && f.q <= 40) << what << ": Q " << f.q;
            }
            levels want = c.expect(c.h, f);
            for (int l = 0; l < 4; l++)
                for (int k = 0; k < 3; k++) EXPECT_NEAR(got.v[l][k], want.v[l][k], 1e-3f) << what << ", level " << l;
        }

    // Drawn afresh for each object.
    int first = build(x, z, 100, "", 90), second = build(x, z, 100, "", 90);
    EXPECT_NE(obj_xyz[first][0][2][0], obj_xyz[second][0][2][0]);
}

// ---- navaid huts --------------------------------------------------------------------

namespace {

std::string fixed3(float v)
{
    char buf[32];
    snprintf(buf, sizeof buf, "%.3f", v);
    return strcmp(buf, "-0.000") == 0 ? "0.000" : buf;
}

// Every element of slot s that holds one, by index: its vertex count, its
// texture (faces) or packed colour (points and lines), and its points in order.
std::string elements_text(int s)
{
    std::string t;
    char line[64];
    for (int e = 0; e < obj_elements; e++) {
        const int n = obj_poltyp[s][e];
        if (n == 0) continue;
        snprintf(line, sizeof line, "%2d  %d  %s %6d ", e, n, n >= 3 ? "texture" : "colour ", obj_texrgb[s][e]);
        t += line;
        for (int p = 0; p < n && p < 4; p++) {
            const float* q = obj_xyz[s][e][p];
            t += " (" + fixed3(q[0]) + ", " + fixed3(q[1]) + ", " + fixed3(q[2]) + ")";
        }
        t += "\n";
    }
    return t;
}

}  // namespace

TEST_F(ObjectRing, NavaidHutsAndAShackMatchTheirGoldenText)
{
    // On level ground at height 0 and placed at (0, 0): the points are the local ones.
    const struct {
        int type;
        float value;
        const char* what;
    } huts[] = {
        {obj_ndb_hut, 0, "NDB hut"},         {obj_vor, 0, "VOR"},   {obj_localizer, 30, "localizer at 30 degrees"},
        {obj_glide_slope, 0, "glide slope"}, {obj_marker, 0, "marker beacon"},
    };
    std::string t = "element  vertices  texture or colour  points (x, y, z)\n";
    for (const auto& h : huts) {
        int s = build(0, 0, h.value, "", h.type);
        t += "# " + std::string(h.what) + " (type " + std::to_string(h.type) + "): stored type " +
             std::to_string(obj_type[s]) + "\n" + elements_text(s);
    }
    int s = obr.cursor + 1, e = -1;
    build_obs_shack(1, 2, 0.5f, 3, 0, s, &e, 4, tex_metal);
    t += "# shack: half 1 x 2 from y 0.5 to 3 at x 4, heading 0\n" + elements_text(s);
    EXPECT_EQ(golden_diff("navaid_huts.txt", t), "");
}

TEST_F(ObjectRing, OnlyTheLocalizerTurnsWithItsValue)
{
    for (int type = obj_ndb_hut; type <= obj_marker; type++) {
        int s = build(3000, -3000, 0, "", type), turned = build(3000, -3000, 45, "", type);
        EXPECT_EQ(memcmp(obj_xyz[s], obj_xyz[turned], sizeof obj_xyz[s]) == 0, type != obj_localizer) << type;
    }
}

TEST_F(ObjectRing, LocalizerTurnsToItsHeadingInWholeDegreesWrapped)
{
    const float x = 2000, z = -3000;
    auto points = [&](float heading) {
        int s = build(x, z, heading, "", obj_localizer);
        std::vector<float> v;
        for (int e = 0; e < 49; e++)
            for (int p = 0; p < obj_poltyp[s][e]; p++) {
                v.push_back(obj_xyz[s][e][p][0] - x);
                v.push_back(obj_xyz[s][e][p][1]);
                v.push_back(obj_xyz[s][e][p][2] - z);
            }
        return v;
    };
    std::vector<float> north = points(0), east = points(90), ten = points(10);
    // At 0 the row of boxes runs along x, each 4 m across, on legs 1 m tall.
    float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
    for (size_t k = 0; k < north.size(); k++) {
        lo[k % 3] = fminf(lo[k % 3], north[k]);
        hi[k % 3] = fmaxf(hi[k % 3], north[k]);
    }
    expect_point(lo, -6.4f, 0, -2, "the row's low corner");
    expect_point(hi, 6.4f, 1.5f, 2, "the row's high corner");
    // At 90 every point is turned a quarter about the reference point: x' = -z, z' = x.
    ASSERT_EQ(east.size(), north.size());
    for (size_t k = 0; k < north.size(); k += 3) {
        EXPECT_NEAR(east[k], -north[k + 2], 1e-3f) << k / 3;
        EXPECT_NEAR(east[k + 1], north[k + 1], 1e-3f) << k / 3;
        EXPECT_NEAR(east[k + 2], north[k], 1e-3f) << k / 3;
    }
    // The file's heading is wrapped once at most: 370 and -350 are 10; 9.6 rounds to 10.
    for (float heading : {370.0f, -350.0f, 9.6f, 730.0f}) EXPECT_EQ(points(heading), ten) << heading;
}

TEST_F(ObjectRing, ShackFacesPointOutwardAtAnyHeading)
{
    const float cx = 4, half_x = 1, half_z = 2, bottom = 0, top = 3;
    for (int heading : {0, 30, 400, -30}) {
        int s = 5, e = -1;
        build_obs_shack(half_x, half_z, bottom, top, heading, s, &e, cx, tex_metal);
        EXPECT_EQ(e, 4);
        int h = ((heading % 360) + 360) % 360;
        float c = lookup_cos[h], sn = lookup_sin[h];
        float centre[3] = {cx * c, (bottom + top) / 2, cx * sn};
        for (int f = 0; f < 5; f++) {
            const float* n = obj_nrml[s][f];
            EXPECT_NEAR(n[0] * n[0] + n[1] * n[1] + n[2] * n[2], 1.0f, 1e-5f);
            float out = 0;
            for (int k = 0; k < 3; k++) {
                float mid = 0;
                for (int p = 0; p < 4; p++) mid += obj_xyz[s][f][p][k] / 4;
                out += n[k] * (mid - centre[k]);
            }
            EXPECT_GT(out, 0.5f) << "heading " << heading << " face " << f;
        }
        expect_point(obj_nrml[s][4], 0, 1, 0, "the roof");
    }
}

// ---- custom object files ----------------------------------------------------------

namespace {

// A light, a line, a triangle and a quadrilateral with the rests of lines
// that the reader skips; written with the line end given, the texture words
// on the count's line or on the line after it.
std::string mixed_object(const std::string& eol, bool word_below)
{
    std::string text = "I\n"
                       "1 99 99 99 a flasher\n"
                       "0 10 0\n"
                       "2 10 10 10\n"
                       "-5 0 0 west end\n"
                       "5 0 0\n"
                       "3 Untitled\n"
                       "0 0 0\n"
                       "0 0 -4\n"
                       "4 0 0\n"
                       "4 Unt  a beginning of Untitled\n"
                       "0 0 0\n"
                       "0 5 0\n"
                       "2 5 0\n"
                       "2 0 0\n"
                       "99\n";
    if (word_below)
        for (const char* count : {"\n3 Untitled", "\n4 Unt "}) text.replace(text.find(count) + 2, 1, "\n");
    std::string out;
    for (char ch : text) out += ch == '\n' ? eol : std::string(1, ch);
    return out;
}

}  // namespace

TEST_F(ObjectRing, CustomObjectIsReadTurnedAndPlacedWhateverItsLayout)
{
    lay_ground(0.1f, 0.05f);
    const float x = 3000, z = -4000, h = ground(x, z);
    const struct {
        std::string what;
        const char* eol;
        bool word_below;
    } layouts[] = {
        {"LF", "\n", false},
        {"CR LF", "\r\n", false},
        {"CR", "\r", false},
        // The word's separator is the line end: the reader must not skip the first point's line for it.
        {"CR LF, texture words on the line after the count", "\r\n", true},
    };
    for (const auto& layout : layouts) {
        const std::string& what = layout.what;
        write_object("mixed", mixed_object(layout.eol, layout.word_below));
        // What the scenery square's reading had set.
        inf_use = 1;
        inf_is_bin = 0;
        x_eln = '#';
        extra_char_eoln = 1;

        int s = build(x, z, 90, "mixed", obj_custom);

        EXPECT_EQ(inf_use, 1) << what;
        EXPECT_EQ(inf_is_bin, 1) << what;
        EXPECT_EQ(x_eln, '#') << what;
        EXPECT_EQ(extra_char_eoln, 1) << what;
        EXPECT_FALSE(inf2.is_open()) << what;

        EXPECT_EQ(obj_type[s], obj_list_base + 4) << what;
        const int poltyp[5] = {1, 2, 3, 4, 99};
        const int texrgb[5] = {999999, 101010, 0, 0, 0};
        for (int e = 0; e < 5; e++) {
            EXPECT_EQ(obj_poltyp[s][e], poltyp[e]) << what << " element " << e;
            EXPECT_EQ(obj_texrgb[s][e], texrgb[e]) << what << " element " << e;
        }
        // Turned by 90 degrees (x' = -z, z' = x), then raised by the ground at the reference point.
        const float points[4][4][3] = {
            {{0, 10, 0}},
            {{0, 0, -5}, {0, 0, 5}},
            {{0, 0, 0}, {4, 0, 0}, {0, 0, 4}},
            {{0, 0, 0}, {0, 5, 0}, {0, 5, 2}, {0, 0, 2}},
        };
        for (int e = 0; e < 4; e++)
            for (int p = 0; p <= e; p++)
                expect_point(obj_xyz[s][e][p], x + points[e][p][0], h + points[e][p][1], z + points[e][p][2],
                             what + " element " + std::to_string(e) + " point " + std::to_string(p));
        // Points and lines face up; the faces by u = p2 - p1, v = p1 - p0 as turned.
        expect_point(obj_nrml[s][0], 0, 1, 0, what + " the light");
        expect_point(obj_nrml[s][1], 0, 1, 0, what + " the line");
        expect_point(obj_nrml[s][2], 0, 1, 0, what + " the triangle");
        expect_point(obj_nrml[s][3], -1, 0, 0, what + " the quadrilateral");
    }
}

TEST_F(ObjectRing, FiftyOneElementsLoadAndTheEndMarkStaysInTheirSlot)
{
    std::string body = "I\n";
    for (int e = 0; e < obj_elements; e++) body += "2 1 2 3\n0 0 0\n" + std::to_string(e) + " 0 0\n";
    write_object("full", body + "99\n");
    obj_poltyp[1][0] = 7;   // the next slot's first element

    int s = build(1000, -1000, 0, "full", obj_custom);
    ASSERT_EQ(s, 0);
    EXPECT_EQ(obj_type[0], obj_list_base + 51);
    EXPECT_EQ(obj_poltyp[0][50], 2);
    EXPECT_NEAR(obj_xyz[0][50][1][0], 1050, 1e-3f);
    EXPECT_EQ(obj_poltyp[1][0], 7);
}

TEST_F(ObjectRing, DamagedObjectFilesEndTheProgramNamingTheFile)
{
    std::string element = "2 1 1 1\n0 0 0\n1 0 0\n", full = "I\n";
    for (int e = 0; e < obj_elements; e++) full += element;
    const std::string path = folder + "bad.OBJ";
    const struct {
        const char* what;
        std::string body, alert;
    } cases[] = {
        {"a 52nd element", full + element + "99\n", "Too many polys in the custom object!\n" + path + "\n\n\n"},
        {"another creator mark", "X\n99\n",
         "Object files must start with an A or an I (Apple or IBM creator) and then a carriage return!\n" + path +
             "\n\n\n"},
        {"an empty file", "",
         "Object files must start with an A or an I (Apple or IBM creator) and then a carriage return!\n" + path +
             "\n\n\n"},
        {"five vertices", "I\n" + element + "5 Untitled\n",
         "Must have 1, 2, 3, or 4 vertices in each element of the object!\n" + path + "\n\n\n"},
        {"no vertices", "I\n0 1 1 1\n", "Must have 1, 2, 3, or 4 vertices in each element of the object!\n" + path + "\n\n\n"},
        {"cut inside a point", "I\n3 Untitled\n0 0 0\n1 1", "File-scanning error!\n\nfile:\n" + path + "\n"},
        {"no end mark", "I\n" + element, "File-scanning error!\n\nfile:\n" + path + "\n"},
    };
    for (const auto& c : cases) {
        write_object("bad", c.body);
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                build_obs(1000, -1000, 0, "bad", obj_custom);
            },
            ::testing::ExitedWithCode(1), "")
            << c.what;
        EXPECT_EQ(error_out(), c.alert + "end simulation\n") << c.what;
    }
}

TEST_F(ObjectRing, EmptyAndMissingObjectFiles)
{
    write_object("nothing", "I\n99\n");
    int s = build(1000, -2000, 0, "nothing", obj_custom);
    EXPECT_EQ(obj_type[s], obj_list_base);
    EXPECT_EQ(obj_poltyp[s][0], 99);

    // A slot that held a VOR, reused for a file that is not there: empty.
    build(1000, -1000, 0, "", obj_vor);
    clear_object_ring_run();
    x_eln = '#';
    s = build(1000, -1000, 0, "missing", obj_custom);
    ASSERT_EQ(s, 0);
    EXPECT_EQ(obj_type[0], 0);
    static const float no_points[obj_elements][4][3] = {};
    static const int no_elements[obj_elements] = {};
    EXPECT_EQ(memcmp(obj_xyz[0], no_points, sizeof no_points), 0);
    EXPECT_EQ(memcmp(obj_poltyp[0], no_elements, sizeof no_elements), 0);
    EXPECT_EQ(memcmp(obj_texrgb[0], no_elements, sizeof no_elements), 0);
    EXPECT_EQ(inf_use, 1);
    EXPECT_EQ(inf_is_bin, 1);
    EXPECT_EQ(x_eln, '#');

    // A path that does not fit is a file that cannot be opened, though it is there.
    std::string deep = folder;
    while (deep.size() < (size_t)path_max - 10) {
        size_t room = path_max - 10 - deep.size();
        deep += std::string(room < 100 ? room : 100, 'd') + "/";
    }
    std::filesystem::create_directories(deep);
    write_file(deep + "long name.OBJ", "I\n99\n");
    snprintf(obj_path, path_max, "%s", deep.c_str());
    EXPECT_EQ(obj_type[build(1000, -1000, 0, "long name", obj_custom)], 0);
    snprintf(obj_path, path_max, "%s", folder.c_str());

    // The scenery record's 40 characters of name need not end: the first 39 name the file.
    write_object(std::string(39, 'n'), "I\n99\n");
    char record[40];
    memset(record, 'n', sizeof record);
    EXPECT_EQ(obj_type[build(1000, -1000, 0, record, obj_custom)], obj_list_base);
}

// ---- placement ----------------------------------------------------------------------

TEST_F(ObjectRing, EveryPointStandsAtTheGroundHeightOfTheReferencePoint)
{
    lay_ground(0.1f, 0.05f);
    // Decks and bumpy runways under the aircraft are no ground for objects.
    env.on_platform = 1;
    env.deck_h = 999;
    env.surface_type = 67;
    write_object("wide", "I\n4 Untitled\n-50 0 -50\n-50 10 50\n50 10 50\n50 0 -50\n99\n");
    const float x = 1234, z = -5678, h = ground(x, z);

    int tower = build(x, z, 0, "", obj_tower);
    const float level_y[4] = {0, 19, 23, 24};
    for (int l = 0; l < 4; l++)
        for (int p = 0; p < 4; p++) EXPECT_NEAR(obj_xyz[tower][l][p][1], h + level_y[l], 1e-2f) << l;
    int wide = build(x, z, 0, "wide", obj_custom);
    const float y[4] = {0, 10, 10, 0};
    for (int p = 0; p < 4; p++) EXPECT_NEAR(obj_xyz[wide][0][p][1], h + y[p], 1e-2f) << p;

    // A point far off the region still builds: its cell is held to the grid before it becomes an integer.
    for (float far : {3e38f, -3e38f}) {
        int s = build(far, far, 50, "", obj_mast);
        EXPECT_EQ(obj_type[s], obj_mast) << far;
    }
}
