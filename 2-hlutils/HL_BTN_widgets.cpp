// The immediate-mode widgets of the settings windows and editors.
//
// Sections: run state and help line, boxes, choice fields, character field,
// digit wheel, name list, the editors' widgets.
#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"

#include <cmath>
#include <cstdio>
#include <cstring>

// ---- run state and help line -----------------------------------------------

// Survives between frames for the whole run: the thumb follows the mouse
// even when a fast drag leaves the track for a frame. One for all lists.
struct widget_run_state {
    int thumb_dragged = 0;
};
static widget_run_state widget_run;

void clear_widget_run_state(void) { widget_run = widget_run_state(); }

static int clicked_in(float x1, float y1, float x2, float y2)
{
    return mnw.mouse_clicked && fltbox(mnw.mx, mnw.my, x1, y1, x2, y2);
}

// The frame loop shows the line once the mouse has rested on the widget.
static void help_line(float x, float y, const char* help)
{
    if (!help || !help[0]) return;
    mnw.help_x1 = x;
    mnw.help_y2 = y;
    snprintf(mnw.help_message, sizeof mnw.help_message, "%s", help);
}

// ---- boxes -------------------------------------------------------------------

void block(float x, float y, int on)
{
    int first = on ? 47 : 51, second = on ? 50 : 52, third = on ? 51 : 53;
    OGL_line(first, x, y, x + 7, y);
    OGL_line(first, x, y + 1, x + 6, y + 1);
    OGL_line(first, x, y + 2, x, y + 7);
    OGL_line(first, x + 1, y + 2, x + 1, y + 6);
    OGL_fillrect(second, x + 2, y + 2, 5, 5);
    OGL_line(third, x + 7, y + 1, x + 7, y + 8);
    OGL_line(third, x + 8, y, x + 8, y + 8);
    OGL_line(third, x + 1, y + 7, x + 6, y + 7);
    OGL_line(third, x, y + 8, x + 6, y + 8);
}

// A held button's repeated clicks do not toggle it again: a box that
// flickered while held would land wherever the button was let go.
int inboolbtn(float x, float y, int* value, const char* help)
{
    int hit = !mnw.delay_dragging && clicked_in(x - 2, y - 2, x + 9, y + 9);
    if (hit) *value = *value == 0 ? 1 : 0;
    block(x, y, *value);
    if (fltbox(mnw.mx, mnw.my, x - 2, y - 2, x + 9, y + 9)) help_line(x, y - 20, help);
    return hit;
}

int inonebool(float x, float y, int* value, int mine)
{
    int hit = clicked_in(x, y, x + 10, y + 10);
    if (hit) *value = mine;
    block(x, y, *value == mine);
    return hit;
}

// ---- choice fields -----------------------------------------------------------

// texts[0] shows choice first; the choice runs first..first + n - 1.
static int text_choice(float x, float y, const char* const* texts, int n, int first, float width, int* choice)
{
    int lo = first, hi = first + n - 1;
    // A value from a damaged file ends at the same end of the range whether
    // or not it is brought into this band first; the band keeps the step
    // below from overflowing.
    int v = intlim(*choice, lo - 2 * n, hi + 2 * n);
    int down = clicked_in(x + width, y - 17, x + width + 15, y + 3);
    int up = clicked_in(x + width, y + 3, x + width + 15, y + 23);
    v += up - down;
    // One wrap is the stepping; the hold keeps the text lookup inside the texts.
    *choice = intlim(intwrap(v, lo, hi), lo, hi);
    OGL_string(48, x, y, texts[*choice - first], 999, 6);
    return down || up;
}

int in5textbtn(float x, float y, const char* t1, const char* t2, const char* t3, const char* t4,
               const char* t5, float width, int* choice)
{
    const char* texts[5] = {t1, t2, t3, t4, t5};
    return text_choice(x, y, texts, 5, 1, width, choice);
}

