// Window start-up: every change of the open window goes through
// MACIBM_startwind, which composes the window's static picture once into
// rgb_array and uploads it as the background tiles 500 to 534. The library
// opens its own windows (996 to 999); this file has the simulator's, and the
// managers that the frame step runs instead of the flight while one is open.
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
    // The panel area is see-through (pure magenta): the outside view, drawn
    // before the picture, shows wherever the panel leaves it, and everywhere
    // while the panel is hidden.
    for (int y = 0; y < 583; y++)
        for (int x = 0; x < 800; x++) {
            unsigned char* p = rgb_array + (y * 800 + x) * 3;
            p[0] = 255;
            p[1] = 0;
            p[2] = 255;
        }
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
    // A window or dialog holds the frames up: their time is not the flight's.
    if (id != win_main) suspend_frame_timing();
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
        OGL_texbmp(bmp_window, 0, 0, "VSYS", &w, &h);
        MACIBM_showinit(0);
    }
    OGL_upload_background();
    to_array = 0;
}

// ---- window managers -----------------------------------------------------------

void manage_id_(void) {}    // stands in until the airport-ID window comes
void manage_nam(void) {}    // stands in until the airport-name window comes
void manage_wrl(void) {}    // stands in until the world-map window comes
void manage_lat(void) {}    // stands in until the latitude-longitude window comes
void manage_whr(void) {}    // stands in until the find-me window comes
void manage_dat(void) {}    // stands in until the data-output window comes
void manage_ser(void) {}    // stands in until the serial-output window comes
void manage_tim(void) {}    // stands in until the time-of-day window comes
void manage_ogl(void) {}    // stands in until the rendering window comes
void manage_spa(void) {}    // stands in until the weather-space window comes
void manage_atm(void) {}    // stands in until the weather-atmosphere window comes
void manage_gnd(void) {}    // stands in until the weather-ground window comes
void manage_wat(void) {}    // stands in until the weather-water window comes
void manage_flt(void) {}    // stands in until the hardware and flight-mode window comes
void manage_wgt(void) {}    // stands in until the weights and fuel window comes
void manage_rel(void) {}    // stands in until the reliability window comes
void manage_ins(void) {}    // stands in until the instrument-reliability window comes
void manage_eqp(void) {}    // stands in until the equipment-reliability window comes
void manage_snd(void) {}    // stands in until the sound window comes
void manage_wrn(void) {}    // stands in until the warnings window comes
void manage_iso(void) {}    // stands in until the isometric-region window comes
void manage_pln(void) {}    // stands in until the flight-plan form comes
void manage_cre(void) {}    // stands in until the credits window comes
