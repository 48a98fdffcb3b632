// A preferences file or a situation through grab_prefs over the shipped
// world databases, and what it read written back by dump_prefs. Built once
// per kind: PREFS_KIND is kind_text (the preferences, read at start-up) or
// kind_situation (read from the File menu, which asks to hear of a refusal).
#include "fuzz_support.h"
#include "test_support.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "records.h"

#include <cstdio>
#include <string>

static std::string in_path, out_path;

void fuzz_setup(void)
{
    MACIBM_set_constants();
    initing = 0;
    snprintf(app_path, path_max, "%s", PROGRAM_DIR);
    load_world_databases();
    in_path = std::string(test_scratch_folder()) + "input.prf";
    out_path = std::string(test_scratch_folder()) + "output.prf";
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    inf_use = 1;
    fuzz_write(in_path.c_str(), data, size);
    int read = 0;
    survives([&] { read = grab_prefs(in_path.c_str(), PREFS_KIND, PREFS_KIND == kind_situation); });
    if (read) dump_prefs(out_path.c_str(), PREFS_KIND);
    return 0;
}
