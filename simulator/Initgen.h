// General initialisation of the simulator and its settings and state
// records: set (user settings and control state), msc (time step, clocks,
// chosen airport), nav (radios), rel (failure settings), atm (weather
// settings and air data), grf (graph buffer), and the data output stream trk
// ("Volanto.out"). Start-up zeroes the records; init_gen, the preferences or
// the factory defaults fill them. Also the world databases: the airport,
// runway, navaid and fix tables and their loading.
#pragma once
#include "Genwrld.h"

#include <fstream>

const int dataout_items = 60;    // data-output items
const int fail_slots = 32;       // failure slots of rel
const int system_flags = 44;     // system-working flags of rel (named in Fltutil.h)
const int graph_samples = 1800;  // graph buffer, one sample a frame
const int graph_slots = 4;       // graphed items, four columns each
const int cockpit_entries = 10;  // the cockpit table's lines

// What a situation holds beyond the placement, as the situation reader
// stored it for the restore of a saved flight.
struct situationvalues {
    int ap_switch[7];            // ap_hdg, ap_nav1, ap_nav2, ap_alt, ap_vvi, ap_gs, ap_speed
    float ap_target[3];          // alt_target, vvi_target, speed_target
    int ap_hold_flag;
    int gear_stat[3];
    float flight[8];             // flap_ratio, flap_request, pitch, roll and yaw trim, fuel, jettison, payload
    float engine[6][4];          // throttle, throttle_req, prop_req, blade_pitch, mixture, engine_speed per engine
};

struct settingstruct {
    int joy_device;              // -1 no joystick, 15 the first, 16 the second
    int gov_on;                  // engine control switch of turbine helicopters (joystick chords)
    float ctl_scale_a;           // flight-controls sliders (defaults 0, 1, 1, 1)
    int joy_throttle_on;         // the joystick throttle axis drives the throttle
    int rudder_pedals;
    int avionics_stack;          // start-up then resets the radios
    int throttle_quadrant;
    int collective_stick;
    float ctl_scale_b;
    float ctl_scale_c;
    float ctl_scale_d;
    int joy_button_map[22];
    float joy_extra_a;           // null zones of the pitch, yaw and roll axes
    float joy_extra_b;
    float joy_extra_c;
    float pitch_key;             // keyboard or mouse yoke, -1..1
    float roll_key;
    float yaw_key;
    float stick_pitch;           // rate-limited stick, -1..1
    float stick_roll;
    float stick_yaw;             // ground steering reads it with rudder pedals
    float ctl_pitch;             // control ratios -1..1
    float ctl_roll;
    float ctl_yaw;
    int ap_hold_flag;            // written with the situation values
    float alarm_stamp[3];        // simulated time of three failure alarms
    int force_report;            // the force build-up explains one cycle into trk
    int view_id;                 // View-menu item 500..522
    int replay_speed;            // 0 live; 1..7 replay at -5, -1, -0.2, 0, 0.2, 1, 5
    int side_view;               // any view but forwards, down 4, down 8, second follow
    int warn_framerate;
    int shed_on_overspeed;
    int warn_flap_overspeed;
    int snd_warnings;
    int snd_headset;             // engines as heard through a headset
    int atc_text;
    int atc_speech;
    int render_flag_1;           // packed as value 1 of the rendering line
    int air_traffic_on;
    int render_flag_4;           // packed as value 4 of the rendering line
    int out_file[dataout_items]; // data-output item to the data output file
    int out_file_any;
    int out_cockpit[dataout_items];
    int cockpit_list[cockpit_entries];   // the first ten cockpit items, -1 free
    int out_graph[dataout_items];
    int out_graph_any;
    int graph_sel[graph_slots];  // graphed items, -1 none
    int out_serial[dataout_items];
    int serial_mode;             // 0 off
    int serial_port;             // 0 "COM1", else "COM2"
    float place_lat;             // requested placement, degrees
    float place_lon;
    float place_alt;             // m
    float place_hdg;             // degrees
    float place_speed;           // m/s
    situationvalues sit_values;
    float wire_decel;            // m/s2 while an arresting wire holds
    int wire_caught;
    int on_catapult;
    int catapult_run;            // the catapult launch is under way: brakes released while on_catapult
    int tow_hold;                // the glider waits behind the tow plane
    int tow_on;                  // the tow rope is attached in flight
    int drop_on;                 // hanging under the drop aircraft
    int panel_hidden;            // the panel is not drawn; the background shows instead
    int gear_down;               // the gear handle: non-zero down
    float gear_time[3];          // sim_time at which the nose, left and right legs finish moving; 9.9e9 a failed leg
    float ah_adjust;             // the attitude indicator's aircraft symbol raised, panel units (-10..10)
};

