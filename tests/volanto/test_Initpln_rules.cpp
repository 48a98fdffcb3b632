// The design checks that end aircraft finishing: the shipped aircraft passes
// them in both slots; changed to break one rule, it is refused with that
// rule's four lines, and only the first broken rule speaks; a steep ground
// attitude is a notice and the aircraft flies; designs at the rules' edges
// pass; a propeller or rotor too small or without blades makes the file
// damaged, and engines of no type make a glider.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initpln.h"
#include "host_test.h"
#include "plane_files.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdio>
#include <string>

static const char* const design_file = "Design.acf";


static void fresh_error_out(void)
{
    err.close();
    err.open("Error.out", std::ios::out | std::ios::trunc);
}

static float sin_deg(float deg) { return sinf(deg * 3.14159265f / 180.0f); }

typedef void (*design_change)(planestruct&);

// The shipped aircraft as finishing first met it: loaded, its struts not yet
// lowered (finishing lowers them in place each time it runs).
static planestruct unfinished;

static void keep_unfinished(void)
{
    ASSERT_EQ(load_named(0, shipped, default_plane_file), 1);
    unfinished = pln[0];
    ASSERT_EQ(read_plane_file(1, shipped.c_str(), 1), 1);
    const planestruct& f = pln[1];
    unfinished.ngearY = f.ngearY * con.fttomtrs - f.cgY * con.fttomtrs;
    unfinished.mgearY = f.mgearY * con.fttomtrs - f.cgY * con.fttomtrs;
}

// Slot 0 finished again with one change: in SI on the loaded aircraft, or,
// where finishing reads what the loader derives from the file (stations and
// gear about the centre of gravity), through a changed file. 1 when loading
// went on.
static int finish_changed(design_change si, design_change file)
{
    if (file) return load_named(0, plane_variant(design_file, file), design_file);
    pln[0] = unfinished;
    si(pln[0]);
    finish_plane(0);
    return 1;
}

struct rule_case {
    int rule;
    const char* what;
    design_change si, file;   // one of them
    int level;
    const char* lines[4];     // nullptr: the aircraft's file name
};

static const char* const excessive_attitude[4] = {
    "This thing sits on the ground with an excessive attitute.",
    "Check up on the landing gear locations and heights in Airwright.", "",
    "I will let you go flying, but you may encounter problems on the ground."};

