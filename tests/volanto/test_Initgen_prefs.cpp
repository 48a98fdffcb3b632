// The preferences file and situations: the factory preferences written whole
// against the golden "Volanto 5.prf"; every value written and read back; a
// situation keeping the preferences-only settings; the packed and clamped
// values one line at a time; headers refused and files cut short; and the
// start airport and runway taken only from airports that have a runway.
//
// Regenerating the golden file: run with VOLANTO_REGOLD=1 set, e.g.
//   VOLANTO_REGOLD=1 ctest --test-dir build-test -R FactoryPrefs
// then read `git diff tests/data/` and commit it on its own, saying why.
// The program folder is written in it as "<program folder>/".
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

static std::string at(const std::string& name) { return std::string(test_scratch_folder()) + name; }

static std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

static std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
}

// Value n of the file (1..215) is line n + 1: the header takes lines 0 and 1.
static const int prefs_values = 215;
static std::string with_values(const std::string& text, const std::vector<std::pair<int, std::string>>& values)
{
    std::vector<std::string> lines = lines_of(text);
    for (const auto& it : values) lines.at(it.first + 1) = it.second;
    return joined(lines);
}

static int prefs_only(int value) { return (value >= 40 && value <= 141) || (value >= 160 && value <= 164); }

static int find_airport(const char* id)
{
    for (int a = 0; a <= apt_wrl_max; a++)
        if (strncmp(apt_id[a], id, 4) == 0) return a;
    return -1;
}

// Values as "%g" with blanks between, for comparing several fields at once.
template <class... T> static std::string vals(T... v)
{
    std::string s;
    char buf[64];
    for (double x : {(double)v...}) {
        snprintf(buf, sizeof buf, "%s%g", s.empty() ? "" : " ", x);
        s += buf;
    }
    return s;
}

static std::string dumped(const char* name, int kind = kind_text)
{
    EXPECT_EQ(dump_prefs(at(name).c_str(), kind), 1) << name;
    return read_file(at(name));
}

// The shipped world databases loaded from the generated program folder.
class Prefs : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        set_loader_paths();
        initing = 0;
        ogl_ready = 0;
        load_world_databases();
    }
    std::string factory(void)
    {
        hard_prefs();
        return dumped("factory.prf");
    }
};
using PrefsDeathTest = Prefs;

// ---- factory preferences -----------------------------------------------------

TEST_F(Prefs, FactoryPrefsAreTheGoldenFile)
{
    std::string text = portable(factory());
    const std::string golden = std::string(TEST_DATA_DIR) + "Volanto 5.prf";
    const char* regold = getenv("VOLANTO_REGOLD");
    if (regold && strcmp(regold, "1") == 0) write_file(golden, text);
    EXPECT_EQ(text, read_file(golden));

    // What the defaults column says, whatever the golden file holds.
    std::vector<std::string> lines = lines_of(text);
    ASSERT_EQ(lines.size(), 2u + prefs_values);
    EXPECT_EQ(lines[0], "I");
    EXPECT_EQ(lines[1], "511 version");
    EXPECT_EQ(lines[1 + 1], "Cessna 172 Skyhawk.acf");
    EXPECT_EQ(lines[1 + 2], "<program folder>/planes/General Aviation/Cessna 172 Skyhawk/Cessna 172 Skyhawk.acf");
    EXPECT_EQ(lines[1 + 3], "KSBD");
    EXPECT_EQ(lines[1 + 4], "0");
    EXPECT_EQ(lines[1 + 10], "1010.000000");
    EXPECT_EQ(lines[1 + 36].substr(0, 6), "4.3254");
    EXPECT_EQ(lines[1 + 40], "2");
    EXPECT_EQ(lines[1 + 48], "0 0 0");
    EXPECT_EQ(lines[1 + 151], "1600");
    EXPECT_EQ(lines[1 + 159], "0.050000");
    EXPECT_EQ(lines[1 + 164], "3");

    // Not in the file: the start on KSBD's runway and the region around it.
    int sbd = find_airport("KSBD");
    EXPECT_EQ(msc.apt_sel, sbd);
    EXPECT_EQ(msc.rwy_sel, apt_lo_ind[sbd]);
    EXPECT_FLOAT_EQ(flt.lat, rwy_lat[apt_lo_ind[sbd]]);
    EXPECT_FLOAT_EQ(flt.lon, rwy_lon[apt_lo_ind[sbd]]);
    EXPECT_EQ(env.reg_lat, 33);      // 34.1 - 1 rounds to 33
    EXPECT_EQ(env.reg_lon, -119);    // -117.2 - 1.5 rounds to -119
}

