// Airwright's body screens driven by scripted mouse frames: a dragged point
// lands at the mouse on the grid's scale, every edited section stays
// symmetric with its top and bottom on the centre line, the end toggles,
// the copy strip, the station fields, the radius that holds points without
// rescaling them, and a screen that merely stands open changes nothing.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Init.h"
#include "UPDATA.h"
#include "test_support.h"

#include <cmath>
#include <cstring>

namespace {

const char* const cessna = PROGRAM_DIR "planes/General Aviation/Cessna 172 Skyhawk/Cessna 172 Skyhawk.acf";

// A body screen: its window in either set, the part it edits, its grids'
// base line and its radius field.
struct body_screen {
    const char* what;
    int is_heli, window, part;
    float y0, radius_x, radius_y;
};

const body_screen screens[] = {
    {"fuselage", 0, win_fuselage, part_fuselage, 138, 256, 338},
    {"nacelle", 0, win_nacelles, part_nacelle_first, 174, 167, 327},
    {"tank or float", 0, win_misc, part_misc_first, 305, 167, 458},
    {"wheel fairing", 0, win_fairings, part_fairing_first, 174, 167, 327},
    {"helicopter fuselage", 1, hwin_fuselage, part_fuselage, 138, 256, 338},
    {"helicopter fairing", 1, hwin_fairings, part_fairing_first, 174, 167, 327},
};

class AirwrightBodies : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        msc = miscstruct{};
    }

    body_screen s{};
    int S = 0, n = 0;

    void open(const body_screen& screen)
    {
        s = screen;
        pln[0].is_heli = s.is_heli;
        mnw.topwin = s.window;
        S = f_body_s_dim(s.part, 0);
        n = f_body_r_dim(s.part);
    }

    // Round sections of the given radius about Y 0, station i at Z 2 i,
    // exactly symmetric.
    void round_body(float body_r, float radius)
    {
        planestruct& a = pln[0];
        a.body_r[s.part] = body_r;
        for (int i = 0; i < S; i++)
            for (int k = 0; k < n; k++) {
                int right = k <= n / 2 ? k : n - k;
                float q = 2 * con.pi * (float)right / (float)n;
                float x = right == 0 || right == n / 2 ? 0 : radius * sinf(q);
                a.body_X[s.part][i][k] = k <= n / 2 ? x : -x;
                a.body_Y[s.part][i][k] = radius * cosf(q);
                a.body_Z[s.part][i][k] = 2.0f * (float)i;
            }
    }

    float X(int i, int k) const { return pln[0].body_X[s.part][i][k]; }
    float Y(int i, int k) const { return pln[0].body_Y[s.part][i][k]; }
    float Z(int i, int k) const { return pln[0].body_Z[s.part][i][k]; }

    // Where a section's point (x, y), ft, of station i lies in the window.
    float wx(int i, float x) const { return 66.0f * (float)i + 11 + x * 61 / pln[0].body_r[s.part]; }
    float wy(float y) const { return s.y0 - 2 + y * 61 / pln[0].body_r[s.part]; }

    static void frame(float x, float y, int clicked, int held)
    {
        mnw.mx = x, mnw.my = y;
        mnw.mouse_clicked = clicked;
        mnw.now_dragging = held;
        APPLICATION_update();
    }
    static void click(float x, float y)
    {
        frame(x, y, 1, 1);
        frame(x, y, 0, 0);
    }
    // Pressed at (x1, y1), moved to (x2, y2), let go there.
    static void drag(float x1, float y1, float x2, float y2)
    {
        frame(x1, y1, 1, 1);
        frame(0.5f * (x1 + x2), 0.5f * (y1 + y2), 0, 1);
        frame(x2, y2, 0, 1);
        frame(x2, y2, 0, 0);
    }

    // Every station symmetric, its top and bottom on the centre line.
    void expect_symmetric(void) const
    {
        for (int i = 0; i < S; i++) {
            EXPECT_EQ(0.0f, X(i, 0)) << s.what << " station " << i;
            EXPECT_EQ(0.0f, X(i, n / 2)) << s.what << " station " << i;
            for (int k = 1; k < n / 2; k++) {
                EXPECT_EQ(-X(i, k), X(i, n - k)) << s.what << " station " << i << " point " << k;
                EXPECT_EQ(Y(i, k), Y(i, n - k)) << s.what << " station " << i << " point " << k;
                EXPECT_EQ(Z(i, k), Z(i, n - k)) << s.what << " station " << i << " point " << k;
            }
        }
    }
};

}  // namespace

