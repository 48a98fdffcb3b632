// What the generators of the screens' and windows' pictures draw with: the
// greys of the colour table, labels in the small font, the wells and arrows
// of the live controls, drawn into rgb_array with the library's own drawing
// (to_array set); and the program folder every generator is given.
#pragma once
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "bmp_writer.h"

#include <cstdio>
#include <cstring>
#include <string>

const int col_light = 6;       // bevels' light edges, text on dark wells
const int col_body = 12;       // the window body's grey (153)
const int col_shade = 18;
const int col_dark = 22;       // bevels' dark edges, frames
const int col_well = 26;       // under the live numbers, names and bars
const int col_ink = 29;        // labels

inline void assign_window_colours(void)
{
    OGL_assigncolor(col_light, 0.8f, 0.8f, 0.8f);
    OGL_assigncolor(col_body, 0.6f, 0.6f, 0.6f);
    OGL_assigncolor(col_shade, 0.4f, 0.4f, 0.4f);
    OGL_assigncolor(col_dark, 0.2f, 0.2f, 0.2f);
    OGL_assigncolor(col_well, 0.1f, 0.1f, 0.1f);
    OGL_assigncolor(col_ink, 0, 0, 0);
}

inline float text_width(const char* text) { return 6.0f * (float)strlen(text) - 1; }

inline void label(float x, float y, const char* text) { OGL_string(col_ink, x, y, text, 999, 6); }

inline void label_centred(float cx, float y, const char* text)
{
    OGL_string(col_ink, (float)intround(cx - text_width(text) / 2), y, text, 999, 6);
}

inline void paragraph(float x, float y, float width, const char* text) { OGL_string(col_ink, x, y, text, width, 6); }

// A filled triangle pointing up or down with its tip at (cx, tip_y), rows
// high: small at 3, the choice fields' larger one at 4.
inline void arrow(float cx, float tip_y, int up, int rows = 3)
{
    for (int r = 0; r < rows; r++) {
        float y = up ? tip_y - (float)r : tip_y + (float)r;
        OGL_line(col_ink, cx - (float)r, y, cx + (float)r, y);
    }
}

// A dark well sunk into the body, (x1, y1) to (x2, y2).
inline void well(float x1, float y1, float x2, float y2, int colour = col_well)
{
    OGL_fillrect(colour, x1, y1, x2 - x1, y2 - y1);
    MACIBM_button(x1 - 1, y1 - 1, x2, y2, 0);
}

// A digit wheel's or character field's well at its anchor: places of 10
// units from x + 3, the sign's place left of them, and an arrow above and
// below each place where a click steps it.
inline void wheel_field(float x, float y, int places, int sign)
{
    well(x - (sign ? 5.0f : 0.0f), y - 4, x + 10.0f * (float)places + 2, y + 11);
    for (int k = 0; k < places; k++) {
        float cx = x + 5 + 10.0f * (float)k;
        arrow(cx, y + 17, 1);
        arrow(cx, y - 9, 0);
    }
}

// The program folder, the generator's one argument, ending in '/'; 0 after
// the usage line on stderr when it was not given.
inline int program_folder_argument(int argc, char** argv, const char* generator, std::string* folder)
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s PROGRAM_FOLDER/\n", generator);
        return 0;
    }
    *folder = argv[1];
    if (!folder->empty() && folder->back() != '/') *folder += '/';
    return 1;
}
