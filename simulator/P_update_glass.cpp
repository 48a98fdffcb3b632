// The moving-map displays: the glass panel's map with its weather radar,
// traffic and heading tape, the supplementary moving map and the
// supplementary weather radar. A panel carries one of the three at most, so
// they share one radar texture (tex_radar), whose picture is built in the
// scratch start of rgb_array once a second.
//   window and map geometry
//   the radar picture
//   the display's frame
#include "P_update.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "records.h"

#include <GL/gl.h>
#include <cmath>
#include <cstring>

// ---- window and map geometry ---------------------------------------------------------

glasswindow glass_window(int mode)
{
    glasswindow g = {};
    int w, h;
    if (mode == glass_map) {
        g.x0 = (int)truncf(supp_x() - 40), g.y0 = (int)truncf(supp_y() - 40), w = 63, h = 80;
        g.map_mode = map_mode(), g.range = map_range();
    } else if (mode == glass_radar) {
        g.x0 = (int)truncf(supp_x() - 43), g.y0 = (int)truncf(supp_y() - 31), w = 86, h = 90;
        g.map_mode = 1, g.range = map2_range();
    } else {
        g.x0 = (int)truncf(efis_x() + 199), g.y0 = (int)truncf(efis_y() + 48), w = 182, h = 224;
        g.map_mode = efis_mode(), g.range = efis_range();
    }
    g.x1 = g.x0 + w, g.y1 = g.y0 + h;
    g.side = w / 2;
    int expanded = g.map_mode == 1;
    g.up = expanded ? 3 * h / 4 : h / 2;
    g.down = expanded ? h / 4 : h / 2;
    g.cx = g.x0 + g.side, g.cy = g.y1 - g.up;
    g.scale = (float)g.up / (g.range * con.nmtomtrs);
    float psi = panel_hold(held_true_heading, flt.psi[0]);
    int north_up = g.map_mode == 2;
    g.map_angle = north_up ? 0 : psi;
    g.symbol_angle = north_up ? psi : 0;
    return g;
}

void glass_point(const glasswindow& g, float dx, float dz, float* sx, float* sy)
{
    float a = 360 - g.map_angle;
    *sx = (float)g.cx + g.scale * rx3d(dx, dz, a);
    *sy = (float)g.cy - g.scale * rz3d(dx, dz, a);
}

// An inclusive box of the display: A holds the map symbols, B (one unit
// inside it) the tape, the range, the traffic and the aircraft.
struct glassbox {
    int x0, y0, x1, y1;
};

static glassbox symbol_box(const glasswindow& g) { return {g.x0 + 10, g.y0 + 13, g.x1 - 11, g.y1 - 5}; }
static glassbox inner_box(const glasswindow& g) { return {g.x0 + 11, g.y0 + 14, g.x1 - 12, g.y1 - 6}; }

static int in_box(const glassbox& b, float x, float y)
{
    return fltbox(x, y, (float)b.x0, (float)b.y0, (float)b.x1, (float)b.y1);
}

// ---- the radar picture ------------------------------------------------------------------

static const int radar_row_bytes = 3 * radar_side;
static const int radar_picture_bytes = radar_row_bytes * radar_side;
static_assert(radar_picture_bytes <= rgb_array_bytes, "the picture fits the scratch buffer");

// Black until the first picture: a texture never filled is incomplete and
// would draw as a white window.
static void make_radar_texture(void)
{
    memset(rgb_array, 0, radar_picture_bytes);
    OGL_bindtex(tex_radar);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, radar_side, radar_side, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb_array);
    pnl.radar_texture_made = 1;
}

// From the colour table as it stands at the first picture; later changes
// of those entries do not reach the radar.
static void build_radar_colours(void)
{
    const int first = 71;
    for (int n = 0; n < radar_colours; n++)
        for (int c = 0; c < 3; c++)
            pnl.radar_colour[n][c] = (unsigned char)(fltlim(col_rgb[first + n][c], 0, 1) * 255);
    pnl.radar_colours_built = 1;
}

// A position of the weather field, in grid steps from its north-west corner.
struct gridpoint {
    float i, j;
};

// The field under the window offset (ox, oz) from the aircraft point, oz
// counting down the display.
static gridpoint grid_at(const glasswindow& g, float ox, float oz, float metres_per_unit, float gi, float gj)
{
    float east = (float)(flt.pos_x[0] - env.reg_west_x) + rx3d(ox, oz, g.map_angle) * metres_per_unit;
    float south = (float)(flt.pos_z[0] - env.reg_north_z) + rz3d(ox, oz, g.map_angle) * metres_per_unit;
    return {east * gi, south * gj};
}

