// The region's objects drawn on the virtual display, read in GL's feedback
// mode turned back to world metres, and as pixels: masts of both kinds and
// pylons; the night lights of each box type (windows, pad rings,
// obstruction lights) and of custom objects; the walls' texture heights,
// also for an object whose top stands at its base; the walls batched by
// type in increasing type order, then the roofs, and only the objects in
// view; each wall, roof and custom face in its own texture, or none.
#include <gtest/gtest.h>

#include "Add-ons.h"
#include "Funct.h"
#include "Genwrld.h"
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
#include <cstring>
#include <string>
#include <vector>

namespace {

const int view_w = 400, view_h = 300;

// A ring of a box: half-width along x, height, half-depth along z.
struct ring {
    float hx, y, hz;
};

// An element of a custom object: its vertex count, texture or colour code
// and points.
struct element {
    int count, texrgb;
    std::vector<std::vector<float>> p;
};

class ObjectDrawing : public ::testing::Test {
protected:
    float left = -100, right = 100, bottom = -10, top = 170;

    void SetUp() override
    {
        reset_suite_state();
        MACIBM_init();
        glViewport(0, 0, view_w, view_h);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        // Back faces culled as in the main view: what faces away is not drawn.
        glEnable(GL_CULL_FACE);
        glFrontFace(GL_CW);
        glCullFace(GL_BACK);
        // The drawer turns fog on; far enough that it never shows.
        glFogf(GL_FOG_START, 1e6f);
        glFogf(GL_FOG_END, 2e6f);
        ogl_brat_ter = 0.8f;
        scn.city_lights = 0;
        msc.sim_time = 0.3f;
        look_from_south();
    }

    // Level from the south, x across and y up on the span of the fixture.
    void look_from_south(void)
    {
        ortho_camera(left, right, bottom, top, 5000, false);
    }
    float world_x(const std::vector<float>& v) const { return left + v[0] / view_w * (right - left); }
    float world_y(const std::vector<float>& v) const { return bottom + v[1] / view_h * (top - bottom); }

    // Rings as the loader lays them, centred on (x, z), corners (-hx, +hz),
    // (-hx, -hz), (+hx, -hz), (+hx, +hz).
    static void box(int o, int type, float x, float z, const std::vector<ring>& rings)
    {
        obj_type[o] = type;
        for (size_t l = 0; l < rings.size(); l++) {
            const ring& r = rings[l];
            const float c[4][2] = {{-r.hx, r.hz}, {-r.hx, -r.hz}, {r.hx, -r.hz}, {r.hx, r.hz}};
            for (int k = 0; k < 4; k++) {
                obj_xyz[o][l][k][0] = x + c[k][0];
                obj_xyz[o][l][k][1] = r.y;
                obj_xyz[o][l][k][2] = z + c[k][1];
            }
        }
    }
    static void pole(int o, int type, float x, float h) { box(o, type, x, 0, {{0, 0, 0}, {0, h, 0}}); }
    static void custom(int o, const std::vector<element>& elements)
    {
        obj_type[o] = obj_list_base + (int)elements.size();
        for (size_t e = 0; e < elements.size(); e++) {
            obj_poltyp[o][e] = elements[e].count;
            obj_texrgb[o][e] = elements[e].texrgb;
            for (size_t v = 0; v < elements[e].p.size(); v++)
                for (int c = 0; c < 3; c++) obj_xyz[o][e][v][c] = elements[e].p[v][c];
            obj_nrml[o][e][2] = 1;
        }
    }
    // Only these slots in view, bucketed as the frame does.
    static void in_view(const std::vector<int>& slots)
    {
        memset(obj_inrange, 0, sizeof obj_inrange);
        for (int o : slots) obj_inrange[o] = 1;
        bucket_objects();
    }
    static std::vector<fb_prim> drawn(GLenum type = GL_3D_COLOR)
    {
        return feedback(type, [] { plot_obstacles(); });
    }
};

std::vector<fb_prim> only(const std::vector<fb_prim>& prims, int token)
{
    std::vector<fb_prim> out;
    for (const fb_prim& p : prims)
        if (p.token == token || (token == GL_LINE_TOKEN && p.token == GL_LINE_RESET_TOKEN)) out.push_back(p);
    return out;
}

bool colour_is(const std::vector<float>& v, float r, float g, float b)
{
    return fabsf(v[3] - r) < 2e-3f && fabsf(v[4] - g) < 2e-3f && fabsf(v[5] - b) < 2e-3f;
}

}  // namespace

