// The data-output, serial-output and rendering windows. Each draws only its
// live parts over its background picture, which carries the labels
// (gen_13_output_windows). Owns what the rendering window keeps between
// frames: the screen resolution chosen for the next start.
//   set data output
//   set serial output
//   text lines
//   set rendering options
#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Graphnif.h"
#include "Initgen.h"
#include "Windows.h"
#include "host.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstring>

// ---- set data output -------------------------------------------------------------

// Each box's help names the table it toggles, in the boxes' order.
static const char* const dat_help[4] = {
    "This data will go to the serial port. Use this to drive your own cockpits or whatever. See the SERIAL PORT "
    "options in the SETTINGS menu for COMPORT selection. (38400 baud, no parity)",
    "This data will go to a file called 'Volanto.out' in simple text format. This data can be used for graphing, "
    "spreadsheets, manual interpretation, or other light reading.",
    "This data will go to the graphics display for visual reference. Check it out at 'Graphic Flight Record' in "
    "the 'Output' menu. This is useful for looking at trends over some period of time.",
    "This data will go to the cockpit display in numerical form so you can look at the exact numbers in flight. "
    "This is handy for rapid in-flight testing.",
};

// Past most marks the lowest-numbered one goes, but never the one the user
// has just made: that is the one wanted. One a frame.
static void keep_at_most(int* marks, int most, int just_marked)
{
    int n = 0;
    for (int i = 0; i < dataout_items; i++) n += marks[i] != 0;
    if (n <= most) return;
    for (int i = 0; i < dataout_items; i++)
        if (marks[i] && i != just_marked) {
            marks[i] = 0;
            return;
        }
}

// Items 50 to 59 do nothing and their rows would lie below the window: only
// the labelled ones have boxes.
void manage_dat(void)
{
    int* const tables[4] = {set.out_serial, set.out_file, set.out_graph, set.out_cockpit};
    int new_graph = -1, new_cockpit = -1;
    for (int item = 0; item < dataout_labelled; item++) {
        float x = dat_item_x(item), y = (float)util_yval(item);
        for (int k = 0; k < 4; k++) {
            int* mark = &tables[k][item];
            if (!inboolbtn(x + dat_box_step * (float)k, y, mark, dat_help[k]) || !*mark) continue;
            if (k == dat_to_graph) new_graph = item;
            if (k == dat_to_cockpit) new_cockpit = item;
        }
    }
    keep_at_most(set.out_graph, dat_graph_most, new_graph);
    keep_at_most(set.out_cockpit, dat_cockpit_most, new_cockpit);
}

// ---- set serial output -------------------------------------------------------------

// Mode 6, the data items marked for the serial port, is chosen in the
// data-output window: no button here stands for it, and its marks stay.
// Choosing another mode lets the marks go, or they would bring mode 6 back
// when the data-output window next closes and at the next start.
void manage_ser(void)
{
    int chosen = 0;
    for (int mode = 0; mode < 6; mode++) chosen |= inonebool(ser_button_x, ser_button_y[mode], &set.serial_mode, mode);
    if (chosen)
        for (int& mark : set.out_serial) mark = 0;
    in2textbtn(ser_port_at.x, ser_port_at.y, "COM 1", "COM 2", ser_port_offset, &set.serial_port);
    if (set.serial_mode == 0 || set.serial_mode == 1)
        for (int& mark : set.out_serial) mark = 0;
}

// ---- text lines ----------------------------------------------------------------------

int fit_text_lines(const char* text, int cols, int most, int starts[], int lengths[])
{
    if (!text || cols < 1) return 0;
    int n = 0, i = 0;
    while (n < most) {
        while (text[i] == ' ') i++;
        if (!text[i]) break;
        int len = 0, cut = 0;
        while (text[i + len] && len < cols) {
            len++;
            if (text[i + len] == ' ' || !text[i + len]) cut = len;
        }
        // The line ends at a blank, or at the text's end, or the word is too
        // long for any line and is cut where the line ends.
        if (text[i + len] && cut > 0) len = cut;
        starts[n] = i;
        int shown = len;
        while (shown > 0 && text[i + shown - 1] == ' ') shown--;
        lengths[n++] = shown;
        i += len;
    }
    return n;
}

// ---- set rendering options ----------------------------------------------------------

struct ogl_window_state {
    int taken = 0;                       // the triple was read from the library's
    int width = 0, height = 0, bits = 0;
    int changed = 0;                     // the user stepped the resolution choice
};
static ogl_window_state ogl_window;

void clear_output_window_state(void) { ogl_window = ogl_window_state(); }

struct screen_choice {
    int width, height, bits;
    const char* text;
};
static const screen_choice screen_choices[4] = {
    {640, 480, 16, "640 x 480, 16-bit"},
    {640, 480, 32, "640 x 480, 32-bit"},
    {800, 600, 16, "800 x 600, 16-bit"},
    {800, 600, 32, "800 x 600, 32-bit"},
};
static const int screen_other = 3;       // a triple the list has not: shown as 800 x 600, 16-bit

