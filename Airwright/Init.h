// Airwright's program state: its own misc record (the preview's view, the
// design's file state), the window numbers of its design screens, and the
// start-up, menus, keys and aircraft files (Init.cpp and its topic files).
// Owns msc; the frame step and the screens in UPDATA read and write it.
#pragma once
#include "Hl_types.h"

// Airwright's own layout, in this order.
struct miscstruct {
    float view_zoom;                 // the preview's view volume; smaller is closer
    int32_t sky_on;                  // 1: sky behind the preview (colour 34), 0: black (29)
    int32_t move_controls;           // 1: the preview moves the control surfaces
    int32_t dirty;                   // 1 while the design has unsaved changes
    int32_t has_file;                // 1 once the design has a file: Save asks no name
    int32_t spin_mode;               // 0, or the menu item of a pending 3-D turn
    float plane_size;                // the aircraft's extent, ft; the preview's scale
    float view_pitch, view_heading, view_roll;    // deg
    float view_dx, view_dy;          // pan, in extents
};
static_assert(sizeof(miscstruct) == 48, "Airwright's misc record is 12 fields of 4 bytes");

extern miscstruct msc;

// ---- design screens --------------------------------------------------------

// A screen's window number is the menu item that opens it. pln[0].is_heli
// picks the set: the airplane's and the helicopter's share some numbers.
const int win_viewpoint = 200;       // both sets
const int win_panel = 201;
const int win_force = 203;
const int win_engines = 205;
const int win_props = 206;           // the helicopter's main rotor
// Airplane set.
const int win_wing_1 = 208;
const int win_wing_2 = 209;
const int win_wing_3 = 210;
const int win_hstab = 211;
const int win_vstab_1 = 212;
const int win_vstab_2 = 213;
const int win_control = 215;
const int win_fuselage = 217;
const int win_nacelles = 218;
const int win_misc = 219;
const int win_fairings = 220;
const int win_pylons = 221;
const int win_weight = 223;
const int win_gear = 225;
const int win_x_prop = 300;
const int win_x_wing_1 = 301;
const int win_x_wing_2 = 302;
const int win_x_wing_3 = 303;
const int win_x_hstab = 304;
const int win_x_vstab_1 = 305;
const int win_x_vstab_2 = 306;
const int win_x_special = 308;
const int win_x_vtol = 309;
const int win_x_stability = 311;
// Helicopter set.
const int hwin_tail_rotor = 207;
const int hwin_rotor = 208;
const int hwin_hstab = 210;
const int hwin_vstab_1 = 211;
const int hwin_vstab_2 = 212;
const int hwin_fuselage = 214;
const int hwin_nacelle = 215;
const int hwin_misc = 216;
const int hwin_fairings = 217;
const int hwin_weight = 219;
const int hwin_gear = 221;
const int hwin_x_main_rotor = 300;
const int hwin_x_tail_rotor = 301;
const int hwin_x_hstab = 302;
const int hwin_x_stability = 304;

// ---- design and files ----------------------------------------------------

// A fresh design, untitled and clean, in the current mode (is_heli kept).
void setup_baseplane(const char* file_name, const char* path);
// Saves the design; ask 1 always asks for a name. 1 when written.
int  writeplane(int ask);
// Opens a design; silent 1 takes C_file/C_path without a dialog or alert.
void openplane(int silent);
// 1 when the current design may be replaced (saved, discarded or clean).
int  do_new_thing(void);
// afl[0].trat[part][tip] from the airfoil file name, 0 when it has none.
void assign_foil_thickness(const char* foil_name, int part, int tip);

// The tests' reset of Init's run state.
void clear_init_run_state(void);
