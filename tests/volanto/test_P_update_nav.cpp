// The heading and radio-navigation instruments and the radio column's
// readouts without a window: the cards, needles, scales and glide-slope
// marks through a call log (the panel's drawing hooks pointed at recorders),
// the lines and texts through rgb_array. The HSI's card, arrow, bug and
// glass DME; the VOR flag, needles and scales; the RMI needle; the ADF's
// swing, freeze, slaved card and digits; the DME's smoothing, closure speed
// and receiver choice; the GPS name, times, letters, cursor and deviation
// mark; and courses and headings from a damaged file.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Initgen.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

// ---- the call log ------------------------------------------------------------------

enum call_kind { call_dg, call_needle, call_tape, call_gs };

// One drawing call: x, y and the kind's own arguments in order.
struct call {
    call_kind kind;
    float x, y;
    float a[5];
};
std::vector<call> calls;

void rec_dg(float x, float y, int heading, float half)
{
    calls.push_back({call_dg, x, y, {(float)heading, half, 0, 0, 0}});
}
void rec_needle(float x, float y, float angle, float tail, float tip, float half_width, int colour)
{
    calls.push_back({call_needle, x, y, {angle, tail, tip, half_width, (float)colour}});
}
void rec_tape(int kind, float x, float y, float value)
{
    calls.push_back({call_tape, x, y, {(float)kind, value, 0, 0, 0}});
}
void rec_gs(float x, float y) { calls.push_back({call_gs, x, y, {0, 0, 0, 0, 0}}); }

std::vector<call> of_kind(call_kind k)
{
    std::vector<call> out;
    for (const call& c : calls)
        if (c.kind == k) out.push_back(c);
    return out;
}

// ---- the picture -------------------------------------------------------------------

template <typename F>
std::string drawn_alone(int x0, int y0, int x1, int y1, F draw)
{
    memset(rgb_array, 0, sizeof rgb_array);
    calls.clear();
    draw();
    return rgb_region(x0, y0, x1, y1);
}

std::string whole(void (*routine)(void)) { return drawn_alone(0, 0, 799, 599, routine); }

float nm(float metres) { return metres * con.mtrstonm; }
float metres(float nautical) { return nautical / con.mtrstonm; }

class NavInstruments : public ::testing::Test {
protected:
    void SetUp() override { lay_out(1); }
    void TearDown() override
    {
        panel_draw = saved;
        to_array = 0;
    }

    // A single piston aircraft on the dial panel (1) or the glass one (2),
    // everything working, drawing through the recorders; the aircraft at
    // (1000, 50, -2000).
    void lay_out(int panel, std::function<void(planestruct&)> also = nullptr)
    {
        start_panel_picture();
        for (int& ok : rel.system_ok) ok = 1;
        msc.dt = 0.05f;
        lay_out_test_piston(panel, also);
        panel_draw = {rec_dg, rec_needle, rec_tape, rec_gs};
        calls.clear();
        flt.pos_x[0] = 1000, flt.pos_y[0] = 50, flt.pos_z[0] = -2000;
        nav.gs_angle[0] = nav.gs_angle[1] = -99.9f;
    }

    // Receiver r's station (no glide slope) d metres due east of the aircraft.
    static void station_east(int r, float d)
    {
        nav.stn_x[r] = (float)flt.pos_x[0] + d;
        nav.stn_h[r] = (float)flt.pos_y[0];
        nav.stn_z[r] = (float)flt.pos_z[0];
        nav.gs_angle[r] = -99.9f;
        nav.receiving[r] = 1;
    }

    const panel_draw_calls saved = panel_draw;
};

void run_HSI(void) { update_HSI(0, 0); }

}  // namespace

// ---- HSI ---------------------------------------------------------------------------

