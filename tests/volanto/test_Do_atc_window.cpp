// The ATC list without a window, drawn into the software picture: the calls
// shown and suggested over a table of plans and aircraft states, the
// check-in for each controller, what each call does, the pick lists' kinds
// and region, their columns and the cursor's last column, an empty cell, the
// ATIS spoken, the cursor under the mouse and held to the list, and "say
// again" from the buffer it rewrites; last, the controllers' answers to the
// calls and to the picked requests.
#include <gtest/gtest.h>

#include "Do_atc.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Windows.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

const int shown = 48, suggested = 57;

int opened_window;
void record_window(int id) { opened_window = id; }

// ---- a small region of its own ------------------------------------------------------

int add_airport(const char* id, const char* name, float lat, float lon, int towered, int in_region)
{
    int a = ++apt_wrl_max;
    snprintf(apt_id[a], sizeof apt_id[a], "%s", id);
    snprintf(apt_name[a], sizeof apt_name[a], "%s", name);
    apt_h[a] = 300;
    apt_twr[a] = towered;
    apt_inreg[a] = in_region;
    int r = ++rwy_wrl_max;
    apt_lo_ind[a] = apt_hi_ind[a] = r;
    rwy_num[r] = 6;
    rwy_lcr[r] = 'x';
    rwy_hdng[r] = 67;
    rwy_lat[r] = lat;
    rwy_lon[r] = lon;
    return a;
}

int add_navaid(int slot, int type, const char* name, float lat, float lon, int in_region)
{
    if (slot > nav_wrl_max) nav_wrl_max = slot;
    nav_type[slot] = type;
    snprintf(nav_name[slot], sizeof nav_name[slot], "%s", name);
    nav_lat[slot] = lat;
    nav_lon[slot] = lon;
    nav_h[slot] = 300;
    nav_hdng[slot] = 67;
    nav_inreg[slot] = in_region;
    return slot;
}

int sbd, rei, ont, lax;

// San Bernardino (towered) the start, Ontario the destination, Redlands
// without a tower, Los Angeles outside the region. The four ship slots are
// ILS localizers in the region, as a placed carrier's are.
void make_world(void)
{
    start_panel_picture();
    snprintf(app_path, path_max, "%s", test_scratch_folder());
    std::remove((std::string(test_scratch_folder()) + "WORLD.RWX").c_str());
    env.reg_lat = 33;
    env.reg_lon = -118;
    atm.cloud_type = 1;
    atm.visibility = 10 * con.nmtomtrs;
    atm.sl_temp = 59;
    atm.dewpoint = 50;
    atm.baro_sl = 29.92f;
    pln[0].us_alt = 1;
    snprintf(pln[0].tailnum, sizeof pln[0].tailnum, "N123AB");
    snprintf(atc.callsign, sizeof atc.callsign, "Cessna");

    apt_wrl_max = rwy_wrl_max = -1;
    nav_wrl_max = world_nav_first - 1;
    sbd = add_airport("KSBD", "San Bernardino International", 34.095f, -117.235f, 1, 1);
    rei = add_airport("KREI", "Redlands Municipal", 34.085f, -117.146f, 0, 1);
    ont = add_airport("KONT", "Ontario International", 34.057f, -117.601f, 1, 1);
    lax = add_airport("KLAX", "Los Angeles International", 33.94f, -118.41f, 1, 0);
    apt_lcl_max = -1;
    for (int a : {sbd, rei, ont}) apt_to_index[++apt_lcl_max] = a;   // the region's own list
    for (int s = 0; s < world_nav_first; s++) add_navaid(s, navaid_ils, "Ship localizer", 33.5f, -117.9f, 1);
    add_navaid(4, navaid_ils, "San Bernardino ILS 06", 34.09f, -117.24f, 1);
    add_navaid(5, navaid_localizer, "Redlands localizer 08", 34.08f, -117.15f, 1);
    add_navaid(6, navaid_ils, "Los Angeles ILS 24R", 33.94f, -118.41f, 0);
    add_navaid(7, navaid_vor, "Paradise VORTAC", 33.92f, -117.53f, 1);

    msc.apt_sel = sbd;
    atc.dest_apt = ont;
    flt.on_ground = 1;
    msc.speech_ok = 0;
    set.atc_text = 1;
    msc.sim_time = 100;
    snprintf(fpl.departure, sizeof fpl.departure, "KMMM");
    opened_window = -1;
    atc.menu_on = 1;
}

