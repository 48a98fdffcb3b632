// Airfoil coefficients, element force and control surfaces, on synthetic
// airfoil tables whose every entry tells where it was read from, and on the
// shipped airfoils: the table index and side, the effective angle with slats
// and stall, the moment bands, the Reynolds-number and span blends, the
// corrections for ground, Mach and ice, the supersonic wedge, the turn onto
// the flight path, the control devices and the induced angle.
#include <gtest/gtest.h>

#include "Fltcalc.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

// ---- a synthetic aircraft --------------------------------------------------------

// Table entries by their index i (0..270), one family per side and slot, so
// that a row read from the wrong side, row or slot shows in the result.
static float cd_pos(int i, int slot) { return 0.01f + i * 1e-4f + slot * 0.1f; }
static float cd_neg(int i, int slot) { return 0.50f + i * 1e-4f + slot * 0.1f; }
static float cl_pos(int i, int slot) { return 1.0f + i * 1e-3f + slot; }
static float cl_neg(int i, int slot) { return -1.0f - i * 1e-3f - slot; }

// Entries at a fractional index, as the tables are meant to be read.
static float at_index(float (*row)(int, int), float i, int slot)
{
    int lo = (int)i;
    return row(lo, slot) * (lo + 1 - i) + row(lo + 1, slot) * (i - lo);
}

const int wing = 4;   // left wing 1

// Slot number k = tip * 2 + highre, as [root low, root high, tip low, tip high].
static void fill_slot(int part, int tip, int highre)
{
    airfoilstruct& f = afl[0];
    int k = tip * 2 + highre;
    for (int i = 0; i <= 270; i++) {
        f.cdpos[part][tip][highre][i] = cd_pos(i, k);
        f.cdneg[part][tip][highre][i] = cd_neg(i, k);
        if (i >= 100) {
            f.clpos[part][tip][highre][i - 100] = cl_pos(i, k);
            f.clneg[part][tip][highre][i - 100] = cl_neg(i, k);
        }
    }
    f.al_zl[part][tip][highre] = -2.0f;
    f.clM[part][tip][highre] = 0.1f;
    f.clB[part][tip][highre] = 0.2f + 0.2f * k;   // 0.2, 0.4, 0.6, 0.8
    f.cmal2[part][tip][highre] = -4.0f;
    f.cmal3[part][tip][highre] = 8.0f;
    f.cm1[part][tip][highre] = -0.1f;
    f.cm2[part][tip][highre] = -0.05f;
    f.cm3[part][tip][highre] = -0.02f;
    f.cm4[part][tip][highre] = -0.1f;
    f.Re[part][tip][highre] = highre ? 3.0f : 1.0f;
}

// A part whose four airfoils are one file (so only the root-low slot counts),
// four elements, no finite-wing change and no induced drag.
static void make_part(int part)
{
    planestruct& a = pln[0];
    for (int tip = 0; tip < 2; tip++)
        for (int hi = 0; hi < 2; hi++) fill_slot(part, tip, hi);
    for (auto* name : {a.Rafl0[part], a.Rafl1[part], a.Tafl0[part], a.Tafl1[part]}) strcpy(name, "one.afl");
    a.els[part] = 4;
    a.al_D_al0[part] = a.cl_D_cl0[part] = a.cm_D_cm0[part] = 1.0f;
    a.alpha_max[part] = 16.0f;
    a.slat_effect[part] = 1.0f;
    for (int k = 0; k < 8; k++) {
        a.mac[part][k] = 1.0f;
        a.s[part][k] = 2.0f;
    }
    flt.ge_cl_mult[part] = flt.ge_cdi_mult[part] = 1.0f;
}

// The speed at which the element of chord 1 m flies at Re million.
static float speed_for_re(float re) { return re * 1e6f * con.muair / atm.rho; }

class Coefficients : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_set_constants();
        reset_suite_state();
        atm.rho = 1.0f;
        atm.a_sound = 1e9f;   // no compressibility unless a case asks for it
        for (int part : {0, wing, 5, 12}) make_part(part);
    }

    struct coefs { float cl, cd, cm; };
    coefs lookup(float alpha, int part = wing, int tip = 0, int highre = 0, int element = 0)
    {
        coefs c = {0, 0, 0};
        anyfoil(alpha, &c.cl, &c.cd, &c.cm, part, tip, highre, element);
        return c;
    }
    coefs subsonic(float alpha, float vel, int part = wing, int element = 0, float dcl = 0, float dcd = 0,
                   float dcm = 0)
    {
        flt.el_alpha[part][element] = alpha;
        flt.el_vel[part][element] = vel;
        coefs c = {0, 0, 0};
        Fco_subsonic(dcl, dcd, dcm, &c.cl, &c.cd, &c.cm, part, element);
        return c;
    }
};

