// Flies the factory aircraft without a window and prints its state once a
// simulated second: a take-off, a glide, a stall or a level run, with fixed
// controls. Run from the program folder (build/bin), whose databases and
// aircraft it loads; it writes Error.out and Volanto.out there as the
// program does.
//   usage: fly_headless [--runway | --air ALT_FT KIAS HDG] [--seconds N]
//            [--throttle T] [--mixture M] [--flaps F] [--brakes [B]]
//            [--trim T | --trim auto] [--pitch P] [--roll R] [--yaw Y]
//            [--hold-kias V | --hold-alt] [--wings-level] [--weight-lb W]
// The yoke is the keyboard's (-1..1, nose up and right wing down positive);
// --trim auto trims for level flight at the throttle before the run starts.
#include "flight_run.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

static void usage(void)
{
    fprintf(stderr,
            "usage: fly_headless [--runway | --air ALT_FT KIAS HDG] [--seconds N]\n"
            "         [--throttle T] [--mixture M] [--flaps F] [--brakes [B]]\n"
            "         [--trim T | --trim auto] [--pitch P] [--roll R] [--yaw Y]\n"
            "         [--hold-kias V | --hold-alt] [--wings-level] [--weight-lb W]\n"
            "Run it from the program folder.\n");
    exit(2);
}

// The number at argv[k], or the usage.
static float number(int argc, char** argv, int k)
{
    if (k >= argc) usage();
    char* end = nullptr;
    float v = strtof(argv[k], &end);
    if (end == argv[k] || *end) usage();
    return v;
}

int main(int argc, char** argv)
{
    int air = 0, seconds = 60, hold = hold_none, auto_trim = 0, wings_level = 0;
    float alt_ft = 0, kias = 0, hdg = 0, hold_v = 0, weight_lb = -1;
    run_controls c = {};
    c.mixture = 1;
    for (int k = 1; k < argc; k++) {
        const char* a = argv[k];
        if (!strcmp(a, "--runway")) air = 0;
        else if (!strcmp(a, "--air")) {
            air = 1;
            alt_ft = number(argc, argv, ++k);
            kias = number(argc, argv, ++k);
            hdg = number(argc, argv, ++k);
        } else if (!strcmp(a, "--seconds")) {
            float s = number(argc, argv, ++k);
            if (!(s >= 0 && s <= 1e6f)) usage();
            seconds = (int)s;
        }
        else if (!strcmp(a, "--throttle")) c.throttle = number(argc, argv, ++k);
        else if (!strcmp(a, "--mixture")) c.mixture = number(argc, argv, ++k);
        else if (!strcmp(a, "--flaps")) c.flaps = number(argc, argv, ++k);
        else if (!strcmp(a, "--brakes")) {
            c.brakes = 1;
            char* end = nullptr;
            if (k + 1 < argc) {
                float b = strtof(argv[k + 1], &end);
                if (end != argv[k + 1] && !*end) {
                    c.brakes = b;
                    k++;
                }
            }
        } else if (!strcmp(a, "--trim")) {
            if (k + 1 < argc && !strcmp(argv[k + 1], "auto")) {
                auto_trim = 1;
                k++;
            } else {
                c.trim = number(argc, argv, ++k);
            }
        } else if (!strcmp(a, "--pitch")) c.pitch = number(argc, argv, ++k);
        else if (!strcmp(a, "--roll")) c.roll = number(argc, argv, ++k);
        else if (!strcmp(a, "--yaw")) c.yaw = number(argc, argv, ++k);
        else if (!strcmp(a, "--hold-kias")) {
            hold = hold_kias;
            hold_v = number(argc, argv, ++k);
        } else if (!strcmp(a, "--hold-alt")) hold = hold_alt;
        else if (!strcmp(a, "--wings-level")) wings_level = 1;
        else if (!strcmp(a, "--weight-lb")) weight_lb = number(argc, argv, ++k);
        else usage();
    }

    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd - 1)) return 2;
    std::string folder = std::string(cwd) + "/";
    if (!start_headless(folder.c_str())) {
        fprintf(stderr, "fly_headless: the factory aircraft did not load from %s; run it from the program folder.\n",
                folder.c_str());
        return 1;
    }
    if (air) place_in_air(alt_ft, kias, hdg);
    if (weight_lb >= 0) set_total_weight(weight_lb);
    frun.ctl = c;
    frun.wings_level = wings_level;
    if (auto_trim) {
        float t = trim_for_level(c.throttle);
        if (t < -1) {
            fprintf(stderr, "fly_headless: no level trim found at throttle %.2f\n", c.throttle);
            return 1;
        }
        fprintf(stderr, "fly_headless: trimmed level at pitch trim %.3f\n", t);
    }
    if (hold == hold_kias) hold_airspeed(hold_v);
    if (hold == hold_alt) hold_altitude();

    print_run_header(stdout);
    if (!fly_seconds(seconds, stdout)) {
        fprintf(stderr, "fly_headless: crashed after %.2f s\n", (double)frun.frames * run_dt);
        return 1;
    }
    return 0;
}
