// Airwright's start-up and files without a window: a new design field by
// field, Save and Open through scripted dialogs, files Open must refuse,
// a failed write under a pending Quit, the question before a design is
// lost, the preferences, the keys and the window table.
#include <gtest/gtest.h>

#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Init.h"
#include "host_test.h"
#include "test_support.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <type_traits>
#include <unistd.h>
#include <vector>

static std::string at(const std::string& name) { return std::string(test_scratch_folder()) + name; }

// ---- scripted question and dialogs ---------------------------------------------

static struct {
    int answer;                      // nuke_save, nuke_discard or nuke_cancel
    int asked;
    int dialog_ok;
    int dialogs;
    std::string pick;                // the full path the dialog answers with
    std::string offered;             // the name the dialog was started on
} script;

static int scripted_question(const char*)
{
    script.asked++;
    return script.answer;
}

static int scripted_dialog(int, int, char* name, char* path)
{
    script.dialogs++;
    script.offered = name;
    if (!script.dialog_ok) return 0;
    snprintf(name, path_max, "%s", std::filesystem::path(script.pick).filename().c_str());
    snprintf(path, path_max, "%s", script.pick.c_str());
    return 1;
}

static void no_update(void) {}

class Airwright : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        err.open("Error.out", std::ios::out | std::ios::trunc);
        MACIBM_set_constants();
        snprintf(afl_path, path_max, "%sairfoils/", PROGRAM_DIR);
        snprintf(prf_path, path_max, "%s", at("Airwright.prf").c_str());
        gdone = 0;
        script = {};
        script.dialog_ok = 1;
        init_calls.MACIBM_nuke_alert = scripted_question;
        init_calls.MACIBM_opensave = scripted_dialog;
        shell.APPLICATION_update = no_update;
        rnd15_seed(7);
        setup_baseplane("Untitled.acf", "Untitled.acf");
    }
    // A saved design under name in the test's folder; its path.
    std::string saved(const char* name)
    {
        script.pick = at(name);
        msc.has_file = 0;
        EXPECT_EQ(writeplane(0), 1);
        return script.pick;
    }
};

// ---- a new design ---------------------------------------------------------------

struct field_span {
    const char* name;
    size_t at, size;
    std::string value;   // the field's bytes in a new design; "" where the tests below look
};

// The bytes of a field of size bytes whose first elements are values, the rest 0.
template <typename T>
static std::string image(size_t size, std::initializer_list<T> values)
{
    std::string bytes(size, '\0');
    size_t k = 0;
    for (T v : values) {
        memcpy(&bytes[k], &v, sizeof v);
        k += sizeof v;
    }
    return bytes;
}

#define FIELD(f) {#f, offsetof(planestruct, f), sizeof(planestruct::f), ""}
#define VALUED(f, ...)                                                  \
    {#f, offsetof(planestruct, f), sizeof(planestruct::f),              \
     image<std::remove_all_extents_t<decltype(planestruct::f)>>(sizeof(planestruct::f), {__VA_ARGS__})}
// Every field a new design may set; any other byte must stay 0.
static const field_span new_design_fields[] = {
    FIELD(C_file), FIELD(C_path), FIELD(is_heli), FIELD(tailnum), VALUED(asi_units, 2), VALUED(paneltype, 1),
    VALUED(radiotype, 1), VALUED(AStype, 1), VALUED(supptype, 1), VALUED(HUDtype, 1), VALUED(VVItype, 1),
    VALUED(ADFtype, 1), VALUED(TStype, 1), VALUED(ins_of_loc, 0, 1, 2, 3, 4, 5, 6, 7, 8), VALUED(entype, 1),
    VALUED(numen, 1), VALUED(gearrat, 1.0f), VALUED(con_smooth, 2), VALUED(gear_type, 3),
    VALUED(gear_stat, 1, 1, 1), FIELD(vertcant), FIELD(sidecant), FIELD(els), FIELD(dihed),
    VALUED(numblades, 2.0f, 2.0f, 2.0f, 2.0f), FIELD(body_r), FIELD(body_X), FIELD(body_Y), FIELD(body_Z),
    FIELD(Rafl0), FIELD(Rafl1), FIELD(Tafl0), FIELD(Tafl1), FIELD(flap_str),
};

// The fields of the record that differ from a zeroed one, in record order,
// and "stray byte N" for a set byte outside them.
static std::string non_zero_fields(const planestruct& a)
{
    const unsigned char* b = (const unsigned char*)&a;
    std::string out;
    for (size_t k = 0; k < sizeof a; k++) {
        if (!b[k]) continue;
        const field_span* in = nullptr;
        for (const field_span& f : new_design_fields)
            if (k >= f.at && k < f.at + f.size) in = &f;
        if (!in) {
            out += "stray byte " + std::to_string(k) + "\n";
            continue;
        }
        out += std::string(in->name) + "\n";
        k = in->at + in->size - 1;
    }
    return out;
}