// A mast of 150 m is 10 grey points up to its top, red pulsing at night; one
// of 151 m is 13 points in red and white stripes below its top and a red
// beacon on it; a pylon is five lines, its cross-arm the height wide.
TEST_F(ObjectDrawing, MastsAndPylons)
{
    const int o = 7;
    const float grey = 0.5f * ogl_brat_ter;
    for (int night : {0, 1}) {
        SCOPED_TRACE(night ? "night" : "day");
        scn.city_lights = night;
        pole(o, obj_mast, 10, 150);
        in_view({o});
        auto pts = only(drawn(), GL_POINT_TOKEN);
        ASSERT_EQ(pts.size(), 10u);
        for (int k = 0; k < 10; k++) {
            EXPECT_NEAR(world_y(pts[k].v[0]), k * 150.0f / 9, 0.3f);
            EXPECT_NEAR(world_x(pts[k].v[0]), 10, 0.3f);
            float r = night ? pulse(o) : grey, gb = night ? 0 : grey;
            EXPECT_TRUE(colour_is(pts[k].v[0], r, gb, gb)) << k;
        }

        pole(o, obj_mast, 10, 151);
        in_view({o});
        pts = only(drawn(), GL_POINT_TOKEN);
        ASSERT_EQ(pts.size(), 14u);
        for (int k = 0; k < 13; k++) {
            EXPECT_NEAR(world_y(pts[k].v[0]), k * 151.0f / 13, 0.3f);
            float w = k % 2 ? 1.0f : 0.0f;
            EXPECT_TRUE(colour_is(pts[k].v[0], 1, w, w)) << k;
        }
        EXPECT_NEAR(world_y(pts[13].v[0]), 151, 0.3f);
        EXPECT_TRUE(colour_is(pts[13].v[0], 1, 0, 0));
    }

    pole(o, obj_pylon, 10, 100);
    in_view({o});
    auto lines = only(drawn(), GL_LINE_TOKEN);
    ASSERT_EQ(lines.size(), 5u);
    const auto& arm = lines[4].v;
    EXPECT_NEAR(world_y(arm[0]), 100, 0.3f);
    EXPECT_NEAR(world_y(arm[1]), 100, 0.3f);
    EXPECT_NEAR(fabsf(world_x(arm[1]) - world_x(arm[0])), 100, 0.3f);
    EXPECT_TRUE(colour_is(arm[0], 0.3f * ogl_brat_ter, 0.3f * ogl_brat_ter, 0.3f * ogl_brat_ter));
}

