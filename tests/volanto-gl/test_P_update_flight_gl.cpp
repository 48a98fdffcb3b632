// The flight instruments on the virtual display, read back in GL's
// feedback: every needle's pivot, angle, reach and colour by its law; the
// drums' digits; the attitude indicator's sky and ground spans at the banks
// that matter, its pitch ladder and bank scale; and the horizon banked 30
// degrees read back as pixels.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "gl_feedback.h"
#include "gl_view.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// The main view's 2D drawing in an 800 x 600 viewport whose pixels are the
// panel's units, over a single piston aircraft's panel as the loader lays
// it out.
class FlightInstrumentsGl : public ::testing::Test {
protected:
    void SetUp() override { lay_out(1); }

    static void lay_out(int panel, std::function<void(planestruct&)> also = nullptr)
    {
        start_panel_window();
        for (int k = 0; k < 80; k++) OGL_assigncolor(k, (float)(k + 1) / 100.0f, 0.5f, 0.25f);
        ins.lite_rgb[0] = ins.lite_rgb[1] = ins.lite_rgb[2] = 1;
        for (int& ok : rel.system_ok) ok = 1;
        msc.dt = 1;   // every lag lands in one frame
        lay_out_test_piston(panel, also);
    }
};

}  // namespace

// ---- needles ---------------------------------------------------------------------

