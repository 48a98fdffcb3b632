// Airwright's records, its start-up, and its menus, commands and keys. The
// files are Init_files.cpp, a new design Init_baseplane.cpp, the windows
// Init_windows.cpp.
//   records
//   start-up
//   menus
//   commands
//   keys
#include "Init.h"
#include "../simulator/Drplane.h"
#include "Drplane_records.h"
#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "UPDATA.h"

#include <cstring>

// ---- records ---------------------------------------------------------------

miscstruct msc;
init_call_record init_calls = {MACIBM_nuke_alert, MACIBM_opensave};

void clear_init_run_state(void)
{
    msc = miscstruct{};
    init_calls.MACIBM_nuke_alert = MACIBM_nuke_alert;
    init_calls.MACIBM_opensave = MACIBM_opensave;
}

// ---- start-up ----------------------------------------------------------------

// The start-up's progress bar runs in this many steps.
const int startup_steps = 121;

void airwright_startup(void)
{
    msc = miscstruct{};
    flt = flightstruct{};
    MACIBM_init();
    for (int k = 0; k < startup_steps; k++) MACIBM_showinit(1);
    msc.view_zoom = 1.0f;
    msc.sky_on = 0;
    mnw.draw_wire = 1;
    msc.view_pitch = 0;
    msc.view_heading = 250;
    msc.view_roll = -30;
    setup_baseplane(untitled_plane, untitled_plane);
    int w, h;
    OGL_texbmp(bmp_shared, tex_tire, bmp_opaque, "tire", &w, &h);
    read_airwright_prefs();
    if (pln[0].C_path[0]) openplane(1);
    APPLICATION_setupmenus();
}

// ---- menus ---------------------------------------------------------------------

static const char* const body_ellipse_help =
    "This smooths the body so that all of the cross-sections get pulled into a shape closer to an ellipse.";
static const char* const body_total_help =
    "This smooths the body so that all of the cross-sections get pulled into a shape closer to an ellipse, "
    "and also smooths it so that each station more easily blends into the stations in front and behind, "
    "resulting in a 'smoother' plane.";
static const char* const viewpoint_help = "This sets the pilots eye viewpoint and V-speeds.";
static const char* const panel_help = "This sets the instrument panel options.";
static const char* const force_help = "This sets the options that affect force-feedback joysticks.";
static const char* const engines_help = "This sets the engine parameters.";
static const char* const tanks_help =
    "This sets the parameters of external bodies which may be external fuel tanks, floats, baggage pods, "
    "ordnance, or any other external shape.";
static const char* const weight_help = "This sets the weight and center or gravity parameters.";
static const char* const gear_help = "This sets the landing gear (if any) parameters.";
static const char* const stability_help =
    "This sets the artificial stability parameters, use for stability-augmentation of fly-by-wire systems. "
    "Such systems are used on complex aircraft like the Sikorsky S-76 helo and the F-16 fighter.";

