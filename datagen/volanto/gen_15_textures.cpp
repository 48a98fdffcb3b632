// Writes the scene's terrain and tree textures into the program folder given
// as the one argument (ending in '/'):
//   textures/terrain/  256 x 256: the classes "wat" (water), "grs" (dry
//                      grass and chaparral), "mnt" (rock), "sno" (snow) and
//                      "car" (tropical shallows), and their transitions;
//   textures/overlay/  128 x 128: "tree_sumer", "tree_winter", the tree
//                      standing on the bottom centre, magenta around it;
//                      "wake1", "wake2", a wake's centre and side strips,
//                      foam on black (the loader takes brightness as alpha);
//   textures/buildings/ 256 x 256 walls with rows of windows, t up the whole
//                      height: "bld_block", "bld_nartop", "bld_tapered",
//                      "bld_narbot", "bld_avon", and "bld_contow" with the
//                      cab's glass band at the top;
//   textures/surfaces/ the ships' and platforms': "deck" (the carrier's whole
//                      flight deck), "tower" (the island's four levels in
//                      bands of t), "hull", "dirty", "pad" (a helideck),
//                      "redwhite" (checks) and "pylon" (a rig's column).
// A transition "a_b_h" has class a where s < 0.5 and b beyond; "a_b_c" has b
// in the quarter disc of radius 0.5 about (s, t) = (1, 0) and a elsewhere.
// s runs along the rows and t up the picture (the bottom row is t = 0). Every
// boundary meets the cell edges at their middles and square to them, where
// the terrain's texture mappings set the neighbouring cells' boundaries, so
// the coasts and slope lines run on from cell to cell. A class is the same
// texel for texel in its own texture and in every transition, away from the
// boundary.
//
// Sections: classes, terrain, trees, painting, buildings, ships and
// platforms, wakes, main.
//   usage: gen_15_textures <program folder ending in '/'>
#include "HL_GRAPH.h"
#include "volanto/socal_terrain.h"
#include "volanto/texture_paint.h"

#include <cmath>
#include <cstdio>
#include <cstring>

static texture_out out = {"gen_15_textures", ""};

const int terrain_size = 256;
const int tree_size = 128;

// ---- classes -----------------------------------------------------------------

enum ground_class { cls_water, cls_grass, cls_rock, cls_snow, cls_shallows, cls_count };

struct class_name {
    const char* name;
    ground_class cls;
};

static const class_name class_names[] = {
    {"wat", cls_water}, {"grs", cls_grass}, {"mnt", cls_rock}, {"sno", cls_snow}, {"car", cls_shallows}};

static int is_wet(ground_class c) { return c == cls_water || c == cls_shallows; }

// Open sea off a dry coast: deep blue-green, long swells and a fine ripple.
static rgb_f water_at(float s, float t, int x, int y)
{
    float tone = fractal(s, t, 4, 3, 1);
    float swell = 0.5f * tiled_noise(s, t, 16, 2) + 0.5f * tiled_noise(s, t, 32, 3);
    rgb_f deep = {26, 62, 98}, lighter = {40, 84, 116};
    rgb_f c = mix(deep, lighter, 0.5f + 0.5f * tone);
    return scale(c, 1 + 0.05f * swell + 0.015f * grain(x, y, 1));
}

// Soft round spots on a jittered lattice of `cells` across, wrapping at the
// edges: 0 off a spot, up to 1 at its centre. About `share` of the lattice
// cells hold one, of radius up to `size` cells.
static float spots(float s, float t, int cells, float share, float size, uint32_t layer)
{
    float x = s * cells, y = t * cells;
    int ci = (int)floorf(x), cj = (int)floorf(y);
    float best = 0;
    for (int dj = -1; dj <= 1; dj++)
        for (int di = -1; di <= 1; di++) {
            int i = ci + di, j = cj + dj;
            int wi = (i % cells + cells) % cells, wj = (j % cells + cells) % cells;
            if ((terrain_hash(wi, wj, layer) + 1) / 2 > share) continue;
            float px = i + 0.5f + 0.4f * terrain_hash(wi, wj, layer + 1);
            float py = j + 0.5f + 0.4f * terrain_hash(wi, wj, layer + 2);
            float r = size * (0.55f + 0.45f * (terrain_hash(wi, wj, layer + 3) + 1) / 2);
            float q = 1 - hypotf(x - px, y - py) / r;
            if (q > best) best = q;
        }
    return smooth(0, 0.35f, best);
}

