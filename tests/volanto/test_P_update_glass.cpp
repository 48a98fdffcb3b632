// The moving-map displays without a window: each display's window, aircraft
// point and scale by its map mode; a world offset on the display at headings
// 0 and 90, heading up and north up; the traffic's boxes and numbers by
// height and distance, up to box B's edge; and the weather radar's picture
// in rgb_array, its colours by the rain and storm settings, its turn with
// the map, black off the weather field (beyond the region, before a region
// exists, at a position that is not a number), and rebuilt once a second.
// The quads, the symbols and the texture itself are GL's: the window tests
// read them.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <string>

namespace {

const float nm = 1852;   // m

// The radar's colours as the colour table starts them: black, green, dark
// green, yellow, red.
const float radar_rgb[5][3] = {{0, 0, 0}, {0, 0.9f, 0}, {0, 0.5f, 0}, {1, 1, 0}, {1, 0, 0}};

class GlassDisplays : public ::testing::Test {
protected:
    void SetUp() override { start(2, 0); }
    void TearDown() override { to_array = 0; }

    // The glass panel (2), or the dial panel with the supplementary slot's
    // kind; every display setting at its start value, no rain.
    static void start(int panel, int supptype)
    {
        start_panel_picture();
        for (int& ok : rel.system_ok) ok = 1;
        msc.dt = 0.05f;
        lay_out_test_piston(panel, [=](planestruct& a) { a.supptype = supptype; });
        for (int n = 0; n < 5; n++) OGL_assigncolor(71 + n, radar_rgb[n][0], radar_rgb[n][1], radar_rgb[n][2]);
        efis_mode() = map_mode() = 1;
        efis_wx() = efis_tfc() = 1;
        efis_range() = 32, map_range() = 30, map2_range() = 30;
        atm.precip_level = atm.storm_level = 1;
        set.air_traffic_on = 1;
    }
};

}  // namespace

// ---- geometry ---------------------------------------------------------------------

// Each display's window from its anchor (sums truncated), its aircraft
// point, its reach up, down and to the side, and its scale from the range:
// the glass panel's expanded map leaves 56 units below the aircraft and 168
// above for the range, its centred and north-up maps 112; the weather radar
// keeps the expanded map whatever the moving map's mode. Only north up turns
// the aircraft symbol instead of the map.
TEST_F(GlassDisplays, WindowsStandByDisplayAndMapMode)
{
    struct cell {
        const char* what;
        int mode, map_mode;
        float range;
        int x0, y0, x1, y1, side, up, down, cx, cy;
        int north_up;
    };
    const cell cells[] = {
        {"glass panel, expanded", glass_main, 1, 32, 199, 48, 381, 272, 91, 168, 56, 290, 104, 0},
        {"glass panel, centred", glass_main, 0, 16, 199, 48, 381, 272, 91, 112, 112, 290, 160, 0},
        {"glass panel, north up", glass_main, 2, 4, 199, 48, 381, 272, 91, 112, 112, 290, 160, 1},
        {"moving map, centred", glass_map, 0, 30, 260, 197, 323, 277, 31, 40, 40, 291, 237, 0},
        {"moving map, expanded", glass_map, 1, 7.5f, 260, 197, 323, 277, 31, 60, 20, 291, 217, 0},
        {"moving map, north up", glass_map, 2, 15, 260, 197, 323, 277, 31, 40, 40, 291, 237, 1},
        {"weather radar", glass_radar, 1, 30, 257, 206, 343, 296, 43, 67, 22, 300, 229, 0},
        {"weather radar, the map north up", glass_radar, 2, 7.5f, 257, 206, 343, 296, 43, 67, 22, 300, 229, 0},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        ins.ins_x[ins_efis] = 0.6f, ins.ins_y[ins_efis] = 0.6f;
        ins.ins_x[ins_supp] = 300.75f, ins.ins_y[ins_supp] = 237.5f;
        flt.psi[0] = 30;
        if (c.mode == glass_main) efis_mode() = c.map_mode, efis_range() = c.range;
        else map_mode() = c.map_mode, map_range() = map2_range() = c.range;
        glasswindow g = glass_window(c.mode);
        EXPECT_EQ(g.x0, c.x0);
        EXPECT_EQ(g.y0, c.y0);
        EXPECT_EQ(g.x1, c.x1);
        EXPECT_EQ(g.y1, c.y1);
        EXPECT_EQ(g.side, c.side);
        EXPECT_EQ(g.up, c.up);
        EXPECT_EQ(g.down, c.down);
        EXPECT_EQ(g.cx, c.cx);
        EXPECT_EQ(g.cy, c.cy);
        EXPECT_FLOAT_EQ(g.range, c.range);
        EXPECT_NEAR(g.scale * c.range * nm, (float)c.up, 1e-3f) << "the range reaches the top edge";
        EXPECT_FLOAT_EQ(g.map_angle, c.north_up ? 0 : 30);
        EXPECT_FLOAT_EQ(g.symbol_angle, c.north_up ? 30 : 0);
    }
}

