// The widgets without a window: each one's hit boxes at their edges, what a
// click does to the caller's variable (wraps, holds and clamps included),
// the help line, and what it draws into the software picture, read back
// there (colour k paints red k + 1).
#include <gtest/gtest.h>

#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "volanto_support.h"

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

// This frame's mouse, in window units.
void mouse(float x, float y, int clicked, int held = 0, int repeating = 0)
{
    mnw.mx = x;
    mnw.my = y;
    mnw.mouse_clicked = clicked;
    mnw.now_dragging = held;
    mnw.delay_dragging = repeating;
}

// The colours lit in the 9 x 9 square from (x, y), top row first: "." dark,
// "a", "b", "c" the block's first, second and third colours.
std::string block_picture(int x, int y, int first, int second, int third)
{
    std::string s;
    for (int r = 8; r >= 0; r--) {
        for (int c = 0; c < 9; c++) {
            int k = rgb_colour(x + c, y + r);
            s += k == first ? 'a' : k == second ? 'b' : k == third ? 'c' : k < 0 ? '.' : '?';
        }
        s += '/';
    }
    return s;
}

// The bevelled box as it is specified: light edges left and below, the
// face, dark edges right and above.
const char* const block_shape =
    "ccccccccc/"
    "acccccccc/"
    "aabbbbbcc/"
    "aabbbbbcc/"
    "aabbbbbcc/"
    "aabbbbbcc/"
    "aabbbbbcc/"
    "aaaaaaacc/"
    "aaaaaaaac/";

class Widgets : public ::testing::Test {
protected:
    void SetUp() override { start_panel_picture(); }
};

}  // namespace

// ---- boxes ---------------------------------------------------------------------

TEST_F(Widgets, BlockDrawsItsBevelInTheOffAndOnColours)
{
    block(100, 100, 0);
    block(200, 100, 1);
    EXPECT_EQ(block_picture(100, 100, 51, 52, 53), block_shape);
    EXPECT_EQ(block_picture(200, 100, 47, 50, 51), block_shape);
    EXPECT_EQ(rgb_colour(99, 100), -1);
    EXPECT_EQ(rgb_colour(109, 100), -1);
    EXPECT_EQ(rgb_colour(100, 109), -1);
}

// The box's hit box runs from 2 units left and below to 9 right and above,
// edges included; the picture lies at the window's origin, the mouse is
// read in window units.
TEST_F(Widgets, CheckBoxTogglesOnClicksInsideItsBoxOnly)
{
    mnw.x = 300;
    mnw.y = 200;
    const float x = 50, y = 60;
    const struct {
        float mx, my;
        int hit;
    } points[] = {
        {x - 2, y - 2, 1}, {x + 9, y + 9, 1}, {x - 2, y + 9, 1}, {x + 9, y - 2, 1}, {x + 4, y + 4, 1},
        {x - 2.01f, y, 0}, {x + 9.01f, y, 0}, {x, y - 2.01f, 0}, {x, y + 9.01f, 0},
    };
    for (const auto& p : points) {
        SCOPED_TRACE(testing::Message() << p.mx - x << ", " << p.my - y);
        for (int start : {0, 1, 7}) {
            int v = start;
            mouse(p.mx, p.my, 1);
            EXPECT_EQ(inboolbtn(x, y, &v, "help"), p.hit);
            EXPECT_EQ(v, p.hit ? (start == 0 ? 1 : 0) : start);
        }
    }
    int v = 0;
    mouse(0, 0, 1);
    memset(rgb_array, 0, rgb_array_bytes);
    inboolbtn(x, y, &v, "help");
    EXPECT_EQ(block_picture(350, 260, 51, 52, 53), block_shape);
    v = 1;
    inboolbtn(x, y, &v, "help");
    EXPECT_EQ(block_picture(350, 260, 47, 50, 51), block_shape);
}

