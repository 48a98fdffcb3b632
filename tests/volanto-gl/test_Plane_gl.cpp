// The ground drawn on the virtual display: the terrain cells each in its own
// texture, looking 45 degrees down (base and custom textures, cells that are
// not drawn, the range and the in-view list); tess_quad's pieces under a low
// aircraft and the side it widens to by heading, read in GL's feedback mode;
// the trees as billboards turned to the view; the city lights' points.
#include <gtest/gtest.h>

#include "Genwrld.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Plane.h"
#include "gl_feedback.h"
#include "gl_view.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

const int view_w = 400, view_h = 300;

// A window to draw in, the back buffer black with a far depth.
void start_drawing(void)
{
    reset_suite_state();
    MACIBM_init();
    glViewport(0, 0, view_w, view_h);
    glClearColor(0, 0, 0, 0);
    glClearDepth(1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(1, 1, 1);
}

std::vector<unsigned char> read_back(void)
{
    glFinish();
    std::vector<unsigned char> rgb((size_t)view_w * view_h * 3);
    host_test_read_pixels(0, 0, view_w, view_h, rgb.data());
    return rgb;
}

// A 4 x 4 texture of one colour under id; alpha 0 in column 0 when cut_left.
void flat_texture(int id, uint32_t rgb, bool cut_left = false)
{
    unsigned char px[4 * 4 * 4];
    for (int k = 0; k < 16; k++) {
        px[4 * k] = (unsigned char)(rgb >> 16);
        px[4 * k + 1] = (unsigned char)(rgb >> 8);
        px[4 * k + 2] = (unsigned char)rgb;
        px[4 * k + 3] = (cut_left && k % 4 == 0) ? 0 : 255;
    }
    OGL_bindtex(id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 4, 4, 0, GL_RGBA, GL_UNSIGNED_BYTE, px);
}

// The ground seen from straight above on a 1000 x 1000 viewport, nothing
// culled: window x = x + 500, window y = 500 - z.
void look_down_from_above(void)
{
    glViewport(0, 0, 1000, 1000);
    ortho_camera(-500, 500, -500, 500, 1000, true);
    glDisable(GL_CULL_FACE);
}

// Twice the signed area in window coordinates of what GL reports.
double signed_area(const std::vector<fb_prim>& prims)
{
    double area = 0;
    for (const fb_prim& p : prims)
        for (size_t k = 0; k < p.v.size(); k++) {
            const std::vector<float>& a = p.v[k];
            const std::vector<float>& b = p.v[(k + 1) % p.v.size()];
            area += (double)a[0] * b[1] - (double)b[0] * a[1];
        }
    return area;
}

}  // namespace

// ---- terrain ------------------------------------------------------------------------

namespace {

const int eye_x = 1000, eye_y = 800, eye_z = -500;   // m, looking north 45 degrees down

// The colour of texture id k-th in the test's table: r and g tell them apart.
uint32_t colour_of(int k) { return (uint32_t)((0x20 + 0x40 * (k % 4)) << 16 | (0x20 + 0x40 * (k / 4)) << 8 | 0x80); }

const unsigned custom_ids[3] = {2000, 2001, 40123};

// Its place in the table: 0..11 the base ids, 12..14 the custom ones, -1 none.
int table_index(unsigned id)
{
    if (id >= 50 && id <= 61) return (int)id - 50;
    for (int k = 0; k < 3; k++)
        if (id == custom_ids[k]) return 12 + k;
    return -1;
}

// The ground point under pixel (px, py) of the view, in cells: *i, *j and
// how far inside the cell it lies (0 on an edge, 0.5 in the middle).
void ground_cell(int px, int py, int* i, int* j, float* inside)
{
    double xe = ((px + 0.5) / (view_w / 2.0) - 1) * 0.5, ye = ((py + 0.5) / (view_h / 2.0) - 1) * 0.375, ze = -1;
    double c = sqrt(0.5);
    double dx = xe, dy = ye * c + ze * c, dz = -ye * c + ze * c;   // turned back by the 45 degrees
    double t = -eye_y / dy;
    double gx = eye_x + t * dx, gz = eye_z + t * dz;
    double fi = gx / 100, fj = -gz / 100;
    *i = (int)floor(fi);
    *j = (int)floor(fj);
    double a = fi - *i, b = fj - *j;
    *inside = (float)fmin(fmin(a, 1 - a), fmin(b, 1 - b));
}

class TerrainGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_drawing();
        lay_flat_ground();
        // The ships far outside the visible box: only the ground is drawn.
        for (int s = 0; s < 2; s++) env.ship_x[s] = 1e6f;
        for (int i = 0; i < region_grid_x; i++)
            for (int j = 0; j < region_grid_z; j++) {
                planenrml[i][j][1] = 1;
                for (int a = 0; a < 2; a++)
                    for (int b = 0; b < 2; b++) {
                        planest[i][j][a][b][0] = (float)a;
                        planest[i][j][a][b][1] = (float)b;
                    }
                planetex[i][j] = 50 + (i + 5 * j) % 12;
                ter_inrange[i][j] = 1;
            }
        for (int k = 0; k < 15; k++) flat_texture(k < 12 ? 50 + k : (int)custom_ids[k - 12], colour_of(k));
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(-0.5, 0.5, -0.375, 0.375, 1, 10000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(45, 1, 0, 0);
        glTranslatef(-eye_x, -eye_y, -eye_z);
        OGL_setstate(0, 1, 0, 1);
    }
};

}  // namespace

