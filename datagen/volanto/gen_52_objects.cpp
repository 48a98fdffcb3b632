// Writes the two custom objects that the shipped scenery squares stand at San
// Bernardino into "additional nav data/custom objects/" of the program folder
// given as the one argument (ending in '/'), and their textures into
// "additional nav data/custom object textures/":
//   "sbd_terminal.OBJ"  the passenger terminal, 80 x 25 x 10 m, with its apron
//                       on the south side (+z) before the record's heading;
//   "sbd_tank.OBJ"      the water tank on four legs, 27.5 m to the roof's tip;
//   "sbd_wall", "sbd_roof", "sbd_tank"  their 128 x 128 textures.
// An object file is "I" on its own line, then each element: its vertex count
// with a texture word (3 or 4 vertices) or r g b in tenths (1 or 2), then one
// "x y z" line a vertex in metres from the reference point (x east, y up,
// z south); 99 ends the list. Each reference point is on the ground at the
// object's centre. Faces wind clockwise seen from outside, so the reader's
// normal (p2 - p1) x (p1 - p0) points outward; the builder checks every face.
//
// Sections: elements, terminal, tank, textures, main.
//   usage: gen_52_objects <program folder ending in '/'>
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "bmp_writer.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

static std::string program_folder;

const char* const objects_folder = "additional nav data/custom objects/";
const char* const object_textures_folder = "additional nav data/custom object textures/";
const char* const tex_wall = "sbd_wall";
const char* const tex_roof = "sbd_roof";
const char* const tex_tank = "sbd_tank";

// ---- elements --------------------------------------------------------------

const int obj_list_end = 99;       // the count that ends the list
const int flasher = 99;            // r, g and b of a flashing red light

struct element_def {
    int count;          // vertices, 1 to 4
    const char* word;   // texture of a face
    int r, g, b;        // tenths, for points and lines
    float p[4][3];
};

// The object being built; faulty once a face winds inward or the list is full.
struct object_def {
    const char* name;
    int count;
    element_def el[obj_elements];
    int faulty;
};

static object_def obj;

static void begin_object(const char* name)
{
    memset(&obj, 0, sizeof obj);
    obj.name = name;
}

static element_def* next_element(void)
{
    if (obj.count >= obj_elements) {
        fprintf(stderr, "gen_52_objects: %s has more than %d elements\n", obj.name, obj_elements);
        obj.faulty = 1;
        return 0;
    }
    return &obj.el[obj.count++];
}

static void set3(float* d, float x, float y, float z)
{
    d[0] = x;
    d[1] = y;
    d[2] = z;
}