TEST_F(Airwright, ANewDesignSetsTheDefaultsTableAndNothingElse)
{
    EXPECT_EQ(non_zero_fields(pln[0]),
              "C_file\nC_path\ntailnum\nasi_units\npaneltype\nradiotype\nAStype\nsupptype\nHUDtype\nVVItype\n"
              "ins_of_loc\nentype\nnumen\ngearrat\nnumblades\nRafl0\nRafl1\nTafl0\nTafl1\nels\ndihed\nADFtype\n"
              "TStype\ncon_smooth\nflap_str\nbody_r\nbody_X\nbody_Y\nbody_Z\ngear_type\ngear_stat\n");
    EXPECT_EQ(non_zero_fields(pln[1]), "");
    const planestruct& a = pln[0];
    for (const field_span& f : new_design_fields) {
        if (!f.value.empty()) {
            EXPECT_EQ(std::string((const char*)&a + f.at, f.size), f.value) << f.name;
        }
    }
    for (int part = 0; part <= part_pylon_last; part++) {
        int els = is_prop(part) ? 8 : is_wing(part) ? 6 : is_surface(part) ? 4 : 1;
        EXPECT_EQ(a.els[part], els) << part;
        EXPECT_EQ(a.dihed[part], part >= part_vstab_1 ? 90.0f : 0.0f) << part;
    }
    EXPECT_EQ(a.ins_of_loc[0], 0);
    EXPECT_EQ(a.ins_of_loc[8], 8);
    EXPECT_STREQ(a.Rafl0[0], "Clark-Y (good propeller).afl");
    EXPECT_STREQ(a.Tafl1[9], "NACA 2412 (popular).afl");
    EXPECT_STREQ(a.Rafl1[17], "NACA 0009 (symmetrical).afl");
    EXPECT_EQ(a.Rafl0[18][0], 0);
    EXPECT_EQ(msc.dirty, 0);
    EXPECT_EQ(msc.has_file, 0);
    EXPECT_EQ(error_out(), "");
}

TEST_F(Airwright, AHelicopterDesignKeepsItsModeAndStandsItsRotorsUp)
{
    msc.dirty = 1;
    pln[0].is_heli = 1;
    setup_baseplane("Untitled.acf", "Untitled.acf");
    EXPECT_EQ(pln[0].is_heli, 1);
    EXPECT_EQ(msc.dirty, 0);
    EXPECT_EQ(pln[0].vertcant[0], 90.0f);
    EXPECT_EQ(pln[0].vertcant[1], 90.0f);
    EXPECT_EQ(pln[0].sidecant[1], -90.0f);
    EXPECT_EQ(pln[0].sidecant[0], 0.0f);
    // The same airfoils on every surface, used or not.
    EXPECT_STREQ(pln[0].Rafl0[6], "NACA 2412 (popular).afl");
}

TEST_F(Airwright, TwoNewDesignsHaveDifferentTailNumbers)
{
    std::string first = pln[0].tailnum;
    setup_baseplane("Untitled.acf", "Untitled.acf");
    std::string second = pln[0].tailnum;
    EXPECT_NE(first, second);
    for (const std::string& t : {first, second}) {
        ASSERT_EQ(t.size(), 6u) << t;
        EXPECT_EQ(t[0], 'N');
        for (int k = 1; k <= 3; k++) EXPECT_TRUE(t[k] >= '0' && t[k] <= '9') << t;
        for (int k = 4; k <= 5; k++) EXPECT_TRUE(t[k] >= 'A' && t[k] <= 'Z') << t;
    }
}

TEST_F(Airwright, EveryBodyStartsAsACylinder)
{
    struct { int part, stations, points; float r, first_z, spacing; } bodies[] = {
        {18, 11, 16, 3, 0, 2}, {19, 7, 16, 2, 0, 2}, {24, 7, 16, 2, 0, 2},
        {25, 7, 8, 1, -1.5f, 0.5f}, {27, 7, 8, 1, 0, 2},
    };
    for (const auto& b : bodies) {
        for (int j = 0; j < plane_stations; j++)
            for (int k = 0; k < plane_points; k++) {
                float x = pln[0].body_X[b.part][j][k], y = pln[0].body_Y[b.part][j][k];
                if (j >= b.stations || k >= b.points) {
                    EXPECT_EQ(x * x + y * y + fabsf(pln[0].body_Z[b.part][j][k]), 0.0f) << b.part;
                    continue;
                }
                EXPECT_NEAR(sqrtf(x * x + y * y), b.r, 1e-5f) << b.part << " " << j << " " << k;
                EXPECT_NEAR(pln[0].body_Z[b.part][j][k], b.first_z + b.spacing * j, 1e-6f) << b.part;
            }
        // The first point on top, the next a step clockwise seen from behind.
        EXPECT_NEAR(pln[0].body_Y[b.part][0][0], b.r, 1e-6f);
        EXPECT_GT(pln[0].body_X[b.part][0][1], 0.0f);
    }
}

// The first constant of a shipped airfoil, read here on its own.
static float shipped_thickness(const char* name)
{
    std::ifstream in(std::string(PROGRAM_DIR) + "airfoils/" + name);
    std::string word;
    while (in >> word && word != "constants:") {}
    float t = -1;
    in >> t;
    return t;
}

