// One world file through its step of the world loader, from the "additional
// nav data" folder of a program folder in the scratch folder. Built once per
// file: WORLD_FILE names it ("apt.dat", "nav.dat", "fix.dat") and
// WORLD_READER its reader (read_apt_dat, read_nav_dat, read_fix_dat).
#include "fuzz_support.h"
#include "test_support.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "records.h"

#include <cstdio>
#include <filesystem>
#include <string>

static std::string file_path;

void fuzz_setup(void)
{
    MACIBM_set_constants();
    initing = 0;
    snprintf(app_path, path_max, "%s", test_scratch_folder());
    std::filesystem::create_directories(std::string(app_path) + "additional nav data");
    file_path = std::string(app_path) + "additional nav data/" + WORLD_FILE;
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    inf_use = 1;
    fuzz_write(file_path.c_str(), data, size);
    survives([] { WORLD_READER(); });
    return 0;
}
