// Paint templates on small made-up aircraft whose mesh coordinates are set
// by hand: the template's size from the part's shape, the file's header, the
// outline with its control-surface greys and hinge and element lines, every
// pixel kept on the picture, which parts get a template; and one template
// of the shipped aircraft byte for byte as a golden file (VOLANTO_REGOLD=1
// rewrites it).
#include <gtest/gtest.h>

#include "Drplane.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Hl_types.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// A BMP file as written: its header fields and pixels as 0xRRGGBB.
struct bmp_file {
    std::string d;
    uint32_t u(int at, int n) const
    {
        uint32_t v = 0;
        for (int k = n - 1; k >= 0; k--) v = (v << 8) | (unsigned char)d[at + k];
        return v;
    }
    int w() const { return (int)u(18, 4); }
    int h() const { return (int)u(22, 4); }
    uint32_t at(int c, int r) const
    {
        size_t i = 54 + (size_t)r * ((w() * 3 + 3) & ~3) + c * 3;
        return ((unsigned char)d[i + 2] << 16) | ((unsigned char)d[i + 1] << 8) | (unsigned char)d[i];
    }
};

bmp_file read_bmp_file(const std::string& path) { return {read_file(path)}; }

uint32_t grey(int v) { return (uint32_t)v * 0x010101u; }

// Slot 0 named "Tiny.acf": a right wing (part 5) of the given elements, its
// root and tip sections alike with the leading edge, hinge and trailing
// edge at s le, hinge, te; every other part the reset left.
void tiny_wing(int els, float le, float hinge, float te, float aspect)
{
    reset_suite_state();
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "Tiny.acf");
    const int wing = part_wing_first + 1;
    pln[0].semilen[wing] = 5;
    pln[0].els[wing] = els;
    geo_sections[0][wing] = els + 1;
    for (int sec : {0, els}) {
        geo_st[0][wing][sec][0][0] = le;
        geo_st[0][wing][sec][5][0] = hinge;
        geo_st[0][wing][sec][6][0] = te;
    }
    geo_aspect[0][wing] = aspect;
}

}  // namespace

// A long body gets a wide template, a short wing a narrow one; nothing is
// ever over 512 a side, and a 512-square comes out at 256.
TEST(PaintTemplates, SizeFollowsThePartsShape)
{
    struct size_case {
        const char* file;
        int part;
        float aspect;
        int w, h;
    } cases[] = {
        {"Tiny fusestart.bmp", part_fuselage, 5.0f, 512, 128},      // 1024 x 256 halved
        {"Tiny wng1start.bmp", part_wing_first + 1, 1.0f, 256, 256},  // 512 x 512 halved
        {"Tiny wng1start.bmp", part_wing_first + 1, 7.0f, 256, 256},  // a wing is never wider than high
        {"Tiny wng1start.bmp", part_wing_first + 1, 0.166f, 64, 512},
        {"Tiny wng1start.bmp", part_wing_first + 1, 0.167f, 128, 512},
        {"Tiny wng1start.bmp", part_wing_first + 1, 0.374f, 128, 512},
        {"Tiny wng1start.bmp", part_wing_first + 1, 0.375f, 256, 512},
        {"Tiny hstbstart.bmp", part_hstab_right, 0.749f, 128, 256},
        {"Tiny hstbstart.bmp", part_hstab_right, 0.75f, 256, 256},
        {"Tiny fusestart.bmp", part_fuselage, 0.2f, 256, 256},       // a body is never higher than wide
        {"Tiny fusestart.bmp", part_fuselage, 1.49f, 256, 256},
        {"Tiny fusestart.bmp", part_fuselage, 1.5f, 512, 256},
        {"Tiny fusestart.bmp", part_fuselage, 2.99f, 512, 256},
        {"Tiny nacestart.bmp", part_nacelle_first, 3.0f, 256, 64},
    };
    for (const size_case& k : cases) {
        tiny_wing(1, 0.1f, 0.6f, 0.9f, 1);
        pln[0].semilen[part_hstab_right] = 2;
        pln[0].numen = 1;
        pln[0].nace_eq = 1;
        geo_aspect[0][k.part] = k.aspect;
        paint_plane(0, 1, 0, 0);
        bmp_file b = read_bmp_file(k.file);
        EXPECT_EQ(b.w(), k.w) << k.file << " " << k.aspect;
        EXPECT_EQ(b.h(), k.h) << k.file << " " << k.aspect;
    }
}

