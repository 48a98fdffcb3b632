// The controls the settings windows and the cockpit panel share.
//
// Sections: radio steppers, lever travel, slider, failure row, data-output
// rows, oblique projection.
#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Initgen.h"
#include "Windows.h"

#include <GL/gl.h>
#include <cstdlib>

// ---- radio steppers ----------------------------------------------------------

static int direction(int step) { return step < 1 ? -1 : 1; }

// One band of MHz, the fraction its own wheel.
static void step_frequency(int* freq, int step, int mhz_lo, int mhz_hi)
{
    int mhz = *freq / 100, fraction = *freq - 100 * mhz;
    if (fraction < 0) fraction += 100, mhz--;
    int size = abs(step);
    if (size == 10) mhz += direction(step);
    else if (size == 5) fraction += 5 * direction(step);
    else return;
    *freq = 100 * intwrap_all(mhz, mhz_lo, mhz_hi) + intwrap_all(fraction, 0, 99);
}

void NAVinc(int* freq, int step) { step_frequency(freq, step, 108, 117); }
void COMinc(int* freq, int step) { step_frequency(freq, step, 118, 136); }

void ADFinc(int* freq, int step)
{
    int f = abs(*freq);
    int digit[3] = {(f / 100) % 10, (f / 10) % 10, f % 10};
    int size = abs(step), k = size == 100 ? 0 : size == 10 ? 1 : size == 1 ? 2 : -1;
    if (k < 0) return;
    digit[k] = intwrap_all(digit[k] + direction(step), 0, 9);
    *freq = 100 * digit[0] + 10 * digit[1] + digit[2];
}

void XPNinc(int* digit, int step)
{
    int d = *digit + step;
    if (d >= 8) d = 0;
    else if (d < 0) d = 7;
    *digit = d;
}

// ---- lever travel --------------------------------------------------------------

float util_get_handle(int kind, float pos)
{
    float a, b;
    if (kind == lever_flaps) a = 73, b = 127;
    else if (kind == lever_sweep) a = 73, b = 112;
    else if (kind == lever_vector) a = 73, b = 126;
    else if (intrange(kind, lever_throttle1, lever_throttle1 + 3) || kind == lever_carb_heat) a = 4, b = 52;
    else if (intrange(kind, lever_prop1, lever_mixture1 + 3)) a = 4, b = 39;
    else return 0;
    return fltlim(interp(a, 0, b, 1, pos), 0, 1);
}

// ---- slider --------------------------------------------------------------------

struct slider_kind {
    float length;
    int fill_colour;      // kinds 0 to 4; kind 5 fills by the value's sign
    float thickness;      // across the bar
    int pointer;          // a pointer below the bar at the value
};

static const slider_kind slider_kinds[6] = {
    {54, 48, 20, 0},      // 0 vertical
    {156, 51, 11, 1},     // 1
    {156, 50, 8, 0},      // 2
    {156, 44, 8, 0},      // 3
    {156, 43, 8, 0},      // 4
    {78, 0, 11, 1},       // 5 centred: L either side of x
};

// The pointer's body, a triangle standing on its point at (px, y - 4). Raw
// vertices take the drawing origin here; into the software picture it is
// filled row by row as the rectangles are.
static void fill_pointer(float px, float y)
{
    OGL_setcolor(50);
    float ox = mnw.x, oy = mnw.y;
    if (!to_array) {
        glBegin(GL_TRIANGLES);
        glVertex2f(px - 4 + ox, y - 12 + oy);
        glVertex2f(px + ox, y - 4 + oy);
        glVertex2f(px + 4 + ox, y - 12 + oy);
        glEnd();
        return;
    }
    int row0 = intround(y - 12 + oy);
    for (int r = 0; r <= 8; r++) {
        float half = 0.5f * (float)(8 - r);
        for (int c = intround(px + ox - half); c <= intround(px + ox + half); c++) BUF_point(c, row0 + r);
    }
}