// Every needle a frame draws, as one table of the instrument's state and
// the needles it should show: pivot, angle, reach and colour, the angles
// worked from each law's definition. The airspeed at 100 knots, rolling
// back (0, not the 0.3 power of a negative speed) and past Vmax; a jet's
// Mach needle at Vne's mark on a dial in mph; the altimeter at 12,345 and
// -50 ft; the vertical speed climbing, level, descending and on the glass
// panel; the turn needle at 7 degrees a second and the miniature aircraft
// at standard rate.
TEST_F(FlightInstrumentsGl, NeedlesStandByTheirLaws)
{
    struct want_needle {
        double dx, dy, angle, tail, tip;   // pivot from the slot's centre
        int colour;
    };
    struct cell {
        const char* what;
        int panel;
        std::function<void(planestruct&)> aircraft;
        std::function<void(void)> fly;
        void (*routine)(void);
        float (*slot_x)(void), (*slot_y)(void);
        std::function<std::vector<want_needle>(void)> want;
    };
    const double ft = 1 / 3.2808399, fpm = ft / 60;
    const cell cells[] = {
        {"airspeed 100 kt", 1, nullptr, [] { flt.ias_kts = 100; }, update_airspeed, asi_x, asi_y,
         [] { return std::vector<want_needle>{{0, 0, (100.0 - 40) * 330 / 130, -5, 45, 6}}; }},
        {"rolling back on the 0.3-power scale", 1, [](planestruct& a) { a.AStype = 2; },
         [] { flt.ias_kts = -20; }, update_airspeed, asi_x, asi_y,
         [] { return std::vector<want_needle>{{0, 0, 0, -5, 45, 6}}; }},
        {"past Vmax", 1, nullptr, [] { flt.ias_kts = 400; }, update_airspeed, asi_x, asi_y,
         [] { return std::vector<want_needle>{{0, 0, 330, -5, 45, 6}}; }},
        {"a jet at 200 kt, its Mach needle at Vne on a dial in mph", 1,
         [](planestruct& a) { a.entype = 4, a.asi_units = 1, a.Mmo = 0.8f, a.Vne = 250; },
         [] { flt.ias_kts = 150, atm.a_sound = 340, atm.sigma = 1; }, update_airspeed, asi_x, asi_y,
         [] {
             return std::vector<want_needle>{{0, 0, dial_law(150), -5, 45, 6},
                                             {0, 0, dial_law(250 / 1.1507795), 20, 45, 8}};
         }},
        {"altimeter 12,345 ft", 1, nullptr, [=] { flt.alt_now = (float)(12345 * ft); }, update_alt, alt_x, alt_y,
         [] { return std::vector<want_needle>{{0, 0, 84, -5, 30, 12}, {0, 0, 124, -10, 44, 6}}; }},
        {"altimeter -50 ft", 1, nullptr, [=] { flt.alt_now = (float)(-50 * ft); }, update_alt, alt_x, alt_y,
         [] { return std::vector<want_needle>{{0, 0, 358, -5, 30, 12}, {0, 0, 341, -10, 44, 6}}; }},
        {"climbing 2,500 fpm", 1, nullptr, [=] { flt.vel_y = 2500 * fpm; }, update_vvi, vvi_x, vvi_y,
         [] { return std::vector<want_needle>{{0, 0, 70, -10, 40, 6}}; }},
        {"level", 1, nullptr, [] { flt.vel_y = 0; }, update_vvi, vvi_x, vvi_y,
         [] { return std::vector<want_needle>{{0, 0, 270, -10, 40, 6}}; }},
        {"descending 1,000 fpm", 1, nullptr, [=] { flt.vel_y = -1000 * fpm; }, update_vvi, vvi_x, vvi_y,
         [] { return std::vector<want_needle>{{0, 0, 190, -10, 40, 6}}; }},
        {"climbing 2,500 fpm on the glass panel", 2, nullptr, [=] { flt.vel_y = 2500 * fpm; }, update_vvi, vvi_x,
         vvi_y, [] { return std::vector<want_needle>{{0, 0, 320, 0, 23, 39}}; }},
        {"climbing 6,000 fpm on the glass panel", 2, nullptr, [=] { flt.vel_y = 6000 * fpm; }, update_vvi, vvi_x,
         vvi_y, [] { return std::vector<want_needle>{{0, 0, 0, 0, 23, 39}}; }},
        {"turning 7 degrees a second", 1, nullptr, [] { flt.yaw_rate = 7; }, update_turnslip, ts_x, ts_y,
         [] { return std::vector<want_needle>{{0, -1, 55, 0, 40, 6}}; }},
        {"miniature aircraft at standard rate", 1, [](planestruct& a) { a.TStype = 1; },
         [] { flt.yaw_rate = 3; }, update_turnslip, ts_x, ts_y,
         [] {
             return std::vector<want_needle>{{0, 1, 300, 0, 31, 6}, {0, -1, 30, 0, 15, 6}, {0, 0, 120, 0, 31, 6}};
         }},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        lay_out(c.panel, c.aircraft);
        c.fly();
        std::vector<want_needle> want = c.want();
        std::vector<quad> quads = quads_of(c.routine);
        // The needles' reaches differ within a routine, so each length names its tail.
        std::vector<needle> got = needles_of(quads, [&](double length) {
            for (const want_needle& w : want)
                if (fabs(w.tip - w.tail - length) < 1e-2) return w.tail;
            return 0.0;
        });
        ASSERT_EQ(got.size(), want.size());
        for (const want_needle& w : want) {
            bool found = false;
            for (const needle& g : got)
                found = found || (fabs(g.x - (c.slot_x() + w.dx)) < 1e-2 && fabs(g.y - (c.slot_y() + w.dy)) < 1e-2 &&
                                  angle_apart(g.angle, w.angle) < 2e-2 && fabs(g.tail - w.tail) < 1e-2 &&
                                  fabs(g.tip - w.tip) < 1e-2 && g.colour == w.colour);
            EXPECT_TRUE(found) << "no needle at " << w.angle << " from " << w.tail << " to " << w.tip << " in colour "
                               << w.colour;
        }
    }
}

// ---- drums ---------------------------------------------------------------------------

// The digits a rolling drum shows, left to right, from its digit windows'
// places on the tapes texture (9 texels a digit, the window 4 before it).
std::vector<double> drum_digits(const std::vector<quad>& quads, float x0, float x1, float y0, float y1)
{
    std::vector<std::pair<float, double>> at;
    for (const quad& q : quads) {
        float lx = 1e9f, ly = 1e9f, s_lo = 1e9f, t_lo = 1e9f;
        for (const std::vector<float>& c : q.corner)
            lx = fminf(lx, c[0]), ly = fminf(ly, c[1]), s_lo = fminf(s_lo, c[2]), t_lo = fminf(t_lo, c[3]);
        if (fabsf(t_lo - 232.0f / 256) > 1e-4f || lx < x0 || lx > x1 || ly < y0 || ly > y1) continue;
        at.emplace_back(lx, s_lo * 256 / 9);
    }
    std::sort(at.begin(), at.end());
    std::vector<double> digits;
    for (const auto& a : at) digits.push_back(a.second);
    return digits;
}

