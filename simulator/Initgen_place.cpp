// Flight placement and the new flight.
//
// Sections: the runway and the requested point, the special starts' searches,
// the new flight, set_fltvars, the nearest airport.
#include "Initgen.h"

#include "Do_atc.h"
#include "Fltutil.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_joy.h"
#include "Hl_sound.h"
#include "Hl_types.h"
#include "Initpln.h"
#include "P_update.h"
#include "Startscn.h"
#include "Windows.h"

#include <cmath>
#include <cstdio>
#include <cstring>

// ---- the runway and the requested point -------------------------------------

static float wrap_heading(float h)
{
    h = fmodf(h, 360.0f);
    return h < 0 ? h + 360.0f : h;
}

static int selected_airport(void)
{
    return airport_in_table(msc.apt_sel) ? msc.apt_sel : -1;
}


// A situation or a menu can leave rwy_sel outside the chosen airport's
// runways; its first runway is taken then, and stored in rwy_sel. An airport
// without runways (the ID window finds those too) gives way to the first
// airport that has one. -1 when the world has no runway at all.
static int selected_runway(void)
{
    if (rwy_wrl_max < 0) return -1;
    int a = selected_airport();
    if (a >= 0 && !apt_has_runway(a)) {
        a = -1;
        for (int b = 0; b <= apt_wrl_max && b < world_apt_max && a < 0; b++)
            if (apt_has_runway(b)) a = b;
        if (a >= 0) msc.apt_sel = a;
    }
    if (a < 0) return intlim(msc.rwy_sel, 0, rwy_wrl_max);
    if (msc.rwy_sel < apt_lo_ind[a] || msc.rwy_sel > apt_hi_ind[a]) msc.rwy_sel = apt_lo_ind[a];
    return intlim(msc.rwy_sel, 0, rwy_wrl_max);
}

// The runway's centre in the local frame, its length and true heading.
struct runway_place {
    float x, z, len, hdg;
};

static runway_place runway_at(int r)
{
    runway_place p;
    p.x = X_with_latlon(rwy_lat[r], rwy_lon[r]);
    p.z = Z_with_lat(rwy_lat[r]);
    p.len = rwy_len[r];
    p.hdg = rwy_hdng[r];
    return p;
}

static int finite_within(float v, float lo, float hi) { return std::isfinite(v) && v >= lo && v <= hi; }

// A damaged situation file can hold anything here; what is out of these
// bounds must never reach the local frame, intround or the grid search.
static int requested_point_usable(void)
{
    return finite_within(set.place_lat, -90, 90) && finite_within(set.place_lon, -180, 180) &&
           finite_within(set.place_alt, -1000, 100000) && finite_within(set.place_hdg, -36000, 36000) &&
           finite_within(set.place_speed, 0, 2000);
}

// ---- the special starts' searches ---------------------------------------------

// The best distance of one call: every search keeps the nearer find.
static float best_dist;

// Codes 1400..1402: the nearest runway of the class (the millions digit of
// its code: 3 grass, 4 dirt, 5 gravel) to the user. 1 when one was found.
static int nearest_runway_of_class(int rclass)
{
    int found = 0;
    for (int a = 0; a <= apt_wrl_max && a < world_apt_max; a++) {
        if (!apt_has_runway(a)) continue;
        for (int r = apt_lo_ind[a]; r <= apt_hi_ind[a] && r < world_rwy_max; r++) {
            if (rwy_num[r] == rwy_pad || rwy_code[r] / 1000000 != rclass) continue;
            float d = pythag(rwy_lat[r] - flt.lat, rwy_lon[r] - flt.lon);
            if (d < best_dist) {
                best_dist = d;
                msc.apt_sel = a;
                msc.rwy_sel = r;
                found = 1;
            }
        }
    }
    return found;
}

static const char* const no_ships[4] = {"I can't find any ships in the area!", "Try going to a coastal area with some water!",
                                        "", ""};

