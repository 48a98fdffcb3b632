// The panel's static faces drawn into rgb_array without a window: the
// airspeed scale's ticks and numbers by scale style and span, with a style of
// no steps of its own; its speed arcs for an aeroplane, a helicopter and a
// jet; the vertical-speed scales; the engine scales by full scale on dials
// and tapes, the tachometer's and N1's bands and the gauges' plates; the
// lever slots and handle pictures. Marks are looked for where the dial's
// geometry puts them, pixel by pixel.
#include <gtest/gtest.h>

#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initpln.h"
#include "P_init.h"
#include "P_update.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

const float deg = 3.14159265358979f / 180.0f;
const int dark = -1, foreign = -2;

// Colour index k paints (k + 1, 0, 0) (see the fixture): -1 for an unlit
// pixel, -2 for one of a pasted picture.
int colour_at(int x, int y)
{
    const unsigned char* p = rgb_array + ((size_t)y * 800 + x) * 3;
    if (p[1] || p[2]) return foreign;
    return (int)p[0] - 1;
}

// The pixel at radius r and angle a (degrees clockwise from up) about (x, y).
int colour_on_dial(float x, float y, float a, float r)
{
    return colour_at(intround(x + r * sinf(a * deg)), intround(y + r * cosf(a * deg)));
}

// Whether every pixel that draw lights on a clear picture is lit the same in
// the picture as it stands: a number or a label in its place.
template <typename F>
bool shows(F draw)
{
    std::vector<unsigned char> face(rgb_array, rgb_array + rgb_array_bytes);
    memset(rgb_array, 0, rgb_array_bytes);
    draw();
    std::vector<unsigned char> alone(rgb_array, rgb_array + rgb_array_bytes);
    memcpy(rgb_array, face.data(), rgb_array_bytes);
    int lit = 0;
    for (size_t k = 0; k < alone.size(); k += 3) {
        if (!alone[k] && !alone[k + 1] && !alone[k + 2]) continue;
        lit++;
        if (memcmp(&alone[k], &face[k], 3) != 0) return false;
    }
    return lit > 0;
}

bool shows_number(int colour, float x, float y, int n, int digits)
{
    return shows([&] { OGL_number(colour, x, y, (float)n, digits, 0, 6, 0); });
}

// A shipped panel picture, rows from the bottom.
struct picture {
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;
};

picture shipped(const char* name)
{
    picture p;
    std::vector<unsigned char> keep(rgb_array, rgb_array + rgb_array_bytes);
    std::string path = std::string(PROGRAM_DIR) + "bitmaps/VolSim/" + name + ".BMP";
    if (read_bmp_file(path.c_str(), bmp_by_path, 0, 0, &p.w, &p.h))
        p.rgb.assign(rgb_array, rgb_array + (size_t)p.w * p.h * 3);
    memcpy(rgb_array, keep.data(), rgb_array_bytes);
    return p;
}

// The picture lies with its lower-left corner at (x, y): whole, or its
// corner block of the size given.
::testing::AssertionResult pasted_at(const char* name, int x, int y, int block = 0)
{
    picture p = shipped(name);
    if (!p.w) return ::testing::AssertionFailure() << name << " is not shipped";
    for (int r = 0; r < (block ? block : p.h); r++)
        for (int c = 0; c < (block ? block : p.w); c++)
            if (memcmp(rgb_array + ((size_t)(y + r) * 800 + x + c) * 3, &p.rgb[((size_t)r * p.w + c) * 3], 3) != 0)
                return ::testing::AssertionFailure() << name << " differs at (" << x + c << ", " << y + r << ")";
    return ::testing::AssertionSuccess();
}

int lit_pixels(void)
{
    int n = 0;
    for (int k = 0; k < rgb_array_bytes; k++) n += rgb_array[k] != 0;
    return n;
}

