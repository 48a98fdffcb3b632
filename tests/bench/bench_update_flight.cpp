// The cost of one frame of the flight model: the factory Cessna at 3,000 ft
// and 100 kt at cruise power, factory settings in calm air, held level by the
// harness's altitude loop. It times each of many frames of update_flight
// alone and prints the median and the 99th percentile, and how many times
// faster than real time a frame runs. The frames are flown in legs of a
// minute, each from a fresh placement and its first ten seconds untimed, so
// that every frame timed is one of that cruise and none of a long drift
// away from it. A benchmark, run by hand from the program folder (build/bin).
//   usage: bench_update_flight [frames]
#include "flight_run.h"
#include "Integ.h"
#include "records.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    int frames = argc > 1 ? atoi(argv[1]) : 20000;
    if (frames < 100) frames = 100;
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd - 1)) return 2;
    std::string folder = std::string(cwd) + "/";
    if (!start_headless(folder.c_str())) {
        fprintf(stderr, "bench_update_flight: the factory aircraft did not load from %s; run it from the program folder.\n",
                folder.c_str());
        return 1;
    }
    const int warm = 10 * run_frames_per_second, leg = 60 * run_frames_per_second;
    std::vector<double> us;
    us.reserve(frames);
    run_line end = {};
    while ((int)us.size() < frames) {
        place_in_air(3000, 100, 67);
        frun.ctl.throttle = 0.75f;
        hold_altitude();
        const int crashes = msc.crash_count;
        fly_seconds(warm / run_frames_per_second, nullptr);
        for (int f = warm; f < leg && (int)us.size() < frames; f++) {
            apply_run_controls();
            auto t0 = std::chrono::steady_clock::now();
            update_flight();
            auto t1 = std::chrono::steady_clock::now();
            frun.frames++;
            us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        }
        if (msc.crash_count != crashes) {
            fprintf(stderr, "bench_update_flight: the aircraft crashed; the frames timed are not all in flight\n");
            return 1;
        }
        end = run_now();
    }
    std::sort(us.begin(), us.end());
    double median = us[us.size() / 2], p99 = us[(us.size() * 99) / 100];
    printf("update_flight, factory Cessna at 3000 ft, 100 kt, throttle 0.75 (%d frames of %.2f s):\n", frames,
           (double)run_dt);
    printf("  median %.1f us, 99th percentile %.1f us a frame; %.0f times real time\n", median, p99,
           run_dt * 1e6 / median);
    printf("  at the end of the last leg: %.0f ft, %.0f kt indicated, %.0f rpm\n", end.alt_ft, end.kias, end.rpm);
    return 0;
}