// ---- one lookup --------------------------------------------------------------------

TEST_F(Coefficients, TableIndexAndSideFollowTheAngle)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct { float alpha; float cl, cd; } cases[] = {
        {9.99f, 0.1f * 9.99f + 0.2f, at_index(cd_pos, 99.9f, 0)},   // the straight line up to 10
        {10.0f, cl_pos(100, 0), cd_pos(100, 0)},                    // the table from 10 on
        {-10.0f, cl_neg(100, 0), cd_neg(100, 0)},
        {15.05f, at_index(cl_pos, 150.5f, 0), at_index(cd_pos, 150.5f, 0)},
        {20.0f, cl_pos(200, 0), cd_pos(200, 0)},                    // both rules give 200
        {45.5f, at_index(cl_pos, 225.5f, 0), at_index(cd_pos, 225.5f, 0)},   // whole degrees past 20
        {90.0f, at_index(cl_pos, 269.99f, 0), at_index(cd_pos, 269.99f, 0)}, // the cap
        {135.0f, at_index(cl_pos, 269.99f, 0), at_index(cd_pos, 269.99f, 0)},
        {-90.0f, at_index(cl_neg, 269.99f, 0), at_index(cd_neg, 269.99f, 0)},
        {0.0f, 0.2f, cd_neg(0, 0)},                                 // exactly 0 takes the negative side
        {1e-6f, 0.2f, cd_pos(0, 0)},
        // An angle that is no number reads the far end of the tables instead of
        // an index computed from it.
        {inf, at_index(cl_pos, 269.99f, 0), at_index(cd_pos, 269.99f, 0)},
        {-inf, at_index(cl_neg, 269.99f, 0), at_index(cd_neg, 269.99f, 0)},
        {nan, at_index(cl_neg, 269.99f, 0), at_index(cd_neg, 269.99f, 0)},
    };
    for (auto& c : cases) {
        coefs r = lookup(c.alpha);
        EXPECT_NEAR(r.cl, c.cl, 1e-5) << c.alpha;
        EXPECT_NEAR(r.cd, c.cd, 1e-6) << c.alpha;
        EXPECT_TRUE(std::isfinite(r.cm)) << c.alpha;
    }
}

TEST_F(Coefficients, EachSlotReadsItsOwnTables)
{
    for (int tip = 0; tip < 2; tip++)
        for (int hi = 0; hi < 2; hi++) {
            int k = tip * 2 + hi;
            coefs r = lookup(30.0f, wing, tip, hi);
            EXPECT_NEAR(r.cl, cl_pos(210, k), 1e-5) << k;
            EXPECT_NEAR(r.cd, cd_pos(210, k), 1e-6) << k;
            EXPECT_NEAR(lookup(4.0f, wing, tip, hi).cl, 0.4f + 0.2f + 0.2f * k, 1e-6) << k;
        }
}

TEST_F(Coefficients, MomentBandsWithTheirEndsAndGaps)
{
    airfoilstruct& f = afl[0];
    struct { float alpha, cm; } cases[] = {
        {-4.0f, -0.05f}, {2.0f, -0.035f}, {8.0f, -0.02f},   // straight middle
        {14.0f, -0.06f}, {20.0f, -0.1f},                     // up to 20
        {-12.0f, -0.075f}, {-20.0f, -0.1f},                  // down to -20
        {55.0f, -0.21f}, {90.0f, -0.32f},                    // stalled, positive
        {120.0f, -0.1f - 0.22f * 100.0f / 70.0f},            // the last band carries on past 90
        {-55.0f, 0.11f}, {-90.0f, 0.32f},
    };
    for (auto& c : cases) EXPECT_NEAR(lookup(c.alpha).cm, c.cm, 1e-5) << c.alpha;

    // Band ends that are no number match no band: the moment is 0, not
    // whatever the caller's variable held.
    f.cmal2[wing][0][0] = f.cmal3[wing][0][0] = std::numeric_limits<float>::quiet_NaN();
    coefs r = {0, 0, 7.0f};
    anyfoil(4.0f, &r.cl, &r.cd, &r.cm, wing, 0, 0, 0);
    EXPECT_EQ(r.cm, 0.0f);
    // A middle band of no width is its own end point, not 0/0.
    f.cmal2[wing][0][0] = f.cmal3[wing][0][0] = 5.0f;
    EXPECT_NEAR(lookup(5.0f).cm, -0.05f, 1e-6);
}