// A triangle or quad; inside is a point within the solid the face closes, so
// that each corner's normal, taken as the reader takes it at corner 1, must
// point away from it. The corners of a quad must also lie in one plane.
static void add_face(const char* word, const float inside[3], int n, const float (*pts)[3])
{
    element_def* e = next_element();
    if (!e) return;
    e->count = n;
    e->word = word;
    memcpy(e->p, pts, sizeof(float[3]) * n);
    float centre[3] = {0, 0, 0};
    for (int i = 0; i < n; i++)
        for (int k = 0; k < 3; k++) centre[k] += pts[i][k] / n;
    float out[3] = {centre[0] - inside[0], centre[1] - inside[1], centre[2] - inside[2]};
    for (int i = 0; i < n; i++) {
        const float* a = pts[(i + n - 1) % n];
        const float* b = pts[i];
        const float* c = pts[(i + 1) % n];
        float u[3] = {c[0] - b[0], c[1] - b[1], c[2] - b[2]};
        float v[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
        float nrm[3];
        find_normal_vects(u, v, nrm);
        float off_plane = (pts[0][0] - b[0]) * nrm[0] + (pts[0][1] - b[1]) * nrm[1] + (pts[0][2] - b[2]) * nrm[2];
        if (nrm[0] * out[0] + nrm[1] * out[1] + nrm[2] * out[2] <= 0 || fabsf(off_plane) > 0.01f) {
            fprintf(stderr, "gen_52_objects: %s element %d winds inward or is not flat\n", obj.name, obj.count - 1);
            obj.faulty = 1;
            return;
        }
    }
}

static void add_quad(const char* word, const float inside[3], const float a[3], const float b[3],
                     const float c[3], const float d[3])
{
    float pts[4][3];
    memcpy(pts[0], a, sizeof pts[0]);
    memcpy(pts[1], b, sizeof pts[1]);
    memcpy(pts[2], c, sizeof pts[2]);
    memcpy(pts[3], d, sizeof pts[3]);
    add_face(word, inside, 4, pts);
}

static void add_triangle(const char* word, const float inside[3], const float a[3], const float b[3],
                         const float c[3])
{
    float pts[3][3];
    memcpy(pts[0], a, sizeof pts[0]);
    memcpy(pts[1], b, sizeof pts[1]);
    memcpy(pts[2], c, sizeof pts[2]);
    add_face(word, inside, 3, pts);
}

static void add_line(int r, int g, int b, float x1, float y1, float z1, float x2, float y2, float z2)
{
    element_def* e = next_element();
    if (!e) return;
    e->count = 2;
    e->r = r;
    e->g = g;
    e->b = b;
    set3(e->p[0], x1, y1, z1);
    set3(e->p[1], x2, y2, z2);
}

static void add_light(int r, int g, int b, float x, float y, float z)
{
    element_def* e = next_element();
    if (!e) return;
    e->count = 1;
    e->r = r;
    e->g = g;
    e->b = b;
    set3(e->p[0], x, y, z);
}

// A vertical wall from end a to end b, split into panels that each take the
// whole texture. Walking a to b goes clockwise round the building seen from
// above, so a is the right-hand end seen from outside; the quad's first point
// is the top right, as the drawer's texture corners want it.
static void add_wall(const char* word, const float inside[3], float ax, float az, float bx, float bz,
                     float y0, float y1, int panels)
{
    for (int k = 0; k < panels; k++) {
        float x0 = ax + (bx - ax) * k / panels, z0 = az + (bz - az) * k / panels;
        float x1 = ax + (bx - ax) * (k + 1) / panels, z1 = az + (bz - az) * (k + 1) / panels;
        float p[4][3] = {{x0, y1, z0}, {x0, y0, z0}, {x1, y0, z1}, {x1, y1, z1}};
        add_quad(word, inside, p[0], p[1], p[2], p[3]);
    }
}

static float tidy(float v)
{
    return fabsf(v) < 0.005f ? 0.0f : v;   // no "-0.00"
}

static int write_object(void)
{
    if (obj.faulty) return 0;
    std::string path = program_folder + objects_folder + obj.name + ".OBJ";
    FILE* f = fopen(path.c_str(), "wb");
    int ok = f != 0;
    if (ok) {
        fprintf(f, "I\n");
        for (int i = 0; i < obj.count; i++) {
            const element_def& e = obj.el[i];
            if (e.count >= 3)
                fprintf(f, "%d %s\n", e.count, e.word);
            else
                fprintf(f, "%d %d %d %d\n", e.count, e.r, e.g, e.b);
            for (int v = 0; v < e.count; v++)
                fprintf(f, "%.2f %.2f %.2f\n", tidy(e.p[v][0]), tidy(e.p[v][1]), tidy(e.p[v][2]));
        }
        fprintf(f, "%d\n", obj_list_end);
        if (ferror(f)) ok = 0;
        if (fclose(f) != 0) ok = 0;
    }
    if (!ok) fprintf(stderr, "gen_52_objects: cannot write %s\n", path.c_str());
    return ok;
}

// ---- terminal --------------------------------------------------------------

// Two storeys of 5 m, walls of 20 m panels along the building (the wall
// texture is drawn for that size) and one panel at each end.
static int build_terminal(void)
{
    const float hx = 40, hz = 12.5f, top = 10;
    const float inside[3] = {0, top / 2, 0};
    begin_object("sbd_terminal");

    add_wall(tex_wall, inside, hx, -hz, hx, hz, 0, top, 1);      // east
    add_wall(tex_wall, inside, hx, hz, -hx, hz, 0, top, 4);      // south, the apron side
    add_wall(tex_wall, inside, -hx, hz, -hx, -hz, 0, top, 1);    // west
    add_wall(tex_wall, inside, -hx, -hz, hx, -hz, 0, top, 4);    // north, the kerb side

    // Roof in four sheets, north-west, north-east, south-east, south-west.
    for (int k = 0; k < 4; k++) {
        float x0 = -hx + 20 * k, x1 = x0 + 20;
        float p[4][3] = {{x0, top, -hz}, {x1, top, -hz}, {x1, top, hz}, {x0, top, hz}};
        add_quad(tex_roof, inside, p[0], p[1], p[2], p[3]);
    }

    // Railing a metre above the roof, just inside its edge.
    const float rx = hx - 0.2f, rz = hz - 0.2f, ry = top + 1;
    add_line(7, 7, 7, rx, ry, -rz, rx, ry, rz);
    add_line(7, 7, 7, rx, ry, rz, -rx, ry, rz);
    add_line(7, 7, 7, -rx, ry, rz, -rx, ry, -rz);
    add_line(7, 7, 7, -rx, ry, -rz, rx, ry, -rz);

    // Beacon mast over the west end of the roof.
    add_line(5, 5, 5, -30, top, 0, -30, top + 4, 0);
    add_light(flasher, flasher, flasher, -30, top + 4.2f, 0);

    // Apron floodlights: masts along the stands, white lamps on top.
    for (int k = 0; k < 5; k++) {
        float x = -hx + 20 * k;
        add_line(5, 5, 5, x, 0, 30, x, 12, 30);
        add_light(10, 10, 10, x, 12, 30);
    }
    return write_object();
}

// ---- tank ------------------------------------------------------------------

// An octagonal tank from 18 to 25 m with a cone roof and a shallow cone
// floor, on four splayed legs braced in two tiers, with a riser pipe down the
// middle and a steady red light on the roof's tip.
const float tank_radius = 5, tank_bottom = 18, tank_top = 25, tank_tip = 27.5f, tank_sump = 16.5f;
const float tank_foot = 7.5f;   // legs stand this far out on the ground
const int tank_sides = 8;

// Angle a in degrees clockwise from north, at radius r: (r sin a, -r cos a).
static void round_point(double a, float r, float* x, float* z)
{
    a *= 3.14159265358979 / 180;
    *x = (float)(r * sin(a));
    *z = (float)(-r * cos(a));
}

// Leg k (north-east first, clockwise) at height y: the legs run from the
// ground to the tank's diagonal rim points.
static void leg_point(int k, float y, float* x, float* z)
{
    round_point((k % 4) * 90 + 45, tank_foot + (tank_radius - tank_foot) * y / tank_bottom, x, z);
}

static int build_tank(void)
{
    const float inside[3] = {0, (tank_bottom + tank_top) / 2, 0};
    begin_object("sbd_tank");

    const float apex[3] = {0, tank_tip, 0}, sump[3] = {0, tank_sump, 0};
    for (int k = 0; k < tank_sides; k++) {
        float xa, za, xb, zb;
        round_point(k * 360.0 / tank_sides, tank_radius, &xa, &za);
        round_point((k + 1) * 360.0 / tank_sides, tank_radius, &xb, &zb);
        float ta[3] = {xa, tank_top, za}, ba[3] = {xa, tank_bottom, za};
        float tb[3] = {xb, tank_top, zb}, bb[3] = {xb, tank_bottom, zb};
        add_quad(tex_tank, inside, ta, ba, bb, tb);
        add_triangle(tex_roof, inside, ta, tb, apex);
        add_triangle(tex_roof, inside, bb, ba, sump);   // seen from below, the turn reverses
    }

    const float mid = tank_bottom / 2, tiers[3] = {0, mid, tank_bottom};
    float x0, z0, x1, z1;
    for (int k = 0; k < 4; k++) {
        leg_point(k, 0, &x0, &z0);
        leg_point(k, tank_bottom, &x1, &z1);
        add_line(4, 4, 5, x0, 0, z0, x1, tank_bottom, z1);
    }
    for (int k = 0; k < 4; k++) {
        leg_point(k, mid, &x0, &z0);
        leg_point(k + 1, mid, &x1, &z1);
        add_line(5, 5, 5, x0, mid, z0, x1, mid, z1);
        for (int t = 0; t < 2; t++) {
            float lo = tiers[t], hi = tiers[t + 1];
            leg_point(k, lo, &x0, &z0);
            leg_point(k + 1, hi, &x1, &z1);
            add_line(5, 5, 5, x0, lo, z0, x1, hi, z1);
            leg_point(k, hi, &x0, &z0);
            leg_point(k + 1, lo, &x1, &z1);
            add_line(5, 5, 5, x0, hi, z0, x1, lo, z1);
        }
    }
    add_line(4, 4, 4, 0, 0, 0, 0, tank_sump, 0);
    add_light(10, 0, 0, 0, tank_tip + 0.2f, 0);
    return write_object();
}

// ---- textures --------------------------------------------------------------

const int tex_size = 128;
static unsigned char tex[tex_size * tex_size * 3];   // bottom row first

static void put_px(int x, int y, float r, float g, float b)
{
    if (x < 0 || x >= tex_size || y < 0 || y >= tex_size) return;
    unsigned char* p = tex + (y * tex_size + x) * 3;
    p[0] = (unsigned char)intlim((int)r, 0, 255);
    p[1] = (unsigned char)intlim((int)g, 0, 255);
    p[2] = (unsigned char)intlim((int)b, 0, 255);
}

// Mixes a colour over the pixel by a weight 0..1.
static void blend_px(int x, int y, float r, float g, float b, float a)
{
    if (x < 0 || x >= tex_size || y < 0 || y >= tex_size) return;
    const unsigned char* p = tex + (y * tex_size + x) * 3;
    put_px(x, y, p[0] + (r - p[0]) * a, p[1] + (g - p[1]) * a, p[2] + (b - p[2]) * a);
}

// Fixed grain in -1..1 for pixel (x, y), the same at every run.
static float grain(int x, int y, int seed)
{
    unsigned h = (unsigned)x * 374761393u + (unsigned)y * 668265263u + (unsigned)seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffff) / 32767.5f - 1;
}