// Summer-dry grassland: tan grass with olive chaparral in patches and dark
// shrubs dotted about, thickest in the chaparral.
static rgb_f grass_at(float s, float t, int x, int y)
{
    rgb_f tan = {186, 166, 116}, straw = {200, 182, 132}, olive = {124, 122, 76}, shrub = {84, 88, 54};
    float patch = fractal(s, t, 4, 4, 11);
    rgb_f c = mix(tan, straw, smooth(-0.2f, 0.6f, fractal(s, t, 8, 3, 12)));
    c = mix(c, olive, 0.5f * smooth(-0.1f, 0.5f, patch));
    float share = 0.15f + 0.3f * smooth(-0.2f, 0.4f, patch);
    c = mix(c, shrub, 0.85f * spots(s, t, 48, share, 0.42f, 13));
    return scale(c, 1 + 0.04f * grain(x, y, 2) + 0.03f * tiled_noise(s, t, 32, 14));
}

// Weathered granite: grey-brown faces mottled light and dark, fine gullies,
// and scrub clinging in the hollows.
static rgb_f rock_at(float s, float t, int x, int y)
{
    rgb_f face = {140, 132, 124}, warm = {154, 138, 118}, dark = {100, 94, 88}, ledge = {178, 172, 162};
    rgb_f scrub = {92, 94, 66};
    rgb_f c = mix(face, warm, smooth(-0.3f, 0.5f, fractal(s, t, 4, 3, 21)));
    float mottle = fractal(s, t, 8, 5, 22);
    c = mix(c, dark, 0.6f * smooth(0.1f, 0.6f, -mottle));
    c = mix(c, ledge, 0.45f * smooth(0.25f, 0.6f, mottle));
    // Gullies: the zero lines of a noise, broken up so they never close.
    float gully = 1 - fabsf(fractal(s, t, 8, 4, 23));
    c = mix(c, dark, 0.55f * smooth(0.93f, 0.99f, gully) * smooth(0.0f, 0.3f, fractal(s, t, 8, 2, 25)));
    c = mix(c, scrub, 0.8f * spots(s, t, 64, 0.25f * smooth(0.0f, 0.5f, -mottle), 0.4f, 24));
    return scale(c, 1 + 0.06f * grain(x, y, 3));
}

// Snow cover: near white, shaded blue-grey in the hollows.
static rgb_f snow_at(float s, float t, int x, int y)
{
    rgb_f bright = {240, 243, 248}, shade = {206, 215, 230};
    rgb_f c = mix(bright, shade, 0.5f * smooth(-0.2f, 0.8f, fractal(s, t, 4, 4, 31)));
    return scale(c, 1 + 0.012f * grain(x, y, 4));
}

// Tropical shallows: turquoise over sand, darker where the bottom is reef.
static rgb_f shallows_at(float s, float t, int x, int y)
{
    rgb_f turq = {56, 180, 194}, sand = {128, 212, 204}, reef = {44, 132, 160};
    rgb_f c = mix(turq, sand, 0.6f * smooth(0.0f, 0.6f, fractal(s, t, 4, 3, 41)));
    c = mix(c, reef, 0.45f * smooth(0.2f, 0.7f, fractal(s, t, 8, 4, 42)));
    return scale(c, 1 + 0.03f * tiled_noise(s, t, 32, 43) + 0.015f * grain(x, y, 5));
}

static rgb_f class_at(ground_class c, float s, float t, int x, int y)
{
    switch (c) {
    case cls_water: return water_at(s, t, x, y);
    case cls_grass: return grass_at(s, t, x, y);
    case cls_rock: return rock_at(s, t, x, y);
    case cls_snow: return snow_at(s, t, x, y);
    default: return shallows_at(s, t, x, y);
    }
}

// ---- terrain -----------------------------------------------------------------

const float edge_soft = 0.012f;      // half the width of the blend across a boundary
const float edge_wander = 0.035f;    // how far a boundary strays from its line
const float beach_width = 0.012f;    // the sand strip on the land side of a shore
const float shelf_width = 0.06f;     // the lighter water off a shore

struct terrain_def {
    ground_class a, b;
    char shape;        // 0 one class; 'h' half; 'c' corner
};

// "a", "a_b_h" or "a_b_c" with a and b class names; 0 for any other name.
static int parse_terrain(const char* name, terrain_def* def)
{
    char part[3][8] = {{0}};
    int n = 0;
    for (const char* p = name; n < 3; p++) {
        size_t len = strcspn(p, "_");
        if (len == 0 || len >= sizeof part[0]) return 0;
        memcpy(part[n++], p, len);
        p += len;
        if (*p == 0) break;
    }
    ground_class cls[2] = {cls_count, cls_count};
    for (int k = 0; k < 2 && k < n; k++)
        for (const class_name& c : class_names)
            if (strcmp(part[k], c.name) == 0) cls[k] = c.cls;
    if (n == 1 && cls[0] != cls_count) {
        *def = {cls[0], cls[0], 0};
        return 1;
    }
    if (n == 3 && cls[0] != cls_count && cls[1] != cls_count && cls[0] != cls[1] &&
        (strcmp(part[2], "h") == 0 || strcmp(part[2], "c") == 0)) {
        *def = {cls[0], cls[1], part[2][0]};
        return 1;
    }
    return 0;
}

