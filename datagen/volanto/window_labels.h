// What the generators of the windows' pictures draw with: the
// colours of the simulator's table they use, labels in the small font, and
// the wells and arrows of the live controls, drawn into rgb_array with the
// library's own drawing (to_array set).
#pragma once
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Windows.h"
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

// Window id's size of grey, drawn over by draw, written as the window's
// picture into the program folder; 0, said on stderr, when it cannot be.
inline int write_window_picture(const std::string& folder, int id, void (*draw)(float dx, float dy))
{
    float dx, dy;
    window_size(id, &dx, &dy);
    memset(rgb_array, 0, sizeof rgb_array);
    OGL_fillrect(col_body, 0, 0, dx, dy);
    draw(dx, dy);
    std::string path = folder + "bitmaps/VolSim/" + window_background(id) + ".BMP";
    if (write_bmp(path.c_str(), rgb_array, (int)dx, (int)dy, 800)) return 1;
    fprintf(stderr, "cannot write %s\n", path.c_str());
    return 0;
}

// A generator's run: the program folder from its one argument, then each
// window's picture. 2 for a wrong call, 1 when a picture was not written.
struct window_picture {
    int id;
    void (*draw)(float dx, float dy);
};
inline int write_window_pictures(int argc, char** argv, const char* generator, const window_picture* pictures,
                                 int count)
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s PROGRAM_FOLDER/\n", generator);
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    assign_window_colours();
    to_array = 1;
    int ok = 1;
    for (int k = 0; k < count; k++) ok &= write_window_picture(folder, pictures[k].id, pictures[k].draw);
    return ok ? 0 : 1;
}
