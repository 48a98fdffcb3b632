// The panel's frame without a window: the gyros' spin-up, readings, drift
// and freeze; the compass card's lag and its acceleration swing; the status
// line, the lamps and the fuel needle drawn into rgb_array and compared with
// the same texts and lamps drawn alone; the frame's handle list for four
// kinds of aircraft; the drum's digits, the needles' deviation; a flight
// value that is not a number holding the last reading; and a glass tape fed
// a value it cannot show.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

// A part of the 800 x 600 picture, corners included.
struct box {
    int x0, y0, x1, y1;
};

std::string picture(box b)
{
    std::string s;
    for (int y = b.y0; y <= b.y1; y++)
        s.append((const char*)rgb_array + (y * 800 + b.x0) * 3, (size_t)(b.x1 - b.x0 + 1) * 3);
    return s;
}

template <typename F>
std::string drawn_alone(box b, F draw)
{
    memset(rgb_array, 0, sizeof rgb_array);
    draw();
    return picture(b);
}

// Colour index k paints red k + 1 (see the fixture): -1 for a dark pixel.
int colour_at(int x, int y) { return (int)rgb_array[(y * 800 + x) * 3] - 1; }

// What update_panel draws inside b is what want draws there by itself.
template <typename F>
::testing::AssertionResult panel_draws(box b, F want)
{
    std::string expected = drawn_alone(b, want);
    std::string got = drawn_alone(b, update_panel);
    if (got == expected) return ::testing::AssertionSuccess();
    for (size_t k = 0; k < got.size(); k += 3)
        if (got.compare(k, 3, expected, k, 3) != 0) {
            int w = b.x1 - b.x0 + 1, i = (int)(k / 3);
            return ::testing::AssertionFailure() << "first at (" << b.x0 + i % w << ", " << b.y0 + i / w
                                                 << "): colour " << (int)(unsigned char)got[k] - 1 << ", not "
                                                 << (int)(unsigned char)expected[k] - 1;
        }
    return ::testing::AssertionFailure();
}

class PanelFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_panel_picture();
        for (int& ok : rel.system_ok) ok = 1;
        msc.dt = 0.05f;
        msc.sim_time = 10;
        planestruct& a = pln[0];
        a.paneltype = 1;
        a.entype = 1;
        a.numen = 1;
        a.HUDtype = 1;
        snprintf(a.C_name, sizeof a.C_name, "Cessna 172 Skyhawk");
        ins.radio_dx = 156;
        ins.radio_dy = -155;
        set.ctl_scale_b = set.ctl_scale_c = set.ctl_scale_d = 1;
        atm.temp_k = 288.15f;
        pnl.drift_drawn = 1;
        pnl.gyro_drift_pitch = 20;
        pnl.gyro_drift_roll = -15;
    }
    void TearDown() override { to_array = 0; }
};

}  // namespace

// ---- gyros and compass ------------------------------------------------------