TEST_F(Coefficients, FiniteWingAndSlatsTurnTheLiftLineAboutZeroLift)
{
    planestruct& a = pln[0];
    a.al_D_al0[wing] = 0.5f;
    // (10 + 2) x 0.5 - 2 = 4 degrees: the straight line, and the positive side.
    EXPECT_NEAR(lookup(10.0f).cl, 0.6f, 1e-6);
    EXPECT_NEAR(lookup(-2.0f).cl, 0.0f, 1e-6);   // zero lift stays at the zero-lift angle

    // A line that does not pass through its zero-lift angle, so that the slats'
    // smaller angle and larger lift do not cancel: 11 x 0.5 - 1 = 4.5 degrees.
    afl[0].al_zl[wing][0][0] = -1.0f;
    EXPECT_NEAR(lookup(10.0f).cl, 0.65f, 1e-6);
    a.slat[wing][1] = 1;
    a.slat_effect[wing] = 1.5f;
    flt.slat_ratio = 0.0f;   // slats in: nothing changes
    EXPECT_NEAR(lookup(10.0f, wing, 0, 0, 1).cl, 0.65f, 1e-6);
    flt.slat_ratio = 1.0f;   // 5.5 / 1.5 - 1 degrees, lift x 1.5
    EXPECT_NEAR(lookup(10.0f, wing, 0, 0, 1).cl, (0.1f * (5.5f / 1.5f - 1.0f) + 0.2f) * 1.5f, 1e-6);
    EXPECT_NEAR(lookup(10.0f, wing, 0, 0, 0).cl, 0.65f, 1e-6);   // the element without a slat
    flt.slat_ratio = 0.5f;   // factor 1.25: 5.5 / 1.25 - 1 = 3.4 degrees
    EXPECT_NEAR(lookup(10.0f, wing, 0, 0, 1).cl, (0.1f * 3.4f + 0.2f) * 1.25f, 1e-6);
}

TEST_F(Coefficients, SlatsRaiseTheStallOfEveryElement)
{
    planestruct& a = pln[0];
    a.alpha_max[wing] = 10.0f;
    a.slat_effect[wing] = 1.5f;
    a.slat[wing][0] = 1;   // element 1 carries none
    struct { float ratio, alpha; int element, stalled; } cases[] = {
        {0.0f, 10.0f, 1, 0}, {0.0f, 10.5f, 1, 1}, {0.0f, 10.5f, 0, 1},
        {1.0f, 14.5f, 1, 0}, {1.0f, 15.5f, 1, 1},   // the threshold is 15 without a slat of its own
        {1.0f, 22.0f, 0, 0},                         // 22 / 1.5 is well inside
    };
    for (auto& c : cases) {
        flt.slat_ratio = c.ratio;
        flt.part_stalled[wing] = 7;
        lookup(c.alpha, wing, 0, 0, c.element);
        EXPECT_EQ(flt.part_stalled[wing], c.stalled) << c.ratio << " " << c.alpha << " " << c.element;
    }
}

TEST_F(Coefficients, StallWarningOnlyForWingsAndTailOfAFlyingAeroplane)
{
    pln[0].alpha_max[wing] = pln[0].alpha_max[12] = 10.0f;
    msc.vstall = 20.0f;   // m/s: the warning needs more than 0.3 of it, in knots
    float fast = 20.0f * con.msctokts * 0.3f + 0.5f, slow = 20.0f * con.msctokts * 0.3f - 0.5f;
    struct { int part, heli; float alpha, ias; int warn; } cases[] = {
        {wing, 0, 6.5f, fast, 1}, {wing, 0, 5.5f, fast, 0}, {wing, 0, 6.5f, slow, 0},
        {12, 0, 6.5f, fast, 0}, {wing, 1, 6.5f, fast, 0},
    };
    for (auto& c : cases) {
        pln[0].is_heli = c.heli;
        flt.ias_kts = c.ias;
        flt.stall_warn = 0;
        lookup(c.alpha, c.part);
        EXPECT_EQ(flt.stall_warn, c.warn) << c.part << " " << c.heli << " " << c.alpha << " " << c.ias;
    }
    // The lookup only ever sets it.
    flt.stall_warn = 1;
    lookup(0.0f);
    EXPECT_EQ(flt.stall_warn, 1);
}

// ---- the blends ----------------------------------------------------------------------