TEST_F(Prefs, AFailedSaveTellsAndLeavesNoFile)
{
    hard_prefs();
    int boxes = host_test_message_box_count();
    std::string path = at("no such folder/Volanto 5.prf");
    EXPECT_EQ(dump_prefs(path.c_str(), kind_text), 0);
    EXPECT_EQ(host_test_message_box_count(), boxes + 1);
    EXPECT_FALSE(std::filesystem::exists(path));
}

// ---- every value through the file ----------------------------------------------

// Every value of the file away from its default, within the ranges that
// reading keeps, at values six decimals hold exactly.
static void change_every_value(int airport)
{
    snprintf(pln[0].C_file, sizeof pln[0].C_file, "Other.acf");
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "/somewhere/planes/Other.acf");
    msc.apt_sel = airport;
    msc.rwy_sel = apt_lo_ind[airport] + 2;
    msc.rwy_reverse = 1;
    msc.time_of_day = 43210.5f;
    atm.sl_temp = 71.25f;
    ins.altim_set = 30.125f;
    atm.baro_sl = 29.5f;
    atm.precip_level = 3;
    atm.storm_level = 2;
    atm.wind_turbulence = 2.5f;
    atm.shear_level = 3.5f;
    atm.cloud_type = 4;
    atm.cloud_tops = 6000.25f;
    atm.cloud_base = 1500.5f;
    atm.visibility = 9000.75f;
    atm.wind_alt_mid = 2000.5f;
    atm.wind_alt_high = 4000.5f;
    for (int l = 0; l < 3; l++)
        for (int k = 0; k < 5; k++) atm.wind_layer[l][k] = 10.0f * (float)l + (float)k + 1.5f;
    atm.wave_height = 2;
    atm.wave_length = 30.5f;
    atm.wave_speed = 5.5f;
    atm.wave_dir = 270;
    atm.meteor_level = 3;
    atm.rwy_friction = 0.75f;
    msc.sound_on = 0;
    set.snd_headset = 1;
    set.atc_speech = 0;
    set.atc_text = 0;
    set.warn_framerate = 1;
    set.shed_on_overspeed = 1;
    set.warn_flap_overspeed = 1;
    set.snd_warnings = 0;
    atm.real_weather = 0;
    for (int i = 0; i < dataout_items; i++) {
        set.out_file[i] = i % 2;
        set.out_cockpit[i] = i / 2 % 2;
        set.out_graph[i] = i / 4 % 2;
        set.out_serial[i] = i / 8 % 2;
    }
    set.serial_mode = 5;
    set.ctl_scale_a = 0.5f;
    set.ctl_scale_b = 0.75f;
    set.ctl_scale_c = 0.625f;
    set.ctl_scale_d = 0.875f;
    set.rudder_pedals = 1;
    set.avionics_stack = 1;
    set.throttle_quadrant = 1;
    set.collective_stick = 1;
    set.joy_extra_a = 0.125f;
    set.joy_extra_b = 0.25f;
    set.joy_extra_c = 0.375f;
    for (int b = 0; b < 22; b++) set.joy_button_map[b] = 30 + b;
    nav.nav1 = 10850;
    nav.nav2 = 11390;
    nav.com1 = 11800;
    nav.com2 = 13275;
    nav.nav_crs1 = 123;
    nav.nav_crs2 = 321;
    nav.adf = 344;
    nav.dme_sel = 1;
    nav.gps_mode = 1;
    nav.gps_index = apt_wrl_max - 1;
    nav.panel_preset[0] = 1700;
    nav.panel_preset[1] = 2200;
    nav.panel_preset[2] = 800;
    for (int k = 0; k < 4; k++) nav.gps_id_char[k] = 33 + k;
    msc.dt = 0.02f;
    msc.logbook_on = 1;
    msc.kbd_layout = 3;
    rel.failure_rate = 0.5f;
    ogl_res = 4;
    set.render_flag_4 = 1;
    set.air_traffic_on = 0;
    set.render_flag_1 = 1;

    flt.lat = 33.5f;
    flt.lon = -118.25f;
    flt.pos_y[0] = 1234.5;
    flt.psi[0] = 87.5f;
    flt.gnd_speed[0] = 45.25f;
    ott.ap_hdg = 1;
    ott.ap_nav2 = 1;
    ott.ap_vvi = 1;
    ott.ap_speed = 1;
    ott.alt_target = 3000.5f;
    ott.vvi_target = -2.5f;
    ott.speed_target = 110.25f;
    set.ap_hold_flag = 1;
    pln[0].gear_stat[0] = 1;
    pln[0].gear_stat[2] = 1;
    flt.flap_ratio = 0.5f;
    flt.flap_request = 0.75f;
    flt.pitch_trim = 0.125f;
    flt.roll_trim = -0.25f;
    flt.yaw_trim = 0.375f;
    flt.fuel = 100.5f;
    flt.jettison = 20.25f;
    flt.payload = 150.75f;
    for (int e = 0; e < plane_engines; e++) {
        float v = (float)e * 0.25f;
        flt.throttle[e] = v + 0.015625f;
        flt.throttle_req[e] = v + 0.03125f;
        flt.prop_req[e] = 200.0f + (float)e;
        flt.blade_pitch[e] = 10.5f + (float)e;
        flt.mixture[e] = v + 0.0625f;
        flt.engine_speed[e] = 250.0f + (float)e;
    }
}

