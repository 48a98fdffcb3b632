// The aircraft geometry helpers on a small aircraft built here: a swept wing
// with dihedral and its mirrored right half, which parts exist, the body
// station and point counts, and the anchors of the bodies.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>

class Geometry : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_set_constants();
        reset_suite_state();
        planestruct& a = pln[0];
        // Left wing 4 and its mirror 5: 10 m, four elements, swept 30
        // degrees back and raised 10 degrees.
        for (int part = 4; part <= 5; part++) {
            a.semilen[part] = 10;
            a.els[part] = 4;
            a.sweep1[part] = 30;
            a.dihed[part] = 10;
            a.Xarm[part] = part == 4 ? -1.0f : 1.0f;
            a.Yarm[part] = 0.5f;
            a.Zarm[part] = 2;
        }
    }
};

TEST_F(Geometry, ElementCentresAlongTheSpan)
{
    for (int el = 0; el < 4; el++) EXPECT_FLOAT_EQ(get_wing_rarm(4, el, 0), (el + 0.5f) * 2.5f) << el;
    pln[0].els[6] = 0;   // a part without elements
    EXPECT_EQ(get_wing_rarm(6, 0, 0), 0.0f);
}

TEST_F(Geometry, SweptRaisedWingPointsLieAtTheirSpanDistanceMirrored)
{
    const float deg = 3.14159265f / 180;
    for (float rarm : {0.0f, 3.75f, 10.0f}) {
        float lx = get_wing_Xarm(4, rarm, 0), ly = get_wing_Yarm(4, rarm, 0), lz = get_wing_Zarm(4, rarm, 0);
        float rx = get_wing_Xarm(5, rarm, 0), ry = get_wing_Yarm(5, rarm, 0), rz = get_wing_Zarm(5, rarm, 0);
        // Each point is rarm from its root, out to its own side, up and aft.
        EXPECT_NEAR(sqrtf(powf(lx + 1, 2) + powf(ly - 0.5f, 2) + powf(lz - 2, 2)), rarm, 1e-5);
        EXPECT_NEAR(lx, -1 - rarm * cosf(30 * deg) * cosf(10 * deg), 1e-5);
        EXPECT_NEAR(ly, 0.5f + rarm * cosf(30 * deg) * sinf(10 * deg), 1e-5);
        EXPECT_NEAR(lz, 2 + rarm * 0.5f, 1e-5);
        // The right half is the mirror image.
        EXPECT_FLOAT_EQ(rx, -lx);
        EXPECT_FLOAT_EQ(ry, ly);
        EXPECT_FLOAT_EQ(rz, lz);
    }
    // Forward sweep and anhedral put the tip ahead and below.
    pln[0].sweep1[4] = -30;
    pln[0].dihed[4] = -10;
    EXPECT_LT(get_wing_Zarm(4, 10, 0), 2);
    EXPECT_LT(get_wing_Yarm(4, 10, 0), 0.5f);
    EXPECT_LT(get_wing_Xarm(4, 10, 0), -1);
}

TEST_F(Geometry, SideOfEachPart)
{
    struct { int part; float xarm; float sign; } cases[] = {
        {0, -0.05f, 1},    // exactly -0.05 is still the right side
        {0, -0.06f, -1},
        {3, 2.0f, 1},
        {14, -3.0f, -1},   // a pylon goes by its place too
        {17, -0.05f, 1},
        {4, 5.0f, -1},     // left wings and stabiliser by index, wherever they sit
        {6, 0, -1},  {8, 0, -1},  {10, 0, -1},
        {5, -5.0f, 1}, {11, 0, 1}, {12, -2.0f, 1}, {18, -2.0f, 1}, {24, -1.0f, 1},
    };
    for (auto& c : cases) {
        pln[0].Xarm[c.part] = c.xarm;
        EXPECT_EQ(latsign(c.part, 0), c.sign) << c.part << " at " << c.xarm;
    }
}

