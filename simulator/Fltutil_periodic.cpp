// The once-a-second systems: mod_sec runs its eighteen steps in order, each
// a function of its own below, and keeps what they remember for one flight
// and for the run.
//
// Sections (grep "---- name"):
//   state        what is kept for a flight and for the run, and their clears
//   radios       markers, call-outs, the ATC tick, the receivers and check_nav
//   weather      real weather, the frame-rate governor, the trend, rain, the limits
//   aircraft     force feedback, fuel and engines, icing, failures, power factors
//   sky          lightning, gravity
//   warnings     overspeed and flaps
//   the step     mod_sec
#include "Fltutil.h"
#include "Do_atc.h"
#include "Funct.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_joy.h"
#include "Hl_sound.h"
#include "Initgen.h"
#include "Initpln.h"
#include "P_update.h"
#include "Startscn.h"
#include "Windows.h"

#include <cmath>
#include <cstdio>
#include <cstring>

// ---- state ---------------------------------------------------------------------

// Kept for one flight. Every time here is a sim_time, which a new flight
// starts again from 0, so none of it may outlive the flight.
struct periodic_flight_state {
    float callout_due = 0;                  // the call-outs wait until then
    int below_50 = 0, below_25 = 0, below_10 = 0;   // the main wheels' height, ft, last seen
    float fuel_time = 0;                    // of the last burn
    float hydraulics_failed_at = 0;
    float engine_power_failed_at = 0;
};

// Kept for the run.
struct periodic_run_state {
    int lso_count = 0;                      // 1, 2, 3, then the officer speaks
    int gps_kind = -1, gps_index = -1;      // the GPS destination last flown to
    // The weather's real-weather targets, taken from the weather itself the first time.
    int wx_targets_set = 0;
    float wx_visibility = 0, wx_base = 0, wx_tops = 0, wx_precip = 0, wx_storm = 0;
    int wx_lat = 0, wx_lon = 0;             // whole degrees of the last reading
    int wx_seconds = 0;                     // since the last reading
    int slow_seconds = 0;                   // in a row
    int slow_warned = 0;                    // the slow-frame notice comes once a run
    int rain_known = 0, rain_on = 0;        // the rain loop as this step last left it
};

static periodic_flight_state per_flight;
static periodic_run_state per_run;

void clear_periodic_flight_state(void) { per_flight = periodic_flight_state(); }
void clear_periodic_run_state(void) { per_run = periodic_run_state(); }

// ---- radios --------------------------------------------------------------------

static int last_navaid(void) { return intmin2(nav_wrl_max, world_nav_max - 1); }

// 2. Over a marker of the region: the outer within a box of 1,000 m, the
// middle 400 m, the inner 100 m. The ten-per-second events sound them.
static void detect_markers(void)
{
    nav.mkr_outer = nav.mkr_middle = nav.mkr_inner = 0;
    if (flt.on_ground || !rel.system_ok[sys_radios]) return;
    for (int k = 0; k <= last_navaid(); k++) {
        int type = nav_type[k];
        if (!nav_inreg[k] || type < navaid_outer_marker || type > navaid_inner_marker) continue;
        float dx = fabsf((float)flt.pos_x[0] - X_with_latlon(nav_lat[k], nav_lon[k]));
        float dz = fabsf((float)flt.pos_z[0] - Z_with_lat(nav_lat[k]));
        float box = type == navaid_outer_marker ? 1000.0f : type == navaid_middle_marker ? 400.0f : 100.0f;
        if (dx >= box || dz >= box) continue;
        if (type == navaid_outer_marker) nav.mkr_outer = 1;
        if (type == navaid_middle_marker) nav.mkr_middle = 1;
        if (type == navaid_inner_marker) nav.mkr_inner = 1;
    }
}

