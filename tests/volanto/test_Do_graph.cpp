// The charts without a window: the projection, the view's zoom and panning
// held to the region, the click that places the aircraft and the controls
// that never do, the aircraft symbol's blink and the flown path's skips.
#include <gtest/gtest.h>

#include "test_support.h"
#include "volanto_support.h"
#include "Do_graph.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Windows.h"
#include "records.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace {

// One frame of the open chart with a press at (x, y), window units.
void press(float x, float y)
{
    mnw.mx = x;
    mnw.my = y;
    mnw.mouse_clicked = 1;
    manage_map();
    mnw.mouse_clicked = 0;
}

void press_box(int which, int times = 1)
{
    win_box b = chart_button(which, mnw.dx);
    for (int k = 0; k < times; k++) press(0.5f * (b.x1 + b.x2), 0.5f * (b.y1 + b.y2));
}

// The view's size in metres, as the chart pans it.
float view_w(void) { return msc.chart_kind == chart_diagram ? 347 * con.plttomtr : env.reg_width; }
float view_h(void) { return msc.chart_kind == chart_diagram ? 303 * con.plttomtr : env.reg_depth; }

class Chart : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(stand_cessna_at_ksbd()); }
    static void open(int kind)
    {
        msc.chart_kind = kind;
        if (kind == chart_diagram) {
            ASSERT_TRUE(get_index_from_id("KSBD", 1, &msc.diagram_apt));
            MACIBM_startwind(win_diagram);
        } else {
            MACIBM_startwind(win_chart);
        }
        ASSERT_EQ(mnw.topwin, kind == chart_diagram ? win_diagram : win_chart);
    }
};

}  // namespace

TEST_F(Chart, TheProjectionPutsTheViewsCornerAtTheAreasCorner)
{
    struct row {
        int kind;
        float zoom;
        float x0, y0;     // where the view's south-west corner lands
        float scale;      // window units a metre at zoom 1
    };
    const row rows[] = {
        {chart_low_enroute, 1, 0, 0, con.mtrtonrt},
        {chart_sectional, 2.25f, 0, 0, con.mtrtonrt},
        {chart_diagram, 1, 7, 184, con.mtrtoplt},
        {chart_diagram, 3.375f, 7, 184, con.mtrtoplt},
    };
    for (const row& r : rows) {
        msc.chart_kind = r.kind;
        env.map_zoom = r.zoom;
        env.map_x = 1000;
        env.map_z = -2000;
        EXPECT_FLOAT_EQ(pixelxfinder(1000), r.x0) << r.kind;
        EXPECT_FLOAT_EQ(pixelyfinder(-2000), r.y0) << r.kind;
        // East is right, north (smaller z) is up.
        EXPECT_NEAR(pixelxfinder(1000 + 5000), r.x0 + 5000 * r.scale * r.zoom, 1e-3) << r.kind;
        EXPECT_NEAR(pixelyfinder(-2000 - 5000), r.y0 + 5000 * r.scale * r.zoom, 1e-3) << r.kind;
    }
    // The enroute chart shows the region's depth as the window's height.
    open(chart_low_enroute);
    EXPECT_NEAR(pixelyfinder(env.reg_north_z), mnw.dy, 0.5f);
    EXPECT_NEAR(pixelxfinder(env.reg_east_x), mnw.dx - chart_strip_width, 0.5f);
}

TEST_F(Chart, ZoomStopsAtTheFirstStepAtOrAbove50AndNeverGoesBelow1)
{
    for (int kind : {chart_low_enroute, chart_diagram}) {
        open(kind);
        float want = 1;
        for (int k = 0; k < 12; k++) {
            float cx = env.map_x + 0.5f * view_w() / env.map_zoom;
            press_box(chart_zoom_in);
            if (want < 50) want *= 1.5f;
            ASSERT_FLOAT_EQ(env.map_zoom, want) << kind << " press " << k;
            // About the view's centre, wherever the region allows it.
            if (kind == chart_low_enroute) {
                EXPECT_NEAR(env.map_x + 0.5f * view_w() / env.map_zoom, cx, 1) << k;
            }
        }
        EXPECT_NEAR(env.map_zoom, powf(1.5f, 10), 1e-3) << "57.7: the first step at or above 50";
        for (int k = 0; k < 12; k++) press_box(chart_zoom_out);
        EXPECT_FLOAT_EQ(env.map_zoom, 1) << kind;
    }
}

