// The flaps file through finish_plane, as the loader reads it for the user's
// aircraft: the shipped Cessna, loaded once, is finished again for each input
// with its flaps file named by the input, so the flaps reader runs among the
// steps around it and the report of every input is formatted (to nowhere).
#include "fuzz_support.h"
#include "volanto_support.h"
#include "test_support.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "records.h"

#include <cstdio>
#include <cstdlib>
#include <string>

static planestruct cessna;

// The loader's surroundings of the fuzz_load_plane target; the Cessna reads
// the shipped flaps file, then the flaps folder becomes the scratch folder.
void fuzz_setup(void)
{
    set_loader_paths();
    trk.open("/dev/null", std::ios::out | std::ios::binary);
    reset_suite_state();
    inf_use = 1;
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "%s%s%s", PROGRAM_DIR, default_plane_folder, default_plane_file);
    snprintf(pln[0].C_file, sizeof pln[0].C_file, "%s", default_plane_file);
    env.reg_lat = 33;
    env.reg_lon = -119;
    if (!survives([] { load_plane(0); })) abort();
    cessna = pln[0];
    snprintf(flp_path, path_max, "%s", test_scratch_folder());
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    pln[0] = cessna;
    snprintf(pln[0].flap_str, sizeof pln[0].flap_str, "fuzz.flp");
    inf_use = 1;
    trk.clear();
    fuzz_write((std::string(flp_path) + "fuzz.flp").c_str(), data, size);
    survives([] { finish_plane(0); });
    return 0;
}
