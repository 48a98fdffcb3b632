// The runway and approach lights on the virtual display, read in GL's
// feedback mode: each light point of a test slot stands at window x = its
// index, so the feedback tells which points were sent and in which colour.
// The end faced, the edge caution zone, the centre-line colour code, both
// glide-slope indicators, the light kinds from either end, the lift toward
// the eye, the point size left behind, helipads, beacons and removed points.
#include <gtest/gtest.h>

#include "Drplane.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Initnav.h"
#include "Point.h"
#include "Startscn.h"
#include "records.h"
#include "gl_feedback.h"
#include "gl_view.h"
#include "host_test.h"
#include "test_support.h"

#include <GL/gl.h>
#include <cmath>
#include <string>
#include <vector>

namespace {

const float ft = 0.3048f;   // m
const float rwy_heading = 60;

// One colour a point may have, by the letter the tests write for it.
struct named_colour {
    char c;
    float rgb[3];
};
const named_colour palette[] = {
    {'W', {0.6f, 0.6f, 0.3f}},   // centre line, touchdown zone, approach
    {'E', {0.6f, 0.6f, 0.4f}},   // edge
    {'A', {0.6f, 0.4f, 0.0f}},   {'R', {0.8f, 0.0f, 0.0f}}, {'G', {0.2f, 0.6f, 0.2f}},
    {'B', {0.2f, 0.2f, 0.6f}},   // taxiway and helipad
    {'w', {1.0f, 1.0f, 1.0f}},   // indicator white, beacon at full, flasher
    {'r', {1.0f, 0.2f, 0.2f}},   // indicator red
};

char letter(const float* rgb)
{
    for (const named_colour& p : palette)
        if (fabsf(rgb[0] - p.rgb[0]) < 0.01f && fabsf(rgb[1] - p.rgb[1]) < 0.01f && fabsf(rgb[2] - p.rgb[2]) < 0.01f)
            return p.c;
    return '?';
}

// One point GL reported: window position and colour.
struct sent_point {
    float x, y, rgb[3];
};

std::vector<sent_point> feedback_points(void)
{
    std::vector<sent_point> out;
    for (const fb_prim& p : feedback(GL_3D_COLOR, plot_rway_lights)) {
        if (p.token != GL_POINT_TOKEN) {
            ADD_FAILURE() << "feedback token " << p.token;
            break;
        }
        const std::vector<float>& v = p.v[0];
        out.push_back({v[0], v[1], {v[3], v[4], v[5]}});
    }
    return out;
}

// A slot's light points along a line, point i at x = i and y = y0, the
// light kinds of both ends set.
void lay_slot(int g, float y0, int rwy_kind, int app_kind, int gls_kind)
{
    for (int i = 0; i < geo_lights; i++) {
        geo_litexyz[g][i][0] = (float)i;
        geo_litexyz[g][i][1] = y0;
        geo_litexyz[g][i][2] = 0;
    }
    for (int e = 0; e < 2; e++) {
        geo_litrwy[g][e] = rwy_kind;
        geo_litapp[g][e] = app_kind;
        geo_litgls[g][e] = gls_kind;
    }
}

// Row ends of a runway of len_ft, as the loader counts its edge lights.
void set_rows(int g, float len_ft)
{
    int n = intlim(intround(len_ft / (len_ft < 500 ? 10.0f : 150.0f)), 10, 49);
    geo_rmax1[g] = n, geo_rmax2[g] = n + 50, geo_RCLS[g] = n + 100;
    geo_tmax1[g] = n + 150, geo_tmax2[g] = n + 200;
}

// Airport k of the region with runway k in slot k, in view.
void add_airport(int k, int number, float len_ft)
{
    apt_lcl_max = k;
    apt_wrl_max = k;
    rwy_wrl_max = k;
    apt_to_index[k] = k;
    apt_inrange[k] = 1;
    apt_lo_ind[k] = apt_hi_ind[k] = k;
    apt_h[k] = 0;
    rwy_num[k] = number;
    rwy_hdng[k] = rwy_heading;
    rwy_len[k] = len_ft * ft;
    rwy_geo_ind[k] = k;
    set_rows(k, len_ft);
}

// A window, an orthographic view mapping world x to window x on a
// 1000-pixel viewport, one lit runway with a removed beacon point, the eye
// 1,000 m out on the 3-degree path.
void start(int rwy_kind, int app_kind, int gls_kind, float len_ft = 10000, int number = 6)
{
    reset_suite_state();
    MACIBM_init();
    glViewport(0, 0, 1000, 1000);
    ortho_camera(0, 1000, -500, 500, 1000, false);
    glDisable(GL_FOG);
    glDisable(GL_DEPTH_TEST);
    add_airport(0, number, len_ft);
    lay_slot(0, 0, rwy_kind, app_kind, gls_kind);
    geo_litexyz[0][geo_beacon][1] = geo_removed_y;
    scn.rway_lights = 1;
    scn.view_heading = rwy_heading;
    env.camera_ground_h = 12;
    con.VIEW_xyz[0] = geo_gsi + 1000;
    con.VIEW_xyz[1] = 1000 * tanf(3.0f * con.degtorad);
    con.VIEW_xyz[2] = 0;
}

// The window y of a point laid at y0: lifted toward the eye by 2% of the
// eye's height over the ground under the camera, and 1 m; the view maps
// world y -500..500 to window 0..1000.
float lifted_y(float y0) { return y0 + (con.VIEW_xyz[1] - env.camera_ground_h) * 0.02f + 1.0f + 500; }

// The letter of each light point sent, '.' for none; each point at most
// once, and each lifted toward the eye.
std::string lights(void)
{
    std::string at(geo_lights, '.');
    for (const sent_point& p : feedback_points()) {
        EXPECT_NEAR(p.y, lifted_y(0), 1e-3) << "point at x " << p.x;
        int i = (int)lroundf(p.x);
        if (i < 0 || i >= geo_lights) {
            ADD_FAILURE() << "point at x " << p.x;
            continue;
        }
        EXPECT_EQ(at[i], '.') << "point " << i << " sent twice";
        at[i] = letter(p.rgb);
    }
    return at;
}

std::string part(const std::string& at, int from, int to) { return at.substr(from, to - from + 1); }

}  // namespace

