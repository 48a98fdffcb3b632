// The controllers' phrases: builders that append spoken forms to a phrase
// of atc_text_max characters, the runway an airport uses for the wind and
// its localizers, and the airport's ATIS text.
//
// Sections (grep "---- name"):
//   text         bounded appends, digits and phonetic words
//   builders     callsigns, frequencies, headings, wind, altimeter, runway, types
//   weather      the simulator's weather, or the nearest station's report
//   runway       get_active_rway
//   ATIS         get_ATIS
#include "Do_atc.h"
#include "Fltutil.h"
#include "HL_FUNCT.h"
#include "Hl_types.h"
#include "Initgen.h"

#include <cmath>
#include <cstdio>
#include <cstring>

// ---- text ----------------------------------------------------------------------

// Appends at most `most` characters of tail, never past the phrase's end:
// a long airport name or callsign cuts the phrase, it never overruns it.
void app_chars(char* text, const char* tail, size_t most)
{
    size_t len = strnlen(text, atc_text_max - 1);
    size_t n = strnlen(tail, most);
    if (n > atc_text_max - 1 - len) n = atc_text_max - 1 - len;
    memcpy(text + len, tail, n);
    text[len + n] = 0;
}

void app_text(char* text, const char* tail) { app_chars(text, tail, atc_text_max); }

void app_int(char* text, int n)
{
    char s[16];
    snprintf(s, sizeof s, "%d", n);
    app_text(text, s);
}

// The digits of n, at least `places` of them with leading zeros, blank
// between each: 90 in three places is "0 9 0".
static void app_digits(char* text, int n, int places)
{
    char s[16];
    snprintf(s, sizeof s, "%0*d", places, intmax2(n, 0));
    for (int k = 0; s[k]; k++) {
        char d[3] = {s[k], s[k + 1] ? ' ' : '\0', '\0'};
        app_text(text, d);
    }
}

static const char* const digit_words[10] = {"zero", "one", "two", "three", "four",
                                            "five", "six", "seven", "eight", "niner"};
static const char* const letter_words[26] = {
    "alpha",  "bravo",   "charlie", "delta",  "echo",     "foxtrot", "golf",
    "hotel",  "india",   "juliet",  "kilo",   "leema",    "mike",    "november",
    "oscar",  "papa",    "quebec",  "romeo",  "sierra",   "tango",   "uniform",
    "victor", "whiskey", "x ray",   "yankee", "zooloo"};

void get_phonetic(char c, char* out)
{
    const char* word = "";
    if (c >= '0' && c <= '9') word = digit_words[c - '0'];
    if (c >= 'A' && c <= 'Z') word = letter_words[c - 'A'];
    strcpy(out, word);
}

// The words of a registration from its second character on, each followed
// by a blank: the "N" of a number is not spoken. One of fewer than two
// characters has no words, and none past size is read.
static void app_registration(char* text, const char* number, int size)
{
    if (size < 2 || number[0] == 0) return;
    char word[phonetic_word_max];
    for (int k = 1; k < size && number[k]; k++) {
        get_phonetic(number[k], word);
        app_text(text, word);
        app_text(text, " ");
    }
}

// ---- builders ------------------------------------------------------------------

void start_command_string(char* text, int own)
{
    text[0] = 0;
    if (own) {
        app_chars(text, atc.callsign, sizeof atc.callsign);
        app_text(text, " ");
        app_registration(text, pln[0].tailnum, (int)sizeof pln[0].tailnum);
        return;
    }
    // Other traffic: "N", three digits, a digit or letter, then a letter.
    char number[7];
    number[0] = 'N';
    for (int k = 1; k <= 3; k++) number[k] = code_to_char(intrand(1, 10));
    number[4] = code_to_char(intrand(1, 36));
    number[5] = code_to_char(intrand(11, 36));
    number[6] = 0;
    app_registration(text, number, (int)sizeof number);
}

void app_freq(char* text, int mhz, int khz)
{
    app_digits(text, intlim(mhz, 0, 999), 3);
    app_text(text, " point ");
    app_digits(text, intlim(khz, 0, 99), 2);
}

void app_squawk(char* text)
{
    for (int k = 0; k < 4; k++) {
        if (k) app_text(text, " ");
        app_int(text, intrand(0, 7));
    }
}

void app_heading_string(char* text, float heading, int step)
{
    // Whole turns come off first, so any heading is spoken in three digits;
    // north is 360, never 000.
    float h = fmodf(heading, 360.0f);
    if (h < 0) h += 360.0f;
    int s = intmax2(step, 1);
    int n = degwrap(intround(h / (float)s) * s);
    app_digits(text, n == 0 ? 360 : n, 3);
}

void app_turn_string(char* text, float heading, int step)
{
    int turn = intwrap_all((int)(heading - flt.hdg_mag), -179, 180);
    app_text(text, turn < 1 ? "turn left heading " : "turn right heading ");
    app_heading_string(text, heading, step);
}

