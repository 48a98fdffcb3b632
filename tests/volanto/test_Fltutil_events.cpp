// The ten-per-second events: the sounds they start (marker cadences, the
// stall horn, the Morse identifier), the NAV needles and the glide-slope
// call-out, the path ring, the local turbulence, the surfaces, the wind with
// its gusts and shear, the gear and the brakes.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <string>
#include <vector>

// Nothing but what each case sets: zeroed records, every system working, and
// the sounds these steps play loaded into a silent sink.
class Events : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        ASSERT_EQ(open_loader_surroundings(), 1);
        for (int s : {snd_stall, snd_flaps, snd_glide_slope, snd_wind_shear, snd_morse_dot, snd_morse_dash})
            fill_buffer(s);
        msc.sound_on = 1;
        restore_systems();
        nav.audio_sel = 2;   // no identifier unless a case selects one
        rnd15_seed(5);
    }
    void TearDown() override { close_loader_surroundings(); }

    // One call at the given time and tenth, as the flight step makes it.
    static void call_at(float now, int tenth)
    {
        msc.sim_time = now;
        msc.tenth_count = tenth;
        mod_evt();
    }
    // 1 when the one-shot in slot started in the last call; it is stopped
    // again so that the next start shows.
    static int started(int slot)
    {
        int on = host_test_voice_state(slot).playing;
        if (on) stop_buffer(slot);
        return on;
    }
};

// ---- sounds --------------------------------------------------------------------

TEST_F(Events, MarkerBeaconsSoundTheirCadenceOverTheSecond)
{
    struct marker_case {
        const char* name;
        int* flag;
        std::string dots, dashes;   // per tenth 0..9, 'x' where the tone starts
    } cases[] = {
        {"outer", &nav.mkr_outer, "..........", "x........."},
        {"middle", &nav.mkr_middle, "x.........", "....x....."},
        {"inner", &nav.mkr_inner, "x..x..x...", ".........."},
    };
    for (const marker_case& c : cases) {
        *c.flag = 1;
        std::string dots, dashes;
        for (int t = 0; t < 10; t++) {
            call_at(5.0f + 0.1f * (float)t, t);
            dots += started(snd_morse_dot) ? 'x' : '.';
            dashes += started(snd_morse_dash) ? 'x' : '.';
        }
        EXPECT_EQ(dots, c.dots) << c.name;
        EXPECT_EQ(dashes, c.dashes) << c.name;
        *c.flag = 0;
    }
}

TEST_F(Events, StallHornFollowsTheWarningOnlyWithElectricalPower)
{
    struct step {
        const char* what;
        int electrical, warning;
        int horn;   // looping after the call
    } steps[] = {
        {"warning with power", 1, 1, 1},
        {"warning gone", 1, 0, 0},
        {"warning without power", 0, 1, 0},
        {"power back, warning on", 1, 1, 1},
        {"power lost, warning gone: the horn sounds on", 0, 0, 1},
        {"still without power", 0, 0, 1},
        {"power back sees the change", 1, 0, 0},
    };
    for (const step& s : steps) {
        rel.system_ok[sys_electrical] = s.electrical;
        flt.stall_warn = s.warning;
        mod_evt();
        host_test_voice v = host_test_voice_state(snd_stall);
        EXPECT_EQ(v.playing, s.horn) << s.what;
        EXPECT_EQ(v.playing && v.looping, s.horn) << s.what;
    }
}

// "SBD" in Morse: S dot dot dot, B dash dot dot dot, D dash dot dot, each
// letter closed by a 1 s pause; dots last 0.3 s and dashes 0.5 s.
struct tone {
    float at;
    char kind;   // '.' or '-'
};
static const tone sbd_tones[] = {{0.0f, '.'}, {0.3f, '.'}, {0.6f, '.'}, {1.9f, '-'}, {2.4f, '.'},
                                 {2.7f, '.'}, {3.0f, '.'}, {4.3f, '-'}, {4.8f, '.'}, {5.1f, '.'}};

// The tones started in calls at `first`, then every 0.1 s from first + 0.05
// up to first + span: off the slots' own grid, so each tone is heard at the
// first call after it is due.
static std::vector<tone> listen(float first, float span)
{
    std::vector<tone> heard;
    for (int n = -1; 0.05f + 0.1f * (float)n < span; n++) {
        float now = n < 0 ? first : first + 0.05f + 0.1f * (float)n;
        msc.sim_time = now;
        msc.tenth_count = (n + 1) % 10;
        mod_evt();
        if (host_test_voice_state(snd_morse_dot).playing) heard.push_back({now, '.'});
        if (host_test_voice_state(snd_morse_dash).playing) heard.push_back({now, '-'});
        stop_buffer(snd_morse_dot);
        stop_buffer(snd_morse_dash);
    }
    return heard;
}