static const rule_case rule_cases[] = {
    {1, "Vno 0", [](planestruct& a) { a.Vno = 0; }, nullptr, alert_fatal,
     {"You entered a Vno of zero!", "You need to change this in Airwright.", "", ""}},
    {2, "Vne 0", [](planestruct& a) { a.Vne = 0; }, nullptr, alert_fatal,
     {"You entered a Vne of zero!", "You need to change this in Airwright.", "", ""}},
    {3, "empty 0.5 kg", [](planestruct& a) { a.m_empty = 0.5f; }, nullptr, alert_fatal,
     {"You have entered an empty weight of zero!", "This defies the immutable laws of physics!",
      "Please do not defy the immutable laws of physics!", nullptr}},
    {3, "empty 0.5 kg, maximum 0.25 kg (rules 3, 4 and 8 broken)",
     [](planestruct& a) {
         a.m_empty = 0.5f;
         a.m_max = 0.25f;
     },
     nullptr, alert_fatal,
     {"You have entered an empty weight of zero!", "This defies the immutable laws of physics!",
      "Please do not defy the immutable laws of physics!", nullptr}},
    {4, "maximum 0.5 kg (rule 8 broken too)", [](planestruct& a) { a.m_max = 0.5f; }, nullptr, alert_fatal,
     {"You have entered a maximum weight of zero!", "This defies the immutable laws of physics!",
      "Please do not defy the immutable laws of physics!", nullptr}},
    {5, "manifold pressure 0.05 in", [](planestruct& a) { a.mpmax = 0.05f; }, nullptr, alert_fatal,
     {"You have entered a maximum manifold pressure in Airwright of 0!",
      "It is not possible for a reciprocating engine to operate at full power with zero manifold pressure!",
      "Enter a correct maximum manifold pressure in Airwright... probably 29.9 for normally-aspirated engines.",
      ""}},
    {6, "fuselage sections 4 and 5 at one station", nullptr,
     [](planestruct& a) {
         for (int pt = 0; pt < plane_points; pt++) a.body_Z[part_fuselage][5][pt] = a.body_Z[part_fuselage][4][pt];
     },
     alert_fatal,
     {"You have entered a fuselage with at least two sections at the same station!",
      "In other words, the longitudinal location of two fuselage cross-sections is the same.",
      "This is not tenable for the aerodynamics/hydrodynamics flight model.", "Please chnage this in Airwright."}},
    {7, "glass panel with the weather radar",
     [](planestruct& a) {
         a.paneltype = 2;
         a.supptype = 6;
     },
     nullptr, alert_fatal,
     {"You have indicated in 'Airwright' that this aircraft has a GLASS PANEL.",
      "However, you have selected either the Argus or weather-radar as the equipment option.",
      "The glass panel contains all the information of both the Argus and weather radar systems.",
      "Therefore you need to change your equipment type to some other option."}},
    {8, "empty 1 kg above maximum", [](planestruct& a) { a.m_max = a.m_empty - 1; }, nullptr, alert_fatal,
     {"You have selected an empty weight that is greater than the maximum weight for this airplane!",
      "Go into Airwright and set the empty weight to less than the maximum weight!",
      "The airplane in question is:", nullptr}},
    {9, "stabilator with the shipped 3 deg trim (and elevators)", [](planestruct& a) { a.hstabtype = 1; },
     nullptr, alert_fatal,
     {"There are 2 different tail-types in Volanto: STABILIZER and STABILATOR.",
      "You select the tail type for your airplane in the Airwright Horizontal Stabilizer screen.",
      "If you select a tail-type of STABILATOR, you may NOT enter a STABILIZER trim. (Trim is automatically "
      "set as a fraction of the full travel).",
      "You have selected a trim, though. Go into Airwright and set the STABILIZER trim to 0, or set the "
      "tail-type to STABILIZER."}},
    {10, "stabilator with elevators, trim 0.01 deg",
     [](planestruct& a) {
         a.hstabtype = 1;
         a.hstbtrimmax = 0.01f;
     },
     nullptr, alert_fatal,
     {"There are 2 different tail-types in Volanto: STABILIZER and STABILATOR.",
      "With STABILIZERS, an elevator moves for pitch control.",
      "With STABILATORS, the whole tail moves for pitch control.",
      "You have selected elevators as being on a STABILATOR, which is not acceptable. Correct the design in "
      "Airwright."}},
    {11, "fuselage in propwash of no engine",
     [](planestruct& a) {
         a.entype = 0;
         a.numen = 0;
     },
     nullptr, alert_fatal,
     {"You have selected the fuselage as being in propwash, yet there are no propellers on this aircraft!",
      "This has me very confused.",
      "Select reciprocating or turboprop engines, or select the fuselage as NOT being in propwash.",
      "Do this in 'Airwright'."}},
    {12, "vectored piston with pitch cyclic and roll puffer only",
     [](planestruct& a) {
         a.vectEQ = 1;
         a.elevcyclic = 5;
         a.puffL = 100;
     },
     nullptr, alert_fatal,
     {"This aircraft has vectored thrust, but does NOT have pitch and roll cyclic deflections or puffers!",
      "There will be no control authority in hover!", "Add pitch and roll cyclic deflections or add puffers.",
      "...or check the aircraft as being NON-VECTORED THRUST in Foilwright, 'engines' menu."}},
    {13, "vectored jet with a roll puffer only",
     [](planestruct& a) {
         a.vectEQ = 1;
         a.entype = 4;
         a.fusewash = 0;
         a.puffL = 100;
     },
     nullptr, alert_fatal,
     {"The puffer moments in pitch and roll are zero.",
      "This will not allow you to manuever the aircraft in pitch or roll.",
      "Put in some puffers for pitch and roll control....", "...you can use differential vectoring for rudder control."}},
    {14, "no wing, stabiliser or fin",
     [](planestruct& a) {
         for (int part = part_wing_first; part <= part_vstab_2; part++) a.semilen[part] = 0;
     },
     nullptr, alert_fatal,
     {"This aircraft has no flying surfaces!", "You must have at least a stabilizer or something on the airplane!",
      "Put on a wing or stabilizer or something in Airwright.", ""}},
    {15, "tail-sitter at 80 deg", nullptr,
     [](planestruct& a) {
         a.ngearZ = a.cgZ + 2;
         a.mgearZ = a.cgZ - 1;
         a.ngearY = a.mgearY + 3 * sin_deg(80);
     },
     alert_notice, {excessive_attitude[0], excessive_attitude[1], excessive_attitude[2], excessive_attitude[3]}},
    {15, "nose wheel 6 ft above the mains, 5.37 ft ahead (beyond the sine's range)", nullptr,
     [](planestruct& a) { a.ngearY = a.mgearY + 6; }, alert_notice,
     {excessive_attitude[0], excessive_attitude[1], excessive_attitude[2], excessive_attitude[3]}},
    {16, "vectored thrust with engine 4 canted -0.02 deg",
     [](planestruct& a) {
         a.vectEQ = 1;
         a.elevcyclic = a.ailncyclic = 5;
         a.vertcant[3] = -0.02f;
     },
     nullptr, alert_fatal,
     {"This aircraft has both vectored thrust and a canted engine! The trigonometry for this is not currently "
      "supported.",
      "You must set the thrust-vectoring option OFF OR set the engine cants to ZERO in Airwright.",
      "Call customer support if niether of these options is feasible.", ""}},
    {17, "vectored thrust with wing 2 of variable sweep",
     [](planestruct& a) {
         a.vectEQ = 1;
         a.elevcyclic = a.ailncyclic = 5;
         a.varsweepEQ[6] = 1;
     },
     nullptr, alert_fatal,
     {"Aircraft has vectored thrust and variable-sweep wing or stabilizer!",
      "This is not allowed because the thrust vector and wing-sweep controls will overlap on the engine control "
      "console.",
      "Use vect thrust OR variable-sweep wings, not both.", "Correct the problem in Airwright."}},
    {18, "automatic sweep of nothing", [](planestruct& a) { a.autosweepEQ = 1; }, nullptr, alert_fatal,
     {"Your aircraft has been selected to have the wings and/or horizontal stabilizer sweep automatically ",
      "...yet neither the wings nor the horizontal stabilizer are selected for variable sweep!", "This is untenable.",
      "Correct the problem in Airwright."}},
    {19, "skid starting 0.1 m aft of the centre of gravity",
     [](planestruct& a) {
         a.gear_type = 2;
         a.skidZ = 0.1f;
         a.skidl = 2;
     },
     nullptr, alert_fatal,
     {"The center of gravity is not between the front and back of the skid!",
      "This will result in a machine that falls on it's nose or tail on the ground!", "", ""}},
    {19, "skid ending 1 m ahead of the centre of gravity",
     [](planestruct& a) {
         a.gear_type = 2;
         a.skidZ = -3;
         a.skidl = 2;
     },
     nullptr, alert_fatal,
     {"The center of gravity is not between the front and back of the skid!",
      "This will result in a machine that falls on it's nose or tail on the ground!", "", ""}},
    {19, "skid of length 0 at the centre of gravity",
     [](planestruct& a) {
         a.gear_type = 2;
         a.skidZ = 0;
         a.skidl = 0;
     },
     nullptr, alert_fatal,
     {"The center of gravity is not between the front and back of the skid!",
      "This will result in a machine that falls on it's nose or tail on the ground!", "", ""}},
    {20, "nose and main wheels ahead of the centre of gravity", [](planestruct& a) { a.mgearZ = -0.1f; }, nullptr,
     alert_fatal,
     {"The center of gravity is not between the nose gear and the main gear!",
      "This will result in a plane that falls on it's nose or tail on the ground!",
      "Keep the CG between the landing gear by using 'Airwright' to enter the gear and CG in the right place", ""}},
    {20, "nose wheel at the centre of gravity", [](planestruct& a) { a.ngearZ = 0; }, nullptr, alert_fatal,
     {"The center of gravity is not between the nose gear and the main gear!",
      "This will result in a plane that falls on it's nose or tail on the ground!",
      "Keep the CG between the landing gear by using 'Airwright' to enter the gear and CG in the right place", ""}},
    // At 10.5 deg nose up the mains, 1 ft aft, still sit aft of the centre of gravity.
    {20, "tail wheel, mains 1 ft aft", nullptr,
     [](planestruct& a) {
         a.mgearZ = a.cgZ + 1;
         a.ngearZ = a.cgZ + 15.5f;
         a.ngearY = a.mgearY + (a.ngearZ - a.mgearZ) * sin_deg(10.5f);
     },
     alert_fatal,
     {"The center of gravity is not between the nose gear and the main gear!",
      "This will result in a plane that falls on it's nose or tail on the ground!",
      "Keep the CG between the landing gear by using 'Airwright' to enter the gear and CG in the right place", ""}},
    {21, "redline 1 rad/s below idle", [](planestruct& a) { a.omegamax = a.omegamin - 1; }, nullptr, alert_fatal,
     {"You entered an idle rpm greater then the maximum engine rpm in Airwright!",
      "That is not possible. Go back into Airwright, select the 'Engine' screen, and enter the engine rpm data.",
      "The airplane in question is:", nullptr}},
    {21, "redline and idle 0",
     [](planestruct& a) {
         a.omegamax = 0;
         a.omegamin = 0;
     },
     nullptr, alert_fatal,
     {"You entered an idle rpm greater then the maximum engine rpm in Airwright!",
      "That is not possible. Go back into Airwright, select the 'Engine' screen, and enter the engine rpm data.",
      "The airplane in question is:", nullptr}},
    {22, "piston of 0.5 W", [](planestruct& a) { a.pmax = 0.5f; }, nullptr, alert_fatal,
     {"You requested a reciprocating or turbine engine in Airwright, but have entered an engine power of zero!",
      "This is not good. To fly a glider, enter a number of engines of ZERO. To fly a jet, enter that as the "
      "engine type.",
      "The airplane in question is:", nullptr}},
    {23, "jet of 0.5 N",
     [](planestruct& a) {
         a.entype = 4;
         a.fusewash = 0;
         a.tmax = 0.5f;
     },
     nullptr, alert_fatal,
     {"You requested a jet engine in Airwright, but have entered an engine thrust of zero!",
      "This is not good. To fly a glider, enter a number of engines of ZERO. To fly a prop plane, enter that as "
      "the engine type.",
      "The airplane in question is:", nullptr}},
    {24, "rocket of 0.5 N",
     [](planestruct& a) {
         a.entype = 6;
         a.fusewash = 0;
         a.fmax = 0.5f;
     },
     nullptr, alert_fatal,
     {"You requested a rocket engine in Airwright, but have entered an engine thrust of zero!",
      "This is not good. To fly a glider, enter a number of engines of ZERO. To fly a prop plane, enter that as "
      "the engine type.",
      "The airplane in question is:", nullptr}},
    {25, "rocket with reverse thrust",
     [](planestruct& a) {
         a.entype = 6;
         a.fusewash = 0;
         a.fmax = 1000;
         a.revthrustEQ = 1;
     },
     nullptr, alert_fatal,
     {"You have selected a rocket engine, but still indicated that reverse-thrust is enabled.",
      "This oddity is not supported. Turn OFF reverse-thrust as being available in Airwright.",
      "The airplane in question is:", nullptr}},
    {26, "jet helicopter",
     [](planestruct& a) {
         a.is_heli = 1;
         a.entype = 4;
         a.fusewash = 0;
         a.tmax = 1000;
     },
     nullptr, alert_fatal,
     {"You are using a jet or rocket engine on a helicopter!",
      "Helicopters may use reciprocating or turboprop engines only!", "The airplane in question is:", nullptr}},
    {27, "helicopter without engines",
     [](planestruct& a) {
         a.is_heli = 1;
         a.entype = 0;
         a.numen = 0;
         a.fusewash = 0;
     },
     nullptr, alert_fatal,
     {"You have selected no engines for your helicopter!",
      "Make sure you have either 1 or 2 engines selected for your helicopter in Airwright", "", ""}},
};