TEST_F(Chart, PanningStopsAtTheRegionsEdges)
{
    for (int kind : {chart_low_enroute, chart_diagram}) {
        open(kind);
        press_box(chart_zoom_in, 2);   // 2.25
        float z = env.map_zoom;
        // One step is a fifth of the view.
        press_box(chart_pan_left, 100);
        EXPECT_FLOAT_EQ(env.map_x, env.reg_west_x) << kind;
        press_box(chart_pan_right);
        EXPECT_NEAR(env.map_x, env.reg_west_x + 0.2f * view_w() / z, 0.5f) << kind;
        press_box(chart_pan_right, 300);
        EXPECT_NEAR(env.map_x, env.reg_east_x - view_w() / z, 0.5f) << kind;
        press_box(chart_pan_down, 300);
        EXPECT_FLOAT_EQ(env.map_z, env.reg_south_z) << kind;
        press_box(chart_pan_up, 300);
        EXPECT_NEAR(env.map_z, env.reg_north_z + view_h() / z, 0.5f) << kind;
        // The corner of the view stays inside the region all along.
        EXPECT_GE(env.map_x, env.reg_west_x);
        EXPECT_LE(env.map_z, env.reg_south_z);
    }
    // At zoom 1 the chart is the whole region: no pan moves it.
    open(chart_low_enroute);
    for (int which : {chart_pan_up, chart_pan_down, chart_pan_left, chart_pan_right}) press_box(which);
    EXPECT_NEAR(env.map_x, env.reg_west_x, 0.5f);
    EXPECT_NEAR(env.map_z, env.reg_south_z, 0.5f);
}

TEST_F(Chart, CentringPutsTheAircraftInTheMiddleOfTheView)
{
    open(chart_diagram);
    press_box(chart_zoom_in, 3);
    press_box(chart_centre);
    float w = 347, h = 303;
    EXPECT_NEAR(pixelxfinder((float)flt.pos_x[0]), 7 + 0.5f * w, 0.5f);
    EXPECT_NEAR(pixelyfinder((float)flt.pos_z[0]), 184 + 0.5f * h, 0.5f);
}

// The click's point is where the chart showed it, in the air at the
// fields' heading, altitude and speed; the window closes. The longitude
// runs evenly between the region's edges as the chart projects them while
// the local x of a longitude takes the cosine of its own latitude: the
// aircraft comes within a kilometre of the point, not to the metre.
TEST_F(Chart, AClickInTheChartPlacesTheAircraftThereAndClosesTheWindow)
{
    struct row {
        int kind;
        int zoom_presses;
        float x, y;
    };
    const row rows[] = {{chart_low_enroute, 0, 100, 150}, {chart_sectional, 3, 300, 420}, {chart_diagram, 2, 200, 300}};
    for (const row& r : rows) {
        ASSERT_TRUE(stand_cessna_at_ksbd());
        open(r.kind);
        press_box(chart_zoom_in, r.zoom_presses);
        set.place_hdg = 135;
        set.place_alt = 20000 * con.fttomtrs;   // above every ground of the region
        set.place_speed = 150 * con.ktstomsc;
        // The local point the chart shows there.
        float scale = (r.kind == chart_diagram ? con.mtrtoplt : con.mtrtonrt) * env.map_zoom;
        float ox = r.kind == chart_diagram ? 7 : 0, oy = r.kind == chart_diagram ? 184 : 0;
        float want_x = env.map_x + (r.x - ox) / scale, want_z = env.map_z - (r.y - oy) / scale;
        press(r.x, r.y);
        EXPECT_EQ(mnw.topwin, win_main) << r.kind;
        EXPECT_NEAR((float)flt.pos_x[0], want_x, 1000) << r.kind;
        EXPECT_NEAR((float)flt.pos_z[0], want_z, 100) << r.kind;
        EXPECT_NEAR((float)flt.pos_y[0], set.place_alt, 1) << r.kind;
        EXPECT_EQ(flt.on_ground, 0) << r.kind;
        EXPECT_NEAR(flt.psi[0], 135, 0.01) << r.kind;
        EXPECT_NEAR(flt.gnd_speed[0], 150 * con.ktstomsc, 0.01) << r.kind;
    }
}