// Only the press counts: frames with the button held, repeating or not,
// leave the box as the press left it.
TEST_F(Widgets, CheckBoxHeldDownTogglesOnce)
{
    int v = 0, changes = 0;
    mouse(104, 104, 1, 1);
    changes += inboolbtn(100, 100, &v, "");
    // Held past half a second, the frame loop repeats the click every fifth of one.
    for (int f = 0; f < 30; f++) {
        mouse(104, 104, f > 10 && f % 4 == 0, 1, f > 10);
        changes += inboolbtn(100, 100, &v, "");
    }
    EXPECT_EQ(v, 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(Widgets, CheckBoxUnderTheMouseSetsTheHelpLine)
{
    int v = 0;
    mouse(109, 91, 0);
    inboolbtn(100, 89, &v, "Tick to fly at night.");
    EXPECT_EQ(mnw.help_x1, 100);
    EXPECT_EQ(mnw.help_y2, 69);
    EXPECT_STREQ(mnw.help_message, "Tick to fly at night.");

    mnw.help_message[0] = 0;
    mnw.help_x1 = mnw.help_y2 = -1;
    mouse(109.5f, 91, 0);
    inboolbtn(100, 89, &v, "Tick to fly at night.");
    EXPECT_STREQ(mnw.help_message, "");
    EXPECT_EQ(mnw.help_x1, -1);
}

// A radio group is boxes on one variable: a click anywhere in (x, y)..(x +
// 10, y + 10) picks that box, which alone is lit.
TEST_F(Widgets, RadioBoxesPickTheirOwnValue)
{
    const struct {
        float mx, my;
        int want;
    } clicks[] = {
        {40, 100, 2}, {50, 110, 2}, {39.9f, 105, 1}, {50.1f, 105, 1}, {45, 99.9f, 1}, {45, 110.1f, 1},
        {70, 100, 3}, {60, 110, 3},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(testing::Message() << c.mx << ", " << c.my);
        int v = 1;
        mouse(c.mx, c.my, 1);
        for (int mine = 1; mine <= 3; mine++) inonebool(20.0f * mine, 100, &v, mine);
        EXPECT_EQ(v, c.want);
    }

    int v = 2;
    mouse(0, 0, 0);
    mnw.help_message[0] = 0;
    memset(rgb_array, 0, rgb_array_bytes);
    for (int mine = 1; mine <= 3; mine++) EXPECT_EQ(inonebool(20.0f * mine, 100, &v, mine), 0);
    EXPECT_EQ(rgb_colour(24, 104), 52);
    EXPECT_EQ(rgb_colour(44, 104), 50);
    EXPECT_EQ(rgb_colour(64, 104), 52);
    EXPECT_STREQ(mnw.help_message, "");
}

// ---- choice fields -----------------------------------------------------------

// The arrows at x + width: the lower one (y - 17 to y + 3) steps back, the
// upper one (y + 3 to y + 23) on, a click on y + 3 does both; the choice
// wraps once and is then held in range, so a value from a damaged file
// still shows one of the texts.
TEST_F(Widgets, ChoiceFieldsStepWrapAndHoldTheirChoice)
{
    const float x = 100, y = 200, w = 54;
    const float up = y + 13, down = y - 7, edge = y + 3, ax = x + w + 7;
    const struct {
        const char* what;
        int n, start;
        float mx, my;
        int click, want, changed;
    } rows[] = {
        {"5 up", 5, 2, ax, up, 1, 3, 1},
        {"5 down", 5, 2, ax, down, 1, 1, 1},
        {"5 at 5 up wraps to 1", 5, 5, ax, up, 1, 1, 1},
        {"3 at 3 up shows 1", 3, 3, ax, up, 1, 1, 1},
        {"3 at 1 down shows 3", 3, 1, ax, down, 1, 3, 1},
        {"4 at 1 down shows 4", 4, 1, ax, down, 1, 4, 1},
        {"2 at 1 up goes to 0", 2, 1, ax, up, 1, 0, 1},
        {"2 at 0 down goes to 1", 2, 0, ax, down, 1, 1, 1},
        {"on y + 3 both arrows", 5, 4, ax, edge, 1, 4, 1},
        {"left edge of the arrows", 5, 2, x + w, y + 23, 1, 3, 1},
        {"right edge of the arrows", 5, 2, x + w + 15, y - 17, 1, 1, 1},
        {"left of the arrows", 5, 2, x + w - 0.1f, up, 1, 2, 0},
        {"right of the arrows", 5, 2, x + w + 15.1f, up, 1, 2, 0},
        {"above the arrows", 5, 2, ax, y + 23.1f, 1, 2, 0},
        {"below the arrows", 5, 2, ax, y - 17.1f, 1, 2, 0},
        {"hovering", 5, 2, ax, up, 0, 2, 0},
        {"5 from 0, no click: wraps to 5", 5, 0, 0, 0, 0, 5, 0},
        {"5 from 12: held at 5", 5, 12, 0, 0, 0, 5, 0},
        {"5 from -7: held at 1", 5, -7, 0, 0, 0, 1, 0},
        {"5 from 1000 up: held at 5", 5, 1000, ax, up, 1, 5, 1},
        {"5 from the largest int up", 5, INT_MAX, ax, up, 1, 5, 1},
        {"5 from the smallest int down", 5, INT_MIN, ax, down, 1, 1, 1},
        {"3 from 9: held at 3", 3, 9, 0, 0, 0, 3, 0},
        {"2 from 5: held at 1", 2, 5, 0, 0, 0, 1, 0},
        {"2 from -3: held at 0", 2, -3, 0, 0, 0, 0, 0},
    };
    const char* texts[5] = {"ACE", "BEE", "ELK", "FIR", "GUM"};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        int v = r.start;
        mouse(r.mx, r.my, r.click);
        memset(rgb_array, 0, rgb_array_bytes);
        int got = 0;
        if (r.n == 5) got = in5textbtn(x, y, texts[0], texts[1], texts[2], texts[3], texts[4], w, &v);
        if (r.n == 4) got = in4textbtn(x, y, texts[0], texts[1], texts[2], texts[3], w, &v);
        if (r.n == 3) got = in3textbtn(x, y, texts[0], texts[1], texts[2], w, &v);
        if (r.n == 2) got = in2textbtn(x, y, texts[0], texts[1], w, &v);
        EXPECT_EQ(v, r.want);
        EXPECT_EQ(got, r.changed);
        int shown = r.n == 2 ? r.want : r.want - 1;
        EXPECT_EQ(rgb_text(100, 200, 3, 6), texts[shown]);
        EXPECT_FALSE(rgb_columns(48, 200, 100, 117).empty());
    }
}

// ---- character field ---------------------------------------------------------

// Character k's column is x + 10k to x + 10k + 10; a click at or above y + 3
// steps its code back (B to A, A to 9, 0 to blank), below it on, held at
// blank and Z. The shared edge of two columns steps both.
TEST_F(Widgets, CharacterFieldStepsEachCharacterInItsColumn)
{
    const float x = 200, y = 300;
    const struct {
        const char* start;
        float mx, my;
        int click;
        const char* want;
        int changed;
    } rows[] = {
        {"KBAZ", x + 15, y + 10, 1, "KAAZ", 1},
        {"KBAZ", x + 15, y - 5, 1, "KCAZ", 1},
        {"KBAZ", x + 25, y + 3, 1, "KB9Z", 1},          // y + 3 is the upper part
        {"KBAZ", x + 25, y + 2.9f, 1, "KBBZ", 1},
        {"KBAZ", x + 35, y - 14, 1, "KBAZ", 1},         // Z is the last code
        {"KBA ", x + 35, y + 20, 1, "KBA ", 1},         // blank the first
        {"K0A9", x + 15, y + 10, 1, "K A9", 1},
        {"K0A9", x + 35, y - 5, 1, "K0AA", 1},
        {"KBAZ", x + 10, y + 10, 1, "JAAZ", 1},         // both sides of a shared edge
        {"KBAZ", x, y - 14, 1, "LBAZ", 1},
        {"KBAZ", x + 40, y - 14, 1, "KBAZ", 1},
        {"KBAZ", x - 0.1f, y, 1, "KBAZ", 0},
        {"KBAZ", x + 40.1f, y, 1, "KBAZ", 0},
        {"KBAZ", x + 15, y + 20.1f, 1, "KBAZ", 0},
        {"KBAZ", x + 15, y - 14.1f, 1, "KBAZ", 0},
        {"KBAZ", x + 15, y, 0, "KBAZ", 0},
        {"k@1 ", 0, 0, 0, "001 ", 0},                   // neither blank, digit nor capital
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.start << " at " << r.mx - x << ", " << r.my - y);
        char code[6] = {};
        memcpy(code, r.start, 4);
        code[4] = 'X';
        code[5] = 'Y';
        mouse(r.mx, r.my, r.click);
        memset(rgb_array, 0, rgb_array_bytes);
        EXPECT_EQ(in4charbtn(7, x, y, code), r.changed);
        EXPECT_STREQ(code, r.want);
        EXPECT_EQ(code[5], 'Y');
        EXPECT_EQ(rgb_text(203, 300, 4, 10), r.want);
    }
}