TEST_F(Coefficients, ReynoldsNumberBlendIsClampedToThePair)
{
    planestruct& a = pln[0];
    // Root and tip alike: low 0.2 at Re 1, high 0.4 at Re 3.
    strcpy(a.Rafl1[wing], "high.afl");
    strcpy(a.Tafl1[wing], "high.afl");
    afl[0].clB[wing][1][1] = 0.4f;
    struct { float re, cl; } cases[] = {{0.5f, 0.2f}, {1.0f, 0.2f}, {2.0f, 0.3f}, {2.5f, 0.35f}, {3.0f, 0.4f}, {40.0f, 0.4f}};
    for (auto& c : cases) EXPECT_NEAR(subsonic(0.0f, speed_for_re(c.re)).cl, c.cl, 1e-4) << c.re;

    // The loader keeps a pair apart but not in order: a pair given high first
    // is still a clamp between its two numbers.
    for (int tip = 0; tip < 2; tip++) {
        afl[0].Re[wing][tip][0] = 3.0f;
        afl[0].Re[wing][tip][1] = 1.0f;
    }
    struct { float re, cl; } swapped[] = {{0.5f, 0.4f}, {2.0f, 0.3f}, {40.0f, 0.2f}};
    for (auto& c : swapped) EXPECT_NEAR(subsonic(0.0f, speed_for_re(c.re)).cl, c.cl, 1e-4) << c.re;
}

TEST_F(Coefficients, SpanBlendRunsFromRootToTipAtTheElementCentre)
{
    planestruct& a = pln[0];
    strcpy(a.Tafl0[wing], "tip.afl");
    strcpy(a.Tafl1[wing], "tip.afl");   // tip-high copies tip-low: 0.6 at the tip, 0.2 at the root
    float v = speed_for_re(1.0f);
    for (int k = 0; k < 4; k++) EXPECT_NEAR(subsonic(0.0f, v, wing, k).cl, 0.2f + 0.4f * (k + 0.5f) / 4, 1e-5) << k;
    a.els[wing] = 1;
    EXPECT_NEAR(subsonic(0.0f, v).cl, 0.4f, 1e-5);
}

TEST_F(Coefficients, EachDistinctFileIsLookedUpAndTheOthersCopied)
{
    planestruct& a = pln[0];
    float v = speed_for_re(3.0f);   // at the high end: the high-Re results count
    // One file: the root-low slot stands for all four, whatever the others hold.
    EXPECT_NEAR(subsonic(0.0f, v).cl, 0.2f, 1e-5);
    // Four files: root high 0.4, tip high 0.8, element 0 at 1/8 of the span.
    strcpy(a.Rafl1[wing], "b.afl");
    strcpy(a.Tafl0[wing], "c.afl");
    strcpy(a.Tafl1[wing], "d.afl");
    EXPECT_NEAR(subsonic(0.0f, v).cl, 0.4f + 0.4f * 0.125f, 1e-5);
    // Tip-high is compared with tip-low, not with the root.
    strcpy(a.Tafl1[wing], "c.afl");
    EXPECT_NEAR(subsonic(0.0f, v).cl, 0.4f + (0.6f - 0.4f) * 0.125f, 1e-5);
}

// ---- the corrections --------------------------------------------------------------

TEST_F(Coefficients, ControlsFiniteWingAndInducedDrag)
{
    planestruct& a = pln[0];
    float v = speed_for_re(1.0f);
    coefs plain = subsonic(4.0f, v);   // cl 0.6, cd from the table, cm -0.03
    a.cl_D_cl0[wing] = 0.8f;
    a.cm_D_cm0[wing] = 0.5f;
    coefs c = subsonic(4.0f, v, wing, 0, 0.1f, 0.01f, -0.02f);
    EXPECT_NEAR(c.cl, (plain.cl + 0.1f) * 0.8f, 1e-5);
    EXPECT_NEAR(c.cd, plain.cd + 0.01f, 1e-6);   // no induced drag on a part of no aspect ratio
    EXPECT_NEAR(c.cm, (plain.cm - 0.02f) * 0.5f, 1e-6);

    a.AR[wing] = 8.0f;
    a.e[wing] = 0.8f;
    c = subsonic(4.0f, v, wing, 0, 0.1f, 0.01f, -0.02f);
    float cl = (plain.cl + 0.1f) * 0.8f;
    EXPECT_NEAR(c.cd, plain.cd + 0.01f + cl * cl / (con.pi * 0.8f * 8.0f), 1e-6);

    // No aspect ratio or no efficiency is no induced drag, never a division by 0.
    for (float ar : {0.0f, 8.0f}) {
        a.AR[wing] = ar;
        a.e[wing] = ar == 0.0f ? 0.8f : 0.0f;
        c = subsonic(4.0f, v);
        EXPECT_TRUE(std::isfinite(c.cd));
        EXPECT_NEAR(c.cd, plain.cd, 1e-6);
    }
}

