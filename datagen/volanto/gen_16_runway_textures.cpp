// Writes the airport textures into the program folder given as the one
// argument (ending in '/'):
//   textures/asphalt/, textures/concrete/  256 x 256, the 28 pictures of a
//                      runway set each: a section of runway as wide as it is
//                      long, t = 0 at the threshold side, s from the landing
//                      pilot's left to right. The number pictures cover half
//                      the width: "rway_nL" the left half with the tens, and
//                      "rway_nR" the right half with the units, each digit
//                      next to the centre line, so the two read as one number;
//   textures/grass/, dirt/, grav/  the unpaved strips, magenta (transparent)
//                      along their ragged long edges, the two mirrored;
//   textures/surfaces/ "markers" (the sign glyph atlas), "windsock", "metal";
//   textures/overlay/  "bsnow", white streaks on black, its brightness the alpha.
// s runs along the rows and t up the picture (the bottom row is t = 0).
// Every runway picture is painted in the section's own frame (u across the
// whole width, v along it), so the halves, stripes and slab joints of
// neighbouring sections line up.
//
// Sections: glyphs, pavement, runway markings, unpaved strips, surfaces, main.
//   usage: gen_16_runway_textures <program folder ending in '/'>
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Startscn.h"
#include "volanto/texture_paint.h"

#include <cmath>
#include <cstdio>

static texture_out out = {"gen_16_runway_textures", ""};

const int tex_size = 256;
const int sub_samples = 4;     // per texel edge, for the painted edges

static unsigned char pic[tex_size * tex_size * 3];

static int write_pic(const char* folder, const char* name, int size)
{
    return write_texture(out, folder, name, pic, size);
}

static void put_solid(int x, int y, int size, rgb_f c) { put_opaque(pic + (y * size + x) * 3, c); }

static void put_clear(int x, int y, int size) { put_key(pic + (y * size + x) * 3); }

// ---- glyphs ------------------------------------------------------------------

// Blocky runway numerals and letters on a 5 x 7 grid, the top row first.
const int glyph_cols = 5;
const int glyph_rows = 7;
const int font_L = 10;        // rows of the table: the letters after the digits
const int font_C = 11;
const int font_R = 12;