// Looking 90 degrees or more off the runway's heading faces end 1: its
// threshold bar green, end 0's red, and its own indicator block lit.
TEST(RunwayLightsGl, EndFacedByViewHeading)
{
    struct {
        float view;
        int end;
    } cases[] = {
        {rwy_heading, 0},      {rwy_heading + 89, 0},  {rwy_heading + 90, 1}, {rwy_heading - 89, 0},
        {rwy_heading - 90, 1}, {rwy_heading + 180, 1}, {rwy_heading + 271, 0}, {rwy_heading + 270, 1},
    };
    for (const auto& c : cases) {
        start(3, 1, 2);
        scn.view_heading = c.view;
        std::string at = lights();
        SCOPED_TRACE("view " + std::to_string(c.view));
        EXPECT_EQ(at[geo_threshold_bar0], c.end == 0 ? 'G' : 'R');
        EXPECT_EQ(at[geo_threshold_bar1], c.end == 0 ? 'R' : 'G');
        EXPECT_NE(at[geo_gsi + geo_end_offset * c.end], '.');
        EXPECT_EQ(at[geo_gsi + geo_end_offset * (1 - c.end)], '.');
    }
}

// The last 2,000 ft toward the far end are amber, at 200 ft spacing; under
// 500 ft the last 20 ft at 10 ft spacing (400 ft: c = 2).
TEST(RunwayLightsGl, EdgeCautionZoneAtTheFarEnd)
{
    struct {
        float len_ft;
        int end;
        int n;
        std::string left;   // points 0 .. n of the left row
    } cases[] = {
        {400, 1, 40, "AAA" + std::string(38, 'E')},
        {400, 0, 40, std::string(39, 'E') + "AA"},
        {10000, 1, 49, std::string(11, 'A') + std::string(39, 'E')},
        {10000, 0, 49, std::string(40, 'E') + std::string(10, 'A')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.len_ft) + " ft from end " + std::to_string(c.end));
        start(2, 1, 1, c.len_ft);
        scn.view_heading = rwy_heading + 180 * c.end;
        std::string at = lights();
        ASSERT_EQ(geo_rmax1[0], c.n);
        EXPECT_EQ(part(at, geo_left_row, c.n), c.left);
        EXPECT_EQ(part(at, geo_right_row, geo_right_row + c.n), c.left);
    }
}

