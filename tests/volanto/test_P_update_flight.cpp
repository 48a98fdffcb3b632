// The flight instruments without a window: the dials' readings by their laws
// at the edges that matter, the lags over frames, failed and unreadable
// instruments holding, the slip ball's place; the glass airspeed at a
// negative speed and its bugs in knots, the Mach needle's cap; the glass
// altimeter's numbers and decision-height bug; the glass bank strip, slip
// marker and wind-shear warning.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <set>
#include <string>

namespace {

template <typename F>
std::string drawn_alone(int x0, int y0, int x1, int y1, F draw)
{
    memset(rgb_array, 0, sizeof rgb_array);
    draw();
    return rgb_region(x0, y0, x1, y1);
}

class FlightInstruments : public ::testing::Test {
protected:
    void SetUp() override { lay_out(1); }

    // A single piston aircraft on the dial panel (1) or the glass one (2),
    // laid out by the loader.
    static void lay_out(int panel, std::function<void(planestruct&)> also = nullptr)
    {
        start_panel_picture();
        for (int& ok : rel.system_ok) ok = 1;
        msc.dt = 0.05f;
        lay_out_test_piston(panel, also);
    }
    void TearDown() override { to_array = 0; }
};

// Long enough that every lag has closed on its target.
void settle(void (*routine)(void))
{
    for (int k = 0; k < 600; k++) routine();
}

}  // namespace

// ---- dials ------------------------------------------------------------------------

// Each dial's reading at its law's edges, once its lag has settled: the
// airspeed in knots and in mph, on the 0.3-power scale (a speed rolling
// back reads 0, not a power of a negative number), pinned at 330; the
// altimeter's count at 12,345 ft and wrapped below sea level; the vertical
// speed on both scales and the glass one; the turn needle at standard rate
// and clamped; the ball clamped at zero normal force and off a small ratio.
TEST_F(FlightInstruments, DialReadingsStandByTheirLaws)
{
    struct cell {
        const char* what;
        int panel;
        std::function<void(planestruct&)> aircraft;
        std::function<void(void)> fly;
        void (*routine)(void);
        float* reading;
        std::function<double(void)> want;
    };
    const double ft = 1 / 3.2808399;   // metres per foot
    const double fpm = ft / 60;        // m/s per foot a minute
    auto is = [](double v) { return [v] { return v; }; };
    const cell cells[] = {
        {"airspeed 100 kt", 1, nullptr, [] { flt.ias_kts = 100; }, update_airspeed, &pnl.asi_angle,
         is((100.0 - 40) * 330 / 130)},
        {"airspeed 100 kt on a dial in mph", 1, [](planestruct& a) { a.asi_units = 1; },
         [] { flt.ias_kts = 100; }, update_airspeed, &pnl.asi_angle, [] { return dial_law(100); }},
        {"airspeed 200 kt on the 0.3-power scale", 1, [](planestruct& a) { a.AStype = 2; },
         [] { flt.ias_kts = 200; }, update_airspeed, &pnl.asi_angle, [] { return dial_law(200); }},
        {"rolling back on the 0.3-power scale", 1, [](planestruct& a) { a.AStype = 2; },
         [] { flt.ias_kts = -20; }, update_airspeed, &pnl.asi_angle, is(0)},
        {"far past Vmax", 1, nullptr, [] { flt.ias_kts = 900; }, update_airspeed, &pnl.asi_angle, is(330)},
        {"below Vmin", 1, nullptr, [] { flt.ias_kts = 20; }, update_airspeed, &pnl.asi_angle, is(0)},
        {"vertical speed 2,500 fpm", 1, nullptr, [=] { flt.vel_y = 2500 * fpm; }, update_vvi, &pnl.vvi_shown,
         is(200)},
        {"vertical speed 2,500 fpm, the finer scale", 1, [](planestruct& a) { a.VVItype = 2; },
         [=] { flt.vel_y = 2500 * fpm; }, update_vvi, &pnl.vvi_shown, is(80)},
        {"vertical speed 2,500 fpm on the glass panel", 2, nullptr, [=] { flt.vel_y = 2500 * fpm; }, update_vvi,
         &pnl.vvi_shown, is(50)},
        {"descending 1,000 fpm", 1, nullptr, [=] { flt.vel_y = -1000 * fpm; }, update_vvi, &pnl.vvi_shown,
         is(-80)},
        {"standard-rate turn", 1, nullptr, [] { flt.yaw_rate = 3; }, update_turnslip, &pnl.turn_angle, is(30)},
        {"turning 7 degrees a second", 1, nullptr, [] { flt.yaw_rate = 7; }, update_turnslip, &pnl.turn_angle,
         is(55)},
        {"turning 7 degrees a second left", 1, nullptr, [] { flt.yaw_rate = -7; }, update_turnslip,
         &pnl.turn_angle, is(-55)},
        {"side force, no normal force", 1, nullptr, [] { flt.F_aero_side = 200; }, update_turnslip,
         &pnl.ball_offset, is(15)},
        {"side force left, no normal force", 1, nullptr, [] { flt.F_gear_side = -200; }, update_turnslip,
         &pnl.ball_offset, is(-15)},
        {"a side force of a twentieth of the normal", 1, nullptr,
         [] {
             flt.F_prop_side = 100, flt.F_aero_side = 300, flt.F_gear_side = 100;
             flt.F_prop_normal = 1000, flt.F_aero_normal = 8000, flt.F_gear_vertical = 1000;
         },
         update_turnslip, &pnl.ball_offset, is(atan(0.05) * 180 / M_PI * 4)},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        lay_out(c.panel, c.aircraft);
        c.fly();
        settle(c.routine);
        EXPECT_NEAR(*c.reading, c.want(), 2e-3);
    }

    // The count in which 360 make a thousand feet: 12,345 ft, and -50 ft
    // wrapped once by 999,999 ft.
    const struct {
        double feet;
        int count;
    } altitudes[] = {{12345, 4444}, {-50, 359981}, {0, 0}, {999, 359}};
    for (const auto& h : altitudes) {
        lay_out(1);
        flt.alt_now = (float)(h.feet * ft);
        update_alt();
        EXPECT_EQ(pnl.alt_count, h.count) << h.feet << " ft";
    }
}

