// The cockpit panel's pictures as the data generator leaves them in the
// program folder: each at the size the panel composition pastes it; pure
// magenta, the tiles' transparent colour, in every pixel of the two panel
// backgrounds' windshield rows and in no other pixel of any panel picture;
// dark windows under the readouts drawn over the faces; and in the handle
// sheet every kind opaque over its whole rectangle with only magenta round
// it in its cell.
#include <gtest/gtest.h>

#include "HL_GRAPH.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// A picture read through the loader's own reader: RGB, the bottom row first.
struct picture {
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;
    const unsigned char* at(int c, int r) const { return rgb.data() + ((size_t)r * w + c) * 3; }
    bool magenta(int c, int r) const
    {
        const unsigned char* p = at(c, r);
        return p[0] == 255 && p[1] == 0 && p[2] == 255;
    }
};

bool read_picture(const std::string& path, picture& p)
{
    if (!read_bmp_file(path.c_str(), bmp_by_path, 0, 0, &p.w, &p.h)) return false;
    p.rgb.assign(rgb_array, rgb_array + (size_t)p.w * p.h * 3);
    return true;
}

struct shipped {
    const char* name;   // under the program folder, less ".BMP"
    int w, h;
};

const shipped panel_pictures[] = {
    {"bitmaps/VolSim/PANL_P", 800, 582},   {"bitmaps/VolSim/PANL_H", 800, 582},
    {"bitmaps/VolSim/pict_rdo", 152, 304}, {"bitmaps/VolSim/pict_gps", 152, 72},
    {"bitmaps/VolSim/pict_eca", 155, 170}, {"bitmaps/VolSim/pict_efi", 388, 300},
    {"bitmaps/VolSim/b_gear", 32, 56},     {"bitmaps/VolSim/pict_asi", 128, 128},
    {"bitmaps/VolSim/pict_ahz", 128, 128}, {"bitmaps/VolSim/pict_alt", 128, 128},
    {"bitmaps/VolSim/pict_trn", 128, 128}, {"bitmaps/VolSim/pict_ned", 128, 128},
    {"bitmaps/VolSim/pict_hsi", 128, 128}, {"bitmaps/VolSim/pict_vvi", 128, 128},
    {"bitmaps/VolSim/pict_vor", 100, 146}, {"bitmaps/VolSim/pict_str", 100, 146},
    {"bitmaps/VolSim/pict_arg", 100, 146}, {"bitmaps/VolSim/pict_rlt", 100, 146},
    {"bitmaps/VolSim/pict_var", 100, 146}, {"bitmaps/VolSim/pict_rad", 100, 146},
    {"bitmaps/VolSim/pict_rmi", 100, 146}, {"bitmaps/VolSim/pict_tim", 100, 24},
    {"bitmaps/VolSim/pict_adf", 100, 152}, {"bitmaps/VolSim/pict_eng", 76, 76},
    {"bitmaps/VolSim/pict_egt", 60, 20},   {"bitmaps/VolSim/b_trim", 16, 60},
    {"bitmaps/VolSim/b_sbrka", 32, 52},    {"bitmaps/VolSim/b_sbrkm", 32, 52},
    {"bitmaps/VolSim/b_swee", 32, 50},     {"bitmaps/VolSim/b_vect", 48, 64},
};
const char* const hand_sheet = "textures/cockpit/hand";

std::string shipped_path(const char* name) { return std::string(PROGRAM_DIR) + name + ".BMP"; }

bool is_panel_background(const char* name)
{
    return strstr(name, "PANL_") != nullptr;
}

}  // namespace

TEST(ShippedPanel, EveryPictureHasTheSizeItIsPastedAt)
{
    std::vector<shipped> all(std::begin(panel_pictures), std::end(panel_pictures));
    all.push_back({hand_sheet, 128, 128});
    for (const shipped& s : all) {
        picture p;
        ASSERT_TRUE(read_picture(shipped_path(s.name), p)) << s.name;
        EXPECT_EQ(p.w, s.w) << s.name;
        EXPECT_EQ(p.h, s.h) << s.name;
    }
}

// A magenta pixel over the 3D view is a hole in the panel; a windshield
// pixel of any other colour hides the view.
TEST(ShippedPanel, MagentaOnlyInTheWindshieldRows)
{
    for (const shipped& s : panel_pictures) {
        picture p;
        ASSERT_TRUE(read_picture(shipped_path(s.name), p)) << s.name;
        int wrong = 0, first_c = -1, first_r = -1;
        for (int r = 0; r < p.h; r++)
            for (int c = 0; c < p.w; c++) {
                bool wanted = is_panel_background(s.name) && r >= 340 && r <= 559;
                if (p.magenta(c, r) == wanted) continue;
                if (!wrong++) {
                    first_c = c;
                    first_r = r;
                }
            }
        EXPECT_EQ(wrong, 0) << s.name << ": first at column " << first_c << " row " << first_r;
    }
}

