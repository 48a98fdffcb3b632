// The force build-up of one half-step, whole: the shipped Cessna at rest on
// its gear, the report switched off and on, and the build-up's effects one
// at a time (downwash, the fuselage, flaps, touch-down cues, propwash,
// torque, rockets and JATO, water and waves), with the cases that once gave
// an index out of range or a division by zero.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "buildup_states.h"
#include "Fltcalc.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_sound.h"
#include "Hl_types.h"
#include "host_test.h"
#include "plane_files.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <string>

class BuildUp : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        ASSERT_EQ(open_loader_surroundings(), 1);
        ASSERT_EQ(load_named(0), 1);
        trk.close();
        restore_systems();
    }
    void TearDown() override
    {
        set.force_report = 0;
        is_water[50][50] = 0;
        close_loader_surroundings();
    }
};

static void expect_finite(const buildup_sums& s, const std::string& what)
{
    for (float v : s.v) EXPECT_TRUE(std::isfinite(v)) << what;
}

static void expect_same(const buildup_sums& a, const buildup_sums& b, const std::string& what)
{
    for (int k = 0; k < 18; k++) EXPECT_EQ(a.v[k], b.v[k]) << what << ", sum " << k;
}

// Straight and level at 100 kt and 3,000 ft, 3 degrees nose up, no sideslip,
// rates or deflections: the left and right halves see the same flow.
static void symmetric_flight(void)
{
    cessna_in_flight();
    air_data(100 * con.ktstomsc, 3, 0);
    flt.Prad = flt.Qrad = flt.Rrad = 0;
    flt.ailn_def_L = flt.ailn_def_R = flt.elev_def_L = flt.elev_def_R = flt.rudd_def_now = 0;
    flt.flap_ratio = 0;
}

// One cycle from the state as set, nothing carried over from an earlier one
// (so it predicts from rates of 0: alpha_use is 1.5 alpha).
static buildup_sums fresh_set_a(void)
{
    fresh_cycle();
    set_a();
    return sums_now();
}

// The second of two cycles at the state as set: it predicts the angles and
// rates as they are, and the tail meets the wing's downwash.
static buildup_sums steady_set_a(void)
{
    fresh_cycle();
    set_a();
    set_a();
    return sums_now();
}

// ---- the whole cycle -----------------------------------------------------------

TEST_F(BuildUp, TheCessnaAtRestCarriesItsWeightOnItsGear)
{
    cessna_at_rest();
    buildup_sums s = fresh_set_a();
    expect_finite(s, "at rest");
    EXPECT_NEAR(flt.F_gear_vertical, flt.mass_now * con.g, 0.05 * flt.mass_now * con.g);
    EXPECT_EQ(flt.on_ground, 1);
    EXPECT_EQ(flt.F_aero_axial, 0);
    EXPECT_EQ(flt.F_aero_side, 0);
    EXPECT_EQ(flt.F_aero_normal, 0);
}

// Two cycles each, so the second predicts from the first's rates, meets its
// downwash and knows its contacts.
TEST_F(BuildUp, TheReportWritesOnlyWhenOnAndChangesNoSum)
{
    const struct {
        const char* what;
        void (*state)(void);
    } states[] = {{"in flight", cessna_in_flight}, {"at rest", cessna_at_rest}};
    for (auto& st : states) {
        buildup_sums sums[2];
        std::string text[2];
        for (int on = 0; on < 2; on++) {
            st.state();
            fresh_cycle();
            trk.open("Volanto.out", std::ios::out | std::ios::trunc | std::ios::binary);
            set.force_report = on;
            set_a();
            set_a();
            set.force_report = 0;
            trk.close();
            sums[on] = sums_now();
            text[on] = read_file("Volanto.out");
        }
        EXPECT_EQ(text[0], "") << st.what;
        EXPECT_NE(text[1].find("GRAND TOTALS"), std::string::npos) << st.what;
        expect_same(sums[0], sums[1], st.what);
    }
}

// ---- wings and tail --------------------------------------------------------------

