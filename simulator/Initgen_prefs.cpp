// The preferences file and the situation files: grab_prefs reads, dump_prefs
// writes, both in the one order of the file; hard_prefs gives the factory
// values when the preferences cannot be read.
//
// Sections: start airport, reading, writing, factory defaults.
#include "Initgen.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initpln.h"

#include <cmath>
#include <cstdio>
#include <cstring>

// ---- start airport -----------------------------------------------------------

// The last airport with a runway whose ID begins with the four characters of
// id, or -1. Only the first four characters take part.
static int find_start_airport(const char* id)
{
    int found = -1;
    for (int a = 0; a <= apt_wrl_max; a++)
        if (strncmp(apt_id[a], id, 4) == 0 && apt_has_runway(a)) found = a;
    return found;
}

// The start when no airport matches: the first airport that has a runway
// (airport 0 in any usable table). The flight starts on a runway, so a table
// without one cannot be flown.
static int first_start_airport(void)
{
    for (int a = 0; a <= apt_wrl_max; a++)
        if (apt_has_runway(a)) return a;
    char path[path_max];
    snprintf(path, sizeof path, "%s", "apt.dat");
    ap_dir("additional nav data", path);
    MACIBM_alert("The airport file apt.dat holds no airport with a runway!",
                 "I need a runway to start the flight on, and found none in the file at this path:", path,
                 "Replace it with the file that came with the program.", alert_fatal);
    return 0;
}

// The user's aircraft on the chosen airport's first runway, and the region
// around it (its south-west corner a degree south and a degree and a half west).
static void start_at_airport(int a)
{
    msc.apt_sel = a;
    flt.lat = rwy_lat[apt_lo_ind[a]];
    flt.lon = rwy_lon[apt_lo_ind[a]];
    env.reg_lat = intround(flt.lat - 1.0f);
    env.reg_lon = intround(flt.lon - 1.5f);
}

// ---- reading -----------------------------------------------------------------

// Told only to a caller that asked for the file, so the flight goes on: a
// fatal alert would end the program without saving the preferences or the logbook.
static void situation_refused(const char* path)
{
    if (inf_version >= 0)
        MACIBM_alert("The following situation file is the wrong version for this version of Volanto:", path,
                     "I did not open it, so the flight goes on as it was.",
                     "Only situations saved by this version of Volanto can be opened.", alert_notice);
    else
        MACIBM_alert("I could not open the following situation file:", path,
                     "Either it is missing, or it is not really a situation file.",
                     "The flight goes on as it was.", alert_notice);
}

// Item 10: below 10 one level for both; else precipitation in the hundreds
// and storms in the ones and tens, each in tenths. Kept in double, so that
// no value from the file is turned into an integer that cannot hold it.
static void unpack_precip_storm(float v)
{
    if (v < 10) {
        atm.precip_level = v;
        atm.storm_level = v;
        return;
    }
    double n = trunc((double)v);
    atm.precip_level = (float)(trunc(n / 100) * 0.1);
    atm.storm_level = (float)(fmod(n, 100) * 0.1);
}

