// The simulator's menu commands: settings windows, aircraft and situation
// files, placements, views and zoom, the flown-path trail and replay, the
// notices, and Quit with its logbook.
//
// Sections (grep "---- name"):
//   run state     what the commands keep for the run
//   windows       the items that open a window
//   placements    special starts, runway and navaid picks, getting lost
//   views         views, zoom, trail and replay
//   files         aircraft and situation files
//   notices       the Output and Help notices
//   quit          Quit, the logbook and the preferences reset
//   commands      APPLICATION_handlemenu
#include "Menus.h"
#include "Do_atc.h"
#include "Genwrld.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Initpln.h"
#include "Windows.h"
#include "records.h"

#include <cstdio>
#include <cstring>

menu_calls menu_call = {set_fltvars, load_plane, load_region, MACIBM_opensave};

// ---- run state -----------------------------------------------------------------

// Where the flight was when replay began: leaving replay goes on from there.
struct replay_entry {
    float pos[3];                // m, single precision as kept
    float vel[3];                // m/s
    float theta, psi, phi;       // degrees
};

struct menu_run_state {
    int quitting = 0;            // Quit is under way: a second close request ends its notice
    int prefs_reset = 0;         // the preferences were disabled: nothing saves them again
    replay_entry replay = {};
};
static menu_run_state menu_run;

void clear_menu_run_state(void) { menu_run = menu_run_state(); }

// ---- windows -------------------------------------------------------------------

struct window_item {
    int item;
    int window;
    int chart;                   // msc.chart_kind the window shows, 0 none
};

static const window_item window_items[] = {
    {item_credits, win_credits, 0},
    {item_find_me, win_find_me, 0},
    {300, win_data_output, 0},
    {301, win_serial_output, 0},
    {303, win_time_of_day, 0},
    {304, win_rendering, 0},
    {306, win_weather_space, 0},
    {307, win_weather_atmosphere, 0},
    {308, win_weather_ground, 0},
    {309, win_weather_water, 0},
    {311, win_flight_mode, 0},
    {312, win_weights, 0},
    {314, win_reliability, 0},
    {315, win_instrument_reliability, 0},
    {316, win_equipment_reliability, 0},
    {318, win_sound, 0},
    {319, win_warnings, 0},
    {401, win_chart, 401},
    {402, win_chart, 402},
    {403, win_chart, 403},
    {404, win_chart, 404},
    {item_isometric, win_isometric, 0},
    {item_world_map, win_world, 0},
    {1200, win_airport_id, 0},
    {1201, win_airport_name, 0},
    {1300, win_chart, 401},
    {1301, win_chart, 404},
    {1302, win_world, 0},
    {1303, win_lat_lon, 0},
};

static void open_window(int id) { shell.MACIBM_startwind(id); }

// 1 when item opens a window of the table.
static int window_command(int item)
{
    for (const window_item& w : window_items)
        if (w.item == item) {
            if (w.chart) msc.chart_kind = w.chart;
            open_window(w.window);
            return 1;
        }
    return 0;
}

static void graph_command(void)
{
    for (int k = 0; k < graph_slots; k++)
        if (set.graph_sel[k] != -1) {
            open_window(win_graph);
            return;
        }
    MACIBM_alert("You have not selected any data to view!",
                 "Close this window, go to the 'Settings' menu, and select 'Set Data Output'.",
                 "Then select whatever data you want to view... the middle column selects data for graphical viewing.",
                 "Then fly around for awhile and then view this data.", alert_notice);
}

// Local airport entry l's diagram, titled with its name and ID.
static void diagram_command(int l)
{
    if (l < 0 || l > apt_lcl_max) return;
    int a = apt_to_index[l];
    if (!airport_in_table(a)) return;
    msc.chart_kind = chart_diagram;
    msc.diagram_apt = a;
    snprintf(C_s, sizeof C_s, "%.40s (%.5s)", apt_name[a], apt_id[a]);
    open_window(win_diagram);
}

// ---- placements ----------------------------------------------------------------

