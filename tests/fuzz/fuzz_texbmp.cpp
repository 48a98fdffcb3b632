// A BMP file through OGL_texbmp as a picture of the program's own (kind
// -101), the loader's software path: pasted into the start-up picture
// rgb_array, once at its corner and once hanging over the top right edges.
// Then the same file through read_bmp as a texture would read it (kind -100
// in the mode the input's last byte picks, with the alpha modes' four
// components), which OGL_texbmp hands to GL after. No GL context is needed.
#include "fuzz_support.h"
#include "test_support.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "program.h"

#include <cstdio>
#include <filesystem>
#include <string>

static std::string bmp_path;

void fuzz_setup(void)
{
    initing = 0;
    snprintf(app_path, path_max, "%s", test_scratch_folder());
    std::string folder = std::string(app_path) + "bitmaps/" + picture_folder;
    std::filesystem::create_directories(folder);
    bmp_path = folder + "fuzz.BMP";
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_write(bmp_path.c_str(), data, size);
    mnw.x = 0;
    mnw.y = 0;
    int w = 0, h = 0;
    if (!survives([&] { OGL_texbmp(-101, 0, 0, "fuzz", &w, &h); })) return 0;
    survives([&] { OGL_texbmp(-101, 800 - w / 2, 600 - h / 2, "fuzz", &w, &h); });

    static const int modes[4] = {0, -104, -105, -106};
    int mode = modes[size ? data[size - 1] % 4 : 0];
    FILE* in = fopen(bmp_path.c_str(), "rb");
    if (!in) return 0;
    survives([&] { read_bmp(in, bmp_path.c_str(), -100, 143, mode, &w, &h); });
    fclose(in);
    return 0;
}