// 3. The aural call-outs, at most every other second: pull up, sink rate or
// gear up, by the main wheels' height and the sink, then 10, 25 and 50 ft
// as each is passed on the way down.
static void call_outs(void)
{
    const planestruct& a = pln[0];
    if (!rel.system_ok[sys_electrical] || !a.bitchinbettyEQ || !set.snd_warnings) return;
    if (!(msc.sim_time > per_flight.callout_due)) return;
    per_flight.callout_due = msc.sim_time + 2.0f;
    float pitch = flt.theta[0] * con.degtorad;
    float h = ((float)flt.pos_y[0] - env.ground_h - a.mgearZ * sinf(pitch) + a.mgearY * cosf(pitch)) * con.mtrstoft;
    if (h < 2500.0f) {
        float v = (float)flt.vel_y * con.msctofpm;
        float sink_limit = interp(0, -1000, 2500, -5000, h);
        float pull_limit = interp(0, -1500, 2500, -7000, h);
        if (v < pull_limit) play_buffer(snd_pull_up, 0);
        else if (v < sink_limit) play_buffer(snd_sink_rate, 0);
        else if (!set.gear_down && h < 500.0f && v < 0 && ias_asi() < a.Vfe) play_buffer(snd_gear_warning, 0);
    }
    int b50 = h < 50.0f, b25 = h < 25.0f, b10 = h < 10.0f;
    if (!flt.on_ground) {
        if (b10 && !per_flight.below_10) play_buffer(snd_10_feet, 0);
        if (b25 && !per_flight.below_25) play_buffer(snd_25_feet, 0);
        if (b50 && !per_flight.below_50) play_buffer(snd_50_feet, 0);
    }
    per_flight.below_50 = b50;
    per_flight.below_25 = b25;
    per_flight.below_10 = b10;
}

// 4. The ATC tick: the filed plan's dialogue, the vectors asked for, and
// every fourth second the carrier's landing signal officer.
static void atc_tick(void)
{
    if (fpl.filed && fpl.active) handle_plan(0);
    if (atc.vectoring) controller_respond(atc.last_request);
    if (++per_run.lso_count >= 4) {
        LSO_respond();
        per_run.lso_count = 0;
    }
}

int check_nav(int index, int frequency, float* best, float range)
{
    if (index < 0 || index > last_navaid() || nav_frq[index] != frequency) return 0;
    // Degrees of latitude and longitude alike, unscaled: the ranges are given so.
    float d = pythag(flt.lat - nav_lat[index], flt.lon - nav_lon[index]);
    if (d < range && d < *best) {
        *best = d;
        return 1;
    }
    return 0;
}

// A localizer or glide slope serves only the side its course points to:
// from behind the antenna it is not heard.
static int on_course_side(float x, float z, float course)
{
    return fltrange(fltwrap(bearing_to(x, z) - course, -180, 180), -90, 90);
}

static void take_ident(int receiver, int k)
{
    memcpy(nav.ident[receiver], nav_id[k], sizeof nav.ident[receiver]);
    nav.ident[receiver][4] = 0;
}

// A NAV receiver on its frequency: the nearest localizer facing the
// aircraft, then the nearest such glide slope, then the nearest VOR anywhere;
// a later find replaces an earlier one.
static void tune_nav(int r, int frequency, float near_range, float vor_range)
{
    nav.receiving[r] = 0;
    float best = 9.9e9f;
    for (int k = 0; k <= last_navaid(); k++) {
        if (!nav_inreg[k] || (nav_type[k] != navaid_ils && nav_type[k] != navaid_localizer)) continue;
        float x = X_with_latlon(nav_lat[k], nav_lon[k]), z = Z_with_lat(nav_lat[k]);
        if (!on_course_side(x, z, nav_hdng[k]) || !check_nav(k, frequency, &best, near_range)) continue;
        nav.receiving[r] = 1;
        nav.stn_x[r] = x;
        nav.stn_h[r] = nav_h[k];
        nav.stn_z[r] = z;
        nav.loc_crs[r] = nav_hdng[k];
        nav.gs_angle[r] = -99.9f;
        take_ident(r, k);
    }
    best = 9.9e9f;
    for (int k = 0; k <= last_navaid(); k++) {
        if (!nav_inreg[k] || nav_type[k] != navaid_glide_slope) continue;
        // The heading field packs the angle in hundredths of a degree above
        // the course: 300067 is 3.00 degrees on course 67. No angle is 3.
        // A field no int holds comes only from a damaged file: no glide slope.
        if (!(fabsf(nav_hdng[k]) < 1e9f)) continue;
        int n = intround(nav_hdng[k]);
        float angle = (float)(n / 1000) * 0.01f;
        if (angle < 0.01f) angle = 3.0f;
        float course = (float)(n - 1000 * (n / 1000));
        float x = X_with_latlon(nav_lat[k], nav_lon[k]), z = Z_with_lat(nav_lat[k]);
        if (!on_course_side(x, z, course) || !check_nav(k, frequency, &best, near_range)) continue;
        nav.gs_x[r] = x;
        nav.gs_h[r] = nav_h[k];
        nav.gs_z[r] = z;
        nav.gs_angle[r] = angle;
    }
    best = 9.9e9f;
    for (int k = 0; k <= last_navaid(); k++) {
        if (nav_type[k] != navaid_vor || !check_nav(k, frequency, &best, vor_range)) continue;
        nav.receiving[r] = 1;
        nav.stn_x[r] = X_with_latlon(nav_lat[k], nav_lon[k]);
        nav.stn_h[r] = nav_h[k];
        nav.stn_z[r] = Z_with_lat(nav_lat[k]);
        nav.gs_angle[r] = 99.9f;
        take_ident(r, k);
    }
}

