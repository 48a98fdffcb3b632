// The charts and what every map draws of the aircraft: the chart window and
// the airport diagram (their controls, the placing click, the terrain in
// each chart's colouring and the overlays), the aircraft's blinking symbol
// and the flown path. The overlays' symbols are in Do_graph_symbols.cpp.
//   run state
//   the chart's layout and projection
//   manage_map
//   plot_map: terrain, overlays, the approach profile
//   the aircraft symbol
//   the flown path
#include "Do_graph.h"
#include "Funct.h"
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Windows.h"
#include "records.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>

float plotx[region_grid_x][region_grid_z];
float ploty[region_grid_x][region_grid_z];

// ---- run state -----------------------------------------------------------------

struct map_run_state {
    int plane_blink;       // the symbol's colour: 8 or 9 by turns
    int path_blink;
    float pen_x, pen_y;    // where the path's last call ended
};
static map_run_state map_run;

void clear_map_run_state(void) { map_run = map_run_state(); }

// ---- the chart's layout and projection ------------------------------------------

int on_diagram(void) { return msc.chart_kind == chart_diagram; }

int chart_drawn(void)
{
    int k = msc.chart_kind;
    return intrange(k, chart_low_enroute, chart_local_world) || k == chart_diagram || k == chart_green
               ? k
               : chart_low_enroute;
}

// Boxes by their distance from the window's right edge.
struct strip_box {
    float dx1, dx2, y1, y2;
};
static const strip_box strip_boxes[chart_buttons] = {
    {71, 0, 210, 230},     // zoom in
    {71, 0, 190, 210},     // zoom out
    {44, 24, 164, 184},    // pan up
    {44, 24, 128, 148},    // pan down
    {62, 42, 146, 166},    // pan left
    {26, 6, 146, 166},     // pan right
    {71, 0, 79, 124},      // centre on the aircraft
    {71, 35, 14, 34},      // profile shift back
    {35, 0, 14, 34},       // profile shift on
};

win_box chart_button(int which, float width)
{
    const strip_box& b = strip_boxes[intlim(which, 0, chart_buttons - 1)];
    return {width - b.dx1, b.y1, width - b.dx2, b.y2};
}

win_box chart_area(void)
{
    if (on_diagram()) return diagram_map_area;
    return {0, 0, mnw.dx - chart_strip_width, mnw.dy};
}

static int in_chart_area(float x, float y)
{
    win_box a = chart_area();
    return x >= a.x1 && x < a.x2 && y >= a.y1 && y <= a.y2;
}

static float chart_scale(void) { return (on_diagram() ? con.mtrtoplt : con.mtrtonrt) * env.map_zoom; }

float pixelxfinder(float x) { return (x - env.map_x) * chart_scale() + (on_diagram() ? diagram_map_area.x1 : 0); }

float pixelyfinder(float z) { return (env.map_z - z) * chart_scale() + (on_diagram() ? diagram_map_area.y1 : 0); }

// ---- manage_map --------------------------------------------------------------------

const float zoom_max = 50;
const float zoom_step = 1.5f;

static const char* const hdg_help = "This is the heading that the aircraft will be placed at if you click on the map.";
static const char* const alt_help = "This is the altitude that the aircraft will be placed at if you click on the map.";
static const char* const gs_help =
    "This is the true groundspeed that the aircraft will be placed at if you click on the map.";

// The fields show feet and knots; the settings keep metres and m/s, written
// back only on a change, so that the conversions never creep.
static void placement_fields(float w)
{
    instdbtn_range(48, w - chart_hdg_dx, chart_hdg_y, &set.place_hdg, 3, 0, 0, 360, hdg_help);
    float ft = set.place_alt * con.mtrstoft;
    if (instdbtn(48, w - chart_alt_dx, chart_alt_y, &ft, 6, 0, 0, alt_help)) set.place_alt = ft * con.fttomtrs;
    float kt = set.place_speed * con.msctokts;
    if (instdbtn(48, w - chart_gs_dx, chart_gs_y, &kt, 5, 0, 0, gs_help)) set.place_speed = kt * con.ktstomsc;
}