static int special_start(int item)
{
    return intrange(item, place_grass_field, place_seaplane) || intrange(item, place_formation, place_drop) ||
           intrange(item, place_helipad, place_fire);
}

// A runway end of a local airport: (base + entry) x 100 + end, the ends of
// runway k being 2k and 2k + 1 (the far end). Picks the menus cannot hold
// mean the lists and the menus are out of step, which is fatal.
static void runway_pick(int item)
{
    int base, sub;
    if (item < 12000) base = pick_base_takeoff, sub = place_on_runway;
    else if (item < 22000) base = pick_base_vfr, sub = place_short_final;
    else base = pick_base_ils, sub = place_long_final;
    int l = item / 100 - base, r = item % 100;
    if (l < 0 || l >= local_list_max || l > apt_lcl_max)
        MACIBM_alert("Apt sel out of range!", "", "", &l, alert_fatal_number);
    int a = apt_to_index[l];
    if (!airport_in_table(a))
        MACIBM_alert("loc_apt_wrl out of range!", "", "", &a, alert_fatal_number);
    int rwy = apt_lo_ind[a] + r / 2;
    if (rwy < apt_lo_ind[a] || rwy > apt_hi_ind[a])
        MACIBM_alert("loc_rwy_wrl out of range!", "", "", &rwy, alert_fatal_number);
    msc.apt_sel = a;
    msc.rwy_sel = rwy;
    msc.rwy_reverse = r % 2;
    menu_call.set_fltvars(place_runway, sub);
}

// 1000 above a local VOR or NDB, flying north at half as fast again as the stall.
static void navaid_pick(int item)
{
    int vor = item < item_ndb_first;
    int entry = item - (vor ? item_vor_first : item_ndb_first);
    if (entry < 0 || entry > (vor ? vor_lcl_max : ndb_lcl_max) || entry >= local_list_max) return;
    int n = vor ? vor_to_index[entry] : ndb_to_index[entry];
    if (!navaid_in_table(n)) return;
    set.place_lat = nav_lat[n];
    set.place_lon = nav_lon[n];
    set.place_alt = nav_h[n] + 1000;
    set.place_hdg = 0;
    set.place_speed = 1.5f * msc.vstall;
    menu_call.set_fltvars(place_over_point, 0);
}

// Somewhere over the loaded region, at a random height and heading.
static void get_me_lost(void)
{
    set.place_lat = fltrand((float)env.reg_lat, (float)env.reg_lat + 2);
    set.place_lon = fltrand((float)env.reg_lon, (float)env.reg_lon + 3);
    set.place_alt = fltrand(2000, 4000);
    set.place_hdg = fltrand(0, 360);
    set.place_speed = 1.3f * msc.vstall;
    menu_call.set_fltvars(place_situation, 0);
}

// ---- views ---------------------------------------------------------------------

static int looks_aside(int view)
{
    return intrange(view, view_left_45, view_right_135) || view == view_backwards || view == view_tower ||
           view == view_runway || view == view_chase || view == view_follow || view == view_spot ||
           view == view_full_hud || view == view_full_no_hud;
}

static void view_command(int view)
{
    scn.zoom = 1;
    set.view_id = view;
    set.side_view = looks_aside(view);
    // The spot camera waits four seconds ahead of the aircraft, 20 m off each axis.
    if (view == view_spot) {
        msc.spot_x = (float)(flt.pos_x[0] + 4 * flt.vel_x + 20);
        msc.spot_y = (float)(flt.pos_y[0] + 4 * flt.vel_y + 20);
        msc.spot_z = (float)(flt.pos_z[0] + 4 * flt.vel_z + 20);
    }
}

// The chase and follow cameras move in and out; any other view magnifies.
static void zoom_command(int in)
{
    int v = set.view_id;
    if (v == view_chase || v == view_follow || v == view_follow_2)
        scn.chase_dist = fltlim(scn.chase_dist * (in ? 0.95f : 1.05f), 2 * scn.plane_size, 9.9e9f);
    else
        scn.zoom = fltlim(scn.zoom * (in ? 2.0f : 0.5f), 1, 100);
}