TEST_F(Events, SelectedIdentifierPlaysInMorseAndRepeatsEveryTenSeconds)
{
    nav.receiving[recv_nav2] = 1;
    snprintf(nav.ident[recv_nav2], 5, "SBD");
    nav.audio_sel = recv_nav2;

    std::vector<tone> heard = listen(0.0f, 20.0f);
    const size_t n = sizeof sbd_tones / sizeof sbd_tones[0];
    ASSERT_EQ(heard.size(), 2 * n);
    for (size_t k = 0; k < n; k++) {
        EXPECT_NEAR(heard[k].at, sbd_tones[k].at + 0.05f, 0.01f) << "tone " << k;
        EXPECT_EQ(heard[k].kind, sbd_tones[k].kind) << "tone " << k;
        EXPECT_EQ(heard[n + k].kind, sbd_tones[k].kind) << "repeat, tone " << k;
    }
    // Over 10 s after the first start: the player rests, then starts afresh.
    EXPECT_GT(heard[n].at, 10.0f);
    EXPECT_LT(heard[n].at, 10.4f);

    // Another receiver selected, or this one not heard: silence.
    for (int sel : {recv_nav1, recv_adf}) {
        nav.audio_sel = sel;
        EXPECT_TRUE(listen(30.0f, 12.0f).empty()) << "receiver " << sel;
    }
}

TEST_F(Events, NewFlightRestartsTheIdentifier)
{
    nav.receiving[recv_adf] = 1;
    snprintf(nav.ident[recv_adf], 5, "SBD");
    nav.audio_sel = recv_adf;
    listen(0.0f, 2.0f);   // through S and into B

    // The reset restarts the clock; the player starts over with it.
    clear_flight_state();
    std::vector<tone> heard = listen(0.0f, 1.0f);
    ASSERT_EQ(heard.size(), 3u);
    for (size_t k = 0; k < 3; k++) {
        EXPECT_NEAR(heard[k].at, sbd_tones[k].at + 0.05f, 0.01f) << "tone " << k;
        EXPECT_EQ(heard[k].kind, '.');
    }
}

// ---- needles -------------------------------------------------------------------

TEST_F(Events, VorNeedleIsToWithinNinetyDegreesInclusiveAndFromBeyond)
{
    // The station due north: the bearing to it is exactly 0.
    nav.receiving[recv_nav2] = 1;
    nav.gs_angle[recv_nav2] = 99.9f;
    nav.stn_x[recv_nav2] = 0;
    nav.stn_z[recv_nav2] = -10000;
    struct vor_case {
        float obs, mag_var;
        int flag;
        float cdi;
    } cases[] = {
        {0, 0, 1, 0},     {5, 0, 1, -2.5f},  {355, 0, 1, 2.5f}, {270, 0, 1, 5},  {90, 0, 1, -5},
        {180, 0, 2, 0},   {175, 0, 2, -2.5f}, {185, 0, 2, 2.5f}, {91, 0, 2, -5},  {10, 10, 1, 0},
        {-350, 0, 1, -5}, {725, 0, 1, -2.5f},
    };
    for (const vor_case& c : cases) {
        nav.nav_crs2 = c.obs;
        env.mag_var = c.mag_var;
        mod_evt();
        EXPECT_EQ(nav.tofrom[recv_nav2], c.flag) << "course " << c.obs;
        EXPECT_NEAR(nav.cdi[recv_nav2], c.cdi, 1e-4f) << "course " << c.obs;
    }
}

TEST_F(Events, NavOneNeedlesOnlyOnThePanelsThatShowThem)
{
    nav.receiving[recv_nav1] = 1;
    nav.gs_angle[recv_nav1] = 99.9f;
    nav.stn_z[recv_nav1] = -10000;
    nav.nav_crs1 = 5;
    for (int supp : {0, 1, 2, 7}) {
        pln[0].supptype = supp;
        nav.cdi[recv_nav1] = 9;
        mod_evt();
        int shown = supp == 1 || supp == 7;
        EXPECT_FLOAT_EQ(nav.cdi[recv_nav1], shown ? -2.5f : 9.0f) << "panel " << supp;
    }
}

// A localizer on course 060 with its glide slope of 3 degrees, both at the
// origin; the aircraft placed by its angles from them.
class Localizer : public Events {
protected:
    void SetUp() override
    {
        Events::SetUp();
        nav.receiving[recv_nav2] = 1;
        nav.gs_angle[recv_nav2] = 3.0f;
        nav.loc_crs[recv_nav2] = 60;
        pln[0].bitchinbettyEQ = 1;
        set.snd_warnings = 1;
    }
    // off: bearing to the station less the course; above: degrees over the path.
    static void place(float off, float above, float dist)
    {
        float b = (60 + off) * con.degtorad;
        flt.pos_x[0] = -dist * sinf(b);
        flt.pos_z[0] = dist * cosf(b);
        flt.pos_y[0] = dist * tanf((3.0f + above) * con.degtorad);
        flt.psi[0] = 60;
    }
};

