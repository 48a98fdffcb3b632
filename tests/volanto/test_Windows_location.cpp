// The location windows without a window: the airport-ID alphabet's cells
// and frames, the airport-name window's start and cancel buttons, the
// latitude-longitude fields' write-back and the start at the airport nearest
// the typed point, the "Where Am I?" words and sentence, the flight plan's
// exclusive boxes and fields, and the credits' lines. The managers draw into
// the software picture, read back there.
#include <gtest/gtest.h>

#include "host_test.h"
#include "test_support.h"
#include "volanto_support.h"
#include "Funct.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Windows.h"
#include "records.h"
#include "window_frames.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

const float nm = 1852.0f;
const float rad = (float)(acos(-1.0) / 180);

int airport(const char* id)
{
    int a = -1;
    return get_index_from_id(id, 1, &a) ? a : -1;
}

// The aircraft's place on the ground: 10 m inside runway r's threshold.
void expect_on_runway(int r)
{
    float h = rwy_hdng[r] * rad, half = (rwy_len[r] - 20) / 2;
    EXPECT_NEAR(flt.pos_x[0], X_with_latlon(rwy_lat[r], rwy_lon[r]) - half * sinf(h), 1);
    EXPECT_NEAR(flt.pos_z[0], Z_with_lat(rwy_lat[r]) + half * cosf(h), 1);
}

// An airport at the table's end, with one runway at (lat, lon) or none.
int add_airport(const char* id, float lat, float lon, int with_runway)
{
    int a = apt_wrl_max + 1, r = rwy_wrl_max + 1;
    snprintf(apt_id[a], sizeof apt_id[a], "%s", id);
    snprintf(apt_name[a], sizeof apt_name[a], "Test field %s", id);
    apt_h[a] = 100;
    apt_lo_ind[a] = r;
    apt_hi_ind[a] = with_runway ? r : r - 1;
    apt_wrl_max = a;
    if (with_runway) {
        rwy_lat[r] = lat;
        rwy_lon[r] = lon;
        rwy_hdng[r] = 90;
        rwy_len[r] = 1500;
        rwy_width[r] = 30;
        rwy_num[r] = 9;
        rwy_wrl_max = r;
    }
    return a;
}

}  // namespace

// ---- airport by ID ----------------------------------------------------------------

TEST(AirportById, TheCellUnderTheMouseSetsItsColumnsCharacter)
{
    start_panel_picture();
    window_at_origin(win_airport_id);
    const struct {
        float x, y;
        int clicked, held;
        const char* before;
        const char* after;
    } cases[] = {
        {100, 430, 1, 0, "KSBD", " SBD"},      // above the alphabet: the blank
        {100, 413.5f, 1, 0, "KSBD", " SBD"},   // the blank's cell to its foot
        {100, 413, 1, 0, "KSBD", "0SBD"},      // the next cell's top
        {100, 20, 1, 0, "KSBD", "ZSBD"},       // the last cell
        {100, 2, 1, 0, "KSBD", "ZSBD"},        // below it
        {110, 300, 1, 0, "KSBD", "AABD"},      // an edge two columns share sets both
        {93, 300, 1, 0, "KSBD", "ASBD"},
        {161, 300, 1, 0, "KSBD", "KSBA"},
        {92.5f, 300, 1, 0, "KSBD", "KSBD"},    // beside the columns
        {161.5f, 300, 1, 0, "KSBD", "KSBD"},
        {130, 300, 0, 1, "KSBD", "KSAD"},      // dragged over
        {130, 300, 0, 0, "KSBD", "KSBD"},      // only passing
        {150, 300, 1, 0, "KS", "KS A"},        // a short ID gains blanks up to the column
    };
    for (const auto& c : cases) {
        snprintf(msc.typed_apt_id, sizeof msc.typed_apt_id, "%s", c.before);
        mouse(c.x, c.y, c.clicked, c.held);
        frame(manage_id_);
        EXPECT_STREQ(msc.typed_apt_id, c.after) << c.x << ", " << c.y;
    }
}