struct miscstruct {
    float dt;                    // flight-model time step, s (0.01..0.1)
    float time_ratio;
    int logbook_on;
    float instrument_time;       // logged, s
    float night_time;            // logged, s
    float logged_time;           // s flown over the run: sim_time restarts with every flight
    float time_of_day;           // local, s
    float sim_time;              // s
    int snd_ok;                  // the sound system started
    int speech_ok;               // the speech engine started
    int sound_on;
    int rwy_reverse;             // start from the far end of the chosen runway
    char typed_apt_id[5];        // four letters and the end, "KAAA" fits
    int apt_sel;                 // chosen start airport
    int rwy_sel;                 // chosen start runway
    int diagram_apt;             // airport of the diagram shown
    float vstall;                // m/s, the loaded aircraft's stall speed
    int crash_count;
    char last_key;               // after remapping
    int chart_kind;              // 401..404, 998 airport diagram
    int kbd_layout;              // 1 American, 2 French, 3 German
    int paused;
    int mouse_yoke_on;
    float view_hdg;              // head turn of the cockpit view, rad 0..2pi
    float view_pitch;            // rad -pi/2..pi/2
    float spot_x, spot_y, spot_z;   // spot camera, m
    float rwy_view_x, rwy_view_y, rwy_view_z;   // the on-runway camera, m: beside the start point
    int near_apt;                // the airport nearest aircraft 0, found by the frame's culling:
    int near_apt_lcl;            //   its world index, its local index
    int near_rwy;                //   and its first runway's world index
    int joy_calibrating;         // the joystick calibration box is drawn over the view

    // the flight step's clocks and counters; a new flight zeroes the two counters
    float tod_zone;              // s, Zulu: time_of_day less the longitude's zone
    float timer;                 // s 0..3600, the panel's stopwatch
    int timer_on;
    int frame_count;             // 1..30000, 0 right after a new flight
    int tenth_count;             // 0..9: mod_sec runs on 0
};

// Radios: COM and NAV in hundredths of MHz, the ADF in kHz.
const int nav_receivers = 5;
const int recv_nav1 = 0;
const int recv_nav2 = 1;
const int recv_adf = 4;
struct navstruct {
    int com1;
    int com2;
    int nav1;
    int nav2;
    int adf;
    int xpdr[4];                 // transponder digits 0..7
    float nav_crs1;              // course of the first indicator, degrees
    float nav_crs2;              // course of the HSI
    int dme_sel;
    int xpdr_mode;
    int gps_mode;
    int gps_index;               // destination
    int gps_id_char[4];          // destination letters as indices
    int gps_cursor;              // entry position: 0 the destination list, 1..4 a letter
    int panel_preset[3];         // the GPS's last index for airports, VORs and NDBs
    int hdg_bug;                 // autopilot heading, degrees 0..359
    // Per NAV receiver (0 NAV1, 1 NAV2): the station and the needles.
    float stn_x[2], stn_h[2], stn_z[2];   // m, local frame
    float gs_angle[2];           // glide path, degrees; -99.9 none, 99.9 marks a VOR
    float cdi[2];                // course deviation, dots -5..5
    float gsi[2];                // glide-slope deviation, dots -5..5
    int gate[2];                 // 0..99 while the receiver serves its selected course
    float gps_crs;               // GPS course, degrees true
    float loc_crs[2];            // localizer course, degrees true (the navaid's heading)
    float gs_x[2], gs_h[2], gs_z[2];   // m, glide-slope antenna
    int tofrom[2];               // 0 no flag, 1 TO, 2 FROM
    // Per receiver 0 NAV1, 1 NAV2, 4 ADF (2 and 3 unused): a station heard
    // on its frequency, and that station's identifier.
    int receiving[nav_receivers];
    char ident[nav_receivers][5];
    float ndb_x, ndb_z;          // m, the ADF's station
    int mkr_outer, mkr_middle, mkr_inner;   // over a marker beacon, each second
    int audio_sel;               // receiver whose identifier is heard in Morse; 2 none
    float gps_brg;               // degrees true, to the GPS destination
    float gps_dist;              // m
};

