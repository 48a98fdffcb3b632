// The force report's lines from the coefficients, the element force, the
// control devices and the running totals: written only while the switch is
// on, the numbers in fixed notation at their widths, and never a change to
// what the routines compute.
#include <gtest/gtest.h>

#include "Fltcalc.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

// A wing part of four elements on a straight-line airfoil; the tip uses
// another file than the root.
static void make_wing(int part)
{
    planestruct& a = pln[0];
    for (int tip = 0; tip < 2; tip++)
        for (int hi = 0; hi < 2; hi++) {
            airfoilstruct& f = afl[0];
            for (int i = 0; i <= 270; i++) {
                f.cdpos[part][tip][hi][i] = 0.01f + i * 1e-4f;
                f.cdneg[part][tip][hi][i] = 0.02f + i * 1e-4f;
                if (i >= 100) {
                    f.clpos[part][tip][hi][i - 100] = 1.0f + i * 1e-3f;
                    f.clneg[part][tip][hi][i - 100] = -1.0f - i * 1e-3f;
                }
            }
            f.al_zl[part][tip][hi] = -2.0f;
            f.clM[part][tip][hi] = 0.1f;
            f.clB[part][tip][hi] = 0.2f + 0.1f * tip;
            f.cmal2[part][tip][hi] = -4.0f;
            f.cmal3[part][tip][hi] = 8.0f;
            f.cm1[part][tip][hi] = -0.1f;
            f.cm2[part][tip][hi] = -0.05f;
            f.cm3[part][tip][hi] = -0.02f;
            f.cm4[part][tip][hi] = -0.1f;
            f.Re[part][tip][hi] = hi ? 3.0f : 1.0f;
            f.trat[part][tip] = 0.06f;
        }
    strcpy(a.Rafl0[part], "root.afl");
    strcpy(a.Rafl1[part], "root.afl");
    strcpy(a.Tafl0[part], "tip.afl");
    strcpy(a.Tafl1[part], "tip.afl");
    a.els[part] = 4;
    a.al_D_al0[part] = 0.9f;
    a.cl_D_cl0[part] = 0.85f;
    a.cm_D_cm0[part] = 0.9f;
    a.AR[part] = 7.0f;
    a.e[part] = 0.8f;
    a.delta_fac[part] = 0.1f;
    a.alpha_max[part] = 14.0f;
    a.slat_effect[part] = 1.3f;
    a.slat[part][2] = 1;
    for (int k = 0; k < 8; k++) {
        a.mac[part][k] = 1.4f;
        a.s[part][k] = 1.7f;
    }
    flt.ge_cl_mult[part] = 1.1f;
    flt.ge_cdi_mult[part] = 0.7f;
}

class ForceReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        MACIBM_set_constants();
        reset_suite_state();
        atm.rho = 1.1f;
        atm.a_sound = 330.0f;
        make_wing(4);
        make_wing(12);
        pln[0].is_heli = 0;
        flt.slat_ratio = 0.6f;
        flt.ice_amount = 0.01f;
        flt.ias_kts = 150.0f;
        msc.vstall = 25.0f;
    }
    void TearDown() override
    {
        if (trk.is_open()) trk.close();
    }
    // The report written while f runs, with the switch as given.
    template <class F> std::string written(int report, F f)
    {
        trk.open("Volanto.out", std::ios::out | std::ios::trunc | std::ios::binary);
        set.force_report = report;
        f();
        trk.close();
        set.force_report = 0;
        return read_file("Volanto.out");
    }
};

static std::string fixed(float v, int width, int decimals)
{
    char s[64];
    snprintf(s, sizeof s, "%*.*f", width, decimals, v);
    return s;
}

static int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) n++;
    return n;
}

// Everything the routines of one element loop hand back, for comparing runs.
struct outcome {
    float values[64];
    int stalled[2], warn;
};

