// Runways and pavement drawn on the virtual display. Each texture is flat in
// a colour of its own (red the id), its left half blue 0 and its right half
// blue 255, so that a pixel read from straight above tells which picture a
// section shows and whether it is turned by 180 degrees. The signs and the
// windsocks are read in GL's feedback mode, turned back to world metres.
#include <gtest/gtest.h>

#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Initnav.h"
#include "Plane.h"
#include "gl_feedback.h"
#include "gl_view.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

const int view_w = 400, view_h = 300;
const int apt = 1, rwy = 5, geo = 3;
const float elev = 100;

// A 4 x 4 texture: red the id, blue 0 in columns 0-1 and 255 in 2-3; alpha 0
// in column 0 when keyed.
void two_colour_texture(int id, bool keyed = false)
{
    unsigned char px[4 * 4 * 4];
    for (int k = 0; k < 16; k++) {
        px[4 * k] = (unsigned char)id;
        px[4 * k + 1] = 64;
        px[4 * k + 2] = k % 4 < 2 ? 0 : 255;
        px[4 * k + 3] = keyed && k % 4 == 0 ? 0 : 255;
    }
    OGL_bindtex(id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 4, 4, 0, GL_RGBA, GL_UNSIGNED_BYTE, px);
}

// The short names of the runway set's pictures, as the cases write them.
std::map<int, std::string> picture_names(void)
{
    std::map<int, std::string> m;
    for (int set : {tex_asphalt_first, tex_concrete_first}) {
        const std::string tag = set == tex_asphalt_first ? "" : "B:";
        for (int k = 0; k < 4; k++) m[set + rway_tens_first + k] = tag + std::to_string(k) + "L";
        for (int k = 0; k < 10; k++) m[set + rway_units_first + k] = tag + std::to_string(k) + "R";
        const std::pair<int, const char*> rest[] = {
            {rway_letter_L, "L"}, {rway_letter_C, "C"}, {rway_letter_R, "R"}, {rway_turn, "turn"},
            {rway_pave, "pave"},  {rway_disp, "disp"},  {rway_thld, "thld"},  {rway_tdz1, "tdz1"},
            {rway_tdz2, "tdz2"},  {rway_tdz3, "tdz3"},  {rway_fdmk, "fdmk"},  {rway_lins, "lins"},
            {rway_lint, "lint"},  {rway_linc, "linc"}};
        for (const auto& r : rest) m[set + r.first] = tag + r.second;
    }
    m[tex_grass] = "gras";
    m[tex_dirt] = "dirt";
    m[tex_gravel] = "grav";
    m[tex_bsnow] = "snow";
    return m;
}

class RunwayDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_init();
        for (int id = tex_grass; id <= tex_concrete_last; id++) two_colour_texture(id, id == tex_grass);
        for (int id : {tex_metal, tex_windsock, tex_markers, tex_bsnow}) two_colour_texture(id);
        atm.sl_temp = 59;
        atm.precip_level = 1;
        msc.near_apt = -1;
        apt_h[apt] = elev;
        for (int k = 0; k < 2; k++) geo_sockxyz[geo][k][1] = geo_removed_y;
    }

    // Runway `number` heading east (end 1 at the west end, x = -len / 2), centred on the origin.
    void lay_runway(int number, char lcr, float len, float width, int type)
    {
        rwy_num[rwy] = number;
        rwy_lcr[rwy] = lcr;
        rwy_hdng[rwy] = (float)number * 10.0f;
        rwy_len[rwy] = len;
        rwy_width[rwy] = width;
        geo_type[geo] = type;
        float hl = len / 2, hw = width / 2;
        const float q[4][3] = {{hl, elev, -hw}, {hl, elev, hw}, {-hl, elev, hw}, {-hl, elev, -hw}};
        memcpy(geo_markxyz[geo][0], q, sizeof q);
    }

    // Straight down on a span x of +-half_x and z of +-half_z, north up,
    // without fog or lighting so that colours are the textures' own.
    void look_down(float half_x, float half_z)
    {
        glViewport(0, 0, view_w, view_h);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        ortho_camera(-half_x, half_x, -half_z, half_z, 5000, true);
        OGL_setstate(0, 1, 0, 0);
        hx = half_x;
        hz = half_z;
    }

    // What shows at world (x, z): the picture's name ("-" nothing) and whether it is turned.
    std::string seen(float x, float z, bool right_half_expected)
    {
        glFinish();
        int px = (int)((x + hx) / (2 * hx) * view_w), py = (int)((hz - z) / (2 * hz) * view_h);
        unsigned char rgb[3];
        host_test_read_pixels(px, py, 1, 1, rgb);
        if (rgb[0] == 0 && rgb[1] == 0 && rgb[2] == 0) return "-";
        static const std::map<int, std::string> names = picture_names();
        auto it = names.find(rgb[0]);
        std::string name = it == names.end() ? "?" + std::to_string(rgb[0]) : it->second;
        bool right_half = rgb[2] == 255;
        return right_half == right_half_expected ? name : name + "^";
    }

    // Each section's north quarter and south quarter, "north|south" or one
    // name when both are the same; "^" marks a picture turned by 180 degrees.
    std::string sections(int first, int last)
    {
        const int n = (int)lroundf(rwy_len[rwy] / rwy_width[rwy]);
        const float w = rwy_width[rwy], step = rwy_len[rwy] / (float)n;
        std::string out;
        for (int k = first; k <= last; k++) {
            float x = -rwy_len[rwy] / 2 + ((float)k + 0.5f) * step;
            std::string north = seen(x, -0.375f * w, false), south = seen(x, 0.375f * w, true);
            out += (out.empty() ? "" : " ") + (north == south ? north : north + "|" + south);
        }
        return out;
    }

    void draw(int lit = 0) { plot_runway(lit, apt, rwy, geo, 0, 0, 0, 1); }

    float hx = 1, hz = 1;
};