TEST_F(Localizer, NeedlesClampInFrontAndStayRawBehind)
{
    struct loc_case {
        const char* what;
        float off, above;
        int flag;
        float cdi, gsi;
    } cases[] = {
        {"on course and path", 0, 0, 1, 0, 0},
        {"1 deg off, 1 deg high", 1, 1, 1, 2, 2},
        {"1 deg off the other way, low", -1, -1, 1, -2, -2},
        {"far off and high", 4, 3, 1, 5, 5},
        {"nearly abeam", 89.9f, 0, 1, 5, 0},
        {"behind", 120, 0, 0, 120, 0},
        {"behind, high", -150, 2, 0, -150, 2},
    };
    for (const loc_case& c : cases) {
        place(c.off, c.above, 5000);
        mod_evt();
        EXPECT_EQ(nav.tofrom[recv_nav2], c.flag) << c.what;
        EXPECT_NEAR(nav.cdi[recv_nav2], c.cdi, 1e-3f) << c.what;
        EXPECT_NEAR(nav.gsi[recv_nav2], c.gsi, 1e-3f) << c.what;
    }
    // A localizer without a glide slope leaves that needle centred.
    nav.gs_angle[recv_nav2] = -99.9f;
    place(0, 2, 5000);
    mod_evt();
    EXPECT_EQ(nav.gsi[recv_nav2], 0.0f);
}

TEST_F(Localizer, GlideSlopeCallOutArmsOnAStableApproachAndRepeatsEveryTwoSeconds)
{
    struct step {
        const char* what;
        float after;          // s since the last step
        float turn;           // heading off the course
        float below;          // degrees under the path
        float vs;             // ft/min
        int call;
    } steps[] = {
        {"20 deg off course: not armed", 0.1f, 20, 1.5f, -500, 0},
        {"lined up: armed, low", 0.1f, 0, 1.5f, -500, 1},
        {"1.9 s later", 1.9f, 0, 1.5f, -500, 0},
        {"2.1 s after the call", 0.2f, 0, 1.5f, -500, 1},
        {"armed but only 0.5 deg low", 2.1f, 0, 0.5f, -500, 0},
        {"off course 30 deg stays armed", 0.1f, 30, 1.5f, -500, 1},
        {"climbing 1100 ft/min disarms", 2.1f, 0, 1.5f, 1100, 0},
        {"descending again, 20 deg off: stays disarmed", 2.1f, 20, 1.5f, -500, 0},
        {"lined up: armed again", 0.1f, 0, 1.5f, -500, 1},
        {"turned 50 deg away disarms", 2.1f, 50, 1.5f, -500, 0},
        {"back, but climbing 200 ft/min: not armed", 2.1f, 0, 1.5f, 200, 0},
    };
    float now = 100;
    for (const step& s : steps) {
        now += s.after;
        place(0, -s.below, 3000);   // about 500 ft up, well inside 10 nm
        flt.psi[0] = 60 + s.turn;
        flt.vel_y = s.vs / con.msctofpm;
        call_at(now, 1);
        EXPECT_EQ(started(snd_glide_slope), s.call) << s.what;
    }
}

TEST_F(Localizer, GlideSlopeCallOutOnlyBelowOneThousandFeetWithinTenMilesAndWarningsOn)
{
    struct call_case {
        const char* what;
        float dist;           // m from the station
        float base;           // station height, m
        int warnings, betty;
        int call;
    } cases[] = {
        {"3 km out", 3000, 0, 1, 1, 1},
        {"3 km out, over 1000 ft", 3000, 300, 1, 1, 0},
        {"11 nm out", 11 * 1852.0f, -1000, 1, 1, 0},
        {"warnings off", 3000, 0, 0, 1, 0},
        {"no such voice aboard", 3000, 0, 1, 0, 0},
    };
    float now = 100;
    for (const call_case& c : cases) {
        clear_flight_state();
        set.snd_warnings = c.warnings;
        pln[0].bitchinbettyEQ = c.betty;
        nav.gs_h[recv_nav2] = c.base;
        place(0, -1.5f, c.dist);
        flt.pos_y[0] += c.base;
        flt.vel_y = -2;
        call_at(now += 3, 1);
        EXPECT_EQ(started(snd_glide_slope), c.call) << c.what;
    }
}

// ---- the path ------------------------------------------------------------------

