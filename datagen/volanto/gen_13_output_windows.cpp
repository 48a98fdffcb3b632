// Writes into the program folder given as the one argument (ending in '/')
// the labelled background pictures of the output windows in
// "bitmaps/VolSim/", over the plain grey ones gen_12_windows wrote: the
// data-output window's column heads, item names and key ("set_dat"), the
// serial window's modes and port ("set_ser") and the rendering window's
// choice rows and the frame of the driver's strings ("set_ogl"). Drawn with
// the library's own drawing into rgb_array at the places the windows'
// managers draw their live parts (Windows.h).
#include "Graphnif.h"
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Windows.h"
#include "window_labels.h"

#include <cstdio>
#include <cstring>
#include <string>

// ---- drawing helpers -------------------------------------------------------------

// A choice field at its anchor: the well under the longest of its texts
// (chars wide) and its two arrows over and under the column the widget
// steps it in, at x + offset.
static void choice_field(float x, float y, int chars, float offset, const char* name, float name_x)
{
    well(x - 4, y - 4, x + 6.0f * (float)chars + 3, y + 11);
    float cx = x + offset + 7;
    arrow(cx, y + 18, 1, 4);
    arrow(cx, y - 10, 0, 4);
    label(name_x, y, name);
}

// ---- set data output -----------------------------------------------------------------

// Each item's name beside its row; the file, graph and cockpit show its
// columns' short names.
static const char* const item_names[dataout_labelled] = {
    "frame rate, time ratio",     // 0
    "elapsed time",
    "local and Zulu time",
    "air density ratio",
    "air density",
    "angle of attack, sideslip",  // 5
    "flight path heading",
    "flight path climb angle",
    "throttles",
    "propeller levers",
    "wing sweep, thrust vector",  // 10
    "yoke and pedals",
    "control ratios",
    "trim, flaps, slats",
    "gear, brakes, speedbrake",
    "true and indicated speed",   // 15
    "vertical speed",
    "Mach number, g load",
    "speed of sound",
    "dynamic pressure",
    "pitch, roll, yaw moment",    // 20
    "angular accelerations",
    "pitch, roll, yaw rates",
    "pitch and roll",
    "true, magnetic heading",
    "distance flown",             // 25
    "lat, lon, altitude",
    "position x, y, z",
    "engine power",
    "engine thrust",
    "engine torque",              // 30
    "engine rpm",
    "propeller pitch",
    "propwash speed",
    "manifold pressure",
    "jet N1",                     // 35
    "fuel flow",
    "lift, drag, side force",
    "forces in body axes",
    "gear leg travel",
    "lift over drag",             // 40
    "propeller efficiency",
    "aileron deflection",
    "spoiler deflection",
    "elevator deflection",
    "rudder deflection",          // 45
    "ruddervators",
    "cyclic pitch and roll",
    "payload and fuel",
    "empty, gross weight",
};

static void draw_data_output(float dx, float)
{
    static const char* const heads[4] = {"S", "F", "G", "C"};
    static_assert(dat_to_serial == 0 && dat_to_file == 1 && dat_to_graph == 2 && dat_to_cockpit == 3,
                  "the heads stand in the boxes' order");
    for (float x : dat_column_x) {
        for (int k = 0; k < 4; k++) label(x + dat_box_step * (float)k + 2, (float)util_yval(0) + 14, heads[k]);
        label(x + dat_name_dx, (float)util_yval(0) + 14, "data item");
    }
    for (int item = 0; item < dataout_labelled; item++)
        label(dat_item_x(item) + dat_name_dx, (float)util_yval(item) + 1, item_names[item]);

    // The key, in the room under the short third column.
    float x = dat_column_x[2], y = (float)util_yval(dataout_labelled - 1) - 30;
    OGL_framerect(col_dark, x - 4, 8, dx - x, y + 14 - 8);
    label(x + 2, y, "Each row's boxes send it to:");
    static const char* const key[4] = {"S  the serial port", "F  the file 'Volanto.out'", "G  the graph window",
                                       "C  the cockpit display"};
    for (int k = 0; k < 4; k++) label(x + 8, y - 14 - 11.0f * (float)k, key[k]);
    paragraph(x + 2, y - 68, dx - x - 12,
              "The graph takes 4 items and the cockpit 10: one more clears the lowest-numbered.\n\n"
              "Serial items go out when this window closes.");
}

