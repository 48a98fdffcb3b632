// The two reports of the user's aircraft as whole texts, compared with the
// golden files in tests/data/ by `diff -u`: the loader's build-up report of
// the shipped Cessna 172, and the force reports of one build-up cycle of it
// in flight and of one at rest on the runway.
//
// Regenerating: run the test with VOLANTO_REGOLD=1 set, e.g.
//   VOLANTO_REGOLD=1 ctest --test-dir build-test -R Golden
// and it writes the golden files instead of comparing. Read the change with
// `git diff tests/data/` and commit it on its own, saying why the text moved.
//
// The texts hold no machine's folders: the program folder is written as
// "<program folder>/". They are the same from the optimised and the
// sanitizer (unoptimised) build.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "buildup_states.h"
#include "Fltcalc.h"
#include "Genwrld.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "host_test.h"
#include "plane_files.h"
#include "records.h"
#include "test_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

// The shipped aircraft loaded into slot 0 from the program folder, sounds to
// the silent sink, with every record the reports read cleared first.
class GoldenReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        ASSERT_EQ(open_loader_surroundings(), 1);
        ASSERT_EQ(load_named(0), 1);
        trk.close();
    }
    void TearDown() override
    {
        set.force_report = 0;
        close_loader_surroundings();
    }
};

TEST_F(GoldenReport, BuildUpReportOfTheShippedAircraft)
{
    std::string text = read_file("Volanto.out");
    ASSERT_FALSE(text.empty());
    std::string diff = golden_diff("report_buildup_c172.txt", portable(text));
    EXPECT_TRUE(diff.empty()) << "the build-up report differs from its golden text (VOLANTO_REGOLD=1 rewrites it):\n"
                              << diff;
}

// ---- force build-up cycles ---------------------------------------------------
//
// One build-up cycle of the shipped Cessna at a fixed state (buildup_states.h),
// reported whole: cruising at 3,000 ft and 100 kt with its propeller turning,
// a quarter flap and the surfaces deflected, and standing on the runway on
// its gear, the propeller still. A silent cycle first, so the reported one
// predicts from steady rates, the tail meets the wing's downwash and the
// propeller's slipstream, and the wheels are already down.

static std::string reported_cycle(void)
{
    set_a();
    trk.open("Volanto.out", std::ios::out | std::ios::trunc | std::ios::binary);
    set.force_report = 1;
    set_a();
    set.force_report = 0;
    trk.close();
    return read_file("Volanto.out");
}

TEST_F(GoldenReport, ForceReportOfACycleInFlight)
{
    cessna_in_flight();
    propeller_at_cruise();
    std::string text = reported_cycle();
    EXPECT_EQ(text.find("CONTACT #"), std::string::npos) << "no contact at 3,000 ft";
    std::string diff = golden_diff("report_force_flight_c172.txt", portable(text));
    EXPECT_TRUE(diff.empty()) << "the force report differs from its golden text (VOLANTO_REGOLD=1 rewrites it):\n"
                              << diff;
}

TEST_F(GoldenReport, ForceReportOfACycleAtRest)
{
    cessna_at_rest();
    std::string text = reported_cycle();
    for (const char* wheel : {"CONTACT #0:", "CONTACT #1:", "CONTACT #2:"})
        EXPECT_NE(text.find(wheel), std::string::npos) << wheel;
    std::string diff = golden_diff("report_force_rest_c172.txt", portable(text));
    EXPECT_TRUE(diff.empty()) << "the force report differs from its golden text (VOLANTO_REGOLD=1 rewrites it):\n"
                              << diff;
}
