// The simulator's menu commands and the logbook. Items are menu x 100 +
// index; the Quit item is the library's item_quit.
#pragma once

const int item_about = 0;
const int item_credits = 1;
const int item_open_aircraft = 100;
const int item_load_situation = 102;
const int item_save_situation = 103;
const int item_find_me = 215;
const int item_get_me_lost = 216;
const int item_graph = 400;            // the graphic flight record
const int item_chart_first = 401;      // low enroute, sectional, weather radar, local virtual world
const int item_chart_last = 404;
const int item_isometric = 405;
const int item_world_map = 406;
const int item_diagram_first = 408;    // one per local airport
const int item_view_first = 500;       // the views, 500 to 522; the one shown is checked
const int item_view_last = 522;
const int item_zoom_in = 524;
const int item_zoom_out = 525;
const int item_trail_show = 527;       // 3-D flight-path trail on
const int item_trail_hide = 528;
const int item_trail_reset = 529;
const int item_replay_enter = 531;
const int item_replay_leave = 532;
const int item_force_report = 600;     // output one flight engine cycle
const int item_reset_prefs = 602;      // reset preferences and exit
const int item_help_controls = 604;    // the instructions notices, 604 to 608
const int item_help_support = 608;
const int item_logbook = 610;          // report logged time to "Volanto.log"
const int item_vor_first = 1000;       // over a local VOR, 1000 + its entry
const int item_ndb_first = 1100;       // over a local NDB
const int item_pick_first = 2000;      // the runway picks, (base + entry) x 100 + end
const int item_pick_end = 32000;
const int pick_base_takeoff = 20;      // the three lists' bases
const int pick_base_vfr = 120;
const int pick_base_ils = 220;

const int chart_diagram = 998;         // msc.chart_kind of an airport diagram
const int replay_stopped_speed = 4;    // set.replay_speed: in replay, the clock still

const char* const logbook_file_name = "Volanto.log";   // in the current folder

// What the commands call beyond the library's windows and alerts; tests
// point these at recorders. Each starts as the function of its name.
struct menu_calls {
    void (*set_fltvars)(int code, int sub);
    int (*load_plane)(int p);
    void (*load_region)(int mode);
    int (*MACIBM_opensave)(int mode, int kind, char* name, char* path);
};
extern menu_calls menu_call;

// The run's command state back to its start: no Quit under way, the
// preferences not reset, no replay entry kept.
void clear_menu_run_state(void);
// Writes the logbook file at path from the run's flown time, the weather
// settings and the flight: 1 when it reached the disk, else 0 after the notice.
int  write_logbook(const char* path);
