// The ships and platforms as GL's feedback reports them, through an
// orthographic camera that maps window coordinates straight back to the
// model's metres: the oil rig's boxes, columns and truss; the carrier's deck
// lights with the runway lights, its landing aid by the eye's angle and the
// eye vector it keeps for the landing signal officer; the frigate's
// helideck circle.
#include <gtest/gtest.h>

#include "Add-ons.h"
#include "Do_atc.h"
#include "Genwrld.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Startscn.h"
#include "gl_feedback.h"
#include "gl_view.h"
#include "records.h"
#include "test_support.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

const float half = 500;   // m from the middle of the view to its edges

// A model point back from window coordinates.
struct model_pt {
    float x, y, z;
};

enum class look { down, north };

// A 1000 x 1000 viewport over +-500 m and +-1000 m of depth, one pixel a metre,
// looking straight down or horizontally north.
void camera(look l)
{
    glViewport(0, 0, 1000, 1000);
    ortho_camera(-half, half, -half, half, 1000, l == look::down);
}

// Window z 0..1 is eye z 1000..-1000.
model_pt model_of(look l, const std::vector<float>& v)
{
    float wx = v[0] - half, wy = v[1] - half, ez = 1000 - v[2] * 2000;
    if (l == look::down) return {wx, ez, -wy};   // turned down, eye y is -z and eye z is y
    return {wx, wy, ez};
}

class ShipsGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_init();
        build_ship_models();
        ogl_brat_ter = 1;
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
};

int count_of(const std::vector<fb_prim>& got, int token)
{
    return (int)std::count_if(got.begin(), got.end(), [&](const fb_prim& p) { return p.token == token; });
}

}  // namespace

// ---- oil rig -------------------------------------------------------------------------

// Looking straight down with back faces culled, the faces that keep an area
// are exactly the tops of the 23 boxes that have them (none for boxes 23 and
// 24), at their heights: an inside-out box would show its bottom instead.
TEST_F(ShipsGl, RigShowsTheTopsOfItsCappedBoxesFromAbove)
{
    camera(look::down);
    std::vector<fb_prim> got = feedback(GL_3D_COLOR, [] { draw_a_oilr(0, 0, 0); });

    std::map<int, int> tops;   // height: faces
    for (const fb_prim& p : got) {
        if (p.token != GL_POLYGON_TOKEN) continue;
        double area = 0;
        for (size_t k = 0; k < p.v.size(); k++) {
            const std::vector<float>&a = p.v[k], &b = p.v[(k + 1) % p.v.size()];
            area += (double)a[0] * b[1] - (double)b[0] * a[1];
        }
        if (fabs(area) < 1) continue;
        // Flat faces only: the sides of the boxes narrowing upwards face up a little too.
        model_pt m = model_of(look::down, p.v[0]);
        bool flat = true;
        for (const auto& v : p.v) flat = flat && fabsf(model_of(look::down, v).y - m.y) < 0.05f;
        if (flat) tops[(int)lround(m.y)]++;
    }
    // Box tops by height; a quad may come back as one polygon or two.
    std::map<int, int> want = {{110, 1}, {65, 1}, {95, 1}, {106, 1}, {210, 1}, {97, 1}, {120, 2}, {122, 1},
                               {135, 1}, {112, 1}, {125, 1}, {130, 1}, {121, 2}, {131, 1}, {96, 2},
                               {101, 1}, {123, 1}, {116, 1}, {71, 1}, {79, 1}};
    int quads = 0;
    for (auto& w : want) quads += w.second;
    ASSERT_EQ(quads, 23);
    ASSERT_EQ(tops.size(), want.size());
    int per_quad = tops[210];
    ASSERT_TRUE(per_quad == 1 || per_quad == 2);
    for (auto& w : want) EXPECT_EQ(tops[w.first], w.second * per_quad) << "height " << w.first;
}

// Nothing culled: 25 boxes of four sides and 23 of them with a top and a
// bottom, 12 columns of 12 sides, and the truss of 41 verticals and 40
// diagonals in one strip.
TEST_F(ShipsGl, RigHasItsBoxesColumnsAndTruss)
{
    camera(look::north);
    glDisable(GL_CULL_FACE);
    glRotatef(20, 1, 0, 0);
    glRotatef(30, 0, 1, 0);
    std::vector<fb_prim> got = feedback(GL_3D_COLOR, [] { draw_a_oilr(0, 0, 0); });
    glEnable(GL_CULL_FACE);

    int polygons = count_of(got, GL_POLYGON_TOKEN);
    const int quads = 25 * 4 + 23 * 2 + 12 * 12;
    EXPECT_TRUE(polygons == quads || polygons == 2 * quads) << polygons;
    // One strip: each segment goes on from where the last one ended.
    std::vector<const fb_prim*> lines;
    for (const fb_prim& p : got)
        if (p.token == GL_LINE_TOKEN || p.token == GL_LINE_RESET_TOKEN) lines.push_back(&p);
    ASSERT_EQ(lines.size(), 81u);
    for (size_t k = 1; k < lines.size(); k++) EXPECT_EQ(lines[k]->v[0], lines[k - 1]->v[1]) << k;
}

