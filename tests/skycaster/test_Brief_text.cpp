// The briefing's words: one station's spoken report for a table of weathers
// and whole briefings for given phrase numbers, both against golden texts;
// the station cascade; the first paragraph's estimate and its file names,
// held to 399 characters.
//
// Regenerating the golden files: run with VOLANTO_REGOLD=1 set, e.g.
//   VOLANTO_REGOLD=1 ctest --test-dir build-test -R BriefingText
// then read `git diff tests/data/` and commit it on its own, saying why.
#include <gtest/gtest.h>

#include "Brief.h"
#include "HL_FUNCT.h"
#include "Hl_types.h"
#include "test_support.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

// One airport of one runway at (lat, lon).
static int add_airport(const char* id, const char* name, float lat, float lon)
{
    int a = ++apt_wrl_max, r = ++rwy_wrl_max;
    snprintf(apt_id[a], sizeof apt_id[a], "%s", id);
    snprintf(apt_name[a], sizeof apt_name[a], "%s", name);
    apt_lo_ind[a] = apt_hi_ind[a] = r;
    rwy_lat[r] = lat;
    rwy_lon[r] = lon;
    return a;
}

// A station at (lat, lon) with every value missing but its name.
static int add_station(const char* name, float lat, float lon)
{
    int s = wxr_apt_max++;
    clear_station(s);
    snprintf(wxr_name[s], sizeof wxr_name[s], "%s", name);
    wxr_lat[s] = lat;
    wxr_lon[s] = lon;
    return s;
}

static float nm(float v) { return v * con.nmtomtrs; }

// A clear day at an hour before noon, 10 miles, 59/40, wind 274 at 12 gusting 20, 29.92.
static void fair(int s)
{
    wxr_z_time[s] = 1150;
    wxr_cld_type[s] = 1;
    wxr_vis[s] = nm(10);
    wxr_temp[s] = 59;
    wxr_dewp[s] = 40;
    wxr_wnd_dir[s] = 274;
    wxr_wnd_spd[s] = 12;
    wxr_wnd_gus[s] = 8;
    wxr_baro[s] = 29.92f;
}

struct Weather {
    const char* what;
    int f;
    std::function<void(int)> set;
};

static const Weather weathers[] = {
    {"every value missing", 1, [](int) {}},
    {"clear", 2, fair},
    {"overcast without a base", 3, [](int s) { fair(s); wxr_cld_type[s] = 4; }},
    {"scattered at 3500", 4, [](int s) { fair(s); wxr_cld_type[s] = 2; wxr_cld_base[s] = 3500 * con.fttomtrs; }},
    {"broken at 2460", 5, [](int s) { fair(s); wxr_cld_type[s] = 3; wxr_cld_base[s] = 2460 * con.fttomtrs; }},
    {"overcast at 800", 6, [](int s) { fair(s); wxr_cld_type[s] = 4; wxr_cld_base[s] = 800 * con.fttomtrs; }},
    {"visibility 0.29, haze", 9, [](int s) { fair(s); wxr_vis[s] = nm(0.29f); }},
    {"visibility 0.3, haze", 9, [](int s) { fair(s); wxr_vis[s] = nm(0.3f); }},
    {"visibility 0.6, haze", 9, [](int s) { fair(s); wxr_vis[s] = nm(0.6f); }},
    {"visibility 0.8, haze", 9, [](int s) { fair(s); wxr_vis[s] = nm(0.8f); }},
    {"visibility 1.1, haze", 9, [](int s) { fair(s); wxr_vis[s] = nm(1.1f); }},
    {"visibility 7, no haze", 9, [](int s) { fair(s); wxr_vis[s] = nm(7); }},
    {"visibility 0.6 in rain, no haze", 9,
     [](int s) { fair(s); wxr_vis[s] = nm(0.6f); wxr_obs_vis[s] = 2; wxr_obs_den[s] = 2; }},
    {"light thunderstorms", 1, [](int s) { fair(s); wxr_obs_vis[s] = 1; wxr_obs_den[s] = 1; }},
    {"thunderstorms", 1, [](int s) { fair(s); wxr_obs_vis[s] = 1; wxr_obs_den[s] = 2; }},
    {"severe thunderstorms", 1, [](int s) { fair(s); wxr_obs_vis[s] = 1; wxr_obs_den[s] = 3; }},
    {"heavy rain", 2, [](int s) { fair(s); wxr_obs_vis[s] = 2; wxr_obs_den[s] = 3; }},
    {"moderate rain and fog", 3, [](int s) { fair(s); wxr_obs_vis[s] = 3; wxr_obs_den[s] = 2; }},
    {"light rain showers", 4, [](int s) { fair(s); wxr_obs_vis[s] = 4; wxr_obs_den[s] = 1; }},
    {"rain showers of intensity 5", 5, [](int s) { fair(s); wxr_obs_vis[s] = 4; wxr_obs_den[s] = 5; }},
    {"wind calm from 0", 1, [](int s) { fair(s); wxr_wnd_dir[s] = 0; wxr_wnd_spd[s] = 0; wxr_wnd_gus[s] = 0; }},
    {"wind light", 2, [](int s) { fair(s); wxr_wnd_spd[s] = 3; }},
    {"wind steady", 3, [](int s) { fair(s); wxr_wnd_gus[s] = 0; }},
    {"wind missing", 4, [](int s) { fair(s); wxr_wnd_dir[s] = wxr_wnd_spd[s] = wxr_wnd_gus[s] = wxr_missing; }},
    {"temperature 0", 5, [](int s) { fair(s); wxr_temp[s] = 0; }},
    {"dew point 0", 5, [](int s) { fair(s); wxr_dewp[s] = 0; }},
    {"no time", 1, [](int s) { fair(s); wxr_z_time[s] = wxr_missing; }},
};