// The vertical speed and the turn needle close a frame's step of the way
// each frame (a second's time constant), the ball half as fast.
TEST_F(FlightInstruments, LagsCloseByTheFrameStep)
{
    const float dt = 0.05f;
    const double after20 = 1 - pow(1 - dt, 20), ball_after20 = 1 - pow(1 - dt / 2, 20);
    flt.vel_y = 10;                  // target 10 m/s x the scale
    flt.yaw_rate = 2;                // target 20
    flt.F_aero_side = 1000;          // target 15
    const float vvi_target = ins.vvi_scale * 10;
    update_vvi();
    update_turnslip();
    EXPECT_NEAR(pnl.vvi_shown, dt * vvi_target, 1e-3f);
    EXPECT_NEAR(pnl.turn_angle, dt * 20, 1e-4f);
    EXPECT_NEAR(pnl.ball_offset, dt / 2 * 15, 1e-4f);
    for (int k = 1; k < 20; k++) update_vvi(), update_turnslip();
    EXPECT_NEAR(pnl.vvi_shown, after20 * vvi_target, 1e-2f);
    EXPECT_NEAR(pnl.turn_angle, after20 * 20, 1e-3f);
    EXPECT_NEAR(pnl.ball_offset, ball_after20 * 15, 1e-3f);
}

