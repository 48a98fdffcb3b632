// The charts' overlay symbols: airports with their runways, navaids with
// their frequency boxes, names and the lettered icons of platforms, rigs,
// ships and fires. Everything in window units of the open chart.
//   airports
//   navaids and their frequency boxes
//   names and icons
#include "Do_graph.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <cstring>

// The point `dist` units from (x, y) towards bearing (degrees clockwise from up).
static void toward(float x, float y, float bearing, float dist, float* px, float* py)
{
    *px = x + dist * sinf(bearing * con.degtorad);
    *py = y + dist * cosf(bearing * con.degtorad);
}

// ---- airports ------------------------------------------------------------------------

struct bounds {
    float x0, z0, x1, z1;
};

// The runways' outline corners that have a geometry slot; 0 when none has.
static int runway_bounds(int a, bounds* b)
{
    int any = 0;
    *b = {9.9e9f, 9.9e9f, -9.9e9f, -9.9e9f};
    // An airport without runway lines would read its neighbour's.
    if (!apt_has_runway(a)) return 0;
    for (int r = apt_lo_ind[a]; r <= apt_hi_ind[a]; r++) {
        int g = runway_slot(r);
        if (g < 0) continue;
        for (int c = 0; c < 4; c++) {
            const float* p = runway_corner(g, c);
            b->x0 = fltmin2(b->x0, p[0]), b->x1 = fltmax2(b->x1, p[0]);
            b->z0 = fltmin2(b->z0, p[2]), b->z1 = fltmax2(b->z1, p[2]);
        }
        any = 1;
    }
    return any;
}

static void airport_symbol(float x, float y, int colour)
{
    OGL_framecircle(colour, x, y, 2);
    OGL_framecircle(colour, x, y, 4);
    for (int k = 0; k < 4; k++) {
        float x1, y1, x2, y2;
        toward(x, y, 90.0f * (float)k, 4, &x1, &y1);
        toward(x, y, 90.0f * (float)k, 6, &x2, &y2);
        OGL_line(colour, x1, y1, x2, y2);
    }
}

// The runways at their place on the chart, or fitted whole into the box
// about (x, y), north up either way.
static void airport_runways(float x, float y, int a, int fit, const bounds& b, int colour)
{
    float scale = 0, cx = 0.5f * (b.x0 + b.x1), cz = 0.5f * (b.z0 + b.z1);
    if (fit) scale = fltmin2(diagram_fit_w / fltmax2(b.x1 - b.x0, 1), diagram_fit_h / fltmax2(b.z1 - b.z0, 1));
    for (int r = apt_lo_ind[a]; r <= apt_hi_ind[a]; r++) {
        int g = runway_slot(r);
        if (g < 0) continue;
        float px[4], py[4];
        for (int c = 0; c < 4; c++) {
            const float* p = runway_corner(g, c);
            px[c] = fit ? x + (p[0] - cx) * scale : pixelxfinder(p[0]);
            py[c] = fit ? y - (p[2] - cz) * scale : pixelyfinder(p[2]);
        }
        OGL_setcolor(colour);
        glBegin(GL_QUADS);
        for (int c = 0; c < 4; c++) glVertex2f(px[c] + mnw.x, py[c] + mnw.y);
        glEnd();
        // The outline keeps a runway narrower than a pixel on the chart.
        for (int c = 0; c < 4; c++) OGL_line(colour, px[c], py[c], px[(c + 1) % 4], py[(c + 1) % 4]);
    }
}

void plot_apt(float x, float y, int a, int fit, int colour)
{
    if (!airport_in_table(a)) return;
    int zoomed = fit || env.map_zoom > (on_diagram() ? 1.0f : 3.0f);
    bounds b;
    // Runways past the region loader's caps have no slot: without any the
    // airport is its symbol, never a box of nothing.
    if (zoomed && runway_bounds(a, &b)) airport_runways(x, y, a, fit, b, colour);
    else airport_symbol(x, y, colour);
    if (!fit) plot_name(x, y, a, name_airport, colour);
}

// ---- navaids and their frequency boxes ------------------------------------------------

static void ndb_symbol(float x, float y, int colour)
{
    OGL_framecircle(colour, x, y, 2);
    for (int k = 0; k < 12; k++) OGL_arc(colour, x, y, 9, 9, 30.0f * (float)k, 30.0f * (float)k + 12);
    for (int k = 0; k < 24; k++) OGL_arc(colour, x, y, 18, 18, 15.0f * (float)k, 15.0f * (float)k + 6);
}

// A hexagon in a square, the square's corners tied to it.
static const symbol_line vor_lines[14] = {
    {0, 6, 5.2f, 3},   {5.2f, 3, 5.2f, -3},  {5.2f, -3, 0, -6},  {0, -6, -5.2f, -3},  {-5.2f, -3, -5.2f, 3},
    {-5.2f, 3, 0, 6},  {-7, 7, 7, 7},        {7, 7, 7, -7},      {7, -7, -7, -7},     {-7, -7, -7, 7},
    {7, 7, 5.2f, 3},   {-7, 7, -5.2f, 3},    {-7, -7, -5.2f, -3}, {7, -7, 5.2f, -3},
};
// A lens across the course.
static const symbol_line marker_lines[6] = {
    {-8, 0, -4, 3}, {-4, 3, 4, 3}, {4, 3, 8, 0}, {8, 0, 4, -3}, {4, -3, -4, -3}, {-4, -3, -8, 0},
};

static void symbol(const symbol_line* lines, int count, float x, float y, float heading, int colour)
{
    for (int k = 0; k < count; k++)
        plane_line(colour, heading, x, y, lines[k].x1, lines[k].y1, lines[k].x2, lines[k].y2);
}

