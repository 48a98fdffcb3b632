// The controller's voice in a real window on the shipped data: the Location
// menu's frigate approach shows its message on the ATC line while the mixer
// carries it spoken. The ATC list over the view: Enter shows the calls, and
// clicks file a plan from the start airport in the flight-plan window and
// pick it up; a scripted flight then takes it from the clearance to the
// ramp, every phrase heard and seen.
#include <gtest/gtest.h>

#include "Do_atc.h"
#include "Fltutil.h"
#include "Funct.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Windows.h"
#include "host.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

// A click at a point in reference units: the window is 800 x 600 pixels.
static void click_at(float x, float y)
{
    host_test_push_click((int)x, (int)(600 - y));
    MACIBM_event_proc();
}

// Pixels of palette colour c in a band of the view, in reference units.
static int pixels_of(int c, int x0, int y0, int w, int h)
{
    std::vector<unsigned char> rgb(w * h * 3);
    host_test_read_front(x0, y0, w, h, rgb.data());
    int n = 0;
    for (int i = 0; i < w * h; i++) {
        int d = 0;
        for (int k = 0; k < 3; k++) d += abs(rgb[3 * i + k] - (int)lrintf(col_rgb[c][k] * 255));
        n += d < 12;
    }
    return n;
}

// Pixels of palette colour c in the band of the ATC line.
static int atc_line_pixels(int c) { return pixels_of(c, 6, 533, 400, 12); }

// Pixels of colour c in the text of row i of the ATC list.
static int list_row_pixels(int c, int i) { return pixels_of(c, 12, 540 - 10 * i, 390, 7); }

TEST(AtcVoiceGl, TheFrigateApproachIsShownAndSpoken)
{
    host_test_push_key(VK_RETURN, 0);   // no stick: the joystick notice
    start_simulator();
    MACIBM_event_proc();
    ASSERT_EQ(msc.speech_ok, 1);
    // Location, then its "Special Approach" submenu, then the item.
    const int approaches = place_frigate / 100;
    const int location = mnw.menu_prnt[approaches];
    click_at(mnw.menux1[location] + 5, mnw.menuy1[location] + 5);
    ASSERT_EQ(mnw.menu_up, location);
    click_at(mnw.menux1[approaches] + 5, mnw.menuy1[approaches] + 5);
    ASSERT_EQ(mnw.menu_up, approaches);
    click_at(mnw.itemx1[place_frigate] + 20, mnw.itemy1[place_frigate] + 5);
    EXPECT_STREQ(atc.ctrl_text, "Frigate I L S is on 1 0 8 . 1 0.");

    // The engine and wind fall silent, so that what the mixer gives is the
    // voice; taken at once, before the device's own thread plays it away.
    for (int slot = 0; slot < host_voices; slot++) host_voice_stop(slot);
    host_test_speech_wait();
    std::vector<short> heard(44100 * 4);
    host_audio_render(heard.data(), (int)heard.size());
    double sum = 0;
    for (short s : heard) sum += (double)s * s;
    EXPECT_GT(sqrt(sum / heard.size()), 300.0) << "the message spoken";

    MACIBM_event_proc();
    EXPECT_GT(atc_line_pixels(48), 40) << "the message on the ATC line";
    MACIBM_finishup();
}

// A click at a point of the open window, in its units.
static void click_in_window(float x, float y)
{
    host_test_push_click((int)(mnw.x + x), (int)(600 - (mnw.y + y)));
    MACIBM_event_proc();
}

// Enter, then frames until the pulsing green of a suggested call is at its
// dim end, where it cannot be taken for the plain green of the others.
static void press_enter(void)
{
    host_test_push_key(VK_RETURN, 0);
    MACIBM_event_proc();
    for (int f = 0; f < 200; f++) {
        MACIBM_event_proc();
        if (col_rgb[57][1] < 0.85f) break;
    }
    ASSERT_LT(col_rgb[57][1], 0.85f);
}

// The controller's newest phrase, heard from the mixer with the engine and
// wind silenced, then seen on the ATC line of the next frame; what is left
// of the voice is stopped so the next phrase is heard on its own.
static void expect_heard_and_shown(const std::string& phrase)
{
    for (int slot = 0; slot < host_voices; slot++) host_voice_stop(slot);
    host_test_speech_wait();
    std::vector<short> heard(44100 * 2);
    host_audio_render(heard.data(), (int)heard.size());
    double sum = 0;
    for (short s : heard) sum += (double)s * s;
    EXPECT_GT(sqrt(sum / heard.size()), 300.0) << "spoken: " << phrase;
    host_speech_stop();
    MACIBM_event_proc();
    EXPECT_GT(atc_line_pixels(48), 40) << "shown: " << phrase;
}