// The picture walks the field from three corners by additions alone. A
// position off the field (beyond the region, or no region laid out yet)
// is black; one that is not a number fails the same test.
static void build_radar_picture(const glasswindow& g)
{
    if (!pnl.radar_colours_built) build_radar_colours();
    float gi = env.reg_width > 0 ? (float)wx_grid_cols / env.reg_width : NAN;
    float gj = env.reg_depth > 0 ? (float)wx_grid_rows / env.reg_depth : NAN;
    float mpu = g.range * con.nmtomtrs / (float)g.up;
    float side = (float)g.side, up = (float)g.up, down = (float)g.down;
    gridpoint tl = grid_at(g, -side, -up, mpu, gi, gj);
    gridpoint tr = grid_at(g, side, -up, mpu, gi, gj);
    gridpoint bl = grid_at(g, -side, down, mpu, gi, gj);
    const float steps = (float)radar_side;
    float vi = (tr.i - tl.i) / steps, vj = (tr.j - tl.j) / steps;
    float wi = (bl.i - tl.i) / steps, wj = (bl.j - tl.j) / steps;
    float f = (atm.precip_level + atm.storm_level) * 0.5f - 0.5f;

    float pi = tl.i, pj = tl.j;
    for (int row = radar_side - 1; row >= 0; row--) {
        pi += wi, pj += wj;
        float qi = pi, qj = pj;
        unsigned char* px = rgb_array + row * radar_row_bytes;
        for (int col = 0; col < radar_side; col++, px += 3, qi += vi, qj += vj) {
            int n = 0;
            if (qi >= 0 && qi < (float)wx_grid_cols && qj >= 0 && qj < (float)wx_grid_rows) {
                // A weather value beyond 0..1 still names a colour of the table.
                float v = atm.wx_grid[(int)qi][(int)qj] * f;
                n = v >= 1 ? (v < radar_colours ? (int)v : radar_colours - 1) : 0;
            }
            memcpy(px, pnl.radar_colour[n], 3);
        }
    }
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, radar_side, radar_side, GL_RGB, GL_UNSIGNED_BYTE, rgb_array);
    pnl.radar_uploads++;
}

// Texture tex_radar over the whole window. The picture is rebuilt in the
// first frame of each second's tenth 0, not in every frame of that tenth; a
// frame that does not draw it leaves the next one free to rebuild.
static void draw_radar(const glasswindow& g, int shown)
{
    int tick = msc.tenth_count;
    if (!shown) {
        pnl.radar_tick = -1;
        return;
    }
    glColor3f(1, 1, 1);
    OGL_setstate(0, 1, 0, 0);
    OGL_bindtex(tex_radar);
    if (tick == 0 && (pnl.radar_tick != 0 || pnl.radar_uploads == 0)) build_radar_picture(g);
    pnl.radar_tick = tick;
    float x0 = (float)g.x0, y0 = (float)g.y0, x1 = (float)g.x1, y1 = (float)g.y1;
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(x0, y0);
    glTexCoord2f(0, 1); glVertex2f(x0, y1);
    glTexCoord2f(1, 1); glVertex2f(x1, y1);
    glTexCoord2f(1, 0); glVertex2f(x1, y0);
    glEnd();
    OGL_setstate(0, 0, 0, 0);
}

// ---- the display's frame ------------------------------------------------------------------

// One airport or navaid symbol at its rounded point, left out whole unless
// that point lies in box A. A point that cannot round into the box is left
// out before rounding, so no number too big for an int is rounded.
static void plot_symbol(const glasswindow& g, const glassbox& a, int kind, int index, float lat, float lon)
{
    float sx, sy;
    glass_point(g, (float)(X_with_latlon(lat, lon) - flt.pos_x[0]), (float)(Z_with_lat(lat) - flt.pos_z[0]), &sx,
                &sy);
    if (!fltbox(sx, sy, (float)a.x0 - 1, (float)a.y0 - 1, (float)a.x1 + 1, (float)a.y1 + 1)) return;
    int ix = intround(sx), iy = intround(sy);
    if (in_box(a, (float)ix, (float)iy)) hs_plot_nav(kind, index, (float)ix, (float)iy);
}

// Every symbol of the region in one quad batch of the font texture, which
// holds the symbols beside the letters that name the airports.
static void plot_symbols(const glasswindow& g, int colour)
{
    glassbox a = symbol_box(g);
    OGL_setcolor(colour);
    OGL_bindtex(tex_letters);
    OGL_setstate(0, 1, 0, 0);
    glEnable(GL_ALPHA_TEST);
    glBegin(GL_QUADS);
    for (int l = 0; l <= apt_lcl_max && l < local_list_max; l++) {
        int apt = apt_to_index[l];
        if (apt < 0 || apt >= world_apt_max) continue;
        int r = apt_lo_ind[apt];
        if (r < 0 || r >= world_rwy_max) continue;
        plot_symbol(g, a, 1, apt, rwy_lat[r], rwy_lon[r]);
    }
    for (int s = 0; s <= nav_wrl_max && s < world_nav_max; s++)
        if (nav_inreg[s] && (nav_type[s] == navaid_ndb || nav_type[s] == navaid_vor))
            plot_symbol(g, a, nav_type[s], s, nav_lat[s], nav_lon[s]);
    glEnd();
    glDisable(GL_ALPHA_TEST);
    OGL_setstate(0, 0, 0, 0);
}

