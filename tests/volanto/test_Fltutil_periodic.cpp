// The once-a-second systems, one call at a time, with the shipped Cessna at
// KSBD and the shipped navaids: marker boxes, the call-outs and their
// limits, the receivers (the ILS to runway 06, VORs and NDBs by range, the
// GPS) and the station search; real weather from a file of the test's own,
// the frame-rate governor, the trend, rain and the weather's limits; fuel
// and engines, icing, failures and the power factors; lightning, gravity,
// the overspeed and flap notices; and what a new flight after an hour
// starts again.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

static const float nm = 1852.0f;

// The start-up's records, the world, the factory settings and the shipped
// Cessna on KSBD's runway 06, under a stopped clock; real weather off, no
// failures by chance, no menu down, and every sound stopped.
class Periodic : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(stand_cessna_at_ksbd(), 1);
        put_at((float)flt.pos_x[0], (float)flt.pos_z[0]);
        env.ground_h = chosen_airport_h();
        atm.real_weather = 0;
        rel.failure_rate = 0;
        mnw.menu_up = -1;
        rnd15_seed(7);
        quiet();
    }
    void TearDown() override
    {
        close_loader_surroundings();
        err.close();
    }

    // The systems' next call, a second later.
    static void second(void)
    {
        msc.sim_time += 1;
        mod_sec();
    }
    static void quiet(void)
    {
        for (int s = 0; s < sound_slots; s++) stop_buffer(s);
    }
    static int playing(int slot) { return host_test_voice_state(slot).playing; }

    static int navaid(const char* id, int type)
    {
        int k = -1;
        EXPECT_EQ(get_index_from_id(id, type, &k), 1) << id;
        return k;
    }
    static int airport(const char* id)
    {
        int a = -1;
        EXPECT_EQ(get_index_from_id(id, 1, &a), 1) << id;
        return a;
    }
    // The aircraft at (x, z), its latitude and longitude to match.
    static void put_at(float x, float z)
    {
        flt.pos_x[0] = x;
        flt.pos_z[0] = z;
        flt.lat = Lat_with_z(z);
        flt.lon = Lon_with_xlat(x, flt.lat);
    }
    static void put_over_navaid(int k, float dx, float dz)
    {
        put_at(X_with_latlon(nav_lat[k], nav_lon[k]) + dx, Z_with_lat(nav_lat[k]) + dz);
    }
    // In flight, level, the main wheels ft above the ground, sinking or
    // climbing at fpm.
    static void wheels_at(float ft, float fpm)
    {
        flt.on_ground = 0;
        flt.theta[0] = 0;
        flt.pos_y[0] = env.ground_h + ft * con.fttomtrs - pln[0].mgearY;
        flt.vel_y = fpm * con.fpmtomsc;
    }
    // A real-weather file of this test's own, in the folder the systems read it from.
    static void weather_file(const char* text)
    {
        snprintf(app_path, path_max, "%s", test_scratch_folder());
        write_file(std::string(test_scratch_folder()) + "WORLD.RWX", text);
    }
};

// ---- radios and call-outs --------------------------------------------------------

TEST_F(Periodic, MarkersLightInBoxesOf1000400And100Metres)
{
    const int outer = navaid("ISBD", 7), middle = navaid("ISBD", 8);
    struct row {
        const char* what;
        int type;   // the shipped data has no inner marker: the middle one stands in as one
        float dx, dz;
        int o, m, i;
    } rows[] = {
        {"outer, inside its box", 7, 999, -999, 1, 0, 0},
        {"outer, east of it", 7, 1001, 0, 0, 0, 0},
        {"outer, north of it", 7, 0, -1001, 0, 0, 0},
        {"middle, inside", 8, -399, 399, 0, 1, 0},
        {"middle, outside", 8, 401, 0, 0, 0, 0},
        {"inner, inside", 9, 99, -99, 0, 0, 1},
        {"inner, outside", 9, 0, 101, 0, 0, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        int k = r.type == 7 ? outer : middle;
        nav_type[middle] = r.type == 7 ? 8 : r.type;
        put_over_navaid(k, r.dx, r.dz);
        flt.on_ground = 0;
        second();
        EXPECT_EQ(nav.mkr_outer, r.o);
        EXPECT_EQ(nav.mkr_middle, r.m);
        EXPECT_EQ(nav.mkr_inner, r.i);
    }
    // Over the outer marker on the ground, or with the radios failed, none.
    put_over_navaid(outer, 0, 0);
    flt.on_ground = 1;
    second();
    EXPECT_EQ(nav.mkr_outer, 0);
    flt.on_ground = 0;
    rel.system_ok[sys_radios] = 0;
    second();
    EXPECT_EQ(nav.mkr_outer, 0);
}

TEST_F(Periodic, CallOutsAt50And25And10FeetAsEachIsPassedAtMostEveryOtherSecond)
{
    pln[0].bitchinbettyEQ = 1;
    struct step {
        float t, ft;
        int s50, s25, s10;
    } steps[] = {
        {1, 60, 0, 0, 0},
        {2, 5, 0, 0, 0},    // within two seconds of the last look: not looked at
        {4, 5, 1, 1, 1},    // all three passed since
        {7, 30, 0, 0, 0},   // back up above 25 ft
        {10, 20, 0, 1, 0},
        {13, 45, 0, 0, 0},  // still below 50: nothing new
        {16, 8, 0, 1, 1},
    };
    for (const step& s : steps) {
        SCOPED_TRACE(s.t);
        wheels_at(s.ft, -100);
        msc.sim_time = s.t;
        quiet();
        mod_sec();
        EXPECT_EQ(playing(snd_50_feet), s.s50);
        EXPECT_EQ(playing(snd_25_feet), s.s25);
        EXPECT_EQ(playing(snd_10_feet), s.s10);
    }
    // On the ground, or without power, nothing is called.
    struct quiet_case {
        const char* what;
        int on_ground, powered;
        float fpm;
    } cases[] = {{"on the ground", 1, 1, -100}, {"electrics failed", 0, 0, -2000}};
    float t = 20;
    for (const quiet_case& c : cases) {
        SCOPED_TRACE(c.what);
        wheels_at(60, -100);
        msc.sim_time = t += 3;
        mod_sec();
        wheels_at(5, c.fpm);
        flt.on_ground = c.on_ground;
        rel.system_ok[sys_electrical] = c.powered;
        msc.sim_time = t += 3;
        quiet();
        mod_sec();
        for (int slot = snd_sink_rate; slot <= snd_10_feet; slot++) EXPECT_EQ(playing(slot), 0) << slot;
    }
}

TEST_F(Periodic, SinkPullUpAndGearCallsByHeightAndVerticalSpeed)
{
    pln[0].bitchinbettyEQ = 1;
    ASSERT_EQ(pln[0].asi_units, 2);
    ASSERT_EQ(pln[0].Vfe, 85.0f);
    struct row {
        const char* what;
        float ft, fpm;
        int gear_down;
        float kts;
        int sink, pull, gear;
    } rows[] = {
        {"2400 ft, inside the sink limit", 2400, -4830, 1, 90, 0, 0, 0},
        {"2400 ft, past the sink limit of -4840", 2400, -4850, 1, 90, 1, 0, 0},
        {"2400 ft, past the pull-up limit of -6780", 2400, -6800, 1, 90, 0, 1, 0},
        {"2600 ft: no limits up there", 2600, -9000, 1, 90, 0, 0, 0},
        {"1 ft, inside -1000", 1, -995, 1, 60, 0, 0, 0},
        {"1 ft, past -1000", 1, -1010, 1, 60, 1, 0, 0},
        {"gear up, 400 ft, slow and sinking", 400, -300, 0, 60, 0, 0, 1},
        {"gear down", 400, -300, 1, 60, 0, 0, 0},
        {"gear up, faster than Vfe", 400, -300, 0, 90, 0, 0, 0},
        {"gear up, 600 ft", 600, -300, 0, 60, 0, 0, 0},
        {"gear up, climbing", 400, 300, 0, 60, 0, 0, 0},
    };
    float t = 0;
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        wheels_at(r.ft, r.fpm);
        set.gear_down = r.gear_down;
        flt.ias_kts = r.kts;
        msc.sim_time = t += 3;
        quiet();
        mod_sec();
        EXPECT_EQ(playing(snd_sink_rate), r.sink);
        EXPECT_EQ(playing(snd_pull_up), r.pull);
        EXPECT_EQ(playing(snd_gear_warning), r.gear);
    }
}