// ---- markings ----

struct marking_case {
    const char* what;
    int number;
    char lcr;
    float len, width;
    int type;
    int first, last;        // sections read
    const char* expected;   // from section N / 2 on turned ("^")
};

const marking_case marking_cases[] = {
    {"1,000 x 50 m: numbers, side stripes, plain centre line", 9, 'x', 1000, 50, surf_asphalt, 0, 19,
     "0L|9R lins lins lins lint linc linc linc linc linc "
     "linc^ linc^ linc^ linc^ linc^ lint^ lins^ lins^ lins^ 7R^|2L^"},
    {"a letter takes the number's place", 9, 'L', 1000, 50, surf_asphalt, 0, 19,
     "L 0L|9R lins lins lins lint linc linc linc linc "
     "linc^ linc^ linc^ linc^ lint^ lins^ lins^ lins^ 7R^|2L^ R^"},
    {"C reads C from both ends", 18, 'C', 1000, 50, surf_asphalt, 0, 19,
     "C 1L|8R lins lins lins lint linc linc linc linc "
     "linc^ linc^ linc^ linc^ lint^ lins^ lins^ lins^ 6R^|3L^ C^"},
    {"2,000 m: threshold bars and aiming blocks, concrete", 36, 'x', 2000, 100, surf_concrete, 0, 19,
     "B:thld B:3L|B:6R B:lins B:fdmk B:lins B:lint B:linc B:linc B:linc B:linc "
     "B:linc^ B:linc^ B:linc^ B:linc^ B:lint^ B:lins^ B:fdmk^ B:lins^ B:8R^|B:1L^ B:thld^"},
    {"3,000 m: arrows beyond both ends and the touchdown zone", 9, 'x', 3000, 60, surf_asphalt, -2, 51,
     "disp disp thld 0L|9R tdz3 lins fdmk lins tdz2 lins tdz2 lins tdz1 lins tdz1 lint "
     "linc linc linc linc linc linc linc linc linc linc linc "
     "linc^ linc^ linc^ linc^ linc^ linc^ linc^ linc^ linc^ linc^ linc^ "
     "lint^ tdz1^ lins^ tdz1^ lins^ tdz2^ lins^ tdz2^ lins^ fdmk^ lins^ tdz3^ 7R^|2L^ thld^ disp^ disp^"},
    {"short runway: a number beats the other end's stripes", 9, 'x', 250, 50, surf_asphalt, 0, 4,
     "0L|9R lins lins^ lins^ 7R^|2L^"},
    {"grass: the surface everywhere, its keyed texels left out", 9, 'L', 1000, 50, surf_grass, 0, 19,
     "-|gras -|gras -|gras -|gras -|gras -|gras -|gras -|gras -|gras -|gras "
     "gras^|- gras^|- gras^|- gras^|- gras^|- gras^|- gras^|- gras^|- gras^|- gras^|-"},
};