static outcome one_cycle(void)
{
    outcome o;
    memset(&o, 0, sizeof o);
    int n = 0;
    // Subsonic elements across the angles: the straight line, the tables, the
    // slatted element, the drag rise, negative lift, and the fin.
    struct { int part, element; float alpha, vel, flowdir; } els[] = {
        {4, 0, 3.0f, 60.0f, 2.0f}, {4, 1, 12.0f, 150.0f, -5.0f}, {4, 2, 9.0f, 290.0f, 0.0f},
        {4, 3, -25.0f, 80.0f, 40.0f}, {12, 0, 6.0f, 100.0f, 1.0f},
    };
    for (auto& e : els) {
        flt.el_alpha[e.part][e.element] = e.alpha;
        flt.el_vel[e.part][e.element] = e.vel;
        flt.el_flowdir[e.part][e.element] = e.flowdir;
        float dcl, dcd, dcm;
        set_con_eff(e.part, 5, 0.3f, 12.0f, &dcl, &dcd, &dcm, "AILERON");
        o.values[n++] = dcl;
        o.values[n++] = dcd;
        o.values[n++] = dcm;
        o.values[n++] = induce_alpha(dcl, e.part);
        float lift, drag, moment;
        o.values[n++] = F_el_force(dcl, dcd, dcm, &lift, &drag, &moment, e.part, e.element);
        o.values[n++] = lift;
        o.values[n++] = drag;
        o.values[n++] = moment;
    }
    // And supersonic.
    flt.mach = 1.6f;
    float lift, drag, moment;
    o.values[n++] = F_el_force(0.05f, 0.01f, -0.01f, &lift, &drag, &moment, 4, 1);
    o.values[n++] = lift;
    o.values[n++] = drag;
    o.values[n++] = moment;
    flt.mach = 0.0f;
    o.stalled[0] = flt.part_stalled[4];
    o.stalled[1] = flt.part_stalled[12];
    o.warn = flt.stall_warn;
    return o;
}

