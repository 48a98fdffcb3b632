// The head-up displays on the virtual display: the boresight, ladder and
// marker 75.3 units higher in Down 8 Deg, the ladder's lines and its turn
// with the view, the ILS bars, read back in GL's feedback; the readouts
// drawn past the box while the ladder is cut at it, and the lines in view
// 521 of a whole frame, read back as pixels; the synthetic-vision display's
// wireframe cut short at the grid's edge, the runway outlines and the goal
// posts only within 15 nm and never for a helipad.
#include <gtest/gtest.h>

#include "Add-ons.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initnav.h"
#include "gl_feedback.h"
#include "gl_view.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

const float k = hud_units_per_deg;
const float cx = 400, cy = 300.5f;   // the full-screen box's centre

struct seg {
    float x1, y1, x2, y2;
    float g;   // the line's green
    float width() const { return fabsf(x2 - x1); }
    float height() const { return fabsf(y2 - y1); }
};

// The lines that draw sends, in window coordinates, as GL's feedback reports them.
std::vector<seg> lines_of(void (*draw)(void))
{
    std::vector<seg> out;
    for (const fb_prim& p : feedback(GL_3D_COLOR, draw))
        if (p.token == GL_LINE_TOKEN || p.token == GL_LINE_RESET_TOKEN)
            out.push_back({p.v[0][0], p.v[0][1], p.v[1][0], p.v[1][1], p.v[0][4]});
    return out;
}

// The flight-data display drawn straight into an 800 x 600 viewport whose
// pixels are its reference units (the 2D lines stand half a unit in).
class NrmlHudGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_panel_window();
        con.HUD_lft = 100, con.HUD_rgt = 700, con.HUD_bot = 41, con.HUD_top = 560;
        con.cntrx = cx, con.cntry = cy;
        set.view_id = view_forwards;
        pln[0].HUDtype = 2;
        flt.psi[0] = flt.track = 90;
        flt.cos_phi = 1;
    }

    // The drawn lines, moved back to reference units.
    static std::vector<seg> hud_lines(void)
    {
        std::vector<seg> l = lines_of(plot_nrml_hud);
        for (seg& s : l) s.x1 -= 0.5f, s.y1 -= 0.5f, s.x2 -= 0.5f, s.y2 -= 0.5f;
        return l;
    }
    // The horizontal lines of this width; their heights in order.
    static std::vector<float> rows_of_width(const std::vector<seg>& l, float w)
    {
        std::vector<float> y;
        for (const seg& s : l)
            if (s.height() < 0.01f && fabsf(s.width() - w) < 0.01f) y.push_back(s.y1);
        std::sort(y.begin(), y.end());
        return y;
    }
    // The ladder's lines in a row, clear of the side tapes' ticks.
    static std::vector<seg> in_row(const std::vector<seg>& l, float y)
    {
        std::vector<seg> r;
        for (const seg& s : l)
            if (s.height() < 0.01f && fabsf(s.y1 - y) < 0.01f && fminf(s.x1, s.x2) > con.HUD_lft + 30 &&
                fmaxf(s.x1, s.x2) < con.HUD_rgt - 30)
                r.push_back(s);
        std::sort(r.begin(), r.end(), [](const seg& a, const seg& b) { return a.x1 < b.x1; });
        return r;
    }
};

}  // namespace

// Down 8 Deg looks 8 degrees under the nose: the boresight, the horizon line
// and the flight-path marker all stand 8 x 9.41 units higher than looking
// ahead, the marker still 5 degrees under the boresight for a nose 5 degrees
// over the path.
TEST_F(NrmlHudGl, DownEightRaisesBoresightLadderAndMarkerTogether)
{
    flt.theta[0] = 5;
    float bore[2], horizon[2], marker[2];
    const int views[2] = {view_forwards, view_down_8};
    for (int v = 0; v < 2; v++) {
        set.view_id = views[v];
        std::vector<seg> l = hud_lines();
        std::vector<float> b = rows_of_width(l, 20), h = rows_of_width(l, 200), m = rows_of_width(l, 4);
        ASSERT_EQ(b.size(), 1u) << views[v];
        ASSERT_EQ(h.size(), 1u) << views[v];
        ASSERT_EQ(m.size(), 2u) << views[v] << ": the marker's frame";
        bore[v] = b[0], horizon[v] = h[0], marker[v] = m[0] + 2;
    }
    EXPECT_NEAR(bore[0], cy, 0.01f);
    EXPECT_NEAR(horizon[0], cy - 5 * k, 0.01f);
    EXPECT_NEAR(marker[0], cy - 5 * k, 0.01f);
    EXPECT_NEAR(bore[1] - bore[0], 75.28f, 0.01f);
    EXPECT_NEAR(horizon[1] - horizon[0], 75.28f, 0.01f);
    EXPECT_NEAR(marker[1] - marker[0], 75.28f, 0.01f);
}

