// The OpenGL drawing path on the virtual display: the font texture read back
// glyph by glyph, the panel-light tint, GL lines, the 3D quads' corners,
// texture coordinates and normal in GL's feedback; the texture loader's alpha
// modes, shrinking, mipmaps, wrapping and seasonal names; the window
// background's tiles and their drawing; the start-up picture and the alert
// drawn in the font.
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

// ---- window background -------------------------------------------------------------

namespace {

// A picture with no pure magenta in it but where put: every pixel its own
// mix of its place, blue below 200.
void paint_background_picture(void)
{
    for (int y = 0; y < 600; y++)
        for (int x = 0; x < 800; x++) {
            unsigned char* p = rgb_array + (y * 800 + x) * 3;
            p[0] = (unsigned char)(x * 7);
            p[1] = (unsigned char)(y * 5);
            p[2] = (unsigned char)((x + y) % 200);
        }
}

void put_rgb(int x, int y, int r, int g, int b)
{
    unsigned char* p = rgb_array + (y * 800 + x) * 3;
    p[0] = (unsigned char)r;
    p[1] = (unsigned char)g;
    p[2] = (unsigned char)b;
}

}  // namespace

// Tile (column c, row r from the bottom) is texture 500 + c + 7r, 128 x 128
// RGBA of 8 bits, nearest and clamped, holding the picture from (128c,
// 128r); pure magenta alone is clear, and the texels past the 800 x 600
// picture (the last column from x 32, the top row from y 88) are 0.
TEST(BackgroundGl, UploadCutsThePictureIntoClampedTiles)
{
    start_drawing();
    paint_background_picture();
    put_rgb(0, 0, 255, 0, 255);
    put_rgb(799, 599, 255, 0, 255);
    put_rgb(1, 0, 255, 0, 254);
    put_rgb(2, 0, 254, 0, 255);
    put_rgb(3, 0, 255, 1, 255);
    OGL_upload_background();

    for (int r = 0; r < 5; r++)
        for (int c = 0; c < 7; c++) {
            SCOPED_TRACE(testing::Message() << "tile " << c << ", " << r);
            int id = tex_tiles_first + c + tex_tiles_across * r, w = 0, h = 0;
            std::vector<unsigned char> t = texture_level(id, 0, GL_RGBA, &w, &h);
            ASSERT_EQ(w, 128);
            ASSERT_EQ(h, 128);
            GLint v = 0;
            for (GLenum size : {GL_TEXTURE_RED_SIZE, GL_TEXTURE_GREEN_SIZE, GL_TEXTURE_BLUE_SIZE, GL_TEXTURE_ALPHA_SIZE}) {
                glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, size, &v);
                EXPECT_EQ(v, 8);
            }
            for (GLenum param : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER}) {
                glGetTexParameteriv(GL_TEXTURE_2D, param, &v);
                EXPECT_EQ(v, GL_NEAREST);
            }
            for (GLenum param : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T}) {
                glGetTexParameteriv(GL_TEXTURE_2D, param, &v);
                EXPECT_EQ(v, GL_CLAMP_TO_EDGE);
            }
            int beyond = 0, wrong = 0;
            for (int ty = 0; ty < 128; ty++)
                for (int tx = 0; tx < 128; tx++) {
                    const unsigned char* texel = &t[((size_t)ty * 128 + tx) * 4];
                    int px = 128 * c + tx, py = 128 * r + ty;
                    if (px >= 800 || py >= 600) {
                        beyond += texel[0] || texel[1] || texel[2] || texel[3];
                        continue;
                    }
                    const unsigned char* s = rgb_array + (py * 800 + px) * 3;
                    int clear = s[0] == 255 && s[1] == 0 && s[2] == 255;
                    wrong += texel[0] != s[0] || texel[1] != s[1] || texel[2] != s[2] || texel[3] != (clear ? 0 : 255);
                }
            EXPECT_EQ(beyond, 0) << "texels past the picture";
            EXPECT_EQ(wrong, 0) << "texels of the picture";
        }
    int w, h;
    std::vector<unsigned char> first = texture_level(tex_tiles_first, 0, GL_RGBA, &w, &h);
    EXPECT_EQ(first[3], 0) << "magenta";
    EXPECT_EQ(first[4 + 3], 255) << "blue 254";
    EXPECT_EQ(first[8 + 3], 255) << "red 254";
    EXPECT_EQ(first[12 + 3], 255) << "green 1";
    std::vector<unsigned char> last = texture_level(tex_tiles_first + 34, 0, GL_RGBA, &w, &h);
    const unsigned char* corner = &last[(87 * 128 + 31) * 4];
    EXPECT_EQ(corner[0] == 255 && corner[1] == 0 && corner[2] == 255 && corner[3] == 0, true) << "pixel (799, 599)";
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

