// The flight step, one frame at a time, with the shipped Cessna at KSBD: the
// schedule of the periodic systems, ground effect, air data, engines,
// traffic, ships, the roll pair, clocks, the crash and its notices, and the
// force report's head as a golden text; then whole flights with the force
// build-up and the integration (standing a minute on the runway, a glide
// from 3000 ft, a crash and its restart) and the lift's axis tail first;
// last, what the periodic systems do in a flight: the engine runs from the
// first second, the ILS is heard on final, the stall horn sounds.
//
// The periodic systems are tested in their own files; here their
// schedule is read from the tenth counter, which steps on every run of the
// ten-per-second events and asks for the once-a-second systems on its 0.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "Event.h"
#include "Fltcalc.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Integ.h"
#include "Initgen.h"
#include "Initnav.h"
#include "Startscn.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

static const float nm = 1852.0f;

// The start-up's records, the world, the factory settings and the shipped
// Cessna on KSBD's runway 06, under a stopped virtual clock, with sea-level
// gravity; the once-a-second step sets it for the height when it runs.
class FlightStep : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(stand_cessna_at_ksbd(), 1);
        atm.g_accel = con.g;
        rnd15_seed(7);
    }
    void TearDown() override
    {
        set.force_report = 0;
        close_loader_surroundings();
        err.close();
    }

    // The bare ground under the aircraft: on the runway 0.2 m below the airport's height, where the
    // runway's deck stands.
    float terrain(void) const
    {
        float vx, vy, vz;
        int i = env.plane_cell_i, j = env.plane_cell_j;
        return find_local_h((float)flt.pos_x[0], (float)flt.pos_z[0], &vx, &vy, &vz, &i, &j, 0);
    }

    // One frame's flight step: the frame first finds the surface under the
    // aircraft, the runway's deck at the airport's height.
    static void frame_step(void)
    {
        surface_contact();
        update_flight();
    }

    // Weightless 1000 m over the airport, at rest: nothing but the step
    // itself changes the state, and nothing touches the ground.
    void aloft(void)
    {
        atm.g_accel = 0;
        flt.pos_y[0] = terrain() + 1000;
        flt.vel_x = flt.vel_y = flt.vel_z = 0;
        flt.gnd_speed[0] = 0;
    }
};

// ---- scheduling ------------------------------------------------------------------

// The frames, by their counter, on which the ten-per-second events ran, and
// those on which the once-a-second systems ran with them.
struct schedule {
    std::vector<int> evt, sec;
};

static schedule run_frames(int frames)
{
    schedule s;
    // The once-a-second step shows itself by setting gravity for the height;
    // the mark is no gravity to the frame, and the gravity it had comes back.
    const float mark = 1e-30f;
    for (int f = 0; f < frames; f++) {
        int before = msc.tenth_count;
        float g = atm.g_accel;
        atm.g_accel = mark;
        update_flight();
        int sec_ran = atm.g_accel != mark;
        atm.g_accel = g;
        EXPECT_EQ(sec_ran, msc.tenth_count != before && before == 0) << "frame " << msc.frame_count;
        if (msc.tenth_count == before) continue;
        EXPECT_EQ(msc.tenth_count, (before + 1) % 10);
        s.evt.push_back(msc.frame_count);
        if (sec_ran) s.sec.push_back(msc.frame_count);
    }
    return s;
}

TEST_F(FlightStep, TenPerSecondEventsRunEveryNthFrameAndTheSecondsOnTheFirstOfTen)
{
    struct row {
        float dt;
        int n;
    } rows[] = {
        {0.2f, 1},     // 0.5 rounds away from zero
        {0.11f, 1},
        {0.05f, 2},
        {0.001f, 99},  // 100, held at 99: slower than ten a second
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.dt);
        set_fltvars(place_runway, place_on_runway);
        aloft();
        msc.dt = r.dt;
        schedule s = run_frames(250);
        ASSERT_EQ((int)s.evt.size(), 250 / r.n);
        for (size_t k = 0; k < s.evt.size(); k++) EXPECT_EQ(s.evt[k], (int)(k + 1) * r.n);
        ASSERT_EQ(s.sec.size(), (s.evt.size() + 9) / 10);
        for (size_t k = 0; k < s.sec.size(); k++) EXPECT_EQ(s.sec[k], s.evt[10 * k]) << "the first of each ten";
    }
}

TEST_F(FlightStep, FrameCounterWrapsTo1After30000AndTheMultiplesGoOn)
{
    aloft();
    msc.dt = 0.05f;   // every 2nd frame
    msc.frame_count = 29998;
    std::vector<int> counts, ran;
    for (int f = 0; f < 5; f++) {
        int before = msc.tenth_count;
        update_flight();
        counts.push_back(msc.frame_count);
        ran.push_back(msc.tenth_count != before);
    }
    EXPECT_EQ(counts, (std::vector<int>{29999, 30000, 1, 2, 3}));
    EXPECT_EQ(ran, (std::vector<int>{0, 1, 0, 1, 0}));
}

TEST_F(FlightStep, ANewFlightStartsTheCountersAgain)
{
    aloft();
    msc.dt = 0.05f;
    run_frames(7);
    EXPECT_EQ(msc.frame_count, 7);
    EXPECT_EQ(msc.tenth_count, 3);
    set_fltvars(place_runway, place_on_runway);
    EXPECT_EQ(msc.frame_count, 0);
    EXPECT_EQ(msc.tenth_count, 0);
}

// ---- ground effect and the buffet ----------------------------------------------

// The frame hook flies a live, unpaused frame and nothing else: paused, the
// flight waits; replaying, only the recorded path moves the aircraft.
TEST_F(FlightStep, TheFrameHookFliesOnlyLiveUnpausedFrames)
{
    struct row { const char* what; int paused, replay_speed, flies; } rows[] = {
        {"live", 0, 0, 1}, {"paused", 1, 0, 0}, {"replay stopped", 0, 4, 0}, {"replay, paused", 1, 6, 0}};
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        clear_frame_run_state();
        mnw.topwin = win_main;
        mnw.menu_up = -1;
        msc.paused = r.paused;
        set.replay_speed = r.replay_speed;
        int before = msc.frame_count;
        float t = msc.sim_time;
        APPLICATION_update();
        EXPECT_EQ(msc.frame_count - before, r.flies);
        EXPECT_EQ(msc.sim_time > t, r.flies == 1);
    }
}

