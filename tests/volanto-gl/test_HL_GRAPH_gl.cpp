// The OpenGL drawing path on the virtual display: the font texture read back
// glyph by glyph, the panel-light tint, GL lines, the 3D quads' corners,
// texture coordinates and normal in GL's feedback; the texture loader's alpha
// modes, shrinking, mipmaps, wrapping and seasonal names; the start-up
// picture and the alert drawn in the font.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "gl_feedback.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Back buffer cleared to black, drawing as in the main view.
void start_drawing(void)
{
    MACIBM_init();
    mnw.topwin = 0;
    mnw.x = mnw.y = 0;
    ins.lite_rgb[0] = ins.lite_rgb[1] = ins.lite_rgb[2] = 1.0f;
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
}

std::vector<unsigned char> read_back(int x, int y, int w, int h)
{
    glFinish();
    std::vector<unsigned char> rgb((size_t)w * h * 3);
    host_test_read_pixels(x, y, w, h, rgb.data());
    return rgb;
}

uint32_t rgb(int r, int g, int b) { return (uint32_t)(r << 16 | g << 8 | b); }

std::vector<unsigned char> texture_level(int id, int level, GLenum format, int* w, int* h)
{
    OGL_bindtex(id);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, h);
    std::vector<unsigned char> px((size_t)*w * *h * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, level, format, GL_UNSIGNED_BYTE, px.data());
    return px;
}

class TextureLoader : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override
    {
        start_drawing();
        dir = test_scratch_folder();
        snprintf(tex_path, path_max, "%stextures/", dir.c_str());
        ogl_res = 5;
        atm.sl_temp = 59;
        atm.precip_level = 1;
        flt.lat = 33.5f;
    }
};

}  // namespace

// ---- font ---------------------------------------------------------------------

// Each character's 6 x 10 cell (its glyph, 2 rows under the baseline, and
// the gap column) lights exactly the dots of its shape in colour 1.
TEST(FontGl, StringLightsItsGlyphsAndNothingElseInTheirCells)
{
    start_drawing();
    const char* text = "0Q._Aaqgj|";
    OGL_string(1, 100, 100, text, 800, 6);
    int n = (int)strlen(text);
    std::vector<unsigned char> px = read_back(100, 98, 6 * n, 10);
    for (int k = 0; k < n; k++) {
        char c = text[k];
        int rows = 7;
        const char* dots = font_dots_of(c);
        if (c >= 'a' && c <= 'z') {
            rows = 9;
            dots = font_lower_dots[c - 'a'];
        }
        std::string want, got;
        for (int j = 9; j >= 0; j--) {             // top row first
            for (int col = 0; col < 6; col++) {
                int r = 8 - j;                      // dot row at this pixel row
                bool dot = col < 5 && r >= 0 && r < rows && dots[r * 5 + col] == '#';
                want += dot ? '#' : '.';
                const unsigned char* p = &px[((size_t)j * 6 * n + 6 * k + col) * 3];
                bool on = p[0] > 40 && p[1] > 240 && p[2] > 40 && p[0] < 60 && p[2] < 60;
                bool off = p[0] == 0 && p[1] == 0 && p[2] == 0;
                got += on ? '#' : (off ? '.' : '?');
            }
            want += '/';
            got += '/';
        }
        EXPECT_EQ(got, want) << "character " << c;
    }
}

TEST(FontGl, NumberDrawsItsDigitsThroughTheTexture)
{
    start_drawing();
    OGL_number(0, 200, 200, -7.25f, 3, 2, 6, 1);   // "-7.25"
    std::vector<unsigned char> px = read_back(194, 200, 24, 7);
    auto on = [&](int x, int y) { return px[((size_t)y * 24 + x) * 3 + 1] > 200; };
    EXPECT_TRUE(on(0, 3) && on(4, 3));              // the minus at 194..198
    EXPECT_FALSE(on(0, 2));
    EXPECT_TRUE(on(6, 6) && on(10, 6));             // the 7's top bar at 200..204
    EXPECT_TRUE(on(11, 0));                         // the point's dot at 205
    EXPECT_FALSE(on(11, 1));
}

