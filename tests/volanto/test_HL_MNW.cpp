// The shell's parts that need no window: constants, the resolution file,
// alerts before the window exists.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "test_support.h"

#include <algorithm>
#include <cstring>

TEST(Constants, GravityAndDerivedFactorsToTheDigit)
{
    MACIBM_set_constants();
    EXPECT_FLOAT_EQ(con.g, 9.798279f);
    EXPECT_FLOAT_EQ(con.lbstontn, 0.4535925f * con.g);
    EXPECT_FLOAT_EQ(con.ntntolbs, 1.0f / con.lbstontn);
    EXPECT_FLOAT_EQ(con.ktstomsc, 0.3048f * 1.687809861111111f);
    EXPECT_FLOAT_EQ(con.degtorad, 1.0f / (180.0f / 3.1415927f));
    EXPECT_NEAR(con.endtomed, 514.939f, 0.01f);      // slug/ft3 to kg/m3 with this g, not 515.38
    EXPECT_FLOAT_EQ(lookup_sin[90], 1.0f);
    EXPECT_NEAR(lookup_cos[360], 1.0f, 1e-6f);
    EXPECT_NEAR(lookup_sin[30], 0.5f, 1e-6f);
}

// ---- the resolution file -------------------------------------------------

static void write_resprefs(const std::string& body)
{
    write_file(std::string(test_scratch_folder()) + "config/XRes 5.prf", body);
}

static void read_resprefs_at(void)
{
    snprintf(res_path, sizeof res_path, "%sconfig/XRes 5.prf", test_scratch_folder());
    memset(&mnw, 0, sizeof mnw);
    MACIBM_read_resprefs();
}

TEST(ResolutionFile, MissingOrDamagedGivesTheDefaultMode)
{
    const char* bodies[] = {
        nullptr,                                  // no file
        "I\n2 version\n1024\n",                   // cut short
        "I\n2 version\n1024\nwide\n16\n",         // a word for a number
        "I\n3 version\n1024\n768\n16\n",          // another version
        "X\n2 version\n1024\n768\n16\n",          // no header
    };
    for (const char* body : bodies) {
        if (body) write_resprefs(body);
        read_resprefs_at();
        EXPECT_EQ(mnw.XRES, 800) << (body ? body : "missing");
        EXPECT_EQ(mnw.YRES, 600);
        EXPECT_EQ(mnw.CRES, 16);
    }
}

TEST(ResolutionFile, ReadsTheThreeValuesAlsoFromAnotherPlatform)
{
    write_resprefs("I\n2 version\n1024\n768\n32\n");
    read_resprefs_at();
    EXPECT_EQ(mnw.XRES, 1024);
    EXPECT_EQ(mnw.YRES, 768);
    EXPECT_EQ(mnw.CRES, 32);
    write_resprefs("A\r2 version\r640\r480\r16\r");
    read_resprefs_at();
    EXPECT_EQ(mnw.XRES, 640);
    EXPECT_EQ(mnw.YRES, 480);
}

TEST(DisplayMode, ImpossibleSizesFail)
{
    for (float w : {0.0f, -800.0f, 100000.0f}) {
        mnw.XRES = w;
        mnw.YRES = 600;
        mnw.CRES = 16;
        EXPECT_EQ(MACIBM_setres(1), 0) << w;
    }
}

// ---- alerts before the window exists -------------------------------------

static std::string error_out(void) { return read_file("Error.out"); }

TEST(Alert, BeforeTheWindowANoticeGoesToTheSystemBoxAndReturns)
{
    ogl_ready = 0;
    err.open("Error.out", std::ios::out | std::ios::trunc);
    MACIBM_alert("first", "second", "", "fourth", 2002);
    EXPECT_EQ(host_test_message_box_count(), 1);
    EXPECT_STREQ(host_test_last_message_box(), "first\n\nsecond\n\n\n\nfourth");
    EXPECT_EQ(error_out(), "first\nsecond\n\nfourth\n");
}

TEST(Alert, LinesLongerThanTheirBufferAreCut)
{
    ogl_ready = 0;
    err.open("Error.out", std::ios::out | std::ios::trunc);
    std::string long_line(1000, 'x');
    MACIBM_alert(long_line.c_str(), "", "", "", 2002);
    EXPECT_EQ(strlen(g_cs1), 399u);
}

TEST(Alert, TheAboutBoxLogsItsOwnLines)
{
    ogl_ready = 0;
    err.open("Error.out", std::ios::out | std::ios::trunc);
    MACIBM_alert("", "", "", "", 2001);
    std::string log = error_out();
    EXPECT_NE(log.find("Volanto"), std::string::npos);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4);
}

TEST(AlertDeathTest, NumberedFatalShowsTheNumberAndEndsTheProgram)
{
    ogl_ready = 0;
    int n = 12000;
    EXPECT_EXIT(
        {
            err.open("Error.out", std::ios::out | std::ios::trunc);
            MACIBM_alert("Too many airports in apt.dat file!", "", "", &n, 2003);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(error_out(), "Too many airports in apt.dat file!\n\n\n12000\nend simulation\n");
}

TEST(AlertDeathTest, FatalEndsWithEndSimulationAndLeavesDataFilesAlone)
{
    ogl_ready = 0;
    EXPECT_EXIT(
        {
            err.open("Error.out", std::ios::out | std::ios::trunc);
            ouf.open("data.txt", std::ios::out | std::ios::trunc);
            ouf << "payload\n";
            MACIBM_alert("Can't create window!", "", "", "", 2004);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(error_out(), "Can't create window!\n\n\n\nend simulation\n");
    EXPECT_EQ(read_file("data.txt"), "payload\n");
}