TEST_F(Coefficients, GroundEffectOnlyRaisesPositiveLiftOnItsParts)
{
    float v = speed_for_re(1.0f);
    for (int part : {0, wing, 5, 12}) {
        pln[0].AR[part] = 6.0f;
        pln[0].e[part] = 1.0f;
    }
    struct { int part, heli; float alpha; int applies; } cases[] = {
        {wing, 0, 4.0f, 1}, {5, 0, 4.0f, 1}, {wing, 0, -5.0f, 0},   // cl -0.3: no change
        {wing, 0, -2.0f, 0},                                       // cl exactly 0
        {12, 0, 4.0f, 0}, {0, 1, 4.0f, 1}, {wing, 1, 4.0f, 0}, {0, 0, 4.0f, 0},
    };
    for (auto& c : cases) {
        pln[0].is_heli = c.heli;
        flt.ge_cl_mult[c.part] = flt.ge_cdi_mult[c.part] = 1.0f;
        coefs free_air = subsonic(c.alpha, v, c.part);
        flt.ge_cl_mult[c.part] = 1.2f;
        flt.ge_cdi_mult[c.part] = 0.5f;
        coefs near = subsonic(c.alpha, v, c.part);
        float cdi = free_air.cl * free_air.cl / (con.pi * 6.0f);
        std::string what = std::to_string(c.part) + (c.heli ? " heli " : " ") + std::to_string(c.alpha);
        EXPECT_NEAR(near.cl, c.applies ? free_air.cl * 1.2f : free_air.cl, 1e-6) << what;
        EXPECT_NEAR(near.cd, c.applies ? free_air.cd - 0.5f * cdi : free_air.cd, 1e-6) << what;
    }
}

TEST_F(Coefficients, PrandtlGlauertIsCappedAndTheDragRiseUsesTheCappedMach)
{
    float v = speed_for_re(1.0f);
    pln[0].delta_fac[wing] = 0.0f;
    coefs low = subsonic(4.0f, v);   // cl 0.6, so Mdd = 0.8 - 0.2 x cl after the factor
    struct { float mach; float factor; int rise; } cases[] = {
        {0.3f, 1.0f / std::sqrt(1.0f - 0.09f), 0},
        {0.6f, 1.0f / std::sqrt(1.0f - 0.36f), 0},
        {0.8f, 1.0f / 0.6f, 1},
        {0.95f, 1.0f / 0.6f, 1},   // the factor stays at its cap
    };
    coefs at_cap = {0, 0, 0};
    for (auto& c : cases) {
        atm.a_sound = v / c.mach;
        coefs r = subsonic(4.0f, v);
        EXPECT_NEAR(r.cl, low.cl * c.factor, 1e-5) << c.mach;
        EXPECT_NEAR(r.cm, low.cm * c.factor, 1e-6) << c.mach;
        float mdd = 0.8f - 0.2f * r.cl;
        float mc = std::fmin(c.mach, 0.8f);
        EXPECT_NEAR(r.cd, low.cd + (c.rise ? 2.5f * (mc - mdd) * (mc - mdd) : 0.0f), 1e-5) << c.mach;
        if (c.mach == 0.8f) at_cap = r;
        if (c.mach == 0.95f) {
            EXPECT_NEAR(r.cd, at_cap.cd, 1e-6);   // no more rise past the cap
        }
    }
}

TEST_F(Coefficients, DeltaWingMomentAndIce)
{
    float v = speed_for_re(1.0f);
    coefs plain = subsonic(4.0f, v);
    pln[0].delta_fac[wing] = 0.4f;
    EXPECT_NEAR(subsonic(4.0f, v).cm, plain.cm - 0.1f * plain.cl, 1e-6);
    pln[0].delta_fac[wing] = 0.0f;

    struct { float ice; float cl, cd; } cases[] = {
        {0.001f, plain.cl, plain.cd},   // at the threshold nothing changes
        {0.002f, plain.cl / 1.001f, plain.cd * 1.008f},
        {0.5f, plain.cl / 1.25f, plain.cd * 3.0f},
    };
    for (auto& c : cases) {
        flt.ice_amount = c.ice;
        coefs r = subsonic(4.0f, v);
        EXPECT_NEAR(r.cl, c.cl, 1e-6) << c.ice;
        EXPECT_NEAR(r.cd, c.cd, 1e-6) << c.ice;
        EXPECT_NEAR(r.cm, plain.cm, 1e-7) << c.ice;
    }
}

// ---- supersonic -------------------------------------------------------------------------

