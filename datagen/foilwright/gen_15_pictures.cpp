// Writes into the program folder given as the one argument (ending in '/')
// Foilwright's two screen pictures in "bitmaps/FoilWrt/", 800 x 600 each:
// "AFL" for an airfoil and "FLP" for a flap. Each holds the menu bar as the
// shell draws it, a caption over every field the program draws (clear of the
// field's click areas, x to x + 10 places, y - 14 to y + 20), the group
// headings, the readout's labels, and the plot's frame, grid, scales and
// legend. Drawn with the library's own software drawing into rgb_array.
//
// Sections: colours, drawing, airfoil, flap, main.
#include "HL_MNW.h"
#include "Init.h"
#include "picture_labels.h"

// ---- colours -----------------------------------------------------------------

// The curves' colours as the program draws them; with the shell's greys of
// the menu bar (assign_window_colours), which the picture must meet exactly.
const int col_lift = 1;
const int col_drag = 2;
const int col_moment = 3;
// The picture's own.
const int col_heading = 59;
const int col_caption = 60;
const int col_grid = 61;
const int col_frame = 62;
const int col_lift_dim = 63;
const int col_drag_dim = 64;
const int col_moment_dim = 65;

static void assign_picture_colours(void)
{
    OGL_assigncolor(col_lift, 0.2f, 1, 0.2f);
    OGL_assigncolor(col_drag, 1, 0.2f, 0.2f);
    OGL_assigncolor(col_moment, 1, 1, 0.2f);
    assign_window_colours();
    OGL_assigncolor(col_heading, 0.85f, 0.85f, 0.95f);
    OGL_assigncolor(col_caption, 0.6f, 0.6f, 0.6f);
    OGL_assigncolor(col_grid, 0.16f, 0.16f, 0.2f);
    OGL_assigncolor(col_frame, 0.55f, 0.55f, 0.6f);
    OGL_assigncolor(col_lift_dim, 0.15f, 0.65f, 0.15f);
    OGL_assigncolor(col_drag_dim, 0.7f, 0.2f, 0.2f);
    OGL_assigncolor(col_moment_dim, 0.7f, 0.7f, 0.15f);
}

// ---- drawing -----------------------------------------------------------------

static void text(int colour, float x, float y, const char* t) { OGL_string(colour, x, y, t, 999, 6); }

static void text_centred(int colour, float cx, float y, const char* t)
{
    text(colour, (float)intround(cx - text_width(t) / 2), y, t);
}

// A caption sits just above its field's click areas.
struct caption {
    float x, y;                    // the field's anchor
    const char* text;
};

static void captions(const caption* c, int n)
{
    for (int k = 0; k < n; k++) text(col_caption, c[k].x, c[k].y + 22, c[k].text);
}

// A group's heading above the captions of its first row, with a rule after it.
static void heading(float row_y, const char* t)
{
    float y = row_y + 32;
    text(col_heading, 9, y, t);
    OGL_line(col_grid, 9 + text_width(t) + 6, y + 3, 240, y + 3);
}

// The readout's labels, left of the numbers the program draws from x 33.
static void readout_labels(const char* position)
{
    text(col_caption, 4, 545, position);
    text(col_lift_dim, 4, 530, "cl");
    text(col_drag_dim, 4, 515, "cd");
    text(col_moment_dim, 4, 500, "cm");
}

// The plot box's scales on the right: one column per curve, the values at
// 100 units from the zero line; above them the legend of the curves' colours.
struct scale_column {
    int colour, label_colour;
    const char* name;
    const char* symbol;
    const char* values[5];         // at y 540, 440, 340, 240, 140
};

static void plot_frame(const scale_column* columns, const char* const below[5], const char* const polar[5],
                       const char* axis, const char* polar_axis)
{
    const float x1 = plot_x, x2 = plot_x + plot_last_column, y1 = plot_y_low, y2 = plot_y_high;
    for (int k = 1; k < 4; k++) {
        float x = x1 + 100 * (float)k, y = y1 + 100 * (float)k;
        OGL_line(col_grid, x, y1 + 1, x, y2 - 1);
        OGL_line(col_grid, x1 + 1, y, x2 - 1, y);
    }
    OGL_framerect(col_frame, x1 - 1, y1 - 1, x2 - x1 + 3, y2 - y1 + 3);
    for (int k = 0; k < 5; k++) {
        float x = x1 + 100 * (float)k;
        OGL_line(col_frame, x, y1 - 5, x, y1 - 2);
        text_centred(col_light, x, y1 - 15, below[k]);
        text_centred(col_caption, x, y1 - 27, polar[k]);
    }
    text_centred(col_light, (x1 + x2) / 2, y1 - 41, axis);
    text_centred(col_caption, (x1 + x2) / 2, y1 - 53, polar_axis);

    static const float column_x[3] = {658, 694, 734};
    for (int c = 0; c < 3; c++) {
        const scale_column& s = columns[c];
        float x = column_x[c];
        OGL_line(s.colour, x, 570, x + 12, 570);
        OGL_line(s.colour, x, 571, x + 12, 571);
        text(s.colour, x, 558, s.name);
        text(s.label_colour, x, 546, s.symbol);
        for (int k = 0; k < 5; k++) text(s.label_colour, x, y2 - 100 * (float)k - 3, s.values[k]);
    }
    for (int k = 0; k < 5; k++) OGL_line(col_frame, x2 + 2, y2 - 100 * (float)k, x2 + 5, y2 - 100 * (float)k);
}

