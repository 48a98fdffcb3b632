// The supplementary slot's instruments and the ECAM's system pages without a
// window. The needles are read from the panel's needle calls: the radar
// altimeter's by its dial law, the decision-height bug's unclamped, the
// variometer's by the total-energy rate. The minimums call is counted on the
// host's silent mixer: once per pass down through the decision height. The
// stormscope's marks and the ECAM's pages are drawn into rgb_array and
// compared with what they should be drawn alone: one strike per flash, the
// ring's expiry, size and reset, range and bearing; the fuel page's numbers,
// the control page's boxes and pointers, the hydraulic pumps and pointers,
// the failure lines' colours, and the pages that have no page.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

const double ft = 0.3048;   // metres a foot

struct needle_call {
    float x, y, angle, tail, tip, half_width;
    int colour;
};
std::vector<needle_call> needles;

void log_needle(float x, float y, float angle, float r_tail, float r_tip, float half_width, int colour)
{
    needles.push_back({x, y, angle, r_tail, r_tip, half_width, colour});
}

void expect_needle(const needle_call& got, const needle_call& want)
{
    EXPECT_FLOAT_EQ(got.x, want.x);
    EXPECT_FLOAT_EQ(got.y, want.y);
    EXPECT_NEAR(got.angle, want.angle, 0.01f);
    EXPECT_EQ(got.tail, want.tail);
    EXPECT_EQ(got.tip, want.tip);
    EXPECT_EQ(got.half_width, want.half_width);
    EXPECT_EQ(got.colour, want.colour);
}

// A single piston aircraft with its supplementary slot, its needles logged.
class SupplementaryInstruments : public ::testing::Test {
protected:
    void SetUp() override { start(); }
    void TearDown() override
    {
        to_array = 0;
        panel_draw.plot_needle = plot_needle;
    }

    static void start(void)
    {
        start_panel_picture();
        for (int& ok : rel.system_ok) ok = 1;
        msc.dt = 0.05f;
        lay_out_test_piston(1, [](planestruct& a) { a.supptype = 4; });
        panel_draw.plot_needle = log_needle;
        needles.clear();
    }
};

// ---- radar altimeter ------------------------------------------------------------

// The ground 120 m up, the main gear 1.8 m below the reference point.
const float ground = 120, gear_y = -1.8f;

void at_height_ft(double feet)
{
    env.ground_h = ground;
    pln[0].mgearY = gear_y;
    flt.pos_y[0] = ground - gear_y + feet * ft;
}

}  // namespace

// The needle half a turn at 500 ft, 252 degrees at 2,500 ft and no further,
// 0 with the gear on the ground or below it; the decision-height bug by the
// same law without the stop; each with its own reach, width and colour.
TEST_F(SupplementaryInstruments, RadarAltimeterNeedlesByTheDialLaw)
{
    const struct {
        const char* what;
        double feet;
        float dh;
        float height_angle, dh_angle;
    } cells[] = {
        {"250 ft", 250, 200, 90, 72},
        {"1,500 ft", 1500, 1500, 216, 216},
        {"just below the knee", 499, 499, 179.64f, 179.64f},
        {"2,500 ft", 2500, 0, 252, 0},
        {"far above, the bug past the stop", 10000, 3000, 252, 270},
        {"the gear on the ground", 0, 200, 0, 72},
        {"the gear below the ground", -30, 200, 0, 72},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.what);
        start();
        const float x = supp_x(), y = supp_y();
        at_height_ft(c.feet);
        ins.dh_ft = c.dh;
        update_radalt();
        ASSERT_EQ(needles.size(), 2u);
        expect_needle(needles[0], {x, y, c.dh_angle, 20, 26, 4, 20});
        expect_needle(needles[1], {x, y, c.height_angle, 5, 25, 2, 6});
    }

    // A height that is not a number shows the last one.
    start();
    at_height_ft(250);
    update_radalt();
    for (float* bad : {&env.ground_h, &pln[0].mgearY}) {
        *bad = NAN;
        update_radalt();
        EXPECT_NEAR(needles.back().angle, 90, 0.01f);
        at_height_ft(250);
    }
}

