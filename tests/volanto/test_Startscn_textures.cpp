// The texture table, through a log of its loads: the first call loads every
// id once in its mode, both aircraft and the region; a call without changes
// loads nothing; each change reloads exactly its set, and a resolution change
// reloads the region's textures without moving the region. The terrain set
// held is always what the loader would pick now. The shipped terrain and tree
// textures: they load square, without a notice, and each transition's
// boundary lies where the terrain's mappings join it to its neighbours. The
// shipped airport textures load at their sizes; each number half holds its
// digit by the centre line; the sign atlas cells have their grounds and their
// glyphs upright; only the unpaved strips have transparent holes, their edges
// mirrored; the arrow, stripes and windsock bands run their way. The
// shipped sky and fire textures load at their sizes; the cloud puffs join
// across every turned cell edge; the smoke fades before its edges, the moon
// is a disc with seas in the key colour's square, and the fire frames make
// one closed cycle.
#include <gtest/gtest.h>

#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Startscn.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

// ---- the load log -----------------------------------------------------------------

struct tex_load {
    int id, mode;
    std::string name;
    int width;
    unsigned colour;   // the first texel of what the loader read, 0xRRGGBB
};

struct load_log {
    std::vector<tex_load> tex;
    std::vector<int> planes;     // the slots built
    int region_loads = 0, region_reloads = 0;
    std::vector<char> order;     // 'P' aircraft, 'R' region, 'X' region textures, 'T' texture
};

static load_log loads;
static scene_calls real_calls;

static unsigned first_texel(void) { return (unsigned)rgb_array[0] << 16 | rgb_array[1] << 8 | rgb_array[2]; }

static int record_texbmp(int kind, int id, int mode, const char* name, int* w, int* h)
{
    int opened = real_calls.OGL_texbmp(kind, id, mode, name, w, h);
    loads.tex.push_back({id, mode, name, *w, first_texel()});
    loads.order.push_back('T');
    return opened;
}

static void record_plane(int load_tex, int write_template, int touch_up, int p)
{
    EXPECT_EQ(load_tex, 1);
    EXPECT_EQ(write_template, 0);
    EXPECT_EQ(touch_up, 0);
    loads.planes.push_back(p);
    loads.order.push_back('P');
}

static void record_region(int mode)
{
    EXPECT_EQ(mode, 1);
    loads.region_loads++;
    loads.order.push_back('R');
}

static void record_region_textures(void)
{
    loads.region_reloads++;
    loads.order.push_back('X');
}

static std::set<int> loaded_ids(void)
{
    std::set<int> ids;
    for (const tex_load& t : loads.tex) ids.insert(t.id);
    return ids;
}

static std::set<int> id_range(int first, int last)
{
    std::set<int> ids;
    for (int id = first; id <= last; id++) ids.insert(id);
    return ids;
}

static std::set<int> terrain_ids(void)
{
    std::set<int> ids = id_range(50, 61);
    ids.insert(141);
    return ids;
}

static std::set<int> table_ids(void)
{
    std::set<int> ids = id_range(50, 160);
    for (int unused : {62, 63, 67}) ids.erase(unused);
    return ids;
}

// A clean start with the shipped folders, without a window, on a summer day
// at 34 N: no season or climate swaps a terrain name.
static void summer_day_at_34n(int res)
{
    reset_suite_state();
    set_loader_paths();
    ogl_ready = 0;
    initing = 0;
    ogl_res = res;
    atm.sl_temp = 59;
    atm.precip_level = 0;
    flt.lat = 34;
}

// A summer day at 34 N at resolution 3, two aircraft loaded; the loads
// logged, each texture still read by the real loader.
class TextureTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        real_calls = scene;
        start();
    }
    void TearDown() override { scene = real_calls; }
    void start(void)
    {
        summer_day_at_34n(3);
        snprintf(pln[0].C_path, sizeof pln[0].C_path, "planes/one/one.acf");
        snprintf(pln[1].C_path, sizeof pln[1].C_path, "planes/two/two.acf");
        scene.OGL_texbmp = record_texbmp;
        scene.load_plane_geo = record_plane;
        scene.load_region = record_region;
        scene.reload_region_textures = record_region_textures;
        loads = load_log();
    }
    void first_call(void)
    {
        load_texes();
        loads = load_log();
    }
};