// The altimeter's drums: the altitude in hundreds of feet (12,345 ft shows
// 0123.4), the setting in hundredths of an inch or in hectopascals; and the
// airspeed's two-digit drum, 0 rolling back.
TEST_F(FlightInstrumentsGl, DrumsShowTheirReadings)
{
    const double ft = 1 / 3.2808399;
    flt.alt_now = (float)(12345 * ft);
    pln[0].us_alt = 1;
    std::vector<quad> quads = quads_of(update_alt);
    const float x = alt_x(), y = alt_y();
    std::vector<double> altitude = drum_digits(quads, x - 18, x + 2, y - 22, y - 20);
    std::vector<double> setting = drum_digits(quads, x + 8, x + 30, y - 6, y - 4);
    const double want_alt[4] = {0, 1, 2, 3.4444}, want_inhg[4] = {2, 9, 9, 2};
    ASSERT_EQ(altitude.size(), 4u);
    ASSERT_EQ(setting.size(), 4u);
    for (int k = 0; k < 4; k++) {
        EXPECT_NEAR(altitude[k], want_alt[k], 2e-3) << "altitude digit " << k;
        EXPECT_NEAR(setting[k], want_inhg[k], 2e-3) << "setting digit " << k;
    }
    pln[0].us_alt = 0;
    setting = drum_digits(quads_of(update_alt), x + 8, x + 30, y - 6, y - 4);
    ASSERT_EQ(setting.size(), 4u);
    const double hpa = 29.92 * 33.85695187165775;   // 1013.0
    const double want_hpa[4] = {1, 0, 1, hpa - 1010};
    for (int k = 0; k < 4; k++) EXPECT_NEAR(setting[k], want_hpa[k], 2e-3) << "hectopascal digit " << k;

    // The airspeed's drum strip: 2 texels a knot, its window 15 either side of 20 + 2 v.
    lay_out(1, [](planestruct& a) { a.AStype = 3; });
    for (auto c : {std::make_pair(123.6f, 24.0), std::make_pair(99.4f, 99.0), std::make_pair(-20.0f, 0.0)}) {
        flt.ias_kts = c.first;
        float s_lo = 1e9f;
        for (const quad& q : quads_of(update_airspeed))
            for (const std::vector<float>& corner : q.corner)
                if (fabsf(corner[1] - (asi_y() - 28)) < 1e-3f && corner[3] < 181.0f / 256) s_lo = fminf(s_lo, corner[2]);
        EXPECT_NEAR(s_lo * 256, 2 * c.second + 20 - 15, 1e-2) << c.first << " kt";
    }
}

// ---- attitude --------------------------------------------------------------------------

