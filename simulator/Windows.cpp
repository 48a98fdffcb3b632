// Window start-up: every change of the open window goes through
// MACIBM_startwind, which composes the window's static picture once into
// rgb_array and uploads it as the background tiles 500 to 534. The library
// opens its own windows (996 to 999); this file has the simulator's.
#include "HL_BTN.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"
#include "Windows.h"

flightplanstruct fpl;

static const window_entry window_table[] = {
    {win_main, "", 800, 600},
};

static void draw_menu_bar(void)
{
    OGL_line(6, 0, 599, 799, 599);
    OGL_line(6, 0, 598, 799, 598);
    OGL_fillrect(18, 0, 585, 800, 13);
    OGL_line(22, 0, 584, 799, 584);
    OGL_line(22, 0, 583, 799, 583);
    OGL_fillrect(29, 0, 0, 800, 583);
    for (int m = 0; m < menus_max; m++) {
        if (!mnw.menu_name[m][0]) continue;
        OGL_string(22, mnw.menux1[m] + 1, mnw.menuy1[m] + 4, mnw.menu_name[m], 800, 6);
        OGL_string(6, mnw.menux1[m], mnw.menuy1[m] + 5, mnw.menu_name[m], 800, 6);
    }
}

void MACIBM_startwind(int id)
{
    if (id == win_startup) id = win_main;
    else initing = 0;
    if (MACIBM_library_window(id)) return;

    const char* title = MACIBM_table_window(id, window_table, sizeof window_table / sizeof window_table[0]);
    if (id == win_main) draw_menu_bar();
    else MACIBM_window_frame(title, 1);
    MACIBM_startwind2();
}

void MACIBM_startwind2(void)
{
    if (mnw.topwin == win_main && initing) {
        int w, h;
        OGL_texbmp(-101, 0, 0, "VSYS", &w, &h);
        MACIBM_showinit(0);
    }
    OGL_upload_background();
    to_array = 0;
}