TEST_F(RunwayDrawing, EachSectionShowsItsMarkingTurnedForTheEndItBelongsTo)
{
    for (const marking_case& c : marking_cases) {
        SCOPED_TRACE(c.what);
        lay_runway(c.number, c.lcr, c.len, c.width, c.type);
        look_down(c.len / 2 + 3 * c.len / roundf(c.len / c.width), c.width);
        draw();
        std::string got = sections(c.first, c.last);
        EXPECT_EQ(got, c.expected);
        EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
    }
}

TEST_F(RunwayDrawing, AreasBeyondAShortRunwaysEndsStayBare)
{
    lay_runway(9, 'x', 1000, 50, surf_asphalt);
    look_down(700, 50);
    draw();
    EXPECT_EQ(seen(-530, 0, false), "-");
    EXPECT_EQ(seen(530, 0, false), "-");
}

// ---- blowing snow ----

TEST_F(RunwayDrawing, SnowBlowsOnlyAtFreezingWithPrecipitation)
{
    const struct {
        float temp, precip;
        bool snow;
    } cases[] = {{32, 2, true}, {-10, 1.5f, true}, {33, 5, false}, {0, 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.temp) + " F, precipitation " + std::to_string(c.precip));
        atm.sl_temp = c.temp;
        atm.precip_level = c.precip;
        lay_runway(9, 'x', 1000, 50, surf_asphalt);
        // The same rectangle as a pavement piece beside it (quad 1, 100 m north).
        for (int k = 0; k < 4; k++) {
            memcpy(geo_markxyz[geo][1][k], geo_markxyz[geo][0][k], sizeof(float) * 3);
            geo_markxyz[geo][1][k][2] -= 100;
        }
        look_down(600, 150);
        draw();
        plot_pavement(0, geo, 1, 20, tex_asphalt_first + rway_pave, 0, 0, 0, 1);
        const char* want = c.snow ? "snow" : nullptr;
        // Section 10 (turned), and a piece of pavement left of its middle.
        std::string runway = seen(25, -12.5f, false), pavement = seen(25, -110, false);
        if (want) {
            EXPECT_EQ(runway.substr(0, 4), "snow");
            EXPECT_EQ(pavement.substr(0, 4), "snow");
        } else {
            EXPECT_EQ(runway, "linc^");
            EXPECT_EQ(pavement.substr(0, 4), "pave");
        }
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
    }
}

// ---- feedback: pieces, signs and windsocks in world metres ----

struct fb_poly {
    std::vector<std::array<float, 3>> p;    // world x, y, z
    std::vector<std::array<float, 2>> st;   // texture s, t
};

// What draw sends, looking straight down on a cube of +-e metres, culling
// off: every polygon's corners back in world metres. GL hands each quad to
// feedback as two triangles.
template <typename F>
std::vector<fb_poly> world_polygons(float e, F draw)
{
    glViewport(0, 0, 1000, 1000);
    ortho_camera(-e, e, -e, e, e, true);
    glDisable(GL_CULL_FACE);
    std::vector<fb_poly> out;
    for (const fb_prim& prim : feedback(GL_3D_COLOR_TEXTURE, draw)) {
        if (prim.token != GL_POLYGON_TOKEN) continue;
        fb_poly poly;
        for (const auto& v : prim.v) {
            // Window (0..1000, 0..1000, 0..1) to eye (x, -z, y) to world.
            float x = v[0] / 500 * e - e, mz = v[1] / 500 * e - e, y = e - 2 * e * v[2];
            poly.p.push_back({x, y, -mz});
            poly.st.push_back({v[7], v[8]});
        }
        out.push_back(poly);
    }
    return out;
}

bool above_ground(const fb_poly& q)
{
    for (const auto& p : q.p)
        if (p[1] > elev + 0.01f) return true;
    return false;
}