TEST_F(Events, PathRingWrapsAndAlwaysMarksTheSlotAfterTheNewest)
{
    // The first sample of a flight is at time 0, which would read as the mark.
    call_at(0.0f, 0);
    EXPECT_FLOAT_EQ(pat.path_time[1], 0.001f);
    EXPECT_EQ(pat.path_time[2], 0.0f);

    for (int n = 1; n < path_samples + 1; n++) call_at(0.1f * (float)n, n % 10);
    // 6001 samples: the 6000th went to slot 0, the 6001st over the first.
    EXPECT_FLOAT_EQ(pat.path_time[0], 0.1f * 5999);
    EXPECT_FLOAT_EQ(pat.path_time[1], 0.1f * 6000);
    EXPECT_EQ(pat.path_time[2], 0.0f);
    EXPECT_FLOAT_EQ(pat.path_time[3], 0.1f * 2);
    EXPECT_FLOAT_EQ(pat.path_time[path_samples - 1], 0.1f * 5998);
}

TEST_F(Events, PathSampleTakesEachFieldFromItsSourceInTheReplaysOrder)
{
    // Every source its own value, so a swapped or shifted field shows.
    flt.pos_x[0] = 1;
    flt.pos_y[0] = 2;
    flt.pos_z[0] = 3;
    flt.theta[0] = 4;
    flt.psi[0] = 5;
    flt.phi[0] = 6;
    for (int s = 0; s < 2; s++) {
        float b = 10.0f * (float)(s + 1);   // the carrier 11.., the frigate 21..
        env.ship_x[s] = b + 1;
        env.ship_y[s] = b + 2;
        env.ship_z[s] = b + 3;
        env.ship_pitch[s] = b + 4;
        env.ship_hdg[s] = b + 5;
        env.ship_roll[s] = b + 6;
    }
    for (int g = 0; g < 3; g++) pln[0].gear_stat[g] = 31 + g;
    for (int c = 0; c < 9; c++) pln[0].condef[c] = 41.0f + (float)c;
    set.ctl_pitch = 51;
    set.ctl_roll = 52;
    set.ctl_yaw = 53;
    flt.flap_ratio = 54;
    flt.sweep_ratio = 55;
    pln[0].vertcant[0] = 56;
    pln[0].vertcant[1] = 99;
    call_at(3.5f, 0);

    const int k = 1;   // the first sample of the run
    EXPECT_FLOAT_EQ(pat.path_time[k], 3.5f);
    struct field {
        const char* name;
        const float* got;
        std::vector<float> want;
    } fields[] = {
        {"plane", pat.path_plane[k], {1, 2, 3, 4, 5, 6}},
        {"carrier", pat.path_carrier[k], {11, 12, 13, 14, 15, 16}},
        {"frigate", pat.path_frigate[k], {21, 22, 23, 24, 25, 26}},
        {"gear", pat.path_gear[k], {31, 32, 33}},
        {"condef", pat.path_condef[k], {41, 42, 43, 44, 45, 46, 47}},
        {"controls", pat.path_controls[k], {51, 52, 53, 54, 55, 56}},
    };
    for (const field& f : fields)
        for (size_t v = 0; v < f.want.size(); v++) EXPECT_EQ(f.got[v], f.want[v]) << f.name << " " << v;
}

// ---- turbulence ----------------------------------------------------------------

// A weather field of 100 m cells, every value 1, over x 0..63000 and z -42000..0.
static void storm_field(void)
{
    env.reg_west_x = 0;
    env.reg_east_x = 63000;
    env.reg_north_z = -42000;
    env.reg_south_z = 0;
    for (auto& column : atm.wx_grid)
        for (float& v : column) v = 1.0f;
}

TEST_F(Events, LocalTurbulenceFromTheStormCellsAboutTheAircraftUnderTheTops)
{
    storm_field();
    atm.storm_level = 3.0f;   // 0.08 a cell
    struct turb_case {
        const char* what;
        float x, z;
        int above;
        float base, tops, eye;
        float storm;
    } cases[] = {
        {"amid the cells, at the layer's middle", 30000, -20000, 0, 1000, 2000, 1500, 2.0f},
        {"below the layer", 30000, -20000, 0, 1000, 2000, 0, 2.0f},
        {"halfway from the middle to the tops", 30000, -20000, 0, 1000, 2000, 1750, 1.0f},
        {"at the tops", 30000, -20000, 0, 1000, 2000, 2000, 0.0f},
        {"above the tops", 30000, -20000, 0, 1000, 2000, 2500, 0.0f},
        {"above the clouds", 30000, -20000, 1, 1000, 2000, 1500, 0.0f},
        {"north-west corner: 3 x 3 cells", 50, -41950, 0, 1000, 2000, 0, 0.72f},
        {"south-east corner", 63050, 50, 0, 1000, 2000, 0, 0.72f},
        {"a cell out of the west edge", -150, -20000, 0, 1000, 2000, 0, 0.8f},
        {"far outside", -900000, 900000, 0, 1000, 2000, 0, 0.0f},
        {"a layer with no depth, under it", 30000, -20000, 0, 1000, 1000, 999, 2.0f},
        {"a layer with no depth, over it", 30000, -20000, 0, 1000, 1000, 1001, 0.0f},
        {"a layer with no depth, at it", 30000, -20000, 0, 1000, 1000, 1000, 0.0f},
    };
    for (const turb_case& c : cases) {
        flt.pos_x[0] = c.x;
        flt.pos_z[0] = c.z;
        scn.above_clouds = c.above;
        atm.cloud_base = c.base;
        atm.cloud_tops = c.tops;
        con.VIEW_xyz[1] = c.eye;
        mod_evt();
        EXPECT_NEAR(atm.storm, c.storm, 1e-4f) << c.what;
    }
    // No region laid out: nothing to read, and nothing read.
    env.reg_east_x = env.reg_west_x;
    scn.above_clouds = 0;
    con.VIEW_xyz[1] = 0;
    mod_evt();
    EXPECT_EQ(atm.storm, 0.0f);
}

