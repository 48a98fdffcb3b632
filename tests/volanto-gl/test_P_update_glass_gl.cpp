// The moving-map displays on the virtual display: the weather radar's
// texture black until its first picture and then the picture, on the screen
// and in the texture, under a quad over the whole window; the airport and
// navaid symbols in GL's feedback where their rounded points fall in box A,
// up to its edges, with the airports' identifiers in the same batch; the
// aircraft symbol turning only north up and the heading tape only heading
// up; and 200 frames of the glass panel allocating nothing.
#include <gtest/gtest.h>

#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "frame_costs.h"
#include "gl_feedback.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// The radar's colours as the colour table starts them: black, green, dark
// green, yellow, red.
const float radar_rgb[5][3] = {{0, 0, 0}, {0, 0.9f, 0}, {0, 0.5f, 0}, {1, 1, 0}, {1, 0, 0}};

class GlassDisplaysGl : public ::testing::Test {
protected:
    void SetUp() override { lay_out(2, 0); }

    // The glass panel (2), or the dial panel with the supplementary slot's
    // kind; colour k with red (k + 1) / 100 but the radar's own five, the
    // display settings at their start values, no rain.
    static void lay_out(int panel, int supptype)
    {
        start_panel_window();
        for (int k = 0; k < 80; k++) OGL_assigncolor(k, (float)(k + 1) / 100.0f, 0.5f, 0.25f);
        for (int n = 0; n < 5; n++) OGL_assigncolor(71 + n, radar_rgb[n][0], radar_rgb[n][1], radar_rgb[n][2]);
        ins.lite_rgb[0] = ins.lite_rgb[1] = ins.lite_rgb[2] = 1;
        for (int& ok : rel.system_ok) ok = 1;
        msc.dt = 0.05f;
        lay_out_test_piston(panel, [=](planestruct& a) { a.supptype = supptype; });
        efis_mode() = map_mode() = 1;
        efis_wx() = efis_tfc() = 1;
        efis_range() = 32, map_range() = 30, map2_range() = 7.5f;
        atm.precip_level = atm.storm_level = 1;
        env.reg_lat = 33, env.reg_lon = -119;
        apt_lcl_max = -1, apt_wrl_max = -1, nav_wrl_max = world_nav_first - 1;
    }
};

// Rain and storms severe over a field of one value in a region of 100 m a
// grid step, the aircraft over its middle.
void lay_out_weather(float value)
{
    atm.precip_level = atm.storm_level = 5;
    env.reg_west_x = -31550, env.reg_north_z = -21050;
    env.reg_width = 100.0f * wx_grid_cols, env.reg_depth = 100.0f * wx_grid_rows;
    flt.pos_x[0] = 0, flt.pos_z[0] = 0;
    for (int i = 0; i < wx_grid_cols; i++)
        for (int j = 0; j < wx_grid_rows; j++) atm.wx_grid[i][j] = value;
}

std::vector<unsigned char> radar_texels(void)
{
    std::vector<unsigned char> t(radar_side * radar_side * 3, 0x55);
    OGL_bindtex(tex_radar);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, t.data());
    return t;
}

// Every texel, or every screen pixel read, is (r, g, b).
::testing::AssertionResult all_are(const std::vector<unsigned char>& p, int r, int g, int b)
{
    for (size_t k = 0; k + 2 < p.size(); k += 3)
        if (p[k] != r || p[k + 1] != g || p[k + 2] != b)
            return ::testing::AssertionFailure() << "pixel " << k / 3 << " is (" << (int)p[k] << ", " << (int)p[k + 1]
                                                 << ", " << (int)p[k + 2] << ")";
    return ::testing::AssertionSuccess();
}

// The screen at the window's four inner corners, clear of the range label
// and the aircraft.
std::vector<unsigned char> window_corners(const glasswindow& g)
{
    std::vector<unsigned char> out;
    for (int x : {g.x0 + 3, g.x1 - 4})
        for (int y : {g.y0 + 3, g.y1 - 4}) {
            unsigned char p[3];
            glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
            out.insert(out.end(), p, p + 3);
        }
    return out;
}

// The feedback's lines of one colour, each as its two ends.
struct segment {
    float x1, y1, x2, y2;
};

std::vector<segment> lines_of(const std::vector<fb_prim>& prims, int colour)
{
    std::vector<segment> out;
    for (const fb_prim& p : prims)
        if ((p.token == GL_LINE_TOKEN || p.token == GL_LINE_RESET_TOKEN) && colour_of(p.v[0]) == colour)
            out.push_back({p.v[0][0], p.v[0][1], p.v[1][0], p.v[1][1]});
    return out;
}