// The attitude and heading gyros over one frame each: the wobble of a piston
// aircraft's gyros spinning up on the ground, the readings while the vacuum
// works (a failed instrument frozen), the drift once it fails, run down after
// 180 s; and a failure time from before a reset that restarts the drift now.
TEST_F(PanelFrame, GyrosWobbleReadDriftAndFreeze)
{
    struct cell {
        const char* what;
        int entype, on_ground;
        float t, fail_time;
        int vacuum, attitude, heading;
        float ah_pitch, ah_roll, dg_hdg;   // before the frame
        float pitch, roll, hdg;            // the flight's
        float want_pitch, want_roll, want_dg, want_fail_time;
    };
    const cell cells[] = {
        {"piston spinning up on the ground", 1, 1, 1, 0, 1, 1, 1, 0, 0, 123, 10, -5, 200,
         10 + 7.5f * sinf(10), -5 + 7.5f * sinf(20), 123, 0},
        {"the other piston kind, later", 2, 1, 3, 0, 1, 1, 1, 0, 0, 123, 10, -5, 200,
         10 + 2.5f * sinf(30), -5 + 2.5f * sinf(60), 123, 0},
        {"spun up at 4 s", 1, 1, 4, 0, 1, 1, 1, 0, 0, 123, 10, -5, 200, 10, -5, 200, 4},
        {"a jet on the ground reads at once", 4, 1, 1, 0, 1, 1, 1, 0, 0, 123, 10, -5, 200, 10, -5, 200, 1},
        {"a piston in the air reads at once", 1, 0, 1, 0, 1, 1, 1, 0, 0, 123, 10, -5, 200, 10, -5, 200, 1},
        {"attitude gyro failed: frozen", 1, 0, 50, 0, 1, 0, 1, 33, -7, 123, 10, -5, 200, 33, -7, 200, 50},
        {"heading gyro failed: frozen", 1, 0, 50, 0, 1, 1, 0, 33, -7, 123, 10, -5, 200, 10, -5, 123, 50},
        // f = 0.5, k = 0.25: pitch 0.25 (20 x 0.5 + 10), roll 0.25 (-15 x 0.5 - 5), heading 0.25 x 20
        {"vacuum failed half-way", 1, 0, 100, 10, 0, 1, 1, 0, 0, 350, 10, -5, 10, 5, -3.125f, 355, 10},
        {"drifting across north", 1, 0, 100, 10, 0, 1, 1, 0, 0, 358, 10, -5, 30, 5, -3.125f, 6, 10},
        {"run down after 180 s", 1, 0, 191, 10, 0, 1, 1, 33, -7, 123, 10, -5, 200, 33, -7, 123, 10},
        {"reset below the failure time", 4, 0, 2, 100, 0, 1, 1, 40, 30, 90, 10, -5, 10, 10, -5, 10, 2},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        pln[0].entype = c.entype;
        flt.on_ground = c.on_ground;
        msc.sim_time = c.t;
        pnl.gyro_fail_time = c.fail_time;
        rel.system_ok[sys_vacuum] = c.vacuum;
        rel.system_ok[sys_attitude] = c.attitude;
        rel.system_ok[sys_heading] = c.heading;
        ins.ah_pitch = c.ah_pitch, ins.ah_roll = c.ah_roll, ins.dg_hdg = c.dg_hdg;
        flt.theta[0] = c.pitch, flt.phi[0] = c.roll, flt.hdg_mag = c.hdg;
        update_panel();
        EXPECT_NEAR(ins.ah_pitch, c.want_pitch, 1e-4f);
        EXPECT_NEAR(ins.ah_roll, c.want_roll, 1e-4f);
        EXPECT_NEAR(ins.dg_hdg, c.want_dg, 1e-4f);
        EXPECT_FLOAT_EQ(pnl.gyro_fail_time, c.want_fail_time);
    }
}

// The card lags a second behind its target, by the wrapped difference each
// frame, and wraps at north. With a frame of 1 s it lands on its target, whose
// east-west acceleration term is largest at true headings 90 and 270 and gone
// at 0 and 180.
TEST_F(PanelFrame, CompassCardLagsAndSwingsWithAcceleration)
{
    EXPECT_EQ(pnl.compass_hdg, 0) << "the card starts at 0";
    msc.dt = 0.1f;
    flt.hdg_mag = 90;
    update_panel();
    EXPECT_NEAR(pnl.compass_hdg, 9, 1e-4f);
    update_panel();
    EXPECT_NEAR(pnl.compass_hdg, 17.1f, 1e-4f);

    const struct {
        float card, hdg, dt, want;
    } lags[] = {{350, 10, 0.1f, 352}, {5, 355, 0.1f, 4}, {1, 300, 0.5f, 330.5f}};
    for (const auto& l : lags) {
        pnl.compass_hdg = l.card;
        flt.hdg_mag = l.hdg;
        msc.dt = l.dt;
        update_panel();
        EXPECT_NEAR(pnl.compass_hdg, l.want, 1e-3f) << "from " << l.card << " toward " << l.hdg;
    }

    const struct {
        float psi, acc, hdg, want;
    } targets[] = {
        {90, 1, 100, 82}, {270, 1, 100, 82}, {0, 1, 100, 100}, {180, 1, 100, 100},
        {45, 1, 100, 91}, {135, 1, 100, 91}, {225, 1, 100, 91}, {315, -1, 100, 109},
        {90, 1, 5, 347},
    };
    msc.dt = 1;
    for (const auto& c : targets) {
        pnl.compass_hdg = 0;
        flt.psi[0] = c.psi, flt.a_x = c.acc, flt.hdg_mag = c.hdg;
        update_panel();
        EXPECT_NEAR(pnl.compass_hdg, c.want, 1e-3f) << "true heading " << c.psi << ", acceleration " << c.acc;
    }

    // North on the card is labelled 36, at the lubber line.
    pnl.compass_hdg = 0;
    flt.psi[0] = flt.a_x = flt.hdg_mag = 0;
    EXPECT_TRUE(panel_draws({366, 571, 381, 580}, [] { OGL_number(6, 368, 572, 36, 2, 0, 6, 0); }));
}

// ---- status line, lamps, needles -----------------------------------------------