// ---- colours and lines ---------------------------------------------------------

TEST(DrawingGl, PanelLightTintsTheFirst39Colours)
{
    start_drawing();
    ins.lite_rgb[0] = ins.lite_rgb[1] = ins.lite_rgb[2] = 0.5f;
    mnw.topwin = 1;                                 // a window open halves the effect
    OGL_fillrect(38, 10, 10, 4, 4);
    OGL_fillrect(39, 20, 10, 4, 4);
    mnw.topwin = 0;
    OGL_fillrect(38, 30, 10, 4, 4);
    std::vector<unsigned char> px = read_back(10, 11, 24, 1);
    EXPECT_NEAR(px[0], 0.38 * 0.75 * 255, 2);
    EXPECT_NEAR(px[1], 0.07 * 0.75 * 255, 2);
    EXPECT_NEAR(px[10 * 3 + 0], 255, 1);            // colour 39 as stored
    EXPECT_NEAR(px[20 * 3 + 0], 0.38 * 0.5 * 255, 2);
}

TEST(DrawingGl, LinesLightTheirEndPixel)
{
    start_drawing();
    OGL_line(0, 10, 10, 20, 10);
    OGL_line(0, 50, 60, 50, 60);                    // zero length: one pixel
    std::vector<unsigned char> row = read_back(0, 10, 40, 1);
    for (int x = 0; x < 40; x++) EXPECT_EQ(row[x * 3] > 200, x >= 10 && x <= 20) << x;
    std::vector<unsigned char> spot = read_back(48, 58, 5, 5);
    int lit = 0;
    for (size_t k = 0; k < spot.size(); k += 3) lit += spot[k] > 200;
    EXPECT_EQ(lit, 1);
    EXPECT_GT(spot[(2 * 5 + 2) * 3], 200);
}

// ---- 3D quads ---------------------------------------------------------------------

