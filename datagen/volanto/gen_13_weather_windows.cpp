// Writes into the program folder given as the one argument (ending in '/')
// the labelled background pictures of the time and weather windows in
// "bitmaps/VolSim/", over the plain grey ones gen_12_windows wrote: the day's
// bar with its hours ("set_tim"), the meteors' choice ("set_spa"), the
// atmosphere's clouds, sliders, wind table, thermals and sea-level fields
// ("set_atm"), the runway surface's choice ("set_gnd") and the waves
// ("set_wat"). Drawn with the library's own drawing into rgb_array at the
// places the windows' managers draw their live parts (Windows.h).
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Windows.h"
#include "window_labels.h"

#include <cstdio>
#include <cstring>
#include <string>

// The wind bars' own colours, for the layers' keys, as the simulator's
// table holds them.
const int col_ground_bar = 50;
const int col_middle_bar = 44;
const int col_upper_bar = 43;

static void assign_bar_colours(void)
{
    OGL_assigncolor(col_ground_bar, 0, 0.6f, 0);
    OGL_assigncolor(col_middle_bar, 0.5f, 0.5f, 1);
    OGL_assigncolor(col_upper_bar, 0.3f, 0.3f, 0.9f);
}

// ---- drawing helpers -------------------------------------------------------------

// Right-aligned to end at x.
static void label_before(float x, float y, const char* text) { label(x - text_width(text), y, text); }

// A number drawn over a well, places of advance units from at.
static void readout_well(win_point at, int places, float advance)
{
    well(at.x - 3, at.y - 4, at.x + advance * (float)places + 2, at.y + 11);
}

// A choice field: the well under its texts (chars characters from at) and
// the two raised arrow buttons at at.x + arrows_dx, back below, on above.
static void choice(win_point at, int chars, float arrows_dx)
{
    well(at.x - 3, at.y - 4, at.x + 6.0f * (float)chars + 2, at.y + 11);
    float x = at.x + arrows_dx;
    MACIBM_button(x, at.y + 4, x + 15, at.y + 23, 1);
    arrow(x + 7, at.y + 16, 1);
    MACIBM_button(x, at.y - 17, x + 15, at.y + 2, 1);
    arrow(x + 7, at.y - 10, 0);
}

// A slider's track: kinds 1 and 5 are 11 high, the wind's 8.
static void track(float x1, float y, float x2, float height) { well(x1, y, x2, y + height); }

// A heading over a group, with a rule from its end to x2.
static void heading(float x1, float y, float x2, const char* text)
{
    label(x1, y, text);
    OGL_line(col_dark, x1 + text_width(text) + 4, y + 3, x2, y + 3);
}

// ---- time of day ----------------------------------------------------------------------

static float hour_x(float hour) { return interp(0, day_bar_left, 24, day_bar_right, hour); }

// The day's track, a mark each hour and a
// longer one each six, the hours under the marks, and the clock's well.
static void draw_time_of_day(float dx, float)
{
    label_centred(dx / 2, 125, "Click or drag along the day to set the local time.");
    float y1 = day_marker_y - 2, y2 = day_marker_y + day_marker_height + 2;
    well(day_bar_left - 2, y1, day_bar_right + 2, y2);
    for (int h = 0; h <= 24; h++) {
        float x = (float)intround(hour_x((float)h));
        float long_mark = h % 6 == 0 ? 4.0f : 0.0f;
        OGL_line(col_dark, x, y1 - 2, x, y1 - 6 - long_mark);
        char text[4];
        snprintf(text, sizeof text, "%d", h);
        label_centred(x + 0.5f, y1 - 18, text);
    }
    label_centred(hour_x(0), 58, "midnight");
    label_centred(hour_x(6), 58, "morning");
    label_centred(hour_x(12), 58, "noon");
    label_centred(hour_x(18), 58, "evening");
    label_centred(hour_x(24), 58, "midnight");
    readout_well(clock_hours_at, 5, 6);
    label_before(clock_hours_at.x - 8, clock_hours_at.y, "Local time");
    label(clock_minutes_at.x + 20, clock_minutes_at.y, "hours : minutes, on a 24-hour clock");
}

