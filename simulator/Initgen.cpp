#include "Initgen.h"
#include "Do_atc.h"
#include "Fltutil.h"
#include "Funct.h"
#include "Genwrld.h"
#include "Graphnif.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_sound.h"
#include "Hl_joy.h"
#include "Hl_types.h"
#include "Initpln.h"
#include "Integ.h"
#include "Plane.h"
#include "P_update.h"
#include "Startscn.h"

#include <cmath>
#include <cstdio>
#include <cstring>

settingstruct set;
miscstruct msc;
navstruct nav;
relstruct rel;
atmospherestruct atm;
graphstruct grf;
std::ofstream trk;
int ogl_res;

// ---- start-up ----------------------------------------------------------------

float star_xyz[star_count][3];

// The standard atmosphere in feet and slug/ft3, as it is tabulated.
static const float std_atm_english[22][2] = {
    {0, 0.0023769f},         {10000, 0.001756f},      {20000, 0.001267f},      {30000, 0.0008907f},
    {40000, 0.0005873f},     {50000, 0.0003639f},     {60000, 0.0002256f},     {70000, 0.0001399f},
    {80000, 0.00008594f},    {90000, 0.00005253f},    {100000, 0.00003211f},   {110000, 0.00002001f},
    {120000, 0.0000127f},    {130000, 0.00000819f},   {140000, 0.000005364f},  {150000, 0.000003564f},
    {160000, 0.000002433f},  {170000, 0.000001693f},  {180000, 0.0000012f},    {190000, 0.0000008589f},
    {200000, 0.0000006061f}, {259000, 0}};
static_assert(sizeof std_atm_english == sizeof atm.std_atm, "the table fills atm.std_atm");

void load_geo(float x, float y, float z, float point[3])
{
    point[0] = x;
    point[1] = y;
    point[2] = z;
}

void init_gen(void)
{
    if (trk.is_open()) trk.close();
    trk.open("Volanto.out", std::ios::out | std::ios::trunc);
    trk.setf(std::ios::fixed, std::ios::floatfield);

    msc.snd_ok = init_sound();
    if (!msc.snd_ok)
        MACIBM_alert("Sound init failure!", "I cannot init your computer's sound system.",
                     "This would indicate lack of a sound card or drivers for the sound card.",
                     "You need to fix this before flying Volanto", alert_fatal);

    msc.speech_ok = initspeechsynth();
    speakstring(" ");   // wakes the voice, so the first real phrase is not late

    for (int k = 0; k < 22; k++) {
        atm.std_atm[k][0] = std_atm_english[k][0] * con.fttomtrs;
        atm.std_atm[k][1] = std_atm_english[k][1] * con.endtomed;
    }
    // Sea-level gravity until the once-a-second step sets it for the height:
    // the first frames of a flight may come before that step runs.
    atm.g_accel = con.g;
    // No setting holds the cloud layer's transition band: a fixed 100 m fades
    // the view in and out of the base.
    atm.cloud_thick = 100.0f;

    // Down to 20 degrees below the horizon: the eye may be high or banked.
    for (int s = 0; s < star_count; s++) {
        float e = fltrand(-20.0f, 80.0f) * con.degtorad;
        float a = fltrand(0.0f, 360.0f) * con.degtorad;
        star_xyz[s][0] = 1000.0f * sinf(a) * cosf(e);
        star_xyz[s][1] = 1000.0f * sinf(e);
        star_xyz[s][2] = 1000.0f * cosf(a) * cosf(e);
    }

    build_ship_models();
    clear_graph();

    static const int sw[5] = {0, 1, 1, 1, 1};
    static const float val[3] = {32.0f, 30.0f, 30.0f};
    for (int k = 0; k < 5; k++) ins.ins_sw[k] = sw[k];
    for (int k = 0; k < 3; k++) ins.ins_val[k] = val[k];

    nav.xpdr_mode = 2;
    nav.audio_sel = 2;          // no identifier is heard until the pilot selects a receiver
    static const int squawk[4] = {1, 2, 0, 0};
    for (int k = 0; k < 4; k++) nav.xpdr[k] = squawk[k];

    // For a placement that restores a situation no file supplied.
    set.place_alt = 5000.0f * con.fttomtrs;
    set.place_speed = 200.0f * con.ktstomsc;

    // The middle of the region grid until the first region is placed.
    env.plane_cell_i = 89;
    env.plane_cell_j = 79;

    snprintf(msc.typed_apt_id, sizeof msc.typed_apt_id, "KAAA");

    rel.instrument_rate = 0.0f;
    rel.equipment_rate_a = 0.0f;
    rel.equipment_rate_b = 0.0f;
    for (int k = 0; k < fail_slots; k++) {
        rel.fail_mode[k] = 1;
        rel.fail_time[k] = 10.0f;
    }
    restore_systems();

    msc.time_ratio = 1.0f;
    atm.wx_factor = 1.0f;
    atm.weather_trend = 0.0f;
}