// Codes 1602, 1603: the nearest cell of the marked kind; its middle in t.
// The last row and column of vertices start no cell.
static int nearest_marked_cell(int marks[region_grid_x][region_grid_z], float t[3])
{
    int found = 0;
    for (int i = 0; i < region_grid_x - 1; i++)
        for (int j = 0; j < region_grid_z - 1; j++) {
            if (!marks[i][j]) continue;
            float m[3];
            for (int k = 0; k < 3; k++) m[k] = 0.5f * (planexyz[i][j][k] + planexyz[i + 1][j + 1][k]);
            float d = pythag(m[0] - (float)flt.pos_x[0], m[2] - (float)flt.pos_z[0]);
            if (d < best_dist) {
                best_dist = d;
                for (int k = 0; k < 3; k++) t[k] = m[k];
                found = 1;
            }
        }
    return found;
}

// Code 1600: the nearest helipad object; -1 when none.
static int nearest_helipad(void)
{
    int pad = -1;
    for (int o = 0; o < obj_slots; o++) {
        if (obj_type[o] < 94 || obj_type[o] > 96) continue;
        float d = pythag(obj_xyz[o][0][0][0] - (float)flt.pos_x[0], obj_xyz[o][0][0][2] - (float)flt.pos_z[0]);
        if (d < best_dist) {
            best_dist = d;
            pad = o;
        }
    }
    return pad;
}

// Code 1404: the last cell in scan order whose 5 x 5 block is all water,
// kept well inside the grid; 0 when there is none.
static int open_water_cell(int* wi, int* wj)
{
    int found = 0;
    for (int i = 40; i <= 137; i++)
        for (int j = 40; j <= 118; j++) {
            int all = 1;
            for (int di = -2; di <= 2 && all; di++)
                for (int dj = -2; dj <= 2 && all; dj++) all = is_water[i + di][j + dj] != 0;
            if (all) {
                *wi = i;
                *wj = j;
                found = 1;
            }
        }
    return found;
}

// Code 1500: the nearest of the other aircraft (2 to 11); -1 when none is
// nearer than the start distance.
static int nearest_traffic(void)
{
    int near = -1;
    for (int p = 2; p < flt_aircraft; p++) {
        float d = pythag((float)(flt.pos_x[p] - flt.pos_x[0]), (float)(flt.pos_z[p] - flt.pos_z[0]));
        if (d < best_dist) {
            best_dist = d;
            near = p;
        }
    }
    return near;
}

// ---- the new flight ---------------------------------------------------------

// Everything of the last flight goes; the twelve aircraft keep their places,
// in single precision, and the user keeps latitude and longitude.
static void wipe_flight_keeping_places(void)
{
    float x[flt_aircraft], y[flt_aircraft], z[flt_aircraft];
    float theta[flt_aircraft], psi[flt_aircraft], phi[flt_aircraft], speed[flt_aircraft];
    for (int p = 0; p < flt_aircraft; p++) {
        x[p] = (float)flt.pos_x[p];
        y[p] = (float)flt.pos_y[p];
        z[p] = (float)flt.pos_z[p];
        theta[p] = flt.theta[p];
        psi[p] = flt.psi[p];
        phi[p] = flt.phi[p];
        speed[p] = flt.gnd_speed[p];
    }
    float lat = flt.lat, lon = flt.lon;

    memset(&flt, 0, sizeof flt);
    memset(&atc, 0, sizeof atc);
    memset(&fpl, 0, sizeof fpl);
    memset(&ott, 0, sizeof ott);
    memset(&pat, 0, sizeof pat);
    clear_flight_state();

    for (int p = 0; p < flt_aircraft; p++) {
        flt.pos_x[p] = x[p];
        flt.pos_y[p] = y[p];
        flt.pos_z[p] = z[p];
        flt.theta[p] = theta[p];
        flt.psi[p] = wrap_heading(psi[p]);
        flt.phi[p] = phi[p];
        flt.gnd_speed[p] = speed[p];
    }
    flt.lat = lat;
    flt.lon = lon;
}

