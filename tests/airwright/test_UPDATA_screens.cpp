// Airwright's general design screens driven by scripted presses, one frame
// each, with nothing drawn: each widget kind stepped up and down and held at
// its range's ends, the engines' hub columns by the count, the panel's
// instrument places, the propeller's chord in inches and its design point,
// the Rotor System's forward cant, the helicopter's own screens, and the
// composed help of position fields.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Init.h"
#include "UPDATA.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

planestruct& a = pln[0];

class AirwrightScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        msc = miscstruct{};
    }
};

void open(int win, int heli)
{
    mnw.topwin = win;
    a.is_heli = heli;
}

// One frame with a press at (x, y) of the open window.
void press(float x, float y)
{
    mnw.mx = x, mnw.my = y;
    mnw.mouse_clicked = 1;
    APPLICATION_update();
    mnw.mouse_clicked = 0;
}

// A press on place k of a number field at (x, y): its upper half steps up.
void step_place(float x, float y, int k, int up) { press(x + 10.0f * (float)k + 5, up ? y + 10 : y - 6); }

// ---- number fields --------------------------------------------------------------

struct number_case {
    const char* name;
    int win, heli;
    float x, y;
    int place, up;
    float* v;
    float start, stored;
};

const number_case number_cases[] = {
    // Viewpoint: 3.0 from 0, the signed 4.1 eye point to its ends.
    {"Vno up a hundred", win_viewpoint, 0, 48, 129, 0, 1, &a.Vno, 100, 200},
    {"Vne down one", win_viewpoint, 0, 48, 84, 2, 0, &a.Vne, 150, 149},
    {"Vso not below 0", win_viewpoint, 0, 48, 264, 2, 0, &a.Vso, 0, 0},
    {"Mmo up a hundredth", win_viewpoint, 0, 48, 39, 2, 1, &a.Mmo, 0.5f, 0.51f},
    {"peZ stops at 999.9", win_viewpoint, 0, 249, 384, 0, 1, &a.peZ, 999.9f, 999.9f},
    {"peZ stops at -999.9", win_viewpoint, 0, 249, 384, 0, 0, &a.peZ, -999.9f, -999.9f},
    {"peX down a tenth past 0", win_viewpoint, 0, 249, 339, 3, 0, &a.peX, 0, -0.1f},
    {"peY up ten", win_viewpoint, 0, 249, 294, 1, 1, &a.peY, -5, 5},
    // Engines: ranged and unranged.
    {"pmax up a hundred", win_engines, 0, 437, 412, 2, 1, &a.pmax, 160, 260},
    {"gearrat held at 1", win_engines, 0, 457, 371, 1, 0, &a.gearrat, 1.5f, 1},
    {"gearrat held at 99.99", win_engines, 0, 457, 371, 0, 1, &a.gearrat, 95, 99.99f},
    {"vertcant down a tenth", win_engines, 0, 304, 398, 1, 0, &a.vertcant[0], 0, -0.1f},
    {"vertcant held at 9.9", win_engines, 0, 304, 398, 0, 1, &a.vertcant[0], 9.5f, 9.9f},
    {"omegamax down a thousand", win_engines, 0, 447, 330, 1, 0, &a.omegamax, 2700, 1700},
    {"tmax up one", win_engines, 0, 457, 177, 5, 1, &a.tmax, 0, 1},
    // Propellers.
    {"numblades held at 2", win_props, 0, 76, 478, 0, 0, &a.numblades[0], 2, 2},
    {"numblades held at 9", win_props, 0, 76, 478, 0, 1, &a.numblades[0], 9, 9},
    {"numblades up one", win_props, 0, 76, 478, 0, 1, &a.numblades[0], 3, 4},
    {"des_rpm held at 100", win_props, 0, 88, 141, 2, 0, &a.des_rpm[0], 150, 100},
    {"semilen up one", win_props, 0, 292, 434, 1, 1, &a.semilen[0], 3, 4},
    {"minpitch held at -90", win_props, 0, 130, 75, 0, 0, &a.minpitch[0], -85, -90},
    // Control Geometry.
    {"ailn_crat held at 0.5", win_control, 0, 100, 255, 1, 1, &a.ailn_crat, 0.45f, 0.5f},
    {"sbrk_crat held at 0", win_control, 0, 100, 30, 1, 0, &a.sbrk_crat, 0.05f, 0},
    {"elev_dn up one", win_control, 0, 182, 210, 1, 1, &a.elev_dn, 20, 21},
    {"slat_inc down ten", win_control, 0, 533, 248, 0, 0, &a.slat_inc, 15, 5},
    // Weight & Balance of both sets.
    {"m_max up a thousand", win_weight, 0, 140, 140, 3, 1, &a.m_max, 2300, 3300},
    {"m_fuel down a hundred", win_weight, 0, 109, 73, 4, 0, &a.m_fuel, 300, 200},
    {"cgZ down a tenth", win_weight, 0, 81, 297, 3, 0, &a.cgZ, 3, 2.9f},
    {"helicopter cgY up one", hwin_weight, 1, 81, 252, 2, 1, &a.cgY, 0, 1},
    // Landing Gear: the side distances are not signed.
    {"mgearX held at 0", win_gear, 0, 120, 185, 2, 0, &a.mgearX, 0.5f, 0},
    {"ngearZ down ten", win_gear, 0, 120, 413, 1, 0, &a.ngearZ, 0, -10},
    {"nwsteer up a tenth", win_gear, 0, 166, 327, 2, 1, &a.nwsteer, 10, 10.1f},
    {"helicopter skidl up ten", hwin_gear, 1, 322, 27, 1, 1, &a.skidl, 8, 18},
    // Rotor System and the tail rotor's own propeller.
    {"trotor_rat held at 1", hwin_rotor, 1, 168, 253, 1, 0, &a.trotor_rat, 1.5f, 1},
    {"sidecant[1] down ten", hwin_rotor, 1, 209, 294, 0, 0, &a.sidecant[1], 0, -10},
    {"tail rotor Zarm[1] up a hundred", hwin_rotor, 1, 345, 208, 0, 1, &a.Zarm[1], 20, 120},
    {"tail rotor numblades[1] up one", hwin_tail_rotor, 1, 76, 478, 0, 1, &a.numblades[1], 3, 4},
    {"helicopter Vne up a hundred", win_viewpoint, 1, 48, 39, 0, 1, &a.Vne, 100, 200},
    {"helicopter peZ up ten", win_viewpoint, 1, 249, 159, 1, 1, &a.peZ, 0, 10},
};

