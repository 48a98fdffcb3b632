// The software drawing path (to_array set, no display): primitives, glyphs,
// strings and numbers checked pixel by pixel in rgb_array; the BMP loader's
// paste kinds, its alerts and its guards against bad files.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

int lit(int x, int y)
{
    const unsigned char* p = rgb_array + (y * 800 + x) * 3;
    return p[0] || p[1] || p[2];
}

int lit_count(int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) n += lit(x, y);
    return n;
}

// Rows top to bottom of the 5 x 7 box whose bottom-left dot is (x, y).
std::string box_rows(int x, int y)
{
    std::string s;
    for (int r = 0; r < 7; r++) {
        if (r) s += "/";
        for (int c = 0; c < 5; c++) s += lit(x + c, y + 6 - r) ? '#' : '.';
    }
    return s;
}

// The character whose dots fill the box at (x, y): "?" when none matches,
// " " for an empty box.
char read_glyph(int x, int y)
{
    std::string rows = box_rows(x, y), flat;
    for (char c : rows)
        if (c != '/') flat += c;
    if (flat.find('#') == std::string::npos) return ' ';
    for (const char* c = "0123456789-x._"; *c; c++)
        if (flat == font_dots_of(*c)) return *c;
    return '?';
}

// What OGL_number drew from px on: cells `advance` apart, the sign 6 left of
// px, a point as a lone dot between two cells.
std::string read_number(int px, int py, int cells, int advance)
{
    std::string s;
    s += read_glyph(px - 6, py);
    for (int k = 0; k < cells; k++) {
        int x = px + k * advance;
        s += read_glyph(x, py);
        // The point's dot stands half an advance after the cell's left edge, plus 2.
        int dot_x = x + advance / 2 + 2;
        if (k + 1 < cells && lit(dot_x, py) && !lit(dot_x, py + 1)) s += '.';
    }
    return s;
}

class SoftwareDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        memset(rgb_array, 0, sizeof rgb_array);
        to_array = 1;
        OGL_assigncolor(0, 1.0f, 1.0f, 1.0f);
        OGL_assigncolor(1, 0.2f, 1.0f, 0.2f);
        OGL_assigncolor(5, 0.92f, 0.87f, 0.67f);
    }
    void TearDown() override { to_array = 0; }
};

}  // namespace

// ---- colours and points ----------------------------------------------------

TEST_F(SoftwareDrawing, ColourBytesAreRoundedAndUntinted)
{
    ins.lite_rgb[0] = ins.lite_rgb[1] = ins.lite_rgb[2] = 0.0f;   // no effect in software
    OGL_setcolor(5);
    EXPECT_EQ(current_rgb[0], 235);     // 0.92 x 255 = 234.6
    EXPECT_EQ(current_rgb[1], 222);     // 221.85
    EXPECT_EQ(current_rgb[2], 171);     // 170.85
    OGL_setcolor(1);
    EXPECT_EQ(current_rgb[0], 51);
    EXPECT_EQ(current_rgb[1], 255);
}

TEST_F(SoftwareDrawing, PointsOffThePictureAreDropped)
{
    OGL_setcolor(0);
    unsigned char before[16];
    memcpy(before, rgb_array + rgb_array_bytes - 16, 16);
    BUF_point(800, 0);                 // would land on row 1
    BUF_point(-1, 1);                  // would land on row 0
    BUF_point(0, 600);
    BUF_point(0, -1);
    EXPECT_EQ(lit_count(0, 0, 799, 1), 0);
    EXPECT_EQ(memcmp(before, rgb_array + rgb_array_bytes - 16, 16), 0);
    BUF_point(799, 599);
    EXPECT_TRUE(lit(799, 599));
}

