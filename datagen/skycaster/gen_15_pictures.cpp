// Writes into the program folder given as the one argument (ending in '/')
// Skycaster's screen picture "bitmaps/Skycaster/SKYCASTER.BMP": the captions
// and frames of the two airport pickers, the aircraft and altitude fields and
// the briefing's text area, drawn with the library's software drawing. It
// fills the main view below the menu bar, which the library draws.
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "bmp_writer.h"

#include <cstdio>
#include <cstring>
#include <string>

static const int col_light = 6;
static const int col_body = 12;
static const int col_dark = 22;
static const int col_well = 26;
static const int col_ink = 29;
static const int col_title = 34;

static const int picture_w = 800;
static const int picture_h = 583;     // the menu bar takes the rows above

static void caption(float x, float y, const char* text) { OGL_string(col_ink, x, y, text, 999, 6); }

// A sunken dark well, (x1, y1) to (x2, y2).
static void well(float x1, float y1, float x2, float y2)
{
    OGL_fillrect(col_well, x1, y1, x2 - x1, y2 - y1);
    OGL_line(col_dark, x1 - 1, y1 - 1, x1 - 1, y2);
    OGL_line(col_dark, x1 - 1, y2, x2, y2);
    OGL_line(col_light, x1 - 1, y1 - 1, x2, y1 - 1);
    OGL_line(col_light, x2, y1 - 1, x2, y2);
}

// A picker's frame around the library's list: 13 rows 10 apart centred
// on y, the arrows and thumb at its right.
static void picker(float x, float y, const char* title)
{
    caption(x, y + 82, title);
    well(x - 4, y - 68, x + 298, y + 76);
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_15_pictures PROGRAM_FOLDER/\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    OGL_assigncolor(col_light, 0.8f, 0.8f, 0.8f);
    OGL_assigncolor(col_body, 0.6f, 0.6f, 0.6f);
    OGL_assigncolor(col_dark, 0.2f, 0.2f, 0.2f);
    OGL_assigncolor(col_well, 0.1f, 0.1f, 0.1f);
    OGL_assigncolor(col_ink, 0, 0, 0);
    OGL_assigncolor(col_title, 0.11f, 0.22f, 0.55f);

    memset(rgb_array, 0, rgb_array_bytes);
    to_array = 1;
    OGL_fillrect(col_body, 0, 0, picture_w, picture_h);
    OGL_string(col_title, 70, 18, "SKYCASTER", 999, 10);
    caption(170, 18, "the weather briefing for the flight you plan");

    picker(86, 481, "Departure airport");
    picker(416, 481, "Destination airport");

    caption(77, 384, "Aircraft (click the box to choose a file)");
    well(97, 357, 500, 374);
    OGL_framerect(col_ink, 77, 356, 18, 18);
    caption(530, 394, "Planned altitude (feet)");
    well(548, 369, 612, 386);

    caption(79, 322, "Briefing");
    well(70, 40, 730, 315);
    to_array = 0;

    std::string path = folder + "bitmaps/Skycaster/SKYCASTER.BMP";
    if (!write_bmp(path.c_str(), rgb_array, picture_w, picture_h, 800)) {
        fprintf(stderr, "gen_15_pictures: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
