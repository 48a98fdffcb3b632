// Air traffic control's side of the dialogue: the filed plan's controllers,
// the answers to the pilot's requests with the approach vectoring, and the
// background transmissions.
//
// ---- run state
// ---- text and places
// ---- approach vectoring
// ---- requests
// ---- the flight plan
// ---- background traffic
#include "Do_atc.h"

#include "Fltutil.h"
#include "Funct.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "Initgen.h"
#include "Windows.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// ---- run state -------------------------------------------------------------------

// The controllers' clocks and last words: kept over flights for the whole
// run, each armed again before it is used.
struct dialogue_run_state {
    float handoff_time;       // s of simulated time: departure hands the user to center
    float center_check_time;  // s: center looks at the user again
    int center_toggle;        // 1 after center vectored the user around traffic
    float vector_gate;        // s: the next vectoring step may speak
    int last_heading;         // degrees magnetic, the last vectored heading
    int last_altitude;        // ft, the last vectored altitude
    int last_par_heading;     // degrees magnetic, the last talk-down heading
    float last_par_glide;     // degrees, the glide angle at the last talk-down word
};
static const dialogue_run_state dialogue_start = {9.9e9f, 9.9e9f, 0, 0, 0, 0, 0, 0};
static dialogue_run_state dlg = dialogue_start;

void clear_atc_dialogue_state(void) { dlg = dialogue_start; }

// ---- text and places ------------------------------------------------------------

// MHz 118..134 and a 25 kHz step, drawn in that order.
static void add_center_freq(char* text)
{
    int mhz = intrand(118, 134);
    int khz = intrand(0, 19) * 5;
    app_freq(text, mhz, khz);
}

static void add_wind(char* text)
{
    app_wind_string(text, (int)atm.wind_layer[0][wl_wind_dir], (int)atm.wind_layer[0][wl_wind_speed],
                    (int)atm.wind_layer[0][wl_shear_dir], (int)atm.wind_layer[0][wl_shear_speed]);
}

// The destination as spoken: its name, or the plan's identifier when the
// airport is not in the table.
static void add_destination(char* text)
{
    if (airport_in_table(atc.dest_apt)) app_chars(text, apt_name[atc.dest_apt], sizeof apt_name[0]);
    else app_chars(text, fpl.destination, sizeof fpl.destination);
}

// The airport's first runway end in degrees; 0 when it has none in the table.
static int airport_point(int a, float* lat, float* lon)
{
    if (!airport_in_table(a)) return 0;
    int r = apt_lo_ind[a];
    if (r < 0 || r > rwy_wrl_max || r >= world_rwy_max) return 0;
    *lat = rwy_lat[r];
    *lon = rwy_lon[r];
    return 1;
}

// The airport of the region nearest to (lat, lon) by plain degrees; -1
// when the region has none.
static int nearest_local_airport(float lat, float lon)
{
    int best = -1;
    float best_d = 9.9e9f;
    for (int a = 0; a <= apt_wrl_max && a < world_apt_max; a++) {
        float alat, alon;
        if (!apt_inreg[a] || !airport_point(a, &alat, &alon)) continue;
        float d = pythag(alat - lat, alon - lon);
        if (d < best_d) {
            best_d = d;
            best = a;
        }
    }
    return best;
}

static float height_ft(void) { return (float)flt.pos_y[0] * con.mtrstoft; }

// True bearing (degrees) and distance (m) from the aircraft to local (x, z).
static float aircraft_bearing_to(float x, float z)
{
    return atan2f(x - (float)flt.pos_x[0], (float)flt.pos_z[0] - z) * con.radtodeg;
}
static float aircraft_distance_to(float x, float z) { return pythag(x - (float)flt.pos_x[0], z - (float)flt.pos_z[0]); }

// ---- approach vectoring -----------------------------------------------------------

static const char* const glide_words[] = {
    ", well below glide path.", ", slightly below glide path.", ", on glide path.",
    ", slightly above glide path.", ", well above glide path."};