// Each column's sides with their corners on its circle, at its foot and its head.
TEST_F(ShipsGl, RigColumnsStandOnTheirCircles)
{
    camera(look::north);
    glDisable(GL_CULL_FACE);
    std::vector<fb_prim> got = feedback(GL_3D_COLOR, [] { draw_a_oilr(0, 0, 0); });
    glEnable(GL_CULL_FACE);

    struct column {
        float x, z, r, y0, y1;
        int faces;
    };
    std::vector<column> cols = {{-40, -40, 13, 0, 55, 0}, {-40, 40, 13, 0, 55, 0}, {40, -40, 13, 0, 55, 0},
                                {40, 40, 13, 0, 55, 0},   {-35, 40, 5, 21, 56, 0}, {35, 40, 5, 21, 56, 0},
                                {40, 35, 5, 21, 56, 0},   {40, -35, 5, 21, 56, 0}, {35, -40, 5, 21, 56, 0},
                                {-35, -40, 5, 21, 56, 0}, {-40, -35, 5, 21, 56, 0}, {-40, 35, 5, 21, 56, 0}};
    for (const fb_prim& p : got) {
        if (p.token != GL_POLYGON_TOKEN) continue;
        for (column& c : cols) {
            int foot = 0, head = 0, off = 0;
            for (const auto& v : p.v) {
                model_pt m = model_of(look::north, v);
                if (fabsf(hypotf(m.x - c.x, m.z - c.z) - c.r) > 0.05f) off++;
                else if (fabsf(m.y - c.y0) < 0.05f) foot++;
                else if (fabsf(m.y - c.y1) < 0.05f) head++;
                else off++;
            }
            if (!off && foot && head) c.faces++;
        }
    }
    // Twelve sides, each as one polygon or two.
    for (const column& c : cols) EXPECT_TRUE(c.faces == 12 || c.faces == 24) << c.x << ", " << c.z << ": " << c.faces;
}

// ---- carrier -------------------------------------------------------------------------

namespace {

// What the carrier at the origin, heading 0, draws as points, from the side.
std::vector<fb_prim> carrier_points(void)
{
    camera(look::north);
    std::vector<fb_prim> got = feedback(GL_3D_COLOR, [] { draw_a_carr(0, 0, 0); });
    got.erase(std::remove_if(got.begin(), got.end(), [](const fb_prim& p) { return p.token != GL_POINT_TOKEN; }),
              got.end());
    return got;
}

bool has_colour(const std::vector<float>& v, int colour)
{
    for (int k = 0; k < 3; k++)
        if (fabsf(v[3 + k] - col_rgb[colour][k]) > 0.01f) return false;
    return true;
}

// The eye a distance back from the landing reference point at an angle a above it.
void eye_at_angle(float a_deg)
{
    const float* ref = carr_lxyz[carr_light_reference];
    float d = 1000;
    con.VIEW_xyz[0] = ref[0];
    con.VIEW_xyz[1] = ref[1] + d * tanf(a_deg * 0.017453293f);
    con.VIEW_xyz[2] = ref[2] + d;
}

}  // namespace

// With the runway lights the 63 deck lights show white on the deck; the
// landing aid's seven show either way.
TEST_F(ShipsGl, CarrierDeckLightsOnlyWithRunwayLights)
{
    eye_at_angle(4);
    for (int lit : {0, 1}) {
        scn.rway_lights = lit;
        std::vector<fb_prim> got = carrier_points();
        int white = 0;
        for (const fb_prim& p : got) {
            model_pt m = model_of(look::north, p.v[0]);
            if (has_colour(p.v[0], 39) && fabsf(m.y - 21) < 0.5f) white++;
        }
        EXPECT_EQ(got.size(), lit ? 70u : 7u) << lit;
        EXPECT_EQ(white, lit ? 63 : 0) << lit;
    }
    float size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 1.0f);
}

