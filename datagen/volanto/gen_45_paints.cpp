// Writes the aircraft drawing's textures into the program folder given as
// the one argument (ending in '/'):
//   textures/surfaces/ "tire"   128 x 128: one 30-degree segment of a wheel.
//                      s runs round the segment; t runs across the wheel's
//                      profile: the hub at t = 0, the right face to 0.3, its
//                      shoulder to 0.4, the tread to 0.6, then the left
//                      shoulder and face back to the hub at t = 1;
//   textures/overlay/  "pdisc"  128 x 128: a turning propeller seen face on,
//                      its brightness the alpha (the loader draws it black):
//                      a faint haze over the disc and a fainter ring where
//                      the blade tips run, clear outside the disc.
// s runs along the rows and t up the picture (the bottom row is t = 0).
//
// Sections: wheel and propeller disc, main.
//   usage: gen_45_paints <program folder ending in '/'>
#include "bmp_writer.h"
#include "volanto/texture_paint.h"

#include <cmath>
#include <cstdio>
#include <string>

static std::string program_folder;

// ---- wheel and propeller disc ----------------------------------------------------

const int shared_size = 128;

static unsigned char shared_pic[shared_size * shared_size * 3];

static int write_shared(const char* folder, const char* name)
{
    std::string path = program_folder + "textures/" + folder + name + ".BMP";
    if (write_bmp(path.c_str(), shared_pic, shared_size, shared_size, shared_size)) return 1;
    fprintf(stderr, "gen_45_paints: cannot write %s\n", path.c_str());
    return 0;
}

// The tyre across its profile, at t folded onto the right half (0 the hub,
// 0.5 the middle of the tread) and s round the segment.
static rgb_f tire_at(float t, float s, int x, int y)
{
    const rgb_f hub = {168, 170, 174}, hub_rim = {120, 122, 126}, rubber = {34, 34, 36}, worn = {46, 46, 48};
    const float hub_edge = 0.13f, face_edge = 0.3f, tread_edge = 0.4f;
    rgb_f c;
    if (t < hub_edge) {
        // The wheel's hub, a darker lip round it and five bolt heads.
        c = t > hub_edge - 0.025f ? hub_rim : hub;
        int bolt = fabsf(t - 0.07f) < 0.012f && fabsf(fmodf(s * 5, 1.0f) - 0.5f) < 0.12f;
        if (bolt) c = scale(hub, 0.75f);
    } else if (t < face_edge) {
        // The sidewall, a raised bead near its outer edge.
        c = fabsf(t - 0.26f) < 0.008f ? worn : rubber;
    } else if (t < tread_edge) {
        c = mix(rubber, worn, (t - face_edge) / (tread_edge - face_edge));
    } else {
        // The tread: a groove round the wheel and cross grooves, four a
        // segment, so the pattern runs on from segment to segment.
        int groove = fabsf(t - 0.46f) < 0.012f;
        int cross = fabsf(fmodf(s * 4, 1.0f) - 0.5f) < 0.07f && t < 0.47f;
        c = groove || cross ? scale(rubber, 0.55f) : worn;
    }
    return scale(c, 1 + 0.05f * grain(x, y, 45));
}

static int write_tire(void)
{
    for (int y = 0; y < shared_size; y++)
        for (int x = 0; x < shared_size; x++) {
            float t = (y + 0.5f) / shared_size, s = (x + 0.5f) / shared_size;
            float folded = t <= 0.5f ? t : 1 - t;
            put_opaque(shared_pic + (y * shared_size + x) * 3, tire_at(folded, s, x, y));
        }
    return write_shared("surfaces/", "tire");
}

// Brightness 0..255 of the disc at radius r (0.5 its rim) and angle a: a
// faint haze, a brighter ring at the blade tips, and two soft streaks so the
// disc's turning shows.
static float pdisc_at(float r, float a)
{
    if (r > 0.5f) return 0;
    float haze = 14 * smooth(0.5f, 0.46f, r) * smooth(0.03f, 0.12f, r);
    float ring = 40 * smooth(0.36f, 0.43f, r) * smooth(0.5f, 0.46f, r);
    float streak = 0.75f + 0.25f * cosf(2 * a);
    return (haze + ring) * streak;
}

static int write_pdisc(void)
{
    for (int y = 0; y < shared_size; y++)
        for (int x = 0; x < shared_size; x++) {
            float u = (x + 0.5f) / shared_size - 0.5f, v = (y + 0.5f) / shared_size - 0.5f;
            float b = pdisc_at(hypotf(u, v), atan2f(v, u));
            put_opaque(shared_pic + (y * shared_size + x) * 3, {b, b, b});
        }
    return write_shared("overlay/", "pdisc");
}

static int write_shared_textures(void) { return write_tire() & write_pdisc(); }

// ---- main ------------------------------------------------------------------------

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_45_paints PROGRAM_FOLDER/\n");
        return 2;
    }
    program_folder = argv[1];
    if (!program_folder.empty() && program_folder.back() != '/') program_folder += '/';
    int ok = write_shared_textures();
    return ok ? 0 : 1;
}