TEST_F(Chart, TheFieldsAndButtonsNeverPlaceTheAircraft)
{
    for (int kind : {chart_low_enroute, chart_diagram}) {
        ASSERT_TRUE(stand_cessna_at_ksbd());
        open(kind);
        float w = mnw.dx;
        double x0 = flt.pos_x[0], z0 = flt.pos_z[0];
        std::vector<std::pair<float, float>> points;
        for (int b = 0; b < chart_buttons; b++) {
            if (kind != chart_diagram && (b == chart_shift_back || b == chart_shift_on)) continue;
            win_box box = chart_button(b, w);
            points.push_back({0.5f * (box.x1 + box.x2), 0.5f * (box.y1 + box.y2)});
            points.push_back({box.x1, box.y1});   // the strip's edge
        }
        // Each field's top digit, above and below its middle.
        points.push_back({w - chart_hdg_dx + 5, chart_hdg_y + 10});
        points.push_back({w - chart_alt_dx + 5, chart_alt_y - 5});
        points.push_back({w - chart_gs_dx + 5, chart_gs_y + 10});
        if (kind == chart_diagram) {
            points.push_back({100, 140});   // the approach profile
            points.push_back({297, 100});   // the airport drawn whole
            points.push_back({200, 183});   // just under the map
        }
        for (auto [x, y] : points) {
            press(x, y);
            ASSERT_EQ(mnw.topwin, kind == chart_diagram ? win_diagram : win_chart) << kind << " at " << x << ", " << y;
        }
        EXPECT_EQ(flt.pos_x[0], x0);
        EXPECT_EQ(flt.pos_z[0], z0);
    }
}

TEST_F(Chart, TheFieldsEditTheMetricPlacementInFeetAndKnots)
{
    open(chart_low_enroute);
    float w = mnw.dx;
    set.place_alt = 5000 * con.fttomtrs;
    set.place_speed = 200 * con.ktstomsc;
    set.place_hdg = 10;
    press(w - chart_alt_dx + 25, chart_alt_y + 10);   // the thousands, up
    press(w - chart_gs_dx + 35, chart_gs_y - 5);      // the tens, down
    press(w - chart_hdg_dx + 5, chart_hdg_y + 10);    // the hundreds, up
    EXPECT_NEAR(set.place_alt * con.mtrstoft, 6000, 0.01);
    EXPECT_NEAR(set.place_speed * con.msctokts, 190, 0.01);
    EXPECT_FLOAT_EQ(set.place_hdg, 110);
    // A frame without a change leaves the metres as they are.
    float alt = set.place_alt;
    for (int k = 0; k < 100; k++) manage_map();
    EXPECT_EQ(set.place_alt, alt);
    press(w - chart_hdg_dx + 5, chart_hdg_y + 10);
    press(w - chart_hdg_dx + 5, chart_hdg_y + 10);
    press(w - chart_hdg_dx + 5, chart_hdg_y + 10);
    EXPECT_FLOAT_EQ(set.place_hdg, 360) << "held to 0..360";
}

// ---- the symbol and the path, into the software picture -------------------------

namespace {

class MapPicture : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_panel_picture();
        clear_map_run_state();
    }
};

}  // namespace

TEST_F(MapPicture, TheAircraftSymbolAlternatesColours8And9)
{
    int seen[2];
    for (int k = 0; k < 2; k++) {
        memset(rgb_array, 0, rgb_array_bytes);
        flashplane(100, 100, 0);
        seen[k] = rgb_colour(100, 106);   // the nose
        EXPECT_EQ(rgb_colour(110, 101), seen[k]) << "a wing tip";
    }
    EXPECT_EQ(std::min(seen[0], seen[1]), 8);
    EXPECT_EQ(std::max(seen[0], seen[1]), 9);
    // Turned to 90 the nose points right; a helicopter has no wings, a rotor.
    memset(rgb_array, 0, rgb_array_bytes);
    pln[0].is_heli = 1;
    flashplane(100, 100, 90);
    EXPECT_EQ(rgb_colour(106, 100), seen[0]);
    EXPECT_EQ(rgb_colour(110, 90), seen[0]) << "a rotor tip";
    EXPECT_EQ(rgb_colour(100, 110), -1) << "no wing";
}