TEST_F(TextureTable, FirstCallLoadsEveryIdOnceInItsModeAtItsShrunkSizeWithBothAircraftAndTheRegion)
{
    load_texes();
    std::map<int, int> count;
    for (const tex_load& t : loads.tex) count[t.id]++;
    EXPECT_EQ(loaded_ids(), table_ids());
    for (const auto& c : count) EXPECT_EQ(c.second, 1) << "id " << c.first;

    for (const tex_load& t : loads.tex) {
        int mode = 0;
        if (t.id <= 61) mode = -104;
        else if (t.id <= 66 || t.id == 141 || t.id == 142 || t.id >= 149) mode = -105;
        else if (t.id >= 143) mode = -106;
        EXPECT_EQ(t.mode, mode) << "id " << t.id;
    }

    // The classes first, then their transitions, then the season's tree.
    const int terrain_order[] = {50, 54, 58, 51, 52, 53, 55, 56, 57, 59, 60, 61, 141};
    ASSERT_GE(loads.tex.size(), 13u);
    for (int k = 0; k < 13; k++) EXPECT_EQ(loads.tex[k].id, terrain_order[k]);
    std::map<int, std::string> name;
    for (const tex_load& t : loads.tex) name[t.id] = t.name;
    EXPECT_EQ(name[50], "wat");
    EXPECT_EQ(name[57], "mnt_grs_c");
    EXPECT_EQ(name[141], "tree_sumer");
    EXPECT_EQ(name[64], "rway_gras");
    EXPECT_EQ(name[68], "rway_0L");
    EXPECT_EQ(name[96], "rway_0L");    // the concrete set holds the same names
    EXPECT_EQ(name[123], "rway_linc");
    EXPECT_EQ(name[140], "markers");
    EXPECT_EQ(name[142], "moon");
    EXPECT_EQ(name[148], "smoke");
    EXPECT_EQ(name[160], "fire12");

    // Resolution 3 takes the shipped terrain from 256 to 64; the tree is never shrunk.
    for (const tex_load& t : loads.tex) {
        if (t.id <= 61) {
            EXPECT_EQ(t.width, 64) << t.name;
        }
        if (t.id == 141) {
            EXPECT_EQ(t.width, 128);
        }
    }

    // The aircraft, then the region in full, then the textures.
    EXPECT_EQ(loads.planes, (std::vector<int>{0, 1}));
    EXPECT_EQ(loads.region_loads, 1);
    EXPECT_EQ(loads.region_reloads, 0);
    EXPECT_EQ(std::string(loads.order.begin(), loads.order.begin() + 3), "PPR");
}

TEST_F(TextureTable, ACallWithoutChangesLoadsNothing)
{
    first_call();
    load_texes();
    load_texes();
    EXPECT_TRUE(loads.order.empty());
}

TEST_F(TextureTable, EachChangeReloadsExactlyItsSet)
{
    struct change_case {
        const char* what;
        float temp_before, precip_before, lat_before;
        void (*change)(void);
        std::vector<int> planes;
        int terrain, everything, region_reloads;
    };
    const change_case cases[] = {
        {"a new aircraft in slot 1", 59, 0, 34,
         [] { snprintf(pln[1].C_path, sizeof pln[1].C_path, "planes/three/three.acf"); }, {1}, 0, 0, 0},
        {"winter comes", 59, 0, 34, [] { atm.sl_temp = 20; }, {}, 1, 0, 0},
        {"winter goes", 20, 0, 34, [] { atm.sl_temp = 33; }, {}, 1, 0, 0},
        {"snow in winter", 20, 0, 34, [] { atm.precip_level = 1.5f; }, {}, 1, 0, 0},
        {"snow in summer", 59, 0, 34, [] { atm.precip_level = 1.5f; }, {}, 0, 0, 0},
        {"more snow", 20, 2, 34, [] { atm.precip_level = 3; }, {}, 0, 0, 0},
        {"south across 30", 59, 0, 30.2f, [] { flt.lat = 29.8f; }, {}, 1, 0, 0},
        {"north across -30", 59, 0, -29.8f, [] { flt.lat = -30.2f; }, {}, 1, 0, 0},
        {"from 34 N to 34 S", 59, 0, 34, [] { flt.lat = -34; }, {}, 0, 0, 0},
        {"a dry freeze below 32", 32, 0, 34, [] { atm.sl_temp = 31; }, {}, 1, 0, 0},
        {"a wet freeze below 32", 32, 2, 34, [] { atm.sl_temp = 31; }, {}, 0, 0, 0},
        {"a new resolution", 59, 0, 34, [] { ogl_res = 4; }, {0, 1}, 1, 1, 1},
    };
    for (const change_case& c : cases) {
        start();
        atm.sl_temp = c.temp_before;
        atm.precip_level = c.precip_before;
        flt.lat = c.lat_before;
        first_call();
        c.change();
        load_texes();
        std::set<int> expected = c.everything ? table_ids() : (c.terrain ? terrain_ids() : std::set<int>());
        EXPECT_EQ(loaded_ids(), expected) << c.what;
        EXPECT_EQ(loads.tex.size(), expected.size()) << c.what << ": each id once";
        EXPECT_EQ(loads.planes, c.planes) << c.what;
        EXPECT_EQ(loads.region_loads, 0) << c.what << ": the region stays where it is";
        EXPECT_EQ(loads.region_reloads, c.region_reloads) << c.what;
        size_t logged = loads.order.size();
        load_texes();
        EXPECT_EQ(loads.order.size(), logged) << c.what << ": the next call finds nothing new";
    }
}

