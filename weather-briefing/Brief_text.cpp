// The briefing's words: five paragraphs, each at most 399 characters, built
// anew on every frame from the stations, bri and the aircraft.
//
// Sections: appending, station report, briefing.
#include "Brief.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"

#include <cmath>
#include <cstdio>
#include <cstring>

char paragraph[paragraph_count][paragraph_size];

// ---- appending ---------------------------------------------------------------

// Every append stops at the paragraph's last character.
static void add(char* text, const char* tail)
{
    size_t n = strnlen(text, paragraph_size - 1);
    while (n < (size_t)paragraph_size - 1 && *tail) text[n++] = *tail++;
    text[n] = 0;
}

// A number cut toward zero, as a decimal integer. Values from files may be
// anything: beyond any sensible size they are held, and a value that is no
// number says 0.
static void add_int(char* text, float v)
{
    double d = std::isfinite(v) ? trunc((double)v) : 0.0;
    if (d > 999999999.0) d = 999999999.0;
    if (d < -999999999.0) d = -999999999.0;
    char s[16];
    snprintf(s, sizeof s, "%d", (int)d);
    add(text, s);
}

// intround's nearest integer, for any float.
static void add_rounded(char* text, float v)
{
    add_int(text, std::isfinite(v) ? (float)round((double)v) : 0.0f);
}

// The nearest multiple of step, spoken; held first so that no value is too
// large for the rounding's integer.
static void add_nearest(char* text, float v, float step)
{
    add_rounded(text, fltnear(fltlim(v, -1e9f, 1e9f), step));
}

// ---- station report ------------------------------------------------------------

static const char* const sky_words[5] = {"", "", " scattered, ", " broken, ", " overcast, "};
static const char* const light_words[5] = {"", " in light ", " in light ", " in light ", " in light "};
static const char* const moderate_words[5] = {"", " in ", " in moderate ", " in moderate ", " in moderate "};
static const char* const heavy_words[5] = {"", " in severe ", " in heavy ", " in heavy ", " in heavy "};
static const char* const obscuration_words[5] = {"", "thunderstorms. ", "rain. ", "rain and fog. ", "rain showers. "};
static const char* const interjections[6] = {"", "Ah, ", "Let's see, ", "Let's see here, ", "OK... ", "Lemme see here... "};
static const char* const wind_leads[6] = {"",
                                          "Now for the winds... ",
                                          "Let's check the winds... ",
                                          "OK, ",
                                          "For the winds... ",
                                          "Let's see what the wind is doing... "};

static void add_visibility(char* text, int s)
{
    if (!(wxr_vis[s] > 0)) {
        add(text, "visibility not reported. ");
        return;
    }
    float v = wxr_vis[s] * con.mtrstonm;
    if (v < 0.3f) add(text, "visibility only one-quarter mile");
    else if (v < 0.6f) add(text, "visibility about a half-mile");
    else if (v < 0.8f) add(text, "visibility three-quarters");
    else if (v < 1.1f) add(text, "visibility one mile");
    else {
        add(text, "visibility ");
        add_rounded(text, v);
        add(text, " miles");
    }
    int kind = wxr_obs_vis[s], strength = wxr_obs_den[s];
    if (intrange(kind, 1, 4)) {
        if (strength == 1) add(text, light_words[kind]);
        if (strength == 2) add(text, moderate_words[kind]);
        if (strength == 3) add(text, heavy_words[kind]);
        add(text, obscuration_words[kind]);
    } else {
        add(text, v < 7 ? " in haze. " : ". ");
    }
}

static void add_wind(char* text, int s)
{
    float dir = wxr_wnd_dir[s], speed = wxr_wnd_spd[s];
    if (!(dir > -1 && speed > -1)) return;
    if (speed < 2) add(text, "Wind calm, ");
    else if (speed < 5) add(text, "Wind light and variable, ");
    else {
        add(text, "Wind ");
        add_nearest(text, dir, 10);
        add(text, " at ");
        add_int(text, speed);
        if (wxr_wnd_gus[s] > 0) {
            add(text, " gust ");
            add_int(text, wxr_wnd_gus[s] + speed);
        }
        add(text, ", ");
    }
}

void spit_a_field(char* text, int s, int f)
{
    if (!intrange(s, 0, wxr_capacity - 1)) return;
    int f_words = intrange(f, 1, 5) ? f : 0;
    if (wxr_z_time[s] > 0) {
        add(text, "at ");
        add_int(text, wxr_z_time[s]);
        add(text, " zulu, ");
    }
    char name[sizeof wxr_name[0]];
    snprintf(name, sizeof name, "%.*s", (int)sizeof name - 1, wxr_name[s]);
    add(text, name);

    int type = wxr_cld_type[s];
    if (type == 1) add(text, " is reporting clear skies, ");
    else if (type == wxr_missing_int) add(text, " is not reporting sky conditions right now, ");
    else if (wxr_cld_base[s] > 0) {
        add(text, " is reporting skies ");
        add_nearest(text, wxr_cld_base[s] * con.mtrstoft, 100);
        if (intrange(type, 2, 4)) add(text, sky_words[type]);
    } else {
        add(text, " is reporting overcast skies, ");
    }

    add_visibility(text, s);
    add(text, interjections[f_words]);
    if (wxr_temp[s] > 0 && wxr_dewp[s] > 0) {
        add(text, "Temperature ");
        add_int(text, wxr_temp[s]);
        add(text, ", dewpoint ");
        add_int(text, wxr_dewp[s]);
        add(text, ". ");
    }
    add(text, wind_leads[f_words]);
    add_wind(text, s);
    if (wxr_baro[s] > 0) {
        add(text, "barometric pressure ");
        add_rounded(text, wxr_baro[s] * 100);
        add(text, ". ");
    } else {
        add(text, "barometric pressure not reported.");
    }
}

