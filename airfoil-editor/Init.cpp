// Foilwright's records, the defaults of a new part, and, until the program's
// screens exist, the least hooks and window start-up the library calls.
//
// Sections: records, defaults, hooks and window start-up.
#include "Init.h"
#include "Function.h"
#include "HL_BTN.h"
#include "HL_GRAPH.h"
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

// ---- hooks and window start-up -------------------------------------------

// The program's menus, screen and windows come with the editor itself; these
// let the library, the tests and the data generator link meanwhile.
void APPLICATION_setupmenus(void) {}
void APPLICATION_update(void) {}
void APPLICATION_handlekey(char, int) {}
void APPLICATION_handlemenu(int) {}

// Foilwright's own windows; the library's alerts and dialogs are the library's.
static const window_entry window_table[] = {
    {win_main, "", 800, 600},
};

void MACIBM_startwind(int id)
{
    if (id == win_startup) id = win_main;
    else initing = 0;
    if (MACIBM_library_window(id)) return;

    const char* title = MACIBM_table_window(id, window_table, sizeof window_table / sizeof window_table[0]);
    if (id != win_main) MACIBM_window_frame(title, 1);
    MACIBM_startwind2();
}

// The main view's picture stays empty until the editor's screen exists; the
// upload still replaces a closed alert's or dialog's picture.
void MACIBM_startwind2(void)
{
    OGL_upload_background();
    to_array = 0;
}
