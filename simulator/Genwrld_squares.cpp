// The scenery region: scenery square files and their reader.
//
// Sections: finding the file, the vertex records, ground under runways, the
// object records, the texture names, airport buildings and navaid huts, city
// and tree points, platforms and rigs, read_quadrant.
#include "Genwrld.h"

#include "Fltutil.h"
#include "Funct.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Initnav.h"

#include <cmath>
#include <cstdio>
#include <cstring>

quadtexstruct quad_tex[6];

static const int square_version_old = 3;
static const int square_version = 4;
static const int square_name_len = 40;   // object and texture names, fixed fields of the file
static const int square_end_of_objects = 99;

// The same alert the scanners give, for values they read but no square holds.
static void square_damaged(const char* path)
{
    MACIBM_alert("File-scanning error!", "", "file:", path, alert_fatal);
}

// A fixed name field of the file: all 40 characters kept, terminated.
static void scan_name(char out[square_name_len + 1], const char* path)
{
    inf1.read(out, square_name_len);
    if (inf1.fail()) square_damaged(path);
    out[square_name_len] = 0;
}

// Latitude and longitude that every later step can turn into local metres and
// cells: a number on the globe.
static int on_globe(float lat, float lon)
{
    return std::isfinite(lat) && std::isfinite(lon) && fabsf(lat) <= 90 && fabsf(lon) <= 180;
}

static int floor_mod(int v, int m) { return ((v % m) + m) % m; }

// ---- finding the file ------------------------------------------------------

static int open_at(const char* path)
{
    return inf_open(path, kind_scenery, square_version_old, 0) || inf_open(path, kind_scenery, square_version, 0);
}

// Opens the square's file on inf1; 1 when one of ours is open, with its path.
// Far above the ground no square is read: the region is sea there.
static int open_square(int lat, int lon, char path[path_max])
{
    if (flt.pos_y[0] * con.mtrstoft >= 100000) return 0;
    char name[32];
    return_latlon_str_ENV(lat, lon, name);
    snprintf(path, path_max, "%s", name);
    ap_dir("additional nav data", path);
    if (open_at(path)) return 1;
    if (snprintf(path, path_max, "%sDATA/%s", cd_path, name) < path_max && open_at(path)) return 1;
    if (inf1.is_open()) inf1.close();
    inf1.clear();
    return 0;
}

// ---- the vertex records ------------------------------------------------------

// The south-west vertex of each square is the loader's longitude anchor.
static int is_anchor(int i, int j)
{
    return i % square_cells_x == 0 && i < region_grid_x - 1 && j % square_cells_z == 0 && j < region_grid_z - 1;
}

static void set_vertex(int i, int j, float lat, float lon, float h)
{
    if (!is_anchor(i, j)) planexyz[i][j][0] = X_with_latlon(lat, lon);
    planexyz[i][j][1] = h;
    planexyz[i][j][2] = Z_with_lat(lat);
}

// The cell as no file describes it: plain water, nothing on it. The classifier
// keeps a custom texture, so a scroll must not leave one behind.
static void plain_water_cell(int i, int j)
{
    is_water[i][j] = 1;
    set_st(i, j, 0, 0, 1, 1, 0, 1, 1, 0, 0);
    tree_on_poly[i][j] = 0;
    city_on_poly[i][j] = 0;
}

static void read_vertices(int i0, int j0, unsigned base, const char* path)
{
    for (int r = 0; r <= square_cells_z; r++)
        for (int c = 0; c <= square_cells_x; c++) {
            float lat = fltscan(path);
            float lon = fltscan(path);
            float h = fltscan(path);
            int code = intscan(path);
            if (!on_globe(lat, lon) || !std::isfinite(h)) square_damaged(path);
            int i = i0 + c, j = j0 + r;
            set_vertex(i, j, lat, lon, h);
            // The last row and column are the neighbours' first: no cell of ours.
            if (c == square_cells_x || r == square_cells_z) continue;
            set_st(i, j, 0, 0, 1, 1, 0, 1, 1, 0, 0);
            code_to_state(&is_water[i][j], planest[i][j], &planetex[i][j], code);
            if (planetex[i][j] >= (unsigned)tex_custom_first) {
                unsigned k = planetex[i][j] - tex_custom_first;
                // Only the square's own 100 slots exist; beyond them the cell is plain terrain.
                planetex[i][j] = k < (unsigned)square_textures ? tex_custom_first + base + k : 0;
            }
            int land = !is_water[i][j];
            tree_on_poly[i][j] = land && ((c / 3) % 3 == 0 || (r / 3) % 3 == 0);
            city_on_poly[i][j] = land && intrand(1, 10) == 1;
        }
}