// One step of vectoring the user onto navaid n's approach.
static void vector_approach(int n, const char* request)
{
    if (!atc.vectoring) {
        dlg.vector_gate = 0;
        // The kind is taken once: the list may show another level later.
        atc.vector_kind = (atc.menu_level == atc_level_ils || atc.menu_level == atc_level_loc) ? atc.menu_level
                                                                                              : atc_level_par;
        // A new talk-down speaks at its first step, whatever the last one said.
        dlg.last_par_heading = -999;
        dlg.last_par_glide = -999;
    }
    if (msc.sim_time < dlg.vector_gate) return;
    dlg.vector_gate = msc.sim_time + fltrand(15, 25);

    float nx = X_with_latlon(nav_lat[n], nav_lon[n]), nz = Z_with_lat(nav_lat[n]);
    float d = aircraft_distance_to(nx, nz);
    float b = aircraft_bearing_to(nx, nz);
    float g = atan2f((float)flt.pos_y[0] - nav_h[n], d) * con.radtodeg;
    float course = nav_hdng[n];
    float off = fltwrap(b - course, -180, 180);
    float h = fltwrap(flt.psi[0] - course, -180, 180);
    int kind = atc.vector_kind;

    char text[atc_text_max];
    start_command_string(text, 1);

    if (atc.vectoring && fabsf(off) < 8 && fabsf(h) < 45 && d < 20 * con.nmtomtrs) {
        if (kind != atc_level_par || flt.on_ground) {
            if (kind != atc_level_par) {
                app_text(text, "intercept localizer ");
                app_altimeter_string(text, atm.baro_sl);
                app_text(text, " cleared ");
                app_chars(text, nav_name[n], sizeof nav_name[0]);
                app_text(text, " contact tower.");
                atc.plan_state = 7;
                atc.checkin_due = 1;
            } else {
                app_text(text, fltrand(0, 1) < 0.5f ? "good job." : "I have not done that in a while!");
                atc.plan_state = 8;
                atc.checkin_due = 0;
            }
            fpl.filed = 1;
            fpl.active = 1;
            atc.vectoring = 0;
            int a = nearest_local_airport(nav_lat[n], nav_lon[n]);
            if (a >= 0) atc.dest_apt = a;
            speakstring(text);
            return;
        }
        // Talked down: twice the offset back onto the course.
        int heading = intnear((int)(2 * off + course + env.mag_var), 5);
        if (fabsf((float)(heading - dlg.last_par_heading)) < 2.5f && fabsf(g - dlg.last_par_glide) < 0.2f) return;
        dlg.last_par_heading = heading;
        dlg.last_par_glide = g;
        app_turn_string(text, (float)heading, 5);
        app_text(text, " ");
        int w = g < 2.0f ? 0 : g < 2.7f ? 1 : g < 3.3f ? 2 : g < 4.0f ? 3 : 4;
        app_text(text, glide_words[w]);
        speakstring(text);
        return;
    }

    // To the gate 9 nm out on the course, moved aside by a little more than
    // a turn's radius so the turn onto the course ends on it.
    float sin_l = sinf(course * con.degtorad), cos_l = cosf(course * con.degtorad);
    float px = nx - 9 * con.nmtomtrs * sin_l, pz = nz + 9 * con.nmtomtrs * cos_l;
    // A slow aircraft still turns on some radius: none would divide by zero.
    float radius = interp(100, 2, 200, 4, flt.ias_kts);
    if (radius < 0.1f) radius = 0.1f;
    radius *= con.nmtomtrs;
    float side = fltwrap(off > 0 ? course - 90 : course + 90, 0, 360);
    px += 1.1f * radius * sinf(side * con.degtorad);
    pz -= 1.1f * radius * cosf(side * con.degtorad);
    int c = intround(aircraft_bearing_to(px, pz));
    float r = aircraft_distance_to(px, pz);
    int e;
    if (r > radius) e = intround(asinf(radius / r) * con.radtodeg);
    else e = (int)interp(0, 180, radius, 90, r);
    float hdg = fltwrap((float)(off > 0 ? c + e : c - e), 0, 360);
    int heading = intnear((int)(hdg + env.mag_var), 5);

    int altitude = fpl.cruise_altitude;
    float elev_ft = nav_h[n] * con.mtrstoft;
    float d_nm = d * con.mtrstonm;
    const float ranges[4][2] = {{120, 12000}, {60, 8000}, {30, 5000}, {15, 3000}};
    for (const auto& step : ranges)
        if (d_nm < step[0] && altitude > (int)(elev_ft + step[1])) altitude = (int)(elev_ft + step[1]);
    int floor_alt = intnear((int)(env.ground_h * con.mtrstoft) + 2000, 1000);
    if (altitude < floor_alt) altitude = floor_alt;
    altitude = intnear(altitude, 100);

    int first = !atc.vectoring;
    int said = 0;
    if (first || abs(intwrap_all(heading - dlg.last_heading, -179, 180)) > 10) {
        dlg.last_heading = heading;
        app_turn_string(text, (float)heading, 5);
        app_text(text, " ");
        said = 1;
    }
    float alt_ft = flt.alt_now * con.mtrstoft;
    int drifting = (alt_ft > altitude + 200 && flt.vel_y > -2) || (alt_ft < altitude - 200 && flt.vel_y < 2);
    if (first || abs(altitude - dlg.last_altitude) > 1 || drifting) {
        dlg.last_altitude = altitude;
        app_text(text, alt_ft < altitude ? "climb and maintain " : "descend and maintain ");
        app_int(text, altitude);
        app_text(text, " feet");
        said = 1;
    }
    if (first) {
        atc.vectoring = 1;
        snprintf(atc.last_request, sizeof atc.last_request, "%s", request);
        app_text(text, " vectors ");
        app_chars(text, nav_name[n], kind == atc_level_par ? 8 : sizeof nav_name[0]);
        app_text(text, ", if you would like another approach instead just tell me");
    }
    if (!said) {
        make_random_call(0, 0);
        return;
    }
    app_text(text, ".");
    speakstring(text);
}