// Right of x 485 the radio stack and the lever group trade places by radio
// type, so the body there holds nothing but its rows' own colours; the
// status line is written over three stretches of the glare shield.
TEST(ShippedPanel, BareWhereTheLayoutMovesAndWhereTheStatusLineRuns)
{
    struct stretch {
        int x0, x1, y0, y1;
    } plain[] = {{485, 799, 0, 339}, {10, 94, 566, 576}, {130, 244, 566, 576}, {430, 586, 566, 576}};
    for (const char* name : {"bitmaps/VolSim/PANL_P", "bitmaps/VolSim/PANL_H"}) {
        picture p;
        ASSERT_TRUE(read_picture(shipped_path(name), p)) << name;
        for (const stretch& s : plain)
            for (int r = s.y0; r <= s.y1; r++)
                for (int c = s.x0; c <= s.x1; c++)
                    if (memcmp(p.at(c, r), p.at(s.x0, r), 3) != 0) {
                        ADD_FAILURE() << name << ": column " << c << " row " << r << " unlike the row's start";
                        c = s.x1;
                        r = s.y1;
                    }
    }
}

// What the panel draws over a face reads against a dark window: the
// altimeter's two drums, the turn instruments' ball over its whole travel,
// the exhaust-temperature mark over its own. Boxes in the picture's pixels.
TEST(ShippedPanel, ReadoutsLieOverDarkWindows)
{
    struct window {
        const char* name;
        int x0, y0, x1, y1;
    } windows[] = {
        {"bitmaps/VolSim/pict_alt", 47, 43, 70, 52},   // altitude drum, 17 left and 21 below the centre
        {"bitmaps/VolSim/pict_alt", 73, 59, 96, 68},   // setting drum
        {"bitmaps/VolSim/pict_trn", 48, 18, 81, 24},   // the ball 15 either side, 46 below
        {"bitmaps/VolSim/pict_ned", 48, 18, 81, 24},
        {"bitmaps/VolSim/pict_egt", 20, 8, 50, 12},    // the mark 8 left to 22 right of its gauge point
    };
    for (const window& w : windows) {
        picture p;
        ASSERT_TRUE(read_picture(shipped_path(w.name), p)) << w.name;
        int light = 0;
        for (int r = w.y0; r <= w.y1; r++)
            for (int c = w.x0; c <= w.x1; c++) {
                const unsigned char* q = p.at(c, r);
                light += q[0] > 30 || q[1] > 30 || q[2] > 30;
            }
        EXPECT_EQ(light, 0) << w.name << " at " << w.x0 << ", " << w.y0;
    }
}

// Kind k lies at column k mod 4 and row k div 4 of 32 x 32 cells and fills
// exactly its rectangle from the cell's lower-left corner; the sheet is
// drawn with magenta keyed out, so a magenta pixel inside is a hole in the
// handle and any other pixel outside a stray fringe beside it. Each "on"
// picture differs from its "off" one.
TEST(ShippedPanel, HandleKindsFillTheirRectanglesAndNothingElse)
{
    static const int size[16][2] = {{10, 9},  {10, 9},  {16, 24}, {16, 24}, {20, 13}, {20, 13},
                                    {18, 10}, {18, 10}, {13, 14}, {9, 27},  {9, 27},  {6, 4},
                                    {30, 8},  {20, 5},  {12, 13}, {27, 9}};
    picture p;
    ASSERT_TRUE(read_picture(shipped_path(hand_sheet), p));
    ASSERT_EQ(p.w, 128);
    ASSERT_EQ(p.h, 128);
    for (int k = 0; k < 16; k++) {
        int x0 = 32 * (k % 4), y0 = 32 * (k / 4), holes = 0, fringe = 0;
        for (int r = 0; r < 32; r++)
            for (int c = 0; c < 32; c++) {
                bool inside = c < size[k][0] && r < size[k][1];
                bool m = p.magenta(x0 + c, y0 + r);
                holes += inside && m;
                fringe += !inside && !m;
            }
        EXPECT_EQ(holes, 0) << "kind " << k;
        EXPECT_EQ(fringe, 0) << "kind " << k;
    }
    for (int off = 0; off <= 6; off += 2) {
        int differing = 0;
        for (int r = 0; r < size[off][1]; r++)
            for (int c = 0; c < size[off][0]; c++)
                differing += memcmp(p.at(32 * (off % 4) + c, 32 * (off / 4) + r),
                                    p.at(32 * ((off + 1) % 4) + c, 32 * ((off + 1) / 4) + r), 3) != 0;
        EXPECT_GT(differing, 0) << "kinds " << off << " and " << off + 1;
    }
}