// At 359.7 degrees the card shows 359, not a rounded 0, and with course 0
// the arrow stands at 359: its tip (x - sin 359 x 40, y + cos 359 x 40) one
// column right of the centre line, its tail one column left, in the
// panel's line colour. The glide-slope marks come first, at gsx1 and gsx2,
// the deviation off the scales' centre.
TEST_F(NavInstruments, HsiCardAndArrowTruncateTheHeading)
{
    for (int panel : {1, 2}) {
        SCOPED_TRACE(panel == 1 ? "six-pack" : "glass");
        lay_out(panel);
        const int K = panel == 1 ? 9 : 42;
        const int x = (int)hsi_x(), y = (int)hsi_y();
        ASSERT_EQ((float)x, hsi_x());
        ASSERT_EQ((float)y, hsi_y());
        ins.dg_hdg = 359.7f;
        nav.nav_crs2 = 0;
        memset(rgb_array, 0, sizeof rgb_array);
        update_HSI(0, 7);

        ASSERT_GE(calls.size(), 3u);
        EXPECT_EQ(calls[0].kind, call_gs);
        EXPECT_EQ(calls[0].x, (float)pln[0].gsx1);
        EXPECT_EQ(calls[0].y, (float)(pln[0].gsyc + 7));
        EXPECT_EQ(calls[1].kind, call_gs);
        EXPECT_EQ(calls[1].x, (float)pln[0].gsx2);
        EXPECT_EQ(calls[1].y, (float)(pln[0].gsyc + 7));
        std::vector<call> dg = of_kind(call_dg);
        ASSERT_EQ(dg.size(), 1u);
        EXPECT_EQ(dg[0].x, x);
        EXPECT_EQ(dg[0].y, y);
        EXPECT_EQ(dg[0].a[0], 359);
        EXPECT_EQ(dg[0].a[1], 52);
        EXPECT_EQ(pnl.hsi_card, 359);

        double s = sin(359 * M_PI / 180), c = cos(359 * M_PI / 180);
        int tip_x = (int)lround(x - s * 40), tip_y = (int)lround(y + c * 40);
        EXPECT_EQ(tip_x, x + 1);
        EXPECT_EQ(rgb_colour(tip_x, tip_y), K);
        for (int row = y - 40; row <= y - 32; row++)
            EXPECT_EQ(rgb_columns(K, row, x - 6, x + 6), std::set<int>{x - 1}) << "tail row " << row - y;
    }
}

// A failed heading gyro holds the HSI's card and the RMI's while the bug
// and the course arrow (and all the HSI draws itself) follow the heading.
TEST_F(NavInstruments, FailedGyroHoldsTheCardsOnly)
{
    nav.nav_crs2 = 40;
    nav.hdg_bug = 90;
    station_east(recv_nav1, 5000);
    ins.dg_hdg = 100;
    update_HSI(0, 0);
    update_RMI();
    std::string at_100 = whole(run_HSI);

    ins.dg_hdg = 200;
    std::string working_200 = whole(run_HSI);
    std::vector<call> working_needles = of_kind(call_needle);
    ASSERT_NE(working_200, at_100) << "the arrow turns with the heading";

    ins.dg_hdg = 100;
    update_HSI(0, 0);
    update_RMI();
    rel.system_ok[sys_heading] = 0;
    ins.dg_hdg = 200;
    std::string failed_200 = whole(run_HSI);
    EXPECT_TRUE(failed_200 == working_200) << "arrow, scale and bar follow the heading";
    std::vector<call> dg = of_kind(call_dg), needles = of_kind(call_needle);
    ASSERT_EQ(dg.size(), 1u);
    EXPECT_EQ(dg[0].a[0], 100) << "the HSI card holds";
    ASSERT_EQ(needles.size(), 2u);
    for (int k = 0; k < 2; k++) {
        EXPECT_EQ(needles[k].x, working_needles[k].x);
        EXPECT_EQ(needles[k].y, working_needles[k].y);
        EXPECT_EQ(needles[k].a[0], working_needles[k].a[0]) << "the bug follows the heading";
    }
    EXPECT_EQ(needles[0].a[0], 210 - (200 - 90));

    calls.clear();
    update_RMI();
    dg = of_kind(call_dg), needles = of_kind(call_needle);
    ASSERT_EQ(dg.size(), 1u);
    EXPECT_EQ(dg[0].a[0], 100) << "the RMI card holds";
    ASSERT_EQ(needles.size(), 1u);
    EXPECT_NEAR(needles[0].a[0], 90 - 100, 1e-3f);
}

// The bug's chevron: two needles of 10 at 210 - a and 150 - a from the
// card's edge at a = heading less variation (truncated) less the bug.
TEST_F(NavInstruments, HeadingBugChevronOnTheCardEdge)
{
    const struct {
        float dg, magvar;
        int bug, a;
    } cells[] = {
        {90, 10, 30, 50},
        {10, 0, 350, 20},
        {5, 10, 0, 355},      // heading less variation below 0
        {359.9f, 0, 0, 359},
        {123.4f, -7.5f, 123, 7},
    };
    const float x = hsi_x(), y = hsi_y();
    for (const auto& c : cells) {
        SCOPED_TRACE(c.dg);
        ins.dg_hdg = c.dg, env.mag_var = c.magvar, nav.hdg_bug = c.bug;
        calls.clear();
        update_HSI(0, 0);
        std::vector<call> n = of_kind(call_needle);
        ASSERT_EQ(n.size(), 2u);
        double r = c.a * M_PI / 180;
        for (int k = 0; k < 2; k++) {
            EXPECT_NEAR(n[k].x, x - sin(r) * 50, 1e-3);
            EXPECT_NEAR(n[k].y, y + cos(r) * 50, 1e-3);
            EXPECT_EQ(n[k].a[0], (k == 0 ? 210 : 150) - c.a);
            EXPECT_EQ(n[k].a[1], 0);
            EXPECT_EQ(n[k].a[2], 10);
            EXPECT_EQ(n[k].a[3], 1);
            EXPECT_EQ(n[k].a[4], 32);
        }
    }
}