TEST_F(TextureTable, AnEmptyAircraftSlotIsNeverBuilt)
{
    pln[1].C_path[0] = 0;
    load_texes();
    EXPECT_EQ(loads.planes, std::vector<int>{0});
    loads = load_log();
    ogl_res = 5;
    load_texes();
    EXPECT_EQ(loads.planes, std::vector<int>{0});
}

// Every terrain name the loader may ask for, in one flat colour each, in the
// test's own textures folder.
static const char* const terrain_names[] = {
    "wat",       "grs_wat_h", "grs_wat_c", "wat_grs_c", "grs",       "grs_mnt_h", "grs_mnt_c",
    "mnt_grs_c", "mnt",       "mnt_wat_h", "mnt_wat_c", "wat_mnt_c", "sno",       "mnt_sno_h",
    "mnt_sno_c", "sno_mnt_c", "sno_mnt_h", "sno_wat_h", "sno_wat_c", "wat_sno_c", "car",
    "grs_car_h", "grs_car_c", "car_grs_c", "mnt_car_h", "mnt_car_c", "car_mnt_c"};
const int terrain_name_count = sizeof terrain_names / sizeof terrain_names[0];

static unsigned name_colour(int k) { return 0x102030u + (unsigned)k * 0x050301u; }

static std::string colour_name(unsigned colour)
{
    for (int k = 0; k < terrain_name_count; k++)
        if (name_colour(k) == colour) return terrain_names[k];
    return "?";
}

TEST_F(TextureTable, TheTerrainSetHeldIsAlwaysWhatTheLoaderWouldPickNow)
{
    std::string folder = std::string(test_scratch_folder()) + "textures/";
    for (int k = 0; k < terrain_name_count; k++) {
        unsigned colour = name_colour(k);
        write_test_bmp(folder + "terrain/" + terrain_names[k] + ".BMP", 4, 4, [colour](int, int) { return colour; });
    }
    snprintf(tex_path, path_max, "%s", folder.c_str());

    struct weather {
        float temp, precip, lat;
    };
    const weather walk[] = {
        {59, 0, 34},  {32, 0, 34},   {31, 0, 34},    {32, 0, 34},  {32, 2, 34}, {31, 2, 34},
        {31, 0, 34},  {40, 2, 34},   {40, 2, 29.9f}, {40, 2, -29.9f}, {40, 2, -30}, {20, 0, -29},
        {20, 2, -29}, {33, 0, 10},   {33, 0, 45},
    };
    std::map<int, unsigned> held;
    std::map<int, std::string> base;
    for (const weather& w : walk) {
        atm.sl_temp = w.temp;
        atm.precip_level = w.precip;
        flt.lat = w.lat;
        loads = load_log();
        load_texes();
        std::string tree;
        for (const tex_load& t : loads.tex) {
            if (t.id <= tex_terrain_last) {
                held[t.id] = t.colour;
                base[t.id] = t.name;
            }
            if (t.id == 141) tree = t.name;
        }
        if (!tree.empty()) {
            EXPECT_EQ(tree, w.temp <= 32 ? "tree_winter" : "tree_sumer");
        }
        for (int id = tex_terrain_first; id <= tex_terrain_last; id++) {
            int wd = 0, ht = 0;
            real_calls.OGL_texbmp(-100, id, -104, base[id].c_str(), &wd, &ht);
            EXPECT_EQ(colour_name(held[id]), colour_name(first_texel()))
                << "id " << id << " at " << w.temp << " F, precipitation " << w.precip << ", latitude " << w.lat;
        }
    }
}

