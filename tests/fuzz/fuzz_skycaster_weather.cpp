// Skycaster's two weather files as its start-up reads them: the input is the
// simulator's preferences, a NUL byte, then "WORLD.RWX" (an input without
// the NUL is the preferences alone). Both are read over a small airport
// table, one airport of it without runways, and the briefing is then built
// from what they gave.
#include "fuzz_support.h"
#include "test_support.h"
#include "Brief.h"
#include "HL_FILE.h"
#include "HL_MNW.h"

#include <cstring>
#include <string>

static std::string prefs_file, reports_file;

struct airport {
    const char* id;
    const char* name;
    float h, lat, lon;
    int runway;
};

static const airport airports[] = {
    {"KSBD", "San Bernardino International", 1159, 34.095f, -117.235f, 1},
    {"KREI", "Redlands Municipal", 1571, 34.085f, -117.146f, 1},
    {"KRIV", "March Air Reserve Base", 1535, 33.881f, -117.259f, 0},
    {"L35", "Big Bear City", 6752, 34.264f, -116.856f, 1},
};
static const int airport_count = (int)(sizeof airports / sizeof airports[0]);

static void lay_out_airports(void)
{
    int r = 0;
    for (int a = 0; a < airport_count; a++) {
        const airport& p = airports[a];
        snprintf(apt_id[a], sizeof apt_id[a], "%s", p.id);
        snprintf(apt_name[a], sizeof apt_name[a], "%s", p.name);
        apt_h[a] = p.h;
        apt_lo_ind[a] = r;
        apt_hi_ind[a] = p.runway ? r : r - 1;
        if (!p.runway) continue;
        rwy_lat[r] = p.lat;
        rwy_lon[r] = p.lon;
        r++;
    }
    apt_wrl_max = airport_count - 1;
    rwy_wrl_max = r - 1;
}

void fuzz_setup(void)
{
    prefs_file = std::string(test_scratch_folder()) + "Volanto 5.prf";
    reports_file = std::string(test_scratch_folder()) + "WORLD.RWX";
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    reset_suite_state();
    lay_out_airports();
    const uint8_t* split = (const uint8_t*)memchr(data, 0, size);
    size_t prefs_size = split ? (size_t)(split - data) : size;
    fuzz_write(prefs_file.c_str(), data, prefs_size);
    if (split) fuzz_write(reports_file.c_str(), split + 1, size - prefs_size - 1);
    else remove(reports_file.c_str());

    // A fatal alert leaves the stream as the reader had it.
    if (!survives([] { read_briefing_prefs(prefs_file.c_str()); })) {
        inf1.close();
        inf1.clear();
    }
    survives([] { read_reports(reports_file.c_str()); });
    bri.cruise_kts = 110;
    bri.etd_zulu = 1210;
    build_briefing(1, 2, 3, 4, 5, 6, 7, 8);
    return 0;
}
