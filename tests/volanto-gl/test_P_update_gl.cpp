// The panel's drawing primitives on the virtual display, read back in GL's
// feedback: the handle sheet's cells, the heading card's turn, the needle's
// corners, the tape bug's reach and the glass tape's ticks and labels; and
// what a panel frame costs besides drawing.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "frame_costs.h"
#include "gl_feedback.h"
#include "gl_view.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <cmath>
#include <vector>

namespace {

// A corner as feedback gives it: window x, y and texture s, t.
struct corner {
    float x, y, s, t;
};

// The distinct corners of the polygons draw sends (a quad may come back as
// two triangles).
template <typename F>
std::vector<corner> corners_of(F draw)
{
    std::vector<corner> out;
    for (const fb_prim& p : feedback(GL_3D_COLOR_TEXTURE, draw)) {
        if (p.token != GL_POLYGON_TOKEN) continue;
        for (const std::vector<float>& v : p.v) {
            corner c = {v[0], v[1], v[7], v[8]};
            bool seen = false;
            for (const corner& o : out)
                seen = seen || (fabsf(o.x - c.x) < 1e-3f && fabsf(o.y - c.y) < 1e-3f);
            if (!seen) out.push_back(c);
        }
    }
    return out;
}

// got holds exactly the corners of want, each with its texture coordinates.
void expect_corners(const std::vector<corner>& got, const std::vector<corner>& want)
{
    EXPECT_EQ(got.size(), want.size());
    for (const corner& w : want) {
        const corner* g = nullptr;
        for (const corner& c : got)
            if (fabsf(c.x - w.x) < 1e-3f && fabsf(c.y - w.y) < 1e-3f) g = &c;
        if (!g) {
            ADD_FAILURE() << "no corner at " << w.x << ", " << w.y;
            continue;
        }
        EXPECT_NEAR(g->s, w.s, 1e-5f) << "s at " << w.x << ", " << w.y;
        EXPECT_NEAR(g->t, w.t, 1e-5f) << "t at " << w.x << ", " << w.y;
    }
}

bool same_polygon(const fb_prim& a, const fb_prim& b)
{
    if (a.token != b.token || a.v.size() != b.v.size()) return false;
    for (size_t k = 0; k < a.v.size(); k++)
        for (int i : {0, 1, 7, 8})
            if (fabsf(a.v[k][i] - b.v[k][i]) > 1e-3f) return false;
    return true;
}

// Every polygon of part is among those of whole: a number drawn alone is
// the one the tape drew there.
bool holds(const std::vector<fb_prim>& whole, const std::vector<fb_prim>& part)
{
    int polygons = 0;
    for (const fb_prim& p : part) {
        if (p.token != GL_POLYGON_TOKEN) continue;
        polygons++;
        bool found = false;
        for (const fb_prim& w : whole) found = found || same_polygon(w, p);
        if (!found) return false;
    }
    return polygons > 0;
}

// The main view's 2D drawing in an 800 x 600 viewport whose pixels are the
// panel's units.
class PanelGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_panel_window();
        pln[0].paneltype = 1;
    }
};

}  // namespace

// Kind k is the cell in column k mod 4 and row k div 4 of the 128-unit
// sheet, as wide and high in texture as the picture is in units.
TEST_F(PanelGl, HandleTakesItsCellOfTheSheet)
{
    const struct {
        int kind;
        float w, h, s0, t0;
    } cells[] = {
        {handle_button_on, 10, 9, 0.25f, 0},
        {handle_switch_off, 18, 10, 0.5f, 0.25f},
        {handle_mixture, 9, 27, 0.5f, 0.5f},
        {handle_sweep, 27, 9, 0.75f, 0.75f},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.kind);
        float s1 = c.s0 + c.w / 128, t1 = c.t0 + c.h / 128;
        expect_corners(corners_of([&] {
                           glBegin(GL_QUADS);
                           plot_handle(100, 200, c.w, c.h, c.kind);
                           glEnd();
                       }),
                       {{100, 200, c.s0, c.t0},
                        {100, 200 + c.h, c.s0, t1},
                        {100 + c.w, 200 + c.h, s1, t1},
                        {100 + c.w, 200, s1, c.t0}});
    }
}