TEST_F(ForceReport, SwitchedOffWritesNothingAndOnChangesNoNumber)
{
    outcome off, on;
    std::string quiet = written(0, [&] { off = one_cycle(); });
    EXPECT_EQ(quiet, "");
    std::string text = written(1, [&] { on = one_cycle(); });
    EXPECT_EQ(memcmp(&off, &on, sizeof off), 0);
    // Every part of the report appeared.
    for (const char* line : {"Reynolds number airfoil ROOT,", "Alpha-ratio due to slats is ", "Slats are boosting",
                             "We use straight-line lift", "We look up lift, drag, and moment", "flight RE=",
                             "ground effect cl   multiplier=", "drag divergent mach number exceeded",
                             "WARNING! ICE IS CHANGING THE COEFFICIENTS!", "SUPERSONIC COEFFICIENTS:",
                             "AILERON RESULTS FOR", "force=coeff*S*V*V*rho/2.0"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    // Fixed notation: no exponent anywhere.
    EXPECT_EQ(text.find("e+"), std::string::npos);
    EXPECT_EQ(text.find("e-0"), std::string::npos);
}

TEST_F(ForceReport, RunningTotalsLines)
{
    flt.F_aero_axial = -4000.4f;
    flt.F_aero_side = 12.6f;
    flt.F_aero_normal = 98765.0f;
    flt.F_prop_axial = 2500.0f;
    flt.M_roll = 12.6f;
    flt.M_pitch = -350.49f;
    flt.M_yaw = 0.0f;
    const std::string a3(3, (char)0xA5);
    std::string moments_rows[3] = {" N,   L=       13 N-m.\n", " N,   M=     -350 N-m.\n", " N,   N=        0 N-m.\n\n"};
    EXPECT_EQ(written(0, [] { aeroforcerep(); }),
              a3 + "RUNNING AERODYNAMIC FORCE AND TOTAL MOMENT TOTALS, FLIGHT-PATH AXIS SYSTEM" +
                  std::string(23, (char)0xA5) + "\n" + "   f_axil=    -4000" + moments_rows[0] +
                  "   f_side=       13" + moments_rows[1] + "   f_nrml=    98765" + moments_rows[2]);
    EXPECT_EQ(written(0, [] { propforcerep(); }),
              a3 + "RUNNING PROPULSIVE FORCE AND TOTAL MOMENT TOTALS, AIRCRAFT AXIS SYSTEM" +
                  std::string(27, (char)0xA5) + "\n" + "   f_axil=     2500" + moments_rows[0] +
                  "   f_side=        0" + moments_rows[1] + "   f_nrml=        0" + moments_rows[2]);
}

TEST_F(ForceReport, ElementForceAndDeviceLines)
{
    flt.el_alpha[4][0] = 3.0f;
    flt.el_vel[4][0] = 60.0f;
    flt.el_flowdir[4][0] = 2.5f;
    float cl, cd, cm;
    Fco_subsonic(0, 0, 0, &cl, &cd, &cm, 4, 0);
    float lift, drag, moment;
    std::string text = written(1, [&] { F_el_force(0, 0, 0, &lift, &drag, &moment, 4, 0); });
    float th = 2.5f * con.degtorad;
    float clr = cl * std::cos(th) + cd * std::sin(th), cdr = cd * std::cos(th) - cl * std::sin(th);
    std::string tail = "   force=coeff*S*V*V*rho/2.0\n"
                       "   lift=" + fixed(clr, 8, 4) + "*   1.70* sqr(  60.0) * 1.1000 / 2         =" +
                       fixed(lift, 8, 0) + " N.\n"
                       "   drag=" + fixed(cdr, 8, 4) + "*   1.70* sqr(  60.0) * 1.1000 / 2         =" +
                       fixed(drag, 8, 0) + " N.\n"
                       "   momt=" + fixed(cm, 8, 4) + "*   1.70* sqr(  60.0) * 1.1000 / 2 *    1.4=" +
                       fixed(moment, 8, 0) + " N-m.\n\n";
    std::string turn = "\n   This element has an infinite flow-direction modification of 2.5 deg.\n"
                       "   This rotates the lift and drag vectors through the infinite flow-modification angle.\n"
                       "   This rotation turns the initial cl of " + fixed(cl, 6, 4) + " and cd of " + fixed(cd, 5, 4) +
                       " along the direction of the flight path\n"
                       "   to the new values of cl=" + fixed(clr, 6, 4) + " and cd=" + fixed(cdr, 5, 4) +
                       " along the direction of the flight path.\n\n";
    ASSERT_GE(text.size(), turn.size() + tail.size());
    EXPECT_EQ(text.substr(text.size() - turn.size() - tail.size()), turn + tail);

    float dcl, dcd, dcm;
    text = written(1, [&] { set_con_eff(4, 6, 0.25f, -7.5f, &dcl, &dcd, &dcm, "SPOILER"); });
    EXPECT_EQ(text, "\n   SPOILER RESULTS FOR  0.25 CHORD SURFACE, DEFLECTED -7.50 DEG:\n"
                    "      cl=" + fixed(dcl, 7, 4) + " per deg.\n"
                    "      cd=" + fixed(dcd, 7, 4) + " per deg.\n"
                    "      cm=" + fixed(dcm, 7, 4) + " per deg.\n");
}

TEST_F(ForceReport, SharedFilesStillShowFourSummaryValues)
{
    strcpy(pln[0].Tafl0[4], "root.afl");
    strcpy(pln[0].Tafl1[4], "root.afl");
    flt.el_alpha[4][1] = 3.0f;
    flt.el_vel[4][1] = 60.0f;
    float cl, cd, cm;
    std::string text = written(1, [&] { Fco_subsonic(0, 0, 0, &cl, &cd, &cm, 4, 1); });
    EXPECT_EQ(count(text, "These coefficients are using the "), 1);   // one lookup for one file
    for (const char* c : {"CL", "CD", "CM"}) EXPECT_EQ(count(text, std::string(c) + " Coeff summary:"), 1) << c;
    EXPECT_EQ(count(text, "                   reyno 1   "), 3);
    EXPECT_EQ(count(text, "                   reyno 2   "), 3);
    // Element 2 of 4 sits at 37.5 % of the span; the lift row carries the four copies.
    EXPECT_NE(text.find("element center=37.5% of span.\n"), std::string::npos);
    size_t at = text.find("CL Coeff summary:");
    ASSERT_NE(at, std::string::npos);
    std::string value = fixed(0.1f * ((3.0f + 2.0f) * 0.9f - 2.0f) + 0.2f, 8, 4);
    std::string row1 = "reyno 1   " + value + "  " + value + " |\n";
    EXPECT_EQ(text.substr(text.find("reyno 1", at), row1.size()), row1);
}