// The Cessna's tail sits in the inner wing's wake: left tail behind part 4,
// right behind part 5. A made-up downwash beforehand shows it is rewritten.
TEST_F(BuildUp, NoDownwashReachesTheTailAtOrAboveMachOne)
{
    const struct {
        float mach;
        int downwash;
    } cases[] = {{0.15f, 1}, {0.99f, 1}, {1.0f, 0}, {1.5f, 0}};
    for (auto& c : cases) {
        cessna_in_flight();
        air_data(c.mach * atm.a_sound, 3, 0);
        flt.mach = c.mach;
        fresh_cycle();
        for (int r = part_wing_first; r <= part_hstab_right; r++)
            for (int k = 0; k < plane_elements; k++) flt.el_downwash[r][k] = 5;
        set_a();
        for (int r = part_wing_first; r <= part_hstab_right; r++)
            for (int k = 0; k < pln[0].els[r]; k++) {
                int behind_wing = is_hstab(r);
                if (c.downwash && behind_wing) EXPECT_LT(flt.el_downwash[r][k], -0.1f) << c.mach << " part " << r;
                else EXPECT_EQ(flt.el_downwash[r][k], 0) << c.mach << " part " << r << " element " << k;
            }
        expect_finite(sums_now(), "Mach " + std::to_string(c.mach));
    }
}

// At 25 degrees the inner wing is stalled and its wake beats with |sin 2t|;
// at 3 degrees it sheds the same downwash at every moment.
TEST_F(BuildUp, AStalledWingsDownwashPulsesWithTime)
{
    const float pi = con.pi;
    const struct {
        float alpha;
        int stalled;
        float t, share;
    } cases[] = {
        {25, 1, pi / 4, 1},      {25, 1, pi / 12, 0.5f},  {25, 1, pi / 2, 0}, {25, 1, 3 * pi / 4, 1},
        {25, 1, 1.0f, fabsf(sinf(2.0f))}, {3, 0, pi / 4, 1}, {3, 0, pi / 2, 1},
    };
    float full[2] = {};
    for (auto& c : cases) {
        symmetric_flight();
        air_data(flt.V_true, c.alpha, 0);
        msc.sim_time = c.t;
        steady_set_a();
        ASSERT_EQ(flt.part_stalled[part_wing_first], c.stalled) << c.alpha;
        float dw = flt.el_downwash[part_hstab_left][0];
        if (c.t == pi / 4) full[c.stalled] = dw;
        ASSERT_LT(full[c.stalled], -0.1f);
        EXPECT_NEAR(dw, full[c.stalled] * c.share, 1e-5f) << c.alpha << " deg at " << c.t << " s";
    }
}

// A symmetric cycle with half flap: the flapped inner wings (4 left, 5 right)
// turn their flow by the flap's induced angle, or not at all.
TEST_F(BuildUp, ASplitFlapWorksOnOneSideOnlyTheSameForTheWholeRun)
{
    symmetric_flight();
    fresh_set_a();
    const float clean = flt.el_alpha[4][0];
    ASSERT_EQ(flt.el_alpha[5][0], clean);
    flt.flap_ratio = 0.5f;
    fresh_set_a();
    const float flapped = flt.el_alpha[4][0];
    ASSERT_EQ(flt.el_alpha[5][0], flapped);
    ASSERT_GT(flapped, clean + 0.1f);

    rel.system_ok[sys_asym_flap] = 0;
    int sides_seen[2] = {};
    for (int run = 0; run < 24; run++) {
        clear_buildup_run_state();
        fresh_set_a();
        int left = flt.el_alpha[4][0] == flapped;
        EXPECT_EQ(flt.el_alpha[left ? 4 : 5][0], flapped) << run;
        EXPECT_EQ(flt.el_alpha[left ? 5 : 4][0], clean) << run;
        for (int cycle = 0; cycle < 3; cycle++) {
            fresh_set_a();
            EXPECT_EQ(flt.el_alpha[left ? 4 : 5][0], flapped) << run << " the side is kept";
            EXPECT_EQ(flt.el_alpha[left ? 5 : 4][0], clean) << run << " the side is kept";
        }
        sides_seen[left] = 1;
    }
    EXPECT_TRUE(sides_seen[0] && sides_seen[1]) << "each run draws its side afresh";
}