// A point 1 km east and one 1 km north of the aircraft: heading north both
// maps show east to the right and north up; heading east the turning map
// shows east up and north to the left, the north-up map does not turn.
TEST_F(GlassDisplays, WorldOffsetsTurnWithTheMap)
{
    struct cell {
        const char* what;
        int map_mode;
        float heading;
        float east_x, east_y, north_x, north_y;   // units per km from the aircraft point
    };
    const float k1 = 1000 * 168 / (32 * nm), k2 = 1000 * 112 / (32 * nm);   // units a km
    const cell cells[] = {
        {"heading up, heading 0", 1, 0, k1, 0, 0, k1},
        {"heading up, heading 90", 1, 90, 0, k1, -k1, 0},
        {"north up, heading 0", 2, 0, k2, 0, 0, k2},
        {"north up, heading 90", 2, 90, k2, 0, 0, k2},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        efis_mode() = c.map_mode;
        flt.psi[0] = c.heading;
        glasswindow g = glass_window(glass_main);
        float sx, sy;
        glass_point(g, 1000, 0, &sx, &sy);
        EXPECT_NEAR(sx - g.cx, c.east_x, 1e-4f);
        EXPECT_NEAR(sy - g.cy, c.east_y, 1e-4f);
        glass_point(g, 0, -1000, &sx, &sy);
        EXPECT_NEAR(sx - g.cx, c.north_x, 1e-4f);
        EXPECT_NEAR(sy - g.cy, c.north_y, 1e-4f);
    }
}

// ---- traffic ---------------------------------------------------------------------------