TEST_F(Periodic, OnFinalToRunway06Nav10930HearsTheLocalizerAndA3DegreeGlideSlope)
{
    const int loc = navaid("ISBD", 4), gs = navaid("ISBD", 6);
    set_fltvars(place_runway, place_short_final);
    put_at((float)flt.pos_x[0], (float)flt.pos_z[0]);
    flt.on_ground = 0;
    ASSERT_EQ(pln[0].supptype, 1) << "a panel with NAV1";
    nav.nav1 = nav.nav2 = 10930;
    second();
    for (int r = 0; r < 2; r++) {
        SCOPED_TRACE(r);
        EXPECT_EQ(nav.receiving[r], 1);
        EXPECT_STREQ(nav.ident[r], "ISBD");
        EXPECT_NEAR(nav.loc_crs[r], 67.0f, 0.01f);
        EXPECT_NEAR(nav.gs_angle[r], 3.0f, 1e-5f);
        EXPECT_NEAR(nav.stn_x[r], X_with_latlon(nav_lat[loc], nav_lon[loc]), 1.0f);
        EXPECT_NEAR(nav.stn_z[r], Z_with_lat(nav_lat[loc]), 1.0f);
        EXPECT_FLOAT_EQ(nav.stn_h[r], nav_h[loc]);
        EXPECT_NEAR(nav.gs_x[r], X_with_latlon(nav_lat[gs], nav_lon[gs]), 1.0f);
        EXPECT_NEAR(nav.gs_z[r], Z_with_lat(nav_lat[gs]), 1.0f);
    }

    // Past the localizer's antenna, on its course line: behind it, not heard.
    float c = 67 * con.degtorad;
    put_over_navaid(loc, 2000 * sinf(c), -2000 * cosf(c));
    nav.gs_angle[1] = 0;
    second();
    EXPECT_EQ(nav.receiving[1], 0);
    EXPECT_EQ(nav.gs_angle[1], 0.0f) << "nor the glide slope behind it";
}

TEST_F(Periodic, TheGlideSlopeFieldPacksItsAngleInHundredthsAboveItsCourse)
{
    const int gs = navaid("ISBD", 6);
    set_fltvars(place_runway, place_short_final);
    put_at((float)flt.pos_x[0], (float)flt.pos_z[0]);
    flt.on_ground = 0;
    ASSERT_EQ(pln[0].supptype, 1) << "a panel with NAV1";
    nav.nav1 = 10930;
    struct row {
        const char* what;
        float field;
        float angle;   // -99.9: the localizer alone
    } rows[] = {
        {"2.75 degrees on course 67", 275067, 2.75f},
        {"no angle: 3 degrees, still course 67", 67, 3.0f},
        {"course 247: the aircraft behind it", 275247, -99.9f},
        {"a damaged field no int holds", 3e9f, -99.9f},
        {"a damaged field that is no number", std::nanf(""), -99.9f},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        nav_hdng[gs] = r.field;
        nav.gs_x[recv_nav1] = 0;
        second();
        ASSERT_EQ(nav.receiving[recv_nav1], 1);
        EXPECT_NEAR(nav.gs_angle[recv_nav1], r.angle, 1e-5f);
        float x = r.angle > 0 ? X_with_latlon(nav_lat[gs], nav_lon[gs]) : 0;
        EXPECT_NEAR(nav.gs_x[recv_nav1], x, 1.0f);
    }
}

TEST_F(Periodic, VorsAndNdbsAreHeardWithinTheirRangesWhichGrowWithHeight)
{
    // KSBD lies 0.34 degrees from Paradise, 1.04 from Hector, 2.2 from
    // Imperial (outside the region), 0.2 from the Flabob NDB and 0.8 from El
    // Monte. Identifiers of three letters end in a blank.
    struct row {
        const char* what;
        int adf, frequency;
        float ft;   // 0: on the runway
        const char* ident;   // nullptr: nothing heard
    } rows[] = {
        {"PDZ from the runway", 0, 11220, 0, "PDZ "},
        {"HEC too far from the runway", 0, 11270, 0, nullptr},
        {"HEC at 12,000 ft", 0, 11270, 12000, "HEC "},
        {"IPL, outside the region, at 20,000 ft", 0, 11590, 20000, "IPL "},
        {"nothing on 117.90", 0, 11790, 20000, nullptr},
        {"RIR from the runway", 1, 344, 0, "RIR "},
        {"EMT too far from the runway", 1, 359, 0, nullptr},
        {"EMT at 12,000 ft", 1, 359, 12000, "EMT "},
    };
    const float ground_y = (float)flt.pos_y[0];
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        flt.pos_y[0] = r.ft > 0 ? r.ft * con.fttomtrs : ground_y;
        int receiver = r.adf ? recv_adf : recv_nav2;
        if (r.adf) nav.adf = r.frequency;
        else nav.nav2 = r.frequency;
        memset(nav.ident[receiver], 0, sizeof nav.ident[receiver]);
        second();
        EXPECT_EQ(nav.receiving[receiver], r.ident != nullptr);
        EXPECT_STREQ(nav.ident[receiver], r.ident ? r.ident : "");
        if (!r.ident) continue;
        int k = navaid(r.ident, r.adf ? 2 : 3);
        float x = r.adf ? nav.ndb_x : nav.stn_x[receiver], z = r.adf ? nav.ndb_z : nav.stn_z[receiver];
        EXPECT_NEAR(x, X_with_latlon(nav_lat[k], nav_lon[k]), 1.0f);
        EXPECT_NEAR(z, Z_with_lat(nav_lat[k]), 1.0f);
        if (!r.adf) {
            EXPECT_NEAR(nav.gs_angle[receiver], 99.9f, 1e-4f) << "marks a VOR";
        }
    }
}