// ---- space -------------------------------------------------------------------------------

static void draw_space(float dx, float)
{
    label_centred(dx / 2, 64, "Shooting stars at night");
    choice(meteor_choice_at, 15, meteor_arrows_dx);
}

// ---- atmosphere ----------------------------------------------------------------------------

// A kind-1 slider's track and its name over it; the live words are drawn
// on the bar.
static void air_slider(float y, const char* name)
{
    track(air_slider_x, y, air_slider_x + 156, 11);
    label(air_slider_x, y + 16, name);
}

static void draw_clouds(void)
{
    heading(10, 553, 230, "Clouds");
    wheel_field(cloud_tops_at.x, cloud_tops_at.y, 5, 0);
    label(cloud_tops_at.x, cloud_tops_at.y + 22, "Tops MSL");
    label(cloud_tops_at.x + 56, cloud_tops_at.y, "ft");
    choice(cloud_type_at, 12, cloud_type_arrows_dx);
    label(cloud_type_at.x, cloud_type_at.y + 21, "Sky");
    wheel_field(cloud_base_at.x, cloud_base_at.y, 5, 0);
    wheel_field(cloud_base_agl_at.x, cloud_base_agl_at.y, 5, 0);
    label(cloud_base_at.x, cloud_base_at.y + 22, "Base MSL");
    label(cloud_base_agl_at.x, cloud_base_agl_at.y + 22, "Base above airport");
    label(cloud_base_at.x + 56, cloud_base_at.y, "ft");
    label(cloud_base_agl_at.x + 56, cloud_base_agl_at.y, "ft");
}

static void draw_air(void)
{
    heading(10, 424, 230, "Air");
    air_slider(visibility_y, "Visibility");
    air_slider(precip_y, "Precipitation");
    air_slider(storm_y, "Thunderstorms");
    air_slider(turbulence_y, "Turbulence");
    air_slider(shear_y, "Low-level wind shear");
    track(trend_at.x - 78, trend_at.y, trend_at.x + 78, 11);
    OGL_line(col_light, trend_at.x, trend_at.y - 2, trend_at.x, trend_at.y + 12);
    label(trend_at.x - 78, trend_at.y + 16, "Weather trend");
    label_before(trend_at.x - 81, trend_at.y + 2, "worse");
    label(trend_at.x + 82, trend_at.y + 2, "better");
}

// The layers' keys: a chip of each layer's bar colour beside its height.
static void draw_wind_table(void)
{
    heading(241, 553, 465, "Winds");
    static const char* const layer_name[3] = {"Ground", "Middle", "Upper"};
    static const int layer_colour[3] = {col_ground_bar, col_middle_bar, col_upper_bar};
    for (int l = 0; l < 3; l++) {
        win_point at = wind_height_at[l];
        if (l > 0) wheel_field(at.x, at.y, 5, 0);
        else readout_well({at.x + 3, at.y}, 5, 10);
        OGL_fillrect(layer_colour[l], at.x - 18, at.y, 8, 8);
        label_before(at.x - 24, at.y, layer_name[l]);
        label(at.x + 58, at.y, "ft AGL");
    }
    static const char* const property[5] = {"Speed", "Direction", "Shear", "Shear span", "Turbulence"};
    for (int p = 0; p < 5; p++) {
        float y = wind_row_y[p];
        for (int l = 0; l < 3; l++) track(wind_bar_x, y + wind_layer_dy * (float)l, wind_bar_x + 156, 8);
        label_before(wind_bar_x - 5, y + wind_layer_dy, property[p]);
    }
    // The ranges' names, the same as the rows'.
    well(wind_range_at.x - 4, wind_range_at.y - 4 * wind_range_dy - 3, wind_range_at.x + 112, wind_range_at.y + 9);
    for (int p = 0; p < 5; p++) label(wind_bar_x, wind_range_at.y - wind_range_dy * (float)p, property[p]);
}