TEST(ColourTable, IndexPast79IsFatal)
{
    err.open("Error.out", std::ios::out | std::ios::trunc);
    OGL_assigncolor(79, 0.1f, 0.2f, 0.3f);
    EXPECT_FLOAT_EQ(col_rgb[79][2], 0.3f);
    EXPECT_EXIT(OGL_assigncolor(80, 1, 1, 1), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(read_file("Error.out").rfind("too many colors!\n\n\n\n", 0), 0u);
}

// ---- lines, rectangles, circles, arcs ------------------------------------------

TEST_F(SoftwareDrawing, LinesLightEveryPixelFromEndToEnd)
{
    OGL_line(0, 10, 10, 20, 10);
    EXPECT_EQ(lit_count(0, 0, 799, 599), 11);
    EXPECT_EQ(lit_count(10, 10, 20, 10), 11);

    memset(rgb_array, 0, sizeof rgb_array);
    OGL_line(0, 30, 30, 36, 36);       // diagonal: one pixel a step along the line
    for (int k = 0; k <= 6; k++) EXPECT_TRUE(lit(30 + k, 30 + k)) << k;
    EXPECT_FALSE(lit(31, 30));

    memset(rgb_array, 0, sizeof rgb_array);
    OGL_line(0, 50.2f, 60.4f, 50.2f, 60.4f);   // zero length: its start point, once
    EXPECT_EQ(lit_count(0, 0, 799, 599), 1);
    EXPECT_TRUE(lit(50, 60));
}

TEST_F(SoftwareDrawing, LinesAddTheOriginAndClipAtTheEdges)
{
    mnw.x = 100;
    mnw.y = 50;
    OGL_line(1, 0, 0, 0, 5);
    EXPECT_EQ(lit_count(100, 50, 100, 55), 6);
    EXPECT_FALSE(lit(0, 0));

    memset(rgb_array, 0, sizeof rgb_array);
    mnw.x = mnw.y = 0;
    OGL_line(0, -100, 300, 1000, 300);          // far past both sides
    EXPECT_EQ(lit_count(0, 300, 799, 300), 800);
    EXPECT_EQ(lit_count(0, 299, 799, 299) + lit_count(0, 301, 799, 301), 0);
}

TEST_F(SoftwareDrawing, FilledRectanglesCoverRoundedColumnsAndRows)
{
    OGL_fillrect(1, 10, 20, 3, 2);
    EXPECT_EQ(lit_count(0, 0, 799, 599), 6);
    EXPECT_EQ(lit_count(10, 20, 12, 21), 6);
    EXPECT_EQ(rgb_array[(20 * 800 + 10) * 3 + 0], 51);

    memset(rgb_array, 0, sizeof rgb_array);
    OGL_fillrect(1, 10.2f, 20, 0.2f, 5);        // both ends round to 10: no column
    EXPECT_EQ(lit_count(0, 0, 799, 599), 0);

    OGL_fillrect(0, 790, 590, 50, 50);          // clipped to the picture
    EXPECT_EQ(lit_count(0, 0, 799, 599), 100);
}

TEST_F(SoftwareDrawing, FramedRectangleIsItsFourEdges)
{
    OGL_framerect(0, 10, 10, 4, 3);
    EXPECT_EQ(lit_count(0, 0, 799, 599), 14);
    EXPECT_TRUE(lit(10, 10));
    EXPECT_TRUE(lit(14, 13));
    EXPECT_FALSE(lit(12, 11));
}

TEST_F(SoftwareDrawing, CircleOutlineStaysOnItsRadius)
{
    OGL_framecircle(0, 100, 100, 10);
    EXPECT_TRUE(lit(100, 90));
    EXPECT_TRUE(lit(100, 110));
    EXPECT_TRUE(lit(90, 100));
    EXPECT_TRUE(lit(110, 100));
    EXPECT_FALSE(lit(100, 100));
    int n = 0;
    for (int y = 80; y <= 120; y++)
        for (int x = 80; x <= 120; x++)
            if (lit(x, y)) {
                float d = std::hypot(x - 100.0f, y - 100.0f);
                EXPECT_NEAR(d, 10.0f, 1.2f) << x << "," << y;
                n++;
            }
    EXPECT_GT(n, 50);
}

TEST_F(SoftwareDrawing, ArcRunsClockwiseFromStraightUp)
{
    MACIBM_set_constants();
    OGL_arc(0, 200, 200, 20, 21, 0, 90);       // a quarter band, up to the right
    EXPECT_TRUE(lit(200, 220));
    EXPECT_TRUE(lit(220, 200));
    EXPECT_TRUE(lit(200, 221));
    EXPECT_TRUE(lit(221, 200));
    EXPECT_EQ(lit_count(150, 150, 198, 250), 0);   // nothing to the left
    EXPECT_EQ(lit_count(150, 150, 250, 198), 0);   // nor below
}

// ---- glyphs, strings, numbers -------------------------------------------------

TEST_F(SoftwareDrawing, GlyphsPlotTheirDotsAndNothingElse)
{
    struct {
        char c;
        const char* rows;
    } cases[] = {
        {'0', ".###./#...#/#...#/#...#/#...#/#...#/.###."},
        {'Q', ".###./#...#/#...#/#...#/#.#.#/#..##/.####"},
        {'q', ".###./#...#/#...#/#...#/#.#.#/#..##/.####"},   // capitals in software
        {'1', "..#../.##../..#../..#../..#../..#../..#.."},
        {'A', ".###./#...#/#...#/#####/#...#/#...#/#...#"},
        {'.', "...../...../...../...../...../...../..#.."},
        {'_', "...../...../...../...../...../...../#####"},
        {'"', "...../...../...../...../...../...../#####"},   // no glyph: the "_" dots
        {'`', "...../...../...../...../...../...../#####"},
        {'{', "...../...../...../...../...../...../#####"},
    };
    OGL_setcolor(0);
    for (auto t : cases) {
        memset(rgb_array, 0, sizeof rgb_array);
        OGL_char(40, 30, t.c);
        EXPECT_EQ(box_rows(40, 30), t.rows) << "character " << t.c;
        EXPECT_EQ(lit_count(30, 20, 60, 45), lit_count(40, 30, 44, 36)) << "outside the box: " << t.c;
    }
    memset(rgb_array, 0, sizeof rgb_array);
    OGL_char(40, 30, ' ');
    EXPECT_EQ(lit_count(0, 0, 799, 599), 0);
}

TEST_F(SoftwareDrawing, GlyphPositionIsRounded)
{
    OGL_setcolor(0);
    OGL_char(10.5f, 20.4f, '_');
    EXPECT_EQ(lit_count(11, 20, 15, 20), 5);
    EXPECT_EQ(lit_count(0, 0, 799, 599), 5);
}

TEST_F(SoftwareDrawing, StringAddsTheOriginAndAdvances)
{
    mnw.x = 100;
    mnw.y = 50;
    OGL_string(1, 10, 20, "0Q._", 800, 6);
    EXPECT_EQ(read_glyph(110, 70), '0');
    EXPECT_EQ(box_rows(116, 70), ".###./#...#/#...#/#...#/#.#.#/#..##/.####");
    EXPECT_EQ(read_glyph(122, 70), '.');
    EXPECT_EQ(read_glyph(128, 70), '_');
    EXPECT_EQ(rgb_array[(70 * 800 + 128) * 3 + 1], 255);
}

TEST_F(SoftwareDrawing, NewlinesAndWrappingOnlyBelowWidth800)
{
    OGL_string(0, 100, 300, "_\n_", 800, 6);       // newline skipped, no new line
    EXPECT_EQ(lit_count(100, 300, 110, 300), 10);
    EXPECT_EQ(lit_count(90, 280, 120, 299), 0);

    memset(rgb_array, 0, sizeof rgb_array);
    OGL_string(0, 100, 300, "_\n_", 300, 6);
    EXPECT_EQ(lit_count(100, 300, 104, 300), 5);
    EXPECT_EQ(lit_count(106, 300, 110, 300), 0);
    EXPECT_EQ(lit_count(100, 290, 104, 290), 5);    // 10 lower, at x0

    // "___ ___" in 30 units: the second word would end at x0 + 42, so it
    // starts a new line.
    memset(rgb_array, 0, sizeof rgb_array);
    OGL_string(0, 100, 300, "___ ___", 30, 6);
    EXPECT_EQ(lit_count(100, 300, 200, 300), 15);
    EXPECT_EQ(lit_count(100, 290, 200, 290), 15);
    EXPECT_EQ(lit_count(124, 300, 140, 300), 0);
}

TEST_F(SoftwareDrawing, NumbersInFixedPlaces)
{
    struct {
        float value;
        int digits, decimals, sign;
        const char* shown;    // the sign place first, then the cells
    } cases[] = {
        {5, 3, 0, 0, " 005"},
        {12.34f, 4, 2, 0, " 12.34"},
        {-12.5f, 3, 1, 1, "-12.5"},
        {12.5f, 3, 1, 1, " 12.5"},
        {-0.004f, 3, 2, 1, " 0.00"},         // n is 0: no minus
        {999.9f, 3, 0, 0, " 1.0x3"},         // 1000 has four digits: scientific
        {123456, 4, 0, 0, " 1.2x5"},
        {12345678, 8, 0, 0, " 12345678"},
        {9999999, 8, 0, 0, " 09999999"},
        {123456792.0f, 8, 0, 0, " 23456792"},   // more than 8 digits counts as 8
        {0.5f, 1, 0, 0, " 1"},
        {7, 2, 1, 0, " 7.0"},
    };
    for (auto c : cases) {
        memset(rgb_array, 0, sizeof rgb_array);
        OGL_number(0, 100, 200, c.value, c.digits, c.decimals, 6, c.sign);
        std::string got = read_number(100, 200, 8, 6);
        while (!got.empty() && got.back() == ' ') got.pop_back();
        EXPECT_EQ(got, c.shown) << "value " << c.value;
    }
}

TEST_F(SoftwareDrawing, NumbersWithAWideAdvanceKeepTheSignSixLeft)
{
    OGL_number(0, 100, 200, -42, 3, 0, 10, 1);
    EXPECT_EQ(read_glyph(94, 200), '-');
    EXPECT_EQ(read_glyph(100, 200), '0');
    EXPECT_EQ(read_glyph(110, 200), '4');
    EXPECT_EQ(read_glyph(120, 200), '2');
}

TEST_F(SoftwareDrawing, NumberWithNoPlacesDrawsOnlyTheSign)
{
    OGL_number(0, 100, 200, -5, 0, 0, 6, 1);
    EXPECT_EQ(read_glyph(94, 200), '-');
    EXPECT_EQ(lit_count(99, 190, 160, 215), 0);
}

TEST_F(SoftwareDrawing, InfiniteAndHugeNumbersEndInTheCappedScientificForm)
{
    OGL_number(0, 100, 200, 1e30f, 3, 0, 6, 0);
    EXPECT_EQ(read_number(100, 200, 4, 6), " 9.9x0");    // exponent above 9 shows 0

    memset(rgb_array, 0, sizeof rgb_array);
    OGL_number(0, 100, 200, -INFINITY, 4, 1, 6, 1);
    EXPECT_EQ(read_number(100, 200, 4, 6), "-9.9x0");

    memset(rgb_array, 0, sizeof rgb_array);
    OGL_number(0, 100, 200, NAN, 8, 2, 6, 1);            // returns, draws the short form
    EXPECT_EQ(read_glyph(112, 200), 'x');
}

// ---- BMP loader -------------------------------------------------------------

namespace {

struct bmp_picture {
    int w = 3, h = 2;
    int bits = 24, compression = 0;
    const char* type = "BM";
    long cut = -1;             // keep only this many bytes
    int header = 40;           // info header: 12 the old short one, 124 what tools write today
    int gap = 0;               // bytes between the headers and the pixels
    long offset = -1;          // the data offset the header gives; -1 where the pixels are
};

// A picture whose pixel (c, r) is (10c + 1, 20r + 2, 30 + c + r) as R, G, B;
// a gap before the pixels is filled with 0xee, so a read from the wrong place shows.
void write_bmp(const std::string& path, const bmp_picture& b)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    int row = (b.w * 3 + 3) & ~3;
    long at = 14 + b.header + b.gap;
    std::string d(14 + b.header, '\0');
    d.append((size_t)b.gap, '\xee');
    auto put = [&](int where, uint32_t v, int n) {
        for (int k = 0; k < n; k++) d[where + k] = (char)((v >> (8 * k)) & 255);
    };
    d[0] = b.type[0];
    d[1] = b.type[1];
    put(2, (uint32_t)(at + row * (b.h > 0 ? b.h : -b.h)), 4);
    put(10, (uint32_t)(b.offset >= 0 ? b.offset : at), 4);
    put(14, (uint32_t)b.header, 4);
    if (b.header == 12) {
        put(18, (uint32_t)b.w, 2);
        put(20, (uint32_t)b.h, 2);
        put(22, 1, 2);
        put(24, (uint32_t)b.bits, 2);
    } else {
        put(18, (uint32_t)b.w, 4);
        put(22, (uint32_t)b.h, 4);
        put(26, 1, 2);
        put(28, (uint32_t)b.bits, 2);
        put(30, (uint32_t)b.compression, 4);
    }
    if (b.w > 0 && b.h > 0 && (long)b.w * b.h <= 4096) {
        for (int r = 0; r < b.h; r++) {
            std::string line(row, '\0');
            for (int c = 0; c < b.w; c++) {
                line[c * 3] = (char)(30 + c + r);
                line[c * 3 + 1] = (char)(20 * r + 2);
                line[c * 3 + 2] = (char)(10 * c + 1);
            }
            d += line;
        }
    }
    if (b.cut >= 0) d.resize((size_t)b.cut);
    write_file(path, d);
}

class BmpLoader : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override
    {
        dir = test_scratch_folder();
        snprintf(app_path, path_max, "%s", dir.c_str());
        snprintf(tex_path, path_max, "%stextures/", dir.c_str());
        reset_suite_state();
        memset(rgb_array, 0, sizeof rgb_array);
        initing = 0;
        to_array = 0;
        err.open("Error.out", std::ios::out | std::ios::trunc);
    }
    const unsigned char* at(int x, int y) { return rgb_array + (y * 800 + x) * 3; }
    std::string log(void) { return read_file("Error.out"); }
};

}  // namespace

