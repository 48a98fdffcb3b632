// The night sky on the virtual display. In GL's feedback mode: the five
// star groups fading in by the sky's level, and none of them or a meteor
// under a bright sky, which holds the meteor in flight; no meteor in a
// frame of no time; the moon's quad facing the eye from every view, with
// its picture upright and fading with the sky. In pixels: stars at night
// and none by day, and the moon's disc where it stands.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Point.h"
#include "records.h"
#include "gl_feedback.h"
#include "gl_view.h"
#include "host_test.h"
#include "test_support.h"

#include <GL/gl.h>
#include <cmath>
#include <string>
#include <vector>

namespace {

const float dark_sky[3] = {0.05f, 0.1f, 0.3f};     // level 0.28 at 22:00
const float bright_sky[3] = {0.4f, 0.5f, 0.6f};
const float night = 22 * 3600.0f;
const float afternoon = 16 * 3600.0f;

// The phase the first frame draws after rnd15_seed(seed).
float first_phase(unsigned seed)
{
    rnd15_seed(seed);
    float p = fltrand(0, con.pim2);
    rnd15_seed(seed);
    return p;
}

// The time of day at which the moon of phase p stands at angle a of its circle.
float time_for_angle(float a, float p) { return fltwrap(a - p, 0, con.pim2) / con.pim2 * 86400; }

struct sky_frame {
    std::vector<fb_prim> points, lines, polygons;
};

class StarsGl : public ::testing::Test {
protected:
    const float eye[3] = {100, 200, 0};

    void SetUp() override
    {
        reset_suite_state();
        MACIBM_init();
        for (int k = 0; k < 3; k++) con.VIEW_xyz[k] = eye[k];
        // Star i on a grid 10 m apart, 50 a row, in front of the eye.
        for (int i = 0; i < star_count; i++) {
            star_xyz[i][0] = (float)(i % 50) * 10 + 5;
            star_xyz[i][1] = (float)(i / 50) * 10 + 5;
            star_xyz[i][2] = 0;
        }
        glViewport(0, 0, 1000, 1000);
        ortho_camera(0, 1000, 0, 1000, 1000, false);
        OGL_setstate(0, 0, 0, 0);
        atm.meteor_level = 4;
        msc.dt = 1;
    }

    // The star a feedback point stands for, by its place on the grid.
    int star_at(const std::vector<float>& v) const
    {
        int c = (int)lroundf((v[0] - eye[0] - 5) / 10), r = (int)lroundf((v[1] - eye[1] - 5) / 10);
        return c + 50 * r;
    }

    sky_frame frame(const float* rgb, float tod)
    {
        msc.time_of_day = tod;
        sky_frame f;
        for (fb_prim& p : feedback(GL_3D_COLOR, [&] { plot_stars(rgb[0], rgb[1], rgb[2], 0, 0, 800, 600); })) {
            if (p.token == GL_POINT_TOKEN) f.points.push_back(p);
            else if (p.token == GL_POLYGON_TOKEN) f.polygons.push_back(p);
            else f.lines.push_back(p);
        }
        return f;
    }
};

// A meteor's line that moves (the run starts with a spent one at the eye).
bool streak(const fb_prim& l) { return l.v[0][0] != l.v[1][0] || l.v[0][1] != l.v[1][1]; }

}  // namespace

// Each group at the sky's level times its factor, channel by channel no
// darker than the sky: the dim groups are lost in a sky that still shows
// the bright ones. Every star once, entry 0 never.
TEST_F(StarsGl, GroupsFadeInByTheSkysLevel)
{
    const float factor[5] = {1.0f, 0.8f, 0.6f, 0.4f, 0.2f};
    const int first[5] = {1, 201, 401, 801, 1401};
    sky_frame f = frame(dark_sky, night);
    ASSERT_EQ(f.points.size(), (size_t)(star_count - 1));
    std::vector<int> seen(star_count, 0);
    for (const fb_prim& p : f.points) {
        int i = star_at(p.v[0]);
        ASSERT_TRUE(i >= 1 && i < star_count) << "star " << i;
        seen[i]++;
        int g = 4;
        while (i < first[g]) g--;
        float level = 0.28f * factor[g];
        for (int k = 0; k < 3; k++)
            EXPECT_NEAR(p.v[0][3 + k], fmaxf(level, dark_sky[k]), 2e-3) << "star " << i << " channel " << k;
    }
    for (int i = 1; i < star_count; i++) EXPECT_EQ(seen[i], 1) << "star " << i;
}

