// The simulator's menu commands, with the windows they open and the calls
// they make recorded: every item's window, placement or flag as one table,
// what replay lets through, the runway and navaid picks with their checks,
// views and zoom, aircraft and situation files through the dialog, and
// Quit with the logbook against the golden "Volanto.log".
//
// Regenerating the golden file: run with VOLANTO_REGOLD=1 set, e.g.
//   VOLANTO_REGOLD=1 ctest --test-dir build-test -R Logbook
// then read `git diff tests/data/` and commit it on its own, saying why.
#include <gtest/gtest.h>

#include "Do_atc.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "program.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

static std::vector<std::string> calls;
static void note(const std::string& s) { calls.push_back(s); }

// The dialog's answer: confirmed with this path, or cancelled when empty.
static std::string dialog_path;

static void rec_fltvars(int code, int sub) { note("set_fltvars " + std::to_string(code) + " " + std::to_string(sub)); }
static int rec_load_plane(int p)
{
    note("load_plane " + std::to_string(p) + " " + pln[0].C_path);
    return 1;
}
static void rec_load_region(int mode) { note("load_region " + std::to_string(mode)); }
static int rec_opensave(int mode, int kind, char* name, char* path)
{
    note("opensave " + std::to_string(mode) + " " + std::to_string(kind) + " " + name);
    if (dialog_path.empty()) return 0;
    snprintf(path, path_max, "%s", dialog_path.c_str());
    return 1;
}
static void rec_startwind(int id) { note("window " + std::to_string(id)); }

static std::string at(const std::string& name) { return std::string(test_scratch_folder()) + name; }

static void set_plane_path(const std::string& path)
{
    ASSERT_LT(path.size(), sizeof pln[0].C_path);
    memcpy(pln[0].C_path, path.c_str(), path.size() + 1);
}

// Airport 1 of a small table owns runways 3 to 5 and is the only local
// airport; VORs 10 and 11 and NDB 12 are the local navaids.
struct MenuCommands : ::testing::Test {
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        ogl_ready = 0;
        menu_call = {rec_fltvars, rec_load_plane, rec_load_region, rec_opensave};
        shell.MACIBM_startwind = rec_startwind;
        calls.clear();
        dialog_path.clear();
        apt_wrl_max = 1;
        apt_lo_ind[1] = 3;
        apt_hi_ind[1] = 5;
        snprintf(apt_name[1], sizeof apt_name[1], "Test Field");
        snprintf(apt_id[1], sizeof apt_id[1], "KTST");
        apt_to_index[0] = 1;
        apt_lcl_max = 0;
        nav_wrl_max = 12;
        vor_to_index[0] = 10;
        vor_to_index[1] = 11;
        vor_lcl_max = 1;
        ndb_to_index[0] = 12;
        ndb_lcl_max = 0;
        nav_lat[11] = 34.5f;
        nav_lon[11] = -117.25f;
        nav_h[11] = 600;
        nav_lat[12] = 33.0f;
        nav_lon[12] = -118.0f;
        nav_h[12] = 20;
        msc.vstall = 30;
        env.reg_lat = 33;
        env.reg_lon = -119;
        for (int& g : set.graph_sel) g = -1;
        std::filesystem::create_directories(at("config"));
        snprintf(prf_path, path_max, "%s", prefs_path().c_str());
    }
    static std::string prefs_path(void) { return at("config/") + prefs_file_name; }
    void TearDown() override { shell.MACIBM_startwind = MACIBM_startwind; }
    static std::string only_call(int item)
    {
        calls.clear();
        APPLICATION_handlemenu(item);
        std::string all;
        for (const std::string& c : calls) all += (all.empty() ? "" : "; ") + c;
        return all;
    }
};
using MenuCommandsDeathTest = MenuCommands;

// ---- the table of items -----------------------------------------------------------