// ---- surfaces ------------------------------------------------------------------

TEST_F(Events, SweepAndVectorStepTowardTheCommandAndLandOnIt)
{
    struct slew_case {
        const char* what;
        int vector, heli;
        float from, to;
        std::vector<float> seen;   // after each call
    } cases[] = {
        {"sweep out", 0, 0, 0.0f, 0.05f, {0.02f, 0.05f}},
        {"sweep in", 0, 0, 1.0f, 0.895f, {0.98f, 0.96f, 0.94f, 0.92f, 0.895f}},
        {"sweep within 0.01 stays", 0, 0, 0.5f, 0.505f, {0.5f}},
        {"vector down", 1, 0, 0.0f, 5.0f, {2.0f, 5.0f}},
        {"vector up", 1, 0, 90.0f, 85.5f, {88.0f, 85.5f}},
        {"a helicopter's cant stays", 1, 1, 0.0f, 5.0f, {0.0f}},
    };
    pln[0].varsweepEQ[part_wing_first] = 1;
    pln[0].vectEQ = 1;
    for (const slew_case& c : cases) {
        pln[0].is_heli = c.heli;
        float* value = c.vector ? &pln[0].vertcant[0] : &flt.sweep_ratio;
        float* command = c.vector ? &flt.vector_angle : &flt.sweep_req;
        *value = c.from;
        *command = c.to;
        for (size_t k = 0; k < c.seen.size(); k++) {
            mod_evt();
            EXPECT_NEAR(*value, c.seen[k], 1e-5f) << c.what << ", call " << k + 1;
        }
        mod_evt();
        EXPECT_NEAR(*value, c.seen.back(), 1e-5f) << c.what << ", settled";
    }
}

TEST_F(Events, FlapsReachAnyHandleAndTheFlapSoundStopsThere)
{
    pln[0].flapEQ = 1;
    pln[0].slatEQ = 1;
    // A quarter takes ten steps of 0.025; a handle off the marks is met
    // within a step, and the last hundredth is closed at once.
    struct flap_case {
        float from, handle;
        int calls;   // until the flaps stand on the handle
    } cases[] = {{0, 0.25f, 10}, {0, 0.33f, 14}, {0.25f, 0.6f, 14}, {0.6f, 1.0f, 16}, {1.0f, 0.0f, 40}, {0.5f, 0.48f, 1}};
    for (const flap_case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.handle);
        flt.flap_ratio = c.from;
        flt.flap_request = c.handle;
        int calls = 0;
        while (calls < 60 && flt.flap_ratio != c.handle) {
            float before = flt.flap_ratio;
            mod_evt();
            calls++;
            ASSERT_LE(fabsf(flt.flap_ratio - before), 0.025f + 1e-6f) << "call " << calls;
            host_test_voice v = host_test_voice_state(snd_flaps);
            // within a hundredth they count as there: the last call is silent
            if (fabsf(c.handle - before) > 0.01f) {
                EXPECT_EQ(v.playing && v.looping, 1) << "while they move";
            }
            EXPECT_FLOAT_EQ(flt.slat_ratio, fminf(4 * flt.flap_ratio, 1)) << "the slats run ahead of the flaps";
        }
        EXPECT_EQ(flt.flap_ratio, c.handle);
        EXPECT_EQ(calls, c.calls);
        mod_evt();
        EXPECT_EQ(host_test_voice_state(snd_flaps).playing, 0);
    }

    // Failed flaps do not move, and make no sound.
    rel.system_ok[sys_flaps] = 0;
    flt.flap_request = 1;
    for (int n = 0; n < 5; n++) mod_evt();
    EXPECT_EQ(flt.flap_ratio, 0.48f);
    EXPECT_EQ(host_test_voice_state(snd_flaps).playing, 0);
}

// ---- wind ----------------------------------------------------------------------

