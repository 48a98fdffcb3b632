// The first half of the round trip to the simulator: the shipped Cessna
// opened through the open dialog, its fuselage ellipse-smoothed by the key
// "f", and saved into the build's roundtrip/ folder with the fuselage as
// Airwright holds it. The simulator's test loads it back
// (tests/volanto/test_AirwrightRoundTrip.cpp); ctest runs the two as a
// fixture pair, and elsewhere both stand aside.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_MNW.h"
#include "Init.h"
#include "test_support.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

static std::string picked;

static int open_the_cessna(int, int, char* name, char* path)
{
    snprintf(name, path_max, "%s", std::filesystem::path(picked).filename().c_str());
    snprintf(path, path_max, "%s", picked.c_str());
    return 1;
}

static void no_update(void) {}

TEST(AirwrightRoundTrip, DISABLED_SavesTheCessnaWithASmoothedFuselage)
{
    reset_suite_state();
    err.open("Error.out", std::ios::out | std::ios::trunc);
    MACIBM_set_constants();
    const std::string root = roundtrip_folder();
    ASSERT_NE(root, "") << "ctest names the folder";
    std::filesystem::create_directories(root);
    snprintf(afl_path, path_max, "%sairfoils/", PROGRAM_DIR);
    shell.APPLICATION_update = no_update;
    setup_baseplane("Untitled.acf", "Untitled.acf");

    init_calls.MACIBM_opensave = open_the_cessna;
    picked = std::string(PROGRAM_DIR) + "planes/General Aviation/Cessna 172 Skyhawk/Cessna 172 Skyhawk.acf";
    APPLICATION_handlemenu(item_open);
    ASSERT_EQ(msc.has_file, 1);
    ASSERT_STREQ(pln[0].C_file, "Cessna 172 Skyhawk.acf");

    const int f = part_fuselage;
    const planestruct before = pln[0];
    APPLICATION_handlekey('f', 0);
    EXPECT_EQ(msc.dirty, 1);
    EXPECT_NE(memcmp(before.body_X[f], pln[0].body_X[f], sizeof before.body_X[f]), 0) << "the key smoothed nothing";
    std::string table;
    char line[96];
    for (int s = 0; s < 11; s++)
        for (int k = 0; k < 16; k++) {
            snprintf(line, sizeof line, "%d %d %.9g %.9g\n", s, k, pln[0].body_X[f][s][k], pln[0].body_Y[f][s][k]);
            table += line;
        }

    picked = root + "Smoothed";
    std::filesystem::remove(root + "Smoothed.acf");
    APPLICATION_handlemenu(item_save_as);
    EXPECT_EQ(msc.dirty, 0);
    EXPECT_EQ(std::string(pln[0].C_path), root + "Smoothed.acf");
    EXPECT_STREQ(pln[0].C_name, "Smoothed");
    write_file(root + "Smoothed.acf.expected", table);
    EXPECT_EQ(error_out(), "");
}