TEST_F(Airwright, ThicknessesComeFromTheShippedAirfoils)
{
    struct { int part; const char* foil; } cases[] = {
        {0, "Clark-Y (good propeller).afl"}, {5, "NACA 2412 (popular).afl"}, {16, "NACA 0009 (symmetrical).afl"},
    };
    for (const auto& c : cases) {
        float t = shipped_thickness(c.foil);
        ASSERT_GT(t, 0.0f) << c.foil;
        EXPECT_FLOAT_EQ(afl[0].trat[c.part][0], t) << c.part;
        EXPECT_FLOAT_EQ(afl[0].trat[c.part][1], t) << c.part;
    }
}

TEST_F(Airwright, AnAirfoilThatDoesNotReadGivesThicknessZero)
{
    snprintf(afl_path, path_max, "%s", test_scratch_folder());
    write_file(at("old.afl"), "I\n362 version\n1234 device type code\nconstants: 0.2\n");
    write_file(at("flaps.afl"), "I\n363 version\n2345 device type code\nconstants: 0.2\n");
    write_file(at("cut.afl"), "I\n363 version\n1234 device type code\nconstants:");
    write_file(at("good.afl"), "I\n363 version\n1234 device type code\nconstants: 0.150000 3.0\n");
    // Cut inside the header's version line, after its word or its number.
    write_file(at("word.afl"), "I\n363 vers");
    write_file(at("number.afl"), "I\n363");
    struct { const char* name; float thickness; bool told; } cases[] = {
        {"missing.afl", 0, false}, {"", 0, false}, {"old.afl", 0, true},
        {"flaps.afl", 0, true}, {"cut.afl", 0, true}, {"word.afl", 0, true},
        {"number.afl", 0, true}, {"good.afl", 0.15f, false},
    };
    for (const auto& c : cases) {
        err.close();
        err.open("Error.out", std::ios::out | std::ios::trunc);
        afl[0].trat[4][1] = 9;
        assign_foil_thickness(c.name, 4, 1);
        EXPECT_FLOAT_EQ(afl[0].trat[4][1], c.thickness) << c.name;
        std::string told = c.told ? "You didn't select a foil!\n" + at(c.name) + "\n\n\n" : "";
        EXPECT_EQ(error_out(), told) << c.name;
    }
    // Nothing of a failed read is left for the next one.
    assign_foil_thickness("good.afl", 4, 0);
    EXPECT_FLOAT_EQ(afl[0].trat[4][0], 0.15f);
}

// ---- saving and opening --------------------------------------------------------------

TEST_F(Airwright, SaveThenOpenGivesTheSameFileByteForByte)
{
    pln[0].Vno = 140;
    const std::string path = saved("Trainer");
    EXPECT_EQ(path, at("Trainer"));
    const std::string file = read_file(at("Trainer.acf"));
    EXPECT_EQ(file.size(), 5 + sizeof(planestruct));
    EXPECT_STREQ(pln[0].C_name, "Trainer");
    EXPECT_STREQ(pln[0].C_file, "Trainer.acf");

    setup_baseplane("Untitled.acf", "Untitled.acf");
    script.pick = at("Trainer.acf");
    openplane(0);
    EXPECT_EQ(pln[0].Vno, 140.0f);
    EXPECT_EQ(msc.has_file, 1);
    EXPECT_EQ(msc.dirty, 0);
    script.dialogs = 0;
    ASSERT_EQ(writeplane(0), 1);
    EXPECT_EQ(script.dialogs, 0) << "a design with a file saves without asking";
    EXPECT_EQ(read_file(at("Trainer.acf")), file);
    EXPECT_EQ(error_out(), "");
}

TEST_F(Airwright, TheExtensionIsAddedUnlessTheNameHasItInEitherCase)
{
    struct { const char* typed; const char* file; const char* name; } cases[] = {
        {"Glider", "Glider.acf", "Glider"}, {"Jet.acf", "Jet.acf", "Jet"}, {"JET.ACF", "JET.ACF", "JET"},
        {"Mix.Acf", "Mix.Acf.acf", "Mix.Acf"}, {"X", "X.acf", "X"},
    };
    for (const auto& c : cases) {
        saved(c.typed);
        EXPECT_STREQ(pln[0].C_file, c.file) << c.typed;
        EXPECT_STREQ(pln[0].C_name, c.name) << c.typed;
        EXPECT_EQ(std::string(pln[0].C_path), at(c.file)) << c.typed;
        EXPECT_TRUE(std::filesystem::exists(at(c.file))) << c.typed;
    }
}

TEST_F(Airwright, SaveAsAlwaysAsksAndACancelChangesNothing)
{
    saved("First");
    script.dialogs = 0;
    script.dialog_ok = 0;
    msc.dirty = 1;
    APPLICATION_handlemenu(item_save_as);
    EXPECT_EQ(script.dialogs, 1);
    EXPECT_EQ(msc.dirty, 1);
    EXPECT_STREQ(pln[0].C_file, "First.acf");
    script.dialog_ok = 1;
    script.pick = at("Second");
    APPLICATION_handlemenu(item_save_as);
    EXPECT_EQ(script.dialogs, 2);
    EXPECT_EQ(msc.dirty, 0);
    EXPECT_STREQ(pln[0].C_file, "Second.acf");
    EXPECT_TRUE(std::filesystem::exists(at("Second.acf")));
}