static int save_texture(const char* name)
{
    std::string path = program_folder + object_textures_folder + name + ".BMP";
    if (write_bmp(path.c_str(), tex, tex_size, tex_size, tex_size)) return 1;
    fprintf(stderr, "gen_52_objects: cannot write %s\n", path.c_str());
    return 0;
}

// Glass darkening towards the floor, with a slanting sheen.
static void glass_px(int x, int y, int y0, int y1)
{
    float t = (float)(y - y0) / (y1 - y0);
    float sheen = ((x + (int)(y * 0.7f)) % 48) < 7 ? 22.0f : 0.0f;
    put_px(x, y, 46 + 40 * t + sheen, 64 + 46 * t + sheen, 84 + 50 * t + sheen);
}

// One 20 x 10 m panel (6.4 texels a metre across, 12.8 up): a dark plinth, a
// glazed ground floor between pillars every 5 m, a terracotta stripe, a ribbon
// of upper windows, and a pale cornice.
static void draw_wall(void)
{
    for (int y = 0; y < tex_size; y++)
        for (int x = 0; x < tex_size; x++) {
            float n = grain(x, y, 1) * 7;
            float r = 212 + n, g = 198 + n, b = 170 + n;            // stucco
            if (y < 6) {
                r = 118 + n; g = 110 + n; b = 100 + n;              // plinth
            } else if (y >= 8 && y < 44 && x % 32 >= 4) {
                glass_px(x, y, 8, 44);                              // shop front
                int bay = x % 32;
                if (bay == 4 || bay == 13 || bay == 22 || y == 8 || y == 34)
                    put_px(x, y, 40, 44, 48);                       // frames
                continue;
            } else if (y >= 55 && y < 58) {
                r = 156 + n; g = 78 + n; b = 54 + n;                // stripe
            } else if (y >= 67 && y < 69) {
                r = 236; g = 230; b = 214;                          // sill
            } else if (y >= 69 && y < 105) {
                glass_px(x, y, 69, 105);                            // upper ribbon
                if (x % 16 < 2 || y == 69 || y == 104) put_px(x, y, 40, 44, 48);
                continue;
            } else if (y >= 117 && y < 119) {
                r = 150 + n; g = 140 + n; b = 120 + n;              // cornice shadow
            } else if (y >= 119) {
                r = 238 + n; g = 232 + n; b = 216 + n;              // cornice
            }
            put_px(x, y, r, g, b);
        }
}