static int pressed(int which, float w)
{
    return mnw.mouse_clicked && in_box(chart_button(which, w), mnw.mx, mnw.my);
}

// The view's size in metres: the diagram's map, or the whole region.
static void view_size(float* vw, float* vh)
{
    win_box a = diagram_map_area;
    *vw = on_diagram() ? (a.x2 - a.x1) * con.plttomtr : env.reg_width;
    *vh = on_diagram() ? (a.y2 - a.y1) * con.plttomtr : env.reg_depth;
}

static void view_buttons(float w, float vw, float vh)
{
    float& zoom = env.map_zoom;
    // Both zooms keep the view's centre where it was.
    if (pressed(chart_zoom_in, w) && zoom < zoom_max) {
        zoom *= zoom_step;
        env.map_x += 0.25f * vw / zoom;
        env.map_z -= 0.25f * vh / zoom;
    }
    if (pressed(chart_zoom_out, w) && zoom > 1) {
        env.map_x -= 0.25f * vw / zoom;
        env.map_z += 0.25f * vh / zoom;
        zoom = fltmax2(zoom / zoom_step, 1);
    }
    float step_x = 0.2f * vw / zoom, step_z = 0.2f * vh / zoom;
    if (pressed(chart_pan_up, w)) env.map_z -= step_z;
    if (pressed(chart_pan_down, w)) env.map_z += step_z;
    if (pressed(chart_pan_left, w)) env.map_x -= step_x;
    if (pressed(chart_pan_right, w)) env.map_x += step_x;
    if (pressed(chart_centre, w)) {
        env.map_x = (float)flt.pos_x[0] - 0.5f * vw / zoom;
        env.map_z = (float)flt.pos_z[0] + 0.5f * vh / zoom;
    }
}

// No view beyond the region where the region is the larger.
static void clamp_view(float vw, float vh)
{
    win_box a = chart_area();
    float zoom = env.map_zoom;
    if (pixelxfinder(env.reg_west_x) > a.x1) env.map_x = env.reg_west_x;
    if (pixelyfinder(env.reg_south_z) > a.y1) env.map_z = env.reg_south_z;
    if (pixelxfinder(env.reg_east_x) < a.x2) env.map_x = env.reg_east_x - vw / zoom;
    if (pixelyfinder(env.reg_north_z) < a.y2) env.map_z = env.reg_north_z + vh / zoom;
}

// The clicked point's latitude and longitude, between the region's edges as they project.
static void place_at_click(void)
{
    set.place_lon = interp(pixelxfinder(env.reg_west_x), (float)env.reg_lon, pixelxfinder(env.reg_east_x),
                           (float)env.reg_lon + 3, mnw.mx);
    set.place_lat = interp(pixelyfinder(env.reg_south_z), (float)env.reg_lat, pixelyfinder(env.reg_north_z),
                           (float)env.reg_lat + 2, mnw.my);
    set_fltvars(place_over_point, 0);
    MACIBM_startwind(win_main);
}

void manage_map(void)
{
    float w = mnw.dx, vw, vh;
    placement_fields(w);
    view_size(&vw, &vh);
    view_buttons(w, vw, vh);
    clamp_view(vw, vh);
    if (on_diagram()) {
        float half = 0.1f * vw / env.map_zoom;   // half a pan step
        if (pressed(chart_shift_back, w)) env.profile_shift -= half;
        if (pressed(chart_shift_on, w)) env.profile_shift += half;
    }
    if (mnw.mouse_clicked && in_chart_area(mnw.mx, mnw.my)) {
        place_at_click();
        return;
    }
    plot_map();
}

// ---- plot_map ------------------------------------------------------------------------

// The overlays' colours of each chart: lines and fixes, airports, navaids.
struct overlay_colours {
    int kind;
    int line, airport, navaid;
};
static const overlay_colours overlay_table[] = {
    {chart_low_enroute, 29, 16, 29}, {chart_sectional, 4, 38, 10}, {chart_radar, 12, 0, 6},
    {chart_local_world, 6, 0, 12},   {chart_diagram, 29, 29, 29},  {chart_green, 48, 48, 48},
};

