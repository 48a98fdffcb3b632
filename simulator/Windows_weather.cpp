// The time-of-day and weather windows: the time of day, the night sky's
// meteors, the atmosphere (clouds, visibility, storms, winds, thermals,
// temperature and pressure), the runway surface and the waves. Each draws
// only its live parts over its background picture, which carries the labels
// (gen_13_weather_windows). atm keeps SI units, but for the wind layers'
// speeds, which are knots; the windows show feet, knots, nautical miles,
// degrees Fahrenheit and inches of mercury.
//   words
//   time of day
//   space
//   atmosphere
//   ground
//   water
#include "Do_atc.h"
#include "Funct.h"
#include "Genwrld.h"
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "records.h"
#include "Windows.h"

#include <cmath>
#include <cstdio>

// The read-outs' colours: white over the bars, green for the fields and the clock.
const int col_readout = 39;
const int col_field = 48;

// ---- words -----------------------------------------------------------------------

// A value's word: the first band whose floor it passes, else the last word.
struct band_word {
    float above;
    const char* word;
};

static const char* word_of(const band_word* bands, int n, const char* lowest, float v)
{
    for (int k = 0; k < n; k++)
        if (v > bands[k].above) return bands[k].word;
    return lowest;
}

const char* visibility_class(float nm)
{
    static const struct {
        float below;
        const char* word;
    } classes[] = {
        {0.5f, "NM: socked in      "}, {1, "NM: hardball IFR   "},   {2, "NM: serious IFR    "},
        {3, "NM: instrument     "},    {5, "NM: marginal visual"},   {7, "NM: adequate visual"},
        {10, "NM: visual         "},
    };
    for (const auto& c : classes)
        if (nm < c.below) return c.word;
    return "NM: severe clear   ";
}

const char* level_word(float level)
{
    static const band_word bands[] = {{4, " severe "}, {3, " heavy  "}, {2, "moderate"}, {1, " light  "}};
    return word_of(bands, 4, "  none  ", level);
}

const char* shear_word(float level)
{
    static const band_word bands[] = {{4, "very high"}, {3, "  high   "}, {2, " moderate"}, {1, "  slight "}};
    return word_of(bands, 4, "  none   ", level);
}

const char* trend_word(float trend)
{
    static const band_word bands[] = {{0.5f, "   rapidly improving   "},
                                      {0.1f, "  gradually improving  "},
                                      {-0.1f, "       stagnant        "},
                                      {-0.5f, "gradually deteriorating"}};
    return word_of(bands, 4, " rapidly deteriorating ", trend);
}

// ---- time of day -------------------------------------------------------------------

float day_bar_time(float x) { return fltlim(interp(day_bar_left, 0, day_bar_right, 24, x), 0, 24) * 3600; }

// A click or drag in the window's body sets the time; the title bar's
// clicks are the close boxes'.
void manage_tim(void)
{
    if ((mnw.mouse_clicked || mnw.now_dragging) && fltrange(mnw.my, 0, mnw.dy))
        msc.time_of_day = day_bar_time(mnw.mx);
    float t = msc.time_of_day;
    float hour = t / 3600;
    OGL_fillrect(col_field, interp(0, day_bar_left, 24, day_bar_right, hour) - 1, day_marker_y, day_marker_width,
                 day_marker_height);
    int hours = (int)(t / 3600), minutes = (int)(t / 60) - 60 * hours;
    OGL_number(col_field, clock_hours_at.x, clock_hours_at.y, (float)hours, 2, 0, 6, 0);
    OGL_string(col_field, clock_colon_at.x, clock_colon_at.y, ":", 999, 6);
    OGL_number(col_field, clock_minutes_at.x, clock_minutes_at.y, (float)minutes, 2, 0, 6, 0);
}

// ---- space ---------------------------------------------------------------------------

void manage_spa(void)
{
    in4textbtn(meteor_choice_at.x, meteor_choice_at.y, "         light ", "       moderate", "         heavy ",
               "        severe ", meteor_arrows_dx, &atm.meteor_level);
}

// ---- atmosphere ------------------------------------------------------------------------

const int cloud_clear = 1;
const int cloud_scattered = 2;
const int cloud_broken = 3;
const int cloud_overcast = 4;

static int cloud_patchy(int type) { return type == cloud_scattered || type == cloud_broken; }

// The least distance from the base to the tops (ft): patchy clouds are one
// thin sheet, a clear sky's or an overcast's layer at least 1000 ft.
static float cloud_gap_ft(int type) { return cloud_patchy(type) ? 0.0f : 1000.0f; }