// The ADF: the nearest NDB of the region on its frequency (kHz).
static void tune_adf(float range)
{
    nav.receiving[recv_adf] = 0;
    float best = 9.9e9f;
    for (int k = 0; k <= last_navaid(); k++) {
        if (!nav_inreg[k] || nav_type[k] != navaid_ndb || !check_nav(k, nav.adf, &best, range)) continue;
        nav.receiving[recv_adf] = 1;
        nav.ndb_x = X_with_latlon(nav_lat[k], nav_lon[k]);
        nav.ndb_z = Z_with_lat(nav_lat[k]);
        take_ident(recv_adf, k);
    }
}

// The GPS: bearing and distance to the destination (an airport's first
// runway, or a navaid), and NAV1's needle four dots a nautical mile off the
// GPS course. A new destination, or the first two seconds of a flight, sets
// the course direct to it. A destination the tables do not hold is no
// destination: nothing moves.
static void steer_gps(void)
{
    int kind = nav.gps_mode, index = nav.gps_index;
    float lat, lon;
    if (kind == 1) {
        if (index < 0 || index > intmin2(apt_wrl_max, world_apt_max - 1) || !apt_has_runway(index)) return;
        int r = apt_lo_ind[index];
        if (r < 0 || r > intmin2(rwy_wrl_max, world_rwy_max - 1)) return;
        lat = rwy_lat[r];
        lon = rwy_lon[r];
    } else {
        if (index < 0 || index > last_navaid()) return;
        lat = nav_lat[index];
        lon = nav_lon[index];
    }
    float x = X_with_latlon(lat, lon), z = Z_with_lat(lat);
    float dist = pythag(x - (float)flt.pos_x[0], (float)flt.pos_z[0] - z);
    float brg = bearing_to(x, z);
    nav.gps_dist = dist;
    nav.gps_brg = brg;
    nav.cdi[recv_nav1] = fltwrap(brg - nav.gps_crs, -180, 180) * dist * con.mtrstonm * 0.017452007f * 4.0f;
    if (kind != per_run.gps_kind || index != per_run.gps_index || msc.sim_time < 2.0f) nav.gps_crs = brg;
    per_run.gps_kind = kind;
    per_run.gps_index = index;
}

// 5. The receivers, each on its own frequency, with ranges in degrees that
// grow with height: NAV1 (or, on a panel without it, the GPS), NAV2 and the
// ADF. Failed radios hear nothing, so the needles, the Morse and the GPS stop.
static void tune_radios(void)
{
    if (!rel.system_ok[sys_radios]) {
        for (int r = 0; r < nav_receivers; r++) nav.receiving[r] = 0;
        // Without NAV1 the GPS drives its needle and the needles' step leaves it be.
        nav.cdi[recv_nav1] = 0;
        return;
    }
    float y = (float)flt.pos_y[0], top = 30000.0f * con.fttomtrs;
    float near_range = interp(0, 4.0f / 9, top, 14.0f / 9, y);   // localizers, glide slopes, NDBs
    float vor_range = interp(0, 8.0f / 9, top, 28.0f / 9, y);
    int has_nav1 = has_nav1_receiver();
    if (has_nav1) tune_nav(recv_nav1, nav.nav1, near_range, vor_range);
    tune_nav(recv_nav2, nav.nav2, near_range, vor_range);
    tune_adf(near_range);
    if (!has_nav1) steer_gps();
}

