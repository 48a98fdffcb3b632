// The aircraft's own textures that the mesh build loads beside its file:
// the propeller and strut paint, the right faces that fall back to the left
// faces' paint, and the cockpit hand that falls back to the shared one.
// Read back from the texture ids.
#include <gtest/gtest.h>

#include "Drplane.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"

#include <GL/gl.h>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

uint32_t rgb(int r, int g, int b) { return (uint32_t)(r << 16 | g << 8 | b); }

// The texture's size and its first texel as RGBA.
std::vector<int> texture_corner(int id)
{
    int w = 0, h = 0;
    OGL_bindtex(id);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    std::vector<unsigned char> px((size_t)w * h * 4 + 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
    return {w, h, px[0], px[1], px[2], px[3]};
}

class MeshPaint : public ::testing::Test {
protected:
    std::string base;
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_init();
        std::string dir = test_scratch_folder();
        snprintf(tex_path, path_max, "%stextures/", dir.c_str());
        ogl_res = 5;
        base = dir + "planes/Kite";
        for (int p = 0; p < 2; p++) snprintf(pln[p].C_path, sizeof pln[p].C_path, "%s.acf", base.c_str());
    }
    void paint(const char* suffix, int w, int h, uint32_t colour)
    {
        write_test_bmp(base + suffix + ".bmp", w, h, [colour](int, int) { return colour; });
    }
};

}  // namespace

// Each extra texture from its own file; a right face without one shows the
// left face's paint, and a part with neither is the loader's plain white.
TEST_F(MeshPaint, RightFacesFallBackToTheLeftFacesPaint)
{
    paint(" prop", 8, 2, rgb(10, 0, 0));
    paint(" strt", 4, 4, rgb(20, 0, 0));
    paint(" vst1", 8, 4, rgb(30, 0, 0));
    paint(" fuse", 16, 8, rgb(40, 0, 0));
    paint(" fuseR", 32, 8, rgb(50, 0, 0));
    load_plane_geo(1, 0, 0, 1);
    struct {
        int code, w, h, red;
    } cases[] = {
        {paint_prop, 8, 2, 10},  {paint_strt, 4, 4, 20},   {paint_vst1R, 8, 4, 30},
        {paint_vst2R, 4, 4, 255}, {paint_fuseR, 32, 8, 50},
    };
    for (auto& c : cases) {
        std::vector<int> t = texture_corner(paint_tex(1, c.code));
        EXPECT_EQ(t[0], c.w) << paint_suffix[c.code];
        EXPECT_EQ(t[1], c.h) << paint_suffix[c.code];
        EXPECT_EQ(t[2], c.red) << paint_suffix[c.code];
    }
}

// The user's aircraft brings its own hand for the cockpit's handles, else
// the shared one is used; magenta is see-through (black, alpha 0) in both. Slot 1 never
// touches the hand.
TEST_F(MeshPaint, HandComesFromTheAircraftElseTheSharedFolder)
{
    write_test_bmp(tex_path + std::string("cockpit/hand.BMP"), 8, 8,
                   [](int c, int r) { return c == 0 && r == 0 ? rgb(255, 0, 255) : rgb(90, 90, 90); });
    load_plane_geo(1, 0, 0, 0);
    EXPECT_EQ(texture_corner(tex_hand), (std::vector<int>{8, 8, 0, 0, 0, 0}));

    paint(" hand", 16, 4, rgb(255, 0, 255));
    load_plane_geo(1, 0, 0, 1);
    EXPECT_EQ(texture_corner(tex_hand)[0], 8);
    load_plane_geo(1, 0, 0, 0);
    EXPECT_EQ(texture_corner(tex_hand), (std::vector<int>{16, 4, 0, 0, 0, 0}));
}

// Past the redline the right wings are gone, and a stabiliser may have its
// left half alone: each left half still gets its pair's paint, while no
// template is drawn from a right half that is not there.
TEST_F(MeshPaint, ALeftHalfAloneStillLoadsItsPairsPaint)
{
    paint(" wng1", 8, 4, rgb(60, 0, 0));
    paint(" hstb", 4, 8, rgb(70, 0, 0));
    planestruct& a = pln[1];
    for (int part : {4, 5, 10}) {
        a.semilen[part] = part == 10 ? 1.5f : 4;
        a.Croot[part] = a.Ctip[part] = 1;
        a.els[part] = 1;
    }
    flt.redline_busted = 1;
    ASSERT_FALSE(have_this_part(5, 1));
    ASSERT_FALSE(have_this_part(11, 1));
    load_plane_geo(1, 1, 0, 1);
    EXPECT_EQ(texture_corner(paint_tex(1, paint_wng1)), (std::vector<int>{8, 4, 60, 0, 0, 255}));
    EXPECT_EQ(texture_corner(paint_tex(1, paint_hstb)), (std::vector<int>{4, 8, 70, 0, 0, 255}));
    for (const char* suffix : {" wng1start.bmp", " hstbstart.bmp"})
        EXPECT_EQ(access((base + suffix).c_str(), F_OK), -1) << suffix;
    EXPECT_EQ(access((base + " fusestart.bmp").c_str(), F_OK), 0);
}