static void enter_replay(void)
{
    if (set.replay_speed != 0) return;
    set.replay_speed = replay_stopped_speed;
    pat.replay_time = msc.sim_time;
    replay_entry& e = menu_run.replay;
    e.pos[0] = (float)flt.pos_x[0];
    e.pos[1] = (float)flt.pos_y[0];
    e.pos[2] = (float)flt.pos_z[0];
    e.vel[0] = (float)flt.vel_x;
    e.vel[1] = (float)flt.vel_y;
    e.vel[2] = (float)flt.vel_z;
    e.theta = flt.theta[0];
    e.psi = flt.psi[0];
    e.phi = flt.phi[0];
}

static void leave_replay(void)
{
    if (set.replay_speed == 0) return;
    set.replay_speed = 0;
    const replay_entry& e = menu_run.replay;
    flt.pos_x[0] = e.pos[0];
    flt.pos_y[0] = e.pos[1];
    flt.pos_z[0] = e.pos[2];
    flt.vel_x = e.vel[0];
    flt.vel_y = e.vel[1];
    flt.vel_z = e.vel[2];
    flt.theta[0] = e.theta;
    flt.psi[0] = e.psi;
    flt.phi[0] = e.phi;
}

// ---- files ---------------------------------------------------------------------

static void open_aircraft(void)
{
    if (!menu_call.MACIBM_opensave(win_open, kind_aircraft, pln[0].C_file, pln[0].C_path)) return;
    menu_call.load_plane(0);
    menu_call.set_fltvars(place_runway, place_on_runway);
    open_window(win_main);
}

// A situation names its aircraft from the program folder, with the folder
// marks of whatever system saved it. A path that does not fit is a file
// that cannot be opened, and the loader falls back to the default aircraft.
static void situation_plane_path(void)
{
    char* p = pln[0].C_path;
    for (char* c = p; *c; c++)
        if (*c == ':' || *c == '\\') *c = '/';
    if (p[0] == '/') return;
    char whole[sizeof pln[0].C_path];
    if (snprintf(whole, sizeof whole, "%s%s", app_path, p) >= (int)sizeof whole) whole[0] = 0;
    memcpy(p, whole, sizeof whole);
}

static void load_situation(void)
{
    char name[path_max], path[path_max];
    snprintf(name, sizeof name, "%s", situation_default_name);
    if (!menu_call.MACIBM_opensave(win_open, kind_situation, name, path)) return;
    if (!grab_prefs(path, kind_situation, 1)) return;
    situation_plane_path();
    menu_call.load_region(1);
    menu_call.load_plane(0);
    menu_call.set_fltvars(place_situation, 0);
    open_window(win_main);
}

// The situation names an aircraft inside the program folder relative to it,
// so that it still flies from another install; the live path stays whole.
static void save_situation(void)
{
    char name[path_max], path[path_max];
    snprintf(name, sizeof name, "%s", situation_default_name);
    if (!menu_call.MACIBM_opensave(win_save, kind_situation, name, path)) return;
    char live[sizeof pln[0].C_path];
    memcpy(live, pln[0].C_path, sizeof live);
    size_t n = strlen(app_path);
    if (n > 0 && strncmp(live, app_path, n) == 0) snprintf(pln[0].C_path, sizeof pln[0].C_path, "%s", live + n);
    dump_prefs(path, kind_situation);
    memcpy(pln[0].C_path, live, sizeof live);
}

// ---- notices -------------------------------------------------------------------

struct notice {
    int item;
    const char* line[4];
};

