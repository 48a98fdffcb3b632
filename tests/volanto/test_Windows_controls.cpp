// The controls the settings windows and the panel share, without a window:
// the radio steppers at their wraps, with steps of a size they do not take
// and with values from a damaged file; the levers' travel by kind; the
// slider's grab boxes, ends and picture; the failure row with a seeded
// random source; the data-output rows and the region view's projection.
#include <gtest/gtest.h>

#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Initgen.h"
#include "Windows.h"
#include "volanto_support.h"

#include <cstring>
#include <set>
#include <string>

namespace {

typedef void (*stepper)(int*, int);

// A NAV or COM frequency inside its band: the megahertz in lo..hi, the
// fraction whatever it is.
bool in_band(int freq, int lo, int hi) { return freq >= 100 * lo && freq <= 100 * hi + 99; }

}  // namespace

TEST(RadioSteppers, WrapAtTheirEnds)
{
    struct row {
        const char* name;
        stepper step;
        int value, by;
        int want;
    };
    const row rows[] = {
        {"NAV 117.95 up 0.05: 117.00, no carry", NAVinc, 11795, 5, 11700},
        {"NAV 108.00 down 0.05: 108.95, no borrow", NAVinc, 10800, -5, 10895},
        {"NAV 117.50 up 1 MHz: 108.50", NAVinc, 11750, 10, 10850},
        {"NAV 108.20 down 1 MHz: 117.20", NAVinc, 10820, -10, 11720},
        {"NAV by 7: nothing", NAVinc, 11170, 7, 11170},
        {"NAV by 1: nothing", NAVinc, 11170, -1, 11170},
        {"NAV by 0: nothing", NAVinc, 11170, 0, 11170},
        {"COM 118.00 down 1 MHz: 136.00", COMinc, 11800, -10, 13600},
        {"COM 136.95 up 1 MHz: 118.95", COMinc, 13695, 10, 11895},
        {"COM 121.95 up 0.05: 121.00", COMinc, 12195, 5, 12100},
        {"COM by 7: nothing", COMinc, 12150, 7, 12150},
        {"ADF 1230 tens up: 240, the thousands dropped", ADFinc, 1230, 10, 240},
        {"ADF units 9 up: 0", ADFinc, 359, 1, 350},
        {"ADF units 0 down: 9", ADFinc, 350, -1, 359},
        {"ADF hundreds 9 up: 0", ADFinc, 950, 100, 50},
        {"ADF hundreds 0 down: 9", ADFinc, 50, -100, 950},
        {"ADF tens 0 down: 9", ADFinc, 305, -10, 395},
        {"ADF by 5: nothing", ADFinc, 350, 5, 350},
        {"transponder 7 up: 0", XPNinc, 7, 1, 0},
        {"transponder 0 down: 7", XPNinc, 0, -1, 7},
        {"transponder 3 up: 4", XPNinc, 3, 1, 4},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        int v = r.value;
        r.step(&v, r.by);
        EXPECT_EQ(v, r.want);
    }
}

// A frequency far out of its band (a damaged preferences file) is back in
// it after one step of either size, as is a transponder digit out of 0..7.
TEST(RadioSteppers, BringAFrequencyFarOutBackInOneStep)
{
    struct row {
        const char* name;
        stepper step;
        int value, by;
        int lo, hi;   // the band: megahertz, or the ADF's kHz and a digit's range
        bool mhz;
    };
    const row rows[] = {
        {"NAV 999.99 up 1 MHz", NAVinc, 99999, 10, 108, 117, true},
        {"NAV 999.99 up 0.05", NAVinc, 99999, 5, 108, 117, true},
        {"NAV -5.00 down 1 MHz", NAVinc, -500, -10, 108, 117, true},
        {"NAV -1.23 up 0.05", NAVinc, -123, 5, 108, 117, true},
        {"COM 20000.00 down 1 MHz", COMinc, 2000000, -10, 118, 136, true},
        {"COM 0.00 up 0.05", COMinc, 0, 5, 118, 136, true},
        {"ADF -1230 kHz up 1", ADFinc, -1230, 1, 0, 999, false},
        {"ADF 123456 kHz down 100", ADFinc, 123456, -100, 0, 999, false},
        {"transponder 100 up", XPNinc, 100, 1, 0, 7, false},
        {"transponder -50 down", XPNinc, -50, -1, 0, 7, false},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        int v = r.value;
        r.step(&v, r.by);
        if (r.mhz) {
            EXPECT_TRUE(in_band(v, r.lo, r.hi)) << v;
        } else {
            EXPECT_GE(v, r.lo);
            EXPECT_LE(v, r.hi);
        }
    }
}