TEST_F(FlightStep, GroundEffectByHeightInSemiSpans)
{
    struct row {
        const char* what;
        int heli, part;
        float semilen;   // 0 keeps the aircraft's
        float h, cl, cdi;
        float theta = 0;   // the pitch lifts or lowers a part by its arms
    } rows[] = {
        {"wing on the ground", 0, 4, 0, 0.0f, 1.25f, 0.5f},          // induced drag held up from 0
        {"wing a semi-span up", 0, 4, 0, 1.0f, 1.0625f, 64.0f / 65},
        {"wing two semi-spans up", 0, 4, 0, 2.0f, 1.0f, 256.0f / 257},
        {"tail two semi-spans up", 0, 10, 0, 2.0f, 1.0f, 256.0f / 257},
        {"tail a semi-span up, nose 10 degrees up", 0, 10, 0, 1.0f, 1.0625f, 64.0f / 65, 10},
        {"rotor half a radius up", 1, 0, 5, 0.5f, 1.2f, 0.5f},
        {"rotor at one radius", 1, 0, 5, 1.0f, 1.1f, 0.75f},
        {"rotor two radii up: the line is held", 1, 0, 5, 2.0f, 1.0f, 1.0f},
        {"rotor below its disc: held", 1, 0, 5, -1.0f, 1.5f, 0.5f},
        {"a rotor without a radius is out of ground effect", 1, 0, 0.01f, 0.0f, 1.0f, 1.0f},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        set_fltvars(place_runway, place_on_runway);
        pln[0].is_heli = r.heli;
        if (r.semilen > 0) pln[0].semilen[r.part] = r.semilen;
        ASSERT_TRUE(have_this_part(r.part, 0));
        aloft();
        flt.theta[0] = r.theta;
        flt.sin_theta = sinf(r.theta * con.degtorad);
        flt.cos_theta = cosf(r.theta * con.degtorad);
        // The step measures from the ground under the last frame.
        env.ground_h = (float)flt.pos_y[0] + pln[0].Yarm[r.part] * flt.cos_theta -
                       pln[0].Zarm[r.part] * flt.sin_theta - r.h * fmaxf(pln[0].semilen[r.part], 0.05f);
        update_flight();
        EXPECT_NEAR(flt.ge_cl_mult[r.part], r.cl, 2e-4f);
        EXPECT_NEAR(flt.ge_cdi_mult[r.part], r.cdi, 2e-4f);
    }
}

TEST_F(FlightStep, RotorBuffetShakesNearTheGroundOnlyAndNotWithoutARotor)
{
    struct row {
        const char* what;
        float semilen, h;
        int shakes;
    } rows[] = {
        {"rotor near the ground", 5, 0.2f, 1},
        {"rotor three radii up", 5, 3.0f, 0},
        {"rotor without a radius", 0.01f, 0.2f, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        set_fltvars(place_runway, place_on_runway);
        pln[0].is_heli = 1;
        pln[0].semilen[0] = r.semilen;
        aloft();
        pln[0].vertcant[0] = 90;   // the rotor's thrust straight up
        pln[0].entype = 0;         // no engine model: the thrust stays as set, the rotor pushes and turns nothing
        float weight = pln[0].m_empty + flt.payload + flt.fuel + flt.jettison;
        flt.thrust_now[0] = weight * con.g;
        flt.engine_speed[0] = 40;
        float theta = flt.theta[0], phi = flt.phi[0], most = 0;
        for (int f = 0; f < 20; f++) {
            float t0 = flt.theta[0], p0 = flt.phi[0];
            env.ground_h = (float)flt.pos_y[0] + pln[0].Yarm[0] - r.h * pln[0].semilen[0];
            msc.tenth_count = 1;   // no once-a-second step: it would bring gravity back
            update_flight();
            most = fmaxf(most, fmaxf(fabsf(flt.theta[0] - t0), fabsf(flt.phi[0] - p0)));
        }
        if (r.shakes) {
            EXPECT_GT(most, 0.001f);
            EXPECT_LE(most, 0.1f * (1 - r.h / 3) + 1e-4f) << "at most r x k x thrust / weight a frame";
        } else {
            EXPECT_EQ(flt.theta[0], theta);
            EXPECT_EQ(flt.phi[0], phi);
        }
    }
}

// ---- air data ---------------------------------------------------------------

TEST_F(FlightStep, AirDataFromTheTablesAndTheDaysTemperature)
{
    const float ft = con.fttomtrs, day = (59 - 59.02f) * con.dgrtodgk;   // the factory day is 59 F
    const float top = atm.std_atm[21][0];
    struct row {
        float y, density, temp_k;
    } rows[] = {
        {-300, atm.std_atm[0][1], 288.15f + 300 * 71.5f / (36152 * ft)},   // both lines go on down
        {0, atm.std_atm[0][1], 288.15f},
        {0.5f * atm.std_atm[1][0], 0.5f * (atm.std_atm[0][1] + atm.std_atm[1][1]), 288.15f - 0.5f * atm.std_atm[1][0] * 71.5f / (36152 * ft)},
        {50000 * ft, -1, 216.65f},
        {165000 * ft, -1, 270.65f},
        {top + 1000, atm.std_atm[21][1], interp(175344, 270.65f, 265000, 180.65f, (top + 1000) / ft)},   // past the density table: its last
        {300000 * ft, atm.std_atm[21][1], 180.65f},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.y);
        set_fltvars(place_runway, place_on_runway);
        aloft();
        flt.pos_y[0] = r.y;
        env.ground_h = r.y - 5000;   // no ground contact, even under the sea
        for (int i = 0; i < region_grid_x; i++)
            for (int j = 0; j < region_grid_z; j++) planexyz[i][j][1] = -9000;
        update_flight();
        EXPECT_NEAR(atm.temp_k, r.temp_k + day, 0.01f);
        EXPECT_NEAR(atm.a_sound, sqrtf(401.8f * atm.temp_k), 1e-3f);
        if (r.density >= 0) {
            EXPECT_NEAR(atm.rho, r.density * 518.69f / (59 + 459.67f), 1e-6f);
        }
        EXPECT_FLOAT_EQ(atm.sigma, atm.rho / con.rhoSL);
    }

    // A hot day warms every height and thins the air.
    set_fltvars(place_runway, place_on_runway);
    aloft();
    atm.sl_temp = 95;
    flt.pos_y[0] = 0;
    env.ground_h = -5000;
    update_flight();
    EXPECT_NEAR(atm.temp_k, 288.15f + (95 - 59.02f) * con.dgrtodgk, 0.01f);
    EXPECT_NEAR(atm.rho, atm.std_atm[0][1] * 518.69f / (95 + 459.67f), 1e-6f);
}

// ---- engines -----------------------------------------------------------------

// At a density ratio of exactly 1: every density in the table the sea
// level's, on the day (59.02 F) whose temperature factor is 1.
static void sea_level_day(void)
{
    for (int k = 0; k < 22; k++) atm.std_atm[k][1] = con.rhoSL;
    atm.sl_temp = 59.02f;
}

