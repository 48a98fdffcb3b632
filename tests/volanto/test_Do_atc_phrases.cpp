// The controllers' phrases: the phonetic table, the openings (tail numbers
// too short to speak or without an end), the builders as a table of cases
// and their bounded appends; the runway in use on a small world of its own
// (the wind, pads, the localizers within reach, a "WORLD.RWX" of the test's
// own); and the ATIS text: ceilings, visibility, precipitation, the
// station's report and one golden text for fixed weather.
#include <gtest/gtest.h>

#include "Do_atc.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// A made world at 34 N 117 W, no file in the program folder, no wind and
// standard weather; the tests add airports, runways and navaids.
class Phrases : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        snprintf(app_path, path_max, "%s", test_scratch_folder());
        std::remove(rwx_path().c_str());
        apt_wrl_max = rwy_wrl_max = -1;
        nav_wrl_max = world_nav_first - 1;
        atm.cloud_type = 1;
        atm.visibility = 10 * con.nmtomtrs;
        atm.sl_temp = 59;
        atm.dewpoint = 50;
        atm.baro_sl = 29.92f;
        pln[0].us_alt = 1;
    }

    static std::string rwx_path(void) { return std::string(test_scratch_folder()) + "WORLD.RWX"; }

    // An airport of the region whose runways follow; its first runway's
    // position is the airport's.
    static int add_airport(const char* id, const char* name, float lat, float lon, float h)
    {
        int a = ++apt_wrl_max;
        snprintf(apt_id[a], sizeof apt_id[a], "%s", id);
        snprintf(apt_name[a], sizeof apt_name[a], "%s", name);
        apt_h[a] = h;
        apt_inreg[a] = 1;
        apt_lo_ind[a] = rwy_wrl_max + 1;
        apt_hi_ind[a] = rwy_wrl_max;
        where[a][0] = lat;
        where[a][1] = lon;
        return a;
    }
    static int add_runway(int number, char side, float heading)
    {
        int r = ++rwy_wrl_max;
        int a = apt_wrl_max;
        apt_hi_ind[a] = r;
        rwy_num[r] = number;
        rwy_lcr[r] = side;
        rwy_hdng[r] = heading;
        rwy_lat[r] = where[a][0];
        rwy_lon[r] = where[a][1];
        return r;
    }
    static int add_navaid(int type, float lat, float lon, float course)
    {
        int n = ++nav_wrl_max;
        nav_type[n] = type;
        nav_lat[n] = lat;
        nav_lon[n] = lon;
        nav_hdng[n] = course;
        return n;
    }
    static void wind(float direction, float knots, float gust = 0)
    {
        atm.wind_layer[0][wl_wind_dir] = direction;
        atm.wind_layer[0][wl_wind_speed] = knots;
        atm.wind_layer[0][wl_shear_speed] = gust;
    }

    struct active {
        int runway, end, has_ils, localizer;
    };
    static active active_rway(int airport)
    {
        active r = {-9, -9, -9, -9};
        get_active_rway(airport, &r.runway, &r.end, &r.has_ils, &r.localizer);
        return r;
    }
    static std::string runway_phrase(int airport)
    {
        char text[atc_text_max] = "";
        app_current_rway_string(text, airport);
        return text;
    }
    static std::string atis(int airport, char letter, int use_real_weather)
    {
        char out[atc_text_max];
        snprintf(out, sizeof out, "old text");
        get_ATIS(airport, letter, out, use_real_weather);
        return out;
    }

    static float where[16][2];
};

float Phrases::where[16][2];

static const float lat0 = 34.0f, lon0 = -117.0f;

// ---- phonetic words and openings -------------------------------------------------