// The view area, then the bar with the menu titles as the shell draws it.
static void start_picture(void)
{
    memset(rgb_array, 0, sizeof rgb_array);
    MACIBM_main_view_frame();
}

// ---- airfoil -----------------------------------------------------------------

static void draw_airfoil(void)
{
    start_picture();
    static const caption fields[] = {
        {112, 518, "Re (M)"},                                                  // beside Re at 152, 540
        {9, 454, "intercept"}, {70, 454, "slope"}, {131, 454, "power"}, {192, 454, "max lift"},
        {9, 401, "lift drop"}, {70, 401, "post pwr"}, {131, 401, "late drop"},
        {9, 348, "min drag"}, {70, 348, "at lift"}, {131, 348, "drag @10"}, {192, 348, "power"},
        {9, 295, "lift"}, {70, 295, "width"}, {131, 295, "depth"}, {192, 295, "power"},
        {12, 242, "alpha 1"}, {70, 242, "alpha 2"}, {131, 242, "alpha 3"}, {195, 242, "alpha 4"},
        {9, 189, "cm 1"}, {70, 189, "cm 2"}, {131, 189, "cm 3"}, {192, 189, "cm 4"},
        {70, 136, "neg stall"}, {131, 136, "pos stall"},
    };
    captions(fields, (int)(sizeof fields / sizeof fields[0]));
    text(col_caption, 222, 502, "t/c");                                        // right of the thickness
    heading(454, "LIFT");
    heading(348, "DRAG");
    heading(295, "LOW-DRAG BUCKET");
    heading(242, "MOMENT");
    heading(136, "STALL ANGLES");
    readout_labels("AoA");

    static const scale_column columns[3] = {
        {col_lift, col_lift_dim, "lift", "cl", {"2.0", "1.0", "0", "-1.0", "-2.0"}},
        {col_drag, col_drag_dim, "drag", "cd", {".02", ".01", "0", "-.01", "-.02"}},
        {col_moment, col_moment_dim, "moment", "cm", {"1.0", "0.5", "0", "-0.5", "-1.0"}},
    };
    static const char* const below[5] = {"-20", "-10", "0", "10", "20"};
    static const char* const polar[5] = {"-1.6", "-0.8", "0", "0.8", "1.6"};
    plot_frame(columns, below, polar, "alpha, degrees", "cl, in the Cd Cm VS. Cl view");
}

// ---- flap --------------------------------------------------------------------

static void draw_flap(void)
{
    start_picture();
    static const caption fields[] = {
        {9, 454, "linear"}, {70, 454, "squared"}, {131, 454, "cubed"},
        {9, 401, "linear"}, {70, 401, "squared"}, {131, 401, "cubed"},
        {9, 348, "linear"}, {70, 348, "squared"}, {131, 348, "cubed"},
    };
    captions(fields, (int)(sizeof fields / sizeof fields[0]));
    heading(454, "LIFT");
    heading(401, "DRAG");
    heading(348, "MOMENT");
    OGL_string(col_caption, 9, 300,
               "Each increment is linear x d + squared x d^2 + cubed x d^3, where d is the deflection: "
               "0 retracted, 1 full.",
               232, 6);
    readout_labels("def");

    static const scale_column columns[3] = {
        {col_lift, col_lift_dim, "lift", "cl", {"2.0", "1.0", "0", "-1.0", "-2.0"}},
        {col_drag, col_drag_dim, "drag", "cd", {".20", ".10", "0", "-.10", "-.20"}},
        {col_moment, col_moment_dim, "moment", "cm", {"1.0", "0.5", "0", "-0.5", "-1.0"}},
    };
    static const char* const below[5] = {"0", "1/4", "1/2", "3/4", "full"};
    static const char* const polar[5] = {"0", "0.5", "1.0", "1.5", "2.0"};
    plot_frame(columns, below, polar, "deflection, retracted to full", "cl, in the Cd Cm VS. Cl view");
}

// ---- main --------------------------------------------------------------------

int main(int argc, char** argv)
{
    std::string folder;
    if (!program_folder_argument(argc, argv, "gen_15_pictures", &folder)) return 2;
    assign_picture_colours();
    APPLICATION_setupmenus();          // the bar's titles
    to_array = 1;
    static const struct {
        const char* name;
        void (*draw)(void);
    } pictures[] = {{"AFL", draw_airfoil}, {"FLP", draw_flap}};
    int ok = 1;
    for (const auto& p : pictures) {
        p.draw();
        std::string path = folder + "bitmaps/FoilWrt/" + p.name + ".BMP";
        if (!write_bmp(path.c_str(), rgb_array, 800, 600, 800)) {
            fprintf(stderr, "gen_15_pictures: cannot write %s\n", path.c_str());
            ok = 0;
        }
    }
    return ok ? 0 : 1;
}