namespace {

// The radar altimeter on the host's silent mixer, its minimums call loaded.
// The mixer is never pulled, so a started call stays playing until the
// test stops it and counts it.
class MinimumsCall : public SupplementaryInstruments {
protected:
    void TearDown() override
    {
        dispose_sound();
        SupplementaryInstruments::TearDown();
    }

    int calls = 0;

    void start_sound(void)
    {
        start();
        calls = 0;
        host_test_audio_no_device(1);
        dispose_sound();
        ASSERT_EQ(init_sound(), 1);
        std::vector<short> pcm(2205);
        host_wave_format f = {1, 1, 22050, 2, 16};
        ASSERT_EQ(host_voice_load(snd_minimums, &f, pcm.data(), (unsigned)(pcm.size() * sizeof(short))), 1);
        buffers_filled = 1;
        msc.snd_ok = msc.sound_on = 1;
        ins.dh_ft = 200;
    }

    void fly(const std::vector<double>& feet)
    {
        for (double h : feet) {
            at_height_ft(h);
            update_radalt();
            if (host_test_voice_state(snd_minimums).playing) calls++;
            host_voice_stop(snd_minimums);
        }
    }
};

std::vector<double> from_to(double a, double b)
{
    std::vector<double> v;
    double step = b > a ? 10 : -10;
    for (double h = a; step > 0 ? h <= b : h >= b; h += step) v.push_back(h);
    return v;
}

}  // namespace

// Once each time the height passes down through the decision height of 200
// ft, however long it stays below; none for a run that starts below it; at
// the decision height itself it is not yet below.
TEST_F(MinimumsCall, SoundsOncePerPassDown)
{
    struct cell {
        const char* what;
        std::vector<std::vector<double>> legs;
        int want;
    };
    const cell cells[] = {
        {"300 down to 150 ft", {from_to(300, 150)}, 1},
        {"down, back up and down again", {from_to(300, 150), from_to(150, 300), from_to(300, 150)}, 2},
        {"starting below and descending", {from_to(150, 0)}, 0},
        {"starting below, climbing out and coming back", {from_to(150, 300), from_to(300, 150)}, 1},
        {"holding at the decision height, then below", {{300, 200, 200, 200}, {199}}, 1},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        start_sound();
        for (const auto& leg : c.legs) fly(leg);
        EXPECT_EQ(calls, c.want);
    }

    // Without sound (nothing filled) the call is a no-op.
    dispose_sound();
    start();
    ins.dh_ft = 200;
    at_height_ft(300);
    update_radalt();
    at_height_ft(100);
    update_radalt();
    EXPECT_EQ(pnl.radalt_above, 0);
}

namespace {

// ---- stormscope -----------------------------------------------------------------

const double ac_x = 5000, ac_z = -5000;   // the aircraft, local metres
const double nm = 1852;

// A strike nm_east and nm_north of the aircraft lights from now for
// seconds of the real-time clock.
void flash(double nm_east, double nm_north, float seconds = 0.5f)
{
    atm.flash_until = mnw.time_elapsed + seconds;
    atm.bolt[0][0][0] = (float)(ac_x + nm_east * nm);
    atm.bolt[0][0][2] = (float)(ac_z - nm_north * nm);
}

// One frame of the scope, both clocks then moving on by dt.
void scope_frame(void)
{
    update_stormscope();
    mnw.time_elapsed += msc.dt;
    msc.sim_time += msc.dt;
}

// A plus sign where a strike r panel units out at relative bearing b shows.
void plus_at(float r, int b)
{
    float px = supp_x() + r * lookup_sin[b], py = supp_y() + r * lookup_cos[b];
    OGL_line(48, px - 2, py, px + 2, py);
    OGL_line(48, px, py - 2, px, py + 2);
}

// What the scope shows this frame, without recording or moving the clocks.
std::string scope_picture(void)
{
    float until = atm.flash_until;
    atm.flash_until = -1;   // no flash to begin
    std::string s = rgb_drawn_alone(update_stormscope);
    atm.flash_until = until;
    return s;
}

// The strikes north, east and south, 10 nm out: 25 units.
void north(void) { plus_at(25, 0); }
void east(void) { plus_at(25, 90); }
void south(void) { plus_at(25, 180); }

class Stormscope : public SupplementaryInstruments {
protected:
    void SetUp() override
    {
        start();
        flt.pos_x[0] = ac_x, flt.pos_z[0] = ac_z, flt.pos_y[0] = 3000;
        mnw.time_elapsed = 500;
        msc.sim_time = 10;
    }
};

}  // namespace

