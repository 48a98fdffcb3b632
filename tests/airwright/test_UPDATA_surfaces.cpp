// Airwright's surface and expert screens driven by clicks through the frame
// step: element counts held to their ranges (and none on the pylon screen
// nor the helicopter's fins), each element column editing its own element
// only, the pylon base in place of the root position, and the special,
// VTOL and stability fields, the two gains shown twice edited from both
// places.
#include <gtest/gtest.h>

#include "HL_MNW.h"
#include "Init.h"
#include "UPDATA.h"
#include "test_support.h"

#include <cstring>

namespace {

class AirwrightSurfaces : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        msc = miscstruct{};
    }
    void open(int win, int heli)
    {
        mnw.topwin = win;
        pln[0].is_heli = heli;
        APPLICATION_update();
    }
    // One frame with a click at (x, y), then one without.
    void click(float x, float y)
    {
        mnw.mx = x, mnw.my = y;
        mnw.mouse_clicked = 1;
        APPLICATION_update();
        mnw.mouse_clicked = 0;
        APPLICATION_update();
    }
};

// A click on the upper half of a number field's place k (0 the leftmost)
// adds that place's step.
float up_x(float x, int k) { return x + 10.0f * (float)k + 5; }
float up_y(float y) { return y + 10; }
float down_y(float y) { return y - 5; }

struct surface_screen {
    const char* name;
    int win, heli, part;
    float offset;
};

const surface_screen wing_1 = {"wing 1", win_wing_1, 0, 5, 0};
const surface_screen wing_3 = {"wing 3", win_wing_3, 0, 9, 0};
const surface_screen hstab = {"hstab", win_hstab, 0, part_hstab_right, 7};
const surface_screen vstab_2 = {"vstab 2", win_vstab_2, 0, part_vstab_2, -62};
const surface_screen heli_hstab = {"helicopter hstab", hwin_hstab, 1, part_hstab_right, 7};
const surface_screen pylons = {"pylons", win_pylons, 0, part_pylon_first, -174};
const surface_screen heli_vstab_1 = {"helicopter vstab 1", hwin_vstab_1, 1, part_vstab_1, -174};

}  // namespace

TEST_F(AirwrightSurfaces, ElementCountsAreHeldToTheirRanges)
{
    struct { surface_screen screen; int low; } cases[] = {
        {wing_1, 4}, {wing_3, 4}, {hstab, 2}, {vstab_2, 2}, {heli_hstab, 2},
    };
    for (const auto& c : cases) {
        SetUp();
        int& els = pln[0].els[c.screen.part];
        float y = 156 + c.screen.offset;
        els = c.low;
        open(c.screen.win, c.screen.heli);
        click(up_x(90, 0), down_y(y));
        EXPECT_EQ(c.low, els) << c.screen.name;
        click(up_x(90, 0), up_y(y));
        EXPECT_EQ(c.low + 1, els) << c.screen.name;
        els = 8;
        click(up_x(90, 0), up_y(y));
        EXPECT_EQ(8, els) << c.screen.name;
        // A count from elsewhere below the range is raised to it on sight.
        els = 1;
        APPLICATION_update();
        EXPECT_EQ(c.low, els) << c.screen.name;
    }
}

TEST_F(AirwrightSurfaces, ThePylonsAndTheHelicoptersFinsHaveNoElementCount)
{
    for (const surface_screen& s : {pylons, heli_vstab_1}) {
        SetUp();
        pln[0].els[s.part] = 3;
        open(s.win, s.heli);
        // Where the wing's count stands, and where this screen's rows would put it.
        for (float y : {156.0f, 156 + s.offset}) {
            click(up_x(90, 0), up_y(y));
            click(up_x(90, 0), down_y(y));
        }
        EXPECT_EQ(3, pln[0].els[s.part]) << s.name;
    }
}

// Column e's incidence (ones place) and on/off box, at x = 41 e + 104.
TEST_F(AirwrightSurfaces, AnElementColumnEditsItsOwnElementOnly)
{
    struct {
        surface_screen screen;
        float incidence_y, box_y;
        int32_t (planestruct::*box)[plane_parts][plane_elements];
    } cases[] = {
        {wing_1, 111, 77, &planestruct::ailn},  {wing_1, 111, 17, &planestruct::drud},
        {wing_3, 111, 41, &planestruct::slat},  {hstab, 118, 84, &planestruct::elev},
        {hstab, 118, 60, &planestruct::slat},   {vstab_2, 49, 15, &planestruct::rudd},
        {heli_hstab, 118, 0, nullptr},
    };
    const int els = 5;
    for (const auto& c : cases) {
        const int s = c.screen.part;
        for (int e : {0, 2, els}) {
            SetUp();
            planestruct& a = pln[0];
            a.els[s] = els;
            open(c.screen.win, c.screen.heli);
            float x = 41.0f * (float)e + 104;
            click(up_x(x, 1), up_y(c.incidence_y));
            if (c.box) click(x + 2 + 4, c.box_y + 4);
            for (int k = 0; k < plane_elements; k++) {
                bool edited = k == e && e < els;
                EXPECT_EQ(edited ? 1.0f : 0.0f, a.anginc[s][k]) << c.screen.name << " column " << e << " element " << k;
                if (c.box) {
                    EXPECT_EQ(edited ? 1 : 0, (a.*c.box)[s][k]) << c.screen.name << " column " << e << " box";
                }
            }
        }
    }
    // The helicopter's stabiliser has no control boxes: the elevator's place is blank.
    SetUp();
    pln[0].els[part_hstab_right] = els;
    open(hwin_hstab, 1);
    click(104 + 2 + 4, 84 + 4);
    EXPECT_EQ(0, pln[0].elev[part_hstab_right][0]);
}