TEST_F(AirwrightScreens, NumberFieldsStepByTheirPlacesWithinTheirRanges)
{
    for (const number_case& c : number_cases) {
        SetUp();
        open(c.win, c.heli);
        *c.v = c.start;
        step_place(c.x, c.y, c.place, c.up);
        EXPECT_NEAR(c.stored, *c.v, 1e-4f) << c.name;
        EXPECT_EQ(1, msc.dirty) << c.name;
    }
}

// ---- choices, radio boxes, on/off boxes, the tail number ---------------------------------

struct choice_case {
    const char* name;
    int win, heli;
    float x, y;
    int32_t* v;
    int start, stored;
};

const choice_case choice_cases[] = {
    {"entype on", win_engines, 0, 36 + engine_type_width + 5, 408, &a.entype, 1, 2},
    {"entype back wraps", win_engines, 0, 36 + engine_type_width + 5, 390, &a.entype, 1, 6},
    {"revthrustEQ by the first row", win_engines, 0, 673 + yes_no_width + 5, 254, &a.revthrustEQ, 0, 1},
    {"revthrustEQ by the second row", win_engines, 0, 673 + yes_no_width + 5, 86, &a.revthrustEQ, 1, 0},
    {"helicopter entype on", win_engines, 1, 36 + engine_type_width + 5, 408, &a.entype, 3, 4},
    {"gear_type back", win_gear, 0, 100 + gear_type_width + 5, 471, &a.gear_type, 3, 2},
    {"gear_retract on wraps", win_gear, 0, 390 + yes_no_width + 5, 491, &a.gear_retract, 1, 0},
    {"varpitchEQ on", win_props, 0, 289 + yes_no_width + 5, 488, &a.varpitchEQ, 0, 1},
    {"propdir[2] on", win_props, 0, 114 + 78 + yes_no_width + 5, 354, &a.propdir[2], 0, 1},
    {"asi_units box 2", win_viewpoint, 0, 25, 336 - 32 + 5, &a.asi_units, 1, 2},
    {"helicopter asi_units box 1", win_viewpoint, 1, 25, 111 - 16 + 5, &a.asi_units, 2, 1},
    {"supptype box 7", win_panel, 0, 23, 449 - 112 + 5, &a.supptype, 1, 7},
    {"TStype box 2", win_panel, 0, 452, 373 - 32 + 5, &a.TStype, 1, 2},
    {"con_smooth box 3", win_control, 0, 333, 189 - 108 + 5, &a.con_smooth, 1, 3},
    {"ff_hydraulic on", win_force, 0, 22, 44, &a.ff_hydraulic, 0, 1},
    {"ff_stickshaker off", win_force, 1, 22, 28, &a.ff_stickshaker, 1, 0},
};

