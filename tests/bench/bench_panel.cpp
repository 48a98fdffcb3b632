// The cost of the cockpit panel's frame: the program started as the scene
// benchmark starts it (the Cessna on KSBD's runway 06, the panel shown, at
// 1024 x 768), then update_panel alone, 5,000 times, each followed by
// glFinish so that its drawing is counted; prints the median and the 99th
// percentile a frame, and what those frames uploaded and allocated (0 in a
// sound frame). Then the same Cessna on the glass panel with its ECAM, in
// rain and storms (the radar rebuilt once a second at 50 frames a second).
//   usage: bench_panel
// By hand, never by ctest, on a display of 1024 x 768 or more:
//   xvfb-run -a -s "-screen 0 1024x768x24" build-test/bin/bench_panel
#include "frame_costs.h"
#include "scene_start.h"

#include "HL_MNW.h"
#include "Initpln.h"
#include "Windows.h"
#include "records.h"

#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

static double now_ms(void)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// update_panel's frames; with tenths set, tenth_count steps on every fifth
// frame as the flight step would at 50 frames a second.
static void time_panel(const char* what, int tenths)
{
    const int frames = 5000;
    std::vector<double> times(frames);
    glFinish();
    framecoststruct start = frame_costs_now();
    for (int f = 0; f < frames; f++) {
        if (tenths && f % 5 == 0) msc.tenth_count = (msc.tenth_count + 1) % 10;
        double t0 = now_ms();
        update_panel();
        glFinish();
        times[f] = now_ms() - t0;
    }
    framecoststruct c = frame_costs_since(start);
    std::sort(times.begin(), times.end());
    printf("update_panel, %s: median %.3f ms, p99 %.3f ms a frame (%d frames; %ld texture uploads, %ld allocations)\n",
           what, times[frames / 2], times[frames * 99 / 100], frames, c.tex_uploads, c.allocations);
}

int main(void)
{
    if (!scene_program_start(1024, 768)) return 1;
    scene_apply(scene_factory());
    for (int f = 0; f < 50; f++) MACIBM_event_proc();
    time_panel("the Cessna", 0);

    pln[0].paneltype = 2, pln[0].ecam = 1;
    set_panel_layout();
    MACIBM_startwind(win_main);
    atm.precip_level = atm.storm_level = 5;
    for (int i = 0; i < wx_grid_cols; i++)
        for (int j = 0; j < wx_grid_rows; j++) atm.wx_grid[i][j] = (float)((i / 20 + j / 20) % 2);
    for (int f = 0; f < 50; f++) MACIBM_event_proc();
    time_panel("the glass panel with the ECAM and the radar", 1);
    return 0;
}