// Each emitter sends its quad whole, its corners in their order with the
// texture coordinates its header gives them; the normal it leaves is
// (p3 - p2) x (p2 - p1) scaled to 1, straight up for a quad of no area.
TEST(QuadsGl, EmittersSendTheirCornersTextureAndNormal)
{
    start_drawing();
    glViewport(0, 0, 100, 100);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 100, 0, 100, -100, 100);   // window x, y = x, y
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_CULL_FACE);

    const float p1[3] = {10, 10, -4}, p2[3] = {10, 50, -8}, p3[3] = {60, 50, -8}, p4[3] = {60, 10, -4};
    const float* corners[4] = {p1, p2, p3, p4};
    const struct {
        const char* what;
        void (*emit)(const float*, const float*, const float*, const float*);
        float st[4][2];
    } cases[] = {
        {"plain", [](const float* a, const float* b, const float* c, const float* d) { OGL_3dquad(a, b, c, d); },
         {{1, 1}, {1, 0}, {0, 0}, {0, 1}}},
        {"s and t", [](const float* a, const float* b, const float* c,
                       const float* d) { OGL_3dquad_st(a, b, c, d, 0.25f, 0.5f, 0.75f, 2); },
         {{0.25f, 0.5f}, {0.25f, 2}, {0.75f, 2}, {0.75f, 0.5f}}},
        {"range", [](const float* a, const float* b, const float* c,
                     const float* d) { OGL_3dquad_range(a, b, c, d, 5, -20, 10, 4); },
         {{0.5f, 4}, {0.5f, 3}, {5.5f, 3}, {5.5f, 4}}},   // ((x - 5) / 10, (z + 20) / 4)
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<fb_prim> got = feedback(GL_3D_COLOR_TEXTURE, [&] {
            glBegin(GL_QUADS);
            c.emit(p1, p2, p3, p4);
            glEnd();
        });
        // GL may hand the quad back as triangles: each vertex is one of the
        // corners, with that corner's texture coordinates, and every corner comes.
        int seen[4] = {};
        for (const fb_prim& p : got)
            for (const std::vector<float>& v : p.v) {
                int k = 0;
                while (k < 4 && (fabsf(v[0] - corners[k][0]) > 1e-3f || fabsf(v[1] - corners[k][1]) > 1e-3f)) k++;
                if (k == 4) {
                    ADD_FAILURE() << "a vertex at " << v[0] << ", " << v[1];
                    continue;
                }
                seen[k] = 1;
                EXPECT_NEAR(v[7], c.st[k][0], 1e-5f) << "corner " << k;
                EXPECT_NEAR(v[8], c.st[k][1], 1e-5f) << "corner " << k;
            }
        EXPECT_EQ(seen[0] + seen[1] + seen[2] + seen[3], 4);
    }

    // The normal, from the first three corners only.
    const struct {
        const char* what;
        float q[4][3];
        float n[3];
    } normals[] = {
        {"facing the eye", {{10, 10, 0}, {10, 50, 0}, {60, 50, 0}, {60, 10, 0}}, {0, 0, 1}},
        {"tilted", {{0, 0, 0}, {0, 3, -4}, {5, 3, -4}, {99, -7, 3}}, {0, 0.8f, 0.6f}},
        {"ground, clockwise from above", {{0, 0, 0}, {0, 0, -10}, {10, 0, -10}, {10, 0, 0}}, {0, 1, 0}},
        {"ground, anticlockwise", {{0, 0, 0}, {10, 0, 0}, {10, 0, -10}, {0, 0, -10}}, {0, -1, 0}},
        {"a line", {{0, 0, 0}, {1, 2, 3}, {2, 4, 6}, {3, 6, 9}}, {0, 1, 0}},
        {"a point", {{7, 7, 7}, {7, 7, 7}, {7, 7, 7}, {7, 7, 7}}, {0, 1, 0}},
    };
    for (const auto& c : normals) {
        glNormal3f(9, 9, 9);
        glBegin(GL_QUADS);
        OGL_3dquad(c.q[0], c.q[1], c.q[2], c.q[3]);
        glEnd();
        float n[4];
        glGetFloatv(GL_CURRENT_NORMAL, n);
        for (int k = 0; k < 3; k++) EXPECT_NEAR(n[k], c.n[k], 1e-5f) << c.what << ", axis " << k;
    }
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

// ---- texture loader ------------------------------------------------------------

TEST_F(TextureLoader, MagentaKeyAndBrightnessAlpha)
{
    write_test_bmp(dir + "key.BMP", 2, 1, [](int c, int) { return c == 0 ? rgb(255, 0, 255) : rgb(254, 0, 255); });
    int w, h;
    EXPECT_EQ(OGL_texbmp(-102, 170, -105, (dir + "key").c_str(), &w, &h), 1);
    std::vector<unsigned char> t = texture_level(170, 0, GL_RGBA, &w, &h);
    ASSERT_EQ(w, 2);
    EXPECT_EQ(std::vector<unsigned char>(t.begin(), t.begin() + 8),
              (std::vector<unsigned char>{0, 0, 0, 0, 254, 0, 255, 255}));

    write_test_bmp(dir + "glow.BMP", 2, 1, [](int c, int) { return c == 0 ? rgb(30, 60, 90) : rgb(255, 255, 255); });
    EXPECT_EQ(OGL_texbmp(-102, 171, -106, (dir + "glow").c_str(), &w, &h), 1);
    t = texture_level(171, 0, GL_RGBA, &w, &h);
    EXPECT_EQ(std::vector<unsigned char>(t.begin(), t.begin() + 8),
              (std::vector<unsigned char>{255, 255, 255, 60, 255, 255, 255, 255}));
    EXPECT_EQ(OGL_texbmp(-102, 143, -106, (dir + "glow").c_str(), &w, &h), 1);   // smoke is dark
    t = texture_level(143, 0, GL_RGBA, &w, &h);
    EXPECT_EQ(std::vector<unsigned char>(t.begin(), t.begin() + 4), (std::vector<unsigned char>{0, 0, 0, 60}));

    write_test_bmp(dir + "plain.BMP", 3, 2, [](int c, int r) { return rgb(10 * c + 1, 20 * r + 2, 3); });
    EXPECT_EQ(OGL_texbmp(-102, 172, 0, (dir + "plain").c_str(), &w, &h), 1);
    t = texture_level(172, 0, GL_RGB, &w, &h);
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(t[(1 * 3 + 2) * 3 + 0], 21);          // texel (2, 1): rows bottom-up
    EXPECT_EQ(t[(1 * 3 + 2) * 3 + 1], 22);
}