// Every pixel well inside a cell shows that cell's texture, or the
// background where the cell is not drawn: outside the sorted range, out of
// view in ter_inrange, or of an id that is neither a base terrain nor a
// custom texture. Before the first sort nothing is drawn.
TEST_F(TerrainGl, EachPixelShowsItsCellsTextureOrNothing)
{
    plot_terrain();
    std::vector<unsigned char> before = read_back();
    size_t lit = 0;
    for (unsigned char c : before) lit += c != 0;
    EXPECT_EQ(lit, 0u) << "drawn before the culling sorted the cells";

    planetex[6][12] = custom_ids[0];
    planetex[9][15] = custom_ids[1];
    planetex[12][18] = custom_ids[2];
    planetex[8][11] = 49;
    planetex[10][13] = 62;
    planetex[11][16] = 1999;
    ter_inrange[7][17] = 0;
    planetex[5][19] = custom_ids[1];
    ter_inrange[5][19] = 0;
    scn.ter_imin = 4;
    scn.ter_imax = 14;
    scn.ter_jmin = 9;
    scn.ter_jmax = 20;
    sort_terrain_cells();
    OGL_setstate(0, 1, 0, 1);   // as the frame sets it: the last call left the wakes' state
    plot_terrain();
    std::vector<unsigned char> px = read_back();

    int wrong = 0, seen[15] = {}, background = 0, blank_cell[5] = {};
    const int blank[5][2] = {{8, 11}, {10, 13}, {11, 16}, {7, 17}, {5, 19}};
    std::string first_wrong;
    for (int y = 0; y < view_h; y++)
        for (int x = 0; x < view_w; x++) {
            int i, j;
            float inside;
            ground_cell(x, y, &i, &j, &inside);
            if (inside < 0.15f) continue;   // a pixel's footprint reaches 12 m far off
            int k = -1;
            if (i >= 4 && i <= 14 && j >= 9 && j <= 20 && ter_inrange[i][j]) k = table_index(planetex[i][j]);
            uint32_t want = k >= 0 ? colour_of(k) : 0;
            const unsigned char* p = &px[((size_t)y * view_w + x) * 3];
            uint32_t got = (uint32_t)(p[0] << 16 | p[1] << 8 | p[2]);
            if (got != want && wrong++ == 0)
                first_wrong = "pixel " + std::to_string(x) + "," + std::to_string(y) + " cell " +
                              std::to_string(i) + "," + std::to_string(j) + " got " + std::to_string(got) +
                              " want " + std::to_string(want);
            if (k >= 0) seen[k]++;
            else background++;
            for (int b = 0; b < 5; b++) blank_cell[b] += i == blank[b][0] && j == blank[b][1];
        }
    EXPECT_EQ(wrong, 0) << first_wrong;
    // The view holds what the test claims to check.
    for (int k = 0; k < 15; k++) EXPECT_GT(seen[k], 50) << "texture " << (k < 12 ? 50 + k : (int)custom_ids[k - 12]);
    for (int b = 0; b < 5; b++) EXPECT_GT(blank_cell[b], 50) << "cell " << blank[b][0] << "," << blank[b][1];
    EXPECT_GT(background, 2000) << "cells outside the range";
}