// The dialog starts on the name less ".acf", so that a long name fits its
// typed line whole and comes back as the same file.
TEST_F(Airwright, SaveAsOffersTheNameWithoutItsExtension)
{
    struct { const char* file; const char* offered; } cases[] = {
        {"Cessna 172 Skyhawk.acf", "Cessna 172 Skyhawk"}, {"Untitled.acf", "Untitled"},
        {"JET.ACF", "JET"}, {"Mix.Acf", "Mix.Acf"}, {"Glider", "Glider"},
    };
    script.dialog_ok = 0;
    for (const auto& c : cases) {
        snprintf(pln[0].C_file, sizeof pln[0].C_file, "%s", c.file);
        APPLICATION_handlemenu(item_save_as);
        EXPECT_EQ(script.offered, c.offered) << c.file;
        EXPECT_STREQ(pln[0].C_file, c.file) << "a cancel keeps the name";
    }
    // The extension alone is a name no listing shows.
    script.dialog_ok = 1;
    script.pick = at(".acf");
    EXPECT_EQ(writeplane(1), 0);
    EXPECT_EQ(error_out(), "This aircraft cannot be saved under that name: a name must not be empty or begin with "
                           "a dot.\n.acf\nSave it again under another name.\nThe aircraft was not saved.\n");
    EXPECT_FALSE(std::filesystem::exists(at(".acf")));
}