// ---- digit wheel -------------------------------------------------------------

// Place k is the column x + 10k to x + 10k + 10 between y - 14 and y + 20;
// its step is the place's value; the result is held to the wheel's range.
TEST_F(Widgets, DigitWheelStepsThePlaceClickedAndClamps)
{
    const float x = 100, y = 100, top = y + 10, low = y - 5;
    const struct {
        const char* what;
        int digits, decimals, negative;
        float start, mx, my;
        int click;
        float want;
        int changed;
    } rows[] = {
        {"995, middle place up: held at 999", 3, 0, 0, 995, x + 15, top, 1, 999, 1},
        {"995, first place down", 3, 0, 0, 995, x + 5, low, 1, 895, 1},
        {"5, last place up on its right edge", 3, 0, 0, 5, x + 30, top, 1, 6, 1},
        {"5, right of the places", 3, 0, 0, 5, x + 30.1f, top, 1, 5, 0},
        {"5, left of the places", 3, 0, 0, 5, x - 0.1f, top, 1, 5, 0},
        {"100, the shared edge steps both places", 3, 0, 0, 100, x + 10, top, 1, 210, 1},
        {"100, the first place's left edge", 3, 0, 0, 100, x, top, 1, 200, 1},
        {"y + 3 is the upper part", 3, 0, 0, 100, x + 25, y + 3, 1, 101, 1},
        {"just below y + 3", 3, 0, 0, 100, x + 25, y + 2.9f, 1, 99, 1},
        {"the top edge", 3, 0, 0, 100, x + 25, y + 20, 1, 101, 1},
        {"above the top edge", 3, 0, 0, 100, x + 25, y + 20.1f, 1, 100, 0},
        {"the bottom edge", 3, 0, 0, 100, x + 25, y - 14, 1, 99, 1},
        {"below the bottom edge", 3, 0, 0, 100, x + 25, y - 14.1f, 1, 100, 0},
        {"hovering", 3, 0, 0, 100, x + 25, top, 0, 100, 0},
        {"0 down: held at 0", 3, 0, 0, 0, x + 25, low, 1, 0, 1},
        {"12.34, third place up", 4, 2, 0, 12.34f, x + 25, top, 1, 12.44f, 1},
        {"12.34, first place up", 4, 2, 0, 12.34f, x + 5, top, 1, 22.34f, 1},
        {"99.9, last place up: held at 99.9", 3, 1, 0, 99.9f, x + 25, top, 1, 99.9f, 1},
        {"-5, last place down", 2, 0, 1, -5, x + 15, low, 1, -6, 1},
        {"-95, first place down: held at -99", 2, 0, 1, -95, x + 5, low, 1, -99, 1},
        {"no click, above the range", 3, 0, 0, 5000, 0, 0, 0, 999, 0},
        {"no click, below it", 3, 0, 0, -1, 0, 0, 0, 0, 0},
        {"no click, below it with negatives", 3, 1, 1, -500, 0, 0, 0, -99.9f, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        float v = r.start;
        mouse(r.mx, r.my, r.click);
        EXPECT_EQ(instdbtn(48, x, y, &v, r.digits, r.decimals, r.negative, ""), r.changed);
        EXPECT_NEAR(v, r.want, 1e-4f);
    }
}

// hi is the largest number the places show, lo 0 or -hi.
TEST_F(Widgets, DigitWheelRangeIsWhatItsPlacesShow)
{
    const struct {
        int digits, decimals;
        float hi;
    } rows[] = {
        {1, 0, 9}, {2, 0, 99}, {3, 0, 999}, {3, 1, 99.9f}, {4, 2, 99.99f}, {5, 0, 99999},
        {6, 3, 999.999f}, {7, 0, 9999999}, {2, 2, 0.99f},
        // 9999999.9 has no float: the largest below 1e7, still eight places.
        {8, 1, 9999999.0f},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.digits << " places, " << r.decimals << " decimals");
        float v = 1e9f;
        mouse(0, 0, 0);
        instdbtn(48, 0, 0, &v, r.digits, r.decimals, 0, "");
        EXPECT_FLOAT_EQ(v, r.hi);
        v = -1e9f;
        instdbtn(48, 0, 0, &v, r.digits, r.decimals, 1, "");
        EXPECT_FLOAT_EQ(v, -r.hi);
        v = -1e9f;
        instdbtn(48, 0, 0, &v, r.digits, r.decimals, 0, "");
        EXPECT_EQ(v, 0);
    }
}

