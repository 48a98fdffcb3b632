// The aircraft loader over the shipped default aircraft: it loads without an
// alert, in SI about the centre of gravity, the same from a file of the other
// byte order; its two wing panels fly as one wing; slot 1 stays quiet; a
// damaged aircraft is named and the default flies instead; and a missing
// airfoil and a missing or damaged default aircraft end in their alerts.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "host_test.h"
#include "plane_files.h"
#include "plane_layout.h"
#include "records.h"
#include "Genwrld.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// The program folder is the generated one, with its airfoils and sounds;
// sounds go to the silent sink, the report to "Volanto.out" here.
class Loader : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(open_loader_surroundings(), 1);
        flt.redline_busted = 0;
    }
    void TearDown() override { close_loader_surroundings(); }
};

// An alert in a test that expects none ends the run as a failure.
using QuietLoader = Loader;
using LoaderDeathTest = Loader;

TEST_F(QuietLoader, ShippedAircraftLoadsWithoutAnAlert)
{
    ASSERT_EQ(load_named(0, shipped), 1);
    EXPECT_EQ(error_out(), "");
    EXPECT_EQ(host_test_message_box_count(), 0);
    EXPECT_STREQ(pln[0].C_name, "Cessna 172 Skyhawk");
    EXPECT_STREQ(pln[0].C_path, shipped.c_str());

    // Every sound slot was filled from the shipped sounds.
    EXPECT_EQ(buffers_filled, 1);
    for (int slot = 0; slot < sound_slots; slot++) EXPECT_EQ(host_test_voice_state(slot).loaded, 1) << slot;
    // The flaps file the second stage will read is shipped too.
    EXPECT_EQ(pln[0].flapEQ, 1);
    EXPECT_FALSE(read_file(std::string(flp_path) + pln[0].flap_str).empty());
    // One file serves both Reynolds numbers, so the pair is spread apart.
    EXPECT_EQ(afl[0].Re[4][0][0], 0.0f);
    EXPECT_EQ(afl[0].Re[4][0][1], 99.9f);

    std::string log = plane_report();
    EXPECT_EQ(log.compare(0, 100, std::string(100, (char)0xA5)), 0);
    EXPECT_NE(log.find("Simulating " + shipped + "\n"), std::string::npos);
    EXPECT_NE(log.find("Finite-Wing & Element Build-Up for vert stab 1:\n"), std::string::npos);
    EXPECT_NE(log.find("TOTAL DISC AREA="), std::string::npos);
}

// Worked by hand from the file's feet, pounds and horsepower; lengths
// relative to the centre of gravity at 7.42 ft aft and 0.3 ft down.
TEST_F(QuietLoader, ShippedAircraftIsInSIAboutTheCentreOfGravity)
{
    ASSERT_EQ(load_named(0, shipped), 1);
    const planestruct& a = pln[0];
    float area = 0;
    for (int part : {4, 5, 6, 7})
        for (int el = 0; el < a.els[part]; el++) area += a.s[part][el];
    struct { const char* what; float got, want, tol; } cases[] = {
        {"span", 2 * (a.semilen[4] + a.semilen[6]), 2 * 18.04f * 0.3048f, 0.001f},
        {"wing area", area, 2 * (7.8f * 5.33f + 10.24f * 0.5f * (5.33f + 3.71f)) * 0.09290304f, 0.01f},
        {"power", a.pmax, 180 * 745.7f, 1.0f},
        {"redline", a.omegamax, 2700 * 2 * 3.14159265f / 60, 0.01f},
        {"empty mass", a.m_empty, 1680 * 0.4535925f, 0.01f},
        {"maximum mass", a.m_max, 2550 * 0.4535925f, 0.01f},
        {"nose wheel", a.ngearZ, (3.43f - 7.42f) * 0.3048f, 0.0005f},
        {"main wheels", a.mgearZ, (8.8f - 7.42f) * 0.3048f, 0.0005f},
        // Lowered by the strut's static deflection, 0.494 ft at 2,550 lb.
        {"main wheel height", a.mgearY, (-4.05f + 0.3f - 0.49414f) * 0.3048f, 0.0005f},
        {"wing leading edge", a.Zarm[4], (6.16f - 7.42f) * 0.3048f, 0.0005f},
        {"eye height", a.peY, (1.6f + 0.3f) * 0.3048f, 0.0005f},
        {"fuselage tail", a.body_Z[18][10][0], (26.2f - 7.42f) * 0.3048f, 0.0005f},
        {"disc", a.discarea[0], 3.14159265f * std::pow(38 / 12.0f * 0.3048f, 2.0f), 0.001f},
    };
    for (auto& c : cases) EXPECT_NEAR(c.got, c.want, c.tol) << c.what;
    // Close to the published 36 ft 1 in and 174 sq ft.
    EXPECT_NEAR(area, 16.17f, 0.02f * 16.17f);
    EXPECT_EQ(a.propdir[0], 1);
    EXPECT_EQ(a.us_alt, 1);
}

