// The panel layout of the user's aircraft, against places and scales worked
// out by hand: a single-engine aircraft on the first panel, a four-engine jet
// on the second, a helicopter; the wide-instrument rule; the airspeed scale
// without a divisor; and file values that would index past the tables.
#include <gtest/gtest.h>

#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>

const float unset = -12345;   // what the layout must leave alone

class Panel : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_set_constants();
        reset_suite_state();
        for (float& v : ins.ins_x) v = unset;
        for (float& v : ins.ins_y) v = unset;
        for (int& v : ins.ins_on) v = 7;
        for (float* column : {thro_x, prop_x, mixt_x})
            for (int e = 0; e < 4; e++) column[e] = unset;
        for (auto& row : en_x)
            for (float& v : row) v = unset;
        for (float& v : en_y) v = unset;
        planestruct& a = pln[0];
        for (float* rows : {a.ahx1_prim, a.ahx2_prim, a.ahx1_roll, a.ahx2_roll})
            for (int r = 0; r < 118; r++) rows[r] = unset;
        a.ah_top_roll = a.ah_bot_roll = 77;

        // A single piston engine, the first panel: the standard six with the
        // narrow kinds 4 and 8 at the end of each row.
        a.paneltype = 1;
        a.radiotype = 1;
        a.AStype = 1;
        a.VVItype = 1;
        a.numen = 1;
        a.entype = 1;
        a.Vso = 47;
        a.Vne = 156;
        a.omegamax = 2700 * con.rpmtorsc;
        a.gearrat = 1;
        a.mpmax = 30;
        a.pmax = 120000;
        a.sfc = 0.5f;
        for (int slot = 1; slot <= 8; slot++) a.ins_of_loc[slot] = slot;
    }

    // The row ends of the attitude indicator are a circle of radius r around
    // centre x, rows first..last, and nothing else of the table changed.
    static void expect_circle(const float* left, const float* right, int first, int last, float r, float x)
    {
        for (int row = 0; row < 118; row++) {
            if (row < first || row > last) {
                EXPECT_EQ(left[row], unset) << row;
                EXPECT_EQ(right[row], unset) << row;
                continue;
            }
            float y = -r + (row - first);
            float half = sqrtf(fmaxf(r * r - y * y, 0));
            EXPECT_NEAR(right[row] - x, half, 1e-3) << row;
            EXPECT_NEAR(left[row] - x, -half, 1e-3) << row;
        }
    }
};

TEST_F(Panel, SingleEngineOnTheFirstPanel)
{
    set_panel_layout();
    const planestruct& a = pln[0];
    // Rows from 66 (a wide first slot): wide to wide 129, wide to narrow 115.
    const float x[9] = {0, 66, 195, 324, 439, 66, 195, 324, 439};
    const float y[9] = {0, 222, 222, 222, 237, 84, 84, 84, 99};   // the narrow kinds sit 15 higher
    for (int k = 1; k <= 8; k++) {
        EXPECT_EQ(ins.ins_x[k], x[k]) << k;
        EXPECT_EQ(ins.ins_y[k], y[k]) << k;
        EXPECT_EQ(ins.ins_on[k], 1) << k;
    }
    EXPECT_EQ(ins.ins_on[9], 7);
    EXPECT_EQ(ins.ins_x[9], unset);
    EXPECT_EQ(ins.ins_x[10], 324 - 35);
    EXPECT_EQ(ins.ins_y[10], 222 - 45);
    EXPECT_EQ(ins.radio_dx, 0);
    EXPECT_EQ(ins.radio_dy, 0);
    EXPECT_EQ(osh, 0);

    // 47 - 10 rounds to 40, 156 + 10 to 170.
    EXPECT_EQ(a.ASpwr, 1.0f);
    EXPECT_EQ(a.Vmin, 40);
    EXPECT_EQ(a.Vmax, 170);
    EXPECT_FLOAT_EQ(ins.asi_scale, 330.0f / 130);
    EXPECT_FLOAT_EQ(ins.vvi_scale, con.msctofpm * 0.08f);
    EXPECT_FLOAT_EQ(ins.tac_scale, 272.0f / 3000);   // 2700 rpm reads on a 3000 dial
    EXPECT_FLOAT_EQ(ins.n1_scale, 2.72f);
    EXPECT_FLOAT_EQ(ins.mpr_scale, 272.0f / 30);
    EXPECT_FLOAT_EQ(ins.trq_scale, 2.72f);
    EXPECT_GT(ins.ff_scale, 0);

    EXPECT_EQ(thro_x[0], 669);
    EXPECT_EQ(prop_x[0], 720);
    EXPECT_EQ(mixt_x[0], 761);
    EXPECT_EQ(thro_x[1], 0);   // cleared, not the last aircraft's
    for (int row = 0; row < 3; row++) {
        EXPECT_EQ(en_x[row][0], 684);
        EXPECT_EQ(en_x[row][1], 761);
        EXPECT_EQ(en_x[row][2], 0);
    }
    EXPECT_EQ(en_y[0], 293);
    EXPECT_EQ(en_y[1], 254);
    EXPECT_EQ(en_y[2], 177);

    // Glide-slope marks beside kind 6 at (195, 84).
    EXPECT_EQ(a.gsx1, 136);
    EXPECT_EQ(a.gsx2, 248);
    EXPECT_EQ(a.gsy1, 82);
    EXPECT_EQ(a.gsyc, 84);
    EXPECT_EQ(a.gsy2, 86);
    EXPECT_EQ(a.gsw, 5);

    EXPECT_EQ(a.ah_top_prim, 105);
    EXPECT_EQ(a.ah_bot_prim, 10);
    EXPECT_EQ(a.ah_top_roll, 115);
    EXPECT_EQ(a.ah_bot_roll, 0);
    EXPECT_EQ(a.ah_dim_int, 115);
    EXPECT_EQ(a.ah_semidim_int, 57);
    EXPECT_EQ(a.ah_semidim_flt, 57.5f);
    expect_circle(a.ahx1_prim, a.ahx2_prim, 10, 105, 47.5f, 195);
    expect_circle(a.ahx1_roll, a.ahx2_roll, 0, 115, 57.5f, 195);
}

