// The shell's parts that need no window: constants, the resolution file,
// alerts before the window exists.
#include <gtest/gtest.h>

#include "HL_MNW.h"
#include "host_test.h"
#include "test_support.h"

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