// The control response by the three sensitivities' mean, the flight-model
// ease by its quarter steps.
TEST_F(PanelFrame, StatusLineShowsControlsAndEase)
{
    const struct {
        float b, c, d;
        const char* text;
    } controls[] = {
        {0.96f, 0.96f, 0.96f, "controls: 100%"}, {0.94f, 0.94f, 0.94f, "controls:  90%"},
        {1, 1, 0.7f, "controls:  90%"},          {0.84f, 0.84f, 0.84f, "controls:  80%"},
        {0.76f, 0.76f, 0.76f, "controls:  80%"}, {0.74f, 0.74f, 0.74f, "controls:  70%"},
        {0.66f, 0.66f, 0.66f, "controls:  70%"}, {0.56f, 0.56f, 0.56f, "controls:  60%"},
        {0.54f, 0.54f, 0.54f, "controls:  50%"}, {0.5f, 0.5f, 0.5f, "controls:  50%"},
    };
    for (const auto& c : controls) {
        set.ctl_scale_b = c.b, set.ctl_scale_c = c.c, set.ctl_scale_d = c.d;
        EXPECT_TRUE(panel_draws({8, 560, 100, 580}, [&] { OGL_string(48, 10, 568, c.text, 999, 6); })) << c.text;
    }
    const struct {
        float ease;
        const char* text;
    } eases[] = {
        {0, "mode: realistic    "},     {0.1f, "mode: realistic    "}, {0.25f, "mode: slightly easy"},
        {0.5f, "mode: somewhat easy"},  {0.7f, "mode: quite easy   "}, {1, "mode: very easy    "},
        {-0.2f, "mode: very easy    "}, {NAN, "mode: very easy    "},
    };
    for (const auto& e : eases) {
        set.ctl_scale_a = e.ease;
        EXPECT_TRUE(panel_draws({128, 560, 250, 580}, [&] { OGL_string(48, 130, 568, e.text, 999, 6); }))
            << "ease " << e.ease;
    }
}

// A notice for its third of ten seconds when its cause holds, else the
// aircraft's name; the oil notice for a failed flag of any of the four
// engine slots, on a single-engine aircraft too.
TEST_F(PanelFrame, StatusLineRotatesItsNoticesAndShowsTheName)
{
    struct cell {
        const char* what;
        int phase;
        void (*cause)(void);
        const char* text;   // nullptr: the name
        int colour;
    };
    const cell cells[] = {
        {"graphics output", 0, [] { set.out_graph_any = 1; }, "graphics data saving      ", 48},
        {"graphics output, a later turn", 6, [] { set.out_graph_any = 1; }, "graphics data saving      ", 48},
        {"graphics output off", 0, [] {}, nullptr, 48},
        {"disk output", 1, [] { set.out_file_any = 1; }, "disk outfile saving       ", 48},
        {"airframe ice", 2, [] { flt.ice_amount = 0.02f; }, "airframe ice visible!     ", 42},
        {"a trace of airframe ice", 2, [] { flt.ice_amount = 0.005f; }, nullptr, 48},
        {"carburettor ice, fourth slot", 3, [] { flt.ice_carb[3] = 0.02f; }, "carb ice suspected!       ", 42},
        {"oil gone, fourth slot", 4, [] { rel.system_ok[sys_engine_power + 3] = 0; }, "oil pressure gone!        ", 42},
        {"serial output", 5, [] { set.serial_mode = serial_mode_items; }, "outputting to serial port!", 42},
        {"a cause out of its phase", 4, [] { set.out_graph_any = 1; }, nullptr, 48},
    };
    const box notice = {428, 560, 705, 580};
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        SetUp();
        msc.sim_time = ((float)c.phase + 0.5f) / 0.3f;
        c.cause();
        const char* text = c.text ? c.text : pln[0].C_name;
        EXPECT_TRUE(panel_draws(notice, [&] { OGL_string(c.colour, 430, 568, text, 999, 6); }));
    }

    // A name that fills its field shows up to the field's end.
    SetUp();
    memset(pln[0].C_name, 'W', sizeof pln[0].C_name);
    std::string shown(sizeof pln[0].C_name - 1, 'W');
    EXPECT_TRUE(panel_draws(notice, [&] { OGL_string(48, 430, 568, shown.c_str(), 999, 6); }));
}