// A burning fire's points laid downwind from its centre, each on the ground.
static void lay_out_fire(void)
{
    static const float along[9] = {0, 50, 150, 200, 250, 300, 350, 400, 450};
    float f = (atm.wind_layer[0][wl_wind_dir] - env.mag_var + 90) * con.degtorad;
    float cx = scn.fire_xyz[0][0], cz = scn.fire_xyz[0][2];
    for (int k = 0; k < fire_slots; k++) {
        float a = 0, c = 0;
        if (k >= 1 && k <= 8) {
            a = along[k] + fltrand(-40, 40);
            c = fltrand(-40, 40);
        }
        float x = cx + a * sinf(f) + c * cosf(f);
        float z = cz - a * cosf(f) + c * sinf(f);
        float vx, vy, vz;
        int i = env.plane_cell_i, j = env.plane_cell_j;
        scn.fire_xyz[k][0] = x;
        scn.fire_xyz[k][1] = find_local_h(x, z, &vx, &vy, &vz, &i, &j, 0);
        scn.fire_xyz[k][2] = z;
    }
}

static void start_engines(void)
{
    const planestruct& a = pln[0];
    float thr = flt.gnd_speed[0] > msc.vstall ? 0.5f : 0.01f;
    int n = intlim(a.numen, 0, plane_engines);
    for (int e = 0; e < n; e++) {
        flt.mixture[e] = 1.0f;
        flt.prop_req[e] = a.omegamax;
        flt.throttle[e] = thr;
        flt.throttle_req[e] = thr;
        flt.blade_pitch[e] = a.varpitchEQ ? interp(0, a.minpitch[e], 1, a.maxpitch[e], thr) : 0;
        flt.engine_speed[e] = a.is_heli ? a.omegamax : a.omegamin + (a.omegamax - a.omegamin) * sqrtf(thr);
    }
}

// The fuselage's reach ahead of and behind the centre of gravity.
static void fuselage_reach(float* fore, float* aft)
{
    *fore = *aft = 0;
    for (int s = 0; s < plane_stations; s++)
        for (int k = 0; k < plane_points; k++) {
            float z = pln[0].body_Z[part_fuselage][s][k];
            *fore = fmaxf(*fore, -z);
            *aft = fmaxf(*aft, z);
        }
}

static void set_gear_views_and_masses(int code)
{
    planestruct& a = pln[0];
    float speed = flt.gnd_speed[0];
    int gear_down = !a.gear_retract || (speed < 1 && code != place_drop && code != place_seaplane);
    for (int k = 0; k < 3; k++) a.gear_stat[k] = gear_down;
    // The handle matches the legs, and none is still moving: the ten-a-second
    // gear step moves a leg only toward a handle it differs from.
    set.gear_down = gear_down;
    for (int k = 0; k < 3; k++) set.gear_time[k] = 0.0f;
    flt.brake_ratio = gear_down ? 1.0f : 0.0f;
    set.joy_throttle_on = 0;

    scn.zoom = 1.0f;
    float fore, aft;
    fuselage_reach(&fore, &aft);
    scn.plane_size = fltmax4(fabsf(get_wing_Xarm(5, a.semilen[5], 0)), fabsf(get_wing_Xarm(7, a.semilen[7], 0)), fore, aft);
    scn.chase_dist = 2 * scn.plane_size;
    ins.jato_burning = 0;
    ins.chute_out = 0;
    // The glass displays show weather and traffic again, the ECAM its engine page.
    efis_wx() = 1;
    efis_tfc() = 1;
    ins.ecam_page = ecam_engines;

    env.on_carrier = 0;
    env.on_frigate = 0;
    env.on_platform = 0;

    float r = con.degtorad;
    flt.vel_x = speed * sinf(flt.psi[0] * r);
    flt.vel_z = -speed * cosf(flt.psi[0] * r);
    attitude_sines();
    // The first half-step's build-up turns its forces by these before the
    // integrator has set them: along the heading, no alpha, slip or bank.
    flt.cos_alpha = flt.cos_beta = 1;
    flt.sin_alpha = flt.sin_beta = 0;
    flt.sin_path_psi = flt.sin_psi;
    flt.cos_path_psi = flt.cos_psi;
    flt.sin_path_theta = flt.sin_path_roll = 0;
    flt.cos_path_theta = flt.cos_path_roll = 1;

    flt.jato_left = a.jatodur;
    flt.fuel = a.m_fuel / 2;
    flt.jettison = a.m_jettison / 2;
    flt.payload = fltlim((a.m_max - a.m_fuel - a.m_jettison - a.m_empty) / 2, 0, 9.9e9f);
    if (a.vectEQ) {
        flt.vector_angle = speed < 1 ? 90.0f : 0.0f;
        for (int k = 0; k < 4; k++) flt.vert_cant[k] = flt.vector_angle;
    }
    set.view_id = 500;
    // Without a collective the engine control keeps the rotor's speed itself.
    set.gov_on = set.collective_stick ? 0 : 1;
    msc.sim_time = 0;
    msc.frame_count = 0;
    msc.tenth_count = 0;

    snprintf(fpl.departure, sizeof fpl.departure, "KMMM");
    snprintf(fpl.destination, sizeof fpl.destination, "KMMM");
    // The callsign is the name's first word; the name need not be terminated.
    size_t n = strnlen(a.C_name, sizeof a.C_name);
    if (n > sizeof atc.callsign - 1) n = sizeof atc.callsign - 1;
    memcpy(atc.callsign, a.C_name, n);
    atc.callsign[n] = 0;
    for (size_t k = 0; k < n; k++)
        if (atc.callsign[k] == ' ') atc.callsign[k] = 0;
}