TEST_F(Phrases, EveryDigitAndCapitalHasItsWordAndNothingElseHasOne)
{
    const char* words[36] = {"zero",   "one",     "two",    "three",  "four",    "five",   "six",     "seven",
                             "eight",  "niner",   "alpha",  "bravo",  "charlie", "delta",  "echo",    "foxtrot",
                             "golf",   "hotel",   "india",  "juliet", "kilo",    "leema",  "mike",    "november",
                             "oscar",  "papa",    "quebec", "romeo",  "sierra",  "tango",  "uniform", "victor",
                             "whiskey", "x ray",  "yankee", "zooloo"};
    char out[phonetic_word_max];
    for (int code = 1; code <= 36; code++) {
        char c = code_to_char(code);
        get_phonetic(c, out);
        EXPECT_STREQ(out, words[code - 1]) << c;
    }
    for (char c : {'a', 'z', '-', ' ', '/', '@', '[', '\0'}) {
        snprintf(out, sizeof out, "left");
        get_phonetic(c, out);
        EXPECT_STREQ(out, "") << (int)c;
    }
}

TEST_F(Phrases, TheUsersOpeningSpeaksTheTailNumberFromItsSecondCharacter)
{
    snprintf(atc.callsign, sizeof atc.callsign, "Cessna");
    struct {
        const char* tail;
        const char* opening;
    } rows[] = {
        {"N123AB", "Cessna one two three alpha bravo "},
        {"G9XZ", "Cessna niner x ray zooloo "},   // not an N-number: the first still goes
        {"N1", "Cessna one "},
        {"N", "Cessna "},                         // too short to have words
        {"", "Cessna "},
        {"N1-2", "Cessna one  two "},             // no word, still its blank
    };
    for (auto& r : rows) {
        SCOPED_TRACE(r.tail);
        // What lies past the number's end is never spoken.
        memset(pln[0].tailnum, 'Q', sizeof pln[0].tailnum);
        memcpy(pln[0].tailnum, r.tail, strlen(r.tail) + 1);
        char text[atc_text_max];
        snprintf(text, sizeof text, "an earlier phrase ");
        start_command_string(text, 1);
        EXPECT_STREQ(text, r.opening);
    }

    // A tail number that fills its field without an end, behind a callsign
    // that fills its own: read no further than either, the phrase cut to fit.
    memset(pln[0].tailnum, 'A', sizeof pln[0].tailnum);
    memset(atc.callsign, 'C', sizeof atc.callsign);
    char text[atc_text_max + 8];
    memset(text, '#', sizeof text);
    start_command_string(text, 1);
    EXPECT_EQ(strlen(text), (size_t)atc_text_max - 1);
    EXPECT_EQ(std::string(text + atc_text_max, 8), std::string(8, '#'));
    atc.callsign[0] = 0;
    start_command_string(text, 1);
    EXPECT_EQ(strlen(text), (size_t)atc_text_max - 1);
    EXPECT_EQ(std::string(text, 13), " alpha alpha ");
}

