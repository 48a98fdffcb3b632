// The time and weather windows on the screen over the shipped data, driven
// by clicks and drags as the display sends them: the day bar, the meteors'
// choice, the clouds' kind and heights, rain and storms, the wind layers'
// heights and bars, the weather field drawn anew, the runway surface and
// the waves. Each case is a control, a click, the field and its value.
#include <gtest/gtest.h>

#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Windows.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstddef>
#include <type_traits>

namespace {

// The Settings menu's items of the five windows.
const int item_time_of_day = 303;
const int item_weather_space = 306;
const int item_weather_atmosphere = 307;
const int item_weather_ground = 308;
const int item_weather_water = 309;

// Starts with no stick attached; Enter answers the joystick notice.
void start_on_shipped_data(void)
{
    host_test_push_key(VK_RETURN, 0);
    start_simulator();
    MACIBM_event_proc();
}

void open_window(int item)
{
    APPLICATION_handlemenu(item);
    MACIBM_event_proc();
}

// Started on the shipped data with the window of a menu item open: a
// failure unless it is the top window.
::testing::AssertionResult start_with_window(int item, int id)
{
    start_on_shipped_data();
    open_window(item);
    if (mnw.topwin == id) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the top window is " << mnw.topwin << ", not " << id;
}

int screen_x(float x) { return (int)(mnw.x + x); }
int screen_y(float y) { return (int)(600 - (mnw.y + y)); }

// A click at a point of the open window, in its units: the screen is 800 x 600 pixels.
void click_in_window(float x, float y)
{
    host_test_push_click(screen_x(x), screen_y(y));
    MACIBM_event_proc();
}

// The button pressed at a point and held for a frame, then let go: a drag's frame.
void drag_in_window(float x, float y)
{
    host_test_push_event({HE_MOUSEMOVE, 0, screen_x(x), screen_y(y), 0});
    host_test_push_event({HE_BUTTONDOWN, 0, screen_x(x), screen_y(y), 0});
    host_test_push_frame_break();
    MACIBM_event_proc();
    host_test_push_event({HE_BUTTONUP, 0, screen_x(x), screen_y(y), 0});
    MACIBM_event_proc();
}

void close_window(void) { click_in_window(4, mnw.dy + 7); }

// A digit wheel's place k, its upper (on) or lower (back) half.
void click_wheel(win_point at, int place, int up)
{
    click_in_window(at.x + 5 + 10.0f * (float)place, up ? at.y + 10 : at.y - 5);
}

// A choice field's arrows.
void click_choice(win_point at, float arrows_dx, int on)
{
    click_in_window(at.x + arrows_dx + 7, on ? at.y + 12 : at.y - 8);
}

// A choice field's value before a click on its arrows, on or back, and after.
template <typename T>
struct choice_step {
    T from;
    int on;
    T want;
};

template <typename T, size_t N>
void expect_choice_steps(T* field, win_point at, float arrows_dx, const choice_step<T> (&cases)[N])
{
    for (const auto& c : cases) {
        *field = c.from;
        click_choice(at, arrows_dx, c.on);
        if constexpr (std::is_floating_point<T>::value)
            EXPECT_FLOAT_EQ(*field, c.want) << c.from << (c.on ? " on" : " back");
        else
            EXPECT_EQ(*field, c.want) << c.from << (c.on ? " on" : " back");
    }
}

}  // namespace

// A click anywhere along the day sets the time, held to the day's ends;
// the marker stands over the hour.
TEST(TimeOfDayGl, AClickOnTheBarSetsTheTime)
{
    ASSERT_TRUE(start_with_window(item_time_of_day, win_time_of_day));
    const struct {
        float x, want;
    } cases[] = {
        {10, 0}, {day_bar_left, 0}, {345, 43200}, {day_bar_right, 86400}, {680, 86400},
    };
    for (const auto& c : cases) {
        msc.time_of_day = 30000;
        click_in_window(c.x, 60);
        EXPECT_NEAR(msc.time_of_day, c.want, 1) << c.x;
    }

    click_in_window(345, 60);
    MACIBM_event_proc();
    unsigned char on[3], off[3];
    int x = (int)(mnw.x + 345);
    host_test_read_front(x, (int)(mnw.y + day_marker_y + 5), 1, 1, on);
    host_test_read_front(x + 12, (int)(mnw.y + day_marker_y + 5), 1, 1, off);
    EXPECT_TRUE(on[1] > 200 && on[0] < 100) << "the marker is green";
    EXPECT_LT(off[1], 100) << "the track beside it is dark";
    close_window();
    EXPECT_EQ(mnw.topwin, win_main);
    EXPECT_NEAR(msc.time_of_day, 43200, 60) << "closing keeps the time";
    MACIBM_finishup();
}

