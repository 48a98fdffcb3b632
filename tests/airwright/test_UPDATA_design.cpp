// Airwright's design helpers: body smoothing (the ellipse it converges on,
// the mean radius total smoothing keeps, each station blended with the one
// before already moved, coincident stations, the end stations), the
// propeller designer worked by hand in both modes, with variable pitch and
// at its guard, and the part copies that mirror a right half onto its left
// twin.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Init.h"
#include "UPDATA.h"
#include "test_support.h"

#include <cmath>
#include <cstring>

namespace {

const int body = part_misc_first;    // 7 stations of 16 points
const int S = 7, n = 16;

class AirwrightDesign : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        ASSERT_EQ(S, f_body_s_dim(body, 0));
        ASSERT_EQ(n, f_body_r_dim(body));
    }
    // Station i as the section r(k) (distance from (0, yc) at point k), at z.
    template <typename F>
    void lay_station(int i, float z, float yc, F r)
    {
        for (int k = 0; k < n; k++) {
            double q = 2 * M_PI * k / n;
            pln[0].body_X[body][i][k] = (float)(r(k) * sin(q));
            pln[0].body_Y[body][i][k] = (float)(yc + r(k) * cos(q));
            pln[0].body_Z[body][i][k] = z;
        }
    }
};

// A lumpy section: radius 1 with every third point pushed out.
float lumpy(int k) { return k % 3 ? 1.0f : 1.6f; }

}  // namespace

// The ellipse through the section's side point and half its height, about
// its mean height: those three do not move, so it is the start's own.
TEST_F(AirwrightDesign, EllipseSmoothingConvergesOnTheSectionsOwnEllipse)
{
    for (int i = 0; i < S; i++) lay_station(i, (float)i, 0.3f * i, [i](int k) { return lumpy(k + i) * (1 + 0.1f * i); });
    float a[S], b[S], c[S];
    for (int i = 0; i < S; i++) {
        a[i] = pln[0].body_X[body][i][n / 4];
        b[i] = 0.5f * (pln[0].body_Y[body][i][0] - pln[0].body_Y[body][i][n / 2]);
        c[i] = ret_y_center(body, i, n);
    }
    for (int pass = 0; pass < 150; pass++) smoothit(body, 0);
    for (int i = 0; i < S; i++)
        for (int k = 0; k < n; k++) {
            double q = 2 * M_PI * k / n;
            EXPECT_NEAR(a[i] * sin(q), pln[0].body_X[body][i][k], 1e-4) << i << " " << k;
            EXPECT_NEAR(c[i] + b[i] * cos(q), pln[0].body_Y[body][i][k], 1e-4) << i << " " << k;
            EXPECT_FLOAT_EQ((float)i, pln[0].body_Z[body][i][k]);
        }
}

TEST_F(AirwrightDesign, TotalSmoothingKeepsTheMeanRadiusWhereTheEllipseAloneDoesNot)
{
    auto lay = [this] {
        for (int i = 0; i < S; i++) lay_station(i, 2.0f * i, 0, [i](int k) { return lumpy(k) * (i == 3 ? 2.0f : 1.0f); });
    };
    lay();
    float r0 = ret_ave_rad(body, S, n);
    smoothit(body, 0);
    EXPECT_GT(fabsf(ret_ave_rad(body, S, n) - r0), 0.01f);
    lay();
    smoothit(body, 1);
    EXPECT_NEAR(r0, ret_ave_rad(body, S, n), 1e-4f * r0);
    // The fat station in the middle was blended toward its neighbours.
    EXPECT_LT(pln[0].body_X[body][3][n / 4], 2.0f);
}

TEST_F(AirwrightDesign, StationsSharingOneZStayFinite)
{
    for (int i = 0; i < S; i++) lay_station(i, 5.0f, 0.1f * i, [i](int k) { return lumpy(k) + 0.2f * i; });
    for (int pass = 0; pass < 20; pass++) smoothit(body, 1);
    for (int i = 0; i < S; i++)
        for (int k = 0; k < n; k++) {
            EXPECT_TRUE(std::isfinite(pln[0].body_X[body][i][k])) << i << " " << k;
            EXPECT_TRUE(std::isfinite(pln[0].body_Y[body][i][k])) << i << " " << k;
        }
}