// The glass HSI's DME measures to receiver 1's glide-slope antenna while its
// glide path is a real angle, else (none, or a VOR's mark) to the station;
// past 99 nm, or with nothing received, it shows dashes.
TEST_F(NavInstruments, GlassHsiDmeToAntennaOrStation)
{
    lay_out(2);
    const float x = hsi_x(), y = hsi_y();
    const struct {
        const char* what;
        float gs_angle, antenna_nm, station_nm;
        int receiving;
        const char* shown;   // null: the number
        float want;
    } cells[] = {
        {"glide slope at 3 degrees", 3, 12.3f, 40, 1, nullptr, 12.3f},
        {"glide slope at -99", -99, 12.3f, 40, 1, nullptr, 12.3f},
        {"no glide slope", -99.9f, 12.3f, 40.4f, 1, nullptr, 40.4f},
        {"a VOR", 99.9f, 12.3f, 40.4f, 1, nullptr, 40.4f},
        {"98.9 nm", -99.9f, 0, 98.9f, 1, nullptr, 98.9f},
        {"99.05 nm", -99.9f, 0, 99.05f, 1, "---", 0},
        {"600 nm", -99.9f, 0, 600, 1, "---", 0},
        {"nothing received", 3, 12.3f, 40, 0, "---", 0},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.what);
        station_east(recv_nav2, metres(c.station_nm));
        nav.gs_angle[recv_nav2] = c.gs_angle;
        nav.gs_x[recv_nav2] = (float)flt.pos_x[0];
        nav.gs_h[recv_nav2] = (float)flt.pos_y[0] + 1000;
        nav.gs_z[recv_nav2] = (float)flt.pos_z[0] - sqrtf(fmaxf(powf(metres(c.antenna_nm), 2) - 1e6f, 0));
        nav.receiving[recv_nav2] = c.receiving;
        ins.dg_hdg = nav.nav_crs2 = 0;
        const int x0 = (int)x - 85, y0 = (int)y - 52, x1 = (int)x - 20, y1 = (int)y - 42;
        std::string want = drawn_alone(x0, y0, x1, y1, [&] {
            OGL_string(47, x - 82, y - 50, "DME", 999, 6);
            if (c.shown) OGL_string(47, x - 60, y - 50, c.shown, 999, 6);
            else OGL_number(47, x - 60, y - 50, c.want, 3, 1, 6, 0);
        });
        EXPECT_TRUE(drawn_alone(x0, y0, x1, y1, run_HSI) == want);
    }
}

// ---- VOR and glide slope ------------------------------------------------------------

// The flag by receiver 0's TO/FROM, its two needles at the deviations, and
// the course on the upper scale with its reciprocal on the lower.
TEST_F(NavInstruments, VorFlagNeedlesAndScales)
{
    const float x = supp_x(), y = supp_y();
    const struct {
        int tofrom;
        const char* flag;
    } flags[] = {{0, "NAV"}, {1, "TO "}, {2, "FRM"}, {3, "NAV"}, {-1, "NAV"}};
    for (const auto& f : flags) {
        nav.tofrom[recv_nav1] = f.tofrom;
        nav.tofrom[recv_nav2] = 1;
        const int x0 = (int)x + 20, y0 = (int)y - 5, x1 = (int)x + 50, y1 = (int)y + 5;
        std::string want = drawn_alone(x0, y0, x1, y1, [&] { OGL_string(8, x + 27, y - 3, f.flag, 999, 6); });
        EXPECT_TRUE(drawn_alone(x0, y0, x1, y1, [] { update_VORandGS(0, 0); }) == want) << "TO/FROM " << f.tofrom;
    }

    calls.clear();
    update_VORandGS(-12, 9);
    std::vector<call> n = of_kind(call_needle);
    ASSERT_EQ(n.size(), 2u);
    const float want_needles[2][7] = {{x - 12, y + 23, 180, 0, 46, 1, 6}, {x - 23, y + 9, 90, 0, 46, 1, 6}};
    for (int k = 0; k < 2; k++) {
        const float got[7] = {n[k].x, n[k].y, n[k].a[0], n[k].a[1], n[k].a[2], n[k].a[3], n[k].a[4]};
        for (int i = 0; i < 7; i++) EXPECT_EQ(got[i], want_needles[k][i]) << "needle " << k << ", argument " << i;
    }

    const struct {
        float obs;
        int upper_kind;
        float upper;
        int lower_kind;
        float lower;
    } scales[] = {
        {180, 2, 180, 4, 0},     {200, 3, 20, 5, 160},   {0, 2, 0, 4, 180},
        {90, 2, 90, 4, 90},      {270, 3, 90, 5, 90},    {360, 3, 180, 4, 180},
        {359.5f, 3, 179.5f, 5, 0.5f},
        // From a damaged file: wrapped whole, or none at all.
        {-725, 3, 175, 5, 5},    {1e7f, 3, 100, 5, 80},  {NAN, 2, 0, 4, 180},
    };
    for (const auto& s : scales) {
        nav.nav_crs1 = s.obs;
        calls.clear();
        update_VORandGS(0, 0);
        std::vector<call> t = of_kind(call_tape);
        ASSERT_EQ(t.size(), 2u) << s.obs;
        EXPECT_EQ(t[0].x, x);
        EXPECT_EQ(t[0].y, y + 28);
        EXPECT_EQ(t[0].a[0], s.upper_kind) << s.obs;
        EXPECT_NEAR(t[0].a[1], s.upper, 1e-3f) << s.obs;
        EXPECT_EQ(t[1].x, x);
        EXPECT_EQ(t[1].y, y - 42);
        EXPECT_EQ(t[1].a[0], s.lower_kind) << s.obs;
        EXPECT_NEAR(t[1].a[1], s.lower, 1e-3f) << s.obs;
    }
}