TEST_F(Coefficients, SupersonicWedgeHeldBetweenMach1Point1And3)
{
    auto super = [](float alpha, float mach, float dcl = 0, float dcd = 0, float dcm = 0) {
        flt.mach = mach;
        flt.el_alpha[wing][0] = alpha;
        coefs c = {9, 9, 9};
        Fco_supersonic(dcl, dcd, dcm, &c.cl, &c.cd, &c.cm, wing, 0);
        return c;
    };
    // A flat plate: the classic 4 alpha / sqrt(M^2 - 1), drag from friction alone at 0.
    float a = 2.0f * con.degtorad;
    coefs flat = super(2.0f, 2.0f);
    EXPECT_NEAR(flat.cl, 4.0f * a / std::sqrt(3.0f), 1e-4);
    EXPECT_NEAR(flat.cm, -0.24f * flat.cl, 1e-6);
    EXPECT_NEAR(super(0.0f, 2.0f).cd, 0.0046f, 1e-7);

    // Thickness adds wave drag, and a symmetric wedge has no lift at 0.
    afl[0].trat[wing][0] = afl[0].trat[wing][1] = 0.05f;
    coefs thick = super(0.0f, 2.0f);
    EXPECT_NEAR(thick.cl, 0.0f, 1e-7);
    float d = 0.5f * std::atan(0.1f);
    EXPECT_NEAR(thick.cd, 0.0046f + 4.0f * d * std::sin(d) / std::sqrt(3.0f), 1e-6);

    struct { float mach, same_as; } clamps[] = {{1.0f, 1.1f}, {1.05f, 1.1f}, {3.5f, 3.0f}, {8.0f, 3.0f}};
    for (auto& c : clamps) {
        coefs x = super(4.0f, c.mach), y = super(4.0f, c.same_as);
        EXPECT_FLOAT_EQ(x.cl, y.cl) << c.mach;
        EXPECT_FLOAT_EQ(x.cd, y.cd) << c.mach;
        EXPECT_TRUE(std::isfinite(x.cl)) << c.mach;
    }
    EXPECT_GT(super(4.0f, 1.1f).cl, super(4.0f, 2.0f).cl);

    // Control increments come on top, after the wedge's own moment.
    coefs base = super(4.0f, 2.0f), with = super(4.0f, 2.0f, 0.1f, 0.02f, -0.03f);
    EXPECT_NEAR(with.cl, base.cl + 0.1f, 1e-6);
    EXPECT_NEAR(with.cd, base.cd + 0.02f, 1e-6);
    EXPECT_NEAR(with.cm, base.cm - 0.03f, 1e-6);
}

TEST_F(Coefficients, FlatPlateAddsToWhatIsThere)
{
    float cl = 1.0f, cd = 2.0f;
    supersonic_flatplate(0.0f, &cl, &cd, 2.0f, 0.5f);
    EXPECT_EQ(cl, 1.0f);
    EXPECT_EQ(cd, 2.0f);
    supersonic_flatplate(3.0f, &cl, &cd, 2.0f, 0.25f);
    float a = 3.0f * con.degtorad, cn = 2.0f * a / std::sqrt(3.0f);
    EXPECT_NEAR(cl, 1.0f + cn * std::cos(a) * 0.25f, 1e-6);
    EXPECT_NEAR(cd, 2.0f + cn * std::sin(a) * 0.25f, 1e-6);
    // No flat-plate answer at or below Mach 1, rather than an infinity.
    supersonic_flatplate(3.0f, &cl, &cd, 1.0f, 0.5f);
    EXPECT_TRUE(std::isfinite(cl) && std::isfinite(cd));
}

// ---- element force ------------------------------------------------------------------------

TEST_F(Coefficients, ElementForceTurnsTheCoefficientsOntoTheFlightPath)
{
    float v = speed_for_re(1.0f);
    coefs c = subsonic(4.0f, v);   // the coefficients the force is built on
    float qs = v * v * 2.0f * 1.0f * 0.5f;   // s 2 m2, rho 1
    pln[0].mac[wing][0] = 1.0f;
    struct { float flowdir, lift, drag; } cases[] = {
        {0.0f, c.cl * qs, c.cd * qs},
        {90.0f, c.cd * qs, -c.cl * qs},   // a quarter turn swaps them
        {-90.0f, -c.cd * qs, c.cl * qs},
        {30.0f, (c.cl * std::cos(0.5236f) + c.cd * std::sin(0.5236f)) * qs,
         (c.cd * std::cos(0.5236f) - c.cl * std::sin(0.5236f)) * qs},
    };
    for (auto& k : cases) {
        flt.el_flowdir[wing][0] = k.flowdir;
        float lift = 0, drag = 0, moment = 0;
        float cl = F_el_force(0, 0, 0, &lift, &drag, &moment, wing, 0);
        EXPECT_FLOAT_EQ(cl, c.cl) << k.flowdir;   // before the turn
        EXPECT_NEAR(lift, k.lift, std::fabs(k.lift) * 1e-4 + 1e-3) << k.flowdir;
        EXPECT_NEAR(drag, k.drag, std::fabs(k.drag) * 1e-4 + 1e-3) << k.flowdir;
        EXPECT_NEAR(moment, c.cm * qs * 1.0f, std::fabs(c.cm * qs) * 1e-5) << k.flowdir;   // never turned
    }
    // Chord scales the moment only.
    flt.el_flowdir[wing][0] = 0.0f;
    pln[0].mac[wing][0] = 2.0f;
    float lift = 0, drag = 0, moment = 0;
    F_el_force(0, 0, 0, &lift, &drag, &moment, wing, 0);
    EXPECT_NEAR(moment, 2.0f * c.cm * qs, std::fabs(c.cm * qs) * 1e-3);
}