// Other traffic: the words of an N-number, three digits, a digit or
// letter and a letter, the N itself unspoken.
TEST_F(Phrases, OtherTrafficGetsARandomNNumber)
{
    const std::set<std::string> digits = {"zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "niner"};
    std::set<std::string> fourth, fifth;
    for (unsigned seed = 1; seed <= 1000; seed++) {
        rnd15_seed(seed);
        char text[atc_text_max];
        snprintf(text, sizeof text, "an earlier phrase ");
        start_command_string(text, 0);
        std::string s = text;
        ASSERT_EQ(s.back(), ' ') << s;
        std::vector<std::string> words;
        std::istringstream in(s);
        // "x ray" is one word of two parts.
        for (std::string w; in >> w;) {
            if (w == "ray" && !words.empty() && words.back() == "x") words.back() = "x ray";
            else words.push_back(w);
        }
        ASSERT_EQ(words.size(), 5u) << s;
        for (int k = 0; k < 3; k++) EXPECT_TRUE(digits.count(words[k])) << s;
        EXPECT_FALSE(digits.count(words[4])) << s;
        fourth.insert(words[3]);
        fifth.insert(words[4]);
    }
    EXPECT_EQ(fourth.size(), 36u) << "digits and letters";
    EXPECT_EQ(fifth.size(), 26u);
}

// ---- builders ------------------------------------------------------------------

TEST_F(Phrases, BuildersAppendTheirSpokenForms)
{
    struct row {
        const char* expected;   // after "Say: "
        std::function<void(char*)> build;
    };
    const row rows[] = {
        {"1 2 1 point 9 0", [](char* t) { app_freq(t, 121, 90); }},
        {"1 1 8 point 0 5", [](char* t) { app_freq(t, 118, 5); }},
        {"3 6 0", [](char* t) { app_heading_string(t, 0, 1); }},
        {"0 9 0", [](char* t) { app_heading_string(t, 90, 1); }},
        {"3 6 0", [](char* t) { app_heading_string(t, 358, 5); }},
        {"3 5 5", [](char* t) { app_heading_string(t, 357, 5); }},
        {"3 6 0", [](char* t) { app_heading_string(t, 359.6f, 1); }},
        {"2 7 0", [](char* t) { app_heading_string(t, -90, 10); }},
        {"0 1 0", [](char* t) { app_heading_string(t, 365, 10); }},
        {"0 0 5", [](char* t) { app_heading_string(t, 725, 5); }},
        {"0 2 0", [](char* t) { app_heading_string(t, 17, 10); }},
        // The magnetic heading is 90.
        {"turn right heading 1 8 0", [](char* t) { app_turn_string(t, 180, 10); }},
        {"turn right heading 2 7 0", [](char* t) { app_turn_string(t, 270, 10); }},   // 180 off: right
        {"turn left heading 2 7 1", [](char* t) { app_turn_string(t, 271, 1); }},
        {"turn left heading 3 6 0", [](char* t) { app_turn_string(t, 0, 10); }},
        {"turn left heading 0 9 1", [](char* t) { app_turn_string(t, 90.9f, 1); }},  // under a degree off: left
        {"turn right heading 0 9 2", [](char* t) { app_turn_string(t, 91.9f, 1); }},
        {"wind calm", [](char* t) { app_wind_string(t, 270, 0, 0, 0); }},
        {"wind light and variable", [](char* t) { app_wind_string(t, 270, 3, 0, 1); }},
        {"wind 2 7 0 at 4", [](char* t) { app_wind_string(t, 270, 4, 0, 2); }},
        {"wind 2 7 0 at 10", [](char* t) { app_wind_string(t, 270, 10, 10, 5); }},
        {"wind shear alert. wind 2 7 0 at 4 gust 10", [](char* t) { app_wind_string(t, 270, 4, 0, 6); }},
        {"wind 3 6 0 at 12 variable 3 4 0 to 0 2 0", [](char* t) { app_wind_string(t, 4, 12, 20, 0); }},
        {"wind shear alert. wind 1 8 0 at 15 variable 1 5 0 to 2 1 0 gust 40",
         [](char* t) { app_wind_string(t, 180, 15, 30, 25); }},
        {"altimeter 29.92", [](char* t) { app_altimeter_string(t, 29.92f); }},
        {"altimeter 30.05", [](char* t) { app_altimeter_string(t, 30.05f); }},
        {"altimeter 0.00", [](char* t) { app_altimeter_string(t, 0); }},
        {"altimeter 0.50", [](char* t) { app_altimeter_string(t, 0.5f); }},
        {"area QNH 1013", [](char* t) { pln[0].us_alt = 0; app_altimeter_string(t, 29.92f); }},
        {"area QNH 1016", [](char* t) { pln[0].us_alt = 0; app_altimeter_string(t, 30.0f); }},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.expected);
        flt.hdg_mag = 90;
        pln[0].us_alt = 1;
        char text[atc_text_max];
        snprintf(text, sizeof text, "Say: ");
        r.build(text);
        EXPECT_STREQ(text, (std::string("Say: ") + r.expected).c_str());
    }
}