// One other aircraft at a time on the glass panel's 16 nm map, heading
// north: a white box when 2,000 ft or more above or below however close, or
// 10 nm or more away; light yellow with its height in hundreds of feet
// within 10 nm, red within 5 nm. A target on box B's edge is drawn, one just
// past it is not; no traffic with the overlay off or air traffic off, nor on
// the other displays.
TEST_F(GlassDisplays, TrafficShowsByHeightAndDistance)
{
    struct cell {
        const char* what;
        int supptype, mode, overlay;
        float east_nm, north_nm, above_ft;
        int colour;         // -1: not drawn
        float number;       // the height shown, hundreds of feet
        int traffic_on = 1;
    };
    const cell cells[] = {
        {"4.2 nm away, 500 ft above", 0, glass_main, 1, 3, 3, 500, 45, 5},
        {"7.6 nm away, 1,500 ft below", 0, glass_main, 1, 3, 7, -1500, 42, -15},
        {"11.4 nm away, level", 0, glass_main, 1, 3, 11, 0, 39, 0},
        {"3.2 nm away, 2,001 ft above", 0, glass_main, 1, 3, 1, 2001, 39, 0},
        {"3.2 nm away, 1,999 ft below", 0, glass_main, 1, 3, 1, -1999, 45, -20},
        {"past the top of the window", 0, glass_main, 1, 3, 16, 0, -1, 0},
        {"the overlay off", 0, glass_main, 0, 3, 3, 500, -1, 0},
        {"air traffic off: the others fly unseen", 0, glass_main, 1, 3, 3, 500, -1, 0, 0},
        {"on the moving map", 3, glass_map, 1, 0.5f, 0.5f, 0, -1, 0},
        {"on the weather radar", 6, glass_radar, 1, 0.5f, 0.5f, 0, -1, 0},
    };
    auto place = [](float east_nm, float north_nm, float above_ft) {
        flt.pos_x[0] = 1000, flt.pos_y[0] = 1500, flt.pos_z[0] = -2000;
        for (int i = 1; i < 12; i++) flt.pos_x[i] = flt.pos_y[i] = flt.pos_z[i] = 1e7;
        flt.pos_x[1] = flt.pos_x[0] + east_nm * nm;
        flt.pos_z[1] = flt.pos_z[0] - north_nm * nm;
        flt.pos_y[1] = flt.pos_y[0] + above_ft / con.mtrstoft;
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        start(c.supptype ? 1 : 2, c.supptype);
        efis_range() = 16, efis_tfc() = c.overlay, set.air_traffic_on = c.traffic_on;
        std::string want = rgb_drawn_alone([&] {
            place(1e4f, 0, 0);
            update_glass(c.mode);
            if (c.colour < 0) return;
            float sx, sy;
            glass_point(glass_window(c.mode), c.east_nm * nm, -c.north_nm * nm, &sx, &sy);
            OGL_framerect(c.colour, sx - 2, sy - 2, 5, 5);
            if (c.colour != 39) OGL_number(c.colour, sx - 8, sy - 10, c.number, 3, 0, 6, 1);
        });
        std::string got = rgb_drawn_alone([&] {
            place(c.east_nm, c.north_nm, c.above_ft);
            update_glass(c.mode);
        });
        EXPECT_TRUE(got == want) << rgb_first_difference(got, want);
    }

    // Box B's right edge: the first offset that lands on it, and the next.
    start(2, 0);
    efis_range() = 16;
    glasswindow g = glass_window(glass_main);
    const float edge = (float)g.x1 - 12;
    float dx = (edge - (float)g.cx) / g.scale, sx = 0, sy = 0;
    for (int k = 0; k < 64; k++, dx = nextafterf(dx, sx < edge ? 1e9f : -1e9f)) {
        glass_point(g, dx, 0, &sx, &sy);
        if (sx == edge) break;
    }
    ASSERT_EQ(sx, edge);
    float past = dx;
    while (glass_point(g, past, 0, &sx, &sy), sx == edge) past = nextafterf(past, 1e9f);
    for (int on_edge : {1, 0}) {
        SCOPED_TRACE(on_edge ? "on box B's edge" : "just past it");
        std::string without = rgb_drawn_alone([&] {
            place(1e4f, 0, 0);
            update_glass(glass_main);
        });
        std::string got = rgb_drawn_alone([&] {
            place(0, 0, 5000);
            flt.pos_x[1] = flt.pos_x[0] + (on_edge ? dx : past);
            update_glass(glass_main);
        });
        EXPECT_EQ(got == without, !on_edge);
    }
}

// ---- the weather radar ----------------------------------------------------------------

namespace {

// A region of 100 m a grid step, the aircraft over the field's middle, the
// radar windows well inside the field.
void lay_out_weather(float value)
{
    efis_range() = 8, map2_range() = 7.5f;
    env.reg_west_x = -31550, env.reg_north_z = -21050;
    env.reg_width = 100.0f * wx_grid_cols, env.reg_depth = 100.0f * wx_grid_rows;
    flt.pos_x[0] = 0, flt.pos_z[0] = 0;
    for (int i = 0; i < wx_grid_cols; i++)
        for (int j = 0; j < wx_grid_rows; j++) atm.wx_grid[i][j] = value;
}

// The radar picture's pixel (col, row), row 0 at the bottom.
const unsigned char* radar_pixel(int col, int row) { return rgb_array + (row * radar_side + col) * 3; }

// The colour entry of that pixel, -1 for none of them.
int radar_entry(int col, int row)
{
    const unsigned char* p = radar_pixel(col, row);
    for (int n = 0; n < 5; n++)
        if (p[0] == (int)(radar_rgb[n][0] * 255) && p[1] == (int)(radar_rgb[n][1] * 255) &&
            p[2] == (int)(radar_rgb[n][2] * 255))
            return n;
    return -1;
}

// Every pixel of the picture is entry n.
::testing::AssertionResult whole_picture_is(int n)
{
    for (int row = 0; row < radar_side; row++)
        for (int col = 0; col < radar_side; col++)
            if (radar_entry(col, row) != n)
                return ::testing::AssertionFailure()
                       << "pixel (" << col << ", " << row << ") is entry " << radar_entry(col, row) << ", not " << n;
    return ::testing::AssertionSuccess();
}

}  // namespace

