// The painting helpers the texture generators share: colours as floats in
// 0..255, tiling noise from the terrain's own hash, and painting a picture
// and writing it where the loader looks.
#pragma once
#include "bmp_writer.h"
#include "volanto/socal_terrain.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

struct rgb_f {
    float r, g, b;
};

static inline rgb_f mix(rgb_f a, rgb_f b, float k)
{
    return {a.r + (b.r - a.r) * k, a.g + (b.g - a.g) * k, a.b + (b.b - a.b) * k};
}

static inline rgb_f scale(rgb_f a, float k) { return {a.r * k, a.g * k, a.b * k}; }

static inline float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

static inline float smooth(float e0, float e1, float v)
{
    float k = clamp01((v - e0) / (e1 - e0));
    return k * k * (3 - 2 * k);
}

static inline void put_rgb(unsigned char* p, rgb_f c)
{
    p[0] = (unsigned char)lroundf(255 * clamp01(c.r / 255));
    p[1] = (unsigned char)lroundf(255 * clamp01(c.g / 255));
    p[2] = (unsigned char)lroundf(255 * clamp01(c.b / 255));
}

// ---- noise -------------------------------------------------------------------

// Smooth noise in -1..1 over the unit square, `cs` features across s and
// `ct` up t, that repeats at the square's edges so a texture of it tiles
// without a seam.
static inline float tiled_noise_st(float s, float t, int cs, int ct, uint32_t layer)
{
    float x = s * cs, y = t * ct, fx = floorf(x), fy = floorf(y);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    int i0 = ((int)fx % cs + cs) % cs, j0 = ((int)fy % ct + ct) % ct;
    int i1 = (i0 + 1) % cs, j1 = (j0 + 1) % ct;
    float a = terrain_hash(i0, j0, layer), b = terrain_hash(i1, j0, layer);
    float c = terrain_hash(i0, j1, layer), d = terrain_hash(i1, j1, layer);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

// The same with `cells` features both ways.
static inline float tiled_noise(float s, float t, int cells, uint32_t layer)
{
    return tiled_noise_st(s, t, cells, cells, layer);
}

// Octaves from `cells` across, each twice as fine and half as strong; about -1..1.
static inline float fractal(float s, float t, int cells, int octaves, uint32_t layer)
{
    float sum = 0, amp = 1, norm = 0;
    for (int k = 0; k < octaves; k++) {
        sum += amp * tiled_noise(s, t, cells << k, layer + 17 * k);
        norm += amp;
        amp *= 0.5f;
    }
    return sum / norm;
}

// A texel's own grain in -1..1.
static inline float grain(int x, int y, uint32_t layer) { return terrain_hash(x, y, 300 + layer); }

const unsigned char key_r = 255, key_g = 0, key_b = 255;   // the loader's transparent colour

// A painted texel: never the key colour itself, which would punch a hole.
static inline void put_opaque(unsigned char* p, rgb_f c)
{
    put_rgb(p, c);
    if (p[0] == key_r && p[1] == key_g && p[2] == key_b) p[1] = 1;
}

// A see-through texel.
static inline void put_key(unsigned char* p)
{
    p[0] = key_r;
    p[1] = key_g;
    p[2] = key_b;
}

// ---- pictures ----------------------------------------------------------------

// Every texel of the size x size picture rgb (rows of size texels from the
// bottom up) from paint(s, t, x, y), averaged over samples x samples points
// inside the texel so that thin lines come out smooth.
template <typename F>
static void paint_texture(unsigned char* rgb, int size, int samples, F paint)
{
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            rgb_f sum = {0, 0, 0};
            for (int j = 0; j < samples; j++)
                for (int i = 0; i < samples; i++) {
                    rgb_f c = paint((x + (i + 0.5f) / samples) / size, (y + (j + 0.5f) / samples) / size, x, y);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            put_opaque(rgb + (y * size + x) * 3, scale(sum, 1.0f / (samples * samples)));
        }
}

// Where a generator writes its pictures: textures/ under the program folder
// its one argument names; its own name for the messages.
struct texture_out {
    const char* program;
    std::string folder;   // ending in '/'
};

// The program folder from the command line: 0 after the usage line when
// there is none.
static inline int texture_out_args(texture_out* out, int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s PROGRAM_FOLDER/\n", out->program);
        return 0;
    }
    out->folder = argv[1];
    if (!out->folder.empty() && out->folder.back() != '/') out->folder += '/';
    return 1;
}

// The size x size picture rgb as textures/<sub><name>.BMP.
static inline int write_texture(const texture_out& out, const char* sub, const char* name, const unsigned char* rgb,
                                int size)
{
    std::string path = out.folder + "textures/" + sub + name + ".BMP";
    if (write_bmp(path.c_str(), rgb, size, size, size)) return 1;
    fprintf(stderr, "%s: cannot write %s\n", out.program, path.c_str());
    return 0;
}
