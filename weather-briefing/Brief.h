// Skycaster, the weather briefing: the world's airports and runways as read
// from "apt.dat" (feet kept), the reporting stations' weather, the briefing
// record, and the start-up that fills them from "apt.dat", the simulator's
// preferences and "WORLD.RWX". Owns those tables, bri and the phrase
// numbers; the briefing text (Brief_text.cpp) reads them.
#pragma once
#include "Hl_types.h"

// ---- world tables ------------------------------------------------------------

// The same declarations as in every program that loads the databases. An
// airport's runways are apt_lo_ind..apt_hi_ind; an airport line starts an
// empty range, so one without runway lines has none.
const int world_apt_max = 12000;
const int world_rwy_max = 16000;

extern char apt_id[world_apt_max][5], apt_name[world_apt_max][40];
extern float apt_h[world_apt_max];                                  // feet
extern int apt_twr[world_apt_max], apt_bld[world_apt_max];
extern int apt_lo_ind[world_apt_max], apt_hi_ind[world_apt_max];
extern int apt_wrl_max;                                             // -1 when empty
extern float rwy_lat[world_rwy_max], rwy_lon[world_rwy_max];        // degrees, runway centre
extern int rwy_num[world_rwy_max];
extern char rwy_lcr[world_rwy_max];
extern float rwy_hdng[world_rwy_max], rwy_len[world_rwy_max], rwy_width[world_rwy_max];  // feet
extern int rwy_code[world_rwy_max];
extern int rwy_wrl_max;

// 1 when airport a is in the table and owns a runway: only then has it a position.
int airport_has_runway(int a);

// ---- stations ------------------------------------------------------------------

// Every value a report did not give holds wxr_missing.
const int wxr_capacity = 2000;
const float wxr_missing = -99.0f;
const int wxr_missing_int = -99;

extern int wxr_apt_max;                              // stations in the table
extern char wxr_id[wxr_capacity][6];
extern char wxr_name[wxr_capacity][40];
extern float wxr_lat[wxr_capacity], wxr_lon[wxr_capacity];   // the airport's first runway
extern float wxr_z_time[wxr_capacity];               // hours x 100 + minutes, zulu
extern int wxr_cld_type[wxr_capacity];               // 1 clear, 2 scattered, 3 broken, 4 overcast
extern float wxr_cld_base[wxr_capacity], wxr_cld_tops[wxr_capacity];   // m above the station
extern float wxr_vis[wxr_capacity];                  // m
extern int wxr_obs_vis[wxr_capacity];                // 1 thunderstorms, 2 rain, 3 rain and fog, 4 showers
extern int wxr_obs_den[wxr_capacity];                // 1 light, 2 moderate, 3 heavy
extern float wxr_temp[wxr_capacity], wxr_dewp[wxr_capacity];
extern float wxr_wnd_dir[wxr_capacity], wxr_wnd_spd[wxr_capacity], wxr_wnd_gus[wxr_capacity];  // deg, knots
extern float wxr_baro[wxr_capacity];                 // inHg

// Every weather value of station s back to missing.
void clear_station(int s);

// ---- the briefing ----------------------------------------------------------------

struct briefstruct {
    int dep_apt, dst_apt;        // airport indices
    float alt_ft;                // planned cruise altitude
    float cruise_kts;            // 0 until an aircraft is read
    float etd_zulu;              // hours x 100 + minutes
};
extern briefstruct bri;

// The eight phrase numbers kept from frame to frame: four openings (1..6),
// then four interjections (1..9).
const int phrase_count = 8;
extern int phrase[phrase_count];

// Paragraphs hold 399 characters and the end; anything longer stops there.
const int paragraph_size = 400;
const int paragraph_count = 5;
extern char paragraph[paragraph_count][paragraph_size];

// Appends the spoken report of station s to text (paragraph_size), with
// interjection number f.
void spit_a_field(char* text, int s, int f);
// Builds the five paragraphs from the stations, bri and pln[0] (openings by
// i1..i4, interjections by f1..f4) and draws them.
void gen_rep(int i1, int i2, int i3, int i4, int f1, int f2, int f3, int f4);
// Only the building, for gen_rep and the tests.
void build_briefing(int i1, int i2, int i3, int i4, int f1, int f2, int f3, int f4);
// The stations gen_rep speaks: the departure's, then the destination's three.
void choose_stations(int station[4]);

// ---- aircraft and start-up -----------------------------------------------------

// Reads the aircraft at pln[0].C_path and sets bri.cruise_kts from the
// record. A file that is missing, damaged, foreign or outside the loader's
// bounds leaves pln[0] as it was; chosen is 1 when the user picked the file
// in the field, and then the damage is told in a notice. 1 when the file was taken.
int  prep_plane(int chosen);

// Skycaster's start-up: the editors' shell, then the data below.
void start_skycaster(void);
// The start-up after the shell: "apt.dat", the preferences at prf_path and
// "WORLD.RWX" from the program folder into the tables, the aircraft, the
// departure time. No weather at all is fatal.
void load_briefing_data(void);
// Each source alone; the preferences and the reports return 1 when their file opened.
void read_airports(void);
int  read_briefing_prefs(const char* path);
int  read_reports(const char* path);
