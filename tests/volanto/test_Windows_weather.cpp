// The time and weather windows without a window: the atmosphere window's
// words at their bounds, the runway surface's class of a friction, the day
// bar's time, and what the managers draw into the software picture: the
// clock and its marker, the visibility, levels, wind ranges, thermals and
// real-weather line, and the waves' length and speed.
#include <gtest/gtest.h>

#include "host_test.h"
#include "test_support.h"
#include "volanto_support.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Windows.h"
#include "records.h"
#include "window_frames.h"

#include <cmath>
#include <cstring>
#include <set>
#include <string>

namespace {

// This frame's mouse, in window units: none of the windows' parts.
void mouse_away(void) { mouse(-100, -100, 0); }

// 1 when the cells from (x, y), advance apart, hold exactly text's dots in
// the given colour: the read-outs stand over the bars they read.
int shows_in(int colour, int x, int y, const char* text, int advance)
{
    for (int k = 0; text[k]; k++) {
        const char* want = text[k] == ' ' ? nullptr : font_dots_of(text[k]);
        for (int r = 0; r < 7; r++)
            for (int c = 0; c < 5; c++) {
                int lit = rgb_colour(x + k * advance + c, y + 6 - r) == colour;
                if (lit != (want && want[r * 5 + c] == '#')) return 0;
            }
    }
    return 1;
}

// The software picture's text from a place, for a failure's message.
std::string text_at(win_point at, const char* want, int advance)
{
    return rgb_text((int)at.x, (int)at.y, (int)strlen(want), advance);
}

}  // namespace

TEST(WeatherWords, EachClassStartsAtItsBound)
{
    const struct {
        const char* (*word)(float);
        float value;
        const char* want;
    } cases[] = {
        {visibility_class, 0, "NM: socked in      "},      {visibility_class, 0.49f, "NM: socked in      "},
        {visibility_class, 0.5f, "NM: hardball IFR   "},   {visibility_class, 1, "NM: serious IFR    "},
        {visibility_class, 2, "NM: instrument     "},     {visibility_class, 3, "NM: marginal visual"},
        {visibility_class, 4.99f, "NM: marginal visual"}, {visibility_class, 5, "NM: adequate visual"},
        {visibility_class, 7, "NM: visual         "},     {visibility_class, 9.99f, "NM: visual         "},
        {visibility_class, 10, "NM: severe clear   "},    {visibility_class, 20, "NM: severe clear   "},
        {level_word, 1, "  none  "},                      {level_word, 1.01f, " light  "},
        {level_word, 2, " light  "},                      {level_word, 2.01f, "moderate"},
        {level_word, 3, "moderate"},                      {level_word, 3.01f, " heavy  "},
        {level_word, 4, " heavy  "},                      {level_word, 4.01f, " severe "},
        {level_word, 5, " severe "},                      {shear_word, 1, "  none   "},
        {shear_word, 1.5f, "  slight "},                  {shear_word, 2.5f, " moderate"},
        {shear_word, 4, "  high   "},                     {shear_word, 4.01f, "very high"},
        {trend_word, 1, "   rapidly improving   "},       {trend_word, 0.5f, "  gradually improving  "},
        {trend_word, 0.1f, "       stagnant        "},    {trend_word, 0, "       stagnant        "},
        {trend_word, -0.1f, "gradually deteriorating"},   {trend_word, -0.5f, " rapidly deteriorating "},
        {trend_word, -1, " rapidly deteriorating "},
    };
    for (const auto& c : cases) EXPECT_STREQ(c.word(c.value), c.want) << c.value;
}

// The nearest class, never outside the three: a friction above clean and
// dry is clean, one below wet or icy is wet.
TEST(WeatherGround, AFrictionTakesTheNearestClass)
{
    const struct {
        float friction;
        int want;
    } cases[] = {
        {1.0f, 1}, {0.7f, 2}, {0.4f, 3}, {0.75f, 2}, {0.9f, 1}, {0.6f, 2},
        {0.5f, 3}, {1.2f, 1}, {5.0f, 1}, {0.1f, 3}, {0.0f, 3}, {-1.0f, 3},
    };
    for (const auto& c : cases) EXPECT_EQ(friction_class(c.friction), c.want) << c.friction;
}

