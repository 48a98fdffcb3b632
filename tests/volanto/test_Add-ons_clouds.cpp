// The cloud layer's and the fires' values without a window: a scattered
// layer leaves every third diagonal of cells empty and a broken one none;
// the puffs' picture turns a quarter with each step of (i + j) mod 4; the
// fire counter starts on the first fire picture and runs about ten pictures
// a second, each fire on its own offset; the smoke pool starts again at the
// fires, inactive ones too, all at once when fire 0 moves, and drifts
// downwind as it rises and grows.
#include <gtest/gtest.h>

#include "Add-ons.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Startscn.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <set>
#include <vector>

namespace {

// ---- clouds -------------------------------------------------------------------------

TEST(CloudPuffs, AScatteredLayerLeavesEveryThirdDiagonalEmpty)
{
    int drawn[5] = {0, 0, 0, 0, 0};
    for (int type = 2; type <= 3; type++)
        for (int j = 0; j < 64; j++)
            for (int i = 0; i < 80; i++) {
                int d = puff_cell_drawn(type, i, j);
                drawn[type] += d;
                if (type == 2) {
                    EXPECT_EQ(d, (i + j) % 3 != 0) << i << " " << j;
                }
            }
    EXPECT_EQ(drawn[3], 80 * 64) << "a broken layer fills every cell";
    EXPECT_NEAR(drawn[2], 80 * 64 * 2 / 3, 2) << "a third of the cells empty";
}

// Corners in the order (i, j), (i, j + 1), (i + 1, j + 1), (i + 1, j); each
// step of r hands every corner the next corner's grid coordinates.
TEST(CloudPuffs, ThePictureTurnsAQuarterWithEachStepOfTheDiagonal)
{
    struct cell {
        int i, j;
        float st[4][2];
    };
    const cell cells[] = {
        {4, 8, {{4, 8}, {4, 9}, {5, 9}, {5, 8}}},       // r 0
        {4, 9, {{4, 10}, {5, 10}, {5, 9}, {4, 9}}},     // r 1
        {10, 0, {{11, 1}, {11, 0}, {10, 0}, {10, 1}}},  // r 2
        {0, 3, {{1, 3}, {0, 3}, {0, 4}, {1, 4}}},       // r 3
        {79, 63, {{80, 64}, {80, 63}, {79, 63}, {79, 64}}},   // r 2, the grid's last cell
    };
    for (const cell& c : cells) {
        float st[4][2];
        puff_cell_st(c.i, c.j, st);
        for (int k = 0; k < 4; k++) {
            EXPECT_EQ(st[k][0], c.st[k][0]) << c.i << " " << c.j << " corner " << k;
            EXPECT_EQ(st[k][1], c.st[k][1]) << c.i << " " << c.j << " corner " << k;
        }
    }
}

// ---- fires ------------------------------------------------------------------------------

class FireAnimation : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        atm.wind_layer[0][wl_wind_dir] = 270;
        env.mag_var = 10;
        for (int k = 0; k < fire_slots; k++) {
            scn.fire_on[k] = k < 5;
            scn.fire_xyz[k][0] = 1000.0f + 100 * k;
            scn.fire_xyz[k][1] = 50.0f + k;
            scn.fire_xyz[k][2] = -2000.0f - 50 * k;
        }
        scn.fires_on = 1;
    }

    // The fire puff n stands at, 20 m up, at its start; -1 when at none.
    static int at_fire(int n)
    {
        const smoke_puff& p = smoke_puff_at(n);
        for (int k = 0; k < fire_slots; k++) {
            const float* f = scn.fire_xyz[k];
            if (p.xyz[0] == f[0] && p.xyz[1] == f[1] + 20 && p.xyz[2] == f[2]) return k;
        }
        return -1;
    }
    static std::vector<float> ages(void)
    {
        std::vector<float> a;
        for (int n = 0; n < smoke_puffs; n++) a.push_back(smoke_puff_at(n).age);
        return a;
    }
};

// The counter starts on the first fire picture, so even the first frames
// bind fire pictures, each fire its own offset drawn once.
TEST_F(FireAnimation, TheCounterStartsOnTheFirstFirePicture)
{
    rnd15_seed(3);
    int offset[fire_slots];
    for (int& o : offset) o = intrand(0, 11);
    rnd15_seed(3);
    animate_fires(0);
    for (int k = 0; k < fire_slots; k++) EXPECT_EQ(fire_tex(k), tex_fire_first + offset[k]) << k;

    std::set<int> seen;
    int changes = 0, last = fire_tex(0);
    for (int frame = 0; frame < 200; frame++) {   // 10 s at 20 frames a second
        animate_fires(0.05f);
        for (int k = 0; k < fire_slots; k++) {
            ASSERT_GE(fire_tex(k), tex_fire_first) << frame;
            ASSERT_LE(fire_tex(k), tex_fire_last) << frame;
            EXPECT_EQ(intwrap(fire_tex(k) - fire_tex(0) + tex_fire_first, tex_fire_first, tex_fire_last),
                      intwrap(tex_fire_first + offset[k] - offset[0], tex_fire_first, tex_fire_last))
                << "fire " << k << " keeps its offset, frame " << frame;
        }
        seen.insert(fire_tex(0));
        changes += fire_tex(0) != last;
        last = fire_tex(0);
    }
    EXPECT_GE(seen.size(), 11u) << "the cycle";
    EXPECT_NEAR(changes, 100, 10) << "about ten pictures a second";
}