// The card turns against the heading: at 0 the picture stands upright, its
// (0, 0) corner at the lower left; at 90 (and 450) it is turned a quarter
// left, that corner at the lower right. The panel light tints it on the
// dial panel only.
TEST_F(PanelGl, HeadingCardTurnsAgainstTheHeading)
{
    const corner upright[4] = {{350, 250, 0, 0}, {350, 350, 0, 1}, {450, 350, 1, 1}, {450, 250, 1, 0}};
    const corner quarter_left[4] = {{450, 250, 0, 0}, {350, 250, 0, 1}, {350, 350, 1, 1}, {450, 350, 1, 0}};
    const struct {
        int heading;
        const corner* want;
    } cells[] = {{0, upright}, {360, upright}, {90, quarter_left}, {450, quarter_left}};
    for (const auto& c : cells) {
        SCOPED_TRACE(c.heading);
        expect_corners(corners_of([&] { plot_dg(400, 300, c.heading, 50); }),
                       std::vector<corner>(c.want, c.want + 4));
    }

    ins.lite_rgb[0] = 0.5f, ins.lite_rgb[1] = 0.75f, ins.lite_rgb[2] = 1;
    for (int panel : {1, 2}) {
        pln[0].paneltype = panel;
        std::vector<fb_prim> got = feedback(GL_3D_COLOR_TEXTURE, [] { plot_dg(400, 300, 0, 50); });
        ASSERT_FALSE(got.empty());
        const std::vector<float>& v = got[0].v[0];
        EXPECT_NEAR(v[3], panel == 1 ? 0.5f : 1, 1e-3f) << "panel " << panel;
        EXPECT_NEAR(v[4], panel == 1 ? 0.75f : 1, 1e-3f) << "panel " << panel;
        EXPECT_NEAR(v[5], 1, 1e-3f) << "panel " << panel;
    }
}

// The needle's quad from its tail behind the pivot to its tip, its texture
// running along it, pointing up, right and down.
TEST_F(PanelGl, NeedleRunsFromTailToTip)
{
    const struct {
        float angle;
        std::vector<corner> want;
    } cells[] = {
        {0, {{398, 290, 0, 0}, {398, 350, 0, 1}, {402, 350, 1, 1}, {402, 290, 1, 0}}},
        {90, {{390, 302, 0, 0}, {450, 302, 0, 1}, {450, 298, 1, 1}, {390, 298, 1, 0}}},
        {180, {{402, 310, 0, 0}, {402, 250, 0, 1}, {398, 250, 1, 1}, {398, 310, 1, 0}}},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.angle);
        expect_corners(corners_of([&] { plot_needle(400, 300, c.angle, -10, 50, 2, 45); }), c.want);
    }
    std::vector<fb_prim> got = feedback(GL_3D_COLOR, [] { plot_needle(400, 300, 0, -10, 50, 2, 45); });
    ASSERT_FALSE(got.empty());
    EXPECT_NEAR(got[0].v[0][3], 1, 1e-3f) << "in its colour";
    EXPECT_NEAR(got[0].v[0][4], 0, 1e-3f);
}

// The bug shows while its offset stays 2 units inside the tape's half height.
TEST_F(PanelGl, TapeBugStaysInsideTheTape)
{
    const struct {
        float offset;
        bool drawn;
    } cells[] = {{0, true},     {17.9f, true},   {18.9f, true},  {19, false},
                 {25, false},   {-18.9f, true},  {-19.5f, false}, {NAN, false}};
    for (const auto& c : cells) {
        std::vector<fb_prim> got = feedback(GL_3D_COLOR, [&] { plot_tape_bug(45, 100, 300, 20, c.offset); });
        int lines = 0;
        for (const fb_prim& p : got)
            if (p.token == GL_LINE_TOKEN || p.token == GL_LINE_RESET_TOKEN) {
                lines++;
                EXPECT_NEAR(p.v[0][1], 300 + c.offset + 0.5f, 1e-3f) << c.offset;
                EXPECT_NEAR(p.v[1][0] - p.v[0][0], 3, 1e-3f) << c.offset;
            }
        EXPECT_EQ(lines, c.drawn ? 1 : 0) << c.offset;
    }
}