TEST_F(Panel, FourEngineJetOnTheSecondPanel)
{
    planestruct& a = pln[0];
    a.paneltype = 2;
    a.radiotype = 2;
    a.AStype = 2;
    a.numen = 4;
    a.entype = 4;
    a.tmax = 200000;
    a.gearrat = 0;
    a.mpmax = 0;
    a.ecam = a.tape = 1;   // as the loader sets them for more than two engines
    const int kinds[9] = {0, 2, 1, 3, 0, 6, 5, 7, 8};
    for (int slot = 1; slot <= 8; slot++) a.ins_of_loc[slot] = kinds[slot];
    set_panel_layout();

    struct { int on; float x, y; } fixed[11] = {
        {0, 0, 0},    {1, 11, 218}, {1, 92, 218}, {1, 159, 218}, {1, 439, 237}, {0, 65, 64},
        {1, 92, 93},  {1, 189, 92}, {1, 439, 99}, {1, 0, 0},     {0, 175, 15},
    };
    for (int k = 1; k <= 10; k++) {
        if (k <= 9) {
            EXPECT_EQ(ins.ins_on[k], fixed[k].on) << k;
        }
        EXPECT_EQ(ins.ins_x[k], fixed[k].x) << k;
        EXPECT_EQ(ins.ins_y[k], fixed[k].y) << k;
    }
    EXPECT_EQ(ins.radio_dx, 156);
    EXPECT_EQ(ins.radio_dy, -155);

    EXPECT_EQ(a.ASpwr, 0.3f);
    EXPECT_EQ(a.Vmin, 60);
    EXPECT_EQ(a.Vmax, 449);
    EXPECT_NEAR(ins.asi_scale, 330 / (pow(449, 0.3) - pow(60, 0.3)), 1e-3);
    EXPECT_FLOAT_EQ(ins.vvi_scale, con.msctofpm * 0.02f);
    EXPECT_FLOAT_EQ(ins.n1_scale, 1.0f);   // tapes: 100 over the full scale
    EXPECT_FLOAT_EQ(ins.trq_scale, 1.0f);
    EXPECT_EQ(ins.mpr_scale, 0.0f);        // a jet has no manifold pressure

    const float thro[4] = {648, 662, 676, 690}, prop[4] = {705, 715, 725, 735}, mixt[4] = {746, 756, 766, 776};
    for (int e = 0; e < 4; e++) {
        EXPECT_EQ(thro_x[e], thro[e]) << e;
        EXPECT_EQ(prop_x[e], prop[e]) << e;
        EXPECT_EQ(mixt_x[e], mixt[e]) << e;
        EXPECT_EQ(en_x[0][e], 0);
        EXPECT_EQ(en_x[1][e], 685 + 10 * e);
        EXPECT_EQ(en_x[2][e], 760 + 10 * e);
    }
    EXPECT_EQ(en_y[0], 0);   // no row 0: cleared
    EXPECT_EQ(en_y[1], 171);
    EXPECT_EQ(en_y[2], 171);

    // Glide-slope marks beside the horizon, kind 2 at (92, 218).
    EXPECT_EQ(a.gsx1, 35);
    EXPECT_EQ(a.gsx2, 145);
    EXPECT_EQ(a.gsy1, 216);
    EXPECT_EQ(a.gsyc, 218);
    EXPECT_EQ(a.gsy2, 220);
    EXPECT_EQ(a.gsw, 4);

    // A square horizon of half-width 52 on rows 0..104; the roll rows stay.
    EXPECT_EQ(a.ah_top_prim, 104);
    EXPECT_EQ(a.ah_bot_prim, 0);
    EXPECT_EQ(a.ah_semidim_int, 52);
    EXPECT_EQ(a.ah_top_roll, 77);
    for (int row = 0; row < 118; row++) {
        EXPECT_EQ(a.ahx1_prim[row], row <= 104 ? 40 : unset) << row;
        EXPECT_EQ(a.ahx2_prim[row], row <= 104 ? 144 : unset) << row;
        EXPECT_EQ(a.ahx1_roll[row], unset) << row;
    }
}