// ---- RMI -------------------------------------------------------------------------

// The needle points at the station's magnetic bearing less the card.
TEST_F(NavInstruments, RmiNeedleAtBearingLessCard)
{
    const float x = supp_x(), y = supp_y();
    const struct {
        float dx, dz;   // station from the aircraft, m (north is -z)
        float magvar, dg;
        float want;
    } cells[] = {
        {5000, 0, 10, 30, 70},      // due east
        {5000, 0, 0, 0, 90},
        {0, 5000, -4, 90, 86},      // due south
        {-3000, -3000, 0, 300, 15}, // north-west
    };
    for (const auto& c : cells) {
        nav.stn_x[recv_nav1] = (float)flt.pos_x[0] + c.dx;
        nav.stn_z[recv_nav1] = (float)flt.pos_z[0] + c.dz;
        env.mag_var = c.magvar;
        ins.dg_hdg = c.dg;
        calls.clear();
        update_RMI();
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[0].kind, call_dg);
        EXPECT_EQ(calls[0].x, x);
        EXPECT_EQ(calls[0].y, y);
        EXPECT_EQ(calls[0].a[0], (int)c.dg);
        EXPECT_EQ(calls[0].a[1], 45);
        EXPECT_EQ(calls[1].kind, call_needle);
        EXPECT_EQ(calls[1].x, x);
        EXPECT_EQ(calls[1].y, y);
        EXPECT_NEAR(calls[1].a[0], c.want, 1e-3f) << c.dx << ", " << c.dz;
        EXPECT_EQ(calls[1].a[1], -5);
        EXPECT_EQ(calls[1].a[2], 35);
        EXPECT_EQ(calls[1].a[3], 2);
        EXPECT_EQ(calls[1].a[4], 9);
    }
}

// ---- ADF -------------------------------------------------------------------------

// Toward a bearing 170 degrees away the needle swings 1.8 degrees a frame at
// 50 frames a second (90 a second), the short way round, and settles on the
// bearing; with the radios failed it stays where it was.
TEST_F(NavInstruments, AdfNeedleSwingsAtNinetyDegreesASecond)
{
    msc.dt = 0.02f;
    flt.psi[0] = 30;
    auto ndb_at = [](float relative) {
        double b = (relative + 30) * M_PI / 180;
        nav.ndb_x = (float)(flt.pos_x[0] + sin(b) * 8000);
        nav.ndb_z = (float)(flt.pos_z[0] - cos(b) * 8000);
    };
    const struct {
        float bearing;
        float after1, after10;
    } cells[] = {{170, 1.8f, 18}, {190, 358.2f, 342}, {-10 + 360, 358.2f, 350}};
    for (const auto& c : cells) {
        SCOPED_TRACE(c.bearing);
        pnl.adf_needle = 0;
        ndb_at(c.bearing);
        update_ADF();
        EXPECT_NEAR(pnl.adf_needle, c.after1, 1e-3f);
        for (int k = 1; k < 10; k++) update_ADF();
        EXPECT_NEAR(pnl.adf_needle, c.after10, 5e-3f);
        for (int k = 10; k < 120; k++) update_ADF();
        EXPECT_NEAR(pnl.adf_needle, c.bearing, 5e-3f);
    }

    pnl.adf_needle = 20;
    ndb_at(170);
    rel.system_ok[sys_radios] = 0;
    for (int k = 0; k < 10; k++) update_ADF();
    EXPECT_EQ(pnl.adf_needle, 20);

    // The needle, its head at the tip, drawn where the needle stands.
    const float x = adf_x(), y = adf_y();
    calls.clear();
    update_ADF();
    std::vector<call> n = of_kind(call_needle);
    ASSERT_EQ(n.size(), 3u);
    EXPECT_EQ(n[0].x, x);
    EXPECT_EQ(n[0].y, y);
    const float want0[5] = {20, -25, 32, 1, 9};
    for (int i = 0; i < 5; i++) EXPECT_EQ(n[0].a[i], want0[i]) << "argument " << i;
    double r = 20 * M_PI / 180;
    for (int k = 1; k < 3; k++) {
        EXPECT_NEAR(n[k].x, x + sin(r) * 32, 1e-3);
        EXPECT_NEAR(n[k].y, y + cos(r) * 32, 1e-3);
        EXPECT_EQ(n[k].a[0], k == 1 ? 170 : 230);
        EXPECT_EQ(n[k].a[2], 7);
    }
}