namespace {

// A horizontal span of the attitude indicator: its row and its ends in
// panel units, its colour.
struct span {
    double row, left, right;
    int colour;
};

std::vector<span> spans_of(const std::vector<fb_prim>& prims, std::initializer_list<int> colours)
{
    std::vector<span> out;
    for (const fb_prim& p : prims) {
        if (p.token != GL_LINE_TOKEN && p.token != GL_LINE_RESET_TOKEN) continue;
        int colour = colour_of(p.v[0]);
        if (std::find(colours.begin(), colours.end(), colour) == colours.end()) continue;
        out.push_back({p.v[0][1] - 0.5, p.v[0][0] - 0.5, p.v[1][0] - 1.5, colour});
    }
    return out;
}

// The spans of one region lie each on its side of the horizon through
// (hx, hy) banked bank degrees: the sky colour on the side the sky turns
// to, the ground colour on the other, a span cut short ending on the
// horizon; together they fill each row of the region from edge to edge.
void expect_horizon(const std::vector<span>& spans, double hx, double hy, double bank, int sky, int ground,
                    const std::vector<std::pair<double, double>>& row_width, double first_row)
{
    double nx = -sin(bank * deg), ny = cos(bank * deg);   // towards the sky
    std::vector<double> filled(row_width.size(), 0);
    for (const span& s : spans) {
        double side = ((s.left + s.right) / 2 - hx) * nx + (s.row - hy) * ny;
        if (s.colour == sky) EXPECT_GT(side, -0.5) << "sky at row " << s.row << " from " << s.left << " to " << s.right;
        else if (s.colour == ground) EXPECT_LT(side, 0.5) << "ground at row " << s.row << " from " << s.left;
        else ADD_FAILURE() << "colour " << s.colour;
        int k = (int)lround(s.row - first_row);
        ASSERT_TRUE(k >= 0 && k < (int)filled.size()) << "row " << s.row;
        filled[k] += s.right - s.left;
        for (double end : {s.left, s.right}) {
            bool at_edge = fabs(end - row_width[k].first) < 1e-3 || fabs(end - row_width[k].second) < 1e-3;
            double off = (end - hx) * nx + (s.row - hy) * ny;
            EXPECT_TRUE(at_edge || fabs(off) < 2e-2) << "an end at " << end << " on row " << s.row << ", " << off
                                                     << " off the horizon";
        }
    }
    for (size_t k = 0; k < filled.size(); k++) {
        double width = row_width[k].second - row_width[k].first;
        EXPECT_NEAR(filled[k], width, 1e-3) << "row " << first_row + (double)k;
    }
}

}  // namespace

// The window's sky and ground at the banks that matter, with 10 degrees of
// pitch: level (the sine is 0, and the slope must not divide by it), 90,
// 179.6 (truncated to 179: inverted), 180 and 270, a bank just left of level
// (-0.5 wraps to 359.5 and truncates to 359), the glass panel at 30; a failed
// gyro shows level flight. The dial panel's ring outside the window banks
// with the horizon through the centre, unpitched.
TEST_F(FlightInstrumentsGl, HorizonSpansShowSkyAndGroundAtEachBank)
{
    const struct {
        const char* what;
        int panel;
        float roll, pitch;
        int attitude_ok;
        double bank, pitch_shown;
    } cells[] = {
        {"level, pitched up", 1, 0, 10, 1, 0, 10},
        {"banked 90", 1, 90, 10, 1, 90, 10},
        {"banked 179.6", 1, 179.6f, 10, 1, 179, 10},
        {"inverted", 1, 180, 10, 1, 180, 10},
        {"banked 270", 1, 270, 10, 1, 270, 10},
        {"half a degree left", 1, -0.5f, 10, 1, 359, 10},
        {"glass, banked 30", 2, 30, -8, 1, 30, -8},
        {"glass, inverted", 2, 180, 5, 1, 180, 5},
        {"failed gyro", 1, 60, 10, 0, 0, 0},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.what);
        lay_out(c.panel);
        rel.system_ok[sys_attitude] = c.attitude_ok;
        ins.ah_roll = c.roll, ins.ah_pitch = c.pitch;
        std::vector<fb_prim> prims = feedback(GL_3D_COLOR, update_arthoriz);
        const planestruct& a = pln[0];
        const double x = ah_x(), y = ah_y(), row0 = y - a.ah_semidim_int;
        double p = 1.5 * c.pitch_shown;
        double hx = x + p * sin(c.bank * deg), hy = y - p * cos(c.bank * deg);
        int sky = c.panel == 1 ? 35 : 54, ground = c.panel == 1 ? 37 : 55;
        std::vector<std::pair<double, double>> inner;
        for (int r = a.ah_bot_prim; r <= a.ah_top_prim; r++) inner.emplace_back(a.ahx1_prim[r], a.ahx2_prim[r]);
        expect_horizon(spans_of(prims, {sky, ground}), hx, hy, c.bank, sky, ground, inner, row0 + a.ah_bot_prim);
        if (c.panel != 1) {
            EXPECT_TRUE(spans_of(prims, {34, 36}).empty()) << "no ring on the glass panel";
            continue;
        }
        // The ring: full rows outside the window's, the two sides beside it.
        std::vector<span> ring = spans_of(prims, {34, 36});
        std::vector<std::pair<double, double>> rows;
        for (int r = a.ah_bot_roll; r <= a.ah_top_roll; r++) rows.emplace_back(a.ahx1_roll[r], a.ahx2_roll[r]);
        std::vector<span> left_side, right_side, outside;
        for (const span& s : ring) {
            int r = (int)lround(s.row - row0);
            if (r < a.ah_bot_prim || r > a.ah_top_prim) outside.push_back(s);
            else if (s.right <= a.ahx1_prim[r] + 1e-3) left_side.push_back(s);
            else right_side.push_back(s);
        }
        std::vector<std::pair<double, double>> outer_rows(rows), left_rows(rows), right_rows(rows);
        for (int r = a.ah_bot_prim; r <= a.ah_top_prim; r++) {
            int k = r - a.ah_bot_roll;
            outer_rows[k] = {0, 0};
            left_rows[k] = {a.ahx1_roll[r], a.ahx1_prim[r]};
            right_rows[k] = {a.ahx2_prim[r], a.ahx2_roll[r]};
        }
        for (size_t k = 0; k < rows.size(); k++) {
            int r = (int)k + a.ah_bot_roll;
            if (r >= a.ah_bot_prim && r <= a.ah_top_prim) continue;
            left_rows[k] = right_rows[k] = {0, 0};
        }
        const double ring_row0 = row0 + a.ah_bot_roll;
        expect_horizon(outside, x, y, c.bank, 34, 36, outer_rows, ring_row0);
        expect_horizon(left_side, x, y, c.bank, 34, 36, left_rows, ring_row0);
        expect_horizon(right_side, x, y, c.bank, 34, 36, right_rows, ring_row0);
    }
}