// Signed distance from the texel to the boundary, positive on class b's side,
// and how far the boundary may stray there: not at all where it meets a cell
// edge, so the neighbours' boundaries meet it.
static float boundary_distance(char shape, float s, float t, float* wander)
{
    if (shape == 'h') {
        *wander = smooth(0, 0.2f, fminf(t, 1 - t));
        return s - 0.5f;
    }
    float u = 1 - s, r = hypotf(u, t);
    float along = r > 0 ? 0.5f * fminf(t, u) / r : 0;   // the boundary point's distance to an edge
    *wander = smooth(0, 0.2f, along);
    return 0.5f - r;
}

// The strip along a shore: sand on dry grass, white sand by the shallows,
// shingle under rock, grey ice under snow.
static rgb_f shore_colour(ground_class land, ground_class sea)
{
    if (land == cls_snow) return {192, 200, 210};
    if (sea == cls_shallows) return {236, 226, 194};
    if (land == cls_rock) return {178, 166, 142};
    return {208, 190, 146};
}

static rgb_f terrain_texel(const terrain_def& def, int x, int y)
{
    float s = (x + 0.5f) / terrain_size, t = (y + 0.5f) / terrain_size;
    rgb_f a = class_at(def.a, s, t, x, y);
    if (!def.shape) return a;
    rgb_f b = class_at(def.b, s, t, x, y);

    float wander;
    float d = boundary_distance(def.shape, s, t, &wander);
    d += edge_wander * wander * fractal(s, t, 8, 3, 51);

    // A shore: a strip of sand on the land side, and lighter water off it.
    if (is_wet(def.a) != is_wet(def.b)) {
        float out = is_wet(def.a) ? -d : d;   // how far out to sea; negative on land
        rgb_f sand = shore_colour(is_wet(def.a) ? def.b : def.a, is_wet(def.a) ? def.a : def.b);
        sand = scale(sand, 1 + 0.04f * grain(x, y, 6));
        rgb_f& wet = is_wet(def.a) ? a : b;
        rgb_f& dry = is_wet(def.a) ? b : a;
        float shelf = 1 - smooth(0, shelf_width, out);
        if (shelf > 0) wet = mix(wet, sand, 0.27f * shelf);
        float beach = 1 - smooth(beach_width, 2 * beach_width, -out);
        if (beach > 0) dry = mix(dry, sand, beach);
    }
    // Exactly the class itself beyond the blend.
    float k = smooth(-edge_soft, edge_soft, d);
    return k <= 0 ? a : (k >= 1 ? b : mix(a, b, k));
}

static int write_terrain(const char* name)
{
    terrain_def def;
    if (!parse_terrain(name, &def)) {
        fprintf(stderr, "gen_15_textures: no classes in %s\n", name);
        return 0;
    }
    static unsigned char rgb[terrain_size * terrain_size * 3];
    for (int y = 0; y < terrain_size; y++)
        for (int x = 0; x < terrain_size; x++)
            put_rgb(rgb + (y * terrain_size + x) * 3, terrain_texel(def, x, y));
    return write_texture(out, "terrain/", name, rgb, terrain_size);
}

// The base set, then the winter and the tropical names the loader puts in
// their places.
static const char* const terrain_names[] = {
    "wat",       "grs_wat_h", "grs_wat_c", "wat_grs_c", "grs",       "grs_mnt_h", "grs_mnt_c",
    "mnt_grs_c", "mnt",       "mnt_wat_h", "mnt_wat_c", "wat_mnt_c", "sno",       "mnt_sno_h",
    "mnt_sno_c", "sno_mnt_c", "sno_mnt_h", "sno_wat_h", "sno_wat_c", "wat_sno_c", "car",
    "grs_car_h", "grs_car_c", "car_grs_c", "mnt_car_h", "mnt_car_c", "car_mnt_c"};

// ---- trees -------------------------------------------------------------------


static unsigned char tree[tree_size * tree_size * 3];

static void tree_clear(void)
{
    for (int k = 0; k < tree_size * tree_size; k++) put_key(tree + k * 3);
}

static void tree_px(int x, int y, rgb_f c)
{
    if (x < 0 || x >= tree_size || y < 0 || y >= tree_size) return;
    put_opaque(tree + (y * tree_size + x) * 3, c);
}