TEST_F(Coefficients, ElementForceAtRestAndAtMach1)
{
    // No air speed: no force, and still the element's lift coefficient.
    float lift = 5, drag = 5, moment = 5;
    float cl = F_el_force(0.1f, 0, 0, &lift, &drag, &moment, wing, 0);
    EXPECT_EQ(lift, 0.0f);
    EXPECT_EQ(drag, 0.0f);
    EXPECT_EQ(moment, 0.0f);
    EXPECT_NEAR(cl, 0.2f + 0.1f, 1e-6);   // line at 0 plus the control increment

    // Mach exactly 1 is the supersonic model; just below it the subsonic one.
    flt.el_alpha[wing][0] = 10.0f;   // where the two models are far apart
    flt.el_vel[wing][0] = 300.0f;
    struct { float mach; int supersonic; } cases[] = {{0.999f, 0}, {1.0f, 1}, {1.5f, 1}};
    for (auto& c : cases) {
        flt.mach = c.mach;
        coefs expect = {0, 0, 0};
        if (c.supersonic)
            Fco_supersonic(0, 0, 0, &expect.cl, &expect.cd, &expect.cm, wing, 0);
        else
            Fco_subsonic(0, 0, 0, &expect.cl, &expect.cd, &expect.cm, wing, 0);
        EXPECT_FLOAT_EQ(F_el_force(0, 0, 0, &lift, &drag, &moment, wing, 0), expect.cl) << c.mach;
    }
    flt.mach = 0.999f;
    float sub = F_el_force(0, 0, 0, &lift, &drag, &moment, wing, 0);
    flt.mach = 1.0f;
    EXPECT_GT(std::fabs(F_el_force(0, 0, 0, &lift, &drag, &moment, wing, 0) - sub), 0.1f);
}

// ---- control devices and induced angle -----------------------------------------------------

struct increments { float cl, cd, cm; };
static increments device(int kind, float crat, float def, int part = wing)
{
    increments r = {9, 9, 9};
    set_con_eff(part, kind, crat, def, &r.cl, &r.cd, &r.cm, "TEST");
    return r;
}

TEST_F(Coefficients, DeviceKindsShareOutThePlainIncrements)
{
    for (int kind : {5, 6, 7, 8}) {
        increments z = device(kind, 0.3f, 0.0f);
        EXPECT_EQ(z.cl, 0.0f) << kind;
        EXPECT_EQ(z.cd, 0.0f) << kind;
        EXPECT_EQ(z.cm, 0.0f) << kind;
    }
    // A plain surface at 8 degrees, below the effectiveness bands.
    const float crat = 0.25f, def = 8.0f;
    increments p = device(5, crat, def);
    EXPECT_NEAR(p.cl, -0.5f * 0.1097f * (2.0f / 3.0f) * 8.0f, 1e-6);   // trailing edge up pushes the lift down
    EXPECT_NEAR(p.cd, 0.25f * 0.02f * 8.0f, 1e-7);
    EXPECT_NEAR(p.cm, -p.cl * 0.625f + 0.25f * std::sin(8.0f * con.degtorad) * 0.5f * p.cd, 1e-6);
    EXPECT_NEAR(device(5, crat, -def).cd, p.cd, 1e-7);   // drag of either sign

    struct { int kind; float cl, cd, cm; } kinds[] = {
        {6, p.cl * 2, p.cd * 2, p.cm * 0.5f},
        {7, p.cl * 0.5f, p.cd * 2, 0.0f},
        {8, 0.0f, p.cd * 4, 0.0f},   // drag alone
    };
    for (auto& k : kinds) {
        increments r = device(k.kind, crat, def);
        EXPECT_NEAR(r.cl, k.cl, 1e-6) << k.kind;
        EXPECT_NEAR(r.cd, k.cd, 1e-6) << k.kind;
        EXPECT_NEAR(r.cm, k.cm, 1e-6) << k.kind;
    }
}