// The inner and outer panels meet tip to root: both take the aspect ratio of
// the whole wing. Panels bent 30 degrees apart stay separate.
TEST_F(QuietLoader, PanelsMeetingTipToRootFlyAsOneWing)
{
    ASSERT_EQ(load_named(0, shipped), 1);
    float whole = 2 * 18.04f / (0.5f * (5.33f + 3.71f));
    EXPECT_NEAR(pln[0].AR[4], whole, 0.01f);
    EXPECT_NEAR(pln[0].AR[6], whole, 0.01f);
    EXPECT_NE(plane_report().find("I am joining left wing 1 to left wing 2"), std::string::npos);

    std::string bent = plane_variant("Bent.acf", [](planestruct& a) { a.dihed[6] = a.dihed[7] = a.dihed[4] + 30; });
    ASSERT_EQ(load_named(0, bent, "Bent.acf"), 1);
    EXPECT_NEAR(pln[0].AR[4], 2 * 7.8f / 5.33f, 0.01f);
}

// The finite-wing build-up worked by hand from the shipped design: the tail
// (5 degrees of sweep, taper 0.7, a 0.105 per degree section stalling at 13)
// and the wing, whose two panels count as one (0.105 per degree, 16). Then
// the tail's elements along its taper and the propeller's six rings.
TEST_F(QuietLoader, FiniteWingFactorsWorkedByHand)
{
    ASSERT_EQ(load_named(0, shipped), 1);
    const planestruct& a = pln[0];
    struct { int part; float AR, e, al_D_al0, cl_D_cl0, cm_D_cm0, delta_fac, alpha_max; } cases[] = {
        {10, 3.32260f, 0.957680f, 0.744518f, 0.879773f, 0.620389f, 0.0369386f, 17.4610f},
        {4, 7.98230f, 0.811088f, 0.844781f, 0.926956f, 0.799645f, 0.00601371f, 18.9398f},
    };
    for (auto& c : cases) {
        EXPECT_NEAR(a.AR[c.part], c.AR, 1e-4) << c.part;
        EXPECT_NEAR(a.e[c.part], c.e, 1e-5) << c.part;
        EXPECT_NEAR(a.al_D_al0[c.part], c.al_D_al0, 1e-5) << c.part;
        EXPECT_NEAR(a.cl_D_cl0[c.part], c.cl_D_cl0, 1e-5) << c.part;
        EXPECT_NEAR(a.cm_D_cm0[c.part], c.cm_D_cm0, 1e-5) << c.part;
        EXPECT_NEAR(a.delta_fac[c.part], c.delta_fac, 1e-6) << c.part;
        EXPECT_NEAR(a.alpha_max[c.part], c.alpha_max, 1e-3) << c.part;
    }
    const float s[3] = {0.667230f, 0.596995f, 0.526760f}, mac[3] = {1.159309f, 1.037515f, 0.915755f};
    for (int el = 0; el < 3; el++) {
        EXPECT_NEAR(a.s[10][el], s[el], 1e-5) << el;
        EXPECT_NEAR(a.mac[10][el], mac[el], 1e-5) << el;
    }
    // Rings of equal width: areas grow as 1, 3, 5 ... times the first.
    for (int el = 0; el < 6; el++) EXPECT_NEAR(a.ringarea[0][el], 0.0812984f * (2 * el + 1), 1e-5) << el;
    EXPECT_NEAR(a.miprop[0], 0.456733f, 1e-5);
}