// The trunk from the ground up to `top`, tapering, lit from the left.
static void draw_trunk(int top, float base_half, float top_half, rgb_f bark)
{
    for (int y = 0; y <= top; y++) {
        float half = base_half + (top_half - base_half) * y / top;
        for (int x = 0; x < tree_size; x++) {
            float u = (x + 0.5f - tree_size / 2.0f) / half;
            if (fabsf(u) > 1) continue;
            float light = 1.05f - 0.35f * (u + 1) / 2;
            tree_px(x, y, scale(bark, light * (1 + 0.08f * grain(x, y / 3, 7))));
        }
    }
}

struct leaf_blob {
    float x, y, r;     // texels
};

// A broadleaf: a rounded crown of overlapping clumps on a short trunk, each
// clump lit from the upper left, with leafy ragged edges.
static void draw_summer_tree(void)
{
    tree_clear();
    draw_trunk(52, 6.5f, 3.5f, {92, 70, 50});
    // Two limbs into the crown.
    for (int y = 34; y < 60; y++) {
        int dx = (y - 34) / 2;
        for (int w = -2; w <= 2; w++) {
            tree_px(64 - dx + w, y, {84, 64, 46});
            tree_px(64 + dx + w, y + 2, {76, 58, 42});
        }
    }
    static const leaf_blob clumps[] = {
        {64, 92, 30}, {40, 80, 20}, {88, 80, 21}, {50, 104, 20}, {78, 106, 20}, {64, 112, 14},
        {30, 66, 13}, {98, 66, 14}, {64, 70, 22}, {44, 62, 12},  {84, 60, 12}};
    rgb_f leaf_dark = {38, 66, 30}, leaf_lit = {104, 138, 58};
    for (int y = 0; y < tree_size; y++)
        for (int x = 0; x < tree_size; x++) {
            float best = -1, lit = 0;
            for (const leaf_blob& b : clumps) {
                float dx = (x + 0.5f - b.x) / b.r, dy = (y + 0.5f - b.y) / b.r;
                float rag = 0.12f * terrain_hash(x / 2, y / 2, 61);
                float q = 1 - (dx * dx + dy * dy) + rag;
                if (q <= 0 || q < best) continue;
                best = q;
                // The clump as a ball: its normal against light from the upper left.
                float nz = sqrtf(clamp01(1 - dx * dx - dy * dy));
                lit = clamp01(0.5f * (-0.5f * dx + 0.6f * dy + 0.62f * nz) + 0.45f);
            }
            if (best < 0) continue;
            // The crown darkens towards its foot, where it shades itself.
            float self_shade = smooth(48, 110, (float)y);
            float k = clamp01(lit * (0.55f + 0.45f * self_shade) + 0.18f * grain(x, y, 8));
            tree_px(x, y, mix(leaf_dark, leaf_lit, k));
        }
}

// A snowy conifer: tiers of drooping boughs, dark needles under snow that
// lies thickest on the upper faces.
static void draw_winter_tree(void)
{
    tree_clear();
    draw_trunk(30, 5.0f, 3.0f, {78, 60, 46});
    struct tier {
        float top, foot, half;    // apex row, lowest row, half width at the foot
    };
    static const tier tiers[] = {{124, 92, 18}, {106, 70, 28}, {88, 48, 38}, {68, 22, 48}};
    rgb_f needles = {28, 56, 40}, needles_lit = {48, 82, 56}, snow = {236, 240, 248}, snow_shade = {178, 192, 214};
    for (int y = 0; y < tree_size; y++)
        for (int x = 0; x < tree_size; x++) {
            float u = x + 0.5f - tree_size / 2.0f, v = y + 0.5f;
            int inside = 0;
            float depth = 0;     // 0 at a tier's upper face, growing downward into it
            for (const tier& tr : tiers) {
                float k = (tr.top - v) / (tr.top - tr.foot);     // 0 apex, 1 foot
                if (k < 0 || k > 1.08f) continue;
                float half = tr.half * fminf(k, 1.0f);
                // The boughs droop at their tips: the foot curls down.
                float droop = 4 * (fabsf(u) / (tr.half + 1)) * (fabsf(u) / (tr.half + 1));
                if (fabsf(u) > half + 1.5f * terrain_hash(x, y / 2, 71)) continue;
                if (k > 1 && (k - 1) * (tr.top - tr.foot) > droop) continue;
                // The first tier that holds the texel hangs over those below it.
                inside = 1;
                depth = (tr.top - v) - (tr.top - tr.foot) * fabsf(u) / tr.half;
                break;
            }
            if (!inside) continue;
            float side = clamp01(0.5f - u / 60);      // lit from the left
            rgb_f c = mix(needles, needles_lit, side);
            // Snow lies thick on each tier's upper face and in patches on
            // the boughs below it.
            float clump = tiled_noise(x / 128.0f, y / 128.0f, 16, 72);
            int on_top = depth + 5 * clump < 8;
            int on_bough = fmodf(depth + 3 * clump, 11) < 3 && tiled_noise(x / 128.0f, y / 128.0f, 24, 73) > 0.05f;
            if (on_top) c = mix(snow_shade, snow, side);
            else if (on_bough) c = mix(snow_shade, mix(snow_shade, snow, 0.5f), side);
            tree_px(x, y, scale(c, 1 + 0.06f * grain(x, y, 9)));
        }
}