// A mark for each strike within reach, placed by its distance, 2.5 units a
// nautical mile, and its bearing from the nose, whatever turns the heading
// holds; none beyond 44 units, and none against a heading that is no number.
TEST_F(Stormscope, MarksStandByRangeAndBearingFromTheNose)
{
    const double b10 = 10.5 * M_PI / 180;   // whole degrees are cut, not rounded: 10
    const struct {
        const char* what;
        double east, north;
        float heading;
        float r;
        int bearing;   // -1: no mark
    } cells[] = {
        {"north, heading north", 0, 10, 0, 25, 0},
        {"north, heading east", 0, 10, 90, 25, 270},
        {"east, heading east", 10, 0, 90, 25, 0},
        {"west, heading north", -10, 0, 0, 25, 270},
        {"south-west, heading north", -7, -7, 0, 24.7487f, 225},
        {"10.5 degrees, heading 350", 10 * sin(b10), 10 * cos(b10), 350, 25, 20},
        {"10.5 degrees, heading two turns past 90", 10 * sin(b10), 10 * cos(b10), 810, 25, 280},
        {"10.5 degrees, heading -270", 10 * sin(b10), 10 * cos(b10), -270, 25, 280},
        {"17.5 nm", 0, 17.5, 0, 43.75f, 0},
        {"17.7 nm", 0, 17.7, 0, 0, -1},
        {"60 nm", 0, 60, 0, 0, -1},
        {"heading not a number", 0, 10, NAN, 0, -1},
        {"heading infinite", 0, 10, INFINITY, 0, -1},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.what);
        SetUp();
        flt.psi[0] = c.heading;
        flash(c.east, c.north);
        scope_frame();
        std::string got = scope_picture();
        std::string want = rgb_drawn_alone([&] {
            if (c.bearing >= 0) plus_at(c.r, c.bearing);
        });
        EXPECT_TRUE(got == want) << rgb_first_difference(got, want);
    }
}

// A flash records its strike on its first frame only, however many frames
// it lights; a second flash straight after the first, with no dark frame
// between, is the same flash; after a dark frame the next one counts.
TEST_F(Stormscope, OneStrikePerFlash)
{
    flash(0, 10, 2);   // 40 frames
    for (int k = 0; k < 40; k++) scope_frame();
    msc.sim_time = 10 + 59.9f;
    EXPECT_TRUE(scope_picture() == rgb_drawn_alone(north)) << "shown for a minute";
    msc.sim_time = 10 + 61;
    EXPECT_TRUE(scope_picture() == rgb_drawn_alone([] {})) << "the strike dates from the flash's first frame";

    SetUp();
    flash(0, 10);
    scope_frame();
    flash(10, 0);   // lit on without a gap
    scope_frame();
    EXPECT_TRUE(scope_picture() == rgb_drawn_alone(north)) << "one strike for both";
    atm.flash_until = 0;
    scope_frame();
    flash(0, -10);
    scope_frame();
    EXPECT_TRUE(scope_picture() == rgb_drawn_alone([] { north(), south(); })) << "a flash after a dark frame";
}