void app_wind_string(char* text, int direction, int speed, int variation, int gust)
{
    int total = speed + gust;
    if (total < 1) {
        app_text(text, "wind calm");
        return;
    }
    if (total < 5) {
        app_text(text, "wind light and variable");
        return;
    }
    if (gust > 5) app_text(text, "wind shear alert. ");
    app_text(text, "wind ");
    app_heading_string(text, (float)direction, 10);
    app_text(text, " at ");
    app_int(text, speed);
    if (variation > 10) {
        app_text(text, " variable ");
        app_heading_string(text, (float)(direction - variation), 10);
        app_text(text, " to ");
        app_heading_string(text, (float)(direction + variation), 10);
    }
    if (gust >= 6) {
        app_text(text, " gust ");
        app_int(text, total);
    }
}

void app_altimeter_string(char* text, float pressure)
{
    char s[40];
    if (pln[0].us_alt) {
        // Hundredths of an inch, always two digits after the point: a
        // damaged report's 0 is "0.00", not a number without its point.
        int hundredths = intmax2(intround(pressure * 100.0f), 0);
        snprintf(s, sizeof s, "altimeter %d.%02d", hundredths / 100, hundredths % 100);
    } else {
        snprintf(s, sizeof s, "area QNH %d", intround(pressure * 1013.0f / 29.92f));
    }
    app_text(text, s);
}

void app_current_rway_string(char* text, int airport)
{
    int runway, end, has_ils, localizer;
    get_active_rway(airport, &runway, &end, &has_ils, &localizer);
    if (runway < 0) return;
    // The far end is the number's reciprocal, and its left the near end's right.
    int number = rwy_num[runway];
    if (end == 2) number = intwrap_all(number + 18, 1, 36);
    app_text(text, "runway ");
    app_digits(text, number, 1);
    char side = rwy_lcr[runway];
    if (side == 'L') app_text(text, end == 1 ? " left" : " right");
    if (side == 'R') app_text(text, end == 1 ? " right" : " left");
    if (side == 'C') app_text(text, " center");
}

static const char* const plane_types[] = {
    "Cessna 152",      "Cessna 172",     "Piper Warrior",  "Piper Archer", "Piper Arrow",
    "Beech Duke",      "Tobago",         "Trinidad",       "Mooney",       "Glasair",
    "Lancair",         "Beech Duchess",  "Beech Baron",    "Cessna 310",   "Cessna 414",
    "Pilatus PC 12",   "Beech Starship", "Piaggio Avanti", "Lear 35",      "Lear 55",
    "Cessna Citation", "Boeing 727",     "Boeing 737",     "Boeing 757",   "Boeing 767",
    "Airbus A-300"};
static_assert(sizeof plane_types / sizeof plane_types[0] == 26, "types 0..25");

void app_rand_plane(char* text, float altitude_ft)
{
    // Light aircraft low, turbines and jets high.
    int type = altitude_ft < 10000.0f ? intrand(0, 17) : intrand(11, 25);
    app_text(text, plane_types[type]);
}

// ---- weather -------------------------------------------------------------------

// What a controller reads off: the simulator's weather, or a report's.
struct reported_weather {
    float time;                  // s of the day, Zulu
    int cover;                   // 1 clear .. 4 overcast
    float base, top;             // m above sea level
    float visibility;            // m
    int kind, strength;          // precipitation; kind 0 none
    float temperature, dew_point;   // deg F
    float wind_dir;              // degrees
    float wind_speed, gust;      // knots
    float barometer;             // inHg
    float elevation;             // m, of whoever measured the heights
};

static reported_weather simulator_weather(int airport)
{
    reported_weather w;
    const float* surface = atm.wind_layer[0];
    w.time = msc.tod_zone;
    w.cover = atm.cloud_type;
    w.base = atm.cloud_base;
    w.top = atm.cloud_tops;
    w.visibility = atm.visibility;
    w.kind = 0;
    w.strength = 0;
    w.temperature = atm.sl_temp;
    w.dew_point = atm.dewpoint;
    w.wind_dir = surface[wl_wind_dir];
    w.wind_speed = surface[wl_wind_speed];
    w.gust = surface[wl_shear_speed];
    w.barometer = atm.baro_sl;
    w.elevation = apt_h[airport];
    return w;
}

// The report of the region's station nearest the airport's first runway,
// decoded over w; without the file or a station w stands as it was.
static void take_nearest_report(reported_weather* w, int airport)
{
    int r = apt_lo_ind[airport];
    char report[line_max];
    float elevation = 0;
    if (nearest_wxr_report(report, &elevation, rwy_lat[r], rwy_lon[r]) <= 0) return;
    w->elevation = elevation;
    decode_wxr(report, elevation, &w->time, &w->cover, &w->base, &w->top, &w->visibility, &w->kind, &w->strength,
               &w->temperature, &w->dew_point, &w->wind_dir, &w->wind_speed, &w->gust, &w->barometer);
}