class PanelFaces : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        set_loader_paths();
        for (int k = 0; k < 80; k++) OGL_assigncolor(k, (float)(k + 1) / 255.0f, 0, 0);
        clear();
        to_array = 1;
        planestruct& a = pln[0];
        a.paneltype = 1;
        a.entype = 1;
        a.numen = 1;
        a.gearrat = 1;
        // Centres off the whole units, so no mark falls on a pixel's edge.
        ins.ins_x[ins_asi] = 150.3f, ins.ins_y[ins_asi] = 200.2f;
        ins.ins_x[ins_vvi] = 400.3f, ins.ins_y[ins_vvi] = 150.2f;
        ins.radio_dy = -155;
    }
    void TearDown() override { to_array = 0; }
    static void clear(void) { memset(rgb_array, 0, rgb_array_bytes); }
    static void airspeed_dial(int type, float power, float vmin, float vmax)
    {
        planestruct& a = pln[0];
        a.AStype = type;
        a.ASpwr = power;
        a.Vmin = vmin;
        a.Vmax = vmax;
        ins.asi_scale = 330 / (powf(vmax, power) - powf(vmin, power));
    }
};

}  // namespace

// ---- the airspeed face ------------------------------------------------------------

// Vmin straight up, Vmax 330 degrees on; a tick (radii 38 to 42) at every
// multiple of the tick spacing, a number at radius 50 at every multiple of
// the number spacing, two digits shifted 3 right below 100. A scale style
// without steps of its own (4) draws as style 1 does rather than dividing by
// a spacing of 0.
TEST_F(PanelFaces, AirspeedTicksAndNumbersByStyleAndSpan)
{
    struct cell {
        const char* what;
        int type;
        float power, vmin, vmax;
        std::vector<int> ticks, gaps, numbers, unnumbered;
    };
    const cell cells[] = {
        {"style 1, span 160: ticks 5, numbers 20", 1, 1, 40, 200, {40, 45, 50, 95, 100, 105, 195, 200},
         {42, 43, 48, 102, 197}, {40, 60, 80, 100, 120, 200}, {50, 70, 90, 110, 190}},
        {"style 3, span 400: ticks 10, numbers 40", 3, 1, 0, 400, {0, 10, 20, 390, 400}, {5, 15, 395},
         {40, 80, 120, 400}, {20, 60, 100, 380}},
        {"style 2 to 300: ticks 5 and numbers 20 to 200, then 10 and 50", 2, 0.3f, 60, 300,
         {60, 65, 195, 200, 210, 220, 290, 300}, {62, 197, 205, 215, 295}, {60, 80, 100, 180, 200, 250, 300},
         {70, 210, 220, 240, 260, 280}},
        {"a style without steps takes style 1's", 4, 1, 40, 200, {40, 45, 100, 200}, {42, 197},
         {40, 60, 100, 200}, {50, 190}},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        clear();
        airspeed_dial(c.type, c.power, c.vmin, c.vmax);
        pln[0].entype = 4;   // no arcs
        init_asi();
        float X = asi_x(), Y = asi_y();
        auto angle = [&](int v) {
            return (powf((float)v, c.power) - powf(c.vmin, c.power)) / (powf(c.vmax, c.power) - powf(c.vmin, c.power)) * 330;
        };
        for (int v : c.ticks) EXPECT_EQ(colour_on_dial(X, Y, angle(v), 40), 0) << "tick " << v;
        for (int v : c.gaps) EXPECT_EQ(colour_on_dial(X, Y, angle(v), 40), dark) << "no tick " << v;
        auto number = [&](int v) {
            float a = angle(v) * deg;
            return shows_number(0, X + 50 * sinf(a) - 9 + (v < 100 ? 3 : 0), Y + 50 * cosf(a) - 3, v, v < 100 ? 2 : 3);
        };
        for (int v : c.numbers) EXPECT_TRUE(number(v)) << "number " << v;
        for (int v : c.unnumbered) EXPECT_FALSE(number(v)) << "no number " << v;
    }
}

