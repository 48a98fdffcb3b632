// Skycaster's tables, its start-up from the three files, the aircraft read,
// and the hooks of its one screen.
//
// Sections: tables, airports, preferences, reports, aircraft, start-up, hooks.
#include "Brief.h"
#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "host.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>

// ---- tables ------------------------------------------------------------------

char apt_id[world_apt_max][5], apt_name[world_apt_max][40];
float apt_h[world_apt_max];
int apt_twr[world_apt_max], apt_bld[world_apt_max];
int apt_lo_ind[world_apt_max], apt_hi_ind[world_apt_max];
int apt_wrl_max = -1;
float rwy_lat[world_rwy_max], rwy_lon[world_rwy_max];
int rwy_num[world_rwy_max];
char rwy_lcr[world_rwy_max];
float rwy_hdng[world_rwy_max], rwy_len[world_rwy_max], rwy_width[world_rwy_max];
int rwy_code[world_rwy_max];
int rwy_wrl_max = -1;

int wxr_apt_max;
char wxr_id[wxr_capacity][6];
char wxr_name[wxr_capacity][40];
float wxr_lat[wxr_capacity], wxr_lon[wxr_capacity];
float wxr_z_time[wxr_capacity];
int wxr_cld_type[wxr_capacity];
float wxr_cld_base[wxr_capacity], wxr_cld_tops[wxr_capacity];
float wxr_vis[wxr_capacity];
int wxr_obs_vis[wxr_capacity];
int wxr_obs_den[wxr_capacity];
float wxr_temp[wxr_capacity], wxr_dewp[wxr_capacity];
float wxr_wnd_dir[wxr_capacity], wxr_wnd_spd[wxr_capacity], wxr_wnd_gus[wxr_capacity];
float wxr_baro[wxr_capacity];

briefstruct bri;
int phrase[phrase_count] = {1, 1, 1, 1, 1, 1, 1, 1};

// Seconds of the day of the last report that carried a time.
static float departure_base;

int airport_has_runway(int a)
{
    if (!intrange(a, 0, apt_wrl_max) || a >= world_apt_max) return 0;
    return apt_lo_ind[a] <= apt_hi_ind[a] && intrange(apt_lo_ind[a], 0, rwy_wrl_max);
}

void clear_station(int s)
{
    wxr_lat[s] = wxr_lon[s] = 0;
    wxr_z_time[s] = wxr_missing;
    wxr_cld_type[s] = wxr_missing_int;
    wxr_cld_base[s] = wxr_cld_tops[s] = wxr_vis[s] = wxr_missing;
    wxr_obs_vis[s] = wxr_obs_den[s] = wxr_missing_int;
    wxr_temp[s] = wxr_dewp[s] = wxr_missing;
    wxr_wnd_dir[s] = wxr_wnd_spd[s] = wxr_wnd_gus[s] = wxr_missing;
    wxr_baro[s] = wxr_missing;
}

// Any time into the day: seconds 0 to just below 86,400, whatever came in.
static float day_seconds(float t)
{
    if (!std::isfinite(t)) return 0;
    double s = fmod((double)t, 86400.0);
    if (s < 0) s += 86400.0;
    // Tested after the cast: just below the day's end can round up to it.
    float f = (float)s;
    return f >= 86400.0f ? 0.0f : f;
}

// Hours x 100 + minutes of a time of day.
static float hours_minutes(float t)
{
    int h, m;
    sec_to_hrs_min(day_seconds(t), &h, &m);
    return (float)(h * 100 + m);
}

// ---- airports ----------------------------------------------------------------

static const int airport_progress_every = 400;