// A failed instrument keeps its reading over the frames while the flight
// changes, and reads again once mended; a flight value that is not a number
// or beyond any dial fails it for the frame the same way. The ball moves on
// with the turn indicator failed.
TEST_F(FlightInstruments, FailedAndUnreadableInstrumentsHold)
{
    struct cell {
        const char* what;
        void (*routine)(void);
        float* reading;
        int flag;                         // -1: the reading is what fails
        void (*first)(void), (*second)(void);
    };
    const cell cells[] = {
        {"airspeed indicator failed", update_airspeed, &pnl.asi_angle, sys_airspeed, [] { flt.ias_kts = 100; },
         [] { flt.ias_kts = 150; }},
        {"airspeed not a number", update_airspeed, &pnl.asi_angle, -1, [] { flt.ias_kts = 100; },
         [] { flt.ias_kts = NAN; }},
        {"airspeed infinite", update_airspeed, &pnl.asi_angle, -1, [] { flt.ias_kts = 100; },
         [] { flt.ias_kts = INFINITY; }},
        {"vertical speed indicator failed", update_vvi, &pnl.vvi_shown, sys_vsi, [] { flt.vel_y = 5; },
         [] { flt.vel_y = -5; }},
        {"vertical speed not a number", update_vvi, &pnl.vvi_shown, -1, [] { flt.vel_y = 5; },
         [] { flt.vel_y = NAN; }},
        {"turn indicator failed", update_turnslip, &pnl.turn_angle, sys_turn, [] { flt.yaw_rate = 3; },
         [] { flt.yaw_rate = -3; }},
        {"yaw rate not a number", update_turnslip, &pnl.turn_angle, -1, [] { flt.yaw_rate = 3; },
         [] { flt.yaw_rate = NAN; }},
        {"side force not a number", update_turnslip, &pnl.ball_offset, -1, [] { flt.F_aero_side = 100; },
         [] { flt.F_aero_side = NAN; }},
        {"normal force infinite", update_turnslip, &pnl.ball_offset, -1, [] { flt.F_aero_side = 100; },
         [] { flt.F_aero_normal = INFINITY; }},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        SetUp();
        c.first();
        settle(c.routine);
        float held = *c.reading;
        if (c.flag >= 0) rel.system_ok[c.flag] = 0;
        c.second();
        for (int k = 0; k < 20; k++) c.routine();
        EXPECT_EQ(*c.reading, held);
        if (c.flag < 0) continue;
        rel.system_ok[c.flag] = 1;
        c.routine();
        EXPECT_NE(*c.reading, held) << "reads again once mended";
    }

    // The altimeter's count: failed, not a number, and far beyond the dial.
    for (float bad : {NAN, INFINITY, 1e30f, -2e6f}) {
        SetUp();
        flt.alt_now = 1000;
        update_alt();
        int held = pnl.alt_count;
        flt.alt_now = bad;
        update_alt();
        EXPECT_EQ(pnl.alt_count, held) << bad;
    }
    SetUp();
    flt.alt_now = 1000;
    update_alt();
    int held = pnl.alt_count;
    rel.system_ok[sys_altimeter] = 0;
    flt.alt_now = 2000;
    update_alt();
    EXPECT_EQ(pnl.alt_count, held) << "altimeter failed";

    // The ball with the turn indicator failed.
    SetUp();
    rel.system_ok[sys_turn] = 0;
    flt.yaw_rate = 3, flt.F_aero_side = 1000;
    settle(update_turnslip);
    EXPECT_EQ(pnl.turn_angle, 0);
    EXPECT_NEAR(pnl.ball_offset, 15, 1e-3f);

    // The glass tapes draw what they drew before the readings failed.
    lay_out(2);
    flt.ias_kts = 140, flt.mach = 0.25f, flt.alt_now = 1500;
    update_airspeed();
    update_alt();
    memset(rgb_array, 0, sizeof rgb_array);
    update_airspeed();
    update_alt();
    std::string steady = rgb_region(0, 0, 799, 599);
    flt.ias_kts = flt.mach = flt.alt_now = NAN;
    memset(rgb_array, 0, sizeof rgb_array);
    update_airspeed();
    update_alt();
    EXPECT_TRUE(rgb_region(0, 0, 799, 599) == steady) << "the glass tapes hold";
}

// The ball, 3 wide and 6 high, sits its offset left of the slot's centre
// for a side force to the right.
TEST_F(FlightInstruments, BallSitsAgainstTheSideForce)
{
    const int x = (int)ts_x(), y = (int)ts_y();
    for (float side : {1000.0f, -1000.0f, 0.0f}) {
        SetUp();
        flt.F_aero_side = side;
        flt.F_aero_normal = 1000;
        settle(update_turnslip);
        memset(rgb_array, 0, sizeof rgb_array);
        update_turnslip();
        int left = x - (side > 0 ? 15 : side < 0 ? -15 : 0) - 1;
        std::set<int> want = {left, left + 1, left + 2};
        for (int row = y - 46; row <= y - 41; row++)
            EXPECT_EQ(rgb_columns(0, row, x - 30, x + 30), want) << "side force " << side << ", row " << row;
        EXPECT_TRUE(rgb_columns(0, y - 47, x - 30, x + 30).empty());
        EXPECT_TRUE(rgb_columns(0, y - 40, x - 30, x + 30).empty());
    }
}

// ---- airspeed --------------------------------------------------------------------------

