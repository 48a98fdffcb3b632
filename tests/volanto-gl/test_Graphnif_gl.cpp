// Data output on the virtual display, read back in pixels: the cockpit
// table's names, units and numbers at their lines' places (a value without
// one draws no number), and the graph window over the shipped data: each
// strip's lines in its columns' colours, none for a column without values,
// and after a minute of scripted flight the four strips of four items, the
// frame kept as graph_window.bmp in the test's folder.
#include <gtest/gtest.h>

#include "Fltutil.h"
#include "Graphnif.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Hl_joy.h"
#include "Integ.h"
#include "Windows.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <cmath>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> screen(void)
{
    std::vector<unsigned char> px(800 * 600 * 3);
    glFinish();
    host_test_read_pixels(0, 0, 800, 600, px.data());
    return px;
}

// Pixels of the box (x, y, w, h) within 2 of (r, g, b) in a screen read.
int pixels_like(const std::vector<unsigned char>& px, int width, const int want[3], int x, int y, int w, int h)
{
    int n = 0;
    for (int r = y; r < y + h; r++)
        for (int c = x; c < x + w; c++) {
            const unsigned char* p = &px[3 * ((size_t)r * width + c)];
            n += abs(p[0] - want[0]) <= 2 && abs(p[1] - want[1]) <= 2 && abs(p[2] - want[2]) <= 2;
        }
    return n;
}

void table_colour(int colour, int out[3])
{
    for (int k = 0; k < 3; k++) out[k] = intround(col_rgb[colour][k] * 255);
}

// A colour index as a window shows it: the first colours take the panel
// light, half of it while a window is open.
void window_colour(int colour, int out[3])
{
    for (int k = 0; k < 3; k++) {
        float tint = colour < 39 ? 0.5f * ins.lite_rgb[k] + 0.5f : 1.0f;
        out[k] = intround(col_rgb[colour][k] * tint * 255);
    }
}

// The open window's picture as shown, its own units.
std::vector<unsigned char> window_shown(void)
{
    int w = (int)mnw.dx, h = (int)mnw.dy;
    std::vector<unsigned char> px((size_t)w * h * 3);
    host_test_read_front((int)mnw.x, (int)mnw.y, w, h, px.data());
    return px;
}

const int column_colour[4] = {4, 9, 7, 18};

}  // namespace

// ---- the cockpit table ----------------------------------------------------------------

class CockpitTableGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_init();
        mnw.topwin = 0;
        mnw.x = mnw.y = 0;
        for (int& item : set.cockpit_list) item = -1;
        pln[0].numen = 1;
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
        OGL_setstate(1, 1, 1, 1);   // what a drawer before may leave
    }
};

// Lines 0 and 3 on the left, 5 and 7 on the right: each column's name 10
// above its number and its unit 10 below, 30 units a column; the speedbrake
// after the two brake columns, which have names but no numbers, and a
// rudder without a value its label alone.
TEST_F(CockpitTableGl, NamesUnitsAndNumbersStandAtTheirLines)
{
    set.cockpit_list[0] = 1;
    set.cockpit_list[3] = 5;
    set.cockpit_list[5] = 45;
    set.cockpit_list[7] = 14;
    msc.sim_time = 123;
    flt.alpha = -4.5f;
    flt.beta = 2.0f;
    flt.rudd_def_now = -999.0f;
    set.gear_down = 1;
    flt.sbrk_handle = 2;
    update_scene_2d();
    std::vector<unsigned char> got = screen();

    glClear(GL_COLOR_BUFFER_BIT);
    OGL_setstate(0, 0, 0, 0);
    auto name_unit = [](float x, float y, const char* name, const char* unit) {
        OGL_string(48, x, y + 10, name, 999, 6);
        OGL_string(48, x, y - 10, unit, 999, 6);
    };
    name_unit(10, 522, "TIME", " sec");
    OGL_number(48, 10, 522, 123, 4, 0, 6, 1);
    name_unit(10, 402, "ALPH", " deg");
    name_unit(40, 402, "BETA", " deg");
    OGL_number(48, 10, 402, -4.5f, 4, 1, 6, 1);
    OGL_number(48, 40, 402, 2.0f, 4, 1, 6, 1);
    name_unit(675, 522, "RUDD", " deg");
    name_unit(675, 442, "GEAR", " 0/1");
    name_unit(705, 442, "LBRK", "part");
    name_unit(735, 442, "RBRK", "part");
    name_unit(765, 442, "SBRK", "1012");
    OGL_number(48, 675, 442, 1, 1, 0, 6, 1);
    OGL_number(48, 765, 442, 2, 1, 0, 6, 1);
    std::vector<unsigned char> want = screen();
    EXPECT_TRUE(got == want) << "the table differs from its lines drawn one by one";

    int green[3];
    table_colour(48, green);
    EXPECT_GT(pixels_like(got, 800, green, 10, 522, 24, 7), 20) << "the clock's number";
    EXPECT_GT(pixels_like(got, 800, green, 670, 442, 12, 7), 3) << "the gear's 1";
    EXPECT_EQ(pixels_like(got, 800, green, 700, 442, 60, 7), 0) << "no number for the brakes";
    EXPECT_EQ(pixels_like(got, 800, green, 670, 522, 40, 7), 0) << "no number for the rudder";
    EXPECT_GT(pixels_like(got, 800, green, 670, 512, 40, 20), 20) << "the rudder's label";
}

// ---- the graph window ------------------------------------------------------------------