static overlay_colours chart_colours(void)
{
    for (const overlay_colours& c : overlay_table)
        if (c.kind == chart_drawn()) return c;
    return overlay_table[0];
}

// Drawing in window units is clipped to the box, in pixels.
static void scissor_to(const win_box& b)
{
    glScissor(intround((mnw.x + b.x1) * mnw.XRAT), intround((mnw.y + b.y1) * mnw.YRAT),
              intround((b.x2 - b.x1) * mnw.XRAT), intround((b.y2 - b.y1) * mnw.YRAT));
    glEnable(GL_SCISSOR_TEST);
}

static void vertex_at(int i, int j) { glVertex2f(plotx[i][j] + mnw.x, ploty[i][j] + mnw.y); }

static void cell_quad(int i, int j)
{
    vertex_at(i, j);
    vertex_at(i, j + 1);
    vertex_at(i + 1, j + 1);
    vertex_at(i + 1, j);
}

static float cell_mean_height(int i, int j)
{
    return 0.25f * (planexyz[i][j][1] + planexyz[i + 1][j][1] + planexyz[i][j + 1][1] + planexyz[i + 1][j + 1][1]);
}

static int open_water(int i, int j)
{
    if (i < 1 || j < 1 || i >= region_grid_x - 2 || j >= region_grid_z - 2) return 0;
    return is_water[i - 1][j - 1] && is_water[i + 1][j - 1] && is_water[i - 1][j + 1] && is_water[i + 1][j + 1];
}

// The sectional's tints by height, printed a little darker.
static void sectional_colour(int i, int j)
{
    static const float band_top_ft[5] = {1000, 2000, 3000, 5000, 7000};
    static const unsigned char band_rgb[7][3] = {{212, 226, 175}, {188, 205, 154}, {239, 232, 174}, {241, 222, 136},
                                                 {233, 198, 102}, {223, 175, 72},  {170, 205, 220}};
    int b = 0;
    if (is_water[i][j]) {
        b = 6;
    } else {
        float ft = cell_mean_height(i, j) * con.mtrstoft;
        while (b < 5 && ft >= band_top_ft[b]) b++;
    }
    float c[3];
    for (int k = 0; k < 3; k++) c[k] = powf((float)band_rgb[b][k] / 255.0f * 0.75f, 1.3f);
    glColor3f(c[0], c[1], c[2]);
}

// The radar's ground: grey by height over the region's span, water black.
static void radar_ground_colour(int i, int j)
{
    float g = 0;
    if (!is_water[i][j]) {
        float span = env.elev_max - env.elev_min;
        g = span > 0 ? 0.1f + 0.4f * (cell_mean_height(i, j) - env.elev_min) / span : 0.1f;
    }
    glColor3f(g, g, g);
}

static void cell_colour(int i, int j)
{
    switch (chart_drawn()) {
    case chart_sectional: sectional_colour(i, j); break;
    case chart_radar: radar_ground_colour(i, j); break;
    case chart_diagram: OGL_setcolor(is_water[i][j] ? 18 : 6); break;
    default: OGL_setcolor(is_water[i][j] ? (open_water(i, j) ? 7 : 19) : 6); break;
    }
}

// The scene's own textures; a batch for every run of cells on one texture.
static void textured_terrain(void)
{
    OGL_setstate(0, 1, 0, 0);
    glColor3f(1, 1, 1);
    int bound = -1;
    for (int i = 0; i < region_grid_x - 1; i++)
        for (int j = 0; j < region_grid_z - 1; j++) {
            if ((int)planetex[i][j] != bound) {
                if (bound >= 0) glEnd();
                bound = (int)planetex[i][j];
                OGL_bindtex(bound);
                glBegin(GL_QUADS);
            }
            glTexCoord2fv(planest[i][j][0][0]);
            vertex_at(i, j);
            glTexCoord2fv(planest[i][j][0][1]);
            vertex_at(i, j + 1);
            glTexCoord2fv(planest[i][j][1][1]);
            vertex_at(i + 1, j + 1);
            glTexCoord2fv(planest[i][j][1][0]);
            vertex_at(i + 1, j);
        }
    if (bound >= 0) glEnd();
    OGL_setstate(0, 0, 0, 0);
}