// ---- requests ------------------------------------------------------------------

static const int request_scan_max = 256;

// The index of the airport (navaids 0) or navaid (1) named name in full; -1 for none.
static int find_named(const char* name, int navaids)
{
    if (navaids) {
        for (int n = 0; n <= nav_wrl_max && n < world_nav_max; n++)
            if (strncmp(nav_name[n], name, sizeof nav_name[n]) == 0 && strlen(name) < sizeof nav_name[n]) return n;
    } else {
        for (int a = 0; a <= apt_wrl_max && a < world_apt_max; a++)
            if (strncmp(apt_name[a], name, sizeof apt_name[a]) == 0 && strlen(name) < sizeof apt_name[a]) return a;
    }
    return -1;
}

// "They are about 12 miles" and its like: the turn to the airport's bearing
// and its distance.
static void add_vectors_to(char* text, int a, float lat, float lon, const char* joint)
{
    float x = X_with_latlon(lat, lon), z = Z_with_lat(lat);
    app_turn_string(text, (float)intround(aircraft_bearing_to(x, z) + env.mag_var), 5);
    app_text(text, " vectors ");
    app_chars(text, apt_name[a], sizeof apt_name[0]);
    app_text(text, joint);
    app_int(text, (int)(aircraft_distance_to(x, z) * con.mtrstonm));
    app_text(text, " miles from your current position.");
}