TEST_F(BmpLoader, PastesRowsBottomUpAsRgbWithTheOrigin)
{
    write_bmp(dir + "bitmaps/VolSim/pict.BMP", bmp_picture{});    // 3 wide: 3 padding bytes a row
    mnw.x = 5;
    mnw.y = 7;
    int w = 0, h = 0;
    EXPECT_EQ(OGL_texbmp(-101, 10, 20, "pict", &w, &h), 1);
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 2);
    for (int r = 0; r < 2; r++)
        for (int c = 0; c < 3; c++) {
            const unsigned char* p = at(15 + c, 27 + r);
            EXPECT_EQ(p[0], 10 * c + 1);
            EXPECT_EQ(p[1], 20 * r + 2);
            EXPECT_EQ(p[2], 30 + c + r);
        }
    EXPECT_EQ(at(18, 27)[0] | at(14, 27)[0] | at(15, 29)[0] | at(15, 26)[0], 0);

    bmp_picture four;
    four.w = 4;                      // no padding
    write_bmp(dir + "bitmaps/VolSim/four.BMP", four);
    EXPECT_EQ(OGL_texbmp(-101, 0, 0, "four", &w, &h), 1);
    EXPECT_EQ(at(8, 8)[0], 31);      // pixel (3, 1)
    EXPECT_EQ(at(8, 8)[1], 22);
}