// The meatball rides 2 m a degree about 4 degrees, at most 4 m either way,
// red once more than 2 m low; the six datum lights stay green at its height.
TEST_F(ShipsGl, MeatballByTheEyesAngle)
{
    struct {
        float angle, lift;
        int colour;
    } cases[] = {
        {4, 0, 42}, {5, 2, 42}, {10, 4, 42}, {3.1f, -1.8f, 42}, {2.9f, -2.2f, 45}, {-20, -4, 45},
    };
    scn.rway_lights = 0;
    const float* ball = carr_lxyz[carr_light_meatball];
    for (const auto& c : cases) {
        eye_at_angle(c.angle);
        std::vector<fb_prim> got = carrier_points();
        int balls = 0, datums = 0;
        for (const fb_prim& p : got) {
            model_pt m = model_of(look::north, p.v[0]);
            if (fabsf(m.x - ball[0]) < 0.2f) {
                balls++;
                EXPECT_NEAR(m.y, ball[1] + c.lift, 0.1f) << c.angle;
                EXPECT_TRUE(has_colour(p.v[0], c.colour)) << c.angle;
            } else if (has_colour(p.v[0], 48) && fabsf(m.y - ball[1]) < 0.1f) {
                datums++;
            }
        }
        EXPECT_EQ(balls, 1) << c.angle;
        EXPECT_EQ(datums, 6) << c.angle;
    }
}

// The eye from the landing reference point turned with the ship, every
// frame the carrier is drawn.
TEST_F(ShipsGl, DeckRelIsTheEyeFromTheReferencePoint)
{
    const float* ref = carr_lxyz[carr_light_reference];
    struct {
        float hdg;
        float rx, rz;   // the reference point turned by the heading
    } cases[] = {{0, ref[0], ref[2]}, {90, -ref[2], ref[0]}, {180, -ref[0], -ref[2]}};
    for (const auto& c : cases) {
        env.ship_x[0] = 1000;
        env.ship_y[0] = 5;
        env.ship_z[0] = -2000;
        env.ship_hdg[0] = c.hdg;
        con.VIEW_xyz[0] = 300;
        con.VIEW_xyz[1] = 150;
        con.VIEW_xyz[2] = -400;
        for (float& d : atc.deck_rel) d = 9.9e9f;
        camera(look::north);
        feedback(GL_3D_COLOR, [] { draw_a_carr(1000, 5, -2000); });
        EXPECT_NEAR(atc.deck_rel[0], 300 - (1000 + c.rx), 0.01f) << c.hdg;
        EXPECT_NEAR(atc.deck_rel[1], 150 - (5 + ref[1]), 0.01f) << c.hdg;
        EXPECT_NEAR(atc.deck_rel[2], -400 - (-2000 + c.rz), 0.01f) << c.hdg;
    }
}

// ---- frigate -------------------------------------------------------------------------

// With the runway lights: 36 lights every 10 degrees on the circle of 13 m
// about the flight deck's middle, and four blinking red ones on 17 m at the
// diagonals; without them, none.
TEST_F(ShipsGl, FrigateHelideckCircle)
{
    for (int lit : {0, 1}) {
        scn.rway_lights = lit;
        camera(look::down);
        std::vector<fb_prim> got = feedback(GL_3D_COLOR, [] { draw_a_frig(0, 0, 0); });
        std::vector<int> ring_angles, red_angles;
        for (const fb_prim& p : got) {
            if (p.token != GL_POINT_TOKEN) continue;
            model_pt m = model_of(look::down, p.v[0]);
            float r = hypotf(m.x, m.z - 55);
            int a = (int)lround(atan2f(m.x, -(m.z - 55)) * 57.29578f + 360) % 360;
            EXPECT_NEAR(m.y, 7, 0.5f);
            if (fabsf(r - 13) < 0.1f) {
                EXPECT_NEAR(p.v[0][3], 1, 0.01f);
                EXPECT_NEAR(p.v[0][5], 0.8f, 0.01f);
                ring_angles.push_back(a);
            } else if (fabsf(r - 17) < 0.1f) {
                EXPECT_EQ(p.v[0][4], 0);
                EXPECT_EQ(p.v[0][5], 0);
                red_angles.push_back(a);
            } else {
                ADD_FAILURE() << "a point at " << m.x << ", " << m.z;
            }
        }
        std::sort(ring_angles.begin(), ring_angles.end());
        std::sort(red_angles.begin(), red_angles.end());
        std::vector<int> every_10, diagonals = {45, 135, 225, 315};
        for (int a = 0; a < 360; a += 10) every_10.push_back(a);
        EXPECT_EQ(ring_angles, lit ? every_10 : std::vector<int>{});
        EXPECT_EQ(red_angles, lit ? diagonals : std::vector<int>{});
    }
}
