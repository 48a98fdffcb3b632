// The cloud layer and the fires on the virtual display, as pixels and in
// GL's feedback mode: the puffs over a camera below a broken and a
// scattered layer, each cell's picture turned, seen only in the winding for
// below and the state left as found; the overcast sheet's colours over the
// puffs' cells; a fire's billboard in its picture of the cycle, transparent
// where the picture is, only for burning fires in the view cone; fire and
// smoke billboards turned to face the camera as the view's rotations would.
#include <gtest/gtest.h>

#include "Add-ons.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Startscn.h"
#include "gl_feedback.h"
#include "gl_view.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

const int view_w = 800, view_h = 600;
const float cell = 1000;   // m between the test grid's points
const float base = 2000;   // m, the layer

struct rgb8 {
    int r, g, b;
};

// A w x h RGBA picture of texels colour(x, y), rows from the bottom, as
// texture id, sampled nearest.
template <typename F>
void picture(int id, int w, int h, F colour)
{
    std::vector<unsigned char> px;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            unsigned v = colour(x, y);   // 0xRRGGBBAA
            for (int k = 3; k >= 0; k--) px.push_back((unsigned char)(v >> (8 * k)));
        }
    OGL_bindtex(id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
}

rgb8 pixel(int x, int y)
{
    glFinish();
    unsigned char c[3];
    host_test_read_pixels(x, y, 1, 1, c);
    return {c[0], c[1], c[2]};
}

bool near(rgb8 a, rgb8 b) { return abs(a.r - b.r) <= 2 && abs(a.g - b.g) <= 2 && abs(a.b - b.b) <= 2; }

std::string str(rgb8 c) { return std::to_string(c.r) + " " + std::to_string(c.g) + " " + std::to_string(c.b); }

class CloudsAndFiresGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        MACIBM_init();
        glViewport(0, 0, view_w, view_h);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glFogf(GL_FOG_START, 1e6f);
        glFogf(GL_FOG_END, 2e6f);
        // The cloud grid flat, 1 km apart, the north rows at smaller z.
        for (int i = 0; i < cloud_cols; i++)
            for (int j = 0; j < cloud_rows; j++) {
                cloudxyz[i][j][0] = cell * (float)i;
                cloudxyz[i][j][1] = 0;
                cloudxyz[i][j][2] = -cell * (float)j;
                for (int c = 0; c < 3; c++) cloudrgb[i][j][c] = 0.5f;
            }
        scn.cld_imin = 0, scn.cld_imax = 8;
        scn.cld_jmin = 0, scn.cld_jmax = 6;
        atm.cloud_base = base;
        lite_r = 0.8f, lite_g = 0.6f, lite_b = 0.4f;
        // A cone over everything north of z 0.
        x0 = 0, z0 = 0;
        x1 = -50000, z1 = -50000;
        x2 = 50000, z2 = -50000;
    }

    // Grid cells 0..8 across x and 0..6 up the rows fill the window, seen
    // from straight below (south at the top) or from straight above.
    static void look_at_the_layer(bool from_below)
    {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        if (from_below) glOrtho(0, 8 * cell, -6 * cell, 0, -5000, 5000);
        else glOrtho(0, 8 * cell, 0, 6 * cell, -5000, 5000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(from_below ? -90.0f : 90.0f, 1, 0, 0);
    }
    // The pixel under the point a, b of cell (i, j) (a east, b north).
    static rgb8 in_cell(int i, int j, float a, float b, bool from_below)
    {
        float x = (i + a) * cell / 10, y = (j + b) * cell / 10;
        return pixel((int)x, from_below ? view_h - 1 - (int)y : (int)y);
    }
    static rgb8 lit(rgb8 texel) { return {intround(texel.r * lite_r), intround(texel.g * lite_g), intround(texel.b * lite_b)}; }
};

// The puff picture's four quarters, each its own colour.
const rgb8 quarter[2][2] = {{{255, 0, 0}, {0, 255, 0}}, {{0, 0, 255}, {255, 255, 255}}};   // [t][s]

void quarters_picture(void)
{
    picture(tex_cloud, 2, 2, [](int x, int y) {
        rgb8 c = quarter[y][x];
        return (unsigned)c.r << 24 | (unsigned)c.g << 16 | (unsigned)c.b << 8 | 255u;
    });
}