// Failures: 32 slots, each failing one system when its mode says so, and
// the 44 system flags (1 working, 0 failed) that the rest of the simulator reads.
struct relstruct {
    float failure_rate;          // general reliability: mode 1 draws against it
    float instrument_rate;       // sliders 0..1
    float equipment_rate_a;      // slots 10 to 20
    float equipment_rate_b;      // slots 21 to 31
    int fail_now;                // the pilot's failure command, until the next pass
    // 1 random by failure_rate, 2 random by mean time between failures,
    // 3 at a time, 4 on command, 5 failed; anything else never fails
    int fail_mode[fail_slots];
    float fail_time[fail_slots]; // mode 2: mean hours between failures; mode 3: hours left
    int system_ok[system_flags];
    float control_power;         // share of control effectiveness, 0..1
    float engine_power;          // share of power a failed engine keeps, 0..1
    int on_ram_air;              // hydraulic controls run on airspeed alone
};

// Wind layers: 0 at the ground, 1 middle, 2 upper; five values each.
// Speeds are knots: the weather window shows them so and real weather
// writes them so; the flight model converts with ktstomsc.
const int wl_wind_speed = 0;     // knots, 0..50
const int wl_wind_dir = 1;       // degrees
const int wl_shear_speed = 2;    // knots, 0..50
const int wl_shear_dir = 3;      // span of the shear direction, degrees 0..180
const int wl_turbulence = 4;     // 0..9

const int wx_grid_cols = 631;   // 3 x 210 + 1
const int wx_grid_rows = 421;   // 2 x 210 + 1
const int bolt_branches = 4;
const int bolt_points = 20;

struct atmospherestruct {
    int cloud_type;              // 1 clear, 2 scattered, 3 broken, 4 overcast
    float cloud_base;            // m above sea level
    float cloud_tops;            // m above sea level
    float cloud_base_agl;        // m above the chosen airport
    float visibility;            // m
    float vis_eff;               // m, the frame's visibility: fog end and culling radius
    float cloud_thick;           // m, the cloud layer's transition band about the base, 0..300
    float wx_factor;
    float precip_level;          // 1 none .. 5 severe
    float precip_intensity;      // 0..1 where the aircraft is, from the scene
    float storm_level;           // 1 none .. 5 severe, never above precip_level
    float wind_turbulence;
    float shear_level;           // 1 none .. 5 very high
    float weather_trend;         // -1 worsening fast .. 1 improving fast
    int real_weather_found;
    int real_weather;
    float rho;                   // kg/m3 at the aircraft
    float a_sound;               // m/s
    float g_accel;               // m/s2
    float wind_alt_mid;          // m above ground
    float wind_alt_high;
    float wind_layer[3][5];
    float wave_height;
    float wave_length;
    float wave_speed;            // m/s
    int wave_dir;                // whole degrees 0..359
    float sl_temp;               // deg F
    float thermal_coverage;      // 0..1
    float thermal_rate;          // ft/min 0..500
    int meteor_level;            // 1 light .. 4 severe
    float rwy_friction;
    float std_atm[22][2];        // (altitude m, density kg/m3)
    float baro_sl;               // inHg
    int thermal_cell[region_grid_x][region_grid_z];   // per cell of the region grid: 1 where a thermal rises

    // the air at the aircraft, beside rho and a_sound
    float sigma;                 // density ratio, rho / rhoSL
    float wind_x, wind_y, wind_z;   // m/s, the air's velocity (x east, y up, z south); 0 in calm air
    float temp_k;                // K, from the flight step

    // what the periodic systems derive and the scene shows
    float storm;                 // local turbulence 0..4 from the weather field about the aircraft
    float dewpoint;              // deg F, from a weather report
    int wind_shear;              // a wind-shear event blows now
    float flash_until;           // lightning flash end, s of mnw.time_elapsed
    float flash_dist;            // nm to the last strike
    float bolt[bolt_branches][bolt_points][3];   // m, the last strike's four branches
    // The weather field over the loaded region, 0..1: [i][j] with i west to
    // east and j NORTH to south (row 0 is the region's north edge); each
    // scenery square owns a block of 211 x 211 values, neighbours sharing
    // edge lines. Zero, no storm cells, until the region loader fills it.
    float wx_grid[wx_grid_cols][wx_grid_rows];
};

// One sample a frame while graph output is on.
struct graphstruct {
    int graph_shown;             // the View menu's 3D trail switch, read by the scene
    float left_time;             // s from the oldest sample at the plot's left edge, 0..89
    int sample_index;            // newest sample
    int oldest_index;            // oldest sample once wrapped, else 0
    int wrapped;
    float sample_dt[graph_samples];   // frame time step; 999.0 an empty sample
    float sample_data[graph_slots][4][graph_samples];   // -999.0 no value
};

