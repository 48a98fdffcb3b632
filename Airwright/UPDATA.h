// Airwright's frame step: the open design screen's widgets, the geometry
// every frame derives from the design, and the 3-D preview of the main view.
#pragma once
#include "Hl_types.h"

// The frame hook (declared with the library's hooks): the open screen, the
// geometry derived from the design, the mesh, and in the main view the preview.
//   void APPLICATION_update(void);

// The aircraft's extent, ft, at least 1: sizes the preview's view volume.
float find_dis_to_plane(void);
// Draws the preview of pln[0] in the main view, sized by msc.plane_size;
// leaves the 2D reference-unit view for the frame's menus.
void  manage_plot(void);

// ---- design helpers ----------------------------------------------------------

// Pulls every cross-section of a body toward an ellipse; total 1 also blends
// each inner station into its neighbours and keeps the mean radius.
void  smoothit(int part, int total);
// The mean height of a station's first n points.
float ret_y_center(int part, int station, int n);
// The mean distance of the inner stations' points from their centres, 0.01 .. 9.9e9.
float ret_ave_rad(int part, int stations, int n);
// Propeller p's twist from its design point: mode 0 from the pitch, 1 from
// speed and rpm; nothing below 100 rpm or a radius of 0.1 ft.
void  design_prop(int p, int mode);
// Part to becomes a copy of part from (bodies), or its mirror image (surfaces).
void  copy_body(int from, int to);
void  copy_foil(int from, int to);

// ---- general design screens (UPDATA_screens.cpp) ------------------------------
//
// Each screen's fields at their places over its picture, run by the frame
// step while its window is open. Both sets' Panel, Force Feedback, Weight &
// Balance and Landing Gear are one screen each.
void screen_viewpoint(void);
void hscreen_viewpoint(void);
void screen_panel(void);
void screen_force(void);
void screen_engines(void);
void hscreen_engines(void);
void screen_props(void);           // the airplane's one propeller design
void hscreen_main_rotor(void);
void hscreen_tail_rotor(void);
void hscreen_rotor(void);          // Rotor System
void screen_control(void);
void screen_weight(void);
void screen_gear(void);

// ---- surface and expert screens (UPDATA_surfaces.cpp) ---------------------------
void screen_wing_1(void);
void screen_wing_2(void);
void screen_wing_3(void);
void screen_hstab(void);           // the airplane's horizontal stabiliser or canard
void screen_vstab_1(void);
void screen_vstab_2(void);
void screen_pylons(void);
void hscreen_hstab(void);
void hscreen_vstab_1(void);
void hscreen_vstab_2(void);
void screen_x_prop(void);          // also the helicopter's main rotor
void screen_x_wing_1(void);
void screen_x_wing_2(void);
void screen_x_wing_3(void);
void screen_x_hstab(void);
void screen_x_vstab_1(void);
void screen_x_vstab_2(void);
void hscreen_x_tail_rotor(void);
void hscreen_x_hstab(void);
void screen_x_special(void);
void screen_x_vtol(void);
void screen_x_stability(void);     // both sets

// ---- body screens (UPDATA_bodies.cpp) ---------------------------------------------
// Both sets' bodies are the same screens.
void screen_fuselage(void);
void screen_nacelles(void);
void screen_misc(void);            // fuel tanks or floats
void screen_fairings(void);
// The section editor's run state: the point a drag holds and each
// station's last pick.
void clear_section_pick_state(void);

// Every value a design screen shows is drawn in this colour.
const int col_value = 7;

// The choice fields' arrows stand this far right of their texts; the
// screens' pictures draw them there.
const float engine_type_width = 108;    // clear of the fuel figure's field
const float gear_type_width = 100;
const float yes_no_width = 22;
const float hstab_type_width = 66;
// A body screen's OPEN / CLOSED choices of its end stations stand this far
// above the grids' base line, clear of the main-station fields under them.
const float end_toggle_width = 40;
const float end_toggle_rise = 120;

// The composed help of a position field (into C_s, kept until the next):
// how far to the side of, above or behind the reference point part is.
const char* x_name(const char* part);
const char* y_name(const char* part);
const char* z_name(const char* part);

// A count edited as one digit at (x, y), held to low..high, then one column
// of fields per counted item: kind 0 the engines' hub positions, a surface
// part its elements' incidence and control boxes.
void insecbtn(int kind, float x, float y, int32_t* count, int low, int high);
// Panel place slot (1-8) at (x, y): the nine instruments listed under it; a
// click takes one, and a place that showed it before shows none.
void fiddle_ins_loc(int slot, float x, float y);
// A file-name field whose name is kept bare: the dialog's pick is taken only
// when it lies directly in folder and fits name_max, else a notice names
// what ("flap file") and the name stays. 1 on the frame a name was taken.
int  folder_file_field(float x, float y, char* name, int name_max, int kind, const char* folder, const char* what,
                       const char* help);

// The tests' reset of the frame step's run state.
void clear_update_run_state(void);