TEST_F(MenuCommands, EachItemOpensItsWindowPlacesOrDoesNothing)
{
    set.graph_sel[2] = 5;     // something to graph
    const struct {
        int item;
        std::string call;
        int chart;            // msc.chart_kind after it, 0 unchanged
    } cases[] = {
        {1, "window 26", 0},         {215, "window 6", 0},        {300, "window 7", 0},
        {301, "window 8", 0},        {303, "window 9", 0},        {304, "window 10", 0},
        {306, "window 11", 0},       {309, "window 14", 0},       {311, "window 15", 0},
        {312, "window 16", 0},       {314, "window 17", 0},       {316, "window 19", 0},
        {318, "window 20", 0},       {319, "window 21", 0},       {400, "window 22", 0},
        {401, "window 3", 401},      {402, "window 3", 402},      {403, "window 3", 403},
        {404, "window 3", 404},      {405, "window 23", 0},       {406, "window 4", 0},
        {408, "window 24", 998},     {1200, "window 1", 0},       {1201, "window 2", 0},
        {1300, "window 3", 401},     {1301, "window 3", 404},     {1302, "window 4", 0},
        {1303, "window 5", 0},       {1400, "set_fltvars 1400 0", 0}, {1404, "set_fltvars 1404 0", 0},
        {1500, "set_fltvars 1500 0", 0}, {1502, "set_fltvars 1502 0", 0}, {1600, "set_fltvars 1600 0", 0},
        {1605, "set_fltvars 1605 0", 0}, {1101, "", 0},       {1092, "", 0},
        {200, "", 0},                {206, "", 0},                {302, "", 0},
        {409, "", 0},                {1405, "", 0},               {1503, "", 0},
        {1606, "", 0},               {1700, "", 0},
    };
    for (const auto& c : cases) {
        msc.chart_kind = 0;
        EXPECT_EQ(only_call(c.item), c.call) << c.item;
        EXPECT_EQ(msc.chart_kind, c.chart) << c.item;
    }
    // The diagram names its airport for the window's title.
    APPLICATION_handlemenu(408);
    EXPECT_EQ(msc.diagram_apt, 1);
    EXPECT_STREQ(C_s, "Test Field (KTST)");
}

TEST_F(MenuCommands, FlagsAndTheTrail)
{
    pat.path_time[7] = 3;
    const struct {
        int item;
        int* field;
        int want;
    } cases[] = {
        {527, &grf.graph_shown, 1}, {528, &grf.graph_shown, 0}, {610, &msc.logbook_on, 1},
        {610, &msc.logbook_on, 0},  {600, &set.force_report, 1},
    };
    for (const auto& c : cases) {
        APPLICATION_handlemenu(c.item);
        EXPECT_EQ(*c.field, c.want) << c.item;
    }
    APPLICATION_handlemenu(529);
    EXPECT_EQ(pat.path_time[7], 0);
}

TEST_F(MenuCommands, TheGraphWithNothingChosenIsANotice)
{
    EXPECT_EQ(only_call(400), "");
    EXPECT_EQ(std::string(host_test_last_message_box()).rfind("You have not selected any data to view!\n", 0), 0u);
}

// ---- replay -------------------------------------------------------------------------

TEST_F(MenuCommands, ReplayLetsThroughQuitTheOutputViewAndChartItemsOnly)
{
    set.graph_sel[0] = 1;
    set.replay_speed = 6;
    dialog_path = at("x.sit");
    const int ignored[] = {0, 1, 100, 102, 103, 215, 216, 300, 319, 1000, 1100, 1200, 1303,
                           1400, 1502, 1605, 2000, 12001, 22002};
    for (int item : ignored) EXPECT_EQ(only_call(item), "") << item;
    const struct {
        int item;
        std::string call;
    } allowed[] = {{400, "window 22"}, {401, "window 3"}, {406, "window 4"}, {408, "window 24"}};
    for (const auto& c : allowed) EXPECT_EQ(only_call(c.item), c.call) << c.item;
    APPLICATION_handlemenu(view_chase);
    EXPECT_EQ(set.view_id, view_chase);
    APPLICATION_handlemenu(item_quit);
    EXPECT_EQ(gdone, 1);
}