// The placement and situation values as the reader stored them, against the live flight written.
static void expect_situation_values(void)
{
    EXPECT_FLOAT_EQ(set.place_lat, 33.5f);
    EXPECT_FLOAT_EQ(set.place_lon, -118.25f);
    EXPECT_FLOAT_EQ(set.place_alt, 1234.5f);
    EXPECT_FLOAT_EQ(set.place_hdg, 87.5f);
    EXPECT_FLOAT_EQ(set.place_speed, 45.25f);
    const situationvalues& s = set.sit_values;
    const int sw[7] = {1, 0, 1, 0, 1, 0, 1};
    for (int k = 0; k < 7; k++) EXPECT_EQ(s.ap_switch[k], sw[k]) << k;
    EXPECT_FLOAT_EQ(s.ap_target[0], 3000.5f);
    EXPECT_FLOAT_EQ(s.ap_target[1], -2.5f);
    EXPECT_FLOAT_EQ(s.ap_target[2], 110.25f);
    EXPECT_EQ(s.ap_hold_flag, 1);
    EXPECT_EQ(s.gear_stat[0], 1);
    EXPECT_EQ(s.gear_stat[1], 0);
    EXPECT_EQ(s.gear_stat[2], 1);
    const float flight[8] = {0.5f, 0.75f, 0.125f, -0.25f, 0.375f, 100.5f, 20.25f, 150.75f};
    for (int k = 0; k < 8; k++) EXPECT_FLOAT_EQ(s.flight[k], flight[k]) << k;
    for (int e = 0; e < plane_engines; e++) {
        float v = (float)e * 0.25f;
        const float want[6] = {v + 0.015625f, v + 0.03125f, 200.0f + (float)e, 10.5f + (float)e, v + 0.0625f,
                               250.0f + (float)e};
        for (int k = 0; k < 6; k++) EXPECT_FLOAT_EQ(s.engine[k][e], want[k]) << "engine " << e << " value " << k;
    }
}

// Each value read lands where the writer took it from: written again, values
// 1 to 164 are the same lines; values 165 to 215 went to the placement and
// situation values, not to the flight.
TEST_F(Prefs, EveryValueComesBackFromThePreferences)
{
    int lax = find_airport("KLAX");
    ASSERT_GE(apt_hi_ind[lax] - apt_lo_ind[lax], 2);
    hard_prefs();
    change_every_value(lax);
    std::string first = dumped("first.prf");

    reset_suite_state();
    MACIBM_set_constants();
    ASSERT_EQ(grab_prefs(at("first.prf").c_str(), kind_text, 0), 1);
    EXPECT_EQ(msc.apt_sel, lax);
    EXPECT_EQ(msc.rwy_sel, apt_lo_ind[lax] + 2);
    EXPECT_STREQ(pln[0].C_path, "/somewhere/planes/Other.acf");
    expect_situation_values();

    std::vector<std::string> want = lines_of(first), got = lines_of(dumped("second.prf"));
    ASSERT_EQ(got.size(), want.size());
    for (int v = 1; v <= 164; v++) EXPECT_EQ(got[v + 1], want[v + 1]) << "value " << v;
}