// Each lever kind's travel at its ends and middle, held to 0..1 outside;
// kinds between and beyond the levers give 0.
TEST(LeverTravel, ByKindAtItsEndsAndMiddle)
{
    struct row {
        int kind;
        float base, top;   // the positions reading 0 and 1
    };
    const row levers[] = {
        {lever_flaps, 73, 127},         {lever_sweep, 73, 112},          {lever_vector, 73, 126},
        {lever_throttle1, 4, 52},       {lever_throttle1 + 1, 4, 52},    {lever_throttle1 + 3, 4, 52},
        {lever_prop1, 4, 39},           {lever_prop1 + 3, 4, 39},        {lever_mixture1, 4, 39},
        {lever_mixture1 + 3, 4, 39},    {lever_carb_heat, 4, 52},
    };
    for (const row& l : levers) {
        SCOPED_TRACE(l.kind);
        float mid = (l.base + l.top) / 2;
        EXPECT_NEAR(util_get_handle(l.kind, l.base), 0, 1e-6);
        EXPECT_NEAR(util_get_handle(l.kind, mid), 0.5f, 1e-6);
        EXPECT_NEAR(util_get_handle(l.kind, l.top), 1, 1e-6);
        EXPECT_NEAR(util_get_handle(l.kind, l.base + 0.25f * (l.top - l.base)), 0.25f, 1e-6);
        EXPECT_EQ(util_get_handle(l.kind, l.base - 10), 0.0f);
        EXPECT_EQ(util_get_handle(l.kind, l.top + 10), 1.0f);
    }
    for (int kind : {0, 6, 8, 9, 25, -12}) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(util_get_handle(kind, 30), 0.0f);
        EXPECT_EQ(util_get_handle(kind, 100), 0.0f);
    }
}

// ---- slider ------------------------------------------------------------------------

namespace {

// This frame's mouse, held or not.
void drag(float x, float y, int held)
{
    mnw.mx = x;
    mnw.my = y;
    mnw.now_dragging = held;
    mnw.mouse_clicked = 0;
}

const float sx = 200, sy = 300;   // the sliders' anchor

}  // namespace

// Each kind's grab box, edges included, and the value the mouse gives there
// on a slider from 0 to 10; outside the box the value stays (held to the range).
TEST(Slider, GrabBoxesByKind)
{
    start_panel_picture();
    const struct {
        const char* what;
        int kind;
        float mx, my;
        int took;
        float want;   // from a start of 3
    } rows[] = {
        {"0, bottom left", 0, sx, sy - 10, 1, 0},
        {"0, top right", 0, sx + 20, sy + 64, 1, 10},
        {"0, middle", 0, sx + 10, sy + 27, 1, 5},
        {"0, left of it", 0, sx - 0.1f, sy + 27, 0, 3},
        {"0, right of it", 0, sx + 20.1f, sy + 27, 0, 3},
        {"0, below it", 0, sx + 10, sy - 10.1f, 0, 3},
        {"0, above it", 0, sx + 10, sy + 64.1f, 0, 3},
        {"1, bottom left", 1, sx - 10, sy - 15, 1, 0},
        {"1, top right", 1, sx + 166, sy + 11, 1, 10},
        {"1, a quarter along", 1, sx + 39, sy, 1, 2.5f},
        {"1, left of it", 1, sx - 10.1f, sy, 0, 3},
        {"1, below it", 1, sx + 39, sy - 15.1f, 0, 3},
        {"1, above it", 1, sx + 39, sy + 11.1f, 0, 3},
        {"2, bottom left", 2, sx - 10, sy, 1, 0},
        {"3, top right", 3, sx + 166, sy + 8, 1, 10},
        {"4, a quarter along", 4, sx + 39, sy + 4, 1, 2.5f},
        {"2, below it, where kind 1 takes it", 2, sx + 39, sy - 0.1f, 0, 3},
        {"4, above it", 4, sx + 39, sy + 8.1f, 0, 3},
        {"4, right of it", 4, sx + 166.1f, sy + 4, 0, 3},
        {"5, bottom left", 5, sx - 88, sy - 15, 1, 0},
        {"5, top right", 5, sx + 88, sy + 11, 1, 10},
        {"5, at the anchor: the middle of the range", 5, sx, sy, 1, 5},
        {"5, left of it", 5, sx - 88.1f, sy, 0, 3},
        {"5, below it", 5, sx, sy - 15.1f, 0, 3},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        float v = 3;
        drag(r.mx, r.my, 1);
        EXPECT_EQ(util_scale(sx, sy, r.kind, 0, 10, &v), r.took);
        EXPECT_NEAR(v, r.want, 1e-4f);
        v = 3;
        drag(r.mx, r.my, 0);
        EXPECT_EQ(util_scale(sx, sy, r.kind, 0, 10, &v), 0) << "not held";
        EXPECT_EQ(v, 3);
    }
}