// The speed arcs of a piston or turboprop aircraft: white Vso to Vfe inside
// the ticks, green Vs to Vno, yellow Vno to Vne, the red Vne line reaching
// past the ticks; a helicopter has the red line alone, a jet none of them.
TEST_F(PanelFaces, AirspeedArcsOfAnAeroplaneAHelicopterAndAJet)
{
    struct probe {
        float v, r;
        int aeroplane, helicopter, jet;
    };
    const probe probes[] = {
        {77, 36, 0, dark, dark},      // white
        {92, 39, 7, dark, dark},      // green
        {147, 39, 9, dark, dark},     // yellow
        {165, 43, 8, 8, dark},        // red at Vne
        {45, 36, dark, dark, dark},   // below Vso
        {52, 39, dark, dark, dark},   // below Vs
        {172, 39, dark, dark, dark},  // past Vne
    };
    planestruct& a = pln[0];
    a.Vso = 50, a.Vs = 55, a.Vfe = 100, a.Vno = 130, a.Vne = 165;
    for (int kind = 0; kind < 3; kind++) {
        clear();
        airspeed_dial(1, 1, 40, 200);
        a.entype = kind == 2 ? 4 : (kind == 1 ? 3 : 1);
        a.is_heli = kind == 1;
        init_asi();
        for (const probe& p : probes) {
            int want = kind == 0 ? p.aeroplane : (kind == 1 ? p.helicopter : p.jet);
            EXPECT_EQ(colour_on_dial(asi_x(), asi_y(), (p.v - 40) / 160 * 330, p.r), want)
                << (kind == 0 ? "aeroplane" : (kind == 1 ? "helicopter" : "jet")) << " at " << p.v << ", radius " << p.r;
        }
    }
}

// A design's far-off or missing values must neither hang the walk along a
// scale or band (a float of 1e30 never steps on by 1) nor turn into an
// integer they do not fit: the faces finish, drawing what they can.
TEST_F(PanelFaces, FarOffDesignValuesStillFinish)
{
    planestruct& a = pln[0];
    const float nan = std::nanf(""), huge = 1e30f;
    a.Vso = 50, a.Vs = 55, a.Vfe = huge, a.Vno = -huge, a.Vne = nan;
    for (float vmax : {huge, nan, 200.0f}) {
        airspeed_dial(1, 1, 40, vmax);
        init_asi();
    }
    a.Vmin = -huge;
    init_asi();
    for (int tape = 0; tape <= 1; tape++) {
        a.tape = tape;
        for (float full : {huge, nan, -5.0f, 0.0f}) tape_arc("MP", 300, 250, 0, full, 1);
        tape_arc("MP", 300, 250, nan, 100, 1);
        tape_arc_mark(8, 300, 250, 22, 25, -huge, huge, 180);
        tape_arc_mark(8, 300, 250, 22, 25, nan, 10, 180);
    }
    ins.vvi_scale = nan;
    init_vvi();
    SUCCEED();
}

// ---- the vertical-speed face ----------------------------------------------------------