// The fin (part 12) alone in engine 1's slipstream, at no angle to the flow:
// the wash direction is 0 degrees and the fin's speed grows by the share of
// the wash speed. Windows lo, peak, hi around it, in degrees.
TEST_F(BuildUp, ThePropwashShareRampsUpToItsPeakAndDownToItsEdges)
{
    const float W = 10;
    const struct {
        const char* what;
        float lo, max, hi;
        float share;
    } cases[] = {
        {"below the window", 5, 10, 20, 0},
        {"above the window", -20, -10, -5, 0},
        {"at its low edge", 0, 10, 20, 0},
        {"at its high edge", -20, -10, 0, 0},
        {"a quarter up the rising side", -10, 30, 40, 0.25f},
        {"half down the falling side", -20, -10, 10, 0.5f},
        {"at the peak", -20, 0, 20, 1},
        {"a rising side of no width", 0, 0, 10, 1},
        {"a falling side of no width", -10, 0, 0, 1},
        {"a window of no width", 0, 0, 0, 1},
    };
    planestruct& a = pln[0];
    const int fin = part_vstab_1;
    for (int k = 0; k < a.els[fin]; k++) {
        a.anginc[fin][k] = 0;
        a.in_propwash[fin][0][k] = 1;
    }
    symmetric_flight();
    air_data(flt.V_true, 0, 0);
    msc.dt = 0;   // no time passes: the slipstream stays as set
    fresh_set_a();
    const float bare = flt.el_vel[fin][0];
    for (auto& c : cases) {
        a.lo_washdir[fin][0] = c.lo;
        a.max_washdir[fin][0] = c.max;
        a.hi_washdir[fin][0] = c.hi;
        flt.wash_speed[0] = W;
        buildup_sums s = fresh_set_a();
        EXPECT_NEAR((flt.el_vel[fin][0] - bare) / W, c.share, 1e-5f) << c.what;
        expect_finite(s, c.what);
    }
}

// ---- the fuselage ------------------------------------------------------------------

// The fuselage alone in the air: wings and tail off, gear up (no fairings,
// no tyres), so the aerodynamic sums are its own.
static void fuselage_alone(void)
{
    for (int p = part_wing_first; p <= part_vstab_2; p++) pln[0].semilen[p] = 0;
    for (int k = 0; k < 3; k++) pln[0].gear_stat[k] = 0;
}

// Read back from the drag, D = CD q S, at Mach 0 (no compressibility): head
// on, CD is the fuselage's own; broadside at 90 degrees, whether pitched or
// yawed, 0.27 plus the induced part of the cross-flow's lift.
TEST_F(BuildUp, TheFuselagesDragAreaRunsFromItsFrontToTheMeanOfTopAndSide)
{
    const planestruct& a = pln[0];
    const float broadside = 0.5f * (a.fuse_s_top + a.fuse_s_sid);
    const float cl90 = 0.5f * (0.27f + 0.02f * 15), cs90 = 0.5f * (0.27f + 0.005f * 15);
    const struct {
        const char* what;
        float alpha, beta, cd, area;
    } cases[] = {
        {"head on", 0, 0, a.fuse_cd, a.fuse_s_frn},
        {"pitched up 90", 90, 0, 0.27f + cl90 * cl90 / con.pi, broadside},
        {"yawed 90", 0, 90, 0.27f + cs90 * cs90 / con.pi, broadside},
    };
    ASSERT_GT(std::fabs(broadside - a.fuse_s_frn), 1);
    for (auto& c : cases) {
        cessna_in_flight();
        fuselage_alone();
        air_data(flt.V_true, c.alpha, c.beta);
        flt.mach = 0;
        steady_set_a();
        float q = 0.5f * atm.rho * flt.V_true * flt.V_true;
        EXPECT_NEAR(-flt.F_aero_axial / (c.cd * q), c.area, 1e-4f * c.area) << c.what;
    }
}