static int write_tree(const char* name) { return write_texture(out, "overlay/", name, tree, tree_size); }

// ---- painting ----------------------------------------------------------------

const int wall_size = 256;
const int small_size = 128;
const int aa = 3;   // subsamples a texel edge where painted lines cross

static unsigned char pic[wall_size * wall_size * 3];

// The picture painted with aa x aa samples a texel, and written.
template <typename F>
static int paint_and_write(const char* folder, const char* name, int size, F paint)
{
    paint_texture(pic, size, aa, paint);
    return write_texture(out, folder, name, pic, size);
}

static float frac(float v) { return v - floorf(v); }

// Distance from (px, py) to the segment from (ax, ay) to (bx, by).
static float segment_distance(float px, float py, float ax, float ay, float bx, float by)
{
    float dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
    float k = len2 > 0 ? clamp01(((px - ax) * dx + (py - ay) * dy) / len2) : 0;
    return hypotf(px - (ax + k * dx), py - (ay + k * dy));
}

// ---- buildings ---------------------------------------------------------------

// A wall of a building: the whole height of the building from t 0 to 1, one
// wall's width across s. Floors of windows fill the band from t0 to t1; the
// base below it and the crown above it are plain.
struct facade {
    const char* name;
    rgb_f wall, glass, trim;
    int bays, floors;
    float win_w, win_h;    // a window's share of its bay across and of its floor up
    float t0, t1;
    uint32_t layer;
};

static const facade facades[] = {
    // A plain block of any height: concrete, a row of shop windows at its foot.
    {"bld_block", {176, 168, 152}, {58, 70, 84}, {150, 142, 128}, 8, 6, 0.55f, 0.5f, 0.1f, 0.95f, 501},
    // A curtain-wall tower up to its narrower plant floors at 0.94.
    {"bld_nartop", {70, 84, 100}, {104, 134, 162}, {150, 156, 162}, 10, 28, 0.82f, 0.72f, 0.03f, 0.94f, 511},
    // A tower on a wider podium to 0.1 under a wider crown from 0.9.
    {"bld_tapered", {190, 172, 140}, {60, 72, 88}, {150, 132, 104}, 8, 24, 0.5f, 0.6f, 0.1f, 0.9f, 521},
    // A slim white tower rising from its base at 0.1.
    {"bld_narbot", {212, 212, 206}, {70, 100, 112}, {168, 168, 162}, 12, 30, 0.6f, 0.55f, 0.1f, 0.97f, 531},
    // A brick block stepping back: windows in white frames.
    {"bld_avon", {150, 82, 62}, {52, 58, 66}, {226, 222, 210}, 6, 16, 0.45f, 0.6f, 0.05f, 0.95f, 541},
};

static rgb_f facade_at(const facade& f, float s, float t, int x, int y)
{
    rgb_f wall = scale(f.wall, 1 + 0.05f * fractal(s, t, 4, 3, f.layer) + 0.04f * grain(x, y, f.layer));
    if (t < f.t0) {
        // The base: tall panes between piers.
        float u = frac(s * f.bays / 2);
        if (fabsf(u - 0.5f) < 0.36f && t > 0.12f * f.t0 && t < 0.85f * f.t0) return scale(f.glass, 0.8f);
        return scale(f.trim, 0.9f);
    }
    if (t > f.t1) return fabsf(t - (f.t1 + 1) / 2) < 0.25f * (1 - f.t1) ? scale(f.trim, 0.8f) : f.trim;
    float up = (t - f.t0) / (f.t1 - f.t0) * f.floors;
    int floor_no = (int)up, bay = (int)(s * f.bays);
    float u = frac(s * f.bays) - 0.5f, v = frac(up) - 0.55f;
    if (frac(up) < 0.06f) return f.trim;   // the floor slab
    if (fabsf(u) < f.win_w / 2 && fabsf(v) < f.win_h / 2) {
        // Each pane its own shade, and a sheen rising up the glass.
        float pane = 0.85f + 0.15f * terrain_hash(bay, floor_no, f.layer + 1);
        return scale(mix(f.glass, {190, 206, 220}, 0.25f * clamp01(v / f.win_h + 0.5f)), pane);
    }
    if (fabsf(u) < f.win_w / 2 + 0.04f && fabsf(v) < f.win_h / 2 + 0.04f) return f.trim;   // the frame
    return wall;
}