// The side point of a middle station, dragged to a new place on each screen
// and with two radii, so the grid's scale is the radius's.
TEST_F(AirwrightBodies, ADraggedPointLandsAtTheMouseOnTheGridsScale)
{
    const float radii[] = {4, 7.5f};
    for (const body_screen& screen : screens)
        for (float r : radii) {
            SetUp();
            open(screen);
            round_body(r, 0.5f * r);
            // An untidy left half is made the mirror of the right by the edit.
            pln[0].body_X[s.part][1][n - 2] = 0.1f;
            int i = S / 2, k = n / 4;
            float neighbour_x = X(i, k - 1), neighbour_y = Y(i, k - 1);
            float to_x = 0.8f * r, to_y = 0.3f * r;
            drag(wx(i, X(i, k)) + 1, wy(Y(i, k)) - 1, wx(i, to_x), wy(to_y));
            EXPECT_NEAR(to_x, X(i, k), 1e-4f * r) << s.what << " r " << r;
            EXPECT_NEAR(to_y, Y(i, k), 1e-4f * r) << s.what << " r " << r;
            EXPECT_EQ(neighbour_x, X(i, k - 1)) << "the neighbour stays";
            EXPECT_EQ(neighbour_y, Y(i, k - 1)) << "the neighbour stays";
            expect_symmetric();
        }
}

// Past the centre line a point stops at X 0, past the grid at its edge; a
// top dragged under the bottom trades heights with it and the drag goes on
// with the bottom.
TEST_F(AirwrightBodies, DragsStayOnTheGridAndTheTopAboveTheBottom)
{
    open(screens[0]);
    round_body(4, 2);
    int i = 3;
    drag(wx(i, 1.2f), wy(1.2f), wx(i, -2), wy(9));
    EXPECT_EQ(0.0f, X(i, n / 8));
    EXPECT_EQ(4.0f, Y(i, n / 8));

    frame(wx(i, 0), wy(2), 1, 1);     // the top
    frame(wx(i, 0), wy(-3), 0, 1);
    EXPECT_NEAR(-2.0f, Y(i, 0), 1e-5f) << "the old bottom is the top";
    EXPECT_NEAR(-3.0f, Y(i, n / 2), 1e-4f);
    frame(wx(i, 0), wy(-3.5f), 0, 1);
    EXPECT_NEAR(-3.5f, Y(i, n / 2), 1e-4f) << "the held point is now the bottom";
    EXPECT_EQ(-2.0f, Y(i, 0));
    frame(wx(i, 0), wy(-3.5f), 0, 0);
    expect_symmetric();
}

// An end toggled CLOSED has its points on the centre line at its mean
// height, a drag in it moves them all there together, and OPEN gives it a
// section again.
TEST_F(AirwrightBodies, AClosedEndKeepsItsPointsOnTheCentreLine)
{
    open(screens[1]);
    round_body(4, 2);
    int last = S - 1;
    for (int k = 0; k < n; k++) pln[0].body_Y[s.part][last][k] += 1;
    float up_arrow_x = 66.0f * (float)last + 10 + end_toggle_width + 5, up_arrow_y = s.y0 + end_toggle_rise + 10;
    click(up_arrow_x, up_arrow_y);
    for (int k = 0; k < n; k++) {
        EXPECT_EQ(0.0f, X(last, k)) << k;
        EXPECT_NEAR(1.0f, Y(last, k), 1e-5f) << k;
    }
    EXPECT_NEAR(2.0f, X(0, n / 4), 1e-5f) << "the other end stays open";

    drag(wx(last, 1), wy(0.5f), wx(last, 2.5f), wy(-1.5f));
    for (int k = 0; k < n; k++) {
        EXPECT_EQ(0.0f, X(last, k)) << k;
        EXPECT_NEAR(-1.5f, Y(last, k), 1e-4f) << k;
    }

    click(up_arrow_x, up_arrow_y);
    EXPECT_GT(X(last, n / 4), 0.0f);
    expect_symmetric();
}

// A click in the strip copies the station whose grid is over the mouse onto
// its right neighbour when right of 66 k + 40, else its left; the ends
// neither give nor take. The right part of a grid is still its own station's.
TEST_F(AirwrightBodies, TheCopyStripCopiesOntoTheNeighbourOfTheMousesSide)
{
    struct strip_case {
        float x;
        int from, to;   // to == from: nothing copied
    };
    const strip_case cases[] = {
        {66 * 3 + 41.5f, 3, 4}, {66 * 3 + 25, 3, 2}, {66 * 3 + 60, 3, 4}, {66 * 9 + 30, 9, 8}, {15, 1, 1}, {66 * 10 + 30, 9, 9},
    };
    open(screens[0]);
    for (const strip_case& c : cases) {
        round_body(6, 1);
        planestruct& a = pln[0];
        for (int i = 0; i < S; i++)
            for (int k = 0; k < n; k++) a.body_X[s.part][i][k] *= 1 + 0.25f * (float)i;
        planestruct before = a;
        click(c.x, s.y0 - 72);
        for (int i = 0; i < S; i++) {
            int source = i == c.to ? c.from : i;
            for (int k = 0; k < n; k++) {
                EXPECT_EQ(before.body_X[s.part][source][k], X(i, k)) << c.x << " station " << i;
                EXPECT_EQ(before.body_Y[s.part][source][k], Y(i, k)) << c.x << " station " << i;
                EXPECT_EQ(before.body_Z[s.part][i][k], Z(i, k)) << "each keeps its place";
            }
        }
    }
}