// ---- the shipped textures -----------------------------------------------------------

// A texture of the shipped set read by the loader's own reader: texel (x, y),
// rows from the bottom, as 0xRRGGBB.
struct texels {
    int w = 0, h = 0;
    std::vector<unsigned> rgb;
    unsigned at(int x, int y) const { return rgb[(size_t)y * w + x]; }
};

static texels read_shipped(const std::string& path)
{
    texels t;
    FILE* in = fopen(path.c_str(), "rb");
    if (!in) return t;
    read_bmp(in, path.c_str(), -100, 0, 0, &t.w, &t.h);
    fclose(in);
    for (int k = 0; k < t.w * t.h; k++)
        t.rgb.push_back((unsigned)rgb_array[3 * k] << 16 | rgb_array[3 * k + 1] << 8 | rgb_array[3 * k + 2]);
    return t;
}

static std::string shipped_terrain(const std::string& name)
{
    return std::string(PROGRAM_DIR) + "textures/terrain/" + name + ".BMP";
}

TEST(ShippedTextures, TerrainAndTreesLoadSquareWithoutANotice)
{
    summer_day_at_34n(5);    // no season or climate swaps the name asked for id 54
    int boxes = host_test_message_box_count();
    for (const char* name : terrain_names) {
        int w = 0, h = 0;
        EXPECT_EQ(OGL_texbmp(-100, 54, -104, name, &w, &h), 1) << name;
        EXPECT_EQ(w, 256) << name;
        EXPECT_EQ(h, 256) << name;
    }
    for (const char* name : {"tree_sumer", "tree_winter"}) {
        int w = 0, h = 0;
        EXPECT_EQ(OGL_texbmp(-100, 141, -105, name, &w, &h), 1) << name;
        EXPECT_EQ(w, 128) << name;
        EXPECT_EQ(h, 128) << name;
    }
    EXPECT_EQ(host_test_message_box_count(), boxes);
}

static int is_wet(const std::string& cls) { return cls == "wat" || cls == "car"; }

TEST(ShippedTextures, TransitionBoundariesMeetTheCellEdgesAtTheirMiddles)
{
    reset_suite_state();
    MACIBM_set_constants();
    for (const char* name : terrain_names) {
        std::string n = name;
        if (n.size() < 5) continue;
        std::string a = n.substr(0, 3), b = n.substr(4, 3);
        char shape = n.back();
        texels tr = read_shipped(shipped_terrain(n)), ta = read_shipped(shipped_terrain(a)),
               tb = read_shipped(shipped_terrain(b));
        ASSERT_EQ(tr.w, 256) << n;
        ASSERT_EQ(ta.w, 256) << a;
        ASSERT_EQ(tb.w, 256) << b;
        // Texel (x, y) of the transition is texel (x, y) of the class expected
        // there, or a blend of the two on the boundary.
        auto is = [&](const texels& cls, int x, int y) { return tr.at(x, y) == cls.at(x, y); };
        auto blend = [&](int x, int y) { return !is(ta, x, y) && !is(tb, x, y); };
        // How far each class's own texels start from the boundary, in texels:
        // a shore has its beach on the land side and its shallows off it.
        int shore = is_wet(a) != is_wet(b);
        int ma = shore ? (is_wet(a) ? 21 : 12) : 5, mb = shore ? (is_wet(b) ? 21 : 12) : 5;

        // Where the boundary meets the bottom edge (both shapes), and the top
        // edge or the east edge: at the edge's middle, square to it.
        for (int y : {1, 254}) {
            if (shape == 'c' && y == 254) continue;
            EXPECT_TRUE(is(ta, 127 - ma, y)) << n << ": " << a << " west of the middle, row " << y;
            EXPECT_TRUE(blend(127, y) && blend(128, y)) << n << ": the boundary at the middle, row " << y;
            EXPECT_TRUE(is(tb, 128 + mb, y)) << n << ": " << b << " east of the middle, row " << y;
        }
        if (shape == 'c') {
            EXPECT_TRUE(is(tb, 254, 127 - mb)) << n << ": " << b << " below the east middle";
            EXPECT_TRUE(blend(254, 127) && blend(254, 128)) << n << ": the boundary at the east middle";
            EXPECT_TRUE(is(ta, 254, 128 + ma)) << n << ": " << a << " above the east middle";
        }

        // Away from the edges the boundary may wander, but not far.
        if (shape == 'h') {
            for (int y : {64, 128, 192}) {
                EXPECT_TRUE(is(ta, 40, y)) << n << ": " << a << " at s 0.16, row " << y;
                EXPECT_TRUE(is(tb, 215, y)) << n << ": " << b << " at s 0.84, row " << y;
            }
        } else {
            // Along the diagonal from (s, t) = (1, 0): b within 0.5, a beyond.
            for (float r : {0.02f, 0.3f}) {
                int x = (int)(256 * (1 - r / sqrtf(2))), y = (int)(256 * r / sqrtf(2));
                EXPECT_TRUE(is(tb, x, y)) << n << ": " << b << " at r " << r;
            }
            for (float r : {0.7f, 1.0f, 1.4f}) {
                int x = (int)(256 * (1 - r / sqrtf(2))), y = (int)(256 * r / sqrtf(2));
                EXPECT_TRUE(is(ta, x, y)) << n << ": " << a << " at r " << r;
            }
        }
    }
}

