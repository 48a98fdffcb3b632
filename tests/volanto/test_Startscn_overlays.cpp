// The 2D overlays without a window, recorded through `overlay`: the replay
// speed playing lit among the seven icons and none while flying, the replay
// clock in minutes and seconds, the ATC window hiding the ATC line and the
// line hiding the data lines, the special-start prompts, and the pause
// notice on the head-up display's centre as the 3D frame lays it out.
#include <gtest/gtest.h>

#include "Do_atc.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// One recorded call: its kind, colour and numbers, and its text.
struct drawn {
    std::string kind;
    int colour;
    std::vector<float> n;
    std::string text;
};
std::vector<drawn> seen;

void rec_line(int c, float x1, float y1, float x2, float y2) { seen.push_back({"line", c, {x1, y1, x2, y2}, ""}); }
void rec_rect(int c, float x, float y, float w, float h) { seen.push_back({"rect", c, {x, y, w, h}, ""}); }
void rec_string(int c, float x, float y, const char* t, float wrap, float adv)
{
    seen.push_back({"string", c, {x, y, wrap, adv}, t});
}
void rec_number(int c, float x, float y, float v, int digits, int decimals, float adv, int sign)
{
    seen.push_back({"number", c, {x, y, v, (float)digits, (float)decimals, adv, (float)sign}, ""});
}
void rec_atc(int click) { seen.push_back({"atc", -1, {(float)click}, ""}); }
void rec_label(int dest, int item, int row) { seen.push_back({"label", -1, {(float)dest, (float)item, (float)row}, ""}); }
void rec_dat(int dest, int item, int row) { seen.push_back({"dat", -1, {(float)dest, (float)item, (float)row}, ""}); }

void scene_nothing(void) {}
void scene_stars(float, float, float, float, float, float, float) {}
void scene_pavement(int, int, int, float, int, float, float, float, float) {}
void scene_runway(int, int, int, int, float, float, float, float) {}
void scene_plane(int, int) {}
void scene_precip(float, float, float, float) {}
void scene_load(int) {}

// The kinds of the calls, in order, each with its text where it has one.
std::string kinds(void)
{
    std::string out;
    for (const drawn& d : seen) {
        out += d.kind;
        if (!d.text.empty()) out += "(" + d.text + ")";
        if (d.kind == "label" || d.kind == "dat" || d.kind == "atc") {
            char s[40];
            snprintf(s, sizeof s, "(%g", d.n[0]);
            out += s;
            for (size_t k = 1; k < d.n.size(); k++) {
                snprintf(s, sizeof s, ",%g", d.n[k]);
                out += s;
            }
            out += ")";
        }
        out += ' ';
    }
    return out;
}

// Which replay icon (1..7) a line or bar belongs to, by its leftmost x.
int icon_of(const drawn& d)
{
    float x = d.n[0];
    if (d.kind == "line" && d.n[2] < x) x = d.n[2];
    const float from[7] = {326, 354, 372, 395, 413, 436, 454};
    int icon = 0;
    for (int k = 0; k < 7; k++)
        if (x >= from[k]) icon = k + 1;
    return icon;
}

class Overlays : public ::testing::Test {
protected:
    overlay_calls saved_overlay;
    scene_calls saved_scene;
    void SetUp() override
    {
        seen.clear();
        reset_suite_state();
        MACIBM_set_constants();
        saved_overlay = overlay;
        saved_scene = scene;
        overlay = {rec_line, rec_rect, rec_string, rec_number, rec_atc, rec_label, rec_dat};
        for (int& item : set.cockpit_list) item = -1;
    }
    void TearDown() override
    {
        overlay = saved_overlay;
        scene = saved_scene;
    }
    static void draw(void)
    {
        seen.clear();
        update_scene_2d();
    }
    // The calls of one kind.
    static std::vector<drawn> only(const char* kind)
    {
        std::vector<drawn> out;
        for (const drawn& d : seen)
            if (d.kind == kind) out.push_back(d);
        return out;
    }
};

}  // namespace

// Each speed's icon is lit (47) while it plays and the other six are not
// (49): triangles of three lines, the bars 4 x 10 (two for the stopped
// replay). Flying, or a state past the seven, shows no replay controls.
TEST_F(Overlays, EachReplayStateLightsItsOwnIcon)
{
    const int parts[8] = {0, 6, 3, 4, 2, 4, 3, 6};   // lines and bars of each icon
    for (int state = 1; state <= 7; state++) {
        set.replay_speed = state;
        draw();
        int count[8] = {};
        for (const drawn& d : seen) {
            if (d.kind != "line" && d.kind != "rect") continue;
            int icon = icon_of(d);
            count[icon]++;
            EXPECT_EQ(d.colour, icon == state ? 47 : 49) << "state " << state << " icon " << icon;
            if (d.kind == "rect") {
                EXPECT_EQ(d.n[1], 545);
                EXPECT_EQ(d.n[2], 4);
                EXPECT_EQ(d.n[3], 10);
            }
        }
        for (int icon = 1; icon <= 7; icon++) EXPECT_EQ(count[icon], parts[icon]) << "state " << state << " icon " << icon;
    }
    set.replay_speed = 4;
    draw();
    std::vector<drawn> bars = only("rect");
    std::vector<float> lit;
    for (const drawn& b : bars)
        if (b.colour == 47) lit.push_back(b.n[0]);
    EXPECT_EQ(lit, (std::vector<float>{395, 401})) << "the stopped replay's two bars";

    for (int state : {0, 8, -1}) {
        set.replay_speed = state;
        draw();
        EXPECT_EQ(kinds(), "") << "state " << state;
    }
}