// Seconds of the once-a-second systems on the paused flight's clock, every
// phrase on the way heard and seen, until one holds want; the phrase.
static std::string seconds_until(const char* want, int most)
{
    std::string last = atc.ctrl_text;
    for (int s = 0; s < most; s++) {
        msc.sim_time += 1;
        mod_sec();
        std::string now = atc.ctrl_text;
        if (now == last) continue;
        expect_heard_and_shown(now);
        last = now;
        if (now.find(want) != std::string::npos) return now;
    }
    ADD_FAILURE() << "no \"" << want << "\" within " << most << " s; the last phrase: " << last;
    return last;
}

// The scripted aircraft: at (x, z) m, agl metres over ground at ground_m,
// on a true heading at a speed, level.
static void place_user(double x, double z, float ground_m, float agl, float hdg, float speed, int on_ground)
{
    flt.pos_x[0] = x;
    flt.pos_z[0] = z;
    env.ground_h = ground_m;
    flt.pos_y[0] = ground_m + agl;
    flt.alt_now = (float)flt.pos_y[0];
    flt.lat = Lat_with_z((float)z);
    flt.lon = Lon_with_xlat((float)x, flt.lat);
    flt.psi[0] = hdg;
    flt.hdg_mag = fltwrap(hdg + env.mag_var, 0, 360);
    flt.gnd_speed[0] = flt.V_true = speed;
    flt.ias_kts = speed * con.msctokts;
    flt.vel_x = flt.vel_y = flt.vel_z = 0;
    flt.on_ground = on_ground;
}

// The pilot checks in from the list: Enter, then the check-in call (row 6).
static std::string check_in(void)
{
    press_enter();
    EXPECT_EQ(atc.checkin_due, 1);
    EXPECT_GT(list_row_pixels(57, 6), 40) << "checking in suggested";
    click_at(100, 547 - 10 * 6 - 5);
    EXPECT_EQ(atc.menu_on, 0);
    std::string phrase = atc.ctrl_text;
    expect_heard_and_shown(phrase);
    return phrase;
}