TEST_F(Panel, TwoEnginesOnTheSecondPanelMoveTheGaugesForTheScreens)
{
    pln[0].paneltype = 2;
    pln[0].numen = 2;
    pln[0].ecam = 1;
    set_panel_layout();
    for (int row = 0; row < 3; row++) {
        EXPECT_EQ(en_x[row][0], 682);
        EXPECT_EQ(en_x[row][1], 759);
    }
    EXPECT_EQ(en_y[0], 293);
    EXPECT_EQ(en_y[1], 271);
    EXPECT_EQ(en_y[2], 202);
    EXPECT_EQ(thro_x[1], 676);
    EXPECT_EQ(mixt_x[0], 756);
}

TEST_F(Panel, HelicopterMovesRightAndDown)
{
    pln[0].is_heli = 1;
    pln[0].entype = 3;
    set_panel_layout();
    EXPECT_EQ(osh, -100);
    const float x[11] = {0, 66, 195, 324, 439, 66, 195, 324, 439, unset, 289};
    for (int k = 1; k <= 10; k++) EXPECT_EQ(ins.ins_x[k], x[k] + 155) << k;
    EXPECT_EQ(ins.radio_dx, -489);
    EXPECT_EQ(ins.radio_dy, -100);
    EXPECT_EQ(pln[0].gsx1, 350 - 59);
    EXPECT_EQ(pln[0].gsx2, 350 + 53);
    expect_circle(pln[0].ahx1_prim, pln[0].ahx2_prim, 10, 105, 47.5f, 350);

    // On the second panel it shows neither kind 4 nor kind 8.
    SetUp();
    pln[0].is_heli = 1;
    pln[0].paneltype = 2;
    pln[0].radiotype = 2;
    set_panel_layout();
    const int on[10] = {0, 1, 1, 1, 0, 0, 1, 1, 0, 1};
    for (int k = 1; k <= 9; k++) EXPECT_EQ(ins.ins_on[k], on[k]) << k;
    EXPECT_EQ(ins.ins_x[4], 439 + 155);
    EXPECT_EQ(ins.ins_x[10], 175 + 155);
    EXPECT_EQ(ins.radio_dx, 156 - 489);
    EXPECT_EQ(ins.radio_dy, -155 - 100);
}

TEST_F(Panel, AKindInTwoSlotsTakesTheLaterOneAndAKindInNoneKeepsItsPlace)
{
    const int kinds[9] = {0, 2, 0, 2, 0, 0, 0, 0, 4};
    for (int slot = 1; slot <= 8; slot++) pln[0].ins_of_loc[slot] = kinds[slot];
    set_panel_layout();
    // 66, then wide to narrow 115, then narrow to wide 115.
    EXPECT_EQ(ins.ins_x[2], 66 + 115 + 115);
    EXPECT_EQ(ins.ins_y[2], 222);
    EXPECT_EQ(ins.ins_on[2], 1);
    // Slot 5 narrow: the lower row starts at 52, narrow to narrow 101.
    EXPECT_EQ(ins.ins_x[4], 52 + 3 * 101);
    EXPECT_EQ(ins.ins_y[4], 84 + 15);
    for (int k : {1, 3, 5, 6, 7, 8}) {
        EXPECT_EQ(ins.ins_on[k], 0) << k;
        EXPECT_EQ(ins.ins_x[k], unset) << k;
    }
}

