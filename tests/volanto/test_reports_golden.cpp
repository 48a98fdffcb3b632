// The two reports of the user's aircraft as whole texts, compared with the
// golden files in tests/data/ by `diff -u`: the loader's build-up report of
// the shipped Cessna 172, and the force report of one fixed build-up cycle
// of it on its take-off run.
//
// Regenerating: run the test with VOLANTO_REGOLD=1 set, e.g.
//   VOLANTO_REGOLD=1 ctest --test-dir build-test -R Golden
// and it writes the golden files instead of comparing. Read the change with
// `git diff tests/data/` and commit it on its own, saying why the text moved.
//
// The texts hold no machine's folders: the program folder is written as
// "<program folder>/". They are the same from the optimised and the
// sanitizer (unoptimised) build.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "Fltcalc.h"
#include "Funct.h"
#include "Genwrld.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "host_test.h"
#include "plane_files.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

// The shipped aircraft loaded into slot 0 from the program folder, sounds to
// the silent sink, with every record the reports read cleared first.
class GoldenReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        ASSERT_EQ(open_loader_surroundings(), 1);
        ASSERT_EQ(load_named(0), 1);
        trk.close();
    }
    void TearDown() override
    {
        set.force_report = 0;
        close_loader_surroundings();
    }
};

TEST_F(GoldenReport, BuildUpReportOfTheShippedAircraft)
{
    std::string text = read_file("Volanto.out");
    ASSERT_FALSE(text.empty());
    std::string diff = golden_diff("report_buildup_c172.txt", portable(text));
    EXPECT_TRUE(diff.empty()) << "the build-up report differs from its golden text (VOLANTO_REGOLD=1 rewrites it):\n"
                              << diff;
}

// ---- one force build-up cycle ------------------------------------------------
//
// Rotating on the take-off run: 28 m/s along the runway heading north in
// still sea-level air, 4 degrees nose up with the path level, aileron, up
// elevator and rudder in, 2200 N of thrust, the main wheels on the ground and
// the nose wheel just off. The elements see the flight's angles plus their
// incidence; the tail sits in 2 degrees of downwash.

static const float speed = 28.0f, pitch = 4.0f;

static void set_angle(float deg, float* s, float* c)
{
    *s = sinf(deg * con.degtorad);
    *c = cosf(deg * con.degtorad);
}

static void fixed_flight_state(void)
{
    atm.rho = 1.225f;
    atm.a_sound = 340.3f;
    atm.g_accel = 9.81f;
    msc.vstall = 24.0f;

    flt.theta[0] = pitch;
    flt.alpha = pitch;
    set_angle(pitch, &flt.sin_theta, &flt.cos_theta);
    set_angle(pitch, &flt.sin_alpha, &flt.cos_alpha);
    set_angle(0, &flt.sin_phi, &flt.cos_phi);
    set_angle(0, &flt.sin_psi, &flt.cos_psi);
    set_angle(0, &flt.sin_beta, &flt.cos_beta);
    set_angle(0, &flt.sin_path_roll, &flt.cos_path_roll);
    set_angle(0, &flt.sin_path_theta, &flt.cos_path_theta);
    set_angle(0, &flt.sin_path_psi, &flt.cos_path_psi);
    flt.vel_z = -speed;
    flt.V_true = flt.vel_fwd = flt.gnd_speed[0] = speed;
    flt.ias_kts = speed * con.msctokts;
    flt.mach = speed / atm.a_sound;
    flt.mass_now = pln[0].m_empty + 150.0f;

    flt.ailn_def_L = 6.0f;
    flt.ailn_def_R = -6.0f;
    flt.elev_def_L = flt.elev_def_R = 10.0f;
    flt.rudd_def_now = 4.0f;
    for (int part = 4; part <= 9; part++) {   // wings near the ground
        flt.ge_cl_mult[part] = 1.08f;
        flt.ge_cdi_mult[part] = 0.85f;
    }
    set.ctl_scale_c = 1;

    // Flat ground at height 0 under the aircraft at (5000, -5000); the main
    // wheels 3 cm into it.
    lay_flat_ground();
    flt.pos_y[0] = -pln[0].mgearY * flt.cos_theta + pln[0].mgearZ * flt.sin_theta - 0.03f;

    // Inertia is not derived by the loader yet: a fixed one per unit mass.
    pln[0].Jxx_unitmass = 1.2f;
    pln[0].Jyy_unitmass = 2.0f;
    pln[0].Jzz_unitmass = 1.0f;
}