// An upper wing stacked 4 ft over the inner panels: both take the biplane
// efficiency (gap over span 0.256, equal spans); the outer panels, not under
// it, keep their own.
TEST_F(QuietLoader, StackedWingsTakeTheBiplaneEfficiency)
{
    std::string stacked = plane_variant("Stacked.acf", [](planestruct& a) {
        for (int from : {4, 5}) {
            int to = from + 4;
            a.els[to] = a.els[from];
            a.Xarm[to] = a.Xarm[from];
            a.Yarm[to] = a.Yarm[from] + 4.0f;
            a.Zarm[to] = a.Zarm[from];
            a.Croot[to] = a.Croot[from];
            a.Ctip[to] = a.Ctip[from];
            a.semilen[to] = a.semilen[from];
            a.dihed[to] = a.dihed[from];
            for (auto names : {a.Rafl0, a.Rafl1, a.Tafl0, a.Tafl1}) memcpy(names[to], names[from], 400);
        }
    });
    ASSERT_EQ(load_named(0, stacked, "Stacked.acf"), 1);
    EXPECT_NEAR(pln[0].e[4], 0.704374f, 1e-5);
    EXPECT_NEAR(pln[0].e[8], 0.704374f, 1e-5);
    EXPECT_NEAR(pln[0].e[6], 0.811088f, 1e-5);
    EXPECT_NE(plane_report().find("   Applying biplane interference factor to Oswalds Efficiency!\n"), std::string::npos);
}

// Loading overwrites the slot's airfoil tables whole: the parts that this
// aircraft lacks keep nothing of the one before.
TEST_F(QuietLoader, NothingOfThePreviousAircraftStaysInTheAirfoilTables)
{
    memset(&afl[1], 0x5a, sizeof afl[1]);
    ASSERT_EQ(load_named(1, shipped), 1);
    for (int part : {1, 13, 17}) {
        EXPECT_EQ(afl[1].trat[part][1], 0.0f) << part;
        EXPECT_EQ(afl[1].clM[part][0][0], 0.0f) << part;
        EXPECT_EQ(afl[1].cdpos[part][1][1][270], 0.0f) << part;
    }
    // The parts it has are read afresh.
    EXPECT_FLOAT_EQ(afl[1].trat[12][1], 0.09f);
}

// A file from the other platform: every field its writer would reverse is
// reversed, the rest kept. It must load into the same aircraft.
TEST_F(QuietLoader, ByteReversedFileLoadsTheSameAircraft)
{
    ASSERT_EQ(load_named(0, shipped), 1);
    planestruct native = pln[0];
    static airfoilstruct native_afl;
    native_afl = afl[0];
    inststruct native_ins = ins;

    std::string bytes = read_file(shipped);
    ASSERT_EQ(bytes.size(), 5 + sizeof(planestruct));
    bytes[0] = 'a';
    rev_byte_order4(&bytes[1]);
    for (const plane_field& f : plane_fields)
        if (f.swapped)
            for (size_t at = 0; at < f.size; at += 4) rev_byte_order4(&bytes[f.file_offset + at]);
    write_file("Reversed.acf", bytes);

    memset(&afl[0], 0, sizeof afl[0]);
    memset(&ins, 0, sizeof ins);
    ASSERT_EQ(load_named(0, "Reversed.acf"), 1);
    for (const plane_field& f : plane_fields) {
        if (!strcmp(f.name, "C_path")) continue;
        EXPECT_EQ(memcmp((const char*)&pln[0] + f.at, (const char*)&native + f.at, f.size), 0) << f.name;
    }
    EXPECT_EQ(memcmp(&afl[0], &native_afl, sizeof native_afl), 0);
    EXPECT_EQ(memcmp(&ins, &native_ins, sizeof ins), 0);
}

