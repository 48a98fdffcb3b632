// An airfoil file through grabafoil into one slot of the user's aircraft (a
// tip, high-Reynolds slot of a wing, the last of each pair), then that slot
// read back by anyfoil over every angle, with and without slats, the force
// report written (to nowhere).
#include "fuzz_support.h"
#include "test_support.h"
#include "Fltcalc.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "records.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

static const int part = part_wing_first + 1, tip = 1, high_re = 1;

void fuzz_setup(void)
{
    MACIBM_set_constants();
    snprintf(afl_path, path_max, "%s", test_scratch_folder());
    trk.open("/dev/null", std::ios::out | std::ios::binary);
}

static void sweep(void)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float odd[] = {std::nanf(""), inf, -inf, 1e30f, -1e30f, 0.0f, -0.0f, 20.0f, -20.0f, 90.0f, -90.0f};
    float cl, cd, cm;
    for (float alpha = -200.0f; alpha <= 200.0f; alpha += 0.37f) anyfoil(alpha, &cl, &cd, &cm, part, tip, high_re, 0);
    for (float alpha : odd) anyfoil(alpha, &cl, &cd, &cm, part, tip, high_re, 1);
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    reset_suite_state();
    inf_use = 1;
    trk.clear();
    fuzz_write((std::string(afl_path) + "fuzz.afl").c_str(), data, size);
    float almax = 0;
    if (!survives([&] { grabafoil("fuzz.afl", part, tip, high_re, &almax, 0); })) return 0;

    planestruct& a = pln[0];
    a.al_D_al0[part] = 1.0f;
    a.alpha_max[part] = almax;
    a.slat_effect[part] = 1.0f;
    sweep();
    // Slats on the second element, and the report of each reading.
    a.slat[part][1] = 1;
    a.slat_effect[part] = 1.3f;
    a.al_D_al0[part] = 0.8f;
    flt.slat_ratio = 1.0f;
    set.force_report = 1;
    sweep();
    return 0;
}
