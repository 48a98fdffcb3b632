// The airfoil reader: a file laid out as the airfoil editor writes it lands
// in its one slot of the tables with its zero-lift angle; bad files (cut,
// corrupt, unusable, missing) end in their alerts and never read past a
// table; the shipped airfoils read without a word.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

// ---- a test airfoil file -----------------------------------------------------

// Distinct values for every table so that a row read into the wrong place,
// side or table shows: i is the angle's table index 0..270.
static float cl_neg(int i) { return -0.5f - i / 1000.0f; }
static float cd_neg(int i) { return 0.01f + i / 10000.0f; }
static float cl_pos(int i) { return 0.5f + i / 1000.0f; }
static float cd_pos(int i) { return 0.02f + i / 10000.0f; }

static float angle(int i) { return i < -200 ? i + 180.0f : i > 200 ? i - 180.0f : i / 10.0f; }

static std::string row(int i, float cl, float cd)
{
    char s[64];
    snprintf(s, sizeof s, "%4.1f %8.5f %8.5f", angle(i), cl, cd);
    return s;
}
static std::string row(int i, float cd)
{
    char s[64];
    snprintf(s, sizeof s, "%4.1f %8.5f", angle(i), cd);
    return s;
}

// The file line by line; the line numbers of its parts.
const int line_device = 2, line_constants = 3, line_clM = 277;
static int line_neg(int i) { return i >= 100 ? 5 + (270 - i) : 176 + (99 - i); }
static int line_pos(int i) { return i < 100 ? 286 + i : 386 + (i - 100); }

static std::vector<std::string> foil_lines(void)
{
    std::vector<std::string> l = {"I", "363 version", "1234 device type code",
        // trat, Re, almin, almax, clB, clM, then the editor's other parameters
        "constants:  0.120000 3.100000 -14.000000 16.500000 0.250000 0.100000 1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0 "
        "9.0 10.0 11.0 12.0 13.0 14.0 15.0 16.0 17.0 18.0 19.0",
        "index     cl         cd"};
    for (int i = 270; i >= 100; i--) l.push_back(row(-i, cl_neg(i), cd_neg(i)));
    for (int i = 99; i >= 0; i--) l.push_back(row(-i, cd_neg(i)));
    l.push_back("");
    for (const char* v : {" 0.10000   clM", " 0.25000   clB", "-0.01000 cmal2", "-0.02000 cmal3", "-0.03000   cm1",
                          "-0.04000   cm2", "-0.05000   cm3", "-0.06000   cm4"})
        l.push_back(v);
    l.push_back("");
    for (int i = 0; i < 100; i++) l.push_back(row(i, cd_pos(i)));
    for (int i = 100; i <= 270; i++) l.push_back(row(i, cl_pos(i), cd_pos(i)));
    return l;
}

static std::string joined(const std::vector<std::string>& lines, const char* eol = "\n")
{
    std::string s;
    for (auto& line : lines) s += line + eol;
    return s;
}

static void write_foil(const std::string& name, const std::vector<std::string>& lines, const char* eol = "\n")
{
    write_file(std::string(test_scratch_folder()) + name, joined(lines, eol));
}

class Airfoils : public ::testing::Test {
protected:
    void SetUp() override
    {
        snprintf(afl_path, path_max, "%s", test_scratch_folder());
        ogl_ready = 0;
        err.open("Error.out", std::ios::out | std::ios::trunc);
    }
    void TearDown() override
    {
        err.close();
    }
};

// ---- reading ---------------------------------------------------------------------

