// Foilwright's records, the defaults of a new part, and, until the program's
// screens exist, the least hooks the library calls.
//
// Sections: records, defaults, hooks.
#include "Init.h"
#include "Function.h"
#include "HL_MNW.h"

#include <cstdio>

// ---- records -------------------------------------------------------------

miscstruct msc;

// ---- defaults ------------------------------------------------------------

void reset_to_default(int type)
{
    airfoilstruct& a = afl[0];
    a.trat[0][0] = 0.1f;
    a.Re[0][0][0] = 4.5f;
    a.clB[0][0][0] = 0.25f;
    a.clM[0][0][0] = 0.102f;
    a.Lpow = 1.4f;
    a.Lstall = 1.6f;
    a.Ldrop1 = 0.1f;
    a.Ldrop2 = 0.8f;
    a.Lpowstl = 1.4f;
    a.almin = -15.0f;
    a.almax = 15.0f;
    a.DminCL = 0.2f;
    a.Dmin = 0.0065f;
    a.Dal10 = 0.0114f;
    a.Dpow = 2.3f;
    a.Bwidth = 0.0f;
    a.Bdepth = 0.0f;
    a.Bpower = 2.0f;
    a.Bloc = 0.0f;
    a.cmal2[0][0][0] = -10.0f;
    a.cmal3[0][0][0] = 16.0f;
    a.cm1[0][0][0] = 0.05f;
    a.cm2[0][0][0] = -0.05f;
    a.cm3[0][0][0] = -0.025f;
    a.cm4[0][0][0] = -0.075f;
    a.FLPlco1 = 2.0f;
    a.FLPlco2 = 0.0f;
    a.FLPlco3 = -0.6f;
    a.FLPdco1 = 0.04f;
    a.FLPdco2 = 0.04f;
    a.FLPdco3 = 0.0f;
    a.FLPmco1 = -0.6f;
    a.FLPmco2 = -0.1f;
    a.FLPmco3 = -0.1f;

    msc.part_type = type;
    msc.view_type = view_alpha;
    msc.part_named = 0;
    msc.part_dirty = 0;
    snprintf(msc.part_fname, sizeof msc.part_fname, "%s", type == part_flap ? "Untitled.flp" : "Untitled.afl");
    generate();
}

// ---- hooks ---------------------------------------------------------------

// The program's menus and screen come with the editor itself; these let the
// library, the tests and the data generator link meanwhile.
void APPLICATION_setupmenus(void) {}
void APPLICATION_update(void) {}
void APPLICATION_handlekey(char, int) {}
void APPLICATION_handlemenu(int) {}
int APPLICATION_item_marked(int) { return 0; }
const char* APPLICATION_main_picture(void) { return ""; }