// Supersonic, the fuselage is a sum of surface panels. One with no width
// (each station's points in one spot) has no panel area at all: it keeps
// only its skin friction, CD 0.003 of the frontal area, and no lift or side
// force, even pitched and yawed.
TEST_F(BuildUp, AFuselageWithNoWidthAtMachOnePointFiveKeepsOnlyItsSkinDrag)
{
    const planestruct& a = pln[0];
    for (int width = 1; width >= 0; width--) {
        cessna_in_flight();
        fuselage_alone();
        if (!width)
            for (int st = 0; st < plane_stations; st++)
                for (int k = 0; k < plane_points; k++)
                    pln[0].body_X[part_fuselage][st][k] = pln[0].body_Y[part_fuselage][st][k] = 0;
        air_data(1.5f * atm.a_sound, 5, 3);
        buildup_sums s = steady_set_a();
        expect_finite(s, width ? "a real fuselage" : "no width");
        float A = sqrtf(5 * 5 + 3 * 3);
        float S = a.fuse_s_frn + (0.5f * (a.fuse_s_top + a.fuse_s_sid) - a.fuse_s_frn) * A / 90;
        float skin = 0.003f * flt.q_dyn * S;
        if (width) {
            EXPECT_LT(flt.F_aero_axial, -1.5f * skin) << "wave drag besides the skin";
            EXPECT_NE(flt.F_aero_normal, 0);
        } else {
            EXPECT_NEAR(flt.F_aero_axial, -skin, 1e-4f * skin);
            EXPECT_EQ(flt.F_aero_normal, 0);
            EXPECT_EQ(flt.F_aero_side, 0);
        }
    }
}

// ---- engines ---------------------------------------------------------------------

// The propeller's torque, read as the roll moment that the squared speed
// ratio vne_frac_sq brings: propdir x pmax / omegamax x engines x 0.75 x 2
// x vne_frac_sq, when there is one engine or two turning alike.
TEST_F(BuildUp, PropellerTorqueRollsOnlyWithOneEngineOrTwoTurningAlike)
{
    const planestruct& shipped = pln[0];
    const float one = shipped.pmax / shipped.omegamax * 0.75f * 2 * 0.5f;
    const float omegamax = shipped.omegamax;
    const struct {
        const char* what;
        int entype, numen, dir[3];
        float omegamax, roll;
    } cases[] = {
        {"one engine turning right", 2, 1, {1, 0, 0}, omegamax, one},
        {"one engine turning left", 2, 1, {-1, 0, 0}, omegamax, -one},
        {"a turboprop", 3, 1, {1, 0, 0}, omegamax, one},
        {"two turning alike", 2, 2, {1, 1, 0}, omegamax, 2 * one},
        {"two turning alike to the left", 2, 2, {-1, -1, 0}, omegamax, -2 * one},
        {"two turning opposite", 2, 2, {1, -1, 0}, omegamax, 0},
        {"three turning alike", 2, 3, {1, 1, 1}, omegamax, 0},
        {"a jet", 4, 1, {1, 0, 0}, omegamax, 0},
        {"a rocket", 6, 1, {1, 0, 0}, omegamax, 0},
        {"no top engine speed", 2, 1, {1, 0, 0}, 0, 0},
    };
    for (auto& c : cases) {
        planestruct& a = pln[0];
        a.entype = c.entype;
        a.numen = c.numen;
        for (int e = 0; e < 3; e++) a.propdir[e] = c.dir[e];
        a.omegamax = c.omegamax;
        symmetric_flight();
        flt.vne_frac_sq = 0;
        fresh_set_a();
        float still = flt.M_roll;
        flt.vne_frac_sq = 0.5f;
        expect_finite(fresh_set_a(), c.what);
        EXPECT_NEAR(flt.M_roll - still, c.roll, 1e-3f * std::fabs(c.roll) + 0.01f) << c.what;
    }
}