static void airplane_menus(void)
{
    MACIBM_append_menu(2, win_viewpoint, "Viewpoint", viewpoint_help);
    MACIBM_append_menu(2, win_panel, "Panel", panel_help);
    MACIBM_append_menu(2, 202, "-", "");
    MACIBM_append_menu(2, win_force, "Force Feedback", force_help);
    MACIBM_append_menu(2, 204, "-", "");
    MACIBM_append_menu(2, win_engines, "Engines", engines_help);
    MACIBM_append_menu(2, win_props, "Props", "This sets the propeller (if any) parameters.");
    MACIBM_append_menu(2, 207, "-", "");
    MACIBM_append_menu(2, win_wing_1, "Wing 1",
                       "This sets the Wing 1 parameters. Wing 1 is normally the primary flying surface, but may be "
                       "joined with other wings to create wings with unusual shapes, or used as a winglet or other "
                       "flying surface.");
    MACIBM_append_menu(2, win_wing_2, "Wing 2",
                       "This sets the Wing 2 parameters. Wing 2 is normally the secondary flying surface, but may be "
                       "joined with other wings to create wings with unusual shapes, or used as a winglet or other "
                       "flying surface.");
    MACIBM_append_menu(2, win_wing_3, "Wing 3",
                       "This sets the Wing 3 parameters. Wing 3 is normally the tertiary flying surface, but may be "
                       "joined with other wings to create wings with unusual shapes, or used as a winglet or other "
                       "flying surface.");
    MACIBM_append_menu(2, win_hstab, "Horizontal Stabilizer",
                       "This sets the horizontal stabilizer parameters. This surface may also be canard, or any "
                       "other surface with elevators on it.");
    MACIBM_append_menu(2, win_vstab_1, "Vertical Stabilizer 1", "This sets the primary vertical stabilizer parameters.");
    MACIBM_append_menu(2, win_vstab_2, "Vertical Stabilizer 2",
                       "This sets the secondary vertical stabilizer parameters. This stabilizer may also be joined "
                       "to vertical stab-1 to create variable-taper vertical stabilizers, common on many planes.");
    MACIBM_append_menu(2, 214, "-", "");
    MACIBM_append_menu(2, win_control, "Control Geometry", "This sets the flight control geometry parameters.");
    MACIBM_append_menu(2, 216, "-", "");
    MACIBM_append_menu(2, win_fuselage, "Fuselage", "This sets the fuselage parameters.");
    MACIBM_append_menu(2, win_nacelles, "Engine Nacelles", "This sets the engine nacelle parameters.");
    MACIBM_append_menu(2, win_misc, "Fuel Tanks or Floats", tanks_help);
    MACIBM_append_menu(2, win_fairings, "Wheel Fairings", "This sets the whel fairing (if any) parameters.");
    MACIBM_append_menu(2, win_pylons, "Engine Pylons",
                       "This sets the engine pylon parameters. Engine pylons normally support jet engines.");
    MACIBM_append_menu(2, 222, "-", "");
    MACIBM_append_menu(2, win_weight, "Weight & Balance", weight_help);
    MACIBM_append_menu(2, 224, "-", "");
    MACIBM_append_menu(2, win_gear, "Landing Gear", gear_help);

    MACIBM_append_menu(3, win_x_prop, "Prop", "This sets the prop airfoils.");
    MACIBM_append_menu(3, win_x_wing_1, "Wing 1", "This sets the wing 1 airfoils.");
    MACIBM_append_menu(3, win_x_wing_2, "Wing 2", "This sets the wing 2 airfoils.");
    MACIBM_append_menu(3, win_x_wing_3, "Wing 3", "This sets the wing 3 airfoils.");
    MACIBM_append_menu(3, win_x_hstab, "Horizontal Stabilizer", "This sets the horizontal stabilizer airfoils.");
    MACIBM_append_menu(3, win_x_vstab_1, "Vertical Stabilizer 1", "This sets the vertical stabilizer airfoils.");
    MACIBM_append_menu(3, win_x_vstab_2, "Vertical Stabilizer 2", "This sets the vertical stabilizer airfoils.");
    MACIBM_append_menu(3, 307, "-", "");
    MACIBM_append_menu(3, win_x_special, "Special Controls", "This sets the special control parameters.");
    MACIBM_append_menu(3, win_x_vtol, "VTOL Controls",
                       "This sets the vectotred-thrust parameters, used on VTOL planes like the Harrier and V-22 "
                       "Osprey.");
    MACIBM_append_menu(3, 310, "-", "");
    MACIBM_append_menu(3, win_x_stability, "Artificial Stability", stability_help);
}

