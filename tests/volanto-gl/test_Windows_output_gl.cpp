// The data-output, serial-output and rendering windows on the virtual
// display over the shipped data, worked by scripted clicks: the graph's and
// the cockpit's marks held to their most by clearing the lowest other one,
// each box's help naming its destination, the serial modes' buttons and
// what they clear, and the rendering window's choices with the resolution
// file left alone until its choice is stepped, then written at every click.
#include <gtest/gtest.h>

#include "Graphnif.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Windows.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Window units to the drawable's pixels, from its top, as the host sends them.
int pixel_x(float x) { return (int)((mnw.x + x) * mnw.XRAT); }
int pixel_y(float y) { return (int)(mnw.YRES - (mnw.y + y) * mnw.YRAT); }

void click_in_window(float x, float y)
{
    host_test_push_click(pixel_x(x), pixel_y(y));
    MACIBM_event_proc();
}

void hover_in_window(float x, float y)
{
    host_test_push_event({HE_MOUSEMOVE, 0, pixel_x(x), pixel_y(y), 0});
    MACIBM_event_proc();
}

void open_window(int id)
{
    MACIBM_startwind(id);
    ASSERT_EQ(mnw.topwin, id);
    MACIBM_event_proc();
}

// The box of item's destination k (dat_to_serial ..), clicked in its middle.
void click_box(int item, int k)
{
    click_in_window(dat_item_x(item) + dat_box_step * (float)k + 4, (float)util_yval(item) + 4);
}

std::vector<int> marked(const int* table)
{
    std::vector<int> items;
    for (int i = 0; i < dataout_items; i++)
        if (table[i]) items.push_back(i);
    return items;
}

class OutputWindowsGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        clear_output_window_state();
        ASSERT_TRUE(start_shipped_on_display(10)) << error_out();
    }
    void TearDown() override { MACIBM_finishup(); }
};

// The window's picture as shown at (x, y), its own units, one pixel.
void shown_at(float x, float y, unsigned char rgb[3])
{
    host_test_read_front((int)((mnw.x + x) * mnw.XRAT), (int)((mnw.y + y) * mnw.YRAT), 1, 1, rgb);
}

}  // namespace

// ---- set data output ------------------------------------------------------------------

// Past four graph marks or ten cockpit marks the lowest-numbered other mark
// goes, also when the new one is the lowest; unmarking clears nothing else.
TEST_F(OutputWindowsGl, AMarkPastTheMostClearsTheLowestOtherOne)
{
    const struct {
        const char* what;
        int k;
        std::vector<int> before;
        int click;
        std::vector<int> after;
    } cases[] = {
        {"fifth graph mark, higher", dat_to_graph, {1, 2, 3, 4}, 30, {2, 3, 4, 30}},
        {"fifth graph mark, the lowest", dat_to_graph, {5, 6, 7, 8}, 2, {2, 6, 7, 8}},
        {"a graph mark taken off", dat_to_graph, {5, 6, 7, 8}, 6, {5, 7, 8}},
        {"eleventh cockpit mark", dat_to_cockpit, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 45, {1, 2, 3, 4, 5, 6, 7, 8, 9, 45}},
        {"eleventh cockpit mark, the lowest", dat_to_cockpit, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19}, 0,
         {0, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
        {"any number to the file", dat_to_file, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 49,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 49}},
    };
    open_window(win_data_output);
    for (const auto& c : cases) {
        int* tables[4] = {set.out_serial, set.out_file, set.out_graph, set.out_cockpit};
        for (int* t : tables) memset(t, 0, sizeof(int) * dataout_items);
        for (int i : c.before) tables[c.k][i] = 1;
        click_box(c.click, c.k);
        MACIBM_event_proc();
        EXPECT_EQ(marked(tables[c.k]), c.after) << c.what;
        for (int k = 0; k < 4; k++) {
            if (k == c.k) continue;
            EXPECT_TRUE(marked(tables[k]).empty()) << c.what << ": table " << k;
        }
    }

    // Closing the window builds the lists from the marks.
    memset(set.out_graph, 0, sizeof set.out_graph);
    click_box(12, dat_to_graph);
    click_box(3, dat_to_graph);
    click_in_window(4, mnw.dy + 7);   // the close box
    ASSERT_EQ(mnw.topwin, win_main);
    EXPECT_EQ(set.graph_sel[0], 3);
    EXPECT_EQ(set.graph_sel[1], 12);
    EXPECT_EQ(set.graph_sel[2], -1);
    EXPECT_EQ(set.out_graph_any, 1);
}

