// The scenery region: the object ring. Every tower, building, navaid hut and
// custom object is turned once, when it is placed, into levels or an element
// list in the local frame, stored in the next slot of the ring and stood on
// the terrain at its reference point; nothing here runs per frame.
//
// Sections: the run record, elements, level objects, navaid huts, custom
// object files, building an object.
#include "Genwrld.h"

#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "host.h"

#include <cmath>
#include <cstdio>
#include <cstring>

// ---- the run record ---------------------------------------------------------

objectringstruct obr;

void clear_object_ring_run(void)
{
    obr.cursor = -1;
    obr.tex_count = 0;
    for (int k = 0; k < obj_textures; k++) obr.tex_name[k][0] = 0;
}

// ---- elements ---------------------------------------------------------------

// A slot about to be built keeps nothing of the object it held.
static void clear_slot(int s)
{
    obj_type[s] = 0;
    memset(obj_poltyp[s], 0, sizeof obj_poltyp[s]);
    memset(obj_texrgb[s], 0, sizeof obj_texrgb[s]);
    memset(obj_xyz[s], 0, sizeof obj_xyz[s]);
    memset(obj_nrml[s], 0, sizeof obj_nrml[s]);
}

// Advances *element to the slot's next element; -1 when the slot is full.
static int next_element(int slot, int* element)
{
    if (slot < 0 || slot >= obj_slots || *element < -1 || *element + 1 >= obj_elements) return -1;
    return ++*element;
}

static void set_point(float* p, float x, float y, float z)
{
    p[0] = x;
    p[1] = y;
    p[2] = z;
}

// The normal of a quadrilateral of the huts, from u = p1 - p2 and v = p3 - p2:
// out of the face that winds clockwise when seen from outside.
static void quad_normal(int slot, int e)
{
    float(*p)[3] = obj_xyz[slot][e];
    float u[3], v[3];
    for (int k = 0; k < 3; k++) {
        u[k] = p[1][k] - p[2][k];
        v[k] = p[3][k] - p[2][k];
    }
    find_normal_vects(u, v, obj_nrml[slot][e]);
}

void build_obs_line(float x1, float y1, float z1, float x2, float y2, float z2, int slot, int* element, int colour)
{
    int e = next_element(slot, element);
    if (e < 0) return;
    obj_poltyp[slot][e] = 2;
    obj_texrgb[slot][e] = colour;
    set_point(obj_xyz[slot][e][0], x1, y1, z1);
    set_point(obj_xyz[slot][e][1], x2, y2, z2);
    // A line has no face; straight up, as a custom object's lines get.
    set_point(obj_nrml[slot][e], 0, 1, 0);
}

void build_obs_shack(float half_x, float half_z, float y_bottom, float y_top, int heading, int slot, int* element,
                     float x_centre, int texture)
{
    // A navaid's heading may be 370 or negative: the tables hold 0..360.
    int h = degwrap(heading);
    float c = lookup_cos[h], sn = lookup_sin[h];
    float xp = x_centre + half_x, xm = x_centre - half_x, t = y_top, b = y_bottom, zp = half_z, zm = -half_z;
    // Four walls and the roof, no floor; each winds clockwise seen from outside.
    const float faces[5][4][3] = {
        {{xp, t, zm}, {xp, b, zm}, {xp, b, zp}, {xp, t, zp}},
        {{xp, t, zp}, {xp, b, zp}, {xm, b, zp}, {xm, t, zp}},
        {{xm, t, zp}, {xm, b, zp}, {xm, b, zm}, {xm, t, zm}},
        {{xm, t, zm}, {xm, b, zm}, {xp, b, zm}, {xp, t, zm}},
        {{xm, t, zm}, {xp, t, zm}, {xp, t, zp}, {xm, t, zp}},
    };
    for (int f = 0; f < 5; f++) {
        int e = next_element(slot, element);
        if (e < 0) return;
        obj_poltyp[slot][e] = 4;
        obj_texrgb[slot][e] = texture;
        for (int p = 0; p < 4; p++) {
            const float* q = faces[f][p];
            set_point(obj_xyz[slot][e][p], q[0] * c - q[2] * sn, q[1], q[0] * sn + q[2] * c);
        }
        quad_normal(slot, e);
    }
}

