// The host's sticks through virtual ones: the values as the programs read
// them, the axis order a user may set, sticks that come and go, and the
// joystick system outliving the shutdown of the rest of the host.
#include <gtest/gtest.h>

#include "host_test.h"

#include <cstdlib>
#include <string>

class HostJoy : public ::testing::Test {
protected:
    void SetUp() override
    {
        host_test_joy_no_system(0);
        host_test_joy_detach_all();
        host_joy_state s;
        if (host_joy_read(0, &s)) GTEST_SKIP() << "a real stick is plugged in";
    }
    void TearDown() override
    {
        unsetenv("VOLANTO_JOY_AXES");
        host_test_joy_no_system(0);
        host_test_joy_detach_all();
    }
};

static host_joy_state read_joy(int id, int* ok = nullptr)
{
    host_joy_state s;
    int got = host_joy_read(id, &s);
    if (ok) *ok = got;
    return s;
}

TEST_F(HostJoy, AxesHatAndButtonsReadAsTheProgramsExpect)
{
    int j = host_test_joy_attach();
    ASSERT_EQ(j, 0);
    host_joy_state s = read_joy(0);
    EXPECT_EQ(s.x, 32768);   // a new stick is centred with nothing pressed
    EXPECT_EQ(s.pov, 65535);
    EXPECT_EQ(s.buttons, 0u);

    host_test_joy_axis(j, 0, 0);
    host_test_joy_axis(j, 1, 65535);
    host_test_joy_axis(j, 2, 1000);
    host_test_joy_axis(j, 3, 32767);
    host_test_joy_buttons(j, 1u | 1u << 15);
    s = read_joy(0);
    EXPECT_EQ(s.x, 0);
    EXPECT_EQ(s.y, 65535);
    EXPECT_EQ(s.z, 1000);
    EXPECT_EQ(s.r, 32767);
    EXPECT_EQ(s.buttons, 1u | 1u << 15);

    for (int pov : {0, 4500, 9000, 13500, 18000, 22500, 27000, 31500, 65535}) {
        host_test_joy_hat(j, pov);
        EXPECT_EQ(read_joy(0).pov, pov);
    }
}

TEST_F(HostJoy, TheAxisOrderComesFromTheEnvironmentWhenItIsFourDigits)
{
    struct {
        const char* order;
        int x, y, z, r;
    } cases[] = {
        {"1032", 2000, 1000, 4000, 3000},
        {"0129", 1000, 2000, 3000, 32767},   // an axis the stick lacks reads centred
        {"0123", 1000, 2000, 3000, 4000},
        {"103", 1000, 2000, 3000, 4000},     // anything else: the usual order
        {"10a2", 1000, 2000, 3000, 4000},
        {"", 1000, 2000, 3000, 4000},
    };
    for (auto& c : cases) {
        setenv("VOLANTO_JOY_AXES", c.order, 1);
        host_test_joy_no_system(1);   // read when the system starts
        host_test_joy_no_system(0);
        int j = host_test_joy_attach();
        ASSERT_EQ(j, 0) << c.order;
        for (int a = 0; a < 4; a++) host_test_joy_axis(j, a, 1000 * (a + 1));
        host_joy_state s = read_joy(0);
        EXPECT_EQ(s.x, c.x) << c.order;
        EXPECT_EQ(s.y, c.y) << c.order;
        EXPECT_EQ(s.z, c.z) << c.order;
        EXPECT_EQ(s.r, c.r) << c.order;
    }
}

TEST_F(HostJoy, WithoutAStickOrASystemReadsFailWithZeros)
{
    EXPECT_EQ(host_joy_count(), 2);
    int ok = 1;
    host_joy_state s = read_joy(1, &ok);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(s.pov, 0);
    EXPECT_EQ(s.y, 0);

    host_test_joy_attach();
    host_test_joy_no_system(1);
    EXPECT_EQ(host_joy_count(), 0);
    read_joy(0, &ok);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(host_test_joy_attach(), -1);
}

// Each stick keeps its id while it is plugged in; a slot left empty takes
// the next stick that comes.
TEST_F(HostJoy, SticksKeepTheirIdsAcrossUnpluggingAndPluggingIn)
{
    int a = host_test_joy_attach();
    int b = host_test_joy_attach();
    host_test_joy_axis(a, 0, 100);
    host_test_joy_axis(b, 0, 200);
    EXPECT_EQ(read_joy(1).x, 200);   // the second, even read first
    EXPECT_EQ(read_joy(0).x, 100);

    host_test_joy_detach(a);
    int ok = 1;
    host_joy_state s = read_joy(0, &ok);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(s.x, 0);
    EXPECT_EQ(read_joy(1).x, 200);

    int again = host_test_joy_attach();
    host_test_joy_axis(again, 0, 300);
    EXPECT_EQ(read_joy(0, &ok).x, 300);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(read_joy(1).x, 200);
}

TEST_F(HostJoy, TheSticksStartAgainAfterTheHostShutsDown)
{
    const char* was = getenv("SDL_VIDEODRIVER");
    std::string driver = was ? was : "";
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(host_init(), 1);
    int j = host_test_joy_attach();
    host_test_joy_axis(j, 1, 500);
    EXPECT_EQ(read_joy(0).y, 500);
    host_shutdown();   // closes every subsystem, the virtual stick with it
    if (was) setenv("SDL_VIDEODRIVER", driver.c_str(), 1);
    else unsetenv("SDL_VIDEODRIVER");

    int ok = 1;
    read_joy(0, &ok);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(host_joy_count(), 2);
    j = host_test_joy_attach();
    ASSERT_EQ(j, 0);
    host_test_joy_axis(j, 1, 600);
    EXPECT_EQ(read_joy(0, &ok).y, 600);
    EXPECT_EQ(ok, 1);
}