// A value of a saved flight, held to its range; one that is no number keeps
// what the start just gave, so a damaged file cannot put NaN into the flight.
static void take_saved(float* to, float v, float lo, float hi)
{
    if (std::isfinite(v)) *to = fltlim(v, lo, hi);
}

// A saved flight's controls, autopilot, masses and engines as its file held them.
static void restore_situation(void)
{
    const situationvalues& s = set.sit_values;
    int* const ap[7] = {&ott.ap_hdg, &ott.ap_nav1, &ott.ap_nav2, &ott.ap_alt, &ott.ap_vvi, &ott.ap_gs, &ott.ap_speed};
    for (int k = 0; k < 7; k++) *ap[k] = s.ap_switch[k];
    ott.alt_target = s.ap_target[0];
    ott.vvi_target = s.ap_target[1];
    ott.speed_target = s.ap_target[2];
    set.ap_hold_flag = s.ap_hold_flag;
    for (int k = 0; k < 3; k++) pln[0].gear_stat[k] = s.gear_stat[k];
    // A saved flight keeps no handle of its own: it is down with any leg down.
    set.gear_down = s.gear_stat[0] || s.gear_stat[1] || s.gear_stat[2];
    const planestruct& a = pln[0];
    take_saved(&flt.flap_ratio, s.flight[0], 0, 1);
    take_saved(&flt.flap_request, s.flight[1], 0, 1);
    take_saved(&flt.pitch_trim, s.flight[2], -1, 1);
    take_saved(&flt.roll_trim, s.flight[3], -1, 1);
    take_saved(&flt.yaw_trim, s.flight[4], -1, 1);
    take_saved(&flt.fuel, s.flight[5], 0, a.m_fuel);
    take_saved(&flt.jettison, s.flight[6], 0, a.m_jettison);
    take_saved(&flt.payload, s.flight[7], 0, 9.9e9f);
    for (int e = 0; e < plane_engines; e++) {
        take_saved(&flt.throttle[e], s.engine[0][e], -1, 1);
        take_saved(&flt.throttle_req[e], s.engine[1][e], -1, 1);
        take_saved(&flt.prop_req[e], s.engine[2][e], 0, 9.9e9f);
        take_saved(&flt.blade_pitch[e], s.engine[3][e], -90, 90);
        take_saved(&flt.mixture[e], s.engine[4][e], 0, 1);
        take_saved(&flt.engine_speed[e], s.engine[5][e], 0, 9.9e9f);
    }
}

// ---- set_fltvars --------------------------------------------------------------

static void place_user(float x, float y, float z, float psi, float speed)
{
    flt.pos_x[0] = x;
    flt.pos_y[0] = y;
    flt.pos_z[0] = z;
    flt.psi[0] = psi;
    flt.gnd_speed[0] = speed;
}