TEST_F(FlightStep, MixtureGivesPowerByTheAirsDensity)
{
    // The exhaust's temperature share at a throttle of 0.64 (root 0.8).
    struct row {
        float mixture, factor, egt;
    } rows[] = {
        {1.0f, 0.97f, 0.4f * 0.8f},     // rich: a little power lost, a cooler exhaust
        {0.7f, 1.0f, 0.8f},             // best power at sigma - 0.3
        {0.65f, 0.75f, 0.75f * 0.8f},   // lean of it: falling fast
        {0.6f, 0.0f, 0.0f},             // at sigma - 0.4 and below the engine starves
        {0.3f, 0.0f, 0.0f},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.mixture);
        set_fltvars(place_runway, place_on_runway);
        aloft();
        sea_level_day();
        flt.mixture[0] = r.mixture;
        flt.throttle[0] = flt.throttle_req[0] = 0.64f;
        update_flight();
        ASSERT_EQ(atm.sigma, 1.0f);
        EXPECT_NEAR(flt.mix_factor[0], r.factor, 1e-5f);
        EXPECT_NEAR(flt.egt_frac[0], r.egt, 1e-5f);
    }
    // Not a piston engine: the mixture is a switch.
    for (float m : {0.5f, 0.51f}) {
        pln[0].entype = 3;
        flt.mixture[0] = m;
        update_flight();
        EXPECT_EQ(flt.mix_factor[0], m > 0.5f ? 1.0f : 0.0f);
    }
}

TEST_F(FlightStep, ThrottleFollowsItsLeverWithALag)
{
    struct row {
        const char* what;
        int entype, reverser, throttle_works;
        float lever, expect;
    } rows[] = {
        {"piston", 1, 0, 1, 1.0f, 0.05f},
        {"piston in reverse moves half as fast", 2, 1, 1, 1.0f, 0.025f},
        {"turboprop in reverse too", 3, 1, 1, 1.0f, 0.025f},
        {"a jet's reverser does not slow it", 4, 1, 1, 1.0f, 0.05f},
        {"rocket lit", 6, 0, 1, 0.6f, 0.03f},
        {"rocket below half is out", 6, 0, 1, 0.4f, 0.0f},
        {"failed throttle stays put", 1, 0, 0, 1.0f, 0.3f},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        set_fltvars(place_runway, place_on_runway);
        aloft();
        msc.dt = 0.05f;
        pln[0].entype = r.entype;
        flt.reverser[0] = r.reverser;
        rel.system_ok[sys_throttle] = r.throttle_works;
        flt.throttle[0] = r.throttle_works ? 0.0f : 0.3f;
        flt.throttle_req[0] = r.lever;
        update_flight();
        EXPECT_NEAR(flt.throttle[0], r.expect, 1e-6f);
    }
}

TEST_F(FlightStep, FuelFlowByPowerOrThrustTheAfterburnerDoublesIt)
{
    aloft();
    rel.system_ok[sys_throttle] = 0;   // the throttle holds where it is set
    flt.engine_running[0] = 1;
    flt.power[0] = -60000;   // a windmilling propeller burns as for its power's size
    update_flight();
    EXPECT_FLOAT_EQ(flt.fuel_flow[0], burnin_fuel(60000));

    pln[0].entype = 4;
    pln[0].burnerinc = 1.5f;
    flt.thrust_now[0] = 8000;
    flt.throttle[0] = 1.0f;
    update_flight();
    EXPECT_EQ(flt.burner_on[0], 1);
    EXPECT_FLOAT_EQ(flt.fuel_flow[0], 2 * burnin_fuel(8000));

    flt.reverser[0] = 1;   // no afterburner in reverse
    update_flight();
    EXPECT_EQ(flt.burner_on[0], 0);
    EXPECT_FLOAT_EQ(flt.fuel_flow[0], burnin_fuel(8000));

    flt.engine_running[0] = 0;
    update_flight();
    EXPECT_EQ(flt.fuel_flow[0], 0.0f);
}

// ---- traffic -------------------------------------------------------------------

static float bearing(double dx, double dz) { return fltwrap((float)(atan2(dx, -dz) * 180 / acos(-1.0)), 0, 360); }
static float turn_between(float a, float b) { return fabsf(fltwrap(fltwrap(a - b, -180, 180), -180, 180)); }

TEST_F(FlightStep, TrafficThatLeavesTheSquareComesBackOnItsCircleHeadingIn)
{
    const float R = 40 * nm;
    aloft();
    msc.sim_time = 5;
    set.tow_hold = set.tow_on = set.drop_on = 0;
    for (int i = 1; i < flt_aircraft; i++) {   // all within the square, heading north at 50 m/s
        flt.pos_x[i] = flt.pos_x[0] + 1000 * i;
        flt.pos_y[i] = flt.pos_y[0];
        flt.pos_z[i] = flt.pos_z[0] + 500;
        flt.psi[i] = 0;
        flt.theta[i] = 0;
        flt.gnd_speed[i] = 50;
    }
    flt.pos_x[2] = flt.pos_x[0] - (R + 1);   // the user is 40 nm and a metre east of it
    double x3 = flt.pos_x[3], z3 = flt.pos_z[3];

    update_flight();
    double dx = flt.pos_x[2] - flt.pos_x[0], dz = flt.pos_z[2] - flt.pos_z[0];
    EXPECT_NEAR(hypot(dx, dz), R, 0.5);
    EXPECT_LE(turn_between(flt.psi[2], bearing(-dx, -dz)), 45.0f) << "heads back towards the user";
    EXPECT_NEAR(flt.gnd_speed[2], 1.7f * msc.vstall, 1e-4f);
    EXPECT_EQ(flt.theta[2], 0);
    EXPECT_EQ(flt.phi[2], 0);
    EXPECT_LE(fabs(flt.pos_y[2] - flt.pos_y[0]), 3000.5);
    EXPECT_GE(flt.pos_y[2], env.ground_h + 300 - 0.01);

    // One inside the square flies on: north by 50 m/s for a frame.
    EXPECT_NEAR(flt.pos_x[3], x3, 1e-6);
    EXPECT_NEAR(flt.pos_z[3], z3 - 50 * msc.dt, 1e-3);
}

TEST_F(FlightStep, InTheFirstSecondAllTrafficIsPlacedAroundTheUser)
{
    const float R = 40 * nm;
    aloft();
    for (int i = 1; i < flt_aircraft; i++) flt.pos_x[i] = flt.pos_z[i] = 0;   // never placed
    flt.pos_x[4] = flt.pos_x[0] + 10;   // placed: it goes to the circle
    update_flight();
    for (int i = 1; i < flt_aircraft; i++) {
        SCOPED_TRACE(i);
        double dx = flt.pos_x[i] - flt.pos_x[0], dz = flt.pos_z[i] - flt.pos_z[0];
        if (i == 4) {
            EXPECT_NEAR(hypot(dx, dz), R, 0.5);
        } else {
            EXPECT_LE(hypot(dx, dz), R + 0.5);
        }
        EXPECT_LE(turn_between(flt.psi[i], bearing(-dx, -dz)), 45.01f);
    }
}