// Standing-seam sheet: light grey with a seam every 16 texels, a little
// weathering, and darker flashing round the edge.
static void draw_roof(void)
{
    for (int y = 0; y < tex_size; y++)
        for (int x = 0; x < tex_size; x++) {
            float stain = 6 * sinf(x * 0.09f + 1.3f) * sinf(y * 0.07f) + 5 * sinf((x + y) * 0.05f);
            float v = 168 + grain(x, y, 2) * 5 + stain;
            if (x % 16 == 0) v = 204;                 // seam's lit side
            else if (x % 16 == 1) v = 126;            // and its shadow
            if (x < 2 || y < 2 || x >= tex_size - 2 || y >= tex_size - 2) v = 118;
            put_px(x, y, v, v + 2, v);
        }
}

// Painted plates of the tank: off-white with welded seams, a blue band with
// dark edges, a few rust streaks under the lower seams, and a darker lower rim.
static void draw_tank(void)
{
    for (int y = 0; y < tex_size; y++)
        for (int x = 0; x < tex_size; x++) {
            float n = grain(x, y, 3) * 4;
            float shade = 10 * (float)y / tex_size;
            float r = 214 + n + shade, g = 222 + n + shade, b = 228 + n + shade;
            if (y >= 78 && y < 94) {
                r = 38 + n; g = 92 + n; b = 164 + n;
            }
            if (y == 77 || y == 94) {
                r = 26; g = 58; b = 118;
            }
            if (y == 32 || y == 64 || y == 112 || x == 0) {
                r -= 24; g -= 22; b -= 20;
            }
            if (y < 3) {
                r -= 60; g -= 60; b -= 56;
            }
            put_px(x, y, r, g, b);
        }
    for (int x = 2; x < tex_size - 2; x += 2) {
        if (grain(x, 0, 4) < 0.75f) continue;
        int seam = grain(x, 1, 4) < 0 ? 32 : 64;
        int length = 10 + (int)((grain(x, 2, 4) + 1) * 8);
        for (int d = 1; d <= length; d++) {
            float a = 0.45f * (1 - (float)d / length);
            blend_px(x, seam - d, 140, 96, 64, a);
            blend_px(x + 1, seam - d, 140, 96, 64, a * 0.6f);
        }
    }
}

// ---- main ------------------------------------------------------------------

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_52_objects PROGRAM_FOLDER/\n");
        return 2;
    }
    program_folder = argv[1];
    if (!program_folder.empty() && program_folder.back() != '/') program_folder += '/';
    int ok = 1;
    ok &= build_terminal();
    ok &= build_tank();
    draw_wall();
    ok &= save_texture(tex_wall);
    draw_roof();
    ok &= save_texture(tex_roof);
    draw_tank();
    ok &= save_texture(tex_tank);
    return ok ? 0 : 1;
}