// Rolling back, the glass tape and its readout show 0: the picture is the
// one at 0 knots, and the readout's box holds a 0.
TEST_F(FlightInstruments, GlassAirspeedShowsZeroRollingBack)
{
    lay_out(2);
    const int x = (int)asi_x(), y = (int)asi_y();
    flt.ias_kts = 0;
    std::string at_zero = drawn_alone(0, 0, 799, 599, update_airspeed);
    flt.ias_kts = -20;
    std::string rolling_back = drawn_alone(0, 0, 799, 599, update_airspeed);
    EXPECT_TRUE(rolling_back == at_zero);
    EXPECT_EQ(drawn_alone(x - 2, y - 3, x + 18, y + 3, update_airspeed),
              drawn_alone(x - 2, y - 3, x + 18, y + 3, [&] { OGL_number(48, x, y - 3, 0, 3, 0, 6, 0); }));
}

// The bugs mark their speeds in knots, 2 units a knot from the current
// speed, whatever unit the aircraft stores them in: Vno (not a multiple of
// the tape's 5 knots, so no tick covers it) and Vne, which stands 1 left of
// the others.
TEST_F(FlightInstruments, GlassSpeedBugsMarkTheirSpeedsInKnots)
{
    const struct {
        const char* what;
        int units;
        float vno, vne;   // as stored
    } cells[] = {
        {"stored in knots", 2, 132, 152},
        {"stored in mph", 1, 132 * 1.1507795f, 152 * 1.1507795f},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.what);
        lay_out(2, [&](planestruct& a) {
            a.asi_units = c.units;
            a.Vno = c.vno, a.Vne = c.vne;
            a.Vso = a.Vs = 10;   // far below the tape
        });
        const int x = (int)asi_x(), y = (int)asi_y();
        flt.ias_kts = 130;
        memset(rgb_array, 0, sizeof rgb_array);
        update_airspeed();
        // Vno 2 knots up: 4 units; Vne 22 knots up: 44 units.
        EXPECT_EQ(rgb_columns(42, y + 4, x + 15, x + 30), (std::set<int>{x + 20, x + 21, x + 22, x + 23}));
        EXPECT_EQ(rgb_columns(45, y + 44, x + 15, x + 30), (std::set<int>{x + 19, x + 20, x + 21, x + 22}));
        for (int row = y - 51; row <= y + 51; row++) {
            if (row != y + 4) {
                EXPECT_TRUE(rgb_columns(42, row, x + 15, x + 30).empty()) << "Vno at row " << row;
            }
            if (row != y + 44) {
                EXPECT_TRUE(rgb_columns(45, row, x + 15, x + 30).empty()) << "Vne at row " << row;
            }
        }
    }
}

// A jet's maximum-speed needle: the maximum operating Mach number as an
// indicated speed, capped at Vne in knots (the dial in mph stands it at
// Vne's mark, not past it), moving with the indicator failed.
TEST_F(FlightInstruments, MachNeedleStopsAtVne)
{
    const struct {
        const char* what;
        int units;
        float mmo, a_sound, sigma;
        double want_knots;
    } cells[] = {
        {"capped, dial in knots", 2, 0.8f, 340, 1, 163},
        {"capped, dial in mph", 1, 0.8f, 340, 1, 163 / 1.1507795},
        {"high up, below the cap", 2, 0.5f, 300, 0.25f, 0.5 * 300 * 0.5 * 1.943844},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.what);
        lay_out(1, [&](planestruct& a) {
            a.entype = 4;
            a.asi_units = c.units;
            a.Mmo = c.mmo;
        });
        atm.a_sound = c.a_sound, atm.sigma = c.sigma;
        rel.system_ok[sys_airspeed] = 0;
        update_airspeed();
        EXPECT_NEAR(pnl.mmo_angle, dial_law(c.want_knots), 0.05);
    }
}

// ---- altimeter ----------------------------------------------------------------------