TEST_F(MenuCommands, LeavingReplayGoesOnFromWhereItWasEntered)
{
    flt.pos_x[0] = 1000.25;
    flt.pos_y[0] = 500;
    flt.pos_z[0] = -2000;
    flt.vel_x = 50;
    flt.vel_z = -3;
    flt.theta[0] = 5;
    flt.psi[0] = 270;
    flt.phi[0] = -10;
    msc.sim_time = 42;
    APPLICATION_handlemenu(item_replay_leave);     // not in replay: nothing
    EXPECT_EQ(set.replay_speed, 0);
    APPLICATION_handlemenu(item_replay_enter);
    EXPECT_EQ(set.replay_speed, replay_stopped_speed);
    EXPECT_EQ(pat.replay_time, 42);
    // The replay moves the aircraft; entering again keeps the first entry.
    flt.pos_x[0] = 0;
    flt.psi[0] = 10;
    set.replay_speed = 6;
    APPLICATION_handlemenu(item_replay_enter);
    EXPECT_EQ(set.replay_speed, 6);
    flt.vel_x = 0;
    flt.theta[0] = flt.phi[0] = 0;
    APPLICATION_handlemenu(item_replay_leave);
    EXPECT_EQ(set.replay_speed, 0);
    EXPECT_EQ(flt.pos_x[0], 1000.25);
    EXPECT_EQ(flt.pos_z[0], -2000);
    EXPECT_EQ(flt.vel_x, 50);
    EXPECT_EQ(flt.vel_z, -3);
    EXPECT_EQ(flt.theta[0], 5);
    EXPECT_EQ(flt.psi[0], 270);
    EXPECT_EQ(flt.phi[0], -10);
}

// ---- placements ---------------------------------------------------------------------

TEST_F(MenuCommands, ARunwayPickTakesTheEntrysRunwayAndEnd)
{
    const struct {
        int item;
        int rwy, reverse;
        std::string call;
    } cases[] = {
        {2000, 3, 0, "set_fltvars 208 7"},  {2003, 4, 1, "set_fltvars 208 7"},
        {12004, 5, 0, "set_fltvars 208 8"}, {22005, 5, 1, "set_fltvars 208 9"},
    };
    for (const auto& c : cases) {
        msc.apt_sel = msc.rwy_sel = msc.rwy_reverse = -1;
        EXPECT_EQ(only_call(c.item), c.call) << c.item;
        EXPECT_EQ(msc.apt_sel, 1) << c.item;
        EXPECT_EQ(msc.rwy_sel, c.rwy) << c.item;
        EXPECT_EQ(msc.rwy_reverse, c.reverse) << c.item;
    }
}

// A pick the lists cannot hold means the menus are out of step with them.
TEST_F(MenuCommandsDeathTest, ARunwayPickOutsideTheListsIsFatal)
{
    const struct {
        int item;
        std::function<void(void)> change;
        std::string alert;
    } cases[] = {
        {2100, [] {}, "Apt sel out of range!\n\n\n1\n"},          // entry 1: the list has one
        {11900, [] {}, "Apt sel out of range!\n\n\n99\n"},
        {2000, [] { apt_to_index[0] = 7; }, "loc_apt_wrl out of range!\n\n\n7\n"},
        {2006, [] {}, "loc_rwy_wrl out of range!\n\n\n6\n"},       // runway 3 + 3 of 3..5
    };
    for (const auto& c : cases) {
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                c.change();
                APPLICATION_handlemenu(c.item);
                exit(3);
            },
            ::testing::ExitedWithCode(1), "")
            << c.item;
        EXPECT_EQ(error_out(), c.alert + "end simulation\n") << c.item;
    }
}

TEST_F(MenuCommands, ANavaidPickFliesOverItAndOneOutsideTheListsDoesNothing)
{
    EXPECT_EQ(only_call(1001), "set_fltvars 209 0");
    EXPECT_EQ(set.place_lat, 34.5f);
    EXPECT_EQ(set.place_lon, -117.25f);
    EXPECT_EQ(set.place_alt, 1600);
    EXPECT_EQ(set.place_hdg, 0);
    EXPECT_EQ(set.place_speed, 45);
    EXPECT_EQ(only_call(1100), "set_fltvars 209 0");
    EXPECT_EQ(set.place_alt, 1020);
    // Past the lists, and a list entry naming no navaid of the table.
    set.place_lat = 0;
    vor_to_index[1] = 9999;
    for (int item : {1002, 1091, 1101, 1191, 1001}) EXPECT_EQ(only_call(item), "") << item;
    EXPECT_EQ(set.place_lat, 0);
}