void set_dataoutput_params(void)
{
    for (int k = 0; k < cockpit_entries; k++) set.cockpit_list[k] = -1;
    for (int g = 0; g < graph_slots; g++) set.graph_sel[g] = -1;
    // Items beyond the places are selected but not shown.
    int shown = 0, graphed = 0;
    for (int item = 0; item < dataout_items; item++) {
        if (set.out_cockpit[item] && shown < cockpit_entries) set.cockpit_list[shown++] = item;
        if (set.out_graph[item] && graphed < graph_slots) set.graph_sel[graphed++] = item;
    }

    // The new selection's graph starts with its first sample at index 0.
    clear_graph();
    grf.sample_index = -1;

    set.out_file_any = 0;
    set.out_graph_any = 0;
    for (int item = 0; item < dataout_items; item++) {
        if (set.out_file[item]) set.out_file_any = 1;
        if (set.out_graph[item]) set.out_graph_any = 1;
        if (set.out_serial[item]) set.serial_mode = serial_mode_items;
    }

    // The next flight step computes them afresh; until then the data output shows 0.
    flt.V_true = 0.0f;
    flt.vel_fwd = 0.0f;
}

// ---- world databases ---------------------------------------------------------

float apt_h[world_apt_max];
int apt_twr[world_apt_max], apt_bld[world_apt_max];
char apt_id[world_apt_max][5], apt_name[world_apt_max][40];
int apt_lo_ind[world_apt_max], apt_hi_ind[world_apt_max];
int apt_wrl_max = -1;

float rwy_lat[world_rwy_max], rwy_lon[world_rwy_max];
int rwy_num[world_rwy_max];
char rwy_lcr[world_rwy_max];
float rwy_hdng[world_rwy_max];
float rwy_len[world_rwy_max], rwy_width[world_rwy_max];
int rwy_code[world_rwy_max];
int rwy_wrl_max = -1;

int airport_in_table(int a) { return a >= 0 && a <= apt_wrl_max && a < world_apt_max; }

int navaid_in_table(int n) { return n >= 0 && n <= nav_wrl_max && n < world_nav_max; }

float chosen_airport_h(void)
{
    int a = msc.apt_sel;
    return airport_in_table(a) ? apt_h[a] : 0.0f;
}

void runway_threshold(int r, float* x, float* z)
{
    float h = rwy_hdng[r] * con.degtorad, half = 0.5f * rwy_len[r];
    *x = X_with_latlon(rwy_lat[r], rwy_lon[r]) - half * sinf(h);
    *z = Z_with_lat(rwy_lat[r]) + half * cosf(h);
}

int apt_has_runway(int a)
{
    if (!airport_in_table(a)) return 0;
    int lo = apt_lo_ind[a], hi = apt_hi_ind[a];
    if (lo < 0 || lo > hi || hi > rwy_wrl_max) return 0;
    return a == apt_wrl_max || hi < apt_lo_ind[a + 1];
}