TEST_F(Periodic, CheckNavTakesTheNearestStationOnItsFrequencyWithinRange)
{
    const int k = navaid("PDZ ", 3);
    flt.lat = nav_lat[k] + 0.3f;   // 0.5 degrees off, longitude unscaled
    flt.lon = nav_lon[k] + 0.4f;
    struct row {
        const char* what;
        int index, frequency;
        float best, range;
        int found;
        float best_after;
    } rows[] = {
        {"in range, the first", k, 11220, 9.9e9f, 0.6f, 1, 0.5f},
        {"nearer than the last found", k, 11220, 0.7f, 0.6f, 1, 0.5f},
        {"farther than the last found", k, 11220, 0.4f, 0.6f, 0, 0.4f},
        {"beyond the range", k, 11220, 9.9e9f, 0.49f, 0, 9.9e9f},
        {"another frequency", k, 11230, 9.9e9f, 0.6f, 0, 9.9e9f},
        {"an index past the table", nav_wrl_max + 1, 0, 9.9e9f, 99.0f, 0, 9.9e9f},
        {"a negative index", -1, 0, 9.9e9f, 99.0f, 0, 9.9e9f},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        float best = r.best;
        EXPECT_EQ(check_nav(r.index, r.frequency, &best, r.range), r.found);
        EXPECT_NEAR(best, r.best_after, 1e-5f);
    }
}

TEST_F(Periodic, GpsGoesDirectOnANewDestinationAndShowsTheCrossTrackOtherwise)
{
    pln[0].supptype = 2;   // no NAV1: the GPS drives its needle
    const int rei = airport("KREI"), pdz = navaid("PDZ ", 3);
    float lat0 = flt.lat, lon0 = flt.lon;
    auto expected_bearing = [&](float lat, float lon) {
        float b = atan2f((lon - lon0) * cosf(lat0 * con.degtorad), lat - lat0) * con.radtodeg;
        return b < 0 ? b + 360 : b;
    };
    msc.sim_time = 10;
    nav.gps_mode = 1;
    nav.gps_index = rei;
    nav.gps_crs = 0;
    second();
    const int r = apt_lo_ind[rei];
    EXPECT_NEAR(nav.gps_brg, expected_bearing(rwy_lat[r], rwy_lon[r]), 1.0f);
    EXPECT_NEAR(nav.gps_dist, pythag((rwy_lat[r] - lat0) * 60, (rwy_lon[r] - lon0) * 60 * cosf(lat0 * con.degtorad)) * nm,
                0.02f * nav.gps_dist);
    EXPECT_EQ(nav.gps_crs, nav.gps_brg) << "direct to a new destination";

    // The same destination, the course 10 degrees off: four dots a nautical mile across it.
    nav.gps_crs = nav.gps_brg - 10;
    float course = nav.gps_crs;
    second();
    EXPECT_EQ(nav.gps_crs, course);
    float off_nm = nav.gps_dist / nm * sinf(10 * con.degtorad);
    EXPECT_NEAR(nav.cdi[recv_nav1], 4 * off_nm, 0.02f * 4 * off_nm);

    // A navaid is a new destination.
    nav.gps_mode = 2;
    nav.gps_index = pdz;
    second();
    EXPECT_NEAR(nav.gps_brg, expected_bearing(nav_lat[pdz], nav_lon[pdz]), 1.0f);
    EXPECT_EQ(nav.gps_crs, nav.gps_brg);

    // A destination past the table leaves everything as it was.
    float dist = nav.gps_dist, crs = nav.gps_crs;
    nav.gps_index = nav_wrl_max + 1;
    second();
    EXPECT_EQ(nav.gps_dist, dist);
    EXPECT_EQ(nav.gps_crs, crs);

    // In a flight's first two seconds it goes direct, whatever it flew to before.
    nav.gps_index = pdz;
    second();
    nav.gps_crs = 123;
    msc.sim_time = 0.5f;
    second();
    EXPECT_EQ(nav.gps_crs, nav.gps_brg);
}

TEST_F(Periodic, FailedRadiosHearNothing)
{
    // On a panel without NAV1 the GPS drives its needle, which nothing else
    // then centres.
    struct row {
        const char* what;
        int supptype, heard;
    } rows[] = {{"a panel with NAV1", 1, 3}, {"a GPS panel flying to PDZ", 2, 2}};
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        set_fltvars(place_runway, place_short_final);
        put_at((float)flt.pos_x[0], (float)flt.pos_z[0]);
        flt.on_ground = 0;
        rel.system_ok[sys_radios] = 1;
        pln[0].supptype = r.supptype;
        nav.nav1 = nav.nav2 = 10930;
        nav.adf = 344;
        nav.gps_mode = 2;
        nav.gps_index = navaid("PDZ ", 3);
        second();
        nav.gps_crs += 10;
        second();
        ASSERT_EQ(nav.receiving[recv_nav1] + nav.receiving[recv_nav2] + nav.receiving[recv_adf], r.heard);
        if (r.supptype == 2) {
            ASSERT_GT(fabsf(nav.cdi[recv_nav1]), 1.0f) << "the GPS course 10 degrees off";
        }
        rel.system_ok[sys_radios] = 0;
        second();
        for (int k = 0; k < nav_receivers; k++) EXPECT_EQ(nav.receiving[k], 0) << k;
        EXPECT_EQ(nav.cdi[recv_nav1], 0.0f);
    }
}

// ---- weather -------------------------------------------------------------------