// Slot 1 is the second aircraft: no report, no panel, no sounds; a missing
// file leaves it as it was. A missing slot-0 file falls back to the default.
TEST_F(QuietLoader, SecondSlotStaysQuietAndMissingFilesFallBack)
{
    memset(&ins, 0, sizeof ins);
    ASSERT_EQ(load_named(1, shipped), 1);
    EXPECT_EQ(plane_report(), "");
    EXPECT_EQ(ins.asi_scale, 0.0f);
    EXPECT_EQ(buffers_filled, 0);
    EXPECT_GT(pln[1].AR[4], 0.0f);

    snprintf(pln[1].C_path, sizeof pln[1].C_path, "Nowhere.acf");
    planestruct before = pln[1];
    EXPECT_EQ(load_plane(1), 0);
    EXPECT_EQ(memcmp(&pln[1], &before, sizeof before), 0);

    ASSERT_EQ(load_named(0, "Nowhere.acf", "Nowhere.acf"), 1);
    EXPECT_STREQ(pln[0].C_file, "Cessna 172 Skyhawk.acf");
    EXPECT_STREQ(pln[0].C_path, shipped.c_str());
    EXPECT_STREQ(pln[0].C_name, "Cessna 172 Skyhawk");
}

// Flags that follow from the design, and values the loader must not divide
// into nonsense.
TEST_F(QuietLoader, DerivedFlagsFollowTheDesign)
{
    std::string odd = plane_variant("Odd.acf", [](planestruct& a) {
        std::swap(a.ngearZ, a.mgearZ);   // a tail wheel
        a.ADFtype = 7;
        a.TStype = 2;
        a.ASloV = 90;
        a.AShiV = 20;
        a.gearrat = 0;
        a.brake_area = 2;
        a.Zarm[10] = a.Zarm[11] = 1.0f;   // the tail ahead of the wing: a canard
        snprintf(a.tailnum, sizeof a.tailnum, "N1 72");
    });
    ASSERT_EQ(load_named(0, odd, "Odd.acf"), 1);
    EXPECT_EQ(pln[0].nwsteer, -10.0f);
    EXPECT_EQ(pln[0].ADFtype, 1);
    EXPECT_EQ(pln[0].TStype, 2);
    EXPECT_EQ(pln[0].AShiV, 91.0f);
    EXPECT_NEAR(pln[0].omegamax, 2700 * con.rpmtorsc, 0.01f);
    EXPECT_EQ(pln[0].fbrkEQ, 1);
    EXPECT_EQ(memcmp(pln[0].tailnum, "N1\0" "72", 5), 0);
    EXPECT_EQ(pln[0].elev_up, -28.0f);
    EXPECT_EQ(pln[0].elev_dn, -23.0f);
    // The designer's signs are kept: loading again flips from the file, not from memory.
    ASSERT_EQ(load_named(0, odd, "Odd.acf"), 1);
    EXPECT_EQ(pln[0].nwsteer, -10.0f);
    EXPECT_EQ(pln[0].elev_up, -28.0f);

    // The scenery box of US altitudes, its edges inside.
    struct { int lat, lon, us; } places[] = {
        {24, -180, 1}, {50, -60, 1}, {33, -119, 1}, {23, -100, 0}, {51, -100, 0}, {40, -59, 0}, {40, 10, 0},
    };
    for (auto& c : places) {
        env.reg_lat = c.lat;
        env.reg_lon = c.lon;
        ASSERT_EQ(load_named(1, shipped), 1);
        EXPECT_EQ(pln[1].us_alt, c.us) << c.lat << " " << c.lon;
    }
}