// In hundreds of feet a minute, at the needle's own angle for that climb:
// level at 9 o'clock and the full scale 160 degrees either side. Type 1 has
// 2,000 ft/min, small ticks every 100 within 1,000, large ticks and numbers
// every 500; type 2 has 5,000, small ticks every 200, large and numbers
// every 1,000. The numbers show the size of the climb, so each stands on
// both halves. Another type on the coarse needle scale leaves off the marks
// the needle cannot reach rather than piling them on its stop.
TEST_F(PanelFaces, VerticalSpeedScalesOfBothTypes)
{
    struct cell {
        const char* what;
        int type;
        float per_fpm;   // the needle's degrees per ft/min
        int full;
        std::vector<int> large, small_only, bare, numbers, unnumbered;
    };
    const cell cells[] = {
        {"type 1", 1, 0.08f, 20, {-20, -15, -10, -5, 0, 5, 10, 15, 20}, {-9, -1, 1, 4, 9}, {-19, -11, 11, 12, 19},
         {-20, -15, -10, -5, 0, 5, 10, 15, 20}, {}},
        {"type 2", 2, 0.032f, 50, {-50, -40, -10, 0, 10, 50}, {-48, -2, 2, 48}, {-49, -1, 1, 49},
         {-50, -30, -10, 0, 10, 20, 50}, {}},
        {"type 3 on the coarse scale", 3, 0.08f, 20, {-20, -10, 10, 20}, {-2, 2}, {-1, 1}, {-20, 20}, {-30, 30, 50}},
    };
    float X = vvi_x(), Y = vvi_y();
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        clear();
        pln[0].VVItype = c.type;
        ins.vvi_scale = con.msctofpm * c.per_fpm;
        init_vvi();
        auto angle = [&](int v) { return interp((float)-c.full, -160, (float)c.full, 160, (float)v) - 90; };
        for (int v : c.large) EXPECT_EQ(colour_on_dial(X, Y, angle(v), 42), 0) << "large tick " << v;
        for (int v : c.small_only) {
            EXPECT_EQ(colour_on_dial(X, Y, angle(v), 39), 0) << "small tick " << v;
            EXPECT_EQ(colour_on_dial(X, Y, angle(v), 42), dark) << "small tick " << v;
        }
        for (int v : c.bare) EXPECT_EQ(colour_on_dial(X, Y, angle(v), 39), dark) << "no tick " << v;
        auto number = [&](int v, float at) {
            int n = abs(v);
            return shows_number(0, X + 50 * sinf(at * deg) - 4, Y + 50 * cosf(at * deg) - 3, n, n < 10 ? 1 : 2);
        };
        for (int v : c.numbers) EXPECT_TRUE(number(v, angle(v))) << "number " << v;
        for (int v : c.unnumbered) EXPECT_FALSE(number(v, v > 0 ? 70.0f : -250.0f)) << "no number " << v << " on the stop";
    }
}

// ---- engine scales ---------------------------------------------------------------------

// Steps by full scale: up to 100 ticks every 2 and numbers every 10; past
// 100 ticks every 5, numbers every 20; 2,700 rpm in hundreds, ticks every
// 100, numbers every 500 shown as 5, 10 ... 25. Dials turn from zero straight
// down, 272 degrees to full scale, with numbers at radius 28 and the label
// below right; tapes rise 100 units from the foot, numbers left of the
// ticks, the label beside the foot and the spine along it. Six-pack faces
// are white (0), the rest 39.
TEST_F(PanelFaces, EngineScalesByFullScaleOnDialsAndTapes)
{
    struct shown {
        int v, n;
    };
    struct cell {
        const char* what;
        int tape, panel;
        float full;
        std::vector<int> ticks, gaps;
        std::vector<shown> numbers, unnumbered;
    };
    const cell cells[] = {
        {"dial of 100", 0, 1, 100, {0, 2, 50, 98, 100}, {1, 3, 99}, {{0, 0}, {10, 10}, {50, 50}, {100, 100}}, {}},
        {"dial of 101", 0, 1, 101, {0, 5, 10, 100}, {2, 3, 7, 98}, {{0, 0}, {20, 20}, {40, 40}, {100, 100}},
         {{10, 10}, {30, 30}, {90, 90}}},
        {"dial of 2,700 rpm", 0, 1, 2700, {0, 100, 2600, 2700}, {50, 2650},
         {{0, 0}, {500, 5}, {1000, 10}, {2500, 25}}, {{200, 2}, {2700, 27}}},
        {"tape of 100 on the glass panel", 1, 2, 100, {0, 2, 50, 100}, {1, 51, 99}, {{0, 0}, {10, 10}, {100, 100}},
         {{2, 2}, {20, 2}}},
    };
    const float x = 300.3f, y = 250.2f;
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        clear();
        pln[0].tape = c.tape;
        pln[0].paneltype = c.panel;
        int K = c.panel == 1 ? 0 : 39;
        float k = (c.tape ? 100 : 272) / c.full;
        tape_arc("RPM", x, y, 0, c.full, k);
        auto digits = [](int n) { return n < 10 ? 1 : (n < 100 ? 2 : 3); };
        if (!c.tape) {
            for (int v : c.ticks)
                for (float r : {22.0f, 23.0f}) EXPECT_EQ(colour_on_dial(x, y, 180 + v * k, r), K) << "tick " << v;
            for (int v : c.gaps) EXPECT_EQ(colour_on_dial(x, y, 180 + v * k, 23), dark) << "no tick " << v;
            auto number = [&](shown s) {
                static const float shift[4] = {0, -2, -6, -8};
                float a = s.v * k * deg;
                return shows_number(K, x - 28 * sinf(a) + shift[digits(s.n)], y - 28 * cosf(a) - 4, s.n, digits(s.n));
            };
            for (shown s : c.numbers) EXPECT_TRUE(number(s)) << "number " << s.v;
            for (shown s : c.unnumbered) EXPECT_FALSE(number(s)) << "no number " << s.v;
            EXPECT_TRUE(shows([&] { OGL_string(K, x + 6, y - 26, "RPM", 999, 6); }));
        } else {
            for (int v : c.ticks) EXPECT_EQ(colour_at(intround(x - 6), intround(y + v * k)), K) << "tick " << v;
            for (int v : c.gaps) EXPECT_EQ(colour_at(intround(x - 6), intround(y + v * k)), dark) << "no tick " << v;
            auto number = [&](shown s) {
                static const float shift[4] = {0, 0, -4, -8};
                return shows_number(K, x + shift[digits(s.n)] - 16, y + s.v * k - 3, s.n, digits(s.n));
            };
            for (shown s : c.numbers) EXPECT_TRUE(number(s)) << "number " << s.v;
            for (shown s : c.unnumbered) EXPECT_FALSE(number(s)) << "no number " << s.v;
            EXPECT_TRUE(shows([&] { OGL_string(K, x - 35, y + 2, "RPM", 999, 6); }));
            for (int v : {1, 50, 99}) EXPECT_EQ(colour_at(intround(x - 4), intround(y + v)), K) << "spine at " << v;
        }
    }
}