TEST_F(FlightStep, TowAndDropAircraftStayWithTheGlider)
{
    struct row {
        const char* what;
        int tow_hold, tow_on, drop_on;
    } rows[] = {{"tow waiting", 1, 0, 0}, {"on tow", 0, 1, 0}, {"drop", 0, 0, 1}};
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        set_fltvars(place_runway, place_on_runway);
        aloft();
        set.tow_hold = r.tow_hold;
        set.tow_on = r.tow_on;
        set.drop_on = r.drop_on;
        double x0 = flt.pos_x[0];
        flt.pos_x[1] = x0 + 20;   // the first second respawns all others
        flt.pos_z[1] = flt.pos_z[0];
        flt.gnd_speed[1] = 0;
        flt.psi[1] = 90;
        update_flight();
        EXPECT_NEAR(flt.pos_x[1] - x0, 20, 1e-3) << "not sent 40 nm away";
        EXPECT_TRUE(std::isfinite(flt.psi[1])) << "no turn at rest";
        if (r.drop_on) {
            EXPECT_NEAR(flt.pos_y[1], 45000 * con.fttomtrs, 0.01);
            EXPECT_NEAR(flt.gnd_speed[1], 500 * con.ktstomsc, 1e-3f);
            EXPECT_EQ(flt.psi[1], 0.0f);
        } else {
            EXPECT_EQ(flt.psi[1], 90.0f);
        }
    }
}

TEST_F(FlightStep, TowPlaneAcceleratesClimbsAndBanksLeftOnceFlying)
{
    aloft();
    set.tow_on = 1;
    msc.sim_time = 5;
    msc.dt = 0.1f;
    flt.pos_x[1] = flt.pos_x[0] + 60;
    flt.pos_z[1] = flt.pos_z[0];
    flt.pos_y[1] = flt.pos_y[0];
    flt.psi[1] = 90;
    flt.gnd_speed[1] = 30;
    double y = flt.pos_y[1];
    update_flight();
    EXPECT_NEAR(flt.gnd_speed[1], 30 + 2 * 0.1f, 1e-4f) << "0.4 x 5 m/s, held to 2";
    EXPECT_NEAR(flt.pos_y[1], y + 0.5f * (30.2f - 25) * 0.1f, 1e-3);
    EXPECT_EQ(flt.phi[1], 0.0f) << "no bank below 34.9 m/s";
    EXPECT_EQ(flt.psi[1], 90.0f);

    flt.gnd_speed[1] = 40;
    for (int f = 0; f < 200; f++) {
        set.tow_on = 1;   // the tow plane alone: the rope's release is the build-up's
        update_flight();
    }
    EXPECT_NEAR(flt.phi[1], -10, 0.11f) << "banks at a degree a second, to 10";
    EXPECT_LT(flt.psi[1], 90.0f) << "a left turn";
}

TEST_F(FlightStep, TrafficBeyondTheRegionClimbsOutOfTheEdgeCellsGround)
{
    aloft();
    msc.sim_time = 5;
    // The user close to the region's north-east corner; traffic past it.
    flt.pos_x[0] = env.reg_east_x - 1000;
    flt.pos_z[0] = env.reg_north_z + 1000;
    for (int i = 1; i < flt_aircraft; i++) {
        flt.pos_x[i] = env.reg_east_x + 5000;
        flt.pos_z[i] = env.reg_north_z - 5000;
        flt.pos_y[i] = planexyz[region_grid_x - 1][region_grid_z - 1][1] + 100;
        flt.gnd_speed[i] = 0;
    }
    double y = flt.pos_y[5];
    update_flight();
    EXPECT_NEAR(flt.pos_y[5], y + 5 * msc.dt, 1e-3);
}

// ---- ships ---------------------------------------------------------------------

TEST_F(FlightStep, ShipsSteamOnAndTurnRightAwayFromACoast)
{
    // Water in cells 70..110 by 60..100, land all round it.
    for (int i = 70; i <= 110; i++)
        for (int j = 60; j <= 100; j++) is_water[i][j] = 1;
    struct row {
        const char* what;
        int ship, i, j;
        float hdg, turn;
    } rows[] = {
        {"open water", 0, 90, 80, 90, 0},
        {"land ahead to the east", 0, 107, 80, 90, 2.25f},
        {"the same land behind", 0, 107, 80, 270, 0},
        {"land ahead to the west", 0, 73, 80, 200, 2.25f},
        {"land ahead to the north", 1, 90, 97, 350, 1.5f},
        {"land ahead to the south", 1, 90, 63, 180, 1.5f},
        {"the grid's west edge", 0, 3, 80, 270, 2.25f},
        {"the grid's north edge", 0, 90, 156, 10, 2.25f},
        {"the grid's east edge", 0, 175, 80, 100, 2.25f},
        {"the grid's south edge", 1, 90, 2, 120, 1.5f},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        set_fltvars(place_runway, place_on_runway);
        aloft();
        msc.dt = 0.05f;
        int s = r.ship;
        env.ship_x[s] = 0.5f * (planexyz[r.i][r.j][0] + planexyz[r.i + 1][r.j + 1][0]);
        env.ship_z[s] = 0.5f * (planexyz[r.i][r.j][2] + planexyz[r.i + 1][r.j + 1][2]);
        env.ship_hdg[s] = r.hdg;
        float x = env.ship_x[s], z = env.ship_z[s], v = s ? 10.0f : 15.0f;
        update_flight();
        EXPECT_NEAR(env.ship_turn[s], r.turn, 1e-5f);
        EXPECT_NEAR(env.ship_hdg[s], r.hdg + r.turn * 0.05f, 1e-4f) << "always to the right";
        EXPECT_NEAR(env.ship_x[s], x + v * 0.05f * sinf(r.hdg * con.degtorad), 0.02f);
        EXPECT_NEAR(env.ship_z[s], z - v * 0.05f * cosf(r.hdg * con.degtorad), 0.02f);
    }
}