TEST_F(MapPicture, ThePathSkipsItsFirstPointEmptySamplesAndPointsOffTheScreen)
{
    struct row {
        const char* what;
        float time_before, time_at;   // path_time of samples 9 and 10
        float x0, y0, x1, y1;         // the previous point and this one
        bool drawn;
    };
    const row rows[] = {
        {"both samples flown", 5, 5.1f, 100, 100, 200, 120, true},
        {"this sample empty", 5, 0, 100, 100, 200, 120, false},
        {"the one before empty", 0.01f, 5.1f, 100, 100, 200, 120, false},
        {"the previous point off the screen", 5, 5.1f, -50, 100, 200, 120, false},
        {"this point off the screen", 5, 5.1f, 100, 100, 200, 601, false},
    };
    for (const row& r : rows) {
        memset(rgb_array, 0, rgb_array_bytes);
        memset(&pat, 0, sizeof pat);
        pat.path_time[8] = 4.9f;
        pat.path_time[9] = r.time_before;
        pat.path_time[10] = r.time_at;
        plot_path(1, r.x0, r.y0, 9, 0);
        EXPECT_EQ(rgb_whole(), std::string(rgb_array_bytes, '\0')) << r.what << ": a first point draws nothing";
        plot_path(0, r.x1, r.y1, 10, 0);
        EXPECT_EQ(rgb_colour(150, 110) == 29, r.drawn) << r.what;
        // Flat: the copy a unit above.
        EXPECT_EQ(rgb_colour(150, 111) == 29, r.drawn) << r.what;
    }
    // Sample 0's sample before is the ring's last.
    memset(rgb_array, 0, rgb_array_bytes);
    memset(&pat, 0, sizeof pat);
    pat.path_time[0] = 7;
    plot_path(1, 100, 100, path_samples - 1, 0);
    plot_path(0, 200, 120, 0, 0);
    EXPECT_EQ(rgb_colour(150, 110), -1) << "the last sample is empty";
}

TEST_F(MapPicture, ABlinkingPathTakesOneColourAPassAndTheOtherTheNext)
{
    for (int k = 0; k < 4; k++) pat.path_time[k] = 1.0f + (float)k;
    int colour[2];
    for (int pass = 0; pass < 2; pass++) {
        memset(rgb_array, 0, rgb_array_bytes);
        for (int k = 0; k < 4; k++) plot_path(k == 0, 100 + 50 * (float)k, 100, k, 1);
        colour[pass] = rgb_colour(125, 100);
        EXPECT_EQ(rgb_colour(175, 100), colour[pass]) << "every segment of a pass";
        EXPECT_EQ(rgb_colour(225, 100), colour[pass]);
    }
    EXPECT_EQ(std::min(colour[0], colour[1]), 8);
    EXPECT_EQ(std::max(colour[0], colour[1]), 9);
}

// A map that cannot show a sample feeds it off the screen: the pass keeps
// its one colour across the gap, and the next pass the other, however many
// gaps it has.
TEST_F(MapPicture, APathWithGapsBlinksWhole)
{
    for (int k = 0; k < 6; k++) pat.path_time[k] = 1.0f + (float)k;
    const float xs[6] = {100, 150, -1, 250, -1, 350};
    int colour[2];
    for (int pass = 0; pass < 2; pass++) {
        memset(rgb_array, 0, rgb_array_bytes);
        for (int k = 0; k < 6; k++) plot_path(k == 0, xs[k], xs[k] < 0 ? -1 : 100, k, 1);
        colour[pass] = rgb_colour(125, 100);
        EXPECT_EQ(rgb_colour(200, 100), -1) << "no segment to or from a sample not shown";
        EXPECT_EQ(rgb_colour(300, 100), -1);
    }
    EXPECT_NE(colour[0], colour[1]);
    EXPECT_TRUE(colour[0] == 8 || colour[0] == 9) << colour[0];
}

