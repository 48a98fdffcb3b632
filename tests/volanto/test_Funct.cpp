// Force accumulators and flight utilities: each accumulator in its own frame
// against hand-worked numbers, the gauge full scales, fuel flow, the local
// metres of a latitude and longitude, the lights' blink and the wind layers.
#include <gtest/gtest.h>

#include "Funct.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>

static const float deg = 3.14159265f / 180;

class Flight : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_set_constants();
        reset_suite_state();
        memset(planexyz, 0, sizeof planexyz);
    }
    static void attitude(float alpha, float beta)
    {
        flt.sin_alpha = sinf(alpha * deg);
        flt.cos_alpha = cosf(alpha * deg);
        flt.sin_beta = sinf(beta * deg);
        flt.cos_beta = cosf(beta * deg);
    }
};

// ---- accumulators --------------------------------------------------------

struct sums {
    float prop[3], aero[3], gear[3], pitch, yaw, roll;
};

static sums now(void)
{
    return sums{{flt.F_prop_axial, flt.F_prop_side, flt.F_prop_normal},
                {flt.F_aero_axial, flt.F_aero_side, flt.F_aero_normal},
                {flt.F_gear_axial, flt.F_gear_side, flt.F_gear_vertical},
                flt.M_pitch, flt.M_yaw, flt.M_roll};
}

// 10 N with arms 2 and 3 m: forward thrust above the centre of gravity
// pitches the nose down, a side force above it rolls, and so on.
TEST_F(Flight, PropulsiveAndContactAccumulatorsAddForceAndArmMoments)
{
    struct { const char* what; void (*add)(float, float, float); int group, axis; float pitch, yaw, roll; } cases[] = {
        {"addFaprop", addFaprop, 0, 0, -30, -20, 0},
        {"addFsprop", addFsprop, 0, 1, 0, -30, 20},
        {"addFnprop", addFnprop, 0, 2, -30, 0, -20},
        {"addFagear", addFagear, 2, 0, -30, -20, 0},
        {"addFsgear", addFsgear, 2, 1, 0, -30, 20},
        {"addFngear", addFngear, 2, 2, -30, 0, -20},
    };
    for (auto& c : cases) {
        memset(&flt, 0, sizeof flt);
        flt.M_pitch = 1;    // the moments add to what is there
        c.add(10, 2, 3);
        c.add(-4, 0, 0);
        sums s = now();
        for (int g = 0; g < 3; g++)
            for (int a = 0; a < 3; a++) {
                float want = g == c.group && a == c.axis ? 6.0f : 0.0f;
                float got = g == 0 ? s.prop[a] : g == 1 ? s.aero[a] : s.gear[a];
                EXPECT_EQ(got, want) << c.what << " group " << g << " axis " << a;
            }
        EXPECT_FLOAT_EQ(s.pitch, 1 + c.pitch) << c.what;
        EXPECT_FLOAT_EQ(s.yaw, c.yaw) << c.what;
        EXPECT_FLOAT_EQ(s.roll, c.roll) << c.what;
    }
}

TEST_F(Flight, AerodynamicSumsStayInFlightPathAxesAndMomentsTurnIntoBodyAxes)
{
    struct { float alpha, beta, a, s, n, x, y, z, pitch, yaw, roll; } cases[] = {
        // Lift ahead of the centre of gravity (z is rearward) pitches the nose up.
        {0, 0, 0, 0, 100, 0, 0, -1, 100, 0, 0},
        // Drag above it pitches up too; out on the right wing it yaws.
        {0, 0, -50, 0, 0, 3, 2, 0, 100, 150, 0},
        // At 30 degrees of attack: lift tilts forward, drag tilts up.
        // N = 100 cos30 + 10 sin30 = 91.6025, R = -(-10 cos30 + 100 sin30) = -41.3397
        {30, 0, -10, 0, 100, 1, 0.5f, -2, -41.3397f * 0.5f + 91.6025f * 2, -41.3397f, -91.6025f},
        // Side-slipping at 90 degrees the side force acts along the body.
        {0, 90, 0, 10, 0, 0, 1, 0, -10, 0, 0},
        // 20 degrees of sideslip: a' = -50 cos20 + 20 sin20, s' = 20 cos20 + 50 sin20.
        {0, 20, -50, 20, 0, 1, 2, 3, 2 * (50 * 0.939693f - 20 * 0.342020f),
         (50 * 0.939693f - 20 * 0.342020f) - 3 * (20 * 0.939693f + 50 * 0.342020f),
         2 * (20 * 0.939693f + 50 * 0.342020f)},
    };
    for (auto& c : cases) {
        memset(&flt, 0, sizeof flt);
        attitude(c.alpha, c.beta);
        addFaero(c.a, c.s, c.n, c.x, c.y, c.z);
        EXPECT_EQ(flt.F_aero_axial, c.a);
        EXPECT_EQ(flt.F_aero_side, c.s);
        EXPECT_EQ(flt.F_aero_normal, c.n);
        EXPECT_NEAR(flt.M_pitch, c.pitch, 0.01f) << c.alpha << " " << c.beta;
        EXPECT_NEAR(flt.M_yaw, c.yaw, 0.01f) << c.alpha << " " << c.beta;
        EXPECT_NEAR(flt.M_roll, c.roll, 0.01f) << c.alpha << " " << c.beta;
        EXPECT_EQ(flt.F_prop_axial + flt.F_gear_axial, 0.0f);
    }
}