TEST_F(MenuCommands, GettingLostStaysOverTheRegion)
{
    for (int k = 0; k < 50; k++) {
        ASSERT_EQ(only_call(216), "set_fltvars 102 0");
        ASSERT_TRUE(set.place_lat >= 33 && set.place_lat <= 35) << set.place_lat;
        ASSERT_TRUE(set.place_lon >= -119 && set.place_lon <= -116) << set.place_lon;
        ASSERT_TRUE(set.place_alt >= 2000 && set.place_alt <= 4000);
        ASSERT_TRUE(set.place_hdg >= 0 && set.place_hdg <= 360);
        ASSERT_FLOAT_EQ(set.place_speed, 39);
    }
}

// ---- views and zoom -----------------------------------------------------------------

TEST_F(MenuCommands, AViewResetsTheZoomAndSaysWhetherItLooksAside)
{
    const int ahead[] = {500, 501, 502, 518};
    const int aside[] = {504, 505, 506, 507, 508, 509, 511, 513, 514, 516, 517, 519, 521, 522};
    for (int v : ahead) {
        scn.zoom = 8;
        set.side_view = 1;
        APPLICATION_handlemenu(v);
        EXPECT_EQ(set.view_id, v);
        EXPECT_EQ(scn.zoom, 1);
        EXPECT_EQ(set.side_view, 0) << v;
    }
    for (int v : aside) {
        APPLICATION_handlemenu(v);
        EXPECT_EQ(set.side_view, 1) << v;
    }
    flt.pos_x[0] = 100;
    flt.pos_y[0] = 50;
    flt.pos_z[0] = -10;
    flt.vel_x = 10;
    flt.vel_y = -1;
    flt.vel_z = 2;
    APPLICATION_handlemenu(view_spot);
    EXPECT_EQ(msc.spot_x, 160);
    EXPECT_EQ(msc.spot_y, 66);
    EXPECT_EQ(msc.spot_z, 18);
}

TEST_F(MenuCommands, ZoomStopsAtItsEnds)
{
    APPLICATION_handlemenu(view_forwards);
    std::vector<float> in;
    for (int k = 0; k < 8; k++) {
        APPLICATION_handlemenu(item_zoom_in);
        in.push_back(scn.zoom);
    }
    EXPECT_EQ(in, (std::vector<float>{2, 4, 8, 16, 32, 64, 100, 100}));
    for (int k = 0; k < 8; k++) APPLICATION_handlemenu(item_zoom_out);
    EXPECT_EQ(scn.zoom, 1);

    // The chase camera moves in by steps and stops at twice the aircraft's size.
    scn.plane_size = 10;
    scn.chase_dist = 22;
    for (int v : {view_chase, view_follow, view_follow_2}) {
        APPLICATION_handlemenu(v);
        scn.chase_dist = 22;
        APPLICATION_handlemenu(item_zoom_in);
        EXPECT_FLOAT_EQ(scn.chase_dist, 20.9f) << v;
        APPLICATION_handlemenu(item_zoom_in);
        EXPECT_FLOAT_EQ(scn.chase_dist, 20) << v;
        APPLICATION_handlemenu(item_zoom_out);
        EXPECT_FLOAT_EQ(scn.chase_dist, 21) << v;
        EXPECT_EQ(scn.zoom, 1) << v;
    }
}

// ---- aircraft and situations ----------------------------------------------------------

TEST_F(MenuCommands, OpenAircraftLoadsWhatTheDialogGaveAndStartsOnTheRunway)
{
    snprintf(pln[0].C_file, sizeof pln[0].C_file, "a.acf");
    EXPECT_EQ(only_call(100), "opensave 998 202 a.acf");
    dialog_path = "/planes/b.acf";
    EXPECT_EQ(only_call(100), "opensave 998 202 a.acf; load_plane 0 /planes/b.acf; set_fltvars 208 7; window 0");
}

