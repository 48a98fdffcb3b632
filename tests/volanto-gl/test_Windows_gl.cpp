// The main view on the screen after the factory start on the shipped data:
// the cockpit panel's picture with the outside view through its windshield,
// its tiles' transparency, and what the panel's frame writes over it for the
// Cessna on KSBD's runway 06.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The shown picture over x, y .. x + w - 1, y + h - 1, rows from the bottom.
std::vector<unsigned char> shown(int x, int y, int w, int h)
{
    std::vector<unsigned char> rgb((size_t)w * h * 3);
    host_test_read_front(x, y, w, h, rgb.data());
    return rgb;
}

// The pixels of a region lit by text of the greens the panel writes in.
std::vector<int> green_text(const std::vector<unsigned char>& rgb)
{
    std::vector<int> lit(rgb.size() / 3);
    for (size_t k = 0; k < lit.size(); k++)
        lit[k] = rgb[3 * k + 1] > 150 && rgb[3 * k] < 150 && rgb[3 * k + 2] < 150;
    return lit;
}

// What the text alone lights in colour 48 at (x, y), drawn on black into the
// back buffer and read there.
std::vector<int> text_alone(float x, float y, const char* text, int w, int h)
{
    OGL_fillrect(29, x - 1, y - 2, (float)w, (float)h);
    OGL_string(48, x, y, text, 999, 6);
    std::vector<unsigned char> rgb((size_t)w * h * 3);
    host_test_read_pixels((int)x - 1, (int)y - 2, w, h, rgb.data());
    return green_text(rgb);
}

// Where a needle crosses the circle of radius r about (cx, cy): the mean
// direction, degrees clockwise from up, of the circle's pixels that the
// shown frame changed over the panel's picture alone (drawn here into the
// back buffer).
float needle_direction(float cx, float cy, float r)
{
    int x0 = (int)(cx - r - 2), y0 = (int)(cy - r - 2), side = (int)(2 * r + 5);
    std::vector<unsigned char> frame = shown(x0, y0, side, side);
    OGL_plot_background();
    std::vector<unsigned char> picture((size_t)side * side * 3);
    host_test_read_pixels(x0, y0, side, side, picture.data());
    float sx = 0, sy = 0;
    for (int a10 = 0; a10 < 3600; a10++) {
        float a = 0.1f * (float)a10 * con.degtorad;
        int px = (int)floorf(cx + r * sinf(a)) - x0, py = (int)floorf(cy + r * cosf(a)) - y0;
        size_t k = ((size_t)py * side + px) * 3;
        int change = 0;
        for (int c = 0; c < 3; c++) change += abs((int)frame[k + c] - (int)picture[k + c]);
        if (change < 60) continue;
        sx += sinf(a), sy += cosf(a);
    }
    return fltwrap(atan2f(sx, sy) * con.radtodeg, 0, 360);
}

float angle_apart(float a, float b) { return fabsf(fltwrap(a - b, -180, 180)); }

testing::AssertionResult shows_text(float x, float y, const char* text)
{
    int w = 6 * (int)strlen(text) + 2, h = 12;
    std::vector<int> want = text_alone(x, y, text, w, h);
    std::vector<int> got = green_text(shown((int)x - 1, (int)y - 2, w, h));
    int lit = 0;
    for (int v : want) lit += v;
    if (lit == 0) return testing::AssertionFailure() << "\"" << text << "\" lights nothing alone";
    if (got != want) return testing::AssertionFailure() << "\"" << text << "\" is not shown at (" << x << ", " << y << ")";
    return testing::AssertionSuccess();
}

}  // namespace

class CockpitGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The compass card swings to the heading with a second's lag.
        ASSERT_TRUE(start_shipped_on_display(200)) << error_out();
    }
    void TearDown() override { MACIBM_finishup(); }
};

