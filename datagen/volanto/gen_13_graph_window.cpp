// Writes into the program folder given as the one argument (ending in '/')
// the graph window's picture "out_grf" in "bitmaps/VolSim/", over the plain
// grey one gen_12_windows wrote: the four strips about their baselines, each
// a dark well with its zero line, its scale lines and a mark every second
// across the plot; the band of the time axis above them; the wells of the
// left-edge time's field and of the readout's time, with their labels. The
// places are the window manager's own (Graphnif.h); the live numbers, item
// labels and lines are drawn over them.
#include "Graphnif.h"
#include "HL_BTN.h"
#include "HL_GRAPH.h"
#include "Initgen.h"
#include "Windows.h"
#include "bmp_writer.h"

#include <cstdio>
#include <string>

static const int col_light = 6;       // text on the dark wells
static const int col_body = 12;       // the window body's grey (153)
static const int col_dark = 22;       // bevels' dark edges, the strips' marks
static const int col_well = 26;       // under the lines and the live numbers
static const int col_ink = 29;        // labels on the body

static void assign_colours(void)
{
    OGL_assigncolor(col_light, 0.8f, 0.8f, 0.8f);
    OGL_assigncolor(col_body, 0.6f, 0.6f, 0.6f);
    OGL_assigncolor(col_dark, 0.2f, 0.2f, 0.2f);
    OGL_assigncolor(col_well, 0.1f, 0.1f, 0.1f);
    OGL_assigncolor(col_ink, 0, 0, 0);
}

// A dark well sunk into the body, (x1, y1) to (x2, y2).
static void well(float x1, float y1, float x2, float y2)
{
    OGL_fillrect(col_well, x1, y1, x2 - x1, y2 - y1);
    MACIBM_button(x1 - 1, y1 - 1, x2, y2, 0);
}

// A small filled triangle pointing up or down with its tip at (cx, tip_y).
static void arrow(float cx, float tip_y, int up)
{
    for (int r = 0; r < 3; r++) {
        float y = up ? tip_y - (float)r : tip_y + (float)r;
        OGL_line(col_ink, cx - (float)r, y, cx + (float)r, y);
    }
}

static const float plot_right = graph_plot_x + graph_plot_width;

// One slot's strip: the well holds the labels and readout on the left, the
// scale's numbers and the plot; the scale's lines 40 units either side of
// the baseline, and a mark each second.
static void strip(int slot)
{
    float y = graph_baseline(slot);
    well(8, y - graph_strip_half - 2, plot_right + 10, y + graph_strip_half + 2);
    OGL_line(col_dark, graph_plot_x, y, plot_right, y);
    for (float x = graph_plot_x; x <= plot_right; x += 4) {
        OGL_line(col_dark, x, y + graph_strip_half, x + 1, y + graph_strip_half);
        OGL_line(col_dark, x, y - graph_strip_half, x + 1, y - graph_strip_half);
    }
    for (int s = 0; s <= 10; s++) {
        float x = graph_plot_x + graph_units_per_s * (float)s;
        OGL_line(col_dark, x, y - 3, x, y + 3);
        OGL_line(col_dark, x, y - graph_strip_half, x, y - graph_strip_half + 3);
        OGL_line(col_dark, x, y + graph_strip_half - 3, x, y + graph_strip_half);
    }
}

static void draw_graph_window(void)
{
    for (int g = 0; g < graph_slots; g++) strip(g);

    // The time axis: the left edge's time and the nine seconds after it.
    well(graph_plot_x - 8, graph_axis_y - 3, plot_right + 10, graph_axis_y + 10);
    OGL_string(col_light, 570, graph_axis_y, "SEC", 999, 6);
    OGL_string(col_ink, 14, graph_axis_y, "TIME", 999, 6);

    // The left edge's time, two places stepped by the arrows above and below.
    float fx = graph_left_time_x, fy = graph_left_time_y;
    well(fx, fy - 4, fx + 22, fy + 11);
    for (int k = 0; k < 2; k++) {
        float cx = fx + 5 + 10.0f * (float)k;
        arrow(cx, fy + 17, 1);
        arrow(cx, fy - 9, 0);
    }
    OGL_string(col_ink, 14, fy, "LEFT EDGE AT", 999, 6);
    OGL_string(col_ink, fx + 28, fy, "SEC", 999, 6);

    // The time under the mouse.
    float rx = graph_readout_x, ry = graph_readout_y;
    well(rx - 3, ry - 4, rx + 28, ry + 11);
    OGL_string(col_ink, rx - 90, ry, "AT THE MOUSE", 999, 6);
    OGL_string(col_ink, rx + 34, ry, "SEC", 999, 6);
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_13_graph_window PROGRAM_FOLDER/\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    assign_colours();
    to_array = 1;
    float dx, dy;
    window_size(win_graph, &dx, &dy);
    OGL_fillrect(col_body, 0, 0, dx, dy);
    draw_graph_window();
    std::string path = folder + "bitmaps/VolSim/" + window_background(win_graph) + ".BMP";
    if (write_bmp(path.c_str(), rgb_array, (int)dx, (int)dy, 800)) return 0;
    fprintf(stderr, "gen_13_graph_window: cannot write %s\n", path.c_str());
    return 1;
}