static void helicopter_menus(void)
{
    MACIBM_append_menu(2, win_viewpoint, "Viewpoint", viewpoint_help);
    MACIBM_append_menu(2, win_panel, "Panel", panel_help);
    MACIBM_append_menu(2, 202, "-", "");
    MACIBM_append_menu(2, win_force, "Force Feedback", force_help);
    MACIBM_append_menu(2, 204, "-", "");
    MACIBM_append_menu(2, win_engines, "Engine", engines_help);
    MACIBM_append_menu(2, win_props, "Main Rotor", "This sets the main rotor parameters.");
    MACIBM_append_menu(2, hwin_tail_rotor, "Tail Rotor", "This sets the tail rotor parameters.");
    MACIBM_append_menu(2, hwin_rotor, "Rotor System", "This sets rotor parameters parameters.");
    MACIBM_append_menu(2, 209, "-", "");
    MACIBM_append_menu(2, hwin_hstab, "Horizontal Stabilizer", "This sets the horizontal stabilizer parameters.");
    MACIBM_append_menu(2, hwin_vstab_1, "Vertical Stabilizer 1", "This sets the primary vertical stabilizer parameters.");
    MACIBM_append_menu(2, hwin_vstab_2, "Vertical Stabilizer 2",
                       "This sets the seconday vertical stabilizer parameters. This stabilizer may also be joined to "
                       "vertical stab-1 to create variable-taper vertical stabilizers.");
    MACIBM_append_menu(2, 213, "-", "");
    MACIBM_append_menu(2, hwin_fuselage, "Fuselage", "This sets the fuselage parameters.");
    MACIBM_append_menu(2, hwin_nacelle, "Nacelle (Rotor Mast)", "This sets the Nacelle (Rotor Mast) parameters.");
    MACIBM_append_menu(2, hwin_misc, "Fuel Tanks or Floats", tanks_help);
    MACIBM_append_menu(2, hwin_fairings, "Wheel Fairings", "This sets the wheel fairing (if any) parameters.");
    MACIBM_append_menu(2, 218, "-", "");
    MACIBM_append_menu(2, hwin_weight, "Weight & Balance", weight_help);
    MACIBM_append_menu(2, 220, "-", "");
    MACIBM_append_menu(2, hwin_gear, "Landing Gear", gear_help);

    MACIBM_append_menu(3, hwin_x_main_rotor, "Main Rotor", "This sets the main rotor airfoils.");
    MACIBM_append_menu(3, hwin_x_tail_rotor, "Tail Rotor", "This sets the tail rotor airfoils.");
    MACIBM_append_menu(3, hwin_x_hstab, "Horizontal Stabilizer", "This sets the horizontal stabilizer airfoils.");
    MACIBM_append_menu(3, 303, "-", "");
    MACIBM_append_menu(3, hwin_x_stability, "Stability-Augmentation", stability_help);
}