void controller_respond(char* request)
{
    // A copy: the request may be atc.last_request itself, which this rewrites.
    char req[atc_text_max];
    snprintf(req, sizeof req, "%.*s", atc_text_max - 1, request ? request : "");
    char text[atc_text_max];
    start_command_string(text, 1);

    if (strncmp(req, "WIN", 3) == 0) {
        add_wind(text);
        app_text(text, ".");
        speakstring(text);
        return;
    }
    if (strncmp(req, "MIS", 3) == 0) {
        app_text(text, "understand missed approach. Hold as published. Say intentions when able.");
        fpl.filed = 0;
        fpl.active = 0;
        speakstring(text);
        return;
    }
    if (strncmp(req, "DEC", 3) == 0) {
        app_text(text, "squawk 7 7 0 0");
        int a = nearest_local_airport(flt.lat, flt.lon);
        float lat, lon;
        if (a >= 0 && airport_point(a, &lat, &lon)) {
            atc.dest_apt = a;
            app_text(text, " ");
            add_vectors_to(text, a, lat, lon, ", they are about ");
        } else {
            app_text(text, ".");
        }
        fpl.active = 0;
        atc.plan_state = 0;
        speakstring(text);
        return;
    }

    size_t len = strlen(req);
    size_t scan = len < (size_t)request_scan_max ? len : (size_t)request_scan_max;
    const char* found = nullptr;
    for (size_t i = 0; i + 7 <= scan; i++)
        if (strncmp(req + i, "request", 7) == 0) {
            found = req + i;
            break;
        }
    if (!found) return;

    static const char* const kinds[] = {"TAX", "TAK", "VEC", "LAN", "ILS", "LOC", "PAR"};
    int kind = -1;
    if (strlen(found) >= 11 && found[7] == ' ')
        for (int k = 0; k < 7; k++)
            if (strncmp(found + 8, kinds[k], 3) == 0) kind = k;
    if (kind < 0) {
        app_text(text, "say again please");
        speakstring(text);
        return;
    }

    char name[atc_text_max];
    snprintf(name, sizeof name, "%s", found + 11);
    size_t nl = strlen(name);
    if (nl > 0 && name[nl - 1] == '.') name[nl - 1] = 0;
    int navaid = kind >= 4;
    int t = find_named(name, navaid);
    if (t < 0) return;
    if (navaid) {
        vector_approach(t, req);
        return;
    }
    switch (kind) {
    case 0:
        app_text(text, "taxi ");
        app_current_rway_string(text, t);
        app_text(text, ".");
        break;
    case 1:
        app_text(text, "fly runway heading cleared for take off ");
        app_current_rway_string(text, t);
        app_text(text, ".");
        break;
    case 2: {
        // Vectors need the field's place; the other answers only its runways.
        float lat, lon;
        if (!airport_point(t, &lat, &lon)) return;
        add_vectors_to(text, t, lat, lon, ". They are about ");
        break;
    }
    default:
        add_wind(text);
        app_text(text, ", cleared to land ");
        app_current_rway_string(text, t);
        app_text(text, " ");
        app_chars(text, apt_name[t], sizeof apt_name[0]);
        app_text(text, ".");
        break;
    }
    speakstring(text);
}

// ---- the flight plan ------------------------------------------------------------

static void close_plan(void)
{
    fpl.filed = 0;
    fpl.active = 0;
}

static void add_zulu(char* text, float seconds)
{
    int s = intwrap_all((int)seconds, 0, 86399);
    char clock[16];
    snprintf(clock, sizeof clock, "%02d %02d", (s / 3600) % 24, (s / 60) % 60);
    app_text(text, clock);
}

static void clearance(char* text)
{
    int start = msc.apt_sel;
    int towered = airport_in_table(start) && apt_twr[start];
    float elev_ft = airport_in_table(start) ? apt_h[start] * con.mtrstoft : 0;
    int initial = intnear(intround(elev_ft) + 2000, 500);
    int cruise = intnear(fpl.cruise_altitude, 500);
    if (initial > cruise - 500) initial = cruise - 500;
    fpl.assigned_altitude = initial;
    fpl.cruise_altitude = cruise;

    if (!flt.on_ground) {
        app_text(text, "cleared as filed contact center ");
        add_center_freq(text);
        app_text(text, ".");
        atc.plan_state = 5;
        atc.checkin_due = 1;
        return;
    }
    if (towered) {
        if (fpl.rules_ifr) {
            app_text(text, "cleared as filed maintain at or below ");
            app_int(text, initial);
            app_text(text, " expect ");
            app_int(text, cruise);
            app_text(text, " 10 minutes after departure. Departure will be on ");
        } else {
            app_text(text, "you are cleared as filed maintain at or below ");
            app_int(text, initial);
            app_text(text, " initially, expect higher after that. Departure will be on ");
        }
        add_center_freq(text);
        app_text(text, " squawk ");
        app_squawk(text);
        app_text(text, " advise when ready to taxi.");
        atc.plan_state = 3;
        return;
    }
    if (fpl.rules_ifr) {
        app_text(text, "cleared as filed maintain at or below ");
        app_int(text, initial);
        app_text(text, " expect ");
        app_int(text, cruise);
        app_text(text, " 10 minutes after that. Contact center on ");
        add_center_freq(text);
        app_text(text, " when airborne, squawk ");
        app_squawk(text);
        app_text(text, ", time now ");
        add_zulu(text, msc.tod_zone);
        app_text(text, " Z, clearance void if not off by ");
        add_zulu(text, msc.tod_zone + 600);
        app_text(text, " Z.");
    } else {
        app_text(text, "cleared as filed. Contact center on ");
        add_center_freq(text);
        app_text(text, " when airborne. Squawk ");
        app_squawk(text);
        app_text(text, ".");
    }
    atc.plan_state = 5;
    atc.checkin_due = 1;
}

