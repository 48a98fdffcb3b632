// The radio-navigation instruments on the virtual display after the radios
// are tuned by clicks on their knobs, on an approach: GL's feedback shows
// the VOR's needles centred and at full fly-up with its TO flag, the HSI's
// card at the heading with the deviation bar through the centre and the
// glide-slope marks at their top, and the DME's distance to the antenna.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "gl_feedback.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <cmath>
#include <vector>

namespace {

// Text is quads of the font: the ones inside a box, as drawn.
std::vector<std::vector<float>> text_corners(const std::vector<quad>& quads, float x0, float y0, float x1, float y1)
{
    std::vector<std::vector<float>> out;
    for (const quad& q : quads)
        for (const std::vector<float>& c : q.corner)
            if (c[0] >= x0 && c[0] <= x1 && c[1] >= y0 && c[1] <= y1) out.push_back(c);
    return out;
}

class RadioNavGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_panel_window();
        for (int k = 0; k < 80; k++) OGL_assigncolor(k, (float)(k + 1) / 100.0f, 0.5f, 0.25f);
        ins.lite_rgb[0] = ins.lite_rgb[1] = ins.lite_rgb[2] = 1;
        for (int& ok : rel.system_ok) ok = 1;
        msc.dt = 0.05f;
        lay_out_test_piston(1, [](planestruct& a) { a.supptype = 1; });
    }
};

}  // namespace

TEST_F(RadioNavGl, AnApproachTunedByClicksShowsOnTheDials)
{
    // Both NAV radios from 111.70 to 109.30: two whole megahertz down, eight
    // fractions down, each knob's lower half.
    nav.nav1 = nav.nav2 = 11170;
    float r = radio_x();
    for (float y : {214.0f, 165.0f}) {
        for (int k = 0; k < 2; k++) manage_das(r + 602, y);
        for (int k = 0; k < 8; k++) manage_das(r + 626, y);
    }
    EXPECT_EQ(nav.nav1, 10930);
    EXPECT_EQ(nav.nav2, 10930);

    // 5 nm out on the localiser, far below the glide path, heading 057.
    const float heading = 57.4f, dme_nm = 5.4f;
    ins.dg_hdg = heading, nav.nav_crs2 = 57;
    flt.pos_x[0] = flt.pos_y[0] = flt.pos_z[0] = 0;
    for (int k = 0; k < 2; k++) {
        nav.receiving[k] = 1, nav.tofrom[k] = 1, nav.cdi[k] = 0, nav.gsi[k] = -9;
        nav.gs_angle[k] = 3, nav.gs_x[k] = dme_nm / con.mtrstonm, nav.gs_h[k] = 0, nav.gs_z[k] = 0;
    }
    nav.dme_sel = 0;
    pnl.dme_nm = dme_nm;    // settled

    float sx = supp_x(), sy = supp_y(), hx = hsi_x(), hy = hsi_y();
    int lateral0 = needle_deviation(nav.cdi[0], 4), vertical0 = needle_deviation(-nav.gsi[0], 5);
    int lateral1 = needle_deviation(nav.cdi[1], 5), vertical1 = needle_deviation(-nav.gsi[1], 5);
    ASSERT_EQ(vertical0, 25);

    // The VOR: the localiser needle straight down the middle, the glide-slope
    // needle at its top, the flag reading "TO ".
    std::vector<quad> vor = quads_of([&] { update_VORandGS(lateral0, vertical0); });
    std::vector<needle> needles = needles_of(vor, [](double) { return 0.0; });
    ASSERT_EQ(needles.size(), 2u);
    EXPECT_NEAR(needles[0].x, sx, 0.01);
    EXPECT_NEAR(needles[0].y, sy + 23, 0.01);
    EXPECT_NEAR(needles[0].angle, 180, 0.01);
    EXPECT_NEAR(needles[0].tip, 46, 0.01);
    EXPECT_NEAR(needles[1].y, sy + 25, 0.01);
    EXPECT_NEAR(needles[1].angle, 90, 0.01);
    std::vector<quad> flag = quads_of([&] { OGL_string(8, sx + 27, sy - 3, "TO ", 999, 6); });
    EXPECT_FALSE(text_corners(flag, sx + 20, sy - 10, sx + 50, sy + 10).empty());
    EXPECT_EQ(text_corners(vor, sx + 20, sy - 10, sx + 50, sy + 10), text_corners(flag, sx + 20, sy - 10, sx + 50, sy + 10));

    // The HSI: the card's first corner (texture 0, 0) stands at 225 degrees
    // less the heading; the bar crosses the centre along the course; the
    // glide-slope marks sit 25 above the scale's centre.
    std::vector<quad> hsi_quads = quads_of([&] { update_HSI(lateral1, vertical1); });
    std::vector<fb_prim> hsi = feedback(GL_3D_COLOR_TEXTURE, [&] { update_HSI(lateral1, vertical1); });
    int cards = 0;
    for (const quad& q : hsi_quads) {
        if (q.corner.size() != 4) continue;
        for (const std::vector<float>& c : q.corner) {
            double dx = c[0] - hx, dy = c[1] - hy;
            if (hypot(dx, dy) < 70 || c[2] != 0 || c[3] != 0) continue;
            cards++;
            EXPECT_NEAR(angle_apart(atan2(dx, dy) / deg, 225 - 57), 0, 0.5);
        }
    }
    EXPECT_EQ(cards, 1);
    const planestruct& a = pln[0];
    int bar = 0, marks = 0;
    for (const fb_prim& p : hsi) {
        if (p.token != GL_LINE_TOKEN && p.token != GL_LINE_RESET_TOKEN) continue;
        double x1 = p.v[0][0], y1 = p.v[0][1], x2 = p.v[1][0], y2 = p.v[1][1];
        if (hypot(x2 - x1, y2 - y1) > 55 && colour_of(p.v[0]) == 9) {
            bar++;
            EXPECT_NEAR((x1 + x2) / 2, hx, 0.6);
            EXPECT_NEAR((y1 + y2) / 2, hy, 0.6);
            EXPECT_NEAR(angle_apart(atan2(x2 - x1, y2 - y1) / deg, 360 - (heading - 57)), 0, 1);
        }
        if (fabs(x1 - a.gsx1) < 1 || fabs(x1 - a.gsx2) < 1) {
            marks++;
            EXPECT_NEAR(y1, a.gsyc + 25, 1.6);
        }
    }
    EXPECT_EQ(bar, 1);
    EXPECT_GE(marks, 4);

    // The DME: the distance to the glide-slope antenna, no closure, no time.
    std::vector<quad> dme = quads_of(update_DME);
    std::vector<quad> want = quads_of([&] {
        OGL_number(48, r + 499, 270, dme_nm, 3, 0, 6, 0);
        OGL_number(48, r + 532, 270, 0, 3, 0, 6, 0);
        OGL_number(48, r + 565, 270, 999, 3, 0, 6, 0);
    });
    EXPECT_EQ(text_corners(dme, r + 490, 260, r + 600, 285), text_corners(want, r + 490, 260, r + 600, 285));
}