TEST_F(FlightStep, AShipOutsideTheRegionStaysAndOneUnderTheUserKeepsToTheSea)
{
    aloft();
    // The loader put both ships on the region's sea; the frigate is sent beyond its west edge.
    const float far = env.reg_west_x - 50000;
    env.ship_x[1] = far;
    // The carrier on open sea, clear of any shore, with the user on its deck.
    int si = -1, sj = -1;
    for (int i = 12; i < 160 && si < 0; i++)
        for (int j = 12; j < 140 && si < 0; j++) {
            int all = 1;
            for (int di = -4; di <= 5 && all; di++)
                for (int dj = -4; dj <= 5 && all; dj++) all = is_water[i + di][j + dj] != 0;
            if (all) si = i, sj = j;
        }
    ASSERT_GE(si, 0) << "no open sea in the region";
    env.ship_x[0] = 0.5f * (planexyz[si][sj][0] + planexyz[si + 1][sj + 1][0]);
    env.ship_z[0] = 0.5f * (planexyz[si][sj][2] + planexyz[si + 1][sj + 1][2]);
    env.ship_y[0] = 50;
    env.on_carrier = 1;
    for (int f = 0; f < 10; f++) update_flight();
    EXPECT_NEAR(env.ship_y[0], 0, 0.01f) << "on the sea, not lifted by its own deck";
    EXPECT_EQ(env.ship_x[1], far);
}

TEST_F(FlightStep, ShipsPitchAndRollWithTheSea)
{
    atm.wave_height = 2;
    struct row {
        int ship;
        float w, pitch, roll;
    } rows[] = {{place_frigate, 1.5f, 3.0f, 6.0f}, {place_carrier, 0.7f, 1.0f, 3.0f}, {1603, 0.7f, 1.0f, 3.0f}};
    for (const row& r : rows) {
        SCOPED_TRACE(r.ship);
        for (float t : {0.3f, 2.0f, 7.7f}) {
            msc.sim_time = t;
            float pitch, roll;
            EXPECT_NEAR(the_dot_now(&pitch, r.ship), r.w * r.pitch * cosf(r.w * t), 1e-5f);
            EXPECT_NEAR(pitch, r.pitch * sinf(r.w * t), 1e-5f);
            EXPECT_NEAR(phi_dot_now(&roll, r.ship), r.w * r.roll * cosf(r.w * t), 1e-5f);
            EXPECT_NEAR(roll, r.roll * sinf(r.w * t), 1e-5f);
        }
    }
}

// ---- the roll pair, clocks, timers ----------------------------------------------

TEST_F(FlightStep, PathRollIsTheRollUnlessTheAirComesFromBehind)
{
    struct row {
        float psi, hpath, phi;
        int tail_first;
    } rows[] = {
        {10, 10, 30, 0}, {10, 100, 30, 0}, {10, 101, -30, 1}, {350, 80, 20, 0}, {350, 170, 20, 1},
        {0, 180, 0, 1},  {0, 180, 45, 1},  {270, 359, -60, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.psi << " " << r.hpath << " " << r.phi);
        aloft();
        flt.psi[0] = r.psi;
        flt.hpath = r.hpath;
        flt.phi[0] = r.phi;
        flt.sin_phi = sinf(r.phi * con.degtorad);
        flt.cos_phi = cosf(r.phi * con.degtorad);
        update_flight();
        // Taken before the half-steps, which turn phi with its rates (none here).
        EXPECT_NEAR(flt.sin_path_roll, sinf(r.phi * con.degtorad), 1e-6f);
        EXPECT_NEAR(flt.cos_path_roll, (r.tail_first ? -1 : 1) * cosf(r.phi * con.degtorad), 1e-6f);
    }
}

TEST_F(FlightStep, ClocksRunTheirOwnWays)
{
    aloft();
    msc.dt = 0.1f;
    flt.lon = -117.24f;   // zone -8
    struct row {
        float tod;
        int timer_on;
        float timer;
        float tod_after, zulu_after, timer_after;
        int night;
    } rows[] = {
        {57600, 0, 5, 57600.1f, 57600.1f + 28800 - 86400, 5, 0},
        {86399.95f, 1, 3599.95f, 0.05f, 28800.05f, 0.05f, 1},
        {4 * 3600, 1, 10, 4 * 3600 + 0.1f, 12 * 3600 + 0.1f, 10.1f, 1},
        {19.5f * 3600, 0, 0, 19.5f * 3600 + 0.1f, 3.5f * 3600 + 0.1f, 0, 1},
        {12 * 3600, 0, 0, 12 * 3600 + 0.1f, 20 * 3600 + 0.1f, 0, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.tod);
        msc.time_of_day = r.tod;
        msc.timer_on = r.timer_on;
        msc.timer = r.timer;
        msc.night_time = 0;
        update_flight();
        EXPECT_NEAR(msc.time_of_day, r.tod_after, 0.01f);
        EXPECT_NEAR(msc.tod_zone, r.zulu_after, 0.01f);
        EXPECT_NEAR(msc.timer, r.timer_after, 0.01f);
        EXPECT_NEAR(msc.night_time, r.night ? 0.1f : 0.0f, 1e-6f);
    }
}

TEST_F(FlightStep, InstrumentTimeInCloudOrBetweenLayers)
{
    const float v3 = 3 * nm;
    struct row {
        const char* what;
        int below, above, cover;
        float vis, wx;
        int counts;
    } rows[] = {
        {"under the base in poor visibility", 1, 0, 3, 2 * nm, 1, 1},
        {"under the base, visibility scaled down", 1, 0, 3, 5 * nm, 0.5f, 1},
        {"under the base, seeing far", 1, 0, 3, v3 + 10, 1, 0},
        {"between base and tops", 0, 0, 4, 20 * nm, 1, 1},
        {"between them on a clear day", 0, 0, 1, 20 * nm, 1, 0},
        {"over the tops", 0, 1, 4, 1 * nm, 1, 0},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        aloft();
        msc.dt = 0.1f;
        scn.below_clouds = r.below;
        scn.above_clouds = r.above;
        atm.cloud_type = r.cover;
        atm.visibility = r.vis;
        atm.wx_factor = r.wx;
        msc.instrument_time = 0;
        update_flight();
        EXPECT_NEAR(msc.instrument_time, r.counts ? 0.1f : 0.0f, 1e-6f);
    }
}

TEST_F(FlightStep, TimedFailuresCountDownInHours)
{
    aloft();
    msc.dt = 0.1f;
    for (int k = 0; k < fail_slots; k++) {
        rel.fail_mode[k] = k % 5 + 1;
        rel.fail_time[k] = 2;
    }
    update_flight();
    for (int k = 0; k < fail_slots; k++)
        EXPECT_FLOAT_EQ(rel.fail_time[k], rel.fail_mode[k] == fail_at_time ? 2 - 0.1f / 3600 : 2) << k;
}

// ---- crash ---------------------------------------------------------------------

// What a crash leaves: the count, the wait on the host clock, the crash
// sound and a new flight at the runway's start.
struct crash_outcome {
    int crashes;
    unsigned waited_ms;
    int boom;
    double x, z;
};

static crash_outcome frame_and_look(void)
{
    host_test_clock(1000, 0);
    int before = msc.crash_count;
    update_flight();
    crash_outcome c;
    c.crashes = msc.crash_count - before;
    c.waited_ms = host_ticks_ms() - 1000;
    c.boom = host_test_voice_state(snd_boom).playing;
    c.x = flt.pos_x[0];
    c.z = flt.pos_z[0];
    return c;
}