// Thirty strikes at most: the 31st takes the oldest one's place.
TEST_F(Stormscope, TheThirtyFirstStrikeReplacesTheOldest)
{
    auto one_flash = [](double e, double n) {
        flash(e, n);
        scope_frame();
        atm.flash_until = 0;
        scope_frame();
    };
    one_flash(0, 10);
    for (int k = 0; k < 29; k++) one_flash(0, -10);
    EXPECT_TRUE(scope_picture() == rgb_drawn_alone([] { north(), south(); }));
    one_flash(10, 0);
    EXPECT_TRUE(scope_picture() == rgb_drawn_alone([] { east(), south(); }));
}

// A reset starts the simulated clock again: the old flight's strikes go,
// though their expiry lies ahead of the new clock, and new ones show.
TEST_F(Stormscope, ResetClearsTheStrikes)
{
    msc.sim_time = 100;
    flash(0, 10);
    scope_frame();
    atm.flash_until = 0;
    scope_frame();
    EXPECT_TRUE(scope_picture() == rgb_drawn_alone(north));

    msc.sim_time = 0;
    scope_frame();
    EXPECT_TRUE(scope_picture() == rgb_drawn_alone([] {})) << "the old flight's strike";
    flash(10, 0);
    scope_frame();
    EXPECT_TRUE(scope_picture() == rgb_drawn_alone(east)) << "the new flight's";
}

namespace {

// ---- variometer ---------------------------------------------------------------------

const double fpm = ft / 60;   // m/s a foot a minute

}  // namespace

// The needle reads the total-energy climb rate, 0.32 degrees a foot a minute
// from 9 o'clock, pinned at 400 ft a minute either way: level flight at a
// constant speed reads level, and so does a dive that trades height for
// speed; the first frame, with no energy before it, pins at the climb stop.
TEST_F(SupplementaryInstruments, VariometerReadsTheTotalEnergyRate)
{
    const float dt = 0.05f, y0 = 100, v0 = 40;
    const struct {
        const char* what;
        double dy, speed;   // over one frame, and the speed after it
        float angle;
    } cells[] = {
        {"level at a constant speed", 0, v0, -90},
        {"climbing 200 fpm", 200 * fpm * dt, v0, -90 + 64},
        {"sinking 300 fpm", -300 * fpm * dt, v0, -90 - 96},
        {"climbing 1,000 fpm", 1000 * fpm * dt, v0, -90 + 128},
        {"sinking 1,000 fpm", -1000 * fpm * dt, v0, -90 - 128},
        {"diving, height traded for speed", -1, sqrt(v0 * v0 + 2 * con.g * 1), -90},
        {"level, speeding up 0.2 m/s2: 160.6 fpm", 0, v0 + 0.01, -90 + 0.32f * 160.6f},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.what);
        start();
        const float x = supp_x(), y = supp_y();
        msc.dt = dt;
        flt.pos_y[0] = y0, flt.gnd_speed[0] = v0;
        update_vari();
        ASSERT_EQ(needles.size(), 1u);
        expect_needle(needles[0], {x, y, -90 + 128, -5, 30, 3, 6});
        flt.pos_y[0] = y0 + c.dy, flt.gnd_speed[0] = (float)c.speed;
        update_vari();
        ASSERT_EQ(needles.size(), 2u);
        EXPECT_NEAR(needles[1].angle, c.angle, 0.3f);
    }

    // A height that is not a number holds the needle, and the energy before it.
    start();
    flt.pos_y[0] = y0, flt.gnd_speed[0] = v0;
    update_vari();
    flt.pos_y[0] = y0 + 200 * fpm * 0.05;
    update_vari();
    flt.pos_y[0] = NAN;
    update_vari();
    EXPECT_NEAR(needles.back().angle, -26, 0.3f);
    flt.pos_y[0] = y0 + 400 * fpm * 0.05;
    update_vari();
    EXPECT_NEAR(needles.back().angle, -26, 0.3f) << "from the last height that was a number";
}

namespace {

// ---- ECAM -----------------------------------------------------------------------------

// A turboprop with an ECAM whose engine group stands 155 units left, a
// frame of a quarter second, every system working.
class Ecam : public ::testing::Test {
protected:
    float E = 0;