void read_airports(void)
{
    apt_wrl_max = -1;
    rwy_wrl_max = -1;
    char path[path_max];
    snprintf(path, sizeof path, "%s", "apt.dat");
    ap_dir("additional nav data", path);
    if (!inf_open(path, kind_text, 500, 1))
        MACIBM_alert("I am unable to access a nav or airport data file!", "The path I am looking at is as follows:",
                     path, "Make sure the file listed above is available in the path listed above!", alert_notice);
    int code = intscan("apt.dat");
    while (code != 99) {
        if (code == 1) {
            if (apt_wrl_max >= 0 && apt_wrl_max % airport_progress_every == 0) MACIBM_showinit(1);
            int a = apt_wrl_max + 1;
            if (a >= world_apt_max) MACIBM_alert("Too many airports in apt.dat file!", "", "", &a, alert_fatal_number);
            apt_wrl_max = a;
            fio_apt_line(&apt_h[a], &apt_twr[a], &apt_bld[a], apt_id[a], apt_name[a], 1);
            apt_lo_ind[a] = rwy_wrl_max + 1;
            apt_hi_ind[a] = apt_lo_ind[a] - 1;
        } else if (code == 10) {
            if (rwy_wrl_max >= 0 && rwy_wrl_max % airport_progress_every == 0) MACIBM_showinit(1);
            int r = rwy_wrl_max + 1;
            if (r >= world_rwy_max) MACIBM_alert("Too many runways in apt.dat file!", "", "", &r, alert_fatal_number);
            rwy_wrl_max = r;
            fio_rwy_line(&rwy_lat[r], &rwy_lon[r], &rwy_num[r], &rwy_lcr[r], &rwy_hdng[r], &rwy_len[r],
                         &rwy_width[r], &rwy_code[r], 1);
            // A runway before the first airport is read but belongs to none.
            if (apt_wrl_max >= 0) apt_hi_ind[apt_wrl_max] = r;
        }
        code = intscan("apt.dat");
    }
    inf1.close();
}

// ---- preferences -------------------------------------------------------------

// The simulator's writer packs precipitation and storms into one value:
// below 10 one level for both, else precipitation in the hundreds, in tenths.
static int precipitation_level(float v)
{
    double p = v;
    if (!std::isfinite(p)) return 0;
    if (p >= 10) p = trunc(trunc(p) / 100) * 0.1;
    // Levels run 1 to 5; beyond 6 nothing is said differently.
    return (int)fltlim((float)p, 0, 6);
}

// The longitude that shifts a time into zulu: an airport without a runway has none.
static float zone_longitude(int a)
{
    if (!airport_has_runway(a)) return 0;
    float lon = rwy_lon[apt_lo_ind[a]];
    return fltrange(lon, -180, 180) ? lon : 0;
}

int read_briefing_prefs(const char* path)
{
    if (!inf_open(path, kind_text, 511, 0)) {
        inf1.close();
        return 0;
    }
    const char* label = path;
    wxr_apt_max = 1;
    clear_station(0);
    wxr_id[0][0] = 0;
    wxr_name[0][0] = 0;

    strscan(pln[0].C_file, label, sizeof pln[0].C_file);
    strscan(pln[0].C_path, label, sizeof pln[0].C_path);
    char id[line_max];
    strscan(id, label, sizeof id);
    int a = 0;
    for (int k = 0; k <= apt_wrl_max; k++)
        if (strncmp(apt_id[k], id, 4) == 0) a = k;
    bri.dep_apt = bri.dst_apt = a;

    intscan(label);                               // 4 the runway's place
    bolscan(label);                               // 5 reversed
    float time = fltscan(label);                  // 6 local time of day, s
    wxr_temp[0] = fltscan(label);                 // 7 degrees F
    fltscan(label);                               // 8 the altimeter's setting
    wxr_baro[0] = fltscan(label);                 // 9 inHg
    int p = precipitation_level(fltscan(label));  // 10
    fltscan(label);                               // 11 turbulence
    fltscan(label);                               // 12 shear
    wxr_cld_type[0] = intscan(label);             // 13
    wxr_cld_tops[0] = fltscan(label);             // 14 m
    float base = fltscan(label);                  // 15 m above sea level
    wxr_vis[0] = fltscan(label);                  // 16 m
    fltscan(label);                               // 17 the wind layers' heights
    fltscan(label);                               // 18
    wxr_wnd_dir[0] = fltscan(label);              // 19 the ground layer
    wxr_wnd_spd[0] = fltscan(label);              // 20 knots
    fltscan(label);                               // 21 shear direction
    wxr_wnd_gus[0] = fltscan(label);              // 22 shear speed, knots
    inf1.close();

    // Spoken above the field, as the reports' bases are.
    wxr_cld_base[0] = base - con.fttomtrs * apt_h[a];
    wxr_obs_vis[0] = p > 1 ? 2 : -100;
    wxr_obs_den[0] = (int)interp(2, 1, 5, 3, (float)p);
    wxr_dewp[0] = wxr_temp[0] - 2 * wxr_vis[0] * con.mtrstonm;
    wxr_lat[0] = wxr_lon[0] = 0;
    // The simulator's time zone: the local time less the longitude's whole hours.
    int h, m;
    sec_to_hrs_min(day_seconds(time - (float)intround(zone_longitude(a) / 15) * 3600.0f), &h, &m);
    wxr_z_time[0] = (float)(h * 100);
    return 1;
}

