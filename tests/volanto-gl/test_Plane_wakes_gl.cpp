// The wakes on the virtual display, read back in GL's feedback mode: a
// segment laid only past the spacing and the ring's 19 drawn quads a strip;
// the aircraft's wake only on open water; a wake frozen outside the region
// and while paused; the fade with age and speed, and the side strips' drift.
#include <gtest/gtest.h>

#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Plane.h"
#include "Startscn.h"
#include "gl_feedback.h"
#include "gl_view.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <cmath>
#include <vector>

namespace {

const float half_view = 5000;   // m, the square region and the view from above

struct ground_pt {
    float x, z, s, t;
};

// A feedback vertex back on the ground: window x = (x + 5000) / 10, window y = (5000 - z) / 10.
ground_pt on_ground(const std::vector<float>& v)
{
    return {v[0] * 10 - half_view, half_view - v[1] * 10, v[7], v[8]};
}

// GL's feedback reports each quad as two triangles: quad q's corners.
std::vector<ground_pt> corners(const std::vector<fb_prim>& prims, size_t q)
{
    std::vector<ground_pt> out;
    for (size_t p = 2 * q; p < 2 * q + 2 && p < prims.size(); p++)
        for (const std::vector<float>& v : prims[p].v) out.push_back(on_ground(v));
    return out;
}

float lowest_z(const std::vector<ground_pt>& pts)
{
    float z = 1e9f;
    for (const ground_pt& p : pts) z = fminf(z, p.z);
    return z;
}

class WakeGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_init();
        env.reg_west_x = -half_view;
        env.reg_east_x = half_view;
        env.reg_north_z = -half_view;
        env.reg_south_z = half_view;
        look_north_over_everything();
        ogl_brat_ter = 1;
        msc.dt = 0;
        glViewport(0, 0, 1000, 1000);
        ortho_camera(-half_view, half_view, -half_view, half_view, 1000, true);
        glDisable(GL_CULL_FACE);
        OGL_setstate(1, 1, 0, 0);
    }

    // The view cone from far south, looking north over the whole region.
    static void look_north_over_everything(void)
    {
        x0 = 0, z0 = 20000;
        x1 = -30000, z1 = -20000;
        x2 = 30000, z2 = -20000;
    }

    // One call of build_wake and the quads it drew.
    static std::vector<fb_prim> wake(int w, float x, float z, float speed, float heading)
    {
        return feedback(GL_3D_COLOR_TEXTURE, [&] { build_wake(w, x, 0, z, speed, heading); });
    }
};

}  // namespace

// The carrier lays a segment only once it is more than 75 m from the last;
// the quad joins the centre strips of two segments, 40 m either side of the
// track, and a side strip stands 22.5 m off it, its texture mirrored. A full
// ring draws 19 quads a strip; nothing outside the view cone is drawn.
TEST_F(WakeGl, CarrierLaysASegmentOnlyPastItsSpacing)
{
    const float hdg = 90;   // steaming east: the strips lie across along z
    EXPECT_TRUE(wake(0, -3000, 0, 15, hdg).empty());
    EXPECT_TRUE(wake(0, -2924, 0, 15, hdg).empty()) << "the newest segment has nothing to join";
    EXPECT_TRUE(wake(0, -2850, 0, 15, hdg).empty()) << "74 m on: no new segment";
    std::vector<fb_prim> q = wake(0, -2847, 0, 15, hdg);
    ASSERT_EQ(q.size(), 6u) << "77 m on: one quad a strip";

    const ground_pt centre[4] = {{-2924, -40, 0, 0}, {-2847, -40, 0, 1}, {-2847, 40, 1, 1}, {-2924, 40, 1, 0}};
    const ground_pt side[4] = {{-2924, -7.5f, 1, 0}, {-2847, -7.5f, 1, 1}, {-2847, 52.5f, 0, 1}, {-2924, 52.5f, 0, 0}};
    struct want {
        const char* strip;
        size_t quad;
        const ground_pt* corner;
    };
    for (const want& w : {want{"side 0", 0, side}, want{"centre", 1, centre}}) {
        std::vector<ground_pt> got = corners(q, w.quad);
        for (int k = 0; k < 4; k++) {
            int found = 0;
            for (const ground_pt& g : got)
                if (fabsf(g.x - w.corner[k].x) < 0.05f && fabsf(g.z - w.corner[k].z) < 0.05f) {
                    found = 1;
                    EXPECT_EQ(g.s, w.corner[k].s) << w.strip << " corner " << k;
                    EXPECT_EQ(g.t, w.corner[k].t) << w.strip << " corner " << k;
                }
            EXPECT_TRUE(found) << w.strip << " corner " << k;
        }
    }

    for (int n = 1; n <= 25; n++) q = wake(0, -2847 + 80.0f * n, 0, 15, hdg);
    EXPECT_EQ(q.size(), 2 * 57u) << "the ring holds 20 segments, the newest joining none";

    x0 = 0, z0 = -4000;   // from the north edge, looking further north
    x1 = -3000, z1 = -9000;
    x2 = 3000, z2 = -9000;
    EXPECT_TRUE(wake(0, -2847 + 80.0f * 25, 0, 15, hdg).empty()) << "out of the view cone";
}