// Reversed ends run the slider the other way; ends closer than 0.01 are
// pushed apart (lo = hi = 5 runs from 5.01 down to 5); the value is held to
// the range on every call, dragged or not; kinds without a shape draw
// nothing, take no drag and still hold the value.
TEST(Slider, EndsAndClamping)
{
    start_panel_picture();
    const struct {
        const char* what;
        int kind;
        float lo, hi, start, mx;
        int held;
        float want;
        int took;
    } rows[] = {
        {"reversed, at x", 1, 10, 0, 3, sx, 1, 10, 1},
        {"reversed, at x + L", 1, 10, 0, 3, sx + 156, 1, 0, 1},
        {"reversed, a quarter along", 1, 10, 0, 3, sx + 39, 1, 7.5f, 1},
        {"reversed, above its range", 1, 10, 0, 20, 0, 0, 10, 0},
        {"reversed, below it", 1, 10, 0, -5, 0, 0, 0, 0},
        {"lo = hi = 5, at x", 1, 5, 5, 3, sx, 1, 5.01f, 1},
        {"lo = hi = 5, at x + L", 1, 5, 5, 3, sx + 156, 1, 5, 1},
        {"lo = hi = 5, above", 1, 5, 5, 7, 0, 0, 5.01f, 0},
        {"lo = hi = 5, below", 1, 5, 5, 0, 0, 0, 5, 0},
        {"ends 0.005 apart", 1, 1, 1.005f, 3, sx + 156, 1, 1.01f, 1},
        {"ends reversed 0.005 apart", 1, 1.005f, 1, 3, sx, 1, 1.01f, 1},
        {"above, not dragged", 1, 0, 10, 11, 0, 0, 10, 0},
        {"below, not dragged", 0, 0, 10, -1, 0, 0, 0, 0},
        {"kind 5, -1 to 1, below", 5, -1, 1, -3, 0, 0, -1, 0},
        {"kind 6 holds the value", 6, 0, 10, 12, sx, 1, 10, 0},
        {"kind -1 holds the value", -1, 0, 10, -2, sx, 1, 0, 0},
        {"kind 6 reversed", 6, 10, 0, 12, sx, 1, 10, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        float v = r.start;
        drag(r.mx, sy, r.held);
        memset(rgb_array, 0, rgb_array_bytes);
        EXPECT_EQ(util_scale(sx, sy, r.kind, r.lo, r.hi, &v), r.took);
        EXPECT_NEAR(v, r.want, 1e-4f);
        if (r.kind == 6 || r.kind == -1) {
            EXPECT_EQ(rgb_whole(), std::string(rgb_array_bytes, '\0')) << "nothing drawn";
        }
    }
}

// The filled part f = the value's share of L from the anchor, in the kind's
// colour and thickness; kinds 1 and 5 add the pointer under the bar at x + f:
// its body in 50, its left edge in 47 up to the point at (x + f, y - 4), its
// base in 53 along y - 12.
TEST(Slider, DrawsTheFilledPartAndThePointer)
{
    start_panel_picture();
    const struct {
        const char* what;
        int kind;
        float lo, hi, value;
        int colour, x0, x1, y0, y1;   // the filled block, inclusive
        int pointer_at;               // the pointer's x, or -1
    } rows[] = {
        {"0, full", 0, 0, 10, 10, 48, 200, 219, 300, 353, -1},
        {"0, a sixth", 0, 0, 6, 1, 48, 200, 219, 300, 308, -1},
        {"1, half", 1, 0, 10, 5, 51, 200, 277, 300, 310, 278},
        {"1, reversed, a quarter from the end", 1, 10, 0, 7.5f, 51, 200, 238, 300, 310, 239},
        {"2, half", 2, 0, 10, 5, 50, 200, 277, 300, 307, -1},
        {"3, half", 3, 0, 10, 5, 44, 200, 277, 300, 307, -1},
        {"4, full", 4, 0, 10, 10, 43, 200, 355, 300, 307, -1},
        {"5, half right", 5, -1, 1, 0.5f, 51, 200, 238, 300, 310, 239},
        {"5, half left", 5, -1, 1, -0.5f, 45, 161, 199, 300, 310, 161},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        float v = r.value;
        drag(0, 0, 0);
        memset(rgb_array, 0, rgb_array_bytes);
        util_scale(sx, sy, r.kind, r.lo, r.hi, &v);
        std::set<int> block;
        for (int c = r.x0; c <= r.x1; c++) block.insert(c);
        for (int y = r.y0; y <= r.y1; y++) EXPECT_EQ(rgb_columns(r.colour, y, 0, 799), block) << "row " << y;
        EXPECT_TRUE(rgb_columns(r.colour, r.y1 + 1, 0, 799).empty());
        if (r.pointer_at < 0) {
            EXPECT_TRUE(rgb_columns(50, 288, 0, 799).empty() && rgb_columns(53, 288, 0, 799).empty());
            continue;
        }
        int p = r.pointer_at;
        EXPECT_EQ(rgb_columns(53, 288, 0, 799), (std::set<int>{p - 4, p - 3, p - 2, p - 1, p, p + 1, p + 2, p + 3, p + 4}));
        EXPECT_EQ(rgb_colour(p, 296), 47) << "the point";
        EXPECT_EQ(rgb_colour(p - 2, 292), 47) << "the left edge";
        EXPECT_EQ(rgb_colour(p, 291), 50) << "the body";
        EXPECT_EQ(rgb_colour(p + 2, 290), 50);
        EXPECT_EQ(rgb_colour(p + 4, 290), -1) << "outside the right edge";
    }

    // Kind 5 at 0: no bar either side, the pointer at the anchor.
    float v = 0;
    memset(rgb_array, 0, rgb_array_bytes);
    util_scale(sx, sy, 5, -1, 1, &v);
    EXPECT_TRUE(rgb_columns(51, 305, 0, 799).empty());
    EXPECT_TRUE(rgb_columns(45, 305, 0, 799).empty());
    EXPECT_EQ(rgb_colour(200, 296), 47);
    EXPECT_EQ(rgb_colour(200, 291), 50);
}

// ---- failure row ---------------------------------------------------------------------

// Randomised, a slot's time is drawn between m and 2m hours, m falling from
// 65 at rate 0 through 50 at 0.25 to 5 at 1, held to 0..99; below a rate of
// 0.01 the slot is "always working", else on its mean time between failures.
TEST(FailureRow, RandomisesFromTheRate)
{
    const struct {
        float rate;
        int mode;
        float lo, hi;   // the times it can draw
    } rows[] = {
        {0.005f, fail_random, 64.7f, 99}, {0, fail_random, 65, 99}, {0.01f, fail_mtbf, 64.4f, 99},
        {0.25f, fail_mtbf, 50, 99},       {1, fail_mtbf, 5, 10},     {0.625f, fail_mtbf, 27.5f, 55},
    };
    start_panel_picture();
    for (const auto& r : rows) {
        SCOPED_TRACE(r.rate);
        float least = 1e9f, most = -1e9f;
        for (unsigned seed = 1; seed <= 200; seed++) {
            rnd15_seed(seed);
            rel.fail_mode[4] = fail_failed;
            rel.fail_time[4] = -3;
            util_setfailsit(4, 0, 0, 500, 1, r.rate);
            EXPECT_EQ(rel.fail_mode[4], r.mode);
            least = fltmin2(least, rel.fail_time[4]);
            most = fltmax2(most, rel.fail_time[4]);
        }
        EXPECT_GE(least, r.lo - 0.01f);
        EXPECT_LE(most, r.hi + 0.01f);
        EXPECT_LT(least, r.lo + 0.1f * (r.hi - r.lo)) << "the draw reaches down its range";
        EXPECT_GT(most, r.hi - 0.1f * (r.hi - r.lo)) << "and up it";
    }
}

// The row of slot s lies 39 units a slot below the first slot's: its mode
// shown and stepped at x + 151 (arrows 54 on), its time at x + 282 in four
// places with two decimals; without randomize only a click changes it.
TEST(FailureRow, EditsTheSlotsModeAndTimeInItsRow)
{
    start_panel_picture();
    rel.fail_mode[12] = fail_random;
    rel.fail_time[12] = 12.34f;
    drag(0, 0, 0);
    util_setfailsit(12, 10, 10, 418, 0, 0.5f);
    const int yr = 418 - 78;
    EXPECT_EQ(rel.fail_mode[12], fail_random);
    EXPECT_FLOAT_EQ(rel.fail_time[12], 12.34f);
    EXPECT_TRUE(rgb_shows(161, yr, "    always working  ", 6)) << rgb_text(161, yr, 20, 6);
    EXPECT_EQ(rgb_text(295, yr, 4, 10), "1234");

    const struct {
        const char* what;
        float mx, my;
        int mode;
        float time;
        const char* shown;
    } clicks[] = {
        {"the mode's upper arrow", 161 + 54 + 7, yr + 13, fail_mtbf, 12.34f, "  MEAN TIME TO FAIL>"},
        {"the mode's lower arrow", 161 + 54 + 7, yr - 7, fail_failed, 12.34f, "     INOPERATIVE    "},
        {"the time's first place, upper part", 292 + 5, yr + 10, fail_random, 22.34f, "    ALWAYS WORKING  "},
        {"the time's last place, lower part", 292 + 35, yr - 5, fail_random, 12.33f, "    ALWAYS WORKING  "},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.what);
        rel.fail_mode[12] = fail_random;
        rel.fail_time[12] = 12.34f;
        mnw.mx = c.mx;
        mnw.my = c.my;
        mnw.mouse_clicked = 1;
        memset(rgb_array, 0, rgb_array_bytes);
        util_setfailsit(12, 10, 10, 418, 0, 0.5f);
        EXPECT_EQ(rel.fail_mode[12], c.mode);
        EXPECT_NEAR(rel.fail_time[12], c.time, 1e-4f);
        EXPECT_TRUE(rgb_shows(161, yr, c.shown, 6)) << rgb_text(161, yr, 20, 6);
    }
}