int in4textbtn(float x, float y, const char* t1, const char* t2, const char* t3, const char* t4, float width,
               int* choice)
{
    const char* texts[4] = {t1, t2, t3, t4};
    return text_choice(x, y, texts, 4, 1, width, choice);
}

int in3textbtn(float x, float y, const char* t1, const char* t2, const char* t3, float width, int* choice)
{
    const char* texts[3] = {t1, t2, t3};
    return text_choice(x, y, texts, 3, 1, width, choice);
}

// 0 and 1: it edits on/off variables.
int in2textbtn(float x, float y, const char* t1, const char* t2, float width, int* choice)
{
    const char* texts[2] = {t1, t2};
    return text_choice(x, y, texts, 2, 0, width, choice);
}

// ---- character field ---------------------------------------------------------

// n characters in columns of 10; the end is written after the last.
static int char_field(int colour, float x, float y, char* code, int n)
{
    int codes[6], hit = 0;
    for (int k = 0; k < n; k++) {
        codes[k] = char_to_code(code[k]);
        if (!clicked_in(x + 10 * k, y - 14, x + 10 * k + 10, y + 20)) continue;
        codes[k] = intlim(codes[k] + (mnw.my >= y + 3 ? -1 : 1), 0, 36);
        hit = 1;
    }
    for (int k = 0; k < n; k++) code[k] = code_to_char(codes[k]);
    code[n] = 0;
    OGL_string(colour, x + 3, y, code, 999, 10);
    return hit;
}

int in4charbtn(int colour, float x, float y, char* code) { return char_field(colour, x, y, code, 4); }

// ---- digit wheel -------------------------------------------------------------

// 10^n by repeated multiplication: exact for the places a wheel has.
static float power_of_ten(int n)
{
    float p = 1;
    for (int k = 0; k < n; k++) p *= 10;
    for (int k = 0; k > n; k--) p /= 10;
    return p;
}

int instdbtn_range(int colour, float x, float y, float* value, int digits, int decimals, float lo, float hi,
                   const char* help)
{
    int hit = 0;
    if (mnw.mouse_clicked && fltrange(mnw.my, y - 14, y + 20)) {
        float step = power_of_ten(digits - 1) / power_of_ten(decimals);
        for (int k = 0; k < digits && k < 8; k++, step *= 0.1f) {
            if (!fltrange(mnw.mx, x + 10 * k, x + 10 * k + 10)) continue;
            *value += mnw.my < y + 3 ? -step : step;
            hit = 1;
        }
    }
    if (*value < lo) *value = lo;
    if (*value > hi) *value = hi;
    OGL_number(colour, x + 3, y, *value, digits, decimals, 10, lo < 0);
    if (fltbox(mnw.mx, mnw.my, x, y - 14, x + 10 * (digits + 1), y + 20)) help_line(x, y - 20, help);
    return hit;
}

int instdbtn(int colour, float x, float y, float* value, int digits, int decimals, int allow_negative,
             const char* help)
{
    // The largest number the places show: all nines.
    static const float nines[8] = {9, 9.9f, 9.99f, 9.999f, 9.9999f, 9.99999f, 9.999999f, 9.9999999f};
    float hi = power_of_ten(digits - 1) / power_of_ten(decimals) * nines[intlim(digits, 1, 8) - 1];
    // Eight places' 9999999.9 rounds up to 1e7, which would need a ninth
    // place and show as zeros: the largest float below it stands in.
    float next_place = power_of_ten(digits - decimals);
    if (hi >= next_place) hi = nextafterf(next_place, 0);
    float lo = allow_negative ? -hi : 0;
    return instdbtn_range(colour, x, y, value, digits, decimals, lo, hi, help);
}

// ---- name list ---------------------------------------------------------------