TEST(BriefingText, EachStationReportIsTheGoldenText)
{
    std::string text;
    for (const Weather& w : weathers) {
        reset_suite_state();
        int s = add_station("Redlands Municipal", 34, -117);
        w.set(s);
        char line[paragraph_size] = "";
        spit_a_field(line, s, w.f);
        text += std::string(w.what) + ":\n" + line + "\n\n";
    }
    EXPECT_EQ(golden_diff("skycaster_reports.txt", text), "");
}

// Four stations around two airports 2 degrees apart; every phrase number
// in turn, including those that add no words.
TEST(BriefingText, WholeBriefingsForGivenPhraseNumbersAreTheGoldenText)
{
    static const int numbers[][phrase_count] = {
        {1, 1, 1, 1, 1, 2, 3, 4}, {2, 3, 4, 5, 5, 6, 7, 9}, {6, 6, 6, 6, 2, 3, 4, 5}, {3, 4, 5, 2, 9, 8, 1, 1}};
    std::string text;
    for (const auto& n : numbers) {
        reset_suite_state();
        bri.dep_apt = add_airport("KSBD", "San Bernardino International", 34.1f, -117.2f);
        bri.dst_apt = add_airport("KSAN", "San Diego International", 32.7f, -117.2f);
        bri.alt_ft = 6500;
        bri.etd_zulu = 1210;
        bri.cruise_kts = 110;
        snprintf(pln[0].tailnum, sizeof pln[0].tailnum, "N172UL");
        snprintf(pln[0].C_file, sizeof pln[0].C_file, "Cessna 172 Skyhawk.acf");
        fair(add_station("San Bernardino International", 34.1f, -117.2f));
        int s = add_station("San Diego International", 32.7f, -117.2f);
        fair(s);
        wxr_cld_type[s] = 3;
        wxr_cld_base[s] = 1200 * con.fttomtrs;
        wxr_obs_vis[s] = 3;
        wxr_obs_den[s] = 1;
        add_station("Montgomery Field", 32.8f, -117.1f);
        add_station("Gillespie Field", 32.82f, -116.97f);
        build_briefing(n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7]);
        for (int k = 0; k < paragraph_count; k++) text += std::string(paragraph[k]) + "\n";
        text += "\n";
    }
    EXPECT_EQ(golden_diff("skycaster_briefings.txt", text), "");
}

// ---- station cascade ---------------------------------------------------------

TEST(BriefingStations, OneStationIsSpokenForEveryParagraph)
{
    reset_suite_state();
    bri.dep_apt = add_airport("KAAA", "A", 34, -117);
    bri.dst_apt = add_airport("KBBB", "B", 36, -117);
    add_station("Only", 35, -117);
    int station[4];
    choose_stations(station);
    for (int k = 0; k < 4; k++) EXPECT_EQ(station[k], 0) << k;
}

// The destination's nearest replaces the first choice without pushing it
// down, so the stations come out of the order of their distances.
TEST(BriefingStations, FourStationsFillTheCascadeInFileOrder)
{
    reset_suite_state();
    bri.dep_apt = add_airport("KAAA", "A", 30, -110);
    bri.dst_apt = add_airport("KBBB", "B", 40, -110);
    add_station("3 off", 43, -110);
    add_station("2 off", 42, -110);
    add_station("1 off", 41, -110);
    add_station("4 off, near the departure", 36, -110);
    int station[4];
    choose_stations(station);
    EXPECT_EQ(station[0], 3);
    EXPECT_EQ(station[1], 2);
    EXPECT_EQ(station[2], 3);
    EXPECT_EQ(station[3], 0);
}