TEST_F(FlightStep, CrashesOnlyOnTheGroundPastTheLimits)
{
    struct row {
        const char* what;
        int heli, on_ground;
        float phi, theta, vy, above;   // above: metres of the centre over the ground
        int crashes;
    } rows[] = {
        {"an aeroplane on its side", 0, 1, 110, 0, 0, 1.0f, 0},
        {"an aeroplane on its back", 0, 1, 125, 0, 0, 1.0f, 1},
        {"nose down past the limit", 0, 1, 0, -125, 0, 1.0f, 1},
        {"a helicopter at 40 degrees", 1, 1, 40, 0, 0, 1.0f, 0},
        {"a helicopter at 50 degrees", 1, 1, 50, 0, 0, 1.0f, 1},
        {"sinking too fast", 0, 1, 0, 0, -30, 0, 1},
        {"a firm landing", 0, 1, 0, 0, -8, 0, 0},
        {"under the ground", 0, 1, 0, 0, 0, -0.5f, 1},
        {"upside down in the air", 0, 0, 180, 0, 0, 500, 0},
    };
    const double x0 = flt.pos_x[0], z0 = flt.pos_z[0];
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        set_fltvars(place_runway, place_on_runway);
        pln[0].is_heli = r.heli;
        msc.dt = 0.02f;
        flt.pos_x[0] += 300;   // rolled along the runway
        flt.pos_y[0] = terrain() + (r.above != 0 ? r.above : pln[0].h_eqlbm);
        flt.vel_y = r.vy;
        flt.phi[0] = r.phi;
        flt.theta[0] = r.theta;
        flt.sin_phi = sinf(r.phi * con.degtorad);
        flt.cos_phi = cosf(r.phi * con.degtorad);
        flt.sin_theta = sinf(r.theta * con.degtorad);
        flt.cos_theta = cosf(r.theta * con.degtorad);
        flt.on_ground = r.on_ground;
        crash_outcome c = frame_and_look();
        EXPECT_EQ(c.crashes, r.crashes);
        EXPECT_EQ(c.waited_ms, r.crashes ? 4000u : 0u) << "the crash waits 4 s on the host clock";
        if (r.crashes) {
            EXPECT_EQ(c.boom, 1) << "the crash sound (a hard touch sounds it too)";
            EXPECT_NEAR(c.x, x0, 0.01) << "back on the runway's start";
            EXPECT_NEAR(c.z, z0, 0.01);
        }
        stop_buffer(snd_boom);
    }
}

static std::vector<std::string> notices_after(size_t from)
{
    std::string log = error_out().substr(from);
    std::vector<std::string> firsts;
    // Each alert is four lines; its first says what it is.
    size_t at = 0;
    for (int line = 0; at < log.size(); line++) {
        size_t end = log.find('\n', at);
        if (end == std::string::npos) break;
        if (line % 4 == 0) firsts.push_back(log.substr(at, end - at));
        at = end + 1;
    }
    return firsts;
}

TEST_F(FlightStep, ACrashTellsWhatIceOrAFailedVacuumHadToDoWithIt)
{
    const std::string ice = "The aircraft was carrying ice at time of impact.";
    const std::string carb = "The aircraft was carrying carb ice at time of impact.";
    const std::string vacuum = "Your vacuum system had failed before impact.";
    struct row {
        const char* what;
        float ice_frame, carb_ice;
        int carb_engine, vacuum_ok;
        std::vector<std::string> notices;
    } rows[] = {
        {"nothing to tell", 0.01f, 0.01f, 0, 1, {}},
        {"all three, in order", 0.02f, 0.005f, 3, 0, {ice, carb, vacuum}},
        {"carb ice on the fourth engine, any", 0, 0.005f, 3, 1, {carb}},
        {"a trace on the first is none", 0, 0.005f, 0, 1, {}},
        {"carb ice on the third", 0, 0.02f, 2, 1, {carb}},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        set_fltvars(place_runway, place_on_runway);
        flt.pos_y[0] = terrain() + 0.5f;   // well into the gear
        flt.vel_y = -40;
        flt.on_ground = 1;
        flt.ice_amount = r.ice_frame;
        flt.ice_carb[r.carb_engine] = r.carb_ice;
        rel.system_ok[sys_vacuum] = r.vacuum_ok;
        err.flush();
        size_t from = error_out().size();
        ASSERT_EQ(frame_and_look().crashes, 1);
        err.flush();
        EXPECT_EQ(notices_after(from), r.notices);
    }
    std::string log = error_out();
    EXPECT_NE(log.find("Volanto features realistic gyro spin-down effects, including gyro sluggishness and tumble.\n"),
              std::string::npos);
}

// ---- the force report's head ------------------------------------------------------

TEST_F(FlightStep, ForceReportHeadIsTheGoldenTextAndCoversOneHalfStep)
{
    aloft();
    flt.pos_y[0] = 1234.5;
    flt.psi[0] = 67.25f;
    flt.theta[0] = 2.5f;
    flt.phi[0] = -12.75f;
    flt.V_true = 51.5f;
    flt.mach = 0.152f;
    flt.hpath = 66.0f;
    flt.vpath = -1.5f;
    flt.alpha = 4.0f;
    flt.beta = -0.5f;
    flt.Prad = 0.01f;
    flt.Qrad = -0.02f;
    flt.Rrad = 0.03f;
    trk.close();
    trk.open("Volanto.out", std::ios::out | std::ios::trunc | std::ios::binary);
    set.force_report = 1;
    update_flight();
    trk.close();
    EXPECT_EQ(set.force_report, 0);

    std::string text = read_file("Volanto.out");
    const std::string last = "current sidecant[0]=";
    size_t end = text.find('\n', text.find(last));
    ASSERT_NE(end, std::string::npos) << text;
    std::string diff = golden_diff("report_frame_head_c172.txt", text.substr(0, end + 1));
    EXPECT_TRUE(diff.empty()) << "the force report's head differs from its golden text (VOLANTO_REGOLD=1 rewrites it):\n"
                              << diff;
    // The build-up writes once, in the first half-step.
    const std::string totals = "GRAND TOTALS AT END OF FORCE AND MOMENT BUILD-UP";
    size_t first = text.find(totals);
    ASSERT_NE(first, std::string::npos);
    EXPECT_GT(first, end);
    EXPECT_EQ(text.find(totals, first + 1), std::string::npos);
}

// ---- whole flights --------------------------------------------------------------