// A field of one value on the supplementary radar: nothing without rain,
// whatever the storms; with both settings 5 a value of 1.0 gives red, 0.5
// dark green (2.25), 0.2 black (0.9); lesser settings scale it down.
// The colours come from the table as it stood at the first picture.
TEST_F(GlassDisplays, RadarColoursByRainAndStorms)
{
    struct cell {
        const char* what;
        float rains, storms, value;
        int entry;   // -1: no picture
    };
    const cell cells[] = {
        {"no rain, severe storms", 1, 5, 1.0f, -1},
        {"rain just at 1.01", 1.01f, 1, 1.0f, -1},
        {"both severe, 1.0", 5, 5, 1.0f, 4},
        {"both severe, 0.5", 5, 5, 0.5f, 2},
        {"both severe, 0.2", 5, 5, 0.2f, 0},
        {"both severe, 0.3", 5, 5, 0.3f, 1},
        {"both severe, 0.7", 5, 5, 0.7f, 3},
        {"moderate rain, light storms, 1.0", 3, 2, 1.0f, 2},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        start(1, 6);
        lay_out_weather(c.value);
        atm.precip_level = c.rains, atm.storm_level = c.storms;
        msc.tenth_count = 0;
        update_glass(glass_radar);
        EXPECT_EQ(pnl.radar_uploads, c.entry < 0 ? 0 : 1);
        if (c.entry >= 0) {
            EXPECT_TRUE(whole_picture_is(c.entry));
        }
    }

    // A later change of the table's red does not reach the radar's.
    OGL_assigncolor(75, 0, 0, 1);
    atm.precip_level = atm.storm_level = 5;
    for (int tick : {1, 0}) {
        msc.tenth_count = tick;
        update_glass(glass_radar);
    }
    EXPECT_EQ(pnl.radar_uploads, 2);
    EXPECT_TRUE(whole_picture_is(4));
}

// Half the field wet: the picture turns with the map, its first index west
// to east and its second north to south; the glass panel's overlay shows it
// only while switched on, the moving map never.
TEST_F(GlassDisplays, RadarPictureTurnsWithTheMap)
{
    struct cell {
        const char* what;
        int supptype, mode, overlay;
        std::function<bool(int, int)> wet;   // grid point (i, j)
        float heading;
        int left, right, bottom, top;        // entries; -1: no picture
    };
    auto east = [](int i, int) { return i >= wx_grid_cols / 2; };
    auto north = [](int, int j) { return j < wx_grid_rows / 2; };
    const cell cells[] = {
        {"east wet, heading north", 6, glass_radar, 1, east, 0, 0, 4, -2, -2},
        {"east wet, heading east", 6, glass_radar, 1, east, 90, -2, -2, 0, 4},
        {"north wet, heading north", 6, glass_radar, 1, north, 0, -2, -2, 0, 4},
        {"north wet, heading east", 6, glass_radar, 1, north, 90, 4, 0, -2, -2},
        {"north wet, heading south", 6, glass_radar, 1, north, 180, -2, -2, 4, 0},
        {"north wet on the glass panel", 0, glass_main, 1, north, 0, -2, -2, 0, 4},
        {"the glass panel's overlay off", 0, glass_main, 0, north, 0, -1, -1, -1, -1},
        {"the moving map", 3, glass_map, 1, north, 0, -1, -1, -1, -1},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        start(c.supptype ? 1 : 2, c.supptype);
        lay_out_weather(0);
        for (int i = 0; i < wx_grid_cols; i++)
            for (int j = 0; j < wx_grid_rows; j++) atm.wx_grid[i][j] = c.wet(i, j) ? 1.0f : 0.0f;
        atm.precip_level = atm.storm_level = 5;
        efis_wx() = c.overlay;
        flt.psi[0] = c.heading;
        msc.tenth_count = 0;
        update_glass(c.mode);
        if (c.left == -1) {
            EXPECT_EQ(pnl.radar_uploads, 0);
            continue;
        }
        EXPECT_EQ(pnl.radar_uploads, 1);
        // -2: the wet line runs through there; the pixels away from it are the test.
        const int mid = radar_side / 2, near_edge = 6, far_edge = radar_side - 7;
        const struct {
            const char* side;
            int want, col, row;
        } sides[] = {{"left", c.left, near_edge, mid},
                     {"right", c.right, far_edge, mid},
                     {"bottom", c.bottom, mid, near_edge},
                     {"top", c.top, mid, far_edge}};
        for (const auto& sd : sides) {
            if (sd.want == -2) continue;
            EXPECT_EQ(radar_entry(sd.col, sd.row), sd.want) << sd.side;
        }
    }
}

