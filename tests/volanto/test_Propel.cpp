// Propellers, rotors and jets on small hand-made aircraft: the engine's
// torque curve and what the air, failures and ice take from it; the
// manifold pressure; the slipstream's lag; a propeller pushing and a
// windmilling one braking; the blade-pitch clamps; a light propeller's
// speed steps; a helicopter's governor, twin engines, cyclic pitch and its
// tail rotor; collective rotors sharing one speed; design values that
// would divide by nothing; the spinning mass and the engine's torque
// reaction; a new flight's acceleration; the jets' spool, thrust, reverser
// and Mach; and the propeller's block of the force report as a golden text
// (VOLANTO_REGOLD=1 rewrites it, see test_reports_golden.cpp).
#include <gtest/gtest.h>

#include "Fltcalc.h"
#include "Fltutil.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Propel.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <string>

// ---- fixtures --------------------------------------------------------------------

// Airfoil of part p: lift 0.1 a degree up to a flat stall at +-12 degrees,
// drag 0.01 at every angle, no moment; the same at root and tip and at any
// Reynolds number.
static void blade_foil(int p)
{
    airfoilstruct& f = afl[0];
    for (int t = 0; t < 2; t++)
        for (int h = 0; h < 2; h++) {
            f.clM[p][t][h] = 0.1f;
            for (int k = 0; k < afl_lift_rows; k++) {
                int i = k + 100;
                float deg = i <= 200 ? i / 10.0f : i - 180.0f;
                f.clpos[p][t][h][k] = 0.1f * fminf(deg, 12);
                f.clneg[p][t][h][k] = -0.1f * fminf(deg, 12);
            }
            for (int k = 0; k < afl_drag_rows; k++) f.cdpos[p][t][h][k] = f.cdneg[p][t][h][k] = 0.01f;
        }
}

// Part p as a disc of radius R in four rings, each blade element of chord c,
// twisted by twist[4] degrees, without finite-wing corrections.
static void blade_part(int p, float R, float c, const float twist[4], float blades)
{
    planestruct& a = pln[0];
    a.els[p] = 4;
    a.semilen[p] = R;
    a.numblades[p] = blades;
    a.cl_D_cl0[p] = a.cm_D_cm0[p] = a.al_D_al0[p] = 1;
    a.alpha_max[p] = 90;
    for (int e = 0; e < 4; e++) {
        a.s[p][e] = R / 4 * c;
        a.mac[p][e] = c;
        a.anginc[p][e] = twist[e];
        float outer = (e + 1) * R / 4, inner = e * R / 4;
        a.ringarea[p][e] = con.pi * (outer * outer - inner * inner);
    }
    a.discarea[p] = con.pi * R * R;
    blade_foil(p);
}

// A single piston engine of 50 kW between 60 and 250 rad/s (green from
// 150) turning a two-bladed propeller of 1 m radius on the nose, pitched
// for about 30 m/s at 200 rad/s, clockwise; running at full throttle in
// still sea-level air at rest.
static void small_propeller(void)
{
    planestruct& a = pln[0];
    static const float twist[4] = {54, 26, 17.5f, 13.7f};
    a.entype = 2;
    a.numen = 1;
    a.pmax = 50000;
    a.omegamin = 60;
    a.omegamax = 250;
    a.omegamingreen = 150;
    a.mpmax = 30;
    a.propdir[0] = 1;
    a.miprop[0] = 0.5f;
    a.minpitch[0] = -20;
    a.maxpitch[0] = 40;
    a.Zarm[0] = -2;
    blade_part(0, 1, 0.1f, twist, 2);

    flt.engine_running[0] = 1;
    flt.mix_factor[0] = 1;
    flt.throttle[0] = flt.throttle_req[0] = 1;
    flt.engine_speed[0] = 200;
    for (int e = 0; e < 4; e++) {
        flt.thrust_dir_a[e] = flt.cos_side_cant[e] = 1;
        flt.thrust_dir_n[e] = flt.sin_side_cant[e] = 0;
    }
}

// A piston helicopter of 300 kW: a two-bladed main rotor of 5 m radius at
// 20 to 40 rad/s, its thrust straight up, at a collective pitch of 5
// degrees, high above the ground; a tail rotor of 1 m geared 5 to 1, pushing
// sideways at 5 degrees. No collective lever: the governor holds the rotor
// through the throttle.
static void hand_made_helicopter(void)
{
    planestruct& a = pln[0];
    static const float flat[4] = {0, 0, 0, 0};
    a.is_heli = 1;
    a.collectEQ = 1;
    a.entype = 2;
    a.numen = 1;
    a.pmax = 300000;
    a.omegamin = 20;
    a.omegamax = 40;
    a.mpmax = 30;
    a.trotor_rat = 5;
    a.propdir[0] = a.propdir[1] = 1;
    a.miprop[0] = 500;
    a.miprop[1] = 2;
    a.vertcant[0] = 90;
    a.sidecant[1] = 90;
    a.Yarm[0] = 1.5f;
    a.Zarm[1] = 6;
    blade_part(0, 5, 0.3f, flat, 2);
    blade_part(1, 1, 0.15f, flat, 2);

    flt.engine_running[0] = 1;
    flt.mix_factor[0] = 1;
    flt.throttle[0] = flt.throttle_req[0] = 0.5f;
    flt.engine_speed[0] = 30;
    flt.engine_speed[1] = 150;
    flt.blade_pitch[0] = 5;
    flt.blade_pitch[1] = 5;
    flt.thrust_dir_n[0] = 1;
    flt.thrust_dir_a[0] = 0;
    flt.cos_side_cant[0] = 1;
    flt.thrust_dir_a[1] = 1;
    flt.sin_side_cant[1] = 1;
    flt.ge_cl_mult[0] = flt.ge_cdi_mult[0] = 1;   // out of ground effect
    set.gov_on = 1;
}