// ---- level objects ------------------------------------------------------------

// What a level's figure is a multiple of: metres, the object's value h, or a
// size drawn afresh for each object (r h, A, B, P, Q).
enum class fig { m, h, rh, a, b, p, q };
static const int fig_kinds = 7;

struct level_fig {
    float k;
    fig of;
};

// One level of a level object: half-width along x, height, half-depth along
// z. Levels a type leaves out are (0, 0, 0).
struct level_row {
    int type, level;
    level_fig hx, y, hz;
};

static const level_row level_rows[] = {
    {obj_tower, 0, {3, fig::m}, {0, fig::m}, {3, fig::m}},
    {obj_tower, 1, {3, fig::m}, {19, fig::m}, {3, fig::m}},
    {obj_tower, 2, {5, fig::m}, {23, fig::m}, {5, fig::m}},
    {obj_tower, 3, {3, fig::m}, {24, fig::m}, {3, fig::m}},
    {obj_building, 0, {1, fig::rh}, {0, fig::m}, {1, fig::rh}},
    {obj_building, 1, {1, fig::rh}, {1, fig::h}, {1, fig::rh}},
    {obj_mast, 1, {0, fig::m}, {1, fig::h}, {0, fig::m}},    // a pole: level 0 is the point at its foot
    {obj_pylon, 1, {0, fig::m}, {1, fig::h}, {0, fig::m}},
    {obj_headed_tower, 0, {0.35f, fig::h}, {0, fig::m}, {0.35f, fig::h}},
    {obj_headed_tower, 1, {0.25f, fig::h}, {0.4f, fig::h}, {0.25f, fig::h}},
    {obj_headed_tower, 2, {0.2f, fig::h}, {0.8f, fig::h}, {0.2f, fig::h}},
    {obj_headed_tower, 3, {0.25f, fig::h}, {1, fig::h}, {0.25f, fig::h}},
    {obj_chimney, 0, {0.05f, fig::h}, {0, fig::m}, {0.05f, fig::h}},
    {obj_chimney, 1, {0.025f, fig::h}, {1, fig::h}, {0.025f, fig::h}},
    {90, 0, {1, fig::a}, {0, fig::m}, {1, fig::a}},
    {90, 1, {1, fig::a}, {0.94f, fig::h}, {1, fig::a}},
    {90, 2, {0.9f, fig::a}, {0.97f, fig::h}, {0.9f, fig::a}},
    {90, 3, {0.9f, fig::a}, {1, fig::h}, {0.9f, fig::a}},
    {91, 0, {1, fig::b}, {0, fig::m}, {1, fig::b}},
    {91, 1, {1, fig::a}, {0.1f, fig::h}, {1, fig::a}},
    {91, 2, {1, fig::a}, {0.9f, fig::h}, {1, fig::a}},
    {91, 3, {1, fig::b}, {1, fig::h}, {1, fig::b}},
    {92, 0, {1, fig::b}, {0, fig::m}, {1, fig::b}},
    {92, 1, {1, fig::b}, {0.1f, fig::h}, {1, fig::b}},
    {92, 2, {1, fig::a}, {0.1f, fig::h}, {1, fig::a}},
    {92, 3, {1, fig::a}, {1, fig::h}, {1, fig::a}},
    {93, 0, {1, fig::p}, {0, fig::m}, {1, fig::q}},
    {93, 1, {1, fig::p}, {0.15f, fig::h}, {0.6f, fig::q}},
    {93, 2, {1, fig::p}, {0.3f, fig::h}, {0.4f, fig::q}},
    {93, 3, {1, fig::p}, {1, fig::h}, {0.4f, fig::q}},
    {obj_hangar, 0, {10, fig::m}, {0, fig::m}, {20, fig::m}},
    {obj_hangar, 1, {10, fig::m}, {5, fig::m}, {20, fig::m}},
    {obj_hangar, 2, {11, fig::m}, {5.1f, fig::m}, {20, fig::m}},
    {obj_hangar, 3, {1, fig::m}, {6, fig::m}, {20, fig::m}},
};
static const int level_row_count = (int)(sizeof level_rows / sizeof level_rows[0]);