extern settingstruct set;
extern miscstruct msc;
extern navstruct nav;
extern relstruct rel;
extern atmospherestruct atm;
extern graphstruct grf;
extern std::ofstream trk;
extern int ogl_res;               // texture resolution 1 (minimal) to 5, rendering window

// ---- start-up ----------------------------------------------------------------

// The star field and the ship and platform models, built once by init_gen.
// Models are metres in the model's own frame: x across, y up from the
// waterline or the sea, z along (a ship's bow at negative z). A pair is a
// lower and an upper point; consecutive pairs make the faces of a hull or a
// box, and a box is four pairs at its corners (x - hx, z + hz),
// (x - hx, z - hz), (x + hx, z - hz), (x + hx, z + hz).
const int star_count = 2000;
const int carr_pairs = 52;
const int carr_lights = 70;
const int frig_pairs = 41;
const int offp_pairs = 16;
const int oilr_pairs = 100;       // 25 boxes
extern float star_xyz[star_count][3];        // on a sphere of radius 1000 about the eye
extern float carr_pxyz[carr_pairs][2][3];    // hull, flare, deck slab, island, masts
// Three rows of deck lights along the angled deck (0-19, 20-40 the centre
// line, 41-62), then the landing aid's row (63-69) with the meatball at 66.
extern float carr_lxyz[carr_lights][3];
const int carr_light_reference = 30;         // the landing reference point
const int carr_light_meatball = 66;
extern float frig_pxyz[frig_pairs][2][3];    // hull ring, then seven superstructure boxes
extern float offp_pxyz[offp_pairs][2][3];    // helideck, deck block, module, flare tower
extern float oilr_pxyz[oilr_pairs][2][3];

const int serial_mode_items = 6;  // set.serial_mode: the selected data items go out

// Once at start-up, after the library's start-up and before any world file:
// opens "Volanto.out" on trk, starts sound (fatal without it) and speech,
// builds the standard atmosphere, the stars and the models, and sets the
// defaults that neither the preferences nor the aircraft give.
void init_gen(void);
// After the preferences are read and whenever the data-output selection
// changes: the cockpit and graph lists, the any-item flags, the serial mode,
// and an empty graph.
void set_dataoutput_params(void);
void load_geo(float x, float y, float z, float point[3]);
void build_ship_models(void);     // init_gen's step: the model arrays above

// ---- world databases ---------------------------------------------------------

// The airports, runways, navaids and fixes of the whole world, read once at
// start-up from "apt.dat", "nav.dat" and "fix.dat" in "additional nav data".
// Parallel arrays; a count holds the highest index in use. Heights and
// runway sizes are metres once loaded.
const int world_apt_max = 12000;
const int world_rwy_max = 16000;
const int world_nav_max = 20000;  // slots 0..3 are the ships' moving navaids
const int world_fix_max = 34000;  // the last slot holds the end mark: 33,999 fixes
const int world_nav_first = 4;    // the file's first navaid

extern float apt_h[world_apt_max];
extern int apt_twr[world_apt_max], apt_bld[world_apt_max];
extern char apt_id[world_apt_max][5], apt_name[world_apt_max][40];
extern int apt_lo_ind[world_apt_max], apt_hi_ind[world_apt_max];   // the airport's runways
extern int apt_wrl_max;           // -1 when empty
// 1 when a is an airport of the table as loaded.
int airport_in_table(int a);
// 1 when the airport owns a runway. One without runway lines has an empty
// range, unless no runway came before it: then its range reads as runway 0,
// which is the next airport's or nobody's.
int apt_has_runway(int a);
// The chosen start airport's height (m); 0 while msc.apt_sel names no airport of the table.
float chosen_airport_h(void);

extern float rwy_lat[world_rwy_max], rwy_lon[world_rwy_max];        // degrees, runway centre
extern int rwy_num[world_rwy_max];                                  // 99 a pad
const int rwy_pad = 99;          // rwy_num of a helipad
extern char rwy_lcr[world_rwy_max];                                 // 'L', 'C', 'R' or 'x'
extern float rwy_hdng[world_rwy_max];                               // true, 0..360
extern float rwy_len[world_rwy_max], rwy_width[world_rwy_max];
extern int rwy_code[world_rwy_max];                                 // surface and lights
extern int rwy_wrl_max;
// Where runway r is entered on its own heading (local x, z in m): half its
// length back from the table's centre.
void runway_threshold(int r, float* x, float* z);

