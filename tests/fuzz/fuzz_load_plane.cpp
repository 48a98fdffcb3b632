// The aircraft file through load_plane, as the program loads the user's
// aircraft into slot 0: the file read whole, its counts checked, then its
// units, centre of gravity, panel layout, airfoils from the generated
// airfoils folder, finite-wing build-up and propeller discs, with the
// build-up report written (to nowhere). The sounds are the shipped ones, not
// the input's, and have a target of their own: the sound device stays
// closed, so the loader skips them as it does on a machine without sound.
#include "fuzz_support.h"
#include "volanto_support.h"
#include "test_support.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "records.h"

#include <cstdio>
#include <string>

static std::string plane_path;

// The loader's surroundings of the tests (open_loader_surroundings) less the
// sound device, and with the report of every input formatted but sent
// nowhere rather than filling "Volanto.out".
void fuzz_setup(void)
{
    set_loader_paths();
    trk.open("/dev/null", std::ios::out | std::ios::binary);
    plane_path = std::string(test_scratch_folder()) + "fuzz.acf";
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    reset_suite_state();
    initing = 0;
    inf_use = 1;
    trk.clear();
    fuzz_write(plane_path.c_str(), data, size);
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "%s", plane_path.c_str());
    snprintf(pln[0].C_file, sizeof pln[0].C_file, "%s", "fuzz.acf");
    env.reg_lat = 33;
    env.reg_lon = -119;
    survives([] { load_plane(0); });
    return 0;
}