static int screen_selection(void)
{
    for (int k = 0; k < 4; k++) {
        const screen_choice& c = screen_choices[k];
        if (ogl_window.width == c.width && ogl_window.height == c.height && ogl_window.bits == c.bits) return k + 1;
    }
    return screen_other;
}

// A failed write has told the user through ouf_open or ouf_close; the choice
// stays and the next click tries again.
static void write_resolution(void)
{
    if (!ouf_open(res_path, kind_text, 2)) return;
    ouf << ogl_window.width << '\n' << ogl_window.height << '\n' << ogl_window.bits << '\n';
    ouf_close();
}

// One line of text from start, at most len characters, at (x, y).
static void draw_line(float x, float y, const char* text, int start, int len)
{
    char line[line_max];
    snprintf(line, sizeof line, "%.*s", len, text + start);
    OGL_string(48, x, y, line, 999, 6);
}

static const char* gl_text(GLenum name)
{
    const GLubyte* s = host_window_is_open() ? glGetString(name) : nullptr;
    return s ? (const char*)s : "";
}

// The driver's strings, each after its name; a long one breaks at a blank
// and stops above the advice rather than run over it.
static void draw_driver(void)
{
    static const char* const names[4] = {"Open-GL Vendor:    ", "Open-GL Renderer:  ", "Open-GL Version:   ",
                                         "Open-GL Extensions:"};
    const char* const values[4] = {host_gl_vendor(), host_gl_renderer(), gl_text(GL_VERSION),
                                   gl_text(GL_EXTENSIONS)};
    const int cols = (int)(ogl_driver_width / 6);
    const int extension_lines = (int)((ogl_extensions_y - ogl_driver_bottom) / 10) + 1;
    int starts[32], lengths[32];
    for (int k = 0; k < 4; k++) {
        float y = ogl_vendor_y - 10.0f * (float)k;
        OGL_string(48, ogl_driver_name_x, y, names[k], 999, 6);
        int n = fit_text_lines(values[k], cols, k == 3 ? extension_lines : 1, starts, lengths);
        for (int l = 0; l < n; l++)
            draw_line(ogl_driver_value_x, y - 10.0f * (float)l, values[k], starts[l], lengths[l]);
    }
    static const char* const advice[6] = {
        "It is critical that you use the right 3-D card and renderer to get hardware acceleration.",
        "A 'Generic' renderer probably means that you are NOT getting hardware acceleration.",
        "If this is the case, then you probably need an appropriate video card and drivers for it.",
        "The README that comes with Volanto says what it needs of the machine and its drivers.",
        "Lowering texture resolution may help frame rate because it will allow all of the textures",
        "to be stored on the video card.",
    };
    for (int k = 0; k < 6; k++)
        OGL_string(48, ogl_driver_name_x, ogl_advice_top - 10.0f * (float)k, advice[k], 999, 6);
}

// The resolution file stays as the user left it, whatever it holds, until
// the resolution choice is stepped here; from then on every click in the
// window writes it, as the choice and the file may have parted (a failed
// write, another program's).
void manage_ogl(void)
{
    in5textbtn(ogl_texture_at.x, ogl_texture_at.y, "     minimal  ", "     normal   ", "      high    ",
               "    very high ", "  extreme res!", ogl_choice_offset, &ogl_res);

    if (!ogl_window.taken) {
        ogl_window.taken = 1;
        ogl_window.width = intround(mnw.XRES);
        ogl_window.height = intround(mnw.YRES);
        ogl_window.bits = intround(mnw.CRES);
    }
    int choice = screen_selection();
    if (in4textbtn(ogl_screen_at.x, ogl_screen_at.y, screen_choices[0].text, screen_choices[1].text,
                   screen_choices[2].text, screen_choices[3].text, ogl_choice_offset, &choice)) {
        const screen_choice& c = screen_choices[choice - 1];
        ogl_window.width = c.width;
        ogl_window.height = c.height;
        ogl_window.bits = c.bits;
        ogl_window.changed = 1;
    }

    in2textbtn(ogl_switch_x, ogl_buildings_y, "  no (faster, no buildings!)  ", " yes (slower, with buildings) ",
               ogl_switch_offset, &set.render_flag_1);
    in2textbtn(ogl_switch_x, ogl_traffic_y, "  no (faster, no air traffic!)", " yes (slower, see air traffic)",
               ogl_switch_offset, &set.air_traffic_on);
    in2textbtn(ogl_switch_x, ogl_trees_y, "  no (faster, but no trees)   ", " yes (slower, but with trees) ",
               ogl_switch_offset, &set.render_flag_4);

    draw_driver();

    int in_window = fltbox(mnw.mx, mnw.my, 0, 0, mnw.dx, mnw.dy);
    if (mnw.mouse_clicked && in_window && ogl_window.changed) write_resolution();
}
