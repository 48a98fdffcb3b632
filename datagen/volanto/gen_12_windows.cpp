// Writes into the program folder given as the one argument (ending in '/')
// the settings windows' background pictures in "bitmaps/VolSim/", each its
// window's size: the window body's grey for now, which the windows' own
// labels and controls are drawn over. The enroute chart's picture is its
// control strip alone, pasted at the chart's right edge.
#include "HL_MNW.h"
#include "Windows.h"
#include "bmp_writer.h"

#include <cstdio>
#include <string>
#include <vector>

// The window body's colour.
static const unsigned char body_grey = 153;

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_12_windows PROGRAM_FOLDER/\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    int ok = 1;
    for (int id = win_airport_id; id <= win_credits; id++) {
        const char* name = window_background(id);
        if (!name) continue;
        float dx, dy;
        window_size(id, &dx, &dy);
        int w = (int)dx, h = (int)dy;
        std::vector<unsigned char> rgb((size_t)w * h * 3, body_grey);
        std::string path = folder + "bitmaps/VolSim/" + name + ".BMP";
        if (!write_bmp(path.c_str(), rgb.data(), w, h, w)) {
            fprintf(stderr, "gen_12_windows: cannot write %s\n", path.c_str());
            ok = 0;
        }
    }
    return ok ? 0 : 1;
}
