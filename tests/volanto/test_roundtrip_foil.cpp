// The second half of the round trip from Foilwright: the airfoil and the
// flap its test saved through the save dialog into the build's roundtrip/
// folder read with the simulator's own readers, the airfoil reader and the
// flaps file read of an aircraft's finishing, giving the tables Foilwright
// held at the precision the files carry. ctest runs this after Foilwright's
// half, as a fixture pair; elsewhere it stands aside.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "Initpln.h"
#include "plane_files.h"
#include "records.h"
#include "test_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>


TEST(FoilRoundTrip, DISABLED_AirfoilReaderTakesFoilwrightsTables)
{
    const std::string root = roundtrip_folder();
    ASSERT_NE(root, "") << "ctest names the folder";
    reset_suite_state();
    err.open("Error.out", std::ios::out | std::ios::trunc);
    MACIBM_set_constants();
    std::istringstream expected(read_file(root + "RTRIP.afl.expected"));
    std::string word;
    float almax_saved = 0;
    ASSERT_TRUE(expected >> word >> almax_saved);

    snprintf(afl_path, path_max, "%sairfoils/", root.c_str());
    float almax = 0;
    grabafoil("RTRIP.afl", 0, 0, 0, &almax, 0);
    EXPECT_FLOAT_EQ(almax, almax_saved);
    const airfoilstruct& a = afl[0];
    const float printed = 0.5e-5f + 1e-7f;
    int rows = 0;
    for (int i, k = -270; k <= 270; k++, rows++) {
        float lift, drag;
        ASSERT_TRUE(expected >> i >> lift >> drag) << k;
        int n = i < 0 ? -i : i;
        const float* lifts = i < 0 ? a.clneg[0][0][0] : a.clpos[0][0][0];
        const float* drags = i < 0 ? a.cdneg[0][0][0] : a.cdpos[0][0][0];
        EXPECT_NEAR(drags[n], drag, printed) << i;
        if (n >= 100) {
            EXPECT_NEAR(lifts[n - 100], lift, printed) << i;   // the table holds lift from 10 degrees
        }
    }
    EXPECT_EQ(rows, 541);
    EXPECT_EQ(error_out(), "");
}

TEST(FoilRoundTrip, DISABLED_FlapsReaderTakesFoilwrightsTables)
{
    const std::string root = roundtrip_folder();
    ASSERT_NE(root, "") << "ctest names the folder";
    ASSERT_EQ(open_loader_surroundings(), 1);
    // The Cessna flies on Foilwright's flap, under the name its file gives.
    ASSERT_EQ(load_named(0), 1);
    const std::string flaps = std::string(test_scratch_folder()) + "flaps/";
    std::filesystem::create_directories(flaps);
    std::filesystem::copy_file(root + "flaps/RTRIP.flp", flaps + pln[0].flap_str,
                               std::filesystem::copy_options::overwrite_existing);
    snprintf(flp_path, path_max, "%s", flaps.c_str());
    ASSERT_EQ(load_named(0), 1);
    ASSERT_EQ(pln[0].flapEQ, 1);

    std::istringstream expected(read_file(root + "RTRIP.flp.expected"));
    const float printed = 0.5e-6f + 1e-7f;
    for (int i = 0; i < plane_flap_rows; i++) {
        int row;
        float lift, drag, moment;
        ASSERT_TRUE(expected >> row >> lift >> drag >> moment) << i;
        EXPECT_NEAR(pln[0].clflap[i], lift, printed) << i;
        EXPECT_NEAR(pln[0].cdflap[i], drag, printed) << i;
        EXPECT_NEAR(pln[0].cmflap[i], moment, printed) << i;
    }
    close_loader_surroundings();
}