TEST_F(TextureLoader, ResolutionSettingShrinksTerrainMoreThanOthers)
{
    write_test_bmp(tex_path + std::string("terrain/grs.BMP"), 256, 256, [](int c, int r) { return rgb(c, r, 0); });
    write_test_bmp(tex_path + std::string("asphalt/rway_pave.BMP"), 256, 256, [](int c, int r) { return rgb(c, r, 0); });
    ogl_res = 3;
    int w, h;
    EXPECT_EQ(OGL_texbmp(-100, 50, -104, "grs", &w, &h), 1);
    EXPECT_EQ(w, 64);
    EXPECT_EQ(h, 64);
    EXPECT_EQ(OGL_texbmp(-100, 70, 0, "rway_pave", &w, &h), 1);
    EXPECT_EQ(w, 128);
    std::vector<unsigned char> t = texture_level(70, 0, GL_RGB, &w, &h);
    EXPECT_EQ(w, 128);
    EXPECT_EQ(t[(3 * 128 + 5) * 3 + 0], 10);        // every second texel: (5, 3) was (10, 6)
    EXPECT_EQ(t[(3 * 128 + 5) * 3 + 1], 6);
    std::filesystem::create_directories(tex_path + std::string("cockpit"));
    std::filesystem::copy_file(tex_path + std::string("terrain/grs.BMP"), tex_path + std::string("cockpit/big.BMP"));
    EXPECT_EQ(OGL_texbmp(-100, 163, 0, "big", &w, &h), 1);   // cockpit textures are never shrunk
    EXPECT_EQ(w, 256);

    ogl_res = 0;                                    // a damaged preference counts as 1
    EXPECT_EQ(OGL_texbmp(-100, 50, -104, "grs", &w, &h), 1);
    EXPECT_EQ(w, 16);
    ogl_res = 9;                                    // and this as 5
    EXPECT_EQ(OGL_texbmp(-100, 50, -104, "grs", &w, &h), 1);
    EXPECT_EQ(w, 256);
}

TEST_F(TextureLoader, TerrainMipmapsAreTruncatedMeansDownToOneTexel)
{
    // Red of texel (c, r) = 1 + c + 4r, plus 1 on (1, 1): the first 2 x 2 block sums to 1+2+5+7 = 15.
    write_test_bmp(tex_path + std::string("terrain/grs.BMP"), 4, 4,
              [](int c, int r) { return rgb(1 + c + 4 * r + (c == 1 && r == 1), 0, 200); });
    int w, h;
    EXPECT_EQ(OGL_texbmp(-100, 50, -104, "grs", &w, &h), 1);
    std::vector<unsigned char> t = texture_level(50, 1, GL_RGB, &w, &h);
    ASSERT_EQ(w, 2);
    ASSERT_EQ(h, 2);
    EXPECT_EQ(t[0], 3);                             // 15 / 4 = 3.75, truncated
    EXPECT_EQ(t[2], 200);
    t = texture_level(50, 2, GL_RGB, &w, &h);
    EXPECT_EQ(w, 1);
    EXPECT_EQ(h, 1);
    GLint min_filter, wrap_s, wrap_t;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min_filter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap_s);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrap_t);
    EXPECT_EQ(min_filter, GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(wrap_s, GL_CLAMP_TO_EDGE);            // terrain clamps to its edge
    EXPECT_EQ(wrap_t, GL_CLAMP_TO_EDGE);
}

