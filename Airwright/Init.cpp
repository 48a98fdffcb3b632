// Airwright's records, start-up, menus, keys and the aircraft files.
#include "Init.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"

miscstruct msc;

void clear_init_run_state(void) {}

void setup_baseplane(const char*, const char*) {}
int  writeplane(int) { return 0; }
void openplane(int) {}
int  do_new_thing(void) { return 1; }
void assign_foil_thickness(const char*, int, int) {}

void APPLICATION_setupmenus(void) {}
void APPLICATION_handlemenu(int) {}
void APPLICATION_handlekey(char, int) {}
int  APPLICATION_item_marked(int) { return 0; }

void MACIBM_startwind(int id)
{
    if (id == win_startup) id = win_main;
    else initing = 0;
    if (MACIBM_library_window(id)) return;
    MACIBM_window_setup(win_main, 800, 600);
    MACIBM_main_view_frame();
    MACIBM_startwind2();
}

void MACIBM_startwind2(void)
{
    OGL_upload_background();
    to_array = 0;
}