// The value in its places at x + 3, 10 apart, the sign's place 6 left of
// them when the range holds negatives; the help line over the places and
// one place more.
TEST_F(Widgets, DigitWheelDrawsItsPlacesAndHelp)
{
    float v = 995;
    mouse(115, 110, 1);
    instdbtn(48, 100, 100, &v, 3, 0, 0, "Fuel on board.");
    EXPECT_EQ(rgb_text(103, 100, 3, 10), "999");
    EXPECT_EQ(rgb_colour(104, 100), 48);
    EXPECT_STREQ(mnw.help_message, "Fuel on board.");
    EXPECT_EQ(mnw.help_x1, 100);
    EXPECT_EQ(mnw.help_y2, 80);

    memset(rgb_array, 0, rgb_array_bytes);
    v = -7;
    mouse(0, 0, 0);
    instdbtn_range(48, 100, 100, &v, 2, 0, -50, 50, "");
    EXPECT_EQ(rgb_text(97, 100, 1, 6), "-");
    EXPECT_EQ(rgb_text(103, 100, 2, 10), "07");

    const struct {
        float mx, my;
        int help;
    } points[] = {{100, 86, 1}, {140, 120, 1}, {99.9f, 100, 0}, {140.1f, 100, 0}, {120, 85.9f, 0}, {120, 120.1f, 0}};
    for (const auto& p : points) {
        SCOPED_TRACE(testing::Message() << p.mx << ", " << p.my);
        mnw.help_message[0] = 0;
        mouse(p.mx, p.my, 0);
        v = 5;
        instdbtn(48, 100, 100, &v, 3, 0, 0, "Fuel on board.");
        EXPECT_EQ(mnw.help_message[0] != 0, p.help == 1);
    }
}