// Liquid-fuel rockets push at throttle x fmax along the thrust direction at
// once, with or without air; a stopped one pushes nothing.
TEST_F(BuildUp, RocketsPushAtThrottleTimesFullThrustAlongTheirDirection)
{
    const float fmax = 8000, dir = 10 * con.degtorad;
    const struct {
        const char* what;
        int numen, running[2];
        float throttle[2], rho;
        float thrust;
    } cases[] = {
        {"one at half throttle", 1, {1, 0}, {0.5f, 0}, 1.121f, 4000},
        {"two, full and a quarter", 2, {1, 1}, {1, 0.25f}, 1.121f, 10000},
        {"two, one stopped", 2, {0, 1}, {1, 0.25f}, 1.121f, 2000},
        {"in a vacuum", 1, {1, 0}, {0.5f, 0}, 0, 4000},
    };
    for (auto& c : cases) {
        planestruct& a = pln[0];
        a.entype = 6;
        a.fmax = fmax;
        a.numen = c.numen;
        symmetric_flight();
        atm.rho = c.rho;
        air_data(flt.V_true, 3, 0);
        for (int e = 0; e < 2; e++) {
            flt.engine_running[e] = c.running[e];
            flt.throttle[e] = c.throttle[e];
            flt.thrust_dir_a[e] = cosf(dir);
            flt.thrust_dir_n[e] = sinf(dir);
            flt.thrust_now[e] = 0;
        }
        fresh_set_a();
        for (int e = 0; e < 2; e++)
            EXPECT_FLOAT_EQ(flt.thrust_now[e], c.running[e] && e < c.numen ? c.throttle[e] * fmax : 0) << c.what;
        EXPECT_NEAR(flt.F_prop_axial, c.thrust * cosf(dir), 0.01f) << c.what;
        EXPECT_NEAR(flt.F_prop_normal, c.thrust * sinf(dir), 0.01f) << c.what;
    }
}

// A glider with a JATO bottle of 0.2 s left, half-steps of 0.1 s: it burns
// on at exactly nothing left, pushes in the half-step it runs out, then goes
// out.
TEST_F(BuildUp, JatoPushesWhileBurningAndGoesOutWhenSpent)
{
    planestruct& a = pln[0];
    a.numen = 0;
    a.jatothrust = 4000;
    a.jatotheta = 30;
    symmetric_flight();
    msc.dt = 0.1f;
    ins.jato_burning = 1;
    flt.jato_left = 0.2f;
    const struct {
        float thrust, left;
        int burning;
    } steps[] = {{4000, 0.1f, 1}, {4000, 0, 1}, {4000, -0.1f, 0}, {0, -0.1f, 0}};
    for (auto& s : steps) {
        fresh_set_a();
        EXPECT_NEAR(flt.F_prop_axial, s.thrust * cosf(30 * con.degtorad), 0.01f);
        EXPECT_NEAR(flt.F_prop_normal, s.thrust * 0.5f, 0.01f);
        EXPECT_NEAR(flt.jato_left, s.left, 1e-6f);
        EXPECT_EQ(ins.jato_burning, s.burning);
    }
}

// ---- contact and touch-down cues -----------------------------------------------------

// Which of the three touch-down sounds is playing; each is stopped once seen.
static int touch_down_sound(void)
{
    int playing = -1;
    for (int slot : {snd_land_runway, snd_land_off, snd_boom})
        if (host_test_voice_state(slot).playing) {
            EXPECT_EQ(playing, -1) << "two touch-down sounds at once";
            playing = slot;
            stop_buffer(slot);
        }
    return playing;
}

// Each case lifts off 10 m, touches down at the rest height with its sink
// rate on its surface, and stays down: a sound on the touch only.
TEST_F(BuildUp, ATouchDownSoundsOnceAsTheWheelsMeetTheGround)
{
    msc.sound_on = 1;
    const struct {
        const char* what;
        int surface;
        double vel_y;
        int sound;
    } cases[] = {
        {"on the runway", 0, -1, snd_land_runway},
        {"on surface 63", 63, -1, snd_land_runway},
        {"off the runway, 64", 64, -1, snd_land_off},
        {"off the runway, 67", 67, -1, snd_land_off},
        {"on surface 68", 68, -1, snd_land_runway},
        {"at exactly 2.54 m/s", 0, -2.54, snd_land_runway},
        {"hard, on the runway", 0, -2.6, snd_boom},
        {"hard, off the runway", 65, -3, snd_boom},
    };
    cessna_at_rest();
    fresh_cycle();
    const double rest = flt.pos_y[0];
    for (auto& c : cases) {
        env.surface_type = c.surface;
        flt.vel_y = 0;
        flt.pos_y[0] = rest + 10;
        set_a();
        EXPECT_EQ(touch_down_sound(), -1) << c.what << ", in the air";
        flt.pos_y[0] = rest;
        flt.vel_y = c.vel_y;
        set_a();
        ASSERT_EQ(flt.on_ground, 1) << c.what;
        EXPECT_EQ(touch_down_sound(), c.sound) << c.what;
        set_a();
        EXPECT_EQ(touch_down_sound(), -1) << c.what << ", still down";
    }

    // Wheels of no radius: the stick's jolt is a fixed one, the sound as ever.
    pln[0].wheelrad = 0;
    env.surface_type = 0;
    flt.pos_y[0] = rest + 10;
    set_a();
    flt.pos_y[0] = rest;
    flt.vel_y = -1;
    set_a();
    expect_finite(sums_now(), "wheels of no radius");
    EXPECT_EQ(touch_down_sound(), snd_land_runway);
}