// Whole minutes and the seconds left over, two places of decimals, in 49.
TEST_F(Overlays, ReplayClockShowsMinutesAndSeconds)
{
    const struct {
        float t, minutes, seconds;
    } cases[] = {{125.5f, 2, 5.5f}, {59.75f, 0, 59.75f}, {60, 1, 0}, {0, 0, 0}};
    set.replay_speed = 4;
    for (const auto& c : cases) {
        pat.replay_time = c.t;
        draw();
        std::vector<drawn> n = only("number"), s = only("string");
        ASSERT_EQ(n.size(), 2u);
        ASSERT_EQ(s.size(), 1u);
        EXPECT_EQ(n[0].n, (std::vector<float>{383, 533, c.minutes, 2, 0, 6, 0})) << c.t;
        EXPECT_EQ(n[1].n, (std::vector<float>{401, 533, c.seconds, 4, 2, 6, 0})) << c.t;
        EXPECT_EQ(s[0].text, ":");
        EXPECT_EQ(s[0].n, (std::vector<float>{395, 533, 999, 6}));
        EXPECT_EQ(n[0].colour + n[1].colour + s[0].colour, 3 * 49);
    }
}

// The ATC window hides the controller's line and the data lines; a fresh
// line hides the data lines, which come back once its time is up. Each
// data slot draws its label and value on its own line; empty slots none.
TEST_F(Overlays, AtcWindowHidesTheLineAndTheLineHidesTheDataLines)
{
    set.cockpit_list[0] = 3;
    set.cockpit_list[2] = 17;
    set.cockpit_list[9] = 0;
    snprintf(atc.ctrl_text, sizeof atc.ctrl_text, "N1234 cleared to land");
    msc.sim_time = 100;
    const std::string data = "label(10,3,0) dat(10,3,0) label(10,17,2) dat(10,17,2) label(10,0,9) dat(10,0,9) ";
    const struct {
        int menu_on;
        float until;
        std::string drawn;
    } cases[] = {
        {1, 200, "atc(0) "},
        {1, 0, "atc(0) "},
        {0, 100.5f, "string(N1234 cleared to land) "},
        {0, 100, data},
        {0, 0, data},
    };
    for (const auto& c : cases) {
        atc.menu_on = c.menu_on;
        atc.ctrl_text_until = c.until;
        draw();
        EXPECT_EQ(kinds(), c.drawn) << c.menu_on << " " << c.until;
    }
    atc.ctrl_text_until = 200;
    draw();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].colour, 48);
    EXPECT_EQ(seen[0].n, (std::vector<float>{6, 535, 635, 6}));
}

// One prompt for each special start, in 57 at one place; several at once
// draw over one another in the order deck, tow waiting, tow, drop.
TEST_F(Overlays, SpecialStartPrompts)
{
    const struct {
        int* flag;
        const char* text;
    } cases[] = {
        {&set.on_catapult, "Release brakes to launch."},
        {&set.tow_hold, "Release brakes to take off."},
        {&set.tow_on, "Space bar to release tow-rope."},
        {&set.drop_on, "Space bar to drop."},
    };
    std::string all;
    for (const auto& c : cases) {
        *c.flag = 1;
        draw();
        *c.flag = 0;
        ASSERT_EQ(seen.size(), 1u) << c.text;
        EXPECT_EQ(seen[0].text, c.text);
        EXPECT_EQ(seen[0].colour, 57);
        EXPECT_EQ(seen[0].n, (std::vector<float>{340, 480, 635, 6}));
        all += std::string("string(") + c.text + ") ";
    }
    for (const auto& c : cases) *c.flag = 1;
    draw();
    EXPECT_EQ(kinds(), all);
}

// The notice stands on the head-up display's centre, where the 3D frame
// last laid it out: lower with the panel hidden.
TEST_F(Overlays, PausedSitsOnTheHeadUpDisplaysCentre)
{
    scene.plot_stars = scene_stars;
    scene.plot_clouds = scene.plot_terrain = scene.plot_city_lights = scene.plot_trees = scene_nothing;
    scene.plot_lightning = scene.plot_rway_lights = scene.plot_obstacles = scene.plot_fires = scene_nothing;
    scene.plot_cool_hud = scene.plot_nrml_hud = scene_nothing;
    scene.plot_pavement = scene_pavement;
    scene.plot_runway = scene_runway;
    scene.plot_plane = scene_plane;
    scene.do_window_precip = scene_precip;
    scene.load_region = scene_load;
    lay_flat_ground();
    region_loads = 1;
    env.reg_lat = 33;
    env.reg_lon = -119;
    flt.lat = 34;
    flt.lon = -117.5f;
    flt.pos_y[0] = 10;
    mnw.XRAT = mnw.YRAT = 1;
    scn.zoom = 1;
    scn.plane_size = 10;
    set.view_id = view_forwards;
    atm.cloud_type = 1;
    atm.visibility = atm.vis_eff = 5000;

    msc.paused = 1;
    const struct {
        int hidden;
        float x, y;
    } cases[] = {{1, 382, 296.5f}, {0, 382, 439}};
    for (const auto& c : cases) {
        set.panel_hidden = c.hidden;
        update_scene_3d();
        draw();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, "PAUSED");
        EXPECT_EQ(seen[0].colour, 42);
        EXPECT_EQ(seen[0].n, (std::vector<float>{c.x, c.y, 999, 6})) << "panel hidden " << c.hidden;
    }
    msc.paused = 0;
    draw();
    EXPECT_TRUE(seen.empty());
}
