// Custom terrain textures on the virtual display: a square's used names load
// as 2000 + the square's base + the slot, from "custom terrain textures";
// unused names load nothing.
#include <gtest/gtest.h>

#include "Genwrld.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"

#include <GL/gl.h>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

std::string le4(uint32_t v)
{
    std::string s(4, 0);
    for (int k = 0; k < 4; k++) s[k] = (char)(v >> (8 * k));
    return s;
}
std::string f4(float f)
{
    uint32_t v;
    memcpy(&v, &f, 4);
    return le4(v);
}

// The texture's width, 0 when nothing was loaded under the id.
int texture_width(int id)
{
    if (!glIsTexture((GLuint)id)) return 0;
    OGL_bindtex(id);
    int w = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    return w;
}

}  // namespace

TEST(SquareTextures, UsedNamesLoadAtTheSquaresBasePlusTheirSlot)
{
    reset_suite_state();
    MACIBM_init();
    ogl_res = 5;
    std::string root = test_scratch_folder();
    std::filesystem::remove_all(root + "additional nav data");
    snprintf(app_path, path_max, "%s", root.c_str());
    snprintf(cd_path, path_max, "%s", root.c_str());
    snprintf(cus_path, path_max, "%scustom terrain textures/", root.c_str());
    write_test_bmp(root + "custom terrain textures/clay.BMP", 16, 16, [](int, int) { return 0xc0b090u; });
    write_test_bmp(root + "custom terrain textures/a/b.BMP", 16, 16, [](int, int) { return 0x102030u; });
    env.reg_lat = 33;
    env.reg_lon = -119;

    std::string b = "i" + le4(4);
    for (int r = 0; r < 80; r++)
        for (int c = 0; c < 60; c++) b += f4(34 + r / 79.0f) + f4(-118 + c / 59.0f) + f4(300) + le4((uint32_t)-42002);
    b += le4(99);
    const char* names[100] = {"Untitled", "a/b", "clay"};
    for (const char* n : names) {
        std::string field = n ? n : "";
        field.resize(40, '\0');
        b += field;
    }
    std::filesystem::create_directories(root + "additional nav data/+030-120");
    write_file(root + "additional nav data/+030-120/+034-118.env", b);
    read_quadrant(34, -118, 4);

    // Base 40,000 x (34 mod 2) + 10,000 x (-118 floor-mod 3) = 20,000.
    EXPECT_EQ(planetex[59 + 7][79 + 7], 22002u);
    EXPECT_EQ(texture_width(22002), 16);
    EXPECT_EQ(texture_width(22001), 0) << "a name reaching into a folder is unused";
    EXPECT_EQ(texture_width(22000), 0);
    EXPECT_EQ(texture_width(12002), 0) << "the base of |lon| mod 3";
    EXPECT_EQ(error_out(), "");
}