// A situation brings the flight and its weather and radios, never the
// user's settings; real weather would overwrite the weather it brings.
TEST_F(Prefs, ASituationKeepsTheSettingsAndTurnsRealWeatherOff)
{
    hard_prefs();
    change_every_value(find_airport("KLAX"));
    atm.real_weather = 1;
    std::vector<std::string> trip = lines_of(dumped("trip.sit", kind_situation));

    reset_suite_state();
    MACIBM_set_constants();
    std::vector<std::string> settings = lines_of(factory());
    ASSERT_EQ(grab_prefs(at("trip.sit").c_str(), kind_situation, 1), 1);
    EXPECT_EQ(atm.real_weather, 0);
    EXPECT_FLOAT_EQ(set.place_lat, 33.5f);
    EXPECT_FLOAT_EQ(set.sit_values.engine[5][3], 253.0f);

    std::vector<std::string> got = lines_of(dumped("after.prf"));
    ASSERT_EQ(got.size(), trip.size());
    for (int v = 1; v <= 164; v++) {
        if (v == 47) continue;   // real weather
        EXPECT_EQ(got[v + 1], prefs_only(v) ? settings[v + 1] : trip[v + 1]) << "value " << v;
    }
}

// ---- single values -------------------------------------------------------------

// The factory file with some lines changed, read as preferences; the fields
// each case names, as they came out.
TEST_F(Prefs, PackedAndClampedValuesReadAsTheirFieldsHoldThem)
{
    std::string base = factory();
    int sbd = find_airport("KSBD");
    const struct {
        std::vector<std::pair<int, std::string>> values;
        std::function<std::string()> got;
        std::string want;
    } cases[] = {
        // precipitation and storms
        {{{10, "5"}}, [] { return vals(atm.precip_level, atm.storm_level); }, "5 5"},
        {{{10, "2010"}}, [] { return vals(atm.precip_level, atm.storm_level); }, "2 1"},
        {{{10, "350"}}, [] { return vals(atm.precip_level, atm.storm_level); }, "0.3 5"},
        {{{10, "9.5"}}, [] { return vals(atm.precip_level, atm.storm_level); }, "9.5 9.5"},
        {{{10, "3020.000000"}}, [] { return vals(atm.precip_level, atm.storm_level); }, "3 2"},
        // time step
        {{{159, "0.5"}}, [] { return vals(msc.dt); }, vals(0.1f)},
        {{{159, "0.001"}}, [] { return vals(msc.dt); }, vals(0.01f)},
        {{{159, "0.03"}}, [] { return vals(msc.dt); }, vals(0.03f)},
        // data output: file, cockpit, graph, serial
        {{{48 + 7, "0 1 3"}}, [] { return vals(set.out_file[7], set.out_cockpit[7], set.out_graph[7], set.out_serial[7]); },
         "0 1 1 1"},
        {{{48 + 59, "1 0 2"}},
         [] { return vals(set.out_file[59], set.out_cockpit[59], set.out_graph[59], set.out_serial[59]); }, "1 0 0 1"},
        {{{48, "2 1 1"}}, [] { return vals(set.out_file[0], set.out_cockpit[0], set.out_graph[0], set.out_serial[0]); },
         "0 1 1 0"},
        // sound and headset; rendering flags 4, 2, 1
        {{{40, "1"}}, [] { return vals(msc.sound_on, set.snd_headset); }, "0 1"},
        {{{40, "3"}}, [] { return vals(msc.sound_on, set.snd_headset); }, "1 1"},
        {{{40, "0"}}, [] { return vals(msc.sound_on, set.snd_headset); }, "0 0"},
        {{{164, "4"}}, [] { return vals(set.render_flag_4, set.air_traffic_on, set.render_flag_1); }, "1 0 0"},
        {{{164, "7"}}, [] { return vals(set.render_flag_4, set.air_traffic_on, set.render_flag_1); }, "1 1 1"},
        {{{164, "2"}}, [] { return vals(set.render_flag_4, set.air_traffic_on, set.render_flag_1); }, "0 1 0"},
        // values later used as indices
        {{{13, "0"}}, [] { return vals(atm.cloud_type); }, "1"},
        {{{13, "9"}}, [] { return vals(atm.cloud_type); }, "4"},
        {{{38, "0"}}, [] { return vals(atm.meteor_level); }, "1"},
        {{{38, "5"}}, [] { return vals(atm.meteor_level); }, "4"},
        {{{37, "725.9"}}, [] { return vals(atm.wave_dir); }, "5"},
        {{{37, "-1.5"}}, [] { return vals(atm.wave_dir); }, "359"},
        {{{37, "1e30"}}, [] { return vals(atm.wave_dir >= 0 && atm.wave_dir <= 359); }, "1"},
        {{{161, "0"}}, [] { return vals(msc.kbd_layout); }, "1"},
        {{{161, "4"}}, [] { return vals(msc.kbd_layout); }, "3"},
        {{{163, "0"}}, [] { return vals(ogl_res); }, "1"},
        {{{163, "6"}}, [] { return vals(ogl_res); }, "5"},
        {{{108, "-1"}}, [] { return vals(set.serial_mode); }, "0"},
        {{{108, "7"}}, [] { return vals(set.serial_mode); }, "6"},
        {{{149, "7"}, {150, "0"}}, [] { return vals(nav.dme_sel, nav.gps_mode); }, "1 1"},
        {{{149, "-2"}, {150, "9"}}, [] { return vals(nav.dme_sel, nav.gps_mode); }, "0 3"},
        {{{151, "99999"}}, [] { return vals(nav.gps_index); }, vals(apt_wrl_max)},
        {{{151, "-5"}}, [] { return vals(nav.gps_index); }, "0"},
        {{{150, "3"}, {151, "99999"}}, [] { return vals(nav.gps_index); }, vals(nav_wrl_max)},
        {{{155, "37"}, {158, "-1"}}, [] { return vals(nav.gps_id_char[0], nav.gps_id_char[3]); }, "36 0"},
        {{{184, "1.5"}, {185, "-0.5"}}, [] { return vals(set.sit_values.flight[0], set.sit_values.flight[1]); },
         "1 0"},
        // a runway place KSBD does not have gives its first runway
        {{{4, "1"}}, [sbd] { return vals(msc.rwy_sel - apt_lo_ind[sbd]); }, "0"},
    };
    for (const auto& c : cases) {
        write_file(at("case.prf"), with_values(base, c.values));
        ASSERT_EQ(grab_prefs(at("case.prf").c_str(), kind_text, 0), 1) << c.values[0].second;
        EXPECT_EQ(c.got(), c.want) << "value " << c.values[0].first << " read as " << c.values[0].second;
    }
}