// ---- name list ---------------------------------------------------------------

namespace {

char names[20][40], ids[20][5];

class NameList : public Widgets {
protected:
    const float x = 20, y = 300;
    void SetUp() override
    {
        Widgets::SetUp();
        for (int k = 0; k < 20; k++) {
            snprintf(names[k], sizeof names[k], "NAME %02d", k);
            snprintf(ids[k], sizeof ids[k], "ID%02d", k);
        }
    }
    // One frame of the list of entries lo..hi with the mouse as given.
    int frame(int index, int lo, int hi, float mx, float my, int clicked, int held = 0, int repeating = 0)
    {
        mouse(mx, my, clicked, held, repeating);
        memset(rgb_array, 0, rgb_array_bytes);
        plot_name_list(x, y, names, ids, &index, lo, hi);
        return index;
    }
    // The rows lit in the row colour, k = -6 (top) to 6.
    std::string rows_shown(void)
    {
        std::string s;
        for (int k = -6; k <= 6; k++) {
            int yr = (int)y - 10 * k;
            s += rgb_columns(48, yr, 0, 799).empty() ? '.' : '#';
        }
        return s;
    }
};

}  // namespace

// The up arrow (x + 278, y + 57)-(x + 295, y + 71) and the down arrow
// (x + 278, y - 64)-(x + 295, y - 50) step on a click or while repeating.
TEST_F(NameList, ArrowsStepTheIndexAtTheirEdges)
{
    const struct {
        const char* what;
        float mx, my;
        int clicked, repeating, want;
    } rows[] = {
        {"up, bottom left", x + 278, y + 57, 1, 0, 9},
        {"up, top right", x + 295, y + 71, 1, 0, 9},
        {"up, repeating", x + 285, y + 60, 0, 1, 9},
        {"up, hovering", x + 285, y + 60, 0, 0, 10},
        {"down, bottom left", x + 278, y - 64, 1, 0, 11},
        {"down, top right", x + 295, y - 50, 1, 0, 11},
        {"down, repeating", x + 285, y - 60, 0, 1, 11},
        {"right of the arrows", x + 295.1f, y + 60, 1, 0, 10},
        {"left of the arrows", x + 277.9f, y + 60, 1, 0, 10},
        {"above the up arrow", x + 285, y + 71.1f, 1, 0, 10},
        {"below the down arrow", x + 285, y - 64.1f, 1, 0, 10},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(frame(10, 0, 19, r.mx, r.my, r.clicked, r.clicked || r.repeating, r.repeating), r.want);
        frame(0, 0, 19, 0, 0, 0);   // the button let go
    }
    EXPECT_EQ(frame(0, 0, 19, x + 285, y + 60, 1, 1), 0) << "held at lo";
    frame(0, 0, 19, 0, 0, 0);
    EXPECT_EQ(frame(19, 0, 19, x + 285, y - 60, 1, 1), 19) << "held at hi";
}