// The horizon is one line 200 units wide; every 5 degrees below it six
// dashes of 6 units, above it one line of 50. The
// ladder turns with the view: banked 90 degrees right, the horizon stands
// upright through the centre and the climbing lines lie to its left.
TEST_F(NrmlHudGl, LadderSolidAboveDashedBelowAndTurnedWithTheView)
{
    std::vector<seg> l = hud_lines();
    std::vector<seg> horizon = in_row(l, cy), below = in_row(l, cy - 5 * k), above = in_row(l, cy + 5 * k);
    ASSERT_EQ(horizon.size(), 2u) << "the horizon and the boresight's bar";
    EXPECT_FLOAT_EQ(horizon[0].x1, cx - 100);
    EXPECT_FLOAT_EQ(horizon[0].width(), 200);
    ASSERT_EQ(below.size(), 6u);
    for (int d = 0; d < 6; d++) {
        EXPECT_NEAR(below[d].width(), 6, 0.01f) << d;
        EXPECT_NEAR((below[d].x1 + below[d].x2) / 2, cx - 25 + 10 * d, 0.01f) << d;
    }
    ASSERT_EQ(above.size(), 1u);
    EXPECT_NEAR(above[0].x1, cx - 25, 0.01f);
    EXPECT_NEAR(above[0].width(), 50, 0.01f);
    EXPECT_EQ(rows_of_width(l, 6).size(), 6u * 6) << "-5 to -30 degrees in the window";
    EXPECT_EQ(rows_of_width(l, 50).size(), 6u) << "5 to 30 degrees";

    // The lines' half-unit step turns with them: x + 0.5 becomes y + 0.5, y + 0.5 becomes x - 0.5.
    scn.view_roll = 90;
    l = hud_lines();
    int upright = 0, climb_left = 0;
    for (const seg& s : l) {
        if (s.width() < 0.01f && fabsf(s.x1 - (cx - 1)) < 0.01f && fabsf(s.height() - 200) < 0.01f) upright++;
        if (s.width() < 0.01f && fabsf(s.x1 - (cx - 5 * k - 1)) < 0.01f && fabsf(s.height() - 50) < 0.01f)
            climb_left++;
    }
    EXPECT_EQ(upright, 1);
    EXPECT_EQ(climb_left, 1);
}

// With a usable glide slope the bars stand 10 units a dot off the centre;
// without one, or under the synthetic-vision display, there are none.
TEST_F(NrmlHudGl, IlsBarsOnlyWithAGlideSlopeAndNotOverSyntheticVision)
{
    nav.cdi[1] = 2, nav.gsi[1] = -1;
    struct cell {
        int valid, hud_type, bars;
    };
    for (const cell& c : {cell{1, 2, 2}, cell{0, 2, 0}, cell{1, 3, 0}}) {
        nav.receiving[1] = 1;
        nav.gs_angle[1] = c.valid ? 3.0f : -99.9f;
        pln[0].HUDtype = c.hud_type;
        int bars = 0;
        for (const seg& s : hud_lines()) {
            if (s.width() < 0.01f && fabsf(s.x1 - (cx + 20)) < 0.01f && fabsf(s.height() - 100) < 0.01f) bars++;
            if (s.height() < 0.01f && fabsf(s.y1 - (cy + 10)) < 0.01f && fabsf(s.width() - 100) < 0.01f) bars++;
        }
        EXPECT_EQ(bars, c.bars) << c.valid << " " << c.hud_type;
    }
}

