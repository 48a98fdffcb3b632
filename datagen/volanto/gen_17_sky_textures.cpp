// Writes the sky's and the fires' textures into the program folder given as
// the one argument (ending in '/'):
//   textures/overlay/  "moon"   128 x 128: the full moon, a grey disc with
//                      darker seas, magenta (transparent) around it;
//                      "cloud"  256 x 256: soft white puffs on black, the
//                      loader taking the brightness as the alpha. The cloud
//                      drawer repeats it once a grid cell, each cell turned a
//                      quarter more than the last, so every edge of the
//                      picture meets every other: near its edges the picture
//                      is the same under each quarter turn and mirror;
//                      "smoke"  128 x 128: one soft round puff, clear at the
//                      edges, its brightness the alpha (the loader draws it
//                      black);
//   textures/fire/     "fire1" .. "fire12"  128 x 128: one cycle of a line
//                      of flames standing on the bottom row, magenta around
//                      them; "fire12" runs on into "fire1".
// s runs along the rows and t up the picture (the bottom row is t = 0).
//
// Sections: keyed pictures, moon, cloud, smoke, fire, main.
//   usage: gen_17_sky_textures <program folder ending in '/'>
#include "volanto/texture_paint.h"

#include <cmath>
#include <cstdio>

static texture_out out = {"gen_17_sky_textures", ""};

const int cloud_size = 256;
const int small_size = 128;
const int aa = 3;   // subsamples a texel edge

static unsigned char pic[cloud_size * cloud_size * 3];

// ---- keyed pictures ----------------------------------------------------------

// A texel of a keyed picture: the colour painted there, and how much of the
// texel the shape covers (0 outside it).
struct keyed_texel {
    rgb_f c;
    float cover;
};

// Every texel from paint(s, t) over aa x aa samples: the key colour where the
// shape covers less than half the texel, else the mean colour of the samples
// it covers.
template <typename F>
static void paint_keyed(int size, F paint)
{
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            rgb_f sum = {0, 0, 0};
            int covered = 0;
            for (int j = 0; j < aa; j++)
                for (int i = 0; i < aa; i++) {
                    keyed_texel k = paint((x + (i + 0.5f) / aa) / size, (y + (j + 0.5f) / aa) / size);
                    if (k.cover < 0.5f) continue;
                    sum = {sum.r + k.c.r, sum.g + k.c.g, sum.b + k.c.b};
                    covered++;
                }
            unsigned char* p = pic + (y * size + x) * 3;
            if (2 * covered < aa * aa) put_key(p);
            else put_opaque(p, scale(sum, 1.0f / covered));
        }
}

// ---- moon --------------------------------------------------------------------

// The disc's radius, of the picture's side.
const float moon_radius = 0.46f;

struct moon_sea {
    float s, t, r;
};

// The large dark plains in the upper left and middle, a smaller one to the
// east, and the darker lowlands joining them.
static const moon_sea moon_seas[] = {
    {0.36f, 0.64f, 0.13f}, {0.52f, 0.58f, 0.09f}, {0.42f, 0.44f, 0.08f}, {0.62f, 0.40f, 0.07f},
    {0.72f, 0.62f, 0.06f}, {0.28f, 0.46f, 0.06f}, {0.55f, 0.72f, 0.05f},
};

static keyed_texel moon_at(float s, float t)
{
    float u = s - 0.5f, v = t - 0.5f, r = hypotf(u, v) / moon_radius;
    if (r > 1) return {{0, 0, 0}, 0};
    rgb_f highland = {214, 212, 204}, sea = {132, 134, 138};
    float shore = 0.04f * fractal(s, t, 8, 3, 801);
    float dark = 0;
    for (const moon_sea& m : moon_seas) dark = fmaxf(dark, smooth(m.r + 0.02f, m.r - 0.02f, hypotf(s - m.s, t - m.t) + shore));
    rgb_f c = mix(highland, sea, dark);
    // Craters: light rims scattered over the highlands, the seas smoother.
    float crater = smooth(0.55f, 0.95f, tiled_noise(s, t, 24, 802)) * (1 - dark);
    c = mix(c, {236, 234, 228}, 0.5f * crater);
    c = scale(c, 1 + 0.05f * fractal(s, t, 16, 2, 803));
    // A little darker toward the limb.
    return {scale(c, 1 - 0.18f * r * r * r), 1};
}

static int write_moon(void)
{
    paint_keyed(small_size, moon_at);
    return write_texture(out, "overlay/", "moon", pic, small_size);
}

// ---- cloud -------------------------------------------------------------------

// A puff at (s, t) of radius r and density a, 0 beyond r.
struct puff {
    float s, t, r, a;
};

// Puffs across the edges. The repeating picture has two edge lines, t = 0
// and s = 0; turned neighbours meet when the density along them is the same
// on both and the same both ways along each. Each puff here comes with its
// half turn about the centre and the mirror images of both in the diagonal
// s = t: together they draw the same along both lines, both ways. Along
// s from 0 to 0.5 (the images fill the rest), at t across the line.
static const puff edge_puffs[] = {
    {0.04f, 0.03f, 0.12f, 0.6f},
    {0.19f, -0.04f, 0.14f, 0.8f},
    {0.34f, 0.05f, 0.13f, 0.75f},
    {0.47f, -0.03f, 0.11f, 0.6f},
};

// Puffs free of any symmetry, on a jittered lattice of lattice x lattice
// cells; they thin out toward the edges and are gone on them.
const int inner_lattice = 5;

static float puff_shape(float d, float r)
{
    float q = 1 - (d / r) * (d / r);
    return q > 0 ? q * q : 0;
}