static std::string alert_text(const rule_case& c, const char* file)
{
    std::string text;
    for (const char* line : c.lines) text += std::string(line ? line : file) + "\n";
    return text;
}

static std::string tail(const std::string& log, size_t n) { return log.size() >= n ? log.substr(log.size() - n) : log; }

// An alert in a test that expects none ends the run as a failure.
class DesignRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(open_loader_surroundings(), 1);
        flt.redline_busted = 0;
    }
    void TearDown() override { close_loader_surroundings(); }
};

using DesignRulesDeathTest = DesignRules;

TEST_F(DesignRules, ShippedAircraftPassesEveryRuleInBothSlots)
{
    for (int p : {0, 1}) ASSERT_EQ(load_named(p, shipped, default_plane_file), 1) << p;
    EXPECT_EQ(error_out(), "");
    EXPECT_EQ(host_test_message_box_count(), 0);
}

// A fatal rule ends the program with its lines; the notice lets the changed
// aircraft fly.
TEST_F(DesignRulesDeathTest, EachRuleRefusesItsDesign)
{
    keep_unfinished();
    for (const rule_case& c : rule_cases) {
        const char* file = c.file ? design_file : default_plane_file;
        const std::string lines = alert_text(c, file);
        if (c.level == alert_notice) {
            fresh_error_out();
            int boxes = host_test_message_box_count();
            EXPECT_EQ(finish_changed(c.si, c.file), 1) << c.what;
            EXPECT_EQ(host_test_message_box_count(), boxes + 1) << c.what;
            EXPECT_EQ(error_out(), lines) << c.what;
            EXPECT_STREQ(pln[0].C_file, file) << c.what;
            continue;
        }
        // The child runs the earlier rows too: each row starts afresh inside.
        EXPECT_EXIT(
            {
                fresh_error_out();
                finish_changed(c.si, c.file);
            },
            ::testing::ExitedWithCode(1), "")
            << "rule " << c.rule << ": " << c.what;
        const std::string fatal = lines + "end simulation\n";
        EXPECT_EQ(tail(error_out(), fatal.size()), fatal) << "rule " << c.rule << ": " << c.what;
    }
}