TEST_F(Airfoils, FileLandsInItsOneSlot)
{
    ASSERT_EQ(foil_lines().size(), 557u);
    ASSERT_EQ(foil_lines()[line_neg(270)].rfind("-90.0", 0), 0u);
    ASSERT_EQ(foil_lines()[line_pos(200)].rfind("20.0", 0), 0u);
    write_foil("test.afl", foil_lines());
    static airfoilstruct before[2];
    memset(afl, 0x5a, sizeof afl);
    memcpy(before, afl, sizeof afl);

    float almax = 0;
    grabafoil("test.afl", 7, 1, 0, &almax, 1);
    const airfoilstruct& a = afl[1];
    EXPECT_FLOAT_EQ(almax, 16.5f);
    EXPECT_FLOAT_EQ(a.trat[7][1], 0.12f);
    EXPECT_FLOAT_EQ(a.Re[7][1][0], 3.1f);
    EXPECT_FLOAT_EQ(a.clM[7][1][0], 0.1f);
    EXPECT_FLOAT_EQ(a.clB[7][1][0], 0.25f);
    EXPECT_FLOAT_EQ(a.al_zl[7][1][0], -2.5f);
    float cm[6] = {a.cmal2[7][1][0], a.cmal3[7][1][0], a.cm1[7][1][0], a.cm2[7][1][0], a.cm3[7][1][0], a.cm4[7][1][0]};
    for (int k = 0; k < 6; k++) EXPECT_FLOAT_EQ(cm[k], -0.01f * (k + 1)) << k;
    for (int i = 0; i <= 270; i++) {
        EXPECT_NEAR(a.cdneg[7][1][0][i], cd_neg(i), 1e-6) << i;
        EXPECT_NEAR(a.cdpos[7][1][0][i], cd_pos(i), 1e-6) << i;
        if (i < 100) continue;
        EXPECT_NEAR(a.clneg[7][1][0][i - 100], cl_neg(i), 1e-6) << i;
        EXPECT_NEAR(a.clpos[7][1][0][i - 100], cl_pos(i), 1e-6) << i;
    }

    // Nothing else moved: blank out this slot in both and compare the rest.
    static airfoilstruct now[2];
    memcpy(now, afl, sizeof afl);
    for (airfoilstruct* t : {&now[1], &before[1]}) {
        t->trat[7][1] = 0;
        t->Re[7][1][0] = t->al_zl[7][1][0] = t->clM[7][1][0] = t->clB[7][1][0] = 0;
        t->cmal2[7][1][0] = t->cmal3[7][1][0] = t->cm1[7][1][0] = t->cm2[7][1][0] = t->cm3[7][1][0] = t->cm4[7][1][0] = 0;
        memset(t->clpos[7][1][0], 0, sizeof t->clpos[7][1][0]);
        memset(t->clneg[7][1][0], 0, sizeof t->clneg[7][1][0]);
        memset(t->cdpos[7][1][0], 0, sizeof t->cdpos[7][1][0]);
        memset(t->cdneg[7][1][0], 0, sizeof t->cdneg[7][1][0]);
    }
    EXPECT_EQ(memcmp(now, before, sizeof now), 0);
}

// A row less its alpha, which may be padded with a blank in front.
static std::string after_alpha(const std::string& row)
{
    return row.substr(row.find(' ', row.find_first_not_of(' ')));
}

TEST_F(Airfoils, EdgesOfTheChecksAndTheAlphaColumnAreAccepted)
{
    struct { const char* what; void (*edit)(std::vector<std::string>&); } cases[] = {
        {"lift of exactly 2.0 and -2.0, drag of exactly 0.0", [](std::vector<std::string>& l) {
             l[line_pos(150)] = "40.0 2.00000 0.00000";
             l[line_neg(150)] = "-40.0 -2.00000 0.00000";
             l[line_pos(0)] = "0.0 0.00000";
         }},
        {"an alpha column of any numbers", [](std::vector<std::string>& l) {
             for (int i = 0; i <= 270; i++) {
                 l[line_pos(i)] = "-777" + after_alpha(l[line_pos(i)]);
                 l[line_neg(i)] = "1e3" + after_alpha(l[line_neg(i)]);
             }
         }},
        {"lines ended by CR LF", [](std::vector<std::string>& l) { for (auto& s : l) s += "\r"; }},
        {"the last line without its end", [](std::vector<std::string>&) {}},
    };
    for (auto& c : cases) {
        auto lines = foil_lines();
        c.edit(lines);
        std::string text = joined(lines);
        if (std::string(c.what).find("without") != std::string::npos) text.pop_back();
        write_file(std::string(test_scratch_folder()) + "edge.afl", text);
        memset(&afl[0], 0, sizeof afl[0]);
        float almax = 0;
        grabafoil("edge.afl", 4, 0, 1, &almax, 0);
        EXPECT_FLOAT_EQ(almax, 16.5f) << c.what;
        EXPECT_NEAR(afl[0].cdpos[4][0][1][270], cd_pos(270), 1e-6) << c.what;
        EXPECT_NEAR(afl[0].clpos[4][0][1][170], cl_pos(270), 1e-6) << c.what;
        EXPECT_FLOAT_EQ(afl[0].al_zl[4][0][1], -2.5f) << c.what;
    }
    EXPECT_FLOAT_EQ(afl[0].clpos[4][0][1][50], 0.65f);
}

// ---- bad files ---------------------------------------------------------------------

struct bad_foil {
    const char* what;
    void (*edit)(std::vector<std::string>&);
    std::string alert;   // how Error.out begins; "$" stands for the file's full path
};

static std::string expand(std::string s, const std::string& path)
{
    for (size_t at; (at = s.find('$')) != std::string::npos;) s.replace(at, 1, path);
    return s;
}

