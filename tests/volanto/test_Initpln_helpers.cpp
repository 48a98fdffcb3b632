// The loader's small helpers: the parts' display names, the spacing of panel
// slots, the circle rows of the attitude indicator with their fatal check,
// the triangle area, the 3 x 3 chart and the special downwash chart.
#include <gtest/gtest.h>

#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <string>

class Helpers : public ::testing::Test {
protected:
    void SetUp() override { reset_suite_state(); }
};

TEST_F(Helpers, PartNamesForAPlaneAndAHelicopter)
{
    static const char* const names[28] = {
        "propeller 1", "propeller 2", "propeller 3", "propeller 4", "left wing 1", "rigt wing 1",
        "left wing 2", "rigt wing 2", "left wing 3", "rigt wing 3", "left h-stab", "rigt h-stab",
        "vert stab 1", "vert stab 2", "eng pylon 1", "eng pylon 2", "eng pylon 3", "eng pylon 4",
        "fuselage   ", "nacelle 1  ", "nacelle 2  ", "nacelle 3  ", "nacelle 4  ", "misc body 1",
        "misc body 2", "w-fairing 1", "w-fairing 2", "w-fairing 3"};
    for (int part = 0; part < 28; part++) {
        EXPECT_STREQ(part_name(part, 0), names[part]) << part;
        EXPECT_EQ(strlen(names[part]), 11u);
    }
    EXPECT_EQ(part_name(3, 0), global_part_name);

    pln[1] = pln[0];
    pln[1].is_heli = 1;
    EXPECT_STREQ(part_name(0, 1), "main rotor");
    EXPECT_STREQ(part_name(1, 1), "tail rotor");
    EXPECT_STREQ(part_name(2, 1), "propeller 3");
    EXPECT_STREQ(part_name(0, 0), "propeller 1");   // the slot's own aircraft decides
}

TEST_F(Helpers, PartNameOfNoPartIsEmptyEvenAfterAName)
{
    for (int part : {28, -1, 1000}) {
        part_name(4, 0);
        EXPECT_STREQ(part_name(part, 0), "") << part;
    }
}

TEST_F(Helpers, SlotSeparationByWidth)
{
    struct { int kind_a, kind_b, sep; } cases[] = {
        {0, 4, 101},   // narrow, narrow
        {8, 0, 101},
        {1, 2, 129},   // wide, wide
        {6, 9, 129},   // anything but 0, 4 and 8 is wide
        {3, 4, 115},   // wide then narrow
        {4, 5, 115},   // narrow then wide
    };
    for (auto& c : cases) {
        pln[0].ins_of_loc[2] = c.kind_a;
        pln[0].ins_of_loc[3] = c.kind_b;
        EXPECT_EQ(ret_ins_sep(2, 3, 0), c.sep) << c.kind_a << " " << c.kind_b;
    }
}

TEST_F(Helpers, CircleRowsWalkDownTheCircle)
{
    struct { float r, y, half, next_y; } cases[] = {
        {5, 0, 5, 1},      // the widest row
        {5, -3, 4, -2},
        {5, 3, 4, 4},
        {5, 5, 0, 6},      // the last row: a point
        {-5, 4, 3, 5},     // the radius is taken by magnitude
    };
    for (auto& c : cases) {
        float y = c.y, left = 99, right = 99;
        work_down_circle(c.r, &y, &left, &right);
        EXPECT_FLOAT_EQ(right, c.half) << c.r << " " << c.y;
        EXPECT_FLOAT_EQ(left, -c.half) << c.r << " " << c.y;
        EXPECT_FLOAT_EQ(y, c.next_y);
    }
}