static void missing_vertices(int lat, int lon, int i0, int j0)
{
    for (int r = 0; r <= square_cells_z; r++)
        for (int c = 0; c <= square_cells_x; c++) {
            float vlat = interp(0, (float)lat, (float)square_cells_z, (float)(lat + 1), (float)r);
            float vlon = interp(0, (float)lon, (float)square_cells_x, (float)(lon + 1), (float)c);
            set_vertex(i0 + c, j0 + r, vlat, vlon, 0);
            if (c < square_cells_x && r < square_cells_z) plain_water_cell(i0 + c, j0 + r);
        }
}

// ---- ground under runways ------------------------------------------------------

// Every cell of the quadrant and the ring around it whose box meets the box
// of a runway's outline is laid at the airport's height, just under the
// pavement, and loses its trees.
static void flatten_runways(int lat, int lon, int i0, int j0)
{
    for (int l = 0; l <= apt_lcl_max && l < local_list_max; l++) {
        int a = apt_to_index[l];
        if (a < 0 || a >= world_apt_max) continue;
        for (int rw = apt_lo_ind[a]; rw <= apt_hi_ind[a] && rw < world_rwy_max; rw++) {
            if (rw < 0 || !fltrange(rwy_lat[rw], lat - 0.1f, lat + 1.1f) || !fltrange(rwy_lon[rw], lon - 0.1f, lon + 1.1f))
                continue;
            int s = rwy_geo_ind[rw];
            if (s < 0 || s >= geo_slots) continue;
            const float(*q)[3] = geo_markxyz[s][0];
            float rx0 = fltmin4(q[0][0], q[1][0], q[2][0], q[3][0]), rx1 = fltmax4(q[0][0], q[1][0], q[2][0], q[3][0]);
            float rz0 = fltmin4(q[0][2], q[1][2], q[2][2], q[3][2]), rz1 = fltmax4(q[0][2], q[1][2], q[2][2], q[3][2]);
            float h = apt_h[a] - 0.2f;
            for (int i = intmax2(0, i0 - 1); i <= intmin2(region_grid_x - 2, i0 + square_cells_x); i++)
                for (int j = intmax2(0, j0 - 1); j <= intmin2(region_grid_z - 2, j0 + square_cells_z); j++) {
                    float cx0 = fltmin2(planexyz[i][j][0], planexyz[i][j + 1][0]);
                    float cx1 = fltmax2(planexyz[i + 1][j][0], planexyz[i + 1][j + 1][0]);
                    float cz0 = fltmin2(planexyz[i][j + 1][2], planexyz[i + 1][j + 1][2]);
                    float cz1 = fltmax2(planexyz[i][j][2], planexyz[i + 1][j][2]);
                    if (cx0 > rx1 || rx0 > cx1 || cz0 > rz1 || rz0 > cz1) continue;
                    planexyz[i][j][1] = planexyz[i][j + 1][1] = h;
                    planexyz[i + 1][j][1] = planexyz[i + 1][j + 1][1] = h;
                    tree_on_poly[i][j] = 0;
                }
        }
    }
}

// ---- the object records ---------------------------------------------------------

// The 3 x 3 cells about the object's cell become city, when that cell is land
// of this quadrant; a record off the square marks nothing. The block stays in
// this quadrant: city points are made for its own cells only, so a neighbour's
// cell marked here would show lights at whatever its points last held.
static void mark_city(int lat, int lon, int i0, int j0, float olat, float olon)
{
    float fc = (olon - (float)lon) * square_cells_x, fr = (olat - (float)lat) * square_cells_z;
    if (!(fc >= 0 && fc < square_cells_x && fr >= 0 && fr < square_cells_z)) return;
    int ci = i0 + (int)fc, cj = j0 + (int)fr;
    if (is_water[ci][cj]) return;
    for (int i = intmax2(i0, ci - 1); i <= intmin2(i0 + square_cells_x - 1, ci + 1); i++)
        for (int j = intmax2(j0, cj - 1); j <= intmin2(j0 + square_cells_z - 1, cj + 1); j++) city_on_poly[i][j] = 1;
}