// The storms of the weather field, their level from the region's weather.
static void radar_weather(void)
{
    float mean = 0.5f * (atm.precip_level + atm.storm_level);
    const int cols = wx_grid_cols - 1, rows = wx_grid_rows - 1;
    float cw = env.reg_width / (float)cols, ch = env.reg_depth / (float)rows;
    glBegin(GL_QUADS);
    for (int i = 0; i < cols; i++)
        for (int j = 0; j < rows; j++) {
            int level = intround((mean - 1) * atm.wx_grid[i][j]);
            if (level == 0) continue;
            OGL_setcolor(intlim(71 + level, 0, 79));
            // Row 0 is the north edge.
            float x1 = pixelxfinder(env.reg_west_x + (float)i * cw) + mnw.x;
            float x2 = pixelxfinder(env.reg_west_x + (float)(i + 1) * cw) + mnw.x;
            float y1 = pixelyfinder(env.reg_north_z + (float)(j + 1) * ch) + mnw.y;
            float y2 = pixelyfinder(env.reg_north_z + (float)j * ch) + mnw.y;
            glVertex2f(x1, y1);
            glVertex2f(x1, y2);
            glVertex2f(x2, y2);
            glVertex2f(x2, y1);
        }
    glEnd();
}

static void plot_terrain(void)
{
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++) {
            plotx[i][j] = pixelxfinder(planexyz[i][j][0]);
            ploty[i][j] = pixelyfinder(planexyz[i][j][2]);
        }
    if (chart_drawn() == chart_local_world) {
        textured_terrain();
        return;
    }
    OGL_setstate(0, 0, 0, 0);
    glBegin(GL_QUADS);
    for (int i = 0; i < region_grid_x - 1; i++)
        for (int j = 0; j < region_grid_z - 1; j++) {
            cell_colour(i, j);
            cell_quad(i, j);
        }
    glEnd();
    if (chart_drawn() == chart_radar) radar_weather();
}

static void cell_icon(int i, int j, const char* text)
{
    plot_icon(0.25f * (plotx[i][j] + plotx[i + 1][j] + plotx[i][j + 1] + plotx[i + 1][j + 1]),
              0.25f * (ploty[i][j] + ploty[i + 1][j] + ploty[i][j + 1] + ploty[i + 1][j + 1]), 18, text);
}

static void plot_icons(void)
{
    for (int i = 0; i < region_grid_x - 1; i++)
        for (int j = 0; j < region_grid_z - 1; j++) {
            if (offp_on_poly[i][j]) cell_icon(i, j, "P");
            if (oilr_on_poly[i][j]) cell_icon(i, j, "O");
        }
    static const char* const ship_letter[2] = {"C", "F"};
    for (int s = 0; s < 2; s++)
        if (ship_in_region(s)) plot_icon(pixelxfinder(env.ship_x[s]), pixelyfinder(env.ship_z[s]), 18, ship_letter[s]);
    // A fire burns only in warm dry weather.
    if (scn.fires_on && atm.sl_temp > 32 && atm.precip_level <= 1)
        plot_icon(pixelxfinder(scn.fire_xyz[0][0]), pixelyfinder(scn.fire_xyz[0][2]), 8, "F");
}

static int obstacle(int type) { return (type >= 2 && type <= 96) || type > obj_list_base; }

static void plot_objects(int colour)
{
    for (int k = 0; k < obj_slots; k++) {
        if (!obstacle(obj_type[k])) continue;
        float x = pixelxfinder(obj_xyz[k][0][0][0]), y = pixelyfinder(obj_xyz[k][0][0][2]);
        OGL_line(colour, x - 2, y - 3, x, y + 3);
        OGL_line(colour, x + 2, y - 3, x, y + 3);
    }
}

const float fix_end_mark = 99;   // the latitude of the slot after the last fix