TEST_F(Phrases, SquawksAndAircraftTypesComeFromTheirRanges)
{
    std::set<std::string> low, high;
    std::set<char> squawk_digits;
    for (unsigned seed = 1; seed <= 1000; seed++) {
        rnd15_seed(seed);
        char text[atc_text_max] = "";
        app_squawk(text);
        ASSERT_EQ(strlen(text), 7u) << text;
        for (int k = 0; k < 7; k++) {
            if (k % 2) {
                EXPECT_EQ(text[k], ' ') << text;
            } else {
                EXPECT_TRUE(text[k] >= '0' && text[k] <= '7') << text;
                squawk_digits.insert(text[k]);
            }
        }
        text[0] = 0;
        app_rand_plane(text, 9999);
        low.insert(text);
        text[0] = 0;
        app_rand_plane(text, 10000);
        high.insert(text);
    }
    EXPECT_EQ(squawk_digits.size(), 8u);
    const std::set<std::string> below = {"Cessna 152",    "Cessna 172",     "Piper Warrior", "Piper Archer",
                                          "Piper Arrow",   "Beech Duke",     "Tobago",        "Trinidad",
                                          "Mooney",        "Glasair",        "Lancair",       "Beech Duchess",
                                          "Beech Baron",   "Cessna 310",     "Cessna 414",    "Pilatus PC 12",
                                          "Beech Starship", "Piaggio Avanti"};
    const std::set<std::string> above = {"Beech Duchess", "Beech Baron",     "Cessna 310",     "Cessna 414",
                                         "Pilatus PC 12", "Beech Starship",  "Piaggio Avanti", "Lear 35",
                                         "Lear 55",       "Cessna Citation", "Boeing 727",     "Boeing 737",
                                         "Boeing 757",    "Boeing 767",      "Airbus A-300"};
    EXPECT_EQ(low, below);
    EXPECT_EQ(high, above);
}

// A phrase near its end takes what fits and never writes past its buffer.
TEST_F(Phrases, APhraseNearItsEndIsCutNotOverrun)
{
    int airport = add_airport("KTST", "TEST FIELD", lat0, lon0, 100);
    add_runway(9, 'L', 90);
    wind(270, 10);
    const std::function<void(char*)> builders[] = {
        [](char* t) { app_freq(t, 121, 90); },
        [](char* t) { app_squawk(t); },
        [](char* t) { app_heading_string(t, 90, 1); },
        [](char* t) { app_turn_string(t, 270, 10); },
        [](char* t) { app_wind_string(t, 180, 15, 30, 25); },
        [](char* t) { app_altimeter_string(t, 29.92f); },
        [airport](char* t) { app_current_rway_string(t, airport); },
        [](char* t) { app_rand_plane(t, 20000); },
    };
    for (size_t b = 0; b < sizeof builders / sizeof builders[0]; b++) {
        SCOPED_TRACE(b);
        char text[atc_text_max + 8];
        memset(text, '#', sizeof text);
        memset(text, 'x', atc_text_max - 3);
        text[atc_text_max - 3] = 0;
        builders[b](text);
        EXPECT_EQ(strlen(text), (size_t)atc_text_max - 1);
        EXPECT_EQ(std::string(text + atc_text_max, 8), std::string(8, '#'));
        builders[b](text);
        EXPECT_EQ(strlen(text), (size_t)atc_text_max - 1) << "a full phrase stays full";
    }
}

// ---- the runway in use -------------------------------------------------------------

