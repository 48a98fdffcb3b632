// Start-up: init_gen's data output file, standard atmosphere, star field and
// record defaults, its fatal alert without sound; the data-output lists and
// the empty graph of set_dataoutput_params; the ship and platform models.
#include <gtest/gtest.h>

#include "Graphnif.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

class StartUp : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        ogl_ready = 0;
        host_test_audio_no_device(1);
    }
    void TearDown() override
    {
        if (trk.is_open()) trk.close();
        dispose_sound();
    }
};
using StartUpDeathTest = StartUp;

// ---- init_gen ------------------------------------------------------------------

TEST_F(StartUp, OpensTheDataOutputFileAfreshInFixedNotation)
{
    write_file("Volanto.out", "the last run's output\n");
    init_gen();
    ASSERT_TRUE(trk.is_open());
    trk << 1.5f << " " << 0.0001f << "\n";
    trk.close();
    EXPECT_EQ(read_file("Volanto.out"), "1.500000 0.000100\n");
    EXPECT_EQ(msc.snd_ok, 1);
    EXPECT_EQ(msc.speech_ok, 1) << "the suite's voice speaks English";
}

TEST_F(StartUp, StandardAtmosphereRunsFromSeaLevelToVacuumInMetres)
{
    init_gen();
    EXPECT_FLOAT_EQ(atm.std_atm[0][0], 0.0f);
    EXPECT_NEAR(atm.std_atm[0][1], 1.225f, 0.002f);   // con.g is 9.8
    EXPECT_NEAR(atm.std_atm[1][0], 3048.0f, 0.01f);
    EXPECT_NEAR(atm.std_atm[10][1], 0.00003211f * con.endtomed, 1e-6f);
    EXPECT_NEAR(atm.std_atm[21][0], 78943.2f, 0.01f);
    EXPECT_EQ(atm.g_accel, con.g);   // before the once-a-second step sets it for the height
    EXPECT_EQ(atm.std_atm[21][1], 0.0f);
    for (int k = 1; k < 22; k++) {
        EXPECT_GT(atm.std_atm[k][0], atm.std_atm[k - 1][0]) << k;
        EXPECT_LT(atm.std_atm[k][1], atm.std_atm[k - 1][1]) << k;
    }
}

