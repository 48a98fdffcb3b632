// Airwright's body design screens: the fuselage, the nacelles, the tanks or
// floats and the wheel fairings, both sets' the same, each its fields and
// the section editor over one body part.
//
//   run state        the section editor's pick
//   section editor   the grids: drag, end toggles, copy strip, station fields,
//                    holds and mirroring, drawing
//   screens          one per body kind
//
// An end station is CLOSED when all its points 0 .. n/2 lie on the centre
// line (X 0): the state is read from the station itself, so a design from a
// file shows what it holds and nothing else keeps it.
#include "UPDATA.h"
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"

#include <cmath>

// ---- run state -------------------------------------------------------------------

// The point a drag holds while the button is down, and the point last picked
// in each station, which that station's offset field edits; all of one body
// part, so another screen starts afresh.
struct section_pick_state {
    int part;
    int held;                          // 1 while a drag begun in a grid goes on
    int station, point;                // the held point
    int picked[plane_stations];        // last picked point + 1; 0 none yet
};
static section_pick_state section_pick;

void clear_section_pick_state(void) { section_pick = section_pick_state{}; }

// ---- section editor ------------------------------------------------------------------

const int col_section = 16;        // dark blue: reads on the window grey
const int col_picked = 8;

const float grid_pitch = 66;       // from one station's grid to the next
const float grid_left = 10;        // station 0's frame
const float grid_width = 63;
const float grid_below = 64;       // the frame from y0 - 64 to y0 + 60
const float grid_above = 60;
const float grid_span = 61;        // units across the grid for body_r
const float radius_min = 0.1f;     // the radius field's lower limit

// The body part a screen edits, its shape and the base line of its grids.
struct body_layout {
    int part, stations, points;
    float y0;
};

static body_layout layout_of(int part, float y0) { return {part, f_body_s_dim(part, 0), f_body_r_dim(part), y0}; }

static float frame_x(int i) { return grid_pitch * (float)i + grid_left; }
// A section's X 0, Y 0: a unit right of the frame's left edge, 2 below the base line.
static float origin_x(int i) { return frame_x(i) + 1; }
static float origin_y(const body_layout& L) { return L.y0 - 2; }

// The radius the grids use, held to its field's range: 0 from a file would
// make the scale infinite, an infinite one would make it 0.
const float radius_max = 99;
static float taken_radius(int part)
{
    float r = pln[0].body_r[part];
    if (!(r >= radius_min)) return radius_min;
    return r > radius_max ? radius_max : r;
}

static int station_closed(const body_layout& L, int i)
{
    for (int k = 0; k <= L.points / 2; k++)
        if (pln[0].body_X[L.part][i][k] != 0) return 0;
    return 1;
}

// Points 0 .. n/2 on the centre line, or all at one height.
static void close_station(const body_layout& L, int i, float y)
{
    planestruct& a = pln[0];
    for (int k = 0; k <= L.points / 2; k++) {
        a.body_X[L.part][i][k] = 0;
        a.body_Y[L.part][i][k] = y;
    }
}

// An opened end starts round, a quarter of the grid across, at its height.
static void open_station(const body_layout& L, int i)
{
    planestruct& a = pln[0];
    int half = L.points / 2;
    float centre = ret_y_center(L.part, i, half + 1), r = 0.25f * taken_radius(L.part);
    for (int k = 0; k <= half; k++) {
        float q = con.pi * (float)k / (float)half;
        a.body_X[L.part][i][k] = r * sinf(q);
        a.body_Y[L.part][i][k] = centre + r * cosf(q);
    }
}

// The point of 0 .. n/2 of station i nearest to (mx, my) on the grid.
static int nearest_point(const body_layout& L, int i, float scale)
{
    const planestruct& a = pln[0];
    int best = 0;
    float best_d = 0;
    for (int k = 0; k <= L.points / 2; k++) {
        float dx = origin_x(i) + a.body_X[L.part][i][k] * scale - mnw.mx;
        float dy = origin_y(L) + a.body_Y[L.part][i][k] * scale - mnw.my;
        float d = dx * dx + dy * dy;
        if (k == 0 || d < best_d) best = k, best_d = d;
    }
    return best;
}