// ---- the shipped airport textures ----------------------------------------------------

static const char* const shipped_runway_names[] = {
    "rway_0L",   "rway_1L",   "rway_2L",   "rway_3L",   "rway_0R",   "rway_1R",   "rway_2R",
    "rway_3R",   "rway_4R",   "rway_5R",   "rway_6R",   "rway_7R",   "rway_8R",   "rway_9R",
    "rway_L",    "rway_C",    "rway_R",    "rway_turn", "rway_pave", "rway_disp", "rway_thld",
    "rway_tdz1", "rway_tdz2", "rway_tdz3", "rway_fdmk", "rway_lins", "rway_lint", "rway_linc"};

static std::string shipped_texture(const std::string& folder_and_name)
{
    return std::string(PROGRAM_DIR) + "textures/" + folder_and_name + ".BMP";
}

static int is_paint(unsigned c) { return (c >> 16 & 255) > 190 && (c >> 8 & 255) > 190 && (c & 255) > 180; }
static int is_key(unsigned c) { return c == 0xff00ffu; }

// White texels of t in columns x0..x1 and rows y0..y1.
static int paint_in(const texels& t, int x0, int x1, int y0, int y1)
{
    int n = 0;
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) n += is_paint(t.at(x, y));
    return n;
}

struct shipped_picture {
    int id, mode;
    const char* name;
    int size;
};

// Each loads into its id at its size, and the loader raises no notice.
static void expect_pictures_load(const std::vector<shipped_picture>& all)
{
    int boxes = host_test_message_box_count();
    for (const shipped_picture& t : all) {
        int w = 0, h = 0;
        EXPECT_EQ(OGL_texbmp(-100, t.id, t.mode, t.name, &w, &h), 1) << t.name << " id " << t.id;
        EXPECT_EQ(w, t.size) << t.name;
        EXPECT_EQ(h, t.size) << t.name;
    }
    EXPECT_EQ(host_test_message_box_count(), boxes);
}

TEST(ShippedTextures, AirportTexturesLoadAtTheirSizesWithoutANotice)
{
    summer_day_at_34n(5);
    std::vector<shipped_picture> all = {{tex_grass, -105, "rway_gras", 256}, {tex_dirt, -105, "rway_dirt", 256},
                            {tex_gravel, -105, "rway_grav", 256}, {tex_markers, 0, "markers", 256},
                            {tex_windsock, 0, "windsock", 128}, {tex_metal, 0, "metal", 128},
                            {tex_bsnow, -106, "bsnow", 256}};
    for (int k = 0; k < rway_set_size; k++) {
        all.push_back({tex_asphalt_first + k, 0, shipped_runway_names[k], 256});
        all.push_back({tex_concrete_first + k, 0, shipped_runway_names[k], 256});
    }
    expect_pictures_load(all);
}