TEST_F(Geometry, BodyStationAndPointCounts)
{
    pln[0].numblades[0] = 3;
    pln[0].numblades[1] = 2.5f;
    pln[0].numblades[2] = 20;   // more than the record's 18 stations
    pln[0].els[12] = 8;
    struct { int part, stations, points; } cases[] = {
        {0, 6, 2}, {1, 5, 2}, {2, 18, 2}, {3, 0, 2},
        {4, 5, 12}, {12, 9, 12}, {17, 1, 12},
        {18, 11, 16}, {19, 7, 16}, {24, 7, 16}, {25, 7, 8}, {27, 7, 8},
        {28, 0, 0}, {-1, 0, 0},
    };
    for (auto& c : cases) {
        EXPECT_EQ(f_body_s_dim(c.part, 0), c.stations) << c.part;
        EXPECT_EQ(f_body_r_dim(c.part), c.points) << c.part;
    }
    // A blade count straight from a damaged file never leaves the record's range.
    struct { float blades; int stations; } wild[] = {{NAN, 0}, {-1e30f, 0}, {1e30f, 18}, {INFINITY, 18}};
    for (auto& w : wild) {
        pln[0].numblades[3] = w.blades;
        EXPECT_EQ(f_body_s_dim(3, 0), w.stations) << w.blades;
    }
}

TEST_F(Geometry, WhichPartsExist)
{
    struct { const char* what; void (*set)(planestruct&); int part, exists; } cases[] = {
        {"the fuselage always", [](planestruct&) {}, 18, 1},
        {"no part beyond the list", [](planestruct&) {}, 28, 0},
        {"no part before it", [](planestruct&) {}, -1, 0},
        {"a wing longer than 0.05", [](planestruct&) {}, 4, 1},
        {"a wing of exactly 0.05", [](planestruct& a) { a.semilen[4] = 0.05f; }, 4, 0},
        {"a glider has no propeller", [](planestruct& a) { a.numen = 1; }, 0, 0},
        {"a piston engine's propeller", [](planestruct& a) { a.numen = 1; a.entype = 1; }, 0, 1},
        {"a turboprop's second propeller", [](planestruct& a) { a.numen = 2; a.entype = 3; }, 1, 1},
        {"a third propeller needs three engines", [](planestruct& a) { a.numen = 2; a.entype = 3; }, 2, 0},
        {"a fourth propeller", [](planestruct& a) { a.numen = 4; a.entype = 2; }, 3, 1},
        {"a jet has no propeller", [](planestruct& a) { a.numen = 2; a.entype = 4; }, 0, 0},
        {"a helicopter's rotors without engines", [](planestruct& a) { a.is_heli = 1; }, 1, 1},
        {"a helicopter has no third rotor", [](planestruct& a) { a.is_heli = 1; a.numen = 2; }, 2, 0},
        {"a pylon per engine", [](planestruct& a) { a.semilen[15] = 1; a.numen = 2; }, 15, 1},
        {"no pylon beyond the engines", [](planestruct& a) { a.semilen[16] = 1; a.numen = 2; }, 16, 0},
        {"a nacelle per engine", [](planestruct& a) { a.nace_eq = 1; a.numen = 3; }, 21, 1},
        {"no nacelle beyond the engines", [](planestruct& a) { a.nace_eq = 1; a.numen = 3; }, 22, 0},
        {"nacelles need their flag", [](planestruct& a) { a.numen = 3; }, 19, 0},
        {"a helicopter's one nacelle", [](planestruct& a) { a.nace_eq = 1; a.numen = 2; a.is_heli = 1; }, 19, 1},
        {"but no second", [](planestruct& a) { a.nace_eq = 1; a.numen = 2; a.is_heli = 1; }, 20, 0},
        {"the misc body", [](planestruct& a) { a.misc_eq = 1; }, 23, 1},
        {"its mirror needs misc_X above 0.01", [](planestruct& a) { a.misc_eq = 1; a.misc_X = 0.01f; }, 24, 0},
        {"its mirror", [](planestruct& a) { a.misc_eq = 1; a.misc_X = 0.011f; }, 24, 1},
        {"a fairing over a leg that is down", [](planestruct& a) { a.fair_eq = 1; a.gear_type = 3; a.gear_stat[2] = 1; }, 27, 1},
        {"no fairing over a leg that is up", [](planestruct& a) { a.fair_eq = 1; a.gear_type = 3; a.gear_stat[1] = 0; }, 26, 0},
        {"no fairing without wheels", [](planestruct& a) { a.fair_eq = 1; a.gear_type = 1; a.gear_stat[0] = 1; }, 25, 0},
        {"skids are bodies 25 and 26", [](planestruct& a) { a.gear_type = 2; }, 26, 1},
        {"but not 27", [](planestruct& a) { a.gear_type = 2; a.fair_eq = 1; a.gear_stat[2] = 1; }, 27, 0},
    };
    for (auto& c : cases) {
        SetUp();
        c.set(pln[0]);
        EXPECT_EQ(have_this_part(c.part, 0), c.exists) << c.what;
    }
}

