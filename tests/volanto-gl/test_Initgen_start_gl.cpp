// The simulator's start-up in a real window on the shipped data, each test
// in a fresh configuration folder: the factory start, preferences that name
// another airport, reset the radios or name an aircraft that is missing or
// damaged, the joystick notice, and Quit saving the preferences that the
// next start reads.
#include <gtest/gtest.h>

#include "Funct.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "program.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <string>

static const std::string joystick_notice =
    "My system-checking indicates that there are no joysticks on this computer\n"
    "See 'My Computer:Control Panel:Game Devices' if you have a joystick plugged in.\n"
    "Flight control will therefore be with the mouse.\n"
    "Click the mouse in the center of the windshield to toggle between flight-control and regular mouse mode.\n";

static std::string prefs_path(void) { return std::string(test_scratch_folder()) + "config/" + prefs_file_name; }

static int airport(const char* id)
{
    int a = -1;
    get_index_from_id(id, 1, &a);
    return a;
}

// A preferences file as the program writes it: the factory settings with
// change applied, saved through the preferences writer. The world is loaded
// for the airport IDs; everything is cleared again afterwards.
static void write_prefs(const std::function<void(void)>& change)
{
    reset_suite_state();
    set_loader_paths();
    if (!err.is_open()) err.open("Error.out", std::ios::out | std::ios::trunc);
    load_world_databases();
    hard_prefs();
    change();
    ASSERT_EQ(dump_prefs(prefs_path().c_str(), kind_text), 1);
    err.close();
    reset_suite_state();
}

static void start_at(const char* id)
{
    int a = airport(id);
    msc.apt_sel = a;
    msc.rwy_sel = apt_lo_ind[a];
}

// Starts with no stick attached: Enter answers each notice on the way (the
// joystick notice last), so none waits for a user.
static void start_without_stick(int notices = 1)
{
    for (int k = 0; k < notices; k++) {
        if (k > 0) host_test_push_frame_break();   // one Enter for each notice's loop
        host_test_push_key(VK_RETURN, 0);
    }
    start_simulator();
}

TEST(SimulatorStartGl, FactoryStartLoadsTheCessnaTwiceAtKsbdAndOnlyTellsOfTheJoystick)
{
    start_without_stick();
    EXPECT_EQ(error_out(), joystick_notice);
    EXPECT_EQ(set.joy_device, joy_none);
    EXPECT_EQ(host_test_pending_events(), 0) << "the notice took the Enter";
    EXPECT_EQ(msc.apt_sel, airport("KSBD"));
    EXPECT_EQ(msc.rwy_sel, apt_lo_ind[msc.apt_sel]);
    std::string cessna = std::string(PROGRAM_DIR) + default_plane_folder + default_plane_file;
    for (int p = 0; p < 2; p++) {
        EXPECT_STREQ(pln[p].C_file, default_plane_file) << p;
        EXPECT_STREQ(pln[p].C_path, cessna.c_str()) << p;
        EXPECT_EQ(pln[p].numen, 1) << p;
    }
    EXPECT_EQ(pln[1].sweep1[0], pln[0].sweep1[0]);
    EXPECT_EQ(gdone, 0);
    EXPECT_EQ(mnw.XRES, 800);
}

// The factory start is placed by the runway start: 10 m inside the
// threshold of KSBD 06, on its wheels, heading down the runway, and the
// region around it is loaded.
TEST(SimulatorStartGl, FactoryStartStandsTenMetresInsideKsbdRunway06)
{
    start_without_stick();
    int r = msc.rwy_sel;
    EXPECT_EQ(rwy_num[r], 6);
    EXPECT_TRUE(apt_inreg[msc.apt_sel]) << "the region around KSBD is loaded";
    EXPECT_NEAR(flt.psi[0], rwy_hdng[r], 0.5f);
    EXPECT_NEAR(flt.psi[0], 67.0f, 1.5f);
    // Half the runway less 10 m back from its centre, along the heading.
    float cx = X_with_latlon(rwy_lat[r], rwy_lon[r]), cz = Z_with_lat(rwy_lat[r]);
    float back = 0.5f * rwy_len[r] - 10.0f;
    float h = rwy_hdng[r] * con.degtorad;
    EXPECT_NEAR(flt.pos_x[0], cx - back * sinf(h), 1.0f);
    EXPECT_NEAR(flt.pos_z[0], cz + back * cosf(h), 1.0f);
    EXPECT_NEAR(flt.pos_y[0], apt_h[msc.apt_sel] + pln[0].h_eqlbm, 0.05f);
    EXPECT_EQ(error_out(), joystick_notice);
}

// A stick that reads is taken, and nothing is said.
TEST(SimulatorStartGl, AStickAttachedStartsWithoutAnyAlert)
{
    ASSERT_EQ(host_test_joy_attach(), 0);
    start_simulator();
    EXPECT_EQ(set.joy_device, joy_first);
    EXPECT_EQ(error_out(), "");
}