// An airport that lost its runways has no position: no station is its own,
// and no estimate is made for it.
TEST(BriefingStations, AnAirportWithoutARunwayGetsNoStationAndNoEstimate)
{
    reset_suite_state();
    bri.dep_apt = add_airport("KAAA", "A", 34, -117);
    int b = ++apt_wrl_max;
    snprintf(apt_name[b], sizeof apt_name[b], "No runway");
    apt_lo_ind[b] = rwy_wrl_max + 1;
    apt_hi_ind[b] = rwy_wrl_max;
    bri.dst_apt = b;
    bri.cruise_kts = 100;
    add_station("Far", 10, 10);
    add_station("Near A", 34, -117);
    int station[4];
    choose_stations(station);
    EXPECT_EQ(station[0], 1);
    EXPECT_EQ(station[1], 0);
    build_briefing(1, 1, 1, 1, 1, 1, 1, 1);
    EXPECT_NE(strstr(paragraph[0], " zulu, at 0 feet"), nullptr) << paragraph[0];
}

// ---- first paragraph -------------------------------------------------------------

struct FirstParagraph {
    const char* what;
    std::string file;
    float cruise;
    const char* expect;   // the paragraph, or its start when the file name is long
};

TEST(BriefingFirstParagraph, TheEstimateAndTheFileNameStayWithinTheParagraph)
{
    const FirstParagraph cases[] = {
        {"no aircraft", "untitled.acf", 0,
         "Hello, this is , a untitled, planning a flight from Here to There. Estimated time of departure will be 20 "
         "zulu, at 5000 feet, and requesting a standard."},
        {"1.96 hours", "Glider.acf", 60,
         "Hello, this is N1, a Glider, planning a flight from Here to There. Estimated time of departure will be 20 "
         "zulu, estimating 1.10 hours enroute at 5000 feet, and requesting a standard."},
        {"three characters", "abc", 60,
         "Hello, this is N1, a abc, planning a flight from Here to There. Estimated time of departure will be 20 "
         "zulu, estimating 1.10 hours enroute at 5000 feet, and requesting a standard."},
        {"399 characters", std::string(395, 'w') + ".acf", 60, "Hello, this is N1, a www"},
    };
    for (const FirstParagraph& c : cases) {
        reset_suite_state();
        bri.dep_apt = add_airport("KAAA", "Here", 0, 0);
        bri.dst_apt = add_airport("KBBB", "There", 1.36f, 0);
        bri.alt_ft = 5000;
        bri.etd_zulu = 20;
        bri.cruise_kts = c.cruise;
        if (c.cruise > 0) snprintf(pln[0].tailnum, sizeof pln[0].tailnum, "N1");
        snprintf(pln[0].C_file, sizeof pln[0].C_file, "%s", c.file.c_str());
        // Whatever the buffer held before, the paragraph is built anew.
        memset(paragraph, 'x', sizeof paragraph);
        build_briefing(1, 1, 1, 1, 1, 1, 1, 1);
        std::string p(paragraph[0], strnlen(paragraph[0], paragraph_size));
        ASSERT_LT(p.size(), (size_t)paragraph_size) << c.what;
        if (c.file.size() > 100) {
            EXPECT_EQ(p.size(), 399u) << c.what;
            EXPECT_EQ(p.rfind(c.expect, 0), 0u) << c.what;
        } else {
            EXPECT_EQ(p, c.expect) << c.what;
        }
    }
}

// Values no report gives are held to nine digits, and a report appended to
// a paragraph that is nearly full stops at its 399th character.
TEST(BriefingFirstParagraph, StationParagraphsStopAt399Characters)
{
    reset_suite_state();
    bri.dep_apt = add_airport("KAAA", "Here", 0, 0);
    bri.dst_apt = bri.dep_apt;
    int s = add_station("", 0, 0);
    fair(s);
    memset(wxr_name[s], 'n', sizeof wxr_name[s] - 1);
    wxr_cld_type[s] = 3;
    wxr_cld_base[s] = 3e30f;
    wxr_temp[s] = 3e38f;
    wxr_dewp[s] = 1e30f;
    wxr_wnd_spd[s] = 1e30f;
    wxr_wnd_gus[s] = 1e30f;
    wxr_baro[s] = 1e35f;
    wxr_z_time[s] = 1e20f;
    build_briefing(3, 3, 3, 3, 5, 5, 5, 5);
    for (int k = 1; k < paragraph_count; k++) {
        EXPECT_LT(strnlen(paragraph[k], paragraph_size), (size_t)paragraph_size) << k;
        EXPECT_NE(strstr(paragraph[k], "at 999999999 zulu"), nullptr) << paragraph[k];
        EXPECT_NE(strstr(paragraph[k], "Temperature 999999999, dewpoint 999999999"), nullptr) << paragraph[k];
    }
    char text[paragraph_size];
    memset(text, 'p', 390);
    text[390] = 0;
    memset(text + 391, 'x', sizeof text - 391);
    spit_a_field(text, s, 1);
    EXPECT_EQ(std::string(text), std::string(390, 'p') + "at 999999");
}