TEST_F(Phrases, TheRunwayIsSpokenForTheEndInUse)
{
    int airport = add_airport("KTST", "TEST FIELD", lat0, lon0, 100);
    int r = add_runway(9, 'x', 90);
    struct {
        int number;
        char side;
        float heading, wind_from;
        const char* phrase;
    } rows[] = {
        {9, 'x', 90, 90, "runway 9"},
        {9, 'x', 90, 270, "runway 2 7"},
        {27, 'x', 270, 90, "runway 9"},
        {27, 'x', 270, 270, "runway 2 7"},
        {18, 'x', 180, 360, "runway 3 6"},
        {36, 'x', 360, 180, "runway 1 8"},
        {9, 'L', 90, 90, "runway 9 left"},
        {9, 'L', 90, 270, "runway 2 7 right"},
        {9, 'R', 90, 90, "runway 9 right"},
        {9, 'R', 90, 270, "runway 2 7 left"},
        {9, 'C', 90, 270, "runway 2 7 center"},
    };
    for (auto& row : rows) {
        SCOPED_TRACE(row.phrase);
        rwy_num[r] = row.number;
        rwy_lcr[r] = row.side;
        rwy_hdng[r] = row.heading;
        wind(row.wind_from, 10);
        EXPECT_EQ(runway_phrase(airport), row.phrase);
    }

    // No runway to speak of: nothing is said, and there is no runway in use.
    int bare = add_airport("KNON", "NO RUNWAY", lat0, lon0 + 1, 0);
    for (int a : {bare, -1, apt_wrl_max + 1}) {
        SCOPED_TRACE(a);
        EXPECT_EQ(runway_phrase(a), "");
        active got = active_rway(a);
        EXPECT_EQ(got.runway, -1);
        EXPECT_EQ(got.end, 1);
        EXPECT_EQ(got.has_ils, 0);
        EXPECT_EQ(got.localizer, -1);
    }
}

// A helipad first, then runways 4/22 and 13/31.
TEST_F(Phrases, TheWindPicksTheRunwayEndAboveFiveKnots)
{
    int airport = add_airport("KMUL", "MULTI FIELD", lat0, lon0, 100);
    int pad = add_runway(rwy_pad, 'x', 0);
    int r04 = add_runway(4, 'x', 40);
    int r13 = add_runway(13, 'x', 130);
    struct {
        float from, knots;
        int runway, end;
    } rows[] = {
        {130, 10, r13, 1}, {220, 10, r04, 2}, {300, 10, r13, 2}, {45, 6, r04, 1},
        {85, 10, r04, 1},   // 45 off both: the first runway tested keeps it
        {0, 10, r04, 1},    // the pad's heading is never a choice
        {220, 5, pad, 1},   // light: the defaults stand
        {220, 0, pad, 1},
    };
    for (auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.from << " at " << row.knots);
        wind(row.from, row.knots);
        active got = active_rway(airport);
        EXPECT_EQ(got.runway, row.runway);
        EXPECT_EQ(got.end, row.end);
        EXPECT_EQ(got.has_ils, 0);
        EXPECT_EQ(got.localizer, -1);
    }
}

TEST_F(Phrases, TheLocalizerNearestTheWindSetsTheRunway)
{
    const float nm = 1.0f / 60;   // degrees of latitude
    int airport = add_airport("KILS", "ILS FIELD", lat0, lon0, 100);
    add_runway(rwy_pad, 'x', 0);
    int r04 = add_runway(4, 'x', 40);
    int r13 = add_runway(13, 'x', 130);
    int ils04 = add_navaid(navaid_ils, lat0, lon0, 41);
    int loc31 = add_navaid(navaid_localizer, lat0 + 4.8f * nm, lon0, 311);
    // Nothing that is not an airport's localizer within 5 nm counts: a
    // localizer 6 nm out, a glide slope, a VOR, the carrier's localizer.
    int wide = add_navaid(navaid_ils, lat0 + 6 * nm, lon0, 200);
    add_navaid(navaid_glide_slope, lat0, lon0, 200);
    add_navaid(navaid_vor, lat0, lon0, 200);
    nav_type[0] = navaid_ils;
    nav_lat[0] = lat0;
    nav_lon[0] = lon0;
    nav_hdng[0] = 200;
    struct {
        float from, knots;
        int localizer, runway, end;
    } rows[] = {
        {60, 10, ils04, r04, 1},
        {290, 10, loc31, r13, 2},
        {200, 0, loc31, r13, 2},    // calm: a localizer still leads, the nearer course
        {175, 20, ils04, r04, 1},   // 134 off against 136
    };
    for (auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.from << " at " << row.knots);
        wind(row.from, row.knots);
        active got = active_rway(airport);
        EXPECT_EQ(got.has_ils, 1);
        EXPECT_EQ(got.localizer, row.localizer);
        EXPECT_EQ(got.runway, row.runway);
        EXPECT_EQ(got.end, row.end);
    }
    // Moved within reach, the wide one lines up with the wind.
    nav_lat[wide] = lat0 + 4 * nm;
    wind(200, 10);
    active got = active_rway(airport);
    EXPECT_EQ(got.localizer, wide);
    EXPECT_EQ(got.runway, r04);
    EXPECT_EQ(got.end, 2);
}

