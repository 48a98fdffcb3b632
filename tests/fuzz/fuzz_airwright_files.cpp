// Airwright's readers of a user's files, none of which may end the program:
// the input read as its preferences, as an airfoil for a part's thickness,
// and opened as an aircraft file through the open command, whose design is
// then saved back to the same file.
#include "fuzz_support.h"
#include "test_support.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "Init.h"

#include <cstdio>
#include <cstdlib>
#include <string>

static std::string folder, input_path;

static int pick_input(int, int, char* name, char* path)
{
    snprintf(name, path_max, "%s", "fuzz.acf");
    snprintf(path, path_max, "%s", input_path.c_str());
    return 1;
}

static void no_update(void) {}

void fuzz_setup(void)
{
    folder = test_scratch_folder();
    input_path = folder + "fuzz.acf";
}

// A fatal alert here is a finding: these readers answer with notices.
template <class F> static void never_fatal(F call)
{
    if (!survives(call)) abort();
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    reset_suite_state();
    MACIBM_set_constants();
    inf_use = 1;
    shell.APPLICATION_update = no_update;
    fuzz_write(input_path.c_str(), data, size);

    snprintf(prf_path, path_max, "%s", input_path.c_str());
    never_fatal([] { read_airwright_prefs(); });

    snprintf(afl_path, path_max, "%s", folder.c_str());
    never_fatal([] { assign_foil_thickness("fuzz.acf", part_wing_first, 1); });

    // Open reads the input; Save writes the design back over it, and a
    // second open must take what the first save wrote.
    init_calls.MACIBM_opensave = pick_input;
    never_fatal([] {
        openplane(0);
        if (msc.has_file && writeplane(0)) openplane(0);
    });
    return 0;
}