bool has_line(const std::vector<segment>& lines, float x1, float y1, float x2, float y2)
{
    for (const segment& s : lines)
        if ((fabsf(s.x1 - x1) < 1e-3f && fabsf(s.y1 - y1) < 1e-3f && fabsf(s.x2 - x2) < 1e-3f &&
             fabsf(s.y2 - y2) < 1e-3f) ||
            (fabsf(s.x1 - x2) < 1e-3f && fabsf(s.y1 - y2) < 1e-3f && fabsf(s.x2 - x1) < 1e-3f &&
             fabsf(s.y2 - y1) < 1e-3f))
            return true;
    return false;
}

}  // namespace

// Before the radar's first picture (a frame outside the second's tenth 0)
// the window is black, not the white of a texture never filled; the first
// frame of tenth 0 fills it with the field's red, on the screen and in the
// texture, under one quad whose texture spans the whole window.
TEST_F(GlassDisplaysGl, RadarTextureIsBlackUntilItsFirstPicture)
{
    lay_out(1, 6);
    lay_out_weather(1.0f);
    glasswindow g = glass_window(glass_radar);
    for (int tick : {5, 0}) {
        SCOPED_TRACE(tick ? "before the first picture" : "the first picture");
        msc.tenth_count = tick;
        glClearColor(0.5f, 0.5f, 0.5f, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        update_glass(glass_radar);
        glFinish();
        int red = tick ? 0 : 255;
        EXPECT_TRUE(all_are(window_corners(g), red, 0, 0));
        EXPECT_TRUE(all_are(radar_texels(), red, 0, 0));
        EXPECT_EQ(pnl.radar_uploads, tick ? 0 : 1);
    }

    msc.tenth_count = 3;
    std::vector<quad> quads = quads_of([] { update_glass(glass_radar); });
    int windows = 0;
    for (const quad& q : quads) {
        if (q.corner.size() != 4) continue;
        bool whole = true;
        for (const std::vector<float>& c : q.corner) {
            bool right = fabsf(c[0] - (float)g.x1) < 1e-3f, top = fabsf(c[1] - (float)g.y1) < 1e-3f;
            bool left = fabsf(c[0] - (float)g.x0) < 1e-3f, bottom = fabsf(c[1] - (float)g.y0) < 1e-3f;
            whole = whole && (right || left) && (top || bottom) && c[2] == (right ? 1.0f : 0.0f) &&
                    c[3] == (top ? 1.0f : 0.0f);
        }
        windows += whole;
    }
    EXPECT_EQ(windows, 1);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

// One symbol at a time, at an offset in panel units from the aircraft point
// on a display heading north: drawn at its rounded point when that lies in
// box A, edges included, and left out whole otherwise; an airport with its
// identifier's four letters below it in the same batch; NDBs and VORs of
// the region only, in their own texture columns; white on the glass panel,
// light green on the moving map; none on the weather radar.
TEST_F(GlassDisplaysGl, SymbolsStandWhereTheirPointsRound)
{
    struct cell {
        const char* what;
        int supptype, mode;
        int kind;            // 1 airport, else the navaid type
        int in_region;
        float ux, uy;        // units from the aircraft point
        int drawn;
        int sx, sy;          // where, when drawn
    };
    const cell cells[] = {
        {"an airport", 0, glass_main, 1, 1, 30, 40, 1, 320, 144},
        {"an airport rounding onto box A's right edge", 0, glass_main, 1, 1, 80.4f, 0, 1, 370, 104},
        {"an airport rounding past it", 0, glass_main, 1, 1, 80.6f, 0, 0, 0, 0},
        {"an airport rounding onto box A's bottom edge", 0, glass_main, 1, 1, 0, -43.4f, 1, 290, 61},
        {"an airport rounding below it", 0, glass_main, 1, 1, 0, -43.6f, 0, 0, 0},
        {"an NDB", 0, glass_main, navaid_ndb, 1, -40, 20, 1, 250, 124},
        {"a VOR", 0, glass_main, navaid_vor, 1, -40, 20, 1, 250, 124},
        {"a VOR outside the region", 0, glass_main, navaid_vor, 0, -40, 20, 0, 0, 0},
        {"a localizer", 0, glass_main, navaid_localizer, 1, -40, 20, 0, 0, 0},
        {"an airport on the moving map", 3, glass_map, 1, 1, 10, 15, 1, 301, 232},
        {"an airport on the weather radar", 6, glass_radar, 1, 1, 10, 15, 0, 0, 0},
    };
    const float lat = 33.5f, lon = -118.5f;
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        lay_out(c.supptype ? 1 : 2, c.supptype);
        ins.ins_x[ins_supp] = 300, ins.ins_y[ins_supp] = 237;
        const int apt = 7, rwy = 11, slot = world_nav_first + 2;
        if (c.kind == 1) {
            apt_wrl_max = apt, apt_lcl_max = 0, apt_to_index[0] = apt, apt_lo_ind[apt] = rwy;
            snprintf(apt_id[apt], sizeof apt_id[apt], "KSBD");
            rwy_lat[rwy] = lat, rwy_lon[rwy] = lon;
        } else {
            nav_wrl_max = slot, nav_type[slot] = c.kind, nav_inreg[slot] = c.in_region;
            nav_lat[slot] = lat, nav_lon[slot] = lon;
        }
        glasswindow g = glass_window(c.mode);
        flt.pos_x[0] = X_with_latlon(lat, lon) - c.ux / g.scale;
        flt.pos_z[0] = Z_with_lat(lat) + c.uy / g.scale;

        std::vector<quad> quads = quads_of([&] { update_glass(c.mode); });
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
        // A symbol spans the symbols' rows of the texture and one column;
        // an untextured polygon carries a single texture coordinate.
        std::vector<const quad*> symbols;
        for (const quad& q : quads) {
            if (q.corner.size() != 4) continue;
            float s_lo = 9, s_hi = -9, t_lo = 9, t_hi = -9;
            for (const std::vector<float>& v : q.corner)
                s_lo = fminf(s_lo, v[2]), s_hi = fmaxf(s_hi, v[2]), t_lo = fminf(t_lo, v[3]), t_hi = fmaxf(t_hi, v[3]);
            if (t_lo == 0.859375f && t_hi == 1.0f && fabsf(s_hi - s_lo - 0.0859375f) < 1e-6f) symbols.push_back(&q);
        }
        if (!c.drawn) {
            EXPECT_TRUE(symbols.empty());
            continue;
        }
        ASSERT_EQ(symbols.size(), 1u);
        const quad& q = *symbols[0];
        float s0 = c.kind == 1 ? 0 : (c.kind == navaid_ndb ? 0.0859375f : 0.171875f), s1 = s0 + 0.0859375f;
        const float want[4][4] = {{(float)c.sx - 5, (float)c.sy - 5, s0, 0.859375f},
                                  {(float)c.sx - 5, (float)c.sy + 5, s0, 1},
                                  {(float)c.sx + 6, (float)c.sy + 5, s1, 1},
                                  {(float)c.sx + 6, (float)c.sy - 5, s1, 0.859375f}};
        for (const float* w : want) {
            bool found = false;
            for (const std::vector<float>& v : q.corner)
                found = found || (fabsf(v[0] - w[0]) < 1e-3f && fabsf(v[1] - w[1]) < 1e-3f &&
                                  fabsf(v[2] - w[2]) < 1e-6f && fabsf(v[3] - w[3]) < 1e-6f);
            EXPECT_TRUE(found) << "corner " << w[0] << ", " << w[1];
        }
        EXPECT_EQ(q.colour, c.mode == glass_map ? 48 : 39);

        // The identifier: a letter quad from 12 units left of the point, 6 apart, 15 below.
        int letters = 0;
        for (const quad& l : quads) {
            if (&l == &q || l.corner.size() != 4) continue;
            float x = 1e9f, y = 1e9f;
            for (const std::vector<float>& v : l.corner) x = fminf(x, v[0]), y = fminf(y, v[1]);
            for (int k = 0; k < 4; k++)
                letters += fabsf(x - (float)(c.sx - 12 + 6 * k)) < 1e-3f && fabsf(y - (float)(c.sy - 15)) < 1e-3f;
        }
        EXPECT_EQ(letters, c.kind == 1 ? 4 : 0);
    }
}

// Heading east on the glass panel: heading up the aircraft symbol points up
// under the heading tape and its mark; north up the symbol points east and
// no tape is drawn.
TEST_F(GlassDisplaysGl, AircraftTurnsNorthUpAndTheTapeShowsHeadingUp)
{
    flt.psi[0] = 90, flt.hdg_mag = 95;
    efis_tfc() = 0;
    for (int north_up : {0, 1}) {
        SCOPED_TRACE(north_up ? "north up" : "heading up");
        efis_mode() = north_up ? 2 : 1;
        glasswindow g = glass_window(glass_main);
        std::vector<fb_prim> prims = feedback(GL_3D_COLOR_TEXTURE, [] { update_glass(glass_main); });
        std::vector<segment> aircraft = lines_of(prims, 42);
        // Clockwise by 90 degrees north up: (x, y) to (y, -x).
        auto at = [&](float x, float y, float* px, float* py) {
            *px = (float)g.cx + 0.5f + (north_up ? y : x);
            *py = (float)g.cy + 0.5f + (north_up ? -x : y);
        };
        const float ends[5][4] = {{0, 6, 0, -6}, {0, 0, -8, -4}, {0, 0, 8, -4}, {0, -6, -4, -8}, {0, -6, 4, -8}};
        EXPECT_EQ(aircraft.size(), 5u);
        for (const float* e : ends) {
            float x1, y1, x2, y2;
            at(e[0], e[1], &x1, &y1);
            at(e[2], e[3], &x2, &y2);
            EXPECT_TRUE(has_line(aircraft, x1, y1, x2, y2)) << x1 << ", " << y1 << " to " << x2 << ", " << y2;
        }

        // The mark: a filled 5 x 3 box on the tape's centre line at the top of box B.
        const float bx0 = (float)g.x0 + 11, bx1 = (float)g.x1 - 12, by1 = (float)g.y1 - 6;
        const float mx = (float)(((int)bx0 + (int)bx1) / 2);
        int marks = 0, ticks = 0;
        for (const fb_prim& p : prims) {
            if (p.token != GL_POLYGON_TOKEN || colour_of(p.v[0]) != 39) continue;
            for (const std::vector<float>& v : p.v)
                marks += fabsf(v[0] - (mx - 1)) < 1e-3f && fabsf(v[1] - (by1 - 3)) < 1e-3f;
        }
        for (const segment& s : lines_of(prims, 39))
            ticks += s.x1 == s.x2 && fabsf(s.y1 - (by1 - 5 + 0.5f)) < 1e-3f && fabsf(s.y2 - (by1 - 2 + 0.5f)) < 1e-3f;
        if (north_up) {
            EXPECT_EQ(marks, 0);
            EXPECT_EQ(ticks, 0);
        } else {
            EXPECT_GT(marks, 0);
            EXPECT_GE(ticks, 5);
        }
    }
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

// 200 frames of the glass panel with the radar, traffic and the region's
// airports and navaids on its map allocate nothing and open no file once a
// first frame has made the radar's texture; the only uploads are the
// radar's pictures, one in each of the 20 seconds.
TEST_F(GlassDisplaysGl, GlassPanelFramesAllocateNothing)
{
    lay_out_weather(0.8f);
    const float lat = 33.5f, lon = -118.5f;
    apt_wrl_max = 3, apt_lcl_max = 3;
    for (int a = 0; a <= 3; a++) {
        apt_to_index[a] = a, apt_lo_ind[a] = a;
        snprintf(apt_id[a], sizeof apt_id[a], "K%03d", a);
        rwy_lat[a] = lat + 0.02f * (float)a, rwy_lon[a] = lon - 0.03f * (float)a;
    }
    nav_wrl_max = world_nav_first + 3;
    for (int s = world_nav_first; s <= nav_wrl_max; s++) {
        nav_inreg[s] = 1, nav_type[s] = s % 2 ? navaid_ndb : navaid_vor;
        nav_lat[s] = lat - 0.02f * (float)(s - world_nav_first), nav_lon[s] = lon + 0.04f;
    }
    flt.pos_x[0] = X_with_latlon(lat, lon), flt.pos_z[0] = Z_with_lat(lat);
    for (int i = 1; i < 12; i++) {
        flt.pos_x[i] = flt.pos_x[0] + 1500.0 * i, flt.pos_z[i] = flt.pos_z[0] - 2000.0 * i;
        flt.pos_y[i] = flt.pos_y[0] + 100.0 * (i - 6);
    }

    msc.tenth_count = 5;
    update_panel();
    ASSERT_EQ(pnl.radar_texture_made, 1);
    framecoststruct start = frame_costs_now();
    for (int f = 0; f < 200; f++) {
        msc.sim_time = 0.05f * (float)f;
        msc.tenth_count = f % 10;
        flt.psi[0] = fmodf(3.0f * (float)f, 360), flt.hdg_mag = flt.psi[0];
        update_panel();
    }
    framecoststruct c = frame_costs_since(start);
    EXPECT_EQ(c.allocations, 0);
    EXPECT_EQ(c.tex_uploads, 20);
    EXPECT_EQ(c.file_opens, 0);
    EXPECT_EQ(pnl.radar_uploads, 20);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}