// Codes 1501, 1502: the tow or drop aircraft into slot 1. 0 after the notice
// when its file is missing, slot 1 then as it was.
static int load_system_plane(int code)
{
    const char* folder = code == place_glider_tow ? "Husky" : "B-52H Stratofortress";
    char file[64], path[path_max + 128];
    snprintf(file, sizeof file, "%s.acf", folder);
    snprintf(path, sizeof path, "%splanes/System Planes (don't move)/%s/%s", app_path, folder, file);

    char kept_path[sizeof pln[1].C_path], kept_file[sizeof pln[1].C_file];
    memcpy(kept_path, pln[1].C_path, sizeof kept_path);
    memcpy(kept_file, pln[1].C_file, sizeof kept_file);
    size_t len = strlen(path);
    int fits = len < sizeof pln[1].C_path;
    if (fits) {
        memcpy(pln[1].C_path, path, len + 1);
        snprintf(pln[1].C_file, sizeof pln[1].C_file, "%s", file);
    }
    if (fits && load_plane(1)) return 1;

    memcpy(pln[1].C_path, kept_path, sizeof kept_path);
    memcpy(pln[1].C_file, kept_file, sizeof kept_file);
    MACIBM_alert("I can't find one of the planes in the 'System Planes (don't move)' folder",
                 "Make sure the following path exists:", path,
                 "You may need to re-install the 'planes' folder inside the 'Volanto-System' folder from the CD or latest "
                 "download.",
                 alert_notice);
    return 0;
}

static int flies_unpowered(void) { return pln[0].entype == 0 || pln[0].entype == 6; }