// A slaved card (type 2) follows the heading gyro; another keeps the card
// the knob set. The frequency shows as three digits.
TEST_F(NavInstruments, AdfCardAndFrequency)
{
    const float x = adf_x(), y = adf_y();
    for (int type : {1, 2}) {
        lay_out(1, [&](planestruct& a) { a.ADFtype = type; });
        ins.adf_card = 45;
        ins.dg_hdg = 123.9f;
        update_ADF();
        std::vector<call> dg = of_kind(call_dg);
        ASSERT_EQ(dg.size(), 1u);
        EXPECT_EQ(dg[0].x, x);
        EXPECT_EQ(dg[0].y, y);
        EXPECT_EQ(dg[0].a[0], type == 2 ? 123 : 45) << "type " << type;
        EXPECT_EQ(dg[0].a[1], 45);
    }

    const struct {
        int khz;
        int digits[3];
    } cells[] = {{375, {3, 7, 5}}, {1650, {6, 5, 0}}, {210, {2, 1, 0}}, {-375, {3, 7, 5}}};
    for (const auto& c : cells) {
        nav.adf = c.khz;
        std::string want = drawn_alone(0, 0, 799, 599, [&] {
            for (int k = 0; k < 3; k++) OGL_number(48, x - 13 + 10 * k, y - 67, (float)c.digits[k], 1, 0, 6, 0);
        });
        EXPECT_TRUE(whole(update_ADF) == want) << c.khz;
    }
}

// ---- DME -------------------------------------------------------------------------

namespace {

// The DME's three readouts, or dashes.
std::string dme_shows(float d, float speed, float time)
{
    const float R = radio_x();
    return drawn_alone(0, 0, 799, 599, [&] {
        OGL_number(48, R + 499, 270, d, 3, 0, 6, 0);
        OGL_number(48, R + 532, 270, speed, 3, 0, 6, 0);
        OGL_number(48, R + 565, 270, time, 3, 0, 6, 0);
    });
}

std::string dme_dashes(void)
{
    const float R = radio_x();
    return drawn_alone(0, 0, 799, 599, [&] {
        for (float x : {R + 499, R + 532, R + 565}) OGL_string(48, x, 270, "---", 18, 6);
    });
}

}  // namespace

// The shown distance closes 40 percent of the gap each frame; a station
// beyond the readout shows 999 only once the smoothing has climbed there.
// The speed is the smoothed distance's change an hour, held to 999, and the
// time is distance over speed in minutes.
TEST_F(NavInstruments, DmeSmoothsAndTimesTheClosure)
{
    station_east(recv_nav1, metres(150));
    nav.dme_sel = 0;
    double want = 0;
    for (int k = 1; k <= 6; k++) {
        update_DME();
        want += (150 - want) * 0.4;
        EXPECT_NEAR(pnl.dme_nm, want, 1e-3) << "frame " << k;
    }

    lay_out(1);
    station_east(recv_nav1, metres(1500));
    const float shown[] = {600, 960, 999, 999};
    for (float s : shown) {
        float before = pnl.dme_nm;
        std::string got = whole(update_DME);
        float speed = fminf(fabsf(s - before) / 0.05f * 3600, 999);
        EXPECT_TRUE(got == dme_shows(s, speed, fminf(s / speed * 60, 999))) << s;
    }

    // Closing slowly: 0.004 nm in 0.05 s is 288 knots, 2.08 minutes out.
    lay_out(1);
    pnl.dme_nm = 10;
    station_east(recv_nav1, metres(10.01f));
    std::string got = whole(update_DME);
    EXPECT_NEAR(pnl.dme_nm, 10.004f, 1e-4f);
    EXPECT_TRUE(got == dme_shows(10, 288, 2)) << "10 nm at 288 knots";
}