// Tools write larger info headers, and some leave room before the pixels:
// the pixels are read from where the header's data offset says.
TEST_F(BmpLoader, PixelsAreReadFromTheDataOffset)
{
    struct { int header, gap; } cases[] = {{124, 0}, {108, 0}, {40, 0}, {40, 8}, {56, 3}};
    for (auto& c : cases) {
        bmp_picture b;
        b.header = c.header;
        b.gap = c.gap;
        write_bmp(dir + "bitmaps/VolSim/tool.BMP", b);
        memset(rgb_array, 0, sizeof rgb_array);
        int w = 0, h = 0;
        ASSERT_EQ(OGL_texbmp(-101, 0, 0, "tool", &w, &h), 1) << c.header << "+" << c.gap;
        EXPECT_EQ(w, 3);
        EXPECT_EQ(h, 2);
        for (int r = 0; r < 2; r++)
            for (int x = 0; x < 3; x++) {
                const unsigned char* p = at(x, r);
                EXPECT_EQ(p[0], 10 * x + 1) << c.header << "+" << c.gap << " pixel " << x << "," << r;
                EXPECT_EQ(p[1], 20 * r + 2) << c.header << "+" << c.gap << " pixel " << x << "," << r;
                EXPECT_EQ(p[2], 30 + x + r) << c.header << "+" << c.gap << " pixel " << x << "," << r;
            }
    }
}