// Center's look at the user: the first thing worth saying; 0 for nothing.
static int center_check(char* text)
{
    float lat, lon;
    float h_ft = height_ft();
    if (airport_point(atc.dest_apt, &lat, &lon)) {
        float range = interp(0, 20, 30000, 120, h_ft) * con.nmtomtrs;
        if (aircraft_distance_to(X_with_latlon(lat, lon), Z_with_lat(lat)) < range) {
            app_text(text, "contact ");
            add_destination(text);
            app_text(text, " approach on ");
            add_center_freq(text);
            atc.checkin_due = 1;
            atc.plan_state = 6;
            return 1;
        }
    }
    int alt = intround(flt.alt_now * con.mtrstoft);
    int cruise = fpl.cruise_altitude;
    int high = alt > cruise + 200 && flt.vel_y > -2;
    int low = alt < cruise - 200 && flt.vel_y < 2;
    if (high || low) {
        app_text(text, "your flight plan calls for ");
        app_int(text, cruise);
        if (fpl.contact_option_1) app_text(text, " feet while enroute, Sir. I will need you to ");
        else if (fpl.contact_option_2) app_text(text, " feet while enroute, Madam. I will need you to ");
        app_text(text, low ? "climb" : "descend");
        app_text(text, " and maintain that altitude. You may amend your plan if you want a different altitude.");
        return 1;
    }
    if (flt.ias_kts > 250 && h_ft < 10000) {
        app_text(text, "I will need you to stay below 2 5 0 knots while below ten thousand feet.");
        return 1;
    }
    if (!dlg.center_toggle) {
        dlg.center_toggle = make_random_call(1, 1);
        return 0;
    }
    dlg.center_toggle = 0;
    app_text(text, "proceed back on course to ");
    add_destination(text);
    return 1;
}

static void approach(char* text, int pilot_called, int* speak)
{
    if (atc.checkin_due && !pilot_called) return;
    int dest = atc.dest_apt;
    if (pilot_called) {
        int runway = -1, end = 1, has_ils = 0, localizer = -1;
        if (airport_in_table(dest)) get_active_rway(dest, &runway, &end, &has_ils, &localizer);
        if (fpl.rules_ifr && has_ils && navaid_in_table(localizer)) {
            char request[atc_text_max];
            snprintf(request, sizeof request, "request %s%s", nav_type[localizer] == navaid_ils ? "ILS" : "LOC",
                     nav_name[localizer]);
            controller_respond(request);
        } else {
            app_text(text, fpl.rules_ifr ? "cleared full approach of your choice." : "cleared visual approach of your choice.");
            close_plan();
            speakstring(text);
            start_command_string(text, 1);
        }
    }
    float lat, lon;
    if (!atc.vectoring && airport_point(dest, &lat, &lon) && apt_twr[dest] &&
        aircraft_distance_to(X_with_latlon(lat, lon), Z_with_lat(lat)) < 10 * con.nmtomtrs) {
        app_text(text, "contact ");
        add_destination(text);
        app_text(text, " tower on ");
        add_center_freq(text);
        atc.checkin_due = 1;
        atc.plan_state = 7;
        *speak = 1;
    }
}