static int is_level_type(int type)
{
    for (int k = 0; k < level_row_count; k++)
        if (level_rows[k].type == type) return 1;
    return 0;
}

// Levels 0 to 3 of a level object of height h into elements 0 to 3, each a
// rectangle of points (-hx, y, +hz), (-hx, y, -hz), (+hx, y, -hz), (+hx, y, +hz).
static void build_levels(int s, int type, float h)
{
    // Only the sizes the type uses are drawn, in this order.
    float size[fig_kinds] = {1, h, 0, 0, 0, 0, 0};
    if (type == obj_building) size[(int)fig::rh] = fltrand(0.2f, 0.4f) * h;
    if (type >= 90 && type <= 92) size[(int)fig::a] = fltrand(30, 40);
    if (type == 91 || type == 92) size[(int)fig::b] = fltrand(20, 30);
    if (type == 93) {
        size[(int)fig::p] = fltrand(40, 50);
        size[(int)fig::q] = fltrand(30, 40);
    }
    for (int k = 0; k < level_row_count; k++) {
        const level_row& r = level_rows[k];
        if (r.type != type) continue;
        float hx = r.hx.k * size[(int)r.hx.of], y = r.y.k * size[(int)r.y.of], hz = r.hz.k * size[(int)r.hz.of];
        float(*p)[3] = obj_xyz[s][r.level];
        set_point(p[0], -hx, y, hz);
        set_point(p[1], -hx, y, -hz);
        set_point(p[2], hx, y, -hz);
        set_point(p[3], hx, y, hz);
    }
    // Tall buildings 90 to 92 over 250 m carry a helipad roof: 94 to 96.
    int pad = type - obj_tall_first + obj_helipad_first;
    obj_type[s] = pad >= obj_helipad_first && pad <= obj_helipad_last && h > 250 ? pad : type;
}

// ---- navaid huts --------------------------------------------------------------

// Line colours, packed in tenths of r, g, b.
static const int colour_ndb_wires = 50505;
static const int colour_localizer_legs = 20202;
static const int colour_glide_slope_red = 80101;
static const int colour_glide_slope_white = 80808;
static const int colour_marker_frame = 40404;

// The VOR's rings of ten quadrilaterals, each from radius r1 at height y1 to
// r2 at y2: joined in this order, each faces outward (the deck faces down,
// being the underside of the counterpoise).
struct vor_ring {
    float r1, y1, r2, y2;
};
static const vor_ring vor_rings[5] = {
    {7, 6, 7, 0},    // wall
    {9, 6, 7, 6},    // deck
    {9, 7, 9, 6},    // rim
    {4, 7, 9, 7},    // top
    {0, 16, 4, 7},   // cone
};

// The glide slope mast's three legs (x, z), and the marker antenna's cross
// bars (x, height, half-length along z).
static const float glide_slope_legs[3][2] = {{0, -1}, {-0.9f, 0.5f}, {0.9f, 0.5f}};
static const float marker_bars[8][3] = {{-4, 8, 1},   {-3, 7, 1.2f}, {-2, 6, 1.4f}, {-1, 5, 1.6f},
                                        {1, 5, 1.6f}, {2, 6, 1.4f},  {3, 7, 1.2f},  {4, 8, 1}};

// A heading in whole degrees 0..359; a value that is no number faces north.
static int whole_degrees(float deg)
{
    if (!std::isfinite(deg)) return 0;
    return degwrap(intround(fmodf(deg, 360.0f)));
}