// The control tower: a concrete shaft to t 0.79 with a slot of stair
// windows, the cab's glass band from there to 0.96 between white sills and
// dark mullions, and the dark rim of its roof above.
const float cab_bottom = 19.0f / 24, cab_top = 23.0f / 24;   // the tower's rings: 19 and 23 m of 24

static rgb_f contow_at(float s, float t, int x, int y)
{
    rgb_f concrete = scale({196, 194, 188}, 1 + 0.05f * fractal(s, t, 4, 3, 551) + 0.04f * grain(x, y, 552));
    if (t >= cab_top) return {58, 60, 64};
    if (t >= cab_bottom) {
        float band = (t - cab_bottom) / (cab_top - cab_bottom);
        if (band < 0.12f || band > 0.94f) return {226, 226, 222};
        if (fabsf(frac(s * 4) - 0.5f) > 0.47f) return {48, 52, 56};
        return mix({52, 96, 92}, {150, 190, 186}, 0.35f * band + 0.1f * tiled_noise(s, t, 8, 553));
    }
    if (fabsf(s - 0.5f) < 0.06f && frac(t * 12) > 0.45f && frac(t * 12) < 0.8f && t < cab_bottom - 0.04f)
        return {60, 72, 82};
    if (frac(t * 6) < 0.012f) return scale(concrete, 0.85f);   // the pour joints
    return concrete;
}

static int write_buildings(void)
{
    int ok = 1;
    for (const facade& f : facades)
        ok &= paint_and_write("buildings/", f.name, wall_size,
                              [&](float s, float t, int x, int y) { return facade_at(f, s, t, x, y); });
    return ok & paint_and_write("buildings/", "bld_contow", wall_size, contow_at);
}

// ---- ships and platforms -------------------------------------------------------

// The carrier's flight deck over the deck's extent in the model frame:
// s = 0 at the port edge x -35 to 1 at the starboard edge x 36, t = 0 at
// the stern z 160 to 1 at the bow z -154 (the bow up the picture).
const float deck_x0 = -35, deck_x1 = 36, deck_z_stern = 160, deck_z_bow = -154;

static float line_cover(float d, float half) { return 1 - smooth(half - 0.15f, half + 0.15f, d); }

static rgb_f deck_at(float s, float t, int x, int y)
{
    float mx = deck_x0 + (deck_x1 - deck_x0) * s, mz = deck_z_stern + (deck_z_bow - deck_z_stern) * t;
    rgb_f c = scale({74, 76, 80}, 1 + 0.06f * fractal(s, t, 8, 3, 601) + 0.05f * grain(x, y, 602));

    // The angled deck: its centre line dashed, its edges solid, the wires across
    // it, and the tyres' rubber darkest where they touch down.
    const float ca[2] = {1.25f, 156.835f}, cb[2] = {-26.695f, -58.5f};
    float along = clamp01((deck_z_stern - 4 - mz) / (deck_z_stern - cb[1]));
    float d_centre = segment_distance(mx, mz, ca[0], ca[1], cb[0], cb[1]);
    c = mix(c, {46, 46, 48}, 0.45f * smooth(14, 2, d_centre) * smooth(0.05f, 0.2f, along) * smooth(0.55f, 0.25f, along) *
                                 (0.6f + 0.4f * tiled_noise_st(s, t, 32, 4, 603)));
    if (fmodf(160 - mz, 12) < 6) c = mix(c, {232, 232, 226}, line_cover(d_centre, 0.5f));
    c = mix(c, {232, 232, 226}, line_cover(segment_distance(mx, mz, -10.5f, 158.73f, -35, -46), 0.4f));
    c = mix(c, {232, 232, 226}, line_cover(segment_distance(mx, mz, 13, 154.94f, -18.39f, -71), 0.4f));
    for (int w = 1; w <= 4; w++) {
        float f = 0.2f * w;
        float d = segment_distance(mx, mz, -16 - 7 * f, 136 - 56 * f, 13 - 8 * f, 131 - 55 * f);
        c = mix(c, {34, 34, 36}, line_cover(d, 0.55f));
    }

    // The bow catapults: a slot between pale rails, the hold-back bar at the
    // start, and the blast deflector's plate behind it.
    const float cat_x[2] = {-12.5f, 6}, cat_start[2] = {-55, -62};
    for (int k = 0; k < 2; k++) {
        float dx = fabsf(mx - cat_x[k]);
        if (mz < cat_start[k] && mz > -146) {
            c = mix(c, {150, 150, 146}, line_cover(dx, 0.55f));
            c = mix(c, {28, 28, 30}, line_cover(dx, 0.2f));
        }
        if (dx < 2.5f && fabsf(mz - cat_start[k]) < 0.6f) c = {214, 176, 40};
        if (dx < 3.5f && mz > cat_start[k] + 4 && mz < cat_start[k] + 7)
            c = mix({92, 96, 100}, {70, 72, 76}, (float)(((int)floorf(mz * 2)) & 1));
    }

    // The elevators on the starboard sponson, edged in dashes.
    const float lift[2][4] = {{22, 34, -30, -8}, {22, 34, 66, 88}};   // x0, x1, z0, z1
    for (const auto& e : lift) {
        float ex = fminf(mx - e[0], e[1] - mx), ez = fminf(mz - e[2], e[3] - mz);
        if (ex < 0 || ez < 0) continue;
        c = scale(c, 0.93f);
        float edge = fminf(ex, ez);
        if (edge < 0.5f && fmodf(mx + mz + 100, 4) < 2) c = {214, 214, 208};
    }
    return c;
}