// A vertical tape at 0 has no marks below its centre; a heading tape labels
// 360 as 0 and -10 as 350, each label 8 units left of its tick.
TEST_F(PanelGl, GlassTapeStopsAtZeroAndWrapsItsHeadings)
{
    const float centre = 300;
    std::vector<fb_prim> tape = feedback(GL_3D_COLOR_TEXTURE, [&] {
        plot_glass_tape(45, 300, 400, centre, 100, -999, 0, 5, 10, 2, tape_vertical);
    });
    std::vector<fb_prim> zero = feedback(GL_3D_COLOR_TEXTURE, [] { OGL_number(45, 300, 297, 0, 3, 0, 6, 0); });
    EXPECT_TRUE(holds(tape, zero)) << "0 labelled at its tick";
    float lowest_label = 1e9f;
    for (const fb_prim& p : zero)
        for (const std::vector<float>& v : p.v) lowest_label = fminf(lowest_label, v[1]);
    float lowest_tick = 1e9f;
    int ticks = 0;
    for (const fb_prim& p : tape) {
        if (p.token == GL_LINE_TOKEN || p.token == GL_LINE_RESET_TOKEN) {
            ticks++;
            lowest_tick = fminf(lowest_tick, p.v[0][1]);
        }
        if (p.token == GL_POLYGON_TOKEN) {
            for (const std::vector<float>& v : p.v) EXPECT_GE(v[1], lowest_label - 1e-3f) << "a label under 0";
        }
    }
    EXPECT_GT(ticks, 5);
    EXPECT_NEAR(lowest_tick, centre + 0.5f, 1e-3f) << "the lowest mark is 0's";

    const struct {
        float value, label_x, label;
        float not_label;
    } headings[] = {
        {355, 402, 0, 360},   // 360's tick at 400 + 2 x 5
        {355, 382, 350, -1},
        {0, 372, 350, -10},   // -10's tick at 400 - 2 x 10
        {0, 392, 0, 360},
    };
    for (const auto& h : headings) {
        SCOPED_TRACE(h.value);
        std::vector<fb_prim> across = feedback(GL_3D_COLOR_TEXTURE, [&] {
            plot_glass_tape(45, 110, 100, 400, 100, -999, h.value, 5, 10, 2, tape_horizontal);
        });
        EXPECT_TRUE(holds(across, feedback(GL_3D_COLOR_TEXTURE, [&] {
                              OGL_number(45, h.label_x, 110, h.label, 3, 0, 6, 0);
                          })))
            << h.label << " at " << h.label_x;
        if (h.not_label >= 0) {
            EXPECT_FALSE(holds(across, feedback(GL_3D_COLOR_TEXTURE, [&] {
                                   OGL_number(45, h.label_x, 110, h.not_label, 3, 0, 6, 0);
                               })))
                << h.not_label << " at " << h.label_x;
        }
    }
}

// 200 frames of the panel of a twin with every lever, lamp and readout
// allocate nothing, upload no texture and open no file, once a first frame
// has shown the driver every state.
TEST_F(PanelGl, PanelFramesAllocateNothing)
{
    planestruct& a = pln[0];
    a.entype = 2, a.numen = 2, a.varpitchEQ = 1, a.revthrustEQ = 1, a.omegamingreen = 100, a.omegamax = 200;
    a.gear_retract = 1, a.gear_type = 3, a.flapEQ = 1, a.sbrkEQ = 1, a.vectEQ = 1, a.varsweepEQ[4] = 1;
    a.HUDtype = 2, a.antiiceEQ = 1, a.jettisonEQ = 1, a.chuteEQ = 1, a.arrestingEQ = 1, a.jatoEQ = 1;
    a.supptype = 1, a.m_fuel = 100, a.ecam = 1;
    snprintf(a.C_name, sizeof a.C_name, "Twin");
    for (int e = 0; e < 2; e++) thro_x[e] = 662.0f + 14 * e, prop_x[e] = 715.0f + 10 * e, mixt_x[e] = 756.0f + 10 * e;
    for (int k = 1; k <= 8; k++) ins.ins_on[k] = 1;
    for (int& ok : rel.system_ok) ok = 1;
    nav.mkr_outer = nav.mkr_middle = nav.mkr_inner = 1;
    flt.brake_ratio = 0.5f, flt.fuel = 50, set.gear_down = 1;
    msc.dt = 0.05f;
    ins.ecam_page = 3;

    // The driver builds (and caches on disk) its programs for the states a
    // first frame meets: that frame is the driver's, not the panel's.
    update_panel();
    framecoststruct start = frame_costs_now();
    int most_handles = 0;
    for (int f = 0; f < 200; f++) {
        msc.sim_time = 0.05f * (float)f;
        msc.tenth_count = f % 10;
        ins.reply_on = 2, ins.reply_off = 2.3f;
        flt.throttle_req[0] = (float)(f % 20) / 20;
        update_panel();
        most_handles = panel_handles.count > most_handles ? panel_handles.count : most_handles;
    }
    framecoststruct c = frame_costs_since(start);
    EXPECT_GT(most_handles, 30) << "the frames drew the panel";
    EXPECT_EQ(c.allocations, 0);
    EXPECT_EQ(c.tex_uploads, 0);
    EXPECT_EQ(c.file_opens, 0);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}