TEST_F(Geometry, PastTheRedlineTheRightWingsAreGone)
{
    for (int part = 4; part <= 9; part++) pln[0].semilen[part] = 10;
    flt.redline_busted = 1;
    for (int part = 4; part <= 9; part++) EXPECT_EQ(have_this_part(part, 0), part % 2 == 0) << part;
    EXPECT_EQ(have_this_part(18, 0), 1);
    flt.redline_busted = 0;
    EXPECT_EQ(have_this_part(5, 0), 1);
}

TEST_F(Geometry, BodyAnchors)
{
    planestruct& a = pln[0];
    a.Xarm[2] = 3, a.Yarm[2] = -1, a.Zarm[2] = -4;
    a.misc_X = 2, a.misc_Y = 1, a.misc_Z = 5;
    a.ngearY = -1.5f, a.ngearZ = -6, a.mgearX = 2.5f, a.mgearY = -1.7f, a.mgearZ = 1;
    a.skidX = 1.2f, a.skidY = -2, a.skidZ = 0.5f, a.wheelrad = 0.25f;
    for (int k = 0; k < 9; k++) a.condef[k] = 0.01f * (k + 1);
    struct { int part, gear_type; float x, y, z; } cases[] = {
        {5, 3, 1, 0.5f, 2},                                 // a part's own root
        {18, 3, 0, 0, 0},
        {21, 3, 3, -1, -4},                                 // nacelle 3 sits on engine 3
        {23, 3, -2, 1, 5},  {24, 3, 2, 1, 5},               // the misc body and its mirror
        {25, 3, 0, -1.5f + 0.01f + 0.25f, -6},              // nose wheel
        {26, 3, -2.5f, -1.7f + 0.02f + 0.25f, 1},           // left and right mains
        {27, 3, 2.5f, -1.7f + 0.03f + 0.25f, 1},
        {25, 2, -1.2f, -2 + 0.04f + 0.25f, 0.5f},           // skids deflect by condef 3 and 5
        {26, 2, 1.2f, -2 + 0.06f + 0.25f, 0.5f},
    };
    for (auto& c : cases) {
        a.gear_type = c.gear_type;
        float x = 99, y = 99, z = 99;
        get_body_os(c.part, &x, &y, &z, 0);
        EXPECT_FLOAT_EQ(x, c.x) << c.part;
        EXPECT_FLOAT_EQ(y, c.y) << c.part;
        EXPECT_FLOAT_EQ(z, c.z) << c.part;
    }
    struct { int part, gear_type; } untouched[] = {{27, 2}, {25, 1}, {28, 3}, {-1, 3}};
    for (auto& c : untouched) {
        a.gear_type = c.gear_type;
        float x = 99, y = 99, z = 99;
        get_body_os(c.part, &x, &y, &z, 0);
        EXPECT_EQ(x, 99);
        EXPECT_EQ(y, 99);
        EXPECT_EQ(z, 99);
    }
}