// The devices of one element at this cycle's deflections; left and right by
// the side of the span the part lies on.
static void element_devices(int part, int el, float* dcl, float* dcd, float* dcm)
{
    const planestruct& a = pln[0];
    int left = latsign(part, 0) < 0;
    *dcl = *dcd = *dcm = 0;
    float l, d, m;
    if (a.ailn[part][el]) {
        set_con_eff(part, 5, a.ailn_crat, left ? flt.ailn_def_L : flt.ailn_def_R, &l, &d, &m, "AILERON");
        *dcl += l, *dcd += d, *dcm += m;
    }
    if (a.elev[part][el]) {
        set_con_eff(part, 5, a.elev_crat, left ? flt.elev_def_L : flt.elev_def_R, &l, &d, &m, "ELEVATOR");
        *dcl += l, *dcd += d, *dcm += m;
    }
    if (a.rudd[part][el]) {
        set_con_eff(part, 5, a.rudd_crat, flt.rudd_def_now, &l, &d, &m, "RUDDER");
        *dcl += l, *dcd += d, *dcm += m;
    }
}

// The lifting parts element by element into the aerodynamic sums, the
// running totals after each part.
static void aero_parts(void)
{
    const planestruct& a = pln[0];
    for (int part = 4; part <= 17; part++) {
        if (!have_this_part(part, 0)) continue;
        int tail = part >= 10 && part <= 11;
        float c_dih = cosf(a.dihed[part] * con.degtorad), s_dih = sinf(a.dihed[part] * con.degtorad);
        for (int el = 0; el < a.els[part]; el++) {
            float along = std::fabs(a.dihed[part]) > 45.0f ? 0.0f : pitch;   // a fin meets the sideslip, none here
            flt.el_vel[part][el] = speed;
            flt.el_alpha[part][el] = along + a.anginc[part][el] - (tail ? 2.0f : 0.0f);
            flt.el_flowdir[part][el] = tail ? -2.0f : 0.0f;
            float dcl, dcd, dcm, lift, drag, moment;
            element_devices(part, el, &dcl, &dcd, &dcm);
            F_el_force(dcl, dcd, dcm, &lift, &drag, &moment, part, el);
            float r = get_wing_rarm(part, el, 0);
            float x = get_wing_Xarm(part, r, 0), y = get_wing_Yarm(part, r, 0), z = get_wing_Zarm(part, r, 0);
            float side = latsign(part, 0) * s_dih;
            addFaero(-drag, lift * side, lift * c_dih, x, y, z);
            flt.M_pitch += moment * c_dih;
        }
        aeroforcerep();
    }
}

static void propulsion(void)
{
    const planestruct& a = pln[0];
    addFaprop(2200.0f, a.Xarm[0], a.Yarm[0]);
    propforcerep();
}

// Nose wheel, left and right main wheel with the test's spring, damper and
// friction: the gear constants are not derived by the loader yet.
static void gear(void)
{
    const planestruct& a = pln[0];
    handle_contact_point(0, 0.0f, a.ngearY, a.ngearZ, 25000.0f, 2000.0f, 0.025f, 0.8f);
    handle_contact_point(1, -a.mgearX, a.mgearY, a.mgearZ, 40000.0f, 3000.0f, 0.025f, 0.8f);
    handle_contact_point(2, a.mgearX, a.mgearY, a.mgearZ, 40000.0f, 3000.0f, 0.025f, 0.8f);
}

TEST_F(GoldenReport, ForceReportOfOneFixedCycle)
{
    fixed_flight_state();
    trk.open("Volanto.out", std::ios::out | std::ios::trunc | std::ios::binary);
    set.force_report = 1;
    propulsion();
    aero_parts();
    gear();
    set_a2();
    trk.close();

    std::string text = read_file("Volanto.out");
    // The cycle is a take-off run: both main wheels push, the nose wheel is off.
    EXPECT_NE(text.find("CONTACT #1:"), std::string::npos);
    EXPECT_NE(text.find("CONTACT #2:"), std::string::npos);
    EXPECT_EQ(text.find("CONTACT #0:"), std::string::npos);
    std::string diff = golden_diff("report_force_c172.txt", portable(text));
    EXPECT_TRUE(diff.empty()) << "the force report differs from its golden text (VOLANTO_REGOLD=1 rewrites it):\n"
                              << diff;
}
