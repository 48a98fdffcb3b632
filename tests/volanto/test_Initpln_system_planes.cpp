// The shipped system planes, the tow plane and the drop aircraft's carrier:
// each loads from the generated program folder into either slot with no
// alert, as the kind of aircraft it is, with masses and a stall speed of its
// public record.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "HL_FUNCT.h"
#include "Hl_types.h"
#include "host_test.h"
#include "plane_files.h"
#include "records.h"
#include "test_support.h"

#include <string>

class SystemPlanes : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(open_loader_surroundings(), 1); }
    void TearDown() override { close_loader_surroundings(); }
};

// Masses in pounds, stall speed (the loader's, at maximum mass) in knots.
struct system_plane {
    const char* name;
    int numen, entype, gear_type;
    int tail_wheel;          // the first leg is aft of the centre of gravity
    float m_empty_lb, m_max_lb;
    float vstall_lo, vstall_hi;
    float attitude;          // at rest, degrees nose up
};

static const system_plane planes[] = {
    {"Husky", 1, 1, 3, 1, 1275, 2000, 45, 62, 12},
    {"B-52H Stratofortress", 4, 4, 4, 0, 185000, 488000, 150, 200, 0},
};

static std::string system_plane_path(const char* name)
{
    return std::string(PROGRAM_DIR) + "planes/System Planes (don't move)/" + name + "/" + name + ".acf";
}

TEST_F(SystemPlanes, LoadIntoEitherSlotAsTheirKind)
{
    for (const system_plane& c : planes)
        for (int p : {1, 0}) {
            SCOPED_TRACE(std::string(c.name) + " in slot " + std::to_string(p));
            msc.vstall = 0;
            std::string file = std::string(c.name) + ".acf";
            ASSERT_EQ(load_named(p, system_plane_path(c.name), file.c_str()), 1);
            EXPECT_EQ(error_out(), "");
            EXPECT_EQ(host_test_message_box_count(), 0);

            const planestruct& a = pln[p];
            EXPECT_STREQ(a.C_name, c.name);
            EXPECT_EQ(a.numen, c.numen);
            EXPECT_EQ(a.entype, c.entype);
            EXPECT_EQ(a.gear_type, c.gear_type);
            EXPECT_EQ(a.ngearZ > 0 && a.mgearZ < 0, c.tail_wheel);
            EXPECT_EQ(a.ngearZ < 0 && a.mgearZ > 0, !c.tail_wheel);
            EXPECT_NEAR(a.the_eqlbm, c.attitude, 1.0f);
            EXPECT_NEAR(a.m_empty, c.m_empty_lb * 0.4535925f, 1.0f);
            EXPECT_NEAR(a.m_max, c.m_max_lb * 0.4535925f, 1.0f);
            EXPECT_LT(a.m_empty, a.m_max);
            EXPECT_GT(a.m_fuel, 0.0f);
            // Only the user's aircraft sets the stall speed.
            if (p == 0) {
                EXPECT_GT(msc.vstall * con.msctokts, c.vstall_lo);
                EXPECT_LT(msc.vstall * con.msctokts, c.vstall_hi);
                EXPECT_GE(msc.vstall * con.msctokts, a.Vso);
            } else {
                EXPECT_EQ(msc.vstall, 0.0f);
            }
        }
}

// The record holds four engines: the bomber's eight are four pods of two,
// two under each wing, each with its nacelle and pylon.
TEST_F(SystemPlanes, BomberHasFourPodsOfTwiceTheThrust)
{
    const char* name = "B-52H Stratofortress";
    ASSERT_EQ(load_named(1, system_plane_path(name), "B-52H Stratofortress.acf"), 1);
    const planestruct& a = pln[1];
    EXPECT_FLOAT_EQ(a.tmax, 2 * 17000 * con.lbstontn);
    int left = 0, right = 0;
    for (int n = 0; n < plane_engines; n++) {
        (a.Xarm[n] < 0 ? left : right)++;
        EXPECT_EQ(have_this_part(part_nacelle_first + n, 1), 1) << n;
        EXPECT_EQ(have_this_part(part_pylon_first + n, 1), 1) << n;
    }
    EXPECT_EQ(left, 2);
    EXPECT_EQ(right, 2);
    EXPECT_EQ(a.gear_retract, 1);
}