// A cell goes as two triangles, clockwise from above: its corners (0, 0),
// (0, 1), (1, 1), then (1, 1), (1, 0), (0, 0), each at its grid point with
// the cell's own texture coordinates for that corner.
TEST_F(TerrainGl, OneCellsCornersInOrder)
{
    const int ci = 2, cj = 3;
    for (int di = 0; di < 2; di++)
        for (int dj = 0; dj < 2; dj++) {
            planest[ci][cj][di][dj][0] = 0.1f + 0.4f * (float)di + 0.2f * (float)dj;
            planest[ci][cj][di][dj][1] = 0.05f + 0.1f * (float)di + 0.3f * (float)dj;
        }
    scn.ter_imin = scn.ter_imax = ci;
    scn.ter_jmin = scn.ter_jmax = cj;
    sort_terrain_cells();
    look_down_from_above();
    std::vector<fb_prim> got = feedback(GL_3D_COLOR_TEXTURE, [] { plot_terrain(); });

    const int corner[6][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 1}, {1, 0}, {0, 0}};
    ASSERT_EQ(got.size(), 2u);
    for (int n = 0; n < 6; n++) {
        SCOPED_TRACE(n);
        ASSERT_EQ(got[n / 3].v.size(), 3u);
        const std::vector<float>& v = got[n / 3].v[n % 3];
        int di = corner[n][0], dj = corner[n][1];
        EXPECT_NEAR(v[0], planexyz[ci + di][cj + dj][0] + 500, 0.01f);
        EXPECT_NEAR(v[1], 500 - planexyz[ci + di][cj + dj][2], 0.01f);
        EXPECT_NEAR(v[7], planest[ci][cj][di][dj][0], 1e-5f);
        EXPECT_NEAR(v[8], planest[ci][cj][di][dj][1], 1e-5f);
    }
    EXPECT_LT(signed_area(got), 0) << "clockwise seen from above";
}

// ---- tess_quad ------------------------------------------------------------------------

namespace {

// The quad x 0..100, z -100..0 on the ground, P1 at (0, 0): t along P1-P2
// (north), s along P1-P4 (east). Seen from above, window x = x + 500 and
// window y = 500 - z.
const float s0 = 0.25f, t0 = 0.5f, s1 = 2.25f, t1 = 3.5f;

std::vector<fb_prim> tess_feedback(int subdivide)
{
    look_down_from_above();
    OGL_setstate(0, 1, 0, 0);
    return feedback(GL_3D_COLOR_TEXTURE, [&] {
        tess_quad(subdivide, s0, t0, s1, t1, 0, 0, 0, 0, 0, -100, 100, 0, -100, 100, 0, 0);
    });
}

struct tess_case {
    const char* what;
    float x, z, height, psi;
    int subdivide, quads;
};

}  // namespace