// Every value of the open file, in the file's order, into the records.
static void read_prefs(const char* label, int kind)
{
    int saved_use = inf_use;
    inf_use = 1;
    // A situation reads the preferences-only values and drops them.
    const int prefs = kind == kind_text;
    auto take_int = [prefs](int* field, int v) {
        if (prefs) *field = v;
    };
    auto take_flt = [prefs](float* field, float v) {
        if (prefs) *field = v;
    };

    strscan(pln[0].C_file, label, sizeof pln[0].C_file);
    strscan(pln[0].C_path, label, sizeof pln[0].C_path);
    char id[line_max];
    strscan(id, "path", sizeof id);
    int a = find_start_airport(id);
    if (a < 0) a = first_start_airport();
    // The runway's place within its airport; one the airport does not have gives its first.
    int place = intscan(label);
    if (!intrange(place, 0, apt_hi_ind[a] - apt_lo_ind[a])) place = 0;
    msc.rwy_sel = apt_lo_ind[a] + place;
    msc.rwy_reverse = bolscan(label);
    start_at_airport(a);

    msc.time_of_day = fltscan(label);
    atm.sl_temp = fltscan(label);
    ins.altim_set = fltscan(label);
    atm.baro_sl = fltscan(label);
    unpack_precip_storm(fltscan(label));
    atm.wind_turbulence = fltscan(label);
    atm.shear_level = fltscan(label);
    atm.cloud_type = intlim(intscan(label), 1, 4);
    atm.cloud_tops = fltscan(label);
    atm.cloud_base = fltscan(label);
    atm.visibility = fltscan(label);
    atm.wind_alt_mid = fltscan(label);
    atm.wind_alt_high = fltscan(label);
    for (int l = 0; l < 3; l++) {
        atm.wind_layer[l][wl_wind_dir] = fltscan(label);
        atm.wind_layer[l][wl_wind_speed] = fltscan(label);
        atm.wind_layer[l][wl_shear_dir] = fltscan(label);
        atm.wind_layer[l][wl_shear_speed] = fltscan(label);
        atm.wind_layer[l][wl_turbulence] = fltscan(label);
    }
    atm.wave_height = fltscan(label);
    atm.wave_length = fltscan(label);
    atm.wave_speed = fltscan(label);
    // Truncated within one turn first, so that no float too large for an int is converted.
    atm.wave_dir = degwrap((int)fmodf(fltscan(label), 360.0f));
    atm.meteor_level = intlim(intscan(label), 1, 4);
    atm.rwy_friction = fltscan(label);

    int sound = intscan(label);
    take_int(&msc.sound_on, sound >= 2);
    take_int(&set.snd_headset, (sound >= 2 ? sound - 2 : sound) >= 1);
    take_int(&set.atc_speech, bolscan(label));
    take_int(&set.atc_text, bolscan(label));
    take_int(&set.warn_framerate, bolscan(label));
    take_int(&set.shed_on_overspeed, bolscan(label));
    take_int(&set.warn_flap_overspeed, bolscan(label));
    take_int(&set.snd_warnings, bolscan(label));
    take_int(&atm.real_weather, bolscan(label));
    for (int i = 0; i < dataout_items; i++) {
        take_int(&set.out_file[i], bolscan(label));
        take_int(&set.out_cockpit[i], bolscan(label));
        int v = intscan(label);
        take_int(&set.out_graph[i], v == 1 || v == 3);
        take_int(&set.out_serial[i], v == 2 || v == 3);
    }
    take_int(&set.serial_mode, intlim(intscan(label), 0, 6));
    take_flt(&set.ctl_scale_a, fltscan(label));
    take_flt(&set.ctl_scale_b, fltscan(label));
    take_flt(&set.ctl_scale_c, fltscan(label));
    take_flt(&set.ctl_scale_d, fltscan(label));
    take_int(&set.rudder_pedals, bolscan(label));
    take_int(&set.avionics_stack, bolscan(label));
    take_int(&set.throttle_quadrant, bolscan(label));
    take_int(&set.collective_stick, bolscan(label));
    take_flt(&set.joy_extra_a, fltscan(label));
    take_flt(&set.joy_extra_b, fltscan(label));
    take_flt(&set.joy_extra_c, fltscan(label));
    for (int b = 0; b < 22; b++) take_int(&set.joy_button_map[b], intscan(label));

    nav.nav1 = intscan(label);
    nav.nav2 = intscan(label);
    nav.com1 = intscan(label);
    nav.com2 = intscan(label);
    nav.nav_crs1 = fltscan(label);
    nav.nav_crs2 = fltscan(label);
    nav.adf = intscan(label);
    // The DME measures receiver 0 or 1; the GPS looks up airports, NDBs or VORs.
    nav.dme_sel = intlim(intscan(label), 0, 1);
    nav.gps_mode = intlim(intscan(label), 1, 3);
    // An index into the airports (kind 1) or the navaids, within what is loaded.
    nav.gps_index = intlim(intscan(label), 0, nav.gps_mode == 1 ? apt_wrl_max : nav_wrl_max);
    for (int k = 0; k < 3; k++) nav.panel_preset[k] = intscan(label);
    for (int k = 0; k < 4; k++) nav.gps_id_char[k] = intlim(intscan(label), 0, 36);
    msc.dt = fltlim(fltscan(label), 0.01f, 0.1f);
    take_int(&msc.logbook_on, bolscan(label));
    take_int(&msc.kbd_layout, intlim(intscan(label), 1, 3));
    take_flt(&rel.failure_rate, fltscan(label));
    take_int(&ogl_res, intlim(intscan(label), 1, 5));
    int render = intscan(label);
    take_int(&set.render_flag_4, render >= 4);
    if (render >= 4) render -= 4;
    take_int(&set.air_traffic_on, render >= 2);
    if (render >= 2) render -= 2;
    take_int(&set.render_flag_1, render >= 1);

    set.place_lat = fltscan(label);
    set.place_lon = fltscan(label);
    set.place_alt = fltscan(label);
    set.place_hdg = fltscan(label);
    set.place_speed = fltscan(label);
    situationvalues& sit = set.sit_values;
    for (int k = 0; k < 7; k++) sit.ap_switch[k] = bolscan(label);
    for (int k = 0; k < 3; k++) sit.ap_target[k] = fltscan(label);
    sit.ap_hold_flag = bolscan(label);
    for (int k = 0; k < 3; k++) sit.gear_stat[k] = intscan(label);
    for (int k = 0; k < 8; k++) sit.flight[k] = fltscan(label);
    sit.flight[0] = fltlim(sit.flight[0], 0, 1);   // flap deployment and handle
    sit.flight[1] = fltlim(sit.flight[1], 0, 1);
    for (int e = 0; e < plane_engines; e++)
        for (int k = 0; k < 6; k++) sit.engine[k][e] = fltscan(label);

    if (!prefs) atm.real_weather = 0;
    inf1.close();
    inf_use = saved_use;
}