static void read_objects(int lat, int lon, int i0, int j0, const char* path)
{
    for (;;) {
        int type = intscan(path);
        if (type == square_end_of_objects) return;
        float olat, olon, value;
        char name[square_name_len + 1] = "";
        if (type >= obj_tower && type <= obj_chimney) {
            olat = fltscan(path);
            olon = fltscan(path);
            value = fltscan(path) * con.fttomtrs;
            intscan(path);
            intscan(path);
            if (!on_globe(olat, olon) || !std::isfinite(value)) square_damaged(path);
        } else if (type == obj_custom) {
            olat = fltscan(path);
            olon = fltscan(path);
            value = fltscan(path);   // a heading that is no number faces north
            scan_name(name, path);
            if (!on_globe(olat, olon)) square_damaged(path);
        } else {
            continue;
        }
        float x = X_with_latlon(olat, olon), z = Z_with_lat(olat);
        // Tall buildings get one of the high-rise shapes.
        if (type == obj_building && value >= 110) build_obs(x, z, value, "", intrand(obj_tall_first, obj_tall_last));
        else if (type == obj_custom) build_obs(x, z, value, name, obj_custom);
        else if (type != obj_tower) build_obs(x, z, value, "", type);
        mark_city(lat, lon, i0, j0, olat, olon);
    }
}

// ---- the texture names ------------------------------------------------------------

// An empty name, a beginning of "Untitled", or one that would reach out of
// the texture folder, is an unused slot.
static int unused_name(const char* name)
{
    return untitled_name(name) || strchr(name, '/') != nullptr;
}

static void read_texture_names(int quadrant, const char* path)
{
    quadtexstruct& qt = quad_tex[quadrant];
    for (int k = 0; k < square_textures; k++) {
        scan_name(qt.name[k], path);
        if (unused_name(qt.name[k])) qt.name[k][0] = 0;
    }
    load_square_textures(quadrant);
}

void load_square_textures(int quadrant)
{
    const quadtexstruct& qt = quad_tex[quadrant];
    for (int k = 0; k < square_textures; k++) {
        if (!qt.name[k][0]) continue;
        int w = 0, h = 0;
        OGL_texbmp(bmp_shared, tex_custom_first + qt.base + k, bmp_terrain, qt.name[k], &w, &h);
    }
}

// ---- airport buildings and navaid huts ------------------------------------------------

static int in_square(float plat, float plon, int lat, int lon)
{
    return fltrange(plat, (float)lat, (float)(lat + 1)) && fltrange(plon, (float)lon, (float)(lon + 1));
}

// Steps along the runway heading until off every runway of the airport.
static void step_off_runways(int a, float* x, float* z, float sx, float sz, int steps)
{
    for (int n = 0; n < steps; n++) {
        *x += sx;
        *z += sz;
    }
    // A strip is a few km long; the bound only keeps a broken table from hanging the load.
    for (int n = 0; n < 1000 && in_runway(a, -1, *x, *z); n++) {
        *x += sx;
        *z += sz;
    }
}

// Four hangars in a row beside the first runway, then the tower, for the
// region's listed airports only: the others have no runway slots to keep
// the buildings off the pavement.
static void build_airports(int lat, int lon)
{
    for (int l = 0; l <= apt_lcl_max && l < local_list_max; l++) {
        int a = apt_to_index[l];
        if (a < 0 || a >= world_apt_max || !apt_inreg[a] || !apt_bld[a]) continue;
        int rw = apt_lo_ind[a];
        if (rw < 0 || rw >= world_rwy_max || rwy_geo_ind[rw] < 0) continue;
        if (!in_square(rwy_lat[rw], rwy_lon[rw], lat, lon)) continue;
        float hdg = rwy_hdng[rw];
        float d = fltmax2(4.2f * rwy_width[rw], 80), f = 0.35f * rwy_len[rw];
        float x = X_with_latlon(rwy_lat[rw], rwy_lon[rw]) + rx3d(d, f, hdg);
        float z = Z_with_lat(rwy_lat[rw]) + rz3d(d, f, hdg);
        float sx = -rx3d(0, 45, hdg), sz = -rz3d(0, 45, hdg);
        for (int b = 0; b < 4; b++) {
            step_off_runways(a, &x, &z, sx, sz, 1);
            build_obs(x, z, 0, "", obj_hangar);
        }
        if (apt_twr[a]) {
            step_off_runways(a, &x, &z, sx, sz, 2);
            build_obs(x, z, 0, "", obj_tower);
        }
    }
}