TEST(WeatherTime, TheDayBarSpansTwentyFourHours)
{
    const struct {
        float x, want;
    } cases[] = {
        {-50, 0}, {0, 0}, {38, 0}, {345, 43200}, {652, 86400}, {700, 86400},
    };
    for (const auto& c : cases) EXPECT_NEAR(day_bar_time(c.x), c.want, 1) << c.x;
}

// The clock under the bar and the marker over the hour, a unit left of it.
TEST(WeatherTime, TheClockAndMarkerShowTheTime)
{
    start_panel_picture();
    window_at_origin(win_time_of_day);
    mouse_away();
    const struct {
        float time;
        const char *hours, *minutes;
    } cases[] = {
        {0, "00", "00"}, {13 * 3600 + 29 * 60 + 59, "13", "29"}, {86400, "24", "00"},
    };
    for (const auto& c : cases) {
        memset(rgb_array, 0, sizeof rgb_array);
        msc.time_of_day = c.time;
        frame(manage_tim);
        EXPECT_EQ(msc.time_of_day, c.time) << "no click leaves the time";
        EXPECT_TRUE(rgb_shows(133, 26, c.hours, 6)) << text_at(clock_hours_at, c.hours, 6);
        EXPECT_TRUE(rgb_shows(145, 26, ":", 6));
        EXPECT_TRUE(rgb_shows(150, 26, c.minutes, 6)) << text_at(clock_minutes_at, c.minutes, 6);
        int x = intround(day_bar_left + (day_bar_right - day_bar_left) * c.time / 86400 - 1);
        std::set<int> lit = rgb_columns(48, 100, 0, 690);
        ASSERT_FALSE(lit.empty());
        EXPECT_NEAR(*lit.begin(), x, 1) << c.time;
        EXPECT_LE(*lit.rbegin() - *lit.begin(), 3);
    }
}

// The read-outs over the bars and the lines beside them, in the units shown.
TEST(WeatherAtmosphere, TheReadOutsShowTheStoredWeather)
{
    start_panel_picture();
    window_at_origin(win_weather_atmosphere);
    mouse_away();
    atm.cloud_type = 4;
    atm.cloud_base = 3000 * con.fttomtrs;
    atm.cloud_tops = 5000 * con.fttomtrs;
    atm.visibility = 2.5f * con.nmtomtrs;
    atm.precip_level = 3.5f;
    atm.storm_level = 1;
    atm.wind_turbulence = 2.5f;
    atm.shear_level = 5;
    atm.weather_trend = -0.3f;
    atm.wind_alt_mid = 3000 * con.fttomtrs;
    atm.wind_alt_high = 9000 * con.fttomtrs;
    const float ground[5] = {5, 270, 10, 30, 1}, upper[5] = {30, 300, 20, 60, 4};
    for (int p = 0; p < 5; p++) {
        atm.wind_layer[0][p] = ground[p];
        atm.wind_layer[1][p] = 0.5f * (ground[p] + upper[p]);
        atm.wind_layer[2][p] = upper[p];
    }
    atm.thermal_coverage = 0.25f;
    atm.thermal_rate = 300;
    atm.real_weather_found = 0;
    atm.sl_temp = 59;
    atm.baro_sl = 29.92f;
    frame(manage_atm);

    const struct {
        win_point at;
        const char* want;
        int advance;
        int colour = 39;
    } shown[] = {
        {visibility_number_at, " 2.5", 6},
        {visibility_class_at, "NM: instrument", 6},
        {{level_word_x, precip_y + 2}, " heavy", 6},
        {{level_word_x, storm_y + 2}, "  none", 6},
        {{level_word_x, turbulence_y + 2}, "moderate", 6},
        {{level_word_x, shear_y + 2}, "very high", 6},
        {trend_word_at, "gradually deteriorating", 6},
        {{wind_height_at[2].x + 3, wind_height_at[2].y}, "09000", 10},
        {{wind_height_at[1].x + 3, wind_height_at[1].y}, "03000", 10},
        {{wind_height_at[0].x + 3, wind_height_at[0].y}, "00000", 10},
        {wind_range_at, "5 to 30 knots", 6},
        {{wind_range_at.x, wind_range_at.y - wind_range_dy}, "270 to 300 degrees", 6},
        {{wind_range_at.x, wind_range_at.y - 2 * wind_range_dy}, "10 to 20 knots", 6},
        {{wind_range_at.x, wind_range_at.y - 3 * wind_range_dy}, "30 to 60 degrees", 6},
        {{wind_range_at.x, wind_range_at.y - 4 * wind_range_dy}, "1 to 4 level", 6},
        {{thermal_coverage_at.x + 7, thermal_coverage_at.y + 2}, "25% ground coverage", 6},
        {{thermal_rate_at.x + 7, thermal_rate_at.y + 2}, "300 FPM climb rate", 6},
        {real_weather_line_at, "Real weather is NOT detected.", 6, 48},
        {{sl_temp_at.x + 3, sl_temp_at.y}, "059", 10},
        {{baro_at.x + 3, baro_at.y}, "2992", 10},
        {{cloud_tops_at.x + 3, cloud_tops_at.y}, "05000", 10},
        {{cloud_base_at.x + 3, cloud_base_at.y}, "03000", 10},
        {cloud_type_at, "    overcast", 6, 48},
    };
    for (const auto& s : shown)
        EXPECT_TRUE(shows_in(s.colour, (int)s.at.x, (int)s.at.y, s.want, s.advance))
            << s.want << ": " << text_at(s.at, s.want, s.advance);

    // Merely shown, nothing moved: the stored values are the same numbers.
    EXPECT_EQ(atm.cloud_base, 3000 * con.fttomtrs);
    EXPECT_EQ(atm.cloud_tops, 5000 * con.fttomtrs);
    EXPECT_EQ(atm.visibility, 2.5f * con.nmtomtrs);
    EXPECT_EQ(atm.wind_alt_mid, 3000 * con.fttomtrs);
    EXPECT_EQ(atm.wind_layer[0][wl_wind_speed], 5);
    EXPECT_EQ(atm.wind_layer[2][wl_wind_speed], 30);

    // With a weather file the box and its line come.
    memset(rgb_array, 0, sizeof rgb_array);
    atm.real_weather_found = 1;
    frame(manage_atm);
    EXPECT_TRUE(rgb_shows((int)real_weather_line_at.x, (int)real_weather_line_at.y, "Real weather IS detected.", 6))
        << text_at(real_weather_line_at, "Real weather IS detected.", 6);
}