class GraphWindowGl : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(start_shipped_on_display(10)) << error_out(); }
    void TearDown() override { MACIBM_finishup(); }

    static void select(std::initializer_list<int> items)
    {
        for (int& g : set.out_graph) g = 0;
        for (int i : items) set.out_graph[i] = 1;
        set_dataoutput_params();
    }
    // The window opened and drawn, the mouse at window x in the plot.
    static std::vector<unsigned char> open_window(float mouse_x)
    {
        MACIBM_startwind(win_graph);
        EXPECT_EQ(mnw.topwin, win_graph);
        host_test_push_event({HE_MOUSEMOVE, 0, (int)(mnw.x + mouse_x), (int)(600 - (mnw.y + 200)), 0});
        for (int f = 0; f < 2; f++) MACIBM_event_proc();
        return window_shown();
    }
    // Pixels of column (1..4)'s colour in slot g's plot.
    static int in_strip(const std::vector<unsigned char>& px, int g, int column)
    {
        int c[3];
        window_colour(column_colour[column - 1], c);
        int y = (int)graph_baseline(g);
        return pixels_like(px, (int)mnw.dx, c, (int)graph_plot_x + 2, y - 41, (int)graph_plot_width, 83);
    }
};

// One-column items: the clock, the climb, the one engine's power and lift
// over drag, as waves. Each strip holds its one line, and the columns the
// items do not have (markers) draw nothing: 999 scales below the climb's
// and the power's strips lies in the clock's.
TEST_F(GraphWindowGl, EachStripShowsItsLinesAndNoneForColumnsWithoutValues)
{
    select({1, 16, 28, 40});
    ASSERT_EQ(set.graph_sel[2], 28);
    msc.dt = 0.05f;
    for (int n = 0; n < 300; n++) {
        float t = 0.05f * (float)n;
        msc.sim_time = 2 * sinf(t);
        flt.vel_y = 3 * cosf(t);
        flt.power[0] = 100000 + 50000 * sinf(0.5f * t);   // to 200 hp: 999 scales lie 164 units down, in slot 0
        flt.F_aero_normal = 1000 * (1 + sinf(t));
        flt.F_aero_axial = -100;
        update_graph();
    }
    std::vector<unsigned char> px = open_window(300);
    for (int g = 0; g < graph_slots; g++) {
        EXPECT_GT(in_strip(px, g, 1), 300) << "slot " << g << "'s line";
        // The columns drawn one over the other: the last, grey, would show.
        for (int c = 2; c <= 4; c++) EXPECT_EQ(in_strip(px, g, c), 0) << "slot " << g << " column " << c;
    }
}

// A minute of flight over KSBD at full throttle, the yoke scripted, the
// airspeeds, the body rates, the attitude and the air forces graphed; the
// window shows its last ten seconds.
TEST_F(GraphWindowGl, AMinuteOfFlightShowsFourStripsOfLabelledColouredLines)
{
    select({15, 22, 23, 37});
    set.place_lat = rwy_lat[msc.rwy_sel];
    set.place_lon = rwy_lon[msc.rwy_sel];
    set.place_alt = 5000 * con.fttomtrs;
    set.place_hdg = 60;
    set.place_speed = 100 * con.ktstomsc;
    set_fltvars(place_over_point, 0);
    set.joy_device = joy_none;
    msc.mouse_yoke_on = 0;
    const struct {
        float until_s, pitch, roll;
    } script[] = {{10, 0, 0}, {18, 0.25f, 0}, {26, -0.1f, 0.3f}, {34, 0, -0.3f}, {42, 0.1f, 0},
                  {50, -0.15f, 0.2f}, {53, 0.3f, 0}, {56, -0.2f, -0.35f}, {60, 0.15f, 0.35f}};
    int crashes = msc.crash_count;
    for (int f = 0; f < 1200; f++) {
        float t = 0.05f * (float)f;
        int k = 0;
        while (k < 8 && t >= script[k].until_s) k++;
        for (int e = 0; e < plane_engines; e++) flt.throttle_req[e] = 1;
        set.pitch_key = script[k].pitch;
        set.roll_key = script[k].roll;
        set.yaw_key = 0;
        msc.dt = 0.05f;
        update_flight();
    }
    ASSERT_EQ(msc.crash_count, crashes) << "the minute flew without a crash";
    EXPECT_EQ(grf.sample_index, 1199);
    grf.left_time = 49;
    std::vector<unsigned char> px = open_window(350);

    // Airspeeds 2 columns, rates 3, attitude 2, forces 3.
    const int columns[4] = {2, 3, 2, 3};
    for (int g = 0; g < graph_slots; g++)
        for (int c = 1; c <= columns[g]; c++) EXPECT_GT(in_strip(px, g, c), 150) << "slot " << g << " column " << c;
    // Each strip's names beside it in their colours.
    for (int g = 0; g < graph_slots; g++) {
        int c[3];
        window_colour(column_colour[0], c);
        EXPECT_GT(pixels_like(px, (int)mnw.dx, c, 14, (int)graph_baseline(g) + 33, 24, 7), 10) << "slot " << g;
    }

    std::vector<unsigned char> all(800 * 600 * 3);
    host_test_read_front(0, 0, 800, 600, all.data());
    write_test_bmp(std::string(test_scratch_folder()) + "graph_window.bmp", 800, 600, [&](int c, int r) {
        const unsigned char* p = &all[3 * ((size_t)r * 800 + c)];
        return (uint32_t)p[0] << 16 | (uint32_t)p[1] << 8 | p[2];
    });
}