TEST(AirfoilsDeathTest, BadFilesEndInTheirAlert)
{
    const std::string unusable = "The following airfoil is unusable:\nbad.afl\nCorrect it in 'Foilwright'.\n";
    const bad_foil cases[] = {
        {"cut inside the negative lift table", [](std::vector<std::string>& l) { l.resize(line_neg(180)); },
         "File-scanning error!\n\nfile:\n$\n"},
        {"cut after the labelled values", [](std::vector<std::string>& l) { l.resize(line_clM + 8); },
         "File-scanning error!\n\nfile:\n$\n"},
        {"cut in the last row", [](std::vector<std::string>& l) { l.back() = "90.0 0.77000"; },
         "File-scanning error!\n\nfile:\n$\n"},
        {"cut inside the constants line", [](std::vector<std::string>& l) { l.resize(line_constants); l.push_back("constants:  0.12"); },
         "File-scanning error!\n\nfile:\n$\n"},
        {"a word in a drag row", [](std::vector<std::string>& l) { l[line_pos(42)] = "4.2 lots"; },
         "File-scanning error!\n\nfile:\n$\n"},
        {"no number where the lift slope stands", [](std::vector<std::string>& l) { l[line_clM] = "   clM"; },
         "File-scanning error!\n\nfile:\n$\n"},
        {"a device code that is no number", [](std::vector<std::string>& l) { l[line_device] = "airfoil"; },
         "File-scanning error!\n\nfile:\n$\n"},
        {"the flaps file's device code", [](std::vector<std::string>& l) { l[line_device] = "2345 device type code"; },
         "An airfoil file is corrupted! The name of the airfoil is:\n$\nThe file is used by the:\nrigt wing 1\n"},
        {"a version of another program", [](std::vector<std::string>& l) { l[1] = "362 version"; },
         "The following file is the wrong version for this version of Volanto:\n$\n"},
        {"lift of 2.5", [](std::vector<std::string>& l) { l[line_pos(270)] = "90.0 2.50000 0.50000"; },
         "!This foil has absurd lift values! Try re-saving the foil in Foilwright if needed!\n"},
        {"lift below -2 on the negative side", [](std::vector<std::string>& l) { l[line_neg(100)] = "-10.0 -2.00100 0.02000"; },
         "!This foil has absurd lift values! Try re-saving the foil in Foilwright if needed!\n"},
        {"negative drag", [](std::vector<std::string>& l) { l[line_pos(5)] = "0.5 -0.00001"; },
         "!This foil has drag less than zero!\n"},
        {"negative drag on the negative side", [](std::vector<std::string>& l) { l[line_neg(270)] = "-90.0 -0.9 -1.0"; },
         "!This foil has drag less than zero!\n"},
        {"a lift slope of 0", [](std::vector<std::string>& l) { l[line_clM] = " 0.00000   clM"; },
         "!This foil has no lift slope in its linear range!\n"},
    };
    for (const bad_foil& c : cases) {
        auto lines = foil_lines();
        c.edit(lines);
        write_foil("bad.afl", lines);
        snprintf(afl_path, path_max, "%s", test_scratch_folder());
        ogl_ready = 0;
        float almax;
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                grabafoil("bad.afl", 5, 0, 0, &almax, 0);
            },
            ::testing::ExitedWithCode(1), "")
            << c.what;
        std::string want = c.alert[0] == '!' ? unusable + c.alert.substr(1)
                                             : expand(c.alert, std::string(test_scratch_folder()) + "bad.afl");
        std::string got = read_file("Error.out");
        EXPECT_EQ(got.rfind(want, 0), 0u) << c.what << ":\n" << got;
    }
}

TEST(AirfoilsDeathTest, AFileThatCannotBeOpenedNamesItsPathAndPart)
{
    ogl_ready = 0;
    std::string folder = std::string(test_scratch_folder()) + "airfoils/";
    snprintf(afl_path, path_max, "%s", folder.c_str());
    std::string long_name(path_max, 'n');
    struct { const char* what; std::string name; std::string path; int part; const char* user; } cases[] = {
        {"missing", "none.afl", folder + "none.afl", 0, "main rotor"},
        {"a name too long for a path", long_name, (folder + long_name).substr(0, path_max - 1), 10, "left h-stab"},
    };
    pln[1].is_heli = 1;
    for (auto& c : cases) {
        float almax;
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                grabafoil(c.name.c_str(), c.part, 1, 1, &almax, 1);
            },
            ::testing::ExitedWithCode(1), "")
            << c.what;
        std::string want = "An airfoil file could not be found! The name of the airfoil is:\n" + c.path +
                           "\nThe file is used by the:\n" + c.user + "\n";
        EXPECT_EQ(read_file("Error.out").rfind(want, 0), 0u) << c.what << ":\n" << read_file("Error.out");
    }
}

// ---- the shipped airfoils ---------------------------------------------------------

TEST(AirfoilsDeathTest, ShippedAirfoilsReadWithoutAnAlert)
{
    std::string folder = std::string(PROGRAM_DIR) + "airfoils/";
    std::vector<std::string> names;
    std::error_code ec;
    for (auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.path().extension() == ".afl") names.push_back(entry.path().filename().string());
    if (names.empty()) GTEST_SKIP() << "no airfoils in " << folder;
    snprintf(afl_path, path_max, "%s", folder.c_str());
    ogl_ready = 0;
    for (auto& name : names) {
        // The child leaves with 7 only when the read came back with a usable section.
        EXPECT_EXIT(
            {
                float almax = 0;
                grabafoil(name.c_str(), 4, 0, 0, &almax, 0);
                const airfoilstruct& a = afl[0];
                int ok = a.clM[4][0][0] != 0 && a.trat[4][0] > 0 && almax > 0 && std::isfinite(a.al_zl[4][0][0]);
                exit(ok ? 7 : 8);
            },
            ::testing::ExitedWithCode(7), "")
            << name;
    }
}