static void build_vor(int s, int* e)
{
    for (const vor_ring& r : vor_rings)
        for (int k = 0; k < 10; k++) {
            int q = next_element(s, e);
            if (q < 0) return;
            int a0 = 36 * k, a1 = 36 * (k + 1);
            float(*p)[3] = obj_xyz[s][q];
            set_point(p[0], r.r1 * lookup_sin[a0], r.y1, -r.r1 * lookup_cos[a0]);
            set_point(p[1], r.r2 * lookup_sin[a0], r.y2, -r.r2 * lookup_cos[a0]);
            set_point(p[2], r.r2 * lookup_sin[a1], r.y2, -r.r2 * lookup_cos[a1]);
            set_point(p[3], r.r1 * lookup_sin[a1], r.y1, -r.r1 * lookup_cos[a1]);
            obj_poltyp[s][q] = 4;
            obj_texrgb[s][q] = tex_redwhite;
            quad_normal(s, q);
        }
}

// Seven boxes in a row across the runway's axis, turned to the heading, each on two legs.
static void build_localizer(int s, int* e, float heading)
{
    int h = whole_degrees(heading);
    float c = lookup_cos[h], sn = lookup_sin[h];
    for (int i = -3; i <= 3; i++) {
        float d = 2.0f * (float)i;
        build_obs_shack(0.4f, 2.0f, 1.0f, 1.5f, h, s, e, d, tex_redwhite);
        float x1 = d * c - 1.8f * sn, z1 = d * sn + 1.8f * c;
        float x2 = d * c + 1.8f * sn, z2 = d * sn - 1.8f * c;
        build_obs_line(x1, 0, z1, x1, 1, z1, s, e, colour_localizer_legs);
        build_obs_line(x2, 0, z2, x2, 1, z2, s, e, colour_localizer_legs);
    }
}

static void build_glide_slope(int s, int* e)
{
    build_obs_shack(2, 2, 0, 4, 0, s, e, 4, tex_redwhite);
    for (const float* l : glide_slope_legs) build_obs_line(l[0], 0, l[1], l[0], 14, l[1], s, e, colour_glide_slope_red);
    // The triangle between the legs every metre, in bands of three metres.
    for (int y = 1; y <= 14; y++) {
        int colour = (y / 3) % 2 ? colour_glide_slope_red : colour_glide_slope_white;
        for (int k = 0; k < 3; k++) {
            const float* a = glide_slope_legs[k];
            const float* b = glide_slope_legs[(k + 1) % 3];
            build_obs_line(a[0], (float)y, a[1], b[0], (float)y, b[1], s, e, colour);
        }
    }
}

static void build_marker(int s, int* e)
{
    build_obs_shack(1.5f, 1.5f, 0, 3, 0, s, e, 4, tex_redwhite);
    build_obs_shack(0.2f, 0.2f, 0, 4.1f, 0, s, e, 0, tex_metal);
    build_obs_line(0, 4, 0, -4, 8, 0, s, e, colour_marker_frame);
    build_obs_line(0, 4, 0, 4, 8, 0, s, e, colour_marker_frame);
    for (const float* b : marker_bars) build_obs_line(b[0], b[1], -b[2], b[0], b[1], b[2], s, e, colour_marker_frame);
}

// The hut or antenna of a navaid; only the localizer is turned, to value degrees.
static void build_hut(int s, int type, float value)
{
    int e = -1;
    switch (type) {
    case obj_ndb_hut:
        build_obs_shack(0.2f, 0.2f, 0, 15, 0, s, &e, 0, tex_metal);
        for (int a = 0; a < 360; a += 20)
            build_obs_line(0, 14.8f, 0, 4 * lookup_cos[a], 14.8f, 4 * lookup_sin[a], s, &e, colour_ndb_wires);
        break;
    case obj_vor: build_vor(s, &e); break;
    case obj_localizer: build_localizer(s, &e, value); break;
    case obj_glide_slope: build_glide_slope(s, &e); break;
    case obj_marker: build_marker(s, &e); break;
    }
    obj_type[s] = obj_list_base + e + 1;
}