// The ones place of a 4.1 field is its third; the rows lie 45 apart from 281 + offset.
TEST_F(AirwrightSurfaces, SurfaceFieldsStandInTheScreensRows)
{
    struct {
        surface_screen screen;
        float x, y;
        float (planestruct::*part_value)[plane_parts];
        float planestruct::*value;
    } cases[] = {
        {wing_1, 53, 281, &planestruct::Croot, nullptr},   {wing_1, 15, 191, &planestruct::semilen, nullptr},
        {wing_3, 185, 236, &planestruct::dihed, nullptr},  {wing_1, 311, 281, &planestruct::Zarm, nullptr},
        {hstab, 53, 243, &planestruct::Ctip, nullptr},     {hstab, 311, 198, &planestruct::Yarm, nullptr},
        {vstab_2, 185, 219, &planestruct::sweep1, nullptr}, {vstab_2, 311, 174, &planestruct::Xarm, nullptr},
        {heli_vstab_1, 15, 17, &planestruct::semilen, nullptr},
        {heli_vstab_1, 311, 107, &planestruct::Zarm, nullptr},
        {pylons, 53, 107, &planestruct::Croot, nullptr},
        // The pylon's base is placed from its engine, not from the reference point.
        {pylons, 311, 107, nullptr, &planestruct::pylondz}, {pylons, 311, 62, nullptr, &planestruct::pylondx},
        {hstab, 223, 28, nullptr, &planestruct::hstbtrimmax}, {heli_hstab, 223, 28, nullptr, &planestruct::hstbtrimmax},
    };
    for (const auto& c : cases) {
        SetUp();
        open(c.screen.win, c.screen.heli);
        int ones = c.value == &planestruct::hstbtrimmax ? 1 : 2;
        click(up_x(c.x, ones), up_y(c.y));
        float got = c.value ? pln[0].*c.value : (pln[0].*c.part_value)[c.screen.part];
        EXPECT_EQ(1.0f, got) << c.screen.name << " at " << c.x << ", " << c.y;
    }
}

TEST_F(AirwrightSurfaces, TheStabiliserTypeIsAChoiceOnTheStabiliserScreensOnly)
{
    for (const surface_screen& s : {hstab, heli_hstab, wing_1}) {
        SetUp();
        open(s.win, s.heli);
        click(342 + 66 + 5, 163 + 10);
        EXPECT_EQ(s.part == part_hstab_right ? 1 : 0, pln[0].hstabtype) << s.name;
    }
}