// ---- reports -----------------------------------------------------------------

static const int station_progress_every = 200;
static const int report_kept = 398;

// One line of the file, up to CR or LF, of which report_kept characters are
// kept; 0 at the end of the file with nothing read.
static int next_line(std::ifstream& in, char* line, int* length)
{
    int n = 0, c = in.get();
    if (c == std::char_traits<char>::eof()) return 0;
    while (c != std::char_traits<char>::eof() && c != '\n' && c != '\r') {
        if (n < report_kept + 5) line[n++] = (char)c;
        c = in.get();
    }
    line[n] = 0;
    *length = n;
    return 1;
}

// The first airport with that four-character id that has a runway, or -1.
static int station_airport(const char* id)
{
    for (int a = 0; a <= apt_wrl_max; a++)
        if (strncmp(apt_id[a], id, 4) == 0 && airport_has_runway(a)) return a;
    return -1;
}

int read_reports(const char* path)
{
    char real[path_max];
    host_resolve_path(path, real, path_max);
    std::ifstream in(real, std::ios::in | std::ios::binary);
    if (!in.is_open()) return 0;
    wxr_apt_max = 0;
    char line[report_kept + 6];
    int length;
    while (next_line(in, line, &length)) {
        // A blank or short line holds no station; it shifts none of the others.
        if (length < 5) continue;
        if (wxr_apt_max >= wxr_capacity)
            MACIBM_alert("Too many reporting stations!", "The number or reporting stations has exceeded expectations.",
                         "", "", alert_fatal);
        int s = wxr_apt_max;
        memcpy(wxr_id[s], line, 4);
        wxr_id[s][4] = 0;
        clear_station(s);
        float time = wxr_missing;
        decode_wxr(line + 5, 0, &time, &wxr_cld_type[s], &wxr_cld_base[s], &wxr_cld_tops[s], &wxr_vis[s],
                   &wxr_obs_vis[s], &wxr_obs_den[s], &wxr_temp[s], &wxr_dewp[s], &wxr_wnd_dir[s], &wxr_wnd_spd[s],
                   &wxr_wnd_gus[s], &wxr_baro[s]);
        if (time > 0) {
            departure_base = time;
            wxr_z_time[s] = hours_minutes(time);
        }
        int a = station_airport(wxr_id[s]);
        if (a < 0) continue;
        wxr_lat[s] = rwy_lat[apt_lo_ind[a]];
        wxr_lon[s] = rwy_lon[apt_lo_ind[a]];
        C_to_C(apt_name[a], wxr_name[s]);
        wxr_apt_max++;
        if (wxr_apt_max % station_progress_every == 0) MACIBM_showinit(1);
    }
    return 1;
}

// ---- aircraft ----------------------------------------------------------------

// The file at path into pln[1], Skycaster's scratch aircraft, in our byte
// order; 1 when it is whole and within the loader's bounds. Nothing ends the
// program: the caller keeps the aircraft it had.
static int read_scratch_plane(const char* path)
{
    return read_plane_file(1, path, plane_read_quiet) == 1 && plane_within_bounds(1);
}

static float engine_factor(int entype)
{
    switch (entype) {
    case 1:
    case 2: return 1.1f;
    case 3: return 1.5f;
    case 4:
    case 5: return 2.0f;
    default: return 1.0f;
    }
}