// The lit lamps over the dark ones by the tenth-second phase: the outer in
// long dashes, the middle dash-dot, the inner in dots; only while received.
TEST_F(PanelFrame, MarkerLampsFlashInTheirCodes)
{
    const float r = ins.radio_dx;
    const struct {
        int* received;
        float x;
        int lit_kind;
        const char* on;   // by tick 0..9
    } lamps[] = {
        {&nav.mkr_outer, 494, marker_outer_lit, "#####....."},
        {&nav.mkr_middle, 510, marker_middle_lit, "##..#####."},
        {&nav.mkr_inner, 526, marker_inner_lit, "##.##.##.."},
    };
    for (const auto& lamp : lamps) {
        const box b = {(int)(r + lamp.x), 292, (int)(r + lamp.x) + 14, 302};
        auto lit = [&] { plot_marker(r + lamp.x, 292, lamp.lit_kind); };
        nav.mkr_outer = nav.mkr_middle = nav.mkr_inner = 1;
        for (int tick = 0; tick < 10; tick++) {
            msc.tenth_count = tick;
            if (lamp.on[tick] == '#') EXPECT_TRUE(panel_draws(b, lit)) << "lamp " << lamp.lit_kind << ", tick " << tick;
            else EXPECT_TRUE(panel_draws(b, [] {})) << "lamp " << lamp.lit_kind << ", tick " << tick;
        }
        // Lit by its own beacon alone.
        msc.tenth_count = 0;
        nav.mkr_outer = nav.mkr_middle = nav.mkr_inner = 0;
        EXPECT_TRUE(panel_draws(b, [] {})) << "lamp " << lamp.lit_kind << " with no beacon";
        *lamp.received = 1;
        EXPECT_TRUE(panel_draws(b, lit)) << "lamp " << lamp.lit_kind << " with its beacon";
        *lamp.received = 0;
    }
}

// Each leg's lamp: green with the handle and the leg down, red while they
// differ, dark with the gear up or without electrics.
TEST_F(PanelFrame, GearLampsShowDownInTransitAndDark)
{
    pln[0].gear_retract = 1;
    const float r = ins.radio_dx;
    const float lamp[3][2] = {{622, 18}, {616, 8}, {628, 8}};
    const struct {
        const char* what;
        int electrics, handle_down, legs[3];
        int outer[3], inner[3];
    } cells[] = {
        {"down and locked", 1, 1, {1, 1, 1}, {50, 50, 50}, {47, 47, 47}},
        {"one leg still coming down", 1, 1, {1, 0, 1}, {50, 45, 50}, {47, 46, 47}},
        {"one leg still going up", 1, 0, {0, 0, 1}, {29, 29, 45}, {22, 22, 46}},
        {"up", 1, 0, {0, 0, 0}, {29, 29, 29}, {22, 22, 22}},
        {"down without electrics", 0, 1, {1, 1, 1}, {29, 29, 29}, {22, 22, 22}},
    };
    for (const auto& c : cells) {
        rel.system_ok[sys_electrical] = c.electrics;
        set.gear_down = c.handle_down;
        for (int i = 0; i < 3; i++) pln[0].gear_stat[i] = c.legs[i];
        memset(rgb_array, 0, sizeof rgb_array);
        update_panel();
        for (int i = 0; i < 3; i++) {
            int x = (int)(r + lamp[i][0]), y = (int)lamp[i][1];
            EXPECT_EQ(colour_at(x, y), c.outer[i]) << c.what << ", leg " << i;
            EXPECT_EQ(colour_at(x + 3, y + 3), c.outer[i]) << c.what << ", leg " << i;
            EXPECT_EQ(colour_at(x + 1, y + 1), c.inner[i]) << c.what << ", leg " << i;
            EXPECT_EQ(colour_at(x + 2, y + 2), c.inner[i]) << c.what << ", leg " << i;
            EXPECT_EQ(colour_at(x + 4, y + 4), -1) << c.what << ", leg " << i;
        }
    }
}

// Bright near either edge of the reply window, dimmer a little further in,
// dull in the middle, dark once it closes; a window from before a reset
// (sim_time below its start) closes.
TEST_F(PanelFrame, ReplyLampBrightensNearTheWindowsEdges)
{
    const float r = ins.radio_dx;
    const struct {
        float t;
        int colour;
    } cells[] = {{10.05f, 15}, {10.1f, 9}, {10.2f, 3}, {10.3f, 9}, {10.35f, 15}, {10.4f, -1}, {10.5f, -1}};
    for (const auto& c : cells) {
        ins.reply_on = 10, ins.reply_off = 10.4f;
        msc.sim_time = c.t;
        memset(rgb_array, 0, sizeof rgb_array);
        update_panel();
        EXPECT_EQ(colour_at((int)r + 499, 147), c.colour) << "at " << c.t;
        EXPECT_EQ(colour_at((int)r + 501, 149), c.colour) << "at " << c.t;
    }

    ins.reply_on = 100, ins.reply_off = 100.2f;
    msc.sim_time = 2;
    memset(rgb_array, 0, sizeof rgb_array);
    update_panel();
    EXPECT_EQ(colour_at((int)r + 500, 148), -1);
    EXPECT_EQ(ins.reply_on, 0);
    EXPECT_EQ(ins.reply_off, 0);
}