void in_the_air(void) { flt.on_ground = 0; }
void filed(int picked_up)
{
    fpl.filed = 1;
    fpl.active = picked_up;
}

// ---- what was drawn ------------------------------------------------------------------

void draw_list(void)
{
    memset(rgb_array, 0, rgb_array_bytes);
    plot_atc_options(0);
}

float row_y(int i) { return 540 - 10.0f * (float)i; }

// Each row of the calls: '0' unlit, '1' lit in the shown colour, '2' in the
// suggested one, '?' anything else. The cursor's frame lies outside the
// text's dots and inside x 10 and 410.
std::string drawn_states(void)
{
    std::string out;
    for (int i = 0; i < atc_menu_rows; i++) {
        std::set<int> lit;
        for (int y = (int)row_y(i); y < (int)row_y(i) + 7; y++)
            for (int x = 11; x < 410; x++)
                if (rgb_colour(x, y) >= 0) lit.insert(rgb_colour(x, y));
        char c = '?';
        if (lit.empty()) c = '0';
        else if (lit == std::set<int>{shown}) c = '1';
        else if (lit == std::set<int>{suggested}) c = '2';
        out += c;
    }
    return out;
}

// The texts of the calls with this fixture's tail number and start airport.
const char* const call_texts[atc_menu_rows] = {
    "File flight plan",
    "Amend flight plan",
    "Get ATIS...",
    nullptr,
    "N123AB would like to pick up my flight plan.",
    "N123AB would like to close my flight plan.",
    nullptr,   // the check-in: by the plan's state
    "N123AB say again please.",
    nullptr,
    "N123AB request taxi to active San Bernardino International",
    "N123AB request take off San Bernardino International",
    "N123AB request vectors...",
    "N123AB request landing...",
    "N123AB request I L S...",
    "N123AB request localizer...",
    "N123AB request precision approach radar approach...",
    nullptr,
    "N123AB Wind check please!",
    "N123AB Going missed approach.",
    "N123AB DECLARING AN EMERGENCY, REQUEST VECTORS NEAREST FIELD!",
};

// What differs between the pick list drawn and these names from its first
// cell down and across, each ending at its cut, the cell after the last
// empty; "" when they agree.
std::string pick_list_differs(const std::vector<std::string>& names)
{
    for (size_t n = 0; n <= names.size(); n++) {
        int x = 20 + 150 * (int)(n / 20), y = (int)row_y((int)(n % 20));
        std::string name = n < names.size() ? names[n] : "";
        std::string want = name + "  ";
        if (!rgb_shows(x, y, want.c_str(), 6))
            return "entry " + std::to_string(n) + ": " + rgb_text(x, y, (int)want.size(), 6);
    }
    return "";
}

}  // namespace

class AtcList : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_startwind = shell.MACIBM_startwind;
        shell.MACIBM_startwind = record_window;
        make_world();
    }
    void TearDown() override { shell.MACIBM_startwind = saved_startwind; }
    void (*saved_startwind)(int) = nullptr;
};

// ---- the calls shown --------------------------------------------------------------------

