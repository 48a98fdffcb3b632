// "fix.dat" through read_fix_dat, the world loader's step for it, from the
// "additional nav data" folder of a program folder in the scratch folder.
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
    file_path = std::string(app_path) + "additional nav data/fix.dat";
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    inf_use = 1;
    fuzz_write(file_path.c_str(), data, size);
    survives([] { read_fix_dat(); });
    return 0;
}