// Plain wind, no shear span, no turbulence, storm or thermal; the gust
// factors 1 (reference speed 40 m/s, above 20 m, below 6000 m).
class Wind : public Events {
protected:
    void SetUp() override
    {
        Events::SetUp();
        msc.vstall = 40;
        atm.wind_alt_mid = 1000;
        atm.wind_alt_high = 2000;
        flt.pos_y[0] = 500;
    }
    static void layer(int l, float dir, float kt)
    {
        atm.wind_layer[l][wl_wind_dir] = dir;
        atm.wind_layer[l][wl_wind_speed] = kt;
    }
    // The wind the gusts head for, as direction it blows from and knots,
    // read through one call of the filter from still air.
    static void felt(float h, float* dir, float* kt)
    {
        flt.pos_y[0] = h;
        atm.wind_x = atm.wind_y = atm.wind_z = 0;
        call_at(10, 0);
        float x = 10 * atm.wind_x, z = 10 * atm.wind_z;
        *kt = pythag(x, z) * con.msctokts;
        *dir = fltwrap(atan2f(-x, z) * con.radtodeg, 0, 360);
    }
};

TEST_F(Wind, GustsHeadForTheWindLayeredByHeight)
{
    struct layer_case {
        const char* what;
        float mid, high, h;
        float dir, kt;
    } cases[] = {
        {"half way up to the middle layer, across north", 1000, 2000, 500, 0, 20},
        {"a quarter of the way", 1000, 2000, 250, 355, 15},
        {"between the aloft layers", 1000, 2000, 1500, 45, 40},
        {"above the upper layer", 1000, 2000, 2500, 80, 50},
        {"middle layer at the ground: its own wind", 0, 2000, -20, 10, 15},   // half felt at the ground
        {"both aloft layers at one height", 1000, 1000, 1000, 80, 50},
    };
    layer(0, 350, 10);
    layer(1, 10, 30);
    layer(2, 80, 50);
    for (const layer_case& c : cases) {
        atm.wind_alt_mid = c.mid;
        atm.wind_alt_high = c.high;
        float dir, kt;
        felt(c.h, &dir, &kt);
        EXPECT_NEAR(fltwrap(dir - c.dir, -180, 180), 0, 1.01f) << c.what;   // whole degrees
        EXPECT_NEAR(kt, c.kt, 0.01f) << c.what;
    }
}

TEST_F(Wind, DirectionIsMagneticAndTheAirMovesDownwind)
{
    struct dir_case {
        float from, mag_var;
        float x, z;   // sign of the air's motion: x east, z south
    } cases[] = {{0, 0, 0, 1}, {90, 0, -1, 0}, {180, 0, 0, -1}, {270, 0, 1, 0}, {100, 10, -1, 0}, {350, -10, 0, 1}};
    for (const dir_case& c : cases) {
        for (int l = 0; l < 3; l++) layer(l, c.from, 20);
        env.mag_var = c.mag_var;
        float dir, kt;
        felt(500, &dir, &kt);
        EXPECT_NEAR(atm.wind_x * 10 / (20 * con.ktstomsc), c.x, 1e-3f) << c.from;
        EXPECT_NEAR(atm.wind_z * 10 / (20 * con.ktstomsc), c.z, 1e-3f) << c.from;
    }
}

TEST_F(Wind, AirEasesATenthOfTheWayEachCall)
{
    for (int l = 0; l < 3; l++) layer(l, 90, 20);
    float target = -20 * con.ktstomsc;
    atm.wind_z = 3;
    atm.wind_y = -2;
    float x = 0, z = 3, y = -2;
    for (int n = 0; n < 30; n++) {
        call_at(10 + 0.1f * (float)n, n % 10);
        x = 0.9f * x + 0.1f * target;
        z *= 0.9f;
        y *= 0.9f;
        ASSERT_NEAR(atm.wind_x, x, 1e-4f) << "call " << n;
        ASSERT_NEAR(atm.wind_z, z, 1e-4f) << "call " << n;
        ASSERT_NEAR(atm.wind_y, y, 1e-4f) << "call " << n;
    }
}

