// Airwright's windows: the table of its design screens in both sets, and the
// window start-up that composes each window's static picture.
//   the window table
//   window start-up
#include "Init.h"
#include "HL_BTN.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"

// ---- the window table ------------------------------------------------------

static const airwright_window airplane_windows[] = {
    {{win_viewpoint, "Viewpoint", 590, 433}, "P_VIEW"},
    {{win_panel, "Panel", 662, 553}, "A_PANL"},
    {{win_force, "Force Feedback", 385, 152}, "A_FORC"},
    {{win_engines, "Engines", 780, 461}, "A_ENGN"},
    {{win_props, "Propellers", 500, 528}, "A_PROP"},
    {{win_wing_1, "Wing 1", 472, 326}, "P_WING"},
    {{win_wing_2, "Wing 2", 472, 326}, "P_WING"},
    {{win_wing_3, "Wing 3", 472, 326}, "P_WING"},
    {{win_hstab, "Horizontal Stab/Canard", 472, 333}, "P_HSTB"},
    {{win_vstab_1, "Vertical Stab 1", 473, 264}, "P_VSTB"},
    {{win_vstab_2, "Vertical Stab 2", 473, 264}, "P_VSTB"},
    {{win_control, "Control Geometry", 686, 326}, "P_CONT"},
    {{win_fuselage, "Fuselage", 740, 391}, "A_FUSE"},
    {{win_nacelles, "Engine Nacelles", 476, 427}, "A_NACE"},
    {{win_misc, "Fuel Tanks or Floats", 476, 558}, "A_MISC"},
    {{win_fairings, "Wheel Fairings", 476, 427}, "A_FAIR"},
    {{win_pylons, "Engine Pylons", 473, 152}, "P_PYLN"},
    {{win_weight, "Weight & Balance", 403, 346}, "A_WTBL"},
    {{win_gear, "Landing Gear", 460, 516}, "A_GEAR"},
    {{win_x_prop, "EXPERT: Propeller", 525, 111}, "AX_PROP"},
    {{win_x_wing_1, "EXPERT: Wing 1", 524, 155}, "PX_WING"},
    {{win_x_wing_2, "EXPERT: Wing 2", 524, 155}, "PX_WING"},
    {{win_x_wing_3, "EXPERT: Wing 3", 524, 155}, "PX_WING"},
    {{win_x_hstab, "EXPERT: Horizontal Stab/Canard", 524, 155}, "PX_HSTB"},
    {{win_x_vstab_1, "EXPERT: Vertical Stab 1", 524, 110}, "PX_VSTB"},
    {{win_x_vstab_2, "EXPERT: Vertical Stab 2", 524, 110}, "PX_VSTB"},
    {{win_x_special, "EXPERT: Special Controls", 657, 524}, "PX_SPCN"},
    {{win_x_vtol, "EXPERT: VTOL Controls", 484, 330}, "PX_VCCN"},
    {{win_x_stability, "EXPERT: Artificial Stability", 726, 505}, "AX_ASTB"},
};

static const airwright_window helicopter_windows[] = {
    {{win_viewpoint, "Viewpoint", 590, 208}, "H_VIEW"},
    {{win_panel, "Panel", 662, 553}, "A_PANL"},
    {{win_force, "Force Feedback", 385, 152}, "A_FORC"},
    {{win_engines, "Engines", 780, 461}, "A_ENGN"},
    {{win_props, "Main Rotor", 500, 528}, "A_PROP"},
    {{hwin_tail_rotor, "Tail Rotor", 500, 528}, "A_PROP"},
    {{hwin_rotor, "Rotor System", 507, 370}, "H_ROTR"},
    {{hwin_hstab, "Horizontal Stab", 472, 333}, "H_HSTB"},
    {{hwin_vstab_1, "Vertical Stab 1", 473, 152}, "H_VSTB"},
    {{hwin_vstab_2, "Vertical Stab 2", 473, 152}, "H_VSTB"},
    {{hwin_fuselage, "Fuselage", 740, 391}, "A_FUSE"},
    {{hwin_nacelle, "Nacelle (Rotor Mast)", 476, 427}, "A_NACE"},
    {{hwin_misc, "Fuel Tanks or Floats", 476, 558}, "A_MISC"},
    {{hwin_fairings, "Wheel Fairings", 476, 427}, "A_FAIR"},
    {{hwin_weight, "Weight & Balance", 403, 346}, "A_WTBL"},
    {{hwin_gear, "Landing Gear", 460, 516}, "A_GEAR"},
    {{hwin_x_main_rotor, "EXPERT: Main Rotor", 525, 111}, "AX_PROP"},
    {{hwin_x_tail_rotor, "EXPERT: Tail Rotor", 525, 111}, "AX_PROP"},
    {{hwin_x_hstab, "EXPERT: Horizontal Stab", 524, 110}, "HX_HSTB"},
    {{hwin_x_stability, "EXPERT: Stability-Augmentation", 726, 505}, "AX_ASTB"},
};

const airwright_window* find_airwright_window(int id)
{
    const airwright_window* set = pln[0].is_heli ? helicopter_windows : airplane_windows;
    int count = pln[0].is_heli ? (int)(sizeof helicopter_windows / sizeof helicopter_windows[0])
                               : (int)(sizeof airplane_windows / sizeof airplane_windows[0]);
    for (int k = 0; k < count; k++)
        if (set[k].window.id == id) return &set[k];
    return nullptr;
}

// ---- window start-up ---------------------------------------------------------

void MACIBM_startwind(int id)
{
    if (id == win_startup) id = win_main;
    else initing = 0;
    if (MACIBM_library_window(id)) return;
    if (id == win_main) {
        MACIBM_window_setup(win_main, 800, 600);
        MACIBM_main_view_frame();
    } else {
        // A number outside the set keeps the last size and has no title:
        // the menus offer none, so only a caller's slip opens one.
        const airwright_window* w = find_airwright_window(id);
        const char* title = MACIBM_table_window(id, w ? &w->window : nullptr, w ? 1 : 0);
        MACIBM_window_frame(title, 1);
    }
    MACIBM_startwind2();
}

void MACIBM_startwind2(void)
{
    int w, h;
    if (mnw.topwin == win_main) {
        if (initing) {
            OGL_texbmp(bmp_window, 0, 0, "VSYS", &w, &h);
            MACIBM_showinit(0);
        } else {
            OGL_fillrect(msc.sky_on ? 34 : 29, 0, 0, 800, 583);
        }
    } else {
        // The screens' pictures may be missing: the window keeps its frame.
        const airwright_window* win = find_airwright_window(mnw.topwin);
        if (win) OGL_texbmp(bmp_window, 0, 0, win->picture, &w, &h);
    }
    OGL_upload_background();
    to_array = 0;
}