void APPLICATION_setupmenus(void)
{
    MACIBM_create_menu(0, -1, "About");
    MACIBM_append_menu(0, item_about, "About", "");
    MACIBM_create_menu(1, -1, "File");
    MACIBM_append_menu(1, item_new, "New", "This will create a fresh starting point for a new aircraft.");
    MACIBM_append_menu(1, item_open, "Open", "This will open an existing aircraft.");
    MACIBM_append_menu(1, item_save, "Save", "This will save the currently open aircraft.");
    MACIBM_append_menu(1, item_save_as, "Save As", "This will save the currently open aircraft.");
    MACIBM_append_menu(1, 104, "-", "");
    MACIBM_append_menu(1, item_quit, "Quit", "");

    // The two modes lay out different items: the other mode's must not stay.
    for (int item = 200; item < 400; item++) {
        mnw.item_name[item][0] = 0;
        mnw.item_help[item][0] = 0;
    }
    MACIBM_create_menu(2, -1, "Standard");
    MACIBM_create_menu(3, -1, "Expert");
    if (pln[0].is_heli) helicopter_menus();
    else airplane_menus();

    MACIBM_create_menu(4, -1, "Background");
    MACIBM_append_menu(4, item_view_top, "Top              ", "");
    MACIBM_append_menu(4, item_view_bottom, "Bottom           ", "");
    MACIBM_append_menu(4, item_view_side, "Side             ", "");
    MACIBM_append_menu(4, item_view_front, "Front            ", "");
    MACIBM_append_menu(4, item_view_back, "Back             ", "");
    MACIBM_append_menu(4, 405, "-", "");
    MACIBM_append_menu(4, item_heading_up, "Adjust Heading[A]", "");
    MACIBM_append_menu(4, item_heading_down, "Adjust Heading[D]", "");
    MACIBM_append_menu(4, item_roll_up, "Adjust Roll   [W]", "");
    MACIBM_append_menu(4, item_roll_down, "Adjust Roll   [S]", "");
    MACIBM_append_menu(4, 410, "-", "");
    MACIBM_append_menu(4, item_move_left, "Move Left     [J]", "");
    MACIBM_append_menu(4, item_move_right, "Move Right    [L]", "");
    MACIBM_append_menu(4, item_move_up, "Move Up       [I]", "");
    MACIBM_append_menu(4, item_move_down, "Move Down     [K]", "");
    MACIBM_append_menu(4, 415, "-", "");
    MACIBM_append_menu(4, item_zoom_in, "Zoom in a Bit [X]", "");
    MACIBM_append_menu(4, item_zoom_out, "Zoom out a Bit[Z]", "");
    MACIBM_append_menu(4, 418, "-", "");
    MACIBM_append_menu(4, item_spin_quick, "3-D Quick        ", "");
    MACIBM_append_menu(4, item_spin_long, "3-D Long         ", "");

    MACIBM_create_menu(5, -1, "Special");
    MACIBM_append_menu(5, item_ellipse_fuselage, "Ellipse-Smooth Fuselage        [Low-f]", body_ellipse_help);
    MACIBM_append_menu(5, item_ellipse_nacelle, "Ellipse-Smooth Nacelles        [Low-n]", body_ellipse_help);
    MACIBM_append_menu(5, item_ellipse_tank, "Ellipse-Smooth Tanks or Floats [Low-t]", body_ellipse_help);
    MACIBM_append_menu(5, item_ellipse_fairing, "Ellipse-Smooth Wheel Fairings  [Low-e]", body_ellipse_help);
    MACIBM_append_menu(5, 504, "-", "");
    MACIBM_append_menu(5, item_total_fuselage, "Total-Smooth Fuselage          [Cap-F]", body_total_help);
    MACIBM_append_menu(5, item_total_nacelle, "Total-Smooth Nacelles          [Cap-N]", body_total_help);
    MACIBM_append_menu(5, item_total_tank, "Total-Smooth Tanks or Floats   [Cap-T]", body_total_help);
    MACIBM_append_menu(5, item_total_fairing, "Total-Smooth Wheel Fairings    [Cap-E]", body_total_help);
    MACIBM_append_menu(5, 509, "-", "");
    MACIBM_append_menu(5, item_airplane_mode, "Switch to AIRPLANE-MAKING mode        ", "");
    MACIBM_append_menu(5, item_helicopter_mode, "Switch to HELICOPTER-MAKING mode      ", "");
    MACIBM_append_menu(5, 512, "-", "");
    MACIBM_append_menu(5, item_wireframe, "Show With Wireframe                   ", "");
    MACIBM_append_menu(5, item_textures, "Show With Textures                    ", "");
    MACIBM_append_menu(5, 515, "-", "");
    MACIBM_append_menu(5, item_still_controls, "Show With Still Controls              ", "");
    MACIBM_append_menu(5, item_moving_controls, "Show With Moving Controls             ", "");
    MACIBM_append_menu(5, 518, "-", "");
    MACIBM_append_menu(5, item_black_background, "Show With Black Background            ", "");
    MACIBM_append_menu(5, item_sky_background, "Show With Sky Background              ", "");
    MACIBM_append_menu(5, 521, "-", "");
    MACIBM_append_menu(5, item_reload_textures, "Reload Textures                    [R]",
                       "This will re-load the texture from the disk, which is useful if you have just altered them "
                       "in a graphics program.");
    MACIBM_append_menu(5, item_texture_templates, "Output Texture-Map Starting Points    ",
                       "This will output texture map starting points for you to use to texture this aircraft.");
    MACIBM_append_menu(5, item_touch_up_textures, "Touch-Up Aircraft Textures            ",
                       "This will put the control-surface lines on your existing textures at the perfect place, "
                       "and perfectly trim the edges of your current airplane textures, too.");
}