// The pitch ladder: a line every 5 degrees to 30 either way, the tens 28
// long and the fives 14, along the horizon, left out whole when either end
// comes within 12 units of the window's edge; and the dial panel's bank
// scale, 13 ticks 10 degrees apart from 49 out, the thirties to 56 and the
// others to 52, turning with the bank.
TEST_F(FlightInstrumentsGl, LadderLeavesOutLinesNearTheEdgeAndTheScaleBanks)
{
    const struct {
        const char* what;
        int panel;
        float roll, pitch;
    } cells[] = {
        {"dials, level", 1, 0, 0},
        {"dials, pitched up 1 degree", 1, 0, 1},
        {"dials, banked 30", 1, 30, 0},
        {"dials, banked 135, pitched down", 1, 135, -12},
        {"glass, level", 2, 0, 0},
        {"glass, banked -20, pitched up", 2, -20, 6},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.what);
        lay_out(c.panel);
        ins.ah_roll = c.roll, ins.ah_pitch = c.pitch;
        std::vector<fb_prim> prims = feedback(GL_3D_COLOR, update_arthoriz);
        const double x = ah_x(), y = ah_y(), e = pln[0].ah_semidim_flt - 12;
        const int line = c.panel == 1 ? 6 : 39;
        double b = floor(fmod(c.roll + 360, 360));
        double s = sin(b * deg), co = cos(b * deg), p = 1.5 * c.pitch;
        struct seg {
            double x1, y1, x2, y2;
        };
        std::vector<seg> want, got;
        for (int q = -30; q <= 30; q += 5) {
            if (q == 0) continue;
            double d = q * 1.5 + p, h = q % 10 == 0 ? 14 : 7;
            double cx = x + d * s, cy = y - d * co;
            seg l = {cx - co * h, cy - s * h, cx + co * h, cy + s * h};
            auto inside = [&](double px, double py) { return fabs(px - x) <= e && fabs(py - y) <= e; };
            if (inside(l.x1, l.y1) && inside(l.x2, l.y2)) want.push_back(l);
        }
        std::vector<seg> ticks;
        for (const fb_prim& f : prims) {
            if (f.token != GL_LINE_TOKEN && f.token != GL_LINE_RESET_TOKEN) continue;
            if (colour_of(f.v[0]) != line) continue;
            seg l = {f.v[0][0] - 0.5, f.v[0][1] - 0.5, f.v[1][0] - 0.5, f.v[1][1] - 0.5};
            double length = hypot(l.x2 - l.x1, l.y2 - l.y1);
            if (fabs(length - 14) < 1e-2 || fabs(length - 28) < 1e-2) got.push_back(l);
            if (fabs(length - 3) < 1e-2 || fabs(length - 7) < 1e-2) ticks.push_back(l);
        }
        EXPECT_EQ(got.size(), want.size());
        for (const seg& w : want) {
            bool found = false;
            for (const seg& g : got)
                found = found || (fabs(g.x1 - w.x1) < 1e-2 && fabs(g.y1 - w.y1) < 1e-2 && fabs(g.x2 - w.x2) < 1e-2 &&
                                  fabs(g.y2 - w.y2) < 1e-2);
            EXPECT_TRUE(found) << "a ladder line from " << w.x1 << ", " << w.y1;
        }
        if (c.panel != 1) continue;
        ASSERT_EQ(ticks.size(), 13u);
        for (int k = -60; k <= 60; k += 10) {
            double a = (k + b) * deg, r = k % 30 == 0 ? 56 : 52;
            bool found = false;
            for (const seg& t : ticks)
                found = found || (fabs(t.x1 - (x - sin(a) * 49)) < 1e-2 && fabs(t.y1 - (y + cos(a) * 49)) < 1e-2 &&
                                  fabs(t.x2 - (x - sin(a) * r)) < 1e-2 && fabs(t.y2 - (y + cos(a) * r)) < 1e-2);
            EXPECT_TRUE(found) << "the tick " << k;
        }
    }
}