TEST_F(AirwrightScreens, ChoicesAndBoxesTakeTheirClicks)
{
    for (const choice_case& c : choice_cases) {
        SetUp();
        open(c.win, c.heli);
        *c.v = c.start;
        press(c.x, c.y);
        EXPECT_EQ(c.stored, *c.v) << c.name;
    }
}

TEST_F(AirwrightScreens, TheTailNumberStepsByColumn)
{
    for (int heli : {0, 1}) {
        SetUp();
        open(win_viewpoint, heli);
        snprintf(a.tailnum, sizeof a.tailnum, "N172SP");
        float y = heli ? 157 : 382;
        press(95 + 5, y - 6);        // below steps on
        press(95 + 15, y + 10);      // above steps back
        EXPECT_STREQ("O072SP", a.tailnum) << heli;
    }
}

// ---- engines by their count ------------------------------------------------------------

TEST_F(AirwrightScreens, TheEngineCountShowsOneHubColumnAnEngine)
{
    struct {
        int start, up, stored;
    } counts[] = {{3, 1, 4}, {4, 1, 4}, {0, 0, 0}, {2, 0, 1}};
    for (auto& c : counts) {
        SetUp();
        open(win_engines, 0);
        a.numen = c.start;
        step_place(16, 398, 0, c.up);
        EXPECT_EQ(c.stored, a.numen) << c.start;
    }

    for (int numen : {0, 2, 4}) {
        SetUp();
        open(win_engines, 0);
        a.numen = numen;
        for (int k = 0; k < plane_engines; k++) {
            float x = 55.0f * (float)k + 24;
            step_place(x, 317, 0, 1);
            step_place(x, 272, 1, 0);
            step_place(x, 227, 3, 1);
        }
        for (int k = 0; k < plane_engines; k++) {
            EXPECT_EQ(k < numen ? 100.0f : 0.0f, a.Zarm[k]) << numen << " " << k;
            EXPECT_EQ(k < numen ? -10.0f : 0.0f, a.Xarm[k]) << numen << " " << k;
            EXPECT_NEAR(k < numen ? 0.1f : 0.0f, a.Yarm[k], 1e-6f) << numen << " " << k;
        }
    }
}

TEST_F(AirwrightScreens, TheCantIsEveryEnginesCant)
{
    open(win_engines, 0);
    step_place(304, 398, 0, 1);
    for (int k = 0; k < plane_engines; k++) EXPECT_EQ(1.0f, a.vertcant[k]) << k;
}

// The helicopter has one or two engines, no hub columns and no jet,
// rocket or cant fields: presses where the airplane has them change nothing.
TEST_F(AirwrightScreens, TheHelicoptersEnginesScreenHasOnlyItsOwnFields)
{
    open(win_engines, 1);
    a.numen = 2;
    step_place(16, 398, 0, 1);
    EXPECT_EQ(2, a.numen);
    a.numen = 1;
    step_place(16, 398, 0, 0);
    EXPECT_EQ(1, a.numen);

    const struct {
        float x, y;
        int place;
        float* v;
    } absent[] = {
        {24, 317, 0, &a.Zarm[0]},       {304, 398, 0, &a.vertcant[0]}, {457, 371, 0, &a.gearrat},
        {457, 177, 0, &a.tmax},         {457, 136, 0, &a.burnerinc},   {697, 177, 0, &a.facejet},
        {707, 136, 0, &a.spooltime},    {457, 28, 0, &a.fmax},
    };
    for (auto& f : absent) {
        *f.v = 5;
        step_place(f.x, f.y, f.place, 1);
        EXPECT_EQ(5.0f, *f.v) << f.x << " " << f.y;
    }
    // Its shared fields still edit.
    step_place(437, 412, 2, 1);
    EXPECT_EQ(100.0f, a.pmax);
}

// The helicopter's Viewpoint has the tail number, units, Vne and eye point
// only; the airplane's other speeds' places take nothing.
TEST_F(AirwrightScreens, TheHelicoptersViewpointHasNoOtherSpeeds)
{
    open(win_viewpoint, 1);
    a.Vso = 50, a.Vs = 55, a.Vfe = 85, a.Vno = 120, a.Mmo = 0.5f, a.peY = 3;
    for (float y : {264.0f, 219.0f, 174.0f, 129.0f}) step_place(48, y, 0, 1);
    step_place(48, 84, 2, 1);                 // the airplane's Vne
    step_place(249, 294, 1, 1);               // the airplane's eye height
    EXPECT_EQ(50.0f, a.Vso);
    EXPECT_EQ(55.0f, a.Vs);
    EXPECT_EQ(85.0f, a.Vfe);
    EXPECT_EQ(120.0f, a.Vno);
    EXPECT_EQ(0.5f, a.Mmo);
    EXPECT_EQ(3.0f, a.peY);
    EXPECT_EQ(0.0f, a.Vne);
}