// A low-bypass jet of 10,000 N with an inlet of 0.5 m2 spooling in 4 s,
// running, its core still.
static void small_jet(void)
{
    planestruct& a = pln[0];
    a.entype = 4;
    a.numen = 1;
    a.tmax = 10000;
    a.facejet = 0.5f;
    a.spooltime = 4;
    a.Yarm[0] = -0.5f;
    a.Zarm[0] = 3;
    flt.engine_running[0] = 1;
    flt.thrust_dir_a[0] = 1;
}

static void zero_sums(void)
{
    flt.F_prop_axial = flt.F_prop_side = flt.F_prop_normal = 0;
    flt.M_pitch = flt.M_yaw = flt.M_roll = 0;
}

// Everything cleared, then the aircraft make builds, every system working,
// in still sea-level air with half-steps of 0.025 s.
static void start(void (*make)(void))
{
    reset_suite_state();
    MACIBM_set_constants();
    restore_systems();
    atm.rho = 1.225f;
    atm.sigma = 1;
    atm.a_sound = 340;
    atm.baro_sl = 29.92f;
    msc.dt = 0.025f;
    make();
}

class Propel : public ::testing::Test {
protected:
    void SetUp() override { start(small_propeller); }
    void TearDown() override
    {
        set.force_report = 0;
        if (trk.is_open()) trk.close();
    }
};

// ---- engine torque ---------------------------------------------------------------

// The torque of one call at a speed f of the way from omegamin to omegamax,
// as a share of Qmax = pmax / omegamax. At sea level the altitude factor is 1.
TEST_F(Propel, EngineTorqueFollowsItsCurveTheAirAndWhatFailsOrFreezes)
{
    const float Qmax = pln[0].pmax / pln[0].omegamax;
    const float at_3000m = powf(1 - 2.306e-05f * 3000, 4.14f);   // the standard density there
    struct row {
        const char* what;
        int entype, running;
        float throttle, f, sigma, critalt, carb_heat;
        float keeps;   // a failed engine's share; -1 working
        float ice;
        float share;
    } rows[] = {
        {"full throttle at omegamin", 2, 1, 1, 0, 1, 0, 0, -1, 0, 0.5f},
        {"closed at omegamin", 2, 1, 0, 0, 1, 0, 0, -1, 0, 0.01f},
        {"a turboprop closed at omegamin", 3, 1, 0, 0, 1, 0, 0, -1, 0, 0.03f},
        {"full throttle at omegamax", 2, 1, 1, 1, 1, 0, 0, -1, 0, 1},
        {"closed at omegamax", 2, 1, 0, 1, 1, 0, 0, -1, 0, -0.99f},
        {"a quarter throttle is halfway by its root", 2, 1, 0.25f, 0, 1, 0, 0, -1, 0, 0.255f},
        {"past omegamax the curve goes on down", 2, 1, 1, 1.5f, 1, 0, 0, -1, 0, 0.5f},
        {"stopped, pushed halfway to omegamax: it brakes", 2, 0, 1, 0.5f, 1, 0, 0, -1, 0, -0.25f},
        {"stopped below omegamin", 2, 0, 1, -0.5f, 1, 0, 0, -1, 0, 0},
        {"in air of half the density", 2, 1, 1, 1, 0.5f, 0, 0, -1, 0, 0.4f / 0.9f},
        {"at its critical altitude", 2, 1, 1, 1, at_3000m, 3000, 0, -1, 0, 1},
        {"a critical altitude past 43 km", 2, 1, 1, 1, 0.2f, 50000, 0, -1, 0, 1},
        {"carburettor heat", 2, 1, 1, 1, 1, 0, 1, -1, 0, 0.9f},
        {"a failed engine keeps its share", 2, 1, 1, 1, 1, 0, 0, 0.3f, 0, 0.3f},
        {"a failed engine still brakes in full", 2, 0, 1, 0.5f, 1, 0, 0, 0.3f, 0, -0.25f},
        {"carburettor ice", 2, 1, 1, 1, 1, 0, 0, -1, 0.2f, 0.8f},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        planestruct& a = pln[0];
        a.entype = r.entype;
        a.critalt = r.critalt;
        atm.sigma = r.sigma;
        flt.carb_heat = r.carb_heat;
        flt.ice_carb[0] = r.ice;
        rel.system_ok[sys_engine_power] = r.keeps < 0;
        rel.engine_power = r.keeps < 0 ? 1 : r.keeps;
        flt.engine_running[0] = r.running;
        flt.throttle[0] = r.throttle;
        flt.engine_speed[0] = a.omegamin + r.f * (a.omegamax - a.omegamin);
        float speed = flt.engine_speed[0];
        props();
        EXPECT_NEAR(flt.eng_torque[0] / Qmax, r.share, 1e-4f);
        float power = flt.eng_torque[0] * speed;
        EXPECT_NEAR(flt.power[0], power, 1e-5f * fabsf(power) + 1e-3f);
    }
}

