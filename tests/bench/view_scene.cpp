// Shows a scene of Volanto: the program started as its entry starts it, on
// the shipped data of its program folder (this executable's own folder),
// with the view, time, weather, panel and placement of the command line,
// then flown frame by frame until interrupted. It runs on the real display
// and clock; the test host's virtual joystick stands in for a stick, so no
// notice waits, and the display's keys and clicks go unheard.
#include "scene_start.h"

#include "HL_MNW.h"
#include "records.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static void usage(void)
{
    fprintf(stderr,
            "usage: view_scene [--place CODE [SUB]] [--air ALT_FT HDG [KTS]] [--view ID] [--time HOURS]\n"
            "         [--clouds TYPE] [--base FT] [--tops FT] [--vis NM] [--precip LEVEL] [--no-panel]\n"
            "         [--size W H] [--frames N]\n"
            "  --place   a placement code and its sub-code (default 208 7: on the runway at KSBD;\n"
            "            208 8 and 208 9 on final, 1601 the carrier, 1404 on water ...)\n"
            "  --air     in the air over the runway: feet above sea level, heading, knots (default 100)\n"
            "  --view    a View item, 500..522: 500 forwards, 511 backwards, 513 tower, 514 runway,\n"
            "            516 chase, 517 follow, 519 spot, 521 full screen with HUD, 522 without\n"
            "  --time    local time of day in hours, 0..24 (default 16)\n"
            "  --clouds  1 clear, 2 scattered, 3 broken, 4 overcast; --base and --tops in feet above\n"
            "            sea level; --vis in nautical miles; --precip 1 none .. 5 severe. Any of\n"
            "            them turns real weather off.\n"
            "  --no-panel  hide the instrument panel\n"
            "  --size    the window in pixels (default 1024 768)\n"
            "  --frames  quit after N frames (default: run until interrupted)\n");
    exit(2);
}

// The number at argv[k] within lo..hi, or the usage.
static float number(int argc, char** argv, int k, float lo, float hi)
{
    if (k >= argc) usage();
    char* end = nullptr;
    float v = strtof(argv[k], &end);
    if (end == argv[k] || *end || !(v >= lo && v <= hi)) usage();
    return v;
}

static int whole(int argc, char** argv, int k, int lo, int hi)
{
    float v = number(argc, argv, k, (float)lo, (float)hi);
    if (v != (float)(int)v) usage();
    return (int)v;
}

static const int views[] = {view_forwards, view_down_4,    view_down_8,   view_left_45,   view_right_45,
                            view_left_90,  view_right_90,  view_left_135, view_right_135, view_backwards,
                            view_tower,    view_runway,    view_chase,    view_follow,    view_follow_2,
                            view_spot,     view_full_hud,  view_full_no_hud};

static int is_view(int id)
{
    for (int v : views)
        if (v == id) return 1;
    return 0;
}

static volatile sig_atomic_t stop_asked = 0;

static void ask_stop(int) { stop_asked = 1; }

int main(int argc, char** argv)
{
    scene_request r = scene_factory();
    int w = 1024, h = 768;
    long frames = -1;
    for (int k = 1; k < argc; k++) {
        const char* a = argv[k];
        if (!strcmp(a, "--place")) {
            r.code = whole(argc, argv, ++k, 0, 99999);
            if (k + 1 < argc && argv[k + 1][0] != '-') r.sub = whole(argc, argv, ++k, 0, 99);
        } else if (!strcmp(a, "--air")) {
            r.air = 1;
            r.alt_ft = number(argc, argv, ++k, -1000, 99999);
            r.hdg = number(argc, argv, ++k, 0, 360);
            if (k + 1 < argc && argv[k + 1][0] != '-') r.kts = number(argc, argv, ++k, 0, 2000);
        } else if (!strcmp(a, "--view")) {
            r.view = whole(argc, argv, ++k, view_forwards, view_full_no_hud);
            if (!is_view(r.view)) usage();
        } else if (!strcmp(a, "--time")) r.hour = number(argc, argv, ++k, 0, 24);
        else if (!strcmp(a, "--clouds")) r.cloud_type = whole(argc, argv, ++k, 1, 4);
        else if (!strcmp(a, "--base")) r.base_ft = number(argc, argv, ++k, 0, 99999);
        else if (!strcmp(a, "--tops")) r.tops_ft = number(argc, argv, ++k, 0, 99999);
        else if (!strcmp(a, "--vis")) r.vis_nm = number(argc, argv, ++k, 0, 20);
        else if (!strcmp(a, "--precip")) r.precip = number(argc, argv, ++k, 1, 5);
        else if (!strcmp(a, "--no-panel")) r.panel_hidden = 1;
        else if (!strcmp(a, "--size")) {
            w = whole(argc, argv, ++k, 320, 4096);
            h = whole(argc, argv, ++k, 240, 4096);
        } else if (!strcmp(a, "--frames")) frames = whole(argc, argv, ++k, 1, 100000000);
        else usage();
    }

    // An interrupt ends the run as Quit would, so the program's shutdown runs.
    signal(SIGINT, ask_stop);
    signal(SIGTERM, ask_stop);
    if (!scene_program_start(w, h)) return 1;
    scene_apply(r);
    for (long f = 0; !gdone && !stop_asked && (frames < 0 || f < frames); f++) MACIBM_event_proc();
    MACIBM_finishup();
    return 0;
}