// The terrain raised to meet the wheels at their rest height while ground_h,
// the height the contact goes by, lies h below: at 50 m and above no
// contact is looked for at all.
TEST_F(BuildUp, NoContactAndNoCueFiftyMetresAboveTheGround)
{
    msc.sound_on = 1;
    const struct {
        float h;
        int contact;
    } cases[] = {{49.9f, 1}, {50.1f, 0}, {500, 0}};
    for (auto& c : cases) {
        cessna_at_rest();
        const float terrain = 200;
        for (int i = 0; i < region_grid_x; i++)
            for (int j = 0; j < region_grid_z; j++) planexyz[i][j][1] = terrain;
        flt.pos_y[0] += terrain;
        env.ground_h = (float)flt.pos_y[0] - c.h;
        buildup_sums s = fresh_set_a();
        EXPECT_EQ(flt.on_ground, c.contact) << c.h;
        EXPECT_EQ(flt.F_gear_vertical > 0, c.contact == 1) << c.h;
        EXPECT_EQ(pln[0].condef[1] > 0, c.contact == 1) << c.h;
        EXPECT_EQ(touch_down_sound(), c.contact ? snd_land_runway : -1) << c.h;
        expect_finite(s, "above the ground");
    }
    lay_flat_ground();
}

// Settled 0.3 m above the surface, the keel under it: over water the hull
// floats and the wheels find nothing, unless a deck lies under them.
TEST_F(BuildUp, OverWaterTheHullFloatsUnlessADeckIsUnderTheWheels)
{
    const struct {
        const char* what;
        int water, carrier, frigate, platform;
        int wheels;
    } cases[] = {
        {"on land", 0, 0, 0, 0, 1},      {"on water", 1, 0, 0, 0, 0},     {"on a carrier", 1, 1, 0, 0, 1},
        {"on a frigate", 1, 0, 1, 0, 1}, {"on a platform", 1, 0, 0, 1, 1},
    };
    for (auto& c : cases) {
        cessna_at_rest();
        flt.pos_y[0] = 0.3;
        is_water[env.plane_cell_i][env.plane_cell_j] = c.water;
        env.on_carrier = c.carrier;
        env.on_frigate = c.frigate;
        env.on_platform = c.platform;
        buildup_sums s = fresh_set_a();
        expect_finite(s, c.what);
        EXPECT_EQ(flt.on_ground, 1) << c.what << ": touching something";
        EXPECT_EQ(pln[0].condef[1] > 0, c.wheels == 1) << c.what;
        EXPECT_GT(flt.F_gear_vertical, 0) << c.what;
    }
}