// From below a broken layer every cell of the range shows, its picture
// turned a quarter more for each step of (i + j): the quarter at the cell's
// south-west corner is the picture's (0, 0) one turned r times. A scattered
// layer leaves the cells with (i + j) divisible by 3 empty; a camera below
// the layer with the flag for above sees nothing (the quads face up). The
// winding and the blending are left as found.
TEST_F(CloudsAndFiresGl, PuffsOverACameraBelowTheLayer)
{
    quarters_picture();
    // The quarter of the picture at (a, b) = (0.25, 0.25) of a cell turned r times.
    const rgb8 south_west[4] = {quarter[0][0], quarter[1][0], quarter[1][1], quarter[0][1]};
    for (int type : {3, 2}) {
        atm.cloud_type = type;
        scn.below_clouds = 1;
        look_at_the_layer(true);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        plot_clouds();
        for (int j = 0; j < 6; j++)
            for (int i = 0; i < 8; i++) {
                rgb8 got = in_cell(i, j, 0.25f, 0.25f, true);
                bool empty = type == 2 && (i + j) % 3 == 0;
                rgb8 want = empty ? rgb8{0, 0, 0} : lit(south_west[(i + j) % 4]);
                EXPECT_TRUE(near(got, want)) << "type " << type << " cell " << i << " " << j << ": " << str(got);
            }
        GLint front = 0;
        glGetIntegerv(GL_FRONT_FACE, &front);
        EXPECT_EQ(front, GL_CW);
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
    }

    // The puffs hang at the base: window depth 0.5 + y / 10000 from below.
    atm.cloud_tops = base + 500;
    for (const fb_prim& p : feedback(GL_3D_COLOR, plot_clouds))
        for (const std::vector<float>& v : p.v) EXPECT_NEAR(v[2], 0.5f + base / 10000, 1e-4f);

    scn.below_clouds = 0;
    atm.cloud_type = 3;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    plot_clouds();
    EXPECT_TRUE(near(in_cell(3, 2, 0.5f, 0.5f, true), {0, 0, 0})) << "from below the layer faces away";
}

// The overcast seen from above: untextured, each point lite x its shade,
// over the same cells as the puffs, none beyond the range, at the tops.
TEST_F(CloudsAndFiresGl, TheOvercastSheetsColour)
{
    glBindTexture(GL_TEXTURE_2D, 0);
    atm.cloud_type = 4;
    atm.cloud_tops = base + 500;
    scn.above_clouds = 1;
    scn.cld_imax = 6;
    scn.cld_jmax = 4;
    look_at_the_layer(false);
    plot_clouds();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(near(in_cell(2, 1, 0.5f, 0.5f, false), lit({128, 128, 128}))) << str(in_cell(2, 1, 0.5f, 0.5f, false));
    EXPECT_TRUE(near(in_cell(5, 3, 0.9f, 0.9f, false), lit({128, 128, 128}))) << "the range's last cell";
    EXPECT_TRUE(near(in_cell(6, 1, 0.5f, 0.5f, false), {0, 0, 0})) << "east of the range";
    EXPECT_TRUE(near(in_cell(2, 4, 0.5f, 0.5f, false), {0, 0, 0})) << "north of the range";

    // Each point its own shade.
    for (int i = 0; i < cloud_cols; i++)
        for (int j = 0; j < cloud_rows; j++) {
            cloudrgb[i][j][0] = 0.4f + 0.05f * i;
            cloudrgb[i][j][1] = 0.3f + 0.1f * j;
            cloudrgb[i][j][2] = 1.0f;
        }
    std::vector<fb_prim> tris = feedback(GL_3D_COLOR, plot_clouds);
    ASSERT_FALSE(tris.empty());
    int checked = 0;
    for (const fb_prim& p : tris)
        for (const std::vector<float>& v : p.v) {
            int i = intround(v[0] / 100), j = intround(v[1] / 100);   // 1 km is 100 pixels
            EXPECT_NEAR(v[3], lite_r * cloudrgb[i][j][0], 1e-3f) << i << " " << j;
            EXPECT_NEAR(v[4], lite_g * cloudrgb[i][j][1], 1e-3f) << i << " " << j;
            EXPECT_NEAR(v[5], lite_b * cloudrgb[i][j][2], 1e-3f) << i << " " << j;
            EXPECT_LE(i, 6);
            EXPECT_LE(j, 4);
            EXPECT_NEAR(v[2], 0.5f - (base + 500) / 10000, 1e-4f) << "window depth 0.5 - y / 10000 from above";
            checked++;
        }
    EXPECT_EQ(checked, 3 * 2 * 6 * 4) << "two triangles a cell";
}

// A fire picture of the cycle: opaque in its own colour in the bottom half,
// clear in the top half.
unsigned fire_colour(int id) { return (unsigned)(20 * (id - tex_fire_first) + 15) << 24 | 0x40c000u; }

rgb8 rgb_of(unsigned c) { return {(int)(c >> 24), (int)(c >> 16 & 255), (int)(c >> 8 & 255)}; }

