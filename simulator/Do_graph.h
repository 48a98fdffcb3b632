// The charts: the chart window (3, the kind of msc.chart_kind) and an
// airport diagram (24), drawn from the region, the world tables and the
// flown path. Owns the screen positions of the terrain vertices (plotx,
// ploty), filled at the start of every chart frame; the chart view itself
// lives in env (map_zoom, map_x, map_z, profile_shift).
#pragma once
#include "Genwrld.h"
#include "HL_BTN.h"

// msc.chart_kind: what the chart window shows (chart_diagram, the airport
// diagram of window 24, is in Menus.h).
const int chart_low_enroute = 401;
const int chart_sectional = 402;
const int chart_radar = 403;          // the weather radar map
const int chart_local_world = 404;    // the terrain textures of the scene
const int chart_green = 999;          // the low enroute terrain, every overlay in the readout green
// The kind drawn: msc.chart_kind, or the low enroute chart for a kind no
// menu item names.
int chart_drawn(void);
int on_diagram(void);    // the chart shown is an airport diagram (window 24)

// One line of a map symbol, in its own units.
struct symbol_line {
    float x1, y1, x2, y2;
};

// Each frame while window 3 or 24 is open: the placement fields, the zoom,
// pan and centre buttons (and on the diagram the profile's shift), then a
// click in the chart area places the aircraft there in flight at the
// fields' heading, altitude and speed and closes the window; without one the
// chart is drawn.
void manage_map(void);
void plot_map(void);

// ---- the chart's layout ------------------------------------------------------------

// The strip on the right: the three placement fields, x from the window's
// right edge (width - dx), y their digits' baseline.
const float chart_hdg_dx = 51, chart_hdg_y = 432;    // degrees, 3 digits
const float chart_alt_dx = 66, chart_alt_y = 370;    // feet, 6 digits
const float chart_gs_dx = 61, chart_gs_y = 308;      // knots, 5 digits
// The strip's buttons; the two profile shifts only on the diagram.
const int chart_zoom_in = 0;
const int chart_zoom_out = 1;
const int chart_pan_up = 2;
const int chart_pan_down = 3;
const int chart_pan_left = 4;
const int chart_pan_right = 5;
const int chart_centre = 6;           // on the aircraft
const int chart_shift_back = 7;       // the profile towards the runway end
const int chart_shift_on = 8;
const int chart_buttons = 9;
// Button `which` of a window `width` wide, window units (edges included).
win_box chart_button(int which, float width);

// The diagram's fixed frames: the map, the approach profile under it, and
// the airport drawn whole in a 102 x 129 box about (297, 100).
const win_box diagram_map_area = {7, 184, 354, 487};
const win_box diagram_profile_area = {7, 100, 239, 182};
const float diagram_fit_x = 297, diagram_fit_y = 100;
const float diagram_fit_w = 102, diagram_fit_h = 129;

// Where a click places the aircraft: the diagram's map, or the chart left
// of the strip (its right edge belongs to the strip's buttons).
win_box chart_area(void);

// ---- projection --------------------------------------------------------------------

// A local x or z (m) in window units of the open chart: the view's west
// edge at the left, its south edge at the bottom, at the chart's scale
// (con.mtrtonrt, or con.mtrtoplt on the diagram) times map_zoom; the
// diagram's map stands at (7, 184).
float pixelxfinder(float x);
float pixelyfinder(float z);
// Every terrain vertex's window position, by plot_map each frame.
extern float plotx[region_grid_x][region_grid_z];
extern float ploty[region_grid_x][region_grid_z];

// ---- what the charts draw -----------------------------------------------------------

// Airport a at (x, y): its runways as filled quads from their geometry
// slots when zoomed in (map_zoom above 3 on the charts, above 1 on the
// diagram) or with fit, which scales the whole airport into the 102 x 129
// box about (x, y); zoomed out, or with no runway in a slot, the airport
// symbol. Without fit its name follows.
void plot_apt(float x, float y, int a, int fit, int colour);
// Navaid n at (x, y) by its type: NDB, VOR (on the charts with its compass
// rose), a localizer's feather, a marker; NDBs, VORs and on the diagram
// localizers get their frequency box.
void plot_navaid(float x, float y, int n, int colour);
// Navaid n's frequency box, off its symbol at (x, y) towards direction
// (degrees clockwise from up): name and frequency in a 63 x 20 box.
void plot_freqbox(float x, float y, int n, int type, float direction, int colour);
// Kind 10: navaid index's name at (x, y); kind 9: the first two words of
// airport index's name, one a line, 9 and 18 below (x, y).
const int name_airport = 9;
const int name_navaid = 10;
void plot_name(float x, float y, int index, int kind, int colour);
// A small filled square at (x, y) with its letter in black.
void plot_icon(float x, float y, int colour, const char* text);

// ---- the aircraft symbol and the flown path, for every map ----------------------

// The aircraft's symbol at (x, y) window units, turned to heading (degrees,
// nose up at 0): fuselage and tail, then wings or, for a helicopter, its
// rotor. Its colour alternates 8 and 9 on every call, so that it blinks.
void flashplane(float x, float y, float heading);
// One line of the symbol: the ends (x1, y1), (x2, y2) in symbol units, turned
// by heading about (x, y).
void plane_line(int colour, float heading, float x, float y, float x1, float y1, float x2, float y2);
// One segment of the flown path, from the point of the last call to (x, y),
// the point of path sample `sample`. A first call only starts the line; no
// segment is drawn when this sample or the one before it (wrapping) is empty,
// or when either point is off the 800 x 600 screen. Colour 29, or with blink
// 8 and 9 by turns, one colour for a whole pass from its first call; drawn
// twice, the copy a unit aside, so it reads thick.
void plot_path(int first, float x, float y, int sample, int blink);
void clear_map_run_state(void);   // the symbol's and the path's blink and the path's pen