TEST(HelpersDeathTest, ARowOutsideTheCircleIsFatalWithItsWholeNumber)
{
    ogl_ready = 0;
    float y = -6.75f, left, right;
    EXPECT_EXIT(
        {
            err.open("Error.out", std::ios::out | std::ios::trunc);
            work_down_circle(5, &y, &left, &right);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(read_file("Error.out").rfind("y>r\n\n\n-6\n", 0), 0u) << read_file("Error.out");
}

TEST_F(Helpers, TriangleArea)
{
    EXPECT_FLOAT_EQ(findarea(0, 0, 0, 3, 0, 0, 0, 4, 0), 6);
    EXPECT_FLOAT_EQ(findarea(1, 1, 1, 1, 4, 1, 1, 1, 5), 6);    // in the y-z plane
    EXPECT_FLOAT_EQ(findarea(0, 4, 0, 0, 0, 0, 3, 0, 0), 6);    // either winding
    EXPECT_NEAR(findarea(0, 0, 0, 1, 1, 1, 3, 3, 3), 0, 1e-6);  // on one line
    EXPECT_NEAR(findarea(0, 0, 0, 2, 0, 0, 0, 2, 2), 2 * sqrtf(2), 1e-5);
}

// A chart whose every node differs: z = 10 * row + column, rows y 1.0, 0.5,
// 0.2 down and columns x 6, 9, 12 across, but bent so no plane fits it.
static float chart(float x, float y)
{
    return interp9(6, 9, 12, 1.0f, 0.5f, 0.2f, 11, 12, 19, 21, 22, 23, 31, 38, 33, x, y);
}

TEST_F(Helpers, ChartGivesItsNodesAndBlendsWithinACell)
{
    const float xs[3] = {6, 9, 12}, ys[3] = {1.0f, 0.5f, 0.2f};
    const float z[3][3] = {{11, 12, 19}, {21, 22, 23}, {31, 38, 33}};
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++) EXPECT_NEAR(chart(xs[c], ys[r]), z[r][c], 1e-4) << r << " " << c;
    // The middle of each cell is the mean of its corners.
    EXPECT_NEAR(chart(7.5f, 0.75f), (11 + 12 + 21 + 22) / 4.0f, 1e-4);
    EXPECT_NEAR(chart(10.5f, 0.75f), (12 + 19 + 22 + 23) / 4.0f, 1e-4);
    EXPECT_NEAR(chart(7.5f, 0.35f), (21 + 22 + 31 + 38) / 4.0f, 1e-4);
    EXPECT_NEAR(chart(10.5f, 0.35f), (22 + 23 + 38 + 33) / 4.0f, 1e-4);
}

TEST_F(Helpers, ChartCarriesItsEdgeCellsOnOutside)
{
    // Beyond x3 along the top row: 12 -> 19 over 3 units goes on to 26 at 15.
    EXPECT_NEAR(chart(15, 1.0f), 26, 1e-4);
    // Before x1 along the top row: the left cell's slope, 11 - 1 at 3.
    EXPECT_NEAR(chart(3, 1.0f), 10, 1e-4);
    // Below y3 in the first column: 21 -> 31 over 0.3 goes on to 31 + 10/3 at 0.1.
    EXPECT_NEAR(chart(6, 0.1f), 31 + 10 / 3.0f, 1e-3);
    // Above y1 in the last column: 23 -> 19 over 0.5 goes on to 17.4 at 1.2.
    EXPECT_NEAR(chart(12, 1.2f), 17.4f, 1e-3);
}

TEST_F(Helpers, SpecialDownwashChart)
{
    struct { float a, b, c, d, wash; const char* what; } cases[] = {
        {0, 0.6f, 9, 0.5f, 5.1f, "e = 0 leaves the first chart"},
        {0.4f, 1.6f, 9, 1.0f, 2.0f, "both terms: (4.0 - 3.5 x 0.4) - 0.6 x 1.0"},
        {0, 2.0f, 6, 1.0f, 3.26f, "k at a = 0 is the fourth chart: 6.2 - 1.5 x 1.4 x 1.4"},
        {0, 0.5f, 6, 1.0f, 6.2f, "a negative k x e counts as 0"},
        {1, 2.0f, 6, 0.2f, 0.0f, "a negative first term counts as 0"},
        {-3, 0.6f, 100, 0.5f, 2.7f, "a and c clamped: c = 15 carries the chart on to 2.7"},
        {-5, 0.6f, 0, 0, 10.0f, "clamped to c = 3, d = 0.1 the chart passes 10 and is held there"},
        {0, 5.0f, 6, 1.0f, 6.2f - 1.5f * 1.4f * 1.4f, "b clamped to 2"},
    };
    for (auto& c : cases) EXPECT_NEAR(findspecwash(c.a, c.b, c.c, c.d), c.wash, 1e-4) << c.what;
}