// ---- custom object files --------------------------------------------------------

int untitled_name(const char* name) { return strncmp(name, "Untitled", strlen(name)) == 0; }

// The texture id of a custom object texture: 1000 + its entry in the run's
// table. A name met for the first time takes the next entry (after 999 the
// first again, whose texture it replaces) and its bitmap is loaded then, once.
static int custom_texture(const char* name)
{
    for (int k = 0; k < obj_textures; k++)
        if (obr.tex_name[k][0] && strncmp(obr.tex_name[k], name, obj_texname_max) == 0) return tex_object_first + k;
    int k = intlim(obr.tex_count, 0, obj_textures - 1);
    snprintf(obr.tex_name[k], sizeof obr.tex_name[k], "%s", name);
    obr.tex_count = k == obj_textures - 1 ? 0 : k + 1;
    load_object_texture(k);
    return tex_object_first + k;
}

void load_object_texture(int k)
{
    int w = 0, h = 0;
    // Opaque: the object drawer tests no alpha for these.
    OGL_texbmp(bmp_shared, tex_object_first + k, bmp_opaque, obr.tex_name[k], &w, &h);
}

// r x 10000 + g x 100 + b; each component held to two digits, so a wild
// number in a file cannot overflow the packing or spill into its neighbour.
static int packed_colour(int r, int g, int b)
{
    return intlim(r, 0, 99) * 10000 + intlim(g, 0, 99) * 100 + intlim(b, 0, 99);
}

// An element's normal from u = p2 - p1 and v = p1 - p0 of its points as
// turned. A point or a line repeats its last point, which makes it straight up.
static void element_normal(int s, int e, int count)
{
    const float* p[3];
    for (int k = 0; k < 3; k++) p[k] = obj_xyz[s][e][k < count ? k : count - 1];
    float u[3], v[3];
    for (int k = 0; k < 3; k++) {
        u[k] = p[2][k] - p[1][k];
        v[k] = p[1][k] - p[0][k];
    }
    find_normal_vects(u, v, obj_nrml[s][e]);
}

