// Custom object textures on the virtual display: a name met again shares its
// texture id and its bitmap is not read twice; a missing bitmap is plain
// white; after 1,000 names the next replaces entry 0 and its texture.
#include <gtest/gtest.h>

#include "Genwrld.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"

#include <GL/gl.h>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A side x side picture of one colour as a 24-bit BMP.
void write_bmp(const std::string& path, int side, int r, int g, int b)
{
    uint32_t v = (uint32_t)(r << 16 | g << 8 | b);
    write_test_bmp(path, side, side, [v](int, int) { return v; });
}

// The texture's size and first texel.
struct texel {
    int side, r, g, b;
};
texel first_texel(int id)
{
    OGL_bindtex(id);
    int w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    std::vector<unsigned char> px((size_t)(w > 0 ? w : 1) * (h > 0 ? h : 1) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    return {w == h ? w : -1, px[0], px[1], px[2]};
}

class CustomTextures : public ::testing::Test {
protected:
    std::string objects, textures;
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_init();
        ogl_res = 5;   // textures at full size
        objects = std::string(test_scratch_folder()) + "custom objects/";
        textures = std::string(test_scratch_folder()) + "custom object textures/";
        std::filesystem::create_directories(objects);
        std::filesystem::create_directories(textures);
        snprintf(obj_path, path_max, "%s", objects.c_str());
        snprintf(otx_path, path_max, "%s", textures.c_str());
    }
    // An object of one quadrilateral for each texture name.
    void write_object(const std::string& name, const std::vector<std::string>& textures_used)
    {
        std::string body = "I\n";
        for (const std::string& t : textures_used) body += "4 " + t + "\n0 0 0\n0 1 0\n1 1 0\n1 0 0\n";
        write_file(objects + name + ".OBJ", body + "99\n");
    }
    int build(const char* name)
    {
        build_obs(0, 0, 0, name, obj_custom);
        return obr.cursor;
    }
};

}  // namespace

TEST_F(CustomTextures, ASharedNameLoadsOnceAndKeepsItsId)
{
    write_bmp(textures + "shared.BMP", 8, 200, 0, 0);
    write_object("first", {"shared", "missing", "Untitled"});
    write_object("second", {"missing", "shared"});

    int a = build("first");
    EXPECT_EQ(obj_texrgb[a][0], 1000);
    EXPECT_EQ(obj_texrgb[a][1], 1001);
    EXPECT_EQ(obj_texrgb[a][2], 0);
    texel t = first_texel(1000);
    EXPECT_EQ(t.side, 8);
    EXPECT_EQ(t.r, 200);
    t = first_texel(1001);   // no bitmap: 4 x 4 plain white
    EXPECT_EQ(t.side, 4);
    EXPECT_EQ(t.r + t.g + t.b, 3 * 255);

    // Another bitmap under the same name is not read: the first one stays.
    write_bmp(textures + "shared.BMP", 16, 0, 0, 200);
    int b = build("second");
    EXPECT_EQ(obj_texrgb[b][0], 1001);
    EXPECT_EQ(obj_texrgb[b][1], 1000);
    EXPECT_EQ(first_texel(1000).side, 8);
    EXPECT_EQ(obr.tex_count, 2);
    EXPECT_EQ(error_out(), "");
}

TEST_F(CustomTextures, The1001stNameReplacesEntry0)
{
    write_bmp(textures + "shared.BMP", 8, 200, 0, 0);
    write_object("first", {"shared"});
    build("first");
    // 999 names more, 50 an object, fill the table.
    for (int k = 1; k < obj_textures; k += 50) {
        std::vector<std::string> names;
        for (int n = k; n < k + 50 && n < obj_textures; n++) names.push_back("t" + std::to_string(n));
        write_object("many", names);
        build("many");
    }
    EXPECT_EQ(obr.tex_count, 0);

    write_bmp(textures + "shared.BMP", 16, 0, 0, 200);
    write_object("later", {"new", "shared"});
    int s = build("later");
    EXPECT_EQ(obj_texrgb[s][0], 1000);      // entry 0 was "shared"
    EXPECT_EQ(first_texel(1000).side, 4);   // and its texture is the new name's
    EXPECT_EQ(obj_texrgb[s][1], 1001);      // "shared" is a new name again, read afresh
    texel t = first_texel(1001);
    EXPECT_EQ(t.side, 16);
    EXPECT_EQ(t.b, 200);
    EXPECT_STREQ(obr.tex_name[0], "new");
}

// The objects the program ships for the scenery at KSBD: each loads whole,
// without an alert, every face textured and its texture found (more than
// the missing bitmap's 4 x 4).
TEST_F(CustomTextures, ShippedObjectsLoadWithTheirTextures)
{
    snprintf(obj_path, path_max, "%sadditional nav data/custom objects/", PROGRAM_DIR);
    snprintf(otx_path, path_max, "%sadditional nav data/custom object textures/", PROGRAM_DIR);
    for (const char* name : {"sbd_terminal", "sbd_tank"}) {
        ASSERT_TRUE(std::filesystem::exists(std::string(obj_path) + name + ".OBJ")) << name;
        int s = build(name);
        int n = obj_type[s] - obj_list_base;
        EXPECT_TRUE(n > 0 && n <= obj_elements) << name << ": type " << obj_type[s];
        for (int e = 0; e < n; e++) {
            EXPECT_TRUE(obj_poltyp[s][e] >= 1 && obj_poltyp[s][e] <= 4) << name << " element " << e;
            // Every face the program ships is textured.
            if (obj_poltyp[s][e] >= 3) {
                EXPECT_GE(obj_texrgb[s][e], 1000) << name << " element " << e;
                EXPECT_GT(first_texel(obj_texrgb[s][e]).side, 4) << name << " element " << e;
            }
        }
    }
    EXPECT_EQ(error_out(), "");
}