// The first frame sees fire 0 arrive: the whole pool starts at the fires,
// whether they burn or not, heading off in the fire's own direction.
TEST_F(FireAnimation, ThePoolStartsAtTheFiresActiveOrNot)
{
    rnd15_seed(11);
    animate_fires(0.05f);
    std::set<int> used;
    for (int n = 0; n < smoke_puffs; n++) {
        int k = at_fire(n);
        ASSERT_GE(k, 0) << "puff " << n;
        used.insert(k);
        const smoke_puff& p = smoke_puff_at(n);
        EXPECT_EQ(p.size, 25) << n;
        EXPECT_GE(p.age, 0) << n;
        EXPECT_LE(p.age, 100.1f) << n;
        EXPECT_NEAR(p.dir, (270 - 10 + 15 - 3 * k) * (float)M_PI / 180, 1e-5f) << n;
    }
    EXPECT_TRUE(used.count(7)) << "a puff starts at an inactive fire";
    EXPECT_GT(used.size(), 6u);
}

// One frame: older by dt, larger by 1.5 dt, risen by 0.03 of the new size a
// second and drifted 0.25 of it a second away from its direction.
TEST_F(FireAnimation, APuffRisesGrowsAndDriftsDownwind)
{
    rnd15_seed(5);
    animate_fires(0.05f);
    for (int f = 0; f < 20; f++) animate_fires(0.05f);
    std::vector<smoke_puff> before;
    for (int n = 0; n < smoke_puffs; n++) before.push_back(smoke_puff_at(n));
    const float dt = 0.1f;
    animate_fires(dt);
    int checked = 0;
    for (int n = 0; n < smoke_puffs; n++) {
        const smoke_puff &a = before[n], &b = smoke_puff_at(n);
        if (a.age + dt > 100) continue;   // started again this frame
        float size = a.size + 1.5f * dt;
        EXPECT_NEAR(b.age, a.age + dt, 1e-4f);
        EXPECT_NEAR(b.size, size, 1e-5f);
        EXPECT_NEAR(b.xyz[0], a.xyz[0] - 0.25f * size * dt * sinf(a.dir), 1e-3f);
        EXPECT_NEAR(b.xyz[1], a.xyz[1] + 0.03f * size * dt, 1e-3f);
        EXPECT_NEAR(b.xyz[2], a.xyz[2] + 0.25f * size * dt * cosf(a.dir), 1e-3f);
        checked++;
    }
    EXPECT_GT(checked, 40);
    // Wind from 270 magnetic, 260 true: the smoke of fire 5 (drifting from
    // 260 degrees) heads east, a little north.
    smoke_puff p = {};
    for (int n = 0; n < smoke_puffs; n++)
        if (fabsf(smoke_puff_at(n).dir - 260 * (float)M_PI / 180) < 1e-4f) p = before[n];
    EXPECT_GT(-sinf(p.dir), 0.9f);
    EXPECT_LT(cosf(p.dir), -0.1f);
}

// Fire 0 moving more than a metre along x or z (a new region's fire) starts
// the whole pool again at once; less, and only the puffs past their life do.
TEST_F(FireAnimation, ThePoolStartsAgainWhenFire0Moves)
{
    rnd15_seed(9);
    animate_fires(0.05f);
    for (int f = 0; f < 100; f++) animate_fires(0.05f);

    struct move {
        float dx, dz;
        bool all;
    };
    const move moves[] = {{0.9f, 0, false}, {0, -0.9f, false}, {1.1f, 0, true}, {0, 1.1f, true}, {0, 0, false}};
    for (const move& m : moves) {
        for (int f = 0; f < 20; f++) animate_fires(0.05f);   // drifted off the fires
        std::vector<float> a = ages();
        scn.fire_xyz[0][0] += m.dx;
        scn.fire_xyz[0][2] += m.dz;
        animate_fires(0.05f);
        int started = 0;
        for (int n = 0; n < smoke_puffs; n++) {
            bool due = a[n] + 0.05f > 100;
            if (m.all || due) {
                EXPECT_GE(at_fire(n), 0) << m.dx << " " << m.dz << " puff " << n;
                EXPECT_EQ(smoke_puff_at(n).size, 25);
            } else {
                EXPECT_NEAR(smoke_puff_at(n).age, a[n] + 0.05f, 1e-4f) << m.dx << " " << m.dz << " puff " << n;
                EXPECT_LT(at_fire(n), 0);
            }
            started += at_fire(n) >= 0;
        }
        if (m.all) {
            EXPECT_EQ(started, smoke_puffs);
        } else {
            EXPECT_LT(started, 5);
        }
    }
}

}  // namespace
