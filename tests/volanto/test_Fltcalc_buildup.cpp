// The force build-up of one half-step, whole: the shipped Cessna at rest on
// its gear and in flight, and the build-up's effects one at a time.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "Fltcalc.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "plane_files.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>

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
        close_loader_surroundings();
    }
};

static void set_angle(float deg, float* s, float* c)
{
    *s = sinf(deg * con.degtorad);
    *c = cosf(deg * con.degtorad);
}

TEST_F(BuildUp, TheCessnaAtRestCarriesItsWeightOnItsGear)
{
    atm.rho = 1.225f;
    atm.a_sound = 340.3f;
    atm.g_accel = con.g;
    atm.rwy_friction = 1;
    lay_flat_ground();
    const planestruct& a = pln[0];
    float theta = fltwrap(a.the_eqlbm, -180, 180);
    flt.theta[0] = theta;
    set_angle(theta, &flt.sin_theta, &flt.cos_theta);
    set_angle(0, &flt.sin_phi, &flt.cos_phi);
    set_angle(0, &flt.sin_psi, &flt.cos_psi);
    set_angle(0, &flt.sin_alpha, &flt.cos_alpha);
    set_angle(0, &flt.sin_path_roll, &flt.cos_path_roll);
    set_angle(0, &flt.sin_path_theta, &flt.cos_path_theta);
    set_angle(0, &flt.sin_path_psi, &flt.cos_path_psi);
    set_angle(0, &flt.sin_beta, &flt.cos_beta);
    flt.pos_y[0] = env.ground_h + a.h_eqlbm;
    flt.mass_now = a.m_max;
    for (int k = 0; k < 3; k++) pln[0].gear_stat[k] = 1;
    set_a();
    printf("h_eqlbm %f the %f Fgv %f mg %f ax %f ay %f az %f Mp %f on %d\n", a.h_eqlbm, theta, flt.F_gear_vertical,
           flt.mass_now * con.g, flt.a_x, flt.a_y, flt.a_z, flt.M_pitch, flt.on_ground);
    EXPECT_NEAR(flt.F_gear_vertical, flt.mass_now * con.g, 0.05 * flt.mass_now * con.g);
}