// Each field from zero by one click on the upper half of its ones place, or
// of a yes/no choice's upper arrow.
TEST_F(AirwrightSurfaces, SpecialVtolAndStabilityFieldsEditTheirValues)
{
    struct {
        int win, heli;
        float x, y;
        int ones;                         // the ones place; -1 for a yes/no choice
        float planestruct::*value;
        int32_t planestruct::*flag;
    } cases[] = {
        {win_x_special, 0, 82, 474, 2, &planestruct::jatoZ, nullptr},
        {win_x_special, 0, 82, 429, 2, &planestruct::jatoY, nullptr},
        {win_x_special, 0, 82, 384, 2, &planestruct::jatotheta, nullptr},
        {win_x_special, 0, 82, 339, 6, &planestruct::jatothrust, nullptr},
        {win_x_special, 0, 82, 294, 2, &planestruct::jatodur, nullptr},
        {win_x_special, 0, 375, 474, 1, &planestruct::stabroll, nullptr},
        {win_x_special, 0, 375, 429, 1, &planestruct::stabhdng, nullptr},
        {win_x_special, 0, 341, 384, 1, &planestruct::ailpitch, nullptr},
        {win_x_special, 0, 341, 339, 1, &planestruct::ailflaps, nullptr},
        {win_x_special, 0, 217, 28, 2, &planestruct::brake_area, nullptr},
        {win_x_special, 0, 504, 28, 4, &planestruct::chute_area, nullptr},
        {win_x_special, 0, 344, 295, -1, nullptr, &planestruct::arrestingEQ},
        {win_x_special, 0, 461, 295, -1, nullptr, &planestruct::antiiceEQ},
        {win_x_special, 0, 614, 295, -1, nullptr, &planestruct::bitchinbettyEQ},
        {win_x_special, 0, 165, 224, -1, nullptr, &planestruct::autosbrkEQ},
        {win_x_special, 0, 165, 182, -1, nullptr, &planestruct::autofbrkEQ},
        {win_x_special, 0, 165, 140, -1, nullptr, &planestruct::autosweepEQ},
        {win_x_vtol, 0, 149, 294, -1, nullptr, &planestruct::vectEQ},
        {win_x_vtol, 0, 363, 294, 1, &planestruct::vectarm, nullptr},
        {win_x_vtol, 0, 328, 228, 1, &planestruct::elevcyclic, nullptr},
        {win_x_vtol, 0, 328, 183, 1, &planestruct::ailncyclic, nullptr},
        {win_x_vtol, 0, 188, 118, 5, &planestruct::puffM, nullptr},
        {win_x_vtol, 0, 188, 73, 5, &planestruct::puffL, nullptr},
        {win_x_vtol, 0, 188, 28, 5, &planestruct::puffN, nullptr},
        {win_x_stability, 0, 204, 456, 3, &planestruct::ASloV, nullptr},
        {win_x_stability, 0, 102, 330, 2, &planestruct::ASmaxp1, nullptr},
        {win_x_stability, 0, 353, 330, 0, &planestruct::ASp1, nullptr},
        {win_x_stability, 0, 474, 123, 0, &planestruct::ASp1, nullptr},
        {win_x_stability, 0, 102, 285, 2, &planestruct::ASmaxh1, nullptr},
        {win_x_stability, 0, 353, 285, 0, &planestruct::ASh1, nullptr},
        {win_x_stability, 0, 474, 78, 0, &planestruct::ASh1, nullptr},
        {win_x_stability, 0, 102, 240, 2, &planestruct::ASmaxr1, nullptr},
        {win_x_stability, 0, 353, 240, 0, &planestruct::ASr1, nullptr},
        {win_x_stability, 0, 102, 123, 2, &planestruct::ASmaxp2, nullptr},
        {win_x_stability, 0, 279, 123, 0, &planestruct::ASp2, nullptr},
        {win_x_stability, 0, 102, 78, 2, &planestruct::ASmaxh2, nullptr},
        {win_x_stability, 0, 279, 78, 0, &planestruct::ASh2, nullptr},
        {win_x_stability, 0, 102, 33, 2, &planestruct::ASmaxr2, nullptr},
        {win_x_stability, 0, 279, 33, 0, &planestruct::ASr2, nullptr},
        {hwin_x_stability, 1, 474, 78, 0, &planestruct::ASh1, nullptr},
        {hwin_x_stability, 1, 279, 33, 0, &planestruct::ASr2, nullptr},
    };
    for (const auto& c : cases) {
        SetUp();
        open(c.win, c.heli);
        if (c.flag) {
            click(c.x + yes_no_width + 5, c.y + 10);
            EXPECT_EQ(1, pln[0].*c.flag) << c.win << " at " << c.x << ", " << c.y;
        } else {
            click(up_x(c.x, c.ones), up_y(c.y));
            EXPECT_EQ(1.0f, pln[0].*c.value) << c.win << " at " << c.x << ", " << c.y;
        }
    }
    // The high-speed rows' third column and the low-speed gains are one value.
    SetUp();
    open(win_x_stability, 0);
    click(up_x(353, 0), up_y(330));
    click(up_x(474, 0), up_y(123));
    click(up_x(474, 1), up_y(78));
    click(up_x(353, 1), up_y(285));
    EXPECT_EQ(2.0f, pln[0].ASp1);
    EXPECT_FLOAT_EQ(0.2f, pln[0].ASh1);
}

TEST_F(AirwrightSurfaces, OnlyTheSweepingSurfacesOfferAVariableSweep)
{
    struct { int win, heli, part, sweeps; } cases[] = {
        {win_x_wing_1, 0, 5, 1}, {win_x_wing_3, 0, 9, 1}, {win_x_hstab, 0, part_hstab_right, 1},
        {win_x_vstab_1, 0, part_vstab_1, 0}, {win_x_prop, 0, part_prop_first, 0},
        {hwin_x_hstab, 1, part_hstab_right, 0},
    };
    for (const auto& c : cases) {
        SetUp();
        open(c.win, c.heli);
        click(183 + yes_no_width + 5, 121 + 10);
        click(up_x(474, 1), up_y(121));
        EXPECT_EQ(c.sweeps, pln[0].varsweepEQ[c.part]) << c.win;
        EXPECT_EQ(c.sweeps ? 1.0f : 0.0f, pln[0].sweep2[c.part]) << c.win;
    }
}
