// The shell's parts that need no window: constants, the resolution file,
// alerts before the window exists.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "test_support.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <unistd.h>

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
    reset_suite_state();
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

TEST(Alert, BeforeTheWindowANoticeGoesToTheSystemBoxAndReturns)
{
    ogl_ready = 0;
    err.open("Error.out", std::ios::out | std::ios::trunc);
    MACIBM_alert("first", "second", "", "fourth", alert_notice);
    EXPECT_EQ(host_test_message_box_count(), 1);
    EXPECT_STREQ(host_test_last_message_box(), "first\n\nsecond\n\n\n\nfourth");
    EXPECT_EQ(error_out(), "first\nsecond\n\nfourth\n");
}

TEST(Alert, LinesLongerThanTheirBufferAreCut)
{
    ogl_ready = 0;
    err.open("Error.out", std::ios::out | std::ios::trunc);
    std::string long_line(1000, 'x');
    MACIBM_alert(long_line.c_str(), "", "", "", alert_notice);
    EXPECT_EQ(strlen(g_cs1), 399u);
}

TEST(Alert, TheAboutBoxLogsItsOwnLines)
{
    ogl_ready = 0;
    err.open("Error.out", std::ios::out | std::ios::trunc);
    MACIBM_alert("", "", "", "", alert_about);
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
            MACIBM_alert("Too many airports in apt.dat file!", "", "", &n, alert_fatal_number);
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
            MACIBM_alert("Can't create window!", "", "", "", alert_fatal);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(error_out(), "Can't create window!\n\n\n\nend simulation\n");
    EXPECT_EQ(read_file("data.txt"), "payload\n");
}

// ---- the configuration folder --------------------------------------------

// The box is recorded in the child that ends; this keeps its text for the test.
static void keep_box(void) { write_file("box.txt", host_test_last_message_box()); }

static void start_with_config_folder(const std::string& folder)
{
    host_test_config_folder(folder.c_str());
    atexit(keep_box);
    MACIBM_init();
}

TEST(ConfigFolderDeathTest, OneThatCannotBeCreatedOrIsTooLongIsFatalAndSaysWhich)
{
    ogl_ready = 0;
    std::string scratch = test_scratch_folder();
    write_file(scratch + "blocker", "an ordinary file\n");
    // Root passes any mode bits, but /sys takes no new entries even from root.
    std::string refused = geteuid() == 0 ? "/sys/volanto-config/" : scratch + "locked/volanto/";
    if (geteuid() != 0) {
        std::filesystem::create_directory(scratch + "locked");
        std::filesystem::permissions(scratch + "locked",
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    }
    // What the system says when asked to make it; nothing when it made it after all.
    std::error_code refusal;
    if (std::filesystem::create_directory(refused, refusal)) std::filesystem::remove(refused);
    std::string long_folder = scratch + std::string(150, 'a') + "/" + std::string(150, 'b') + "/";
    long_folder += std::string(path_max - 40 - long_folder.size(), 'c') + "/";
    std::filesystem::create_directories(long_folder);

    const std::string not_made = "The configuration folder cannot be created:";
    struct {
        const char* what;
        std::string folder, first, why;
    } cases[] = {
        {"an ordinary file in its place", scratch + "blocker/", not_made, "Not a directory"},
        {"under an ordinary file", scratch + "blocker/volanto/", not_made, "Not a directory"},
        {"refused by the system", refused, not_made, refusal ? refusal.message() : ""},
        {"too long for the paths under it", long_folder, "The configuration folder's path is too long for Volanto:", ""},
    };
    for (const auto& c : cases) {
        if (c.first == not_made && c.why.empty()) {
            printf("Skipped \"%s\": the system made %s\n", c.what, c.folder.c_str());
            continue;
        }
        remove("box.txt");
        EXPECT_EXIT(start_with_config_folder(c.folder), ::testing::ExitedWithCode(1), "") << c.what;
        EXPECT_EQ(error_out(), c.first + "\n" + c.folder + "\n" + c.why + "\n\nend simulation\n") << c.what;
        EXPECT_EQ(read_file("box.txt"), c.first + "\n\n" + c.folder + "\n\n" + c.why + "\n\n") << c.what;
    }
}