TEST_F(TextureLoader, WrappingAndFilteringByTextureId)
{
    write_test_bmp(tex_path + std::string("asphalt/rway_pave.BMP"), 2, 2, [](int, int) { return rgb(9, 9, 9); });
    write_test_bmp(dir + "custom.BMP", 2, 2, [](int, int) { return rgb(9, 9, 9); });
    int w, h;
    OGL_texbmp(-100, 70, 0, "rway_pave", &w, &h);
    OGL_texbmp(-102, 2001, 0, (dir + "custom").c_str(), &w, &h);
    GLint v;
    OGL_bindtex(70);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &v);
    EXPECT_EQ(v, GL_REPEAT);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &v);
    EXPECT_EQ(v, GL_LINEAR);
    OGL_bindtex(2001);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &v);
    EXPECT_EQ(v, GL_CLAMP_TO_EDGE);
    OGL_bindtex(162);                               // the font from start-up
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &v);
    EXPECT_EQ(v, GL_NEAREST);
}

TEST_F(TextureLoader, NonSquareTerrainGivesANoticeAndStillEndsAtOneTexel)
{
    write_test_bmp(tex_path + std::string("terrain/wat.BMP"), 4, 2, [](int, int) { return rgb(0, 0, 250); });
    host_test_push_key(VK_RETURN, 0);               // answers the notice
    int w, h;
    EXPECT_EQ(OGL_texbmp(-100, 50, -104, "wat", &w, &h), 1);
    EXPECT_NE(read_file("Error.out").find("WHOA!\nYou have defined a NON-SQUARE texture for terrain!\n"),
              std::string::npos);
    texture_level(50, 1, GL_RGB, &w, &h);
    EXPECT_EQ(w, 2);
    EXPECT_EQ(h, 1);
    texture_level(50, 2, GL_RGB, &w, &h);
    EXPECT_EQ(w, 1);
    EXPECT_EQ(h, 1);
}

TEST_F(TextureLoader, MissingTextureIsWhiteAndNeverShrinksToNothing)
{
    ogl_res = 2;                                    // terrain factor 8 on a 4 x 4 stand-in
    int w = 0, h = 0;
    EXPECT_EQ(OGL_texbmp(-100, 53, -104, "none", &w, &h), 0);
    EXPECT_EQ(w, 1);
    EXPECT_EQ(h, 1);
    std::vector<unsigned char> t = texture_level(53, 0, GL_RGB, &w, &h);
    EXPECT_EQ(t[0], 255);
    EXPECT_EQ(OGL_texbmp(-100, 172, 0, "none", &w, &h), 0);
    EXPECT_EQ(w, 2);                                // 4 x 4 white, halved
    EXPECT_EQ(OGL_texbmp(-100, 161, 0, "none", &w, &h), 0);   // the hand: nothing loaded
    EXPECT_EQ(w, 4);
    EXPECT_EQ(read_file("Error.out"), "");
}