// The tachometer's bands in engine speed through the gear ratio: an
// aeroplane's red line at its top speed, a helicopter's at both ends of the
// green range instead, the green range on the ticks' radii; N1's red line at
// 100 percent. On a tape the bands are marks left of the ticks.
TEST_F(PanelFaces, TachometerAndN1Bands)
{
    planestruct& a = pln[0];
    a.cp = 1;   // no plates under the marks
    a.omegamax = 2700 * con.rpmtorsc;
    a.omegamingreen = 2100 * con.rpmtorsc;
    a.omegamaxgreen = 2600 * con.rpmtorsc;
    a.gearrat = 0.5f;                      // the propeller turns 1,350 at the top
    ins.tac_scale = 272 / tac_max();
    const float x = 300.3f, y = 250.2f;
    auto at = [&](float engine_rpm) { return 180 + engine_rpm * 0.5f * ins.tac_scale; };
    struct probe {
        float rpm, r;
        int aeroplane, helicopter;
    };
    const probe probes[] = {
        {2700 + 30, 24, 8, dark}, {2100, 24, dark, 8}, {2600 - 20, 24, dark, 8}, {2350, 22, 7, 7}, {1850, 22, dark, dark},
    };
    for (int heli = 0; heli <= 1; heli++) {
        clear();
        a.is_heli = heli;
        init_tac(x, y);
        for (const probe& p : probes)
            EXPECT_EQ(colour_on_dial(x, y, at(p.rpm), p.r), heli ? p.helicopter : p.aeroplane)
                << (heli ? "helicopter" : "aeroplane") << " at " << p.rpm << " rpm, radius " << p.r;
    }

    clear();
    ins.n1_scale = 272.0f / 100;
    init_n1_(x, y);
    EXPECT_EQ(colour_on_dial(x, y, 180 + 272 + 3, 24), 8);
    EXPECT_EQ(colour_on_dial(x, y, 180 + 272 - 8, 24), dark);

    clear();
    a.tape = 1;
    ins.n1_scale = 1;
    init_n1_(x, y);
    // (the number 100 stands over the marks' middle)
    EXPECT_EQ(colour_at(intround(x - 8), intround(y + 96)), 8);
    EXPECT_EQ(colour_at(intround(x - 5), intround(y + 105)), 8);
    EXPECT_EQ(colour_at(intround(x - 8), intround(y + 93)), dark);
    EXPECT_EQ(colour_at(intround(x - 8), intround(y + 107)), dark);
}