static void draw_thermals(void)
{
    track(thermal_coverage_at.x, thermal_coverage_at.y, thermal_coverage_at.x + 156, 11);
    track(thermal_rate_at.x, thermal_rate_at.y, thermal_rate_at.x + 156, 11);
    label_before(thermal_coverage_at.x - 5, thermal_coverage_at.y + 2, "Thermals");
    label_before(thermal_rate_at.x - 5, thermal_rate_at.y + 2, "Their lift");
}

static void draw_sea_level(float dx)
{
    heading(475, 553, dx - 10, "At sea level");
    wheel_field(sl_temp_at.x, sl_temp_at.y, 3, 1);
    label(sl_temp_at.x, sl_temp_at.y + 22, "Temperature");
    label(sl_temp_at.x + 36, sl_temp_at.y, "deg F");
    wheel_field(baro_at.x, baro_at.y, 4, 0);
    label(baro_at.x, baro_at.y + 22, "Pressure");
    label(baro_at.x + 46, baro_at.y, "in Hg");
    MACIBM_button(regenerate_x1 + 1, regenerate_y1 + 1, regenerate_x2 - 1, regenerate_y2 - 1, 1);
    MACIBM_button(regenerate_x1, regenerate_y1, regenerate_x2, regenerate_y2, 1);
    label_centred((regenerate_x1 + regenerate_x2) / 2, regenerate_y1 + 9, "New weather field");
    paragraph(regenerate_x1, regenerate_y1 - 14, dx - 10 - regenerate_x1,
              "Draws the storm cells over the region anew.");
}

static void draw_atmosphere(float dx, float)
{
    draw_clouds();
    draw_air();
    draw_wind_table();
    draw_thermals();
    draw_sea_level(dx);
    heading(241, atis_at.y + 14, dx - 10, "ATIS at the chosen airport");
    heading(10, 85, 230, "Real weather");
}

// ---- ground ----------------------------------------------------------------------------------

static void draw_ground(float dx, float)
{
    label_centred(dx / 2, 128, "Runway surface");
    choice(friction_choice_at, 18, friction_arrows_dx);
    paragraph(10, 58, dx - 20, "How well the wheels grip the runways when braking and turning.");
}

// ---- water -----------------------------------------------------------------------------------

// Four rows of three places: the two fields with their arrows, the two
// derived read-outs with a note of where they come from.
static void draw_water(float dx, float)
{
    label_centred(dx / 2, 245, "Waves on the sea and lakes");
    static const struct {
        const win_point* at;
        int field;
        const char *name, *unit, *note;
    } rows[] = {
        {&wave_height_at, 1, "Wave height", "feet", nullptr},
        {&wave_length_at, 0, "Wave length", "feet", "Twelve times the height."},
        {&wave_speed_at, 0, "Wave speed", "knots", "As deep water carries them."},
        {&wave_dir_at, 1, "Waves travel towards", "degrees", nullptr},
    };
    const float x = wave_height_at.x;
    for (const auto& r : rows) {
        if (r.field) wheel_field(r.at->x, r.at->y, 3, 0);
        else readout_well(*r.at, 3, 10);
        label(x, r.at->y + (r.field ? 22.0f : 18.0f), r.name);
        label(x + 40, r.at->y, r.unit);
        if (r.note) paragraph(x + 76, r.at->y + 8, dx - x - 86, r.note);
    }
}

int main(int argc, char** argv)
{
    static const window_picture pictures[] = {
        {win_time_of_day, draw_time_of_day},
        {win_weather_space, draw_space},
        {win_weather_atmosphere, draw_atmosphere},
        {win_weather_ground, draw_ground},
        {win_weather_water, draw_water},
    };
    assign_bar_colours();    // beside the window colours the run assigns
    return write_window_pictures(argc, argv, "gen_13_weather_windows", pictures,
                                 (int)(sizeof pictures / sizeof pictures[0]));
}