// Banked 30 degrees right, read back from the screen: the sky colour above
// a line tilted 30 degrees up to the right through the centre, the ground
// below it, on both sides and near the middle; and points that a level
// horizon would colour the other way.
TEST_F(FlightInstrumentsGl, HorizonBankedThirtyReadsBack)
{
    ins.ah_roll = 30, ins.ah_pitch = 0;
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    update_arthoriz();
    glFinish();
    const double x = ah_x(), y = ah_y();
    const double ux = cos(30 * deg), uy = sin(30 * deg);   // along the horizon
    const double nx = -uy, ny = ux;                       // towards the sky
    auto rgb_of = [](int colour) {
        return std::vector<int>{(int)lround((colour + 1) / 100.0 * 255), (int)lround(0.5 * 255), (int)lround(0.25 * 255)};
    };
    // Away from the ladder's lines (7.5 units apart across the horizon, at
    // most 14 along it) and from the aircraft symbol.
    for (auto pt : {std::make_pair(-32.0, -11.0), std::make_pair(-32.0, 11.0), std::make_pair(32.0, -11.0),
                    std::make_pair(32.0, 11.0), std::make_pair(0.0, -11.0), std::make_pair(0.0, 11.0),
                    std::make_pair(0.0, -20.0), std::make_pair(0.0, 20.0)}) {
        double px = x + pt.first * ux + pt.second * nx, py = y + pt.first * uy + pt.second * ny;
        unsigned char got[3];
        glReadPixels((int)lround(px), (int)lround(py), 1, 1, GL_RGB, GL_UNSIGNED_BYTE, got);
        std::vector<int> want = rgb_of(pt.second > 0 ? 35 : 37);
        for (int k = 0; k < 3; k++)
            EXPECT_NEAR(got[k], want[k], 1) << "at " << pt.first << " along, " << pt.second << " across, channel " << k;
    }
    // Above a level horizon but below the banked one, and the other way.
    for (auto pt : {std::make_pair(30.0, 3.0), std::make_pair(-30.0, -3.0)}) {
        unsigned char got[3];
        glReadPixels((int)lround(x + pt.first), (int)lround(y + pt.second), 1, 1, GL_RGB, GL_UNSIGNED_BYTE, got);
        std::vector<int> want = rgb_of(pt.first > 0 ? 37 : 35);
        EXPECT_NEAR(got[0], want[0], 1) << "at " << pt.first << ", " << pt.second;
    }
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}