// The length twelve times the height, the speed of that length in knots.
TEST(WeatherWater, TheLengthAndSpeedFollowTheHeight)
{
    start_panel_picture();
    window_at_origin(win_weather_water);
    mouse_away();
    const struct {
        float height_ft;
        const char *length, *speed;
        float knots;
    } cases[] = {
        {0, "000", "000", 0},
        {3, "036", "008", 8.04f},
        {20, "240", "021", 20.76f},
    };
    for (const auto& c : cases) {
        memset(rgb_array, 0, sizeof rgb_array);
        atm.wave_height = c.height_ft * con.fttomtrs;
        frame(manage_wat);
        EXPECT_NEAR(atm.wave_length, 12 * c.height_ft * con.fttomtrs, 1e-3);
        EXPECT_NEAR(atm.wave_speed * con.msctokts, c.knots, 0.01) << c.height_ft;
        EXPECT_TRUE(rgb_shows((int)wave_length_at.x, (int)wave_length_at.y, c.length, 10))
            << text_at(wave_length_at, c.length, 10);
        EXPECT_TRUE(rgb_shows((int)wave_speed_at.x, (int)wave_speed_at.y, c.speed, 10))
            << text_at(wave_speed_at, c.speed, 10);
    }
}

// The choice shows the nearest class and leaves the friction as it was.
TEST(WeatherGround, TheChoiceShowsTheNearestClass)
{
    start_panel_picture();
    window_at_origin(win_weather_ground);
    mouse_away();
    const struct {
        float friction;
        const char* want;
    } cases[] = {
        {1.0f, "     clean and dry"}, {0.7f, "    damp or slushy"}, {0.4f, "      wet or icy  "},
        {0.75f, "    damp or slushy"}, {1.2f, "     clean and dry"},
    };
    for (const auto& c : cases) {
        memset(rgb_array, 0, sizeof rgb_array);
        atm.rwy_friction = c.friction;
        frame(manage_gnd);
        EXPECT_EQ(atm.rwy_friction, c.friction);
        EXPECT_TRUE(rgb_shows((int)friction_choice_at.x, (int)friction_choice_at.y, c.want, 6))
            << c.friction << ": " << text_at(friction_choice_at, c.want, 6);
    }
}