static void plot_fixes(int colour)
{
    int named = env.map_zoom > 4 || on_diagram();
    for (int k = 0; k < world_fix_max; k++) {
        if (fabsf(fix_lat[k] - fix_end_mark) < 0.5f) break;
        if (!latlon_in_region(fix_lat[k], fix_lon[k])) continue;
        float x = pixelxfinder(X_with_latlon(fix_lat[k], fix_lon[k])), y = pixelyfinder(Z_with_lat(fix_lat[k]));
        OGL_line(colour, x - 4, y - 2, x + 4, y - 2);
        OGL_line(colour, x + 4, y - 2, x, y + 4);
        OGL_line(colour, x, y + 4, x - 4, y - 2);
        if (named) {
            char name[6];
            snprintf(name, sizeof name, "%.5s", fix_name[k]);
            OGL_string(colour, x - 14, y - 11, name, 999, 6);
        }
    }
}

static void plot_airports_and_navaids(const overlay_colours& c)
{
    for (int a = 0; a <= apt_wrl_max && a < world_apt_max; a++) {
        if (!apt_inreg[a] || !apt_has_runway(a)) continue;
        int r = apt_lo_ind[a];
        plot_apt(pixelxfinder(X_with_latlon(rwy_lat[r], rwy_lon[r])), pixelyfinder(Z_with_lat(rwy_lat[r])), a, 0,
                 c.airport);
    }
    for (int n = 0; n <= nav_wrl_max && n < world_nav_max; n++) {
        if (!nav_inreg[n]) continue;
        int t = nav_type[n];
        int shown = on_diagram() ? t >= navaid_ndb && t <= navaid_inner_marker : t == navaid_ndb || t == navaid_vor;
        if (!shown) continue;
        plot_navaid(pixelxfinder(X_with_latlon(nav_lat[n], nav_lon[n])), pixelyfinder(Z_with_lat(nav_lat[n])), n,
                    c.navaid);
    }
}

static void plot_flown_path(void)
{
    for (int k = 0; k < path_samples; k++)
        plot_path(k == 0, pixelxfinder(pat.path_plane[k][0]), pixelyfinder(pat.path_plane[k][2]), k, 0);
}

// The diagram's field elevation, its last digit at about the same place
// whatever its length, and the airport drawn whole beside the profile.
static void diagram_airport(void)
{
    int a = msc.diagram_apt;
    if (!airport_in_table(a)) return;
    float ft = apt_h[a] * con.mtrstoft, size = fabsf(ft);
    int digits = size >= 10000 ? 5 : size >= 1000 ? 4 : size >= 100 ? 3 : size >= 10 ? 2 : 1;
    static const float digit_x[6] = {0, 306, 300, 288, 270, 264};
    OGL_number(29, digit_x[digits], 174, ft, digits, 0, 6, 1);
    plot_apt(diagram_fit_x, diagram_fit_y, a, 1, 29);
}

// ---- the approach profile -------------------------------------------------------------

const float profile_exaggeration = 7;     // heights against distances
const float profile_glide_deg = 3;        // the reference line's slope

// A receiver's station counts when the receiver serves it and it lies
// within 3 nm of the runway end; its course is the localizer's, or a VOR's
// selected course, made true.
static void receiver_reference(int r, float* ref_x, float* ref_z, float* course)
{
    if (!nav.receiving[r] || nav.gate[r] < 0 || nav.gate[r] > 99) return;
    float near = 3 * con.nmtomtrs;
    if (fabsf(nav.stn_x[r] - *ref_x) > near || fabsf(nav.stn_z[r] - *ref_z) > near) return;
    *ref_x = nav.stn_x[r];
    *ref_z = nav.stn_z[r];
    float obs = r == recv_nav1 ? nav.nav_crs1 : nav.nav_crs2;
    *course = nav.gs_angle[r] > 99 ? fltwrap(obs - env.mag_var, 0, 360) : nav.loc_crs[r];
}

// The runway's spacing of height lines for the profile's scale s: about
// one line every 20 units of the profile.
static float height_line_ft(float s)
{
    float v = 20 / s * con.fttomtrs;
    static const float below[5] = {150, 350, 750, 1500, 3000};
    static const float spacing[6] = {100, 200, 500, 1000, 2000, 5000};
    int k = 0;
    while (k < 5 && v >= below[k]) k++;
    return spacing[k];
}