TEST_F(Periodic, RealWeatherTakesTheReportAndEasesTowardIt)
{
    weather_file("KSBD KSBD 1150 20 OVC 2 TRW+ 80/60/2710G20/995\n");
    atm.real_weather = 1;
    atm.weather_trend = 0.3f;
    const float vis0 = atm.visibility, base0 = atm.cloud_base;
    second();
    EXPECT_EQ(atm.real_weather_found, 1);
    EXPECT_EQ(atm.weather_trend, 0.0f);
    EXPECT_EQ(atm.cloud_type, 4);
    EXPECT_EQ(atm.sl_temp, 80.0f);
    EXPECT_EQ(atm.dewpoint, 60.0f);
    EXPECT_NEAR(atm.baro_sl, 29.95f, 1e-4f);
    EXPECT_EQ(atm.wind_turbulence, 1.0f);
    EXPECT_EQ(atm.shear_level, 5.0f) << "a heavy thunderstorm";
    // Speed, direction, gust, its span and turbulence; aloft twice the speed and half the gust.
    const float wind[3][5] = {{10, 270, 10, 20, 3}, {20, 270, 5, 10, 3}, {40, 270, 2.5f, 5, 4.5f}};
    for (int l = 0; l < 3; l++)
        for (int v = 0; v < 5; v++) EXPECT_NEAR(atm.wind_layer[l][v], wind[l][v], 1e-4f) << l << " " << v;
    // 2 % of the way to the report: 2 nm, bases 2000 ft over the field.
    EXPECT_NEAR(atm.visibility, 0.98f * vis0 + 0.02f * 2 * nm, 0.05f);
    EXPECT_NEAR(atm.cloud_base, 0.98f * base0 + 0.02f * (2000 * con.fttomtrs + chosen_airport_h()), 0.05f);
    EXPECT_NEAR(atm.storm_level, 1.08f, 1e-5f);
    EXPECT_NEAR(atm.precip_level, 1.08f, 1e-5f) << "rain raised to the storm level";

    for (int s = 1; s < 30; s++) second();
    EXPECT_NEAR(atm.storm_level, 5 - 4 * powf(0.98f, 30), 1e-3f);
}

TEST_F(Periodic, EachWeatherWordSetsItsTargets)
{
    atm.real_weather = 1;
    struct row {
        const char* report;
        float storm, precip, shear;   // after one second from 1, 1.2, 1
    } rows[] = {
        {"KSBD KSBD 1150 20 OVC 5 TRW- 80/60/2710/995", 1.04f, 1.04f, 3},
        {"KSBD KSBD 1150 20 OVC 5 TRW 80/60/2710/995", 1.06f, 1.06f, 4},
        {"KSBD KSBD 1150 20 OVC 5 R- 80/60/2710/995", 1, 0.98f * 1.2f + 0.02f * 2, 1},
        {"KSBD KSBD 1150 20 OVC 5 R 80/60/2710/995", 1, 0.98f * 1.2f + 0.02f * 3.5f, 1},
        {"KSBD KSBD 1150 20 OVC 5 S+ 30/28/2710/995", 1, 0.98f * 1.2f + 0.02f * 5, 1},
        {"KSBD KSBD 1150 CLR 10 80/60/2710/995", 1, 1, 1},   // rain all but gone is gone
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.report);
        weather_file((std::string(r.report) + "\n").c_str());
        clear_periodic_run_state();   // read at once
        atm.storm_level = 1;
        atm.precip_level = 1.2f;
        atm.shear_level = 2;
        second();
        EXPECT_NEAR(atm.storm_level, r.storm, 1e-5f);
        EXPECT_NEAR(atm.precip_level, r.precip, 1e-5f);
        EXPECT_EQ(atm.shear_level, r.shear);
    }
}

TEST_F(Periodic, RealWeatherIsReadAgainAfterAMinuteOrAcrossAWholeDegree)
{
    atm.real_weather = 1;
    weather_file("KSBD KSBD 1150 CLR 10 80/60/2710/995\n");
    second();
    ASSERT_EQ(atm.sl_temp, 80.0f);
    weather_file("KSBD KSBD 1150 CLR 10 70/60/2710/995\n");
    for (int s = 0; s < 59; s++) second();
    EXPECT_EQ(atm.sl_temp, 80.0f) << "not yet a minute";
    second();
    EXPECT_EQ(atm.sl_temp, 70.0f);

    weather_file("KSBD KSBD 1150 CLR 10 60/50/2710/995\n");
    second();
    EXPECT_EQ(atm.sl_temp, 70.0f);
    flt.lat = 33.99f;   // south across 34 degrees
    second();
    EXPECT_EQ(atm.sl_temp, 60.0f);
}

TEST_F(Periodic, WithoutTheFileOrTheStationTheWeatherStays)
{
    struct row {
        const char* what;
        const char* file;   // nullptr: no file
        int found;
        float trend;        // real weather in use with a file stops any trend
    } rows[] = {
        {"no file", nullptr, 0, 0},
        {"no report of a region airport", "ZZZZ ZZZZ 1150 20 OVC 2 TRW+ 80/60/2710G20/995\n", 1, 0.5f},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        if (r.file) {
            weather_file(r.file);
        } else {
            snprintf(app_path, path_max, "%snowhere/", test_scratch_folder());
        }
        clear_periodic_run_state();
        atm.real_weather = 1;
        atm.cloud_type = 1;
        atm.wind_turbulence = 3;
        atm.weather_trend = r.trend;
        const float temp = atm.sl_temp, vis = atm.visibility, base = atm.cloud_base;
        second();
        EXPECT_EQ(atm.real_weather_found, r.found);
        EXPECT_EQ(atm.weather_trend, 0.0f);
        EXPECT_EQ(atm.wind_turbulence, 3.0f) << "no report taken";
        EXPECT_EQ(atm.sl_temp, temp);
        EXPECT_EQ(atm.cloud_type, 1);
        EXPECT_NEAR(atm.visibility, vis, 0.01f);
        EXPECT_NEAR(atm.cloud_base, base, 0.01f);
    }
}

