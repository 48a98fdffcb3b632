// The 2D overlays of the main view, over the scene and the panel, in the
// 800 x 600 reference units: the replay controls and clock, the ATC line or
// window or the cockpit data lines, the special-start prompts and the pause
// notice. Nothing is kept between frames.
//
// Sections: replay, messages, prompts, update_scene_2d.
#include "Startscn.h"
#include "Do_atc.h"
#include "Fltutil.h"
#include "Graphnif.h"
#include "HL_GRAPH.h"
#include "Initgen.h"

overlay_calls overlay = {OGL_line, OGL_framerect, OGL_string, OGL_number, plot_atc_options, out_label, out_dat};

// Colour-table entries of the overlays.
static const int col_replay_chosen = 47;   // the replay speed now playing
static const int col_replay = 49;          // the other speeds and the clock
static const int col_atc_line = 48;
static const int col_prompt = 57;          // the pulsing green
static const int col_paused = 42;


// ---- replay --------------------------------------------------------------------

const int replay_states = 7;   // 1..7 of set.replay_speed; 0 is flying

// An icon's triangles (three corners each, none when the first x is 0) and
// the x of its bars (none at 0), 4 x 10 from their lower left corner at y 545.
struct replay_icon {
    float tri[2][3][2];
    float bar_x[2];
};

static const replay_icon replay_icons[replay_states] = {
    {{{{326, 550}, {336, 555}, {336, 545}}, {{336, 550}, {346, 555}, {346, 545}}}, {0, 0}},   // -5
    {{{{354, 550}, {364, 555}, {364, 545}}, {}}, {0, 0}},                                     // -1
    {{{{377, 550}, {387, 555}, {387, 545}}, {}}, {372, 0}},                                   // -0.2
    {{}, {395, 401}},                                                                          // 0
    {{{{413, 555}, {423, 550}, {413, 545}}, {}}, {424, 0}},                                   // 0.2
    {{{{436, 555}, {446, 550}, {436, 545}}, {}}, {0, 0}},                                     // 1
    {{{{454, 555}, {464, 550}, {454, 545}}, {{464, 555}, {474, 550}, {464, 545}}}, {0, 0}},   // 5
};
static const float bar_y = 545;

static void draw_replay_icon(int state, int colour)
{
    const replay_icon& icon = replay_icons[state - 1];
    for (const auto& t : icon.tri) {
        if (t[0][0] == 0) continue;
        for (int k = 0; k < 3; k++) {
            const float* a = t[k];
            const float* b = t[(k + 1) % 3];
            overlay.OGL_line(colour, a[0], a[1], b[0], b[1]);
        }
    }
    for (float x : icon.bar_x)
        if (x != 0) overlay.OGL_framerect(colour, x, bar_y, 4, 10);
}

// The speeds, the one playing lit, and the replay clock in minutes and seconds.
static void draw_replay(void)
{
    for (int s = 1; s <= replay_states; s++) draw_replay_icon(s, s == set.replay_speed ? col_replay_chosen : col_replay);
    float t = pat.replay_time;
    int m = (int)(t / 60);
    overlay.OGL_number(col_replay, 383, 533, (float)m, 2, 0, 6, 0);
    overlay.OGL_string(col_replay, 395, 533, ":", 999, 6);
    overlay.OGL_number(col_replay, 401, 533, t - 60.0f * (float)m, 4, 2, 6, 0);
}

// ---- messages ------------------------------------------------------------------

// One of three in the same place: the ATC window, the controller's last
// phrase while it is fresh, or the cockpit data lines.
static void draw_messages(void)
{
    if (atc.menu_on) {
        overlay.plot_atc_options(0);
        return;
    }
    if (atc.ctrl_text_until > msc.sim_time) {
        overlay.OGL_string(col_atc_line, 6, 535, atc.ctrl_text, 635, 6);
        return;
    }
    for (int i = 0; i < cockpit_entries; i++) {
        int item = set.cockpit_list[i];
        if (item < 0) continue;
        overlay.out_label(out_to_cockpit, item, i);
        overlay.out_dat(out_to_cockpit, item, i);
    }
}

// ---- prompts -------------------------------------------------------------------

static void prompt(const char* text) { overlay.OGL_string(col_prompt, 340, 480, text, 635, 6); }

static void draw_prompts(void)
{
    if (set.on_catapult) prompt("Release brakes to launch.");
    if (set.tow_hold) prompt("Release brakes to take off.");
    if (set.tow_on) prompt("Space bar to release tow-rope.");
    if (set.drop_on) prompt("Space bar to drop.");
}

// ---- update_scene_2d -----------------------------------------------------------

void update_scene_2d(void)
{
    OGL_setstate(0, 0, 0, 0);
    if (set.replay_speed >= 1 && set.replay_speed <= replay_states) draw_replay();
    draw_messages();
    draw_prompts();
    // On the head-up display's centre, which moves with the panel.
    if (msc.paused) overlay.OGL_string(col_paused, con.cntrx - 18, con.cntry - 4, "PAUSED", 999, 6);
}