// A box only 40 units wide about the centre: the speed and altitude
// readouts reach past its sides, the horizon line is cut at them, and the
// scissor is off afterwards.
TEST_F(NrmlHudGl, ReadoutsShowPastTheBoxTheLadderIsCutAtIt)
{
    con.HUD_lft = 380, con.HUD_rgt = 420;
    flt.theta[0] = -12;   // the horizon 113 units up, clear of the readouts' rows
    flt.ias_kts = 188, flt.alt_now = 2500;
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    plot_nrml_hud();
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    glFinish();
    std::vector<unsigned char> px(800 * 600 * 3);
    host_test_read_pixels(0, 0, 800, 600, px.data());
    auto lit = [&](int x0, int x1, int y0, int y1) {
        int n = 0;
        for (int y = y0; y <= y1; y++)
            for (int x = x0; x <= x1; x++) {
                const unsigned char* p = &px[((size_t)y * 800 + x) * 3];
                n += p[1] > 40 && p[0] < 10 && p[2] < 10;
            }
        return n;
    };
    int hy = (int)(cy + 12 * k);
    EXPECT_GT(lit(381, 418, hy - 1, hy + 1), 30) << "the horizon inside the box";
    EXPECT_EQ(lit(421, 520, hy - 3, hy + 3), 0) << "the horizon past the right side";
    EXPECT_EQ(lit(280, 379, hy - 3, hy + 3), 0) << "the horizon past the left side";
    EXPECT_GT(lit(421, 440, 294, 308), 0) << "the speed readout past the right side";
    EXPECT_GT(lit(355, 379, 294, 308), 0) << "the altitude readout past the left side";
}

// A whole frame in view 521 at 1024 x 768: the horizon line, 200 units
// (256 pixels) wide through the centre, and six dashes 5 degrees under it.
TEST(NrmlHudFrameGl, ViewFullScreenWithHudShowsItsLines)
{
    start_frame_over_flat_ground();
    scene_calls saved = scene;
    scene.plot_terrain = [] {};
    set.view_id = view_full_hud;
    set.panel_hidden = 1;
    pln[0].HUDtype = 1;   // view 521 shows it all the same
    flt.psi[0] = flt.track = 90;
    attitude_sines();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    update_scene_3d();
    scene = saved;
    std::vector<unsigned char> px(1024 * 768 * 3);
    host_test_read_pixels(0, 0, 1024, 768, px.data());
    auto hud = [&](int x, int y) {
        const unsigned char* p = &px[((size_t)y * 1024 + x) * 3];
        return p[0] == 0 && p[1] == 102 && p[2] == 0;   // colour 51
    };
    // The runs of the display's colour in row y from x0 to x1, and the longest.
    auto runs = [&](int y, int x0, int x1, int* longest, int* first) {
        int n = 0, run = 0;
        *longest = 0, *first = -1;
        for (int x = x0; x <= x1; x++) {
            if (!hud(x, y)) {
                run = 0;
                continue;
            }
            if (run == 0) n++;
            if (++run > *longest) *longest = run, *first = x - run + 1;
        }
        return n;
    };
    int best = 0, best_row = -1, best_x = -1;
    for (int y = 380; y <= 390; y++) {
        int longest, first;
        runs(y, 0, 1023, &longest, &first);
        if (longest > best) best = longest, best_row = y, best_x = first;
    }
    EXPECT_NEAR(best, 256, 2);
    EXPECT_NEAR(best_row, (cy + 0.5f) * 1.28f, 1.5f);
    EXPECT_NEAR(best_x, (cx - 99.5f) * 1.28f, 1.5f);
    int dashes = 0;
    for (int y = best_row - 62; y <= best_row - 58; y++) {
        int longest, first;
        dashes = std::max(dashes, runs(y, (int)((cx - 27) * 1.28f), (int)((cx + 27) * 1.28f), &longest, &first));
    }
    EXPECT_EQ(dashes, 6) << "the -5 degree line, 47 units (60 pixels) under the horizon";
}

// ---- the synthetic-vision display ---------------------------------------------------

namespace {

const float green_runway = 1.0f, green_inner = 0.6f, green_outer = 0.4f;

// Flat ground 100 m a cell, a box over all of it; one airport with a
// runway heading north whose approach end is at (5000, 0, -4000) and a
// helipad; the camera over cell (50, 50).
class CoolHudGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_init();
        to_array = 0;
        mnw.x = mnw.y = 0;
        glViewport(0, 0, 800, 600);
        OGL_setstate(0, 0, 0, 0);
        con.HUD_lft = 100, con.HUD_rgt = 700, con.HUD_bot = 41, con.HUD_top = 560;
        lay_flat_ground();
        env.cam_cell_i = env.cam_cell_j = 50;
        apt_lcl_max = 0;
        apt_to_index[0] = 7;
        apt_lo_ind[7] = 10, apt_hi_ind[7] = 11;
        rwy_geo_ind[10] = 0, rwy_geo_ind[11] = 1;
        rwy_num[10] = 36, rwy_num[11] = rwy_pad;
        rwy_hdng[10] = 0;
        const float outline[4][3] = {{4970, 0, -5000}, {5030, 0, -5000}, {5030, 0, -4000}, {4970, 0, -4000}};
        for (int g = 0; g < 2; g++)
            for (int c = 0; c < 4; c++)
                for (int a = 0; a < 3; a++) geo_markxyz[g][0][c][a] = outline[c][a];
        eye_south(10);
    }
    void TearDown() override
    {
        rwy_geo_ind[10] = rwy_geo_ind[11] = -1;
        rwy_num[10] = rwy_num[11] = 0;
    }
    static void eye_south(float nm)
    {
        con.VIEW_xyz[0] = 5000, con.VIEW_xyz[1] = 300, con.VIEW_xyz[2] = -4000 + nm * con.nmtomtrs;
    }
    static int count_green(const std::vector<seg>& l, float g)
    {
        int n = 0;
        for (const seg& s : l) n += fabsf(s.g - g) < 0.01f;
        return n;
    }
};