// With nothing received the three readouts show dashes, while the smoothing
// runs on; no closure shows a time of 999, and no distance at no speed 0.
TEST_F(NavInstruments, DmeDashesAndStillTimes)
{
    station_east(recv_nav1, metres(20));
    nav.receiving[recv_nav1] = 0;
    EXPECT_TRUE(whole(update_DME) == dme_dashes());
    EXPECT_NEAR(pnl.dme_nm, 8, 1e-3f) << "the smoothing runs";

    lay_out(1);
    station_east(recv_nav1, metres(20));
    pnl.dme_nm = nm(nav.stn_x[recv_nav1] - (float)flt.pos_x[0]);
    for (int k = 0; k < 3; k++) update_DME();
    EXPECT_TRUE(whole(update_DME) == dme_shows(20, 0, 999)) << "standing off 20 nm";

    lay_out(1);
    station_east(recv_nav1, 0);
    EXPECT_TRUE(whole(update_DME) == dme_shows(0, 0, 0)) << "over the station";
    EXPECT_EQ(pnl.dme_nm, 0);
}

// The DME reads receiver 1 only when dme_sel is 1, any other value receiver
// 0; switching glides the distance over, the speed showing the glide.
TEST_F(NavInstruments, DmeReceiverChoiceAndGlide)
{
    const struct {
        int sel;
        float want;
    } cells[] = {{0, 10}, {1, 10.02f}, {7, 10}, {-1, 10}, {2, 10}};
    for (const auto& c : cells) {
        lay_out(1);
        station_east(recv_nav1, metres(10));
        station_east(recv_nav2, metres(10.02f));
        nav.receiving[recv_nav2] = 0;
        nav.dme_sel = c.sel;
        for (int k = 0; k < 60; k++) update_DME();
        EXPECT_NEAR(pnl.dme_nm, c.want, 1e-3f) << "dme_sel " << c.sel;
        EXPECT_EQ(whole(update_DME) == dme_dashes(), c.want != 10) << "dme_sel " << c.sel;
    }

    lay_out(1);
    station_east(recv_nav1, metres(10));
    station_east(recv_nav2, metres(10.02f));
    pnl.dme_nm = 10;
    nav.dme_sel = 1;
    // 0.008 nm, then 0.0048, in 0.05 s: 576 and 345.6 knots.
    EXPECT_TRUE(whole(update_DME) == dme_shows(10.008f, 576, 10.008f / 576 * 60));
    EXPECT_NEAR(pnl.dme_nm, 10.008f, 1e-4f);
    EXPECT_TRUE(whole(update_DME) == dme_shows(10.0128f, 345.6f, 10.0128f / 345.6f * 60));
}

// ---- GPS -------------------------------------------------------------------------

namespace {

// The table sizes and entry 5 of each name table, put back after the test.
struct gps_tables {
    int apt_max, nav_max;
    char apt5[40], nav5[40];
    gps_tables()
    {
        apt_max = apt_wrl_max, nav_max = nav_wrl_max;
        memcpy(apt5, apt_name[5], 40);
        memcpy(nav5, nav_name[5], 40);
    }
    ~gps_tables()
    {
        apt_wrl_max = apt_max, nav_wrl_max = nav_max;
        memcpy(apt_name[5], apt5, 40);
        memcpy(nav_name[5], nav5, 40);
    }
};

// What the radio column shows between R + x0 and R + x1: the name's row at
// 268, the letters and bearing at 253, the numbers at 238.
std::string gps_region(int x0, int y0, int x1, int y1, std::function<void(float R)> draw)
{
    const float R = radio_x();
    return drawn_alone((int)R + x0, y0, (int)R + x1, y1, [&] { draw(R); });
}

}  // namespace