    void SetUp() override { start(); }
    void TearDown() override { to_array = 0; }

    void start(void)
    {
        start_panel_picture();
        lay_out_test_turboprop(0, 1);
        pln[0].radiotype = 2;
        set_panel_layout();
        E = eng_x();
        for (int& ok : rel.system_ok) ok = 1;
        msc.dt = 0.25f;
    }

    static std::string page_drawn(int page)
    {
        ins.ecam_page = page;
        return rgb_drawn_alone(update_ecam);
    }

    // What draw draws on the display's box.
    template <typename F>
    std::string on_the_box(F draw)
    {
        return rgb_drawn_alone([&] {
            OGL_fillrect(29, E + 648, 167, 149, 141);
            draw();
        });
    }

    // The colours inside a box, as a sorted list without repeats.
    static std::vector<int> colours_in(float x, float y, float w, float h)
    {
        std::vector<int> got;
        for (int c = (int)lroundf(x); c < (int)lroundf(x + w); c++)
            for (int r = (int)lroundf(y); r < (int)lroundf(y + h); r++) {
                int k = rgb_colour(c, r);
                bool seen = false;
                for (int g : got) seen = seen || g == k;
                if (!seen) got.push_back(k);
            }
        return got;
    }

    void text(int colour, float dx, float y, const char* s) { OGL_string(colour, E + dx, y, s, 999, 6); }
};

}  // namespace

// The fuel page's labels and, with an engine, its numbers: the fuel halved
// left and right and whole in pounds, each engine's flow in pounds an hour,
// the hours the fuel lasts at their summed flow and the miles at the
// present ground speed. With no engine the labels stand alone; with every
// engine stopped the endurance is that of a milligram a second.
TEST_F(Ecam, FuelPageByItsTable)
{
    const struct {
        float dy;
        const char* label;
        int engines;   // shown from this many
    } labels[] = {
        {278, "FUEL L:         LB", 0}, {268, "FUEL R:         LB", 0},  {258, "FUEL TOT:       LB", 0},
        {238, "FF #1:          PPH", 1}, {228, "FF #2:          PPH", 2}, {218, "FF #3:          PPH", 3},
        {208, "FF #4:          PPH", 4}, {198, "ENDURANCE:      HR", 0},  {188, "RANGE:          NM", 0},
    };
    struct cell {
        const char* what;
        int engines;
        float fuel, speed;
        std::vector<float> flows;              // kg/s
        float left, total;                     // lb
        std::vector<float> pph;
        float hours, range;
    };
    const cell cells[] = {
        {"no engine", 0, 1000, 100, {}, 0, 0, {}, 0, 0},
        {"one engine", 1, 1000, 100, {0.05f}, 1102, 2205, {397}, 5.6f, 1080},
        {"two engines", 2, 1000, 100, {0.05f, 0.03f}, 1102, 2205, {397, 238}, 3.5f, 675},
        {"four engines", 4, 1000, 50, {0.01f, 0.02f, 0.03f, 0.04f}, 1102, 2205, {79, 159, 238, 317}, 2.8f, 270},
        {"every engine stopped", 1, 1000, 100, {0}, 1102, 2205, {0}, 277778, 5.3996e7f},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        start();
        pln[0].numen = c.engines;
        flt.fuel = c.fuel;
        flt.gnd_speed[0] = c.speed;
        for (size_t i = 0; i < c.flows.size(); i++) flt.fuel_flow[i] = c.flows[i];
        std::string got = page_drawn(ecam_fuel);
        std::string want = on_the_box([&] {
            for (const auto& l : labels)
                if (c.engines >= l.engines) text(43, 660, l.dy, l.label);
            if (c.engines == 0) return;
            OGL_number(43, E + 718, 278, c.left, 6, 0, 6, 0);
            OGL_number(43, E + 718, 268, c.left, 6, 0, 6, 0);
            OGL_number(43, E + 718, 258, c.total, 6, 0, 6, 0);
            for (size_t i = 0; i < c.pph.size(); i++) OGL_number(43, E + 718, 238 - 10 * (float)i, c.pph[i], 6, 0, 6, 0);
            OGL_number(43, E + 734, 198, c.hours, 3, 1, 6, 0);
            OGL_number(43, E + 724, 188, c.range, 5, 0, 6, 0);
        });
        EXPECT_TRUE(got == want) << rgb_first_difference(got, want);
    }
}