// The pieces tile the quad exactly (their signed areas add up to its own:
// each piece turns the quad's way) and each corner carries the texture
// coordinates of its place; the quad is cut into n x n pieces,
// n = 12 - 0.55 sqrt(h) held to 1..9, while the aircraft is over it or
// within 15 h (300..1500 m) on the side it comes from. A height that is
// not a number counts as on the ground, an infinite one as high.
TEST(TessQuadGl, PiecesByHeightAndTheSideTheAircraftComesFrom)
{
    start_drawing();
    std::vector<fb_prim> one = tess_feedback(0);
    ASSERT_FALSE(one.empty());
    const size_t per_quad = one.size();   // the polygons GL makes of one quad
    const double quad_area = signed_area(one);
    ASSERT_NEAR(fabs(quad_area), 2 * 100 * 100, 2);

    const tess_case cases[] = {
        {"over it on the ground", 50, -50, 0, 45, 1, 81},
        {"over it, switch off", 50, -50, 0, 45, 0, 1},
        {"over it at 400 m", 50, -50, 400, 45, 1, 1},
        {"over it at 64 m: 12 - 4.4 rounds to 8", 50, -50, 64, 45, 1, 64},
        {"sunk 30 m: as on the ground", 50, -50, -30, 45, 1, 81},
        {"height not a number: as on the ground", 50, -50, NAN, 45, 1, 81},
        {"infinitely high", 50, -50, INFINITY, 45, 1, 1},
        {"200 m west heading north: its west side widens too", -200, -50, 0, 0, 1, 81},
        {"200 m north heading north", 50, -300, 0, 0, 1, 1},
        {"200 m south heading north", 50, 200, 0, 0, 1, 81},
        {"400 m south heading north: past the 300 m", 50, 400, 0, 0, 1, 1},
        {"900 m south heading north at 64 m: 960 m", 50, 900, 64, 0, 1, 64},
        {"1000 m south heading north at 64 m", 50, 1000, 64, 0, 1, 1},
        {"200 m south heading south", 50, 200, 0, 180, 1, 1},
        {"200 m south heading east", 50, 200, 0, 90, 1, 81},
        {"200 m north heading east", 50, -300, 0, 90, 1, 81},
        {"200 m west heading east", -200, -50, 0, 90, 1, 81},
        {"200 m east heading east", 300, -50, 0, 90, 1, 1},
        {"200 m north heading south", 50, -300, 0, 180, 1, 81},
        {"200 m west heading south", -200, -50, 0, 180, 1, 81},
        {"200 m east heading south", 300, -50, 0, 180, 1, 81},
        {"200 m west heading west", -200, -50, 0, 270, 1, 1},
        {"200 m east heading west", 300, -50, 0, 270, 1, 81},
        {"200 m south heading west", 50, 200, 0, 270, 1, 81},
    };
    for (const tess_case& c : cases) {
        SCOPED_TRACE(c.what);
        flt.pos_x[0] = c.x;
        flt.pos_z[0] = c.z;
        flt.pos_y[0] = 20 + c.height;
        env.ground_h = 20;
        flt.psi[0] = c.psi;
        std::vector<fb_prim> got = tess_feedback(c.subdivide);
        EXPECT_EQ(got.size(), per_quad * c.quads);
        int off = 0;
        for (const fb_prim& p : got)
            for (const std::vector<float>& a : p.v) {
                float s = s0 + (a[0] - 500) / 100 * (s1 - s0), t = t0 + (a[1] - 500) / 100 * (t1 - t0);
                off += fabsf(a[7] - s) > 1e-3f || fabsf(a[8] - t) > 1e-3f;
            }
        EXPECT_NEAR(signed_area(got), quad_area, 2);
        EXPECT_EQ(off, 0) << "corners whose texture coordinates are not their place's";
    }
}

// ---- trees and city lights ---------------------------------------------------------------