// Three columns about the needle's place, 31 units for a full tank; a column
// on one of the scale's ticks (0, 15, 30) is left out.
TEST_F(PanelFrame, FuelNeedleLeavesTheTickColumnsOut)
{
    const int x0 = (int)ins.radio_dx + 514;
    const struct {
        float fuel, capacity;
        std::vector<int> columns;   // from x0
    } cells[] = {
        {50, 100, {14, 16}},   // x0 + 15.5
        {0, 100, {-1, 1}},
        {100, 100, {31, 32}},
        {25, 100, {6, 7, 8}},  // x0 + 7.75
        {50, 0, {-1, 1}},      // no tank: pinned at empty
    };
    for (const auto& c : cells) {
        flt.fuel = c.fuel;
        pln[0].m_fuel = c.capacity;
        memset(rgb_array, 0, sizeof rgb_array);
        update_panel();
        std::vector<int> lit;
        for (int dx = -5; dx <= 40; dx++)
            if (colour_at(x0 + dx, 44) >= 0) {
                lit.push_back(dx);
                EXPECT_EQ(colour_at(x0 + dx, 44), 9);
                EXPECT_EQ(colour_at(x0 + dx, 42), 9);
                EXPECT_EQ(colour_at(x0 + dx, 46), 9);
            }
        EXPECT_EQ(lit, c.columns) << c.fuel << " of " << c.capacity;
    }
}

// ---- handles ------------------------------------------------------------------

namespace {

typedef std::tuple<int, float, float, float, float> handle_row;   // kind, x, y, w, h

std::vector<handle_row> handles_of_frame(void)
{
    update_panel();
    std::vector<handle_row> got;
    for (int k = 0; k < panel_handles.count; k++) {
        const panelhandle& h = panel_handles.item[k];
        got.emplace_back(h.kind, h.x, h.y, h.w, h.h);
    }
    std::sort(got.begin(), got.end());
    return got;
}

// The rows a switch bank of one kind adds: count items from (x, y) on, dx
// apart, the index on lit.
void add_bank(std::vector<handle_row>& rows, int count, float x, float dx, float y, float w, float h, int off,
              int on, int lit)
{
    for (int k = 0; k < count; k++) rows.emplace_back(k == lit ? on : off, x + dx * (float)k, y, w, h);
}

// The seven autopilot buttons (their columns are not evenly spaced).
void add_autopilot(std::vector<handle_row>& rows, float r, int lit)
{
    const float x[7] = {497, 517, 537, 560, 580, 600, 620};
    for (int k = 0; k < 7; k++) rows.emplace_back(k == lit ? handle_ap_on : handle_ap_off, r + x[k], 87, 20, 13);
}

void set_columns(const std::vector<float>& thro, const std::vector<float>& prop, const std::vector<float>& mixt)
{
    for (size_t e = 0; e < thro.size(); e++) thro_x[e] = thro[e], prop_x[e] = prop[e], mixt_x[e] = mixt[e];
}

}  // namespace