TEST_F(Phrases, AReportedWindTakesOverTheSimulatorsWind)
{
    int airport = add_airport("KMUL", "MULTI FIELD", lat0, lon0, 100);
    int r04 = add_runway(4, 'x', 40);
    int r13 = add_runway(13, 'x', 130);
    int other = add_airport("KOTH", "OTHER FIELD", lat0 + 1, lon0, 300);
    add_runway(18, 'x', 180);
    wind(130, 10);
    struct {
        const char* what;
        const char* file;   // nullptr: no file
        int runway, end;
    } rows[] = {
        {"no file", nullptr, r13, 1},
        {"the airport's own report", "KMUL KMUL 1150 CLR 10 72/65/2210/992\n", r04, 2},
        {"the nearest station's", "KOTH KOTH 1150 CLR 10 72/65/3115/992\n", r13, 2},
        {"calm reported", "KMUL KMUL 1150 CLR 10 72/65/2203/992\n", r04, 1},
        {"no station of the region", "KZZZ KZZZ 1150 CLR 10 72/65/2210/992\n", r13, 1},
    };
    for (auto& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.file) write_file(rwx_path(), row.file);
        else std::remove(rwx_path().c_str());
        active got = active_rway(airport);
        EXPECT_EQ(got.runway, row.runway);
        EXPECT_EQ(got.end, row.end);
    }
    apt_inreg[other] = 0;
    write_file(rwx_path(), "KOTH KOTH 1150 CLR 10 72/65/3115/992\n");
    EXPECT_EQ(active_rway(airport).runway, r13);
    EXPECT_EQ(active_rway(airport).end, 1) << "a station outside the region does not count";
}

// ---- ATIS ----------------------------------------------------------------------

TEST_F(Phrases, TheATISSpeaksTheSkyAndTheVisibilityAsRounded)
{
    const float ft = con.fttomtrs, nm = con.nmtomtrs, h = 100;
    int airport = add_airport("KTST", "TEST FIELD", lat0, lon0, h);
    add_runway(9, 'x', 90);
    struct {
        int cover;
        float base_ft;      // above the field
        float visibility;   // m
        const char* expected;
    } rows[] = {
        {2, 1025, 10 * nm, "Measured ceiling 1000 scattered visibility 10. "},
        {3, 10240, 10 * nm, "Measured ceiling 10000 broken visibility 10. "},
        {4, 10300, 10 * nm, "Measured ceiling 10500 overcast visibility 10. "},
        {4, 975, 10 * nm, "Measured ceiling 1000 overcast visibility 10. "},
        {4, 960, 10 * nm, "Measured ceiling 950 overcast visibility 10. "},
        {4, 2449, 10 * nm, "Measured ceiling 2400 overcast visibility 10. "},
        {4, -300, 10 * nm, "Measured ceiling 0 overcast visibility 10. "},   // below the field
        {1, 2000, 10 * nm, "Sky clear visibility 10. "},
        {1, 2000, 3.6f * nm, "Sky clear visibility 4. "},
        {1, 2000, 0.95f * nm, "Sky clear visibility 1. "},
        {1, 2000, 0.85f * nm, "Sky clear R V R 5200. "},
        {1, 2000, 1200 * ft, "Sky clear R V R 1200. "},
        {1, 2000, 1249 * ft, "Sky clear R V R 1200. "},
    };
    for (auto& r : rows) {
        SCOPED_TRACE(r.expected);
        atm.cloud_type = r.cover;
        atm.cloud_base = h + r.base_ft * ft;
        atm.visibility = r.visibility;
        std::string text = atis(airport, 'A', 0);
        EXPECT_NE(text.find(std::string("weather. ") + r.expected + "Temperature "), std::string::npos) << text;
    }
}

