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
#include "window_labels.h"

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

static void draw_graph_window(float, float)
{
    for (int g = 0; g < graph_slots; g++) strip(g);

    // The time axis: the left edge's time and the nine seconds after it.
    well(graph_plot_x - 8, graph_axis_y - 3, plot_right + 10, graph_axis_y + 10);
    OGL_string(col_light, 570, graph_axis_y, "SEC", 999, 6);
    label(14, graph_axis_y, "TIME");

    // The left edge's time, two places stepped by the arrows above and below.
    float fx = graph_left_time_x, fy = graph_left_time_y;
    wheel_field(fx, fy, 2, 0);
    label(14, fy, "LEFT EDGE AT");
    label(fx + 28, fy, "SEC");

    // The time under the mouse.
    float rx = graph_readout_x, ry = graph_readout_y;
    well(rx - 3, ry - 4, rx + 28, ry + 11);
    label(rx - 90, ry, "AT THE MOUSE");
    label(rx + 34, ry, "SEC");
}

int main(int argc, char** argv)
{
    static const window_picture pictures[] = {{win_graph, draw_graph_window}};
    return write_window_pictures(argc, argv, "gen_13_graph_window", pictures, 1);
}