// ---- set serial output -----------------------------------------------------------------

static void draw_serial_output(float dx, float)
{
    struct mode_text {
        const char* name;
        const char* about;
    };
    static const mode_text modes[6] = {
        {"Off: nothing goes out", nullptr},
        {"GPS position: NMEA sentences at 4800 baud",
         "A $GPGGA and a $GPRMC sentence in turn, one a second, as a GPS receiver sends them."},
        {"Flight data packet, 38400 baud binary",
         "Twenty times a second: -999, indicated airspeed, pitch, roll, indicated altitude, yaw rate, sideslip, "
         "heading and vertical speed."},
        {"Motion platform",
         "Drives a motion platform through its own library, when it is installed: roll, pitch and heading twenty "
         "times a second. No serial port is used."},
        {"Position packet, 38400 baud binary",
         "Twenty times a second: -999, the simulated time, pitch, heading, roll, longitude, latitude and the "
         "position x, y, z in feet."},
        {"Motion cues packet, 38400 baud binary",
         "Twenty times a second: -999, speed, angle of attack, the three angular and the three linear "
         "accelerations, an event code, pitch, roll and the last key pressed."},
    };
    float tx = ser_button_x + 18, width = dx - tx - 12;
    for (int m = 0; m < 6; m++) {
        float y = ser_button_y[m];
        label(tx, y + 2, modes[m].name);
        if (modes[m].about) paragraph(tx + 12, y - 12, width - 12, modes[m].about);
    }
    paragraph(ser_button_x, 130, dx - 2 * ser_button_x,
              "A packet is its values as 4-byte floats, lowest byte first, and then their sum as one more.\n"
              "Data items checked for the serial port in 'Set Data Output' go out as a packet of their own at "
              "38400 baud once that window closes; no button here is lit then. Off and GPS clear those checks.");
    choice_field(ser_port_at.x, ser_port_at.y, 5, ser_port_offset, "Serial port", ser_port_at.x - 90);
    paragraph(ser_button_x, 40, dx - 2 * ser_button_x,
              "COM 1 and COM 2 are the machine's first and second serial ports, unless the environment variables "
              "VOLANTO_COM1 and VOLANTO_COM2 name other devices, such as a USB serial adapter (see the README).");
}

// ---- set rendering options ---------------------------------------------------------------

static void draw_rendering(float dx, float)
{
    const float name_x = 20;
    choice_field(ogl_texture_at.x, ogl_texture_at.y, 14, ogl_choice_offset, "Texture resolution", name_x);
    label(name_x + 12, ogl_texture_at.y - 14, "higher needs more video memory");
    choice_field(ogl_screen_at.x, ogl_screen_at.y, 17, ogl_choice_offset, "Screen resolution", name_x);
    label(name_x + 12, ogl_screen_at.y - 14, "used from the next start of Volanto");
    choice_field(ogl_switch_x, ogl_buildings_y, 30, ogl_switch_offset, "Buildings", name_x);
    choice_field(ogl_switch_x, ogl_traffic_y, 30, ogl_switch_offset, "Air traffic", name_x);
    choice_field(ogl_switch_x, ogl_trees_y, 30, ogl_switch_offset, "Trees", name_x);

    // The driver's strings stand inside the frame, the advice under it.
    float top = ogl_vendor_y + 12, bottom = ogl_driver_bottom;
    OGL_framerect(col_dark, ogl_driver_name_x - 8, bottom, dx - 2 * (ogl_driver_name_x - 8), top - bottom);
    OGL_fillrect(col_body, ogl_driver_name_x - 2, top - 4, 126, 8);
    label(ogl_driver_name_x, top - 3, "Your graphics driver");
}

int main(int argc, char** argv)
{
    static const window_picture pictures[] = {
        {win_data_output, draw_data_output},
        {win_serial_output, draw_serial_output},
        {win_rendering, draw_rendering},
    };
    return write_window_pictures(argc, argv, "gen_13_output_windows", pictures,
                                 (int)(sizeof pictures / sizeof pictures[0]));
}