// ---- panel -------------------------------------------------------------------------

const float slot_x[4] = {0, 129, 258, 387};

// Row i of the place whose list starts at (x, y).
void press_row(int slot, int i)
{
    float x = slot_x[(slot - 1) % 4], y = slot <= 4 ? 234.0f : 104.0f;
    press(x + 60, y - 20 - 10.0f * (float)i + 4);
}

TEST_F(AirwrightScreens, AnInstrumentTakenByAPlaceLeavesItsOldPlace)
{
    open(win_panel, 0);
    a.ins_of_loc[5] = 3;
    a.ins_of_loc[1] = 1;
    press_row(2, 3);
    EXPECT_EQ(3, a.ins_of_loc[2]);
    EXPECT_EQ(0, a.ins_of_loc[5]);
    EXPECT_EQ(1, a.ins_of_loc[1]);
    press_row(8, 1);
    EXPECT_EQ(1, a.ins_of_loc[8]);
    EXPECT_EQ(0, a.ins_of_loc[1]);
    press_row(2, 0);
    EXPECT_EQ(0, a.ins_of_loc[2]);
    EXPECT_EQ(1, a.ins_of_loc[8]) << "NONE is no instrument to move";
}

TEST_F(AirwrightScreens, TheRadioBoxTogglesOnTheAirplanesPanelOnly)
{
    open(win_panel, 0);
    a.radiotype = 1;
    press(600, 184);
    EXPECT_EQ(2, a.radiotype);
    press(530, 175);
    EXPECT_EQ(1, a.radiotype);
    press(600, 200);
    EXPECT_EQ(1, a.radiotype) << "above the box";
}

// A helicopter's panel has no fourth place in either row: a press there
// leaves the place that shows the instrument.
TEST_F(AirwrightScreens, TheHelicoptersPanelHasNoFourthPlaces)
{
    open(win_panel, 1);
    a.ins_of_loc[1] = 2;
    a.ins_of_loc[5] = 6;
    press_row(4, 2);
    press_row(8, 6);
    EXPECT_EQ(2, a.ins_of_loc[1]);
    EXPECT_EQ(6, a.ins_of_loc[5]);
    EXPECT_EQ(0, a.ins_of_loc[4]);
    EXPECT_EQ(0, a.ins_of_loc[8]);
    press(600, 184);
    EXPECT_EQ(1, a.radiotype);
    press_row(3, 2);
    EXPECT_EQ(2, a.ins_of_loc[3]);
    EXPECT_EQ(0, a.ins_of_loc[1]);
}

// ---- converted fields ---------------------------------------------------------------

TEST_F(AirwrightScreens, TheChordIsEditedInInchesAndStoredInFeet)
{
    open(win_props, 0);
    a.Croot[0] = 5.0f / 12;
    step_place(292, 389, 1, 1);
    EXPECT_NEAR(0.5f, a.Croot[0], 1e-6f);
    EXPECT_EQ(a.Croot[0], a.Ctip[0]);
}

// A chord no press changed keeps its bits, even one outside the field's
// range, through frames with and without presses elsewhere on the screen.
TEST_F(AirwrightScreens, AnUntouchedChordIsNotRewritten)
{
    for (float chord : {0.4166667f, 0.0f, 9.0f}) {
        SetUp();
        open(win_props, 0);
        a.Croot[0] = chord;
        a.numblades[0] = 3;
        for (int k = 0; k < 3; k++) APPLICATION_update();
        step_place(76, 478, 0, 1);
        EXPECT_EQ(0, memcmp(&chord, &a.Croot[0], sizeof chord)) << chord;
        EXPECT_EQ(4.0f, a.numblades[0]);
    }
}

TEST_F(AirwrightScreens, TheForwardCantIsShownFromTheVertical)
{
    open(hwin_rotor, 1);
    a.vertcant[0] = 88;
    step_place(168, 335, 0, 1);
    EXPECT_NEAR(87.0f, a.vertcant[0], 1e-5f);
    // A cant past the field's range stays as the file had it.
    a.vertcant[0] = 90.3f;
    for (int k = 0; k < 3; k++) APPLICATION_update();
    step_place(168, 294, 0, 1);                 // the side cant
    EXPECT_EQ(90.3f, a.vertcant[0]);
    EXPECT_EQ(1.0f, a.sidecant[0]);
}