// Runways past the region loader's caps have no geometry slot: an airport
// left without one is its symbol, fitted or not, never a box of nothing.
TEST_F(Chart, AnAirportWithoutRunwaySlotsIsItsSymbol)
{
    int a = -1;
    ASSERT_TRUE(get_index_from_id("KSBD", 1, &a));
    for (int k = 0; k < 80; k++) OGL_assigncolor(k, (float)(k + 1) / 255.0f, 0, 0);
    to_array = 1;
    mnw.x = mnw.y = 0;
    msc.chart_kind = chart_low_enroute;
    env.map_zoom = 20;   // zoomed in: runways, not symbols, and as long as the fitted ones
    // The symbol's top tick, clear of a runway through the middle; lit
    // pixels beyond the symbol's reach, above the name.
    auto draw = [&](int fit) {
        memset(rgb_array, 0, rgb_array_bytes);
        plot_apt(400, 300, a, fit, 29);
        int far = 0;
        for (int y = 310; y < 400; y++)
            for (int x = 410; x < 460; x++) far += rgb_colour(x, y) == 29;
        return std::make_pair(rgb_colour(400, 305) == 29, far);
    };
    for (int fit : {1, 0}) {
        env.map_x = X_with_latlon(rwy_lat[apt_lo_ind[a]], rwy_lon[apt_lo_ind[a]]) - 400 / (con.mtrtonrt * 20);
        env.map_z = Z_with_lat(rwy_lat[apt_lo_ind[a]]) + 300 / (con.mtrtonrt * 20);
        auto [tick, far] = draw(fit);
        EXPECT_FALSE(tick) << fit << ": the runways, no symbol";
        EXPECT_GT(far, 0) << fit << ": the runway reaches out";
    }
    for (int r = apt_lo_ind[a]; r <= apt_hi_ind[a]; r++) rwy_geo_ind[r] = -1;
    for (int fit : {1, 0}) {
        auto [tick, far] = draw(fit);
        EXPECT_TRUE(tick) << fit;
        EXPECT_EQ(far, 0) << fit;
    }
}

// The diagram's approach profile: the aircraft's heights above the field
// against its distance along the course, both at the map's scale and the
// heights 7 times over; the reference line rises at 3 degrees.
TEST_F(Chart, TheProfileShowsTheApproachAgainstAThreeDegreeLine)
{
    int a = -1;
    ASSERT_TRUE(get_index_from_id("KSBD", 1, &a));
    int r = apt_lo_ind[a];
    ASSERT_LT(rwy_hdng[r], 180) << "a profile that runs to the left of its runway end at 209";
    for (int k = 0; k < 80; k++) OGL_assigncolor(k, (float)(k + 1) / 255.0f, 0, 0);
    to_array = 1;
    mnw.x = mnw.y = 0;
    msc.chart_kind = chart_diagram;
    msc.diagram_apt = a;
    env.map_zoom = 1;
    env.profile_shift = 0;
    for (int k = 0; k < 2; k++) nav.receiving[k] = 0;   // the runway's own course
    // A 6 degree approach towards the runway end its number names.
    float h = rwy_hdng[r] * con.degtorad;
    float tx = X_with_latlon(rwy_lat[r], rwy_lon[r]) - 0.5f * rwy_len[r] * sinf(h);
    float tz = Z_with_lat(rwy_lat[r]) + 0.5f * rwy_len[r] * cosf(h);
    memset(&pat, 0, sizeof pat);
    for (int k = 0; k < 80; k++) {
        float d = 8000 - 100 * (float)k;
        pat.path_time[k] = 1 + (float)k;
        pat.path_plane[k][0] = tx - d * sinf(h);
        pat.path_plane[k][1] = apt_h[a] + d * 2 * tanf(3 * con.degtorad);
        pat.path_plane[k][2] = tz + d * cosf(h);
    }
    memset(rgb_array, 0, rgb_array_bytes);
    plot_map();
    float s = con.mtrtoplt, up = 7 * s * tanf(3 * con.degtorad);
    for (float d : {2000.0f, 5000.0f, 7500.0f}) {
        int x = intround(209 - d * s);
        auto lit_near = [&](float y) {
            for (int dy = -1; dy <= 1; dy++)
                if (rgb_colour(x, intround(100 + y) + dy) == 29) return true;
            return false;
        };
        EXPECT_TRUE(lit_near(d * up)) << d << " m out: the reference line";
        EXPECT_TRUE(lit_near(2 * d * up)) << d << " m out: the aircraft, twice as high";
        EXPECT_FALSE(lit_near(1.5f * d * up)) << d << " m out: nothing between";
    }
    // Height lines every 1000 ft at this scale, from the field's height.
    float line = 1000 * con.fttomtrs * 7 * s;
    for (int k = 1; k <= 5; k++) EXPECT_EQ(rgb_colour(235, intround(100 + k * line)), 18) << k;
}