// Under a bright sky neither stars nor meteors, though one is due nearly
// every frame; the meteor in flight waits and goes on after dark from
// where it was, its age held.
TEST_F(StarsGl, BrightSkyDrawsNoStarNorMeteorAndHoldsTheOneInFlight)
{
    rnd15_seed(4321);
    std::vector<float> last;
    for (int f = 0; f < 2000 && last.empty(); f++)
        for (const fb_prim& l : frame(dark_sky, night).lines)
            if (streak(l)) last = l.v[1];
    ASSERT_FALSE(last.empty()) << "no meteor in 2000 frames";

    for (int f = 0; f < 100; f++) {
        sky_frame b = frame(bright_sky, afternoon);
        EXPECT_TRUE(b.points.empty() && b.lines.empty()) << "bright frame " << f;
    }

    atm.meteor_level = 1;   // a new one unlikely
    sky_frame d = frame(dark_sky, night);
    ASSERT_EQ(d.lines.size(), 1u);
    EXPECT_NEAR(d.lines[0].v[0][0], last[0], 1e-3);
    EXPECT_NEAR(d.lines[0].v[0][1], last[1], 1e-3);
    EXPECT_TRUE(frame(dark_sky, night).lines.empty()) << "two seconds lived, the meteor is gone";
}

// A frame of no time starts no meteor, steps none and draws no line, while
// the stars show as ever.
TEST_F(StarsGl, FrameTimeZeroDrawsNoMeteor)
{
    rnd15_seed(99);
    msc.dt = 0;
    for (int f = 0; f < 200; f++) {
        sky_frame s = frame(dark_sky, night);
        EXPECT_TRUE(s.lines.empty()) << "frame " << f;
        EXPECT_EQ(s.points.size(), (size_t)(star_count - 1));
    }
}

// The frame's camera, turned to heading and pitch, over a span of 24 km.
void frame_camera(const float eye[3], float heading, float pitch)
{
    ortho_camera(-12000, 12000, -12000, 12000, 30000, false);
    glRotatef(pitch, -1, 0, 0);
    glRotatef(heading, 0, 1, 0);
    glTranslatef(-eye[0], -eye[1], -eye[2]);
}