TEST_F(Periodic, GovernorTradesVisibilityForFrameRate)
{
    const float top = (float)flt.pos_y[0] + 1000, base = (float)flt.pos_y[0] + 500;
    struct row {
        const char* what;
        float dt;
        int menu_up, overcast, above;   // overcast 2: the aircraft inside it
        float factor, after;
    } rows[] = {
        {"1/11 s is not slow", 1.0f / 11, -1, 0, 0, 0.5f, 0.5f},
        {"slower", 0.1f, -1, 0, 0, 0.5f, 0.48f},
        {"slower, at the floor", 0.1f, -1, 0, 0, 0.15f, 0.15f},
        {"fast", 0.05f, -1, 0, 0, 0.5f, 0.51f},
        {"fast, at the top", 0.05f, -1, 0, 0, 0.99f, 0.99f},
        {"between the two", 0.08f, -1, 0, 0, 0.5f, 0.5f},
        {"a menu down", 0.1f, 0, 0, 0, 0.5f, 0.5f},
        {"inside an overcast", 0.1f, -1, 2, 0, 0.5f, 0.5f},
        {"under an overcast", 0.1f, -1, 1, 0, 0.5f, 0.48f},
        {"over an overcast, held to 0.05 s", 0.06f, -1, 1, 1, 0.5f, 0.48f},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        msc.dt = r.dt;
        mnw.menu_up = r.menu_up;
        atm.cloud_type = r.overcast ? 4 : 1;
        atm.cloud_base = r.overcast == 2 ? base - 1000 : base;
        atm.cloud_tops = top;
        scn.above_clouds = r.above;
        atm.wx_factor = r.factor;
        second();
        EXPECT_NEAR(atm.wx_factor, r.after, 1e-6f);
    }
}

TEST_F(Periodic, TheSlowFrameNoticeComesAfterElevenSlowSecondsOnceARun)
{
    set.warn_framerate = 1;
    msc.dt = 0.1f;
    int before = host_test_message_box_count();
    for (int s = 0; s < 10; s++) second();
    EXPECT_EQ(host_test_message_box_count(), before);
    second();
    ASSERT_EQ(host_test_message_box_count(), before + 1);
    EXPECT_EQ(std::string(host_test_last_message_box()),
              "Warning: The simulator is running too slow for smooth animation and accurate flight dynamics. You "
              "should lower the graphics load in the 'Set Rendering Options' window.\n\n"
              "The simulator will maintain smooth animation by reducing the visibility, allowing a higher frame rate "
              "for smoother animation.\n\n"
              "Remember, it is possible to set the visibility too high for almost ANY CPU... this insures that you "
              "can ask for all the visibility that YOUR CPU can handle!\n\n"
              "To avoid this warning again, reduce the visibility, or go to the 'Warnings' item in the 'Settings' "
              "menu.");
    for (int s = 0; s < 20; s++) second();
    set_fltvars(place_runway, place_on_runway);
    mnw.menu_up = -1;
    for (int s = 0; s < 20; s++) second();
    EXPECT_EQ(host_test_message_box_count(), before + 1);
}