// Each column frames its character's cell in yellow: the rows lit on the
// frame's left edge are exactly the cell's frame, and nothing else.
TEST(AirportById, EachColumnFramesItsCurrentCharacter)
{
    start_panel_picture();
    window_at_origin(win_airport_id);
    snprintf(msc.typed_apt_id, sizeof msc.typed_apt_id, "K0 Z");
    const int codes[4] = {21, 1, 0, 36};
    mouse(0, 0, 0);
    frame(manage_id_);
    for (int i = 0; i < 4; i++) {
        int x = 92 + 17 * i, y0 = 411 - 11 * codes[i];
        std::vector<int> rows, want;
        for (int y = 0; y < 440; y++)
            if (rgb_colour(x, y) == 9) rows.push_back(y);
        for (int y = y0; y <= y0 + 13; y++) want.push_back(y);
        EXPECT_EQ(rows, want) << "column " << i;
        EXPECT_EQ(rgb_colour(x + 16, y0 + 6), 9) << "its right edge";
        EXPECT_EQ(rgb_colour(x + 8, y0), 9) << "its foot";
        EXPECT_EQ(rgb_colour(x + 8, y0 + 6), -1) << "its inside";
    }
}

// ---- airport by name, latitude and longitude: over the shipped world ----------------

class LocationWindows : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(stand_cessna_at_ksbd()); }
};

// The start button starts on the chosen airport's first runway and closes
// the window; cancel only closes it; an airport without a runway only
// closes it too. Each case begins where the one before left the flight.
TEST_F(LocationWindows, TheNameWindowsStartAndCancelButtons)
{
    int bare = add_airport("XBAR", 34.5f, -117.5f, 0);
    const struct {
        const char* pick;
        float x, y;
        int closes, starts;
    } cases[] = {
        {"KONT", 21, 16, 1, 1},
        {"KRAL", 155, 35, 1, 1},     // the edge the buttons share starts
        {"KONT", 156, 25, 1, 0},
        {"KONT", 290, 15, 1, 0},
        {"KONT", 291, 25, 0, 0},     // beside the buttons
        {"KONT", 100, 14, 0, 0},
        {"XBAR", 80, 25, 1, 0},      // no runway of its own to start on
    };
    for (const auto& c : cases) {
        MACIBM_startwind(win_airport_name);
        int a = c.pick == std::string("XBAR") ? bare : airport(c.pick);
        ASSERT_GE(a, 0) << c.pick;
        msc.apt_sel = a;
        int rwy = msc.rwy_sel, lat = env.reg_lat, lon = env.reg_lon;
        double x = flt.pos_x[0], z = flt.pos_z[0];
        mouse(c.x, c.y, 1);
        frame(manage_nam);
        EXPECT_EQ(mnw.topwin, c.closes ? win_main : win_airport_name) << c.pick << " " << c.x;
        if (c.starts) {
            int r = apt_lo_ind[a];
            EXPECT_EQ(msc.rwy_sel, r) << c.pick;
            EXPECT_EQ(env.reg_lat, intround(rwy_lat[r] - 1.0f));
            EXPECT_EQ(env.reg_lon, intround(rwy_lon[r] - 1.5f));
            expect_on_runway(r);
        } else {
            EXPECT_EQ(msc.rwy_sel, rwy) << c.pick << " " << c.x;
            EXPECT_EQ(env.reg_lat, lat);
            EXPECT_EQ(env.reg_lon, lon);
            EXPECT_EQ(flt.pos_x[0], x);
            EXPECT_EQ(flt.pos_z[0], z);
        }
        MACIBM_startwind(win_main);
    }
}