int prep_plane(int chosen)
{
    char path[path_max], name[path_max];
    C_to_C(pln[0].C_path, path);
    C_to_C(pln[0].C_file, name);
    int taken = read_scratch_plane(path);
    if (taken) {
        // As the simulator's loader does: the chosen name and the opened path stay.
        pln[0] = pln[1];
        C_to_C(path, pln[0].C_path);
        C_to_C(name, pln[0].C_file);
    } else if (chosen) {
        plane_read_notice(path, "The briefing keeps the aircraft it had.");
    }
    float kts = pln[0].Vno * 0.75f * engine_factor(pln[0].entype);
    bri.cruise_kts = std::isfinite(kts) ? kts : 0;
    return taken;
}

// ---- start-up ----------------------------------------------------------------

void load_briefing_data(void)
{
    memset(&bri, 0, sizeof bri);
    C_to_C("untitled.acf", pln[0].C_file);
    bri.alt_ft = 5000;
    for (int k = 0; k < phrase_count; k++) phrase[k] = 1;
    wxr_apt_max = 0;
    departure_base = 0;

    read_airports();
    int weather = read_briefing_prefs(prf_path);
    // An aircraft refused at start-up leaves the field untitled, so that
    // choosing that file again reads it, and says why it cannot be taken.
    if (!prep_plane(0)) {
        C_to_C("untitled.acf", pln[0].C_file);
        pln[0].C_path[0] = 0;
    }
    char path[path_max] = "";
    if (strlen(app_path) + sizeof "WORLD.RWX" <= sizeof path) C_plus_C(app_path, "WORLD.RWX", path);
    if (read_reports(path)) weather = 1;
    bri.etd_zulu = hours_minutes(departure_base + 1200);

    if (!weather)
        MACIBM_alert("I could not find an Volanto prefs file or a World.RWX weather file!",
                     "In other words, I have no weather to give you a briefing with!",
                     "Download World.RWX from the net or at least run Volanto once before you request a briefing!", "",
                     alert_fatal);
}

void start_skycaster(void)
{
    MACIBM_init();
    load_briefing_data();
    MACIBM_startwind(win_main);
}

// ---- hooks -------------------------------------------------------------------

static const int item_about = 0;
static const int item_file_quit = 100;

void APPLICATION_setupmenus(void)
{
    MACIBM_create_menu(0, -1, "About");
    MACIBM_append_menu(0, item_about, "About", "Check on the version number of the program.");
    MACIBM_create_menu(1, -1, "File");
    MACIBM_append_menu(1, item_file_quit, "Quit", "Quit the briefing, go fly.");
}

void APPLICATION_handlemenu(int item)
{
    // The desktop's close request arrives as the library's Quit.
    if (item == item_file_quit || item == item_quit) gdone = 1;
    if (item == item_about) MACIBM_alert("", "", "", "", alert_about);
}

void APPLICATION_handlekey(char, int) {}
int APPLICATION_item_marked(int) { return 0; }
const char* APPLICATION_main_picture(void) { return "SKYCASTER"; }

void APPLICATION_update(void)
{
    plot_name_list(86, 481, apt_name, apt_id, &bri.dep_apt, 0, apt_wrl_max);
    plot_name_list(416, 481, apt_name, apt_id, &bri.dst_apt, 0, apt_wrl_max);
    char name[path_max], path[path_max];
    C_to_C(pln[0].C_file, name);
    C_to_C(pln[0].C_path, path);
    if (instringbtn(97, 362, pln[0].C_file, pln[0].C_path, kind_aircraft,
                    "This is the plane you plane to take flying next. It's performance is considered for estimation of time enroute.") &&
        strcmp(path, pln[0].C_path) != 0 && !prep_plane(1)) {
        // A file it could not take leaves the field on the aircraft it has.
        C_to_C(name, pln[0].C_file);
        C_to_C(path, pln[0].C_path);
    }
    instdbtn(7, 551, 374, &bri.alt_ft, 5, 0, 0, "This is the altitude you have planned enroute.");
    if (mnw.mouse_clicked) {
        for (int k = 0; k < 4; k++) phrase[k] = intrand(1, 6);
        for (int k = 4; k < phrase_count; k++) phrase[k] = intrand(1, 9);
    }
    gen_rep(phrase[0], phrase[1], phrase[2], phrase[3], phrase[4], phrase[5], phrase[6], phrase[7]);
}