// What a situation's reading changes, kept so that a damaged file leaves
// the flight as it was.
struct situation_backup {
    settingstruct set;
    miscstruct msc;
    navstruct nav;
    inststruct ins;
    float lat, lon;
    int reg_lat, reg_lon;
    char plane_file[sizeof pln[0].C_file];
    char plane_path[sizeof pln[0].C_path];
};
static situation_backup backup;
static atmospherestruct atm_backup;

static void keep_situation(void)
{
    backup.set = set;
    backup.msc = msc;
    backup.nav = nav;
    backup.ins = ins;
    backup.lat = flt.lat;
    backup.lon = flt.lon;
    backup.reg_lat = env.reg_lat;
    backup.reg_lon = env.reg_lon;
    memcpy(backup.plane_file, pln[0].C_file, sizeof backup.plane_file);
    memcpy(backup.plane_path, pln[0].C_path, sizeof backup.plane_path);
    atm_backup = atm;
}

static void restore_situation_backup(void)
{
    set = backup.set;
    msc = backup.msc;
    nav = backup.nav;
    ins = backup.ins;
    flt.lat = backup.lat;
    flt.lon = backup.lon;
    env.reg_lat = backup.reg_lat;
    env.reg_lon = backup.reg_lon;
    memcpy(pln[0].C_file, backup.plane_file, sizeof backup.plane_file);
    memcpy(pln[0].C_path, backup.plane_path, sizeof backup.plane_path);
    atm = atm_backup;
}

int grab_prefs(const char* path, int kind, int fatal)
{
    // The path may be the scratch line, which inf_open overwrites.
    char label[path_max];
    snprintf(label, sizeof label, "%s", path);
    if (!inf_open(label, kind, prefs_version, 0)) {
        if (fatal) situation_refused(label);
        return 0;
    }
    if (kind != kind_situation || !fatal) {
        read_prefs(label, kind);
        return 1;
    }
    // A situation the user asked for is read in full before it counts: one
    // cut short or with a value that does not read is told, not fatal.
    keep_situation();
    scan_soft = 1;
    scan_failed = 0;
    read_prefs(label, kind);
    scan_soft = 0;
    if (inf1.is_open()) inf1.close();
    if (!scan_failed) return 1;
    restore_situation_backup();
    MACIBM_alert("I could not read the following situation file:", label,
                 "It is cut short, or holds a value that does not read.", "The flight goes on as it was.",
                 alert_notice);
    return 0;
}

// ---- writing -----------------------------------------------------------------

static void put_flag(int v) { ouf << (v ? 1 : 0) << '\n'; }

// A name field of the aircraft record, never past its end.
static void put_name(const char* s, size_t max) { ouf.write(s, (std::streamsize)strnlen(s, max)) << '\n'; }