// ---- gauge full scales ---------------------------------------------------

TEST_F(Flight, GaugeFullScaleIsOneTwoOrFiveTimesAPowerOfTen)
{
    struct { float v; int full; } cases[] = {
        {2700, 3000}, {2999, 3500}, {95, 110}, {0, 10}, {-5, 10}, {100, 110}, {100.5f, 120},
        {500000, 550000},      // the thresholds are strict
        {500001, 600000}, {250001, 300000}, {1001, 1200}, {24, 30}, {25, 40},
        {NAN, 0}, {INFINITY, 0}, {-INFINITY, 0}, {3e9f, 0},
    };
    for (auto& c : cases) EXPECT_EQ(gage_me(c.v), c.full) << c.v;
}

TEST_F(Flight, EngineGaugeMaxima)
{
    // 2700 engine rpm through a 2:1 reduction: the propeller turns at 1350.
    pln[0].gearrat = 2;
    pln[0].omegamax = 2700 * con.rpmtorsc / 2;
    EXPECT_EQ(tac_max(), 3000.0f);
    // A jet has no gear ratio: its speeds are infinite and the tachometer has no scale.
    pln[0].gearrat = 0;
    pln[0].omegamax = INFINITY;
    EXPECT_EQ(tac_max(), 0.0f);
    pln[0].mpmax = 30;
    EXPECT_EQ(mpr_max(), 30.0f);
    EXPECT_EQ(n1__max(), 100.0f);
    EXPECT_EQ(trq_max(), 100.0f);

    // 160 hp at 0.5 lb/h per hp: 80 lb/h at full power.
    pln[0].entype = 1;
    pln[0].pmax = 160 * con.hptowatt;
    pln[0].sfc = 0.5f;
    EXPECT_EQ(ff__max(), 90.0f);
    // A jet of 1000 lb at 0.8 lb/h per lb: 800 lb/h; with an afterburner the
    // scale is taken at three times the thrust (0.05 + 0.95 x 3 of 800, 2320).
    pln[0].entype = 4;
    pln[0].tmax = 1000 * con.lbstontn;
    pln[0].sfc = 0.8f;
    EXPECT_EQ(ff__max(), 900.0f);
    pln[0].burnerinc = 500 * con.lbstontn;
    EXPECT_EQ(ff__max(), 2600.0f);
    pln[0].entype = 0;
    EXPECT_EQ(ff__max(), 0.0f);
}

// ---- fuel flow -----------------------------------------------------------

static float lbh(float kgs) { return kgs * 3600 * 2.2046226f; }

TEST_F(Flight, FuelFlowRunsFromTheIdleFloorAlongAStraightLine)
{
    pln[0].pmax = 200 * con.hptowatt;   // 200 hp at 0.5: 100 lb/h at full power
    pln[0].sfc = 0.5f;
    pln[0].tmax = 2000 * con.lbstontn;  // 2000 lb at 0.6: 1200 lb/h
    pln[0].fmax = 2000 * con.lbstontn;
    struct { int type; float share; float lb_h; } cases[] = {
        {1, 0.0f, 1}, {2, -0.5f, 1},             // idle floor, 1% of full flow; negative power too
        {1, 0.5f, 50.5f}, {1, 1.0f, 100}, {1, 2.0f, 199},   // not clamped above
        {3, 0.0f, 5}, {3, 1.0f, 100},
        {4, 0.0f, 60}, {5, 0.5f, 630}, {4, 1.0f, 1200},
        {6, 0.0f, 0}, {6, 1.0f, 1200},           // a rocket burns nothing when it is off
        {0, 1.0f, 0}, {7, 1.0f, 0},
    };
    for (auto& c : cases) {
        pln[0].entype = c.type;
        pln[0].sfc = c.type >= 4 ? 0.6f : 0.5f;
        float full = c.type >= 6 ? pln[0].fmax : c.type >= 4 ? pln[0].tmax : pln[0].pmax;
        EXPECT_NEAR(lbh(burnin_fuel(c.share * full)), c.lb_h, c.lb_h * 1e-4f + 1e-4f) << c.type << " at " << c.share;
    }
    // No power in the design: the idle share, never a division by zero.
    pln[0].entype = 1;
    pln[0].pmax = 0;
    EXPECT_EQ(burnin_fuel(1000), 0.0f);
    EXPECT_FALSE(std::isnan(burnin_fuel(0)));
}

