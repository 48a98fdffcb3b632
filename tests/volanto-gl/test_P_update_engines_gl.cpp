// The engine gauges' needles on the virtual display, read back in GL's
// feedback: each needle's angle on the loader's scales (fuel flow held to
// full scale 272 degrees from the zero and to zero, the tachometer's gear
// ratio, half the rated torque, an aircraft without a rated torque), its
// half width and the panel's needle colour.
#include <gtest/gtest.h>

#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "gl_feedback.h"
#include "gl_view.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <cmath>
#include <vector>

namespace {

const float gx = 400, gy = 300;

// One needle as feedback gives it: its angle in degrees clockwise from up
// (0 to 360), the half width at its tip and its colour's red and blue.
struct needle_seen {
    int found;
    float angle, half_width, red, blue;
};

template <typename F>
needle_seen needle_of(F draw)
{
    std::vector<std::vector<float>> corners;
    for (const fb_prim& p : feedback(GL_3D_COLOR_TEXTURE, draw)) {
        if (p.token != GL_POLYGON_TOKEN) continue;
        for (const std::vector<float>& v : p.v) {
            bool seen = false;
            for (const std::vector<float>& c : corners)
                seen = seen || (fabsf(c[0] - v[0]) < 1e-3f && fabsf(c[1] - v[1]) < 1e-3f);
            if (!seen) corners.push_back(v);
        }
    }
    needle_seen n = {0, 0, 0, 0, 0};
    if (corners.size() != 4) return n;
    // The tip's two corners are those at t = 1, the far end from the tail.
    float tx = 0, ty = 0;
    std::vector<const std::vector<float>*> tip;
    for (const std::vector<float>& c : corners)
        if (c[8] > 0.5f) tip.push_back(&c);
    if (tip.size() != 2) return n;
    for (const std::vector<float>* c : tip) tx += (*c)[0] / 2, ty += (*c)[1] / 2;
    n.found = 1;
    n.angle = atan2f(tx - gx, ty - gy) / con.degtorad;
    if (n.angle < 0) n.angle += 360;
    n.half_width = hypotf((*tip[0])[0] - (*tip[1])[0], (*tip[0])[1] - (*tip[1])[1]) / 2;
    n.red = corners[0][3];
    n.blue = corners[0][5];
    return n;
}

// The turboprop of the headless tests: the propeller at most 1350 rpm on a
// gear ratio of 2, full scale 3000 engine rpm; 30 inHg; the dials' scales
// of the loader, without an ECAM (its numbers are the headless tests').
class EngineGaugesGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_panel_window();
        OGL_assigncolor(6, 1, 0, 0);
        OGL_assigncolor(39, 0, 0, 1);
        lay_out_test_turboprop(0, 0);
    }
};

float rated_torque(void) { return pln[0].pmax / pln[0].omegamax; }

}  // namespace

// The zero straight down (180), full scale 272 degrees clockwise from it
// (92), where the loader's scales put it; the fuel flow's needle the thin one.
TEST_F(EngineGaugesGl, NeedlesStandAtTheirValueOnTheLoadersScale)
{
    typedef void (*gauge_fn)(int, float, float);
    struct cell {
        const char* what;
        gauge_fn gauge;
        void (*state)(void);
        float angle, half_width;
    };
    const cell cells[] = {
        {"fuel flow above full scale", update_ff_, [] { flt.fuel_flow[0] = 10; }, 92, 1},
        {"fuel flow at full scale", update_ff_, [] { flt.fuel_flow[0] = ff__max() / con.kgstolbs / 3600; }, 92, 1},
        {"fuel flowing back", update_ff_, [] { flt.fuel_flow[0] = -0.01f; }, 180, 1},
        // 1500 engine rpm of 3000: half scale; the propeller's 750 alone would be 248.
        {"the propeller at 750 rpm", update_tac, [] { flt.engine_speed[0] = 750 * con.rpmtorsc; }, 316, 2},
        {"N1 100 percent", update_n1_, [] { flt.jet_n1[0] = 100; }, 92, 2},
        {"manifold at half its 30 inHg", update_mpr, [] { flt.manifold_p[0] = 15; }, 316, 2},
        {"half the rated torque", update_trq, [] { flt.eng_torque[0] = rated_torque() / 2; }, 316, 2},
        {"no rated power", update_trq, [] { flt.eng_torque[0] = 1000, pln[0].pmax = 0; }, 180, 2},
        {"no rated speed", update_trq, [] { flt.eng_torque[0] = 1000, pln[0].omegamax = 0; }, 180, 2},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        SetUp();
        c.state();
        needle_seen n = needle_of([&] { c.gauge(0, gx, gy); });
        ASSERT_TRUE(n.found);
        EXPECT_NEAR(n.angle, c.angle, 0.05f);
        EXPECT_NEAR(n.half_width, c.half_width, 1e-3f);
    }
}

// The six-pack's needles in colour 6, every other panel's in 39.
TEST_F(EngineGaugesGl, NeedleColourFollowsThePanel)
{
    flt.jet_n1[0] = 50;
    for (int panel : {1, 2}) {
        pln[0].paneltype = panel;
        needle_seen n = needle_of([] { update_n1_(0, gx, gy); });
        ASSERT_TRUE(n.found) << "panel " << panel;
        EXPECT_NEAR(n.red, panel == 1 ? 1 : 0, 1e-3f) << "panel " << panel;
        EXPECT_NEAR(n.blue, panel == 1 ? 0 : 1, 1e-3f) << "panel " << panel;
    }
}