static void plot_profile(void)
{
    int a = msc.diagram_apt;
    if (!apt_has_runway(a)) return;
    int r = apt_lo_ind[a];
    // The end the runway's own number names: where a landing on its heading begins.
    float ref_x, ref_z;
    runway_threshold(r, &ref_x, &ref_z);
    float course = rwy_hdng[r];
    receiver_reference(recv_nav2, &ref_x, &ref_z, &course);
    if (pln[0].supptype == 1 || pln[0].supptype == 7) receiver_reference(recv_nav1, &ref_x, &ref_z, &course);

    const win_box& p = diagram_profile_area;
    scissor_to(p);
    float s = con.mtrtoplt * env.map_zoom;
    int rightwards = fltrange(course, 180, 360);
    float x0 = (rightwards ? 37 : 209) - env.profile_shift * s, side = rightwards ? 1.0f : -1.0f;

    float ft = height_line_ft(s);
    float spacing = ft * con.fttomtrs * profile_exaggeration * s;
    // A view never set (zoom 0) has no spacing: no lines, rather than no end.
    for (int k = 0; spacing > 0 && std::isfinite(spacing); k++) {
        float y = p.y1 + (float)k * spacing;
        if (y >= p.y2) break;
        OGL_line(18, 40, y, p.x2, y);
        float label = (float)k * ft;
        int digits = label >= 10000 ? 5 : label >= 1000 ? 4 : 3;
        OGL_number(29, (float)(5 - digits) * 5 + 10, y - 3, label, digits, 0, 6, 0);
    }
    const float run = 190;
    OGL_line(29, x0, p.y1, x0 + side * run,
             p.y1 + run * tanf(profile_glide_deg * con.degtorad) * profile_exaggeration);

    float sc = sinf(course * con.degtorad), cc = cosf(course * con.degtorad), elev = apt_h[a];
    for (int k = 0; k < path_samples; k++) {
        const float* q = pat.path_plane[k];
        float along = ((ref_x - q[0]) * sc - (ref_z - q[2]) * cc) * s;
        plot_path(k == 0, x0 + side * along, (q[1] - elev) * s * profile_exaggeration + p.y1, k, 0);
    }
    glDisable(GL_SCISSOR_TEST);
}

void plot_map(void)
{
    if (on_diagram()) diagram_airport();
    overlay_colours c = chart_colours();
    // Quads of any winding: the terrain's and the runways'.
    glDisable(GL_CULL_FACE);
    scissor_to(chart_area());
    plot_terrain();
    plot_icons();
    if (chart_drawn() != chart_low_enroute) plot_objects(c.line);
    if (env.map_zoom > 1.1f || on_diagram()) plot_fixes(c.line);
    plot_airports_and_navaids(c);
    plot_flown_path();
    flashplane(pixelxfinder((float)flt.pos_x[0]), pixelyfinder((float)flt.pos_z[0]), flt.psi[0]);
    glDisable(GL_SCISSOR_TEST);
    if (on_diagram()) plot_profile();
    glEnable(GL_CULL_FACE);
}

// ---- the aircraft symbol ----------------------------------------------------------

void plane_line(int colour, float heading, float x, float y, float x1, float y1, float x2, float y2)
{
    float h = heading * con.degtorad, c = cosf(h), s = sinf(h);
    OGL_line(colour, x + x1 * c + y1 * s, y + y1 * c - x1 * s, x + x2 * c + y2 * s, y + y2 * c - x2 * s);
}

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
    // A pass takes one colour, the next pass the other: the path blinks.
    if (first && blink) map_run.path_blink = !map_run.path_blink;
    if (first || sample < 0 || sample >= path_samples) return;
    int before = sample > 0 ? sample - 1 : path_samples - 1;
    if (pat.path_time[sample] <= 0.01f || pat.path_time[before] <= 0.01f) return;
    if (!on_screen(x0, y0) || !on_screen(x, y)) return;
    int colour = blink ? (map_run.path_blink ? 8 : 9) : 29;
    OGL_line(colour, x0, y0, x, y);
    // The copy beside a steep segment, above a flat one.
    if (fabsf(y - y0) > fabsf(x - x0)) OGL_line(colour, x0 + 1, y0, x + 1, y);
    else OGL_line(colour, x0, y0 + 1, x, y + 1);
}