TEST_F(Wind, GustsScaleWithHeightAltitudeAndTheAircraftsSpeed)
{
    // No turbulence, storm or shear span: nothing random reaches the gusts.
    for (int l = 0; l < 3; l++) layer(l, 90, 20);
    atm.thermal_rate = 600;
    atm.thermal_cell[5][7] = 1;
    const float lift = 600 * con.fpmtomsc;
    struct gust_case {
        const char* what;
        float ground, y, vstall, high;
        int ci, cj;                 // the aircraft's cell
        float horizontal, vertical; // of the wind, and of the thermal's lift
    } cases[] = {
        {"over the thermal, 500 m up", 0, 500, 40, 2000, 5, 7, 1, 1},
        {"the thermal in another cell", 0, 500, 40, 2000, 7, 5, 1, 0},
        {"50 m up: the vertical halved", 0, 50, 40, 2000, 5, 7, 1, 0.5f},
        {"10 m up: the horizontal halved, the vertical a tenth", 0, 10, 40, 2000, 5, 7, 0.5f, 0.1f},
        {"a reference speed of 20 m/s doubles both", 0, 500, 20, 2000, 5, 7, 2, 2},
        {"a fast one feels a tenth at least", 0, 500, 800, 2000, 5, 7, 0.1f, 0.1f},
        {"no reference speed counts as the slowest", 0, 500, 0, 2000, 5, 7, 2, 2},
        {"7,500 m up, the winds aloft below 6,000 m", 1000, 7500, 40, 2000, 5, 7, 0.5f, 0.5f},
        {"7,500 m up, the winds aloft at 7,000 m", 1000, 7500, 40, 7000, 5, 7, 1, 1},
    };
    for (const gust_case& c : cases) {
        SCOPED_TRACE(c.what);
        env.ground_h = c.ground;
        msc.vstall = c.vstall;
        atm.wind_alt_high = c.high;
        env.plane_cell_i = c.ci;
        env.plane_cell_j = c.cj;
        float dir, kt;
        felt(c.y, &dir, &kt);
        EXPECT_NEAR(kt, 20 * c.horizontal, 1e-3f);
        EXPECT_NEAR(10 * atm.wind_y, lift * c.vertical, 1e-4f);
    }
}

TEST_F(Wind, TurbulenceAndTheStormAboutTheAircraftBoundTheRandomGusts)
{
    // Still air; a field of storm cells round the aircraft, which flies
    // under the cloud layer.
    storm_field();
    flt.pos_x[0] = 30000;
    flt.pos_z[0] = -20000;
    atm.cloud_base = 1000;
    atm.cloud_tops = 2000;
    struct turb_case {
        const char* what;
        float turbulence, storm_level;
        float amplitude;   // layer x 1.5 + local storm x 10
    } cases[] = {
        {"the layer's turbulence", 2, 1, 3},
        {"a storm of 3: 2.0 of local turbulence", 0, 3, 20},
        {"both", 2, 3, 23},
    };
    for (const turb_case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int l = 0; l < 3; l++) atm.wind_layer[l][wl_turbulence] = c.turbulence;
        atm.storm_level = c.storm_level;
        float most[3] = {0, 0, 0};
        for (int n = 0; n < 200; n++) {
            float dir, kt;
            felt(500, &dir, &kt);
            const float gust[3] = {10 * atm.wind_x, 10 * atm.wind_y, 10 * atm.wind_z};
            for (int v = 0; v < 3; v++) most[v] = fmaxf(most[v], fabsf(gust[v]));
        }
        for (int v = 0; v < 3; v++) {
            EXPECT_LE(most[v], c.amplitude * 1.0001f) << v;
            EXPECT_GE(most[v], c.amplitude * 0.9f) << v;
        }
    }
}

// One wind-shear event as seen call by call: the shear's part along the
// heading and its vertical part, m/s.
struct shear_event {
    std::vector<float> along, down;
};

// Calls every 0.1 s for the given time, the air still before each, so that
// the wind after a call is a tenth of the shear.
static std::vector<shear_event> watch_shear(float seconds, int* warnings)
{
    std::vector<shear_event> events;
    int in_event = 0;
    *warnings = 0;
    for (int n = 0; n < (int)(seconds * 10); n++) {
        atm.wind_x = atm.wind_y = atm.wind_z = 0;
        msc.sim_time = 0.1f * (float)n;
        msc.tenth_count = n % 10;
        mod_evt();
        if (host_test_voice_state(snd_wind_shear).playing) {
            (*warnings)++;
            stop_buffer(snd_wind_shear);
        }
        if (!atm.wind_shear) {
            in_event = 0;
            continue;
        }
        if (!in_event) events.emplace_back();
        in_event = 1;
        float s = sinf(flt.psi[0] * con.degtorad), c = cosf(flt.psi[0] * con.degtorad);
        events.back().along.push_back(10 * (-atm.wind_x * s + atm.wind_z * c));
        events.back().down.push_back(-10 * atm.wind_y);
        EXPECT_NEAR(10 * (atm.wind_x * c + atm.wind_z * s), 0, 1e-3f) << "the shear lies along the heading";
    }
    return events;
}