TEST_F(RunwayDrawing, SurfacesOfNoSizeDrawNothingAndLongOnesAreHeld)
{
    const struct {
        const char* what;
        float len, width;
        size_t polygons;
    } cases[] = {
        {"no width", 1000, 0, 0},
        {"no length", 0, 50, 0},
        {"width not a number", 1000, NAN, 0},
        // 1,000 sections, two more at each end, the two number sections in halves.
        {"a million to one held to 1,000 sections", 3000, 0.003f, 2 * 1006},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        lay_runway(9, 'x', 1000, 50, surf_asphalt);
        rwy_len[rwy] = c.len;
        rwy_width[rwy] = c.width;
        auto polys = world_polygons(4000, [&] { draw(); });
        EXPECT_EQ(polys.size(), c.polygons);
    }
    // Pavement: a piece of no width, then a count far too large.
    lay_runway(9, 'x', 1000, 50, surf_asphalt);
    for (int k = 0; k < 4; k++) memcpy(geo_markxyz[geo][1][k], geo_markxyz[geo][0][k], sizeof(float) * 3);
    const struct {
        const char* what;
        float count;
        float width;
        size_t polygons;
    } pieces[] = {{"pieces by count", 2.5f, 50, 2 * 3},
                  {"held to 1,000 pieces", 1e9f, 50, 2 * 1000},
                  {"a small pad: at least one piece", 0.3f, 50, 2 * 1},
                  {"no count", 0, 50, 0},
                  {"no width", 3, 0, 0}};
    for (const auto& c : pieces) {
        SCOPED_TRACE(c.what);
        geo_markxyz[geo][1][0][2] = geo_markxyz[geo][1][3][2] = -c.width / 2;
        geo_markxyz[geo][1][1][2] = geo_markxyz[geo][1][2][2] = c.width / 2;
        auto polys = world_polygons(4000, [&] { plot_pavement(0, geo, 1, c.count, tex_asphalt_first, 0, 0, 0, 1); });
        EXPECT_EQ(polys.size(), c.polygons);
    }
}

// Every corner of polygons first.. of the snow's rule: the texture repeats
// every 50 m from the drift origin (ox, oz), turned with the wind (ws, wc).
void expect_snow_st(const std::vector<fb_poly>& polys, size_t first, float ox, float oz, float ws, float wc)
{
    for (size_t k = first; k < polys.size(); k++)
        for (size_t c = 0; c < polys[k].p.size(); c++) {
            const auto& p = polys[k].p[c];
            float u = (p[0] - ox) * 0.02f, w = (p[2] - oz) * 0.02f;
            EXPECT_NEAR(polys[k].st[c][0], u * wc + w * ws, 1e-3f) << "at " << p[0] << ", " << p[2];
            EXPECT_NEAR(polys[k].st[c][1], u * ws - w * wc, 1e-3f) << "at " << p[0] << ", " << p[2];
        }
}

TEST_F(RunwayDrawing, SnowIsCarriedWithTheDriftOriginAndTurnedWithTheWind)
{
    atm.sl_temp = 20;
    atm.precip_level = 2;
    lay_runway(9, 'x', 1000, 50, surf_asphalt);
    // A piece of pavement 100 x 50 m away from the axes.
    const float piece[4][3] = {{140, elev, -70}, {140, elev, -20}, {40, elev, -20}, {40, elev, -70}};
    memcpy(geo_markxyz[geo][1], piece, sizeof piece);
    const struct {
        float ox, oz, ws, wc;
    } cases[] = {{10, 0, 1, 0}, {10, -5, 0.6f, 0.8f}, {-30, 25, -0.8f, 0.6f}};
    for (const auto& c : cases) {
        SCOPED_TRACE("origin " + std::to_string(c.ox) + ", " + std::to_string(c.oz) + ", wind sine " +
                     std::to_string(c.ws) + ", cosine " + std::to_string(c.wc));
        // One piece, then one snow quad over it.
        auto pavement = world_polygons(2000, [&] {
            plot_pavement(0, geo, 1, 1, tex_asphalt_first + rway_pave, c.ox, c.oz, c.ws, c.wc);
        });
        ASSERT_EQ(pavement.size(), 2u * 2);
        expect_snow_st(pavement, 2, c.ox, c.oz, c.ws, c.wc);
        // 20 sections, the two number sections in halves, then a snow quad on each section.
        auto runway = world_polygons(2000, [&] { plot_runway(0, apt, rwy, geo, c.ox, c.oz, c.ws, c.wc); });
        ASSERT_EQ(runway.size(), 2u * (22 + 20));
        expect_snow_st(runway, 2 * 22, c.ox, c.oz, c.ws, c.wc);
    }
}

// The glyph a sign face shows, from its atlas cell; -1 for the metal.
int glyph_of(const fb_poly& q)
{
    float s0 = 9, s1 = -9, t0 = 9;
    for (const auto& st : q.st) {
        s0 = fminf(s0, st[0]);
        s1 = fmaxf(s1, st[0]);
        t0 = fminf(t0, st[1]);
    }
    if (fabsf(s1 - s0 - 0.25f) > 1e-3f) return -1;
    return (int)lroundf(t0 * 4) * 4 + (int)lroundf(s0 * 4);
}

