// The real-weather lookup: the report of the station nearest to a position,
// from "WORLD.RWX" and the simulator's airport tables. Built into the
// programs that hold the world tables and the region's airport marks.
#include "HL_FUNCT.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "host.h"
#include "records.h"

#include <cstdio>
#include <cstring>
#include <string>

// A station takes its position from its airport's first runway; an airport
// without one has none.
static int station_runway(int a) { return apt_has_runway(a) ? apt_lo_ind[a] : -1; }

int get_wxr_str(char* report, float* elevation, float lat, float lon)
{
    float best = 9999.0f;
    int found = 0;
    int last = intmin2(apt_wrl_max, world_apt_max - 1);
    const int eof = std::char_traits<char>::eof();
    for (int c = 0; c != eof;) {
        // One line: four characters of id, a separator, then the report, of
        // which 398 characters are kept. CR ends a line as LF does, so a
        // CR LF file gives an empty line after each record; lines too short
        // for an id and separator are skipped, blank ones among them.
        char id[5] = {0, 0, 0, 0, 0};
        char text[line_max];
        int len = 0, kept = 0;
        while ((c = inf1.get()) != eof && c != '\n' && c != '\r') {
            if (len < 4) id[len] = (char)c;
            else if (len > 4 && kept < line_max - 2) text[kept++] = (char)c;
            len++;
        }
        text[kept] = 0;
        if (len < 5) continue;
        for (int a = 0; a <= last; a++) {
            if (!apt_inreg[a] || strncmp(apt_id[a], id, 4) != 0) continue;
            int r = station_runway(a);
            if (r < 0) continue;
            float d = pythag(lat - rwy_lat[r], lon - rwy_lon[r]);
            if (d < best) {
                memcpy(report, text, (size_t)kept + 1);
                *elevation = apt_h[a];
                best = d;
                found = 1;
            }
        }
    }
    return found;
}

// The program folder's "WORLD.RWX" as the host finds it, into found (path_max).
static int wxr_file(char* found)
{
    char path[path_max];
    return snprintf(path, sizeof path, "%sWORLD.RWX", app_path) < (int)sizeof path &&
           host_resolve_path(path, found, path_max);
}

int wxr_file_present(void)
{
    char found[path_max];
    return wxr_file(found);
}

int nearest_wxr_report(char* report, float* elevation, float lat, float lon)
{
    char found[path_max];
    if (!wxr_file(found)) return -1;
    inf1.close();
    inf1.clear();
    inf1.open(found);
    int got = inf1.is_open() ? get_wxr_str(report, elevation, lat, lon) : -1;
    inf1.close();
    inf1.clear();
    return got;
}