// End circles about height 0 between inner circles about height 2: a pull
// toward the neighbours would lift the ends; only the common scale moves them.
TEST_F(AirwrightDesign, EndStationsAreNotPulledTowardTheirNeighbours)
{
    for (int i = 0; i < S; i++) lay_station(i, (float)i, i == 0 || i == S - 1 ? 0.0f : 2.0f, [](int) { return 1.0f; });
    smoothit(body, 1);
    for (int i : {0, S - 1}) {
        EXPECT_NEAR(0.0f, ret_y_center(body, i, n), 1e-5f) << i;
        float r = pythag(pln[0].body_X[body][i][0], pln[0].body_Y[body][i][0]);
        for (int k = 0; k < n; k++)
            EXPECT_NEAR(r, pythag(pln[0].body_X[body][i][k], pln[0].body_Y[body][i][k]), 1e-5f) << i << " " << k;
    }
    EXPECT_GT(ret_y_center(body, 1, n), 1.0f);
}

// Unit circles at uneven spacing, station 1 lifted by 1 and station 2
// dropped by 1. A blend of unit circles is a unit circle, so the ellipse pull
// and the rescale change nothing: the blend alone sets the centres. By hand,
// each centre moves 10 % toward the line between its neighbours, the one
// before it already moved:
//   1 (z 1, between 0 and 3):  1 + 0.1 ((1 x -1 + 2 x 0) / 3 - 1)          =  0.866667
//   2 (z 3, between 1 and 4): -1 + 0.1 ((2 x 0 + 1 x 0.866667) / 3 + 1)    = -0.871111
//      (from the old station 1 it would be -0.866667)
//   3 (z 4, between 3 and 5):  0 + 0.1 (1 x 0 + 1 x -0.871111) / 2         = -0.0435556
//   4, 5 likewise: -0.00217778, -0.000108889; the end stations stay.
TEST_F(AirwrightDesign, TotalSmoothingBlendsEachStationWithTheAlreadyBlendedOneBefore)
{
    const float z[S] = {0, 1, 3, 4, 5, 6, 7}, y[S] = {0, 1, -1, 0, 0, 0, 0};
    for (int i = 0; i < S; i++) lay_station(i, z[i], y[i], [](int) { return 1.0f; });
    smoothit(body, 1);
    const float centre[S] = {0, 0.866667f, -0.871111f, -0.0435556f, -0.00217778f, -0.000108889f, 0};
    for (int i = 0; i < S; i++)
        for (int k = 0; k < n; k++) {
            double q = 2 * M_PI * k / n;
            EXPECT_NEAR(sin(q), pln[0].body_X[body][i][k], 1e-5) << i << " " << k;
            EXPECT_NEAR(centre[i] + cos(q), pln[0].body_Y[body][i][k], 1e-5) << i << " " << k;
            EXPECT_EQ(z[i], pln[0].body_Z[body][i][k]) << i << " " << k;
        }
}

TEST_F(AirwrightDesign, SmoothingANonBodyOrAnEmptyCountChangesNothing)
{
    pln[0].body_X[part_wing_first][1][3] = 7;
    smoothit(part_wing_first, 1);
    smoothit(-1, 1);
    smoothit(plane_parts, 0);
    EXPECT_EQ(7.0f, pln[0].body_X[part_wing_first][1][3]);
    EXPECT_EQ(0.01f, ret_ave_rad(body, 2, n));        // no inner station
    EXPECT_EQ(0.0f, ret_y_center(body, 0, 0));
}

// ---- the propeller designer ----------------------------------------------------------

namespace {

// A 3 ft radius of 2 elements (at 0.75 and 2.25 ft) turning 2000 rpm.
void lay_prop(int p, float adv, float vel, int varpitch)
{
    pln[0].semilen[p] = 3;
    pln[0].els[p] = 2;
    pln[0].des_rpm[p] = 2000;
    pln[0].des_adv[p] = adv;
    pln[0].des_vel[p] = vel;
    pln[0].varpitchEQ = varpitch;
}

}  // namespace

// Mode 0, 60 in of pitch: atan(60 / (2 pi 9)) and atan(60 / (2 pi 27)) at
// the elements; 60 in a turn at 33.3 turns a second is 50.8 m/s, 98.75 kt.
// Mode 1, 100 kt: atan(51.44 / (0.2286 m x 209.4 rad/s)) and so on; the
// pitch comes back as 51.44 m/s / 33.3 turns a second, 60.76 in.
TEST_F(AirwrightDesign, PropellerFromPitchOrFromSpeedWorkedByHand)
{
    struct Case {
        int mode;
        float adv, vel;
        float inc0, inc1, adv_out, vel_out;
    } cases[] = {
        {0, 60, 0, 46.6962f, 19.4775f, 60, 98.7474f},
        {1, 0, 100, 47.0565f, 19.7057f, 60.7611f, 100},
    };
    for (const Case& c : cases) {
        lay_prop(2, c.adv, c.vel, 0);
        pln[0].anginc[2][2] = 5;
        design_prop(2, c.mode);
        EXPECT_NEAR(c.inc0, pln[0].anginc[2][0], 1e-3) << c.mode;
        EXPECT_NEAR(c.inc1, pln[0].anginc[2][1], 1e-3) << c.mode;
        EXPECT_EQ(5.0f, pln[0].anginc[2][2]) << "past the elements";
        EXPECT_NEAR(c.adv_out, pln[0].des_adv[2], 1e-3) << c.mode;
        EXPECT_NEAR(c.vel_out, pln[0].des_vel[2], 1e-3) << c.mode;
    }
}