TEST_F(Events, WindShearOnlyLowAndWhenTheSettingAllows)
{
    pln[0].bitchinbettyEQ = 1;
    set.snd_warnings = 1;
    msc.vstall = 40;
    struct shear_case {
        float level, h;
        int some;
    } cases[] = {{1.0f, 100, 0}, {5.0f, 400, 0}, {5.0f, 100, 1}};
    for (const shear_case& c : cases) {
        clear_flight_state();
        atm.shear_level = c.level;
        flt.pos_y[0] = c.h;
        int warnings;
        std::vector<shear_event> events = watch_shear(600, &warnings);
        EXPECT_EQ(!events.empty(), c.some) << c.level << " at " << c.h << " m";
        EXPECT_EQ(warnings, (int)events.size());
    }
}

TEST_F(Events, WindShearEventsTakeTheirThreeShapes)
{
    atm.shear_level = 5.0f;
    msc.vstall = 40;
    flt.pos_y[0] = 100;
    flt.psi[0] = 130;
    int warnings, seen[4] = {0, 0, 0, 0};
    std::vector<shear_event> events = watch_shear(6000, &warnings);
    for (const shear_event& e : events) {
        size_t n = e.along.size(), mid = n / 2;
        EXPECT_GE(n, 100u);
        EXPECT_LE(n, 202u);
        float peak = 0, dive = 0;
        for (size_t k = 0; k < n; k++) {
            peak = fmaxf(peak, fabsf(e.along[k]));
            dive = fmaxf(dive, e.down[k]);
            EXPECT_GE(e.down[k], -1e-3f) << "never an updraught";
        }
        EXPECT_GE(peak, 30 * con.ktstomsc * 0.99f);
        EXPECT_LE(peak, 90 * con.ktstomsc * 1.01f);
        int kind;
        if (dive < 1e-3f) {
            // a swell of head- or tailwind, strongest in the middle
            kind = e.along[mid] > 0 ? 1 : 2;
            for (size_t k = 1; k < n - 1; k++) EXPECT_GT(e.along[k] * e.along[mid], 0) << "one sign, call " << k;
            EXPECT_NEAR(fabsf(e.along[mid]), peak, peak * 0.01f);
        } else {
            // the burst: headwind, the downdraught at its middle, then tailwind
            kind = 3;
            EXPECT_GE(dive, 2000 * con.fpmtomsc * 0.99f);
            EXPECT_LE(dive, 8000 * con.fpmtomsc * 1.01f);
            EXPECT_NEAR(e.down[mid], dive, dive * 0.01f);
            EXPECT_GT(e.along[n / 4], 0);
            EXPECT_LT(e.along[3 * n / 4], 0);
        }
        seen[kind]++;
    }
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(seen[2], 0);
    EXPECT_GT(seen[3], 0);
}

// ---- gear and brakes -----------------------------------------------------------

TEST_F(Events, EachGearLegTakesTheHandleOnceItsTimeHasPassed)
{
    pln[0].gear_retract = 1;
    set.gear_down = 1;
    set.gear_time[0] = 1.0f;
    set.gear_time[1] = 1.5f;
    set.gear_time[2] = 9.9e9f;   // a failed leg
    struct moment {
        float now;
        int nose, left, right;
    } moments[] = {{0.5f, 0, 0, 0}, {1.0f, 0, 0, 0}, {1.1f, 1, 0, 0}, {1.6f, 1, 1, 0}, {500.0f, 1, 1, 0}};
    for (const moment& m : moments) {
        call_at(m.now, 1);
        EXPECT_EQ(pln[0].gear_stat[0], m.nose) << m.now;
        EXPECT_EQ(pln[0].gear_stat[1], m.left) << m.now;
        EXPECT_EQ(pln[0].gear_stat[2], m.right) << m.now;
    }
    // Fixed gear never moves.
    pln[0].gear_retract = 0;
    set.gear_down = 0;
    call_at(600, 1);
    EXPECT_EQ(pln[0].gear_stat[0], 1);
}

TEST_F(Events, TailWheelBrakesEaseAsTheNoseDrops)
{
    struct brake_case {
        const char* what;
        int on_ground;
        float ngearZ, rest, pitch;
        float brake;
    } cases[] = {
        {"tail wheel, nose 3 deg below its rest", 1, 1.0f, 10, 7, 0.75f},
        {"tail wheel, 1 deg below", 1, 1.0f, 10, 9, 1.0f},
        {"nose wheel", 1, -1.0f, 10, 0, 1.0f},
        {"airborne", 0, 1.0f, 10, 0, 1.0f},
        {"rest 2 deg nose-down, level", 1, 1.0f, 358, 0, 1.0f},
        {"rest 2 deg nose-down, 5 deg down", 1, 1.0f, 358, -5, 0.75f},
    };
    for (const brake_case& c : cases) {
        flt.on_ground = c.on_ground;
        pln[0].ngearZ = c.ngearZ;
        pln[0].the_eqlbm = c.rest;
        flt.theta[0] = c.pitch;
        flt.brake_ratio = 1.0f;
        mod_evt();
        EXPECT_FLOAT_EQ(flt.brake_ratio, c.brake) << c.what;
    }
}