// At night each box type shows its windows (81 to a wall, on its level,
// 5 m out of the wall), its pad ring and its obstruction lights on the top
// ring's corners; types 93 and 97 none; by day nothing is lit.
TEST_F(ObjectDrawing, NightLightsByType)
{
    const int o = 1;   // not a third slot: its obstruction lights pulse red
    const std::vector<ring> rings = {{10, 0, 8}, {10, 10, 8}, {10, 20, 8}, {10, 30, 8}};
    const float white[3] = {1, 1, 1}, yellow[3] = {1, 0.85f, 0}, green[3] = {0.4f, 1, 0.6f};
    const struct {
        int type;
        const float* windows;
        int level;   // of the windows
        int pad, obstruction;
        float top_y;
    } cases[] = {
        {obj_tower, nullptr, 0, 0, 1, 30},    {obj_building, nullptr, 0, 0, 1, 10},
        {obj_headed_tower, nullptr, 0, 0, 1, 30}, {obj_chimney, nullptr, 0, 0, 1, 10},
        {90, white, 0, 0, 1, 30},             {91, yellow, 1, 0, 1, 30},
        {92, green, 2, 0, 1, 30},             {93, nullptr, 0, 0, 0, 30},
        {94, white, 0, 1, 1, 30},             {95, yellow, 1, 1, 1, 30},
        {96, green, 2, 1, 1, 30},             {obj_hangar, nullptr, 0, 0, 0, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type));
        box(o, c.type, 0, 0, rings);
        in_view({o});
        scn.city_lights = 0;
        EXPECT_EQ(only(drawn(), GL_POINT_TOKEN).size(), 0u);

        scn.city_lights = 1;
        int windows = 0, pad = 0, obstruction = 0, other = 0;
        float xmin = 1e9f, xmax = -1e9f, ymin = 1e9f, ymax = -1e9f;
        for (const fb_prim& p : only(drawn(), GL_POINT_TOKEN)) {
            const auto& v = p.v[0];
            float x = world_x(v), y = world_y(v);
            if (c.windows && colour_is(v, c.windows[0], c.windows[1], c.windows[2])) {
                windows++;
                xmin = fminf(xmin, x), xmax = fmaxf(xmax, x), ymin = fminf(ymin, y), ymax = fmaxf(ymax, y);
            } else if (colour_is(v, 0.6f, 0.6f, 0.3f)) {
                pad++;
                EXPECT_NEAR(y, c.top_y + 1, 0.3f);
                EXPECT_LE(fabsf(x), 10.3f);
            } else if (colour_is(v, pulse(o), 0, 0)) {
                obstruction++;
                EXPECT_NEAR(y, c.top_y, 0.3f);
                EXPECT_NEAR(fabsf(x), 10, 0.3f);
            } else {
                other++;
            }
        }
        EXPECT_EQ(windows, c.windows ? 4 * 81 : 0);
        EXPECT_EQ(pad, c.pad ? 36 : 0);
        EXPECT_EQ(obstruction, c.obstruction ? 4 : 0);
        EXPECT_EQ(other, 0);
        if (c.windows) {
            EXPECT_NEAR(xmin, -15, 0.3f);
            EXPECT_NEAR(xmax, 15, 0.3f);
            EXPECT_NEAR(ymin, 10.0f * c.level + 1, 0.3f);
            EXPECT_NEAR(ymax, 10.0f * c.level + 9, 0.3f);
        }
    }
}

// Every third slot's obstruction lights flash between two colour-table
// entries, a tenth of a second in each second.
TEST_F(ObjectDrawing, EveryThirdSlotsObstructionLightsFlash)
{
    const int o = 3;
    box(o, obj_building, 0, 0, {{10, 0, 8}, {10, 10, 8}});
    in_view({o});
    scn.city_lights = 1;
    for (float t : {0.7f, 1.7f, 0.8f, 1.2f}) {
        msc.sim_time = t;
        int lit = (int)lroundf(t * 10) % 10 == 7;
        const float* want = col_rgb[lit ? 39 : 46];
        auto pts = only(drawn(), GL_POINT_TOKEN);
        ASSERT_EQ(pts.size(), 4u);
        for (const fb_prim& p : pts) EXPECT_TRUE(colour_is(p.v[0], want[0], want[1], want[2])) << t;
    }
}

// A custom object's light points show their colour codes at night (101010
// white, 999999 a red pulse); its lines are drawn day and night, dimmed
// with the terrain.
TEST_F(ObjectDrawing, CustomLightsAndLines)
{
    const int o = 5;
    ogl_brat_ter = 0.5f;
    custom(o, {{1, 101010, {{0, 10, 0}}},
               {1, 999999, {{10, 10, 0}}},
               {1, 50300, {{20, 10, 0}}},
               {2, 100500, {{0, 20, 0}, {20, 20, 0}}}});
    in_view({o});
    for (int night : {0, 1})
        for (float t : {0.3f, 1.1f}) {
            SCOPED_TRACE(std::to_string(night) + " at " + std::to_string(t));
            scn.city_lights = night;
            msc.sim_time = t;
            auto prims = drawn();
            auto lines = only(prims, GL_LINE_TOKEN);
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_TRUE(colour_is(lines[0].v[0], 0.5f, 0.25f, 0));
            auto pts = only(prims, GL_POINT_TOKEN);
            if (!night) {
                EXPECT_EQ(pts.size(), 0u);
                continue;
            }
            ASSERT_EQ(pts.size(), 3u);
            EXPECT_TRUE(colour_is(pts[0].v[0], 1, 1, 1));
            EXPECT_TRUE(colour_is(pts[1].v[0], pulse(o), 0, 0));
            EXPECT_TRUE(colour_is(pts[2].v[0], 0.5f, 0.3f, 0));
            EXPECT_NEAR(world_x(pts[1].v[0]), 10, 0.3f);
            EXPECT_NEAR(world_y(pts[1].v[0]), 10, 0.3f);
        }
    // The pulse moves with time: the flashing light is not a steady one.
    msc.sim_time = 0.3f;
    float a = pulse(o);
    msc.sim_time = 1.1f;
    EXPECT_GT(fabsf(pulse(o) - a), 0.1f);
}