TEST(ShippedTextures, RunwayNumberHalvesHoldTheirDigitNextToTheCentreLine)
{
    reset_suite_state();
    MACIBM_set_constants();
    // Rows through the digits, clear of the side stripe at the runway's edge.
    for (const char* set : {"asphalt/", "concrete/"}) {
        for (int d = 0; d <= 9; d++) {
            std::string set_name = set;
            if (d <= 3) {
                texels tens = read_shipped(shipped_texture(set_name + "rway_" + std::to_string(d) + "L"));
                ASSERT_EQ(tens.w, 256);
                EXPECT_GT(paint_in(tens, 128, 255, 60, 195), 200) << set << d << "L: the digit by the centre line";
                EXPECT_EQ(paint_in(tens, 30, 127, 0, 255), 0) << set << d << "L: nothing towards the edge";
            }
            texels units = read_shipped(shipped_texture(set_name + "rway_" + std::to_string(d) + "R"));
            ASSERT_EQ(units.w, 256);
            EXPECT_GT(paint_in(units, 0, 127, 60, 195), 200) << set << d << "R: the digit by the centre line";
            EXPECT_EQ(paint_in(units, 128, 225, 0, 255), 0) << set << d << "R: nothing towards the edge";
        }
        // A digit stands upright: "7" has its bar across the top (high t) only.
        texels seven = read_shipped(shipped_texture(std::string(set) + "rway_7R"));
        EXPECT_GT(paint_in(seven, 0, 127, 170, 200), paint_in(seven, 0, 127, 50, 80) * 2) << set;
    }
}

TEST(ShippedTextures, MarkerCellsAndTheTransparentKeyWhereTheyBelong)
{
    reset_suite_state();
    MACIBM_set_constants();
    texels m = read_shipped(shipped_texture("surfaces/markers"));
    ASSERT_EQ(m.w, 256);
    for (int g = 0; g < 16; g++) {
        int x0 = (g % 4) * 64, y0 = (g / 4) * 64;
        unsigned ground = m.at(x0 + 2, y0 + 2);
        int r = ground >> 16 & 255, gr = ground >> 8 & 255;
        if (g >= 12 && g <= 14) {
            EXPECT_LT(r, 60) << "glyph " << g << " on black";
        } else {
            EXPECT_TRUE(r > 150 && gr < 80) << "glyph " << g << " on red";
        }
        int white = paint_in(m, x0, x0 + 63, y0, y0 + 63);
        if (g == 15) {
            EXPECT_EQ(white, 0) << "the blank cell";
        } else {
            EXPECT_GT(white, 150) << "glyph " << g;
        }
    }

    // Each glyph in its own cell, upright and not mirrored. The glyph fills
    // s 0.22..0.78 and t 0.11..0.89 of its cell on a 5 x 7 grid.
    const float gu0 = 0.22f, gu1 = 0.78f, gv0 = 0.11f, gv1 = 0.89f;
    auto in_cell = [&](int g, float u0, float u1, float v0, float v1) {
        int x0 = (g % 4) * 64, y0 = (g / 4) * 64;
        return paint_in(m, x0 + (int)ceilf(u0 * 64), x0 + (int)(u1 * 64) - 1, y0 + (int)ceilf(v0 * 64),
                        y0 + (int)(v1 * 64) - 1);
    };
    // The middle of grid column col and row row (the top row 0).
    auto lit = [&](int g, int col, int row) {
        float u = gu0 + (gu1 - gu0) * (col + 0.5f) / 5, v = gv1 - (gv1 - gv0) * (row + 0.5f) / 7;
        return is_paint(m.at((g % 4) * 64 + (int)(u * 64), (g / 4) * 64 + (int)(v * 64)));
    };
    const int cell_L = 10, cell_R = 11;
    EXPECT_GT(in_cell(cell_L, 0, 0.5f, 0, 0.5f), 50) << "L: its foot and stem low on the left";
    EXPECT_EQ(in_cell(cell_L, 0.5f, 1, 0.5f, 1), 0) << "L: nothing high on the right";
    EXPECT_GT(in_cell(cell_R, 0.5f, 1, 0.5f, 1), 50) << "R: its bowl high on the right";
    EXPECT_TRUE(lit(cell_R, 0, 0) && !lit(cell_R, 4, 0)) << "R: the stem at the top left, the bowl's corner round";
    EXPECT_TRUE(lit(cell_R, 4, 6) && !lit(cell_R, 4, 3)) << "R: the leg at the bottom right, below the bowl";
    // 6 and 9 are each other turned half round: the columns next to the
    // glyph's sides tell them apart.
    const float left0 = 0.24f, left1 = 0.31f, right0 = 0.69f, right1 = 0.76f;
    const float low0 = 0.13f, low1 = 0.44f, high0 = 0.56f, high1 = 0.87f;
    EXPECT_GT(in_cell(6, left0, left1, low0, low1), 20) << "6: its loop low on the left";
    EXPECT_EQ(in_cell(6, right0, right1, high0, high1), 0) << "6: open high on the right";
    EXPECT_GT(in_cell(9, right0, right1, high0, high1), 20) << "9: its loop high on the right";
    EXPECT_EQ(in_cell(9, left0, left1, low0, low1), 0) << "9: open low on the left";

    // Holes only in the unpaved strips, along both long edges and not in the middle.
    for (const char* strip : {"grass/rway_gras", "dirt/rway_dirt", "grav/rway_grav"}) {
        texels t = read_shipped(shipped_texture(strip));
        ASSERT_EQ(t.w, 256) << strip;
        for (int y = 0; y < 256; y++) {
            EXPECT_TRUE(is_key(t.at(0, y)) && is_key(t.at(255, y))) << strip << " row " << y;
            EXPECT_FALSE(is_key(t.at(128, y))) << strip << " row " << y;
            // The two edges mirrored, so a section turned end for end meets
            // the next without a step.
            int mirrored = 1;
            for (int x = 0; x < 128; x++) mirrored &= is_key(t.at(x, y)) == is_key(t.at(255 - x, y));
            EXPECT_TRUE(mirrored) << strip << " row " << y;
        }
    }
    std::vector<std::string> solid = {"surfaces/markers", "surfaces/windsock", "surfaces/metal", "overlay/bsnow"};
    for (const char* name : shipped_runway_names) {
        solid.push_back(std::string("asphalt/") + name);
        solid.push_back(std::string("concrete/") + name);
    }
    for (const std::string& name : solid) {
        texels t = read_shipped(shipped_texture(name));
        ASSERT_GT(t.w, 0) << name;
        int keyed = 0;
        for (unsigned c : t.rgb) keyed += is_key(c);
        EXPECT_EQ(keyed, 0) << name;
    }
}