TEST_F(AtcList, TheCallsShownAndSuggestedFollowThePlanAndTheAircraft)
{
    const struct {
        const char* name;
        std::function<void(void)> state;
        const char* rows;        // row 0 first
        const char* check_in;    // row 6's text, where shown
        int cursor;
    } cases[] = {
        {"no plan, on the ground at a towered start", nullptr, "20100000011000000100", nullptr, 0},
        {"no plan, on the ground at an untowered start", [] { msc.apt_sel = rei; }, "20100000000000000100",
         nullptr, 0},
        {"no plan, a start outside the table", [] { msc.apt_sel = apt_wrl_max + 1; }, "20100000000000000100",
         nullptr, 9},
        {"no plan, in the air, the controller has spoken",
         [] {
             in_the_air();
             snprintf(atc.ctrl_text, sizeof atc.ctrl_text, "Cessna one two three alpha bravo wind calm.");
         },
         "20100001000111110111", nullptr, 7},
        {"filed, not picked up", [] { filed(0); }, "01102000011000000100", nullptr, 4},
        {"picked up, cleared on the ground: taxi and take-off awaited",
         [] {
             filed(1);
             atc.plan_state = 3;
         },
         "01100100022000000100", nullptr, 10},
        {"picked up, cleared at an untowered field",
         [] {
             filed(1);
             atc.plan_state = 3;
             msc.apt_sel = rei;
         },
         "01100100000000000100", nullptr, 0},
        {"picked up, handed to departure",
         [] {
             filed(1);
             in_the_air();
             atc.plan_state = 4;
             atc.checkin_due = 1;
         },
         "01100120000111110111", "San Bernardino International departure N123AB with you.", 6},
        {"no plan, handed off by a controller in passing",
         [] {
             in_the_air();
             atc.checkin_due = 1;
         },
         "20100010000111110111", "N123AB with you.", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        make_world();
        if (c.state) c.state();
        atc.menu_row = c.cursor;
        draw_list();
        EXPECT_EQ(drawn_states(), c.rows);
        for (int i = 0; i < atc_menu_rows; i++) {
            if (c.rows[i] == '0') continue;
            const char* text = i == 6 ? c.check_in : call_texts[i];
            ASSERT_NE(text, nullptr) << "row " << i;
            EXPECT_TRUE(rgb_shows(12, (int)row_y(i), text, 6))
                << "row " << i << ": " << rgb_text(12, (int)row_y(i), (int)strlen(text), 6);
        }
        int colour = c.rows[c.cursor] == '2' ? suggested : shown;
        EXPECT_EQ(rgb_colour(10, (int)row_y(c.cursor)), colour) << "the cursor's frame, left";
        EXPECT_EQ(rgb_colour(300, (int)row_y(c.cursor) - 2), colour) << "the cursor's frame, below";
        EXPECT_EQ(rgb_colour(410, (int)row_y(c.cursor) + 7), colour) << "the cursor's frame, right";
    }
}

TEST_F(AtcList, TheCheckInNamesTheControllerWaitingForIt)
{
    const struct {
        int plan_state, plan_filed;
        int destination;
        const char* text;
    } cases[] = {
        {4, 1, ont, "San Bernardino International departure N123AB with you."},
        {5, 1, ont, "Center, N123AB with you."},
        {6, 1, ont, "Ontario International approach N123AB with you inbound."},
        {7, 1, ont, "Ontario International tower N123AB with you inbound."},
        {9, 1, ont, "Ontario International ground N123AB clear active."},
        {8, 1, ont, "N123AB with you."},
        {0, 0, ont, "N123AB with you."},
        {6, 1, -1, " approach N123AB with you inbound."},   // no destination found: no name read
    };
    for (const auto& c : cases) {
        make_world();
        in_the_air();
        fpl.filed = fpl.active = c.plan_filed;
        atc.plan_state = c.plan_state;
        atc.dest_apt = c.destination;
        atc.checkin_due = 1;
        draw_list();
        EXPECT_EQ(drawn_states()[6], c.plan_filed ? '2' : '1') << c.plan_state;
        EXPECT_TRUE(rgb_shows(12, (int)row_y(6), c.text, 6))
            << c.plan_state << ": " << rgb_text(12, (int)row_y(6), (int)strlen(c.text), 6);
    }
}

// ---- the calls made ---------------------------------------------------------------------

TEST_F(AtcList, EachCallDoesItsPartAndAHiddenOneOnlyHidesTheList)
{
    const char* closed = "N123AB flight plan closed. Squawk 1 2 0 0. Good day.";
    static const char* said = "Cessna one two three alpha bravo taxi runway 0 6.";
    const struct {
        const char* name;
        int row;
        std::function<void(void)> before;
        int menu_on, menu_level;
        std::function<void(void)> check;
    } cases[] = {
        {"file: the start departs and the form opens", 0, nullptr, 0, 0,
         [] {
             EXPECT_STREQ(fpl.departure, "KSBD");
             EXPECT_EQ(opened_window, win_flight_plan);
         }},
        {"file from outside the table: the form opens, the departure stays", 0,
         [] { msc.apt_sel = apt_wrl_max + 1; }, 0, 0,
         [] {
             EXPECT_STREQ(fpl.departure, "KMMM");
             EXPECT_EQ(opened_window, win_flight_plan);
         }},
        {"amend", 1, [] { filed(1); }, 0, 0,
         [] {
             EXPECT_STREQ(fpl.departure, "KMMM");
             EXPECT_EQ(opened_window, win_flight_plan);
         }},
        {"amend without a plan: hidden", 1, nullptr, 0, 0, [] { EXPECT_EQ(opened_window, -1); }},
        {"file with a plan filed: hidden", 0, [] { filed(0); }, 0, 0,
         [] {
             EXPECT_EQ(opened_window, -1);
             EXPECT_STREQ(fpl.departure, "KMMM");
         }},
        {"ATIS: the airports' list", 2, nullptr, 1, atc_level_atis, nullptr},
        {"row 3 is no call", 3, nullptr, 0, 0, nullptr},
        {"pick up: the clearance comes next", 4,
         [] {
             filed(0);
             atc.plan_state = 5;
         },
         0, 0,
         [] {
             EXPECT_EQ(fpl.active, 1);
             EXPECT_EQ(atc.plan_state, 0);
         }},
        {"pick up once picked up: hidden", 4,
         [] {
             filed(1);
             atc.plan_state = 5;
         },
         0, 0, [] { EXPECT_EQ(atc.plan_state, 5); }},
        {"close", 5,
         [] {
             filed(1);
             atc.vectoring = 1;
         },
         0, 0,
         [closed] {
             EXPECT_EQ(fpl.filed, 0);
             EXPECT_EQ(fpl.active, 0);
             EXPECT_EQ(atc.vectoring, 0);
             EXPECT_STREQ(atc.ctrl_text, closed);
             EXPECT_NEAR(atc.ctrl_text_until, 100 + 0.1f * (float)strlen(closed), 1e-3f);
         }},
        {"close a plan not picked up: hidden", 5, [] { filed(0); }, 0, 0,
         [] {
             EXPECT_EQ(fpl.filed, 1);
             EXPECT_STREQ(atc.ctrl_text, "");
         }},
        {"check in", 6, [] { atc.checkin_due = 1; }, 0, 0, [] { EXPECT_EQ(atc.checkin_due, 0); }},
        {"say again", 7, [] { snprintf(atc.ctrl_text, sizeof atc.ctrl_text, "%s", said); }, 0, 0,
         [] {
             EXPECT_STREQ(atc.ctrl_text, said);
             EXPECT_NEAR(atc.ctrl_text_until, 100 + 0.1f * (float)strlen(said), 1e-3f) << "said once more";
         }},
        {"say again before any phrase: hidden", 7, [] { atc.ctrl_text_until = -1; }, 0, 0,
         [] { EXPECT_EQ(atc.ctrl_text_until, -1); }},
        {"taxi", 9, [] { atc.vectoring = 1; }, 0, 0, [] { EXPECT_EQ(atc.vectoring, 0); }},
        {"take off", 10, [] { atc.vectoring = 1; }, 0, 0, [] { EXPECT_EQ(atc.vectoring, 0); }},
        {"taxi from an untowered start: hidden", 9,
         [] {
             msc.apt_sel = rei;
             atc.vectoring = 1;
         },
         0, 0, [] { EXPECT_EQ(atc.vectoring, 1); }},
        {"vectors: the list stays up", 11,
         [] {
             in_the_air();
             atc.vectoring = 1;
         },
         1, atc_level_vectors, [] { EXPECT_EQ(atc.vectoring, 0); }},
        {"landing", 12, in_the_air, 1, atc_level_landing, nullptr},
        {"ILS", 13, in_the_air, 1, atc_level_ils, nullptr},
        {"localizer", 14, in_the_air, 1, atc_level_loc, nullptr},
        {"precision approach radar", 15, in_the_air, 1, atc_level_par, nullptr},
        {"vectors on the ground: hidden", 11, [] { atc.vectoring = 1; }, 0, 0,
         [] { EXPECT_EQ(atc.vectoring, 1); }},
        {"row 16 is no call", 16, in_the_air, 0, 0, nullptr},
        {"wind check", 17, nullptr, 0, 0, nullptr},
        {"missed approach", 18, in_the_air, 0, 0, nullptr},
        {"emergency", 19, in_the_air, 0, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        make_world();
        if (c.before) c.before();
        atc.menu_row = c.row;
        plot_atc_options(1);
        EXPECT_EQ(atc.menu_on, c.menu_on);
        EXPECT_EQ(atc.menu_level, c.menu_level);
        EXPECT_EQ(atc.menu_row, c.row) << "the cursor stays";
        if (c.check) c.check();
    }
}

// ---- the pick lists ----------------------------------------------------------------------

// Each list takes the region's airports or navaids of its kind, in table
// order, never the ships' moving localizers; PAR names are cut to 8.
TEST_F(AtcList, EachPickListHoldsTheRegionsAirportsOrNavaidsOfItsKind)
{
    const struct {
        int level;
        std::vector<int> airports, navaids;
        std::vector<std::string> names;
    } cases[] = {
        {atc_level_atis, {sbd, ont}, {}, {"San Bernardino Internati", "Ontario International"}},
        {atc_level_vectors, {sbd, rei, ont}, {}, {"San Bernardino Internati", "Redlands Municipal", "Ontario International"}},
        {atc_level_landing, {sbd, ont}, {}, {"San Bernardino Internati", "Ontario International"}},
        {atc_level_ils, {}, {4}, {"San Bernardino ILS 06"}},
        {atc_level_loc, {}, {5}, {"Redlands localizer 08"}},
        {atc_level_par, {}, {4}, {"San Bern"}},
        {3, {}, {}, {}},
        {atc_level_options, {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        make_world();
        in_the_air();
        atc.menu_level = c.level;
        for (int a = -1; a <= apt_wrl_max + 1; a++) {
            int want = 0;
            for (int k : c.airports) want |= k == a;
            EXPECT_EQ(use_apt(a), want) << "airport " << a;
        }
        EXPECT_EQ(use_apt(world_apt_max), 0);
        for (int n = -1; n <= nav_wrl_max + 1; n++) {
            int want = 0;
            for (int k : c.navaids) want |= k == n;
            EXPECT_EQ(use_nav(n), want) << "navaid " << n;
        }
        EXPECT_EQ(use_nav(world_nav_max), 0);
        if (c.level == atc_level_options) continue;

        atc.menu_row = 19;
        atc.menu_col = 4;
        draw_list();
        EXPECT_EQ(pick_list_differs(c.names), "");
        // The cursor's cell frame.
        EXPECT_EQ(rgb_colour(617, 350), shown);
        EXPECT_EQ(rgb_colour(765, 348), shown);
        EXPECT_EQ(rgb_colour(700, 358), shown);
    }
}

// A pick list of 130 runs on in columns of 20 past the view's edge; the
// cursor stops at the fifth column, so the 101st airport on is out of reach.
TEST_F(AtcList, PickListsRunOnInColumnsButTheCursorStopsAtTheFifth)
{
    apt_wrl_max = rwy_wrl_max = -1;
    char id[8], name[40];
    for (int k = 0; k < 130; k++) {
        snprintf(id, sizeof id, "K%03d", k);
        snprintf(name, sizeof name, "Airport %03d", k);
        add_airport(id, name, 34 + 0.001f * (float)k, -117.5f, 1, 1);
    }
    atc.menu_level = atc_level_atis;
    draw_list();
    EXPECT_TRUE(rgb_shows(20, 540, "Airport 000", 6));
    EXPECT_TRUE(rgb_shows(20, 350, "Airport 019", 6));
    EXPECT_TRUE(rgb_shows(170, 540, "Airport 020", 6));
    EXPECT_TRUE(rgb_shows(620, 350, "Airport 099", 6));
    EXPECT_TRUE(rgb_shows(770, 540, "Airp", 6)) << "the sixth column starts at the edge";

    const struct {
        float mouse_x, mouse_y;
        const char* spoken;   // the airport of the ATIS
    } cells[] = {
        {30, 545, "Airport 000 information "},
        {180, 355, "Airport 039 information "},
        {630, 350, "Airport 099 information "},
        {790, 545, "Airport 080 information "},   // over the sixth column: the fifth's
    };
    for (const auto& c : cells) {
        atc.menu_on = 1;
        mnw.mx = c.mouse_x;
        mnw.my = c.mouse_y;
        plot_atc_options(1);
        EXPECT_EQ(atc.menu_on, 0);
        EXPECT_EQ(std::string(atc.ctrl_text).rfind(c.spoken, 0), 0u) << atc.ctrl_text;
    }
}

TEST_F(AtcList, AnEmptyCellOnlyHidesTheList)
{
    atc.menu_level = atc_level_atis;   // two airports
    const struct {
        int col, row;
        int spoken;
    } cells[] = {{0, 1, 1}, {0, 2, 0}, {1, 0, 0}, {4, 19, 0}};
    for (const auto& c : cells) {
        atc.menu_on = 1;
        atc.ctrl_text[0] = 0;
        atc.menu_col = c.col;
        atc.menu_row = c.row;
        plot_atc_options(1);
        EXPECT_EQ(atc.menu_on, 0);
        EXPECT_EQ(atc.menu_level, atc_level_atis);
        EXPECT_EQ(atc.ctrl_text[0] != 0, c.spoken == 1) << c.col << ", " << c.row;
    }
}

// The ATIS of the airport picked, under a letter drawn from A to Z.
TEST_F(AtcList, TheAtisListSpeaksThePickedAirportsAtis)
{
    std::set<char> letters;
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        rnd15_seed(seed);
        char letter = code_to_char(intrand(11, 36));
        letters.insert(letter);
        char want[atc_text_max];
        get_ATIS(ont, letter, want, 1);
        ASSERT_EQ(std::string(want).rfind("Ontario International information ", 0), 0u) << want;

        make_world();
        rnd15_seed(seed);
        atc.menu_level = atc_level_atis;
        atc.menu_row = 1;
        plot_atc_options(1);
        EXPECT_STREQ(atc.ctrl_text, want);
        EXPECT_GT(atc.ctrl_text_until, 100);
    }
    EXPECT_GT(letters.size(), 1u) << "the letter is drawn anew";
    for (char l : letters) EXPECT_TRUE(l >= 'A' && l <= 'Z') << l;
}

// ---- the cursor --------------------------------------------------------------------

// The cell follows a mouse that moved more than half a unit since it last
// did; a mouse at rest leaves the arrow keys' cursor where it is.
TEST_F(AtcList, TheCursorFollowsTheMouseOnlyWhenItMoves)
{
    atc.menu_level = atc_level_vectors;
    const struct {
        float x, y;
        int row_before, col_before;   // as the arrow keys left them
        int row, col;
    } steps[] = {
        {0, 0, 3, 2, 3, 2},            // the mouse where it started: at rest
        {100, 500, 3, 2, 4, 0},
        {100.4f, 500.4f, 7, 1, 7, 1},  // not half a unit
        {100.4f, 499.4f, 7, 1, 4, 0},  // over half a unit from where it was followed
        {16, 548, 7, 1, 0, 0},         // left of and above the first cell: truncated toward it
        {168, 537, 0, 0, 1, 1},
        {767, 530, 0, 0, 1, 4},        // (767 - 17) / 150 = 5: the last column
        {400, 300, 0, 0, 19, 2},       // below the last row
        {-500, 9000, 5, 3, 0, 0},
        {1e30f, -1e30f, 0, 0, 19, 4},
    };
    for (const auto& s : steps) {
        atc.menu_row = s.row_before;
        atc.menu_col = s.col_before;
        mnw.mx = s.x;
        mnw.my = s.y;
        draw_list();
        EXPECT_EQ(atc.menu_row, s.row) << s.x << ", " << s.y;
        EXPECT_EQ(atc.menu_col, s.col) << s.x << ", " << s.y;
    }
}

// Whatever left the cursor outside the list, drawing and acting hold it to
// rows 0..19 and columns 0..4 first, on the options as in a pick list.
TEST_F(AtcList, ACursorOutsideTheListIsHeldToItBeforeDrawingOrActing)
{
    const struct {
        int level, row, col;
        int held_row, held_col;
    } cases[] = {
        {atc_level_options, -3, 7, 0, 4},      {atc_level_options, 20, -1, 19, 0},
        {atc_level_options, INT_MAX, 0, 19, 0}, {atc_level_vectors, INT_MIN, INT_MAX, 0, 4},
        {atc_level_par, 25, 5, 19, 4},
    };
    for (const auto& c : cases) {
        for (int click : {0, 1}) {
            make_world();
            in_the_air();
            filed(1);   // row 0 hidden: acting on it only hides the list
            atc.menu_level = c.level;
            atc.menu_row = c.row;
            atc.menu_col = c.col;
            memset(rgb_array, 0, rgb_array_bytes);
            plot_atc_options(click);
            EXPECT_EQ(atc.menu_row, c.held_row) << c.level << " " << c.row << " " << c.col << " " << click;
            EXPECT_EQ(atc.menu_col, c.held_col) << c.level << " " << c.row << " " << c.col << " " << click;
            if (click == 0 && c.level == atc_level_options) {
                EXPECT_EQ(rgb_colour(10, (int)row_y(c.held_row)), shown) << "the frame on the row held to";
            }
            if (click == 1) {
                EXPECT_EQ(atc.menu_on, 0);
            }
        }
    }
}

// ---- the controllers' answers --------------------------------------------------------------

namespace {

// The user's opening of every answer.
std::string opening(void)
{
    char text[atc_text_max];
    start_command_string(text, 1);
    return text;
}

std::string runway_of(int airport)
{
    char text[atc_text_max] = "";
    app_current_rway_string(text, airport);
    return text;
}

// The aircraft over a point, at a height above sea level (m); the fields
// lie at 300 m.
void place_aircraft(float lat, float lon, float height)
{
    flt.lat = lat;
    flt.lon = lon;
    flt.pos_x[0] = X_with_latlon(lat, lon);
    flt.pos_z[0] = Z_with_lat(lat);
    flt.pos_y[0] = height;
    flt.on_ground = height < 400;
}

bool starts_with(const std::string& s, const std::string& head) { return s.rfind(head, 0) == 0; }

}  // namespace

TEST_F(AtcList, TheCallsAreAnsweredByTheControllers)
{
    const struct {
        const char* name;
        int row;
        std::function<void(void)> before;
        std::function<void(void)> check;
    } cases[] = {
        {"taxi", 9, [] { place_aircraft(34.095f, -117.235f, 300); },
         [] { EXPECT_EQ(atc.ctrl_text, opening() + "taxi " + runway_of(sbd) + "."); }},
        {"take off", 10, [] { place_aircraft(34.095f, -117.235f, 300); },
         [] {
             EXPECT_EQ(atc.ctrl_text, opening() + "fly runway heading cleared for take off " + runway_of(sbd) + ".");
         }},
        {"wind check", 17, nullptr, [] { EXPECT_EQ(atc.ctrl_text, opening() + "wind calm."); }},
        {"missed approach: the plan closes", 18,
         [] {
             place_aircraft(34.0f, -117.4f, 1500);
             filed(1);
         },
         [] {
             EXPECT_EQ(atc.ctrl_text,
                       opening() + "understand missed approach. Hold as published. Say intentions when able.");
             EXPECT_EQ(fpl.filed, 0);
             EXPECT_EQ(fpl.active, 0);
         }},
        {"emergency: vectors to the nearest field", 19,
         [] {
             place_aircraft(34.06f, -117.58f, 1500);   // by Ontario
             filed(1);
             atc.plan_state = 5;
         },
         [] {
             std::string said = atc.ctrl_text;
             EXPECT_TRUE(starts_with(said, opening() + "squawk 7 7 0 0 turn ")) << said;
             EXPECT_NE(said.find(" vectors Ontario International, they are about "), std::string::npos) << said;
             EXPECT_EQ(fpl.active, 0);
             EXPECT_EQ(atc.plan_state, 0);
         }},
        {"check in with ground after landing: the plan closes", 6,
         [] {
             place_aircraft(34.057f, -117.601f, 300);
             filed(1);
             atc.plan_state = 9;
             atc.checkin_due = 1;
         },
         [] {
             EXPECT_EQ(atc.ctrl_text, opening() + "taxi to the ramp.");
             EXPECT_EQ(fpl.filed, 0);
             EXPECT_EQ(fpl.active, 0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        make_world();
        rnd15_seed(1);
        if (c.before) c.before();
        atc.menu_row = c.row;
        plot_atc_options(1);
        c.check();
    }
}

TEST_F(AtcList, PickedRequestsAreAnsweredByTheControllers)
{
    const struct {
        const char* name;
        int level, row;
        std::function<void(void)> before;
        std::function<void(void)> check;
    } cases[] = {
        {"vectors to Redlands", atc_level_vectors, 1, nullptr,
         [] {
             std::string said = atc.ctrl_text;
             EXPECT_TRUE(starts_with(said, opening() + "turn ")) << said;
             EXPECT_NE(said.find(" vectors Redlands Municipal. They are about "), std::string::npos) << said;
             EXPECT_NE(said.find(" miles from your current position."), std::string::npos) << said;
         }},
        {"landing at Ontario", atc_level_landing, 1, nullptr,
         [] {
             EXPECT_EQ(atc.ctrl_text,
                       opening() + "wind calm, cleared to land " + runway_of(ont) + " Ontario International.");
         }},
        {"an ILS: vectoring starts", atc_level_ils, 0, nullptr,
         [] {
             EXPECT_EQ(atc.vectoring, 1);
             EXPECT_STREQ(atc.last_request, "request ILSSan Bernardino ILS 06");
             EXPECT_TRUE(starts_with(atc.ctrl_text, opening())) << atc.ctrl_text;
         }},
        {"a localizer", atc_level_loc, 0, nullptr,
         [] {
             EXPECT_EQ(atc.vectoring, 1);
             EXPECT_STREQ(atc.last_request, "request LOCRedlands localizer 08");
         }},
        {"a radar approach", atc_level_par, 0, nullptr,
         [] {
             EXPECT_EQ(atc.vectoring, 1);
             EXPECT_STREQ(atc.last_request, "request PARSan Bernardino ILS 06");
         }},
        // The controller drops a name's last "." and then finds no such airport.
        {"a name no airport matches: silence", atc_level_vectors, 1,
         [] { snprintf(apt_name[rei], sizeof apt_name[rei], "Redlands Muni."); },
         [] {
             EXPECT_STREQ(atc.ctrl_text, "");
             EXPECT_EQ(atc.vectoring, 0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        make_world();
        rnd15_seed(1);
        place_aircraft(33.7f, -117.0f, 2000);   // some 25 nm south-east of the fields, in the air
        flt.ias_kts = 120;
        if (c.before) c.before();
        atc.menu_level = c.level;
        atc.menu_row = c.row;
        plot_atc_options(1);
        EXPECT_EQ(atc.menu_on, 0);
        c.check();
    }
}