// The main station field moves a station with its offsets; the offset field
// moves the point last picked there, and its mirror with it.
TEST_F(AirwrightBodies, TheStationFieldsMoveTheStationAndItsPickedPoint)
{
    open(screens[3]);
    round_body(4, 2);
    int i = 2, k = 1;
    float x = 66.0f * (float)i + 23;
    drag(wx(i, X(i, k)), wy(Y(i, k)), wx(i, X(i, k)), wy(Y(i, k)));
    click(x + 20 + 5, s.y0 - 110 + 10);     // the offset's ones place up
    EXPECT_NEAR(5.0f, Z(i, k), 1e-5f);
    EXPECT_NEAR(5.0f, Z(i, n - k), 1e-5f);
    EXPECT_EQ(4.0f, Z(i, 0));
    click(x + 20 + 5, s.y0 + 82 - 5);       // the main station's down
    EXPECT_NEAR(3.0f, Z(i, 0), 1e-5f);
    EXPECT_NEAR(4.0f, Z(i, k), 1e-5f);
    EXPECT_NEAR(3.0f, Z(i, n / 2), 1e-5f);
    EXPECT_EQ(6.0f, Z(i + 1, 0));
}

// A smaller radius holds every point inside it in the same frame; points
// already inside keep their place exactly.
TEST_F(AirwrightBodies, ASmallerRadiusPullsPointsInWithoutRescaling)
{
    open(screens[0]);
    round_body(4, 2);
    planestruct& a = pln[0];
    a.body_X[s.part][5][3] = 3.5f;
    a.body_Y[s.part][5][5] = -3.8f;
    planestruct before = a;
    click(s.radius_x + 10 + 5, s.radius_y - 5);   // ones place down: 4 to 3
    EXPECT_EQ(3.0f, a.body_r[s.part]);
    EXPECT_EQ(3.0f, X(5, 3));
    EXPECT_EQ(-3.0f, Y(5, 5));
    EXPECT_EQ(-3.0f, X(5, n - 3));
    for (int i = 0; i < S; i++)
        for (int k = 0; k < n; k++) {
            if (i == 5 && (k == 3 || k == 5 || k == n - 3 || k == n - 5)) continue;
            EXPECT_EQ(before.body_X[s.part][i][k], X(i, k)) << i << " " << k;
            EXPECT_EQ(before.body_Y[s.part][i][k], Y(i, k)) << i << " " << k;
        }
}

// The shipped Cessna with a radius smaller than its sections and a point off
// its mirror: a body screen that stands open, the mouse moving over its
// grids and fields without a press, leaves every body as loaded, and so
// does a radius of 0 as a damaged file may hold, which a drag then edits on
// the smallest grid without dividing by zero.
TEST_F(AirwrightBodies, OpeningABodyScreenChangesNothing)
{
    ASSERT_EQ(1, read_plane_file(0, cessna, plane_read_damaged));
    planestruct& a = pln[0];
    for (const body_screen& screen : screens) {
        a.body_r[screen.part] = 0.5f;
        a.body_X[screen.part][2][3] += 0.25f;
    }
    a.body_r[part_nacelle_first] = 0;
    for (const body_screen& screen : screens) {
        open(screen);
        planestruct before = a;
        for (int f = 0; f < 8; f++) frame(40.0f * (float)f + 12, s.y0 - 120 + 35.0f * (float)f, 0, 0);
        EXPECT_EQ(0, memcmp(before.body_r, a.body_r, sizeof a.body_r)) << s.what;
        EXPECT_EQ(0, memcmp(before.body_X[s.part], a.body_X[s.part], sizeof a.body_X[s.part])) << s.what;
        EXPECT_EQ(0, memcmp(before.body_Y[s.part], a.body_Y[s.part], sizeof a.body_Y[s.part])) << s.what;
        EXPECT_EQ(0, memcmp(before.body_Z[s.part], a.body_Z[s.part], sizeof a.body_Z[s.part])) << s.what;
    }

    open(screens[1]);
    round_body(0, 1);
    int i = 3;
    frame(66.0f * (float)i + 11 + 20, s.y0 - 2 + 20, 1, 1);   // towards point n/8
    frame(66.0f * (float)i + 11 + 20, s.y0 - 2 + 20, 0, 0);
    for (int st = 0; st < S; st++)
        for (int k = 0; k < n; k++) {
            ASSERT_TRUE(std::isfinite(X(st, k)) && std::isfinite(Y(st, k))) << st << " " << k;
            EXPECT_LE(fabsf(X(st, k)), 0.1f);
            EXPECT_LE(fabsf(Y(st, k)), 0.1f);
        }
    // The smallest grid: 610 units a foot.
    int landed = 0;
    for (int k = 0; k <= n / 2; k++)
        landed |= fabsf(X(i, k) - 20.0f / 610) < 1e-6f && fabsf(Y(i, k) - 20.0f / 610) < 1e-6f;
    EXPECT_TRUE(landed);
    EXPECT_EQ(0.0f, pln[0].body_r[s.part]) << "the radius is the file's until edited";
    expect_symmetric();
}