// 10,000 ft seen from end 1: 7 red, alternating to the 15th, then white;
// from end 0 the same code counted from the far end.
TEST(RunwayLightsGl, CentreLineColourCode)
{
    const std::string from_end1 = "RRRRRRR" "WRWRWRWR" + std::string(35, 'W');
    start(4, 1, 1);
    scn.view_heading = rwy_heading + 180;
    EXPECT_EQ(part(lights(), geo_centre_row, geo_RCLS[0]), from_end1);

    start(4, 1, 1);
    std::string at = lights();
    EXPECT_EQ(part(at, geo_centre_row, geo_RCLS[0] - 16), std::string(34, 'W'));
    EXPECT_EQ(part(at, geo_RCLS[0] - 15, geo_RCLS[0] - 8), "RWRWRWRW");
    EXPECT_EQ(part(at, geo_RCLS[0] - 7, geo_RCLS[0]), "RRRRRRRR");
}

// Exactly on 3 degrees: the two-bar kind red over white, the four-light kind
// two white and two red; straight above the first point, 90 degrees, no
// number goes astray.
TEST(RunwayLightsGl, GlideSlopeIndicators)
{
    struct {
        int kind;
        float out, up;   // eye position from the first point (m)
        const char* shown;
    } cases[] = {
        {2, 1000, 1000 * tanf(3.0f * 3.14159265f / 180), "rrww"},
        {3, 1000, 1000 * tanf(3.0f * 3.14159265f / 180), "wwrr"},
        {2, 1000, 1000 * tanf(2.0f * 3.14159265f / 180), "rrrr"},
        {3, 1000, 1000 * tanf(3.2f * 3.14159265f / 180), "wwwr"},
        {2, 1000, 1000 * tanf(4.0f * 3.14159265f / 180), "wwww"},
        {2, 0, 100, "wwww"},
        {3, 0, 100, "wwww"},
        {2, 0, 0, "rrrr"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind) + " out " + std::to_string(c.out) + " up " +
                     std::to_string(c.up));
        start(1, 1, c.kind);
        scn.rway_lights = 0;   // drawn by day too
        con.VIEW_xyz[0] = geo_gsi + c.out;
        con.VIEW_xyz[1] = c.up;
        std::vector<sent_point> sent = feedback_points();
        ASSERT_EQ(sent.size(), 4u);
        std::string shown;
        for (const sent_point& p : sent) {
            EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
            EXPECT_NEAR(p.y, lifted_y(0), 1e-3);   // higher the higher the eye
            EXPECT_EQ((int)lroundf(p.x), geo_gsi + (int)shown.size());
            shown += letter(p.rgb);
        }
        EXPECT_EQ(shown, c.shown);
    }
}

// What each runway-light and approach-light kind lights of the faced end,
// from either end; nothing of the other end's approach block.
TEST(RunwayLightsGl, LightKinds)
{
    struct {
        int rwy, app;
        // edge, taxiway, connector, threshold end, bar middle, centre line,
        // touchdown, approach bar, flasher, side row, outer approach
        const char* shown;
    } cases[] = {
        {1, 1, "..........."}, {2, 1, "EBB........"}, {3, 1, "EBBG......."}, {4, 1, "EBBG.W....."},
        {5, 1, "EBBG.WW...."}, {1, 2, "...GG..W..."}, {1, 3, "...GG..Ww.."}, {1, 4, "...GG..Ww.W"},
        {1, 5, "...GG..WwRW"}, {1, 6, "........w.."}, {6, 1, "..........."},
    };
    for (int e = 0; e < 2; e++) {
        const int b = geo_end_offset * e, other = geo_end_offset * (1 - e);
        // End 1's threshold bar has its own points; its first edge lights
        // are the amber caution zone, so the edge is read further along.
        const int bar = e == 0 ? geo_threshold_bar0 : geo_threshold_bar1;
        const int edge = e == 0 ? geo_left_row : geo_left_row + 20;
        const int probes[] = {edge,        geo_taxi_inner_row,    geo_taxi_lights_last,  bar,
                              bar + 6,     geo_centre_row + 30,   geo_touchdown + b,     geo_approach_left + b,
                              geo_rabbit + b, geo_approach_side + b, geo_outer_approach + b};
        for (const auto& c : cases) {
            SCOPED_TRACE("end " + std::to_string(e) + " runway " + std::to_string(c.rwy) + " approach " +
                         std::to_string(c.app));
            start(c.rwy, c.app, 1);
            scn.view_heading = rwy_heading + 180 * e;
            geo_tway[0] = 1;
            std::string at = lights();
            std::string shown;
            for (int i : probes) shown += at[i];
            EXPECT_EQ(shown, c.shown);
            EXPECT_EQ(part(at, geo_approach_left + other, geo_threshold_bar0 - 1 + other),
                      std::string(geo_threshold_bar0 - geo_approach_left, '.'));
        }
    }
}