TEST(WeatherSpaceGl, TheArrowsStepTheMeteorsRound)
{
    ASSERT_TRUE(start_with_window(item_weather_space, win_weather_space));
    const choice_step<int> cases[] = {
        {1, 1, 2}, {3, 1, 4}, {4, 1, 1}, {1, 0, 4}, {3, 0, 2},
    };
    expect_choice_steps(&atm.meteor_level, meteor_choice_at, meteor_arrows_dx, cases);
    MACIBM_finishup();
}

// Patchy clouds are one sheet, the tops at the base; a clear sky's or an
// overcast's tops stay 1000 ft over it; the two bases follow each other by
// the airport's elevation.
TEST(WeatherAtmosphereGl, TheCloudsKeepTheirKindsThickness)
{
    ASSERT_TRUE(start_with_window(item_weather_atmosphere, win_weather_atmosphere));
    const float ft = con.fttomtrs;
    const float E = chosen_airport_h() / ft;
    ASSERT_GT(E, 100) << "the shipped start airport stands above the sea";
    enum control { kind_on, kind_back, tops_up, tops_down, base_up, agl_up };
    const struct {
        int type;
        float base, tops;    // ft MSL before
        control click;
        int want_type;
        float want_base, want_tops;
    } cases[] = {
        {1, 5000, 5500, kind_on, 2, 5000, 5000},     // clear to scattered: one sheet
        {3, 5000, 5000, kind_on, 4, 5000, 6000},     // broken to overcast: 1000 ft
        {2, 5000, 5000, kind_back, 1, 5000, 6000},   // scattered to clear
        {4, 5000, 9000, kind_back, 3, 5000, 5000},   // overcast to broken
        {2, 5000, 5000, tops_up, 2, 6000, 6000},     // scattered tops carry the base
        {4, 5000, 8000, tops_down, 4, 5000, 7000},   // room enough: the base stays
        {4, 5000, 6000, tops_down, 4, 4000, 5000},   // the base held 1000 ft under
        {1, 5000, 5500, base_up, 1, 6000, 7000},     // the tops 1000 ft over the new base
        {4, 5000, 9000, agl_up, 4, 6000, 9000},      // above ground: the sea-level base follows
    };
    for (const auto& c : cases) {
        atm.cloud_type = c.type;
        atm.cloud_base = c.base * ft;
        atm.cloud_tops = c.tops * ft;
        atm.cloud_base_agl = (c.base - E) * ft;
        atm.precip_level = atm.storm_level = 1;
        switch (c.click) {
        case kind_on: click_choice(cloud_type_at, cloud_type_arrows_dx, 1); break;
        case kind_back: click_choice(cloud_type_at, cloud_type_arrows_dx, 0); break;
        case tops_up: click_wheel(cloud_tops_at, 1, 1); break;
        case tops_down: click_wheel(cloud_tops_at, 1, 0); break;
        case base_up: click_wheel(cloud_base_at, 1, 1); break;
        case agl_up: click_wheel(cloud_base_agl_at, 1, 1); break;
        }
        int n = (int)(&c - cases);
        EXPECT_EQ(atm.cloud_type, c.want_type) << "case " << n;
        EXPECT_NEAR(atm.cloud_base / ft, c.want_base, 0.5) << "case " << n;
        EXPECT_NEAR(atm.cloud_tops / ft, c.want_tops, 0.5) << "case " << n;
        if (c.click >= tops_up) {
            EXPECT_NEAR((atm.cloud_base - atm.cloud_base_agl) / ft, E, 0.5) << "case " << n;
        }
    }
    MACIBM_finishup();
}