// From the south, level: fire 0 stands in the picture the counter and its
// offset pick, 70 m wide and opaque up the picture's opaque half; fire 1
// too, in its own; fire 2 does not burn and fire 3 is behind the camera,
// outside the cone; the smoke, its picture clear here, hides nothing.
TEST_F(CloudsAndFiresGl, AFireBillboardInItsPictureOfTheCycle)
{
    for (int id = tex_fire_first; id <= tex_fire_last; id++)
        picture(id, 4, 4, [id](int, int y) { return y < 2 ? fire_colour(id) | 255u : 0u; });
    picture(tex_smoke, 4, 4, [](int, int) { return 0u; });
    const float fire[4][3] = {{0, 0, -100}, {-90, 0, -100}, {130, 0, -100}, {60, 0, 50}};
    for (int k = 0; k < 4; k++)
        for (int c = 0; c < 3; c++) scn.fire_xyz[k][c] = fire[k][c];
    scn.fire_on[0] = scn.fire_on[1] = scn.fire_on[3] = 1;
    scn.fires_on = 1;
    scn.view_heading = 0;
    msc.dt = 0;
    // The view: 300 m across, 150 m up from 10 m below the ground, 2 pixels a metre.
    glViewport(0, 0, 600, 300);
    ortho_camera(-150, 150, -10, 140, 5000, false);
    OGL_setstate(1, 1, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    rnd15_seed(21);
    plot_fires();
    auto at = [](float x, float y) { return pixel((int)((x + 150) * 2), (int)((y + 10) * 2)); };
    for (int k = 0; k < 2; k++) {
        rgb8 want = rgb_of(fire_colour(fire_tex(k)));
        EXPECT_TRUE(near(at(fire[k][0], 10), want)) << "fire " << k << ": " << str(at(fire[k][0], 10));
        EXPECT_TRUE(near(at(fire[k][0] - 33, 2), want)) << "fire " << k << " reaches 35 m west";
        EXPECT_TRUE(near(at(fire[k][0], 40), {0, 0, 0})) << "fire " << k << ": the clear half";
    }
    EXPECT_TRUE(near(at(40, 10), {0, 0, 0})) << "beyond fire 0's half width";
    EXPECT_TRUE(near(at(130, 10), {0, 0, 0})) << "fire 2 does not burn";
    EXPECT_TRUE(near(at(60, 10), {0, 0, 0})) << "fire 3 is out of the cone";
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

// Seen in the frame's own perspective, turned and pitched: the fire's quad
// and every smoke puff's stand where the matrix rotations by minus the view
// heading (and, for the smoke, minus the pitch about -x) would put them,
// facing the camera (the back faces are culled), each puff fading with age.
TEST_F(CloudsAndFiresGl, BillboardsTurnedAsTheViewsRotationsWould)
{
    scn.view_heading = 30;
    scn.view_pitch = -10;
    const float eye[3] = {-600, 300, 900};
    for (int k = 0; k < fire_slots; k++) {
        scn.fire_xyz[k][0] = 40.0f * k;
        scn.fire_xyz[k][1] = 10;
        scn.fire_xyz[k][2] = -30.0f * k;
    }
    scn.fire_on[0] = 1;
    scn.fires_on = 1;
    msc.dt = 0.05f;
    x0 = eye[0], z0 = eye[2];
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.75, 0.75, -0.5, 0.5, 1, 20000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(scn.view_pitch, -1, 0, 0);
    glRotatef(scn.view_heading, 0, 1, 0);
    glTranslatef(-eye[0], -eye[1], -eye[2]);
    OGL_setstate(1, 1, 0, 0);
    rnd15_seed(4);
    std::vector<fb_prim> drawn = feedback(GL_3D_COLOR, plot_fires);

    std::vector<fb_prim> want = feedback(GL_3D_COLOR, [] {
        auto quad = [](const float* at, float turn_pitch, const float c[4][2]) {
            glPushMatrix();
            glTranslatef(at[0], at[1], at[2]);
            glRotatef(-scn.view_heading, 0, 1, 0);
            glRotatef(-turn_pitch, -1, 0, 0);
            glBegin(GL_QUADS);
            for (int k = 0; k < 4; k++) glVertex3f(c[k][0], c[k][1], 0);
            glEnd();
            glPopMatrix();
        };
        const float fire[4][2] = {{-35, 0}, {-35, 50}, {35, 50}, {35, 0}};
        quad(scn.fire_xyz[0], 0, fire);
        for (int n = 0; n < smoke_puffs; n++) {
            float s = smoke_puff_at(n).size;
            const float puff[4][2] = {{-s, -s}, {-s, s}, {s, s}, {s, -s}};
            quad(smoke_puff_at(n).xyz, scn.view_pitch, puff);
        }
    });
    ASSERT_EQ(want.size(), 2 * (1 + smoke_puffs)) << "every billboard faces the camera";
    ASSERT_EQ(drawn.size(), want.size());
    for (size_t p = 0; p < want.size(); p++) {
        ASSERT_EQ(drawn[p].v.size(), want[p].v.size());
        for (size_t k = 0; k < want[p].v.size(); k++)
            for (int c = 0; c < 3; c++) EXPECT_NEAR(drawn[p].v[k][c], want[p].v[k][c], 0.02f) << p << " " << k << " " << c;
    }
    for (int n = 0; n < smoke_puffs; n++)
        EXPECT_NEAR(drawn[2 + 2 * n].v[0][6], sqrtf(1 - 0.01f * smoke_puff_at(n).age), 1e-3f) << "puff " << n;
}

}  // namespace