TEST(PaintTemplates, HeaderIsA24BitBottomUpBitmapOfTheWholeFile)
{
    tiny_wing(1, 0.1f, 0.6f, 0.9f, 0.3f);
    paint_plane(0, 1, 0, 0);
    bmp_file b = read_bmp_file("Tiny wng1start.bmp");
    ASSERT_EQ(b.d.size(), 54u + 128 * 512 * 3);
    EXPECT_EQ(b.d.substr(0, 2), "BM");
    EXPECT_EQ(b.u(2, 4), b.d.size());
    EXPECT_EQ(b.u(6, 4), 0u);
    EXPECT_EQ(b.u(10, 4), 54u);
    EXPECT_EQ(b.u(14, 4), 40u);
    EXPECT_EQ(b.w(), 128);
    EXPECT_EQ(b.h(), 512);
    EXPECT_EQ(b.u(26, 2), 1u);
    EXPECT_EQ(b.u(28, 2), 24u);
    for (int at = 30; at < 54; at += 4) EXPECT_EQ(b.u(at, 4), 0u) << at;
    EXPECT_EQ(access("Tiny wng1start.bmp.new", F_OK), -1);
}

// Five elements: none, elevator, aileron, elevator + rudder, aileron +
// flap. Columns: leading edge 13, hinge 76, trailing edge 114 of 128.
TEST(PaintTemplates, WingShowsOutlineControlGreysHingeAndElementLines)
{
    tiny_wing(5, 0.1f, 0.6f, 0.9f, 0.3f);
    const int wing = part_wing_first + 1;
    pln[0].elev[wing][1] = 1;
    pln[0].ailn[wing][2] = 1;
    pln[0].elev[wing][3] = pln[0].rudd[wing][3] = 1;
    pln[0].ailn[wing][4] = pln[0].flap[wing][4] = 1;
    paint_plane(0, 1, 0, 0);
    bmp_file b = read_bmp_file("Tiny wng1start.bmp");
    ASSERT_EQ(b.w(), 128);
    ASSERT_EQ(b.h(), 512);

    struct row_case {
        int row;
        int hinge, control;     // the hinge pixel, the control surface behind it
    } rows[] = {
        {51, 250, 250},          // no control: all outline
        {153, 125, 160},         // elevator: hinge halved once
        {256, 125, 140},         // aileron
        {358, 62, 180},          // elevator and rudder: the rudder's grey, halved twice
        {460, 62, 200},          // aileron and flap: the flap's grey
        {103, 125, 125},         // none -> elevator: one line across the controls
        {205, 31, 40},           // elevator -> aileron: two controls change
        {410, 62 >> 4, 180 >> 4},  // elevator + rudder -> aileron + flap: all four change
    };
    for (const row_case& k : rows) {
        EXPECT_EQ(b.at(11, k.row), 0u) << k.row;               // outside: black
        EXPECT_EQ(b.at(12, k.row), grey(250)) << k.row;        // leading edge - 1
        EXPECT_EQ(b.at(75, k.row), grey(250)) << k.row;
        EXPECT_EQ(b.at(76, k.row), grey(k.hinge)) << k.row;
        EXPECT_EQ(b.at(77, k.row), grey(k.control)) << k.row;
        EXPECT_EQ(b.at(115, k.row), grey(k.control)) << k.row; // trailing edge + 1
        EXPECT_EQ(b.at(116, k.row), 0u) << k.row;
    }
}