// A click on a row makes it the middle one: the index moves by
// round((y + 7 - my) / 10) over the list from (x, y - 64) to (x + 270, y + 71).
TEST_F(NameList, ClickOnARowMakesItCurrent)
{
    for (int k = -6; k <= 6; k++) {
        SCOPED_TRACE(k);
        EXPECT_EQ(frame(10, 0, 19, x + 100, y - 10 * k + 3, 1, 1), intlim(10 + k, 0, 19));
        frame(0, 0, 19, 0, 0, 0);
    }
    const struct {
        float mx, my;
        int want;
    } edges[] = {
        {x, y - 64, 17},       {x + 270, y + 71, 4},   {x + 100, y + 2, 11}, {x + 100, y + 2.1f, 10},
        {x - 0.1f, y - 30, 10}, {x + 270.1f, y - 30, 10}, {x + 100, y + 71.1f, 10}, {x + 100, y - 64.1f, 10},
    };
    for (const auto& e : edges) {
        SCOPED_TRACE(testing::Message() << e.mx - x << ", " << e.my - y);
        EXPECT_EQ(frame(10, 0, 19, e.mx, e.my, 1, 1), e.want);
        frame(0, 0, 19, 0, 0, 0);
    }
    EXPECT_EQ(frame(10, 0, 19, x + 100, y - 30, 0), 10) << "hovering";
}

// Held in the track (x + 278, y - 49)-(x + 295, y + 56) the thumb takes the
// index from lo at y + 50 to hi at y - 43; once taken it keeps following
// the held mouse, and the arrows wait until the button is let go.
TEST_F(NameList, ThumbDragSetsTheIndexAlongTheTrack)
{
    const struct {
        float my;
        int want;
    } track[] = {
        {y + 50, 0}, {y - 43, 19}, {y, 10}, {y + 56, 0}, {y - 49, 19}, {y + 25.53f, 5},
    };
    for (const auto& t : track) {
        SCOPED_TRACE(t.my - y);
        EXPECT_EQ(frame(7, 0, 19, x + 285, t.my, 0, 1), t.want);
        frame(0, 0, 19, 0, 0, 0);
    }
    EXPECT_EQ(frame(7, 0, 19, x + 285, y, 0, 0), 7) << "the mouse over the track, the button up";
    EXPECT_EQ(frame(7, 0, 19, x + 277.9f, y, 0, 1), 7) << "held beside the track";
    frame(0, 0, 19, 0, 0, 0);

    int i = frame(7, 0, 19, x + 285, y + 50, 1, 1);
    EXPECT_EQ(i, 0);
    i = frame(i, 0, 19, x + 285, y + 60, 1, 1, 1);
    EXPECT_EQ(i, 0) << "the up arrow waits while the thumb is held";
    i = frame(i, 0, 19, x + 285, y - 43, 0, 1);
    EXPECT_EQ(i, 19);
    i = frame(i, 0, 19, x + 285, y + 60, 0, 0);
    EXPECT_EQ(i, 19) << "let go over the arrow";
    i = frame(i, 0, 19, x + 285, y + 60, 1, 1);
    EXPECT_EQ(i, 18) << "the arrow works again";
}