int util_scale(float x, float y, int kind, float lo, float hi, float* value)
{
    if (lo < hi && hi < lo + 0.01f) hi = lo + 0.01f;
    if (lo >= hi && lo < hi + 0.01f) lo = hi + 0.01f;
    float low = fltmin2(lo, hi), high = fltmax2(lo, hi);
    if (!intrange(kind, 0, 5)) {
        *value = fltlim(*value, low, high);
        return 0;
    }
    const slider_kind& k = slider_kinds[kind];
    float L = k.length;

    int took = 0;
    if (mnw.now_dragging) {
        float mx = mnw.mx, my = mnw.my;
        if (kind == 0 && fltbox(mx, my, x, y - 10, x + 20, y + L + 10)) {
            *value = interp(y, lo, y + L, hi, my);
            took = 1;
        } else if (kind == 1 && fltbox(mx, my, x - 10, y - 15, x + L + 10, y + 11)) {
            *value = interp(x, lo, x + L, hi, mx);
            took = 1;
        } else if (intrange(kind, 2, 4) && fltbox(mx, my, x - 10, y, x + L + 10, y + 8)) {
            *value = interp(x, lo, x + L, hi, mx);
            took = 1;
        } else if (kind == 5 && fltbox(mx, my, x - L - 10, y - 15, x + L + 10, y + 11)) {
            *value = interp(x - L, lo, x + L, hi, mx);
            took = 1;
        }
    }
    *value = fltlim(*value, low, high);

    float f;
    if (kind == 5) {
        f = *value * L;
        if (*value >= 0) OGL_fillrect(51, x, y, f, k.thickness);
        if (*value <= 0) OGL_fillrect(45, x + f, y, -f, k.thickness);
    } else {
        f = interp(lo, 0, hi, L, *value);
        if (kind == 0) OGL_fillrect(k.fill_colour, x, y, k.thickness, f);
        else OGL_fillrect(k.fill_colour, x, y, f, k.thickness);
    }
    if (k.pointer) {
        fill_pointer(x + f, y);
        OGL_line(47, x + f - 4, y - 12, x + f, y - 4);
        OGL_line(53, x + f + 4, y - 12, x + f - 4, y - 12);
    }
    return took;
}

// ---- failure row -----------------------------------------------------------------

void util_setfailsit(int slot, int first_slot, float x, float y, int randomize, float rate)
{
    if (!intrange(slot, 0, fail_slots - 1)) return;
    if (randomize) {
        // The mean time falls as the rate rises: 50 hours at 0.25, 5 at 1.
        float m = interp(0.25f, 50, 1.0f, 5, rate);
        rel.fail_time[slot] = fltlim(fltrand(m, 2 * m), 0, 99);
        rel.fail_mode[slot] = rate < 0.01f ? fail_random : fail_mtbf;
    }
    float yr = y - 39.0f * (float)(slot - first_slot);
    in5textbtn(x + 151, yr, "    always working  ", "  mean time to fail>", " exact time to fail>",
               "fail if SPACE or JOY", "     inoperative    ", 54, &rel.fail_mode[slot]);
    instdbtn(48, x + 282, yr, &rel.fail_time[slot], 4, 2, 0,
             "This is the mean time between failures of this piece of equipment.");
}

// ---- data-output rows --------------------------------------------------------------

int util_yval(int row)
{
    // Each group of rows and how far it sits from its row number: a column
    // starts again at slot 0, a blank slot follows each group but the last.
    static const struct {
        int first, last, shift;
    } groups[] = {
        {0, 2, 0},     {3, 4, 1},     {5, 7, 2},     {8, 14, 3},   {15, 19, 4},
        {20, 24, -20}, {25, 27, -19}, {28, 36, -18}, {37, 38, -17}, {39, 39, -16},
        {40, 41, -40}, {42, 47, -39}, {48, 49, -38},
    };
    int slot = row;
    for (const auto& g : groups)
        if (intrange(row, g.first, g.last)) slot = row + g.shift;
    return 354 - 15 * slot;
}

// ---- oblique projection ------------------------------------------------------------

void util_isomize(const float xyz[3], float* sx, float* sy, float scale)
{
    float d = env.reg_south_z - xyz[2];
    *sx = (0.3f * d + (xyz[0] - env.reg_west_x)) * scale;
    *sy = (0.7f * d + xyz[1]) * scale;
}