// A drag is the drag's alone: the shell's repeated clicks while the button
// stays down do not reach the copy strip, the end toggles or the station
// fields the mouse passes over.
TEST_F(AirwrightBodies, ADragThatOvershootsTheGridEditsNothingElse)
{
    open(screens[0]);
    round_body(4, 2);
    int i = 3, k = 2;
    frame(wx(i, X(i, k)), wy(Y(i, k)), 1, 1);
    planestruct before = pln[0];
    // Repeats over the copy strip, the station's main field and the first
    // station's toggle.
    const float over[3][2] = {{66.0f * i + 30, s.y0 - 72}, {66.0f * i + 23 + 25, s.y0 + 82 + 10},
                              {10 + end_toggle_width + 5, s.y0 + end_toggle_rise + 10}};
    for (const auto& p : over) frame(p[0], p[1], 1, 1);
    frame(over[2][0], over[2][1], 0, 0);
    for (int st = 0; st < S; st++) {
        EXPECT_EQ(before.body_Z[s.part][st][0], Z(st, 0)) << st;
        if (st == i) continue;
        for (int q = 0; q < n; q++) {
            EXPECT_EQ(before.body_X[s.part][st][q], X(st, q)) << st << " " << q;
            EXPECT_EQ(before.body_Y[s.part][st][q], Y(st, q)) << st << " " << q;
        }
    }
}

// The point a station's offset field edits is one picked on this visit of
// the screen, in this design: leaving the screen or opening a new design
// forgets it, and the field goes back to the station's widest point.
TEST_F(AirwrightBodies, APickDoesNotOutliveItsScreenOrDesign)
{
    for (int how : {0, 1}) {
        SCOPED_TRACE(how == 0 ? "another screen" : "a new design");
        SetUp();
        open(screens[0]);
        round_body(4, 2);
        int i = 2, k = 1;
        drag(wx(i, X(i, k)), wy(Y(i, k)), wx(i, X(i, k)), wy(Y(i, k)));
        if (how == 0) {
            mnw.topwin = win_wing_1;
            frame(0, 0, 0, 0);
            open(screens[0]);
        } else {
            setup_baseplane(untitled_plane, untitled_plane);
            open(screens[0]);
            round_body(4, 2);
        }
        click(66.0f * (float)i + 23 + 20 + 5, s.y0 - 110 + 10);   // the offset's ones place up
        EXPECT_EQ(4.0f, Z(i, k)) << "the old pick";
        EXPECT_NEAR(5.0f, Z(i, n / 4), 1e-5f) << "the widest point";
    }
}

// A radius a file carries beyond the field's range is taken at its end for
// the grid's scale and holds, so a drag stays finite and on the grid.
TEST_F(AirwrightBodies, ARadiusBeyondItsFieldIsTakenAtItsEnd)
{
    open(screens[0]);
    round_body(4, 2);
    pln[0].body_r[s.part] = INFINITY;
    int i = 4;
    float x = 66.0f * (float)i + 11 + 30, y = s.y0 - 2 + 20;
    frame(x, y, 1, 1);
    frame(x, y, 0, 0);
    for (int st = 0; st < S; st++)
        for (int q = 0; q < n; q++) ASSERT_TRUE(std::isfinite(X(st, q)) && std::isfinite(Y(st, q))) << st << " " << q;
    int landed = 0;
    for (int q = 0; q <= n / 2; q++)
        landed |= fabsf(X(i, q) - 30.0f * 99 / 61) < 1e-3f && fabsf(Y(i, q) - 20.0f * 99 / 61) < 1e-3f;
    EXPECT_TRUE(landed);
}