// The fields show the point a degree north and east of the region's corner
// and write the corner back from what they are stepped to, within their ranges.
TEST(LatLon, TheFieldsWriteTheCornerBack)
{
    start_panel_picture();
    window_at_origin(win_lat_lon);
    env.reg_lat = 33;
    env.reg_lon = -119;
    mouse(0, 0, 0);
    frame(manage_lat);
    EXPECT_EQ(env.reg_lat, 33);
    EXPECT_EQ(env.reg_lon, -119);
    EXPECT_TRUE(rgb_shows(156, 130, "34", 10)) << rgb_text(156, 130, 2, 10);
    EXPECT_TRUE(rgb_shows(140, 85, "-", 6));
    EXPECT_TRUE(rgb_shows(146, 85, "118", 10)) << rgb_text(146, 85, 3, 10);

    const struct {
        int lat, lon;        // the corner before
        float x, y;          // a click
        int want_lat, want_lon;
    } cases[] = {
        {33, -119, 168, 140, 34, -119},     // latitude's units up
        {33, -119, 158, 120, 23, -119},     // its tens down
        {59, -119, 168, 140, 59, -119},     // 60 is the northmost
        {-61, -119, 168, 120, -61, -119},   // -60 the southmost
        {33, -119, 158, 80, 33, -129},      // longitude's tens down
        {33, -119, 168, 95, 33, -118},      // its units up
        {33, -181, 148, 80, 33, -181},      // -180 is the westmost
        {33, 179, 168, 95, 33, 179},        // 180 the eastmost
    };
    for (const auto& c : cases) {
        env.reg_lat = c.lat;
        env.reg_lon = c.lon;
        mouse(c.x, c.y, 1);
        frame(manage_lat);
        EXPECT_EQ(env.reg_lat, c.want_lat) << c.lat << " " << c.lon << " at " << c.x << ", " << c.y;
        EXPECT_EQ(env.reg_lon, c.want_lon) << c.lat << " " << c.lon << " at " << c.x << ", " << c.y;
    }
}

// Closing the window starts at the airport nearest the point typed, not
// the one nearest half a degree east of it: of two fields either side of
// 41 N 99 W, the western one 0.2 degrees away and the eastern 0.3.
TEST_F(LocationWindows, ClosingTheLatLonWindowStartsNearestTheTypedPoint)
{
    int west = add_airport("XWST", 41.0f, -99.2f, 1);
    int east = add_airport("XEST", 41.0f, -98.7f, 1);
    MACIBM_startwind(win_lat_lon);
    env.reg_lat = 40;
    env.reg_lon = -100;
    mouse(0, 0, 0);
    frame(manage_lat);
    MACIBM_startwind(win_main);
    EXPECT_EQ(msc.apt_sel, west) << "not " << east;
    EXPECT_EQ(msc.rwy_sel, apt_lo_ind[west]);
    // The region about the airport as the placement lays it, the flight out on its final.
    EXPECT_EQ(env.reg_lat, 40);
    EXPECT_EQ(env.reg_lon, -100);
    EXPECT_GT(flt.pos_y[0], apt_h[west] + 300);
}

// ---- where am I ---------------------------------------------------------------------

TEST(WhereAmI, DirectionWordsByBearing)
{
    const struct {
        float bearing;
        const char* word;
    } cases[] = {
        {0, "north"},         {22.4f, "north"},       {22.5f, "north-east"}, {67.5f, "east"},
        {112.5f, "south-east"}, {180, "south"},     {202.5f, "south-west"}, {270, "west"},
        {292.5f, "north-west"}, {337.4f, "north-west"}, {337.5f, "north"},  {359.9f, "north"},
    };
    for (const auto& c : cases) EXPECT_STREQ(compass_word(c.bearing), c.word) << c.bearing;
}