TEST_F(Panel, AirspeedScaleWithoutAUsableSpanIsZero)
{
    struct { const char* what; int type, vect; float Vso, Vne, pwr, vmin, vmax, scale; } cases[] = {
        {"halves round away from zero", 1, 0, 45, 144, 0, 0, 0, 330.0f / 110},
        {"thrust vectoring starts at 0", 3, 1, 45, 144, 0, 0, 0, 330.0f / 150},
        {"another type keeps the stored scale", 0, 0, 45, 144, 1.0f, 50, 250, 330.0f / 200},
        {"stored ends that meet", 0, 0, 0, 0, 1.0f, 100, 100, 0},
        {"stored ends the wrong way round", 0, 0, 0, 0, 1.0f, 200, 100, 0},
        {"a root of a negative speed", 0, 0, 0, 0, 0.3f, -10, 100, 0},
        {"never-exceed below stall", 1, 0, 100, 80, 0, 0, 0, 0},
        {"nothing stored at all", 0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (auto& c : cases) {
        SetUp();
        planestruct& a = pln[0];
        a.AStype = c.type;
        a.vectEQ = c.vect;
        a.Vso = c.Vso;
        a.Vne = c.Vne;
        a.ASpwr = c.pwr;
        a.Vmin = c.vmin;
        a.Vmax = c.vmax;
        set_panel_layout();
        EXPECT_FLOAT_EQ(ins.asi_scale, c.scale) << c.what;
    }
}

TEST_F(Panel, AGliderHasNoEngineGaugeScalesAndNoLevers)
{
    pln[0].numen = 0;
    pln[0].entype = 0;
    pln[0].gearrat = 0;
    pln[0].mpmax = 0;
    set_panel_layout();
    EXPECT_EQ(ins.mpr_scale, 0.0f);
    EXPECT_EQ(ins.ff_scale, 0.0f);
    EXPECT_TRUE(std::isfinite(ins.tac_scale));
    EXPECT_EQ(thro_x[0], 0);
}

// The loader refuses such aircraft first; the layout must still never index
// out of its tables, whatever the record holds.
TEST_F(Panel, ValuesOutsideTheirRangesStayInsideTheTables)
{
    planestruct& a = pln[0];
    a.paneltype = 7;
    a.numen = 9;
    const int kinds[9] = {55, 12, -4, 9, 1000000, 0, 3, -1, 8};
    for (int slot = 0; slot <= 8; slot++) a.ins_of_loc[slot] = kinds[slot];
    set_panel_layout();
    EXPECT_EQ(ins.ins_on[3], 1);
    EXPECT_EQ(ins.ins_on[8], 1);
    EXPECT_EQ(thro_x[0], 0);   // no lever table for nine engines
    EXPECT_EQ(a.ah_top_prim, 105);  // laid out as the first panel
    expect_circle(a.ahx1_prim, a.ahx2_prim, 10, 105, 47.5f, ins.ins_x[2]);
}

TEST(PanelDeathTest, FourWideInstrumentsInARowAreFatal)
{
    const char* alert =
        "Invalid panel specification!\n"
        "There can only be THREE WIDE INSTRUMENTS ON EACH ROW of the panel (the fourth must be narrow to fit!)\n"
        "The WIDE instruments are the 'standard six', namely the airspeed, horizon, altimeter, turn-slip, HSI, and vertical speed\n"
        "Go into Airwright and select only 3 WIDE instruments for each row of instruments.\n";
    struct { const char* what; int kinds[9]; } cases[] = {
        {"four in the lower row below a valid upper row", {0, 1, 2, 3, 4, 5, 6, 7, 1}},
        {"four in the upper row", {0, 1, 2, 3, 5, 0, 0, 0, 0}},
        {"on the second panel too", {0, 0, 0, 0, 0, 7, 7, 7, 7}},
    };
    ogl_ready = 0;
    MACIBM_set_constants();
    for (auto& c : cases) {
        memset(&pln[0], 0, sizeof pln[0]);
        pln[0].paneltype = c.kinds[5] == 7 ? 2 : 1;
        memcpy(pln[0].ins_of_loc, c.kinds, sizeof c.kinds);
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                set_panel_layout();
            },
            ::testing::ExitedWithCode(1), "")
            << c.what;
        EXPECT_EQ(read_file("Error.out").rfind(alert, 0), 0u) << c.what << ":\n" << read_file("Error.out");
    }
}