// Reads the custom object file name (".OBJ" in obj_path) into slot s, its
// points turned by heading degrees about the reference point. The number of
// elements read, or -1 when the file cannot be opened (no message then).
static int read_custom_object(int s, const char* name, float heading)
{
    // The file is read as text on inf2 while the scenery square that placed
    // the object stays open on inf1: the scanners go back to inf1, binary,
    // with the line end they had, however the reading ends (in the fuzz
    // build a fatal alert throws), and inf2 is closed.
    struct object_scan {
        char eln = x_eln;
        int extra = extra_char_eoln;
        object_scan()
        {
            inf_use = 2;
            inf_is_bin = 0;
        }
        ~object_scan()
        {
            if (inf2.is_open()) inf2.close();
            inf2.clear();
            inf_use = 1;
            inf_is_bin = 1;
            x_eln = eln;
            extra_char_eoln = extra;
        }
    } scan;

    inf2.clear();
    if (inf2.is_open()) inf2.close();
    inf2.clear();
    // A path that does not fit counts as a file that cannot be opened.
    char path[path_max], real[path_max];
    if (snprintf(path, sizeof path, "%s%s.OBJ", obj_path, name) >= (int)sizeof path) return -1;
    host_resolve_path(path, real, path_max);
    inf2.open(real, std::ios::in | std::ios::binary);
    if (!inf2.good()) return -1;

    // The creator mark, then the line end: "A" or "I" alone on the first line.
    int mark = inf2.get();
    if (mark != 'A' && mark != 'I')
        MACIBM_alert("Object files must start with an A or an I (Apple or IBM creator) and then a carriage return!",
                     path, "", "", alert_fatal);
    int eln = inf2.get();
    if (eln == '\r' && inf2.peek() == '\n') eln = inf2.get();
    scancheck(path);
    x_eln = (char)eln;
    extra_char_eoln = 0;

    // A heading that is no number faces north, as the huts do.
    float a = std::isfinite(heading) ? heading * con.degtorad : 0.0f, c = cosf(a), sn = sinf(a);
    int n = 0;
    for (;;) {
        // Read apart from the element: the count after the 51st has no place.
        int count = intscan(path);
        if (count == 99) {
            if (n < obj_elements) obj_poltyp[s][n] = 99;
            break;
        }
        if (count < 1 || count > 4)
            MACIBM_alert("Must have 1, 2, 3, or 4 vertices in each element of the object!", path, "", "", alert_fatal);
        if (n >= obj_elements) MACIBM_alert("Too many polys in the custom object!", path, "", "", alert_fatal);
        obj_poltyp[s][n] = count;
        if (count >= 3) {
            char word[obj_texname_max + 1];
            wrdscan(word, "custom object texture", obj_texname_max + 1, 0);
            // The word's separator goes back, so that skipping the rest of
            // the line ends on this line when the word ends it.
            inf2.unget();
            // "Untitled", or any beginning of it: drawn untextured.
            obj_texrgb[s][n] = untitled_name(word) ? 0 : custom_texture(word);
        } else {
            int r = intscan(path), g = intscan(path), b = intscan(path);
            obj_texrgb[s][n] = packed_colour(r, g, b);
        }
        rln(path);
        for (int v = 0; v < count; v++) {
            float x = fltscan(path), y = fltscan(path), z = fltscan(path);
            rln(path);
            set_point(obj_xyz[s][n][v], x * c - z * sn, y, x * sn + z * c);
        }
        element_normal(s, n, count);
        n++;
    }
    return n;
}

// ---- building an object -------------------------------------------------------------

// The grid index of v between the edges v0 (index 0) and v1 (index last),
// rounded; held to the grid before it becomes an integer, as a point far
// off would overflow the conversion.
static int grid_index(float v, float v0, float v1, int last)
{
    if (!(v1 != v0)) return 0;   // no region laid out
    float f = interp(v0, 0, v1, (float)last, v);
    if (!(f >= 0)) return 0;
    return intround(fltlim(f, 0, (float)last));
}

// Stands the slot on the terrain at its reference point (x, z): every point
// of all its elements is moved by x, z and the ground height there, so the
// ground under the object's other points does not bend it.
static void place(int s, float x, float z)
{
    int i = grid_index(x, env.reg_west_x, env.reg_east_x, region_grid_x - 1);
    int j = grid_index(z, env.reg_south_z, env.reg_north_z, region_grid_z - 1);
    float vx, vy, vz;
    // The terrain alone: a deck or runway under the aircraft is no ground for a building.
    float h = find_local_h(x, z, &vx, &vy, &vz, &i, &j, 0);
    for (int e = 0; e < obj_elements; e++)
        for (int p = 0; p < 4; p++) {
            float* q = obj_xyz[s][e][p];
            set_point(q, q[0] + x, q[1] + h, q[2] + z);
        }
}

void build_obs(float x, float z, float value, const char* name, int type)
{
    int s = obr.cursor + 1;
    if (s < 0 || s >= obj_slots) s = 0;
    obr.cursor = s;
    clear_slot(s);

    if (type == obj_custom) {
        // The scenery record's name field holds 40 characters, not always terminated.
        char file[40];
        snprintf(file, sizeof file, "%.39s", name ? name : "");
        int n = read_custom_object(s, file, value);
        if (n >= 0) obj_type[s] = obj_list_base + n;
    } else if (type >= obj_ndb_hut && type <= obj_marker) {
        build_hut(s, type, value);
    } else if (is_level_type(type)) {
        build_levels(s, type, value);
    }
    // A file that cannot be opened, or a type of no object, leaves the slot empty.
    if (obj_type[s] == 0) return;
    place(s, x, z);
}