// Distances and directions run from the threshold of the chosen airport's
// first runway, not from its centre; the window writes the sentence and
// the position's numbers.
TEST_F(LocationWindows, WhereAmITellsTheWayFromTheRunwaysThreshold)
{
    int sbd = airport("KSBD");
    ASSERT_GE(sbd, 0);
    msc.apt_sel = sbd;
    int r = apt_lo_ind[sbd];
    float cx = X_with_latlon(rwy_lat[r], rwy_lon[r]), cz = Z_with_lat(rwy_lat[r]);
    float h = rwy_hdng[r] * rad, half = rwy_len[r] / 2;
    float tx = cx - half * sinf(h), tz = cz + half * cosf(h);
    const struct {
        float x, z;
        const char* text;
    } cases[] = {
        {cx, cz, "1 miles north-east of San Bernardino International (KSBD)"},
        {tx, tz + 12 * nm, "12 miles south of San Bernardino International (KSBD)"},
        {tx - 30 * nm, tz - 0.1f * nm, "30 miles west of San Bernardino International (KSBD)"},
    };
    char text[160];
    for (const auto& c : cases) {
        flt.pos_x[0] = c.x;
        flt.pos_z[0] = c.z;
        where_am_i_text(text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }

    for (int k = 0; k < 80; k++) OGL_assigncolor(k, (float)(k + 1) / 255.0f, 0, 0);
    window_at_origin(win_find_me);
    flt.lat = 34.5f;
    flt.lon = -117.25f;
    memset(rgb_array, 0, sizeof rgb_array);
    mouse(0, 0, 0);
    frame(manage_whr);
    where_am_i_text(text, sizeof text);
    ASSERT_GT(strlen(text), 10u);
    EXPECT_TRUE(rgb_shows(12, 89, text, 6)) << rgb_text(12, 89, (int)strlen(text), 6);
    EXPECT_TRUE(rgb_shows(67, 62, "03450000", 10)) << rgb_text(67, 62, 8, 10);
    EXPECT_TRUE(rgb_shows(61, 42, "-", 6));
    EXPECT_TRUE(rgb_shows(67, 42, "11725000", 10)) << rgb_text(67, 42, 8, 10);

    // No airport of the table: no sentence.
    msc.apt_sel = apt_wrl_max + 1;
    where_am_i_text(text, sizeof text);
    EXPECT_STREQ(text, "");
}

// ---- flight plan ------------------------------------------------------------------------

class FlightPlanForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_panel_picture();
        window_at_origin(win_flight_plan);
        fpl = flightplanstruct();
        snprintf(fpl.departure, sizeof fpl.departure, "KSBD");
        snprintf(fpl.destination, sizeof fpl.destination, "KONT");
    }
    static void click(float x, float y)
    {
        mouse(x, y, 1);
        frame(manage_pln);
    }
};