// ---- propeller design --------------------------------------------------------------

// A 3 ft propeller of four pieces at 2400 rpm, 100 kt and 60 in of pitch.
void design_point(int varpitch)
{
    open(win_props, 0);
    a.varpitchEQ = varpitch;
    a.els[0] = 4, a.semilen[0] = 3, a.numblades[0] = 2;
    a.des_rpm[0] = 2400, a.des_vel[0] = 100, a.des_adv[0] = 60;
    a.minpitch[0] = 5, a.maxpitch[0] = 20;
}

const float kt_ft_s = 1.6878099f;    // ft/s a knot
const double rad_deg = 57.29577951308232;

TEST_F(AirwrightScreens, APitchPressDesignsFromThePitch)
{
    design_point(0);
    step_place(212, 184, 0, 1);                // 160 in
    EXPECT_EQ(160.0f, a.des_adv[0]);
    EXPECT_NEAR(160.0 / 12 * 2400 / 60 / kt_ft_s, a.des_vel[0], 0.05);
    // The first piece's angle is the pitch's helix at its middle radius.
    EXPECT_NEAR(std::atan(160.0 / 12 / (2 * M_PI * 0.375)) * rad_deg, a.anginc[0][0], 0.01);
    EXPECT_EQ(5.0f, a.minpitch[0]) << "a fixed-pitch propeller keeps its pitch range";
}

TEST_F(AirwrightScreens, AnRpmOrSpeedPressDesignsFromTheSpeed)
{
    const struct {
        const char* name;
        float x, y;
        int place;
        double rpm, kt;
    } presses[] = {
        {"rpm", 88, 141, 1, 3400, 100},
        {"speed", 319, 141, 0, 2400, 200},
    };
    for (auto& c : presses) {
        for (int varpitch : {0, 1}) {
            SetUp();
            design_point(varpitch);
            step_place(c.x, c.y, c.place, 1);
            double pitch_ft = c.kt * kt_ft_s / (c.rpm / 60);
            EXPECT_NEAR(pitch_ft * 12, a.des_adv[0], 0.05) << c.name;
            double helix = std::atan(pitch_ft / (2 * M_PI * 3)) * rad_deg;
            double first = std::atan(c.kt * kt_ft_s / (0.375 * c.rpm / 60 * 2 * M_PI)) * rad_deg;
            if (varpitch) {
                EXPECT_EQ(0.0f, a.minpitch[0]) << c.name;
                EXPECT_NEAR(helix + 10, a.maxpitch[0], 0.01) << c.name;
                EXPECT_NEAR(first - helix, a.anginc[0][0], 0.01) << c.name;
            } else {
                EXPECT_EQ(20.0f, a.maxpitch[0]) << c.name;
                EXPECT_NEAR(first, a.anginc[0][0], 0.01) << c.name;
            }
        }
    }
}

TEST_F(AirwrightScreens, OtherPressesOnThePropellerScreenDesignNothing)
{
    design_point(0);
    step_place(292, 434, 1, 1);                // the radius
    EXPECT_EQ(100.0f, a.des_vel[0]);
    EXPECT_EQ(60.0f, a.des_adv[0]);
    EXPECT_EQ(0.0f, a.anginc[0][0]);
}

// ---- help ---------------------------------------------------------------------------------

std::string hover(int win, float x, float y)
{
    open(win, 0);
    mnw.help_message[0] = 0;
    mnw.mx = x, mnw.my = y;
    mnw.mouse_clicked = 0;
    APPLICATION_update();
    return mnw.help_message;
}

TEST_F(AirwrightScreens, PositionFieldsShowTheirComposedHelp)
{
    const std::string note =
        " is. The reference point may be any point on the aircraft, but you have to use the SAME reference point "
        "for ALL the data you enter on the aircraft. The nose of the aircraft is a typical reference point.";
    EXPECT_EQ("This is how far behind the reference point the nose gear tire contact point with the ground" + note,
              hover(win_gear, 125, 413));
    a.numen = 2;
    EXPECT_EQ("This is how far to the side of the reference point the prop hub or engine thrust center" + note,
              hover(win_engines, 55 + 24 + 5, 272));
    EXPECT_EQ("This is how far above the reference point the center of gravity (or balance point)" + note,
              hover(win_weight, 85, 250));
    // The fuel burn's help follows the engine type.
    a.entype = 5;
    EXPECT_EQ("This is the number of pounds of fuel burned per hour per pound of thrust output from the engine.",
              hover(win_engines, 175, 398));
}

}  // namespace