// A tree 100 m ahead is 12 m wide whichever way the view looks: 120 pixels
// here, its texture's transparent first quarter cut away by the alpha
// test, 20 m tall, in the texture's colour at the terrain brightness.
TEST(TreesGl, BillboardsFaceTheViewAtTheTerrainBrightness)
{
    start_drawing();
    flat_texture(tex_overlay_first, 0xc86432, true);
    for (float hdg : {0.0f, 90.0f, 210.0f}) {
        SCOPED_TRACE(hdg);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        float a = hdg * 0.017453293f;
        float tx = 100 * sinf(a), tz = -100 * cosf(a);
        scn.view_heading = hdg;
        scn.ter_imin = scn.ter_imax = 3;
        scn.ter_jmin = scn.ter_jmax = 4;
        ter_inrange[3][4] = 1;
        tree_on_poly[3][4] = 1;
        for (int g = 0; g < 2; g++)
            for (int k = 0; k < 4; k++) {
                tree_xyz[3][4][g][k][0] = tx;
                tree_xyz[3][4][g][k][1] = 0;
                tree_xyz[3][4][g][k][2] = tz;
            }
        ogl_brat_ter = 0.5f;
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(-0.2, 0.2, -0.15, 0.15, 1, 1000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(hdg, 0, 1, 0);
        glTranslatef(0, -10, 0);
        OGL_setstate(0, 1, 0, 1);
        plot_trees();
        std::vector<unsigned char> px = read_back();

        // Lit columns across the middle row, lit rows down the tree's right half.
        int left = -1, right = -1, bottom = -1, top = -1;
        for (int x = 0; x < view_w; x++)
            if (px[((size_t)150 * view_w + x) * 3]) {
                if (left < 0) left = x;
                right = x;
            }
        for (int y = 0; y < view_h; y++)
            if (px[((size_t)y * view_w + 230) * 3]) {
                if (bottom < 0) bottom = y;
                top = y;
            }
        EXPECT_NEAR(left, 170, 1) << "the transparent quarter is cut";
        EXPECT_NEAR(right, 259, 1);
        EXPECT_NEAR(bottom, 50, 1);
        EXPECT_NEAR(top, 249, 1);
        const unsigned char* p = &px[((size_t)150 * view_w + 230) * 3];
        EXPECT_NEAR(p[0], 100, 2);
        EXPECT_NEAR(p[1], 50, 2);
        EXPECT_NEAR(p[2], 25, 2);
        EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    }
}

// Each lit cell in view gives its two groups of seven points, four green
// and three amber, lifted by a twentieth of the eye's height over the
// ground; cells out of view or without lights give none.
TEST(CityLightsGl, SevenPointsAGroupLiftedTowardTheEye)
{
    start_drawing();
    scn.ter_imin = 2;
    scn.ter_imax = 4;
    scn.ter_jmin = 2;
    scn.ter_jmax = 3;
    for (int i = 2; i <= 4; i++)
        for (int j = 2; j <= 3; j++) {
            ter_inrange[i][j] = 1;
            city_on_poly[i][j] = 1;
            for (int g = 0; g < 2; g++)
                for (int k = 0; k < 7; k++) {
                    city_xyz[i][j][g][k][0] = (float)(100 * i + 10 * k);
                    city_xyz[i][j][g][k][1] = (float)(10 * g);
                    city_xyz[i][j][g][k][2] = (float)(100 * j);
                }
        }
    ter_inrange[3][3] = 0;
    city_on_poly[4][2] = 0;
    city_on_poly[5][2] = 1;      // outside the range
    con.VIEW_xyz[1] = 1200;
    env.camera_ground_h = 200;   // lifted 50 m

    glViewport(0, 0, 1000, 1000);
    ortho_camera(0, 1000, 0, 1000, 1000, false);
    OGL_setstate(0, 0, 0, 0);
    std::vector<fb_prim> got = feedback(GL_3D_COLOR, [] { plot_city_lights(); });

    const int cell_i[4] = {2, 2, 3, 4};   // cells (2,2), (2,3), (3,2), (4,3)
    ASSERT_EQ(got.size(), 4u * 14);
    int green = 0, amber = 0;
    for (size_t n = 0; n < got.size(); n++) {
        const std::vector<float>& v = got[n].v[0];
        int k = (int)n % 7, g = (int)(n / 7) % 2;
        EXPECT_EQ(got[n].token, GL_POINT_TOKEN);
        EXPECT_NEAR(v[0], 100.0f * cell_i[n / 14] + 10.0f * k, 0.01f);
        EXPECT_NEAR(v[1], 10.0f * g + 50, 0.01f);
        bool is_green = fabsf(v[3] - 0.4f) < 0.01f && fabsf(v[4] - 1) < 0.01f && fabsf(v[5] - 0.6f) < 0.01f;
        bool is_amber = fabsf(v[3] - 1) < 0.01f && fabsf(v[4] - 0.85f) < 0.01f && fabsf(v[5]) < 0.01f;
        EXPECT_TRUE(k < 4 ? is_green : is_amber) << "point " << n;
        green += is_green;
        amber += is_amber;
    }
    EXPECT_EQ(green, 4 * 8);
    EXPECT_EQ(amber, 4 * 6);
}