// Navaid types.
const int navaid_ndb = 2;
const int navaid_vor = 3;
const int navaid_ils = 4;            // the localizer of an ILS
const int navaid_localizer = 5;      // a localizer alone
const int navaid_glide_slope = 6;
const int navaid_outer_marker = 7;
const int navaid_middle_marker = 8;
const int navaid_inner_marker = 9;
extern int nav_type[world_nav_max];
extern float nav_lat[world_nav_max], nav_lon[world_nav_max], nav_h[world_nav_max];
extern int nav_frq[world_nav_max];
extern float nav_hdng[world_nav_max];
extern char nav_id[world_nav_max][5], nav_name[world_nav_max][40];
extern int nav_wrl_max;           // 3 when the file holds none
// 1 when n is a navaid slot of the table as loaded (the ships' included).
int navaid_in_table(int n);

// Finds an airport (kind 1) or a navaid of type kind by the first four
// characters of its ID: 1 with the first match's index in *index, else 0
// with *index as it was.
int get_index_from_id(const char* id, int kind, int* index);

// Empty slots hold -999.0; the slot after the last fix holds the file's end mark.
extern float fix_lat[world_fix_max], fix_lon[world_fix_max];
extern char fix_name[world_fix_max][6];

// Opens name in the program folder's "additional nav data" on inf1, after
// its header; a file that cannot be opened or read is fatal, and one whose
// header is not a world file's is fatal as damaged, not as missing.
void open_aptnavfix_dat(const char* name);
// The start-up's loading of the three databases, in this order; the
// progress bar steps every 1,100 records. A full table is fatal.
void load_world_databases(void);
void read_apt_dat(void);
void read_nav_dat(void);
void read_fix_dat(void);

// ---- preferences and situation files -----------------------------------------

// The preferences file (prefs_file_name at prf_path, kind_text) and the
// situation files (kind_situation) share one layout, one value a line in a
// fixed order, under a header of this version.
const int prefs_version = 511;
const char* const situation_default_name = "Untitled.sit";   // what the File menu offers first

// Reads a preferences file (kind_text) or a situation (kind_situation); 1
// when read whole. 0 with nothing changed when the file is missing or its
// header is not this version's; with fatal set that is told in a notice
// naming the file, and the flight goes on as it was. A situation applies the
// start airport and runway, weather, radios, time step, placement and
// situation values only, and turns real weather off. A file cut short or
// holding a value that does not read ends the program ("File-scanning error!").
// Values later used as indices are brought into their ranges; an airport ID
// that no airport with a runway has picks the first airport that has one.
int  grab_prefs(const char* path, int kind, int fatal);
// Writes every value, whatever the kind, from the settings and the live
// flight, through a whole-file save: 1 when the file reached the disk, else
// 0 after the notice, the old file kept.
int  dump_prefs(const char* path, int kind);
// The factory value of everything the preferences hold, starting at KSBD
// (the world databases must be loaded). No airport with a runway is fatal.
void hard_prefs(void);

// ---- flight placement and start-up -------------------------------------------

// Placement codes of set_fltvars.
const int place_runway = 208;          // sub 7 on the ground, 8 on a 1.5 nm final, 9 on a 9 nm final
const int place_situation = 102;
const int place_over_point = 209;
const int place_grass_field = 1400;
const int place_dirt_field = 1401;
const int place_gravel_field = 1402;
const int place_catshot = 1403;
const int place_seaplane = 1404;
const int place_formation = 1500;
const int place_glider_tow = 1501;
const int place_drop = 1502;
const int place_helipad = 1600;
const int place_carrier = 1601;
const int place_platform = 1602;
const int place_oil_rig = 1603;
const int place_frigate = 1604;
const int place_fire = 1605;
// The subs of place_runway.
const int place_on_runway = 7;
const int place_short_final = 8;      // 1.5 nm out on a 3 degree path
const int place_long_final = 9;       // 9 nm out

// Puts the user's aircraft where code (and sub, for runway starts) says and
// starts a fresh flight; a search that finds nothing says so and leaves the
// flight as it was.
void set_fltvars(int code, int sub);
// Moves the flight to the airport nearest the point the region origin names
// (origin + 1 degree of latitude, + 1.5 of longitude) and starts on its 9 nm final.
void set_up_env_with_request_latlon(void);
// The same from a point of its own: the latitude-longitude window's corner
// lies a whole degree south and west of the point typed.
void set_up_env_with_latlon(float lat, float lon);

// The start-up's first step: the simulator's records all zero.
void clear_simulator_records(void);
// The whole start-up before the frame loop: the records cleared, the
// library's start-up (window and progress bar), the simulator's state, the
// world, the preferences and both aircraft loaded, the user's aircraft placed
// on the chosen runway, and the joystick looked for.
void start_simulator(void);