// ---- data-output rows and the region view ----------------------------------------------

// Three columns from y 354 down, 15 a slot: rows 0 to 19 with a blank slot
// after rows 2, 4, 7 and 14; 20 to 39 after 24, 27, 36 and 38; 40 to 49
// after 41 and 47. Rows past the table keep their own number as the slot.
TEST(DataOutputRows, ThreeColumnsWithBlankSlots)
{
    const struct {
        int row, slot;
    } rows[] = {
        {0, 0},   {2, 2},   {3, 4},   {4, 5},   {5, 7},   {7, 9},   {8, 11},  {14, 17}, {15, 19}, {19, 23},
        {20, 0},  {24, 4},  {25, 6},  {27, 8},  {28, 10}, {36, 18}, {37, 20}, {38, 21}, {39, 23},
        {40, 0},  {41, 1},  {42, 3},  {47, 8},  {48, 10}, {49, 11},
        {50, 50}, {-1, -1}, {59, 59},
    };
    for (const auto& r : rows) EXPECT_EQ(util_yval(r.row), 354 - 15 * r.slot) << "row " << r.row;
}

// Window units from the region's south-west corner: a point d metres north
// of the southern edge moves 0.3 d right and 0.7 d up; height adds up.
TEST(RegionView, ObliqueProjection)
{
    env.reg_west_x = -2000;
    env.reg_south_z = 1000;
    const struct {
        float p[3];
        float scale, sx, sy;
    } rows[] = {
        {{-2000, 0, 1000}, 0.5f, 0, 0},
        {{-1000, 0, 1000}, 0.5f, 500, 0},
        {{-2000, 0, 0}, 0.5f, 150, 350},
        {{-2000, 300, 1000}, 0.5f, 0, 150},
        {{-1000, 50, 0}, 0.1f, 130, 75},
        {{-3000, 0, 2000}, 1, -1300, -700},
    };
    for (const auto& r : rows) {
        float x = -1, y = -1;
        util_isomize(r.p, &x, &y, r.scale);
        EXPECT_NEAR(x, r.sx, 1e-3f) << r.p[0] << ", " << r.p[1] << ", " << r.p[2];
        EXPECT_NEAR(y, r.sy, 1e-3f) << r.p[0] << ", " << r.p[1] << ", " << r.p[2];
    }
}
