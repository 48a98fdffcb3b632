// The engine gauges without a window, drawn into rgb_array and compared with
// the bar, number or mark they should be drawn alone: the bars' heights on
// the loader's scales (fuel flow held to its scale, the tachometer's gear
// ratio, half the rated torque, an aircraft without a rated torque), no
// numbers on the bars even with an ECAM, the ECAM's numbers on the dials, the
// EGT mark's lag and its reach past the scale, and a reading that is not a
// number holding the last one. The needles are GL's: the window tests read them.
#include <gtest/gtest.h>

#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

// Centre (dial) or foot (bar) of the gauge under test.
const float gx = 400, gy = 300;

typedef void (*gauge_fn)(int, float, float);

std::string gauge_drawn(gauge_fn gauge) { return rgb_drawn_alone([&] { gauge(0, gx, gy); }); }

// A turboprop whose propeller turns at most 1350 rpm on a gear ratio of 2,
// so the tachometer's full scale is 3000 engine rpm; its gauges on the
// loader's scales for the bar style or the dials.
class EngineGauges : public ::testing::Test {
protected:
    void SetUp() override { start(0, 0); }
    void TearDown() override { to_array = 0; }

    static void start(int tape, int ecam)
    {
        start_panel_picture();
        msc.dt = 0.5f;
        lay_out_test_turboprop(tape, ecam);
    }
};

// The torque at full power and full speed, N m.
float rated_torque(void) { return pln[0].pmax / pln[0].omegamax; }

void at_28_percent(void)
{
    flt.eng_torque[0] = 0.28f * rated_torque();
    update_trq(0, gx, gy);
}

struct gauge_case {
    const char* what;
    gauge_fn gauge;
    void (*state)(void);
    float height;   // of the bar, panel units
};

const gauge_case bar_cases[] = {
    {"fuel flow above full scale", update_ff_, [] { flt.fuel_flow[0] = 10; }, 100},
    {"fuel flow at half scale", update_ff_,
     [] { flt.fuel_flow[0] = ff__max() / 2 / con.kgstolbs / 3600; }, 50},
    {"fuel flowing back", update_ff_, [] { flt.fuel_flow[0] = -0.01f; }, 0},
    {"the propeller at 600 rpm: 1200 engine rpm", update_tac, [] { flt.engine_speed[0] = 600 * con.rpmtorsc; }, 40},
    {"N1 75 percent", update_n1_, [] { flt.jet_n1[0] = 75; }, 75},
    {"manifold at half its 30 inHg", update_mpr, [] { flt.manifold_p[0] = 15; }, 50},
    {"half the rated torque", update_trq, [] { flt.eng_torque[0] = rated_torque() / 2; }, 50},
    // The panel's readings outlive an aircraft: the last one read 28 percent.
    {"no rated power", update_trq, [] { at_28_percent(), pln[0].pmax = 0; }, 0},
    {"no rated speed", update_trq, [] { at_28_percent(), pln[0].omegamax = 0; }, 0},
    {"no rated power, no torque", update_trq, [] { at_28_percent(), pln[0].pmax = flt.eng_torque[0] = 0; }, 0},
    {"far beyond full scale", update_n1_, [] { flt.jet_n1[0] = 1e30f; }, 600},
};

}  // namespace

// A bar 5 wide rising from the foot by the value on the loader's scale of 100
// over full scale, and nothing else: no number, with or without an ECAM.
TEST_F(EngineGauges, BarsRiseByTheirValueAndPrintNoNumber)
{
    for (int ecam : {0, 1}) {
        for (const gauge_case& c : bar_cases) {
            SCOPED_TRACE(std::string(c.what) + (ecam ? ", with an ECAM" : ""));
            start(1, ecam);
            c.state();
            std::string want = rgb_drawn_alone([&] {
                if (c.height > 0) OGL_fillrect(48, gx - 2, gy, 5, c.height);
            });
            std::string got = gauge_drawn(c.gauge);
            EXPECT_TRUE(got == want) << rgb_first_difference(got, want);
        }
    }
    // The scale itself: a full bar is 100 tall whatever the full-scale value.
    EXPECT_NEAR(ins.n1_scale * n1__max(), 100, 1e-4f);
    EXPECT_NEAR(ins.ff_scale * ff__max(), 100, 1e-4f);
}