// The other aircraft: white, light yellow within 10 nm and red within 5 nm
// when less than 2,000 ft above or below, then with the height difference
// in hundreds of feet.
static void plot_traffic(const glasswindow& g, const glassbox& b)
{
    for (int i = 1; i < flt_aircraft; i++) {
        float dx = (float)(flt.pos_x[i] - flt.pos_x[0]), dz = (float)(flt.pos_z[i] - flt.pos_z[0]);
        float sx, sy;
        glass_point(g, dx, dz, &sx, &sy);
        if (!in_box(b, sx, sy)) continue;
        int colour = 39;
        float dh = (float)(flt.pos_y[i] - flt.pos_y[0]) * con.mtrstoft;
        if (fabsf(dh) < 2000) {
            float d = pythag(dx, dz) * con.mtrstonm;
            if (d < 10) colour = 42;
            if (d < 5) colour = 45;
        }
        OGL_framerect(colour, sx - 2, sy - 2, 5, 5);
        if (colour != 39) OGL_number(colour, sx - 8, sy - 10, dh * 0.01f, 3, 0, 6, 1);
    }
}

// The aircraft at the aircraft point: upright heading up, turned by the
// true heading north up.
static void plot_own_aircraft(const glasswindow& g, const glassbox& b, int colour)
{
    if (!in_box(b, (float)g.cx, (float)g.cy)) return;
    // nose, centre, tail, wing tips, tail tips
    static const float shape[7][2] = {{0, 6}, {0, 0}, {0, -6}, {-8, -4}, {8, -4}, {-4, -8}, {4, -8}};
    static const int line[5][2] = {{0, 2}, {1, 3}, {1, 4}, {2, 5}, {2, 6}};
    float p[7][2];
    for (int k = 0; k < 7; k++) {
        p[k][0] = (float)g.cx + rx2d(shape[k][0], shape[k][1], g.symbol_angle);
        p[k][1] = (float)g.cy + ry2d(shape[k][0], shape[k][1], g.symbol_angle);
    }
    for (const int* l : line) OGL_line(colour, p[l[0]][0], p[l[0]][1], p[l[1]][0], p[l[1]][1]);
}

void update_glass(int mode)
{
    if (mode != glass_main && mode != glass_map && mode != glass_radar) return;
    if (!pnl.radar_texture_made) make_radar_texture();

    // 1. The mode lamps or buttons, over their click zones.
    if (mode == glass_main) {
        float x = efis_x(), y = efis_y() + 26;
        plot_efis_light(x + 272, y, efis_mode() == 1);
        plot_efis_light(x + 302, y, efis_mode() == 2);
        plot_efis_light(x + 332, y, efis_wx());
        plot_efis_light(x + 362, y, efis_tfc());
    } else if (mode == glass_map) {
        float x = supp_x() + 31, y = supp_y();
        plot_argus_button(x, y + 22, map_mode() == 0 ? argus_dp_on : argus_dp_off);
        plot_argus_button(x, y + 7, map_mode() == 1 ? argus_en_on : argus_en_off);
        plot_argus_button(x, y - 8, map_mode() == 2 ? argus_ar_on : argus_ar_off);
    }

    // 2.-4. The window and the weather under it.
    glasswindow g = glass_window(mode);
    if (mode != glass_map) {
        int wanted = mode == glass_radar || efis_wx();
        draw_radar(g, wanted && atm.precip_level > 1.01f);
    }
    // Symbols and text in light green on the moving map, white elsewhere,
    // the aircraft light yellow.
    int symbols = mode == glass_map ? 48 : 39;
    int aircraft = mode == glass_map ? 48 : 42;
    glassbox b = inner_box(g);

    if (mode != glass_radar) plot_symbols(g, symbols);

    if (mode == glass_main && g.map_mode != 2) {
        int mx = (b.x0 + b.x1) / 2;
        OGL_fillrect(symbols, (float)mx - 1, (float)b.y1 - 3, 5, 3);
        plot_glass_tape(symbols, (float)b.y1 - 13, (float)b.y1 - 5, (float)mx, (float)((b.x1 - b.x0) / 2 - 1), -999,
                        panel_hold(held_heading, flt.hdg_mag), 5, 10, 5, tape_horizontal);
    }

    float label_y = (float)b.y1 - (mode == glass_main ? 22 : 9);
    OGL_number(symbols, (float)b.x0 + 2, label_y, truncf(g.range), 2, 0, 6, 0);
    OGL_string(symbols, (float)b.x0 + 17, label_y, "nm", 999, 6);

    // With air traffic off the other aircraft fly on unseen: no targets for them either.
    if (mode == glass_main && efis_tfc() && set.air_traffic_on) plot_traffic(g, b);
    plot_own_aircraft(g, b, aircraft);
}