// The slat, flap and speed-brake boxes of both wings: slats in transit 42
// and out from 0.99 48, nothing below 0.01; flaps 48 where the lever asks
// and 42 on their way; speed brakes 48 while the handle is past 0; none
// without the device.
TEST_F(Ecam, ControlPageBoxesByTheSurfaces)
{
    struct box {
        float x, y, w, h;
    };
    const box slats[2] = {{662, 275, 54, 3}, {729, 275, 54, 3}};
    const box flaps[2] = {{675, 259, 44, 5}, {726, 259, 44, 5}};
    const box brakes[2] = {{675, 268, 16, 3}, {754, 268, 16, 3}};
    struct cell {
        const char* what;
        std::function<void(void)> state;
        const box* boxes;
        int colour;   // -1: the box's background shows
    };
    const cell cells[] = {
        {"slats out", [] { pln[0].slatEQ = 1, flt.slat_ratio = 0.995f; }, slats, 48},
        {"slats at 0.99", [] { pln[0].slatEQ = 1, flt.slat_ratio = 0.99f; }, slats, 48},
        {"slats half out", [] { pln[0].slatEQ = 1, flt.slat_ratio = 0.5f; }, slats, 42},
        {"slats barely out", [] { pln[0].slatEQ = 1, flt.slat_ratio = 0.005f; }, slats, -1},
        {"no slats", [] { flt.slat_ratio = 0.995f; }, slats, -1},
        {"flaps set at half", [] { pln[0].flapEQ = 1, flt.flap_ratio = flt.flap_request = 0.5f; }, flaps, 48},
        {"flaps at half, going to full", [] { pln[0].flapEQ = 1, flt.flap_ratio = 0.5f, flt.flap_request = 1; },
         flaps, 42},
        {"flaps within a hundredth of the lever",
         [] { pln[0].flapEQ = 1, flt.flap_ratio = 0.745f, flt.flap_request = 0.75f; }, flaps, 48},
        {"flaps barely out", [] { pln[0].flapEQ = 1, flt.flap_ratio = flt.flap_request = 0.005f; }, flaps, -1},
        {"no flaps", [] { flt.flap_ratio = flt.flap_request = 0.5f; }, flaps, -1},
        {"speed brakes half out", [] { pln[0].sbrkEQ = 1, flt.sbrk_handle = 1; }, brakes, 48},
        {"speed brakes full out", [] { pln[0].sbrkEQ = 1, flt.sbrk_handle = 2; }, brakes, 48},
        {"speed brakes armed", [] { pln[0].sbrkEQ = 1, flt.sbrk_handle = -1; }, brakes, -1},
        {"speed brakes in", [] { pln[0].sbrkEQ = 1, flt.sbrk_handle = 0; }, brakes, -1},
        {"no speed brakes", [] { flt.sbrk_handle = 2; }, brakes, -1},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        start();
        c.state();
        page_drawn(ecam_controls);
        for (int side = 0; side < 2; side++) {
            const box& b = c.boxes[side];
            EXPECT_EQ(colours_in(E + b.x, b.y, b.w, b.h), std::vector<int>{c.colour == -1 ? 29 : c.colour})
                << "side " << side;
        }
    }
}

