// Airwright's program state: its own misc record (the preview's view, the
// design's file state), the window numbers of its design screens, and the
// start-up, menus, keys and aircraft files (Init.cpp and its topic files).
// Owns msc and the call record init_calls; the frame step and the screens
// in UPDATA read and write msc.
#pragma once
#include "Hl_types.h"
#include "HL_MNW.h"

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

// The name and path of a design not saved yet.
const char* const untitled_plane = "Untitled.acf";

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

// The window of the current set (pln[0].is_heli picks it) with that number,
// or null: a design screen's item is one its set has a window for. The
// picture is the background under the screen's fields, in "AirWrght/".
struct airwright_window {
    window_entry window;
    const char* picture;
};
const airwright_window* find_airwright_window(int id);

// ---- start-up and preferences ---------------------------------------------

// The entry's start-up, up to the frame loop: msc and flt cleared, the
// library's start-up, the view defaults, a new design, the preferences and
// the design open at the last Quit (a new design when it cannot be taken).
void airwright_startup(void);
// "Airwright.prf": the view, the two display flags and the design's file.
// Read whole or not at all: 1 when read, else every value stays as it was.
int  read_airwright_prefs(void);
int  write_airwright_prefs(void);     // 1 when the whole file reached the disk

// ---- menus and commands -------------------------------------------------

// Menu items, menu x 100 + index; Quit is the library's item_quit (105).
// A design screen's item is its window number (above).
const int item_about = 0;
const int item_new = 100;
const int item_open = 101;
const int item_save = 102;
const int item_save_as = 103;
const int item_view_top = 400;
const int item_view_bottom = 401;
const int item_view_side = 402;
const int item_view_front = 403;
const int item_view_back = 404;
const int item_heading_up = 406;
const int item_heading_down = 407;
const int item_roll_up = 408;
const int item_roll_down = 409;
const int item_move_left = 411;
const int item_move_right = 412;
const int item_move_up = 413;
const int item_move_down = 414;
const int item_zoom_in = 416;
const int item_zoom_out = 417;
const int item_spin_quick = 419;
const int item_spin_long = 420;
const int item_ellipse_fuselage = 500;
const int item_ellipse_nacelle = 501;
const int item_ellipse_tank = 502;
const int item_ellipse_fairing = 503;
const int item_total_fuselage = 505;
const int item_total_nacelle = 506;
const int item_total_tank = 507;
const int item_total_fairing = 508;
const int item_airplane_mode = 510;
const int item_helicopter_mode = 511;
const int item_wireframe = 513;
const int item_textures = 514;
const int item_still_controls = 516;
const int item_moving_controls = 517;
const int item_black_background = 519;
const int item_sky_background = 520;
const int item_reload_textures = 522;
const int item_texture_templates = 523;
const int item_touch_up_textures = 524;

// The library's modal windows as Airwright calls them; each starts as the
// function of its name, and tests point them at scripted answers.
struct init_call_record {
    int (*MACIBM_nuke_alert)(const char* name);
    int (*MACIBM_opensave)(int mode, int kind, char* name, char* path);
};
extern init_call_record init_calls;

// The tests' reset of Init's run state: msc cleared, the call record back
// to the library's windows.
void clear_init_run_state(void);