// The name: the first 19 of a long one; the airport table for any kind but
// NDB (2) and VOR (3); none for an index outside its table or an empty one.
TEST_F(NavInstruments, GpsDestinationName)
{
    gps_tables keep;
    apt_wrl_max = 10;
    nav_wrl_max = 10;
    snprintf(apt_name[5], 40, "ABCDEFGHIJKLMNOPQRSTUVWXY");
    snprintf(nav_name[5], 40, "NAVAID FIVE");
    const struct {
        const char* what;
        int mode, index, apt_max, nav_max;
        const char* shown;   // null: nothing
    } cells[] = {
        {"airport, 25 letters", 1, 5, 10, 10, "ABCDEFGHIJKLMNOPQRS"},
        {"NDB", 2, 5, 10, 10, "NAVAID FIVE"},
        {"VOR", 3, 5, 10, 10, "NAVAID FIVE"},
        {"mode 0 reads airports", 0, 5, 10, 10, "ABCDEFGHIJKLMNOPQRS"},
        {"mode 9 reads airports", 9, 5, 10, 10, "ABCDEFGHIJKLMNOPQRS"},
        {"empty airport table", 1, 5, -1, 10, nullptr},
        {"the preferences' 1600", 1, 1600, 10, 10, nullptr},
        {"a negative index", 1, -3, 10, 10, nullptr},
        {"beyond the whole table", 1, world_apt_max, world_apt_max + 5, 10, nullptr},
        {"navaid beyond its table", 3, 12, 10, 10, nullptr},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.what);
        nav.gps_mode = c.mode, nav.gps_index = c.index;
        apt_wrl_max = c.apt_max, nav_wrl_max = c.nav_max;
        nav.gps_id_char[0] = nav.gps_id_char[1] = nav.gps_id_char[2] = nav.gps_id_char[3] = 0;
        EXPECT_EQ(gps_kind(), c.mode == 2 || c.mode == 3 ? c.mode : 1);
        std::string want = gps_region(495, 267, 640, 277, [&](float R) {
            if (c.shown) OGL_string(48, R + 499, 268, c.shown, 999, 6);
        });
        EXPECT_TRUE(gps_region(495, 267, 640, 277, [](float) { update_GPS(); }) == want);
    }
}

// Bearing (magnetic), distance, ground speed and time; at no ground speed
// the time is 999 for any distance, 0 for none.
TEST_F(NavInstruments, GpsReadoutsAndStillTimes)
{
    const struct {
        float brg, magvar, dist_m, speed;
        float want_brg, want_nm, want_kts, want_min;
    } cells[] = {
        {355, 10, 37040, 51.444f, 5, 20, 100, 12},
        {90, -5, 1852, 0, 85, 1, 0, 999},
        {0, 0, 0, 0, 0, 0, 0, 0},
        {10, -20, 0, 50, 350, 0, 97.19f, 0},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.dist_m);
        nav.gps_brg = c.brg, env.mag_var = c.magvar, nav.gps_dist = c.dist_m, flt.gnd_speed[0] = c.speed;
        auto shown = [&](float R) {
            OGL_number(48, R + 530, 253, c.want_brg, 3, 0, 6, 0);
            OGL_number(48, R + 498, 238, c.want_nm, 4, 0, 6, 0);
            OGL_number(48, R + 538, 238, c.want_kts, 4, 0, 6, 0);
            OGL_number(48, R + 577, 238, c.want_min, 3, 0, 6, 0);
        };
        EXPECT_TRUE(gps_region(528, 253, 550, 260, [](float) { update_GPS(); }) ==
                    gps_region(528, 253, 550, 260, shown))
            << "bearing";
        EXPECT_TRUE(gps_region(490, 236, 600, 246, [](float) { update_GPS(); }) ==
                    gps_region(490, 236, 600, 246, shown))
            << "distance, speed and time";
    }
}

// The identifier's letters through code_to_char, and the cursor: bright under
// the entry position, dim under the others.
TEST_F(NavInstruments, GpsIdentifierAndCursor)
{
    const struct {
        int codes[4];
        const char* text;
    } ids[] = {{{21, 23, 23, 23}, "KMMM"}, {{0, 1, 10, 36}, " 09Z"}, {{37, -1, 11, 99}, "00A0"}};
    for (const auto& id : ids) {
        for (int k = 0; k < 4; k++) nav.gps_id_char[k] = id.codes[k];
        std::string want = gps_region(497, 252, 527, 261, [&](float R) {
            char s[5];
            for (int k = 0; k < 4; k++) s[k] = code_to_char(id.codes[k]);
            s[4] = 0;
            OGL_string(48, R + 499, 253, s, 999, 6);
        });
        EXPECT_TRUE(gps_region(497, 252, 527, 261, [](float) { update_GPS(); }) == want) << id.text;
    }

    const int R = (int)radio_x();
    for (int cursor = 0; cursor <= 4; cursor++) {
        nav.gps_cursor = cursor;
        memset(rgb_array, 0, sizeof rgb_array);
        update_GPS();
        std::set<int> bright = rgb_columns(48, 251, R + 490, R + 530), dim = rgb_columns(50, 251, R + 490, R + 530);
        std::set<int> want_bright, want_dim;
        for (int k = 1; k <= 4; k++)
            for (int dx = 0; dx <= 4; dx++) (k == cursor ? want_bright : want_dim).insert(R + 499 + 6 * (k - 1) + dx);
        EXPECT_EQ(bright, want_bright) << "cursor " << cursor;
        EXPECT_EQ(dim, want_dim) << "cursor " << cursor;
        std::set<int> name_line;
        for (int dx = 0; dx <= 4; dx++) name_line.insert(R + 499 + dx);
        EXPECT_EQ(rgb_columns(cursor == 0 ? 48 : 50, 266, R + 490, R + 530), name_line) << "cursor " << cursor;
    }
}