// A press inside the row of grids picks a point, which follows the mouse
// until the button is let go. 1 in a frame that moved one.
static int drag_section(const body_layout& L, float scale)
{
    section_pick_state& p = section_pick;
    planestruct& a = pln[0];
    if (!mnw.now_dragging) {
        p.held = 0;
        return 0;
    }
    if (!p.held) {
        int last = L.stations - 1;
        if (!mnw.mouse_clicked || !fltbox(mnw.mx, mnw.my, frame_x(0), L.y0 - grid_below, frame_x(last) + grid_width,
                                          L.y0 + grid_above))
            return 0;
        p.held = 1;
        p.station = intlim(intround((mnw.mx - frame_x(0) - 0.5f * grid_width) / grid_pitch), 0, last);
        p.point = nearest_point(L, p.station, scale);
    }
    int i = p.station, half = L.points / 2;
    float X = (mnw.mx - origin_x(i)) / scale, Y = (mnw.my - origin_y(L)) / scale;
    int end = i == 0 || i == L.stations - 1;
    if (end && station_closed(L, i)) {
        close_station(L, i, Y);
    } else {
        a.body_X[L.part][i][p.point] = X;
        a.body_Y[L.part][i][p.point] = Y;
        float& top = a.body_Y[L.part][i][0];
        float& bottom = a.body_Y[L.part][i][half];
        if (top < bottom) {
            float t = top;
            top = bottom;
            bottom = t;
            // The held point goes with its height.
            if (p.point == 0) p.point = half;
            else if (p.point == half) p.point = 0;
        }
    }
    p.picked[i] = p.point + 1;
    return 1;
}

// The first and the last station's OPEN / CLOSED choice.
static int end_toggles(const body_layout& L)
{
    int changed = 0;
    int ends[2] = {0, L.stations - 1};
    for (int i : ends) {
        int closed = station_closed(L, i), was = closed;
        in2textbtn(frame_x(i), L.y0 + end_toggle_rise, " OPEN ", "CLOSED", end_toggle_width, &closed);
        if (closed == was) continue;
        if (closed) close_station(L, i, ret_y_center(L.part, i, L.points / 2 + 1));
        else open_station(L, i);
        changed = 1;
    }
    return changed;
}

// A click in the strip under the grids copies the station under the mouse
// onto its right or left neighbour; only inner stations take part, and each
// keeps its own place along the body.
static int copy_strip(const body_layout& L)
{
    if (!mnw.mouse_clicked || !fltrange(mnw.my, L.y0 - 80, L.y0 - 65)) return 0;
    int inner = L.stations - 2;
    // The station whose grid the mouse is under: rounding would take the
    // right part of a grid for the next station's.
    int from = intlim((int)floorf((mnw.mx - grid_left) / grid_pitch), 1, inner);
    int to = intlim(mnw.mx > grid_pitch * (float)from + 40 ? from + 1 : from - 1, 1, inner);
    planestruct& a = pln[0];
    for (int k = 0; k < L.points; k++) {
        a.body_X[L.part][to][k] = a.body_X[L.part][from][k];
        a.body_Y[L.part][to][k] = a.body_Y[L.part][from][k];
    }
    return 1;
}

static const char* const main_station_help =
    "This is the MAIN STATION of this section... all points directly below will be at this station unless you "
    "offset them with the similar buttons below.";
static const char* const offset_help =
    "This is the OFFSET of THIS POINT from the MAIN STATION... it is the offset from the main station selected "
    "above.";

// Before any pick a station's offset field edits its widest point.
static int offset_point(const body_layout& L, int i)
{
    return section_pick.picked[i] ? section_pick.picked[i] - 1 : L.points / 4;
}

// Each station's main Z, which carries its points' offsets along, and the
// offset of its picked point. Stored back only when clicked.
static int station_fields(const body_layout& L)
{
    planestruct& a = pln[0];
    int changed = 0;
    for (int i = 0; i < L.stations; i++) {
        float* z = a.body_Z[L.part][i];
        float x = grid_pitch * (float)i + 23;
        float main_z = z[0];
        if (instdbtn(col_value, x, L.y0 + 82, &main_z, 4, 1, 1, main_station_help)) {
            float d = main_z - z[0];
            for (int k = 0; k < L.points; k++) z[k] += d;
            changed = 1;
        }
        int k = offset_point(L, i);
        float offset = z[k] - z[0];
        // Point 0 is the main station itself: its offset stays 0.
        if (instdbtn(col_value, x, L.y0 - 110, &offset, 4, 1, 1, offset_help) && k != 0) {
            z[k] = z[0] + offset;
            changed = 1;
        }
    }
    return changed;
}

// Every point within the grid, the top and bottom on the centre line, and
// the left half the mirror of the right.
static void hold_and_mirror(const body_layout& L)
{
    planestruct& a = pln[0];
    float r = taken_radius(L.part);
    int n = L.points, half = n / 2;
    for (int i = 0; i < L.stations; i++) {
        float* X = a.body_X[L.part][i];
        float* Y = a.body_Y[L.part][i];
        float* Z = a.body_Z[L.part][i];
        for (int k = 0; k <= half; k++) {
            X[k] = fltlim(X[k], 0, r);
            Y[k] = fltlim(Y[k], -r, r);
        }
        X[0] = X[half] = 0;
        for (int k = 1; k < half; k++) {
            X[n - k] = -X[k];
            Y[n - k] = Y[k];
            Z[n - k] = Z[k];
        }
    }
}

