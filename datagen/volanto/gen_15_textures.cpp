// Writes the scene's terrain and tree textures into the program folder given
// as the one argument (ending in '/'):
//   textures/terrain/  256 x 256: the classes "wat" (water), "grs" (dry
//                      grass and chaparral), "mnt" (rock), "sno" (snow) and
//                      "car" (tropical shallows), and their transitions;
//   textures/overlay/  128 x 128: "tree_sumer", "tree_winter", the tree
//                      standing on the bottom centre, magenta around it.
// A transition "a_b_h" has class a where s < 0.5 and b beyond; "a_b_c" has b
// in the quarter disc of radius 0.5 about (s, t) = (1, 0) and a elsewhere.
// s runs along the rows and t up the picture (the bottom row is t = 0). Every
// boundary meets the cell edges at their middles and square to them, where
// the terrain's texture mappings set the neighbouring cells' boundaries, so
// the coasts and slope lines run on from cell to cell. A class is the same
// texel for texel in its own texture and in every transition, away from the
// boundary.
//
// Sections: classes, terrain, trees, main.
//   usage: gen_15_textures <program folder ending in '/'>
#include "bmp_writer.h"
#include "volanto/socal_terrain.h"
#include "volanto/texture_paint.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

static std::string program_folder;

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
    std::string path = program_folder + "textures/terrain/" + name + ".BMP";
    if (write_bmp(path.c_str(), rgb, terrain_size, terrain_size, terrain_size)) return 1;
    fprintf(stderr, "gen_15_textures: cannot write %s\n", path.c_str());
    return 0;
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

static int write_tree(const char* name)
{
    std::string path = program_folder + "textures/overlay/" + name + ".BMP";
    if (write_bmp(path.c_str(), tree, tree_size, tree_size, tree_size)) return 1;
    fprintf(stderr, "gen_15_textures: cannot write %s\n", path.c_str());
    return 0;
}

// ---- main --------------------------------------------------------------------

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_15_textures PROGRAM_FOLDER/\n");
        return 2;
    }
    program_folder = argv[1];
    if (!program_folder.empty() && program_folder.back() != '/') program_folder += '/';
    int ok = 1;
    for (const char* name : terrain_names) ok &= write_terrain(name);
    draw_summer_tree();
    ok &= write_tree("tree_sumer");
    draw_winter_tree();
    ok &= write_tree("tree_winter");
    return ok ? 0 : 1;
}