// Every star lies on the sphere and none more than 20 degrees below the
// horizon, and the sky is filled: stars low and high, all round.
TEST_F(StartUp, StarsLieOnTheSphereFromTwentyBelowTheHorizonUp)
{
    init_gen();
    int below = 0, high = 0, quadrant[4] = {};
    for (int s = 0; s < star_count; s++) {
        const float* p = star_xyz[s];
        float r = sqrtf(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
        EXPECT_NEAR(r, 1000.0f, 0.05f) << s;
        float e = asinf(p[1] / r) * con.radtodeg;
        EXPECT_GE(e, -20.001f) << s;
        EXPECT_LE(e, 80.001f) << s;
        if (e < -10) below++;
        if (e > 60) high++;
        quadrant[(p[0] >= 0) * 2 + (p[2] >= 0)]++;
    }
    EXPECT_GT(below, 100);
    EXPECT_GT(high, 100);
    for (int q = 0; q < 4; q++) EXPECT_GT(quadrant[q], 300) << q;
}

TEST_F(StartUp, GivesTheRecordsTheirStartingDefaults)
{
    rel.instrument_rate = 0.5f;
    rel.equipment_rate_a = 0.5f;
    rel.equipment_rate_b = 0.5f;
    atm.weather_trend = 0.5f;
    init_gen();

    const int sw[5] = {0, 1, 1, 1, 1};
    for (int k = 0; k < 5; k++) EXPECT_EQ(ins.ins_sw[k], sw[k]) << k;
    EXPECT_FLOAT_EQ(ins.ins_val[0], 32.0f);
    EXPECT_FLOAT_EQ(ins.ins_val[1], 30.0f);
    EXPECT_FLOAT_EQ(ins.ins_val[2], 30.0f);

    EXPECT_EQ(nav.xpdr_mode, 2);
    const int squawk[4] = {1, 2, 0, 0};
    for (int k = 0; k < 4; k++) EXPECT_EQ(nav.xpdr[k], squawk[k]) << k;

    EXPECT_NEAR(set.place_alt, 1524.0f, 0.01f);
    EXPECT_NEAR(set.place_speed, 102.89f, 0.01f);
    EXPECT_EQ(env.plane_cell_i, 89);
    EXPECT_EQ(env.plane_cell_j, 79);
    EXPECT_STREQ(msc.typed_apt_id, "KAAA");

    EXPECT_EQ(rel.instrument_rate, 0.0f);
    EXPECT_EQ(rel.equipment_rate_a, 0.0f);
    EXPECT_EQ(rel.equipment_rate_b, 0.0f);
    for (int k = 0; k < fail_slots; k++) {
        EXPECT_EQ(rel.fail_mode[k], 1) << k;
        EXPECT_FLOAT_EQ(rel.fail_time[k], 10.0f) << k;
    }
    for (int f = 0; f < system_flags; f++) EXPECT_EQ(rel.system_ok[f], 1) << f;
    EXPECT_EQ(rel.control_power, 1.0f);
    EXPECT_EQ(rel.engine_power, 1.0f);
    EXPECT_FLOAT_EQ(msc.time_ratio, 1.0f);
    EXPECT_FLOAT_EQ(atm.wx_factor, 1.0f);
    EXPECT_EQ(atm.weather_trend, 0.0f);

    // Empty; the sample index is the data-output selection's to reset.
    EXPECT_FLOAT_EQ(grf.sample_dt[graph_samples - 1], 999.0f) << "start-up empties the graph";
    EXPECT_FLOAT_EQ(grf.sample_data[graph_slots - 1][3][graph_samples - 1], -999.0f);
}

TEST_F(StartUpDeathTest, WithoutASoundSystemTheProgramEnds)
{
    host_test_audio_open_fails(1);
    EXPECT_EXIT(
        {
            err.open("Error.out", std::ios::out | std::ios::trunc);
            init_gen();
            exit(3);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(read_file("Error.out"),
              "Sound init failure!\nI cannot init your computer's sound system.\n"
              "This would indicate lack of a sound card or drivers for the sound card.\n"
              "You need to fix this before flying Volanto\nend simulation\n");
    host_test_audio_open_fails(0);
}

// ---- set_dataoutput_params ---------------------------------------------------

static void pick(int* flags, const std::vector<int>& items)
{
    for (int i : items) flags[i] = 1;
}

TEST_F(StartUp, DataOutputListsTakeTheFirstSelectedItemsInOrder)
{
    const struct {
        const char* what;
        std::vector<int> cockpit, graph, file, serial;
        int mode_before;
        std::vector<int> cockpit_list, graph_sel;
        int file_any, graph_any, mode;
    } cases[] = {
        {"nothing selected", {}, {}, {}, {}, 3, {}, {}, 0, 0, 3},
        {"twelve cockpit items, no graph item",
         {59, 0, 7, 3, 12, 40, 41, 42, 43, 44, 45, 46},
         {},
         {},
         {},
         0,
         {0, 3, 7, 12, 40, 41, 42, 43, 44, 45},
         {},
         0,
         0,
         0},
        {"five graph items and a file item", {}, {9, 2, 30, 31, 5}, {17}, {}, 1, {}, {2, 5, 9, 30}, 1, 1, 1},
        {"one serial item", {4}, {}, {}, {33}, 1, {4}, {}, 0, 0, serial_mode_items},
        {"the last item alone", {59}, {59}, {59}, {59}, 0, {59}, {59}, 1, 1, serial_mode_items},
    };
    for (const auto& c : cases) {
        memset(&set, 0, sizeof set);
        pick(set.out_cockpit, c.cockpit);
        pick(set.out_graph, c.graph);
        pick(set.out_file, c.file);
        pick(set.out_serial, c.serial);
        set.serial_mode = c.mode_before;
        set_dataoutput_params();
        for (int k = 0; k < 10; k++)
            EXPECT_EQ(set.cockpit_list[k], k < (int)c.cockpit_list.size() ? c.cockpit_list[k] : -1) << c.what << " " << k;
        for (int g = 0; g < graph_slots; g++)
            EXPECT_EQ(set.graph_sel[g], g < (int)c.graph_sel.size() ? c.graph_sel[g] : -1) << c.what << " " << g;
        EXPECT_EQ(set.out_file_any, c.file_any) << c.what;
        EXPECT_EQ(set.out_graph_any, c.graph_any) << c.what;
        EXPECT_EQ(set.serial_mode, c.mode) << c.what;
    }
}

// A new selection starts an empty graph, and the two speeds after the
// ground speed start from 0 until the next flight step.
TEST_F(StartUp, DataOutputParamsEmptyTheGraphAndClearTheTwoSpeeds)
{
    for (int i = 0; i < graph_samples; i++) {
        grf.sample_dt[i] = 0.02f;
        for (int g = 0; g < graph_slots; g++)
            for (int c = 0; c < 4; c++) grf.sample_data[g][c][i] = 1.0f;
    }
    grf.sample_index = 700;
    grf.oldest_index = 701;
    grf.wrapped = 1;
    grf.graph_shown = 1;
    grf.left_time = 12.0f;
    flt.gnd_speed[flt_aircraft - 1] = 40.0f;
    flt.V_true = 50.0f;
    flt.vel_fwd = 49.0f;
    flt.ias_kts = 90.0f;
    set_dataoutput_params();

    for (int i = 0; i < graph_samples; i++) {
        ASSERT_EQ(grf.sample_dt[i], 999.0f) << i;
        for (int g = 0; g < graph_slots; g++)
            for (int c = 0; c < 4; c++) ASSERT_EQ(grf.sample_data[g][c][i], -999.0f) << g << " " << c << " " << i;
    }
    EXPECT_EQ(grf.sample_index, -1);
    EXPECT_EQ(grf.oldest_index, 0);
    EXPECT_EQ(grf.wrapped, 0);
    EXPECT_EQ(grf.graph_shown, 1) << "the View menu's switch stays";
    EXPECT_EQ(grf.left_time, 12.0f) << "the user's left edge stays";

    EXPECT_EQ(flt.V_true, 0.0f);
    EXPECT_EQ(flt.vel_fwd, 0.0f);
    EXPECT_EQ(flt.gnd_speed[flt_aircraft - 1], 40.0f);
    EXPECT_EQ(flt.ias_kts, 90.0f);
}

// ---- ship and platform models ----------------------------------------------

static void expect_point(const float* p, float x, float y, float z, const char* what)
{
    EXPECT_NEAR(p[0], x, 0.01f) << what;
    EXPECT_NEAR(p[1], y, 0.01f) << what;
    EXPECT_NEAR(p[2], z, 0.01f) << what;
}

TEST_F(StartUp, ModelsHaveTheirSizesAndFirstPoints)
{
    EXPECT_EQ(sizeof star_xyz, sizeof(float) * 2000 * 3);
    EXPECT_EQ(sizeof carr_pxyz, sizeof(float) * 52 * 2 * 3);
    EXPECT_EQ(sizeof carr_lxyz, sizeof(float) * 70 * 3);
    EXPECT_EQ(sizeof frig_pxyz, sizeof(float) * 41 * 2 * 3);
    EXPECT_EQ(sizeof offp_pxyz, sizeof(float) * 16 * 2 * 3);
    EXPECT_EQ(sizeof oilr_pxyz, sizeof(float) * 100 * 2 * 3);

    init_gen();
    expect_point(carr_pxyz[0][0], -8, -10, 140, "carrier pair 0");
    expect_point(carr_pxyz[1][0], -16, -10, 100, "carrier pair 1");
    expect_point(frig_pxyz[0][0], -12, -6, 82, "frigate pair 0 lower");
    expect_point(frig_pxyz[0][1], -12, 6, 84, "frigate pair 0 upper");
    expect_point(offp_pxyz[0][0], -11, 55, 76, "platform pair 0");
    expect_point(offp_pxyz[1][0], -11, 55, 54, "platform pair 1");

    // A table shorter than its array would leave pairs at the origin.
    const struct {
        const char* what;
        const float (*pairs)[2][3];
        int count;
    } models[] = {{"carrier", carr_pxyz, carr_pairs},
                  {"frigate", frig_pxyz, frig_pairs},
                  {"platform", offp_pxyz, offp_pairs},
                  {"oil rig", oilr_pxyz, oilr_pairs}};
    for (const auto& m : models)
        for (int n = 0; n < m.count; n++) {
            const float* lo = m.pairs[n][0];
            const float* up = m.pairs[n][1];
            EXPECT_FALSE(lo[0] == 0 && lo[1] == 0 && lo[2] == 0 && up[0] == 0 && up[1] == 0 && up[2] == 0)
                << m.what << " pair " << n;
            EXPECT_LE(lo[1], up[1]) << m.what << " pair " << n << ": the lower point lies below the upper";
        }
}

// The models carry what the deck tests, the landing aid and the placement
// rely on: the decks' outlines and heights, and the carrier's light points.
TEST_F(StartUp, ModelsFitTheirDecksAndLights)
{
    build_ship_models();

    // The carrier spans 314 m by 71 m, its flight deck at y 21.
    float xmin = 1e9f, xmax = -1e9f, zmin = 1e9f, zmax = -1e9f;
    for (int n = 0; n < carr_pairs; n++)
        for (int e = 0; e < 2; e++) {
            xmin = fminf(xmin, carr_pxyz[n][e][0]);
            xmax = fmaxf(xmax, carr_pxyz[n][e][0]);
            zmin = fminf(zmin, carr_pxyz[n][e][2]);
            zmax = fmaxf(zmax, carr_pxyz[n][e][2]);
        }
    EXPECT_EQ(xmin, -35.0f);
    EXPECT_EQ(xmax, 36.0f);
    EXPECT_EQ(zmin, -154.0f);
    EXPECT_EQ(zmax, 160.0f);
    expect_point(carr_lxyz[0], -10.5f, 21, 158.73f, "first deck light");
    expect_point(carr_lxyz[carr_light_reference], -12.06f, 21, 54.30f, "landing reference point");
    expect_point(carr_lxyz[41], 13, 21, 154.94f, "third row");
    expect_point(carr_lxyz[63], -39.5f, 23, 76, "first datum light");
    expect_point(carr_lxyz[carr_light_meatball], -35, 23, 76, "meatball");
    expect_point(carr_lxyz[69], -30.5f, 23, 76, "last datum light");

    // The frigate: bow at z -100, stern at 84, beam 30, nothing above y 28.
    float top = 0;
    zmin = 1e9f;
    zmax = -1e9f;
    xmax = 0;
    for (int n = 0; n < frig_pairs; n++)
        for (int e = 0; e < 2; e++) {
            top = fmaxf(top, frig_pxyz[n][e][1]);
            xmax = fmaxf(xmax, fabsf(frig_pxyz[n][e][0]));
            zmin = fminf(zmin, frig_pxyz[n][e][2]);
            zmax = fmaxf(zmax, frig_pxyz[n][e][2]);
        }
    EXPECT_EQ(top, 28.0f);
    EXPECT_EQ(xmax, 15.0f);
    EXPECT_EQ(zmin, -100.0f);
    EXPECT_EQ(zmax, 84.0f);

    // Helidecks: the platform's top and the rig's box 5 are the regions of
    // the deck tests, at the deck heights they give.
    const float offp_deck[4][2] = {{-12, 77}, {-12, 53}, {12, 53}, {12, 77}};
    const float oilr_deck[4][2] = {{-14, 104}, {-14, 76}, {14, 76}, {14, 104}};
    for (int c = 0; c < 4; c++) {
        expect_point(offp_pxyz[c][1], offp_deck[c][0], 56, offp_deck[c][1], "platform helideck");
        expect_point(oilr_pxyz[20 + c][1], oilr_deck[c][0], 97, oilr_deck[c][1], "rig helideck");
    }
    expect_point(oilr_pxyz[20][0], -13.3f, 95, 103.3f, "the rig helideck's narrowed bottom");
    expect_point(offp_pxyz[4][0], -5, 45, 75, "platform deck block");
    expect_point(offp_pxyz[14][1], 1, 165, -1, "flare tower top");

    // Rig boxes: a plain one, one narrowed at the top, the tall column.
    expect_point(oilr_pxyz[0][0], -50, 95, 50, "rig box 0");
    expect_point(oilr_pxyz[2][1], 50, 110, -50, "rig box 0");
    expect_point(oilr_pxyz[24][0], 30, 110, 40, "rig box 6 bottom");
    expect_point(oilr_pxyz[24][1], 31.25f, 120, 38.75f, "rig box 6 narrowed top");
    expect_point(oilr_pxyz[16][1], -2, 210, 2, "rig box 4 top");
    expect_point(oilr_pxyz[99][1], 50, 85, 60, "rig box 24");
}