// The help under the mouse names the table the box toggles, and the box
// lights once marked.
TEST_F(OutputWindowsGl, EachBoxsHelpNamesItsDestination)
{
    const struct {
        int k;
        const char* names;
    } boxes[] = {
        {dat_to_serial, "go to the serial port"},
        {dat_to_file, "go to a file called 'Volanto.out'"},
        {dat_to_graph, "go to the graphics display"},
        {dat_to_cockpit, "go to the cockpit display"},
    };
    open_window(win_data_output);
    for (const auto& b : boxes) {
        float x = dat_item_x(27) + dat_box_step * (float)b.k, y = (float)util_yval(27);
        hover_in_window(x + 4, y + 4);
        EXPECT_NE(strstr(mnw.help_message, b.names), nullptr) << b.names << ", not: " << mnw.help_message;
        click_box(27, b.k);
        MACIBM_event_proc();
        unsigned char px[3];
        shown_at(x + 4, y + 4, px);
        EXPECT_EQ(px[1], 153) << b.names << ": the box lit";
    }
}

// ---- set serial output -----------------------------------------------------------------

// Choosing a mode lets the serial marks go, or the data-output window would
// bring mode 6 back when it next closes (and the next start with it); off
// and GPS also clear marks every frame, the packet modes keep marks made
// since. With marks the data-output window sets mode 6, for which no button
// lights and the marks stay.
TEST_F(OutputWindowsGl, SerialModesAndTheMarksTheyClear)
{
    open_window(win_data_output);
    click_box(15, dat_to_serial);
    click_box(26, dat_to_serial);
    MACIBM_startwind(win_serial_output);
    EXPECT_EQ(set.serial_mode, serial_mode_items);
    for (int f = 0; f < 3; f++) MACIBM_event_proc();
    EXPECT_EQ(marked(set.out_serial), (std::vector<int>{15, 26}));
    for (int m = 0; m < 6; m++) {
        unsigned char px[3];
        shown_at(ser_button_x + 4, ser_button_y[m] + 4, px);
        EXPECT_EQ(px[1], 51) << "mode " << m << "'s button is dark";
    }

    const struct {
        int mode;
        int keeps_later_marks;
    } cases[] = {{2, 1}, {5, 1}, {3, 1}, {1, 0}, {4, 1}, {0, 0}};
    for (const auto& c : cases) {
        set.out_serial[15] = set.out_serial[26] = 1;
        click_in_window(ser_button_x + 5, ser_button_y[c.mode] + 5);
        MACIBM_event_proc();
        EXPECT_EQ(set.serial_mode, c.mode);
        EXPECT_TRUE(marked(set.out_serial).empty()) << "mode " << c.mode;
        for (int m = 0; m < 6; m++) {
            unsigned char px[3];
            shown_at(ser_button_x + 4, ser_button_y[m] + 4, px);
            EXPECT_EQ(px[1], m == c.mode ? 153 : 51) << "mode " << c.mode << ", button " << m;
        }
        set.out_serial[15] = 1;
        MACIBM_event_proc();
        EXPECT_EQ(marked(set.out_serial).size(), c.keeps_later_marks ? 1u : 0u) << "mode " << c.mode;
    }

    // The motion platform chosen over the data items stays chosen when the
    // data-output window closes.
    open_window(win_data_output);
    click_box(15, dat_to_serial);
    MACIBM_startwind(win_serial_output);
    MACIBM_event_proc();
    click_in_window(ser_button_x + 5, ser_button_y[3] + 5);
    MACIBM_event_proc();
    open_window(win_data_output);
    MACIBM_startwind(win_main);
    EXPECT_EQ(set.serial_mode, 3);
    MACIBM_startwind(win_serial_output);
    MACIBM_event_proc();

    // The port's upper arrow steps it on, and round again.
    float ax = ser_port_at.x + ser_port_offset + 7;
    click_in_window(ax, ser_port_at.y + 10);
    EXPECT_EQ(set.serial_port, 1);
    click_in_window(ax, ser_port_at.y + 10);
    EXPECT_EQ(set.serial_port, 0);
}

// ---- set rendering options ----------------------------------------------------------------

namespace {

std::string res_file(void) { return std::string(test_scratch_folder()) + "config/XRes 5.prf"; }

class RenderingWindowGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        clear_output_window_state();
        write_file(res_file(), hand_written);
        ASSERT_TRUE(start_shipped_on_display(10)) << error_out();
        ASSERT_EQ(mnw.XRES, 1024);
        open_window(win_rendering);
    }
    void TearDown() override { MACIBM_finishup(); }

    static constexpr const char* hand_written = "I\n2 version\n1024\n768\n24\n";

    // A choice field's arrows: the upper one steps on.
    static void step_on(float x, float y, float offset) { click_in_window(x + offset + 7, y + 12); }
};

}  // namespace