// A runway place outside the airport's runways takes its first one, never
// another airport's or one past the table.
TEST_F(Prefs, ARunwayPlaceOutsideTheAirportGivesItsFirstRunway)
{
    std::string base = factory();
    int lax = find_airport("KLAX");
    int last = apt_hi_ind[lax] - apt_lo_ind[lax];
    const struct {
        int place, want;
    } cases[] = {{0, 0}, {1, 1}, {last, last}, {last + 1, 0}, {-1, 0}, {2000000000, 0}};
    for (auto c : cases) {
        write_file(at("case.prf"), with_values(base, {{3, "KLAX"}, {4, std::to_string(c.place)}}));
        ASSERT_EQ(grab_prefs(at("case.prf").c_str(), kind_text, 0), 1);
        EXPECT_EQ(msc.apt_sel, lax);
        EXPECT_EQ(msc.rwy_sel, apt_lo_ind[lax] + c.want) << "place " << c.place;
    }
}

// ---- headers and damage ------------------------------------------------------------

// A file it cannot take changes nothing. The preferences say nothing (the
// factory values follow); a situation the user picked is told in a notice
// naming it, and the flight goes on.
TEST_F(Prefs, AFileOfAnotherVersionChangesNothing)
{
    std::string base = factory();
    std::string body = base.substr(base.find('\n', 2) + 1);
    write_file(at("old.prf"), "I\n510 version\n" + body);
    write_file(at("old.sit"), "I\n510 version\n" + body);
    write_file(at("foreign.sit"), "hello\n");
    const struct {
        std::string path;
        int kind, fatal;
        std::string notice;   // empty: none
    } cases[] = {
        {at("old.prf"), kind_text, 0, ""},
        {at("missing.prf"), kind_text, 0, ""},
        {at("old.sit"), kind_situation, 1,
         "The following situation file is the wrong version for this version of Volanto:\n\n" + at("old.sit") +
             "\n\nI did not open it, so the flight goes on as it was.\n\n"
             "Only situations saved by this version of Volanto can be opened."},
        {at("foreign.sit"), kind_situation, 1,
         "I could not open the following situation file:\n\n" + at("foreign.sit") +
             "\n\nEither it is missing, or it is not really a situation file.\n\nThe flight goes on as it was."},
    };
    change_every_value(find_airport("KLAX"));
    std::string before = dumped("before.prf");
    for (const auto& c : cases) {
        int boxes = host_test_message_box_count();
        EXPECT_EQ(grab_prefs(c.path.c_str(), c.kind, c.fatal), 0) << c.path;
        EXPECT_EQ(dumped("after.prf"), before) << c.path;
        if (c.notice.empty()) {
            EXPECT_EQ(host_test_message_box_count(), boxes) << c.path;
        } else {
            EXPECT_EQ(host_test_message_box_count(), boxes + 1) << c.path;
            EXPECT_EQ(std::string(host_test_last_message_box()), c.notice);
        }
    }
}