// ---- weather -------------------------------------------------------------------

// The nearest station's report into the weather: straight into the cloud
// cover, temperatures, surface wind and barometer, and into the targets for
// the cloud layer, the visibility, rain and storms. The winds aloft follow
// the surface wind.
static void take_report(const char* report, float elevation)
{
    periodic_run_state& w = per_run;
    float time = 0;
    int kind = 0, level = 0;
    float* surface = atm.wind_layer[0];
    decode_wxr(report, elevation, &time, &atm.cloud_type, &w.wx_base, &w.wx_tops, &w.wx_visibility, &kind, &level,
               &atm.sl_temp, &atm.dewpoint, &surface[wl_wind_dir], &surface[wl_wind_speed],
               &surface[wl_shear_speed], &atm.baro_sl);
    atm.shear_level = 1;
    w.wx_precip = 1;
    w.wx_storm = 1;
    if (kind == 1 && level >= 1 && level <= 3) {   // thunderstorms bring bursts
        atm.shear_level = 2.0f + (float)level;
        w.wx_storm = 2.0f + (float)level;
    }
    if (kind >= 2 && kind <= 4 && level >= 1 && level <= 3) {
        const float precip[3] = {2.0f, 3.5f, 5.0f};
        w.wx_precip = precip[level - 1];
    }
    atm.wind_turbulence = 1;
    for (int l = 1; l < 3; l++) {
        const float* below = atm.wind_layer[l - 1];
        atm.wind_layer[l][wl_wind_dir] = below[wl_wind_dir];
        atm.wind_layer[l][wl_wind_speed] = 2 * below[wl_wind_speed];
        atm.wind_layer[l][wl_shear_speed] = 0.5f * below[wl_shear_speed];
    }
    for (int l = 0; l < 3; l++) {
        float* layer = atm.wind_layer[l];
        layer[wl_shear_dir] = 2 * layer[wl_shear_speed];
        layer[wl_turbulence] = 0.2f * layer[wl_shear_speed] + 0.1f * layer[wl_wind_speed];
    }
}

// "WORLD.RWX" of the program folder: with real weather in use, the report
// of the station nearest the aircraft is taken. With real weather off only
// its presence counts, and the file is not opened.
static void read_weather_file(void)
{
    if (!atm.real_weather) {
        atm.real_weather_found = wxr_file_present();
        return;
    }
    char report[line_max];
    float elevation = 0;
    int got = nearest_wxr_report(report, &elevation, flt.lat, flt.lon);
    atm.real_weather_found = got >= 0;
    if (got < 0) return;
    atm.weather_trend = 0;   // real weather in use: no trend, station or none
    if (got > 0) take_report(report, elevation);
}

// 6. Real weather: read again on crossing a whole degree of latitude or
// longitude and otherwise every minute; the weather eases toward the
// report's targets by 2 % a second, and rain and storms that are all but
// gone are gone.
static void real_weather(void)
{
    periodic_run_state& w = per_run;
    if (!w.wx_targets_set) {
        w.wx_visibility = atm.visibility;
        w.wx_base = atm.cloud_base;
        w.wx_tops = atm.cloud_tops;
        w.wx_precip = atm.precip_level;
        w.wx_storm = atm.storm_level;
        w.wx_targets_set = 1;
    }
    w.wx_seconds++;
    int lat = (int)flt.lat, lon = (int)flt.lon;
    if (lat != w.wx_lat || lon != w.wx_lon || w.wx_seconds > 59) {
        w.wx_lat = lat;
        w.wx_lon = lon;
        w.wx_seconds = 0;
        read_weather_file();
    }
    if (!atm.real_weather_found || !atm.real_weather) return;
    atm.visibility = 0.98f * atm.visibility + 0.02f * w.wx_visibility;
    atm.cloud_base = 0.98f * atm.cloud_base + 0.02f * w.wx_base;
    atm.cloud_tops = 0.98f * atm.cloud_tops + 0.02f * w.wx_tops;
    atm.precip_level = 0.98f * atm.precip_level + 0.02f * w.wx_precip;
    atm.storm_level = 0.98f * atm.storm_level + 0.02f * w.wx_storm;
    if (atm.precip_level < 1.5f && w.wx_precip < 1.5f) atm.precip_level = 1;
    if (atm.storm_level < 1.5f && w.wx_storm < 1.5f) atm.storm_level = 1;
}

