// The cost of the simulator's frame in the running program: the scene
// viewer's start at 1024 x 768, then per case 100 frames of warm-up and
// 2,000 measured frames of the frame loop, the flight model flying as it
// does in the program. The test host swaps without waiting for the display
// and its virtual clock moves 50 ms a frame, so the time step settles at
// 50 ms however long the frames take and every run flies the same flight;
// the random numbers start from one seed each case. Each case starts from
// the time of day and the weather of the start-up, real weather off (its
// report is read again once a simulated minute, a cost of the flight, not
// of the scene); its placement refills the tanks and mends the systems.
// Then the frame that pages the region east, the renderer, and what the
// measured frames uploaded, opened and allocated: all 0 in a sound frame.
// With --profile it times the runway and chase cases again with each part
// of the frame left out in turn, and prints what each part costs: the
// difference of the medians (a part's GL work included, as the swap waits
// for the picture).
//   usage: bench_scene [--frames N] [--profile]
// By hand, never by ctest, on a display of 1024 x 768 or more, from any folder:
//   xvfb-run -a -s "-screen 0 1024x768x24" build-test/bin/bench_scene
#include "frame_costs.h"
#include "scene_start.h"

#include "Funct.h"
#include "Startscn.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

const int bench_w = 1024;
const int bench_h = 768;
const unsigned bench_frame_ms = 50;   // the virtual clock's step: one frame
const unsigned bench_seed = 12345;
const int warm_up_frames = 100;
const int measured_frames_default = 2000;

struct bench_case {
    const char* name;
    scene_request scene;
    framecoststruct costs;    // of the measured frames
};

static void usage(void)
{
    fprintf(stderr, "usage: bench_scene [--frames N] [--profile]   (N measured frames a case, default %d)\n",
            measured_frames_default);
    exit(2);
}

static double now_ms(void)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

static double timed_frame(void)
{
    double t0 = now_ms();
    MACIBM_event_proc();
    return now_ms() - t0;
}

// The value below which a share q of the sorted times lies.
static double quantile(const std::vector<double>& sorted, double q)
{
    size_t k = (size_t)std::ceil(q * (double)sorted.size());
    return sorted[k > 0 ? k - 1 : 0];
}

// What a case changes that the next one reads, as the start-up left it.
struct case_start {
    float time_of_day;
    atmospherestruct weather;
};

// The case's median frame, its measured frames' costs in c.costs.
static double measure_case(bench_case& c, const case_start& from, std::vector<double>& times)
{
    msc.time_of_day = from.time_of_day;
    atm = from.weather;
    rnd15_seed(bench_seed);
    scene_apply(c.scene);
    for (int f = 0; f < warm_up_frames; f++) MACIBM_event_proc();
    int crashes = msc.crash_count;
    framecoststruct start = frame_costs_now();
    for (double& t : times) t = timed_frame();
    c.costs = frame_costs_since(start);
    if (msc.crash_count != crashes) printf("note: the aircraft crashed during case %s\n", c.name);
    std::sort(times.begin(), times.end());
    return quantile(times, 0.5);
}

static void run_case(bench_case& c, const case_start& from, std::vector<double>& times)
{
    double median = measure_case(c, from, times);
    printf("case %s: median %.2f ms, p99 %.2f ms, %.1f fps\n", c.name, median, quantile(times, 0.99),
           1000.0 / median);
    fflush(stdout);
}

// A part of the frame that the profile leaves out: the drawer or step
// pointed at a function that does nothing.
struct frame_part {
    const char* name;
    void (*leave_out)(void);
};
static const frame_part frame_parts[] = {
    {"stars and moon", [] { scene.plot_stars = [](float, float, float, float, float, float, float) {}; }},
    {"clouds", [] { scene.plot_clouds = [] {}; }},
    {"terrain", [] { scene.plot_terrain = [] {}; }},
    {"city lights", [] { scene.plot_city_lights = [] {}; }},
    {"trees", [] { scene.plot_trees = [] {}; }},
    {"pavement", [] { scene.plot_pavement = [](int, int, int, float, int, float, float, float, float) {}; }},
    {"runways", [] { scene.plot_runway = [](int, int, int, int, float, float, float, float) {}; }},
    {"runway lights", [] { scene.plot_rway_lights = [] {}; }},
    {"objects", [] { scene.plot_obstacles = [] {}; }},
    {"fires", [] { scene.plot_fires = [] {}; }},
    {"aircraft", [] { scene.plot_plane = [](int, int) {}; }},
    {"head-up displays", [] {
         scene.plot_nrml_hud = [] {};
         scene.plot_cool_hud = [] {};
     }},
    {"windshield", [] { scene.do_window_precip = [](float, float, float, float) {}; }},
    {"panel", [] { shell.update_panel = [] {}; }},
    {"2D overlays", [] { shell.update_scene_2d = [] {}; }},
    {"flight step and program", [] { shell.APPLICATION_update = [] {}; }},
    {"whole 3D scene", [] { shell.update_scene_3d = [] {}; }},
};