// The pictures stand the way the drawers lay them: the displaced-threshold
// arrow points up t (toward the threshold), the partial side stripes lie on
// the threshold half, the windsock's bands run across t.
TEST(ShippedTextures, ArrowStripesAndBandsRunTheirWay)
{
    reset_suite_state();
    MACIBM_set_constants();
    for (const char* set : {"asphalt/", "concrete/"}) {
        texels disp = read_shipped(shipped_texture(std::string(set) + "rway_disp"));
        ASSERT_EQ(disp.w, 256) << set;
        // The head's broad base above the middle, the shaft below it; nothing past the tip.
        EXPECT_GT(paint_in(disp, 0, 255, 161, 179), 2 * paint_in(disp, 0, 255, 77, 95)) << set;
        EXPECT_EQ(paint_in(disp, 0, 255, 236, 255), 0) << set;

        texels lint = read_shipped(shipped_texture(std::string(set) + "rway_lint"));
        ASSERT_EQ(lint.w, 256) << set;
        for (int x0 : {8, 244}) {
            EXPECT_GT(paint_in(lint, x0, x0 + 3, 0, 127), 300) << set << " stripe at column " << x0;
            EXPECT_EQ(paint_in(lint, x0, x0 + 3, 128, 255), 0) << set << " stripe at column " << x0;
        }
    }

    texels sock = read_shipped(shipped_texture("surfaces/windsock"));
    ASSERT_EQ(sock.w, 128);
    auto orange = [&](int x, int y) { return (sock.at(x, y) & 255) < 120; };
    for (int band = 0; band < 5; band++) {
        int y = band * 128 / 5 + 12;
        int across = 1;
        for (int x = 0; x < 128; x++) across &= orange(x, y) == (band % 2 == 0);
        EXPECT_TRUE(across) << "band " << band << ": one colour across the row, orange at both ends";
    }
}

// ---- the shipped sky and fire textures ------------------------------------------------

TEST(ShippedTextures, SkyAndFirePicturesLoadAtTheirSizesWithoutANotice)
{
    summer_day_at_34n(5);
    std::vector<shipped_picture> all = {
        {tex_moon, -105, "moon", 128}, {tex_cloud, -106, "cloud", 256}, {tex_smoke, -106, "smoke", 128}};
    std::vector<std::string> fires;
    for (int k = 1; k <= 12; k++) fires.push_back("fire" + std::to_string(k));
    for (int k = 0; k < 12; k++) all.push_back({tex_fire_first + k, -105, fires[k].c_str(), 128});
    expect_pictures_load(all);
}