// The world and the preferences as a start has them, for the situation files.
struct SituationFiles : MenuCommands {
    void SetUp() override
    {
        MenuCommands::SetUp();
        set_loader_paths();
        load_world_databases();
        hard_prefs();
        apt_lcl_max = 0;
    }
    static std::string file_line(const std::string& path, int n)
    {
        std::stringstream in(read_file(path));
        std::string line;
        for (int k = 0; k <= n; k++) std::getline(in, line);
        return line;
    }
};

TEST_F(SituationFiles, SaveThenLoadKeepsTheAircraftPathWhole)
{
    const std::string inside = std::string(app_path) + "planes/Test/Test Plane.acf";
    const struct {
        std::string live;
        std::string saved;     // the aircraft path as the file holds it
    } cases[] = {
        {inside, "planes/Test/Test Plane.acf"},
        {"/elsewhere/Own.acf", "/elsewhere/Own.acf"},
    };
    for (const auto& c : cases) {
        set_plane_path(c.live);
        dialog_path = at("saved.sit");
        EXPECT_EQ(only_call(103), "opensave 999 203 Untitled.sit");
        EXPECT_EQ(std::string(pln[0].C_path), c.live);
        EXPECT_EQ(file_line(dialog_path, 3), c.saved);

        pln[0].C_path[0] = 0;
        EXPECT_EQ(only_call(102), "opensave 998 203 Untitled.sit; load_region 1; load_plane 0 " + c.live +
                                      "; set_fltvars 102 0; window 0");
        EXPECT_EQ(std::string(pln[0].C_path), c.live);
    }
}

TEST_F(SituationFiles, ASituationFromAnotherSystemOrTooLongAPathStillLoads)
{
    set_plane_path(std::string(app_path) + "planes/x.acf");
    dialog_path = at("other.sit");
    APPLICATION_handlemenu(103);
    std::string text = read_file(dialog_path);
    const struct {
        std::string saved;
        std::string loaded;    // empty: no file of it can be opened
    } cases[] = {
        {"planes:Old Mac:x.acf", std::string(app_path) + "planes/Old Mac/x.acf"},
        {"planes\\Old Windows\\x.acf", std::string(app_path) + "planes/Old Windows/x.acf"},
        {std::string(398, 'p'), ""},     // the most a line holds: the folder does not fit before it
    };
    for (const auto& c : cases) {
        std::string body = text;
        size_t line = body.find("planes/x.acf");
        ASSERT_NE(line, std::string::npos);
        body.replace(line, strlen("planes/x.acf"), c.saved);
        write_file(dialog_path, body);
        APPLICATION_handlemenu(102);
        EXPECT_EQ(std::string(pln[0].C_path), c.loaded) << c.saved;
    }
}

TEST_F(SituationFiles, ADamagedSituationIsANoticeAndTheFlightGoesOn)
{
    set_plane_path(std::string(app_path) + "planes/x.acf");
    const std::string live = pln[0].C_path;
    dialog_path = at("good.sit");
    APPLICATION_handlemenu(103);
    std::string text = read_file(dialog_path);
    dialog_path = at("cut.sit");
    for (const std::string& body : {text.substr(0, text.size() / 2), std::string("hello\n")}) {
        write_file(dialog_path, body);
        int boxes = host_test_message_box_count();
        EXPECT_EQ(only_call(102), "opensave 998 203 Untitled.sit") << body.size();
        EXPECT_EQ(host_test_message_box_count(), boxes + 1);
        EXPECT_NE(std::string(host_test_last_message_box()).find(dialog_path), std::string::npos);
        EXPECT_EQ(std::string(pln[0].C_path), live);
    }
}

// ---- quit and the logbook ---------------------------------------------------------

// A flight of an hour and a half, 20 minutes of it at night and 5 in cloud,
// over two placements, in a gusty overcast.
static void logbook_flight(void)
{
    snprintf(atc.callsign, sizeof atc.callsign, "Cessna 1 2 3 4 5");
    msc.logged_time = 5400;
    msc.sim_time = 600;         // the last placement's flight only
    msc.night_time = 1200;
    msc.instrument_time = 300;
    msc.crash_count = 2;
    atm.precip_level = 2;
    atm.storm_level = 1.5f;
    atm.wind_turbulence = 3;
    atm.shear_level = 1;
    atm.cloud_type = 4;
    atm.cloud_base_agl = 914.4f;
    atm.cloud_tops = 3048;
    atm.wind_layer[0][wl_wind_dir] = 240;
    atm.wind_layer[0][wl_wind_speed] = 10;      // knots
    atm.wind_layer[0][wl_shear_dir] = 30;
    atm.wind_layer[0][wl_shear_speed] = 5;
    atm.wind_layer[0][wl_turbulence] = 2;
    flt.mass_now = 1043.3f;
    flt.dist_flown = 81234.5f;
}