// ---- local metres --------------------------------------------------------

// A region at 33 N, 119 W as the region loader lays it out: each square's
// south-west vertex holds the x of the square's west edge at that latitude.
class Region : public Flight {
protected:
    float mile;
    void SetUp() override
    {
        Flight::SetUp();
        env.reg_lat = 33;
        env.reg_lon = -119;
        env.reg_south_z = 5000;
        mile = 60 * con.nmtomtrs;
        for (int c = 0; c < 3; c++)
            for (int r = 0; r < 2; r++) planexyz[59 * c][79 * r][0] = -3000 + c * mile * cosf((33 + r) * deg);
    }
    // Back from local metres, the way the charts read positions.
    void latlon(float x, float z, float* lat, float* lon)
    {
        *lat = env.reg_lat + (env.reg_south_z - z) / mile;
        int r = intlim(intround(*lat - 0.5f) - env.reg_lat, 0, 1);
        float x0 = planexyz[0][79 * r][0];
        float scale = mile * cosf(*lat * deg);
        int c = intlim((int)floorf((x - x0) / (mile * cosf((33 + r) * deg))), 0, 2);
        *lon = env.reg_lon + c + (x - planexyz[59 * c][79 * r][0]) / scale;
    }
};

TEST_F(Region, ZIsOneNauticalMilePerMinuteSouthOfTheRegionEdge)
{
    EXPECT_EQ(Z_with_lat(33), 5000.0f);
    EXPECT_NEAR(Z_with_lat(34), 5000 - 111120, 0.05f);
    EXPECT_NEAR(Z_with_lat(33.5f), 5000 - 55560, 0.05f);
    EXPECT_NEAR(Z_with_lat(32), 5000 + 111120, 0.05f);   // south of the region: z grows
}

TEST_F(Region, XIsAnchoredAtEachSquaresVertexWithTheLatitudesOwnScale)
{
    EXPECT_EQ(X_with_latlon(33, -119), -3000.0f);      // the south-west corner is that vertex
    EXPECT_NEAR(X_with_latlon(33.5f, -118.5f), -3000 + 0.5f * mile * cosf(33.5f * deg), 0.05f);
    EXPECT_NEAR(X_with_latlon(34.2f, -116.5f), planexyz[118][79][0] + 0.5f * mile * cosf(34.2f * deg), 0.05f);
    // Outside the region the edge squares carry on.
    EXPECT_NEAR(X_with_latlon(33.5f, -119.5f), -3000 - 0.5f * mile * cosf(33.5f * deg), 0.05f);
    EXPECT_NEAR(X_with_latlon(36, -115), planexyz[118][79][0] + 2.0f * mile * cosf(36 * deg), 0.1f);
}

TEST_F(Region, XIsContinuousAcrossTheSquaresOnTheirSouthEdges)
{
    for (float lon : {-118.0f, -117.0f})
        for (float lat : {33.0f, 34.0f}) {
            float west = X_with_latlon(lat, lon - 1e-3f), east = X_with_latlon(lat, lon + 1e-3f);
            EXPECT_NEAR(east - west, 2e-3f * mile * cosf(lat * deg), 2.0f) << lat << " " << lon;
        }
}

TEST_F(Region, PositionsComeBackThroughTheLocalFrame)
{
    for (float lat = 33.05f; lat < 35; lat += 0.3f)
        for (float lon = -118.95f; lon < -116; lon += 0.35f) {
            float x = X_with_latlon(lat, lon), z = Z_with_lat(lat), lat2, lon2;
            latlon(x, z, &lat2, &lon2);
            EXPECT_NEAR(lat2, lat, 1e-4f);
            EXPECT_NEAR(lon2, lon, 1e-4f) << lat;
        }
}

// ---- lights and wind -----------------------------------------------------