// Outlines that reach the picture's edges stay on it: no pixel spills into
// the neighbouring row or past the picture.
TEST(PaintTemplates, OutlinesAtTheEdgesStayOnThePicture)
{
    tiny_wing(2, 0.0f, 0.5f, 1.0f, 0.3f);
    const int wing = part_wing_first + 1;
    pln[0].ailn[wing][0] = pln[0].ailn[wing][1] = 1;
    // The fuselage as two sections from s 0 to 1, its outline from t 0 to 1.
    geo_aspect[0][part_fuselage] = 2;
    geo_sections[0][part_fuselage] = 11;
    for (int sec = 0; sec < 11; sec++) {
        geo_st[0][part_fuselage][sec][0][0] = geo_st[0][part_fuselage][sec][8][0] = sec / 10.0f;
        geo_st[0][part_fuselage][sec][0][1] = 1;
        geo_st[0][part_fuselage][sec][8][1] = 0;
    }
    memset(rgb_array, 0x5a, sizeof rgb_array);
    paint_plane(0, 1, 0, 0);

    bmp_file w = read_bmp_file("Tiny wng1start.bmp");
    ASSERT_EQ(w.w(), 128);
    for (int r = 0; r < w.h(); r++) {
        ASSERT_EQ(w.at(0, r), grey(250)) << r;
        ASSERT_EQ(w.at(127, r), grey(140)) << r;
    }
    bmp_file f = read_bmp_file("Tiny fusestart.bmp");
    ASSERT_EQ(f.w(), 512);
    ASSERT_EQ(f.h(), 256);
    for (int r = 0; r < 256; r++) {
        ASSERT_EQ(f.at(0, r), 0u) << r;            // before the first strip
        ASSERT_EQ(f.at(1, r), grey(250)) << r;
        ASSERT_EQ(f.at(511, r), grey(250)) << r;
    }
    // The picture of the last file written ends where it ends.
    EXPECT_EQ(rgb_array[512 * 256 * 3], 0x5a);
}

// Only parts that exist get a template; the pylon template follows the
// engine count, and a short aircraft name keeps all it has.
TEST(PaintTemplates, WrittenForTheAircraftsOwnParts)
{
    tiny_wing(1, 0.1f, 0.6f, 0.9f, 0.3f);
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "ab");
    pln[0].semilen[part_vstab_2] = 1;
    paint_plane(0, 1, 0, 0);
    for (const char* name : {"ab wng1start.bmp", "ab vst2start.bmp", "ab fusestart.bmp"})
        EXPECT_EQ(access(name, F_OK), 0) << name;
    for (const char* name : {"ab wng2start.bmp", "ab pylnstart.bmp", "ab nacestart.bmp", "ab hstbstart.bmp"})
        EXPECT_EQ(access(name, F_OK), -1) << name;

    // Two engines: the second pylon's shape, not the fin's.
    pln[0].numen = 2;
    pln[0].semilen[part_pylon_first + 1] = 1;
    geo_aspect[0][part_vstab_2] = 1;
    geo_aspect[0][part_pylon_first + 1] = 0.1f;
    paint_plane(0, 1, 0, 0);
    EXPECT_EQ(read_bmp_file("ab pylnstart.bmp").w(), 32);
}

// The shipped aircraft's tail template, as the paint generator draws over it:
// outline, elevator grey and the hinge and element lines.
TEST(PaintTemplates, ShippedAircraftTailTemplateIsGolden)
{
    ASSERT_EQ(stand_cessna_at_ksbd(), 1);
    // Written beside a copy's name in the test's folder, not the program's.
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "%sCessna 172 Skyhawk.acf", test_scratch_folder());
    load_plane_geo(0, 1, 0, 0);
    std::string file = read_file(std::string(test_scratch_folder()) + "Cessna 172 Skyhawk hstbstart.bmp");
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(golden_diff("paint_c172_hstbstart.bmp", file), "");
}