// A new kind of sky: only an overcast keeps rain and storms, and the tops
// keep the kind's distance above the base (patchy clouds' tops sit on it).
static void change_cloud_type(int type)
{
    atm.cloud_type = type;
    if (type != cloud_overcast) atm.precip_level = atm.storm_level = 1;
    float gap = cloud_gap_ft(type) * con.fttomtrs;
    if (atm.cloud_tops < atm.cloud_base + gap || cloud_patchy(type)) atm.cloud_tops = atm.cloud_base + gap;
}

// Stored back only when the shown value moved, so that a value the window
// merely shows does not creep through the unit conversions frame by frame.
static void store_shown(float* field, float shown, float was_shown, float to_stored)
{
    if (shown != was_shown) *field = shown * to_stored;
}

// The clouds in feet: the kind, then the tops, the base above sea level and
// the base above the chosen airport, each edit carrying the others along.
static void edit_clouds(void)
{
    float E = chosen_airport_h() * con.mtrstoft;
    float tops0 = atm.cloud_tops * con.mtrstoft, base0 = atm.cloud_base * con.mtrstoft;
    float agl0 = atm.cloud_base_agl * con.mtrstoft;

    int type = atm.cloud_type;
    if (in4textbtn(cloud_type_at.x, cloud_type_at.y, "     clear  ", "   scattered", "     broken ", "    overcast",
                   cloud_type_arrows_dx, &type))
        change_cloud_type(type);
    else
        atm.cloud_type = type;   // held to the four kinds
    float G = cloud_gap_ft(atm.cloud_type);
    float tops = atm.cloud_tops * con.mtrstoft, base = atm.cloud_base * con.mtrstoft, agl = agl0;
    int patchy = cloud_patchy(atm.cloud_type);

    if (instdbtn_range(col_readout, cloud_tops_at.x, cloud_tops_at.y, &tops, 5, 0, E + 50 + G, 99999,
                       "The cloud tops (MSL) are how far the tops of the clouds are above Mean Sea Level.")) {
        if (base + G > tops || patchy) base = tops - G;
        agl = base - E;
    }
    if (instdbtn_range(col_readout, cloud_base_at.x, cloud_base_at.y, &base, 5, 0, E + 50, 99999 - G,
                       "The cloud bases (MSL) are how far the bases of the clouds are above Mean Sea Level.")) {
        agl = base - E;
        if (tops - G < base || patchy) tops = base + G;
    }
    if (instdbtn_range(col_readout, cloud_base_agl_at.x, cloud_base_agl_at.y, &agl, 5, 0, 50, 99999 - 50 - G - E,
                       "The cloud bases (AGL) are how far the bases of the clouds are Above Ground Level.")) {
        base = agl + E;
        if (tops - G < base || patchy) tops = base + G;
    }
    store_shown(&atm.cloud_tops, tops, tops0, con.fttomtrs);
    store_shown(&atm.cloud_base, base, base0, con.fttomtrs);
    store_shown(&atm.cloud_base_agl, agl, agl0, con.fttomtrs);
}

// The air's sliders and their words. Rain or storms above none make the
// sky overcast; storms never stand above the rain.
static void edit_air(void)
{
    float nm0 = atm.visibility * con.mtrstonm, nm = nm0;
    util_scale(air_slider_x, visibility_y, 1, 0, 20, &nm);
    store_shown(&atm.visibility, nm, nm0, con.nmtomtrs);

    if (util_scale(air_slider_x, precip_y, 1, 1, 5, &atm.precip_level)) {
        if (atm.storm_level > atm.precip_level) atm.storm_level = atm.precip_level;
        if (atm.precip_level > 1) change_cloud_type(cloud_overcast);
    }
    if (util_scale(air_slider_x, storm_y, 1, 1, 5, &atm.storm_level)) {
        if (atm.precip_level < atm.storm_level) atm.precip_level = atm.storm_level;
        if (atm.storm_level > 1) change_cloud_type(cloud_overcast);
    }
    if (util_scale(air_slider_x, turbulence_y, 1, 1, 5, &atm.wind_turbulence)) assign_wind_tbl(1.0f);
    util_scale(air_slider_x, shear_y, 1, 1, 5, &atm.shear_level);
    util_scale(trend_at.x, trend_at.y, 5, -1, 1, &atm.weather_trend);

    char number[8];
    snprintf(number, sizeof number, "%4.1f", nm);
    OGL_string(col_readout, visibility_number_at.x, visibility_number_at.y, number, 999, 6);
    OGL_string(col_readout, visibility_class_at.x, visibility_class_at.y, visibility_class(nm), 999, 6);
    OGL_string(col_readout, level_word_x, precip_y + 2, level_word(atm.precip_level), 999, 6);
    OGL_string(col_readout, level_word_x, storm_y + 2, level_word(atm.storm_level), 999, 6);
    OGL_string(col_readout, level_word_x, turbulence_y + 2, level_word(atm.wind_turbulence), 999, 6);
    OGL_string(col_readout, level_word_x, shear_y + 2, shear_word(atm.shear_level), 999, 6);
    OGL_string(col_readout, trend_word_at.x, trend_word_at.y, trend_word(atm.weather_trend), 999, 6);
}