// The island's four levels, bottom up, each on its band of t (island_band):
// doors at the deck, a row of ports, the bridge's two rows of windows, the
// dark top.

static rgb_f tower_at(float s, float t, int x, int y)
{
    rgb_f grey = scale({150, 156, 162}, 1 + 0.04f * fractal(s, t, 4, 3, 611) + 0.04f * grain(x, y, 612));
    for (int b = 1; b < 4; b++)
        if (fabsf(t - island_band[b]) < 0.006f) return scale(grey, 0.7f);
    if (t < island_band[1]) {
        float v = t / island_band[1];
        for (float door : {0.22f, 0.72f})
            if (fabsf(s - door) < 0.05f && v > 0.04f && v < 0.8f) return fabsf(s - door) > 0.043f || v > 0.76f ? scale(grey, 0.75f) : rgb_f{96, 100, 106};
        return frac(v * 3) < 0.03f ? scale(grey, 0.88f) : grey;
    }
    if (t < island_band[2]) {
        float v = (t - island_band[1]) / (island_band[2] - island_band[1]);
        float r = hypotf((frac(s * 8) - 0.5f) * 2.5f, v - 0.5f);
        return r < 0.2f ? mix({40, 46, 54}, {110, 124, 136}, clamp01(0.5f - (v - 0.5f) * 2)) : grey;
    }
    if (t < island_band[3]) {
        float v = (t - island_band[2]) / (island_band[3] - island_band[2]);
        float u = frac(s * 10);
        int low_row = v > 0.22f && v < 0.34f && u > 0.15f && u < 0.85f;
        int bridge = v > 0.66f && v < 0.84f && u > 0.08f && u < 0.92f;
        if (low_row || bridge) return mix({34, 42, 50}, {112, 130, 146}, clamp01(frac(v * 8) * 0.8f));
        return grey;
    }
    return fabsf(t - 0.957f) < 0.01f ? rgb_f{200, 200, 196} : rgb_f{66, 70, 74};
}

// A hull side as the ships draw it, t 0 at the upper edge to 1 at the keel
// side, the waterline at the middle: grey plating above with its seams and
// the rust running down from the scuppers, a black boot-top, red below.
static rgb_f hull_at(float s, float t, int x, int y)
{
    float u = 1 - t;   // up the side
    if (u < 0.45f) return scale({122, 42, 38}, 1 + 0.06f * fractal(s, u, 4, 3, 621) + 0.04f * grain(x, y, 622));
    if (u < 0.5f) return scale({32, 32, 34}, 1 + 0.05f * grain(x, y, 623));
    rgb_f c = scale({128, 134, 140}, 1 + 0.05f * fractal(s, u, 4, 3, 624) + 0.04f * grain(x, y, 625));
    if (frac(s * 16) < 0.012f || fabsf(u - 0.75f) < 0.004f) c = scale(c, 0.84f);
    float scupper = frac(s * 6 + 0.3f);
    float streak = smooth(0.04f, 0.0f, fabsf(scupper - 0.5f)) * smooth(0.5f, 0.95f, u) * (0.5f + 0.5f * tiled_noise_st(s, u, 64, 4, 626));
    return mix(c, {118, 84, 60}, 0.5f * streak);
}

// Grimy steel for roofs, decks and the rigs' floors: oil stains and rust.
static rgb_f dirty_at(float s, float t, int x, int y)
{
    rgb_f c = scale({112, 110, 104}, 1 + 0.06f * fractal(s, t, 4, 3, 631) + 0.06f * grain(x, y, 632));
    c = mix(c, {58, 56, 54}, 0.7f * smooth(0.25f, 0.6f, fractal(s, t, 4, 4, 633)));
    c = mix(c, {132, 86, 54}, 0.6f * smooth(0.35f, 0.7f, fractal(s, t, 8, 3, 634)));
    return c;
}