TEST_F(Airwright, AFailedWriteKeepsTheOldFileAndStopsAPendingQuit)
{
    const std::string folder = at("locked/");
    std::filesystem::create_directories(folder);
    script.pick = folder + "Kept";
    msc.has_file = 0;
    ASSERT_EQ(writeplane(0), 1);
    const std::string before = read_file(folder + "Kept.acf");
    pln[0].Vne = 200;
    msc.dirty = 1;
    script.answer = nuke_save;
    const bool as_root = geteuid() == 0;
    if (as_root) {
        ASSERT_EQ(chmod(test_scratch_folder(), 0755), 0);
    }
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    if (as_root) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    APPLICATION_handlemenu(item_quit);
    if (as_root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(script.asked, 1);
    EXPECT_EQ(gdone, 0);
    EXPECT_EQ(msc.dirty, 1);
    EXPECT_EQ(read_file(folder + "Kept.acf"), before);
    EXPECT_FALSE(std::filesystem::exists(prf_path)) << "no preferences without a Quit";
    EXPECT_NE(error_out(), "");
}

// A copy of the saved design with one change, written as it lies in memory.
static void write_variant(const std::string& from, const std::string& to, void (*change)(planestruct&))
{
    ASSERT_EQ(read_plane_file(1, from.c_str(), plane_read_quiet), 1);
    change(pln[1]);
    ASSERT_EQ(write_plane_file(1, to.c_str()), 1);
    memset(&pln[1], 0, sizeof pln[1]);
}

TEST_F(Airwright, AFileOfTheOtherByteOrderIsSwappedOnce)
{
    pln[0].gearrat = 0.5f;
    const std::string source = saved("Native.acf");
    struct { int adf, ts, adf_opened, ts_opened; } cases[] = {{0, 3, 1, 1}, {2, 2, 2, 2}, {3, 0, 1, 1}};
    for (const auto& c : cases) {
        ASSERT_EQ(read_plane_file(1, source.c_str(), plane_read_quiet), 1);
        pln[1].ADFtype = c.adf;
        pln[1].TStype = c.ts;
        rev_pln_bytes(1);
        ASSERT_EQ(write_plane_file(1, at("Swapped.acf").c_str()), 1);
        setup_baseplane("Untitled.acf", "Untitled.acf");
        script.pick = at("Swapped.acf");
        openplane(0);
        EXPECT_EQ(pln[0].asi_units, 2);
        EXPECT_EQ(pln[0].gearrat, 0.5f);
        EXPECT_EQ(pln[0].els[4], 6);
        EXPECT_EQ(pln[0].ADFtype, c.adf_opened) << c.adf;
        EXPECT_EQ(pln[0].TStype, c.ts_opened) << c.ts;
        EXPECT_STREQ(pln[0].C_file, "Swapped.acf");
    }
    EXPECT_EQ(error_out(), "");
}

static void foreign(planestruct& a) { a.asi_units = 7; }
static void too_many_engines(planestruct& a) { a.numen = 5; }
static void no_elements(planestruct& a)
{
    a.semilen[4] = 10;   // a wing that exists
    a.els[4] = 0;
}
static void ten_blades(planestruct& a) { a.numblades[0] = 10; }
static void bad_panel(planestruct& a) { a.paneltype = 3; }

TEST_F(Airwright, AFileOpenCannotTakeKeepsTheDesignAndSaysSo)
{
    const std::string source = saved("Source.acf");
    write_variant(source, at("Foreign.acf"), foreign);
    write_variant(source, at("Engines.acf"), too_many_engines);
    write_variant(source, at("Elements.acf"), no_elements);
    write_variant(source, at("Blades.acf"), ten_blades);
    write_variant(source, at("Panel.acf"), bad_panel);
    const std::string whole = read_file(source);
    write_file(at("Short.acf"), whole.substr(0, whole.size() - 1));
    write_file(at("Header.acf"), whole.substr(0, 3));
    std::string old = whole;
    old.replace(1, 2, "45");
    write_file(at("Old.acf"), old);
    std::string mark = whole;
    mark[0] = 'x';
    write_file(at("Mark.acf"), mark);

    setup_baseplane("Untitled.acf", "Untitled.acf");
    pln[0].Vno = 123;
    msc.dirty = 1;
    const planestruct kept = pln[0];
    for (const char* name : {"Foreign.acf", "Engines.acf", "Elements.acf", "Blades.acf", "Panel.acf",
                             "Short.acf", "Header.acf", "Old.acf", "Mark.acf", "Missing.acf"}) {
        err.close();
        err.open("Error.out", std::ios::out | std::ios::trunc);
        script.pick = at(name);
        openplane(0);
        EXPECT_EQ(memcmp(&pln[0], &kept, sizeof kept), 0) << name;
        EXPECT_EQ(msc.dirty, 1) << name;
        EXPECT_EQ(msc.has_file, 0) << name;
        EXPECT_EQ(non_zero_fields(pln[1]), "") << name;
        // A file that is not there is named as the dialog gave it.
        const std::string told = std::filesystem::exists(at(name))
                                     ? "An error occurred during read-in of the aircraft file.\n"
                                       "Either the file has been corrupted, or it is not really an aircraft file.\n" +
                                           at(name)
                                     : "I am unable to open the airplane! Sorry!!!\nI am trying to open:\n" +
                                           std::string(name);
        EXPECT_EQ(error_out(), told + "\nThe design you had open stays as it was.\n") << name;
    }
}

TEST_F(Airwright, TheLastDesignThatCannotBeTakenGivesANewOneSilently)
{
    // As start-up has it: a new design, then the preferences that name the
    // last design, which is opened silently.
    write_file(at("Broken.acf"), "i46\n");
    write_file(prf_path, "I\n511 version\n0.25\n-0.5\n0\n250\n330\n1\n0\nBroken.acf\n" + at("Broken.acf") + "\n");
    ASSERT_EQ(read_airwright_prefs(), 1);
    planestruct made = pln[0];
    openplane(1);
    EXPECT_STREQ(pln[0].C_file, "Untitled.acf");
    EXPECT_STREQ(pln[0].C_path, "Untitled.acf");
    EXPECT_EQ(msc.view_dx, 0.25f);
    EXPECT_EQ(msc.view_dy, -0.5f);
    EXPECT_STREQ(pln[0].tailnum, made.tailnum);
    memcpy(made.C_file, pln[0].C_file, sizeof made.C_file);
    memcpy(made.C_path, pln[0].C_path, sizeof made.C_path);
    EXPECT_EQ(memcmp(&pln[0], &made, sizeof made), 0) << "start-up's new design stays";
    EXPECT_EQ(msc.has_file, 0);
    EXPECT_EQ(script.dialogs, 0);
    EXPECT_EQ(error_out(), "");
}

// The menus mark one mode: any the file holds but the airplane's is the helicopter's.
TEST_F(Airwright, AFileOpensInOneOfTheTwoModes)
{
    const std::string source = saved("Source.acf");
    struct { int in_file, opened; } cases[] = {{0, 0}, {1, 1}, {2, 1}};
    for (const auto& c : cases) {
        ASSERT_EQ(read_plane_file(1, source.c_str(), plane_read_quiet), 1);
        pln[1].is_heli = c.in_file;
        ASSERT_EQ(write_plane_file(1, at("Mode.acf").c_str()), 1);
        memset(&pln[1], 0, sizeof pln[1]);
        pln[0].is_heli = 1 - c.opened;
        script.pick = at("Mode.acf");
        APPLICATION_handlemenu(item_open);
        EXPECT_EQ(pln[0].is_heli, c.opened) << c.in_file;
        EXPECT_EQ(APPLICATION_item_marked(item_helicopter_mode), c.opened) << c.in_file;
        EXPECT_EQ(APPLICATION_item_marked(item_airplane_mode), 1 - c.opened) << c.in_file;
        EXPECT_STREQ(mnw.item_name[win_props], c.opened ? "Main Rotor" : "Props") << c.in_file;
    }
    EXPECT_EQ(error_out(), "");
}

// ---- the question before a design is lost -------------------------------------------

TEST_F(Airwright, NewAsksOnlyForADirtyDesignAndGoesOnOnlyWhenItMay)
{
    struct { int dirty, answer, dialog_ok; int asked, dialogs, replaced; } cases[] = {
        {0, nuke_cancel, 1, 0, 0, 1},   // clean: no question
        {1, nuke_save, 1, 1, 1, 1},     // saved first
        {1, nuke_save, 0, 1, 1, 0},     // the save's dialog cancelled
        {1, nuke_discard, 1, 1, 0, 1},
        {1, nuke_cancel, 1, 1, 0, 0},
    };
    for (const auto& c : cases) {
        setup_baseplane("Untitled.acf", "Untitled.acf");
        pln[0].Vno = 99;
        msc.dirty = c.dirty;
        script.answer = c.answer;
        script.dialog_ok = c.dialog_ok;
        script.asked = script.dialogs = 0;
        script.pick = at("Asked");
        APPLICATION_handlemenu(item_new);
        EXPECT_EQ(script.asked, c.asked) << c.answer;
        EXPECT_EQ(script.dialogs, c.dialogs) << c.answer;
        EXPECT_EQ(pln[0].Vno == 0, c.replaced == 1) << c.answer;
        EXPECT_EQ(msc.dirty, c.replaced ? 0 : 1) << c.answer;
    }
}

TEST_F(Airwright, AModeSwitchAsksOnce)
{
    msc.dirty = 1;
    script.answer = nuke_discard;
    APPLICATION_handlemenu(item_helicopter_mode);
    EXPECT_EQ(script.asked, 1);
    EXPECT_EQ(pln[0].is_heli, 1);
    EXPECT_EQ(msc.dirty, 0);
    EXPECT_STREQ(mnw.item_name[hwin_tail_rotor], "Tail Rotor");
    EXPECT_STREQ(mnw.item_name[win_gear], "") << "the airplane's items go";
    msc.dirty = 1;
    script.answer = nuke_cancel;
    APPLICATION_handlemenu(item_airplane_mode);
    EXPECT_EQ(pln[0].is_heli, 1);
    EXPECT_EQ(script.asked, 2);
}

// Every entry under the test's folder and the working folder, with its size.
static std::set<std::string> listing(void)
{
    std::set<std::string> out;
    for (const std::filesystem::path& top : {std::filesystem::path(test_scratch_folder()),
                                             std::filesystem::current_path()})
        for (const auto& e : std::filesystem::recursive_directory_iterator(top)) {
            std::string entry = e.path().string();
            // The notices' own log grows; only its being there counts.
            if (e.is_regular_file() && e.path().filename() != "Error.out")
                entry += " " + std::to_string(e.file_size());
            out.insert(entry);
        }
    return out;
}

TEST_F(Airwright, TexturesForADesignWithoutAFileWriteNothing)
{
    const std::set<std::string> before = listing();
    for (int item : {item_texture_templates, item_touch_up_textures}) {
        err.close();
        err.open("Error.out", std::ios::out | std::ios::trunc);
        APPLICATION_handlemenu(item);
        EXPECT_EQ(error_out(), "This aircraft has not been saved yet, so it has no folder for its texture bitmaps.\n"
                               "Save it with Save or Save As first, then choose this again.\n\n"
                               "Nothing was written.\n")
            << item;
    }
    EXPECT_EQ(listing(), before);
}

// ---- preferences ----------------------------------------------------------------------

TEST_F(Airwright, QuitWritesThePreferencesThatTheStartReadsBack)
{
    saved("Liked");
    msc.view_dx = 0.25f;
    msc.view_dy = -0.5f;
    msc.view_pitch = 5;
    msc.view_heading = 270;
    msc.view_roll = -30;
    mnw.draw_wire = 0;
    msc.sky_on = 1;
    APPLICATION_handlemenu(item_quit);
    EXPECT_EQ(gdone, 1);
    msc = miscstruct{};
    mnw.draw_wire = 1;
    memset(pln[0].C_path, 0, sizeof pln[0].C_path);
    ASSERT_EQ(read_airwright_prefs(), 1);
    EXPECT_EQ(msc.view_dx, 0.25f);
    EXPECT_EQ(msc.view_dy, -0.5f);
    EXPECT_EQ(msc.view_heading, 270.0f);
    EXPECT_EQ(mnw.draw_wire, 0);
    EXPECT_EQ(msc.sky_on, 1);
    EXPECT_STREQ(pln[0].C_file, "Liked.acf");
    EXPECT_EQ(std::string(pln[0].C_path), at("Liked.acf"));
}

TEST_F(Airwright, DamagedPreferencesLeaveTheDefaults)
{
    const std::string good = "I\n511 version\n0.1\n0.2\n1\n2\n3\n0\n1\nDesign.acf\n/x/Design.acf\n";
    const std::string cases[] = {
        good.substr(0, good.size() - 15),                        // cut before the path
        "I\n511 version\n0.1\n0.2\nnone\n2\n3\n0\n1\nA\nB\n",      // a value that does not read
        "I\n510 version\n0.1\n0.2\n1\n2\n3\n0\n1\nA\nB\n",         // another version
        "I\n511 vers",                                            // cut inside the header
        "I\n511",
        "",
    };
    for (const std::string& text : cases) {
        write_file(prf_path, text);
        msc.view_dx = 7;
        msc.sky_on = 0;
        mnw.draw_wire = 1;
        snprintf(pln[0].C_file, sizeof pln[0].C_file, "Untitled.acf");
        EXPECT_EQ(read_airwright_prefs(), 0) << text;
        EXPECT_EQ(msc.view_dx, 7.0f) << text;
        EXPECT_EQ(mnw.draw_wire, 1) << text;
        EXPECT_STREQ(pln[0].C_file, "Untitled.acf") << text;
    }
    write_file(prf_path, good);
    EXPECT_EQ(read_airwright_prefs(), 1);
    EXPECT_EQ(msc.view_roll, 3.0f);
    EXPECT_STREQ(pln[0].C_path, "/x/Design.acf");
    EXPECT_EQ(error_out(), "");
}

// The preferences as Quit writes them, with these angles and names.
static std::string prefs_with(const std::string& heading, const std::string& roll, const std::string& file,
                              const std::string& path)
{
    return "I\n511 version\n0.1\n0.2\n0\n" + heading + "\n" + roll + "\n0\n1\n" + file + "\n" + path + "\n";
}

// A name line as long as its field was cut and may name another file; an
// angle is a number, and starts inside one turn.
TEST_F(Airwright, PreferencesTakeOnlyNamesThatFitAndAnglesThatAreNumbers)
{
    const std::string fits(path_max - 1, 'a'), full(path_max, 'a'), longer(path_max + 50, 'a');
    struct { std::string heading, roll, file, path; bool taken; float heading_read, roll_read; } cases[] = {
        {"250", "-30", "A.acf", "/x/A.acf", true, 250, 330},
        {"725", "-390", "A.acf", "/x/A.acf", true, 5, 330},
        {"0", "0", fits, "/" + fits.substr(1), true, 0, 0},
        {"0", "0", full, "/x/A.acf", false, 0, 0},
        {"0", "0", "A.acf", "/" + full.substr(1), false, 0, 0},
        {"0", "0", "A.acf", "/" + longer, false, 0, 0},
        {"nan", "0", "A.acf", "/x/A.acf", false, 0, 0},
        {"0", "inf", "A.acf", "/x/A.acf", false, 0, 0},
        {"0", "-inf", "A.acf", "/x/A.acf", false, 0, 0},
    };
    for (const auto& c : cases) {
        const std::string row = c.heading + " " + c.roll + " " + std::to_string(c.file.size()) + " " +
                                std::to_string(c.path.size());
        write_file(prf_path, prefs_with(c.heading, c.roll, c.file, c.path));
        msc.view_dx = 7;
        msc.view_heading = 250;
        msc.view_roll = -30;
        snprintf(pln[0].C_file, sizeof pln[0].C_file, "Untitled.acf");
        snprintf(pln[0].C_path, sizeof pln[0].C_path, "Untitled.acf");
        EXPECT_EQ(read_airwright_prefs(), c.taken ? 1 : 0) << row;
        EXPECT_EQ(msc.view_dx, c.taken ? 0.1f : 7.0f) << row;
        EXPECT_EQ(msc.view_heading, c.taken ? c.heading_read : 250.0f) << row;
        EXPECT_EQ(msc.view_roll, c.taken ? c.roll_read : -30.0f) << row;
        EXPECT_EQ(std::string(pln[0].C_file), c.taken ? c.file : "Untitled.acf") << row;
        EXPECT_EQ(std::string(pln[0].C_path), c.taken ? c.path : "Untitled.acf") << row;
    }
    EXPECT_EQ(error_out(), "");
}

// ---- keys and views -------------------------------------------------------------------

TEST_F(Airwright, KeysSendTheirCommands)
{
    struct { char key; float heading, roll, dx, dy, zoom; } cases[] = {
        {'a', 260, -30, 0, 0, 1}, {'A', 260, -30, 0, 0, 1}, {'d', 240, -30, 0, 0, 1},
        {'w', 250, 340, 0, 0, 1}, {'S', 250, 320, 0, 0, 1}, {'j', 250, -30, -0.05f, 0, 1},
        {'L', 250, -30, 0.05f, 0, 1}, {'i', 250, -30, 0, 0.05f, 1}, {'K', 250, -30, 0, -0.05f, 1},
        {'x', 250, -30, 0, 0, 1 / 1.05f}, {'Z', 250, -30, 0, 0, 1.05f}, {'q', 250, -30, 0, 0, 1},
    };
    for (const auto& c : cases) {
        msc.view_heading = 250;
        msc.view_roll = -30;
        msc.view_dx = msc.view_dy = 0;
        msc.view_zoom = 1;
        APPLICATION_handlekey(c.key, 0);
        EXPECT_FLOAT_EQ(msc.view_heading, c.heading) << c.key;
        EXPECT_FLOAT_EQ(msc.view_roll, c.roll) << c.key;
        EXPECT_FLOAT_EQ(msc.view_dx, c.dx) << c.key;
        EXPECT_FLOAT_EQ(msc.view_dy, c.dy) << c.key;
        EXPECT_FLOAT_EQ(msc.view_zoom, c.zoom) << c.key;
    }
    // Smoothing tells the cases apart; each marks the design changed.
    for (char key : {'f', 'F', 'n', 'N', 't', 'T', 'e', 'E'}) {
        msc.dirty = 0;
        APPLICATION_handlekey(key, 0);
        EXPECT_EQ(msc.dirty, 1) << key;
    }
    APPLICATION_handlemenu(item_view_top);
    EXPECT_FLOAT_EQ(msc.view_roll, -90);
    APPLICATION_handlemenu(item_spin_long);
    EXPECT_EQ(msc.spin_mode, item_spin_long);
}

// A new design whose first body of each kind is dented at one station, out
// of its ellipse and out of line with its neighbours.
static void dent_bodies(void)
{
    setup_baseplane("Untitled.acf", "Untitled.acf");
    for (int part : {part_fuselage, part_nacelle_first, part_misc_first, part_fairing_first}) {
        int n = f_body_r_dim(part);
        pln[0].body_X[part][3][n / 8] *= 1.5f;
        pln[0].body_Y[part][3][n / 8] *= 1.5f;
        pln[0].body_X[part][4][n / 4] *= 1.3f;
    }
}

static std::string body_bytes(const planestruct& a, int part)
{
    return std::string((const char*)a.body_X[part], sizeof a.body_X[part]) +
           std::string((const char*)a.body_Y[part], sizeof a.body_Y[part]) +
           std::string((const char*)a.body_Z[part], sizeof a.body_Z[part]);
}

TEST_F(Airwright, EachSmoothingKeyChangesItsOwnBodyAndNothingElse)
{
    struct { char key; int part; } cases[] = {
        {'f', part_fuselage}, {'F', part_fuselage}, {'n', part_nacelle_first}, {'N', part_nacelle_first},
        {'t', part_misc_first}, {'T', part_misc_first}, {'e', part_fairing_first}, {'E', part_fairing_first},
    };
    std::string smoothed[2][plane_parts];      // by case (lower, upper) and part
    for (const auto& c : cases) {
        dent_bodies();
        const planestruct before = pln[0];
        APPLICATION_handlekey(c.key, 0);
        EXPECT_NE(body_bytes(pln[0], c.part), body_bytes(before, c.part)) << c.key;
        smoothed[c.key >= 'a'][c.part] = body_bytes(pln[0], c.part);
        // Put the smoothed body back as it was: then nothing may differ.
        memcpy(pln[0].body_X[c.part], before.body_X[c.part], sizeof before.body_X[c.part]);
        memcpy(pln[0].body_Y[c.part], before.body_Y[c.part], sizeof before.body_Y[c.part]);
        memcpy(pln[0].body_Z[c.part], before.body_Z[c.part], sizeof before.body_Z[c.part]);
        EXPECT_EQ(memcmp(&pln[0], &before, sizeof before), 0) << c.key;
    }
    for (const auto& c : cases) EXPECT_NE(smoothed[0][c.part], smoothed[1][c.part]) << c.key;
}

// ---- the window table -----------------------------------------------------------------

TEST_F(Airwright, EachSetHasItsOwnScreens)
{
    struct { int heli, id; const char* title; float dx, dy; const char* picture; } cases[] = {
        {0, 200, "Viewpoint", 590, 433, "P_VIEW"},
        {1, 200, "Viewpoint", 590, 208, "H_VIEW"},
        {0, 206, "Propellers", 500, 528, "A_PROP"},
        {1, 206, "Main Rotor", 500, 528, "A_PROP"},
        {1, 207, "Tail Rotor", 500, 528, "A_PROP"},
        {0, 211, "Horizontal Stab/Canard", 472, 333, "P_HSTB"},
        {1, 211, "Vertical Stab 1", 473, 152, "H_VSTB"},
        {0, 225, "Landing Gear", 460, 516, "A_GEAR"},
        {1, 221, "Landing Gear", 460, 516, "A_GEAR"},
        {0, 311, "EXPERT: Artificial Stability", 726, 505, "AX_ASTB"},
        {1, 304, "EXPERT: Stability-Augmentation", 726, 505, "AX_ASTB"},
    };
    for (const auto& c : cases) {
        pln[0].is_heli = c.heli;
        const airwright_window* w = find_airwright_window(c.id);
        ASSERT_NE(w, nullptr) << c.id;
        EXPECT_STREQ(w->window.title, c.title) << c.id;
        EXPECT_EQ(w->window.dx, c.dx) << c.id;
        EXPECT_EQ(w->window.dy, c.dy) << c.id;
        EXPECT_STREQ(w->picture, c.picture) << c.id;
    }
    struct { int heli, id; } absent[] = {{0, 207}, {0, 214}, {1, 225}, {1, 305}, {0, 0}, {0, 996}};
    for (const auto& c : absent) {
        pln[0].is_heli = c.heli;
        EXPECT_EQ(find_airwright_window(c.id), nullptr) << c.heli << " " << c.id;
    }
    // Every screen the menus offer has its window, in both modes.
    for (int heli : {0, 1}) {
        pln[0].is_heli = heli;
        APPLICATION_setupmenus();
        for (int item = 200; item < 400; item++) {
            const char* name = mnw.item_name[item];
            bool screen = name[0] && strcmp(name, "-") != 0;
            EXPECT_EQ(screen, find_airwright_window(item) != nullptr) << heli << " " << item;
        }
    }
}