// The cloud drawer repeats the picture once a cell, each cell turned a
// quarter more than its west and south neighbours: laid out so, the step
// between the texels either side of any cell edge is no larger than the
// steps inside the picture. Puffs cover a good part of it, with clear sky
// between.
TEST(ShippedTextures, CloudPuffsJoinAcrossEveryTurnedEdge)
{
    reset_suite_state();
    MACIBM_set_constants();
    texels c = read_shipped(shipped_texture("overlay/cloud"));
    ASSERT_EQ(c.w, 256);
    const int n = 256;
    auto b = [&](int x, int y) { return (int)(c.at(x, y) & 255); };
    // Texel (a, b) of a cell turned r quarters, a east and b north.
    auto turned = [&](int r, int a, int bb) {
        switch (r % 4) {
        case 0: return b(a, bb);
        case 1: return b(bb, n - 1 - a);
        case 2: return b(n - 1 - a, n - 1 - bb);
        default: return b(n - 1 - bb, a);
        }
    };
    int inside = 0, across = 0, full = 0, clear = 0;
    for (int y = 0; y < n; y++)
        for (int x = 0; x + 1 < n; x++) {
            inside = std::max(inside, abs(b(x, y) - b(x + 1, y)));
            inside = std::max(inside, abs(b(y, x) - b(y, x + 1)));
            full += b(x, y) > 160;
            clear += b(x, y) < 16;
        }
    for (int r = 0; r < 4; r++)
        for (int k = 0; k < n; k++) {
            across = std::max(across, abs(turned(r, n - 1, k) - turned(r + 1, 0, k)));   // east edge
            across = std::max(across, abs(turned(r, k, n - 1) - turned(r + 1, k, 0)));   // north edge
        }
    EXPECT_LE(across, inside) << "a seam where turned cells meet";
    EXPECT_GT(full, n * n / 4);
    EXPECT_GT(clear, n * n / 20);
}

// The smoke puff fades out before the picture's edges; the moon is a disc
// in the key colour's square, its seas darker than its highlands; the fire
// frames stand on the bottom row under clear tops, and the twelfth runs on
// into the first as each runs into the next.
TEST(ShippedTextures, SmokeMoonAndFireShapes)
{
    reset_suite_state();
    MACIBM_set_constants();
    texels smoke = read_shipped(shipped_texture("overlay/smoke"));
    ASSERT_EQ(smoke.w, 128);
    int edge_max = 0;
    for (int k = 0; k < 128; k++)
        for (unsigned t : {smoke.at(k, 0), smoke.at(k, 127), smoke.at(0, k), smoke.at(127, k)})
            edge_max = std::max(edge_max, (int)(t & 255));
    EXPECT_LE(edge_max, 4);
    EXPECT_GT((int)(smoke.at(64, 64) & 255), 90);

    texels moon = read_shipped(shipped_texture("overlay/moon"));
    ASSERT_EQ(moon.w, 128);
    for (unsigned t : {moon.at(0, 0), moon.at(127, 0), moon.at(0, 127), moon.at(127, 127), moon.at(64, 2)})
        EXPECT_TRUE(is_key(t));
    int darkest = 255, brightest = 0;
    for (int y = 24; y < 104; y++)
        for (int x = 24; x < 104; x++) {
            ASSERT_FALSE(is_key(moon.at(x, y))) << x << " " << y;
            int g = (int)(moon.at(x, y) >> 8 & 255);
            darkest = std::min(darkest, g), brightest = std::max(brightest, g);
        }
    EXPECT_GT(brightest - darkest, 60);

    std::vector<texels> fire;
    for (int k = 1; k <= 12; k++) fire.push_back(read_shipped(shipped_texture("fire/fire" + std::to_string(k))));
    std::vector<int> step;
    for (int k = 0; k < 12; k++) {
        const texels& f = fire[k];
        ASSERT_EQ(f.w, 128) << k + 1;
        int top = 0, bottom = 0;
        for (int x = 0; x < 128; x++) top += is_key(f.at(x, 127)), bottom += !is_key(f.at(x, 0));
        EXPECT_EQ(top, 128) << "fire" << k + 1;
        EXPECT_EQ(bottom, 128) << "fire" << k + 1;
        const texels& next = fire[(k + 1) % 12];
        int d = 0;
        for (int i = 0; i < 128 * 128; i++) d += is_key(f.rgb[i]) != is_key(next.rgb[i]);
        step.push_back(d);
    }
    int most = *std::max_element(step.begin(), step.end() - 1), least = *std::min_element(step.begin(), step.end() - 1);
    EXPECT_GT(least, 0) << "every frame moves";
    EXPECT_LE(step[11], most) << "fire12 runs on into fire1";
    EXPECT_GE(step[11], least);
}
