// Foilwright's shell with a real window on the virtual display: its alerts
// come up in the library's frame, and go again.
#include <gtest/gtest.h>

#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

// Every frame's swap is recorded through the shell's call record: the
// pictures shown while the alert is up are kept, since the alert's loop gives
// the test no turn until it has closed.
static std::vector<std::vector<unsigned char>> alert_frames;

static void keep_alert_frame(void)
{
    OGL_sbuf();
    if (mnw.topwin != win_alert) return;
    std::vector<unsigned char> shown(800 * 600 * 3);
    host_test_read_front(0, 0, 800, 600, shown.data());
    alert_frames.push_back(shown);
}

class SwapRecorder : public ::testing::Environment {
public:
    void SetUp() override { shell.OGL_sbuf = keep_alert_frame; }
    void TearDown() override { shell.OGL_sbuf = OGL_sbuf; }
};
static ::testing::Environment* const swap_recorder = ::testing::AddGlobalTestEnvironment(new SwapRecorder);

static void settle(void)
{
    for (int k = 0; k < 3; k++) MACIBM_event_proc();
}

static const unsigned char* at(const std::vector<unsigned char>& frame, int x, int y)
{
    return frame.data() + ((size_t)y * 800 + x) * 3;
}

static bool grey(const unsigned char* c, int v)
{
    return abs(c[0] - v) <= 3 && abs(c[1] - v) <= 3 && abs(c[2] - v) <= 3;
}

// The alert is 400 x 195, centred: its origin is at (200, 203) on the screen.
static const int ax = 200, ay = 203;

// The greys of the colour table: 6 light, 12 face, 18 frame, 22 dark.
static const int light = 204, face = 153, frame_grey = 102, dark = 51;

struct AlertInput {
    const char* what;
    bool click;
};

static void PrintTo(const AlertInput& a, std::ostream* os) { *os << a.what; }

class FoilwrightAlert : public ::testing::TestWithParam<AlertInput> {};

TEST_P(FoilwrightAlert, ANoticeShowsItsFrameAndOkAndTheInputClosesIt)
{
    MACIBM_init();
    settle();
    alert_frames.clear();
    host_test_push_frame_break();               // one frame shows the alert untouched
    if (GetParam().click) host_test_push_click(ax + 200, 600 - (ay + 22));
    else host_test_push_key(VK_RETURN, 0);
    MACIBM_alert("The airfoil file could not be read.", "", "", "", alert_notice);

    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(read_file("Error.out"), "The airfoil file could not be read.\n\n\n\n");
    ASSERT_GE(alert_frames.size(), 2u);
    const std::vector<unsigned char>& up = alert_frames.front();

    // The frame: the outer raised bevel, the grey band round the face, the
    // face, the title bar with its grooves, and the title in it.
    EXPECT_TRUE(grey(at(up, ax - 6, ay + 100), light));
    EXPECT_TRUE(grey(at(up, ax + 300, ay + 195 + 15), light));
    EXPECT_TRUE(grey(at(up, ax + 405, ay + 100), dark));
    EXPECT_TRUE(grey(at(up, ax - 3, ay + 100), frame_grey));
    EXPECT_TRUE(grey(at(up, ax + 390, ay + 120), face));
    EXPECT_TRUE(grey(at(up, ax + 50, ay + 195 + 5), dark));   // a groove left of the title
    EXPECT_TRUE(grey(at(up, ax + 50, ay + 195 + 4), face));
    int title_dots = 0;
    for (int y = ay + 199; y < ay + 206; y++)
        for (int x = ax + 185; x < ax + 215; x++) title_dots += grey(at(up, x, y), light);
    EXPECT_GT(title_dots, 30);

    // The O.K. button raised: light left and top, dark right and bottom, and
    // its label in black on the face.
    EXPECT_TRUE(grey(at(up, ax + 20, ay + 22), light));
    EXPECT_TRUE(grey(at(up, ax + 100, ay + 29), light));
    EXPECT_TRUE(grey(at(up, ax + 380, ay + 22), dark));
    EXPECT_TRUE(grey(at(up, ax + 100, ay + 15), dark));
    EXPECT_TRUE(grey(at(up, ax + 100, ay + 22), face));
    int label_dots = 0;
    for (int y = ay + 19; y < ay + 26; y++)
        for (int x = ax + 195; x < ax + 219; x++) label_dots += grey(at(up, x, y), 0);
    EXPECT_GT(label_dots, 15);

    // The last picture of the alert shows the button pressed.
    const std::vector<unsigned char>& pressed = alert_frames.back();
    EXPECT_TRUE(grey(at(pressed, ax + 20, ay + 22), dark));
    EXPECT_TRUE(grey(at(pressed, ax + 100, ay + 29), dark));
    EXPECT_TRUE(grey(at(pressed, ax + 380, ay + 22), light));

    // Closed: the next frame shows the empty main view where the alert was.
    MACIBM_event_proc();
    unsigned char after[3];
    host_test_read_front(ax + 100, ay + 22, 1, 1, after);
    EXPECT_TRUE(grey(after, 0));
}

INSTANTIATE_TEST_SUITE_P(OkOrEnter, FoilwrightAlert,
                         ::testing::Values(AlertInput{"click", true}, AlertInput{"enter", false}),
                         [](const ::testing::TestParamInfo<AlertInput>& p) { return std::string(p.param.what); });
