// The simulator's menu commands.
#include "Menus.h"
#include "Genwrld.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initgen.h"

// Quit, from the menu or a close request. The preferences are saved only
// once a region with airports is loaded: until then no flight has been
// placed, so there is no airport for the next start to come back to.
static void quit_simulator(void)
{
    if (apt_lcl_max > -1) dump_prefs(prf_path, kind_text);
    gdone = 1;
}

void APPLICATION_handlemenu(int item)
{
    if (item == item_quit) quit_simulator();
}