int APPLICATION_item_marked(int item)
{
    switch (item) {
    case item_airplane_mode: return pln[0].is_heli == 0;
    case item_helicopter_mode: return pln[0].is_heli == 1;
    case item_wireframe: return mnw.draw_wire == 1;
    case item_textures: return mnw.draw_wire == 0;
    case item_still_controls: return msc.move_controls == 0;
    case item_moving_controls: return msc.move_controls == 1;
    case item_black_background: return msc.sky_on == 0;
    case item_sky_background: return msc.sky_on == 1;
    }
    return 0;
}

// ---- commands ------------------------------------------------------------------

// The body each smoothing command works on.
static int smoothed_part(int item)
{
    switch (item) {
    case item_ellipse_fuselage:
    case item_total_fuselage: return part_fuselage;
    case item_ellipse_nacelle:
    case item_total_nacelle: return part_nacelle_first;
    case item_ellipse_tank:
    case item_total_tank: return part_misc_first;
    default: return part_fairing_first;
    }
}

// A fresh design in the mode now set, with the main view.
static void new_design(void)
{
    setup_baseplane(untitled_plane, untitled_plane);
    MACIBM_startwind(win_main);
}

static void set_view(float pitch, float heading, float roll)
{
    msc.view_pitch = pitch;
    msc.view_heading = heading;
    msc.view_roll = roll;
}

// The paint files go beside the aircraft's file: a design without one has
// no folder of its own to take them.
static int design_has_folder(void)
{
    if (msc.has_file) return 1;
    MACIBM_alert("This aircraft has not been saved yet, so it has no folder for its texture bitmaps.",
                 "Save it with Save or Save As first, then choose this again.", "", "Nothing was written.",
                 alert_notice);
    return 0;
}