int dump_prefs(const char* path, int kind)
{
    // Written on even when the open failed: its notice was shown, and nothing reaches the disk.
    ouf_open(path, kind, prefs_version);
    put_name(pln[0].C_file, sizeof pln[0].C_file);
    put_name(pln[0].C_path, sizeof pln[0].C_path);
    int a = msc.apt_sel;
    if (intrange(a, 0, apt_wrl_max)) ouf << apt_id[a] << '\n' << msc.rwy_sel - apt_lo_ind[a] << '\n';
    else ouf << "\n0\n";
    put_flag(msc.rwy_reverse);
    ouf << msc.time_of_day << '\n' << atm.sl_temp << '\n' << ins.altim_set << '\n' << atm.baro_sl << '\n';
    ouf << 1000.0 * round((double)atm.precip_level) + 10.0 * round((double)atm.storm_level) << '\n';
    ouf << atm.wind_turbulence << '\n' << atm.shear_level << '\n' << atm.cloud_type << '\n';
    ouf << atm.cloud_tops << '\n' << atm.cloud_base << '\n' << atm.visibility << '\n';
    ouf << atm.wind_alt_mid << '\n' << atm.wind_alt_high << '\n';
    for (int l = 0; l < 3; l++) {
        const float* w = atm.wind_layer[l];
        ouf << w[wl_wind_dir] << '\n' << w[wl_wind_speed] << '\n' << w[wl_shear_dir] << '\n';
        ouf << w[wl_shear_speed] << '\n' << w[wl_turbulence] << '\n';
    }
    ouf << atm.wave_height << '\n' << atm.wave_length << '\n' << atm.wave_speed << '\n';
    ouf << atm.wave_dir << '\n' << atm.meteor_level << '\n' << atm.rwy_friction << '\n';

    ouf << 2 * (msc.sound_on ? 1 : 0) + (set.snd_headset ? 1 : 0) << '\n';
    put_flag(set.atc_speech);
    put_flag(set.atc_text);
    put_flag(set.warn_framerate);
    put_flag(set.shed_on_overspeed);
    put_flag(set.warn_flap_overspeed);
    put_flag(set.snd_warnings);
    put_flag(atm.real_weather);
    for (int i = 0; i < dataout_items; i++)
        ouf << (set.out_file[i] ? 1 : 0) << ' ' << (set.out_cockpit[i] ? 1 : 0) << ' '
            << (set.out_graph[i] ? 1 : 0) + 2 * (set.out_serial[i] ? 1 : 0) << '\n';
    ouf << set.serial_mode << '\n';
    ouf << set.ctl_scale_a << '\n' << set.ctl_scale_b << '\n' << set.ctl_scale_c << '\n' << set.ctl_scale_d << '\n';
    put_flag(set.rudder_pedals);
    put_flag(set.avionics_stack);
    put_flag(set.throttle_quadrant);
    put_flag(set.collective_stick);
    ouf << set.joy_extra_a << '\n' << set.joy_extra_b << '\n' << set.joy_extra_c << '\n';
    for (int b = 0; b < 22; b++) ouf << set.joy_button_map[b] << '\n';

    ouf << nav.nav1 << '\n' << nav.nav2 << '\n' << nav.com1 << '\n' << nav.com2 << '\n';
    ouf << nav.nav_crs1 << '\n' << nav.nav_crs2 << '\n' << nav.adf << '\n';
    ouf << nav.dme_sel << '\n' << nav.gps_mode << '\n' << nav.gps_index << '\n';
    for (int k = 0; k < 3; k++) ouf << nav.panel_preset[k] << '\n';
    for (int k = 0; k < 4; k++) ouf << nav.gps_id_char[k] << '\n';
    ouf << msc.dt << '\n';
    put_flag(msc.logbook_on);
    ouf << msc.kbd_layout << '\n' << rel.failure_rate << '\n' << ogl_res << '\n';
    ouf << 4 * (set.render_flag_4 ? 1 : 0) + 2 * (set.air_traffic_on ? 1 : 0) + (set.render_flag_1 ? 1 : 0) << '\n';

    // The live flight, which a situation restores.
    ouf << flt.lat << '\n' << flt.lon << '\n' << flt.pos_y[0] << '\n' << flt.psi[0] << '\n' << flt.gnd_speed[0] << '\n';
    put_flag(ott.ap_hdg);
    put_flag(ott.ap_nav1);
    put_flag(ott.ap_nav2);
    put_flag(ott.ap_alt);
    put_flag(ott.ap_vvi);
    put_flag(ott.ap_gs);
    put_flag(ott.ap_speed);
    ouf << ott.alt_target << '\n' << ott.vvi_target << '\n' << ott.speed_target << '\n';
    put_flag(set.ap_hold_flag);
    for (int k = 0; k < 3; k++) ouf << pln[0].gear_stat[k] << '\n';
    ouf << flt.flap_ratio << '\n' << flt.flap_request << '\n' << flt.pitch_trim << '\n' << flt.roll_trim << '\n';
    ouf << flt.yaw_trim << '\n' << flt.fuel << '\n' << flt.jettison << '\n' << flt.payload << '\n';
    for (int e = 0; e < plane_engines; e++) {
        ouf << flt.throttle[e] << '\n' << flt.throttle_req[e] << '\n' << flt.prop_req[e] << '\n';
        ouf << flt.blade_pitch[e] << '\n' << flt.mixture[e] << '\n' << flt.engine_speed[e] << '\n';
    }
    return ouf_close();
}