static int finite_state(void)
{
    const double v[] = {flt.pos_x[0], flt.pos_y[0], flt.pos_z[0], flt.vel_x, flt.vel_y, flt.vel_z,
                        flt.theta[0], flt.psi[0], flt.phi[0], flt.Prad, flt.Qrad, flt.Rrad,
                        flt.a_x, flt.a_y, flt.a_z, flt.Pdot, flt.Qdot, flt.Rdot,
                        flt.V_true, flt.alpha, flt.beta, flt.lat, flt.lon, atm.rho};
    for (double x : v)
        if (!std::isfinite(x)) return 0;
    return 1;
}

// The brakes set, as the start leaves them. With the engine stopped and the
// propeller still, nothing moves it. Idling, the propeller pushes about
// 200 N, and the wheels, which grip only as they roll (full friction from
// 0.2 m/s), let it creep, under a centimetre a second; the start's propeller,
// faster than idle, first dips the nose on its strut. The start puts it at the
// airport's height, on the runway's deck, which each frame finds under it.
TEST_F(FlightStep, TheCessnaStandsStillOnTheRunwayForAMinute)
{
    struct row {
        const char* what;
        int idling;
        double metres;
        float degrees;
    } rows[] = {{"engine stopped", 0, 0.1, 0.5f}, {"idling on the brakes", 1, 0.6, 2.0f}};
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        set_fltvars(place_runway, place_on_runway);
        ASSERT_EQ(flt.brake_ratio, 1);
        if (!r.idling) {
            flt.mixture[0] = 0;
            flt.engine_speed[0] = 0;
        }
        const float theta = flt.theta[0], psi = flt.psi[0], phi = flt.phi[0];
        const int settle = intround(2 / msc.dt);
        for (int f = 0; f < settle; f++) frame_step();
        EXPECT_EQ(flt.on_ground, 1);
        EXPECT_EQ(env.surface_type, surf_concrete);
        EXPECT_EQ(env.deck_h, chosen_airport_h());
        EXPECT_NEAR(flt.pos_y[0], chosen_airport_h() + pln[0].h_eqlbm, 0.1) << "settled on the deck";
        const double x = flt.pos_x[0], y = flt.pos_y[0], z = flt.pos_z[0];
        double moved = 0;
        float turned = 0;
        int frames = intround(60 / msc.dt);
        for (int f = 0; f < frames; f++) {
            frame_step();
            ASSERT_TRUE(finite_state()) << "frame " << f;
            moved = fmax(moved, sqrt(pow(flt.pos_x[0] - x, 2) + pow(flt.pos_y[0] - y, 2) + pow(flt.pos_z[0] - z, 2)));
            turned = fmaxf(turned, fmaxf(fabsf(flt.theta[0] - theta), fmaxf(fabsf(flt.psi[0] - psi), fabsf(flt.phi[0] - phi))));
        }
        EXPECT_EQ(flt.engine_running[0], r.idling);
        EXPECT_LE(moved, r.metres) << "metres";
        EXPECT_LE(turned, r.degrees) << "degrees";
        EXPECT_EQ(msc.crash_count, 0);
        EXPECT_EQ(flt.on_ground, 1);
    }
}

TEST_F(FlightStep, ReleasedAt3000FeetWithoutThrustItGlidesDownToTheGround)
{
    set.place_lat = flt.lat;
    set.place_lon = flt.lon;
    set.place_alt = terrain() + 3000 * con.fttomtrs;
    set.place_hdg = 67;
    set.place_speed = 80 * con.ktstomsc;
    set_fltvars(place_over_point, 0);
    flt.pos_y[0] = set.place_alt;   // the placement keeps 1000 m clear of the ground; 3000 ft is less
    ASSERT_NEAR(flt.vel_x, 80 * con.ktstomsc * sinf(67 * con.degtorad), 0.01);
    ASSERT_EQ(pln[0].gear_stat[0], pln[0].gear_retract ? 0 : 1);
    for (int e = 0; e < plane_engines; e++) flt.throttle[e] = flt.throttle_req[e] = 0;
    const float y0 = (float)flt.pos_y[0];
    float t = 0, lowest = y0;
    int touched = 0;
    while (t < 900 && !touched) {
        update_flight();
        t += msc.dt;
        ASSERT_TRUE(finite_state()) << "at " << t << " s";
        lowest = fminf(lowest, (float)flt.pos_y[0]);
        touched = flt.on_ground || msc.crash_count > 0;
    }
    EXPECT_TRUE(touched) << "still " << flt.pos_y[0] - terrain() << " m up after " << t << " s";
    EXPECT_LT(lowest, terrain() + 10);
    EXPECT_GT(t, 30.0f) << "a glide, not a fall";
}

TEST_F(FlightStep, AForcedCrashTellsItsNoticesAndStartsAgainOnTheRunway)
{
    const double x0 = flt.pos_x[0], y0 = flt.pos_y[0], z0 = flt.pos_z[0];
    flt.pos_y[0] += 30;
    flt.vel_y = -30;   // flown into the ground
    flt.ice_amount = 0.05f;
    rel.system_ok[sys_vacuum] = 0;
    int frames = 0;
    host_test_clock(1000, 0);
    while (msc.crash_count == 0 && frames < 100) {
        update_flight();
        frames++;
    }
    ASSERT_EQ(msc.crash_count, 1);
    EXPECT_EQ(host_ticks_ms(), 5000u);
    EXPECT_EQ(notices_after(0), (std::vector<std::string>{"The aircraft was carrying ice at time of impact.",
                                                          "Your vacuum system had failed before impact."}));
    EXPECT_NEAR(flt.pos_x[0], x0, 0.01);
    EXPECT_NEAR(flt.pos_y[0], y0, 0.01);
    EXPECT_NEAR(flt.pos_z[0], z0, 0.01);
    EXPECT_EQ(flt.vel_y, 0);
    EXPECT_EQ(msc.frame_count, 0);
    EXPECT_EQ(rel.system_ok[sys_vacuum], 1);
    // And it stands there again, on the runway's deck where it started.
    for (int f = 0; f < 40; f++) frame_step();
    EXPECT_EQ(msc.crash_count, 1);
    EXPECT_EQ(flt.on_ground, 1);
    EXPECT_NEAR(flt.pos_y[0], chosen_airport_h() + pln[0].h_eqlbm, 0.1);
    EXPECT_NEAR(flt.pos_y[0], y0, 0.1);
}

// ---- moving tail first -----------------------------------------------------------

// Where set_a2 sends a pure aerodynamic normal force of 1 N per kg, as a unit
// vector east, north, up, with the path pair the frame left.
static void normal_force_direction(double out[3])
{
    flt.F_prop_axial = flt.F_prop_side = flt.F_prop_normal = 0;
    flt.F_gear_axial = flt.F_gear_side = flt.F_gear_vertical = 0;
    flt.F_aero_axial = flt.F_aero_side = 0;
    flt.F_aero_normal = flt.mass_now;
    flt.ice_amount = 0;
    atm.g_accel = 0;
    set.tow_hold = set.tow_on = 0;
    set_a2();
    out[0] = flt.a_x;
    out[1] = -flt.a_z;
    out[2] = flt.a_y;
}