static void run_command(int item)
{
    switch (item) {
    case item_about: MACIBM_alert("", "", "", "", alert_about); return;
    case item_new:
        if (do_new_thing()) new_design();
        return;
    case item_airplane_mode:
    case item_helicopter_mode:
        // One question for the switch: the new design follows it at once.
        if (do_new_thing()) {
            pln[0].is_heli = item == item_helicopter_mode;
            new_design();
        }
        return;
    case item_open:
        if (do_new_thing()) openplane(0);
        return;
    case item_save:
        if (writeplane(0)) msc.dirty = 0;
        MACIBM_startwind(win_main);
        return;
    case item_save_as:
        if (writeplane(1)) msc.dirty = 0;
        return;
    case item_quit:
        if (do_new_thing()) {
            gdone = 1;
            write_airwright_prefs();
        }
        return;
    case item_view_top: set_view(0, 270, -90); return;
    case item_view_bottom: set_view(0, 270, 90); return;
    case item_view_side: set_view(0, 270, 0); return;
    case item_view_front: set_view(0, 180, 0); return;
    case item_view_back: set_view(0, 0, 0); return;
    case item_heading_up: msc.view_heading = fltwrap(msc.view_heading + 10, 0, 360); return;
    case item_heading_down: msc.view_heading = fltwrap(msc.view_heading - 10, 0, 360); return;
    case item_roll_up: msc.view_roll = fltwrap(msc.view_roll + 10, 0, 360); return;
    case item_roll_down: msc.view_roll = fltwrap(msc.view_roll - 10, 0, 360); return;
    case item_move_left: msc.view_dx -= 0.05f; return;
    case item_move_right: msc.view_dx += 0.05f; return;
    case item_move_up: msc.view_dy += 0.05f; return;
    case item_move_down: msc.view_dy -= 0.05f; return;
    case item_zoom_in: msc.view_zoom /= 1.05f; return;
    case item_zoom_out: msc.view_zoom *= 1.05f; return;
    case item_spin_quick:
    case item_spin_long: msc.spin_mode = item; return;
    case item_ellipse_fuselage:
    case item_ellipse_nacelle:
    case item_ellipse_tank:
    case item_ellipse_fairing:
        smoothit(smoothed_part(item), 0);
        msc.dirty = 1;
        return;
    case item_total_fuselage:
    case item_total_nacelle:
    case item_total_tank:
    case item_total_fairing:
        smoothit(smoothed_part(item), 1);
        msc.dirty = 1;
        return;
    case item_wireframe: mnw.draw_wire = 1; return;
    case item_textures: mnw.draw_wire = 0; return;
    case item_still_controls: msc.move_controls = 0; return;
    case item_moving_controls: msc.move_controls = 1; return;
    case item_black_background:
    case item_sky_background:
        msc.sky_on = item == item_sky_background;
        MACIBM_startwind(win_main);
        return;
    case item_reload_textures:
        load_plane_geo(1, 0, 0, 0);
        mnw.draw_wire = 0;
        return;
    case item_texture_templates:
        if (!design_has_folder()) return;
        MACIBM_alert("I shall now create a bitmaps in the aircraft directory which will contain an outlines of the "
                     "various parts of this airplane.",
                     "You may adjust the SIZES of these bitmaps to any power of 2.",
                     "These bitmaps are good starting points for you to do your own textures for this airplane "
                     "with a graphics program.",
                     "Just remember, if you change the aircraft geometry, then you will need to change your "
                     "textures to fit the new shape of the plane!",
                     alert_notice);
        load_plane_geo(0, 1, 0, 0);
        return;
    case item_touch_up_textures:
        if (!design_has_folder()) return;
        MACIBM_alert("I shall now touch up the aircraft textures for this aircraft.",
                     "I will put the control-surface lines on your existing textures at the perfect places!",
                     "I will trim the edges of your current airplane textures perfectly, too.",
                     "Re-do this whenever you change your aircraft geometry or control-surface locations or sizes.",
                     alert_notice);
        load_plane_geo(0, 0, 1, 0);
        return;
    }
    // The design screens: only the current set's have windows.
    if (item != win_main && find_airwright_window(item)) MACIBM_startwind(item);
}

void APPLICATION_handlemenu(int item)
{
    run_command(item);
    // A mode switch or an opened design changes the set the menus offer.
    shell.APPLICATION_update();
    APPLICATION_setupmenus();
}

// ---- keys ------------------------------------------------------------------------

// Each key and the command it sends; letters in both cases, but the
// smoothing commands tell lower (ellipse) from upper case (total).
struct key_command {
    char key;
    int item;
};

static const key_command key_commands[] = {
    {'a', item_heading_up},        {'A', item_heading_up},
    {'d', item_heading_down},      {'D', item_heading_down},
    {'w', item_roll_up},           {'W', item_roll_up},
    {'s', item_roll_down},         {'S', item_roll_down},
    {'j', item_move_left},         {'J', item_move_left},
    {'l', item_move_right},        {'L', item_move_right},
    {'i', item_move_up},           {'I', item_move_up},
    {'k', item_move_down},         {'K', item_move_down},
    {'x', item_zoom_in},           {'X', item_zoom_in},
    {'z', item_zoom_out},          {'Z', item_zoom_out},
    {'r', item_reload_textures},   {'R', item_reload_textures},
    {'f', item_ellipse_fuselage},  {'F', item_total_fuselage},
    {'n', item_ellipse_nacelle},   {'N', item_total_nacelle},
    {'t', item_ellipse_tank},      {'T', item_total_tank},
    {'e', item_ellipse_fairing},   {'E', item_total_fairing},
};

void APPLICATION_handlekey(char key, int)
{
    for (const key_command& k : key_commands)
        if (k.key == key) {
            APPLICATION_handlemenu(k.item);
            return;
        }
}
