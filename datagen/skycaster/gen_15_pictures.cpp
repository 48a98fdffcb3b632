// Writes into the program folder given as the one argument (ending in '/')
// Skycaster's screen picture "bitmaps/Skycaster/SKYCASTER.BMP": the captions
// and frames of the two airport pickers, the aircraft and altitude fields and
// the briefing's text area, drawn with the library's software drawing. It
// fills the main view below the menu bar, which the library draws.
#include "picture_labels.h"

static const int col_title = 34;

static const int picture_w = 800;
static const int picture_h = 583;     // the menu bar takes the rows above

// A picker's frame around the library's list: 13 rows 10 apart centred
// on y, the arrows and thumb at its right.
static void picker(float x, float y, const char* title)
{
    label(x, y + 82, title);
    well(x - 4, y - 68, x + 298, y + 76);
}

int main(int argc, char** argv)
{
    std::string folder;
    if (!program_folder_argument(argc, argv, "gen_15_pictures", &folder)) return 2;
    assign_window_colours();
    OGL_assigncolor(col_title, 0.11f, 0.22f, 0.55f);

    memset(rgb_array, 0, rgb_array_bytes);
    to_array = 1;
    OGL_fillrect(col_body, 0, 0, picture_w, picture_h);
    OGL_string(col_title, 70, 18, "SKYCASTER", 999, 10);
    label(170, 18, "the weather briefing for the flight you plan");

    picker(86, 481, "Departure airport");
    picker(416, 481, "Destination airport");

    label(77, 384, "Aircraft (click the box to choose a file)");
    well(97, 357, 500, 374);
    OGL_framerect(col_ink, 77, 356, 18, 18);
    label(530, 394, "Planned altitude (feet)");
    well(548, 369, 612, 386);

    label(79, 322, "Briefing");
    well(70, 40, 730, 315);
    to_array = 0;

    std::string path = folder + "bitmaps/Skycaster/SKYCASTER.BMP";
    if (!write_bmp(path.c_str(), rgb_array, picture_w, picture_h, 800)) {
        fprintf(stderr, "gen_15_pictures: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