// Storms never stand above the rain, and either above none makes the sky
// overcast, its tops 1000 ft over the base.
TEST(WeatherAtmosphereGl, RainAndStormsCarryEachOtherAndTheSky)
{
    ASSERT_TRUE(start_with_window(item_weather_atmosphere, win_weather_atmosphere));
    const float ft = con.fttomtrs;
    enum slider { rain, storms };
    const struct {
        int type;
        float precip, storm;
        slider drag;
        float to;            // the level the mouse is dragged to
        int want_type;
        float want_precip, want_storm;
    } cases[] = {
        {2, 1, 1, storms, 3, 4, 3, 3},   // storms raise the rain and cover the sky
        {4, 4, 4, rain, 2, 4, 2, 2},     // less rain lowers the storms
        {1, 1, 1, rain, 3, 4, 3, 1},     // rain alone covers the sky
        {4, 3, 3, storms, 1, 4, 3, 1},   // no storms: the rain and the sky stay
        {3, 1, 1, rain, 1, 3, 1, 1},     // no rain leaves broken clouds broken
    };
    for (const auto& c : cases) {
        atm.cloud_type = c.type;
        atm.cloud_base = 5000 * ft;
        atm.cloud_tops = 5000 * ft;
        atm.precip_level = c.precip;
        atm.storm_level = c.storm;
        float y = c.drag == rain ? precip_y : storm_y;
        drag_in_window(air_slider_x + 156 * (c.to - 1) / 4, y + 4);
        int n = (int)(&c - cases);
        EXPECT_EQ(atm.cloud_type, c.want_type) << "case " << n;
        EXPECT_NEAR(atm.precip_level, c.want_precip, 0.01) << "case " << n;
        EXPECT_NEAR(atm.storm_level, c.want_storm, 0.01) << "case " << n;
        if (c.want_type == 4 && c.type != 4) {
            EXPECT_NEAR((atm.cloud_tops - atm.cloud_base) / ft, 1000, 0.5) << "case " << n;
        }
    }
    MACIBM_finishup();
}

// The middle layer at least 1000 ft up, the upper 1000 ft over it; the
// bars store knots, degrees and levels as shown.
TEST(WeatherAtmosphereGl, TheWindLayersKeepApartAndTheBarsStoreKnots)
{
    ASSERT_TRUE(start_with_window(item_weather_atmosphere, win_weather_atmosphere));
    const float ft = con.fttomtrs;
    const struct {
        float mid, high;     // ft before
        int layer, up;       // the thousands of the middle (1) or upper (2) height
        float want_mid, want_high;
    } heights[] = {
        {1500, 6000, 1, 0, 1000, 6000},   // 500 ft is held at 1000
        {5000, 6500, 1, 1, 6000, 7000},   // the upper rises with the middle
        {3000, 5000, 2, 0, 3000, 4000},   // the upper held 1000 ft over the middle
        {3000, 5000, 2, 1, 3000, 6000},
    };
    for (const auto& c : heights) {
        atm.wind_alt_mid = c.mid * ft;
        atm.wind_alt_high = c.high * ft;
        click_wheel(wind_height_at[c.layer], 1, c.up);
        EXPECT_NEAR(atm.wind_alt_mid / ft, c.want_mid, 0.5) << c.mid << " " << c.high;
        EXPECT_NEAR(atm.wind_alt_high / ft, c.want_high, 0.5) << c.mid << " " << c.high;
    }

    const struct {
        int layer, property;
        float share;         // of the bar's length
        float want;
    } bars[] = {
        {1, wl_wind_speed, 0.5f, 25},
        {0, wl_wind_speed, 1, 50},
        {0, wl_wind_dir, 0.5f, 180},
        {2, wl_shear_speed, 0.25f, 12.5f},
        {1, wl_shear_dir, 1, 180},
        {2, wl_turbulence, 1, 9},
    };
    for (const auto& c : bars) {
        for (auto& layer : atm.wind_layer)
            for (float& v : layer) v = 0;
        float y = wind_row_y[c.property] + wind_layer_dy * (float)c.layer;
        drag_in_window(wind_bar_x + 156 * c.share, y + 4);
        for (int l = 0; l < 3; l++)
            EXPECT_NEAR(atm.wind_layer[l][c.property], l == c.layer ? c.want : 0, 0.01)
                << "layer " << c.layer << " property " << c.property;
    }

    // A direction the turbulence spread took past north is the same wind.
    atm.wind_layer[0][wl_wind_dir] = 410;
    atm.wind_layer[1][wl_wind_dir] = -60;
    atm.wind_layer[2][wl_wind_dir] = 360;
    MACIBM_event_proc();
    EXPECT_NEAR(atm.wind_layer[0][wl_wind_dir], 50, 0.01);
    EXPECT_NEAR(atm.wind_layer[1][wl_wind_dir], 300, 0.01);
    EXPECT_NEAR(atm.wind_layer[2][wl_wind_dir], 360, 0.01);
    MACIBM_finishup();
}

