// A custom object file through build_obs as a scenery square places it, at a
// heading the input's last byte picks, into the object ring over a sloped
// region grid. Its texture names go to the run's texture table; their
// bitmaps are missing, so each is a plain white texture, and with no GL
// context the texture calls do nothing. After every input, however the
// reading ended, the scanners must be back on inf1 in binary with the line
// end they had, and inf2 closed.
#include "fuzz_support.h"
#include "test_support.h"
#include "Genwrld.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "records.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

static std::string object_path;

void fuzz_setup(void)
{
    MACIBM_set_constants();
    std::string folder = std::string(test_scratch_folder()) + "custom objects/";
    std::filesystem::create_directories(folder);
    snprintf(obj_path, path_max, "%s", folder.c_str());
    snprintf(otx_path, path_max, "%scustom object textures/", test_scratch_folder());
    object_path = folder + "fuzz.OBJ";
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++) {
            planexyz[i][j][0] = 100.0f * (float)i;
            planexyz[i][j][1] = 10.0f * (float)(i + j);
            planexyz[i][j][2] = -100.0f * (float)j;
        }
    env.reg_east_x = 100.0f * (region_grid_x - 1);
    env.reg_north_z = -100.0f * (region_grid_z - 1);
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_write(object_path.c_str(), data, size);
    float heading = size ? 1.5f * (float)data[size - 1] : 0;
    inf_use = 1;
    inf_is_bin = 1;
    x_eln = '\n';
    extra_char_eoln = 0;
    survives([&] { build_obs(5000, -5000, heading, "fuzz", obj_custom); });
    if (inf_use != 1 || inf_is_bin != 1 || x_eln != '\n' || extra_char_eoln != 0 || inf2.is_open()) abort();
    return 0;
}