static void profile_case(bench_case& c, const case_start& from, std::vector<double>& times)
{
    const scene_calls all_scene = scene;
    const shell_calls all_shell = shell;
    measure_case(c, from, times);   // warms the caches and the renderer's threads
    double whole = measure_case(c, from, times);
    printf("profile of %s: whole frame %.2f ms (%.1f fps); each part's share:\n", c.name, whole, 1000.0 / whole);
    for (const frame_part& p : frame_parts) {
        // The whole frame again beside each part, so that a drift of the
        // machine's speed shows in one row only.
        double again = measure_case(c, from, times);
        p.leave_out();
        double without = measure_case(c, from, times);
        scene = all_scene;
        shell = all_shell;
        printf("  %-24s %6.2f ms\n", p.name, again - without);
        fflush(stdout);
    }
}

// The aircraft moved to 2.06 degrees east of the region's corner, where
// the frame reads its longitude: the next frame shifts the region east.
static void time_paging_frame(void)
{
    int corner = env.reg_lon, loads = region_loads;
    float lon = (float)env.reg_lon + 2.06f;
    flt.pos_x[0] = X_with_latlon(flt.lat, lon);
    flt.lon = lon;
    framecoststruct start = frame_costs_now();
    double t = timed_frame();
    framecoststruct c = frame_costs_since(start);
    if (env.reg_lon == corner && region_loads == loads) {
        printf("paging frame: %.2f ms, but the frame did not page (region corner still at %d)\n", t, corner);
        return;
    }
    printf("paging frame: %.2f ms (region corner %d -> %d; %ld texture uploads, %ld file opens, %ld allocations)\n",
           t, corner, env.reg_lon, c.tex_uploads, c.file_opens, c.allocations);
}

// The test host keeps each picture it shows by reading it back; this much
// of every frame above is that read-back, which the program does not do.
static double read_back_ms(void)
{
    std::vector<unsigned char> rgb((size_t)bench_w * bench_h * 3);
    const int n = 20;
    double t0 = now_ms();
    for (int k = 0; k < n; k++) host_test_read_pixels(0, 0, bench_w, bench_h, rgb.data());
    return (now_ms() - t0) / n;
}

static void print_renderer(void)
{
    const char* name = host_gl_renderer();
    printf("renderer: %s", name);
    if (strstr(name, "llvmpipe")) {
        const char* lp = getenv("LP_NUM_THREADS");
        if (lp && lp[0]) printf(", %s threads (LP_NUM_THREADS)", lp);
        else printf(", up to %u threads (the CPU count)", std::thread::hardware_concurrency());
    }
    printf("\n");
}

int main(int argc, char** argv)
{
    int frames = measured_frames_default;
    int profile = 0;
    for (int k = 1; k < argc; k++) {
        if (!strcmp(argv[k], "--frames") && k + 1 < argc) {
            char* end = nullptr;
            long n = strtol(argv[++k], &end, 10);
            if (end == argv[k] || *end || n < 1 || n > 1000000) usage();
            frames = (int)n;
        } else if (!strcmp(argv[k], "--profile")) {
            profile = 1;
        } else {
            usage();
        }
    }
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);

    scene_request runway = scene_factory();
    scene_request full = runway;
    full.view = view_full_no_hud;
    full.panel_hidden = 1;
    scene_request chase = runway;
    chase.view = view_chase;
    scene_request east = runway;
    east.air = 1;
    east.alt_ft = 3000;
    east.hdg = 90;
    bench_case cases[] = {
        {"runway_06_view_500", runway, {}},
        {"view_522_no_panel", full, {}},
        {"chase_516", chase, {}},
        {"air_3000ft_east", east, {}},
    };

    host_test_clock(0, bench_frame_ms);
    if (!scene_program_start(bench_w, bench_h)) return 1;
    if (mnw.XRES != bench_w || mnw.YRES != bench_h)
        printf("note: the window is %.0f x %.0f, not %d x %d: the display is too small\n", mnw.XRES, mnw.YRES,
               bench_w, bench_h);

    atm.real_weather = 0;
    const case_start from = {msc.time_of_day, atm};
    std::vector<double> times((size_t)frames);
    printf("real weather off: its once-a-minute report read belongs to the flight\n");
    if (profile) {
        profile_case(cases[0], from, times);
        profile_case(cases[2], from, times);
        MACIBM_finishup();
        return 0;
    }
    for (bench_case& c : cases) run_case(c, from, times);
    time_paging_frame();
    print_renderer();
    printf("read-back of each shown picture by the test host: %.2f ms of every frame\n", read_back_ms());
    printf("measured frames (%d a case):\n", frames);
    for (const bench_case& c : cases)
        printf("  %s: %ld texture uploads, %ld file opens, %ld allocations\n", c.name, c.costs.tex_uploads,
               c.costs.file_opens, c.costs.allocations);
    MACIBM_finishup();
    return 0;
}