TEST(AtcListGl, APlanFiledWithClicksIsFlownFromClearanceToTheRamp)
{
    host_test_push_key(VK_RETURN, 0);   // no stick: the joystick notice
    start_simulator();
    MACIBM_event_proc();
    ASSERT_EQ(mnw.topwin, win_main);
    int ksbd = -1, kont = -1;
    ASSERT_TRUE(get_index_from_id("KSBD", 1, &ksbd));
    ASSERT_TRUE(get_index_from_id("KONT", 1, &kont));
    ASSERT_EQ(msc.apt_sel, ksbd) << "the shipped start";
    ASSERT_EQ(atc.menu_on, 0);
    for (int i : {0, 2, 17}) ASSERT_LT(list_row_pixels(57, i) + list_row_pixels(48, i), 20) << "row " << i;

    press_enter();
    ASSERT_EQ(atc.menu_on, 1);
    EXPECT_EQ(atc.menu_level, atc_level_options);
    EXPECT_GT(list_row_pixels(57, 0), 40) << "\"File flight plan\" suggested";
    EXPECT_LT(list_row_pixels(48, 0), 5);
    for (int i : {2, 9, 10, 17}) EXPECT_GT(list_row_pixels(48, i), 40) << "row " << i << " shown";
    for (int i : {1, 4, 11, 19}) EXPECT_LT(list_row_pixels(48, i) + list_row_pixels(57, i), 5) << "row " << i;

    // "File flight plan": the form opens from San Bernardino.
    click_at(100, 543);
    ASSERT_EQ(mnw.topwin, win_flight_plan);
    EXPECT_EQ(atc.menu_on, 0);
    EXPECT_STREQ(fpl.departure, "KSBD");
    // To Ontario (KMMM as the start leaves it), instrument rules, 4500 ft.
    ASSERT_STREQ(fpl.destination, "KMMM");
    const int steps[4] = {0, 'O' - 'M', 'N' - 'M', 'T' - 'M'};
    for (int k = 1; k < 4; k++)
        for (int n = 0; n < steps[k]; n++) click_in_window(plan_destination_at.x + 10 * k + 5, plan_destination_at.y - 5);
    EXPECT_STREQ(fpl.destination, "KONT");
    click_in_window(plan_rules_at[0].x + 4, plan_rules_at[0].y + 4);
    EXPECT_EQ(fpl.rules_ifr, 1);
    for (int n = 0; n < 4; n++) click_in_window(542, 375);
    for (int n = 0; n < 5; n++) click_in_window(552, 375);
    EXPECT_EQ(fpl.cruise_altitude, 4500);
    click_in_window(4, mnw.dy + 7);   // the close box
    ASSERT_EQ(mnw.topwin, win_main);
    EXPECT_EQ(fpl.filed, 1);
    EXPECT_EQ(fpl.active, 0);
    EXPECT_EQ(atc.dest_apt, kont);

    // The plan filed: "Amend flight plan", and picking it up suggested.
    press_enter();
    ASSERT_EQ(atc.menu_on, 1);
    EXPECT_GT(list_row_pixels(48, 1), 40);
    EXPECT_GT(list_row_pixels(57, 4), 40) << "picking the plan up suggested";
    EXPECT_LT(list_row_pixels(57, 0) + list_row_pixels(48, 0), 5) << "nothing to file";
    click_at(100, 503);
    EXPECT_EQ(atc.menu_on, 0);
    EXPECT_EQ(fpl.active, 1);
    EXPECT_EQ(atc.plan_state, 0);
    EXPECT_EQ(msc.mouse_yoke_on, 0);

    // The flight from here is scripted: paused, the aircraft is placed and
    // the once-a-second systems run on a clock of the test's own.
    msc.paused = 1;
    const double x0 = flt.pos_x[0], z0 = flt.pos_z[0];
    const float field = env.ground_h, hdg0 = flt.psi[0];
    place_user(x0, z0, field, 0, hdg0, 0, 1);
    std::string said = seconds_until("advise when ready to taxi.", 2);
    EXPECT_NE(said.find("cleared as filed maintain at or below "), std::string::npos) << said;
    EXPECT_EQ(atc.plan_state, 3);

    place_user(x0, z0, field, 250, hdg0, 50, 0);
    seconds_until("contact departure.", 2);
    said = check_in();
    EXPECT_NE(said.find("radar contact. Climb to 4500 approved, proceed on course to Ontario International."),
              std::string::npos) << said;
    seconds_until("contact center ", 50);
    EXPECT_EQ(atc.plan_state, 5);
    said = check_in();
    EXPECT_NE(said.find("roger proceed on course to Ontario International "), std::string::npos) << said;
    // Within reach of Ontario's approach from here.
    seconds_until("contact Ontario International approach on ", 50);
    EXPECT_EQ(atc.plan_state, 6);

    // The approach vectors to Ontario's localizer, the pick the runway in
    // use makes, and talks the aircraft down.
    said = check_in();
    EXPECT_EQ(atc.vectoring, 1);
    EXPECT_NE(said.find(", if you would like another approach instead just tell me."), std::string::npos) << said;
    int runway, end, has_ils, loc;
    get_active_rway(kont, &runway, &end, &has_ils, &loc);
    ASSERT_EQ(has_ils, 1);
    const float course = nav_hdng[loc], c = course * con.degtorad;
    const double nx = X_with_latlon(nav_lat[loc], nav_lon[loc]), nz = Z_with_lat(nav_lat[loc]);
    const float out = 8 * con.nmtomtrs;
    place_user(nx - out * sinf(c), nz + out * cosf(c), nav_h[loc], out * tanf(3 * con.degtorad), course, 45, 0);
    seconds_until("on glide path.", 30);
    // On the ground on the runway's centre line: down.
    const float in = 1 * con.nmtomtrs;
    place_user(nx - in * sinf(c), nz + in * cosf(c), nav_h[loc], 0, course, 25, 1);
    said = seconds_until("", 30);
    EXPECT_TRUE(said.find("good job.") != std::string::npos ||
                said.find("I have not done that in a while!") != std::string::npos) << said;
    EXPECT_EQ(atc.plan_state, 8);
    EXPECT_EQ(atc.vectoring, 0);
    place_user(nx - in * sinf(c), nz + in * cosf(c), nav_h[loc], 0, course, 5, 1);
    seconds_until(" when clear.", 2);
    EXPECT_EQ(atc.plan_state, 9);
    said = check_in();
    EXPECT_NE(said.find("taxi to the ramp."), std::string::npos) << said;
    EXPECT_EQ(fpl.filed, 0);
    EXPECT_EQ(fpl.active, 0);
    MACIBM_finishup();
}
