// The controllers' dialogue on a small world of its own: the pilot's
// requests as a table of texts with their answers, the approach vectoring
// (its gate, the established cone, the talk-down's glide words, the kind
// kept while the list changes), and the filed plan walked from clearance to
// "taxi to the ramp" with a scripted position and clock.
#include <gtest/gtest.h>

#include "Do_atc.h"
#include "Fltutil.h"
#include "Funct.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Windows.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

static const float lat0 = 34.0f, lon0 = -117.0f;
static const char* const me = "Cessna five ";

// Alpha Field (towered, 2000 ft, runway 36 with its ILS on the field) and
// Bravo Strip (untowered, sea level, 30 nm north); calm wind, 29.92 inches.
class Dialogue : public ::testing::Test {
protected:
    int alpha = -1, bravo = -1, ils = -1;

    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        msc.speech_ok = 0;
        set.atc_text = 1;
        apt_wrl_max = rwy_wrl_max = -1;
        nav_wrl_max = world_nav_first - 1;
        atm.baro_sl = 29.92f;
        pln[0].us_alt = 1;
        snprintf(atc.callsign, sizeof atc.callsign, "Cessna");
        snprintf(pln[0].tailnum, sizeof pln[0].tailnum, "N5");
        alpha = add_airport("KAAA", "Alpha Field", lat0, lon0, 2000 * con.fttomtrs, 1);
        bravo = add_airport("KBBB", "Bravo Strip", lat0 + 0.5f, lon0, 0, 0);
        ils = ++nav_wrl_max;
        nav_type[ils] = navaid_ils;
        nav_lat[ils] = lat0;
        nav_lon[ils] = lon0;
        nav_hdng[ils] = 0;
        nav_h[ils] = apt_h[alpha];
        nav_inreg[ils] = 1;
        snprintf(nav_name[ils], sizeof nav_name[ils], "Alpha Field ILS");
        msc.apt_sel = alpha;
        rnd15_seed(7);
    }

    static int add_airport(const char* id, const char* name, float lat, float lon, float h, int tower)
    {
        int a = ++apt_wrl_max;
        snprintf(apt_id[a], sizeof apt_id[a], "%s", id);
        snprintf(apt_name[a], sizeof apt_name[a], "%s", name);
        apt_h[a] = h;
        apt_twr[a] = tower;
        apt_inreg[a] = 1;
        int r = ++rwy_wrl_max;
        apt_lo_ind[a] = apt_hi_ind[a] = r;
        rwy_num[r] = 36;
        rwy_lcr[r] = 'x';
        rwy_hdng[r] = 0;
        rwy_lat[r] = lat;
        rwy_lon[r] = lon;
        return a;
    }

    // The aircraft d nm from the ILS, seen from it off degrees off its course
    // (off > 0 west of the line), h m above sea level, heading hdg.
    void place(float d, float off, float h, float hdg = 0)
    {
        float nx = X_with_latlon(nav_lat[ils], nav_lon[ils]), nz = Z_with_lat(nav_lat[ils]);
        float m = d * con.nmtomtrs, b = off * con.degtorad;
        flt.pos_x[0] = nx - m * sinf(b);
        flt.pos_z[0] = nz + m * cosf(b);
        flt.pos_y[0] = h;
        flt.alt_now = h;
        flt.psi[0] = flt.hdg_mag = hdg;
        flt.lat = nav_lat[ils] - d / 60 * cosf(b);
        flt.lon = nav_lon[ils];
        flt.on_ground = 0;
    }

    // The phrase said since the last look, "" for none; the next one may
    // come at once.
    static std::string said(void)
    {
        std::string s = atc.ctrl_text;
        atc.ctrl_text[0] = 0;
        atc.ctrl_text_until = 0;
        return s;
    }
    static std::string respond(const char* request)
    {
        char text[atc_text_max];
        snprintf(text, sizeof text, "%s", request);
        controller_respond(text);
        return said();
    }
    static std::string plan(int pilot_called)
    {
        handle_plan(pilot_called);
        return said();
    }
};