TEST_F(DesignRulesDeathTest, SecondSlotIsCheckedToo)
{
    const rule_case* heavier = nullptr;
    for (const rule_case& c : rule_cases)
        if (c.rule == 8) heavier = &c;
    ASSERT_NE(heavier, nullptr);
    std::string path = plane_variant("Heavy.acf", [](planestruct& a) { a.m_empty = a.m_max + 1; });
    EXPECT_EXIT(load_named(1, path, "Heavy.acf"), ::testing::ExitedWithCode(1), "");
    const std::string fatal = alert_text(*heavier, "Heavy.acf") + "end simulation\n";
    EXPECT_EQ(tail(error_out(), fatal.size()), fatal);
}

// Designs just inside the rules: no alert, no notice.
TEST_F(DesignRules, DesignsAtTheRulesEdgesPass)
{
    const struct {
        const char* what;
        design_change si, file;
        float attitude;   // ground attitude, degrees; below 0: not checked
    } cases[] = {
        {"helicopter with Vno and Vne 0",
         [](planestruct& a) {
             a.is_heli = 1;
             a.Vno = a.Vne = 0;
         },
         nullptr, -1},
        {"Vne 0.001", [](planestruct& a) { a.Vne = 0.001f; }, nullptr, -1},
        {"sitting 10 deg nose down (350)", nullptr,
         [](planestruct& a) { a.ngearY = a.mgearY + (a.mgearZ - a.ngearZ) * sin_deg(10); }, 350},
        // 0.5 ft aft when level, ahead once at rest on the tail wheel.
        {"tail wheel, mains 0.5 ft aft", nullptr,
         [](planestruct& a) {
             a.mgearZ = a.cgZ + 0.5f;
             a.ngearZ = a.cgZ + 15.5f;
             a.ngearY = a.mgearY + (a.ngearZ - a.mgearZ) * sin_deg(10.5f);
         },
         10.5f},
        {"vectored piston with both cyclics and both puffers",
         [](planestruct& a) {
             a.vectEQ = 1;
             a.elevcyclic = a.ailncyclic = 5;
             a.puffL = a.puffM = 100;
         },
         nullptr, -1},
        {"vectored piston with both puffers, no cyclic",
         [](planestruct& a) {
             a.vectEQ = 1;
             a.puffL = a.puffM = 100;
         },
         nullptr, -1},
        {"propeller of 0.17 ft (over 5 cm) with one blade", nullptr,
         [](planestruct& a) {
             a.semilen[0] = 0.17f;
             a.numblades[0] = 1;
         },
         -1},
    };
    keep_unfinished();
    for (auto& c : cases) {
        fresh_error_out();
        int boxes = host_test_message_box_count();
        ASSERT_EQ(finish_changed(c.si, c.file), 1) << c.what;
        EXPECT_EQ(error_out(), "") << c.what;
        EXPECT_EQ(host_test_message_box_count(), boxes) << c.what;
        if (c.file) {
            EXPECT_STREQ(pln[0].C_file, design_file) << c.what;
        }
        if (c.attitude >= 0) {
            EXPECT_NEAR(pln[0].the_eqlbm, c.attitude, 0.05f) << c.what;
        }
    }
}