void plot_name_list(float x, float y, const char names[][40], const char ids[][5], int* index, int lo, int hi)
{
    int& dragged = widget_run.thumb_dragged;
    int i = *index;
    int repeat = mnw.mouse_clicked || mnw.delay_dragging;
    if (!dragged && repeat && fltbox(mnw.mx, mnw.my, x + 278, y + 57, x + 295, y + 71)) i--;
    if (!dragged && repeat && fltbox(mnw.mx, mnw.my, x + 278, y - 64, x + 295, y - 50)) i++;
    // The clicked row becomes the middle one.
    if (clicked_in(x, y - 64, x + 270, y + 71)) i = intround((float)i - (mnw.my - y - 7) * 0.1f);
    if ((mnw.now_dragging || dragged) && fltbox(mnw.mx, mnw.my, x + 278, y - 49, x + 295, y + 56)) {
        dragged = 1;
        i = intround(interp(y + 50, (float)lo, y - 43, (float)hi, mnw.my));
    }
    if (!mnw.now_dragging) dragged = 0;
    // An empty list has no entry to point at: the caller's index stays.
    if (hi >= lo) *index = i = intlim(i, lo, hi);

    // The thumb's track runs from lo at y + 50 down to hi at y - 43; a list
    // of one entry or none has no travel and keeps the thumb at the top.
    float ty = (hi > lo ? interp((float)lo, y + 50, (float)hi, y - 43, (float)i) : y + 50) - 7;
    float tx = x + 280;
    OGL_fillrect(49, tx, ty, 14, 14);
    OGL_line(47, tx, ty, tx, ty + 13);
    OGL_line(47, tx, ty + 13, tx + 13, ty + 13);
    OGL_line(47, tx + 1, ty + 1, tx + 1, ty + 12);
    OGL_line(47, tx + 1, ty + 12, tx + 12, ty + 12);
    OGL_line(51, tx + 13, ty + 13, tx + 13, ty);
    OGL_line(51, tx + 13, ty, tx, ty);
    OGL_line(51, tx + 12, ty + 12, tx + 12, ty + 1);
    OGL_line(51, tx + 12, ty + 1, tx + 1, ty + 1);

    for (int k = -6; k <= 6; k++) {
        int e = i + k;
        if (e < lo || e > hi) continue;
        // A name or id that fills its field has no end of its own.
        char name[41], id[6];
        memcpy(name, names[e], 40);
        name[40] = 0;
        memcpy(id, ids[e], 5);
        id[5] = 0;
        OGL_string(48, x + 8, y - 10 * k, name, 228, 6);
        OGL_string(48, x + 239, y - 10 * k, id, 999, 6);
    }
    OGL_framerect(47, x + 4, y - 2, 261, 10);
}

#ifndef PROG_VOLANTO
// ---- the editors' widgets ------------------------------------------------------

int instringbtn(float x, float y, char* name, char* path, int kind, const char* help)
{
    int hit = clicked_in(x - 20, y - 7, x, y + 13);
    if (hit) MACIBM_opensave(win_open, kind, name, path);
    OGL_string(48, x, y, name, 999, 6);
    if (fltbox(mnw.mx, mnw.my, x - 20, y - 7, x, y + 13)) help_line(x, y - 20, help);
    return hit;
}

void inintbtn(float x, float y, int* flag, const char* help)
{
    if (clicked_in(x - 2, y - 2, x + 9, y + 9)) *flag = *flag == 0 ? 1 : 0;
    block(x, y, *flag == 1);
    if (fltbox(mnw.mx, mnw.my, x - 2, y - 2, x + 9, y + 9)) help_line(x, y - 20, help);
}

int in6textbtn(float x, float y, const char* t1, const char* t2, const char* t3, const char* t4,
               const char* t5, const char* t6, float width, int* choice)
{
    const char* texts[6] = {t1, t2, t3, t4, t5, t6};
    return text_choice(x, y, texts, 6, 1, width, choice);
}

int in6charbtn(int colour, float x, float y, char* code) { return char_field(colour, x, y, code, 6); }
#endif
