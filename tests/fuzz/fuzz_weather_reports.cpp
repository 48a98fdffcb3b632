// The real-weather file as the once-a-second weather step reads it: the
// input is "WORLD.RWX", opened on inf1, searched by get_wxr_str from the
// position of each airport of a small region of shipped stations, and the
// report found decoded by decode_wxr. The input's first line also goes to the
// decoder whole, past the lookup's 398 characters, as other callers may hand it.
#include "fuzz_support.h"
#include "test_support.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"

#include <cstring>
#include <string>

static std::string file_path;

struct station {
    const char* id;
    float lat, lon, h;
    int inreg, runway;
};

// Ids as "apt.dat" holds them; KONT lies outside the region, KRIV has no runway.
static const station stations[] = {
    {"KSBD", 34.095f, -117.235f, 353, 1, 1}, {"KLAX", 33.942f, -118.408f, 39, 1, 1},
    {"L35 ", 34.264f, -116.856f, 2058, 1, 1}, {"KPSP", 33.830f, -116.507f, 145, 1, 1},
    {"KSAN", 32.734f, -117.190f, 5, 1, 1},    {"KONT", 34.056f, -117.601f, 288, 0, 1},
    {"KRIV", 33.881f, -117.259f, 468, 1, 0},
};
static const int station_count = (int)(sizeof stations / sizeof stations[0]);

void fuzz_setup(void)
{
    reset_suite_state();
    MACIBM_set_constants();
    file_path = std::string(test_scratch_folder()) + "WORLD.RWX";
    int r = 0;
    for (int a = 0; a < station_count; a++) {
        const station& s = stations[a];
        memcpy(apt_id[a], s.id, 5);
        apt_h[a] = s.h;
        apt_inreg[a] = s.inreg;
        apt_lo_ind[a] = r;
        apt_hi_ind[a] = s.runway ? r : r - 1;
        if (!s.runway) continue;
        rwy_lat[r] = s.lat;
        rwy_lon[r] = s.lon;
        r++;
    }
    apt_wrl_max = station_count - 1;
    rwy_wrl_max = r - 1;
}

static void decode(const char* report, float elevation)
{
    float time = 0, base = 0, top = 0, visibility = 0, temperature = 0, dew_point = 0;
    float wind_dir = 0, wind_speed = 0, gust = 0, barometer = 0;
    int cover = 0, kind = 0, strength = 0;
    decode_wxr(report, elevation, &time, &cover, &base, &top, &visibility, &kind, &strength, &temperature,
               &dew_point, &wind_dir, &wind_speed, &gust, &barometer);
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_write(file_path.c_str(), data, size);
    for (const station& s : stations) {
        inf1.close();
        inf1.clear();
        inf1.open(file_path);
        char report[line_max];
        float elevation = 0;
        if (get_wxr_str(report, &elevation, s.lat, s.lon)) decode(report, elevation);
        inf1.close();
        inf1.clear();
    }
    std::string first((const char*)data, size);
    first = first.substr(0, first.find_first_of(std::string("\r\n\0", 3)));
    decode(first.c_str(), 0);
    return 0;
}