// The deviation mark: 3 units a dot of receiver 0's deviation, held to 25.
TEST_F(NavInstruments, GpsDeviationMarkHeldTo25)
{
    const int R = (int)radio_x();
    const struct {
        float cdi;
        int dx;
    } cells[] = {{0, 0}, {2, 6}, {-3, -9}, {8.4f, 25}, {-20, -25}, {9, 25}};
    for (const auto& c : cells) {
        nav.cdi[recv_nav1] = c.cdi;
        memset(rgb_array, 0, sizeof rgb_array);
        update_GPS();
        const int left = R + 584 + c.dx;
        for (int row = 252; row <= 260; row++) {
            std::set<int> want;
            if (row >= 253 && row <= 259) want = {left, left + 1, left + 2};
            EXPECT_EQ(rgb_columns(48, row, R + 552, R + 620), want) << "cdi " << c.cdi << ", row " << row;
        }
    }
}

// ---- damaged files --------------------------------------------------------------

// A course or heading far outside 0..360, or no number at all: every
// instrument still draws, its cards and tables indexed within 0..359, and a
// heading many turns out draws as its wrapped value.
TEST_F(NavInstruments, CoursesAndHeadingsFromADamagedFile)
{
    const struct {
        float dg, crs2, crs1, magvar;
        int bug, adf_card;
    } cells[] = {
        {100, 1e7f, 0, 0, 0, 0},
        {100, NAN, 0, 0, 0, 0},
        {-725, 0, 0, 0, 0, 0},
        {1e9f, -1e9f, 1e9f, 0, 0, 0},
        {INFINITY, -INFINITY, INFINITY, NAN, 0, 0},
        {NAN, 30, NAN, 1e8f, 2000000000, -2000000000},
    };
    for (int panel : {1, 2})
        for (const auto& c : cells) {
            SCOPED_TRACE(c.dg);
            // The dial panel's ADF card turned by the knob, the glass one's slaved.
            lay_out(panel, [=](planestruct& a) { a.ADFtype = panel; });
            ins.dg_hdg = c.dg, nav.nav_crs2 = c.crs2, nav.nav_crs1 = c.crs1, env.mag_var = c.magvar;
            nav.hdg_bug = c.bug, ins.adf_card = c.adf_card;
            station_east(recv_nav1, 5000);
            station_east(recv_nav2, 5000);
            update_HSI(3, -2);
            update_VORandGS(0, 0);
            update_RMI();
            update_ADF();
            for (const call& k : calls) {
                if (k.kind == call_dg) {
                    EXPECT_GE(k.a[0], 0);
                    EXPECT_LE(k.a[0], 359);
                }
                if (k.kind == call_needle) {
                    EXPECT_TRUE(std::isfinite(k.x) && std::isfinite(k.y));
                }
            }
            EXPECT_GE(pnl.hsi_card, 0);
            EXPECT_LE(pnl.hsi_card, 359);
            if (panel == 2) {
                EXPECT_GE(ins.adf_card, 0);
                EXPECT_LE(ins.adf_card, 359);
            }
        }

    // Many turns out draws as the wrapped heading or course.
    const struct {
        float dg, crs2, same_dg, same_crs2;
    } same[] = {{-725, 0, 355, 0}, {100, -3600 + 37, 100, 37}, {100, 1e7f, 100, 280}, {-1e6f, 1e7f, 80, 280}, {1000.5f, 10, 280.5f, 10}};
    for (const auto& s : same) {
        lay_out(1);
        ins.dg_hdg = s.same_dg, nav.nav_crs2 = s.same_crs2;
        std::string want = whole(run_HSI);
        std::vector<call> want_calls = calls;
        lay_out(1);
        ins.dg_hdg = s.dg, nav.nav_crs2 = s.crs2;
        EXPECT_TRUE(whole(run_HSI) == want) << s.dg << ", " << s.crs2;
        ASSERT_EQ(calls.size(), want_calls.size());
        for (size_t k = 0; k < calls.size(); k++) {
            EXPECT_NEAR(calls[k].x, want_calls[k].x, 1e-3f);
            EXPECT_NEAR(calls[k].y, want_calls[k].y, 1e-3f);
            EXPECT_EQ(calls[k].a[0], want_calls[k].a[0]);
        }
    }
}