// The levers, switches and buttons a frame collects, with their pictures
// and places, for four aircraft: a fixed-pitch single like the shipped
// Cessna, a turboprop twin with reversers (one reversing) and retractable
// gear, a helicopter with its collective, and a glider.
TEST_F(PanelFrame, HandleListFollowsTheAircraft)
{
    struct cell {
        const char* what;
        void (*setup)(void);
        std::vector<handle_row> (*want)(void);
    };
    const cell cells[] = {
        {"fixed-pitch single",
         [] {
             planestruct& a = pln[0];
             a.entype = 1, a.numen = 1, a.flapEQ = 1, a.supptype = 1;
             ins.radio_dx = ins.radio_dy = 0;
             set_columns({669}, {720}, {761});
             ins.ldg_lights = 1;
             nav.audio_sel = 2;
             nav.dme_sel = 0;
             ott.ap_alt = 1;
             flt.flap_request = 0.5f;
             flt.throttle_req[0] = 0.5f;
             flt.prop_req[0] = 200;   // no propeller lever to show it
             flt.mixture[0] = 1;
         },
         [] {
             std::vector<handle_row> w;
             w.emplace_back(handle_switch_on, 38, 314, 18, 10);
             add_bank(w, 5, 545, 20, 290, 10, 9, handle_button_off, handle_button_on, 3);
             add_bank(w, 2, 602, 18, 270, 18, 10, handle_switch_off, handle_switch_on, 0);
             add_autopilot(w, 0, 3);
             w.emplace_back(handle_flap, 650, 100, 30, 8);
             w.emplace_back(handle_carb_heat, 786, 52, 12, 13);
             w.emplace_back(handle_throttle, 669, 28, 13, 14);
             w.emplace_back(handle_mixture, 761, 39, 9, 27);
             w.emplace_back(handle_trim, 787, 101, 6, 4);   // 101.5
             return w;
         }},
        {"turboprop twin, the right engine reversing",
         [] {
             planestruct& a = pln[0];
             a.entype = 3, a.numen = 2, a.varpitchEQ = 1, a.revthrustEQ = 1;
             a.omegamingreen = 100, a.omegamax = 200;
             a.HUDtype = 2, a.antiiceEQ = 1, a.jettisonEQ = 1, a.gear_retract = 1, a.supptype = 3;
             a.sbrkEQ = 1, a.slatEQ = 1;
             osh = 0;
             set_columns({662, 676}, {715, 725}, {756, 766});
             ins.hud_colour = 1, ins.anti_ice = 1;
             flt.jettison = 0;
             set.gear_down = 1;
             nav.audio_sel = 4;
             nav.gps_mode = 3;
             flt.sbrk_handle = 2;
             flt.flap_request = 0.25f;
             flt.reverser[1] = 1;
             flt.throttle_req[0] = 1, flt.throttle_req[1] = 0.25f;
             flt.prop_req[0] = 200, flt.prop_req[1] = 150;
             flt.mixture[0] = 0, flt.mixture[1] = 0.5f;
             flt.pitch_trim = 1;
         },
         [] {
             const float r = 156, e = -155;
             std::vector<handle_row> w;
             w.emplace_back(handle_switch_off, 38, 314, 18, 10);
             w.emplace_back(handle_switch_off, 84, 314, 18, 10);
             w.emplace_back(handle_button_on, 123, 314, 10, 9);
             w.emplace_back(handle_switch_on, 602, 314, 18, 10);
             w.emplace_back(handle_switch_on, 648, 314, 18, 10);
             add_bank(w, 5, r + 545, 20, 290, 10, 9, handle_button_off, handle_button_on, 0);
             w.emplace_back(handle_switch_off, r + 621, 270, 18, 10);
             w.emplace_back(handle_switch_on, r + 621, 248, 18, 10);
             w.emplace_back(handle_switch_off, r + 621, 226, 18, 10);
             add_autopilot(w, r, -1);
             w.emplace_back(handle_gear_down, r + 616, 30, 16, 24);
             w.emplace_back(handle_flap, e + 650, 113, 30, 8);   // 113.5
             w.emplace_back(handle_speedbrake, e + 698, 93, 20, 5);
             w.emplace_back(handle_throttle, e + 662, 52, 13, 14);
             w.emplace_back(handle_throttle, e + 676, 13, 13, 14);   // reversing: 16 down to 4
             w.emplace_back(handle_prop, e + 715, 39, 9, 27);
             w.emplace_back(handle_prop, e + 725, 21, 9, 27);    // 21.5
             w.emplace_back(handle_mixture, e + 756, 4, 9, 27);
             w.emplace_back(handle_mixture, e + 766, 21, 9, 27);
             w.emplace_back(handle_trim, e + 787, 81, 6, 4);
             return w;
         }},
        {"helicopter with a collective",
         [] {
             planestruct& a = pln[0];
             a.is_heli = 1, a.collectEQ = 1, a.entype = 3, a.numen = 1, a.varpitchEQ = 1;
             a.minpitch[0] = 0, a.maxpitch[0] = 16;
             a.jettisonEQ = 1, a.supptype = 4;
             osh = -100;
             ins.radio_dx = -489, ins.radio_dy = -100;
             set_columns({669}, {720}, {761});
             flt.jettison = 5;
             nav.audio_sel = 0;
             nav.gps_mode = 1;
             ott.ap_hdg = 1;
             flt.blade_pitch[0] = 8;
             flt.throttle_req[0] = 1;   // the collective does not show it
             flt.mixture[0] = 1;
             flt.pitch_trim = -1;
         },
         [] {
             const float r = -489, e = -100;
             std::vector<handle_row> w;
             w.emplace_back(handle_switch_off, 38, 314, 18, 10);
             w.emplace_back(handle_switch_off, 548, 314, 18, 10);
             add_bank(w, 5, r + 545, 20, 290, 10, 9, handle_button_off, handle_button_on, 1);
             w.emplace_back(handle_switch_on, r + 621, 270, 18, 10);
             w.emplace_back(handle_switch_off, r + 621, 248, 18, 10);
             w.emplace_back(handle_switch_off, r + 621, 226, 18, 10);
             add_autopilot(w, r, 0);
             w.emplace_back(handle_throttle, e + 669, 28, 13, 14);
             w.emplace_back(handle_mixture, e + 761, 39, 9, 27);
             w.emplace_back(handle_trim, e + 787, 122, 6, 4);
             return w;
         }},
        {"glider",
         [] {
             planestruct& a = pln[0];
             a.entype = 0, a.numen = 0, a.supptype = 5;
             ins.radio_dx = ins.radio_dy = 0;
             set_columns({0}, {0}, {0});
             ins.ldg_lights = 1;
             nav.audio_sel = 3;
             nav.gps_mode = 2;
             flt.throttle_req[0] = flt.mixture[0] = 1;
             flt.pitch_trim = 0.5f;
         },
         [] {
             std::vector<handle_row> w;
             w.emplace_back(handle_switch_on, 38, 314, 18, 10);
             add_bank(w, 5, 545, 20, 290, 10, 9, handle_button_off, handle_button_on, 4);
             w.emplace_back(handle_switch_off, 621, 270, 18, 10);
             w.emplace_back(handle_switch_off, 621, 248, 18, 10);
             w.emplace_back(handle_switch_on, 621, 226, 18, 10);
             add_autopilot(w, 0, -1);
             w.emplace_back(handle_trim, 787, 91, 6, 4);   // 91.25
             return w;
         }},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        SetUp();
        c.setup();
        std::vector<handle_row> want = c.want();
        std::sort(want.begin(), want.end());
        std::vector<handle_row> got = handles_of_frame();
        EXPECT_EQ(got.size(), want.size());
        for (size_t k = 0; k < std::max(got.size(), want.size()); k++) {
            if (k < got.size() && k < want.size() && got[k] == want[k]) continue;
            auto show = [](const std::vector<handle_row>& v, size_t k) {
                if (k >= v.size()) return std::string("none");
                char s[80];
                snprintf(s, sizeof s, "kind %d at %g, %g, %g x %g", std::get<0>(v[k]), std::get<1>(v[k]),
                         std::get<2>(v[k]), std::get<3>(v[k]), std::get<4>(v[k]));
                return std::string(s);
            };
            ADD_FAILURE() << "item " << k << ": " << show(got, k) << ", want " << show(want, k);
            break;
        }
    }
}