// A window that reaches past the weather field samples nothing there: the
// part beyond the region's north-west or south-east corner is black and
// the rest shows the field; with no region laid out yet (no extent: every
// position infinite) or the aircraft's position not a number, the whole
// picture is black.
TEST_F(GlassDisplays, RadarOffTheFieldIsBlack)
{
    struct cell {
        const char* what;
        std::function<void(void)> place;
        int top_left, bottom_right;   // entries of the picture's quarters
    };
    const cell cells[] = {
        {"over the north-west corner", [] { flt.pos_x[0] = env.reg_west_x, flt.pos_z[0] = env.reg_north_z; }, 0, 4},
        {"over the south-east corner",
         [] {
             flt.pos_x[0] = env.reg_west_x + env.reg_width;
             flt.pos_z[0] = env.reg_north_z + env.reg_depth;
         },
         4, 0},
        {"far beyond the region", [] { flt.pos_x[0] = 1e12; }, 0, 0},
        {"no region laid out", [] { env.reg_width = env.reg_depth = 0; }, 0, 0},
        {"a position that is not a number", [] { flt.pos_z[0] = NAN; }, 0, 0},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        start(1, 6);
        lay_out_weather(1.0f);
        atm.precip_level = atm.storm_level = 5;
        c.place();
        msc.tenth_count = 0;
        update_glass(glass_radar);
        ASSERT_EQ(pnl.radar_uploads, 1);
        if (c.top_left == 0 && c.bottom_right == 0) {
            EXPECT_TRUE(whole_picture_is(0));
            continue;
        }
        // The aircraft point lies 22 of 90 units above the bottom: the
        // quarters about it, clear of the lines through it.
        const int row = 22 * radar_side / 90, col = radar_side / 2;
        int wrong = 0;
        std::string first;
        for (int r = 0; r < radar_side; r++) {
            for (int k = 0; k < radar_side; k++) {
                if (abs(r - row) < 3 || abs(k - col) < 3) continue;
                int want = r > row && k < col ? c.top_left : (r < row && k > col ? c.bottom_right : -1);
                if (want < 0 || radar_entry(k, r) == want) continue;
                if (!wrong++) first = "(" + std::to_string(k) + ", " + std::to_string(r) + ")";
            }
        }
        EXPECT_EQ(wrong, 0) << "first at " << first;
    }
}

// The picture is rebuilt in the first frame of tenth 0 of each second: three
// times over 3 s at 20 frames a second; once while the clock stands at 0;
// and anew when the display shows it again in a later tenth 0 after frames
// without it, or just after a frame of that tenth without it.
TEST_F(GlassDisplays, RadarIsRebuiltOnceASecond)
{
    struct cell {
        const char* what;
        int frames;
        std::function<int(int)> tick;       // of frame f
        std::function<bool(int)> shown;     // the overlay on in frame f
        int uploads;
    };
    auto always = [](int) { return true; };
    auto at_20_fps = [](int f) { return (f / 2) % 10; };
    const cell cells[] = {
        {"3 s at 20 frames a second", 60, at_20_fps, always, 3},
        {"the clock standing at 0", 50, [](int) { return 0; }, always, 1},
        {"off from the first second's tenth 1 to the next second's tenth 0", 40, at_20_fps,
         [](int f) { return f < 2 || f >= 21; }, 2},
        {"off in the first frame of the second's tenth 0", 40, at_20_fps, [](int f) { return f != 20; }, 2},
    };
    for (const cell& c : cells) {
        SCOPED_TRACE(c.what);
        start(2, 0);
        lay_out_weather(1.0f);
        atm.precip_level = atm.storm_level = 5;
        for (int f = 0; f < c.frames; f++) {
            msc.tenth_count = c.tick(f);
            efis_wx() = c.shown(f);
            update_glass(glass_main);
        }
        EXPECT_EQ(pnl.radar_uploads, c.uploads);
    }
}