// The layers' heights: the middle at least 1000 ft above the ground, the
// upper at least 1000 ft above the middle, so the winds between them
// blend over a real distance.
static void edit_wind_heights(void)
{
    static const char* const help =
        "This is the elevation of the winds aloft above ground level. Volanto will interpolate smoothly between "
        "low and high winds, and will NOT extrapolate.";
    float high0 = atm.wind_alt_high * con.mtrstoft, mid0 = atm.wind_alt_mid * con.mtrstoft;
    float high = high0, mid = mid0;
    instdbtn(col_readout, wind_height_at[2].x, wind_height_at[2].y, &high, 5, 0, 0, help);
    instdbtn(col_readout, wind_height_at[1].x, wind_height_at[1].y, &mid, 5, 0, 0, help);
    OGL_number(col_readout, wind_height_at[0].x + 3, wind_height_at[0].y, 0, 5, 0, 10, 0);
    mid = fltmax2(mid, 1000);
    high = fltmax2(high, mid + 1000);
    store_shown(&atm.wind_alt_mid, mid, mid0, con.fttomtrs);
    store_shown(&atm.wind_alt_high, high, high0, con.fttomtrs);
}

// The top of each property's bars; all start at 0.
static const float wind_top[5] = {50, 360, 50, 180, 9};

// Three bars a property, the upper layer's on top; the speeds are knots as
// stored. Under them each property's range from the ground to the upper layer.
static void edit_winds(void)
{
    static const int kind_of_layer[3] = {2, 3, 4};
    // The turbulence spread can turn a direction past north either way: it
    // is the same wind, not one held at 0 or 360.
    for (int l = 0; l < 3; l++) atm.wind_layer[l][wl_wind_dir] = fltwrap(atm.wind_layer[l][wl_wind_dir], 0, 360);
    for (int p = 0; p < 5; p++)
        for (int l = 2; l >= 0; l--)
            util_scale(wind_bar_x, wind_row_y[p] + wind_layer_dy * (float)l, kind_of_layer[l], 0, wind_top[p],
                       &atm.wind_layer[l][p]);
    static const char* const unit[5] = {"knots", "degrees", "knots", "degrees", "level"};
    for (int p = 0; p < 5; p++) {
        char line[48];
        snprintf(line, sizeof line, "%d to %d %s", (int)atm.wind_layer[0][p], (int)atm.wind_layer[2][p], unit[p]);
        OGL_string(col_readout, wind_range_at.x, wind_range_at.y - wind_range_dy * (float)p, line, 999, 6);
    }
}

static void edit_thermals(void)
{
    char line[40];
    util_scale(thermal_coverage_at.x, thermal_coverage_at.y, 1, 0, 1, &atm.thermal_coverage);
    snprintf(line, sizeof line, "%d%% ground coverage", (int)(atm.thermal_coverage * 100 + 0.5f));
    OGL_string(col_readout, thermal_coverage_at.x + 7, thermal_coverage_at.y + 2, line, 999, 6);
    util_scale(thermal_rate_at.x, thermal_rate_at.y, 1, 0, 500, &atm.thermal_rate);
    snprintf(line, sizeof line, "%d FPM climb rate", (int)(atm.thermal_rate + 0.5f));
    OGL_string(col_readout, thermal_rate_at.x + 7, thermal_rate_at.y + 2, line, 999, 6);
}

// The ATIS under the letter of the hour. Making it reads the weather file
// (the active runway comes from the nearest report), so it is made anew
// once a second, not each frame, and at once when real weather is switched.
struct atis_run_state {
    char text[atc_text_max];
    float made_at;
    int made;
    int made_real;
};
static atis_run_state atis_run;

void clear_weather_windows_state(void) { atis_run = atis_run_state(); }