TEST_F(TextureLoader, SeasonAndLatitudePickTheTerrainNames)
{
    // Each candidate file has its own red.
    const char* names[] = {"orig", "sno", "mnt", "car", "grs_car_c", "sno_wat_h", "mnt_wat_h"};
    for (int k = 0; k < 7; k++)
        write_test_bmp(tex_path + std::string("terrain/") + names[k] + ".BMP", 1, 1, [k](int, int) { return rgb(10 * (k + 1), 0, 0); });
    write_test_bmp(tex_path + std::string("asphalt/orig.BMP"), 1, 1, [](int, int) { return rgb(10, 0, 0); });

    struct {
        float temp, precip, lat;
        int id;
        const char* used;
    } cases[] = {
        {20, 1, 45, 58, "sno"},          // dry winter
        {20, 1, 45, 54, "mnt"},
        {20, 1, 45, 51, "mnt_wat_h"},
        {20, 1, 45, 50, "orig"},
        {32, 1, 45, 58, "orig"},         // 32 is not below 32
        {32, 2, 45, 54, "sno"},          // wet winter at 32 and below
        {32, 2, 45, 51, "sno_wat_h"},
        {32, 2, 45, 58, "orig"},
        {59, 1, -20, 50, "car"},         // the tropics on both sides of the equator
        {59, 1, 20, 52, "grs_car_c"},
        {20, 1, -20, 52, "grs_car_c"},   // the tropics over the winter
        {20, 1, -20, 58, "sno"},
        {59, 1, 30, 50, "orig"},
        {59, 1, -30, 50, "orig"},
        {20, 1, 45, 70, "orig"},         // runways keep their names
    };
    for (auto c : cases) {
        atm.sl_temp = c.temp;
        atm.precip_level = c.precip;
        flt.lat = c.lat;
        int w, h;
        memset(rgb_array, 0, 16);
        EXPECT_EQ(OGL_texbmp(-100, c.id, 0, "orig", &w, &h), 1) << c.id << " " << c.used;
        int k = rgb_array[0] / 10 - 1;
        ASSERT_GE(k, 0);
        EXPECT_STREQ(names[k], c.used) << "id " << c.id << " T " << c.temp << " P " << c.precip << " lat " << c.lat;
    }
}

// ---- start-up and alerts ---------------------------------------------------------

TEST(StartUpGl, StartUpScreenShowsTheGeneratedPictureAndTheBarTrack)
{
    MACIBM_init();                                  // the bar's steps show the start-up screen
    std::string vsys = read_file(std::string(PROGRAM_DIR) + "bitmaps/VSYS.BMP");
    ASSERT_EQ(vsys.size(), 54u + 800 * 600 * 3);
    for (auto xy : {std::pair<int, int>{400, 550}, {100, 100}, {650, 450}}) {
        unsigned char px[3];
        host_test_read_front(xy.first, xy.second, 1, 1, px);
        size_t at = 54 + ((size_t)xy.second * 800 + xy.first) * 3;
        EXPECT_NEAR(px[0], (unsigned char)vsys[at + 2], 2) << xy.first << "," << xy.second;
        EXPECT_NEAR(px[1], (unsigned char)vsys[at + 1], 2);
        EXPECT_NEAR(px[2], (unsigned char)vsys[at], 2);
    }
    unsigned char track[3];
    host_test_read_front(301, 9, 1, 1, track);      // colour 29 of the empty track
    EXPECT_LT(track[0] + track[1] + track[2], 10);
}

TEST(StartUpGl, AlertLinesAreDrawnInTheFont)
{
    MACIBM_init();
    snprintf(g_cs1, sizeof g_cs1, "%s", "HELLO 42");
    g_cs2[0] = g_cs3[0] = g_cs4[0] = 0;
    MACIBM_startwind(win_alert);
    for (int k = 0; k < 2; k++) MACIBM_event_proc();
    // The first line at (10, 180) in the window, black on the grey face.
    int x0 = (int)mnw.x + 10, y0 = (int)mnw.y + 180;
    std::vector<unsigned char> px(6 * 8 * 7 * 3);
    host_test_read_front(x0, y0, 48, 7, px.data());
    const char* text = "HELLO 42";
    for (int k = 0; k < 8; k++) {
        const char* dots = font_dots_of(text[k]);
        for (int r = 0; r < 7; r++)
            for (int c = 0; c < 5; c++) {
                unsigned char v = px[((size_t)(6 - r) * 48 + 6 * k + c) * 3];
                bool dot = dots[r * 5 + c] == '#';
                EXPECT_EQ(v < 20, dot) << "character " << text[k] << " row " << r << " column " << c;
                EXPECT_EQ(v > 140, !dot);
            }
    }
}
