// The world map (window 4) and the isometric view of the region (window 23):
// each draws the flown path and, on the map, the blinking aircraft over the
// picture under it; a click on the map starts a new flight near that point.
#include "Do_graph.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Windows.h"
#include "records.h"

#include <GL/gl.h>

// ---- the flown path ----------------------------------------------------------------

// Feeds the path's samples one by one to plot_path. A sample the window
// cannot show goes in off the screen, where plot_path draws no segment to
// or from it: no segment bridges the gap, and the pass stays one line, so
// it takes one colour and blinks however many gaps it has.
struct path_pen {
    int first = 1;
    int blink = 0;
};

static void path_to(path_pen& pen, int sample, int shown, float x, float y)
{
    if (!shown) x = y = -1;
    plot_path(pen.first, x, y, sample, pen.blink);
    pen.first = 0;
}

// ---- window 4: the world map ---------------------------------------------------------

void world_map_point(float lat, float lon, float* x, float* y)
{
    *x = interp(-180, world_map_left, 180, world_map_right, lon);
    *y = interp(-60, world_map_bottom, 80, world_map_top, lat);
}

void world_map_corner(float mx, float my, int* lat, int* lon)
{
    *lat = intround(interp(world_map_bottom, -60, world_map_top, 80, my) - 1.0f);
    *lon = intround(interp(world_map_left, -180, world_map_right, 180, mx) - 1.5f);
}

static int on_world_map(float x, float y)
{
    return fltbox(x, y, world_map_left, world_map_bottom, world_map_right, world_map_top);
}

void manage_wrl(void)
{
    path_pen pen;
    for (int k = 0; k < path_samples; k++) {
        const float* p = pat.path_plane[k];
        float lat = Lat_with_z(p[2]), x, y;
        world_map_point(lat, Lon_with_xlat(p[0], lat), &x, &y);
        path_to(pen, k, on_world_map(x, y), x, y);
    }
    float x, y;
    world_map_point(flt.lat, flt.lon, &x, &y);
    flashplane(x, y, flt.psi[0]);

    // Only a click on the map itself starts a flight: the strip under it
    // holds the scale.
    if (!mnw.mouse_clicked || !on_world_map(mnw.mx, mnw.my)) return;
    world_map_corner(mnw.mx, mnw.my, &env.reg_lat, &env.reg_lon);
    set_up_env_with_request_latlon();
    MACIBM_startwind(win_main);
}

// ---- window 23: the region in an oblique view -------------------------------------------

float iso_scale(float dx, float dy)
{
    float depth = env.reg_depth, width = env.reg_width;
    if (depth <= 0 || width <= 0) return 0;
    return fltmin2(dy / (0.7f * depth), dx / (0.3f * depth + width));
}

void iso_point(const float xyz[3], float s, float dx, float dy, float* x, float* y)
{
    util_isomize(xyz, x, y, s);
    *x += 0.5f * (dx - (0.3f * env.reg_depth + env.reg_width) * s);
    *y += 0.5f * (dy - 0.7f * env.reg_depth * s);
}

// Cells from the north row down: a nearer (southern) cell is drawn over the
// one behind it.
static void draw_iso_terrain(float s)
{
    float dx = mnw.dx, dy = mnw.dy;
    OGL_setstate(0, 1, 0, 0);
    glColor3f(1, 1, 1);
    for (int j = region_grid_z - 2; j >= 0; j--)
        for (int i = 0; i < region_grid_x - 1; i++) {
            float x[2][2], y[2][2];
            for (int di = 0; di < 2; di++)
                for (int dj = 0; dj < 2; dj++) iso_point(planexyz[i + di][j + dj], s, dx, dy, &x[di][dj], &y[di][dj]);
            const float(*st)[2][2] = planest[i][j];
            OGL_bindtex((int)planetex[i][j]);
            OGL_2dquad(st[0][0][0], st[0][0][1], st[1][0][0], st[1][0][1], st[1][1][0], st[1][1][1], st[0][1][0],
                       st[0][1][1], x[0][0], y[0][0], x[1][0], y[1][0], x[1][1], y[1][1], x[0][1], y[0][1]);
        }
    OGL_setstate(0, 0, 0, 0);
}

// Each city cell's two triangles: a polygon through the first four of its
// light points and one through the other three, in the lights' two colours.
static void draw_iso_cities(float s)
{
    float dx = mnw.dx, dy = mnw.dy;
    for (int i = 0; i < region_grid_x - 1; i++)
        for (int j = 0; j < region_grid_z - 1; j++) {
            if (!city_on_poly[i][j]) continue;
            for (int t = 0; t < 2; t++) {
                float x[7], y[7];
                for (int p = 0; p < 7; p++) iso_point(city_xyz[i][j][t][p], s, dx, dy, &x[p], &y[p]);
                glColor3f(0.4f, 1.0f, 0.6f);
                OGL_2dquad(0, 0, 0, 0, 0, 0, 0, 0, x[0], y[0], x[1], y[1], x[2], y[2], x[3], y[3]);
                glColor3f(1.0f, 0.85f, 0.0f);
                OGL_2dquad(0, 0, 0, 0, 0, 0, 0, 0, x[4], y[4], x[5], y[5], x[6], y[6], x[6], y[6]);
            }
        }
}

// The path blinking at its flown height, or with shadow in black on the
// ground under each sample.
static void draw_iso_path(float s, int shadow)
{
    float dx = mnw.dx, dy = mnw.dy, vx, vy, vz;
    int ci = env.plane_cell_i, cj = env.plane_cell_j;
    path_pen pen;
    pen.blink = !shadow;
    for (int k = 0; k < path_samples; k++) {
        float p[3] = {pat.path_plane[k][0], pat.path_plane[k][1], pat.path_plane[k][2]};
        int shown = pat.path_time[k] > 0.01f && xz_in_region(p[0], p[2]);
        float x = 0, y = 0;
        if (shown) {
            if (shadow) p[1] = find_local_h(p[0], p[2], &vx, &vy, &vz, &ci, &cj, 0);
            iso_point(p, s, dx, dy, &x, &y);
        }
        path_to(pen, k, shown, x, y);
    }
}

void manage_iso(void)
{
    float s = iso_scale(mnw.dx, mnw.dy);
    if (s <= 0) return;
    // A city's polygons run either way round, and so may a steep cell.
    glDisable(GL_CULL_FACE);
    draw_iso_terrain(s);
    draw_iso_cities(s);
    glEnable(GL_CULL_FACE);
    draw_iso_path(s, 1);
    draw_iso_path(s, 0);
}
