// Foilwright's part files: the input opened as an airfoil and then as a
// flap, each through readinpart as the open command reads it, and a part
// that read saved back through writeoutpart to the same file.
#include "fuzz_support.h"
#include "test_support.h"
#include "Function.h"
#include "HL_FILE.h"
#include "Init.h"

#include <cstdio>
#include <string>

static std::string part_path;

void fuzz_setup(void) { part_path = std::string(test_scratch_folder()) + "fuzz part"; }

static void open_and_save(int type, const uint8_t* data, size_t size)
{
    // The save of the airfoil replaced the file: each type reads the input.
    fuzz_write(part_path.c_str(), data, size);
    reset_to_default(type);
    snprintf(msc.part_path, sizeof msc.part_path, "%s", part_path.c_str());
    if (survives([] { readinpart(); })) survives([] { writeoutpart(); });
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    reset_suite_state();
    inf_use = 1;
    open_and_save(part_airfoil, data, size);
    open_and_save(part_flap, data, size);
    return 0;
}