// Files cut short or holding a word for a number: the cases each reader meets.
static std::vector<std::pair<std::string, std::string>> damaged_files(const std::vector<std::string>& lines,
                                                                      const std::string& path)
{
    return {
        {"I\n511 version\n", path},
        {joined(std::vector<std::string>(lines.begin(), lines.begin() + 4)), "path"},
        {joined(std::vector<std::string>(lines.begin(), lines.begin() + 100)), path},
        {joined(std::vector<std::string>(lines.begin(), lines.end() - 1)), path},
        {with_values(joined(lines), {{6, "noon"}}), path},
        {with_values(joined(lines), {{48 + 3, "0 1 x"}}), path},
    };
}

// The preferences at start-up end the program with the scanners' alert,
// labelled with the path (the airport ID's with "path").
TEST_F(PrefsDeathTest, APreferencesFileCutShortIsAScanningError)
{
    std::string path = at("cut.prf");
    for (const auto& c : damaged_files(lines_of(factory()), path)) {
        write_file(path, c.first);
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                grab_prefs(path.c_str(), kind_text, 0);
                exit(3);
            },
            ::testing::ExitedWithCode(1), "")
            << c.first.size() << " bytes";
        EXPECT_EQ(read_file("Error.out"), "File-scanning error!\n\nfile:\n" + c.second + "\nend simulation\n")
            << c.first.size() << " bytes";
    }
}

// A situation the user opens is told of, and the flight goes on as it was:
// nothing the reading had already taken stays.
TEST_F(Prefs, ASituationCutShortIsANoticeAndChangesNothing)
{
    std::string path = at("cut.sit");
    std::vector<std::string> lines = lines_of(factory());
    change_every_value(find_airport("KLAX"));
    std::string before = dumped("before.prf");
    for (const auto& c : damaged_files(lines, path)) {
        write_file(path, c.first);
        int boxes = host_test_message_box_count();
        EXPECT_EQ(grab_prefs(path.c_str(), kind_situation, 1), 0) << c.first.size() << " bytes";
        EXPECT_EQ(dumped("after.prf"), before) << c.first.size() << " bytes";
        EXPECT_EQ(host_test_message_box_count(), boxes + 1);
        EXPECT_EQ(std::string(host_test_last_message_box()),
                  "I could not read the following situation file:\n\n" + path +
                      "\n\nIt is cut short, or holds a value that does not read.\n\nThe flight goes on as it was.");
        // The next file reads as ever.
        EXPECT_EQ(scan_soft, 0);
    }
    write_file(path, joined(lines));
    EXPECT_EQ(grab_prefs(path.c_str(), kind_situation, 1), 1);
}

