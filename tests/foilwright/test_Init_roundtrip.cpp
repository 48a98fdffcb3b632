// The first half of the round trip to the simulator: an edited airfoil and
// an edited flap saved through the save dialog, a name typed and Enter, into
// the build's roundtrip/ folder, each with its tables as Foilwright holds
// them at the precision the files carry. The simulator's test reads them
// back (tests/volanto/test_roundtrip_foil.cpp); ctest runs the two as a
// fixture pair, and elsewhere both stand aside.
#include <gtest/gtest.h>

#include "Function.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "Init.h"
#include "host_test.h"
#include "test_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// Types the part's name into the open save dialog over the name it starts
// with, then Enter.
static void type_name(const char* name, size_t erase)
{
    host_test_push_frame_break();
    for (size_t k = 0; k < erase; k++) host_test_push_key(VK_BACK, 0);
    for (const char* c = name; *c; c++) host_test_push_key(*c, 1);
    host_test_push_frame_break();
    host_test_push_key(VK_RETURN, 0);
}

TEST(FoilRoundTrip, DISABLED_SavesAnEditedAirfoilAndFlapThroughTheDialog)
{
    reset_suite_state();
    err.open("Error.out", std::ios::out | std::ios::trunc);
    mnw.XRES = 800;
    mnw.YRES = 600;
    mnw.XRAT = mnw.YRAT = 1;
    host_test_clock(0, 10);
    const std::string root = roundtrip_folder();
    ASSERT_NE(root, "") << "ctest names the folder";
    std::filesystem::create_directories(root + "airfoils");
    std::filesystem::create_directories(root + "flaps");
    snprintf(app_path, path_max, "%s", root.c_str());
    snprintf(afl_path, path_max, "%sairfoils/", root.c_str());
    snprintf(flp_path, path_max, "%sflaps/", root.c_str());

    // A laminar section with its own stall.
    reset_to_default(part_airfoil);
    afl[0].clB[0][0][0] = 0.31f;
    afl[0].clM[0][0][0] = 0.097f;
    afl[0].Lstall = 1.45f;
    afl[0].almin = -13.5f;
    afl[0].almax = 14.2f;
    afl[0].Dmin = 0.0058f;
    afl[0].Bwidth = 0.4f;
    afl[0].Bdepth = 0.0015f;
    afl[0].Bloc = 0.3f;
    afl[0].cm2[0][0][0] = -0.07f;
    generate();
    msc.part_dirty = 1;
    std::filesystem::remove(root + "airfoils/RTRIP.afl");
    type_name("RTRIP", sizeof "Untitled.afl" - 1);
    ASSERT_EQ(saveasproc(), 1);
    EXPECT_EQ(std::string(msc.part_path), root + "airfoils/RTRIP.afl");
    EXPECT_EQ(msc.part_dirty, 0);
    std::string table = "almax " + std::to_string(afl[0].almax) + "\n";
    char line[96];
    for (int i = -270; i <= 270; i++) {
        snprintf(line, sizeof line, "%d %.5f %.5f\n", i, cl[i + 270], cd[i + 270]);
        table += line;
    }
    write_file(root + "RTRIP.afl.expected", table);

    // A slotted flap.
    reset_to_default(part_flap);
    afl[0].FLPlco1 = 1.7f;
    afl[0].FLPlco3 = -0.45f;
    afl[0].FLPdco2 = 0.07f;
    afl[0].FLPmco1 = -0.42f;
    generate();
    msc.part_dirty = 1;
    std::filesystem::remove(root + "flaps/RTRIP.flp");
    type_name("RTRIP", sizeof "Untitled.flp" - 1);
    ASSERT_EQ(saveasproc(), 1);
    EXPECT_EQ(std::string(msc.part_path), root + "flaps/RTRIP.flp");
    table.clear();
    for (int i = 0; i <= 50; i++) {
        snprintf(line, sizeof line, "%d %.6f %.6f %.6f\n", i, cl[8 * i], cd[8 * i], cm[8 * i]);
        table += line;
    }
    write_file(root + "RTRIP.flp.expected", table);
    EXPECT_EQ(error_out(), "");
}