TEST_F(CockpitGl, TheWindshieldTilesAreClearAndThePanelsOpaque)
{
    // Texture 500 + c + 7r holds the picture from (128 c, 128 r).
    auto alpha_at = [](int x, int y) {
        static unsigned char tile[128 * 128 * 4];
        OGL_bindtex(tex_tiles_first + x / 128 + tex_tiles_across * (y / 128));
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, tile);
        return (int)tile[((y % 128) * 128 + x % 128) * 4 + 3];
    };
    for (int y : {340, 450, 559}) EXPECT_EQ(alpha_at(400, y), 0) << y;
    for (int y : {100, 330, 570}) EXPECT_EQ(alpha_at(400, y), 255) << y;
    // The view shows through the windshield only.
    unsigned char sky[3], panel[3];
    host_test_read_front(400, 500, 1, 1, sky);
    host_test_read_front(30, 30, 1, 1, panel);
    EXPECT_GT(sky[2], sky[0]) << "a blue sky at noon";
    EXPECT_FALSE(panel[2] > panel[0] + 40 && panel[2] > 150) << "no sky through the panel";
}

TEST_F(CockpitGl, TheCessnasPanelOnTheRunway)
{
    EXPECT_TRUE(shows_text(10, 568, "controls: 100%"));
    EXPECT_TRUE(shows_text(130, 568, "mode: realistic    "));
    // The notices' phases show the name while none applies.
    EXPECT_TRUE(shows_text(430, 568, "Cessna 172 Skyhawk"));
    // NAV 1 and COM 1 as the factory sets them, the transponder's 1200.
    EXPECT_TRUE(shows_text(591, 240, "111"));
    EXPECT_TRUE(shows_text(614, 240, "70"));
    EXPECT_TRUE(shows_text(523, 240, "121"));
    EXPECT_TRUE(shows_text(546, 240, "00"));
    EXPECT_TRUE(shows_text(565, 145, "1"));
    EXPECT_TRUE(shows_text(585, 145, "2"));
    EXPECT_TRUE(shows_text(605, 145, "0"));

    // The compass has swung to runway 6's magnetic heading: its "6" stands
    // just left of the lubber line at 373.
    EXPECT_NEAR(flt.hdg_mag, 55, 4);
    EXPECT_NEAR(pnl.compass_hdg, flt.hdg_mag, 1);
    std::vector<unsigned char> card = shown(366, 571, 10, 9);
    int bright = 0;
    for (size_t k = 0; k < card.size(); k += 3) bright += card[k] > 120 && card[k + 1] > 120;
    EXPECT_GE(bright, 6) << "the 6 beside the lubber line";

    // Half tanks: the yellow needle at the middle of the fuel scale.
    EXPECT_NEAR(flt.fuel / pln[0].m_fuel, 0.5f, 0.01f);
    std::vector<unsigned char> gauge = shown(524, 44, 12, 1);
    std::vector<int> yellow;
    for (int k = 0; k < 12; k++)
        if (gauge[3 * k] > 150 && gauge[3 * k + 1] > 150 && gauge[3 * k + 2] < 80) yellow.push_back(524 + k);
    // Its middle column falls on the scale's half tick, which stays.
    EXPECT_EQ(yellow, (std::vector<int>{528, 530}));
}

// Standing on the runway: the airspeed needle at the dial's start, the
// altimeter at the field's elevation (its long needle a turn a thousand
// feet), the vertical speed at 9 o'clock. Each needle is read on a circle
// the other needle and the drums do not reach.
TEST_F(CockpitGl, TheCessnasDialsOnTheRunway)
{
    float feet = flt.alt_now * con.mtrstoft;
    EXPECT_NEAR(feet, 1159, 15);
    float long_needle = fmodf(feet * 0.36f, 360);
    EXPECT_LT(angle_apart(needle_direction(alt_x(), alt_y(), 35), long_needle), 2.0f)
        << "the long needle at " << long_needle;
    EXPECT_LT(angle_apart(needle_direction(asi_x(), asi_y(), 30), 0), 2.0f);
    EXPECT_LT(angle_apart(needle_direction(vvi_x(), vvi_y(), 30), 270), 2.0f);
}