// The glass altimeter's three numbers, 500 ft apart about the altitude to 10
// ft, the lowest never below 0; the decision-height bug at ground plus the
// decision height, 0.1 units a foot, left out beyond the tape.
TEST_F(FlightInstruments, GlassAltimeterNumbersAndDecisionHeight)
{
    const double ft = 1 / 3.2808399;
    const struct {
        double feet, above_ground_ft, dh;
        float upper, middle, lower;
        int bug_row;   // from the centre; 99 none
    } cells[] = {
        {120, 150, 200, 620, 120, 0, 5},
        {1234, 300, 200, 1730, 1230, 730, -10},
        {5000, 1000, 200, 5500, 5000, 4500, 99},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.feet);
        lay_out(2);
        const int x = (int)alt_x(), y = (int)alt_y();
        flt.alt_now = (float)(c.feet * ft);
        env.ground_h = 50;
        flt.pos_y[0] = 50 + c.above_ground_ft * ft;
        ins.dh_ft = (float)c.dh;
        for (const auto& n : {std::make_pair(42, c.upper), std::make_pair(-3, c.middle), std::make_pair(-48, c.lower)}) {
            int colour = n.first == -3 ? 48 : 39;
            EXPECT_EQ(drawn_alone(x - 2, y + n.first, x + 30, y + n.first + 5, update_alt),
                      drawn_alone(x - 2, y + n.first, x + 30, y + n.first + 5,
                                  [&] { OGL_number(colour, x, y + n.first, n.second, 5, 0, 6, 0); }))
                << "the number " << n.second;
        }
        memset(rgb_array, 0, sizeof rgb_array);
        update_alt();
        for (int row = y - 51; row <= y + 51; row++) {
            std::set<int> got = rgb_columns(45, row, x - 15, x);
            if (row == y + c.bug_row) {
                EXPECT_EQ(got, (std::set<int>{x - 8, x - 7, x - 6, x - 5}));
            } else {
                EXPECT_TRUE(got.empty()) << "bug at row " << row;
            }
        }
    }
}

// ---- attitude -------------------------------------------------------------------------

// The glass strip's ticks move with the bank, one unit a degree, shown only
// over the window; the slip marker sits 5 units a degree of sideslip the
// other way, held to 40, centred standing still; a failed gyro shows level.
TEST_F(FlightInstruments, GlassBankStripAndSlipMarker)
{
    const struct {
        const char* what;
        float roll, beta, ground_speed;
        int attitude_ok;
        int shift;      // of the strip, left
        float slip;     // of the marker
    } cells[] = {
        {"level, slipping", 0, 2, 50, 1, 0, -10},
        {"level, standing still", 0, 2, 0.5f, 1, 0, 0},
        {"banked 30 right, skidding hard", 30, -20, 50, 1, 30, 40},
        {"banked 30.9 left", -30.9f, 0, 50, 1, -31, 0},   // 329.1 truncates to 329, -31
        {"banked 200", 200, 0, 50, 1, -160, 0},
        {"failed gyro banked 30", 30, 0, 50, 0, 0, 0},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.what);
        lay_out(2);
        const int x = (int)ah_x(), y = (int)ah_y();
        rel.system_ok[sys_attitude] = c.attitude_ok;
        ins.ah_roll = c.roll;
        flt.beta = c.beta;
        flt.gnd_speed[0] = c.ground_speed;
        memset(rgb_array, 0, sizeof rgb_array);
        update_arthoriz();
        std::set<int> ticks, long_ticks;
        for (int k : {-45, -30, -20, -10, 0, 10, 20, 30, 45}) {
            int tx = x - c.shift + k;
            if (tx < x - 52 || tx > x + 52) continue;
            ticks.insert(tx);
            if (k % 30 == 0 || k == 45 || k == -45) long_ticks.insert(tx);
        }
        EXPECT_EQ(rgb_columns(39, y + 48, x - 70, x + 70), ticks);
        std::set<int> row46 = long_ticks;
        for (int dx = -2; dx <= 2; dx++) row46.insert(x + (int)c.slip + dx);
        EXPECT_EQ(rgb_columns(39, y + 46, x - 70, x + 70), row46);
    }
}

// The warning shows on the glass panel only while a wind shear blows, the
// warnings are on and the aircraft speaks them.
TEST_F(FlightInstruments, WindShearWarningNeedsAllThree)
{
    for (int panel : {1, 2})
        for (int mask = 0; mask < 8; mask++) {
            lay_out(panel, [&](planestruct& a) { a.bitchinbettyEQ = (mask & 4) != 0; });
            atm.wind_shear = mask & 1;
            set.snd_warnings = (mask & 2) != 0;
            set.ah_adjust = 3;
            const int x = (int)ah_x(), y = (int)ah_y() + 3;
            std::string got = drawn_alone(x - 34, y + 18, x + 40, y + 28, update_arthoriz);
            std::string shown = drawn_alone(x - 34, y + 18, x + 40, y + 28, [&] {
                update_arthoriz();
                OGL_string(42, x - 32, y + 20, "WIND SHEAR!", 999, 6);
            });
            EXPECT_EQ(got == shown, panel == 2 && mask == 7) << "panel " << panel << ", flags " << mask;
        }
}