// ---- requests ------------------------------------------------------------------

TEST_F(Dialogue, EachRequestTextGetsItsAnswerOrNone)
{
    place(10, 90, 1500);   // 10 nm west of Alpha Field, heading north
    const std::string far_request = std::string(250, 'x') + "request TAXAlpha Field";
    struct {
        const char* request;
        std::string answer;
    } cases[] = {
        {"WIN", std::string(me) + "wind calm."},
        {"WINd check please", std::string(me) + "wind calm."},
        {"request TAXAlpha Field", std::string(me) + "taxi runway 3 6."},
        {"request TAKAlpha Field.", std::string(me) + "fly runway heading cleared for take off runway 3 6."},
        {"N5 request VECAlpha Field",
         std::string(me) + "turn right heading 0 9 0 vectors Alpha Field. They are about 10 miles from your current position."},
        {"request LANBravo Strip", std::string(me) + "wind calm, cleared to land runway 3 6 Bravo Strip."},
        {"request FOOAlpha Field", std::string(me) + "say again please"},
        {"request", std::string(me) + "say again please"},
        {"request TAXAlpha", ""},              // no such airport
        {"request TAXAlpha Field..", ""},      // one "." is dropped, not two
        {"taxi to active Alpha Field", ""},    // no "request"
        {"re", ""},
        {far_request.c_str(), ""},   // "request" past the 256 characters looked at
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(respond(c.request), c.answer) << c.request;
}

TEST_F(Dialogue, MissedApproachClosesThePlan)
{
    fpl.filed = fpl.active = 1;
    EXPECT_EQ(respond("MIS"), std::string(me) + "understand missed approach. Hold as published. Say intentions when able.");
    EXPECT_EQ(fpl.filed, 0);
    EXPECT_EQ(fpl.active, 0);
}

TEST_F(Dialogue, AnEmergencyTurnsToTheNearestAirportOfTheRegion)
{
    place(10, 90, 1500);
    fpl.filed = fpl.active = 1;
    atc.plan_state = 5;
    atc.dest_apt = bravo;
    EXPECT_EQ(respond("DEC"), std::string(me) + "squawk 7 7 0 0 turn right heading 0 9 0 vectors Alpha Field, they are "
                                               "about 10 miles from your current position.");
    EXPECT_EQ(atc.dest_apt, alpha);
    EXPECT_EQ(fpl.active, 0);
    EXPECT_EQ(fpl.filed, 1);
    EXPECT_EQ(atc.plan_state, 0);
}

TEST_F(Dialogue, AnEmergencyOverARegionWithoutAirportsOnlySquawks)
{
    place(10, 90, 1500);
    apt_inreg[alpha] = apt_inreg[bravo] = 0;
    fpl.filed = fpl.active = 1;
    atc.plan_state = 5;
    for (int dest : {bravo, -1, 99999}) {
        atc.dest_apt = dest;
        atc.plan_state = 5;
        EXPECT_EQ(respond("DEC"), std::string(me) + "squawk 7 7 0 0.");
        EXPECT_EQ(atc.dest_apt, dest);
        EXPECT_EQ(atc.plan_state, 0);
        EXPECT_EQ(fpl.active, 0);
    }
}

// ---- approach vectoring -----------------------------------------------------------

TEST_F(Dialogue, VectorsSpeakAtOnceThenWaitTheirGate)
{
    place(30, 90, 8900 * con.fttomtrs);
    fpl.cruise_altitude = 9000;
    flt.ias_kts = 150;   // a 3 nm turn
    atc.menu_level = atc_level_ils;
    msc.sim_time = 100;
    std::string first = respond("request ILSAlpha Field ILS");
    EXPECT_EQ(first, std::string(me) + "turn right heading 1 1 5 climb and maintain 9000 feet vectors Alpha Field ILS, if "
                                        "you would like another approach instead just tell me.");
    EXPECT_EQ(atc.vectoring, 1);
    EXPECT_STREQ(atc.last_request, "request ILSAlpha Field ILS");
    EXPECT_EQ(atc.vector_kind, atc_level_ils);

    // Within 15 s nothing at all, not even other traffic; from 25 s on the
    // next step speaks (here other traffic, the vectors being unchanged).
    msc.sim_time = 114.9f;
    controller_respond(atc.last_request);
    EXPECT_EQ(said(), "");
    msc.sim_time = 125.1f;
    controller_respond(atc.last_request);
    std::string next = said();
    EXPECT_NE(next, "");
    EXPECT_EQ(next.find(me), std::string::npos) << next;

    // A new request starts over and speaks at once.
    atc.vectoring = 0;
    msc.sim_time = 126;
    EXPECT_EQ(respond("request ILSAlpha Field ILS").rfind(me, 0), 0u);
}

TEST_F(Dialogue, TheAltitudeStepsDownNearTheNavaidAndStaysAboveTheTerrain)
{
    fpl.cruise_altitude = 15000;
    atc.menu_level = atc_level_loc;
    struct {
        float d, ground_m;
        const char* altitude;
    } cases[] = {
        {130, 0, "descend and maintain 15000 feet"},
        {100, 0, "descend and maintain 14000 feet"},   // 2000 ft field + 12000
        {50, 0, "descend and maintain 10000 feet"},
        {20, 0, "descend and maintain 7000 feet"},
        {14, 0, "descend and maintain 5000 feet"},
        {14, 2300 * con.fttomtrs, "descend and maintain 5000 feet"},
        {14, 3600 * con.fttomtrs, "descend and maintain 6000 feet"},   // terrain + 2000 to the nearest 1000
    };
    for (const auto& c : cases) {
        clear_atc_dialogue_state();
        atc.vectoring = 0;
        place(c.d, 90, 16000 * con.fttomtrs);
        env.ground_h = c.ground_m;
        std::string s = respond("request LOCAlpha Field ILS");
        EXPECT_NE(s.find(c.altitude), std::string::npos) << c.d << " nm: " << s;
    }
}

TEST_F(Dialogue, EstablishedStrictlyInsideEightDegreesAndTwentyMiles)
{
    struct {
        float d, off, hdg;
        int established;
    } cases[] = {
        // A hair past 8 degrees and 20 nm: at the exact figures the
        // geometry's rounding falls on either side.
        {10, 7.9f, 0, 1}, {10, -7.9f, 0, 1}, {10, 8.01f, 0, 0}, {10, -8.01f, 0, 0},
        {19.9f, 0, 0, 1}, {20.01f, 0, 0, 0},     {10, 0, 44, 1}, {10, 0, 46, 0},
    };
    for (const auto& c : cases) {
        clear_atc_dialogue_state();
        place(c.d, c.off, 2000, c.hdg);
        atc.vectoring = 1;
        atc.vector_kind = atc_level_ils;
        atc.plan_state = 6;
        std::string s = respond("request ILSAlpha Field ILS");
        if (c.established) {
            EXPECT_EQ(s, std::string(me) + "intercept localizer altimeter 29.92 cleared Alpha Field ILS contact tower.")
                << c.d << " nm, " << c.off;
            EXPECT_EQ(atc.plan_state, 7);
            EXPECT_EQ(atc.checkin_due, 1);
            EXPECT_EQ(atc.vectoring, 0);
        } else {
            EXPECT_EQ(s.find("intercept"), std::string::npos) << c.d << " nm, " << c.off << ": " << s;
            EXPECT_EQ(atc.plan_state, 6);
        }
    }
}

TEST_F(Dialogue, TheTalkDownSaysWhereTheGlidePathIs)
{
    struct {
        float glide;
        const char* words;
    } cases[] = {
        {1.5f, ", well below glide path."},    {2.5f, ", slightly below glide path."}, {3.0f, ", on glide path."},
        {3.5f, ", slightly above glide path."}, {5.0f, ", well above glide path."},
    };
    for (const auto& c : cases) {
        clear_atc_dialogue_state();
        place(5, 0, 0);
        flt.pos_y[0] = nav_h[ils] + 5 * con.nmtomtrs * tanf(c.glide * con.degtorad);
        atc.vectoring = 1;
        atc.vector_kind = atc_level_par;
        EXPECT_EQ(respond("request PARAlpha Field ILS"), std::string(me) + "turn left heading 3 6 0 " + c.words);
    }
    // The same heading and glide again: nothing new to say.
    msc.sim_time += 30;
    EXPECT_EQ(respond("request PARAlpha Field ILS"), "");
    // Twice the offset back across the course: 3 degrees east turns 6 west of it.
    msc.sim_time += 30;
    place(5, -3, flt.pos_y[0]);
    EXPECT_EQ(respond("request PARAlpha Field ILS"), std::string(me) + "turn left heading 3 5 5 , well above glide path.");

    // A new request talked down the same way speaks at its first established
    // step, the one after the vectors that start it.
    atc.vectoring = 0;
    msc.sim_time += 30;
    respond("request PARAlpha Field ILS");
    ASSERT_EQ(atc.vectoring, 1);
    msc.sim_time += 30;
    std::string again = respond("request PARAlpha Field ILS");
    EXPECT_NE(again.find(", well above glide path."), std::string::npos) << again;
}

TEST_F(Dialogue, ATalkDownEndsOnTheGroundAndTakesTheNearestAirport)
{
    place(0.5f, 0, nav_h[ils]);
    flt.on_ground = 1;
    atc.vectoring = 1;
    atc.vector_kind = atc_level_par;
    atc.dest_apt = bravo;
    std::string s = respond("request PARAlpha Field ILS");
    EXPECT_TRUE(s == std::string(me) + "good job." || s == std::string(me) + "I have not done that in a while!") << s;
    EXPECT_EQ(atc.plan_state, 8);
    EXPECT_EQ(atc.checkin_due, 0);
    EXPECT_EQ(atc.vectoring, 0);
    EXPECT_EQ(fpl.filed, 1);
    EXPECT_EQ(fpl.active, 1);
    EXPECT_EQ(atc.dest_apt, alpha);
}

TEST_F(Dialogue, TheApproachKeepsItsKindWhileTheListShowsAnotherLevel)
{
    atc.menu_level = atc_level_ils;
    place(30, 90, 3000);
    respond("request ILSAlpha Field ILS");
    ASSERT_EQ(atc.vectoring, 1);
    atc.menu_level = atc_level_atis;   // the pilot looks up an ATIS meanwhile
    msc.sim_time += 30;
    place(10, 2, 1000);
    controller_respond(atc.last_request);
    EXPECT_EQ(said(), std::string(me) + "intercept localizer altimeter 29.92 cleared Alpha Field ILS contact tower.");
    EXPECT_EQ(atc.vector_kind, atc_level_ils);

    // From the options list a request is talked down.
    atc.vectoring = 0;
    atc.menu_level = atc_level_options;
    place(30, 90, 3000);
    respond("request ILSAlpha Field ILS");
    EXPECT_EQ(atc.vector_kind, atc_level_par);
}

// ---- the flight plan ------------------------------------------------------------

TEST_F(Dialogue, TheClearanceFitsTheFieldTheRulesAndWhereTheUserIs)
{
    struct {
        int start, ifr, on_ground, state, checkin;
        std::string text;
    } cases[] = {
        {0, 1, 1, 3, 0, "cleared as filed maintain at or below 4000 expect 9000 10 minutes after departure. Departure "
                        "will be on 1 2 8 point 2 5 squawk 2 5 7 0 advise when ready to taxi."},
        {0, 0, 1, 3, 0, "you are cleared as filed maintain at or below 4000 initially, expect higher after that. Departure "
                        "will be on 1 2 8 point 2 5 squawk 2 5 7 0 advise when ready to taxi."},
        {1, 1, 1, 5, 1, "cleared as filed maintain at or below 2000 expect 9000 10 minutes after that. Contact center on "
                        "1 2 8 point 2 5 when airborne, squawk 2 5 7 0, time now 14 05 Z, clearance void if not off by "
                        "14 15 Z."},
        {1, 0, 1, 5, 1, "cleared as filed. Contact center on 1 2 8 point 2 5 when airborne. Squawk 2 5 7 0."},
        {0, 1, 0, 5, 1, "cleared as filed contact center 1 2 8 point 2 5."},
    };
    for (const auto& c : cases) {
        rnd15_seed(7);
        msc.apt_sel = c.start == 0 ? alpha : bravo;
        msc.tod_zone = 14 * 3600 + 5 * 60 + 30;
        fpl.rules_ifr = c.ifr;
        fpl.cruise_altitude = 8800;
        flt.on_ground = c.on_ground;
        atc.plan_state = 0;
        atc.checkin_due = 0;
        EXPECT_EQ(plan(0), me + c.text);
        EXPECT_EQ(atc.plan_state, c.state);
        EXPECT_EQ(atc.checkin_due, c.checkin);
        EXPECT_EQ(fpl.cruise_altitude, 9000);
    }

    // Five minutes before midnight Zulu the void time is five past.
    rnd15_seed(7);
    msc.apt_sel = bravo;
    msc.tod_zone = 23 * 3600 + 55 * 60;
    fpl.rules_ifr = 1;
    flt.on_ground = 1;
    atc.plan_state = 0;
    std::string late = plan(0);
    EXPECT_NE(late.find("time now 23 55 Z, clearance void if not off by 00 05 Z."), std::string::npos) << late;

    // A low cruise over a high field: the initial altitude stays 500 ft under it.
    fpl.cruise_altitude = 3000;
    msc.apt_sel = alpha;
    atc.plan_state = 0;
    plan(0);
    EXPECT_EQ(fpl.assigned_altitude, 2500);
    EXPECT_EQ(fpl.cruise_altitude, 3000);
}

TEST_F(Dialogue, CenterRemindsOfTheAltitudeAndTheSpeedLimit)
{
    struct {
        int sir, madam;
        float alt_ft, vy, kts;
        std::string text;
    } cases[] = {
        {1, 0, 6000, 0, 150, "your flight plan calls for 9000 feet while enroute, Sir. I will need you to climb and "
                             "maintain that altitude. You may amend your plan if you want a different altitude."},
        {0, 1, 9300, 0, 150, "your flight plan calls for 9000 feet while enroute, Madam. I will need you to descend and "
                             "maintain that altitude. You may amend your plan if you want a different altitude."},
        {0, 0, 6000, 0, 150, "your flight plan calls for 9000climb and maintain that altitude. You may amend your plan "
                             "if you want a different altitude."},
        {0, 0, 6000, 3, 260, "I will need you to stay below 2 5 0 knots while below ten thousand feet."},
        {0, 0, 9300, -3, 150, ""},   // a descent already on its way: traffic or nothing
    };
    for (const auto& c : cases) {
        fpl.contact_option_1 = c.sir;
        fpl.contact_option_2 = c.madam;
        fpl.cruise_altitude = 9000;
        atc.dest_apt = bravo;
        atc.plan_state = 5;
        atc.checkin_due = 0;
        place(150, 0, c.alt_ft * con.fttomtrs);
        flt.vel_y = c.vy;
        flt.ias_kts = c.kts;
        msc.sim_time += 60;
        clear_atc_dialogue_state();
        handle_plan(0);   // the check time runs from 9.9e9: nothing yet
        EXPECT_EQ(said(), "");
        handle_plan(1);
        said();
        msc.sim_time += 46;
        std::string s = plan(0);
        if (c.text.empty()) EXPECT_EQ(s.find("your flight plan"), std::string::npos) << s;
        else EXPECT_EQ(s, me + c.text);
        EXPECT_EQ(atc.plan_state, 5);
    }
}

TEST_F(Dialogue, APlanIsWalkedFromClearanceToTheRamp)
{
    fpl.filed = fpl.active = 1;
    fpl.rules_ifr = 1;
    fpl.cruise_altitude = 9000;
    atc.dest_apt = bravo;
    atc.plan_state = 0;
    msc.sim_time = 10;
    place(0, 0, apt_h[alpha]);
    flt.on_ground = 1;
    env.ground_h = apt_h[alpha];

    EXPECT_NE(plan(0).find("advise when ready to taxi."), std::string::npos);
    ASSERT_EQ(atc.plan_state, 3);
    EXPECT_EQ(plan(0), "");   // still on the ground

    flt.on_ground = 0;
    flt.pos_y[0] = apt_h[alpha] + 201;
    EXPECT_EQ(plan(0), me + std::string("contact departure."));
    ASSERT_EQ(atc.plan_state, 4);
    EXPECT_EQ(atc.checkin_due, 1);
    msc.sim_time += 100;
    EXPECT_EQ(plan(0), "");   // departure waits for the check-in
    atc.checkin_due = 0;
    EXPECT_EQ(plan(1), me + std::string("radar contact. Climb to 9000 approved, proceed on course to Bravo Strip."));
    msc.sim_time += 14;
    EXPECT_EQ(plan(0), "");
    msc.sim_time += 32;
    EXPECT_EQ(plan(0).rfind(me + std::string("contact center "), 0), 0u);
    ASSERT_EQ(atc.plan_state, 5);

    msc.sim_time += 100;
    EXPECT_EQ(plan(0), "");   // center waits for the check-in
    atc.checkin_due = 0;
    EXPECT_EQ(plan(1).rfind(me + std::string("roger proceed on course to Bravo Strip altimeter 29.92. "), 0), 0u);

    // Within the hand-off range of Bravo (20 nm at sea level, 60 at 15000 ft).
    place(-25, 0, 15000 * con.fttomtrs);   // 5 nm short of Bravo
    flt.alt_now = 9000 * con.fttomtrs;
    msc.sim_time += 46;
    EXPECT_EQ(plan(0).rfind(me + std::string("contact Bravo Strip approach on "), 0), 0u);
    ASSERT_EQ(atc.plan_state, 6);

    // Bravo has no localizer: a full approach closes the plan; no tower there.
    atc.checkin_due = 0;
    EXPECT_EQ(plan(1), me + std::string("cleared full approach of your choice."));
    EXPECT_EQ(fpl.filed, 0);
    EXPECT_EQ(fpl.active, 0);
    EXPECT_EQ(atc.plan_state, 6);

    // Into Alpha with its ILS: vectors, then tower within 10 nm once established.
    fpl.filed = fpl.active = 1;
    atc.dest_apt = alpha;
    atc.menu_level = atc_level_options;
    place(30, 90, 6000 * con.fttomtrs);
    EXPECT_NE(plan(1).find(" vectors Alpha Fi, if you would like another approach instead just tell me."), std::string::npos);
    EXPECT_EQ(atc.vectoring, 1);
    EXPECT_STREQ(atc.last_request, "request ILSAlpha Field ILS");
    atc.vectoring = 0;
    place(9, 0, 3000 * con.fttomtrs);
    EXPECT_EQ(plan(0).rfind(me + std::string("contact Alpha Field tower on "), 0), 0u);
    ASSERT_EQ(atc.plan_state, 7);
    EXPECT_EQ(plan(0), "");
    atc.checkin_due = 0;
    EXPECT_EQ(plan(1), me + std::string("wind calm, cleared to land runway 3 6 Alpha Field."));
    ASSERT_EQ(atc.plan_state, 8);

    flt.on_ground = 1;
    flt.gnd_speed[0] = 12;
    EXPECT_EQ(plan(0), "");
    flt.gnd_speed[0] = 9;
    std::string s = plan(0);
    EXPECT_EQ(s.rfind(me + std::string("make next turn-off contact ground 1 2 1 point "), 0), 0u) << s;
    EXPECT_EQ(s.substr(s.size() - 13), "0 when clear.");
    ASSERT_EQ(atc.plan_state, 9);
    EXPECT_EQ(atc.checkin_due, 1);
    atc.checkin_due = 0;
    EXPECT_EQ(plan(1), me + std::string("taxi to the ramp."));
    EXPECT_EQ(fpl.filed, 0);
    EXPECT_EQ(fpl.active, 0);
}

TEST_F(Dialogue, AVisualApproachIsLeftToThePilot)
{
    fpl.filed = fpl.active = 1;
    fpl.rules_ifr = 0;
    atc.dest_apt = alpha;
    atc.plan_state = 6;
    place(30, 0, 1500);
    EXPECT_EQ(plan(0), "");   // waits for the check-in
    EXPECT_EQ(plan(1), me + std::string("cleared visual approach of your choice."));
    EXPECT_EQ(fpl.filed, 0);
    EXPECT_EQ(atc.vectoring, 0);
}

// ---- background traffic -----------------------------------------------------------

TEST_F(Dialogue, OtherTrafficWaitsForThePhraseOnTheLine)
{
    msc.sim_time = 50;
    atc.ctrl_text_until = 50.5f;
    EXPECT_EQ(make_random_call(1, 1), 0);
    EXPECT_STREQ(atc.ctrl_text, "");
    // Seeded: a fixed run of calls, none to the user with neither flag.
    place(30, 0, 1500);
    atc.ctrl_text_until = 0;
    for (int i = 0; i < 40; i++) {
        EXPECT_EQ(make_random_call(0, 0), 0);
        std::string s = said();
        EXPECT_EQ(s.find(me), std::string::npos) << s;
    }
}

TEST_F(Dialogue, OnlyAVectorAroundTrafficToTheUserCountsAsVectoringThem)
{
    // Every phrase of a long seeded run is one of the forms, and the call
    // answers 1 exactly when it turned the user around traffic; a hand-off
    // to the user makes them check in.
    static const char* const forms[] = {"squawk 1 2 0 0 good day.", "reset transponder squawk ", "contact me on ",
                                        "you have traffic at your ", " vectors around a ", "contact center on "};
    int vectored = 0, handed_off = 0;
    for (float h_ft : {5000.0f, 25000.0f}) {
        place(30, 0, h_ft * con.fttomtrs);
        for (int i = 0; i < 400; i++) {
            atc.checkin_due = 0;
            int r = make_random_call(1, 1);
            std::string s = said();
            int known = 0;
            for (const char* f : forms) known |= s.find(f) != std::string::npos;
            // High up there is no turn around traffic, and no word instead.
            EXPECT_TRUE(known || (s.empty() && h_ft > 20000)) << h_ft << " ft: " << s;
            int to_user = s.rfind(me, 0) == 0;
            int around = s.find(" vectors around a ") != std::string::npos;
            EXPECT_EQ(r, to_user && around) << s;
            EXPECT_EQ(atc.checkin_due, to_user && !around) << s;
            if (h_ft > 20000) {
                EXPECT_FALSE(around) << s;
            }
            vectored += r;
            handed_off += atc.checkin_due;
        }
    }
    EXPECT_GT(vectored, 0);
    EXPECT_GT(handed_off, 0);
}