// The tip's blade angle comes off every element, and an airplane's pitch
// range is set around it; a helicopter's stays. From 60 in of pitch it is
// atan(60 / (2 pi 36)) = 14.856 deg. From 100 kt it comes from the pitch just
// found, 60.761 in: atan(1.5433 m / (2 pi 0.9144 m)) = 15.036 deg (the 30 in
// the propeller had before would give 7.555).
TEST_F(AirwrightDesign, VariablePitchStoresTheTwistFromTheTipsAngle)
{
    struct Case {
        int heli, mode;
        float adv, vel;
        float inc0, inc1, minpitch, maxpitch;
    } cases[] = {
        {0, 0, 60, 0, 46.6962f - 14.8561f, 19.4775f - 14.8561f, 0, 24.8561f},
        {1, 0, 60, 0, 46.6962f - 14.8561f, 19.4775f - 14.8561f, -3, 40},
        {0, 1, 30, 100, 47.0565f - 15.0360f, 19.7057f - 15.0360f, 0, 25.0360f},
    };
    for (const Case& c : cases) {
        pln[0].is_heli = c.heli;
        lay_prop(0, c.adv, c.vel, 1);
        pln[0].minpitch[0] = -3;
        pln[0].maxpitch[0] = 40;
        design_prop(0, c.mode);
        EXPECT_NEAR(c.inc0, pln[0].anginc[0][0], 1e-3) << c.heli << " " << c.mode;
        EXPECT_NEAR(c.inc1, pln[0].anginc[0][1], 1e-3) << c.heli << " " << c.mode;
        EXPECT_NEAR(c.minpitch, pln[0].minpitch[0], 1e-4) << c.heli << " " << c.mode;
        EXPECT_NEAR(c.maxpitch, pln[0].maxpitch[0], 1e-3) << c.heli << " " << c.mode;
    }
}

// A file's 0 rpm or radius would store an infinite pitch: below the
// screen's own limits the designer leaves the propeller alone.
TEST_F(AirwrightDesign, PropellerDesignerLeavesAlonePointsBelowTheScreensLimits)
{
    struct Case {
        float rpm, radius;
        int designs;
    } cases[] = {{0, 3, 0}, {99.9f, 3, 0}, {100, 3, 1}, {2000, 0, 0}, {2000, 0.09f, 0}, {2000, 0.1f, 1}};
    for (const Case& c : cases)
        for (int mode : {0, 1}) {
            lay_prop(1, 60, 100, 1);
            pln[0].des_rpm[1] = c.rpm;
            pln[0].semilen[1] = c.radius;
            pln[0].anginc[1][0] = 3;
            design_prop(1, mode);
            EXPECT_EQ(!c.designs, pln[0].anginc[1][0] == 3.0f) << c.rpm << " " << c.radius << " " << mode;
            EXPECT_TRUE(std::isfinite(pln[0].anginc[1][0]));
            EXPECT_TRUE(std::isfinite(pln[0].des_adv[1]) && std::isfinite(pln[0].des_vel[1]));
            if (!c.designs) {
                EXPECT_EQ(60.0f, pln[0].des_adv[1]);
            }
        }
}

// An element count from a file past the record's 8 designs the 8 there are.
TEST_F(AirwrightDesign, ElementLoopsStayInsideTheRecord)
{
    lay_prop(3, 60, 0, 0);
    pln[0].els[3] = 50;
    pln[0].anginc[3][7] = -1;
    design_prop(3, 0);
    EXPECT_GT(pln[0].anginc[3][7], 0.0f);
    pln[0].els[5] = 1000;
    copy_foil(5, 4);
    EXPECT_EQ(1000, pln[0].els[4]);                // the count itself is the loader's to refuse
}

// ---- part copies ------------------------------------------------------------------------