TEST_F(LoaderDeathTest, MissingAirfoilIsFatal)
{
    std::string broken = plane_variant("Broken.acf", [](planestruct& a) { snprintf(a.Tafl1[12], 400, "No Such Foil.afl"); });
    EXPECT_EXIT(load_named(0, broken, "Broken.acf"), ::testing::ExitedWithCode(1), "");
    std::string log = error_out();
    EXPECT_NE(log.find("An airfoil file could not be found! The name of the airfoil is:\n"), std::string::npos) << log;
    EXPECT_NE(log.find(std::string(afl_path) + "No Such Foil.afl\nThe file is used by the:\nvert stab 1"),
              std::string::npos)
        << log;
}

TEST_F(LoaderDeathTest, MissingDefaultAircraftIsFatal)
{
    snprintf(app_path, path_max, "%s", test_scratch_folder());
    EXPECT_EXIT(load_named(0, "Nowhere.acf", "Nowhere.acf"), ::testing::ExitedWithCode(1), "");
    std::string log = error_out();
    EXPECT_NE(log.find("I could not find the plane you last flew, and I could also not find the following:\n" +
                       std::string(test_scratch_folder()) +
                       "planes/General Aviation/Cessna 172 Skyhawk/Cessna 172 Skyhawk.acf\n"
                       "Be sure that the Cessna 172 is in the 'General Aviation' folder in the 'Planes' folder.\n"),
              std::string::npos)
        << log;
}

// Damaged aircraft files: cut short, of another mark, or with values that
// would index past the arrays, caught before anything uses them.
static std::vector<std::pair<const char*, std::function<void(planestruct&)>>> damaged_counts(void)
{
    return {
        {"numen 5", [](planestruct& a) { a.numen = 5; }},
        {"numen -1", [](planestruct& a) { a.numen = -1; }},
        {"no elements", [](planestruct& a) { a.els[6] = 0; }},
        {"nine elements", [](planestruct& a) { a.els[12] = 9; }},
        {"ten blades", [](planestruct& a) { a.numblades[0] = 10; }},
        {"a negative blade count", [](planestruct& a) { a.numblades[0] = -1e20f; }},
        {"instrument kind 9", [](planestruct& a) { a.ins_of_loc[3] = 9; }},
        {"panel type 3", [](planestruct& a) { a.paneltype = 3; }},
    };
}

// The shipped file's bytes, one short or with another mark.
static std::string damaged_bytes(const char* what)
{
    std::string bytes = read_file(shipped);
    if (!strcmp(what, "cut short")) return bytes.substr(0, bytes.size() - 1);
    bytes[0] = 'x';
    return bytes;
}


// The user's damaged aircraft is named in a notice, then the default flies,
// as for a missing file: a damaged file in the preferences never keeps the
// user out of the simulator.
TEST_F(QuietLoader, DamagedFileIsNamedThenTheDefaultFlies)
{
    std::vector<std::pair<std::string, std::string>> files;   // what, path
    for (auto& c : damaged_counts()) {
        std::string name = std::string("Damaged ") + c.first + ".acf";
        files.push_back({c.first, plane_variant(name.c_str(), c.second)});
    }
    for (const char* what : {"cut short", "marked x"}) {
        std::string path = std::string(test_scratch_folder()) + "Damaged " + what + ".acf";
        write_file(path, damaged_bytes(what));
        files.push_back({what, path});
    }
    for (auto& f : files) {
        err.close();
        err.open("Error.out", std::ios::out | std::ios::trunc);
        int boxes = host_test_message_box_count();
        ASSERT_EQ(load_named(0, f.second, "Damaged.acf"), 1) << f.first;
        EXPECT_EQ(error_out(), read_in_alert + f.second + "\n" + falls_back) << f.first;
        EXPECT_EQ(host_test_message_box_count(), boxes + 1) << f.first;
        EXPECT_STREQ(pln[0].C_file, "Cessna 172 Skyhawk.acf") << f.first;
        EXPECT_STREQ(pln[0].C_path, shipped.c_str()) << f.first;
        EXPECT_EQ(pln[0].numen, 1) << f.first;
        EXPECT_NEAR(pln[0].pmax, 180 * 745.7f, 1.0f) << f.first;   // in SI once, not twice
    }
    // The report is of the aircraft that flies.
    std::string log = plane_report();
    for (auto& f : files) EXPECT_EQ(log.find("Simulating " + f.second), std::string::npos) << f.first;

    // Elements of a part that does not exist, and of a pylon that does
    // (always one element), are not counted against the file.
    std::string fine = plane_variant("Fine.acf", [](planestruct& a) {
        a.els[13] = 0;
        a.els[14] = 12;
        a.semilen[14] = 2;
        a.Croot[14] = a.Ctip[14] = 1;
        for (auto names : {a.Rafl0, a.Rafl1, a.Tafl0, a.Tafl1}) memcpy(names[14], names[12], 400);
    });
    int boxes = host_test_message_box_count();
    ASSERT_EQ(load_named(0, fine, "Fine.acf"), 1);
    EXPECT_EQ(host_test_message_box_count(), boxes);
    EXPECT_STREQ(pln[0].C_file, "Fine.acf");
    EXPECT_TRUE(have_this_part(14, 0));
    EXPECT_EQ(pln[0].els[14], 1);
}