void handle_plan(int pilot_called)
{
    if (atc.plan_state != 4) dlg.handoff_time = 9.9e9f;
    char text[atc_text_max];
    start_command_string(text, 1);
    int speak = 0;

    switch (atc.plan_state) {
    case 0:
        clearance(text);
        speak = 1;
        break;
    case 3:
        if (flt.pos_y[0] - env.ground_h > 200) {
            app_text(text, "contact departure.");
            atc.checkin_due = 1;
            atc.plan_state = 4;
            speak = 1;
        }
        break;
    case 4:
        if (pilot_called) {
            app_text(text, "radar contact. Climb to ");
            app_int(text, fpl.cruise_altitude);
            app_text(text, " approved, proceed on course to ");
            add_destination(text);
            app_text(text, ".");
            dlg.handoff_time = msc.sim_time + fltrand(15, 45);
            speak = 1;
        } else if (msc.sim_time > dlg.handoff_time) {
            app_text(text, "contact center ");
            add_center_freq(text);
            app_text(text, ".");
            atc.checkin_due = 1;
            atc.plan_state = 5;
            speak = 1;
        }
        break;
    case 5:
        if (pilot_called) {
            app_text(text, "roger proceed on course to ");
            add_destination(text);
            app_text(text, " ");
            app_altimeter_string(text, atm.baro_sl);
            app_text(text, ". ");
            if (fltrand(0, 1) < 0.3f) {
                app_text(text, " Reset transponder squawk ");
                app_squawk(text);
                app_text(text, ".");
            }
            dlg.center_check_time = msc.sim_time + fltrand(15, 45);
            dlg.center_toggle = 0;   // a new center's first check vectors before it sends back on course
            speak = 1;
        } else if (!atc.checkin_due && msc.sim_time > dlg.center_check_time) {
            dlg.center_check_time = msc.sim_time + fltrand(15, 30);
            speak = center_check(text);
        }
        break;
    case 6:
        approach(text, pilot_called, &speak);
        break;
    case 7:
        if (pilot_called) {
            int dest = atc.dest_apt;
            add_wind(text);
            app_text(text, ", cleared to land ");
            if (airport_in_table(dest)) app_current_rway_string(text, dest);
            app_text(text, " ");
            add_destination(text);
            app_text(text, ".");
            atc.plan_state = 8;
            speak = 1;
        }
        break;
    case 8:
        if (flt.on_ground && flt.gnd_speed[0] < 10) {
            app_text(text, "make next turn-off contact ground ");
            app_freq(text, 121, intrand(0, 9) * 10);
            app_text(text, " when clear.");
            atc.checkin_due = 1;
            atc.plan_state = 9;
            speak = 1;
        }
        break;
    case 9:
        if (pilot_called) {
            app_text(text, "taxi to the ramp.");
            close_plan();
            speak = 1;
        }
        break;
    default:
        break;
    }
    if (speak) speakstring(text);
}

// ---- background traffic -----------------------------------------------------------

static const char* const traffic_clock[] = {"10 o-clock,", "11 o-clock,", "12 o-clock,", "1 o-clock,", "2 o-clock,"};

int make_random_call(int may_vector_user, int may_handoff_user)
{
    if (atc.ctrl_text_until > msc.sim_time) return 0;
    char text[atc_text_max];
    int user = 0;
    int k = intrand(1, 8);
    switch (k) {
    case 1:
        start_command_string(text, 0);
        app_text(text, "squawk 1 2 0 0 good day.");
        break;
    case 2:
        start_command_string(text, 0);
        app_text(text, "reset transponder squawk ");
        app_squawk(text);
        app_text(text, ".");
        break;
    case 3:
        start_command_string(text, 0);
        app_text(text, "contact me on ");
        add_center_freq(text);
        app_text(text, " please.");
        break;
    case 4:
        start_command_string(text, 0);
        app_text(text, "you have traffic at your ");
        app_text(text, traffic_clock[intrand(1, 5) - 1]);
        app_text(text, " should be no factor.");
        break;
    case 5:
    case 6: {
        float h_ft = height_ft();
        if (h_ft >= 20000) return 0;
        user = may_vector_user && fltrand(0, 1) < 0.1f;
        start_command_string(text, user);
        int o = intround(fallout((float)intrand(-45, 45), -20, 20));
        app_turn_string(text, flt.hdg_mag + (float)o, 10);
        app_text(text, " vectors around a ");
        app_rand_plane(text, h_ft);
        app_text(text, o < -30 ? " at your 12 o-clock." : o < 0 ? " at your 1 o-clock." : o < 30 ? " at your 10 o-clock."
                                                                                            : " at your 11 o-clock.");
        break;
    }
    default:
        user = may_vector_user && may_handoff_user && fltrand(0, 1) < 0.1f;
        start_command_string(text, user);
        app_text(text, "contact center on ");
        add_center_freq(text);
        app_text(text, ".");
        if (user) atc.checkin_due = 1;
        user = 0;   // a hand-off is no vector
        break;
    }
    speakstring(text);
    return user;
}