TEST_F(AirwrightDesign, ARightWingPieceIsMirroredOntoItsLeftTwin)
{
    planestruct& a = pln[0];
    int from = 7, to = 6;
    snprintf(a.Rafl0[from], 400, "root.afl");
    snprintf(a.Tafl1[from], 400, "tip.afl");
    a.Xarm[from] = 2.5f, a.Yarm[from] = 1, a.Zarm[from] = 6;
    a.sweep1[from] = 190, a.sweep2[from] = 4, a.dihed[from] = 5;
    a.semilen[from] = 10, a.Croot[from] = 5, a.Ctip[from] = 3, a.els[from] = 3, a.varsweepEQ[from] = 1;
    a.anginc[from][2] = 1.5f;
    a.ailn[from][2] = 1, a.flap[from][0] = 1, a.splr[from][1] = 1, a.slat[from][2] = 1;
    a.sbrk[from][0] = 1, a.drud[from][1] = 1;
    a.elev[from][0] = 1;               // a wing's elevator flag is not a wing's to copy
    a.anginc[to][3] = 9, a.ailn[to][3] = 1;
    afl[0].trat[from][0] = 0.12f, afl[0].trat[from][1] = 0.09f;
    copy_foil(from, to);
    EXPECT_STREQ("root.afl", a.Rafl0[to]);
    EXPECT_STREQ("tip.afl", a.Tafl1[to]);
    EXPECT_EQ(-2.5f, a.Xarm[to]);
    EXPECT_EQ(1.0f, a.Yarm[to]);
    EXPECT_EQ(6.0f, a.Zarm[to]);
    EXPECT_FLOAT_EQ(-170.0f, a.sweep1[from]);      // wrapped on both
    EXPECT_FLOAT_EQ(-170.0f, a.sweep1[to]);
    EXPECT_EQ(5.0f, a.dihed[to]);
    EXPECT_EQ(4.0f, a.sweep2[to]);
    EXPECT_EQ(10.0f, a.semilen[to]);
    EXPECT_EQ(5.0f, a.Croot[to]);
    EXPECT_EQ(3.0f, a.Ctip[to]);
    EXPECT_EQ(3, a.els[to]);
    EXPECT_EQ(1, a.varsweepEQ[to]);
    EXPECT_EQ(1.5f, a.anginc[to][2]);
    EXPECT_EQ(9.0f, a.anginc[to][3]);              // past the elements
    EXPECT_EQ(1, a.ailn[to][3]);
    EXPECT_EQ(1, a.ailn[to][2] & a.flap[to][0] & a.splr[to][1] & a.slat[to][2] & a.sbrk[to][0] & a.drud[to][1]);
    EXPECT_EQ(0, a.elev[to][0]);
    EXPECT_EQ(0.12f, afl[0].trat[to][0]);
    EXPECT_EQ(0.09f, afl[0].trat[to][1]);
}

TEST_F(AirwrightDesign, TheStabilisersElevatorsCopyAndAPylonKeepsItsPlace)
{
    planestruct& a = pln[0];
    a.els[part_hstab_right] = 2;
    a.elev[part_hstab_right][1] = 1, a.flap[part_hstab_right][0] = 1, a.ailn[part_hstab_right][0] = 1;
    copy_foil(part_hstab_right, part_hstab_left);
    EXPECT_EQ(1, a.elev[part_hstab_left][1]);
    EXPECT_EQ(1, a.flap[part_hstab_left][0]);
    EXPECT_EQ(0, a.ailn[part_hstab_left][0]);

    a.Xarm[part_pylon_first] = 4, a.semilen[part_pylon_first] = 2;
    a.Xarm[15] = -8, a.Yarm[15] = -1, a.Zarm[15] = 3;
    copy_foil(part_pylon_first, 15);
    EXPECT_EQ(2.0f, a.semilen[15]);
    EXPECT_EQ(-8.0f, a.Xarm[15]);
    EXPECT_EQ(-1.0f, a.Yarm[15]);
    EXPECT_EQ(3.0f, a.Zarm[15]);
}

TEST_F(AirwrightDesign, ABodyCopiesItsOwnStationsAndPoints)
{
    planestruct& a = pln[0];
    for (int i = 0; i < plane_stations; i++)
        for (int k = 0; k < plane_points; k++) {
            a.body_X[part_nacelle_first][i][k] = 1.0f + i + 0.01f * k;
            a.body_Y[part_nacelle_first][i][k] = 2.0f + i;
            a.body_Z[part_nacelle_first][i][k] = 3.0f + k;
        }
    copy_body(part_nacelle_first, part_nacelle_last);
    for (int i = 0; i < 7; i++)
        for (int k = 0; k < 16; k++) {
            EXPECT_EQ(1.0f + i + 0.01f * k, a.body_X[part_nacelle_last][i][k]);
            EXPECT_EQ(2.0f + i, a.body_Y[part_nacelle_last][i][k]);
            EXPECT_EQ(3.0f + k, a.body_Z[part_nacelle_last][i][k]);
        }
    EXPECT_EQ(0.0f, a.body_X[part_nacelle_last][7][0]);    // past the nacelle's 7 stations
}