// Navaids 0..3 are the ships' own, which move: no hut stands for them.
static void build_navaid_huts(int lat, int lon)
{
    for (int n = world_nav_first; n <= nav_wrl_max && n < world_nav_max; n++) {
        if (!nav_inreg[n] || !in_square(nav_lat[n], nav_lon[n], lat, lon)) continue;
        int kind = 0;
        float value = 0;
        switch (nav_type[n]) {
        case navaid_ndb: kind = obj_ndb_hut; break;
        case navaid_vor: kind = obj_vor; break;
        case navaid_ils:
        case navaid_localizer:
            kind = obj_localizer;
            value = nav_hdng[n];
            break;
        case navaid_glide_slope: kind = obj_glide_slope; break;
        case navaid_outer_marker:
        case navaid_middle_marker:
        case navaid_inner_marker: kind = obj_marker; break;
        default: continue;
        }
        build_obs(X_with_latlon(nav_lat[n], nav_lon[n]), Z_with_lat(nav_lat[n]), value, "", kind);
    }
}

// ---- city and tree points ------------------------------------------------------------

// A random point of triangle a, b, c.
static void point_in_triangle(const float* a, const float* b, const float* c, float* out)
{
    float r1 = fltrand(0.01f, 0.99f), r2 = fltrand(0.01f, 0.99f);
    for (int k = 0; k < 3; k++) {
        float p = b[k] + (c[k] - b[k]) * r1;
        out[k] = a[k] + (p - a[k]) * r2;
    }
}

static void place_points(int i0, int j0)
{
    for (int c = 0; c < square_cells_x; c++)
        for (int r = 0; r < square_cells_z; r++) {
            int i = i0 + c, j = j0 + r;
            if (!city_on_poly[i][j] && !tree_on_poly[i][j]) continue;
            for (int t = 0; t < 2; t++) {
                const float* A = t == 0 ? planexyz[i][j + 1] : planexyz[i + 1][j];
                const float* B = t == 0 ? planexyz[i + 1][j + 1] : planexyz[i][j];
                const float* C = t == 0 ? planexyz[i][j] : planexyz[i + 1][j + 1];
                if (city_on_poly[i][j])
                    for (int p = 0; p < 7; p++) {
                        point_in_triangle(A, B, C, city_xyz[i][j][t][p]);
                        city_xyz[i][j][t][p][1] += fltrand(10, 20);
                    }
                if (tree_on_poly[i][j])
                    for (int p = 0; p < 4; p++) point_in_triangle(A, B, C, tree_xyz[i][j][t][p]);
            }
        }
}

// ---- platforms and rigs ------------------------------------------------------------------

// A platform or rig stands on water just off a coast (one land cell in its
// cross of nine), never within 15 cells of another.
static void place_platforms(int i0, int j0)
{
    for (int i = i0; i <= i0 + square_cells_x; i++)
        for (int j = j0; j <= j0 + square_cells_z; j++) offp_on_poly[i][j] = oilr_on_poly[i][j] = 0;
    for (int c = 15; c <= 42; c++)
        for (int r = 15; r <= 62; r++) {
            int i = i0 + c, j = j0 + r, count = 0;
            for (int k = -4; k <= 4; k++) count += !is_water[i][j + k] || !is_water[i + k][j];
            for (int di = -15; di <= 15; di++)
                for (int dj = -15; dj <= 15; dj++)
                    if (offp_on_poly[i + di][j + dj] || oilr_on_poly[i + di][j + dj]) count += 2;
            if (count != 1) continue;
            if (fltrand(0, 1) < 0.5f) offp_on_poly[i][j] = 1;
            else oilr_on_poly[i][j] = 1;
        }
}

// ---- read_quadrant ---------------------------------------------------------------------

void read_quadrant(int lat, int lon, int quadrant)
{
    if (quadrant < 0 || quadrant > 5) return;
    for (int k = 0; k < 3; k++) MACIBM_showinit(1);

    char path[path_max];
    int found = open_square(lat, lon, path);
    // Unique in any region: the squares of a region differ in lat mod 2 or lon mod 3.
    unsigned base = (unsigned)(40000 * floor_mod(lat, 2) + 10000 * floor_mod(lon, 3));
    const int i0 = square_cells_x * (quadrant % 3), j0 = square_cells_z * (quadrant / 3);
    quadtexstruct& qt = quad_tex[quadrant];
    memset(&qt, 0, sizeof qt);
    qt.lat = lat;
    qt.lon = lon;
    qt.base = (int)base;

    if (found) read_vertices(i0, j0, base, path);
    else missing_vertices(lat, lon, i0, j0);
    flatten_runways(lat, lon, i0, j0);
    if (found) {
        read_objects(lat, lon, i0, j0, path);
        read_texture_names(quadrant, path);
        inf1.close();
    }
    build_airports(lat, lon);
    build_navaid_huts(lat, lon);
    if (found) place_points(i0, j0);
    place_platforms(i0, j0);
    if (found) gen_wx_for_sec(quadrant);
}