std::array<float, 3> centre(const fb_poly& q)
{
    std::array<float, 3> c = {0, 0, 0};
    for (const auto& p : q.p)
        for (int k = 0; k < 3; k++) c[k] += p[k] / (float)q.p.size();
    return c;
}

// A triangle of a sign's glyph face: the glyph, its centre and the way it
// faces. Front faces wind clockwise, so a, b, c faces (c - a) x (b - a).
struct glyph_tri {
    int glyph;
    std::array<float, 3> at, facing;
};

std::vector<glyph_tri> glyph_triangles(const std::vector<fb_poly>& polys)
{
    std::vector<glyph_tri> out;
    for (const fb_poly& q : polys) {
        int g = glyph_of(q);
        if (!above_ground(q) || g < 0 || q.p.size() != 3) continue;
        const auto &a = q.p[0], &b = q.p[1], &c = q.p[2];
        float u[3], v[3];
        for (int k = 0; k < 3; k++) u[k] = c[k] - a[k], v[k] = b[k] - a[k];
        std::array<float, 3> n = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
        float len = pythag3(n[0], n[1], n[2]);
        for (float& x : n) x /= len;
        out.push_back({g, centre(q), n});
    }
    return out;
}

std::string corner_name(const std::array<float, 3>& p)
{
    return std::string(p[0] > 0 ? "east" : "west") + (p[2] < 0 ? " north" : " south");
}

