// Writes into the program folder given as the one argument (ending in '/')
// the charts' pictures in "bitmaps/VolSim/" over the window grey: "loc_nrt",
// the enroute chart's control strip (pasted at the chart's right edge), and
// "out_plt", the airport diagram's window with the same strip, the map's
// and the approach profile's frames, the field elevation's labels and the
// profile's two shift buttons. The strip's boxes are the chart manager's own.
#include "Do_graph.h"
#include "HL_BTN.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Windows.h"
#include "bmp_writer.h"

#include <cstdio>
#include <cstring>
#include <string>

// The palette entries the pictures use, as the program's table has them.
static void assign_colours(void)
{
    OGL_assigncolor(6, 0.8f, 0.8f, 0.8f);
    OGL_assigncolor(12, 0.6f, 0.6f, 0.6f);   // the window body
    OGL_assigncolor(18, 0.4f, 0.4f, 0.4f);
    OGL_assigncolor(22, 0.2f, 0.2f, 0.2f);
    OGL_assigncolor(29, 0, 0, 0);
}

// Text centred on x.
static void label(float x, float y, const char* text)
{
    OGL_string(29, x - 3.0f * (float)strlen(text), y, text, 999, 6);
}

// The dark window under a digit wheel of `digits` places at (x, y), as
// instdbtn draws it: each place 10 wide from x + 3.
static void digit_window(float x, float y, int digits)
{
    OGL_fillrect(29, x, y - 3, 10.0f * (float)digits + 1, 14);
    MACIBM_button(x - 1, y - 4, x + 10.0f * (float)digits + 1, y + 11, 0);
}

static void raised_box(const win_box& b)
{
    MACIBM_button(b.x1 + 1, b.y1 + 1, b.x2 - 1, b.y2 - 1, 1);
}

// A filled arrow in the box, pointing towards bearing 0 up, 90 right, 180 down, 270 left.
static void arrow(const win_box& b, int bearing)
{
    float cx = 0.5f * (b.x1 + b.x2), cy = 0.5f * (b.y1 + b.y2);
    for (int k = 0; k <= 6; k++) {
        float along = 4.0f - (float)k, half = (float)k;
        float ax = along, ay = -half, bx = along, by = half;   // a row across, pointing +x
        auto turn = [&](float& px, float& py) {
            float x = px, y = py;
            if (bearing == 0) px = -y, py = x;
            if (bearing == 180) px = y, py = -x;
            if (bearing == 270) px = -x, py = -y;
        };
        turn(ax, ay);
        turn(bx, by);
        OGL_line(29, cx + ax, cy + ay, cx + bx, cy + by);
    }
}

// The strip of a window `width` wide: the placement fields with their
// labels, zoom, pan and centre buttons.
static void draw_strip(float width)
{
    float left = width - chart_strip_width, mid = left + 0.5f * chart_strip_width;
    MACIBM_button(left, 0, width - 1, chart_height - 1, 1);

    label(mid, 466, "HEADING");
    label(mid, 456, "DEG TRUE");
    digit_window(width - chart_hdg_dx, chart_hdg_y, 3);
    label(mid, 404, "ALTITUDE");
    label(mid, 394, "FEET");
    digit_window(width - chart_alt_dx, chart_alt_y, 6);
    label(mid, 342, "GROUNDSPEED");
    label(mid, 332, "KNOTS");
    digit_window(width - chart_gs_dx, chart_gs_y, 5);

    win_box in = chart_button(chart_zoom_in, width), out = chart_button(chart_zoom_out, width);
    raised_box(in);
    label(mid, in.y1 + 7, "ZOOM IN");
    raised_box(out);
    label(mid, out.y1 + 7, "ZOOM OUT");

    const int pans[4] = {chart_pan_up, chart_pan_down, chart_pan_left, chart_pan_right};
    const int bearings[4] = {0, 180, 270, 90};
    for (int k = 0; k < 4; k++) {
        win_box b = chart_button(pans[k], width);
        raised_box(b);
        arrow(b, bearings[k]);
    }
    win_box up = chart_button(chart_pan_up, width), down = chart_button(chart_pan_down, width);
    label(0.5f * (up.x1 + up.x2), 0.5f * (up.y1 + down.y2) - 3, "PAN");

    win_box c = chart_button(chart_centre, width);
    raised_box(c);
    label(mid, c.y1 + 28, "CENTER");
    label(mid, c.y1 + 18, "ON");
    label(mid, c.y1 + 8, "AIRCRAFT");
}

// A frame sunk round the box, its inside filled.
static void sunk_frame(const win_box& b, int fill)
{
    OGL_fillrect(fill, b.x1, b.y1, b.x2 - b.x1, b.y2 - b.y1);
    MACIBM_button(b.x1 - 1, b.y1 - 1, b.x2 + 1, b.y2 + 1, 0);
}

static void draw_diagram(float width)
{
    sunk_frame(diagram_map_area, 18);
    sunk_frame(diagram_profile_area, 6);
    label(0.5f * (diagram_profile_area.x1 + diagram_profile_area.x2), diagram_profile_area.y1 - 12,
          "APPROACH PROFILE");
    win_box fit = {diagram_fit_x - 0.5f * diagram_fit_w - 2, diagram_fit_y - 0.5f * diagram_fit_h - 2,
                   diagram_fit_x + 0.5f * diagram_fit_w + 2, diagram_fit_y + 0.5f * diagram_fit_h + 2};
    sunk_frame(fit, 6);
    // The field elevation's number ends near x 312 at y 174.
    OGL_string(29, 243, 174, "ELEV", 999, 6);
    OGL_string(29, 318, 174, "FT", 999, 6);

    float mid = width - 0.5f * chart_strip_width;
    label(mid, 46, "PROFILE");
    label(mid, 37, "SHIFT");
    win_box back = chart_button(chart_shift_back, width), on = chart_button(chart_shift_on, width);
    raised_box(back);
    arrow(back, 270);
    raised_box(on);
    arrow(on, 90);
}

// The picture of window id, drawn by draw at its size from the bottom left of rgb_array.
static int write_picture(const std::string& folder, int id, void (*draw)(float width))
{
    float dx, dy;
    window_size(id, &dx, &dy);
    int w = (int)dx, h = (int)dy;
    OGL_fillrect(12, 0, 0, dx, dy);
    draw(dx);
    std::string path = folder + "bitmaps/VolSim/" + window_background(id) + ".BMP";
    if (write_bmp(path.c_str(), rgb_array, w, h, 800)) return 1;
    fprintf(stderr, "gen_13_chart_windows: cannot write %s\n", path.c_str());
    return 0;
}

static void draw_diagram_window(float width)
{
    draw_strip(width);
    draw_diagram(width);
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_13_chart_windows PROGRAM_FOLDER/\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    assign_colours();
    to_array = 1;
    int ok = write_picture(folder, win_chart, draw_strip);
    ok &= write_picture(folder, win_diagram, draw_diagram_window);
    return ok ? 0 : 1;
}