// The slipstream and rotor sums divide by the disc and the blades: a file
// with a disc under 5 cm or under one blade counts as damaged. The user's
// slot falls back to the default; slot 1 stays empty-handed.
TEST_F(DesignRules, SmallOrBladelessPropellerMakesTheFileDamaged)
{
    const struct {
        const char* what;
        design_change change;
    } cases[] = {
        {"propeller of 0.16 ft", [](planestruct& a) { a.semilen[0] = 0.16f; }},
        {"propeller without blades", [](planestruct& a) { a.numblades[0] = 0; }},
        {"helicopter's tail rotor of no radius",
         [](planestruct& a) {
             a.is_heli = 1;
             a.els[1] = 6;
             a.numblades[1] = 2;
         }},
    };
    for (auto& c : cases) {
        std::string path = plane_variant("Damaged.acf", c.change);
        fresh_error_out();
        ASSERT_EQ(load_named(0, path, "Damaged.acf"), 1) << c.what;
        EXPECT_EQ(error_out(), read_in_alert + path + "\n" + falls_back) << c.what;
        EXPECT_STREQ(pln[0].C_file, default_plane_file) << c.what;

        fresh_error_out();
        EXPECT_EQ(load_named(1, path, "Damaged.acf"), 0) << c.what;
        EXPECT_EQ(error_out(), read_in_alert + path + "\n\n") << c.what;
    }
}

// Engines of no type would run the engine sums with no power: a glider.
TEST_F(DesignRules, EnginesOfNoTypeLoadAsAGlider)
{
    std::string path = plane_variant("Glider.acf", [](planestruct& a) {
        a.entype = 0;
        a.fusewash = 0;
    });
    ASSERT_EQ(load_named(0, path, "Glider.acf"), 1);
    EXPECT_EQ(host_test_message_box_count(), 0);
    EXPECT_STREQ(pln[0].C_file, "Glider.acf");
    EXPECT_EQ(pln[0].numen, 0);
    trk.flush();
    EXPECT_EQ(read_file("Volanto.out").find("Engine number"), std::string::npos);
}