// 7. The frame-rate governor, while no menu is down and the aircraft is not
// inside an overcast: slow frames cost visibility, fast ones give it back,
// and more than ten slow seconds in a row bring one notice a run.
static void frame_rate_governor(void)
{
    float y = (float)flt.pos_y[0];
    int overcast = atm.cloud_type == 4;
    int in_cloud = overcast && fltrange(y, atm.cloud_base, atm.cloud_tops);
    if (mnw.menu_up == -1 && !in_cloud) {
        // Above an overcast the scene draws less, so it is held to more.
        float target = overcast && scn.above_clouds ? 0.05f : 1.0f / 11.0f;
        if (msc.dt > target) {
            per_run.slow_seconds++;
            if (atm.wx_factor > 0.15f) atm.wx_factor *= 0.96f;
        } else {
            per_run.slow_seconds = 0;
        }
        if (msc.dt < 0.75f * target) {
            per_run.slow_seconds = 0;
            if (atm.wx_factor < 0.99f) atm.wx_factor *= 1.02f;
        }
    }
    if (per_run.slow_seconds > 10 && !per_run.slow_warned && set.warn_framerate) {
        MACIBM_alert("Warning: The simulator is running too slow for smooth animation and accurate flight "
                     "dynamics. You should lower the graphics load in the 'Set Rendering Options' window.",
                     "The simulator will maintain smooth animation by reducing the visibility, allowing a higher "
                     "frame rate for smoother animation.",
                     "Remember, it is possible to set the visibility too high for almost ANY CPU... this insures "
                     "that you can ask for all the visibility that YOUR CPU can handle!",
                     "To avoid this warning again, reduce the visibility, or go to the 'Warnings' item in the "
                     "'Settings' menu.",
                     alert_notice);
        per_run.slow_warned = 1;
    }
}

// 8. The weather's trend: improving (positive) thins and lifts the clouds,
// clears the air and calms the rain, storms, turbulence and bursts;
// worsening does the opposite until something reaches its worst, where the
// trend draws again at random.
static void weather_trend(void)
{
    float w = atm.weather_trend;
    if (!(fabsf(w) > 0.01f)) return;
    const int at_worst[] = {atm.precip_level > 4.0f,  atm.storm_level > 4.0f,     atm.wind_turbulence > 4.0f,
                            atm.shear_level > 4.0f,   atm.cloud_base_agl < 100.0f, atm.visibility < 3000.0f};
    for (int worst : at_worst)
        if (w < 0 && worst) w = fltrand(-1.0f, 1.0f);
    atm.cloud_tops *= (500 - w) * 0.002f;
    atm.cloud_base *= (500 + w) * 0.002f;
    atm.visibility *= (500 + w) * 0.002f;
    atm.precip_level = fltlim(atm.precip_level - 0.003f * w, 1, 5);
    atm.storm_level = fltlim(atm.storm_level - 0.003f * w, 1, 5);
    atm.wind_turbulence = fltlim(atm.wind_turbulence - 0.003f * w, 1, 5);
    atm.shear_level = fltlim(atm.shear_level - 0.003f * w, 1, 5);
    assign_wind_tbl(0.1f);
}

// 9. Rain is heard below the tops, above freezing, while it rains; the loop
// starts and stops on a change only (the first call takes the weather as it
// finds it).
static void rain_sound(void)
{
    int rain = !scn.above_clouds && atm.sl_temp > 32.0f && atm.precip_level > 1.0f;
    if (!per_run.rain_known) {
        per_run.rain_on = rain;
        per_run.rain_known = 1;
    }
    if (rain == per_run.rain_on) return;
    if (rain) play_buffer(snd_rain, 1);
    else stop_buffer(snd_rain);
    per_run.rain_on = rain;
}