TEST_F(Flight, PulseBlinksWithAPeriodOfPiSeconds)
{
    msc.sim_time = 0;
    EXPECT_NEAR(pulse(0), 0.5f, 1e-6f);
    EXPECT_NEAR(pulse(3.14159265f / 4), 1.0f, 1e-6f);
    EXPECT_NEAR(pulse(-3.14159265f / 4), 0.0f, 1e-6f);
    msc.sim_time = 10;
    EXPECT_NEAR(pulse(0.3f), pulse(0.3f + 3.14159265f), 1e-4f);
    EXPECT_NEAR(pulse(-10), 0.5f, 1e-6f);
}

static void set_layers(float dir, float value)
{
    for (int l = 0; l < 3; l++) {
        atm.wind_layer[l][wl_wind_dir] = dir + 10 * l;
        atm.wind_layer[l][wl_wind_speed] = value;
        atm.wind_layer[l][wl_shear_speed] = value;
        atm.wind_layer[l][wl_shear_dir] = value;
        atm.wind_layer[l][wl_turbulence] = value;
    }
}

TEST_F(Flight, CalmSettingDrawsTheLayersTowardStillAirAtTheSurfaceDirection)
{
    atm.wind_turbulence = 1;        // f = 0: every target but the direction is 0
    set_layers(200, 20);
    assign_wind_tbl(0.1f);          // a tenth of the way
    for (int l = 0; l < 3; l++) {
        EXPECT_NEAR(atm.wind_layer[l][wl_wind_speed], 18, 1e-4f) << l;
        EXPECT_NEAR(atm.wind_layer[l][wl_shear_speed], 18, 1e-4f) << l;
        EXPECT_NEAR(atm.wind_layer[l][wl_shear_dir], 18, 1e-4f) << l;
        EXPECT_NEAR(atm.wind_layer[l][wl_turbulence], 18, 1e-4f) << l;
        // The direction target is the surface's own direction.
        EXPECT_NEAR(atm.wind_layer[l][wl_wind_dir], 0.9f * (200 + 10 * l) + 0.1f * 200, 1e-3f) << l;
    }
    // Rate 0 leaves everything; rate 0.9 is not yet a jump.
    set_layers(200, 20);
    assign_wind_tbl(0);
    EXPECT_EQ(atm.wind_layer[0][wl_wind_speed], 20);
    EXPECT_EQ(atm.wind_layer[2][wl_wind_dir], 220);
    set_layers(200, 20);
    assign_wind_tbl(0.9f);
    EXPECT_NEAR(atm.wind_layer[0][wl_wind_dir], 200, 1e-3f);
    EXPECT_NEAR(atm.wind_layer[1][wl_wind_speed], 2, 1e-4f);
}

TEST_F(Flight, AJumpSetsEveryLayerToFreshTargetsWithinTheirSpans)
{
    atm.wind_turbulence = 5;        // f = 1
    for (unsigned seed = 1; seed < 40; seed++) {
        rnd15_seed(seed);
        set_layers(123, 77);
        assign_wind_tbl(1.0f);
        const float (*w)[5] = atm.wind_layer;
        // One direction for all three layers, within 90 degrees of a base in 0..360.
        EXPECT_EQ(w[1][wl_wind_dir], w[0][wl_wind_dir]);
        EXPECT_EQ(w[2][wl_wind_dir], w[0][wl_wind_dir]);
        EXPECT_GE(w[0][wl_wind_dir], -90);
        EXPECT_LE(w[0][wl_wind_dir], 450);
        float span[3][5];
        for (int l = 0; l < 3; l++) {
            float k = l == 0 ? 3 : 1;
            span[l][wl_shear_dir] = 50 * k;
            span[l][wl_wind_speed] = 30 * k;
            span[l][wl_shear_speed] = 10 * k;
            span[l][wl_turbulence] = 5 * k;
        }
        for (int l = 0; l < 3; l++)
            for (int f : {wl_shear_dir, wl_wind_speed, wl_shear_speed, wl_turbulence}) {
                EXPECT_GE(w[l][f], 0) << l << " " << f;
                EXPECT_LE(w[l][f], span[l][f]) << l << " " << f;
            }
    }
    // Half the variability: f = (2 x 0.25)^2 = 0.25, so the surface wind is at most 22.5.
    atm.wind_turbulence = 3;
    for (unsigned seed = 1; seed < 40; seed++) {
        rnd15_seed(seed);
        assign_wind_tbl(1.0f);
        EXPECT_LE(atm.wind_layer[0][wl_wind_speed], 90 * 0.25f);
    }
}