// Slot 1 has no default: a damaged file is named and the slot keeps its aircraft.
TEST_F(QuietLoader, DamagedFileLeavesTheSecondSlotAsItWas)
{
    std::string damaged = plane_variant("Damaged.acf", [](planestruct& a) { a.paneltype = 3; });
    write_file("Cut.acf", damaged_bytes("cut short"));
    for (const std::string& path : {damaged, std::string("Cut.acf")}) {
        ASSERT_EQ(load_named(1, shipped), 1);   // plane_variant() read into slot 1
        snprintf(pln[1].C_path, sizeof pln[1].C_path, "%s", path.c_str());
        planestruct before = pln[1];
        err.close();
        err.open("Error.out", std::ios::out | std::ios::trunc);
        EXPECT_EQ(load_plane(1), 0) << path;
        EXPECT_EQ(memcmp(&pln[1], &before, sizeof before), 0) << path;
        EXPECT_EQ(error_out(), read_in_alert + path + "\n\n") << path;
    }
    EXPECT_EQ(plane_report(), "");
}

// With nothing to fall back to, a damaged default aircraft is fatal, named
// as damaged, whether the user's file was missing or damaged too.
TEST_F(LoaderDeathTest, DamagedDefaultAircraftIsFatal)
{
    std::string folder = std::string(test_scratch_folder()) + "planes/General Aviation/Cessna 172 Skyhawk/";
    std::filesystem::create_directories(folder);
    std::string fallback = folder + "Cessna 172 Skyhawk.acf";
    std::string counts = plane_variant("Counts.acf", [](planestruct& a) { a.numen = 5; });
    write_file("Marked.acf", damaged_bytes("marked x"));
    const struct {
        const char* what;
        std::string user, fallback;   // the user's file; the default's bytes
    } cases[] = {
        {"a missing file, the default cut short", "Nowhere.acf", damaged_bytes("cut short")},
        {"a damaged file, the default with five engines", "Marked.acf", read_file(counts)},
    };
    for (auto& c : cases) {
        write_file(fallback, c.fallback);
        EXPECT_EXIT(
            {
                snprintf(app_path, path_max, "%s", test_scratch_folder());
                err.close();
                err.open("Error.out", std::ios::out | std::ios::trunc);
                load_named(0, c.user, "User.acf");
            },
            ::testing::ExitedWithCode(1), "")
            << c.what;
        // No ASSERT here: a death test's child runs the earlier rounds too.
        std::string fatal = read_in_alert + fallback + "\n\nend simulation\n";
        std::string log = error_out();
        EXPECT_EQ(log.size() >= fatal.size() ? log.substr(log.size() - fatal.size()) : log, fatal) << c.what;
        // A damaged file of the user's own was named first.
        EXPECT_EQ(log.find(read_in_alert + c.user + "\n" + falls_back) == 0, c.user == "Marked.acf") << log;
    }
}