// A lever whose two stops are one setting stands at its low end, a number:
// a propeller lever with one governed speed, and a collective without travel.
TEST_F(PanelFrame, LeverWithoutTravelStandsAtItsLowEnd)
{
    const struct {
        const char* what;
        int heli, collective;
        float cant, y;
        int kind;
    } cells[] = {
        {"propeller lever", 0, 0, 0, 4, handle_prop},
        {"helicopter collective", 1, 1, 0, 52, handle_throttle},
        {"tilted rotors' collective", 0, 1, 90, 52, handle_throttle},
    };
    for (const auto& c : cells) {
        SetUp();
        planestruct& a = pln[0];
        a.entype = c.collective ? 3 : 1, a.varpitchEQ = 1;
        a.omegamingreen = a.omegamax = 250;
        a.is_heli = c.heli, a.collectEQ = c.collective, a.vertcant[0] = c.cant;
        a.minpitch[0] = a.maxpitch[0] = 10;
        set_columns({669}, {720}, {761});
        flt.prop_req[0] = 250;
        flt.blade_pitch[0] = 10;
        update_panel();
        int found = 0;
        for (int k = 0; k < panel_handles.count; k++)
            if (panel_handles.item[k].kind == c.kind) {
                found++;
                EXPECT_EQ(panel_handles.item[k].y, c.y) << c.what;
            }
        EXPECT_EQ(found, 1) << c.what;
    }
}

// ---- held readings --------------------------------------------------------------

namespace {

void fly_a_twin(void)
{
    planestruct& a = pln[0];
    a.entype = 2, a.numen = 2, a.varpitchEQ = 1, a.omegamingreen = 100, a.omegamax = 200;
    a.flapEQ = 1, a.vectEQ = 1, a.varsweepEQ[4] = 1, a.m_fuel = 100;
    set_columns({662, 676}, {715, 725}, {756, 766});
    ins.ins_on[ins_supp] = 1;
    flt.theta[0] = 5, flt.phi[0] = -3, flt.hdg_mag = 100, flt.psi[0] = 95, flt.a_x = 0.5f;
    atm.temp_k = 250, flt.fuel = 40;
    flt.roll_trim = 0.5f, flt.yaw_trim = -0.5f, flt.pitch_trim = 0.25f;
    flt.sweep_ratio = flt.sweep_req = 0.5f, flt.vector_angle = a.vertcant[0] = 60;
    flt.flap_ratio = flt.flap_request = 0.5f, flt.carb_heat = 1;
    ott.alt_target = 1000, ott.vvi_target = 5, ott.speed_target = 150;
    for (int e = 0; e < 2; e++) flt.throttle_req[e] = 0.7f, flt.prop_req[e] = 150, flt.mixture[e] = 0.9f;
    nav.cdi[0] = nav.cdi[1] = 1, nav.gsi[0] = nav.gsi[1] = -1;
}

void fail_the_readings(void)
{
    const float nan = NAN;
    for (float* v : {&flt.theta[0], &flt.phi[0], &flt.hdg_mag, &flt.psi[0], &flt.a_x, &atm.temp_k, &flt.fuel,
                     &flt.roll_trim, &flt.yaw_trim, &flt.pitch_trim, &flt.sweep_ratio, &flt.sweep_req,
                     &flt.vector_angle, &pln[0].vertcant[0], &flt.flap_ratio, &flt.flap_request, &flt.carb_heat,
                     &ott.alt_target, &ott.vvi_target, &ott.speed_target, &nav.cdi[0], &nav.cdi[1], &nav.gsi[0],
                     &nav.gsi[1]})
        *v = nan;
    for (int e = 0; e < 2; e++) flt.throttle_req[e] = flt.prop_req[e] = flt.mixture[e] = nan;
}

}  // namespace