TEST_F(BmpLoader, StartUpPictureComesFromTheBitmapsFolderItself)
{
    write_bmp(dir + "bitmaps/VSYS.BMP", bmp_picture{});
    int w, h;
    EXPECT_EQ(OGL_texbmp(-101, 0, 0, "VSYS", &w, &h), 1);
    EXPECT_EQ(at(2, 1)[0], 21);
    EXPECT_EXIT(OGL_texbmp(-101, 0, 0, "other", &w, &h), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(log(), "Can't open bitmap!\n" + dir + "bitmaps/VolSim/other.BMP\n\n\nend simulation\n");
}

TEST_F(BmpLoader, PasteIsClippedToThePicture)
{
    bmp_picture big;
    big.w = 40;
    big.h = 30;
    write_bmp(dir + "corner.BMP", big);
    int w, h;
    // Kind -101 at the top right corner: only the part on the picture lands.
    std::filesystem::create_directories(dir + "bitmaps/VolSim");
    std::filesystem::copy_file(dir + "corner.BMP", dir + "bitmaps/VolSim/corner.BMP");
    EXPECT_EQ(OGL_texbmp(-101, 790, 590, "corner", &w, &h), 1);
    EXPECT_EQ(at(799, 599)[0], 10 * 9 + 1);        // pixel (9, 9)
    EXPECT_EQ(at(790, 590)[1], 2);
    EXPECT_EQ(at(789, 590)[0], 0);
    EXPECT_EQ(OGL_texbmp(-101, -35, -25, "corner", &w, &h), 1);
    EXPECT_EQ(at(0, 0)[0], 10 * 35 % 256 + 1);    // pixel (35, 25)
    EXPECT_EQ(at(0, 0)[1], (20 * 25 + 2) % 256);
}

TEST_F(BmpLoader, CustomCockpitOfTheWrongSizeIsANoticeAndNoPaste)
{
    write_bmp(dir + "cockpit panl.BMP", bmp_picture{});
    int w, h;
    EXPECT_EQ(OGL_texbmp(-103, 0, 0, (dir + "cockpit panl").c_str(), &w, &h), 0);
    EXPECT_NE(std::string(host_test_last_message_box()).find("Custom cockpit bitmap is not 800 x 582 pixels!"),
              std::string::npos);
    EXPECT_EQ(at(0, 0)[0], 0);
    EXPECT_EQ(OGL_texbmp(-103, 0, 0, (dir + "missing panl").c_str(), &w, &h), 0);   // silent
    EXPECT_EQ(w, 4);
    EXPECT_EQ(h, 4);
}

TEST_F(BmpLoader, CustomCockpitOfTheRightSizePastes)
{
    bmp_picture panel;
    panel.w = 800;
    panel.h = 582;
    write_bmp(dir + "x panl.BMP", panel);
    // The writer leaves large pictures black: only the header's size matters here.
    std::string d = read_file(dir + "x panl.BMP");
    d.resize(54 + 800 * 3 * 582, '\0');
    d[54 + (581 * 800 + 799) * 3 + 2] = (char)200;   // red of the top right pixel
    write_file(dir + "x panl.BMP", d);
    int w, h;
    EXPECT_EQ(OGL_texbmp(-103, 0, 18, (dir + "x panl").c_str(), &w, &h), 1);
    EXPECT_EQ(at(799, 599)[0], 200);
}

// Every malformed header stops the program with its own first line and the path.
TEST_F(BmpLoader, MalformedFilesAreFatalWithTheirAlert)
{
    struct {
        const char* what;
        bmp_picture picture;
        const char* line1;
        const char* line3;
    } cases[] = {
        {"signature", [] { bmp_picture b; b.type = "MB"; return b; }(), "Trying to read a texture bitmap that is not a bitmap", ""},
        {"wide", [] { bmp_picture b; b.w = 1025; b.h = 1; return b; }(), "Bitmap too wide! (max is 1024)", ""},
        {"tall", [] { bmp_picture b; b.w = 1; b.h = 1025; return b; }(), "Bitmap too tall! (max is 1024)", ""},
        {"depth", [] { bmp_picture b; b.bits = 32; return b; }(), "Wrong bitmap color depth for texture!", "We need 24-bit color."},
        {"compressed", [] { bmp_picture b; b.compression = 1; return b; }(), "Bitmap is compressed!", ""},
        {"topdown", [] { bmp_picture b; b.h = -2; return b; }(), "Bitmap has no size! (rows must run bottom-up)", ""},
        {"huge", [] { bmp_picture b; b.w = 1024; b.h = 1024; return b; }(), "Bitmap too big! (at most 1,440,000 bytes of pixels)", ""},
        {"cutrows", [] { bmp_picture b; b.cut = 54 + 12 + 5; return b; }(), "File-scanning error!", "file:"},
        {"cuthead", [] { bmp_picture b; b.cut = 30; return b; }(), "File-scanning error!", "file:"},
        {"cutpad", [] { bmp_picture b; b.cut = 54 + 12 + 11; return b; }(), "File-scanning error!", "file:"},
        // The old 12-byte header holds 16-bit sides where the wide one has its width.
        {"oldheader", [] { bmp_picture b; b.header = 12; return b; }(), "Bitmap is not a Windows bitmap! (its header is too short)", ""},
        {"oldheader1x1", [] { bmp_picture b; b.header = 12; b.w = b.h = 1; return b; }(), "Bitmap is not a Windows bitmap! (its header is too short)", ""},
        {"offsetlow", [] { bmp_picture b; b.offset = 50; return b; }(), "Bitmap data offset points into its header!", ""},
        {"offsetinheader", [] { bmp_picture b; b.header = 124; b.offset = 54; return b; }(), "Bitmap data offset points into its header!", ""},
        {"offsetpastend", [] { bmp_picture b; b.offset = 0xfffffff0; return b; }(), "File-scanning error!", "file:"},
        {"pixelspastend", [] { bmp_picture b; b.offset = 56; return b; }(), "File-scanning error!", "file:"},
    };
    for (auto& c : cases) {
        std::string name = dir + c.what;
        write_bmp(name + ".BMP", c.picture);
        int w, h;
        EXPECT_EXIT(OGL_texbmp(-102, 70, 0, name.c_str(), &w, &h), ::testing::ExitedWithCode(1), "") << c.what;
        std::string got = log();
        std::string second = std::string(c.line1) == "File-scanning error!" ? "grf_inf.fail" : name + ".BMP";
        EXPECT_EQ(got.rfind(std::string(c.line1) + "\n" + second + "\n" + c.line3 + "\n", 0), 0u)
            << c.what << ": " << got;
        if (std::string(c.line1) == "File-scanning error!") {
            EXPECT_NE(got.find("file:\n" + name + ".BMP\n"), std::string::npos) << c.what;
        }
    }
}

TEST_F(BmpLoader, PastesCheckTheirHeadersToo)
{
    bmp_picture b;
    b.bits = 8;
    write_bmp(dir + "bitmaps/VolSim/grey.BMP", b);
    int w, h;
    EXPECT_EXIT(OGL_texbmp(-101, 0, 0, "grey", &w, &h), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(log().rfind("Wrong bitmap color depth for texture!\n", 0), 0u);
}