// From any view the quad faces the eye (its corners at one depth, a square
// 500 m a side about the moon's point), upright in the view with the
// picture's (s, t) unchanged, and fades with the sky.
TEST_F(StarsGl, MoonFacesTheEyeFromEveryView)
{
    flt.lat = 34;
    const float phase = first_phase(5);
    const float angle = 1.2f;
    msc.time_of_day = time_for_angle(angle, phase);
    float at[3];
    ASSERT_TRUE(moon_position(msc.time_of_day, phase, flt.lat, at));
    for (int k = 0; k < 3; k++) at[k] += eye[k];
    const float px = 1000.0f / 24000;   // pixels a metre

    struct {
        float heading, pitch;
    } views[] = {{0, 0}, {90, 10}, {225, 60}, {-400, -30}, {30, 89}};
    for (const auto& view : views) {
        scn.view_heading = view.heading;
        scn.view_pitch = view.pitch;
        frame_camera(eye, view.heading, view.pitch);
        std::vector<fb_prim> centre = feedback(GL_3D, [&] {
            glBegin(GL_POINTS);
            glVertex3fv(at);
            glEnd();
        });
        ASSERT_EQ(centre.size(), 1u);
        const std::vector<float>& c = centre[0].v[0];

        std::vector<fb_prim> quad = feedback(GL_3D_COLOR_TEXTURE, [&] {
            plot_stars(bright_sky[0], bright_sky[1], bright_sky[2], 0, 0, 800, 600);
        });
        ASSERT_FALSE(quad.empty());
        int corners = 0;
        for (const fb_prim& p : quad) {
            ASSERT_EQ(p.token, GL_POLYGON_TOKEN);
            for (const std::vector<float>& v : p.v) {
                float s = v[7], t = v[8];
                std::string at_st = "heading " + std::to_string(view.heading) + " (s, t) " + std::to_string(s) +
                                    ", " + std::to_string(t);
                EXPECT_NEAR(v[0], c[0] + (2 * s - 1) * 250 * px, 0.05f) << at_st;
                EXPECT_NEAR(v[1], c[1] + (2 * t - 1) * 250 * px, 0.05f) << at_st;
                EXPECT_NEAR(v[2], c[2], 1e-4) << at_st;
                EXPECT_NEAR(v[6], 1 - 0.4f * 1.5f, 1e-3) << "alpha, " << at_st;
                corners++;
            }
        }
        EXPECT_GE(corners, 4);
    }
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

// ---- in pixels ----------------------------------------------------------------

namespace {

// The whole 1024 x 768 window through a frustum of the frame's width at
// near plane 1, turned to heading and pitch; cleared to black.
void look(const float eye[3], float heading, float pitch)
{
    glViewport(0, 0, 1024, 768);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.75, 0.75, -0.5625, 0.5625, 1, 30000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(pitch, -1, 0, 0);
    glRotatef(heading, 0, 1, 0);
    glTranslatef(-eye[0], -eye[1], -eye[2]);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

int lit_pixels(void)
{
    std::vector<unsigned char> px(1024 * 768 * 3);
    glFinish();
    host_test_read_pixels(0, 0, 1024, 768, px.data());
    int n = 0;
    for (size_t i = 0; i < px.size(); i += 3) n += px[i] + px[i + 1] + px[i + 2] > 60;
    return n;
}

void pixel(int x, int y, unsigned char rgb[3])
{
    glFinish();
    host_test_read_pixels(x, y, 1, 1, rgb);
}

// The stars spread over the sky above the eye as the start-up spreads them.
void scatter_stars(void)
{
    rnd15_seed(3);
    for (int s = 0; s < star_count; s++) {
        float e = fltrand(10, 80) * con.degtorad, a = fltrand(0, 360) * con.degtorad;
        star_xyz[s][0] = 1000 * sinf(a) * cosf(e);
        star_xyz[s][1] = 1000 * sinf(e);
        star_xyz[s][2] = 1000 * cosf(a) * cosf(e);
    }
}

}  // namespace

// Looking 45 degrees up: hundreds of stars at night, none by day (with the
// moon down).
TEST_F(StarsGl, StarsShowAtNightAndNotByDay)
{
    scatter_stars();
    flt.lat = 34;
    unsigned seed = 1;
    while (first_phase(seed) > 1.5f) seed++;   // a phase that has the moon down at 16:00
    float at[3];
    ASSERT_FALSE(moon_position(afternoon, first_phase(seed), flt.lat, at));
    rnd15_seed(seed);

    look(eye, 0, 45);
    plot_stars(bright_sky[0], bright_sky[1], bright_sky[2], 0, 0, 800, 600);
    EXPECT_EQ(lit_pixels(), 0);

    msc.time_of_day = night;
    look(eye, 0, 45);
    plot_stars(0.02f, 0.03f, 0.08f, 0, 0, 800, 600);
    EXPECT_GT(lit_pixels(), 200);
}

// The moon at a quarter of its circle, looked at straight: its picture (a
// grey disc on magenta, keyed) fills the middle of the view; the picture's
// keyed corners and the sky beside the quad stay black.
TEST_F(StarsGl, MoonDiscStandsWhereItIsUp)
{
    std::string dir = std::string(test_scratch_folder()) + "moon/";
    write_test_bmp(dir + "moon.BMP", 32, 32, [](int c, int r) {
        float dx = c - 15.5f, dy = r - 15.5f;
        return dx * dx + dy * dy < 12 * 12 ? 0x969696u : 0xff00ffu;
    });
    int w = 0, h = 0;
    ASSERT_EQ(OGL_texbmp(bmp_by_path, tex_moon, bmp_keyed, (dir + "moon").c_str(), &w, &h), 1);
    memset(star_xyz, 0, sizeof star_xyz);   // every star at the eye: clipped away

    flt.lat = 34;
    const float phase = first_phase(11);
    msc.time_of_day = time_for_angle(con.pid2, phase);
    float at[3];
    ASSERT_TRUE(moon_position(msc.time_of_day, phase, flt.lat, at));
    // Highest, to the south: heading 180, pitched up by 90 less the latitude.
    scn.view_heading = 180;
    scn.view_pitch = 90 - flt.lat;
    look(eye, scn.view_heading, scn.view_pitch);
    plot_stars(0.02f, 0.03f, 0.08f, 0, 0, 800, 600);

    // 250 m at 10 km: 17 pixels from the middle to the quad's edge.
    const float alpha = 1 - 0.4f * 0.13f;
    unsigned char rgb[3];
    pixel(512, 384, rgb);
    for (int k = 0; k < 3; k++) EXPECT_NEAR(rgb[k], 150 * alpha, 3) << "the disc, channel " << k;
    pixel(512 + 15, 384 + 15, rgb);
    EXPECT_EQ(rgb[0] + rgb[1] + rgb[2], 0) << "the picture's keyed corner";
    pixel(512 + 25, 384, rgb);
    EXPECT_EQ(rgb[0] + rgb[1] + rgb[2], 0) << "beside the quad";
}