// The radios come from the preferences, unless the avionics stack is on:
// then they start at their fixed frequencies whatever the file held.
TEST(SimulatorStartGl, TheAvionicsStackResetsTheRadiosThePreferencesHeld)
{
    for (int stack : {0, 1}) {
        write_prefs([&] {
            set.avionics_stack = stack;
            nav.nav1 = 10800;
            nav.nav2 = 11000;
            nav.com1 = 11850;
            nav.com2 = 13000;
            nav.adf = 330;
            set.out_cockpit[5] = 1;   // the data-output lists follow the file's selection
        });
        host_test_joy_detach_all();
        host_test_joy_attach();
        start_simulator();
        EXPECT_EQ(set.avionics_stack, stack);
        EXPECT_EQ(nav.nav1, stack ? 11170 : 10800) << stack;
        EXPECT_EQ(nav.nav2, stack ? 11170 : 11000) << stack;
        EXPECT_EQ(nav.com1, stack ? 12100 : 11850) << stack;
        EXPECT_EQ(nav.com2, stack ? 12100 : 13000) << stack;
        EXPECT_EQ(nav.adf, stack ? 210 : 330) << stack;
        EXPECT_EQ(set.cockpit_list[0], 5) << stack;
        EXPECT_EQ(error_out(), "") << stack;
        MACIBM_finishup();
    }
}

TEST(SimulatorStartGl, PreferencesNamingAnotherAirportStartThere)
{
    write_prefs([] { start_at("KRAL"); });
    start_without_stick();
    int a = airport("KRAL");
    ASSERT_GE(a, 0);
    EXPECT_EQ(msc.apt_sel, a);
    EXPECT_EQ(msc.rwy_sel, apt_lo_ind[a]);
    EXPECT_TRUE(apt_inreg[a]) << "the region is the one around KRAL";
    EXPECT_NEAR(flt.pos_y[0], apt_h[a] + pln[0].h_eqlbm, 0.05f);
    EXPECT_EQ(error_out(), joystick_notice);
}

// Aircraft 1 is a second copy of whatever aircraft 0 ended up as, so a
// preferences file naming an aircraft that is gone or damaged starts with
// the Cessna in both slots. The damaged one is named in a notice, which
// comes before the joystick's.
TEST(SimulatorStartGl, AMissingOrDamagedAircraftFallsBackInBothSlots)
{
    struct {
        const char* file;
        const char* bytes;   // nullptr: no such file
        std::string told;
    } cases[] = {
        {"Gone.acf", nullptr, ""},
        {"Damaged.acf", "I\n", "An error occurred during read-in of the aircraft file.\n"
                               "Either the file has been corrupted, or it is not really an aircraft file.\n" +
                                   std::string(test_scratch_folder()) + "Damaged.acf\n" +
                                   "I will load the default Cessna 172 instead.\n"},
    };
    for (auto& c : cases) {
        std::string path = std::string(test_scratch_folder()) + c.file;
        if (c.bytes) write_file(path, c.bytes);
        write_prefs([&] {
            snprintf(pln[0].C_file, sizeof pln[0].C_file, "%s", c.file);
            snprintf(pln[0].C_path, sizeof pln[0].C_path, "%s", path.c_str());
        });
        start_without_stick(c.bytes ? 2 : 1);
        EXPECT_EQ(error_out(), c.told + joystick_notice) << c.file;
        for (int p = 0; p < 2; p++) {
            EXPECT_STREQ(pln[p].C_file, default_plane_file) << c.file << " " << p;
            EXPECT_EQ(pln[p].numen, 1) << c.file << " " << p;
        }
        EXPECT_STREQ(pln[1].C_path, pln[0].C_path) << c.file;
        MACIBM_finishup();
    }
}

// Closing the window quits as the Quit item does: the preferences are saved
// with the airport flown from, and the next start reads them and starts there.
TEST(SimulatorStartGl, AClosedWindowSavesThePreferencesTheNextStartReads)
{
    ASSERT_EQ(read_file(prefs_path()), "");
    start_without_stick();
    start_at("KONT");
    set_fltvars(place_runway, 7);
    host_test_push_event({HE_CLOSE, 0, 0, 0, 0});
    MACIBM_event_proc();
    EXPECT_EQ(gdone, 1);
    EXPECT_NE(read_file(prefs_path()).find("\nKONT\n"), std::string::npos);
    MACIBM_finishup();

    reset_suite_state();
    gdone = 0;
    start_without_stick();
    EXPECT_EQ(msc.apt_sel, airport("KONT"));
    EXPECT_EQ(error_out(), joystick_notice) << "the saved file reads whole";
}
