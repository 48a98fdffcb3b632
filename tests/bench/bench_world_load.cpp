// Load time of the world databases at full capacity: 12,000 airports with
// 16,000 runways, 19,996 navaids and 33,999 fixes, written through the
// record-line writers into a scratch folder and loaded as at start-up with
// the progress bar off. A benchmark, run by hand: it prints the best and the
// median of several loads.
//   usage: bench_world_load [loads]
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "records.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

static int write_files(const std::string& folder)
{
    std::string apt = folder + "apt.dat", nav = folder + "nav.dat", fix = folder + "fix.dat";
    snprintf(copyright_apt, sizeof copyright_apt, "full-capacity benchmark");
    if (!ouf_open(apt.c_str(), kind_airports, 500)) return 0;
    int runways = 0;
    for (int a = 0; a < world_apt_max; a++) {
        float h = 1000.0f + (float)(a % 500);
        int twr = a % 2, bld = 1;
        char id[5], name[40];
        snprintf(id, sizeof id, "K%03d", a % 1000);
        snprintf(name, sizeof name, "Benchmark Field Number %d", a);
        fio_apt_line(&h, &twr, &bld, id, name, 0);
        // The first 4,000 airports get two runways, the rest one: 16,000.
        for (int k = 0; k < (a < world_rwy_max - world_apt_max ? 2 : 1); k++) {
            float lat = 30.0f + (float)(a % 100) * 0.05f, lon = -120.0f + (float)(a / 100) * 0.05f;
            float hdng = (float)((a * 7 + k * 90) % 360), len = 5000, width = 100;
            int num = (int)(hdng / 10) + 1, code = 1335321;
            char side = k ? 'R' : 'L';
            fio_rwy_line(&lat, &lon, &num, &side, &hdng, &len, &width, &code, 0);
            runways++;
        }
    }
    ouf << "99\n";
    if (!ouf_close() || runways != world_rwy_max) return 0;

    snprintf(copyright_nav, sizeof copyright_nav, "full-capacity benchmark");
    if (!ouf_open(nav.c_str(), kind_navaids, 500)) return 0;
    for (int n = 0; n < world_nav_max - world_nav_first; n++) {
        int type = 2 + n % 8, frq = 10800 + n % 1000;
        float lat = 30.0f + (float)(n % 200) * 0.03f, lon = -120.0f + (float)(n / 200) * 0.03f, h = 500, hdng = 0;
        char id[5], name[40];
        snprintf(id, sizeof id, "N%03d", n % 1000);
        snprintf(name, sizeof name, "Benchmark Navaid %d", n);
        fio_nav_line(&type, &lat, &lon, &h, &frq, &hdng, id, name, 0);
    }
    ouf << "99\n";
    if (!ouf_close()) return 0;

    if (!ouf_open(fix.c_str(), kind_text, 500)) return 0;
    for (int f = 0; f < world_fix_max - 1; f++) {
        char line[64];
        snprintf(line, sizeof line, "%10.6f %11.6f F%04d\n", 30.0 + (f % 300) * 0.02, -120.0 + (f / 300) * 0.02,
                 f % 10000);
        ouf << line;
    }
    ouf << "99\n";
    return ouf_close();
}

int main(int argc, char** argv)
{
    int loads = argc > 1 ? atoi(argv[1]) : 5;
    if (loads < 1) loads = 1;
    char tmpl[] = "/tmp/bench_world.XXXXXX";
    if (!mkdtemp(tmpl)) return 2;
    std::string root = std::string(tmpl) + "/";
    std::string folder = root + "additional nav data/";
    std::filesystem::create_directories(folder);
    snprintf(app_path, path_max, "%s", root.c_str());
    MACIBM_set_constants();
    initing = 0;
    ogl_ready = 0;

    int ok = write_files(folder);
    std::vector<double> ms;
    for (int k = 0; ok && k < loads; k++) {
        auto t0 = std::chrono::steady_clock::now();
        load_world_databases();
        auto t1 = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    if (ok) ok = apt_wrl_max == world_apt_max - 1 && rwy_wrl_max == world_rwy_max - 1 &&
                 nav_wrl_max == world_nav_max - 1 && fix_lat[world_fix_max - 1] == 99.0f;
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    if (!ok) {
        fprintf(stderr, "bench_world_load: the full-capacity files did not load whole\n");
        return 1;
    }
    std::sort(ms.begin(), ms.end());
    printf("world databases at full capacity (%d airports, %d runways, %d navaids, %d fixes):\n",
           apt_wrl_max + 1, rwy_wrl_max + 1, nav_wrl_max - world_nav_first + 1, world_fix_max - 1);
    printf("  load time over %d loads: best %.1f ms, median %.1f ms\n", loads, ms.front(), ms[ms.size() / 2]);
    return 0;
}