// 10. Rain or storms make an overcast; every weather value back in its range.
// The cloud bases keep at least 50 m over the ground under the aircraft.
static void weather_limits(void)
{
    if (atm.precip_level > 1.5f || atm.storm_level > 1.5f) atm.cloud_type = 4;
    float ft = con.fttomtrs;
    atm.cloud_base = fltlim(atm.cloud_base, env.ground_h + 50.0f, 98999 * ft);
    atm.cloud_tops = fltlim(atm.cloud_tops, atm.cloud_base + 1000 * ft, 99999 * ft);
    if (atm.cloud_type == 2 || atm.cloud_type == 3) atm.cloud_tops = atm.cloud_base;
    atm.cloud_base_agl = atm.cloud_base - env.ground_h;
    atm.visibility = fltlim(atm.visibility, 185.2f, 37040.0f);
    atm.storm_level = fltlim(atm.storm_level, 1, 5);
    atm.precip_level = fltlim(atm.precip_level, atm.storm_level, 5);   // no storm without its rain
    atm.wind_turbulence = fltlim(atm.wind_turbulence, 1, 5);
    atm.shear_level = fltlim(atm.shear_level, 1, 5);
    for (int l = 0; l < 3; l++) {
        float* layer = atm.wind_layer[l];
        layer[wl_wind_dir] = fltwrap(layer[wl_wind_dir], 0, 360);
        layer[wl_shear_dir] = fltlim(layer[wl_shear_dir], 0, 180);
        layer[wl_wind_speed] = fltlim(layer[wl_wind_speed], 0, 99);
        layer[wl_shear_speed] = fltlim(layer[wl_shear_speed], 0, 99);
        layer[wl_turbulence] = fltlim(layer[wl_turbulence], 0, 9);
    }
}

// ---- aircraft ------------------------------------------------------------------

// An engine's speed as a share of its top speed; 0 for an aircraft that gives none.
static float share_of_top_speed(float omega)
{
    return pln[0].omegamax > 0 ? omega / pln[0].omegamax : 0.0f;
}

static int engine_count(void) { return intlim(pln[0].numen, 0, plane_engines); }

// 11. Force feedback: the stick's stiffness with the airspeed (or the rotor's
// speed), and the engine's shake for propellers and rotors.
static void force_feedback(void)
{
    const planestruct& a = pln[0];
    float stiff;
    if (!a.is_heli) stiff = 0.75f * flt.vne_frac_sq;
    else stiff = a.ff_hydraulic ? 0.0f : 0.25f * sqr(share_of_top_speed(flt.engine_speed[0]));
    JOY_force(4, 0, 0, 100 * stiff);
    if (!turns_propellers(a)) return;
    float r = a.is_heli || a.numen == 1 ? flt.engine_speed[0] : 0.5f * (flt.engine_speed[0] + flt.engine_speed[1]);
    float shake = share_of_top_speed(r) * 20;
    if (!a.is_heli) shake = 0.5f * shake + 10;
    else if (a.ff_hydraulic) shake = 0;
    JOY_force(5, shake, r / con.pim2, 0);
}

// 12. Fuel burnt since the last call, and which engines run: each needs fuel,
// its mixture (idle cut-off starves it) and its own system working.
static void fuel_and_engines(void)
{
    // A new flight restarts sim_time: no time runs backwards into the tank.
    float elapsed = fltmax2(msc.sim_time - per_flight.fuel_time, 0);
    per_flight.fuel_time = msc.sim_time;
    for (int e = 0; e < engine_count(); e++) {
        flt.fuel -= flt.fuel_flow[e] * elapsed;
        flt.engine_running[e] = flt.fuel > 0.01f && flt.mixture[e] > 0.01f && rel.system_ok[sys_engine + e];
    }
    flt.fuel = fltlim(flt.fuel, 0, pln[0].m_fuel);
}