// The distance from (s, t) to (ps, pt) on the repeating picture.
static float wrapped_distance(float s, float t, float ps, float pt)
{
    float ds = s - ps - floorf(s - ps + 0.5f), dt = t - pt - floorf(t - pt + 0.5f);
    return hypotf(ds, dt);
}

static puff inner_puff(int i, int j)
{
    float cell = 1.0f / inner_lattice;
    float r = cell * (0.85f + 0.3f * terrain_hash(i, j, 815));
    float s = cell * (i + 0.5f + 0.35f * terrain_hash(i, j, 816));
    float t = cell * (j + 0.5f + 0.35f * terrain_hash(i, j, 817));
    return {s, t, r, 0.7f + 0.25f * terrain_hash(i, j, 818)};
}

// 0..1, clear to full.
static float cloud_density(float s, float t)
{
    float clear = 1;
    for (const puff& p : edge_puffs) {
        const float centre[4][2] = {{p.s, p.t}, {1 - p.s, 1 - p.t}, {p.t, p.s}, {1 - p.t, 1 - p.s}};
        for (const auto& c : centre) clear *= 1 - p.a * puff_shape(wrapped_distance(s, t, c[0], c[1]), p.r);
    }
    float edge = fminf(fminf(s, 1 - s), fminf(t, 1 - t));
    float inside = smooth(0.0f, 0.07f, edge);
    for (int j = 0; j < inner_lattice; j++)
        for (int i = 0; i < inner_lattice; i++) {
            puff p = inner_puff(i, j);
            clear *= 1 - inside * p.a * puff_shape(hypotf(s - p.s, t - p.t), p.r);
        }
    float billow = fractal(s, t, 4, 3, 811) * inside;
    return clamp01((1 - clear) * (1 + 0.35f * billow));
}

static int write_cloud(void)
{
    paint_texture(pic, cloud_size, 1, [](float s, float t, int, int) {
        float b = 240 * smooth(0.02f, 0.9f, cloud_density(s, t));
        return rgb_f{b, b, b};
    });
    return write_texture(out, "overlay/", "cloud", pic, cloud_size);
}

// ---- smoke -------------------------------------------------------------------

// A lumpy round puff, thin: a single one leaves the flames showing through,
// many build up. Thickest in the middle and clear well inside the edges.
static rgb_f smoke_at(float s, float t, int, int)
{
    float u = s - 0.5f, v = t - 0.5f;
    float around = atan2f(v, u) / (2 * (float)M_PI) + 0.5f;
    float lump = tiled_noise_st(around, 0.5f, 7, 1, 821) + 0.5f * tiled_noise_st(around, 0.5f, 13, 1, 822);
    float r = hypotf(u, v) / (0.42f + 0.05f * lump);
    float body = smooth(1.0f, 0.0f, r) * (0.9f + 0.1f * fractal(s, t, 4, 3, 823));
    float b = 150 * body * body;
    return {b, b, b};
}

static int write_smoke(void)
{
    paint_texture(pic, small_size, aa, smoke_at);
    return write_texture(out, "overlay/", "smoke", pic, small_size);
}

// ---- fire --------------------------------------------------------------------

const int fire_frames = 12;

struct flame_tongue {
    float s;        // where it stands
    float width;    // half, of the picture's width
    float height;   // of the picture's height, at the middle of its flicker
    float offset;   // its place in the cycle, of a whole cycle
};

static const flame_tongue tongues[] = {
    {0.10f, 0.10f, 0.36f, 0.00f}, {0.24f, 0.09f, 0.56f, 0.35f}, {0.37f, 0.11f, 0.44f, 0.70f},
    {0.50f, 0.12f, 0.68f, 0.15f}, {0.63f, 0.10f, 0.51f, 0.55f}, {0.76f, 0.09f, 0.61f, 0.85f},
    {0.90f, 0.10f, 0.39f, 0.45f},
};

// The flames at phase 0..1 of the cycle: the tongues rise and fall, and the
// flicker climbs up them, both repeating once a cycle.
static keyed_texel fire_at(int frame, float s, float t)
{
    float phase = (float)frame / fire_frames;
    float top = 0.12f;
    for (const flame_tongue& g : tongues) {
        float h = g.height * (0.85f + 0.15f * sinf(2 * (float)M_PI * (phase + g.offset)));
        float across = (s - g.s) / g.width;
        top = fmaxf(top, h * (1 - across * across));
    }
    float flicker = tiled_noise_st(s, t - phase, 12, 3, 831) + 0.5f * tiled_noise_st(s, t - phase, 24, 6, 832);
    float reach = top * (1 + 0.18f * flicker);
    if (t > reach) return {{0, 0, 0}, 0};
    // Hottest at the foot of the flames, reddening toward the tips.
    float heat = clamp01(1 - t / fmaxf(reach, 0.01f) + 0.1f * flicker);
    rgb_f tip = {200, 44, 16}, body = {250, 140, 24}, core = {255, 236, 150};
    rgb_f c = heat < 0.5f ? mix(tip, body, heat * 2) : mix(body, core, (heat - 0.5f) * 2);
    return {c, 1};
}

static int write_fires(void)
{
    int ok = 1;
    for (int k = 0; k < fire_frames; k++) {
        paint_keyed(small_size, [k](float s, float t) { return fire_at(k, s, t); });
        char name[16];
        snprintf(name, sizeof name, "fire%d", k + 1);
        ok &= write_texture(out, "fire/", name, pic, small_size);
    }
    return ok;
}

// ---- main --------------------------------------------------------------------

int main(int argc, char** argv)
{
    if (!texture_out_args(&out, argc, argv)) return 2;
    int ok = write_moon();
    ok &= write_cloud();
    ok &= write_smoke();
    ok &= write_fires();
    return ok ? 0 : 1;
}