static const notice notices[] = {
    {item_force_report,
     {"I will dump all the data for the next cycle of Volanto to the file 'Volanto.out'.",
      "This will include all the angles of attack, forces, velocities, etc. for this instant in time.",
      "Quit Volanto and open the file Volanto.out' with a word processor to read the resultant file.",
      "Be sure to turn off text-wrapping in your word processor or allow very wide text area for the file to look right."}},
    {604,
     {"The joystick or yoke will the operate ailerons and elevator. Rudder pedals will operate the rudder. (Rudder will stay centered if you don't have pedals).",
      "If you have a Thrust-Master throttle or a throttle wheel on your joystick, it will operate the aircraft throttle.",
      "If you have no joystick or yoke, the mouse will work instead... just click in the center of the windshield to actviate mouse control.",
      "Go to the 'Settings' menu and select 'Set Flight Mode...' to assign rudder availability."}},
    {605,
     {"Point and click to operate controls.",
      "Click above radio frequency knobs to increase frequency, below them to decrease.",
      "Click on the left and right side of the HSI OBS button to change the HSI OBS. Same with the pressure-setting on the altimeter.",
      "Just click the mouse wherever you want the throttle, flaps, etc to be to move them."}},
    {606,
     {"You never have to use the keyboard.",
      "If you want to use the keyboard, equivalents are available for almost everything.",
      "See the file 'Volanto Instructions.txt' for a complete list of keyboard equivalents.",
      "You can also hit all the keys listed in the view menu to select views."}},
    {607,
     {"Just hit the ENTER or RETURN key to bring up the air traffic control menu.",
      "Then point and click with the mouse to make your selection. (Selection in pulsing yellow recommended).",
      "Go to the 'Set Sound' option in the 'Settings' menu to select ATC audio output.", ""}},
    {item_help_support,
     {"Volanto is built from its source: a problem is best reported with the steps that show it.",
      "Say which aircraft and which place you flew, and add the files 'Error.out' and 'Volanto.out' from the folder you started it in.",
      "If the program acts up after a change of settings, 'Reset Preferences and Exit' in this menu brings back the factory settings.",
      "The file 'Volanto Instructions.txt' beside the program lists every key."}},
};

static int notice_command(int item)
{
    for (const notice& n : notices)
        if (n.item == item) {
            MACIBM_alert(n.line[0], n.line[1], n.line[2], n.line[3], alert_notice);
            return 1;
        }
    return 0;
}

// ---- quit ----------------------------------------------------------------------

// "Total time logged: 1:5." - hours and minutes, the minutes without a leading zero.
static void logged_line(char* out, size_t cap, const char* label, float seconds)
{
    int h, m;
    sec_to_hrs_min(seconds, &h, &m);
    char hs[8], ms[8];
    int_to_str(h, hs);
    int_to_str(m, ms);
    snprintf(out, cap, "%s%s:%s.", label, hs, ms);
}

static void put_float(const char* key, float v) { ouf << key << v << '\n'; }
static void put_int(const char* key, int v) { ouf << key << v << '\n'; }

int write_logbook(const char* path)
{
    if (!ouf_open(path, kind_text, 1)) return 0;
    const float* ground = atm.wind_layer[0];
    ouf << "callsign=                  " << atc.callsign << '\n';
    put_float("total_flight_time(h)=      ", msc.logged_time / 3600);
    put_float("night_flight_time(h)=      ", msc.night_time / 3600);
    put_float("instrument_flight_time(h)= ", msc.instrument_time / 3600);
    put_float("rains=                     ", atm.precip_level);
    put_float("thunderstorms=             ", atm.storm_level);
    put_float("wind_turbulence=           ", atm.wind_turbulence);
    put_float("burst_probability=         ", atm.shear_level);
    put_int("cloud_type=                ", atm.cloud_type);
    put_float("bases_AGL(m)=              ", atm.cloud_base_agl);
    put_float("tops_MSL(m)=               ", atm.cloud_tops);
    put_float("wind_direction_surface=    ", ground[wl_wind_dir]);
    put_float("wind_speed_surface(m/s)=   ", ground[wl_wind_speed] * con.ktstomsc);
    put_float("shear_direction_surface=   ", ground[wl_shear_dir]);
    put_float("shear_speed_surface(m/s)=  ", ground[wl_shear_speed] * con.ktstomsc);
    put_float("turbulence_surface=        ", ground[wl_turbulence]);
    put_float("total_mass(kg)=            ", flt.mass_now);
    put_float("dist_travelled(m)=         ", flt.dist_flown);
    put_int("crashes_happened(#)=       ", msc.crash_count);
    return ouf_close();
}