// ---- the start airport -------------------------------------------------------------

static std::string airport(const char* id) { return "1   100 0 0 " + std::string(id) + " Field\n"; }

static std::string runway(float lat, float lon)
{
    char line[200];
    snprintf(line, sizeof line, "10  %.6f %.6f 09 x  90.00 5000 100 1111111\n", lat, lon);
    return line;
}

// A world of its own: apt.dat from body, read from the scratch program folder.
static void load_airports(const std::string& body)
{
    std::filesystem::create_directories(at("additional nav data"));
    write_file(at("additional nav data/apt.dat"), "I\n500 version\n" + body + "99\n");
    snprintf(app_path, path_max, "%s", test_scratch_folder());
    read_apt_dat();
}

// The chosen airport is the last match that has a runway; an ID with none,
// or with no match, is the first airport that has one. The runway is always
// the chosen airport's.
TEST_F(Prefs, TheStartAirportIsTheLastMatchWithARunway)
{
    std::string base = factory();
    const struct {
        const char* what;
        std::string world;
        const char* id;
        int want;
    } cases[] = {
        {"last match without runway", airport("KAAA") + runway(30, -100) + airport("KSBD") + runway(31, -101) +
                                          runway(31.5f, -101) + airport("KSBD"),
         "KSBD", 1},
        {"two matches with runways", airport("KSBD") + runway(30, -100) + airport("KSBD") + runway(31, -101), "KSBD", 1},
        {"first airport without runway", airport("KSBD") + airport("KAAA") + runway(30, -100), "KSBD", 1},
        {"no match", airport("KAAA") + runway(30, -100) + airport("KBBB") + runway(31, -101), "ZZZZ", 0},
        {"four characters compared", airport("KAAA") + runway(30, -100) + airport("KBBB") + runway(31, -101), "KBBBX", 1},
    };
    for (const auto& c : cases) {
        load_airports(c.world);
        write_file(at("case.prf"), with_values(base, {{3, c.id}, {4, "0"}}));
        ASSERT_EQ(grab_prefs(at("case.prf").c_str(), kind_text, 0), 1) << c.what;
        EXPECT_EQ(msc.apt_sel, c.want) << c.what;
        EXPECT_EQ(msc.rwy_sel, apt_lo_ind[c.want]) << c.what;
        EXPECT_LE(msc.rwy_sel, apt_hi_ind[c.want]) << c.what;
        EXPECT_FLOAT_EQ(flt.lat, rwy_lat[msc.rwy_sel]) << c.what;
        EXPECT_EQ(env.reg_lat, intround(flt.lat - 1.0f)) << c.what;

        hard_prefs();   // the factory start looks for KSBD the same way
        if (strcmp(c.id, "KSBD") == 0) EXPECT_EQ(msc.apt_sel, c.want) << c.what << ", factory start";
        else EXPECT_EQ(msc.apt_sel, 0) << c.what << ", factory start";
    }
}

// No airport with a runway leaves nowhere to start: fatal, for the factory
// start and for a file read alike.
TEST_F(PrefsDeathTest, NoAirportWithARunwayIsFatal)
{
    std::string base = factory();
    write_file(at("case.prf"), base);
    const std::string alert = "The airport file apt.dat holds no airport with a runway!\n"
                              "I need a runway to start the flight on, and found none in the file at this path:\n" +
                              at("additional nav data/apt.dat") +
                              "\nReplace it with the file that came with the program.\nend simulation\n";
    for (const std::string& world : {std::string(), airport("KSBD") + airport("KAAA")}) {
        load_airports(world);
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                hard_prefs();
                exit(3);
            },
            ::testing::ExitedWithCode(1), "");
        EXPECT_EQ(read_file("Error.out"), alert);
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                grab_prefs(at("case.prf").c_str(), kind_text, 0);
                exit(3);
            },
            ::testing::ExitedWithCode(1), "");
        EXPECT_EQ(read_file("Error.out"), alert);
    }
}