// A helideck: a white edge, a yellow circle and a white H in it.
static rgb_f pad_at(float s, float t, int x, int y)
{
    rgb_f c = scale({58, 74, 62}, 1 + 0.05f * fractal(s, t, 8, 2, 641) + 0.04f * grain(x, y, 642));
    float u = s - 0.5f, v = t - 0.5f;
    float edge = 0.5f - fmaxf(fabsf(u), fabsf(v));
    if (edge < 0.025f) c = {230, 230, 224};
    float r = hypotf(u, v);
    if (fabsf(r - 0.33f) < 0.022f) c = {226, 190, 40};
    int leg = fabsf(fabsf(u) - 0.08f) < 0.025f && fabsf(v) < 0.15f;
    int bar = fabsf(u) < 0.08f && fabsf(v) < 0.022f;
    if (leg || bar) c = {236, 236, 232};
    return c;
}

// Red and white checks, four each way.
static rgb_f redwhite_at(float s, float t, int, int)
{
    return (((int)(s * 4) + (int)(t * 4)) & 1) ? rgb_f{240, 238, 232} : rgb_f{200, 34, 30};
}

// A rig's painted column, t 0 at the top to 1 at the sea: yellow steel
// streaked with rust, weld rings, and dark growth in the splash zone.
static rgb_f pylon_at(float s, float t, int x, int y)
{
    rgb_f c = scale({198, 162, 46}, 1 + 0.05f * fractal(s, t, 4, 2, 651) + 0.04f * grain(x, y, 652));
    float rust = smooth(0.2f, 0.8f, tiled_noise_st(s, t, 16, 2, 653)) * (0.4f + 0.6f * t);
    c = mix(c, {128, 74, 40}, 0.6f * rust);
    if (fabsf(t - 0.3f) < 0.008f || fabsf(t - 0.6f) < 0.008f) c = scale(c, 0.7f);
    return mix(c, {44, 52, 40}, smooth(0.84f, 0.92f, t + 0.03f * tiled_noise(s, t, 8, 654)));
}

typedef rgb_f (*texel_painter)(float s, float t, int x, int y);

struct surface_picture {
    const char* name;
    int size;
    texel_painter paint;
};

static const surface_picture ship_pictures[] = {
    {"deck", wall_size, deck_at},
    {"dirty", small_size, dirty_at},
    {"pad", wall_size, pad_at},
    {"tower", wall_size, tower_at},
    {"hull", wall_size, hull_at},
    {"redwhite", small_size, redwhite_at},
    {"pylon", small_size, pylon_at},
};

static int write_ships(void)
{
    int ok = 1;
    for (const surface_picture& p : ship_pictures) ok &= paint_and_write("surfaces/", p.name, p.size, p.paint);
    return ok;
}

// ---- wakes -------------------------------------------------------------------

// Foam on black, its brightness the alpha. A strip runs along t from one
// segment to the next, so t tiles; s runs across it and fades out at both
// edges. The centre strip is churned foam streaked along the track; a side
// strip is a broken band brightest toward s 1, the side nearer the track.
static rgb_f wake_at(int side, float s, float t)
{
    float across = side ? smooth(0.0f, 0.6f, s) * smooth(1.0f, 0.8f, s) : smooth(0.0f, 0.3f, s) * smooth(1.0f, 0.7f, s);
    float streak = tiled_noise_st(s, t, 24, 3, 661 + side) * 0.6f + fractal(s, t, 4, 3, 663 + side) * 0.4f;
    float foam = side ? 0.35f + 0.65f * smooth(-0.3f, 0.5f, streak) : 0.55f + 0.45f * streak;
    return scale({244, 246, 248}, clamp01(across * foam));
}

static int write_wakes(void)
{
    auto centre = [](float s, float t, int, int) { return wake_at(0, s, t); };
    auto side = [](float s, float t, int, int) { return wake_at(1, s, t); };
    int ok = paint_and_write("overlay/", "wake1", small_size, centre);
    return ok & paint_and_write("overlay/", "wake2", small_size, side);
}

// ---- main --------------------------------------------------------------------

int main(int argc, char** argv)
{
    if (!texture_out_args(&out, argc, argv)) return 2;
    int ok = 1;
    for (const char* name : terrain_names) ok &= write_terrain(name);
    draw_summer_tree();
    ok &= write_tree("tree_sumer");
    draw_winter_tree();
    ok &= write_tree("tree_winter");
    ok &= write_buildings();
    ok &= write_ships();
    ok &= write_wakes();
    return ok ? 0 : 1;
}