// ---- factory defaults --------------------------------------------------------

void hard_prefs(void)
{
    // A path that does not fit is left empty: no open takes it.
    if (snprintf(pln[0].C_path, sizeof pln[0].C_path, "%s%s%s", app_path, default_plane_folder,
                 default_plane_file) >= (int)sizeof pln[0].C_path)
        pln[0].C_path[0] = 0;
    snprintf(pln[0].C_file, sizeof pln[0].C_file, "%s", default_plane_file);

    int a = find_start_airport("KSBD");
    if (a < 0) a = first_start_airport();
    msc.rwy_sel = apt_lo_ind[a];
    msc.rwy_reverse = 0;
    start_at_airport(a);

    msc.time_of_day = 57600;
    atm.sl_temp = 59;
    ins.altim_set = 29.92f;
    atm.baro_sl = 29.92f;

    atm.precip_level = 1.0f;
    atm.storm_level = 1.0f;
    atm.wind_turbulence = 1.0f;
    atm.shear_level = 1.0f;
    atm.cloud_type = 3;
    atm.cloud_tops = 5000 * con.fttomtrs;
    atm.cloud_base = 4000 * con.fttomtrs;
    atm.visibility = 7 * con.nmtomtrs;
    atm.wind_alt_mid = 5000 * con.fttomtrs;
    atm.wind_alt_high = 10000 * con.fttomtrs;
    memset(atm.wind_layer, 0, sizeof atm.wind_layer);

    atm.wave_height = 1.0f;
    atm.wave_length = 12 * atm.wave_height;
    // Deep-water wave speed: 1.34 knots per root foot of wave length.
    atm.wave_speed = 1.34f * sqrtf(atm.wave_length * con.mtrstoft) * con.ktstomsc;

    atm.wave_dir = 0;
    atm.thermal_coverage = 0;
    atm.thermal_rate = 0;
    atm.meteor_level = 2;
    atm.rwy_friction = 1.0f;

    msc.sound_on = 1;
    set.snd_headset = 0;
    set.atc_speech = 1;
    set.atc_text = 1;
    set.warn_framerate = 0;
    set.shed_on_overspeed = 0;
    set.warn_flap_overspeed = 0;
    set.snd_warnings = 1;
    atm.real_weather = 1;

    for (int i = 0; i < dataout_items; i++) {
        set.out_file[i] = 0;
        set.out_cockpit[i] = 0;
        set.out_graph[i] = 0;
        set.out_serial[i] = 0;
    }
    set.serial_mode = 0;

    set.ctl_scale_a = 0;
    set.ctl_scale_b = 1.0f;
    set.ctl_scale_c = 1.0f;
    set.ctl_scale_d = 1.0f;
    set.rudder_pedals = 0;
    set.avionics_stack = 0;
    set.throttle_quadrant = 0;
    set.collective_stick = 0;
    set.joy_extra_a = 0;
    set.joy_extra_b = 0;
    set.joy_extra_c = 0;

    // Buttons 0..7 and their second functions 8..15; 16..21 do nothing.
    static const int buttons[16] = {2, 1, 5, 6, 22, 21, 19, 20, 15, 16, 11, 12, 10, 9, 17, 18};
    for (int b = 0; b < 16; b++) set.joy_button_map[b] = buttons[b];

    nav.nav1 = 11170;
    nav.nav2 = 11170;
    nav.com1 = 12100;
    nav.com2 = 12100;
    nav.nav_crs1 = 0;
    nav.nav_crs2 = 0;
    nav.adf = 210;
    nav.dme_sel = 0;
    nav.gps_mode = 1;
    nav.gps_index = 1600;
    nav.panel_preset[0] = 1600;
    nav.panel_preset[1] = 2100;
    nav.panel_preset[2] = 700;
    nav.gps_id_char[0] = 21;
    nav.gps_id_char[1] = 23;
    nav.gps_id_char[2] = 23;
    nav.gps_id_char[3] = 23;

    msc.dt = 0.05f;
    msc.logbook_on = 0;
    msc.kbd_layout = 1;
    rel.failure_rate = 1.0f;
    ogl_res = 2;
    set.render_flag_1 = 1;
    set.air_traffic_on = 1;
    set.render_flag_4 = 0;
}