// The build-up's own lift axis: the body's normal turned back by the angle
// of attack (addFaero turns its moments so), in east, north, up. Heading
// clockwise from north, pitch nose up, roll right wing down.
static void lift_axis(double out[3])
{
    const double r = acos(-1.0) / 180, p = flt.psi[0] * r, t = flt.theta[0] * r, f = flt.phi[0] * r;
    const double a = flt.alpha * r;
    const double f0[3] = {sin(p), cos(p), 0}, r0[3] = {cos(p), -sin(p), 0}, u0[3] = {0, 0, 1};
    for (int k = 0; k < 3; k++) {
        double fwd = f0[k] * cos(t) + u0[k] * sin(t), up = u0[k] * cos(t) - f0[k] * sin(t);
        double body_up = up * cos(f) + r0[k] * sin(f);
        out[k] = sin(a) * fwd + cos(a) * body_up;
    }
}

// Flying tail first, lift is taken about the reversed air path; the pair
// must turn it onto the same axis the build-up turns its moments with, at
// any roll: in forward flight that is the roll itself, tail first the roll
// 180 - phi. The pair that copies the roll would point the lift the other way.
TEST_F(FlightStep, TheLiftOfTheAirPathLiesOnTheBuildUpsLiftAxisTailFirstToo)
{
    struct row {
        float phi, vy;
    } rows[] = {{0, -3}, {0, 3}, {30, -3}, {30, 3}, {-30, -3}, {-30, 3}};
    for (int forwards = 0; forwards < 2; forwards++)
        for (const row& r : rows) {
            SCOPED_TRACE(testing::Message() << (forwards ? "forwards" : "tail first") << ", roll " << r.phi
                                            << ", vertical speed " << r.vy);
            set_fltvars(place_runway, place_on_runway);
            aloft();
            msc.dt = 0.01f;
            float psi = flt.psi[0] * con.degtorad, v = forwards ? 30.0f : -30.0f;
            flt.vel_x = v * sinf(psi);
            flt.vel_z = -v * cosf(psi);
            flt.vel_y = r.vy;
            flt.theta[0] = 0;
            flt.phi[0] = r.phi;
            // The air data and paths of this motion, before the frame reads them.
            msc.dt = 0;
            integ_vx();
            msc.dt = 0.01f;
            ASSERT_EQ(fabsf(fltwrap(flt.hpath - flt.psi[0], -180, 180)) > 90, !forwards);
            update_flight();

            double got[3], want[3];
            normal_force_direction(got);
            lift_axis(want);
            double dot = got[0] * want[0] + got[1] * want[1] + got[2] * want[2];
            double angle = acos(fmin(1.0, fmax(-1.0, dot / sqrt(got[0] * got[0] + got[1] * got[1] + got[2] * got[2])))) * 180 / acos(-1.0);
            // Only the sideslip of the rolled cases parts them.
            EXPECT_LT(angle, 1.0) << "degrees between the two";
        }
}

// ---- the periodic systems in flight ----------------------------------------------

TEST_F(FlightStep, TheEngineRunsFromTheFirstSecond)
{
    atm.real_weather = 0;
    ASSERT_EQ(flt.engine_running[0], 0) << "a new flight starts with nothing running";
    float t = 0;
    while (t < 1.0f) {
        update_flight();
        t += msc.dt;
    }
    EXPECT_EQ(flt.engine_running[0], 1);
    EXPECT_GT(flt.fuel, 0.01f);
    EXPECT_EQ(rel.system_ok[sys_engine], 1);
}

TEST_F(FlightStep, OnFinalToRunway06TheLocalizerAndGlideSlopeAreReceived)
{
    atm.real_weather = 0;
    nav.nav1 = 10930;   // ISBD
    set_fltvars(place_runway, place_long_final);
    ASSERT_FALSE(flt.on_ground);
    ASSERT_EQ(pln[0].supptype, 1) << "NAV1 is the first receiver's";
    float t = 0;
    while (t < 2.0f) {
        update_flight();
        t += msc.dt;
    }
    EXPECT_EQ(nav.receiving[recv_nav1], 1);
    EXPECT_STREQ(nav.ident[recv_nav1], "ISBD");
    EXPECT_NEAR(nav.gs_angle[recv_nav1], 3.0f, 1e-4f);
    EXPECT_EQ(nav.tofrom[recv_nav1], 1);
    // Placed on the centre line on a 3 degree path from the threshold: both
    // needles near their middles.
    EXPECT_LT(fabsf(nav.cdi[recv_nav1]), 1.0f);
    EXPECT_LT(fabsf(nav.gsi[recv_nav1]), 2.0f);
}

TEST_F(FlightStep, TheStallHornSoundsAsTheWingNearsItsStall)
{
    atm.real_weather = 0;
    set_fltvars(place_runway, place_long_final);
    ASSERT_EQ(rel.system_ok[sys_electrical], 1);
    stop_buffer(snd_stall);
    // Hands off at 1.2 times the stall speed: no horn.
    float t = 0;
    while (t < 5.0f) {
        update_flight();
        t += msc.dt;
        ASSERT_EQ(host_test_voice_state(snd_stall).playing, 0) << "at " << t << " s, " << flt.ias_kts << " kt";
    }
    // The yoke eased back, slowly: the speed bleeds off toward the stall.
    int wing_stalled_before_horn = 0, horn = 0;
    while (t < 65.0f && !horn) {
        set.pitch_key = fminf(0.02f * (t - 5.0f), 1.0f);
        update_flight();
        t += msc.dt;
        horn = host_test_voice_state(snd_stall).playing;
        if (!horn && flt.part_stalled[part_wing_first]) wing_stalled_before_horn = 1;
    }
    ASSERT_TRUE(horn) << "no horn in " << t << " s";
    EXPECT_TRUE(host_test_voice_state(snd_stall).looping);
    EXPECT_EQ(flt.stall_warn, 1);
    EXPECT_FALSE(wing_stalled_before_horn) << "the horn comes before the wing stalls";
    // The yoke forward: the horn stops within a tenth of the warning's end.
    float quiet_at = -1;
    while (t < 90.0f && quiet_at < 0) {
        set.pitch_key = -0.3f;
        update_flight();
        t += msc.dt;
        if (!host_test_voice_state(snd_stall).playing) quiet_at = t;
    }
    EXPECT_GT(quiet_at, 0.0f) << "the horn still sounds";
    EXPECT_EQ(flt.stall_warn, 0);
    EXPECT_EQ(msc.crash_count, 0);
}
