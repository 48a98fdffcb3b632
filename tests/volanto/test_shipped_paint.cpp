// The shipped Cessna's paint, as the data generator leaves it in the program
// folder: a picture for every paint code the loader asks for that the
// aircraft has, each of its part template's size, no template left behind,
// and the registration reading forwards on both sides of the fuselage.
#include <gtest/gtest.h>

#include "Drplane.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initpln.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A picture read through the loader's own reader: RGB, the bottom row first.
struct picture {
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;
    const unsigned char* at(int c, int r) const { return rgb.data() + ((size_t)r * w + c) * 3; }
    bool same(int c, int r, const picture& o, int oc) const { return memcmp(at(c, r), o.at(oc, r), 3) == 0; }
};

bool read_picture(const std::string& path, picture& p)
{
    FILE* in = fopen(path.c_str(), "rb");
    if (!in) return false;
    int ok = read_bmp(in, path.c_str(), -102, 0, 0, &p.w, &p.h);
    fclose(in);
    if (!ok) return false;
    p.rgb.assign(rgb_array, rgb_array + (size_t)p.w * p.h * 3);
    return true;
}

const std::string shipped_base = std::string(PROGRAM_DIR) + default_plane_folder + "Cessna 172 Skyhawk";

// The shipped Cessna in slot 0, its templates written beside a copy's name
// in the test's folder; returns that copy's base name.
std::string cessna_with_templates(void)
{
    reset_suite_state();
    open_loader_surroundings();
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "%s%s%s", PROGRAM_DIR, default_plane_folder, default_plane_file);
    snprintf(pln[0].C_file, sizeof pln[0].C_file, "%s", default_plane_file);
    EXPECT_EQ(load_plane(0), 1);
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "%sCessna 172 Skyhawk.acf", test_scratch_folder());
    load_plane_geo(0, 1, 0, 0);
    close_loader_surroundings();
    return std::string(test_scratch_folder()) + "Cessna 172 Skyhawk";
}

// The text in the dot font in columns [c0, c1) and rows [r0, r1) of p, n
// characters with a dot between them; mirrored reads it from the right with
// each glyph turned over. A dot is a pixel unlike the row's first pixel.
std::string read_lettering(const picture& p, int c0, int c1, int r0, int r1, int n, bool mirrored)
{
    const int dw = (c1 - c0) / (6 * n - 1), dh = (r1 - r0) / 7;
    std::string text;
    for (int i = 0; i < n; i++) {
        char dots[36] = {};
        for (int v = 0; v < 7; v++)
            for (int u = 0; u < 5; u++) {
                int x = (6 * i + u) * dw + dw / 2;
                int c = mirrored ? c1 - 1 - x : c0 + x, r = r1 - 1 - (v * dh + dh / 2);
                dots[v * 5 + u] = p.same(c, r, p, 0) ? '.' : '#';
            }
        char found = '?';
        for (const char* k = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"; *k && found == '?'; k++)
            if (memcmp(font_dots_of(*k), dots, 35) == 0) found = *k;
        text += found;
    }
    return text;
}

}  // namespace

// Every part with a template has its paint, of the template's size, and the
// propeller, struts and right-hand faces theirs; nothing for the parts the
// Cessna lacks, and no template left in the shipped folder.
TEST(ShippedPaint, CessnaHasEveryPaintTheLoaderReads)
{
    const std::string scratch = cessna_with_templates();
    int templates = 0;
    for (int code = paint_wng1; code <= paint_fair; code++) {
        SCOPED_TRACE(paint_suffix[code]);
        picture templ, paint;
        bool has_part = read_picture(scratch + paint_suffix[code] + "start.bmp", templ);
        bool painted = read_picture(shipped_base + paint_suffix[code] + ".bmp", paint);
        EXPECT_EQ(painted, has_part);
        if (!has_part || !painted) continue;
        templates++;
        EXPECT_EQ(paint.w, templ.w);
        EXPECT_EQ(paint.h, templ.h);
    }
    // Wings 1 and 2, the stabiliser, fin 1, the fuselage and the wheel fairings.
    EXPECT_EQ(templates, 6);

    struct extra {
        int code;
        bool wanted;
    } extras[] = {
        {paint_prop, true}, {paint_strt, true}, {paint_vst1R, true}, {paint_vst2R, false}, {paint_fuseR, true}};
    for (const extra& e : extras) {
        picture p;
        EXPECT_EQ(read_picture(shipped_base + paint_suffix[e.code] + ".bmp", p), e.wanted) << paint_suffix[e.code];
    }
    for (const auto& entry : std::filesystem::directory_iterator(std::string(PROGRAM_DIR) + default_plane_folder))
        EXPECT_EQ(entry.path().filename().string().find("start.bmp"), std::string::npos) << entry.path();
}

// The fuselage's columns run nose to tail on both sides and its " fuseR"
// picture dresses the right side (x > 0): the left side's picture reads the
// registration forwards from the first column, the right side's from the
// last with each glyph turned over; both sides are otherwise alike, and the
// letters stand on the fuselage's outline.
TEST(ShippedPaint, RegistrationReadsForwardsOnBothSides)
{
    const std::string scratch = cessna_with_templates();
    const int fuse = part_fuselage, mid = f_body_s_dim(fuse, 0) / 2, R = f_body_r_dim(fuse);
    ASSERT_GT(geo_xyz[0][fuse][mid][R / 4][0], 0.0f);    // the points fuseR's strips join lie right
    ASSERT_GT(geo_st[0][fuse][mid + 1][0][0], geo_st[0][fuse][mid][0][0]);

    picture left, right, templ;
    ASSERT_TRUE(read_picture(shipped_base + " fuse.bmp", left));
    ASSERT_TRUE(read_picture(shipped_base + " fuseR.bmp", right));
    ASSERT_TRUE(read_picture(scratch + " fusestart.bmp", templ));
    ASSERT_EQ(right.w, left.w);
    ASSERT_EQ(right.h, left.h);

    // The lettering is where the two sides differ.
    int c0 = left.w, c1 = 0, r0 = left.h, r1 = 0;
    for (int r = 0; r < left.h; r++)
        for (int c = 0; c < left.w; c++)
            if (!left.same(c, r, right, c)) {
                c0 = std::min(c0, c);
                c1 = std::max(c1, c + 1);
                r0 = std::min(r0, r);
                r1 = std::max(r1, r + 1);
            }
    const char* tailnum = pln[0].tailnum;
    const int n = (int)strlen(tailnum);
    ASSERT_GT(c1, c0);
    ASSERT_EQ((c1 - c0) % (6 * n - 1), 0);
    ASSERT_EQ((r1 - r0) % 7, 0);
    EXPECT_EQ(read_lettering(left, c0, c1, r0, r1, n, false), tailnum);
    EXPECT_EQ(read_lettering(right, c0, c1, r0, r1, n, true), tailnum);

    for (int c = c0; c < c1; c++)
        for (int r : {r0, r1 - 1}) EXPECT_EQ(templ.at(c, r)[0], 250) << "column " << c << " row " << r;
}