// Turning a box on clears the others of its group; turning one off leaves
// the group empty; the groups do not touch each other.
TEST_F(FlightPlanForm, RuleAndContactBoxesAreEachOneOfAGroup)
{
    int* rules[3] = {&fpl.rules_ifr, &fpl.rules_vfr, &fpl.rules_other};
    int* contact[2] = {&fpl.contact_option_1, &fpl.contact_option_2};
    const struct {
        int rules[3], contact[2];
        const win_point* box;
        int want_rules[3], want_contact[2];
    } cases[] = {
        {{0, 1, 0}, {1, 0}, &plan_rules_at[0], {1, 0, 0}, {1, 0}},   // IFR while VFR is on
        {{1, 0, 0}, {0, 0}, &plan_rules_at[2], {0, 0, 1}, {0, 0}},
        {{0, 0, 1}, {0, 0}, &plan_rules_at[1], {0, 1, 0}, {0, 0}},
        {{1, 0, 0}, {0, 1}, &plan_rules_at[0], {0, 0, 0}, {0, 1}},   // off again
        {{0, 1, 0}, {1, 0}, &plan_contact_at[1], {0, 1, 0}, {0, 1}},
        {{0, 1, 0}, {0, 1}, &plan_contact_at[0], {0, 1, 0}, {1, 0}},
        {{0, 1, 0}, {0, 1}, &plan_contact_at[1], {0, 1, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        for (int k = 0; k < 3; k++) *rules[k] = c.rules[k];
        for (int k = 0; k < 2; k++) *contact[k] = c.contact[k];
        click(c.box->x + 4, c.box->y + 4);
        for (int k = 0; k < 3; k++) EXPECT_EQ(*rules[k], c.want_rules[k]) << "rule " << k << " at " << c.box->x;
        for (int k = 0; k < 2; k++) EXPECT_EQ(*contact[k], c.want_contact[k]) << "contact " << k << " at " << c.box->x;
    }
}

// The cruise altitude's wheel steps whole feet and stores the whole number,
// held to 0..99999; the airport fields are each their own.
TEST_F(FlightPlanForm, TheFieldsEditTheirOwnValues)
{
    const struct {
        int before;
        float x, y;
        int after;
    } cruise[] = {
        {12345, 552, 375, 12445},   // the hundreds up
        {12345, 532, 360, 2345},    // the ten thousands down
        {99990, 562, 375, 99999},   // the top, whole
        {500, 532, 360, 0},         // never below nothing
        {500, 300, 360, 500},       // a click elsewhere
    };
    for (const auto& c : cruise) {
        fpl.cruise_altitude = c.before;
        click(c.x, c.y);
        EXPECT_EQ(fpl.cruise_altitude, c.after) << c.before << " at " << c.x << ", " << c.y;
    }

    click(plan_departure_at.x + 5, plan_departure_at.y - 5);
    EXPECT_STREQ(fpl.departure, "LSBD");
    EXPECT_STREQ(fpl.destination, "KONT");
    click(plan_destination_at.x + 5, plan_destination_at.y - 5);
    EXPECT_STREQ(fpl.destination, "LONT");
    EXPECT_STREQ(fpl.departure, "LSBD");
}

// The tail number and the aircraft's name in their boxes; a long name ends
// before the departure field.
TEST_F(FlightPlanForm, ShowsTheAircraftBesideItsLabels)
{
    snprintf(pln[0].tailnum, sizeof pln[0].tailnum, "N123AB");
    snprintf(pln[0].C_name, sizeof pln[0].C_name, "AN AIRCRAFT WITH A NAME FAR LONGER THAN ITS BOX");
    mouse(0, 0, 0);
    frame(manage_pln);
    EXPECT_TRUE(rgb_shows(79, 370, "N123AB", 6)) << rgb_text(79, 370, 6, 6);
    EXPECT_TRUE(rgb_shows(159, 370, "AN AIRCRAFT WITH A NAME FAR LON", 6)) << rgb_text(159, 370, 31, 6);
    for (int x = 159 + 31 * 6; x < plan_departure_at.x; x++)
        for (int y = 370; y < 377; y++) EXPECT_EQ(rgb_colour(x, y), -1) << x << ", " << y;
}

// ---- credits ---------------------------------------------------------------------------

// The lines run down from below the window's top edge, inside its sides,
// each paragraph's lines 10 apart and a blank line between paragraphs, so
// no wrapped line lands on the next paragraph.
TEST(Credits, ParagraphsFollowEachOtherWithoutOverlapping)
{
    start_panel_picture();
    window_at_origin(win_credits);
    mouse(0, 0, 0);
    frame(manage_cre);
    int dx = (int)mnw.dx, dy = (int)mnw.dy;
    std::vector<int> lit(dy + 20, 0);
    for (int y = 0; y < dy + 20; y++)
        for (int x = 0; x < 800; x++)
            if (rgb_colour(x, y) >= 0) {
                lit[y] = 1;
                EXPECT_TRUE(x >= 5 && x < dx - 5) << x << ", " << y;
            }
    int top = dy + 19;
    while (top >= 0 && !lit[top]) top--;
    EXPECT_LT(top, dy - 2) << "clear of the top edge";
    // Runs of lit rows are lines 7 high; the gaps between them 3 in a
    // paragraph and 13 between two.
    std::vector<int> gaps;
    int run = 0, gap = 0;
    for (int y = top; y >= 0; y--) {
        if (lit[y]) {
            if (gap) gaps.push_back(gap);
            gap = 0;
            run++;
        } else {
            if (run) {
                EXPECT_EQ(run, 7) << "the line above row " << y;
            }
            run = 0;
            gap++;
        }
    }
    int between = 0;
    for (int g : gaps) {
        EXPECT_TRUE(g == 3 || g == 13) << g;
        between += g == 13;
    }
    EXPECT_EQ(between, 5) << "six paragraphs";
    EXPECT_GT(gaps.size(), 10u) << "paragraphs of several lines";
}