TEST(WeatherAtmosphereGl, TheBoxDrawsAllSixSectionsAnew)
{
    ASSERT_TRUE(start_with_window(item_weather_atmosphere, win_weather_atmosphere));
    for (auto& column : atm.wx_grid)
        for (float& v : column) v = 0;
    // A scenery square's block of the field, 210 points a side: the
    // southern squares' west to east first, then the northern.
    auto section_drawn = [](int q) {
        const int side = 210;
        const int i0 = side * (q % 3), j0 = q < 3 ? side : 0;
        for (int i = i0 + 1; i < i0 + side; i++)
            for (int j = j0 + 1; j < j0 + side; j++)
                if (atm.wx_grid[i][j] > 0) return 1;
        return 0;
    };
    click_in_window(regenerate_x1 - 3, (regenerate_y1 + regenerate_y2) / 2);
    for (int q = 0; q < 6; q++) EXPECT_FALSE(section_drawn(q)) << "a click beside the box draws nothing";
    click_in_window((regenerate_x1 + regenerate_x2) / 2, (regenerate_y1 + regenerate_y2) / 2);
    for (int q = 0; q < 6; q++) EXPECT_TRUE(section_drawn(q)) << "section " << q;
    MACIBM_finishup();
}

// The three classes' frictions survive the window; one between them or
// above them is kept until a class is picked, stepping from the nearest.
TEST(WeatherGroundGl, TheFrictionKeepsItsClass)
{
    start_on_shipped_data();
    for (float f : {1.0f, 0.7f, 0.4f, 0.75f, 1.2f}) {
        atm.rwy_friction = f;
        open_window(item_weather_ground);
        ASSERT_EQ(mnw.topwin, win_weather_ground);
        MACIBM_event_proc();
        close_window();
        EXPECT_EQ(atm.rwy_friction, f);
    }
    open_window(item_weather_ground);
    const choice_step<float> cases[] = {
        {0.75f, 1, 0.4f},   // damp, on to wet
        {0.75f, 0, 1.0f},   // damp, back to clean
        {1.2f, 1, 0.7f},    // clean, on to damp
        {1.2f, 0, 0.4f},    // clean, back round to wet
        {0.4f, 1, 1.0f},    // wet, on round to clean
        {0.7f, 1, 0.4f},
    };
    expect_choice_steps(&atm.rwy_friction, friction_choice_at, friction_arrows_dx, cases);
    MACIBM_finishup();
}

// The height in feet and the direction in whole degrees; calm water's
// waves stand still.
TEST(WeatherWaterGl, TheWavesFollowTheirHeight)
{
    start_on_shipped_data();
    const float ft = con.fttomtrs;
    atm.wave_height = 0;
    atm.wave_speed = 5;
    open_window(item_weather_water);
    ASSERT_EQ(mnw.topwin, win_weather_water);
    EXPECT_EQ(atm.wave_speed, 0) << "no height, no speed";
    EXPECT_EQ(atm.wave_length, 0);
    const struct {
        float from;          // ft
        int place, up;
        float want;          // ft
    } heights[] = {
        {0, 1, 1, 1}, {0, 1, 0, 0}, {5, 2, 1, 5.1f}, {15, 0, 1, 20}, {19.9f, 2, 1, 20},
    };
    for (const auto& c : heights) {
        atm.wave_height = c.from * ft;
        click_wheel(wave_height_at, c.place, c.up);
        EXPECT_NEAR(atm.wave_height / ft, c.want, 0.01) << c.from;
        EXPECT_NEAR(atm.wave_length, 12 * atm.wave_height, 1e-4);
        EXPECT_NEAR(atm.wave_speed * con.msctokts, 1.34f * sqrtf(12 * c.want), 0.02) << c.from;
    }
    const struct {
        int from, place, up, want;
    } dirs[] = {
        {45, 0, 1, 145}, {300, 0, 1, 360}, {45, 1, 0, 35}, {5, 2, 0, 4}, {0, 2, 0, 0},
    };
    for (const auto& c : dirs) {
        atm.wave_dir = c.from;
        click_wheel(wave_dir_at, c.place, c.up);
        EXPECT_EQ(atm.wave_dir, c.want) << c.from;
    }
    MACIBM_finishup();
}