// On an ECAM's dials each gauge but the fuel flow prints its value above the
// centre: the tachometer the propeller's rpm without the gear ratio, the
// torque signed and further left; without an ECAM nothing shows but the
// needle, which is GL's.
TEST_F(EngineGauges, EcamNumbersStandAboveTheNeedle)
{
    struct cell {
        const char* what;
        int ecam;
        gauge_fn gauge;
        void (*state)(void);
        void (*want)(void);
    };
    const cell cells[] = {
        {"tachometer", 1, update_tac, [] { flt.engine_speed[0] = 1234 * con.rpmtorsc; },
         [] { OGL_number(48, gx - 7, gy - 9, 1234, 4, 0, 6, 0); }},
        {"N1", 1, update_n1_, [] { flt.jet_n1[0] = 87.4f; }, [] { OGL_number(48, gx - 7, gy - 9, 87, 3, 0, 6, 0); }},
        {"manifold pressure", 1, update_mpr, [] { flt.manifold_p[0] = 23.4f; },
         [] { OGL_number(48, gx - 7, gy - 9, 23.4f, 4, 1, 6, 1); }},
        {"a windmilling propeller's torque", 1, update_trq, [] { flt.eng_torque[0] = -0.12f * rated_torque(); },
         [] { OGL_number(48, gx - 10, gy - 9, -12, 5, 0, 6, 1); }},
        {"torque without a rated power", 1, update_trq, [] { at_28_percent(), pln[0].pmax = 0; },
         [] { OGL_number(48, gx - 10, gy - 9, 0, 5, 0, 6, 1); }},
        {"fuel flow", 1, update_ff_, [] { flt.fuel_flow[0] = 0.01f; }, [] {}},
        {"tachometer without an ECAM", 0, update_tac, [] { flt.engine_speed[0] = 1234 * con.rpmtorsc; }, [] {}},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        start(0, c.ecam);
        c.state();
        std::string want = rgb_drawn_alone(c.want);
        std::string got = gauge_drawn(c.gauge);
        EXPECT_TRUE(got == want) << rgb_first_difference(got, want);
    }
}

// The mark follows the EGT by its difference times the frame time, along
// 30 units from x - 8 (cold) to x + 22 (full) and on past it; with an ECAM
// it is neither drawn nor lagged; a reading that is not a number leaves the
// mark lagging to the last one.
TEST_F(EngineGauges, EgtMarkLagsAndRunsPastTheScale)
{
    flt.egt_frac[0] = 1;
    update_egt(0, gx, gy);
    EXPECT_FLOAT_EQ(flt.egt_disp[0], 0.5f);
    std::string got = gauge_drawn(update_egt);
    EXPECT_FLOAT_EQ(flt.egt_disp[0], 0.75f);
    std::string want = rgb_drawn_alone([] { OGL_line(3, gx + 14.5f, gy + 8, gx + 14.5f, gy + 12); });
    EXPECT_TRUE(got == want) << rgb_first_difference(got, want);

    flt.egt_frac[0] = NAN;
    update_egt(0, gx, gy);
    EXPECT_FLOAT_EQ(flt.egt_disp[0], 0.875f) << "on toward the last reading";

    flt.egt_frac[0] = flt.egt_disp[0] = 1.5f;
    got = gauge_drawn(update_egt);
    want = rgb_drawn_alone([] { OGL_line(3, gx + 37, gy + 8, gx + 37, gy + 12); });
    EXPECT_TRUE(got == want) << "past x + 22: " << rgb_first_difference(got, want);

    start(0, 1);
    flt.egt_frac[0] = 0, flt.egt_disp[0] = 0.3f;
    EXPECT_TRUE(gauge_drawn(update_egt) == rgb_drawn_alone([] {})) << "the ECAM shows it";
    EXPECT_FLOAT_EQ(flt.egt_disp[0], 0.3f) << "nor lagged";
}

// A gauge fed a value that is not a number, or one whose place on the scale
// is not, shows what it showed the frame before; each engine holds its own,
// so one that never read a number shows zero. (A fuel flow that is not a
// number would otherwise pin at full scale.)
TEST_F(EngineGauges, ReadingThatIsNotANumberHoldsTheLast)
{
    struct cell {
        const char* what;
        gauge_fn gauge;
        float* value;   // the flight's, by engine
        float good, bad;
    };
    const cell cells[] = {
        {"fuel flow", update_ff_, flt.fuel_flow, 0.01f, NAN},
        {"tachometer", update_tac, flt.engine_speed, 100, INFINITY},
        {"tachometer off its scale", update_tac, flt.engine_speed, 100, 3e37f},
        {"N1", update_n1_, flt.jet_n1, 60, NAN},
        {"manifold pressure", update_mpr, flt.manifold_p, 20, -INFINITY},
        {"torque", update_trq, flt.eng_torque, 500, NAN},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        start(1, 0);
        c.value[0] = c.good;
        std::string before = gauge_drawn(c.gauge);
        EXPECT_FALSE(before == rgb_drawn_alone([] {})) << "a bar to hold";
        c.value[0] = c.value[1] = c.bad;
        std::string got = gauge_drawn(c.gauge);
        EXPECT_TRUE(got == before) << rgb_first_difference(got, before);
        EXPECT_TRUE(rgb_drawn_alone([&] { c.gauge(1, gx, gy); }) == rgb_drawn_alone([] {})) << "engine 1 shows engine 0's";
    }
}