// ---- runway --------------------------------------------------------------------

const float localizer_reach_nm = 5;   // from the airport's first runway

// How far a course lies from a reference, 0..180 degrees.
static float course_off(float degrees)
{
    float d = fmodf(degrees, 360.0f);
    if (d > 180.0f) d -= 360.0f;
    if (d < -180.0f) d += 360.0f;
    return fabsf(d);
}

void get_active_rway(int airport, int* runway, int* end, int* has_ils, int* localizer)
{
    *runway = -1;
    *end = 1;
    *has_ils = 0;
    *localizer = -1;
    if (!apt_has_runway(airport)) return;
    reported_weather w = simulator_weather(airport);
    take_nearest_report(&w, airport);
    const int first = apt_lo_ind[airport];
    *runway = first;

    // The world's localizers only: a ship's moves and never serves an airport.
    float closest = 999;
    for (int n = world_nav_first; n <= nav_wrl_max && n < world_nav_max; n++) {
        if (nav_type[n] != navaid_ils && nav_type[n] != navaid_localizer) continue;
        float nm = pythag(nav_lat[n] - rwy_lat[first], nav_lon[n] - rwy_lon[first]) * 60.0f;
        if (nm > localizer_reach_nm) continue;
        float off = course_off(w.wind_dir - nav_hdng[n]);
        if (off < closest) {
            closest = off;
            *localizer = n;
            *has_ils = 1;
        }
    }

    // A calm or light wind with no localizer leaves the first runway's first end.
    if (!*has_ils && w.wind_speed <= 5) return;
    float reference = *has_ils ? nav_hdng[*localizer] : w.wind_dir;
    int best = 999;
    for (int r = first; r <= apt_hi_ind[airport]; r++) {
        if (rwy_num[r] == rwy_pad) continue;
        for (int e = 1; e <= 2; e++) {
            int off = (int)course_off(reference - rwy_hdng[r] + (e == 2 ? 180.0f : 0.0f));
            if (off < best) {
                best = off;
                *runway = r;
                *end = e;
            }
        }
    }
}

// ---- ATIS ----------------------------------------------------------------------

// Feet above the field, rounded as a ceiling is spoken: to 50 ft up to
// 1,000, to 100 up to 10,000, to 500 above. Cloud below the field is a
// ceiling of 0.
static int spoken_ceiling(float base, float elevation)
{
    int ft = intmax2(intround((base - elevation) / con.fttomtrs), 0);
    if (ft <= 1000) return intnear(ft, 50);
    if (ft <= 10000) return intnear(ft, 100);
    return intnear(ft, 500);
}

void get_ATIS(int airport, char letter, char* out, int use_real_weather)
{
    out[0] = 0;
    if (!airport_in_table(airport)) return;
    reported_weather w = simulator_weather(airport);
    if (use_real_weather && apt_has_runway(airport)) take_nearest_report(&w, airport);
    char word[phonetic_word_max];
    get_phonetic(letter, word);

    app_chars(out, apt_name[airport], sizeof apt_name[airport]);
    app_text(out, " information ");
    app_text(out, word);
    app_text(out, ". ");
    app_int(out, intwrap_all((int)(w.time / 3600.0f), 0, 23));
    app_text(out, " hundred zooloo weather. ");

    static const char* const covers[5] = {"", "", " scattered ", " broken ", " overcast "};
    if (w.cover >= 2 && w.cover <= 4) {
        app_text(out, "Measured ceiling ");
        app_int(out, spoken_ceiling(w.base, w.elevation));
        app_text(out, covers[w.cover]);
    } else {
        app_text(out, "Sky clear ");
    }

    float nm = w.visibility / con.nmtomtrs;
    if (nm > 0.9f) {
        app_text(out, "visibility ");
        app_int(out, intround(nm));
    } else {
        app_text(out, "R V R ");
        app_int(out, intnear(intround(w.visibility / con.fttomtrs), 100));
    }
    if (w.kind == 0) app_text(out, ". ");
    else app_text(out, w.temperature > 32 ? ", rain. " : ", snow. ");

    app_text(out, "Temperature ");
    app_int(out, (int)w.temperature);
    app_text(out, " dewpoint ");
    app_int(out, (int)w.dew_point);
    app_text(out, ". ");

    app_wind_string(out, (int)w.wind_dir, (int)w.wind_speed, 0, (int)w.gust);
    app_text(out, ", ");
    app_altimeter_string(out, w.barometer);
    app_text(out, ". ");

    app_text(out, "Arriving and departing ");
    app_current_rway_string(out, airport);
    app_text(out, ". Advise on initial contact you have ");
    app_text(out, word);
    app_text(out, ".");
}