static const char* const glyph_table[13][glyph_rows] = {
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},    // 0
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", "..#.."},    // 1
    {".###.", "#...#", "....#", ".###.", "#....", "#....", "#####"},    // 2
    {"####.", "....#", "....#", ".###.", "....#", "....#", "####."},    // 3
    {"#...#", "#...#", "#...#", "#####", "....#", "....#", "....#"},    // 4
    {"#####", "#....", "#....", "####.", "....#", "....#", "####."},    // 5
    {".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."},    // 6
    {"#####", "....#", "...#.", "...#.", "..#..", "..#..", "..#.."},    // 7
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},    // 8
    {".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."},    // 9
    {"#....", "#....", "#....", "#....", "#....", "#....", "#####"},    // L
    {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."},    // C
    {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"},    // R
};

struct box {
    float u0, v0, u1, v1;
};

static int in_box(const box& b, float u, float v) { return u >= b.u0 && u < b.u1 && v >= b.v0 && v < b.v1; }

// 1 where glyph g, stretched over b upright (its top at v1), is painted.
static int glyph_at(int g, const box& b, float u, float v)
{
    if (!in_box(b, u, v)) return 0;
    // At v = v0 the row count comes out one past the table: held to it.
    int col = intmin2((int)((u - b.u0) / (b.u1 - b.u0) * glyph_cols), glyph_cols - 1);
    int row = intmin2((int)((b.v1 - v) / (b.v1 - b.v0) * glyph_rows), glyph_rows - 1);
    return glyph_table[g][row][col] == '#';
}

// ---- pavement ----------------------------------------------------------------

enum pavement_kind { pave_asphalt, pave_concrete };

// Dark grey asphalt, its aggregate showing; light concrete in slabs a
// quarter of the section square, with dark joints between them.
static rgb_f pavement_at(pavement_kind kind, float u, float v, int x, int y)
{
    float tone = fractal(u, v, 4, 3, 401), fine = tiled_noise(u, v, 32, 402);
    if (kind == pave_asphalt) {
        rgb_f base = {64, 65, 68};
        return scale(base, 1 + 0.06f * tone + 0.03f * fine + 0.07f * grain(x, y, 41));
    }
    rgb_f base = {176, 174, 166};
    float slab = terrain_hash((int)floorf(u * 4), (int)floorf(v * 4), 403);   // each slab its own shade
    return scale(base, 1 + 0.012f * slab + 0.04f * tone + 0.02f * fine + 0.03f * grain(x, y, 42));
}

// 1 on a joint between slabs: within `half_width` of a quarter line.
static int on_joint(float u, float v, float half_width)
{
    float du = fabsf(u * 4 - roundf(u * 4)) / 4, dv = fabsf(v * 4 - roundf(v * 4)) / 4;
    return du < half_width || dv < half_width;
}

// ---- runway markings ---------------------------------------------------------

// Where the marks lie in the section (u, v), as shares of the width.
const float stripe_in = 0.030f, stripe_out = 0.048f;     // side stripes from each edge
const float dash_half = 0.012f;                           // centre-line dash, half width
const float dash_v0 = 0.15f, dash_v1 = 0.85f;
const float digit_gap = 0.025f;                           // from the centre line to a digit
const float digit_w = 0.19f, glyph_v0 = 0.18f, glyph_v1 = 0.82f;
const float bar_first = 0.07f, bar_w = 0.036f, bar_pitch = 0.068f;   // threshold bars
const int bars_a_side = 6;
const float tdz_inner = 0.16f, tdz_w = 0.034f, tdz_pitch = 0.064f, tdz_v0 = 0.25f, tdz_v1 = 0.75f;
const float aim_inner = 0.16f, aim_outer = 0.30f, aim_v0 = 0.05f, aim_v1 = 0.95f;
const float taxi_half = 0.012f;

static int side_stripe(float u) { return fminf(u, 1 - u) >= stripe_in && fminf(u, 1 - u) < stripe_out; }

static int centre_dash(float u, float v) { return fabsf(u - 0.5f) < dash_half && v >= dash_v0 && v < dash_v1; }

// The arrow along the centre line, pointing up the picture to the threshold.
static int arrow(float u, float v)
{
    const float head0 = 0.62f, head1 = 0.9f, head_half = 0.07f;
    if (v >= 0.1f && v < head0) return fabsf(u - 0.5f) < dash_half;
    if (v >= head0 && v < head1) return fabsf(u - 0.5f) < head_half * (head1 - v) / (head1 - head0);
    return 0;
}

static int threshold_bars(float u)
{
    float w = fminf(u, 1 - u) - bar_first;     // mirrored about the centre line
    if (w < 0) return 0;
    int k = (int)(w / bar_pitch);
    return k < bars_a_side && w - k * bar_pitch < bar_w;
}

// `pairs` bars on each side of the centre line, from the inside out.
static int zone_bars(int pairs, float u, float v)
{
    if (v < tdz_v0 || v >= tdz_v1) return 0;
    float w = fabsf(u - 0.5f) - tdz_inner;
    if (w < 0) return 0;
    int k = (int)(w / tdz_pitch);
    return k < pairs && w - k * tdz_pitch < tdz_w;
}

static int aiming_blocks(float u, float v)
{
    float w = fabsf(u - 0.5f);
    return w >= aim_inner && w < aim_outer && v >= aim_v0 && v < aim_v1;
}

// 1 where picture k has white paint at (u, v) of its section.
static int white_at(int k, float u, float v)
{
    if (k == rway_turn || k == rway_pave) return 0;
    if (k == rway_disp) return arrow(u, v);
    if (k == rway_linc) return centre_dash(u, v);
    if (k == rway_lint) return centre_dash(u, v) || (side_stripe(u) && v < 0.5f);
    // The rest lie in the touchdown zone, between its side stripes.
    if (side_stripe(u)) return 1;
    if (k < rway_units_first) return glyph_at(k - rway_tens_first, {0.5f - digit_gap - digit_w, glyph_v0, 0.5f - digit_gap, glyph_v1}, u, v);
    if (k < rway_letter_L) return glyph_at(k - rway_units_first, {0.5f + digit_gap, glyph_v0, 0.5f + digit_gap + digit_w, glyph_v1}, u, v);
    if (k < rway_turn) {
        int g = font_L + (k - rway_letter_L);
        return glyph_at(g, {0.5f - digit_w / 2, glyph_v0, 0.5f + digit_w / 2, glyph_v1}, u, v);
    }
    if (k == rway_thld) return threshold_bars(u) && v >= 0.1f && v < 0.7f;
    if (k == rway_fdmk) return centre_dash(u, v) || aiming_blocks(u, v);
    if (k >= rway_tdz1 && k < rway_fdmk) return centre_dash(u, v) || zone_bars(k - rway_tdz1 + 1, u, v);
    return centre_dash(u, v);   // lins
}

// The yellow taxi line: along the taxiway (up t) on "rway_pave", across
// the connector from the runway to the taxiway (along s) on "rway_turn".
static int yellow_at(int k, float u, float v)
{
    if (k == rway_pave) return fabsf(u - 0.5f) < taxi_half;
    if (k == rway_turn) return fabsf(v - 0.5f) < taxi_half;
    return 0;
}

// The section's u at texel column x: the number pictures cover one half.
static float section_u(int k, float x)
{
    float s = x / tex_size;
    if (k < rway_units_first) return 0.5f * s;
    if (k < rway_letter_L) return 0.5f + 0.5f * s;
    return s;
}

static void paint_runway(pavement_kind kind, int k)
{
    const rgb_f white = kind == pave_concrete ? rgb_f{250, 250, 246} : rgb_f{232, 232, 228};
    const rgb_f yellow = {228, 178, 36};
    const float joint_dark = kind == pave_concrete ? 0.72f : 1.0f;
    for (int y = 0; y < tex_size; y++)
        for (int x = 0; x < tex_size; x++) {
            float uc = section_u(k, x + 0.5f), vc = (y + 0.5f) / tex_size;
            rgb_f c = pavement_at(kind, uc, vc, x, y);
            // How much of the texel each mark covers.
            int n_white = 0, n_yellow = 0, n_joint = 0;
            for (int j = 0; j < sub_samples; j++)
                for (int i = 0; i < sub_samples; i++) {
                    float u = section_u(k, x + (i + 0.5f) / sub_samples);
                    float v = (y + (j + 0.5f) / sub_samples) / tex_size;
                    n_white += white_at(k, u, v);
                    n_yellow += yellow_at(k, u, v);
                    n_joint += on_joint(u, v, 0.6f / tex_size);
                }
            const float all = sub_samples * sub_samples;
            c = scale(c, 1 + (joint_dark - 1) * n_joint / all);
            // Paint worn thin in places.
            float wear = 0.88f + 0.12f * tiled_noise(uc, vc, 16, 404);
            c = mix(c, white, wear * n_white / all);
            c = mix(c, yellow, wear * n_yellow / all);
            put_solid(x, y, tex_size, c);
        }
}

static int write_runway_set(pavement_kind kind)
{
    const char* folder = kind == pave_asphalt ? "asphalt/" : "concrete/";
    int ok = 1;
    for (int k = 0; k < rway_set_size; k++) {
        paint_runway(kind, k);
        ok &= write_pic(folder, runway_set_names[k], tex_size);
    }
    return ok;
}

// ---- unpaved strips ----------------------------------------------------------

enum strip_kind { strip_grass, strip_dirt, strip_gravel };

// How far in from either long edge the strip is ragged at v: the same on
// both, so a section turned end for end meets its neighbour without a step.
static float ragged_edge(float v)
{
    return 0.035f + 0.03f * (1 + fractal(0, v, 8, 3, 411));
}

static rgb_f strip_at(strip_kind kind, float u, float v, int x, int y)
{
    if (kind == strip_grass) {
        // Mown grass in lengthwise bands.
        rgb_f light = {128, 146, 74}, dark = {104, 124, 60};
        rgb_f c = mix(light, dark, (int)floorf(u * 8) % 2 ? 0.6f : 0.1f);
        return scale(c, 1 + 0.08f * fractal(u, v, 8, 3, 412) + 0.08f * grain(x, y, 43));
    }
    if (kind == strip_dirt) {
        // Packed earth, darker in the two wheel tracks.
        rgb_f earth = {156, 122, 86}, track = {120, 92, 64};
        float rut = fminf(fabsf(u - 0.38f), fabsf(u - 0.62f));
        rgb_f c = mix(earth, track, 0.7f * (1 - smooth(0.02f, 0.07f, rut)));
        return scale(c, 1 + 0.08f * fractal(u, v, 8, 3, 413) + 0.06f * grain(x, y, 44));
    }
    // Gravel: grey-brown stones, each texel its own.
    rgb_f stone = {152, 146, 134};
    return scale(stone, 1 + 0.05f * fractal(u, v, 8, 2, 414) + 0.16f * grain(x, y, 45));
}

static int write_strip(strip_kind kind, const char* folder, const char* name)
{
    for (int y = 0; y < tex_size; y++)
        for (int x = 0; x < tex_size; x++) {
            float u = (x + 0.5f) / tex_size, v = (y + 0.5f) / tex_size;
            float in = fminf(u, 1 - u), edge = ragged_edge(v);
            // Holes a little way in from the edge, where the ground shows
            // through, mirrored too.
            float hole = tiled_noise(in, v, 32, 415 + kind);
            if (in < edge || (in < edge + 0.05f && hole > 0.45f)) put_clear(x, y, tex_size);
            else put_solid(x, y, tex_size, strip_at(kind, u, v, x, y));
        }
    return write_pic(folder, name, tex_size);
}

// ---- surfaces ----------------------------------------------------------------

const int cell_size = tex_size / 4;

// The sign glyph atlas: glyph g in the cell at column g mod 4 and row
// g div 4 from the bottom.
static int write_markers(void)
{
    const rgb_f red = {196, 28, 32}, black = {22, 22, 22}, white = {246, 246, 240};
    for (int y = 0; y < tex_size; y++)
        for (int x = 0; x < tex_size; x++) {
            int g = (y / cell_size) * 4 + x / cell_size;
            int face = g, on_black = g >= marker_distance_first && g < marker_blank;
            if (g == marker_L) face = font_L;
            else if (g == marker_R) face = font_R;
            else if (on_black) face = g - marker_distance_first + 1;   // the distance faces 1 to 3
            rgb_f ground = on_black ? black : red;
            int n = 0;
            if (g != marker_blank)
                for (int j = 0; j < sub_samples; j++)
                    for (int i = 0; i < sub_samples; i++) {
                        float u = (x % cell_size + (i + 0.5f) / sub_samples) / cell_size;
                        float v = (y % cell_size + (j + 0.5f) / sub_samples) / cell_size;
                        n += glyph_at(face, {0.22f, 0.11f, 0.78f, 0.89f}, u, v);
                    }
            put_solid(x, y, tex_size, mix(ground, white, n / (float)(sub_samples * sub_samples)));
        }
    return write_pic("surfaces/", "markers", tex_size);
}

const int small_size = 128;

// Five bands up the sock, orange at the mast and at the tip.
static int write_windsock(void)
{
    const rgb_f orange = {236, 102, 24}, white = {242, 240, 234};
    paint_texture(pic, small_size, 1, [&](float s, float t, int, int y) {
        int band = y * 5 / small_size;
        return scale(band % 2 ? white : orange, 1 + 0.04f * tiled_noise(s, t, 16, 421));
    });
    return write_pic("surfaces/", "windsock", small_size);
}

// Brushed steel: fine streaks along s.
static int write_metal(void)
{
    const rgb_f steel = {150, 153, 158};
    paint_texture(pic, small_size, 1, [&](float s, float t, int, int) {
        float brush = tiled_noise_st(s, t, 2, 64, 431) + 0.5f * tiled_noise_st(s, t, 4, 128, 432);
        return scale(steel, 1 + 0.06f * brush + 0.03f * fractal(s, t, 4, 2, 433));
    });
    return write_pic("surfaces/", "metal", small_size);
}

// Blowing snow: long white wisps along s on black; the loader takes the
// brightness as the alpha.
static int write_snow(void)
{
    paint_texture(pic, tex_size, 1, [](float s, float t, int, int) {
        float wisp = tiled_noise_st(s, t, 4, 48, 441) + 0.5f * tiled_noise_st(s, t, 8, 96, 442);
        float gust = 0.5f + 0.5f * fractal(s, t, 2, 2, 443);
        float k = smooth(0.3f, 1.1f, wisp) * (0.4f + 0.6f * gust);
        return scale({236, 240, 246}, k);
    });
    return write_pic("overlay/", "bsnow", tex_size);
}

// ---- main --------------------------------------------------------------------

int main(int argc, char** argv)
{
    if (!texture_out_args(&out, argc, argv)) return 2;
    int ok = write_runway_set(pave_asphalt);
    ok &= write_runway_set(pave_concrete);
    ok &= write_strip(strip_grass, "grass/", "rway_gras");
    ok &= write_strip(strip_dirt, "dirt/", "rway_dirt");
    ok &= write_strip(strip_gravel, "grav/", "rway_grav");
    ok &= write_markers();
    ok &= write_windsock();
    ok &= write_metal();
    ok &= write_snow();
    return ok ? 0 : 1;
}
