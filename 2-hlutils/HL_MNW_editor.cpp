// The window start-up of the editors whose only windows are the main view and
// the library's alerts and dialogs: the main view shows the program's picture
// (APPLICATION_main_picture), or the start-up picture while start-up runs.
#include "HL_MNW.h"
#include "HL_BTN.h"
#include "HL_GRAPH.h"

#if defined(PROG_FOILWRIGHT) || defined(PROG_TERRAWRIGHT) || defined(PROG_SKYCASTER)

void MACIBM_startwind(int id)
{
    if (id == win_startup) id = win_main;
    else initing = 0;
    if (MACIBM_library_window(id)) return;
    // The program has no windows of its own: anything else is the main view.
    MACIBM_window_setup(win_main, 800, 600);
    MACIBM_main_view_frame();
    MACIBM_startwind2();
}

void MACIBM_startwind2(void)
{
    int w, h;
    if (initing) {
        OGL_texbmp(bmp_window, 0, 0, "VSYS", &w, &h);
        MACIBM_showinit(0);
    } else {
        const char* picture = APPLICATION_main_picture();
        if (picture && picture[0]) OGL_texbmp(bmp_window, 0, 0, picture, &w, &h);
    }
    OGL_upload_background();
    to_array = 0;
}

#endif