int nav_type[world_nav_max];
float nav_lat[world_nav_max], nav_lon[world_nav_max], nav_h[world_nav_max];
int nav_frq[world_nav_max];
float nav_hdng[world_nav_max];
char nav_id[world_nav_max][5], nav_name[world_nav_max][40];
int nav_wrl_max = world_nav_first - 1;

float fix_lat[world_fix_max], fix_lon[world_fix_max];
char fix_name[world_fix_max][6];

int get_index_from_id(const char* id, int kind, int* index)
{
    if (kind == 1) {
        for (int a = 0; a <= apt_wrl_max && a < world_apt_max; a++)
            if (strncmp(apt_id[a], id, 4) == 0) {
                *index = a;
                return 1;
            }
        return 0;
    }
    for (int n = 0; n <= nav_wrl_max && n < world_nav_max; n++)
        if (nav_type[n] == kind && strncmp(nav_id[n], id, 4) == 0) {
            *index = n;
            return 1;
        }
    return 0;
}

static const int progress_every = 1100;

void open_aptnavfix_dat(const char* name)
{
    char path[path_max];
    snprintf(path, sizeof path, "%s", name);
    ap_dir("additional nav data", path);
    if (!inf_open(path, kind_text, 500, 0)) {
        // Another version is told as such; any other header that was found
        // is damaged: saying it is missing would send the user looking for it.
        if (inf_found && inf_version >= 0) inf_wrong_version(path);
        if (inf_found)
            MACIBM_alert("The following nav, airport, or fix data file is damaged:", path,
                         "Its header is not the header of a world data file.",
                         "Replace it with the file that came with the program.", alert_fatal);
        MACIBM_alert("I am unable to access a nav, airport, or fix data file!",
                     "The path I am looking at is as follows:", path,
                     "Make sure the file listed above is available in the path listed above!", alert_fatal);
    }
    if (inf1.fail() || inf1.bad())
        MACIBM_alert("Error reading in global data file after version-scan!", "", "", "", alert_fatal);
}

void read_apt_dat(void)
{
    apt_wrl_max = -1;
    rwy_wrl_max = -1;
    open_aptnavfix_dat("apt.dat");
    int code = intscan("apt.dat");
    while (code != 99) {
        if (code == 1) {
            int a = apt_wrl_max + 1;
            if (a >= world_apt_max) MACIBM_alert("Too many airports in apt.dat file!", "", "", &a, alert_fatal_number);
            apt_wrl_max = a;
            fio_apt_line(&apt_h[a], &apt_twr[a], &apt_bld[a], apt_id[a], apt_name[a], 1);
            // Each airport starts an empty range, which its runway lines
            // fill: one without them, the first airport too, owns none.
            apt_lo_ind[a] = rwy_wrl_max + 1;
            apt_hi_ind[a] = apt_lo_ind[a] - 1;
            for (char* c = apt_name[a]; *c; c++)
                if (*c == '-') *c = ' ';
            apt_h[a] *= con.fttomtrs;
        } else if (code == 10) {
            int r = rwy_wrl_max + 1;
            if (r >= world_rwy_max) MACIBM_alert("Too many runways in apt.dat file!", "", "", &r, alert_fatal_number);
            rwy_wrl_max = r;
            fio_rwy_line(&rwy_lat[r], &rwy_lon[r], &rwy_num[r], &rwy_lcr[r], &rwy_hdng[r], &rwy_len[r],
                         &rwy_width[r], &rwy_code[r], 1);
            // A runway before the first airport is read but belongs to none.
            if (apt_wrl_max >= 0) apt_hi_ind[apt_wrl_max] = r;
            rwy_len[r] *= con.fttomtrs;
            rwy_width[r] *= con.fttomtrs;
        }
        // Any other code is taken as a lone number; what follows it on its
        // line is read as further codes.
        if (apt_wrl_max >= 0 && apt_wrl_max % progress_every == 0) MACIBM_showinit(1);
        code = intscan("apt.dat");
    }
    inf1.close();
}