void set_fltvars(int code, int sub)
{
    const float nm = con.nmtomtrs, r = con.degtorad;
    best_dist = 9.9e9f;

    if (code >= place_grass_field && code <= place_gravel_field) {
        // Without a runway of the class the chosen one serves.
        if (nearest_runway_of_class(code - place_grass_field + 3)) {
            env.reg_lat = intround(rwy_lat[msc.rwy_sel] - 1.0f);
            env.reg_lon = intround(rwy_lon[msc.rwy_sel] - 1.5f);
            load_region(1);
        }
        code = place_runway;
        sub = place_on_runway;
    }

    set.tow_hold = 0;
    set.drop_on = 0;
    set.tow_on = 0;

    if (code == place_glider_tow || code == place_drop) {
        set.air_traffic_on = 1;
        if (!load_system_plane(code)) return;
        if (code == place_drop) {
            set.drop_on = 1;
            if (!flies_unpowered())
                MACIBM_alert("You should be flying a glider for this.",
                             "I highly recomend a fast glider from the planes folder for a drop from this high.",
                             "I will let you go on ahead and try for a tow, but this seems sort of wacky to me.", "",
                             alert_notice);
            for (int k = 0; k < 3; k++) pln[1].gear_stat[k] = 0;
        } else {
            set.tow_hold = 1;
            if (!flies_unpowered())
                MACIBM_alert("You should be flying a glider for this.",
                             "I highly recomend the Schweizer 2-32 in the General Aviation folder, or some other glider "
                             "for this.",
                             "I will let you go on ahead and try for a tow, but this seems sort of wacky to me.",
                             "The towplane pilot will drop the line if things get too funky while under tow.",
                             alert_notice);
            for (int k = 0; k < 3; k++) pln[1].gear_stat[k] = 1;
            // The tow plane waits 20 m ahead of the glider, always facing the runway's own way.
            int tow_rw = selected_runway();
            if (tow_rw >= 0) {
                runway_place p = runway_at(tow_rw);
                float back = (p.len - 60) / 2;
                flt.pos_x[1] = p.x - back * sinf(p.hdg * r);
                flt.pos_z[1] = p.z + back * cosf(p.hdg * r);
                flt.pos_y[1] = chosen_airport_h() + pln[1].h_eqlbm;
                flt.theta[1] = pln[1].the_eqlbm;
                flt.psi[1] = p.hdg;
                flt.phi[1] = 0;
                flt.gnd_speed[1] = 0;
            }
            code = place_runway;
            sub = place_on_runway;
        }
    }

    // A requested point that a damaged file put out of bounds is as good as
    // too low: the flight starts on the runway instead.
    int runway_start = code == place_runway;
    if (code == place_situation || code == place_over_point) {
        int low = !requested_point_usable();
        if (!low && code == place_situation) {
            float vx, vy, vz;
            int i = env.plane_cell_i, j = env.plane_cell_j;
            float x = X_with_latlon(set.place_lat, set.place_lon), z = Z_with_lat(set.place_lat);
            low = set.place_alt < find_local_h(x, z, &vx, &vy, &vz, &i, &j, 0) + pln[0].h_eqlbm + 20;
        }
        if (low) {
            runway_start = 1;
            sub = place_on_runway;
            if (code == place_over_point) code = place_runway;
        }
    }

    if (runway_start) {
        if (sub == place_on_runway && pln[0].gear_type == 1) sub = place_short_final;
        int rw = selected_runway();
        if (rw >= 0 && sub >= place_on_runway && sub <= place_long_final) {
            runway_place p = runway_at(rw);
            float half = (p.len - 20) / 2, h = p.hdg;
            float sx = p.x - half * sinf(h * r), sz = p.z + half * cosf(h * r);
            if (msc.rwy_reverse) {
                sx = p.x + half * sinf(h * r);
                sz = p.z - half * cosf(h * r);
                h = wrap_heading(h + 180);
            }
            place_user(sx, chosen_airport_h(), sz, h, 0);
            msc.rwy_view_x = sx + 2;
            msc.rwy_view_y = chosen_airport_h() + 2;
            msc.rwy_view_z = sz + 2;
            flt.lat = rwy_lat[rw];
            flt.lon = rwy_lon[rw];
            if (sub == place_on_runway) {
                flt.pos_y[0] += pln[0].h_eqlbm;
            } else {
                float d = (sub == place_short_final ? 1.5f : 9.0f) * nm;
                flt.pos_x[0] -= d * sinf(h * r);
                flt.pos_z[0] += d * cosf(h * r);
                flt.pos_y[0] += d * sinf(3 * r);
                flt.gnd_speed[0] = 1.2f * msc.vstall;
            }
        }
    } else if (code == place_situation || code == place_over_point) {
        place_user(X_with_latlon(set.place_lat, set.place_lon), set.place_alt, Z_with_lat(set.place_lat),
                   set.place_hdg, set.place_speed);
        if (code == place_over_point) flt.gnd_speed[0] = fmaxf(flt.gnd_speed[0], msc.vstall);
        flt.lat = set.place_lat;
        flt.lon = set.place_lon;
    }

    if (code == place_helipad) {
        int o = nearest_helipad();
        if (o < 0) {
            MACIBM_alert("I can't find any buildings with helipads in the area!",
                         "Try going to New York, Chicago, Los Angeles or some other major city.",
                         "There are likely to be building-top helipads there.", "", alert_notice);
            return;
        }
        // Vertex 12 of the pad's point list: element 3, point 0.
        place_user(obj_xyz[o][0][0][0], obj_xyz[o][3][0][1] + 0.05f * nm, obj_xyz[o][0][0][2] + nm, 0,
                   1.2f * msc.vstall);
    }

    set.on_catapult = 0;
    set.catapult_run = 0;

    if (code == place_carrier || code == place_frigate || code == place_catshot || code == place_platform ||
        code == place_oil_rig) {
        float t[3] = {0, 0, 0}, a = 0, height = 0;
        int found = 0;
        if (code == place_platform || code == place_oil_rig) {
            found = nearest_marked_cell(code == place_platform ? offp_on_poly : oilr_on_poly, t);
            height = code == place_platform ? 56.0f : 97.0f;
        } else {
            int s = code == place_frigate ? 1 : 0;
            found = ship_in_region(s);
            t[0] = env.ship_x[s];
            t[1] = env.ship_y[s];
            t[2] = env.ship_z[s];
            // The carrier is flown onto its angled deck.
            a = s ? env.ship_hdg[1] : env.ship_hdg[0] - 8;
            height = s ? 7.0f : 21.0f;
        }
        if (!found) {
            MACIBM_alert(no_ships[0], no_ships[1], no_ships[2], no_ships[3], alert_notice);
            return;
        }
        if (code == place_catshot) {
            a = env.ship_hdg[0] + 2;
            place_user(t[0] + 55 * sinf(a * r) - 12.5f * cosf(a * r), t[1] + 21 + pln[0].h_eqlbm,
                       t[2] - 55 * cosf(a * r) - 12.5f * sinf(a * r), a, 0);
            set.on_catapult = 1;
        } else {
            float d = 90 * msc.vstall;
            place_user(t[0] - d * sinf(a * r), t[1] + d * sinf(3.5f * r) + height, t[2] + d * cosf(a * r), a,
                       1.2f * msc.vstall);
        }
    }

    if (code == place_fire) {
        if (!scn.fires_on || atm.sl_temp <= 32 || atm.precip_level > 1) {
            MACIBM_alert("I can't find any forest fires in the area!",
                         "Try moving to a mountainous area, where fires are more likely!",
                         "Also be sure there is no rain and the temperature is above 32 F!",
                         "You can set this stuff in the Set Weather window.", alert_notice);
            return;
        }
        float d = (pln[0].is_heli ? 1.0f : 3.0f) * nm;
        float b = wrap_heading(atm.wind_layer[0][wl_wind_dir] + 120);
        place_user(scn.fire_xyz[0][0] + d * sinf(b * r), scn.fire_xyz[0][1] + d * sinf(7 * r),
                   scn.fire_xyz[0][2] - d * cosf(b * r), wrap_heading(atm.wind_layer[0][wl_wind_dir] + 270),
                   2 * msc.vstall);
    }

    if (code == place_formation) {
        set.air_traffic_on = 1;
        int p = nearest_traffic();
        if (p < 0) {
            MACIBM_alert("I can't find any other planes in the area!", "", "", "", alert_notice);
            return;
        }
        float k = (float)intround(flt.psi[p] - 10);
        place_user((float)flt.pos_x[p] - 0.2f * nm * sinf(k * r), (float)flt.pos_y[p],
                   (float)flt.pos_z[p] + 0.2f * nm * cosf(k * r), flt.psi[p], flt.gnd_speed[p]);
    }

    if (code == place_seaplane) {
        int i = 0, j = 0;
        if (!open_water_cell(&i, &j)) {
            MACIBM_alert("I can't find any signifigant amount of water in this area!",
                         "Try going to a coastal region to guarantee that I can find some water to put your plane in.",
                         "", "", alert_notice);
            return;
        }
        place_user(planexyz[i][j][0], 0, planexyz[i][j][2], 0, 0.1f);
    }

    flt.theta[0] = 0;
    flt.phi[0] = 0;

    wipe_flight_keeping_places();

    {
        float vx, vy, vz;
        int i = env.plane_cell_i, j = env.plane_cell_j;
        // The bare terrain: the last flight's deck flags are not cleared yet.
        env.ground_h = find_local_h((float)flt.pos_x[0], (float)flt.pos_z[0], &vx, &vy, &vz, &i, &j, 0);
        float clear = code == place_over_point ? 1000.0f : pln[0].h_eqlbm;
        if (flt.pos_y[0] < env.ground_h + clear) flt.pos_y[0] = env.ground_h + clear;
    }

    restore_systems();
    if (scn.fires_on) lay_out_fire();
    start_engines();
    set_gear_views_and_masses(code);
    if (code == place_situation) restore_situation();

    JOY_force(12, 0, 0, 0);
    set_frq_vol(1.0f, 0, snd_engine);
    set_frq_vol(1.0f, 0, snd_wind);
    set_frq_vol(1.0f, 0, snd_rain);
    play_engine_and_windrain();
    if (code == place_frigate) speakstring("Frigate I L S is on 1 0 8 . 1 0.");
}

// ---- the nearest airport ------------------------------------------------------

void set_up_env_with_request_latlon(void) { set_up_env_with_latlon(env.reg_lat + 1.0f, env.reg_lon + 1.5f); }

void set_up_env_with_latlon(float lat, float lon)
{
    float best = 9.9e9f;
    for (int a = 0; a <= apt_wrl_max && a < world_apt_max; a++) {
        // An airport without runways would lend the next one's.
        if (!apt_has_runway(a)) continue;
        int rw = apt_lo_ind[a];
        float d = pythag(rwy_lat[rw] - lat, rwy_lon[rw] - lon);
        if (d < best) {
            best = d;
            msc.apt_sel = a;
            msc.rwy_sel = rw;
        }
    }
    if (best < 9.9e9f) {
        env.reg_lat = (int)(rwy_lat[msc.rwy_sel] - 1.0f);
        env.reg_lon = (int)(rwy_lon[msc.rwy_sel] - 1.5f);
    }
    load_region(1);
    set_fltvars(place_runway, place_long_final);
}