// Rows k = -6 to 6 at y - 10k hold entries index + k that lie in lo..hi:
// the name at x + 8, the id at x + 239; the middle row framed in colour 47;
// the thumb 14 x 14 at x + 280 on the track.
TEST_F(NameList, DrawsTheRowsAroundTheIndexAndTheThumb)
{
    frame(10, 0, 19, 0, 0, 0);
    EXPECT_EQ(rows_shown(), "#############");
    EXPECT_EQ(rgb_text(28, 300, 7, 6), "NAME 10");
    EXPECT_EQ(rgb_text(259, 300, 4, 6), "ID10");
    EXPECT_EQ(rgb_text(28, 360, 7, 6), "NAME 04");
    EXPECT_EQ(rgb_text(28, 240, 7, 6), "NAME 16");
    EXPECT_EQ(rgb_colour(28, 300), 48);
    std::set<int> frame_row;
    for (int c = 24; c <= 285; c++) frame_row.insert(c);
    EXPECT_EQ(rgb_columns(47, 298, 0, 290), frame_row);

    frame(2, 0, 19, 0, 0, 0);
    EXPECT_EQ(rows_shown(), "....#########") << "entries below lo are not shown";
    frame(18, 0, 19, 0, 0, 0);
    EXPECT_EQ(rows_shown(), "########.....");

    // The thumb's body and bevel at lo (the top, y + 43) and hi (y - 50).
    for (int index : {0, 19}) {
        SCOPED_TRACE(index);
        frame(index, 0, 19, 0, 0, 0);
        int tx = 300, ty = index == 0 ? 343 : 250;
        EXPECT_EQ(rgb_colour(tx + 6, ty + 6), 49);
        EXPECT_EQ(rgb_colour(tx, ty + 13), 47);
        EXPECT_EQ(rgb_colour(tx + 1, ty + 12), 47);
        EXPECT_EQ(rgb_colour(tx + 13, ty + 6), 51);
        EXPECT_EQ(rgb_colour(tx + 6, ty), 51);
        EXPECT_EQ(rgb_colour(tx + 12, ty + 6), 51);
        EXPECT_EQ(rgb_colour(tx + 6, ty - 1), -1);
        EXPECT_EQ(rgb_colour(tx + 6, ty + 14), -1);
    }
}

// A list of one entry has no travel: the thumb stays at the top, the arrows
// and the track give that entry; an empty one (hi below lo) shows no rows
// and never writes the caller's index.
TEST_F(NameList, OneEntryAndEmptyLists)
{
    const struct {
        float mx, my;
        int clicked;
    } moves[] = {
        {0, 0, 0}, {x + 285, y + 60, 1}, {x + 285, y - 60, 1}, {x + 100, y - 40, 1}, {x + 285, y - 43, 1},
    };
    for (const auto& m : moves) {
        SCOPED_TRACE(testing::Message() << m.mx - x << ", " << m.my - y);
        EXPECT_EQ(frame(0, 0, 0, m.mx, m.my, m.clicked, m.clicked), 0);
        EXPECT_EQ(rows_shown(), "......#......");
        EXPECT_EQ(rgb_text(28, 300, 7, 6), "NAME 00");
        EXPECT_EQ(rgb_colour(306, 349), 49) << "the thumb at the top";
        frame(5, 5, 5, 0, 0, 0);
        EXPECT_EQ(rgb_colour(306, 349), 49);

        EXPECT_EQ(frame(7, 0, -1, m.mx, m.my, m.clicked, m.clicked), 7);
        EXPECT_EQ(rows_shown(), ".............");
        EXPECT_EQ(rgb_colour(306, 349), 49);
        EXPECT_EQ(rgb_colour(24, 298), 47) << "the middle row's frame";
        frame(0, 0, 19, 0, 0, 0);
    }
}