// The 35 tiles cover the screen from (128i, 128j) to the picture's edge,
// the last column 768 to 800 to s 0.25, the top row 512 to 600 to t 0.6875,
// whatever the drawing origin; tinted by the panel light, half as much
// with a window open; texturing and the alpha test off again afterwards.
TEST(BackgroundGl, PlotCoversTheScreenWithTheTiles)
{
    start_drawing();
    ins.lite_rgb[0] = 0.2f;
    ins.lite_rgb[1] = 0.4f;
    ins.lite_rgb[2] = 0.6f;
    mnw.x = 100;
    mnw.y = 50;
    const struct {
        int topwin;
        float rgb[3];
    } tints[] = {{win_main, {0.2f, 0.4f, 0.6f}}, {7, {0.6f, 0.7f, 0.8f}}};
    for (const auto& tint : tints) {
        SCOPED_TRACE(tint.topwin);
        mnw.topwin = tint.topwin;
        std::vector<fb_prim> prims = feedback(GL_3D_COLOR_TEXTURE, [] { OGL_plot_background(); });
        ASSERT_FALSE(prims.empty());
        for (const fb_prim& p : prims)
            for (const std::vector<float>& v : p.v)
                for (int k = 0; k < 3; k++) EXPECT_NEAR(v[3 + k], tint.rgb[k], 1e-3f);
        std::vector<quad> quads = quads_of([] { OGL_plot_background(); });
        ASSERT_EQ(quads.size(), 35u);
        int seen[7][5] = {};
        for (const quad& q : quads) {
            ASSERT_EQ(q.corner.size(), 4u);
            float x1 = 1e9f, y1 = 1e9f, x2 = -1e9f, y2 = -1e9f;
            for (const std::vector<float>& c : q.corner) {
                x1 = fminf(x1, c[0] / mnw.XRAT), y1 = fminf(y1, c[1] / mnw.YRAT);
                x2 = fmaxf(x2, c[0] / mnw.XRAT), y2 = fmaxf(y2, c[1] / mnw.YRAT);
            }
            int i = (int)lroundf(x1 / 128), j = (int)lroundf(y1 / 128);
            ASSERT_TRUE(i >= 0 && i < 7 && j >= 0 && j < 5) << x1 << ", " << y1;
            seen[i][j]++;
            EXPECT_NEAR(x1, 128 * i, 1e-2f);
            EXPECT_NEAR(y1, 128 * j, 1e-2f);
            EXPECT_NEAR(x2, i == 6 ? 800 : 128 * (i + 1), 1e-2f);
            EXPECT_NEAR(y2, j == 4 ? 600 : 128 * (j + 1), 1e-2f);
            float s_end = i == 6 ? 0.25f : 1, t_end = j == 4 ? 0.6875f : 1;
            for (const std::vector<float>& c : q.corner) {
                bool right = c[0] / mnw.XRAT > x1 + 1, top = c[1] / mnw.YRAT > y1 + 1;
                EXPECT_NEAR(c[2], right ? s_end : 0, 1e-5f) << "tile " << i << ", " << j;
                EXPECT_NEAR(c[3], top ? t_end : 0, 1e-5f) << "tile " << i << ", " << j;
            }
        }
        for (int i = 0; i < 7; i++)
            for (int j = 0; j < 5; j++) EXPECT_EQ(seen[i][j], 1) << "tile " << i << ", " << j;
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    }
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

// Drawn over a cleared screen the uploaded picture comes back pixel for
// pixel, its last column and top row included, with the screen showing
// through the magenta alone.
TEST(BackgroundGl, PictureShowsThroughItsTilesExceptMagenta)
{
    start_drawing();
    ASSERT_EQ(mnw.XRAT, 1.0f);
    ASSERT_EQ(mnw.YRAT, 1.0f);
    paint_background_picture();
    for (int y = 300; y < 310; y++)
        for (int x = 400; x < 410; x++) put_rgb(x, y, 255, 0, 255);
    put_rgb(799, 599, 255, 0, 255);
    std::vector<unsigned char> picture(rgb_array, rgb_array + rgb_array_bytes);
    OGL_upload_background();
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    OGL_plot_background();
    std::vector<unsigned char> shown = read_back(0, 0, 800, 600);
    int wrong = 0, first = -1;
    for (int k = 0; k < 800 * 600; k++) {
        const unsigned char* p = &picture[(size_t)k * 3];
        int clear = p[0] == 255 && p[1] == 0 && p[2] == 255;
        unsigned char want[3] = {clear ? (unsigned char)0 : p[0], clear ? (unsigned char)0 : p[1],
                                 clear ? (unsigned char)255 : p[2]};
        if (memcmp(&shown[(size_t)k * 3], want, 3) != 0 && wrong++ == 0) first = k;
    }
    EXPECT_EQ(wrong, 0) << "first at (" << first % 800 << ", " << first / 800 << ")";
}

// ---- start-up and alerts ---------------------------------------------------------

TEST(StartUpGl, StartUpScreenShowsTheGeneratedPictureAndTheBarTrack)
{
    MACIBM_init();                                  // the bar's steps show the start-up screen
    std::string vsys = read_file(std::string(PROGRAM_DIR) + "bitmaps/VSYS.BMP");
    ASSERT_EQ(vsys.size(), 54u + 800 * 600 * 3);
    for (auto xy : {std::pair<int, int>{400, 550}, {500, 100}, {650, 450}}) {   // clear of the tip box
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