// The point size is left at 1 for what is drawn next; a heavy light of
// size 3 lights about 3 x 3 pixels.
TEST(RunwayLightsGl, PointSizeAfterwardsAndTheHeavyLightsSize)
{
    start(5, 5, 3);
    geo_litexyz[0][geo_beacon][1] = 0;
    msc.sim_time = 1.5f;   // the beacon at nearly full size
    plot_rway_lights();
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 1.0f);

    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    heavy_light(500.5f, 0.5f, 0, 1, 1, 1, 3);
    glFinish();
    const int w = 20;
    std::vector<unsigned char> rgb(w * w * 3);
    host_test_read_pixels(500 - w / 2, 500 - w / 2, w, w, rgb.data());
    int lit = 0;
    for (int k = 0; k < w * w; k++) lit += rgb[3 * k] > 128;
    EXPECT_GE(lit, 6);
    EXPECT_LE(lit, 12);
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 1.0f);
}

// A pad shows blue edge rings with the helipad kind alone, and only while
// the runway lights are on; nothing else of its slot.
TEST(RunwayLightsGl, HelipadOnlyWithItsKind)
{
    for (int kind = 1; kind <= 6; kind++)
        for (int on = 0; on <= 1; on++) {
            SCOPED_TRACE("kind " + std::to_string(kind) + " lights " + std::to_string(on));
            start(kind, 5, 3, 200, 99);
            scn.rway_lights = on;
            std::string at = lights();
            std::string expect(geo_lights, '.');
            if (kind == 6 && on) {
                expect.replace(geo_left_row, geo_rmax1[0] + 1, geo_rmax1[0] + 1, 'B');
                expect.replace(geo_right_row, geo_rmax1[0] + 1, geo_rmax1[0] + 1, 'B');
            }
            EXPECT_EQ(at, expect);
        }
}

// Beacons turn with the simulation time, each airport at its phase, and
// shine with the runway lights off.
TEST(RunwayLightsGl, BeaconsWithTheRunwayLightsOff)
{
    start(5, 5, 1);
    add_airport(1, 24, 5000);
    lay_slot(1, 100, 5, 5, 1);
    geo_litexyz[0][geo_beacon][1] = 0;
    scn.rway_lights = 0;
    msc.sim_time = 2.5f;
    std::vector<sent_point> sent = feedback_points();
    ASSERT_EQ(sent.size(), 2u);
    float s0 = sinf(2.5f) * fabsf(sinf(2.5f)), s1 = sinf(3.5f) * fabsf(sinf(3.5f));
    ASSERT_GT(s0, 0);
    ASSERT_LT(s1, 0);
    const float white[3] = {s0, s0, s0}, green[3] = {0, -s1, 0};
    for (int k = 0; k < 3; k++) {
        EXPECT_NEAR(sent[0].rgb[k], white[k], 1e-4);
        EXPECT_NEAR(sent[1].rgb[k], green[k], 1e-4);
    }
    EXPECT_EQ((int)lroundf(sent[0].x), geo_beacon);
    EXPECT_NEAR(sent[0].y, lifted_y(0), 1e-3);
    EXPECT_NEAR(sent[1].y, lifted_y(100), 1e-3);   // the second airport's slot
}

// Points another runway's pavement removed, or never built, are not sent.
TEST(RunwayLightsGl, RemovedPointsAreSkipped)
{
    start(5, 5, 3);
    geo_tway[0] = 1;
    const int gone[] = {geo_left_row + 3, geo_centre_row, geo_gsi + 1, geo_threshold_bar0, geo_rabbit,
                        geo_touchdown + 7, geo_connector_lights + 2, geo_beacon};
    for (int i : gone) geo_litexyz[0][i][1] = geo_removed_y;
    std::string at = lights();
    for (int i : gone) EXPECT_EQ(at[i], '.') << "point " << i;
    EXPECT_NE(at[geo_left_row + 2], '.');
    EXPECT_NE(at[geo_gsi], '.');
    EXPECT_NE(at[geo_threshold_bar0 + 1], '.');
}
