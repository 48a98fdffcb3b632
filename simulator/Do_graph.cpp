// The charts and what every map draws of the aircraft: its blinking symbol
// and the flown path.
#include "Do_graph.h"
#include "Fltutil.h"
#include "HL_GRAPH.h"
#include "records.h"

#include <cmath>

// ---- run state -----------------------------------------------------------------

struct map_run_state {
    int plane_blink;       // the symbol's colour: 8 or 9 by turns
    int path_blink;
    float pen_x, pen_y;    // where the path's last call ended
};
static map_run_state map_run;

void clear_map_run_state(void) { map_run = map_run_state(); }

// ---- the aircraft symbol ----------------------------------------------------------

void plane_line(int colour, float heading, float x, float y, float x1, float y1, float x2, float y2)
{
    float h = heading * con.degtorad, c = cosf(h), s = sinf(h);
    OGL_line(colour, x + x1 * c + y1 * s, y + y1 * c - x1 * s, x + x2 * c + y2 * s, y + y2 * c - x2 * s);
}

struct symbol_line {
    float x1, y1, x2, y2;
};
static const symbol_line fuselage_and_tail[5] = {
    {-1, 5, -1, -5}, {0, 6, 0, -7}, {1, 5, 1, -5}, {-4, -6, 4, -6}, {-3, -7, 3, -7}};
static const symbol_line wings[3] = {{-10, 1, 10, 1}, {-10, 0, 10, 0}, {-5, -1, 5, -1}};
static const symbol_line rotor[2] = {{-10, -10, 10, 10}, {-10, 10, 10, -10}};

void flashplane(float x, float y, float heading)
{
    map_run.plane_blink = !map_run.plane_blink;
    int colour = map_run.plane_blink ? 8 : 9;
    for (const symbol_line& l : fuselage_and_tail) plane_line(colour, heading, x, y, l.x1, l.y1, l.x2, l.y2);
    if (!pln[0].is_heli) {
        for (const symbol_line& l : wings) plane_line(colour, heading, x, y, l.x1, l.y1, l.x2, l.y2);
        return;
    }
    // Each rotor blade twice, the second a unit up and right, so it reads thick.
    for (const symbol_line& l : rotor)
        for (int k = 0; k < 2; k++)
            plane_line(colour, heading, x, y, l.x1 + k, l.y1 + k, l.x2 + k, l.y2 + k);
}

// ---- the flown path ---------------------------------------------------------------

static int on_screen(float x, float y) { return x >= 0 && x <= 800 && y >= 0 && y <= 600; }

void plot_path(int first, float x, float y, int sample, int blink)
{
    float x0 = map_run.pen_x, y0 = map_run.pen_y;
    map_run.pen_x = x;
    map_run.pen_y = y;
    if (first || sample < 0 || sample >= path_samples) return;
    int before = sample > 0 ? sample - 1 : path_samples - 1;
    if (pat.path_time[sample] <= 0.01f || pat.path_time[before] <= 0.01f) return;
    if (!on_screen(x0, y0) || !on_screen(x, y)) return;
    int colour = 29;
    if (blink) {
        map_run.path_blink = !map_run.path_blink;
        colour = map_run.path_blink ? 8 : 9;
    }
    OGL_line(colour, x0, y0, x, y);
    // The copy beside a steep segment, above a flat one.
    if (fabsf(y - y0) > fabsf(x - x0)) OGL_line(colour, x0 + 1, y0, x + 1, y);
    else OGL_line(colour, x0, y0 + 1, x, y + 1);
}

void manage_map(void) {}    // stands in until the chart windows come
