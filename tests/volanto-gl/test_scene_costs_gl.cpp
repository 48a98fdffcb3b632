// What a frame of the running simulator costs besides drawing: after the
// factory start on the shipped data, with a stick attached and the clock
// moving a frame's 50 ms a frame, frames at KSBD upload no texture, open no
// file and allocate nothing, across the once-a-minute step of the
// once-a-second systems too. The counters themselves are checked first: a
// count that saw nothing would pass every frame; and so is the scene: a
// frame that drew nothing would pass too.
#include <gtest/gtest.h>

#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Plane.h"
#include "frame_costs.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <new>
#include <string>

namespace {

int terrain_draws = 0;

// The real terrain, counted.
void counted_plot_terrain(void)
{
    terrain_draws++;
    plot_terrain();
}

}  // namespace

class SceneCostsGl : public ::testing::Test {
protected:
    scene_calls saved;
    void SetUp() override
    {
        saved = scene;
        host_test_clock(0, 50);
        ASSERT_EQ(host_test_joy_attach(), 0);
        start_simulator();
        ASSERT_EQ(gdone, 0);
        ASSERT_EQ(error_out(), "") << "nothing was told on the way";
        host_test_push_event({HE_PAINT, 0, 0, 0, 0});
    }
    void TearDown() override
    {
        MACIBM_finishup();
        scene = saved;
    }
};

// Each way the program meets a cost is counted: a texture through the
// loader (its file read through a C++ stream, whose open is the C++
// library's own), a plain open, and an allocation.
TEST_F(SceneCostsGl, TheCountersSeeEveryUploadOpenAndAllocation)
{
    framecoststruct start = frame_costs_now();
    int w = 0, h = 0;
    OGL_texbmp(-100, tex_dg, -106, "dg", &w, &h);
    framecoststruct c = frame_costs_since(start);
    EXPECT_GT(w, 0) << "the texture loaded";
    EXPECT_EQ(c.tex_uploads, 1);
    EXPECT_GE(c.file_opens, 1) << "the picture's file";

    start = frame_costs_now();
    std::ifstream in("Error.out");
    int fd = open("Error.out", O_RDONLY);
    if (fd >= 0) close(fd);
    c = frame_costs_since(start);
    EXPECT_TRUE(in.is_open());
    EXPECT_EQ(c.file_opens, 2);

    start = frame_costs_now();
    void* p = ::operator new(16);
    c = frame_costs_since(start);
    ::operator delete(p);
    EXPECT_EQ(c.allocations, 1);
}

// Real weather is off: with it on, the weather report is read again from
// its file once a simulated minute, by design, and that read is the
// flight's, not the scene's. The once-a-second systems are run straight
// through to the second before the minute's step, so that the step falls
// among the measured frames: after a clear their first run reads (the
// aircraft's whole degrees are new) and 58 more leave the count at 58.
TEST_F(SceneCostsGl, FramesAtKsbdUploadOpenAndAllocateNothing)
{
    // The first frames take the window's paint and settle the time step.
    for (int f = 0; f < 20; f++) MACIBM_event_proc();
    ASSERT_GT(region_loads, 0) << "the region is loaded: the frames draw a scene";
    atm.real_weather = 0;
    clear_periodic_run_state();
    for (int s = 0; s < 59; s++) mod_sec();
    scene.plot_terrain = counted_plot_terrain;
    terrain_draws = 0;
    const float sim_start = msc.sim_time;
    const int frames = 50;
    framecoststruct cost[frames];
    for (int f = 0; f < frames; f++) {
        framecoststruct start = frame_costs_now();
        MACIBM_event_proc();
        cost[f] = frame_costs_since(start);
    }
    ASSERT_EQ(mnw.topwin, win_main) << "no window or notice came up";
    EXPECT_EQ(msc.apt_sel >= 0 ? std::string(apt_id[msc.apt_sel]) : "", "KSBD");
    EXPECT_EQ(terrain_draws, frames) << "each frame drew the terrain once";
    // Two seconds take the once-a-second count from 58 past 59.
    EXPECT_GE(msc.sim_time - sim_start, 2.0f) << "the measured frames reach the minute's step";
    // The totals, and the first frame that paid each.
    framecoststruct total = {0, 0, 0};
    int first[3] = {-1, -1, -1};
    for (int f = 0; f < frames; f++) {
        const long paid[3] = {cost[f].tex_uploads, cost[f].file_opens, cost[f].allocations};
        for (int k = 0; k < 3; k++)
            if (paid[k] && first[k] < 0) first[k] = f;
        total.tex_uploads += paid[0];
        total.file_opens += paid[1];
        total.allocations += paid[2];
    }
    EXPECT_EQ(total.tex_uploads, 0) << "first in frame " << first[0];
    EXPECT_EQ(total.file_opens, 0) << "first in frame " << first[1];
    EXPECT_EQ(total.allocations, 0) << "first in frame " << first[2];
}