TEST_F(MenuCommands, TheLogbookIsTheGoldenFile)
{
    logbook_flight();
    ASSERT_EQ(write_logbook(at("Volanto.log").c_str()), 1);
    EXPECT_EQ(golden_diff("Volanto.log", read_file(at("Volanto.log"))), "");
}

TEST_F(MenuCommands, QuitWithTheLogbookOnTellsTheTimesAndWritesTheFile)
{
    logbook_flight();
    msc.logbook_on = 1;
    APPLICATION_handlemenu(item_quit);
    EXPECT_EQ(gdone, 1);
    EXPECT_EQ(std::string(host_test_last_message_box()),
              "Logbook results: (see much more info in 'Volanto.log' text file!)\n\n"
              "Total time logged: 1:30.\n\nNight time logged: 0:20.\n\nActual instrument time logged: 0:5.");
    std::string log = read_file(logbook_file_name);
    EXPECT_EQ(log.rfind("I\n1 version\ncallsign=                  Cessna 1 2 3 4 5\n", 0), 0u);
    EXPECT_NE(log.find("\ntotal_flight_time(h)=      1.500000\n"), std::string::npos);
}

TEST_F(MenuCommands, QuitWithTheLogbookOffWritesNoLogAndTellsNothing)
{
    int boxes = host_test_message_box_count();
    APPLICATION_handlemenu(item_quit);
    EXPECT_EQ(gdone, 1);
    EXPECT_EQ(host_test_message_box_count(), boxes);
    EXPECT_FALSE(std::filesystem::exists(logbook_file_name));
}

// The new file cannot be made (its place is taken by a folder): the old
// log stays whole, the writer says so, and Quit still ends the program.
TEST_F(MenuCommands, ALogbookThatCannotBeWrittenLeavesTheOldOneAndStillQuits)
{
    write_file(logbook_file_name, "the old log\n");
    std::filesystem::create_directory(std::string(logbook_file_name) + ".new");
    msc.logbook_on = 1;
    APPLICATION_handlemenu(item_quit);
    EXPECT_EQ(gdone, 1);
    EXPECT_EQ(read_file(logbook_file_name), "the old log\n");
    EXPECT_EQ(std::string(host_test_last_message_box())
                  .rfind("I could not save the file! Could the directory that the file sits in be missing?\n\n"
                         "Volanto.log\n", 0),
              0u);
}

TEST_F(MenuCommandsDeathTest, ResetPreferencesLeavesAFileNoStartReadsAndEnds)
{
    std::string path = prefs_path();
    write_file(path, "I\n511 version\nthe old preferences\n");
    EXPECT_EXIT(
        {
            err.open("Error.out", std::ios::out | std::ios::trunc);
            APPLICATION_handlemenu(item_reset_prefs);
            exit(3);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(read_file(path), "I\n-1 version\nz\n\n");
    EXPECT_EQ(error_out().rfind("I have disabled the preferences file.\n", 0), 0u);
    EXPECT_EQ(grab_prefs(path.c_str(), kind_text, 0), 0);
}

TEST_F(MenuCommands, QuitSavesThePreferencesOnlyWithALocalAirportList)
{
    std::string path = prefs_path();
    for (int lcl_max : {-1, 0}) {
        clear_menu_run_state();
        remove(path.c_str());
        apt_lcl_max = lcl_max;
        gdone = 0;
        APPLICATION_handlemenu(item_quit);
        EXPECT_EQ(gdone, 1) << lcl_max;
        EXPECT_EQ(read_file(path).rfind("I\n511 version\n", 0) == 0, lcl_max == 0) << lcl_max;
    }
}