TEST_F(Periodic, TheTrendMovesTheWeatherUntilItsWorstWhereItTurns)
{
    struct row {
        const char* what;
        float trend, storm;
        float tops, base, level;   // factors on tops and bases, the levels' step
    } rows[] = {
        {"improving", 0.5f, 2, 0.999f, 1.001f, -0.0015f},
        {"worsening", -0.5f, 2, 1.001f, 0.999f, 0.0015f},
        {"too small to count", 0.01f, 2, 1, 1, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        atm.weather_trend = r.trend;
        atm.cloud_base = env.ground_h + 1000;
        atm.cloud_tops = env.ground_h + 3000;
        atm.visibility = 10000;
        atm.storm_level = atm.precip_level = atm.wind_turbulence = atm.shear_level = r.storm;
        float tops = atm.cloud_tops, base = atm.cloud_base;
        second();
        EXPECT_NEAR(atm.cloud_tops / tops, r.tops, 1e-6f);
        EXPECT_NEAR(atm.cloud_base / base, r.base, 1e-6f);
        EXPECT_NEAR(atm.visibility, 10000 * r.base, 1e-2f);
        EXPECT_NEAR(atm.storm_level, r.storm + r.level, 1e-6f);
        EXPECT_NEAR(atm.shear_level, r.storm + r.level, 1e-6f);
    }
    // At a storm's worst a worsening trend draws again, between -1 and 1:
    // over a run of seconds the weather sometimes improves.
    int improved = 0;
    for (int s = 0; s < 20; s++) {
        atm.weather_trend = -0.5f;
        atm.cloud_base = env.ground_h + 1000;
        atm.cloud_tops = env.ground_h + 3000;
        atm.storm_level = atm.precip_level = 4.5f;
        second();
        float w = 500 - atm.cloud_tops / (env.ground_h + 3000) / 0.002f;
        EXPECT_NEAR(atm.cloud_base / (env.ground_h + 1000), (500 + w) * 0.002f, 1e-5f) << "one draw for both";
        EXPECT_LE(fabsf(w), 1.001f);
        improved += w > 0;
    }
    EXPECT_GT(improved, 0);
}

TEST_F(Periodic, RainIsHeardOnlyBelowTheTopsAboveFreezingWhileItRains)
{
    atm.sl_temp = 50;
    struct step {
        const char* what;
        float precip;
        int above;
        float temp;
        int heard;
    } steps[] = {
        {"dry", 1, 0, 50, 0},
        {"rain", 2, 0, 50, 1},
        {"over the tops", 2, 1, 50, 0},
        {"below again", 2, 0, 50, 1},
        {"freezing", 2, 0, 30, 0},
    };
    for (const step& s : steps) {
        SCOPED_TRACE(s.what);
        atm.precip_level = s.precip;
        atm.storm_level = 1;
        scn.above_clouds = s.above;
        atm.sl_temp = s.temp;
        second();
        host_test_voice v = host_test_voice_state(snd_rain);
        EXPECT_EQ(v.playing, s.heard);
        if (s.heard) {
            EXPECT_EQ(v.looping, 1);
        }
    }
}

TEST_F(Periodic, WeatherIsKeptWithinItsLimits)
{
    const float ft = con.fttomtrs, ground = env.ground_h;
    atm.storm_level = 3;
    atm.precip_level = 2;
    atm.wind_turbulence = 7;
    atm.shear_level = 0;
    atm.cloud_type = 1;
    atm.cloud_base = ground + 10;
    atm.cloud_tops = ground + 100;
    atm.visibility = 50;
    float wind[3][5] = {{120, 370, -5, 200, 12}, {10, -10, 100, -5, -1}, {5, 90, 5, 90, 5}};
    memcpy(atm.wind_layer, wind, sizeof wind);
    second();
    EXPECT_EQ(atm.precip_level, 3.0f) << "rain raised to the storm level";
    EXPECT_EQ(atm.cloud_type, 4);
    EXPECT_NEAR(atm.cloud_base, ground + 50, 1e-3f);
    EXPECT_NEAR(atm.cloud_tops, ground + 50 + 1000 * ft, 1e-3f);
    EXPECT_NEAR(atm.cloud_base_agl, 50, 1e-3f);
    EXPECT_EQ(atm.visibility, 185.2f);
    EXPECT_EQ(atm.wind_turbulence, 5.0f);
    EXPECT_EQ(atm.shear_level, 1.0f);
    const float limited[3][5] = {{99, 10, 0, 180, 9}, {10, 350, 99, 0, 0}, {5, 90, 5, 90, 5}};
    for (int l = 0; l < 3; l++)
        for (int v = 0; v < 5; v++) EXPECT_NEAR(atm.wind_layer[l][v], limited[l][v], 1e-4f) << l << " " << v;

    // Scattered or broken: a layer without depth; the visibility's top.
    atm.storm_level = atm.precip_level = 1;
    atm.cloud_type = 2;
    atm.cloud_base = 3000;
    atm.cloud_tops = 5000;
    atm.visibility = 99999;
    second();
    EXPECT_EQ(atm.cloud_tops, atm.cloud_base);
    EXPECT_EQ(atm.visibility, 37040.0f);
}

// ---- engines and failures -------------------------------------------------------

TEST_F(Periodic, AnEngineRunsOnFuelMixtureAndItsOwnSystem)
{
    struct row {
        const char* what;
        float fuel, mixture;
        int works, runs;
    } rows[] = {
        {"the shipped Cessna as placed", -1, -1, 1, 1},
        {"the tank dry", 0.01f, 1, 1, 0},
        {"idle cut-off", 50, 0.01f, 1, 0},
        {"the engine failed", 50, 1, 0, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        set_fltvars(place_runway, place_on_runway);
        if (r.fuel >= 0) flt.fuel = r.fuel;
        if (r.mixture >= 0) flt.mixture[0] = r.mixture;
        rel.system_ok[sys_engine] = r.works;
        flt.engine_running[0] = !r.runs;
        second();
        EXPECT_EQ(flt.engine_running[0], r.runs);
        EXPECT_EQ(flt.engine_running[1], 0) << "the Cessna has one engine";
    }
}

TEST_F(Periodic, FuelBurnsByFlowAndTimeWithinTheTank)
{
    float half = pln[0].m_fuel / 2;
    ASSERT_FLOAT_EQ(flt.fuel, half);
    flt.fuel_flow[0] = 0.02f;
    msc.sim_time = 10;
    mod_sec();
    EXPECT_NEAR(flt.fuel, half - 0.2f, 1e-4f);
    msc.sim_time = 5;   // a clock put back gives no fuel back
    mod_sec();
    EXPECT_NEAR(flt.fuel, half - 0.2f, 1e-4f);
    flt.fuel_flow[0] = -1;   // never more than the tank holds
    msc.sim_time = 1000;
    mod_sec();
    EXPECT_EQ(flt.fuel, pln[0].m_fuel);
}

TEST_F(Periodic, AirframeIceGrowsInAnOvercastBelowFreezingAndMelts)
{
    const float y = env.ground_h + 500;
    flt.pos_y[0] = y;
    struct row {
        const char* what;
        float celsius;
        int overcast, anti_ice, anti_ice_works;
        float ice, after;
    } rows[] = {
        {"-10 C in an overcast", -10, 1, 0, 1, 0.1f, 0.10333f},
        {"-10 C in clear air", -10, 0, 0, 1, 0.1f, 0.1f},
        {"-25 C in an overcast", -25, 1, 0, 1, 0.1f, 0.1f},
        {"10 C melts", 10, 0, 0, 1, 0.1f, 0.1f - 0.00333f},
        {"anti-ice on", -10, 1, 1, 1, 0.1f, 0.1f + 0.00333f - 0.01f},
        {"anti-ice failed", -10, 1, 1, 0, 0.1f, 0.10333f},
        {"never below nothing", 30, 0, 0, 1, 0.005f, 0},
        {"never above 1", -10, 1, 0, 1, 0.999f, 1},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        atm.temp_k = 273.15f + r.celsius;
        atm.cloud_type = r.overcast ? 4 : 1;
        atm.cloud_base = y - 300;
        atm.cloud_tops = y + 1000;
        ins.anti_ice = r.anti_ice;
        rel.system_ok[sys_anti_ice] = r.anti_ice_works;
        flt.ice_amount = r.ice;
        second();
        EXPECT_NEAR(flt.ice_amount, r.after, 1e-6f);
    }
}

TEST_F(Periodic, CarburettorIceAtLowPowerInFlightAndHeatTakesItAway)
{
    pln[0].entype = 1;
    const float green = pln[0].omegamingreen;
    struct row {
        const char* what;
        float celsius, speed;
        int entype, on_ground;
        float heat, ice, after;
    } rows[] = {
        {"low power, 10 C", 10, 0.75f, 1, 0, 0, 0.1f, 0.105f},
        {"at the green arc's foot", 10, 1.0f, 1, 0, 0, 0.1f, 0.105f},
        {"in the green", 10, 1.1f, 1, 0, 0, 0.1f, 0.09f},
        {"idling below half of it", 10, 0.4f, 1, 0, 0, 0.1f, 0.1f},
        {"too cold", -10, 0.75f, 1, 0, 0, 0.1f, 0.1f},
        {"too warm", 30, 0.75f, 1, 0, 0, 0.1f, 0.1f},
        {"on the ground", 10, 0.75f, 1, 1, 0, 0.1f, 0.1f},
        {"a fuel-injected engine", 10, 0.75f, 2, 0, 0, 0.1f, 0.1f},
        {"carburettor heat", 10, 0.75f, 1, 0, 1, 0.1f, 0},
        {"never above 1", 10, 0.75f, 1, 0, 0, 0.998f, 1},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        atm.temp_k = 273.15f + r.celsius;
        pln[0].entype = r.entype;
        flt.on_ground = r.on_ground;
        flt.carb_heat = r.heat;
        for (int e = 0; e < plane_engines; e++) {
            flt.engine_speed[e] = r.speed * green;
            flt.ice_carb[e] = r.ice;
        }
        second();
        for (int e = 0; e < plane_engines; e++) EXPECT_NEAR(flt.ice_carb[e], r.after, 1e-6f) << e;
    }
}

TEST_F(Periodic, ANewFailureSoundsTheCautionAndShowsItsPageOnAnEcam)
{
    struct row {
        const char* what;
        int slot, ecam, caution;
    } rows[] = {
        {"ailerons, with an ECAM", 11, 1, 1},
        {"ailerons, without", 11, 0, 0},
        {"an instrument: no caution", 1, 1, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        set_fltvars(place_runway, place_on_runway);
        pln[0].ecam = r.ecam;
        ins.ecam_page = 3;
        rel.fail_mode[r.slot] = fail_failed;
        quiet();
        second();
        EXPECT_EQ(playing(snd_caution), r.caution);
        EXPECT_EQ(ins.ecam_page, r.caution ? 7 : 3);
        // Failed once: the next second says nothing more.
        quiet();
        second();
        EXPECT_EQ(playing(snd_caution), 0);
    }
}

TEST_F(Periodic, ControlPowerFollowsTheEnginesOrTheAirspeedOnHydraulics)
{
    const float omega = pln[0].omegamax;
    ASSERT_EQ(pln[0].Vne, 163.0f);
    struct row {
        const char* what;
        int hydraulic, heli, entype, numen;
        float share0, share1;   // of top speed, or N1 / 100 for a jet
        int running, on_ground;
        float y, kts;
        float power;
        int ram_air;
    } rows[] = {
        {"no hydraulics", 0, 0, 2, 1, 0.5f, 0, 1, 0, 1000, 80, 1.0f, 0},
        {"piston at top speed", 1, 0, 2, 1, 1.0f, 0, 1, 0, 1000, 80, 1.0f, 0},
        {"piston at half speed", 1, 0, 2, 1, 0.5f, 0, 1, 0, 1000, 80, 0.95f, 0},
        {"two jets at N1 80 and 60", 1, 0, 4, 2, 0.8f, 0.6f, 1, 0, 1000, 80, 0.97f, 0},
        {"engines out in flight: ram air", 1, 0, 2, 1, 0.5f, 0, 0, 0, 1000, 81.5f, 0.5f, 1},
        {"running again", 1, 0, 2, 1, 0.5f, 0, 1, 0, 1000, 81.5f, 0.95f, 0},
        {"engines out on the ground", 1, 0, 2, 1, 0.5f, 0, 0, 1, 1000, 81.5f, 0.95f, 0},
        {"engines out above 20,000 m", 1, 0, 2, 1, 0.5f, 0, 0, 0, 20001, 81.5f, 1.0f, 1},
        {"a rocket", 1, 0, 6, 1, 0.5f, 0, 1, 0, 1000, 80, 1.0f, 0},
        {"a helicopter, by its rotor", 1, 1, 3, 1, 0.8f, 0, 1, 0, 1000, 80, 0.8f, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        pln[0].ff_hydraulic = r.hydraulic;
        pln[0].is_heli = r.heli;
        pln[0].entype = r.entype;
        pln[0].numen = r.numen;
        const float share[2] = {r.share0, r.share1};
        for (int e = 0; e < 2; e++) {
            flt.engine_speed[e] = share[e] * omega;
            flt.jet_n1[e] = share[e] * 100;
            flt.mixture[e] = r.running ? 1.0f : 0.0f;
        }
        flt.on_ground = r.on_ground;
        flt.pos_y[0] = r.y;
        flt.ias_kts = r.kts;
        second();
        EXPECT_NEAR(rel.control_power, r.power, 1e-5f);
        EXPECT_EQ(rel.on_ram_air, r.ram_air);
    }
}

TEST_F(Periodic, HydraulicAndEnginePowerFailuresFadeFromTheirTimes)
{
    pln[0].ff_hydraulic = 1;
    flt.engine_speed[0] = pln[0].omegamax;
    rel.fail_mode[21] = fail_failed;   // hydraulics
    rel.fail_mode[28] = fail_failed;   // engine power
    msc.sim_time = 100;
    mod_sec();
    ASSERT_EQ(rel.system_ok[sys_hydraulics], 0);
    ASSERT_EQ(rel.system_ok[sys_engine_power], 0);
    struct row {
        float t, control, engine;
    } rows[] = {{100, 0.9f, 1.0f}, {190, 0.45f, 0.7f}, {250, 0.15f, 0.5f}, {400, 0, 0}};
    for (const row& r : rows) {
        SCOPED_TRACE(r.t);
        msc.sim_time = r.t;
        mod_sec();
        EXPECT_NEAR(rel.control_power, r.control, 1e-5f);
        EXPECT_NEAR(rel.engine_power, r.engine, 1e-5f);
    }
}

// ---- lightning, gravity, warnings ------------------------------------------------

class Lightning : public Periodic {
protected:
    void SetUp() override
    {
        Periodic::SetUp();
        atm.storm_level = atm.precip_level = 3;
        atm.sl_temp = 80;
        for (int i = 0; i < wx_grid_cols; i++)
            for (int j = 0; j < wx_grid_rows; j++) atm.wx_grid[i][j] = 1;
        mnw.time_elapsed = 50;
    }
};

TEST_F(Lightning, BoltsForkDownFrom3000MetresAndThunderTheLouderTheNearer)
{
    const float x0 = (float)flt.pos_x[0], z0 = (float)flt.pos_z[0];
    int near = 0, far = 0;
    for (int s = 0; s < 20; s++) {
        SCOPED_TRACE(s);
        mnw.time_elapsed += 1;
        quiet();
        second();
        ASSERT_GE(atm.flash_until, mnw.time_elapsed + 0.2f) << "a storm everywhere strikes every second";
        EXPECT_LE(atm.flash_until, mnw.time_elapsed + 0.6f);
        const auto& b = atm.bolt;
        EXPECT_NEAR(b[0][0][1], env.ground_h + 3000, 1e-2f);
        float d = pythag(b[0][0][0] - x0, b[0][0][2] - z0) / con.nmtomtrs;
        EXPECT_NEAR(d, atm.flash_dist, 1e-3f);
        EXPECT_LE(atm.flash_dist, 30.0f);
        EXPECT_GE(atm.flash_dist, 0.1f);
        for (int k = 0; k < bolt_branches; k++) {
            for (int c = 0; c < 3 && k > 0; c++) EXPECT_EQ(b[k][0][c], b[k - 1][13][c]) << "forks at point 13";
            float step = 0.05f * b[k][0][1];
            for (int p = 1; p < bolt_points; p++) {
                EXPECT_LE(fabsf(b[k][p][0] - b[k][p - 1][0]), 0.5f * step + 0.05f);
                EXPECT_LE(fabsf(b[k][p][2] - b[k][p - 1][2]), 0.5f * step + 0.05f);
                float drop = b[k][p - 1][1] - b[k][p][1];
                EXPECT_GE(drop, 0.5f * step - 0.05f);
                EXPECT_LE(drop, 1.5f * step + 0.05f);
            }
        }
        int thunder = atm.flash_dist < 5 / 0.3f;
        EXPECT_EQ(playing(snd_thunder), thunder) << atm.flash_dist << " nm";
        near += thunder;
        far += !thunder;
    }
    EXPECT_GT(near, 0);
    EXPECT_GT(far, 0);
}

TEST_F(Lightning, NoStrikeWithoutAStormBelowTheTopsOrOutsideTheField)
{
    struct row {
        const char* what;
        float storm, temp, cell;
        int above, outside;
    } rows[] = {
        {"no storm cell", 3, 80, 0, 0, 0},
        {"a weak cell: 0.6 x 3 is not over 2", 3, 80, 0.6f, 0, 0},
        {"no thunderstorms", 1, 80, 1, 0, 0},
        {"freezing", 3, 30, 1, 0, 0},
        {"the eye over the tops", 3, 80, 1, 1, 0},
        {"every point off the field's west edge", 3, 80, 1, 0, 1},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        set_fltvars(place_runway, place_on_runway);
        atm.storm_level = atm.precip_level = r.storm;
        atm.sl_temp = r.temp;
        for (int i = 0; i < wx_grid_cols; i++)
            for (int j = 0; j < wx_grid_rows; j++) atm.wx_grid[i][j] = r.cell;
        scn.above_clouds = r.above;
        if (r.outside) flt.pos_x[0] = env.reg_west_x - 31 * nm;
        memset(atm.bolt, 0, sizeof atm.bolt);
        atm.flash_until = 0;
        for (int s = 0; s < 10; s++) {
            quiet();
            second();
            EXPECT_EQ(playing(snd_thunder), 0);
        }
        EXPECT_EQ(atm.flash_until, 0.0f);
        EXPECT_EQ(atm.bolt[0][0][1], 0.0f);
    }
}

TEST_F(Periodic, GravityWeakensWithHeight)
{
    flt.pos_y[0] = 0;
    second();
    EXPECT_NEAR(atm.g_accel, con.g, 1e-5f);
    flt.pos_y[0] = con.rearth;
    second();
    EXPECT_NEAR(atm.g_accel, con.g / 4, 1e-5f) << "twice as far from the centre";
}

TEST_F(Periodic, PastTheRedlineTheWingsGoOnceAFlightAfterOneNotice)
{
    struct row {
        const char* what;
        int asi_units;
        float vne, kts;
        int on, heli, notice;
    } rows[] = {
        {"knots, past 1.1 Vne", 2, 163, 180, 1, 0, 1},
        {"knots, just under", 2, 163, 179, 1, 0, 0},
        {"mph: knots x 1.15 past 1.1 Vne", 1, 163, 157, 1, 0, 1},
        {"mph, just under", 1, 163, 155, 1, 0, 0},
        {"the warning switched off", 2, 163, 250, 0, 0, 0},
        {"a helicopter", 2, 163, 250, 1, 1, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        set_fltvars(place_runway, place_on_runway);
        pln[0].asi_units = r.asi_units;
        pln[0].Vne = r.vne;
        pln[0].is_heli = r.heli;
        set.shed_on_overspeed = r.on;
        flt.ias_kts = r.kts;
        int before = host_test_message_box_count();
        second();
        second();
        EXPECT_EQ(host_test_message_box_count(), before + r.notice) << "one notice, however long it lasts";
        EXPECT_EQ(flt.redline_busted, r.notice);
        if (r.notice) {
            EXPECT_EQ(std::string(host_test_last_message_box()),
                      "You just busted the redline speed.\n\nI shall now remove a critical flying surface.\n\n"
                      "Enjoy the ride down.\n\n(To avoid this occurrence again, you can fly more slowly or select "
                      "the 'Warnings' item in the 'Settings' menu).");
        }
    }
    // A new flight has its wings again, and is told again.
    set_fltvars(place_runway, place_on_runway);
    pln[0].asi_units = 2;
    pln[0].is_heli = 0;
    EXPECT_EQ(flt.redline_busted, 0);
    set.shed_on_overspeed = 1;
    flt.ias_kts = 200;
    int before = host_test_message_box_count();
    second();
    EXPECT_EQ(host_test_message_box_count(), before + 1);
}

TEST_F(Periodic, FlapsOutAboveVfeAreToldOnceUntilTheHandleGoesUp)
{
    ASSERT_EQ(pln[0].flapEQ, 1);
    set.warn_flap_overspeed = 1;
    struct step {
        const char* what;
        float handle, kts;
        int notice;
    } steps[] = {
        {"flaps out below Vfe", 0.5f, 84, 0},
        {"then faster", 0.5f, 86, 1},
        {"still so", 0.5f, 100, 0},
        {"handle up", 0.0f, 100, 0},
        {"out again", 0.25f, 100, 1},
    };
    for (const step& s : steps) {
        SCOPED_TRACE(s.what);
        flt.flap_request = s.handle;
        flt.ias_kts = s.kts;
        int before = host_test_message_box_count();
        second();
        EXPECT_EQ(host_test_message_box_count(), before + s.notice);
        if (s.notice) {
            EXPECT_EQ(std::string(host_test_last_message_box()),
                      "You just extended the flaps above Vfe.\n\n\n\n\n\n(To avoid this occurrence again, you can "
                      "fly right or go to the 'Warnings' item in the 'Settings' menu.");
        }
    }
}

// ---- a new flight ----------------------------------------------------------------

TEST_F(Periodic, AfterAnHourANewFlightKeepsHalfFuelAndCallsOutAtOnce)
{
    pln[0].bitchinbettyEQ = 1;
    const float half = pln[0].m_fuel / 2;
    wheels_at(3000, 0);
    for (int s = 1; s <= 3600; s++) {
        flt.fuel_flow[0] = 0.01f;
        msc.sim_time = (float)s;
        mod_sec();
    }
    EXPECT_NEAR(flt.fuel, half - 36, 0.05f) << "0.01 kg/s for an hour";

    set_fltvars(place_runway, place_on_runway);
    ASSERT_FLOAT_EQ(flt.fuel, half);
    ASSERT_EQ(msc.sim_time, 0.0f);
    flt.fuel_flow[0] = 0.01f;
    wheels_at(40, -100);
    msc.sim_time = 0.1f;
    quiet();
    mod_sec();
    EXPECT_NEAR(flt.fuel, half - 0.001f, 1e-4f) << "a tenth of a second burnt, no hour given back";
    EXPECT_EQ(playing(snd_50_feet), 1) << "the call-outs' clock starts with the flight's";
}