TEST_F(Coefficients, LiftEffectivenessBandsJoinWithoutSteps)
{
    auto share = [](float a) { return device(5, 0.25f, a).cl / (-0.5f * 0.1097f * (2.0f / 3.0f) * a); };
    struct { float a, share; } points[] = {
        {5.0f, 1.0f}, {10.0f, 1.0f}, {12.5f, 0.99f}, {15.0f, 0.98f}, {20.0f, 0.86f}, {25.0f, 0.77f},
        {30.0f, 0.68f}, {40.0f, 0.60f}, {45.0f, 0.575f}, {50.0f, 0.55f}, {60.0f, 0.5f}, {85.0f, 0.5f},
    };
    for (auto& p : points) {
        EXPECT_NEAR(share(p.a), p.share, 1e-5) << p.a;
        EXPECT_NEAR(share(-p.a), p.share, 1e-5) << -p.a;
    }
    // Across every band bound the share moves by no more than its slope allows.
    float prev = share(1.0f);
    for (float a = 1.01f; a < 70.0f; a += 0.01f) {
        float now = share(a);
        EXPECT_LE(now, prev + 1e-5f) << a;
        EXPECT_LT(prev - now, 0.0025f) << a;
        prev = now;
    }
}

TEST_F(Coefficients, StallAndSmoothingCutTheLiftIncrement)
{
    float plain = device(5, 0.25f, 8.0f).cl;
    struct { int stalled, smooth; float factor; } cases[] = {
        {1, 0, 0.2f}, {0, 1, 0.7f}, {0, 2, 0.85f}, {0, 3, 1.0f}, {1, 2, 0.2f * 0.85f},
    };
    for (auto& c : cases) {
        flt.part_stalled[wing] = c.stalled;
        pln[0].con_smooth = c.smooth;
        increments r = device(5, 0.25f, 8.0f);
        EXPECT_NEAR(r.cl, plain * c.factor, 1e-6) << c.stalled << " " << c.smooth;
        EXPECT_NEAR(r.cd, 0.25f * 0.02f * 8.0f, 1e-7);   // drag is untouched
    }
    // Another part's stall is not this one's.
    flt.part_stalled[wing] = 0;
    flt.part_stalled[5] = 1;
    pln[0].con_smooth = 0;
    EXPECT_NEAR(device(5, 0.25f, 8.0f).cl, plain, 1e-7);
}

TEST_F(Coefficients, InducedAngleWithItsMachCutAndAspectRatioClamp)
{
    auto expect = [](float dcl, float ar) { return dcl / (ar * con.pi) * 180.0f / con.pi; };
    struct { float ar, used; } ars[] = {{1.0f, 2.0f}, {0.0f, 2.0f}, {2.0f, 2.0f}, {7.5f, 7.5f}, {20.0f, 20.0f}, {40.0f, 20.0f}};
    for (auto& c : ars) {
        pln[0].AR[wing] = c.ar;
        EXPECT_NEAR(induce_alpha(0.3f, wing), expect(0.3f, c.used), 1e-5) << c.ar;
    }
    pln[0].AR[wing] = 7.5f;
    flt.mach = 1.0f;   // still computed at exactly 1
    EXPECT_NEAR(induce_alpha(-0.3f, wing), expect(-0.3f, 7.5f), 1e-5);
    flt.mach = 1.001f;
    EXPECT_EQ(induce_alpha(-0.3f, wing), 0.0f);
}

// ---- the shipped airfoils -------------------------------------------------------------------

TEST_F(Coefficients, ShippedAirfoilsJoinLineAndTableAt10Degrees)
{
    const char* names[] = {"NACA 2412 (popular).afl", "NACA 0009 (symmetrical).afl", "Clark-Y (good propeller).afl"};
    std::string folder = std::string(PROGRAM_DIR) + "airfoils/";
    snprintf(afl_path, path_max, "%s", folder.c_str());
    for (const char* name : names) {
        if (read_file(folder + name).empty()) GTEST_SKIP() << "no " << name << " in " << folder;
        float almax = 0;
        grabafoil(name, wing, 0, 0, &almax, 0);
        // Below 10 degrees the lift is the file's straight line, from 10 on its table:
        // the two meet, on both sides.
        for (float side : {1.0f, -1.0f}) {
            float line = lookup(side * 9.999f).cl, table = lookup(side * 10.0f).cl;
            EXPECT_NEAR(line, table, 0.03f) << name << " " << side;
            EXPECT_GT(side * table, 0.5f) << name << " " << side;
        }
        // Past the stall the lift falls and the drag climbs toward a flat plate's.
        EXPECT_LT(lookup(45.0f).cl, lookup(almax).cl) << name;
        EXPECT_GT(lookup(90.0f).cd, 10.0f * lookup(2.0f).cd) << name;
        EXPECT_NEAR(lookup(90.0f).cm, -0.32f, 0.02f) << name;
        // Cruise coefficients of an ordinary section.
        coefs cruise = lookup(4.0f);
        EXPECT_GT(cruise.cl, 0.3f) << name;
        EXPECT_LT(cruise.cl, 1.0f) << name;
        EXPECT_GT(cruise.cd, 0.004f) << name;
        EXPECT_LT(cruise.cd, 0.03f) << name;
    }
}