// A resolution the list has not shows as 800 x 600, 16-bit and stays in the
// file through clicks on the other choices; the first step of the choice
// writes the file, and from then on every click does, also a failed one's
// next.
TEST_F(RenderingWindowGl, TheResolutionFileWaitsForItsChoiceThenFollowsEveryClick)
{
    ogl_res = 2;
    set.render_flag_1 = 1;
    set.air_traffic_on = 1;
    set.render_flag_4 = 0;
    const struct {
        float x, y, offset;
        int* value;
        int want;
    } switches[] = {
        {ogl_texture_at.x, ogl_texture_at.y, ogl_choice_offset, &ogl_res, 3},
        {ogl_switch_x, ogl_buildings_y, ogl_switch_offset, &set.render_flag_1, 0},
        {ogl_switch_x, ogl_traffic_y, ogl_switch_offset, &set.air_traffic_on, 0},
        {ogl_switch_x, ogl_trees_y, ogl_switch_offset, &set.render_flag_4, 1},
    };
    for (const auto& s : switches) {
        step_on(s.x, s.y, s.offset);
        EXPECT_EQ(*s.value, s.want);
    }
    click_in_window(300, 30);   // on nothing
    EXPECT_EQ(read_file(res_file()), hand_written);
    remove(res_file().c_str());   // nor is one made while the choice is as it was
    click_in_window(300, 30);
    EXPECT_FALSE(std::filesystem::exists(res_file()));
    write_file(res_file(), hand_written);

    // 800 x 600, 16-bit stepped on: 32-bit, and the file says so.
    step_on(ogl_screen_at.x, ogl_screen_at.y, ogl_choice_offset);
    const std::string written = "I\n2 version\n800\n600\n32\n";
    EXPECT_EQ(read_file(res_file()), written);
    EXPECT_EQ(mnw.XRES, 1024) << "the new resolution waits for the next start";

    // Any click rewrites it now; one past the end wraps to 640 x 480, 16-bit.
    remove(res_file().c_str());
    click_in_window(300, 30);
    EXPECT_EQ(read_file(res_file()), written);
    step_on(ogl_screen_at.x, ogl_screen_at.y, ogl_choice_offset);
    EXPECT_EQ(read_file(res_file()), "I\n2 version\n640\n480\n16\n");

    // A file that cannot be made: the notice, answered, closes the window;
    // the choice is kept and the next click in the window writes it.
    char kept[path_max];
    snprintf(kept, sizeof kept, "%s", res_path);
    snprintf(res_path, sizeof res_path, "%sno such folder/XRes 5.prf", test_scratch_folder());
    host_test_push_click(pixel_x(300), pixel_y(30));
    host_test_push_frame_break();
    host_test_push_key(VK_RETURN, 0);
    MACIBM_event_proc();
    EXPECT_NE(error_out().find("I could not save the file!"), std::string::npos);
    snprintf(res_path, sizeof res_path, "%s", kept);
    remove(res_file().c_str());
    open_window(win_rendering);
    click_in_window(300, 30);
    EXPECT_EQ(read_file(res_file()), "I\n2 version\n640\n480\n16\n");
}

// The driver's extension string, thousands of characters here, keeps to
// its lines above the advice: nothing green in the band between them.
TEST_F(RenderingWindowGl, TheExtensionStringStaysAboveTheAdvice)
{
    const char* ext = (const char*)glGetString(GL_EXTENSIONS);
    ASSERT_NE(ext, nullptr);
    ASSERT_GT(strlen(ext), 1000u) << "a driver whose extensions fit proves nothing here";
    MACIBM_event_proc();
    int w = (int)mnw.XRES, h = (int)mnw.YRES;
    std::vector<unsigned char> px((size_t)w * h * 3);
    host_test_read_front(0, 0, w, h, px.data());
    // Green pixels in the window's rows y1..y2 (its units).
    auto green_in = [&](float y1, float y2) {
        int n = 0;
        for (int r = (int)((mnw.y + y1) * mnw.YRAT); r <= (int)((mnw.y + y2) * mnw.YRAT); r++)
            for (int c = (int)(mnw.x * mnw.XRAT); c < (int)((mnw.x + mnw.dx) * mnw.XRAT); c++) {
                const unsigned char* p = &px[3 * ((size_t)r * w + c)];
                n += p[1] > 200 && p[0] < 120;
            }
        return n;
    };
    EXPECT_GT(green_in(ogl_driver_bottom + 5, ogl_extensions_y + 6), 500) << "the extensions' lines";
    EXPECT_EQ(green_in(ogl_advice_top + 9, ogl_driver_bottom + 2), 0) << "the band above the advice";
}