// Each surface's pointer 30 units either side of the scale's middle at full
// deflection, in its own row.
TEST_F(Ecam, ControlPagePointersByTheDeflections)
{
    const struct {
        float roll, yaw, pitch;
    } cells[] = {{0, 0, 0}, {0.5f, -1, 0.2f}, {1, 0.25f, -0.6f}};
    for (const auto& c : cells) {
        start();
        set.ctl_roll = c.roll, set.ctl_yaw = c.yaw, set.ctl_pitch = c.pitch;
        page_drawn(ecam_controls);
        const struct {
            const char* what;
            float deflection, y;
        } rows[] = {{"aileron", c.roll, 228}, {"rudder", c.yaw, 206}, {"elevator", c.pitch, 184}};
        std::vector<std::string> got;
        for (const auto& r : rows) got.push_back(rgb_region((int)E + 710, (int)r.y - 5, (int)E + 780, (int)r.y));
        for (size_t k = 0; k < 3; k++) {
            on_the_box([&] { plot_pointer(E + 745 + rows[k].deflection * 30, rows[k].y, 39); });
            EXPECT_TRUE(got[k] == rgb_region((int)E + 710, (int)rows[k].y - 5, (int)E + 780, (int)rows[k].y))
                << rows[k].what << " at " << rows[k].deflection;
        }
    }
}

// The pumps run with their engines: one engine drives both, two or more
// one each; an aircraft without an engine kind to drive them (none, or a
// rocket) shows both running, and one of an engine kind but no engine
// counted shows both stopped. The ram-air turbine's line lights when out.
TEST_F(Ecam, HydraulicPumpsAndRamAirTurbine)
{
    const struct {
        const char* what;
        int engines, kind, run0, run1, ram;
        int pump1, pump2, turbine;   // colours
    } cells[] = {
        {"one engine running", 1, 3, 1, 0, 0, 41, 41, 41},
        {"one engine stopped", 1, 3, 0, 1, 0, 45, 45, 41},
        {"two engines, the first running", 2, 4, 1, 0, 0, 41, 45, 41},
        {"two engines, the second running", 2, 4, 0, 1, 0, 45, 41, 41},
        {"four engines, the first two running", 4, 5, 1, 1, 1, 41, 41, 42},
        {"a turboprop with no engine counted", 0, 3, 1, 1, 0, 45, 45, 41},
        {"a glider", 0, 0, 0, 0, 1, 41, 41, 42},
        {"a rocket, stopped", 1, 6, 0, 0, 0, 41, 41, 41},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.what);
        start();
        pln[0].numen = c.engines, pln[0].entype = c.kind;
        flt.engine_running[0] = c.run0, flt.engine_running[1] = c.run1;
        rel.on_ram_air = c.ram;
        page_drawn(ecam_hydraulics);
        const struct {
            float y;
            const char* line;
            int colour;
        } lines[] = {{271, "HYDRAULIC PUMP 1", c.pump1}, {261, "HYDRAULIC PUMP 2", c.pump2},
                     {244, "RAM AIR TURBINE ON", c.turbine}};
        std::vector<std::string> got;
        for (const auto& l : lines) got.push_back(rgb_region((int)E + 652, (int)l.y - 1, (int)E + 770, (int)l.y + 8));
        for (size_t k = 0; k < 3; k++) {
            on_the_box([&] { text(lines[k].colour, 657, lines[k].y, lines[k].line); });
            EXPECT_TRUE(got[k] == rgb_region((int)E + 652, (int)lines[k].y - 1, (int)E + 770, (int)lines[k].y + 8))
                << lines[k].line;
        }
    }
}