// The aircraft's wake shows only while it touches open water: not in the
// air, not on a runway's dry cell, and not on a deck or a platform standing
// in the water, whatever this frame's contact pass found.
TEST_F(WakeGl, AircraftLaysAVisibleWakeOnlyOnOpenWater)
{
    struct place {
        const char* name;
        int on_ground, water, carrier, frigate, platform;
        bool visible;
    };
    const place places[] = {
        {"on the water", 1, 1, 0, 0, 0, true},     {"airborne over the water", 0, 1, 0, 0, 0, false},
        {"on a runway", 1, 0, 0, 0, 1, false},     {"on the carrier's deck", 1, 1, 1, 0, 0, false},
        {"on the frigate's deck", 1, 1, 0, 1, 0, false}, {"on a platform", 1, 1, 0, 0, 1, false},
        {"on a dry cell", 1, 0, 0, 0, 0, false},
    };
    env.plane_cell_i = 50;
    env.plane_cell_j = 50;
    for (const place& p : places) {
        clear_wake_run_state();
        flt.on_ground = p.on_ground;
        is_water[50][50] = p.water;
        env.on_carrier = p.carrier;
        env.on_frigate = p.frigate;
        env.on_platform = p.platform;
        std::vector<fb_prim> q;
        for (int n = 0; n < 6; n++) q = wake(2, 1000 + 5.0f * n, -1000, 5, 90);
        EXPECT_EQ(q.size(), p.visible ? 24u : 0u) << p.name;
    }
}

// Outside the region a wake neither ages, drifts nor draws; a paused frame
// draws it as it stood. The next running frame moves it on.
TEST_F(WakeGl, FrozenOutsideTheRegionAndWhilePaused)
{
    msc.dt = 1;
    for (float z : {4900.0f, 4840.0f, 4780.0f}) wake(1, 0, z, 10, 0);
    std::vector<fb_prim> before = wake(1, 0, 4720, 10, 0);
    ASSERT_EQ(before.size(), 12u);

    for (int n = 0; n < 5; n++) EXPECT_TRUE(wake(1, 0, 5100, 10, 0).empty()) << "south of the region";
    msc.paused = 1;
    std::vector<fb_prim> paused = wake(1, 0, 4720, 10, 0);
    ASSERT_EQ(paused.size(), before.size());
    for (size_t p = 0; p < before.size(); p++)
        for (size_t k = 0; k < before[p].v.size(); k++)
            for (int c : {0, 1, 6}) EXPECT_EQ(paused[p].v[k][c], before[p].v[k][c]) << p << " " << k << " " << c;

    msc.paused = 0;
    std::vector<fb_prim> after = wake(1, 0, 4720, 10, 0);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_NEAR(on_ground(after[0].v[0]).x - on_ground(before[0].v[0]).x, -2.5f, 0.05f) << "a quarter of 10 m/s";
    EXPECT_LT(after[2].v[0][6], before[2].v[0][6]) << "older, fainter";
}

// alpha = 1 - sqrt(age x speed / fade length), the fade length 20 spacings,
// held to 0..1 and coloured by the day-light; a wake at no speed stays whole
// rather than dividing by it. A side strip drifts a quarter of the speed.
TEST_F(WakeGl, FadesWithAgeAndSpeed)
{
    struct fade {
        float speed, age, alpha;
    };
    const fade fades[] = {{15, 0, 1}, {15, 25, 0.5f}, {15, 400, 0}, {60, 6.25f, 0.5f}, {0, 1000, 1}};
    ogl_brat_ter = 0.6f;
    for (const fade& f : fades) {
        clear_wake_run_state();
        msc.dt = 0;
        for (float x : {0.0f, 76.0f, 152.0f}) wake(0, x, 0, f.speed, 90);
        msc.dt = f.age;
        std::vector<fb_prim> q = wake(0, 152, 0, f.speed, 90);
        ASSERT_EQ(q.size(), 6u) << f.speed << " " << f.age;
        for (const fb_prim& p : q) {
            EXPECT_NEAR(p.v[0][3], 0.6f, 1e-4f);
            EXPECT_NEAR(p.v[0][6], f.alpha, 1e-3f) << f.speed << " " << f.age;
        }
        float drift = 0.25f * f.speed * f.age;
        EXPECT_NEAR(lowest_z(corners(q, 0)), 22.5f - 30 - drift, 0.2f) << "strip 0 drifts to port";
        EXPECT_NEAR(lowest_z(corners(q, 2)), -22.5f - 30 + drift, 0.2f) << "strip 2 to starboard";
    }
}