// The report of the station nearest the airport's first runway, its time,
// sky and precipitation; its heights are above the station, not the airport.
TEST_F(Phrases, TheATISTakesTheNearestReportWithRealWeather)
{
    int airport = add_airport("KTST", "TEST FIELD", lat0, lon0, 100);
    add_runway(9, 'x', 90);
    add_airport("KOTH", "OTHER FIELD", lat0 + 0.1f, lon0, 300);
    add_runway(18, 'x', 180);
    msc.tod_zone = 3600 * 17 + 1800;
    wind(90, 10);
    atm.cloud_type = 4;
    atm.cloud_base = 100 + 800 * con.fttomtrs;
    const std::string simulated = atis(airport, 'B', 0);
    EXPECT_EQ(atis(airport, 'B', 1), simulated) << "no file: the simulator's weather";

    struct {
        const char* report;
        const char* expected;
    } rows[] = {
        {"KOTH KOTH 0650 20 BKN 5 R- 58/50/2712G20/998\n",
         "TEST FIELD information bravo. 6 hundred zooloo weather. Measured ceiling 2000 broken visibility 5, rain. "
         "Temperature 58 dewpoint 50. wind shear alert. wind 2 7 0 at 12 gust 20, altimeter 29.98. Arriving and "
         "departing runway 2 7. Advise on initial contact you have bravo."},
        {"KOTH KOTH 2359 CLR 3/4 S 32/30/0000/013\n",
         "TEST FIELD information bravo. 23 hundred zooloo weather. Sky clear R V R 4600, snow. Temperature 32 "
         "dewpoint 30. wind calm, altimeter 30.13. Arriving and departing runway 9. Advise on initial contact you "
         "have bravo."},
    };
    for (auto& r : rows) {
        SCOPED_TRACE(r.report);
        write_file(rwx_path(), r.report);
        EXPECT_EQ(atis(airport, 'B', 1), r.expected);
    }
    // Without real weather the report still sets the runway, as it does
    // for the controllers; the rest is the simulator's.
    write_file(rwx_path(), rows[0].report);
    std::string own = atis(airport, 'B', 0);
    EXPECT_NE(own.find("17 hundred zooloo weather. Measured ceiling 800 overcast visibility 10. Temperature 59 "
                       "dewpoint 50. wind 0 9 0 at 10, altimeter 29.92. Arriving and departing runway 2 7."),
              std::string::npos)
        << own;
    EXPECT_EQ(atis(-1, 'B', 1), "");
    EXPECT_EQ(atis(apt_wrl_max + 1, 'B', 0), "");
}

// Parallel runways, a gusting wind from the west, a broken layer, whole
// temperatures truncated, and the Zulu clock; a long airport name.
TEST_F(Phrases, ATISForFixedWeatherIsGolden)
{
    int airport = add_airport("KPAR", "SAN BERNARDINO INTERNATIONAL AIRPORT", lat0, lon0, 200);
    add_runway(9, 'L', 88);
    add_runway(9, 'R', 88);
    wind(253, 12.7f, 8.6f);
    atm.cloud_type = 3;
    atm.cloud_base = 200 + 2460 * con.fttomtrs;
    atm.visibility = 7.2f * con.nmtomtrs;
    atm.sl_temp = 59.8f;
    atm.dewpoint = 48.2f;
    atm.baro_sl = 30.12f;
    msc.tod_zone = 14 * 3600 + 59 * 60;
    std::string text = atis(airport, 'C', 1);
    std::string us = text + "\n";
    pln[0].us_alt = 0;
    std::string metric = atis(airport, 'C', 0) + "\n";
    EXPECT_EQ(golden_diff("atis_fixed_weather.txt", us + metric), "");
    EXPECT_LT(text.size(), (size_t)atc_text_max - 1);
}