// Afloat at rest, the keel 0.1 m deep, 100 s into the flight, the waves 20 m
// long running at 2 m/s: each case against the water it must equal.
TEST_F(BuildUp, WavesWithoutLengthAreFlatWaterAndTheirDirectionWraps)
{
    auto afloat = [](float height, float length, int dir) {
        cessna_at_rest();
        flt.pos_y[0] = 0.3;
        is_water[env.plane_cell_i][env.plane_cell_j] = 1;
        atm.wave_height = height;
        atm.wave_length = length;
        atm.wave_speed = 2;
        atm.wave_dir = dir;
        return fresh_set_a();
    };
    const struct {
        const char* what;
        float height, length;
        int dir;
        float same_height, same_length;
        int same_dir;
    } cases[] = {
        {"a 1 m wave of no length is flat water", 1, 0, 40, 0, 20, 40},
        {"a wave lower than 0.1 ft is flat water", 0.03f, 20, 40, 0, 20, 40},
        {"from 400 degrees is from 40", 1, 20, 400, 1, 20, 40},
        {"from -90 degrees is from 270", 1, 20, -90, 1, 20, 270},
        {"from -1 degree is from 359", 1, 20, -1, 1, 20, 359},
    };
    for (auto& c : cases) {
        buildup_sums s = afloat(c.height, c.length, c.dir);
        expect_finite(s, c.what);
        expect_same(s, afloat(c.same_height, c.same_length, c.same_dir), c.what);
    }
    afloat(0, 20, 40);
    float flat = flt.F_gear_vertical;
    afloat(1, 20, 40);
    EXPECT_NE(flt.F_gear_vertical, flat) << "a real wave moves the hull";
}

// Afloat with the report on, a nacelle and a pair of floats added: the
// report heads the water contact, then each body in its turn.
TEST_F(BuildUp, OnWaterTheReportHeadsEachBodysFloatPoints)
{
    planestruct& a = pln[0];
    a.nace_eq = 1;
    a.misc_eq = 1;
    a.misc_X = 1;
    cessna_at_rest();
    flt.pos_y[0] = 0.3;
    is_water[env.plane_cell_i][env.plane_cell_j] = 1;
    fresh_cycle();
    trk.open("Volanto.out", std::ios::out | std::ios::trunc | std::ios::binary);
    set.force_report = 1;
    set_a();
    set.force_report = 0;
    trk.close();
    std::string text = read_file("Volanto.out");
    const std::string bullets(3, (char)0xA5);
    size_t at = 0;
    for (const char* heading : {"FLOATS/FUEL TANKS FOR WATER CONTACT", "FUSE WATER-CONTACT", "NACELLE #1 WATER CONTACT",
                                "LEFT FLOAT WATER CONTACT", "RIGHT FLOAT WATER CONTACT"}) {
        size_t next = text.find(bullets + heading + (char)0xA5, at);
        ASSERT_NE(next, std::string::npos) << heading << " after byte " << at;
        at = next;
    }
    EXPECT_NE(text.find("\n[18]["), std::string::npos) << "the hull's wet points";
}

// ---- faults that once ran out of range or divided by zero -----------------------------

// A situation may restore any flap ratio: past full flap is full flap.
TEST_F(BuildUp, AFlapRatioPastFullReadsTheLastRowOfTheFlapTable)
{
    cessna_in_flight();
    flt.flap_ratio = 1;
    buildup_sums full = fresh_set_a();
    flt.flap_ratio = 7.3f;
    buildup_sums past = fresh_set_a();
    expect_finite(past, "flap ratio 7.3");
    expect_same(past, full, "flap ratio 7.3");
}

// A new flight starts with no memory of the last: its first half-step
// predicts as the very first of the run, and its first touch-down sounds
// even though the last flight ended on the ground and the new one starts
// high above it.
TEST_F(BuildUp, ANewFlightForgetsTheLastFlightsRatesAndContacts)
{
    cessna_in_flight();
    buildup_sums first = fresh_set_a();
    air_data(flt.V_true, 12, -5);
    flt.Prad = flt.Qrad = flt.Rrad = 0.3f;
    set_a();
    clear_flight_state();
    memset(flt.el_downwash, 0, sizeof flt.el_downwash);   // as set_fltvars clears flt
    cessna_in_flight();
    set_a();
    expect_same(sums_now(), first, "the first half-step of a new flight");

    msc.sound_on = 1;
    for (int new_flight = 0; new_flight < 2; new_flight++) {
        cessna_at_rest();
        fresh_cycle();
        set_a();
        ASSERT_EQ(touch_down_sound(), snd_land_runway);
        const double rest = flt.pos_y[0];
        flt.pos_y[0] = rest + 1000;
        set_a();
        if (new_flight) clear_flight_state();
        flt.pos_y[0] = rest;
        set_a();
        EXPECT_EQ(touch_down_sound(), new_flight ? snd_land_runway : -1) << new_flight;
    }
}