// The right half of each section inside its frame, the picked point boxed.
static void draw_sections(const body_layout& L, float scale)
{
    const planestruct& a = pln[0];
    for (int i = 0; i < L.stations; i++) {
        float sx[plane_points / 2 + 1], sy[plane_points / 2 + 1];
        // A point past the radius, as a file may hold, is drawn at the frame.
        for (int k = 0; k <= L.points / 2; k++) {
            sx[k] = fltlim(origin_x(i) + a.body_X[L.part][i][k] * scale, frame_x(i), frame_x(i) + grid_width);
            sy[k] = fltlim(origin_y(L) + a.body_Y[L.part][i][k] * scale, L.y0 - grid_below, L.y0 + grid_above);
        }
        for (int k = 0; k < L.points / 2; k++) OGL_line(col_section, sx[k], sy[k], sx[k + 1], sy[k + 1]);
        if (section_pick.picked[i]) {
            int k = section_pick.picked[i] - 1;
            OGL_framerect(col_picked, sx[k] - 2, sy[k] - 2, 4, 4);
        }
    }
}

static const char* const radius_help =
    "This is simply the width in feet of the grids below, which you should set to be just big enough to draw all "
    "the cross-sections of the aircraft.";

// The radius field at (rx, ry) and the grids of part with their base line at
// y0. The holds and the mirroring change the design only in a frame in
// which the user edited it here, so opening a screen leaves a body as loaded.
static void section_editor(int part, float y0, float rx, float ry)
{
    if (section_pick.part != part) {
        clear_section_pick_state();
        section_pick.part = part;
    }
    body_layout L = layout_of(part, y0);
    if (L.stations < 3 || L.points < 4) return;
    planestruct& a = pln[0];
    // The shell repeats the click while the button stays down: during a
    // drag those repeats are the drag's, not the fields' it passes over.
    int clicked = mnw.mouse_clicked;
    if (section_pick.held && mnw.now_dragging) mnw.mouse_clicked = 0;
    float r = taken_radius(part);
    int changed = 0;
    if (instdbtn_range(col_value, rx, ry, &r, 3, 1, radius_min, radius_max, radius_help)) {
        a.body_r[part] = r;
        changed = 1;
    }
    float scale = grid_span / taken_radius(part);
    mnw.mouse_clicked = clicked;
    changed |= drag_section(L, scale);
    if (section_pick.held) mnw.mouse_clicked = 0;
    changed |= end_toggles(L);
    changed |= copy_strip(L);
    changed |= station_fields(L);
    mnw.mouse_clicked = clicked;
    if (changed) hold_and_mirror(L);
    draw_sections(L, scale);
}

// ---- screens -------------------------------------------------------------------------

const char* const misc_body = "fuel tank, float, or other external body";

void screen_fuselage(void)
{
    planestruct& a = pln[0];
    in2textbtn(532, 338, " no", "yes", yes_no_width, &a.fusewash);
    instdbtn_range(col_value, 156, 291, &a.fuse_cd, 4, 3, 0, 9.999f,
                   "This is the coefficient of drag for the fuselage, which will give the total drag for the "
                   "fuselage when multiplied by the fuselage frontal area, air density squared, airspeed squared, "
                   "and then divided by 2.");
    section_editor(part_fuselage, 138, 256, 338);
}

void screen_nacelles(void)
{
    in2textbtn(222, 374, " no", "yes", yes_no_width, &pln[0].nace_eq);
    section_editor(part_nacelle_first, 174, 167, 327);
}

void screen_misc(void)
{
    planestruct& a = pln[0];
    in2textbtn(222, 505, " no", "yes", yes_no_width, &a.misc_eq);
    instdbtn(col_value, 129, 118, &a.misc_Z, 4, 1, 1, z_name(misc_body));
    instdbtn(col_value, 129, 73, &a.misc_X, 4, 1, 0, x_name(misc_body));
    instdbtn(col_value, 129, 28, &a.misc_Y, 4, 1, 1, y_name(misc_body));
    section_editor(part_misc_first, 305, 167, 458);
}

void screen_fairings(void)
{
    in2textbtn(222, 374, " no", "yes", yes_no_width, &pln[0].fair_eq);
    section_editor(part_fairing_first, 174, 167, 327);
}