// A wall's texture runs from t 0 at the object's base to 1 at its top, s
// from 1 at its first corner to 0 at the next; an object whose top ring
// stands at its base's height is textured at t 0, not divided by zero.
TEST_F(ObjectDrawing, WallTextureHeights)
{
    const struct {
        const char* what;
        int type;
        std::vector<ring> rings;
        float height;   // 0: t is 0 throughout
    } cases[] = {
        {"a control tower", obj_tower, {{3, 0, 3}, {3, 19, 3}, {5, 23, 5}, {3, 24, 3}}, 24},
        {"a tower whose top is at its base", obj_headed_tower, {{10, 0, 5}, {8, 4, 5}, {6, 8, 5}, {4, 0, 5}}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        box(2, c.type, 0, 0, c.rings);
        in_view({2});
        int triangles = 0;
        for (const fb_prim& p : only(drawn(GL_3D_COLOR_TEXTURE), GL_POLYGON_TOKEN)) {
            // Roofs and the side walls are edge-on from here.
            bool level = true, upright = true;
            for (const auto& v : p.v) {
                level = level && fabsf(v[1] - p.v[0][1]) < 1e-3f;
                upright = upright && fabsf(v[0] - p.v[0][0]) < 1e-3f;
            }
            if (level || upright) continue;
            triangles += (int)p.v.size() - 2;
            for (const auto& v : p.v) {
                float s = v[7], t = v[8], y = world_y(v);
                ASSERT_TRUE(std::isfinite(s) && std::isfinite(t));
                EXPECT_NEAR(t, c.height > 0 ? y / c.height : 0, 2e-3f);
                // The south wall runs from corner 3 (east) to corner 0 (west).
                if (c.height > 0) {
                    EXPECT_EQ(s, world_x(v) > 0 ? 1 : 0);
                }
            }
        }
        EXPECT_EQ(triangles, 2 * 3);   // the one wall of each level that faces south
    }
}

// The walls come type by type in increasing type order, each type's
// objects in slot order; then the flat roofs and the pads; an object out of
// view is not drawn.
TEST_F(ObjectDrawing, WallsBatchedByTypeThenRoofs)
{
    const std::vector<ring> rings = {{10, 0, 10}, {10, 10, 10}, {10, 20, 10}, {10, 30, 10}};
    const int types[6] = {90, obj_building, obj_hangar, obj_building, 94, obj_building};
    for (int o = 0; o < 6; o++) box(o, types[o], -250.0f + 100.0f * (float)o, 0, rings);
    in_view({0, 1, 2, 3, 4});
    left = -400, right = 400, bottom = -200, top = 200;
    look_from_south();
    glRotatef(20, 1, 0, 0);   // from a little above: the roofs show
    glRotatef(30, 0, 1, 0);
    // Each object's middle in window coordinates.
    float mv[16], pr[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    glGetFloatv(GL_PROJECTION_MATRIX, pr);
    float centre[6][2];
    for (int o = 0; o < 6; o++) {
        float p[4] = {-250.0f + 100.0f * (float)o, 15, 0, 1}, e[4] = {}, c[4] = {};
        for (int r = 0; r < 4; r++)
            for (int k = 0; k < 4; k++) e[r] += mv[k * 4 + r] * p[k];
        for (int r = 0; r < 4; r++)
            for (int k = 0; k < 4; k++) c[r] += pr[k * 4 + r] * e[k];
        centre[o][0] = (c[0] / c[3] + 1) * view_w / 2;
        centre[o][1] = (c[1] / c[3] + 1) * view_h / 2;
    }
    std::vector<int> order;
    for (const fb_prim& p : only(drawn(), GL_POLYGON_TOKEN)) {
        float x = 0, y = 0;
        for (const auto& v : p.v) x += v[0] / p.v.size(), y += v[1] / p.v.size();
        int best = 0;
        for (int o = 1; o < 6; o++)
            if (hypotf(x - centre[o][0], y - centre[o][1]) < hypotf(x - centre[best][0], y - centre[best][1])) best = o;
        if (order.empty() || order.back() != best) order.push_back(best);
    }
    EXPECT_EQ(order, (std::vector<int>{1, 3, 0, 4, 2, 1, 3, 0, 2, 4}));
}

// Walls in their type's texture, flat roofs paved, pads in the pad's
// picture; a custom face of texture 0 is drawn without the texture bound
// before it. Each texture is one primary colour.
TEST_F(ObjectDrawing, EachSurfaceInItsTexture)
{
    auto flat = [](int id, unsigned char r, unsigned char g, unsigned char b) {
        unsigned char px[4 * 4 * 3];
        for (int k = 0; k < 16; k++) px[3 * k] = r, px[3 * k + 1] = g, px[3 * k + 2] = b;
        OGL_bindtex(id);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 4, 4, 0, GL_RGB, GL_UNSIGNED_BYTE, px);
    };
    flat(tex_bld_block, 255, 0, 0);
    flat(tex_asphalt_first + rway_pave, 0, 255, 0);
    flat(tex_pad, 0, 0, 255);
    flat(tex_object_first, 255, 255, 0);
    box(0, obj_building, -50, 0, {{20, 0, 20}, {20, 40, 20}});
    box(1, 94, 50, 0, {{20, 0, 20}, {20, 10, 20}, {20, 20, 20}, {20, 40, 20}});
    // Two faces towards the south, textured then untextured.
    custom(2, {{4, tex_object_first, {{-20, 60, 0}, {-20, 80, 0}, {0, 80, 0}, {0, 60, 0}}},
               {4, 0, {{0, 60, 0}, {0, 80, 0}, {20, 80, 0}, {20, 60, 0}}}});
    in_view({0, 1, 2});
    auto pixel = [](float fx, float fy) {
        glFinish();
        unsigned char rgb[3];
        host_test_read_pixels((int)(fx * view_w), (int)(fy * view_h), 1, 1, rgb);
        return std::vector<int>{rgb[0], rgb[1], rgb[2]};
    };
    auto only_channel = [](const std::vector<int>& rgb, int c) {
        for (int k = 0; k < 3; k++)
            if (k == c ? rgb[k] < 100 : rgb[k] > 20) return false;
        return true;
    };

    // From the south: the building's wall, and the two custom faces.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    plot_obstacles();
    auto wall = pixel((-50 - left) / (right - left), (20 - bottom) / (top - bottom));
    EXPECT_TRUE(only_channel(wall, 0)) << wall[0] << " " << wall[1] << " " << wall[2];
    auto textured = pixel((-10 - left) / (right - left), (70 - bottom) / (top - bottom));
    EXPECT_TRUE(textured[0] > 100 && textured[1] > 100 && textured[2] < 20);
    auto plain = pixel((10 - left) / (right - left), (70 - bottom) / (top - bottom));
    EXPECT_GT(plain[0], 50);
    EXPECT_EQ(plain[0], plain[1]);
    EXPECT_EQ(plain[1], plain[2]);

    // From above, north up: the flat roof and the pad.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glRotatef(90, 1, 0, 0);
    plot_obstacles();
    auto roof = pixel((-50 - left) / (right - left), (0 - bottom) / (top - bottom));
    EXPECT_TRUE(only_channel(roof, 1)) << roof[0] << " " << roof[1] << " " << roof[2];
    auto pad = pixel((50 - left) / (right - left), (0 - bottom) / (top - bottom));
    EXPECT_TRUE(only_channel(pad, 2)) << pad[0] << " " << pad[1] << " " << pad[2];
}