// ---- briefing ------------------------------------------------------------------

static const char* const openings[4][7] = {
    {"", "OK then, for your departure, ", "All right, for your departure, ", "OK, for your departure airport, ",
     "Let's see, for your departure area, ", "Stand by, for your departure, ", "Well, for your departure region, "},
    {"", "For your destination, ah, ", "For your destination, hmmm, ",
     "For your destination, let's see what I can find here, ",
     "For your destination, let's see what we've got here, ", "For your destination, hold on, ",
     "For your destination, well, "},
    {"", "Also, ", "Also near your destination, ", "Also in your destination area, ", "And also we have, ",
     "Let's also look at this one... ", "Lemme also give you this one... "},
    {"", "And finally, ", "Lastly, near your destination, ", "Let's get one last one for you here, ",
     "And finally we have, ", "Let's also look at this last one... ", "Lemme also give you this last one... "},
};

static int airport_of(int a) { return intlim(a, 0, world_apt_max - 1); }

void choose_stations(int station[4])
{
    float best[4] = {999.0f, 999.0f, 999.0f, 999.0f};
    for (int k = 0; k < 4; k++) station[k] = 0;
    int dep = airport_of(bri.dep_apt), dst = airport_of(bri.dst_apt);
    // An airport without a runway has no position, and so no station of its own.
    int dep_known = airport_has_runway(dep), dst_known = airport_has_runway(dst);
    float dep_lat = dep_known ? rwy_lat[apt_lo_ind[dep]] : 0, dep_lon = dep_known ? rwy_lon[apt_lo_ind[dep]] : 0;
    float dst_lat = dst_known ? rwy_lat[apt_lo_ind[dst]] : 0, dst_lon = dst_known ? rwy_lon[apt_lo_ind[dst]] : 0;
    for (int k = 0; k < wxr_apt_max && k < wxr_capacity; k++) {
        float d = pythag(wxr_lat[k] - dep_lat, wxr_lon[k] - dep_lon);
        if (dep_known && d < best[0]) {
            best[0] = d;
            station[0] = k;
        }
        if (!dst_known) continue;
        // No order is kept: a new nearest does not push the old one down.
        d = pythag(wxr_lat[k] - dst_lat, wxr_lon[k] - dst_lon);
        for (int b = 1; b < 4; b++)
            if (d < best[b]) {
                best[b] = d;
                station[b] = k;
                break;
            }
    }
}

static void first_paragraph(char* text)
{
    int dep = airport_of(bri.dep_apt), dst = airport_of(bri.dst_apt);
    char name[sizeof pln[0].C_file];
    snprintf(name, sizeof name, "%.*s", (int)sizeof name - 1, pln[0].C_file);
    size_t n = strlen(name);
    if (n >= 4) name[n - 4] = 0;
    char tail[sizeof pln[0].tailnum];
    snprintf(tail, sizeof tail, "%.*s", (int)sizeof tail - 1, pln[0].tailnum);

    add(text, "Hello, this is ");
    add(text, tail);
    add(text, ", a ");
    add(text, name);
    add(text, ", planning a flight from ");
    add(text, apt_name[dep]);
    add(text, " to ");
    add(text, apt_name[dst]);
    add(text, ". Estimated time of departure will be ");
    add_int(text, bri.etd_zulu);
    add(text, " zulu, ");
    if (bri.cruise_kts > 1.0f && airport_has_runway(dep) && airport_has_runway(dst)) {
        float dlat = rwy_lat[apt_lo_ind[dep]] - rwy_lat[apt_lo_ind[dst]];
        float dlon = rwy_lon[apt_lo_ind[dep]] - rwy_lon[apt_lo_ind[dst]];
        float h = pythag(dlat, dlon) * 60 / bri.cruise_kts + 0.6f;
        float whole = std::isfinite(h) ? truncf(h) : 0;
        add(text, "estimating ");
        add_int(text, whole);
        add(text, ".");
        add_rounded(text, (h - whole) * 10);
        add(text, " hours enroute at ");
    } else {
        add(text, "at ");
    }
    add_int(text, bri.alt_ft);
    add(text, " feet, and requesting a standard.");
}

void build_briefing(int i1, int i2, int i3, int i4, int f1, int f2, int f3, int f4)
{
    for (int k = 0; k < paragraph_count; k++) paragraph[k][0] = 0;
    first_paragraph(paragraph[0]);
    int station[4];
    choose_stations(station);
    const int open[4] = {i1, i2, i3, i4}, inter[4] = {f1, f2, f3, f4};
    for (int k = 0; k < 4; k++) {
        add(paragraph[k + 1], openings[k][intrange(open[k], 1, 6) ? open[k] : 0]);
        spit_a_field(paragraph[k + 1], station[k], inter[k]);
    }
}

void gen_rep(int i1, int i2, int i3, int i4, int f1, int f2, int f3, int f4)
{
    build_briefing(i1, i2, i3, i4, f1, f2, f3, f4);
    static const float row[paragraph_count] = {301, 209, 169, 129, 89};
    for (int k = 0; k < paragraph_count; k++) OGL_string(7, 79, row[k], paragraph[k], 640, 6);
}
