// The 2D overlays on the virtual display, read back in pixels: the replay
// icons in their colours and the clock, and the pause notice on the head-up
// display's centre, whatever state the drawing before them left.
#include <gtest/gtest.h>

#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <GL/gl.h>
#include <vector>

namespace {

struct rgb {
    int r, g, b;
};

rgb pixel(int x, int y)
{
    unsigned char p[3];
    glFinish();
    host_test_read_pixels(x, y, 1, 1, p);
    return {p[0], p[1], p[2]};
}

// Pixels of the box (x, y, w, h) within 2 of colour c of the table.
int pixels_of(int colour, int x, int y, int w, int h)
{
    std::vector<unsigned char> px((size_t)w * h * 3);
    glFinish();
    host_test_read_pixels(x, y, w, h, px.data());
    int n = 0;
    for (size_t i = 0; i < px.size(); i += 3) {
        bool same = true;
        for (int k = 0; k < 3; k++) same = same && abs(px[i + k] - (int)(col_rgb[colour][k] * 255 + 0.5f)) <= 2;
        n += same;
    }
    return n;
}

void expect_colour(rgb p, int colour, const char* what)
{
    EXPECT_NEAR(p.r, col_rgb[colour][0] * 255, 2) << what;
    EXPECT_NEAR(p.g, col_rgb[colour][1] * 255, 2) << what;
    EXPECT_NEAR(p.b, col_rgb[colour][2] * 255, 2) << what;
}

class OverlaysGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_init();
        mnw.topwin = 0;
        mnw.x = mnw.y = 0;
        for (int& item : set.cockpit_list) item = -1;
        // The panel's centre of the head-up display, as the frame lays it out.
        con.cntrx = 400;
        con.cntry = 443;
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
        OGL_setstate(1, 1, 1, 1);   // what a drawer before may leave
    }
};

}  // namespace

// Replay at normal speed, paused by the pilot: the right triangle lit, the
// reverse triangle and the stop bars not, the clock drawn under them and
// "PAUSED" over the head-up display's centre.
TEST_F(OverlaysGl, ReplayIconsClockAndPausedShow)
{
    set.replay_speed = 6;
    pat.replay_time = 125.5f;
    msc.paused = 1;
    update_scene_2d();

    expect_colour(pixel(436, 550), 47, "the playing speed's triangle");
    expect_colour(pixel(364, 550), 49, "normal reverse's triangle");
    expect_colour(pixel(395, 550), 49, "the stop bars");
    EXPECT_GT(pixels_of(49, 383, 531, 48, 10), 20) << "the clock";
    EXPECT_GT(pixels_of(42, 382, 437, 36, 10), 20) << "PAUSED";
    EXPECT_EQ(pixels_of(42, 0, 0, 800, 430), 0) << "nothing of the notice lower down";
}

// Flying, and not paused: nothing at all.
TEST_F(OverlaysGl, NothingWhileFlying)
{
    update_scene_2d();
    EXPECT_EQ(pixels_of(29, 0, 0, 800, 600), 800 * 600);   // colour 29 is black
}