// 13. Ice: on the airframe in an overcast from -20 to 0 C, melting above
// freezing and shed by working anti-ice; in a piston engine's carburettor
// from -5 to 25 C in flight at low power, melting at high power or with
// carburettor heat. Both stay within 0..1.
static void icing(void)
{
    const planestruct& a = pln[0];
    float t = atm.temp_k - 273.15f;
    float y = (float)flt.pos_y[0];
    if (fltrange(t, -20, 0) && atm.cloud_type == 4 && fltrange(y, atm.cloud_base, atm.cloud_tops))
        flt.ice_amount += 0.00333f;
    if (t > 0) flt.ice_amount -= t * 0.000333f;
    if (ins.anti_ice && rel.system_ok[sys_anti_ice]) flt.ice_amount -= 0.01f;
    flt.ice_amount = fltlim(flt.ice_amount, 0, 1);

    int carb_weather = fltrange(t, -5, 25) && a.entype == 1 && !flt.on_ground && flt.carb_heat < 0.5f;
    float green = a.omegamingreen;
    for (int e = 0; e < plane_engines; e++) {
        float w = flt.engine_speed[e];
        if (carb_weather && fltrange(w, 0.5f * green, green)) flt.ice_carb[e] += 0.005f;
        else if (carb_weather && w > green) flt.ice_carb[e] -= 0.01f;
        if (flt.carb_heat > 0.5f) flt.ice_carb[e] -= 0.2f;
        flt.ice_carb[e] = fltlim(flt.ice_carb[e], 0, 1);
    }
}

// The failure slots whose time the power factors fade from.
static const int slot_hydraulics = 21;
static const int slot_engine_power = 28;

// 14. The failures' pass; a new failure that sounds the caution shows the
// cautions page on an aircraft with an ECAM.
static void failures(void)
{
    int failed[fail_slots];
    int caution = fail_systems(failed);
    if (failed[slot_hydraulics]) per_flight.hydraulics_failed_at = msc.sim_time;
    if (failed[slot_engine_power]) per_flight.engine_power_failed_at = msc.sim_time;
    if (caution && pln[0].ecam) {
        play_buffer(snd_caution, 0);
        ins.ecam_page = ecam_cautions;
    }
}

// 15. Control power: full, unless the controls are hydraulic. Then it
// follows the engines (a helicopter's rotor alone), the airspeed when no
// engine runs in flight (ram air), and after a hydraulic failure it fades to
// nothing over three minutes. Engine power fades over five minutes after an
// engine loses power.
static void power_factors(void)
{
    const planestruct& a = pln[0];
    rel.on_ram_air = 0;
    float control = 1;
    if (a.ff_hydraulic && a.is_heli) {
        control = share_of_top_speed(flt.engine_speed[0]);
    } else if (a.ff_hydraulic) {
        int engines = engine_count(), running = 0;
        if (a.entype != engine_none && engines > 0) {
            float sum = 0;
            for (int e = 0; e < engines; e++)
                sum += is_jet(a) ? flt.jet_n1[e] / 100 : share_of_top_speed(flt.engine_speed[e]);
            control = 0.9f + 0.1f * sum / (float)engines;
        }
        for (int e = 0; e < engines; e++) running |= flt.engine_running[e] != 0;
        if (!running && !flt.on_ground) {
            rel.on_ram_air = 1;
            control = a.Vne > 0 ? ias_asi() / a.Vne : 0.0f;
        }
        if (flt.pos_y[0] > 20000.0 || a.entype == 6) control = 1;
    }
    if (!rel.system_ok[sys_hydraulics]) {
        float t = per_flight.hydraulics_failed_at;
        control = fltlim(interp(t, 0.9f, t + 180, 0, msc.sim_time), 0, 1);
    }
    rel.control_power = control;

    int all_powered = 1;
    for (int e = 0; e < plane_engines; e++)
        if (!rel.system_ok[sys_engine_power + e]) all_powered = 0;
    float since = msc.sim_time - per_flight.engine_power_failed_at;
    rel.engine_power = all_powered ? 1.0f : 1.0f - fltlim(since / 300, 0, 1);
}

// ---- sky -----------------------------------------------------------------------

static const int bolt_fork = 13;             // each branch forks from this point of the one before