// Seen from the side, x across and y up, 10 m a window unit about (5000, 0).
const float side_x0 = 4000, side_scale = 0.1f;

}  // namespace

// 14 nm out the runway has its outline and eight frames of three lines
// (two posts and the bar at their feet, no top bar) in the outer colour;
// 16 nm out only the outline; the helipad has neither.
TEST_F(CoolHudGl, GoalPostsOnlyWithinFifteenMilesAndNoneForAPad)
{
    ortho_camera(side_x0, side_x0 + 800 / side_scale, -1000, 6000 - 1000, 100000, false);
    struct cell {
        float nm;
        int pad;
        int outline, outer;
    };
    const int ring = 160;   // the wireframe's outermost ring: 80 cells, two lines each
    for (const cell& c : {cell{14, 0, 4, ring + 24}, cell{16, 0, 4, ring}, cell{14, 1, 0, ring}}) {
        eye_south(c.nm);
        rwy_num[10] = c.pad ? rwy_pad : 36;
        std::vector<seg> l = lines_of(plot_cool_hud);
        EXPECT_EQ(count_green(l, green_runway), c.outline) << c.nm << " nm, pad " << c.pad;
        EXPECT_EQ(count_green(l, green_outer), c.outer) << c.nm << " nm, pad " << c.pad;
    }
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));

    // The nearest frame, 628.5 m south of the end: s = 12.57 m, centre 31.4 m up.
    eye_south(14);
    rwy_num[10] = 36;
    const float s = 12.57f, y = 31.43f;
    auto wx = [](float x) { return (x - side_x0) * side_scale; };
    auto wy = [](float h) { return (h + 1000) * 600 / 6000; };
    int posts = 0, bar = 0, top_bar = 0;
    for (const seg& l : lines_of(plot_cool_hud)) {
        if (fabsf(l.g - green_outer) > 0.01f) continue;
        float lo = std::min(l.y1, l.y2), hi = std::max(l.y1, l.y2);
        if (l.width() < 0.01f && (fabsf(l.x1 - wx(5000 - s)) < 0.01f || fabsf(l.x1 - wx(5000 + s)) < 0.01f) &&
            fabsf(lo - wy(y - s)) < 0.01f && fabsf(hi - wy(y + s)) < 0.01f)
            posts++;
        if (l.height() < 0.01f && fabsf(l.width() - 2 * s * side_scale) < 0.01f) {
            if (fabsf(l.y1 - wy(y - s)) < 0.01f) bar++;
            if (fabsf(l.y1 - wy(y + s)) < 0.01f) top_bar++;
        }
    }
    EXPECT_EQ(posts, 2);
    EXPECT_EQ(bar, 1);
    EXPECT_EQ(top_bar, 0);
}

// Ten cells either side of the camera's, the outermost ring in the outer
// colour; by the grid's edge only the cells the grid has.
TEST_F(CoolHudGl, WireframeCutShortAtTheGridsEdge)
{
    ortho_camera(-1000, 19000, -1000, 17000, 100000, true);
    apt_lcl_max = -1;
    struct cell {
        int i, j, inner, outer;
    };
    // (3, 150): cells 0..13 by 140..157, of which 0..12 by 141..157 inner.
    for (const cell& c : {cell{50, 50, 19 * 19 * 2, 80 * 2}, cell{3, 150, 13 * 17 * 2, (14 * 18 - 13 * 17) * 2}}) {
        env.cam_cell_i = c.i, env.cam_cell_j = c.j;
        std::vector<seg> l = lines_of(plot_cool_hud);
        EXPECT_EQ(count_green(l, green_inner), c.inner) << c.i << ", " << c.j;
        EXPECT_EQ(count_green(l, green_outer), c.outer) << c.i << ", " << c.j;
        EXPECT_EQ((int)l.size(), c.inner + c.outer) << c.i << ", " << c.j;
    }
}