// Both pressure pointers start at E + 775 and close a frame's step on the
// pressure's mark each frame (a second's time constant); a pressure that is
// not a number holds them.
TEST_F(Ecam, HydraulicPointersGlideFromTheirStart)
{
    page_drawn(ecam_fuel);
    rel.control_power = 1;   // the mark at E + 787
    const float after[] = {778, 780.25f, 781.9375f};
    for (float want : after) {
        page_drawn(ecam_hydraulics);
        const float rows[2] = {212, 194};
        std::string got[2];
        for (int k = 0; k < 2; k++) got[k] = rgb_region((int)E + 725, (int)rows[k] - 5, (int)E + 797, (int)rows[k]);
        for (int k = 0; k < 2; k++) {
            on_the_box([&] { plot_pointer(E + want, rows[k], 39); });
            EXPECT_TRUE(got[k] == rgb_region((int)E + 725, (int)rows[k] - 5, (int)E + 797, (int)rows[k]))
                << want << " row " << rows[k];
        }
        EXPECT_NEAR(pnl.hyd_pointer[0], E + want, 1e-3f);
        EXPECT_NEAR(pnl.hyd_pointer[1], E + want, 1e-3f);
    }
    rel.control_power = NAN;
    page_drawn(ecam_hydraulics);
    EXPECT_NEAR(pnl.hyd_pointer[0], E + 781.9375f, 1e-3f);
    rel.control_power = 0;   // the mark at E + 734
    page_drawn(ecam_hydraulics);
    EXPECT_NEAR(pnl.hyd_pointer[1], E + 781.9375f - 47.9375f * 0.25f, 1e-3f);
}

// Every failure line in 45 when its system has failed and 41 while it
// works; the thrust reversers' line always 41; four engines' lines on a
// single-engine aircraft.
TEST_F(Ecam, FailurePageColoursEachLineByItsFlag)
{
    const struct {
        float dx, y;
        const char* line;
        int flag;   // -1: none
    } lines[] = {
        {657, 280, "AILERONS", sys_aileron},
        {657, 270, "ELEVATORS", sys_elevator},
        {657, 260, "RUDDERS", sys_rudder},
        {657, 250, "SLATS", sys_slats},
        {657, 240, "FLAP DISAG", sys_flaps},
        {657, 230, "THROTTLES", sys_throttle},
        {657, 220, "HYD SYSTEM", sys_hydraulics},
        {657, 210, "S.A.S.", sys_stability},
        {657, 200, "ASSYM FLAP", sys_asym_flap},
        {657, 190, "STAB TRIM", sys_trim},
        {657, 180, "T. REVERSE", -1},
        {657, 170, "ANTI-ICE", sys_anti_ice},
        {727, 280, "ENGINE #1", 10},
        {727, 270, "ENGINE #2", 11},
        {727, 260, "ENGINE #3", 12},
        {727, 250, "ENGINE #4", 13},
        {727, 240, "OIL PRES #1", 37},
        {727, 230, "OIL PRES #2", 38},
        {727, 220, "OIL PRES #3", 39},
        {727, 210, "OIL PRES #4", 40},
        {727, 200, "NOSE GEAR", 20},
        {727, 190, "LEFT GEAR", 21},
        {727, 180, "RIGHT GEAR", 22},
    };
    ASSERT_EQ(pln[0].numen, 1);
    // failed: -2 none, -3 every flag, else the one flag.
    std::vector<int> failures = {-2, -3};
    for (const auto& l : lines)
        if (l.flag >= 0) failures.push_back(l.flag);
    failures.push_back(sys_reverser);
    for (int failed : failures) {
        SCOPED_TRACE(failed);
        start();
        for (int k = 0; k < system_flags; k++) rel.system_ok[k] = !(failed == -3 || failed == k);
        std::string got = page_drawn(ecam_cautions);
        std::string want = on_the_box([&] {
            for (const auto& l : lines) {
                int down = l.flag >= 0 && (failed == -3 || failed == l.flag);
                text(down ? 45 : 41, l.dx, l.y, l.line);
            }
        });
        EXPECT_TRUE(got == want) << rgb_first_difference(got, want);
    }
}

// A page of its own only for 4 to 7: any other shows the empty box, and the
// engine page (the engine gauges' own) draws nothing here.
TEST_F(Ecam, OtherPagesShowTheEmptyBox)
{
    for (int page : {-1, 0, 1, 2, 8, 99}) {
        std::string got = page_drawn(page);
        EXPECT_TRUE(got == on_the_box([] {})) << "page " << page << ": " << rgb_first_difference(got, on_the_box([] {}));
    }
    EXPECT_TRUE(page_drawn(ecam_engines) == rgb_drawn_alone([] {}));
}