// Each gauge lies on its plate, unless the ECAM or the aircraft's own panel
// picture brings one: the dial's under the dial, the exhaust temperature's
// strip beside its mark, which draws nothing else.
TEST_F(PanelFaces, GaugePlatesUnlessTheEcamOrOwnPanelBringsThem)
{
    planestruct& a = pln[0];
    a.mpmax = 30;
    ins.mpr_scale = 272.0f / 30;
    init_mpr(300, 250);
    EXPECT_TRUE(pasted_at("pict_eng", 262, 212, 8));
    EXPECT_EQ(colour_on_dial(300, 250, 180, 22.5f), 0) << "the scale over it";
    clear();
    init_egt(300, 250);
    EXPECT_TRUE(pasted_at("pict_egt", 272, 250));
    picture egt = shipped("pict_egt");
    EXPECT_EQ(lit_pixels(), egt.w * egt.h * 3 - (int)std::count(egt.rgb.begin(), egt.rgb.end(), 0));
    for (int flag = 0; flag < 2; flag++) {
        clear();
        a.ecam = flag == 0, a.cp = flag == 1;
        init_egt(300, 250);
        EXPECT_EQ(lit_pixels(), 0) << (flag ? "own panel" : "ECAM");
        init_mpr(300, 250);
        EXPECT_EQ(colour_at(263, 213), dark) << (flag ? "own panel" : "ECAM");
        EXPECT_EQ(colour_on_dial(300, 250, 180, 22.5f), 0) << (flag ? "own panel" : "ECAM");
    }
}

// ---- lever slots and handle pictures ----------------------------------------------------

// A slot of height h from (x, y): shadowed bottom and left (22), lit top and
// right (18), the groove between them open.
::testing::AssertionResult is_slot(float x, float y, int h)
{
    int x0 = intround(x), y0 = intround(y);
    struct want {
        int dx, dy, colour;
    };
    std::vector<want> wants = {{1, 0, 22}, {1, h, 18}, {-1, h / 2, dark}, {3, h / 2, dark}, {1, -1, dark}, {1, h + 1, dark}};
    for (int dy = 1; dy < h; dy++) {
        wants.push_back({0, dy, 22});
        wants.push_back({1, dy, dark});
        wants.push_back({2, dy, 18});
    }
    for (const want& w : wants)
        if (colour_at(x0 + w.dx, y0 + w.dy) != w.colour)
            return ::testing::AssertionFailure() << "(" << x0 + w.dx << ", " << y0 + w.dy << ") colour "
                                                 << colour_at(x0 + w.dx, y0 + w.dy) << ", not " << w.colour;
    return ::testing::AssertionSuccess();
}

TEST_F(PanelFaces, LeverSlotsAndHandlePictures)
{
    const float E = eng_x();
    static const float throttles[4] = {648, 662, 676, 690};
    for (int i = 0; i < 4; i++) thro_x[i] = throttles[i];
    init_handle(slot_flaps);
    EXPECT_TRUE(is_slot(E + 664, 72, 63)) << "flaps";
    for (int i = 0; i < 4; i++) {
        init_handle(slot_throttle_first + i);
        EXPECT_TRUE(is_slot(throttles[i] + 5.5f + E, 3, 63)) << "throttle " << i;
    }

    for (int automatic = 0; automatic <= 1; automatic++) {
        clear();
        pln[0].autosbrkEQ = automatic;
        init_handle(slot_speedbrake);
        EXPECT_TRUE(pasted_at(automatic ? "b_sbrka" : "b_sbrkm", (int)(E + 692), 78));
    }
    clear();
    init_handle(slot_sweep);
    EXPECT_TRUE(pasted_at("b_swee", (int)(E + 736), 72));

    clear();
    for (int id : {0, 6, 25, 99}) init_handle(id);
    EXPECT_EQ(lit_pixels(), 0) << "ids without a lever";
}