// The preferences are saved only once a region with airports is loaded:
// until then no flight has been placed, so there is no airport for the next
// start to come back to. Quit ends the program even when a file could not
// be written: the writer has said so, and the old file is whole.
static void quit_simulator(void)
{
    if (menu_run.quitting || menu_run.prefs_reset) {
        // A close request during Quit's notice answers it; during the reset's
        // alert the preferences must stay disabled.
        gdone = 1;
        return;
    }
    menu_run.quitting = 1;
    if (apt_lcl_max > -1) dump_prefs(prf_path, kind_text);
    if (msc.logbook_on) {
        char total[line_max], night[line_max], instrument[line_max];
        logged_line(total, sizeof total, "Total time logged: ", msc.logged_time);
        logged_line(night, sizeof night, "Night time logged: ", msc.night_time);
        logged_line(instrument, sizeof instrument, "Actual instrument time logged: ", msc.instrument_time);
        MACIBM_alert("Logbook results: (see much more info in 'Volanto.log' text file!)", total, night, instrument,
                     alert_notice);
        write_logbook(logbook_file_name);
    }
    gdone = 1;
}

// A preferences file no start can read: the next start takes the factory
// settings. A file that could not be written has been told of, and the
// program goes on with its preferences as they were.
static void reset_preferences(void)
{
    if (!ouf_open(prf_path, kind_text, -1)) return;
    ouf << "z\n\n";
    if (!ouf_close()) return;
    menu_run.prefs_reset = 1;
    MACIBM_alert("I have disabled the preferences file.",
                 "The next time you start Volanto or, it will revert to the factory settings.",
                 "This should allow normal operation if the preferences file has become corrupted somehow.",
                 "I will now terminate the program. Run Volanto again to start in the standard condition.",
                 alert_fatal);
}

// ---- commands ------------------------------------------------------------------

// In replay the flight stays where it is: the file, placement and settings
// items wait, Quit and the Output, View, Special and chart items work.
static int allowed_in_replay(int item)
{
    if (item == item_quit) return 1;
    return item >= 400 && item < item_vor_first;
}

void APPLICATION_handlemenu(int item)
{
    if (set.replay_speed != 0 && !allowed_in_replay(item)) return;
    if (item == item_force_report) set.force_report = 1;
    if (window_command(item) || notice_command(item)) return;
    if (intrange(item, item_view_first, item_view_last)) {
        view_command(item);
        return;
    }
    if (special_start(item)) {
        menu_call.set_fltvars(item, 0);
        return;
    }
    if (item >= item_diagram_first && item < item_view_first) {
        diagram_command(item - item_diagram_first);
        return;
    }
    if (item >= item_vor_first && item < item_ndb_first + 100) {
        navaid_pick(item);
        return;
    }
    if (item >= item_pick_first && item < item_pick_end) {
        runway_pick(item);
        return;
    }
    switch (item) {
    case item_about: MACIBM_alert("", "", "", "", alert_about); break;
    case item_open_aircraft: open_aircraft(); break;
    case item_load_situation: load_situation(); break;
    case item_save_situation: save_situation(); break;
    case item_quit: quit_simulator(); break;
    case item_get_me_lost: get_me_lost(); break;
    case item_graph: graph_command(); break;
    case item_zoom_in: zoom_command(1); break;
    case item_zoom_out: zoom_command(0); break;
    case item_trail_show: grf.graph_shown = 1; break;
    case item_trail_hide: grf.graph_shown = 0; break;
    case item_trail_reset: memset(&pat, 0, sizeof pat); break;
    case item_replay_enter: enter_replay(); break;
    case item_replay_leave: leave_replay(); break;
    case item_reset_prefs: reset_preferences(); break;
    case item_logbook: msc.logbook_on = !msc.logbook_on; break;
    }
}