// A rotor's freewheel: the engine never drags it, friction takes 0.004 Qmax
// while it turns, and it never turns backwards.
TEST_F(Propel, ARotorsEngineNeverDragsItAndItNeverTurnsBackwards)
{
    start(hand_made_helicopter);
    msc.dt = 0;   // the speeds stay as set
    const planestruct& a = pln[0];
    const float Qmax = a.pmax / a.omegamax;
    struct row {
        const char* what;
        float throttle, speed;
        float share, speed_after;
    } rows[] = {
        {"full throttle at omegamin", 1, 20, 0.496f, 20},
        {"closed at omegamax", 0, 40, -0.004f, 40},
        {"standing", 0, 0, 0.01f, 0},
        {"turning backwards", 0, -5, 0.01f, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        flt.throttle[0] = r.throttle;
        flt.engine_speed[0] = r.speed;
        props();
        EXPECT_NEAR(flt.eng_torque[0] / Qmax, r.share, 1e-4f);
        EXPECT_EQ(flt.engine_speed[0], r.speed_after);
    }
}

// In one call of a second's step the pressure reaches its target, within
// [0, mpmax] at sea level.
TEST_F(Propel, ManifoldPressureIsTheAirsStoppedAndByThrottleAndSpeedRunning)
{
    msc.dt = 1;
    struct row {
        const char* what;
        int running;
        float throttle, speed;
        float inhg;
    } rows[] = {
        {"stopped", 0, 0, 0, 29.92f},
        {"closed at rest", 1, 0, 0, 0.3f * 29.92f * 1.5f},
        {"full at omegamax", 1, 1, 250, 30},
        {"full at rest, held at mpmax", 1, 1, 0, 30},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        flt.manifold_p[0] = 15;
        flt.engine_running[0] = r.running;
        flt.throttle[0] = r.throttle;
        flt.engine_speed[0] = r.speed;
        props();
        EXPECT_NEAR(flt.manifold_p[0], r.inhg, 1e-3f);
    }
}

// ---- the propeller in the air ------------------------------------------------------

// dv_total in air of 1.25 kg/m3 with half-steps of 0.1 s: half the old
// increment's speed counts in the flow through the disc, never less than
// 1 m/s either way.
TEST_F(Propel, TheSlipstreamLagsTowardWhatTheThrustGivesTheAirThroughTheDisc)
{
    atm.rho = 1.25f;
    msc.dt = 0.1f;
    struct row {
        const char* what;
        float old, thrust, area, v;
        float dv;
    } rows[] = {
        {"at rest: through at 1 m/s", 0, 100, 2, 0, 2.0f},
        {"a little air from behind: still 1 m/s", 0, 100, 2, -0.5f, 2.0f},
        {"flying at 40 m/s", 0, 100, 2, 40, 0.05f},
        {"the old increment counts half", 4, 100, 2, 38, 4 * 0.95f + 0.05f},
        {"no area: it only dies away", 4, 100, 0, 38, 4 * 0.95f},
    };
    for (const row& r : rows) EXPECT_NEAR(dv_total(r.old, r.thrust, r.area, r.v), r.dv, 1e-5f) << r.what;
}

// Standing at full power the propeller pulls forward, the engine turns it
// against the air and it blows its slipstream back, each ring the faster
// the nearer the tip. Its engine stopped in a 40 m/s wind it windmills: it
// drags, and the air turns it the engine's way; standing, a piston
// engine's propeller stays stopped.
TEST_F(Propel, APropellerPushesAndBlowsItsSlipstreamAndAStoppedOneWindmills)
{
    for (int k = 0; k < 40; k++) props();
    zero_sums();
    props();
    EXPECT_GT(flt.thrust_now[0], 100);
    EXPECT_NEAR(flt.F_prop_axial, flt.thrust_now[0], 1e-3f * flt.thrust_now[0]);
    EXPECT_GT(flt.prop_torque[0], 0);
    EXPECT_GT(flt.wash_speed[0], 1);
    EXPECT_GT(flt.wash_ring[0][3], flt.wash_ring[0][0]);

    flt.engine_running[0] = 0;
    flt.engine_speed[0] = 100;
    flt.vel_fwd = flt.V_true = 40;
    flt.wash_speed[0] = 0;
    for (auto& w : flt.wash_ring[0]) w = 0;
    zero_sums();
    props();
    EXPECT_LT(flt.thrust_now[0], 0);
    EXPECT_LT(flt.F_prop_axial, 0);
    EXPECT_LT(flt.prop_torque[0], 0) << "the air drives it";
    flt.engine_speed[0] = 0;
    props();
    EXPECT_EQ(flt.engine_speed[0], 0);
}

// A stopped engine brakes its propeller by the torque curve's end; a piston
// engine's propeller stops outright once below half of omegamin.
TEST_F(Propel, AStoppedEngineBrakesItsPropellerToAStandstill)
{
    flt.engine_running[0] = 0;
    flt.engine_speed[0] = 240;
    float last = flt.engine_speed[0];
    int calls = 0;
    while (flt.engine_speed[0] > 0 && calls < 4000) {
        props();
        ASSERT_LT(flt.engine_speed[0], last) << "call " << calls;
        last = flt.engine_speed[0];
        calls++;
    }
    EXPECT_EQ(flt.engine_speed[0], 0);
    EXPECT_GE(last, 0);
}

// One call of 0.025 s with a heavy propeller (1,000 kg m2), whose own
// acceleration barely moves the governor: the reverser and feathering set
// the pitch outright, the governor moves it 0.3 degree a second per rad/s
// off the lever, within the blade's stops.
TEST_F(Propel, BladePitchReversesFeathersAndIsGovernedWithinItsStops)
{
    const float lever = 200;
    struct row {
        const char* what;
        int numen, varpitch, reverser_fitted, reversed;
        float prop_req, speed, pitch_before;
        float pitch;
    } rows[] = {
        {"fixed pitch keeps its pitch", 1, 0, 1, 1, lever, 300, 0, 0},
        {"reversed", 1, 1, 1, 1, lever, 300, 10, -15},
        {"reverser lever without a reverser: governed", 1, 1, 0, 1, lever, 300, 39.9f, 40},
        {"twin, lever at the green arc's foot: feathered", 2, 1, 1, 0, 150, 300, 10, 80},
        {"single, lever at the green arc's foot: governed", 1, 1, 1, 0, 150, 300, 39.9f, 40},
        {"overspeed: coarser, to the stop", 1, 1, 1, 0, lever, 300, 39.9f, 40},
        {"underspeed: finer, to the stop", 1, 1, 1, 0, lever, 100, -19.9f, -20},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        planestruct& a = pln[0];
        a.numen = r.numen;
        a.varpitchEQ = r.varpitch;
        a.revthrustEQ = r.reverser_fitted;
        a.miprop[0] = a.miprop[1] = 1000;
        flt.reverser[0] = r.reversed;
        flt.prop_req[0] = r.prop_req;
        flt.engine_speed[0] = r.speed;
        flt.blade_pitch[0] = r.pitch_before;
        props();
        EXPECT_EQ(flt.blade_pitch[0], r.pitch);
    }
    // Inside the stops the step is the governor's.
    pln[0].numen = 1;
    flt.reverser[0] = 0;
    flt.prop_req[0] = lever;
    flt.engine_speed[0] = lever + 10;
    flt.blade_pitch[0] = 20;
    props();
    EXPECT_NEAR(flt.blade_pitch[0], 20 + 0.3f * 10 * msc.dt, 0.01f);
}

// A propeller far too light for its engine's torque (thin blades make one):
// its speed would overshoot the balance by more each half-step and run away.
// Over 50 s every number stays finite and no half-step moves the speed by
// more than a tenth of omegamax.
TEST_F(Propel, ALightPropellerStaysFiniteAndStepsItsSpeedByATenthOfOmegamaxAtMost)
{
    pln[0].miprop[0] = 0.003f;
    const float most = 0.1f * pln[0].omegamax;
    for (int k = 0; k < 2000; k++) {
        float before = flt.engine_speed[0];
        zero_sums();
        props();
        const float v[] = {flt.engine_speed[0], flt.thrust_now[0], flt.M_pitch, flt.M_yaw, flt.M_roll};
        for (float x : v) ASSERT_TRUE(std::isfinite(x)) << "half-step " << k;
        ASSERT_LE(fabsf(flt.engine_speed[0] - before), most * 1.0001f) << "half-step " << k;
    }
}

// ---- helicopters and collective rotors --------------------------------------------

// 60 s of half-steps, the throttle following its lever as the flight step
// makes it, from below and from above the rotor's top speed.
TEST_F(Propel, AHelicoptersGovernorHoldsItsRotorAtOmegamax)
{
    for (float speed : {30.0f, 48.0f}) {
        SCOPED_TRACE(speed);
        start(hand_made_helicopter);
        flt.engine_speed[0] = speed;
        for (int k = 0; k < 2400; k++) {
            props();
            flt.throttle[0] += msc.dt * (flt.throttle_req[0] - flt.throttle[0]);
        }
        EXPECT_NEAR(flt.engine_speed[0], pln[0].omegamax, 0.01f * pln[0].omegamax);
        EXPECT_FLOAT_EQ(flt.engine_speed[1], 5 * flt.engine_speed[0]);
        EXPECT_GT(flt.throttle_req[0], 0.05f) << "governed, not at a stop";
        EXPECT_LT(flt.throttle_req[0], 0.95f) << "governed, not at a stop";
        EXPECT_GT(flt.thrust_now[0], 1000) << "the rotor lifts";
    }
}

// One call well below omegamax from a lever at 0.5.
TEST_F(Propel, TheThrottleIsGovernedOnlyWithoutACollectiveLeverOrInATurbineHelicopter)
{
    start(hand_made_helicopter);
    struct row {
        const char* what;
        int collective_stick, entype, gov_on, gov_ok;
        int governed;
        float lever;   // when not governed
    } rows[] = {
        {"no lever, governor on", 0, 2, 1, 1, 1, 0},
        {"no lever, governor switched off", 0, 2, 0, 1, 0, 0.01f},
        {"no lever, governor failed", 0, 2, 1, 0, 0, 0.5f},
        {"a collective lever: the pilot's throttle", 1, 2, 1, 1, 0, 0.5f},
        {"a turbine with a collective lever", 1, 3, 1, 1, 1, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        set.collective_stick = r.collective_stick;
        pln[0].entype = r.entype;
        set.gov_on = r.gov_on;
        rel.system_ok[sys_governor] = r.gov_ok;
        flt.engine_speed[0] = 25;
        flt.throttle_req[0] = 0.5f;
        props();
        if (r.governed) {
            EXPECT_GT(flt.throttle_req[0], 0.5f);
        } else {
            EXPECT_EQ(flt.throttle_req[0], r.lever);
        }
    }
}

// Two engines turn the main rotor, which carries the geared tail rotor's
// inertia as well: one call's speed change is the whole drive over the
// whole inertia. A heavy tail rotor and a second engine at another throttle
// make each share plain.
TEST_F(Propel, BothEnginesOfATwinHelicopterDriveItsRotorAgainstBothRotorsInertia)
{
    start(hand_made_helicopter);
    planestruct& a = pln[0];
    a.numen = 2;
    a.miprop[1] = 40;
    flt.engine_running[1] = 1;
    flt.mix_factor[1] = 1;
    flt.throttle[0] = 0.3f;
    flt.throttle[1] = 1;
    const float before = flt.engine_speed[0];
    props();
    ASSERT_GT(flt.eng_torque[1], flt.eng_torque[0]);
    float drive = flt.eng_torque[0] + flt.eng_torque[1] - flt.prop_torque[0] - flt.prop_torque[1];
    float step = drive / (a.miprop[1] * a.trotor_rat + a.miprop[0]) * msc.dt;
    EXPECT_NEAR(flt.engine_speed[0] - before, step, 1e-3f * fabsf(step) + 1e-5f);
}

// Cyclic pitch tilts the disc with the stick, as a helicopter's does: the
// pitch stick's sign is the pitching moment's, the roll stick's the rolling
// moment's, whichever way the rotor turns, and neither stick moves the
// other axis. One call in the hover, where without cyclic the disc is
// evenly loaded.
TEST_F(Propel, CyclicPitchTiltsTheDiscWithTheStickWhicheverWayTheRotorTurns)
{
    struct row {
        int propdir;
        float pitch, roll;   // stick
    } rows[] = {
        {1, 0.5f, 0}, {1, -0.5f, 0}, {1, 0, 0.5f}, {1, 0, -0.5f},
        {-1, 0.5f, 0}, {-1, -0.5f, 0}, {-1, 0, 0.5f}, {-1, 0, -0.5f},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(testing::Message() << "propdir " << r.propdir << ", stick " << r.pitch << " pitch " << r.roll
                                        << " roll");
        start(hand_made_helicopter);
        planestruct& a = pln[0];
        a.elevcyclic = a.ailncyclic = 4;
        a.propdir[0] = r.propdir;
        set.stick_pitch = r.pitch;
        set.stick_roll = r.roll;
        zero_sums();
        props();
        float stick = r.pitch + r.roll;
        float along = r.pitch != 0 ? flt.M_pitch : flt.M_roll;
        float across = r.pitch != 0 ? flt.M_roll : flt.M_pitch;
        EXPECT_GT(along * stick, 0);
        EXPECT_LT(fabsf(across), 0.01f * fabsf(along));
    }
}

// The tail rotor pushes at its hub: climbing at 5 m/s, the air crosses its
// disc and loads it unevenly, yet its side force acts at the hub alone. Nor
// does its spinning mass resist the helicopter's pitching and yawing.
TEST_F(Propel, TheTailRotorPushesAtItsHubAndItsSpinDoesNotResistTheRates)
{
    start(hand_made_helicopter);
    const planestruct& a = pln[0];
    flt.w_air = -5;
    flt.Qrad = 0.2f;
    flt.Rrad = 0.1f;
    zero_sums();
    aprop(part_tail_rotor, a.Xarm[1], a.Yarm[1], a.Zarm[1]);
    ASSERT_GT(fabsf(flt.F_prop_side), 10);
    EXPECT_EQ(flt.M_roll, 0);
    EXPECT_EQ(flt.M_pitch, 0);
    EXPECT_NEAR(flt.M_yaw, -a.Zarm[1] * flt.F_prop_side, 1e-4f * fabsf(flt.M_yaw));
}

TEST_F(Propel, AFailedTailRotorDriveLeavesItTurningAt1RadPerSecond)
{
    start(hand_made_helicopter);
    for (int ok = 1; ok >= 0; ok--) {
        rel.system_ok[sys_tail_rotor] = ok;
        props();
        EXPECT_FLOAT_EQ(flt.engine_speed[1], ok ? 5 * flt.engine_speed[0] : 1.0f) << ok;
    }
}

// Two propellers as collective rotors on one shaft, the second engine
// stopped: both turn at one speed. Tilted up past 60 degrees the governor
// works the throttles, nearer the horizontal the blade pitch.
TEST_F(Propel, CollectiveRotorsShareOneSpeedAndAreGovernedByTheirCant)
{
    planestruct& a = pln[0];
    static const float twist[4] = {54, 26, 17.5f, 13.7f};
    a.numen = 2;
    a.collectEQ = 1;
    a.propdir[1] = -1;
    a.miprop[1] = 0.5f;
    a.minpitch[1] = -20;
    a.maxpitch[1] = 40;
    a.Xarm[0] = -3;
    a.Xarm[1] = 3;
    blade_part(1, 1, 0.1f, twist, 2);
    for (float cant : {90.0f, 0.0f}) {
        SCOPED_TRACE(cant);
        a.vertcant[0] = a.vertcant[1] = cant;
        flt.engine_running[1] = 0;
        flt.engine_speed[0] = 200;
        flt.engine_speed[1] = 100;
        flt.prop_req[0] = flt.prop_req[1] = 200;
        flt.blade_pitch[0] = flt.blade_pitch[1] = 10;
        flt.throttle_req[0] = flt.throttle_req[1] = 0.5f;
        props();
        EXPECT_EQ(flt.engine_speed[1], flt.engine_speed[0]);
        for (int e = 0; e < 2; e++) {
            EXPECT_EQ(flt.throttle_req[e] != 0.5f, cant > 60) << e;
            EXPECT_EQ(flt.blade_pitch[e] != 10, cant <= 60) << e;
        }
    }
}

// ---- design values that would divide by nothing ------------------------------------

// Whatever the record, one call leaves every number finite; without
// inertia a propeller or rotor keeps its speed.
TEST_F(Propel, ZeroInertiaHoldsTheSpeedAndNoDesignValueDividesByNothing)
{
    struct row {
        const char* what;
        void (*make)(void);
        int heli, collective;
        float miprop, omegamin, omegamax;
        int held;
    } rows[] = {
        {"a propeller without inertia", small_propeller, 0, 0, 0, 60, 250, 1},
        {"collective rotors without inertia", small_propeller, 0, 1, 0, 60, 250, 1},
        {"a helicopter without inertia", hand_made_helicopter, 1, 1, 0, 20, 40, 1},
        {"no speed range", small_propeller, 0, 0, 0.5f, 250, 250, 0},
        {"no top speed", small_propeller, 0, 0, 0.5f, 0, 0, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        start(r.make);
        planestruct& a = pln[0];
        a.collectEQ = r.collective;
        a.miprop[0] = a.miprop[1] = r.miprop;
        a.omegamin = r.omegamin;
        a.omegamax = r.omegamax;
        float before = flt.engine_speed[0];
        zero_sums();
        props();
        if (r.held) {
            EXPECT_EQ(flt.engine_speed[0], before);
        }
        const float v[] = {flt.engine_speed[0], flt.engine_speed[1], flt.eng_torque[0], flt.power[0],
                           flt.manifold_p[0], flt.blade_pitch[0], flt.thrust_now[0], flt.wash_speed[0],
                           flt.F_prop_axial, flt.F_prop_normal, flt.M_pitch, flt.M_yaw, flt.M_roll};
        for (float x : v) EXPECT_TRUE(std::isfinite(x));
    }
}

// ---- moments -----------------------------------------------------------------------

// Without blades (no element meets the air) only the spinning mass and the
// engine's torque act. The spinning mass resists each rate on its own axis,
// whichever way it turns; the engine's torque rolls the aircraft against
// the propeller.
TEST_F(Propel, TheSpinningMassDampsEveryRateAndTheTorqueRollsAgainstThePropeller)
{
    pln[0].els[0] = 0;
    msc.dt = 0;
    flt.Qrad = 0.1f;
    flt.Rrad = -0.2f;
    float M[2][3];
    for (int d = 0; d < 2; d++) {
        pln[0].propdir[0] = d ? -1 : 1;
        flt.engine_running[0] = 1;
        zero_sums();
        props();
        ASSERT_GT(flt.eng_torque[0], 0);
        EXPECT_LT(flt.M_roll * pln[0].propdir[0], 0) << "rolled against the propeller";
        flt.engine_running[0] = 0;
        flt.engine_speed[0] = pln[0].omegamin;   // stopped at omegamin: no torque
        zero_sums();
        props();
        M[d][0] = flt.M_pitch;
        M[d][1] = flt.M_yaw;
        M[d][2] = flt.M_roll;
        flt.engine_speed[0] = 200;
    }
    EXPECT_LT(M[0][0], 0) << "against the pitch rate";
    EXPECT_GT(M[0][1], 0) << "against the yaw rate";
    EXPECT_EQ(M[0][2], 0) << "no roll rate";
    for (int k = 0; k < 3; k++) EXPECT_EQ(M[0][k], M[1][k]) << "either way round, axis " << k;
}

// Without blades only the engine's torque acts. Tilted up, the propeller's
// roll axis becomes the yaw axis: a rotor turning clockwise seen from behind
// before the tilt turns clockwise seen from below, and the helicopter yaws
// nose right against it, by the whole torque and without rolling.
TEST_F(Propel, ARotorsTorqueYawsTheHelicopterAgainstItAndDoesNotRollIt)
{
    for (int dir : {1, -1}) {
        SCOPED_TRACE(dir);
        start(hand_made_helicopter);
        planestruct& a = pln[0];
        a.els[0] = a.els[1] = 0;
        a.propdir[0] = dir;
        zero_sums();
        props();
        ASSERT_GT(flt.eng_torque[0], 0);
        EXPECT_FLOAT_EQ(flt.M_yaw, dir * flt.eng_torque[0]);
        EXPECT_EQ(flt.M_roll, 0);
    }
}

// Two collective rotors on one shaft, the second engine stopped: the shaft
// shares the running engine's torque, so each rotor's reaction is the mean
// of the two. The first lies flat and rolls the aircraft with its share,
// the second stands up and yaws it with its own.
TEST_F(Propel, CollectiveRotorsEachReactWithTheMeanOfTheirEnginesTorque)
{
    planestruct& a = pln[0];
    a.numen = 2;
    a.collectEQ = 1;
    a.els[0] = 0;
    a.miprop[1] = 0.5f;
    a.propdir[1] = 1;
    a.vertcant[1] = 90;
    flt.thrust_dir_n[1] = 1;
    flt.thrust_dir_a[1] = 0;
    flt.engine_running[1] = 0;
    flt.engine_speed[1] = 200;
    zero_sums();
    props();
    ASSERT_GT(flt.eng_torque[0], 0);
    ASSERT_LE(flt.eng_torque[1], 0);
    float mean = 0.5f * (flt.eng_torque[0] + flt.eng_torque[1]);
    EXPECT_FLOAT_EQ(flt.M_roll, -mean);
    EXPECT_FLOAT_EQ(flt.M_yaw, mean);
}

// A new flight starts its propellers without the last flight's smoothed
// acceleration: the same state gives the same first step.
TEST_F(Propel, ANewFlightStartsWithoutTheLastFlightsAcceleration)
{
    props();
    const float first = flt.engine_speed[0];
    for (int k = 0; k < 100; k++) props();   // the last flight: it spins up
    flt.engine_speed[0] = 200;
    flt.wash_speed[0] = 0;
    for (auto& w : flt.wash_ring[0]) w = 0;
    clear_flight_state();
    props();
    EXPECT_EQ(flt.engine_speed[0], first);
}

// ---- jets -------------------------------------------------------------------------------

// From a still core, below 25 % N1 the spool climbs at 0.04 / spooltime a
// second whatever the throttle, so it reaches its idle spool (0.05) in
// about the spool time and N1 reaches 25 % alike at either throttle; then
// the throttle takes over. A stopped engine runs down.
TEST_F(Propel, AJetBelow25PercentN1SpoolsUpWhateverTheThrottle)
{
    start(small_jet);
    const float T = pln[0].spooltime;
    float t_idle[2] = {}, t_25[2] = {}, end_n1[2] = {};
    for (int full = 0; full < 2; full++) {
        flt.spool[0] = flt.jet_n1[0] = 0;
        flt.throttle[0] = (float)full;
        jets();
        EXPECT_FLOAT_EQ(flt.spool[0], 0.04f * msc.dt / T);
        float t = msc.dt;
        while (t < 120) {
            if (!t_idle[full] && flt.spool[0] >= 0.05f) t_idle[full] = t;
            if (!t_25[full] && flt.jet_n1[0] >= 25) t_25[full] = t;
            jets();
            t += msc.dt;
        }
        end_n1[full] = flt.jet_n1[0];
    }
    EXPECT_NEAR(t_idle[0], 1.25f * T, 2 * msc.dt);
    EXPECT_EQ(t_idle[1], t_idle[0]);
    EXPECT_EQ(t_25[1], t_25[0]);
    EXPECT_NEAR(end_n1[0], 25, 1) << "closed, it idles at 25 %";
    EXPECT_GT(end_n1[1], 95) << "full throttle";

    flt.engine_running[0] = 0;
    float before = flt.spool[0];
    jets();
    EXPECT_LT(flt.spool[0], before);
    // No spool time: a hundredth of a second, no division by nothing.
    pln[0].spooltime = 0;
    flt.engine_running[0] = 1;
    flt.spool[0] = flt.jet_n1[0] = 0;
    jets();
    EXPECT_FLOAT_EQ(flt.spool[0], 0.04f * msc.dt / 0.01f);
}

// Thrust at a fixed spool, no inlet drag in still air unless said: rated
// thrust by the density and Mach factor, reversed at 40 %, inlet drag alone
// when stopped, a failed engine's share.
TEST_F(Propel, JetThrustByDensityAndMachReversedAtFortyPercent)
{
    start(small_jet);
    struct row {
        const char* what;
        int entype;
        float mach;
        int running, reversed, fitted;
        float keeps;   // a failed engine's share; -1 working
        float q;       // Pa
        float per_tmax;   // thrust / tmax
    } rows[] = {
        {"low bypass at rest", 4, 0, 1, 0, 1, -1, 0, 1},
        {"low bypass at Mach 1", 4, 1, 1, 0, 1, -1, 0, 1.5f},
        {"low bypass at Mach 2, with the ram", 4, 2, 1, 0, 1, -1, 0, 2 * 9.6f / 3.6f},
        {"low bypass at Mach 2.5", 4, 2.5f, 1, 0, 1, -1, 0, 1.5f * 15 / 4.5f},
        {"high bypass at Mach 0.5", 5, 0.5f, 1, 0, 1, -1, 0, 0.95f},
        {"high bypass at Mach 1.1", 5, 1.1f, 1, 0, 1, -1, 0, 0.7f * 2.904f / 2.484f},
        {"reversed", 4, 0, 1, 1, 1, -1, 0, -0.4f},
        {"reverser lever without a reverser", 4, 0, 1, 1, 0, -1, 0, 1},
        {"failed", 4, 0, 1, 0, 1, 0.3f, 0, 0.3f},
        {"stopped: the inlet's drag", 4, 0, 0, 0, 1, -1, 1000, -0.3f * 0.5f * 1000 / 10000},
        {"stopped, reverser engaged: the inlet's drag still", 4, 0, 0, 1, 1, -1, 1000, -0.3f * 0.5f * 1000 / 10000},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        planestruct& a = pln[0];
        a.entype = r.entype;
        a.revthrustEQ = r.fitted;
        flt.mach = r.mach;
        flt.q_dyn = r.q;
        flt.engine_running[0] = r.running;
        flt.reverser[0] = r.reversed;
        rel.system_ok[sys_engine_power] = r.keeps < 0;
        rel.engine_power = r.keeps < 0 ? 1 : r.keeps;
        flt.spool[0] = 1;
        flt.jet_n1[0] = 100;
        flt.throttle[0] = 1;
        zero_sums();
        jets();
        EXPECT_NEAR(flt.thrust_now[0] / a.tmax, r.per_tmax, 1e-4f);
        EXPECT_FLOAT_EQ(flt.F_prop_axial, flt.thrust_now[0]);
        EXPECT_FLOAT_EQ(flt.M_pitch, flt.thrust_now[0] * 0.5f) << "pushed below the centre of gravity";
    }
}

// ---- the force report --------------------------------------------------------------

// A counter-clockwise propeller 2 m out on the right wing, canted 4 degrees
// up, at 15 m/s with the air from below and the left, rolling, pitching and
// yawing, its slipstream already blowing: one aprop's block of the report.
TEST_F(Propel, ThePropellersBlockOfTheForceReportIsTheGoldenText)
{
    planestruct& a = pln[0];
    a.propdir[0] = -1;
    a.Xarm[0] = 2;
    a.vertcant[0] = 4;
    flt.thrust_dir_n[0] = sinf(4 * con.degtorad);
    flt.thrust_dir_a[0] = cosf(4 * con.degtorad);
    flt.vel_fwd = flt.V_true = 15;
    flt.w_air = 1.5f;
    flt.v_air = -1;
    flt.Prad = 0.1f;
    flt.Qrad = 0.05f;
    flt.Rrad = -0.05f;
    flt.engine_speed[0] = 180;
    flt.eng_torque[0] = 190;
    flt.wash_speed[0] = 6;
    for (int e = 0; e < 4; e++) flt.wash_ring[0][e] = 2.0f + e;

    trk.open("Volanto.out", std::ios::out | std::ios::trunc | std::ios::binary);
    set.force_report = 1;
    zero_sums();
    aprop(0, a.Xarm[0], a.Yarm[0], a.Zarm[0]);
    set.force_report = 0;
    trk.close();
    std::string text = read_file("Volanto.out");
    EXPECT_NE(text.find("counter-clockwise"), std::string::npos);
    std::string diff = golden_diff("report_propeller_block.txt", text);
    EXPECT_TRUE(diff.empty()) << "the propeller's block differs from its golden text (VOLANTO_REGOLD=1 rewrites it):\n"
                              << diff;

    // The jet's block is written only with the report on.
    start(small_jet);
    trk.open("Volanto.out", std::ios::out | std::ios::trunc | std::ios::binary);
    jets();
    set.force_report = 1;
    jets();
    set.force_report = 0;
    trk.close();
    text = read_file("Volanto.out");
    size_t at = text.find("JET ENGINE #1");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(text.find("JET ENGINE #1", at + 1), std::string::npos);
    EXPECT_NE(text.find(" deg. (0=full aft)"), std::string::npos);
    EXPECT_NE(text.find("RUNNING PROPULSIVE FORCE"), std::string::npos);
}