// The rose turned to magnetic north (variation west positive); a long
// tick every 90 degrees.
static void compass_rose(float x, float y, int colour)
{
    const float r = 30;
    OGL_framecircle(colour, x, y, r);
    for (int k = 0; k < 36; k++) {
        float b = 10.0f * (float)k - env.mag_var, x1, y1, x2, y2;
        toward(x, y, b, r, &x1, &y1);
        toward(x, y, b, k % 9 == 0 ? r - 8 : r - 3, &x2, &y2);
        OGL_line(colour, x1, y1, x2, y2);
    }
}

// The feather points back from the antenna along the approach.
static void localizer_feather(float x, float y, int n, int colour)
{
    float back = nav_hdng[n] + 180, tip = on_diagram() ? 110.0f : 25.0f, side = on_diagram() ? 120.0f : 30.0f;
    float tx, ty, lx, ly, rx, ry;
    toward(x, y, back, tip * env.map_zoom, &tx, &ty);
    toward(x, y, back - 4, side * env.map_zoom, &lx, &ly);
    toward(x, y, back + 4, side * env.map_zoom, &rx, &ry);
    OGL_line(colour, x, y, lx, ly);
    OGL_line(colour, lx, ly, tx, ty);
    OGL_line(colour, tx, ty, rx, ry);
    OGL_line(colour, rx, ry, x, y);
    OGL_line(colour, x, y, tx, ty);
}

// Boxes stand to the lower right of their symbol, a localizer's beside its course.
const float freqbox_direction = 100;

void plot_navaid(float x, float y, int n, int colour)
{
    if (!navaid_in_table(n)) return;
    int t = nav_type[n];
    switch (t) {
    case navaid_ndb:
        ndb_symbol(x, y, colour);
        plot_freqbox(x, y, n, t, freqbox_direction, colour);
        break;
    case navaid_vor:
        symbol(vor_lines, 14, x, y, 0, colour);
        if (!on_diagram()) compass_rose(x, y, colour);
        plot_freqbox(x, y, n, t, freqbox_direction, colour);
        break;
    case navaid_ils:
    case navaid_localizer:
        localizer_feather(x, y, n, colour);
        if (on_diagram()) plot_freqbox(x, y, n, t, nav_hdng[n] + 90, colour);
        break;
    case navaid_outer_marker:
    case navaid_middle_marker:
    case navaid_inner_marker: symbol(marker_lines, 6, x, y, nav_hdng[n], colour); break;
    default: break;
    }
}

// Whole kilohertz for an NDB; megahertz and hundredths, a line between, for the others.
static void frequency(float x, float y, int n, int type, int colour)
{
    int f = nav_frq[n];
    if (type == navaid_ndb) {
        OGL_number(colour, x, y, (float)f, f >= 1000 ? 4 : 3, 0, 6, 0);
        return;
    }
    OGL_number(colour, x, y, (float)(f / 100), 3, 0, 6, 0);
    OGL_line(colour, x + 19, y - 1, x + 19, y + 7);
    OGL_number(colour, x + 22, y, (float)(f % 100), 2, 0, 6, 0);
}

void plot_freqbox(float x, float y, int n, int type, float direction, int colour)
{
    if (!navaid_in_table(n)) return;
    float dist = on_diagram() ? 30.0f : type == navaid_ndb ? 20.0f : 40.0f, ax, ay;
    toward(x, y, direction, dist, &ax, &ay);
    if (on_diagram()) {
        float lx = x, ly = y;
        if (type != navaid_ils && type != navaid_localizer) toward(x, y, direction, 8, &lx, &ly);
        OGL_line(colour, lx, ly, ax, ay);
    }
    const float w = 63, h = 20, bx = ax - 13, by = ay - 10;
    // Filled where the chart's ground is light enough for the box's text.
    int filled = chart_drawn() == chart_low_enroute || on_diagram();
    if (filled) OGL_fillrect(6, bx, by, w, h);
    OGL_framerect(colour, bx, by, w, h);
    plot_name(bx + 2, by + 11, n, name_navaid, colour);
    frequency(bx + 2, by + 2, n, type, colour);
}

// ---- names and icons --------------------------------------------------------------------

// The first `count` words of text, split at blanks and hyphens.
static int first_words(const char* text, int size, char words[2][40])
{
    int count = 0, k = 0;
    while (count < 2) {
        while (k < size && (text[k] == ' ' || text[k] == '-')) k++;
        if (k >= size || !text[k]) break;
        int n = 0;
        while (k < size && text[k] && text[k] != ' ' && text[k] != '-' && n < 39) words[count][n++] = text[k++];
        words[count][n] = 0;
        count++;
    }
    return count;
}

// A box's width of characters.
const int navaid_name_max = 10;

void plot_name(float x, float y, int index, int kind, int colour)
{
    if (kind == name_navaid && navaid_in_table(index)) {
        char name[navaid_name_max + 1];
        snprintf(name, sizeof name, "%.*s", navaid_name_max, nav_name[index]);
        OGL_string(colour, x, y, name, 999, 6);
        return;
    }
    if (kind != name_airport || !airport_in_table(index)) return;
    char words[2][40];
    int count = first_words(apt_name[index], (int)sizeof apt_name[index], words);
    for (int k = 0; k < count; k++)
        OGL_string(colour, x - 3.0f * (float)strlen(words[k]), y - 9.0f * (float)(k + 1), words[k], 999, 6);
}

void plot_icon(float x, float y, int colour, const char* text)
{
    OGL_fillrect(colour, x - 4, y - 4, 9, 10);
    OGL_string(29, x - 2, y - 2, text, 999, 6);
}