TEST_F(RunwayDrawing, SignsStandOnlyAtTheNearestAirportBesideItsPavedRunways)
{
    const struct {
        const char* what;
        float len;
        int type;
        int near;
        size_t sign_quads;   // 7 an end sign (3 faces, 4 metal), 5 a distance sign
        int distance_rows;   // the distance signs' rows from each end
    } cases[] = {
        {"not the nearest airport", 1000, surf_asphalt, 0, 0, 0},
        {"end signs only up to 1,500 m", 1000, surf_asphalt, 1, 4 * 7, 0},
        {"distance signs every 1,000 ft beyond", 2000, surf_asphalt, 1, 4 * 7 + 12 * 5, 3},
        {"none beside grass", 1000, surf_grass, 1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        lay_runway(9, 'L', c.len, 50, c.type);
        msc.near_apt = c.near ? apt : -1;
        auto polys = world_polygons(2000, [&] { draw(); });
        size_t signs = 0;
        for (const fb_poly& q : polys) signs += above_ground(q);
        EXPECT_EQ(signs, 2 * c.sign_quads);
        EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
        // Row j stands j x 1,000 ft from its end, 3 m off each edge, faces the
        // aircraft rolling towards that end and shows glyph 11 + j ("1" to "3").
        std::map<std::string, std::vector<int>> got, want;
        for (const glyph_tri& f : glyph_triangles(polys)) {
            float from_end = c.len / 2 - fabsf(f.at[0]);
            if (from_end < 10) continue;   // an end sign
            int j = (int)lroundf(from_end / 304.8f);
            std::string at = corner_name(f.at) + " " + std::to_string(j);
            EXPECT_NEAR(from_end, 304.8f * (float)j, 0.15f) << at;
            EXPECT_NEAR(fabsf(f.at[2]), 28, 0.3f) << at;
            EXPECT_NEAR(f.facing[0], f.at[0] > 0 ? -1 : 1, 1e-3f) << at;
            got[at].push_back(f.glyph);
        }
        for (int j = 1; j <= c.distance_rows; j++)
            for (const char* at : {"east north ", "east south ", "west north ", "west south "})
                want[at + std::to_string(j)] = {11 + j, 11 + j};   // each face's two triangles
        EXPECT_EQ(got, want);
    }
}

TEST_F(RunwayDrawing, EndSignsShowEachEndsNumberAndLetter3mOffTheEdges)
{
    lay_runway(9, 'L', 1000, 50, surf_asphalt);
    msc.near_apt = apt;
    auto polys = world_polygons(2000, [&] { draw(); });
    // Glyphs 0-9 digits, 10 "L", 11 "R": the east end faces 27's pilots, the west 9's.
    std::map<std::string, std::vector<glyph_tri>> signs;
    for (const glyph_tri& f : glyph_triangles(polys)) {
        std::string at = corner_name(f.at);
        EXPECT_NEAR(fabsf(f.at[0]), 500, 1.6f) << at;
        EXPECT_NEAR(fabsf(f.at[2]), 28, 1.6f) << at;
        // Across the runway, away from it.
        EXPECT_NEAR(f.facing[2], f.at[2] > 0 ? 1 : -1, 1e-3f) << at;
        signs[at].push_back(f);
    }
    // Read left to right from the side each faces, where the reader's right is (n_z, 0, -n_x).
    std::map<std::string, std::vector<int>> reads;
    for (auto& sign : signs) {
        auto right = [](const glyph_tri& f) { return f.at[0] * f.facing[2] - f.at[2] * f.facing[0]; };
        std::sort(sign.second.begin(), sign.second.end(),
                  [&](const glyph_tri& a, const glyph_tri& b) { return right(a) < right(b); });
        for (const glyph_tri& f : sign.second) reads[sign.first].push_back(f.glyph);
    }
    // Each face twice: its two triangles.
    const std::vector<int> end_27_left = {2, 2, 7, 7, 11, 11}, end_9_left = {0, 0, 9, 9, 10, 10};
    const std::map<std::string, std::vector<int>> want = {
        {"east north", end_27_left}, {"east south", end_27_left}, {"west north", end_9_left}, {"west south", end_9_left}};
    EXPECT_EQ(reads, want);
}

TEST_F(RunwayDrawing, WindsocksHangInCalmAirAndStandOutLevelFrom10MetresASecond)
{
    const float hx = 600, hy = elev + 5, hz = 40;
    const struct {
        const char* what;
        float wind_x, wind_z;
        int type;
        int near;
        float drop, reach_x, reach_z;   // the tip's centre from the hinge, m; NAN none drawn
    } cases[] = {
        {"calm: hanging", 0, 0, surf_asphalt, 1, 2.5f, 0, 0},
        {"10 m/s from the west: level, downwind", 10, 0, surf_asphalt, 1, 0, 2.5f, 0},
        {"20 m/s from the north: no higher than level", 0, 20, surf_asphalt, 1, 0, 0, 2.5f},
        {"5 m/s: halfway", 5, 0, surf_asphalt, 1, 2.5f * 0.70711f, 2.5f * 0.70711f, 0},
        {"grass keeps its socks", 0, 0, surf_grass, 1, 2.5f, 0, 0},
        {"not the nearest airport", 0, 0, surf_asphalt, 0, NAN, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        lay_runway(9, 'x', 1000, 50, c.type);
        geo_sockxyz[geo][0][0] = hx;
        geo_sockxyz[geo][0][1] = hy;
        geo_sockxyz[geo][0][2] = hz;
        msc.near_apt = c.near ? apt : -1;
        msc.sim_time = 0;   // no flutter
        atm.wind_x = c.wind_x;
        atm.wind_z = c.wind_z;
        auto polys = world_polygons(2000, [&] { draw(); });
        // The sock's corners, each once.
        std::vector<std::array<float, 3>> sock;
        for (const fb_poly& q : polys)
            for (const auto& p : q.p) {
                if (fabsf(p[0] - hx) > 4 || fabsf(p[2] - hz) > 4 || p[1] < elev + 0.01f) continue;
                bool known = false;
                for (const auto& o : sock) known |= pythag3(p[0] - o[0], p[1] - o[1], p[2] - o[2]) < 0.01f;
                if (!known) sock.push_back(p);
            }
        if (std::isnan(c.drop)) {
            EXPECT_TRUE(sock.empty());
            continue;
        }
        // Two rings of 8; the tip ring is the one 2.5 m out.
        ASSERT_EQ(sock.size(), 16u);
        auto out = [&](const std::array<float, 3>& p) { return pythag3(p[0] - hx, p[1] - hy, p[2] - hz); };
        std::array<float, 3> tip = {0, 0, 0};
        int n = 0;
        for (const auto& p : sock)
            if (out(p) > 2.0f) {
                for (int k = 0; k < 3; k++) tip[k] += p[k];
                n++;
            }
        ASSERT_EQ(n, 8);
        for (int k = 0; k < 3; k++) tip[k] /= (float)n;
        EXPECT_NEAR(hy - tip[1], c.drop, 0.05f);
        EXPECT_NEAR(tip[0] - hx, c.reach_x, 0.05f);
        EXPECT_NEAR(tip[2] - hz, c.reach_z, 0.05f);
        EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    }
}

}  // namespace