static void show_atis(void)
{
    int real = atm.real_weather && atm.real_weather_found;
    if (!atis_run.made || real != atis_run.made_real || fabsf(mnw.time_elapsed - atis_run.made_at) >= 1) {
        char letter = (char)('A' + intlim((int)(msc.time_of_day / 3600), 0, 24) % 24);
        get_ATIS(msc.apt_sel, letter, atis_run.text, real);
        atis_run.made_at = mnw.time_elapsed;
        atis_run.made = 1;
        atis_run.made_real = real;
    }
    OGL_string(col_field, atis_at.x, atis_at.y, atis_run.text, atis_width, 6);
}

static void edit_real_weather(void)
{
    if (atm.real_weather_found) {
        inboolbtn(real_weather_box_at.x, real_weather_box_at.y, &atm.real_weather,
                  "Real weather comes from the weather reports in \"WORLD.RWX\" in the program folder, one line a "
                  "station; put a newer file of reports there to fly today's weather. Check this box to fly in the "
                  "report of the station nearest you.");
        OGL_string(col_field, real_weather_box_at.x + 14, real_weather_box_at.y + 1, "Fly in the real weather", 999,
                   6);
        OGL_string(col_field, real_weather_line_at.x, real_weather_line_at.y, "Real weather IS detected.", 999, 6);
    } else {
        OGL_string(col_field, real_weather_line_at.x, real_weather_line_at.y, "Real weather is NOT detected.", 999,
                   6);
    }
}

static void edit_sea_level(void)
{
    instdbtn_range(col_readout, sl_temp_at.x, sl_temp_at.y, &atm.sl_temp, 3, 0, -20, 120,
                   "The temperature affects the engine power output and the lift, drag, and pitching moment of all "
                   "of the airfoils (including the prop). Warmer temperatures will result in thinner air and lower "
                   "engine power output and airfoil forces.");
    instdbtn_range(col_readout, baro_at.x, baro_at.y, &atm.baro_sl, 4, 2, 25, 35,
                   "This is the barometric pressure that would exist at sea level at your current location. Lower "
                   "barometric pressure will result in thinner air and lower engine power output and airfoil "
                   "forces.");
}

void manage_atm(void)
{
    edit_clouds();
    edit_air();
    edit_wind_heights();
    edit_winds();
    edit_thermals();
    show_atis();
    edit_real_weather();
    edit_sea_level();
    if (mnw.mouse_clicked && fltbox(mnw.mx, mnw.my, regenerate_x1, regenerate_y1, regenerate_x2, regenerate_y2))
        for (int q = 0; q < 6; q++) gen_wx_for_sec(q);
}

// ---- ground ---------------------------------------------------------------------------

static const float class_friction[3] = {1.0f, 0.7f, 0.4f};

int friction_class(float friction) { return intlim(intround(interp(1.0f, 1, 0.4f, 3, friction)), 1, 3); }

// A friction between the classes (from a situation file) shows its nearest
// class and is kept until the user picks one.
void manage_gnd(void)
{
    int s = friction_class(atm.rwy_friction);
    if (in3textbtn(friction_choice_at.x, friction_choice_at.y, "     clean and dry", "    damp or slushy",
                   "      wet or icy  ", friction_arrows_dx, &s))
        atm.rwy_friction = class_friction[s - 1];
}

// ---- water ----------------------------------------------------------------------------

// Waves twelve times as long as high, travelling as deep-water waves of
// that length do (knots from the length in feet).
void manage_wat(void)
{
    float ft0 = atm.wave_height * con.mtrstoft, ft = ft0;
    instdbtn_range(col_field, wave_height_at.x, wave_height_at.y, &ft, 3, 1, 0, 20,
                   "This is how high the waves are. Waves will effect any aircraft (floatplane or otherwise) that "
                   "enters the water.");
    store_shown(&atm.wave_height, ft, ft0, con.fttomtrs);
    float dir = (float)atm.wave_dir;
    instdbtn_range(col_field, wave_dir_at.x, wave_dir_at.y, &dir, 3, 0, 0, 360,
                   "This is whatdirection the waves are travelling in. Waves will effect any aircraft (floatplane or "
                   "otherwise) that enters the water.");
    atm.wave_dir = (int)dir;

    atm.wave_length = 12 * atm.wave_height;
    float length_ft = atm.wave_length * con.mtrstoft;
    float knots = 1.34f * sqrtf(fltmax2(length_ft, 0));
    atm.wave_speed = knots * con.ktstomsc;
    OGL_number(col_field, wave_length_at.x, wave_length_at.y, length_ft, 3, 0, 10, 0);
    OGL_number(col_field, wave_speed_at.x, wave_speed_at.y, knots, 3, 0, 10, 0);
}