// 16. Lightning in a storm above freezing: a point up to 30 nm away strikes
// when the weather field there is stormy enough and the eye is below the
// tops; the bolt forks down from 3,000 m over the ground, flashes for a
// moment and thunders the louder the nearer it is.
static void lightning(void)
{
    if (!(atm.storm_level > 1.0f) || !(atm.sl_temp > 32.0f)) return;
    float d = fltmax2(fltrand(0, 30), 0.1f);   // nm; the thunder divides by it
    float a = fltrand(0, con.pim2);
    float x = (float)flt.pos_x[0] + d * sinf(a) * con.nmtomtrs;
    float z = (float)flt.pos_z[0] - d * cosf(a) * con.nmtomtrs;
    int i, j;
    if (!wx_cell(x, z, &i, &j)) return;
    if (!(atm.wx_grid[i][j] * atm.storm_level > 2.0f) || scn.above_clouds) return;
    for (int b = 0; b < bolt_branches; b++) {
        float* start = atm.bolt[b][0];
        if (b == 0) {
            start[0] = x;
            start[1] = env.ground_h + 3000.0f;
            start[2] = z;
        } else {
            memcpy(start, atm.bolt[b - 1][bolt_fork], sizeof atm.bolt[b][0]);
        }
        float s = 0.05f * start[1];
        for (int k = 1; k < bolt_points; k++) {
            const float* q = atm.bolt[b][k - 1];
            float* p = atm.bolt[b][k];
            // One draw at a time, in this order: the same seed draws the same bolt.
            float dx = fltrand(-0.5f, 0.5f) * s;
            float dy = fltrand(0.5f, 1.5f) * s;
            float dz = fltrand(-0.5f, 0.5f) * s;
            p[0] = q[0] + dx;
            p[1] = q[1] - dy;
            p[2] = q[2] + dz;
        }
    }
    atm.flash_until = mnw.time_elapsed + fltrand(0.2f, 0.6f);
    atm.flash_dist = d;
    float loud = 5.0f / d;
    if (loud > 0.3f) {
        set_frq_vol(fltlim(loud, 0.3f, 1), fltlim(loud, 0, 1), snd_thunder);
        play_buffer(snd_thunder, 0);
    }
}

// 17. Gravity for the height.
static void gravity(void)
{
    float r = con.rearth + (float)flt.pos_y[0];
    atm.g_accel = con.muearth / (r * r);
}

// ---- warnings ------------------------------------------------------------------

// 18. An aeroplane past 1.1 Vne loses a wing's outer panels, once a flight;
// flaps out above Vfe are told once until the handle goes up again.
static void warnings(void)
{
    const planestruct& a = pln[0];
    if (a.is_heli) return;
    float s = ias_asi();
    if (!flt.redline_busted && s > 1.1f * a.Vne && set.shed_on_overspeed) {
        MACIBM_alert("You just busted the redline speed.", "I shall now remove a critical flying surface.",
                     "Enjoy the ride down.",
                     "(To avoid this occurrence again, you can fly more slowly or select the 'Warnings' item in "
                     "the 'Settings' menu).",
                     alert_notice);
        flt.redline_busted = 1;
    }
    if (a.flapEQ && !flt.flap_warned && s > a.Vfe && flt.flap_request > 0.01f && set.warn_flap_overspeed) {
        MACIBM_alert("You just extended the flaps above Vfe.", "", "",
                     "(To avoid this occurrence again, you can fly right or go to the 'Warnings' item in the "
                     "'Settings' menu.",
                     alert_notice);
        flt.flap_warned = 1;
    }
    if (flt.flap_request < 0.01f) flt.flap_warned = 0;
}

// ---- the step ------------------------------------------------------------------

void mod_sec(void)
{
    load_texes();              // 1. the textures a new aircraft, resolution, season or latitude asks for
    detect_markers();          // 2.
    call_outs();               // 3.
    atc_tick();                // 4.
    tune_radios();             // 5.
    real_weather();            // 6.
    frame_rate_governor();     // 7.
    weather_trend();           // 8.
    rain_sound();              // 9.
    weather_limits();          // 10.
    force_feedback();          // 11.
    fuel_and_engines();        // 12.
    icing();                   // 13.
    failures();                // 14.
    power_factors();           // 15.
    lightning();               // 16.
    gravity();                 // 17.
    warnings();                // 18.
}