// A flight value that is not a number shows as the last finite one: the
// second frame with every reading failed draws what it would have drawn with
// the first frame's values, gyros, card and levers alike.
TEST_F(PanelFrame, NonFiniteReadingsHoldTheLastFiniteOnes)
{
    fly_a_twin();
    update_panel();
    memset(rgb_array, 0, sizeof rgb_array);
    update_panel();
    std::string steady = picture({0, 0, 799, 599});
    panelrunstruct steady_run = pnl;
    float steady_gyros[3] = {ins.ah_pitch, ins.ah_roll, ins.dg_hdg};
    std::vector<handle_row> steady_handles = handles_of_frame();

    SetUp();
    fly_a_twin();
    update_panel();
    fail_the_readings();
    memset(rgb_array, 0, sizeof rgb_array);
    update_panel();
    EXPECT_TRUE(picture({0, 0, 799, 599}) == steady) << "the frame draws as with the last finite values";
    EXPECT_EQ(ins.ah_pitch, steady_gyros[0]);
    EXPECT_EQ(ins.ah_roll, steady_gyros[1]);
    EXPECT_EQ(ins.dg_hdg, steady_gyros[2]);
    EXPECT_EQ(pnl.compass_hdg, steady_run.compass_hdg);
    EXPECT_EQ(handles_of_frame(), steady_handles);
}

// ---- primitives without a window ------------------------------------------------

// The drum's digits, thousands first; each rolls on while the one to its
// right passes 9.
TEST(PanelDrum, DigitsRollOnPastNine)
{
    const struct {
        float value, d[4];
    } cells[] = {
        {1999.5f, {1.5f, 9.5f, 9.5f, 9.5f}},
        {1234, {1, 2, 3, 4}},
        {345.25f, {0, 3, 4, 5.25f}},
        {1909.5f, {1, 9, 0.5f, 9.5f}},   // the tens roll; the hundreds wait for them
        {1995, {1, 9, 9, 5}},
    };
    for (const auto& c : cells) {
        float d[4];
        vtape_digits(c.value, d);
        for (int k = 0; k < 4; k++) EXPECT_FLOAT_EQ(d[k], c.d[k]) << c.value << ", drum " << k;
    }
}

// Behind a localizer the receivers give up to 180: the needles stop at 5 dots.
TEST(PanelNeedles, DeviationStopsAtFiveDots)
{
    const struct {
        float v, per_dot;
        int want;
    } cells[] = {
        {0.5f, 4, 2}, {-1.3f, 5, -6}, {5, 4, 20}, {170, 4, 20}, {-180, 5, -25}, {NAN, 5, 0},
    };
    for (const auto& c : cells) EXPECT_EQ(needle_deviation(c.v, c.per_dot), c.want) << c.v << " x " << c.per_dot;
}

// A value the tape cannot show draws nothing, and a huge one still ends: its
// ticks are counted in whole steps, where adding a step no longer moves it.
TEST(PanelGlassTape, ValueItCannotShowDrawsNothingAndEnds)
{
    reset_suite_state();
    MACIBM_set_constants();
    for (int k = 0; k < 80; k++) OGL_assigncolor(k, 1, 1, 1);
    to_array = 1;
    const struct {
        float value, step;
    } nothing[] = {{NAN, 5}, {INFINITY, 5}, {-INFINITY, 1}, {1e30f, 1}, {100, 0}, {100, NAN}};
    for (const auto& c : nothing)
        for (int orient : {tape_vertical, tape_horizontal}) {
            memset(rgb_array, 0, sizeof rgb_array);
            plot_glass_tape(1, 300, 400, 300, 100, -999, c.value, c.step, 10, 2, orient);
            EXPECT_EQ(picture({0, 0, 799, 599}).find_first_not_of('\0'), std::string::npos)
                << c.value << " in steps of " << c.step;
        }
    memset(rgb_array, 0, sizeof rgb_array);
    plot_glass_tape(1, 300, 400, 300, 100, -999, 9.9e6f, 0.1f, 10, 1, tape_vertical);
    EXPECT_NE(picture({400, 0, 403, 599}).find_first_not_of('\0'), std::string::npos) << "its ticks are drawn";
    to_array = 0;
}