void read_nav_dat(void)
{
    nav_wrl_max = world_nav_first - 1;
    open_aptnavfix_dat("nav.dat");
    int code = intscan("nav.dat");
    while (code != 99) {
        int n = nav_wrl_max + 1;
        if (n >= world_nav_max) MACIBM_alert("Too many navs in world database!", "", "", &n, alert_fatal_number);
        nav_wrl_max = n;
        nav_type[n] = code;
        fio_nav_line(&nav_type[n], &nav_lat[n], &nav_lon[n], &nav_h[n], &nav_frq[n], &nav_hdng[n],
                     nav_id[n], nav_name[n], 1);
        nav_h[n] *= con.fttomtrs;
        if (n % progress_every == 0) MACIBM_showinit(1);
        code = intscan("nav.dat");
    }
    inf1.close();
}

void read_fix_dat(void)
{
    for (int i = 0; i < world_fix_max; i++) {
        fix_lat[i] = -999.0f;
        fix_lon[i] = -999.0f;
    }
    open_aptnavfix_dat("fix.dat");
    for (int i = 0;; i++) {
        fix_lat[i] = fltscan("fix.dat");
        // The end mark is a latitude that rounds to 99; compared as a range,
        // so that no latitude from the file is converted to an integer.
        if (fix_lat[i] >= 98.5f && fix_lat[i] < 99.5f) break;
        if (i >= world_fix_max - 1) MACIBM_alert("Too many fixes in world database!", "", "", &i, alert_fatal_number);
        fix_lon[i] = fltscan("fix.dat");
        wrdscan(fix_name[i], "nav ID", 6, 1);
        if (i % progress_every == 0) MACIBM_showinit(1);
    }
    inf1.close();
}

void load_world_databases(void)
{
    read_apt_dat();
    read_nav_dat();
    read_fix_dat();
}

// ---- start-up ------------------------------------------------------------------

void clear_simulator_records(void)
{
    memset(&ott, 0, sizeof ott);
    memset(&flt, 0, sizeof flt);
    memset(&ins, 0, sizeof ins);
    memset(&set, 0, sizeof set);
    memset(&msc, 0, sizeof msc);
    memset(&scn, 0, sizeof scn);
    memset(&nav, 0, sizeof nav);
    memset(&atm, 0, sizeof atm);
    memset(&env, 0, sizeof env);
    memset(&grf, 0, sizeof grf);
    memset(&pat, 0, sizeof pat);
    memset(&rel, 0, sizeof rel);
    memset(serial_dat, 0, sizeof serial_dat);
    serial_ind = -1;
    clear_object_ring_run();
}

void start_simulator(void)
{
    clear_simulator_records();
    clear_camera_run_state();
    clear_panel_run_state();
    clear_terrain_lists();
    MACIBM_init();
    init_gen();
    // The preferences name the start airport by its ID: the tables come first.
    nav_wrl_max = world_nav_first - 1;
    load_world_databases();
    if (!grab_prefs(prf_path, kind_text, 0)) hard_prefs();
    set_dataoutput_params();
    if (set.avionics_stack) {
        nav.nav1 = nav.nav2 = 11170;
        nav.com1 = nav.com2 = 12100;
        nav.adf = 210;
    }
    load_plane(0);
    // Aircraft 1 starts as a second copy of the user's aircraft, from the
    // path and name slot 0 ended up with (the default after a fallback).
    snprintf(pln[1].C_path, sizeof pln[1].C_path, "%s", pln[0].C_path);
    snprintf(pln[1].C_file, sizeof pln[1].C_file, "%s", pln[0].C_file);
    load_plane(1);
    load_texes();
    set_fltvars(place_runway, 7);
    JOY_init();
}
